#include "access/passwordwindow.h"

#include "access/padlockbanner.h"
#include "access/passwordbox.h"
#include "core/access/accessmessages.h"
#include "core/access/passwordstore.h"
#include "core/storage/text.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/formkit.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
QPushButton *button(const QString &name, const QString &text, const QRect &geometry, QWidget *panel)
{
    auto *b = new QPushButton(text, panel);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}
}

PasswordWindow::PasswordWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Quirendo Pro Attestari - Accesso"));
    setFixedSize(388, 405);

    QWidget *panel = Backdrop::fill(this, Palette::steelBlue(), QSize(360, 378));

    auto *logo = new PadlockBanner(QStringLiteral("Password"),
                                   QStringLiteral("Proteggi l'accesso all'app con una password di tua scelta."),
                                   QStringLiteral("La password iniziale è: bussolaperlina"), panel);
    logo->setGeometry(16, 16, 328, 160);

    auto *prompt = new QLabel(QStringLiteral("Immetti la password e premi OK."), panel);
    prompt->setObjectName(QStringLiteral("lblRigo05"));
    prompt->setFont(FormKit::verdana(9));
    prompt->move(36, 200);
    prompt->adjustSize();

    m_password = new PasswordBox(QStringLiteral("txtPassword"), QRect(36, 222, 230, 22), QRect(32, 218, 238, 30), panel);
    m_ok = button(QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(280, 216, 49, 33), panel);
    auto *exit = button(QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QRect(8, 338, 146, 32), panel);
    auto *change = button(QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"),
                          QRect(205, 338, 146, 32), panel);
    setTabOrder(m_password, m_ok);
    setTabOrder(m_ok, exit);
    setTabOrder(exit, change);
    m_ok->setEnabled(false);

    connect(m_password, &QLineEdit::textChanged, this, &PasswordWindow::updateOk);
    m_password->installEventFilter(this);
    connect(m_ok, &QPushButton::clicked, this, &PasswordWindow::login);
    connect(exit, &QPushButton::clicked, this, &PasswordWindow::exitRequested);
    connect(change, &QPushButton::clicked, this, &PasswordWindow::changePasswordRequested);
}

void PasswordWindow::resetEntry()
{
    m_password->clear();
    m_password->setFocus();
}

void PasswordWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_password->setFocus();
}

void PasswordWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit exitRequested();
}

bool PasswordWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_password) {
        if (event->type() == QEvent::KeyRelease)
            updateOk();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (m_ok->isEnabled())
                    login();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PasswordWindow::updateOk()
{
    m_ok->setEnabled(!Text::trimmed(m_password->text()).isEmpty());
}

void PasswordWindow::login()
{
    const auto stored = PasswordStore::read();
    if (!stored) {
        notice(this, Dialogs::Kind::Error, AccessMessages::readError());
        return;
    }
    if (*stored == PasswordStore::canonical(m_password->text())) {
        emit loggedIn();
        return;
    }
    notice(this, Dialogs::Kind::Warning, AccessMessages::wrongPassword());
    resetEntry();
}
