#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// Prints a search or summary list on A4 landscape under its title, through
// the print dialog.
void printSearchList(QWidget *parent, const QString &title, const QStringList &lines);
