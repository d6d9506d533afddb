#include "core/search/recordfilter.h"

#include "core/search/listline.h"
#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace {
inline char fold(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
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
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() - 'A' + 'a');
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
