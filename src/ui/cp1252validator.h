#pragma once
#include <QValidator>

// Refuses characters the archives cannot store (outside Windows-1252), so a
// character that can be typed is a character that comes back as typed.
class Cp1252Validator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
