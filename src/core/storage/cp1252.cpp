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

namespace {
// Letters that no decomposition takes to a letter of the code page.
char32_t nearestLetter(char32_t c)
{
    switch (c) {
    case U'Ł': return U'L';
    case U'ł': return U'l';
    case U'Đ': return U'D';
    case U'đ': return U'd';
    case U'ı': return U'i';
    case U'Ħ': return U'H';
    case U'ħ': return U'h';
    case U'Ŧ': return U'T';
    case U'ŧ': return U't';
    case U'Ő': return U'Ö';   // the double acute is written as a diaeresis
    case U'ő': return U'ö';
    case U'Ű': return U'Ü';
    case U'ű': return U'ü';
    default: break;
    }
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
    if (decomposed.isEmpty() || decomposed.at(0).isSurrogate() || decomposed.at(0) == QChar(c))
        return 0;
    const char32_t base = decomposed.at(0).unicode();
    // The base with its first mark, when the code page has that letter.
    if (decomposed.size() > 1) {
        const QString composed = decomposed.left(2).normalized(QString::NormalizationForm_C);
        if (composed.size() == 1 && Cp1252::canEncode(char32_t(composed.at(0).unicode())))
            return composed.at(0).unicode();
    }
    return Cp1252::canEncode(base) && QChar(base).isLetter() ? base : 0;
}
}

QString Cp1252::storable(QStringView text, bool *changed)
{
    if (changed)
        *changed = false;
    if (canEncode(text))
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (!QChar::isSurrogate(c) && canEncode(c)) {
            out.append(QChar(char16_t(c)));
            continue;
        }
        if (changed)
            *changed = true;
        if (const char32_t near = nearestLetter(c))
            out.append(QChar(char16_t(near)));
    }
    return out;
}
