#include "output/exportwindow.h"

#include "core/help/helptopics.h"
#include "core/output/exportarchives.h"
#include "help/helpwindow.h"
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

const QSize windowSize(862, 560);
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

const FormKit::CommandDesign commands[] = {
    {"cmdEsporta", 662, Artwork::Icon::Spreadsheet, "Esporta l'archivio in formato Microsoft Excel."},
    {"cmdGuida", 722, Artwork::Icon::Help, "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", 782, Artwork::Icon::Exit, "Esci da questo ambiente di lavoro."},
};

} // namespace

ExportWindow::ExportWindow(const ExportArchive &archive, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_archive(archive),
      m_model(new ExportGridModel(archive.gridHeadings, this))
{
    setObjectName(QLatin1String(archive.window));
    setWindowTitle(QString::fromUtf8(archive.caption));
    setFixedSize(windowSize);

    auto *panel = FormKit::addSurface(this, QStringLiteral("panSfondo"), QRect(QPoint(0, 0), windowSize), lightGrey);

    auto *banner = new DrawnPicture(QStringLiteral("imgLogo"), QRect(16, 12, 470, 56), ExportPictures::banner, panel);
    auto *hand = new DrawnPicture(QStringLiteral("icoHand"), QRect(566, 16, 80, 48),
                                  ExportPictures::pointingHand, panel);
    QWidget *bar = FormKit::addSurface(panel, QStringLiteral("shpComandi"), QRect(650, 12, 196, 56),
                                       Qt::white, QColor(0xA0, 0xA0, 0xA0), 6);

    QWidget *statusBar = FormKit::addSurface(panel, QStringLiteral("shpStato"), QRect(0, 530, 862, 30), slateBlue);
    m_status = new QLabel(QStringLiteral("Esportazione archivio in Microsoft Excel."), statusBar);
    m_status->setObjectName(QStringLiteral("panInfo"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(12);
    m_status->setFont(tahoma);
    m_status->setStyleSheet(QStringLiteral("color: white;"));
    m_status->setGeometry(8, 0, 846, 30);
    m_status->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *hints = new StatusHints(m_status, this);
    for (const FormKit::CommandDesign &design : commands) {
        PictureButton *button = FormKit::addCommand(panel, hints, design);
        button->move(design.x, 20);
    }
    connect(findChild<PictureButton *>(QStringLiteral("cmdEsporta")), &QAbstractButton::clicked, this,
            &ExportWindow::cmdEsportaClick);
    connect(findChild<PictureButton *>(QStringLiteral("cmdGuida")), &QAbstractButton::clicked, this,
            &ExportWindow::cmdGuidaClick);
    connect(findChild<PictureButton *>(QStringLiteral("cmdEsci")), &QAbstractButton::clicked, this,
            &QDialog::reject);

    m_grid = new QTableView(panel);
    m_grid->setObjectName(QStringLiteral("grdRecords"));
    m_grid->setGeometry(16, 80, 830, 440);
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setMinimumSectionSize(21);
    m_grid->verticalHeader()->setDefaultSectionSize(21);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->setColumnWidth(0, 60);
    for (int c = 0; c < archive.columns.size(); ++c)
        m_grid->setColumnWidth(c + 1, archive.columns[c].width * 3 / 5);

    for (QWidget *background : {panel, static_cast<QWidget *>(banner), static_cast<QWidget *>(hand), bar,
                                m_grid->viewport()})
        hints->blank(background);
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
