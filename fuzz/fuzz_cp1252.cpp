// Windows-1252 both ways: every byte decodes to a character that encodes back
// to the same byte, and representable text survives encode then decode.
#include "fuzzcheck.h"

#include "core/storage/cp1252.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input = Fuzz::bytes(data, size);

    const QString decoded = Cp1252::decode(input);
    FUZZ_REQUIRE(decoded.size() == input.size());
    FUZZ_REQUIRE(Cp1252::canEncode(decoded));
    FUZZ_REQUIRE(Cp1252::encode(decoded) == input);

    const QString text = Fuzz::utf16(input);
    const QByteArray encoded = Cp1252::encode(text);
    qsizetype replaced = 0;
    bool representable = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const bool one = !ch.isSurrogate() && Cp1252::canEncode(char32_t(ch.unicode()));
        representable = representable && one;
        if (!ch.isLowSurrogate())
            replaced += one ? 0 : 1;
    }
    FUZZ_REQUIRE(Cp1252::canEncode(text) == representable);
    FUZZ_REQUIRE(encoded.count(Cp1252::replacement) >= replaced);
    // One byte per character that is not the second half of a pair.
    qsizetype lowHalves = 0;
    for (const QChar ch : text)
        lowHalves += ch.isLowSurrogate() ? 1 : 0;
    FUZZ_REQUIRE(encoded.size() == text.size() - lowHalves);
    if (representable)
        FUZZ_REQUIRE(Cp1252::decode(encoded) == text);
    return 0;
}
