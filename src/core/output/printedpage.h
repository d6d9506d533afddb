#pragma once
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A printed page as data: text boxes, lines and rectangles placed in
// millimetres from the sheet's top-left corner. Colours are 0xRRGGBB.
struct PageText
{
    QString name;              // empty for fixed texts
    QRectF box;                // mm
    QString text;
    QString family = QStringLiteral("Arial");
    qreal points = 12;
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
    int fill = -1;             // -1: no background
    int ink = 0x000000;
    qreal lineHeight = 0;      // mm between lines; 0: the font's own
    // A filling: a single line too long for its box is drawn smaller, down to
    // a readable floor, before anything of it is cut.
    bool shrink = false;
};

struct PageRect
{
    QRectF box;
    int fill = -1;
    bool outline = true;
};

struct PrintedPage
{
    static constexpr int beige = 0xF5F5DC;

    QSizeF paper{210, 297};    // mm, portrait or landscape as given
    QList<PageRect> rects;
    QList<QLineF> lines;
    QList<PageText> texts;

    PageText *text(const QString &name);
    const PageText *text(const QString &name) const;
    void setText(const QString &name, const QString &text);
};
