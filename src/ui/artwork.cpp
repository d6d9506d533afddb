#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor ink(0x2B, 0x3E, 0x5A);
const QColor paper(0xFF, 0xFF, 0xFF);
const QColor blue(0x2F, 0x6F, 0xB7);
const QColor green(0x2E, 0x9B, 0x3A);

// Works in a 100 x 100 design square scaled into r.
struct Canvas
{
    QPainter &p;
    Canvas(QPainter &painter, const QRectF &r) : p(painter)
    {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        const qreal side = qMin(r.width(), r.height());
        p.translate(r.center().x() - side / 2, r.center().y() - side / 2);
        p.scale(side / 100.0, side / 100.0);
    }
    ~Canvas() { p.restore(); }
    void pen(const QColor &c, qreal w) { p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); }
};

void page(Canvas &c, const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 16, r.top());
    path.lineTo(r.right(), r.top() + 16);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    c.pen(ink, 4);
    c.p.setBrush(paper);
    c.p.drawPath(path);
    c.p.drawLine(QPointF(r.right() - 16, r.top()), QPointF(r.right() - 16, r.top() + 16));
    c.p.drawLine(QPointF(r.right() - 16, r.top() + 16), QPointF(r.right(), r.top() + 16));
}

void lines(Canvas &c, const QRectF &r, int n)
{
    c.pen(QColor(0x9A, 0xB0, 0xC8), 3);
    for (int i = 0; i < n; ++i) {
        const qreal y = r.top() + 30 + i * 12;
        c.p.drawLine(QPointF(r.left() + 10, y), QPointF(r.right() - 10, y));
    }
}

void magnifier(Canvas &c, QPointF centre, qreal radius)
{
    c.pen(QColor(0x55, 0x3A, 0x1E), 10);
    c.p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.6, radius * 1.6));
    c.pen(ink, 6);
    c.p.setBrush(QColor(0xCF, 0xE8, 0xFF, 220));
    c.p.drawEllipse(centre, radius, radius);
}

void arrow(Canvas &c, bool left, bool bar, bool twoHeads = false)
{
    QPainterPath tri;
    const qreal d = left ? -1 : 1;
    auto head = [&](qreal tipX) {
        tri.moveTo(tipX, 50);
        tri.lineTo(tipX - d * 34, 22);
        tri.lineTo(tipX - d * 34, 78);
        tri.closeSubpath();
    };
    head(left ? 18 : 82);
    if (twoHeads)
        head(left ? 46 : 54);
    QLinearGradient g(0, 20, 0, 80);
    g.setColorAt(0, QColor(0x6F, 0xB1, 0xF0));
    g.setColorAt(1, blue);
    c.pen(QColor(0x1D, 0x4E, 0x8A), 4);
    c.p.setBrush(g);
    c.p.drawPath(tri);
    if (bar) {
        c.p.setBrush(QColor(0x1D, 0x4E, 0x8A));
        c.p.drawRect(QRectF(left ? 8 : 84, 22, 8, 56));
    }
}

void letter(Canvas &c, const QString &text, const QColor &colour, int pixelSize)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(pixelSize);
    c.p.setFont(f);
    c.p.setPen(colour);
    c.p.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter, text);
}

// A white sign on a blue disc.
void badge(Canvas &c, const QString &sign)
{
    c.pen(QColor(0x1D, 0x4E, 0x8A), 4);
    c.p.setBrush(blue);
    c.p.drawEllipse(QRectF(8, 8, 84, 84));
    letter(c, sign, Qt::white, 62);
}

} // namespace

void Artwork::paint(QPainter &p, const QRectF &r, Icon icon)
{
    Canvas c(p, r);
    switch (icon) {
    case Icon::NewPage:
        page(c, QRectF(22, 10, 56, 80));
        break;
    case Icon::TwoPages:
        page(c, QRectF(12, 6, 50, 70));
        page(c, QRectF(38, 24, 50, 70));
        lines(c, QRectF(38, 24, 50, 70), 3);
        break;
    case Icon::Diskette: {
        c.pen(QColor(0x10, 0x2A, 0x55), 4);
        c.p.setBrush(blue);
        c.p.drawRoundedRect(QRectF(12, 12, 76, 76), 6, 6);
        c.p.setBrush(QColor(0xD8, 0xDE, 0xE6));
        c.p.drawRect(QRectF(28, 12, 44, 26));
        c.p.setBrush(QColor(0x10, 0x2A, 0x55));
        c.p.drawRect(QRectF(56, 17, 10, 16));
        c.p.setBrush(paper);
        c.p.drawRect(QRectF(24, 52, 52, 36));
        break;
    }
    case Icon::Magnifier:
        magnifier(c, QPointF(42, 42), 24);
        break;
    case Icon::Preview:
        page(c, QRectF(14, 8, 54, 76));
        lines(c, QRectF(14, 8, 54, 76), 3);
        magnifier(c, QPointF(58, 58), 18);
        break;
    case Icon::First: arrow(c, true, true); break;
    case Icon::Back: arrow(c, true, false); break;
    case Icon::Forward: arrow(c, false, false); break;
    case Icon::Last: arrow(c, false, true); break;
    case Icon::Spreadsheet: {
        c.pen(QColor(0x1B, 0x5E, 0x20), 4);
        c.p.setBrush(paper);
        c.p.drawRect(QRectF(14, 14, 72, 72));
        c.p.setBrush(QColor(0x2E, 0x7D, 0x32));
        c.p.drawRect(QRectF(14, 14, 72, 18));
        c.pen(QColor(0x2E, 0x7D, 0x32), 3);
        for (int x = 38; x < 86; x += 24) c.p.drawLine(QPointF(x, 32), QPointF(x, 86));
        for (int y = 50; y < 86; y += 18) c.p.drawLine(QPointF(14, y), QPointF(86, y));
        break;
    }
    case Icon::WarningTriangle: {
        QPainterPath t;
        t.moveTo(50, 8);
        t.lineTo(94, 88);
        t.lineTo(6, 88);
        t.closeSubpath();
        c.pen(QColor(0x8A, 0x6D, 0x00), 5);
        c.p.setBrush(QColor(0xFF, 0xD5, 0x00));
        c.p.drawPath(t);
        letter(c, QStringLiteral("!"), Qt::black, 52);
        break;
    }
    case Icon::Help:
        badge(c, QStringLiteral("?"));
        break;
    case Icon::Info:
        badge(c, QStringLiteral("i"));
        break;
    case Icon::Exit: {
        c.pen(QColor(0x5D, 0x37, 0x1A), 4);
        c.p.setBrush(QColor(0x8D, 0x5A, 0x2B));
        c.p.drawRect(QRectF(22, 8, 46, 84));
        c.p.setBrush(QColor(0xFF, 0xD5, 0x4F));
        c.p.drawEllipse(QPointF(58, 52), 4, 4);
        c.pen(QColor(0xC6, 0x28, 0x28), 9);
        c.p.drawLine(QPointF(60, 30), QPointF(90, 30));
        c.p.drawLine(QPointF(80, 20), QPointF(90, 30));
        c.p.drawLine(QPointF(80, 40), QPointF(90, 30));
        break;
    }
    case Icon::Tick: {
        c.pen(green, 16);
        QPainterPath t;
        t.moveTo(14, 52);
        t.lineTo(40, 78);
        t.lineTo(88, 20);
        c.p.setBrush(Qt::NoBrush);
        c.p.drawPath(t);
        break;
    }
    case Icon::Envelope:
        c.pen(QColor(0x8A, 0x1C, 0x1C), 5);
        c.p.setBrush(QColor(0xFF, 0xF3, 0xE0));
        c.p.drawRect(QRectF(8, 22, 84, 58));
        c.p.drawLine(QPointF(8, 22), QPointF(50, 56));
        c.p.drawLine(QPointF(92, 22), QPointF(50, 56));
        break;
    case Icon::ArrowLeft: {
        QPainterPath a;
        a.moveTo(8, 50);
        a.lineTo(46, 14);
        a.lineTo(46, 34);
        a.lineTo(92, 34);
        a.lineTo(92, 66);
        a.lineTo(46, 66);
        a.lineTo(46, 86);
        a.closeSubpath();
        c.pen(QColor(0x1B, 0x5E, 0x20), 4);
        c.p.setBrush(green);
        c.p.drawPath(a);
        break;
    }
    case Icon::Copyright:
        c.pen(ink, 7);
        c.p.setBrush(paper);
        c.p.drawEllipse(QRectF(8, 8, 84, 84));
        letter(c, QStringLiteral("C"), ink, 56);
        break;
    case Icon::RedCross:
        c.pen(QColor(0xD3, 0x2F, 0x2F), 20);
        c.p.drawLine(QPointF(18, 18), QPointF(82, 82));
        c.p.drawLine(QPointF(82, 18), QPointF(18, 82));
        break;
    case Icon::PaperClip: {
        c.pen(QColor(0x60, 0x6A, 0x78), 7);
        c.p.setBrush(Qt::NoBrush);
        QPainterPath clip;
        clip.moveTo(62, 30);
        clip.lineTo(62, 76);
        clip.arcTo(QRectF(34, 62, 28, 28), 0, -180);
        clip.lineTo(34, 22);
        clip.arcTo(QRectF(34, 8, 36, 28), 180, -180);
        clip.lineTo(70, 70);
        c.p.drawPath(clip);
        break;
    }
    case Icon::Printer:
        c.pen(ink, 4);
        c.p.setBrush(paper);
        c.p.drawRect(QRectF(28, 10, 44, 30));
        c.p.setBrush(QColor(0x78, 0x86, 0x98));
        c.p.drawRoundedRect(QRectF(10, 36, 80, 36), 6, 6);
        c.p.setBrush(paper);
        c.p.drawRect(QRectF(26, 60, 48, 30));
        lines(c, QRectF(26, 42, 48, 30), 2);
        break;
    }
}

void Artwork::paintWide(QPainter &p, const QRectF &r, Icon icon, const QString &caption)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xF7, 0xFA, 0xFD));
    g.setColorAt(1, QColor(0xD5, 0xE3, 0xF1));
    p.setPen(QPen(QColor(0x7A, 0x9C, 0xC0), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    const qreal side = r.height() - 6;
    paint(p, QRectF(r.left() + 6, r.top() + 3, side, side), icon);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x1D, 0x3B, 0x63));
    p.drawText(r.adjusted(side + 12, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    p.restore();
}
