// The registry window against real archive files: browsing, saving,
// duplicating, leaving, and what a failing archive leaves behind.
#include "registryfixture.h"

#include "fakedialogs.h"
#include "testfolder.h"

#include <QDir>
#include <QSignalSpy>

using namespace Fixture;
using Kind = Dialogs::Kind;

namespace {
const QString nameWarning =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome.");
const QString sexWarning = QStringLiteral(
        "Attenzione: per salvare la scheda è necessario indicare il sesso usando la lettera M oppure F.");

// What a field of the round-trip card holds once trimmed: one character in
// the one-character fields, digits in the VAT number, else a text naming the field.
QString core(int field)
{
    using namespace SchedaAnagrafica;
    switch (field) {
    case Cap01: return QStringLiteral("8");
    case Cap02: return QStringLiteral("0");
    case Cap03: return QStringLiteral("1");
    case Cap04: return QStringLiteral("2");
    case Cap05: return QStringLiteral("1");
    case Prov01: return QStringLiteral("N");
    case Prov02: return QStringLiteral("A");
    case Sesso: return QStringLiteral("F");
    case PartitaIva: return QStringLiteral("0123");
    default: return QStringLiteral("v%1à").arg(field);   // à: stored as one Windows-1252 byte
    }
}

QString padded(int field)
{
    return SchedaAnagrafica::layout.field(field).capacity >= 10 ? QStringLiteral("\t ") + core(field) + QStringLiteral("  ")
                                                                 : core(field);
}

QString controlText(QWidget &w, int field)
{
    const QString name = QLatin1String(SchedaAnagrafica::layout.field(field).control);
    if (auto *e = w.findChild<QLineEdit *>(name))
        return e->text();
    return label(w, name)->text();
}

void setControlText(QWidget &w, int field, const QString &text)
{
    const QString name = QLatin1String(SchedaAnagrafica::layout.field(field).control);
    if (auto *e = w.findChild<QLineEdit *>(name))
        e->setText(text);
    else
        label(w, name)->setText(text);
}
}

class TestRegistryWindow : public QObject
{
    Q_OBJECT
private slots:
    void browsing_data();
    void browsing();
    void everyFieldTrimmedOnShowAndSave();
    void saveAppendsNewCard();
    void saveOverwritesStoredCardInPlace();
    void saveOfVanishedRecordFails();
    void saveChecks_data();
    void saveChecks();
    void duplicateNeedsStoredCard();
    void duplicateDropsAttachmentsAndNextSaveAppends();
    void leavingDropsUnsavedEditsAndComingBackStartsEmpty();
    void archiveFailure_data();
    void archiveFailure();
};

void TestRegistryWindow::browsing_data()
{
    QTest::addColumn<bool>("threePeople");   // otherwise no archive file at all, or an empty one
    QTest::addColumn<qint64>("start");       // position shown before the command; 0 = new card
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("emptyMessage");

    QTest::newRow("next from a new card") << true << 0LL << "cmdAvanti" << "1" << "Anna Bianchi" << false;
    QTest::newRow("next from 1") << true << 1LL << "cmdAvanti" << "2" << "Bruno Verdi" << false;
    QTest::newRow("next at the last") << true << 3LL << "cmdAvanti" << "3" << "Carla Neri" << false;
    QTest::newRow("previous at 1") << true << 1LL << "cmdIndietro" << "1" << "Anna Bianchi" << false;
    QTest::newRow("previous from a new card") << true << 0LL << "cmdIndietro" << "1" << "Anna Bianchi" << false;
    QTest::newRow("previous from 2") << true << 2LL << "cmdIndietro" << "1" << "Anna Bianchi" << false;
    QTest::newRow("previous from 3") << true << 3LL << "cmdIndietro" << "2" << "Bruno Verdi" << false;
    QTest::newRow("first from 3") << true << 3LL << "cmdPrimo" << "1" << "Anna Bianchi" << false;
    QTest::newRow("first from a new card") << true << 0LL << "cmdPrimo" << "1" << "Anna Bianchi" << false;
    QTest::newRow("last from a new card") << true << 0LL << "cmdUltimo" << "3" << "Carla Neri" << false;
    QTest::newRow("last from 1") << true << 1LL << "cmdUltimo" << "3" << "Carla Neri" << false;

    // A fresh installation: the first command creates the empty archive.
    for (const char *command : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"})
        QTest::addRow("%s, no archive yet", command) << false << 0LL << command << "" << "" << true;
    // A card still on screen from an archive someone else has since emptied.
    QTest::newRow("next, emptied archive") << false << 2LL << "cmdAvanti" << "" << "Stale" << true;
    QTest::newRow("previous, emptied archive") << false << 2LL << "cmdIndietro" << "2" << "Stale" << true;
    QTest::newRow("first, emptied archive") << false << 2LL << "cmdPrimo" << "2" << "Stale" << true;
    QTest::newRow("last, emptied archive") << false << 2LL << "cmdUltimo" << "2" << "Stale" << true;
}

void TestRegistryWindow::browsing()
{
    QFETCH(bool, threePeople);
    QFETCH(qint64, start);
    QFETCH(QString, command);
    QFETCH(QString, position);
    QFETCH(QString, name);
    QFETCH(bool, emptyMessage);

    TestFolder folder;
    FakeDialogs fake;
    const QList<QByteArray> people = Fixture::threePeople();
    if (threePeople)
        writeArchive(people);
    else if (start > 0)
        writeArchive({});

    FrmAnagrafica window;
    QVERIFY(showActive(window));
    if (start > 0)
        window.showRecord(start, threePeople ? people[start - 1] : card(QStringLiteral("Stale")));
    const QByteArray before = archiveBytes();

    click(window, command);

    QCOMPARE(Fixture::position(window), position);
    QCOMPARE(edit(window, QStringLiteral("txtNome"))->text(), name);
    if (emptyMessage) {
        QCOMPARE(fake.messages().size(), 1);
        QCOMPARE(fake.lastMessage().kind, Kind::Information);
        QCOMPARE(fake.lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(fake.lastMessage().buttons, Dialogs::Buttons::OkCancel);
    } else {
        QVERIFY(fake.messages().isEmpty());
    }
    QVERIFY(QFile::exists(archivePath()));
    QCOMPARE(archiveBytes(), before);
}

// Every one of the 39 fields reaches its control and comes back, trimmed both ways.
void TestRegistryWindow::everyFieldTrimmedOnShowAndSave()
{
    TestFolder folder;
    FakeDialogs fake;
    Record stored(SchedaAnagrafica::layout);
    for (int i = 0; i < SchedaAnagrafica::FieldCount; ++i)
        stored.setField(i, padded(i));
    writeArchive({stored.bytes()});

    FrmAnagrafica window;
    QVERIFY(showActive(window));
    click(window, QStringLiteral("cmdPrimo"));
    QCOMPARE(Fixture::position(window), QStringLiteral("1"));
    for (int i = 0; i < SchedaAnagrafica::FieldCount; ++i)
        QCOMPARE(controlText(window, i), core(i));
    // A shown box reads from the start of its text, however long.
    QCOMPARE(Fixture::edit(window, QStringLiteral("txtIndirizzo"))->cursorPosition(), 0);

    for (int i = 0; i < SchedaAnagrafica::FieldCount; ++i)
        setControlText(window, i, padded(i));
    click(window, QStringLiteral("cmdSalva"));

    QCOMPARE(fake.lastMessage().text, QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    const QList<Record> records = readArchive();
    QCOMPARE(records.size(), 1);
    for (int i = 0; i < SchedaAnagrafica::FieldCount; ++i)
        QCOMPARE(records[0].field(i), core(i));
    // A trimmed field leaves no trace of its blanks in the bytes either.
    const LayoutField &nome = SchedaAnagrafica::layout.field(SchedaAnagrafica::Nome);
    QCOMPARE(int(records[0].bytes().at(nome.offset)), core(SchedaAnagrafica::Nome).size());
}

void TestRegistryWindow::saveAppendsNewCard()
{
    TestFolder folder;
    FakeDialogs fake;
    const QList<QByteArray> people = threePeople();
    writeArchive(people);

    FrmAnagrafica window;
    QVERIFY(showActive(window));
    QTest::keyClicks(edit(window, QStringLiteral("txtNome")), QStringLiteral("Dario Russo"));
    QTest::keyClicks(edit(window, QStringLiteral("txtSesso")), QStringLiteral("f"));
    click(window, QStringLiteral("cmdSalva"));

    QCOMPARE(fake.messages().size(), 1);
    QCOMPARE(fake.lastMessage().kind, Kind::Information);
    QCOMPARE(fake.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(Fixture::position(window), QStringLiteral("4"));
    const QList<Record> records = readArchive();
    QCOMPARE(records.size(), 4);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(records[i].bytes(), people[i]);
    QCOMPARE(records[3].field(SchedaAnagrafica::Nome), QStringLiteral("Dario Russo"));
    QCOMPARE(records[3].field(SchedaAnagrafica::Sesso), QStringLiteral("F"));
    QCOMPARE(records[3].field(SchedaAnagrafica::Localita), QString());
}

void TestRegistryWindow::saveOverwritesStoredCardInPlace()
{
    TestFolder folder;
    FakeDialogs fake;
    const QList<QByteArray> people = threePeople();
    writeArchive(people);

    FrmAnagrafica window;
    QVERIFY(showActive(window));
    click(window, QStringLiteral("cmdAvanti"));
    click(window, QStringLiteral("cmdAvanti"));
    QCOMPARE(Fixture::position(window), QStringLiteral("2"));
    edit(window, QStringLiteral("txtTel"))->setText(QStringLiteral("333 1234567"));
    click(window, QStringLiteral("cmdSalva"));

    QCOMPARE(fake.messages().size(), 1);
    QCOMPARE(fake.lastMessage().kind, Kind::Information);
    QCOMPARE(fake.lastMessage().text, QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(Fixture::position(window), QStringLiteral("2"));
    const QList<Record> records = readArchive();
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[0].bytes(), people[0]);
    QCOMPARE(records[2].bytes(), people[2]);
    QCOMPARE(records[1].field(SchedaAnagrafica::Tel), QStringLiteral("333 1234567"));
    QCOMPARE(records[1].field(SchedaAnagrafica::Nome), QStringLiteral("Bruno Verdi"));
    // The attachment travelled in the hidden labels and is stored again.
    QCOMPARE(records[1].field(SchedaAnagrafica::File01), QStringLiteral("contratto.pdf"));
    QCOMPARE(records[1].field(SchedaAnagrafica::Desc01), QStringLiteral("Contratto di fornitura"));
}

// The card on screen was record 5 of an archive someone has since cut to 3:
// saving must neither append it as record 4 nor say it was saved.
void TestRegistryWindow::saveOfVanishedRecordFails()
{
    TestFolder folder;
    FakeDialogs fake;
    writeArchive(threePeople());
    const QByteArray before = archiveBytes();

    FrmAnagrafica window;
    QVERIFY(showActive(window));
    window.showRecord(5, card(QStringLiteral("Elena Gallo"), QStringLiteral("F")));
    click(window, QStringLiteral("cmdSalva"));

    QCOMPARE(fake.messages().size(), 1);
    QCOMPARE(fake.lastMessage().kind, Kind::Error);
    QCOMPARE(fake.lastMessage().text, QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
    QCOMPARE(Fixture::position(window), QStringLiteral("5"));
    QCOMPARE(archiveBytes(), before);
}

void TestRegistryWindow::saveChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");

    QTest::newRow("empty name") << "" << "F" << nameWarning << "txtNome";
    QTest::newRow("name of blanks") << " \t " << "F" << nameWarning << "txtNome";
    QTest::newRow("name checked before sex") << "" << "" << nameWarning << "txtNome";
    QTest::newRow("empty sex") << "Anna" << "" << sexWarning << "txtSesso";
    QTest::newRow("sex of a blank") << "Anna" << " " << sexWarning << "txtSesso";
    QTest::newRow("sex X") << "Anna" << "X" << sexWarning << "txtSesso";
    QTest::newRow("lower-case sex") << "Anna" << "f" << sexWarning << "txtSesso";
}

void TestRegistryWindow::saveChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, sex);
    QFETCH(QString, warning);
    QFETCH(QString, focus);

    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    edit(window, QStringLiteral("txtNome"))->setText(name);
    edit(window, QStringLiteral("txtSesso"))->setText(sex);
    edit(window, QStringLiteral("txtNote"))->setFocus();

    click(window, QStringLiteral("cmdSalva"));

    QCOMPARE(fake.messages().size(), 1);
    QCOMPARE(fake.lastMessage().kind, Kind::Warning);
    QCOMPARE(fake.lastMessage().text, warning);
    QCOMPARE(focused(), focus);
    QCOMPARE(Fixture::position(window), QString());
    QVERIFY(!QFile::exists(archivePath()));
}

void TestRegistryWindow::duplicateNeedsStoredCard()
{
    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    edit(window, QStringLiteral("txtNome"))->setText(QStringLiteral("Anna Bianchi"));
    label(window, QStringLiteral("lblFile01"))->setText(QStringLiteral("carta.pdf"));

    click(window, QStringLiteral("cmdDuplica"));

    QCOMPARE(fake.messages().size(), 1);
    QCOMPARE(fake.lastMessage().kind, Kind::Warning);
    QCOMPARE(fake.lastMessage().text, QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio."));
    QCOMPARE(edit(window, QStringLiteral("txtNome"))->text(), QStringLiteral("Anna Bianchi"));
    QCOMPARE(label(window, QStringLiteral("lblFile01"))->text(), QStringLiteral("carta.pdf"));
    QCOMPARE(Fixture::position(window), QString());
    QVERIFY(!QFile::exists(archivePath()));
}

void TestRegistryWindow::duplicateDropsAttachmentsAndNextSaveAppends()
{
    TestFolder folder;
    FakeDialogs fake;
    const QList<QByteArray> people = threePeople();
    writeArchive(people);

    FrmAnagrafica window;
    QVERIFY(showActive(window));
    click(window, QStringLiteral("cmdAvanti"));
    click(window, QStringLiteral("cmdAvanti"));
    QCOMPARE(label(window, QStringLiteral("lblFile01"))->text(), QStringLiteral("contratto.pdf"));
    edit(window, QStringLiteral("txtNote"))->setFocus();

    click(window, QStringLiteral("cmdDuplica"));

    QCOMPARE(fake.messages().size(), 1);
    QCOMPARE(fake.lastMessage().kind, Kind::Information);
    QCOMPARE(fake.lastMessage().text, QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
    QVERIFY(fake.lastMessage().text.contains(QStringLiteral(".\n\r\n\rAl termine")));
    QCOMPARE(Fixture::position(window), QString());
    QCOMPARE(focused(), QStringLiteral("txtNome"));
    QCOMPARE(edit(window, QStringLiteral("txtNome"))->text(), QStringLiteral("Bruno Verdi"));
    QCOMPARE(edit(window, QStringLiteral("txtTel"))->text(), QStringLiteral("081 555 1234"));
    for (const char *hidden : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
        QCOMPARE(label(window, QLatin1String(hidden))->text(), QString());
    QCOMPARE(archiveBytes().size(), 3 * SchedaAnagrafica::Size);

    click(window, QStringLiteral("cmdSalva"));

    QCOMPARE(fake.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(Fixture::position(window), QStringLiteral("4"));
    const QList<Record> records = readArchive();
    QCOMPARE(records.size(), 4);
    QCOMPARE(records[1].bytes(), people[1]);
    Record expected(SchedaAnagrafica::layout, people[1]);
    expected.setField(SchedaAnagrafica::File01, QString());
    expected.setField(SchedaAnagrafica::Desc01, QString());
    QCOMPARE(records[3].bytes(), expected.bytes());
}

void TestRegistryWindow::leavingDropsUnsavedEditsAndComingBackStartsEmpty()
{
    TestFolder folder;
    FakeDialogs fake;
    writeArchive(threePeople());
    const QByteArray before = archiveBytes();

    FrmAnagrafica window;
    QSignalSpy closed(&window, &ArchiveWindow::closed);
    for (const char *how : {"cmdEsci", "close box"}) {
        QVERIFY(showActive(window));
        click(window, QStringLiteral("cmdAvanti"));
        click(window, QStringLiteral("cmdAvanti"));
        QTest::keyClicks(edit(window, QStringLiteral("txtNome")), QStringLiteral(" modificato"));
        if (qstrcmp(how, "cmdEsci") == 0)
            click(window, QStringLiteral("cmdEsci"));
        else
            window.close();
        QVERIFY2(!window.isVisible(), how);

        QVERIFY(showActive(window));
        for (int i = 0; i < SchedaAnagrafica::FieldCount; ++i)
            QCOMPARE(controlText(window, i), QString());
        QCOMPARE(Fixture::position(window), QString());
        QCOMPARE(focused(), QStringLiteral("txtNome"));
        window.hide();
    }
    QCOMPARE(closed.count(), 2);
    QVERIFY(fake.messages().isEmpty());
    QCOMPARE(archiveBytes(), before);
}

void TestRegistryWindow::archiveFailure_data()
{
    QTest::addColumn<bool>("folderIsAFile");   // otherwise the archive's path is a folder
    QTest::addColumn<qint64>("start");
    QTest::addColumn<QString>("command");

    for (bool folderIsAFile : {false, true}) {
        const char *how = folderIsAFile ? "program folder is a file" : "archive is a folder";
        QTest::addRow("save new card, %s", how) << folderIsAFile << 0LL << "cmdSalva";
        QTest::addRow("save stored card, %s", how) << folderIsAFile << 2LL << "cmdSalva";
        for (const char *command : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"})
            QTest::addRow("%s, %s", command, how) << folderIsAFile << 2LL << command;
        QTest::addRow("next from a new card, %s", how) << folderIsAFile << 0LL << "cmdAvanti";
    }
}

// A folder the program may not write in: the access error, and nothing on
// screen or on disk changes.
void TestRegistryWindow::archiveFailure()
{
    QFETCH(bool, folderIsAFile);
    QFETCH(qint64, start);
    QFETCH(QString, command);

    TestFolder folder;
    FakeDialogs fake;
    const QString plainFile = folder.file(QStringLiteral("programma"));
    if (folderIsAFile) {
        QFile f(plainFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("non una cartella");
        f.close();
        ProgramFolder::setPath(plainFile);
    } else {
        QVERIFY(QDir(folder.path()).mkdir(QLatin1String(ArchiveNames::registry)));
    }
    const QStringList entriesBefore = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    FrmAnagrafica window;
    QVERIFY(showActive(window));
    if (start > 0)
        window.showRecord(start, card(QStringLiteral("Bruno Verdi")));
    else
        edit(window, QStringLiteral("txtNome"))->setText(QStringLiteral("Bruno Verdi"));
    edit(window, QStringLiteral("txtSesso"))->setText(QStringLiteral("M"));
    const QString positionBefore = Fixture::position(window);

    click(window, command);

    QCOMPARE(fake.messages().size(), 1);
    QCOMPARE(fake.lastMessage().kind, Kind::Error);
    QCOMPARE(fake.lastMessage().text, QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
    QCOMPARE(fake.lastMessage().buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(Fixture::position(window), positionBefore);
    QCOMPARE(edit(window, QStringLiteral("txtNome"))->text(), QStringLiteral("Bruno Verdi"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), entriesBefore);
    if (folderIsAFile) {
        QFile f(plainFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("non una cartella"));
    } else {
        QVERIFY(QDir(folder.file(QLatin1String(ArchiveNames::registry))).isEmpty());
    }
}

QTEST_MAIN(TestRegistryWindow)
#include "tst_registrywindow.moc"
