#include "search/searchpictures.h"

#include "ui/artwork.h"
#include "ui/formkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

namespace {

// A pale card with a magnifier on the left and lines of text beside it.
DrawnPicture::Painter instructions(const QStringList &lines, int pointSize)
{
    return [lines, pointSize](QPainter &p, const QRectF &r) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF card = r.adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient fill(card.topLeft(), card.bottomLeft());
        fill.setColorAt(0, QColor(0xFF, 0xFF, 0xF4));
        fill.setColorAt(1, QColor(0xE8, 0xF0, 0xF8));
        p.setPen(QPen(QColor(0x2F, 0x5F, 0x8A), 1));
        p.setBrush(fill);
        p.drawRoundedRect(card, 6, 6);

        const qreal side = qMin(r.height() - 8, 64.0);
        const QRectF icon(r.left() + 10, r.center().y() - side / 2, side, side);
        Artwork::paint(p, icon, Artwork::Icon::Magnifier);

        p.setPen(QColor(0x10, 0x24, 0x3A));
        p.setFont(FormKit::verdana(pointSize));
        const QRectF text(icon.right() + 12, r.top() + 4, r.right() - icon.right() - 20, r.height() - 8);
        p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, lines.join(QLatin1Char('\n')));
        p.restore();
    };
}

} // namespace

DrawnPicture::Painter SearchPictures::banner(const QString &title)
{
    return [title](QPainter &p, const QRectF &r) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, QColor(0x2F, 0x5F, 0x8A));
        fill.setColorAt(1, QColor(0x16, 0x3A, 0x5E));
        p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 0x90), 1));
        p.setBrush(fill);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
        const qreal side = r.height() - 10;
        Artwork::paint(p, QRectF(r.left() + 10, r.top() + 5, side, side), Artwork::Icon::Magnifier);
        QFont font = FormKit::verdana(18, true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        p.setFont(font);
        p.setPen(QColor(0, 0, 0, 0x60));
        p.drawText(r.translated(2, 2), Qt::AlignCenter, title);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, title);
        p.restore();
    };
}

DrawnPicture::Painter SearchPictures::filterInstructions()
{
    return instructions({QStringLiteral("Immettere nei campi prescelti una o più parole consecutive presenti "
                                        "nelle schede da trovare e premere il pulsante Cerca."),
                         QStringLiteral("Lasciare in bianco tutti gli altri campi."),
                         QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi "
                                        "contemporaneamente.")},
                        10);
}

DrawnPicture::Painter SearchPictures::findInstructions()
{
    return instructions({QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in "
                                        "elenco da cercare e premere il pulsante Trova."),
                         QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di "
                                        "ricerca, fare di nuovo clic su Trova.")},
                        9);
}
