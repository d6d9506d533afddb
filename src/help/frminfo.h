#pragma once
#include <QDialog>

// What the program is and who makes it, with a link that writes to the maker.
class FrmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit FrmInfo(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();
};
