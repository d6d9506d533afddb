#include "core/storage/text.h"

QString Text::trimmed(QStringView text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 32) ++b;
    while (e > b && text[e - 1].unicode() <= 32) --e;
    return text.mid(b, e - b).toString();
}

QString Text::upperAz(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(c.unicode() - 'a' + 'A');
    return out;
}

QString Text::compactCode(QStringView text, int limit)
{
    QString out;
    out.reserve(qMin<qsizetype>(text.size(), limit));
    for (const QChar c : text)
        if (c.unicode() > 32 && out.size() < limit)
            out.append(c);
    return upperAz(out);
}
