#pragma once
#include <QString>

// The data folder: everything the program writes or reads as data. It is the
// executable's own folder until start-up settles it (core/install/datafolder.h);
// tests point it at a temporary folder.
namespace ProgramFolder {
QString path();
void setPath(const QString &folder);   // empty restores the executable's folder
QString file(const QString &name);     // path() joined with a file name
}
