#include "ui/fittinglabel.h"

#include <QPainter>

QFont FittingLabel::fittedFont() const
{
    QFont f = font();
    const int room = contentsRect().width();
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(text()) > room)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    return f;
}

void FittingLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(fittedFont());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(contentsRect(), int(alignment()), text());
}
