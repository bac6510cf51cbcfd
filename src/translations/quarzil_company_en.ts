<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>CArtStoricoDialog</name>
    <message>
        <source>&amp;Dal giorno</source>
        <translation>&amp;From day</translation>
    </message>
    <message>
        <source>&amp;Al giorno</source>
        <translation>&amp;To day</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Impostazione Stampa</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>La data finale non può precedere la data iniziale!</source>
        <translation>The end date cannot be before the start date!</translation>
    </message>
</context>
<context>
    <name>CAziendaSheet</name>
    <message>
        <source>I dati dell&apos;azienda che compaiono nell&apos;intestazione di documenti e stampe.</source>
        <translation>The company details shown in the heading of documents and printouts.</translation>
    </message>
    <message>
        <source>La valuta e il formato dei numeri, proposti dal sistema.</source>
        <translation>The currency and the number format, as suggested by the system.</translation>
    </message>
    <message>
        <source>Gestione Dati Aziendali</source>
        <translation>Company Data</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt; Indietro</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>Avanti &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Finish</translation>
    </message>
</context>
<context>
    <name>CDittaDialog</name>
    <message>
        <source>Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</source>
        <translation>All image files (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</translation>
    </message>
    <message>
        <source>&amp;Rag.Soc.</source>
        <translation>Company &amp;name</translation>
    </message>
    <message>
        <source>&amp;Indirizzo</source>
        <translation>&amp;Address</translation>
    </message>
    <message>
        <source>Es. Via Giuseppe Garibaldi, 25</source>
        <translation>E.g. 25 High Street</translation>
    </message>
    <message>
        <source>&amp;Comune</source>
        <translation>&amp;Town</translation>
    </message>
    <message>
        <source>Es. 20121 Milano (MI)</source>
        <translation>E.g. Oxford OX1 2JD</translation>
    </message>
    <message>
        <source>Na&amp;zione</source>
        <translation>Countr&amp;y</translation>
    </message>
    <message>
        <source>&amp;Telefono</source>
        <translation>&amp;Phone</translation>
    </message>
    <message>
        <source>Fa&amp;x</source>
        <translation>Fa&amp;x</translation>
    </message>
    <message>
        <source>Cell&amp;ulare</source>
        <translation>&amp;Mobile</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>&amp;Sito Web</source>
        <translation>&amp;Website</translation>
    </message>
    <message>
        <source>C&amp;od.Fisc</source>
        <translation>Tax c&amp;ode</translation>
    </message>
    <message>
        <source>Part.I&amp;va</source>
        <translation>&amp;VAT no.</translation>
    </message>
    <message>
        <source>Ca&amp;p.Sociale</source>
        <translation>Share ca&amp;pital</translation>
    </message>
    <message>
        <source>Es. €.10.000,00</source>
        <translation>E.g. £10,000.00</translation>
    </message>
    <message>
        <source>A&amp;ltro</source>
        <translation>&amp;Other</translation>
    </message>
    <message>
        <source>Es. R.E.A. XXXXX - C.C.I.A.A. XXXXX - Reg. AEE XXXXX</source>
        <translation>E.g. Company No. XXXXX - Registered in England and Wales - WEEE Reg. XXXXX</translation>
    </message>
    <message>
        <source>Logo Aziendale</source>
        <translation>Company Logo</translation>
    </message>
    <message>
        <source>Scegli il logo aziendale</source>
        <translation>Choose the company logo</translation>
    </message>
    <message>
        <source>Errore nella ragione sociale</source>
        <translation>Error in the company name</translation>
    </message>
    <message>
        <source>La ragione sociale dell&apos;azienda è obbligatoria!</source>
        <translation>The company name is required!</translation>
    </message>
    <message>
        <source>Quarzil : Selezione Immagine</source>
        <translation>Quarzil : Select Picture</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;immagine!</source>
        <translation>Cannot save the picture!</translation>
    </message>
    <message>
        <source>Salvare questa immagine come proprio logo?</source>
        <translation>Save this picture as your logo?</translation>
    </message>
    <message>
        <source>Impossibile caricare l&apos;immagine!</source>
        <translation>Cannot load the picture!</translation>
    </message>
    <message>
        <source>Anagrafica Azienda</source>
        <translation>Company Details</translation>
    </message>
    <message>
        <source>L&apos;immagine scelta viene adattata a un&apos;area di 100&#xa0;x&#xa0;60 punti.
Fare clic sull&apos;area per sceglierla.</source>
        <translation>The chosen picture is fitted to an area of 100&#xa0;x&#xa0;60 points.
Click the area to choose it.</translation>
    </message>
</context>
<context>
    <name>CFormatDialog</name>
    <message>
        <source>Importi, quantità e percentuali di tutto il programma seguono queste impostazioni.</source>
        <translation>Amounts, quantities and percentages throughout the program follow these settings.</translation>
    </message>
    <message>
        <source>Valute e Numeri</source>
        <translation>Currencies and Numbers</translation>
    </message>
</context>
<context>
    <name>CFormatFields</name>
    <message>
        <source>Esempio: %1</source>
        <translation>Example: %1</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>Simbolo &amp;valuta</source>
        <translation>Currency &amp;symbol</translation>
    </message>
    <message>
        <source>N° &amp;decimali</source>
        <translation>&amp;Decimal places</translation>
    </message>
    <message>
        <source>Simbolo d&amp;ecimali</source>
        <translation>D&amp;ecimal symbol</translation>
    </message>
    <message>
        <source>Raggruppamento &amp;cifre</source>
        <translation>Digit &amp;grouping</translation>
    </message>
    <message>
        <source>Numeri</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>N° decima&amp;li</source>
        <translation>Decimal p&amp;laces</translation>
    </message>
    <message>
        <source>Simbolo deci&amp;mali</source>
        <translation>Deci&amp;mal symbol</translation>
    </message>
    <message>
        <source>Raggruppamento ci&amp;fre</source>
        <translation>Digit g&amp;rouping</translation>
    </message>
    <message>
        <source>Simbolo decimali</source>
        <translation>Decimal symbol</translation>
    </message>
    <message>
        <source>Errore nel simbolo dei decimali</source>
        <translation>Error in the decimal symbol</translation>
    </message>
    <message>
        <source>Il simbolo dei decimali e raggruppamento cifre non possono essere uguali!</source>
        <translation>The decimal symbol and the digit grouping symbol cannot be the same!</translation>
    </message>
</context>
<context>
    <name>CRappMovDialog</name>
    <message>
        <source>&amp;Da</source>
        <translation>&amp;From</translation>
    </message>
    <message>
        <source>&amp;A</source>
        <translation>&amp;To</translation>
    </message>
    <message>
        <source>Per &amp;Categoria</source>
        <translation>By &amp;Category</translation>
    </message>
    <message>
        <source>Per A&amp;rticolo</source>
        <translation>By &amp;Item</translation>
    </message>
    <message>
        <source>Per Cliente e &amp;Fornitore</source>
        <translation>By Customer and &amp;Supplier</translation>
    </message>
    <message>
        <source>Per R&amp;eparto</source>
        <translation>By &amp;Department</translation>
    </message>
    <message>
        <source>Per &amp;Scaffale</source>
        <translation>By S&amp;helf</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A&amp;iuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Rapporto Movimenti</source>
        <translation>Movement Report</translation>
    </message>
</context>
<context>
    <name>CSceltaValuta</name>
    <message>
        <source>Stampa Valuta Documento</source>
        <translation>Document Currency Print</translation>
    </message>
    <message>
        <source>Scegliere la stampa della valuta del documento</source>
        <translation>Choose the currency the document is printed in</translation>
    </message>
    <message>
        <source>Valuta &amp;Base</source>
        <translation>&amp;Base currency</translation>
    </message>
    <message>
        <source>Valuta &amp;Documento</source>
        <translation>&amp;Document currency</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CStampaAnaDialog</name>
    <message>
        <source>Impostazione Stampa</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>&amp;Da Data:</source>
        <translation>&amp;From date:</translation>
    </message>
    <message>
        <source>&amp;Fino a Data:</source>
        <translation>&amp;To date:</translation>
    </message>
    <message>
        <source>&amp;Stampa tutte le righe</source>
        <translation>&amp;Print all rows</translation>
    </message>
    <message>
        <source>S&amp;tampa solo le righe selezionate</source>
        <translation>Print only the &amp;selected rows</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CStampaDialog</name>
    <message>
        <source>&amp;Stampa tutte le righe</source>
        <translation>&amp;Print all rows</translation>
    </message>
    <message>
        <source>S&amp;tampa solo le righe selezionate</source>
        <translation>Print only the &amp;selected rows</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Impostazione Stampa</source>
        <translation>Print Settings</translation>
    </message>
</context>
<context>
    <name>CValutaDialog</name>
    <message>
        <source>Valute e Numeri</source>
        <translation>Currencies and Numbers</translation>
    </message>
    <message>
        <source>Cambio</source>
        <translation>Exchange rate</translation>
    </message>
    <message>
        <source>1 %1 vale</source>
        <translation>1 %1 is worth</translation>
    </message>
    <message>
        <source>Apri Cambio Valute</source>
        <translation>Open Currency Converter</translation>
    </message>
    <message>
        <source>Agg&amp;iorna valori nel documento</source>
        <translation>&amp;Update the amounts in the document</translation>
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
    <name>DocumentPrinter</name>
    <message>
        <source>Anteprima di Stampa - Quarzil</source>
        <translation>Print Preview - Quarzil</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Salva il documento come file PDF</source>
        <translation>Save the document as a PDF file</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Impossibile stampare il documento: la stampante non è disponibile.</source>
        <translation>Cannot print the document: the printer is not available.</translation>
    </message>
    <message>
        <source>Salva come PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FieldHelpers</name>
    <message>
        <source>Il campo non può essere più lungo di %1 caratteri!</source>
        <translation>The field cannot be longer than %1 characters!</translation>
    </message>
</context>
<context>
    <name>MovementDocuments</name>
    <message>
        <source>Questa stampa non è un documento di un movimento.</source>
        <translation>This print is not a movement document.</translation>
    </message>
    <message>
        <source>Il movimento %1 non esiste.</source>
        <translation>Movement %1 does not exist.</translation>
    </message>
    <message>
        <source>Impossibile leggere il movimento %1: %2</source>
        <translation>Cannot read movement %1: %2</translation>
    </message>
    <message>
        <source>Impossibile leggere i movimenti: %1</source>
        <translation>Cannot read the movements: %1</translation>
    </message>
</context>
<context>
    <name>MovementPrints</name>
    <message>
        <source>Impossibile leggere i dati da stampare.</source>
        <translation>Cannot read the data to print.</translation>
    </message>
</context>
<context>
    <name>PageCount</name>
    <message>
        <source>Non ci sono dati da stampare!</source>
        <translation>There is no data to print!</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Il carattere di stampa &quot;%1&quot; non è installato (trovato &quot;%2&quot;): installare il pacchetto fonts-liberation2.</source>
        <translation>The print font &quot;%1&quot; is not installed (found &quot;%2&quot;): install the fonts-liberation2 package.</translation>
    </message>
</context>
<context>
    <name>PeriodMessages</name>
    <message>
        <source>La data finale deve essere maggiore della data iniziale!</source>
        <translation>The end date must be later than the start date!</translation>
    </message>
    <message>
        <source>La data finale deve essere maggiore di almeno un giorno della data iniziale!</source>
        <translation>The end date must be at least one day later than the start date!</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>Impossibile creare il documento PDF %1.</source>
        <translation>Cannot create the PDF document %1.</translation>
    </message>
</context>
</TS>
