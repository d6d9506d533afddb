#pragma once
#include "validators/checkwindow.h"

// Checks the remainder of a 27-character IBAN.
class FrmIban : public CheckWindow
{
    Q_OBJECT
public:
    explicit FrmIban(QWidget *parent = nullptr);

protected:
    void btnControllaClick() override;
};
