#include "access/padlockbanner.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

PadlockBanner::PadlockBanner(const QString &heading, const QString &line, const QString &note, QWidget *parent)
    : QWidget(parent), m_heading(heading), m_line(line), m_note(note)
{
    setObjectName(QStringLiteral("imgLogo"));
}

void PadlockBanner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xCD, 0xDF, 0xEE), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

    // Padlock: shackle, then body with keyhole.
    const QRectF body(16, 44, 56, 46);
    p.setPen(QPen(QColor(0x7A, 0x84, 0x90), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    shackle.moveTo(26, 46);
    shackle.lineTo(26, 34);
    shackle.arcTo(QRectF(26, 14, 36, 40), 180, -180);
    shackle.lineTo(62, 46);
    p.drawPath(shackle);
    QLinearGradient gold(body.topLeft(), body.bottomLeft());
    gold.setColorAt(0, QColor(0xFF, 0xD5, 0x4F));
    gold.setColorAt(1, QColor(0xC7, 0x8C, 0x06));
    p.setPen(QPen(QColor(0x8D, 0x62, 0x00), 2));
    p.setBrush(gold);
    p.drawRoundedRect(body, 6, 6);
    p.setBrush(QColor(0x3E, 0x2A, 0x00));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(44, 62), 6, 6);
    p.drawRect(QRectF(41.5, 64, 5, 14));

    QFont heading(QStringLiteral("Verdana"));
    heading.setPixelSize(24);
    heading.setBold(true);
    p.setFont(heading);
    p.setPen(QColor(0x1D, 0x3B, 0x63));
    p.drawText(QRectF(86, 20, width() - 96, 34), Qt::AlignLeft | Qt::AlignVCenter, m_heading);

    QFont text(QStringLiteral("Verdana"));
    text.setPixelSize(12);
    p.setFont(text);
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.drawText(QRectF(86, 56, width() - 96, height() - 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_line);

    if (!m_note.isEmpty()) {
        QFont note(QStringLiteral("Verdana"));
        note.setPixelSize(11);
        note.setBold(true);
        p.setFont(note);
        p.setPen(QColor(0xC6, 0x28, 0x28));
        p.drawText(QRectF(12, height() - 42, width() - 24, 36), Qt::AlignCenter | Qt::TextWordWrap, m_note);
    }
}
