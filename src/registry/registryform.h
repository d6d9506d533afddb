#pragma once
#include "ui/formkit.h"

#include <QRect>

// The registry window's design as data: every box, command, group and small
// button at its pixel position on the 994 x 692 panel. The window is built
// from these tables; the archive fields are tied to the boxes by the control
// names of SchedaAnagrafica::layout.
namespace RegistryForm {

using FormKit::BoxDesign;
using FormKit::SurfaceDesign;
using FormKit::rectOf;

// In tab order, which is also the order Enter moves along (txtNote wraps to txtNome).
// The commands and the small buttons beside the boxes, with their handlers,
// are tables of the window itself (frmanagrafica.cpp).
inline constexpr BoxDesign boxes[] = {
    {"txtNome", "NOME, COGNOME O RAGIONE SOCIALE:", 36, 116, 380, 250},
    {"txtIndirizzo", "INDIRIZZO:", 426, 116, 414, 250},
    {"txtNum", "N. CIVICO:", 850, 116, 108, 10},
    {"txtCap01", "CAP:", 36, 164, 26, 1, true},
    {"txtCap02", nullptr, 68, 164, 26, 1, true},
    {"txtCap03", nullptr, 100, 164, 26, 1, true},
    {"txtCap04", nullptr, 132, 164, 26, 1, true},
    {"txtCap05", nullptr, 164, 164, 26, 1, true},
    {"txtLocalita", "LOCALITA':", 204, 164, 280, 120},
    {"txtProv01", "PROV.", 498, 164, 26, 1, true},
    {"txtProv02", nullptr, 530, 164, 26, 1, true},
    {"txtTel", "TEL.", 570, 164, 136, 30},
    {"txtEmail", "E-MAIL:", 720, 164, 210, 120},
    {"txtDataNasc", "DATA DI NASCITA:", 36, 238, 152, 10},
    {"txtSesso", "SESSO:", 198, 238, 68, 1, true},
    {"txtLuogoNasc", "LUOGO DI NASCITA:", 276, 238, 434, 120},
    {"txtCodFisc", "CODICE FISCALE:", 720, 238, 210, 16},
    {"txtPartitaIva", "PARTITA IVA:", 36, 286, 202, 11},
    {"txtIban", "IBAN:", 276, 286, 406, 27},
    {"txtPec", "PEC:", 720, 286, 238, 120},
    {"txtCarta", "CARTA DI CREDITO N.", 36, 334, 274, 50},
    {"txtScadeCarta", "SCADENZA:", 348, 334, 152, 10},
    {"txtCel", "TEL. CELLULARE:", 510, 334, 200, 50},
    {"txtCittadinanza", "CITTADINANZA:", 720, 334, 238, 50},
    {"txtOccupazione", "OCCUPAZIONE:", 236, 398, 474, 120},
    {"txtCivile", "STATO CIVILE:", 720, 398, 238, 50},
    {"txtTipoDoc", "DOCUMENTO (tipo e numero):", 236, 446, 214, 50},
    {"txtEnteRil", "ENTE RILASCIO:", 460, 446, 194, 50},
    {"txtDataRil", "DATA RILASCIO:", 664, 446, 142, 10},
    {"txtDataSca", "DATA SCADENZA:", 816, 446, 142, 10},
    {"txtProdotti", "PRODOTTI DI INTERESSE:", 236, 494, 722, 250},
    {"txtQuestioni", "QUESTIONI IN SOSPESO:", 236, 542, 722, 250},
    {"txtNote", "NOTE:", 236, 590, 722, 250},
};
inline constexpr int boxCount = int(sizeof boxes / sizeof boxes[0]);
static_assert(boxCount == 33);

// Boxes that hold one character and hand on to the next as soon as it is typed.
inline constexpr const char *oneCharacterBoxes[] = {
    "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05", "txtProv01", "txtProv02",
};
// Trimmed and upper-cased (a to z) after every typed change.
inline constexpr const char *upperCaseBoxes[] = {
    "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05", "txtProv01", "txtProv02",
    "txtSesso", "txtCodFisc", "txtCarta",
};
// Upper-cased too, and blanks typed or pasted inside it (the printed groups of
// four) are dropped before its limit applies.
inline constexpr const char *ibanBox = "txtIban";
// Trimmed after every typed change: addresses never hold blanks.
inline constexpr const char *trimmedBoxes[] = {"txtEmail", "txtPec"};
inline constexpr const char *digitsOnlyBox = "txtPartitaIva";

// White rectangles grouping the commands: new/duplicate/save/find, attach,
// print, browsing with the position between the arrows, export/pending, help/exit.
inline constexpr SurfaceDesign commandGroups[] = {
    {"shpGruppo1", 16, 20, 172, 52},
    {"shpGruppo2", 193, 20, 162, 52},
    {"shpGruppo3", 360, 20, 164, 52},
    {"shpGruppo4", 530, 20, 250, 52},
    {"shpGruppo5", 787, 20, 92, 52},
    {"shpGruppo6", 884, 20, 94, 52},
};
inline constexpr SurfaceDesign section = {"shpSezione", 16, 80, 962, 554};
inline constexpr SurfaceDesign fieldPanels[] = {
    {"panNominativo", 24, 88, 946, 112},
    {"panDettagli", 24, 208, 946, 418},
};
inline constexpr SurfaceDesign statusBar = {"panInfo", 16, 642, 962, 32};
inline constexpr SurfaceDesign position = {"lblPosizione", 619, 34, 74, 24};
inline constexpr SurfaceDesign figure = {"imgFigura", 36, 372, 190, 238};

}
