// How the registry window's boxes take the keyboard, what the small buttons
// beside them do, the hints of the status bar and the layout of the boxes.
#include "registryfixture.h"

#include "core/storage/text.h"
#include "fakedialogs.h"
#include "testfolder.h"
#include "ui/backdrop.h"

#include <QEnterEvent>
#include <QMouseEvent>

using namespace Fixture;

namespace {
// Types each key into whichever box has the focus at that moment.
void typeRun(const QString &keys)
{
    for (QChar c : keys)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

QString focusOrder()
{
    QStringList names;
    for (int i = 0; i < 33; ++i)
        names << QLatin1String(SchedaAnagrafica::layout.field(i).control);
    return names.join(QLatin1Char(' '));
}

void hover(QWidget *control)
{
    const QPointF inside(2, 2);
    QEnterEvent enter(inside, inside, control->mapToGlobal(inside));
    QApplication::sendEvent(control, &enter);
}

void moveOver(QWidget *surface, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
}
}

class TestRegistryInput : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_folder.reset(new TestFolder); m_fake.reset(new FakeDialogs); }
    void cleanup() { m_fake.reset(); m_folder.reset(); }

    void enterAndTabVisitEveryBoxInOrder_data();
    void enterAndTabVisitEveryBoxInOrder();
    void postcodeAndProvinceFillInOneRun();
    void oneCharacterBoxKeys();
    void vatNumberTakesDigitsOnly();
    void typingFilters_data();
    void typingFilters();
    void focusColouring();
    void emailButton_data();
    void emailButton();
    void checkButtons_data();
    void checkButtons();
    void fiscalCodeAgainstCard_data();
    void fiscalCodeAgainstCard();
    void hints_data();
    void hints();
    void backgroundEmptiesStatus();
    void boxesMatchRecordAndDoNotOverlap();

private:
    QScopedPointer<TestFolder> m_folder;
    QScopedPointer<FakeDialogs> m_fake;
};

void TestRegistryInput::enterAndTabVisitEveryBoxInOrder_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Tab") << int(Qt::Key_Tab);
}

// Enter goes along the tab order and wraps from txtNote to txtNome; it never saves.
void TestRegistryInput::enterAndTabVisitEveryBoxInOrder()
{
    QFETCH(int, key);
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    QCOMPARE(focused(), QStringLiteral("txtNome"));
    edit(window, QStringLiteral("txtNome"))->setText(QStringLiteral("Anna"));
    edit(window, QStringLiteral("txtSesso"))->setText(QStringLiteral("F"));

    QStringList visited{focused()};
    for (int i = 1; i < 33; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        visited << focused();
    }
    QCOMPARE(visited.join(QLatin1Char(' ')), focusOrder());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(focused(), QStringLiteral("txtNome"));
    QVERIFY(m_fake->calls.isEmpty());
    QVERIFY(!QFile::exists(archivePath()));
}

void TestRegistryInput::postcodeAndProvinceFillInOneRun()
{
    FrmAnagrafica window;
    QVERIFY(showActive(window));

    edit(window, QStringLiteral("txtCap01"))->setFocus();
    typeRun(QStringLiteral("80121"));
    QStringList postcode;
    for (int i = 1; i <= 5; ++i)
        postcode << edit(window, QStringLiteral("txtCap0%1").arg(i))->text();
    QCOMPARE(postcode.join(QLatin1Char(',')), QStringLiteral("8,0,1,2,1"));
    QCOMPARE(focused(), QStringLiteral("txtLocalita"));
    QCOMPARE(edit(window, QStringLiteral("txtLocalita"))->text(), QString());

    // The second letter typed with Shift: the Shift key alone must not move on.
    edit(window, QStringLiteral("txtProv01"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ShiftModifier);
    QCOMPARE(edit(window, QStringLiteral("txtProv01"))->text(), QStringLiteral("N"));
    QCOMPARE(edit(window, QStringLiteral("txtProv02"))->text(), QStringLiteral("A"));
    QCOMPARE(focused(), QStringLiteral("txtTel"));
    QCOMPARE(edit(window, QStringLiteral("txtTel"))->text(), QString());
}

void TestRegistryInput::oneCharacterBoxKeys()
{
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    QLineEdit *cap = edit(window, QStringLiteral("txtCap03"));
    QLineEdit *prov = edit(window, QStringLiteral("txtProv02"));
    cap->setText(QStringLiteral("1"));
    prov->setText(QStringLiteral("A"));

    cap->setFocus();
    QTest::keyClick(cap, Qt::Key_Left);
    QTest::keyClick(cap, Qt::Key_Right);
    QCOMPARE(focused(), QStringLiteral("txtCap03"));
    QCOMPARE(cap->text(), QStringLiteral("1"));
    QTest::keyClick(cap, Qt::Key_Backspace);
    QCOMPARE(cap->text(), QString());
    QCOMPARE(focused(), QStringLiteral("txtCap03"));

    prov->setFocus();
    QTest::keyClick(prov, Qt::Key_Delete);
    QCOMPARE(prov->text(), QString());
    QCOMPARE(focused(), QStringLiteral("txtProv02"));

    // A filled box takes the new character in place of the old one.
    cap->setText(QStringLiteral("1"));
    cap->setFocus();
    QTest::keyClick(cap, '7');
    QCOMPARE(cap->text(), QStringLiteral("7"));
    QCOMPARE(focused(), QStringLiteral("txtCap04"));
}

void TestRegistryInput::vatNumberTakesDigitsOnly()
{
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    QLineEdit *vat = edit(window, QStringLiteral("txtPartitaIva"));
    vat->setFocus();
    QTest::keyClicks(vat, QStringLiteral("12a B.-/ 34x5678901"));
    QCOMPARE(vat->text(), QStringLiteral("12345678901"));
    QTest::keyClick(vat, '9');   // one past the eleven digits
    QCOMPARE(vat->text(), QStringLiteral("12345678901"));
    QTest::keyClick(vat, Qt::Key_Backspace);
    QCOMPARE(vat->text(), QStringLiteral("1234567890"));
    QCOMPARE(focused(), QStringLiteral("txtPartitaIva"));
    QTest::keyClick(vat, Qt::Key_Return);
    QCOMPARE(focused(), QStringLiteral("txtIban"));
}

void TestRegistryInput::typingFilters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("sex m") << "txtSesso" << "m" << "M";
    QTest::newRow("sex after a blank") << "txtSesso" << " f" << "F";
    QTest::newRow("fiscal code") << "txtCodFisc" << "rssmra80a01h501u" << "RSSMRA80A01H501U";
    QTest::newRow("iban loses blanks typed at its end") << "txtIban" << "it60 x054" << "IT60X054";
    QTest::newRow("card") << "txtCarta" << "4111 abc" << "4111ABC";
    QTest::newRow("e-mail trimmed, not upper-cased") << "txtEmail" << " Mario.Rossi@esempio.it " << "Mario.Rossi@esempio.it";
    QTest::newRow("pec") << "txtPec" << "studio@pec.it " << "studio@pec.it";
    QTest::newRow("name untouched") << "txtNome" << " mario rossi " << " mario rossi ";
    QTest::newRow("town untouched") << "txtLocalita" << "napoli " << "napoli ";
}

void TestRegistryInput::typingFilters()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    QLineEdit *target = edit(window, box);
    target->setFocus();
    QTest::keyClicks(target, typed);
    QCOMPARE(target->text(), shown);
}

// Alice blue with a sky-blue border at rest, yellow while the box has the focus.
void TestRegistryInput::focusColouring()
{
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    QLineEdit *nome = edit(window, QStringLiteral("txtNome"));
    QLineEdit *indirizzo = edit(window, QStringLiteral("txtIndirizzo"));
    QCOMPARE(focused(), QStringLiteral("txtNome"));

    auto fill = [](QLineEdit *box) { return box->grab().toImage().pixelColor(box->width() - 4, 11); };
    auto border = [](QLineEdit *box) { return box->grab().toImage().pixelColor(box->width() / 2, 0); };
    QCOMPARE(fill(nome), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(fill(indirizzo), QColor(0xF0, 0xF8, 0xFF));
    QCOMPARE(border(indirizzo), QColor(0x87, 0xCE, 0xEB));

    QTest::keyClick(nome, Qt::Key_Return);
    QCOMPARE(fill(nome), QColor(0xF0, 0xF8, 0xFF));
    QCOMPARE(fill(indirizzo), QColor(0xFF, 0xFF, 0x00));
}

void TestRegistryInput::emailButton_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("url");
    QTest::newRow("trimmed") << "  mario.rossi@esempio.it \t" << "mailto:mario.rossi@esempio.it";
    QTest::newRow("empty box") << "" << "mailto:";
    // Whatever is in the box stays the recipient: it cannot add headers or attachments.
    QTest::newRow("no smuggled headers") << "a@b.it?attach=/etc/passwd&subject=x"
                                         << "mailto:a@b.it%3Fattach=/etc/passwd&subject=x";
}

void TestRegistryInput::emailButton()
{
    QFETCH(QString, address);
    QFETCH(QString, url);
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    edit(window, QStringLiteral("txtEmail"))->setText(address);
    click(window, QStringLiteral("btnEmail"));
    QCOMPARE(m_fake->calls.size(), 1);
    QCOMPARE(m_fake->calls[0].what, QStringLiteral("openUrl"));
    QCOMPARE(m_fake->calls[0].text, url);
    QVERIFY(!QUrl(m_fake->calls[0].text).hasQuery());
}

void TestRegistryInput::checkButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("windowBox");

    QTest::newRow("fiscal code") << "btnCodFisc" << "txtCodFisc" << " RSSMRA80A01H50 " << "frmCodFisc" << "txtCodFisc";
    QTest::newRow("empty fiscal code") << "btnCodFisc" << "txtCodFisc" << "" << "frmCodFisc" << "txtCodFisc";
    QTest::newRow("company fiscal code of eleven digits")
            << "btnCodFisc" << "txtCodFisc" << "01234567890 " << "frmPartitaIva" << "txtPartitaIva";
    QTest::newRow("vat number") << "btnPartitaIva" << "txtPartitaIva" << "01234567890" << "frmPartitaIva" << "txtPartitaIva";
    QTest::newRow("iban") << "btnIban" << "txtIban" << " IT60X05428111010000001234 " << "frmIban" << "txtIban";
    QTest::newRow("card") << "btnCarta" << "txtCarta" << " 4111111111111111" << "frmCarta" << "txtNumero";
}

// Each button opens its check window over this one with the trimmed code in its box.
void TestRegistryInput::checkButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, window);
    QFETCH(QString, windowBox);

    FrmAnagrafica registry;
    QVERIFY(showActive(registry));
    edit(registry, box)->setText(text);
    QString received = QStringLiteral("<no box>");
    m_fake->onModal = [&](QDialog *dialog) {
        if (auto *code = dialog->findChild<QLineEdit *>(windowBox))
            received = code->text();
        return int(QDialog::Rejected);
    };

    click(registry, button);

    QCOMPARE(m_fake->calls.size(), 1);
    QCOMPARE(m_fake->calls[0].what, QStringLiteral("showModal"));
    QCOMPARE(m_fake->calls[0].text, window);
    QCOMPARE(m_fake->calls[0].parent, QStringLiteral("frmAnagrafica"));
    QCOMPARE(received, Text::trimmed(text));
    // Nothing comes back into the card, and the check window is gone.
    QCOMPARE(edit(registry, box)->text(), text);
    QVERIFY(registry.findChildren<QDialog *>().isEmpty());
}

void TestRegistryInput::fiscalCodeAgainstCard_data()
{
    QTest::addColumn<QString>("birthDate");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("verdict");

    const QString valid = QStringLiteral("Il codice fiscale digitato è VALIDO.\n"
                                         "Nato il 03/11/1975, sesso M, codice del luogo L781.");
    QTest::newRow("agreeing") << "03/11/1975" << "M" << valid;
    QTest::newRow("no birth date") << "" << "M" << valid;
    QTest::newRow("other birth date")
            << "03/11/1976" << "M"
            << valid + "\nAttenzione: la data di nascita della scheda (03/11/1976) non corrisponde a quella del codice.";
    QTest::newRow("other sex")
            << "03/11/1975" << "F"
            << valid + "\nAttenzione: il sesso della scheda (F) non corrisponde a quello del codice.";
}

// A stored card browsed to: the check window holds the card's birth date and
// sex against what its fiscal code encodes, and changes nothing.
void TestRegistryInput::fiscalCodeAgainstCard()
{
    QFETCH(QString, birthDate);
    QFETCH(QString, sex);
    QFETCH(QString, verdict);

    writeArchive({card(QStringLiteral("Mario Rossi"), sex,
                       {{SchedaAnagrafica::CodFisc, QStringLiteral("RSSMRA75S03L781F")},
                        {SchedaAnagrafica::DataNasc, birthDate}})});
    FrmAnagrafica registry;
    QVERIFY(showActive(registry));
    click(registry, QStringLiteral("cmdPrimo"));
    QCOMPARE(edit(registry, QStringLiteral("txtSesso"))->text(), sex);
    m_fake->whileModal([](QDialog *dialog) {
        QTest::keyClick(child<QLineEdit>(dialog, "txtCodFisc"), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    const QByteArray stored = archiveBytes();

    click(registry, QStringLiteral("btnCodFisc"));

    QCOMPARE(m_fake->messages().size(), 1);
    QCOMPARE(m_fake->lastMessage().kind, Dialogs::Kind::Information);
    QCOMPARE(m_fake->lastMessage().text, verdict);
    QCOMPARE(m_fake->lastMessage().parent, QStringLiteral("frmCodFisc"));
    QCOMPARE(edit(registry, QStringLiteral("txtDataNasc"))->text(), birthDate);
    QCOMPARE(archiveBytes(), stored);
}

void TestRegistryInput::hints_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    const char *const rows[][2] = {
        {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
        {"cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdFile", "Allega file alla scheda corrente."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta l'archivio in un file di Microsoft Excel."},
        {"cmdQuestioni", "Visualizza il riepilogo delle questioni in sospeso."},
        {"cmdGuida", "Visualizza la pagina della guida in linea sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
        {"btnCodFisc", "Controlla il codice fiscale."},
        {"btnPartitaIva", "Controlla il numero di partita IVA."},
        {"btnIban", "Controlla l'IBAN."},
        {"btnCarta", "Controlla il numero di carta di credito."},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
}

// The hint stays after the mouse leaves the command, and across hiding and showing.
void TestRegistryInput::hints()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    FrmAnagrafica window;
    QLabel *status = label(window, QStringLiteral("panInfo"));
    QCOMPARE(status->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QVERIFY(showActive(window));

    auto *button = window.findChild<PictureButton *>(control);
    QVERIFY(button);
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    hover(button);
    QCOMPARE(status->text(), hint);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    window.hide();
    QVERIFY(showActive(window));
    QCOMPARE(status->text(), hint);
}

void TestRegistryInput::backgroundEmptiesStatus()
{
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    QLabel *status = label(window, QStringLiteral("panInfo"));
    QWidget *panel = window.panel();

    QList<QWidget *> surfaces{window.findChild<Backdrop *>(), panel};
    for (const char *name : {"shpGruppo1", "shpGruppo2", "shpGruppo3", "shpGruppo4", "shpGruppo5", "shpGruppo6",
                             "shpSezione", "panNominativo", "panDettagli"})
        surfaces << panel->findChild<QWidget *>(QLatin1String(name));
    for (QWidget *surface : surfaces) {
        QVERIFY(surface);
        hover(window.findChild<PictureButton *>(QStringLiteral("cmdSalva")));
        QVERIFY(!status->text().isEmpty());
        moveOver(surface, QPoint(3, 3));
        QVERIFY2(status->text().isEmpty(), qPrintable(surface->objectName()));
    }

    // Over a box on the panel is not over the background.
    hover(window.findChild<PictureButton *>(QStringLiteral("cmdSalva")));
    moveOver(panel, edit(window, QStringLiteral("txtNome"))->geometry().center());
    QCOMPARE(status->text(), QStringLiteral("Salva la scheda corrente in archivio."));
}

// Each box holds exactly what its field can store, and nothing on the panel
// covers anything else: boxes, captions, buttons and commands.
void TestRegistryInput::boxesMatchRecordAndDoNotOverlap()
{
    FrmAnagrafica window;
    QVERIFY(showActive(window));
    QWidget *panel = window.panel();

    QList<QWidget *> placed;
    for (int i = 0; i < SchedaAnagrafica::FieldCount; ++i) {
        const LayoutField &field = SchedaAnagrafica::layout.field(i);
        const QString name = QLatin1String(field.control);
        if (name.startsWith(QLatin1String("lbl"))) {
            QVERIFY2(!label(window, name)->isVisible(), field.control);
            continue;
        }
        QLineEdit *box = edit(window, name);
        // The IBAN box has room for the blanks of its printed groups, dropped as they come.
        QCOMPARE(box->maxLength(), name == QLatin1String("txtIban") ? 2 * field.capacity : field.capacity);
        QCOMPARE(box->height(), 22);
        placed << box;
        if (auto *caption = panel->findChild<QLabel *>(QStringLiteral("lbl") + name.mid(3))) {
            QCOMPARE(caption->y(), box->y() - 18);
            QVERIFY2(caption->width() >= caption->sizeHint().width(), field.control);
            placed << caption;
        }
    }
    QCOMPARE(placed.size(), 33 + 28);   // the second to fifth postcode box and the second province box have no caption
    for (auto *button : panel->findChildren<PictureButton *>(Qt::FindDirectChildrenOnly))
        placed << button;
    QCOMPARE(label(window, QStringLiteral("lblPosizione"))->geometry(), QRect(619, 34, 74, 24));
    placed << label(window, QStringLiteral("lblPosizione"));

    for (int a = 0; a < placed.size(); ++a) {
        QVERIFY2(panel->rect().contains(placed[a]->geometry()), qPrintable(placed[a]->objectName()));
        for (int b = a + 1; b < placed.size(); ++b)
            QVERIFY2(!placed[a]->geometry().intersects(placed[b]->geometry()),
                     qPrintable(placed[a]->objectName() + QLatin1String(" / ") + placed[b]->objectName()));
    }
}

QTEST_MAIN(TestRegistryInput)
#include "tst_registryinput.moc"
