#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// A record layout as data: the one table of fields, offsets and capacities
// that windows, searches and the export all read.
struct LayoutField
{
    const char *name;      // field name, e.g. "Nome"
    const char *control;   // control of the archive window that shows it, e.g. "txtNome"
    int offset;            // bytes from the start of the record
    int capacity;          // characters; the field occupies capacity + 1 bytes
};

struct RecordLayout
{
    enum class Encoding { Counted, ZeroTerminated };

    const char *fileName;  // default archive file of this layout (first archive using it)
    int size;              // bytes of one record
    Encoding encoding;
    const LayoutField *fields;
    int fieldCount;

    const LayoutField &field(int i) const { return fields[i]; }
    int indexOf(QStringView nameOrControl) const;   // -1 when unknown
};

// One record of a layout: fields read and written as text. The bytes are
// always exactly layout.size long.
class Record
{
public:
    explicit Record(const RecordLayout &layout);                 // every field empty
    Record(const RecordLayout &layout, QByteArrayView bytes);   // bytes of one record

    const RecordLayout &layout() const { return *m_layout; }
    QString field(int i) const;                 // decoded, untrimmed
    QString field(QStringView name) const;      // by field or control name
    void setField(int i, QStringView text);     // encoded, cut to capacity
    void setField(QStringView name, QStringView text);
    const QByteArray &bytes() const { return m_bytes; }

private:
    const RecordLayout *m_layout;
    QByteArray m_bytes;
};

// Registry card: 39 counted fields, 3831 bytes, in Anagrafica.pro.
namespace SchedaAnagrafica {
constexpr int Size = 3831;
constexpr int FieldCount = 39;
extern const RecordLayout layout;
enum Field {
    Nome, Indirizzo, Num, Cap01, Cap02, Cap03, Cap04, Cap05, Localita, Prov01, Prov02,
    Tel, Email, DataNasc, Sesso, LuogoNasc, CodFisc, PartitaIva, Iban, Pec, Carta,
    ScadeCarta, Cel, Cittadinanza, Occupazione, Civile, TipoDoc, EnteRil, DataRil,
    DataSca, Prodotti, Questioni, Note, File01, File02, File03, Desc01, Desc02, Desc03,
};
}

// Declaration: 28 zero-terminated fields, 7794 bytes, shared by both
// declaration archives.
namespace SchedaDichiarazione {
constexpr int Size = 7794;
constexpr int FieldCount = 28;
extern const RecordLayout layout;
enum Field {
    Nome, DataNasc, Sesso, LuogoNasc, CodFisc, Cittadinanza, Indirizzo, Num,
    Cap01, Cap02, Cap03, Cap04, Cap05, Localita, Prov01, Prov02, Tel,
    Dichiarazione, Oggetto, Luogo, Data, Consegnata,
    File01, File02, File03, Desc01, Desc02, Desc03,
};
}

namespace ArchiveNames {
constexpr const char *registry = "Anagrafica.pro";
constexpr const char *selfCertifications = "Archivio_Attestari.pro";
constexpr const char *notorietyDeclarations = "Archivio_Atti_Notori.pro";
}
