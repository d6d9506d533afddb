#include "access/changepasswordwindow.h"
#include "access/passwordwindow.h"
#include "app/shell.h"
#include "core/access/passwordstore.h"
#include "fakedialogs.h"
#include "testfolder.h"
#include "ui/archivewindow.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
QWidget *visibleWindow(Shell &shell)
{
    QWidget *found = nullptr;
    int visible = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith(QLatin1String("frm"))) {
            found = w;
            ++visible;
        }
    Q_UNUSED(shell);
    return visible == 1 ? found : nullptr;   // exactly one long-lived window at a time
}

QString visibleName(Shell &shell)
{
    QWidget *w = visibleWindow(shell);
    return w ? w->objectName() : QStringLiteral("<none or several>");
}

void click(QWidget *window, const char *name)
{
    auto *b = window->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(b, name);
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
}
}

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        m_dialogs = std::make_unique<FakeDialogs>();
        QVERIFY(PasswordStore::write(PasswordStore::canonical(u"bussolaperlina")));
    }
    void cleanup()
    {
        m_dialogs.reset();
        m_folder.reset();
    }

    void createsTheLongLivedWindowsInOrder()
    {
        Shell shell;
        QCOMPARE(shell.login()->objectName(), QStringLiteral("frmPassword"));
        QCOMPARE(shell.menu()->windowTitle(), QStringLiteral(" Quirendo Pro Attestari"));
        QCOMPARE(shell.archive(MainMenu::Archive::Registry)->windowTitle(),
                 QStringLiteral(" Quirendo Pro Attestari - Archivio Anagrafico"));
        QCOMPARE(shell.archive(MainMenu::Archive::SelfCertifications)->objectName(), QStringLiteral("frmCertificazioni"));
        QCOMPARE(shell.archive(MainMenu::Archive::Notoriety)->objectName(), QStringLiteral("frmAtti"));
        shell.start();
        QCOMPARE(visibleName(shell), QStringLiteral("frmPassword"));
    }

    void menuRoundTripToEachArchive_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("byCloseBox");
        const struct { const char *suffix, *window; } archives[] = {
            {"Anagrafica", "frmAnagrafica"}, {"Certificazioni", "frmCertificazioni"}, {"Atti", "frmAtti"}};
        for (const auto &a : archives)
            for (const char *prefix : {"img", "btn", "app"}) {
                const QString picture = QLatin1String(prefix) + QLatin1String(a.suffix);
                QTest::newRow(qPrintable(picture + QStringLiteral(" exit"))) << picture << a.window << false;
                QTest::newRow(qPrintable(picture + QStringLiteral(" close box"))) << picture << a.window << true;
            }
    }
    void menuRoundTripToEachArchive()
    {
        QFETCH(QString, picture);
        QFETCH(QString, window);
        QFETCH(bool, byCloseBox);
        Shell shell;
        shell.start();
        QTest::keyClicks(shell.login()->findChild<QLineEdit *>(QStringLiteral("txtPassword")),
                         QStringLiteral("bussolaperlina"));
        click(shell.login(), "cmdOK");
        QCOMPARE(visibleName(shell), QStringLiteral("frmAvvio"));
        QVERIFY(shell.menu()->isMaximized());

        click(shell.menu(), qPrintable(picture));
        QCOMPARE(visibleName(shell), window);
        QWidget *archive = visibleWindow(shell);
        QVERIFY(archive->isMaximized());
        if (byCloseBox)
            archive->close();
        else
            click(archive, "cmdEsci");
        QCOMPARE(visibleName(shell), QStringLiteral("frmAvvio"));
    }

    void endingTheProgram_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("login Esci") << false << false;
        QTest::newRow("login close box") << false << true;
        QTest::newRow("menu exit picture") << true << false;
        QTest::newRow("menu close box") << true << true;
    }
    void endingTheProgram()
    {
        QFETCH(bool, fromMenu);
        QFETCH(bool, byCloseBox);
        Shell shell;
        QSignalSpy end(&shell, &Shell::endRequested);
        shell.start();
        if (fromMenu) {
            emit shell.login()->loggedIn();
            if (byCloseBox)
                shell.menu()->close();
            else
                click(shell.menu(), "imgEsci");
        } else if (byCloseBox) {
            shell.login()->close();
        } else {
            click(shell.login(), "cmdEsci");
        }
        QCOMPARE(end.count(), 1);
        QVERIFY(m_dialogs->calls.isEmpty());   // no question on the way out
        const QStringList archives = QDir(m_folder->path()).entryList({QStringLiteral("*.pro")});
        QVERIFY(archives.isEmpty());           // no archive touched
    }

    void changePasswordAndBack()
    {
        Shell shell;
        shell.start();
        auto *box = shell.login()->findChild<QLineEdit *>(QStringLiteral("txtPassword"));
        QTest::keyClicks(box, QStringLiteral("abc"));
        click(shell.login(), "btnCambiaPassword");
        QCOMPARE(visibleName(shell), QStringLiteral("frmCambiaPassword"));
        click(shell.changePassword(), "cmdEsci");
        QCOMPARE(visibleName(shell), QStringLiteral("frmPassword"));
        QCOMPARE(box->text(), QString());
        QVERIFY(QTest::qWaitForWindowActive(shell.login()));
        QCOMPARE(QApplication::focusWidget(), box);
    }

    void siteStripOpensTheWebAddress()
    {
        Shell shell;
        emit shell.login()->loggedIn();
        click(shell.menu(), "imgSito");
        QCOMPARE(m_dialogs->calls.size(), 1);
        QCOMPARE(m_dialogs->calls.first().what, QStringLiteral("openUrl"));
        QCOMPARE(m_dialogs->calls.first().text, QStringLiteral("https://www.quirendo.it"));
    }

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<FakeDialogs> m_dialogs;
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
