#include "output/printwindow.h"

#include "output/pagerenderer.h"
#include "output/printform.h"
#include "ui/artwork.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/drawnpicture.h"
#include "ui/formkit.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

namespace {

// The pictures draw with the face the printed page uses for Verdana.
QFont verdana(const FormKit::FontDesign &font)
{
    QFont f(PageRenderer::installedFamily(QStringLiteral("Verdana")), font.points);
    f.setBold(font.bold);
    return f;
}

DrawnPicture::Painter paintHeading(const QString &title, const QString &sentence)
{
    return [title, sentence](QPainter &p, const QRectF &r) {
        p.setPen(QColor(0x2A, 0x7A, 0xA8));
        p.setBrush(QColor(0x2A, 0x7A, 0xA8));
        p.drawEllipse(QRectF(r.left(), r.top() + 2, 18, 18));
        p.setPen(Qt::white);
        p.setFont(verdana(PrintForm::titleFont));
        p.drawText(QRectF(r.left(), r.top() + 2, 18, 18), Qt::AlignCenter, QStringLiteral("i"));
        p.setPen(QColor(0x20, 0x40, 0x70));
        p.drawText(QRectF(r.left() + 26, r.top(), r.width() - 26, 22), Qt::AlignLeft | Qt::AlignVCenter, title);
        p.setPen(Qt::black);
        p.setFont(verdana(PrintForm::textFont));
        p.drawText(QRectF(r.left() + 26, r.top() + 26, r.width() - 26, r.height() - 26),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, sentence);
    };
}

void paintLogo(QPainter &p, const QRectF &r)
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

const FormKit::Button<PrintWindow> PrintWindow::buttons[] = {
    {PrintForm::cancel, &QDialog::reject},
    {PrintForm::go, &PrintWindow::btnStampaClick},
};

PrintWindow::PrintWindow(const Design &design, std::function<PrintedPage()> page, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_design(design), m_page(std::move(page))
{
    using namespace PrintForm;
    const bool preview = design.preview;
    const Mode &mode = preview ? previewing : printing;
    setObjectName(QLatin1String(design.name));
    setWindowTitle(QString::fromUtf8(mode.caption));
    setFixedSize(design.size);
    QWidget *panel = Backdrop::fill(this, Palette::steelBlue(), design.size);

    auto *white = new QLabel(panel);
    white->setObjectName(QLatin1String(sheet.name));
    white->setAutoFillBackground(true);
    white->setStyleSheet(QStringLiteral("background: white;"));
    white->setGeometry(rectOf(sheet));

    new DrawnPicture(QLatin1String(heading.name), rectOf(heading),
                     paintHeading(QString::fromUtf8(mode.title), QString::fromUtf8(mode.sentence)), panel);
    new DrawnPicture(QLatin1String(logo.name), rectOf(logo), paintLogo, panel);
    QRect band = rectOf(separator);
    if (preview)
        band.setHeight(previewSeparatorHeight);
    new DrawnPicture(QLatin1String(separator.name), band, [preview](QPainter &p, const QRectF &r) {
        if (!preview) {
            p.fillRect(r, QColor(0x42, 0x7A, 0xA8));
            return;
        }
        QLinearGradient g(r.topLeft(), r.topRight());
        g.setColorAt(0, Palette::steelBlue());
        g.setColorAt(1, Qt::white);
        p.fillRect(r, g);
    }, panel);
    const Artwork::Icon icon = mode.icon;
    new DrawnPicture(QLatin1String(operation.name), rectOf(operation),
                     [icon](QPainter &p, const QRectF &r) { Artwork::paint(p, r, icon); }, panel);
    const QString steps = QString::fromUtf8(mode.instruction);
    new DrawnPicture(QLatin1String(instruction.name), rectOf(instruction), [steps](QPainter &p, const QRectF &r) {
        p.setFont(verdana(textFont));
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, steps);
    }, panel);

    QLabel *avviso = FormKit::addLabel(panel, cutNotice);
    m_renderer = std::make_unique<PageRenderer>(m_page());
    const bool textOver = !design.watchedBox.isEmpty() && m_renderer->overflows(design.watchedBox);
    const bool dataOver = m_renderer->fillingsCut();
    avviso->setText(QString::fromUtf8(textOver && dataOver ? textAndDataCut : textOver ? textCut : dataCut));
    avviso->setVisible(textOver || dataOver);

    const QList<QPushButton *> added = FormKit::addButtons(this, panel, buttons);
    added.last()->setText(QString::fromUtf8(mode.command));
    for (QPushButton *b : added) {
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(false);
    }
    setTabOrder(added.first(), added.last());
    added.first()->setFocus();
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
