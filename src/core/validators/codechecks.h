#pragma once
#include <QString>
#include <QStringView>

// The four code checks, free of any window: Italian fiscal code, Italian VAT
// number, IBAN and payment card number.
namespace CodeChecks {

// Fiscal code: the sixteenth character must be the check letter computed
// from the first fifteen. Judged in upper case (a to z only). A text of 16
// characters holding anything outside "0".."Z" counts as a wrong length,
// since the message asks for 16 alphanumeric characters.
enum class FiscalCode { WrongLength, Valid, WrongCheck };
FiscalCode checkFiscalCode(QStringView code);

// VAT number: 11 digits whose last one is the check digit. When valid,
// `office` names the VAT office of digits 8 to 10, or stays empty when that
// code is not in the table.
struct VatNumber
{
    enum Outcome { WrongLength, Wrong, Valid };
    Outcome outcome = WrongLength;
    QString office;
};
VatNumber checkVatNumber(QStringView text);
// Office name of a three-digit office code; empty when unknown.
QString vatOffice(QStringView code);
int vatOfficeCount();

// IBAN remainder test: blanks removed, upper-cased, first "IBAN" deleted,
// first four characters moved to the end, letters turned into 10..35, and
// the whole read as a number modulo 97 nine digits at a time. Passes when
// the remainder is 1; any character other than a digit or a letter fails.
bool ibanRemainderTest(QStringView text);
// The window's rule: the trimmed text must be 27 characters long, then the
// remainder test decides.
enum class Iban { WrongLength, Valid, Wrong };
Iban checkIban(QStringView text);

// Payment card: the first 20 digits of the text (other characters skipped).
QString cardDigits(QStringView text);
// Luhn rule on a string of digits; false when empty.
bool luhnValid(QStringView digits);
// Card kind: 0 when the Luhn rule fails (or there is no digit), otherwise the
// first digit minus 2 (1 for 3, 2 Visa, 3 MasterCard, 4 Discover, 0 for a
// leading 2, outside 0..4 for 0, 1, 7, 8, 9) - except that 2221 to 2720,
// MasterCard's newer range, gives 3.
int cardKind(QStringView text);
// The verdict shown to the user: valid with the network name (empty when
// the number is valid but belongs to no known network), or wrong.
struct Card
{
    bool valid = false;
    QString network;
};
Card checkCard(QStringView text);

} // namespace CodeChecks
