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

    // The pen, lying at a slant with its nib towards the line.
    const qreal h = r.height();
    p.save();
    p.translate(r.left() + h * 0.55, r.top() + h * 0.5);
    p.rotate(-35);
    const qreal len = h * 0.95, w = h * 0.16;
    QLinearGradient body(0, -w, 0, w);
    body.setColorAt(0, QColor(0x3A, 0x3A, 0x4A));
    body.setColorAt(0.5, QColor(0x10, 0x10, 0x18));
    body.setColorAt(1, QColor(0x3A, 0x3A, 0x4A));
    p.setPen(QPen(QColor(0x05, 0x05, 0x08), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(-len / 2 + len * 0.18, -w, len * 0.82, 2 * w), w, w);   // barrel
    p.setBrush(QColor(0xC9, 0xA2, 0x27));
    p.drawRect(QRectF(-len / 2 + len * 0.18, -w, len * 0.07, 2 * w));               // gold ring
    p.drawRect(QRectF(len * 0.1, -w * 1.1, len * 0.25, w * 0.35));                  // clip
    QPainterPath nib;
    nib.moveTo(-len / 2 + len * 0.18, -w * 0.8);
    nib.lineTo(-len / 2, 0);
    nib.lineTo(-len / 2 + len * 0.18, w * 0.8);
    nib.closeSubpath();
    p.setBrush(QColor(0xE0, 0xC0, 0x50));
    p.drawPath(nib);
    p.setPen(QPen(QColor(0x40, 0x30, 0x00), 0.8));
    p.drawLine(QPointF(-len / 2, 0), QPointF(-len / 2 + len * 0.12, 0));
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

DrawnPicture::DrawnPicture(const QString &name, const QRect &geometry, Painter painter, QWidget *parent)
    : QWidget(parent), m_painter(std::move(painter))
{
    setObjectName(name);
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
}

void DrawnPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    m_painter(p, QRectF(rect()));
}
