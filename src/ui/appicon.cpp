#include "ui/appicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

void AppIcon::paint(QPainter &p, int size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    QLinearGradient tile(0, 8, 0, 248);
    tile.setColorAt(0, QColor(0x6F, 0x97, 0xB8));
    tile.setColorAt(1, QColor(0x3C, 0x6A, 0x91));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    QPainterPath sheet;
    sheet.moveTo(64, 36);
    sheet.lineTo(164, 36);
    sheet.lineTo(196, 68);
    sheet.lineTo(196, 220);
    sheet.lineTo(64, 220);
    sheet.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    const QPointF fold[] = {{164, 36}, {164, 68}, {196, 68}};
    p.setBrush(QColor(0xD5, 0xE2, 0xEE));
    p.drawPolygon(fold, 3);

    p.setBrush(QColor(0x9D, 0xB3, 0xC7));
    const struct { int y, width; } lines[] = {{92, 92}, {112, 92}, {132, 92}, {152, 56}};
    for (const auto &l : lines)
        p.drawRoundedRect(QRectF(84, l.y, l.width, 8), 4, 4);

    p.setPen(QPen(Qt::white, 8));
    p.setBrush(QColor(0xC6, 0x28, 0x28));
    p.drawEllipse(QPointF(176, 188), 44, 44);
    p.setPen(QPen(Qt::white, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF tick[] = {{154, 188}, {170, 204}, {200, 172}};
    p.drawPolyline(tick, 3);
    p.restore();
}

QImage AppIcon::image(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paint(p, size);
    return img;
}

QIcon AppIcon::icon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(image(size)));
    return icon;
}
