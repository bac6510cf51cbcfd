<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>AgendaLayout</name>
    <message>
        <source>Il campo non può avere valore nullo!</source>
        <translation>The field cannot be empty!</translation>
    </message>
    <message>
        <source>Problema nelle date o orari, impossibile salvare!</source>
        <translation>Problem with the dates or times, cannot save!</translation>
    </message>
    <message>
        <source>La durata della scadenza è minore di 15 minuti, verrà quindi adattata per avere la durata di almeno un quarto d&apos;ora!</source>
        <translation>The entry lasts less than 15 minutes, so it will be lengthened to at least a quarter of an hour!</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati in agenda!</source>
        <translation>Cannot save the data in the diary!</translation>
    </message>
    <message>
        <source>Appuntamento</source>
        <translation>Appointment</translation>
    </message>
    <message>
        <source>Scadenza</source>
        <translation>Deadline</translation>
    </message>
    <message>
        <source>Pagamento</source>
        <translation>Payment</translation>
    </message>
</context>
<context>
    <name>AnaListModel</name>
    <message>
        <source>Ragione Sociale</source>
        <translation>Company Name</translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Comune</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Telefono</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Codice Fiscale</source>
        <translation>Tax Code</translation>
    </message>
    <message>
        <source>Partita IVA</source>
        <translation>VAT Number</translation>
    </message>
</context>
<context>
    <name>AnaMovements</name>
    <message>
        <source>Carico</source>
        <translation>Goods In</translation>
    </message>
    <message>
        <source>Scarico</source>
        <translation>Goods Out</translation>
    </message>
    <message>
        <source>Reso</source>
        <translation>Return</translation>
    </message>
</context>
<context>
    <name>CAgendaView</name>
    <message>
        <source>Agenda - Quarzil</source>
        <translation>Diary - Quarzil</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;agenda del giorno!
%1</source>
        <translation>Cannot read the day&apos;s diary!
%1</translation>
    </message>
    <message>
        <source>La scadenza selezionata non è più presente in agenda!</source>
        <translation>The selected entry is no longer in the diary!</translation>
    </message>
    <message>
        <source>Impossibile leggere la scadenza selezionata!
%1</source>
        <translation>Cannot read the selected entry!
%1</translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente la scadenza selezionata?</source>
        <translation>Do you want to delete the selected entry permanently?</translation>
    </message>
    <message>
        <source>Impossibile eliminare la scadenza selezionata!
%1</source>
        <translation>Cannot delete the selected entry!
%1</translation>
    </message>
</context>
<context>
    <name>CAnaMovBar</name>
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
        <source>Ultimi 250 movimenti di magazzino</source>
        <translation>Latest 250 stock movements</translation>
    </message>
</context>
<context>
    <name>CAnagraficaDialog</name>
    <message>
        <source>&amp;Codice</source>
        <translation>&amp;Code</translation>
    </message>
    <message>
        <source>&amp;Rag.Soc.</source>
        <translation>Compa&amp;ny</translation>
    </message>
    <message>
        <source>Valore Richiesto</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>&amp;Indirizzo</source>
        <translation>&amp;Address</translation>
    </message>
    <message>
        <source>Es. Via Giuseppe Garibaldi, 25</source>
        <translation>E.g. Via Giuseppe Garibaldi, 25</translation>
    </message>
    <message>
        <source>Co&amp;mune</source>
        <translation>&amp;Town</translation>
    </message>
    <message>
        <source>Es. 20121 Milano (MI)</source>
        <translation>E.g. 20121 Milano (MI)</translation>
    </message>
    <message>
        <source>&amp;Telefono</source>
        <translation>&amp;Phone</translation>
    </message>
    <message>
        <source>Ce&amp;llulare</source>
        <translation>Mo&amp;bile</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>&amp;Sito Web</source>
        <translation>&amp;Web Site</translation>
    </message>
    <message>
        <source>C&amp;od.Fisc</source>
        <translation>Ta&amp;x Code</translation>
    </message>
    <message>
        <source>&amp;Part.IVA</source>
        <translation>&amp;VAT No.</translation>
    </message>
    <message>
        <source>&amp;Banca</source>
        <translation>&amp;Bank</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>Sco&amp;nto</source>
        <translation>Disc&amp;ount</translation>
    </message>
    <message>
        <source>Inserire qui le note. Premere Ctrl+Invio per inserire una nuova riga</source>
        <translation>Type the notes here. Press Ctrl+Enter for a new line</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Errore codice</source>
        <translation>Code error</translation>
    </message>
    <message>
        <source>Il codice è duplicato, scegliere un altro valore!</source>
        <translation>The code is already used, choose another one!</translation>
    </message>
    <message>
        <source>Errore ragione sociale</source>
        <translation>Company name error</translation>
    </message>
    <message>
        <source>La ragione sociale non può avere un valore nullo!</source>
        <translation>The company name cannot be empty!</translation>
    </message>
    <message>
        <source>Gestione Anagrafica</source>
        <translation>Customer / Supplier Details</translation>
    </message>
</context>
<context>
    <name>CAnagraficheView</name>
    <message>
        <source>Inserisci Nuovo Cliente ( F3 )</source>
        <translation>New Customer ( F3 )</translation>
    </message>
    <message>
        <source>Inserisci Nuovo Fornitore ( F4 )</source>
        <translation>New Supplier ( F4 )</translation>
    </message>
    <message>
        <source>Apri Anagrafica Selezionata ( Invio )</source>
        <translation>Open Selected Record ( Enter )</translation>
    </message>
    <message>
        <source>Elimina Anagrafiche Selezionate ( Ctrl+D )</source>
        <translation>Delete Selected Records ( Ctrl+D )</translation>
    </message>
    <message>
        <source>Trova Anagrafica ( F6 )</source>
        <translation>Find Record ( F6 )</translation>
    </message>
    <message>
        <source>Clienti</source>
        <translation>Customers</translation>
    </message>
    <message>
        <source>Fornitori</source>
        <translation>Suppliers</translation>
    </message>
    <message>
        <source>Operai</source>
        <translation>Workers</translation>
    </message>
    <message>
        <source>Vedi Tutti</source>
        <translation>Show All</translation>
    </message>
    <message>
        <source>Anteprima Situazione</source>
        <translation>Statement Preview</translation>
    </message>
    <message>
        <source>Stampa Situazione</source>
        <translation>Print Statement</translation>
    </message>
    <message>
        <source>Anagrafiche - Quarzil</source>
        <translation>Customers and Suppliers - Quarzil</translation>
    </message>
    <message>
        <source>Cliente o fornitore non trovato!</source>
        <translation>Customer or supplier not found!</translation>
    </message>
</context>
<context>
    <name>CAppDialog</name>
    <message>
        <source>Appuntamenti e Scadenze</source>
        <translation>Appointments and Deadlines</translation>
    </message>
    <message>
        <source>&amp;Oggetto</source>
        <translation>&amp;Subject</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>&amp;Inizio</source>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;End</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>T&amp;ype</translation>
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
</context>
<context>
    <name>CDdtDataDialog</name>
    <message>
        <source>Al massimo %1 caratteri</source>
        <translation>At most %1 characters</translation>
    </message>
    <message>
        <source>Trasporto</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>&amp;Causale</source>
        <translation>&amp;Reason</translation>
    </message>
    <message>
        <source>&amp;Vettore</source>
        <translation>&amp;Carrier</translation>
    </message>
    <message>
        <source>A&amp;spetto</source>
        <translation>A&amp;ppearance</translation>
    </message>
    <message>
        <source>&amp;Porto</source>
        <translation>&amp;Delivery terms</translation>
    </message>
    <message>
        <source>C&amp;olli</source>
        <translation>Pac&amp;kages</translation>
    </message>
    <message>
        <source>P&amp;eso</source>
        <translation>W&amp;eight</translation>
    </message>
    <message>
        <source>Fattura</source>
        <translation>Invoice</translation>
    </message>
    <message>
        <source>&amp;Titolo</source>
        <translation>&amp;Title</translation>
    </message>
    <message>
        <source>Con&amp;dizioni di pagamento</source>
        <translation>Payment ter&amp;ms</translation>
    </message>
    <message>
        <source>&amp;Banca</source>
        <translation>&amp;Bank</translation>
    </message>
    <message>
        <source>&amp;IBAN</source>
        <translation>&amp;IBAN</translation>
    </message>
    <message>
        <source>Destinazione diversa</source>
        <translation>Different destination</translation>
    </message>
    <message>
        <source>&amp;Ragione sociale</source>
        <translation>Compa&amp;ny name</translation>
    </message>
    <message>
        <source>I&amp;ndirizzo</source>
        <translation>Addr&amp;ess</translation>
    </message>
    <message>
        <source>Co&amp;mune</source>
        <translation>&amp;Town</translation>
    </message>
    <message>
        <source>Righe a piè di fattura</source>
        <translation>Invoice footer lines</translation>
    </message>
    <message>
        <source>a sinistra</source>
        <translation>left</translation>
    </message>
    <message>
        <source>a destra</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Riga &amp;1</source>
        <translation>Line &amp;1</translation>
    </message>
    <message>
        <source>Riga &amp;2</source>
        <translation>Line &amp;2</translation>
    </message>
    <message>
        <source>Riga &amp;3</source>
        <translation>Line &amp;3</translation>
    </message>
    <message>
        <source>Riga &amp;4</source>
        <translation>Line &amp;4</translation>
    </message>
    <message>
        <source>Fattura in regime di vantaggio (minimi)</source>
        <translation>Invoice under the flat-rate small business scheme</translation>
    </message>
    <message>
        <source>Riga 1</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <source>Riga 2</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>Riga 3</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <source>Testo Defa&amp;ult</source>
        <translation>Defa&amp;ult Text</translation>
    </message>
    <message>
        <source>Riempie le righe a piè di fattura con i testi predefiniti</source>
        <translation>Fills the invoice footer lines with the default texts</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>C&amp;hiudi e Salva Testo Fattura</source>
        <translation>C&amp;lose and Save Invoice Text</translation>
    </message>
    <message>
        <source>Chiude e usa queste righe a piè di fattura anche per i nuovi scarichi</source>
        <translation>Closes and uses these invoice footer lines for new goods-out movements too</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Altri Dati</source>
        <translation>Other Data</translation>
    </message>
</context>
<context>
    <name>CFiltroMovDialog</name>
    <message>
        <source>Filtro Dati</source>
        <translation>Data Filter</translation>
    </message>
    <message>
        <source>&amp;Inizio</source>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;End</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CMovRowBar</name>
    <message>
        <source>Articolo</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation>Discount</translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Righe del movimento</source>
        <translation>Movement rows</translation>
    </message>
</context>
<context>
    <name>CMovimentiDialog</name>
    <message>
        <source>Articolo</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Prezzo Un.</source>
        <translation>Unit Price</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation>Discount</translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Fornitore</source>
        <translation>&amp;Supplier</translation>
    </message>
    <message>
        <source>&amp;Cliente</source>
        <translation>&amp;Customer</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Inserisci Fornitore</source>
        <translation>New Supplier</translation>
    </message>
    <message>
        <source>Inserisci Cliente</source>
        <translation>New Customer</translation>
    </message>
    <message>
        <source>Modifica Fornitore</source>
        <translation>Edit Supplier</translation>
    </message>
    <message>
        <source>Modifica Cliente</source>
        <translation>Edit Customer</translation>
    </message>
    <message>
        <source>Trova Fornitore</source>
        <translation>Find Supplier</translation>
    </message>
    <message>
        <source>Trova Cliente</source>
        <translation>Find Customer</translation>
    </message>
    <message>
        <source>&amp;Numero</source>
        <translation>&amp;Number</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation>Item Code</translation>
    </message>
    <message>
        <source>Codice Fornitore</source>
        <translation>Supplier Code</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Inserisci Articolo</source>
        <translation>New Item</translation>
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
        <source>Attiva o disattiva la modalità lettore con inserimento automatico della riga</source>
        <translation>Turns the reader mode, which adds the row automatically, on or off</translation>
    </message>
    <message>
        <source>Prezzo per singolo pezzo</source>
        <translation>Price per single piece</translation>
    </message>
    <message>
        <source>Prezzo di Acquisto</source>
        <translation>Purchase Price</translation>
    </message>
    <message>
        <source>Prezzo di Vendita</source>
        <translation>Selling Price</translation>
    </message>
    <message>
        <source>Prezzo Medio di Acquisto</source>
        <translation>Average Purchase Price</translation>
    </message>
    <message>
        <source>Prezzo Medio di Vendita</source>
        <translation>Average Selling Price</translation>
    </message>
    <message>
        <source>Prezzo Medio Ponderato di Acquisto</source>
        <translation>Weighted Average Purchase Price</translation>
    </message>
    <message>
        <source>Prezzo Medio Ponderato di Vendita</source>
        <translation>Weighted Average Selling Price</translation>
    </message>
    <message>
        <source>Ultimo Prezzo di Acquisto Utilizzato</source>
        <translation>Last Purchase Price Used</translation>
    </message>
    <message>
        <source>Ultimo Prezzo di Vendita Utilizzato</source>
        <translation>Last Selling Price Used</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>&amp;Articolo</source>
        <translation>&amp;Item</translation>
    </message>
    <message>
        <source>&amp;Unità</source>
        <translation>&amp;Unit</translation>
    </message>
    <message>
        <source>&amp;Quantità</source>
        <translation>&amp;Quantity</translation>
    </message>
    <message>
        <source>Prezzo Ne&amp;tto</source>
        <translation>Ne&amp;t Price</translation>
    </message>
    <message>
        <source>Prezzo &amp;Lordo</source>
        <translation>&amp;Gross Price</translation>
    </message>
    <message>
        <source>&amp;IVA</source>
        <translation>&amp;VAT</translation>
    </message>
    <message>
        <source>Scont&amp;o</source>
        <translation>Disc&amp;ount</translation>
    </message>
    <message>
        <source>N&amp;ote</source>
        <translation>N&amp;otes</translation>
    </message>
    <message>
        <source>Inserisci Riga (Ctrl+Ins)</source>
        <translation>Insert Row (Ctrl+Ins)</translation>
    </message>
    <message>
        <source>Salva Riga (Ctrl+S)</source>
        <translation>Save Row (Ctrl+S)</translation>
    </message>
    <message>
        <source>Elimina Riga (Ctrl+Canc)</source>
        <translation>Delete Row (Ctrl+Del)</translation>
    </message>
    <message>
        <source>Consente di inserire gli altri dati come il vettore o la causale (Ctrl+D)</source>
        <translation>Lets you enter the other data such as the carrier or the reason (Ctrl+D)</translation>
    </message>
    <message>
        <source>Permette di inserire una ricevuta fiscale invece di una fattura (Ctrl+R)</source>
        <translation>Lets you enter a receipt instead of an invoice (Ctrl+R)</translation>
    </message>
    <message>
        <source>Pa&amp;gato</source>
        <translation>Pa&amp;id</translation>
    </message>
    <message>
        <source>Stampa &amp;Fattura</source>
        <translation>Print &amp;Invoice</translation>
    </message>
    <message>
        <source>S&amp;tampa D.D.T.</source>
        <translation>Print &amp;Delivery Note</translation>
    </message>
    <message>
        <source>OK (F2)</source>
        <translation>OK (F2)</translation>
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
        <source>Dati Carico</source>
        <translation>Goods In Details</translation>
    </message>
    <message>
        <source>Dati Reso</source>
        <translation>Return Details</translation>
    </message>
    <message>
        <source>Dati Scarico</source>
        <translation>Goods Out Details</translation>
    </message>
    <message>
        <source>Stampa Ricevuta</source>
        <translation>Print Receipt</translation>
    </message>
    <message>
        <source>Giacenza %1</source>
        <translation>Stock %1</translation>
    </message>
    <message>
        <source>L&apos;articolo con codice a barre %1 non è presente in archivio, volete inserirlo ora?</source>
        <translation>The item with barcode %1 is not in the archive, do you want to add it now?</translation>
    </message>
    <message>
        <source>Imponibile: </source>
        <translation>Taxable: </translation>
    </message>
    <message>
        <source>Sconto: </source>
        <translation>Discount: </translation>
    </message>
    <message>
        <source>Imposta: </source>
        <translation>Tax: </translation>
    </message>
    <message>
        <source>Totale: </source>
        <translation>Total: </translation>
    </message>
    <message>
        <source>Occorre selezionare un prodotto, se in archivio non ci sono ancora, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>You must select a product; if there are none in the archive yet, you can add them with the button beside their list!</translation>
    </message>
    <message>
        <source>Il prodotto è gestito con i codici seriali: la quantità deve essere un numero intero di pezzi!</source>
        <translation>The product is tracked by serial codes: the quantity must be a whole number of pieces!</translation>
    </message>
    <message>
        <source>In magazzino %1 solo %2 %3 di merce, si desidera comunque scaricare %4 %5 di prodotto?</source>
        <translation>In stock %1 only %2 %3 of goods, do you still want to take out %4 %5 of product?</translation>
    </message>
    <message>
        <source>c&apos;è</source>
        <translation>there is</translation>
    </message>
    <message>
        <source>ci sono</source>
        <translation>there are</translation>
    </message>
    <message>
        <source>In questa modalità ogni volta che si spara un codice a barre viene inserita una riga con l&apos;articolo trovato e la quantità indicata, per questo motivo è necessario cambiare la quantità del prodotto da inserire prima di sparare l&apos;articolo.</source>
        <translation>In this mode every barcode scanned adds a row with the item found and the quantity shown, so change the quantity of the product before scanning the item.</translation>
    </message>
    <message>
        <source>Fornitore non trovato!</source>
        <translation>Supplier not found!</translation>
    </message>
    <message>
        <source>Cliente non trovato!</source>
        <translation>Customer not found!</translation>
    </message>
    <message>
        <source>Articolo non trovato!</source>
        <translation>Item not found!</translation>
    </message>
    <message>
        <source>Il numero del movimento è obbligatorio!</source>
        <translation>The movement number is required!</translation>
    </message>
    <message>
        <source>Occorre inserire il cliente o fornitore della fattura!</source>
        <translation>You must enter the invoice&apos;s customer or supplier!</translation>
    </message>
    <message>
        <source>Occorre inserire almeno una riga nel movimento!</source>
        <translation>You must enter at least one row in the movement!</translation>
    </message>
    <message>
        <source>Gli articoli e le anagrafiche inseriti o modificati da questa finestra vengono annullati insieme al movimento. Annullare comunque il movimento?</source>
        <translation>The items, customers and suppliers added or changed from this window are cancelled together with the movement. Cancel the movement anyway?</translation>
    </message>
</context>
<context>
    <name>CMovimentiView</name>
    <message>
        <source>Nuovo Carico ( F2 )</source>
        <translation>New Goods In ( F2 )</translation>
    </message>
    <message>
        <source>Nuovo Scarico ( F3 )</source>
        <translation>New Goods Out ( F3 )</translation>
    </message>
    <message>
        <source>Nuovo Reso ( F4 )</source>
        <translation>New Return ( F4 )</translation>
    </message>
    <message>
        <source>Apri Movimento Selezionato ( Invio )</source>
        <translation>Open Selected Movement ( Enter )</translation>
    </message>
    <message>
        <source>Elimina Movimenti Selezionati ( Ctrl+D )</source>
        <translation>Delete Selected Movements ( Ctrl+D )</translation>
    </message>
    <message>
        <source>Filtro Date</source>
        <translation>Date Filter</translation>
    </message>
    <message>
        <source>Trova Movimento ( F6 )</source>
        <translation>Find Movement ( F6 )</translation>
    </message>
    <message>
        <source>Fatturazione Elettronica!</source>
        <translation>Electronic Invoicing!</translation>
    </message>
    <message>
        <source>Movimenti di Magazzino - Quarzil</source>
        <translation>Stock Movements - Quarzil</translation>
    </message>
    <message>
        <source>Impossibile eliminare %1 dei movimenti selezionati: %2</source>
        <translation>Cannot delete %1 of the selected movements: %2</translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora prodotti, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>There are no products in the archive yet, you can add them with the button beside their list!</translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora fornitori, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>There are no suppliers in the archive yet, you can add them with the button beside their list!</translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora clienti, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>There are no customers in the archive yet, you can add them with the button beside their list!</translation>
    </message>
    <message>
        <source>Il movimento è stato salvato, ma il numero %1 è già stato dato a un altro movimento dello stesso tipo del %2 (forse salvato nello stesso momento da un altro computer). Correggere il numero di uno dei due se serve.</source>
        <translation>The movement has been saved, but number %1 has already been given to another movement of the same type in %2 (perhaps saved at the same moment on another computer). Correct the number of one of the two if needed.</translation>
    </message>
</context>
<context>
    <name>EasterCache</name>
    <message>
        <source>Giorno di pasqua nel %1: %2 %3</source>
        <translation>Easter Sunday in %1: %2 %3</translation>
    </message>
</context>
<context>
    <name>MovListModel</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Cliente / Fornitore</source>
        <translation>Customer / Supplier</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>- Ricevuta -</source>
        <translation>- Receipt -</translation>
    </message>
</context>
<context>
    <name>MovementMessages</name>
    <message>
        <source>Numero massimo di righe permesse per movimento 250, creare un nuovo movimento!</source>
        <translation>At most 250 rows are allowed in a movement, create a new movement!</translation>
    </message>
    <message>
        <source>Occorre inserire la quantità!</source>
        <translation>You must enter the quantity!</translation>
    </message>
    <message>
        <source>Occorre inserire una quantità superiore a zero!</source>
        <translation>You must enter a quantity greater than zero!</translation>
    </message>
    <message>
        <source>Errore nell&apos;inserimento della riga!</source>
        <translation>Error inserting the row!</translation>
    </message>
    <message>
        <source>Errore nel salvataggio della riga!</source>
        <translation>Error saving the row!</translation>
    </message>
    <message>
        <source>Impossibile eliminare la riga selezionata!</source>
        <translation>Cannot delete the selected row!</translation>
    </message>
    <message>
        <source>Impossibile inserire il carico!</source>
        <translation>Cannot add the goods-in movement!</translation>
    </message>
    <message>
        <source>Non ci sono le unità di misura in archivio!</source>
        <translation>There are no units of measure in the archive!</translation>
    </message>
    <message>
        <source>Impossibile avviare la transazione!</source>
        <translation>Cannot start the transaction!</translation>
    </message>
    <message>
        <source>Impossibile salvare il carico!</source>
        <translation>Cannot save the goods-in movement!</translation>
    </message>
    <message>
        <source>Impossibile salvare la transazione!</source>
        <translation>Cannot save the transaction!</translation>
    </message>
    <message>
        <source>Impossibile inserire lo scarico!</source>
        <translation>Cannot add the goods-out movement!</translation>
    </message>
    <message>
        <source>Impossibile salvare lo scarico!</source>
        <translation>Cannot save the goods-out movement!</translation>
    </message>
    <message>
        <source>Impossibile inserire il reso!</source>
        <translation>Cannot add the return!</translation>
    </message>
    <message>
        <source>Impossibile salvare il reso!</source>
        <translation>Cannot save the return!</translation>
    </message>
    <message>
        <source>Impossibile salvare il movimento!</source>
        <translation>Cannot save the movement!</translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente il valore o i valori selezionati?</source>
        <translation>Do you want to delete the selected value or values permanently?</translation>
    </message>
    <message>
        <source>Movimento non trovato!</source>
        <translation>Movement not found!</translation>
    </message>
</context>
</TS>
