// The export of a 100,000-card registry: the export window's grid filled and
// shown, and the file written, beside a plain 1 MiB-block read of the archive.
#include "core/output/exportarchives.h"
#include "core/output/spreadsheetwriter.h"
#include "core/storage/programfolder.h"
#include "core/storage/recordlayout.h"
#include "output/exportwindow.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int Cards = 100000;

long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

double plainRead(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    QByteArray block(1 << 20, Qt::Uninitialized);
    qint64 sum = 0;
    while (const qint64 got = file.read(block.data(), block.size()))
        if (got > 0) sum += block[0]; else break;
    return clock.nsecsElapsed() / 1e6 + double(sum & 0);
}
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    {
        QFile f(ProgramFolder::file(QStringLiteral("Anagrafica.pro")));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        using namespace SchedaAnagrafica;
        for (int i = 0; i < Cards; ++i) {
            Record r(layout);
            r.setField(Nome, QStringLiteral("Cliente %1 & Figli").arg(i));
            r.setField(Indirizzo, QStringLiteral("Via Giuseppe Garibaldi"));
            r.setField(Num, QString::number(i % 200 + 1));
            const QString cap = QStringLiteral("%1").arg(i % 100000, 5, 10, QLatin1Char('0'));
            for (int k = 0; k < 5; ++k)
                r.setField(Cap01 + k, cap.mid(k, 1));
            r.setField(Localita, QStringLiteral("Città"));
            r.setField(Tel, QStringLiteral("06 %1").arg(1000000 + i));
            r.setField(Email, QStringLiteral("cliente%1@esempio.it").arg(i));
            r.setField(PartitaIva, QStringLiteral("0%1").arg(1000000000 + i));
            r.setField(Note, QStringLiteral("Note del cliente numero %1, preferisce la posta.").arg(i));
            f.write(r.bytes());
        }
    }
    const QString archivePath = ProgramFolder::file(QStringLiteral("Anagrafica.pro"));
    plainRead(archivePath);   // warm the cache
    const double read = plainRead(archivePath);

    QElapsedTimer clock;
    clock.start();
    ExportWindow window(ExportArchive::registry());
    window.show();
    app.processEvents();
    const double shown = clock.nsecsElapsed() / 1e6;
    const int rows = window.findChild<QTableView *>()->model()->rowCount();
    const long kib = residentKiB();

    const ExportTable table = ExportArchive::registry().read();
    clock.restart();
    const bool written = ExportArchive::registry().write(table);
    const double write = clock.nsecsElapsed() / 1e6;
    clock.restart();
    const QByteArray inMemory = SpreadsheetWriter::document(QStringLiteral("Archivio Anagrafico"),
                                                            ExportArchive::registry().columns, table);
    std::printf("writer into memory %.1f ms (%.1fx the read)\n", clock.nsecsElapsed() / 1e6,
                clock.nsecsElapsed() / 1e6 / read);
    QFile out(ExportArchive::registry().filePath());
    out.open(QIODevice::ReadOnly);
    const bool same = out.readAll() == inMemory;
    std::printf("%d cards: plain 1 MiB-block read %.1f ms; grid filled and shown %.1f ms (%d rows), "
                "peak resident %.1f MiB; file written %.1f ms (%.1fx the read, %lld bytes), %s\n",
                Cards, read, shown, rows, kib / 1024.0, write, write / read, out.size(),
                written && same ? "bytes equal to the writer's" : "BYTES DIFFER");
    return written && same && rows == Cards ? 0 : 1;
}
