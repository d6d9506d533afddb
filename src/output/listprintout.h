#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// Prints the lines of a search or summary list under its title through the
// print dialog. A long list shows its progress while its pages are drawn.
void printList(QWidget *parent, const QString &title, const QStringList &lines);
