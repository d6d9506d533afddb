#include "search/searchwindows.h"

#include "core/declarations/declarationkind.h"
#include "core/storage/recordlayout.h"
#include "search/searchwindow.h"
#include "ui/archivewindow.h"
#include "ui/dialogs.h"

namespace {

namespace A = SchedaAnagrafica;
namespace D = SchedaDichiarazione;

const QList<SearchWindow::FilterDesign> registryFilters = {
    {"txtNome", "Nome, cognome o Ragione sociale:", A::Nome},
    {"txtLocalita", "Località:", A::Localita},
    {"txtTel", "Tel.", A::Tel},
    {"txtDataNasc", "Data di nascita:", A::DataNasc},
    {"txtCodFisc", "Codice fiscale:", A::CodFisc},
    {"txtPartitaIva", "Partita IVA:", A::PartitaIva},
    {"txtOccupazione", "Occupazione:", A::Occupazione},
    {"txtProdotti", "Prodotti di interesse:", A::Prodotti},
    {"txtQuestioni", "Questioni in sospeso:", A::Questioni},
    {"txtNote", "Note:", A::Note},
};

QList<SearchWindow::FilterDesign> declarationFilters(const char *subjectLabel)
{
    return {
        {"txtNome", "Nome e cognome:", D::Nome},
        {"txtLocalita", "Città di residenza:", D::Localita},
        {"txtTel", "Recapito telefonico:", D::Tel},
        {"txtDataNasc", "Data di nascita:", D::DataNasc},
        {"txtCodFisc", "Codice fiscale:", D::CodFisc},
        {"txtCittadinanza", "Cittadinanza:", D::Cittadinanza},
        {"txtLuogoNasc", "Luogo di nascita:", D::LuogoNasc},
        {"txtSesso", "Sesso (M / F):", D::Sesso},
        {"txtOggetto", subjectLabel, D::Oggetto},
        {"txtData", "Data emissione (gg/mm/aaaa):", D::Data},
    };
}

void show(SearchWindow *window, const QString &tag)
{
    window->setKindTag(tag);
    dialogs().showModal(window);
    delete window;
}

} // namespace

void openRegistrySearch(ArchiveWindow *registry)
{
    show(new SearchWindow({"frmTrovaAnagrafica", QStringLiteral(" Trova dati anagrafici in archivio"),
                           QStringLiteral("RISULTATI DI RICERCA"), registryFilters,
                           QLatin1String(ArchiveNames::registry), ListLine::Kind::Registry,
                           ArchiveScan::Selection::Filters, QStringLiteral("Riepilogo dati anagrafici"),
                           SearchWindow::Opening::ShowRecord, registry->kindTag()},
                          registry),
         registry->kindTag());
}

void openPendingIssues(ArchiveWindow *registry)
{
    show(new SearchWindow({"frmQuestioni", QStringLiteral(" Riepilogo questioni in sospeso"),
                           QStringLiteral("QUESTIONI IN SOSPESO"), {}, QLatin1String(ArchiveNames::registry),
                           ListLine::Kind::PendingIssues, ArchiveScan::Selection::PendingIssues,
                           QStringLiteral("Riepilogo questioni in sospeso"), SearchWindow::Opening::ShowRecord,
                           registry->kindTag()},
                          registry),
         QString());
}

void openDeclarationSearch(ArchiveWindow *window, const DeclarationKind &kind)
{
    const bool cert = kind.id == DeclarationKind::SelfCertification;
    show(new SearchWindow({kind.searchWindow,
                           cert ? QStringLiteral(" Trova attestari in archivio")
                                : QStringLiteral(" Trova atti notori in archivio"),
                           QStringLiteral("RISULTATI DI RICERCA"),
                           declarationFilters(cert ? "Oggetto autocertificazione:" : "Oggetto atto notorio:"),
                           QLatin1String(kind.archive), ListLine::Kind::Declaration,
                           ArchiveScan::Selection::Filters,
                           cert ? QStringLiteral("Riepilogo attestari") : QStringLiteral("Riepilogo atti notori"),
                           SearchWindow::Opening::ShowRecord, QLatin1String(kind.tag)},
                          window),
         window->kindTag());
}

void openUndelivered(ArchiveWindow *window, const DeclarationKind &kind)
{
    const bool cert = kind.id == DeclarationKind::SelfCertification;
    show(new SearchWindow({kind.undeliveredWindow,
                           cert ? QStringLiteral(" Riepilogo attestari non consegnate")
                                : QStringLiteral(" Riepilogo atti notori non consegnati"),
                           cert ? QStringLiteral("ATTESTARI NON CONSEGNATE")
                                : QStringLiteral("ATTI NOTORI NON CONSEGNATI"),
                           {}, QLatin1String(kind.archive), ListLine::Kind::Declaration,
                           ArchiveScan::Selection::Undelivered,
                           cert ? QStringLiteral("Riepilogo attestari non consegnate")
                                : QStringLiteral("Riepilogo atti notori non consegnati"),
                           SearchWindow::Opening::ShowRecord, QLatin1String(kind.tag)},
                          window),
         QString());
}

void openRegistryImport(ArchiveWindow *window)
{
    show(new SearchWindow({"frmImportaAnagrafica", QStringLiteral(" Importa dati da archivio anagrafico"),
                           QStringLiteral("RISULTATI DI RICERCA"), registryFilters,
                           QLatin1String(ArchiveNames::registry), ListLine::Kind::Registry,
                           ArchiveScan::Selection::Filters, QStringLiteral("Dati anagrafici"),
                           SearchWindow::Opening::ImportPersonalData, QString()},
                          window),
         window->kindTag());
}
