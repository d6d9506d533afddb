#include "access/changepasswordwindow.h"
#include "access/passwordwindow.h"
#include "core/access/passwordstore.h"
#include "fakedialogs.h"
#include "testfolder.h"
#include "typing.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
template <typename T = QLineEdit>
T *child(QWidget &w, const char *name)
{
    auto *c = w.findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

void showActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}
}

class TestPasswordWindows : public QObject
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

    void login_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("as installed") << "bussolaperlina" << true;
        QTest::newRow("capitals") << "BUSSOLAPERLINA" << true;
        QTest::newRow("mixed case and blanks") << "  BussolaPerlina " << true;
        QTest::newRow("one letter changed") << "bussolaperlino" << false;
        QTest::newRow("inner blank") << "bussola perlina" << false;
    }
    void login()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        PasswordWindow w;
        showActive(w);
        QSignalSpy spy(&w, &PasswordWindow::loggedIn);
        auto *box = child(w, "txtPassword");
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, typed);
        QVERIFY(child<QPushButton>(w, "cmdOK")->isEnabled());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(spy.count(), accepted ? 1 : 0);
        if (accepted) {
            QVERIFY(m_dialogs->messages().isEmpty());
        } else {
            QCOMPARE(m_dialogs->lastMessage().text, QStringLiteral("Attenzione: password errata."));
            QCOMPARE(m_dialogs->lastMessage().buttons, Dialogs::Buttons::Ok);
            QCOMPARE(box->text(), QString());
            QCOMPARE(QApplication::focusWidget(), box);
        }
    }

    void okFollowsTheTrimmedEntry()
    {
        PasswordWindow w;
        showActive(w);
        QSignalSpy spy(&w, &PasswordWindow::loggedIn);
        auto *box = child(w, "txtPassword");
        auto *ok = child<QPushButton>(w, "cmdOK");
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(box, QStringLiteral("   "));
        QVERIFY(!ok->isEnabled());
        QTest::keyClick(box, Qt::Key_Return);   // blank entry: Enter does nothing
        QVERIFY(m_dialogs->calls.isEmpty());
        QTest::keyClicks(box, QStringLiteral("bussolaperlina"));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
    }

    void storeFailures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\nValore=XYZW\n") << QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della password. Si consiglia di reinstallare il software.");
        QTest::newRow("no key: nothing matches") << QByteArray("[Altro]\nA=1\n") << QStringLiteral("Attenzione: password errata.");
    }
    void storeFailures()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFile store(m_folder->file(QStringLiteral("unins000.dll")));
        QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
        store.write(content);
        store.close();
        PasswordWindow w;
        showActive(w);
        QSignalSpy spy(&w, &PasswordWindow::loggedIn);
        QTest::keyClicks(child(w, "txtPassword"), QStringLiteral("bussolaperlina"));
        QTest::keyClick(child(w, "txtPassword"), Qt::Key_Return);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(m_dialogs->lastMessage().text, message);
    }

    void onlyStorableCharactersCanBeTyped()
    {
        PasswordWindow w;
        showActive(w);
        auto *box = child(w, "txtPassword");
        typeText(box, QStringLiteral("però€"));
        typeText(box, QStringLiteral("ł"));   // not in Windows-1252
        QCOMPARE(box->text(), QStringLiteral("però€"));
        QCOMPARE(box->maxLength(), 255);
    }

    void changeThenLogin()
    {
        ChangePasswordWindow change;
        showActive(change);
        QSignalSpy closed(&change, &ChangePasswordWindow::closed);
        auto *old = child(change, "txtPasswordOld");
        QCOMPARE(QApplication::focusWidget(), old);
        QTest::keyClicks(old, QStringLiteral("BussolaPerlina"));
        QTest::keyClick(old, Qt::Key_Return);
        typeText(QApplication::focusWidget(), QStringLiteral("Città nuova"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child(change, "txtConferma"));
        typeText(QApplication::focusWidget(), QStringLiteral(" Città nuova "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);   // Enter never presses OK
        QCOMPARE(QApplication::focusWidget(), old);
        QVERIFY(m_dialogs->calls.isEmpty());
        QTest::mouseClick(child<QPushButton>(change, "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_dialogs->lastMessage().text, QStringLiteral("Modifica della password completata con successo."));
        QCOMPARE(closed.count(), 1);
        QVERIFY(!change.isVisible());
        QCOMPARE(PasswordStore::read().value(), QByteArray("CITT\xE0 NUOVA"));

        PasswordWindow login;
        showActive(login);
        QSignalSpy in(&login, &PasswordWindow::loggedIn);
        typeText(child(login, "txtPassword"), QStringLiteral("città NUOVA"));
        QTest::keyClick(child(login, "txtPassword"), Qt::Key_Return);
        QCOMPARE(in.count(), 1);
    }

    void changeRefusals_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("wrong old") << "perlina" << "nuova" << "nuova" << QStringLiteral("Attenzione: vecchia password errata.")
                                   << "txtPasswordOld";
        QTest::newRow("confirmation differs in case only")
            << "bussolaperlina" << "Nuova" << "nuova" << QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire entrambi i valori.") << "txtPasswordNew";
    }
    void changeRefusals()
    {
        QFETCH(QString, old);
        QFETCH(QString, fresh);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        ChangePasswordWindow change;
        showActive(change);
        QTest::keyClicks(child(change, "txtPasswordOld"), old);
        QTest::keyClicks(child(change, "txtPasswordNew"), fresh);
        QTest::keyClicks(child(change, "txtConferma"), confirm);
        QTest::mouseClick(child<QPushButton>(change, "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_dialogs->lastMessage().text, message);
        QVERIFY(change.isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(QApplication::focusWidget()->property("text").toString(), QString());
        QVERIFY(!child<QPushButton>(change, "cmdOK")->isEnabled());
        QCOMPARE(PasswordStore::read().value(), QByteArray("BUSSOLAPERLINA"));
    }

    void changeWithUnreadableStore()
    {
        QFile::remove(m_folder->file(QStringLiteral("unins000.dll")));
        QDir(m_folder->path()).mkdir(QStringLiteral("unins000.dll"));
        ChangePasswordWindow change;
        showActive(change);
        QTest::keyClicks(child(change, "txtPasswordOld"), QStringLiteral("a"));
        QTest::keyClicks(child(change, "txtPasswordNew"), QStringLiteral("b"));
        QTest::keyClicks(child(change, "txtConferma"), QStringLiteral("b"));
        QTest::mouseClick(child<QPushButton>(change, "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_dialogs->lastMessage().text, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della password. Si consiglia di reinstallare il software."));
        QVERIFY(change.isVisible());
    }

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<FakeDialogs> m_dialogs;
};

QTEST_MAIN(TestPasswordWindows)
#include "tst_passwordwindows.moc"
