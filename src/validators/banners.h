#pragma once
#include <QPixmap>
#include <QString>

// The banner pictures at the top of the check windows, drawn by the program:
// a picture of what is checked beside the window's title.
namespace Banners {
QPixmap fiscalCode(const QSize &size);   // a fiscal-code card
QPixmap vatNumber(const QSize &size);    // the emblem of the Republic
QPixmap iban(const QSize &size);         // a bank
QPixmap cards(const QSize &size);        // payment cards
}
