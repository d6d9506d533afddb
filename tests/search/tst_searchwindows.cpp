#include "child.h"
#include "declarations/declarationwindow.h"
#include "fakedialogs.h"
#include "registry/frmanagrafica.h"
#include "search/searchwindow.h"
#include "search/searchwindows.h"
#include "searchfixture.h"
#include "testfolder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace SearchFixture;
namespace A = SchedaAnagrafica;
namespace D = SchedaDichiarazione;

namespace {
QStringList listed(QDialog *w)
{
    QStringList out;
    auto *list = child<QListView>(w, "lstRecords");
    for (int r = 0; r < list->model()->rowCount(); ++r)
        out.append(list->model()->index(r, 0).data().toString());
    return out;
}

void doubleClickRow(QDialog *w, int row)
{
    auto *list = child<QListView>(w, "lstRecords");
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

int selectedRow(QDialog *w)
{
    auto *list = child<QListView>(w, "lstRecords");
    const auto rows = list->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void type(QDialog *w, const char *box, const QString &text)
{
    QTest::keyClicks(child<QLineEdit>(w, box), text);
}
}

class TestSearchWindows : public QObject
{
    Q_OBJECT

private slots:
    void registrySearchWithFilters();
    void enterChainAndHighlights();
    void sameLineOpensEachRecord();
    void findInListSteps();
    void emptyListAndMissingArchive();
    void unreadableArchiveKeepsFilters();
    void importFillsOnlyPersonalData();
    void pendingIssuesSummary();
    void undeliveredSummaryOwnArchive();
    void longSearchCanBeStopped();
    void screenshots();
};

void TestSearchWindows::registrySearchWithFilters()
{
    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica registry;
    registry.show();
    writeRegistry({card(QStringLiteral("Mario Rossi"), {{A::Localita, QStringLiteral("Napoli")}}),
                   card(QStringLiteral("Anna ROSSI"), {{A::Localita, QStringLiteral("NAPOLI centro")}}),
                   card(QStringLiteral("Luca Rossi"), {{A::Localita, QStringLiteral("Roma")}}),
                   card(QStringLiteral("Alessandro Bartolomeo Ferrari Rossi"),
                        {{A::Localita, QStringLiteral("Napoli")}, {A::Tel, QStringLiteral("081 1")}})});
    bool ran = false;
    fake.whileModal([&](QDialog *w) {
        ran = true;
        QCOMPARE(w->objectName(), QStringLiteral("frmTrovaAnagrafica"));
        QCOMPARE(w->windowTitle(), QStringLiteral(" Trova dati anagrafici in archivio"));
        QCOMPARE(child<QLabel>(w, "lblMemory")->text(), QStringLiteral("anagrafica"));
        QVERIFY(child<QWidget>(w, "panAvvio")->isVisible());
        QVERIFY(!child<QWidget>(w, "panContainer")->isVisible());
        type(w, "txtNome", QStringLiteral("rossi"));
        type(w, "txtLocalita", QStringLiteral("napoli"));
        type(w, "txtNote", QStringLiteral("   "));
        QTest::mouseClick(child<QPushButton>(w, "btnCerca"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(w, "lblConta")->text(), QStringLiteral("2"));
        QVERIFY(!child<QWidget>(w, "panAvvio")->isVisible());
        QVERIFY(child<QWidget>(w, "panContainer")->isVisible());
        QVERIFY(child<QLineEdit>(w, "txtTrova")->hasFocus());
        const QStringList lines = listed(w);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("Alessandro Bartolomeo Ferrar  CF: ")));
        QVERIFY(lines[1].startsWith(QStringLiteral("Anna ROSSI  ")));
        QVERIFY(lines[2].startsWith(QStringLiteral("Mario Rossi  ")));
        QCOMPARE(child<QLabel>(w, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 3 schede"));
        QCOMPARE(child<QListView>(w, "lstRecords")->font().family(), QStringLiteral("Courier New"));
        QVERIFY(child<QListView>(w, "lstRecords")->uniformItemSizes());
        // Hovering a line shows it whole.
        const QAbstractItemModel *model = child<QListView>(w, "lstRecords")->model();
        QCOMPARE(model->data(model->index(2, 0), Qt::ToolTipRole).toString(), lines[2]);
        // The name cut at 28 characters still opens its own card.
        doubleClickRow(w, 0);
        QVERIFY(!w->isVisible());
    });
    openRegistrySearch(&registry);
    QVERIFY(ran);
    QCOMPARE(child<QLabel>(&registry, "lblPosizione")->text(), QStringLiteral("4"));
    QCOMPARE(child<QLineEdit>(&registry, "txtNome")->text(), QStringLiteral("Alessandro Bartolomeo Ferrari Rossi"));
    QCOMPARE(child<QLineEdit>(&registry, "txtTel")->text(), QStringLiteral("081 1"));
}

void TestSearchWindows::enterChainAndHighlights()
{
    TestFolder folder;
    FakeDialogs fake;
    DeclarationWindow atti(DeclarationKind::Notoriety);
    atti.show();
    fake.whileModal([&](QDialog *w) {
        QCOMPARE(w->objectName(), QStringLiteral("frmTrovaAtti"));
        QCOMPARE(child<QLabel>(w, "lblOggetto")->text(), QStringLiteral("Oggetto atto notorio:"));
        const char *order[] = {"txtNome", "txtLocalita", "txtTel", "txtDataNasc", "txtCodFisc",
                               "txtCittadinanza", "txtLuogoNasc", "txtSesso", "txtOggetto", "txtData", "txtNome"};
        for (int i = 0; i < 10; ++i) {
            QLineEdit *box = child<QLineEdit>(w, order[i]);
            QVERIFY2(box->hasFocus(), order[i]);
            const QString eff = QStringLiteral("eff") + QLatin1String(order[i] + 3);
            QVERIFY(w->findChild<QWidget *>(eff)->isVisible());
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(!w->findChild<QWidget *>(eff)->isVisible());
            QVERIFY2(child<QLineEdit>(w, order[i + 1])->hasFocus(), order[i + 1]);
        }
    });
    openDeclarationSearch(&atti, atti.kind());
}

void TestSearchWindows::sameLineOpensEachRecord()
{
    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica registry;
    registry.show();
    const QString stem = QStringLiteral("Giovanni Battista Mastroiann");   // 28 characters
    writeRegistry({card(stem + QStringLiteral("i Primo"), {{A::Email, QStringLiteral("primo@x.it")}}),
                   card(stem + QStringLiteral("i Secondo"), {{A::Email, QStringLiteral("secondo@x.it")}})});
    for (int row : {0, 1}) {
        fake.whileModal([&](QDialog *w) {
            QTest::mouseClick(child<QPushButton>(w, "btnCerca"), Qt::LeftButton);
            const QStringList lines = listed(w);
            [&] { QCOMPARE(lines.size(), 2); QCOMPARE(lines[0], lines[1]); }();
            doubleClickRow(w, row);
        });
        openRegistrySearch(&registry);
        QCOMPARE(child<QLabel>(&registry, "lblPosizione")->text(), QString::number(row + 1));
        QCOMPARE(child<QLineEdit>(&registry, "txtEmail")->text(),
                 row == 0 ? QStringLiteral("primo@x.it") : QStringLiteral("secondo@x.it"));
    }
}

void TestSearchWindows::findInListSteps()
{
    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica registry;
    registry.show();
    writeRegistry({card(QStringLiteral("Anna Rossi")), card(QStringLiteral("Bruno Bianchi")),
                   card(QStringLiteral("Carla De Rosa")), card(QStringLiteral("Dario Neri"))});
    fake.whileModal([&](QDialog *w) {
        QTest::mouseClick(child<QPushButton>(w, "btnCerca"), Qt::LeftButton);
        auto *find = child<QLineEdit>(w, "txtTrova");
        auto *trova = child<QPushButton>(w, "btnTrova");
        QTest::keyClicks(find, QStringLiteral("ROS"));
        QTest::keyClick(find, Qt::Key_Return);
        QVERIFY(trova->hasFocus());
        // A second Enter presses the focused button.
        QTest::keyClick(trova, Qt::Key_Return);
        QCOMPARE(selectedRow(w), 0);
        QTest::mouseClick(trova, Qt::LeftButton);
        QCOMPARE(selectedRow(w), 2);
        QTest::mouseClick(trova, Qt::LeftButton);
        QCOMPARE(selectedRow(w), 0);
        QTest::mouseClick(trova, Qt::LeftButton);
        QCOMPARE(selectedRow(w), 2);
        find->clear();
        QTest::keyClicks(find, QStringLiteral("bia"));
        QTest::mouseClick(trova, Qt::LeftButton);
        QCOMPARE(selectedRow(w), 1);
        find->clear();
        QTest::keyClicks(find, QStringLiteral("zzz"));
        QTest::mouseClick(trova, Qt::LeftButton);
        QCOMPARE(selectedRow(w), 1);
        QVERIFY(fake.messages().isEmpty());
        QTest::mouseClick(child<QPushButton>(w, "btnChiudi"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    });
    openRegistrySearch(&registry);
    QCOMPARE(child<QLabel>(&registry, "lblPosizione")->text(), QString());
}

void TestSearchWindows::emptyListAndMissingArchive()
{
    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica registry;
    registry.show();
    fake.whileModal([&](QDialog *w) {
        type(w, "txtNome", QStringLiteral("nessuno"));
        QTest::mouseClick(child<QPushButton>(w, "btnCerca"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(w, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 0 schede"));
        QTest::mouseClick(child<QPushButton>(w, "btnTrova"), Qt::LeftButton);
        QCOMPARE(fake.messages().size(), 1);
        QCOMPARE(fake.lastMessage().kind, Dialogs::Kind::Plain);
        QCOMPARE(fake.lastMessage().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(fake.lastMessage().text,
                 QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        QCOMPARE(fake.lastMessage().buttons, Dialogs::Buttons::Ok);
    });
    openRegistrySearch(&registry);
    QVERIFY(QFile::exists(folder.file(QStringLiteral("Anagrafica.pro"))));
    QCOMPARE(QFile(folder.file(QStringLiteral("Anagrafica.pro"))).size(), 0);
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("Archivio_Attestari.pro"))));
}

void TestSearchWindows::unreadableArchiveKeepsFilters()
{
    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica registry;
    registry.show();
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Anagrafica.pro")));   // cannot be opened as a file
    fake.whileModal([&](QDialog *w) {
        type(w, "txtNome", QStringLiteral("rossi"));
        QTest::mouseClick(child<QPushButton>(w, "btnCerca"), Qt::LeftButton);
        QCOMPARE(fake.messages().size(), 1);
        QCOMPARE(fake.lastMessage().kind, Dialogs::Kind::Plain);
        QCOMPARE(fake.lastMessage().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(fake.lastMessage().text,
                 QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                "installazione del programma."));
        QVERIFY(child<QWidget>(w, "panAvvio")->isVisible());
        QVERIFY(child<QLabel>(w, "lblAttendere")->isVisible());
        QCOMPARE(child<QLabel>(w, "lblAttendere")->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
        QCOMPARE(child<QLineEdit>(w, "txtNome")->text(), QStringLiteral("rossi"));
    });
    openRegistrySearch(&registry);
}

void TestSearchWindows::importFillsOnlyPersonalData()
{
    TestFolder folder;
    FakeDialogs fake;
    DeclarationWindow cert(DeclarationKind::SelfCertification);
    DeclarationWindow atti(DeclarationKind::Notoriety);
    cert.show();
    atti.show();
    writeRegistry({card(QStringLiteral("  Maria Esposito  "),
                        {{A::DataNasc, QStringLiteral("01/02/1970")}, {A::Sesso, QStringLiteral("F")},
                         {A::LuogoNasc, QStringLiteral("Napoli")}, {A::CodFisc, QStringLiteral("SPSMRA70B41F839K")},
                         {A::Cittadinanza, QStringLiteral("italiana")}, {A::Indirizzo, QStringLiteral("Via Roma")},
                         {A::Num, QStringLiteral("12")}, {A::Cap01, QStringLiteral("8")},
                         {A::Cap05, QStringLiteral("1")}, {A::Localita, QStringLiteral("Napoli")},
                         {A::Prov01, QStringLiteral("N")}, {A::Prov02, QStringLiteral("A")},
                         {A::Cel, QStringLiteral("333 999")}, {A::Note, QStringLiteral("non copiare")}})});
    // A stored declaration on screen in frmCertificazioni.
    writeDeclarations(ArchiveNames::selfCertifications,
                      {declaration(QStringLiteral("Vecchio Nome"),
                                   {{D::Tel, QStringLiteral("06 1")}, {D::Dichiarazione, QStringLiteral("Testo")},
                                    {D::Oggetto, QStringLiteral("Residenza")}, {D::Luogo, QStringLiteral("Roma")},
                                    {D::Data, QStringLiteral("01/01/2020")}, {D::Consegnata, QStringLiteral("OK")},
                                    {D::File01, QStringLiteral("a.pdf")}})});
    cert.showRecord(1, declaration(QStringLiteral("Vecchio Nome"),
                                   {{D::Tel, QStringLiteral("06 1")}, {D::Dichiarazione, QStringLiteral("Testo")},
                                    {D::Oggetto, QStringLiteral("Residenza")}, {D::Luogo, QStringLiteral("Roma")},
                                    {D::Data, QStringLiteral("01/01/2020")}, {D::Consegnata, QStringLiteral("OK")},
                                    {D::File01, QStringLiteral("a.pdf")}}));
    const QString attiName = child<QLineEdit>(&atti, "txtNome")->text();
    fake.whileModal([&](QDialog *w) {
        QCOMPARE(w->objectName(), QStringLiteral("frmImportaAnagrafica"));
        QCOMPARE(w->windowTitle(), QStringLiteral(" Importa dati da archivio anagrafico"));
        QCOMPARE(child<QLabel>(w, "lblMemory")->text(), QStringLiteral("certificazioni"));
        type(w, "txtNome", QStringLiteral("esposito"));
        QTest::mouseClick(child<QPushButton>(w, "btnCerca"), Qt::LeftButton);
        doubleClickRow(w, 0);
    });
    openRegistryImport(&cert);
    QCOMPARE(child<QLineEdit>(&cert, "txtNome")->text(), QStringLiteral("Maria Esposito"));
    QCOMPARE(child<QLineEdit>(&cert, "txtCodFisc")->text(), QStringLiteral("SPSMRA70B41F839K"));
    QCOMPARE(child<QLineEdit>(&cert, "txtCap01")->text(), QStringLiteral("8"));
    QCOMPARE(child<QLineEdit>(&cert, "txtProv02")->text(), QStringLiteral("A"));
    QCOMPARE(child<QLineEdit>(&cert, "txtTel")->text(), QString());   // only a mobile: no telephone
    QCOMPARE(child<QLabel>(&cert, "lblPosizione")->text(), QStringLiteral("1"));
    QCOMPARE(child<QPlainTextEdit>(&cert, "txtDichiarazione")->toPlainText(), QStringLiteral("Testo"));
    QCOMPARE(child<QLineEdit>(&cert, "txtOggetto")->text(), QStringLiteral("Residenza"));
    QCOMPARE(child<QLineEdit>(&cert, "txtLuogo")->text(), QStringLiteral("Roma"));
    QCOMPARE(child<QLineEdit>(&cert, "txtData")->text(), QStringLiteral("01/01/2020"));
    QVERIFY(child<QCheckBox>(&cert, "chkConsegnata")->isChecked());
    QCOMPARE(cert.attachments().first(), QStringLiteral("a.pdf"));
    QCOMPARE(child<QLineEdit>(&atti, "txtNome")->text(), attiName);
}

void TestSearchWindows::pendingIssuesSummary()
{
    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica registry;
    registry.show();
    writeRegistry({card(QStringLiteral("Zeno"), {{A::Questioni, QStringLiteral("rinnovo polizza")}}),
                   card(QStringLiteral("Bianchi"), {{A::Questioni, QStringLiteral("   ")}}),
                   card(QStringLiteral("Adele"), {{A::Questioni, QStringLiteral("saldo fattura")}})});
    fake.whileModal([&](QDialog *w) {
        QCOMPARE(w->objectName(), QStringLiteral("frmQuestioni"));
        QCOMPARE(w->windowTitle(), QStringLiteral(" Riepilogo questioni in sospeso"));
        QVERIFY(!w->findChild<QLabel *>(QStringLiteral("lblTrovate")));
        const QStringList lines = listed(w);
        [&] {
            QCOMPARE(lines.size(), 2);
            QVERIFY(lines[0].startsWith(QStringLiteral("Adele ")));
            QVERIFY(lines[0].endsWith(QStringLiteral("  saldo fattura")));
        }();
        QVERIFY(child<QLineEdit>(w, "txtTrova")->hasFocus());
        doubleClickRow(w, 1);
    });
    openPendingIssues(&registry);
    QCOMPARE(child<QLabel>(&registry, "lblPosizione")->text(), QStringLiteral("1"));
    QCOMPARE(child<QLineEdit>(&registry, "txtQuestioni")->text(), QStringLiteral("rinnovo polizza"));
}

void TestSearchWindows::undeliveredSummaryOwnArchive()
{
    TestFolder folder;
    FakeDialogs fake;
    DeclarationWindow cert(DeclarationKind::SelfCertification);
    DeclarationWindow atti(DeclarationKind::Notoriety);
    cert.show();
    atti.show();
    writeDeclarations(ArchiveNames::selfCertifications, {declaration(QStringLiteral("Solo Certificazione"))});
    writeDeclarations(ArchiveNames::notorietyDeclarations,
                      {declaration(QStringLiteral("Uno"), {{D::Consegnata, QStringLiteral("OK")}}),
                       declaration(QStringLiteral("Due"), {{D::Oggetto, QStringLiteral("Eredità")}}),
                       declaration(QStringLiteral("Tre"), {{D::Consegnata, QString()}}),
                       declaration(QStringLiteral("Quattro"), {{D::Consegnata, QStringLiteral("OK")}}),
                       declaration(QStringLiteral("Cinque"), {{D::Consegnata, QStringLiteral("Si")}})});
    const QString certName = child<QLineEdit>(&cert, "txtNome")->text();
    fake.whileModal([&](QDialog *w) {
        QCOMPARE(w->objectName(), QStringLiteral("frmAttiDaConsegnare"));
        QCOMPARE(w->windowTitle(), QStringLiteral(" Riepilogo atti notori non consegnati"));
        const QStringList lines = listed(w);
        [&] {
            QCOMPARE(lines.size(), 3);
            QVERIFY(lines[0].startsWith(QStringLiteral("Cinque ")));
            QVERIFY(lines[1].startsWith(QStringLiteral("Due ")));
            QVERIFY(lines[2].startsWith(QStringLiteral("Tre ")));
        }();
        doubleClickRow(w, 1);
    });
    openUndelivered(&atti, atti.kind());
    QCOMPARE(child<QLabel>(&atti, "lblPosizione")->text(), QStringLiteral("2"));
    QCOMPARE(child<QLineEdit>(&atti, "txtOggetto")->text(), QStringLiteral("Eredità"));
    QVERIFY(!child<QCheckBox>(&atti, "chkConsegnata")->isChecked());
    QCOMPARE(child<QLineEdit>(&cert, "txtNome")->text(), certName);

    // The self-certification summary lists only its own archive.
    fake.whileModal([&](QDialog *w) {
        QCOMPARE(w->objectName(), QStringLiteral("frmCertDaConsegnare"));
        const QStringList lines = listed(w);
        [&] {
            QCOMPARE(lines.size(), 1);
            QVERIFY(lines[0].startsWith(QStringLiteral("Solo Certificazione")));
        }();
    });
    openUndelivered(&cert, cert.kind());
}

void TestSearchWindows::longSearchCanBeStopped()
{
    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica registry;
    registry.show();
    QList<QByteArray> cards;
    for (int i = 0; i < 40; ++i)
        cards.append(card(QStringLiteral("Persona %1").arg(i)));
    writeRegistry(cards);
    SearchWindow::setPacing(0, 1);
    fake.whileModal([&](QDialog *w) {
        QTest::mouseClick(child<QPushButton>(w, "btnCerca"), Qt::LeftButton);
        QVERIFY(child<QLabel>(w, "lblAttendere")->isVisible());
        QVERIFY(child<QWidget>(w, "prgRicerca")->isVisible());
        QVERIFY(child<QWidget>(w, "panAvvio")->isVisible());
        QTest::qWait(5);
        QTest::mouseClick(child<QPushButton>(w, "btnAnnulla"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QTest::qWait(20);
        QVERIFY(!child<QWidget>(w, "panContainer")->isVisible());
    });
    openRegistrySearch(&registry);
    // A search left to run to its end lists everything.
    fake.whileModal([&](QDialog *w) {
        QTest::mouseClick(child<QPushButton>(w, "btnCerca"), Qt::LeftButton);
        QTRY_VERIFY(child<QWidget>(w, "panContainer")->isVisible());
        QCOMPARE(listed(w).size(), 40);
    });
    openRegistrySearch(&registry);
    SearchWindow::setPacing(250, 1 << 30);
}

// Pictures of every window for a look by eye: ATTESTARI_SHOTS names the folder.
void TestSearchWindows::screenshots()
{
    const QString out = qEnvironmentVariable("ATTESTARI_SHOTS");
    if (out.isEmpty())
        QSKIP("ATTESTARI_SHOTS not set");
    TestFolder folder;
    FakeDialogs fake;
    FrmAnagrafica registry;
    DeclarationWindow cert(DeclarationKind::SelfCertification);
    DeclarationWindow atti(DeclarationKind::Notoriety);
    QList<QByteArray> cards, decls;
    const char *names[] = {"Rossi Mario", "Bianchi Anna", "Esposito Giulia", "Romano Luca", "Colombo Sara"};
    for (int i = 0; i < 300; ++i) {
        cards.append(card(QStringLiteral("%1 %2").arg(QLatin1String(names[i % 5])).arg(i),
                          {{A::CodFisc, QStringLiteral("RSSMRA80A01F839X")}, {A::Tel, QStringLiteral("081 555 %1").arg(i)},
                           {A::Cel, QStringLiteral("333 12%1").arg(i)},
                           {A::Questioni, i % 3 ? QString() : QStringLiteral("Rinnovo documento di identità scaduto")},
                           {A::Note, QStringLiteral("Cliente dal 2009, segnalato dallo studio Ferri; preferisce essere contattato al mattino")}}));
        decls.append(declaration(QStringLiteral("%1 %2").arg(QLatin1String(names[i % 5])).arg(i),
                                 {{D::Oggetto, QStringLiteral("Residenza e stato di famiglia")},
                                  {D::Data, QStringLiteral("03/03/2014")}, {D::Tel, QStringLiteral("06 1234")},
                                  {D::Consegnata, i % 2 ? QStringLiteral("OK") : QStringLiteral("No")}}));
    }
    writeRegistry(cards);
    writeDeclarations(ArchiveNames::selfCertifications, decls);
    writeDeclarations(ArchiveNames::notorietyDeclarations, decls);
    auto shoot = [&](const QString &suffix) {
        return [&, suffix](QDialog *w) {
            w->show();
            QApplication::setActiveWindow(w);
            if (auto *nome = w->findChild<QLineEdit *>(QStringLiteral("txtNome"))) {
                nome->setFocus();
                QTest::keyClicks(nome, QStringLiteral("ross"));
                w->grab().save(out + QLatin1Char('/') + w->objectName() + QStringLiteral("_filtri.png"));
                nome->clear();
                QTest::mouseClick(child<QPushButton>(w, "btnCerca"), Qt::LeftButton);
            }
            QTest::keyClicks(child<QLineEdit>(w, "txtTrova"), QStringLiteral("esposito"));
            QTest::mouseClick(child<QPushButton>(w, "btnTrova"), Qt::LeftButton);
            w->grab().save(out + QLatin1Char('/') + w->objectName() + suffix + QStringLiteral(".png"));
            return 0;
        };
    };
    fake.onModal = shoot(QStringLiteral("_risultati"));
    openRegistrySearch(&registry);
    openRegistryImport(&cert);
    openDeclarationSearch(&cert, cert.kind());
    openDeclarationSearch(&atti, atti.kind());
    fake.onModal = shoot(QString());
    openPendingIssues(&registry);
    openUndelivered(&cert, cert.kind());
    openUndelivered(&atti, atti.kind());
}

QTEST_MAIN(TestSearchWindows)
#include "tst_searchwindows.moc"
