#include "help/helpwindow.h"

#include "core/help/helptopics.h"
#include "help/frmguida.h"
#include "help/frminfo.h"
#include "help/frmsplash.h"
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
