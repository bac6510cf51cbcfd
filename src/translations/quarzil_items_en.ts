<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>ArtListModel</name>
    <message>
        <source>Matricola</source>
        <translation>Item code</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Carichi</source>
        <translation>Goods in</translation>
    </message>
    <message>
        <source>Scarichi</source>
        <translation>Goods out</translation>
    </message>
    <message>
        <source>Resi</source>
        <translation>Returns</translation>
    </message>
    <message>
        <source>Giacenza</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>ArtMovementsLoader</name>
    <message>
        <source>Carico</source>
        <translation>Goods in</translation>
    </message>
    <message>
        <source>Scarico</source>
        <translation>Goods out</translation>
    </message>
    <message>
        <source>Reso</source>
        <translation>Return</translation>
    </message>
</context>
<context>
    <name>BarcodeReader</name>
    <message>
        <source>Nessuna</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Dispari</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>Pari</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Nessuno</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>CArticoliView</name>
    <message>
        <source>Inserisci Nuovo Prodotto ( F3 )</source>
        <translation>Insert New Product ( F3 )</translation>
    </message>
    <message>
        <source>Apri Prodotto Selezionato ( Invio )</source>
        <translation>Open Selected Product ( Enter )</translation>
    </message>
    <message>
        <source>Elimina Prodotto Selezionato ( Ctrl+D )</source>
        <translation>Delete Selected Product ( Ctrl+D )</translation>
    </message>
    <message>
        <source>Filtro Prodotti</source>
        <translation>Product Filter</translation>
    </message>
    <message>
        <source>Cerca Prodotto</source>
        <translation>Find Product</translation>
    </message>
    <message>
        <source>Articolo di magazzino non trovato!</source>
        <translation>Stock item not found!</translation>
    </message>
    <message>
        <source>%1 di %2 %3</source>
        <translation>%1 of %2 %3</translation>
    </message>
    <message>
        <source>Magazzino - Quarzil</source>
        <translation>Stock - Quarzil</translation>
    </message>
</context>
<context>
    <name>CArticoloDialog</name>
    <message>
        <source>Cod. Fornitore</source>
        <translation>Supplier code</translation>
    </message>
    <message>
        <source>I&amp;va inclusa nel prezzo</source>
        <translation>&amp;VAT included in the price</translation>
    </message>
    <message>
        <source>Og&amp;ni articolo un codice a barre diverso tipo IMEI degli smartphone</source>
        <translation>&amp;Each unit its own barcode, like smartphone IMEIs</translation>
    </message>
    <message>
        <source>Calcola Ricarico</source>
        <translation>Compute Markup</translation>
    </message>
    <message>
        <source>Gestione Unità di Misura</source>
        <translation>Units of Measure</translation>
    </message>
    <message>
        <source>Eliminare le Categorie non Utilizzate</source>
        <translation>Delete Unused Categories</translation>
    </message>
    <message>
        <source>Elimina Reparti non Utilizzati</source>
        <translation>Delete Unused Departments</translation>
    </message>
    <message>
        <source>Elimina Scaffali non Utilizzati</source>
        <translation>Delete Unused Shelves</translation>
    </message>
    <message>
        <source>Elimina Gruppi non Utilizzati</source>
        <translation>Delete Unused Groups</translation>
    </message>
    <message>
        <source>Inserisci Fornitore</source>
        <translation>Insert Supplier</translation>
    </message>
    <message>
        <source>Modifica Fornitore</source>
        <translation>Edit Supplier</translation>
    </message>
    <message>
        <source>Trova Fornitore</source>
        <translation>Find Supplier</translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation>Item &amp;code</translation>
    </message>
    <message>
        <source>&amp;Cod. a Barre</source>
        <translation>&amp;Barcode</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>&amp;Unità di Mis.</source>
        <translation>&amp;Unit</translation>
    </message>
    <message>
        <source>&amp;Prezzo Acq.</source>
        <translation>&amp;Purch. price</translation>
    </message>
    <message>
        <source>&amp;IVA Preval.</source>
        <translation>&amp;Usual VAT</translation>
    </message>
    <message>
        <source>&amp;Scorta Min.</source>
        <translation>&amp;Min. stock</translation>
    </message>
    <message>
        <source>&amp;Giac.Iniz.</source>
        <translation>&amp;Open. stock</translation>
    </message>
    <message>
        <source>Scon&amp;to</source>
        <translation>Disc&amp;ount</translation>
    </message>
    <message>
        <source>C&amp;ategoria</source>
        <translation>C&amp;ategory</translation>
    </message>
    <message>
        <source>Ricaric&amp;o</source>
        <translation>Mark&amp;up</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>&amp;Reparto</source>
        <translation>&amp;Department</translation>
    </message>
    <message>
        <source>Sca&amp;ffale</source>
        <translation>S&amp;helf</translation>
    </message>
    <message>
        <source>Forn.Preva&amp;l.</source>
        <translation>Usual supp&amp;l.</translation>
    </message>
    <message>
        <source>Codice Fornitore</source>
        <translation>Supplier Code</translation>
    </message>
    <message>
        <source>Inserire qui le note del prodotto. Premere Ctrl+Invio per inserire una nuova riga</source>
        <translation>Enter the product&apos;s notes here. Press Ctrl+Enter for a new line</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <source>Salva (Invio)</source>
        <translation>Save (Enter)</translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation>Save (F2)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Attenzione, utilizzare questa funzione con cautela, infatti una volta salvato l&apos;articolo di magazzino questo valore non può più essere cambiato.
</source>
        <translation>Warning: use this function with care, since once the stock item is saved this value can no longer be changed.
</translation>
    </message>
    <message>
        <source>Con questa opzione attiva in ogni movimento dell&apos;articolo verrà mostrata una finestra dove inserire un codice a barre per ogni singola quantità inserita.
</source>
        <translation>With this option on, every movement of the item shows a window where a barcode is entered for each single unit of the quantity.
</translation>
    </message>
    <message>
        <source>Se ad esempio mettessi 4 come quantità occorrerebbe inserire 4 codici a barre diversi per questo articolo. Si desidera continuare comunque?</source>
        <translation>For example, a quantity of 4 would need 4 different barcodes for this item. Continue anyway?</translation>
    </message>
    <message>
        <source>Cliente o fornitore non trovato!</source>
        <translation>Customer or supplier not found!</translation>
    </message>
    <message>
        <source>Errore matricola</source>
        <translation>Item code error</translation>
    </message>
    <message>
        <source>La matricola dell&apos;articolo non può avere valore nullo!</source>
        <translation>The item code cannot be empty!</translation>
    </message>
    <message>
        <source>La matricola è duplicata, scegliere un altro valore!</source>
        <translation>The item code is already used, choose another value!</translation>
    </message>
    <message>
        <source>Errore descrizione</source>
        <translation>Description error</translation>
    </message>
    <message>
        <source>La descrizione dell&apos;articolo non può avere valore nullo!</source>
        <translation>The item&apos;s description cannot be empty!</translation>
    </message>
    <message>
        <source>Errore codice a barre</source>
        <translation>Barcode error</translation>
    </message>
    <message>
        <source>Il codice a barre è duplicato, scegliere un altro valore!</source>
        <translation>The barcode is already used, choose another value!</translation>
    </message>
    <message>
        <source>Errore prezzo</source>
        <translation>Price error</translation>
    </message>
    <message>
        <source>Il prezzo non è un importo valido!</source>
        <translation>The price is not a valid amount!</translation>
    </message>
    <message>
        <source>Dati Articolo</source>
        <translation>Item Data</translation>
    </message>
</context>
<context>
    <name>CBarCodeWnd</name>
    <message>
        <source>Codici a barre supportati: EAN8 - EAN13 - CODE39</source>
        <translation>Supported barcodes: EAN8 - EAN13 - CODE39</translation>
    </message>
</context>
<context>
    <name>CFiltroArtDialog</name>
    <message>
        <source>Filtro Dati</source>
        <translation>Data Filter</translation>
    </message>
    <message>
        <source>Qualsiasi valore</source>
        <translation>Any value</translation>
    </message>
    <message>
        <source>Giacenza maggiore di zero</source>
        <translation>Stock above zero</translation>
    </message>
    <message>
        <source>Giacenza minore di zero</source>
        <translation>Stock below zero</translation>
    </message>
    <message>
        <source>Giacenza uguale a zero</source>
        <translation>Stock equal to zero</translation>
    </message>
    <message>
        <source>Riordino maggiore di zero</source>
        <translation>Reorder above zero</translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation>Item &amp;code</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>&amp;Categoria</source>
        <translation>&amp;Category</translation>
    </message>
    <message>
        <source>&amp;Giacenza</source>
        <translation>&amp;Stock</translation>
    </message>
    <message>
        <source>Per più valori utilizzare il carattere jolly *</source>
        <translation>For several values use the wildcard *</translation>
    </message>
</context>
<context>
    <name>CFotoEditWait</name>
    <message>
        <source>Modifica Immagine</source>
        <translation>Edit Picture</translation>
    </message>
    <message>
        <source>L&apos;immagine è aperta nel programma di modifica delle immagini.
Salvare le modifiche nello stesso file, poi premere &quot;Fatto&quot;.

%1</source>
        <translation>The picture is open in the picture editor.
Save the changes in the same file, then press &quot;Done&quot;.

%1</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CFotoView</name>
    <message>
        <source>Visualizzazione Immagine</source>
        <translation>Picture View</translation>
    </message>
</context>
<context>
    <name>CFotoWnd</name>
    <message>
        <source>&amp;Reale</source>
        <translation>&amp;Actual size</translation>
    </message>
    <message>
        <source>&amp;Zoom x 2</source>
        <translation>&amp;Zoom x 2</translation>
    </message>
    <message>
        <source>Zoom x &amp;4</source>
        <translation>Zoom x &amp;4</translation>
    </message>
    <message>
        <source>Zoom x &amp;8</source>
        <translation>Zoom x &amp;8</translation>
    </message>
    <message>
        <source>Zoom x &amp;24</source>
        <translation>Zoom x &amp;24</translation>
    </message>
    <message>
        <source>Zoom x &amp;50</source>
        <translation>Zoom x &amp;50</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Acquisisci</source>
        <translation>Acquire</translation>
    </message>
    <message>
        <source>Interruzione in corso...</source>
        <translation>Stopping...</translation>
    </message>
    <message>
        <source>Nessuno scanner o fotocamera trovato: collegare il dispositivo, accenderlo e riprovare.</source>
        <translation>No scanner or camera found: plug the device in, switch it on and try again.</translation>
    </message>
    <message>
        <source>&amp;Scegli</source>
        <translation>&amp;Choose</translation>
    </message>
    <message>
        <source>&amp;Acquisisci</source>
        <translation>&amp;Acquire</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Ricerca di scanner e fotocamere in corso...</source>
        <translation>Looking for scanners and cameras...</translation>
    </message>
    <message>
        <source>Impossibile usare scanner e fotocamere: %1</source>
        <translation>Cannot use scanners and cameras: %1</translation>
    </message>
    <message>
        <source>Acquisizione dell&apos;immagine da %1 in corso...</source>
        <translation>Acquiring the picture from %1...</translation>
    </message>
    <message>
        <source>Impossibile acquisire l&apos;immagine da %1: %2</source>
        <translation>Cannot acquire the picture from %1: %2</translation>
    </message>
    <message>
        <source>Impossibile modificare l&apos;immagine!</source>
        <translation>Cannot edit the picture!</translation>
    </message>
    <message>
        <source>Nessun programma installato per modificare immagini bitmap!</source>
        <translation>No program installed to edit bitmap pictures!</translation>
    </message>
    <message>
        <source>Click qui per selezionare un&apos;immagine</source>
        <translation>Click here to choose a picture</translation>
    </message>
    <message>
        <source>Immagine</source>
        <translation>Picture</translation>
    </message>
</context>
<context>
    <name>CImeiDialog</name>
    <message>
        <source>&amp;Lettore</source>
        <translation>&amp;Reader</translation>
    </message>
    <message>
        <source>Con il lettore attivo ogni codice letto viene inserito</source>
        <translation>With the reader on, every code read is entered</translation>
    </message>
    <message>
        <source>&amp;Inserisci</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>Inserisci Codice</source>
        <translation>Insert Code</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva Codice</source>
        <translation>Save Code</translation>
    </message>
    <message>
        <source>&amp;Rimuovi</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Elimina Codice</source>
        <translation>Delete Code</translation>
    </message>
    <message>
        <source>&amp;Codice</source>
        <translation>&amp;Code</translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation>Save (F2)</translation>
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
        <source>Codici da inserire: %1</source>
        <translation>Codes to enter: %1</translation>
    </message>
    <message>
        <source>Codici da rimuovere: %1</source>
        <translation>Codes to remove: %1</translation>
    </message>
    <message>
        <source>Occorre inserire il codice a barre!</source>
        <translation>The barcode must be entered!</translation>
    </message>
    <message>
        <source>Numero articoli da movimentare uguali a zero!</source>
        <translation>The number of items to move is zero!</translation>
    </message>
    <message>
        <source>Il codice seriale %1 è già stato movimentato!</source>
        <translation>The serial code %1 has already been moved!</translation>
    </message>
    <message>
        <source>Si desidera cancellare il codice a barre selezionato?</source>
        <translation>Delete the selected barcode?</translation>
    </message>
    <message>
        <source>Occorre inserire ancora %1 codici a barre!</source>
        <translation>%1 more barcodes must be entered!</translation>
    </message>
    <message>
        <source>Occorre rimuovere ancora %1 codici a barre!</source>
        <translation>%1 more barcodes must be removed!</translation>
    </message>
    <message>
        <source>Codici a Barre Univoci</source>
        <translation>Unique Barcodes</translation>
    </message>
</context>
<context>
    <name>CImportaDlg</name>
    <message>
        <source>Separatore di campo</source>
        <translation>Field separator</translation>
    </message>
    <message>
        <source>&amp;Punto e Virgola ( ; )</source>
        <translation>&amp;Semicolon ( ; )</translation>
    </message>
    <message>
        <source>&amp;Virgola ( , )</source>
        <translation>&amp;Comma ( , )</translation>
    </message>
    <message>
        <source>P&amp;unto ( . )</source>
        <translation>&amp;Full stop ( . )</translation>
    </message>
    <message>
        <source>Delimitatore di testo</source>
        <translation>Text delimiter</translation>
    </message>
    <message>
        <source>&amp;Nessuno</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>&amp;Doppi Apici ( &quot; )</source>
        <translation>&amp;Double quotes ( &quot; )</translation>
    </message>
    <message>
        <source>Api&amp;ce Semplice ( &apos; )</source>
        <translation>Single &amp;quote ( &apos; )</translation>
    </message>
    <message>
        <source>&amp;Intestazione di colonna nella prima riga</source>
        <translation>Column &amp;headings in the first row</translation>
    </message>
    <message>
        <source>Colonne del file</source>
        <translation>Columns of the file</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <source>Importazione Dati</source>
        <translation>Data Import</translation>
    </message>
</context>
<context>
    <name>CLettoreBarreDialog</name>
    <message>
        <source>Lettore a Barre</source>
        <translation>Barcode Reader</translation>
    </message>
    <message>
        <source>&amp;Porta</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source> Caratteristiche porta seriale </source>
        <translation> Serial port settings </translation>
    </message>
    <message>
        <source>Bit per &amp;secondo</source>
        <translation>Bits per &amp;second</translation>
    </message>
    <message>
        <source>Bit di &amp;dati</source>
        <translation>&amp;Data bits</translation>
    </message>
    <message>
        <source>Pa&amp;rità</source>
        <translation>Pa&amp;rity</translation>
    </message>
    <message>
        <source>Bit di st&amp;op</source>
        <translation>St&amp;op bits</translation>
    </message>
    <message>
        <source>&amp;Controllo di flusso</source>
        <translation>&amp;Flow control</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Pro&amp;va</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Errore nell&apos;enumerazione delle porte!</source>
        <translation>Error listing the ports!</translation>
    </message>
    <message>
        <source>Impossibile salvare le impostazioni del lettore: il file delle impostazioni non è scrivibile.</source>
        <translation>Cannot save the reader settings: the settings file is not writable.</translation>
    </message>
</context>
<context>
    <name>CMovArtBar</name>
    <message>
        <source>Movimenti di magazzino</source>
        <translation>Stock movements</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tipo di Movimento</source>
        <translation>Movement Type</translation>
    </message>
    <message>
        <source>Cliente / Fornitore</source>
        <translation>Customer / Supplier</translation>
    </message>
</context>
<context>
    <name>COfferteDialog</name>
    <message>
        <source>Prodotto</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Promozione</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>Attiva</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>La data iniziale deve essere precedente a quella finale!</source>
        <translation>The start date must come before the end date!</translation>
    </message>
    <message>
        <source>Impossibile inserire la promozione!</source>
        <translation>Cannot insert the promotion!</translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati!</source>
        <translation>Cannot delete the selected value or values!</translation>
    </message>
    <message>
        <source>Articolo di magazzino non trovato!</source>
        <translation>Stock item not found!</translation>
    </message>
    <message>
        <source>Inserisci Offerta (Ctrl+Ins)</source>
        <translation>Insert Offer (Ctrl+Ins)</translation>
    </message>
    <message>
        <source>Elimina Offerta (Ctrl+Canc)</source>
        <translation>Delete Offer (Ctrl+Del)</translation>
    </message>
    <message>
        <source>Salva Offerta (Ctrl+S)</source>
        <translation>Save Offer (Ctrl+S)</translation>
    </message>
    <message>
        <source>Inserisci Articolo</source>
        <translation>Insert Item</translation>
    </message>
    <message>
        <source>Modifica Articolo</source>
        <translation>Edit Item</translation>
    </message>
    <message>
        <source>Trova Articolo</source>
        <translation>Find Item</translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation>Item code</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>&amp;Sempre</source>
        <translation>&amp;Always</translation>
    </message>
    <message>
        <source>S&amp;conto</source>
        <translation>Dis&amp;count</translation>
    </message>
    <message>
        <source>&amp;3 x 2</source>
        <translation>&amp;3 for 2</translation>
    </message>
    <message>
        <source>&amp;2 x 1</source>
        <translation>&amp;2 for 1</translation>
    </message>
    <message>
        <source>A&amp;ttiva</source>
        <translation>Ac&amp;tive</translation>
    </message>
    <message>
        <source>Articolo</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation>Item &amp;code</translation>
    </message>
    <message>
        <source>Codice a &amp;Barre</source>
        <translation>&amp;Barcode</translation>
    </message>
    <message>
        <source>&amp;Articolo</source>
        <translation>&amp;Item</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>&amp;Dal</source>
        <translation>&amp;From</translation>
    </message>
    <message>
        <source>A&amp;l</source>
        <translation>&amp;To</translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation>Save (F2)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Sempre</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Gestione Offerte e Promozioni</source>
        <translation>Offers and Promotions</translation>
    </message>
</context>
<context>
    <name>CProvaLettoreDialog</name>
    <message>
        <source>Prova del Lettore</source>
        <translation>Reader Test</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>La porta %1 non risponde: il lettore è scollegato?</source>
        <translation>The port %1 does not answer: is the reader unplugged?</translation>
    </message>
    <message>
        <source>Porta di nuovo aperta (%1): leggere un codice.</source>
        <translation>Port open again (%1): read a code.</translation>
    </message>
    <message>
        <source>In attesa di un codice (%1).</source>
        <translation>Waiting for a code (%1).</translation>
    </message>
    <message>
        <source>Codici letti: %1. Ultimo codice: %2 caratteri.</source>
        <translation>Codes read: %1. Last code: %2 characters.</translation>
    </message>
    <message>
        <source>Impossibile aprire la porta selezionata!</source>
        <translation>Cannot open the selected port!</translation>
    </message>
</context>
<context>
    <name>CRicaricoDialog</name>
    <message>
        <source>&amp;Prezzo d&apos;acquisto</source>
        <translation>&amp;Purchase price</translation>
    </message>
    <message>
        <source>&amp;I.V.A.</source>
        <translation>&amp;VAT</translation>
    </message>
    <message>
        <source>&amp;Sconto</source>
        <translation>&amp;Discount</translation>
    </message>
    <message>
        <source>&amp;Ricarico</source>
        <translation>&amp;Markup</translation>
    </message>
    <message>
        <source>Prezzo di &amp;vendita</source>
        <translation>&amp;Selling price</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Calcolo Ricarico</source>
        <translation>Markup Calculation</translation>
    </message>
</context>
<context>
    <name>CSceltaScannerDialog</name>
    <message>
        <source>Quarzil : Selezione Scanner</source>
        <translation>Quarzil : Choose Scanner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Acquisire l&apos;immagine da:</source>
        <translation>Acquire the picture from:</translation>
    </message>
</context>
<context>
    <name>CUniMisDialog</name>
    <message>
        <source>Inserisci Unità di Misura (Ctrl+Ins)</source>
        <translation>Insert Unit of Measure (Ctrl+Ins)</translation>
    </message>
    <message>
        <source>Salva Unità di Misura (Ctrl+S)</source>
        <translation>Save Unit of Measure (Ctrl+S)</translation>
    </message>
    <message>
        <source>Elimina Unità di Misura (Ctrl+Canc)</source>
        <translation>Delete Unit of Measure (Ctrl+Del)</translation>
    </message>
    <message>
        <source>Sigla</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Sigla</source>
        <translation>&amp;Symbol</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Il valore della sigla non può essere nullo!</source>
        <translation>The symbol cannot be empty!</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;unità di misura!</source>
        <translation>Cannot save the unit of measure!</translation>
    </message>
    <message>
        <source>Selezionare l&apos;unità di misura da modificare!</source>
        <translation>Select the unit of measure to change!</translation>
    </message>
    <message>
        <source>%1 utilizzata negli articoli, impossibile continuare!</source>
        <translation>%1 is used by items, cannot continue!</translation>
    </message>
    <message>
        <source>Impossibile eliminare l&apos;unità di misura!</source>
        <translation>Cannot delete the unit of measure!</translation>
    </message>
    <message>
        <source>Eliminare definitivamente l&apos;unità di misura: %1?</source>
        <translation>Delete the unit of measure %1 for good?</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio delle unità di misura!</source>
        <translation>Cannot open the units of measure archive!</translation>
    </message>
    <message>
        <source>Gestione Unità di Misura</source>
        <translation>Units of Measure</translation>
    </message>
</context>
<context>
    <name>CVarArtDialog</name>
    <message>
        <source>Prezzo</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>IVA</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>Ricarico</source>
        <translation>Markup</translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation>Discount</translation>
    </message>
    <message>
        <source>Aumentare il valore</source>
        <translation>Increase the value</translation>
    </message>
    <message>
        <source>Diminuire il valore</source>
        <translation>Decrease the value</translation>
    </message>
    <message>
        <source>Valore fisso</source>
        <translation>Fixed value</translation>
    </message>
    <message>
        <source>Es. 20% o 20</source>
        <translation>E.g. 20% or 20</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation>Shelf</translation>
    </message>
    <message>
        <source>Cosa si vuole &amp;modificare?</source>
        <translation>What do you want to &amp;change?</translation>
    </message>
    <message>
        <source>Che tipo di &amp;operazione?</source>
        <translation>What kind of &amp;operation?</translation>
    </message>
    <message>
        <source>Inserisci il nuovo &amp;valore</source>
        <translation>Enter the new &amp;value</translation>
    </message>
    <message>
        <source>Va&amp;riazione in base a</source>
        <translation>Change &amp;by</translation>
    </message>
    <message>
        <source>Valore del tipo di &amp;prodotto</source>
        <translation>Value of the &amp;product type</translation>
    </message>
    <message>
        <source>Valore non valido</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Inserire una percentuale (Es. 20%) o un valore (Es. 20) non negativi; una diminuzione non può superare il 100%.</source>
        <translation>Enter a percentage (e.g. 20%) or a value (e.g. 20), not negative; a decrease cannot exceed 100%.</translation>
    </message>
    <message>
        <source>Scegliere il valore del tipo di prodotto da variare.</source>
        <translation>Choose the value of the product type to change.</translation>
    </message>
    <message>
        <source>Si desidera davvero modificare i dati dei prodotti? Attenzione l&apos;operazione non può essere annullata!</source>
        <translation>Do you really want to change the products&apos; data? Warning: this cannot be undone!</translation>
    </message>
    <message>
        <source>Errore nella variazione dei dati, impossibile aggiornare!</source>
        <translation>Error changing the data, cannot update!</translation>
    </message>
    <message>
        <source>Variazioni avvenute con successo!</source>
        <translation>The changes have been made!</translation>
    </message>
    <message>
        <source>Variazione Veloce</source>
        <translation>Quick Change</translation>
    </message>
</context>
<context>
    <name>CVarOtherDialog</name>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation>Shelf</translation>
    </message>
    <message>
        <source>&amp;Campo da variare</source>
        <translation>&amp;Field to change</translation>
    </message>
    <message>
        <source>&amp;Valore da variare</source>
        <translation>&amp;Value to change</translation>
    </message>
    <message>
        <source>&amp;Nuovo valore</source>
        <translation>&amp;New value</translation>
    </message>
    <message>
        <source>Errore Nuovo Valore</source>
        <translation>New Value Error</translation>
    </message>
    <message>
        <source>Occorre inserire un valore valido!</source>
        <translation>A valid value must be entered!</translation>
    </message>
    <message>
        <source>Attenzione, i cambiamenti ai dati degli articoli saranno permanenti e non potranno essere annullati! Continuare?</source>
        <translation>Warning: the changes to the items&apos; data are permanent and cannot be undone! Continue?</translation>
    </message>
    <message>
        <source>Errore sconosciuto durante la modifica dei dati!</source>
        <translation>Unknown error while changing the data!</translation>
    </message>
    <message>
        <source>Modifica ai dati effettuata con successo!</source>
        <translation>The data have been changed!</translation>
    </message>
    <message>
        <source>Variazioni di Altri Dati</source>
        <translation>Changes to Other Data</translation>
    </message>
</context>
<context>
    <name>ItemExchange</name>
    <message>
        <source>File foglio elettronico (*.csv);;File di tipo web (*.xml)</source>
        <translation>Spreadsheet file (*.csv);;Web file (*.xml)</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Esportazione degli articoli...</source>
        <translation>Exporting the items...</translation>
    </message>
    <message>
        <source>Impossibile creare il file %1!
%2</source>
        <translation>Cannot create the file %1!
%2</translation>
    </message>
    <message>
        <source>Importa</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Importazione degli articoli...</source>
        <translation>Importing the items...</translation>
    </message>
    <message>
        <source>Impossibile ricalcolare le giacenze dei prodotti importati!</source>
        <translation>Cannot recompute the stock of the imported products!</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ItemExport</name>
    <message>
        <source>Il file %1 è stato creato con successo!</source>
        <translation>The file %1 has been created!</translation>
    </message>
    <message>
        <source>Errore nella creazione della cartella per le foto!</source>
        <translation>Error creating the folder for the pictures!</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1</source>
        <translation>Cannot write %1</translation>
    </message>
</context>
<context>
    <name>ItemImport</name>
    <message>
        <source>&lt;Nessuno&gt;</source>
        <translation>&lt;None&gt;</translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation>Item code</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Codice a barre</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>I.V.A.</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>Ricarico</source>
        <translation>Markup</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation>Shelf</translation>
    </message>
    <message>
        <source>Un.di Misura</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Qt.Minima</source>
        <translation>Min. qty</translation>
    </message>
    <message>
        <source>Giacenza Iniz.</source>
        <translation>Opening stock</translation>
    </message>
    <message>
        <source>Codice Forn.</source>
        <translation>Supplier code</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Non ci possono essere due campi uguali!</source>
        <translation>Two columns cannot go to the same field!</translation>
    </message>
    <message>
        <source>Il campo matricola deve essere inserito!</source>
        <translation>The item code field must be given!</translation>
    </message>
    <message>
        <source>Il campo descrizione deve essere inserito!</source>
        <translation>The description field must be given!</translation>
    </message>
    <message>
        <source>Il campo unità di misura deve essere inserito!</source>
        <translation>The unit of measure field must be given!</translation>
    </message>
    <message>
        <source>il file non contiene testo</source>
        <translation>the file holds no text</translation>
    </message>
    <message>
        <source>il file non ha righe da importare</source>
        <translation>the file has no lines to import</translation>
    </message>
    <message>
        <source>scrittura non riuscita</source>
        <translation>writing failed</translation>
    </message>
    <message>
        <source>scrittura non riuscita: %1</source>
        <translation>writing failed: %1</translation>
    </message>
    <message>
        <source>matricola mancante</source>
        <translation>item code missing</translation>
    </message>
    <message>
        <source>descrizione mancante</source>
        <translation>description missing</translation>
    </message>
    <message>
        <source>unità di misura mancante</source>
        <translation>unit of measure missing</translation>
    </message>
    <message>
        <source>prezzo troppo grande</source>
        <translation>price too large</translation>
    </message>
    <message>
        <source>matricola già presente</source>
        <translation>item code already there</translation>
    </message>
    <message>
        <source>Impossibile importare i dati!</source>
        <translation>Cannot import the data!</translation>
    </message>
    <message>
        <source>Ci sono stati degli errori ed alcuni prodotti non sono stati importati, salvare comunque l&apos;importazione?</source>
        <translation>There were errors and some products were not imported; keep the import anyway?</translation>
    </message>
    <message>
        <source>Alcuni valori erano troppo lunghi e sono stati troncati!</source>
        <translation>Some values were too long and have been cut short!</translation>
    </message>
    <message>
        <source>Sono stati importati con successo %1 prodotti!</source>
        <translation>%1 products have been imported!</translation>
    </message>
    <message>
        <source>Non ancora implementato!</source>
        <translation>Not implemented yet!</translation>
    </message>
    <message>
        <source>riga %1 (%2)</source>
        <translation>line %1 (%2)</translation>
    </message>
    <message>
        <source>Righe scartate: %1: %2</source>
        <translation>Lines left out: %1: %2</translation>
    </message>
</context>
<context>
    <name>ItemPhoto</name>
    <message>
        <source>La dimensione dell&apos;immagine è %1 KB</source>
        <translation>The picture&apos;s size is %1 KB</translation>
    </message>
    <message>
        <source> e non è indicata per essere gestita in un database in quanto l&apos;archivio aumenterebbe a dismisura.</source>
        <translation> and is not suited to being kept in a database, as the archive would grow out of all proportion.</translation>
    </message>
    <message>
        <source> Utilizzare un&apos;immagine minore di 150 KB.</source>
        <translation> Use a picture smaller than 150 KB.</translation>
    </message>
    <message>
        <source>L&apos;immagine è di %1 x %2 pixel: salvata come JPEG supererebbe comunque i 150 KB e non è indicata per essere gestita in un database in quanto l&apos;archivio aumenterebbe a dismisura.</source>
        <translation>The picture is %1 x %2 pixels: saved as JPEG it would still exceed 150 KB and is not suited to being kept in a database, as the archive would grow out of all proportion.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;immagine scelta: il file non esiste o non è un&apos;immagine di un formato conosciuto.</source>
        <translation>Cannot read the chosen picture: the file does not exist or is not a picture in a known format.</translation>
    </message>
    <message>
        <source>Quarzil : Selezione Immagine</source>
        <translation>Quarzil : Choose Picture</translation>
    </message>
    <message>
        <source>Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</source>
        <translation>All picture files (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</translation>
    </message>
</context>
<context>
    <name>PriceChain</name>
    <message>
        <source>Prezzo netto acquisto: %1</source>
        <translation>Net purchase price: %1</translation>
    </message>
    <message>
        <source>Prezzo totale acquisto: %1</source>
        <translation>Total purchase price: %1</translation>
    </message>
    <message>
        <source>Prezzo totale vendita: %1</source>
        <translation>Total selling price: %1</translation>
    </message>
    <message>
        <source>Impossibile calcolare!</source>
        <translation>Cannot compute!</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>Promozione del %1</source>
        <translation>Promotion of %1</translation>
    </message>
    <message>
        <source>Promozione del prendi 3 e paghi 2</source>
        <translation>Promotion: take 3, pay for 2</translation>
    </message>
    <message>
        <source>Promozione del prendi 2 e paghi 1</source>
        <translation>Promotion: take 2, pay for 1</translation>
    </message>
    <message>
        <source>Nessuna promozione</source>
        <translation>No promotion</translation>
    </message>
</context>
<context>
    <name>SerialCodes</name>
    <message>
        <source>Il codice seriale %1 è già stato caricato!</source>
        <translation>The serial code %1 has already come in!</translation>
    </message>
    <message>
        <source>In archivio il codice seriale %1 non è stato caricato!</source>
        <translation>The serial code %1 has not come in, according to the archive!</translation>
    </message>
    <message>
        <source>Il codice seriale %1 è già stato scaricato!</source>
        <translation>The serial code %1 has already gone out!</translation>
    </message>
    <message>
        <source>In archivio il codice seriale %1 non è stato scaricato!</source>
        <translation>The serial code %1 has not gone out, according to the archive!</translation>
    </message>
    <message>
        <source>Codice seriale scaricato, impossibile cancellare!</source>
        <translation>Serial code already out, cannot delete!</translation>
    </message>
    <message>
        <source>Codice seriale scaricato, impossibile modificare!</source>
        <translation>Serial code already out, cannot change!</translation>
    </message>
    <message>
        <source>Impossibile inserire il codice a barre!</source>
        <translation>Cannot insert the barcode!</translation>
    </message>
    <message>
        <source>Impossibile salvare il codice a barre!</source>
        <translation>Cannot save the barcode!</translation>
    </message>
    <message>
        <source>Impossibile cancellare il codice a barre!</source>
        <translation>Cannot delete the barcode!</translation>
    </message>
</context>
</TS>
