<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it_IT">
<context>
    <name>ArchiveBackup</name>
    <message>
        <source>il catalogo è alla versione %1, la copia si fa solo alla versione %2</source>
        <translation>el catálogo está en la versión %1; la copia solo se hace en la versión %2</translation>
    </message>
    <message>
        <source>la copia è danneggiata: %1</source>
        <translation>la copia está dañada: %1</translation>
    </message>
    <message>
        <source>la copia è alla versione %1 invece che alla %2</source>
        <translation>la copia está en la versión %1 en lugar de la %2</translation>
    </message>
    <message>
        <source>nessun archivio aperto</source>
        <translation>ningún archivo abierto</translation>
    </message>
    <message>
        <source>una transazione è aperta: la copia si fa dopo</source>
        <translation>hay una transacción abierta: la copia se hace después</translation>
    </message>
    <message>
        <source>la copia non può prendere il posto dell&apos;archivio stesso</source>
        <translation>la copia no puede sustituir al propio archivo</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Informazioni su Quarzil</source>
        <translation>Acerca de Quarzil</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quarzil&lt;/b&gt; Versione 3.2&lt;br&gt;Software per il Magazzino&lt;br&gt;&lt;br&gt;Copyright © Norvisk</source>
        <translation>&lt;b&gt;Quarzil&lt;/b&gt; Versión 3.2&lt;br&gt;Software de gestión de almacén&lt;br&gt;&lt;br&gt;Copyright © Norvisk</translation>
    </message>
</context>
<context>
    <name>CAggiornamentoDlg</name>
    <message>
        <source>Aggiornamento Archivio</source>
        <translation>Actualización del archivo</translation>
    </message>
    <message>
        <source>Attendere prego, stiamo ottimizzando i dati...</source>
        <translation>Espere, por favor: estamos optimizando los datos...</translation>
    </message>
</context>
<context>
    <name>CCommentiDialog</name>
    <message>
        <source>Commenti e suggerimenti</source>
        <translation>Comentarios y sugerencias</translation>
    </message>
    <message>
        <source>Le informazioni vengono inviate al produttore insieme a un rapporto sul sistema, senza password e senza dati dell&apos;archivio.</source>
        <translation>La información se envía al fabricante junto con un informe del sistema, sin contraseñas ni datos del archivo.</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CConnDataDlg</name>
    <message>
        <source>Connessione a file &amp;SQLite</source>
        <translation>Conexión a archivo &amp;SQLite</translation>
    </message>
    <message>
        <source>Connessione a server Postgre&amp;SQL</source>
        <translation>Conexión a servidor Postgre&amp;SQL</translation>
    </message>
    <message>
        <source>A&amp;pri...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <source>host[:porta]</source>
        <translation>host[:puerto]</translation>
    </message>
    <message>
        <source>Installa nuovo Database vuoto di Quarzil sul Server</source>
        <translation>Instalar una nueva base de datos vacía de Quarzil en el servidor</translation>
    </message>
    <message>
        <source>&amp;Server</source>
        <translation>&amp;Servidor</translation>
    </message>
    <message>
        <source>&amp;Utente</source>
        <translation>&amp;Usuario</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Contrase&amp;ña</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Base de datos</translation>
    </message>
    <message>
        <source>Avan&amp;zate</source>
        <translation>A&amp;vanzadas</translation>
    </message>
    <message>
        <source>Importa archivio Access (.mdb)...</source>
        <translation>Importar archivo Access (.mdb)...</translation>
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
    <message>
        <source>Selezione File Database</source>
        <translation>Seleccionar archivo de base de datos</translation>
    </message>
    <message>
        <source>Database Quarzil (*.db *.sqlite)</source>
        <translation>Base de datos Quarzil (*.db *.sqlite)</translation>
    </message>
    <message>
        <source>Errore nell&apos;importazione: %1</source>
        <translation>Error en la importación: %1</translation>
    </message>
    <message>
        <source>Database %1 su %2 creato con successo!</source>
        <translation>¡Base de datos %1 en %2 creada correctamente!</translation>
    </message>
    <message>
        <source>server locale</source>
        <translation>servidor local</translation>
    </message>
    <message>
        <source>Errore OleDB sconosciuto!</source>
        <translation>¡Error OleDB desconocido!</translation>
    </message>
</context>
<context>
    <name>CConnStringDlg</name>
    <message>
        <source>&amp;Stringa di connessione:</source>
        <translation>Cadena de &amp;conexión:</translation>
    </message>
    <message>
        <source>Provider=QSQLITE;Data Source=&lt;file&gt;
Provider=QPSQL;Data Source=&lt;host&gt;[:porta];Initial Catalog=&lt;database&gt;;User ID=&lt;utente&gt;;Password=&lt;password&gt;
Un valore che contiene &apos;;&apos; va tra virgolette doppie, ogni virgoletta raddoppiata.</source>
        <translation>Provider=QSQLITE;Data Source=&lt;archivo&gt;
Provider=QPSQL;Data Source=&lt;host&gt;[:puerto];Initial Catalog=&lt;base de datos&gt;;User ID=&lt;usuario&gt;;Password=&lt;contraseña&gt;
Un valor que contiene &apos;;&apos; va entre comillas dobles, con cada comilla duplicada.</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CDownloadDialog</name>
    <message>
        <source>Aggiornamento del programma</source>
        <translation>Actualización del programa</translation>
    </message>
    <message>
        <source>Scaricamento di %1 in corso...</source>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>&amp;Interrompi</source>
        <translation>&amp;Interrumpir</translation>
    </message>
</context>
<context>
    <name>CInfoDlg</name>
    <message>
        <source>Notizie</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <source>Fare clic per saperne di più</source>
        <translation>Haga clic para saber más</translation>
    </message>
</context>
<context>
    <name>CKeyedListView</name>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati!</source>
        <translation>¡No se puede eliminar el valor o los valores seleccionados!</translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati perché utilizzati nei movimenti!</source>
        <translation>¡No se puede eliminar el valor o los valores seleccionados porque se usan en los movimientos!</translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati perché utilizzati negli ordini!</source>
        <translation>¡No se puede eliminar el valor o los valores seleccionados porque se usan en los pedidos!</translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente il valore o i valori selezionati?</source>
        <translation>¿Desea eliminar definitivamente el valor o los valores seleccionados?</translation>
    </message>
</context>
<context>
    <name>CMainApp</name>
    <message>
        <source>L&apos;archivio dati è di una versione più recente e per questo occorre aggiornare il programma, continuare?</source>
        <translation>El archivo de datos es de una versión más reciente, por lo que hay que actualizar el programa. ¿Continuar?</translation>
    </message>
    <message>
        <source>Il lettore di codici a barre sulla porta %1 non risponde: è scollegato o spento? I codici saranno letti di nuovo appena sarà ricollegato.</source>
        <translation>El lector de códigos de barras del puerto %1 no responde: ¿está desconectado o apagado? Los códigos se volverán a leer en cuanto se reconecte.</translation>
    </message>
    <message>
        <source>Per motivi di sincronizzazione dati una sola istanza, per computer, dell&apos;applicazione può essere avviata!</source>
        <translation>Por motivos de sincronización de datos, ¡solo se puede iniciar una instancia de la aplicación por ordenador!</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella dei dati %1!</source>
        <translation>¡No se puede crear la carpeta de datos %1!</translation>
    </message>
    <message>
        <source>Consiglio di connettere il computer ad internet per avere più caratteristiche del software e controllare gli ultimi aggiornamenti!</source>
        <translation>¡Se recomienda conectar el ordenador a internet para disponer de más funciones y comprobar las últimas actualizaciones!</translation>
    </message>
    <message>
        <source>Errore nell&apos;aggiornare il database alla versione attuale del programma, impossibile continuare!</source>
        <translation>Error al actualizar la base de datos a la versión actual del programa: ¡no se puede continuar!</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio dei dati!

%1: %2</source>
        <translation>¡No se puede abrir el archivo de datos!

%1: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Magazzino - Quarzil</source>
        <translation>Almacén - Quarzil</translation>
    </message>
    <message>
        <source>Movimenti di magazzino</source>
        <translation>Movimientos de almacén</translation>
    </message>
    <message>
        <source>Righe del movimento</source>
        <translation>Líneas del movimiento</translation>
    </message>
    <message>
        <source>Ultimi 250 movimenti di magazzino</source>
        <translation>Últimos 250 movimientos de almacén</translation>
    </message>
    <message>
        <source>Calendario</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Si consiglia di collegare il computer ad internet per verificare la presenza di aggiornamenti!</source>
        <translation>¡Se recomienda conectar el ordenador a internet para comprobar si hay actualizaciones!</translation>
    </message>
    <message>
        <source>Impossibile caricare la traduzione: l&apos;interfaccia resta in italiano.</source>
        <translation>No se puede cargar la traducción: la interfaz sigue en italiano.</translation>
    </message>
    <message>
        <source>Salva Dati</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Database Quarzil (*.db *.sqlite)</source>
        <translation>Base de datos Quarzil (*.db *.sqlite)</translation>
    </message>
    <message>
        <source>Archivio dati salvato con successo!</source>
        <translation>¡Archivo de datos guardado correctamente!</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;archivio dati!</source>
        <translation>¡No se puede guardar el archivo de datos!</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Stile</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Stiamo effettuando il conteggio dei dati...</source>
        <translation>Contando los datos...</translation>
    </message>
    <message>
        <source>Conteggio Dati</source>
        <translation>Recuento de datos</translation>
    </message>
    <message>
        <source>Per visualizzare il manuale online premere F1</source>
        <translation>Pulse F1 para ver el manual en línea</translation>
    </message>
</context>
<context>
    <name>CRelNotesDialog</name>
    <message>
        <source>Aggiornamenti </source>
        <translation>Actualizaciones </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>Menu dell&apos;applicazione</source>
        <translation>Menú de la aplicación</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Software per il Magazzino</source>
        <translation>Software de gestión de almacén</translation>
    </message>
</context>
<context>
    <name>CTrovaDialog</name>
    <message>
        <source>Trova</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cerca un prodotto che ha matricola</source>
        <translation>Buscar un producto cuyo código es</translation>
    </message>
    <message>
        <source>e che ha descrizione</source>
        <translation>y cuya descripción es</translation>
    </message>
    <message>
        <source>e che ha codice a barre</source>
        <translation>y cuyo código de barras es</translation>
    </message>
    <message>
        <source>Cerca un cliente o fornitore che ha ragione sociale</source>
        <translation>Buscar un cliente o proveedor cuya razón social es</translation>
    </message>
    <message>
        <source>oppure che ha codice fiscale</source>
        <translation>o cuyo NIF es</translation>
    </message>
    <message>
        <source>Non utilizzato in questa ricerca</source>
        <translation>No se usa en esta búsqueda</translation>
    </message>
    <message>
        <source>Cerca un movimento che ha data</source>
        <translation>Buscar un movimiento cuya fecha es</translation>
    </message>
    <message>
        <source>oppure che ha numero</source>
        <translation>o cuyo número es</translation>
    </message>
    <message>
        <source>Per più valori utilizzare il carattere jolly *</source>
        <translation>Para varios valores use el comodín *</translation>
    </message>
    <message>
        <source>&amp;Inizia la ricerca dalla prima riga</source>
        <translation>&amp;Empezar la búsqueda desde la primera fila</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>CatalogCreator</name>
    <message>
        <source>Database modello non trovato: %1</source>
        <translation>Base de datos modelo no encontrada: %1</translation>
    </message>
    <message>
        <source>Impossibile copiare il database modello %1</source>
        <translation>No se puede copiar la base de datos modelo %1</translation>
    </message>
    <message>
        <source>Scrivere il nome del nuovo Database.</source>
        <translation>Escriba el nombre de la nueva base de datos.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Aggiorna</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Aggiorna la lista</source>
        <translation>Actualiza la lista</translation>
    </message>
    <message>
        <source>Connessione Dati</source>
        <translation>Conexión de datos</translation>
    </message>
    <message>
        <source>Scegli l&apos;archivio dei dati</source>
        <translation>Elige el archivo de datos</translation>
    </message>
    <message>
        <source>Importa archivio Access (.mdb)...</source>
        <translation>Importar archivo Access (.mdb)...</translation>
    </message>
    <message>
        <source>Importa in un nuovo archivio i dati del programma per Windows</source>
        <translation>Importa en un nuevo archivo los datos del programa para Windows</translation>
    </message>
    <message>
        <source>Dati Aziendali</source>
        <translation>Datos de la empresa</translation>
    </message>
    <message>
        <source>Dati dell&apos;azienda, valute e formati dei numeri</source>
        <translation>Datos de la empresa, monedas y formatos de números</translation>
    </message>
    <message>
        <source>Unità di Misura</source>
        <translation>Unidades de medida</translation>
    </message>
    <message>
        <source>Gestione delle unità di misura</source>
        <translation>Gestión de las unidades de medida</translation>
    </message>
    <message>
        <source>Backup Dati</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Salva una copia dell&apos;archivio dei dati</source>
        <translation>Guarda una copia del archivo de datos</translation>
    </message>
    <message>
        <source>Lettore a Barre...</source>
        <translation>Lector de códigos de barras...</translation>
    </message>
    <message>
        <source>Sceglie il lettore di codici a barre: a tastiera o su porta seriale</source>
        <translation>Elige el lector de códigos de barras: de teclado o de puerto serie</translation>
    </message>
    <message>
        <source>A&amp;ggiornamenti</source>
        <translation>A&amp;ctualizaciones</translation>
    </message>
    <message>
        <source>Controlla la presenza di aggiornamenti</source>
        <translation>Comprueba si hay actualizaciones</translation>
    </message>
    <message>
        <source>Manuale &amp;utente</source>
        <translation>&amp;Manual del usuario</translation>
    </message>
    <message>
        <source>Apre il manuale online</source>
        <translation>Abre el manual en línea</translation>
    </message>
    <message>
        <source>Commenti e &amp;suggerimenti</source>
        <translation>Comentarios y &amp;sugerencias</translation>
    </message>
    <message>
        <source>Invia un commento o un suggerimento</source>
        <translation>Envía un comentario o una sugerencia</translation>
    </message>
    <message>
        <source>Invia statistiche d&apos;uso &amp;anonime</source>
        <translation>Enviar estadísticas de uso &amp;anónimas</translation>
    </message>
    <message>
        <source>Invia ogni minuto al produttore il numero di articoli e di movimenti</source>
        <translation>Envía cada minuto al fabricante el número de artículos y de movimientos</translation>
    </message>
    <message>
        <source>Pagina Facebook</source>
        <translation>Página de Facebook</translation>
    </message>
    <message>
        <source>Apre la pagina Facebook</source>
        <translation>Abre la página de Facebook</translation>
    </message>
    <message>
        <source>Canale YouTube</source>
        <translation>Canal de YouTube</translation>
    </message>
    <message>
        <source>Apre il canale YouTube</source>
        <translation>Abre el canal de YouTube</translation>
    </message>
    <message>
        <source>Segui Twitter</source>
        <translation>Seguir en Twitter</translation>
    </message>
    <message>
        <source>Apre la pagina Twitter</source>
        <translation>Abre la página de Twitter</translation>
    </message>
    <message>
        <source>Pagina Web</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Apre il sito web</source>
        <translation>Abre el sitio web</translation>
    </message>
    <message>
        <source>Sostieni il Progetto</source>
        <translation>Apoya el proyecto</translation>
    </message>
    <message>
        <source>Sostieni lo sviluppo del programma</source>
        <translation>Apoya el desarrollo del programa</translation>
    </message>
    <message>
        <source>&amp;Informazioni su Quarzil...</source>
        <translation>&amp;Acerca de Quarzil...</translation>
    </message>
    <message>
        <source>Versione e informazioni sul programma</source>
        <translation>Versión e información del programa</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Chiude il programma</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online della vista</source>
        <translation>Abre la ayuda en línea de la vista</translation>
    </message>
    <message>
        <source>Barra di stato</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Mostra o nasconde la barra di stato</source>
        <translation>Muestra u oculta la barra de estado</translation>
    </message>
    <message>
        <source>Barra dei movimenti</source>
        <translation>Barra de movimientos</translation>
    </message>
    <message>
        <source>Mostra o nasconde i movimenti del prodotto</source>
        <translation>Muestra u oculta los movimientos del producto</translation>
    </message>
    <message>
        <source>Barra delle righe</source>
        <translation>Barra de líneas</translation>
    </message>
    <message>
        <source>Mostra o nasconde le righe del movimento</source>
        <translation>Muestra u oculta las líneas del movimiento</translation>
    </message>
    <message>
        <source>Mostra o nasconde gli ultimi movimenti</source>
        <translation>Muestra u oculta los últimos movimientos</translation>
    </message>
    <message>
        <source>Barra delle scadenze</source>
        <translation>Barra de vencimientos</translation>
    </message>
    <message>
        <source>Mostra o nasconde il calendario</source>
        <translation>Muestra u oculta el calendario</translation>
    </message>
    <message>
        <source>Aiuto Online</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online del magazzino</source>
        <translation>Abre la ayuda en línea del almacén</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online dei movimenti</source>
        <translation>Abre la ayuda en línea de los movimientos</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online delle anagrafiche</source>
        <translation>Abre la ayuda en línea de clientes y proveedores</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online dell&apos;agenda</source>
        <translation>Abre la ayuda en línea de la agenda</translation>
    </message>
    <message>
        <source>Office 2007 (stile &amp;blu)</source>
        <translation>Office 2007 (estilo a&amp;zul)</translation>
    </message>
    <message>
        <source>Stile blu</source>
        <translation>Estilo azul</translation>
    </message>
    <message>
        <source>Office 2007 (sti&amp;le nero)</source>
        <translation>Office 2007 (estilo &amp;negro)</translation>
    </message>
    <message>
        <source>Stile nero</source>
        <translation>Estilo negro</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;stile grigio)</source>
        <translation>Office 2007 (estilo &amp;gris)</translation>
    </message>
    <message>
        <source>Stile grigio</source>
        <translation>Estilo gris</translation>
    </message>
    <message>
        <source>Office 2007 (stile &amp;azzurro)</source>
        <translation>Office 2007 (estilo &amp;celeste)</translation>
    </message>
    <message>
        <source>Stile azzurro</source>
        <translation>Estilo celeste</translation>
    </message>
    <message>
        <source>Stile del &amp;desktop</source>
        <translation>Estilo del &amp;escritorio</translation>
    </message>
    <message>
        <source>Stile del desktop</source>
        <translation>Estilo del escritorio</translation>
    </message>
    <message>
        <source>Inserisci Nuovo Prodotto</source>
        <translation>Insertar nuevo producto</translation>
    </message>
    <message>
        <source>Inserisci un nuovo prodotto</source>
        <translation>Inserta un nuevo producto</translation>
    </message>
    <message>
        <source>Apri Prodotto</source>
        <translation>Abrir producto</translation>
    </message>
    <message>
        <source>Apri il prodotto selezionato (Invio)</source>
        <translation>Abre el producto seleccionado (Intro)</translation>
    </message>
    <message>
        <source>Elimina Prodotto</source>
        <translation>Eliminar producto</translation>
    </message>
    <message>
        <source>Elimina i prodotti selezionati</source>
        <translation>Elimina los productos seleccionados</translation>
    </message>
    <message>
        <source>Cerca Prodotto</source>
        <translation>Buscar producto</translation>
    </message>
    <message>
        <source>Cerca un prodotto</source>
        <translation>Busca un producto</translation>
    </message>
    <message>
        <source>Filtro Prodotti</source>
        <translation>Filtro de productos</translation>
    </message>
    <message>
        <source>Imposta o toglie il filtro</source>
        <translation>Aplica o quita el filtro</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Esporta i prodotti</source>
        <translation>Exporta los productos</translation>
    </message>
    <message>
        <source>Importa</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Importa i prodotti</source>
        <translation>Importa los productos</translation>
    </message>
    <message>
        <source>Variazioni Veloci</source>
        <translation>Cambios rápidos</translation>
    </message>
    <message>
        <source>Variazioni di prezzi, IVA, ricarico e sconto</source>
        <translation>Cambios de precios, IVA, margen y descuento</translation>
    </message>
    <message>
        <source>Categoria e Reparto</source>
        <translation>Categoría y sección</translation>
    </message>
    <message>
        <source>Cambia categoria, reparto e scaffale</source>
        <translation>Cambia categoría, sección y estantería</translation>
    </message>
    <message>
        <source>Offerte e Promozioni</source>
        <translation>Ofertas y promociones</translation>
    </message>
    <message>
        <source>Offerte e promozioni</source>
        <translation>Ofertas y promociones</translation>
    </message>
    <message>
        <source>Anteprima Lista Prodotti</source>
        <translation>Vista previa de la lista de productos</translation>
    </message>
    <message>
        <source>Stampa Lista Prodotti</source>
        <translation>Imprimir lista de productos</translation>
    </message>
    <message>
        <source>Anteprima Valore Magazzino</source>
        <translation>Vista previa del valor de existencias</translation>
    </message>
    <message>
        <source>Stampa Valore Magazzino</source>
        <translation>Imprimir valor de existencias</translation>
    </message>
    <message>
        <source>Anteprima Storico Movimenti</source>
        <translation>Vista previa del historial de movimientos</translation>
    </message>
    <message>
        <source>Stampa Storico Movimenti</source>
        <translation>Imprimir historial de movimientos</translation>
    </message>
    <message>
        <source>Anteprima Etichette</source>
        <translation>Vista previa de etiquetas</translation>
    </message>
    <message>
        <source>Stampa Etichette</source>
        <translation>Imprimir etiquetas</translation>
    </message>
    <message>
        <source>Anteprima Listino Prezzi</source>
        <translation>Vista previa de la lista de precios</translation>
    </message>
    <message>
        <source>Stampa Listino Prezzi</source>
        <translation>Imprimir lista de precios</translation>
    </message>
    <message>
        <source>Ristampa</source>
        <translation>Reimprimir</translation>
    </message>
    <message>
        <source>Stampa di nuovo l&apos;ultima anteprima</source>
        <translation>Vuelve a imprimir la última vista previa</translation>
    </message>
    <message>
        <source>Nuovo Carico</source>
        <translation>Nueva entrada</translation>
    </message>
    <message>
        <source>Nuovo carico di merce</source>
        <translation>Nueva entrada de mercancía</translation>
    </message>
    <message>
        <source>Nuovo Scarico</source>
        <translation>Nueva salida</translation>
    </message>
    <message>
        <source>Nuova vendita</source>
        <translation>Nueva venta</translation>
    </message>
    <message>
        <source>Nuovo Reso</source>
        <translation>Nueva devolución</translation>
    </message>
    <message>
        <source>Nuovo reso di merce</source>
        <translation>Nueva devolución de mercancía</translation>
    </message>
    <message>
        <source>Apri Movimento</source>
        <translation>Abrir movimiento</translation>
    </message>
    <message>
        <source>Apri il movimento selezionato (Invio)</source>
        <translation>Abre el movimiento seleccionado (Intro)</translation>
    </message>
    <message>
        <source>Elimina Movimento</source>
        <translation>Eliminar movimiento</translation>
    </message>
    <message>
        <source>Elimina i movimenti selezionati</source>
        <translation>Elimina los movimientos seleccionados</translation>
    </message>
    <message>
        <source>Trova Movimento</source>
        <translation>Buscar movimiento</translation>
    </message>
    <message>
        <source>Trova un movimento</source>
        <translation>Busca un movimiento</translation>
    </message>
    <message>
        <source>Filtro Date</source>
        <translation>Filtro de fechas</translation>
    </message>
    <message>
        <source>Mostra i movimenti di un periodo</source>
        <translation>Muestra los movimientos de un periodo</translation>
    </message>
    <message>
        <source>Tutti i Movimenti</source>
        <translation>Todos los movimientos</translation>
    </message>
    <message>
        <source>Solo Carichi</source>
        <translation>Solo entradas</translation>
    </message>
    <message>
        <source>Solo Scarichi</source>
        <translation>Solo salidas</translation>
    </message>
    <message>
        <source>Solo Resi</source>
        <translation>Solo devoluciones</translation>
    </message>
    <message>
        <source>Anteprima Fattura / Ricevuta</source>
        <translation>Vista previa de factura / recibo</translation>
    </message>
    <message>
        <source>Stampa Fattura / Ricevuta</source>
        <translation>Imprimir factura / recibo</translation>
    </message>
    <message>
        <source>Anteprima Documento di Trasporto</source>
        <translation>Vista previa del albarán</translation>
    </message>
    <message>
        <source>Stampa Documento di Trasporto</source>
        <translation>Imprimir albarán</translation>
    </message>
    <message>
        <source>Anteprima Lista Movimenti</source>
        <translation>Vista previa de la lista de movimientos</translation>
    </message>
    <message>
        <source>Stampa Lista Movimenti</source>
        <translation>Imprimir lista de movimientos</translation>
    </message>
    <message>
        <source>Anteprima Resoconto Movimenti</source>
        <translation>Vista previa del informe de movimientos</translation>
    </message>
    <message>
        <source>Stampa Resoconto Movimenti</source>
        <translation>Imprimir informe de movimientos</translation>
    </message>
    <message>
        <source>Fattura Elettronica</source>
        <translation>Factura electrónica</translation>
    </message>
    <message>
        <source>Fatturazione elettronica</source>
        <translation>Facturación electrónica</translation>
    </message>
    <message>
        <source>Inserisci Nuovo Cliente</source>
        <translation>Insertar nuevo cliente</translation>
    </message>
    <message>
        <source>Inserisci un nuovo cliente</source>
        <translation>Inserta un nuevo cliente</translation>
    </message>
    <message>
        <source>Inserisci    Nuovo Fornitore</source>
        <translation>Insertar    nuevo proveedor</translation>
    </message>
    <message>
        <source>Inserisci un nuovo fornitore</source>
        <translation>Inserta un nuevo proveedor</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Apri l&apos;anagrafica selezionata (Invio)</source>
        <translation>Abre el cliente o proveedor seleccionado (Intro)</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Elimina le anagrafiche selezionate</source>
        <translation>Elimina los clientes y proveedores seleccionados</translation>
    </message>
    <message>
        <source>Trova Anagrafica</source>
        <translation>Buscar cliente/proveedor</translation>
    </message>
    <message>
        <source>Trova un cliente o un fornitore</source>
        <translation>Busca un cliente o un proveedor</translation>
    </message>
    <message>
        <source>Clienti</source>
        <translation>Clientes</translation>
    </message>
    <message>
        <source>Mostra solo i clienti</source>
        <translation>Muestra solo los clientes</translation>
    </message>
    <message>
        <source>Fornitori</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>Mostra solo i fornitori</source>
        <translation>Muestra solo los proveedores</translation>
    </message>
    <message>
        <source>Vedi Tutti</source>
        <translation>Ver todos</translation>
    </message>
    <message>
        <source>Mostra tutte le anagrafiche</source>
        <translation>Muestra todos los clientes, proveedores y trabajadores</translation>
    </message>
    <message>
        <source>Anteprima Lista</source>
        <translation>Vista previa de la lista</translation>
    </message>
    <message>
        <source>Anteprima della lista</source>
        <translation>Vista previa de la lista</translation>
    </message>
    <message>
        <source>Stampa Lista</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Stampa la lista</source>
        <translation>Imprime la lista</translation>
    </message>
    <message>
        <source>Anteprima Situazione</source>
        <translation>Vista previa de la situación</translation>
    </message>
    <message>
        <source>Anteprima della situazione delle anagrafiche</source>
        <translation>Vista previa de la situación de clientes y proveedores</translation>
    </message>
    <message>
        <source>Stampa Situazione</source>
        <translation>Imprimir situación</translation>
    </message>
    <message>
        <source>Stampa la situazione delle anagrafiche</source>
        <translation>Imprime la situación de clientes y proveedores</translation>
    </message>
    <message>
        <source>Inserisci Nuova Scadenza/Appuntamento</source>
        <translation>Insertar nuevo vencimiento/cita</translation>
    </message>
    <message>
        <source>Inserisci una nuova scadenza o un appuntamento</source>
        <translation>Inserta un nuevo vencimiento o una cita</translation>
    </message>
    <message>
        <source>Apri la scadenza selezionata (Invio)</source>
        <translation>Abre el vencimiento seleccionado (Intro)</translation>
    </message>
    <message>
        <source>Elimina la scadenza selezionata</source>
        <translation>Elimina el vencimiento seleccionado</translation>
    </message>
</context>
<context>
    <name>ConnectionString</name>
    <message>
        <source>%1 sul server locale</source>
        <translation>%1 en el servidor local</translation>
    </message>
    <message>
        <source>%1 sul server %2</source>
        <translation>%1 en el servidor %2</translation>
    </message>
</context>
<context>
    <name>DataMigration</name>
    <message>
        <source>nessuna chiave assegnata</source>
        <translation>ninguna clave asignada</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>il file è in sola lettura: i dati non si potrebbero salvare</source>
        <translation>el archivo es de solo lectura: los datos no se podrían guardar</translation>
    </message>
    <message>
        <source>il file %1 è in sola lettura: i dati non si potrebbero salvare</source>
        <translation>el archivo %1 es de solo lectura: los datos no se podrían guardar</translation>
    </message>
    <message>
        <source>il catalogo è in sola lettura: i dati non si potrebbero salvare</source>
        <translation>el catálogo es de solo lectura: los datos no se podrían guardar</translation>
    </message>
    <message>
        <source>Stringa di connessione non valida</source>
        <translation>Cadena de conexión no válida</translation>
    </message>
    <message>
        <source>File non trovato: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>Provider non supportato: %1</source>
        <translation>Proveedor no admitido: %1</translation>
    </message>
</context>
<context>
    <name>DbError</name>
    <message>
        <source>Errore OleDB sconosciuto!</source>
        <translation>¡Error OleDB desconocido!</translation>
    </message>
    <message>
        <source>Impossibile salvare le modifiche: il record non esiste più, è stato eliminato da un altro computer.</source>
        <translation>No se pueden guardar los cambios: el registro ya no existe, se eliminó desde otro ordenador.</translation>
    </message>
    <message>
        <source>Il record non esiste più: è stato eliminato da un altro computer.</source>
        <translation>El registro ya no existe: se eliminó desde otro ordenador.</translation>
    </message>
    <message>
        <source>Un importo</source>
        <translation>Un importe</translation>
    </message>
    <message>
        <source>%1 è troppo grande per l&apos;archivio, che conserva esattamente importi fino a %2 in più o in meno: non è stato salvato.</source>
        <translation>%1 es demasiado grande para el archivo, que conserva con exactitud importes de hasta %2 en más o en menos: no se ha guardado.</translation>
    </message>
    <message>
        <source>L&apos;archivio è occupato da un altro programma o da un altro computer e non ha risposto in tempo: le modifiche non sono state salvate. Riprovare tra qualche istante.</source>
        <translation>El archivo está ocupado por otro programa u otro ordenador y no ha respondido a tiempo: los cambios no se han guardado. Vuelva a intentarlo dentro de unos instantes.</translation>
    </message>
</context>
<context>
    <name>FrameRules</name>
    <message>
        <source>Numero di articoli nella lista: %1</source>
        <translation>Artículos en la lista: %1</translation>
    </message>
    <message>
        <source>Numero di movimenti nella lista: %1</source>
        <translation>Movimientos en la lista: %1</translation>
    </message>
    <message>
        <source>Numero di anagrafiche nella lista: %1</source>
        <translation>Clientes/proveedores en la lista: %1</translation>
    </message>
    <message>
        <source>Agenda appuntamenti</source>
        <translation>Agenda de citas</translation>
    </message>
</context>
<context>
    <name>MdbImport</name>
    <message>
        <source>la colonna %1 contiene un importo (%2) oltre il massimo che l&apos;archivio conserva esatto (%3)</source>
        <translation>la columna %1 contiene un importe (%2) superior al máximo que el archivo conserva con exactitud (%3)</translation>
    </message>
    <message>
        <source>la colonna %1 contiene una data non valida (%2)</source>
        <translation>la columna %1 contiene una fecha no válida (%2)</translation>
    </message>
    <message>
        <source>la tabella %1 non ha colonne</source>
        <translation>la tabla %1 no tiene columnas</translation>
    </message>
    <message>
        <source>la tabella %1 non si crea: %2</source>
        <translation>la tabla %1 no se puede crear: %2</translation>
    </message>
    <message>
        <source>la tabella %1: %2</source>
        <translation>la tabla %1: %2</translation>
    </message>
    <message>
        <source>la tabella %1: riga %2 incompleta</source>
        <translation>la tabla %1: fila %2 incompleta</translation>
    </message>
    <message>
        <source>la tabella %1, riga %2: %3</source>
        <translation>la tabla %1, fila %2: %3</translation>
    </message>
    <message>
        <source>l&apos;indice %1 non si crea: %2</source>
        <translation>el índice %1 no se puede crear: %2</translation>
    </message>
    <message>
        <source>manca la tabella %1</source>
        <translation>falta la tabla %1</translation>
    </message>
    <message>
        <source>mancano le tabelle %1</source>
        <translation>faltan las tablas %1</translation>
    </message>
    <message>
        <source>manca la colonna %1</source>
        <translation>falta la columna %1</translation>
    </message>
    <message>
        <source>mancano le colonne %1</source>
        <translation>faltan las columnas %1</translation>
    </message>
    <message>
        <source>Il file non contiene tabelle.</source>
        <translation>El archivo no contiene tablas.</translation>
    </message>
    <message>
        <source>Tabelle del file: %1</source>
        <translation>Tablas del archivo: %1</translation>
    </message>
    <message>
        <source>Il file %1non è un archivio di Quarzil: %2. %3</source>
        <translation>El archivo %1no es un archivo de Quarzil: %2. %3</translation>
    </message>
    <message>
        <source>il file non contiene tabelle</source>
        <translation>el archivo no contiene tablas</translation>
    </message>
    <message>
        <source>impossibile scrivere %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>la tabella Informazioni non dice la versione dell&apos;archivio</source>
        <translation>la tabla Informazioni no indica la versión del archivo</translation>
    </message>
    <message>
        <source>l&apos;archivio è alla versione %1, più recente di questo programma (versione %2): aggiornare il programma</source>
        <translation>el archivo está en la versión %1, más reciente que este programa (versión %2): actualice el programa</translation>
    </message>
    <message>
        <source>Errore nell&apos;aggiornare il database alla versione attuale del programma</source>
        <translation>Error al actualizar la base de datos a la versión actual del programa</translation>
    </message>
    <message>
        <source>impossibile scrivere %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
</context>
<context>
    <name>MdbImportFlow</name>
    <message>
        <source>Importa archivio Access</source>
        <translation>Importar archivo Access</translation>
    </message>
    <message>
        <source>Archivio Access (*.mdb *.mde)</source>
        <translation>Archivo Access (*.mdb *.mde)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>Salva il nuovo archivio</source>
        <translation>Guardar el nuevo archivo</translation>
    </message>
    <message>
        <source>Database Quarzil (*.db *.sqlite)</source>
        <translation>Base de datos Quarzil (*.db *.sqlite)</translation>
    </message>
    <message>
        <source>Il file %1 è in uso: scegliere un altro nome per il nuovo archivio.</source>
        <translation>El archivo %1 está en uso: elija otro nombre para el nuevo archivo.</translation>
    </message>
    <message>
        <source>Importazione di %1...</source>
        <translation>Importando %1...</translation>
    </message>
    <message>
        <source>Importazione annullata: nessun archivio è stato creato.</source>
        <translation>Importación cancelada: no se ha creado ningún archivo.</translation>
    </message>
    <message>
        <source>Importazione non riuscita: %1. Nessun archivio è stato creato.</source>
        <translation>La importación ha fallado: %1. No se ha creado ningún archivo.</translation>
    </message>
    <message>
        <source>L&apos;archivio %1 è stato importato in %2 (%3 tabelle, %4 righe), alla versione %5. Usare ora il nuovo archivio?</source>
        <translation>El archivo %1 se ha importado en %2 (%3 tablas, %4 filas), en la versión %5. ¿Usar ahora el nuevo archivo?</translation>
    </message>
    <message>
        <source>Il nuovo archivio sarà aperto al prossimo avvio del programma.</source>
        <translation>El nuevo archivo se abrirá la próxima vez que se inicie el programa.</translation>
    </message>
</context>
<context>
    <name>MdbImportReader</name>
    <message>
        <source>il file %1 è troncato o danneggiato (%2)</source>
        <translation>el archivo %1 está truncado o dañado (%2)</translation>
    </message>
    <message>
        <source>il file %1 non esiste</source>
        <translation>el archivo %1 no existe</translation>
    </message>
    <message>
        <source>il file %1 non è un archivio Access leggibile</source>
        <translation>el archivo %1 no es un archivo Access legible</translation>
    </message>
    <message>
        <source>la sua lunghezza non è un multiplo della pagina di %1 byte</source>
        <translation>su longitud no es múltiplo de la página de %1 bytes</translation>
    </message>
    <message>
        <source>nessun file aperto</source>
        <translation>ningún archivo abierto</translation>
    </message>
    <message>
        <source>il catalogo delle tabelle è incompleto</source>
        <translation>el catálogo de tablas está incompleto</translation>
    </message>
    <message>
        <source>il catalogo delle tabelle non si legge</source>
        <translation>el catálogo de tablas no se puede leer</translation>
    </message>
    <message>
        <source>la tabella %1 non si legge</source>
        <translation>la tabla %1 no se puede leer</translation>
    </message>
    <message>
        <source>la colonna %1 della tabella %2 è di un tipo (%3) che l&apos;importazione non conosce</source>
        <translation>la columna %1 de la tabla %2 es de un tipo (%3) que la importación no conoce</translation>
    </message>
    <message>
        <source>la tabella %1 non esiste</source>
        <translation>la tabla %1 no existe</translation>
    </message>
    <message>
        <source>la tabella %1 è cambiata</source>
        <translation>la tabla %1 ha cambiado</translation>
    </message>
    <message>
        <source>un testo della colonna %1 della tabella %2 supera %3 byte</source>
        <translation>un texto de la columna %1 de la tabla %2 supera %3 bytes</translation>
    </message>
    <message>
        <source>un testo della tabella %1 non si legge</source>
        <translation>un texto de la tabla %1 no se puede leer</translation>
    </message>
    <message>
        <source>un oggetto della tabella %1 non si legge</source>
        <translation>un objeto de la tabla %1 no se puede leer</translation>
    </message>
    <message>
        <source>un oggetto della colonna %1 della tabella %2 ha %3 byte invece di %4</source>
        <translation>un objeto de la columna %1 de la tabla %2 tiene %3 bytes en lugar de %4</translation>
    </message>
    <message>
        <source>nessuna tabella in lettura</source>
        <translation>ninguna tabla en lectura</translation>
    </message>
    <message>
        <source>la tabella %1 ha %2 righe, se ne leggono %3</source>
        <translation>la tabla %1 tiene %2 filas, se leen %3</translation>
    </message>
</context>
<context>
    <name>OnlineServices</name>
    <message>
        <source>Occorre essere connessi ad internet per verificare gli aggiornamenti!</source>
        <translation>¡Hay que estar conectado a internet para comprobar las actualizaciones!</translation>
    </message>
    <message>
        <source>Si sta utilizzando l&apos;ultima versione del programma!</source>
        <translation>¡Está usando la última versión del programa!</translation>
    </message>
    <message>
        <source>Disponibile l&apos;aggiornamento alla versione %1 del programma. Si desidera installarlo?</source>
        <translation>Hay disponible una actualización a la versión %1 del programa. ¿Desea instalarla?</translation>
    </message>
    <message>
        <source>Scaricamento del file in corso, interrompere?</source>
        <translation>Descargando el archivo; ¿interrumpir?</translation>
    </message>
    <message>
        <source>Grazie per averci inviato informazioni utili al miglioramento del software!</source>
        <translation>¡Gracias por enviarnos información útil para mejorar el software!</translation>
    </message>
    <message>
        <source>Impossibile scaricare l&apos;aggiornamento del programma:
%1</source>
        <translation>No se puede descargar la actualización del programa:
%1</translation>
    </message>
    <message>
        <source>L&apos;aggiornamento è stato scaricato nel file %1: aprirlo con il programma di installazione dei pacchetti per installare la nuova versione.</source>
        <translation>La actualización se ha descargado en el archivo %1: ábralo con el instalador de paquetes para instalar la nueva versión.</translation>
    </message>
    <message>
        <source>Occorre essere connessi ad internet per inviare commenti e suggerimenti!</source>
        <translation>¡Hay que estar conectado a internet para enviar comentarios y sugerencias!</translation>
    </message>
    <message>
        <source>Impossibile scrivere il rapporto %1: %2</source>
        <translation>No se puede escribir el informe %1: %2</translation>
    </message>
</context>
<context>
    <name>PackageDownload</name>
    <message>
        <source>impossibile eliminare %1</source>
        <translation>no se puede eliminar %1</translation>
    </message>
    <message>
        <source>scaricamento interrotto</source>
        <translation>descarga interrumpida</translation>
    </message>
    <message>
        <source>scaricati %1 byte su %2</source>
        <translation>descargados %1 bytes de %2</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Visualizza</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Magazzino</source>
        <translation>Almacén</translation>
    </message>
    <message>
        <source>Articoli</source>
        <translation>Artículos</translation>
    </message>
    <message>
        <source>Strumenti</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Stampe</source>
        <translation>Impresiones</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Redes sociales</translation>
    </message>
    <message>
        <source>Movimenti / Fatture</source>
        <translation>Movimientos / Facturas</translation>
    </message>
    <message>
        <source>Merce</source>
        <translation>Mercancía</translation>
    </message>
    <message>
        <source>Tipo di Movimento</source>
        <translation>Tipo de movimiento</translation>
    </message>
    <message>
        <source>Documento</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Anagrafiche</source>
        <translation>Clientes/Proveedores</translation>
    </message>
    <message>
        <source>Anteprima</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Scadenze</source>
        <translation>Vencimientos</translation>
    </message>
</context>
<context>
    <name>SchemaUpgrade</name>
    <message>
        <source>la colonna %1 non esiste</source>
        <translation>la columna %1 no existe</translation>
    </message>
    <message>
        <source>errore sconosciuto</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>passo dalla versione %1: </source>
        <translation>paso desde la versión %1: </translation>
    </message>
    <message>
        <source>la tabella non ha righe</source>
        <translation>la tabla no tiene filas</translation>
    </message>
    <message>
        <source>la versione non è un numero</source>
        <translation>la versión no es un número</translation>
    </message>
    <message>
        <source>un catalogo PostgreSQL alla versione %1 non si può aggiornare (i cataloghi nascono alla versione %2 o più)</source>
        <translation>un catálogo PostgreSQL en la versión %1 no se puede actualizar (los catálogos nacen en la versión %2 o posterior)</translation>
    </message>
    <message>
        <source>una transazione è già aperta</source>
        <translation>ya hay una transacción abierta</translation>
    </message>
    <message>
        <source>copia di sicurezza in %1</source>
        <translation>copia de seguridad en %1</translation>
    </message>
    <message>
        <source>nessuna riga aggiornata</source>
        <translation>ninguna fila actualizada</translation>
    </message>
</context>
<context>
    <name>SmallToolButton</name>
    <message>
        <source>Calcola codice fiscale</source>
        <translation>Calcular código fiscal</translation>
    </message>
    <message>
        <source>Controlla partita iva</source>
        <translation>Comprobar número de IVA</translation>
    </message>
</context>
<context>
    <name>StartupChecks</name>
    <message>
        <source>La risoluzione attuale del video è di %1x%2 pixel. La risoluzione minima del programma per funzionare è di 800x600 pixel!</source>
        <translation>La resolución actual de la pantalla es de %1x%2 píxeles. ¡El programa necesita una resolución mínima de 800x600 píxeles!</translation>
    </message>
    <message>
        <source>La scheda video è configurata a %1 colori per pixel. Si consiglia di impostarla ad almeno 65.536 colori!</source>
        <translation>La tarjeta gráfica está configurada a %1 colores por píxel. ¡Se recomienda ajustarla a al menos 65.536 colores!</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio dei dati!</source>
        <translation>¡No se puede abrir el archivo de datos!</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio dei dati scelto:
%1
%2

È aperto invece l&apos;archivio:
%3
I dati inseriti ora saranno salvati in questo archivio.</source>
        <translation>No se puede abrir el archivo de datos elegido:
%1
%2

En su lugar está abierto el archivo:
%3
Los datos introducidos ahora se guardarán en este archivo.</translation>
    </message>
    <message>
        <source>Impossibile salvare le impostazioni nel file %1 (file o cartella in sola lettura, oppure disco pieno): le modifiche alle impostazioni non saranno conservate.</source>
        <translation>No se pueden guardar los ajustes en el archivo %1 (archivo o carpeta de solo lectura, o disco lleno): los cambios en los ajustes no se conservarán.</translation>
    </message>
    <message>
        <source>Archivio: %1</source>
        <translation>Archivo: %1</translation>
    </message>
</context>
<context>
    <name>UpgradeSession</name>
    <message>
        <source>errore sconosciuto</source>
        <translation>error desconocido</translation>
    </message>
</context>
</TS>
