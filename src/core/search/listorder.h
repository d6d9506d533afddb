#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <vector>

// A listed line and the record it came from. A double-click opens exactly
// that record, so two records with the same line each open their own.
struct ListEntry
{
    QByteArray line;     // Windows-1252 bytes
    qint64 position;     // 1-based record position in its archive
};

// The order of every list: ascending by the whole line, the letters A to Z
// compared as lower case and every other character by its code (the code of
// the character the byte stands for, so that for instance the euro sign comes
// after every Latin-1 letter).
namespace ListOrder {
bool less(QByteArrayView a, QByteArrayView b);
// Lines that compare equal keep the order they had, which is file order.
void sort(std::vector<ListEntry> &entries);
}
