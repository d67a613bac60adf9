#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// A dialog's control by its object name in the .ui file. A missing name is a broken test, not
// a failing one, so it stops the run.
template <class Widget> Widget& DialogChild(const QObject& dialog, const char* name)
{
    auto* child = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control named %s", name);
    return *child;
}
