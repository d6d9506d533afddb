#include "core/storage/archivefile.h"
#include "core/storage/programfolder.h"
#include "core/storage/recordlayout.h"
#include "files.h"
#include "testfolder.h"

#include <QtTest>

#include <cstdlib>

// Besides the tests, this executable serves as a second copy of the program
// writing to the same archive (see main at the bottom).

namespace {
constexpr int R = SchedaAnagrafica::Size;
const QString registry = QString::fromLatin1(ArchiveNames::registry);

// A record that is different in every byte position from its neighbours, so
// a record read from the wrong offset never looks right.
QByteArray patterned(qint64 n, int size = R)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((n * 131 + i * 7) % 251);
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(writeFileBytes(path, bytes));
}

// The card a writer process appends as its seq-th record.
QByteArray workerRecord(int writer, int seq)
{
    Record card(SchedaAnagrafica::layout);
    const QString tag = QStringLiteral("writer %1 seq %2").arg(writer).arg(seq);
    card.setField(SchedaAnagrafica::Nome, tag);
    card.setField(SchedaAnagrafica::Note, tag.repeated(8));
    card.setField(SchedaAnagrafica::Desc03, tag);
    return card.bytes();
}

int appendWorker(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const int writer = atoi(argv[3]);
    const int n = atoi(argv[4]);
    ProgramFolder::setPath(folder);

    // Start together with the other writer, when the test says go.
    QDeadlineTimer wait(30000);
    while (!QFile::exists(QDir(folder).filePath(QStringLiteral("go"))) && !wait.hasExpired())
        QThread::msleep(1);

    for (int seq = 1; seq <= n; ++seq) {
        // One command, one open, as the windows do it.
        ArchiveFile file(registry, R);
        if (!file.open() || file.append(workerRecord(writer, seq)) == 0) {
            fprintf(stderr, "writer %d seq %d: %s\n", writer, seq, qPrintable(file.errorString()));
            return 1;
        }
        file.close();
    }
    return 0;
}

// A handle of a network client that keeps the size it learnt at open, as
// NFS does for a few seconds (and sshfs with its cache on): another PC's
// append stays unseen until the next open. It logs what the writer does and
// whether the lock is there meanwhile, and may fail its writes half way.
struct ClientLog
{
    QStringList events;
    bool failWrites = false;
};

class CachingClientHandle final : public ArchiveHandle
{
public:
    explicit CachingClientHandle(ClientLog &log) : m_log(log) {}
    ~CachingClientHandle() override { close(); }
    bool open(const QString &path) override
    {
        m_lock = path + QStringLiteral(".lock");
        if (!m_disk->open(path))
            return false;
        m_size = m_disk->size();
        note(QStringLiteral("open"));
        return true;
    }
    void close() override
    {
        if (m_disk->isOpen())
            note(QStringLiteral("close"));
        m_disk->close();
    }
    bool isOpen() const override { return m_disk->isOpen(); }
    qint64 size() override { return m_size; }
    qint64 readAt(qint64 offset, char *data, qint64 length) override { return m_disk->readAt(offset, data, length); }
    bool writeAt(qint64 offset, const QByteArray &bytes) override
    {
        note(QStringLiteral("write"));
        const QByteArray part = m_log.failWrites ? bytes.first(bytes.size() / 2) : bytes;
        const bool ok = m_disk->writeAt(offset, part);
        m_size = qMax(m_size, offset + part.size());
        return ok && !m_log.failWrites;
    }
    bool sync() override
    {
        note(QStringLiteral("sync"));
        return m_disk->sync();
    }
    bool resize(qint64 size) override
    {
        m_size = size;
        return m_disk->resize(size);
    }
    QString errorString() const override { return m_log.failWrites ? QStringLiteral("disco pieno") : m_disk->errorString(); }

private:
    void note(const QString &what)
    {
        m_log.events << what + (QFile::exists(m_lock) ? QStringLiteral(" locked") : QString());
    }
    ClientLog &m_log;
    std::unique_ptr<ArchiveHandle> m_disk = ArchiveHandle::onDisk();
    QString m_lock;
    qint64 m_size = 0;
};

ArchiveHandle::Factory cachingClient(ClientLog &log)
{
    return [&log] { return std::make_unique<CachingClientHandle>(log); };
}

// A copy that dies in the middle of a write, leaving its lock behind.
int dieHoldingLock(char *argv[])
{
    QLockFile lock(QString::fromLocal8Bit(argv[2]));
    if (!lock.tryLock(0))
        return 1;
    std::_Exit(0);
}
}

class TstStorageArchive : public QObject
{
    Q_OBJECT

private slots:
    void openCreatesMissingFile();
    void openNeverTruncates();
    void openFails_data();
    void openFails();
    void partialRecordCountAndAppend();
    void readAndWriteBounds();
    void sequentialReading_data();
    void sequentialReading();
    void nextContinuesAfterRead();
    void declarationOffsetsInFile();
    void concurrentAppendsFromTwoProcesses();
    void heldLockFailsTheWrite();
    void lockOfDeadCopyIsTakenOver();
    void staleEndOfAClient_data();
    void staleEndOfAClient();
};

void TstStorageArchive::openCreatesMissingFile()
{
    TestFolder folder;
    ArchiveFile file(registry, R);
    QCOMPARE(file.filePath(), folder.file(registry));
    QVERIFY(!QFile::exists(folder.file(registry)));
    QVERIFY2(file.open(), qPrintable(file.errorString()));
    QVERIFY(QFile::exists(folder.file(registry)));
    QCOMPARE(file.count(), 0);
    QCOMPARE(file.position(), 0);
    QVERIFY(file.atEnd());
    QByteArrayView view;
    QVERIFY(!file.next(&view));
    QVERIFY(!file.errorString().isEmpty());
    file.close();
    QCOMPARE(QFileInfo(folder.file(registry)).size(), 0);
}

void TstStorageArchive::openNeverTruncates()
{
    TestFolder folder;
    const QByteArray before = patterned(1) + patterned(2) + QByteArray(77, 'z');
    writeFile(folder.file(registry), before);

    ArchiveFile file(registry, R);
    QVERIFY(file.open());
    QCOMPARE(file.count(), 2);
    file.close();
    QVERIFY(file.open());
    file.close();
    QCOMPARE(fileBytes(folder.file(registry)), before);
}

// Real failures, without permissions (tests may run as root).
void TstStorageArchive::openFails_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("program folder is a file") << "folder is file";
    QTest::newRow("archive is a directory") << "archive is dir";
    QTest::newRow("program folder missing") << "folder missing";
}

void TstStorageArchive::openFails()
{
    QFETCH(QString, obstacle);
    TestFolder folder;
    if (obstacle == QLatin1String("folder is file")) {
        writeFile(folder.file(QStringLiteral("program")), "not a folder");
        ProgramFolder::setPath(folder.file(QStringLiteral("program")));
    } else if (obstacle == QLatin1String("archive is dir")) {
        QVERIFY(QDir(folder.path()).mkdir(registry));
    } else {
        ProgramFolder::setPath(folder.file(QStringLiteral("missing")));
    }

    ArchiveFile file(registry, R);
    QVERIFY(!file.open());
    QVERIFY(!file.errorString().isEmpty());
    QCOMPARE(file.count(), -1);
    QCOMPARE(file.append(patterned(1)), 0);
    QVERIFY(!QFileInfo(file.filePath()).isFile());
}

void TstStorageArchive::partialRecordCountAndAppend()
{
    TestFolder folder;
    QByteArray five;
    for (int n = 1; n <= 5; ++n)
        five += patterned(n);
    writeFile(folder.file(registry), five + QByteArray(100, 'x'));

    ArchiveFile file(registry, R);
    QVERIFY(file.open());
    QCOMPARE(file.count(), 5);
    QByteArray record;
    QVERIFY(!file.read(6, &record));   // the partial record cannot be read

    QCOMPARE(file.append(patterned(6)), 6);
    QCOMPARE(file.position(), 6);
    QCOMPARE(file.count(), 6);
    file.close();
    QCOMPARE(fileBytes(folder.file(registry)), five + patterned(6));
    QVERIFY(!QFile::exists(folder.file(registry) + QStringLiteral(".lock")));
}

void TstStorageArchive::readAndWriteBounds()
{
    TestFolder folder;
    ArchiveFile file(registry, R);
    QVERIFY(file.open());
    QByteArray record;
    QVERIFY(!file.read(1, &record));
    QVERIFY(!file.write(2, patterned(2)));           // beyond count + 1
    QVERIFY(!file.write(0, patterned(0)));
    QVERIFY(!file.write(1, patterned(1).left(R - 1))); // wrong size
    QCOMPARE(file.append(QByteArray(R + 1, 'x')), 0);
    QCOMPARE(file.count(), 0);

    QVERIFY(file.write(1, patterned(1)));            // count + 1 appends
    QCOMPARE(file.position(), 1);
    QCOMPARE(file.append(patterned(2)), 2);
    QCOMPARE(file.append(patterned(3)), 3);
    QVERIFY(file.write(2, patterned(20)));           // in place
    QCOMPARE(file.position(), 2);
    QCOMPARE(file.count(), 3);

    QVERIFY(file.read(3, &record));
    QCOMPARE(record, patterned(3));
    QCOMPARE(file.position(), 3);
    QVERIFY(file.read(2, &record));
    QCOMPARE(record, patterned(20));
    QVERIFY(!file.read(4, &record));
    QVERIFY(!file.read(0, &record));
    QCOMPARE(file.position(), 2);                    // failures move nothing
    file.close();

    QCOMPARE(fileBytes(folder.file(registry)), patterned(1) + patterned(20) + patterned(3));
    QCOMPARE(file.count(), -1);                      // closed
}

void TstStorageArchive::sequentialReading_data()
{
    QTest::addColumn<int>("recordSize");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("tail");   // bytes of a partial record at the end

    QTest::newRow("one card") << R << 1 << 0;
    QTest::newRow("cards over several blocks") << R << 700 << 0;
    QTest::newRow("cards, partial tail") << R << 300 << 1234;
    QTest::newRow("declarations over blocks") << int(SchedaDichiarazione::Size) << 300 << 10;
}

void TstStorageArchive::sequentialReading()
{
    QFETCH(int, recordSize);
    QFETCH(int, records);
    QFETCH(int, tail);
    TestFolder folder;
    QByteArray all;
    for (int n = 1; n <= records; ++n)
        all += patterned(n, recordSize);
    writeFile(folder.file(registry), all + QByteArray(tail, 'x'));

    ArchiveFile file(registry, recordSize);
    QVERIFY(file.open());
    int seen = 0;
    QByteArrayView view;
    while (!file.atEnd()) {
        QVERIFY2(file.next(&view), qPrintable(file.errorString()));
        ++seen;
        QCOMPARE(file.position(), seen);
        QVERIFY(view == patterned(seen, recordSize));
    }
    QCOMPARE(seen, records);
    QVERIFY(!file.next(&view));
    QCOMPARE(file.position(), records);
}

// next continues from the record last read or written, and sees a record
// written by this object after the block was read ahead.
void TstStorageArchive::nextContinuesAfterRead()
{
    TestFolder folder;
    QByteArray all;
    for (int n = 1; n <= 20; ++n)
        all += patterned(n);
    writeFile(folder.file(registry), all);

    ArchiveFile file(registry, R);
    QVERIFY(file.open());
    QByteArrayView view;
    QVERIFY(file.next(&view));
    QVERIFY(file.write(5, patterned(500)));
    QByteArray record;
    QVERIFY(file.read(3, &record));
    QVERIFY(file.next(&view));
    QCOMPARE(file.position(), 4);
    QVERIFY(view == patterned(4));
    QVERIFY(file.next(&view));
    QVERIFY(view == patterned(500));
    QCOMPARE(file.append(patterned(21)), 21);
    QVERIFY(file.read(19, &record));
    QVERIFY(file.next(&view));
    QVERIFY(file.next(&view));
    QCOMPARE(file.position(), 21);
    QVERIFY(view == patterned(21));
    QVERIFY(file.atEnd());
    QVERIFY(!file.next(&view));
}

void TstStorageArchive::declarationOffsetsInFile()
{
    TestFolder folder;
    const QString name = QString::fromLatin1(SchedaDichiarazione::layout.fileName);
    ArchiveFile file(name, SchedaDichiarazione::Size);
    QVERIFY(file.open());
    for (int n = 1; n <= 3; ++n) {
        Record decl(SchedaDichiarazione::layout);
        decl.setField(SchedaDichiarazione::Dichiarazione, QStringLiteral("testo %1").arg(n));
        QCOMPARE(file.append(decl.bytes()), n);
    }
    file.close();
    const QByteArray bytes = fileBytes(folder.file(name));
    QCOMPARE(bytes.size(), 23382);
    QCOMPARE(bytes.mid(8695, 8), QByteArray("testo 2\0", 8));
}

// Two copies of the program appending at the same moment: every record lands
// whole, at its own position, and none is lost.
void TstStorageArchive::concurrentAppendsFromTwoProcesses()
{
    constexpr int perWriter = 2000;
    TestFolder folder;
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w].setProcessChannelMode(QProcess::ForwardedOutputChannel);
        writers[w].start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--append-worker"), folder.path(),
                          QString::number(w + 1), QString::number(perWriter)});
        QVERIFY(writers[w].waitForStarted());
    }
    QElapsedTimer clock;
    clock.start();
    writeFile(folder.file(QStringLiteral("go")), "go");
    for (QProcess &p : writers) {
        QVERIFY(p.waitForFinished(240000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }
    const qint64 elapsed = clock.elapsed();

    const QByteArray bytes = fileBytes(folder.file(registry));
    QCOMPARE(bytes.size(), qsizetype(2 * perWriter) * R);

    static const QRegularExpression tag(QStringLiteral("^writer (\\d) seq (\\d+)$"));
    int lastSeq[3] = {0, 0, 0};
    int switches = 0, previous = 0;
    for (int n = 0; n < 2 * perWriter; ++n) {
        const QByteArrayView raw = QByteArrayView(bytes).sliced(qsizetype(n) * R, R);
        const Record card(SchedaAnagrafica::layout, raw);
        const auto m = tag.match(card.field(SchedaAnagrafica::Nome));
        QVERIFY2(m.hasMatch(), qPrintable(QStringLiteral("record %1 is damaged").arg(n + 1)));
        const int writer = m.captured(1).toInt(), seq = m.captured(2).toInt();
        QVERIFY(writer == 1 || writer == 2);
        QVERIFY(raw == workerRecord(writer, seq));
        // Each writer's records follow in its own order: none lost, none twice.
        QCOMPARE(seq, lastSeq[writer] + 1);
        lastSeq[writer] = seq;
        switches += previous != 0 && previous != writer;
        previous = writer;
    }
    QCOMPARE(lastSeq[1], perWriter);
    QCOMPARE(lastSeq[2], perWriter);
    qInfo("%d appends by two processes in %lld ms, writers alternated %d times",
          2 * perWriter, elapsed, switches);
}

// Another copy busy writing for too long: the write gives up and says so.
void TstStorageArchive::heldLockFailsTheWrite()
{
    TestFolder folder;
    ArchiveFile file(registry, R);
    QVERIFY(file.open());
    QCOMPARE(file.append(patterned(1)), 1);

    QLockFile other(file.filePath() + QStringLiteral(".lock"));
    QVERIFY(other.tryLock(0));
    file.setLockWait(50);
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(file.append(patterned(2)), 0);
    QVERIFY(waited.elapsed() >= 50);
    QVERIFY(!file.errorString().isEmpty());
    QCOMPARE(file.count(), 1);
    other.unlock();

    QCOMPARE(file.append(patterned(2)), 2);
    file.close();
    QCOMPARE(fileBytes(folder.file(registry)), patterned(1) + patterned(2));
}

void TstStorageArchive::lockOfDeadCopyIsTakenOver()
{
    TestFolder folder;
    ArchiveFile file(registry, R);
    const QString lockPath = file.filePath() + QStringLiteral(".lock");
    QProcess dying;
    dying.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--die-holding-lock"), lockPath});
    QVERIFY(dying.waitForFinished(30000));
    QCOMPARE(dying.exitCode(), 0);
    QVERIFY(QFile::exists(lockPath));

    QVERIFY(file.open());
    QVERIFY2(file.append(patterned(1)) == 1, qPrintable(file.errorString()));
    QVERIFY(!QFile::exists(lockPath));
}

void TstStorageArchive::staleEndOfAClient_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("fails");
    QTest::newRow("append") << "append" << false;
    QTest::newRow("overwrite of a shown record") << "write" << false;
    QTest::newRow("append on a full disk") << "append" << true;
}

// This copy opened the archive when it held two cards; another PC then
// appended a third, which this copy's handle does not see. Its save still
// lands after the third card and its failed save cuts back only its own
// bytes: the end is measured through a handle opened under the lock, which
// is taken before and dropped after the write reaches the disk and closes.
void TstStorageArchive::staleEndOfAClient()
{
    QFETCH(QString, command);
    QFETCH(bool, fails);
    TestFolder folder;
    writeFile(folder.file(registry), patterned(1) + patterned(2));
    ClientLog log;
    ArchiveFile mine(registry, R, cachingClient(log));
    QVERIFY(mine.open());
    QCOMPARE(mine.count(), 2);

    ArchiveFile other(registry, R);
    QVERIFY(other.open());
    QCOMPARE(other.append(patterned(3)), 3);
    other.close();
    QCOMPARE(mine.count(), 2);   // the client's view is stale indeed

    log.events.clear();
    log.failWrites = fails;
    if (command == QLatin1String("append")) {
        QCOMPARE(mine.append(patterned(4)), fails ? 0 : 4);
    } else {
        QVERIFY(mine.write(2, patterned(20)));
        QCOMPARE(mine.position(), 2);
    }
    mine.close();

    const QByteArray expected = command == QLatin1String("write") ? patterned(1) + patterned(20) + patterned(3)
                                : fails ? patterned(1) + patterned(2) + patterned(3)
                                        : patterned(1) + patterned(2) + patterned(3) + patterned(4);
    QCOMPARE(fileBytes(folder.file(registry)), expected);
    const QStringList order = fails ? QStringList{"open locked", "write locked", "close locked"}
                                    : QStringList{"open locked", "write locked", "sync locked", "close locked"};
    QCOMPARE(log.events.mid(0, order.size()), order);
    QVERIFY(!QFile::exists(folder.file(registry) + QStringLiteral(".lock")));
}

int main(int argc, char *argv[])
{
    if (argc >= 2 && qstrcmp(argv[1], "--append-worker") == 0)
        return appendWorker(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--die-holding-lock") == 0)
        return dieHoldingLock(argv);

    QCoreApplication app(argc, argv);
    TstStorageArchive tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_storage_archive.moc"
