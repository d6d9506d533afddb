#include "fakedialogs.h"
#include "validators/checkwindows.h"
#include "validators/frmcarta.h"
#include "validators/frmcodfisc.h"
#include "validators/frmiban.h"
#include "validators/frmpartitaiva.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

const QString fiscalLength = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString fiscalValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString fiscalImpossible = QStringLiteral("Attenzione: il codice fiscale ha un carattere di controllo corretto "
                                                "ma una data di nascita impossibile.");
const QString vatLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString vatWrong = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\n\r\n\rNon è quindi "
                                        "possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
const QString ibanLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString cardEmpty = QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il "
                                         "pulsante di controllo.");
const QString cardWrong = QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\n\r\n\rNon è quindi possibile "
                                         "fornire informazioni relative al tipo di carta di credito.");

std::unique_ptr<CheckWindow> makeWindow(const QString &name)
{
    if (name == QLatin1String("frmCodFisc"))
        return std::make_unique<FrmCodFisc>();
    if (name == QLatin1String("frmPartitaIva"))
        return std::make_unique<FrmPartitaIva>();
    if (name == QLatin1String("frmIban"))
        return std::make_unique<FrmIban>();
    return std::make_unique<FrmCarta>();
}

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

Q_DECLARE_METATYPE(Dialogs::Kind)

class TstCheckWindows : public QObject
{
    Q_OBJECT
private slots:
    void design_data();
    void design();
    void verdicts_data();
    void verdicts();
    void typingFilters_data();
    void typingFilters();
    void enterOnlyMovesFocus_data();
    void enterOnlyMovesFocus();
    void callerTextNotFiltered();
    void closeButton();
    void openers_data();
    void openers();
    void codeAgainstCard_data();
    void codeAgainstCard();
};

void TstCheckWindows::design_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QSize>("banner");

    QTest::newRow("fiscal code") << "frmCodFisc" << " Controllo codice fiscale" << QSize(478, 254)
                                 << "txtCodFisc" << 16 << QSize(421, 73);
    QTest::newRow("VAT number") << "frmPartitaIva" << " Controllo partita IVA" << QSize(478, 254)
                                << "txtPartitaIva" << 11 << QSize(421, 73);
    QTest::newRow("IBAN") << "frmIban" << " Controllo IBAN" << QSize(608, 270) << "txtIban" << 27 << QSize(545, 85);
    QTest::newRow("card") << "frmCarta" << " Controllo carta di credito" << QSize(519, 254) << "txtNumero" << 30
                          << QSize(457, 73);
}

void TstCheckWindows::design()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QString, boxName);
    QFETCH(int, maxLength);
    QFETCH(QSize, banner);

    auto window = makeWindow(name);
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->minimumSize(), size);
    QCOMPARE(window->maximumSize(), size);
    QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(window->box()->objectName(), boxName);
    // The IBAN box has room for the blanks of its printed groups, dropped as they come.
    QCOMPARE(window->box()->maxLength(), name == QLatin1String("frmIban") ? 2 * maxLength : maxLength);
    QCOMPARE(window->box()->font().family(), QStringLiteral("Courier New"));
    QVERIFY(window->box()->font().bold());

    auto *logo = window->findChild<QLabel *>(QStringLiteral("imgLogo"));
    QVERIFY(logo);
    QCOMPARE(logo->pixmap().size(), banner);
    auto *title = window->findChild<QLabel *>(QStringLiteral("lblTitolo"));
    QVERIFY(title);
    QCOMPARE(title->font().family(), QStringLiteral("Arial"));
    QVERIFY(title->text().startsWith(QStringLiteral("Immettere ")));

    QPushButton *check = button(window.get(), "btnControlla");
    QPushButton *close = button(window.get(), "btnChiudi");
    QVERIFY(check && close);
    QCOMPARE(check->text(), QStringLiteral("Controlla"));
    QCOMPARE(close->text(), QStringLiteral("Chiudi"));
    QCOMPARE(window->box()->nextInFocusChain(), check);
    QCOMPARE(check->nextInFocusChain(), close);

    window->show();
    QCOMPARE(window->focusWidget(), window->box());
    // Everything lies inside the window.
    for (QWidget *w : {static_cast<QWidget *>(logo), static_cast<QWidget *>(title),
                       static_cast<QWidget *>(window->box()), static_cast<QWidget *>(check),
                       static_cast<QWidget *>(close)})
        QVERIFY2(window->rect().contains(QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size())),
                 qPrintable(w->objectName()));
}

void TstCheckWindows::verdicts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<Dialogs::Kind>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");

    const auto warning = Dialogs::Kind::Warning;
    const auto information = Dialogs::Kind::Information;

    QTest::newRow("fiscal: empty") << "frmCodFisc" << "" << warning << fiscalLength << true;
    QTest::newRow("fiscal: 15 chars") << "frmCodFisc" << "RSSMRA85T10A562" << warning << fiscalLength << true;
    QTest::newRow("fiscal: hyphen") << "frmCodFisc" << "RSSMRA85-10A562S" << warning << fiscalLength << true;
    // A longer text from the caller is not cut to a code that might pass.
    QTest::newRow("fiscal: 17 chars") << "frmCodFisc" << "RSSMRA85T10A562SX" << warning << fiscalLength << true;
    QTest::newRow("fiscal: valid") << "frmCodFisc" << "RSSMRA85T10A562S" << information
                                   << "Il codice fiscale digitato è VALIDO.\n"
                                      "Nato il 10/12/1985, sesso M, codice del luogo A562." << false;
    QTest::newRow("fiscal: valid lower case") << "frmCodFisc" << "rssmra85t10a562s" << information
                                              << "Il codice fiscale digitato è VALIDO.\n"
                                                 "Nato il 10/12/1985, sesso M, codice del luogo A562." << false;
    QTest::newRow("fiscal: woman, omocodic") << "frmCodFisc" << "BNCLRA75S43L78MG" << information
                                             << "Il codice fiscale digitato è VALIDO.\n"
                                                "Nata il 03/11/1975, sesso F, codice del luogo L781." << false;
    QTest::newRow("fiscal: 31 November") << "frmCodFisc" << "RSSMRA75S31L781B" << warning << fiscalImpossible
                                         << false;
    QTest::newRow("fiscal: month letter F") << "frmCodFisc" << "RSSMRA75F03L781G" << warning << fiscalImpossible
                                            << false;
    QTest::newRow("fiscal: wrong") << "frmCodFisc" << "RSSMRA85T10A562T" << warning
                                   << "Attenzione: il codice fiscale digitato è ERRATO." << false;

    QTest::newRow("VAT: empty") << "frmPartitaIva" << "" << warning << vatLength << true;
    QTest::newRow("VAT: ten digits") << "frmPartitaIva" << "1234567058" << warning << vatLength << true;
    QTest::newRow("VAT: twelve digits") << "frmPartitaIva" << "123456705870" << warning << vatLength << true;
    QTest::newRow("VAT: Roma 1") << "frmPartitaIva" << "12345670587" << information
                                 << "Il numero di partita IVA digitato risulta VALIDO.\n\r\n\rE' stato rilasciato "
                                    "dall'Ufficio IVA del Comune di Roma 1." << false;
    QTest::newRow("VAT: Bologna 2") << "frmPartitaIva" << "98765431204" << information
                                    << "Il numero di partita IVA digitato risulta VALIDO.\n\r\n\rE' stato rilasciato "
                                       "dall'Ufficio IVA del Comune di Bologna 2." << false;
    QTest::newRow("VAT: unknown office") << "frmPartitaIva" << "01234560009" << information
                                         << "Il numero di partita IVA digitato risulta VALIDO." << false;
    QTest::newRow("VAT: wrong") << "frmPartitaIva" << "12345670588" << warning << vatWrong << false;
    QTest::newRow("VAT: letter") << "frmPartitaIva" << "1234567058A" << warning << vatWrong << false;

    QTest::newRow("IBAN: empty") << "frmIban" << "" << warning << ibanLength << true;
    QTest::newRow("IBAN: groups") << "frmIban" << "IT60 X054 2811 1010 0000 0123 456" << warning << ibanLength
                                  << true;
    QTest::newRow("IBAN: valid") << "frmIban" << "IT60X0542811101000000123456" << information
                                 << "L'IBAN digitato è VALIDO." << false;
    QTest::newRow("IBAN: hyphen") << "frmIban" << "IT60X0542811101000000-23456" << warning
                                  << "Attenzione: l'IBAN digitato è ERRATO!" << false;

    QTest::newRow("card: empty") << "frmCarta" << "" << warning << cardEmpty << true;
    QTest::newRow("card: blanks") << "frmCarta" << "   " << warning << cardEmpty << true;
    QTest::newRow("card: Visa") << "frmCarta" << " 4111 1111 1111 1111 " << information
                                << "Il numero di carta di credito 4111 1111 1111 1111 risulta valido.\n\r\n\r"
                                   "La carta di credito è del tipo Visa." << false;
    QTest::newRow("card: Amex") << "frmCarta" << "378282246310005" << information
                                << "Il numero di carta di credito 378282246310005 risulta valido.\n\r\n\r"
                                   "La carta di credito è del tipo American Express." << false;
    QTest::newRow("card: 32") << "frmCarta" << "3200000000000002" << information
                              << "Il numero di carta di credito 3200000000000002 risulta valido." << false;
    QTest::newRow("card: Luhn fails") << "frmCarta" << "4111111111111112" << warning << cardWrong << false;
    QTest::newRow("card: leading 2") << "frmCarta" << "2000000000000006" << warning << cardWrong << false;
    QTest::newRow("card: leading 9") << "frmCarta" << "9000000000000001" << warning << cardWrong << false;
    QTest::newRow("card: letters only") << "frmCarta" << "abc" << warning << cardWrong << false;
}

// Enter leads to the button, the button runs the check: a code that cannot
// be judged keeps the window open with the focus back in the box; a verdict
// closes it.
void TstCheckWindows::verdicts()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(Dialogs::Kind, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);

    FakeDialogs fake;
    auto window = makeWindow(name);
    window->setCode(code);
    window->show();
    QTest::keyClick(window->box(), Qt::Key_Return);
    QPushButton *check = button(window.get(), "btnControlla");
    QCOMPARE(window->focusWidget(), check);
    QVERIFY(fake.messages().isEmpty());

    // The second Enter presses the focused button.
    QTest::keyClick(check, Qt::Key_Return);
    QCOMPARE(fake.messages().size(), 1);
    const FakeDialogs::Call call = fake.lastMessage();
    QCOMPARE(call.kind, kind);
    QCOMPARE(call.text, message);
    QCOMPARE(call.buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(call.parent, name);
    QCOMPARE(window->isVisible(), staysOpen);
    if (staysOpen)
        QCOMPARE(window->focusWidget(), window->box());
    else
        QCOMPARE(window->result(), int(QDialog::Accepted));
}

void TstCheckWindows::typingFilters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("fiscal: upper-cased, blanks dropped") << "frmCodFisc" << "  rss mra85t" << "RSSMRA85T";
    QTest::newRow("fiscal: at most 16") << "frmCodFisc" << "rssmra85t10a562sxyz" << "RSSMRA85T10A562S";
    QTest::newRow("VAT: letters, blanks, signs refused") << "frmPartitaIva" << "12a b-3.4,X" << "1234";
    QTest::newRow("VAT: at most 11") << "frmPartitaIva" << "1234567058799" << "12345670587";
    QTest::newRow("IBAN: upper-cased, blanks dropped") << "frmIban" << " it60 x054" << "IT60X054";
    QTest::newRow("card: letters and blanks refused") << "frmCarta" << "4111 abc-1111" << "41111111";
}

void TstCheckWindows::typingFilters()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    FakeDialogs fake;
    auto window = makeWindow(name);
    window->show();
    QTest::keyClicks(window->box(), typed);
    QCOMPARE(window->box()->text(), shown);
    // Editing keys still work.
    QTest::keyClick(window->box(), Qt::Key_Left);
    QTest::keyClick(window->box(), Qt::Key_Backspace);
    shown.remove(shown.size() - 2, 1);
    QCOMPARE(window->box()->text(), shown);
    QTest::keyClick(window->box(), Qt::Key_Delete);
    shown.chop(1);
    QCOMPARE(window->box()->text(), shown);
    QVERIFY(fake.calls.isEmpty());
}

void TstCheckWindows::enterOnlyMovesFocus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    for (const auto &[name, code] : {std::pair{"frmCodFisc", "RSSMRA85T10A562S"}, std::pair{"frmPartitaIva", "12345670587"},
                                     std::pair{"frmIban", "IT60X0542811101000000123456"},
                                     std::pair{"frmCarta", "4111111111111111"}})
        QTest::newRow(name) << name << code;
}

void TstCheckWindows::enterOnlyMovesFocus()
{
    QFETCH(QString, name);
    QFETCH(QString, code);

    FakeDialogs fake;
    auto window = makeWindow(name);
    window->show();
    QTest::keyClicks(window->box(), code);
    QTest::keyClick(window->box(), Qt::Key_Enter);   // keypad Enter as well as Return
    QCOMPARE(window->focusWidget(), button(window.get(), "btnControlla"));
    QVERIFY(window->isVisible());
    QVERIFY(fake.calls.isEmpty());
    QCOMPARE(window->box()->text(), code);
}

void TstCheckWindows::callerTextNotFiltered()
{
    FakeDialogs fake;
    FrmCodFisc fiscal;
    fiscal.setCode(QStringLiteral(" rss mra "));
    QCOMPARE(fiscal.box()->text(), QStringLiteral(" rss mra "));
    fiscal.show();
    fiscal.box()->setCursorPosition(8);
    QTest::keyClicks(fiscal.box(), QStringLiteral("x"));   // the first typed change filters the whole text
    QCOMPARE(fiscal.box()->text(), QStringLiteral("RSS MRAX"));

    // Longer than the box's limit: kept whole until typed into.
    FrmIban iban;
    const QString grouped = QStringLiteral("IT60 X054 2811 1010 0000 0123 456");
    iban.setCode(grouped);
    QCOMPARE(iban.box()->text(), grouped);
    iban.show();
    // The first key typed drops the printed groups' blanks; the limit counts the rest.
    iban.box()->end(false);
    QTest::keyClick(iban.box(), Qt::Key_Backspace);
    QTest::keyClicks(iban.box(), QStringLiteral("78"));
    QCOMPARE(iban.box()->text(), QStringLiteral("IT60X0542811101000000123457"));

    FrmPartitaIva vat;
    vat.setCode(QStringLiteral("12 34-5a"));
    QCOMPARE(vat.box()->text(), QStringLiteral("12 34-5a"));

    FrmCarta card;
    card.setCode(QStringLiteral("4111 1111-1111 1111"));
    QCOMPARE(card.box()->text(), QStringLiteral("4111 1111-1111 1111"));
    card.show();
    card.box()->end(false);
    QTest::keyClicks(card.box(), QStringLiteral("0"));
    QCOMPARE(card.box()->text(), QStringLiteral("4111 1111-1111 11110"));
}

void TstCheckWindows::closeButton()
{
    FakeDialogs fake;
    FrmIban window;
    window.setCode(QStringLiteral("IT60X0542811101000000123456"));
    window.show();
    button(&window, "btnChiudi")->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QVERIFY(fake.calls.isEmpty());
}

using Opener = void (*)(QWidget *, const QString &);
Q_DECLARE_METATYPE(Opener)

void TstCheckWindows::openers_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("boxText");

    const Opener fiscal = openFiscalCodeCheck;
    QTest::newRow("fiscal: eleven digits") << fiscal << "12345670587" << "frmPartitaIva" << "12345670587";
    QTest::newRow("fiscal: digits, blanks around") << fiscal << "  00743110157 " << "frmPartitaIva" << "00743110157";
    QTest::newRow("fiscal: a few digits") << fiscal << "123" << "frmPartitaIva" << "123";
    QTest::newRow("fiscal: digits and a letter") << fiscal << "1234567058A" << "frmCodFisc" << "1234567058A";
    QTest::newRow("fiscal: digits and a blank") << fiscal << "12345 70587" << "frmCodFisc" << "12345 70587";
    QTest::newRow("fiscal: empty") << fiscal << "" << "frmCodFisc" << "";
    QTest::newRow("fiscal: blanks only") << fiscal << "   " << "frmCodFisc" << "";
    QTest::newRow("fiscal: code as typed") << fiscal << " rssmra85t10a562s " << "frmCodFisc" << "rssmra85t10a562s";
    QTest::newRow("VAT") << Opener(openVatCheck) << " 12a45 " << "frmPartitaIva" << "12a45";
    QTest::newRow("IBAN") << Opener(openIbanCheck) << " it60 x054 " << "frmIban" << "it60 x054";
    QTest::newRow("card") << Opener(openCardCheck) << " 4111 1111-1111 1111 " << "frmCarta" << "4111 1111-1111 1111";
}

// Each opener shows its window modally over the caller with the trimmed code
// and frees it afterwards.
void TstCheckWindows::openers()
{
    QFETCH(Opener, open);
    QFETCH(QString, code);
    QFETCH(QString, window);
    QFETCH(QString, boxText);

    FakeDialogs fake;
    QWidget caller;
    caller.setObjectName(QStringLiteral("frmAnagrafica"));
    QPointer<QDialog> shown;
    QString seenText;
    fake.onModal = [&](QDialog *dialog) {
        shown = dialog;
        auto *check = qobject_cast<CheckWindow *>(dialog);
        seenText = check ? check->box()->text() : QStringLiteral("<not a check window>");
        return int(QDialog::Rejected);
    };

    open(&caller, code);

    QCOMPARE(fake.calls.size(), 1);
    QCOMPARE(fake.calls.first().what, QStringLiteral("showModal"));
    QCOMPARE(fake.calls.first().text, window);
    QCOMPARE(fake.calls.first().parent, QStringLiteral("frmAnagrafica"));
    QCOMPARE(seenText, boxText);
    QVERIFY(shown.isNull());   // freed once closed
    QVERIFY(caller.findChildren<QDialog *>().isEmpty());
}

void TstCheckWindows::codeAgainstCard_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("birthDate");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<Dialogs::Kind>("kind");
    QTest::addColumn<QString>("message");

    const auto information = Dialogs::Kind::Information;
    const QString man = fiscalValid + QStringLiteral("\nNato il 03/11/1975, sesso M, codice del luogo L781.");
    const QString woman = fiscalValid + QStringLiteral("\nNata il 03/11/1975, sesso F, codice del luogo L781.");
    const QString otherDate = QStringLiteral("\nAttenzione: la data di nascita della scheda (03/11/1976) non "
                                             "corrisponde a quella del codice.");
    const QString sexF = QStringLiteral("\nAttenzione: il sesso della scheda (F) non corrisponde a quello del codice.");
    const QString sexM = QStringLiteral("\nAttenzione: il sesso della scheda (M) non corrisponde a quello del codice.");

    QTest::newRow("agreeing") << "RSSMRA75S03L781F" << "03/11/1975" << "M" << information << man;
    QTest::newRow("agreeing, omocodic") << "RSSMRATRSLPL7UMZ" << " 03/11/1975 " << "m" << information << man;
    QTest::newRow("agreeing woman") << "BNCLRA75S43L781O" << "03/11/1975" << "F" << information << woman;
    QTest::newRow("other date") << "RSSMRA75S03L781F" << "03/11/1976" << "M" << information << man + otherDate;
    QTest::newRow("other sex") << "RSSMRA75S03L781F" << "03/11/1975" << "F" << information << man + sexF;
    QTest::newRow("other sex, lower case") << "RSSMRA75S03L781F" << "" << "f" << information << man + sexF;
    QTest::newRow("woman's code, man's card") << "BNCLRA75S43L781O" << "03/11/1975" << "M" << information
                                             << woman + sexM;
    QTest::newRow("both differ") << "RSSMRA75S03L781F" << "03/11/1976" << "F" << information
                                 << man + otherDate + sexF;
    QTest::newRow("empty boxes") << "RSSMRA75S03L781F" << "" << "" << information << man;
    QTest::newRow("not a date, not a sex") << "RSSMRA75S03L781F" << "31/11/1976" << "X" << information << man;
    QTest::newRow("date without leading zero") << "RSSMRA75S03L781F" << "3/11/1976" << "M" << information << man;
    QTest::newRow("date in another form") << "RSSMRA75S03L781F" << "1976-11-03" << "M" << information << man;
    QTest::newRow("impossible code") << "RSSMRA75S31L781B" << "03/11/1976" << "F" << Dialogs::Kind::Warning
                                     << fiscalImpossible;
    QTest::newRow("wrong code") << "RSSMRA75S03L781G" << "03/11/1976" << "F" << Dialogs::Kind::Warning
                                << "Attenzione: il codice fiscale digitato è ERRATO.";
}

// The opener hands the card's birth date and sex to the window, which holds
// them against a valid code only.
void TstCheckWindows::codeAgainstCard()
{
    QFETCH(QString, code);
    QFETCH(QString, birthDate);
    QFETCH(QString, sex);
    QFETCH(Dialogs::Kind, kind);
    QFETCH(QString, message);

    FakeDialogs fake;
    QWidget caller;
    caller.setObjectName(QStringLiteral("frmAnagrafica"));
    fake.whileModal([](QDialog *dialog) { button(dialog, "btnControlla")->click(); });

    openFiscalCodeCheck(&caller, code, {birthDate, sex});

    QCOMPARE(fake.messages().size(), 1);
    QCOMPARE(fake.lastMessage().kind, kind);
    QCOMPARE(fake.lastMessage().text, message);
    QCOMPARE(fake.lastMessage().parent, QStringLiteral("frmCodFisc"));
}

QTEST_MAIN(TstCheckWindows)
#include "tst_validators_windows.moc"
