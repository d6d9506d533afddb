// The attach window on the real registry and declaration windows: copies
// into the folder, the overwrite question, Open, Clear, Apply and Save.
#include "child.h"
#include "fakedialogs.h"
#include "files.h"
#include "registryfixture.h"
#include "testfolder.h"

#include "attachments/attachmentswindow.h"
#include "declarations/declarationwindow.h"

#include <QDir>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using Answer = Dialogs::Answer;

namespace {
const QString overwrite = QStringLiteral(
        "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
        "Si vuole sovrascrivere il file esistente?");
const QString copyFailed = QStringLiteral(
        "Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati.");
const QString missing = QStringLiteral(
        "Attenzione: il file allegato non è presente nella cartella dei documenti allegati.");
const QString unstorable = QStringLiteral(
        "Attenzione: il nome del file scelto non può essere memorizzato nella scheda. Rinominare il file con al "
        "massimo 250 caratteri, senza simboli speciali, e riprovare.");
}

class TestAttachments : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void layoutAndOpenButtons();
    void browseCopiesApplyAndSaveStore();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void cancelledDialogAndAnnullaChangeNothing();
    void clearApplySave();
    void openTakesBareNameOnly_data();
    void openTakesBareNameOnly();
    void unstorableNameRefused_data();
    void unstorableNameRefused();
    void folderThatCannotBeMade();
    void declarationWindowGetsItsSlots();

private:
    QString outside(const QString &name, const QByteArray &bytes)
    {
        const QString path = elsewhere.filePath(name);
        [&] { QVERIFY(writeFileBytes(path, bytes)); }();
        return path;
    }
    QString inFolder(const QString &name) const { return folder.file(QStringLiteral("Documenti_Allegati/") + name); }
    void run(ArchiveWindow &w, const std::function<void(QDialog *)> &drive)
    {
        dialogs.onModal = [&](QDialog *d) { drive(d); return d->result(); };
        openAttachments(&w);
    }

    TestFolder folder;
    QTemporaryDir elsewhere;
    FakeDialogs dialogs;
};

void TestAttachments::init()
{
    QDir(folder.file(QStringLiteral("Documenti_Allegati"))).removeRecursively();
    QFile::remove(folder.file(QStringLiteral("Anagrafica.pro")));
    dialogs.clear();
    dialogs.answers.clear();
    dialogs.fileToOpen.clear();
}

void TestAttachments::layoutAndOpenButtons()
{
    FrmAnagrafica w;
    w.setAttachments({QString(), QStringLiteral("b.pdf"), QString(), QStringLiteral("uno"), QString(), QString()});
    run(w, [&](QDialog *d) {
        QCOMPARE(d->objectName(), QStringLiteral("frmAllegaCartella"));
        QCOMPARE(d->windowTitle(), QStringLiteral(" Allega file"));
        QCOMPARE(d->size(), QSize(634, 534));
        QCOMPARE(child<QLabel>(d, "lblMemory")->text(), QStringLiteral("anagrafica"));
        QVERIFY(child<QLineEdit>(d, "txtFile01")->isReadOnly());
        QCOMPARE(child<QLineEdit>(d, "txtFile02")->geometry(), QRect(28, 228, 338, 22));
        QCOMPARE(child<QPushButton>(d, "btnSfoglia03")->geometry(), QRect(400, 344, 86, 28));
        QCOMPARE(child<QPushButton>(d, "btnApplica")->text(), QStringLiteral("Applica e chiudi"));
        QCOMPARE(child<QLabel>(d, "lblCampo06")->text(), QStringLiteral("Descrizione 3° file allegato:"));
        QCOMPARE(child<QLineEdit>(d, "txtDesc01")->text(), QStringLiteral("uno"));
        QVERIFY(!child<QPushButton>(d, "btnApri01")->isEnabled());
        QVERIFY(child<QPushButton>(d, "btnApri02")->isEnabled());
        QVERIFY(!child<QPushButton>(d, "btnApri03")->isEnabled());
        child<QLineEdit>(d, "txtFile03")->setText(QStringLiteral("  "));
        QVERIFY(!child<QPushButton>(d, "btnApri03")->isEnabled());
        QTest::mouseClick(child<PictureButton>(d, "imgCancella02"), Qt::LeftButton);
        QVERIFY(!child<QPushButton>(d, "btnApri02")->isEnabled());
        // Tab order: name, Sfoglia, Apri, description, slot by slot.
        const auto nextTab = [](QWidget *w) {
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
            return w;
        };
        QCOMPARE(nextTab(child<QLineEdit>(d, "txtFile01")), child<QPushButton>(d, "btnSfoglia01"));
        QCOMPARE(nextTab(child<QPushButton>(d, "btnSfoglia01")), child<QPushButton>(d, "btnApri01"));
        QCOMPARE(nextTab(child<QPushButton>(d, "btnApri01")), child<QLineEdit>(d, "txtDesc01"));
        QCOMPARE(nextTab(child<QLineEdit>(d, "txtDesc01")), child<QLineEdit>(d, "txtFile02"));
        QCOMPARE(nextTab(child<QLineEdit>(d, "txtDesc03")), child<QPushButton>(d, "btnAnnulla"));
    });
}

void TestAttachments::browseCopiesApplyAndSaveStore()
{
    FrmAnagrafica w;
    Fixture::edit(w, QStringLiteral("txtNome"))->setText(QStringLiteral("Anna Bianchi"));
    Fixture::edit(w, QStringLiteral("txtSesso"))->setText(QStringLiteral("F"));
    dialogs.fileToOpen = outside(QStringLiteral("report.pdf"), "PDF-1");
    run(w, [&](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "btnSfoglia01"), Qt::LeftButton);
        QCOMPARE(dialogs.calls.at(1).what, QStringLiteral("openFileName"));
        QCOMPARE(dialogs.calls.at(1).text, QStringLiteral("Selezionare il file da allegare:"));
        // It opens among the clerk's documents, never in the data folder.
        QCOMPARE(dialogs.calls.at(1).folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(child<QLineEdit>(d, "txtFile01")->text(), QStringLiteral("report.pdf"));
        QCOMPARE(fileBytes(inFolder(QStringLiteral("report.pdf"))), QByteArray("PDF-1"));
        child<QLineEdit>(d, "txtDesc01")->setText(QStringLiteral("  Carta d'identità "));
        QTest::mouseClick(child<QPushButton>(d, "btnApri01"), Qt::LeftButton);
        QCOMPARE(dialogs.calls.last().what, QStringLiteral("openUrl"));
        QCOMPARE(dialogs.calls.last().text, QUrl::fromLocalFile(inFolder(QStringLiteral("report.pdf"))).toString());
        QTest::mouseClick(child<QPushButton>(d, "btnApplica"), Qt::LeftButton);
    });
    QCOMPARE(w.attachments(), (QStringList{QStringLiteral("report.pdf"), QString(), QString(),
                                           QStringLiteral("Carta d'identità"), QString(), QString()}));
    Fixture::click(w, QStringLiteral("cmdSalva"));
    const auto records = Fixture::readArchive();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].field(SchedaAnagrafica::File01), QStringLiteral("report.pdf"));
    QCOMPARE(records[0].field(SchedaAnagrafica::Desc01), QStringLiteral("Carta d'identità"));
}

void TestAttachments::overwriteQuestion_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("yes") << Answer::Yes << QByteArray("second");
    QTest::newRow("no") << Answer::No << QByteArray("first");
}

void TestAttachments::overwriteQuestion()
{
    QFETCH(Answer, answer);
    QFETCH(QByteArray, kept);
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Documenti_Allegati"))));
    QVERIFY(writeFileBytes(inFolder(QStringLiteral("report.pdf")), "first"));
    FrmAnagrafica w;
    dialogs.fileToOpen = outside(QStringLiteral("report.pdf"), "second");
    dialogs.answers = {answer};
    run(w, [&](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "btnSfoglia02"), Qt::LeftButton);
        QCOMPARE(dialogs.lastMessage().kind, Dialogs::Kind::Question);
        QCOMPARE(dialogs.lastMessage().buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(dialogs.lastMessage().text, overwrite);
        QCOMPARE(child<QLineEdit>(d, "txtFile02")->text(), QStringLiteral("report.pdf"));
    });
    QCOMPARE(fileBytes(inFolder(QStringLiteral("report.pdf"))), kept);
}

void TestAttachments::cancelledDialogAndAnnullaChangeNothing()
{
    FrmAnagrafica w;
    w.setAttachments({QStringLiteral("old.pdf"), QString(), QString(), QStringLiteral("vecchio"), QString(), QString()});
    run(w, [&](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "btnSfoglia01"), Qt::LeftButton);   // dialog cancelled
        QCOMPARE(child<QLineEdit>(d, "txtFile01")->text(), QStringLiteral("old.pdf"));
        dialogs.fileToOpen = outside(QStringLiteral("new.pdf"), "N");
        QTest::mouseClick(child<QPushButton>(d, "btnSfoglia01"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(d, "txtFile01")->text(), QStringLiteral("new.pdf"));
        QTest::mouseClick(child<QPushButton>(d, "btnAnnulla"), Qt::LeftButton);
    });
    QVERIFY(QFile::exists(inFolder(QStringLiteral("new.pdf"))));
    QCOMPARE(w.attachments().first(), QStringLiteral("old.pdf"));
    QVERIFY(dialogs.messages().isEmpty());
}

void TestAttachments::clearApplySave()
{
    FrmAnagrafica w;
    Fixture::edit(w, QStringLiteral("txtNome"))->setText(QStringLiteral("Bruno"));
    Fixture::edit(w, QStringLiteral("txtSesso"))->setText(QStringLiteral("M"));
    w.setAttachments({QStringLiteral("a.pdf"), QString(), QString(), QStringLiteral("desc"), QString(), QString()});
    run(w, [&](QDialog *d) {
        QTest::mouseClick(child<PictureButton>(d, "imgCancella01"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(d, "btnApplica"), Qt::LeftButton);
    });
    Fixture::click(w, QStringLiteral("cmdSalva"));
    const auto records = Fixture::readArchive();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].field(SchedaAnagrafica::File01), QString());
    QCOMPARE(records[0].field(SchedaAnagrafica::Desc01), QStringLiteral("desc"));
}

void TestAttachments::openTakesBareNameOnly_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("opened");   // empty: nothing opened, no message
    QTest::newRow("relative") << "../../secret.txt" << "secret.txt";
    QTest::newRow("absolute") << "/etc/secret.txt" << "secret.txt";
    QTest::newRow("windows") << "C:\\dati\\secret.txt" << "secret.txt";
    QTest::newRow("dot dot") << "a/.." << "";
    QTest::newRow("trailing slash") << "cartella/" << "";
}

void TestAttachments::openTakesBareNameOnly()
{
    QFETCH(QString, stored);
    QFETCH(QString, opened);
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Documenti_Allegati"))));
    QVERIFY(writeFileBytes(inFolder(QStringLiteral("secret.txt")), "x"));
    FrmAnagrafica w;
    w.setAttachments({stored, QString(), QString(), QString(), QString(), QString()});
    run(w, [&](QDialog *d) { QTest::mouseClick(child<QPushButton>(d, "btnApri01"), Qt::LeftButton); });
    QStringList urls;
    for (const auto &c : dialogs.calls)
        if (c.what == QLatin1String("openUrl"))
            urls << c.text;
    QCOMPARE(urls, opened.isEmpty() ? QStringList() : QStringList{QUrl::fromLocalFile(inFolder(opened)).toString()});
    QVERIFY(dialogs.messages().isEmpty());
}

void TestAttachments::unstorableNameRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("251 characters") << QString(247, QLatin1Char('a')) + QStringLiteral(".pdf");
    QTest::newRow("outside the code page") << QStringLiteral("Лист.pdf");
}

void TestAttachments::unstorableNameRefused()
{
    QFETCH(QString, name);
    FrmAnagrafica w;
    w.setAttachments({QStringLiteral("prima.pdf"), QString(), QString(), QString(), QString(), QString()});
    dialogs.fileToOpen = outside(name, "x");
    run(w, [&](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "btnSfoglia01"), Qt::LeftButton);
        QCOMPARE(dialogs.lastMessage().kind, Dialogs::Kind::Warning);
        QCOMPARE(dialogs.lastMessage().text, unstorable);
        QCOMPARE(child<QLineEdit>(d, "txtFile01")->text(), QStringLiteral("prima.pdf"));
    });
    QVERIFY(!QFile::exists(inFolder(name)));

    // A missing file in the folder is said so, and nothing is opened.
    dialogs.clear();
    run(w, [&](QDialog *d) { QTest::mouseClick(child<QPushButton>(d, "btnApri01"), Qt::LeftButton); });
    QCOMPARE(dialogs.lastMessage().text, missing);
    for (const auto &c : dialogs.calls)
        QVERIFY(c.what != QLatin1String("openUrl"));
}

void TestAttachments::folderThatCannotBeMade()
{
    QVERIFY(writeFileBytes(folder.file(QStringLiteral("Documenti_Allegati")), "a file in the way"));
    FrmAnagrafica w;
    dialogs.fileToOpen = outside(QStringLiteral("report.pdf"), "x");
    run(w, [&](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "btnSfoglia01"), Qt::LeftButton);
        QCOMPARE(dialogs.lastMessage().kind, Dialogs::Kind::Warning);
        QCOMPARE(dialogs.lastMessage().text, copyFailed);
        QCOMPARE(child<QLineEdit>(d, "txtFile01")->text(), QStringLiteral("report.pdf"));
    });
    QFile::remove(folder.file(QStringLiteral("Documenti_Allegati")));
}

void TestAttachments::declarationWindowGetsItsSlots()
{
    DeclarationWindow cert(DeclarationKind::SelfCertification);
    FrmAnagrafica registry;
    registry.setAttachments({QStringLiteral("r.pdf"), QString(), QString(), QString(), QString(), QString()});
    dialogs.fileToOpen = outside(QStringLiteral("ci.jpg"), "jpg");
    run(cert, [&](QDialog *d) {
        QCOMPARE(child<QLabel>(d, "lblMemory")->text(), QStringLiteral("certificazioni"));
        QTest::mouseClick(child<QPushButton>(d, "btnSfoglia03"), Qt::LeftButton);
        QTest::keyClicks(child<QLineEdit>(d, "txtDesc03"), QStringLiteral("Documento"));
        QTest::mouseClick(child<QPushButton>(d, "btnApplica"), Qt::LeftButton);
    });
    QCOMPARE(cert.attachments(), (QStringList{QString(), QString(), QStringLiteral("ci.jpg"), QString(), QString(),
                                              QStringLiteral("Documento")}));
    QCOMPARE(registry.attachments().first(), QStringLiteral("r.pdf"));
}

QTEST_MAIN(TestAttachments)
#include "tst_attachments.moc"
