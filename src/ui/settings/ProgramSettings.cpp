#include "ui/settings/ProgramSettings.h"

#include "common/DataFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QUrl>
#include <algorithm>

namespace {

const QString kSourceKey = QStringLiteral("update/source");
const QString kReadyTabsKey = QStringLiteral("tabs/ready");
const QString kKeepFinishedTabsKey = QStringLiteral("tabs/keepFinished");
const QString kLanguageKey = QStringLiteral("ui/language");

QString Tr(const char* text)
{
    return QCoreApplication::translate("CProgramSettings", text);
}

} // namespace

CProgramSettings::CProgramSettings(const std::string& dataFolder, QString defaultSource)
    : m_defaultSource(std::move(defaultSource))
{
    if (!dataFolder.empty())
        m_file = QFile::decodeName(QByteArray::fromStdString(dataFolder + kSettingsFileName));
}

QString CProgramSettings::DatabaseSource() const
{
    if (m_file.isEmpty())
        return m_defaultSource;
    const QString chosen = QSettings(m_file, QSettings::IniFormat).value(kSourceKey).toString();
    // A file edited by hand may hold anything; an unusable address is no choice.
    return chosen.isEmpty() || !SourceProblem(chosen).isEmpty() ? m_defaultSource : chosen;
}

QString CProgramSettings::SetDatabaseSource(const QString& address)
{
    const QString problem = SourceProblem(address);
    if (!problem.isEmpty())
        return problem;
    // Written as the downloader reads it: the scheme and host in lower case, nothing around.
    const QString written = QUrl(address.trimmed(), QUrl::StrictMode).toString(QUrl::FullyEncoded);
    return Save([&](QSettings& settings) {
        if (written == m_defaultSource)
            settings.remove(kSourceKey);
        else
            settings.setValue(kSourceKey, written);
    });
}

CProgramSettings::WorkAhead CProgramSettings::TabsWorkAhead() const
{
    WorkAhead workAhead;
    if (m_file.isEmpty())
        return workAhead;
    const QSettings settings(m_file, QSettings::IniFormat);
    bool isNumber = false;
    const int ready = settings.value(kReadyTabsKey).toInt(&isNumber);
    // A number edited by hand beyond what the dialog offers is no choice.
    if (isNumber && ready >= 0 && ready <= kMostReadyTabs)
        workAhead.readyTabs = ready;
    workAhead.keepFinishedTabs = settings.value(kKeepFinishedTabsKey, false).toBool();
    return workAhead;
}

QString CProgramSettings::SetTabsWorkAhead(const WorkAhead& workAhead)
{
    return Save([&](QSettings& settings) {
        settings.setValue(kReadyTabsKey, std::clamp(workAhead.readyTabs, 0, kMostReadyTabs));
        settings.setValue(kKeepFinishedTabsKey, workAhead.keepFinishedTabs);
    });
}

QString CProgramSettings::Save(const std::function<void(QSettings&)>& change)
{
    if (m_file.isEmpty())
        return Tr("Kestrine has no data folder to keep its settings in.");
    QSettings settings(m_file, QSettings::IniFormat);
    change(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return Tr("Kestrine could not save its settings to %1.").arg(m_file);
    return {};
}

QString CProgramSettings::SourceProblem(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return Tr("The database source must be an http:// or https:// address.");
    if (url.host().isEmpty())
        return Tr("The database source must name a host, as in https://example.org/dirdata.xml.");
    return {};
}

QString CProgramSettings::InterfaceLanguage() const
{
    if (m_file.isEmpty())
        return {};
    return QSettings(m_file, QSettings::IniFormat).value(kLanguageKey).toString();
}

QString CProgramSettings::SetInterfaceLanguage(const QString& language)
{
    return Save([&](QSettings& settings) {
        if (language.isEmpty())
            settings.remove(kLanguageKey);
        else
            settings.setValue(kLanguageKey, language);
    });
}
