#pragma once
#include <QString>
#include <QStringView>

// Trimming as the whole program does it: characters of code 32 or below go
// from both ends. Upper-casing changes the letters a to z only.
namespace Text {
QString trimmed(QStringView text);
QString upperAz(QStringView text);
// A code written in groups as printed ("IT60 X054 2811 ..."), in its
// electronic form: every blank (code 32 or below) left out, upper-cased a to
// z, at most `limit` characters.
QString compactCode(QStringView text, int limit);
}
