#include "output/listprintout.h"

#include "core/output/listpages.h"
#include "output/pagerenderer.h"
#include "output/printwindow.h"
#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>

void printList(QWidget *parent, const QString &title, const QStringList &lines)
{
    QPrinter printer(QPrinter::HighResolution);
    PrintWindow::prepare(printer, title, true);
    if (!dialogs().printDialog(parent, &printer))
        return;
    const QList<PrintedPage> pages = ListPages::pages(title, lines, QDate::currentDate());
    QPainter painter;
    bool ok = painter.begin(&printer);
    std::unique_ptr<QProgressDialog> progress;
    if (ok && pages.size() > 3) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Stampa in corso..."), QString(), 0,
                                                     int(pages.size()), parent);
        progress->setObjectName(QStringLiteral("dlgAvanzamento"));
        progress->setWindowTitle(QStringLiteral(" Stampa"));
        progress->setCancelButton(nullptr);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    for (int i = 0; ok && i < pages.size(); ++i) {
        if (i > 0)
            ok = printer.newPage();
        PageRenderer(pages[i]).draw(painter);
        if (progress) {
            progress->setValue(i + 1);
            // Keeps the windows painting while the pages are drawn; no input meanwhile.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    ok = painter.isActive() && painter.end() && ok && printer.printerState() != QPrinter::Error;
    progress.reset();
    if (!ok)
        warn(parent, QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\r"
                                    "Si consiglia di controllare le impostazioni della stampante."));
}
