#include "core/validators/codechecks.h"

#include <QtTest>

using namespace CodeChecks;

Q_DECLARE_METATYPE(CodeChecks::FiscalCode)
Q_DECLARE_METATYPE(CodeChecks::VatNumber::Outcome)
Q_DECLARE_METATYPE(CodeChecks::Iban)

class TstCodeChecks : public QObject
{
    Q_OBJECT
private slots:
    void fiscalCode_data();
    void fiscalCode();
    void vatNumber_data();
    void vatNumber();
    void vatOfficeTable();
    void iban_data();
    void iban();
    void card_data();
    void card();
    void cardKindValues_data();
    void cardKindValues();
    void cardDigitsStopAtTwenty();
};

void TstCodeChecks::fiscalCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<FiscalCode>("verdict");

    QTest::newRow("valid RSSMRA") << "RSSMRA85T10A562S" << FiscalCode::Valid;
    QTest::newRow("valid BNCGNN") << "BNCGNN70A41H501V" << FiscalCode::Valid;
    QTest::newRow("valid VRDLGU") << "VRDLGU80M01F205K" << FiscalCode::Valid;
    QTest::newRow("lower case") << "rssmra85t10a562s" << FiscalCode::Valid;
    QTest::newRow("mixed case") << "RssMra85T10a562s" << FiscalCode::Valid;
    QTest::newRow("letters at digit places") << "RSSMRALRTMLAMVNM" << FiscalCode::Valid;
    QTest::newRow("sign at odd place") << "RSSMRA85T10A56:N" << FiscalCode::Valid;
    QTest::newRow("other sign, same weight") << "RSSMRA85T10A56@N" << FiscalCode::Valid;
    QTest::newRow("sign at even place") << "RSSMRA85T10A5:2M" << FiscalCode::Valid;
    QTest::newRow("semicolon") << "RSSMRA85T1;A562R" << FiscalCode::Valid;
    QTest::newRow("question mark") << "RSSMRA85T10A56?N" << FiscalCode::Valid;

    QTest::newRow("check letter changed") << "RSSMRA85T10A562T" << FiscalCode::WrongCheck;
    QTest::newRow("first letter changed") << "SSSMRA85T10A562S" << FiscalCode::WrongCheck;
    QTest::newRow("even digit changed") << "RSSMRA86T10A562S" << FiscalCode::WrongCheck;
    QTest::newRow("odd digit changed") << "RSSMRA85T10A563S" << FiscalCode::WrongCheck;
    QTest::newRow("omocodia letter changed") << "RSSMRALRTMLAMVNN" << FiscalCode::WrongCheck;
    QTest::newRow("digit as check char") << "RSSMRA85T10A5620" << FiscalCode::WrongCheck;

    QTest::newRow("empty") << "" << FiscalCode::WrongLength;
    QTest::newRow("15 chars") << "RSSMRA85T10A562" << FiscalCode::WrongLength;
    QTest::newRow("17 chars") << "RSSMRA85T10A562SS" << FiscalCode::WrongLength;
    QTest::newRow("trailing blank not trimmed") << "RSSMRA85T10A562S " << FiscalCode::WrongLength;
    QTest::newRow("inner blank") << "RSSMRA85 10A562S" << FiscalCode::WrongLength;
    QTest::newRow("hyphen") << "RSSMRA85-10A562S" << FiscalCode::WrongLength;
    QTest::newRow("past Z") << "RSSMRA85T10A562[" << FiscalCode::WrongLength;
    QTest::newRow("accented letter") << "RSSMRÀ85T10A562S" << FiscalCode::WrongLength;
    QTest::newRow("lower accented") << "rssmrà85t10a562s" << FiscalCode::WrongLength;
}

void TstCodeChecks::fiscalCode()
{
    QFETCH(QString, code);
    QFETCH(FiscalCode, verdict);
    QCOMPARE(checkFiscalCode(code), verdict);
}

void TstCodeChecks::vatNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<VatNumber::Outcome>("outcome");
    QTest::addColumn<QString>("office");

    QTest::newRow("Roma 1") << "12345670587" << VatNumber::Valid << "Roma 1";
    QTest::newRow("Bologna 2 as 120") << "98765431204" << VatNumber::Valid << "Bologna 2";
    QTest::newRow("Milano 1") << "00743110157" << VatNumber::Valid << "Milano 1";
    QTest::newRow("Napoli 2 as 121") << "00000001214" << VatNumber::Valid << "Napoli 2";
    QTest::newRow("office 000 unknown") << "01234560009" << VatNumber::Valid << "";
    QTest::newRow("office 103 unknown") << "11111111032" << VatNumber::Valid << "";
    QTest::newRow("office 999 unknown") << "55555559990" << VatNumber::Valid << "";

    QTest::newRow("check digit changed") << "12345670588" << VatNumber::Wrong << "";
    QTest::newRow("odd digit changed") << "22345670587" << VatNumber::Wrong << "";
    QTest::newRow("even digit changed") << "13345670587" << VatNumber::Wrong << "";
    QTest::newRow("office digit changed") << "12345670687" << VatNumber::Wrong << "";
    QTest::newRow("letter at the end") << "1234567058A" << VatNumber::Wrong << "";
    QTest::newRow("letter inside") << "12345a70587" << VatNumber::Wrong << "";
    QTest::newRow("blank inside") << "12345 70587" << VatNumber::Wrong << "";

    QTest::newRow("empty") << "" << VatNumber::WrongLength << "";
    QTest::newRow("ten digits") << "1234567058" << VatNumber::WrongLength << "";
    QTest::newRow("twelve digits") << "123456705870" << VatNumber::WrongLength << "";
}

void TstCodeChecks::vatNumber()
{
    QFETCH(QString, number);
    QFETCH(VatNumber::Outcome, outcome);
    QFETCH(QString, office);
    const VatNumber vat = checkVatNumber(number);
    QCOMPARE(vat.outcome, outcome);
    QCOMPARE(vat.office, office);
}

void TstCodeChecks::vatOfficeTable()
{
    QCOMPARE(vatOfficeCount(), 104);
    // Every code from 001 to 102 without gaps, then 120 and 121.
    for (int code = 1; code <= 102; ++code)
        QVERIFY2(!vatOffice(QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'))).isEmpty(),
                 qPrintable(QString::number(code)));
    QCOMPARE(vatOffice(u"001"), QStringLiteral("Torino"));
    QCOMPARE(vatOffice(u"040"), QStringLiteral("Forlì"));
    QCOMPARE(vatOffice(u"096"), QStringLiteral("Monza (Milano 2)"));
    QCOMPARE(vatOffice(u"097"), QStringLiteral("Prato (Firenze 2)"));
    QCOMPARE(vatOffice(u"099"), QStringLiteral("Chiavari (Genova 2)"));
    QCOMPARE(vatOffice(u"101"), QStringLiteral("Bologna 2"));
    QCOMPARE(vatOffice(u"102"), QStringLiteral("Napoli 2"));
    QCOMPARE(vatOffice(u"120"), QStringLiteral("Bologna 2"));
    QCOMPARE(vatOffice(u"121"), QStringLiteral("Napoli 2"));
    QVERIFY(vatOffice(u"000").isEmpty());
    QVERIFY(vatOffice(u"103").isEmpty());
    QVERIFY(vatOffice(u"119").isEmpty());
    QVERIFY(vatOffice(u"122").isEmpty());
}

void TstCodeChecks::iban_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Iban>("verdict");

    QTest::newRow("Italy") << "IT60X0542811101000000123456" << Iban::Valid;
    QTest::newRow("France") << "FR1420041010050500013M02606" << Iban::Valid;
    QTest::newRow("Monaco") << "MC5811222000010123456789030" << Iban::Valid;
    QTest::newRow("lower case") << "it60x0542811101000000123456" << Iban::Valid;
    QTest::newRow("surrounding blanks trimmed") << "  IT60X0542811101000000123456 " << Iban::Valid;
    // 22 characters that reach 27 with their blanks: judged without them.
    QTest::newRow("short with blanks") << "DE89 3704 0044 0532 0130 00" << Iban::Valid;
    QTest::newRow("IBAN prefix deleted") << "IBAN DE89370400440532013000" << Iban::Valid;

    QTest::newRow("adjacent digits swapped") << "IT60X0542811101000000123465" << Iban::Wrong;
    QTest::newRow("check digits changed") << "IT61X0542811101000000123456" << Iban::Wrong;
    QTest::newRow("national letter changed") << "IT60Y0542811101000000123456" << Iban::Wrong;
    QTest::newRow("hyphen") << "IT60X0542811101000000-23456" << Iban::Wrong;
    QTest::newRow("full stop") << "IT60X0542811101000000.23456" << Iban::Wrong;
    QTest::newRow("accented letter") << "IT60X0542811101000000À23456" << Iban::Wrong;
    QTest::newRow("plus sign") << "+T60X0542811101000000123456" << Iban::Wrong;

    QTest::newRow("empty") << "" << Iban::WrongLength;
    QTest::newRow("blanks only") << "                           " << Iban::WrongLength;
    QTest::newRow("26 chars") << "IT60X054281110100000012345" << Iban::WrongLength;
    QTest::newRow("groups of four") << "IT60 X054 2811 1010 0000 0123 456" << Iban::WrongLength;
    QTest::newRow("German, 22 chars") << "DE89370400440532013000" << Iban::WrongLength;
}

void TstCodeChecks::iban()
{
    QFETCH(QString, text);
    QFETCH(Iban, verdict);
    QCOMPARE(checkIban(text), verdict);
}

void TstCodeChecks::card_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("network");

    const QString diners = QStringLiteral("Diner's Club / Carte Blanche");
    const QString amex = QStringLiteral("American Express");

    QTest::newRow("Visa") << "4111111111111111" << true << "Visa";
    QTest::newRow("Visa last digit changed") << "4111111111111112" << false << "";
    QTest::newRow("Visa two digits") << "42" << true << "Visa";
    QTest::newRow("MasterCard 55") << "5555555555554444" << true << "MasterCard";
    QTest::newRow("MasterCard 51") << "5105105105105100" << true << "MasterCard";
    QTest::newRow("MasterCard 2223") << "2223000048400011" << true << "MasterCard";
    QTest::newRow("MasterCard 2221 lowest") << "2221000000000009" << true << "MasterCard";
    QTest::newRow("MasterCard 2500") << "2500000000000001" << true << "MasterCard";
    QTest::newRow("MasterCard 2720 highest") << "2720999999999996" << true << "MasterCard";
    QTest::newRow("2220 below the range") << "2220999999999991" << false << "";
    QTest::newRow("2721 above the range") << "2721000000000004" << false << "";
    QTest::newRow("2000") << "2000000000000006" << false << "";
    QTest::newRow("Amex 37") << "378282246310005" << true << amex;
    QTest::newRow("Amex 37 other") << "371449635398431" << true << amex;
    QTest::newRow("Amex 34") << "340000000000009" << true << amex;
    QTest::newRow("Diners 30") << "30569309025904" << true << diners;
    QTest::newRow("Diners 36") << "36227206271667" << true << diners;
    QTest::newRow("Diners 38") << "38520000023237" << true << diners;
    QTest::newRow("JCB 35") << "3530111333300000" << true << "JCB";
    QTest::newRow("JCB 35 other") << "3566002020360505" << true << "JCB";
    QTest::newRow("JCB 31") << "3111111111111113" << true << "JCB";
    QTest::newRow("JCB 33") << "3311111111111111" << true << "JCB";
    QTest::newRow("Discover") << "6011111111111117" << true << "Discover";
    QTest::newRow("Discover other") << "6011000990139424" << true << "Discover";
    QTest::newRow("32, no network") << "3200000000000002" << true << "";
    QTest::newRow("39, no network") << "3900000000000005" << true << "";
    QTest::newRow("leading 0") << "00" << false << "";
    QTest::newRow("leading 1") << "1234567890123452" << false << "";
    QTest::newRow("leading 7") << "7000000000000005" << false << "";
    QTest::newRow("leading 8") << "8000000000000003" << false << "";
    QTest::newRow("leading 9") << "9000000000000001" << false << "";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("no digit") << "abc -" << false << "";

    QTest::newRow("groups with blanks") << "4111 1111 1111 1111" << true << "Visa";
    QTest::newRow("groups with hyphens") << "3782-822463-10005" << true << amex;
    // Its last three digits lie past the twentieth character; the 16 digits
    // before them alone fail the rule.
    QTest::newRow("19 digits in groups") << "4123 4567 8901 2345 677" << true << "Visa";
    QTest::newRow("19 digits, one changed") << "4123 4567 8901 2345 678" << false << "";
}

void TstCodeChecks::card()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, network);
    const Card card = checkCard(text);
    QCOMPARE(card.valid, valid);
    QCOMPARE(card.network, network);
}

void TstCodeChecks::cardKindValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");

    QTest::newRow("Luhn fails") << "4111111111111112" << 0;
    QTest::newRow("leading 0") << "00" << -2;
    QTest::newRow("leading 1") << "1234567890123452" << -1;
    QTest::newRow("leading 2") << "2000000000000006" << 0;
    QTest::newRow("MasterCard 2221-2720") << "2223000048400011" << 3;
    QTest::newRow("leading 3") << "3200000000000002" << 1;
    QTest::newRow("leading 4") << "4111111111111111" << 2;
    QTest::newRow("leading 5") << "5555555555554444" << 3;
    QTest::newRow("leading 6") << "6011111111111117" << 4;
    QTest::newRow("leading 9") << "9000000000000001" << 7;
}

void TstCodeChecks::cardKindValues()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QCOMPARE(cardKind(text), kind);
}

void TstCodeChecks::cardDigitsStopAtTwenty()
{
    QCOMPARE(cardDigits(u"4111-1111 x 1111.1111"), QStringLiteral("4111111111111111"));
    QCOMPARE(cardDigits(u"1234567890 1234567890 1234"), QStringLiteral("12345678901234567890"));
    // The first 20 digits pass; with the 21st they would not.
    QVERIFY(checkCard(u"4111 1111 1111 1111 1115 7").valid);
    QVERIFY(!checkCard(u"4111 1111 1111 1111 1116 5").valid);
}

QTEST_GUILESS_MAIN(TstCodeChecks)
#include "tst_validators_checks.moc"
