<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it_IT">
<context>
    <name>AgendaLayout</name>
    <message>
        <source>Il campo non può avere valore nullo!</source>
        <translation>¡El campo no puede estar vacío!</translation>
    </message>
    <message>
        <source>Problema nelle date o orari, impossibile salvare!</source>
        <translation>Problema con las fechas u horas, ¡no se puede guardar!</translation>
    </message>
    <message>
        <source>La durata della scadenza è minore di 15 minuti, verrà quindi adattata per avere la durata di almeno un quarto d&apos;ora!</source>
        <translation>La duración del vencimiento es inferior a 15 minutos, ¡se ajustará para que dure al menos un cuarto de hora!</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati in agenda!</source>
        <translation>¡No se pueden guardar los datos en la agenda!</translation>
    </message>
    <message>
        <source>Appuntamento</source>
        <translation>Cita</translation>
    </message>
    <message>
        <source>Scadenza</source>
        <translation>Vencimiento</translation>
    </message>
    <message>
        <source>Pagamento</source>
        <translation>Pago</translation>
    </message>
</context>
<context>
    <name>AnaListModel</name>
    <message>
        <source>Ragione Sociale</source>
        <translation>Razón Social</translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Comune</source>
        <translation>Municipio</translation>
    </message>
    <message>
        <source>Telefono</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Codice Fiscale</source>
        <translation>NIF</translation>
    </message>
    <message>
        <source>Partita IVA</source>
        <translation>CIF/NIF-IVA</translation>
    </message>
</context>
<context>
    <name>AnaMovements</name>
    <message>
        <source>Carico</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Scarico</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Reso</source>
        <translation>Devolución</translation>
    </message>
</context>
<context>
    <name>CAgendaView</name>
    <message>
        <source>Agenda - Quarzil</source>
        <translation>Agenda - Quarzil</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;agenda del giorno!
%1</source>
        <translation>¡No se puede leer la agenda del día!
%1</translation>
    </message>
    <message>
        <source>La scadenza selezionata non è più presente in agenda!</source>
        <translation>¡El vencimiento seleccionado ya no está en la agenda!</translation>
    </message>
    <message>
        <source>Impossibile leggere la scadenza selezionata!
%1</source>
        <translation>¡No se puede leer el vencimiento seleccionado!
%1</translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente la scadenza selezionata?</source>
        <translation>¿Desea eliminar definitivamente el vencimiento seleccionado?</translation>
    </message>
    <message>
        <source>Impossibile eliminare la scadenza selezionata!
%1</source>
        <translation>¡No se puede eliminar el vencimiento seleccionado!
%1</translation>
    </message>
</context>
<context>
    <name>CAnaMovBar</name>
    <message>
        <source>Numero</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Tipo di Movimento</source>
        <translation>Tipo de Movimiento</translation>
    </message>
    <message>
        <source>Ultimi 250 movimenti di magazzino</source>
        <translation>Últimos 250 movimientos de almacén</translation>
    </message>
</context>
<context>
    <name>CAnagraficaDialog</name>
    <message>
        <source>&amp;Codice</source>
        <translation>&amp;Código</translation>
    </message>
    <message>
        <source>&amp;Rag.Soc.</source>
        <translation>&amp;Razón Soc.</translation>
    </message>
    <message>
        <source>Valore Richiesto</source>
        <translation>Valor Obligatorio</translation>
    </message>
    <message>
        <source>&amp;Indirizzo</source>
        <translation>&amp;Dirección</translation>
    </message>
    <message>
        <source>Es. Via Giuseppe Garibaldi, 25</source>
        <translation>Ej. Via Giuseppe Garibaldi, 25</translation>
    </message>
    <message>
        <source>Co&amp;mune</source>
        <translation>&amp;Municipio</translation>
    </message>
    <message>
        <source>Es. 20121 Milano (MI)</source>
        <translation>Ej. 20121 Milano (MI)</translation>
    </message>
    <message>
        <source>&amp;Telefono</source>
        <translation>&amp;Teléfono</translation>
    </message>
    <message>
        <source>Ce&amp;llulare</source>
        <translation>Mó&amp;vil</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>&amp;Sito Web</source>
        <translation>&amp;Sitio Web</translation>
    </message>
    <message>
        <source>C&amp;od.Fisc</source>
        <translation>N&amp;IF</translation>
    </message>
    <message>
        <source>&amp;Part.IVA</source>
        <translation>C&amp;IF-IVA</translation>
    </message>
    <message>
        <source>&amp;Banca</source>
        <translation>&amp;Banco</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>Sco&amp;nto</source>
        <translation>Descuent&amp;o</translation>
    </message>
    <message>
        <source>Inserire qui le note. Premere Ctrl+Invio per inserire una nuova riga</source>
        <translation>Escriba aquí las notas. Pulse Ctrl+Intro para una nueva línea</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Errore codice</source>
        <translation>Error de código</translation>
    </message>
    <message>
        <source>Il codice è duplicato, scegliere un altro valore!</source>
        <translation>El código está duplicado, ¡elija otro valor!</translation>
    </message>
    <message>
        <source>Errore ragione sociale</source>
        <translation>Error de razón social</translation>
    </message>
    <message>
        <source>La ragione sociale non può avere un valore nullo!</source>
        <translation>¡La razón social no puede estar vacía!</translation>
    </message>
    <message>
        <source>Gestione Anagrafica</source>
        <translation>Gestión de Ficha</translation>
    </message>
</context>
<context>
    <name>CAnagraficheView</name>
    <message>
        <source>Inserisci Nuovo Cliente ( F3 )</source>
        <translation>Nuevo Cliente ( F3 )</translation>
    </message>
    <message>
        <source>Inserisci Nuovo Fornitore ( F4 )</source>
        <translation>Nuevo Proveedor ( F4 )</translation>
    </message>
    <message>
        <source>Apri Anagrafica Selezionata ( Invio )</source>
        <translation>Abrir Ficha Seleccionada ( Intro )</translation>
    </message>
    <message>
        <source>Elimina Anagrafiche Selezionate ( Ctrl+D )</source>
        <translation>Eliminar Fichas Seleccionadas ( Ctrl+D )</translation>
    </message>
    <message>
        <source>Trova Anagrafica ( F6 )</source>
        <translation>Buscar Ficha ( F6 )</translation>
    </message>
    <message>
        <source>Clienti</source>
        <translation>Clientes</translation>
    </message>
    <message>
        <source>Fornitori</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>Operai</source>
        <translation>Operarios</translation>
    </message>
    <message>
        <source>Vedi Tutti</source>
        <translation>Ver Todos</translation>
    </message>
    <message>
        <source>Anteprima Situazione</source>
        <translation>Vista Previa Situación</translation>
    </message>
    <message>
        <source>Stampa Situazione</source>
        <translation>Imprimir Situación</translation>
    </message>
    <message>
        <source>Anagrafiche - Quarzil</source>
        <translation>Clientes y Proveedores - Quarzil</translation>
    </message>
    <message>
        <source>Cliente o fornitore non trovato!</source>
        <translation>¡Cliente o proveedor no encontrado!</translation>
    </message>
</context>
<context>
    <name>CAppDialog</name>
    <message>
        <source>Appuntamenti e Scadenze</source>
        <translation>Citas y Vencimientos</translation>
    </message>
    <message>
        <source>&amp;Oggetto</source>
        <translation>&amp;Asunto</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>&amp;Inizio</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>CDdtDataDialog</name>
    <message>
        <source>Al massimo %1 caratteri</source>
        <translation>Como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>Trasporto</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>&amp;Causale</source>
        <translation>&amp;Motivo</translation>
    </message>
    <message>
        <source>&amp;Vettore</source>
        <translation>&amp;Transportista</translation>
    </message>
    <message>
        <source>A&amp;spetto</source>
        <translation>As&amp;pecto</translation>
    </message>
    <message>
        <source>&amp;Porto</source>
        <translation>&amp;Portes</translation>
    </message>
    <message>
        <source>C&amp;olli</source>
        <translation>B&amp;ultos</translation>
    </message>
    <message>
        <source>P&amp;eso</source>
        <translation>P&amp;eso</translation>
    </message>
    <message>
        <source>Fattura</source>
        <translation>Factura</translation>
    </message>
    <message>
        <source>&amp;Titolo</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>Con&amp;dizioni di pagamento</source>
        <translation>Con&amp;diciones de pago</translation>
    </message>
    <message>
        <source>&amp;Banca</source>
        <translation>&amp;Banco</translation>
    </message>
    <message>
        <source>&amp;IBAN</source>
        <translation>&amp;IBAN</translation>
    </message>
    <message>
        <source>Destinazione diversa</source>
        <translation>Destino diferente</translation>
    </message>
    <message>
        <source>&amp;Ragione sociale</source>
        <translation>&amp;Razón social</translation>
    </message>
    <message>
        <source>I&amp;ndirizzo</source>
        <translation>Dire&amp;cción</translation>
    </message>
    <message>
        <source>Co&amp;mune</source>
        <translation>&amp;Municipio</translation>
    </message>
    <message>
        <source>Righe a piè di fattura</source>
        <translation>Líneas al pie de la factura</translation>
    </message>
    <message>
        <source>a sinistra</source>
        <translation>a la izquierda</translation>
    </message>
    <message>
        <source>a destra</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>Riga &amp;1</source>
        <translation>Línea &amp;1</translation>
    </message>
    <message>
        <source>Riga &amp;2</source>
        <translation>Línea &amp;2</translation>
    </message>
    <message>
        <source>Riga &amp;3</source>
        <translation>Línea &amp;3</translation>
    </message>
    <message>
        <source>Riga &amp;4</source>
        <translation>Línea &amp;4</translation>
    </message>
    <message>
        <source>Fattura in regime di vantaggio (minimi)</source>
        <translation>Factura en régimen simplificado (pequeños contribuyentes)</translation>
    </message>
    <message>
        <source>Riga 1</source>
        <translation>Línea 1</translation>
    </message>
    <message>
        <source>Riga 2</source>
        <translation>Línea 2</translation>
    </message>
    <message>
        <source>Riga 3</source>
        <translation>Línea 3</translation>
    </message>
    <message>
        <source>Testo Defa&amp;ult</source>
        <translation>Texto Predeterm&amp;inado</translation>
    </message>
    <message>
        <source>Riempie le righe a piè di fattura con i testi predefiniti</source>
        <translation>Rellena las líneas al pie de la factura con los textos predeterminados</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>C&amp;hiudi e Salva Testo Fattura</source>
        <translation>Ce&amp;rrar y Guardar Texto de Factura</translation>
    </message>
    <message>
        <source>Chiude e usa queste righe a piè di fattura anche per i nuovi scarichi</source>
        <translation>Cierra y usa estas líneas al pie de la factura también para las nuevas salidas</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Altri Dati</source>
        <translation>Otros Datos</translation>
    </message>
</context>
<context>
    <name>CFiltroMovDialog</name>
    <message>
        <source>Filtro Dati</source>
        <translation>Filtro de Datos</translation>
    </message>
    <message>
        <source>&amp;Inizio</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CMovRowBar</name>
    <message>
        <source>Articolo</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Righe del movimento</source>
        <translation>Líneas del movimiento</translation>
    </message>
</context>
<context>
    <name>CMovimentiDialog</name>
    <message>
        <source>Articolo</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Prezzo Un.</source>
        <translation>Precio Un.</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Fornitore</source>
        <translation>&amp;Proveedor</translation>
    </message>
    <message>
        <source>&amp;Cliente</source>
        <translation>&amp;Cliente</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Inserisci Fornitore</source>
        <translation>Nuevo Proveedor</translation>
    </message>
    <message>
        <source>Inserisci Cliente</source>
        <translation>Nuevo Cliente</translation>
    </message>
    <message>
        <source>Modifica Fornitore</source>
        <translation>Modificar Proveedor</translation>
    </message>
    <message>
        <source>Modifica Cliente</source>
        <translation>Modificar Cliente</translation>
    </message>
    <message>
        <source>Trova Fornitore</source>
        <translation>Buscar Proveedor</translation>
    </message>
    <message>
        <source>Trova Cliente</source>
        <translation>Buscar Cliente</translation>
    </message>
    <message>
        <source>&amp;Numero</source>
        <translation>&amp;Número</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Fecha</translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation>Código Artículo</translation>
    </message>
    <message>
        <source>Codice Fornitore</source>
        <translation>Código Proveedor</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Código de Barras</translation>
    </message>
    <message>
        <source>Inserisci Articolo</source>
        <translation>Nuevo Artículo</translation>
    </message>
    <message>
        <source>Modifica Articolo</source>
        <translation>Modificar Artículo</translation>
    </message>
    <message>
        <source>Trova Articolo</source>
        <translation>Buscar Artículo</translation>
    </message>
    <message>
        <source>Attiva o disattiva la modalità lettore con inserimento automatico della riga</source>
        <translation>Activa o desactiva el modo lector con inserción automática de la línea</translation>
    </message>
    <message>
        <source>Prezzo per singolo pezzo</source>
        <translation>Precio por unidad</translation>
    </message>
    <message>
        <source>Prezzo di Acquisto</source>
        <translation>Precio de Compra</translation>
    </message>
    <message>
        <source>Prezzo di Vendita</source>
        <translation>Precio de Venta</translation>
    </message>
    <message>
        <source>Prezzo Medio di Acquisto</source>
        <translation>Precio Medio de Compra</translation>
    </message>
    <message>
        <source>Prezzo Medio di Vendita</source>
        <translation>Precio Medio de Venta</translation>
    </message>
    <message>
        <source>Prezzo Medio Ponderato di Acquisto</source>
        <translation>Precio Medio Ponderado de Compra</translation>
    </message>
    <message>
        <source>Prezzo Medio Ponderato di Vendita</source>
        <translation>Precio Medio Ponderado de Venta</translation>
    </message>
    <message>
        <source>Ultimo Prezzo di Acquisto Utilizzato</source>
        <translation>Último Precio de Compra Utilizado</translation>
    </message>
    <message>
        <source>Ultimo Prezzo di Vendita Utilizzato</source>
        <translation>Último Precio de Venta Utilizado</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>&amp;Articolo</source>
        <translation>&amp;Artículo</translation>
    </message>
    <message>
        <source>&amp;Unità</source>
        <translation>&amp;Unidad</translation>
    </message>
    <message>
        <source>&amp;Quantità</source>
        <translation>Ca&amp;ntidad</translation>
    </message>
    <message>
        <source>Prezzo Ne&amp;tto</source>
        <translation>Precio Ne&amp;to</translation>
    </message>
    <message>
        <source>Prezzo &amp;Lordo</source>
        <translation>Precio &amp;Bruto</translation>
    </message>
    <message>
        <source>&amp;IVA</source>
        <translation>&amp;IVA</translation>
    </message>
    <message>
        <source>Scont&amp;o</source>
        <translation>Descuent&amp;o</translation>
    </message>
    <message>
        <source>N&amp;ote</source>
        <translation>N&amp;otas</translation>
    </message>
    <message>
        <source>Inserisci Riga (Ctrl+Ins)</source>
        <translation>Insertar Línea (Ctrl+Ins)</translation>
    </message>
    <message>
        <source>Salva Riga (Ctrl+S)</source>
        <translation>Guardar Línea (Ctrl+S)</translation>
    </message>
    <message>
        <source>Elimina Riga (Ctrl+Canc)</source>
        <translation>Eliminar Línea (Ctrl+Supr)</translation>
    </message>
    <message>
        <source>Consente di inserire gli altri dati come il vettore o la causale (Ctrl+D)</source>
        <translation>Permite introducir los otros datos como el transportista o el motivo (Ctrl+D)</translation>
    </message>
    <message>
        <source>Permette di inserire una ricevuta fiscale invece di una fattura (Ctrl+R)</source>
        <translation>Permite introducir un ticket en lugar de una factura (Ctrl+R)</translation>
    </message>
    <message>
        <source>Pa&amp;gato</source>
        <translation>Pa&amp;gado</translation>
    </message>
    <message>
        <source>Stampa &amp;Fattura</source>
        <translation>Imprimir &amp;Factura</translation>
    </message>
    <message>
        <source>S&amp;tampa D.D.T.</source>
        <translation>Imprimir &amp;Albarán</translation>
    </message>
    <message>
        <source>OK (F2)</source>
        <translation>Aceptar (F2)</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Dati Carico</source>
        <translation>Datos de Entrada</translation>
    </message>
    <message>
        <source>Dati Reso</source>
        <translation>Datos de Devolución</translation>
    </message>
    <message>
        <source>Dati Scarico</source>
        <translation>Datos de Salida</translation>
    </message>
    <message>
        <source>Stampa Ricevuta</source>
        <translation>Imprimir Ticket</translation>
    </message>
    <message>
        <source>Giacenza %1</source>
        <translation>Existencias %1</translation>
    </message>
    <message>
        <source>L&apos;articolo con codice a barre %1 non è presente in archivio, volete inserirlo ora?</source>
        <translation>El artículo con código de barras %1 no está en el archivo, ¿desea añadirlo ahora?</translation>
    </message>
    <message>
        <source>Imponibile: </source>
        <translation>Base imponible: </translation>
    </message>
    <message>
        <source>Sconto: </source>
        <translation>Descuento: </translation>
    </message>
    <message>
        <source>Imposta: </source>
        <translation>Impuesto: </translation>
    </message>
    <message>
        <source>Totale: </source>
        <translation>Total: </translation>
    </message>
    <message>
        <source>Occorre selezionare un prodotto, se in archivio non ci sono ancora, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>Debe seleccionar un producto; si aún no hay en el archivo, ¡puede añadirlos con el botón junto a su lista!</translation>
    </message>
    <message>
        <source>Il prodotto è gestito con i codici seriali: la quantità deve essere un numero intero di pezzi!</source>
        <translation>El producto se gestiona con números de serie: ¡la cantidad debe ser un número entero de unidades!</translation>
    </message>
    <message>
        <source>In magazzino %1 solo %2 %3 di merce, si desidera comunque scaricare %4 %5 di prodotto?</source>
        <translation>En almacén %1 solo %2 %3 de mercancía, ¿desea dar salida igualmente a %4 %5 de producto?</translation>
    </message>
    <message>
        <source>c&apos;è</source>
        <translation>hay</translation>
    </message>
    <message>
        <source>ci sono</source>
        <translation>hay</translation>
    </message>
    <message>
        <source>In questa modalità ogni volta che si spara un codice a barre viene inserita una riga con l&apos;articolo trovato e la quantità indicata, per questo motivo è necessario cambiare la quantità del prodotto da inserire prima di sparare l&apos;articolo.</source>
        <translation>En este modo, cada vez que se escanea un código de barras se inserta una línea con el artículo encontrado y la cantidad indicada; por eso hay que cambiar la cantidad del producto antes de escanear el artículo.</translation>
    </message>
    <message>
        <source>Fornitore non trovato!</source>
        <translation>¡Proveedor no encontrado!</translation>
    </message>
    <message>
        <source>Cliente non trovato!</source>
        <translation>¡Cliente no encontrado!</translation>
    </message>
    <message>
        <source>Articolo non trovato!</source>
        <translation>¡Artículo no encontrado!</translation>
    </message>
    <message>
        <source>Il numero del movimento è obbligatorio!</source>
        <translation>¡El número del movimiento es obligatorio!</translation>
    </message>
    <message>
        <source>Occorre inserire il cliente o fornitore della fattura!</source>
        <translation>¡Debe introducir el cliente o proveedor de la factura!</translation>
    </message>
    <message>
        <source>Occorre inserire almeno una riga nel movimento!</source>
        <translation>¡Debe introducir al menos una línea en el movimiento!</translation>
    </message>
    <message>
        <source>Gli articoli e le anagrafiche inseriti o modificati da questa finestra vengono annullati insieme al movimento. Annullare comunque il movimento?</source>
        <translation>Los artículos y las fichas añadidos o modificados desde esta ventana se anulan junto con el movimiento. ¿Anular el movimiento de todos modos?</translation>
    </message>
</context>
<context>
    <name>CMovimentiView</name>
    <message>
        <source>Nuovo Carico ( F2 )</source>
        <translation>Nueva Entrada ( F2 )</translation>
    </message>
    <message>
        <source>Nuovo Scarico ( F3 )</source>
        <translation>Nueva Salida ( F3 )</translation>
    </message>
    <message>
        <source>Nuovo Reso ( F4 )</source>
        <translation>Nueva Devolución ( F4 )</translation>
    </message>
    <message>
        <source>Apri Movimento Selezionato ( Invio )</source>
        <translation>Abrir Movimiento Seleccionado ( Intro )</translation>
    </message>
    <message>
        <source>Elimina Movimenti Selezionati ( Ctrl+D )</source>
        <translation>Eliminar Movimientos Seleccionados ( Ctrl+D )</translation>
    </message>
    <message>
        <source>Filtro Date</source>
        <translation>Filtro de Fechas</translation>
    </message>
    <message>
        <source>Trova Movimento ( F6 )</source>
        <translation>Buscar Movimiento ( F6 )</translation>
    </message>
    <message>
        <source>Fatturazione Elettronica!</source>
        <translation>¡Facturación Electrónica!</translation>
    </message>
    <message>
        <source>Movimenti di Magazzino - Quarzil</source>
        <translation>Movimientos de Almacén - Quarzil</translation>
    </message>
    <message>
        <source>Impossibile eliminare %1 dei movimenti selezionati: %2</source>
        <translation>No se pueden eliminar %1 de los movimientos seleccionados: %2</translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora prodotti, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>Aún no hay productos en el archivo, ¡puede añadirlos con el botón junto a su lista!</translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora fornitori, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>Aún no hay proveedores en el archivo, ¡puede añadirlos con el botón junto a su lista!</translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora clienti, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>Aún no hay clientes en el archivo, ¡puede añadirlos con el botón junto a su lista!</translation>
    </message>
    <message>
        <source>Il movimento è stato salvato, ma il numero %1 è già stato dato a un altro movimento dello stesso tipo del %2 (forse salvato nello stesso momento da un altro computer). Correggere il numero di uno dei due se serve.</source>
        <translation>El movimiento se ha guardado, pero el número %1 ya se ha asignado a otro movimiento del mismo tipo de %2 (quizá guardado en el mismo momento en otro ordenador). Corrija el número de uno de los dos si es necesario.</translation>
    </message>
</context>
<context>
    <name>EasterCache</name>
    <message>
        <source>Giorno di pasqua nel %1: %2 %3</source>
        <translation>Domingo de Pascua en %1: %2 de %3</translation>
    </message>
</context>
<context>
    <name>MovListModel</name>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Cliente / Fornitore</source>
        <translation>Cliente / Proveedor</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>- Ricevuta -</source>
        <translation>- Ticket -</translation>
    </message>
</context>
<context>
    <name>MovementMessages</name>
    <message>
        <source>Numero massimo di righe permesse per movimento 250, creare un nuovo movimento!</source>
        <translation>Máximo 250 líneas por movimiento, ¡cree un nuevo movimiento!</translation>
    </message>
    <message>
        <source>Occorre inserire la quantità!</source>
        <translation>¡Debe introducir la cantidad!</translation>
    </message>
    <message>
        <source>Occorre inserire una quantità superiore a zero!</source>
        <translation>¡Debe introducir una cantidad mayor que cero!</translation>
    </message>
    <message>
        <source>Errore nell&apos;inserimento della riga!</source>
        <translation>¡Error al insertar la línea!</translation>
    </message>
    <message>
        <source>Errore nel salvataggio della riga!</source>
        <translation>¡Error al guardar la línea!</translation>
    </message>
    <message>
        <source>Impossibile eliminare la riga selezionata!</source>
        <translation>¡No se puede eliminar la línea seleccionada!</translation>
    </message>
    <message>
        <source>Impossibile inserire il carico!</source>
        <translation>¡No se puede insertar la entrada!</translation>
    </message>
    <message>
        <source>Non ci sono le unità di misura in archivio!</source>
        <translation>¡No hay unidades de medida en el archivo!</translation>
    </message>
    <message>
        <source>Impossibile avviare la transazione!</source>
        <translation>¡No se puede iniciar la transacción!</translation>
    </message>
    <message>
        <source>Impossibile salvare il carico!</source>
        <translation>¡No se puede guardar la entrada!</translation>
    </message>
    <message>
        <source>Impossibile salvare la transazione!</source>
        <translation>¡No se puede guardar la transacción!</translation>
    </message>
    <message>
        <source>Impossibile inserire lo scarico!</source>
        <translation>¡No se puede insertar la salida!</translation>
    </message>
    <message>
        <source>Impossibile salvare lo scarico!</source>
        <translation>¡No se puede guardar la salida!</translation>
    </message>
    <message>
        <source>Impossibile inserire il reso!</source>
        <translation>¡No se puede insertar la devolución!</translation>
    </message>
    <message>
        <source>Impossibile salvare il reso!</source>
        <translation>¡No se puede guardar la devolución!</translation>
    </message>
    <message>
        <source>Impossibile salvare il movimento!</source>
        <translation>¡No se puede guardar el movimiento!</translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente il valore o i valori selezionati?</source>
        <translation>¿Desea eliminar definitivamente el valor o los valores seleccionados?</translation>
    </message>
    <message>
        <source>Movimento non trovato!</source>
        <translation>¡Movimiento no encontrado!</translation>
    </message>
</context>
</TS>
