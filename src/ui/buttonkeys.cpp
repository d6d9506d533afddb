#include "ui/buttonkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {
class EnterPresses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat())
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }
};
}

void ButtonKeys::install()
{
    static EnterPresses *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new EnterPresses(qApp);
    qApp->installEventFilter(filter);
}
