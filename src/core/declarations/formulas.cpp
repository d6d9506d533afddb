#include "core/declarations/formulas.h"

#include "core/storage/text.h"

#include <QRegularExpression>

namespace {
using Formulas::Declarant;

enum class Sex { Male, Female, Unknown };

Sex sexOf(const Declarant &declarant)
{
    const QString sex = Text::upperAz(Text::trimmed(declarant.value(QStringLiteral("txtSesso"))));
    if (sex == QLatin1String("M"))
        return Sex::Male;
    if (sex == QLatin1String("F"))
        return Sex::Female;
    return Sex::Unknown;
}

// The one-letter boxes a joined place-holder stands for.
QStringList joinedBoxes(const QString &name)
{
    if (name == QLatin1String("txtCap"))
        return {QStringLiteral("txtCap01"), QStringLiteral("txtCap02"), QStringLiteral("txtCap03"),
                QStringLiteral("txtCap04"), QStringLiteral("txtCap05")};
    if (name == QLatin1String("txtProv"))
        return {QStringLiteral("txtProv01"), QStringLiteral("txtProv02")};
    return {name};
}

// "nato" and "nata" make "nato/a"; words of other shapes stand side by side:
// "il/la", "celibe/nubile".
QString bothWords(const QString &m, const QString &f)
{
    if (m.size() == f.size() && m.size() > 1 && m.chopped(1) == f.chopped(1))
        return m + QLatin1Char('/') + f.back();
    return m + QLatin1Char('/') + f;
}

QString neutralOf(const QString &m, const QString &f)
{
    const QStringList mw = m.split(QLatin1Char(' '));
    const QStringList fw = f.split(QLatin1Char(' '));
    if (mw.size() != fw.size())
        return m + QLatin1Char('/') + f;
    QStringList out;
    for (int i = 0; i < mw.size(); ++i)
        out.append(mw[i] == fw[i] ? mw[i] : bothWords(mw[i], fw[i]));
    return out.join(QLatin1Char(' '));
}

QString agreed(const QStringList &forms, Sex sex)
{
    switch (sex) {
    case Sex::Male: return forms[0];
    case Sex::Female: return forms.value(1);
    case Sex::Unknown: break;
    }
    return forms.size() > 2 ? forms[2] : neutralOf(forms[0], forms.value(1));
}

// A citizenship adjective takes the declarant's gender: italiana, italiano,
// italiano/a. Only the endings that are surely an adjective's change (-ana,
// -ena, -ola, -esca and their -o forms: italiana, rumena, spagnola,
// tedesca); anything else, a country's name (Spagna, Cina, Italia) or an
// invariable adjective (francese, belga), is left as written.
bool agrees(const QString &word)
{
    static const char *const endings[] = {"ana", "ano", "ena", "eno", "ola", "olo", "esca", "esco"};
    const QString w = word.toLower();
    for (const char *ending : endings)
        if (w.size() > 4 && w.endsWith(QLatin1String(ending)))
            return true;
    return false;
}

QString citizenship(const QString &value, Sex sex)
{
    static const QRegularExpression words(QStringLiteral("\\p{L}+"));
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &m : words.globalMatch(value)) {
        const QString word = m.captured();
        out += value.mid(done, m.capturedStart() - done);
        done = m.capturedEnd();
        if (!agrees(word)) {
            out += word;
            continue;
        }
        const bool upper = word.back().isUpper();
        const QString o = upper ? QStringLiteral("O") : QStringLiteral("o");
        const QString a = upper ? QStringLiteral("A") : QStringLiteral("a");
        const QString stem = word.chopped(1);
        out += stem + (sex == Sex::Male ? o : sex == Sex::Female ? a : o + QLatin1Char('/') + a);
    }
    return out + value.mid(done);
}

QString boxValue(const QString &name, const Declarant &declarant, Sex sex)
{
    QString value;
    for (const QString &box : joinedBoxes(name))
        value += Text::trimmed(declarant.value(box));
    if (value.isEmpty())
        return Formulas::gap;
    return name == QLatin1String("txtCittadinanza") ? citizenship(value, sex) : value;
}

// Calls `part(text, isPlaceHolder)` for each stretch of a template in order.
template <typename Part>
void walk(const QString &text, Part part)
{
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), at);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            part(text.mid(at), false);
            return;
        }
        part(text.mid(at, open - at), false);
        part(text.mid(open + 1, close - open - 1), true);
        at = close + 1;
    }
}

bool isGendered(const QString &placeHolder)
{
    return placeHolder.contains(QLatin1Char('|'));
}
}

QString Formulas::Formula::reference() const
{
    if (*letter)
        return QLatin1String(letter) + QLatin1Char(')');
    return QStringLiteral("art. ") + QLatin1String(article);
}

QStringList Formulas::Formula::boxes() const
{
    QStringList out;
    walk(QString::fromUtf8(text), [&out](const QString &part, bool placeHolder) {
        if (!placeHolder)
            return;
        const QStringList boxes = isGendered(part) ? QStringList{QStringLiteral("txtSesso")} : joinedBoxes(part);
        for (const QString &box : boxes)
            if (!out.contains(box))
                out.append(box);
        if (part == QLatin1String("txtCittadinanza") && !out.contains(QStringLiteral("txtSesso")))
            out.append(QStringLiteral("txtSesso"));
    });
    return out;
}

QList<Formulas::Formula> Formulas::of(DeclarationKind::Id kind)
{
    QList<Formula> out;
    for (const Formula &f : all())
        if (f.kind == kind)
            out.append(f);
    return out;
}

QString Formulas::filled(const Formula &formula, const Declarant &declarant)
{
    const Sex sex = sexOf(declarant);
    QString out;
    walk(QString::fromUtf8(formula.text), [&](const QString &part, bool placeHolder) {
        if (!placeHolder)
            out += part;
        else if (isGendered(part))
            out += agreed(part.split(QLatin1Char('|')), sex);
        else
            out += boxValue(part, declarant, sex);
    });
    return out;
}

bool Formulas::matches(const Formula &formula, const QString &filledText, const QString &filter)
{
    const QString haystack = QString::fromUtf8(formula.subject) + QLatin1Char(' ') + formula.reference()
                             + QLatin1Char(' ') + filledText;
    const QStringList words = filter.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words)
        if (!haystack.contains(word, Qt::CaseInsensitive))
            return false;
    return true;
}
