#include "ui/cp1252validator.h"

#include "core/storage/cp1252.h"

namespace {
// One blank for each, so the text keeps its length and the caret its place.
void flatten(QString &input)
{
    for (QChar &c : input)
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = QLatin1Char(' ');
}
}

QValidator::State Cp1252Validator::validate(QString &input, int &) const
{
    flatten(input);
    return Cp1252::canEncode(input) ? Acceptable : Invalid;
}

void Cp1252Validator::fixup(QString &input) const
{
    flatten(input);
}
