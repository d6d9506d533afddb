#pragma once
#include "validators/checkwindow.h"

// Checks the check digit of a VAT number and names the office that issued it.
class FrmPartitaIva : public CheckWindow
{
    Q_OBJECT
public:
    explicit FrmPartitaIva(QWidget *parent = nullptr);

protected:
    void btnControllaClick() override;
};
