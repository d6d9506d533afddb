#include "help/menuartwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
QFont font(const char *family, int pixels, bool bold, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void person(QPainter &p, QPointF at, qreal s, const QColor &c)
{
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawEllipse(at + QPointF(0, -s * 0.55), s * 0.28, s * 0.28);
    QPainterPath body;
    body.moveTo(at + QPointF(-s * 0.5, s * 0.45));
    body.cubicTo(at + QPointF(-s * 0.5, -s * 0.2), at + QPointF(s * 0.5, -s * 0.2), at + QPointF(s * 0.5, s * 0.45));
    body.closeSubpath();
    p.drawPath(body);
}

void sheet(QPainter &p, const QRectF &r, int lineCount)
{
    p.setPen(QPen(QColor(0x90, 0xA4, 0xB8), 2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(0xA8, 0xB8, 0xC8), 3));
    for (int i = 0; i < lineCount; ++i) {
        const qreal y = r.top() + 22 + i * 14;
        p.drawLine(QPointF(r.left() + 12, y), QPointF(r.right() - (i % 3 == 2 ? 40 : 12), y));
    }
}
}

void MenuArtwork::familyName(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font("DejaVu Sans", 40, true, true));
    p.setPen(QColor(0x1D, 0x3B, 0x63));
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quirendo Pro"));
    p.restore();
}

void MenuArtwork::productName(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font("DejaVu Sans", 38, true));
    p.setPen(QColor(0xC6, 0x28, 0x28));
    p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("ATTESTARI"));
    p.restore();
}

void MenuArtwork::strip(QPainter &p, const QRectF &r, const QString &text)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(0x46, 0x82, 0xB4));
    g.setColorAt(1, QColor(0xDC, 0xE8, 0xF3));
    p.fillRect(r, g);
    p.setFont(font("Verdana", 12, true));
    p.setPen(Qt::white);
    p.drawText(r.adjusted(10, 0, -10, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.restore();
}

void MenuArtwork::emblem(QPainter &p, const QRectF &r, Emblem which)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = qMin(r.width(), r.height()) - 8;
    const QRectF circle(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    QRadialGradient g(circle.center() - QPointF(d * 0.2, d * 0.25), d * 0.8);
    const QColor tone = which == Emblem::Registry ? QColor(0x7F, 0xB3, 0xD5)
                        : which == Emblem::SelfCertification ? QColor(0x8E, 0xC9, 0x9B)
                                                             : QColor(0xE3, 0xB5, 0x7A);
    g.setColorAt(0, tone.lighter(150));
    g.setColorAt(1, tone.darker(115));
    p.setPen(QPen(Qt::white, 6));
    p.setBrush(g);
    p.drawEllipse(circle);
    p.setClipRegion(QRegion(circle.toRect(), QRegion::Ellipse));
    const QPointF c = circle.center();
    switch (which) {
    case Emblem::Registry: {
        // An index card with people on it.
        p.setPen(QPen(QColor(0x5D, 0x6D, 0x7E), 2));
        p.setBrush(QColor(0xFF, 0xFB, 0xF0));
        p.drawRoundedRect(QRectF(c.x() - 88, c.y() - 58, 176, 116), 8, 8);
        person(p, c + QPointF(-46, 8), 64, QColor(0x2F, 0x6F, 0xB7));
        sheet(p, QRectF(c.x() - 4, c.y() - 40, 76, 80), 4);
        break;
    }
    case Emblem::SelfCertification: {
        // A form with a seal and a pen.
        sheet(p, QRectF(c.x() - 56, c.y() - 80, 112, 150), 7);
        p.setPen(QPen(QColor(0x8A, 0x1C, 0x1C), 3));
        p.setBrush(QColor(0xC6, 0x28, 0x28));
        p.drawEllipse(c + QPointF(30, 48), 18, 18);
        p.setPen(QPen(QColor(0x1D, 0x3B, 0x63), 8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-60, 70), c + QPointF(0, 16));
        break;
    }
    case Emblem::Notoriety: {
        // Scales over a document.
        sheet(p, QRectF(c.x() - 50, c.y() - 20, 100, 110), 5);
        p.setPen(QPen(QColor(0x5D, 0x40, 0x37), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(0, -90), c + QPointF(0, -10));
        p.drawLine(c + QPointF(-70, -70), c + QPointF(70, -70));
        p.setBrush(QColor(0xFF, 0xD5, 0x4F));
        for (int side : {-1, 1}) {
            const QPointF hook = c + QPointF(side * 70, -70);
            p.drawLine(hook, hook + QPointF(-18, 34));
            p.drawLine(hook, hook + QPointF(18, 34));
            p.drawChord(QRectF(hook.x() - 26, hook.y() + 20, 52, 30), 180 * 16, 180 * 16);
        }
        break;
    }
    }
    p.restore();
}

void MenuArtwork::separator(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(0x46, 0x82, 0xB4));
    g.setColorAt(1, Qt::white);
    p.fillRect(r.adjusted(0, r.height() / 3, 0, -r.height() / 3), g);
}

void MenuArtwork::labelBar(QPainter &p, const QRectF &r, const QString &label)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x5D, 0x85, 0xA6));
    g.setColorAt(1, QColor(0x2B, 0x4E, 0x72));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    p.setFont(font("Verdana", 15, true));
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, label);
    p.restore();
}

void MenuArtwork::note(QPainter &p, const QRectF &r, const QString &text)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(r.adjusted(5, 5, 0, 0));
    const QRectF paper = r.adjusted(0, 0, -5, -5);
    QLinearGradient g(paper.topLeft(), paper.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xF5, 0x9D));
    g.setColorAt(1, QColor(0xFF, 0xE0, 0x66));
    p.setBrush(g);
    p.drawRect(paper);
    p.setFont(font("Verdana", 12, false));
    p.setPen(QColor(0x3E, 0x2A, 0x00));
    p.drawText(paper.adjusted(10, 8, -10, -8), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    p.restore();
}
