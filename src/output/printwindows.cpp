#include "output/printwindows.h"

#include "core/output/cardpage.h"
#include "core/output/declarationpage.h"
#include "output/printwindow.h"
#include "ui/archivewindow.h"
#include "ui/dialogs.h"

#include <QDateTime>

namespace {

const char *const cardControls[] = {
    "txtNome", "txtCodFisc", "txtSesso", "txtDataNasc", "txtLuogoNasc", "txtPartitaIva", "txtIndirizzo", "txtNum",
    "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05", "txtLocalita", "txtProv01", "txtProv02",
    "txtCivile", "txtTel", "txtEmail", "txtIban", "txtPec", "txtCarta", "txtScadeCarta", "txtCel",
    "txtCittadinanza", "txtOccupazione", "txtTipoDoc", "txtEnteRil", "txtDataRil", "txtDataSca",
    "txtProdotti", "txtQuestioni", "txtNote",
};

void showAndFree(PrintWindow *dialog)
{
    dialogs().showModal(dialog);
    delete dialog;
}

} // namespace

void openDeclarationPrint(ArchiveWindow *window, const DeclarationKind &kind, bool preview)
{
    QHash<QString, QString> controls;
    for (const QString &name : DeclarationPage::sourceControls())
        controls.insert(name, window->controlText(name));
    const bool notoriety = kind.id == DeclarationKind::Notoriety;
    PrintWindow::Design design{
        preview ? kind.previewWindow : kind.printWindow,
        QSize(362, 287),
        preview,
        notoriety ? QStringLiteral("Atto Notorio") : QStringLiteral("Autocertificazione"),
        preview ? QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa della scheda non è "
                                 "andata a buon fine.\n\r\n\rSi consiglia di controllare le impostazioni della "
                                 "stampante.")
                : QStringLiteral("Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\r"
                                 "Si consiglia di controllare le impostazioni della stampante."),
        QStringLiteral("txtDichiarazione"),
    };
    const DeclarationKind::Id id = kind.id;
    showAndFree(new PrintWindow(design, [id, controls] { return DeclarationPage::filled(id, controls); }, window));
}

void openCardPrint(ArchiveWindow *registry)
{
    QHash<QString, QString> controls;
    for (const char *name : cardControls)
        controls.insert(QLatin1String(name), registry->controlText(QLatin1String(name)));
    PrintWindow::Design design{"frmStampaAnagrafica", QSize(364, 287), false,
                               QStringLiteral("Scheda Anagrafica"), QString(), QString()};
    showAndFree(new PrintWindow(design, [controls] {
        return CardPage::filled(controls, QDateTime::currentDateTime());
    }, registry));
}
