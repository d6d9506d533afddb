#include "search/listorder.h"

#include "storage/cp1252.h"

#include <algorithm>
#include <array>

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
// number, the first byte highest, missing bytes as the lowest rank. Keys of
// a line's first sixteen bytes in ascending order are lines in ascending
// order, so most comparisons of a sort never leave the compact array of
// keys; equal keys fall back to the whole lines.
quint64 prefixKey(QByteArrayView line, qsizetype from)
{
    const auto &rank = ranks().rank;
    quint64 key = 0;
    for (qsizetype i = from; i < from + 8; ++i)
        key = (key << 8) | (i < line.size() ? rank[static_cast<unsigned char>(line[i])] : 0);
    return key;
}

struct Keyed
{
    quint64 high, low;
    quint32 index;
};
}

void ListOrder::sort(std::vector<ListEntry> &entries)
{
    std::vector<Keyed> keyed(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        keyed[i] = {prefixKey(entries[i].line, 0), prefixKey(entries[i].line, 8), quint32(i)};
    std::stable_sort(keyed.begin(), keyed.end(), [&entries](const Keyed &x, const Keyed &y) {
        if (x.high != y.high)
            return x.high < y.high;
        if (x.low != y.low)
            return x.low < y.low;
        return less(entries[x.index].line, entries[y.index].line);
    });
    std::vector<ListEntry> sorted;
    sorted.reserve(entries.size());
    for (const Keyed &k : keyed)
        sorted.push_back(std::move(entries[k.index]));
    entries = std::move(sorted);
}
