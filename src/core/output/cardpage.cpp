#include "core/output/cardpage.h"

#include "core/storage/text.h"

namespace {

struct Row
{
    const char *label;
    const char *box;
};

constexpr Row rows[26] = {
    {"Cognome, nome o Rag. soc.", "txtNome"}, {"Codice fiscale:", "txtCodFisc"}, {"Sesso:", "txtSesso"},
    {"Data di nascita:", "txtDataNasc"}, {"Luogo di nascita:", "txtLuogoNasc"}, {"Partita IVA:", "txtPartitaIva"},
    {"Via e numero civico:", "txtIndirizzo"}, {"CAP:", "txtCap"}, {"Località:", "txtLocalita"},
    {"Stato civile:", "txtCivile"}, {"Tel.", "txtTel"}, {"E-mail:", "txtEmail"}, {"IBAN:", "txtIban"},
    {"PEC:", "txtPec"}, {"Carta di credito n.", "txtCarta"}, {"Scadenza carta di credito:", "txtScadeCarta"},
    {"Tel. cellulare:", "txtCel"}, {"Cittadinanza:", "txtCittadinanza"}, {"Occupazione:", "txtOccupazione"},
    {"Documento (tipo e numero):", "txtTipoDoc"}, {"Ente di rilascio:", "txtEnteRil"},
    {"Data di rilascio:", "txtDataRil"}, {"Data di scadenza:", "txtDataSca"},
    {"Prodotti di interesse:", "txtProdotti"}, {"Questioni in sospeso:", "txtQuestioni"}, {"Note:", "txtNote"},
};

// Positions inside the 10 mm margins.
constexpr qreal margin = 10;

PageText text(const QString &name, qreal x, qreal y, qreal w, qreal h, const QString &value, qreal points)
{
    PageText t;
    t.name = name;
    t.box = QRectF(margin + x, margin + y, w, h);
    t.text = value;
    t.points = points;
    t.shrink = name.startsWith(QLatin1String("txt"));
    t.align = Qt::AlignLeft | Qt::AlignTop;
    return t;
}

} // namespace

PrintedPage CardPage::design()
{
    PrintedPage p;
    p.rects.append({QRectF(margin + 1, margin + 1, 188, 5.8), 0xB0C4DE, true});
    PageText title = text(QStringLiteral("titArcataSup"), 2, 2, 185.8, 4.2, QStringLiteral("SCHEDA ANAGRAFICA"), 9);
    title.align = Qt::AlignHCenter | Qt::AlignTop;
    p.texts.append(title);
    for (int n = 0; n < 26; ++n) {
        p.rects.append({QRectF(margin + 1, margin + 7 + 5 * n, 188, 4.6), -1, true});
        p.texts.append(text(QString(), 2, 7.5 + 5 * n, 37.8, 3.5, QString::fromUtf8(rows[n].label), 7));
        p.texts.append(text(QLatin1String(rows[n].box), 44, 7.5 + 5 * n, 144, 3.5, QString(), 7));
    }
    p.lines.append(QLineF(margin + 42, margin + 7, margin + 42, margin + 7 + 129.6));
    p.rects.append({QRectF(margin + 1, margin + 138, 188, 5.8), 0xFFD700, true});
    PageText foot = text(QStringLiteral("txtCalce"), 2, 139, 185.8, 4.2, QStringLiteral("Data e ora stampa"), 8);
    foot.align = Qt::AlignHCenter | Qt::AlignTop;
    p.texts.append(foot);
    return p;
}

QStringList CardPage::rowTexts(const QHash<QString, QString> &c)
{
    const auto v = [&c](const char *name) { return Text::trimmed(c.value(QLatin1String(name))); };
    QStringList out;
    for (const Row &row : rows) {
        const QString box = QLatin1String(row.box);
        if (box == QLatin1String("txtIndirizzo"))
            out << v("txtIndirizzo") + QLatin1Char(' ') + v("txtNum");
        else if (box == QLatin1String("txtCap"))
            out << v("txtCap01") + v("txtCap02") + v("txtCap03") + v("txtCap04") + v("txtCap05");
        else if (box == QLatin1String("txtLocalita"))
            out << v("txtLocalita") + QLatin1Char(' ') + v("txtProv01") + v("txtProv02");
        else
            out << v(row.box);
    }
    return out;
}

QString CardPage::footer(const QDateTime &at)
{
    return QStringLiteral("Stampa eseguita in data ") + at.date().toString(QStringLiteral("dd/MM/yyyy"))
           + QStringLiteral(" alle ore ") + at.time().toString(QStringLiteral("HH:mm:ss"));
}

PrintedPage CardPage::filled(const QHash<QString, QString> &controls, const QDateTime &printedAt)
{
    PrintedPage page = design();
    const QStringList values = rowTexts(controls);
    for (int n = 0; n < 26; ++n)
        page.setText(QLatin1String(rows[n].box), values[n]);
    page.setText(QStringLiteral("txtCalce"), footer(printedAt));
    return page;
}
