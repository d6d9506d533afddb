#pragma once
#include <QWidget>

class PasswordBox;
class QPushButton;

// The login window: the first window of every run. A correct password opens
// the menu; from here the user can also change the password or leave.
class PasswordWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PasswordWindow(QWidget *parent = nullptr);

    // Empties the password box and gives it the focus (also on every show).
    void resetEntry();

signals:
    void loggedIn();
    void changePasswordRequested();
    void exitRequested();

protected:
    void showEvent(QShowEvent *event) override;
    // Closed by the window manager (its close button, Alt+F4): Esci.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateOk();
    void login();

    PasswordBox *m_password;
    QPushButton *m_ok;
};
