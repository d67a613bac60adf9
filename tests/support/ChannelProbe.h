#pragma once

#include <QObject>

// Stands on the browser's channel where the program's objects would: counts the submissions
// the page's scripts report and the rendered frames a test waits for.
class ChannelProbe final : public QObject
{
    Q_OBJECT

public:
    int submissions = 0;
    int renderedFrames = 0;

public slots:
    // As the program's sink, it counts only the submissions of a form that holds a filled field.
    void invoke(bool holdsFilledField) { submissions += holdsFilledField ? 1 : 0; }
    void frameRendered() { ++renderedFrames; }
};
