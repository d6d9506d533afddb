#pragma once
#include "core/output/printedpage.h"
#include "ui/formkit.h"

#include <QDialog>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class PageRenderer;
class QLabel;
class QPrinter;

// The small window between a record window and the printer: two drawn
// pictures that say what will happen, "Annulla" and "Stampa" (or "Mostra
// anteprima"). It prints the page through the print dialog, or shows it in
// the preview, then closes.
class PrintWindow : public QDialog
{
    Q_OBJECT
public:
    struct Design
    {
        const char *name;
        QSize size;
        bool preview;
        QString documentName;
        // A failed print or preview: warned about and the window closes; with
        // no warning the failure is reported as an error and the window stays.
        QString failureWarning;
        // The box whose clipped text is pointed out by lblAvviso, if any.
        QString watchedBox;
    };

    PrintWindow(const Design &design, std::function<PrintedPage()> page, QWidget *parent);
    ~PrintWindow() override;

    static bool paint(QPrinter *printer, const PageRenderer &renderer);
    static void prepare(QPrinter &printer, const QString &documentName, bool landscape);

private:
    void btnStampaClick();

    static const FormKit::Button<PrintWindow> buttons[];

    Design m_design;
    std::function<PrintedPage()> m_page;
    std::unique_ptr<PageRenderer> m_renderer;   // laid out once for the window's page
};
