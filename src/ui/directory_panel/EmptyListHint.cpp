#include "ui/directory_panel/EmptyListHint.h"

#include <QAction>

CEmptyListHint::CEmptyListHint(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("emptyListHint"));
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QLabel::linkActivated, this, &CEmptyListHint::OnLinkActivated);
}

void CEmptyListHint::SetCommands(QList<QAction*> commands)
{
    m_commands = std::move(commands);
    QString text = tr("<p>There are no directories yet. To get some:</p>");
    for (qsizetype i = 0; i < m_commands.size(); ++i) {
        // The menu's text without its mnemonic marks.
        const QString caption = m_commands[i]->text().remove(QLatin1Char('&'));
        text += QStringLiteral("<p><a href=\"%1\">%2</a></p>").arg(i).arg(caption.toHtmlEscaped());
    }
    setText(text);
}

void CEmptyListHint::OnLinkActivated(const QString& link)
{
    bool isIndex = false;
    const qsizetype command = link.toInt(&isIndex);
    if (isIndex && command >= 0 && command < m_commands.size())
        m_commands[command]->trigger();
}
