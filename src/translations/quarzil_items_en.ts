<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>ArtListModel</name>
    <message>
        <source>Matricola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carichi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scarichi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giacenza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArtMovementsLoader</name>
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
    <name>BarcodeReader</name>
    <message>
        <source>Nessuna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuno</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CArticoliView</name>
    <message>
        <source>Inserisci Nuovo Prodotto ( F3 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri Prodotto Selezionato ( Invio )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Prodotto Selezionato ( Ctrl+D )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtro Prodotti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca Prodotto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articolo di magazzino non trovato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 di %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magazzino - Quarzil</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CArticoloDialog</name>
    <message>
        <source>Cod. Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;va inclusa nel prezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Og&amp;ni articolo un codice a barre diverso tipo IMEI degli smartphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcola Ricarico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestione Unità di Misura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare le Categorie non Utilizzate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Reparti non Utilizzati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Scaffali non Utilizzati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Gruppi non Utilizzati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifica Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trova Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cod. a Barre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unità di Mis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Prezzo Acq.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;IVA Preval.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scorta Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Giac.Iniz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scon&amp;to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ategoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricaric&amp;o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reparto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sca&amp;ffale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forn.Preva&amp;l.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserire qui le note del prodotto. Premere Ctrl+Invio per inserire una nuova riga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
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
        <source>Salva (Invio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione, utilizzare questa funzione con cautela, infatti una volta salvato l&apos;articolo di magazzino questo valore non può più essere cambiato.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con questa opzione attiva in ogni movimento dell&apos;articolo verrà mostrata una finestra dove inserire un codice a barre per ogni singola quantità inserita.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ad esempio mettessi 4 come quantità occorrerebbe inserire 4 codici a barre diversi per questo articolo. Si desidera continuare comunque?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliente o fornitore non trovato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore matricola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La matricola dell&apos;articolo non può avere valore nullo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La matricola è duplicata, scegliere un altro valore!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La descrizione dell&apos;articolo non può avere valore nullo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore codice a barre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il codice a barre è duplicato, scegliere un altro valore!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore prezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il prezzo non è un importo valido!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBarCodeWnd</name>
    <message>
        <source>Codici a barre supportati: EAN8 - EAN13 - CODE39</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFiltroArtDialog</name>
    <message>
        <source>Filtro Dati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualsiasi valore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giacenza maggiore di zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giacenza minore di zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giacenza uguale a zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riordino maggiore di zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Categoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Giacenza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per più valori utilizzare il carattere jolly *</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFotoEditWait</name>
    <message>
        <source>Modifica Immagine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;immagine è aperta nel programma di modifica delle immagini.
Salvare le modifiche nello stesso file, poi premere &quot;Fatto&quot;.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFotoView</name>
    <message>
        <source>Visualizzazione Immagine</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFotoWnd</name>
    <message>
        <source>&amp;Reale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom x 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom x &amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom x &amp;8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom x &amp;24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom x &amp;50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acquisisci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interruzione in corso...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuno scanner o fotocamera trovato: collegare il dispositivo, accenderlo e riprovare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scegli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Acquisisci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricerca di scanner e fotocamere in corso...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile usare scanner e fotocamere: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acquisizione dell&apos;immagine da %1 in corso...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile acquisire l&apos;immagine da %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile modificare l&apos;immagine!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun programma installato per modificare immagini bitmap!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click qui per selezionare un&apos;immagine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immagine</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImeiDialog</name>
    <message>
        <source>&amp;Lettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con il lettore attivo ogni codice letto viene inserito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inserisci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci Codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva Codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rimuovi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva (F2)</source>
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
    <message>
        <source>Codici da inserire: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codici da rimuovere: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occorre inserire il codice a barre!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero articoli da movimentare uguali a zero!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il codice seriale %1 è già stato movimentato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si desidera cancellare il codice a barre selezionato?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occorre inserire ancora %1 codici a barre!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occorre rimuovere ancora %1 codici a barre!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImportaDlg</name>
    <message>
        <source>Separatore di campo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Punto e Virgola ( ; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Virgola ( , )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;unto ( . )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimitatore di testo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nessuno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Doppi Apici ( &quot; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Api&amp;ce Semplice ( &apos; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Intestazione di colonna nella prima riga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colonne del file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
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
    <name>CLettoreBarreDialog</name>
    <message>
        <source>Lettore a Barre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Porta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Caratteristiche porta seriale </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit per &amp;secondo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit di &amp;dati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;rità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit di st&amp;op</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Controllo di flusso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;va</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore nell&apos;enumerazione delle porte!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare le impostazioni del lettore: il file delle impostazioni non è scrivibile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMovArtBar</name>
    <message>
        <source>Movimenti di magazzino</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Cliente / Fornitore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COfferteDialog</name>
    <message>
        <source>Prodotto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Promozione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attiva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La data iniziale deve essere precedente a quella finale!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile inserire la promozione!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articolo di magazzino non trovato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci Offerta (Ctrl+Ins)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Offerta (Ctrl+Canc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva Offerta (Ctrl+S)</source>
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
        <source>Matricola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sempre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;conto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3 x 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 x 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ttiva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice a &amp;Barre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Articolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sempre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProvaLettoreDialog</name>
    <message>
        <source>Prova del Lettore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La porta %1 non risponde: il lettore è scollegato?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porta di nuovo aperta (%1): leggere un codice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In attesa di un codice (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codici letti: %1. Ultimo codice: %2 caratteri.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire la porta selezionata!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRicaricoDialog</name>
    <message>
        <source>&amp;Prezzo d&apos;acquisto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;I.V.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sconto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ricarico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo di &amp;vendita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSceltaScannerDialog</name>
    <message>
        <source>Quarzil : Selezione Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acquisire l&apos;immagine da:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUniMisDialog</name>
    <message>
        <source>Inserisci Unità di Misura (Ctrl+Ins)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva Unità di Misura (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina Unità di Misura (Ctrl+Canc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sigla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sigla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il valore della sigla non può essere nullo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;unità di misura!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selezionare l&apos;unità di misura da modificare!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 utilizzata negli articoli, impossibile continuare!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile eliminare l&apos;unità di misura!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare definitivamente l&apos;unità di misura: %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio delle unità di misura!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVarArtDialog</name>
    <message>
        <source>Prezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricarico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aumentare il valore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diminuire il valore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore fisso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es. 20% o 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cosa si vuole &amp;modificare?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Che tipo di &amp;operazione?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci il nuovo &amp;valore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Va&amp;riazione in base a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore del tipo di &amp;prodotto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore non valido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserire una percentuale (Es. 20%) o un valore (Es. 20) non negativi; una diminuzione non può superare il 100%.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegliere il valore del tipo di prodotto da variare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si desidera davvero modificare i dati dei prodotti? Attenzione l&apos;operazione non può essere annullata!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore nella variazione dei dati, impossibile aggiornare!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variazioni avvenute con successo!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVarOtherDialog</name>
    <message>
        <source>Categoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Campo da variare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Valore da variare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nuovo valore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore Nuovo Valore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occorre inserire un valore valido!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione, i cambiamenti ai dati degli articoli saranno permanenti e non potranno essere annullati! Continuare?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore sconosciuto durante la modifica dei dati!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifica ai dati effettuata con successo!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemExchange</name>
    <message>
        <source>File foglio elettronico (*.csv);;File di tipo web (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportazione degli articoli...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile creare il file %1!
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importazione degli articoli...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile ricalcolare le giacenze dei prodotti importati!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemExport</name>
    <message>
        <source>Il file %1 è stato creato con successo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore nella creazione della cartella per le foto!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemImport</name>
    <message>
        <source>&lt;Nessuno&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice a barre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I.V.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricarico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un.di Misura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt.Minima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giacenza Iniz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice Forn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non ci possono essere due campi uguali!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il campo matricola deve essere inserito!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il campo descrizione deve essere inserito!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il campo unità di misura deve essere inserito!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file non contiene testo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file non ha righe da importare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scrittura non riuscita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scrittura non riuscita: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>matricola mancante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>descrizione mancante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unità di misura mancante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prezzo troppo grande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>matricola già presente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile importare i dati!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ci sono stati degli errori ed alcuni prodotti non sono stati importati, salvare comunque l&apos;importazione?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcuni valori erano troppo lunghi e sono stati troncati!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sono stati importati con successo %1 prodotti!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non ancora implementato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Righe scartate: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemPhoto</name>
    <message>
        <source>La dimensione dell&apos;immagine è %1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> e non è indicata per essere gestita in un database in quanto l&apos;archivio aumenterebbe a dismisura.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Utilizzare un&apos;immagine minore di 150 KB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;immagine è di %1 x %2 pixel: salvata come JPEG supererebbe comunque i 150 KB e non è indicata per essere gestita in un database in quanto l&apos;archivio aumenterebbe a dismisura.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;immagine scelta: il file non esiste o non è un&apos;immagine di un formato conosciuto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarzil : Selezione Immagine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PriceChain</name>
    <message>
        <source>Prezzo netto acquisto: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo totale acquisto: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prezzo totale vendita: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>Promozione del %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Promozione del prendi 3 e paghi 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Promozione del prendi 2 e paghi 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna promozione</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialCodes</name>
    <message>
        <source>Il codice seriale %1 è già stato caricato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In archivio il codice seriale %1 non è stato caricato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il codice seriale %1 è già stato scaricato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In archivio il codice seriale %1 non è stato scaricato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice seriale scaricato, impossibile cancellare!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice seriale scaricato, impossibile modificare!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile inserire il codice a barre!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il codice a barre!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile cancellare il codice a barre!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
