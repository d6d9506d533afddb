// The page designs and their filling, without drawing.
#include "core/output/cardpage.h"
#include "core/output/declarationpage.h"
#include "core/output/listpages.h"

#include <QTest>

class TstOutputPages : public QObject
{
    Q_OBJECT
private slots:
    void declarationFilling_data();
    void declarationFilling();
    void notorietyFoot();
    void cardRows();
    void listBands_data();
    void listBands();
};

void TstOutputPages::declarationFilling_data()
{
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("undersigned");
    QTest::addColumn<QString>("born");
    QTest::newRow("F") << "F" << "La sottoscritta" << "nata il";
    QTest::newRow("M") << " M " << "Il sottoscritto" << "nato il";
}

void TstOutputPages::declarationFilling()
{
    QFETCH(QString, sex);
    QFETCH(QString, undersigned);
    QFETCH(QString, born);
    const QHash<QString, QString> c{
        {"txtSesso", sex}, {"txtNome", "  Maria Rossi "}, {"txtIndirizzo", " Via Po "}, {"txtNum", "  "},
        {"txtProv01", "R"}, {"txtProv02", " M"}, {"txtCap01", "0"}, {"txtCap02", "0"}, {"txtCap03", "1"},
        {"txtCap04", "8"}, {"txtCap05", "4"}, {"txtLuogo", " Roma"}, {"txtData", "01/02/2024 "},
        {"txtDichiarazione", "\n  \nuno [due]\n\ntre\n \n"}};
    const PrintedPage page = DeclarationPage::filled(DeclarationKind::SelfCertification, c);
    QCOMPARE(page.text("txtSottoscritto")->text, undersigned);
    QCOMPARE(page.text("txtNato")->text, born);
    QCOMPARE(page.text("txtNome")->text, QString("Maria Rossi"));
    QCOMPARE(page.text("txtIndirizzo")->text, QString("Via Po "));
    QCOMPARE(page.text("txtProv")->text, QString("RM"));
    QCOMPARE(page.text("txtCap")->text, QString("00184"));
    QCOMPARE(page.text("txtData")->text, QString("Roma, 01/02/2024."));
    QCOMPARE(page.text("txtDichiarazione")->text, QString("uno [due]\n\ntre"));
    QCOMPARE(page.text("txtCodFisc")->text, QString());
    QCOMPARE(page.text("titDirettore")->text, QString("DICHIARAZIONE SOSTITUTIVA DI CERTIFICAZIONE"));
}

void TstOutputPages::notorietyFoot()
{
    const PrintedPage page = DeclarationPage::design(DeclarationKind::Notoriety);
    QCOMPARE(page.text("titDirettore")->text, QString("DICHIARAZIONE SOSTITUTIVA DELL'ATTO DI NOTORIETA'"));
    QCOMPARE(page.text("txtData")->box, QRectF(10, 200, 190, 6));
    int eightPoint = 0;
    for (const PageText &t : page.texts)
        if (t.points == 8)
            ++eightPoint;
    // Legal reference, gazette, signature hint, stamp duty, 8 + 3 footnote lines.
    QCOMPARE(eightPoint, 15);
}

void TstOutputPages::cardRows()
{
    const QHash<QString, QString> c{{"txtNome", " Rossi Maria "}, {"txtLocalita", "Roma "}, {"txtCap03", "1"}};
    const QStringList rows = CardPage::rowTexts(c);
    QCOMPARE(rows.size(), 26);
    QCOMPARE(rows[0], QString("Rossi Maria"));
    QCOMPARE(rows[6], QString(" "));
    QCOMPARE(rows[7], QString("1"));
    QCOMPARE(rows[8], QString("Roma "));
    QCOMPARE(CardPage::footer(QDateTime(QDate(2024, 2, 1), QTime(9, 5, 7))),
             QString("Stampa eseguita in data 01/02/2024 alle ore 09:05:07"));
}

void TstOutputPages::listBands_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("40") << 40 << 1;
    QTest::newRow("200") << 200 << 4;
}

void TstOutputPages::listBands()
{
    QFETCH(int, lines);
    QStringList list;
    for (int i = 0; i < lines; ++i)
        list << QString("riga %1").arg(i + 1);
    QFETCH(int, pages);
    const QList<PrintedPage> printedPages = ListPages::pages("Titolo", list, QDate(2024, 2, 1));
    QCOMPARE(printedPages.size(), pages);
    QStringList printed;
    qreal dataHeight = 0;
    for (const PrintedPage &p : printedPages) {
        QCOMPARE(p.paper, QSizeF(297, 210));
        for (const PageText &t : p.texts) {
            if (t.name == "lstRecords") {
                printed << t.text.split('\n');
                dataHeight += t.box.height();
                QVERIFY(t.box.bottom() <= 200 + 1e-6);
            }
        }
    }
    QCOMPARE(printed, list);
    QVERIFY(qAbs(dataHeight - lines * 12.822 * 25.4 / 96) < 1e-6);
    QCOMPARE(printedPages.first().texts.first().text, QString("Titolo"));
    QCOMPARE(printedPages.last().texts.last().text, QString("Stampa eseguita in data 01/02/2024"));
}

QTEST_GUILESS_MAIN(TstOutputPages)
#include "tst_output_pages.moc"
