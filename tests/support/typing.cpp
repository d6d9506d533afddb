#include "typing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        const QString s(ch);
        const int key = ch.isLetterOrNumber() && ch.unicode() < 128 ? ch.toUpper().unicode()
                        : ch == QLatin1Char(' ')                     ? int(Qt::Key_Space)
                                                                      : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, s);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, s);
        QApplication::sendEvent(widget, &release);
    }
}
