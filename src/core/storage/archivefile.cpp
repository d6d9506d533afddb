#include "core/storage/archivefile.h"

#include "core/storage/programfolder.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
// Read-ahead of next(): about 1 MiB of whole records.
constexpr qint64 readAheadBytes = 1 << 20;

// A writer polls often for another copy's lock: a write holds it for a few
// milliseconds only.
constexpr int lockPollMs = 1;
// A lock older than this was left by a copy that died while writing.
constexpr int staleLockMs = 10000;

// Takes the lock or says why not. QLockFile's own tryLock(timeout) backs off
// to long sleeps, far too coarse for locks held this briefly.
bool acquire(QLockFile &lock, int waitMs, QString *why)
{
    lock.setStaleLockTime(staleLockMs);
    QDeadlineTimer deadline(waitMs);
    for (;;) {
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError) {
            *why = QStringLiteral("impossibile creare il file di blocco dell'archivio");
            return false;
        }
        if (deadline.hasExpired()) {
            *why = QStringLiteral("l'archivio è bloccato da un'altra copia del programma");
            return false;
        }
        QThread::msleep(lockPollMs);
    }
}

// Pushes written bytes through the system's cache to the disk.
bool syncToDisk(QFile &file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return ::_commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}
}

ArchiveFile::ArchiveFile(const QString &fileName, int recordSize)
    : m_file(ProgramFolder::file(fileName)), m_recordSize(recordSize)
{
    Q_ASSERT(recordSize > 0);
}

ArchiveFile::~ArchiveFile()
{
    close();
}

QString ArchiveFile::filePath() const
{
    return m_file.fileName();
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
    // ReadWrite creates a missing file and never truncates an existing one;
    // unbuffered, since records move in whole blocks of our own.
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fail(m_file.errorString());
    return true;
}

void ArchiveFile::close()
{
    if (m_file.isOpen())
        m_file.close();
    m_position = 0;
    m_blockFirst = 0;
    m_blockCount = 0;
}

qint64 ArchiveFile::count()
{
    if (!m_file.isOpen()) {
        fail(QStringLiteral("archivio non aperto"));
        return -1;
    }
    return m_file.size() / m_recordSize;
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
    if (!m_file.seek((n - 1) * m_recordSize)
        || m_file.read(bytes.data(), m_recordSize) != m_recordSize)
        return fail(m_file.errorString());
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

// Writes record n, or at the end when appending, under the lock. The end is
// measured only once the lock is held, so two copies appending at once get
// two different positions.
bool ArchiveFile::writeLocked(qint64 n, const QByteArray &record, bool appending)
{
    if (!m_file.isOpen())
        return fail(QStringLiteral("archivio non aperto"));
    if (record.size() != m_recordSize)
        return fail(QStringLiteral("scheda di %1 byte invece di %2")
                            .arg(record.size()).arg(m_recordSize));

    QLockFile lock(m_file.fileName() + QStringLiteral(".lock"));
    QString why;
    if (!acquire(lock, m_lockWaitMs, &why))
        return fail(why);

    // What we read ahead may be about to change.
    m_blockFirst = 0;
    m_blockCount = 0;

    const qint64 total = m_file.size() / m_recordSize;
    if (appending)
        n = total + 1;
    if (n < 1 || n > total + 1)
        return fail(QStringLiteral("la scheda %1 non esiste (l'archivio ne contiene %2)")
                            .arg(n).arg(total));
    const qint64 sizeBefore = m_file.size();
    if (!m_file.seek((n - 1) * m_recordSize)
        || m_file.write(record) != m_recordSize
        || !syncToDisk(m_file)) {
        const QString why = m_file.errorString();
        // A full disk takes part of a new record: cut it off again, so that
        // the failed save leaves the file as it found it.
        if (n == total + 1 && m_file.size() > sizeBefore)
            m_file.resize(sizeBefore);
        return fail(why);
    }
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
    if (!m_file.seek((n - 1) * m_recordSize)) {
        fail(m_file.errorString());
        return -1;
    }
    const qint64 got = m_file.read(into->data(), into->size());
    if (got < m_recordSize) {
        fail(got < 0 ? m_file.errorString() : QStringLiteral("l'archivio si è accorciato durante la lettura"));
        return -1;
    }
    into->resize(got / m_recordSize * m_recordSize);
    return got / m_recordSize;
}
