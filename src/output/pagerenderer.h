#pragma once
#include "core/output/printedpage.h"

#include <QFont>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QTextLayout;

// Draws a printed page with QPainter on any paint device: a printer, a PDF,
// the preview, an image. Every text is laid out once, when the renderer is
// made, in units of 1/1200 inch with fonts sized in those units, so the same
// lines fall on every device; drawing only scales them to the device.
class PageRenderer
{
public:
    explicit PageRenderer(const PrintedPage &page);
    ~PageRenderer();
    PageRenderer(const PageRenderer &) = delete;
    PageRenderer &operator=(const PageRenderer &) = delete;

    // True when the text of the named box does not fit it and is clipped.
    bool overflows(const QString &name) const;
    // True when a filling (a named single-line box) is cut even at the
    // smallest size it may shrink to.
    bool fillingsCut() const { return m_fillingsCut; }
    // The painter is open on its device; the page's corner is the device's origin.
    void draw(QPainter &painter) const;

    // The installed font that stands for a family of the page designs.
    static QString installedFamily(const QString &family);
    static QFont font(const PageText &text);   // sized in layout units

private:
    struct Block;
    static std::unique_ptr<Block> layOut(const PageText &text, qreal points);

    PrintedPage m_page;
    std::vector<std::unique_ptr<Block>> m_blocks;
    bool m_fillingsCut = false;
};
