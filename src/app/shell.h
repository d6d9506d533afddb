#pragma once
#include "app/mainmenu.h"

#include <QObject>
#include <memory>

class ArchiveWindow;
class ChangePasswordWindow;
class PasswordWindow;

// The program's long-lived windows and the moves between them: login, change
// password, menu, and the three archive windows. Exactly one is visible at a
// time; they are shown and hidden, never destroyed before the end.
class Shell : public QObject
{
    Q_OBJECT
public:
    Shell();
    ~Shell() override;

    void start();   // shows the login window

    PasswordWindow *login() const { return m_login.get(); }
    ChangePasswordWindow *changePassword() const { return m_change.get(); }
    MainMenu *menu() const { return m_menu.get(); }
    ArchiveWindow *archive(MainMenu::Archive which) const;

signals:
    // The user ended the program (menu exit, menu close box, login "Esci").
    void endRequested();

private:
    void openArchive(MainMenu::Archive which);
    void showMenu();
    void end();

    // Created in this order: the login window first, as the main window.
    std::unique_ptr<PasswordWindow> m_login;
    std::unique_ptr<ChangePasswordWindow> m_change;
    std::unique_ptr<MainMenu> m_menu;
    std::unique_ptr<ArchiveWindow> m_registry;
    std::unique_ptr<ArchiveWindow> m_selfCertifications;
    std::unique_ptr<ArchiveWindow> m_notoriety;
};
