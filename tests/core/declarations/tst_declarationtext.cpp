// The free text of a declaration: line breaks between box and record, and
// the record bytes a text takes.
#include "core/declarations/declarationtext.h"

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
        QTest::newRow("no-break spaces are text, not blanks")
            << QStringLiteral("a\u00A0\r\n\u00A0b") << QStringLiteral("a\u00A0\n\u00A0b");
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
};

QTEST_GUILESS_MAIN(TestDeclarationText)
#include "tst_declarationtext.moc"
