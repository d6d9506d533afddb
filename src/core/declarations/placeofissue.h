#pragma once
#include <QString>

// The last place of issue, kept in Attestari.ini in the program folder and
// shared by both declaration windows. A settings file that cannot be read or
// written never stops a window: reading gives an empty place, writing says
// false and nobody is told.
namespace PlaceOfIssue {
QString settingsFile();
QString read();
bool write(const QString &place);
}
