#pragma once
#include <QByteArray>
#include <QString>

// Browsing and saving as every archive window does it, one open per command.
// A record not yet stored (position 0) counts as standing before record 1:
// Next and Previous from it both reach the first record.
namespace RecordBrowsing {
enum class Move { First, Previous, Next, Last };

struct Step
{
    enum Outcome { Show, EmptyArchive, Unchanged, Failed } outcome;
    qint64 position = 0;   // the record to show
    QByteArray record;
};

Step browse(const QString &archive, int recordSize, Move move, qint64 current);

// Writes the record over record `current`, or appends it when current is 0.
// The position written, or 0 when the archive could not be written.
qint64 store(const QString &archive, int recordSize, qint64 current, const QByteArray &record);
}
