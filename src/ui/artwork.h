#pragma once
#include <QPainter>
#include <QRectF>
#include <QString>

// The program's pictures, drawn rather than shipped: command icons, the small
// buttons beside boxes, menu icons. Each fills the rectangle it is given.
namespace Artwork {
enum class Icon {
    NewPage, TwoPages, Diskette, Magnifier, Preview, First, Back, Forward, Last,
    Spreadsheet, WarningTriangle, Help, Exit, Tick, Envelope, ArrowLeft, Info,
    Copyright, RedCross, PaperClip, Printer,
};

void paint(QPainter &p, const QRectF &r, Icon icon);

// A wide command: a small icon on the left and a caption ("Allega file", "Stampa").
void paintWide(QPainter &p, const QRectF &r, Icon icon, const QString &caption);
}
