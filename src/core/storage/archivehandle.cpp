#include "core/storage/archivehandle.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
class DiskHandle final : public ArchiveHandle
{
public:
    bool open(const QString &path) override
    {
        m_file.setFileName(path);
        // Unbuffered: records move in whole blocks of our own.
        return m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }
    void close() override { m_file.close(); }
    bool isOpen() const override { return m_file.isOpen(); }
    qint64 size() override { return m_file.size(); }
    qint64 readAt(qint64 offset, char *data, qint64 length) override
    {
        return m_file.seek(offset) ? m_file.read(data, length) : -1;
    }
    bool writeAt(qint64 offset, const QByteArray &bytes) override
    {
        return m_file.seek(offset) && m_file.write(bytes) == bytes.size();
    }
    bool sync() override
    {
        if (!m_file.flush())
            return false;
#ifdef Q_OS_WIN
        return ::_commit(m_file.handle()) == 0;
#else
        return ::fsync(m_file.handle()) == 0;
#endif
    }
    bool resize(qint64 size) override { return m_file.resize(size); }
    QString errorString() const override { return m_file.errorString(); }

private:
    QFile m_file;
};
} // namespace

std::unique_ptr<ArchiveHandle> ArchiveHandle::onDisk()
{
    return std::make_unique<DiskHandle>();
}
