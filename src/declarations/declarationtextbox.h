#pragma once
#include "core/declarations/declarationtext.h"

#include <QString>

class QPlainTextEdit;

// The declaration text box as the record sees it.
namespace DeclarationTextBox {
// The text exactly as the box holds it, breaks as LF: a no-break space stays
// one, so a text read and saved again keeps every byte nobody touched.
QString text(const QPlainTextEdit *box);

// Keeps the box within `maxBytes` record bytes: whatever an edit adds beyond
// that is cut from the end of what it added. Characters the archive cannot
// store never enter it.
void limitRecordBytes(QPlainTextEdit *box, int maxBytes = DeclarationText::capacity);

// Puts `line` on a line of its own at the box's cursor (after the selection,
// which stays) and leaves the cursor at its end. False, and the box as it
// was, when the text would pass `maxBytes` record bytes.
bool insertLine(QPlainTextEdit *box, const QString &line, int maxBytes = DeclarationText::capacity);
}
