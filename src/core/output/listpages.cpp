#include "core/output/listpages.h"

#include <cmath>

namespace {
constexpr qreal margin = 10;
constexpr qreal top = margin, bottom = 210 - margin;
constexpr int slateGrey = 0x708090;

PageText band(qreal x, qreal y, qreal w, const QString &text, qreal points)
{
    PageText t;
    t.box = QRectF(x, y, w, 5);
    t.text = text;
    t.family = QStringLiteral("Verdana");
    t.points = points;
    t.bold = true;
    t.align = Qt::AlignCenter;
    t.fill = slateGrey;
    t.ink = 0xFFFFFF;
    return t;
}
} // namespace

QList<PrintedPage> ListPages::pages(const QString &title, const QStringList &lines, const QDate &day)
{
    PrintedPage blank;
    blank.paper = QSizeF(297, 210);
    QList<PrintedPage> out{blank};
    PageText heading = band(margin + 2, top + 1, 273, title, 9);
    heading.name = QStringLiteral("titTitolo");
    out.last().texts.append(heading);
    qreal y = top + 8;

    int next = 0;
    while (next < lines.size()) {
        const int room = int(std::floor((bottom - y) / lineMm + 1e-6));
        if (room <= 0) {
            out.append(blank);
            y = top;
            continue;
        }
        const int count = qMin(room, int(lines.size()) - next);
        PageText data;
        data.name = QStringLiteral("lstRecords");
        data.box = QRectF(margin + 3, y, 273, count * lineMm);
        data.text = lines.mid(next, count).join(QLatin1Char('\n'));
        data.family = QStringLiteral("Courier New");
        data.points = 8;
        data.align = Qt::AlignLeft | Qt::AlignTop;
        data.lineHeight = lineMm;
        out.last().texts.append(data);
        next += count;
        y += count * lineMm;
    }
    // The data band is 10 units taller than its lines.
    y = qMin(y + 10 * unitMm, bottom);
    if (y + 8 > bottom + 1e-6) {
        out.append(blank);
        y = top;
    }
    PageText closing = band(margin + 3, y + 2, 272,
                            QStringLiteral("Stampa eseguita in data ") + day.toString(QStringLiteral("dd/MM/yyyy")), 8);
    closing.name = QStringLiteral("txtCalce");
    out.last().texts.append(closing);
    return out;
}
