#include "validators/frmpartitaiva.h"

#include "core/validators/codechecks.h"
#include "validators/banners.h"

#include <QLineEdit>

namespace {
const QString paragraphBreak = QStringLiteral("\n\r\n\r");
}

FrmPartitaIva::FrmPartitaIva(QWidget *parent)
    : CheckWindow({"frmPartitaIva", QStringLiteral(" Controllo partita IVA"), QSize(478, 254),
                   Banners::vatNumber(QSize(421, 73)),
                   QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                   "txtPartitaIva", 11, false, true},
                  parent)
{
}

void FrmPartitaIva::btnControllaClick()
{
    const CodeChecks::VatNumber vat = CodeChecks::checkVatNumber(box()->text());
    switch (vat.outcome) {
    case CodeChecks::VatNumber::WrongLength:
        refuse(QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        break;
    case CodeChecks::VatNumber::Wrong:
        wrong(QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!") + paragraphBreak
              + QStringLiteral("Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
                               "rilasciato."));
        break;
    case CodeChecks::VatNumber::Valid: {
        QString text = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.");
        // An office code missing from the table: valid, but no office to name.
        if (!vat.office.isEmpty())
            text += paragraphBreak + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ")
                    + vat.office + QLatin1Char('.');
        valid(text);
        break;
    }
    }
}
