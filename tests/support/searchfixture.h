#pragma once
#include "core/storage/archivefile.h"
#include "core/storage/recordlayout.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTest>

// Archives for the search tests, written record by record the way the
// archive windows write them.
namespace SearchFixture {

using Fields = QList<QPair<int, QString>>;

inline QByteArray record(const RecordLayout &layout, const Fields &fields)
{
    Record r(layout);
    for (const auto &f : fields)
        r.setField(f.first, f.second);
    return r.bytes();
}

inline QByteArray card(const QString &name, const Fields &more = {})
{
    Fields fields{{SchedaAnagrafica::Nome, name}};
    fields += more;
    return record(SchedaAnagrafica::layout, fields);
}

inline QByteArray declaration(const QString &name, const Fields &more = {})
{
    Fields fields{{SchedaDichiarazione::Nome, name}, {SchedaDichiarazione::Consegnata, QStringLiteral("No")}};
    fields += more;
    return record(SchedaDichiarazione::layout, fields);
}

inline void write(const char *archive, int size, const QList<QByteArray> &records)
{
    ArchiveFile file(QLatin1String(archive), size);
    QVERIFY(file.open());
    for (const QByteArray &r : records)
        QVERIFY(file.append(r) > 0);
}

inline void writeRegistry(const QList<QByteArray> &cards)
{
    write(ArchiveNames::registry, SchedaAnagrafica::Size, cards);
}

inline void writeDeclarations(const char *archive, const QList<QByteArray> &records)
{
    write(archive, SchedaDichiarazione::Size, records);
}
}
