#include "app/helpwindow.h"

#include "app/frmguida.h"
#include "app/frminfo.h"
#include "app/frmsplash.h"
#include "app/helptopics.h"
#include "ui/dialogs.h"

#include <QPointer>

namespace {
template <class Window, class... Args>
void showOnce(QWidget *parent, Args &&...args)
{
    // Guarded: the window dies with its parent should that go first.
    QPointer<Window> window = new Window(parent);
    (window->setTopic(args), ...);
    dialogs().showModal(window);
    delete window.data();
}
}

void openHelp(QWidget *parent, const HelpTopic &topic)
{
    showOnce<FrmGuida>(parent, topic);
}

void openInfo(QWidget *parent)
{
    showOnce<FrmInfo>(parent);
}

void openSplash(QWidget *parent)
{
    showOnce<FrmSplash>(parent);
}
