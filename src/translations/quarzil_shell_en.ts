<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>ArchiveBackup</name>
    <message>
        <source>il catalogo è alla versione %1, la copia si fa solo alla versione %2</source>
        <translation>the catalog is at version %1; the copy can only be made at version %2</translation>
    </message>
    <message>
        <source>la copia è danneggiata: %1</source>
        <translation>the copy is damaged: %1</translation>
    </message>
    <message>
        <source>la copia è alla versione %1 invece che alla %2</source>
        <translation>the copy is at version %1 instead of %2</translation>
    </message>
    <message>
        <source>nessun archivio aperto</source>
        <translation>no archive open</translation>
    </message>
    <message>
        <source>una transazione è aperta: la copia si fa dopo</source>
        <translation>a transaction is open: the copy is made afterwards</translation>
    </message>
    <message>
        <source>la copia non può prendere il posto dell&apos;archivio stesso</source>
        <translation>the copy cannot replace the archive itself</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Informazioni su Quarzil</source>
        <translation>About Quarzil</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quarzil&lt;/b&gt; Versione 3.2&lt;br&gt;Software per il Magazzino&lt;br&gt;&lt;br&gt;Copyright © Norvisk</source>
        <translation>&lt;b&gt;Quarzil&lt;/b&gt; Version 3.2&lt;br&gt;Stock management software&lt;br&gt;&lt;br&gt;Copyright © Norvisk</translation>
    </message>
</context>
<context>
    <name>CAggiornamentoDlg</name>
    <message>
        <source>Aggiornamento Archivio</source>
        <translation>Archive Upgrade</translation>
    </message>
    <message>
        <source>Attendere prego, stiamo ottimizzando i dati...</source>
        <translation>Please wait, optimising the data...</translation>
    </message>
</context>
<context>
    <name>CCommentiDialog</name>
    <message>
        <source>Commenti e suggerimenti</source>
        <translation>Comments and suggestions</translation>
    </message>
    <message>
        <source>Le informazioni vengono inviate al produttore insieme a un rapporto sul sistema, senza password e senza dati dell&apos;archivio.</source>
        <translation>The information is sent to the maker together with a system report, without passwords and without archive data.</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CConnDataDlg</name>
    <message>
        <source>Connessione a file &amp;SQLite</source>
        <translation>&amp;SQLite file connection</translation>
    </message>
    <message>
        <source>Connessione a server Postgre&amp;SQL</source>
        <translation>Postgre&amp;SQL server connection</translation>
    </message>
    <message>
        <source>A&amp;pri...</source>
        <translation>O&amp;pen...</translation>
    </message>
    <message>
        <source>host[:porta]</source>
        <translation>host[:port]</translation>
    </message>
    <message>
        <source>Installa nuovo Database vuoto di Quarzil sul Server</source>
        <translation>Install a new empty Quarzil database on the server</translation>
    </message>
    <message>
        <source>&amp;Server</source>
        <translation>&amp;Server</translation>
    </message>
    <message>
        <source>&amp;Utente</source>
        <translation>&amp;User</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Pass&amp;word</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Database</translation>
    </message>
    <message>
        <source>Avan&amp;zate</source>
        <translation>Ad&amp;vanced</translation>
    </message>
    <message>
        <source>Importa archivio Access (.mdb)...</source>
        <translation>Import Access archive (.mdb)...</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Selezione File Database</source>
        <translation>Select Database File</translation>
    </message>
    <message>
        <source>Database Quarzil (*.db *.sqlite)</source>
        <translation>Quarzil database (*.db *.sqlite)</translation>
    </message>
    <message>
        <source>Errore nell&apos;importazione: %1</source>
        <translation>Import error: %1</translation>
    </message>
    <message>
        <source>Database %1 su %2 creato con successo!</source>
        <translation>Database %1 on %2 created successfully!</translation>
    </message>
    <message>
        <source>server locale</source>
        <translation>local server</translation>
    </message>
    <message>
        <source>Errore OleDB sconosciuto!</source>
        <translation>Unknown OleDB error!</translation>
    </message>
</context>
<context>
    <name>CConnStringDlg</name>
    <message>
        <source>&amp;Stringa di connessione:</source>
        <translation>Connection &amp;string:</translation>
    </message>
    <message>
        <source>Provider=QSQLITE;Data Source=&lt;file&gt;
Provider=QPSQL;Data Source=&lt;host&gt;[:porta];Initial Catalog=&lt;database&gt;;User ID=&lt;utente&gt;;Password=&lt;password&gt;
Un valore che contiene &apos;;&apos; va tra virgolette doppie, ogni virgoletta raddoppiata.</source>
        <translation>Provider=QSQLITE;Data Source=&lt;file&gt;
Provider=QPSQL;Data Source=&lt;host&gt;[:port];Initial Catalog=&lt;database&gt;;User ID=&lt;user&gt;;Password=&lt;password&gt;
A value containing &apos;;&apos; goes in double quotes, each quote doubled.</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDownloadDialog</name>
    <message>
        <source>Aggiornamento del programma</source>
        <translation>Program update</translation>
    </message>
    <message>
        <source>Scaricamento di %1 in corso...</source>
        <translation>Downloading %1...</translation>
    </message>
    <message>
        <source>&amp;Interrompi</source>
        <translation>&amp;Stop</translation>
    </message>
</context>
<context>
    <name>CInfoDlg</name>
    <message>
        <source>Notizie</source>
        <translation>News</translation>
    </message>
    <message>
        <source>Fare clic per saperne di più</source>
        <translation>Click to learn more</translation>
    </message>
</context>
<context>
    <name>CKeyedListView</name>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati!</source>
        <translation>Unable to delete the selected value or values!</translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati perché utilizzati nei movimenti!</source>
        <translation>Unable to delete the selected value or values because they are used in movements!</translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati perché utilizzati negli ordini!</source>
        <translation>Unable to delete the selected value or values because they are used in orders!</translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente il valore o i valori selezionati?</source>
        <translation>Permanently delete the selected value or values?</translation>
    </message>
</context>
<context>
    <name>CMainApp</name>
    <message>
        <source>L&apos;archivio dati è di una versione più recente e per questo occorre aggiornare il programma, continuare?</source>
        <translation>The data archive is from a newer version, so the program needs updating. Continue?</translation>
    </message>
    <message>
        <source>Il lettore di codici a barre sulla porta %1 non risponde: è scollegato o spento? I codici saranno letti di nuovo appena sarà ricollegato.</source>
        <translation>The barcode reader on port %1 does not answer: is it unplugged or switched off? Codes will be read again as soon as it is reconnected.</translation>
    </message>
    <message>
        <source>Per motivi di sincronizzazione dati una sola istanza, per computer, dell&apos;applicazione può essere avviata!</source>
        <translation>To keep the data in step, only one instance of the application can run per computer!</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella dei dati %1!</source>
        <translation>Unable to create the data folder %1!</translation>
    </message>
    <message>
        <source>Consiglio di connettere il computer ad internet per avere più caratteristiche del software e controllare gli ultimi aggiornamenti!</source>
        <translation>Connect the computer to the internet to get more of the software&apos;s features and check for the latest updates!</translation>
    </message>
    <message>
        <source>Errore nell&apos;aggiornare il database alla versione attuale del programma, impossibile continuare!</source>
        <translation>Error upgrading the database to the program&apos;s current version; unable to continue!</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio dei dati!

%1: %2</source>
        <translation>Unable to open the data archive!

%1: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Magazzino - Quarzil</source>
        <translation>Stock - Quarzil</translation>
    </message>
    <message>
        <source>Movimenti di magazzino</source>
        <translation>Stock movements</translation>
    </message>
    <message>
        <source>Righe del movimento</source>
        <translation>Movement lines</translation>
    </message>
    <message>
        <source>Ultimi 250 movimenti di magazzino</source>
        <translation>Last 250 stock movements</translation>
    </message>
    <message>
        <source>Calendario</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Si consiglia di collegare il computer ad internet per verificare la presenza di aggiornamenti!</source>
        <translation>Connect the computer to the internet to check for updates!</translation>
    </message>
    <message>
        <source>Impossibile caricare la traduzione: l&apos;interfaccia resta in italiano.</source>
        <translation>Unable to load the translation: the interface stays in Italian.</translation>
    </message>
    <message>
        <source>Salva Dati</source>
        <translation>Save Data</translation>
    </message>
    <message>
        <source>Database Quarzil (*.db *.sqlite)</source>
        <translation>Quarzil database (*.db *.sqlite)</translation>
    </message>
    <message>
        <source>Archivio dati salvato con successo!</source>
        <translation>Data archive saved successfully!</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;archivio dati!</source>
        <translation>Unable to save the data archive!</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Stile</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Stiamo effettuando il conteggio dei dati...</source>
        <translation>Counting the data...</translation>
    </message>
    <message>
        <source>Conteggio Dati</source>
        <translation>Data Count</translation>
    </message>
    <message>
        <source>Per visualizzare il manuale online premere F1</source>
        <translation>Press F1 for the online manual</translation>
    </message>
</context>
<context>
    <name>CRelNotesDialog</name>
    <message>
        <source>Aggiornamenti </source>
        <translation>Updates </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>Menu dell&apos;applicazione</source>
        <translation>Application menu</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Software per il Magazzino</source>
        <translation>Stock Management Software</translation>
    </message>
</context>
<context>
    <name>CTrovaDialog</name>
    <message>
        <source>Trova</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Cerca un prodotto che ha matricola</source>
        <translation>Find an item whose item code is</translation>
    </message>
    <message>
        <source>e che ha descrizione</source>
        <translation>and whose description is</translation>
    </message>
    <message>
        <source>e che ha codice a barre</source>
        <translation>and whose barcode is</translation>
    </message>
    <message>
        <source>Cerca un cliente o fornitore che ha ragione sociale</source>
        <translation>Find a customer or supplier whose company name is</translation>
    </message>
    <message>
        <source>oppure che ha codice fiscale</source>
        <translation>or whose tax code is</translation>
    </message>
    <message>
        <source>Non utilizzato in questa ricerca</source>
        <translation>Not used in this search</translation>
    </message>
    <message>
        <source>Cerca un movimento che ha data</source>
        <translation>Find a movement whose date is</translation>
    </message>
    <message>
        <source>oppure che ha numero</source>
        <translation>or whose number is</translation>
    </message>
    <message>
        <source>Per più valori utilizzare il carattere jolly *</source>
        <translation>For several values use the wildcard *</translation>
    </message>
    <message>
        <source>&amp;Inizia la ricerca dalla prima riga</source>
        <translation>&amp;Start the search from the first row</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>CatalogCreator</name>
    <message>
        <source>Database modello non trovato: %1</source>
        <translation>Template database not found: %1</translation>
    </message>
    <message>
        <source>Impossibile copiare il database modello %1</source>
        <translation>Unable to copy the template database %1</translation>
    </message>
    <message>
        <source>Scrivere il nome del nuovo Database.</source>
        <translation>Type the name of the new database.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Aggiorna</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Aggiorna la lista</source>
        <translation>Refresh the list</translation>
    </message>
    <message>
        <source>Connessione Dati</source>
        <translation>Data Connection</translation>
    </message>
    <message>
        <source>Scegli l&apos;archivio dei dati</source>
        <translation>Choose the data archive</translation>
    </message>
    <message>
        <source>Importa archivio Access (.mdb)...</source>
        <translation>Import Access archive (.mdb)...</translation>
    </message>
    <message>
        <source>Importa in un nuovo archivio i dati del programma per Windows</source>
        <translation>Imports the Windows program&apos;s data into a new archive</translation>
    </message>
    <message>
        <source>Dati Aziendali</source>
        <translation>Company Data</translation>
    </message>
    <message>
        <source>Dati dell&apos;azienda, valute e formati dei numeri</source>
        <translation>Company data, currencies and number formats</translation>
    </message>
    <message>
        <source>Unità di Misura</source>
        <translation>Units of Measure</translation>
    </message>
    <message>
        <source>Gestione delle unità di misura</source>
        <translation>Manage the units of measure</translation>
    </message>
    <message>
        <source>Backup Dati</source>
        <translation>Data Backup</translation>
    </message>
    <message>
        <source>Salva una copia dell&apos;archivio dei dati</source>
        <translation>Saves a copy of the data archive</translation>
    </message>
    <message>
        <source>Lettore a Barre...</source>
        <translation>Barcode Reader...</translation>
    </message>
    <message>
        <source>Sceglie il lettore di codici a barre: a tastiera o su porta seriale</source>
        <translation>Chooses the barcode reader: keyboard or serial port</translation>
    </message>
    <message>
        <source>A&amp;ggiornamenti</source>
        <translation>&amp;Updates</translation>
    </message>
    <message>
        <source>Controlla la presenza di aggiornamenti</source>
        <translation>Checks for updates</translation>
    </message>
    <message>
        <source>Manuale &amp;utente</source>
        <translation>User &amp;manual</translation>
    </message>
    <message>
        <source>Apre il manuale online</source>
        <translation>Opens the online manual</translation>
    </message>
    <message>
        <source>Commenti e &amp;suggerimenti</source>
        <translation>Comments and &amp;suggestions</translation>
    </message>
    <message>
        <source>Invia un commento o un suggerimento</source>
        <translation>Sends a comment or a suggestion</translation>
    </message>
    <message>
        <source>Invia statistiche d&apos;uso &amp;anonime</source>
        <translation>Send &amp;anonymous usage statistics</translation>
    </message>
    <message>
        <source>Invia ogni minuto al produttore il numero di articoli e di movimenti</source>
        <translation>Sends the maker the number of items and movements every minute</translation>
    </message>
    <message>
        <source>Pagina Facebook</source>
        <translation>Facebook Page</translation>
    </message>
    <message>
        <source>Apre la pagina Facebook</source>
        <translation>Opens the Facebook page</translation>
    </message>
    <message>
        <source>Canale YouTube</source>
        <translation>YouTube Channel</translation>
    </message>
    <message>
        <source>Apre il canale YouTube</source>
        <translation>Opens the YouTube channel</translation>
    </message>
    <message>
        <source>Segui Twitter</source>
        <translation>Follow on Twitter</translation>
    </message>
    <message>
        <source>Apre la pagina Twitter</source>
        <translation>Opens the Twitter page</translation>
    </message>
    <message>
        <source>Pagina Web</source>
        <translation>Web Page</translation>
    </message>
    <message>
        <source>Apre il sito web</source>
        <translation>Opens the website</translation>
    </message>
    <message>
        <source>Sostieni il Progetto</source>
        <translation>Support the Project</translation>
    </message>
    <message>
        <source>Sostieni lo sviluppo del programma</source>
        <translation>Support the program&apos;s development</translation>
    </message>
    <message>
        <source>&amp;Informazioni su Quarzil...</source>
        <translation>&amp;About Quarzil...</translation>
    </message>
    <message>
        <source>Versione e informazioni sul programma</source>
        <translation>Version and information about the program</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Chiude il programma</source>
        <translation>Closes the program</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online della vista</source>
        <translation>Opens the view&apos;s online help</translation>
    </message>
    <message>
        <source>Barra di stato</source>
        <translation>Status Bar</translation>
    </message>
    <message>
        <source>Mostra o nasconde la barra di stato</source>
        <translation>Shows or hides the status bar</translation>
    </message>
    <message>
        <source>Barra dei movimenti</source>
        <translation>Movements Bar</translation>
    </message>
    <message>
        <source>Mostra o nasconde i movimenti del prodotto</source>
        <translation>Shows or hides the item&apos;s movements</translation>
    </message>
    <message>
        <source>Barra delle righe</source>
        <translation>Lines Bar</translation>
    </message>
    <message>
        <source>Mostra o nasconde le righe del movimento</source>
        <translation>Shows or hides the movement&apos;s lines</translation>
    </message>
    <message>
        <source>Mostra o nasconde gli ultimi movimenti</source>
        <translation>Shows or hides the latest movements</translation>
    </message>
    <message>
        <source>Barra delle scadenze</source>
        <translation>Due Dates Bar</translation>
    </message>
    <message>
        <source>Mostra o nasconde il calendario</source>
        <translation>Shows or hides the calendar</translation>
    </message>
    <message>
        <source>Aiuto Online</source>
        <translation>Online Help</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online del magazzino</source>
        <translation>Opens the stock online help</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online dei movimenti</source>
        <translation>Opens the movements online help</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online delle anagrafiche</source>
        <translation>Opens the customers and suppliers online help</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online dell&apos;agenda</source>
        <translation>Opens the diary online help</translation>
    </message>
    <message>
        <source>Office 2007 (stile &amp;blu)</source>
        <translation>Office 2007 (&amp;blue style)</translation>
    </message>
    <message>
        <source>Stile blu</source>
        <translation>Blue style</translation>
    </message>
    <message>
        <source>Office 2007 (sti&amp;le nero)</source>
        <translation>Office 2007 (b&amp;lack style)</translation>
    </message>
    <message>
        <source>Stile nero</source>
        <translation>Black style</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;stile grigio)</source>
        <translation>Office 2007 (&amp;silver style)</translation>
    </message>
    <message>
        <source>Stile grigio</source>
        <translation>Silver style</translation>
    </message>
    <message>
        <source>Office 2007 (stile &amp;azzurro)</source>
        <translation>Office 2007 (&amp;aqua style)</translation>
    </message>
    <message>
        <source>Stile azzurro</source>
        <translation>Aqua style</translation>
    </message>
    <message>
        <source>Stile del &amp;desktop</source>
        <translation>&amp;Desktop style</translation>
    </message>
    <message>
        <source>Stile del desktop</source>
        <translation>Desktop style</translation>
    </message>
    <message>
        <source>Inserisci Nuovo Prodotto</source>
        <translation>Insert New Item</translation>
    </message>
    <message>
        <source>Inserisci un nuovo prodotto</source>
        <translation>Inserts a new item</translation>
    </message>
    <message>
        <source>Apri Prodotto</source>
        <translation>Open Item</translation>
    </message>
    <message>
        <source>Apri il prodotto selezionato (Invio)</source>
        <translation>Opens the selected item (Enter)</translation>
    </message>
    <message>
        <source>Elimina Prodotto</source>
        <translation>Delete Item</translation>
    </message>
    <message>
        <source>Elimina i prodotti selezionati</source>
        <translation>Deletes the selected items</translation>
    </message>
    <message>
        <source>Cerca Prodotto</source>
        <translation>Find Item</translation>
    </message>
    <message>
        <source>Cerca un prodotto</source>
        <translation>Finds an item</translation>
    </message>
    <message>
        <source>Filtro Prodotti</source>
        <translation>Item Filter</translation>
    </message>
    <message>
        <source>Imposta o toglie il filtro</source>
        <translation>Sets or removes the filter</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Esporta i prodotti</source>
        <translation>Exports the items</translation>
    </message>
    <message>
        <source>Importa</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Importa i prodotti</source>
        <translation>Imports the items</translation>
    </message>
    <message>
        <source>Variazioni Veloci</source>
        <translation>Quick Changes</translation>
    </message>
    <message>
        <source>Variazioni di prezzi, IVA, ricarico e sconto</source>
        <translation>Changes to prices, VAT, markup and discount</translation>
    </message>
    <message>
        <source>Categoria e Reparto</source>
        <translation>Category and Department</translation>
    </message>
    <message>
        <source>Cambia categoria, reparto e scaffale</source>
        <translation>Changes category, department and shelf</translation>
    </message>
    <message>
        <source>Offerte e Promozioni</source>
        <translation>Offers and Promotions</translation>
    </message>
    <message>
        <source>Offerte e promozioni</source>
        <translation>Offers and promotions</translation>
    </message>
    <message>
        <source>Anteprima Lista Prodotti</source>
        <translation>Item List Preview</translation>
    </message>
    <message>
        <source>Stampa Lista Prodotti</source>
        <translation>Print Item List</translation>
    </message>
    <message>
        <source>Anteprima Valore Magazzino</source>
        <translation>Stock Value Preview</translation>
    </message>
    <message>
        <source>Stampa Valore Magazzino</source>
        <translation>Print Stock Value</translation>
    </message>
    <message>
        <source>Anteprima Storico Movimenti</source>
        <translation>Movement History Preview</translation>
    </message>
    <message>
        <source>Stampa Storico Movimenti</source>
        <translation>Print Movement History</translation>
    </message>
    <message>
        <source>Anteprima Etichette</source>
        <translation>Labels Preview</translation>
    </message>
    <message>
        <source>Stampa Etichette</source>
        <translation>Print Labels</translation>
    </message>
    <message>
        <source>Anteprima Listino Prezzi</source>
        <translation>Price List Preview</translation>
    </message>
    <message>
        <source>Stampa Listino Prezzi</source>
        <translation>Print Price List</translation>
    </message>
    <message>
        <source>Ristampa</source>
        <translation>Reprint</translation>
    </message>
    <message>
        <source>Stampa di nuovo l&apos;ultima anteprima</source>
        <translation>Prints the last preview again</translation>
    </message>
    <message>
        <source>Nuovo Carico</source>
        <translation>New Goods In</translation>
    </message>
    <message>
        <source>Nuovo carico di merce</source>
        <translation>New goods-in load</translation>
    </message>
    <message>
        <source>Nuovo Scarico</source>
        <translation>New Goods Out</translation>
    </message>
    <message>
        <source>Nuova vendita</source>
        <translation>New sale</translation>
    </message>
    <message>
        <source>Nuovo Reso</source>
        <translation>New Return</translation>
    </message>
    <message>
        <source>Nuovo reso di merce</source>
        <translation>New goods return</translation>
    </message>
    <message>
        <source>Apri Movimento</source>
        <translation>Open Movement</translation>
    </message>
    <message>
        <source>Apri il movimento selezionato (Invio)</source>
        <translation>Opens the selected movement (Enter)</translation>
    </message>
    <message>
        <source>Elimina Movimento</source>
        <translation>Delete Movement</translation>
    </message>
    <message>
        <source>Elimina i movimenti selezionati</source>
        <translation>Deletes the selected movements</translation>
    </message>
    <message>
        <source>Trova Movimento</source>
        <translation>Find Movement</translation>
    </message>
    <message>
        <source>Trova un movimento</source>
        <translation>Finds a movement</translation>
    </message>
    <message>
        <source>Filtro Date</source>
        <translation>Date Filter</translation>
    </message>
    <message>
        <source>Mostra i movimenti di un periodo</source>
        <translation>Shows the movements of a period</translation>
    </message>
    <message>
        <source>Tutti i Movimenti</source>
        <translation>All Movements</translation>
    </message>
    <message>
        <source>Solo Carichi</source>
        <translation>Goods In Only</translation>
    </message>
    <message>
        <source>Solo Scarichi</source>
        <translation>Goods Out Only</translation>
    </message>
    <message>
        <source>Solo Resi</source>
        <translation>Returns Only</translation>
    </message>
    <message>
        <source>Anteprima Fattura / Ricevuta</source>
        <translation>Invoice / Receipt Preview</translation>
    </message>
    <message>
        <source>Stampa Fattura / Ricevuta</source>
        <translation>Print Invoice / Receipt</translation>
    </message>
    <message>
        <source>Anteprima Documento di Trasporto</source>
        <translation>Delivery Note Preview</translation>
    </message>
    <message>
        <source>Stampa Documento di Trasporto</source>
        <translation>Print Delivery Note</translation>
    </message>
    <message>
        <source>Anteprima Lista Movimenti</source>
        <translation>Movement List Preview</translation>
    </message>
    <message>
        <source>Stampa Lista Movimenti</source>
        <translation>Print Movement List</translation>
    </message>
    <message>
        <source>Anteprima Resoconto Movimenti</source>
        <translation>Movement Report Preview</translation>
    </message>
    <message>
        <source>Stampa Resoconto Movimenti</source>
        <translation>Print Movement Report</translation>
    </message>
    <message>
        <source>Fattura Elettronica</source>
        <translation>Electronic Invoice</translation>
    </message>
    <message>
        <source>Fatturazione elettronica</source>
        <translation>Electronic invoicing</translation>
    </message>
    <message>
        <source>Inserisci Nuovo Cliente</source>
        <translation>Insert New Customer</translation>
    </message>
    <message>
        <source>Inserisci un nuovo cliente</source>
        <translation>Inserts a new customer</translation>
    </message>
    <message>
        <source>Inserisci    Nuovo Fornitore</source>
        <translation>Insert    New Supplier</translation>
    </message>
    <message>
        <source>Inserisci un nuovo fornitore</source>
        <translation>Inserts a new supplier</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Apri l&apos;anagrafica selezionata (Invio)</source>
        <translation>Opens the selected customer or supplier (Enter)</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Elimina le anagrafiche selezionate</source>
        <translation>Deletes the selected customers and suppliers</translation>
    </message>
    <message>
        <source>Trova Anagrafica</source>
        <translation>Find Customer/Supplier</translation>
    </message>
    <message>
        <source>Trova un cliente o un fornitore</source>
        <translation>Finds a customer or a supplier</translation>
    </message>
    <message>
        <source>Clienti</source>
        <translation>Customers</translation>
    </message>
    <message>
        <source>Mostra solo i clienti</source>
        <translation>Shows customers only</translation>
    </message>
    <message>
        <source>Fornitori</source>
        <translation>Suppliers</translation>
    </message>
    <message>
        <source>Mostra solo i fornitori</source>
        <translation>Shows suppliers only</translation>
    </message>
    <message>
        <source>Vedi Tutti</source>
        <translation>Show All</translation>
    </message>
    <message>
        <source>Mostra tutte le anagrafiche</source>
        <translation>Shows all customers, suppliers and workers</translation>
    </message>
    <message>
        <source>Anteprima Lista</source>
        <translation>List Preview</translation>
    </message>
    <message>
        <source>Anteprima della lista</source>
        <translation>Preview of the list</translation>
    </message>
    <message>
        <source>Stampa Lista</source>
        <translation>Print List</translation>
    </message>
    <message>
        <source>Stampa la lista</source>
        <translation>Prints the list</translation>
    </message>
    <message>
        <source>Anteprima Situazione</source>
        <translation>Balance Preview</translation>
    </message>
    <message>
        <source>Anteprima della situazione delle anagrafiche</source>
        <translation>Preview of the customers&apos; and suppliers&apos; balance</translation>
    </message>
    <message>
        <source>Stampa Situazione</source>
        <translation>Print Balance</translation>
    </message>
    <message>
        <source>Stampa la situazione delle anagrafiche</source>
        <translation>Prints the customers&apos; and suppliers&apos; balance</translation>
    </message>
    <message>
        <source>Inserisci Nuova Scadenza/Appuntamento</source>
        <translation>Insert New Due Date/Appointment</translation>
    </message>
    <message>
        <source>Inserisci una nuova scadenza o un appuntamento</source>
        <translation>Inserts a new due date or an appointment</translation>
    </message>
    <message>
        <source>Apri la scadenza selezionata (Invio)</source>
        <translation>Opens the selected due date (Enter)</translation>
    </message>
    <message>
        <source>Elimina la scadenza selezionata</source>
        <translation>Deletes the selected due date</translation>
    </message>
</context>
<context>
    <name>ConnectionString</name>
    <message>
        <source>%1 sul server locale</source>
        <translation>%1 on the local server</translation>
    </message>
    <message>
        <source>%1 sul server %2</source>
        <translation>%1 on server %2</translation>
    </message>
</context>
<context>
    <name>DataMigration</name>
    <message>
        <source>nessuna chiave assegnata</source>
        <translation>no key assigned</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>il file è in sola lettura: i dati non si potrebbero salvare</source>
        <translation>the file is read-only: the data could not be saved</translation>
    </message>
    <message>
        <source>il file %1 è in sola lettura: i dati non si potrebbero salvare</source>
        <translation>the file %1 is read-only: the data could not be saved</translation>
    </message>
    <message>
        <source>il catalogo è in sola lettura: i dati non si potrebbero salvare</source>
        <translation>the catalog is read-only: the data could not be saved</translation>
    </message>
    <message>
        <source>Stringa di connessione non valida</source>
        <translation>Invalid connection string</translation>
    </message>
    <message>
        <source>File non trovato: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Provider non supportato: %1</source>
        <translation>Unsupported provider: %1</translation>
    </message>
</context>
<context>
    <name>DbError</name>
    <message>
        <source>Errore OleDB sconosciuto!</source>
        <translation>Unknown OleDB error!</translation>
    </message>
    <message>
        <source>Impossibile salvare le modifiche: il record non esiste più, è stato eliminato da un altro computer.</source>
        <translation>Unable to save the changes: the record no longer exists; it was deleted from another computer.</translation>
    </message>
    <message>
        <source>Il record non esiste più: è stato eliminato da un altro computer.</source>
        <translation>The record no longer exists: it was deleted from another computer.</translation>
    </message>
    <message>
        <source>Un importo</source>
        <translation>An amount</translation>
    </message>
    <message>
        <source>%1 è troppo grande per l&apos;archivio, che conserva esattamente importi fino a %2 in più o in meno: non è stato salvato.</source>
        <translation>%1 is too large for the archive, which keeps amounts exactly up to plus or minus %2: it was not saved.</translation>
    </message>
    <message>
        <source>L&apos;archivio è occupato da un altro programma o da un altro computer e non ha risposto in tempo: le modifiche non sono state salvate. Riprovare tra qualche istante.</source>
        <translation>The archive is busy with another program or another computer and did not answer in time: the changes have not been saved. Try again in a moment.</translation>
    </message>
</context>
<context>
    <name>FrameRules</name>
    <message>
        <source>Numero di articoli nella lista: %1</source>
        <translation>Items in the list: %1</translation>
    </message>
    <message>
        <source>Numero di movimenti nella lista: %1</source>
        <translation>Movements in the list: %1</translation>
    </message>
    <message>
        <source>Numero di anagrafiche nella lista: %1</source>
        <translation>Customers/suppliers in the list: %1</translation>
    </message>
    <message>
        <source>Agenda appuntamenti</source>
        <translation>Appointments diary</translation>
    </message>
</context>
<context>
    <name>MdbImport</name>
    <message>
        <source>la colonna %1 contiene un importo (%2) oltre il massimo che l&apos;archivio conserva esatto (%3)</source>
        <translation>column %1 holds an amount (%2) beyond the largest the archive keeps exactly (%3)</translation>
    </message>
    <message>
        <source>la colonna %1 contiene una data non valida (%2)</source>
        <translation>column %1 holds an invalid date (%2)</translation>
    </message>
    <message>
        <source>la tabella %1 non ha colonne</source>
        <translation>table %1 has no columns</translation>
    </message>
    <message>
        <source>la tabella %1 non si crea: %2</source>
        <translation>table %1 cannot be created: %2</translation>
    </message>
    <message>
        <source>la tabella %1: %2</source>
        <translation>table %1: %2</translation>
    </message>
    <message>
        <source>la tabella %1: riga %2 incompleta</source>
        <translation>table %1: row %2 incomplete</translation>
    </message>
    <message>
        <source>la tabella %1, riga %2: %3</source>
        <translation>table %1, row %2: %3</translation>
    </message>
    <message>
        <source>l&apos;indice %1 non si crea: %2</source>
        <translation>index %1 cannot be created: %2</translation>
    </message>
    <message>
        <source>manca la tabella %1</source>
        <translation>table %1 is missing</translation>
    </message>
    <message>
        <source>mancano le tabelle %1</source>
        <translation>tables %1 are missing</translation>
    </message>
    <message>
        <source>manca la colonna %1</source>
        <translation>column %1 is missing</translation>
    </message>
    <message>
        <source>mancano le colonne %1</source>
        <translation>columns %1 are missing</translation>
    </message>
    <message>
        <source>Il file non contiene tabelle.</source>
        <translation>The file contains no tables.</translation>
    </message>
    <message>
        <source>Tabelle del file: %1</source>
        <translation>Tables in the file: %1</translation>
    </message>
    <message>
        <source>Il file %1non è un archivio di Quarzil: %2. %3</source>
        <translation>The file %1is not a Quarzil archive: %2. %3</translation>
    </message>
    <message>
        <source>il file non contiene tabelle</source>
        <translation>the file contains no tables</translation>
    </message>
    <message>
        <source>impossibile scrivere %1: %2</source>
        <translation>unable to write %1: %2</translation>
    </message>
    <message>
        <source>la tabella Informazioni non dice la versione dell&apos;archivio</source>
        <translation>the Informazioni table does not give the archive&apos;s version</translation>
    </message>
    <message>
        <source>l&apos;archivio è alla versione %1, più recente di questo programma (versione %2): aggiornare il programma</source>
        <translation>the archive is at version %1, newer than this program (version %2): update the program</translation>
    </message>
    <message>
        <source>Errore nell&apos;aggiornare il database alla versione attuale del programma</source>
        <translation>Error upgrading the database to the program&apos;s current version</translation>
    </message>
    <message>
        <source>impossibile scrivere %1</source>
        <translation>unable to write %1</translation>
    </message>
</context>
<context>
    <name>MdbImportFlow</name>
    <message>
        <source>Importa archivio Access</source>
        <translation>Import Access Archive</translation>
    </message>
    <message>
        <source>Archivio Access (*.mdb *.mde)</source>
        <translation>Access archive (*.mdb *.mde)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1: %2.</source>
        <translation>Unable to read the file %1: %2.</translation>
    </message>
    <message>
        <source>Salva il nuovo archivio</source>
        <translation>Save the new archive</translation>
    </message>
    <message>
        <source>Database Quarzil (*.db *.sqlite)</source>
        <translation>Quarzil database (*.db *.sqlite)</translation>
    </message>
    <message>
        <source>Il file %1 è in uso: scegliere un altro nome per il nuovo archivio.</source>
        <translation>The file %1 is in use: choose another name for the new archive.</translation>
    </message>
    <message>
        <source>Importazione di %1...</source>
        <translation>Importing %1...</translation>
    </message>
    <message>
        <source>Importazione annullata: nessun archivio è stato creato.</source>
        <translation>Import cancelled: no archive was created.</translation>
    </message>
    <message>
        <source>Importazione non riuscita: %1. Nessun archivio è stato creato.</source>
        <translation>Import failed: %1. No archive was created.</translation>
    </message>
    <message>
        <source>L&apos;archivio %1 è stato importato in %2 (%3 tabelle, %4 righe), alla versione %5. Usare ora il nuovo archivio?</source>
        <translation>The archive %1 was imported into %2 (%3 tables, %4 rows), at version %5. Use the new archive now?</translation>
    </message>
    <message>
        <source>Il nuovo archivio sarà aperto al prossimo avvio del programma.</source>
        <translation>The new archive will be opened the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>MdbImportReader</name>
    <message>
        <source>il file %1 è troncato o danneggiato (%2)</source>
        <translation>the file %1 is truncated or damaged (%2)</translation>
    </message>
    <message>
        <source>il file %1 non esiste</source>
        <translation>the file %1 does not exist</translation>
    </message>
    <message>
        <source>il file %1 non è un archivio Access leggibile</source>
        <translation>the file %1 is not a readable Access archive</translation>
    </message>
    <message>
        <source>la sua lunghezza non è un multiplo della pagina di %1 byte</source>
        <translation>its length is not a multiple of the %1-byte page</translation>
    </message>
    <message>
        <source>nessun file aperto</source>
        <translation>no file open</translation>
    </message>
    <message>
        <source>il catalogo delle tabelle è incompleto</source>
        <translation>the table catalog is incomplete</translation>
    </message>
    <message>
        <source>il catalogo delle tabelle non si legge</source>
        <translation>the table catalog cannot be read</translation>
    </message>
    <message>
        <source>la tabella %1 non si legge</source>
        <translation>table %1 cannot be read</translation>
    </message>
    <message>
        <source>la colonna %1 della tabella %2 è di un tipo (%3) che l&apos;importazione non conosce</source>
        <translation>column %1 of table %2 is of a type (%3) the import does not know</translation>
    </message>
    <message>
        <source>la tabella %1 non esiste</source>
        <translation>table %1 does not exist</translation>
    </message>
    <message>
        <source>la tabella %1 è cambiata</source>
        <translation>table %1 has changed</translation>
    </message>
    <message>
        <source>un testo della colonna %1 della tabella %2 supera %3 byte</source>
        <translation>a text in column %1 of table %2 exceeds %3 bytes</translation>
    </message>
    <message>
        <source>un testo della tabella %1 non si legge</source>
        <translation>a text in table %1 cannot be read</translation>
    </message>
    <message>
        <source>un oggetto della tabella %1 non si legge</source>
        <translation>an object in table %1 cannot be read</translation>
    </message>
    <message>
        <source>un oggetto della colonna %1 della tabella %2 ha %3 byte invece di %4</source>
        <translation>an object in column %1 of table %2 has %3 bytes instead of %4</translation>
    </message>
    <message>
        <source>nessuna tabella in lettura</source>
        <translation>no table being read</translation>
    </message>
    <message>
        <source>la tabella %1 ha %2 righe, se ne leggono %3</source>
        <translation>table %1 has %2 rows, %3 are read</translation>
    </message>
</context>
<context>
    <name>OnlineServices</name>
    <message>
        <source>Occorre essere connessi ad internet per verificare gli aggiornamenti!</source>
        <translation>You need to be connected to the internet to check for updates!</translation>
    </message>
    <message>
        <source>Si sta utilizzando l&apos;ultima versione del programma!</source>
        <translation>You are using the latest version of the program!</translation>
    </message>
    <message>
        <source>Disponibile l&apos;aggiornamento alla versione %1 del programma. Si desidera installarlo?</source>
        <translation>An update to version %1 of the program is available. Install it?</translation>
    </message>
    <message>
        <source>Scaricamento del file in corso, interrompere?</source>
        <translation>Downloading the file; stop?</translation>
    </message>
    <message>
        <source>Grazie per averci inviato informazioni utili al miglioramento del software!</source>
        <translation>Thank you for sending us information that helps improve the software!</translation>
    </message>
    <message>
        <source>Impossibile scaricare l&apos;aggiornamento del programma:
%1</source>
        <translation>Unable to download the program update:
%1</translation>
    </message>
    <message>
        <source>L&apos;aggiornamento è stato scaricato nel file %1: aprirlo con il programma di installazione dei pacchetti per installare la nuova versione.</source>
        <translation>The update was downloaded to the file %1: open it with the package installer to install the new version.</translation>
    </message>
    <message>
        <source>Occorre essere connessi ad internet per inviare commenti e suggerimenti!</source>
        <translation>You need to be connected to the internet to send comments and suggestions!</translation>
    </message>
    <message>
        <source>Impossibile scrivere il rapporto %1: %2</source>
        <translation>Unable to write the report %1: %2</translation>
    </message>
</context>
<context>
    <name>PackageDownload</name>
    <message>
        <source>impossibile eliminare %1</source>
        <translation>unable to delete %1</translation>
    </message>
    <message>
        <source>scaricamento interrotto</source>
        <translation>download interrupted</translation>
    </message>
    <message>
        <source>scaricati %1 byte su %2</source>
        <translation>downloaded %1 bytes of %2</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Visualizza</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Magazzino</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Articoli</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Strumenti</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Stampe</source>
        <translation>Prints</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Social</translation>
    </message>
    <message>
        <source>Movimenti / Fatture</source>
        <translation>Movements / Invoices</translation>
    </message>
    <message>
        <source>Merce</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>Tipo di Movimento</source>
        <translation>Movement Type</translation>
    </message>
    <message>
        <source>Documento</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Anagrafiche</source>
        <translation>Customers/Suppliers</translation>
    </message>
    <message>
        <source>Anteprima</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Diary</translation>
    </message>
    <message>
        <source>Scadenze</source>
        <translation>Due Dates</translation>
    </message>
</context>
<context>
    <name>SchemaUpgrade</name>
    <message>
        <source>la colonna %1 non esiste</source>
        <translation>column %1 does not exist</translation>
    </message>
    <message>
        <source>errore sconosciuto</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>passo dalla versione %1: </source>
        <translation>step from version %1: </translation>
    </message>
    <message>
        <source>la tabella non ha righe</source>
        <translation>the table has no rows</translation>
    </message>
    <message>
        <source>la versione non è un numero</source>
        <translation>the version is not a number</translation>
    </message>
    <message>
        <source>un catalogo PostgreSQL alla versione %1 non si può aggiornare (i cataloghi nascono alla versione %2 o più)</source>
        <translation>a PostgreSQL catalog at version %1 cannot be upgraded (catalogs start at version %2 or later)</translation>
    </message>
    <message>
        <source>una transazione è già aperta</source>
        <translation>a transaction is already open</translation>
    </message>
    <message>
        <source>copia di sicurezza in %1</source>
        <translation>backup copy in %1</translation>
    </message>
    <message>
        <source>nessuna riga aggiornata</source>
        <translation>no row updated</translation>
    </message>
</context>
<context>
    <name>SmallToolButton</name>
    <message>
        <source>Calcola codice fiscale</source>
        <translation>Compute tax code</translation>
    </message>
    <message>
        <source>Controlla partita iva</source>
        <translation>Check VAT number</translation>
    </message>
</context>
<context>
    <name>StartupChecks</name>
    <message>
        <source>La risoluzione attuale del video è di %1x%2 pixel. La risoluzione minima del programma per funzionare è di 800x600 pixel!</source>
        <translation>The current screen resolution is %1x%2 pixels. The program needs a resolution of at least 800x600 pixels!</translation>
    </message>
    <message>
        <source>La scheda video è configurata a %1 colori per pixel. Si consiglia di impostarla ad almeno 65.536 colori!</source>
        <translation>The graphics card is set to %1 colours per pixel. Setting it to at least 65,536 colours is recommended!</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio dei dati!</source>
        <translation>Unable to open the data archive!</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio dei dati scelto:
%1
%2

È aperto invece l&apos;archivio:
%3
I dati inseriti ora saranno salvati in questo archivio.</source>
        <translation>Unable to open the chosen data archive:
%1
%2

This archive is open instead:
%3
Data entered now will be saved in this archive.</translation>
    </message>
    <message>
        <source>Impossibile salvare le impostazioni nel file %1 (file o cartella in sola lettura, oppure disco pieno): le modifiche alle impostazioni non saranno conservate.</source>
        <translation>Unable to save the settings in the file %1 (read-only file or folder, or disk full): changes to the settings will not be kept.</translation>
    </message>
    <message>
        <source>Archivio: %1</source>
        <translation>Archive: %1</translation>
    </message>
</context>
<context>
    <name>UpgradeSession</name>
    <message>
        <source>errore sconosciuto</source>
        <translation>unknown error</translation>
    </message>
</context>
</TS>
