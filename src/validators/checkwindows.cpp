#include "validators/checkwindows.h"

#include "core/storage/text.h"
#include "ui/dialogs.h"
#include "validators/frmcarta.h"
#include "validators/frmcodfisc.h"
#include "validators/frmiban.h"
#include "validators/frmpartitaiva.h"

#include <QPointer>
#include <functional>

namespace {

template <class Window>
void openCheck(QWidget *parent, const QString &code, const std::function<void(Window *)> &prepare = {})
{
    // Guarded: the window dies with its parent should that go first.
    QPointer<Window> window = new Window(parent);
    window->setCode(Text::trimmed(code));
    if (prepare)
        prepare(window);
    dialogs().showModal(window);
    delete window.data();
}

bool digitsOnly(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return !text.isEmpty();
}

} // namespace

void openFiscalCodeCheck(QWidget *parent, const QString &code)
{
    openFiscalCodeCheck(parent, code, {});
}

void openFiscalCodeCheck(QWidget *parent, const QString &code, const BirthDataOnCard &card)
{
    if (digitsOnly(Text::trimmed(code)))
        openCheck<FrmPartitaIva>(parent, code);
    else
        openCheck<FrmCodFisc>(parent, code, [&card](FrmCodFisc *window) { window->setCard(card); });
}

void openVatCheck(QWidget *parent, const QString &vatNumber)
{
    openCheck<FrmPartitaIva>(parent, vatNumber);
}

void openIbanCheck(QWidget *parent, const QString &iban)
{
    openCheck<FrmIban>(parent, iban);
}

void openCardCheck(QWidget *parent, const QString &cardNumber)
{
    openCheck<FrmCarta>(parent, cardNumber);
}
