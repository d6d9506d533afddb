#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <memory>
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

// The same order built while the lines come in, block by block in file
// order: each block is sorted when it is added, and sorted runs of like size
// are merged whenever the owner has a moment (mergeSome), so that at the end
// only a few runs are left for take(), which merges them on two processors.
// Used from one thread at a time.
class ListRuns
{
public:
    ListRuns();
    ~ListRuns();
    ListRuns(const ListRuns &) = delete;
    ListRuns &operator=(const ListRuns &) = delete;

    void reserve(size_t lines);
    // The lines of the next records, in file order.
    void add(std::vector<ListEntry> &&block);
    // Merges two runs when one is due; false when none is.
    bool mergeSome();
    size_t size() const;
    // Every line added, in list order; equal lines in file order. Empties this.
    std::vector<ListEntry> take();

private:
    struct Runs;
    std::unique_ptr<Runs> d;
};

// Frees lines on another thread: a long list takes tens of milliseconds to
// free, which the window showing a record should not wait for.
void discardLater(std::vector<ListEntry> &&entries);
