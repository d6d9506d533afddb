#include "core/storage/recordbrowsing.h"

#include "core/storage/archivefile.h"

namespace {
RecordBrowsing::Step only(RecordBrowsing::Step::Outcome outcome)
{
    return {outcome, 0, QByteArray()};
}
}

RecordBrowsing::Step RecordBrowsing::browse(const QString &archive, int recordSize, Move move, qint64 current)
{
    ArchiveFile file(archive, recordSize);
    if (!file.open())
        return only(Step::Failed);
    if (move == Move::Previous && current == 1)
        return only(Step::Unchanged);
    const qint64 count = file.count();
    if (count < 0)
        return only(Step::Failed);
    if (count == 0)
        return only(Step::EmptyArchive);

    qint64 target = 0;
    switch (move) {
    case Move::First: target = 1; break;
    case Move::Last: target = count; break;
    case Move::Next: target = current < count ? current + 1 : 0; break;
    case Move::Previous: target = current <= 2 ? 1 : current - 1; break;
    }
    if (target == 0)
        return only(Step::Unchanged);
    Step step{Step::Show, target, QByteArray()};
    if (!file.read(target, &step.record))
        return only(Step::Failed);
    return step;
}

qint64 RecordBrowsing::store(const QString &archive, int recordSize, qint64 current, const QByteArray &record)
{
    ArchiveFile file(archive, recordSize);
    if (!file.open())
        return 0;
    if (current > 0)
        return file.write(current, record) ? current : 0;
    return file.append(record);
}
