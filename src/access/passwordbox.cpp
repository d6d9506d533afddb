#include "access/passwordbox.h"

#include "ui/cp1252validator.h"
#include "ui/formkit.h"

PasswordBox::PasswordBox(const QString &name, const QRect &geometry, const QRect &frameGeometry, QWidget *panel)
    : QLineEdit(panel)
{
    m_frame = FormKit::addSurface(panel, QStringLiteral("eff") + name.mid(3), frameGeometry, QColor(0xFF, 0xFF, 0x00));
    m_frame->hide();
    setObjectName(name);
    setGeometry(geometry);
    setFont(FormKit::verdana(14, true));
    setEchoMode(QLineEdit::Password);
    setMaxLength(255);
    setValidator(new Cp1252Validator(this, Cp1252Validator::Foreign::Refuse));
    raise();
}

void PasswordBox::focusInEvent(QFocusEvent *event)
{
    m_frame->show();
    QLineEdit::focusInEvent(event);
}

void PasswordBox::focusOutEvent(QFocusEvent *event)
{
    m_frame->hide();
    QLineEdit::focusOutEvent(event);
}
