// Text pasted or typed as a clerk brings it from elsewhere: letters of other
// alphabets become the base letters the archive can keep, an IBAN copied in
// its printed groups is kept whole, and the hint bar says what was changed.
#include "child.h"
#include "fakedialogs.h"
#include "testfolder.h"

#include "declarations/declarationwindow.h"
#include "registry/frmanagrafica.h"
#include "validators/frmiban.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {
void paste(QWidget *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

QString textOf(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    return static_cast<QPlainTextEdit *>(box)->toPlainText();
}

const QString replacedNotice = QStringLiteral(
        "Attenzione: i caratteri che l'archivio non può conservare sono stati sostituiti con la lettera di base o "
        "tolti.");
}

class TestPastedText : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_folder.reset(new TestFolder); m_fake.reset(new FakeDialogs); }
    void cleanup() { m_fake.reset(); m_folder.reset(); }

    void foreignLetters_data();
    void foreignLetters();
    void groupedIban();
    void declarationTextOverLimit();

private:
    QScopedPointer<TestFolder> m_folder;
    QScopedPointer<FakeDialogs> m_fake;
};

void TestPastedText::foreignLetters_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const QString romanian = QStringLiteral("Ștefan Popescu");
    const QString polish = QStringLiteral("Łukasz Wołodźko");
    const QString emoji = QStringLiteral("Rossi \U0001F600 ✔ ok");
    for (const char *window : {"frmAnagrafica", "frmCertificazioni"}) {
        for (const char *box : {"txtNome", "txtDichiarazione"}) {
            if (QLatin1String(window) == QLatin1String("frmAnagrafica") && QLatin1String(box) != QLatin1String("txtNome"))
                continue;
            const QString at = QStringLiteral("%1 %2").arg(QLatin1String(window), QLatin1String(box));
            QTest::newRow(qPrintable(at + " typed Ș")) << window << box << true << romanian
                                                       << QStringLiteral("Stefan Popescu");
            QTest::newRow(qPrintable(at + " pasted Ł")) << window << box << false << polish
                                                        << QStringLiteral("Lukasz Wolodzko");
            QTest::newRow(qPrintable(at + " pasted emoji")) << window << box << false << emoji
                                                            << QStringLiteral("Rossi   ok");
        }
    }
}

void TestPastedText::foreignLetters()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(bool, typed);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    std::unique_ptr<QWidget> w;
    if (window == QLatin1String("frmAnagrafica"))
        w = std::make_unique<FrmAnagrafica>();
    else
        w = std::make_unique<DeclarationWindow>(DeclarationKind::SelfCertification);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto *target = child<QWidget>(w.get(), qPrintable(box));
    auto *bar = child<QLabel>(w.get(), "panInfo");
    bar->clear();
    if (typed) {
        // Key by key, as a keyboard with these letters sends them.
        target->setFocus();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else {
        paste(target, text);
    }
    QCOMPARE(textOf(target), shown);
    QCOMPARE(bar->text(), replacedNotice);
}

void TestPastedText::groupedIban()
{
    const QString grouped = QStringLiteral("IT60 X054 2811 1010 0000 0123 456");
    FrmAnagrafica registry;
    registry.show();
    QVERIFY(QTest::qWaitForWindowExposed(&registry));
    auto *iban = child<QLineEdit>(&registry, "txtIban");
    paste(iban, grouped);
    QCOMPARE(iban->text(), QStringLiteral("IT60X0542811101000000123456"));
    iban->clear();
    QTest::keyClicks(iban, QStringLiteral("it60 x054 2811 1010 0000 0123 4567"));
    QCOMPARE(iban->text(), QStringLiteral("IT60X0542811101000000123456"));

    FrmIban check;
    check.show();
    QVERIFY(QTest::qWaitForWindowExposed(&check));
    paste(check.box(), grouped);
    QCOMPARE(check.box()->text(), QStringLiteral("IT60X0542811101000000123456"));
    QTest::mouseClick(child<QPushButton>(&check, "btnControlla"), Qt::LeftButton);
    QCOMPARE(m_fake->lastMessage().kind, Dialogs::Kind::Information);
    QCOMPARE(m_fake->lastMessage().text, QStringLiteral("L'IBAN digitato è VALIDO."));
}

void TestPastedText::declarationTextOverLimit()
{
    DeclarationWindow w(DeclarationKind::Notoriety);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *text = child<QPlainTextEdit>(&w, "txtDichiarazione");
    auto *bar = child<QLabel>(&w, "panInfo");
    bar->clear();
    paste(text, QString(4990, QLatin1Char('x')));
    QCOMPARE(bar->text(), QString());
    paste(text, QStringLiteral("abcdefghijklmnop"));
    QCOMPARE(text->toPlainText().size(), 5000);
    QCOMPARE(bar->text(), QStringLiteral("Attenzione: il testo della dichiarazione non può superare i 5000 caratteri; "
                                         "la parte in eccesso non è stata inserita."));
}

QTEST_MAIN(TestPastedText)
#include "tst_pastedtext.moc"
