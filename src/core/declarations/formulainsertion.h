#pragma once
#include "core/declarations/declarationtext.h"

#include <QString>
#include <QStringView>

// Where a formula goes in the declaration text: on a line of its own at the
// cursor, breaking the line there when the cursor stands inside one. Nothing
// typed is replaced: with a selection it goes after the selected text.
struct FormulaInsertion
{
    bool fits = false;      // false: the text would pass the record's bytes; nothing goes in
    int position = 0;       // where `text` goes in the box text
    QString text;           // the formula with the line breaks it needs around it
    int cursorAfter = 0;    // the end of the formula once inserted

    // `boxText` with LF breaks, the selection's two ends in any order.
    static FormulaInsertion plan(QStringView boxText, int anchor, int cursor, const QString &formula,
                                 int capacity = DeclarationText::capacity);
};
