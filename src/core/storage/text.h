#pragma once
#include <QString>
#include <QStringView>

// Trimming as the whole program does it: characters of code 32 or below go
// from both ends. Upper-casing changes the letters a to z only.
namespace Text {
QString trimmed(QStringView text);
QString upperAz(QStringView text);
}
