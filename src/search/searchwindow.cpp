#include "search/searchwindow.h"

#include "core/search/listmodel.h"
#include "core/storage/archivefile.h"
#include "core/storage/recordlayout.h"
#include "core/storage/text.h"
#include "output/listprintout.h"
#include "search/searchform.h"
#include "search/searchpictures.h"
#include "ui/archivewindow.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/drawnpicture.h"
#include "ui/formkit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <iterator>

namespace {

constexpr int sliceMs = 40;

int quietSpanMs = 250;
qint64 sliceRecords = 1 << 30;

const QString accessError = QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
        "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString emptyListNotice = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

QFont listFont()
{
    QFont font(QStringLiteral("Courier New"), SearchForm::listPoints);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

// Every row is as wide as the longest line, so long lines scroll sideways;
// with uniform item sizes the view asks the first row only.
class FixedWidthDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int width = 1600;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(width, QStyledItemDelegate::sizeHint(option, index).height());
    }
};

} // namespace

const FormKit::Button<SearchWindow> SearchWindow::filterButtons[] = {
    {SearchForm::closeFilters, &SearchWindow::reject},
    {SearchForm::search, &SearchWindow::btnCercaClick},
};
const FormKit::Button<SearchWindow> SearchWindow::findButton = {SearchForm::find, &SearchWindow::btnTrovaClick};
const FormKit::Button<SearchWindow> SearchWindow::resultButtons[] = {
    {SearchForm::closeResults, &SearchWindow::reject},
    {SearchForm::print, &SearchWindow::btnStampaClick},
};

void SearchWindow::setPacing(int quietMs, qint64 recordsPerSlice)
{
    quietSpanMs = quietMs;
    sliceRecords = recordsPerSlice;
}

SearchWindow::SearchWindow(const Design &design, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_design(design)
{
    using namespace SearchForm;
    setObjectName(QLatin1String(design.name));
    setWindowTitle(design.caption);
    setFixedSize(windowWidth, windowHeight);
    setFont(FormKit::fontOf(windowFont));

    QWidget *page = Backdrop::fill(this, Palette::steelBlue(), QSize(windowWidth, windowHeight));
    if (!design.filters.isEmpty()) {
        m_filterPanel = new QWidget(page);
        m_filterPanel->setObjectName(QLatin1String(filterPanel.name));
        m_filterPanel->setGeometry(rectOf(filterPanel));
        buildFilterPanel(m_filterPanel);
        m_memory = FormKit::addHiddenLabel(page, memory);
        m_filled = FormKit::addHiddenLabel(page, filledCount);
    }
    m_resultPanel = new QWidget(page);
    m_resultPanel->setObjectName(QLatin1String(resultPanel.name));
    m_resultPanel->setGeometry(rectOf(resultPanel));
    buildResultPanel(m_resultPanel);
    m_resultPanel->setVisible(!m_filterPanel);
    if (!m_filterPanel) {
        if (design.opening == Opening::ImportPersonalData)
            m_memory = FormKit::addHiddenLabel(page, memory);
        buildBusyNotice(m_resultPanel, summaryNoticeTop);
    }

    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &SearchWindow::continueScan);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::buildFilterPanel(QWidget *panel)
{
    using namespace SearchForm;
    new DrawnPicture(QLatin1String(filterInstructions.name), rectOf(filterInstructions),
                     SearchPictures::filterInstructions(), panel);

    const QFont boxFont = FormKit::fontOf(filterFont);
    const int columns = int(std::size(filterColumns));
    for (int i = 0; i < m_design.filters.size(); ++i) {
        const FilterDesign &f = m_design.filters[i];
        const int x = filterColumns[i % columns];
        const int y = filterTop + (i / columns) * filterRowStep;
        const QRect boxRect(x, y + boxOffset, filterWidth, boxHeight);
        const QByteArray field = QByteArray(f.box).mid(3);

        const QByteArray caption = "lbl" + field;
        FormKit::addLabel(panel, {caption.constData(), f.label, x, y, filterWidth, captionHeight, captionFont,
                                  captionColour});

        auto *highlight = new QWidget(panel);
        highlight->setObjectName(QLatin1String("eff" + field));
        highlight->setGeometry(boxRect.adjusted(-highlightMargin, -highlightMargin, highlightMargin, highlightMargin));
        highlight->setStyleSheet(QStringLiteral("background: #FFFF00; border-radius: 3px;"));
        highlight->setAttribute(Qt::WA_StyledBackground);
        highlight->hide();
        m_highlights.append(highlight);

        auto *box = new QLineEdit(panel);
        box->setObjectName(QLatin1String(f.box));
        box->setFont(boxFont);
        box->setGeometry(boxRect);
        box->setMaxLength(boxCapacity);
        box->installEventFilter(this);
        m_filterBoxes.append(box);
    }
    for (int i = 1; i < m_filterBoxes.size(); ++i)
        setTabOrder(m_filterBoxes[i - 1], m_filterBoxes[i]);

    const QList<QPushButton *> buttons = FormKit::addButtons(this, panel, filterButtons);
    m_cancel = buttons.first();
    m_search = buttons.last();
    m_cancel->setAutoDefault(false);
    m_search->setAutoDefault(false);
    buildBusyNotice(panel, filterNoticeTop);

    // The notice goes up as soon as the button is pressed, before the reading starts.
    connect(m_search, &QPushButton::pressed, this, [this] { m_wait->show(); m_wait->repaint(); });
}

void SearchWindow::buildBusyNotice(QWidget *panel, int top)
{
    m_wait = FormKit::addLabel(panel, FormKit::shifted(SearchForm::busyNotice, 0, top));
    m_wait->hide();

    m_progress = new QProgressBar(panel);
    m_progress->setObjectName(QLatin1String(SearchForm::busyProgress.name));
    m_progress->setGeometry(rectOf(FormKit::shifted(SearchForm::busyProgress, 0, top)));
    m_progress->setTextVisible(false);
    m_progress->hide();
}

void SearchWindow::buildResultPanel(QWidget *panel)
{
    using namespace SearchForm;
    new DrawnPicture(QLatin1String(banner.name), rectOf(banner), SearchPictures::banner(m_design.banner), panel);
    new DrawnPicture(QLatin1String(SearchForm::findInstructions.name), rectOf(SearchForm::findInstructions),
                     SearchPictures::findInstructions(), panel);

    m_find = new QLineEdit(panel);
    m_find->setObjectName(QLatin1String(findBox.name));
    m_find->setFont(FormKit::fontOf(findFont));
    m_find->setGeometry(rectOf(findBox));
    m_find->setMaxLength(boxCapacity);
    m_find->installEventFilter(this);
    m_findButton = FormKit::addButton(this, panel, findButton);

    m_model = new ListModel(this);
    m_list = new QListView(panel);
    m_list->setObjectName(QLatin1String(list.name));
    m_list->setGeometry(rectOf(list));
    m_list->setFont(listFont());
    m_list->setUniformItemSizes(true);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new FixedWidthDelegate(m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setWordWrap(false);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));

    FormKit::addLabel(panel, listHint);

    for (QPushButton *b : FormKit::addButtons(this, panel, resultButtons))
        b->setAutoDefault(false);
    m_findButton->setAutoDefault(false);

    if (!m_design.filters.isEmpty())
        m_count = FormKit::addLabel(panel, count);

    connect(m_list, &QListView::doubleClicked, this, &SearchWindow::lstRecordsDoubleClick);
}

void SearchWindow::setKindTag(const QString &tag)
{
    if (m_memory)
        m_memory->setText(tag);
}

void SearchWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_finder.reset();
    m_find->clear();
    if (m_filterPanel) {
        if (m_filterPanel->isVisible())
            m_filterBoxes.first()->setFocus();
        return;
    }
    // A summary is built each time it is shown, from an empty list.
    if (!m_scan) {
        m_model->clear();
        startScan(m_design.selection, RecordFilter(ListLine::layoutOf(m_design.line)));
    }
}

void SearchWindow::closeEvent(QCloseEvent *event)
{
    stopScan();
    QDialog::closeEvent(event);
}

void SearchWindow::reject()
{
    stopScan();
    m_model->clear();
    m_wait->hide();
    QDialog::reject();
}

bool SearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    const int box = m_filterBoxes.indexOf(qobject_cast<QLineEdit *>(watched));
    switch (event->type()) {
    case QEvent::FocusIn:
        if (box >= 0)
            m_highlights[box]->show();
        break;
    case QEvent::FocusOut:
        if (box >= 0)
            m_highlights[box]->hide();
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            break;
        if (box >= 0) {
            m_filterBoxes[(box + 1) % m_filterBoxes.size()]->setFocus();
            return true;
        }
        if (watched == m_find) {
            m_findButton->setFocus();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void SearchWindow::btnCercaClick()
{
    if (m_scan)
        return;
    RecordFilter filter(ListLine::layoutOf(m_design.line));
    for (int i = 0; i < m_filterBoxes.size(); ++i)
        filter.add(m_design.filters[i].field, m_filterBoxes[i]->text());
    m_filled->setText(QString::number(filter.filledCount()));
    m_wait->show();
    startScan(ArchiveScan::Selection::Filters, filter);
}

void SearchWindow::startScan(ArchiveScan::Selection selection, const RecordFilter &filter)
{
    m_scan = std::make_unique<ArchiveScan>(m_design.archive, m_design.line, selection, filter);
    if (!m_scan->open()) {
        scanEnded(ArchiveScan::Progress::Failed);
        return;
    }
    // Most archives are read before anyone could notice; only a longer
    // reading shows its progress and lets the window paint between slices.
    const ArchiveScan::Progress progress = m_scan->step(sliceRecords, QDeadlineTimer(quietSpanMs));
    if (progress != ArchiveScan::Progress::Running) {
        scanEnded(progress);
        return;
    }
    setBusy(true);
    m_slices.start();
}

void SearchWindow::continueScan()
{
    if (!m_scan)
        return;
    const ArchiveScan::Progress progress = m_scan->step(sliceRecords, QDeadlineTimer(sliceMs));
    if (m_scan->total() > 0)
        m_progress->setValue(int(m_scan->read() * 1000 / m_scan->total()));
    if (progress == ArchiveScan::Progress::Running)
        return;
    m_slices.stop();
    scanEnded(progress);
}

void SearchWindow::setBusy(bool busy)
{
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    m_progress->setVisible(busy);
    m_wait->setVisible(busy || m_filterPanel);
    if (m_search)
        m_search->setEnabled(!busy);
    for (QLineEdit *box : std::as_const(m_filterBoxes))
        box->setReadOnly(busy);
}

void SearchWindow::stopScan()
{
    m_slices.stop();
    m_scan.reset();   // closes the archive
}

void SearchWindow::scanEnded(ArchiveScan::Progress progress)
{
    const bool searching = m_filterPanel != nullptr;
    setBusy(false);
    if (progress == ArchiveScan::Progress::Failed && searching) {
        // Back on the filters, as typed, with the notice still up: the
        // clerk can fix the folder and press Cerca again.
        m_scan.reset();
        m_wait->show();
        notice(this, Dialogs::Kind::Plain, accessError);
        return;
    }
    // A summary that fails keeps, silently, what it had listed so far.
    m_model->setEntries(m_scan->takeSorted());
    fitItemWidth();
    if (!searching) {
        m_wait->hide();
        selectRow(m_model->rowCount() > 0 ? 0 : -1);
        m_find->setFocus();
        return;
    }
    m_count->setText(CountLine::text(m_model->rowCount()));
    m_resultPanel->show();
    m_filterPanel->hide();
    m_find->clear();
    m_find->setFocus();
}

void SearchWindow::fitItemWidth()
{
    qsizetype longest = 0;
    for (const ListEntry &e : m_model->entries())
        longest = qMax(longest, e.line.size());
    const int advance = QFontMetrics(m_list->font()).horizontalAdvance(QLatin1Char('M'));
    auto *delegate = static_cast<FixedWidthDelegate *>(m_list->itemDelegate());
    delegate->width = qMax(1600, int(longest) * advance + 16);
    m_list->reset();
}

int SearchWindow::selectedRow() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() && m_list->selectionModel()->isSelected(current) ? current.row() : -1;
}

void SearchWindow::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row);
    m_list->setCurrentIndex(index);
    m_list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(index);
}

void SearchWindow::btnTrovaClick()
{
    if (m_model->rowCount() == 0) {
        notice(this, Dialogs::Kind::Plain, emptyListNotice);
        return;
    }
    int selected = selectedRow();
    if (selected < 0) {
        selected = 0;
        selectRow(0);
    }
    const int found = m_finder.find(m_model->entries(), selected, m_find->text());
    if (found >= 0)
        selectRow(found);
}

void SearchWindow::btnStampaClick()
{
    printList(this, m_design.printTitle, m_model->lines());
}

// The line keeps the position of its record: that record, read afresh, is
// the one opened, even when another record gives the same line. The window
// it fills is painted before anything else happens, so the clerk sees the
// record as soon as this window goes; closing it and freeing the list come
// after.
void SearchWindow::lstRecordsDoubleClick()
{
    const qint64 position = m_model->position(selectedRow());
    if (position > 0) {
        ArchiveFile file(m_design.archive, ListLine::layoutOf(m_design.line).size);
        QByteArray record;
        if (file.open() && file.read(position, &record)) {
            file.close();
            if (ArchiveWindow *filled = openRecord(position, record))
                filled->repaint();
        }
    }
    // Loaded or not, the window has done its work.
    accept();
    m_model->clear();
    m_wait->hide();
}

ArchiveWindow *SearchWindow::openRecord(qint64 position, const QByteArray &record)
{
    const QString tag = m_memory ? Text::trimmed(m_memory->text()) : QString();
    if (m_design.opening == Opening::ImportPersonalData) {
        // Only a window that takes a person copies anything.
        ArchiveWindow *target = ArchiveWindow::ofKind(tag);
        if (target)
            target->fillPersonalData(Record(SchedaAnagrafica::layout, record));
        return target;
    }
    if (m_filterPanel && tag != m_design.fillTag)
        return nullptr;
    ArchiveWindow *target = ArchiveWindow::ofKind(m_design.fillTag);
    if (target)
        target->showRecord(position, record);
    return target;
}
