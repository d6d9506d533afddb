#include "core/help/helptopics.h"

#include <QtTest>

Q_DECLARE_METATYPE(HelpTopic)

// The help pages as the windows receive them: titles, paragraph counts and
// openings, the overview built from the two archive pages, and the export
// pages word for word.
class TestHelpTopics : public QObject
{
    Q_OBJECT
private slots:
    void titlesAndOpenings_data()
    {
        QTest::addColumn<HelpTopic>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("openings");

        const QStringList registry = {
            u"L'app Archivio Anagrafico ha lo scopo principale di velocizzare la compilazione"_qs,
            u"Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di testo che interessano"_qs,
            u"Nell'archivio anagrafico è possibile annotare cognome, nome, sesso"_qs,
            u"Se esistono importanti questioni in sospeso con la persona o ditta"_qs,
            u"Il pulsante Duplica è utile se si ha bisogno di registrare due o più schede"_qs,
            u"Per trovare le schede anagrafiche in archivio è possibile utilizzare uno o più filtri"_qs,
            u"La funzione Allega file consente di abbinare a ciascuna scheda fino a tre file"_qs,
            u"Appositi pulsanti consentono di controllare la validità del codice fiscale"_qs,
            u"La scheda di ogni singola persona o ditta può essere stampata su carta."_qs,
        };
        const QStringList declarations = {
            u"Le app Archivio Attestari e Archivio Atti Notori consentono di compilare velocemente i modelli di dichiarazione"_qs,
            u"Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di testo della dichiarazione"_qs,
            u"I dati del dichiarante che bisogna indicare riguardano il nome"_qs,
            u"Il pulsante Duplica è utile se si ha bisogno di registrare due o più dichiarazioni"_qs,
            u"La casella Consegnata va spuntata"_qs,
            u"Il pulsante con l'icona della lente di ingrandimento"_qs,
            u"La funzione Allega file consente di abbinare a ciascuna dichiarazione fino a tre file"_qs,
            u"E' possibile visualizzare l'anteprima di stampa della dichiarazione"_qs,
            u"Il pulsante con l'icona di Excel consente di esportare l'archivio"_qs,
        };
        const QStringList general = QStringList{
            u"Quirendo Pro Attestari è un software facile e intuitivo progettato per compilare, stampare e archiviare i modelli delle dichiarazioni"_qs,
            u"Avendo l'autocertificazione lo stesso valore del certificato corrispondente"_qs,
            u"Quirendo Pro Attestari è composto da app interagenti"_qs,
        } + registry + declarations + QStringList{
            u"Tutti gli archivi di Quirendo Pro Attestari possono essere esportati in un file di Excel"_qs,
            u"Quirendo Pro Attestari può essere utilizzato anche in una rete locale se si ha necessità di condividere gli archivi fra più postazioni di lavoro."_qs,
            u"L'accesso al software è protetto da una password aggiornabile dall'utente"_qs,
            u"Quirendo Pro Attestari può essere utilizzato anche su chiavetta USB."_qs,
            u"Quirendo Pro Attestari è quindi lo strumento ideale per qualsiasi ufficio pubblico e privato"_qs,
        };
        QTest::newRow("menu") << HelpTopics::general() << u"Uno sguardo a Quirendo Pro Attestari"_qs << general;
        QTest::newRow("registry") << HelpTopics::registry() << u"App Archivio Anagrafico"_qs << registry;
        QTest::newRow("declarations") << HelpTopics::declarations()
                                      << u"App Archivio Attestri e Archivio Atti Notori"_qs << declarations;
    }
    void titlesAndOpenings()
    {
        QFETCH(HelpTopic, topic);
        QFETCH(QString, title);
        QFETCH(QStringList, openings);
        QCOMPARE(topic.title, title);
        QCOMPARE(topic.paragraphs.size(), openings.size());
        for (int i = 0; i < openings.size(); ++i) {
            QVERIFY2(topic.paragraphs[i].startsWith(openings[i]), qPrintable(u"paragraph %1"_qs.arg(i + 1)));
            // Each paragraph is written out beyond its opening, in one piece.
            QVERIFY2(topic.paragraphs[i].size() > openings[i].size() + 40, qPrintable(u"paragraph %1 is only its opening"_qs.arg(i + 1)));
            QVERIFY(!topic.paragraphs[i].contains(u'\n'));
            QVERIFY(!topic.paragraphs[i].contains(u'\r'));
        }
        QCOMPARE(topic.text(), topic.paragraphs.join(u"\r\n\r\n"_qs));
    }

    void overviewRepeatsTheArchivePages()
    {
        const QStringList general = HelpTopics::general().paragraphs;
        QCOMPARE(general.size(), 26);
        QCOMPARE(general.mid(3, 9), HelpTopics::registry().paragraphs);
        QCOMPARE(general.mid(12, 9), HelpTopics::declarations().paragraphs);
        QVERIFY(HelpTopics::general().text().contains(HelpTopics::registry().text()));
        QVERIFY(HelpTopics::general().text().contains(HelpTopics::declarations().text()));
    }

    // The clerk types the initial password from here: it must be the real one.
    void passwordParagraphGivesTheInitialPassword()
    {
        const QString paragraph = HelpTopics::general().paragraphs.at(23);
        QVERIFY(paragraph.contains(u"La password iniziale è \"bussolaperlina\", da digitare senza le virgolette"_qs));
    }

    void exportPagesWordForWord_data()
    {
        QTest::addColumn<HelpTopic>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("first");
        const QString tail =
            u" in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
            "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."_qs;
        QTest::newRow("registry") << HelpTopics::registryExport()
                                  << u"Esportazione archivio anagrafico in Microsoft Excel"_qs
                                  << u"Il pulsante Esporta archivio consente di esportare l'archivio anagrafico"_qs + tail;
        QTest::newRow("self-certifications")
            << HelpTopics::selfCertificationExport() << u"Esportazione archivio attestari in Microsoft Excel"_qs
            << u"Il pulsante Esporta archivio consente di esportare l'archivio delle attestari"_qs + tail;
        QTest::newRow("notoriety")
            << HelpTopics::notorietyExport() << u"Esportazione archivio atti notari in Microsoft Excel"_qs
            << u"Il pulsante Esporta archivio consente di esportare l'archivio degli atti di notorietà"_qs + tail;
    }
    void exportPagesWordForWord()
    {
        QFETCH(HelpTopic, topic);
        QFETCH(QString, title);
        QFETCH(QString, first);
        QCOMPARE(topic.title, title);
        const QString expected =
            first + u"\r\n\r\n"_qs
            + u"Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. "
              "Questa operazione crea in tempo reale un file in formato XLS contenente le schede in archivio, che "
              "potrà essere aperto immediatamente rispondendo affermativamente al messaggio di domanda che appare."_qs
            + u"\r\n\r\n"_qs
            + u"A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi."_qs;
        QCOMPARE(topic.text(), expected);
    }
};

QTEST_GUILESS_MAIN(TestHelpTopics)
#include "tst_helptopics.moc"
