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
}
