#include "core/validators/fiscalcodereading.h"

#include "core/storage/text.h"

namespace {

// Where the code holds digits (counted from 0): year, day, place number.
constexpr int digitPlaces[] = {6, 7, 9, 10, 12, 13, 14};
// The letter standing for each digit 0 to 9 in an omocodic code.
constexpr char16_t omocodiaLetters[] = u"LMNPQRSTUV";
// Month letters, January to December.
constexpr char16_t monthLetters[] = u"ABCDEHLMPRST";
// Oldest age the year's century may give.
constexpr int oldestAge = 119;

// -1 when not a digit.
int digitAt(const QString &code, int index)
{
    const char16_t c = code[index].unicode();
    return (c >= u'0' && c <= u'9') ? c - u'0' : -1;
}

int twoDigits(const QString &code, int index)
{
    const int tens = digitAt(code, index);
    const int units = digitAt(code, index + 1);
    return (tens < 0 || units < 0) ? -1 : tens * 10 + units;
}

// 1 to 12, or 0 for a letter that is no month.
int monthOf(QChar letter)
{
    for (int m = 0; m < 12; ++m)
        if (letter.unicode() == monthLetters[m])
            return m + 1;
    return 0;
}

// Age on `today` of someone born on day/month/year; negative when not yet born.
int ageOn(QDate today, int year, int month, int day)
{
    const bool birthdayToCome = today.month() < month || (today.month() == month && today.day() < day);
    return today.year() - year - (birthdayToCome ? 1 : 0);
}

// The most recent year ending in `yy` that gives a real day not after
// `today`, for someone at most `oldestAge` years old; an invalid date if none.
QDate birthDate(int yy, int month, int day, QDate today)
{
    int year = today.year() - ((today.year() % 100 - yy + 100) % 100);
    for (; ageOn(today, year, month, day) <= oldestAge; year -= 100) {
        const QDate date(year, month, day);
        if (date.isValid() && ageOn(today, year, month, day) >= 0)
            return date;
    }
    return {};
}

} // namespace

QString CodeChecks::undoOmocodia(QStringView code)
{
    QString plain = code.toString();
    for (int index : digitPlaces) {
        if (index >= plain.size())
            break;
        for (int d = 0; d < 10; ++d)
            if (plain[index].unicode() == omocodiaLetters[d])
                plain[index] = QChar(u'0' + d);
    }
    return plain;
}

CodeChecks::FiscalCodeReading CodeChecks::readFiscalCode(QStringView code, QDate today)
{
    FiscalCodeReading reading;
    const QString plain = undoOmocodia(Text::upperAz(code));
    if (plain.size() != 16 || !today.isValid())
        return reading;

    reading.place = plain.mid(11, 4);
    const int yy = twoDigits(plain, 6);
    const int month = monthOf(plain[8]);
    int day = twoDigits(plain, 9);
    if (day > 40) {
        reading.sex = QLatin1Char('F');
        day -= 40;
    } else {
        reading.sex = QLatin1Char('M');
    }
    if (yy < 0 || month == 0 || day < 1 || day > 31)
        return reading;

    reading.birthDate = birthDate(yy, month, day, today);
    reading.possible = reading.birthDate.isValid();
    return reading;
}
