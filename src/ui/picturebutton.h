#pragma once
#include "ui/artwork.h"

#include <QAbstractButton>
#include <functional>

// A picture that acts as a button: hand cursor, never takes the focus (so the
// box being edited keeps it), lightens under the mouse.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter &, const QRectF &)>;

    PictureButton(const QString &name, Painter painter, QWidget *parent);
    PictureButton(const QString &name, Artwork::Icon icon, QWidget *parent);
    PictureButton(const QString &name, Artwork::Icon icon, const QString &caption, QWidget *parent);

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    Painter m_painter;
    bool m_hover = false;
};
