<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it_IT">
<context>
    <name>ArtListModel</name>
    <message>
        <source>Matricola</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Carichi</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Scarichi</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Resi</source>
        <translation>Devoluciones</translation>
    </message>
    <message>
        <source>Giacenza</source>
        <translation>Existencias</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
</context>
<context>
    <name>ArtMovementsLoader</name>
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
    <name>BarcodeReader</name>
    <message>
        <source>Nessuna</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Dispari</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Pari</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Nessuno</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>CArticoliView</name>
    <message>
        <source>Inserisci Nuovo Prodotto ( F3 )</source>
        <translation>Insertar nuevo producto ( F3 )</translation>
    </message>
    <message>
        <source>Apri Prodotto Selezionato ( Invio )</source>
        <translation>Abrir producto seleccionado ( Intro )</translation>
    </message>
    <message>
        <source>Elimina Prodotto Selezionato ( Ctrl+D )</source>
        <translation>Eliminar producto seleccionado ( Ctrl+D )</translation>
    </message>
    <message>
        <source>Filtro Prodotti</source>
        <translation>Filtro de productos</translation>
    </message>
    <message>
        <source>Cerca Prodotto</source>
        <translation>Buscar producto</translation>
    </message>
    <message>
        <source>Articolo di magazzino non trovato!</source>
        <translation>¡Artículo de almacén no encontrado!</translation>
    </message>
    <message>
        <source>%1 di %2 %3</source>
        <translation>%1 de %2 %3</translation>
    </message>
    <message>
        <source>Magazzino - Quarzil</source>
        <translation>Almacén - Quarzil</translation>
    </message>
</context>
<context>
    <name>CArticoloDialog</name>
    <message>
        <source>Cod. Fornitore</source>
        <translation>Cód. proveedor</translation>
    </message>
    <message>
        <source>I&amp;va inclusa nel prezzo</source>
        <translation>I&amp;VA incluido en el precio</translation>
    </message>
    <message>
        <source>Og&amp;ni articolo un codice a barre diverso tipo IMEI degli smartphone</source>
        <translation>Cada unidad con su &amp;propio código de barras, como el IMEI de los móviles</translation>
    </message>
    <message>
        <source>Calcola Ricarico</source>
        <translation>Calcular margen</translation>
    </message>
    <message>
        <source>Gestione Unità di Misura</source>
        <translation>Unidades de medida</translation>
    </message>
    <message>
        <source>Eliminare le Categorie non Utilizzate</source>
        <translation>Eliminar categorías no usadas</translation>
    </message>
    <message>
        <source>Elimina Reparti non Utilizzati</source>
        <translation>Eliminar secciones no usadas</translation>
    </message>
    <message>
        <source>Elimina Scaffali non Utilizzati</source>
        <translation>Eliminar estanterías no usadas</translation>
    </message>
    <message>
        <source>Elimina Gruppi non Utilizzati</source>
        <translation>Eliminar grupos no usados</translation>
    </message>
    <message>
        <source>Inserisci Fornitore</source>
        <translation>Insertar proveedor</translation>
    </message>
    <message>
        <source>Modifica Fornitore</source>
        <translation>Modificar proveedor</translation>
    </message>
    <message>
        <source>Trova Fornitore</source>
        <translation>Buscar proveedor</translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation>&amp;Código</translation>
    </message>
    <message>
        <source>&amp;Cod. a Barre</source>
        <translation>Cód. de &amp;barras</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>&amp;Unità di Mis.</source>
        <translation>&amp;Unidad</translation>
    </message>
    <message>
        <source>&amp;Prezzo Acq.</source>
        <translation>&amp;Precio compra</translation>
    </message>
    <message>
        <source>&amp;IVA Preval.</source>
        <translation>&amp;IVA habitual</translation>
    </message>
    <message>
        <source>&amp;Scorta Min.</source>
        <translation>Stock &amp;mín.</translation>
    </message>
    <message>
        <source>&amp;Giac.Iniz.</source>
        <translation>E&amp;xist. inic.</translation>
    </message>
    <message>
        <source>Scon&amp;to</source>
        <translation>Descuen&amp;to</translation>
    </message>
    <message>
        <source>C&amp;ategoria</source>
        <translation>C&amp;ategoría</translation>
    </message>
    <message>
        <source>Ricaric&amp;o</source>
        <translation>Marg&amp;en</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>&amp;Reparto</source>
        <translation>&amp;Sección</translation>
    </message>
    <message>
        <source>Sca&amp;ffale</source>
        <translation>Estan&amp;tería</translation>
    </message>
    <message>
        <source>Forn.Preva&amp;l.</source>
        <translation>Prov. &amp;habitual</translation>
    </message>
    <message>
        <source>Codice Fornitore</source>
        <translation>Código proveedor</translation>
    </message>
    <message>
        <source>Inserire qui le note del prodotto. Premere Ctrl+Invio per inserire una nuova riga</source>
        <translation>Escriba aquí las notas del producto. Pulse Ctrl+Intro para una nueva línea</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <source>Salva (Invio)</source>
        <translation>Guardar (Intro)</translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation>Guardar (F2)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Attenzione, utilizzare questa funzione con cautela, infatti una volta salvato l&apos;articolo di magazzino questo valore non può più essere cambiato.
</source>
        <translation>Atención: utilice esta función con cuidado, ya que una vez guardado el artículo este valor ya no se puede cambiar.
</translation>
    </message>
    <message>
        <source>Con questa opzione attiva in ogni movimento dell&apos;articolo verrà mostrata una finestra dove inserire un codice a barre per ogni singola quantità inserita.
</source>
        <translation>Con esta opción activa, en cada movimiento del artículo se mostrará una ventana donde introducir un código de barras por cada unidad de la cantidad.
</translation>
    </message>
    <message>
        <source>Se ad esempio mettessi 4 come quantità occorrerebbe inserire 4 codici a barre diversi per questo articolo. Si desidera continuare comunque?</source>
        <translation>Por ejemplo, con una cantidad de 4 habría que introducir 4 códigos de barras distintos para este artículo. ¿Desea continuar de todos modos?</translation>
    </message>
    <message>
        <source>Cliente o fornitore non trovato!</source>
        <translation>¡Cliente o proveedor no encontrado!</translation>
    </message>
    <message>
        <source>Errore matricola</source>
        <translation>Error en el código</translation>
    </message>
    <message>
        <source>La matricola dell&apos;articolo non può avere valore nullo!</source>
        <translation>¡El código del artículo no puede estar vacío!</translation>
    </message>
    <message>
        <source>La matricola è duplicata, scegliere un altro valore!</source>
        <translation>El código está duplicado, ¡elija otro valor!</translation>
    </message>
    <message>
        <source>Errore descrizione</source>
        <translation>Error en la descripción</translation>
    </message>
    <message>
        <source>La descrizione dell&apos;articolo non può avere valore nullo!</source>
        <translation>¡La descripción del artículo no puede estar vacía!</translation>
    </message>
    <message>
        <source>Errore codice a barre</source>
        <translation>Error en el código de barras</translation>
    </message>
    <message>
        <source>Il codice a barre è duplicato, scegliere un altro valore!</source>
        <translation>El código de barras está duplicado, ¡elija otro valor!</translation>
    </message>
    <message>
        <source>Errore prezzo</source>
        <translation>Error en el precio</translation>
    </message>
    <message>
        <source>Il prezzo non è un importo valido!</source>
        <translation>¡El precio no es un importe válido!</translation>
    </message>
    <message>
        <source>Dati Articolo</source>
        <translation>Datos del artículo</translation>
    </message>
</context>
<context>
    <name>CBarCodeWnd</name>
    <message>
        <source>Codici a barre supportati: EAN8 - EAN13 - CODE39</source>
        <translation>Códigos de barras admitidos: EAN8 - EAN13 - CODE39</translation>
    </message>
</context>
<context>
    <name>CFiltroArtDialog</name>
    <message>
        <source>Filtro Dati</source>
        <translation>Filtro de datos</translation>
    </message>
    <message>
        <source>Qualsiasi valore</source>
        <translation>Cualquier valor</translation>
    </message>
    <message>
        <source>Giacenza maggiore di zero</source>
        <translation>Existencias mayores que cero</translation>
    </message>
    <message>
        <source>Giacenza minore di zero</source>
        <translation>Existencias menores que cero</translation>
    </message>
    <message>
        <source>Giacenza uguale a zero</source>
        <translation>Existencias iguales a cero</translation>
    </message>
    <message>
        <source>Riordino maggiore di zero</source>
        <translation>Reposición mayor que cero</translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation>&amp;Código</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>&amp;Categoria</source>
        <translation>&amp;Categoría</translation>
    </message>
    <message>
        <source>&amp;Giacenza</source>
        <translation>E&amp;xistencias</translation>
    </message>
    <message>
        <source>Per più valori utilizzare il carattere jolly *</source>
        <translation>Para varios valores utilice el comodín *</translation>
    </message>
</context>
<context>
    <name>CFotoEditWait</name>
    <message>
        <source>Modifica Immagine</source>
        <translation>Modificar imagen</translation>
    </message>
    <message>
        <source>L&apos;immagine è aperta nel programma di modifica delle immagini.
Salvare le modifiche nello stesso file, poi premere &quot;Fatto&quot;.

%1</source>
        <translation>La imagen está abierta en el editor de imágenes.
Guarde los cambios en el mismo archivo y pulse &quot;Hecho&quot;.

%1</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CFotoView</name>
    <message>
        <source>Visualizzazione Immagine</source>
        <translation>Vista de la imagen</translation>
    </message>
</context>
<context>
    <name>CFotoWnd</name>
    <message>
        <source>&amp;Reale</source>
        <translation>Tamaño &amp;real</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Acquisisci</source>
        <translation>Adquirir</translation>
    </message>
    <message>
        <source>Interruzione in corso...</source>
        <translation>Interrumpiendo...</translation>
    </message>
    <message>
        <source>Nessuno scanner o fotocamera trovato: collegare il dispositivo, accenderlo e riprovare.</source>
        <translation>No se encontró ningún escáner ni cámara: conecte el dispositivo, enciéndalo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>&amp;Scegli</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>&amp;Acquisisci</source>
        <translation>&amp;Adquirir</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Ricerca di scanner e fotocamere in corso...</source>
        <translation>Buscando escáneres y cámaras...</translation>
    </message>
    <message>
        <source>Impossibile usare scanner e fotocamere: %1</source>
        <translation>Imposible usar escáneres y cámaras: %1</translation>
    </message>
    <message>
        <source>Acquisizione dell&apos;immagine da %1 in corso...</source>
        <translation>Adquiriendo la imagen desde %1...</translation>
    </message>
    <message>
        <source>Impossibile acquisire l&apos;immagine da %1: %2</source>
        <translation>Imposible adquirir la imagen desde %1: %2</translation>
    </message>
    <message>
        <source>Impossibile modificare l&apos;immagine!</source>
        <translation>¡Imposible modificar la imagen!</translation>
    </message>
    <message>
        <source>Nessun programma installato per modificare immagini bitmap!</source>
        <translation>¡No hay ningún programa instalado para editar imágenes de mapa de bits!</translation>
    </message>
    <message>
        <source>Click qui per selezionare un&apos;immagine</source>
        <translation>Haga clic aquí para elegir una imagen</translation>
    </message>
    <message>
        <source>Immagine</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>CImeiDialog</name>
    <message>
        <source>&amp;Lettore</source>
        <translation>&amp;Lector</translation>
    </message>
    <message>
        <source>Con il lettore attivo ogni codice letto viene inserito</source>
        <translation>Con el lector activo cada código leído se introduce</translation>
    </message>
    <message>
        <source>&amp;Inserisci</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>Inserisci Codice</source>
        <translation>Insertar código</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Salva Codice</source>
        <translation>Guardar código</translation>
    </message>
    <message>
        <source>&amp;Rimuovi</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Elimina Codice</source>
        <translation>Eliminar código</translation>
    </message>
    <message>
        <source>&amp;Codice</source>
        <translation>&amp;Código</translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation>Guardar (F2)</translation>
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
        <source>Codici da inserire: %1</source>
        <translation>Códigos por introducir: %1</translation>
    </message>
    <message>
        <source>Codici da rimuovere: %1</source>
        <translation>Códigos por quitar: %1</translation>
    </message>
    <message>
        <source>Occorre inserire il codice a barre!</source>
        <translation>¡Hay que introducir el código de barras!</translation>
    </message>
    <message>
        <source>Numero articoli da movimentare uguali a zero!</source>
        <translation>¡El número de artículos a mover es cero!</translation>
    </message>
    <message>
        <source>Il codice seriale %1 è già stato movimentato!</source>
        <translation>¡El código de serie %1 ya se ha movido!</translation>
    </message>
    <message>
        <source>Si desidera cancellare il codice a barre selezionato?</source>
        <translation>¿Desea borrar el código de barras seleccionado?</translation>
    </message>
    <message>
        <source>Occorre inserire ancora %1 codici a barre!</source>
        <translation>¡Hay que introducir todavía %1 códigos de barras!</translation>
    </message>
    <message>
        <source>Occorre rimuovere ancora %1 codici a barre!</source>
        <translation>¡Hay que quitar todavía %1 códigos de barras!</translation>
    </message>
    <message>
        <source>Codici a Barre Univoci</source>
        <translation>Códigos de barras únicos</translation>
    </message>
</context>
<context>
    <name>CImportaDlg</name>
    <message>
        <source>Separatore di campo</source>
        <translation>Separador de campo</translation>
    </message>
    <message>
        <source>&amp;Punto e Virgola ( ; )</source>
        <translation>&amp;Punto y coma ( ; )</translation>
    </message>
    <message>
        <source>&amp;Virgola ( , )</source>
        <translation>&amp;Coma ( , )</translation>
    </message>
    <message>
        <source>P&amp;unto ( . )</source>
        <translation>P&amp;unto ( . )</translation>
    </message>
    <message>
        <source>Delimitatore di testo</source>
        <translation>Delimitador de texto</translation>
    </message>
    <message>
        <source>&amp;Nessuno</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>&amp;Doppi Apici ( &quot; )</source>
        <translation>Comillas &amp;dobles ( &quot; )</translation>
    </message>
    <message>
        <source>Api&amp;ce Semplice ( &apos; )</source>
        <translation>Comilla &amp;simple ( &apos; )</translation>
    </message>
    <message>
        <source>&amp;Intestazione di colonna nella prima riga</source>
        <translation>&amp;Encabezados de columna en la primera fila</translation>
    </message>
    <message>
        <source>Colonne del file</source>
        <translation>Columnas del archivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <source>Importazione Dati</source>
        <translation>Importación de datos</translation>
    </message>
</context>
<context>
    <name>CLettoreBarreDialog</name>
    <message>
        <source>Lettore a Barre</source>
        <translation>Lector de códigos de barras</translation>
    </message>
    <message>
        <source>&amp;Porta</source>
        <translation>&amp;Puerto</translation>
    </message>
    <message>
        <source> Caratteristiche porta seriale </source>
        <translation> Características del puerto serie </translation>
    </message>
    <message>
        <source>Bit per &amp;secondo</source>
        <translation>Bits por &amp;segundo</translation>
    </message>
    <message>
        <source>Bit di &amp;dati</source>
        <translation>Bits de &amp;datos</translation>
    </message>
    <message>
        <source>Pa&amp;rità</source>
        <translation>Pa&amp;ridad</translation>
    </message>
    <message>
        <source>Bit di st&amp;op</source>
        <translation>Bits de &amp;parada</translation>
    </message>
    <message>
        <source>&amp;Controllo di flusso</source>
        <translation>&amp;Control de flujo</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Pro&amp;va</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>Errore nell&apos;enumerazione delle porte!</source>
        <translation>¡Error al enumerar los puertos!</translation>
    </message>
    <message>
        <source>Impossibile salvare le impostazioni del lettore: il file delle impostazioni non è scrivibile.</source>
        <translation>Imposible guardar la configuración del lector: el archivo de configuración no se puede escribir.</translation>
    </message>
</context>
<context>
    <name>CMovArtBar</name>
    <message>
        <source>Movimenti di magazzino</source>
        <translation>Movimientos de almacén</translation>
    </message>
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
        <translation>Tipo de movimiento</translation>
    </message>
    <message>
        <source>Cliente / Fornitore</source>
        <translation>Cliente / Proveedor</translation>
    </message>
</context>
<context>
    <name>COfferteDialog</name>
    <message>
        <source>Prodotto</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Promozione</source>
        <translation>Promoción</translation>
    </message>
    <message>
        <source>Attiva</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>La data iniziale deve essere precedente a quella finale!</source>
        <translation>¡La fecha inicial debe ser anterior a la final!</translation>
    </message>
    <message>
        <source>Impossibile inserire la promozione!</source>
        <translation>¡Imposible insertar la promoción!</translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati!</source>
        <translation>¡Imposible eliminar el valor o los valores seleccionados!</translation>
    </message>
    <message>
        <source>Articolo di magazzino non trovato!</source>
        <translation>¡Artículo de almacén no encontrado!</translation>
    </message>
    <message>
        <source>Inserisci Offerta (Ctrl+Ins)</source>
        <translation>Insertar oferta (Ctrl+Ins)</translation>
    </message>
    <message>
        <source>Elimina Offerta (Ctrl+Canc)</source>
        <translation>Eliminar oferta (Ctrl+Supr)</translation>
    </message>
    <message>
        <source>Salva Offerta (Ctrl+S)</source>
        <translation>Guardar oferta (Ctrl+S)</translation>
    </message>
    <message>
        <source>Inserisci Articolo</source>
        <translation>Insertar artículo</translation>
    </message>
    <message>
        <source>Modifica Articolo</source>
        <translation>Modificar artículo</translation>
    </message>
    <message>
        <source>Trova Articolo</source>
        <translation>Buscar artículo</translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>&amp;Sempre</source>
        <translation>&amp;Siempre</translation>
    </message>
    <message>
        <source>S&amp;conto</source>
        <translation>Des&amp;cuento</translation>
    </message>
    <message>
        <source>&amp;3 x 2</source>
        <translation>&amp;3 x 2</translation>
    </message>
    <message>
        <source>&amp;2 x 1</source>
        <translation>&amp;2 x 1</translation>
    </message>
    <message>
        <source>A&amp;ttiva</source>
        <translation>Ac&amp;tiva</translation>
    </message>
    <message>
        <source>Articolo</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation>&amp;Código</translation>
    </message>
    <message>
        <source>Codice a &amp;Barre</source>
        <translation>Código de &amp;barras</translation>
    </message>
    <message>
        <source>&amp;Articolo</source>
        <translation>&amp;Artículo</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>&amp;Dal</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>A&amp;l</source>
        <translation>&amp;Hasta</translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation>Guardar (F2)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Sempre</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Gestione Offerte e Promozioni</source>
        <translation>Ofertas y promociones</translation>
    </message>
</context>
<context>
    <name>CProvaLettoreDialog</name>
    <message>
        <source>Prova del Lettore</source>
        <translation>Prueba del lector</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>La porta %1 non risponde: il lettore è scollegato?</source>
        <translation>El puerto %1 no responde: ¿está desconectado el lector?</translation>
    </message>
    <message>
        <source>Porta di nuovo aperta (%1): leggere un codice.</source>
        <translation>Puerto abierto de nuevo (%1): lea un código.</translation>
    </message>
    <message>
        <source>In attesa di un codice (%1).</source>
        <translation>Esperando un código (%1).</translation>
    </message>
    <message>
        <source>Codici letti: %1. Ultimo codice: %2 caratteri.</source>
        <translation>Códigos leídos: %1. Último código: %2 caracteres.</translation>
    </message>
    <message>
        <source>Impossibile aprire la porta selezionata!</source>
        <translation>¡Imposible abrir el puerto seleccionado!</translation>
    </message>
</context>
<context>
    <name>CRicaricoDialog</name>
    <message>
        <source>&amp;Prezzo d&apos;acquisto</source>
        <translation>&amp;Precio de compra</translation>
    </message>
    <message>
        <source>&amp;I.V.A.</source>
        <translation>&amp;IVA</translation>
    </message>
    <message>
        <source>&amp;Sconto</source>
        <translation>&amp;Descuento</translation>
    </message>
    <message>
        <source>&amp;Ricarico</source>
        <translation>&amp;Margen</translation>
    </message>
    <message>
        <source>Prezzo di &amp;vendita</source>
        <translation>Precio de &amp;venta</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Calcolo Ricarico</source>
        <translation>Cálculo del margen</translation>
    </message>
</context>
<context>
    <name>CSceltaScannerDialog</name>
    <message>
        <source>Quarzil : Selezione Scanner</source>
        <translation>Quarzil : Elegir escáner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Acquisire l&apos;immagine da:</source>
        <translation>Adquirir la imagen desde:</translation>
    </message>
</context>
<context>
    <name>CUniMisDialog</name>
    <message>
        <source>Inserisci Unità di Misura (Ctrl+Ins)</source>
        <translation>Insertar unidad de medida (Ctrl+Ins)</translation>
    </message>
    <message>
        <source>Salva Unità di Misura (Ctrl+S)</source>
        <translation>Guardar unidad de medida (Ctrl+S)</translation>
    </message>
    <message>
        <source>Elimina Unità di Misura (Ctrl+Canc)</source>
        <translation>Eliminar unidad de medida (Ctrl+Supr)</translation>
    </message>
    <message>
        <source>Sigla</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;Sigla</source>
        <translation>&amp;Símbolo</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Il valore della sigla non può essere nullo!</source>
        <translation>¡El símbolo no puede estar vacío!</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;unità di misura!</source>
        <translation>¡Imposible guardar la unidad de medida!</translation>
    </message>
    <message>
        <source>Selezionare l&apos;unità di misura da modificare!</source>
        <translation>¡Seleccione la unidad de medida a modificar!</translation>
    </message>
    <message>
        <source>%1 utilizzata negli articoli, impossibile continuare!</source>
        <translation>%1 se usa en artículos, ¡imposible continuar!</translation>
    </message>
    <message>
        <source>Impossibile eliminare l&apos;unità di misura!</source>
        <translation>¡Imposible eliminar la unidad de medida!</translation>
    </message>
    <message>
        <source>Eliminare definitivamente l&apos;unità di misura: %1?</source>
        <translation>¿Eliminar definitivamente la unidad de medida: %1?</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio delle unità di misura!</source>
        <translation>¡Imposible abrir el archivo de unidades de medida!</translation>
    </message>
    <message>
        <source>Gestione Unità di Misura</source>
        <translation>Unidades de medida</translation>
    </message>
</context>
<context>
    <name>CVarArtDialog</name>
    <message>
        <source>Prezzo</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>IVA</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Ricarico</source>
        <translation>Margen</translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Aumentare il valore</source>
        <translation>Aumentar el valor</translation>
    </message>
    <message>
        <source>Diminuire il valore</source>
        <translation>Disminuir el valor</translation>
    </message>
    <message>
        <source>Valore fisso</source>
        <translation>Valor fijo</translation>
    </message>
    <message>
        <source>Es. 20% o 20</source>
        <translation>Ej. 20% o 20</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation>Estantería</translation>
    </message>
    <message>
        <source>Cosa si vuole &amp;modificare?</source>
        <translation>¿Qué desea &amp;modificar?</translation>
    </message>
    <message>
        <source>Che tipo di &amp;operazione?</source>
        <translation>¿Qué tipo de &amp;operación?</translation>
    </message>
    <message>
        <source>Inserisci il nuovo &amp;valore</source>
        <translation>Introduzca el nuevo &amp;valor</translation>
    </message>
    <message>
        <source>Va&amp;riazione in base a</source>
        <translation>Cambio &amp;según</translation>
    </message>
    <message>
        <source>Valore del tipo di &amp;prodotto</source>
        <translation>Valor del tipo de &amp;producto</translation>
    </message>
    <message>
        <source>Valore non valido</source>
        <translation>Valor no válido</translation>
    </message>
    <message>
        <source>Inserire una percentuale (Es. 20%) o un valore (Es. 20) non negativi; una diminuzione non può superare il 100%.</source>
        <translation>Introduzca un porcentaje (ej. 20%) o un valor (ej. 20) no negativos; una disminución no puede superar el 100%.</translation>
    </message>
    <message>
        <source>Scegliere il valore del tipo di prodotto da variare.</source>
        <translation>Elija el valor del tipo de producto a cambiar.</translation>
    </message>
    <message>
        <source>Si desidera davvero modificare i dati dei prodotti? Attenzione l&apos;operazione non può essere annullata!</source>
        <translation>¿Desea realmente modificar los datos de los productos? ¡Atención: la operación no se puede deshacer!</translation>
    </message>
    <message>
        <source>Errore nella variazione dei dati, impossibile aggiornare!</source>
        <translation>Error al cambiar los datos, ¡imposible actualizar!</translation>
    </message>
    <message>
        <source>Variazioni avvenute con successo!</source>
        <translation>¡Cambios realizados correctamente!</translation>
    </message>
    <message>
        <source>Variazione Veloce</source>
        <translation>Cambio rápido</translation>
    </message>
</context>
<context>
    <name>CVarOtherDialog</name>
    <message>
        <source>Categoria</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation>Estantería</translation>
    </message>
    <message>
        <source>&amp;Campo da variare</source>
        <translation>&amp;Campo a cambiar</translation>
    </message>
    <message>
        <source>&amp;Valore da variare</source>
        <translation>&amp;Valor a cambiar</translation>
    </message>
    <message>
        <source>&amp;Nuovo valore</source>
        <translation>&amp;Nuevo valor</translation>
    </message>
    <message>
        <source>Errore Nuovo Valore</source>
        <translation>Error en el nuevo valor</translation>
    </message>
    <message>
        <source>Occorre inserire un valore valido!</source>
        <translation>¡Hay que introducir un valor válido!</translation>
    </message>
    <message>
        <source>Attenzione, i cambiamenti ai dati degli articoli saranno permanenti e non potranno essere annullati! Continuare?</source>
        <translation>Atención: ¡los cambios en los datos de los artículos serán permanentes y no se podrán deshacer! ¿Continuar?</translation>
    </message>
    <message>
        <source>Errore sconosciuto durante la modifica dei dati!</source>
        <translation>¡Error desconocido al modificar los datos!</translation>
    </message>
    <message>
        <source>Modifica ai dati effettuata con successo!</source>
        <translation>¡Datos modificados correctamente!</translation>
    </message>
    <message>
        <source>Variazioni di Altri Dati</source>
        <translation>Cambios de otros datos</translation>
    </message>
</context>
<context>
    <name>ItemExchange</name>
    <message>
        <source>File foglio elettronico (*.csv);;File di tipo web (*.xml)</source>
        <translation>Archivo de hoja de cálculo (*.csv);;Archivo web (*.xml)</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Esportazione degli articoli...</source>
        <translation>Exportando los artículos...</translation>
    </message>
    <message>
        <source>Impossibile creare il file %1!
%2</source>
        <translation>¡Imposible crear el archivo %1!
%2</translation>
    </message>
    <message>
        <source>Importa</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Importazione degli articoli...</source>
        <translation>Importando los artículos...</translation>
    </message>
    <message>
        <source>Impossibile ricalcolare le giacenze dei prodotti importati!</source>
        <translation>¡Imposible recalcular las existencias de los productos importados!</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ItemExport</name>
    <message>
        <source>Il file %1 è stato creato con successo!</source>
        <translation>¡El archivo %1 se ha creado correctamente!</translation>
    </message>
    <message>
        <source>Errore nella creazione della cartella per le foto!</source>
        <translation>¡Error al crear la carpeta de las fotos!</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1</source>
        <translation>Imposible escribir %1</translation>
    </message>
</context>
<context>
    <name>ItemImport</name>
    <message>
        <source>&lt;Nessuno&gt;</source>
        <translation>&lt;Ninguno&gt;</translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Codice a barre</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>I.V.A.</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Ricarico</source>
        <translation>Margen</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation>Estantería</translation>
    </message>
    <message>
        <source>Un.di Misura</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Qt.Minima</source>
        <translation>Cant. mínima</translation>
    </message>
    <message>
        <source>Giacenza Iniz.</source>
        <translation>Exist. inicial</translation>
    </message>
    <message>
        <source>Codice Forn.</source>
        <translation>Cód. proveedor</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Non ci possono essere due campi uguali!</source>
        <translation>¡No puede haber dos campos iguales!</translation>
    </message>
    <message>
        <source>Il campo matricola deve essere inserito!</source>
        <translation>¡Debe indicarse el campo código!</translation>
    </message>
    <message>
        <source>Il campo descrizione deve essere inserito!</source>
        <translation>¡Debe indicarse el campo descripción!</translation>
    </message>
    <message>
        <source>Il campo unità di misura deve essere inserito!</source>
        <translation>¡Debe indicarse el campo unidad de medida!</translation>
    </message>
    <message>
        <source>il file non contiene testo</source>
        <translation>el archivo no contiene texto</translation>
    </message>
    <message>
        <source>il file non ha righe da importare</source>
        <translation>el archivo no tiene líneas para importar</translation>
    </message>
    <message>
        <source>scrittura non riuscita</source>
        <translation>escritura fallida</translation>
    </message>
    <message>
        <source>scrittura non riuscita: %1</source>
        <translation>escritura fallida: %1</translation>
    </message>
    <message>
        <source>matricola mancante</source>
        <translation>falta el código</translation>
    </message>
    <message>
        <source>descrizione mancante</source>
        <translation>falta la descripción</translation>
    </message>
    <message>
        <source>unità di misura mancante</source>
        <translation>falta la unidad de medida</translation>
    </message>
    <message>
        <source>prezzo troppo grande</source>
        <translation>precio demasiado alto</translation>
    </message>
    <message>
        <source>matricola già presente</source>
        <translation>código ya existente</translation>
    </message>
    <message>
        <source>Impossibile importare i dati!</source>
        <translation>¡Imposible importar los datos!</translation>
    </message>
    <message>
        <source>Ci sono stati degli errori ed alcuni prodotti non sono stati importati, salvare comunque l&apos;importazione?</source>
        <translation>Hubo errores y algunos productos no se importaron, ¿guardar la importación de todos modos?</translation>
    </message>
    <message>
        <source>Alcuni valori erano troppo lunghi e sono stati troncati!</source>
        <translation>¡Algunos valores eran demasiado largos y se han truncado!</translation>
    </message>
    <message>
        <source>Sono stati importati con successo %1 prodotti!</source>
        <translation>¡Se han importado correctamente %1 productos!</translation>
    </message>
    <message>
        <source>Non ancora implementato!</source>
        <translation>¡Todavía no implementado!</translation>
    </message>
    <message>
        <source>riga %1 (%2)</source>
        <translation>línea %1 (%2)</translation>
    </message>
    <message>
        <source>Righe scartate: %1: %2</source>
        <translation>Líneas descartadas: %1: %2</translation>
    </message>
</context>
<context>
    <name>ItemPhoto</name>
    <message>
        <source>La dimensione dell&apos;immagine è %1 KB</source>
        <translation>El tamaño de la imagen es %1 KB</translation>
    </message>
    <message>
        <source> e non è indicata per essere gestita in un database in quanto l&apos;archivio aumenterebbe a dismisura.</source>
        <translation> y no es adecuada para guardarla en una base de datos, ya que el archivo crecería desmesuradamente.</translation>
    </message>
    <message>
        <source> Utilizzare un&apos;immagine minore di 150 KB.</source>
        <translation> Utilice una imagen de menos de 150 KB.</translation>
    </message>
    <message>
        <source>L&apos;immagine è di %1 x %2 pixel: salvata come JPEG supererebbe comunque i 150 KB e non è indicata per essere gestita in un database in quanto l&apos;archivio aumenterebbe a dismisura.</source>
        <translation>La imagen es de %1 x %2 píxeles: guardada como JPEG superaría igualmente los 150 KB y no es adecuada para una base de datos, ya que el archivo crecería desmesuradamente.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;immagine scelta: il file non esiste o non è un&apos;immagine di un formato conosciuto.</source>
        <translation>Imposible leer la imagen elegida: el archivo no existe o no es una imagen de un formato conocido.</translation>
    </message>
    <message>
        <source>Quarzil : Selezione Immagine</source>
        <translation>Quarzil : Elegir imagen</translation>
    </message>
    <message>
        <source>Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</source>
        <translation>Todos los archivos de imagen (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</translation>
    </message>
</context>
<context>
    <name>PriceChain</name>
    <message>
        <source>Prezzo netto acquisto: %1</source>
        <translation>Precio neto de compra: %1</translation>
    </message>
    <message>
        <source>Prezzo totale acquisto: %1</source>
        <translation>Precio total de compra: %1</translation>
    </message>
    <message>
        <source>Prezzo totale vendita: %1</source>
        <translation>Precio total de venta: %1</translation>
    </message>
    <message>
        <source>Impossibile calcolare!</source>
        <translation>¡Imposible calcular!</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>Promozione del %1</source>
        <translation>Promoción del %1</translation>
    </message>
    <message>
        <source>Promozione del prendi 3 e paghi 2</source>
        <translation>Promoción: lleve 3 y pague 2</translation>
    </message>
    <message>
        <source>Promozione del prendi 2 e paghi 1</source>
        <translation>Promoción: lleve 2 y pague 1</translation>
    </message>
    <message>
        <source>Nessuna promozione</source>
        <translation>Ninguna promoción</translation>
    </message>
</context>
<context>
    <name>SerialCodes</name>
    <message>
        <source>Il codice seriale %1 è già stato caricato!</source>
        <translation>¡El código de serie %1 ya ha entrado!</translation>
    </message>
    <message>
        <source>In archivio il codice seriale %1 non è stato caricato!</source>
        <translation>¡En el archivo el código de serie %1 no ha entrado!</translation>
    </message>
    <message>
        <source>Il codice seriale %1 è già stato scaricato!</source>
        <translation>¡El código de serie %1 ya ha salido!</translation>
    </message>
    <message>
        <source>In archivio il codice seriale %1 non è stato scaricato!</source>
        <translation>¡En el archivo el código de serie %1 no ha salido!</translation>
    </message>
    <message>
        <source>Codice seriale scaricato, impossibile cancellare!</source>
        <translation>Código de serie ya salido, ¡imposible borrar!</translation>
    </message>
    <message>
        <source>Codice seriale scaricato, impossibile modificare!</source>
        <translation>Código de serie ya salido, ¡imposible modificar!</translation>
    </message>
    <message>
        <source>Impossibile inserire il codice a barre!</source>
        <translation>¡Imposible insertar el código de barras!</translation>
    </message>
    <message>
        <source>Impossibile salvare il codice a barre!</source>
        <translation>¡Imposible guardar el código de barras!</translation>
    </message>
    <message>
        <source>Impossibile cancellare il codice a barre!</source>
        <translation>¡Imposible borrar el código de barras!</translation>
    </message>
</context>
</TS>
