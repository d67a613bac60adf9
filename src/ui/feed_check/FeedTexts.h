#pragma once

#include <QString>

class QWidget;

// Puts a feed's title and description into a profile's. Empty fields take the feed's text
// without asking; when either already holds text, the user decides whether the feed's text
// replaces both (Yes), fills only the empty one (No), or nothing changes (Cancel). A feed text
// that is empty never replaces anything. True when a field changed.
bool TakeFeedTexts(QWidget* parent, QString& title, QString& description, const QString& feedTitle,
                   const QString& feedDescription);
