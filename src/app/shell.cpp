#include "app/shell.h"

#include "access/changepasswordwindow.h"
#include "access/passwordwindow.h"
#include "declarations/declarationwindow.h"
#include "registry/frmanagrafica.h"
#include "ui/archivewindow.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

namespace {
void centreOnScreen(QWidget *w)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        w->move(screen->availableGeometry().center() - w->rect().center());
}

// Maximised; the geometry is set too, for desktops whose window manager
// ignores the request (or where there is none).
void showMaximisedOnScreen(QWidget *w)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        if (!w->isVisible())
            w->setGeometry(screen->availableGeometry());
    w->showMaximized();
    w->activateWindow();
}

std::unique_ptr<ArchiveWindow> makeRegistryWindow()
{
    return std::make_unique<FrmAnagrafica>();
}

std::unique_ptr<ArchiveWindow> makeSelfCertificationWindow()
{
    return std::make_unique<DeclarationWindow>(DeclarationKind::SelfCertification);
}

std::unique_ptr<ArchiveWindow> makeNotorietyWindow()
{
    return std::make_unique<DeclarationWindow>(DeclarationKind::Notoriety);
}
}

Shell::Shell()
{
    // Dates as dd/mm/yyyy and the decimal comma, program-wide.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    m_login = std::make_unique<PasswordWindow>();
    m_change = std::make_unique<ChangePasswordWindow>();
    m_menu = std::make_unique<MainMenu>();
    m_registry = makeRegistryWindow();
    m_selfCertifications = makeSelfCertificationWindow();
    m_notoriety = makeNotorietyWindow();

    connect(m_login.get(), &PasswordWindow::loggedIn, this, [this] {
        showMenu();
        m_login->hide();
    });
    connect(m_login.get(), &PasswordWindow::changePasswordRequested, this, [this] {
        centreOnScreen(m_change.get());
        m_change->show();
        m_change->activateWindow();
        m_login->hide();
    });
    connect(m_login.get(), &PasswordWindow::exitRequested, this, &Shell::end);
    connect(m_change.get(), &ChangePasswordWindow::closed, this, [this] {
        m_login->show();
        m_login->activateWindow();
        m_login->resetEntry();
    });
    connect(m_menu.get(), &MainMenu::archiveRequested, this, &Shell::openArchive);
    connect(m_menu.get(), &MainMenu::exitRequested, this, &Shell::end);
    for (auto which : {MainMenu::Archive::Registry, MainMenu::Archive::SelfCertifications,
                       MainMenu::Archive::Notoriety})
        connect(archive(which), &ArchiveWindow::closed, this, &Shell::showMenu);
}

Shell::~Shell() = default;

ArchiveWindow *Shell::archive(MainMenu::Archive which) const
{
    switch (which) {
    case MainMenu::Archive::Registry: return m_registry.get();
    case MainMenu::Archive::SelfCertifications: return m_selfCertifications.get();
    case MainMenu::Archive::Notoriety: return m_notoriety.get();
    }
    return nullptr;
}

void Shell::start()
{
    centreOnScreen(m_login.get());
    m_login->show();
    m_login->activateWindow();
}

void Shell::openArchive(MainMenu::Archive which)
{
    showMaximisedOnScreen(archive(which));
    m_menu->hide();
}

void Shell::showMenu()
{
    showMaximisedOnScreen(m_menu.get());
}

void Shell::end()
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_login.get(), m_change.get(), m_menu.get(), m_registry.get(),
                                                       m_selfCertifications.get(), m_notoriety.get()})
        w->hide();
    emit endRequested();
}
