#include "declarations/declarationform.h"

namespace DeclarationForm {

const FormKit::BoxDesign boxes[20] = {
    {"txtNome", "NOME E COGNOME:", 44, 182, 354, 250},
    {"txtDataNasc", "DATA DI NASCITA:", 436, 182, 152, 10},
    {"txtSesso", "SESSO:", 598, 182, 68, 1, true},
    {"txtLuogoNasc", "LUOGO DI NASCITA:", 676, 182, 276, 120},
    {"txtCodFisc", "CODICE FISCALE:", 44, 230, 210, 16},
    {"txtCittadinanza", "CITTADINANZA:", 292, 230, 218, 50},
    {"txtIndirizzo", "INDIRIZZO:", 520, 230, 314, 250},
    {"txtNum", "N. CIVICO:", 844, 230, 108, 10},
    {"txtCap01", "CAP:", 44, 278, 26, 1, true},
    {"txtCap02", nullptr, 76, 278, 26, 1, true},
    {"txtCap03", nullptr, 108, 278, 26, 1, true},
    {"txtCap04", nullptr, 140, 278, 26, 1, true},
    {"txtCap05", nullptr, 172, 278, 26, 1, true},
    {"txtLocalita", "CITTA' DI RESIDENZA:", 210, 278, 300, 120},
    {"txtProv01", "PROV.", 520, 278, 26, 1, true},
    {"txtProv02", nullptr, 552, 278, 26, 1, true},
    {"txtTel", "RECAPITO TELEFONICO:", 590, 278, 362, 50},
    {"txtOggetto", "Oggetto dichiarazione:", 44, 530, 749, 250},
    {"txtLuogo", nullptr, 102, 585, 204, 120},
    {"txtData", nullptr, 370, 585, 132, 10, true},
};

const SideLabel sideLabels[2] = {
    {"Luogo:", 44, 588},
    {"Data:", 322, 588},
};

const char *const tabOrder[22] = {
    "txtNome", "txtDataNasc", "txtSesso", "txtLuogoNasc", "txtCodFisc", "txtCittadinanza",
    "txtIndirizzo", "txtNum", "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05",
    "txtLocalita", "txtProv01", "txtProv02", "txtTel", "txtDichiarazione", "txtOggetto",
    "txtLuogo", "txtData", "chkConsegnata",
};

const Pair enterChain[20] = {
    {"txtNome", "txtDataNasc"},
    {"txtDataNasc", "txtSesso"},
    {"txtSesso", "txtLuogoNasc"},
    {"txtLuogoNasc", "txtCodFisc"},
    {"txtCodFisc", "txtCittadinanza"},
    {"txtCittadinanza", "txtIndirizzo"},
    {"txtIndirizzo", "txtNum"},
    {"txtNum", "txtCap01"},
    {"txtCap01", "txtCap02"},
    {"txtCap02", "txtCap03"},
    {"txtCap03", "txtCap04"},
    {"txtCap04", "txtCap05"},
    {"txtCap05", "txtLocalita"},
    {"txtLocalita", "txtProv01"},
    {"txtProv01", "txtProv02"},
    {"txtProv02", "txtTel"},
    {"txtTel", "txtDichiarazione"},
    {"txtOggetto", "txtLuogo"},
    {"txtLuogo", "txtData"},
    {"txtData", "txtNome"},
};

const char *const oneCharacterBoxes[7] = {
    "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05", "txtProv01", "txtProv02",
};

const char *const upperCaseBoxes[9] = {
    "txtSesso", "txtCodFisc", "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05",
    "txtProv01", "txtProv02",
};

const QRect commandGroups[6] = {
    {16, 16, 172, 57}, {193, 16, 162, 57}, {360, 16, 201, 57},
    {566, 16, 216, 57}, {787, 16, 92, 57}, {884, 16, 94, 57},
};

using Artwork::Icon;
const FormKit::CommandDesign commands[15] = {
    {"cmdNuovo", 24, Icon::NewPage, "Prepara la schermata per l'inserimento di una nuova scheda."},
    {"cmdDuplica", 64, Icon::TwoPages,
     "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
    {"cmdSalva", 104, Icon::Diskette, "Salva la scheda corrente in archivio."},
    {"cmdTrova", 144, Icon::Magnifier, "Trova una scheda in archivio."},
    {"cmdFile", 200, Icon::PaperClip, "Allega file alla scheda corrente.", "Allega file"},
    {"cmdAnteprima", 366, Icon::Preview, "Visualizza l'anteprima di stampa della scheda corrente."},
    {"cmdStampa", 406, Icon::Printer, "Stampa la scheda corrente.", "Stampa"},
    {"cmdPrimo", 574, Icon::First, "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", 616, Icon::Back, "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", 696, Icon::Forward, "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", 738, Icon::Last, "Visualizza l'ultima scheda in archivio."},
    {"cmdEsporta", 795, Icon::Spreadsheet, "Esporta l'archivio in un file di Microsoft Excel."},
    {"cmdDaConsegnare", 835, Icon::WarningTriangle, nullptr},
    {"cmdGuida", 892, Icon::Help, "Visualizza la pagina della guida in linea sensibile al contesto."},
    {"cmdEsci", 934, Icon::Exit, "Esci da questa schermata di lavoro."},
};

const SmallButton smallButtons[3] = {
    {"impPersona", 404, 182, Icon::ArrowLeft, "Importa i dati dall'archivio anagrafico."},
    {"btnCodFisc", 260, 230, Icon::Tick, "Controlla il codice fiscale."},
    {"impOggi", 508, 585, Icon::ArrowLeft, "Inserisci la data corrente."},
};
}
