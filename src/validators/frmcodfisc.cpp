#include "validators/frmcodfisc.h"

#include "core/storage/text.h"
#include "core/validators/codechecks.h"
#include "core/validators/fiscalcodereading.h"
#include "validators/banners.h"

#include <QDate>
#include <QLineEdit>

namespace {

const QString dateFormat = QStringLiteral("dd/MM/yyyy");

} // namespace

FrmCodFisc::FrmCodFisc(QWidget *parent)
    : CheckWindow({"frmCodFisc", QStringLiteral(" Controllo codice fiscale"), QSize(478, 254),
                   Banners::fiscalCode(QSize(421, 73)),
                   QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                   "txtCodFisc", 16, true, false},
                  parent)
{
}

void FrmCodFisc::btnControllaClick()
{
    switch (CodeChecks::checkFiscalCode(box()->text())) {
    case CodeChecks::FiscalCode::WrongLength:
        refuse(QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        break;
    case CodeChecks::FiscalCode::Valid: {
        const QString verdict = validVerdict();
        if (verdict.isEmpty())
            wrong(QStringLiteral("Attenzione: il codice fiscale ha un carattere di controllo corretto ma una data "
                                 "di nascita impossibile."));
        else
            valid(verdict);
        break;
    }
    case CodeChecks::FiscalCode::WrongCheck:
        wrong(QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
        break;
    }
}

// The valid verdict, what the code encodes and each disagreement with the
// card, one per line; empty when the code encodes no possible birth date.
QString FrmCodFisc::validVerdict() const
{
    const CodeChecks::FiscalCodeReading code = CodeChecks::readFiscalCode(box()->text(), QDate::currentDate());
    if (!code.possible)
        return {};

    const bool woman = code.sex == QLatin1Char('F');
    QStringList lines = {QStringLiteral("Il codice fiscale digitato è VALIDO."),
                         QStringLiteral("%1 il %2, sesso %3, codice del luogo %4.")
                                 .arg(woman ? QStringLiteral("Nata") : QStringLiteral("Nato"),
                                      code.birthDate.toString(dateFormat), code.sex, code.place)};

    // Only a box holding a real date or a sex is held against the code.
    const QString cardDate = Text::trimmed(m_card.birthDate);
    const QDate date = QDate::fromString(cardDate, dateFormat);
    if (date.isValid() && date != code.birthDate)
        lines << QStringLiteral("Attenzione: la data di nascita della scheda (%1) non corrisponde a quella del "
                                "codice.").arg(cardDate);
    const QString cardSex = Text::upperAz(Text::trimmed(m_card.sex));
    if ((cardSex == u"M" || cardSex == u"F") && cardSex != code.sex)
        lines << QStringLiteral("Attenzione: il sesso della scheda (%1) non corrisponde a quello del codice.")
                         .arg(cardSex);
    return lines.join(QLatin1Char('\n'));
}
