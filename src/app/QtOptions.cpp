#include "app/QtOptions.h"

#include <array>

namespace {

struct QtOption
{
    const char* name;
    const char* value; // nullptr for an option that takes none
    const char* help;
    bool takesEquals = false; // also written "-style=Fusion"
};

// As QGuiApplication and QApplication read them, one or two leading dashes alike.
constexpr std::array kQtOptions{
    QtOption{"platform", "name[:options]", "The windowing platform, such as xcb or wayland."},
    QtOption{"platformpluginpath", "path", "Where platform plugins are looked for."},
    QtOption{"platformtheme", "name", "The platform theme."},
    QtOption{"plugin", "name", "Loads an additional input plugin."},
    QtOption{"qwindowgeometry", "geometry", "The main window's geometry, as in 800x600+0+0."},
    QtOption{"geometry", "geometry", "The same as -qwindowgeometry."},
    QtOption{"qwindowtitle", "title", "The main window's title."},
    QtOption{"title", "title", "The same as -qwindowtitle."},
    QtOption{"qwindowicon", "file", "The main window's icon."},
    QtOption{"icon", "file", "The same as -qwindowicon."},
    QtOption{"display", "host:screen", "The X display to use."},
    QtOption{"session", "id", "Restores the session of that id."},
    QtOption{"style", "style", "The widget style, such as Fusion.", true},
    QtOption{"stylesheet", "file", "A Qt style sheet for the widgets.", true},
    QtOption{"reverse", nullptr, "Lays the window out from right to left."},
    QtOption{"widgetcount", nullptr, "Prints how many widgets were left at the end."},
};

// The option `argument` names, and whether its value is in it ("-style=Fusion"); null when
// it is none of Qt's.
const QtOption* QtOptionOf(const QString& argument, bool& valueIncluded)
{
    if (!argument.startsWith(QLatin1Char('-')))
        return nullptr;
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    valueIncluded = equals >= 0;
    if (valueIncluded)
        name.truncate(equals);
    for (const QtOption& option : kQtOptions) {
        if (name == QLatin1String(option.name))
            return valueIncluded && !option.takesEquals ? nullptr : &option;
    }
    return nullptr;
}

} // namespace

QStringList CQtOptions::Without(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool valueIncluded = false;
        const QtOption* option = i == 0 ? nullptr : QtOptionOf(arguments[i], valueIncluded);
        if (!option)
            kept << arguments[i];
        else if (option->value && !valueIncluded)
            ++i; // its value goes with it
    }
    return kept;
}

QString CQtOptions::HelpText()
{
    QString text = QStringLiteral("\nQt's options (read by Qt itself):\n");
    for (const QtOption& option : kQtOptions) {
        QString synopsis = QStringLiteral("  -") + QLatin1String(option.name);
        if (option.value)
            synopsis += QStringLiteral(" <%1>").arg(QLatin1String(option.value));
        text += synopsis.leftJustified(31) + QString::fromUtf8(option.help) + QLatin1Char('\n');
    }
    return text;
}
