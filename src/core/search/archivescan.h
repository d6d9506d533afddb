#pragma once
#include "core/search/listline.h"
#include "core/search/listorder.h"
#include "core/search/recordfilter.h"
#include "core/storage/archivefile.h"

#include <QDeadlineTimer>
#include <QString>

#include <vector>

// One reading of a whole archive for a list: every record that passes the
// selection gives its line and keeps its position. The archive is read in
// slices, so a window can keep painting between them and stop half way; it
// is open from open() until the last slice or the destructor.
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

    // Opens the archive, creating it empty when missing.
    bool open();
    // Reads on until the archive ends, `maxRecords` have been read or the
    // deadline has passed. A failure closes the archive and keeps the lines
    // found so far.
    Progress step(qint64 maxRecords, QDeadlineTimer deadline = QDeadlineTimer::Forever);
    // Open, then every record in one go.
    Progress runToEnd();

    qint64 total() const { return m_total; }
    qint64 read() const { return m_read; }
    QString errorString() const { return m_file.errorString(); }

    // The lines found, in list order.
    std::vector<ListEntry> takeSorted();

private:
    bool selected(QByteArrayView record) const;

    ArchiveFile m_file;
    ListLine::Kind m_kind;
    Selection m_selection;
    RecordFilter m_filter;
    qint64 m_total = 0;
    qint64 m_read = 0;
    bool m_open = false;
    std::vector<ListEntry> m_entries;
};
