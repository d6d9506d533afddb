#pragma once
#include <QString>

// Everything the program owns lives beside its executable. Tests point this
// at a temporary folder instead.
namespace ProgramFolder {
QString path();
void setPath(const QString &folder);   // empty restores the executable's folder
QString file(const QString &name);     // path() joined with a file name
}
