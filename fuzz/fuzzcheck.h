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

// The fuzz input read from the front: bytes, runs of bytes, then the rest;
// past the end, zeros and empty runs.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    bool atEnd() const { return m_at >= m_bytes.size(); }
    quint8 byte() { return m_at < m_bytes.size() ? quint8(m_bytes[m_at++]) : 0; }
    QByteArrayView take(qsizetype n)
    {
        n = qMin(n, m_bytes.size() - m_at);
        const QByteArrayView out = m_bytes.sliced(m_at, n);
        m_at += n;
        return out;
    }
    QByteArrayView rest() { return take(m_bytes.size() - m_at); }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

// Pairs of bytes as UTF-16 code units: every QString, lone surrogates included.
inline QString utf16(QByteArrayView bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(quint8(bytes[2 * i]) | quint8(bytes[2 * i + 1]) << 8));
    return text;
}
}
