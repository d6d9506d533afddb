#pragma once
#include "ui/formkit.h"

#include <QRect>

#include <iterator>

// The design of the declaration window as data: positions in pixels on the
// 994 x 692 panel. The commands and small buttons, with their handlers, are
// tables of the window itself (declarationwindow.cpp).
namespace DeclarationForm {

using FormKit::BoxDesign;
using FormKit::SurfaceDesign;

// The 20 single-line boxes (Verdana 12 bold, 22 high, caption 18 above).
inline constexpr BoxDesign boxes[] = {
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
static_assert(std::size(boxes) == 20);

struct SideLabel
{
    const char *text;
    int x, y;
};
// Place and date of issue have bold captions to the left of their box.
inline constexpr SideLabel sideLabels[] = {
    {"Luogo:", 44, 588},
    {"Data:", 322, 588},
};

// Tab order of every control that takes the focus; Enter follows it from box
// to box (the check box passed over, txtData wrapping to txtNome), and in
// txtDichiarazione Enter breaks the line.
inline constexpr const char *tabOrder[] = {
    "txtNome", "txtDataNasc", "txtSesso", "txtLuogoNasc", "txtCodFisc", "txtCittadinanza",
    "txtIndirizzo", "txtNum", "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05",
    "txtLocalita", "txtProv01", "txtProv02", "txtTel", "txtDichiarazione", "txtOggetto",
    "txtLuogo", "txtData", "chkConsegnata",
};
static_assert(std::size(tabOrder) == 22);

// The segmented postcode and province: one character each, typed in one run.
inline constexpr const char *oneCharacterBoxes[] = {
    "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05", "txtProv01", "txtProv02",
};
// Trimmed and upper-cased (a to z) while typing.
inline constexpr const char *upperCaseBoxes[] = {
    "txtSesso", "txtCodFisc", "txtCap01", "txtCap02", "txtCap03", "txtCap04", "txtCap05",
    "txtProv01", "txtProv02",
};

// The free text and the delivered box.
constexpr QRect textGeometry(44, 344, 908, 162);
constexpr QRect deliveredGeometry(840, 522, 109, 25);

// The six white groups of the command bar.
inline constexpr SurfaceDesign commandGroups[] = {
    {"shpComandi1", 16, 16, 172, 57}, {"shpComandi2", 193, 16, 162, 57}, {"shpComandi3", 360, 16, 201, 57},
    {"shpComandi4", 566, 16, 216, 57}, {"shpComandi5", 787, 16, 92, 57}, {"shpComandi6", 884, 16, 94, 57},
};
inline constexpr SurfaceDesign position = {"lblPosizione", 651, 34, 44, 24};

// Surfaces of the sheet.
inline constexpr SurfaceDesign section = {"shpSezione", 16, 80, 962, 554};
inline constexpr SurfaceDesign sheet = {"shpFoglio", 24, 88, 946, 538};
inline constexpr SurfaceDesign heading = {"imgIntestazione", 34, 98, 928, 46};
inline constexpr SurfaceDesign fieldArea = {"shpCampi", 34, 154, 928, 408};
inline constexpr SurfaceDesign placeAndDate = {"shpLuogoData", 34, 573, 505, 44};
inline constexpr SurfaceDesign signature = {"imgFirma", 652, 568, 309, 52};
inline constexpr SurfaceDesign declares = {"imgDichiara", 446, 315, 102, 18};
inline constexpr SurfaceDesign deliveredBackground = {"shpConsegnata", 829, 514, 124, 38};
inline constexpr SurfaceDesign statusBar = {"panInfo", 16, 642, 962, 32};
}
