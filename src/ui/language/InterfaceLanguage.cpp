#include "ui/language/InterfaceLanguage.h"

#include "common/TextCatalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <atomic>
#include <memory>

namespace {

// The catalogue the core's texts are looked up in; set while a language is loaded.
std::atomic<const QTranslator*> g_coreCatalogue{nullptr};

QString& CurrentLanguage()
{
    static QString current = CInterfaceLanguage::kEnglish;
    return current;
}

std::string TranslateCoreText(const char* context, const char* text, int count)
{
    QString result;
    if (const QTranslator* catalogue = g_coreCatalogue.load())
        result = catalogue->translate(context, text, nullptr, count);
    if (result.isEmpty())
        result = QString::fromUtf8(text);
    // As QCoreApplication::translate() does.
    if (count >= 0)
        result.replace(QStringLiteral("%n"), QString::number(count));
    return result.toStdString();
}

// "de_DE.UTF-8@euro" and "de-DE" both become "de_DE".
QString LocaleName(QString name)
{
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name.replace(QLatin1Char('-'), QLatin1Char('_')).trimmed();
}

QString LanguagePart(const QString& locale)
{
    return locale.section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

const QString CInterfaceLanguage::kEnglish = QStringLiteral("en");

const QStringList& CInterfaceLanguage::Spoken()
{
    static const QStringList spoken{kEnglish,
                                    QStringLiteral("de"),
                                    QStringLiteral("fr"),
                                    QStringLiteral("es"),
                                    QStringLiteral("it"),
                                    QStringLiteral("pt_BR"),
                                    QStringLiteral("nl"),
                                    QStringLiteral("pl")};
    return spoken;
}

QStringList CInterfaceLanguage::DesktopPreferences(const QProcessEnvironment& environment)
{
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = environment.value(QString::fromLatin1(variable));
        if (!messages.isEmpty())
            break;
    }
    messages = LocaleName(messages);
    QStringList preferred;
    if (messages.isEmpty() || messages == QLatin1String("C") || messages == QLatin1String("POSIX"))
        return preferred;
    const QStringList listed =
        environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& language : listed)
        preferred.append(LocaleName(language));
    preferred.append(messages);
    return preferred;
}

QString CInterfaceLanguage::Choose(const QString& chosen, const QStringList& preferred)
{
    if (Spoken().contains(chosen))
        return chosen;
    for (const QString& wanted : preferred) {
        const QString locale = LocaleName(wanted);
        if (Spoken().contains(locale))
            return locale;
        // A country Kestrine has no catalogue of gets the language's own.
        const QString language = LanguagePart(locale);
        for (const QString& spoken : Spoken()) {
            if (LanguagePart(spoken) == language)
                return spoken;
        }
    }
    return kEnglish;
}

QString CInterfaceLanguage::Current()
{
    return CurrentLanguage();
}

QString CInterfaceLanguage::NativeName(const QString& language)
{
    // Not "American English": the source texts are no country's.
    if (language == kEnglish)
        return QStringLiteral("English");
    const QLocale locale(language);
    QString name = locale.nativeLanguageName();
    // Brazil's Portuguese is not Portugal's.
    if (language.contains(QLatin1Char('_')))
        name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    return name.isEmpty() ? name : name.front().toUpper() + name.mid(1);
}

CInterfaceLanguage::~CInterfaceLanguage()
{
    Uninstall();
}

bool CInterfaceLanguage::Load(const QString& language)
{
    Uninstall();
    m_language = Spoken().contains(language) ? language : kEnglish;
    m_own = std::make_unique<QTranslator>();
    m_qt = std::make_unique<QTranslator>();
    bool ownLoaded = true;
    if (m_language != kEnglish) {
        ownLoaded = m_own->load(QStringLiteral(":/i18n/kestrine_%1.qm").arg(m_language));
        // Without Qt's catalogue (a system without it) only the standard buttons stay English.
        (void)m_qt->load(QStringLiteral("qtbase_%1").arg(m_language),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    CurrentLanguage() = m_language;
    g_coreCatalogue.store(m_own.get());
    InstallTextTranslator(&TranslateCoreText);
    // Dates and numbers follow a language chosen against the desktop's.
    const QLocale locale(m_language);
    if (m_language != kEnglish && locale.language() != QLocale::system().language()) {
        m_localeBefore = QLocale();
        QLocale::setDefault(locale);
    }
    if (QCoreApplication::instance()) {
        QCoreApplication::installTranslator(m_qt.get());
        QCoreApplication::installTranslator(m_own.get());
    }
    return ownLoaded;
}

void CInterfaceLanguage::Uninstall()
{
    if (!m_own)
        return;
    if (g_coreCatalogue.load() == m_own.get()) {
        InstallTextTranslator(nullptr);
        g_coreCatalogue.store(nullptr);
        CurrentLanguage() = kEnglish;
    }
    // Removing one that was never installed does nothing.
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(m_own.get());
        QCoreApplication::removeTranslator(m_qt.get());
    }
    m_own.reset();
    m_qt.reset();
    if (m_localeBefore) {
        QLocale::setDefault(*m_localeBefore);
        m_localeBefore.reset();
    }
}
