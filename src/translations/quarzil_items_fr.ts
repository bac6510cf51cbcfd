<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="it_IT">
<context>
    <name>ArtListModel</name>
    <message>
        <source>Matricola</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Carichi</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Scarichi</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Resi</source>
        <translation>Retours</translation>
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
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Scarico</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Reso</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>BarcodeReader</name>
    <message>
        <source>Nessuna</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Dispari</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Pari</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Nessuno</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>CArticoliView</name>
    <message>
        <source>Inserisci Nuovo Prodotto ( F3 )</source>
        <translation>Insérer un nouveau produit ( F3 )</translation>
    </message>
    <message>
        <source>Apri Prodotto Selezionato ( Invio )</source>
        <translation>Ouvrir le produit sélectionné ( Entrée )</translation>
    </message>
    <message>
        <source>Elimina Prodotto Selezionato ( Ctrl+D )</source>
        <translation>Supprimer le produit sélectionné ( Ctrl+D )</translation>
    </message>
    <message>
        <source>Filtro Prodotti</source>
        <translation>Filtre des produits</translation>
    </message>
    <message>
        <source>Cerca Prodotto</source>
        <translation>Rechercher un produit</translation>
    </message>
    <message>
        <source>Articolo di magazzino non trovato!</source>
        <translation>Article de stock introuvable !</translation>
    </message>
    <message>
        <source>%1 di %2 %3</source>
        <translation>%1 de %2 %3</translation>
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
        <translation>Code fournisseur</translation>
    </message>
    <message>
        <source>I&amp;va inclusa nel prezzo</source>
        <translation>&amp;TVA comprise dans le prix</translation>
    </message>
    <message>
        <source>Og&amp;ni articolo un codice a barre diverso tipo IMEI degli smartphone</source>
        <translation>Chaque unité son propre &amp;code-barres, comme l&apos;IMEI des smartphones</translation>
    </message>
    <message>
        <source>Calcola Ricarico</source>
        <translation>Calculer la marge</translation>
    </message>
    <message>
        <source>Gestione Unità di Misura</source>
        <translation>Unités de mesure</translation>
    </message>
    <message>
        <source>Eliminare le Categorie non Utilizzate</source>
        <translation>Supprimer les catégories inutilisées</translation>
    </message>
    <message>
        <source>Elimina Reparti non Utilizzati</source>
        <translation>Supprimer les rayons inutilisés</translation>
    </message>
    <message>
        <source>Elimina Scaffali non Utilizzati</source>
        <translation>Supprimer les étagères inutilisées</translation>
    </message>
    <message>
        <source>Elimina Gruppi non Utilizzati</source>
        <translation>Supprimer les groupes inutilisés</translation>
    </message>
    <message>
        <source>Inserisci Fornitore</source>
        <translation>Insérer un fournisseur</translation>
    </message>
    <message>
        <source>Modifica Fornitore</source>
        <translation>Modifier le fournisseur</translation>
    </message>
    <message>
        <source>Trova Fornitore</source>
        <translation>Rechercher un fournisseur</translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation>&amp;Référence</translation>
    </message>
    <message>
        <source>&amp;Cod. a Barre</source>
        <translation>Code-&amp;barres</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>&amp;Unità di Mis.</source>
        <translation>&amp;Unité</translation>
    </message>
    <message>
        <source>&amp;Prezzo Acq.</source>
        <translation>&amp;Prix d&apos;achat</translation>
    </message>
    <message>
        <source>&amp;IVA Preval.</source>
        <translation>&amp;TVA habituelle</translation>
    </message>
    <message>
        <source>&amp;Scorta Min.</source>
        <translation>Stock &amp;min.</translation>
    </message>
    <message>
        <source>&amp;Giac.Iniz.</source>
        <translation>Stock &amp;init.</translation>
    </message>
    <message>
        <source>Scon&amp;to</source>
        <translation>Rem&amp;ise</translation>
    </message>
    <message>
        <source>C&amp;ategoria</source>
        <translation>C&amp;atégorie</translation>
    </message>
    <message>
        <source>Ricaric&amp;o</source>
        <translation>Ma&amp;rge</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>&amp;Reparto</source>
        <translation>&amp;Rayon</translation>
    </message>
    <message>
        <source>Sca&amp;ffale</source>
        <translation>É&amp;tagère</translation>
    </message>
    <message>
        <source>Forn.Preva&amp;l.</source>
        <translation>Fourn. &amp;habituel</translation>
    </message>
    <message>
        <source>Codice Fornitore</source>
        <translation>Code fournisseur</translation>
    </message>
    <message>
        <source>Inserire qui le note del prodotto. Premere Ctrl+Invio per inserire una nuova riga</source>
        <translation>Saisissez ici les notes du produit. Ctrl+Entrée pour une nouvelle ligne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Salva (Invio)</source>
        <translation>Enregistrer (Entrée)</translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation>Enregistrer (F2)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Attenzione, utilizzare questa funzione con cautela, infatti una volta salvato l&apos;articolo di magazzino questo valore non può più essere cambiato.
</source>
        <translation>Attention : utilisez cette fonction avec prudence, car une fois l&apos;article enregistré cette valeur ne peut plus être modifiée.
</translation>
    </message>
    <message>
        <source>Con questa opzione attiva in ogni movimento dell&apos;articolo verrà mostrata una finestra dove inserire un codice a barre per ogni singola quantità inserita.
</source>
        <translation>Avec cette option, chaque mouvement de l&apos;article affiche une fenêtre où saisir un code-barres pour chaque unité de la quantité.
</translation>
    </message>
    <message>
        <source>Se ad esempio mettessi 4 come quantità occorrerebbe inserire 4 codici a barre diversi per questo articolo. Si desidera continuare comunque?</source>
        <translation>Par exemple, une quantité de 4 demanderait 4 codes-barres différents pour cet article. Continuer malgré tout ?</translation>
    </message>
    <message>
        <source>Cliente o fornitore non trovato!</source>
        <translation>Client ou fournisseur introuvable !</translation>
    </message>
    <message>
        <source>Errore matricola</source>
        <translation>Erreur de référence</translation>
    </message>
    <message>
        <source>La matricola dell&apos;articolo non può avere valore nullo!</source>
        <translation>La référence de l&apos;article ne peut pas être vide !</translation>
    </message>
    <message>
        <source>La matricola è duplicata, scegliere un altro valore!</source>
        <translation>La référence existe déjà, choisissez une autre valeur !</translation>
    </message>
    <message>
        <source>Errore descrizione</source>
        <translation>Erreur de description</translation>
    </message>
    <message>
        <source>La descrizione dell&apos;articolo non può avere valore nullo!</source>
        <translation>La description de l&apos;article ne peut pas être vide !</translation>
    </message>
    <message>
        <source>Errore codice a barre</source>
        <translation>Erreur de code-barres</translation>
    </message>
    <message>
        <source>Il codice a barre è duplicato, scegliere un altro valore!</source>
        <translation>Le code-barres existe déjà, choisissez une autre valeur !</translation>
    </message>
    <message>
        <source>Errore prezzo</source>
        <translation>Erreur de prix</translation>
    </message>
    <message>
        <source>Il prezzo non è un importo valido!</source>
        <translation>Le prix n&apos;est pas un montant valide !</translation>
    </message>
    <message>
        <source>Dati Articolo</source>
        <translation>Données de l&apos;article</translation>
    </message>
</context>
<context>
    <name>CBarCodeWnd</name>
    <message>
        <source>Codici a barre supportati: EAN8 - EAN13 - CODE39</source>
        <translation>Codes-barres pris en charge : EAN8 - EAN13 - CODE39</translation>
    </message>
</context>
<context>
    <name>CFiltroArtDialog</name>
    <message>
        <source>Filtro Dati</source>
        <translation>Filtre des données</translation>
    </message>
    <message>
        <source>Qualsiasi valore</source>
        <translation>Toute valeur</translation>
    </message>
    <message>
        <source>Giacenza maggiore di zero</source>
        <translation>Stock supérieur à zéro</translation>
    </message>
    <message>
        <source>Giacenza minore di zero</source>
        <translation>Stock inférieur à zéro</translation>
    </message>
    <message>
        <source>Giacenza uguale a zero</source>
        <translation>Stock égal à zéro</translation>
    </message>
    <message>
        <source>Riordino maggiore di zero</source>
        <translation>Réapprovisionnement supérieur à zéro</translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation>&amp;Référence</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>&amp;Categoria</source>
        <translation>&amp;Catégorie</translation>
    </message>
    <message>
        <source>&amp;Giacenza</source>
        <translation>&amp;Stock</translation>
    </message>
    <message>
        <source>Per più valori utilizzare il carattere jolly *</source>
        <translation>Pour plusieurs valeurs, utilisez le caractère joker *</translation>
    </message>
</context>
<context>
    <name>CFotoEditWait</name>
    <message>
        <source>Modifica Immagine</source>
        <translation>Modifier l&apos;image</translation>
    </message>
    <message>
        <source>L&apos;immagine è aperta nel programma di modifica delle immagini.
Salvare le modifiche nello stesso file, poi premere &quot;Fatto&quot;.

%1</source>
        <translation>L&apos;image est ouverte dans l&apos;éditeur d&apos;images.
Enregistrez les modifications dans le même fichier, puis appuyez sur « Terminé ».

%1</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CFotoView</name>
    <message>
        <source>Visualizzazione Immagine</source>
        <translation>Affichage de l&apos;image</translation>
    </message>
</context>
<context>
    <name>CFotoWnd</name>
    <message>
        <source>&amp;Reale</source>
        <translation>Taille &amp;réelle</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Acquisisci</source>
        <translation>Acquérir</translation>
    </message>
    <message>
        <source>Interruzione in corso...</source>
        <translation>Interruption en cours...</translation>
    </message>
    <message>
        <source>Nessuno scanner o fotocamera trovato: collegare il dispositivo, accenderlo e riprovare.</source>
        <translation>Aucun scanner ni appareil photo trouvé : branchez l&apos;appareil, allumez-le et réessayez.</translation>
    </message>
    <message>
        <source>&amp;Scegli</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>&amp;Acquisisci</source>
        <translation>&amp;Acquérir</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Ricerca di scanner e fotocamere in corso...</source>
        <translation>Recherche des scanners et appareils photo...</translation>
    </message>
    <message>
        <source>Impossibile usare scanner e fotocamere: %1</source>
        <translation>Impossible d&apos;utiliser les scanners et appareils photo : %1</translation>
    </message>
    <message>
        <source>Acquisizione dell&apos;immagine da %1 in corso...</source>
        <translation>Acquisition de l&apos;image depuis %1...</translation>
    </message>
    <message>
        <source>Impossibile acquisire l&apos;immagine da %1: %2</source>
        <translation>Impossible d&apos;acquérir l&apos;image depuis %1 : %2</translation>
    </message>
    <message>
        <source>Impossibile modificare l&apos;immagine!</source>
        <translation>Impossible de modifier l&apos;image !</translation>
    </message>
    <message>
        <source>Nessun programma installato per modificare immagini bitmap!</source>
        <translation>Aucun programme installé pour modifier les images bitmap !</translation>
    </message>
    <message>
        <source>Click qui per selezionare un&apos;immagine</source>
        <translation>Cliquez ici pour choisir une image</translation>
    </message>
    <message>
        <source>Immagine</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>CImeiDialog</name>
    <message>
        <source>&amp;Lettore</source>
        <translation>&amp;Lecteur</translation>
    </message>
    <message>
        <source>Con il lettore attivo ogni codice letto viene inserito</source>
        <translation>Lecteur actif : chaque code lu est saisi</translation>
    </message>
    <message>
        <source>&amp;Inserisci</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>Inserisci Codice</source>
        <translation>Insérer un code</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Salva Codice</source>
        <translation>Enregistrer le code</translation>
    </message>
    <message>
        <source>&amp;Rimuovi</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Elimina Codice</source>
        <translation>Supprimer le code</translation>
    </message>
    <message>
        <source>&amp;Codice</source>
        <translation>&amp;Code</translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation>Enregistrer (F2)</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Codici da inserire: %1</source>
        <translation>Codes à saisir : %1</translation>
    </message>
    <message>
        <source>Codici da rimuovere: %1</source>
        <translation>Codes à retirer : %1</translation>
    </message>
    <message>
        <source>Occorre inserire il codice a barre!</source>
        <translation>Il faut saisir le code-barres !</translation>
    </message>
    <message>
        <source>Numero articoli da movimentare uguali a zero!</source>
        <translation>Le nombre d&apos;articles à mouvementer est nul !</translation>
    </message>
    <message>
        <source>Il codice seriale %1 è già stato movimentato!</source>
        <translation>Le numéro de série %1 a déjà été mouvementé !</translation>
    </message>
    <message>
        <source>Si desidera cancellare il codice a barre selezionato?</source>
        <translation>Supprimer le code-barres sélectionné ?</translation>
    </message>
    <message>
        <source>Occorre inserire ancora %1 codici a barre!</source>
        <translation>Il faut encore saisir %1 codes-barres !</translation>
    </message>
    <message>
        <source>Occorre rimuovere ancora %1 codici a barre!</source>
        <translation>Il faut encore retirer %1 codes-barres !</translation>
    </message>
    <message>
        <source>Codici a Barre Univoci</source>
        <translation>Codes-barres uniques</translation>
    </message>
</context>
<context>
    <name>CImportaDlg</name>
    <message>
        <source>Separatore di campo</source>
        <translation>Séparateur de champ</translation>
    </message>
    <message>
        <source>&amp;Punto e Virgola ( ; )</source>
        <translation>&amp;Point-virgule ( ; )</translation>
    </message>
    <message>
        <source>&amp;Virgola ( , )</source>
        <translation>&amp;Virgule ( , )</translation>
    </message>
    <message>
        <source>P&amp;unto ( . )</source>
        <translation>P&amp;oint ( . )</translation>
    </message>
    <message>
        <source>Delimitatore di testo</source>
        <translation>Délimiteur de texte</translation>
    </message>
    <message>
        <source>&amp;Nessuno</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>&amp;Doppi Apici ( &quot; )</source>
        <translation>&amp;Guillemets doubles ( &quot; )</translation>
    </message>
    <message>
        <source>Api&amp;ce Semplice ( &apos; )</source>
        <translation>Apostroph&amp;e ( &apos; )</translation>
    </message>
    <message>
        <source>&amp;Intestazione di colonna nella prima riga</source>
        <translation>&amp;En-têtes de colonne sur la première ligne</translation>
    </message>
    <message>
        <source>Colonne del file</source>
        <translation>Colonnes du fichier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Importazione Dati</source>
        <translation>Importation des données</translation>
    </message>
</context>
<context>
    <name>CLettoreBarreDialog</name>
    <message>
        <source>Lettore a Barre</source>
        <translation>Lecteur de codes-barres</translation>
    </message>
    <message>
        <source>&amp;Porta</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source> Caratteristiche porta seriale </source>
        <translation> Caractéristiques du port série </translation>
    </message>
    <message>
        <source>Bit per &amp;secondo</source>
        <translation>Bits par &amp;seconde</translation>
    </message>
    <message>
        <source>Bit di &amp;dati</source>
        <translation>Bits de &amp;données</translation>
    </message>
    <message>
        <source>Pa&amp;rità</source>
        <translation>Pa&amp;rité</translation>
    </message>
    <message>
        <source>Bit di st&amp;op</source>
        <translation>Bits d&apos;a&amp;rrêt</translation>
    </message>
    <message>
        <source>&amp;Controllo di flusso</source>
        <translation>&amp;Contrôle de flux</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Pro&amp;va</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>Errore nell&apos;enumerazione delle porte!</source>
        <translation>Erreur lors de l&apos;énumération des ports !</translation>
    </message>
    <message>
        <source>Impossibile salvare le impostazioni del lettore: il file delle impostazioni non è scrivibile.</source>
        <translation>Impossible d&apos;enregistrer les réglages du lecteur : le fichier des réglages n&apos;est pas accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>CMovArtBar</name>
    <message>
        <source>Movimenti di magazzino</source>
        <translation>Mouvements de stock</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tipo di Movimento</source>
        <translation>Type de mouvement</translation>
    </message>
    <message>
        <source>Cliente / Fornitore</source>
        <translation>Client / Fournisseur</translation>
    </message>
</context>
<context>
    <name>COfferteDialog</name>
    <message>
        <source>Prodotto</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
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
        <translation>La date de début doit précéder la date de fin !</translation>
    </message>
    <message>
        <source>Impossibile inserire la promozione!</source>
        <translation>Impossible d&apos;insérer la promotion !</translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati!</source>
        <translation>Impossible de supprimer la ou les valeurs sélectionnées !</translation>
    </message>
    <message>
        <source>Articolo di magazzino non trovato!</source>
        <translation>Article de stock introuvable !</translation>
    </message>
    <message>
        <source>Inserisci Offerta (Ctrl+Ins)</source>
        <translation>Insérer une offre (Ctrl+Inser)</translation>
    </message>
    <message>
        <source>Elimina Offerta (Ctrl+Canc)</source>
        <translation>Supprimer l&apos;offre (Ctrl+Suppr)</translation>
    </message>
    <message>
        <source>Salva Offerta (Ctrl+S)</source>
        <translation>Enregistrer l&apos;offre (Ctrl+S)</translation>
    </message>
    <message>
        <source>Inserisci Articolo</source>
        <translation>Insérer un article</translation>
    </message>
    <message>
        <source>Modifica Articolo</source>
        <translation>Modifier l&apos;article</translation>
    </message>
    <message>
        <source>Trova Articolo</source>
        <translation>Rechercher un article</translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Code-barres</translation>
    </message>
    <message>
        <source>&amp;Sempre</source>
        <translation>&amp;Toujours</translation>
    </message>
    <message>
        <source>S&amp;conto</source>
        <translation>Re&amp;mise</translation>
    </message>
    <message>
        <source>&amp;3 x 2</source>
        <translation>&amp;3 pour 2</translation>
    </message>
    <message>
        <source>&amp;2 x 1</source>
        <translation>&amp;2 pour 1</translation>
    </message>
    <message>
        <source>A&amp;ttiva</source>
        <translation>Ac&amp;tive</translation>
    </message>
    <message>
        <source>Articolo</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>&amp;Matricola</source>
        <translation>&amp;Référence</translation>
    </message>
    <message>
        <source>Codice a &amp;Barre</source>
        <translation>Code-&amp;barres</translation>
    </message>
    <message>
        <source>&amp;Articolo</source>
        <translation>&amp;Article</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>&amp;Dal</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>A&amp;l</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <source>Salva (F2)</source>
        <translation>Enregistrer (F2)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Sempre</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Gestione Offerte e Promozioni</source>
        <translation>Offres et promotions</translation>
    </message>
</context>
<context>
    <name>CProvaLettoreDialog</name>
    <message>
        <source>Prova del Lettore</source>
        <translation>Test du lecteur</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Code-barres</translation>
    </message>
    <message>
        <source>La porta %1 non risponde: il lettore è scollegato?</source>
        <translation>Le port %1 ne répond pas : le lecteur est-il débranché ?</translation>
    </message>
    <message>
        <source>Porta di nuovo aperta (%1): leggere un codice.</source>
        <translation>Port de nouveau ouvert (%1) : lisez un code.</translation>
    </message>
    <message>
        <source>In attesa di un codice (%1).</source>
        <translation>En attente d&apos;un code (%1).</translation>
    </message>
    <message>
        <source>Codici letti: %1. Ultimo codice: %2 caratteri.</source>
        <translation>Codes lus : %1. Dernier code : %2 caractères.</translation>
    </message>
    <message>
        <source>Impossibile aprire la porta selezionata!</source>
        <translation>Impossible d&apos;ouvrir le port sélectionné !</translation>
    </message>
</context>
<context>
    <name>CRicaricoDialog</name>
    <message>
        <source>&amp;Prezzo d&apos;acquisto</source>
        <translation>&amp;Prix d&apos;achat</translation>
    </message>
    <message>
        <source>&amp;I.V.A.</source>
        <translation>&amp;TVA</translation>
    </message>
    <message>
        <source>&amp;Sconto</source>
        <translation>&amp;Remise</translation>
    </message>
    <message>
        <source>&amp;Ricarico</source>
        <translation>&amp;Marge</translation>
    </message>
    <message>
        <source>Prezzo di &amp;vendita</source>
        <translation>Prix de &amp;vente</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Calcolo Ricarico</source>
        <translation>Calcul de la marge</translation>
    </message>
</context>
<context>
    <name>CSceltaScannerDialog</name>
    <message>
        <source>Quarzil : Selezione Scanner</source>
        <translation>Quarzil : Choix du scanner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Acquisire l&apos;immagine da:</source>
        <translation>Acquérir l&apos;image depuis :</translation>
    </message>
</context>
<context>
    <name>CUniMisDialog</name>
    <message>
        <source>Inserisci Unità di Misura (Ctrl+Ins)</source>
        <translation>Insérer une unité de mesure (Ctrl+Inser)</translation>
    </message>
    <message>
        <source>Salva Unità di Misura (Ctrl+S)</source>
        <translation>Enregistrer l&apos;unité de mesure (Ctrl+S)</translation>
    </message>
    <message>
        <source>Elimina Unità di Misura (Ctrl+Canc)</source>
        <translation>Supprimer l&apos;unité de mesure (Ctrl+Suppr)</translation>
    </message>
    <message>
        <source>Sigla</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Sigla</source>
        <translation>&amp;Symbole</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Il valore della sigla non può essere nullo!</source>
        <translation>Le symbole ne peut pas être vide !</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;unità di misura!</source>
        <translation>Impossible d&apos;enregistrer l&apos;unité de mesure !</translation>
    </message>
    <message>
        <source>Selezionare l&apos;unità di misura da modificare!</source>
        <translation>Sélectionnez l&apos;unité de mesure à modifier !</translation>
    </message>
    <message>
        <source>%1 utilizzata negli articoli, impossibile continuare!</source>
        <translation>%1 est utilisée par des articles, impossible de continuer !</translation>
    </message>
    <message>
        <source>Impossibile eliminare l&apos;unità di misura!</source>
        <translation>Impossible de supprimer l&apos;unité de mesure !</translation>
    </message>
    <message>
        <source>Eliminare definitivamente l&apos;unità di misura: %1?</source>
        <translation>Supprimer définitivement l&apos;unité de mesure : %1 ?</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio delle unità di misura!</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive des unités de mesure !</translation>
    </message>
    <message>
        <source>Gestione Unità di Misura</source>
        <translation>Unités de mesure</translation>
    </message>
</context>
<context>
    <name>CVarArtDialog</name>
    <message>
        <source>Prezzo</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>IVA</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Ricarico</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation>Remise</translation>
    </message>
    <message>
        <source>Aumentare il valore</source>
        <translation>Augmenter la valeur</translation>
    </message>
    <message>
        <source>Diminuire il valore</source>
        <translation>Diminuer la valeur</translation>
    </message>
    <message>
        <source>Valore fisso</source>
        <translation>Valeur fixe</translation>
    </message>
    <message>
        <source>Es. 20% o 20</source>
        <translation>Ex. 20 % ou 20</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation>Étagère</translation>
    </message>
    <message>
        <source>Cosa si vuole &amp;modificare?</source>
        <translation>Que voulez-vous &amp;modifier ?</translation>
    </message>
    <message>
        <source>Che tipo di &amp;operazione?</source>
        <translation>Quel type d&apos;&amp;opération ?</translation>
    </message>
    <message>
        <source>Inserisci il nuovo &amp;valore</source>
        <translation>Saisissez la nouvelle &amp;valeur</translation>
    </message>
    <message>
        <source>Va&amp;riazione in base a</source>
        <translation>Modification &amp;selon</translation>
    </message>
    <message>
        <source>Valore del tipo di &amp;prodotto</source>
        <translation>Valeur du type de &amp;produit</translation>
    </message>
    <message>
        <source>Valore non valido</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>Inserire una percentuale (Es. 20%) o un valore (Es. 20) non negativi; una diminuzione non può superare il 100%.</source>
        <translation>Saisissez un pourcentage (ex. 20%) ou une valeur (ex. 20) non négatifs ; une diminution ne peut pas dépasser 100%.</translation>
    </message>
    <message>
        <source>Scegliere il valore del tipo di prodotto da variare.</source>
        <translation>Choisissez la valeur du type de produit à modifier.</translation>
    </message>
    <message>
        <source>Si desidera davvero modificare i dati dei prodotti? Attenzione l&apos;operazione non può essere annullata!</source>
        <translation>Voulez-vous vraiment modifier les données des produits ? Attention : l&apos;opération est irréversible !</translation>
    </message>
    <message>
        <source>Errore nella variazione dei dati, impossibile aggiornare!</source>
        <translation>Erreur lors de la modification des données, mise à jour impossible !</translation>
    </message>
    <message>
        <source>Variazioni avvenute con successo!</source>
        <translation>Modifications effectuées avec succès !</translation>
    </message>
    <message>
        <source>Variazione Veloce</source>
        <translation>Modification rapide</translation>
    </message>
</context>
<context>
    <name>CVarOtherDialog</name>
    <message>
        <source>Categoria</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation>Étagère</translation>
    </message>
    <message>
        <source>&amp;Campo da variare</source>
        <translation>&amp;Champ à modifier</translation>
    </message>
    <message>
        <source>&amp;Valore da variare</source>
        <translation>&amp;Valeur à modifier</translation>
    </message>
    <message>
        <source>&amp;Nuovo valore</source>
        <translation>&amp;Nouvelle valeur</translation>
    </message>
    <message>
        <source>Errore Nuovo Valore</source>
        <translation>Erreur de nouvelle valeur</translation>
    </message>
    <message>
        <source>Occorre inserire un valore valido!</source>
        <translation>Il faut saisir une valeur valide !</translation>
    </message>
    <message>
        <source>Attenzione, i cambiamenti ai dati degli articoli saranno permanenti e non potranno essere annullati! Continuare?</source>
        <translation>Attention : les modifications des données des articles seront définitives et ne pourront pas être annulées ! Continuer ?</translation>
    </message>
    <message>
        <source>Errore sconosciuto durante la modifica dei dati!</source>
        <translation>Erreur inconnue lors de la modification des données !</translation>
    </message>
    <message>
        <source>Modifica ai dati effettuata con successo!</source>
        <translation>Données modifiées avec succès !</translation>
    </message>
    <message>
        <source>Variazioni di Altri Dati</source>
        <translation>Modification d&apos;autres données</translation>
    </message>
</context>
<context>
    <name>ItemExchange</name>
    <message>
        <source>File foglio elettronico (*.csv);;File di tipo web (*.xml)</source>
        <translation>Fichier tableur (*.csv);;Fichier web (*.xml)</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Esportazione degli articoli...</source>
        <translation>Exportation des articles...</translation>
    </message>
    <message>
        <source>Impossibile creare il file %1!
%2</source>
        <translation>Impossible de créer le fichier %1 !
%2</translation>
    </message>
    <message>
        <source>Importa</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Importazione degli articoli...</source>
        <translation>Importation des articles...</translation>
    </message>
    <message>
        <source>Impossibile ricalcolare le giacenze dei prodotti importati!</source>
        <translation>Impossible de recalculer le stock des produits importés !</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ItemExport</name>
    <message>
        <source>Il file %1 è stato creato con successo!</source>
        <translation>Le fichier %1 a été créé avec succès !</translation>
    </message>
    <message>
        <source>Errore nella creazione della cartella per le foto!</source>
        <translation>Erreur lors de la création du dossier des photos !</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>ItemImport</name>
    <message>
        <source>&lt;Nessuno&gt;</source>
        <translation>&lt;Aucun&gt;</translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Codice a barre</source>
        <translation>Code-barres</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>I.V.A.</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Ricarico</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Reparto</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Scaffale</source>
        <translation>Étagère</translation>
    </message>
    <message>
        <source>Un.di Misura</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Qt.Minima</source>
        <translation>Qté minimale</translation>
    </message>
    <message>
        <source>Giacenza Iniz.</source>
        <translation>Stock initial</translation>
    </message>
    <message>
        <source>Codice Forn.</source>
        <translation>Code fourn.</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Non ci possono essere due campi uguali!</source>
        <translation>Deux champs ne peuvent pas être identiques !</translation>
    </message>
    <message>
        <source>Il campo matricola deve essere inserito!</source>
        <translation>Le champ référence doit être indiqué !</translation>
    </message>
    <message>
        <source>Il campo descrizione deve essere inserito!</source>
        <translation>Le champ description doit être indiqué !</translation>
    </message>
    <message>
        <source>Il campo unità di misura deve essere inserito!</source>
        <translation>Le champ unité de mesure doit être indiqué !</translation>
    </message>
    <message>
        <source>il file non contiene testo</source>
        <translation>le fichier ne contient pas de texte</translation>
    </message>
    <message>
        <source>il file non ha righe da importare</source>
        <translation>le fichier n&apos;a aucune ligne à importer</translation>
    </message>
    <message>
        <source>scrittura non riuscita</source>
        <translation>échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>scrittura non riuscita: %1</source>
        <translation>échec de l&apos;écriture : %1</translation>
    </message>
    <message>
        <source>matricola mancante</source>
        <translation>référence manquante</translation>
    </message>
    <message>
        <source>descrizione mancante</source>
        <translation>description manquante</translation>
    </message>
    <message>
        <source>unità di misura mancante</source>
        <translation>unité de mesure manquante</translation>
    </message>
    <message>
        <source>prezzo troppo grande</source>
        <translation>prix trop élevé</translation>
    </message>
    <message>
        <source>matricola già presente</source>
        <translation>référence déjà présente</translation>
    </message>
    <message>
        <source>Impossibile importare i dati!</source>
        <translation>Impossible d&apos;importer les données !</translation>
    </message>
    <message>
        <source>Ci sono stati degli errori ed alcuni prodotti non sono stati importati, salvare comunque l&apos;importazione?</source>
        <translation>Des erreurs sont survenues et certains produits n&apos;ont pas été importés ; conserver l&apos;importation malgré tout ?</translation>
    </message>
    <message>
        <source>Alcuni valori erano troppo lunghi e sono stati troncati!</source>
        <translation>Certaines valeurs étaient trop longues et ont été tronquées !</translation>
    </message>
    <message>
        <source>Sono stati importati con successo %1 prodotti!</source>
        <translation>%1 produits ont été importés avec succès !</translation>
    </message>
    <message>
        <source>Non ancora implementato!</source>
        <translation>Pas encore disponible !</translation>
    </message>
    <message>
        <source>riga %1 (%2)</source>
        <translation>ligne %1 (%2)</translation>
    </message>
    <message>
        <source>Righe scartate: %1: %2</source>
        <translation>Lignes écartées : %1 : %2</translation>
    </message>
</context>
<context>
    <name>ItemPhoto</name>
    <message>
        <source>La dimensione dell&apos;immagine è %1 KB</source>
        <translation>La taille de l&apos;image est de %1 Ko</translation>
    </message>
    <message>
        <source> e non è indicata per essere gestita in un database in quanto l&apos;archivio aumenterebbe a dismisura.</source>
        <translation> et ne convient pas à une base de données, car l&apos;archive grossirait démesurément.</translation>
    </message>
    <message>
        <source> Utilizzare un&apos;immagine minore di 150 KB.</source>
        <translation> Utilisez une image de moins de 150 Ko.</translation>
    </message>
    <message>
        <source>L&apos;immagine è di %1 x %2 pixel: salvata come JPEG supererebbe comunque i 150 KB e non è indicata per essere gestita in un database in quanto l&apos;archivio aumenterebbe a dismisura.</source>
        <translation>L&apos;image fait %1 x %2 pixels : enregistrée en JPEG elle dépasserait quand même 150 Ko et ne convient pas à une base de données, car l&apos;archive grossirait démesurément.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;immagine scelta: il file non esiste o non è un&apos;immagine di un formato conosciuto.</source>
        <translation>Impossible de lire l&apos;image choisie : le fichier n&apos;existe pas ou n&apos;est pas une image d&apos;un format connu.</translation>
    </message>
    <message>
        <source>Quarzil : Selezione Immagine</source>
        <translation>Quarzil : Choix de l&apos;image</translation>
    </message>
    <message>
        <source>Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</source>
        <translation>Tous les fichiers image (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)</translation>
    </message>
</context>
<context>
    <name>PriceChain</name>
    <message>
        <source>Prezzo netto acquisto: %1</source>
        <translation>Prix d&apos;achat net : %1</translation>
    </message>
    <message>
        <source>Prezzo totale acquisto: %1</source>
        <translation>Prix d&apos;achat total : %1</translation>
    </message>
    <message>
        <source>Prezzo totale vendita: %1</source>
        <translation>Prix de vente total : %1</translation>
    </message>
    <message>
        <source>Impossibile calcolare!</source>
        <translation>Calcul impossible !</translation>
    </message>
</context>
<context>
    <name>Promotions</name>
    <message>
        <source>Promozione del %1</source>
        <translation>Promotion de %1</translation>
    </message>
    <message>
        <source>Promozione del prendi 3 e paghi 2</source>
        <translation>Promotion : 3 achetés, 2 payés</translation>
    </message>
    <message>
        <source>Promozione del prendi 2 e paghi 1</source>
        <translation>Promotion : 2 achetés, 1 payé</translation>
    </message>
    <message>
        <source>Nessuna promozione</source>
        <translation>Aucune promotion</translation>
    </message>
</context>
<context>
    <name>SerialCodes</name>
    <message>
        <source>Il codice seriale %1 è già stato caricato!</source>
        <translation>Le numéro de série %1 est déjà entré !</translation>
    </message>
    <message>
        <source>In archivio il codice seriale %1 non è stato caricato!</source>
        <translation>Dans l&apos;archive, le numéro de série %1 n&apos;est pas entré !</translation>
    </message>
    <message>
        <source>Il codice seriale %1 è già stato scaricato!</source>
        <translation>Le numéro de série %1 est déjà sorti !</translation>
    </message>
    <message>
        <source>In archivio il codice seriale %1 non è stato scaricato!</source>
        <translation>Dans l&apos;archive, le numéro de série %1 n&apos;est pas sorti !</translation>
    </message>
    <message>
        <source>Codice seriale scaricato, impossibile cancellare!</source>
        <translation>Numéro de série déjà sorti, suppression impossible !</translation>
    </message>
    <message>
        <source>Codice seriale scaricato, impossibile modificare!</source>
        <translation>Numéro de série déjà sorti, modification impossible !</translation>
    </message>
    <message>
        <source>Impossibile inserire il codice a barre!</source>
        <translation>Impossible d&apos;insérer le code-barres !</translation>
    </message>
    <message>
        <source>Impossibile salvare il codice a barre!</source>
        <translation>Impossible d&apos;enregistrer le code-barres !</translation>
    </message>
    <message>
        <source>Impossibile cancellare il codice a barre!</source>
        <translation>Impossible de supprimer le code-barres !</translation>
    </message>
</context>
</TS>
