// The list lines, filters, list order and find of the search windows over
// arbitrary records. Each line has its padded columns at fixed offsets and
// decodes to as many characters as it has bytes; a blank filter passes every
// record, a filter cut from a record's own field passes that record whatever
// the case of its letters (every letter Windows-1252 has in both cases); the
// order is the character order with A to Z folded, and the sort
// keeps equal lines in file order; the find walk stops on a line holding the
// text, the first one in its walk, or on none.
//
// Input: a choice byte, a filter text (length byte, then the bytes; read as
// UTF-16 pairs or as Windows-1252), then the record bytes, padded or cut to
// each layout. With the choice's top bit set the record bytes are instead
// spread over the slots of the fields the lines show (a length byte, then the
// slot's bytes, for each), so that short inputs reach every column.
#include "fuzzcheck.h"

#include "core/search/findinlist.h"
#include "core/search/listline.h"
#include "core/search/listorder.h"
#include "core/search/recordfilter.h"
#include "core/storage/cp1252.h"
#include "core/storage/recordlayout.h"
#include "core/storage/text.h"

#include <algorithm>
#include <vector>

namespace {
namespace A = SchedaAnagrafica;
namespace D = SchedaDichiarazione;

// The columns of each line as the windows define them: a literal, or a field
// trimmed and padded or cut to a width (0: whole).
struct Column
{
    const char *literal;
    int field;
    int width;
};

const std::vector<Column> &columnsOf(ListLine::Kind kind)
{
    static const std::vector<Column> registry = {
        {nullptr, A::Nome, 28}, {"  CF: ", -1, 0},   {nullptr, A::CodFisc, 16}, {"  Tel. ", -1, 0},
        {nullptr, A::Tel, 15},  {"  Cel. ", -1, 0},  {nullptr, A::Cel, 15},     {"  Note: ", -1, 0},
        {nullptr, A::Note, 0}};
    static const std::vector<Column> pending = {
        {nullptr, A::Nome, 28}, {"  CF: ", -1, 0},   {nullptr, A::CodFisc, 16}, {"  Tel. ", -1, 0},
        {nullptr, A::Tel, 15},  {"  Cel. ", -1, 0},  {nullptr, A::Cel, 15},     {"  ", -1, 0},
        {nullptr, A::Questioni, 0}};
    static const std::vector<Column> declaration = {
        {nullptr, D::Nome, 28}, {"  C.F. ", -1, 0},     {nullptr, D::CodFisc, 16}, {"  Tel. ", -1, 0},
        {nullptr, D::Tel, 18},  {"  Oggetto: ", -1, 0}, {nullptr, D::Oggetto, 48}, {"  Data: ", -1, 0},
        {nullptr, D::Data, 0}};
    switch (kind) {
    case ListLine::Kind::Registry: return registry;
    case ListLine::Kind::PendingIssues: return pending;
    case ListLine::Kind::Declaration: break;
    }
    return declaration;
}


QString foldedLine(QByteArrayView line)
{
    QString s = Cp1252::decode(line);
    for (QChar &c : s)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() + 32);
    return s;
}

// The filters and the find fold every letter the code page has in both
// cases: A to Z, À to Þ but ×, and Š Œ Ž Ÿ.
QChar searchFolded(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return QChar(char16_t(u + 32));
    switch (u) {
    case 0x160: return QChar(char16_t(0x161));
    case 0x152: return QChar(char16_t(0x153));
    case 0x17D: return QChar(char16_t(0x17E));
    case 0x178: return QChar(char16_t(0xFF));
    default: return c;
    }
}

QString searchFolded(const QString &text)
{
    QString s = text;
    for (QChar &c : s)
        c = searchFolded(c);
    return s;
}

QString searchFoldedLine(QByteArrayView line)
{
    return searchFolded(Cp1252::decode(line));
}

// A to Z and a to z swapped where the mask's bits say so.
bool swapsCase(char16_t c, quint32 mask, qsizetype i)
{
    return (mask >> (i % 32) & 1) && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
}

QString caseChanged(QString s, quint32 mask)
{
    for (qsizetype i = 0; i < s.size(); ++i)
        if (swapsCase(s[i].unicode(), mask, i))
            s[i] = QChar(s[i].unicode() ^ 0x20);
    return s;
}

QByteArray caseChanged(QByteArray s, quint32 mask)
{
    for (qsizetype i = 0; i < s.size(); ++i)
        if (swapsCase(static_cast<unsigned char>(s[i]), mask, i))
            s[i] = char(s[i] ^ 0x20);
    return s;
}

QByteArray recordOf(const RecordLayout &layout, QByteArrayView bytes, bool spread,
                    const std::vector<Column> &columns)
{
    QByteArray record(layout.size, '\0');
    if (!spread) {
        const qsizetype n = qMin(bytes.size(), qsizetype(layout.size));
        std::copy_n(bytes.data(), n, record.data());
        return record;
    }
    Fuzz::Reader in(bytes);
    for (const Column &c : columns) {
        if (c.field < 0)
            continue;
        const LayoutField &f = layout.field(c.field);
        const QByteArrayView slot = in.take(qMin(int(in.byte()), f.capacity + 1));
        std::copy_n(slot.data(), slot.size(), record.data() + f.offset);
    }
    return record;
}

void checkLine(ListLine::Kind kind, const QByteArray &record, const QByteArray &line)
{
    const RecordLayout &layout = ListLine::layoutOf(kind);
    const Record read(layout, record);
    QString expected;
    qsizetype offset = 0;
    for (const Column &c : columnsOf(kind)) {
        if (c.literal) {
            const QByteArrayView label(c.literal);
            FUZZ_REQUIRE(line.size() >= offset + label.size());
            FUZZ_REQUIRE(QByteArrayView(line).sliced(offset, label.size()) == label);
            expected += QLatin1String(c.literal);
            offset += label.size();
            continue;
        }
        const QString field = Text::trimmed(read.field(c.field));
        if (c.width == 0) {
            expected += field;
            offset += field.size();
        } else {
            expected += field.left(c.width).leftJustified(c.width, u' ');
            offset += c.width;
        }
    }
    FUZZ_REQUIRE(line.size() == offset);
    const QString shown = ListLine::text(line);
    FUZZ_REQUIRE(shown.size() == line.size());
    FUZZ_REQUIRE(shown == expected);
    FUZZ_REQUIRE(Cp1252::encode(shown) == line);
}

// Whether `typed` would pass a filter on the field, worked out on text.
bool filterOracle(const QString &field, const QString &typed)
{
    return Text::trimmed(typed).isEmpty() || searchFolded(field).contains(searchFolded(typed));
}

void checkFilters(const RecordLayout &layout, const QByteArray &record, Fuzz::Reader &choices,
                  const QString &typed)
{
    const Record read(layout, record);
    for (int i = 0; i < layout.fieldCount; ++i)
        FUZZ_REQUIRE(ListLine::fieldChars(layout, record, i) == Cp1252::encode(read.field(i)));

    RecordFilter none(layout);
    FUZZ_REQUIRE(!none.add(choices.byte() % layout.fieldCount, QString()));
    QString blanks = Cp1252::decode(choices.take(choices.byte() % 8));
    for (QChar &c : blanks)
        c = QChar(c.unicode() % 33);
    FUZZ_REQUIRE(!RecordFilter::isFilled(blanks));
    FUZZ_REQUIRE(!none.add(choices.byte() % layout.fieldCount, blanks));
    FUZZ_REQUIRE(none.filledCount() == 0 && none.matches(record));

    // The typed text on one field, against the oracle.
    const int field = choices.byte() % layout.fieldCount;
    RecordFilter given(layout);
    FUZZ_REQUIRE(given.add(field, typed) == !Text::trimmed(typed).isEmpty());
    FUZZ_REQUIRE(given.matches(record) == filterOracle(read.field(field), typed));

    // Pieces of two fields' own characters, case of A to Z changed: both pass.
    RecordFilter own(layout);
    for (int k = 0; k < 2; ++k) {
        const int f = choices.byte() % layout.fieldCount;
        const QByteArrayView chars = ListLine::fieldChars(layout, record, f);
        const qsizetype from = chars.isEmpty() ? 0 : choices.byte() % chars.size();
        const qsizetype length = qMin(qsizetype(choices.byte()), chars.size() - from);
        const quint32 mask = choices.byte() * 0x01010101u ^ 0x5a5a5a5au;
        const QString piece = caseChanged(Cp1252::decode(chars.sliced(from, length)), mask);
        FUZZ_REQUIRE(own.add(f, piece) == RecordFilter::isFilled(piece));
        RecordFilter alone(layout);
        alone.add(f, piece);
        FUZZ_REQUIRE(alone.matches(record));
        FUZZ_REQUIRE(own.matches(record));
    }
}

void checkOrder(const std::vector<QByteArray> &lines)
{
    for (const QByteArray &a : lines) {
        FUZZ_REQUIRE(!ListOrder::less(a, a));
        for (const QByteArray &b : lines) {
            const bool ab = ListOrder::less(a, b), ba = ListOrder::less(b, a);
            FUZZ_REQUIRE(!(ab && ba));
            FUZZ_REQUIRE(ab == (foldedLine(a) < foldedLine(b)));
            for (const QByteArray &c : lines)
                if (ab && ListOrder::less(b, c))
                    FUZZ_REQUIRE(ListOrder::less(a, c));
        }
    }

    std::vector<ListEntry> entries;
    for (size_t i = 0; i < lines.size(); ++i)
        entries.push_back({lines[i], qint64(i + 1)});
    ListOrder::sort(entries);
    FUZZ_REQUIRE(entries.size() == lines.size());
    std::vector<bool> seen(lines.size(), false);
    for (size_t i = 0; i < entries.size(); ++i) {
        const qint64 p = entries[i].position;
        FUZZ_REQUIRE(p >= 1 && p <= qint64(lines.size()) && !seen[size_t(p - 1)]);
        seen[size_t(p - 1)] = true;
        FUZZ_REQUIRE(entries[i].line == lines[size_t(p - 1)]);
        if (i == 0)
            continue;
        const QString before = foldedLine(entries[i - 1].line), now = foldedLine(entries[i].line);
        FUZZ_REQUIRE(before <= now);
        if (before == now)
            FUZZ_REQUIRE(entries[i - 1].position < p);
    }
}

// The row the find walk should stop on, worked out on text.
int expectedFind(const std::vector<ListEntry> &lines, int selected, const QString &typed, bool fresh)
{
    const QString text = searchFolded(typed);
    const int count = int(lines.size());
    if (count == 0 || text.isEmpty())
        return -1;
    const auto holds = [&](int row) { return searchFoldedLine(lines[size_t(row)].line).contains(text); };
    const int start = fresh || selected < 0 || selected >= count ? 0 : selected;
    for (int step = fresh ? 0 : 1; step <= count; ++step)
        if (holds((start + step) % count))
            return (start + step) % count;
    return -1;
}

void checkFind(const std::vector<ListEntry> &lines, Fuzz::Reader &choices, const QString &typed)
{
    FindInList find;
    const QString piece = lines.empty() ? QString()
            : caseChanged(ListLine::text(lines[choices.byte() % lines.size()].line)
                                  .mid(choices.byte(), 1 + choices.byte() % 12),
                          choices.byte() * 0x01010101u);
    for (const QString &text : {typed, piece}) {
        int selected = int(qint8(choices.byte())) % int(lines.size() + 2);
        for (int round = 0; round < 3; ++round) {
            const bool fresh = searchFolded(text) != find.remembered();
            const int row = find.find(lines, selected, text);
            FUZZ_REQUIRE(find.remembered() == searchFolded(text));
            FUZZ_REQUIRE(row == expectedFind(lines, selected, text, fresh));
            if (row >= 0)
                FUZZ_REQUIRE(searchFoldedLine(lines[size_t(row)].line).contains(searchFolded(text)));
            if (row >= 0)
                selected = row;
        }
    }
    find.reset();
    FUZZ_REQUIRE(find.remembered().isEmpty());
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Reader in(Fuzz::bytes(data, size));
    const quint8 choice = in.byte();
    const QByteArrayView filterBytes = in.take(in.byte());
    const QString typed = choice & 1 ? Fuzz::utf16(filterBytes) : Cp1252::decode(filterBytes);
    const QByteArrayView recordBytes = in.rest();
    const bool spread = choice & 0x80;
    // Choices for the filters and the find are the record bytes read again.
    Fuzz::Reader choices(recordBytes);

    const QByteArray card = recordOf(A::layout, recordBytes, spread, columnsOf(ListLine::Kind::Registry));
    QByteArray declaration = recordOf(D::layout, recordBytes, spread, columnsOf(ListLine::Kind::Declaration));
    if (spread) {   // the pending-issues column has a slot of its own after the others
        Fuzz::Reader after(recordBytes.sliced(qMin(recordBytes.size(), qsizetype(choices.byte()))));
        const LayoutField &q = A::layout.field(A::Questioni);
        const QByteArrayView slot = after.take(q.capacity + 1);
        QByteArray withIssues = card;
        std::copy_n(slot.data(), slot.size(), withIssues.data() + q.offset);
        checkLine(ListLine::Kind::PendingIssues, withIssues, ListLine::build(ListLine::Kind::PendingIssues, withIssues));
    }

    const QByteArray registryLine = ListLine::build(ListLine::Kind::Registry, card);
    const QByteArray pendingLine = ListLine::build(ListLine::Kind::PendingIssues, card);
    const QByteArray declarationLine = ListLine::build(ListLine::Kind::Declaration, declaration);
    checkLine(ListLine::Kind::Registry, card, registryLine);
    checkLine(ListLine::Kind::PendingIssues, card, pendingLine);
    checkLine(ListLine::Kind::Declaration, declaration, declarationLine);

    checkFilters(A::layout, card, choices, typed);
    checkFilters(D::layout, declaration, choices, typed);

    // A handful of lines: the built ones, case-changed and cut copies that
    // tie with them or share their first bytes, and raw bytes of the input.
    const QByteArray raw = recordBytes.first(qMin(recordBytes.size(), qsizetype(40))).toByteArray();
    const quint32 mask = choice * 0x01010101u;
    const std::vector<QByteArray> lines = {
        registryLine, pendingLine, declarationLine, caseChanged(registryLine, mask),
        registryLine.first(qMin(registryLine.size(), qsizetype(choice % 40))), raw,
        caseChanged(raw, ~mask), pendingLine, Cp1252::encode(typed)};
    checkOrder(lines);

    std::vector<ListEntry> listed;
    for (size_t i = 0; i < lines.size(); ++i)
        listed.push_back({lines[i], qint64(i + 1)});
    checkFind(listed, choices, typed);
    listed.resize(choice % 3);
    checkFind(listed, choices, typed);
    return 0;
}
