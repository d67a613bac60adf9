#pragma once

// GMime, set up once for the process before its first use; any thread may call this.
void EnsureGMime();
