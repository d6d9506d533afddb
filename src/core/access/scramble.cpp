#include "core/access/scramble.h"

namespace {
constexpr quint16 startKey = 0x5A3C;
constexpr quint16 multiplier = 0x3B0D;
constexpr quint16 addend = 0x6F21;

quint16 advance(quint16 key, quint8 scrambledByte)
{
    return quint16(quint16(scrambledByte + key) * multiplier + addend);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}
}

QString Scrambler::scramble(const QByteArray &plain)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(plain.size() * 2);
    quint16 key = startKey;
    for (const char c : plain) {
        const quint8 b = quint8(quint8(c) ^ quint8(key >> 8));
        out.append(QLatin1Char(digits[b >> 4]));
        out.append(QLatin1Char(digits[b & 0xF]));
        key = advance(key, b);
    }
    return out;
}

std::optional<QByteArray> Scrambler::unscramble(QStringView hex)
{
    QByteArray out;
    const qsizetype n = hex.size() / 2;
    out.reserve(n);
    quint16 key = startKey;
    for (qsizetype i = 0; i < n; ++i) {
        const int hi = hexValue(hex[2 * i]), lo = hexValue(hex[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        const quint8 b = quint8(hi * 16 + lo);
        out.append(char(b ^ quint8(key >> 8)));
        key = advance(key, b);
    }
    return out;
}
