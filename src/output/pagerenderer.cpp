#include "output/pagerenderer.h"

#include <QFontDatabase>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {
constexpr qreal unitsPerInch = 1200;
constexpr qreal unitsPerMm = unitsPerInch / 25.4;

QRectF toUnits(const QRectF &mm)
{
    return QRectF(mm.x() * unitsPerMm, mm.y() * unitsPerMm, mm.width() * unitsPerMm, mm.height() * unitsPerMm);
}

QColor colour(int rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
} // namespace

struct PageRenderer::Block
{
    const PageText *text = nullptr;
    QRectF box;                                       // layout units
    std::vector<std::unique_ptr<QTextLayout>> paragraphs;
    qreal offset = 0;                                 // vertical alignment
    qreal widest = 0;                                 // longest line, unwrapped texts
    bool overflow = false;
};

QString PageRenderer::installedFamily(const QString &family)
{
    static const QHash<QString, QString> standIns = {
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")},
    };
    if (QFontDatabase::hasFamily(family) || !standIns.contains(family))
        return family;
    return standIns.value(family);
}

QFont PageRenderer::font(const PageText &text)
{
    QFont f(installedFamily(text.family));
    f.setPixelSize(qRound(text.points * unitsPerInch / 72));
    f.setBold(text.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    // Letters as typed: no ligatures, so the printed text reads back as it was written.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

namespace {
// Fillings narrower than this are cut rather than shrunk further: smaller
// print is hard to read on paper.
constexpr qreal smallestPoints = 6;
}

std::unique_ptr<PageRenderer::Block> PageRenderer::layOut(const PageText &text, qreal points)
{
    auto block = std::make_unique<Block>();
    block->text = &text;
    block->box = toUnits(text.box);
    PageText sized = text;
    sized.points = points;
    const QFont f = font(sized);
    QTextOption option(text.align & Qt::AlignHorizontal_Mask);
    option.setWrapMode(text.wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    const qreal fixed = text.lineHeight * unitsPerMm;
    qreal y = 0;
    int row = 0;
    for (const QString &paragraph : text.text.split(QLatin1Char('\n'))) {
        auto layout = std::make_unique<QTextLayout>(paragraph, f);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine(), ++row) {
            line.setLineWidth(block->box.width());
            if (fixed > 0) {
                line.setPosition(QPointF(0, row * fixed + (fixed - line.height()) / 2));
                y = (row + 1) * fixed;
            } else {
                line.setPosition(QPointF(0, y));
                y += line.height();
            }
            if (!text.wrap)
                block->widest = qMax(block->widest, line.naturalTextWidth());
        }
        layout->endLayout();
        block->paragraphs.push_back(std::move(layout));
    }
    if (!text.wrap && block->widest > block->box.width() + 0.5)
        block->overflow = true;
    if (y > block->box.height() + 0.5)
        block->overflow = true;
    if (text.align & Qt::AlignVCenter)
        block->offset = (block->box.height() - y) / 2;
    else if (text.align & Qt::AlignBottom)
        block->offset = block->box.height() - y;
    return block;
}

PageRenderer::PageRenderer(const PrintedPage &page) : m_page(page)
{
    for (const PageText &text : m_page.texts) {
        auto block = layOut(text, text.points);
        // A filling too long for its box is drawn in a smaller size of the
        // same font, so that a house number or the last digit of a telephone
        // still reaches the paper; fixed texts and the wrapped text keep theirs.
        const bool filling = text.shrink && !text.wrap;
        const auto tooWide = [](const Block &b) { return b.widest > b.box.width() + 0.5; };
        qreal points = text.points;
        while (filling && tooWide(*block) && points > smallestPoints) {
            const qreal ratio = block->box.width() / qMax<qreal>(1, block->widest);
            points = qMax(smallestPoints, qMin(points - 0.25, std::floor(points * ratio * 4) / 4));
            block = layOut(text, points);
        }
        if (filling && tooWide(*block))
            m_fillingsCut = true;
        m_blocks.push_back(std::move(block));
    }
}

PageRenderer::~PageRenderer() = default;

bool PageRenderer::overflows(const QString &name) const
{
    for (const auto &block : m_blocks)
        if (block->text->name == name)
            return block->overflow;
    return false;
}

void PageRenderer::draw(QPainter &painter) const
{
    painter.save();
    const qreal scale = painter.device()->logicalDpiX() / unitsPerInch;
    painter.scale(scale, painter.device()->logicalDpiY() / unitsPerInch);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen thin(Qt::black, 0.2 * unitsPerMm);
    for (const PageRect &r : m_page.rects) {
        painter.setPen(r.outline ? thin : QPen(Qt::NoPen));
        painter.setBrush(r.fill >= 0 ? QBrush(colour(r.fill)) : QBrush(Qt::NoBrush));
        painter.drawRect(toUnits(r.box));
    }
    painter.setPen(thin);
    for (const QLineF &l : m_page.lines)
        painter.drawLine(QLineF(l.p1() * unitsPerMm, l.p2() * unitsPerMm));
    for (const auto &block : m_blocks) {
        if (block->text->fill >= 0)
            painter.fillRect(block->box, colour(block->text->fill));
        if (block->text->text.isEmpty())
            continue;
        painter.save();
        painter.setClipRect(block->box, Qt::IntersectClip);
        painter.setPen(colour(block->text->ink));
        const QPointF origin = block->box.topLeft() + QPointF(0, block->offset);
        // Lines wholly outside the box are left out, not merely hidden by the clip.
        for (const auto &layout : block->paragraphs) {
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const qreal top = origin.y() + line.y();
                if (top < block->box.bottom() && top + line.height() > block->box.top())
                    line.draw(&painter, origin);
            }
        }
        painter.restore();
    }
    painter.restore();
}
