#pragma once
#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// One open handle on an archive file, with just what ArchiveFile does
// through it. Tests put in its place a handle that behaves like a network
// client, which may keep what it learnt of the file at open.
class ArchiveHandle
{
public:
    virtual ~ArchiveHandle() = default;

    // Read-write; a missing file is created empty, an existing one is never
    // truncated.
    virtual bool open(const QString &path) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual qint64 size() = 0;   // -1 on failure
    // Bytes read, fewer at the end of the file, -1 on failure.
    virtual qint64 readAt(qint64 offset, char *data, qint64 length) = 0;
    virtual bool writeAt(qint64 offset, const QByteArray &bytes) = 0;
    // Through the system's cache to the disk (or the server).
    virtual bool sync() = 0;
    virtual bool resize(qint64 size) = 0;
    virtual QString errorString() const = 0;

    using Factory = std::function<std::unique_ptr<ArchiveHandle>()>;
    // Handles on the real file system.
    static std::unique_ptr<ArchiveHandle> onDisk();
};
