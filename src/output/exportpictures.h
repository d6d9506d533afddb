#pragma once
#include <QPainter>
#include <QRectF>

// The drawn pictures of the export windows.
namespace ExportPictures {
// The banner: a spreadsheet sheet beside "ESPORTAZIONE IN EXCEL".
void banner(QPainter &p, const QRectF &r);
// A hand pointing to the right, with its cuff.
void pointingHand(QPainter &p, const QRectF &r);
}
