// The export windows opened from the real archive windows: the grid, the two
// questions, the file written, the failure box and the desktop open.
#include "child.h"
#include "fakedialogs.h"
#include "files.h"
#include "testfolder.h"

#include "core/output/exportarchives.h"
#include "core/output/spreadsheetwriter.h"
#include "core/storage/recordlayout.h"
#include "declarations/declarationwindow.h"
#include "output/exportwindows.h"
#include "registry/frmanagrafica.h"
#include "ui/picturebutton.h"

#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using Answer = Dialogs::Answer;

namespace {
const QString firstQuestion = QStringLiteral(
        "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
        "presenti in archivio.\n\r\n\rSi vuole esportare i dati adesso?");
const QString doneQuestion = QStringLiteral(
        "Le schede in archivio sono state esportate con successo.\n\r\n\rSi vuole aprire il file di Excel?");
const QString failureText = QStringLiteral(
        "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
        "Accertarsi che il file di Excel non sia già aperto.");

void writeCards(int n)
{
    QByteArray all;
    for (int i = 0; i < n; ++i) {
        Record r(SchedaAnagrafica::layout);
        r.setField(SchedaAnagrafica::Nome, QStringLiteral("Persona %1").arg(i + 1));
        r.setField(SchedaAnagrafica::Cap01, QStringLiteral("0"));
        all += r.bytes();
    }
    QVERIFY(writeFileBytes(ProgramFolder::file(QStringLiteral("Anagrafica.pro")), all));
}
}

class TestExportWindows : public QObject
{
    Q_OBJECT
private slots:
    void windowOfEachArchive_data();
    void windowOfEachArchive();
    void gridFilledWhenShown();
    void exportAnswers_data();
    void exportAnswers();
    void failureKeepsWindowOpenAndRetryWorks();
    void hoverHints();

private:
    // Opens the export window of `archive` and runs `drive` while it is shown.
    void withWindow(ArchiveWindow &archive, const std::function<void(QDialog *)> &drive)
    {
        dialogs.onModal = [&](QDialog *d) {
            d->show();
            [&] { QVERIFY(QTest::qWaitForWindowExposed(d)); }();
            drive(d);
            return int(QDialog::Rejected);
        };
        openExport(&archive);
    }

    TestFolder folder;
    FakeDialogs dialogs;
};

void TestExportWindows::windowOfEachArchive_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("registry") << 0 << "frmExpAnagrafica" << " Esporta archivio anagrafico in Microsoft Excel";
    QTest::newRow("self") << 1 << "frmExpCert" << " Esporta archivio attestari in Microsoft Excel";
    QTest::newRow("notoriety") << 2 << "frmExpAtti" << " Esporta archivio atti notori in Microsoft Excel";
}

void TestExportWindows::windowOfEachArchive()
{
    QFETCH(int, which);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    std::unique_ptr<ArchiveWindow> archive;
    if (which == 0)
        archive = std::make_unique<FrmAnagrafica>();
    else
        archive = std::make_unique<DeclarationWindow>(which == 1 ? DeclarationKind::SelfCertification
                                                                 : DeclarationKind::Notoriety);
    QString seen, title;
    QSize size;
    int columns = 0;
    withWindow(*archive, [&](QDialog *d) {
        seen = d->objectName();
        title = d->windowTitle();
        size = d->size();
        columns = child<QTableView>(d, "grdRecords")->model()->columnCount();
        QTest::mouseClick(child<PictureButton>(d, "cmdEsci"), Qt::LeftButton);
        QVERIFY(!d->isVisible());
    });
    QCOMPARE(seen, name);
    QCOMPARE(title, caption);
    QCOMPARE(size, QSize(862, 560));
    QCOMPARE(columns, which == 0 ? 26 : 16);
}

void TestExportWindows::gridFilledWhenShown()
{
    writeCards(3);
    FrmAnagrafica archive;
    withWindow(archive, [&](QDialog *d) {
        auto *grid = child<QTableView>(d, "grdRecords");
        QVERIFY(!qobject_cast<QTableWidget *>(grid));
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(grid->alternatingRowColors());
        QCOMPARE(grid->rowHeight(1), 21);
        auto *model = grid->model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
        QCOMPARE(model->headerData(21, Qt::Horizontal).toString(), QStringLiteral("Ente di rilascio"));
        QCOMPARE(model->data(model->index(2, 0)).toString(), QStringLiteral("3"));
        QCOMPARE(model->data(model->index(2, 1)).toString(), QStringLiteral("Persona 3"));
        QCOMPARE(model->data(model->index(2, 3)).toString(), QStringLiteral("0"));
        QVERIFY(!(model->flags(model->index(0, 1)) & Qt::ItemIsEditable));
    });
}

void TestExportWindows::exportAnswers_data()
{
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("opened");
    QTest::newRow("yes, yes") << QList<Answer>{Answer::Yes, Answer::Yes} << true << true;
    QTest::newRow("no") << QList<Answer>{Answer::No} << false << false;
    QTest::newRow("yes, no") << QList<Answer>{Answer::Yes, Answer::No} << true << false;
}

void TestExportWindows::exportAnswers()
{
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, written);
    QFETCH(bool, opened);
    writeCards(2);
    const QString path = folder.file(QStringLiteral("Anagrafica.xls"));
    QFile::remove(path);
    FrmAnagrafica archive;
    dialogs.clear();
    dialogs.answers = answers;
    bool stillOpen = false;
    withWindow(archive, [&](QDialog *d) {
        // The archive changes after the window opened: the export writes what the grid shows.
        writeCards(5);
        QTest::mouseClick(child<PictureButton>(d, "cmdEsporta"), Qt::LeftButton);
        stillOpen = d->isVisible();
    });
    QVERIFY(stillOpen);
    const auto messages = dialogs.messages();
    QCOMPARE(messages.size(), written ? 2 : 1);
    QCOMPARE(messages[0].kind, Dialogs::Kind::Question);
    QCOMPARE(messages[0].buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(messages[0].text, firstQuestion);
    QCOMPARE(messages[0].parent, QStringLiteral("frmExpAnagrafica"));
    if (written) {
        QCOMPARE(messages[1].text, doneQuestion);
        QCOMPARE(messages[1].buttons, Dialogs::Buttons::YesNo);
        ExportTable two(25);
        two.addRow({QStringLiteral("Persona 1"), QStringLiteral(" "), QStringLiteral("0")});
        two.addRow({QStringLiteral("Persona 2"), QStringLiteral(" "), QStringLiteral("0")});
        QCOMPARE(fileBytes(path), SpreadsheetWriter::document(QStringLiteral("Archivio Anagrafico"),
                                                              ExportArchive::registry().columns, two));
    } else {
        QVERIFY(!QFile::exists(path));
    }
    QStringList urls;
    for (const auto &call : dialogs.calls)
        if (call.what == QLatin1String("openUrl"))
            urls << call.text;
    QCOMPARE(urls, opened ? QStringList{QUrl::fromLocalFile(path).toString()} : QStringList());
    if (opened)
        QVERIFY(!urls[0].contains(QLatin1Char('"')));
}

void TestExportWindows::failureKeepsWindowOpenAndRetryWorks()
{
    writeCards(1);
    const QString path = folder.file(QStringLiteral("Anagrafica.xls"));
    QFile::remove(path);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Anagrafica.xls")));
    FrmAnagrafica archive;
    dialogs.clear();
    dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Yes, Answer::No};
    withWindow(archive, [&](QDialog *d) {
        QTest::mouseClick(child<PictureButton>(d, "cmdEsporta"), Qt::LeftButton);
        QVERIFY(d->isVisible());
        const auto failure = dialogs.lastMessage();
        QCOMPARE(failure.kind, Dialogs::Kind::Warning);
        QCOMPARE(failure.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(failure.text, failureText);
        QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("Anagrafica.xls")));
        QTest::mouseClick(child<PictureButton>(d, "cmdEsporta"), Qt::LeftButton);
        QCOMPARE(dialogs.lastMessage().text, doneQuestion);
    });
    QVERIFY(QFileInfo(path).isFile());
}

void TestExportWindows::hoverHints()
{
    FrmAnagrafica archive;
    withWindow(archive, [&](QDialog *d) {
        auto *info = child<QLabel>(d, "panInfo");
        QCOMPARE(info->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        const struct { const char *name; const char *hint; } hints[] = {
            {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
            {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
            {"cmdEsci", "Esci da questo ambiente di lavoro."},
        };
        for (const auto &h : hints) {
            auto *button = child<PictureButton>(d, h.name);
            QVERIFY(button->isEnabled());
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(button, &enter);
            QCOMPARE(info->text(), QString::fromUtf8(h.hint));
        }
        QWidget *panel = child<QWidget>(d, "panSfondo");
        QTest::mouseMove(panel, QPoint(5, 75));
        QTRY_COMPARE(info->text(), QString());
    });
}

QTEST_MAIN(TestExportWindows)
#include "tst_export_windows.moc"
