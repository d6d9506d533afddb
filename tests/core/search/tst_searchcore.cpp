#include "core/search/archivescan.h"
#include "core/search/findinlist.h"
#include "core/search/listline.h"
#include "core/search/listmodel.h"
#include "core/search/listorder.h"
#include "core/search/recordfilter.h"
#include "core/storage/cp1252.h"
#include "core/storage/programfolder.h"
#include "searchfixture.h"
#include "testfolder.h"

static QByteArray Cp1252Bytes(const QString &text) { return Cp1252::encode(text); }

#include <QFile>

#include <algorithm>
#include <QTest>

using namespace SearchFixture;
namespace A = SchedaAnagrafica;
namespace D = SchedaDichiarazione;

class TestSearchCore : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void filter_data();
    void filter();
    void filtersTogether();
    void order();
    void orderOfLongSharedStarts();
    void findWalk();
    void findEdges();
    void scanSelections();
    void scanInSlices();
    void runsMergeAsStableSort_data();
    void runsMergeAsStableSort();
    void scanAcrossBlocks_data();
    void scanAcrossBlocks();
    void scanStoppedOrFailedMidway();
    void missingArchiveCreatedEmpty();
    void countLine();
};

void TestSearchCore::lines_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("line");

    const QString blanks28(28, QLatin1Char(' '));
    QTest::newRow("registry")
            << int(ListLine::Kind::Registry)
            << card(QStringLiteral("  Mario Rossi "), {{A::CodFisc, QStringLiteral("RSSMRA80A01F839X")},
                                                      {A::Tel, QStringLiteral("081 555 1234")},
                                                      {A::Cel, QStringLiteral("333 1234567")},
                                                      {A::Note, QStringLiteral(" cliente storico  ")}})
            << QStringLiteral("Mario Rossi                   CF: RSSMRA80A01F839X  Tel. 081 555 1234   "
                              "  Cel. 333 1234567      Note: cliente storico");
    QTest::newRow("registry name cut at 28, empty columns kept")
            << int(ListLine::Kind::Registry)
            << card(QStringLiteral("Alessandro Bartolomeo Ferrari"))
            << QStringLiteral("Alessandro Bartolomeo Ferrar  CF:                   Tel.                "
                              "  Cel.                  Note: ");
    QTest::newRow("pending issues, 250 characters whole")
            << int(ListLine::Kind::PendingIssues)
            << card(QStringLiteral("Anna"), {{A::Questioni, QString(250, QLatin1Char('q'))}})
            << QStringLiteral("Anna") + QString(24, QLatin1Char(' ')) + QStringLiteral("  CF: ")
                       + QString(16, QLatin1Char(' ')) + QStringLiteral("  Tel. ") + QString(15, QLatin1Char(' '))
                       + QStringLiteral("  Cel. ") + QString(15, QLatin1Char(' ')) + QStringLiteral("  ")
                       + QString(250, QLatin1Char('q'));
    QTest::newRow("declaration, subject cut at 48")
            << int(ListLine::Kind::Declaration)
            << declaration(QStringLiteral("Lucia Verdi"),
                           {{D::CodFisc, QStringLiteral("VRDLCU75B41F205Z")},
                            {D::Tel, QStringLiteral("02 1234")},
                            {D::Oggetto, QStringLiteral("Residenza e stato di famiglia per la pratica di mutuo n. 7")},
                            {D::Data, QStringLiteral("03/03/2014")}})
            << QStringLiteral("Lucia Verdi                   C.F. VRDLCU75B41F205Z  Tel. 02 1234           "
                              "  Oggetto: Residenza e stato di famiglia per la pratica di   Data: 03/03/2014");
    QTest::newRow("declaration without telephone and subject")
            << int(ListLine::Kind::Declaration) << declaration(QStringLiteral("Già Città"))
            << QStringLiteral("Già Città") + QString(19, QLatin1Char(' ')) + QStringLiteral("  C.F. ")
                       + QString(16, QLatin1Char(' ')) + QStringLiteral("  Tel. ") + QString(18, QLatin1Char(' '))
                       + QStringLiteral("  Oggetto: ") + QString(48, QLatin1Char(' ')) + QStringLiteral("  Data: ");
    Q_UNUSED(blanks28);
}

void TestSearchCore::lines()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, record);
    QFETCH(QString, line);
    QCOMPARE(ListLine::text(ListLine::build(ListLine::Kind(kind), record)), line);
}

void TestSearchCore::filter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<bool>("matches");

    QTest::newRow("inside, any case") << "rossi" << "Mario ROSSI jr" << true << true;
    QTest::newRow("typed in capitals") << "ROSSI" << "mario rossi" << true << true;
    QTest::newRow("trailing blank is part of the filter") << "rossi " << "Mario Rossi" << true << false;
    QTest::newRow("trailing blank found before another word") << "rossi " << "Rossi Mario" << true << true;
    QTest::newRow("leading blank is part of the filter") << " rossi" << "Rossi" << true << false;
    QTest::newRow("capital È finds small è") << "È" << "caffè" << true << true;
    QTest::newRow("small è finds capital È") << "è" << "CAFFÈ" << true << true;
    QTest::newRow("NICCOLÒ finds Niccolò") << "NICCOLÒ" << "Niccolò Rossi" << true << true;
    QTest::newRow("Š, Œ, Ž, Ÿ have their small letters") << "šœžÿ" << "ŠŒŽŸ" << true << true;
    QTest::newRow("ò is not o") << "lo" << "Niccolò" << true << false;
    QTest::newRow("× and ÷ are not letters") << "×" << "÷" << true << false;
    QTest::newRow("blanks only take no part") << "   " << "anything" << false << true;
    QTest::newRow("year of issue") << "/2014" << "03/03/2014" << true << true;
    QTest::newRow("month and year") << "03/2014" << "04/03/2014" << true << true;
    QTest::newRow("other month") << "03/2014" << "03/04/2014" << true << false;
    QTest::newRow("one letter sex") << "m" << "M" << true << true;
    QTest::newRow("two letters never in one") << "mf" << "M" << true << false;
    QTest::newRow("outside the code page") << "\u0152\u4e00" << "anything" << true << false;
    QTest::newRow("question mark is not a stand-in") << "\u4e00" << "?" << true << false;
    QTest::newRow("untrimmed field") << "a  b" << "xa  by" << true << true;
}

void TestSearchCore::filter()
{
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(bool, filled);
    QFETCH(bool, matches);

    RecordFilter f(SchedaAnagrafica::layout);
    QCOMPARE(f.add(A::Note, typed), filled);
    QCOMPARE(f.filledCount(), filled ? 1 : 0);
    QCOMPARE(f.matches(card(QStringLiteral("X"), {{A::Note, field}})), matches);
}

void TestSearchCore::filtersTogether()
{
    RecordFilter f(SchedaAnagrafica::layout);
    f.add(A::Nome, QStringLiteral("rossi"));
    f.add(A::Localita, QStringLiteral("napoli"));
    QCOMPARE(f.filledCount(), 2);
    QVERIFY(f.matches(card(QStringLiteral("Mario Rossi"), {{A::Localita, QStringLiteral("NAPOLI")}})));
    QVERIFY(!f.matches(card(QStringLiteral("Mario Rossi"), {{A::Localita, QStringLiteral("Roma")}})));
    QVERIFY(!f.matches(card(QStringLiteral("Mario Bianchi"), {{A::Localita, QStringLiteral("Napoli")}})));
    // A field is searched as stored, never another field: the mobile is not the telephone.
    RecordFilter tel(SchedaAnagrafica::layout);
    tel.add(A::Tel, QStringLiteral("333"));
    QVERIFY(!tel.matches(card(QStringLiteral("X"), {{A::Cel, QStringLiteral("333 1")}})));
}

void TestSearchCore::order()
{
    const QStringList file = {QStringLiteral("Zeta 1"), QStringLiteral("beta"), QStringLiteral("_under"),
                              QStringLiteral("BETA"),   QStringLiteral("Alfa"), QStringLiteral("\u20ac euro"),
                              QStringLiteral("\u00e9cole"), QStringLiteral("Beta"), QStringLiteral("alfa"),
                              QStringLiteral("zeta 1")};
    std::vector<ListEntry> entries;
    for (int i = 0; i < file.size(); ++i)
        entries.push_back({Cp1252Bytes(file[i]), i + 1});
    ListOrder::sort(entries);
    QStringList texts;
    QList<qint64> positions;
    for (const ListEntry &e : entries) {
        texts.append(ListLine::text(e.line));
        positions.append(e.position);
    }
    // '_' comes before the letters once A to Z are folded; é and then € by
    // their codes; equal lines in file order.
    QCOMPARE(texts, QStringList({QStringLiteral("_under"), QStringLiteral("Alfa"), QStringLiteral("alfa"),
                                 QStringLiteral("beta"), QStringLiteral("BETA"), QStringLiteral("Beta"),
                                 QStringLiteral("Zeta 1"), QStringLiteral("zeta 1"), QStringLiteral("\u00e9cole"),
                                 QStringLiteral("\u20ac euro")}));
    QCOMPARE(positions, QList<qint64>({3, 5, 9, 2, 4, 8, 1, 10, 7, 6}));
    QVERIFY(ListOrder::less("ab", "abc"));
    QVERIFY(!ListOrder::less("abc", "ABC") && !ListOrder::less("ABC", "abc"));
}

// Lines that share long starts, differ in case or only in length, or hold
// the lowest bytes: the sort must give what a plain stable sort by `less`
// gives.
void TestSearchCore::orderOfLongSharedStarts()
{
    const char alphabet[] = {'a', 'A', 'b', ' ', '\x01', '\0', '\xe9'};
    quint32 seed = 7;
    auto next = [&] { seed = seed * 1103515245u + 12345u; return (seed >> 8) & 0xFFFF; };
    const QByteArray stem = "Esposito Giulia Maria Teresa ";
    std::vector<ListEntry> entries;
    for (int i = 0; i < 3000; ++i) {
        QByteArray line = stem.first(next() % (stem.size() + 1));
        for (int n = int(next() % 40); n > 0; --n)
            line.append(alphabet[next() % sizeof alphabet]);
        entries.push_back({line, i + 1});
    }
    std::vector<ListEntry> expected = entries;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const ListEntry &x, const ListEntry &y) { return ListOrder::less(x.line, y.line); });
    ListOrder::sort(entries);
    for (size_t i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i].position, expected[i].position);
        QCOMPARE(entries[i].line, expected[i].line);
    }
}

static std::vector<ListEntry> entriesOf(const QStringList &lines)
{
    std::vector<ListEntry> out;
    for (int i = 0; i < lines.size(); ++i)
        out.push_back({Cp1252Bytes(lines[i]), i + 1});
    return out;
}

void TestSearchCore::findWalk()
{
    const auto lines = entriesOf({QStringLiteral("Rossi Anna"), QStringLiteral("Bianchi Carlo"),
                                  QStringLiteral("De Rosa Luca"), QStringLiteral("Neri")});
    FindInList finder;
    int selected = 0;
    selected = finder.find(lines, selected, QStringLiteral("ROS"));
    QCOMPARE(selected, 0);
    selected = finder.find(lines, selected, QStringLiteral("ros"));
    QCOMPARE(selected, 2);
    selected = finder.find(lines, selected, QStringLiteral("ros"));
    QCOMPARE(selected, 0);
    // A new text starts again from the first line, wherever the selection is.
    QCOMPARE(finder.find(lines, 2, QStringLiteral("bia")), 1);
    QCOMPARE(finder.remembered(), QStringLiteral("bia"));
    // The only line holding the text stays found on every click.
    QCOMPARE(finder.find(lines, 1, QStringLiteral("bia")), 1);
    QCOMPARE(finder.find(lines, 3, QStringLiteral("neri")), 3);
    QCOMPARE(finder.find(lines, 3, QStringLiteral("neri")), 3);
}

void TestSearchCore::findEdges()
{
    const auto lines = entriesOf({QStringLiteral("Rossi"), QStringLiteral("Bianchi")});
    FindInList finder;
    QCOMPARE(finder.find(lines, 1, QStringLiteral("verdi")), -1);
    QCOMPARE(finder.find(lines, 1, QStringLiteral("verdi")), -1);
    QCOMPARE(finder.find(lines, 0, QString()), -1);
    QCOMPARE(finder.find(lines, 0, QStringLiteral("\u4e00")), -1);
    QCOMPARE(finder.find({}, -1, QStringLiteral("rossi")), -1);
    finder.reset();
    QCOMPARE(finder.remembered(), QString());
    // È finds è in the list as in the filters, and NICCOLÒ finds Niccolò.
    QCOMPARE(finder.find(entriesOf({QStringLiteral("caffè")}), 0, QStringLiteral("È")), 0);
    finder.reset();
    QCOMPARE(finder.find(entriesOf({QStringLiteral("Rossi"), QStringLiteral("Niccolò")}), 0,
                         QStringLiteral("NICCOLÒ")), 1);
}

void TestSearchCore::scanSelections()
{
    TestFolder folder;
    writeRegistry({card(QStringLiteral("Uno"), {{A::Questioni, QStringLiteral("   ")}}),
                   card(QStringLiteral("Due"), {{A::Questioni, QStringLiteral("pagamento")}}),
                   card(QStringLiteral("Tre")),
                   card(QStringLiteral("Quattro"), {{A::Questioni, QStringLiteral("\tdocumento ")}})});
    ArchiveScan pending(QLatin1String(ArchiveNames::registry), ListLine::Kind::PendingIssues,
                        ArchiveScan::Selection::PendingIssues);
    QCOMPARE(pending.runToEnd(), ArchiveScan::Progress::Finished);
    auto listed = pending.takeSorted();
    QCOMPARE(listed.size(), size_t(2));
    QCOMPARE(listed[0].position, 2);
    QVERIFY(ListLine::text(listed[1].line).endsWith(QStringLiteral("  documento")));
    QCOMPARE(listed[1].position, 4);

    writeDeclarations(ArchiveNames::notorietyDeclarations,
                      {declaration(QStringLiteral("A")),
                       declaration(QStringLiteral("B"), {{D::Consegnata, QStringLiteral("OK")}}),
                       declaration(QStringLiteral("C"), {{D::Consegnata, QString()}}),
                       declaration(QStringLiteral("D"), {{D::Consegnata, QStringLiteral("ok")}})});
    ArchiveScan undelivered(QLatin1String(ArchiveNames::notorietyDeclarations), ListLine::Kind::Declaration,
                            ArchiveScan::Selection::Undelivered);
    QCOMPARE(undelivered.runToEnd(), ArchiveScan::Progress::Finished);
    QList<qint64> positions;
    for (const ListEntry &e : undelivered.takeSorted())
        positions.append(e.position);
    QCOMPARE(positions, QList<qint64>({1, 3, 4}));
    // The other declaration archive is not touched.
    QVERIFY(!QFile::exists(folder.file(QLatin1String(ArchiveNames::selfCertifications))));
}

void TestSearchCore::scanInSlices()
{
    TestFolder folder;
    QList<QByteArray> cards;
    for (int i = 0; i < 25; ++i)
        cards.append(card(QStringLiteral("Persona %1").arg(25 - i, 2, 10, QLatin1Char('0'))));
    writeRegistry(cards);
    RecordFilter filter(SchedaAnagrafica::layout);
    filter.add(A::Nome, QStringLiteral("persona 1"));
    ArchiveScan scan(QLatin1String(ArchiveNames::registry), ListLine::Kind::Registry,
                     ArchiveScan::Selection::Filters, filter);
    QVERIFY(scan.open());
    QCOMPARE(scan.total(), 25);
    int slices = 1;
    while (scan.step(4) == ArchiveScan::Progress::Running)
        ++slices;
    QCOMPARE(slices, 7);
    QCOMPARE(scan.read(), 25);
    const auto listed = scan.takeSorted();
    QCOMPARE(listed.size(), size_t(10));
    QVERIFY(ListLine::text(listed.front().line).startsWith(QStringLiteral("Persona 10 ")));
    QCOMPARE(listed.front().position, 16);

    ListModel model;
    model.setEntries(listed);
    QCOMPARE(model.rowCount(), 10);
    QCOMPARE(model.position(9), 7);
    QVERIFY(model.data(model.index(9)).toString().startsWith(QStringLiteral("Persona 19 ")));
    QCOMPARE(model.lines().size(), 10);
}

namespace {
// Lines that tie for long stretches: a shared start longer than the ranked
// key, letters differing only in case, the lowest bytes, lengths around the
// key's width.
std::vector<ListEntry> awkwardLines(int count, int stemLength, quint32 seed)
{
    const char alphabet[] = {'a', 'A', 'b', ' ', '\x01', '\0', '\xe9', '\x80'};
    auto next = [&] { seed = seed * 1103515245u + 12345u; return (seed >> 8) & 0xFFFF; };
    const QByteArray stem = QByteArray("Esposito Giulia Maria Teresa Addolorata ").first(stemLength);
    std::vector<ListEntry> entries;
    for (int i = 0; i < count; ++i) {
        QByteArray line = stem.first(qsizetype(next() % (stem.size() + 1)));
        for (int n = int(next() % 12); n > 0; --n)
            line.append(alphabet[next() % sizeof alphabet]);
        entries.push_back({line, i + 1});
    }
    return entries;
}

std::vector<ListEntry> stableSorted(std::vector<ListEntry> entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ListEntry &x, const ListEntry &y) { return ListOrder::less(x.line, y.line); });
    return entries;
}

void writeArchive(const char *archive, const QList<QByteArray> &records)
{
    QFile f(ProgramFolder::file(QLatin1String(archive)));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QByteArray &r : records)
        QCOMPARE(f.write(r), r.size());
}
}

// Blocks of every size, merged at odd moments, and a final merge split
// between two processors: the order of a plain stable sort.
void TestSearchCore::runsMergeAsStableSort_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("stem");        // length of the shared start
    QTest::addColumn<int>("largestBlock");
    QTest::addColumn<int>("mergeEvery");  // blocks between merges; 0: only at the end
    QTest::newRow("small blocks, merged as they come") << 3000 << 40 << 7 << 1;
    QTest::newRow("long shared start, two processors") << 30000 << 40 << 700 << 3;
    QTest::newRow("merged only at the end") << 25000 << 30 << 300 << 0;
    QTest::newRow("nearly all equal") << 24000 << 2 << 500 << 2;
}

void TestSearchCore::runsMergeAsStableSort()
{
    QFETCH(int, count);
    QFETCH(int, stem);
    QFETCH(int, largestBlock);
    QFETCH(int, mergeEvery);
    const std::vector<ListEntry> lines = awkwardLines(count, stem, quint32(count + stem));
    ListRuns runs;
    quint32 seed = 99;
    size_t at = 0;
    for (int block = 1; at < lines.size(); ++block) {
        seed = seed * 1103515245u + 12345u;
        const size_t n = qMin(size_t((seed >> 8) % quint32(largestBlock + 1)), lines.size() - at);   // empty ones too
        runs.add(std::vector<ListEntry>(lines.begin() + qsizetype(at), lines.begin() + qsizetype(at + n)));
        at += n;
        if (mergeEvery > 0 && block % mergeEvery == 0)
            runs.mergeSome();
    }
    QCOMPARE(runs.size(), lines.size());
    const std::vector<ListEntry> sorted = runs.take();
    const std::vector<ListEntry> expected = stableSorted(lines);
    QCOMPARE(sorted.size(), expected.size());
    for (size_t i = 0; i < sorted.size(); ++i) {
        QCOMPARE(sorted[i].position, expected[i].position);
        QCOMPARE(sorted[i].line, expected[i].line);
    }
    QCOMPARE(runs.size(), size_t(0));
}

// Archives of several read blocks, read in slices that end anywhere, with
// equal lines in different blocks, dense and sparse: every selected record
// once, in the order of a plain stable sort of its lines.
void TestSearchCore::scanAcrossBlocks_data()
{
    QTest::addColumn<bool>("declarations");
    QTest::addColumn<qint64>("slice");
    for (qint64 slice : {qint64(1) << 30, qint64(1), qint64(133), qint64(274)}) {
        QTest::addRow("registry, slices of %lld", slice) << false << slice;
        QTest::addRow("declarations, slices of %lld", slice) << true << slice;
    }
}

void TestSearchCore::scanAcrossBlocks()
{
    QFETCH(bool, declarations);
    QFETCH(qint64, slice);
    TestFolder folder;
    const char *names[] = {"Rossi Mario", "ROSSI MARIO", "Bianchi Anna", "Esposito Giulia Maria Teresa di Napoli"};
    QList<QByteArray> records;
    std::vector<ListEntry> expected;
    const int count = declarations ? 1100 : 2200;   // about eight blocks
    for (int i = 0; i < count; ++i) {
        const QString name = QLatin1String(names[(i * 7) % 4]) + QString::number(i % 3);
        // Every third record selected for two blocks, then every twentieth
        // (lines the reader builds itself), then none, then every third.
        const int stretch = i * 4 / count;
        const bool chosen = stretch == 1 ? i % 20 == 0 : stretch != 2 && i % 3 == 0;
        QByteArray r = declarations
                ? declaration(name, {{D::Consegnata, chosen ? QStringLiteral("No") : QStringLiteral("OK")}})
                : card(name, {{A::Questioni, chosen ? QStringLiteral("sospeso") : QString()}});
        if (chosen)
            expected.push_back({ListLine::build(declarations ? ListLine::Kind::Declaration
                                                             : ListLine::Kind::PendingIssues, r), i + 1});
        records.append(r);
    }
    writeArchive(declarations ? ArchiveNames::selfCertifications : ArchiveNames::registry, records);
    expected = stableSorted(expected);

    ArchiveScan scan(QLatin1String(declarations ? ArchiveNames::selfCertifications : ArchiveNames::registry),
                     declarations ? ListLine::Kind::Declaration : ListLine::Kind::PendingIssues,
                     declarations ? ArchiveScan::Selection::Undelivered : ArchiveScan::Selection::PendingIssues);
    QVERIFY(scan.open());
    ArchiveScan::Progress progress;
    while ((progress = scan.step(slice)) == ArchiveScan::Progress::Running)
        QVERIFY(scan.read() % slice == 0);
    QCOMPARE(progress, ArchiveScan::Progress::Finished);
    QCOMPARE(scan.read(), qint64(count));
    const std::vector<ListEntry> listed = scan.takeSorted();
    QCOMPARE(listed.size(), expected.size());
    for (size_t i = 0; i < listed.size(); ++i) {
        QCOMPARE(listed[i].position, expected[i].position);
        QCOMPARE(listed[i].line, expected[i].line);
    }
}

// Stopped half way, a scan ends at once; an archive cut short while it is
// read fails the scan, which keeps the lines of the records it had read.
void TestSearchCore::scanStoppedOrFailedMidway()
{
    TestFolder folder;
    QList<QByteArray> cards;
    for (int i = 0; i < 600; ++i)
        cards.append(card(QStringLiteral("Persona %1").arg(599 - i, 3, 10, QLatin1Char('0'))));
    writeArchive(ArchiveNames::registry, cards);
    {
        ArchiveScan stopped(QLatin1String(ArchiveNames::registry), ListLine::Kind::Registry,
                            ArchiveScan::Selection::Filters);
        QVERIFY(stopped.open());
        QCOMPARE(stopped.step(300), ArchiveScan::Progress::Running);
    }
    ArchiveScan scan(QLatin1String(ArchiveNames::registry), ListLine::Kind::Registry,
                     ArchiveScan::Selection::Filters);
    QVERIFY(scan.open());
    QCOMPARE(scan.step(300), ArchiveScan::Progress::Running);
    QVERIFY(QFile::resize(folder.file(QLatin1String(ArchiveNames::registry)), qint64(A::Size) * 100));
    QCOMPARE(scan.step(300), ArchiveScan::Progress::Failed);
    QCOMPARE(scan.step(300), ArchiveScan::Progress::Failed);
    const std::vector<ListEntry> listed = scan.takeSorted();
    QCOMPARE(listed.size(), size_t(300));
    QCOMPARE(listed.front().position, 300);   // "Persona 300", the lowest read
    QCOMPARE(listed.back().position, 1);
}

void TestSearchCore::missingArchiveCreatedEmpty()
{
    TestFolder folder;
    ArchiveScan scan(QLatin1String(ArchiveNames::registry), ListLine::Kind::Registry,
                     ArchiveScan::Selection::Filters);
    QCOMPARE(scan.runToEnd(), ArchiveScan::Progress::Finished);
    QVERIFY(scan.takeSorted().empty());
    QVERIFY(QFile::exists(folder.file(QLatin1String(ArchiveNames::registry))));
    QCOMPARE(QFile(folder.file(QLatin1String(ArchiveNames::registry))).size(), 0);
}

void TestSearchCore::countLine()
{
    QCOMPARE(CountLine::text(0), QStringLiteral("Il presente riepilogo contiene 0 schede"));
    QCOMPARE(CountLine::text(1), QStringLiteral("Il presente riepilogo contiene 1 schede"));
    QCOMPARE(CountLine::text(123456), QStringLiteral("Il presente riepilogo contiene 123456 schede"));
}

QTEST_GUILESS_MAIN(TestSearchCore)
#include "tst_searchcore.moc"
