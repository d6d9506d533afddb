#pragma once
#include <QWidget>
#include <functional>

// A picture that only shows: drawn by the program, no focus, no reaction to
// the mouse of its own.
class DrawnPicture : public QWidget
{
public:
    using Painter = std::function<void(QPainter &, const QRectF &)>;
    DrawnPicture(const QString &name, const QRect &geometry, Painter painter, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Painter m_painter;
};
