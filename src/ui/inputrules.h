#pragma once
#include <QHash>
#include <QList>
#include <QObject>

class QLineEdit;
class QWidget;

// How the boxes of an archive window react to the keyboard: Enter moves the
// focus along a chain, one-character boxes fill and hand on to the next,
// some boxes take digits only, some are upper-cased while typing.
class InputRules : public QObject
{
    Q_OBJECT
public:
    explicit InputRules(QObject *parent) : QObject(parent) {}

    // Enter in `from` moves the focus to `to` (never saves, never presses a button).
    void enterMovesTo(QWidget *from, QWidget *to);
    // Sets the tab order of the controls as listed, and makes Enter in each
    // single-line box move to the next text box of that order, wrapping from
    // the last to the first. Check boxes are passed over; a multi-line box
    // keeps Enter for its line breaks.
    void followTabOrder(const QList<QWidget *> &order);
    // A box of one character: Backspace or Delete empties it, any other key
    // (a character typed with it is entered) moves on to its Enter target.
    void oneCharacter(QLineEdit *box);
    // Only digits reach the box; Backspace, Delete, the arrows and Tab work as usual.
    void digitsOnly(QLineEdit *box);
    // After each typed change the text is trimmed, and upper-cased (a to z).
    void upperCaseWhileTyping(QLineEdit *box);
    void trimWhileTyping(QLineEdit *box);
    // A code typed or pasted in printed groups: blanks are dropped before its
    // limit of `limit` characters applies, and the rest is upper-cased.
    void compactWhileTyping(QLineEdit *box, int limit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveOn(QWidget *from);
    void watch(QWidget *w);

    QHash<QWidget *, QWidget *> m_next;
    QHash<QWidget *, bool> m_oneChar;
    QHash<QWidget *, bool> m_digits;
};

// Replaces a box's text with its filtered form, keeping the caret where the user had it.
void replaceKeepingCaret(QLineEdit *box, const QString &filtered);
