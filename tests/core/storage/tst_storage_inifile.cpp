#include "core/storage/inifile.h"

#include <QTemporaryDir>
#include <QtTest>

class TestIniFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("Attestari.ini")); }
    void put(const QByteArray &content)
    {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    QByteArray content()
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

private slots:
    void cleanup() { QFile::remove(path()); }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("value");
        QTest::newRow("windows-1252 accent") << QByteArray("[Autocertificazione]\r\nLuogo=Forl\xEC\r\n") << "Forlì";
        QTest::newRow("names in any case, blanks around") << QByteArray("[ autocertificazione ]\nLUOGO = Roma \n") << "Roma";
        QTest::newRow("quoted with a comma") << QByteArray("[Autocertificazione]\nLuogo=\"Reggio Emilia, RE\"\n")
                                             << "Reggio Emilia, RE";
        QTest::newRow("key of another section") << QByteArray("[Altro]\nLuogo=Bari\n[Autocertificazione]\nX=1\n")
                                                << "";
        QTest::newRow("empty file") << QByteArray() << "";
    }
    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, value);
        put(file);
        QCOMPARE(IniFile::read(path(), u"Autocertificazione", u"Luogo").value(), value);
    }

    void missingAndUnreadable()
    {
        QCOMPARE(IniFile::read(path(), u"A", u"B").value(), QString());
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Attestari.ini")));
        QVERIFY(!IniFile::read(path(), u"A", u"B").has_value());
        QVERIFY(!IniFile::write(path(), u"A", u"B", u"c"));
        QVERIFY(QDir(m_dir.path()).rmdir(QStringLiteral("Attestari.ini")));
    }

    void writesKeepingEverythingElse()
    {
        QVERIFY(IniFile::write(path(), u"Autocertificazione", u"Luogo", u"Forlì"));
        QCOMPARE(content(), QByteArray("[Autocertificazione]\r\nLuogo=Forl\xEC\r\n"));

        put("; nota\r\n[Altro]\r\nA=1\r\n\r\n[autocertificazione]\r\nluogo=Bari\r\nB=2\r\n");
        QVERIFY(IniFile::write(path(), u"Autocertificazione", u"Luogo", u"Roma"));
        QCOMPARE(content(), QByteArray("; nota\r\n[Altro]\r\nA=1\r\n\r\n[autocertificazione]\r\nLuogo=Roma\r\nB=2\r\n"));

        QVERIFY(IniFile::write(path(), u"Altro", u"C", u"riga\nspezzata"));
        QCOMPARE(content(), QByteArray("; nota\r\n[Altro]\r\nA=1\r\nC=riga spezzata\r\n\r\n[autocertificazione]\r\n"
                                       "Luogo=Roma\r\nB=2\r\n"));
        QCOMPARE(IniFile::read(path(), u"ALTRO", u"c").value(), QStringLiteral("riga spezzata"));

        QVERIFY(IniFile::write(path(), u"Nuova", u"K", u""));
        QVERIFY(content().endsWith("B=2\r\n\r\n[Nuova]\r\nK=\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_storage_inifile.moc"
