#pragma once
#include "core/declarations/declarationkind.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The standard declarations a clerk writes every day, as data: each rests on
// an article of D.P.R. 445/2000 and is filled from the declarant's boxes of
// the declaration window, agreeing with the declarant's sex.
namespace Formulas {

// What a value the boxes do not hold reads as: a blank to fill by hand.
inline const QString gap = QStringLiteral("________");

struct Formula
{
    DeclarationKind::Id kind;
    const char *article;   // "46", "47" or "19"
    const char *letter;    // the letter of art. 46 ("a" ... "ee", "bb-bis"); empty for the others
    const char *subject;   // what it declares, in a few words (UTF-8)
    // UTF-8 text with two kinds of place-holder in braces:
    //   {txtLuogoNasc}  the trimmed text of that box, the gap when empty;
    //                   {txtCap} and {txtProv} join the one-letter boxes;
    //                   {txtCittadinanza} agrees with the sex (italiana -> italiano);
    //   {nato|nata}     masculine|feminine, with an optional third form for
    //                   an empty sex box; without it "nato/a", "il/la", "celibe/nubile".
    const char *text;

    // "a)" for a letter of art. 46, "art. 47" or "art. 19" otherwise.
    QString reference() const;
    // The declaration window's boxes the text draws on, in reading order.
    QStringList boxes() const;
};

// Every formula, art. 46 by letter first, then art. 19 and art. 47.
const QList<Formula> &all();
// The formulas of one kind of declaration, in the order of all().
QList<Formula> of(DeclarationKind::Id kind);

// The declarant as the declaration window's boxes hold it, by control name.
using Declarant = QHash<QString, QString>;

// The formula as it reads for this declarant.
QString filled(const Formula &formula, const Declarant &declarant);

// True when every word of `filter` is found, ignoring case, in the subject,
// the reference or `filledText`.
bool matches(const Formula &formula, const QString &filledText, const QString &filter);
}
