#include "access/passwordwindow.h"
#include "app/shell.h"
#include "app/startup.h"
#include "child.h"
#include "core/install/datafolder.h"
#include "core/install/identity.h"
#include "core/storage/programfolder.h"
#include "fakedialogs.h"
#include "typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void click(QDialog *d, const char *name)
{
    auto *b = child<QAbstractButton>(d, name);
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
}
}

// The start before the login, as a clerk meets it: the data folder asked for
// once with frmCartella, remembered in the per-user settings.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Per-user settings and data of this test only, never the real user's.
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toLocal8Bit());
        qunsetenv(DataFolder::environmentVariable);
        Identity::apply();
        QVERIFY(!DataFolder::isPortable(QCoreApplication::applicationDirPath()));
    }
    void init()
    {
        m_dialogs = std::make_unique<FakeDialogs>();
        QSettings().clear();
        QDir(DataFolder::personal()).removeRecursively();
        m_shown = false;
    }
    void cleanup()
    {
        m_dialogs.reset();
        ProgramFolder::setPath(QString());
    }

    void personalFolderChosenOnceThenStraightToLogin()
    {
        const QString personal = DataFolder::personal();
        QVERIFY(personal.startsWith(m_home.path()));
        QVERIFY(settle([&](QDialog *d) {
            QCOMPARE(d->objectName(), QStringLiteral("frmCartella"));
            QCOMPARE(d->windowTitle(), QStringLiteral(" Cartella degli archivi"));
            QVERIFY(child<QRadioButton>(d, "optPersonale")->isChecked());
            QCOMPARE(child<QLabel>(d, "lblPersonale")->text(), QDir::toNativeSeparators(personal));
            click(d, "cmdOK");
        }));
        QVERIFY(QFileInfo(personal).isDir());
        QCOMPARE(ProgramFolder::path(), personal);
        QCOMPARE(DataFolder::remembered(), personal);
        QVERIFY(m_dialogs->messages().isEmpty());

        // The second start asks nothing and shows the login.
        m_dialogs->clear();
        ProgramFolder::setPath(QString());
        QVERIFY(Startup::settleDataFolder(QString()));
        QVERIFY(m_dialogs->calls.isEmpty());
        QCOMPARE(ProgramFolder::path(), personal);
        Shell shell;
        shell.start();
        QVERIFY(shell.login()->isVisible());
    }

    void otherFolder_data()
    {
        QTest::addColumn<bool>("browse");
        QTest::newRow("picked with Sfoglia") << true;
        QTest::newRow("typed") << false;
    }
    void otherFolder()
    {
        QFETCH(bool, browse);
        QTemporaryDir share;
        const QString folder = share.filePath(QStringLiteral("ufficio/archivi"));
        m_dialogs->folderToChoose = folder;
        QVERIFY(settle([&](QDialog *d) {
            if (browse) {
                click(d, "cmdSfoglia");
                QCOMPARE(m_dialogs->calls.last().what, QStringLiteral("existingFolder"));
                QCOMPARE(child<QLineEdit>(d, "txtCartella")->text(), QDir::toNativeSeparators(folder));
            } else {
                typeText(child<QLineEdit>(d, "txtCartella"), folder);
            }
            QVERIFY(child<QRadioButton>(d, "optAltra")->isChecked());
            click(d, "cmdOK");
        }));
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(ProgramFolder::path(), folder);
        QCOMPARE(DataFolder::remembered(), folder);
        QVERIFY(!QFileInfo::exists(DataFolder::personal()));
    }

    void folderThatCannotBeUsedIsRefusedAndNothingRemembered_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        QTest::newRow("cannot write") << "/proc/self"
                << "Impossibile scrivere nella cartella degli archivi:\n/proc/self\n\r\n\r"
                   "Scegli una cartella in cui hai il permesso di scrivere."
                << int(Dialogs::Kind::Error);
        QTest::newRow("cannot create") << "/proc/self/archivi"
                << "Impossibile creare la cartella degli archivi:\n/proc/self/archivi\n\r\n\r"
                   "Scegli un'altra cartella o chiedi a chi amministra il computer."
                << int(Dialogs::Kind::Error);
        QTest::newRow("not a full path") << "archivi"
                << "Attenzione: scrivi il percorso completo della cartella o sceglila con Sfoglia."
                << int(Dialogs::Kind::Warning);
    }
    void folderThatCannotBeUsedIsRefusedAndNothingRemembered()
    {
#ifndef Q_OS_LINUX
        QSKIP("needs a folder nobody may write in");
#endif
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, kind);
        QVERIFY(!settle([&](QDialog *d) {
            typeText(child<QLineEdit>(d, "txtCartella"), typed);
            click(d, "cmdOK");
            QCOMPARE(m_dialogs->messages().size(), 1);
            QCOMPARE(m_dialogs->lastMessage().text, message);
            QCOMPARE(int(m_dialogs->lastMessage().kind), kind);
            QCOMPARE(m_dialogs->lastMessage().parent, QStringLiteral("frmCartella"));
            QVERIFY(d->isVisible());   // the clerk chooses again
            click(d, "cmdEsci");
        }));
        QVERIFY(m_shown);
        QVERIFY(DataFolder::remembered().isEmpty());
        QVERIFY(!QFileInfo::exists(QStringLiteral("archivi")));
    }

    void esciEndsWithNothingChosen()
    {
        QVERIFY(!settle([&](QDialog *d) { click(d, "cmdEsci"); }));
        QVERIFY(m_shown);
        QVERIFY(DataFolder::remembered().isEmpty());
        QVERIFY(!QFileInfo::exists(DataFolder::personal()));
    }

    void rememberedFolderGoneIsOfferedAgain()
    {
        QTemporaryDir share;
        const QString gone = share.filePath(QStringLiteral("non_montata"));
        QVERIFY(DataFolder::remember(gone));
        QVERIFY(!settle([&](QDialog *d) {
            QVERIFY(child<QRadioButton>(d, "optAltra")->isChecked());
            QCOMPARE(child<QLineEdit>(d, "txtCartella")->text(), QDir::toNativeSeparators(gone));
            click(d, "cmdEsci");
        }));
        QVERIFY(m_shown);
        QVERIFY(!QFileInfo::exists(gone));
    }

    void folderGivenAtStartIsNotAskedNorRemembered_data()
    {
        QTest::addColumn<bool>("byEnvironment");
        QTest::newRow("--folder") << false;
        QTest::newRow("ATTESTARI_FOLDER") << true;
    }
    void folderGivenAtStartIsNotAskedNorRemembered()
    {
        QFETCH(bool, byEnvironment);
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("archivi"));
        if (byEnvironment)
            qputenv(DataFolder::environmentVariable, folder.toLocal8Bit());
        const bool settled = Startup::settleDataFolder(byEnvironment ? QString() : folder);
        qunsetenv(DataFolder::environmentVariable);
        QVERIFY(settled);
        QVERIFY(m_dialogs->calls.isEmpty());
        QCOMPARE(ProgramFolder::path(), folder);
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(DataFolder::remembered().isEmpty());

        QVERIFY(!Startup::settleDataFolder(QStringLiteral("/proc/self")));
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(int(m_dialogs->lastMessage().kind), int(Dialogs::Kind::Error));
    }

private:
    // Settles the data folder with frmCartella driven by `drive`; the window's
    // own result (OK or Esci) decides.
    bool settle(const std::function<void(QDialog *)> &drive)
    {
        m_dialogs->onModal = [&](QDialog *d) {
            m_shown = true;
            d->show();
            QApplication::setActiveWindow(d);
            if (!QTest::qWaitForWindowExposed(d))
                qWarning("frmCartella was not shown");
            drive(d);
            return d->result();
        };
        return Startup::settleDataFolder(QString());
    }

    QTemporaryDir m_home;
    std::unique_ptr<FakeDialogs> m_dialogs;
    bool m_shown = false;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
