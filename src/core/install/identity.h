#pragma once
#include <QString>

// The program's names and version, as the desktop, the per-user settings and
// --version know them.
namespace Identity {
QString version();                 // the project's version
inline constexpr const char *desktopId = "it.quirendo.Attestari";

// Organisation, application name and version of the running application.
void apply();
}
