#pragma once

#include "support/ChannelProbe.h"
#include "ui/browser/BrowserCtrl.h"

#include <QTest>
#include <QWebChannel>

// Shows the browser with `probe` standing on its channel as the program's submission sink and
// as the test's probe; false when the window never showed.
[[nodiscard]] inline bool ShowProbed(CBrowserCtrl& browser, ChannelProbe& probe)
{
    browser.Channel()->registerObject(QStringLiteral("submitSink"), &probe);
    browser.Channel()->registerObject(QStringLiteral("probe"), &probe);
    browser.resize(800, 600);
    browser.show();
    return QTest::qWaitForWindowExposed(&browser);
}
