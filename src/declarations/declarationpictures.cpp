#include "declarations/declarationpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const QColor beige(0xF5, 0xF5, 0xDC);
const QColor titleBlue(0x1F, 0x3F, 0x8F);
const QColor ink(0x22, 0x22, 0x22);

QFont verdana(qreal pixels, bool bold)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setBold(bold);
    return f;
}

// The largest type (down to 7 pixels) at which the text fits the box, wrapping.
QFont fitting(const QString &text, const QRectF &box, qreal largest)
{
    for (qreal px = largest; px > 7; px -= 0.5) {
        const QFont f = verdana(px, false);
        const QRectF need = QFontMetricsF(f).boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (need.height() <= box.height() && need.width() <= box.width())
            return f;
    }
    return verdana(7, false);
}
}

void DeclarationPictures::paintHeading(QPainter &p, const QRectF &r, const QString &title, const QString &law)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xC8, 0xB8, 0x8A), 1));
    p.setBrush(beige);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);

    const QRectF titleBox(r.left() + 6, r.top() + 2, r.width() - 12, 19);
    p.setFont(verdana(15, true));
    p.setPen(titleBlue);
    p.drawText(titleBox, Qt::AlignCenter, title.toUpper());

    const QRectF lawBox(r.left() + 8, titleBox.bottom() + 1, r.width() - 16, r.bottom() - titleBox.bottom() - 3);
    p.setFont(fitting(law, lawBox, 11));
    p.setPen(ink);
    p.drawText(lawBox, Qt::AlignCenter | Qt::TextWordWrap, law);
    p.restore();
}

void DeclarationPictures::paintDeclares(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = verdana(r.height() - 3, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(f);
    p.setPen(titleBlue);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("DICHIARA"));
    p.restore();
}

void DeclarationPictures::paintSignature(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // The pen, at a slant as in the hand, its nib down towards the line.
    const qreal h = r.height();
    const qreal len = h * 1.35, w = h * 0.085;   // w: half the barrel's width
    p.save();
    p.translate(r.left() + h * 0.55, r.top() + h * 0.5);
    p.rotate(-40);
    const qreal tip = -len / 2, nibEnd = tip + len * 0.24, gripEnd = nibEnd + len * 0.1;
    QPainterPath nib;
    nib.moveTo(tip, 0);
    nib.cubicTo(tip + len * 0.08, -w * 0.3, nibEnd - len * 0.06, -w * 0.9, nibEnd, -w * 0.85);
    nib.lineTo(nibEnd, w * 0.85);
    nib.cubicTo(nibEnd - len * 0.06, w * 0.9, tip + len * 0.08, w * 0.3, tip, 0);
    p.setPen(QPen(QColor(0x7A, 0x5A, 0x10), 0.8));
    p.setBrush(QColor(0xE3, 0xC0, 0x4E));
    p.drawPath(nib);
    p.drawLine(QPointF(tip + 1, 0), QPointF(nibEnd - len * 0.09, 0));   // the slit
    p.setBrush(QColor(0x7A, 0x5A, 0x10));
    p.drawEllipse(QPointF(nibEnd - len * 0.08, 0), 1.2, 1.2);          // the breather hole

    QLinearGradient body(0, -w, 0, w);
    body.setColorAt(0, QColor(0x4A, 0x4A, 0x5C));
    body.setColorAt(0.45, QColor(0x12, 0x12, 0x1A));
    body.setColorAt(1, QColor(0x30, 0x30, 0x3C));
    p.setPen(QPen(QColor(0x05, 0x05, 0x08), 0.8));
    p.setBrush(body);
    p.drawRect(QRectF(nibEnd, -w * 0.85, gripEnd - nibEnd, w * 1.7));                 // grip
    p.drawRoundedRect(QRectF(gripEnd, -w, len / 2 - gripEnd, 2 * w), w * 0.9, w * 0.9);  // barrel
    p.setBrush(QColor(0xC9, 0xA2, 0x27));
    p.setPen(QPen(QColor(0x7A, 0x5A, 0x10), 0.6));
    p.drawRect(QRectF(gripEnd + len * 0.3, -w, len * 0.035, 2 * w));                 // gold ring
    p.drawRoundedRect(QRectF(gripEnd + len * 0.36, -w * 1.45, len * 0.28, w * 0.5), 1, 1);   // clip
    p.restore();

    const qreal textLeft = r.left() + h * 1.15;
    QFont f = verdana(12, true);
    p.setFont(f);
    p.setPen(ink);
    const QString word = QStringLiteral("FIRMATO:");
    const qreal baseline = r.top() + h * 0.68;
    p.drawText(QPointF(textLeft, baseline), word);
    const qreal lineLeft = textLeft + QFontMetricsF(f).horizontalAdvance(word) + 8;
    p.setPen(QPen(ink, 1.2));
    p.drawLine(QPointF(lineLeft, baseline + 1), QPointF(r.right() - 6, baseline + 1));
    p.restore();
}
