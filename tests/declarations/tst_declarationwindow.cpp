// The declaration window, both kinds, driven through its controls; what it
// stores is checked byte by byte in the archive files.
#include "archivescreen.h"
#include "child.h"
#include "core/declarations/placeofissue.h"
#include "core/storage/recordlayout.h"
#include "declarations/declarationwindow.h"
#include "fakedialogs.h"
#include "files.h"
#include "testfolder.h"
#include "ui/fittinglabel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using Kind = DeclarationKind::Id;
Q_DECLARE_METATYPE(DeclarationKind::Id)

namespace {
constexpr int R = SchedaDichiarazione::Size;

QString archiveOf(Kind kind)
{
    return kind == Kind::SelfCertification ? QStringLiteral("Archivio_Attestari.pro")
                                           : QStringLiteral("Archivio_Atti_Notori.pro");
}
Kind otherKind(Kind kind) { return kind == Kind::SelfCertification ? Kind::Notoriety : Kind::SelfCertification; }
QString today() { return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")); }

// A stored declaration: name "Persona n" and every field the window checks.
QByteArray storedRecord(int n, const QString &delivered = QStringLiteral("No"))
{
    Record r(SchedaDichiarazione::layout);
    r.setField(SchedaDichiarazione::Nome, QStringLiteral("Persona %1").arg(n));
    r.setField(SchedaDichiarazione::Sesso, QStringLiteral("F"));
    r.setField(SchedaDichiarazione::Tel, QStringLiteral("06 55%1").arg(n));
    r.setField(SchedaDichiarazione::Cap01, QStringLiteral("0"));
    r.setField(SchedaDichiarazione::Dichiarazione, QStringLiteral("di essere nata\r\n\r\na Roma"));
    r.setField(SchedaDichiarazione::Oggetto, QStringLiteral("Oggetto %1").arg(n));
    r.setField(SchedaDichiarazione::Luogo, QStringLiteral("Milano"));
    r.setField(SchedaDichiarazione::Data, QStringLiteral("0%1/02/2020").arg(n));
    r.setField(SchedaDichiarazione::Consegnata, delivered);
    r.setField(SchedaDichiarazione::File01, QStringLiteral("doc%1.pdf").arg(n));
    r.setField(SchedaDichiarazione::Desc03, QStringLiteral("descrizione %1").arg(n));
    return r.bytes();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(writeFileBytes(path, bytes));
}

// The bytes of one field of record n (1-based) of an archive, up to its zero.
QByteArray storedField(const QByteArray &archive, int n, int field)
{
    const LayoutField &f = SchedaDichiarazione::layout.field(field);
    const QByteArray slot = archive.mid((n - 1) * R + f.offset, f.capacity + 1);
    return slot.left(slot.indexOf('\0'));
}

// One window shown as the menu shows it, in a fresh program folder.
struct Screen : ArchiveScreen<DeclarationWindow>
{
    TestFolder folder;

    void open(Kind kind) { show(new DeclarationWindow(kind)); }
    ~Screen() { w.reset(); }   // the window goes before its program folder

    QPlainTextEdit *text() const { return child<QPlainTextEdit>(w.get(), "txtDichiarazione"); }
    QCheckBox *delivered() const { return child<QCheckBox>(w.get(), "chkConsegnata"); }
    QString archive(Kind kind) const { return folder.file(archiveOf(kind)); }

    // Types into whichever control has the focus, key by key, as the user does.
    void type(const QString &keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void typeInto(const char *name, const QString &keys)
    {
        child<QWidget>(w.get(), name)->setFocus();
        type(keys);
    }
    // Name, sex, telephone, subject: a declaration that can be saved and printed.
    void fillMinimum()
    {
        typeInto("txtNome", QStringLiteral("Mario Rossi"));
        typeInto("txtSesso", QStringLiteral("m"));
        typeInto("txtTel", QStringLiteral("333 1234567"));
        typeInto("txtOggetto", QStringLiteral("Residenza"));
        box("txtLuogo")->setText(QStringLiteral("Roma"));
    }
};

void addKindRows()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("frmCertificazioni") << Kind::SelfCertification;
    QTest::newRow("frmAtti") << Kind::Notoriety;
}
}

class TestDeclarationWindow : public QObject
{
    Q_OBJECT
private slots:
    void identity_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("deliveredHint");
        QTest::addColumn<QString>("undeliveredHint");
        QTest::newRow("frmCertificazioni")
            << Kind::SelfCertification << "frmCertificazioni" << " Quirendo Pro Attestari - Archivio Attestari"
            << "certificazioni"
            << "Spunta questa casella per indicare che l'autocertificazione è stata consegnata."
            << "Visualizza il riepilogo delle attestari non consegnate.";
        QTest::newRow("frmAtti")
            << Kind::Notoriety << "frmAtti" << " Quirendo Pro Attestari - Archivio Atti Notori" << "atti"
            << "Spunta questa casella per indicare che la dichiarazione sostitutiva di atto notorio è stata consegnata."
            << "Visualizza il riepilogo delle dichiarazioni sostitutive di atto notorio non consegnate.";
    }
    void identity()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tag);
        QFETCH(QString, deliveredHint);
        QFETCH(QString, undeliveredHint);
        Screen s;
        s.open(kind);
        QCOMPARE(s.w->objectName(), name);
        QCOMPARE(s.w->windowTitle(), caption);
        QCOMPARE(s.w->kindTag(), tag);
        QCOMPARE(s.label("panInfo")->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        // Shown as the menu shows it: a new declaration dated today.
        QCOMPARE(s.box("txtData")->text(), today());
        QCOMPARE(s.position(), QString());
        QCOMPARE(s.focus(), QStringLiteral("txtNome"));
        // Maximum lengths are the capacities of the record fields.
        const RecordLayout &layout = SchedaDichiarazione::layout;
        for (int i = 0; i < layout.fieldCount; ++i)
            if (auto *box = s.w->findChild<QLineEdit *>(QLatin1String(layout.field(i).control)))
                QCOMPARE(box->maxLength(), layout.field(i).capacity);
        // Hints of the kind in the status line.
        for (const char *control : {"chkConsegnata", "cmdDaConsegnare"}) {
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QApplication::sendEvent(s.w->findChild<QWidget *>(QLatin1String(control)), &enter);
            QCOMPARE(s.label("panInfo")->text(),
                     control[0] == 'c' && control[1] == 'h' ? deliveredHint : undeliveredHint);
        }
    }

    // Help shows the same page from both kinds.
    void helpPage_data() { addKindRows(); }
    void helpPage()
    {
        QFETCH(Kind, kind);
        Screen s;
        s.open(kind);
        QString title;
        s.dialogs.onModal = [&title](QDialog *d) {
            title = d->objectName() + QLatin1Char('|') + d->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text();
            return int(QDialog::Rejected);
        };
        s.click("cmdGuida");
        QCOMPARE(title, QStringLiteral("frmGuida|App Archivio Attestri e Archivio Atti Notori"));
    }

    void browsing_data() { addKindRows(); }
    void browsing()
    {
        QFETCH(Kind, kind);
        Screen s;
        writeFile(s.archive(kind), storedRecord(1) + storedRecord(2, QStringLiteral("OK")) + storedRecord(3));
        s.open(kind);

        s.click("cmdAvanti");   // from a new declaration: record 1
        QCOMPARE(s.position(), QStringLiteral("1"));
        QCOMPARE(s.box("txtNome")->text(), QStringLiteral("Persona 1"));
        s.box("txtNome")->setText(QStringLiteral("modificato"));
        s.click("cmdIndietro");   // on the first: nothing, not even a reload
        QCOMPARE(s.position(), QStringLiteral("1"));
        QCOMPARE(s.box("txtNome")->text(), QStringLiteral("modificato"));
        s.click("cmdAvanti");
        QCOMPARE(s.box("txtNome")->text(), QStringLiteral("Persona 2"));
        QVERIFY(s.delivered()->isChecked());
        QCOMPARE(s.label("lblFile01")->text(), QStringLiteral("doc2.pdf"));
        QCOMPARE(s.label("lblDesc03")->text(), QStringLiteral("descrizione 2"));
        QCOMPARE(s.text()->toPlainText(), QStringLiteral("di essere nata\n\na Roma"));
        QCOMPARE(s.box("txtLuogo")->text(), QStringLiteral("Milano"));
        s.click("cmdUltimo");
        QCOMPARE(s.position(), QStringLiteral("3"));
        QVERIFY(!s.delivered()->isChecked());
        s.box("txtNome")->setText(QStringLiteral("modificato"));
        s.click("cmdAvanti");   // on the last: nothing
        QCOMPARE(s.position(), QStringLiteral("3"));
        QCOMPARE(s.box("txtNome")->text(), QStringLiteral("modificato"));
        s.click("cmdIndietro");
        QCOMPARE(s.position(), QStringLiteral("2"));
        s.click("cmdPrimo");
        QCOMPARE(s.box("txtNome")->text(), QStringLiteral("Persona 1"));
        s.click("cmdNuovo");
        s.click("cmdIndietro");   // from a new declaration: record 1 too
        QCOMPARE(s.position(), QStringLiteral("1"));
        QCOMPARE(s.messageCount(), 0);
        QCOMPARE(s.label("panInfo")->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    }

    // A long archive's record number is shown whole in the narrow box
    // between the arrows, in the box's own family and never larger.
    void longPositionShownWhole_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<qint64>("position");
        for (qint64 n : {7, 73418, 1234567}) {
            QTest::addRow("frmCertificazioni %lld", n) << Kind::SelfCertification << n;
            QTest::addRow("frmAtti %lld", n) << Kind::Notoriety << n;
        }
    }
    void longPositionShownWhole()
    {
        QFETCH(Kind, kind);
        QFETCH(qint64, position);
        Screen s;
        s.open(kind);
        s.w->showRecord(position, storedRecord(1));
        auto *label = dynamic_cast<FittingLabel *>(s.label("lblPosizione"));
        QVERIFY(label);
        QCOMPARE(label->text(), QString::number(position));
        QCOMPARE(label->width(), 44);
        const QFont drawn = label->fittedFont();
        QCOMPARE(drawn.family(), label->font().family());
        QVERIFY(drawn.pointSizeF() <= label->font().pointSizeF());
        QVERIFY(QFontMetrics(drawn).horizontalAdvance(label->text()) <= label->contentsRect().width());
        if (position < 100)
            QCOMPARE(drawn.pointSizeF(), label->font().pointSizeF());
    }

    void browsingEmptyArchive_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QByteArray>("command");
        for (const char *command : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"}) {
            QTest::addRow("frmCertificazioni %s", command) << Kind::SelfCertification << QByteArray(command);
            QTest::addRow("frmAtti %s", command) << Kind::Notoriety << QByteArray(command);
        }
    }
    void browsingEmptyArchive()
    {
        QFETCH(Kind, kind);
        QFETCH(QByteArray, command);
        Screen s;
        s.open(kind);
        s.click(command.constData());
        // The first command on a fresh installation creates the empty archive.
        QVERIFY(QFileInfo(s.archive(kind)).isFile());
        QCOMPARE(QFileInfo(s.archive(kind)).size(), 0);
        QCOMPARE(s.messageCount(), 1);
        QCOMPARE(s.lastMessage().kind, Dialogs::Kind::Information);
        QCOMPARE(s.lastMessage().buttons, Dialogs::Buttons::OkCancel);
        QCOMPARE(s.lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(s.position(), QString());
    }

    void saveAppendsThenOverwrites_data() { addKindRows(); }
    void saveAppendsThenOverwrites()
    {
        QFETCH(Kind, kind);
        Screen s;
        const QByteArray three = storedRecord(1) + storedRecord(2) + storedRecord(3);
        writeFile(s.archive(kind), three);
        s.open(kind);
        s.fillMinimum();
        QCOMPARE(s.box("txtSesso")->text(), QStringLiteral("M"));   // typed "m"
        s.box("txtCittadinanza")->setText(QStringLiteral("italiana "));
        s.click("cmdSalva");
        QCOMPARE(s.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(s.lastMessage().kind, Dialogs::Kind::Information);
        QCOMPARE(s.position(), QStringLiteral("4"));

        QByteArray bytes = fileBytes(s.archive(kind));
        QCOMPARE(bytes.size(), 4 * R);
        QCOMPARE(bytes.left(3 * R), three);
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::Nome), QByteArray("Mario Rossi"));
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::Sesso), QByteArray("M"));
        // Stored as shown: trimming happens on reading.
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::Cittadinanza), QByteArray("italiana "));
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::Data), today().toLatin1());
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::Luogo), QByteArray("Roma"));
        QCOMPARE(bytes.mid(3 * R + 6285, 3), QByteArray("No\0", 3));

        s.box("txtOggetto")->setText(QStringLiteral("Stato di famiglia"));
        s.delivered()->setChecked(true);
        s.click("cmdSalva");
        QCOMPARE(s.lastMessage().text, QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(s.position(), QStringLiteral("4"));
        bytes = fileBytes(s.archive(kind));
        QCOMPARE(bytes.size(), 4 * R);
        QCOMPARE(bytes.left(3 * R), three);
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::Oggetto), QByteArray("Stato di famiglia"));
        QCOMPARE(bytes.mid(3 * R + 6285, 3), QByteArray("OK\0", 3));
    }

    // Save checks name, sex, telephone, subject and date in this order; Print
    // and Preview name, sex, place and date. A refusal warns, puts the focus
    // on the box and writes nothing.
    void checks_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("warning");
        const QString save = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        const QString print = QStringLiteral("Attenzione: per stampare la scheda è necessario indicare ");
        const QString sex = QStringLiteral("il sesso del dichiarante usando la lettera M oppure F.");
        const QString date = QStringLiteral("la data di emissione della dichiarazione.");
        struct Row { const char *command, *box, *value; QString warning; };
        const Row rows[] = {
            {"cmdSalva", "txtNome", " ", save + QStringLiteral("il nome del dichiarante.")},
            {"cmdSalva", "txtSesso", "", save + sex},
            {"cmdSalva", "txtSesso", "X", save + sex},
            {"cmdSalva", "txtTel", "  ", save + QStringLiteral("il recapito telefonico del dichiarante.")},
            {"cmdSalva", "txtOggetto", "", save + QStringLiteral("l'oggetto della dichiarazione.")},
            {"cmdSalva", "txtData", "", save + date},
            {"cmdStampa", "txtNome", "", print + QStringLiteral("il nome del dichiarante.")},
            {"cmdStampa", "txtSesso", "X", print + sex},
            {"cmdAnteprima", "txtSesso", "", print + sex},
            {"cmdStampa", "txtLuogo", " ", print + QStringLiteral("il luogo di emissione della dichiarazione.")},
            {"cmdAnteprima", "txtData", "", print + date},
        };
        for (Kind kind : {Kind::SelfCertification, Kind::Notoriety})
            for (const Row &row : rows)
                QTest::addRow("%s %s %s '%s'", DeclarationKind::of(kind).objectName, row.command, row.box, row.value)
                    << kind << QByteArray(row.command) << QByteArray(row.box) << QString::fromLatin1(row.value)
                    << row.warning;
    }
    void checks()
    {
        QFETCH(Kind, kind);
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, box);
        QFETCH(QString, value);
        QFETCH(QString, warning);
        Screen s;
        s.open(kind);
        s.fillMinimum();
        s.box(box.constData())->setText(value);
        // The date is checked last: an empty one too shows the order.
        if (box != "txtData")
            s.box("txtData")->clear();
        s.box("txtNome")->setFocus();
        s.click(command.constData());
        QCOMPARE(s.messageCount(), 1);
        QCOMPARE(s.lastMessage().kind, Dialogs::Kind::Warning);
        QCOMPARE(s.lastMessage().buttons, Dialogs::Buttons::OkCancel);
        QCOMPARE(s.lastMessage().text, warning);
        QCOMPARE(s.focus(), QString::fromLatin1(box));
        QVERIFY(!QFile::exists(s.archive(kind)));
        QCOMPARE(s.position(), QString());
    }

    // The place is not needed to save, telephone and subject not to print.
    void saveAndPrintNeedDifferentBoxes_data() { addKindRows(); }
    void saveAndPrintNeedDifferentBoxes()
    {
        QFETCH(Kind, kind);
        Screen s;
        s.open(kind);
        s.fillMinimum();
        s.box("txtLuogo")->clear();
        s.click("cmdSalva");
        QCOMPARE(s.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(fileBytes(s.archive(kind)).size(), R);
        s.click("cmdStampa");
        QCOMPARE(s.lastMessage().text, QStringLiteral("Attenzione: per stampare la scheda è necessario indicare "
                                                      "il luogo di emissione della dichiarazione."));
        QCOMPARE(s.focus(), QStringLiteral("txtLuogo"));

        s.box("txtLuogo")->setText(QStringLiteral("Roma"));
        s.box("txtTel")->clear();
        s.box("txtOggetto")->clear();
        s.dialogs.clear();
        s.click("cmdStampa");
        s.click("cmdAnteprima");
        QCOMPARE(s.messageCount(), 0);
        s.click("cmdSalva");
        QCOMPARE(s.focus(), QStringLiteral("txtTel"));
    }

    void duplicate_data() { addKindRows(); }
    void duplicate()
    {
        QFETCH(Kind, kind);
        Screen s;
        writeFile(s.archive(kind), storedRecord(1) + storedRecord(2, QStringLiteral("OK")) + storedRecord(3));
        s.open(kind);
        s.click("cmdDuplica");   // nothing stored on screen
        QCOMPARE(s.lastMessage().kind, Dialogs::Kind::Warning);
        QCOMPARE(s.lastMessage().text, QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio."));

        s.click("cmdAvanti");
        s.click("cmdAvanti");
        s.box("txtTel")->setFocus();
        s.click("cmdDuplica");
        QCOMPARE(s.lastMessage().kind, Dialogs::Kind::Information);
        QCOMPARE(s.lastMessage().text,
                 QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                "Al termine premere Salva per inserire la scheda in archivio."));
        QCOMPARE(s.focus(), QStringLiteral("txtNome"));
        QCOMPARE(s.position(), QString());
        QVERIFY(s.delivered()->isChecked());
        QCOMPARE(s.label("lblFile01")->text(), QString());
        QCOMPARE(s.label("lblDesc03")->text(), QString());
        QCOMPARE(s.box("txtData")->text(), QStringLiteral("02/02/2020"));   // not renewed

        s.click("cmdSalva");
        QCOMPARE(s.position(), QStringLiteral("4"));
        const QByteArray bytes = fileBytes(s.archive(kind));
        QCOMPARE(bytes.size(), 4 * R);
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::Nome), QByteArray("Persona 2"));
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::Consegnata), QByteArray("OK"));
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::File01), QByteArray());
        QCOMPARE(storedField(bytes, 4, SchedaDichiarazione::Desc03), QByteArray());
        QCOMPARE(bytes.mid(R, R), storedRecord(2, QStringLiteral("OK")));
    }

    void newKeepsPlace_data() { addKindRows(); }
    void newKeepsPlace()
    {
        QFETCH(Kind, kind);
        Screen s;
        writeFile(s.archive(kind), storedRecord(1, QStringLiteral("OK")));
        s.open(kind);
        s.click("cmdPrimo");
        s.box("txtTel")->setFocus();
        s.click("cmdNuovo");
        QCOMPARE(s.box("txtLuogo")->text(), QStringLiteral("Milano"));
        QCOMPARE(s.box("txtData")->text(), today());
        for (const QString &control : DeclarationWindow::personalDataControls())
            QCOMPARE(s.box(control.toLatin1().constData())->text(), QString());
        QCOMPARE(s.text()->toPlainText(), QString());
        QCOMPARE(s.box("txtOggetto")->text(), QString());
        QCOMPARE(s.label("lblFile01")->text(), QString());
        QVERIFY(!s.delivered()->isChecked());
        QCOMPARE(s.position(), QString());
        QCOMPARE(s.focus(), QStringLiteral("txtNome"));
        s.box("txtData")->clear();
        s.click("impOggi");
        QCOMPARE(s.box("txtData")->text(), today());
    }

    // Both kinds keep the last place of issue in one settings file.
    void placeShared_data() { addKindRows(); }
    void placeShared()
    {
        QFETCH(Kind, kind);
        Screen s;
        s.open(kind);
        QCOMPARE(s.box("txtLuogo")->text(), QString());
        s.box("txtLuogo")->setText(QStringLiteral("Roma "));
        QSignalSpy closed(s.w.get(), &ArchiveWindow::closed);
        s.click("cmdEsci");
        QCOMPARE(closed.count(), 1);
        QVERIFY(!s.w->isVisible());
        QSettings ini(s.folder.file(QStringLiteral("Attestari.ini")), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("Autocertificazione/Luogo")).toString(), QStringLiteral("Roma"));

        DeclarationWindow other(otherKind(kind));
        other.show();
        QCOMPARE(other.findChild<QLineEdit *>(QStringLiteral("txtLuogo"))->text(), QStringLiteral("Roma"));
        other.findChild<QLineEdit *>(QStringLiteral("txtLuogo"))->setText(QStringLiteral("  "));
        other.close();   // the close box
        s.w->show();
        QCOMPARE(s.box("txtLuogo")->text(), QString());
        QCOMPARE(s.messageCount(), 0);
    }

    void unusableSettingsFile()
    {
        Screen s;
        QVERIFY(QDir(s.folder.path()).mkdir(QStringLiteral("Attestari.ini")));
        s.open(Kind::SelfCertification);
        QCOMPARE(s.box("txtLuogo")->text(), QString());
        QCOMPARE(s.box("txtData")->text(), today());
        s.box("txtLuogo")->setText(QStringLiteral("Roma"));
        QSignalSpy closed(s.w.get(), &ArchiveWindow::closed);
        s.w->close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!s.w->isVisible());
        QVERIFY(QFileInfo(s.folder.file(QStringLiteral("Attestari.ini"))).isDir());
        QCOMPARE(s.messageCount(), 0);
    }

    void declarationTextKeepsBreaks_data() { addKindRows(); }
    void declarationTextKeepsBreaks()
    {
        QFETCH(Kind, kind);
        Screen s;
        s.open(kind);
        s.fillMinimum();
        s.box("txtTel")->setFocus();
        QTest::keyClick(s.box("txtTel"), Qt::Key_Return);
        QCOMPARE(s.focus(), QStringLiteral("txtDichiarazione"));
        s.type(QStringLiteral("a"));
        QTest::keyClick(s.text(), Qt::Key_Return);   // Enter breaks the line
        QTest::keyClick(s.text(), Qt::Key_Return);
        s.type(QStringLiteral("b"));
        QCOMPARE(s.focus(), QStringLiteral("txtDichiarazione"));
        s.click("cmdSalva");
        const QByteArray bytes = fileBytes(s.archive(kind));
        QCOMPARE(bytes.mid(901, 7), QByteArray("a\r\n\r\nb\0", 7));

        s.click("cmdNuovo");
        s.click("cmdPrimo");
        QCOMPARE(s.text()->toPlainText(), QStringLiteral("a\n\nb"));
    }

    // Delivered exactly when the flag reads "OK"; anything else clears the box.
    void deliveredFlag_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("OK") << QStringLiteral("OK") << true;
        QTest::newRow("No") << QStringLiteral("No") << false;
        QTest::newRow("ok") << QStringLiteral("ok") << false;
        QTest::newRow("Si") << QStringLiteral("Si") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void deliveredFlag()
    {
        QFETCH(QString, flag);
        QFETCH(bool, ticked);
        Screen s;
        s.open(Kind::Notoriety);
        s.delivered()->setChecked(true);
        s.w->showRecord(7, storedRecord(1, flag));
        QCOMPARE(s.delivered()->isChecked(), ticked);
        QCOMPARE(s.position(), QStringLiteral("7"));
    }

    void segmentedBoxes_data() { addKindRows(); }
    void segmentedBoxes()
    {
        QFETCH(Kind, kind);
        Screen s;
        s.open(kind);
        s.typeInto("txtCap01", QStringLiteral("00184"));
        QStringList cap;
        for (const char *box : {"txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05"})
            cap << s.box(box)->text();
        QCOMPARE(cap, (QStringList{"0", "0", "1", "8", "4"}));
        QCOMPARE(s.focus(), QStringLiteral("txtLocalita"));

        s.box("txtCap03")->setFocus();
        QTest::keyClick(s.box("txtCap03"), Qt::Key_Backspace);
        QCOMPARE(s.box("txtCap03")->text(), QString());
        QCOMPARE(s.focus(), QStringLiteral("txtCap03"));

        s.typeInto("txtProv01", QStringLiteral("rm"));
        QCOMPARE(s.box("txtProv01")->text() + s.box("txtProv02")->text(), QStringLiteral("RM"));
        QCOMPARE(s.focus(), QStringLiteral("txtTel"));

        s.typeInto("txtCodFisc", QStringLiteral("rssmra"));
        QCOMPARE(s.box("txtCodFisc")->text(), QStringLiteral("RSSMRA"));
        s.typeInto("txtLocalita", QStringLiteral("roma"));
        QCOMPARE(s.box("txtLocalita")->text(), QStringLiteral("roma"));
    }

    void enterChain()
    {
        Screen s;
        s.open(Kind::SelfCertification);
        const QStringList chain = {
            "txtNome", "txtDataNasc", "txtSesso", "txtLuogoNasc", "txtCodFisc", "txtCittadinanza",
            "txtIndirizzo", "txtNum", "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05",
            "txtLocalita", "txtProv01", "txtProv02", "txtTel", "txtDichiarazione"};
        for (int i = 0; i + 1 < chain.size(); ++i) {
            QCOMPARE(s.focus(), chain[i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(s.focus(), QStringLiteral("txtDichiarazione"));
        s.box("txtOggetto")->setFocus();
        for (const char *next : {"txtLuogo", "txtData", "txtNome"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(s.focus(), QLatin1String(next));
        }
        // Tab follows the tab order; out of the text box too.
        s.text()->setFocus();
        QTest::keyClick(s.text(), Qt::Key_Tab);
        QCOMPARE(s.focus(), QStringLiteral("txtOggetto"));
        QCOMPARE(s.text()->toPlainText(), QString());
        s.box("txtData")->setFocus();
        QTest::keyClick(s.box("txtData"), Qt::Key_Tab);
        QCOMPARE(s.focus(), QStringLiteral("chkConsegnata"));
    }

    // Each window reads and writes its own archive only.
    void archivesApart_data() { addKindRows(); }
    void archivesApart()
    {
        QFETCH(Kind, kind);
        Screen s;
        const QByteArray others = storedRecord(1) + storedRecord(2);
        writeFile(s.archive(otherKind(kind)), others);
        s.open(kind);
        s.click("cmdUltimo");
        QCOMPARE(s.lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        s.fillMinimum();
        s.click("cmdSalva");
        QCOMPARE(s.position(), QStringLiteral("1"));
        s.click("cmdSalva");
        s.click("cmdAvanti");
        QCOMPARE(fileBytes(s.archive(kind)).size(), R);
        QCOMPARE(fileBytes(s.archive(otherKind(kind))), others);
        QCOMPARE(s.box("txtNome")->text(), QStringLiteral("Mario Rossi"));
    }

    // An archive that cannot be opened: an error, nothing written, the
    // screen as it was. The failure of Save comes in a plain OK box.
    void accessError_data() { addKindRows(); }
    void accessError()
    {
        QFETCH(Kind, kind);
        Screen s;
        QVERIFY(QDir(s.folder.path()).mkdir(archiveOf(kind)));
        s.open(kind);
        s.fillMinimum();
        for (const char *command : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"}) {
            s.click(command);
            QCOMPARE(s.lastMessage().kind, Dialogs::Kind::Error);
            QCOMPARE(s.lastMessage().buttons, Dialogs::Buttons::OkCancel);
            QCOMPARE(s.lastMessage().text, QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
        }
        s.click("cmdSalva");
        QCOMPARE(s.lastMessage().kind, Dialogs::Kind::Error);
        QCOMPARE(s.lastMessage().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(s.lastMessage().text, QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
        QCOMPARE(s.position(), QString());
        QCOMPARE(s.box("txtNome")->text(), QStringLiteral("Mario Rossi"));

        // A stored record that has gone: overwriting it fails the same way.
        QVERIFY(QDir(s.folder.path()).rmdir(archiveOf(kind)));
        writeFile(s.archive(kind), storedRecord(1));
        s.w->showRecord(3, storedRecord(3));
        s.click("cmdSalva");
        QCOMPARE(s.lastMessage().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(s.lastMessage().text, QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
        QCOMPARE(fileBytes(s.archive(kind)), storedRecord(1));
        QCOMPARE(s.position(), QStringLiteral("3"));
    }

    // Digits only open the VAT check with the code in its box; anything
    // else, also nothing, the fiscal-code check.
    void checkFiscalCode_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("codeBox");
        for (Kind kind : {Kind::SelfCertification, Kind::Notoriety}) {
            const char *name = DeclarationKind::of(kind).objectName;
            QTest::addRow("%s eleven digits", name) << kind << QStringLiteral(" 01234567890 ")
                                                    << QStringLiteral("frmPartitaIva") << QStringLiteral("txtPartitaIva");
            QTest::addRow("%s a letter", name) << kind << QStringLiteral("0123456789X")
                                               << QStringLiteral("frmCodFisc") << QStringLiteral("txtCodFisc");
            QTest::addRow("%s empty", name) << kind << QStringLiteral("  ") << QStringLiteral("frmCodFisc")
                                            << QStringLiteral("txtCodFisc");
        }
    }
    void checkFiscalCode()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, code);
        QFETCH(QString, window);
        QFETCH(QString, codeBox);
        Screen s;
        s.open(kind);
        s.box("txtCodFisc")->setText(code);
        QString handed;
        s.dialogs.onModal = [&](QDialog *dialog) {
            if (auto *box = dialog->findChild<QLineEdit *>(codeBox))
                handed = box->text();
            return int(QDialog::Rejected);
        };
        s.click("btnCodFisc");
        QCOMPARE(s.dialogs.calls.size(), 1);
        QCOMPARE(s.dialogs.calls[0].what, QStringLiteral("showModal"));
        QCOMPARE(s.dialogs.calls[0].text, window);
        QCOMPARE(s.dialogs.calls[0].parent, s.w->objectName());
        QCOMPARE(handed, code.trimmed());
        QCOMPARE(s.box("txtCodFisc")->text(), code);   // nothing comes back
    }

    // The declarant's birth date and sex, as typed, are held against what
    // the fiscal code encodes.
    void fiscalCodeAgainstDeclarant_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("birthDate");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("verdict");
        const QString valid = QStringLiteral("Il codice fiscale digitato è VALIDO.\n"
                                             "Nata il 03/11/1975, sesso F, codice del luogo L781.");
        for (Kind kind : {Kind::SelfCertification, Kind::Notoriety}) {
            const char *name = DeclarationKind::of(kind).objectName;
            QTest::addRow("%s agreeing", name) << kind << QStringLiteral("03/11/1975") << QStringLiteral("f") << valid;
            QTest::addRow("%s other birth date", name)
                    << kind << QStringLiteral("03/11/1976") << QStringLiteral("f")
                    << valid + QStringLiteral("\nAttenzione: la data di nascita della scheda (03/11/1976) non "
                                              "corrisponde a quella del codice.");
            QTest::addRow("%s other sex", name)
                    << kind << QStringLiteral("03/11/1975") << QStringLiteral("m")
                    << valid + QStringLiteral("\nAttenzione: il sesso della scheda (M) non corrisponde a quello "
                                              "del codice.");
            QTest::addRow("%s both other", name)
                    << kind << QStringLiteral("04/11/1975") << QStringLiteral("m")
                    << valid + QStringLiteral("\nAttenzione: la data di nascita della scheda (04/11/1975) non "
                                              "corrisponde a quella del codice.\nAttenzione: il sesso della "
                                              "scheda (M) non corrisponde a quello del codice.");
            QTest::addRow("%s boxes empty", name) << kind << QString() << QString() << valid;
        }
    }
    void fiscalCodeAgainstDeclarant()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, birthDate);
        QFETCH(QString, sex);
        QFETCH(QString, verdict);
        Screen s;
        s.open(kind);
        s.typeInto("txtDataNasc", birthDate);
        if (!sex.isEmpty())
            s.typeInto("txtSesso", sex);
        s.typeInto("txtCodFisc", QStringLiteral("bnclra75s43l781o"));
        s.dialogs.whileModal([](QDialog *dialog) {
            QTest::keyClick(child<QLineEdit>(dialog, "txtCodFisc"), Qt::Key_Return);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
        s.click("btnCodFisc");
        QCOMPARE(s.dialogs.messages().size(), 1);
        QCOMPARE(s.dialogs.lastMessage().kind, Dialogs::Kind::Information);
        QCOMPARE(s.dialogs.lastMessage().text, verdict);
        QCOMPARE(s.dialogs.lastMessage().parent, QStringLiteral("frmCodFisc"));
        QCOMPARE(s.box("txtDataNasc")->text(), birthDate);   // nothing comes back
    }

    // The import window fills the personal data only; saving then
    // overwrites the declaration on screen.
    void fillPersonalData()
    {
        Screen s;
        writeFile(s.archive(Kind::Notoriety), storedRecord(1, QStringLiteral("OK")) + storedRecord(2));
        s.open(Kind::Notoriety);
        s.click("cmdPrimo");
        QStringList person;
        for (const QString &control : DeclarationWindow::personalDataControls())
            person << control.mid(3);
        QCOMPARE(person.size(), 17);
        person[SchedaDichiarazione::Sesso] = QStringLiteral("F");
        s.w->fillPersonalData(person);
        QCOMPARE(s.box("txtNome")->text(), QStringLiteral("Nome"));
        QCOMPARE(s.box("txtCap04")->text(), QStringLiteral("C"));   // one character box
        QCOMPARE(s.box("txtTel")->text(), QStringLiteral("Tel"));
        QCOMPARE(s.box("txtOggetto")->text(), QStringLiteral("Oggetto 1"));
        QCOMPARE(s.text()->toPlainText(), QStringLiteral("di essere nata\n\na Roma"));
        QCOMPARE(s.box("txtLuogo")->text(), QStringLiteral("Milano"));
        QVERIFY(s.delivered()->isChecked());
        QCOMPARE(s.label("lblFile01")->text(), QStringLiteral("doc1.pdf"));
        QCOMPARE(s.position(), QStringLiteral("1"));
        s.click("cmdSalva");
        const QByteArray bytes = fileBytes(s.archive(Kind::Notoriety));
        QCOMPARE(bytes.size(), 2 * R);
        QCOMPARE(storedField(bytes, 1, SchedaDichiarazione::Indirizzo), QByteArray("Indirizzo"));
        QCOMPARE(storedField(bytes, 1, SchedaDichiarazione::File01), QByteArray("doc1.pdf"));
        QCOMPARE(bytes.mid(R), storedRecord(2));
    }
};

QTEST_MAIN(TestDeclarationWindow)
#include "tst_declarationwindow.moc"
