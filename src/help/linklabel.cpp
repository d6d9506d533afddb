#include "help/linklabel.h"

#include <QAbstractButton>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &name, const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setObjectName(name);
    QFont font(QStringLiteral("Tahoma"), 14);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setPressed(false);
}

QColor LinkLabel::colour() const
{
    return palette().color(QPalette::WindowText);
}

void LinkLabel::setPressed(bool pressed)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, pressed ? pressedColour() : restColour());
    setPalette(p);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setPressed(true);
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setPressed(false);
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void pairWithLink(QAbstractButton *icon, LinkLabel *link)
{
    QObject::connect(icon, &QAbstractButton::pressed, link, [link] { link->setPressed(true); });
    QObject::connect(icon, &QAbstractButton::released, link, [link] { link->setPressed(false); });
    QObject::connect(icon, &QAbstractButton::clicked, link, &LinkLabel::clicked);
}
