#include "ui/cp1252validator.h"

#include "storage/cp1252.h"

QValidator::State Cp1252Validator::validate(QString &input, int &) const
{
    return Cp1252::canEncode(input) ? Acceptable : Invalid;
}
