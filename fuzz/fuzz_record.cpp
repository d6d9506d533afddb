// Both record layouts from arbitrary bytes. A record read and written back
// field by field gives the same bytes, except where the format cannot keep
// them: bytes after a field's used part are cleared, a length byte above the
// capacity is lowered to it, and an unterminated zero-terminated field loses
// the character in its terminator's place.
#include "fuzzcheck.h"

#include "core/storage/cp1252.h"
#include "core/storage/recordlayout.h"

namespace {
// The bytes a clean write of the same record must give, worked out from the
// layout alone.
QByteArray expectedRewrite(const RecordLayout &layout, const QByteArray &bytes)
{
    QByteArray out(layout.size, '\0');
    for (int i = 0; i < layout.fieldCount; ++i) {
        const LayoutField &f = layout.field(i);
        const char *slot = bytes.constData() + f.offset;
        if (layout.encoding == RecordLayout::Encoding::Counted) {
            const int used = qMin(int(quint8(slot[0])), f.capacity);
            out[f.offset] = char(used);
            for (int k = 1; k <= used; ++k)
                out[f.offset + k] = slot[k];
        } else {
            for (int k = 0; k < f.capacity && slot[k] != '\0'; ++k)
                out[f.offset + k] = slot[k];
        }
    }
    return out;
}

void check(const RecordLayout &layout, QByteArrayView input)
{
    const Record read(layout, input);
    FUZZ_REQUIRE(read.bytes().size() == layout.size);
    const qsizetype given = qMin(input.size(), qsizetype(layout.size));
    FUZZ_REQUIRE(QByteArrayView(read.bytes()).first(given) == input.first(given));
    FUZZ_REQUIRE(read.bytes().sliced(given).count('\0') == layout.size - given);

    Record written(layout);
    for (int i = 0; i < layout.fieldCount; ++i) {
        const LayoutField &f = layout.field(i);
        const QString text = read.field(i);
        const bool zeroTerminated = layout.encoding == RecordLayout::Encoding::ZeroTerminated;
        FUZZ_REQUIRE(text.size() <= f.capacity + (zeroTerminated ? 1 : 0));
        FUZZ_REQUIRE(Cp1252::canEncode(text));
        FUZZ_REQUIRE(read.field(QString::fromLatin1(f.name)) == text);
        FUZZ_REQUIRE(read.field(QString::fromLatin1(f.control)) == text);
        written.setField(i, text);
    }
    const QByteArray rewrite = expectedRewrite(layout, read.bytes());
    FUZZ_REQUIRE(written.bytes() == rewrite);

    // A cleanly written record reads and writes back byte for byte.
    const Record again(layout, written.bytes());
    Record twice(layout);
    for (int i = 0; i < layout.fieldCount; ++i) {
        FUZZ_REQUIRE(again.field(i) == read.field(i).left(layout.field(i).capacity));
        twice.setField(i, again.field(i));
    }
    FUZZ_REQUIRE(twice.bytes() == written.bytes());
    if (read.bytes() == rewrite)
        FUZZ_REQUIRE(written.bytes() == read.bytes());
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input = Fuzz::bytes(data, size);
    check(SchedaAnagrafica::layout, input);
    check(SchedaDichiarazione::layout, input);
    return 0;
}
