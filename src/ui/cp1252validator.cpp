#include "ui/cp1252validator.h"

#include "core/storage/cp1252.h"
#include "ui/statushints.h"

#include <QWidget>

namespace {
// One blank for each, so the text keeps its length and the caret its place.
void flatten(QString &input)
{
    for (QChar &c : input)
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = QLatin1Char(' ');
}
}

QValidator::State Cp1252Validator::validate(QString &input, int &position) const
{
    flatten(input);
    if (Cp1252::canEncode(input))
        return Acceptable;
    if (m_foreign == Foreign::Refuse)
        return Invalid;
    position = int(Cp1252::storable(QStringView(input).left(position)).size());
    input = Cp1252::storable(input);
    StatusHints::tellReplaced(qobject_cast<QWidget *>(parent()));
    return Acceptable;
}

void Cp1252Validator::fixup(QString &input) const
{
    flatten(input);
}
