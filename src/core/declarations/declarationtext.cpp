#include "core/declarations/declarationtext.h"

#include "core/storage/text.h"

namespace {
QString toLf(QStringView text)
{
    QString out = text.toString();
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}
}

int DeclarationText::bytesOf(QChar c)
{
    if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator)
        return 2;
    return c.isLowSurrogate() ? 0 : 1;
}

QString DeclarationText::toRecord(QStringView boxText)
{
    QString out = toLf(boxText);
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

QString DeclarationText::fromRecord(QStringView recordText)
{
    return toLf(Text::trimmed(recordText));
}

int DeclarationText::recordBytes(QStringView boxText)
{
    int bytes = 0;
    for (int i = 0; i < boxText.size(); ++i) {
        // CR LF already counts two through its LF.
        if (boxText[i] == QLatin1Char('\r') && i + 1 < boxText.size() && boxText[i + 1] == QLatin1Char('\n'))
            continue;
        bytes += boxText[i] == QLatin1Char('\r') ? 2 : bytesOf(boxText[i]);
    }
    return bytes;
}
