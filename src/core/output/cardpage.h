#pragma once
#include "core/output/printedpage.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

// The registry card: 26 labelled rows and the footer with the time of printing.
namespace CardPage {
PrintedPage design();
// The 26 row values from the registry window's controls (control name -> text).
QStringList rowTexts(const QHash<QString, QString> &controls);
QString footer(const QDateTime &printedAt);
PrintedPage filled(const QHash<QString, QString> &controls, const QDateTime &printedAt);
}
