#pragma once

#include "core/declarations/declarationkind.h"

class ArchiveWindow;

// Opens the print (or preview) window of the declaration on screen; the
// declaration window has already made its checks.
void openDeclarationPrint(ArchiveWindow *window, const DeclarationKind &kind, bool preview);
// Opens the card print window of the registry card on screen.
void openCardPrint(ArchiveWindow *registry);
