#include "core/declarations/formulainsertion.h"

#include <QtGlobal>

FormulaInsertion FormulaInsertion::plan(QStringView boxText, int anchor, int cursor, const QString &formula,
                                        int capacity)
{
    const QChar lf(QLatin1Char('\n'));
    FormulaInsertion out;
    out.position = qBound(0, qMax(anchor, cursor), int(boxText.size()));
    const bool breakBefore = out.position > 0 && boxText[out.position - 1] != lf;
    const bool breakAfter = out.position < boxText.size() && boxText[out.position] != lf;
    out.text = (breakBefore ? QString(lf) : QString()) + formula + (breakAfter ? QString(lf) : QString());
    out.cursorAfter = out.position + (breakBefore ? 1 : 0) + int(formula.size());
    out.fits = DeclarationText::recordBytes(boxText) + DeclarationText::recordBytes(out.text) <= capacity;
    return out;
}
