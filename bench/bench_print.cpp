// Times of the printed pages drawn to PDF, and of a declaration preview
// from the click to the page on screen. Run offscreen.
#include "core/output/cardpage.h"
#include "core/output/declarationpage.h"
#include "core/output/listpages.h"
#include "output/pagerenderer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>

namespace {
qint64 toPdf(const QString &path, const QList<PrintedPage> &pages)
{
    QElapsedTimer t;
    t.start();
    QPdfWriter pdf(path);
    pdf.setResolution(1200);
    const bool landscape = pages.first().paper.width() > pages.first().paper.height();
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                  QMarginsF()));
    QPainter painter(&pdf);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            pdf.newPage();
        PageRenderer(pages[i]).draw(painter);
    }
    painter.end();
    return t.elapsed();
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QHash<QString, QString> c{{"txtSesso", "F"}, {"txtNome", "Maria Rossi"}, {"txtLuogo", "Roma"},
                              {"txtData", "01/02/2024"}, {"txtDichiarazione", QString("testo della dichiarazione ").repeated(40)}};
    std::printf("self-certification page to PDF: %lld ms\n",
                toPdf(dir.filePath("a.pdf"), {DeclarationPage::filled(DeclarationKind::SelfCertification, c)}));
    std::printf("notoriety page to PDF: %lld ms\n",
                toPdf(dir.filePath("b.pdf"), {DeclarationPage::filled(DeclarationKind::Notoriety, c)}));
    std::printf("registry card to PDF: %lld ms\n", toPdf(dir.filePath("c.pdf"), {CardPage::filled(c, QDateTime::currentDateTime())}));
    QStringList lines;
    for (int i = 0; i < 10000; ++i)
        lines << QString("ROSSI MARIA %1                RSSMRA70D43F839X   06 1234567   333 1234567   nota").arg(i, 5);
    QElapsedTimer t;
    t.start();
    const QList<PrintedPage> pages = ListPages::pages("Riepilogo dati anagrafici", lines, QDate::currentDate());
    const qint64 paginate = t.elapsed();
    const qint64 ms = toPdf(dir.filePath("d.pdf"), pages);
    std::printf("10,000-line list: %lld pages, paginated in %lld ms, to PDF in %lld ms, %.2f ms per page\n",
                qint64(pages.size()), paginate, ms, double(ms) / pages.size());

    // Preview: the page laid out, the preview window built, shown and painted.
    t.restart();
    PageRenderer renderer(DeclarationPage::filled(DeclarationKind::SelfCertification, c));
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter *p) {
        QPainter painter(p);
        renderer.draw(painter);
    });
    preview.show();
    app.processEvents();
    const QPixmap shot = preview.grab();
    if (argc > 1)
        shot.save(QString::fromLocal8Bit(argv[1]));
    std::printf("declaration preview shown: %lld ms\n", t.elapsed());
    return 0;
}
