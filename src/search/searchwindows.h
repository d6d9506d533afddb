#pragma once

class ArchiveWindow;
struct DeclarationKind;

// The commands of the archive windows that open a search, import or summary
// window: each creates the window, gives it the caller's kind tag where it
// has one, shows it modally and destroys it when it closes.
void openRegistrySearch(ArchiveWindow *registry);   // frmTrovaAnagrafica
void openPendingIssues(ArchiveWindow *registry);    // frmQuestioni
// frmTrovaCert / frmTrovaAtti
void openDeclarationSearch(ArchiveWindow *window, const DeclarationKind &kind);
// frmCertDaConsegnare / frmAttiDaConsegnare
void openUndelivered(ArchiveWindow *window, const DeclarationKind &kind);
void openRegistryImport(ArchiveWindow *window);     // frmImportaAnagrafica
