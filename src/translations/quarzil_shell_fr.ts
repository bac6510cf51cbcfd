<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="it_IT">
<context>
    <name>ArchiveBackup</name>
    <message>
        <source>il catalogo è alla versione %1, la copia si fa solo alla versione %2</source>
        <translation>le catalogue est à la version %1 ; la copie ne se fait qu&apos;à la version %2</translation>
    </message>
    <message>
        <source>la copia è danneggiata: %1</source>
        <translation>la copie est endommagée : %1</translation>
    </message>
    <message>
        <source>la copia è alla versione %1 invece che alla %2</source>
        <translation>la copie est à la version %1 au lieu de la %2</translation>
    </message>
    <message>
        <source>nessun archivio aperto</source>
        <translation>aucune archive ouverte</translation>
    </message>
    <message>
        <source>una transazione è aperta: la copia si fa dopo</source>
        <translation>une transaction est ouverte : la copie se fait après</translation>
    </message>
    <message>
        <source>la copia non può prendere il posto dell&apos;archivio stesso</source>
        <translation>la copie ne peut pas remplacer l&apos;archive elle-même</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Informazioni su Quarzil</source>
        <translation>À propos de Quarzil</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quarzil&lt;/b&gt; Versione 3.2&lt;br&gt;Software per il Magazzino&lt;br&gt;&lt;br&gt;Copyright © Norvisk</source>
        <translation>&lt;b&gt;Quarzil&lt;/b&gt; Version 3.2&lt;br&gt;Logiciel de gestion de stock&lt;br&gt;&lt;br&gt;Copyright © Norvisk</translation>
    </message>
</context>
<context>
    <name>CAggiornamentoDlg</name>
    <message>
        <source>Aggiornamento Archivio</source>
        <translation>Mise à jour de l&apos;archive</translation>
    </message>
    <message>
        <source>Attendere prego, stiamo ottimizzando i dati...</source>
        <translation>Veuillez patienter, optimisation des données...</translation>
    </message>
</context>
<context>
    <name>CCommentiDialog</name>
    <message>
        <source>Commenti e suggerimenti</source>
        <translation>Commentaires et suggestions</translation>
    </message>
    <message>
        <source>Le informazioni vengono inviate al produttore insieme a un rapporto sul sistema, senza password e senza dati dell&apos;archivio.</source>
        <translation>Les informations sont envoyées à l&apos;éditeur avec un rapport système, sans mots de passe ni données de l&apos;archive.</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CConnDataDlg</name>
    <message>
        <source>Connessione a file &amp;SQLite</source>
        <translation>Connexion à un fichier &amp;SQLite</translation>
    </message>
    <message>
        <source>Connessione a server Postgre&amp;SQL</source>
        <translation>Connexion à un serveur Postgre&amp;SQL</translation>
    </message>
    <message>
        <source>A&amp;pri...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>host[:porta]</source>
        <translation>hôte[:port]</translation>
    </message>
    <message>
        <source>Installa nuovo Database vuoto di Quarzil sul Server</source>
        <translation>Installer une nouvelle base de données Quarzil vide sur le serveur</translation>
    </message>
    <message>
        <source>&amp;Server</source>
        <translation>&amp;Serveur</translation>
    </message>
    <message>
        <source>&amp;Utente</source>
        <translation>&amp;Utilisateur</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Base de données</translation>
    </message>
    <message>
        <source>Avan&amp;zate</source>
        <translation>A&amp;vancé</translation>
    </message>
    <message>
        <source>Importa archivio Access (.mdb)...</source>
        <translation>Importer une archive Access (.mdb)...</translation>
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
        <source>Selezione File Database</source>
        <translation>Sélection du fichier de base de données</translation>
    </message>
    <message>
        <source>Database Quarzil (*.db *.sqlite)</source>
        <translation>Base de données Quarzil (*.db *.sqlite)</translation>
    </message>
    <message>
        <source>Errore nell&apos;importazione: %1</source>
        <translation>Erreur lors de l&apos;importation : %1</translation>
    </message>
    <message>
        <source>Database %1 su %2 creato con successo!</source>
        <translation>Base de données %1 sur %2 créée avec succès !</translation>
    </message>
    <message>
        <source>server locale</source>
        <translation>serveur local</translation>
    </message>
    <message>
        <source>Errore OleDB sconosciuto!</source>
        <translation>Erreur OleDB inconnue !</translation>
    </message>
</context>
<context>
    <name>CConnStringDlg</name>
    <message>
        <source>&amp;Stringa di connessione:</source>
        <translation>Chaîne de &amp;connexion :</translation>
    </message>
    <message>
        <source>Provider=QSQLITE;Data Source=&lt;file&gt;
Provider=QPSQL;Data Source=&lt;host&gt;[:porta];Initial Catalog=&lt;database&gt;;User ID=&lt;utente&gt;;Password=&lt;password&gt;
Un valore che contiene &apos;;&apos; va tra virgolette doppie, ogni virgoletta raddoppiata.</source>
        <translation>Provider=QSQLITE;Data Source=&lt;fichier&gt;
Provider=QPSQL;Data Source=&lt;hôte&gt;[:port];Initial Catalog=&lt;base&gt;;User ID=&lt;utilisateur&gt;;Password=&lt;mot de passe&gt;
Une valeur contenant &apos;;&apos; se met entre guillemets doubles, chaque guillemet doublé.</translation>
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
    <name>CDownloadDialog</name>
    <message>
        <source>Aggiornamento del programma</source>
        <translation>Mise à jour du programme</translation>
    </message>
    <message>
        <source>Scaricamento di %1 in corso...</source>
        <translation>Téléchargement de %1 en cours...</translation>
    </message>
    <message>
        <source>&amp;Interrompi</source>
        <translation>&amp;Interrompre</translation>
    </message>
</context>
<context>
    <name>CInfoDlg</name>
    <message>
        <source>Notizie</source>
        <translation>Actualités</translation>
    </message>
    <message>
        <source>Fare clic per saperne di più</source>
        <translation>Cliquez pour en savoir plus</translation>
    </message>
</context>
<context>
    <name>CKeyedListView</name>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati!</source>
        <translation>Impossible de supprimer la ou les valeurs sélectionnées !</translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati perché utilizzati nei movimenti!</source>
        <translation>Impossible de supprimer la ou les valeurs sélectionnées car elles sont utilisées dans les mouvements !</translation>
    </message>
    <message>
        <source>Impossibile eliminare il valore od i valori selezionati perché utilizzati negli ordini!</source>
        <translation>Impossible de supprimer la ou les valeurs sélectionnées car elles sont utilisées dans les commandes !</translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente il valore o i valori selezionati?</source>
        <translation>Voulez-vous supprimer définitivement la ou les valeurs sélectionnées ?</translation>
    </message>
</context>
<context>
    <name>CMainApp</name>
    <message>
        <source>L&apos;archivio dati è di una versione più recente e per questo occorre aggiornare il programma, continuare?</source>
        <translation>L&apos;archive de données provient d&apos;une version plus récente : il faut mettre à jour le programme. Continuer ?</translation>
    </message>
    <message>
        <source>Il lettore di codici a barre sulla porta %1 non risponde: è scollegato o spento? I codici saranno letti di nuovo appena sarà ricollegato.</source>
        <translation>Le lecteur de codes-barres sur le port %1 ne répond pas : est-il débranché ou éteint ? Les codes seront de nouveau lus dès qu&apos;il sera rebranché.</translation>
    </message>
    <message>
        <source>Per motivi di sincronizzazione dati una sola istanza, per computer, dell&apos;applicazione può essere avviata!</source>
        <translation>Pour la synchronisation des données, une seule instance de l&apos;application peut être lancée par ordinateur !</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella dei dati %1!</source>
        <translation>Impossible de créer le dossier de données %1 !</translation>
    </message>
    <message>
        <source>Consiglio di connettere il computer ad internet per avere più caratteristiche del software e controllare gli ultimi aggiornamenti!</source>
        <translation>Connectez l&apos;ordinateur à internet pour profiter de plus de fonctions et vérifier les dernières mises à jour !</translation>
    </message>
    <message>
        <source>Errore nell&apos;aggiornare il database alla versione attuale del programma, impossibile continuare!</source>
        <translation>Erreur lors de la mise à jour de la base de données vers la version actuelle du programme : impossible de continuer !</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio dei dati!

%1: %2</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive de données !

%1 : %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Magazzino - Quarzil</source>
        <translation>Stock - Quarzil</translation>
    </message>
    <message>
        <source>Movimenti di magazzino</source>
        <translation>Mouvements de stock</translation>
    </message>
    <message>
        <source>Righe del movimento</source>
        <translation>Lignes du mouvement</translation>
    </message>
    <message>
        <source>Ultimi 250 movimenti di magazzino</source>
        <translation>250 derniers mouvements de stock</translation>
    </message>
    <message>
        <source>Calendario</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Si consiglia di collegare il computer ad internet per verificare la presenza di aggiornamenti!</source>
        <translation>Connectez l&apos;ordinateur à internet pour vérifier les mises à jour !</translation>
    </message>
    <message>
        <source>Impossibile caricare la traduzione: l&apos;interfaccia resta in italiano.</source>
        <translation>Impossible de charger la traduction : l&apos;interface reste en italien.</translation>
    </message>
    <message>
        <source>Salva Dati</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>Database Quarzil (*.db *.sqlite)</source>
        <translation>Base de données Quarzil (*.db *.sqlite)</translation>
    </message>
    <message>
        <source>Archivio dati salvato con successo!</source>
        <translation>Archive de données enregistrée avec succès !</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;archivio dati!</source>
        <translation>Impossible d&apos;enregistrer l&apos;archive de données !</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Stile</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Stiamo effettuando il conteggio dei dati...</source>
        <translation>Comptage des données en cours...</translation>
    </message>
    <message>
        <source>Conteggio Dati</source>
        <translation>Comptage des données</translation>
    </message>
    <message>
        <source>Per visualizzare il manuale online premere F1</source>
        <translation>Appuyez sur F1 pour le manuel en ligne</translation>
    </message>
</context>
<context>
    <name>CRelNotesDialog</name>
    <message>
        <source>Aggiornamenti </source>
        <translation>Mises à jour </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>Menu dell&apos;applicazione</source>
        <translation>Menu de l&apos;application</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Software per il Magazzino</source>
        <translation>Logiciel de gestion de stock</translation>
    </message>
</context>
<context>
    <name>CTrovaDialog</name>
    <message>
        <source>Trova</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cerca un prodotto che ha matricola</source>
        <translation>Rechercher un article dont le code est</translation>
    </message>
    <message>
        <source>e che ha descrizione</source>
        <translation>et dont la description est</translation>
    </message>
    <message>
        <source>e che ha codice a barre</source>
        <translation>et dont le code-barres est</translation>
    </message>
    <message>
        <source>Cerca un cliente o fornitore che ha ragione sociale</source>
        <translation>Rechercher un client ou fournisseur dont la raison sociale est</translation>
    </message>
    <message>
        <source>oppure che ha codice fiscale</source>
        <translation>ou dont le code fiscal est</translation>
    </message>
    <message>
        <source>Non utilizzato in questa ricerca</source>
        <translation>Non utilisé dans cette recherche</translation>
    </message>
    <message>
        <source>Cerca un movimento che ha data</source>
        <translation>Rechercher un mouvement dont la date est</translation>
    </message>
    <message>
        <source>oppure che ha numero</source>
        <translation>ou dont le numéro est</translation>
    </message>
    <message>
        <source>Per più valori utilizzare il carattere jolly *</source>
        <translation>Pour plusieurs valeurs utilisez le caractère joker *</translation>
    </message>
    <message>
        <source>&amp;Inizia la ricerca dalla prima riga</source>
        <translation>&amp;Commencer la recherche à la première ligne</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>CatalogCreator</name>
    <message>
        <source>Database modello non trovato: %1</source>
        <translation>Base de données modèle introuvable : %1</translation>
    </message>
    <message>
        <source>Impossibile copiare il database modello %1</source>
        <translation>Impossible de copier la base de données modèle %1</translation>
    </message>
    <message>
        <source>Scrivere il nome del nuovo Database.</source>
        <translation>Saisissez le nom de la nouvelle base de données.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Aggiorna</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Aggiorna la lista</source>
        <translation>Actualise la liste</translation>
    </message>
    <message>
        <source>Connessione Dati</source>
        <translation>Connexion aux données</translation>
    </message>
    <message>
        <source>Scegli l&apos;archivio dei dati</source>
        <translation>Choisit l&apos;archive de données</translation>
    </message>
    <message>
        <source>Importa archivio Access (.mdb)...</source>
        <translation>Importer une archive Access (.mdb)...</translation>
    </message>
    <message>
        <source>Importa in un nuovo archivio i dati del programma per Windows</source>
        <translation>Importe dans une nouvelle archive les données du programme pour Windows</translation>
    </message>
    <message>
        <source>Dati Aziendali</source>
        <translation>Données de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Dati dell&apos;azienda, valute e formati dei numeri</source>
        <translation>Données de l&apos;entreprise, devises et formats des nombres</translation>
    </message>
    <message>
        <source>Unità di Misura</source>
        <translation>Unités de mesure</translation>
    </message>
    <message>
        <source>Gestione delle unità di misura</source>
        <translation>Gestion des unités de mesure</translation>
    </message>
    <message>
        <source>Backup Dati</source>
        <translation>Sauvegarde des données</translation>
    </message>
    <message>
        <source>Salva una copia dell&apos;archivio dei dati</source>
        <translation>Enregistre une copie de l&apos;archive de données</translation>
    </message>
    <message>
        <source>Lettore a Barre...</source>
        <translation>Lecteur de codes-barres...</translation>
    </message>
    <message>
        <source>Sceglie il lettore di codici a barre: a tastiera o su porta seriale</source>
        <translation>Choisit le lecteur de codes-barres : clavier ou port série</translation>
    </message>
    <message>
        <source>A&amp;ggiornamenti</source>
        <translation>&amp;Mises à jour</translation>
    </message>
    <message>
        <source>Controlla la presenza di aggiornamenti</source>
        <translation>Vérifie les mises à jour</translation>
    </message>
    <message>
        <source>Manuale &amp;utente</source>
        <translation>&amp;Manuel utilisateur</translation>
    </message>
    <message>
        <source>Apre il manuale online</source>
        <translation>Ouvre le manuel en ligne</translation>
    </message>
    <message>
        <source>Commenti e &amp;suggerimenti</source>
        <translation>Commentaires et &amp;suggestions</translation>
    </message>
    <message>
        <source>Invia un commento o un suggerimento</source>
        <translation>Envoie un commentaire ou une suggestion</translation>
    </message>
    <message>
        <source>Invia statistiche d&apos;uso &amp;anonime</source>
        <translation>Envoyer des statistiques d&apos;utilisation &amp;anonymes</translation>
    </message>
    <message>
        <source>Invia ogni minuto al produttore il numero di articoli e di movimenti</source>
        <translation>Envoie chaque minute à l&apos;éditeur le nombre d&apos;articles et de mouvements</translation>
    </message>
    <message>
        <source>Pagina Facebook</source>
        <translation>Page Facebook</translation>
    </message>
    <message>
        <source>Apre la pagina Facebook</source>
        <translation>Ouvre la page Facebook</translation>
    </message>
    <message>
        <source>Canale YouTube</source>
        <translation>Chaîne YouTube</translation>
    </message>
    <message>
        <source>Apre il canale YouTube</source>
        <translation>Ouvre la chaîne YouTube</translation>
    </message>
    <message>
        <source>Segui Twitter</source>
        <translation>Suivre sur Twitter</translation>
    </message>
    <message>
        <source>Apre la pagina Twitter</source>
        <translation>Ouvre la page Twitter</translation>
    </message>
    <message>
        <source>Pagina Web</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>Apre il sito web</source>
        <translation>Ouvre le site web</translation>
    </message>
    <message>
        <source>Sostieni il Progetto</source>
        <translation>Soutenir le projet</translation>
    </message>
    <message>
        <source>Sostieni lo sviluppo del programma</source>
        <translation>Soutenez le développement du programme</translation>
    </message>
    <message>
        <source>&amp;Informazioni su Quarzil...</source>
        <translation>À &amp;propos de Quarzil...</translation>
    </message>
    <message>
        <source>Versione e informazioni sul programma</source>
        <translation>Version et informations sur le programme</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Chiude il programma</source>
        <translation>Ferme le programme</translation>
    </message>
    <message>
        <source>Aiuto</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online della vista</source>
        <translation>Ouvre l&apos;aide en ligne de la vue</translation>
    </message>
    <message>
        <source>Barra di stato</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Mostra o nasconde la barra di stato</source>
        <translation>Affiche ou masque la barre d&apos;état</translation>
    </message>
    <message>
        <source>Barra dei movimenti</source>
        <translation>Barre des mouvements</translation>
    </message>
    <message>
        <source>Mostra o nasconde i movimenti del prodotto</source>
        <translation>Affiche ou masque les mouvements de l&apos;article</translation>
    </message>
    <message>
        <source>Barra delle righe</source>
        <translation>Barre des lignes</translation>
    </message>
    <message>
        <source>Mostra o nasconde le righe del movimento</source>
        <translation>Affiche ou masque les lignes du mouvement</translation>
    </message>
    <message>
        <source>Mostra o nasconde gli ultimi movimenti</source>
        <translation>Affiche ou masque les derniers mouvements</translation>
    </message>
    <message>
        <source>Barra delle scadenze</source>
        <translation>Barre des échéances</translation>
    </message>
    <message>
        <source>Mostra o nasconde il calendario</source>
        <translation>Affiche ou masque le calendrier</translation>
    </message>
    <message>
        <source>Aiuto Online</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online del magazzino</source>
        <translation>Ouvre l&apos;aide en ligne du stock</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online dei movimenti</source>
        <translation>Ouvre l&apos;aide en ligne des mouvements</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online delle anagrafiche</source>
        <translation>Ouvre l&apos;aide en ligne des clients et fournisseurs</translation>
    </message>
    <message>
        <source>Apre l&apos;aiuto online dell&apos;agenda</source>
        <translation>Ouvre l&apos;aide en ligne de l&apos;agenda</translation>
    </message>
    <message>
        <source>Office 2007 (stile &amp;blu)</source>
        <translation>Office 2007 (style &amp;bleu)</translation>
    </message>
    <message>
        <source>Stile blu</source>
        <translation>Style bleu</translation>
    </message>
    <message>
        <source>Office 2007 (sti&amp;le nero)</source>
        <translation>Office 2007 (style &amp;noir)</translation>
    </message>
    <message>
        <source>Stile nero</source>
        <translation>Style noir</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;stile grigio)</source>
        <translation>Office 2007 (style &amp;gris)</translation>
    </message>
    <message>
        <source>Stile grigio</source>
        <translation>Style gris</translation>
    </message>
    <message>
        <source>Office 2007 (stile &amp;azzurro)</source>
        <translation>Office 2007 (style &amp;azur)</translation>
    </message>
    <message>
        <source>Stile azzurro</source>
        <translation>Style azur</translation>
    </message>
    <message>
        <source>Stile del &amp;desktop</source>
        <translation>Style du &amp;bureau</translation>
    </message>
    <message>
        <source>Stile del desktop</source>
        <translation>Style du bureau</translation>
    </message>
    <message>
        <source>Inserisci Nuovo Prodotto</source>
        <translation>Insérer un nouvel article</translation>
    </message>
    <message>
        <source>Inserisci un nuovo prodotto</source>
        <translation>Insère un nouvel article</translation>
    </message>
    <message>
        <source>Apri Prodotto</source>
        <translation>Ouvrir l&apos;article</translation>
    </message>
    <message>
        <source>Apri il prodotto selezionato (Invio)</source>
        <translation>Ouvre l&apos;article sélectionné (Entrée)</translation>
    </message>
    <message>
        <source>Elimina Prodotto</source>
        <translation>Supprimer l&apos;article</translation>
    </message>
    <message>
        <source>Elimina i prodotti selezionati</source>
        <translation>Supprime les articles sélectionnés</translation>
    </message>
    <message>
        <source>Cerca Prodotto</source>
        <translation>Rechercher un article</translation>
    </message>
    <message>
        <source>Cerca un prodotto</source>
        <translation>Recherche un article</translation>
    </message>
    <message>
        <source>Filtro Prodotti</source>
        <translation>Filtre des articles</translation>
    </message>
    <message>
        <source>Imposta o toglie il filtro</source>
        <translation>Applique ou retire le filtre</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Esporta i prodotti</source>
        <translation>Exporte les articles</translation>
    </message>
    <message>
        <source>Importa</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Importa i prodotti</source>
        <translation>Importe les articles</translation>
    </message>
    <message>
        <source>Variazioni Veloci</source>
        <translation>Modifications rapides</translation>
    </message>
    <message>
        <source>Variazioni di prezzi, IVA, ricarico e sconto</source>
        <translation>Modifications des prix, TVA, marge et remise</translation>
    </message>
    <message>
        <source>Categoria e Reparto</source>
        <translation>Catégorie et rayon</translation>
    </message>
    <message>
        <source>Cambia categoria, reparto e scaffale</source>
        <translation>Change la catégorie, le rayon et l&apos;étagère</translation>
    </message>
    <message>
        <source>Offerte e Promozioni</source>
        <translation>Offres et promotions</translation>
    </message>
    <message>
        <source>Offerte e promozioni</source>
        <translation>Offres et promotions</translation>
    </message>
    <message>
        <source>Anteprima Lista Prodotti</source>
        <translation>Aperçu de la liste des articles</translation>
    </message>
    <message>
        <source>Stampa Lista Prodotti</source>
        <translation>Imprimer la liste des articles</translation>
    </message>
    <message>
        <source>Anteprima Valore Magazzino</source>
        <translation>Aperçu de la valeur du stock</translation>
    </message>
    <message>
        <source>Stampa Valore Magazzino</source>
        <translation>Imprimer la valeur du stock</translation>
    </message>
    <message>
        <source>Anteprima Storico Movimenti</source>
        <translation>Aperçu de l&apos;historique des mouvements</translation>
    </message>
    <message>
        <source>Stampa Storico Movimenti</source>
        <translation>Imprimer l&apos;historique des mouvements</translation>
    </message>
    <message>
        <source>Anteprima Etichette</source>
        <translation>Aperçu des étiquettes</translation>
    </message>
    <message>
        <source>Stampa Etichette</source>
        <translation>Imprimer les étiquettes</translation>
    </message>
    <message>
        <source>Anteprima Listino Prezzi</source>
        <translation>Aperçu du tarif</translation>
    </message>
    <message>
        <source>Stampa Listino Prezzi</source>
        <translation>Imprimer le tarif</translation>
    </message>
    <message>
        <source>Ristampa</source>
        <translation>Réimprimer</translation>
    </message>
    <message>
        <source>Stampa di nuovo l&apos;ultima anteprima</source>
        <translation>Imprime de nouveau le dernier aperçu</translation>
    </message>
    <message>
        <source>Nuovo Carico</source>
        <translation>Nouvelle entrée</translation>
    </message>
    <message>
        <source>Nuovo carico di merce</source>
        <translation>Nouvelle entrée de marchandise</translation>
    </message>
    <message>
        <source>Nuovo Scarico</source>
        <translation>Nouvelle sortie</translation>
    </message>
    <message>
        <source>Nuova vendita</source>
        <translation>Nouvelle vente</translation>
    </message>
    <message>
        <source>Nuovo Reso</source>
        <translation>Nouveau retour</translation>
    </message>
    <message>
        <source>Nuovo reso di merce</source>
        <translation>Nouveau retour de marchandise</translation>
    </message>
    <message>
        <source>Apri Movimento</source>
        <translation>Ouvrir le mouvement</translation>
    </message>
    <message>
        <source>Apri il movimento selezionato (Invio)</source>
        <translation>Ouvre le mouvement sélectionné (Entrée)</translation>
    </message>
    <message>
        <source>Elimina Movimento</source>
        <translation>Supprimer le mouvement</translation>
    </message>
    <message>
        <source>Elimina i movimenti selezionati</source>
        <translation>Supprime les mouvements sélectionnés</translation>
    </message>
    <message>
        <source>Trova Movimento</source>
        <translation>Rechercher un mouvement</translation>
    </message>
    <message>
        <source>Trova un movimento</source>
        <translation>Recherche un mouvement</translation>
    </message>
    <message>
        <source>Filtro Date</source>
        <translation>Filtre des dates</translation>
    </message>
    <message>
        <source>Mostra i movimenti di un periodo</source>
        <translation>Affiche les mouvements d&apos;une période</translation>
    </message>
    <message>
        <source>Tutti i Movimenti</source>
        <translation>Tous les mouvements</translation>
    </message>
    <message>
        <source>Solo Carichi</source>
        <translation>Entrées seulement</translation>
    </message>
    <message>
        <source>Solo Scarichi</source>
        <translation>Sorties seulement</translation>
    </message>
    <message>
        <source>Solo Resi</source>
        <translation>Retours seulement</translation>
    </message>
    <message>
        <source>Anteprima Fattura / Ricevuta</source>
        <translation>Aperçu facture / reçu</translation>
    </message>
    <message>
        <source>Stampa Fattura / Ricevuta</source>
        <translation>Imprimer facture / reçu</translation>
    </message>
    <message>
        <source>Anteprima Documento di Trasporto</source>
        <translation>Aperçu du bon de livraison</translation>
    </message>
    <message>
        <source>Stampa Documento di Trasporto</source>
        <translation>Imprimer le bon de livraison</translation>
    </message>
    <message>
        <source>Anteprima Lista Movimenti</source>
        <translation>Aperçu de la liste des mouvements</translation>
    </message>
    <message>
        <source>Stampa Lista Movimenti</source>
        <translation>Imprimer la liste des mouvements</translation>
    </message>
    <message>
        <source>Anteprima Resoconto Movimenti</source>
        <translation>Aperçu du bilan des mouvements</translation>
    </message>
    <message>
        <source>Stampa Resoconto Movimenti</source>
        <translation>Imprimer le bilan des mouvements</translation>
    </message>
    <message>
        <source>Fattura Elettronica</source>
        <translation>Facture électronique</translation>
    </message>
    <message>
        <source>Fatturazione elettronica</source>
        <translation>Facturation électronique</translation>
    </message>
    <message>
        <source>Inserisci Nuovo Cliente</source>
        <translation>Insérer un nouveau client</translation>
    </message>
    <message>
        <source>Inserisci un nuovo cliente</source>
        <translation>Insère un nouveau client</translation>
    </message>
    <message>
        <source>Inserisci    Nuovo Fornitore</source>
        <translation>Insérer un    nouveau fournisseur</translation>
    </message>
    <message>
        <source>Inserisci un nuovo fornitore</source>
        <translation>Insère un nouveau fournisseur</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Apri l&apos;anagrafica selezionata (Invio)</source>
        <translation>Ouvre le client ou fournisseur sélectionné (Entrée)</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Elimina le anagrafiche selezionate</source>
        <translation>Supprime les clients et fournisseurs sélectionnés</translation>
    </message>
    <message>
        <source>Trova Anagrafica</source>
        <translation>Rechercher client/fournisseur</translation>
    </message>
    <message>
        <source>Trova un cliente o un fornitore</source>
        <translation>Recherche un client ou un fournisseur</translation>
    </message>
    <message>
        <source>Clienti</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Mostra solo i clienti</source>
        <translation>Affiche seulement les clients</translation>
    </message>
    <message>
        <source>Fornitori</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>Mostra solo i fornitori</source>
        <translation>Affiche seulement les fournisseurs</translation>
    </message>
    <message>
        <source>Vedi Tutti</source>
        <translation>Afficher tout</translation>
    </message>
    <message>
        <source>Mostra tutte le anagrafiche</source>
        <translation>Affiche tous les clients, fournisseurs et employés</translation>
    </message>
    <message>
        <source>Anteprima Lista</source>
        <translation>Aperçu de la liste</translation>
    </message>
    <message>
        <source>Anteprima della lista</source>
        <translation>Aperçu de la liste</translation>
    </message>
    <message>
        <source>Stampa Lista</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <source>Stampa la lista</source>
        <translation>Imprime la liste</translation>
    </message>
    <message>
        <source>Anteprima Situazione</source>
        <translation>Aperçu de la situation</translation>
    </message>
    <message>
        <source>Anteprima della situazione delle anagrafiche</source>
        <translation>Aperçu de la situation des clients et fournisseurs</translation>
    </message>
    <message>
        <source>Stampa Situazione</source>
        <translation>Imprimer la situation</translation>
    </message>
    <message>
        <source>Stampa la situazione delle anagrafiche</source>
        <translation>Imprime la situation des clients et fournisseurs</translation>
    </message>
    <message>
        <source>Inserisci Nuova Scadenza/Appuntamento</source>
        <translation>Insérer une nouvelle échéance/un rendez-vous</translation>
    </message>
    <message>
        <source>Inserisci una nuova scadenza o un appuntamento</source>
        <translation>Insère une nouvelle échéance ou un rendez-vous</translation>
    </message>
    <message>
        <source>Apri la scadenza selezionata (Invio)</source>
        <translation>Ouvre l&apos;échéance sélectionnée (Entrée)</translation>
    </message>
    <message>
        <source>Elimina la scadenza selezionata</source>
        <translation>Supprime l&apos;échéance sélectionnée</translation>
    </message>
</context>
<context>
    <name>ConnectionString</name>
    <message>
        <source>%1 sul server locale</source>
        <translation>%1 sur le serveur local</translation>
    </message>
    <message>
        <source>%1 sul server %2</source>
        <translation>%1 sur le serveur %2</translation>
    </message>
</context>
<context>
    <name>DataMigration</name>
    <message>
        <source>nessuna chiave assegnata</source>
        <translation>aucune clé attribuée</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>il file è in sola lettura: i dati non si potrebbero salvare</source>
        <translation>le fichier est en lecture seule : les données ne pourraient pas être enregistrées</translation>
    </message>
    <message>
        <source>il file %1 è in sola lettura: i dati non si potrebbero salvare</source>
        <translation>le fichier %1 est en lecture seule : les données ne pourraient pas être enregistrées</translation>
    </message>
    <message>
        <source>il catalogo è in sola lettura: i dati non si potrebbero salvare</source>
        <translation>le catalogue est en lecture seule : les données ne pourraient pas être enregistrées</translation>
    </message>
    <message>
        <source>Stringa di connessione non valida</source>
        <translation>Chaîne de connexion non valide</translation>
    </message>
    <message>
        <source>File non trovato: %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>Provider non supportato: %1</source>
        <translation>Fournisseur non pris en charge : %1</translation>
    </message>
</context>
<context>
    <name>DbError</name>
    <message>
        <source>Errore OleDB sconosciuto!</source>
        <translation>Erreur OleDB inconnue !</translation>
    </message>
    <message>
        <source>Impossibile salvare le modifiche: il record non esiste più, è stato eliminato da un altro computer.</source>
        <translation>Impossible d&apos;enregistrer les modifications : l&apos;enregistrement n&apos;existe plus, il a été supprimé depuis un autre ordinateur.</translation>
    </message>
    <message>
        <source>Il record non esiste più: è stato eliminato da un altro computer.</source>
        <translation>L&apos;enregistrement n&apos;existe plus : il a été supprimé depuis un autre ordinateur.</translation>
    </message>
    <message>
        <source>Un importo</source>
        <translation>Un montant</translation>
    </message>
    <message>
        <source>%1 è troppo grande per l&apos;archivio, che conserva esattamente importi fino a %2 in più o in meno: non è stato salvato.</source>
        <translation>%1 est trop grand pour l&apos;archive, qui conserve exactement les montants jusqu&apos;à %2 en plus ou en moins : il n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>L&apos;archivio è occupato da un altro programma o da un altro computer e non ha risposto in tempo: le modifiche non sono state salvate. Riprovare tra qualche istante.</source>
        <translation>L&apos;archive est occupée par un autre programme ou un autre ordinateur et n&apos;a pas répondu à temps : les modifications n&apos;ont pas été enregistrées. Réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>FrameRules</name>
    <message>
        <source>Numero di articoli nella lista: %1</source>
        <translation>Articles dans la liste : %1</translation>
    </message>
    <message>
        <source>Numero di movimenti nella lista: %1</source>
        <translation>Mouvements dans la liste : %1</translation>
    </message>
    <message>
        <source>Numero di anagrafiche nella lista: %1</source>
        <translation>Clients/fournisseurs dans la liste : %1</translation>
    </message>
    <message>
        <source>Agenda appuntamenti</source>
        <translation>Agenda des rendez-vous</translation>
    </message>
</context>
<context>
    <name>MdbImport</name>
    <message>
        <source>la colonna %1 contiene un importo (%2) oltre il massimo che l&apos;archivio conserva esatto (%3)</source>
        <translation>la colonne %1 contient un montant (%2) au-delà du maximum que l&apos;archive conserve exactement (%3)</translation>
    </message>
    <message>
        <source>la colonna %1 contiene una data non valida (%2)</source>
        <translation>la colonne %1 contient une date non valide (%2)</translation>
    </message>
    <message>
        <source>la tabella %1 non ha colonne</source>
        <translation>la table %1 n&apos;a pas de colonnes</translation>
    </message>
    <message>
        <source>la tabella %1 non si crea: %2</source>
        <translation>la table %1 ne peut pas être créée : %2</translation>
    </message>
    <message>
        <source>la tabella %1: %2</source>
        <translation>la table %1 : %2</translation>
    </message>
    <message>
        <source>la tabella %1: riga %2 incompleta</source>
        <translation>la table %1 : ligne %2 incomplète</translation>
    </message>
    <message>
        <source>la tabella %1, riga %2: %3</source>
        <translation>la table %1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>l&apos;indice %1 non si crea: %2</source>
        <translation>l&apos;index %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>manca la tabella %1</source>
        <translation>la table %1 manque</translation>
    </message>
    <message>
        <source>mancano le tabelle %1</source>
        <translation>les tables %1 manquent</translation>
    </message>
    <message>
        <source>manca la colonna %1</source>
        <translation>la colonne %1 manque</translation>
    </message>
    <message>
        <source>mancano le colonne %1</source>
        <translation>les colonnes %1 manquent</translation>
    </message>
    <message>
        <source>Il file non contiene tabelle.</source>
        <translation>Le fichier ne contient aucune table.</translation>
    </message>
    <message>
        <source>Tabelle del file: %1</source>
        <translation>Tables du fichier : %1</translation>
    </message>
    <message>
        <source>Il file %1non è un archivio di Quarzil: %2. %3</source>
        <translation>Le fichier %1n&apos;est pas une archive Quarzil : %2. %3</translation>
    </message>
    <message>
        <source>il file non contiene tabelle</source>
        <translation>le fichier ne contient aucune table</translation>
    </message>
    <message>
        <source>impossibile scrivere %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>la tabella Informazioni non dice la versione dell&apos;archivio</source>
        <translation>la table Informazioni n&apos;indique pas la version de l&apos;archive</translation>
    </message>
    <message>
        <source>l&apos;archivio è alla versione %1, più recente di questo programma (versione %2): aggiornare il programma</source>
        <translation>l&apos;archive est à la version %1, plus récente que ce programme (version %2) : mettez à jour le programme</translation>
    </message>
    <message>
        <source>Errore nell&apos;aggiornare il database alla versione attuale del programma</source>
        <translation>Erreur lors de la mise à jour de la base de données vers la version actuelle du programme</translation>
    </message>
    <message>
        <source>impossibile scrivere %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>MdbImportFlow</name>
    <message>
        <source>Importa archivio Access</source>
        <translation>Importer une archive Access</translation>
    </message>
    <message>
        <source>Archivio Access (*.mdb *.mde)</source>
        <translation>Archive Access (*.mdb *.mde)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1: %2.</source>
        <translation>Impossible de lire le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>Salva il nuovo archivio</source>
        <translation>Enregistrer la nouvelle archive</translation>
    </message>
    <message>
        <source>Database Quarzil (*.db *.sqlite)</source>
        <translation>Base de données Quarzil (*.db *.sqlite)</translation>
    </message>
    <message>
        <source>Il file %1 è in uso: scegliere un altro nome per il nuovo archivio.</source>
        <translation>Le fichier %1 est utilisé : choisissez un autre nom pour la nouvelle archive.</translation>
    </message>
    <message>
        <source>Importazione di %1...</source>
        <translation>Importation de %1...</translation>
    </message>
    <message>
        <source>Importazione annullata: nessun archivio è stato creato.</source>
        <translation>Importation annulée : aucune archive n&apos;a été créée.</translation>
    </message>
    <message>
        <source>Importazione non riuscita: %1. Nessun archivio è stato creato.</source>
        <translation>Échec de l&apos;importation : %1. Aucune archive n&apos;a été créée.</translation>
    </message>
    <message>
        <source>L&apos;archivio %1 è stato importato in %2 (%3 tabelle, %4 righe), alla versione %5. Usare ora il nuovo archivio?</source>
        <translation>L&apos;archive %1 a été importée dans %2 (%3 tables, %4 lignes), à la version %5. Utiliser maintenant la nouvelle archive ?</translation>
    </message>
    <message>
        <source>Il nuovo archivio sarà aperto al prossimo avvio del programma.</source>
        <translation>La nouvelle archive sera ouverte au prochain démarrage du programme.</translation>
    </message>
</context>
<context>
    <name>MdbImportReader</name>
    <message>
        <source>il file %1 è troncato o danneggiato (%2)</source>
        <translation>le fichier %1 est tronqué ou endommagé (%2)</translation>
    </message>
    <message>
        <source>il file %1 non esiste</source>
        <translation>le fichier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>il file %1 non è un archivio Access leggibile</source>
        <translation>le fichier %1 n&apos;est pas une archive Access lisible</translation>
    </message>
    <message>
        <source>la sua lunghezza non è un multiplo della pagina di %1 byte</source>
        <translation>sa longueur n&apos;est pas un multiple de la page de %1 octets</translation>
    </message>
    <message>
        <source>nessun file aperto</source>
        <translation>aucun fichier ouvert</translation>
    </message>
    <message>
        <source>il catalogo delle tabelle è incompleto</source>
        <translation>le catalogue des tables est incomplet</translation>
    </message>
    <message>
        <source>il catalogo delle tabelle non si legge</source>
        <translation>le catalogue des tables est illisible</translation>
    </message>
    <message>
        <source>la tabella %1 non si legge</source>
        <translation>la table %1 est illisible</translation>
    </message>
    <message>
        <source>la colonna %1 della tabella %2 è di un tipo (%3) che l&apos;importazione non conosce</source>
        <translation>la colonne %1 de la table %2 est d&apos;un type (%3) que l&apos;importation ne connaît pas</translation>
    </message>
    <message>
        <source>la tabella %1 non esiste</source>
        <translation>la table %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>la tabella %1 è cambiata</source>
        <translation>la table %1 a changé</translation>
    </message>
    <message>
        <source>un testo della colonna %1 della tabella %2 supera %3 byte</source>
        <translation>un texte de la colonne %1 de la table %2 dépasse %3 octets</translation>
    </message>
    <message>
        <source>un testo della tabella %1 non si legge</source>
        <translation>un texte de la table %1 est illisible</translation>
    </message>
    <message>
        <source>un oggetto della tabella %1 non si legge</source>
        <translation>un objet de la table %1 est illisible</translation>
    </message>
    <message>
        <source>un oggetto della colonna %1 della tabella %2 ha %3 byte invece di %4</source>
        <translation>un objet de la colonne %1 de la table %2 fait %3 octets au lieu de %4</translation>
    </message>
    <message>
        <source>nessuna tabella in lettura</source>
        <translation>aucune table en lecture</translation>
    </message>
    <message>
        <source>la tabella %1 ha %2 righe, se ne leggono %3</source>
        <translation>la table %1 a %2 lignes, %3 sont lues</translation>
    </message>
</context>
<context>
    <name>OnlineServices</name>
    <message>
        <source>Occorre essere connessi ad internet per verificare gli aggiornamenti!</source>
        <translation>Il faut être connecté à internet pour vérifier les mises à jour !</translation>
    </message>
    <message>
        <source>Si sta utilizzando l&apos;ultima versione del programma!</source>
        <translation>Vous utilisez la dernière version du programme !</translation>
    </message>
    <message>
        <source>Disponibile l&apos;aggiornamento alla versione %1 del programma. Si desidera installarlo?</source>
        <translation>La mise à jour vers la version %1 du programme est disponible. Voulez-vous l&apos;installer ?</translation>
    </message>
    <message>
        <source>Scaricamento del file in corso, interrompere?</source>
        <translation>Téléchargement du fichier en cours, interrompre ?</translation>
    </message>
    <message>
        <source>Grazie per averci inviato informazioni utili al miglioramento del software!</source>
        <translation>Merci de nous avoir envoyé des informations utiles pour améliorer le logiciel !</translation>
    </message>
    <message>
        <source>Impossibile scaricare l&apos;aggiornamento del programma:
%1</source>
        <translation>Impossible de télécharger la mise à jour du programme :
%1</translation>
    </message>
    <message>
        <source>L&apos;aggiornamento è stato scaricato nel file %1: aprirlo con il programma di installazione dei pacchetti per installare la nuova versione.</source>
        <translation>La mise à jour a été téléchargée dans le fichier %1 : ouvrez-le avec l&apos;installateur de paquets pour installer la nouvelle version.</translation>
    </message>
    <message>
        <source>Occorre essere connessi ad internet per inviare commenti e suggerimenti!</source>
        <translation>Il faut être connecté à internet pour envoyer des commentaires et suggestions !</translation>
    </message>
    <message>
        <source>Impossibile scrivere il rapporto %1: %2</source>
        <translation>Impossible d&apos;écrire le rapport %1 : %2</translation>
    </message>
</context>
<context>
    <name>PackageDownload</name>
    <message>
        <source>impossibile eliminare %1</source>
        <translation>impossible de supprimer %1</translation>
    </message>
    <message>
        <source>scaricamento interrotto</source>
        <translation>téléchargement interrompu</translation>
    </message>
    <message>
        <source>scaricati %1 byte su %2</source>
        <translation>%1 octets téléchargés sur %2</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Visualizza</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Magazzino</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Articoli</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>Strumenti</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Stampe</source>
        <translation>Impressions</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Réseaux sociaux</translation>
    </message>
    <message>
        <source>Movimenti / Fatture</source>
        <translation>Mouvements / Factures</translation>
    </message>
    <message>
        <source>Merce</source>
        <translation>Marchandise</translation>
    </message>
    <message>
        <source>Tipo di Movimento</source>
        <translation>Type de mouvement</translation>
    </message>
    <message>
        <source>Documento</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Anagrafiche</source>
        <translation>Clients/Fournisseurs</translation>
    </message>
    <message>
        <source>Anteprima</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Scadenze</source>
        <translation>Échéances</translation>
    </message>
</context>
<context>
    <name>SchemaUpgrade</name>
    <message>
        <source>la colonna %1 non esiste</source>
        <translation>la colonne %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>errore sconosciuto</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>passo dalla versione %1: </source>
        <translation>étape depuis la version %1 : </translation>
    </message>
    <message>
        <source>la tabella non ha righe</source>
        <translation>la table n&apos;a pas de lignes</translation>
    </message>
    <message>
        <source>la versione non è un numero</source>
        <translation>la version n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>un catalogo PostgreSQL alla versione %1 non si può aggiornare (i cataloghi nascono alla versione %2 o più)</source>
        <translation>un catalogue PostgreSQL à la version %1 ne peut pas être mis à jour (les catalogues naissent à la version %2 ou plus)</translation>
    </message>
    <message>
        <source>una transazione è già aperta</source>
        <translation>une transaction est déjà ouverte</translation>
    </message>
    <message>
        <source>copia di sicurezza in %1</source>
        <translation>copie de sécurité dans %1</translation>
    </message>
    <message>
        <source>nessuna riga aggiornata</source>
        <translation>aucune ligne mise à jour</translation>
    </message>
</context>
<context>
    <name>SmallToolButton</name>
    <message>
        <source>Calcola codice fiscale</source>
        <translation>Calculer le code fiscal</translation>
    </message>
    <message>
        <source>Controlla partita iva</source>
        <translation>Vérifier le numéro de TVA</translation>
    </message>
</context>
<context>
    <name>StartupChecks</name>
    <message>
        <source>La risoluzione attuale del video è di %1x%2 pixel. La risoluzione minima del programma per funzionare è di 800x600 pixel!</source>
        <translation>La résolution actuelle de l&apos;écran est de %1x%2 pixels. Le programme nécessite une résolution minimale de 800x600 pixels !</translation>
    </message>
    <message>
        <source>La scheda video è configurata a %1 colori per pixel. Si consiglia di impostarla ad almeno 65.536 colori!</source>
        <translation>La carte graphique est configurée à %1 couleurs par pixel. Il est conseillé de la régler à au moins 65 536 couleurs !</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio dei dati!</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive de données !</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio dei dati scelto:
%1
%2

È aperto invece l&apos;archivio:
%3
I dati inseriti ora saranno salvati in questo archivio.</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive de données choisie :
%1
%2

L&apos;archive suivante est ouverte à la place :
%3
Les données saisies maintenant seront enregistrées dans cette archive.</translation>
    </message>
    <message>
        <source>Impossibile salvare le impostazioni nel file %1 (file o cartella in sola lettura, oppure disco pieno): le modifiche alle impostazioni non saranno conservate.</source>
        <translation>Impossible d&apos;enregistrer les paramètres dans le fichier %1 (fichier ou dossier en lecture seule, ou disque plein) : les modifications des paramètres ne seront pas conservées.</translation>
    </message>
    <message>
        <source>Archivio: %1</source>
        <translation>Archive : %1</translation>
    </message>
</context>
<context>
    <name>UpgradeSession</name>
    <message>
        <source>errore sconosciuto</source>
        <translation>erreur inconnue</translation>
    </message>
</context>
</TS>
