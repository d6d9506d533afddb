#pragma once
#include "core/output/printedpage.h"

#include <QDate>
#include <QList>
#include <QStringList>

// The list printout of the search and summary windows: A4 landscape, a title
// band, the list lines in Courier New 8 pt continuing over as many pages as
// they need, and a closing band with the day's date.
namespace ListPages {
constexpr qreal unitMm = 25.4 / 96;            // one report unit: a pixel at 96 per inch
constexpr qreal lineUnits = 12.822;
constexpr qreal lineMm = lineUnits * unitMm;   // 3.39 mm

QList<PrintedPage> pages(const QString &title, const QStringList &lines, const QDate &day);
}
