#include "core/access/passwordstore.h"
#include "core/access/scramble.h"
#include "core/storage/cp1252.h"
#include "testfolder.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

class TestScramble : public QObject
{
    Q_OBJECT
private slots:
    void roundTripsEveryByteString()
    {
        QRandomGenerator random(445);
        const QRegularExpression upperHex(QStringLiteral("^[0-9A-F]*$"));
        for (int n = 0; n < 2000; ++n) {
            QByteArray plain(random.bounded(1, 256), Qt::Uninitialized);
            for (char &c : plain)
                c = char(random.bounded(256));
            const QString hex = Scrambler::scramble(plain);
            QCOMPARE(hex.size(), plain.size() * 2);
            QVERIFY(upperHex.match(hex).hasMatch());
            QCOMPARE(Scrambler::unscramble(hex).value(), plain);
        }
    }

    void unscrambleEdges()
    {
        QCOMPARE(Scrambler::scramble(QByteArray()), QString());
        QCOMPARE(Scrambler::unscramble(QString()).value(), QByteArray());
        const QString hex = Scrambler::scramble("ABC");
        QCOMPARE(Scrambler::unscramble(hex.toLower()).value(), QByteArray("ABC"));   // either case
        QCOMPARE(Scrambler::unscramble(hex + QLatin1Char('7')).value(), QByteArray("ABC"));   // odd digit ignored
        QVERIFY(!Scrambler::unscramble(QStringLiteral("0G")).has_value());
        QVERIFY(!Scrambler::unscramble(QStringLiteral("1 ")).has_value());
    }

    void canonicalFormIsTrimmedCapitalsInWindows1252()
    {
        QCOMPARE(PasswordStore::canonical(u"  bussola Perlina\t"), QByteArray("BUSSOLA PERLINA"));
        // Only a to z change case; accented letters are kept as typed.
        QCOMPARE(PasswordStore::canonical(u"città€"), QByteArray("CITT\xE0\x80"));
    }

    void storeRoundTrip()
    {
        TestFolder folder;
        QCOMPARE(PasswordStore::read().value(), QByteArray());   // missing store reads empty
        QVERIFY(PasswordStore::write(PasswordStore::canonical(u"perlina")));
        QCOMPARE(PasswordStore::read().value(), QByteArray("PERLINA"));
        QFile ini(folder.file(QStringLiteral("unins000.dll")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray content = ini.readAll();
        QVERIFY(content.contains("[Accesso]"));
        QVERIFY(content.contains("Valore=" + Scrambler::scramble("PERLINA").toLatin1()));
    }

    void installNeverOverwrites()
    {
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("unins000.dll"));
        QVERIFY(PasswordStore::install(path, u"bussolaperlina"));
        QCOMPARE(PasswordStore::read().value(), QByteArray("BUSSOLAPERLINA"));
        QVERIFY(PasswordStore::write("ALTRA"));
        QVERIFY(PasswordStore::install(path, u"bussolaperlina"));
        QCOMPARE(PasswordStore::read().value(), QByteArray("ALTRA"));
    }

    void unreadableStores()
    {
        TestFolder folder;
        QDir(folder.path()).mkdir(QStringLiteral("unins000.dll"));   // a folder in its place
        QVERIFY(!PasswordStore::read().has_value());
        QVERIFY(!PasswordStore::write("X"));
    }
};

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
