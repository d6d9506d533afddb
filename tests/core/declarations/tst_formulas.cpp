// The standard formulas: the table against the letters of art. 46, the text
// each reads with a declarant, gender agreement, gaps, and where a formula
// goes in the declaration text.
#include "core/declarations/formulainsertion.h"
#include "core/declarations/formulas.h"
#include "core/storage/cp1252.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using Formulas::Declarant;
using Formulas::Formula;
using Kind = DeclarationKind::Id;

namespace {
// The declarant of the examples, with the sex given.
Declarant veronese(const QString &sex)
{
    return {
        {"txtNome", "Mario Bianchi"}, {"txtDataNasc", "03/11/1975"}, {"txtSesso", sex},
        {"txtLuogoNasc", "Verona"}, {"txtCodFisc", "BNCMRA75S03L781Q"}, {"txtCittadinanza", "italiana"},
        {"txtIndirizzo", "Via Garibaldi"}, {"txtNum", "12/B"}, {"txtCap01", "3"}, {"txtCap02", "7"},
        {"txtCap03", "0"}, {"txtCap04", "1"}, {"txtCap05", "5"},
        {"txtLocalita", "Sant'Ambrogio di Valpolicella"}, {"txtProv01", "V"}, {"txtProv02", "R"},
        {"txtTel", "045 7701234"},
    };
}

const Formula &formula(const char *letter, const char *subjectStart)
{
    for (const Formula &f : Formulas::all())
        if (QLatin1String(f.letter) == QLatin1String(letter)
            && QString::fromUtf8(f.subject).startsWith(QString::fromUtf8(subjectStart)))
            return f;
    qFatal("no formula %s %s", letter, subjectStart);
}

// Words that speak of the declarant and change with the sex; a formula that
// writes one of them plainly reads wrong for half the declarants.
const QList<QPair<QString, QString>> genderedWords = {
    {"nato", "nata"}, {"cittadino", "cittadina"}, {"italiano", "italiana"}, {"celibe", "nubile"},
    {"coniugato", "coniugata"}, {"unito", "unita"}, {"vedovo", "vedova"}, {"iscritto", "iscritta"},
    {"disoccupato", "disoccupata"}, {"pensionato", "pensionata"}, {"studente", "studentessa"},
    {"tutore", "tutrice"}, {"curatore", "curatrice"}, {"amministratore", "amministratrice"},
    {"nominato", "nominata"}, {"destinatario", "destinataria"}, {"sottoposto", "sottoposta"},
    {"il sottoscritto", "la sottoscritta"}, {"dal dichiarante", "dalla dichiarante"},
};

// `word` standing on its own: not part of a longer word nor of a "nato/a".
bool hasBare(const QString &text, const QString &word)
{
    const QRegularExpression bare(QStringLiteral("(?<![\\w/])") + QRegularExpression::escape(word)
                                  + QStringLiteral("(?![\\w/])"));
    return text.contains(bare);
}

const QSet<QString> knownBoxes = {
    "txtNome", "txtDataNasc", "txtSesso", "txtLuogoNasc", "txtCodFisc", "txtCittadinanza", "txtIndirizzo",
    "txtNum", "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05", "txtLocalita", "txtProv01",
    "txtProv02", "txtTel",
};
}

class TestFormulas : public QObject
{
    Q_OBJECT
private slots:
    // Every letter of art. 46 has a self-certification; the notoriety ones
    // are art. 19 and 47, and each kind sees only its own.
    void table()
    {
        const QStringList letters = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "l", "m", "n", "o", "p",
                                     "q", "r", "s", "t", "u", "v", "z", "aa", "bb", "bb-bis", "cc", "dd", "ee"};
        QStringList seen;
        for (const Formula &f : Formulas::of(Kind::SelfCertification)) {
            QCOMPARE(QLatin1String(f.article), QLatin1String("46"));
            if (!seen.contains(QLatin1String(f.letter)))
                seen.append(QLatin1String(f.letter));
        }
        QCOMPARE(seen, letters);   // all of them, in the article's order

        QStringList notoriety;
        for (const Formula &f : Formulas::of(Kind::Notoriety)) {
            QCOMPARE(QLatin1String(f.letter), QLatin1String(""));
            notoriety.append(f.reference() + QLatin1String(": ") + QString::fromUtf8(f.subject));
        }
        QCOMPARE(notoriety, (QStringList{
                                "art. 19: Copia conforme all'originale", "art. 47: Smarrimento di un documento",
                                "art. 47: Furto di un documento",
                                "art. 47: Eredi di una persona deceduta senza testamento",
                                "art. 47: Eredi di una persona deceduta con testamento",
                                "art. 47: Fatti, stati e qualità personali a diretta conoscenza"}));
        QCOMPARE(Formulas::of(Kind::SelfCertification).size() + Formulas::of(Kind::Notoriety).size(),
                 Formulas::all().size());
        QCOMPARE(formula("bb-bis", "").reference(), QStringLiteral("bb-bis)"));

        // Every place-holder names a box of the declarant.
        for (const Formula &f : Formulas::all())
            for (const QString &box : f.boxes())
                QVERIFY2(knownBoxes.contains(box), qPrintable(f.reference() + QLatin1Char(' ') + box));
        QCOMPARE(formula("b", "").boxes(), (QStringList{"txtLocalita", "txtProv01", "txtProv02", "txtIndirizzo",
                                                         "txtNum"}));
        QCOMPARE(formula("a", "").boxes(), (QStringList{"txtSesso", "txtLuogoNasc", "txtDataNasc"}));
        QCOMPARE(formula("c", "").boxes(), (QStringList{"txtSesso", "txtCittadinanza"}));
        QCOMPARE(formula("d", "").boxes(), QStringList());
    }

    // A handful spelled out, for a man, a woman and an empty sex box.
    void spelledOut_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("text");
        QTest::newRow("a M") << "a" << "" << "M" << "di essere nato a Verona il 03/11/1975";
        QTest::newRow("a F") << "a" << "" << "F" << "di essere nata a Verona il 03/11/1975";
        QTest::newRow("a none") << "a" << "" << "" << "di essere nato/a a Verona il 03/11/1975";
        QTest::newRow("a lower-case m") << "a" << "" << " m" << "di essere nato a Verona il 03/11/1975";
        QTest::newRow("b") << "b" << "" << "F"
                           << "di essere residente in Sant'Ambrogio di Valpolicella (VR), Via Garibaldi n. 12/B";
        QTest::newRow("c M") << "c" << "" << "M" << "di essere cittadino italiano";
        QTest::newRow("c F") << "c" << "" << "F" << "di essere cittadina italiana";
        QTest::newRow("c none") << "c" << "" << "" << "di essere cittadino/a italiano/a";
        QTest::newRow("e celibe F") << "e" << "Stato civile: celibe" << "F" << "di essere nubile";
        QTest::newRow("e celibe none") << "e" << "Stato civile: celibe" << "" << "di essere celibe/nubile";
        QTest::newRow("e coniugato F") << "e" << "Stato civile: coniugato" << "F"
                                       << "di essere coniugata con ________";
        QTest::newRow("f none") << "f" << "" << "X"
                                << "che la propria famiglia anagrafica è composta, oltre che dal/dalla dichiarante, "
                                   "da: ________";
        QTest::newRow("q") << "q" << "Codice" << "M" << "che il proprio codice fiscale è BNCMRA75S03L781Q";
        QTest::newRow("t F") << "t" << "" << "F"
                             << "di essere studentessa, iscritta per l'anno ________ al corso ________ presso ________";
        QTest::newRow("bb-bis none")
            << "bb-bis" << "" << ""
            << "che nei confronti dell'ente ________, del quale il/la sottoscritto/a è legale rappresentante, non "
               "sono stati emessi provvedimenti giudiziari che applicano le sanzioni amministrative di cui al "
               "decreto legislativo 8 giugno 2001, n. 231";
        QTest::newRow("art. 19") << "" << "Copia" << "F"
                                 << "che la copia allegata del seguente documento: ________, composta da n. ________ "
                                    "fogli, è conforme all'originale";
    }
    void spelledOut()
    {
        QFETCH(QString, letter);
        QFETCH(QString, subject);
        QFETCH(QString, sex);
        QFETCH(QString, text);
        const Formula &f = formula(qPrintable(letter), subject.toUtf8().constData());
        QCOMPARE(Formulas::filled(f, veronese(sex)), text);
    }

    // Every formula, for every sex: no place-holder left, nothing the archive
    // cannot store, and no word that speaks of the declarant in the wrong gender.
    void genderAgreement()
    {
        for (const Formula &f : Formulas::all()) {
            const QString m = Formulas::filled(f, veronese("M"));
            const QString fem = Formulas::filled(f, veronese("F"));
            const QString none = Formulas::filled(f, veronese(""));
            const QString which = f.reference() + QLatin1Char(' ') + QString::fromUtf8(f.subject);
            for (const QString &text : {m, fem, none}) {
                QVERIFY2(!text.contains(QLatin1Char('{')) && !text.contains(QLatin1Char('}')), qPrintable(which));
                QVERIFY2(Cp1252::canEncode(text), qPrintable(which));
                QVERIFY2(text.startsWith(QLatin1String("di ")) || text.startsWith(QLatin1String("che ")),
                         qPrintable(which));
            }
            for (const auto &[masculine, feminine] : genderedWords) {
                QVERIFY2(!hasBare(m, feminine), qPrintable(which + QLatin1String(": ") + feminine));
                QVERIFY2(!hasBare(fem, masculine), qPrintable(which + QLatin1String(": ") + masculine));
                QVERIFY2(!hasBare(none, masculine) && !hasBare(none, feminine),
                         qPrintable(which + QLatin1String(": ") + masculine));
            }
            // A formula that agrees reads differently for a man and a woman.
            QCOMPARE(m != fem, f.boxes().contains(QStringLiteral("txtSesso")));
        }
    }

    // What the boxes do not hold is left as a visible gap.
    void gaps_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("text");
        QTest::newRow("a all empty") << "a" << QStringList{"txtLuogoNasc", "txtDataNasc", "txtSesso"}
                                     << "di essere nato/a a ________ il ________";
        QTest::newRow("b no number, blanks only in the town")
            << "b" << QStringList{"txtNum"} << "di essere residente in Sant'Ambrogio di Valpolicella (VR), Via "
                                               "Garibaldi n. ________";
        QTest::newRow("b no province") << "b" << QStringList{"txtProv01", "txtProv02", "txtIndirizzo"}
                                       << "di essere residente in Sant'Ambrogio di Valpolicella (________), "
                                          "________ n. 12/B";
        QTest::newRow("c no citizenship") << "c" << QStringList{"txtCittadinanza"} << "di essere cittadino ________";
    }
    void gaps()
    {
        QFETCH(QString, letter);
        QFETCH(QStringList, emptied);
        QFETCH(QString, text);
        Declarant d = veronese("M");
        for (const QString &box : emptied)
            d[box] = QStringLiteral("  ");
        QCOMPARE(Formulas::filled(formula(qPrintable(letter), ""), d), text);
    }

    // A citizenship adjective agrees with the sex; names and invariable words stay as written.
    void citizenship_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("text");
        QTest::newRow("ITALIANA, M") << "ITALIANA" << "M" << "di essere cittadino ITALIANO";
        QTest::newRow("Italiano, F") << "Italiano" << "F" << "di essere cittadina Italiana";
        QTest::newRow("none") << "ITALIANA" << "" << "di essere cittadino/a ITALIANO/A";
        QTest::newRow("two of them") << "italiana e tedesca" << "M" << "di essere cittadino italiano e tedesco";
        QTest::newRow("invariable") << "francese" << "F" << "di essere cittadina francese";
        QTest::newRow("a country's name stays") << "Spagna" << "M" << "di essere cittadino Spagna";
        QTest::newRow("an ending that may be a name stays") << "Cina" << "M" << "di essere cittadino Cina";
        QTest::newRow("belga") << "belga" << "M" << "di essere cittadino belga";
        QTest::newRow("-ita") << "vietnamita" << "M" << "di essere cittadino vietnamita";
        QTest::newRow("a country") << "Italia" << "M" << "di essere cittadino Italia";
    }
    void citizenship()
    {
        QFETCH(QString, typed);
        QFETCH(QString, sex);
        QFETCH(QString, text);
        Declarant d = veronese(sex);
        d[QStringLiteral("txtCittadinanza")] = typed;
        QCOMPARE(Formulas::filled(formula("c", ""), d), text);
    }

    void filter()
    {
        const Formula &birth = formula("a", "");
        const QString text = Formulas::filled(birth, veronese("F"));
        QVERIFY(Formulas::matches(birth, text, QString()));
        QVERIFY(Formulas::matches(birth, text, QStringLiteral("NASCITA")));   // the subject
        QVERIFY(Formulas::matches(birth, text, QStringLiteral(" verona  nata ")));   // every word, any order
        QVERIFY(Formulas::matches(birth, text, QStringLiteral("a)")));
        QVERIFY(!Formulas::matches(birth, text, QStringLiteral("nata roma")));
    }

    // A line of its own at the cursor; a selection stays and the formula
    // follows it; nothing goes in beyond the record's bytes.
    void insertion_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursorAfter");
        QTest::newRow("empty text") << "" << 0 << 0 << "F" << 1;
        QTest::newRow("end of the last line") << "uno" << 3 << 3 << "uno\nF" << 5;
        QTest::newRow("start of a line") << "uno" << 0 << 0 << "F\nuno" << 1;
        QTest::newRow("inside a line") << "unodue" << 3 << 3 << "uno\nF\ndue" << 5;
        QTest::newRow("an empty line") << "uno\n\ndue" << 4 << 4 << "uno\nF\ndue" << 5;
        QTest::newRow("after a break") << "uno\n" << 4 << 4 << "uno\nF" << 5;
        QTest::newRow("selection, cursor at its start") << "uno due" << 7 << 4 << "uno due\nF" << 9;
        QTest::newRow("selection, cursor at its end") << "uno due tre" << 0 << 3 << "uno\nF\n due tre" << 5;
    }
    void insertion()
    {
        QFETCH(QString, before);
        QFETCH(int, anchor);
        QFETCH(int, cursor);
        QFETCH(QString, after);
        QFETCH(int, cursorAfter);
        const FormulaInsertion plan = FormulaInsertion::plan(before, anchor, cursor, QStringLiteral("F"));
        QVERIFY(plan.fits);
        QCOMPARE(QString(before).insert(plan.position, plan.text), after);
        QCOMPARE(plan.cursorAfter, cursorAfter);
    }

    void byteLimit()
    {
        // Each break costs two bytes: 4990 + 2 + 8 = 5000 fits, one more does not.
        const QString text = QString(4990, QLatin1Char('x'));
        const QString formula = QStringLiteral("di è ___");
        QVERIFY(FormulaInsertion::plan(text, 4990, 4990, formula).fits);
        QVERIFY(!FormulaInsertion::plan(text + QLatin1Char('x'), 4991, 4991, formula).fits);
        // Inside a line it needs two breaks.
        QVERIFY(!FormulaInsertion::plan(text, 10, 10, formula).fits);
        QVERIFY(FormulaInsertion::plan(text.left(4988), 10, 10, formula).fits);
        // Breaks already in the text count two each: 1663 lines "a" are 4989 bytes.
        const QString lines = QStringLiteral("a\n").repeated(1663);
        QVERIFY(FormulaInsertion::plan(lines, 0, 0, QStringLiteral("123456789")).fits);   // + 9 + 2
        QVERIFY(!FormulaInsertion::plan(lines, 0, 0, QStringLiteral("1234567890")).fits);
    }
};

QTEST_APPLESS_MAIN(TestFormulas)
#include "tst_formulas.moc"
