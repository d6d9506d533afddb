#pragma once
#include <QPainter>
#include <QRectF>
#include <QString>

// Pictures of the main menu, drawn to their design sizes.
namespace MenuArtwork {
enum class Emblem { Registry, SelfCertification, Notoriety };

void familyName(QPainter &p, const QRectF &r);                   // "Quirendo Pro" lettering
void productName(QPainter &p, const QRectF &r);                  // red "Attestari" lettering
void strip(QPainter &p, const QRectF &r, const QString &text);   // subtitle and web strips
void emblem(QPainter &p, const QRectF &r, Emblem which);         // the circular pictures
void separator(QPainter &p, const QRectF &r);                    // steel blue to white bar
void labelBar(QPainter &p, const QRectF &r, const QString &label);
void note(QPainter &p, const QRectF &r, const QString &text);    // yellow note
}
