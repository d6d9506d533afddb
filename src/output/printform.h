#pragma once
#include "ui/artwork.h"
#include "ui/formkit.h"

// The print and preview windows' design as data: the drawn pictures, the
// notice and the two buttons at their pixel positions, and what each of the
// two kinds of window says.
namespace PrintForm {

using FormKit::ButtonDesign;
using FormKit::LabelDesign;
using FormKit::SurfaceDesign;

// The white sheet behind the pictures.
inline constexpr SurfaceDesign sheet = {"shpSfondo", 18, 18, 327, 215};
inline constexpr SurfaceDesign heading = {"icoInf01", 28, 28, 244, 84};
inline constexpr SurfaceDesign logo = {"imgLogo01", 280, 31, 51, 81};
inline constexpr SurfaceDesign separator = {"shpSepara", 26, 120, 311, 4};
inline constexpr int previewSeparatorHeight = 6;   // the preview's band fades into white
inline constexpr SurfaceDesign operation = {"imgSezione04", 30, 140, 44, 44};
inline constexpr SurfaceDesign instruction = {"icoInf02", 84, 140, 250, 44};

// In the pictures: the heading's title, the sentences under it and the instruction.
inline constexpr FormKit::FontDesign titleFont = {10, true};
inline constexpr FormKit::FontDesign textFont = {8};

// Said when part of the page will not be printed: the text of the
// declaration, some fillings, or both.
inline constexpr LabelDesign cutNotice = {"lblAvviso", nullptr, 30, 190, 304, 38, {8, true}, "red", {}, true};
inline constexpr const char *textAndDataCut =
    "Attenzione: il testo della dichiarazione e alcuni dati non entrano per intero nei riquadri e verranno "
    "stampati solo in parte.";
inline constexpr const char *textCut =
    "Attenzione: il testo della dichiarazione non entra per intero nel riquadro e verrà stampato solo in parte.";
inline constexpr const char *dataCut =
    "Attenzione: alcuni dati non entrano per intero nei riquadri e verranno stampati solo in parte.";

// In tab order; the first has the focus. The second's text is the mode's command.
inline constexpr ButtonDesign cancel = {"btnAnnulla", "Annulla", 18, 243, 137, 28, {9}};
inline constexpr ButtonDesign go = {"btnStampa", nullptr, 208, 243, 137, 28, {9}};

// What the window says, printing or previewing.
struct Mode
{
    const char *caption;
    const char *title;
    const char *sentence;
    Artwork::Icon icon;
    const char *instruction;
    const char *command;
};

inline constexpr Mode printing = {
    " Stampa scheda",
    "Stampa scheda",
    "Questa operazione provvederà a stampare la scheda corrente su carta con i dati immessi dall'utente.",
    Artwork::Icon::Printer,
    "Premere il pulsante Stampa per dare avvio alla stampa oppure premere Annulla per annullare l'operazione.",
    "Stampa",
};
inline constexpr Mode previewing = {
    " Anteprima di stampa",
    "Anteprima di stampa",
    "Questa operazione consente di visualizzare in anteprima i dati che appariranno in stampa.",
    Artwork::Icon::Preview,
    "Fare clic su Mostra anteprima per visualizzare il documento sullo schermo prima di eseguire la stampa su "
    "carta.",
    "Mostra anteprima",
};

}
