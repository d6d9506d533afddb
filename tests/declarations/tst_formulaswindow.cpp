// The standard formulas in both declaration windows: F2 or the text's
// context menu opens frmFormule, which lists the formulas of the window's
// kind as they read with the declarant on screen; the choice goes into
// txtDichiarazione on a line of its own, within the record's 5000 bytes.
#include "archivescreen.h"
#include "child.h"
#include "core/declarations/declarationtext.h"
#include "core/declarations/formulas.h"
#include "declarations/declarationtextbox.h"
#include "declarations/declarationwindow.h"
#include "fakedialogs.h"
#include "testfolder.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

using Kind = DeclarationKind::Id;
Q_DECLARE_METATYPE(DeclarationKind::Id)

namespace {
const QString doesNotFit =
        QStringLiteral("La formula non entra nel testo della dichiarazione: il limite è di 5000 caratteri.");

// The declarant of the examples, box by box.
const QList<QPair<const char *, QString>> veronese = {
    {"txtNome", "MARIO BIANCHI"}, {"txtDataNasc", "03/11/1975"}, {"txtLuogoNasc", "Verona"},
    {"txtCodFisc", "BNCMRA75S03L781Q"}, {"txtCittadinanza", "italiana"}, {"txtIndirizzo", "Via Garibaldi"},
    {"txtNum", "12/B"}, {"txtCap01", "3"}, {"txtCap02", "7"}, {"txtCap03", "0"}, {"txtCap04", "1"},
    {"txtCap05", "5"}, {"txtLocalita", "Sant'Ambrogio di Valpolicella"}, {"txtProv01", "V"}, {"txtProv02", "R"},
    {"txtTel", "045 7701234"},
};

struct Screen : ArchiveScreen<DeclarationWindow>
{
    TestFolder folder;

    void open(Kind kind) { show(new DeclarationWindow(kind)); }
    ~Screen() { w.reset(); }

    QPlainTextEdit *text() const { return child<QPlainTextEdit>(w.get(), "txtDichiarazione"); }
    void fill(const QString &sex)
    {
        for (const auto &[control, value] : veronese)
            box(control)->setText(value);
        box("txtSesso")->setText(sex);
    }
    void setText(const QString &text, int cursor)
    {
        this->text()->setPlainText(text);
        QTextCursor c = this->text()->textCursor();
        c.setPosition(cursor);
        this->text()->setTextCursor(c);
        this->text()->setFocus();
    }
    // F2 in the control with the focus, the window active again as after a
    // modal window closes.
    void pressF2()
    {
        w->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(w.get())); }();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    }
    QString focus() const { return w->focusWidget() ? w->focusWidget()->objectName() : QString(); }
};

QLineEdit *filterOf(QDialog *d) { return child<QLineEdit>(d, "txtFiltro"); }
QListWidget *listOf(QDialog *d) { return child<QListWidget>(d, "lstFormule"); }
QStringList rows(QDialog *d)
{
    QStringList out;
    for (int i = 0; i < listOf(d)->count(); ++i)
        out.append(listOf(d)->item(i)->text());
    return out;
}

// A filter that leaves one formula of the list's kind.
QString oneFormulaOf(QDialog *d)
{
    return listOf(d)->item(0)->text().startsWith(QLatin1String("a)")) ? QStringLiteral("nascita luogo")
                                                                       : QStringLiteral("smarrimento");
}

void addKindRows()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("frmCertificazioni") << Kind::SelfCertification;
    QTest::newRow("frmAtti") << Kind::Notoriety;
}
}

class TestFormulasWindow : public QObject
{
    Q_OBJECT
private slots:
    // F2 opens the list over the window; each row is the reference and the
    // formula as it reads with the declarant on screen, for every sex, and
    // only the formulas of the window's kind.
    void listReadsAsFilled_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("first");
        for (Kind kind : {Kind::SelfCertification, Kind::Notoriety}) {
            const char *name = DeclarationKind::of(kind).objectName;
            const bool cert = kind == Kind::SelfCertification;
            QTest::addRow("%s M", name) << kind << "M"
                                        << (cert ? "a)  di essere nato a Verona il 03/11/1975"
                                                 : "art. 19  che la copia allegata del seguente documento: "
                                                   "________, composta da n. ________ fogli, è conforme "
                                                   "all'originale");
            QTest::addRow("%s F", name) << kind << "F"
                                        << (cert ? "a)  di essere nata a Verona il 03/11/1975"
                                                 : "art. 19  che la copia allegata del seguente documento: "
                                                   "________, composta da n. ________ fogli, è conforme "
                                                   "all'originale");
            QTest::addRow("%s no sex", name) << kind << ""
                                             << (cert ? "a)  di essere nato/a a Verona il 03/11/1975"
                                                      : "art. 19  che la copia allegata del seguente documento: "
                                                        "________, composta da n. ________ fogli, è conforme "
                                                        "all'originale");
        }
    }
    void listReadsAsFilled()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, sex);
        QFETCH(QString, first);
        Screen s;
        s.open(kind);
        s.fill(sex);
        Formulas::Declarant declarant;
        for (const QString &control : DeclarationWindow::personalDataControls())
            declarant.insert(control, s.box(qPrintable(control))->text());
        QStringList expected;
        for (const Formulas::Formula &f : Formulas::of(kind))
            expected.append(f.reference() + QStringLiteral("  ") + Formulas::filled(f, declarant));

        QStringList listed;
        s.dialogs.whileModal([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Inserisci formula"));
            QCOMPARE(QApplication::focusWidget(), filterOf(d));
            QVERIFY(child<QPushButton>(d, "cmdInserisci")->isDefault());
            QCOMPARE(child<QPushButton>(d, "cmdChiudi")->text(), QStringLiteral("Chiudi"));
            listed = rows(d);
            QCOMPARE(listOf(d)->currentRow(), 0);
        });
        s.pressF2();
        QCOMPARE(s.dialogs.calls.size(), 1);
        QCOMPARE(s.dialogs.calls[0].what, QStringLiteral("showModal"));
        QCOMPARE(s.dialogs.calls[0].text, QStringLiteral("frmFormule"));
        QCOMPARE(s.dialogs.calls[0].parent, s.w->objectName());
        QCOMPARE(listed.value(0), first);
        QCOMPARE(listed, expected);
        for (const QString &row : listed)
            QVERIFY2(row.startsWith(QLatin1String("art. ")) == (kind == Kind::Notoriety), qPrintable(row));
        QCOMPARE(s.text()->toPlainText(), QString());   // closed without a choice
    }

    // Empty boxes leave visible gaps, and F2 works from any box of the window.
    void gapsAndEnterInserts_data() { addKindRows(); }
    void gapsAndEnterInserts()
    {
        QFETCH(Kind, kind);
        Screen s;
        s.open(kind);
        s.box("txtNome")->setFocus();
        s.dialogs.whileModal([](QDialog *d) {
            QTest::keyClicks(filterOf(d), oneFormulaOf(d));
            QTest::keyClick(filterOf(d), Qt::Key_Return);
        });
        s.pressF2();
        const QString expected = kind == Kind::SelfCertification
                                         ? QStringLiteral("di essere nato/a a ________ il ________")
                                         : QStringLiteral("di aver smarrito in data ________, a ________, il seguente "
                                                          "documento: ________ n. ________, rilasciato da ________ il "
                                                          "________");
        QCOMPARE(s.text()->toPlainText(), expected);
        QCOMPARE(s.focus(), QStringLiteral("txtDichiarazione"));
        QCOMPARE(s.text()->textCursor().position(), expected.size());
    }

    // A line of its own at the cursor, inside the text and at its end; a
    // selection is kept and the formula follows it.
    void insertsAtTheCursor()
    {
        Screen s;
        s.open(Kind::SelfCertification);
        s.fill(QStringLiteral("F"));
        auto choose = [&s](const QString &filter, bool doubleClick) {
            s.dialogs.whileModal([filter, doubleClick](QDialog *d) {
                QTest::keyClicks(filterOf(d), filter);
                QCOMPARE(listOf(d)->count(), 1);
                if (doubleClick) {
                    QListWidget *list = listOf(d);
                    const QRect r = list->visualItemRect(list->item(0));
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
                } else {
                    QTest::mouseClick(child<QPushButton>(d, "cmdInserisci"), Qt::LeftButton);
                }
            });
            s.pressF2();
        };
        s.setText(QStringLiteral("premessa\nconclusione"), 8);   // end of the first line
        choose(QStringLiteral("in vita"), false);
        QCOMPARE(s.text()->toPlainText(), QStringLiteral("premessa\ndi essere in vita\nconclusione"));

        QTest::keyClick(s.text(), Qt::Key_End, Qt::ControlModifier);   // the end of the text
        choose(QStringLiteral("coniugat"), true);
        QCOMPARE(s.text()->toPlainText(),
                 QStringLiteral("premessa\ndi essere in vita\nconclusione\ndi essere coniugata con ________"));

        // "premessa" selected: it stays, the formula goes after it.
        s.setText(QStringLiteral("premessa"), 8);
        QTextCursor select = s.text()->textCursor();
        select.setPosition(0, QTextCursor::KeepAnchor);
        s.text()->setTextCursor(select);
        choose(QStringLiteral("nascita luogo"), false);
        QCOMPARE(s.text()->toPlainText(), QStringLiteral("premessa\ndi essere nata a Verona il 03/11/1975"));

        // Three in a row from an empty text: one line each, cursor at the end.
        s.setText(QString(), 0);
        for (const char *filter : {"nascita luogo", "residenza", "cittadinanza"})
            choose(QLatin1String(filter), false);
        QCOMPARE(s.text()->toPlainText(),
                 QStringLiteral("di essere nata a Verona il 03/11/1975\n"
                                "di essere residente in Sant'Ambrogio di Valpolicella (VR), Via Garibaldi n. 12/B\n"
                                "di essere cittadina italiana"));
        QCOMPARE(s.text()->textCursor().position(), s.text()->toPlainText().size());
        QCOMPARE(s.dialogs.calls.size(), 6);
    }

    // The context menu of the text carries the entry, with its key.
    void contextMenu_data() { addKindRows(); }
    void contextMenu()
    {
        QFETCH(Kind, kind);
        Screen s;
        s.open(kind);
        s.setText(QStringLiteral("testo"), 5);
        QStringList entries;
        QString shortcut;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *a : menu->actions())
                if (!a->isSeparator())
                    entries.append(a->text());
            QAction *entry = menu->actions().last();
            shortcut = entry->shortcut().toString();
            entry->trigger();
            menu->close();
        });
        s.dialogs.whileModal([](QDialog *d) { QTest::keyClick(filterOf(d), Qt::Key_Return); });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 10), s.text()->viewport()->mapToGlobal(QPoint(20, 10)));
        QApplication::sendEvent(s.text()->viewport(), &event);
        QVERIFY(entries.size() > 1);   // the box's own entries stay
        QCOMPARE(entries.last(), QStringLiteral("Inserisci formula..."));
        QCOMPARE(shortcut, QStringLiteral("F2"));
        QCOMPARE(s.dialogs.calls.size(), 1);
        QVERIFY(s.text()->toPlainText().startsWith(QStringLiteral("testo\n")));
    }

    // The filter keeps the rows holding every word; the arrows move in the
    // list from the filter; with nothing listed, or closing, nothing goes in.
    void filter()
    {
        Screen s;
        s.open(Kind::SelfCertification);
        s.fill(QStringLiteral("M"));
        s.setText(QStringLiteral("testo"), 5);
        s.dialogs.whileModal([](QDialog *d) {
            QTest::keyClicks(filterOf(d), QStringLiteral("stato civile"));
            QCOMPARE(rows(d), (QStringList{"e)  di essere celibe", "e)  di essere coniugato con ________",
                                           "e)  di essere unito civilmente con ________",
                                           "e)  di essere vedovo di ________", "e)  di essere di stato libero",
                                           "dd)  che nei registri dello stato civile del Comune di ________ risulta "
                                           "quanto segue: ________"}));
            QCOMPARE(child<QLabel>(d, "lblRiferimento")->text(),
                     QStringLiteral("Art. 46, comma 1, lettera e), D.P.R. 445/2000 - Stato civile: celibe o nubile"));
            QTest::keyClick(filterOf(d), Qt::Key_Down);
            QTest::keyClick(filterOf(d), Qt::Key_Down);
            QCOMPARE(listOf(d)->currentRow(), 2);
            QCOMPARE(QApplication::focusWidget(), filterOf(d));
            QTest::keyClicks(filterOf(d), QStringLiteral(" zzz"));
            QCOMPARE(listOf(d)->count(), 0);
            QCOMPARE(child<QLabel>(d, "lblRiferimento")->text(), QString());
            QTest::keyClick(filterOf(d), Qt::Key_Return);   // nothing to insert: the list stays
            QVERIFY(d->isVisible());
            filterOf(d)->clear();
            QCOMPARE(listOf(d)->count(), Formulas::of(Kind::SelfCertification).size());
            QTest::mouseClick(child<QPushButton>(d, "cmdChiudi"), Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        s.pressF2();
        QCOMPARE(s.text()->toPlainText(), QStringLiteral("testo"));
        s.dialogs.whileModal([](QDialog *d) { QTest::keyClick(filterOf(d), Qt::Key_Escape); });
        s.pressF2();
        QCOMPARE(s.text()->toPlainText(), QStringLiteral("testo"));
        QCOMPARE(s.dialogs.calls.size(), 2);
    }

    // A formula that would pass the 5000 bytes does not go in, and the status
    // line says so; one that just fits does.
    void byteLimit_data() { addKindRows(); }
    void byteLimit()
    {
        QFETCH(Kind, kind);
        Screen s;
        s.open(kind);
        const QString formula = Formulas::filled(Formulas::of(kind).last(), {});
        const int room = 5000 - 2 - int(formula.size());   // the formula and the break before it
        auto insertLast = [&s] {
            s.dialogs.whileModal([](QDialog *d) {
                listOf(d)->setCurrentRow(listOf(d)->count() - 1);
                QTest::keyClick(filterOf(d), Qt::Key_Return);
            });
            s.pressF2();
        };
        const QString tooLong(room + 1, QLatin1Char('x'));
        s.setText(tooLong, room + 1);
        insertLast();
        QCOMPARE(s.text()->toPlainText(), tooLong);
        QCOMPARE(s.label("panInfo")->text(), doesNotFit);

        s.setText(QString(room, QLatin1Char('x')), room);
        insertLast();
        QCOMPARE(s.text()->toPlainText(), QString(room, QLatin1Char('x')) + QLatin1Char('\n') + formula);
        QCOMPARE(DeclarationText::recordBytes(DeclarationTextBox::text(s.text())), 5000);
    }

    // Pictures for a look by eye, when ATTESTARI_SHOTS names a folder: the
    // list over a filled declaration, and the printed form of a text made of
    // three formulas (PDF, and PNG when pdftoppm is there).
    void screenshots()
    {
        const QString out = qEnvironmentVariable("ATTESTARI_SHOTS");
        if (out.isEmpty())
            QSKIP("ATTESTARI_SHOTS not set");
        Screen s;
        s.open(Kind::SelfCertification);
        s.w->resize(1016, 713);
        s.fill(QStringLiteral("F"));
        s.box("txtNome")->setText(QStringLiteral("MARIA BIANCHI"));
        s.box("txtCodFisc")->setText(QStringLiteral("BNCMRA75S43L781U"));
        s.box("txtOggetto")->setText(QStringLiteral("Nascita, residenza e cittadinanza"));
        s.box("txtLuogo")->setText(QStringLiteral("Verona"));
        s.setText(QString(), 0);
        for (const char *filter : {"nascita luogo", "residenza", "cittadinanza"}) {
            s.dialogs.whileModal([filter](QDialog *d) {
                QTest::keyClicks(filterOf(d), QLatin1String(filter));
                QTest::keyClick(filterOf(d), Qt::Key_Return);
            });
            s.pressF2();
        }
        s.dialogs.whileModal([&](QDialog *d) {
            QTest::keyClicks(filterOf(d), QStringLiteral("stato"));
            QApplication::processEvents();
            // The list over the window, where it stands on the screen.
            QPixmap shot = s.w->grab();
            QPainter p(&shot);
            p.drawPixmap(d->geometry().topLeft() - s.w->geometry().topLeft(), d->grab());
            p.end();
            QVERIFY(shot.save(out + QStringLiteral("/frmFormule_over_frmCertificazioni.png")));
            filterOf(d)->clear();
            listOf(d)->scrollToItem(listOf(d)->item(listOf(d)->count() - 1));
            QApplication::processEvents();
            QVERIFY(d->grab().save(out + QStringLiteral("/frmFormule.png")));
        });
        s.pressF2();

        const QString pdf = out + QStringLiteral("/three_formulas.pdf");
        QFile::remove(pdf);
        s.dialogs.printToFile = pdf;
        s.dialogs.onModal = [](QDialog *d) {
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("btnStampa")), Qt::LeftButton);
            return d->result();
        };
        s.click("cmdStampa");
        QVERIFY(QFile::exists(pdf));
        Screen atti;
        atti.open(Kind::Notoriety);
        atti.fill(QStringLiteral("M"));
        atti.dialogs.whileModal([&](QDialog *d) { QVERIFY(d->grab().save(out + QStringLiteral("/frmFormule_atti.png"))); });
        atti.pressF2();

        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), pdf,
                           out + QStringLiteral("/three_formulas")});
    }
};

QTEST_MAIN(TestFormulasWindow)
#include "tst_formulaswindow.moc"
