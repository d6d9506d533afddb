#include "help/frmguida.h"

#include "core/help/helptopics.h"
#include "core/install/shippedfiles.h"
#include "help/helpartwork.h"
#include "help/linklabel.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/drawnpicture.h"
#include "ui/picturebutton.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

FrmGuida::FrmGuida(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    const QSize size(670, 572);
    setFixedSize(size);
    QWidget *panel = Backdrop::fill(this, QColor(0xBF, 0xD8, 0xEF), size);

    new DrawnPicture(QStringLiteral("imgLogo"), QRect(12, 12, 646, 64),
                     [](QPainter &p, const QRectF &r) {
                         HelpArtwork::banner(p, r, Artwork::Icon::Help,
                                             QStringLiteral("Guida all'utilizzo del software"));
                     },
                     panel);

    m_title = new QLabel(QStringLiteral("Argomento della guida."), panel);
    m_title->setObjectName(QStringLiteral("lblTitolo"));
    m_title->setFont(QFont(QStringLiteral("Arial"), 16, QFont::Bold));
    QPalette crimson = m_title->palette();
    crimson.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C));
    m_title->setPalette(crimson);
    m_title->setGeometry(14, 84, 642, 32);

    m_text = new QPlainTextEdit(panel);
    m_text->setObjectName(QStringLiteral("txtGuida"));
    m_text->setReadOnly(true);
    m_text->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setGeometry(12, 122, 646, 376);

    auto *pdf = new PictureButton(QStringLiteral("imgPDF"), HelpArtwork::pdfIcon, panel);
    pdf->setGeometry(14, 516, 36, 36);
    auto *link = new LinkLabel(QStringLiteral("lnkWeb"), QStringLiteral("Visualizza guida in formato PDF"), panel);
    link->setGeometry(56, 520, 330, 28);
    pairWithLink(pdf, link);
    connect(link, &LinkLabel::clicked, this, &FrmGuida::lnkWebClick);

    auto *close = new QPushButton(QStringLiteral("Chiudi"), panel);
    close->setObjectName(QStringLiteral("btnChiudi"));
    close->setGeometry(548, 518, 110, 32);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(close, m_text);
    close->setDefault(true);
    close->setFocus();
}

void FrmGuida::setTopic(const HelpTopic &topic)
{
    m_title->setText(topic.title);
    m_text->setPlainText(topic.text());
    m_text->verticalScrollBar()->setValue(0);
}

// A missing guide or no program for PDF files leaves the window as it is.
void FrmGuida::lnkWebClick()
{
    openDocument(ShippedFiles::guide());
}

void FrmGuida::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    findChild<QPushButton *>(QStringLiteral("btnChiudi"))->setFocus();
}
