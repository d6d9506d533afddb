#include "ui/backdrop.h"

#include "ui/buttonkeys.h"

#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

Backdrop::Backdrop(const QColor &top, const QSize &panelSize, QWidget *parent)
    : QWidget(parent), m_top(top), m_panel(new QWidget(this))
{
    ButtonKeys::install();
    m_panel->setObjectName(QStringLiteral("panSfondo"));
    m_panel->setFixedSize(panelSize);
    setMinimumSize(panelSize);
}

void Backdrop::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, m_top);
    g.setColorAt(1, Qt::white);
    p.fillRect(rect(), g);
}

void Backdrop::resizeEvent(QResizeEvent *)
{
    m_panel->move(qMax(0, (width() - m_panel->width()) / 2),
                  qMax(0, (height() - m_panel->height()) / 2));
}

QWidget *Backdrop::fill(QWidget *window, const QColor &top, const QSize &panelSize)
{
    auto *backdrop = new Backdrop(top, panelSize, window);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(backdrop);
    return backdrop->panel();
}
