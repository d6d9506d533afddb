#pragma once
#include "ui/artwork.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;
class PictureButton;
class StatusHints;

// Pieces every archive window is built from, placed on its centred panel at
// design pixel positions.
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
    const char *hint;
    const char *caption = nullptr;   // wide commands carry a caption in the picture
};

QFont verdana(int pointSize, bool bold = false);

// An edit box 22 pixels high with its caption label 18 pixels above it.
QLineEdit *addBox(QWidget *panel, const BoxDesign &design, const QFont &boxFont, const QFont &labelFont);

// A command picture: 37 x 39 at y 26, or 148 x 32 at y 28 when it has a caption.
PictureButton *addCommand(QWidget *panel, StatusHints *hints, const CommandDesign &design);

// A plain coloured surface (command group, section, field panel).
QWidget *addSurface(QWidget *panel, const QString &name, const QRect &geometry, const QColor &fill,
                    const QColor &stroke = QColor(), int radius = 0);

// The blue status bar with its white text panInfo.
QLabel *addStatusBar(QWidget *panel, const QRect &geometry);

// Edit boxes of the archive windows: a sky-blue border, alice blue at rest,
// yellow while the box has the focus.
QString focusColouringStyle();
}
