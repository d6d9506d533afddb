#pragma once
#include <QWidget>

// The registry window's decoration: a figure holding a red envelope, drawn in
// a 190 x 238 design box and scaled to the widget. Lets the mouse through, so
// moving over it counts as moving over the panel beneath.
class EnvelopeFigure : public QWidget
{
    Q_OBJECT
public:
    explicit EnvelopeFigure(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
