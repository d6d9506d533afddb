#include "core/storage/archivefile.h"

#include "core/storage/programfolder.h"

#include "core/storage/archivelock.h"

#include <QThread>

namespace {
// Read-ahead of next(): about 1 MiB of whole records.
constexpr qint64 readAheadBytes = 1 << 20;
// A size that is not whole records is measured once more after this long.
constexpr int remeasureMs = 20;
}

ArchiveFile::ArchiveFile(const QString &fileName, int recordSize)
    : ArchiveFile(fileName, recordSize, &ArchiveHandle::onDisk)
{
}

ArchiveFile::ArchiveFile(const QString &fileName, int recordSize, ArchiveHandle::Factory handles)
    : m_path(ProgramFolder::file(fileName)), m_handles(std::move(handles)), m_file(m_handles()),
      m_recordSize(recordSize)
{
    Q_ASSERT(recordSize > 0);
}

ArchiveFile::~ArchiveFile()
{
    close();
}

QString ArchiveFile::filePath() const
{
    return m_path;
}

bool ArchiveFile::fail(const QString &why)
{
    m_error = why;
    return false;
}

bool ArchiveFile::open()
{
    close();
    m_error.clear();
    if (!m_file->open(m_path))
        return fail(m_file->errorString());
    return true;
}

void ArchiveFile::close()
{
    if (m_file->isOpen())
        m_file->close();
    m_position = 0;
    m_blockFirst = 0;
    m_blockCount = 0;
}

qint64 ArchiveFile::count()
{
    if (!m_file->isOpen()) {
        fail(QStringLiteral("archivio non aperto"));
        return -1;
    }
    const qint64 size = m_file->size();
    if (size < 0) {
        fail(m_file->errorString());
        return -1;
    }
    return size / m_recordSize;
}

bool ArchiveFile::read(qint64 n, QByteArray *record)
{
    const qint64 total = count();
    if (total < 0)
        return false;
    if (n < 1 || n > total)
        return fail(QStringLiteral("la scheda %1 non esiste (l'archivio ne contiene %2)")
                            .arg(n).arg(total));
    QByteArray bytes(m_recordSize, Qt::Uninitialized);
    if (m_file->readAt((n - 1) * m_recordSize, bytes.data(), m_recordSize) != m_recordSize)
        return fail(m_file->errorString());
    *record = bytes;
    m_position = n;
    return true;
}

bool ArchiveFile::write(qint64 n, const QByteArray &record)
{
    return writeLocked(n, record, false);
}

qint64 ArchiveFile::append(const QByteArray &record)
{
    return writeLocked(0, record, true) ? m_position : 0;
}

// The size of the file just opened under the lock. A part of a record at
// the end is what a copy left that died while writing, or a network client
// caught between two of a peer's writes: a second look tells them apart.
qint64 ArchiveFile::settledSize(ArchiveHandle &handle)
{
    const qint64 size = handle.size();
    if (size <= 0 || size % m_recordSize == 0)
        return size;
    QThread::msleep(remeasureMs);
    handle.close();
    return handle.open(m_path) ? handle.size() : -1;
}

// Writes record n, or at the end when appending: lock, open, measure,
// write, sync, close, unlock, in this order. The end is measured only once
// the lock is held and through a handle opened after it, so two copies
// appending at once get two different positions, also over a network share
// whose clients learn a file's size from the server only at open.
bool ArchiveFile::writeLocked(qint64 n, const QByteArray &record, bool appending)
{
    if (!m_file->isOpen())
        return fail(QStringLiteral("archivio non aperto"));
    if (record.size() != m_recordSize)
        return fail(QStringLiteral("scheda di %1 byte invece di %2")
                            .arg(record.size()).arg(m_recordSize));

    ArchiveLock::LockFile lock(m_path + QStringLiteral(".lock"));
    ArchiveLock::Rules rules;
    rules.waitMs = m_lockWaitMs;
    QString why;
    if (!lock.acquire(rules, &why))
        return fail(why);

    // What we read ahead may be about to change.
    m_blockFirst = 0;
    m_blockCount = 0;

    // Declared after the lock, so it is closed before the lock goes.
    const std::unique_ptr<ArchiveHandle> out = m_handles();
    if (!out->open(m_path))
        return fail(out->errorString());
    const qint64 sizeBefore = settledSize(*out);
    if (sizeBefore < 0)
        return fail(out->errorString());
    const qint64 total = sizeBefore / m_recordSize;
    if (appending)
        n = total + 1;
    if (n < 1 || n > total + 1)
        return fail(QStringLiteral("la scheda %1 non esiste (l'archivio ne contiene %2)")
                            .arg(n).arg(total));
    if (!out->writeAt((n - 1) * m_recordSize, record) || !out->sync()) {
        const QString why = out->errorString();
        // A full disk takes part of a new record: cut off what this write
        // added past the end found under the lock, and nothing before it.
        if (n == total + 1 && out->size() > sizeBefore)
            out->resize(sizeBefore);
        return fail(why);
    }
    out->close();
    lock.release();
    m_position = n;
    return true;
}

bool ArchiveFile::atEnd()
{
    // Inside the read-ahead block there is surely another record.
    if (m_position >= m_blockFirst && m_position < m_blockFirst + m_blockCount - 1)
        return false;
    const qint64 total = count();
    return total < 0 || m_position >= total;
}

bool ArchiveFile::next(QByteArrayView *record)
{
    const qint64 n = m_position + 1;
    if (n < m_blockFirst || n >= m_blockFirst + m_blockCount) {
        if (!fillBlock(n))
            return false;
    }
    *record = QByteArrayView(m_block).sliced((n - m_blockFirst) * m_recordSize, m_recordSize);
    m_position = n;
    return true;
}

// Reads about one read-ahead's worth of whole records starting at record n.
bool ArchiveFile::fillBlock(qint64 n)
{
    m_blockFirst = 0;
    m_blockCount = 0;
    const qint64 got = readRecords(n, readAheadBytes, &m_block);
    if (got <= 0)
        return got == 0 ? fail(QStringLiteral("non ci sono altre schede")) : false;
    m_blockFirst = n;
    m_blockCount = got;
    return true;
}

qint64 ArchiveFile::nextBlock(QByteArray *block, qint64 maxRecords)
{
    const qint64 n = m_position + 1;
    const qint64 got = readRecords(n, maxRecords, block);
    if (got > 0)
        m_position = n + got - 1;
    return got;
}

// Reads whole records from record n on, at most maxRecords and about one
// read-ahead's worth, into *into: how many, 0 past the end, -1 on failure.
qint64 ArchiveFile::readRecords(qint64 n, qint64 maxRecords, QByteArray *into)
{
    const qint64 total = count();
    if (total < 0)
        return -1;
    if (n < 1 || n > total || maxRecords < 1)
        return 0;

    const qint64 wanted = qMin(qMin(qMax<qint64>(1, readAheadBytes / m_recordSize), total - n + 1), maxRecords);
    // Reuses the buffer's memory: resize never shrinks the allocation.
    into->resize(wanted * m_recordSize);
    const qint64 got = m_file->readAt((n - 1) * m_recordSize, into->data(), into->size());
    if (got < m_recordSize) {
        fail(got < 0 ? m_file->errorString() : QStringLiteral("l'archivio si è accorciato durante la lettura"));
        return -1;
    }
    into->resize(got / m_recordSize * m_recordSize);
    return got / m_recordSize;
}
