#include "core/output/declarationpage.h"

#include "core/storage/text.h"

namespace {

PageText box(const char *name, qreal x, qreal y, qreal w, qreal h, const QString &text,
             qreal points = 12, bool beige = false)
{
    PageText t;
    t.name = QLatin1String(name);
    t.box = QRectF(x, y, w, h);
    t.text = text;
    t.points = points;
    t.shrink = true;
    if (beige)
        t.fill = PrintedPage::beige;
    return t;
}

PageText label(qreal x, qreal y, qreal w, qreal h, const QString &text, qreal points = 12)
{
    return box("", x, y, w, h, text, points);
}

PageText centred(PageText t, bool bold = false)
{
    t.align = Qt::AlignHCenter | Qt::AlignVCenter;
    t.bold = bold;
    return t;
}

const QStringList footnoteOne = {
    QStringLiteral("¹ 1° comma, art. 76, D.P.R. 445/2000: \"Chiunque rilascia dichiarazioni mendaci, forma atti falsi o ne fa uso nei casi previsti dal presente Testo"),
    QStringLiteral("Unico è punito ai sensi del codice penale e delle leggi speciali in materia\"."),
    QStringLiteral("2° comma, art. 76, D.P.R. 445/2000: \"L'esibizione di un atto contenente dati non più rispondenti a verità equivale ad uso di atto falso\"."),
    QStringLiteral("3° comma, art. 76, D.P.R. 445/2000: \"Le dichiarazioni sostitutive rese ai sensi degli articoli 46 e 47 e le dichiarazioni rese per conto delle"),
    QStringLiteral("persone indicate nell'articolo 4, comma 2, sono considerate come fatte a pubblico ufficiale\"."),
    QStringLiteral("4° comma, art. 76, D.P.R. 445/2000: \"Se i reati indicati nei commi 1, 2 e 3 sono commessi per ottenere la nomina ad un pubblico ufficio o"),
    QStringLiteral("l'autorizzazione all'esercizio di una professione o arte, il giudice, nei casi più gravi, può applicare l'interdizione temporanea dai pubblici uffici"),
    QStringLiteral("o dalla professione e arte\"."),
};

const QStringList footnoteTwo = {
    QStringLiteral("² Ai sensi dell'art. 38, D.P.R. 445 del 28 dicembre 2000, la dichiarazione è sottoscritta dall'interessato in presenza del dipendente addetto"),
    QStringLiteral("ovvero sottoscritta e inviata unitamente a copia fotostatica, non autenticata, di un documento di identità del  sottoscrittore, all'ufficio"),
    QStringLiteral("competente per via telematica, via fax, tramite un incaricato, oppure a mezzo posta."),
};

QString t(const QHash<QString, QString> &c, const char *name)
{
    return Text::trimmed(c.value(QLatin1String(name)));
}

} // namespace

PrintedPage DeclarationPage::design(DeclarationKind::Id kind)
{
    const bool notoriety = kind == DeclarationKind::Notoriety;
    PrintedPage p;
    p.rects.append({QRectF(10, 10, 190, 9), PrintedPage::beige, true});
    p.texts = {
        centred(box("titDirettore", 11, 10.8, 188, 7.8,
                    notoriety ? QStringLiteral("DICHIARAZIONE SOSTITUTIVA DELL'ATTO DI NOTORIETA'")
                              : QStringLiteral("DICHIARAZIONE SOSTITUTIVA DI CERTIFICAZIONE"), 14), true),
        centred(box("txtDirettore", 10, 20, 190, 3.8,
                    QStringLiteral("Art. %1, D.P.R. 445 del 28 dicembre 2000 - Testo Unico delle disposizioni "
                                   "legislative e regolamentari in materia di documentazione amministrativa")
                        .arg(notoriety ? 47 : 46), 8)),
        centred(label(10, 24.4, 190, 3.8, QStringLiteral("Gazzetta Ufficiale n. 42 del 20 febbraio 2001"), 8)),
        box("txtSottoscritto", 10, 35, 29, 6, QString()),
        box("txtNome", 40, 35, 101, 6, QStringLiteral("Nome e cognome"), 12, true),
        box("txtNato", 143, 35, 15, 6, QString()),
        box("txtDataNasc", 159, 35, 41, 6, QStringLiteral("GG/MM/AAAA"), 12, true),
        label(10, 42, 34, 6, QStringLiteral("luogo di nascita:")),
        box("txtLuogoNasc", 45, 42, 73, 6, QString(), 12, true),
        label(119, 42, 30, 6, QStringLiteral("codice fiscale:")),
        box("txtCodFisc", 150, 42, 50, 6, QString(), 12, true),
        label(10, 49, 29, 6, QStringLiteral("cittadinanza:")),
        box("txtCittadinanza", 40, 49, 70, 6, QString(), 12, true),
        label(112, 49, 39, 6, QStringLiteral("recapito telefonico:")),
        box("txtTel", 152, 49, 48, 6, QString(), 12, true),
        label(10, 56, 45, 6, QStringLiteral("indirizzo di residenza:")),
        box("txtIndirizzo", 56, 56, 144, 6, QString(), 12, true),
        label(10, 63, 36, 6, QStringLiteral("città di residenza:")),
        box("txtLocalita", 47, 63, 86, 6, QString(), 12, true),
        label(135, 63, 12, 6, QStringLiteral("prov.")),
        box("txtProv", 148, 63, 12, 6, QStringLiteral("WW"), 12, true),
        label(162, 63, 13, 6, QStringLiteral("CAP:")),
        box("txtCap", 176, 63, 24, 6, QString(), 12, true),
        label(10, 70, 190, 6, QStringLiteral("a conoscenza delle sanzioni previste dall'art. 76 del D.P.R. 445 del 28 dicembre 2000 nel caso")),
        label(10, 77, 190, 6, QStringLiteral("di dichiarazioni mendaci e di formazione o uso di atti falsi¹,")),
        centred(label(10, 85.8, 190, 6.8, notoriety ? QStringLiteral("DICHIARA²") : QStringLiteral("DICHIARA"), 14), true),
    };
    PageText text = box("txtDichiarazione", 10, 95, 190, 88, QString(), 12, true);
    text.wrap = true;
    text.align = Qt::AlignLeft | Qt::AlignTop;
    p.texts.append(text);

    // Below the text the notoriety page is tighter, to make room for footnote ².
    const qreal consent = notoriety ? 184.8 : 185.8;
    const qreal date = notoriety ? 200 : 202.8;
    const qreal signature = notoriety ? 207 : 213;
    const qreal signLine = notoriety ? 222 : 229;
    const qreal stamp = notoriety ? 228 : 238;
    const qreal rule = notoriety ? 234.2 : 245.2;
    p.texts.append(label(10, consent, 194, 6, QStringLiteral("Il dichiarante presta il suo consenso al trattamento dei dati personali esclusivamente per le finalità")));
    p.texts.append(label(10, consent + 7, 194, 6, QStringLiteral("e nell'ambito dello svolgimento delle operazioni per le quali la presente dichiarazione viene resa.")));
    p.texts.append(box("txtData", 10, date, 190, 6, QStringLiteral("Luogo e data.")));
    p.texts.append(centred(label(144, signature, 56, 6, QStringLiteral("IL DICHIARANTE")), true));
    p.texts.append(centred(label(144, signLine, 56, 4.4, QStringLiteral("(firma per esteso e leggibile)"), 8)));
    p.texts.append(label(10, stamp, 190, 4.4, QStringLiteral("Esente da imposta di bollo ai sensi dell'art. 37 del D.P.R. 28 dicembre 2000, n. 445."), 8));
    p.lines = {QLineF(10, 28.8, 200, 28.8), QLineF(144, signLine, 200, signLine), QLineF(10, rule, 200, rule)};

    for (int n = 0; n < footnoteOne.size(); ++n) {
        const qreal y = notoriety ? (n == 0 ? 235 : 239.8 + 4.8 * (n - 1)) : 247 + 5 * n;
        p.texts.append(n == 0 ? label(10, y, 193, 4.4, footnoteOne[n], 8) : label(12, y, 191, 4.4, footnoteOne[n], 8));
    }
    if (notoriety)
        for (int n = 0; n < footnoteTwo.size(); ++n)
            p.texts.append(label(n == 0 ? 10 : 12, 273.4 + 4.8 * n, 193, 4.4, footnoteTwo[n], 8));
    return p;
}

QStringList DeclarationPage::sourceControls()
{
    return {QStringLiteral("txtSesso"), QStringLiteral("txtNome"), QStringLiteral("txtDataNasc"),
            QStringLiteral("txtLuogoNasc"), QStringLiteral("txtCodFisc"), QStringLiteral("txtCittadinanza"),
            QStringLiteral("txtTel"), QStringLiteral("txtIndirizzo"), QStringLiteral("txtNum"),
            QStringLiteral("txtLocalita"), QStringLiteral("txtProv01"), QStringLiteral("txtProv02"),
            QStringLiteral("txtCap01"), QStringLiteral("txtCap02"), QStringLiteral("txtCap03"),
            QStringLiteral("txtCap04"), QStringLiteral("txtCap05"), QStringLiteral("txtDichiarazione"),
            QStringLiteral("txtLuogo"), QStringLiteral("txtData")};
}

QHash<QString, QString> DeclarationPage::boxTexts(const QHash<QString, QString> &c)
{
    QHash<QString, QString> out;
    const QString sex = t(c, "txtSesso");
    if (sex == QLatin1String("M")) {
        out[QStringLiteral("txtSottoscritto")] = QStringLiteral("Il sottoscritto");
        out[QStringLiteral("txtNato")] = QStringLiteral("nato il");
    } else if (sex == QLatin1String("F")) {
        out[QStringLiteral("txtSottoscritto")] = QStringLiteral("La sottoscritta");
        out[QStringLiteral("txtNato")] = QStringLiteral("nata il");
    }
    for (const char *same : {"txtNome", "txtDataNasc", "txtLuogoNasc", "txtCodFisc", "txtCittadinanza",
                             "txtTel", "txtLocalita", "txtDichiarazione"})
        out[QLatin1String(same)] = t(c, same);
    out[QStringLiteral("txtIndirizzo")] = t(c, "txtIndirizzo") + QLatin1Char(' ') + t(c, "txtNum");
    out[QStringLiteral("txtProv")] = t(c, "txtProv01") + t(c, "txtProv02");
    out[QStringLiteral("txtCap")] = t(c, "txtCap01") + t(c, "txtCap02") + t(c, "txtCap03") + t(c, "txtCap04")
                                    + t(c, "txtCap05");
    out[QStringLiteral("txtData")] = t(c, "txtLuogo") + QStringLiteral(", ") + t(c, "txtData") + QLatin1Char('.');
    return out;
}

PrintedPage DeclarationPage::filled(DeclarationKind::Id kind, const QHash<QString, QString> &controls)
{
    PrintedPage page = design(kind);
    const auto texts = boxTexts(controls);
    for (auto it = texts.begin(); it != texts.end(); ++it)
        page.setText(it.key(), it.value());
    return page;
}
