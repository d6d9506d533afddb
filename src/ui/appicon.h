#pragma once
#include <QIcon>
#include <QImage>

class QPainter;

// The application's icon: a declaration sheet with a red seal on a blue tile.
// Drawn here on a 256 x 256 grid; packaging/attestari.svg draws the same
// shapes, and the installed PNGs are rendered from this code (make_icons).
namespace AppIcon {
void paint(QPainter &p, int size);
QImage image(int size);
QIcon icon();   // every window's icon
}
