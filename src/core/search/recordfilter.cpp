#include "core/search/recordfilter.h"

#include "core/search/listline.h"
#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace {
// Windows-1252 bytes to their lower-case letter.
constexpr unsigned char lowerByte(unsigned char b)
{
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return b + 0x20;
    switch (b) {
    case 0x8A: return 0x9A;   // Š
    case 0x8C: return 0x9C;   // Œ
    case 0x8E: return 0x9E;   // Ž
    case 0x9F: return 0xFF;   // Ÿ
    default: return b;
    }
}

struct FoldTable
{
    char lower[256];
    constexpr FoldTable() : lower()
    {
        for (int b = 0; b < 256; ++b)
            lower[b] = char(lowerByte((unsigned char)b));
    }
};
constexpr FoldTable foldTable;

inline char fold(char c)
{
    return foldTable.lower[(unsigned char)c];
}

// The same letters as characters.
QChar foldChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xC0 && u < 0x100))
        return QChar(char16_t((unsigned char)fold(char(u))));
    switch (u) {
    case u'Š': return QChar(u'š');
    case u'Œ': return QChar(u'œ');
    case u'Ž': return QChar(u'ž');
    case u'Ÿ': return QChar(u'ÿ');
    default: return c;
    }
}
}

QByteArray FoldAz::bytes(QByteArrayView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = fold(text[i]);
    return out;
}

QString FoldAz::text(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        c = foldChar(c);
    return out;
}

bool FoldAz::contains(QByteArrayView haystack, QByteArrayView needle)
{
    const qsizetype n = needle.size();
    if (n == 0)
        return true;
    const char *h = haystack.data();
    const char *w = needle.data();
    const char first = w[0];
    for (qsizetype i = 0, last = haystack.size() - n; i <= last; ++i) {
        if (fold(h[i]) != first)
            continue;
        qsizetype k = 1;
        while (k < n && fold(h[i + k]) == w[k])
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

bool RecordFilter::isFilled(QStringView typed)
{
    return !Text::trimmed(typed).isEmpty();
}

bool RecordFilter::add(int field, const QString &typed)
{
    if (!isFilled(typed))
        return false;
    // Every field holds Windows-1252 text, so a character outside the code
    // page can never be found; it is not replaced by '?', which could.
    m_filters.append({field, FoldAz::bytes(Cp1252::encode(typed)), !Cp1252::canEncode(typed)});
    return true;
}

bool RecordFilter::matches(QByteArrayView record) const
{
    for (const Filter &f : m_filters) {
        if (f.impossible || !FoldAz::contains(ListLine::fieldChars(*m_layout, record, f.field), f.needle))
            return false;
    }
    return true;
}
