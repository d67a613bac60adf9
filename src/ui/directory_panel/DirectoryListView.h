#pragma once

#include <QListView>

// The directory list's view. A list that gains the focus with nothing selected puts its focus
// frame on the first row without selecting it, so the first Down would skip the first
// directory: here the first Down, Home or Space picks the first directory instead. Enter on the
// picked entry says the user wants to go into its page.
class CDirectoryListView final : public QListView
{
    Q_OBJECT

public:
    explicit CDirectoryListView(QWidget* parent = nullptr);

signals:
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
