#pragma once
#include <QChar>
#include <QDate>
#include <QString>
#include <QStringView>

// What a personal fiscal code says about its holder: birth date, sex and the
// cadastral code of the place of birth (a municipality, or "Z" and three
// digits for a foreign state). Meant for codes whose check letter is right.
namespace CodeChecks {

struct FiscalCodeReading
{
    // False when the code names no real day for someone 0 to 119 years old
    // today: a month letter outside the twelve, a day that month lacks, or a
    // non-digit where the year or the day stands.
    bool possible = false;
    QDate birthDate;
    QChar sex;        // 'M' or 'F'
    QString place;    // omocodia undone
};

// Reads the code in upper case. Letters that replaced digits to keep two
// codes apart (L M N P Q R S T U V for 0 to 9) are read as those digits, in
// any of the seven digit places. The year has two digits: of the years ending
// so, the most recent one giving a real date not after `today` is taken,
// within 119 years of it.
FiscalCodeReading readFiscalCode(QStringView code, QDate today);

// The code with every omocodia letter in a digit place turned back into its
// digit; other characters unchanged. The check letter stays as it is.
QString undoOmocodia(QStringView code);

} // namespace CodeChecks
