#include "core/output/exportarchives.h"

#include "core/storage/archivefile.h"
#include "core/storage/programfolder.h"
#include "core/storage/recordlayout.h"
#include "core/storage/savefile.h"
#include "core/storage/text.h"

#include <QSaveFile>

namespace {

QByteArrayView trimmedBytes(QByteArrayView bytes)
{
    qsizetype b = 0, e = bytes.size();
    while (b < e && static_cast<unsigned char>(bytes[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(bytes[e - 1]) <= 32) --e;
    return bytes.sliced(b, e - b);
}

// The stored characters of a field, as Windows-1252 bytes, trimmed: the same
// as decoding, trimming and encoding again, without the detour.
QByteArrayView fieldBytes(const RecordLayout &layout, QByteArrayView record, int field)
{
    const LayoutField &f = layout.field(field);
    if (record.size() < f.offset + f.capacity + 1)
        return {};
    const QByteArrayView slot = record.sliced(f.offset, f.capacity + 1);
    if (layout.encoding == RecordLayout::Encoding::Counted) {
        const qsizetype length = qMin(qsizetype(static_cast<unsigned char>(slot[0])), qsizetype(f.capacity));
        return trimmedBytes(slot.sliced(1, length));
    }
    const qsizetype end = slot.indexOf('\0');
    return trimmedBytes(end < 0 ? slot : slot.first(end));
}

template <typename Fields>
struct Cells
{
    const RecordLayout &layout;
    ExportTable &table;
    QByteArrayView record;

    QByteArrayView at(int field) const { return fieldBytes(layout, record, field); }
    void field(int f) const { table.addCellBytes(at(f)); }
    void address() const { table.addJoinedCellBytes({at(Fields::Indirizzo), " ", at(Fields::Num)}); }
    void postcode() const
    {
        table.addJoinedCellBytes({at(Fields::Cap01), at(Fields::Cap02), at(Fields::Cap03),
                                  at(Fields::Cap04), at(Fields::Cap05)});
    }
    void province() const { table.addJoinedCellBytes({at(Fields::Prov01), at(Fields::Prov02)}); }
};

struct RegistryFields
{
    enum { Indirizzo = SchedaAnagrafica::Indirizzo, Num = SchedaAnagrafica::Num,
           Cap01 = SchedaAnagrafica::Cap01, Cap02 = SchedaAnagrafica::Cap02, Cap03 = SchedaAnagrafica::Cap03,
           Cap04 = SchedaAnagrafica::Cap04, Cap05 = SchedaAnagrafica::Cap05,
           Prov01 = SchedaAnagrafica::Prov01, Prov02 = SchedaAnagrafica::Prov02 };
};

struct DeclarationFields
{
    enum { Indirizzo = SchedaDichiarazione::Indirizzo, Num = SchedaDichiarazione::Num,
           Cap01 = SchedaDichiarazione::Cap01, Cap02 = SchedaDichiarazione::Cap02,
           Cap03 = SchedaDichiarazione::Cap03, Cap04 = SchedaDichiarazione::Cap04,
           Cap05 = SchedaDichiarazione::Cap05, Prov01 = SchedaDichiarazione::Prov01,
           Prov02 = SchedaDichiarazione::Prov02 };
};

void registryRow(ExportTable &table, QByteArrayView record)
{
    using namespace SchedaAnagrafica;
    const Cells<RegistryFields> c{layout, table, record};
    c.field(Nome);
    c.address();
    c.postcode();
    c.field(Localita);
    c.province();
    for (int f : {Tel, Email, DataNasc, LuogoNasc, CodFisc, PartitaIva, Iban, Pec, Carta, ScadeCarta, Cel,
                  Cittadinanza, Occupazione, Civile, TipoDoc, EnteRil, DataSca, Prodotti, Questioni, Note})
        c.field(f);
}

void declarationRow(ExportTable &table, QByteArrayView record)
{
    using namespace SchedaDichiarazione;
    const Cells<DeclarationFields> c{layout, table, record};
    for (int f : {Nome, DataNasc, Sesso, LuogoNasc, CodFisc, Cittadinanza})
        c.field(f);
    c.address();
    c.postcode();
    c.field(Localita);
    c.province();
    for (int f : {Tel, Oggetto, Luogo, Data, Consegnata})
        c.field(f);
}

QList<ExportColumn> columnsOf(std::initializer_list<std::pair<const char *, int>> design)
{
    QList<ExportColumn> out;
    for (const auto &[heading, width] : design)
        out.append({QString::fromUtf8(heading), width});
    return out;
}

QStringList headingsOf(const QList<ExportColumn> &columns)
{
    QStringList out;
    for (const ExportColumn &c : columns)
        out.append(c.heading);
    return out;
}

QList<ExportColumn> declarationColumns()
{
    return columnsOf({{"Nome e cognome", 300}, {"Data di nascita", 200}, {"Sesso", 120},
                      {"Luogo di nascita", 300}, {"Codice fiscale", 250}, {"Cittadinanza", 250},
                      {"Indirizzo", 350}, {"CAP", 180}, {"Città di residenza", 300}, {"Prov.", 180},
                      {"Recapito telefonico", 250}, {"Oggetto dichiarazione", 450},
                      {"Luogo emissione", 300}, {"Data emissione", 200}, {"Consegnata", 120}});
}

ExportArchive makeRegistry()
{
    ExportArchive a{"anagrafica", "frmExpAnagrafica", " Esporta archivio anagrafico in Microsoft Excel",
                    ArchiveNames::registry, SchedaAnagrafica::Size, "Anagrafica.xls", "Archivio Anagrafico",
                    columnsOf({{"Nome, cognome o Ragione sociale", 350}, {"Indirizzo", 350}, {"CAP", 180},
                               {"Località", 250}, {"Prov.", 180}, {"Tel.", 250}, {"E-mail", 300},
                               {"Data di nascita", 200}, {"Luogo di nascita", 250}, {"Codice fiscale", 250},
                               {"Partita IVA", 250}, {"IBAN", 300}, {"PEC", 300},
                               {"Carta di credito n.", 250}, {"Scadenza", 200}, {"Tel. cellulare", 250},
                               {"Cittadinanza", 250}, {"Occupazione", 300}, {"Stato civile", 250},
                               {"Documento", 300}, {"Ente rilascio", 300}, {"Data scadenza", 200},
                               {"Prodotti di interesse", 400}, {"Questioni in sospeso", 400}, {"Note", 400}}),
                    {}, registryRow};
    a.gridHeadings = headingsOf(a.columns);
    a.gridHeadings[20] = QStringLiteral("Ente di rilascio");
    return a;
}

ExportArchive makeDeclarations(const char *tag, const char *window, const char *caption, const char *archive,
                               const char *file, const char *sheet)
{
    ExportArchive a{tag, window, caption, archive, SchedaDichiarazione::Size, file, sheet,
                    declarationColumns(), {}, declarationRow};
    a.gridHeadings = headingsOf(a.columns);
    return a;
}

} // namespace

const ExportArchive &ExportArchive::registry()
{
    static const ExportArchive a = makeRegistry();
    return a;
}

const ExportArchive &ExportArchive::selfCertifications()
{
    static const ExportArchive a = makeDeclarations(
            "certificazioni", "frmExpCert", " Esporta archivio attestari in Microsoft Excel",
            ArchiveNames::selfCertifications, "Archivio_Attestari.xls", "Archivio Attestari");
    return a;
}

const ExportArchive &ExportArchive::notorietyDeclarations()
{
    static const ExportArchive a = makeDeclarations(
            "atti", "frmExpAtti", " Esporta archivio atti notori in Microsoft Excel",
            ArchiveNames::notorietyDeclarations, "Archivio_Atti_Notori.xls", "Archivio Atti Notori");
    return a;
}

const ExportArchive *ExportArchive::ofKind(QStringView tag)
{
    const QString wanted = Text::trimmed(tag);
    for (const ExportArchive *a : {&registry(), &selfCertifications(), &notorietyDeclarations()})
        if (wanted == QLatin1String(a->kindTag))
            return a;
    return nullptr;
}

ExportTable ExportArchive::read() const
{
    ExportTable table(int(columns.size()));
    ArchiveFile file(QString::fromLatin1(archive), recordSize);
    if (!file.open())
        return table;
    const qint64 count = file.count();
    if (count > 0)
        table.reserve(count, 64 + 8 * columns.size());
    QByteArrayView record;
    while (count > 0 && !file.atEnd() && file.next(&record))
        appendRow(table, record);
    file.close();
    return table;
}

QString ExportArchive::filePath() const
{
    return ProgramFolder::file(QString::fromLatin1(file));
}

bool ExportArchive::write(const ExportTable &rows) const
{
    QSaveFile out(filePath());
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (!SpreadsheetWriter::write(out, QString::fromUtf8(sheet), columns, rows)) {
        out.cancelWriting();
        return false;
    }
    return SaveFile::commit(out);
}
