#include "declarations/declarationtextbox.h"

#include "core/declarations/declarationtext.h"
#include "core/declarations/formulainsertion.h"
#include "core/storage/cp1252.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {
using DeclarationText::bytesOf;

// Watches one box: remembers where the last edit added text, and cuts the
// excess from there once the edit is complete.
class Limiter : public QObject
{
public:
    Limiter(QPlainTextEdit *box, int maxBytes) : QObject(box), m_box(box), m_max(maxBytes)
    {
        connect(box->document(), &QTextDocument::contentsChange, this,
                [this](int position, int, int added) {
                    m_position = position;
                    m_added = added;
                });
        connect(box, &QPlainTextEdit::textChanged, this, &Limiter::enforce);
    }

private:
    // Characters the archive cannot store never enter the text: the record
    // would hold '?' in their place.
    void dropUnstorable()
    {
        QTextDocument *doc = m_box->document();
        const int last = doc->characterCount() - 1;
        const int position = m_position, added = m_added;   // the removals below report edits too
        const int from = qBound(0, position, last);
        const int to = added > 0 ? qBound(0, position + added, last) : last;
        int dropped = 0;
        for (int i = to - 1; i >= from; --i) {
            const QChar c = doc->characterAt(i);
            if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator
                || (!c.isSurrogate() && Cp1252::canEncode(char32_t(c.unicode()))))
                continue;
            QTextCursor cut(doc);
            cut.setPosition(i);
            cut.setPosition(i + 1, QTextCursor::KeepAnchor);
            cut.removeSelectedText();
            ++dropped;
        }
        m_position = position;
        m_added = qMax(0, added - dropped);
    }

    void enforce()
    {
        if (m_cutting)
            return;
        m_cutting = true;
        dropUnstorable();
        m_cutting = false;
        int excess = DeclarationText::recordBytes(DeclarationTextBox::text(m_box)) - m_max;
        if (excess <= 0)
            return;
        QTextDocument *doc = m_box->document();
        const int last = doc->characterCount() - 1;   // the final separator is not text
        // Cut from the end of what the edit added; with nothing known about
        // the edit, from the end of the text.
        const int end = m_added > 0 ? qBound(0, m_position + m_added, last) : last;
        int from = end;
        while (from > 0 && excess > 0) {
            --from;
            excess -= bytesOf(doc->characterAt(from));
        }
        m_cutting = true;
        QTextCursor cut(doc);
        cut.setPosition(from);
        cut.setPosition(end, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
        m_cutting = false;
    }

    QPlainTextEdit *m_box;
    int m_max;
    int m_position = 0;
    int m_added = 0;
    bool m_cutting = false;
};
}

QString DeclarationTextBox::text(const QPlainTextEdit *box)
{
    // toPlainText() turns a no-break space into a plain blank; the raw text
    // keeps every character as typed and marks breaks as separators.
    QString raw = box->document()->toRawText();
    for (QChar &c : raw)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return raw;
}

void DeclarationTextBox::limitRecordBytes(QPlainTextEdit *box, int maxBytes)
{
    new Limiter(box, maxBytes);
}

bool DeclarationTextBox::insertLine(QPlainTextEdit *box, const QString &line, int maxBytes)
{
    const QTextCursor current = box->textCursor();
    const FormulaInsertion plan =
            FormulaInsertion::plan(text(box), current.anchor(), current.position(), line, maxBytes);
    if (!plan.fits)
        return false;
    QTextCursor cursor(box->document());
    cursor.setPosition(plan.position);
    cursor.insertText(plan.text);
    // Characters the archive cannot store have left already.
    cursor.setPosition(qMin(plan.cursorAfter, box->document()->characterCount() - 1));
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    return true;
}
