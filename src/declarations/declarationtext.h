#pragma once
#include <QString>

class QPlainTextEdit;

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

// Keeps the box within `maxBytes` record bytes: whatever an edit adds beyond
// that is cut from the end of what it added.
void limitRecordBytes(QPlainTextEdit *box, int maxBytes = capacity);
}
