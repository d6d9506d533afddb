#include "core/declarations/declarationkind.h"

#include "core/storage/recordlayout.h"

namespace {
#define LAW(article)                                                                              \
    "(art. " article ", D.P.R. 445 del 28/12/2000 - Testo Unico delle disposizioni legislative e " \
    "regolamentari sulla documentazione amministrativa - G.U. n. 42 del 20/02/2001)"

const DeclarationKind kinds[] = {
    {
        DeclarationKind::SelfCertification,
        "frmCertificazioni",
        " Quirendo Pro Attestari - Archivio Attestari",
        ArchiveNames::selfCertifications,
        "DICHIARAZIONE SOSTITUTIVA DI CERTIFICAZIONE",
        LAW("46"),
        "certificazioni",
        "Spunta questa casella per indicare che l'autocertificazione è stata consegnata.",
        "Visualizza il riepilogo delle attestari non consegnate.",
        "frmTrovaCert",
        "frmCertDaConsegnare",
        "frmExpCert",
        "frmStampaCert",
        "frmAnteprimaCert",
    },
    {
        DeclarationKind::Notoriety,
        "frmAtti",
        " Quirendo Pro Attestari - Archivio Atti Notori",
        ArchiveNames::notorietyDeclarations,
        "DICHIARAZIONE SOSTITUTIVA DELL'ATTO DI NOTORIETA'",
        LAW("47"),
        "atti",
        "Spunta questa casella per indicare che la dichiarazione sostitutiva di atto notorio è stata "
        "consegnata.",
        "Visualizza il riepilogo delle dichiarazioni sostitutive di atto notorio non consegnate.",
        "frmTrovaAtti",
        "frmAttiDaConsegnare",
        "frmExpAtti",
        "frmStampaAtto",
        "frmAnteprimaAtto",
    },
};
#undef LAW
}

const DeclarationKind &DeclarationKind::of(Id id)
{
    return kinds[id == Notoriety ? 1 : 0];
}
