#include "ui/feed_check/FeedTexts.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

bool Take(QString& field, const QString& feedText, bool replaceFilled)
{
    if (feedText.isEmpty() || field == feedText || (!field.isEmpty() && !replaceFilled))
        return false;
    field = feedText;
    return true;
}

bool WouldReplace(const QString& field, const QString& feedText)
{
    return !field.isEmpty() && !feedText.isEmpty() && field != feedText;
}

} // namespace

bool TakeFeedTexts(QWidget* parent, QString& title, QString& description, const QString& feedTitle,
                   const QString& feedDescription)
{
    bool replaceFilled = false;
    if (WouldReplace(title, feedTitle) || WouldReplace(description, feedDescription)) {
        const auto answer = QMessageBox::question(
            parent, QCoreApplication::translate("FeedTexts", "Use title and description"),
            QCoreApplication::translate(
                "FeedTexts", "The profile already has a title or description of its own.\n\n"
                             "Replace them with the feed's? No fills only the empty fields."),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
        if (answer == QMessageBox::Cancel)
            return false;
        replaceFilled = answer == QMessageBox::Yes;
    }
    const bool titleChanged = Take(title, feedTitle, replaceFilled);
    const bool descriptionChanged = Take(description, feedDescription, replaceFilled);
    return titleChanged || descriptionChanged;
}
