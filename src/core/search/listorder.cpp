#include "core/search/listorder.h"

#include "core/storage/cp1252.h"

#include <algorithm>
#include <array>
#include <thread>

#include <QThread>
#include <QThreadPool>

namespace {
// Rank of each byte in the order of the characters it decodes to, with A to Z
// ranked as a to z. Comparing ranks compares the characters.
struct RankTable
{
    std::array<quint16, 256> rank{};

    RankTable()
    {
        std::array<char16_t, 256> code{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            char16_t c = Cp1252::decode(QByteArrayView(&byte, 1)).at(0).unicode();
            if (c >= 'A' && c <= 'Z')
                c = char16_t(c - 'A' + 'a');
            code[b] = c;
        }
        for (int b = 0; b < 256; ++b) {
            quint16 below = 0;
            for (int o = 0; o < 256; ++o)
                below += code[o] < code[b] ? 1 : 0;
            rank[b] = below;
        }
    }
};

const RankTable &ranks()
{
    static const RankTable table;
    return table;
}
}

namespace {
// The order of two lines known to rank alike before byte `from`: negative,
// zero for lines that compare equal, positive.
int compareFrom(QByteArrayView a, QByteArrayView b, qsizetype from)
{
    const auto &rank = ranks().rank;
    const qsizetype n = qMin(a.size(), b.size());
    const auto *pa = reinterpret_cast<const unsigned char *>(a.data());
    const auto *pb = reinterpret_cast<const unsigned char *>(b.data());
    for (qsizetype i = from; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const quint16 ra = rank[pa[i]], rb = rank[pb[i]];
        if (ra != rb)
            return ra < rb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}
}

bool ListOrder::less(QByteArrayView a, QByteArrayView b)
{
    return compareFrom(a, b, 0) < 0;
}

namespace {
// The ranks (0 to 255) of eight bytes of a line from `from` packed into one
// number, the first byte highest, missing bytes as the lowest rank.
quint64 prefixKey(QByteArrayView line, qsizetype from)
{
    const auto &rank = ranks().rank;
    quint64 key = 0;
    for (qsizetype i = from; i < from + 8; ++i)
        key = (key << 8) | (i < line.size() ? rank[static_cast<unsigned char>(line[i])] : 0);
    return key;
}

constexpr qsizetype chunk = 16;
constexpr size_t prefetchAhead = 8;

inline void prefetch(const char *address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    Q_UNUSED(address);
#endif
}

// A line seen through sixteen of its bytes from some offset: the ranks of
// those bytes, and where the line is, so that a later look at its next
// sixteen bytes goes straight to them. Ordering by (high, low, how many of
// the sixteen bytes the line has) orders the lines by those bytes as `less`
// does; lines equal in all three and going on beyond are ordered by their
// next sixteen bytes, and so on. The record index comes last, so equal lines
// keep file order.
struct Keyed
{
    quint64 high, low;
    const char *data;
    quint32 size;
    quint32 index;

    QByteArrayView line() const { return QByteArrayView(data, size); }
    quint32 lengthFrom(qsizetype offset) const
    {
        return quint32(qBound<qsizetype>(0, qsizetype(size) - offset, chunk + 1));
    }
};

void setKey(Keyed &k, qsizetype from)
{
    k.high = prefixKey(k.line(), from);
    k.low = prefixKey(k.line(), from + 8);
}

// By the sixteen bytes keyed alone.
bool startsBefore(const Keyed &x, const Keyed &y)
{
    return x.high != y.high ? x.high < y.high : x.low < y.low;
}

// Sorts keys already set from offset 0, sixteen bytes at a time instead of
// whole lines: most comparisons never leave the array of keys, and a run of
// lines sharing a long start (the same surname and name) is sorted again
// only on its next sixteen bytes, never byte by byte from the start.
void sortKeyed(Keyed *begin, Keyed *end)
{
    struct Run
    {
        Keyed *begin, *end;
        qsizetype offset;
    };
    std::vector<Run> runs{{begin, end, 0}};
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        const qsizetype offset = run.offset;
        const auto sameChunk = [offset](const Keyed &x, const Keyed &y) {
            return x.high == y.high && x.low == y.low && x.lengthFrom(offset) == y.lengthFrom(offset);
        };
        std::sort(run.begin, run.end, [offset](const Keyed &x, const Keyed &y) {
            if (x.high != y.high || x.low != y.low)
                return startsBefore(x, y);
            const quint32 lx = x.lengthFrom(offset), ly = y.lengthFrom(offset);
            return lx != ly ? lx < ly : x.index < y.index;
        });
        const qsizetype next = offset + chunk;
        for (Keyed *b = run.begin, *e; b < run.end; b = e) {
            for (e = b + 1; e < run.end && sameChunk(*b, *e); ++e) {
            }
            if (e - b < 2 || b->lengthFrom(offset) <= chunk)
                continue;   // one line, or lines equal to their end: file order
            for (Keyed *k = b; k < e; ++k) {
                // The lines of a run lie all over memory: ask for the bytes
                // of a later one while this one is keyed.
                if (k + prefetchAhead < e)
                    prefetch(k[prefetchAhead].data + next);
                setKey(*k, next);
            }
            runs.push_back({b, e, next});
        }
    }
}

// A long list is split by the first sixteen bytes of a middle line into the
// lines that start before it and the rest; each part is sorted on its own
// processor and the parts follow one another.
constexpr size_t splitFrom = 20000;

void sortInParts(std::vector<Keyed> &keyed)
{
    const size_t n = keyed.size();
    if (n < splitFrom || QThread::idealThreadCount() < 2)
        return sortKeyed(keyed.data(), keyed.data() + n);
    std::vector<Keyed> sample;
    for (size_t i = 0; i < 63; ++i)
        sample.push_back(keyed[i * (n - 1) / 62]);
    std::nth_element(sample.begin(), sample.begin() + 31, sample.end(), startsBefore);
    const Keyed middle = sample[31];
    Keyed *split = std::partition(keyed.data(), keyed.data() + n,
                                  [&middle](const Keyed &k) { return startsBefore(k, middle); });
    std::thread first([&keyed, split] { sortKeyed(keyed.data(), split); });
    sortKeyed(split, keyed.data() + n);
    first.join();
}
}

void ListOrder::sort(std::vector<ListEntry> &entries)
{
    std::vector<Keyed> keyed(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const QByteArray &line = entries[i].line;
        keyed[i] = {0, 0, line.constData(), quint32(line.size()), quint32(i)};
        setKey(keyed[i], 0);
    }
    sortInParts(keyed);
    std::vector<ListEntry> sorted;
    sorted.reserve(entries.size());
    for (const Keyed &k : keyed)
        sorted.push_back(std::move(entries[k.index]));
    entries = std::move(sorted);
}

namespace {
// A line of a run seen through the ranks of its first 24 bytes, which settle
// nearly every comparison without going to the line itself: lines that share
// a long start (the same surname and name) are common.
struct RunKey
{
    static constexpr qsizetype keyed = 24;
    quint64 rank[3];
    quint32 index;   // of the entry, in file order
    quint32 size;
};

RunKey runKey(const QByteArray &line, size_t index)
{
    RunKey k{{prefixKey(line, 0), prefixKey(line, 8), prefixKey(line, 16)}, quint32(index), quint32(line.size())};
    return k;
}

// Negative when x's line comes before y's, zero when they compare equal; the
// callers keep equal lines in file order.
int compareKeys(const RunKey &x, const RunKey &y, const std::vector<ListEntry> &entries)
{
    for (int i = 0; i < 3; ++i) {
        if (x.rank[i] != y.rank[i])
            return x.rank[i] < y.rank[i] ? -1 : 1;
    }
    if (x.size <= RunKey::keyed || y.size <= RunKey::keyed)
        return x.size < y.size ? -1 : x.size > y.size ? 1 : 0;
    return compareFrom(entries[x.index].line, entries[y.index].line, RunKey::keyed);
}

// Merges the sorted [begin, middle) and [middle, end) in place, the first
// run winning ties, with the first run moved aside into `scratch`.
void mergeAdjacent(RunKey *begin, RunKey *middle, RunKey *end, std::vector<RunKey> &scratch,
                   const std::vector<ListEntry> &entries)
{
    scratch.assign(begin, middle);
    const RunKey *l = scratch.data(), *lEnd = l + scratch.size();
    RunKey *r = middle, *out = begin;
    while (l != lEnd && r != end)
        *out++ = compareKeys(*r, *l, entries) < 0 ? *r++ : *l++;
    std::copy(l, lEnd, out);   // what is left of the second run is in place
}

// How many of the first `k` places of the merge of a and b (a winning ties)
// go to a.
size_t splitOfMerge(const RunKey *a, size_t na, const RunKey *b, size_t nb, size_t k,
                    const std::vector<ListEntry> &entries)
{
    size_t lo = k > nb ? k - nb : 0, hi = qMin(k, na);
    while (lo < hi) {
        const size_t i = lo + (hi - lo) / 2;   // a[0, i) and b[0, k - i)
        if (compareKeys(b[k - i - 1], a[i], entries) < 0)
            hi = i;          // b's last taken comes before a[i]: enough of a
        else
            lo = i + 1;
    }
    return lo;
}

// Merges a and b (a winning ties) into `out`, moving each key's entry.
void mergeInto(const RunKey *a, const RunKey *aEnd, const RunKey *b, const RunKey *bEnd,
               std::vector<ListEntry> &from, ListEntry *out)
{
    while (a != aEnd && b != bEnd)
        *out++ = std::move(from[(compareKeys(*b, *a, from) < 0 ? b++ : a++)->index]);
    for (; a != aEnd; ++a)
        *out++ = std::move(from[a->index]);
    for (; b != bEnd; ++b)
        *out++ = std::move(from[b->index]);
}
}

struct ListRuns::Runs
{
    std::vector<ListEntry> entries;   // in file order
    std::vector<RunKey> keys;         // sorted runs, one after another
    std::vector<size_t> runEnds;      // where each run of keys ends
    std::vector<RunKey> scratch;

    size_t runBegin(size_t run) const { return run == 0 ? 0 : runEnds[run - 1]; }
    size_t runSize(size_t run) const { return runEnds[run] - runBegin(run); }

    // Merges run i with the run after it.
    void mergeWithNext(size_t i)
    {
        RunKey *k = keys.data();
        mergeAdjacent(k + runBegin(i), k + runEnds[i], k + runEnds[i + 1], scratch, entries);
        runEnds.erase(runEnds.begin() + qsizetype(i));
    }
};

ListRuns::ListRuns() : d(std::make_unique<Runs>()) {}

ListRuns::~ListRuns()
{
    discardLater(std::move(d->entries));
}

void ListRuns::reserve(size_t lines)
{
    d->entries.reserve(lines);
    d->keys.reserve(lines);
}

size_t ListRuns::size() const
{
    return d->entries.size();
}

void ListRuns::add(std::vector<ListEntry> &&block)
{
    if (block.empty())
        return;
    const size_t first = d->entries.size();
    for (ListEntry &e : block) {
        d->keys.push_back(runKey(e.line, d->entries.size()));
        d->entries.push_back(std::move(e));
    }
    const std::vector<ListEntry> &entries = d->entries;
    std::sort(d->keys.begin() + qsizetype(first), d->keys.end(), [&entries](const RunKey &x, const RunKey &y) {
        const int c = compareKeys(x, y, entries);
        return c != 0 ? c < 0 : x.index < y.index;
    });
    d->runEnds.push_back(d->keys.size());
}

// Runs are kept shrinking in size from the first, by merging the first run
// that is not larger than the next: every line is then merged about
// log2(blocks) times in all, as in a merge sort, however many blocks came
// in between two calls.
bool ListRuns::mergeSome()
{
    for (size_t i = 0; i + 1 < d->runEnds.size(); ++i) {
        if (d->runSize(i) <= d->runSize(i + 1)) {
            d->mergeWithNext(i);
            return true;
        }
    }
    return false;
}

std::vector<ListEntry> ListRuns::take()
{
    while (mergeSome()) {
    }
    // At most log2(blocks) runs, each smaller than the one before: from the
    // last, every line is merged here about once more.
    while (d->runEnds.size() > 2)
        d->mergeWithNext(d->runEnds.size() - 2);
    std::vector<ListEntry> sorted(d->entries.size());
    const RunKey *k = d->keys.data();
    const size_t n = d->keys.size();
    const size_t na = d->runEnds.empty() ? 0 : d->runEnds.front();
    const RunKey *a = k, *b = k + na, *end = k + n;
    if (n < splitFrom || QThread::idealThreadCount() < 2) {
        mergeInto(a, b, b, end, d->entries, sorted.data());
    } else {
        // The first half of the merge on another processor, the second here.
        const size_t half = n / 2;
        const size_t ia = splitOfMerge(a, na, b, n - na, half, d->entries);
        std::thread first([&] { mergeInto(a, a + ia, b, b + (half - ia), d->entries, sorted.data()); });
        mergeInto(a + ia, b, b + (half - ia), end, d->entries, sorted.data() + half);
        first.join();
    }
    discardLater(std::move(d->entries));   // moved from, but a million of them
    d = std::make_unique<Runs>();
    return sorted;
}

namespace {
// Frees the lines in the order they were made, which is file order: freed
// in list order, which to the allocator is a random one, a million lines
// take six times as long.
void freeInFileOrder(std::vector<ListEntry> &entries)
{
    if (entries.empty() || entries.front().line.isNull())
        return;   // moved from: nothing left to free but the array
    qint64 first = entries.front().position, last = first;
    for (const ListEntry &e : entries) {
        first = qMin(first, e.position);
        last = qMax(last, e.position);
    }
    if (last - first < qint64(entries.size()) * 4) {
        // Most records listed: each line put in its record's place.
        std::vector<QByteArray> byRecord(size_t(last - first) + 1);
        for (ListEntry &e : entries)
            byRecord[size_t(e.position - first)] = std::move(e.line);
        entries = {};
        return;
    }
    std::sort(entries.begin(), entries.end(),
              [](const ListEntry &a, const ListEntry &b) { return a.position < b.position; });
}
}

void discardLater(std::vector<ListEntry> &&entries)
{
    if (entries.empty())
        return;
    // One thread at idle priority: the next search should not wait for it.
    static QThreadPool discarding;
    static const bool once = [] {
        discarding.setMaxThreadCount(1);
        discarding.setThreadPriority(QThread::IdlePriority);
        return true;
    }();
    Q_UNUSED(once);
    auto *doomed = new std::vector<ListEntry>(std::move(entries));
    discarding.start([doomed] {
        freeInFileOrder(*doomed);
        delete doomed;
    });
}
