<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it_IT">
<context>
    <name>CArtStoricoDialog</name>
    <message>
        <source>&amp;Dal giorno</source>
        <translation>&amp;Desde el día</translation>
    </message>
    <message>
        <source>&amp;Al giorno</source>
        <translation>&amp;Hasta el día</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Impostazione Stampa</source>
        <translation>Configuración de impresión</translation>
    </message>
    <message>
        <source>La data finale non può precedere la data iniziale!</source>
        <translation>¡La fecha final no puede ser anterior a la fecha inicial!</translation>
    </message>
</context>
<context>
    <name>CAziendaSheet</name>
    <message>
        <source>I dati dell&apos;azienda che compaiono nell&apos;intestazione di documenti e stampe.</source>
        <translation>Los datos de la empresa que aparecen en el encabezado de documentos e impresiones.</translation>
    </message>
    <message>
        <source>La valuta e il formato dei numeri, proposti dal sistema.</source>
        <translation>La moneda y el formato de los números, propuestos por el sistema.</translation>
    </message>
    <message>
        <source>Gestione Dati Aziendali</source>
        <translation>Datos de la empresa</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&lt; Indietro</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Avanti &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Finalizar</translation>
    </message>
</context>
<context>
    <name>CDittaDialog</name>
    <message>
        <source>Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</source>
        <translation>Todos los archivos de imagen (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</translation>
    </message>
    <message>
        <source>&amp;Rag.Soc.</source>
        <translation>&amp;Razón social</translation>
    </message>
    <message>
        <source>&amp;Indirizzo</source>
        <translation>&amp;Dirección</translation>
    </message>
    <message>
        <source>Es. Via Giuseppe Garibaldi, 25</source>
        <translation>Ej. Calle Mayor, 25</translation>
    </message>
    <message>
        <source>&amp;Comune</source>
        <translation>&amp;Localidad</translation>
    </message>
    <message>
        <source>Es. 20121 Milano (MI)</source>
        <translation>Ej. 28013 Madrid (Madrid)</translation>
    </message>
    <message>
        <source>Na&amp;zione</source>
        <translation>Pa&amp;ís</translation>
    </message>
    <message>
        <source>&amp;Telefono</source>
        <translation>&amp;Teléfono</translation>
    </message>
    <message>
        <source>Fa&amp;x</source>
        <translation>Fa&amp;x</translation>
    </message>
    <message>
        <source>Cell&amp;ulare</source>
        <translation>&amp;Móvil</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;Correo electrónico</translation>
    </message>
    <message>
        <source>&amp;Sito Web</source>
        <translation>Sitio &amp;web</translation>
    </message>
    <message>
        <source>C&amp;od.Fisc</source>
        <translation>&amp;NIF</translation>
    </message>
    <message>
        <source>Part.I&amp;va</source>
        <translation>N° &amp;IVA</translation>
    </message>
    <message>
        <source>Ca&amp;p.Sociale</source>
        <translation>Ca&amp;pital social</translation>
    </message>
    <message>
        <source>Es. €.10.000,00</source>
        <translation>Ej. 10.000,00 €</translation>
    </message>
    <message>
        <source>A&amp;ltro</source>
        <translation>&amp;Otros</translation>
    </message>
    <message>
        <source>Es. R.E.A. XXXXX - C.C.I.A.A. XXXXX - Reg. AEE XXXXX</source>
        <translation>Ej. Registro Mercantil XXXXX - Tomo XXXXX - Folio XXXXX</translation>
    </message>
    <message>
        <source>Logo Aziendale</source>
        <translation>Logotipo de la empresa</translation>
    </message>
    <message>
        <source>Scegli il logo aziendale</source>
        <translation>Elegir el logotipo de la empresa</translation>
    </message>
    <message>
        <source>Errore nella ragione sociale</source>
        <translation>Error en la razón social</translation>
    </message>
    <message>
        <source>La ragione sociale dell&apos;azienda è obbligatoria!</source>
        <translation>¡La razón social de la empresa es obligatoria!</translation>
    </message>
    <message>
        <source>Quarzil : Selezione Immagine</source>
        <translation>Quarzil : Seleccionar imagen</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;immagine!</source>
        <translation>¡No se puede guardar la imagen!</translation>
    </message>
    <message>
        <source>Salvare questa immagine come proprio logo?</source>
        <translation>¿Guardar esta imagen como su logotipo?</translation>
    </message>
    <message>
        <source>Impossibile caricare l&apos;immagine!</source>
        <translation>¡No se puede cargar la imagen!</translation>
    </message>
    <message>
        <source>Anagrafica Azienda</source>
        <translation>Datos de la empresa</translation>
    </message>
    <message>
        <source>L&apos;immagine scelta viene adattata a un&apos;area di 100&#xa0;x&#xa0;60 punti.
Fare clic sull&apos;area per sceglierla.</source>
        <translation>La imagen elegida se ajusta a un área de 100&#xa0;x&#xa0;60 puntos.
Haga clic en el área para elegirla.</translation>
    </message>
</context>
<context>
    <name>CFormatDialog</name>
    <message>
        <source>Importi, quantità e percentuali di tutto il programma seguono queste impostazioni.</source>
        <translation>Los importes, cantidades y porcentajes de todo el programa siguen esta configuración.</translation>
    </message>
    <message>
        <source>Valute e Numeri</source>
        <translation>Monedas y números</translation>
    </message>
</context>
<context>
    <name>CFormatFields</name>
    <message>
        <source>Esempio: %1</source>
        <translation>Ejemplo: %1</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Simbolo &amp;valuta</source>
        <translation>Símbolo de &amp;moneda</translation>
    </message>
    <message>
        <source>N° &amp;decimali</source>
        <translation>N° de &amp;decimales</translation>
    </message>
    <message>
        <source>Simbolo d&amp;ecimali</source>
        <translation>Símbolo d&amp;ecimal</translation>
    </message>
    <message>
        <source>Raggruppamento &amp;cifre</source>
        <translation>Agrupación de &amp;dígitos</translation>
    </message>
    <message>
        <source>Numeri</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>N° decima&amp;li</source>
        <translation>N° de decima&amp;les</translation>
    </message>
    <message>
        <source>Simbolo deci&amp;mali</source>
        <translation>Símbolo deci&amp;mal</translation>
    </message>
    <message>
        <source>Raggruppamento ci&amp;fre</source>
        <translation>Agrupación de dí&amp;gitos</translation>
    </message>
    <message>
        <source>Simbolo decimali</source>
        <translation>Símbolo decimal</translation>
    </message>
    <message>
        <source>Errore nel simbolo dei decimali</source>
        <translation>Error en el símbolo decimal</translation>
    </message>
    <message>
        <source>Il simbolo dei decimali e raggruppamento cifre non possono essere uguali!</source>
        <translation>¡El símbolo decimal y el de agrupación de dígitos no pueden ser iguales!</translation>
    </message>
</context>
<context>
    <name>CRappMovDialog</name>
    <message>
        <source>&amp;Da</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>&amp;A</source>
        <translation>&amp;Hasta</translation>
    </message>
    <message>
        <source>Per &amp;Categoria</source>
        <translation>Por &amp;categoría</translation>
    </message>
    <message>
        <source>Per A&amp;rticolo</source>
        <translation>Por a&amp;rtículo</translation>
    </message>
    <message>
        <source>Per Cliente e &amp;Fornitore</source>
        <translation>Por cliente y &amp;proveedor</translation>
    </message>
    <message>
        <source>Per R&amp;eparto</source>
        <translation>Por &amp;departamento</translation>
    </message>
    <message>
        <source>Per &amp;Scaffale</source>
        <translation>Por &amp;estante</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A&amp;iuto</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Rapporto Movimenti</source>
        <translation>Informe de movimientos</translation>
    </message>
</context>
<context>
    <name>CSceltaValuta</name>
    <message>
        <source>Stampa Valuta Documento</source>
        <translation>Moneda de impresión del documento</translation>
    </message>
    <message>
        <source>Scegliere la stampa della valuta del documento</source>
        <translation>Elija la moneda en que se imprime el documento</translation>
    </message>
    <message>
        <source>Valuta &amp;Base</source>
        <translation>Moneda &amp;base</translation>
    </message>
    <message>
        <source>Valuta &amp;Documento</source>
        <translation>Moneda del &amp;documento</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CStampaAnaDialog</name>
    <message>
        <source>Impostazione Stampa</source>
        <translation>Configuración de impresión</translation>
    </message>
    <message>
        <source>&amp;Da Data:</source>
        <translation>&amp;Desde la fecha:</translation>
    </message>
    <message>
        <source>&amp;Fino a Data:</source>
        <translation>&amp;Hasta la fecha:</translation>
    </message>
    <message>
        <source>&amp;Stampa tutte le righe</source>
        <translation>&amp;Imprimir todas las filas</translation>
    </message>
    <message>
        <source>S&amp;tampa solo le righe selezionate</source>
        <translation>Imprimir solo las filas &amp;seleccionadas</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CStampaDialog</name>
    <message>
        <source>&amp;Stampa tutte le righe</source>
        <translation>&amp;Imprimir todas las filas</translation>
    </message>
    <message>
        <source>S&amp;tampa solo le righe selezionate</source>
        <translation>Imprimir solo las filas &amp;seleccionadas</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Impostazione Stampa</source>
        <translation>Configuración de impresión</translation>
    </message>
</context>
<context>
    <name>CValutaDialog</name>
    <message>
        <source>Valute e Numeri</source>
        <translation>Monedas y números</translation>
    </message>
    <message>
        <source>Cambio</source>
        <translation>Tipo de cambio</translation>
    </message>
    <message>
        <source>1 %1 vale</source>
        <translation>1 %1 equivale a</translation>
    </message>
    <message>
        <source>Apri Cambio Valute</source>
        <translation>Abrir conversor de monedas</translation>
    </message>
    <message>
        <source>Agg&amp;iorna valori nel documento</source>
        <translation>Act&amp;ualizar los importes del documento</translation>
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
    <name>DocumentPrinter</name>
    <message>
        <source>Anteprima di Stampa - Quarzil</source>
        <translation>Vista previa de impresión - Quarzil</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Guardar PDF</translation>
    </message>
    <message>
        <source>Salva il documento come file PDF</source>
        <translation>Guardar el documento como archivo PDF</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Impossibile stampare il documento: la stampante non è disponibile.</source>
        <translation>No se puede imprimir el documento: la impresora no está disponible.</translation>
    </message>
    <message>
        <source>Salva come PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FieldHelpers</name>
    <message>
        <source>Il campo non può essere più lungo di %1 caratteri!</source>
        <translation>¡El campo no puede tener más de %1 caracteres!</translation>
    </message>
</context>
<context>
    <name>MovementDocuments</name>
    <message>
        <source>Questa stampa non è un documento di un movimento.</source>
        <translation>Esta impresión no es un documento de un movimiento.</translation>
    </message>
    <message>
        <source>Il movimento %1 non esiste.</source>
        <translation>El movimiento %1 no existe.</translation>
    </message>
    <message>
        <source>Impossibile leggere il movimento %1: %2</source>
        <translation>No se puede leer el movimiento %1: %2</translation>
    </message>
    <message>
        <source>Impossibile leggere i movimenti: %1</source>
        <translation>No se pueden leer los movimientos: %1</translation>
    </message>
</context>
<context>
    <name>MovementPrints</name>
    <message>
        <source>Impossibile leggere i dati da stampare.</source>
        <translation>No se pueden leer los datos que imprimir.</translation>
    </message>
</context>
<context>
    <name>PageCount</name>
    <message>
        <source>Non ci sono dati da stampare!</source>
        <translation>¡No hay datos que imprimir!</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Il carattere di stampa &quot;%1&quot; non è installato (trovato &quot;%2&quot;): installare il pacchetto fonts-liberation2.</source>
        <translation>La fuente de impresión &quot;%1&quot; no está instalada (se encontró &quot;%2&quot;): instale el paquete fonts-liberation2.</translation>
    </message>
</context>
<context>
    <name>PeriodMessages</name>
    <message>
        <source>La data finale deve essere maggiore della data iniziale!</source>
        <translation>¡La fecha final debe ser posterior a la fecha inicial!</translation>
    </message>
    <message>
        <source>La data finale deve essere maggiore di almeno un giorno della data iniziale!</source>
        <translation>¡La fecha final debe ser al menos un día posterior a la fecha inicial!</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Impossibile creare il documento PDF %1.</source>
        <translation>No se puede crear el documento PDF %1.</translation>
    </message>
</context>
</TS>
