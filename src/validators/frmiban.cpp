#include "validators/frmiban.h"

#include "core/validators/codechecks.h"
#include "validators/banners.h"

#include <QLineEdit>

FrmIban::FrmIban(QWidget *parent)
    : CheckWindow({"frmIban", QStringLiteral(" Controllo IBAN"), QSize(608, 270), Banners::iban(QSize(545, 85)),
                   QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."), "txtIban", 27, true,
                   false},
                  parent)
{
    dropBlanksBeforeLimit();
}

void FrmIban::btnControllaClick()
{
    switch (CodeChecks::checkIban(box()->text())) {
    case CodeChecks::Iban::WrongLength:
        refuse(QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
        break;
    case CodeChecks::Iban::Valid:
        valid(QStringLiteral("L'IBAN digitato è VALIDO."));
        break;
    case CodeChecks::Iban::Wrong:
        wrong(QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
        break;
    }
}
