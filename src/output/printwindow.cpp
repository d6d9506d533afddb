#include "output/printwindow.h"

#include "output/pagerenderer.h"
#include "ui/artwork.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/drawnpicture.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

namespace {

QFont verdana(int points, bool bold = false)
{
    QFont f(PageRenderer::installedFamily(QStringLiteral("Verdana")), points);
    f.setBold(bold);
    return f;
}

DrawnPicture::Painter heading(const QString &title, const QString &sentence)
{
    return [title, sentence](QPainter &p, const QRectF &r) {
        p.setPen(QColor(0x2A, 0x7A, 0xA8));
        p.setBrush(QColor(0x2A, 0x7A, 0xA8));
        p.drawEllipse(QRectF(r.left(), r.top() + 2, 18, 18));
        p.setPen(Qt::white);
        p.setFont(verdana(10, true));
        p.drawText(QRectF(r.left(), r.top() + 2, 18, 18), Qt::AlignCenter, QStringLiteral("i"));
        p.setPen(QColor(0x20, 0x40, 0x70));
        p.drawText(QRectF(r.left() + 26, r.top(), r.width() - 26, 22), Qt::AlignLeft | Qt::AlignVCenter, title);
        p.setPen(Qt::black);
        p.setFont(verdana(8));
        p.drawText(QRectF(r.left() + 26, r.top() + 26, r.width() - 26, r.height() - 26),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, sentence);
    };
}

void logo(QPainter &p, const QRectF &r)
{
    // A sheet with lines of writing and a pen.
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet = r.adjusted(4, 4, -8, -4);
    p.setPen(QPen(QColor(0x42, 0x7A, 0xA8), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(0x90, 0xA8, 0xC0), 1));
    for (qreal y = sheet.top() + 10; y < sheet.bottom() - 14; y += 7)
        p.drawLine(QPointF(sheet.left() + 5, y), QPointF(sheet.right() - 5, y));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(sheet.left() + 8, sheet.bottom() - 7), QPointF(sheet.right() - 4, sheet.bottom() - 9));
}

} // namespace

PrintWindow::PrintWindow(const Design &design, std::function<PrintedPage()> page, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_design(design), m_page(std::move(page))
{
    setObjectName(QLatin1String(design.name));
    setWindowTitle(design.preview ? QStringLiteral(" Anteprima di stampa") : QStringLiteral(" Stampa scheda"));
    setFixedSize(design.size);
    QWidget *panel = Backdrop::fill(this, Palette::steelBlue(), design.size);

    auto *sfondo = new QLabel(panel);
    sfondo->setObjectName(QStringLiteral("shpSfondo"));
    sfondo->setAutoFillBackground(true);
    sfondo->setStyleSheet(QStringLiteral("background: white;"));
    sfondo->setGeometry(18, 18, 327, 215);

    new DrawnPicture(QStringLiteral("icoInf01"), QRect(28, 28, 244, 84),
                     design.preview
                         ? heading(QStringLiteral("Anteprima di stampa"),
                                   QStringLiteral("Questa operazione consente di visualizzare in anteprima i dati "
                                                  "che appariranno in stampa."))
                         : heading(QStringLiteral("Stampa scheda"),
                                   QStringLiteral("Questa operazione provvederà a stampare la scheda corrente su "
                                                  "carta con i dati immessi dall'utente.")),
                     panel);
    new DrawnPicture(QStringLiteral("imgLogo01"), QRect(280, 31, 51, 81), logo, panel);
    const bool preview = design.preview;
    new DrawnPicture(QStringLiteral("shpSepara"), QRect(26, 120, 311, preview ? 6 : 4),
                     [preview](QPainter &p, const QRectF &r) {
                         if (!preview) {
                             p.fillRect(r, QColor(0x42, 0x7A, 0xA8));
                             return;
                         }
                         QLinearGradient g(r.topLeft(), r.topRight());
                         g.setColorAt(0, Palette::steelBlue());
                         g.setColorAt(1, Qt::white);
                         p.fillRect(r, g);
                     }, panel);
    new DrawnPicture(QStringLiteral("imgSezione04"), QRect(30, 140, 44, 44),
                     [preview](QPainter &p, const QRectF &r) {
                         Artwork::paint(p, r, preview ? Artwork::Icon::Preview : Artwork::Icon::Printer);
                     }, panel);
    const QString instruction =
        preview ? QStringLiteral("Fare clic su Mostra anteprima per visualizzare il documento sullo schermo "
                                 "prima di eseguire la stampa su carta.")
                : QStringLiteral("Premere il pulsante Stampa per dare avvio alla stampa oppure premere Annulla "
                                 "per annullare l'operazione.");
    new DrawnPicture(QStringLiteral("icoInf02"), QRect(84, 140, 250, 44),
                     [instruction](QPainter &p, const QRectF &r) {
                         p.setFont(verdana(8));
                         p.setPen(Qt::black);
                         p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, instruction);
                     }, panel);

    auto *avviso = new QLabel(panel);
    avviso->setObjectName(QStringLiteral("lblAvviso"));
    avviso->setWordWrap(true);
    avviso->setFont(verdana(8, true));
    avviso->setStyleSheet(QStringLiteral("color: red;"));
    avviso->setGeometry(30, 190, 304, 38);
    m_renderer = std::make_unique<PageRenderer>(m_page());
    const bool textCut = !design.watchedBox.isEmpty() && m_renderer->overflows(design.watchedBox);
    const bool dataCut = m_renderer->fillingsCut();
    avviso->setText(textCut && dataCut
                        ? QStringLiteral("Attenzione: il testo della dichiarazione e alcuni dati non entrano per "
                                         "intero nei riquadri e verranno stampati solo in parte.")
                    : textCut ? QStringLiteral("Attenzione: il testo della dichiarazione non entra per intero nel "
                                               "riquadro e verrà stampato solo in parte.")
                              : QStringLiteral("Attenzione: alcuni dati non entrano per intero nei riquadri e "
                                               "verranno stampati solo in parte."));
    avviso->setVisible(textCut || dataCut);

    auto *annulla = new QPushButton(QStringLiteral("Annulla"), panel);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto *stampa = new QPushButton(preview ? QStringLiteral("Mostra anteprima") : QStringLiteral("Stampa"), panel);
    stampa->setObjectName(QStringLiteral("btnStampa"));
    for (QPushButton *b : {annulla, stampa}) {
        b->setFont(verdana(9));
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(false);
    }
    annulla->setGeometry(18, 243, 137, 28);
    stampa->setGeometry(208, 243, 137, 28);
    setTabOrder(annulla, stampa);
    annulla->setFocus();
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(stampa, &QPushButton::clicked, this, &PrintWindow::btnStampaClick);
}

PrintWindow::~PrintWindow() = default;

void PrintWindow::prepare(QPrinter &printer, const QString &documentName, bool landscape)
{
    printer.setDocName(documentName);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
}

bool PrintWindow::paint(QPrinter *printer, const PageRenderer &renderer)
{
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    renderer.draw(painter);
    return painter.end() && printer->printerState() != QPrinter::Error;
}

void PrintWindow::btnStampaClick()
{
    bool done = false;
    try {
        // The card is filled anew for every try: its footer tells when it was printed.
        if (!m_renderer || m_design.watchedBox.isEmpty())
            m_renderer = std::make_unique<PageRenderer>(m_page());
        QPrinter printer(QPrinter::HighResolution);
        prepare(printer, m_design.documentName, false);
        if (m_design.preview) {
            done = true;
            dialogs().printPreview(this, &printer, [this, &done](QPrinter *p) {
                done = paint(p, *m_renderer) && done;
            });
        } else {
            done = !dialogs().printDialog(this, &printer) || paint(&printer, *m_renderer);
        }
    } catch (...) {
        done = false;
    }
    if (done) {
        accept();
    } else if (!m_design.failureWarning.isEmpty()) {
        warn(this, m_design.failureWarning);
        reject();
    } else {
        failure(this, QStringLiteral("Errore: la stampante non ha accettato la scheda."));
    }
}
