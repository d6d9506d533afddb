// The archive windows under faults of the program folder: a folder that may
// not be written, a full disk, another copy holding the lock, a copy that died
// holding it, damaged archives. Each row checks the box shown (kind, buttons,
// exact text), that no success was told, and the archive bytes afterwards.
//
// Besides the tests, this executable serves as the other copy of the program
// (see main at the bottom): it holds the archive lock, dies holding it, or
// appends cards through a registry window of its own.
#include "archivescreen.h"
#include "child.h"
#include "fakedialogs.h"
#include "faults.h"
#include "files.h"
#include "networkshare.h"
#include "testfolder.h"

#include "core/storage/archivelock.h"

#include "core/storage/recordlayout.h"
#include "declarations/declarationwindow.h"
#include "registry/frmanagrafica.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#ifdef Q_OS_WIN
#include <io.h>
#define fsync _commit
#else
#include <unistd.h>
#endif

using Kind = Dialogs::Kind;

namespace {
enum class Target { Registry, SelfCertification, Notoriety };

const char *targetName(Target t)
{
    return t == Target::Registry ? "registry" : t == Target::SelfCertification ? "self-certification" : "notoriety";
}

const RecordLayout &layoutOf(Target t)
{
    return t == Target::Registry ? SchedaAnagrafica::layout : SchedaDichiarazione::layout;
}

QString archiveOf(Target t)
{
    return QLatin1String(t == Target::Registry            ? ArchiveNames::registry
                         : t == Target::SelfCertification ? ArchiveNames::selfCertifications
                                                          : ArchiveNames::notorietyDeclarations);
}

ArchiveWindow *makeWindow(Target t)
{
    if (t == Target::Registry)
        return new FrmAnagrafica;
    return new DeclarationWindow(t == Target::SelfCertification ? DeclarationKind::SelfCertification
                                                                : DeclarationKind::Notoriety);
}

// A stored record that either window can save again: name, sex, telephone, subject, date.
QByteArray stored(Target t, int n)
{
    Record r(layoutOf(t));
    r.setField(u"Nome", QStringLiteral("Persona %1").arg(n));
    r.setField(u"Sesso", QStringLiteral("F"));
    r.setField(u"Tel", QStringLiteral("06 55%1").arg(n));
    if (t != Target::Registry) {
        r.setField(u"Oggetto", QStringLiteral("Oggetto %1").arg(n));
        r.setField(u"Data", QStringLiteral("01/02/2020"));
    }
    return r.bytes();
}

QByteArray records(Target t, int count)
{
    QByteArray all;
    for (int n = 1; n <= count; ++n)
        all += stored(t, n);
    return all;
}

QString nameIn(Target t, QByteArrayView record)
{
    return Record(layoutOf(t), record).field(u"Nome").trimmed();
}

QByteArray patterned(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = 2463534242u + seed;
    for (char &b : bytes) {
        x ^= x << 13; x ^= x >> 17; x ^= x << 5;   // xorshift: bytes of no layout
        b = char(x);
    }
    return bytes;
}

// One archive window shown as the menu shows it, driven by clicks and key presses.
struct Screen : ArchiveScreen<ArchiveWindow>
{
    Target target;

    explicit Screen(Target t) : ArchiveScreen(makeWindow(t)), target(t) {}
    // A new record typed in, ready to be saved.
    void typeNew(const QString &name)
    {
        click("cmdNuovo");
        type("txtNome", name);
        type("txtSesso", QStringLiteral("f"));
        if (target != Target::Registry) {
            type("txtTel", QStringLiteral("06 1234"));
            type("txtOggetto", QStringLiteral("Residenza"));
        }
    }
    // The declaration windows tell a failed save in a box with OK only.
    Dialogs::Buttons failureButtons() const
    {
        return target == Target::Registry ? Dialogs::Buttons::OkCancel : Dialogs::Buttons::Ok;
    }
};

// Another copy of the program in the middle of a write: it holds the lock
// the way ArchiveFile takes it until the test lets it go.
class LockHolder
{
public:
    bool start(const QString &lockPath)
    {
        m_process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock"), lockPath});
        return m_process.waitForStarted() && m_process.waitForReadyRead(30000)
               && m_process.readLine().trimmed() == "locked";
    }
    ~LockHolder()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.write("\n");
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(30000))
            m_process.kill();
    }

private:
    QProcess m_process;
};
} // namespace

Q_DECLARE_METATYPE(Target)

class TestFaultsArchive : public QObject
{
    Q_OBJECT
private slots:
    void saveFails_data();
    void saveFails();
    void lockOfDeadCopyIsTakenOver_data();
    void lockOfDeadCopyIsTakenOver();
    void damagedArchive_data();
    void damagedArchive();
    void twoCopiesAppendThroughTheirWindows();
    void copiesOnANetworkShare_data();
    void copiesOnANetworkShare();
};

void TestFaultsArchive::saveFails_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("storedCard");   // save over record 2 instead of a new card
    for (Target t : {Target::Registry, Target::SelfCertification, Target::Notoriety}) {
        for (bool storedCard : {false, true}) {
            const char *which = storedCard ? "stored" : "new";
            QTest::addRow("%s, %s, read-only folder", targetName(t), which) << t << "read-only folder" << storedCard;
            QTest::addRow("%s, %s, archive on /dev/full", targetName(t), which) << t << "/dev/full" << storedCard;
        }
        QTest::addRow("%s, new, read-only folder, no archive yet", targetName(t))
                << t << "read-only folder, no archive" << false;
        QTest::addRow("%s, new, full disk", targetName(t)) << t << "full disk" << false;
        // The lock file still finds a block; the record does not.
        QTest::addRow("%s, new, full disk but for the lock", targetName(t)) << t << "full disk, room for the lock" << false;
        // The registry window has these in its own tests.
        if (t != Target::Registry)
            QTest::addRow("%s, new, program folder is a file", targetName(t)) << t << "folder is a file" << false;
    }
    // Each waits the whole lock wait.
    QTest::addRow("registry, new, lock held by a live copy") << Target::Registry << "lock held" << false;
    QTest::addRow("self-certification, stored, lock held by a live copy")
            << Target::SelfCertification << "lock held" << true;
}

// A save that cannot reach the disk: the access error and nothing else, the
// screen as it was, the archive byte for byte as it was.
void TestFaultsArchive::saveFails()
{
    QFETCH(Target, target);
    QFETCH(QString, fault);
    QFETCH(bool, storedCard);

    TestFolder folder;
    std::unique_ptr<FullDisk> disk;
    if (fault.startsWith(QLatin1String("full disk"))) {
        disk = std::make_unique<FullDisk>();
        if (!disk->ok())
            QSKIP("no tmpfs can be mounted here, so no disk can be made full");
    }
    const QString programFolder = ProgramFolder::path();
    const QString archive = ProgramFolder::file(archiveOf(target));
    const bool onDevice = fault == QLatin1String("/dev/full");
    const QByteArray before = fault.contains(QLatin1String("no archive")) || onDevice ? QByteArray() : records(target, 3);
    if (onDevice)
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), archive));
    else if (!before.isEmpty())
        QVERIFY(writeFileBytes(archive, before));
    if (fault == QLatin1String("folder is a file")) {
        QVERIFY(writeFileBytes(folder.file(QStringLiteral("programma")), "non una cartella"));
        ProgramFolder::setPath(folder.file(QStringLiteral("programma")));
    }
    if (disk)
        QVERIFY(disk->fill(fault.endsWith(QLatin1String("lock")) ? 4096 : 0));
    LockHolder holder;
    if (fault == QLatin1String("lock held"))
        QVERIFY(holder.start(archive + QStringLiteral(".lock")));

    Screen s(target);
    if (storedCard)
        s.w->showRecord(2, stored(target, 2));
    else
        s.typeNew(QStringLiteral("Nuova Persona"));
    const QString shownName = s.box("txtNome")->text();
    const QString shownPosition = s.position();
    const QStringList entries = entriesOf(programFolder);

    std::unique_ptr<Immutable> readOnly;
    if (fault.startsWith(QLatin1String("read-only folder"))) {
        readOnly = std::make_unique<Immutable>(programFolder);
        if (!readOnly->ok())
            QSKIP("chattr +i is refused here, and root writes in any folder chmod makes read-only");
    }
    s.dialogs.clear();
    s.click("cmdSalva");
    readOnly.reset();

    QCOMPARE(s.dialogs.messages().size(), 1);
    QCOMPARE(s.dialogs.lastMessage().kind, Kind::Error);
    QCOMPARE(s.dialogs.lastMessage().buttons, s.failureButtons());
    QCOMPARE(s.dialogs.lastMessage().text, accessErrorText());
    QCOMPARE(s.position(), shownPosition);
    QCOMPARE(s.box("txtNome")->text(), shownName);
    QCOMPARE(entriesOf(programFolder), entries);
    if (onDevice)
        QCOMPARE(QFileInfo(archive).symLinkTarget(), QStringLiteral("/dev/full"));
    else if (fault != QLatin1String("folder is a file")) {
        QCOMPARE(fileBytes(archive).size(), before.size());
        QCOMPARE(fileBytes(archive), before);
    }
}

void TestFaultsArchive::lockOfDeadCopyIsTakenOver_data()
{
    QTest::addColumn<Target>("target");
    for (Target t : {Target::Registry, Target::SelfCertification, Target::Notoriety})
        QTest::addRow("%s", targetName(t)) << t;
}

// A copy that died while writing left its lock: the next save takes it
// over, appends and tells so.
void TestFaultsArchive::lockOfDeadCopyIsTakenOver()
{
    QFETCH(Target, target);
    TestFolder folder;
    const QString archive = folder.file(archiveOf(target));
    QVERIFY(writeFileBytes(archive, records(target, 2)));
    QProcess dying;
    dying.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--die-holding-lock"), archive + QStringLiteral(".lock")});
    QVERIFY(dying.waitForFinished(30000));
    QCOMPARE(dying.exitCode(), 0);
    QVERIFY(QFile::exists(archive + QStringLiteral(".lock")));

    Screen s(target);
    s.typeNew(QStringLiteral("Dopo il guasto"));
    s.dialogs.clear();
    s.click("cmdSalva");
    QCOMPARE(s.dialogs.messages().size(), 1);
    QCOMPARE(s.dialogs.lastMessage().kind, Kind::Information);
    QCOMPARE(s.dialogs.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(s.position(), QStringLiteral("3"));
    const QByteArray after = fileBytes(archive);
    QCOMPARE(after.size(), 3 * layoutOf(target).size);
    QCOMPARE(after.first(2 * layoutOf(target).size), records(target, 2));
    QCOMPARE(nameIn(target, QByteArrayView(after).sliced(2 * layoutOf(target).size)), QStringLiteral("Dopo il guasto"));
    QVERIFY(!QFile::exists(archive + QStringLiteral(".lock")));
}

void TestFaultsArchive::damagedArchive_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("damage");
    for (Target t : {Target::Registry, Target::SelfCertification, Target::Notoriety})
        for (const char *damage : {"partial last record", "foreign bytes", "zero length"})
            QTest::addRow("%s, %s", targetName(t), damage) << t << damage;
}

// What the windows make of an archive that is not a whole number of their
// records: the whole ones are shown, the tail is never read, and a new card
// goes over the tail without touching a byte of the records before it.
void TestFaultsArchive::damagedArchive()
{
    QFETCH(Target, target);
    QFETCH(QString, damage);
    const int size = layoutOf(target).size;
    TestFolder folder;
    const QString archive = folder.file(archiveOf(target));
    QByteArray bytes;
    if (damage == QLatin1String("partial last record"))
        bytes = records(target, 2) + stored(target, 3).first(1000);
    else if (damage == QLatin1String("foreign bytes"))
        bytes = patterned(2 * size + 123, size);
    const qsizetype whole = bytes.size() / size;
    QVERIFY(writeFileBytes(archive, bytes));

    Screen s(target);
    s.dialogs.clear();
    s.click("cmdUltimo");
    if (whole == 0) {
        QCOMPARE(s.dialogs.messages().size(), 1);
        QCOMPARE(s.dialogs.lastMessage().kind, Kind::Information);
        QCOMPARE(s.dialogs.lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(s.position(), QString());
    } else {
        QCOMPARE(s.dialogs.messages().size(), 0);
        QCOMPARE(s.position(), QString::number(whole));
        if (damage == QLatin1String("partial last record"))
            QCOMPARE(s.box("txtNome")->text(), QStringLiteral("Persona 2"));
    }
    s.click("cmdAvanti");   // past the last whole record: nothing
    QCOMPARE(s.position(), whole ? QString::number(whole) : QString());

    s.typeNew(QStringLiteral("Scheda nuova"));
    s.dialogs.clear();
    s.click("cmdSalva");
    QCOMPARE(s.dialogs.messages().size(), 1);
    QCOMPARE(s.dialogs.lastMessage().kind, Kind::Information);
    QCOMPARE(s.dialogs.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(s.position(), QString::number(whole + 1));
    const QByteArray after = fileBytes(archive);
    QCOMPARE(after.size(), (whole + 1) * size);
    QCOMPARE(after.first(whole * size), bytes.first(whole * size));
    QCOMPARE(nameIn(target, QByteArrayView(after).sliced(whole * size)), QStringLiteral("Scheda nuova"));

    // The new card reads back whole, from the window too.
    s.click("cmdPrimo");
    s.click("cmdUltimo");
    QCOMPARE(s.position(), QString::number(whole + 1));
    QCOMPARE(s.box("txtNome")->text(), QStringLiteral("Scheda nuova"));
}

namespace {
QString writerCardName(int writer, int seq)
{
    return QStringLiteral("Copia %1 scheda %2").arg(writer).arg(seq);
}

// The same card saved again with its name changed.
QString revisedCardName(int writer, int seq)
{
    return writerCardName(writer, seq) + QStringLiteral(" rivista");
}

// The card a registry window stores for a name and sex typed and nothing else.
QByteArray writerCard(int writer, int seq, bool revised = false)
{
    Record r(SchedaAnagrafica::layout);
    r.setField(SchedaAnagrafica::Nome, revised ? revisedCardName(writer, seq) : writerCardName(writer, seq));
    r.setField(SchedaAnagrafica::Sesso, QStringLiteral("M"));
    return r.bytes();
}
}

// Two copies of the program, each a process with its own registry window on
// the same program folder, add cards at the same time with New, typing and
// Save: afterwards every card of both is there once, whole.
void TestFaultsArchive::twoCopiesAppendThroughTheirWindows()
{
    constexpr int perCopy = 60;
    TestFolder folder;
    QProcess copies[2];
    for (int c = 0; c < 2; ++c) {
        copies[c].setProcessChannelMode(QProcess::ForwardedChannels);
        copies[c].start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--registry-writer"), folder.path(), QString::number(c + 1),
                         QString::number(perCopy)});
        QVERIFY(copies[c].waitForStarted());
    }
    // Both windows are up before either starts.
    for (int c = 1; c <= 2; ++c) {
        const QString ready = folder.file(QStringLiteral("ready%1").arg(c));
        QDeadlineTimer wait(60000);
        while (!QFile::exists(ready) && !wait.hasExpired())
            QTest::qWait(10);
        QVERIFY2(QFile::exists(ready), "a copy never showed its window");
    }
    QVERIFY(writeFileBytes(folder.file(QStringLiteral("go")), "go"));
    for (QProcess &p : copies) {
        QVERIFY(p.waitForFinished(240000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }

    const QByteArray bytes = fileBytes(folder.file(QLatin1String(ArchiveNames::registry)));
    constexpr int R = SchedaAnagrafica::Size;
    QCOMPARE(bytes.size(), qsizetype(2 * perCopy) * R);
    static const QRegularExpression tag(QStringLiteral("^Copia (\\d) scheda (\\d+)$"));
    int lastSeq[3] = {0, 0, 0};
    for (int n = 0; n < 2 * perCopy; ++n) {
        const QByteArrayView raw = QByteArrayView(bytes).sliced(qsizetype(n) * R, R);
        const auto m = tag.match(Record(SchedaAnagrafica::layout, raw).field(SchedaAnagrafica::Nome));
        QVERIFY2(m.hasMatch(), qPrintable(QStringLiteral("record %1 is damaged").arg(n + 1)));
        const int writer = m.captured(1).toInt(), seq = m.captured(2).toInt();
        QVERIFY(writer == 1 || writer == 2);
        QVERIFY2(raw == writerCard(writer, seq), qPrintable(QStringLiteral("record %1 is not whole").arg(n + 1)));
        // Each copy's cards follow in its own order: none lost, none twice.
        QCOMPARE(seq, lastSeq[writer] + 1);
        lastSeq[writer] = seq;
    }
    QCOMPARE(lastSeq[1], perCopy);
    QCOMPARE(lastSeq[2], perCopy);
}

namespace {
// Waits until every copy has shown its window, then lets them all start.
bool startTogether(const QString &folder, int copies)
{
    for (int c = 1; c <= copies; ++c) {
        const QString ready = QDir(folder).filePath(QStringLiteral("ready%1").arg(c));
        QDeadlineTimer wait(60000);
        while (!QFile::exists(ready) && !wait.hasExpired())
            QTest::qWait(10);
        if (!QFile::exists(ready))
            return false;
    }
    return writeFileBytes(QDir(folder).filePath(QStringLiteral("go")), "go");
}

// Processes started for one test and ended with it, also when it fails.
struct Helpers
{
    std::vector<std::unique_ptr<QProcess>> processes;
    QProcess &start(const QStringList &arguments)
    {
        processes.push_back(std::make_unique<QProcess>());
        QProcess &p = *processes.back();
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(QCoreApplication::applicationFilePath(), arguments);
        return p;
    }
    ~Helpers()
    {
        for (auto &p : processes) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }
};
} // namespace

void TestFaultsArchive::copiesOnANetworkShare_data()
{
    QTest::addColumn<bool>("lockTaker");
    QTest::addColumn<bool>("overwrites");
    QTest::newRow("three copies adding cards") << false << false;
    QTest::newRow("three copies and a fourth taking the lock all the time") << true << false;
    QTest::newRow("three copies adding and saving cards again") << false << true;
}

// The program folder shared over the network to three PCs, each its own
// client mount, a copy of the program on each adding 40 cards through its
// registry window (and in one case saving every other card again with a
// new name), while the machine is busy with other work and, in one case, a
// fourth PC takes and drops the archive's lock all the time. Every save the
// window told as done is in the archive, whole, once, at the position it
// showed, and no save was refused.
void TestFaultsArchive::copiesOnANetworkShare()
{
    QFETCH(bool, lockTaker);
    QFETCH(bool, overwrites);
    constexpr int copies = 3, perCopy = 40;

    NetworkShare share;
    if (!share.ok())
        QSKIP(qPrintable(QStringLiteral("no network share can be set up here: ") + share.whyNot()));
    QStringList mounts;
    for (int c = 0; c < copies + (lockTaker ? 1 : 0); ++c) {
        mounts << share.client();
        if (mounts.last().isEmpty())
            QSKIP(qPrintable(share.whyNot()));
    }
    QTemporaryDir local;
    QVERIFY(local.isValid());

    Helpers helpers;
    for (int b = 0; b < 3; ++b)
        helpers.start({QStringLiteral("--busy"), local.path(), QString::number(120)});
    if (lockTaker) {
        const QString lock = QDir(mounts.last()).filePath(QLatin1String(ArchiveNames::registry) + QStringLiteral(".lock"));
        helpers.start({QStringLiteral("--take-locks"), lock, QString::number(120)});
    }
    std::vector<QProcess *> writers;
    for (int c = 0; c < copies; ++c) {
        writers.push_back(&helpers.start({QStringLiteral("--registry-writer"), mounts[c], QString::number(c + 1),
                                          QString::number(perCopy),
                                          overwrites ? QStringLiteral("overwrites") : QStringLiteral("appends"),
                                          local.filePath(QStringLiteral("told%1").arg(c + 1))}));
        QVERIFY(writers.back()->waitForStarted());
    }
    QVERIFY2(startTogether(share.serverPath(), copies), "a copy never showed its window");
    QElapsedTimer clock;
    clock.start();
    for (QProcess *p : writers) {
        QVERIFY(p->waitForFinished(240000));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);   // every save told as done, none refused
    }
    qInfo("%d cards saved by %d copies over the share in %lld ms", copies * perCopy, copies, clock.elapsed());

    constexpr int R = SchedaAnagrafica::Size;
    const QByteArray bytes = fileBytes(QDir(share.serverPath()).filePath(QLatin1String(ArchiveNames::registry)));
    QCOMPARE(bytes.size(), qsizetype(copies * perCopy) * R);
    // What each window told: the position it showed for every card.
    QSet<qsizetype> positions;
    for (int c = 1; c <= copies; ++c) {
        const QList<QByteArray> told = fileBytes(local.filePath(QStringLiteral("told%1").arg(c))).split('\n');
        int cards = 0;
        for (const QByteArray &line : told) {
            if (line.isEmpty())
                continue;
            const QList<QByteArray> f = line.split(' ');   // seq position
            const int seq = f[0].toInt();
            const qsizetype n = f[1].toLongLong();
            QVERIFY(n >= 1 && n <= copies * perCopy);
            QVERIFY2(!positions.contains(n), qPrintable(QStringLiteral("two cards told at %1").arg(n)));
            positions.insert(n);
            const bool revised = overwrites && seq % 2 == 1;
            QVERIFY2(bytes.sliced((n - 1) * R, R) == writerCard(c, seq, revised),
                     qPrintable(QStringLiteral("copy %1 card %2 is not whole at %3").arg(c).arg(seq).arg(n)));
            ++cards;
        }
        QCOMPARE(cards, perCopy);
    }
    QCOMPARE(positions.size(), copies * perCopy);
}

namespace {
// Holds the archive lock as a copy in the middle of a write does, until a
// line (or the end) arrives on stdin.
int holdLock(const char *path)
{
    QLockFile lock(QString::fromLocal8Bit(path));
    if (!lock.tryLock(0))
        return 1;
    std::fputs("locked\n", stdout);
    std::fflush(stdout);
    char line[8];
    (void)std::fgets(line, sizeof line, stdin);
    return 0;
}

// A copy that dies in the middle of a write, leaving its lock behind.
int dieHoldingLock(const char *path)
{
    QLockFile lock(QString::fromLocal8Bit(path));
    if (!lock.tryLock(0))
        return 1;
    std::_Exit(0);
}

// Other work on the machine: a big file written and synced, then a spell of
// spinning, over and over for `seconds`.
int busy(const char *folder, int seconds)
{
    const QString path = QDir(QString::fromLocal8Bit(folder)).filePath(QStringLiteral("busy%1").arg(QCoreApplication::applicationPid()));
    const QByteArray block(1 << 20, 'b');
    QElapsedTimer clock;
    clock.start();
    volatile quint64 sink = 0;
    while (clock.elapsed() < seconds * 1000) {
        QFile big(path);
        if (big.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            for (int i = 0; i < 16; ++i)
                big.write(block);
            big.flush();
            ::fsync(big.handle());
        }
        big.remove();
        QElapsedTimer spin;
        spin.start();
        while (spin.elapsed() < 50)
            sink = sink + 1;
    }
    return 0;
}

// A copy of the program on another PC saving all the time: it takes the
// archive's lock as every copy does, holds it a few milliseconds, drops it
// and soon takes it again, for `seconds`.
int takeLocks(const char *path, int seconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        ArchiveLock::LockFile lock(QString::fromLocal8Bit(path));
        QString why;
        if (lock.acquire(ArchiveLock::Rules(), &why)) {
            QThread::msleep(1 + QRandomGenerator::global()->bounded(8));
            lock.release();
        }
        QThread::msleep(1 + QRandomGenerator::global()->bounded(8));
    }
    return 0;
}

// A copy of the program on the registry window: New, the name and sex typed
// key by key, Save, `count` times; every save must say it appended. With
// "overwrites", every other card is then saved again under a new name, and
// must say so. With a file to tell, each card's number and the position the
// window showed go there.
int registryWriter(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const int writer = std::atoi(argv[3]);
    const int count = std::atoi(argv[4]);
    const bool overwrites = argc == 7 && qstrcmp(argv[5], "overwrites") == 0;
    QFile told(argc == 7 ? QString::fromLocal8Bit(argv[6]) : QString());
    if (argc == 7 && !told.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 5;
    ProgramFolder::setPath(folder);
    FakeDialogs dialogs;
    FrmAnagrafica w;
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        return 3;
    auto *name = w.findChild<QLineEdit *>(QStringLiteral("txtNome"));
    auto *sex = w.findChild<QLineEdit *>(QStringLiteral("txtSesso"));
    auto *newCard = w.findChild<QAbstractButton *>(QStringLiteral("cmdNuovo"));
    auto *save = w.findChild<QAbstractButton *>(QStringLiteral("cmdSalva"));
    auto *position = w.findChild<QLabel *>(QStringLiteral("lblPosizione"));
    if (!name || !sex || !newCard || !save || !position)
        return 4;

    writeFileBytes(QDir(folder).filePath(QStringLiteral("ready%1").arg(writer)), "ready");
    QDeadlineTimer wait(60000);
    while (!QFile::exists(QDir(folder).filePath(QStringLiteral("go"))) && !wait.hasExpired())
        QThread::msleep(1);

    for (int seq = 1; seq <= count; ++seq) {
        dialogs.clear();
        QTest::mouseClick(newCard, Qt::LeftButton);
        QTest::keyClicks(name, writerCardName(writer, seq));
        sex->setFocus();
        QTest::keyClicks(sex, QStringLiteral("m"));
        QTest::mouseClick(save, Qt::LeftButton);
        if (dialogs.messages().size() != 1
            || dialogs.lastMessage().text != QStringLiteral("La scheda corrente è stata inserita in archivio.")) {
            std::fprintf(stderr, "copy %d card %d: %s\n", writer, seq, qPrintable(dialogs.lastMessage().text));
            return 1;
        }
        const QString shown = position->text().trimmed();
        if (overwrites && seq % 2 == 1) {
            dialogs.clear();
            name->setFocus();
            name->selectAll();
            QTest::keyClicks(name, revisedCardName(writer, seq));
            QTest::mouseClick(save, Qt::LeftButton);
            if (dialogs.messages().size() != 1 || position->text().trimmed() != shown
                || dialogs.lastMessage().text
                           != QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")) {
                std::fprintf(stderr, "copy %d card %d again: %s\n", writer, seq,
                             qPrintable(dialogs.lastMessage().text));
                return 1;
            }
        }
        if (told.isOpen()) {
            told.write(QStringLiteral("%1 %2\n").arg(seq).arg(shown).toLatin1());
            told.flush();
        }
    }
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--hold-lock") == 0)
        return holdLock(argv[2]);
    if (argc == 3 && qstrcmp(argv[1], "--die-holding-lock") == 0)
        return dieHoldingLock(argv[2]);
    if ((argc == 5 || argc == 7) && qstrcmp(argv[1], "--registry-writer") == 0)
        return registryWriter(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--busy") == 0)
        return busy(argv[2], std::atoi(argv[3]));
    if (argc == 4 && qstrcmp(argv[1], "--take-locks") == 0)
        return takeLocks(argv[2], std::atoi(argv[3]));

    QApplication app(argc, argv);
    TestFaultsArchive tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_faults_archive.moc"
