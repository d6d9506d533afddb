#pragma once
#include <QString>

// What comes with the program and is only read (the initial password store,
// the guide): beside the executable when portable, in ../share/attestari/
// when installed, so an installed tree works from any prefix.
namespace ShippedFiles {
QString folderFor(const QString &programFolder);
QString folder();                      // of the running executable
QString file(const QString &name);

// The shipped guide; where none is shipped, the one in the data folder.
QString guide();
}
