#include "core/storage/recordlayout.h"

#include <QtTest>

class TstStorageLayout : public QObject
{
    Q_OBJECT

private slots:
    void registryFields_data();
    void registryFields();
    void declarationFields_data();
    void declarationFields();
    void layoutsTileTheirRecords();
    void indexOf_data();
    void indexOf();
    void emptyRecord();
    void fieldsLandAtTheirOffsets();
    void shorterValueLeavesNoRemnant();
    void recordFromBytes();

private:
    static void fieldTable(const RecordLayout &layout);
};

namespace {
struct Row { const char *name; const char *control; int offset; int bytes; };

void addRows(const Row *rows, int n)
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    for (int i = 0; i < n; ++i)
        QTest::newRow(rows[i].name) << i << rows[i].name << rows[i].control << rows[i].offset
                                    << rows[i].bytes - 1;
}
}

// The card as it lies on disk: name, control, offset, bytes.
void TstStorageLayout::registryFields_data()
{
    static const Row rows[] = {
        {"Nome", "txtNome", 0, 251}, {"Indirizzo", "txtIndirizzo", 251, 251},
        {"Num", "txtNum", 502, 11}, {"Cap01", "txtCap01", 513, 2}, {"Cap02", "txtCap02", 515, 2},
        {"Cap03", "txtCap03", 517, 2}, {"Cap04", "txtCap04", 519, 2}, {"Cap05", "txtCap05", 521, 2},
        {"Localita", "txtLocalita", 523, 121}, {"Prov01", "txtProv01", 644, 2},
        {"Prov02", "txtProv02", 646, 2}, {"Tel", "txtTel", 648, 31}, {"Email", "txtEmail", 679, 121},
        {"DataNasc", "txtDataNasc", 800, 11}, {"Sesso", "txtSesso", 811, 2},
        {"LuogoNasc", "txtLuogoNasc", 813, 121}, {"CodFisc", "txtCodFisc", 934, 17},
        {"PartitaIva", "txtPartitaIva", 951, 12}, {"Iban", "txtIban", 963, 28},
        {"Pec", "txtPec", 991, 121}, {"Carta", "txtCarta", 1112, 51},
        {"ScadeCarta", "txtScadeCarta", 1163, 11}, {"Cel", "txtCel", 1174, 51},
        {"Cittadinanza", "txtCittadinanza", 1225, 51}, {"Occupazione", "txtOccupazione", 1276, 121},
        {"Civile", "txtCivile", 1397, 51}, {"TipoDoc", "txtTipoDoc", 1448, 51},
        {"EnteRil", "txtEnteRil", 1499, 51}, {"DataRil", "txtDataRil", 1550, 11},
        {"DataSca", "txtDataSca", 1561, 11}, {"Prodotti", "txtProdotti", 1572, 251},
        {"Questioni", "txtQuestioni", 1823, 251}, {"Note", "txtNote", 2074, 251},
        {"File01", "lblFile01", 2325, 251}, {"File02", "lblFile02", 2576, 251},
        {"File03", "lblFile03", 2827, 251}, {"Desc01", "lblDesc01", 3078, 251},
        {"Desc02", "lblDesc02", 3329, 251}, {"Desc03", "lblDesc03", 3580, 251},
    };
    QCOMPARE(int(std::size(rows)), SchedaAnagrafica::FieldCount);
    addRows(rows, int(std::size(rows)));
}

void TstStorageLayout::registryFields()
{
    fieldTable(SchedaAnagrafica::layout);
}

void TstStorageLayout::declarationFields_data()
{
    static const Row rows[] = {
        {"Nome", "txtNome", 0, 251}, {"DataNasc", "txtDataNasc", 251, 11},
        {"Sesso", "txtSesso", 262, 2}, {"LuogoNasc", "txtLuogoNasc", 264, 121},
        {"CodFisc", "txtCodFisc", 385, 17}, {"Cittadinanza", "txtCittadinanza", 402, 51},
        {"Indirizzo", "txtIndirizzo", 453, 251}, {"Num", "txtNum", 704, 11},
        {"Cap01", "txtCap01", 715, 2}, {"Cap02", "txtCap02", 717, 2}, {"Cap03", "txtCap03", 719, 2},
        {"Cap04", "txtCap04", 721, 2}, {"Cap05", "txtCap05", 723, 2},
        {"Localita", "txtLocalita", 725, 121}, {"Prov01", "txtProv01", 846, 2},
        {"Prov02", "txtProv02", 848, 2}, {"Tel", "txtTel", 850, 51},
        {"Dichiarazione", "txtDichiarazione", 901, 5001}, {"Oggetto", "txtOggetto", 5902, 251},
        {"Luogo", "txtLuogo", 6153, 121}, {"Data", "txtData", 6274, 11},
        {"Consegnata", "chkConsegnata", 6285, 3}, {"File01", "lblFile01", 6288, 251},
        {"File02", "lblFile02", 6539, 251}, {"File03", "lblFile03", 6790, 251},
        {"Desc01", "lblDesc01", 7041, 251}, {"Desc02", "lblDesc02", 7292, 251},
        {"Desc03", "lblDesc03", 7543, 251},
    };
    QCOMPARE(int(std::size(rows)), SchedaDichiarazione::FieldCount);
    addRows(rows, int(std::size(rows)));
}

void TstStorageLayout::declarationFields()
{
    fieldTable(SchedaDichiarazione::layout);
}

void TstStorageLayout::fieldTable(const RecordLayout &layout)
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, control);
    QFETCH(int, offset);
    QFETCH(int, capacity);

    QVERIFY(index < layout.fieldCount);
    const LayoutField &f = layout.field(index);
    QCOMPARE(QString::fromLatin1(f.name), name);
    QCOMPARE(QString::fromLatin1(f.control), control);
    QCOMPARE(f.offset, offset);
    QCOMPARE(f.capacity, capacity);
    QCOMPARE(layout.indexOf(name), index);
    QCOMPARE(layout.indexOf(control), index);
}

void TstStorageLayout::layoutsTileTheirRecords()
{
    const RecordLayout &reg = SchedaAnagrafica::layout;
    QCOMPARE(reg.size, 3831);
    QCOMPARE(reg.fieldCount, 39);
    QCOMPARE(reg.encoding, RecordLayout::Encoding::Counted);
    QCOMPARE(QString::fromLatin1(reg.fileName), QStringLiteral("Anagrafica.pro"));

    const RecordLayout &dec = SchedaDichiarazione::layout;
    QCOMPARE(dec.size, 7794);
    QCOMPARE(dec.fieldCount, 28);
    QCOMPARE(dec.encoding, RecordLayout::Encoding::ZeroTerminated);
    QCOMPARE(QString::fromLatin1(dec.fileName), QStringLiteral("Archivio_Attestari.pro"));

    for (const RecordLayout *layout : {&reg, &dec}) {
        const LayoutField &last = layout->field(layout->fieldCount - 1);
        QCOMPARE(last.offset + last.capacity + 1, layout->size);
    }
}

void TstStorageLayout::indexOf_data()
{
    QTest::addColumn<bool>("registry");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");

    QTest::newRow("field name") << true << "Questioni" << int(SchedaAnagrafica::Questioni);
    QTest::newRow("control") << true << "lblDesc01" << int(SchedaAnagrafica::Desc01);
    QTest::newRow("check box") << false << "chkConsegnata" << int(SchedaDichiarazione::Consegnata);
    QTest::newRow("not in this layout") << true << "Dichiarazione" << -1;
    QTest::newRow("case matters") << true << "nome" << -1;
    QTest::newRow("empty") << false << "" << -1;
}

void TstStorageLayout::indexOf()
{
    QFETCH(bool, registry);
    QFETCH(QString, key);
    QFETCH(int, index);
    const RecordLayout &layout = registry ? SchedaAnagrafica::layout : SchedaDichiarazione::layout;
    QCOMPARE(layout.indexOf(key), index);
}

void TstStorageLayout::emptyRecord()
{
    for (const RecordLayout *layout : {&SchedaAnagrafica::layout, &SchedaDichiarazione::layout}) {
        const Record r(*layout);
        QCOMPARE(r.bytes(), QByteArray(layout->size, '\0'));
        for (int i = 0; i < layout->fieldCount; ++i)
            QCOMPARE(r.field(i), QString());
    }
}

void TstStorageLayout::fieldsLandAtTheirOffsets()
{
    Record card(SchedaAnagrafica::layout);
    card.setField(QStringLiteral("lblDesc01"), QStringLiteral("Carta d'identità"));
    card.setField(QStringLiteral("Nome"), QString(251, QLatin1Char('N')));
    QCOMPARE(card.bytes().size(), 3831);
    QCOMPARE(card.bytes().mid(3078, 17), QByteArray("\x10" "Carta d'identit\xE0"));
    QCOMPARE(card.field(QStringLiteral("Desc01")), QString::fromUtf8("Carta d'identità"));
    QCOMPARE(card.field(SchedaAnagrafica::Nome), QString(250, QLatin1Char('N')));
    QCOMPARE(uchar(card.bytes()[0]), uchar(250));

    Record decl(SchedaDichiarazione::layout);
    decl.setField(QStringLiteral("chkConsegnata"), QStringLiteral("OK"));
    decl.setField(SchedaDichiarazione::Dichiarazione, QStringLiteral("a\r\n\r\nb"));
    QCOMPARE(decl.bytes().size(), 7794);
    QCOMPARE(decl.bytes().mid(6285, 3), QByteArray("OK\0", 3));
    QCOMPARE(decl.bytes().mid(901, 7), QByteArray("a\r\n\r\nb\0", 7));
    QCOMPARE(decl.field(QStringLiteral("txtDichiarazione")), QStringLiteral("a\r\n\r\nb"));
    decl.setField(SchedaDichiarazione::Consegnata, QStringLiteral("No"));
    QCOMPARE(decl.bytes().mid(6285, 3), QByteArray("No\0", 3));
    QCOMPARE(decl.field(QStringLiteral("Consegnata")), QStringLiteral("No"));
}

// A record read from the file and saved again must not keep the tail of a
// longer earlier value in the field.
void TstStorageLayout::shorterValueLeavesNoRemnant()
{
    for (const RecordLayout *layout : {&SchedaAnagrafica::layout, &SchedaDichiarazione::layout}) {
        Record r(*layout);
        r.setField(QStringLiteral("Nome"), QStringLiteral("Giovanni Battista Bianchi"));
        Record again(*layout, r.bytes());
        again.setField(QStringLiteral("Nome"), QStringLiteral("Ugo"));
        QCOMPARE(again.field(QStringLiteral("Nome")), QStringLiteral("Ugo"));
        QCOMPARE(again.bytes(), [&] {
            Record fresh(*layout);
            fresh.setField(QStringLiteral("Nome"), QStringLiteral("Ugo"));
            return fresh.bytes();
        }());
    }
}

void TstStorageLayout::recordFromBytes()
{
    Record source(SchedaDichiarazione::layout);
    source.setField(SchedaDichiarazione::Desc03, QStringLiteral("ultimo"));
    const Record copy(SchedaDichiarazione::layout, source.bytes());
    QCOMPARE(copy.bytes(), source.bytes());
    QCOMPARE(copy.field(SchedaDichiarazione::Desc03), QStringLiteral("ultimo"));

    // A wrong length never makes a record of another size.
    QCOMPARE(Record(SchedaAnagrafica::layout, QByteArray(10, 'x')).bytes().size(), 3831);
    QCOMPARE(Record(SchedaAnagrafica::layout, QByteArray(5000, 'x')).bytes().size(), 3831);
}

QTEST_GUILESS_MAIN(TstStorageLayout)
#include "tst_storage_layout.moc"
