// The printed pages drawn to PDF and read back with pdftotext -bbox, and the
// print and preview windows driven through their buttons.
#include "core/output/cardpage.h"
#include "core/output/declarationpage.h"
#include "core/output/listpages.h"
#include "declarations/declarationwindow.h"
#include "fakedialogs.h"
#include "output/listprintout.h"
#include "output/pagerenderer.h"
#include "output/printwindows.h"
#include "registry/frmanagrafica.h"
#include "testfolder.h"

#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

struct Word
{
    int page;
    QRectF mm;
    QString text;
};

void writePdf(const QString &path, const QList<PrintedPage> &pages)
{
    QPdfWriter pdf(path);
    pdf.setResolution(1200);
    const QSizeF paper = pages.first().paper;
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                  paper.width() > paper.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                                  QMarginsF()));
    QPainter painter(&pdf);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            pdf.newPage();
        PageRenderer(pages[i]).draw(painter);
    }
}

QList<Word> wordsOf(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QList<Word> out;
    int page = -1;
    static const QRegularExpression re(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    const qreal mm = 25.4 / 72;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace("&quot;", "\"").replace("&apos;", "'").replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">");
        out.append({page, QRectF(QPointF(m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm),
                                 QPointF(m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm)), text});
    }
    return out;
}

// The first line of every filled box is found on its page where the box puts it.
void checkPositions(const PrintedPage &page, const QList<Word> &words, int pageIndex = 0)
{
    for (const PageText &t : page.texts) {
        const QStringList first = t.text.split('\n').first().split(' ', Qt::SkipEmptyParts);
        if (first.isEmpty())
            continue;
        bool found = false;
        for (int i = 0; i + first.size() <= words.size() && !found; ++i) {
            if (words[i].page != pageIndex || words[i].text != first[0])
                continue;
            bool run = true;
            for (int k = 1; k < first.size() && run && !t.wrap; ++k)
                run = words[i + k].text == first[k];
            const QRectF a = words[i].mm;
            const QRectF b = t.wrap ? a : words[i + first.size() - 1].mm;
            if (!run || a.top() < t.box.top() - 0.5 || a.bottom() > t.box.bottom() + 0.5)
                continue;
            if (t.align & Qt::AlignHCenter)
                found = qAbs((a.left() + b.right()) / 2 - t.box.center().x()) <= 0.5;
            else
                found = qAbs(a.left() - t.box.left()) <= 0.5;
        }
        QVERIFY2(found, qPrintable(QString("%1 \"%2\" not at %3,%4").arg(t.name, t.text.left(40))
                                       .arg(t.box.x()).arg(t.box.y())));
    }
}

// The words in reading order: page by page, line by line, left to right.
QString joined(QList<Word> words)
{
    std::stable_sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (qRound(a.mm.bottom()) != qRound(b.mm.bottom()))
            return a.mm.bottom() < b.mm.bottom();
        return a.mm.left() < b.mm.left();
    });
    QStringList all;
    for (const Word &w : words)
        all << w.text;
    return all.join(' ');
}

QHash<QString, QString> sample(const QString &sex, const QString &text)
{
    return {{"txtSesso", sex}, {"txtNome", "Maria Rossi"}, {"txtDataNasc", "03/04/1970"},
            {"txtLuogoNasc", "Napoli"}, {"txtCodFisc", "RSSMRA70D43F839X"}, {"txtCittadinanza", "italiana"},
            {"txtTel", "06 1234567"}, {"txtIndirizzo", "Via Po"}, {"txtNum", ""}, {"txtLocalita", "Roma"},
            {"txtProv01", "R"}, {"txtProv02", "M"}, {"txtCap01", "0"}, {"txtCap02", "0"}, {"txtCap03", "1"},
            {"txtCap04", "8"}, {"txtCap05", "4"}, {"txtDichiarazione", text}, {"txtLuogo", "Roma"},
            {"txtData", "01/02/2024"}};
}

QString longText()
{
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QString("riga%1 della dichiarazione").arg(i);
    return lines.join('\n');
}

} // namespace

class TstOutputPrint : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_dir.setAutoRemove(qEnvironmentVariableIsEmpty("KEEP_PRINTED_PAGES")); }
    void fonts();
    void declarationPdf_data();
    void declarationPdf();
    void longTextClipped();
    void cardPdf();
    void listPdf_data();
    void listPdf();
    void declarationWindow_data();
    void declarationWindow();
    void cardWindow();
    void longFillingsShrink_data();
    void longFillingsShrink();
    void printListCancelled();

private:
    QTemporaryDir m_dir;
};

void TstOutputPrint::fonts()
{
    const QStringList expected{"Liberation Sans", "Liberation Mono", "DejaVu Sans"};
    const QStringList families{"Arial", "Courier New", "Verdana"};
    for (int i = 0; i < 3; ++i) {
        PageText t;
        t.family = families[i];
        QCOMPARE(QFontInfo(PageRenderer::font(t)).family(), expected[i]);
    }
}

void TstOutputPrint::declarationPdf_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("words");   // as read back
    QTest::newRow("cert F") << int(DeclarationKind::SelfCertification) << "F" << "La sottoscritta Maria Rossi nata il";
    QTest::newRow("atto M") << int(DeclarationKind::Notoriety) << "M" << "Il sottoscritto Maria Rossi nato il";
}

void TstOutputPrint::declarationPdf()
{
    QFETCH(int, kind);
    QFETCH(QString, sex);
    const PrintedPage page = DeclarationPage::filled(DeclarationKind::Id(kind), sample(sex, "\n \ndi essere [nata] a Napoli\n\nultima riga\n\n"));
    const QString pdf = m_dir.filePath(QString("decl%1.pdf").arg(kind));
    writePdf(pdf, {page});
    const QList<Word> found = wordsOf(pdf);
    checkPositions(page, found);
    const QString all = joined(found);
    QFETCH(QString, words);
    QVERIFY(all.contains(words));
    QVERIFY(all.contains("Roma, 01/02/2024."));
    QVERIFY(all.contains("di essere [nata] a Napoli"));
    // The street stands alone, followed by its blank, left in its box.
    QVERIFY(all.contains("indirizzo di residenza: Via Po città di residenza: Roma"));
    // Blank first lines dropped: the text starts at the top of its box; the inner blank line stays.
    for (const Word &w : found) {
        if (w.mm.top() < 95 || w.mm.top() > 183)
            continue;
        if (w.text == "di")
            QVERIFY(w.mm.top() < 95 + 5.5);
        if (w.text == "ultima")
            QVERIFY(w.mm.top() > 95 + 2 * 4.5);
    }
    QVERIFY(!PageRenderer(page).overflows("txtDichiarazione"));
}

void TstOutputPrint::longTextClipped()
{
    const PrintedPage page = DeclarationPage::filled(DeclarationKind::SelfCertification, sample("F", longText()));
    QVERIFY(PageRenderer(page).overflows("txtDichiarazione"));
    const QString pdf = m_dir.filePath("long.pdf");
    writePdf(pdf, {page});
    const QList<Word> words = wordsOf(pdf);
    bool firstSeen = false, lastSeen = false;
    for (const Word &w : words) {
        QCOMPARE(w.page, 0);
        firstSeen |= w.text == "riga1";
        lastSeen |= w.text == "riga40";
        if (w.text.startsWith("riga"))
            QVERIFY(w.mm.top() <= 183);
    }
    QVERIFY(firstSeen);
    QVERIFY(!lastSeen);
}

void TstOutputPrint::cardPdf()
{
    QHash<QString, QString> c{{"txtNome", "Rossi Maria"}, {"txtIndirizzo", "Via Po"}, {"txtNum", "3"},
                              {"txtLocalita", "Roma"}, {"txtProv01", "R"}, {"txtProv02", "M"}, {"txtNote", "[nota]"}};
    const PrintedPage page = CardPage::filled(c, QDateTime(QDate(2024, 2, 1), QTime(9, 5, 7)));
    const QString pdf = m_dir.filePath("card.pdf");
    writePdf(pdf, {page});
    const QList<Word> words = wordsOf(pdf);
    checkPositions(page, words);
    const QString all = joined(words);
    QVERIFY(all.contains("Stampa eseguita in data 01/02/2024 alle ore 09:05:07"));
    QVERIFY(all.contains("Via Po 3"));
    QVERIFY(all.contains("Roma RM"));
    QVERIFY(all.contains("Note: [nota]"));
}

void TstOutputPrint::listPdf_data()
{
    QTest::addColumn<int>("lines");
    QTest::newRow("empty") << 0;
    QTest::newRow("40") << 40;
    QTest::newRow("200") << 200;
}

void TstOutputPrint::listPdf()
{
    QFETCH(int, lines);
    QStringList list;
    for (int i = 0; i < lines; ++i)
        list << QString("RIGA%1 ROSSI").arg(i + 1, 4, 10, QChar('0'));
    const QList<PrintedPage> pages = ListPages::pages("Riepilogo dati anagrafici", list, QDate::currentDate());
    const QString pdf = m_dir.filePath(QString("list%1.pdf").arg(lines));
    writePdf(pdf, pages);
    const QList<Word> words = wordsOf(pdf);
    for (int i = 0; i < pages.size(); ++i)
        checkPositions(pages[i], words, i);
    QStringList seen;
    qreal closingTop = 0;
    int lastPage = 0;
    for (const Word &w : words) {
        if (w.text.startsWith("RIGA"))
            seen << w.text;
        if (w.text == "Stampa") {
            closingTop = w.mm.top();
            lastPage = w.page;
        }
    }
    QStringList expected;
    for (const QString &l : list)
        expected << l.split(' ').first();
    QCOMPARE(seen, expected);
    QCOMPARE(lastPage, int(pages.size()) - 1);
    QVERIFY(joined(words).startsWith("Riepilogo dati anagrafici"));
    QVERIFY(joined(words).endsWith("Stampa eseguita in data " + QDate::currentDate().toString("dd/MM/yyyy")));
    if (lines == 40) {
        // Title band 8 mm, data band 512.88 + 10 units, then the closing box 2 mm down.
        const qreal band = (512.88 + 10) * 25.4 / 96;
        QVERIFY2(closingTop > 18 + band + 2 && closingTop < 18 + band + 2 + 1.5, qPrintable(QString::number(closingTop)));
    }
    QVERIFY(lines != 200 || pages.size() > 1);
}

void TstOutputPrint::declarationWindow_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("docName");
    QTest::newRow("cert print") << int(DeclarationKind::SelfCertification) << false << "frmStampaCert" << "Autocertificazione";
    QTest::newRow("cert preview") << int(DeclarationKind::SelfCertification) << true << "frmAnteprimaCert" << "Autocertificazione";
    QTest::newRow("atto print") << int(DeclarationKind::Notoriety) << false << "frmStampaAtto" << "Atto Notorio";
    QTest::newRow("atto preview") << int(DeclarationKind::Notoriety) << true << "frmAnteprimaAtto" << "Atto Notorio";
}

void TstOutputPrint::declarationWindow()
{
    QFETCH(int, kind);
    QFETCH(bool, preview);
    QFETCH(QString, window);
    QFETCH(QString, docName);
    TestFolder folder;
    DeclarationWindow declaration(static_cast<DeclarationKind::Id>(kind));
    const auto values = sample("F", longText());
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (auto *box = declaration.findChild<QLineEdit *>(it.key()))
            box->setText(it.value());
    }
    declaration.findChild<QPlainTextEdit *>("txtDichiarazione")->setPlainText("breve testo");

    // Cancelled print dialog, printed PDF, and a printer that fails.
    FakeDialogs fake;
    const QString pdf = m_dir.filePath(window + ".pdf");
    for (const QString &target : {pdf, QString("/nonexistent/folder/x.pdf")}) {
        fake.clear();
        fake.printToFile = target;
        bool warned = true;
        fake.onModal = [&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), preview ? QString(" Anteprima di stampa") : QString(" Stampa scheda"));
                QCOMPARE(d->size(), QSize(362, 287));
            }();
            warned = d->findChild<QLabel *>("lblAvviso")->isVisible();
            if (!m_dir.autoRemove())
                d->grab().save(m_dir.filePath(window + ".png"));
            QTest::mouseClick(d->findChild<QPushButton *>("btnStampa"), Qt::LeftButton);
            return d->result();
        };
        openDeclarationPrint(&declaration, declaration.kind(), preview);
        QVERIFY(!warned);
        QCOMPARE(fake.calls.first().text, window);
        QCOMPARE(fake.calls.at(1).what, preview ? QString("printPreview") : QString("printDialog"));
        QCOMPARE(fake.lastDocName, docName);
        if (target == pdf) {
            QVERIFY(fake.messages().isEmpty());
            QVERIFY(joined(wordsOf(pdf)).contains("La sottoscritta Maria Rossi nata il"));
        } else {
            QCOMPARE(fake.messages().size(), 1);
            QCOMPARE(fake.lastMessage().kind, Dialogs::Kind::Warning);
            QCOMPARE(fake.lastMessage().text,
                     preview ? QString("Attenzione: la visualizzazione dell'anteprima di stampa della scheda non è "
                                       "andata a buon fine.\n\r\n\rSi consiglia di controllare le impostazioni della stampante.")
                             : QString("Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\r"
                                       "Si consiglia di controllare le impostazioni della stampante."));
        }
    }

    // Too long a text: the warning under the instruction; cancelling prints nothing, says nothing.
    declaration.findChild<QPlainTextEdit *>("txtDichiarazione")->setPlainText(longText());
    fake.clear();
    fake.confirmPrint = false;
    fake.printToFile = m_dir.filePath("never.pdf");
    fake.onModal = [&](QDialog *d) {
        auto *avviso = d->findChild<QLabel *>("lblAvviso");
        if (!m_dir.autoRemove())
            d->grab().save(m_dir.filePath(window + "_avviso.png"));
        [&] {
            QVERIFY(avviso->isVisibleTo(d));
            QCOMPARE(avviso->text(), QString("Attenzione: il testo della dichiarazione non entra per intero nel "
                                             "riquadro e verrà stampato solo in parte."));
        }();
        if (!preview)
            QTest::mouseClick(d->findChild<QPushButton *>("btnStampa"), Qt::LeftButton);
        else
            QTest::mouseClick(d->findChild<QPushButton *>("btnAnnulla"), Qt::LeftButton);
        return d->result();
    };
    openDeclarationPrint(&declaration, declaration.kind(), preview);
    QVERIFY(fake.messages().isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath("never.pdf")));
}

void TstOutputPrint::cardWindow()
{
    TestFolder folder;
    FrmAnagrafica registry;
    registry.findChild<QLineEdit *>("txtNome")->setText("Bianchi Luca");
    FakeDialogs fake;
    fake.printToFile = m_dir.filePath("cardwindow.pdf");
    fake.onModal = [&](QDialog *d) {
        [&] { QCOMPARE(d->size(), QSize(364, 287)); }();
        QTest::mouseClick(d->findChild<QPushButton *>("btnStampa"), Qt::LeftButton);
        return d->result();
    };
    openCardPrint(&registry);
    QCOMPARE(fake.calls.first().text, QString("frmStampaAnagrafica"));
    QCOMPARE(fake.lastDocName, QString("Scheda Anagrafica"));
    const QString all = joined(wordsOf(fake.printToFile));
    QVERIFY(all.contains("Cognome, nome o Rag. soc. Bianchi Luca"));
    QVERIFY(all.contains("Stampa eseguita in data " + QDate::currentDate().toString("dd/MM/yyyy") + " alle ore "));
}

// A filling too long for its box is printed smaller, whole; only what does not
// fit even at the smallest size is cut, and the window says so beforehand.
void TstOutputPrint::longFillingsShrink_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("self-certification") << "frmStampaCert";
    QTest::newRow("registry card") << "frmStampaAnagrafica";
}

void TstOutputPrint::longFillingsShrink()
{
    QFETCH(QString, window);
    TestFolder folder;
    const bool card = window == "frmStampaAnagrafica";
    std::unique_ptr<ArchiveWindow> archive;
    if (card)
        archive = std::make_unique<FrmAnagrafica>();
    else
        archive = std::make_unique<DeclarationWindow>(DeclarationKind::SelfCertification);
    const auto set = [&](const char *box, const QString &text) { archive->findChild<QLineEdit *>(box)->setText(text); };
    set("txtNome", "Mario Rossi");
    set("txtIndirizzo", "Via Giuseppe Garibaldi detta anche Strada Provinciale per Sant'Ambrogio di Valpolicella");
    set("txtNum", "12/B");
    set("txtTel", "06 5550000 / 333 1234567");

    FakeDialogs fake;
    const auto print = [&](const QString &pdf) {
        QString notice;
        fake.printToFile = pdf;
        fake.onModal = [&](QDialog *d) {
            auto *avviso = d->findChild<QLabel *>("lblAvviso");
            notice = avviso->isVisibleTo(d) ? avviso->text() : QString();
            QTest::mouseClick(d->findChild<QPushButton *>("btnStampa"), Qt::LeftButton);
            return d->result();
        };
        if (card)
            openCardPrint(archive.get());
        else
            openDeclarationPrint(archive.get(), DeclarationKind::of(DeclarationKind::SelfCertification), false);
        return notice;
    };
    const QString shrunk = m_dir.filePath(window + "_long.pdf");
    QCOMPARE(print(shrunk), QString());
    const QString all = joined(wordsOf(shrunk));
    QVERIFY2(all.contains("Valpolicella"), qPrintable(all));
    QVERIFY2(all.contains("12/B"), qPrintable(all));
    QVERIFY2(all.contains("1234567"), qPrintable(all));

    set("txtNome", QString(250, 'W'));
    QCOMPARE(print(m_dir.filePath(window + "_cut.pdf")),
             QString("Attenzione: alcuni dati non entrano per intero nei riquadri e verranno stampati solo in parte."));
}

void TstOutputPrint::printListCancelled()
{
    FakeDialogs fake;
    fake.confirmPrint = false;
    fake.printToFile = m_dir.filePath("listcancel.pdf");
    printList(nullptr, "Titolo", {"a"});
    QVERIFY(!QFile::exists(fake.printToFile));
    QVERIFY(fake.messages().isEmpty());
    fake.confirmPrint = true;
    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many << QString("LINEA%1").arg(i);
    printList(nullptr, "Titolo", many);
    QVERIFY(fake.messages().isEmpty());
    QVERIFY(joined(wordsOf(fake.printToFile)).contains("LINEA1999"));
}

QTEST_MAIN(TstOutputPrint)
#include "tst_output_print.moc"
