#pragma once
#include <QString>

// The free text of a declaration keeps its line breaks. The record holds them
// as CR LF whatever the platform; the text box works with LF.
namespace DeclarationText {
constexpr int capacity = 5000;   // bytes of the record field

// Box text -> record text: every line break becomes CR LF.
QString toRecord(QStringView boxText);
// Record text -> box text: CR LF and lone CR become LF; leading empty lines
// and trailing breaks go, inner blank lines stay.
QString fromRecord(QStringView recordText);
// Bytes the box text takes in the record (a break counts two).
int recordBytes(QStringView boxText);
// Record bytes of one character of the box (or of its document, where a
// paragraph separator stands for a break). The second half of a surrogate
// pair adds nothing: the pair becomes one replacement byte.
int bytesOf(QChar c);
}
