#include "core/search/listorder.h"

#include "core/storage/cp1252.h"

#include <algorithm>
#include <array>
#include <thread>

#include <QThread>

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

bool ListOrder::less(QByteArrayView a, QByteArrayView b)
{
    const auto &rank = ranks().rank;
    const qsizetype n = qMin(a.size(), b.size());
    const auto *pa = reinterpret_cast<const unsigned char *>(a.data());
    const auto *pb = reinterpret_cast<const unsigned char *>(b.data());
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const quint16 ra = rank[pa[i]], rb = rank[pb[i]];
        if (ra != rb)
            return ra < rb;
    }
    return a.size() < b.size();
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
