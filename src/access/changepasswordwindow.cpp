#include "access/changepasswordwindow.h"

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

ChangePasswordWindow::ChangePasswordWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    setFixedSize(411, 418);

    QWidget *panel = Backdrop::fill(this, Palette::steelBlue(), QSize(385, 390));

    auto *logo = new PadlockBanner(
        QStringLiteral("Cambia password"),
        QStringLiteral("Per cambiare la password immetti i dati nei campi sottostanti e premi OK."), QString(), panel);
    logo->setGeometry(16, 16, 353, 148);

    const struct { const char *label, *labelName, *box; int y; } rows[] = {
        {"Vecchia password:", "lblRigo05", "txtPasswordOld", 172},
        {"Nuova password:", "lblRigo06", "txtPasswordNew", 228},
        {"Conferma nuova password:", "lblRigo07", "txtConferma", 284},
    };
    PasswordBox *boxes[3];
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(QString::fromUtf8(rows[i].label), panel);
        label->setObjectName(QLatin1String(rows[i].labelName));
        label->setFont(FormKit::verdana(9));
        label->move(16, rows[i].y);
        label->adjustSize();
        boxes[i] = new PasswordBox(QLatin1String(rows[i].box), QRect(16, rows[i].y + 21, 353, 22),
                                   QRect(12, rows[i].y + 17, 361, 30), panel);
        connect(boxes[i], &QLineEdit::textChanged, this, &ChangePasswordWindow::updateOk);
        boxes[i]->installEventFilter(this);
    }
    m_old = boxes[0];
    m_new = boxes[1];
    m_confirm = boxes[2];

    auto *close = new QPushButton(QStringLiteral("Chiudi"), panel);
    close->setObjectName(QStringLiteral("cmdEsci"));
    close->setGeometry(8, 350, 146, 32);
    m_ok = new QPushButton(QStringLiteral("OK"), panel);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setGeometry(232, 350, 146, 32);
    m_ok->setEnabled(false);
    setTabOrder(m_old, m_new);
    setTabOrder(m_new, m_confirm);
    setTabOrder(m_confirm, close);
    setTabOrder(close, m_ok);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ok, &QPushButton::clicked, this, &ChangePasswordWindow::change);
}

void ChangePasswordWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_old->clear();
    m_new->clear();
    m_confirm->clear();
    m_old->setFocus();
}

void ChangePasswordWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

bool ChangePasswordWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease)
        updateOk();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter walks the three boxes round; it never presses OK.
            PasswordBox *next = watched == m_old ? m_new : watched == m_new ? m_confirm : m_old;
            next->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChangePasswordWindow::updateOk()
{
    m_ok->setEnabled(!Text::trimmed(m_old->text()).isEmpty() && !Text::trimmed(m_new->text()).isEmpty()
                     && !Text::trimmed(m_confirm->text()).isEmpty());
}

void ChangePasswordWindow::change()
{
    const auto stored = PasswordStore::read();
    if (!stored) {
        notice(this, Dialogs::Kind::Error, AccessMessages::changeError());
        return;
    }
    if (*stored != PasswordStore::canonical(m_old->text())) {
        notice(this, Dialogs::Kind::Warning, AccessMessages::wrongOldPassword());
        m_old->clear();
        m_old->setFocus();
        return;
    }
    if (Text::trimmed(m_new->text()) != Text::trimmed(m_confirm->text())) {
        notice(this, Dialogs::Kind::Warning, AccessMessages::notConfirmed());
        m_new->clear();
        m_confirm->clear();
        m_new->setFocus();
        return;
    }
    if (!PasswordStore::write(PasswordStore::canonical(m_new->text()))) {
        notice(this, Dialogs::Kind::Error, AccessMessages::changeError());
        return;
    }
    notice(this, Dialogs::Kind::Information, AccessMessages::changed());
    close();
}
