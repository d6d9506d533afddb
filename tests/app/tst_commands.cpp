// Every command of the three archive windows opens the satellite it names,
// with the kind tag of its window where the satellite takes one.
#include "app/shell.h"
#include "child.h"
#include "fakedialogs.h"
#include "testfolder.h"
#include "ui/archivewindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

Q_DECLARE_METATYPE(MainMenu::Archive)

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void opens_data()
    {
        using A = MainMenu::Archive;
        QTest::addColumn<A>("archive");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("satellite");
        QTest::addColumn<QString>("tag");   // lblMemory, or "-" for a satellite without one
        QTest::newRow("registry find") << A::Registry << "cmdTrova" << "frmTrovaAnagrafica" << "anagrafica";
        QTest::newRow("registry pending") << A::Registry << "cmdQuestioni" << "frmQuestioni" << "-";
        QTest::newRow("registry print") << A::Registry << "cmdStampa" << "frmStampaAnagrafica" << "-";
        QTest::newRow("registry export") << A::Registry << "cmdEsporta" << "frmExpAnagrafica" << "-";
        QTest::newRow("registry attach") << A::Registry << "cmdFile" << "frmAllegaCartella" << "anagrafica";
        QTest::newRow("cert export") << A::SelfCertifications << "cmdEsporta" << "frmExpCert" << "-";
        QTest::newRow("cert attach") << A::SelfCertifications << "cmdFile" << "frmAllegaCartella" << "certificazioni";
        QTest::newRow("atti export") << A::Notoriety << "cmdEsporta" << "frmExpAtti" << "-";
        QTest::newRow("atti attach") << A::Notoriety << "cmdFile" << "frmAllegaCartella" << "atti";
        QTest::newRow("atti help") << A::Notoriety << "cmdGuida" << "frmGuida" << "-";
        QTest::newRow("registry help") << A::Registry << "cmdGuida" << "frmGuida" << "-";
        QTest::newRow("cert find") << A::SelfCertifications << "cmdTrova" << "frmTrovaCert" << "certificazioni";
        QTest::newRow("cert undelivered") << A::SelfCertifications << "cmdDaConsegnare" << "frmCertDaConsegnare"
                                          << "-";
        QTest::newRow("cert import") << A::SelfCertifications << "impPersona" << "frmImportaAnagrafica"
                                     << "certificazioni";
        QTest::newRow("cert print") << A::SelfCertifications << "cmdStampa" << "frmStampaCert" << "-";
        QTest::newRow("cert preview") << A::SelfCertifications << "cmdAnteprima" << "frmAnteprimaCert" << "-";
        QTest::newRow("cert help") << A::SelfCertifications << "cmdGuida" << "frmGuida" << "-";
        QTest::newRow("atti find") << A::Notoriety << "cmdTrova" << "frmTrovaAtti" << "atti";
        QTest::newRow("atti undelivered") << A::Notoriety << "cmdDaConsegnare" << "frmAttiDaConsegnare" << "-";
        QTest::newRow("atti import") << A::Notoriety << "impPersona" << "frmImportaAnagrafica" << "atti";
        QTest::newRow("atti print") << A::Notoriety << "cmdStampa" << "frmStampaAtto" << "-";
        QTest::newRow("atti preview") << A::Notoriety << "cmdAnteprima" << "frmAnteprimaAtto" << "-";
    }
    void opens()
    {
        QFETCH(MainMenu::Archive, archive);
        QFETCH(QString, command);
        QFETCH(QString, satellite);
        QFETCH(QString, tag);
        TestFolder folder;
        FakeDialogs fake;
        Shell shell;
        ArchiveWindow *window = shell.archive(archive);
        window->show();
        // What the print checks ask for, so that printing goes ahead.
        child<QLineEdit>(window, "txtNome")->setText(QStringLiteral("Anna Bianchi"));
        child<QLineEdit>(window, "txtSesso")->setText(QStringLiteral("F"));
        if (archive != MainMenu::Archive::Registry)
            child<QLineEdit>(window, "txtLuogo")->setText(QStringLiteral("Roma"));
        QString shown, memory = QStringLiteral("-");
        fake.onModal = [&](QDialog *d) {
            shown = d->objectName();
            if (auto *label = d->findChild<QLabel *>(QStringLiteral("lblMemory")))
                memory = label->text();
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(child<QAbstractButton>(window, qPrintable(command)), Qt::LeftButton);
        QCOMPARE(shown, satellite);
        QCOMPARE(memory, tag);
        QVERIFY(fake.messages().isEmpty());
        window->hide();
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
