#pragma once

#include <QLocale>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>

// The language the interface speaks, and the catalogues that make it speak it: Kestrine's own,
// compiled into the program, and Qt's, so that standard buttons and dialogs match. English is
// the language of the source texts and needs no catalogue. The core's texts are translated
// through the same catalogue, with or without an application object, so that the command line
// speaks the language before one exists.
class CInterfaceLanguage final
{
public:
    // English, as the settings and Choose() name it.
    static const QString kEnglish;

    // The languages Kestrine speaks, English first, as the catalogues name them ("pt_BR").
    static const QStringList& Spoken();

    // What the desktop asks for, most wanted first: the list of LANGUAGE, then the locale of
    // messages (LC_ALL, LC_MESSAGES or LANG). As with gettext, LANGUAGE counts only where a
    // locale other than C is set.
    static QStringList DesktopPreferences(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    // The language to speak: `chosen` (Settings > Language…) when Kestrine speaks it, else the
    // first of `preferred` that it speaks ("de_AT" is German, "pt_PT" the Portuguese it has),
    // else English.
    static QString Choose(const QString& chosen, const QStringList& preferred);

    // The language loaded last, English before any.
    static QString Current();

    // The name of `language` in that language ("Deutsch"), for the choice in the settings.
    static QString NativeName(const QString& language);

    CInterfaceLanguage() = default;
    ~CInterfaceLanguage();
    CInterfaceLanguage(const CInterfaceLanguage&) = delete;
    CInterfaceLanguage& operator=(const CInterfaceLanguage&) = delete;

    // Makes `language` the one spoken from now on: texts created later come in it. The
    // application object, when there is one, gets the catalogues too; call Load() again after
    // creating it. False when Kestrine's catalogue of the language is missing (a broken
    // build): the texts stay English.
    bool Load(const QString& language);
    const QString& Language() const { return m_language; }

private:
    void Uninstall();

    QString m_language;
    std::unique_ptr<QTranslator> m_own;    // Kestrine's catalogue
    std::unique_ptr<QTranslator> m_qt;     // Qt's, for its standard buttons and dialogs
    std::optional<QLocale> m_localeBefore; // the default locale the language replaced
};
