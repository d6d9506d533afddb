#pragma once

class QWidget;
struct HelpTopic;

// Open the help, information and credits windows modally over the caller and
// free them when they close. The help window shows the caller's topic.
void openHelp(QWidget *parent, const HelpTopic &topic);
void openInfo(QWidget *parent);
void openSplash(QWidget *parent);
