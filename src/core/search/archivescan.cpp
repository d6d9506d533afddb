#include "core/search/archivescan.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace {
// Blocks of about 1 MiB between the reader and the worker: enough for the
// reader to go on while the worker merges, few enough to stay in the
// processor's cache between the reading and the building.
constexpr size_t blocksInFlight = 12;
// The worker is woken for several blocks at once: waking a sleeping
// processor costs, on a virtual machine above all, about as much as
// building the lines of a block.
constexpr size_t wakeFor = 6;
// A block with at most one line in this many records has its lines built
// by the reader: handing a block on costs more than building a few lines.
constexpr size_t sparseShare = 8;
// Lines built by the reader go to the worker in batches of this many.
constexpr size_t builtBatch = 4096;

template <typename Ready>
bool waitFor(std::condition_variable &changed, std::unique_lock<std::mutex> &lock, QDeadlineTimer deadline,
             Ready ready)
{
    if (deadline.isForever()) {
        changed.wait(lock, ready);
        return true;
    }
    return changed.wait_for(lock, std::chrono::nanoseconds(qMax<qint64>(0, deadline.remainingTimeNSecs())),
                            ready);
}
}

// What the reader and the worker share.
struct ArchiveScan::Lines
{
    struct Block
    {
        QByteArray records;
        qint64 first;             // position of its first record
        std::vector<int> chosen;  // the records selected, by index in the block
        std::vector<ListEntry> built;   // or their lines, built by the reader
    };

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Block> queue;          // read, not yet built
    std::vector<QByteArray> spare;    // blocks built, to read into again
    size_t buffers = 0;               // blocks made so far
    bool noMore = false;              // the reader has handed on its last block
    bool stop = false;
    bool done = false;                // every block built, every due merge made
    ListRuns runs;                    // the worker's until done
    std::thread worker;

    ~Lines()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stop = true;
        }
        changed.notify_all();
        if (worker.joinable())
            worker.join();
    }
};

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

ArchiveScan::~ArchiveScan() = default;

bool ArchiveScan::open()
{
    m_lines.reset();
    m_read = 0;
    m_failed = false;
    m_holding = false;
    m_workerBehind = false;
    m_built.clear();
    m_open = m_file.open();
    if (!m_open)
        return false;
    m_total = m_file.count();
    if (m_total < 0) {
        m_file.close();
        m_open = false;
        return false;
    }
    m_lines = std::make_unique<Lines>();
    // Every record will be listed: one allocation instead of a growing array.
    if (m_selection == Selection::Filters && m_filter.filledCount() == 0)
        m_lines->runs.reserve(size_t(m_total));
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
    if (!m_lines)
        return m_read == m_total ? Progress::Finished : Progress::Failed;
    const qsizetype size = m_file.recordSize();
    for (qint64 n = 0; m_open && m_read < m_total && n < maxRecords;) {
        if (!m_holding && !takeBuffer(&m_block, deadline))
            return Progress::Running;   // the worker is behind
        m_holding = true;
        const qint64 got = m_file.nextBlock(&m_block, maxRecords - n);
        if (got <= 0) {
            m_failed = true;
            endReading();
            break;
        }
        // The records are selected here, while they are in this processor's
        // cache; a block with none selected is read over again at once, so
        // a narrow search never starts the worker.
        std::vector<int> chosen;
        for (int i = 0; i < int(got); ++i) {
            if (selected(QByteArrayView(m_block).sliced(i * size, size)))
                chosen.push_back(i);
        }
        if (!chosen.empty() && (m_workerBehind || chosen.size() * sparseShare <= size_t(got))) {
            // A block with few lines, or one the worker could not take yet:
            // its lines are built here, and the block is read over again at
            // once, which keeps it in this processor's cache.
            for (int i : chosen)
                m_built.push_back({ListLine::build(m_kind, QByteArrayView(m_block).sliced(i * size, size)),
                                   m_read + 1 + i});
            if (m_built.size() >= builtBatch)
                handOnBuilt();
        } else if (!chosen.empty()) {
            handOnBuilt();   // lines stay in file order
            handOn(std::move(m_block), m_read + 1, std::move(chosen), {});
            m_holding = false;
        }
        m_read += got;
        n += got;
        if (deadline.hasExpired())
            break;
    }
    if (m_open && m_read < m_total) {
        wakeWorker();   // it builds on while the caller does something else
        return Progress::Running;
    }
    if (m_open)
        endReading();
    if (!linesReady(deadline))
        return Progress::Running;
    return m_failed ? Progress::Failed : Progress::Finished;
}

ArchiveScan::Progress ArchiveScan::runToEnd()
{
    if (!open())
        return Progress::Failed;
    return step(m_total);
}

std::vector<ListEntry> ArchiveScan::takeSorted()
{
    if (!m_lines)
        return {};
    linesReady(QDeadlineTimer::Forever);
    if (m_lines->worker.joinable())
        m_lines->worker.join();
    return m_lines->runs.take();
}

// A spare block, or a new one while fewer than blocksInFlight exist.
bool ArchiveScan::takeBuffer(QByteArray *buffer, QDeadlineTimer deadline)
{
    Lines &l = *m_lines;
    std::unique_lock<std::mutex> lock(l.mutex);
    if (l.spare.empty() && l.buffers < blocksInFlight) {
        ++l.buffers;
        return true;
    }
    if (l.spare.empty())
        l.changed.notify_all();   // the worker may be asleep on fewer than wakeFor blocks
    if (!waitFor(l.changed, lock, deadline, [&l] { return !l.spare.empty(); }))
        return false;
    *buffer = std::move(l.spare.back());
    l.spare.pop_back();
    return true;
}

void ArchiveScan::handOnBuilt()
{
    if (!m_built.empty())
        handOn({}, 0, {}, std::exchange(m_built, {}));
}

// The worker starts with the first lines handed on: a narrow search, whose
// few lines the reader builds, never starts it.
void ArchiveScan::handOn(QByteArray &&block, qint64 first, std::vector<int> &&chosen, std::vector<ListEntry> &&built)
{
    if (!m_lines->worker.joinable())
        m_lines->worker = std::thread([this] { buildLines(); });
    bool wake;
    {
        std::lock_guard<std::mutex> lock(m_lines->mutex);
        m_lines->queue.push_back({std::move(block), first, std::move(chosen), std::move(built)});
        wake = m_lines->queue.size() >= wakeFor;
        m_workerBehind = m_lines->queue.size() > blocksInFlight / 2;
    }
    if (wake)
        m_lines->changed.notify_all();
}

void ArchiveScan::wakeWorker()
{
    m_lines->changed.notify_all();
}

void ArchiveScan::endReading()
{
    m_file.close();
    m_open = false;
    if (!m_lines->worker.joinable()) {
        // No block went to a worker: the few lines are ranked here.
        m_lines->runs.add(std::exchange(m_built, {}));
        m_lines->done = true;
        return;
    }
    handOnBuilt();
    {
        std::lock_guard<std::mutex> lock(m_lines->mutex);
        m_lines->noMore = true;
    }
    m_lines->changed.notify_all();
}

bool ArchiveScan::linesReady(QDeadlineTimer deadline)
{
    Lines &l = *m_lines;
    std::unique_lock<std::mutex> lock(l.mutex);
    return waitFor(l.changed, lock, deadline, [&l] { return l.done; });
}

// The worker: builds the lines of each block read, sorts them as a run and,
// whenever no block waits, merges runs that are due.
void ArchiveScan::buildLines()
{
    Lines &l = *m_lines;
    const qsizetype size = m_file.recordSize();
    std::unique_lock<std::mutex> lock(l.mutex);
    while (!l.stop) {
        if (!l.queue.empty()) {
            // The blocks waiting, up to as many as there can be, make one
            // run: fewer, longer runs to merge.
            std::vector<ListEntry> lines;
            for (size_t taken = 0; taken < blocksInFlight && !l.queue.empty(); ++taken) {
                Lines::Block block = std::move(l.queue.front());
                l.queue.pop_front();
                lock.unlock();
                const QByteArrayView records(block.records);
                for (ListEntry &e : block.built)
                    lines.push_back(std::move(e));
                for (int i : block.chosen)
                    lines.push_back({ListLine::build(m_kind, records.sliced(i * size, size)), block.first + i});
                lock.lock();
                if (!block.records.isNull())
                    l.spare.push_back(std::move(block.records));
                l.changed.notify_all();
            }
            lock.unlock();
            l.runs.add(std::move(lines));
            lock.lock();
            continue;
        }
        lock.unlock();
        const bool merged = l.runs.mergeSome();
        lock.lock();
        if (merged || !l.queue.empty() || l.stop)
            continue;
        if (l.noMore) {
            l.done = true;
            l.changed.notify_all();
            return;
        }
        l.changed.wait(lock);
    }
}
