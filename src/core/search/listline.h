#pragma once
#include "core/storage/recordlayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The one-line, fixed-column text by which the search and summary windows
// list a record. Lines are built and kept as Windows-1252 bytes, like the
// fields they come from: half the memory of text, and every comparison
// (filters, order, find) can work on bytes with the same result as on text,
// since the code page maps each byte to exactly one character.
namespace ListLine {

enum class Kind {
    Registry,       // name, fiscal code, telephone, mobile, notes
    Declaration,    // name, fiscal code, telephone, subject, date of issue
    PendingIssues,  // name, fiscal code, telephone, mobile, pending issues
};

const RecordLayout &layoutOf(Kind kind);

// The characters of one field as stored, untrimmed: a counted field's used
// length (at most its capacity), a zero-terminated one up to its zero byte.
QByteArrayView fieldChars(const RecordLayout &layout, QByteArrayView record, int field);

// Leading and trailing bytes of code 32 or below removed, as Text::trimmed
// does on the decoded text.
QByteArrayView trimmed(QByteArrayView chars);

// The line of one record of the kind's layout, as Windows-1252 bytes: each
// padded column is the field trimmed, spaces appended, cut to the column's
// width; the last column is the field trimmed and whole.
QByteArray build(Kind kind, QByteArrayView record);

QString text(QByteArrayView line);   // the line as shown
}
