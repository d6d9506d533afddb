#include "core/search/listline.h"

#include "core/storage/cp1252.h"

#include <cstring>
#include <iterator>

namespace {
// One column of a list line: a field, or a literal when field < 0. A width
// of 0 keeps the whole trimmed field.
struct Column
{
    int field;
    const char *literal;
    int width;
};

namespace A = SchedaAnagrafica;
namespace D = SchedaDichiarazione;

constexpr Column registryColumns[] = {
    {A::Nome, nullptr, 28},     {-1, "  CF: ", 0},   {A::CodFisc, nullptr, 16},
    {-1, "  Tel. ", 0},         {A::Tel, nullptr, 15}, {-1, "  Cel. ", 0},
    {A::Cel, nullptr, 15},      {-1, "  Note: ", 0}, {A::Note, nullptr, 0},
};

constexpr Column pendingColumns[] = {
    {A::Nome, nullptr, 28},     {-1, "  CF: ", 0},   {A::CodFisc, nullptr, 16},
    {-1, "  Tel. ", 0},         {A::Tel, nullptr, 15}, {-1, "  Cel. ", 0},
    {A::Cel, nullptr, 15},      {-1, "  ", 0},       {A::Questioni, nullptr, 0},
};

constexpr Column declarationColumns[] = {
    {D::Nome, nullptr, 28},       {-1, "  C.F. ", 0},     {D::CodFisc, nullptr, 16},
    {-1, "  Tel. ", 0},           {D::Tel, nullptr, 18},  {-1, "  Oggetto: ", 0},
    {D::Oggetto, nullptr, 48},    {-1, "  Data: ", 0},    {D::Data, nullptr, 0},
};

// The line is measured first and then written into one allocation of its
// exact size: a search of the whole archive builds one line per record.
template <int N>
QByteArray buildFrom(const Column (&columns)[N], const RecordLayout &layout, QByteArrayView record)
{
    QByteArrayView chars[N];
    qsizetype size = 0;
    for (int i = 0; i < N; ++i) {
        const Column &c = columns[i];
        if (c.field < 0) {
            chars[i] = QByteArrayView(c.literal);
            size += chars[i].size();
            continue;
        }
        chars[i] = ListLine::trimmed(ListLine::fieldChars(layout, record, c.field));
        size += c.width == 0 ? chars[i].size() : c.width;
    }
    QByteArray line(size, Qt::Uninitialized);
    char *out = line.data();
    for (int i = 0; i < N; ++i) {
        const qsizetype width = columns[i].width;
        const qsizetype used = width == 0 ? chars[i].size() : qMin(chars[i].size(), width);
        if (used > 0)   // an empty view may have no data at all
            std::memcpy(out, chars[i].data(), size_t(used));
        out += used;
        if (used < width) {
            std::memset(out, ' ', size_t(width - used));
            out += width - used;
        }
    }
    return line;
}
}

const RecordLayout &ListLine::layoutOf(Kind kind)
{
    return kind == Kind::Declaration ? D::layout : A::layout;
}

QByteArrayView ListLine::fieldChars(const RecordLayout &layout, QByteArrayView record, int field)
{
    const LayoutField &f = layout.field(field);
    if (f.offset >= record.size())
        return {};
    const QByteArrayView slot = record.sliced(f.offset, qMin(qsizetype(f.capacity) + 1, record.size() - f.offset));
    if (layout.encoding == RecordLayout::Encoding::Counted) {
        // A length beyond the capacity comes from a damaged file: read what fits.
        const qsizetype length = qMin(qsizetype(static_cast<unsigned char>(slot[0])),
                                      qMin(qsizetype(f.capacity), slot.size() - 1));
        return slot.sliced(1, length);
    }
    const qsizetype end = slot.indexOf('\0');
    return end < 0 ? slot : slot.first(end);
}

QByteArrayView ListLine::trimmed(QByteArrayView chars)
{
    qsizetype b = 0, e = chars.size();
    while (b < e && static_cast<unsigned char>(chars[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(chars[e - 1]) <= 32)
        --e;
    return chars.sliced(b, e - b);
}

QByteArray ListLine::build(Kind kind, QByteArrayView record)
{
    switch (kind) {
    case Kind::Registry:
        return buildFrom(registryColumns, A::layout, record);
    case Kind::PendingIssues:
        return buildFrom(pendingColumns, A::layout, record);
    case Kind::Declaration:
        break;
    }
    return buildFrom(declarationColumns, D::layout, record);
}

QString ListLine::text(QByteArrayView line)
{
    return Cp1252::decode(line);
}
