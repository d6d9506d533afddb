#include "validators/banners.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

using DrawIcon = void (*)(QPainter &, const QRectF &);

const QColor ink(0x1F, 0x3F, 0x66);
const QColor frameBlue(0x2F, 0x5F, 0x8A);

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void drawChip(QPainter &p, const QRectF &chip)
{
    p.setPen(QPen(QColor(0x8A, 0x6D, 0x1E), 1));
    p.setBrush(vertical(chip, QColor(0xF6, 0xDC, 0x8C), QColor(0xC9, 0x9B, 0x32)));
    p.drawRoundedRect(chip, chip.height() * 0.2, chip.height() * 0.2);
    p.drawLine(QPointF(chip.left(), chip.center().y()), QPointF(chip.right(), chip.center().y()));
    p.drawLine(QPointF(chip.center().x(), chip.top()), QPointF(chip.center().x(), chip.bottom()));
}

// A fiscal-code card: coloured band, chip, lines of text and a bar code.
void drawFiscalCard(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath card;
    card.addRoundedRect(r, h * 0.1, h * 0.1);
    p.setPen(QPen(QColor(0x3D, 0x6F, 0x93), 1.2));
    p.setBrush(vertical(r, QColor(0xE4, 0xF2, 0xF8), QColor(0x8C, 0xBF, 0xDB)));
    p.drawPath(card);

    p.save();
    p.setClipPath(card);
    p.fillRect(QRectF(r.left(), r.top(), w, h * 0.22), QColor(0x2E, 0x7D, 0x9B));
    p.restore();
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(r.left() + w * 0.08, r.top() + h * 0.11), QPointF(r.left() + w * 0.6, r.top() + h * 0.11));

    drawChip(p, QRectF(r.left() + w * 0.08, r.top() + h * 0.36, w * 0.18, h * 0.24));

    p.setPen(QPen(QColor(0x45, 0x55, 0x63), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = r.top() + h * (0.38 + 0.12 * i);
        p.drawLine(QPointF(r.left() + w * 0.34, y), QPointF(r.left() + w * (0.9 - 0.12 * i), y));
    }
    // Bar code: bars of two widths in a fixed rhythm.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    qreal x = r.left() + w * 0.34;
    const qreal barTop = r.top() + h * 0.76, barHeight = h * 0.14;
    for (int i = 0; x < r.left() + w * 0.9; ++i) {
        const qreal bar = (i % 3 == 0) ? 2.0 : 1.0;
        p.drawRect(QRectF(x, barTop, bar, barHeight));
        x += bar + ((i % 2) ? 1.5 : 1.0);
    }
}

QPolygonF star(const QPointF &c, qreal outer, qreal inner)
{
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const qreal rad = (i % 2 == 0) ? outer : inner;
        poly << c + QPointF(qCos(a) * rad, qSin(a) * rad);
    }
    return poly;
}

// The emblem of the Republic: a star on a cogwheel between two branches,
// tied by a red ribbon.
void drawEmblem(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    const qreal R = r.height() / 2;

    // Branches: leaves along an arc on each side, from the bottom up to
    // above the middle; angles in screen degrees, 90 pointing down.
    auto onArc = [&](int side, qreal degrees) {
        const qreal a = qDegreesToRadians(degrees);
        return c + QPointF(-side * qCos(a) * R * 0.84, qSin(a) * R * 0.84);
    };
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath stem(onArc(side, 100));
        for (int deg = 110; deg <= 240; deg += 10)
            stem.lineTo(onArc(side, deg));
        p.setPen(QPen(QColor(0x2E, 0x5E, 0x2A), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        p.setPen(QPen(QColor(0x1F, 0x4D, 0x1C), 0.8));
        p.setBrush(side < 0 ? QColor(0x6B, 0x8E, 0x3A) : QColor(0x3B, 0x7D, 0x3A));
        for (int deg = 115; deg <= 235; deg += 20) {
            p.save();
            p.translate(onArc(side, deg));
            // Along the stem, tilted outwards.
            const qreal along = deg + 90 + 35;
            p.rotate(side < 0 ? along : 180 - along);
            p.drawEllipse(QRectF(-R * 0.17, -R * 0.065, R * 0.34, R * 0.13));
            p.restore();
        }
    }

    // Cogwheel.
    QPolygonF gear;
    const int teeth = 12;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = 2 * M_PI * i / (teeth * 4);
        const qreal rad = (i % 4 < 2) ? R * 0.66 : R * 0.56;
        gear << c + QPointF(qCos(a) * rad, qSin(a) * rad);
    }
    p.setPen(QPen(QColor(0x4A, 0x50, 0x56), 1));
    p.setBrush(vertical(r, QColor(0xD8, 0xDC, 0xE0), QColor(0x86, 0x8F, 0x97)));
    p.drawPolygon(gear);

    p.setPen(QPen(QColor(0xC8, 0x10, 0x2E), 1.6));
    p.setBrush(Qt::white);
    p.drawPolygon(star(c, R * 0.5, R * 0.2));

    // Ribbon under the branches.
    const QRectF ribbon(c.x() - R * 0.55, r.bottom() - R * 0.2, R * 1.1, R * 0.17);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0x10, 0x2E));
    p.drawRoundedRect(ribbon, 2, 2);
}

// A bank: pediment, columns and steps.
void drawBank(QPainter &p, const QRectF &r)
{
    const qreal x = r.left(), y = r.top(), w = r.width(), h = r.height();
    const QColor stone(0x6B, 0x8B, 0xAA), edge(0x2C, 0x45, 0x5E);
    p.setPen(QPen(edge, 1.2));
    p.setBrush(vertical(r, stone.lighter(130), stone));

    QPolygonF pediment;
    pediment << QPointF(x + w * 0.04, y + h * 0.32) << QPointF(x + w * 0.5, y + h * 0.04)
             << QPointF(x + w * 0.96, y + h * 0.32);
    p.drawPolygon(pediment);
    p.drawRect(QRectF(x + w * 0.09, y + h * 0.32, w * 0.82, h * 0.08));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(x + w * (0.15 + 0.2 * i), y + h * 0.42, w * 0.1, h * 0.38));
    p.drawRect(QRectF(x + w * 0.07, y + h * 0.81, w * 0.86, h * 0.07));
    p.drawRect(QRectF(x + w * 0.02, y + h * 0.89, w * 0.96, h * 0.08));

    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qMax(8, int(h * 0.17)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(x, y + h * 0.12, w, h * 0.2), Qt::AlignCenter, QStringLiteral("€"));
}

void drawPaymentCard(QPainter &p, const QRectF &card, const QColor &colour)
{
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(vertical(card, colour.lighter(135), colour));
    p.drawRoundedRect(card, card.height() * 0.1, card.height() * 0.1);
    drawChip(p, QRectF(card.left() + card.width() * 0.1, card.top() + card.height() * 0.3,
                       card.width() * 0.17, card.height() * 0.24));
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.6, Qt::DotLine, Qt::RoundCap));
    const qreal y = card.top() + card.height() * 0.7;
    p.drawLine(QPointF(card.left() + card.width() * 0.1, y), QPointF(card.right() - card.width() * 0.12, y));
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.2));
    const qreal y2 = card.top() + card.height() * 0.84;
    p.drawLine(QPointF(card.left() + card.width() * 0.1, y2), QPointF(card.left() + card.width() * 0.5, y2));
}

// Three payment cards fanned out.
void drawCards(QPainter &p, const QRectF &r)
{
    const qreal ch = r.height() * 0.56, cw = ch * 1.58;
    const QRectF card(-cw / 2, -ch / 2, cw, ch);
    const struct { qreal dx, dy, angle; QColor colour; } fan[] = {
        {0.30, 0.42, -16, QColor(0x2E, 0x8B, 0x57)},
        {0.50, 0.50, -4, QColor(0xE0, 0x84, 0x1F)},
        {0.70, 0.56, 9, QColor(0x1F, 0x5F, 0xA8)},
    };
    for (const auto &f : fan) {
        p.save();
        p.translate(r.left() + r.width() * f.dx, r.top() + r.height() * f.dy);
        p.rotate(f.angle);
        drawPaymentCard(p, card, f.colour);
        p.restore();
    }
}

// The common frame: a light rounded panel, the picture on the left and the
// title centred in the room beside it, as large as the room allows.
QPixmap banner(const QSize &size, const QString &title, qreal iconAspect, DrawIcon draw)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const QRectF frame = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(frameBlue, 1.5));
    p.setBrush(vertical(frame, Qt::white, QColor(0xD6, 0xE4, 0xF2)));
    p.drawRoundedRect(frame, 10, 10);

    const qreal iconHeight = size.height() - 16;
    const QRectF icon(14, 8, iconHeight * iconAspect, iconHeight);
    p.save();
    QPainterPath inside;
    inside.addRoundedRect(frame, 10, 10);
    p.setClipPath(inside);
    draw(p, icon);
    p.restore();

    const QRectF room(icon.right() + 12, 0, size.width() - icon.right() - 24, size.height());
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    int pixels = int(size.height() * 0.38);
    font.setPixelSize(pixels);
    while (pixels > 10 && QFontMetrics(font).horizontalAdvance(title) > room.width())
        font.setPixelSize(--pixels);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(room.translated(1, 1), Qt::AlignCenter, title);
    p.setPen(ink);
    p.drawText(room, Qt::AlignCenter, title);
    return pixmap;
}

} // namespace

QPixmap Banners::fiscalCode(const QSize &size)
{
    return banner(size, QStringLiteral("Controllo codice fiscale"), 1.58, drawFiscalCard);
}

QPixmap Banners::vatNumber(const QSize &size)
{
    return banner(size, QStringLiteral("Controllo partita IVA"), 1.0, drawEmblem);
}

QPixmap Banners::iban(const QSize &size)
{
    return banner(size, QStringLiteral("Controllo IBAN"), 1.0, drawBank);
}

QPixmap Banners::cards(const QSize &size)
{
    return banner(size, QStringLiteral("Controllo carta di credito"), 1.7, drawCards);
}
