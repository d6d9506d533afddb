#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252, the code page of every archive and export file. Qt 6 has no
// codec for it that can be relied on, so the table is our own.
//
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// decode to the control character of the same number and encode back to the
// same byte: reading and writing a record never changes a byte nobody touched.
namespace Cp1252 {
constexpr char replacement = '?';

QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

// True when every character of the text has a byte of its own in the code page.
bool canEncode(QStringView text);
bool canEncode(char32_t codePoint);

// The text as the archives can keep it: a character beyond the code page
// becomes its base letter where the code page has one (Ș → S, ț → t,
// Ő → Ö, Ł → L), and is left out otherwise (an emoji, "✔"). `changed` tells
// whether anything was replaced or left out.
QString storable(QStringView text, bool *changed = nullptr);
}
