#include "ui/drawnpicture.h"

#include <QPainter>

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
