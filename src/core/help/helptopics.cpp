#include "core/help/helptopics.h"

// The help pages, all in one place so that they can be read through and kept
// true to what the windows do. The general overview repeats the registry and
// declaration pages word for word between its opening and closing paragraphs.

namespace {

const QStringList &registryParagraphs()
{
    static const QStringList paragraphs = {
        QStringLiteral(
            "L'app Archivio Anagrafico ha lo scopo principale di velocizzare la compilazione delle dichiarazioni "
            "sostitutive: i dati di una persona o di una ditta si scrivono una sola volta nella sua scheda anagrafica "
            "e da lì si importano, con pochi clic, in qualsiasi autocertificazione o dichiarazione sostitutiva "
            "dell'atto di notorietà. L'archivio si può usare anche come una comoda rubrica: da ogni scheda si può "
            "scrivere una e-mail alla persona o alla ditta e controllare il suo codice fiscale, la partita IVA, "
            "l'IBAN e il numero della carta di credito."),
        QStringLiteral(
            "Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di testo "
            "che interessano e premere il pulsante Salva, quello con l'icona del dischetto. Per salvare sono "
            "necessari soltanto il nome e il sesso, indicato con la lettera M oppure F. Dopo il salvataggio il "
            "numero della scheda compare fra le frecce di scorrimento. Per modificare una scheda già archiviata "
            "basta visualizzarla, cambiare i dati e premere di nuovo Salva: le modifiche vengono scritte sulla "
            "stessa scheda. Le modifiche non salvate vanno perse, senza alcuna domanda, quando si visualizza "
            "un'altra scheda o si esce dalla schermata."),
        QStringLiteral(
            "Nell'archivio anagrafico è possibile annotare cognome, nome, sesso, data e luogo di nascita, "
            "cittadinanza, codice fiscale e partita IVA; l'indirizzo con il numero civico, il CAP, la località e "
            "la provincia; il telefono, il cellulare, l'indirizzo e-mail e la PEC; l'IBAN, il numero e la scadenza "
            "della carta di credito; l'occupazione e lo stato civile; il tipo e il numero del documento di "
            "identità, l'ente che lo ha rilasciato, la data di rilascio e quella di scadenza; infine i prodotti di "
            "interesse, le questioni in sospeso e le note. Il programma non controlla le date: conviene scriverle "
            "sempre nella forma gg/mm/aaaa."),
        QStringLiteral(
            "Se esistono importanti questioni in sospeso con la persona o ditta, è bene annotarle nel campo "
            "Questioni in sospeso della sua scheda. Il pulsante con l'icona del triangolo giallo apre il riepilogo "
            "di tutte le schede che hanno questioni in sospeso: con un doppio clic su una voce dell'elenco la scheda "
            "corrispondente viene visualizzata nella schermata. Quando la questione è risolta basta svuotare il "
            "campo e salvare la scheda, che non comparirà più nel riepilogo."),
        QStringLiteral(
            "Il pulsante Duplica è utile se si ha bisogno di registrare due o più schede con molti dati in comune, "
            "ad esempio i componenti di una stessa famiglia o le sedi di una stessa ditta. Si visualizza una scheda "
            "già archiviata, si preme Duplica, si modificano i dati diversi e si preme Salva: la copia viene "
            "aggiunta in archivio come nuova scheda, senza i file allegati, mentre la scheda di partenza resta "
            "invariata. Una scheda non ancora salvata non può essere duplicata."),
        QStringLiteral(
            "Per trovare le schede anagrafiche in archivio è possibile utilizzare uno o più filtri "
            "contemporaneamente. Il pulsante con l'icona della lente di ingrandimento apre la finestra di ricerca: "
            "si scrivono nei campi prescelti una o più parole consecutive presenti nelle schede da trovare, si "
            "lasciano in bianco tutti gli altri campi e si preme Cerca. Le lettere maiuscole e minuscole sono "
            "considerate uguali. Le schede trovate sono elencate in ordine alfabetico; il pulsante Trova porta "
            "sulla voce successiva che contiene la parola scritta accanto, il pulsante Stampa stampa l'elenco e un "
            "doppio clic su una voce visualizza la scheda nella schermata. Le frecce della barra dei comandi "
            "mostrano invece la prima scheda, la precedente, la successiva e l'ultima."),
        QStringLiteral(
            "La funzione Allega file consente di abbinare a ciascuna scheda fino a tre file, ad esempio la "
            "scansione di un documento di identità, un contratto o una lettera, ciascuno con una breve "
            "descrizione. Con il pulsante Sfoglia si sceglie il file, che viene copiato nella cartella "
            "Documenti_Allegati del programma; con il pulsante Apri lo si apre con il programma abituale del "
            "computer. Dopo aver fatto clic su Applica e chiudi bisogna premere Salva, perché gli allegati vengano "
            "registrati nella scheda."),
        QStringLiteral(
            "Appositi pulsanti consentono di controllare la validità del codice fiscale, della partita IVA, "
            "dell'IBAN e del numero della carta di credito: si trovano accanto ai rispettivi campi e aprono una "
            "piccola finestra che dice se il codice è VALIDO o ERRATO. Un codice fiscale di sole cifre, come quello "
            "delle società, viene controllato come partita IVA. Per una partita IVA valida il programma indica "
            "anche l'Ufficio IVA che l'ha rilasciata e per una carta di credito valida il circuito a cui "
            "appartiene. Il pulsante accanto al campo E-mail apre un nuovo messaggio indirizzato alla persona o "
            "ditta con il programma di posta elettronica del computer."),
        QStringLiteral(
            "La scheda di ogni singola persona o ditta può essere stampata su carta. Il pulsante Stampa prepara un "
            "foglio A4 con tutti i dati della scheda visualizzata, anche se non ancora salvata, e lo invia alla "
            "stampante scelta nella finestra di stampa. Il pulsante con l'icona di Excel esporta invece l'intero "
            "archivio anagrafico in un foglio di lavoro che si apre con Microsoft Excel, LibreOffice o OpenOffice."),
    };
    return paragraphs;
}

const QStringList &declarationParagraphs()
{
    static const QStringList paragraphs = {
        QStringLiteral(
            "Le app Archivio Attestari e Archivio Atti Notori consentono di compilare velocemente i modelli di "
            "dichiarazione sostitutiva di certificazione (art. 46 del D.P.R. 445/2000) e di dichiarazione "
            "sostitutiva dell'atto di notorietà (art. 47). Se il dichiarante è già registrato nell'archivio "
            "anagrafico non occorre riscrivere i suoi dati: basta fare clic sul pulsante con l'icona della freccia "
            "verde accanto al nome del dichiarante, cercare la persona e fare doppio clic sul suo nome. I dati "
            "anagrafici vengono copiati nella dichiarazione, mentre il testo, l'oggetto, il luogo e la data restano "
            "come sono."),
        QStringLiteral(
            "Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di testo "
            "della dichiarazione e premere il pulsante Salva. Per salvare sono necessari il nome del dichiarante, "
            "il sesso (lettera M oppure F), il recapito telefonico, l'oggetto e la data di emissione: se ne manca "
            "uno, il programma lo segnala e porta il cursore nel campo da completare. Per modificare una "
            "dichiarazione già archiviata basta visualizzarla, cambiare i dati e premere di nuovo Salva."),
        QStringLiteral(
            "I dati del dichiarante che bisogna indicare riguardano il nome e il cognome, la data e il luogo di "
            "nascita, il sesso, il codice fiscale, la cittadinanza, l'indirizzo di residenza con numero civico, "
            "CAP, città e provincia, e il recapito telefonico. Sotto la scritta DICHIARA si scrive il testo della "
            "dichiarazione, poi l'oggetto, una breve descrizione che servirà a ritrovarla, e infine il luogo e la "
            "data di emissione. Il programma ricorda l'ultimo luogo indicato e lo ripropone; ogni nuova "
            "dichiarazione riceve la data di oggi, che si può inserire in qualsiasi momento anche con il pulsante "
            "accanto al campo Data."),
        QStringLiteral(
            "Il pulsante Duplica è utile se si ha bisogno di registrare due o più dichiarazioni simili, ad esempio "
            "la stessa dichiarazione per più persone o più dichiarazioni della stessa persona. Si visualizza una "
            "dichiarazione già archiviata, si preme Duplica, si cambiano i dati diversi e si preme Salva: la copia "
            "viene aggiunta in archivio come nuova dichiarazione, senza i file allegati, e quella di partenza resta "
            "invariata."),
        QStringLiteral(
            "La casella Consegnata va spuntata quando la dichiarazione firmata è stata consegnata all'interessato "
            "o all'ufficio a cui è destinata; dopo averla spuntata bisogna salvare la scheda. Il pulsante con "
            "l'icona del triangolo giallo apre il riepilogo delle dichiarazioni non ancora consegnate: con un "
            "doppio clic su una voce dell'elenco la dichiarazione viene visualizzata nella schermata."),
        QStringLiteral(
            "Il pulsante con l'icona della lente di ingrandimento apre la finestra di ricerca delle dichiarazioni. "
            "Si possono usare uno o più filtri contemporaneamente: nome e cognome, città di residenza, recapito "
            "telefonico, data e luogo di nascita, codice fiscale, cittadinanza, sesso, oggetto e data di emissione. "
            "Basta scrivere una o più parole consecutive presenti nelle dichiarazioni da trovare: ad esempio, nella "
            "data di emissione, /2024 trova tutte le dichiarazioni del 2024. Le dichiarazioni trovate sono elencate "
            "in ordine alfabetico e con un doppio clic su una voce vengono visualizzate nella schermata."),
        QStringLiteral(
            "La funzione Allega file consente di abbinare a ciascuna dichiarazione fino a tre file, ad esempio la "
            "copia del documento di identità del dichiarante o la dichiarazione firmata e scansionata. I file "
            "vengono copiati nella cartella Documenti_Allegati del programma e si aprono in qualsiasi momento con "
            "il pulsante Apri; dopo aver fatto clic su Applica e chiudi bisogna premere Salva."),
        QStringLiteral(
            "E' possibile visualizzare l'anteprima di stampa della dichiarazione con il pulsante che mostra un "
            "foglio sotto la lente e stamparla su un foglio A4 con il pulsante Stampa; per stampare servono il "
            "nome e il sesso del dichiarante, il luogo e la data di emissione. Il modulo riporta i riferimenti di "
            "legge, l'avvertenza sulle sanzioni penali previste dall'art. 76 del D.P.R. 445/2000 per le "
            "dichiarazioni mendaci e il consenso al trattamento dei dati personali. La dichiarazione sostitutiva "
            "dell'atto di notorietà va firmata davanti al dipendente addetto a riceverla, oppure presentata "
            "insieme alla fotocopia di un documento di identità del dichiarante. Le dichiarazioni sostitutive sono "
            "esenti dall'imposta di bollo."),
        QStringLiteral(
            "Il pulsante con l'icona di Excel consente di esportare l'archivio delle dichiarazioni in un foglio di "
            "lavoro di Microsoft Excel, con una riga per ogni dichiarazione archiviata, che si apre anche con "
            "LibreOffice o OpenOffice."),
    };
    return paragraphs;
}

const QStringList &introduction()
{
    static const QStringList paragraphs = {
        QStringLiteral(
            "Quirendo Pro Attestari è un software facile e intuitivo progettato per compilare, stampare e "
            "archiviare i modelli delle dichiarazioni sostitutive previste dal Testo Unico delle disposizioni "
            "legislative e regolamentari in materia di documentazione amministrativa (D.P.R. 28 dicembre 2000, "
            "n. 445): la dichiarazione sostitutiva di certificazione, detta anche autocertificazione (art. 46), e "
            "la dichiarazione sostitutiva dell'atto di notorietà (art. 47)."),
        QStringLiteral(
            "Avendo l'autocertificazione lo stesso valore del certificato corrispondente, le pubbliche "
            "amministrazioni e i gestori di pubblici servizi sono tenuti ad accettarla e non possono pretendere il "
            "certificato al suo posto. La firma non deve essere autenticata e la dichiarazione è esente "
            "dall'imposta di bollo. Chi dichiara il falso risponde però penalmente, come ricorda il modulo "
            "stampato."),
        QStringLiteral(
            "Quirendo Pro Attestari è composto da app interagenti: l'Archivio Anagrafico conserva i dati delle "
            "persone e delle ditte, l'Archivio Attestari le autocertificazioni e l'Archivio Atti Notori le "
            "dichiarazioni sostitutive dell'atto di notorietà. I dati di una persona scritti una volta "
            "nell'archivio anagrafico si importano in qualsiasi dichiarazione. Ogni app si apre dal menu "
            "principale con un clic sulla fotografia, sulla barra del nome o sul foglietto giallo della sua "
            "colonna; chiudendo l'app si torna al menu."),
    };
    return paragraphs;
}

const QStringList &closing()
{
    static const QStringList paragraphs = {
        QStringLiteral(
            "Tutti gli archivi di Quirendo Pro Attestari possono essere esportati in un file di Excel con il "
            "pulsante che ne mostra l'icona. Il file, in formato XLS, viene creato nella cartella del programma "
            "(Anagrafica.xls, Archivio_Attestari.xls o Archivio_Atti_Notori.xls) e si apre con Microsoft Excel, "
            "LibreOffice o OpenOffice per elaborazioni, statistiche ed elenchi."),
        QStringLiteral(
            "Quirendo Pro Attestari può essere utilizzato anche in una rete locale se si ha necessità di "
            "condividere gli archivi fra più postazioni di lavoro. Basta mettere la cartella del programma in una "
            "cartella condivisa della rete, con il permesso di lettura e scrittura per tutti gli utenti, e avviare "
            "il programma da lì su ogni postazione. Gli archivi restano aperti solo per l'istante in cui si legge "
            "o si scrive una scheda; è bene però che due persone non modifichino nello stesso momento la stessa "
            "scheda, perché resterebbe soltanto l'ultima versione salvata."),
        QStringLiteral(
            "L'accesso al software è protetto da una password aggiornabile dall'utente in qualsiasi momento con il "
            "pulsante Cambia password della finestra di accesso. La password iniziale è \"bussolaperlina\", da "
            "digitare senza le virgolette; le lettere maiuscole e minuscole sono considerate uguali. Al primo "
            "utilizzo conviene sostituirla con una password personale e conservarla in un luogo sicuro."),
        QStringLiteral(
            "Quirendo Pro Attestari può essere utilizzato anche su chiavetta USB. Tutto ciò che serve si trova "
            "nella cartella del programma: il programma stesso, gli archivi, la password, le impostazioni e la "
            "cartella Documenti_Allegati. Basta copiare la cartella su una chiavetta e avviare il programma da lì. "
            "La copia della cartella è anche il modo più rapido per fare il backup dei dati: conviene farla spesso, "
            "a programma chiuso, e conservarla lontano dal computer."),
        QStringLiteral(
            "Quirendo Pro Attestari è quindi lo strumento ideale per qualsiasi ufficio pubblico e privato, studio "
            "professionale, patronato o associazione che riceve, compila o rilascia dichiarazioni sostitutive: fa "
            "risparmiare tempo, evita errori di trascrizione e tiene in ordine tutte le dichiarazioni rilasciate."),
    };
    return paragraphs;
}

HelpTopic exportTopic(const QString &title, const QString &archive)
{
    return {title,
            {QStringLiteral("Il pulsante Esporta archivio consente di esportare %1 in un foglio di lavoro di "
                            "Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i "
                            "file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).")
                     .arg(archive),
             QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                            "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
                            "contenente le schede in archivio, che potrà essere aperto immediatamente rispondendo "
                            "affermativamente al messaggio di domanda che appare."),
             QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un "
                            "nome qualsiasi.")}};
}

} // namespace

QString HelpTopic::text() const
{
    return HelpTopics::joined(paragraphs);
}

QString HelpTopics::joined(const QStringList &paragraphs)
{
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

HelpTopic HelpTopics::general()
{
    return {QStringLiteral("Uno sguardo a Quirendo Pro Attestari"),
            introduction() + registryParagraphs() + declarationParagraphs() + closing()};
}

HelpTopic HelpTopics::registry()
{
    return {QStringLiteral("App Archivio Anagrafico"), registryParagraphs()};
}

HelpTopic HelpTopics::declarations()
{
    return {QStringLiteral("App Archivio Attestri e Archivio Atti Notori"), declarationParagraphs()};
}

HelpTopic HelpTopics::registryExport()
{
    return exportTopic(QStringLiteral("Esportazione archivio anagrafico in Microsoft Excel"),
                       QStringLiteral("l'archivio anagrafico"));
}

HelpTopic HelpTopics::selfCertificationExport()
{
    return exportTopic(QStringLiteral("Esportazione archivio attestari in Microsoft Excel"),
                       QStringLiteral("l'archivio delle attestari"));
}

HelpTopic HelpTopics::notorietyExport()
{
    return exportTopic(QStringLiteral("Esportazione archivio atti notari in Microsoft Excel"),
                       QStringLiteral("l'archivio degli atti di notorietà"));
}
