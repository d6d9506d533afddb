#pragma once
#include <QString>

class QWidget;

// Types text into a widget as key presses and releases carrying each
// character, for any character (QTest::keyClicks takes Latin-1 only).
void typeText(QWidget *widget, const QString &text);
