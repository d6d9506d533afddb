// A line break or tab pasted into a single-line box becomes a blank there and
// in the archive, so no stored name or telephone number spans two lines; the
// declaration text keeps its line breaks.
#include "child.h"
#include "fakedialogs.h"
#include "testfolder.h"

#include "core/storage/programfolder.h"
#include "core/storage/recordlayout.h"
#include "declarations/declarationwindow.h"
#include "registry/frmanagrafica.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {
// Puts the text on the clipboard and presses Ctrl+V in the box.
void paste(QWidget *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void click(QWidget *window, const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

class TestPastedLineBreaks : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_folder.reset(new TestFolder); m_fake.reset(new FakeDialogs); }
    void cleanup() { m_fake.reset(); m_folder.reset(); }

    void registryBoxesTurnThemIntoBlanks_data();
    void registryBoxesTurnThemIntoBlanks();
    void typedAfterPasteKeepsCaret();
    void storedLineBreakShownAsBlank();
    void declarationTextKeepsLineBreaks();

private:
    QScopedPointer<TestFolder> m_folder;
    QScopedPointer<FakeDialogs> m_fake;
};

void TestPastedLineBreaks::registryBoxesTurnThemIntoBlanks_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("name over two lines, CR LF") << "txtNome" << "Mario\r\nRossi" << "Mario  Rossi";
    QTest::newRow("name, LF only") << "txtNome" << "Anna\nBianchi" << "Anna Bianchi";
    QTest::newRow("telephone with a tab") << "txtTel" << "0543\t123456" << "0543 123456";
    QTest::newRow("address copied from a cell, trailing line break") << "txtIndirizzo" << "Via Roma\r\n"
                                                                     << "Via Roma  ";
    QTest::newRow("town, CR alone") << "txtLocalita" << "Forlì\rCesena" << "Forlì Cesena";
    QTest::newRow("notes, every kind") << "txtNote" << "a\tb\rc\nd\r\ne" << "a b c d  e";
}

void TestPastedLineBreaks::registryBoxesTurnThemIntoBlanks()
{
    QFETCH(QString, box);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);

    FrmAnagrafica window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *edit = child<QLineEdit>(&window, qPrintable(box));
    if (box != QLatin1String("txtNome"))
        QTest::keyClicks(child<QLineEdit>(&window, "txtNome"), QStringLiteral("Dario Russo"));
    QTest::keyClicks(child<QLineEdit>(&window, "txtSesso"), QStringLiteral("m"));
    paste(edit, pasted);
    QCOMPARE(edit->text(), shown);

    click(&window, "cmdSalva");
    QCOMPARE(m_fake->lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    const QByteArray archive = fileBytes(ProgramFolder::file(QLatin1String(ArchiveNames::registry)));
    QCOMPARE(archive.size(), SchedaAnagrafica::Size);
    const Record stored(SchedaAnagrafica::layout, archive);
    QCOMPARE(stored.field(box), shown.trimmed());
    // Judged field by field: a length byte of 9, 10 or 13 is no tab or line break.
    for (int i = 0; i < SchedaAnagrafica::FieldCount; ++i) {
        const QString field = stored.field(i);
        QVERIFY2(!field.contains(u'\r') && !field.contains(u'\n') && !field.contains(u'\t'),
                 SchedaAnagrafica::layout.field(i).name);
    }
}

void TestPastedLineBreaks::typedAfterPasteKeepsCaret()
{
    FrmAnagrafica window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *name = child<QLineEdit>(&window, "txtNome");
    QTest::keyClicks(name, QStringLiteral("Rossi"));
    name->setCursorPosition(0);
    paste(name, QStringLiteral("Mario\n"));
    QTest::keyClicks(name, QStringLiteral("G."));
    QCOMPARE(name->text(), QStringLiteral("Mario G.Rossi"));
    name->insert(QStringLiteral("\t"));
    QCOMPARE(name->text(), QStringLiteral("Mario G. Rossi"));
}

// A card written by an older copy with a line break in its name shows it as a
// blank; merely looking at it leaves the archive as it was.
void TestPastedLineBreaks::storedLineBreakShownAsBlank()
{
    Record card(SchedaAnagrafica::layout);
    card.setField(SchedaAnagrafica::Nome, QStringLiteral("Mario\r\nRossi"));
    card.setField(SchedaAnagrafica::Sesso, QStringLiteral("M"));
    card.setField(SchedaAnagrafica::Tel, QStringLiteral("0543\t123456"));
    const QString path = ProgramFolder::file(QLatin1String(ArchiveNames::registry));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(card.bytes()), qint64(SchedaAnagrafica::Size));
    }
    FrmAnagrafica window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    click(&window, "cmdPrimo");
    QCOMPARE(child<QLineEdit>(&window, "txtNome")->text(), QStringLiteral("Mario  Rossi"));
    QCOMPARE(child<QLineEdit>(&window, "txtTel")->text(), QStringLiteral("0543 123456"));
    QCOMPARE(fileBytes(path), card.bytes());
}

void TestPastedLineBreaks::declarationTextKeepsLineBreaks()
{
    DeclarationWindow window(DeclarationKind::SelfCertification);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    paste(child<QLineEdit>(&window, "txtNome"), QStringLiteral("Mario\r\nRossi"));
    QTest::keyClicks(child<QLineEdit>(&window, "txtSesso"), QStringLiteral("m"));
    paste(child<QLineEdit>(&window, "txtTel"), QStringLiteral("333\t1234567\n"));
    paste(child<QLineEdit>(&window, "txtOggetto"), QStringLiteral("Residenza\r\n"));
    child<QLineEdit>(&window, "txtLuogo")->setText(QStringLiteral("Roma"));
    auto *declaration = child<QPlainTextEdit>(&window, "txtDichiarazione");
    paste(declaration, QStringLiteral("di essere residente a Forlì\r\nin via Roma 12\n\ndal 2020"));
    QCOMPARE(declaration->toPlainText(), QStringLiteral("di essere residente a Forlì\nin via Roma 12\n\ndal 2020"));

    click(&window, "cmdSalva");
    QCOMPARE(m_fake->lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    const QByteArray archive = fileBytes(ProgramFolder::file(QLatin1String(ArchiveNames::selfCertifications)));
    QCOMPARE(archive.size(), SchedaDichiarazione::Size);
    const Record stored(SchedaDichiarazione::layout, archive);
    QCOMPARE(stored.field(SchedaDichiarazione::Nome).trimmed(), QStringLiteral("Mario  Rossi"));
    QCOMPARE(stored.field(SchedaDichiarazione::Tel).trimmed(), QStringLiteral("333 1234567"));
    QCOMPARE(stored.field(SchedaDichiarazione::Oggetto).trimmed(), QStringLiteral("Residenza"));
    // Line breaks only inside the declaration text, no tab anywhere.
    const LayoutField &text = SchedaDichiarazione::layout.field(SchedaDichiarazione::Dichiarazione);
    QByteArray outside = archive;
    outside.remove(text.offset, text.capacity + 1);
    QVERIFY(!outside.contains('\r') && !outside.contains('\n') && !archive.contains('\t'));
    QCOMPARE(stored.field(SchedaDichiarazione::Dichiarazione),
             QStringLiteral("di essere residente a Forlì\r\nin via Roma 12\r\n\r\ndal 2020"));
}

QTEST_MAIN(TestPastedLineBreaks)
#include "tst_pastedlinebreaks.moc"
