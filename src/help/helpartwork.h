#pragma once
#include "ui/artwork.h"

#include <QPainter>
#include <QRectF>
#include <QString>

// Pictures of the help, information and credits windows, drawn to the size given.
namespace HelpArtwork {
// A white banner with an icon on the left and a heading beside it.
void banner(QPainter &p, const QRectF &r, Artwork::Icon icon, const QString &heading);
void pdfIcon(QPainter &p, const QRectF &r);     // a page with a red "PDF" band
void webIcon(QPainter &p, const QRectF &r);     // a globe
void aboutBody(QPainter &p, const QRectF &r);   // what the information window says about the program
void makerPicture(QPainter &p, const QRectF &r);   // the credits window's large picture
}
