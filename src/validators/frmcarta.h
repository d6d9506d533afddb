#pragma once
#include "validators/checkwindow.h"

// Checks a payment card number by the Luhn rule and names its network.
class FrmCarta : public CheckWindow
{
    Q_OBJECT
public:
    explicit FrmCarta(QWidget *parent = nullptr);

protected:
    void btnControllaClick() override;
};
