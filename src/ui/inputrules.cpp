#include "ui/inputrules.h"

#include "core/storage/text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>

namespace {
bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// Keys that only modify others: pressing Shift to type a capital must not move
// the focus before the capital arrives.
bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_AltGr:
    case Qt::Key_Meta: case Qt::Key_CapsLock: case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

bool isNavigation(int key) { return key == Qt::Key_Tab || key == Qt::Key_Backtab; }

QString upperTrimmed(const QString &text) { return Text::upperAz(Text::trimmed(text)); }
}

void replaceKeepingCaret(QLineEdit *box, const QString &filtered)
{
    const QString before = box->text();
    if (filtered == before)
        return;
    int caret = box->cursorPosition();
    // Characters trimmed off the front move the caret left with them.
    int lead = 0;
    while (lead < before.size() && before[lead].unicode() <= 32) ++lead;
    caret = qBound(0, caret - lead, int(filtered.size()));
    box->setText(filtered);
    box->setCursorPosition(caret);
}

void InputRules::watch(QWidget *w)
{
    w->removeEventFilter(this);
    w->installEventFilter(this);
}

void InputRules::enterMovesTo(QWidget *from, QWidget *to)
{
    m_next.insert(from, to);
    watch(from);
}

void InputRules::followTabOrder(const QList<QWidget *> &order)
{
    auto takesText = [](QWidget *w) { return qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w); };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (!qobject_cast<QLineEdit *>(order[i]))
            continue;
        for (qsizetype step = 1; step < order.size(); ++step) {
            QWidget *next = order[(i + step) % order.size()];
            if (takesText(next)) {
                enterMovesTo(order[i], next);
                break;
            }
        }
    }
}

void InputRules::oneCharacter(QLineEdit *box)
{
    m_oneChar.insert(box, true);
    box->setMaxLength(1);
    watch(box);
}

void InputRules::digitsOnly(QLineEdit *box)
{
    m_digits.insert(box, true);
    // Also holds against a paste from the context menu.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    watch(box);
}

void InputRules::upperCaseWhileTyping(QLineEdit *box)
{
    connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
        replaceKeepingCaret(box, upperTrimmed(text));
    });
}

void InputRules::trimWhileTyping(QLineEdit *box)
{
    connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
        replaceKeepingCaret(box, Text::trimmed(text));
    });
}

void InputRules::compactWhileTyping(QLineEdit *box, int limit)
{
    // Room for the blanks of a pasted group form; the limit itself is ours.
    box->setMaxLength(2 * limit);
    connect(box, &QLineEdit::textEdited, box, [box, limit](const QString &text) {
        replaceKeepingCaret(box, Text::compactCode(text, limit));
    });
}

void InputRules::moveOn(QWidget *from)
{
    if (QWidget *to = m_next.value(from))
        to->setFocus(Qt::TabFocusReason);
}

bool InputRules::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *w = static_cast<QWidget *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    const int k = key->key();

    if (isEnter(k) && m_next.contains(w)) {
        moveOn(w);
        return true;
    }
    if (m_oneChar.contains(w)) {
        auto *box = static_cast<QLineEdit *>(w);
        if (k == Qt::Key_Backspace || k == Qt::Key_Delete) {
            box->clear();
            return true;
        }
        if (k == Qt::Key_Left || k == Qt::Key_Right || isModifierOnly(k) || isNavigation(k))
            return false;
        const QString typed = key->text();
        if (!typed.isEmpty() && typed[0].isPrint())
            box->setText(upperTrimmed(typed.left(1)));
        moveOn(w);
        return true;
    }
    if (m_digits.contains(w)) {
        if (k == Qt::Key_Backspace || k == Qt::Key_Delete || k == Qt::Key_Left || k == Qt::Key_Right
            || isModifierOnly(k) || isNavigation(k))
            return false;
        const QString typed = key->text();
        const bool digit = typed.size() == 1 && typed[0] >= QLatin1Char('0') && typed[0] <= QLatin1Char('9');
        return !digit;
    }
    return false;
}
