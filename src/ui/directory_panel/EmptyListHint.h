#pragma once

#include <QLabel>
#include <QList>

class QAction;

// Stands in for a directory list that holds nothing: tells the user how to get directories,
// with a link to each command that brings some. A link triggers the command's own action, as
// its menu entry does.
class CEmptyListHint final : public QLabel
{
    Q_OBJECT

public:
    explicit CEmptyListHint(QWidget* parent);

    void SetCommands(QList<QAction*> commands);

private:
    void OnLinkActivated(const QString& link);

    QList<QAction*> m_commands;
};
