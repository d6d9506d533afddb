#pragma once
#include <QValidator>

// The rule of every single-line box that feeds an archive:
//  - a character the archives cannot store (outside Windows-1252) becomes its
//    base letter where the code page has one, and is left out otherwise; the
//    rest of a paste is kept, and the window's hint bar says so. A password
//    box refuses such characters instead: a silently changed password would
//    lock its owner out;
//  - a line break or tab (pasted, or set from a damaged record) becomes a
//    blank, since it would split the lines of a list or the cells of an export.
class Cp1252Validator : public QValidator
{
public:
    enum class Foreign { Replace, Refuse };
    explicit Cp1252Validator(QObject *parent, Foreign foreign = Foreign::Replace)
        : QValidator(parent), m_foreign(foreign) {}
    State validate(QString &input, int &position) const override;
    void fixup(QString &input) const override;

private:
    Foreign m_foreign;
};
