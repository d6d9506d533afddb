#pragma once
#include "validators/checkwindow.h"
#include "validators/checkwindows.h"

// Checks the check letter of a personal fiscal code and, when it is right,
// says what the code encodes and where the calling card disagrees with it.
class FrmCodFisc : public CheckWindow
{
    Q_OBJECT
public:
    explicit FrmCodFisc(QWidget *parent = nullptr);

    // The caller's birth date and sex; empty boxes are not compared.
    void setCard(const BirthDataOnCard &card) { m_card = card; }

protected:
    void btnControllaClick() override;

private:
    QString validVerdict() const;

    BirthDataOnCard m_card;
};
