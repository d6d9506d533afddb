#pragma once
#include <QString>

// Messages every archive window shares.
namespace ArchiveMessages {
inline QString accessError()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}
inline QString emptyArchive() { return QStringLiteral("L'archivio non contiene nessuna scheda."); }
inline QString duplicateNew()
{
    return QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                          "che questa è stata inserita in archivio.");
}
inline QString duplicated()
{
    return QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                          "Al termine premere Salva per inserire la scheda in archivio.");
}
inline QString overwritten()
{
    return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
}
inline QString appended() { return QStringLiteral("La scheda corrente è stata inserita in archivio."); }
inline QString readyStatus() { return QStringLiteral("Pronto per archiviare una nuova scheda..."); }
}
