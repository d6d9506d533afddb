#pragma once
#include <QWidget>

class PasswordBox;
class QPushButton;

// Replaces the program password: the old one, then the new one twice.
class ChangePasswordWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ChangePasswordWindow(QWidget *parent = nullptr);

signals:
    // Closed by "Chiudi", its close box, or after a successful change.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateOk();
    void change();

    PasswordBox *m_old, *m_new, *m_confirm;
    QPushButton *m_ok;
};
