#include "core/storage/cp1252.h"

#include <array>

namespace {
// Characters of the bytes 0x80..0x9F; the undefined ones map to themselves.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte for a code point, or -1 when the code page has none.
int byteFor(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (int i = 0; i < int(high.size()); ++i)
        if (high[i] == cp)
            return 0x80 + i;
    return -1;
}
}

bool Cp1252::canEncode(char32_t codePoint)
{
    return byteFor(codePoint) >= 0;
}

bool Cp1252::canEncode(QStringView text)
{
    // Any surrogate belongs to a character beyond the code page.
    for (const QChar ch : text)
        if (ch.isSurrogate() || !canEncode(char32_t(ch.unicode())))
            return false;
    return true;
}

QByteArray Cp1252::encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        if (ch.isLowSurrogate())   // second half of a character already replaced
            continue;
        const int b = byteFor(u);
        out.append(b >= 0 ? char(b) : replacement);
    }
    return out;
}

QString Cp1252::decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *dst++ = QChar((b >= 0x80 && b < 0xA0) ? high[b - 0x80] : char16_t(b));
    }
    return out;
}
