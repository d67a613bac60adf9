#pragma once

#include <functional>

class CBrowserCtrl;

// The browser whose page the user sees now: the current tab's. Commands that act on "this page"
// ask for it each time, since the user may have gone to another tab since they were made.
using ShownBrowser = std::function<CBrowserCtrl&()>;
