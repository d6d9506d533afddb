// The declaration text box: the limit of the record field counted in record
// bytes, and the text taken exactly as the box holds it.
#include "declarations/declarationtextbox.h"

#include <QPlainTextEdit>
#include <QTest>

class TestDeclarationTextBox : public QObject
{
    Q_OBJECT
private slots:
    // The box never holds more than the record can keep; what an edit adds
    // beyond that is cut from the end of the addition, line breaks counting two.
    void limit_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        const QString full = QString(4998, QLatin1Char('x'));
        QTest::newRow("a break that does not fit") << full + QStringLiteral("y") << 4999 << QStringLiteral("\n")
                                                   << full + QStringLiteral("y");
        QTest::newRow("a break that fits") << full << 4998 << QStringLiteral("\n") << full + QStringLiteral("\n");
        QTest::newRow("paste in the middle cut at its end")
            << full << 2 << QStringLiteral("abc") << QStringLiteral("xxab") + QString(4996, QLatin1Char('x'));
        QTest::newRow("pasted lines") << full << 4998 << QStringLiteral("a\nb")
                                      << full + QStringLiteral("a");
        // The record would hold '?' for them: they enter as their base letter, or not at all.
        QTest::newRow("characters outside the code page replaced or dropped")
            << QStringLiteral("ab") << 1 << QStringLiteral("Łx€😀y\nȘ✔") << QStringLiteral("aLx€y\nSb");
        QTest::newRow("replaced before the limit is reckoned")
            << full << 4998 << QStringLiteral("😀😀ab") << full + QStringLiteral("ab");
    }
    void limit()
    {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QPlainTextEdit box;
        DeclarationTextBox::limitRecordBytes(&box);
        box.setPlainText(before);
        QTextCursor c = box.textCursor();
        c.setPosition(cursor);
        box.setTextCursor(c);
        box.insertPlainText(typed);
        QCOMPARE(DeclarationTextBox::text(&box), after);
        QVERIFY(DeclarationText::recordBytes(DeclarationTextBox::text(&box)) <= DeclarationText::capacity);
    }

    void longTextShownIsCut()
    {
        QPlainTextEdit box;
        DeclarationTextBox::limitRecordBytes(&box);
        box.setPlainText(QString(3000, QLatin1Char('a')) + QStringLiteral("\n") + QString(3000, QLatin1Char('b')));
        QCOMPARE(DeclarationText::recordBytes(DeclarationTextBox::text(&box)), 5000);
        QVERIFY(DeclarationTextBox::text(&box).startsWith(QString(3000, QLatin1Char('a')) + QStringLiteral("\nbb")));
    }

    // A no-break space is a character of its own in the code page (0xA0): a
    // text read from the archive and saved again keeps it, however it came in.
    void noBreakSpaceKept()
    {
        const QString typed = QStringLiteral("Via\u00A0Roma\n\n10\u00A0bis");
        QPlainTextEdit box;
        DeclarationTextBox::limitRecordBytes(&box);
        box.setPlainText(typed);
        QCOMPARE(DeclarationTextBox::text(&box), typed);
        QCOMPARE(DeclarationText::toRecord(DeclarationTextBox::text(&box)),
                 QStringLiteral("Via\u00A0Roma\r\n\r\n10\u00A0bis"));

        box.clear();
        box.insertPlainText(QStringLiteral("a\u00A0b"));
        QCOMPARE(DeclarationTextBox::text(&box), QStringLiteral("a\u00A0b"));
    }
};

QTEST_MAIN(TestDeclarationTextBox)
#include "tst_declarationtextbox.moc"
