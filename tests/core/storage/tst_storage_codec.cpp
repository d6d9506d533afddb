#include "core/storage/cp1252.h"
#include "core/storage/fieldcodec.h"

#include <QtTest>

class TstStorageCodec : public QObject
{
    Q_OBJECT

private slots:
    void storable_data();
    void storable();
    void roundTrip_data();
    void roundTrip();
    void exactBytes_data();
    void exactBytes();
    void undefinedBytesSurvive();
    void damagedCountedField_data();
    void damagedCountedField();
    void zeroTerminatedDecode_data();
    void zeroTerminatedDecode();
};

// Both codecs take the same text and must give the same text back.
void TstStorageCodec::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("expected");

    const QString long300 = QString(100, QLatin1Char('a')) + QString(100, QLatin1Char('b'))
            + QString(100, QLatin1Char('c'));
    QTest::newRow("plain") << "Mario Rossi" << 250 << "Mario Rossi";
    QTest::newRow("empty") << "" << 250 << "";
    QTest::newRow("300 into 250") << long300 << 250 << long300.left(250);
    QTest::newRow("exactly capacity") << "0123456789" << 10 << "0123456789";
    QTest::newRow("one over capacity") << "0123456789X" << 10 << "0123456789";
    QTest::newRow("blanks kept") << "  a b  " << 20 << "  a b  ";
    QTest::newRow("code page letters") << QString::fromUtf8("Città è perché € ‰ Ÿ ß")
                                       << 50 << QString::fromUtf8("Città è perché € ‰ Ÿ ß");
    QTest::newRow("outside code page") << QString::fromUtf8("Ω und 中") << 20 << "? und ?";
    QTest::newRow("surrogate pair is one ?") << QString::fromUtf8("a😀b") << 20 << "a?b";
    QTest::newRow("CR LF kept") << "a\r\n\r\nb" << 20 << "a\r\n\r\nb";
    QTest::newRow("cut inside accents") << QString::fromUtf8("èèèè") << 3 << QString::fromUtf8("èèè");
}

void TstStorageCodec::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QString, expected);

    const QByteArray counted = FieldCodec::encodeCounted(text, capacity);
    QCOMPARE(counted.size(), capacity + 1);
    QCOMPARE(FieldCodec::decodeCounted(counted, capacity), expected);
    QCOMPARE(int(uchar(counted[0])), expected.size());
    // Nothing but zeros after the text.
    QCOMPARE(counted.mid(1 + expected.size()), QByteArray(capacity - expected.size(), '\0'));

    const QByteArray zt = FieldCodec::encodeZeroTerminated(text, capacity);
    QCOMPARE(zt.size(), capacity + 1);
    QCOMPARE(FieldCodec::decodeZeroTerminated(zt, capacity), expected);
    QCOMPARE(zt.mid(expected.size()), QByteArray(capacity + 1 - expected.size(), '\0'));
}

void TstStorageCodec::exactBytes_data()
{
    QTest::addColumn<bool>("counted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("counted abc") << true << "abc" << 5 << QByteArray("\x03" "abc\0\0", 6);
    QTest::newRow("counted empty") << true << "" << 4 << QByteArray(5, '\0');
    QTest::newRow("counted euro") << true << QString::fromUtf8("€") << 1 << QByteArray("\x01\x80", 2);
    QTest::newRow("zero-terminated abc") << false << "abc" << 5 << QByteArray("abc\0\0\0", 6);
    QTest::newRow("zero-terminated empty") << false << "" << 4 << QByteArray(5, '\0');
    QTest::newRow("zero-terminated full") << false << "abc" << 3 << QByteArray("abc\0", 4);
    QTest::newRow("zero-terminated lines") << false << "a\r\n\r\nb" << 10
                                           << QByteArray("a\r\n\r\nb\0\0\0\0\0", 11);
}

void TstStorageCodec::exactBytes()
{
    QFETCH(bool, counted);
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QByteArray, bytes);

    QCOMPARE(counted ? FieldCodec::encodeCounted(text, capacity)
                     : FieldCodec::encodeZeroTerminated(text, capacity),
             bytes);
}

// Bytes the code page leaves undefined come back exactly as they were.
void TstStorageCodec::undefinedBytesSurvive()
{
    const QByteArray chars("\x81\x8D\x8F\x90\x9D", 5);

    const QByteArray counted = QByteArray(1, char(chars.size())) + chars;
    const QString fromCounted = FieldCodec::decodeCounted(counted, 5);
    QCOMPARE(fromCounted.size(), 5);
    QCOMPARE(FieldCodec::encodeCounted(fromCounted, 5), counted);

    const QByteArray zt = chars + QByteArray(1, '\0');
    const QString fromZt = FieldCodec::decodeZeroTerminated(zt, 5);
    QCOMPARE(fromZt, fromCounted);
    QCOMPARE(FieldCodec::encodeZeroTerminated(fromZt, 5), zt);
}

void TstStorageCodec::damagedCountedField_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("expected");

    QTest::newRow("length 255, capacity 5") << QByteArray("\xFF" "abcde") << 5 << "abcde";
    QTest::newRow("length 6, capacity 5") << QByteArray("\x06" "abcde") << 5 << "abcde";
    QTest::newRow("length beyond the bytes given") << QByteArray("\x09" "ab") << 10 << "ab";
    QTest::newRow("stray bytes after length") << QByteArray("\x02" "abXYZ") << 5 << "ab";
    QTest::newRow("no bytes at all") << QByteArray() << 5 << "";
}

void TstStorageCodec::damagedCountedField()
{
    QFETCH(QByteArray, field);
    QFETCH(int, capacity);
    QFETCH(QString, expected);
    QCOMPARE(FieldCodec::decodeCounted(field, capacity), expected);
}

void TstStorageCodec::zeroTerminatedDecode_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no zero: all K+1 bytes") << QByteArray("abcdef") << 5 << "abcdef";
    QTest::newRow("stray bytes after zero") << QByteArray("ab\0xyz", 6) << 5 << "ab";
    QTest::newRow("zero first") << QByteArray("\0abcd", 6) << 5 << "";
    QTest::newRow("longer view cut to K+1") << QByteArray("abcdefgh") << 5 << "abcdef";
}

void TstStorageCodec::zeroTerminatedDecode()
{
    QFETCH(QByteArray, field);
    QFETCH(int, capacity);
    QFETCH(QString, expected);
    QCOMPARE(FieldCodec::decodeZeroTerminated(field, capacity), expected);
}

void TstStorageCodec::storable_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("changed");
    QTest::newRow("storable as it is") << QStringLiteral("Niccolò d'Àrco €") << QStringLiteral("Niccolò d'Àrco €") << false;
    QTest::newRow("Romanian comma below") << QStringLiteral("Ștefan Țepeș") << QStringLiteral("Stefan Tepes") << true;
    QTest::newRow("Polish stroke") << QStringLiteral("Łukasz Żółć") << QStringLiteral("Lukasz Zólc") << true;
    QTest::newRow("Hungarian double acute") << QStringLiteral("Erdős Ű") << QStringLiteral("Erdös Ü") << true;
    QTest::newRow("Croatian, Turkish") << QStringLiteral("Đorđe Kılıç") << QStringLiteral("Dorde Kiliç") << true;
    QTest::newRow("Czech caron") << QStringLiteral("Dvořák") << QStringLiteral("Dvorák") << true;
    QTest::newRow("emoji and check mark left out")
        << QStringLiteral("ok \U0001F600 fatto ✔") << QStringLiteral("ok  fatto ") << true;
    QTest::newRow("lone surrogate left out") << QString(QChar(0xD800)) + QStringLiteral("a") << QStringLiteral("a") << true;
}

void TstStorageCodec::storable()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, changed);
    bool was = !changed;
    QCOMPARE(Cp1252::storable(typed, &was), kept);
    QCOMPARE(was, changed);
    QVERIFY(Cp1252::canEncode(Cp1252::storable(typed)));
}

QTEST_GUILESS_MAIN(TstStorageCodec)
#include "tst_storage_codec.moc"
