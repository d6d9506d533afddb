// Both field codecs: the first input byte chooses the capacity, the rest is a
// field read from a file and, taken as UTF-16, a text to store.
#include "fuzzcheck.h"

#include "core/storage/cp1252.h"
#include "core/storage/fieldcodec.h"

namespace {
void checkCounted(QByteArrayView field, int capacity, const QString &text)
{
    // Reading: at most the capacity and at most what the field holds, even
    // when the length byte claims more; the same characters written again
    // give the field with its length mended and its unused bytes cleared.
    const QString decoded = FieldCodec::decodeCounted(field, capacity);
    qsizetype used = 0;
    if (!field.isEmpty())
        used = qMin(qMin(qsizetype(quint8(field[0])), qsizetype(capacity)), field.size() - 1);
    FUZZ_REQUIRE(decoded.size() == used);
    FUZZ_REQUIRE(Cp1252::encode(decoded) == field.sliced(field.isEmpty() ? 0 : 1, used));
    const QByteArray again = FieldCodec::encodeCounted(decoded, capacity);
    FUZZ_REQUIRE(again.size() == capacity + 1);
    FUZZ_REQUIRE(quint8(again[0]) == used);
    FUZZ_REQUIRE(FieldCodec::decodeCounted(again, capacity) == decoded);
    FUZZ_REQUIRE(again.sliced(1 + used).count('\0') == capacity - used);
    if (field.size() == capacity + 1 && quint8(field[0]) <= capacity
        && field.sliced(1 + used).count('\0') == capacity - used)
        FUZZ_REQUIRE(again == field);

    // Writing: representable text comes back cut to the capacity.
    const QByteArray stored = FieldCodec::encodeCounted(text, capacity);
    FUZZ_REQUIRE(stored.size() == capacity + 1);
    FUZZ_REQUIRE(quint8(stored[0]) <= capacity);
    if (Cp1252::canEncode(text))
        FUZZ_REQUIRE(FieldCodec::decodeCounted(stored, capacity) == text.left(capacity));
}

void checkZeroTerminated(QByteArrayView field, int capacity, const QString &text)
{
    // Reading stops at the first zero within K + 1 bytes; a field without one
    // reads as all K + 1 characters, of which only K can be written back.
    const QString decoded = FieldCodec::decodeZeroTerminated(field, capacity);
    const QByteArrayView slot = field.first(qMin(field.size(), qsizetype(capacity) + 1));
    const qsizetype zero = slot.indexOf('\0');
    const qsizetype used = zero < 0 ? slot.size() : zero;
    FUZZ_REQUIRE(decoded.size() == used);
    FUZZ_REQUIRE(!decoded.contains(QChar(0)));
    FUZZ_REQUIRE(Cp1252::encode(decoded) == slot.first(used));
    const QByteArray again = FieldCodec::encodeZeroTerminated(decoded, capacity);
    FUZZ_REQUIRE(again.size() == capacity + 1);
    FUZZ_REQUIRE(again.back() == '\0');
    const qsizetype kept = qMin(used, qsizetype(capacity));
    FUZZ_REQUIRE(FieldCodec::decodeZeroTerminated(again, capacity) == decoded.left(kept));
    FUZZ_REQUIRE(again.sliced(kept).count('\0') == capacity + 1 - kept);
    if (field.size() == capacity + 1 && zero >= 0 && field.sliced(zero).count('\0') == field.size() - zero)
        FUZZ_REQUIRE(again == field);

    // Writing: representable text without a zero character comes back cut.
    const QByteArray stored = FieldCodec::encodeZeroTerminated(text, capacity);
    FUZZ_REQUIRE(stored.size() == capacity + 1);
    FUZZ_REQUIRE(stored.back() == '\0');
    if (Cp1252::canEncode(text) && !text.contains(QChar(0)))
        FUZZ_REQUIRE(FieldCodec::decodeZeroTerminated(stored, capacity) == text.left(capacity));
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // Capacities 0..255 for the counted layout; the zero-terminated one also
    // meets the 5000 characters of a declaration text.
    const int capacity = data[0];
    const QByteArrayView field = Fuzz::bytes(data + 1, size - 1);
    const QString text = Fuzz::utf16(field);
    checkCounted(field, capacity, text);
    checkZeroTerminated(field, capacity, text);
    checkZeroTerminated(field, capacity == 255 ? 5000 : capacity, text);
    return 0;
}
