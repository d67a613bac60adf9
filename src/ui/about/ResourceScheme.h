#pragma once

// The "res" URL scheme shows pages kept in the program's own resources, such as the About
// page. Chromium learns its schemes once, before it starts: call this before the
// QApplication is constructed.
void RegisterResourceScheme();

inline constexpr char kResourceScheme[] = "res";
