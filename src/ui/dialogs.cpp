#include "ui/dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QLayout>
#include <QToolBar>
#include <QAction>

namespace {

// The preview shows the page at its real size with four commands only:
// print, zoom (real size, page width, whole page), full screen, close.
void reducePreview(QPrintPreviewDialog &preview, QPrinter *printer)
{
    auto *view = preview.findChild<QPrintPreviewWidget *>();
    for (QToolBar *bar : preview.findChildren<QToolBar *>())
        bar->hide();
    if (!view)
        return;
    view->setZoomMode(QPrintPreviewWidget::CustomZoom);
    view->setZoomFactor(1.0);
    auto *bar = new QToolBar(&preview);
    bar->setObjectName(QStringLiteral("barAnteprima"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (auto *layout = preview.layout())
        layout->setMenuBar(bar);
    QObject::connect(bar->addAction(QStringLiteral("Stampa")), &QAction::triggered, &preview, [&preview, view, printer] {
        QPrintDialog dialog(printer, &preview);
        if (dialog.exec() == QDialog::Accepted) {
            view->print();
            preview.accept();
        }
    });
    QObject::connect(bar->addAction(QStringLiteral("Zoom")), &QAction::triggered, view, [view] {
        if (view->zoomMode() == QPrintPreviewWidget::CustomZoom)
            view->fitToWidth();
        else if (view->zoomMode() == QPrintPreviewWidget::FitToWidth)
            view->fitInView();
        else {
            view->setZoomMode(QPrintPreviewWidget::CustomZoom);
            view->setZoomFactor(1.0);
        }
    });
    QObject::connect(bar->addAction(QStringLiteral("Schermo intero")), &QAction::triggered, &preview, [&preview] {
        if (preview.isFullScreen())
            preview.showMaximized();
        else
            preview.showFullScreen();
    });
    QObject::connect(bar->addAction(QStringLiteral("Chiudi")), &QAction::triggered, &preview, &QDialog::reject);
}

class QtDialogs final : public Dialogs
{
public:
    Answer message(QWidget *parent, Kind kind, const QString &text, Buttons buttons) override
    {
        QMessageBox box(parent);
        box.setObjectName(QStringLiteral("messageBox"));
        box.setText(text);
        switch (kind) {
        case Kind::Warning: box.setIcon(QMessageBox::Warning); box.setWindowTitle(QStringLiteral(" Attenzione")); break;
        case Kind::Information: box.setIcon(QMessageBox::Information); box.setWindowTitle(QStringLiteral(" Informazione")); break;
        case Kind::Error: box.setIcon(QMessageBox::Critical); box.setWindowTitle(QStringLiteral(" Errore")); break;
        case Kind::Question: box.setIcon(QMessageBox::Question); box.setWindowTitle(QStringLiteral(" Conferma")); break;
        case Kind::Plain: box.setIcon(QMessageBox::NoIcon); box.setWindowTitle(QStringLiteral(" Quirendo Pro Attestari")); break;
        }
        QAbstractButton *ok = nullptr, *cancel = nullptr, *yes = nullptr;
        switch (buttons) {
        case Buttons::Ok:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.setEscapeButton(ok);
            break;
        case Buttons::OkCancel:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            cancel = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
            box.setDefaultButton(static_cast<QPushButton *>(ok));
            box.setEscapeButton(cancel);
            break;
        case Buttons::YesNo:
            yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
            box.setEscapeButton(box.addButton(QStringLiteral("No"), QMessageBox::NoRole));
            box.setDefaultButton(static_cast<QPushButton *>(yes));
            break;
        }
        box.exec();
        QAbstractButton *clicked = box.clickedButton();
        if (buttons == Buttons::YesNo)
            return clicked == yes ? Answer::Yes : Answer::No;
        return (clicked == cancel && cancel) ? Answer::Cancel : Answer::Ok;
    }

    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter, nullptr,
                                            QFileDialog::DontUseNativeDialog);
    }

    QString existingFolder(QWidget *parent, const QString &caption, const QString &folder) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, folder,
                                                 QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    }

    bool printDialog(QWidget *parent, QPrinter *printer) override
    {
        QPrintDialog dialog(printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void printPreview(QWidget *parent, QPrinter *printer,
                      const std::function<void(QPrinter *)> &paint) override
    {
        QPrintPreviewDialog preview(printer, parent);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&paint](QPrinter *p) { paint(p); });
        reducePreview(preview, printer);
        // The whole screen also where no window manager maximizes it.
        if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
            preview.setGeometry(screen->availableGeometry());
        preview.setWindowState(Qt::WindowMaximized);
        preview.exec();
    }

    int showModal(QDialog *dialog) override { return dialog->exec(); }

    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

QtDialogs &qtOwn()
{
    static QtDialogs own;
    return own;
}

Dialogs *&current()
{
    static Dialogs *installed = &qtOwn();
    return installed;
}

} // namespace

Dialogs &Dialogs::instance()
{
    return *current();
}

void Dialogs::install(Dialogs *dialogs)
{
    current() = dialogs ? dialogs : &qtOwn();
}

void warn(QWidget *parent, const QString &text)
{
    dialogs().message(parent, Dialogs::Kind::Warning, text, Dialogs::Buttons::OkCancel);
}

void inform(QWidget *parent, const QString &text)
{
    dialogs().message(parent, Dialogs::Kind::Information, text, Dialogs::Buttons::OkCancel);
}

void failure(QWidget *parent, const QString &text)
{
    dialogs().message(parent, Dialogs::Kind::Error, text, Dialogs::Buttons::OkCancel);
}

void notice(QWidget *parent, Dialogs::Kind kind, const QString &text)
{
    dialogs().message(parent, kind, text, Dialogs::Buttons::Ok);
}

void openDocument(const QString &path)
{
    dialogs().openUrl(QUrl::fromLocalFile(path));
}
