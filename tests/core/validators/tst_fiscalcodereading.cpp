#include "core/validators/codechecks.h"
#include "core/validators/fiscalcodereading.h"

#include <QSet>
#include <QtTest>

using namespace CodeChecks;

namespace {

// A fixed day for the century rule, unless a row names its own.
const QDate today(2025, 6, 15);

// The first fifteen characters completed by their check letter.
QString withCheckLetter(const QString &first15)
{
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        const QString code = first15 + QChar(letter);
        if (checkFiscalCode(code) == FiscalCode::Valid)
            return code;
    }
    return {};
}

// Every code the registry may give to keep holders of one code apart: each
// of the seven digit places either kept or replaced by its letter.
QStringList omocodicVariants(const QString &code)
{
    const int places[] = {6, 7, 9, 10, 12, 13, 14};
    const QString letters = QStringLiteral("LMNPQRSTUV");
    QStringList variants;
    for (int mask = 0; mask < 128; ++mask) {
        QString first15 = code.left(15);
        for (int bit = 0; bit < 7; ++bit)
            if (mask & (1 << bit))
                first15[places[bit]] = letters[first15[places[bit]].unicode() - u'0'];
        variants << withCheckLetter(first15);
    }
    return variants;
}

// The 128 omocodic codes of CCCFBA85D03L219P as listed by a public
// fiscal-code library's test suite.
const QStringList publishedVariants = {
    "CCCFBA85D03L219P", "CCCFBA85D03L21VE", "CCCFBA85D03L2M9A", "CCCFBA85D03LN19E", "CCCFBA85D0PL219L",
    "CCCFBA85DL3L219A", "CCCFBA8RD03L219B", "CCCFBAU5D03L219M", "CCCFBA85D03L2MVP", "CCCFBA85D03LN1VT",
    "CCCFBA85D0PL21VA", "CCCFBA85DL3L21VP", "CCCFBA8RD03L21VQ", "CCCFBAU5D03L21VB", "CCCFBA85D03LNM9P",
    "CCCFBA85D0PL2M9W", "CCCFBA85DL3L2M9L", "CCCFBA8RD03L2M9M", "CCCFBAU5D03L2M9X", "CCCFBA85D0PLN19A",
    "CCCFBA85DL3LN19P", "CCCFBA8RD03LN19Q", "CCCFBAU5D03LN19B", "CCCFBA85DLPL219W", "CCCFBA8RD0PL219X",
    "CCCFBAU5D0PL219I", "CCCFBA8RDL3L219M", "CCCFBAU5DL3L219X", "CCCFBAURD03L219Y", "CCCFBA85D03LNMVE",
    "CCCFBA85D0PL2MVL", "CCCFBA85DL3L2MVA", "CCCFBA8RD03L2MVB", "CCCFBAU5D03L2MVM", "CCCFBA85D0PLN1VP",
    "CCCFBA85DL3LN1VE", "CCCFBA8RD03LN1VF", "CCCFBAU5D03LN1VQ", "CCCFBA85DLPL21VL", "CCCFBA8RD0PL21VM",
    "CCCFBAU5D0PL21VX", "CCCFBA8RDL3L21VB", "CCCFBAU5DL3L21VM", "CCCFBAURD03L21VN", "CCCFBA85D0PLNM9L",
    "CCCFBA85DL3LNM9A", "CCCFBA8RD03LNM9B", "CCCFBAU5D03LNM9M", "CCCFBA85DLPL2M9H", "CCCFBA8RD0PL2M9I",
    "CCCFBAU5D0PL2M9T", "CCCFBA8RDL3L2M9X", "CCCFBAU5DL3L2M9I", "CCCFBAURD03L2M9J", "CCCFBA85DLPLN19L",
    "CCCFBA8RD0PLN19M", "CCCFBAU5D0PLN19X", "CCCFBA8RDL3LN19B", "CCCFBAU5DL3LN19M", "CCCFBAURD03LN19N",
    "CCCFBA8RDLPL219I", "CCCFBAU5DLPL219T", "CCCFBAURD0PL219U", "CCCFBAURDL3L219J", "CCCFBA85D0PLNMVA",
    "CCCFBA85DL3LNMVP", "CCCFBA8RD03LNMVQ", "CCCFBAU5D03LNMVB", "CCCFBA85DLPL2MVW", "CCCFBA8RD0PL2MVX",
    "CCCFBAU5D0PL2MVI", "CCCFBA8RDL3L2MVM", "CCCFBAU5DL3L2MVX", "CCCFBAURD03L2MVY", "CCCFBA85DLPLN1VA",
    "CCCFBA8RD0PLN1VB", "CCCFBAU5D0PLN1VM", "CCCFBA8RDL3LN1VQ", "CCCFBAU5DL3LN1VB", "CCCFBAURD03LN1VC",
    "CCCFBA8RDLPL21VX", "CCCFBAU5DLPL21VI", "CCCFBAURD0PL21VJ", "CCCFBAURDL3L21VY", "CCCFBA85DLPLNM9W",
    "CCCFBA8RD0PLNM9X", "CCCFBAU5D0PLNM9I", "CCCFBA8RDL3LNM9M", "CCCFBAU5DL3LNM9X", "CCCFBAURD03LNM9Y",
    "CCCFBA8RDLPL2M9T", "CCCFBAU5DLPL2M9E", "CCCFBAURD0PL2M9F", "CCCFBAURDL3L2M9U", "CCCFBA8RDLPLN19X",
    "CCCFBAU5DLPLN19I", "CCCFBAURD0PLN19J", "CCCFBAURDL3LN19Y", "CCCFBAURDLPL219F", "CCCFBA85DLPLNMVL",
    "CCCFBA8RD0PLNMVM", "CCCFBAU5D0PLNMVX", "CCCFBA8RDL3LNMVB", "CCCFBAU5DL3LNMVM", "CCCFBAURD03LNMVN",
    "CCCFBA8RDLPL2MVI", "CCCFBAU5DLPL2MVT", "CCCFBAURD0PL2MVU", "CCCFBAURDL3L2MVJ", "CCCFBA8RDLPLN1VM",
    "CCCFBAU5DLPLN1VX", "CCCFBAURD0PLN1VY", "CCCFBAURDL3LN1VN", "CCCFBAURDLPL21VU", "CCCFBA8RDLPLNM9I",
    "CCCFBAU5DLPLNM9T", "CCCFBAURD0PLNM9U", "CCCFBAURDL3LNM9J", "CCCFBAURDLPL2M9Q", "CCCFBAURDLPLN19U",
    "CCCFBA8RDLPLNMVX", "CCCFBAU5DLPLNMVI", "CCCFBAURD0PLNMVJ", "CCCFBAURDL3LNMVY", "CCCFBAURDLPL2MVF",
    "CCCFBAURDLPLN1VJ", "CCCFBAURDLPLNM9F", "CCCFBAURDLPLNMVU",
};

} // namespace

class TstFiscalCodeReading : public QObject
{
    Q_OBJECT
private slots:
    void publishedVectors_data();
    void publishedVectors();
    void omocodicVariantsReadAlike_data();
    void omocodicVariantsReadAlike();
    void publishedVariantsAreTheVariants();
    void monthLetters();
    void impossibleMonthLetters();
    void days_data();
    void days();
    void century_data();
    void century();
};

void TstFiscalCodeReading::publishedVectors_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("birthDate");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("place");

    // Decoding vectors of a public fiscal-code library's test suite.
    QTest::newRow("THDSDA95P08Z330H") << "THDSDA95P08Z330H" << "08/09/1995" << "M" << "Z330";
    QTest::newRow("BLSLGS84C22Z145O") << "BLSLGS84C22Z145O" << "22/03/1984" << "M" << "Z145";
    QTest::newRow("BRNGNN71B26L219T") << "BRNGNN71B26L219T" << "26/02/1971" << "M" << "L219";
    QTest::newRow("CCCFBA85D03L219P") << "CCCFBA85D03L219P" << "03/04/1985" << "M" << "L219";
    QTest::newRow("GMBLSN84A05G674H") << "GMBLSN84A05G674H" << "05/01/1984" << "M" << "G674";
    QTest::newRow("MRTMRA83T56A269B") << "MRTMRA83T56A269B" << "16/12/1983" << "F" << "A269";
    QTest::newRow("PNLMHL79R27I158P") << "PNLMHL79R27I158P" << "27/10/1979" << "M" << "I158";
    QTest::newRow("QTRDRA71P13G388J") << "QTRDRA71P13G388J" << "13/09/1971" << "M" << "G388";
    QTest::newRow("TKKYKU87B68L219F") << "TKKYKU87B68L219F" << "28/02/1987" << "F" << "L219";
    QTest::newRow("RSSMRA68A01H501Y") << "RSSMRA68A01H501Y" << "01/01/1968" << "M" << "H501";
    QTest::newRow("RSSMRA50B17A558W") << "RSSMRA50B17A558W" << "17/02/1950" << "M" << "A558";
    // Their omocodic forms read the same.
    QTest::newRow("CCCFBA85D03L21VE") << "CCCFBA85D03L21VE" << "03/04/1985" << "M" << "L219";
    QTest::newRow("CCCFBA85D0PLNMVA") << "CCCFBA85D0PLNMVA" << "03/04/1985" << "M" << "L219";
    QTest::newRow("CCCFBAURDLPLNMVU") << "CCCFBAURDLPLNMVU" << "03/04/1985" << "M" << "L219";
    QTest::newRow("lower case") << "cccfba85d0plnmva" << "03/04/1985" << "M" << "L219";
}

void TstFiscalCodeReading::publishedVectors()
{
    QFETCH(QString, code);
    QFETCH(QString, birthDate);
    QFETCH(QString, sex);
    QFETCH(QString, place);

    QCOMPARE(checkFiscalCode(code), FiscalCode::Valid);
    const FiscalCodeReading reading = readFiscalCode(code, today);
    QVERIFY(reading.possible);
    QCOMPARE(reading.birthDate.toString(u"dd/MM/yyyy"), birthDate);
    QCOMPARE(QString(reading.sex), sex);
    QCOMPARE(reading.place, place);
}

void TstFiscalCodeReading::omocodicVariantsReadAlike_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("a man born in Italy") << "CCCFBA85D03L219P";
    QTest::newRow("a woman born abroad") << withCheckLetter(QStringLiteral("MRTMRA83T56Z330"));
}

// Every one of the 128 codes passes the check and reads as the plain one.
void TstFiscalCodeReading::omocodicVariantsReadAlike()
{
    QFETCH(QString, code);
    const FiscalCodeReading plain = readFiscalCode(code, today);
    QVERIFY(plain.possible);

    const QStringList variants = omocodicVariants(code);
    QCOMPARE(QSet<QString>(variants.begin(), variants.end()).size(), 128);
    for (const QString &variant : variants) {
        QCOMPARE(checkFiscalCode(variant), FiscalCode::Valid);
        const FiscalCodeReading reading = readFiscalCode(variant, today);
        QVERIFY2(reading.possible, qPrintable(variant));
        QCOMPARE(reading.birthDate, plain.birthDate);
        QCOMPARE(reading.sex, plain.sex);
        QCOMPARE(reading.place, plain.place);
        QCOMPARE(undoOmocodia(variant).left(15), code.left(15));
    }
}

// The published list and the variants built here are the same 128 codes.
void TstFiscalCodeReading::publishedVariantsAreTheVariants()
{
    const QStringList built = omocodicVariants(QStringLiteral("CCCFBA85D03L219P"));
    QCOMPARE(publishedVariants.size(), 128);
    QCOMPARE(QSet<QString>(publishedVariants.begin(), publishedVariants.end()),
             QSet<QString>(built.begin(), built.end()));
}

void TstFiscalCodeReading::monthLetters()
{
    const QString letters = QStringLiteral("ABCDEHLMPRST");
    for (int month = 1; month <= 12; ++month) {
        const QString code = withCheckLetter(QStringLiteral("RSSMRA85") + letters[month - 1] + QStringLiteral("10H501"));
        const FiscalCodeReading reading = readFiscalCode(code, today);
        QVERIFY2(reading.possible, qPrintable(code));
        QCOMPARE(reading.birthDate, QDate(1985, month, 10));
    }
}

void TstFiscalCodeReading::impossibleMonthLetters()
{
    for (QChar letter : QStringLiteral("FGIJKNOQUVWXYZ0:")) {
        const QString code = withCheckLetter(QStringLiteral("RSSMRA85") + letter + QStringLiteral("10H501"));
        QCOMPARE(checkFiscalCode(code), FiscalCode::Valid);
        const FiscalCodeReading reading = readFiscalCode(code, today);
        QVERIFY2(!reading.possible, qPrintable(code));
        QVERIFY(!reading.birthDate.isValid());
    }
}

void TstFiscalCodeReading::days_data()
{
    QTest::addColumn<QString>("dateAndSex");   // places 7 to 11: year, month, day
    QTest::addColumn<QString>("birthDate");    // empty: impossible
    QTest::addColumn<QString>("sex");

    QTest::newRow("man, 1st") << "85A01" << "01/01/1985" << "M";
    QTest::newRow("man, 31st") << "85A31" << "31/01/1985" << "M";
    QTest::newRow("woman, 1st") << "85A41" << "01/01/1985" << "F";
    QTest::newRow("woman, 31st") << "85A71" << "31/01/1985" << "F";
    QTest::newRow("day 00") << "85A00" << "" << "M";
    QTest::newRow("day 32") << "85A32" << "" << "M";
    QTest::newRow("day 40") << "85A40" << "" << "M";
    QTest::newRow("day 72") << "85A72" << "" << "F";
    QTest::newRow("day 99") << "85A99" << "" << "F";
    QTest::newRow("30 April") << "85D30" << "30/04/1985" << "M";
    QTest::newRow("31 April") << "85D31" << "" << "M";
    QTest::newRow("31 April, woman") << "85D71" << "" << "F";
    QTest::newRow("28 February") << "85B28" << "28/02/1985" << "M";
    QTest::newRow("29 February, common year") << "85B29" << "" << "M";
    QTest::newRow("29 February, leap year") << "84B69" << "29/02/1984" << "F";
    QTest::newRow("29 February 2000") << "00B29" << "29/02/2000" << "M";
    QTest::newRow("29 February 2024") << "24B29" << "29/02/2024" << "M";
    QTest::newRow("29 February 2023") << "23B29" << "" << "M";
    QTest::newRow("30 February, leap year") << "84B30" << "" << "M";
    QTest::newRow("omocodic 29 February") << "UQBNV" << "29/02/1984" << "M";
    QTest::newRow("letter in the year") << "8AA01" << "" << "M";
    QTest::newRow("sign in the day") << "85A0:" << "" << "M";
}

void TstFiscalCodeReading::days()
{
    QFETCH(QString, dateAndSex);
    QFETCH(QString, birthDate);
    QFETCH(QString, sex);

    const QString code = withCheckLetter(QStringLiteral("RSSMRA") + dateAndSex + QStringLiteral("H501"));
    QCOMPARE(checkFiscalCode(code), FiscalCode::Valid);
    const FiscalCodeReading reading = readFiscalCode(code, today);
    QCOMPARE(reading.possible, !birthDate.isEmpty());
    QCOMPARE(reading.birthDate.toString(u"dd/MM/yyyy"), birthDate);
    if (reading.possible)
        QCOMPARE(QString(reading.sex), sex);
    QCOMPARE(reading.place, QStringLiteral("H501"));
}

void TstFiscalCodeReading::century_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("dateAndSex");
    QTest::addColumn<QString>("birthDate");   // empty: impossible

    QTest::newRow("born today") << QDate(2025, 6, 15) << "25H15" << "15/06/2025";
    QTest::newRow("a day after today: last century") << QDate(2025, 6, 15) << "25H16" << "16/06/1925";
    QTest::newRow("next year: last century") << QDate(2025, 6, 15) << "26A01" << "01/01/1926";
    QTest::newRow("last year") << QDate(2025, 6, 15) << "24T31" << "31/12/2024";
    QTest::newRow("year 00") << QDate(2025, 6, 15) << "00A01" << "01/01/2000";
    QTest::newRow("year 99") << QDate(2025, 6, 15) << "99T31" << "31/12/1999";
    QTest::newRow("new year's day") << QDate(2000, 1, 1) << "00A01" << "01/01/2000";
    QTest::newRow("new year's eve") << QDate(1999, 12, 31) << "00A01" << "01/01/1900";
    // 2100 is a common year: 29 February 00 is 2000's, while its holder is 119 at most.
    QTest::newRow("2100, 29 February 00") << QDate(2100, 3, 1) << "00B29" << "29/02/2000";
    QTest::newRow("2100, 28 February 00") << QDate(2100, 3, 1) << "00B28" << "28/02/2100";
    QTest::newRow("aged 119") << QDate(2120, 2, 28) << "00B29" << "29/02/2000";
    QTest::newRow("aged 120") << QDate(2120, 3, 1) << "00B29" << "";
    // The day before 29 February 2000: 1900 had none, and 1800 is too far.
    QTest::newRow("eve of 29 February 2000") << QDate(2000, 2, 28) << "00B29" << "";
}

void TstFiscalCodeReading::century()
{
    QFETCH(QDate, today);
    QFETCH(QString, dateAndSex);
    QFETCH(QString, birthDate);

    const QString code = withCheckLetter(QStringLiteral("RSSMRA") + dateAndSex + QStringLiteral("H501"));
    const FiscalCodeReading reading = readFiscalCode(code, today);
    QCOMPARE(reading.possible, !birthDate.isEmpty());
    QCOMPARE(reading.birthDate.toString(u"dd/MM/yyyy"), birthDate);
}

QTEST_APPLESS_MAIN(TstFiscalCodeReading)
#include "tst_fiscalcodereading.moc"
