<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>AgendaLayout</name>
    <message>
        <source>Il campo non può avere valore nullo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problema nelle date o orari, impossibile salvare!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La durata della scadenza è minore di 15 minuti, verrà quindi adattata per avere la durata di almeno un quarto d&apos;ora!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare i dati in agenda!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appuntamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scadenza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagamento</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnaListModel</name>
    <message>
        <source>Ragione Sociale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice Fiscale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partita IVA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnaMovements</name>
    <message>
        <source>Carico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scarico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reso</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAgendaView</name>
    <message>
        <source>Agenda - Quarzil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;agenda del giorno!
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La scadenza selezionata non è più presente in agenda!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere la scadenza selezionata!
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente la scadenza selezionata?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile eliminare la scadenza selezionata!
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAnaMovBar</name>
    <message>
        <source>Numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo di Movimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultimi 250 movimenti di magazzino</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAnagraficaDialog</name>
    <message>
        <source>&amp;Codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rag.Soc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore Richiesto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indirizzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es. Via Giuseppe Garibaldi, 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es. 20121 Milano (MI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Telefono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce&amp;llulare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sito Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;od.Fisc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Part.IVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Banca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sco&amp;nto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserire qui le note. Premere Ctrl+Invio per inserire una nuova riga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il codice è duplicato, scegliere un altro valore!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore ragione sociale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La ragione sociale non può avere un valore nullo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestione Anagrafica</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAnagraficheView</name>
    <message>
        <source>Inserisci Nuovo Cliente ( F3 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci Nuovo Fornitore ( F4 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri Anagrafica Selezionata ( Invio )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Anagrafiche Selezionate ( Ctrl+D )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trova Anagrafica ( F6 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clienti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fornitori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vedi Tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteprima Situazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa Situazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anagrafiche - Quarzil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliente o fornitore non trovato!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAppDialog</name>
    <message>
        <source>Appuntamenti e Scadenze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Oggetto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDdtDataDialog</name>
    <message>
        <source>Al massimo %1 caratteri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trasporto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Causale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;spetto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Porto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;olli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;eso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fattura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Titolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;dizioni di pagamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Banca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;IBAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destinazione diversa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ragione sociale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;ndirizzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Righe a piè di fattura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sinistra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a destra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga &amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga &amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fattura in regime di vantaggio (minimi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testo Defa&amp;ult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riempie le righe a piè di fattura con i testi predefiniti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hiudi e Salva Testo Fattura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiude e usa queste righe a piè di fattura anche per i nuovi scarichi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altri Dati</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFiltroMovDialog</name>
    <message>
        <source>Filtro Dati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMovRowBar</name>
    <message>
        <source>Articolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Righe del movimento</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMovimentiDialog</name>
    <message>
        <source>Articolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo Un.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cliente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci Cliente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifica Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifica Cliente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trova Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trova Cliente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci Articolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifica Articolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trova Articolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attiva o disattiva la modalità lettore con inserimento automatico della riga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo per singolo pezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo di Acquisto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo di Vendita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo Medio di Acquisto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo Medio di Vendita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo Medio Ponderato di Acquisto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo Medio Ponderato di Vendita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultimo Prezzo di Acquisto Utilizzato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultimo Prezzo di Vendita Utilizzato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Articolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quantità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo Ne&amp;tto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo &amp;Lordo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;IVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scont&amp;o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci Riga (Ctrl+Ins)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva Riga (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Riga (Ctrl+Canc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consente di inserire gli altri dati come il vettore o la causale (Ctrl+D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permette di inserire una ricevuta fiscale invece di una fattura (Ctrl+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;gato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa &amp;Fattura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tampa D.D.T.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati Carico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati Reso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati Scarico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa Ricevuta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giacenza %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;articolo con codice a barre %1 non è presente in archivio, volete inserirlo ora?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imponibile: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sconto: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occorre selezionare un prodotto, se in archivio non ci sono ancora, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il prodotto è gestito con i codici seriali: la quantità deve essere un numero intero di pezzi!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In magazzino %1 solo %2 %3 di merce, si desidera comunque scaricare %4 %5 di prodotto?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c&apos;è</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ci sono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In questa modalità ogni volta che si spara un codice a barre viene inserita una riga con l&apos;articolo trovato e la quantità indicata, per questo motivo è necessario cambiare la quantità del prodotto da inserire prima di sparare l&apos;articolo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fornitore non trovato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliente non trovato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articolo non trovato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il numero del movimento è obbligatorio!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occorre inserire il cliente o fornitore della fattura!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occorre inserire almeno una riga nel movimento!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gli articoli e le anagrafiche inseriti o modificati da questa finestra vengono annullati insieme al movimento. Annullare comunque il movimento?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMovimentiView</name>
    <message>
        <source>Nuovo Carico ( F2 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo Scarico ( F3 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo Reso ( F4 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri Movimento Selezionato ( Invio )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Movimenti Selezionati ( Ctrl+D )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtro Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trova Movimento ( F6 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatturazione Elettronica!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movimenti di Magazzino - Quarzil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile eliminare %1 dei movimenti selezionati: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora prodotti, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora fornitori, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora clienti, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EasterCache</name>
    <message>
        <source>Giorno di pasqua nel %1: %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovListModel</name>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliente / Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Ricevuta -</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovementMessages</name>
    <message>
        <source>Numero massimo di righe permesse per movimento 250, creare un nuovo movimento!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occorre inserire la quantità!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occorre inserire una quantità superiore a zero!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore nell&apos;inserimento della riga!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore nel salvataggio della riga!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile eliminare la riga selezionata!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile inserire il carico!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non ci sono le unità di misura in archivio!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile avviare la transazione!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il carico!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare la transazione!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile inserire lo scarico!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare lo scarico!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile inserire il reso!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il reso!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il movimento!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente il valore o i valori selezionati?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movimento non trovato!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
