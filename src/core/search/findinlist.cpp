#include "core/search/findinlist.h"

#include "core/search/recordfilter.h"
#include "core/storage/cp1252.h"

int FindInList::find(const std::vector<ListEntry> &lines, int selected, const QString &typed)
{
    const QString text = FoldAz::text(typed);
    const bool fresh = text != m_remembered;
    m_remembered = text;

    const int count = int(lines.size());
    if (count == 0 || text.isEmpty() || !Cp1252::canEncode(text))
        return -1;
    const QByteArray needle = Cp1252::encode(text);
    const auto holds = [&](int row) { return FoldAz::contains(lines[size_t(row)].line, needle); };

    const int start = fresh || selected < 0 || selected >= count ? 0 : selected;
    if (fresh && holds(start))
        return start;
    for (int row = (start + 1) % count;; row = (row + 1) % count) {
        if (holds(row))
            return row;
        if (row == start)
            return -1;
    }
}

QString CountLine::text(qsizetype lines)
{
    return QStringLiteral("Il presente riepilogo contiene %1 schede").arg(lines);
}
