#include "declarations/declarationtextbox.h"

#include "core/declarations/declarationtext.h"
#include "core/declarations/formulainsertion.h"
#include "core/storage/cp1252.h"
#include "ui/statushints.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
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
    // Characters the archive cannot store never enter the text (the record
    // would hold '?' in their place): each becomes its base letter where the
    // code page has one, or is left out, and the hint bar says so.
    void replaceUnstorable()
    {
        QTextDocument *doc = m_box->document();
        const int last = doc->characterCount() - 1;
        const int position = m_position, added = m_added;   // the replacement below reports an edit too
        const int from = qBound(0, position, last);
        const int to = added > 0 ? qBound(0, position + added, last) : last;
        QTextCursor range(doc);
        range.setPosition(from);
        range.setPosition(to, QTextCursor::KeepAnchor);
        const QString before = range.selectedText();
        bool changed = false;
        // Line breaks stay breaks; every piece between them is made storable.
        static const QRegularExpression breaks(QStringLiteral("[\\x{2028}\\x{2029}]"));
        QString after;
        qsizetype at = 0;
        for (auto it = breaks.globalMatch(before); ; ) {
            const bool more = it.hasNext();
            const auto match = more ? it.next() : QRegularExpressionMatch();
            const qsizetype end = more ? match.capturedStart() : before.size();
            bool pieceChanged = false;
            after += Cp1252::storable(QStringView(before).sliced(at, end - at), &pieceChanged);
            changed = changed || pieceChanged;
            if (!more)
                break;
            after += before.at(end);
            at = end + 1;
        }
        if (!changed)
            return;
        const int caret = m_box->textCursor().position();
        range.insertText(after);
        if (caret >= to) {
            QTextCursor moved = m_box->textCursor();
            moved.setPosition(qBound(0, caret - int(before.size() - after.size()), doc->characterCount() - 1));
            m_box->setTextCursor(moved);
        }
        m_position = position;
        m_added = qMax(0, added - int(before.size() - after.size()));
        StatusHints::tellReplaced(m_box);
    }

    void enforce()
    {
        if (m_cutting)
            return;
        m_cutting = true;
        replaceUnstorable();
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
        StatusHints::tell(m_box, QStringLiteral("Attenzione: il testo della dichiarazione non può superare i %1 "
                                                "caratteri; la parte in eccesso non è stata inserita.")
                                     .arg(m_max));
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
