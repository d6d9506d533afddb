#include "validators/frmcarta.h"

#include "core/storage/text.h"
#include "core/validators/codechecks.h"
#include "validators/banners.h"

#include <QLineEdit>

FrmCarta::FrmCarta(QWidget *parent)
    : CheckWindow({"frmCarta", QStringLiteral(" Controllo carta di credito"), QSize(519, 254),
                   Banners::cards(QSize(457, 73)),
                   QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
                   "txtNumero", 30, true, true},
                  parent)
{
}

void FrmCarta::btnControllaClick()
{
    const QString trimmed = Text::trimmed(box()->text());
    if (trimmed.isEmpty()) {
        refuse(QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
                              "controllo."));
        return;
    }
    const CodeChecks::Card card = CodeChecks::checkCard(box()->text());
    if (!card.valid) {
        wrong(QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\n\r\n\rNon è quindi possibile fornire "
                             "informazioni relative al tipo di carta di credito."));
        return;
    }
    QString text = QStringLiteral("Il numero di carta di credito ") + trimmed + QStringLiteral(" risulta valido.");
    if (!card.network.isEmpty())
        text += QStringLiteral("\n\r\n\rLa carta di credito è del tipo ") + card.network + QLatin1Char('.');
    valid(text);
}
