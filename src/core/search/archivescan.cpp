#include "core/search/archivescan.h"

ArchiveScan::ArchiveScan(const QString &archive, ListLine::Kind kind, Selection selection,
                         const RecordFilter &filter)
    : m_file(archive, ListLine::layoutOf(kind).size), m_kind(kind), m_selection(selection),
      m_filter(filter)
{
}

ArchiveScan::ArchiveScan(const QString &archive, ListLine::Kind kind, Selection selection)
    : ArchiveScan(archive, kind, selection, RecordFilter(ListLine::layoutOf(kind)))
{
}

bool ArchiveScan::open()
{
    m_entries.clear();
    m_read = 0;
    m_open = m_file.open();
    if (!m_open)
        return false;
    m_total = m_file.count();
    if (m_total < 0) {
        m_file.close();
        m_open = false;
        return false;
    }
    // Every record will be listed: one allocation instead of a growing array.
    if (m_selection == Selection::Filters && m_filter.filledCount() == 0)
        m_entries.reserve(size_t(m_total));
    return true;
}

bool ArchiveScan::selected(QByteArrayView record) const
{
    switch (m_selection) {
    case Selection::Filters:
        return m_filter.matches(record);
    case Selection::PendingIssues:
        return !ListLine::trimmed(ListLine::fieldChars(SchedaAnagrafica::layout, record,
                                                       SchedaAnagrafica::Questioni)).isEmpty();
    case Selection::Undelivered:
        break;
    }
    return ListLine::trimmed(ListLine::fieldChars(SchedaDichiarazione::layout, record,
                                                  SchedaDichiarazione::Consegnata)) != "OK";
}

ArchiveScan::Progress ArchiveScan::step(qint64 maxRecords, QDeadlineTimer deadline)
{
    if (!m_open)
        return m_read == m_total ? Progress::Finished : Progress::Failed;
    QByteArrayView record;
    for (qint64 n = 0; m_read < m_total && n < maxRecords; ++n) {
        if (!m_file.next(&record)) {
            m_file.close();
            m_open = false;
            return Progress::Failed;
        }
        ++m_read;
        if (selected(record))
            m_entries.push_back({ListLine::build(m_kind, record), m_read});
        if ((n & 255) == 255 && deadline.hasExpired())
            break;
    }
    if (m_read < m_total)
        return Progress::Running;
    m_file.close();
    m_open = false;
    return Progress::Finished;
}

ArchiveScan::Progress ArchiveScan::runToEnd()
{
    if (!open())
        return Progress::Failed;
    return step(m_total);
}

std::vector<ListEntry> ArchiveScan::takeSorted()
{
    ListOrder::sort(m_entries);
    return std::move(m_entries);
}
