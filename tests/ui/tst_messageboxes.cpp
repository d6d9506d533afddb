// The real message boxes behind the seam: title, icon, button texts, the
// default and escape buttons, and the answer each button gives.
#include "ui/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(Dialogs::Kind)
Q_DECLARE_METATYPE(Dialogs::Buttons)
Q_DECLARE_METATYPE(Dialogs::Answer)

namespace {
struct Seen
{
    QString title, text, defaultButton, escapeButton;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Reads the box that is up, then presses `press` (or Escape when empty).
void answerWhenShown(Seen *seen, const QString &press)
{
    QTimer::singleShot(0, [seen, press] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton *b : box->buttons())
            seen->buttons << b->text();
        seen->buttons.sort();
        seen->defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        seen->escapeButton = box->escapeButton() ? box->escapeButton()->text() : QString();
        if (press.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *b : box->buttons())
            if (b->text() == press)
                b->click();
    });
}
}

class TestMessageBoxes : public QObject
{
    Q_OBJECT
private slots:
    void boxes_data()
    {
        QTest::addColumn<Dialogs::Kind>("kind");
        QTest::addColumn<Dialogs::Buttons>("buttons");
        QTest::addColumn<QString>("press");   // empty: Escape
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("defaultButton");
        QTest::addColumn<QString>("escapeButton");
        QTest::addColumn<Dialogs::Answer>("answer");
        using K = Dialogs::Kind;
        using B = Dialogs::Buttons;
        using A = Dialogs::Answer;
        const QStringList okCancel{"Annulla", "OK"};
        QTest::newRow("warning OK") << K::Warning << B::OkCancel << "OK" << " Attenzione" << int(QMessageBox::Warning)
                                    << okCancel << "OK" << "Annulla" << A::Ok;
        QTest::newRow("warning Annulla") << K::Warning << B::OkCancel << "Annulla" << " Attenzione"
                                         << int(QMessageBox::Warning) << okCancel << "OK" << "Annulla" << A::Cancel;
        QTest::newRow("information Escape") << K::Information << B::OkCancel << "" << " Informazione"
                                            << int(QMessageBox::Information) << okCancel << "OK" << "Annulla"
                                            << A::Cancel;
        QTest::newRow("error OK") << K::Error << B::OkCancel << "OK" << " Errore" << int(QMessageBox::Critical)
                                  << okCancel << "OK" << "Annulla" << A::Ok;
        QTest::newRow("plain OK") << K::Error << B::Ok << "OK" << " Errore" << int(QMessageBox::Critical)
                                  << QStringList{"OK"} << "" << "OK" << A::Ok;
        QTest::newRow("plain Escape") << K::Warning << B::Ok << "" << " Attenzione" << int(QMessageBox::Warning)
                                      << QStringList{"OK"} << "" << "OK" << A::Ok;
        QTest::newRow("question Sì") << K::Question << B::YesNo << "Sì" << " Conferma" << int(QMessageBox::Question)
                                     << QStringList{"No", "Sì"} << "Sì" << "No" << A::Yes;
        QTest::newRow("question No") << K::Question << B::YesNo << "No" << " Conferma" << int(QMessageBox::Question)
                                     << QStringList{"No", "Sì"} << "Sì" << "No" << A::No;
        QTest::newRow("question Escape") << K::Question << B::YesNo << "" << " Conferma"
                                         << int(QMessageBox::Question) << QStringList{"No", "Sì"} << "Sì" << "No"
                                         << A::No;
    }
    void boxes()
    {
        QFETCH(Dialogs::Kind, kind);
        QFETCH(Dialogs::Buttons, buttons);
        QFETCH(QString, press);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QFETCH(QStringList, texts);
        QFETCH(QString, defaultButton);
        QFETCH(QString, escapeButton);
        QFETCH(Dialogs::Answer, answer);

        Dialogs::install(nullptr);   // Qt's own boxes
        QWidget parent;
        parent.show();
        Seen seen;
        answerWhenShown(&seen, press);
        const QString text = QStringLiteral("Attenzione: primo paragrafo.\n\r\n\rSecondo paragrafo.");
        const Dialogs::Answer got = dialogs().message(&parent, kind, text, buttons);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, text);
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(seen.buttons, texts);
        QCOMPARE(seen.defaultButton, defaultButton);
        QCOMPARE(seen.escapeButton, escapeButton);
        QCOMPARE(got, answer);
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
