#pragma once
// What every fuzz target shares: a property check that stops the run with a
// message (libFuzzer then saves the input), and ways to read fuzz bytes.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition)                                                       \
    do {                                                                              \
        if (!(condition)) {                                                           \
            std::fprintf(stderr, "property violated: %s (%s:%d)\n", #condition,       \
                         __FILE__, __LINE__);                                         \
            std::abort();                                                             \
        }                                                                             \
    } while (false)

namespace Fuzz {
inline QByteArrayView bytes(const uint8_t *data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Pairs of bytes as UTF-16 code units: every QString, lone surrogates included.
inline QString utf16(QByteArrayView bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(quint8(bytes[2 * i]) | quint8(bytes[2 * i + 1]) << 8));
    return text;
}
}
