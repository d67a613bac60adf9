#pragma once

#include <QApplication>
#include <QFont>

// Sets the application font's size while it lives, then puts the old font back: the windows as
// a user with a large font sees them. 0 keeps the default font.
class ScopedFontSize
{
public:
    explicit ScopedFontSize(int pointSize) : m_old(QApplication::font())
    {
        if (pointSize <= 0)
            return;
        QFont font = m_old;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }

    ~ScopedFontSize() { QApplication::setFont(m_old); }

    ScopedFontSize(const ScopedFontSize&) = delete;
    ScopedFontSize& operator=(const ScopedFontSize&) = delete;

private:
    QFont m_old;
};
