#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The lock file beside an archive (name of the archive + ".lock") that a
// copy of the program holds for the few milliseconds of one write. Copies
// on other PCs see it over a network share, so every rule here holds on a
// file system that is neither local nor quick:
//
// - it is taken by an exclusive create and dropped by removing it; nothing
//   keeps it open in between (an open name keeps a removed file alive on
//   SMB, so a reader would keep the holder's lock in place);
// - any failure to create it while a lock file is there means "held": on a
//   share a held or just-removed lock often shows up as another error;
// - a waiter backs off from a few milliseconds to a few tens, and reads the
//   owner's content only now and then;
// - a lock is stale when it names this host and a process that is gone, or
//   when its content stayed byte for byte the same for staleMs on the
//   waiter's own clock: another PC's clock is never compared with ours.
//
// Its content is what QLockFile writes (pid, program, host, machine id,
// boot id, a line each) and one more line with a sequence number and the
// owner's time, so that two locks of one process never look the same.
// Older copies of the program read it as their own lock file.
namespace ArchiveLock {

struct Rules
{
    int waitMs = 5000;           // a held lock is waited for this long
    int staleMs = 10000;         // unchanged this long: left by a dead copy
    int firstReadMs = 200;       // the owner is first read after this long
    int readEveryMs = 1000;      // ...and then at most this often
    int firstBackoffMs = 2;
    int lastBackoffMs = 50;
    int createFailureMs = 250;   // creation failing with no lock there: fatal after this
};

// Who wrote a lock, as read from its content.
struct Owner
{
    qint64 pid = 0;
    QString program;
    QString host;
    QByteArray machineId;
    QByteArray bootId;
};
std::optional<Owner> parse(const QByteArray &content);

// Everything the rules need from the world: a clock, the files, the
// processes of this host. Tests put a fake in its place.
class System
{
public:
    virtual ~System() = default;
    static System &real();

    virtual qint64 nowMs() = 0;   // monotonic, this copy's own
    virtual void sleepMs(int ms) = 0;
    virtual int jitterMs(int below) = 0;   // 0 <= result < below

    // Creates `path` only if it does not exist, with `content`; true when
    // this call made it. On false *error says why.
    virtual bool createNew(const QString &path, const QByteArray &content, QString *error) = 0;
    virtual bool exists(const QString &path) = 0;
    virtual std::optional<QByteArray> read(const QString &path) = 0;
    // Renames only when `to` does not exist.
    virtual bool renameNew(const QString &from, const QString &to) = 0;
    virtual bool remove(const QString &path) = 0;

    virtual Owner self() = 0;
    virtual bool isRunning(qint64 pid) = 0;
    // Different on every call, across runs too: the last line of our locks.
    virtual QByteArray uniqueMark() = 0;

    // What this copy saw of a lock it waited for, kept between commands: a
    // dead copy's lock turns stale across several saves of ours.
    struct Sighting
    {
        QByteArray content;
        qint64 sinceMs = 0;
    };
    QHash<QString, Sighting> sightings;
};

class LockFile
{
public:
    explicit LockFile(const QString &path, System &system = System::real());
    ~LockFile();
    LockFile(const LockFile &) = delete;
    LockFile &operator=(const LockFile &) = delete;

    // Takes the lock, waiting as the rules say; false with *why when not.
    bool acquire(const Rules &rules, QString *why);
    // Removes the lock file, if it is still ours.
    void release();
    bool isHeld() const { return m_held; }
    QByteArray content() const { return m_content; }

private:
    enum class Verdict { Live, Stale };
    Verdict judge(const QByteArray &content, const Rules &rules);
    void takeOver(const QByteArray &seen);

    QString m_path;
    System &m_system;
    QByteArray m_content;
    bool m_held = false;
};

} // namespace ArchiveLock
