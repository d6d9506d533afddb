#include "core/storage/archivelock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace ArchiveLock {

namespace {
QByteArray contentOf(const Owner &me, const QByteArray &mark)
{
    return QByteArray::number(me.pid) + '\n' + me.program.toUtf8() + '\n' + me.host.toUtf8() + '\n'
           + me.machineId + '\n' + me.bootId + '\n' + mark + '\n';
}

class RealSystem final : public System
{
public:
    RealSystem() { m_clock.start(); }

    qint64 nowMs() override { return m_clock.elapsed(); }
    void sleepMs(int ms) override { QThread::msleep(ulong(ms)); }
    int jitterMs(int below) override { return below > 0 ? int(QRandomGenerator::global()->bounded(below)) : 0; }

    bool createNew(const QString &path, const QByteArray &content, QString *error) override
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            *error = file.errorString();
            return false;
        }
        if (file.write(content) != content.size() || !file.flush()) {
            *error = file.errorString();
            file.close();
            QFile::remove(path);
            return false;
        }
        file.close();
        return true;
    }

    bool exists(const QString &path) override { return QFileInfo::exists(path); }

    std::optional<QByteArray> read(const QString &path) override
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        const QByteArray content = file.read(4096);
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        return content;
    }

    bool renameNew(const QString &from, const QString &to) override
    {
#ifdef Q_OS_WIN
        // Without MOVEFILE_REPLACE_EXISTING the move fails on an existing name.
        return ::MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                             reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()), 0)
               != 0;
#else
        // A hard link never replaces a name (QFile::rename may fall back to
        // copying over one).
        const QByteArray f = QFile::encodeName(from), t = QFile::encodeName(to);
        if (::link(f.constData(), t.constData()) == 0) {
            ::unlink(f.constData());
            return true;
        }
        if (errno == EEXIST || errno == ENOENT)
            return false;
        // No hard links on this file system: check, then rename.
        return !QFileInfo::exists(to) && ::rename(f.constData(), t.constData()) == 0;
#endif
    }

    bool remove(const QString &path) override { return QFile::remove(path); }

    Owner self() override
    {
        Owner me;
        me.pid = QCoreApplication::applicationPid();
        me.program = QCoreApplication::applicationName();
        me.host = QSysInfo::machineHostName();
        me.machineId = QSysInfo::machineUniqueId();
        me.bootId = QSysInfo::bootUniqueId();
        return me;
    }

    bool isRunning(qint64 pid) override
    {
        if (pid <= 0)
            return false;
#ifdef Q_OS_WIN
        HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
        if (!process)
            return ::GetLastError() == ERROR_ACCESS_DENIED;
        DWORD code = 0;
        const bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
        ::CloseHandle(process);
        return running;
#else
        return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#endif
    }

    QByteArray uniqueMark() override
    {
        return QByteArray::number(++m_marks) + ' ' + QByteArray::number(QDateTime::currentMSecsSinceEpoch());
    }

private:
    QElapsedTimer m_clock;
    quint64 m_marks = 0;
};
} // namespace

std::optional<Owner> parse(const QByteArray &content)
{
    const QList<QByteArray> lines = content.split('\n');
    if (lines.size() < 3)
        return std::nullopt;
    bool ok = false;
    Owner owner;
    owner.pid = lines[0].toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    owner.program = QString::fromUtf8(lines[1]);
    owner.host = QString::fromUtf8(lines[2]);
    if (lines.size() > 3)
        owner.machineId = lines[3];
    if (lines.size() > 4)
        owner.bootId = lines[4];
    return owner;
}

System &System::real()
{
    static RealSystem system;
    return system;
}

LockFile::LockFile(const QString &path, System &system) : m_path(path), m_system(system) {}

LockFile::~LockFile()
{
    release();
}

bool LockFile::acquire(const Rules &rules, QString *why)
{
    release();
    m_content = contentOf(m_system.self(), m_system.uniqueMark());
    const qint64 start = m_system.nowMs();
    qint64 nextRead = start + rules.firstReadMs;
    qint64 absentSince = -1;
    int backoff = rules.firstBackoffMs;
    QString error;
    for (;;) {
        if (m_system.createNew(m_path, m_content, &error)) {
            m_held = true;
            m_system.sightings.remove(m_path);
            return true;
        }
        const qint64 now = m_system.nowMs();
        if (!m_system.exists(m_path)) {
            // Not made, and no lock there: on a share a lock being removed
            // looks so for a moment, a folder we may not write in for good.
            if (absentSince < 0)
                absentSince = now;
            else if (now - absentSince >= rules.createFailureMs) {
                *why = QStringLiteral("impossibile creare il file di blocco dell'archivio: %1").arg(error);
                return false;
            }
        } else {
            absentSince = -1;
            if (now >= nextRead) {
                nextRead = now + rules.readEveryMs;
                const std::optional<QByteArray> seen = m_system.read(m_path);
                if (seen && judge(*seen, rules) == Verdict::Stale) {
                    takeOver(*seen);
                    continue;
                }
            }
        }
        if (now - start >= rules.waitMs) {
            *why = QStringLiteral("l'archivio è bloccato da un'altra copia del programma");
            return false;
        }
        m_system.sleepMs(backoff + m_system.jitterMs(backoff / 2 + 1));
        backoff = qMin(backoff * 2, rules.lastBackoffMs);
    }
}

LockFile::Verdict LockFile::judge(const QByteArray &content, const Rules &rules)
{
    if (const std::optional<Owner> owner = parse(content)) {
        const Owner me = m_system.self();
        const bool thisHost = owner->host == me.host
                              && (owner->machineId.isEmpty() || owner->machineId == me.machineId);
        if (thisHost) {
            // Written before this host last started, or by a process gone since.
            if (!owner->bootId.isEmpty() && !me.bootId.isEmpty() && owner->bootId != me.bootId)
                return Verdict::Stale;
            if (!m_system.isRunning(owner->pid))
                return Verdict::Stale;
        }
    }
    // Anything else only by time, on our clock: a live owner's lock changes
    // with each of its writes, a dead one's never does.
    const qint64 now = m_system.nowMs();
    auto it = m_system.sightings.find(m_path);
    if (it == m_system.sightings.end() || it->content != content) {
        m_system.sightings.insert(m_path, {content, now});
        return Verdict::Live;
    }
    return now - it->sinceMs >= rules.staleMs ? Verdict::Stale : Verdict::Live;
}

// Two waiters may judge the same lock dead at once: each moves it aside
// under a name of its own, and only the one that finds the content it judged
// deletes it. A live lock moved by mistake goes back unless a newer one is
// there.
void LockFile::takeOver(const QByteArray &seen)
{
    m_system.sightings.remove(m_path);
    const QString aside = m_path + QStringLiteral(".") + QString::fromLatin1(m_content.toHex().right(24))
                          + QStringLiteral(".stale");
    if (!m_system.renameNew(m_path, aside))
        return;
    const std::optional<QByteArray> moved = m_system.read(aside);
    if (moved && *moved == seen) {
        m_system.remove(aside);
        return;
    }
    if (!m_system.renameNew(aside, m_path))
        m_system.remove(aside);
}

void LockFile::release()
{
    if (!m_held)
        return;
    m_held = false;
    // Another copy may have taken us for dead while we stalled: its lock
    // stays. A lock we cannot read we take for ours.
    const std::optional<QByteArray> now = m_system.read(m_path);
    if (!now || *now == m_content)
        m_system.remove(m_path);
}

} // namespace ArchiveLock
