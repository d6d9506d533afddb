#include "ui/statushints.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

StatusHints::StatusHints(QLabel *status, QObject *parent) : QObject(parent), m_status(status) {}

void StatusHints::hint(QWidget *control, const QString &text)
{
    m_hints.insert(control, text);
    control->setAttribute(Qt::WA_Hover);
    control->installEventFilter(this);
}

void StatusHints::blank(QWidget *surface)
{
    m_surfaces.insert(surface);
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
}

bool StatusHints::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_status)
        return false;
    if (event->type() == QEvent::Enter || event->type() == QEvent::HoverMove) {
        const auto it = m_hints.constFind(watched);
        if (it != m_hints.constEnd() && m_status->text() != *it)
            m_status->setText(*it);
    } else if (event->type() == QEvent::MouseMove && m_surfaces.contains(watched)) {
        // A move that bubbled up from a box or label on the surface is not a
        // move over the background.
        auto *surface = static_cast<QWidget *>(watched);
        const QWidget *under = surface->childAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (!under || m_surfaces.contains(const_cast<QWidget *>(under)))
            m_status->clear();
    }
    return false;
}

void StatusHints::tell(QWidget *control, const QString &text)
{
    if (!control)
        return;
    if (auto *bar = control->window()->findChild<QLabel *>(QStringLiteral("panInfo")))
        bar->setText(text);
}

void StatusHints::tellReplaced(QWidget *control)
{
    tell(control, QStringLiteral("Attenzione: i caratteri che l'archivio non può conservare sono stati "
                                 "sostituiti con la lettera di base o tolti."));
}
