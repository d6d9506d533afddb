#pragma once
#include "ui/formkit.h"

// The search, import and summary windows' design as data: the filter panel,
// the result panel and the busy notice at their pixel positions on the
// 862 x 560 window. The filter grid is laid out from the window's filters.
namespace SearchForm {

using FormKit::ButtonDesign;
using FormKit::FontDesign;
using FormKit::LabelDesign;
using FormKit::SurfaceDesign;

inline constexpr int windowWidth = 862, windowHeight = 560;
inline constexpr FontDesign windowFont = {9};
// Both panels fill the window; the filters give way to the results.
inline constexpr SurfaceDesign filterPanel = {"panAvvio", 0, 0, windowWidth, windowHeight};
inline constexpr SurfaceDesign resultPanel = {"panContainer", 0, 0, windowWidth, windowHeight};
// Values the window keeps for its code: the kind tag of the archive window
// served and how many filters the last search had filled.
inline constexpr const char *memory = "lblMemory";
inline constexpr const char *filledCount = "lblConta";

inline constexpr FontDesign buttonFont = {10, true};

// The filter panel.
inline constexpr SurfaceDesign filterInstructions = {"imgIstruzioni", 20, 14, 822, 92};
// Two columns of filters, filled row by row: a caption with its box under it,
// and the yellow patch behind the box that has the focus.
inline constexpr int filterColumns[] = {40, 452};
inline constexpr int filterTop = 124, filterRowStep = 64;
inline constexpr int filterWidth = 370, captionHeight = 22;
inline constexpr int boxOffset = 24, boxHeight = 28;
inline constexpr int highlightMargin = 4;
inline constexpr FontDesign captionFont = {12, true};
inline constexpr const char *captionColour = "#10243A";
inline constexpr FontDesign filterFont = {11};
inline constexpr int boxCapacity = 250;
inline constexpr ButtonDesign closeFilters = {"btnAnnulla", "Chiudi", 40, 506, 130, 34, buttonFont};
inline constexpr ButtonDesign search = {"btnCerca", "Cerca", 692, 506, 130, 34, buttonFont};

// While the archive is read: the notice, with the progress bar under it,
// at the top given (above the buttons of the filters, or of a summary).
inline constexpr LabelDesign busyNotice = {"lblAttendere", "Ricerca schede in corso. Attendere...", 180, 0, 502, 24,
                                           {12, true}, "#8B0000", Qt::AlignCenter};
inline constexpr SurfaceDesign busyProgress = {"prgRicerca", 231, 28, 400, 18};
inline constexpr int filterNoticeTop = 448, summaryNoticeTop = 500;

// The result panel.
inline constexpr SurfaceDesign banner = {"imgBanner", 20, 10, 822, 46};
inline constexpr SurfaceDesign findInstructions = {"imgTrova", 20, 64, 822, 56};
inline constexpr SurfaceDesign findBox = {"txtTrova", 150, 128, 440, 30};
inline constexpr FontDesign findFont = {12, true};
inline constexpr ButtonDesign find = {"btnTrova", "Trova", 602, 127, 110, 32, buttonFont};
inline constexpr SurfaceDesign list = {"lstRecords", 20, 168, 822, 300};
inline constexpr int listPoints = 12;   // Courier New
inline constexpr LabelDesign listHint = {"lblRigo03", "Fare doppio clic su una voce in elenco per richiamare la scheda",
                                         20, 472, 822, 20, {10, true}, "#DC143C", Qt::AlignCenter};
inline constexpr ButtonDesign closeResults = {"btnChiudi", "Chiudi", 20, 506, 130, 34, buttonFont};
inline constexpr ButtonDesign print = {"btnStampa", "Stampa", 712, 506, 130, 34, buttonFont};
// Search windows only: how many records the search found.
inline constexpr LabelDesign count = {"lblTrovate", nullptr, 160, 506, 542, 34, {10, true}, captionColour,
                                      Qt::AlignCenter};

}
