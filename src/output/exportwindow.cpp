#include "output/exportwindow.h"

#include "core/help/helptopics.h"
#include "core/output/exportarchives.h"
#include "help/helpwindow.h"
#include "output/exportform.h"
#include "output/exportgridmodel.h"
#include "output/exportpictures.h"
#include "output/exportwindows.h"
#include "ui/archivewindow.h"
#include "ui/dialogs.h"
#include "ui/drawnpicture.h"
#include "ui/formkit.h"
#include "ui/picturebutton.h"
#include "ui/statushints.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableView>
#include <QUrl>

namespace {

const QColor lightGrey(0xD3, 0xD3, 0xD3);
const QColor slateBlue(0x6A, 0x5A, 0xCD);

const QString firstQuestion = QStringLiteral(
        "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
        "presenti in archivio.\n\r\n\rSi vuole esportare i dati adesso?");
const QString doneQuestion = QStringLiteral(
        "Le schede in archivio sono state esportate con successo.\n\r\n\rSi vuole aprire il file di Excel?");
const QString exportFailure = QStringLiteral(
        "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
        "Accertarsi che il file di Excel non sia già aperto.");

} // namespace

const FormKit::Command<ExportWindow> ExportWindow::commands[] = {
    {{"cmdEsporta", 662, Artwork::Icon::Spreadsheet, "Esporta l'archivio in formato Microsoft Excel."},
     &ExportWindow::cmdEsportaClick},
    {{"cmdGuida", 722, Artwork::Icon::Help, "Visualizza la pagina della guida sensibile al contesto."},
     &ExportWindow::cmdGuidaClick},
    {{"cmdEsci", 782, Artwork::Icon::Exit, "Esci da questo ambiente di lavoro."}, &QDialog::reject},
};

ExportWindow::ExportWindow(const ExportArchive &archive, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_archive(archive),
      m_model(new ExportGridModel(archive.gridHeadings, this))
{
    using namespace ExportForm;
    setObjectName(QLatin1String(archive.window));
    setWindowTitle(QString::fromUtf8(archive.caption));
    setFixedSize(windowWidth, windowHeight);

    auto *panel = FormKit::addSurface(this, QLatin1String(background.name), rectOf(background), lightGrey);

    auto *logo = new DrawnPicture(QLatin1String(banner.name), rectOf(banner), ExportPictures::banner, panel);
    auto *pointer = new DrawnPicture(QLatin1String(hand.name), rectOf(hand), ExportPictures::pointingHand, panel);
    QWidget *bar = FormKit::addSurface(panel, QLatin1String(commandBar.name), rectOf(commandBar), Qt::white,
                                       QColor(0xA0, 0xA0, 0xA0), 6);

    m_status = FormKit::addStatusBar(panel, rectOf(statusBar), slateBlue, statusInset);
    m_status->setText(QString::fromUtf8(status));

    auto *hints = new StatusHints(m_status, this);
    for (const FormKit::Command<ExportWindow> &command : commands) {
        PictureButton *button = FormKit::addCommand(panel, hints, command.design);
        button->move(command.design.x, commandTop);
        connect(button, &QAbstractButton::clicked, this, command.handler);
    }

    m_grid = new QTableView(panel);
    m_grid->setObjectName(QLatin1String(grid.name));
    m_grid->setGeometry(rectOf(grid));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->setColumnWidth(0, positionColumnWidth);
    for (int c = 0; c < archive.columns.size(); ++c)
        m_grid->setColumnWidth(c + 1, archive.columns[c].width * columnScale / columnDivisor);

    for (QWidget *surface : {panel, static_cast<QWidget *>(logo), static_cast<QWidget *>(pointer), bar,
                             m_grid->viewport()})
        hints->blank(surface);
}

void ExportWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    if (!m_filled) {
        m_filled = true;
        fill();
    }
}

void ExportWindow::fill()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_model->setRows(m_archive.read());
    QApplication::restoreOverrideCursor();
}

void ExportWindow::cmdEsportaClick()
{
    if (dialogs().message(this, Dialogs::Kind::Question, firstQuestion, Dialogs::Buttons::YesNo)
        == Dialogs::Answer::No)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = m_archive.write(m_model->rows());
    QApplication::restoreOverrideCursor();
    if (!written) {
        notice(this, Dialogs::Kind::Warning, exportFailure);
        return;
    }
    if (dialogs().message(this, Dialogs::Kind::Question, doneQuestion, Dialogs::Buttons::YesNo)
        == Dialogs::Answer::No)
        return;
    dialogs().openUrl(QUrl::fromLocalFile(m_archive.filePath()));
}

void ExportWindow::cmdGuidaClick()
{
    const QLatin1String tag(m_archive.kindTag);
    openHelp(this, tag == QLatin1String("anagrafica")       ? HelpTopics::registryExport()
                   : tag == QLatin1String("certificazioni") ? HelpTopics::selfCertificationExport()
                                                            : HelpTopics::notorietyExport());
}

void openExport(ArchiveWindow *window)
{
    if (!window)
        return;
    const ExportArchive *archive = ExportArchive::ofKind(window->kindTag());
    if (!archive)
        return;
    ExportWindow exporting(*archive, window);
    dialogs().showModal(&exporting);
}
