#pragma once
#include "ui/formkit.h"

// The export windows' design as data: pictures, command bar, grid and status
// bar at their pixel positions on the 862 x 560 window.
namespace ExportForm {

using FormKit::SurfaceDesign;

inline constexpr int windowWidth = 862, windowHeight = 560;
inline constexpr SurfaceDesign background = {"panSfondo", 0, 0, windowWidth, windowHeight};
inline constexpr SurfaceDesign banner = {"imgLogo", 16, 12, 470, 56};
inline constexpr SurfaceDesign hand = {"icoHand", 566, 16, 80, 48};   // points at the commands
inline constexpr SurfaceDesign commandBar = {"shpComandi", 650, 12, 196, 56};
// The command pictures sit higher here than in the archive windows.
inline constexpr int commandTop = 20;
inline constexpr SurfaceDesign grid = {"grdRecords", 16, 80, 830, 440};
inline constexpr int rowHeight = 21;
inline constexpr int positionColumnWidth = 60;
// The archive's column widths are in the spreadsheet's units; the grid shows them at 3/5.
inline constexpr int columnScale = 3, columnDivisor = 5;
inline constexpr SurfaceDesign statusBar = {"shpStato", 0, 530, windowWidth, 30};
inline constexpr int statusInset = 8;
inline constexpr const char *status = "Esportazione archivio in Microsoft Excel.";

}
