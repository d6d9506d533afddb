// Search speed on generated registries, beside a plain read of the same file.
#include "core/search/archivescan.h"
#include "core/search/listmodel.h"
#include "core/storage/programfolder.h"
#include "core/storage/recordlayout.h"
#include "registry/frmanagrafica.h"

#include <QApplication>
#include <QListView>
#include <QElapsedTimer>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <functional>
#include <ctime>

namespace {
namespace A = SchedaAnagrafica;

const char *firstNames[] = {"Mario", "Anna", "Luca", "Giulia", "Paolo", "Sara", "Marco", "Elena", "Carlo", "Rita"};
const char *lastNames[] = {"Rossi", "Bianchi", "Esposito", "Romano", "Colombo", "Ricci", "Marino", "Greco",
                           "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Costa", "Giordano"};
const char *towns[] = {"Napoli", "Roma", "Milano", "Torino", "Palermo", "Bari", "Firenze"};

// Writes `count` records made by `make` (given a random source) in 1 MiB
// blocks; the same seed gives the same archive every run.
template<typename Make>
bool writeRecords(const QString &path, int count, quint32 seed, Make make)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    auto next = [&] { seed = seed * 1103515245u + 12345u; return (seed >> 8) & 0xFFFFFF; };
    QByteArray block;
    for (int i = 0; i < count; ++i) {
        block.append(make(next).bytes());
        if (block.size() >= (1 << 20)) {
            if (f.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return f.write(block) == block.size();
}

QString personName(const std::function<quint32()> &next)
{
    return QStringLiteral("%1 %2 %3")
            .arg(QLatin1String(lastNames[next() % 15]), QLatin1String(firstNames[next() % 10]))
            .arg(next() % 100000);
}

bool generate(const QString &path, int cards)
{
    return writeRecords(path, cards, 12345, [](const std::function<quint32()> &next) {
        Record r(A::layout);
        r.setField(A::Nome, personName(next));
        r.setField(A::Localita, QString::fromLatin1(towns[next() % 7]));
        r.setField(A::CodFisc, QStringLiteral("RSSMRA%1A01F839X").arg(next() % 100, 2, 10, QLatin1Char('0')));
        r.setField(A::Tel, QStringLiteral("081 %1").arg(next() % 10000000));
        r.setField(A::Cel, QStringLiteral("333 %1").arg(next() % 10000000));
        r.setField(A::Note, QStringLiteral("Cliente dal %1, pratica numero %2").arg(1990 + next() % 30).arg(next()));
        if (next() % 10 == 0)
            r.setField(A::Questioni, QStringLiteral("Documento da rinnovare"));
        return r;
    });
}

// Declarations for trying their windows by hand: one in four not delivered.
bool generateDeclarations(const QString &path, int count)
{
    namespace D = SchedaDichiarazione;
    static const char *subjects[] = {"Residenza", "Stato di famiglia", "Nascita", "Titolo di studio",
                                     "Eredi legittimi"};
    return writeRecords(path, count, 54321, [](const std::function<quint32()> &next) {
        Record r(D::layout);
        r.setField(D::Nome, personName(next));
        r.setField(D::CodFisc, QStringLiteral("RSSMRA%1A01F839X").arg(next() % 100, 2, 10, QLatin1Char('0')));
        r.setField(D::Tel, QStringLiteral("081 %1").arg(next() % 10000000));
        r.setField(D::Oggetto, QString::fromLatin1(subjects[next() % 5]));
        r.setField(D::Dichiarazione, QStringLiteral("di essere residente in %1.").arg(QLatin1String(towns[next() % 7])));
        r.setField(D::Luogo, QString::fromLatin1(towns[next() % 7]));
        r.setField(D::Data, QStringLiteral("%1/%2/%3").arg(1 + next() % 28, 2, 10, QLatin1Char('0'))
                                    .arg(1 + next() % 12, 2, 10, QLatin1Char('0')).arg(2000 + next() % 26));
        r.setField(D::Consegnata, next() % 4 == 0 ? QString() : QStringLiteral("OK"));
        return r;
    });
}

double plainRead(const QString &path)
{
    QElapsedTimer t;
    t.start();
    QFile f(path);
    f.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    qint64 total = 0, got;
    while ((got = f.read(buffer.data(), buffer.size())) > 0)
        total += got;
    Q_UNUSED(total);
    return t.nsecsElapsed() / 1e6;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double peakMiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}
}

int main(int argc, char **argv)
{
    // "bench_search --archive FOLDER N" only writes the registry of N cards
    // and both declaration archives of N declarations each into FOLDER, to
    // try the windows on big archives by hand.
    if (argc == 4 && QByteArray(argv[1]) == "--archive") {
        ProgramFolder::setPath(QString::fromLocal8Bit(argv[2]));
        const int count = QByteArray(argv[3]).toInt();
        return generate(ProgramFolder::file(QLatin1String(ArchiveNames::registry)), count)
                               && generateDeclarations(
                                       ProgramFolder::file(QLatin1String(ArchiveNames::selfCertifications)), count)
                               && generateDeclarations(
                                       ProgramFolder::file(QLatin1String(ArchiveNames::notorietyDeclarations)),
                                       count)
                       ? 0
                       : 1;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The list as the search windows show it.
    QListView view;
    view.setUniformItemSizes(true);
    view.setFont(QFont(QStringLiteral("Courier New"), 12));
    view.resize(900, 400);
    view.show();
    FrmAnagrafica registry;
    registry.show();
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    const QString path = ProgramFolder::file(QLatin1String(ArchiveNames::registry));
    const double freeGiB = QStorageInfo(dir.path()).bytesAvailable() / double(1 << 30);

    // "bench_search N" runs only the search with no filter on N cards, ten
    // times over, for a profiler, and gives the best processor time of each
    // phase, which other programs on the machine hardly change.
    if (argc > 1) {
        const int cards = QByteArray(argv[1]).toInt();
        generate(path, cards);
        double readCpu = 1e9, scanCpu = 1e9, sortCpu = 1e9;
        for (int i = 0; i < 10; ++i) {
            double t0 = cpuMs();
            plainRead(path);
            readCpu = qMin(readCpu, cpuMs() - t0);
            t0 = cpuMs();
            ArchiveScan all(QLatin1String(ArchiveNames::registry), ListLine::Kind::Registry,
                            ArchiveScan::Selection::Filters);
            all.runToEnd();
            const double t1 = cpuMs();
            ListModel everything;
            everything.setEntries(all.takeSorted());
            scanCpu = qMin(scanCpu, t1 - t0);
            sortCpu = qMin(sortCpu, cpuMs() - t1);
        }
        std::printf("%d cards, processor ms: read %.1f, scan and lines %.1f, sort %.1f, in all %.2fx read\n",
                    cards, readCpu, scanCpu, sortCpu, (scanCpu + sortCpu) / readCpu);
        QFile::remove(path);
        return 0;
    }
    std::printf("%9s %9s %11s %11s %7s %11s %7s %10s %9s\n", "cards", "read ms", "filter ms", "x read",
                "hits", "shown ms", "x read", "peak MiB", "open us");
    for (int cards : {100000, 300000, 1000000}) {
        if (cards * double(A::Size) / (1 << 30) > freeGiB - 2) {
            std::printf("%9d skipped: not enough free space\n", cards);
            continue;
        }
        generate(path, cards);
        plainRead(path);   // same page cache for both
        // Each figure is the best of three runs, so that another program
        // busy on the machine for a moment does not decide it.
        double read = 1e9, filterMs = 1e9, scanMs = 1e9, allMs = 1e9;
        int hits = 0;
        ListModel everything;
        view.setModel(&everything);
        for (int round = 0; round < 3; ++round) {
            read = qMin(read, plainRead(path));

            QElapsedTimer t;
            t.start();
            RecordFilter filter(A::layout);
            filter.add(A::Nome, QStringLiteral("esposito giulia 4"));
            ArchiveScan one(QLatin1String(ArchiveNames::registry), ListLine::Kind::Registry,
                            ArchiveScan::Selection::Filters, filter);
            one.runToEnd();
            ListModel filtered;
            filtered.setEntries(one.takeSorted());
            filterMs = qMin(filterMs, t.nsecsElapsed() / 1e6);
            hits = filtered.rowCount();

            everything.clear();
            t.restart();
            ArchiveScan all(QLatin1String(ArchiveNames::registry), ListLine::Kind::Registry,
                            ArchiveScan::Selection::Filters);
            all.runToEnd();
            const double scanned = t.nsecsElapsed() / 1e6;
            everything.setEntries(all.takeSorted());
            view.setCurrentIndex(everything.index(0));
            view.repaint();   // the list is shown: its first page painted
            const double shown = t.nsecsElapsed() / 1e6;
            if (shown < allMs) {
                allMs = shown;
                scanMs = scanned;
            }
        }
        std::printf("%9d no filter: scan and lines %.0f ms, sort and view %.0f ms\n", cards, scanMs,
                    allMs - scanMs);

        // Opening a listed record as the double-click does: read afresh by
        // its position and shown in the registry window by showRecord.
        QElapsedTimer t;
        t.start();
        const int opens = 1000;
        for (int i = 0; i < opens; ++i) {
            const qint64 position = everything.position((i * 7919) % everything.rowCount());
            ArchiveFile file(QLatin1String(ArchiveNames::registry), A::Size);
            QByteArray bytes;
            file.open();
            file.read(position, &bytes);
            file.close();
            registry.showRecord(position, bytes);
        }
        const double openUs = t.nsecsElapsed() / 1e3 / opens;

        std::printf("%9d %9.0f %11.0f %11.2f %7d %11.0f %7.2f %10.1f %9.1f\n", cards, read, filterMs,
                    filterMs / read, hits, allMs, allMs / read, peakMiB(), openUs);
        std::fflush(stdout);
    }
    QFile::remove(path);
    return 0;
}
