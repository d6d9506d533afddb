#include "ui/picturebutton.h"

#include <QPainter>

PictureButton::PictureButton(const QString &name, Painter painter, QWidget *parent)
    : QAbstractButton(parent), m_painter(std::move(painter))
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

PictureButton::PictureButton(const QString &name, Artwork::Icon icon, QWidget *parent)
    : PictureButton(name, [icon](QPainter &p, const QRectF &r) { Artwork::paint(p, r, icon); }, parent)
{
}

PictureButton::PictureButton(const QString &name, Artwork::Icon icon, const QString &caption, QWidget *parent)
    : PictureButton(name, [icon, caption](QPainter &p, const QRectF &r) { Artwork::paintWide(p, r, icon, caption); },
                    parent)
{
    setAccessibleName(caption);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRectF r = rect();
    if (isDown())
        r.translate(1, 1);
    m_painter(p, r);
    if (m_hover && isEnabled()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawRoundedRect(rect(), 4, 4);
    }
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}
