// The program's other files under faults: the password store, the settings
// of the declaration windows written on close, the export file and the
// attached documents. Each row checks the box shown (kind, exact text), that
// no success was told, and the bytes of the file afterwards.
//
// Besides the tests, this executable serves as another program keeping the
// export file open (see main at the bottom).
#include "child.h"
#include "fakedialogs.h"
#include "faults.h"
#include "files.h"
#include "testfolder.h"

#include "access/changepasswordwindow.h"
#include "access/passwordwindow.h"
#include "attachments/attachmentswindow.h"
#include "core/access/passwordstore.h"
#include "core/access/scramble.h"
#include "core/storage/recordlayout.h"
#include "declarations/declarationwindow.h"
#include "output/exportwindows.h"
#include "registry/frmanagrafica.h"
#include "ui/picturebutton.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cstdio>
#include <memory>

using Kind = Dialogs::Kind;
using Answer = Dialogs::Answer;

namespace {
const QString storeName = QStringLiteral("unins000.dll");
const QString wrongPassword = QStringLiteral("Attenzione: password errata.");
const QString readError = QStringLiteral(
        "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
        "Si consiglia di reinstallare il software.");
const QString wrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString changed = QStringLiteral("Modifica della password completata con successo.");
const QString changeError = QStringLiteral(
        "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
        "Si consiglia di reinstallare il software.");
const QString firstQuestion = QStringLiteral(
        "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
        "presenti in archivio.\n\r\n\rSi vuole esportare i dati adesso?");
const QString doneQuestion = QStringLiteral(
        "Le schede in archivio sono state esportate con successo.\n\r\n\rSi vuole aprire il file di Excel?");
const QString exportFailure = QStringLiteral(
        "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
        "Accertarsi che il file di Excel non sia già aperto.");
const QString copyFailed = QStringLiteral(
        "Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati.");
const QString missingFile = QStringLiteral(
        "Attenzione: il file allegato non è presente nella cartella dei documenti allegati.");

QByteArray storeOf(const QString &value)
{
    return "[Accesso]\r\nValore=" + value.toLatin1() + "\r\n";
}
QByteArray storeOfPassword(const char *canonical)
{
    return storeOf(Scrambler::scramble(QByteArray(canonical)));
}

void showActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// What a row does to the program folder (or to one file of it) before the
// command runs; guards undo it at the end of the row.
struct Fault
{
    QString what;
    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<FullDisk> disk;
    std::unique_ptr<Immutable> immutable;

    explicit Fault(const QString &name) : what(name)
    {
        if (what.startsWith(QLatin1String("full disk")))
            disk = std::make_unique<FullDisk>();
        else
            folder = std::make_unique<TestFolder>();
        if (what == QLatin1String("program folder is a file"))
            [&] { QVERIFY(writeFileBytes(plainFile(), "non una cartella")); }();
    }
    QString plainFile() const { return file(QStringLiteral("programma")); }
    ~Fault()
    {
        immutable.reset();
        disk.reset();
        folder.reset();
    }
    bool usable() const { return !disk || disk->ok(); }
    QString path() const { return disk ? disk->path() : folder->path(); }
    QString file(const QString &name) const { return QDir(path()).filePath(name); }

    // Applies the fault once the fixture files are in place. `file` is the
    // one file the row is about; false when the system refuses the fault.
    bool apply(const QString &fileName)
    {
        if (what.startsWith(QLatin1String("full disk")))
            return disk->fill();
        if (what == QLatin1String("read-only folder")) {
            immutable = std::make_unique<Immutable>(path());
            return immutable->ok();
        }
        if (what.endsWith(QLatin1String("immutable"))) {
            immutable = std::make_unique<Immutable>(file(fileName));
            return immutable->ok();
        }
        if (what == QLatin1String("program folder is a file")) {
            ProgramFolder::setPath(plainFile());
            return true;
        }
        if (what == QLatin1String("on /dev/full")) {
            QFile::remove(file(fileName));
            return QFile::link(QStringLiteral("/dev/full"), file(fileName));
        }
        return true;
    }
    // Lets the test look at what is left behind.
    void lift()
    {
        immutable.reset();
        if (what == QLatin1String("program folder is a file"))
            [&] { QCOMPARE(fileBytes(plainFile()), QByteArray("non una cartella")); }();
    }
};

#define SKIP_UNLESS_USABLE(fault)                                                                         \
    do {                                                                                                  \
        if (!(fault).usable())                                                                            \
            QSKIP("no tmpfs can be mounted here, so no disk can be made full");                          \
    } while (false)
#define APPLY_OR_SKIP(fault, fileName)                                                                    \
    do {                                                                                                  \
        if (!(fault).apply(fileName))                                                                     \
            QSKIP("the system refuses the fault: chattr +i (root writes in any folder chmod makes "      \
                  "read-only), or filling the disk");                                                     \
    } while (false)

// Another program keeping a file open (the spreadsheet program showing the
// last export) until the test lets it go.
class FileHolder
{
public:
    bool start(const QString &path)
    {
        m_process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-open"), path});
        return m_process.waitForStarted() && m_process.waitForReadyRead(30000)
               && m_process.readLine().trimmed() == "open";
    }
    ~FileHolder()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(30000))
            m_process.kill();
    }

private:
    QProcess m_process;
};

bool anyOpenUrl(const FakeDialogs &dialogs)
{
    for (const auto &c : dialogs.calls)
        if (c.what == QLatin1String("openUrl"))
            return true;
    return false;
}
} // namespace

class TestFaultsFiles : public QObject
{
    Q_OBJECT
private slots:
    void damagedPasswordStore_data();
    void damagedPasswordStore();
    void passwordCannotBeWritten_data();
    void passwordCannotBeWritten();
    void settingsCannotBeWrittenOnClose_data();
    void settingsCannotBeWrittenOnClose();
    void exportCannotBeWritten_data();
    void exportCannotBeWritten();
    void exportFileHeldOpenIsReplaced();
    void attachmentCannotBeCopied_data();
    void attachmentCannotBeCopied();
    void attachmentDeletedBeforeOpen();
};

void TestFaultsFiles::damagedPasswordStore_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("loginMessage");    // empty: logged in
    QTest::addColumn<QString>("changeMessage");

    QTest::newRow("missing") << false << QByteArray() << wrongPassword << wrongOld;
    QTest::newRow("empty file") << true << QByteArray() << wrongPassword << wrongOld;
    QTest::newRow("empty value") << true << storeOf(QString()) << wrongPassword << wrongOld;
    QString notHex = Scrambler::scramble("BUSSOLAPERLINA");
    notHex[6] = QLatin1Char('G');
    QTest::newRow("not hexadecimal") << true << storeOf(notHex) << readError << changeError;
    // A last odd digit is no character and is left aside.
    QTest::newRow("odd length") << true << storeOf(Scrambler::scramble("BUSSOLAPERLINA") + QLatin1Char('7'))
                                << QString() << changed;
    QTest::newRow("very long value") << true << storeOf(Scrambler::scramble(QByteArray(300000, 'A')))
                                     << wrongPassword << wrongOld;
    QTest::newRow("on /dev/full") << true << QByteArray("/dev/full") << readError << changeError;
}

// Logging in and changing the password against a store that is not what
// the program writes: the notice of the case, and the store as it was.
void TestFaultsFiles::damagedPasswordStore()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, content);
    QFETCH(QString, loginMessage);
    QFETCH(QString, changeMessage);
    TestFolder folder;
    FakeDialogs dialogs;
    const QString store = folder.file(storeName);
    const bool onDevice = content == "/dev/full";
    if (onDevice)
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), store));
    else if (present)
        QVERIFY(writeFileBytes(store, content));

    PasswordWindow login;
    showActive(login);
    QSignalSpy loggedIn(&login, &PasswordWindow::loggedIn);
    QTest::keyClicks(child<QLineEdit>(&login, "txtPassword"), QStringLiteral("bussolaperlina"));
    QTest::mouseClick(child<QPushButton>(&login, "cmdOK"), Qt::LeftButton);
    if (loginMessage.isEmpty()) {
        QCOMPARE(loggedIn.count(), 1);
        QCOMPARE(dialogs.messages().size(), 0);
    } else {
        QCOMPARE(loggedIn.count(), 0);
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.lastMessage().kind, loginMessage == readError ? Kind::Error : Kind::Warning);
        QCOMPARE(dialogs.lastMessage().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(dialogs.lastMessage().text, loginMessage);
    }
    login.hide();

    dialogs.clear();
    ChangePasswordWindow change;
    showActive(change);
    QTest::keyClicks(child<QLineEdit>(&change, "txtPasswordOld"), QStringLiteral("bussolaperlina"));
    QTest::keyClicks(child<QLineEdit>(&change, "txtPasswordNew"), QStringLiteral("nuova"));
    QTest::keyClicks(child<QLineEdit>(&change, "txtConferma"), QStringLiteral("nuova"));
    QTest::mouseClick(child<QPushButton>(&change, "cmdOK"), Qt::LeftButton);
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.lastMessage().text, changeMessage);
    QCOMPARE(dialogs.lastMessage().buttons, Dialogs::Buttons::Ok);
    QCOMPARE(dialogs.lastMessage().kind, changeMessage == changed       ? Kind::Information
                                         : changeMessage == changeError ? Kind::Error
                                                                        : Kind::Warning);
    QCOMPARE(change.isVisible(), changeMessage != changed);

    if (changeMessage == changed)
        QCOMPARE(fileBytes(store), storeOfPassword("NUOVA"));
    else if (onDevice)
        QCOMPARE(QFileInfo(store).symLinkTarget(), QStringLiteral("/dev/full"));
    else if (present)
        QCOMPARE(fileBytes(store), content);
    else
        QVERIFY(!QFile::exists(store));
}

void TestFaultsFiles::passwordCannotBeWritten_data()
{
    QTest::addColumn<QString>("fault");
    for (const char *fault : {"read-only folder", "store immutable", "full disk"})
        QTest::newRow(fault) << fault;
}

// The new password cannot be stored: the change error, the window stays,
// and the old password still opens the program.
void TestFaultsFiles::passwordCannotBeWritten()
{
    QFETCH(QString, fault);
    Fault f(fault);
    SKIP_UNLESS_USABLE(f);
    FakeDialogs dialogs;
    QVERIFY(writeFileBytes(f.file(storeName), storeOfPassword("BUSSOLAPERLINA")));
    const QStringList entries = entriesOf(f.path());
    APPLY_OR_SKIP(f, storeName);

    ChangePasswordWindow change;
    showActive(change);
    QTest::keyClicks(child<QLineEdit>(&change, "txtPasswordOld"), QStringLiteral("bussolaperlina"));
    QTest::keyClicks(child<QLineEdit>(&change, "txtPasswordNew"), QStringLiteral("nuova"));
    QTest::keyClicks(child<QLineEdit>(&change, "txtConferma"), QStringLiteral("nuova"));
    QTest::mouseClick(child<QPushButton>(&change, "cmdOK"), Qt::LeftButton);
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.lastMessage().kind, Kind::Error);
    QCOMPARE(dialogs.lastMessage().buttons, Dialogs::Buttons::Ok);
    QCOMPARE(dialogs.lastMessage().text, changeError);
    QVERIFY(change.isVisible());
    change.hide();

    dialogs.clear();
    PasswordWindow login;
    showActive(login);
    QSignalSpy loggedIn(&login, &PasswordWindow::loggedIn);
    QTest::keyClicks(child<QLineEdit>(&login, "txtPassword"), QStringLiteral("bussolaperlina"));
    QTest::mouseClick(child<QPushButton>(&login, "cmdOK"), Qt::LeftButton);
    QCOMPARE(loggedIn.count(), 1);
    QCOMPARE(dialogs.messages().size(), 0);

    f.lift();
    QCOMPARE(fileBytes(f.file(storeName)), storeOfPassword("BUSSOLAPERLINA"));
    QStringList left = entriesOf(f.path());
    left.removeAll(FullDisk::fillerName());
    QCOMPARE(left, entries);
}

void TestFaultsFiles::settingsCannotBeWrittenOnClose_data()
{
    QTest::addColumn<QString>("fault");
    for (const char *fault : {"read-only folder", "program folder is a file", "settings immutable", "full disk",
                              "on /dev/full"})
        QTest::newRow(fault) << fault;
}

// A declaration window closes even when its place of issue cannot be kept:
// nothing said, the menu back, the old settings file as it was.
void TestFaultsFiles::settingsCannotBeWrittenOnClose()
{
    QFETCH(QString, fault);
    const QString ini = QStringLiteral("Attestari.ini");
    const QByteArray before = "[Autocertificazione]\r\nLuogo=Milano\r\n";
    Fault f(fault);
    SKIP_UNLESS_USABLE(f);
    FakeDialogs dialogs;
    QVERIFY(writeFileBytes(f.file(ini), before));
    const QStringList entries = entriesOf(f.path());
    APPLY_OR_SKIP(f, ini);

    DeclarationWindow w(DeclarationKind::SelfCertification);
    showActive(w);
    QLineEdit *place = child<QLineEdit>(&w, "txtLuogo");
    const bool unreadable = fault == QLatin1String("on /dev/full") || fault == QLatin1String("program folder is a file");
    QCOMPARE(place->text(), unreadable ? QString() : QStringLiteral("Milano"));
    place->selectAll();
    QTest::keyClicks(place, QStringLiteral("Roma"));
    QSignalSpy closed(&w, &ArchiveWindow::closed);
    QTest::mouseClick(child<QAbstractButton>(&w, "cmdEsci"), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!w.isVisible());
    QCOMPARE(dialogs.messages().size(), 0);

    f.lift();
    if (fault == QLatin1String("on /dev/full"))
        QCOMPARE(QFileInfo(f.file(ini)).symLinkTarget(), QStringLiteral("/dev/full"));
    else
        QCOMPARE(fileBytes(f.file(ini)), before);
    QStringList left = entriesOf(f.path());
    left.removeAll(FullDisk::fillerName());
    QCOMPARE(left, entries);
}

namespace {
void writeTwoCards()
{
    QByteArray all;
    for (const char *name : {"Anna Bianchi", "Bruno Verdi"}) {
        Record r(SchedaAnagrafica::layout);
        r.setField(SchedaAnagrafica::Nome, QString::fromLatin1(name));
        all += r.bytes();
    }
    QVERIFY(writeFileBytes(ProgramFolder::file(QLatin1String(ArchiveNames::registry)), all));
}

// Opens the export window of the registry and presses its export command.
void exportFromRegistry(FakeDialogs &dialogs, const QList<Answer> &answers)
{
    FrmAnagrafica registry;
    dialogs.answers = answers;
    dialogs.onModal = [&](QDialog *d) {
        d->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(d)); }();
        QTest::mouseClick(child<PictureButton>(d, "cmdEsporta"), Qt::LeftButton);
        [&] { QVERIFY(d->isVisible()); }();
        return int(QDialog::Rejected);
    };
    openExport(&registry);
}
}

void TestFaultsFiles::exportCannotBeWritten_data()
{
    QTest::addColumn<QString>("fault");
    // The export file replaced by a folder is in the export window's own tests.
    for (const char *fault : {"read-only folder", "program folder is a file", "export file immutable", "full disk"})
        QTest::newRow(fault) << fault;
}

// The export cannot be written: after the first question only the failure,
// in a plain box; the last export stays as it was and nothing is opened.
void TestFaultsFiles::exportCannotBeWritten()
{
    QFETCH(QString, fault);
    const QString xls = QStringLiteral("Anagrafica.xls");
    const QByteArray before = "l'esportazione di ieri";
    Fault f(fault);
    SKIP_UNLESS_USABLE(f);
    FakeDialogs dialogs;
    {
        writeTwoCards();
        QVERIFY(writeFileBytes(f.file(xls), before));
    }
    const QStringList entries = entriesOf(f.path());
    APPLY_OR_SKIP(f, xls);

    exportFromRegistry(dialogs, {Answer::Yes, Answer::Ok});
    const auto messages = dialogs.messages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0].text, firstQuestion);
    QCOMPARE(messages[1].kind, Kind::Warning);
    QCOMPARE(messages[1].buttons, Dialogs::Buttons::Ok);
    QCOMPARE(messages[1].text, exportFailure);
    QVERIFY(!anyOpenUrl(dialogs));

    f.lift();
    QCOMPARE(fileBytes(f.file(xls)), before);
    QStringList left = entriesOf(f.path());
    left.removeAll(FullDisk::fillerName());
    QCOMPARE(left, entries);
}

// The program takes no lock on its export file, and this system lets a file
// another program keeps open be replaced: the export goes through and the
// other program keeps reading the copy it opened.
void TestFaultsFiles::exportFileHeldOpenIsReplaced()
{
    TestFolder folder;
    FakeDialogs dialogs;
    writeTwoCards();
    const QString xls = folder.file(QStringLiteral("Anagrafica.xls"));
    QVERIFY(writeFileBytes(xls, "l'esportazione di ieri"));
    FileHolder spreadsheet;
    QVERIFY(spreadsheet.start(xls));

    exportFromRegistry(dialogs, {Answer::Yes, Answer::No});
    QCOMPARE(dialogs.messages().size(), 2);
    QCOMPARE(dialogs.lastMessage().text, doneQuestion);
    const QByteArray after = fileBytes(xls);
    QVERIFY(after.contains("Anna Bianchi"));
    QVERIFY(after.contains("Bruno Verdi"));
}

void TestFaultsFiles::attachmentCannotBeCopied_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("replacing");   // a file of that name is already attached
    QTest::addColumn<int>("size");         // of the document chosen
    // An attachments folder that cannot be made is in the attach window's own tests.
    constexpr int large = 300 * 1024, small = 2000;   // beyond and within one write buffer
    QTest::newRow("full disk, new name") << "full disk" << false << large;
    QTest::newRow("full disk, replacing a file") << "full disk" << true << large;
    QTest::newRow("full disk, replacing a file by a small one") << "full disk" << true << small;
    QTest::newRow("read-only program folder") << "read-only folder" << false << small;
    QTest::newRow("program folder is a file") << "program folder is a file" << false << small;
    QTest::newRow("read-only attachments folder") << "Documenti_Allegati immutable" << false << small;
    QTest::newRow("attached file immutable") << "Documenti_Allegati/documento.pdf immutable" << true << small;
}

// A copy into the attachments folder that fails says so; a file of that name
// already there stays whole and nothing half-copied is left.
void TestFaultsFiles::attachmentCannotBeCopied()
{
    QFETCH(QString, fault);
    QFETCH(bool, replacing);
    QFETCH(int, size);
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath(QStringLiteral("documento.pdf"));
    QVERIFY(writeFileBytes(chosen, QByteArray(size, 'n')));
    Fault f(fault);
    SKIP_UNLESS_USABLE(f);
    FakeDialogs dialogs;
    const QString folderName = QStringLiteral("Documenti_Allegati");
    const QString attached = f.file(folderName + QStringLiteral("/documento.pdf"));
    if (fault.startsWith(QLatin1String("full disk")) || fault.startsWith(folderName))
        QVERIFY(QDir(f.path()).mkdir(folderName));
    if (replacing)
        QVERIFY(writeFileBytes(attached, "la copia di ieri"));
    const QStringList entries = entriesOf(f.path());
    const QStringList attachedEntries = entriesOf(f.file(folderName));
    QString target = fault;
    target.remove(QLatin1String(" immutable"));
    APPLY_OR_SKIP(f, target);

    FrmAnagrafica registry;
    dialogs.fileToOpen = chosen;
    dialogs.onModal = [&](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "btnSfoglia01"), Qt::LeftButton);
        [&] { QCOMPARE(child<QLineEdit>(d, "txtFile01")->text(), QStringLiteral("documento.pdf")); }();
        return int(QDialog::Rejected);
    };
    openAttachments(&registry);
    const auto messages = dialogs.messages();
    QCOMPARE(messages.size(), replacing ? 2 : 1);
    if (replacing)
        QCOMPARE(messages[0].kind, Kind::Question);
    QCOMPARE(messages.last().kind, Kind::Warning);
    QCOMPARE(messages.last().buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(messages.last().text, copyFailed);

    f.lift();
    if (replacing)
        QCOMPARE(fileBytes(attached), QByteArray("la copia di ieri"));
    else
        QVERIFY(!QFile::exists(attached));
    QStringList left = entriesOf(f.path());
    left.removeAll(FullDisk::fillerName());
    QCOMPARE(left, entries);
    QCOMPARE(entriesOf(f.file(folderName)), attachedEntries);
}

// A document copied in and then deleted behind the program's back: Open
// says it is missing and hands nothing to the desktop.
void TestFaultsFiles::attachmentDeletedBeforeOpen()
{
    TestFolder folder;
    FakeDialogs dialogs;
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath(QStringLiteral("documento.pdf"));
    QVERIFY(writeFileBytes(chosen, "contenuto"));
    FrmAnagrafica registry;
    dialogs.fileToOpen = chosen;
    dialogs.onModal = [&](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "btnSfoglia01"), Qt::LeftButton);
        [&] { QVERIFY(QFile::remove(folder.file(QStringLiteral("Documenti_Allegati/documento.pdf")))); }();
        QTest::mouseClick(child<QPushButton>(d, "btnApri01"), Qt::LeftButton);
        return int(QDialog::Rejected);
    };
    openAttachments(&registry);
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.lastMessage().kind, Kind::Warning);
    QCOMPARE(dialogs.lastMessage().text, missingFile);
    QVERIFY(!anyOpenUrl(dialogs));
}

namespace {
// Keeps a file open for reading until stdin ends.
int holdOpen(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    std::fputs("open\n", stdout);
    std::fflush(stdout);
    char line[8];
    (void)std::fgets(line, sizeof line, stdin);
    return 0;
}
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--hold-open") == 0)
        return holdOpen(argv[2]);
    QApplication app(argc, argv);
    TestFaultsFiles tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_faults_files.moc"
