#pragma once
#include <QValidator>

// The rule of every single-line box that feeds an archive:
//  - characters the archives cannot store (outside Windows-1252) are refused,
//    so a character that can be typed is a character that comes back as typed;
//  - a line break or tab (pasted, or set from a damaged record) becomes a
//    blank, since it would split the lines of a list or the cells of an export.
class Cp1252Validator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
    void fixup(QString &input) const override;
};
