// The lock rules against a fake world: a clock that moves only when the
// waiter sleeps, lock files in a table, processes in a set, and other copies
// that do things at given times.
#include "core/storage/archivelock.h"

#include <QtTest>

#include <functional>
#include <map>
#include <set>

using namespace ArchiveLock;

namespace {
const QString lockPath = QStringLiteral("/share/Anagrafica.pro.lock");

QByteArray lockOf(qint64 pid, const char *host, const char *machine = "m-other", const char *boot = "b-other",
                  const char *mark = "1 1700000000000")
{
    return QByteArray::number(pid) + "\nattestari\n" + host + '\n' + machine + '\n' + boot + '\n' + mark + '\n';
}

class FakeSystem : public System
{
public:
    qint64 now = 0;
    std::map<QString, QByteArray> files;
    std::set<qint64> running{100};
    std::multimap<qint64, std::function<void()>> events;   // what others do, by time
    // Until then the lock's name is neither there nor creatable (a removal
    // still pending on the server).
    qint64 pendingUntil = -1;
    std::function<void(const QString &)> beforeRename;
    int reads = 0;
    QList<int> sleeps;

    void at(qint64 t, std::function<void()> what) { events.emplace(t, std::move(what)); }
    void settle()
    {
        while (!events.empty() && events.begin()->first <= now) {
            auto what = events.begin()->second;
            events.erase(events.begin());
            what();
        }
    }

    qint64 nowMs() override { return now; }
    void sleepMs(int ms) override
    {
        sleeps.append(ms);
        now += ms;
        settle();
    }
    int jitterMs(int) override { return 0; }
    bool createNew(const QString &path, const QByteArray &content, QString *error) override
    {
        if (now < pendingUntil || files.count(path)) {
            // What a share says varies; the waiter must not rely on it.
            *error = QStringLiteral("Permission denied");
            return false;
        }
        files[path] = content;
        return true;
    }
    bool exists(const QString &path) override { return now >= pendingUntil && files.count(path); }
    std::optional<QByteArray> read(const QString &path) override
    {
        ++reads;
        auto it = files.find(path);
        if (it == files.end())
            return std::nullopt;
        return it->second;
    }
    bool renameNew(const QString &from, const QString &to) override
    {
        if (beforeRename)
            beforeRename(from);
        if (!files.count(from) || files.count(to))
            return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool remove(const QString &path) override { return files.erase(path) > 0; }
    Owner self() override
    {
        Owner me;
        me.pid = 100;
        me.program = QStringLiteral("attestari");
        me.host = QStringLiteral("pc-a");
        me.machineId = "m-a";
        me.bootId = "b-a";
        return me;
    }
    bool isRunning(qint64 pid) override { return running.count(pid) > 0; }
    QByteArray uniqueMark() override { return QByteArray::number(++marks) + " 1700000000000"; }
    int marks = 0;
};

struct Attempt
{
    bool ok;
    QString why;
    qint64 tookMs;
};

Attempt tryOnce(FakeSystem &sys, LockFile &lock, const Rules &rules = {})
{
    sys.settle();
    const qint64 start = sys.now;
    QString why;
    const bool ok = lock.acquire(rules, &why);
    return {ok, why, sys.now - start};
}
} // namespace

class TstStorageLock : public QObject
{
    Q_OBJECT
private slots:
    void heldLockIsWaitedFor_data();
    void heldLockIsWaitedFor();
    void creationFailsWithNoLockThere();
    void staleLock_data();
    void staleLock();
    void liveLockMovedByMistakeGoesBack();
    void releaseLeavesAnotherCopysLock();
    void lockContentReadsAsQLockFile();
};

void TstStorageLock::heldLockIsWaitedFor_data()
{
    QTest::addColumn<int>("heldMs");
    QTest::addColumn<bool>("anotherHost");
    QTest::newRow("a few ms, this host") << 8 << false;
    QTest::newRow("a few ms, another PC") << 8 << true;
    QTest::newRow("3 s, another PC") << 3000 << true;
    QTest::newRow("4.9 s, this host") << 4900 << false;
}

// Another copy holds the lock for a while; every failed create while its
// lock is there reads "permission denied", as some shares say. The waiter
// gets the lock soon after it goes, backing off from 2 ms to 50 ms, and
// reads the owner first after 200 ms and then at most once a second.
void TstStorageLock::heldLockIsWaitedFor()
{
    QFETCH(int, heldMs);
    QFETCH(bool, anotherHost);
    FakeSystem sys;
    sys.running.insert(7);
    sys.files[lockPath] = anotherHost ? lockOf(7, "pc-b") : lockOf(7, "pc-a", "m-a", "b-a");
    sys.at(heldMs, [&] { sys.files.erase(lockPath); });

    LockFile lock(lockPath, sys);
    const Attempt a = tryOnce(sys, lock);
    QVERIFY2(a.ok, qPrintable(a.why));
    QVERIFY(a.tookMs >= heldMs);
    QVERIFY(a.tookMs <= heldMs + 50);
    QCOMPARE(sys.files[lockPath], lock.content());
    QVERIFY(sys.reads <= (heldMs >= 200 ? 1 + (heldMs - 200) / 1000 + 1 : 0));
    QCOMPARE(sys.sleeps.first(), 2);
    QVERIFY(*std::max_element(sys.sleeps.begin(), sys.sleeps.end()) <= 50);
    for (int i = 1; i < sys.sleeps.size(); ++i)
        QVERIFY(sys.sleeps[i] >= sys.sleeps[i - 1]);

    lock.release();
    QVERIFY(!sys.files.count(lockPath));
}

// A name that cannot be created while no lock is there: for a moment that is
// a removal still pending on the server, waited out; for good it is a
// folder we may not write in, told after a quarter of a second, not 5 s.
void TstStorageLock::creationFailsWithNoLockThere()
{
    FakeSystem sys;
    sys.pendingUntil = 120;
    LockFile lock(lockPath, sys);
    Attempt a = tryOnce(sys, lock);
    QVERIFY2(a.ok, qPrintable(a.why));
    QVERIFY(a.tookMs >= 120);
    lock.release();

    FakeSystem never;
    never.pendingUntil = 1 << 30;
    LockFile refused(lockPath, never);
    a = tryOnce(never, refused);
    QVERIFY(!a.ok);
    QVERIFY(a.why.startsWith(QStringLiteral("impossibile creare il file di blocco")));
    QVERIFY(a.tookMs >= 250);
    QVERIFY(a.tookMs < 400);
}

void TstStorageLock::staleLock_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("changesEveryMs");   // 0: the content never changes
    QTest::addColumn<int>("takenAfterMs");     // -1: never, over 20 s of saves

    // One save waits 5 s; the copy saves again and again, and what it saw of
    // the lock counts across its saves.
    QTest::newRow("another PC, dead") << lockOf(7, "pc-b") << 0 << 10000;
    // Its clock says nothing: the mark is an hour old by ours, or in the future.
    QTest::newRow("another PC, mark an hour old") << lockOf(7, "pc-b", "m", "b", "1 1699996400000") << 0 << 10000;
    QTest::newRow("another PC saving all the time") << lockOf(7, "pc-b") << 800 << -1;
    QTest::newRow("this host, process gone") << lockOf(7, "pc-a", "m-a", "b-a") << 0 << 200;
    QTest::newRow("this host, before its last start") << lockOf(100, "pc-a", "m-a", "b-old") << 0 << 200;
    QTest::newRow("this host, process alive") << lockOf(100, "pc-a", "m-a", "b-a") << 0 << 10000;
    QTest::newRow("same name, another machine") << lockOf(7, "pc-a", "m-other") << 0 << 10000;
    QTest::newRow("written by no copy") << QByteArray("?") << 0 << 10000;
    QTest::newRow("empty") << QByteArray() << 0 << 10000;
}

// When a lock left in place counts as left by a dead copy and is taken over.
void TstStorageLock::staleLock()
{
    QFETCH(QByteArray, content);
    QFETCH(int, changesEveryMs);
    QFETCH(int, takenAfterMs);
    FakeSystem sys;
    sys.files[lockPath] = content;
    if (changesEveryMs) {
        for (int t = changesEveryMs, n = 2; t < 30000; t += changesEveryMs, ++n)
            sys.at(t, [&sys, n] { sys.files[lockPath] = lockOf(7, "pc-b", "m", "b", QByteArray::number(n).constData()); });
    }

    qint64 takenAt = -1;
    while (sys.now < 20000) {
        LockFile lock(lockPath, sys);
        const Attempt a = tryOnce(sys, lock);
        if (a.ok) {
            takenAt = sys.now;
            QCOMPARE(sys.files[lockPath], lock.content());
            break;
        }
        QCOMPARE(a.why, QStringLiteral("l'archivio è bloccato da un'altra copia del programma"));
        QVERIFY(a.tookMs >= 5000 && a.tookMs < 5100);
        sys.now += 300;   // the user reads the message and saves again
    }
    if (takenAfterMs < 0) {
        QCOMPARE(takenAt, -1);
    } else {
        QVERIFY2(takenAt >= takenAfterMs && takenAt <= takenAfterMs + 1400, qPrintable(QString::number(takenAt)));
    }
    // Nothing set aside stays behind; a lock taken went with its save.
    QCOMPARE(sys.files.size(), size_t(takenAt < 0 ? 1 : 0));
}

// Two waiters judged the same dead lock: the other one took it over and made
// its own lock just before this one moves "the dead lock" aside. This one
// finds a content it did not judge, puts the live lock back and keeps
// waiting.
void TstStorageLock::liveLockMovedByMistakeGoesBack()
{
    FakeSystem sys;
    sys.files[lockPath] = lockOf(7, "pc-a", "m-a", "b-a");   // this host, process gone
    const QByteArray rival = lockOf(8, "pc-c", "m-c", "b-c", "5 1700000000000");
    bool once = true;
    sys.beforeRename = [&](const QString &from) {
        if (from == lockPath && once) {
            once = false;
            sys.files[lockPath] = rival;
        }
    };
    sys.at(3000, [&] { sys.files.erase(lockPath); });   // the rival's save ends

    LockFile lock(lockPath, sys);
    Rules rules;
    rules.waitMs = 2000;
    Attempt a = tryOnce(sys, lock, rules);
    QVERIFY(!a.ok);
    QCOMPARE(sys.files[lockPath], rival);
    QCOMPARE(sys.files.size(), size_t(1));
    a = tryOnce(sys, lock, rules);
    QVERIFY2(a.ok, qPrintable(a.why));
}

// A copy that stalled so long that another took its lock for dead leaves
// the other's lock in place when it finishes.
void TstStorageLock::releaseLeavesAnotherCopysLock()
{
    FakeSystem sys;
    LockFile lock(lockPath, sys);
    QVERIFY(tryOnce(sys, lock).ok);
    const QByteArray other = lockOf(9, "pc-b");
    sys.files[lockPath] = other;
    lock.release();
    QCOMPARE(sys.files[lockPath], other);
    QVERIFY(!lock.isHeld());
}

// The lock's first lines are those of QLockFile, so older copies of the
// program, which take the lock with it, read ours as theirs.
void TstStorageLock::lockContentReadsAsQLockFile()
{
    FakeSystem sys;
    LockFile lock(lockPath, sys);
    QVERIFY(tryOnce(sys, lock).ok);
    const std::optional<Owner> owner = parse(lock.content());
    QVERIFY(owner);
    QCOMPARE(owner->pid, qint64(100));
    QCOMPARE(owner->program, QStringLiteral("attestari"));
    QCOMPARE(owner->host, QStringLiteral("pc-a"));
    QCOMPARE(owner->machineId, QByteArray("m-a"));
    QCOMPARE(owner->bootId, QByteArray("b-a"));
    QCOMPARE(lock.content().count('\n'), 6);

    // Two locks of one copy never read the same, or a waiter would take a
    // new one for the old.
    lock.release();
    const QByteArray first = lock.content();
    QVERIFY(tryOnce(sys, lock).ok);
    QVERIFY(lock.content() != first);
}

QTEST_GUILESS_MAIN(TstStorageLock)
#include "tst_storage_lock.moc"
