#include "ui/archivewindow.h"

#include "ui/backdrop.h"

#include <QCloseEvent>
#include <QVBoxLayout>

ArchiveWindow::ArchiveWindow(const QString &objectName, const QString &caption, QWidget *parent)
    : QWidget(parent), m_backdrop(new Backdrop(Palette::archiveBlue(), QSize(994, 692), this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_backdrop);
    resize(1016, 713);
}

QWidget *ArchiveWindow::panel() const
{
    return m_backdrop->panel();
}

void ArchiveWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}
