#pragma once

#include <QString>
#include <optional>

class QWidget;

// Asks for one line of text under a label shown as plain text: a label made of a page's or the
// database's words must never be read as markup (an <img> in it would make Qt load the file).
// nullopt when the user cancels, or when the parent went away while the dialog was open.
std::optional<QString> AskForPlainText(QWidget* parent, const QString& title, const QString& label,
                                       const QString& initial);
