// The spreadsheet file, byte by byte: its fixed lines, the headings of each
// archive, the cells made from records, the escapes and the text marking.
#include "files.h"
#include "testfolder.h"

#include "core/output/exportarchives.h"
#include "core/output/spreadsheetwriter.h"
#include "core/storage/recordlayout.h"

#include <QDir>
#include <QTest>

namespace {

// The file's lines up to the worksheet name, then from it to the heading row.
QByteArray head(const char *sheet)
{
    return QByteArray(
                   "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">\r\n"
                   "<head>\r\n"
                   "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
                   "<!--[if gte mso 9]><xml>\r\n"
                   "<x:ExcelWorkbook>\r\n"
                   "<x:ExcelWorksheets>\r\n"
                   "<x:ExcelWorksheet>\r\n"
                   "<x:Name>")
           + sheet
           + "</x:Name>\r\n"
             "<x:WorksheetOptions>\r\n"
             "<x:Selected/>\r\n"
             "<x:Panes>\r\n"
             "<x:Pane>\r\n"
             "<x:Number>1</x:Number>\r\n"
             "<x:ActiveRow>3</x:ActiveRow>\r\n"
             "</x:Pane>\r\n"
             "</x:Panes>\r\n"
             "<x:ProtectContents>False</x:ProtectContents>\r\n"
             "<x:ProtectObjects>False</x:ProtectObjects>\r\n"
             "<x:ProtectScenarios>False</x:ProtectScenarios>\r\n"
             "</x:WorksheetOptions>\r\n"
             "</x:ExcelWorksheet>\r\n"
             "</x:ExcelWorksheets>\r\n"
             "</x:ExcelWorkbook>\r\n"
             "</xml><![endif]-->\r\n"
             "</head>\r\n"
             "<body>\r\n"
             "<table x:str>\r\n"
             "<tr>\r\n";
}

const QByteArray tail = "</table>\r\n</body>\r\n</html>\r\n";

// A heading line; `heading` in Windows-1252.
QByteArray th(int width, const QByteArray &heading)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">"
           + heading + "</td>\r\n";
}

QByteArray td(const QByteArray &cell)
{
    return "<td style=\"text-align: left;\" sdnum=\"1040;1040;@\">" + cell + "</td>\r\n";
}

QByteArray row(const QList<QByteArray> &cells)
{
    QByteArray out = "<tr>\r\n";
    for (const QByteArray &c : cells)
        out += td(c);
    return out + "</tr>\r\n";
}

const QByteArray registryHeadings =
        th(350, "Nome, cognome o Ragione sociale") + th(350, "Indirizzo") + th(180, "CAP")
        + th(250, "Localit\xE0") + th(180, "Prov.") + th(250, "Tel.") + th(300, "E-mail")
        + th(200, "Data di nascita") + th(250, "Luogo di nascita") + th(250, "Codice fiscale")
        + th(250, "Partita IVA") + th(300, "IBAN") + th(300, "PEC") + th(250, "Carta di credito n.")
        + th(200, "Scadenza") + th(250, "Tel. cellulare") + th(250, "Cittadinanza") + th(300, "Occupazione")
        + th(250, "Stato civile") + th(300, "Documento") + th(300, "Ente rilascio") + th(200, "Data scadenza")
        + th(400, "Prodotti di interesse") + th(400, "Questioni in sospeso") + th(400, "Note") + "</tr>\r\n";

const QByteArray declarationHeadings =
        th(300, "Nome e cognome") + th(200, "Data di nascita") + th(120, "Sesso") + th(300, "Luogo di nascita")
        + th(250, "Codice fiscale") + th(250, "Cittadinanza") + th(350, "Indirizzo") + th(180, "CAP")
        + th(300, "Citt\xE0 di residenza") + th(180, "Prov.") + th(250, "Recapito telefonico")
        + th(450, "Oggetto dichiarazione") + th(300, "Luogo emissione") + th(200, "Data emissione")
        + th(120, "Consegnata") + "</tr>\r\n";

void writeArchive(const char *name, const QList<QByteArray> &records, const QByteArray &trailing = {})
{
    QByteArray all;
    for (const QByteArray &r : records)
        all += r;
    QVERIFY(writeFileBytes(ProgramFolder::file(QLatin1String(name)), all + trailing));
}

Record registryCard(const QList<QPair<int, QString>> &fields)
{
    Record r(SchedaAnagrafica::layout);
    for (const auto &f : fields)
        r.setField(f.first, f.second);
    return r;
}

Record declaration(const QList<QPair<int, QString>> &fields)
{
    Record r(SchedaDichiarazione::layout);
    for (const auto &f : fields)
        r.setField(f.first, f.second);
    return r;
}

QByteArray exported(const ExportArchive &archive)
{
    return SpreadsheetWriter::document(QString::fromUtf8(archive.sheet), archive.columns, archive.read());
}

} // namespace

class TestExportWriter : public QObject
{
    Q_OBJECT
private slots:
    void emptyArchiveWritesHeadingsOnly_data();
    void emptyArchiveWritesHeadingsOnly();
    void registryCards();
    void declarations_data();
    void declarations();
    void cellsTrimmedAndEscaped();
    void partialTrailingRecordIgnored();
    void fileWrittenAnewAndFailureKeepsNothingHalf();
    void gridHeadings();
};

void TestExportWriter::emptyArchiveWritesHeadingsOnly_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("registry") << "anagrafica" << head("Archivio Anagrafico") + registryHeadings + tail;
    QTest::newRow("self-certifications") << "certificazioni"
                                         << head("Archivio Attestari") + declarationHeadings + tail;
    QTest::newRow("notoriety") << "atti" << head("Archivio Atti Notori") + declarationHeadings + tail;
}

void TestExportWriter::emptyArchiveWritesHeadingsOnly()
{
    QFETCH(QString, tag);
    QFETCH(QByteArray, expected);
    TestFolder folder;
    const ExportArchive *archive = ExportArchive::ofKind(tag);
    QVERIFY(archive);
    QCOMPARE(exported(*archive), expected);
    // The missing archive is created empty, as every reader of an archive does.
    QVERIFY(QFileInfo(folder.file(QLatin1String(archive->archive))).isFile());
    QCOMPARE(QFileInfo(folder.file(QLatin1String(archive->archive))).size(), 0);
}

void TestExportWriter::registryCards()
{
    TestFolder folder;
    using namespace SchedaAnagrafica;
    const Record company = registryCard({
            {Nome, QStringLiteral("  Rossi & Figli <s.r.l.> ")}, {Indirizzo, QStringLiteral("Via Nazionale")},
            {Num, QString()}, {Cap01, QStringLiteral("0")}, {Cap02, QStringLiteral("0")},
            {Cap03, QStringLiteral("1")}, {Cap04, QStringLiteral("4")}, {Cap05, QStringLiteral("4")},
            {Localita, QStringLiteral("Roma")}, {Prov01, QStringLiteral("R")}, {Prov02, QStringLiteral("M")},
            {Tel, QStringLiteral("06 1234567")}, {Email, QStringLiteral("info@rossi.it")},
            {CodFisc, QStringLiteral("01234567890")}, {PartitaIva, QStringLiteral("01234567890")},
            {Iban, QStringLiteral("IT60X0542811101000000123456")}, {Pec, QStringLiteral("rossi@pec.it")},
            {Prodotti, QStringLiteral("Listino > 100 €")}, {Questioni, QStringLiteral("Fattura n° 3 “sospesa”")},
            {Note, QStringLiteral("L’ufficio è chiuso il sabato")}, {Sesso, QStringLiteral("M")},
            {File01, QStringLiteral("visura.pdf")}, {Desc01, QStringLiteral("Visura camerale")}});
    const Record person = registryCard({
            {Nome, QStringLiteral("Niccolò Verdi")}, {Indirizzo, QStringLiteral("Piazza Duomo")},
            {Num, QStringLiteral(" 12/B ")}, {Cap01, QStringLiteral("2")}, {Cap02, QStringLiteral("0")},
            {Cap03, QStringLiteral("1")}, {Cap04, QStringLiteral("2")}, {Cap05, QStringLiteral("1")},
            {Localita, QStringLiteral("Milano")}, {Prov01, QStringLiteral("M")}, {Prov02, QStringLiteral("I")},
            {DataNasc, QStringLiteral("01/02/1970")}, {LuogoNasc, QStringLiteral("Forlì")},
            {Carta, QStringLiteral("4111111111111111")}, {ScadeCarta, QStringLiteral("12/2030")},
            {Cel, QStringLiteral("333 1234567")}, {Cittadinanza, QStringLiteral("Italiana")},
            {Occupazione, QStringLiteral("Impiegato")}, {Civile, QStringLiteral("Coniugato")},
            {TipoDoc, QStringLiteral("C.I. AX1234567")}, {EnteRil, QStringLiteral("Comune di Milano")},
            {DataRil, QStringLiteral("01/01/2020")}, {DataSca, QStringLiteral("01/01/2030")}, {Sesso, QStringLiteral("M")}});
    writeArchive(ArchiveNames::registry, {company.bytes(), person.bytes()});

    const QByteArray expected =
            head("Archivio Anagrafico") + registryHeadings
            + row({"Rossi &amp; Figli &lt;s.r.l.&gt;", "Via Nazionale", "00144", "Roma", "RM", "06 1234567",
                   "info@rossi.it", "", "", "01234567890", "01234567890", "IT60X0542811101000000123456",
                   "rossi@pec.it", "", "", "", "", "", "", "", "", "", "Listino &gt; 100 \x80",
                   "Fattura n\xB0 3 \x93sospesa\x94", "L\x92ufficio \xE8 chiuso il sabato"})
            + row({"Niccol\xF2 Verdi", "Piazza Duomo 12/B", "20121", "Milano", "MI", "", "", "01/02/1970",
                   "Forl\xEC", "", "", "", "", "4111111111111111", "12/2030", "333 1234567", "Italiana",
                   "Impiegato", "Coniugato", "C.I. AX1234567", "Comune di Milano", "01/01/2030", "", "", ""})
            + tail;
    QCOMPARE(exported(ExportArchive::registry()), expected);
}

void TestExportWriter::declarations_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("archiveFile");
    QTest::addColumn<QByteArray>("sheet");
    QTest::newRow("self-certifications") << "certificazioni" << "Archivio_Attestari.pro"
                                         << QByteArray("Archivio Attestari");
    QTest::newRow("notoriety") << "atti" << "Archivio_Atti_Notori.pro" << QByteArray("Archivio Atti Notori");
}

void TestExportWriter::declarations()
{
    QFETCH(QString, tag);
    QFETCH(QString, archiveFile);
    QFETCH(QByteArray, sheet);
    TestFolder folder;
    using namespace SchedaDichiarazione;
    const Record delivered = declaration({
            {Nome, QStringLiteral("Anna D’Angelo")}, {DataNasc, QStringLiteral("03/04/1980")},
            {Sesso, QStringLiteral("F")}, {LuogoNasc, QStringLiteral("Cefalù")},
            {CodFisc, QStringLiteral("DNGNNA80D43C421X")}, {Cittadinanza, QStringLiteral("Italiana")},
            {Indirizzo, QStringLiteral("Via dei Mille ")}, {Num, QStringLiteral("7")},
            {Cap01, QStringLiteral("0")}, {Cap02, QStringLiteral("0")}, {Cap03, QStringLiteral("1")},
            {Cap04, QStringLiteral("0")}, {Cap05, QStringLiteral("0")}, {Localita, QStringLiteral("Roma")},
            {Prov01, QStringLiteral("R")}, {Prov02, QStringLiteral("M")}, {Tel, QStringLiteral("06 555")},
            {Dichiarazione, QStringLiteral("di essere nata a Cefalù\r\ne residente a Roma")},
            {Oggetto, QStringLiteral("Residenza & stato di famiglia")}, {Luogo, QStringLiteral("Roma")},
            {Data, QStringLiteral("10/12/2026")}, {Consegnata, QStringLiteral("OK")},
            {File01, QStringLiteral("ci.pdf")}});
    const Record undelivered = declaration({
            {Nome, QStringLiteral("Luca Bruno")}, {Sesso, QStringLiteral("M")},
            {Indirizzo, QStringLiteral("Corso Italia")}, {Cap01, QStringLiteral("8")},
            {Cap02, QStringLiteral("0")}, {Cap03, QStringLiteral("1")}, {Cap04, QStringLiteral("2")},
            {Cap05, QStringLiteral("1")}, {Oggetto, QStringLiteral("Titolo < diploma")},
            {Consegnata, QStringLiteral("No")}});
    // A record written with stray bytes after the zero of a field reads only up to the zero.
    QByteArray stray = undelivered.bytes();
    stray.replace(SchedaDichiarazione::layout.field(Localita).offset + 1, 3, "xyz");
    writeArchive(qPrintable(archiveFile), {delivered.bytes(), stray});

    const QByteArray expected =
            head(sheet) + declarationHeadings
            + row({"Anna D\x92" "Angelo", "03/04/1980", "F", "Cefal\xF9", "DNGNNA80D43C421X", "Italiana",
                   "Via dei Mille 7", "00100", "Roma", "RM", "06 555", "Residenza &amp; stato di famiglia", "Roma",
                   "10/12/2026", "OK"})
            + row({"Luca Bruno", "", "M", "", "", "", "Corso Italia", "80121", "", "", "",
                   "Titolo &lt; diploma", "", "", "No"})
            + tail;
    QCOMPARE(exported(*ExportArchive::ofKind(tag)), expected);
}

void TestExportWriter::cellsTrimmedAndEscaped()
{
    const QList<ExportColumn> columns{{QStringLiteral("Uno"), 100}, {QStringLiteral("Due & tre"), 90}};
    const QList<QStringList> rows{{QStringLiteral(" \t a&b<c>d; &amp; \r\n"), QStringLiteral("")},
                                  {QStringLiteral("x")},
                                  {QStringLiteral("Via Roma\r\n12\tscala B"), QStringLiteral("a\x01" "b")}};
    const QByteArray expected = head("Foglio") + th(100, "Uno") + th(90, "Due &amp; tre") + "</tr>\r\n"
                                + row({"a&amp;b&lt;c&gt;d; &amp;amp;", ""}) + row({"x", ""})
                                + row({"Via Roma  12 scala B", "a b"}) + tail;
    QCOMPARE(SpreadsheetWriter::document(QStringLiteral("Foglio"), columns, rows), expected);
}

void TestExportWriter::partialTrailingRecordIgnored()
{
    TestFolder folder;
    const Record card = registryCard({{SchedaAnagrafica::Nome, QStringLiteral("Uno")}});
    writeArchive(ArchiveNames::registry, {card.bytes(), card.bytes()}, QByteArray(100, 'z'));
    const ExportTable table = ExportArchive::registry().read();
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.cell(1, 0), QStringLiteral("Uno"));
    QCOMPARE(table.cell(1, 1), QStringLiteral(" "));   // street, blank, house number: trimmed when written
}

void TestExportWriter::fileWrittenAnewAndFailureKeepsNothingHalf()
{
    TestFolder folder;
    const ExportArchive &archive = ExportArchive::selfCertifications();
    const QString path = folder.file(QStringLiteral("Archivio_Attestari.xls"));
    QCOMPARE(archive.filePath(), path);

    QVERIFY(writeFileBytes(path, QByteArray(200000, 'o')));   // an older, longer export
    ExportTable rows(15);
    rows.addRow({QStringLiteral("Primo")});
    QVERIFY(archive.write(rows));
    const QByteArray first = fileBytes(path);
    QCOMPARE(first, SpreadsheetWriter::document(QStringLiteral("Archivio Attestari"), archive.columns, rows));

    // A folder where the file should be: nothing written, the folder untouched.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Archivio_Attestari.xls")));
    QVERIFY(!archive.write(rows));
    QVERIFY(QFileInfo(path).isDir());
    // ... and no half-written file left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestExportWriter::gridHeadings()
{
    const QStringList registry = ExportArchive::registry().gridHeadings;
    QCOMPARE(registry.size(), 25);
    QCOMPARE(registry.at(20), QStringLiteral("Ente di rilascio"));
    QCOMPARE(registry.at(0), QStringLiteral("Nome, cognome o Ragione sociale"));
    QCOMPARE(registry.at(24), QStringLiteral("Note"));
    QCOMPARE(ExportArchive::notorietyDeclarations().gridHeadings.size(), 15);
    QCOMPARE(ExportArchive::notorietyDeclarations().gridHeadings.at(8), QStringLiteral("Città di residenza"));
    QVERIFY(!ExportArchive::ofKind(QStringLiteral("altro")));
    QCOMPARE(ExportArchive::ofKind(QStringLiteral(" atti "))->window, "frmExpAtti");
}

QTEST_GUILESS_MAIN(TestExportWriter)
#include "tst_export_writer.moc"
