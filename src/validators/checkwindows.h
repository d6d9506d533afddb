#pragma once
#include <QString>

class QWidget;

// Open a check window modally over the calling window with the caller's code
// (trimmed) in its box, and free it when it closes.

// What the calling card or declaration says of the person, as typed in its
// boxes, for the fiscal-code check to hold against what the code encodes.
struct BirthDataOnCard
{
    QString birthDate;   // dd/mm/yyyy
    QString sex;
};

// A fiscal code made of digits only is a company's, i.e. its VAT number: that
// opens the VAT check; anything else (also an empty text) the fiscal-code check.
// The card's birth date and sex, when given, are held against the code.
void openFiscalCodeCheck(QWidget *parent, const QString &code);
void openFiscalCodeCheck(QWidget *parent, const QString &code, const BirthDataOnCard &card);
void openVatCheck(QWidget *parent, const QString &vatNumber);
void openIbanCheck(QWidget *parent, const QString &iban);
void openCardCheck(QWidget *parent, const QString &cardNumber);
