// Scans a 100,000-card registry through ArchiveFile::next() and through a
// plain large-block QFile read, and compares the two. Every search and
// summary scans a whole archive this way, so next() must cost little more
// than reading the file.
#include "core/storage/archivefile.h"
#include "core/storage/fieldcodec.h"
#include "core/storage/programfolder.h"
#include "core/storage/recordlayout.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int Cards = 100000;
constexpr int Repetitions = 7;
constexpr int R = SchedaAnagrafica::Size;
const QString archiveName = QString::fromLatin1(ArchiveNames::registry);

QByteArray realisticCard(int i)
{
    static const char *const first[] = {"Mario", "Giulia", "Luca", "Francesca", "Giuseppe",
                                        "Anna", "Marco", "Chiara", "Antonio", "Sara"};
    static const char *const last[] = {"Rossi", "Bianchi", "Esposito", "Romano", "Colombo",
                                       "Ricci", "Marino", "Greco", "Bruno", "Gallo"};
    static const char *const towns[] = {"Milano", "Roma", "Napoli", "Torino", "Palermo",
                                        "Genova", "Bologna", "Firenze", "Bari", "Catania"};
    const QString town = QString::fromLatin1(towns[i % 10]);
    Record card(SchedaAnagrafica::layout);
    using namespace SchedaAnagrafica;
    card.setField(Nome, QStringLiteral("%1 %2").arg(QLatin1String(first[i % 10]),
                                                    QLatin1String(last[(i / 10) % 10])));
    card.setField(Indirizzo, QStringLiteral("Via Giuseppe Garibaldi"));
    card.setField(Num, QString::number(i % 200 + 1));
    const QString cap = QStringLiteral("%1").arg(10000 + i % 90000);
    for (int k = 0; k < 5; ++k)
        card.setField(Cap01 + k, cap.mid(k, 1));
    card.setField(Localita, town);
    card.setField(Prov01, town.left(1).toUpper());
    card.setField(Prov02, town.mid(1, 1).toUpper());
    card.setField(Tel, QStringLiteral("02 %1").arg(1000000 + i));
    card.setField(Email, QStringLiteral("cliente%1@esempio.it").arg(i));
    card.setField(DataNasc, QStringLiteral("%1/%2/19%3").arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                                    .arg(i % 12 + 1, 2, 10, QLatin1Char('0')).arg(40 + i % 60));
    card.setField(Sesso, i % 2 ? QStringLiteral("F") : QStringLiteral("M"));
    card.setField(LuogoNasc, town);
    card.setField(CodFisc, QStringLiteral("RSSMRA80A01F205X"));
    card.setField(Cittadinanza, QStringLiteral("Italiana"));
    card.setField(Occupazione, QStringLiteral("Impiegato"));
    card.setField(TipoDoc, QStringLiteral("Carta d'identità AX%1").arg(i, 7, 10, QLatin1Char('0')));
    card.setField(EnteRil, QStringLiteral("Comune di %1").arg(town));
    if (i % 7 == 0)
        card.setField(Questioni, QStringLiteral("Richiamare per il rinnovo del documento."));
    if (i % 3 == 0)
        card.setField(Note, QStringLiteral("Cliente dal %1, preferisce essere contattato "
                                           "per posta elettronica.").arg(1990 + i % 30));
    return card.bytes();
}

bool createArchive(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray chunk;
    for (int i = 0; i < Cards; ++i) {
        chunk += realisticCard(i);
        if (chunk.size() >= (4 << 20) || i == Cards - 1) {
            if (file.write(chunk) != chunk.size())
                return false;
            chunk.clear();
        }
    }
    return true;
}

// What a search does with each record at the least: look at it. Decoding the
// name as well shows the share of the scan that the reading itself takes.
struct Touch
{
    bool decodeName;
    qint64 sum = 0;
    void operator()(QByteArrayView record)
    {
        if (decodeName)
            sum += FieldCodec::decodeCounted(record.first(251), 250).size();
        else
            sum += static_cast<unsigned char>(record[R - 1])
                   + static_cast<unsigned char>(record[0]);
    }
};

qint64 scanArchiveFile(Touch &touch, qint64 *records)
{
    QElapsedTimer clock;
    clock.start();
    ArchiveFile file(archiveName, R);
    if (!file.open())
        return -1;
    QByteArrayView record;
    *records = 0;
    while (!file.atEnd()) {
        if (!file.next(&record))
            return -1;
        touch(record);
        ++*records;
    }
    file.close();
    return clock.nsecsElapsed();
}

qint64 scanPlainFile(const QString &path, Touch &touch, qint64 *records)
{
    QElapsedTimer clock;
    clock.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    const qint64 perBlock = (1 << 20) / R;
    QByteArray block(perBlock * R, Qt::Uninitialized);
    *records = 0;
    for (;;) {
        const qint64 got = file.read(block.data(), block.size());
        if (got < 0)
            return -1;
        for (qint64 off = 0; off + R <= got; off += R) {
            touch(QByteArrayView(block).sliced(off, R));
            ++*records;
        }
        if (got < block.size())
            break;
    }
    return clock.nsecsElapsed();
}

double median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2] / 1e6;
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    ProgramFolder::setPath(dir.path());
    const QString path = ProgramFolder::file(archiveName);

    QElapsedTimer clock;
    clock.start();
    if (!createArchive(path)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(path));
        return 1;
    }
    std::printf("created %d cards (%.1f MB) in %.0f ms\n", Cards,
                double(Cards) * R / 1e6, clock.nsecsElapsed() / 1e6);

    for (const bool decodeName : {false, true}) {
        std::vector<qint64> archiveTimes, plainTimes;
        qint64 sumA = 0, sumP = 0;
        for (int rep = 0; rep < Repetitions; ++rep) {
            Touch a{decodeName}, p{decodeName};
            qint64 countA = 0, countP = 0;
            // Alternate which goes first, so neither always finds the cache warmer.
            qint64 ta, tp;
            if (rep % 2 == 0) {
                ta = scanArchiveFile(a, &countA);
                tp = scanPlainFile(path, p, &countP);
            } else {
                tp = scanPlainFile(path, p, &countP);
                ta = scanArchiveFile(a, &countA);
            }
            if (ta < 0 || tp < 0 || countA != Cards || countP != Cards || a.sum != p.sum) {
                std::fprintf(stderr, "scan failed or disagreed\n");
                return 1;
            }
            archiveTimes.push_back(ta);
            plainTimes.push_back(tp);
            sumA += a.sum;
            sumP += p.sum;
        }
        const double ma = median(archiveTimes), mp = median(plainTimes);
        const double ba = *std::min_element(archiveTimes.begin(), archiveTimes.end()) / 1e6;
        const double bp = *std::min_element(plainTimes.begin(), plainTimes.end()) / 1e6;
        std::printf("touch %-12s ArchiveFile::next %8.1f ms (best %7.1f)   plain QFile %8.1f ms "
                    "(best %7.1f)   ratio %.2f (best %.2f)   [check %lld]\n",
                    decodeName ? "decode Nome:" : "two bytes:", ma, ba, mp, bp, ma / mp, ba / bp,
                    sumA - sumP);
    }
    return 0;
}
