#pragma once

class DeclarationWindow;
class FrmAnagrafica;

// Opens the print (or preview) window of the declaration on screen; the
// declaration window has already made its checks.
void openDeclarationPrint(DeclarationWindow *window, bool preview);
// Opens the card print window of the registry card on screen.
void openCardPrint(FrmAnagrafica *registry);
