#pragma once
#include "ui/formkit.h"

#include <QRect>

// The design of the declaration window as data: positions in pixels on the
// 994 x 692 panel.
namespace DeclarationForm {

struct Pair
{
    const char *from;
    const char *to;
};

struct SideLabel
{
    const char *text;
    int x, y;
};

struct SmallButton
{
    const char *control;
    int x, y;
    Artwork::Icon icon;
    const char *hint;
};

// The 20 single-line boxes (Verdana 12 bold, 22 high, caption 18 above).
extern const FormKit::BoxDesign boxes[20];
// Place and date of issue have bold captions to the left of their box.
extern const SideLabel sideLabels[2];

// The free text and the delivered box.
constexpr QRect textGeometry(44, 344, 908, 162);
constexpr QRect deliveredGeometry(840, 522, 109, 25);
constexpr QRect deliveredBackground(829, 514, 124, 38);

// Tab order of every control that takes the focus.
extern const char *const tabOrder[22];
// Where Enter moves the focus. txtDichiarazione is missing: there Enter breaks the line.
extern const Pair enterChain[20];
// The segmented postcode and province: one character each, typed in one run.
extern const char *const oneCharacterBoxes[7];
// Boxes trimmed and upper-cased (a to z) while typing.
extern const char *const upperCaseBoxes[9];

// The command bar: six white groups, then the commands (the hint of
// cmdDaConsegnare depends on the kind and is null here).
extern const QRect commandGroups[6];
extern const FormKit::CommandDesign commands[15];
constexpr QRect positionGeometry(651, 34, 44, 24);

extern const SmallButton smallButtons[3];

// Surfaces of the sheet.
constexpr QRect section(16, 80, 962, 554);
constexpr QRect sheet(24, 88, 946, 538);
constexpr QRect heading(34, 98, 928, 46);
constexpr QRect fieldArea(34, 154, 928, 408);
constexpr QRect placeAndDate(34, 573, 505, 44);
constexpr QRect signature(652, 568, 309, 52);
constexpr QRect declares(446, 315, 102, 18);
constexpr QRect statusBar(16, 642, 962, 32);
}
