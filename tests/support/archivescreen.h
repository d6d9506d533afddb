#pragma once
#include "child.h"
#include "fakedialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

// One archive window (or any window) shown and made active as the menu
// shows it, with the fake seam installed, driven by clicks and key presses.
template <typename Window>
struct ArchiveScreen
{
    FakeDialogs dialogs;
    std::unique_ptr<Window> w;

    ArchiveScreen() = default;
    explicit ArchiveScreen(Window *window) { show(window); }

    void show(Window *window)
    {
        w.reset(window);
        w->show();
        w->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(w.get())); }();
    }

    QLineEdit *box(const char *name) const { return child<QLineEdit>(w.get(), name); }
    QLabel *label(const char *name) const { return child<QLabel>(w.get(), name); }
    QString position() const { return label("lblPosizione")->text(); }
    QString focus() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void click(const char *name) { QTest::mouseClick(child<QAbstractButton>(w.get(), name), Qt::LeftButton); }
    // Key presses into the box `name`, given the focus first.
    void type(const char *name, const QString &keys)
    {
        box(name)->setFocus();
        QTest::keyClicks(box(name), keys);
    }
    FakeDialogs::Call lastMessage() const { return dialogs.lastMessage(); }
    qsizetype messageCount() const { return dialogs.messages().size(); }
};
