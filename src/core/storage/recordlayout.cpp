#include "core/storage/recordlayout.h"

#include "core/storage/fieldcodec.h"

#include <QDebug>

#include <iterator>

namespace {
// Each table must tile its record exactly: offsets contiguous from 0, the
// last field ending at the record size. Checked when compiling.
template <int N>
constexpr bool tilesRecord(const LayoutField (&fields)[N], int size)
{
    int next = 0;
    for (const LayoutField &f : fields) {
        if (f.offset != next || f.capacity < 1)
            return false;
        next += f.capacity + 1;
    }
    return next == size;
}

template <int N>
constexpr int maxCapacity(const LayoutField (&fields)[N])
{
    int most = 0;
    for (const LayoutField &f : fields)
        most = f.capacity > most ? f.capacity : most;
    return most;
}

constexpr LayoutField registryFields[] = {
    {"Nome", "txtNome", 0, 250},
    {"Indirizzo", "txtIndirizzo", 251, 250},
    {"Num", "txtNum", 502, 10},
    {"Cap01", "txtCap01", 513, 1},
    {"Cap02", "txtCap02", 515, 1},
    {"Cap03", "txtCap03", 517, 1},
    {"Cap04", "txtCap04", 519, 1},
    {"Cap05", "txtCap05", 521, 1},
    {"Localita", "txtLocalita", 523, 120},
    {"Prov01", "txtProv01", 644, 1},
    {"Prov02", "txtProv02", 646, 1},
    {"Tel", "txtTel", 648, 30},
    {"Email", "txtEmail", 679, 120},
    {"DataNasc", "txtDataNasc", 800, 10},
    {"Sesso", "txtSesso", 811, 1},
    {"LuogoNasc", "txtLuogoNasc", 813, 120},
    {"CodFisc", "txtCodFisc", 934, 16},
    {"PartitaIva", "txtPartitaIva", 951, 11},
    {"Iban", "txtIban", 963, 27},
    {"Pec", "txtPec", 991, 120},
    {"Carta", "txtCarta", 1112, 50},
    {"ScadeCarta", "txtScadeCarta", 1163, 10},
    {"Cel", "txtCel", 1174, 50},
    {"Cittadinanza", "txtCittadinanza", 1225, 50},
    {"Occupazione", "txtOccupazione", 1276, 120},
    {"Civile", "txtCivile", 1397, 50},
    {"TipoDoc", "txtTipoDoc", 1448, 50},
    {"EnteRil", "txtEnteRil", 1499, 50},
    {"DataRil", "txtDataRil", 1550, 10},
    {"DataSca", "txtDataSca", 1561, 10},
    {"Prodotti", "txtProdotti", 1572, 250},
    {"Questioni", "txtQuestioni", 1823, 250},
    {"Note", "txtNote", 2074, 250},
    {"File01", "lblFile01", 2325, 250},
    {"File02", "lblFile02", 2576, 250},
    {"File03", "lblFile03", 2827, 250},
    {"Desc01", "lblDesc01", 3078, 250},
    {"Desc02", "lblDesc02", 3329, 250},
    {"Desc03", "lblDesc03", 3580, 250},
};

constexpr LayoutField declarationFields[] = {
    {"Nome", "txtNome", 0, 250},
    {"DataNasc", "txtDataNasc", 251, 10},
    {"Sesso", "txtSesso", 262, 1},
    {"LuogoNasc", "txtLuogoNasc", 264, 120},
    {"CodFisc", "txtCodFisc", 385, 16},
    {"Cittadinanza", "txtCittadinanza", 402, 50},
    {"Indirizzo", "txtIndirizzo", 453, 250},
    {"Num", "txtNum", 704, 10},
    {"Cap01", "txtCap01", 715, 1},
    {"Cap02", "txtCap02", 717, 1},
    {"Cap03", "txtCap03", 719, 1},
    {"Cap04", "txtCap04", 721, 1},
    {"Cap05", "txtCap05", 723, 1},
    {"Localita", "txtLocalita", 725, 120},
    {"Prov01", "txtProv01", 846, 1},
    {"Prov02", "txtProv02", 848, 1},
    {"Tel", "txtTel", 850, 50},
    {"Dichiarazione", "txtDichiarazione", 901, 5000},
    {"Oggetto", "txtOggetto", 5902, 250},
    {"Luogo", "txtLuogo", 6153, 120},
    {"Data", "txtData", 6274, 10},
    {"Consegnata", "chkConsegnata", 6285, 2},
    {"File01", "lblFile01", 6288, 250},
    {"File02", "lblFile02", 6539, 250},
    {"File03", "lblFile03", 6790, 250},
    {"Desc01", "lblDesc01", 7041, 250},
    {"Desc02", "lblDesc02", 7292, 250},
    {"Desc03", "lblDesc03", 7543, 250},
};

static_assert(std::size(registryFields) == SchedaAnagrafica::FieldCount
              && SchedaAnagrafica::Desc03 == SchedaAnagrafica::FieldCount - 1);
static_assert(tilesRecord(registryFields, SchedaAnagrafica::Size));
// A counted field keeps its length in one byte.
static_assert(maxCapacity(registryFields) <= 255);

static_assert(std::size(declarationFields) == SchedaDichiarazione::FieldCount
              && SchedaDichiarazione::Desc03 == SchedaDichiarazione::FieldCount - 1);
static_assert(tilesRecord(declarationFields, SchedaDichiarazione::Size));
}

const RecordLayout SchedaAnagrafica::layout = {
    ArchiveNames::registry, Size, RecordLayout::Encoding::Counted,
    registryFields, FieldCount,
};

const RecordLayout SchedaDichiarazione::layout = {
    ArchiveNames::selfCertifications, Size, RecordLayout::Encoding::ZeroTerminated,
    declarationFields, FieldCount,
};

int RecordLayout::indexOf(QStringView nameOrControl) const
{
    for (int i = 0; i < fieldCount; ++i)
        if (nameOrControl == QLatin1String(fields[i].name)
            || nameOrControl == QLatin1String(fields[i].control))
            return i;
    return -1;
}

Record::Record(const RecordLayout &layout)
    : m_layout(&layout), m_bytes(layout.size, '\0')
{
}

Record::Record(const RecordLayout &layout, QByteArrayView bytes)
    : m_layout(&layout), m_bytes(bytes.first(qMin(bytes.size(), qsizetype(layout.size))).toByteArray())
{
    if (m_bytes.size() < layout.size)
        m_bytes.append(layout.size - m_bytes.size(), '\0');
}

QString Record::field(int i) const
{
    if (i < 0 || i >= m_layout->fieldCount)
        return QString();
    const LayoutField &f = m_layout->field(i);
    const QByteArrayView slot = QByteArrayView(m_bytes).sliced(f.offset, f.capacity + 1);
    return m_layout->encoding == RecordLayout::Encoding::Counted
            ? FieldCodec::decodeCounted(slot, f.capacity)
            : FieldCodec::decodeZeroTerminated(slot, f.capacity);
}

QString Record::field(QStringView name) const
{
    const int i = m_layout->indexOf(name);
    if (i < 0)
        qWarning() << "Record: unknown field" << name;
    return field(i);
}

void Record::setField(int i, QStringView text)
{
    if (i < 0 || i >= m_layout->fieldCount)
        return;
    const LayoutField &f = m_layout->field(i);
    const QByteArray slot = m_layout->encoding == RecordLayout::Encoding::Counted
            ? FieldCodec::encodeCounted(text, f.capacity)
            : FieldCodec::encodeZeroTerminated(text, f.capacity);
    m_bytes.replace(f.offset, slot.size(), slot);
}

void Record::setField(QStringView name, QStringView text)
{
    const int i = m_layout->indexOf(name);
    if (i < 0)
        qWarning() << "Record: unknown field" << name;
    setField(i, text);
}
