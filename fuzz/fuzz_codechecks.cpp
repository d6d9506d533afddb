// The four code checks over any text: each gives one of its verdicts, and
// the verdicts agree with what they are made of (case of letters, blanks in
// an IBAN, the digits of a card).
#include "fuzzcheck.h"

#include "core/storage/text.h"
#include "core/validators/codechecks.h"
#include "core/validators/fiscalcodereading.h"

#include <QStringList>

namespace {
bool allDigits(QStringView s)
{
    for (QChar c : s)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return true;
}

QString lowerAz(QString s)
{
    for (QChar &c : s)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() - 'A' + 'a');
    return s;
}

void checkFiscalCode(const QString &text)
{
    using CodeChecks::FiscalCode;
    const FiscalCode verdict = CodeChecks::checkFiscalCode(text);
    FUZZ_REQUIRE(verdict == FiscalCode::WrongLength || verdict == FiscalCode::Valid
                 || verdict == FiscalCode::WrongCheck);
    FUZZ_REQUIRE(CodeChecks::checkFiscalCode(lowerAz(text)) == verdict);
    if (verdict != FiscalCode::WrongLength) {
        FUZZ_REQUIRE(text.size() == 16);
        // Exactly one of the 26 letters in the last place is the check letter.
        int valid = 0;
        QString other = text;
        for (char16_t l = u'A'; l <= u'Z'; ++l) {
            other[15] = QChar(l);
            valid += CodeChecks::checkFiscalCode(other) == FiscalCode::Valid ? 1 : 0;
        }
        FUZZ_REQUIRE(valid == 1);
    }
}

// What a code encodes: a real day not after today, for someone 119 at most,
// whatever the case of its letters and whether omocodia is undone.
void readFiscalCode(const QString &text)
{
    const QDate today(2025, 6, 15);
    const CodeChecks::FiscalCodeReading reading = CodeChecks::readFiscalCode(text, today);
    if (reading.possible) {
        FUZZ_REQUIRE(text.size() == 16);
        FUZZ_REQUIRE(reading.birthDate.isValid() && reading.birthDate <= today);
        FUZZ_REQUIRE(reading.birthDate.addYears(120) > today);
        FUZZ_REQUIRE(reading.sex == QLatin1Char('M') || reading.sex == QLatin1Char('F'));
        FUZZ_REQUIRE(reading.place.size() == 4);
    } else {
        FUZZ_REQUIRE(!reading.birthDate.isValid());
    }
    for (const QString &same : {lowerAz(text), CodeChecks::undoOmocodia(text)}) {
        const CodeChecks::FiscalCodeReading other = CodeChecks::readFiscalCode(same, today);
        FUZZ_REQUIRE(other.possible == reading.possible && other.birthDate == reading.birthDate);
    }
}

void checkVat(const QString &text)
{
    using CodeChecks::VatNumber;
    const VatNumber vat = CodeChecks::checkVatNumber(text);
    FUZZ_REQUIRE(vat.outcome == VatNumber::WrongLength || vat.outcome == VatNumber::Wrong
                 || vat.outcome == VatNumber::Valid);
    FUZZ_REQUIRE((vat.outcome == VatNumber::WrongLength) == (text.size() != 11));
    if (vat.outcome == VatNumber::Valid) {
        FUZZ_REQUIRE(allDigits(text));
        FUZZ_REQUIRE(vat.office == CodeChecks::vatOffice(QStringView(text).mid(7, 3)));
    } else {
        FUZZ_REQUIRE(vat.office.isEmpty());
    }
}

void checkIban(const QString &text)
{
    using CodeChecks::Iban;
    const Iban verdict = CodeChecks::checkIban(text);
    FUZZ_REQUIRE(verdict == Iban::WrongLength || verdict == Iban::Valid || verdict == Iban::Wrong);
    FUZZ_REQUIRE((verdict == Iban::WrongLength) == (Text::trimmed(text).size() != 27));
    // The window judges the trimmed text: a code copied with a control
    // character after it is still the code.
    const bool passes = CodeChecks::ibanRemainderTest(Text::trimmed(text));
    if (verdict != Iban::WrongLength)
        FUZZ_REQUIRE(passes == (verdict == Iban::Valid));
    // Blanks anywhere and the case of letters change nothing.
    QString spaced = lowerAz(Text::trimmed(text));
    spaced.insert(spaced.size() / 2, QLatin1Char(' '));
    FUZZ_REQUIRE(CodeChecks::ibanRemainderTest(spaced) == passes);
}

void checkCard(const QString &text)
{
    const QString digits = CodeChecks::cardDigits(text);
    FUZZ_REQUIRE(digits.size() <= 20 && allDigits(digits));
    FUZZ_REQUIRE(CodeChecks::cardDigits(digits) == digits);
    const CodeChecks::Card card = CodeChecks::checkCard(text);
    if (card.valid)
        FUZZ_REQUIRE(CodeChecks::luhnValid(digits));
    else
        FUZZ_REQUIRE(card.network.isEmpty());
    static const QStringList networks = {
        QString(), QStringLiteral("Visa"), QStringLiteral("MasterCard"), QStringLiteral("Discover"),
        QStringLiteral("American Express"), QStringLiteral("JCB"),
        QStringLiteral("Diner's Club / Carte Blanche")};
    FUZZ_REQUIRE(networks.contains(card.network));
    const int kind = CodeChecks::cardKind(text);
    FUZZ_REQUIRE(kind >= -2 && kind <= 7);
    FUZZ_REQUIRE(card.valid == (kind >= 1 && kind <= 4));
    // The same digits with other characters between them judge the same.
    FUZZ_REQUIRE(CodeChecks::checkCard(digits).valid == card.valid);
    FUZZ_REQUIRE(CodeChecks::checkCard(digits).network == card.network);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input = Fuzz::bytes(data, size);
    for (const QString &text : {QString::fromLatin1(input), Fuzz::utf16(input)}) {
        checkFiscalCode(text);
        readFiscalCode(text);
        checkVat(text);
        checkIban(text);
        checkCard(text);
    }
    return 0;
}
