// The formulas themselves. The letters follow art. 46, paragraph 1, of
// D.P.R. 445/2000; art. 19 (true copies) and art. 47 are declarations of
// notoriety. Texts begin where the printed form's "DICHIARA" ends, so each
// reads "di ..." or "che ...". A gap stands for what no box holds.
#include "core/declarations/formulas.h"

namespace {
constexpr auto S = DeclarationKind::SelfCertification;
constexpr auto N = DeclarationKind::Notoriety;

const Formulas::Formula table[] = {
    {S, "46", "a", "Data e luogo di nascita", "di essere {nato|nata} a {txtLuogoNasc} il {txtDataNasc}"},
    {S, "46", "b", "Residenza",
     "di essere residente in {txtLocalita} ({txtProv}), {txtIndirizzo} n. {txtNum}"},
    {S, "46", "c", "Cittadinanza", "di essere {cittadino|cittadina} {txtCittadinanza}"},
    {S, "46", "d", "Godimento dei diritti civili e politici", "di godere dei diritti civili e politici"},
    {S, "46", "e", "Stato civile: celibe o nubile", "di essere {celibe|nubile}"},
    {S, "46", "e", "Stato civile: coniugato", "di essere {coniugato|coniugata} con ________"},
    {S, "46", "e", "Stato civile: unito civilmente", "di essere {unito|unita} civilmente con ________"},
    {S, "46", "e", "Stato civile: vedovo", "di essere {vedovo|vedova} di ________"},
    {S, "46", "e", "Stato civile: stato libero", "di essere di stato libero"},
    {S, "46", "f", "Stato di famiglia",
     "che la propria famiglia anagrafica è composta, oltre che {dal|dalla} dichiarante, da: ________"},
    {S, "46", "g", "Esistenza in vita", "di essere in vita"},
    {S, "46", "h", "Nascita di un figlio",
     "che il proprio figlio/la propria figlia ________ è nato/a a ________ il ________"},
    {S, "46", "h", "Decesso del coniuge", "che il proprio coniuge ________ è deceduto/a a ________ il ________"},
    {S, "46", "h", "Decesso di un ascendente",
     "che l'ascendente ________ (grado di parentela: ________) è deceduto/a a ________ il ________"},
    {S, "46", "h", "Decesso di un discendente",
     "che il/la discendente ________ (grado di parentela: ________) è deceduto/a a ________ il ________"},
    {S, "46", "i", "Iscrizione in albi o elenchi tenuti da pubbliche amministrazioni",
     "di essere {iscritto|iscritta} nell'albo/elenco ________ tenuto da ________, al n. ________"},
    {S, "46", "l", "Appartenenza a un ordine professionale",
     "di appartenere all'ordine professionale ________ di ________, con il numero di iscrizione ________"},
    {S, "46", "m", "Titolo di studio",
     "di essere in possesso del titolo di studio ________, conseguito presso ________ nell'anno ________ "
     "con la votazione di ________"},
    {S, "46", "m", "Esami sostenuti", "di aver sostenuto presso ________ i seguenti esami: ________"},
    {S, "46", "n", "Qualifica professionale",
     "di possedere la qualifica professionale di ________, conseguita presso ________ il ________"},
    {S, "46", "n", "Titolo di specializzazione, abilitazione, formazione, aggiornamento",
     "di essere in possesso del seguente titolo di specializzazione, di abilitazione, di formazione, di "
     "aggiornamento o di qualificazione tecnica: ________, conseguito presso ________ il ________"},
    {S, "46", "o", "Situazione reddituale",
     "di aver percepito nell'anno ________ un reddito complessivo di euro ________"},
    {S, "46", "o", "Situazione economica", "che la propria situazione economica è la seguente: ________"},
    {S, "46", "p", "Assolvimento di obblighi contributivi",
     "di aver assolto l'obbligo contributivo ________ per il periodo ________, versando l'importo di euro "
     "________"},
    {S, "46", "q", "Codice fiscale", "che il proprio codice fiscale è {txtCodFisc}"},
    {S, "46", "q", "Partita IVA", "di essere titolare della partita IVA n. ________"},
    {S, "46", "q", "Dati dell'anagrafe tributaria",
     "che nell'archivio dell'anagrafe tributaria risulta il seguente dato: ________"},
    {S, "46", "r", "Stato di disoccupazione",
     "di essere {disoccupato|disoccupata} dal ________ e {iscritto|iscritta} al centro per l'impiego di "
     "________"},
    {S, "46", "s", "Pensionato e categoria di pensione",
     "di essere {pensionato|pensionata}, titolare della pensione di categoria ________ n. ________ erogata da "
     "________"},
    {S, "46", "t", "Studente",
     "di essere {studente|studentessa}, {iscritto|iscritta} per l'anno ________ al corso ________ presso "
     "________"},
    {S, "46", "u", "Legale rappresentante",
     "di essere legale rappresentante di ________, con sede in ________, codice fiscale ________"},
    {S, "46", "u", "Tutore", "di essere {tutore|tutrice} di ________, {nominato|nominata} con provvedimento "
                             "________ del ________"},
    {S, "46", "u", "Curatore", "di essere {curatore|curatrice} di ________, {nominato|nominata} con provvedimento "
                               "________ del ________"},
    {S, "46", "u", "Amministratore di sostegno",
     "di essere {amministratore|amministratrice} di sostegno di ________, {nominato|nominata} con "
     "provvedimento ________ del ________"},
    {S, "46", "v", "Iscrizione in associazioni o formazioni sociali",
     "di essere {iscritto|iscritta} all'associazione o formazione sociale ________ dal ________"},
    {S, "46", "z", "Obblighi militari",
     "che la propria posizione nei riguardi degli obblighi militari è la seguente: ________"},
    {S, "46", "aa", "Assenza di condanne penali e di provvedimenti nel casellario giudiziale",
     "di non aver riportato condanne penali e di non essere {destinatario|destinataria} di provvedimenti che "
     "riguardano l'applicazione di misure di prevenzione, di decisioni civili e di provvedimenti "
     "amministrativi iscritti nel casellario giudiziale ai sensi della vigente normativa"},
    {S, "46", "bb", "Assenza di procedimenti penali",
     "di non essere a conoscenza di essere {sottoposto|sottoposta} a procedimenti penali"},
    {S, "46", "bb-bis", "Ente: assenza di sanzioni del d.lgs. 231/2001",
     "che nei confronti dell'ente ________, del quale {il sottoscritto|la sottoscritta} è legale "
     "rappresentante, non sono stati emessi provvedimenti giudiziari che applicano le sanzioni amministrative "
     "di cui al decreto legislativo 8 giugno 2001, n. 231"},
    {S, "46", "cc", "Vivenza a carico", "di vivere a carico di ________ (grado di parentela: ________)"},
    {S, "46", "dd", "Dati dei registri dello stato civile",
     "che nei registri dello stato civile del Comune di ________ risulta quanto segue: ________"},
    {S, "46", "ee", "Assenza di liquidazione, fallimento o concordato",
     "di non trovarsi in stato di liquidazione o di fallimento e di non aver presentato domanda di "
     "concordato"},

    {N, "19", "", "Copia conforme all'originale",
     "che la copia allegata del seguente documento: ________, composta da n. ________ fogli, è conforme "
     "all'originale"},
    {N, "47", "", "Smarrimento di un documento",
     "di aver smarrito in data ________, a ________, il seguente documento: ________ n. ________, rilasciato "
     "da ________ il ________"},
    {N, "47", "", "Furto di un documento",
     "di aver subito in data ________, a ________, il furto del seguente documento: ________ n. ________, "
     "rilasciato da ________ il ________, e di averne sporto denuncia presso ________ il ________"},
    {N, "47", "", "Eredi di una persona deceduta senza testamento",
     "che ________, nato/a a ________ il ________, è deceduto/a a ________ il ________ senza lasciare "
     "disposizioni testamentarie e che i suoi unici eredi legittimi sono: ________"},
    {N, "47", "", "Eredi di una persona deceduta con testamento",
     "che ________, nato/a a ________ il ________, è deceduto/a a ________ il ________ lasciando il "
     "testamento ________ e che i suoi unici eredi sono: ________"},
    {N, "47", "", "Fatti, stati e qualità personali a diretta conoscenza",
     "di essere a diretta conoscenza dei seguenti stati, fatti e qualità personali: ________"},
};
}

const QList<Formulas::Formula> &Formulas::all()
{
    static const QList<Formula> formulas(std::begin(table), std::end(table));
    return formulas;
}
