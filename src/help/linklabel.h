#pragma once
#include <QColor>
#include <QLabel>

// An underlined link text with the hand cursor: dark blue, orange while the
// mouse button is held down on it (or on the icon beside it), dark blue again
// when the button is released. clicked() follows a release over the text.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &name, const QString &text, QWidget *parent);

    static QColor restColour() { return QColor(0x00, 0x00, 0x8B); }
    static QColor pressedColour() { return QColor(0xFF, 0xA5, 0x00); }

    QColor colour() const;
    void setPressed(bool pressed);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

class QAbstractButton;
// The icon beside a link: pressing it colours the link, clicking it does what the link does.
void pairWithLink(QAbstractButton *icon, LinkLabel *link);
