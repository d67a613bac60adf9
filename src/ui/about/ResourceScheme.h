#pragma once

#include <QUrl>
#include <string>

// The "res" URL scheme shows pages kept in the program's own resources, such as the About
// page. Chromium learns its schemes once, before it starts: call this before the
// QApplication is constructed.
void RegisterResourceScheme();

inline constexpr char kResourceScheme[] = "res";

// "res://<modulePath>/<page>": the address of one of the program's own pages. A path given in
// double quotes loses them; the path is percent-encoded, so that spaces, '#', '?' or '%' in it
// cannot cut the address short.
QUrl ResourcePageAddress(std::string modulePath, const char* page);
