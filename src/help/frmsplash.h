#pragma once
#include <QDialog>

// The credits: the maker's picture and a link to the maker's web site.
class FrmSplash : public QDialog
{
    Q_OBJECT
public:
    explicit FrmSplash(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();
};
