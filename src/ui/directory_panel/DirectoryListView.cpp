#include "ui/directory_panel/DirectoryListView.h"

#include <QKeyEvent>

CDirectoryListView::CDirectoryListView(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry has the height of the first, so 50,000 of them cost no measuring.
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void CDirectoryListView::keyPressEvent(QKeyEvent* event)
{
    // Only a picked entry has a page to go into: Enter on the focus frame alone picks nothing.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        currentIndex().isValid() && selectionModel()->isSelected(currentIndex())) {
        event->accept();
        emit entered();
        return;
    }
    const bool picksFirst = event->key() == Qt::Key_Down || event->key() == Qt::Key_Home ||
                            event->key() == Qt::Key_Space;
    if (picksFirst && event->modifiers() == Qt::NoModifier && model() && model()->rowCount() > 0 &&
        selectionModel() && !selectionModel()->hasSelection()) {
        const QModelIndex first = model()->index(0, 0);
        selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
        scrollTo(first);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}
