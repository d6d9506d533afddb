// The free text of a declaration: line breaks between box and record, and
// the limit of the record field counted in record bytes.
#include "declarations/declarationtext.h"

#include <QPlainTextEdit>
#include <QTest>

class TestDeclarationText : public QObject
{
    Q_OBJECT
private slots:
    void breaks_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("box");
        QTest::newRow("CR LF") << QStringLiteral("a\r\n\r\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("lone CR") << QStringLiteral("a\rb\r\rc") << QStringLiteral("a\nb\n\nc");
        QTest::newRow("outer breaks go, inner stay")
            << QStringLiteral("\r\n\r\n  uno\r\n\r\n\r\ndue\r\n\r\n") << QStringLiteral("uno\n\n\ndue");
        QTest::newRow("empty") << QString() << QString();
    }
    void breaks()
    {
        QFETCH(QString, record);
        QFETCH(QString, box);
        QCOMPARE(DeclarationText::fromRecord(record), box);
    }

    void toRecordAlwaysCrLf()
    {
        QCOMPARE(DeclarationText::toRecord(u"a\n\nb"), QStringLiteral("a\r\n\r\nb"));
        QCOMPARE(DeclarationText::toRecord(u"a\r\nb\rc"), QStringLiteral("a\r\nb\r\nc"));
        QCOMPARE(DeclarationText::recordBytes(u"a\n\nb"), 6);
        QCOMPARE(DeclarationText::recordBytes(u"a\r\nb"), 4);
        // A character beyond the code page becomes one byte, pair or not.
        QCOMPARE(DeclarationText::recordBytes(QString::fromUtf8("€\xF0\x9F\x98\x80")), 2);
    }

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
        // The record would hold '?' for them: they never enter the text.
        QTest::newRow("characters outside the code page dropped")
            << QStringLiteral("ab") << 1 << QStringLiteral("Łx€😀y") << QStringLiteral("ax€yb");
        QTest::newRow("dropped before the limit is reckoned")
            << full << 4998 << QStringLiteral("ŁŁab") << full + QStringLiteral("ab");
    }
    void limit()
    {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QPlainTextEdit box;
        DeclarationText::limitRecordBytes(&box);
        box.setPlainText(before);
        QTextCursor c = box.textCursor();
        c.setPosition(cursor);
        box.setTextCursor(c);
        box.insertPlainText(typed);
        QCOMPARE(box.toPlainText(), after);
        QVERIFY(DeclarationText::recordBytes(box.toPlainText()) <= DeclarationText::capacity);
    }

    void longTextShownIsCut()
    {
        QPlainTextEdit box;
        DeclarationText::limitRecordBytes(&box);
        box.setPlainText(QString(3000, QLatin1Char('a')) + QStringLiteral("\n") + QString(3000, QLatin1Char('b')));
        QCOMPARE(DeclarationText::recordBytes(box.toPlainText()), 5000);
        QVERIFY(box.toPlainText().startsWith(QString(3000, QLatin1Char('a')) + QStringLiteral("\nbb")));
    }
};

QTEST_MAIN(TestDeclarationText)
#include "tst_declarationtext.moc"
