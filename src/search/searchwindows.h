#pragma once

class DeclarationWindow;
class FrmAnagrafica;

// The commands of the archive windows that open a search, import or summary
// window: each creates the window, gives it the caller's kind tag where it
// has one, shows it modally and destroys it when it closes.
void openRegistrySearch(FrmAnagrafica *registry);        // frmTrovaAnagrafica
void openPendingIssues(FrmAnagrafica *registry);         // frmQuestioni
void openDeclarationSearch(DeclarationWindow *window);   // frmTrovaCert / frmTrovaAtti
void openUndelivered(DeclarationWindow *window);         // frmCertDaConsegnare / frmAttiDaConsegnare
void openRegistryImport(DeclarationWindow *window);      // frmImportaAnagrafica
