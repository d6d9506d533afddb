#pragma once
#include <QString>
#include <QRectF>

class QPainter;

// The drawn pictures of the declaration sheet.
namespace DeclarationPictures {
// The two heading lines on a beige band: the title in blue capitals, the
// article of law in small black type, wrapped and shrunk until it fits.
void paintHeading(QPainter &p, const QRectF &r, const QString &title, const QString &law);
// "DICHIARA", the heading of the free text.
void paintDeclares(QPainter &p, const QRectF &r);
// A fountain pen, "FIRMATO:" and a line to sign on.
void paintSignature(QPainter &p, const QRectF &r);
}
