#pragma once
#include "core/storage/programfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// The faults of the fault tests, each undone when its guard goes, also when
// the test fails half way.

// `chattr +i`: not even root may then add, remove or rename the entries of a
// folder, or change a file. Check ok() and skip when the system refuses.
class Immutable
{
public:
    explicit Immutable(const QString &path) : m_path(path)
    {
        m_ok = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
    }
    ~Immutable()
    {
        if (m_ok)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    }
    Immutable(const Immutable &) = delete;
    Immutable &operator=(const Immutable &) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_path;
    bool m_ok = false;
};

// A program folder on a small file system of its own (tmpfs), which fill()
// takes to its last byte: from then on every write that needs a new block
// fails with ENOSPC, as on a full disk, while the bytes already there stay
// readable. Check ok() and skip when nothing can be mounted.
class FullDisk
{
public:
    FullDisk()
    {
        m_ok = m_dir.isValid()
               && QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                             QStringLiteral("-o"), QStringLiteral("size=2m"),
                                                             QStringLiteral("tmpfs"), m_dir.path()})
                          == 0;
        if (m_ok)
            ProgramFolder::setPath(m_dir.path());
    }
    ~FullDisk()
    {
        ProgramFolder::setPath(QString());
        if (m_ok)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir.path()});
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool ok() const { return m_ok; }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    static QString fillerName() { return QStringLiteral(".filler"); }

    // Takes every free block (big blocks first, then byte by byte) but the
    // last `leaveFree` bytes, rounded up to whole blocks.
    bool fill(qint64 leaveFree = 0)
    {
        QFile spare(file(QStringLiteral(".spare")));
        if (leaveFree > 0
            && (!spare.open(QIODevice::WriteOnly) || spare.write(QByteArray(leaveFree, 's')) != leaveFree
                || !spare.flush()))
            return false;
        QFile filler(file(fillerName()));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(64 * 1024, 'f');
        while (filler.write(block) > 0) {
        }
        while (filler.write("f", 1) == 1) {
        }
        return leaveFree == 0 || spare.remove();
    }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

// Every entry of a folder, hidden ones too: a failed command leaves no
// temporary or lock file behind.
inline QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

inline const QString accessErrorText()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                          "del programma.");
}
