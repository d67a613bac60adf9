#pragma once

// Initialises libcurl for the whole process on the first call, from whichever thread makes it;
// false when that failed. libcurl stays initialised until the process ends.
bool EnsureCurlGlobalInit();
