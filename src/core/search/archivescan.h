#pragma once
#include "core/search/listline.h"
#include "core/search/listorder.h"
#include "core/search/recordfilter.h"
#include "core/storage/archivefile.h"

#include <QDeadlineTimer>
#include <QString>

#include <memory>
#include <vector>

// One reading of a whole archive for a list: every record that passes the
// selection gives its line and keeps its position. The archive is read in
// slices, so a window can keep painting between them and stop half way; it
// is open from open() until the last slice or the destructor.
//
// The caller's thread reads a block at a time and selects its records; a
// worker builds and ranks the lines of the records selected and merges the
// sorted blocks while the next ones are read, so a whole archive takes
// little more than its reading. The few lines of a sparse block are built
// by the reader, which keeps its block: a narrow search runs on one thread.
class ArchiveScan
{
public:
    enum class Selection {
        Filters,         // the search's filters (all records when none is filled)
        PendingIssues,   // registry cards whose pending issues are not blank
        Undelivered,     // declarations whose delivered flag is not "OK"
    };
    enum class Progress { Running, Finished, Failed };

    ArchiveScan(const QString &archive, ListLine::Kind kind, Selection selection,
                const RecordFilter &filter);
    ArchiveScan(const QString &archive, ListLine::Kind kind, Selection selection);
    ~ArchiveScan();   // stops the worker; what it listed is freed on another thread
    ArchiveScan(const ArchiveScan &) = delete;
    ArchiveScan &operator=(const ArchiveScan &) = delete;

    // Opens the archive, creating it empty when missing.
    bool open();
    // Reads on until the archive ends, `maxRecords` have been read or the
    // deadline has passed; Finished or Failed only once the lines of every
    // record read are ready, which it waits for until the deadline. A
    // failure closes the archive and keeps the lines found so far.
    Progress step(qint64 maxRecords, QDeadlineTimer deadline = QDeadlineTimer::Forever);
    // Open, then every record in one go.
    Progress runToEnd();

    qint64 total() const { return m_total; }
    qint64 read() const { return m_read; }
    QString errorString() const { return m_file.errorString(); }

    // The lines found, in list order.
    std::vector<ListEntry> takeSorted();

private:
    struct Lines;

    bool selected(QByteArrayView record) const;
    void buildLines();   // the worker
    bool takeBuffer(QByteArray *buffer, QDeadlineTimer deadline);
    void handOnBuilt();
    void handOn(QByteArray &&block, qint64 first, std::vector<int> &&chosen, std::vector<ListEntry> &&built);
    void wakeWorker();
    void endReading();
    bool linesReady(QDeadlineTimer deadline);

    ArchiveFile m_file;
    ListLine::Kind m_kind;
    Selection m_selection;
    RecordFilter m_filter;
    qint64 m_total = 0;
    qint64 m_read = 0;
    bool m_open = false;
    bool m_failed = false;
    QByteArray m_block;       // the reader's block, while it holds one
    bool m_holding = false;
    bool m_workerBehind = false;   // so the reader builds the next lines itself
    std::vector<ListEntry> m_built;   // lines the reader built, not yet handed on
    std::unique_ptr<Lines> m_lines;
};
