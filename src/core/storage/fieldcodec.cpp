#include "core/storage/fieldcodec.h"

#include "core/storage/cp1252.h"

#include <cstring>

// Every encoder starts from a field of zeros, so the bytes past the text
// never carry anything of an earlier, longer value.

QByteArray FieldCodec::encodeCounted(QStringView text, int capacity)
{
    Q_ASSERT(capacity >= 0 && capacity <= 255);
    const QByteArray bytes = Cp1252::encode(text).left(capacity);
    QByteArray field(capacity + 1, '\0');
    field[0] = char(bytes.size());
    std::memcpy(field.data() + 1, bytes.constData(), size_t(bytes.size()));
    return field;
}

QString FieldCodec::decodeCounted(QByteArrayView field, int capacity)
{
    if (field.isEmpty())
        return QString();
    // A length beyond the capacity comes from a damaged file: read what fits.
    qsizetype length = static_cast<unsigned char>(field[0]);
    length = qMin(length, qsizetype(capacity));
    length = qMin(length, field.size() - 1);
    return Cp1252::decode(field.sliced(1, length));
}

QByteArray FieldCodec::encodeZeroTerminated(QStringView text, int capacity)
{
    Q_ASSERT(capacity >= 0);
    const QByteArray bytes = Cp1252::encode(text).left(capacity);
    QByteArray field(capacity + 1, '\0');
    std::memcpy(field.data(), bytes.constData(), size_t(bytes.size()));
    return field;
}

QString FieldCodec::decodeZeroTerminated(QByteArrayView field, int capacity)
{
    const QByteArrayView slot = field.first(qMin(field.size(), qsizetype(capacity) + 1));
    const qsizetype end = slot.indexOf('\0');
    return Cp1252::decode(end < 0 ? slot : slot.first(end));
}
