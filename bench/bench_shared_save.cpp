// The time of one Save of a new card (open, append, close, as the window
// does it) on a program folder shared over the network: an sshd on a
// loopback port serving a folder to two sshfs client mounts without cache,
// one PC each. Measured alone, and while the other PC saves without pause:
// median, 99th percentile and the longest, and how many saves were refused.
#include "core/storage/archivefile.h"
#include "core/storage/programfolder.h"
#include "core/storage/recordlayout.h"
#include "networkshare.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
constexpr int Saves = 300;
const QString archiveName = QString::fromLatin1(ArchiveNames::registry);

QByteArray card(int copy, int i)
{
    Record r(SchedaAnagrafica::layout);
    r.setField(SchedaAnagrafica::Nome, QStringLiteral("Copia %1 scheda %2").arg(copy).arg(i));
    r.setField(SchedaAnagrafica::Sesso, QStringLiteral("F"));
    return r.bytes();
}

bool save(int copy, int i)
{
    ArchiveFile file(archiveName, SchedaAnagrafica::Size);
    const bool ok = file.open() && file.append(card(copy, i)) > 0;
    file.close();
    return ok;
}

struct Figures
{
    double median, p99, longest;
    int refused;
};

Figures measure(const QString &folder)
{
    ProgramFolder::setPath(folder);
    std::vector<double> ms;
    int refused = 0;
    for (int i = 0; i < Saves; ++i) {
        QElapsedTimer t;
        t.start();
        refused += !save(1, i);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[size_t(ms.size() * 0.99)], ms.back(), refused};
}

// The other PC: saves without pause until told to stop by a file.
int otherCopy(const char *folder)
{
    const QString path = QString::fromLocal8Bit(folder);
    ProgramFolder::setPath(path);
    int i = 0, refused = 0;
    while (!QFile::exists(QDir(path).filePath(QStringLiteral("stop"))))
        refused += !save(2, i++);
    std::printf("%d %d\n", i, refused);
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--other-copy") == 0)
        return otherCopy(argv[2]);
    QCoreApplication app(argc, argv);
    NetworkShare share;
    const QString mine = share.ok() ? share.client() : QString();
    const QString theirs = mine.isEmpty() ? QString() : share.client();
    if (theirs.isEmpty()) {
        std::fprintf(stderr, "no network share here: %s\n", qPrintable(share.whyNot()));
        return 1;
    }

    const Figures alone = measure(mine);
    std::printf("Save over sshfs, alone:              median %6.2f ms, p99 %6.2f ms, longest %7.2f ms, refused %d of %d\n",
                alone.median, alone.p99, alone.longest, alone.refused, Saves);

    QProcess other;
    other.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--other-copy"), theirs});
    other.waitForStarted();
    QThread::msleep(300);
    const Figures busy = measure(mine);
    QFile stop(QDir(share.serverPath()).filePath(QStringLiteral("stop")));
    stop.open(QIODevice::WriteOnly);
    stop.close();
    other.waitForFinished(60000);
    const QList<QByteArray> theirFigures = other.readAllStandardOutput().trimmed().split(' ');
    std::printf("Save over sshfs, other PC saving:    median %6.2f ms, p99 %6.2f ms, longest %7.2f ms, refused %d of %d\n",
                busy.median, busy.p99, busy.longest, busy.refused, Saves);
    std::printf("the other PC saved %s times meanwhile, refused %s\n", theirFigures.value(0).constData(),
                theirFigures.value(1).constData());
    return 0;
}
