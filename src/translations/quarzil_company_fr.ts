<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="it_IT">
<context>
    <name>CArtStoricoDialog</name>
    <message>
        <source>&amp;Dal giorno</source>
        <translation>&amp;Du jour</translation>
    </message>
    <message>
        <source>&amp;Al giorno</source>
        <translation>&amp;Au jour</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Impostazione Stampa</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>La data finale non può precedere la data iniziale!</source>
        <translation>La date de fin ne peut pas précéder la date de début !</translation>
    </message>
</context>
<context>
    <name>CAziendaSheet</name>
    <message>
        <source>I dati dell&apos;azienda che compaiono nell&apos;intestazione di documenti e stampe.</source>
        <translation>Les données de l&apos;entreprise qui figurent dans l&apos;en-tête des documents et des impressions.</translation>
    </message>
    <message>
        <source>La valuta e il formato dei numeri, proposti dal sistema.</source>
        <translation>La devise et le format des nombres, proposés par le système.</translation>
    </message>
    <message>
        <source>Gestione Dati Aziendali</source>
        <translation>Données de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt; Indietro</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>Avanti &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Terminer</translation>
    </message>
</context>
<context>
    <name>CDittaDialog</name>
    <message>
        <source>Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</source>
        <translation>Tous les fichiers image (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</translation>
    </message>
    <message>
        <source>&amp;Rag.Soc.</source>
        <translation>&amp;Raison sociale</translation>
    </message>
    <message>
        <source>&amp;Indirizzo</source>
        <translation>&amp;Adresse</translation>
    </message>
    <message>
        <source>Es. Via Giuseppe Garibaldi, 25</source>
        <translation>Ex. 25, rue de la République</translation>
    </message>
    <message>
        <source>&amp;Comune</source>
        <translation>&amp;Commune</translation>
    </message>
    <message>
        <source>Es. 20121 Milano (MI)</source>
        <translation>Ex. 69002 Lyon (Rhône)</translation>
    </message>
    <message>
        <source>Na&amp;zione</source>
        <translation>Pa&amp;ys</translation>
    </message>
    <message>
        <source>&amp;Telefono</source>
        <translation>&amp;Téléphone</translation>
    </message>
    <message>
        <source>Fa&amp;x</source>
        <translation>Fa&amp;x</translation>
    </message>
    <message>
        <source>Cell&amp;ulare</source>
        <translation>&amp;Portable</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>&amp;Sito Web</source>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>C&amp;od.Fisc</source>
        <translation>N° &amp;fiscal</translation>
    </message>
    <message>
        <source>Part.I&amp;va</source>
        <translation>N° &amp;TVA</translation>
    </message>
    <message>
        <source>Ca&amp;p.Sociale</source>
        <translation>Ca&amp;pital social</translation>
    </message>
    <message>
        <source>Es. €.10.000,00</source>
        <translation>Ex. 10 000,00 €</translation>
    </message>
    <message>
        <source>A&amp;ltro</source>
        <translation>A&amp;utre</translation>
    </message>
    <message>
        <source>Es. R.E.A. XXXXX - C.C.I.A.A. XXXXX - Reg. AEE XXXXX</source>
        <translation>Ex. RCS XXXXX - SIRET XXXXX - N° DEEE XXXXX</translation>
    </message>
    <message>
        <source>Logo Aziendale</source>
        <translation>Logo de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Scegli il logo aziendale</source>
        <translation>Choisir le logo de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Errore nella ragione sociale</source>
        <translation>Erreur dans la raison sociale</translation>
    </message>
    <message>
        <source>La ragione sociale dell&apos;azienda è obbligatoria!</source>
        <translation>La raison sociale de l&apos;entreprise est obligatoire !</translation>
    </message>
    <message>
        <source>Quarzil : Selezione Immagine</source>
        <translation>Quarzil : Sélection d&apos;image</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;immagine!</source>
        <translation>Impossible d&apos;enregistrer l&apos;image !</translation>
    </message>
    <message>
        <source>Salvare questa immagine come proprio logo?</source>
        <translation>Enregistrer cette image comme votre logo ?</translation>
    </message>
    <message>
        <source>Impossibile caricare l&apos;immagine!</source>
        <translation>Impossible de charger l&apos;image !</translation>
    </message>
    <message>
        <source>Anagrafica Azienda</source>
        <translation>Coordonnées de l&apos;entreprise</translation>
    </message>
    <message>
        <source>L&apos;immagine scelta viene adattata a un&apos;area di 100&#xa0;x&#xa0;60 punti.
Fare clic sull&apos;area per sceglierla.</source>
        <translation>L&apos;image choisie est adaptée à une zone de 100&#xa0;x&#xa0;60 points.
Cliquez sur la zone pour la choisir.</translation>
    </message>
</context>
<context>
    <name>CFormatDialog</name>
    <message>
        <source>Importi, quantità e percentuali di tutto il programma seguono queste impostazioni.</source>
        <translation>Les montants, quantités et pourcentages de tout le programme suivent ces paramètres.</translation>
    </message>
    <message>
        <source>Valute e Numeri</source>
        <translation>Devises et nombres</translation>
    </message>
</context>
<context>
    <name>CFormatFields</name>
    <message>
        <source>Esempio: %1</source>
        <translation>Exemple : %1</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Simbolo &amp;valuta</source>
        <translation>&amp;Symbole monétaire</translation>
    </message>
    <message>
        <source>N° &amp;decimali</source>
        <translation>Nombre de &amp;décimales</translation>
    </message>
    <message>
        <source>Simbolo d&amp;ecimali</source>
        <translation>Symbole d&amp;écimal</translation>
    </message>
    <message>
        <source>Raggruppamento &amp;cifre</source>
        <translation>Groupement des &amp;chiffres</translation>
    </message>
    <message>
        <source>Numeri</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>N° decima&amp;li</source>
        <translation>Nom&amp;bre de décimales</translation>
    </message>
    <message>
        <source>Simbolo deci&amp;mali</source>
        <translation>Symbole déci&amp;mal</translation>
    </message>
    <message>
        <source>Raggruppamento ci&amp;fre</source>
        <translation>Groupement des chi&amp;ffres</translation>
    </message>
    <message>
        <source>Simbolo decimali</source>
        <translation>Symbole décimal</translation>
    </message>
    <message>
        <source>Errore nel simbolo dei decimali</source>
        <translation>Erreur dans le symbole décimal</translation>
    </message>
    <message>
        <source>Il simbolo dei decimali e raggruppamento cifre non possono essere uguali!</source>
        <translation>Le symbole décimal et celui du groupement des chiffres ne peuvent pas être identiques !</translation>
    </message>
</context>
<context>
    <name>CRappMovDialog</name>
    <message>
        <source>&amp;Da</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;A</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <source>Per &amp;Categoria</source>
        <translation>Par &amp;catégorie</translation>
    </message>
    <message>
        <source>Per A&amp;rticolo</source>
        <translation>Par a&amp;rticle</translation>
    </message>
    <message>
        <source>Per Cliente e &amp;Fornitore</source>
        <translation>Par client et &amp;fournisseur</translation>
    </message>
    <message>
        <source>Per R&amp;eparto</source>
        <translation>Par ra&amp;yon</translation>
    </message>
    <message>
        <source>Per &amp;Scaffale</source>
        <translation>Par &amp;étagère</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A&amp;iuto</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Rapporto Movimenti</source>
        <translation>Rapport des mouvements</translation>
    </message>
</context>
<context>
    <name>CSceltaValuta</name>
    <message>
        <source>Stampa Valuta Documento</source>
        <translation>Devise d&apos;impression du document</translation>
    </message>
    <message>
        <source>Scegliere la stampa della valuta del documento</source>
        <translation>Choisissez la devise d&apos;impression du document</translation>
    </message>
    <message>
        <source>Valuta &amp;Base</source>
        <translation>Devise de &amp;base</translation>
    </message>
    <message>
        <source>Valuta &amp;Documento</source>
        <translation>Devise du &amp;document</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CStampaAnaDialog</name>
    <message>
        <source>Impostazione Stampa</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>&amp;Da Data:</source>
        <translation>&amp;Depuis le :</translation>
    </message>
    <message>
        <source>&amp;Fino a Data:</source>
        <translation>&amp;Jusqu&apos;au :</translation>
    </message>
    <message>
        <source>&amp;Stampa tutte le righe</source>
        <translation>&amp;Imprimer toutes les lignes</translation>
    </message>
    <message>
        <source>S&amp;tampa solo le righe selezionate</source>
        <translation>Imprimer uniquement les lignes &amp;sélectionnées</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CStampaDialog</name>
    <message>
        <source>&amp;Stampa tutte le righe</source>
        <translation>&amp;Imprimer toutes les lignes</translation>
    </message>
    <message>
        <source>S&amp;tampa solo le righe selezionate</source>
        <translation>Imprimer uniquement les lignes &amp;sélectionnées</translation>
    </message>
    <message>
        <source>Continua</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Impostazione Stampa</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
</context>
<context>
    <name>CValutaDialog</name>
    <message>
        <source>Valute e Numeri</source>
        <translation>Devises et nombres</translation>
    </message>
    <message>
        <source>Cambio</source>
        <translation>Taux de change</translation>
    </message>
    <message>
        <source>1 %1 vale</source>
        <translation>1 %1 vaut</translation>
    </message>
    <message>
        <source>Apri Cambio Valute</source>
        <translation>Ouvrir le convertisseur de devises</translation>
    </message>
    <message>
        <source>Agg&amp;iorna valori nel documento</source>
        <translation>Mettre à jour les &amp;montants du document</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>Anteprima di Stampa - Quarzil</source>
        <translation>Aperçu avant impression - Quarzil</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Enregistrer PDF</translation>
    </message>
    <message>
        <source>Salva il documento come file PDF</source>
        <translation>Enregistrer le document en fichier PDF</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Impossibile stampare il documento: la stampante non è disponibile.</source>
        <translation>Impossible d&apos;imprimer le document : l&apos;imprimante n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Salva come PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FieldHelpers</name>
    <message>
        <source>Il campo non può essere più lungo di %1 caratteri!</source>
        <translation>Le champ ne peut pas dépasser %1 caractères !</translation>
    </message>
</context>
<context>
    <name>MovementDocuments</name>
    <message>
        <source>Questa stampa non è un documento di un movimento.</source>
        <translation>Cette impression n&apos;est pas un document de mouvement.</translation>
    </message>
    <message>
        <source>Il movimento %1 non esiste.</source>
        <translation>Le mouvement %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Impossibile leggere il movimento %1: %2</source>
        <translation>Impossible de lire le mouvement %1 : %2</translation>
    </message>
    <message>
        <source>Impossibile leggere i movimenti: %1</source>
        <translation>Impossible de lire les mouvements : %1</translation>
    </message>
</context>
<context>
    <name>MovementPrints</name>
    <message>
        <source>Impossibile leggere i dati da stampare.</source>
        <translation>Impossible de lire les données à imprimer.</translation>
    </message>
</context>
<context>
    <name>PageCount</name>
    <message>
        <source>Non ci sono dati da stampare!</source>
        <translation>Il n&apos;y a aucune donnée à imprimer !</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Il carattere di stampa &quot;%1&quot; non è installato (trovato &quot;%2&quot;): installare il pacchetto fonts-liberation2.</source>
        <translation>La police d&apos;impression « %1 » n&apos;est pas installée (trouvée : « %2 ») : installez le paquet fonts-liberation2.</translation>
    </message>
</context>
<context>
    <name>PeriodMessages</name>
    <message>
        <source>La data finale deve essere maggiore della data iniziale!</source>
        <translation>La date de fin doit être postérieure à la date de début !</translation>
    </message>
    <message>
        <source>La data finale deve essere maggiore di almeno un giorno della data iniziale!</source>
        <translation>La date de fin doit être postérieure d&apos;au moins un jour à la date de début !</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Impossibile creare il documento PDF %1.</source>
        <translation>Impossible de créer le document PDF %1.</translation>
    </message>
</context>
</TS>
