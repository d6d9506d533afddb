#pragma once
#include "core/search/archivescan.h"
#include "core/search/findinlist.h"
#include "ui/formkit.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QTimer>

#include <memory>

class ArchiveWindow;
class ListModel;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QWidget;

// What the search, import and summary windows share: the filter panel
// panAvvio (search windows only), the result panel panContainer with the
// sorted list lstRecords, Trova, the count line and Stampa, and the
// double-click that opens the record of a line.
//
// The archive is read in slices: a reading that takes longer than a moment
// shows "Ricerca schede in corso. Attendere..." with a progress bar while
// the window keeps painting, and the Chiudi button stops it.
class SearchWindow : public QDialog
{
    Q_OBJECT
public:
    struct FilterDesign
    {
        const char *box;
        const char *label;
        int field;   // of the archive's record layout
    };

    // What a double-click does with the record of a line.
    enum class Opening {
        ShowRecord,          // the whole record into the archive window of fillTag
        ImportPersonalData,  // the 17 personal-data boxes of the declaration window named by lblMemory
    };

    struct Design
    {
        const char *name;
        QString caption;
        QString banner;              // banner text of the result panel
        QList<FilterDesign> filters; // none: a summary, built when shown
        QString archive;
        ListLine::Kind line;
        ArchiveScan::Selection selection;
        QString printTitle;
        Opening opening;
        // ShowRecord: the kind tag of the archive window filled. A search
        // window (one with filters) fills it only when lblMemory holds it.
        QString fillTag;
    };

    explicit SearchWindow(const Design &design, QWidget *parent = nullptr);
    ~SearchWindow() override;

    void setKindTag(const QString &tag);   // lblMemory
    ListModel *model() const { return m_model; }

    // How long a reading may go before the window shows its progress, and
    // how many records one slice reads at most. Tests shorten them.
    static void setPacing(int quietMs, qint64 recordsPerSlice);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFilterPanel(QWidget *panel);
    void buildResultPanel(QWidget *panel);
    void buildBusyNotice(QWidget *panel, int top);

    static const FormKit::Button<SearchWindow> filterButtons[];
    static const FormKit::Button<SearchWindow> findButton;
    static const FormKit::Button<SearchWindow> resultButtons[];

    void btnCercaClick();
    void btnTrovaClick();
    void btnStampaClick();
    void lstRecordsDoubleClick();

    // Reading the archive.
    void startScan(ArchiveScan::Selection selection, const RecordFilter &filter);
    void continueScan();
    void scanEnded(ArchiveScan::Progress progress);
    void setBusy(bool busy);
    void stopScan();

    // The archive window filled, if any.
    ArchiveWindow *openRecord(qint64 position, const QByteArray &record);
    int selectedRow() const;
    void selectRow(int row);
    void fitItemWidth();

    Design m_design;
    QWidget *m_filterPanel = nullptr;
    QWidget *m_resultPanel = nullptr;
    QList<QLineEdit *> m_filterBoxes;
    QList<QWidget *> m_highlights;   // eff*, by filter box
    QLabel *m_memory = nullptr;      // lblMemory
    QLabel *m_filled = nullptr;      // lblConta
    QLabel *m_wait = nullptr;        // lblAttendere
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr; // btnAnnulla
    QPushButton *m_search = nullptr; // btnCerca
    QLineEdit *m_find = nullptr;     // txtTrova
    QPushButton *m_findButton = nullptr;
    QListView *m_list = nullptr;
    QLabel *m_count = nullptr;       // lblTrovate
    ListModel *m_model = nullptr;
    FindInList m_finder;

    std::unique_ptr<ArchiveScan> m_scan;
    QTimer m_slices;
};
