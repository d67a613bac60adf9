#pragma once

#include <QAccessibleWidget>

// What a screen reader finds in the Profile: selector. Qt names a combo box on Linux by its
// current text and leaves the label to a relation, so the selector was read only as "Reader":
// here its name is what it is ("Profile") and the profile chosen is its value.
class CProfileSelectorAccessible final : public QAccessibleWidget
{
public:
    explicit CProfileSelectorAccessible(QWidget* selector);

    // For QAccessible::installFactory: this interface for every CProfileSelector.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
};
