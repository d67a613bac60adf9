#include "ui/settings/ProgramSettings.h"

#include "common/AtomicFileWriter.h"
#include "common/DataFolder.h"
#include "common/IniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <array>

namespace {

// A key the program owns in kestrine.conf.
struct SettingKey
{
    const char* section;
    const char* name;
};

constexpr SettingKey kSourceKey{"update", "source"};
constexpr SettingKey kReadyTabsKey{"tabs", "ready"};
constexpr SettingKey kKeepFinishedTabsKey{"tabs", "keepFinished"};
constexpr SettingKey kLanguageKey{"ui", "language"};
// Every key above, whose values are checked for what cannot be read.
constexpr std::array kOwnedKeys{kSourceKey, kReadyTabsKey, kKeepFinishedTabsKey, kLanguageKey};

QString Tr(const char* text)
{
    return QCoreApplication::translate("CProgramSettings", text);
}

// The value as text; nothing when the file lacks it or its bytes are not UTF-8, which no
// replacement character may stand in for.
std::optional<QString> TextOf(const CIniFile& settings, const SettingKey& key)
{
    const std::optional<std::string> value = settings.Value(key.section, key.name);
    if (!value)
        return std::nullopt;
    // Stateless, so that a sequence cut short at the end counts as the error it is.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(QByteArrayView(value->data(), static_cast<qsizetype>(value->size())));
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

void SetText(CIniFile& settings, const SettingKey& key, const QString& text)
{
    settings.SetValue(key.section, key.name, text.toStdString());
}

} // namespace

CProgramSettings::CProgramSettings(const std::string& dataFolder, QString defaultSource)
    : m_defaultSource(std::move(defaultSource))
{
    if (!dataFolder.empty())
        m_file = dataFolder + kSettingsFileName;
}

QString CProgramSettings::DatabaseSource() const
{
    const std::optional<QString> chosen = TextOf(Read(), kSourceKey);
    // A file edited by hand may hold anything; an unusable address is no choice.
    if (!chosen || chosen->isEmpty() || !SourceProblem(*chosen).isEmpty())
        return m_defaultSource;
    return *chosen;
}

QString CProgramSettings::SetDatabaseSource(const QString& address)
{
    const QString problem = SourceProblem(address);
    if (!problem.isEmpty())
        return problem;
    // Written as the downloader reads it: the scheme and host in lower case, nothing around.
    const QString written = QUrl(address.trimmed(), QUrl::StrictMode).toString(QUrl::FullyEncoded);
    return Save([&](CIniFile& settings) {
        if (written == m_defaultSource)
            settings.Remove(kSourceKey.section, kSourceKey.name);
        else
            SetText(settings, kSourceKey, written);
    });
}

CProgramSettings::WorkAhead CProgramSettings::TabsWorkAhead() const
{
    WorkAhead workAhead;
    const CIniFile settings = Read();
    bool isNumber = false;
    const int ready = TextOf(settings, kReadyTabsKey).value_or(QString()).toInt(&isNumber);
    // A number edited by hand beyond what the dialog offers is no choice.
    if (isNumber && ready >= 0 && ready <= kMostReadyTabs)
        workAhead.readyTabs = ready;
    // Read as QSettings reads a flag: anything but nothing, "0" and "false" is true.
    workAhead.keepFinishedTabs =
        QVariant(TextOf(settings, kKeepFinishedTabsKey).value_or(QString())).toBool();
    return workAhead;
}

QString CProgramSettings::SetTabsWorkAhead(const WorkAhead& workAhead)
{
    return Save([&](CIniFile& settings) {
        SetText(settings, kReadyTabsKey,
                QString::number(std::clamp(workAhead.readyTabs, 0, kMostReadyTabs)));
        SetText(settings, kKeepFinishedTabsKey, QVariant(workAhead.keepFinishedTabs).toString());
    });
}

QString CProgramSettings::Refusals() const
{
    const CIniFile settings = Read();
    QStringList refused;
    for (const SettingKey& key : kOwnedKeys) {
        if (settings.Value(key.section, key.name) && !TextOf(settings, key))
            refused << QStringLiteral("%1 in [%2]")
                           .arg(QLatin1String(key.name), QLatin1String(key.section));
    }
    if (refused.isEmpty())
        return {};
    return Tr("These settings in %1 are not UTF-8 text, so Kestrine goes on without them: %2. "
              "They stay as they are until you choose them again.")
        .arg(FileName(), refused.join(QStringLiteral(", ")));
}

std::optional<CIniFile> CProgramSettings::Load(QString* error) const
{
    QFile file(FileName());
    if (m_file.empty() || !file.exists())
        return CIniFile();
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return CIniFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

CIniFile CProgramSettings::Read() const
{
    // A file that cannot be read holds no choice.
    return Load().value_or(CIniFile());
}

QString CProgramSettings::Save(const std::function<void(CIniFile&)>& change)
{
    if (m_file.empty())
        return Tr("Kestrine has no data folder to keep its settings in.");
    QString error;
    std::optional<CIniFile> settings = Load(&error);
    // Writing over a file that could not be read would lose what the user wrote in it.
    if (!settings)
        return Tr("Kestrine could not read its settings from %1: %2.").arg(FileName(), error);
    change(*settings);
    const WriteOutcome written = CAtomicFileWriter().Write(m_file, settings->Bytes());
    if (!written.ok)
        return Tr("Kestrine could not save its settings to %1: %2.")
            .arg(FileName(), QString::fromStdString(written.error));
    return {};
}

QString CProgramSettings::FileName() const
{
    return QFile::decodeName(QByteArray::fromStdString(m_file));
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
    return TextOf(Read(), kLanguageKey).value_or(QString()).trimmed();
}

QString CProgramSettings::SetInterfaceLanguage(const QString& language)
{
    return Save([&](CIniFile& settings) {
        if (language.isEmpty())
            settings.Remove(kLanguageKey.section, kLanguageKey.name);
        else
            SetText(settings, kLanguageKey, language);
    });
}
