#pragma once
#include "core/storage/archivehandle.h"

#include <QByteArray>
#include <QString>

// A flat file of fixed-size records in the program folder: no header, no
// index, record n (1-based) at byte (n - 1) * recordSize. Every command opens
// it, works and closes it again; nothing stays open between commands.
//
// Writing operations (write, append) take an exclusive lock beside the file
// for their short span, so copies of the program sharing a folder, also from
// other PCs over a network share, cannot overwrite each other's new record.
// Under the lock they open the file afresh, so the end they write at is the
// one the file server knows, and they reach the disk before the lock goes.
// Readers take no lock.
//
// Every operation returns false (or 0) on failure; errorString() says why.
// The caller reports the failure; nothing is retried.
class ArchiveFile
{
public:
    ArchiveFile(const QString &fileName, int recordSize);
    // The same on handles of the caller's making.
    ArchiveFile(const QString &fileName, int recordSize, ArchiveHandle::Factory handles);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    // Opens the archive for reading and writing, creating it empty when it
    // does not exist. An existing file is never truncated.
    bool open();
    void close();

    int recordSize() const { return m_recordSize; }

    // How long a write waits for another copy's lock before it fails.
    static constexpr int defaultLockWaitMs = 5000;
    void setLockWait(int milliseconds) { m_lockWaitMs = milliseconds; }
    QString filePath() const;

    // Number of whole records; a partial record at the end is not counted.
    // -1 on failure.
    qint64 count();

    // Reads record n (1 <= n <= count) into *record.
    bool read(qint64 n, QByteArray *record);

    // Overwrites record n, or appends when n == count + 1.
    bool write(qint64 n, const QByteArray &record);

    // Writes the record at byte count * recordSize (over any partial record)
    // and returns its position, or 0 on failure. A failed append leaves the
    // file at its old length: no part of the record stays behind.
    qint64 append(const QByteArray &record);

    // Sequential reading from position 1: the record after the current one.
    // The view stays valid until the next call on this object. Reads ahead in
    // large blocks, since every search scans a whole archive.
    bool next(QByteArrayView *record);
    bool atEnd();

    // Sequential reading a block at a time, for a reader that hands blocks
    // on: the records after the current one, at most `maxRecords` and about
    // one read-ahead's worth, into *block, whose memory is reused. Returns
    // how many were read: 0 after the last record, -1 on failure.
    qint64 nextBlock(QByteArray *block, qint64 maxRecords);

    // Position of the record last read or written; 0 right after open.
    qint64 position() const { return m_position; }

    QString errorString() const { return m_error; }

private:
    // implementation-defined members
    bool fail(const QString &why);
    bool writeLocked(qint64 n, const QByteArray &record, bool appending);
    bool fillBlock(qint64 n);
    qint64 settledSize(ArchiveHandle &handle);
    qint64 readRecords(qint64 n, qint64 maxRecords, QByteArray *into);

    QString m_path;
    ArchiveHandle::Factory m_handles;
    std::unique_ptr<ArchiveHandle> m_file;
    int m_recordSize;
    int m_lockWaitMs = defaultLockWaitMs;
    qint64 m_position = 0;
    QString m_error;
    QByteArray m_block;        // read-ahead buffer of next()
    qint64 m_blockFirst = 0;   // position of the first record held in m_block
    qint64 m_blockCount = 0;   // whole records held in m_block
};
