#pragma once
#include <QLineEdit>

class QWidget;

// A masked password box in Verdana 14 bold, at most 255 characters, that
// refuses characters the store cannot keep (outside Windows-1252): whatever
// can be typed can be matched again. A yellow frame behind it shows while it
// has the focus.
class PasswordBox : public QLineEdit
{
    Q_OBJECT
public:
    PasswordBox(const QString &name, const QRect &geometry, const QRect &frameGeometry, QWidget *panel);

    QWidget *frame() const { return m_frame; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QWidget *m_frame;
};
