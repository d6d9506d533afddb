#include "help/helpartwork.h"

#include "core/help/maker.h"
#include "help/menuartwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
QFont font(const QString &family, qreal pixels, bool bold = false, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

const QColor steel(0x46, 0x82, 0xB4);
const QColor navy(0x1F, 0x3A, 0x5F);
} // namespace

void HelpArtwork::banner(QPainter &p, const QRectF &r, Artwork::Icon icon, const QString &heading)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xCD, 0xDF, 0xEE), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const qreal side = r.height() - 16;
    Artwork::paint(p, QRectF(r.left() + 12, r.top() + 8, side, side), icon);
    p.setPen(navy);
    p.setFont(font(QStringLiteral("Arial"), r.height() * 0.36, true));
    p.drawText(QRectF(r.left() + side + 28, r.top(), r.width() - side - 40, r.height()),
               Qt::AlignLeft | Qt::AlignVCenter, heading);
    p.restore();
}

void HelpArtwork::pdfIcon(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = qMin(r.width(), r.height());
    const QRectF page(r.center().x() - s * 0.36, r.center().y() - s * 0.46, s * 0.72, s * 0.92);
    const qreal fold = s * 0.2;
    QPainterPath sheet;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), qMax(1.0, s / 24)));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawLine(QPointF(page.right() - fold, page.top()), QPointF(page.right() - fold, page.top() + fold));
    p.drawLine(QPointF(page.right() - fold, page.top() + fold), QPointF(page.right(), page.top() + fold));
    const QRectF band(r.center().x() - s * 0.48, page.top() + page.height() * 0.52, s * 0.96, s * 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD3, 0x2F, 0x2F));
    p.drawRoundedRect(band, s * 0.05, s * 0.05);
    p.setPen(Qt::white);
    p.setFont(font(QStringLiteral("Arial"), s * 0.24, true));
    p.drawText(band, Qt::AlignCenter, QStringLiteral("PDF"));
    p.restore();
}

void HelpArtwork::webIcon(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = qMin(r.width(), r.height()) * 0.9;
    const QRectF globe(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
    QRadialGradient sea(globe.center() - QPointF(s * 0.15, s * 0.15), s * 0.7);
    sea.setColorAt(0, QColor(0x90, 0xCA, 0xF9));
    sea.setColorAt(1, QColor(0x15, 0x65, 0xC0));
    p.setPen(QPen(QColor(0x0D, 0x47, 0xA1), qMax(1.0, s / 20)));
    p.setBrush(sea);
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), qMax(1.0, s / 28)));
    p.drawEllipse(globe.adjusted(s * 0.3, 0, -s * 0.3, 0));
    p.drawLine(QPointF(globe.center().x(), globe.top()), QPointF(globe.center().x(), globe.bottom()));
    p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    p.drawLine(QPointF(globe.left() + s * 0.1, globe.top() + s * 0.28), QPointF(globe.right() - s * 0.1, globe.top() + s * 0.28));
    p.drawLine(QPointF(globe.left() + s * 0.1, globe.bottom() - s * 0.28), QPointF(globe.right() - s * 0.1, globe.bottom() - s * 0.28));
    p.restore();
}

void HelpArtwork::aboutBody(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xCD, 0xDF, 0xEE), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    const qreal w = r.width();
    MenuArtwork::familyName(p, QRectF(r.left() + w * 0.1, r.top() + 10, w * 0.8, 44));
    MenuArtwork::productName(p, QRectF(r.left() + w * 0.15, r.top() + 56, w * 0.7, 40));

    const QRectF text = r.adjusted(18, 108, -18, -12);
    p.setPen(navy);
    p.setFont(font(QStringLiteral("Verdana"), 13, true));
    p.drawText(QRectF(text.left(), text.top(), text.width(), 20), Qt::AlignHCenter, QStringLiteral("Versione 1.0"));
    p.setFont(font(QStringLiteral("Verdana"), 12));
    p.setPen(QColor(0x30, 0x30, 0x30));
    const QString body = QStringLiteral(
        "Software per gestire il proprio archivio anagrafico e la modulistica per le dichiarazioni sostitutive "
        "di certificazione (art. 46) e di atto di notorietà (art. 47) del D.P.R. 28 dicembre 2000, n. 445.\n\n"
        "Archivio anagrafico, autocertificazioni e atti notori con ricerca, riepiloghi, stampa su A4, "
        "esportazione in Excel, file allegati e controllo di codice fiscale, partita IVA, IBAN e carta di "
        "credito.\n\n"
        "Realizzato da %1 - %2\n"
        "Per informazioni e assistenza scrivere all'indirizzo qui sotto.")
                               .arg(Maker::name(), Maker::webSite());
    p.drawText(QRectF(text.left(), text.top() + 30, text.width(), text.height() - 30),
               Qt::AlignHCenter | Qt::TextWordWrap, body);
    p.restore();
}

void HelpArtwork::makerPicture(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x1B, 0x2A, 0x3F));
    sky.setColorAt(0.65, QColor(0x3E, 0x5C, 0x7E));
    sky.setColorAt(1, QColor(0xE8, 0xD9, 0xB8));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(r, 8, 8);

    // A compass rose: the maker's mark.
    const QPointF c(r.left() + r.width() * 0.24, r.top() + r.height() * 0.46);
    const qreal rad = r.height() * 0.3;
    p.setPen(QPen(QColor(0xF5, 0xE6, 0xC4), 3));
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawEllipse(c, rad, rad);
    p.drawEllipse(c, rad * 0.82, rad * 0.82);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 90);
        QPainterPath point;
        point.moveTo(0, -rad * 0.95);
        point.lineTo(rad * 0.16, 0);
        point.lineTo(0, rad * 0.16);
        point.lineTo(-rad * 0.16, 0);
        point.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? QColor(0xC6, 0x28, 0x28) : QColor(0xF5, 0xE6, 0xC4));
        p.drawPath(point);
        p.rotate(45);
        QPainterPath minor;
        minor.moveTo(0, -rad * 0.6);
        minor.lineTo(rad * 0.09, 0);
        minor.lineTo(-rad * 0.09, 0);
        minor.closeSubpath();
        p.setBrush(QColor(0xB0, 0xBE, 0xC5));
        p.drawPath(minor);
        p.restore();
    }
    p.setPen(QColor(0xF5, 0xE6, 0xC4));
    p.setFont(font(QStringLiteral("Arial"), rad * 0.2, true));
    p.drawText(QRectF(c.x() - 20, c.y() - rad - rad * 0.32, 40, rad * 0.3), Qt::AlignCenter, QStringLiteral("N"));

    const QRectF words(r.left() + r.width() * 0.48, r.top() + r.height() * 0.16, r.width() * 0.48, r.height() * 0.6);
    p.setPen(Qt::white);
    p.setFont(font(QStringLiteral("Arial"), words.height() * 0.2, true));
    p.drawText(QRectF(words.left(), words.top(), words.width(), words.height() * 0.3), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quirendo"));
    p.setPen(QColor(0xF5, 0xE6, 0xC4));
    p.setFont(font(QStringLiteral("Arial"), words.height() * 0.11));
    p.drawText(QRectF(words.left(), words.top() + words.height() * 0.3, words.width(), words.height() * 0.18),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("S O F T W A R E"));
    p.setPen(QColor(0xFF, 0x8A, 0x80));
    p.setFont(font(QStringLiteral("Arial"), words.height() * 0.12, true, true));
    p.drawText(QRectF(words.left(), words.top() + words.height() * 0.56, words.width(), words.height() * 0.2),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pro Attestari 1.0"));
    p.setPen(QColor(0xE0, 0xE0, 0xE0));
    p.setFont(font(QStringLiteral("Verdana"), words.height() * 0.065));
    p.drawText(QRectF(words.left(), words.top() + words.height() * 0.78, words.width(), words.height() * 0.34),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Dichiarazioni sostitutive e archivio anagrafico per uffici pubblici e privati"));

    p.setPen(QColor(0x35, 0x25, 0x25));
    p.setFont(font(QStringLiteral("Verdana"), r.height() * 0.035));
    p.drawText(QRectF(r.left() + 16, r.bottom() - r.height() * 0.11, r.width() - 32, r.height() * 0.09),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("© ") + Maker::notice());
    p.restore();
}
