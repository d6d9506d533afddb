// Search speed on generated archives, beside a plain read of the same file:
// the real search and summary windows, from the click on Cerca (or the
// summary shown) until the sorted list is painted, and from a double-click
// until the record is painted in its archive window.
#include "core/search/archivescan.h"
#include "core/search/listmodel.h"
#include "core/storage/programfolder.h"
#include "core/storage/recordlayout.h"
#include "declarations/declarationwindow.h"
#include "registry/frmanagrafica.h"
#include "search/searchwindows.h"
#include "ui/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QElapsedTimer>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>

#include <sys/resource.h>
#include <unistd.h>

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

// Drives each search or summary window instead of showing it modally.
class BenchDialogs : public Dialogs
{
public:
    std::function<int(QDialog *)> onModal;

    Answer message(QWidget *, Kind, const QString &, Buttons) override { return Answer::Ok; }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString existingFolder(QWidget *, const QString &, const QString &) override { return {}; }
    bool printDialog(QWidget *, QPrinter *) override { return false; }
    void printPreview(QWidget *, QPrinter *, const std::function<void(QPrinter *)> &) override {}
    int showModal(QDialog *dialog) override { return onModal(dialog); }
    bool openUrl(const QUrl &) override { return false; }
};

QListView *listOf(QDialog *w)
{
    return w->findChild<QListView *>(QStringLiteral("lstRecords"));
}

// The figures of one window on one archive, best of three.
struct WindowTimes
{
    double listed = 1e9;     // click (or show) until the sorted list is painted
    int lines = 0;
    double opened = 1e9;     // double-click until the record is painted and the window goes
    double gone = 1e9;       // double-click until the window is destroyed
    double shownOnly = 1e9;  // the record read and shown by showRecord, painted
};

// The time on `clock` when the watched window starts to hide.
class HideClock : public QObject
{
public:
    HideClock(QWidget *window, const QElapsedTimer &clock) : m_clock(clock) { window->installEventFilter(this); }
    double at = 0;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && at == 0)
            at = m_clock.nsecsElapsed() / 1e6;
        return false;
    }

private:
    const QElapsedTimer &m_clock;
};

// Shows the window as the archive window does; a search is given `filter`
// in txtNome and clicked. Once the list is painted, its middle line is
// double-clicked; the time runs until the search window hides, which it does
// once `target` has painted the record, and on until it is destroyed.
void timeWindow(BenchDialogs &seam, const std::function<void()> &open, ArchiveWindow *target,
                const char *archive, int recordSize, const char *filter, WindowTimes *times)
{
    QElapsedTimer t;
    seam.onModal = [&](QDialog *w) {
        t.start();
        w->show();   // a summary starts reading here
        if (auto *search = w->findChild<QAbstractButton *>(QStringLiteral("btnCerca"))) {
            w->findChild<QLineEdit *>(QStringLiteral("txtNome"))->setText(QLatin1String(filter));
            t.restart();
            search->click();
        }
        QWidget *results = w->findChild<QWidget *>(QStringLiteral("panContainer"));
        QWidget *busy = w->findChild<QWidget *>(QStringLiteral("prgRicerca"));
        QListView *list = listOf(w);
        while (!results->isVisible() || busy->isVisible() || list->model()->rowCount() == 0)
            QCoreApplication::processEvents();
        list->viewport()->repaint();
        times->listed = qMin(times->listed, t.nsecsElapsed() / 1e6);
        times->lines = list->model()->rowCount();
        const QModelIndex middle = list->model()->index(times->lines / 2, 0);
        list->setCurrentIndex(middle);
        HideClock hidden(w, t);
        t.restart();
        emit list->doubleClicked(middle);
        times->opened = qMin(times->opened, hidden.at);
        return int(QDialog::Accepted);
    };
    open();   // the window closes and is destroyed
    times->gone = qMin(times->gone, t.nsecsElapsed() / 1e6);

    // The same record shown and painted by hand, once the list given up has
    // been freed and the window has nothing else to do.
    QThread::msleep(100);
    QCoreApplication::processEvents();
    t.restart();
    ArchiveFile file(QLatin1String(archive), recordSize);
    QByteArray bytes;
    file.open();
    file.read(1, &bytes);
    file.close();
    target->showRecord(1, bytes);
    target->repaint();
    times->shownOnly = qMin(times->shownOnly, t.nsecsElapsed() / 1e6);
}

// Until the window is on screen: a repaint before that paints nothing.
void showExposed(QWidget *window)
{
    window->show();
    while (!window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Processor time of every thread: the scan's worker and merges count too.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
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
    showExposed(&registry);
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    const QString path = ProgramFolder::file(QLatin1String(ArchiveNames::registry));
    const double freeGiB = QStorageInfo(dir.path()).bytesAvailable() / double(1 << 30);

    // "bench_search N" runs only the search with no filter on N cards, ten
    // times over, for a profiler, and gives the best processor time of each
    // phase, which other programs on the machine hardly change.
    // "bench_search --sizes N..." times the windows on those sizes only.
    QList<int> sizes = {100000, 300000, 1000000};
    if (argc > 2 && QByteArray(argv[1]) == "--sizes") {
        sizes.clear();
        for (int i = 2; i < argc; ++i)
            sizes.append(QByteArray(argv[i]).toInt());
    } else if (argc > 1) {
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
            everything.clear();
            QThread::msleep(300);   // the list freed in the background is not counted
        }
        std::printf("%d cards, processor ms: read %.1f, scan and lines %.1f, sort %.1f, in all %.2fx read\n",
                    cards, readCpu, scanCpu, sortCpu, (scanCpu + sortCpu) / readCpu);
        QFile::remove(path);
        return 0;
    }
    BenchDialogs seam;
    Dialogs::install(&seam);
    DeclarationWindow cert(DeclarationKind::SelfCertification);
    showExposed(&cert);
    const QString certPath = ProgramFolder::file(QLatin1String(ArchiveNames::selfCertifications));
    std::printf("Each figure the best of three, in ms; x: times the plain read of the same archive.\n"
                "open: double-click until the record is painted and the window hides; gone: until it is destroyed;\n"
                "show: the record read, shown and painted.\n");
    std::printf("%-13s %8s %7s %13s %13s %13s %9s %7s %7s %7s\n", "archive", "records", "read", "filtered  x",
                "all  x", "summary  x", "peak MiB", "open", "gone", "show");
    for (int cards : std::as_const(sizes)) {
        // The declarations, twice the size of a card, are timed up to 300,000.
        const bool declarations = cards <= 300000;
        const double needGiB = cards * (A::Size + (declarations ? SchedaDichiarazione::Size : 0)) / double(1 << 30);
        if (needGiB > freeGiB - 2) {
            std::printf("%9d skipped: not enough free space\n", cards);
            continue;
        }
        generate(path, cards);
        if (declarations)
            generateDeclarations(certPath, cards);
        ::sync();   // no writing back of the new files while the searches are timed
        struct Row
        {
            const char *name;
            QString path;
            double read = 1e9;
            WindowTimes filtered, all, summary;
        };
        Row rows[] = {{"registry", path, 1e9, {}, {}, {}}, {"declarations", certPath, 1e9, {}, {}, {}}};
        for (Row &row : rows) {
            if (!declarations && row.path == certPath)
                continue;
            const bool reg = row.path == path;
            const char *archive = reg ? ArchiveNames::registry : ArchiveNames::selfCertifications;
            const int size = reg ? A::Size : SchedaDichiarazione::Size;
            ArchiveWindow *target = reg ? static_cast<ArchiveWindow *>(&registry) : &cert;
            const auto search = [&] { reg ? openRegistrySearch(&registry) : openDeclarationSearch(&cert, cert.kind()); };
            const auto summary = [&] { reg ? openPendingIssues(&registry) : openUndelivered(&cert, cert.kind()); };
            plainRead(row.path);   // the same page cache for all
            for (int round = 0; round < 3; ++round) {
                row.read = qMin(row.read, plainRead(row.path));
                timeWindow(seam, search, target, archive, size, "esposito giulia 4", &row.filtered);
                timeWindow(seam, search, target, archive, size, "", &row.all);
                timeWindow(seam, summary, target, archive, size, "", &row.summary);
            }
            const double open = qMax(row.filtered.opened, qMax(row.all.opened, row.summary.opened));
            const double gone = qMax(row.filtered.gone, qMax(row.all.gone, row.summary.gone));
            const double show = qMax(row.filtered.shownOnly, qMax(row.all.shownOnly, row.summary.shownOnly));
            std::printf("%-13s %8d %7.0f %7.0f %5.2f %7.0f %5.2f %7.0f %5.2f %9.1f %7.2f %7.2f %7.2f\n", row.name, cards,
                        row.read, row.filtered.listed, row.filtered.listed / row.read, row.all.listed,
                        row.all.listed / row.read, row.summary.listed, row.summary.listed / row.read, peakMiB(),
                        open, gone, show);
            std::fflush(stdout);
        }
        QFile::remove(certPath);
    }
    Dialogs::install(nullptr);
    QFile::remove(path);
    return 0;
}
