#pragma once
#include <QByteArray>
#include <QString>

// The two layouts of an archive text field of capacity K, both K + 1 bytes of
// Windows-1252 characters:
//  - counted: byte 0 holds the used length L, bytes 1..L the characters;
//  - zero-terminated: the characters from byte 0, then a zero byte.
// Encoding cuts the text to K bytes and fills every unused byte with zero, so
// nothing of an earlier record is left behind. Decoding never trims; a length
// byte above K reads as K characters.
namespace FieldCodec {
QByteArray encodeCounted(QStringView text, int capacity);
QString decodeCounted(QByteArrayView field, int capacity);

QByteArray encodeZeroTerminated(QStringView text, int capacity);
QString decodeZeroTerminated(QByteArrayView field, int capacity);
}
