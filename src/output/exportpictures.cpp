#include "output/exportpictures.h"

#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainterPath>

void ExportPictures::banner(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x3C, 0x9A, 0x5F));
    g.setColorAt(1, QColor(0x1B, 0x5E, 0x20));
    p.setPen(QPen(QColor(0x14, 0x45, 0x18), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

    const qreal side = r.height() - 12;
    const QRectF icon(r.left() + 10, r.top() + 6, side, side);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(icon.adjusted(-2, -2, 2, 2), 5, 5);
    Artwork::paint(p, icon, Artwork::Icon::Spreadsheet);

    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(int(r.height() * 0.46));
    f.setBold(true);
    p.setFont(f);
    const QRectF text = r.adjusted(side + 26, 0, -10, 0);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(text.translated(2, 2), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ESPORTAZIONE IN EXCEL"));
    p.setPen(Qt::white);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ESPORTAZIONE IN EXCEL"));
    p.restore();
}

void ExportPictures::pointingHand(QPainter &p, const QRectF &r)
{
    // Designed in a 100 x 56 box, scaled into r keeping its proportions.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = qMin(r.width() / 100.0, r.height() / 56.0);
    p.translate(r.center().x() - 50 * scale, r.center().y() - 28 * scale);
    p.scale(scale, scale);

    const QColor skin(0xF6, 0xC9, 0xA0), outline(0x8A, 0x55, 0x2E);
    const QPen pen(outline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Cuff and sleeve.
    p.setPen(QPen(QColor(0x1F, 0x3F, 0x66), 2));
    p.setBrush(QColor(0x2F, 0x6F, 0xB7));
    p.drawRoundedRect(QRectF(0, 14, 16, 36), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(16, 16, 7, 32));

    p.setPen(pen);
    p.setBrush(skin);
    // Three folded fingers under the pointing one.
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(34 + i * 2, 27 + i * 8, 26 - i * 3, 9), 4.5, 4.5);
    // Back of the hand.
    QPainterPath palm;
    palm.moveTo(23, 18);
    palm.lineTo(42, 14);
    palm.lineTo(46, 26);
    palm.lineTo(40, 50);
    palm.lineTo(23, 48);
    palm.closeSubpath();
    p.drawPath(palm);
    // The pointing finger.
    p.drawRoundedRect(QRectF(38, 15, 58, 11), 5.5, 5.5);
    // Thumb folded over the fingers.
    QPainterPath thumb;
    thumb.moveTo(30, 24);
    thumb.cubicTo(38, 22, 48, 24, 52, 30);
    thumb.cubicTo(50, 34, 40, 34, 32, 31);
    p.drawPath(thumb);
    // Nail.
    p.setPen(QPen(outline, 1.2));
    p.setBrush(QColor(0xFB, 0xE3, 0xCF));
    p.drawRoundedRect(QRectF(86, 17, 8, 6), 3, 3);
    p.restore();
}
