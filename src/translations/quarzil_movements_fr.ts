<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="it_IT">
<context>
    <name>AgendaLayout</name>
    <message>
        <source>Il campo non può avere valore nullo!</source>
        <translation>Le champ ne peut pas être vide !</translation>
    </message>
    <message>
        <source>Problema nelle date o orari, impossibile salvare!</source>
        <translation>Problème de dates ou d&apos;heures, enregistrement impossible !</translation>
    </message>
    <message>
        <source>La durata della scadenza è minore di 15 minuti, verrà quindi adattata per avere la durata di almeno un quarto d&apos;ora!</source>
        <translation>La durée de l&apos;échéance est inférieure à 15 minutes, elle sera donc portée à au moins un quart d&apos;heure !</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati in agenda!</source>
        <translation>Impossible d&apos;enregistrer les données dans l&apos;agenda !</translation>
    </message>
    <message>
        <source>Appuntamento</source>
        <translation>Rendez-vous</translation>
    </message>
    <message>
        <source>Scadenza</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Pagamento</source>
        <translation>Paiement</translation>
    </message>
</context>
<context>
    <name>AnaListModel</name>
    <message>
        <source>Ragione Sociale</source>
        <translation>Raison Sociale</translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Comune</source>
        <translation>Commune</translation>
    </message>
    <message>
        <source>Telefono</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Portable</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Codice Fiscale</source>
        <translation>N° fiscal</translation>
    </message>
    <message>
        <source>Partita IVA</source>
        <translation>N° TVA</translation>
    </message>
</context>
<context>
    <name>AnaMovements</name>
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
    <name>CAgendaView</name>
    <message>
        <source>Agenda - Quarzil</source>
        <translation>Agenda - Quarzil</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;agenda del giorno!
%1</source>
        <translation>Impossible de lire l&apos;agenda du jour !
%1</translation>
    </message>
    <message>
        <source>La scadenza selezionata non è più presente in agenda!</source>
        <translation>L&apos;échéance sélectionnée n&apos;est plus dans l&apos;agenda !</translation>
    </message>
    <message>
        <source>Impossibile leggere la scadenza selezionata!
%1</source>
        <translation>Impossible de lire l&apos;échéance sélectionnée !
%1</translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente la scadenza selezionata?</source>
        <translation>Voulez-vous supprimer définitivement l&apos;échéance sélectionnée ?</translation>
    </message>
    <message>
        <source>Impossibile eliminare la scadenza selezionata!
%1</source>
        <translation>Impossible de supprimer l&apos;échéance sélectionnée !
%1</translation>
    </message>
</context>
<context>
    <name>CAnaMovBar</name>
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
        <translation>Type de Mouvement</translation>
    </message>
    <message>
        <source>Ultimi 250 movimenti di magazzino</source>
        <translation>250 derniers mouvements de stock</translation>
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
        <translation>&amp;Raison Soc.</translation>
    </message>
    <message>
        <source>Valore Richiesto</source>
        <translation>Valeur Obligatoire</translation>
    </message>
    <message>
        <source>&amp;Indirizzo</source>
        <translation>&amp;Adresse</translation>
    </message>
    <message>
        <source>Es. Via Giuseppe Garibaldi, 25</source>
        <translation>Ex. Via Giuseppe Garibaldi, 25</translation>
    </message>
    <message>
        <source>Co&amp;mune</source>
        <translation>Co&amp;mmune</translation>
    </message>
    <message>
        <source>Es. 20121 Milano (MI)</source>
        <translation>Ex. 20121 Milano (MI)</translation>
    </message>
    <message>
        <source>&amp;Telefono</source>
        <translation>&amp;Téléphone</translation>
    </message>
    <message>
        <source>Ce&amp;llulare</source>
        <translation>Porta&amp;ble</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>&amp;Sito Web</source>
        <translation>&amp;Site Web</translation>
    </message>
    <message>
        <source>C&amp;od.Fisc</source>
        <translation>N° &amp;fiscal</translation>
    </message>
    <message>
        <source>&amp;Part.IVA</source>
        <translation>N° T&amp;VA</translation>
    </message>
    <message>
        <source>&amp;Banca</source>
        <translation>&amp;Banque</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>Sco&amp;nto</source>
        <translation>Re&amp;mise</translation>
    </message>
    <message>
        <source>Inserire qui le note. Premere Ctrl+Invio per inserire una nuova riga</source>
        <translation>Saisissez les notes ici. Appuyez sur Ctrl+Entrée pour une nouvelle ligne</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Errore codice</source>
        <translation>Erreur de code</translation>
    </message>
    <message>
        <source>Il codice è duplicato, scegliere un altro valore!</source>
        <translation>Le code est en double, choisissez une autre valeur !</translation>
    </message>
    <message>
        <source>Errore ragione sociale</source>
        <translation>Erreur de raison sociale</translation>
    </message>
    <message>
        <source>La ragione sociale non può avere un valore nullo!</source>
        <translation>La raison sociale ne peut pas être vide !</translation>
    </message>
    <message>
        <source>Gestione Anagrafica</source>
        <translation>Gestion de Fiche</translation>
    </message>
</context>
<context>
    <name>CAnagraficheView</name>
    <message>
        <source>Inserisci Nuovo Cliente ( F3 )</source>
        <translation>Nouveau Client ( F3 )</translation>
    </message>
    <message>
        <source>Inserisci Nuovo Fornitore ( F4 )</source>
        <translation>Nouveau Fournisseur ( F4 )</translation>
    </message>
    <message>
        <source>Apri Anagrafica Selezionata ( Invio )</source>
        <translation>Ouvrir la Fiche Sélectionnée ( Entrée )</translation>
    </message>
    <message>
        <source>Elimina Anagrafiche Selezionate ( Ctrl+D )</source>
        <translation>Supprimer les Fiches Sélectionnées ( Ctrl+D )</translation>
    </message>
    <message>
        <source>Trova Anagrafica ( F6 )</source>
        <translation>Rechercher une Fiche ( F6 )</translation>
    </message>
    <message>
        <source>Clienti</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Fornitori</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>Operai</source>
        <translation>Ouvriers</translation>
    </message>
    <message>
        <source>Vedi Tutti</source>
        <translation>Voir Tout</translation>
    </message>
    <message>
        <source>Anteprima Situazione</source>
        <translation>Aperçu de la Situation</translation>
    </message>
    <message>
        <source>Stampa Situazione</source>
        <translation>Imprimer la Situation</translation>
    </message>
    <message>
        <source>Anagrafiche - Quarzil</source>
        <translation>Clients et Fournisseurs - Quarzil</translation>
    </message>
    <message>
        <source>Cliente o fornitore non trovato!</source>
        <translation>Client ou fournisseur introuvable !</translation>
    </message>
</context>
<context>
    <name>CAppDialog</name>
    <message>
        <source>Appuntamenti e Scadenze</source>
        <translation>Rendez-vous et Échéances</translation>
    </message>
    <message>
        <source>&amp;Oggetto</source>
        <translation>&amp;Objet</translation>
    </message>
    <message>
        <source>&amp;Descrizione</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>&amp;Inizio</source>
        <translation>Dé&amp;but</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>&amp;Type</translation>
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
</context>
<context>
    <name>CDdtDataDialog</name>
    <message>
        <source>Al massimo %1 caratteri</source>
        <translation>Au plus %1 caractères</translation>
    </message>
    <message>
        <source>Trasporto</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>&amp;Causale</source>
        <translation>&amp;Motif</translation>
    </message>
    <message>
        <source>&amp;Vettore</source>
        <translation>&amp;Transporteur</translation>
    </message>
    <message>
        <source>A&amp;spetto</source>
        <translation>As&amp;pect</translation>
    </message>
    <message>
        <source>&amp;Porto</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>C&amp;olli</source>
        <translation>C&amp;olis</translation>
    </message>
    <message>
        <source>P&amp;eso</source>
        <translation>P&amp;oids</translation>
    </message>
    <message>
        <source>Fattura</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>&amp;Titolo</source>
        <translation>&amp;Titre</translation>
    </message>
    <message>
        <source>Con&amp;dizioni di pagamento</source>
        <translation>Con&amp;ditions de paiement</translation>
    </message>
    <message>
        <source>&amp;Banca</source>
        <translation>&amp;Banque</translation>
    </message>
    <message>
        <source>&amp;IBAN</source>
        <translation>&amp;IBAN</translation>
    </message>
    <message>
        <source>Destinazione diversa</source>
        <translation>Destination différente</translation>
    </message>
    <message>
        <source>&amp;Ragione sociale</source>
        <translation>&amp;Raison sociale</translation>
    </message>
    <message>
        <source>I&amp;ndirizzo</source>
        <translation>Adr&amp;esse</translation>
    </message>
    <message>
        <source>Co&amp;mune</source>
        <translation>Co&amp;mmune</translation>
    </message>
    <message>
        <source>Righe a piè di fattura</source>
        <translation>Lignes de pied de facture</translation>
    </message>
    <message>
        <source>a sinistra</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>a destra</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>Riga &amp;1</source>
        <translation>Ligne &amp;1</translation>
    </message>
    <message>
        <source>Riga &amp;2</source>
        <translation>Ligne &amp;2</translation>
    </message>
    <message>
        <source>Riga &amp;3</source>
        <translation>Ligne &amp;3</translation>
    </message>
    <message>
        <source>Riga &amp;4</source>
        <translation>Ligne &amp;4</translation>
    </message>
    <message>
        <source>Fattura in regime di vantaggio (minimi)</source>
        <translation>Facture sous régime de franchise (micro-entreprise)</translation>
    </message>
    <message>
        <source>Riga 1</source>
        <translation>Ligne 1</translation>
    </message>
    <message>
        <source>Riga 2</source>
        <translation>Ligne 2</translation>
    </message>
    <message>
        <source>Riga 3</source>
        <translation>Ligne 3</translation>
    </message>
    <message>
        <source>Testo Defa&amp;ult</source>
        <translation>Texte par Déf&amp;aut</translation>
    </message>
    <message>
        <source>Riempie le righe a piè di fattura con i testi predefiniti</source>
        <translation>Remplit les lignes de pied de facture avec les textes par défaut</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>C&amp;hiudi e Salva Testo Fattura</source>
        <translation>Fe&amp;rmer et Enregistrer le Texte de Facture</translation>
    </message>
    <message>
        <source>Chiude e usa queste righe a piè di fattura anche per i nuovi scarichi</source>
        <translation>Ferme et utilise ces lignes de pied de facture aussi pour les nouvelles sorties</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Altri Dati</source>
        <translation>Autres Données</translation>
    </message>
</context>
<context>
    <name>CFiltroMovDialog</name>
    <message>
        <source>Filtro Dati</source>
        <translation>Filtre des Données</translation>
    </message>
    <message>
        <source>&amp;Inizio</source>
        <translation>Dé&amp;but</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CMovRowBar</name>
    <message>
        <source>Articolo</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation>Remise</translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Righe del movimento</source>
        <translation>Lignes du mouvement</translation>
    </message>
</context>
<context>
    <name>CMovimentiDialog</name>
    <message>
        <source>Articolo</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Prezzo Un.</source>
        <translation>Prix Unit.</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Sconto</source>
        <translation>Remise</translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Fornitore</source>
        <translation>&amp;Fournisseur</translation>
    </message>
    <message>
        <source>&amp;Cliente</source>
        <translation>&amp;Client</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Inserisci Fornitore</source>
        <translation>Nouveau Fournisseur</translation>
    </message>
    <message>
        <source>Inserisci Cliente</source>
        <translation>Nouveau Client</translation>
    </message>
    <message>
        <source>Modifica Fornitore</source>
        <translation>Modifier le Fournisseur</translation>
    </message>
    <message>
        <source>Modifica Cliente</source>
        <translation>Modifier le Client</translation>
    </message>
    <message>
        <source>Trova Fornitore</source>
        <translation>Rechercher un Fournisseur</translation>
    </message>
    <message>
        <source>Trova Cliente</source>
        <translation>Rechercher un Client</translation>
    </message>
    <message>
        <source>&amp;Numero</source>
        <translation>&amp;Numéro</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>Matricola</source>
        <translation>Code Article</translation>
    </message>
    <message>
        <source>Codice Fornitore</source>
        <translation>Code Fournisseur</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Code-barres</translation>
    </message>
    <message>
        <source>Inserisci Articolo</source>
        <translation>Nouvel Article</translation>
    </message>
    <message>
        <source>Modifica Articolo</source>
        <translation>Modifier l&apos;Article</translation>
    </message>
    <message>
        <source>Trova Articolo</source>
        <translation>Rechercher un Article</translation>
    </message>
    <message>
        <source>Attiva o disattiva la modalità lettore con inserimento automatico della riga</source>
        <translation>Active ou désactive le mode lecteur avec insertion automatique de la ligne</translation>
    </message>
    <message>
        <source>Prezzo per singolo pezzo</source>
        <translation>Prix à l&apos;unité</translation>
    </message>
    <message>
        <source>Prezzo di Acquisto</source>
        <translation>Prix d&apos;Achat</translation>
    </message>
    <message>
        <source>Prezzo di Vendita</source>
        <translation>Prix de Vente</translation>
    </message>
    <message>
        <source>Prezzo Medio di Acquisto</source>
        <translation>Prix Moyen d&apos;Achat</translation>
    </message>
    <message>
        <source>Prezzo Medio di Vendita</source>
        <translation>Prix Moyen de Vente</translation>
    </message>
    <message>
        <source>Prezzo Medio Ponderato di Acquisto</source>
        <translation>Prix Moyen Pondéré d&apos;Achat</translation>
    </message>
    <message>
        <source>Prezzo Medio Ponderato di Vendita</source>
        <translation>Prix Moyen Pondéré de Vente</translation>
    </message>
    <message>
        <source>Ultimo Prezzo di Acquisto Utilizzato</source>
        <translation>Dernier Prix d&apos;Achat Utilisé</translation>
    </message>
    <message>
        <source>Ultimo Prezzo di Vendita Utilizzato</source>
        <translation>Dernier Prix de Vente Utilisé</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>&amp;Articolo</source>
        <translation>&amp;Article</translation>
    </message>
    <message>
        <source>&amp;Unità</source>
        <translation>&amp;Unité</translation>
    </message>
    <message>
        <source>&amp;Quantità</source>
        <translation>&amp;Quantité</translation>
    </message>
    <message>
        <source>Prezzo Ne&amp;tto</source>
        <translation>Prix Ne&amp;t</translation>
    </message>
    <message>
        <source>Prezzo &amp;Lordo</source>
        <translation>Prix &amp;Brut</translation>
    </message>
    <message>
        <source>&amp;IVA</source>
        <translation>T&amp;VA</translation>
    </message>
    <message>
        <source>Scont&amp;o</source>
        <translation>Re&amp;mise</translation>
    </message>
    <message>
        <source>N&amp;ote</source>
        <translation>N&amp;otes</translation>
    </message>
    <message>
        <source>Inserisci Riga (Ctrl+Ins)</source>
        <translation>Insérer une Ligne (Ctrl+Ins)</translation>
    </message>
    <message>
        <source>Salva Riga (Ctrl+S)</source>
        <translation>Enregistrer la Ligne (Ctrl+S)</translation>
    </message>
    <message>
        <source>Elimina Riga (Ctrl+Canc)</source>
        <translation>Supprimer la Ligne (Ctrl+Suppr)</translation>
    </message>
    <message>
        <source>Consente di inserire gli altri dati come il vettore o la causale (Ctrl+D)</source>
        <translation>Permet de saisir les autres données comme le transporteur ou le motif (Ctrl+D)</translation>
    </message>
    <message>
        <source>Permette di inserire una ricevuta fiscale invece di una fattura (Ctrl+R)</source>
        <translation>Permet de saisir un ticket de caisse au lieu d&apos;une facture (Ctrl+R)</translation>
    </message>
    <message>
        <source>Pa&amp;gato</source>
        <translation>Pa&amp;yé</translation>
    </message>
    <message>
        <source>Stampa &amp;Fattura</source>
        <translation>Imprimer la &amp;Facture</translation>
    </message>
    <message>
        <source>S&amp;tampa D.D.T.</source>
        <translation>Imprimer le &amp;Bon de Livraison</translation>
    </message>
    <message>
        <source>OK (F2)</source>
        <translation>OK (F2)</translation>
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
        <source>Dati Carico</source>
        <translation>Données d&apos;Entrée</translation>
    </message>
    <message>
        <source>Dati Reso</source>
        <translation>Données de Retour</translation>
    </message>
    <message>
        <source>Dati Scarico</source>
        <translation>Données de Sortie</translation>
    </message>
    <message>
        <source>Stampa Ricevuta</source>
        <translation>Imprimer le Ticket</translation>
    </message>
    <message>
        <source>Giacenza %1</source>
        <translation>Stock %1</translation>
    </message>
    <message>
        <source>L&apos;articolo con codice a barre %1 non è presente in archivio, volete inserirlo ora?</source>
        <translation>L&apos;article avec le code-barres %1 n&apos;est pas dans l&apos;archive, voulez-vous l&apos;ajouter maintenant ?</translation>
    </message>
    <message>
        <source>Imponibile: </source>
        <translation>Montant HT : </translation>
    </message>
    <message>
        <source>Sconto: </source>
        <translation>Remise : </translation>
    </message>
    <message>
        <source>Imposta: </source>
        <translation>Taxe : </translation>
    </message>
    <message>
        <source>Totale: </source>
        <translation>Total : </translation>
    </message>
    <message>
        <source>Occorre selezionare un prodotto, se in archivio non ci sono ancora, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>Vous devez sélectionner un produit ; s&apos;il n&apos;y en a pas encore dans l&apos;archive, vous pouvez les ajouter avec le bouton à côté de leur liste !</translation>
    </message>
    <message>
        <source>Il prodotto è gestito con i codici seriali: la quantità deve essere un numero intero di pezzi!</source>
        <translation>Le produit est géré par numéros de série : la quantité doit être un nombre entier de pièces !</translation>
    </message>
    <message>
        <source>In magazzino %1 solo %2 %3 di merce, si desidera comunque scaricare %4 %5 di prodotto?</source>
        <translation>En stock %1 seulement %2 %3 de marchandise, voulez-vous quand même sortir %4 %5 de produit ?</translation>
    </message>
    <message>
        <source>c&apos;è</source>
        <translation>il y a</translation>
    </message>
    <message>
        <source>ci sono</source>
        <translation>il y a</translation>
    </message>
    <message>
        <source>In questa modalità ogni volta che si spara un codice a barre viene inserita una riga con l&apos;articolo trovato e la quantità indicata, per questo motivo è necessario cambiare la quantità del prodotto da inserire prima di sparare l&apos;articolo.</source>
        <translation>Dans ce mode, chaque code-barres scanné insère une ligne avec l&apos;article trouvé et la quantité indiquée ; il faut donc changer la quantité du produit avant de scanner l&apos;article.</translation>
    </message>
    <message>
        <source>Fornitore non trovato!</source>
        <translation>Fournisseur introuvable !</translation>
    </message>
    <message>
        <source>Cliente non trovato!</source>
        <translation>Client introuvable !</translation>
    </message>
    <message>
        <source>Articolo non trovato!</source>
        <translation>Article introuvable !</translation>
    </message>
    <message>
        <source>Il numero del movimento è obbligatorio!</source>
        <translation>Le numéro du mouvement est obligatoire !</translation>
    </message>
    <message>
        <source>Occorre inserire il cliente o fornitore della fattura!</source>
        <translation>Vous devez saisir le client ou le fournisseur de la facture !</translation>
    </message>
    <message>
        <source>Occorre inserire almeno una riga nel movimento!</source>
        <translation>Vous devez saisir au moins une ligne dans le mouvement !</translation>
    </message>
    <message>
        <source>Gli articoli e le anagrafiche inseriti o modificati da questa finestra vengono annullati insieme al movimento. Annullare comunque il movimento?</source>
        <translation>Les articles et les fiches ajoutés ou modifiés depuis cette fenêtre sont annulés avec le mouvement. Annuler quand même le mouvement ?</translation>
    </message>
</context>
<context>
    <name>CMovimentiView</name>
    <message>
        <source>Nuovo Carico ( F2 )</source>
        <translation>Nouvelle Entrée ( F2 )</translation>
    </message>
    <message>
        <source>Nuovo Scarico ( F3 )</source>
        <translation>Nouvelle Sortie ( F3 )</translation>
    </message>
    <message>
        <source>Nuovo Reso ( F4 )</source>
        <translation>Nouveau Retour ( F4 )</translation>
    </message>
    <message>
        <source>Apri Movimento Selezionato ( Invio )</source>
        <translation>Ouvrir le Mouvement Sélectionné ( Entrée )</translation>
    </message>
    <message>
        <source>Elimina Movimenti Selezionati ( Ctrl+D )</source>
        <translation>Supprimer les Mouvements Sélectionnés ( Ctrl+D )</translation>
    </message>
    <message>
        <source>Filtro Date</source>
        <translation>Filtre de Dates</translation>
    </message>
    <message>
        <source>Trova Movimento ( F6 )</source>
        <translation>Rechercher un Mouvement ( F6 )</translation>
    </message>
    <message>
        <source>Fatturazione Elettronica!</source>
        <translation>Facturation Électronique !</translation>
    </message>
    <message>
        <source>Movimenti di Magazzino - Quarzil</source>
        <translation>Mouvements de Stock - Quarzil</translation>
    </message>
    <message>
        <source>Impossibile eliminare %1 dei movimenti selezionati: %2</source>
        <translation>Impossible de supprimer %1 des mouvements sélectionnés : %2</translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora prodotti, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>Il n&apos;y a pas encore de produits dans l&apos;archive, vous pouvez les ajouter avec le bouton à côté de leur liste !</translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora fornitori, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>Il n&apos;y a pas encore de fournisseurs dans l&apos;archive, vous pouvez les ajouter avec le bouton à côté de leur liste !</translation>
    </message>
    <message>
        <source>In archivio non ci sono ancora clienti, potete inserirli con il pulsante a fianco della loro lista!</source>
        <translation>Il n&apos;y a pas encore de clients dans l&apos;archive, vous pouvez les ajouter avec le bouton à côté de leur liste !</translation>
    </message>
    <message>
        <source>Il movimento è stato salvato, ma il numero %1 è già stato dato a un altro movimento dello stesso tipo del %2 (forse salvato nello stesso momento da un altro computer). Correggere il numero di uno dei due se serve.</source>
        <translation>Le mouvement a été enregistré, mais le numéro %1 a déjà été attribué à un autre mouvement du même type en %2 (peut-être enregistré au même moment sur un autre ordinateur). Corrigez le numéro de l&apos;un des deux si nécessaire.</translation>
    </message>
</context>
<context>
    <name>EasterCache</name>
    <message>
        <source>Giorno di pasqua nel %1: %2 %3</source>
        <translation>Dimanche de Pâques en %1 : %2 %3</translation>
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
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Cliente / Fornitore</source>
        <translation>Client / Fournisseur</translation>
    </message>
    <message>
        <source>Prezzo</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Imposta</source>
        <translation>Taxe</translation>
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
        <translation>250 lignes au maximum par mouvement, créez un nouveau mouvement !</translation>
    </message>
    <message>
        <source>Occorre inserire la quantità!</source>
        <translation>Vous devez saisir la quantité !</translation>
    </message>
    <message>
        <source>Occorre inserire una quantità superiore a zero!</source>
        <translation>Vous devez saisir une quantité supérieure à zéro !</translation>
    </message>
    <message>
        <source>Errore nell&apos;inserimento della riga!</source>
        <translation>Erreur lors de l&apos;insertion de la ligne !</translation>
    </message>
    <message>
        <source>Errore nel salvataggio della riga!</source>
        <translation>Erreur lors de l&apos;enregistrement de la ligne !</translation>
    </message>
    <message>
        <source>Impossibile eliminare la riga selezionata!</source>
        <translation>Impossible de supprimer la ligne sélectionnée !</translation>
    </message>
    <message>
        <source>Impossibile inserire il carico!</source>
        <translation>Impossible d&apos;insérer l&apos;entrée !</translation>
    </message>
    <message>
        <source>Non ci sono le unità di misura in archivio!</source>
        <translation>Il n&apos;y a pas d&apos;unités de mesure dans l&apos;archive !</translation>
    </message>
    <message>
        <source>Impossibile avviare la transazione!</source>
        <translation>Impossible de démarrer la transaction !</translation>
    </message>
    <message>
        <source>Impossibile salvare il carico!</source>
        <translation>Impossible d&apos;enregistrer l&apos;entrée !</translation>
    </message>
    <message>
        <source>Impossibile salvare la transazione!</source>
        <translation>Impossible d&apos;enregistrer la transaction !</translation>
    </message>
    <message>
        <source>Impossibile inserire lo scarico!</source>
        <translation>Impossible d&apos;insérer la sortie !</translation>
    </message>
    <message>
        <source>Impossibile salvare lo scarico!</source>
        <translation>Impossible d&apos;enregistrer la sortie !</translation>
    </message>
    <message>
        <source>Impossibile inserire il reso!</source>
        <translation>Impossible d&apos;insérer le retour !</translation>
    </message>
    <message>
        <source>Impossibile salvare il reso!</source>
        <translation>Impossible d&apos;enregistrer le retour !</translation>
    </message>
    <message>
        <source>Impossibile salvare il movimento!</source>
        <translation>Impossible d&apos;enregistrer le mouvement !</translation>
    </message>
    <message>
        <source>Si desidera eliminare definitivamente il valore o i valori selezionati?</source>
        <translation>Voulez-vous supprimer définitivement la ou les valeurs sélectionnées ?</translation>
    </message>
    <message>
        <source>Movimento non trovato!</source>
        <translation>Mouvement introuvable !</translation>
    </message>
</context>
</TS>
