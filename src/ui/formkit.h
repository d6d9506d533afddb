#pragma once
#include "ui/artwork.h"
#include "ui/picturebutton.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

#include <cstddef>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class StatusHints;

// Pieces every archive window is built from, placed on its centred panel at
// design pixel positions. A window's design is a set of constexpr tables of
// these; its commands carry their handler as a column of the table.
namespace FormKit {

struct BoxDesign
{
    const char *control;   // objectName of the edit box
    const char *label;     // caption above it; nullptr for none
    int x, y, width;
    int maxLength;
    bool centred = false;
};

struct CommandDesign
{
    const char *control;
    int x;
    Artwork::Icon icon;
    const char *hint;                // nullptr: the hint every archive window gives it
    const char *caption = nullptr;   // wide commands carry a caption in the picture
};

// A 22 x 22 picture beside a box: a check, the e-mail, import, today.
struct SmallButtonDesign
{
    const char *control;
    int x, y;
    Artwork::Icon icon;
    const char *hint;
};

// A plain surface of the design: command group, section, panel.
struct SurfaceDesign
{
    const char *name;
    int x, y, width, height;
};
constexpr QRect rectOf(const SurfaceDesign &s) { return QRect(s.x, s.y, s.width, s.height); }

// A font of the design: Verdana unless another family is named. A button
// with 0 points keeps the font it inherits from its window.
struct FontDesign
{
    int points = 0;
    bool bold = false;
    const char *family = nullptr;
};

// A plain push button with its text (nullptr: set by the window) at its rect.
struct ButtonDesign
{
    const char *control;
    const char *text;
    int x, y, width, height;
    FontDesign font = {};
};
constexpr QRect rectOf(const ButtonDesign &b) { return QRect(b.x, b.y, b.width, b.height); }

// A label with its text (nullptr: set by the window) at its rect, or at its
// corner sized to the text when it has no width; coloured through the style
// sheet when a colour is named.
struct LabelDesign
{
    const char *control;
    const char *text;
    int x, y, width, height;
    FontDesign font;
    const char *colour = nullptr;
    Qt::Alignment alignment = {};   // none: the label's own, left and centred vertically
    bool wordWrap = false;
};

template <typename Window>
struct Button
{
    ButtonDesign design;
    void (Window::*handler)();
};

// A design moved by (dx, dy): the repeated rows of a window.
template <typename Design>
constexpr Design shifted(Design design, int dx, int dy)
{
    design.x += dx;
    design.y += dy;
    return design;
}

template <typename Window>
struct Command
{
    CommandDesign design;
    void (Window::*handler)();
};

template <typename Window>
struct SmallButton
{
    SmallButtonDesign design;
    void (Window::*handler)();
};

// The hint of a command that every archive window has, the same in all of
// them; nullptr for a command of one window only.
const char *sharedHint(const char *control);

QFont verdana(int pointSize, bool bold = false);
QFont fontOf(const FontDesign &font);

// An edit box 22 pixels high with its caption label 18 pixels above it.
QLineEdit *addBox(QWidget *panel, const BoxDesign &design, const QFont &boxFont, const QFont &labelFont);

// A command picture: 37 x 39 at y 26, or 148 x 32 at y 28 when it has a caption.
PictureButton *addCommand(QWidget *panel, StatusHints *hints, const CommandDesign &design);
PictureButton *addSmallButton(QWidget *panel, StatusHints *hints, const SmallButtonDesign &design);

// A plain coloured surface (command group, section, field panel).
QWidget *addSurface(QWidget *panel, const QString &name, const QRect &geometry, const QColor &fill,
                    const QColor &stroke = QColor(), int radius = 0);

// The status bar with its white text panInfo, `inset` pixels in from either end.
QLabel *addStatusBar(QWidget *panel, const QRect &geometry, const QColor &fill = QColor(0x30, 0x30, 0xDD),
                     int inset = 6);

QPushButton *addButton(QWidget *panel, const ButtonDesign &design);
QLabel *addLabel(QWidget *panel, const LabelDesign &design);
// A label nobody sees: a value the window keeps for its code (lblMemory).
QLabel *addHiddenLabel(QWidget *panel, const char *name);

// Edit boxes of the archive windows: a sky-blue border, alice blue at rest,
// yellow while the box has the focus.
QString focusColouringStyle();

// The command pictures of a table, each clicked into its handler.
template <typename Window, std::size_t N>
void addCommands(Window *window, QWidget *panel, StatusHints *hints, const Command<Window> (&table)[N])
{
    for (const Command<Window> &command : table)
        QObject::connect(addCommand(panel, hints, command.design), &QAbstractButton::clicked, window,
                         command.handler);
}

template <typename Window>
QPushButton *addButton(Window *window, QWidget *panel, const Button<Window> &button)
{
    QPushButton *added = addButton(panel, button.design);
    QObject::connect(added, &QAbstractButton::clicked, window, button.handler);
    return added;
}

// The push buttons of a table, each clicked into its handler, in the table's order.
template <typename Window, std::size_t N>
QList<QPushButton *> addButtons(Window *window, QWidget *panel, const Button<Window> (&table)[N])
{
    QList<QPushButton *> added;
    for (const Button<Window> &button : table)
        added.append(addButton(window, panel, button));
    return added;
}

template <typename Window, std::size_t N>
void addSmallButtons(Window *window, QWidget *panel, StatusHints *hints, const SmallButton<Window> (&table)[N])
{
    for (const SmallButton<Window> &button : table)
        QObject::connect(addSmallButton(panel, hints, button.design), &QAbstractButton::clicked, window,
                         button.handler);
}
}
