#pragma once
#include <QString>
#include <initializer_list>

class QLineEdit;
class QWidget;

// The checks an archive window makes before saving or printing: the first
// that fails shows its warning and puts the focus in its box.
namespace FormChecks {
struct Check
{
    bool passed;
    QLineEdit *box;
    QString warning;
};

bool run(QWidget *window, std::initializer_list<Check> checks);

bool filled(const QLineEdit *box);   // something besides blanks
bool isSex(const QLineEdit *box);    // exactly "M" or "F", blanks aside
}
