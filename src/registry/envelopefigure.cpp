#include "registry/envelopefigure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor skin(0xF2, 0xC8, 0x9E);
const QColor skinShade(0xC9, 0x95, 0x6B);
const QColor hair(0x5A, 0x3A, 0x22);
const QColor jacket(0x2F, 0x5F, 0x9E);
const QColor jacketDark(0x1F, 0x40, 0x6E);
const QColor trousers(0x33, 0x3A, 0x48);
const QColor envelopeRed(0xD3, 0x2F, 0x2F);
const QColor envelopeDark(0x8E, 0x1B, 0x1B);

void legs(QPainter &p)
{
    p.setPen(QPen(trousers.darker(130), 2));
    p.setBrush(trousers);
    p.drawRoundedRect(QRectF(62, 160, 30, 66), 6, 6);
    p.drawRoundedRect(QRectF(98, 160, 30, 66), 6, 6);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawRoundedRect(QRectF(54, 220, 40, 14), 7, 7);
    p.drawRoundedRect(QRectF(96, 220, 40, 14), 7, 7);
}

void torso(QPainter &p)
{
    QPainterPath body;
    body.moveTo(58, 86);
    body.cubicTo(70, 78, 120, 78, 132, 86);
    body.lineTo(146, 170);
    body.lineTo(44, 170);
    body.closeSubpath();
    QLinearGradient g(0, 80, 0, 170);
    g.setColorAt(0, jacket.lighter(115));
    g.setColorAt(1, jacket);
    p.setPen(QPen(jacketDark, 2));
    p.setBrush(g);
    p.drawPath(body);

    // Shirt and tie in the opening of the jacket.
    QPainterPath shirt;
    shirt.moveTo(80, 82);
    shirt.lineTo(110, 82);
    shirt.lineTo(95, 118);
    shirt.closeSubpath();
    p.setPen(QPen(QColor(0xB0, 0xBE, 0xC5), 1));
    p.setBrush(Qt::white);
    p.drawPath(shirt);
    QPainterPath tie;
    tie.moveTo(92, 86);
    tie.lineTo(98, 86);
    tie.lineTo(100, 108);
    tie.lineTo(95, 116);
    tie.lineTo(90, 108);
    tie.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(envelopeDark);
    p.drawPath(tie);
}

void head(QPainter &p)
{
    p.setPen(QPen(skinShade, 2));
    p.setBrush(skin);
    p.drawRect(QRectF(87, 66, 16, 16));   // neck
    p.drawEllipse(QPointF(95, 46), 25, 28);

    QPainterPath hairline;
    hairline.moveTo(70, 44);
    hairline.cubicTo(68, 14, 122, 10, 120, 44);
    hairline.cubicTo(112, 30, 90, 26, 70, 44);
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    p.drawPath(hairline);

    p.setBrush(QColor(0x2B, 0x2B, 0x2B));
    p.drawEllipse(QPointF(86, 47), 2.6, 3.2);
    p.drawEllipse(QPointF(104, 47), 2.6, 3.2);
    p.setPen(QPen(QColor(0x9C, 0x4A, 0x3A), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(84, 50, 22, 14), 200 * 16, 140 * 16);
}

void armsAndEnvelope(QPainter &p)
{
    // Sleeves from the shoulders down to the hands in front of the chest.
    p.setPen(QPen(jacketDark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(jacket);
    QPainterPath left;
    left.moveTo(60, 88);
    left.cubicTo(40, 104, 38, 130, 56, 140);
    left.lineTo(66, 128);
    left.cubicTo(56, 120, 60, 104, 70, 96);
    left.closeSubpath();
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(130, 88);
    right.cubicTo(150, 104, 152, 130, 134, 140);
    right.lineTo(124, 128);
    right.cubicTo(134, 120, 130, 104, 120, 96);
    right.closeSubpath();
    p.drawPath(right);

    // The envelope, slightly tilted, held out towards the viewer.
    p.save();
    p.translate(95, 126);
    p.rotate(-6);
    const QRectF env(-42, -26, 84, 52);
    QLinearGradient g(env.topLeft(), env.bottomLeft());
    g.setColorAt(0, envelopeRed.lighter(120));
    g.setColorAt(1, envelopeRed);
    p.setPen(QPen(envelopeDark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawRect(env);
    QPainterPath flap;
    flap.moveTo(env.topLeft());
    flap.lineTo(0, 4);
    flap.lineTo(env.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.setPen(QPen(envelopeDark, 1.5));
    p.drawLine(env.bottomLeft(), QPointF(-10, -2));
    p.drawLine(env.bottomRight(), QPointF(10, -2));
    // A white seal where the flap closes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF3, 0xE0));
    p.drawEllipse(QPointF(0, 4), 5, 5);
    p.restore();

    // Hands over the envelope's sides.
    p.setPen(QPen(skinShade, 1.5));
    p.setBrush(skin);
    p.drawEllipse(QPointF(56, 134), 9, 8);
    p.drawEllipse(QPointF(134, 126), 9, 8);
}
}

EnvelopeFigure::EnvelopeFigure(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EnvelopeFigure::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = qMin(width() / 190.0, height() / 238.0);
    p.translate((width() - 190 * scale) / 2, (height() - 238 * scale) / 2);
    p.scale(scale, scale);

    // A soft shadow on the floor.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QPointF(95, 232), 60, 6);

    legs(p);
    torso(p);
    head(p);
    armsAndEnvelope(p);
}
