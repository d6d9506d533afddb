#pragma once
#include <QString>

// What happens before the login window: the data folder is settled (asked for
// with frmCartella at the first start) and given a password store.
namespace Startup {
// Before the application object: dates and month names in Italian also in
// Qt's own dialogs (the file dialog reads the system's locale), whatever
// language the desktop speaks. Characters and file names keep the desktop's.
void useItalianDates();

// The desktop's view of the program: names, version, icon, desktop entry.
void applyIdentity();

// False when the program should end: Esci in frmCartella, or a folder given
// on the command line or in the environment that cannot be used (said in a box).
bool settleDataFolder(const QString &commandLineFolder);
}
