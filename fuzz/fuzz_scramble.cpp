// The password store's scrambling: any stored text unscrambles without harm,
// unscrambled values scramble back to the stored digits, and every password
// comes back from its scrambled form.
#include "fuzzcheck.h"

#include "core/access/scramble.h"

namespace {
bool isHex(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input = Fuzz::bytes(data, size);

    const QByteArray plain = input.toByteArray();
    const QString scrambled = Scrambler::scramble(plain);
    FUZZ_REQUIRE(scrambled.size() == 2 * plain.size());
    FUZZ_REQUIRE(Scrambler::unscramble(scrambled) == plain);

    // Stored text as Latin-1 (what the INI reader hands over) and as UTF-16.
    for (const QString &hex : {QString::fromLatin1(input), Fuzz::utf16(input)}) {
        const qsizetype pairs = hex.size() / 2;
        bool allHex = true;
        for (qsizetype i = 0; i < 2 * pairs; ++i)
            allHex = allHex && isHex(hex[i]);
        const auto value = Scrambler::unscramble(hex);
        FUZZ_REQUIRE(value.has_value() == allHex);
        if (value) {
            FUZZ_REQUIRE(value->size() == pairs);
            FUZZ_REQUIRE(Scrambler::scramble(*value) == hex.left(2 * pairs).toUpper());
        }
    }
    return 0;
}
