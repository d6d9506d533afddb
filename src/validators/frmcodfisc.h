#pragma once
#include "validators/checkwindow.h"

// Checks the check letter of a personal fiscal code.
class FrmCodFisc : public CheckWindow
{
    Q_OBJECT
public:
    explicit FrmCodFisc(QWidget *parent = nullptr);

protected:
    void btnControllaClick() override;
};
