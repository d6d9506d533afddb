#pragma once
#include "core/storage/recordlayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The filters of a search: each filled filter box names a field, and a record
// passes when the box's text, as typed, occurs somewhere inside that field,
// untrimmed, with the letters A to Z compared without case. Every other
// letter, accented ones included, must match exactly.
class RecordFilter
{
public:
    explicit RecordFilter(const RecordLayout &layout) : m_layout(&layout) {}

    // A box takes part only when its text has something besides blanks.
    static bool isFilled(QStringView typed);

    // Adds the box's text when it is filled; returns whether it was.
    bool add(int field, const QString &typed);
    int filledCount() const { return int(m_filters.size()); }

    // True for every record when no filter is filled.
    bool matches(QByteArrayView record) const;

private:
    struct Filter
    {
        int field;
        QByteArray needle;   // Windows-1252, A to Z lowered
        bool impossible;     // a character the archive cannot hold: never found
    };

    const RecordLayout *m_layout;
    QList<Filter> m_filters;
};

// Every letter Windows-1252 has in both cases lowered (A to Z, À to Þ, Š, Œ,
// Ž, Ÿ), so "NICCOLÒ" finds "Niccolò"; every other byte or character as it is.
namespace FoldAz {
QByteArray bytes(QByteArrayView text);
QString text(QStringView text);
// Whether `needle` (already folded) occurs in `haystack` folded; an empty
// needle occurs everywhere.
bool contains(QByteArrayView haystack, QByteArrayView needle);
}
