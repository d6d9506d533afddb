#include "core/validators/codechecks.h"

#include "core/storage/text.h"

namespace {

// Weights of the fiscal code's check rule, indexed by character from '0' to
// 'Z'; the seven signs between '9' and 'A' weigh nothing.
constexpr char tableFirst = '0';
constexpr char tableLast = 'Z';
constexpr int tableSize = tableLast - tableFirst + 1;

constexpr int oddWeights[tableSize] = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                  // 0..9
    0, 0, 0, 0, 0, 0, 0,                                // : ; < = > ? @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18,        // A..M
    20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23,    // N..Z
};

constexpr int evenWeights[tableSize] = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                       // 0..9
    0, 0, 0, 0, 0, 0, 0,                                // : ; < = > ? @
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,           // A..M
    13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, // N..Z
};

bool inTable(QChar c)
{
    return c.unicode() >= tableFirst && c.unicode() <= tableLast;
}

bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

int digit(QChar c)
{
    return c.unicode() - '0';
}

} // namespace

CodeChecks::FiscalCode CodeChecks::checkFiscalCode(QStringView code)
{
    const QString upper = Text::upperAz(code);
    if (upper.size() != 16)
        return FiscalCode::WrongLength;
    for (QChar c : upper)
        if (!inTable(c))
            return FiscalCode::WrongLength;

    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const int index = upper[i].unicode() - tableFirst;
        // Position i + 1 counted from 1: odd positions use the odd table.
        sum += (i % 2 == 0) ? oddWeights[index] : evenWeights[index];
    }
    const QChar expected(u'A' + sum % 26);
    return upper[15] == expected ? FiscalCode::Valid : FiscalCode::WrongCheck;
}

CodeChecks::VatNumber CodeChecks::checkVatNumber(QStringView text)
{
    const QString upper = Text::upperAz(text);
    VatNumber result;
    if (upper.size() != 11)
        return result;
    result.outcome = VatNumber::Wrong;
    for (QChar c : upper)
        if (!isDigit(c))
            return result;

    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        int d = digit(upper[i]);
        if (i % 2 == 1) {   // even position counted from 1
            d *= 2;
            d = d / 10 + d % 10;
        }
        sum += d;
    }
    if ((10 - sum % 10) % 10 != digit(upper[10]))
        return result;
    result.outcome = VatNumber::Valid;
    result.office = vatOffice(QStringView(upper).mid(7, 3));
    return result;
}

bool CodeChecks::ibanRemainderTest(QStringView text)
{
    QString s = Text::upperAz(text);
    s.remove(QLatin1Char(' '));
    const qsizetype iban = s.indexOf(QLatin1String("IBAN"));
    if (iban >= 0)
        s.remove(iban, 4);
    s = s.mid(4) + s.left(4);

    QString number;
    number.reserve(s.size() * 2);
    for (QChar c : s) {
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            number += QString::number(c.unicode() - 'A' + 10);
        else
            number += c;
    }

    // Nine digits at a time, so that no step exceeds a 32-bit number.
    QString remainderText;
    int pieceLength = 9;
    int remainder = 0;
    qsizetype pos = 0;
    while (pos < number.size()) {
        const QString chunk = remainderText + number.mid(pos, pieceLength);
        for (QChar c : chunk)
            if (!isDigit(c))
                return false;
        remainder = int(chunk.toLongLong() % 97);
        pos += pieceLength;
        remainderText = QString::number(remainder);
        pieceLength = 9 - int(remainderText.size());
    }
    return remainder == 1;
}

CodeChecks::Iban CodeChecks::checkIban(QStringView text)
{
    const QString trimmed = Text::trimmed(text);
    if (trimmed.size() != 27)
        return Iban::WrongLength;
    return ibanRemainderTest(trimmed) ? Iban::Valid : Iban::Wrong;
}

QString CodeChecks::cardDigits(QStringView text)
{
    QString digits;
    for (QChar c : text) {
        if (digits.size() == 20)
            break;
        if (isDigit(c))
            digits += c;
    }
    return digits;
}

bool CodeChecks::luhnValid(QStringView digits)
{
    if (digits.isEmpty())
        return false;
    int sum = 0;
    bool doubled = true;   // the digit just before the check digit is doubled
    for (qsizetype i = digits.size() - 2; i >= 0; --i, doubled = !doubled) {
        int d = digit(digits[i]);
        if (doubled) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return (10 - sum % 10) % 10 == digit(digits.back());
}

int CodeChecks::cardKind(QStringView text)
{
    const QString digits = cardDigits(text);
    if (!luhnValid(digits))
        return 0;
    if (digits.size() >= 4) {
        const int prefix = digits.left(4).toInt();
        if (prefix >= 2221 && prefix <= 2720)
            return 3;
    }
    return digit(digits[0]) - 2;
}

CodeChecks::Card CodeChecks::checkCard(QStringView text)
{
    Card card;
    const int kind = cardKind(text);
    if (kind < 1 || kind > 4)
        return card;
    card.valid = true;
    switch (kind) {
    case 1: {
        const QString prefix = cardDigits(text).left(2);
        if (prefix == u"30" || prefix == u"36" || prefix == u"38")
            card.network = QStringLiteral("Diner's Club / Carte Blanche");
        else if (prefix == u"34" || prefix == u"37")
            card.network = QStringLiteral("American Express");
        else if (prefix == u"31" || prefix == u"33" || prefix == u"35")
            card.network = QStringLiteral("JCB");
        break;   // 32 and 39: valid, no network named
    }
    case 2: card.network = QStringLiteral("Visa"); break;
    case 3: card.network = QStringLiteral("MasterCard"); break;
    case 4: card.network = QStringLiteral("Discover"); break;
    }
    return card;
}
