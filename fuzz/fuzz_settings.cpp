// Attestari.ini, where the place of issue is kept: any content reads without
// harm, and a place written over it is the one read back, accents included.
#include "inicheck.h"

#include "core/storage/cp1252.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView content = Fuzz::bytes(data, size);
    const QString path = QDir(Fuzz::scratchFolder()).filePath(QStringLiteral("Attestari.ini"));
    const QString section = QStringLiteral("Autocertificazione"), key = QStringLiteral("Luogo");

    // A place from the last bytes, as a box would hand it over: one line,
    // trimmed. Quotes around the whole value are read as quoting.
    QString place = Cp1252::decode(content.last(qMin(content.size(), qsizetype(30))));
    place.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    auto isQuote = [](QChar c) { return c == u'"' || c == u'\''; };
    while (!place.isEmpty() && (place.front().unicode() <= 32 || isQuote(place.front())))
        place.remove(0, 1);
    while (!place.isEmpty() && place.back().unicode() <= 32)
        place.chop(1);

    Fuzz::checkIniWrite(path, content, section, key, place, place);
    Fuzz::checkIniWrite(path, content, section, key, QStringLiteral("Forlì"), QStringLiteral("Forlì"));
    return 0;
}
