#include "app/mainmenu.h"
#include "child.h"
#include "core/help/helptopics.h"
#include "core/storage/programfolder.h"
#include "fakedialogs.h"
#include "help/frmguida.h"
#include "help/helpwindow.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(HelpTopic)

namespace {
const QColor darkBlue(0x00, 0x00, 0x8B);
const QColor orange(0xFF, 0xA5, 0x00);

QColor textColour(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

void press(QWidget *w) { QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center()); }
void release(QWidget *w) { QTest::mouseRelease(w, Qt::LeftButton, {}, w->rect().center()); }
void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// What one modal showing held: its name, caption and, for the help window, title and text.
struct Shown
{
    QString name, caption, title, text;
};

// Opens a window through `open`, lets `drive` act on it while it is modal.
Shown showAndDrive(FakeDialogs &fake, const std::function<void()> &open,
                   const std::function<void(QDialog *)> &drive = {})
{
    Shown shown;
    fake.whileModal([&](QDialog *d) {
        shown.name = d->objectName();
        shown.caption = d->windowTitle();
        if (auto *t = d->findChild<QLabel *>(u"lblTitolo"_qs))
            shown.title = t->text();
        if (auto *g = d->findChild<QPlainTextEdit *>(u"txtGuida"_qs))
            shown.text = g->toPlainText();
        if (drive)
            drive(d);
    });
    open();
    return shown;
}

// The memo shows each CR LF CR LF as a blank line between paragraphs.
QStringList shownParagraphs(const QString &memo)
{
    return memo.split(u"\n\n"_qs);
}
} // namespace

class TestHelpWindows : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fake = std::make_unique<FakeDialogs>();
        QVERIFY(m_dir.isValid());
    }
    void cleanup()
    {
        m_fake.reset();
        ProgramFolder::setPath(QString());
    }

    void helpWindowControls()
    {
        QWidget caller;
        caller.setObjectName(u"frmAnagrafica"_qs);
        showAndDrive(*m_fake, [&] { openHelp(&caller, HelpTopics::registry()); }, [](QDialog *d) {
            QCOMPARE(d->windowTitle(), u" Guida all'utilizzo del software"_qs);
            QCOMPARE(d->size(), QSize(670, 572));
            QCOMPARE(d->minimumSize(), d->maximumSize());
            QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
            QVERIFY(child<QWidget>(d, "imgLogo")->isVisible());
            auto *title = child<QLabel>(d, "lblTitolo");
            QCOMPARE(title->font().family(), u"Arial"_qs);
            QCOMPARE(title->font().pointSize(), 16);
            QVERIFY(title->font().bold());
            QCOMPARE(textColour(title), QColor(0xDC, 0x14, 0x3C));
            auto *memo = child<QPlainTextEdit>(d, "txtGuida");
            QVERIFY(memo->isReadOnly());
            QCOMPARE(memo->font().family(), u"Verdana"_qs);
            QCOMPARE(memo->font().pointSize(), 12);
            QVERIFY(memo->font().bold());
            QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QVERIFY(memo->verticalScrollBar()->maximum() > 0);   // nine paragraphs do not fit: it scrolls
            QCOMPARE(memo->verticalScrollBar()->value(), 0);
            QCOMPARE(child<QAbstractButton>(d, "imgPDF")->cursor().shape(), Qt::PointingHandCursor);
            auto *link = child<QLabel>(d, "lnkWeb");
            QCOMPARE(link->text(), u"Visualizza guida in formato PDF"_qs);
            QCOMPARE(link->font().family(), u"Tahoma"_qs);
            QCOMPARE(link->font().pointSize(), 14);
            QVERIFY(link->font().underline());
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(textColour(link), darkBlue);
            auto *close = child<QPushButton>(d, "btnChiudi");
            QCOMPARE(close->text(), u"Chiudi"_qs);
            QCOMPARE(QApplication::focusWidget(), close);   // first in the tab order
            click(close);
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(m_fake->calls.size(), 1);
        QCOMPARE(m_fake->calls[0].parent, u"frmAnagrafica"_qs);
    }

    void designTitleBeforeATopicIsSet()
    {
        FrmGuida bare;
        QCOMPARE(child<QLabel>(&bare, "lblTitolo")->text(), u"Argomento della guida."_qs);
        QVERIFY(child<QPlainTextEdit>(&bare, "txtGuida")->toPlainText().isEmpty());
    }

    // Every caller's title and text as the window shows them.
    void eachCallersTopic_data()
    {
        QTest::addColumn<HelpTopic>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QString>("firstWords");
        QTest::newRow("menu") << HelpTopics::general() << u"Uno sguardo a Quirendo Pro Attestari"_qs << 26
                              << u"Quirendo Pro Attestari è un software facile e intuitivo"_qs;
        QTest::newRow("registry") << HelpTopics::registry() << u"App Archivio Anagrafico"_qs << 9
                                  << u"L'app Archivio Anagrafico ha lo scopo principale"_qs;
        QTest::newRow("declarations") << HelpTopics::declarations()
                                      << u"App Archivio Attestri e Archivio Atti Notori"_qs << 9
                                      << u"Le app Archivio Attestari e Archivio Atti Notori consentono"_qs;
        QTest::newRow("registry export") << HelpTopics::registryExport()
                                         << u"Esportazione archivio anagrafico in Microsoft Excel"_qs << 3
                                         << u"Il pulsante Esporta archivio consente di esportare l'archivio anagrafico in"_qs;
        QTest::newRow("self-certification export")
            << HelpTopics::selfCertificationExport() << u"Esportazione archivio attestari in Microsoft Excel"_qs << 3
            << u"Il pulsante Esporta archivio consente di esportare l'archivio delle attestari in"_qs;
        QTest::newRow("notoriety export")
            << HelpTopics::notorietyExport() << u"Esportazione archivio atti notari in Microsoft Excel"_qs << 3
            << u"Il pulsante Esporta archivio consente di esportare l'archivio degli atti di notorietà in"_qs;
    }
    void eachCallersTopic()
    {
        QFETCH(HelpTopic, topic);
        QFETCH(QString, title);
        QFETCH(int, paragraphs);
        QFETCH(QString, firstWords);
        const Shown shown = showAndDrive(*m_fake, [&] { openHelp(nullptr, topic); });
        QCOMPARE(shown.name, u"frmGuida"_qs);
        QCOMPARE(shown.title, title);
        const QStringList seen = shownParagraphs(shown.text);
        QCOMPARE(seen.size(), paragraphs);
        QVERIFY(seen.first().startsWith(firstWords));
        QCOMPARE(seen, topic.paragraphs);
    }

    void bothDeclarationWindowsShowOneTopic()
    {
        QWidget selfCertification, notoriety;
        selfCertification.setObjectName(u"frmCertificazioni"_qs);
        notoriety.setObjectName(u"frmAtti"_qs);
        const Shown a = showAndDrive(*m_fake, [&] { openHelp(&selfCertification, HelpTopics::declarations()); });
        const Shown b = showAndDrive(*m_fake, [&] { openHelp(&notoriety, HelpTopics::declarations()); });
        QCOMPARE(a.title, b.title);
        QCOMPARE(a.text, b.text);
        QCOMPARE(a.title, u"App Archivio Attestri e Archivio Atti Notori"_qs);
    }

    // The guide goes to the desktop by its own path, no quote characters,
    // blanks and all; a missing guide says nothing.
    void guideLinkOpensTheGuideBesideTheProgram_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("control");
        QTest::newRow("plain folder, link") << u"Attestari"_qs << u"lnkWeb"_qs;
        QTest::newRow("folder with blanks, link") << u"Programmi/Quirendo Pro Attestari"_qs << u"lnkWeb"_qs;
        QTest::newRow("folder with blanks, icon") << u"Programmi/Quirendo Pro Attestari"_qs << u"imgPDF"_qs;
    }
    void guideLinkOpensTheGuideBesideTheProgram()
    {
        QFETCH(QString, folder);
        QFETCH(QString, control);
        const QString programFolder = m_dir.filePath(folder);
        QVERIFY(QDir().mkpath(programFolder));
        ProgramFolder::setPath(programFolder);
        showAndDrive(*m_fake, [] { openHelp(nullptr, HelpTopics::registry()); }, [&](QDialog *d) {
            click(d->findChild<QWidget *>(control));
            QVERIFY(d->isVisible());   // the window stays as it was
        });
        QCOMPARE(m_fake->calls.size(), 2);
        const FakeDialogs::Call open = m_fake->calls.last();
        QCOMPARE(open.what, u"openUrl"_qs);
        QVERIFY(!open.text.contains(u'"'));
        const QString expected = programFolder + u"/Guida.pdf"_qs;
        QCOMPARE(QUrl(open.text).toLocalFile(), expected);
        QCOMPARE(QUrl(open.text).scheme(), u"file"_qs);
        QVERIFY(m_fake->messages().isEmpty());
    }

    void infoWindowControlsAndMail()
    {
        QWidget menu;
        menu.setObjectName(u"frmAvvio"_qs);
        showAndDrive(*m_fake, [&] { openInfo(&menu); }, [](QDialog *d) {
            QCOMPARE(d->objectName(), u"frmInfo"_qs);
            QCOMPARE(d->windowTitle(), u" Informazioni su Quirendo Pro Attestari"_qs);
            QCOMPARE(d->size(), QSize(473, 579));
            QCOMPARE(d->minimumSize(), d->maximumSize());
            QVERIFY(child<QWidget>(d, "imgLogo")->isVisible());
            QCOMPARE(child<QAbstractButton>(d, "imgEmail")->cursor().shape(), Qt::PointingHandCursor);
            auto *link = child<QLabel>(d, "lnkWeb");
            QCOMPARE(link->text(), u"info@quirendo.it"_qs);
            QCOMPARE(link->font().family(), u"Tahoma"_qs);
            QCOMPARE(link->font().pointSize(), 14);
            QVERIFY(link->font().underline());
            QCOMPARE(textColour(link), darkBlue);
            auto *close = child<QPushButton>(d, "btnChiudi");
            QCOMPARE(close->text(), u"Chiudi"_qs);
            QCOMPARE(close->font().family(), u"Verdana"_qs);
            QCOMPARE(close->font().pointSize(), 12);
            QCOMPARE(QApplication::focusWidget(), close);
            click(link);
            click(child<QWidget>(d, "imgEmail"));
            click(close);
            QVERIFY(!d->isVisible());
        });
        const QString mail =
            u"mailto:info@quirendo.it?subject=Software Quirendo Pro Attestari&body=Salve, desidererei avere le "
            "seguenti informazioni sul software in oggetto:"_qs;
        QCOMPARE(m_fake->calls.size(), 3);
        QCOMPARE(m_fake->calls[1].what, u"openUrl"_qs);
        QCOMPARE(m_fake->calls[1].text, mail);
        QCOMPARE(m_fake->calls[2].text, mail);
        QVERIFY(m_fake->messages().isEmpty());
    }

    void splashWindowControlsAndSite()
    {
        QWidget menu;
        menu.setObjectName(u"frmAvvio"_qs);
        showAndDrive(*m_fake, [&] { openSplash(&menu); }, [](QDialog *d) {
            QCOMPARE(d->objectName(), u"frmSplash"_qs);
            QCOMPARE(d->windowTitle(),
                     u" Quirendo Pro Attestari - Copyright Quirendo Software - Tutti i diritti riservati"_qs);
            QCOMPARE(d->size(), QSize(661, 467));
            QCOMPARE(d->minimumSize(), d->maximumSize());
            QCOMPARE(child<QWidget>(d, "imgLogo")->size(), QSize(625, 380));
            QCOMPARE(child<QAbstractButton>(d, "imgWeb")->cursor().shape(), Qt::PointingHandCursor);
            auto *link = child<QLabel>(d, "lnkWeb");
            QCOMPARE(link->text(), u"www.quirendo.it"_qs);
            QCOMPARE(link->font().family(), u"Tahoma"_qs);
            QVERIFY(link->font().underline());
            auto *close = child<QPushButton>(d, "btnChiudi");
            QCOMPARE(close->text(), u"Chiudi"_qs);
            click(link);
            click(child<QWidget>(d, "imgWeb"));
            click(close);
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(m_fake->calls.size(), 3);
        QCOMPARE(m_fake->calls[1].text, u"https://www.quirendo.it"_qs);
        QCOMPARE(m_fake->calls[2].text, u"https://www.quirendo.it"_qs);
    }

    // Orange while the button is held on the link or its icon, dark blue after.
    void linkColoursOnPressAndRelease_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("help, link") << 0 << u"lnkWeb"_qs;
        QTest::newRow("help, icon") << 0 << u"imgPDF"_qs;
        QTest::newRow("information, link") << 1 << u"lnkWeb"_qs;
        QTest::newRow("information, icon") << 1 << u"imgEmail"_qs;
        QTest::newRow("credits, link") << 2 << u"lnkWeb"_qs;
        QTest::newRow("credits, icon") << 2 << u"imgWeb"_qs;
    }
    void linkColoursOnPressAndRelease()
    {
        QFETCH(int, window);
        QFETCH(QString, pressed);
        const std::function<void()> opens[] = {[] { openHelp(nullptr, HelpTopics::general()); },
                                               [] { openInfo(nullptr); }, [] { openSplash(nullptr); }};
        showAndDrive(*m_fake, opens[window], [&](QDialog *d) {
            auto *link = child<QLabel>(d, "lnkWeb");
            QWidget *target = d->findChild<QWidget *>(pressed);
            QVERIFY(target);
            QCOMPARE(textColour(link), darkBlue);
            press(target);
            QCOMPARE(textColour(link), orange);
            release(target);
            QCOMPARE(textColour(link), darkBlue);
            press(target);
            QCOMPARE(textColour(link), orange);
            click(target);
            QCOMPARE(textColour(link), darkBlue);
        });
        // Each complete click opened the link once; the press alone opened nothing.
        QCOMPARE(m_fake->calls.size(), 3);
    }

    void menuPicturesOpenTheirWindows()
    {
        MainMenu menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        Shown shown = showAndDrive(*m_fake, [&] { click(child<QAbstractButton>(&menu, "imgGuida")); });
        QCOMPARE(shown.name, u"frmGuida"_qs);
        QCOMPARE(shown.title, u"Uno sguardo a Quirendo Pro Attestari"_qs);
        QCOMPARE(shownParagraphs(shown.text).size(), 26);
        QCOMPARE(m_fake->calls.last().parent, u"frmAvvio"_qs);

        shown = showAndDrive(*m_fake, [&] { click(child<QAbstractButton>(&menu, "imgInfo")); });
        QCOMPARE(shown.name, u"frmInfo"_qs);
        shown = showAndDrive(*m_fake, [&] { click(child<QAbstractButton>(&menu, "imgCopyright")); });
        QCOMPARE(shown.name, u"frmSplash"_qs);

        m_fake->clear();
        click(child<QAbstractButton>(&menu, "imgSito"));
        QCOMPARE(m_fake->calls.size(), 1);
        QCOMPARE(m_fake->calls[0].what, u"openUrl"_qs);
        QCOMPARE(m_fake->calls[0].text, u"https://www.quirendo.it"_qs);
        QVERIFY(menu.isVisible());
    }

private:
    std::unique_ptr<FakeDialogs> m_fake;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
