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

void ListOrder::sort(std::vector<ListEntry> &entries)
{
    ranks();
    std::stable_sort(entries.begin(), entries.end(), [](const ListEntry &x, const ListEntry &y) {
        return less(x.line, y.line);
    });
}
