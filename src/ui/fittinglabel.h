#pragma once
#include <QLabel>

// A one-line label that keeps its box and its font family and draws its
// text smaller when the text would not fit: a record number of five or
// more digits in the narrow position box stays readable whole.
class FittingLabel : public QLabel
{
public:
    explicit FittingLabel(QWidget *parent = nullptr) : QLabel(parent) {}

    // The font the text is drawn with: the label's own, or smaller.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
