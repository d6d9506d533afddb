#pragma once
// A folder shared over the network as an office shares the program folder:
// an sshd of its own on a loopback port, with its own configuration and
// keys, serves a temporary folder; each client() is one more sshfs mount of
// it, a PC of its own, without attribute or directory cache. Everything is
// undone when the object goes, also when a test fails half way, and the
// servers die with the process that started them.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <memory>
#include <vector>

#ifdef Q_OS_LINUX
#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>
#endif

class NetworkShare
{
public:
    // Starts the server; ok() false and whyNot() says why where this
    // machine cannot (no sshd or sshfs, no FUSE, not Linux).
    NetworkShare()
    {
#ifndef Q_OS_LINUX
        m_whyNot = QStringLiteral("sshd and sshfs mounts are set up on Linux only");
#else
        const QString sshd = QStringLiteral("/usr/sbin/sshd");
        if (!QFile::exists(sshd) || QStandardPaths::findExecutable(QStringLiteral("sshfs")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("ssh-keygen")).isEmpty()) {
            m_whyNot = QStringLiteral("openssh-server and sshfs are not installed (scripts/deps.sh)");
            return;
        }
        if (!QFile::exists(QStringLiteral("/dev/fuse"))) {
            m_whyNot = QStringLiteral("no /dev/fuse: FUSE cannot mount here");
            return;
        }
        if (!m_dir.isValid() || !QDir(m_dir.path()).mkdir(QStringLiteral("share"))) {
            m_whyNot = QStringLiteral("no temporary folder");
            return;
        }
        // sshd's privilege separation folder, missing where it never ran.
        QDir().mkpath(QStringLiteral("/run/sshd"));
        for (const char *key : {"host_key", "user_key"}) {
            if (QProcess::execute(QStringLiteral("ssh-keygen"), {QStringLiteral("-q"), QStringLiteral("-t"),
                                                                 QStringLiteral("ed25519"), QStringLiteral("-N"),
                                                                 QString(), QStringLiteral("-f"), file(key)})
                != 0) {
                m_whyNot = QStringLiteral("ssh-keygen failed");
                return;
            }
        }
        QFile::copy(file("user_key.pub"), file("authorized_keys"));
        for (int attempt = 0; attempt < 5 && !m_server; ++attempt)
            startServer(sshd, 20000 + int(QRandomGenerator::global()->bounded(20000)));
        if (!m_server)
            m_whyNot = QStringLiteral("sshd did not start on a loopback port: ") + QString::fromLocal8Bit(logText());
#endif
    }

    ~NetworkShare()
    {
        for (auto &c : m_clients) {
            QProcess::execute(QStringLiteral("fusermount3"), {QStringLiteral("-u"), QStringLiteral("-z"), c.mount});
            c.process->terminate();
            if (!c.process->waitForFinished(5000))
                c.process->kill();
            c.process->waitForFinished(5000);
        }
        if (m_server) {
            m_server->terminate();
            if (!m_server->waitForFinished(5000))
                m_server->kill();
            m_server->waitForFinished(5000);
        }
    }
    NetworkShare(const NetworkShare &) = delete;
    NetworkShare &operator=(const NetworkShare &) = delete;

    bool ok() const { return m_server != nullptr; }
    QString whyNot() const { return m_whyNot; }
    // The shared folder as the server sees it.
    QString serverPath() const { return m_dir.filePath(QStringLiteral("share")); }

    // One more client mount of the share; empty on failure (see whyNot()).
    QString client()
    {
#ifdef Q_OS_LINUX
        const QString mount = m_dir.filePath(QStringLiteral("client%1").arg(m_clients.size() + 1));
        QDir().mkpath(mount);
        auto process = std::make_unique<QProcess>();
        dieWithUs(*process);
        process->setProcessChannelMode(QProcess::MergedChannels);
        const QString user = QString::fromLocal8Bit(getpwuid(getuid())->pw_name);
        process->start(QStringLiteral("sshfs"),
                       {QStringLiteral("-f"), QStringLiteral("%1@127.0.0.1:%2").arg(user, serverPath()), mount,
                        QStringLiteral("-p"), QString::number(m_port), QStringLiteral("-o"),
                        QStringLiteral("IdentityFile=%1,UserKnownHostsFile=/dev/null,StrictHostKeyChecking=no,"
                                       "BatchMode=yes,dir_cache=no,attr_timeout=0,ac_attr_timeout=0,"
                                       "entry_timeout=0,negative_timeout=0,auto_unmount")
                                .arg(file("user_key"))});
        if (!process->waitForStarted()) {
            m_whyNot = QStringLiteral("sshfs does not start");
            return QString();
        }
        QDeadlineTimer wait(15000);
        while (!isMounted(mount) && !wait.hasExpired() && process->state() == QProcess::Running)
            QThread::msleep(20);
        if (!isMounted(mount)) {
            m_whyNot = QStringLiteral("FUSE cannot mount here: sshfs says ")
                       + QString::fromLocal8Bit(process->readAll()).trimmed();
            process->kill();
            process->waitForFinished(5000);
            return QString();
        }
        m_clients.push_back({mount, std::move(process)});
        return mount;
#else
        return QString();
#endif
    }

private:
    QString file(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QByteArray logText() const
    {
        QFile log(file("sshd.log"));
        return log.open(QIODevice::ReadOnly) ? log.readAll().trimmed() : QByteArray();
    }

    static void dieWithUs(QProcess &process)
    {
#ifdef Q_OS_LINUX
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#else
        Q_UNUSED(process);
#endif
    }

    static bool isMounted(const QString &mount)
    {
        QFile mounts(QStringLiteral("/proc/self/mounts"));
        return mounts.open(QIODevice::ReadOnly) && mounts.readAll().contains(' ' + QFile::encodeName(mount) + ' ');
    }

    void startServer(const QString &sshd, int port)
    {
        QFile config(file("sshd_config"));
        if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        config.write(QStringLiteral("ListenAddress 127.0.0.1\nPort %1\nHostKey %2\nAuthorizedKeysFile %3\n"
                                    "PidFile %4\nPasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                                    "PubkeyAuthentication yes\nPermitRootLogin prohibit-password\nUsePAM no\n"
                                    "StrictModes no\nSubsystem sftp internal-sftp\nMaxStartups 20\n")
                             .arg(port)
                             .arg(file("host_key"), file("authorized_keys"), file("sshd.pid"))
                             .toLocal8Bit());
        config.close();
        QFile::remove(file("sshd.log"));
        auto server = std::make_unique<QProcess>();
        dieWithUs(*server);
        server->start(sshd, {QStringLiteral("-D"), QStringLiteral("-f"), config.fileName(), QStringLiteral("-E"),
                             file("sshd.log")});
        if (!server->waitForStarted())
            return;
        QDeadlineTimer wait(10000);
        while (!logText().contains("Server listening") && !wait.hasExpired()
               && server->state() == QProcess::Running)
            QThread::msleep(20);
        if (!logText().contains("Server listening")) {
            server->kill();
            server->waitForFinished(5000);
            return;
        }
        m_port = port;
        m_server = std::move(server);
    }

    struct Client
    {
        QString mount;
        std::unique_ptr<QProcess> process;
    };
    QTemporaryDir m_dir;
    QString m_whyNot;
    int m_port = 0;
    std::unique_ptr<QProcess> m_server;
    std::vector<Client> m_clients;
};
