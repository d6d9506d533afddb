#include "typing.h"
#include "ui/formkit.h"
#include "ui/inputrules.h"

#include <QLineEdit>
#include <QtTest>

class TestFormKit : public QObject
{
    Q_OBJECT
private slots:
    // What cannot be stored in an archive is typed as its base letter.
    void boxesTakeOnlyStorableCharacters()
    {
        QWidget panel;
        const FormKit::BoxDesign design{"txtNome", "NOME:", 10, 30, 200, 250};
        QLineEdit *box = FormKit::addBox(&panel, design, QFont(), QFont());
        typeText(box, QStringLiteral("Niccolò "));
        typeText(box, QStringLiteral("Łukasz"));
        typeText(box, QStringLiteral("€"));
        QCOMPARE(box->text(), QStringLiteral("Niccolò Lukasz€"));
        QCOMPARE(box->maxLength(), 250);
    }

    void oneCharacterBoxesHandOn()
    {
        QWidget panel;
        auto *first = new QLineEdit(&panel);
        auto *second = new QLineEdit(&panel);
        auto *after = new QLineEdit(&panel);
        InputRules rules(&panel);
        rules.enterMovesTo(first, second);
        rules.enterMovesTo(second, after);
        rules.oneCharacter(first);
        rules.oneCharacter(second);
        panel.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Shift);   // a modifier alone stays put
        QCOMPARE(QApplication::focusWidget(), first);
        QTest::keyClick(first, Qt::Key_N, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), second);
        QTest::keyClick(second, Qt::Key_A);
        QCOMPARE(first->text() + second->text(), QStringLiteral("NA"));
        QCOMPARE(QApplication::focusWidget(), after);
    }
};

QTEST_MAIN(TestFormKit)
#include "tst_formkit.moc"
