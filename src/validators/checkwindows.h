#pragma once
#include <QString>

class QWidget;

// Open a check window modally over the calling window with the caller's code
// (trimmed) in its box, and free it when it closes.

// A fiscal code made of digits only is a company's, i.e. its VAT number: that
// opens the VAT check; anything else (also an empty text) the fiscal-code check.
void openFiscalCodeCheck(QWidget *parent, const QString &code);
void openVatCheck(QWidget *parent, const QString &vatNumber);
void openIbanCheck(QWidget *parent, const QString &iban);
void openCardCheck(QWidget *parent, const QString &cardNumber);
