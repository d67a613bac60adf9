#include "ui/profiles/ProfileSelectorAccessible.h"

#include "ui/profiles/ProfileSelector.h"

CProfileSelectorAccessible::CProfileSelectorAccessible(QWidget* selector)
    : QAccessibleWidget(selector, QAccessible::ComboBox)
{}

QAccessibleInterface* CProfileSelectorAccessible::Create(const QString& className, QObject* object)
{
    if (className == QLatin1String(CProfileSelector::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new CProfileSelectorAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

QString CProfileSelectorAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return static_cast<const CProfileSelector*>(widget())->currentText();
    return QAccessibleWidget::text(kind);
}

QStringList CProfileSelectorAccessible::actionNames() const
{
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void CProfileSelectorAccessible::doAction(const QString& action)
{
    if (action == showMenuAction())
        static_cast<CProfileSelector*>(widget())->showPopup();
    else
        QAccessibleWidget::doAction(action);
}
