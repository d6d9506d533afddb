#include "validators/frmcodfisc.h"

#include "core/validators/codechecks.h"
#include "validators/banners.h"

#include <QLineEdit>

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
    case CodeChecks::FiscalCode::Valid:
        valid(QStringLiteral("Il codice fiscale digitato è VALIDO."));
        break;
    case CodeChecks::FiscalCode::WrongCheck:
        wrong(QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
        break;
    }
}
