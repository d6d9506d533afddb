#pragma once
#include "core/declarations/declarationkind.h"
#include "core/output/printedpage.h"

#include <QHash>
#include <QStringList>

// The one-page A4 form of each declaration kind and its filling.
namespace DeclarationPage {
PrintedPage design(DeclarationKind::Id kind);

// The twenty controls of the declaration window the form is filled from.
QStringList sourceControls();

// Box name -> text, from the controls' texts (control name -> text).
QHash<QString, QString> boxTexts(const QHash<QString, QString> &controls);

// The design with the boxes filled.
PrintedPage filled(DeclarationKind::Id kind, const QHash<QString, QString> &controls);
}
