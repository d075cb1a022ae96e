<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CardDavError</name>
    <message>
        <source>%1 did not accept the user name or password. Check both; accounts with two-step sign-in need an app password.</source>
        <translation>%1 n’a pas accepté le nom d’utilisateur ou le mot de passe. Vérifiez les deux ; les comptes avec validation en deux étapes demandent un mot de passe d’application.</translation>
    </message>
    <message>
        <source>%1 does not let this user change %2. Choose an address book of this account, or ask the server&apos;s administrator for access.</source>
        <translation>%1 ne permet pas à cet utilisateur de modifier %2. Choisissez un carnet d’adresses de ce compte, ou demandez l’accès à l’administrateur du serveur.</translation>
    </message>
    <message>
        <source>There is no address book at %1. Check the address, or give just the server&apos;s address to list its address books.</source>
        <translation>Il n’y a pas de carnet d’adresses à %1. Vérifiez l’adresse, ou donnez seulement l’adresse du serveur pour lister ses carnets d’adresses.</translation>
    </message>
    <message>
        <source>%1 does not take this request at %2, so it is probably not an address book. Give the address book&apos;s own address, or just the server&apos;s.</source>
        <translation>%1 n’accepte pas cette requête à %2 : ce n’est sans doute pas un carnet d’adresses. Donnez l’adresse propre du carnet d’adresses, ou seulement celle du serveur.</translation>
    </message>
    <message>
        <source>The card at %1 was changed on the server since it was read, so it was left as the server has it. Check it there, then send again to see what is new.</source>
        <translation>La fiche à %1 a été modifiée sur le serveur depuis sa lecture ; elle a donc été laissée telle que le serveur l’a. Vérifiez-la là-bas, puis envoyez de nouveau pour voir ce qui est nouveau.</translation>
    </message>
    <message>
        <source>%1 refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 a refusé la fiche, trop grande. Raccourcissez les notes ou d’autres valeurs longues de la ligne, ou demandez à l’administrateur d’accepter des fiches plus grandes.</translation>
    </message>
    <message>
        <source>%1 does not take cards in this form. Convert for &quot;Nextcloud and CardDAV&quot; in vCard 3.0 and send again.</source>
        <translation>%1 n’accepte pas les fiches sous cette forme. Convertissez pour « Nextcloud et CardDAV » en vCard 3.0 et envoyez de nouveau.</translation>
    </message>
    <message>
        <source>%1 has no room left for more cards. Free space in the account or ask its administrator for more, then send again: the cards already sent are kept.</source>
        <translation>%1 n’a plus de place pour d’autres fiches. Libérez de l’espace dans le compte ou demandez-en plus à son administrateur, puis envoyez de nouveau : les fiches déjà envoyées sont gardées.</translation>
    </message>
    <message>
        <source>%1 answered %2 to %3.</source>
        <translation>%1 a répondu %2 à %3.</translation>
    </message>
    <message>
        <source> It said: &quot;%1&quot;.</source>
        <translation> Il a dit : « %1 ».</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check the connection and the address, then try again.</source>
        <translation>%1 n’a pas répondu en %2 secondes. Vérifiez la connexion et l’adresse, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 is a plain http:// address: the password and the contacts would cross the network unencrypted. Use https://, or allow unencrypted connections if the server is on your own network.</source>
        <translation>%1 est une adresse http:// non chiffrée : le mot de passe et les contacts traverseraient le réseau en clair. Utilisez https://, ou autorisez les connexions non chiffrées si le serveur est sur votre propre réseau.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified: %2 Its SHA-256 fingerprint is %3. Trust it only if the server&apos;s administrator confirms this fingerprint.</source>
        <translation>Le certificat de %1 n’a pas pu être vérifié : %2 Son empreinte SHA-256 est %3. Ne lui faites confiance que si l’administrateur du serveur confirme cette empreinte.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check the address and the connection.</source>
        <translation>Impossible de joindre %1 : %2. Vérifiez l’adresse et la connexion.</translation>
    </message>
    <message>
        <source>%1 closed the connection twice while this card (%2 KB) was being sent, yet answers other requests: it probably refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 a fermé la connexion deux fois pendant l’envoi de cette fiche (%2 Ko), mais répond aux autres requêtes : il a sans doute refusé la fiche, trop grande. Raccourcissez les notes ou d’autres valeurs longues de la ligne, ou demandez à l’administrateur d’accepter des fiches plus grandes.</translation>
    </message>
    <message>
        <source>%1 answers, but holds no address book for this user. Create one on the server, or give the address book&apos;s own address.</source>
        <translation>%1 répond, mais n’a pas de carnet d’adresses pour cet utilisateur. Créez-en un sur le serveur, ou donnez l’adresse propre du carnet d’adresses.</translation>
    </message>
    <message>
        <source>%1 is not answering as a CardDAV server does (%2). Check that the address is the server&apos;s CardDAV address.</source>
        <translation>%1 ne répond pas comme un serveur CardDAV (%2). Vérifiez que l’adresse est l’adresse CardDAV du serveur.</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> Le serveur a dit : « %1 ».</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Load it again with Browse... and check the mapping.</source>
        <translation>Chargez-le de nouveau avec Parcourir... et vérifiez l’association.</translation>
    </message>
</context>
<context>
    <name>ExportNotice</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>dates not read: %1</source>
        <translation>dates non lues&#xa0;: %1</translation>
    </message>
    <message>
        <source>values without a free field: %1</source>
        <translation>valeurs sans champ libre : %1</translation>
    </message>
    <message>
        <source>photos: %1</source>
        <translation>photos&#xa0;: %1</translation>
    </message>
    <message>
        <source>rows without an e-mail address: %1</source>
        <translation>lignes sans adresse e-mail&#xa0;: %1</translation>
    </message>
    <message>
        <source>cards that read back otherwise: %1</source>
        <translation>fiches relues autrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Laissé de côté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>List them in a &amp;report</source>
        <translation>Les lister dans un &amp;rapport</translation>
    </message>
    <message>
        <source>Column %1 holds data but goes nowhere.</source>
        <translation>La colonne %1 contient des données qui ne vont nulle part.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but go nowhere.</source>
        <translation>Les colonnes %1 contiennent des données qui ne vont nulle part.</translation>
    </message>
    <message>
        <source>&amp;Back to the pairs</source>
        <translation>Retour aux &amp;associations</translation>
    </message>
    <message>
        <source>Column %1 shows other digits than it stores: tick &quot;%2&quot; to write them as shown.</source>
        <translation>La colonne %1 affiche d’autres chiffres que ceux qu’elle stocke&#xa0;: cochez «&#xa0;%2&#xa0;» pour les écrire comme affichés.</translation>
    </message>
    <message>
        <source>Columns %1 show other digits than they store: tick &quot;%2&quot; to write them as shown.</source>
        <translation>Les colonnes %1 affichent d’autres chiffres que ceux qu’elles stockent&#xa0;: cochez «&#xa0;%2&#xa0;» pour les écrire comme affichés.</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Autoriser l’import des adresses e-mail vides</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Un seul fichier vCard</translation>
    </message>
    <message>
        <source>Keep Numbers as Shown in the Sheet</source>
        <translation>Garder les nombres tels qu’affichés</translation>
    </message>
    <message>
        <source>Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) rather than as stored (1512345678).</source>
        <translation>Reprend les numéros de téléphone, codes postaux et dates tels que la feuille les affiche (0151 2345678) plutôt que tels qu’ils sont enregistrés (1512345678).</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(par défaut, un fichier vCard par contact)</translation>
    </message>
    <message>
        <source>By default separate vCards are saved for every contact</source>
        <translation>Par défaut, une vCard distincte est enregistrée pour chaque contact</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard version 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard version 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard version 4.0</translation>
    </message>
    <message>
        <source>vCard 2.1 suits older phones and some desktop mail programs. CardDAV servers refuse it.</source>
        <translation>vCard 2.1 convient aux anciens téléphones et à certains logiciels de messagerie. Les serveurs CardDAV la refusent.</translation>
    </message>
    <message>
        <source>vCard 3.0 suits most address books and both phone platforms, Android and iPhone.</source>
        <translation>vCard 3.0 convient à la plupart des carnets d’adresses et aux deux plateformes mobiles, Android et iPhone.</translation>
    </message>
    <message>
        <source>vCard 4.0 suits the newest apps. The stock Android contacts app refuses it.</source>
        <translation>vCard 4.0 convient aux applications les plus récentes. L’application Contacts d’origine d’Android la refuse.</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Contacts sans adresse e-mail             &#xa0;:</translation>
    </message>
    <message>
        <source>Number of Empty Email Contacts</source>
        <translation>Nombre de contacts sans adresse e-mail</translation>
    </message>
    <message>
        <source>Empty Email Contacts Count</source>
        <translation>Compteur des contacts sans adresse e-mail</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Contacts ajoutés                                &#xa0;:</translation>
    </message>
    <message>
        <source>Number of Contacts Added</source>
        <translation>Nombre de contacts ajoutés</translation>
    </message>
    <message>
        <source>Contacts Added Count</source>
        <translation>Compteur des contacts ajoutés</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Progression de l’export</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Destination&#xa0;:</translation>
    </message>
    <message>
        <source>Saving Location</source>
        <translation>Emplacement d’enregistrement</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Change Saving Location</source>
        <translation>Modifier l’emplacement d’enregistrement</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>Preview Card</source>
        <translation>Aperçu de la carte</translation>
    </message>
    <message>
        <source>Shows the card a conversion would write for each row, with the mapping and options as they are now.</source>
        <translation>Affiche la carte qu’une conversion écrirait pour chaque ligne, avec l’association et les options actuelles.</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Saves what happened to every row of the last conversion as a CSV file.</source>
        <translation>Enregistre dans un fichier CSV ce qu’il est advenu de chaque ligne de la dernière conversion.</translation>
    </message>
    <message>
        <source>Write Phone Numbers in International Form</source>
        <translation>Numéros de téléphone au format international</translation>
    </message>
    <message>
        <source>Write Phone Numbers in &amp;International Form</source>
        <translation>Numéros au format &amp;international</translation>
    </message>
    <message>
        <source>Writes every phone and fax number as +49 151 23456789, reading numbers without a country code as numbers of the country chosen. A number that cannot be read stays as it is, and the report names it.</source>
        <translation>Écrit chaque numéro de téléphone et de fax sous la forme +49 151 23456789 ; un numéro sans indicatif de pays est lu comme un numéro du pays choisi. Un numéro illisible reste tel quel et le rapport le signale.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>Pa&amp;ys :</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Country of the Phone Numbers</source>
        <translation>Pays des numéros de téléphone</translation>
    </message>
    <message>
        <source>Any app</source>
        <translation>Toute application</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>iPhone and iCloud</source>
        <translation>iPhone et iCloud</translation>
    </message>
    <message>
        <source>Google Contacts</source>
        <translation>Google Contacts</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Nextcloud and CardDAV</source>
        <translation>Nextcloud et CardDAV</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Thunderbird</translation>
    </message>
    <message>
        <source>Imp&amp;ort into:</source>
        <translation>Imp&amp;orter dans :</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importer dans</translation>
    </message>
    <message>
        <source>Choosing where you will import the cards sets the vCard version and file mode that place reads best, and writes the forms it needs. You may still change the version and file mode afterwards. &quot;Any app&quot; writes the plain layout.</source>
        <translation>Choisir où vous importerez les fiches règle la version vCard et le mode de fichier que cette destination lit le mieux, et écrit les formes dont elle a besoin. Vous pouvez encore changer la version et le mode de fichier ensuite. « Toute application » écrit la présentation simple.</translation>
    </message>
    <message>
        <source>Per fi&amp;le:</source>
        <translation>Par fic&amp;hier :</translation>
    </message>
    <message>
        <source>Contacts per file</source>
        <translation>Contacts par fichier</translation>
    </message>
    <message>
        <source>At most this many contacts per file</source>
        <translation>Au plus autant de contacts par fichier</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>With a single vCard file, puts at most this many contacts into each file: All Contacts 1.vcf, All Contacts 2.vcf, and so on.</source>
        <translation>Avec un seul fichier vCard, met au plus autant de contacts dans chaque fichier : All Contacts 1.vcf, All Contacts 2.vcf, etc.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ExportStep</name>
    <message>
        <source>%1: vCard %2, %3.</source>
        <translation>%1 : vCard %2, %3.</translation>
    </message>
    <message>
        <source>one file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>a file per contact</source>
        <translation>un fichier par contact</translation>
    </message>
</context>
<context>
    <name>LoadNotice</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Column %1 holds data but is not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read it.</source>
        <translation>La colonne %1 contient des données mais n&apos;est pas lue : les en-têtes s&apos;arrêtent à la première cellule vide de la ligne %2, %3. Complétez les en-têtes manquants pour la lire.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but are not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read them.</source>
        <translation>Les colonnes %1 contiennent des données mais ne sont pas lues : les en-têtes s&apos;arrêtent à la première cellule vide de la ligne %2, %3. Complétez les en-têtes manquants pour les lire.</translation>
    </message>
    <message>
        <source>Row %1 holds data but is not read: five empty rows in a row end the list of contacts. Remove the empty rows to read it.</source>
        <translation>La ligne %1 contient des données mais n&apos;est pas lue : cinq lignes vides à la suite terminent la liste des contacts. Supprimez les lignes vides pour la lire.</translation>
    </message>
    <message>
        <source>%1 rows (%2 to %3) hold data but are not read: five empty rows in a row end the list of contacts. Remove the empty rows to read them.</source>
        <translation>%1 lignes (%2 à %3) contiennent des données mais ne sont pas lues : cinq lignes vides à la suite terminent la liste des contacts. Supprimez les lignes vides pour les lire.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Quillmere banner</source>
        <translation>Bannière Quillmere</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Barre d’outils principale</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Ouvrir un fichier Excel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;New Conversion</source>
        <translation>&amp;Nouvelle conversion</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>À propos de Quillmere</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Conversion Steps</source>
        <translation>Étapes de la conversion</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Sélectionner</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Associer les colonnes</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Exporter</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  &amp;Précédent</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Spreadsheet contacts to vCard files in three steps</source>
        <translation>Des contacts de tableur aux fichiers vCard en trois étapes</translation>
    </message>
    <message>
        <source>Read the headers from another row</source>
        <translation>Lire les en-têtes à une autre ligne</translation>
    </message>
    <message>
        <source>Act on the notice</source>
        <translation>Agir sur l’avis</translation>
    </message>
    <message>
        <source>Sen&amp;d to Address Book...</source>
        <translation>Envoyer au carnet &amp;d’adresses...</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Envoyer au carnet d’adresses</translation>
    </message>
    <message>
        <source>Sends the cards to a CardDAV address book (Nextcloud, Radicale and others), updating those sent before; says first what would change.</source>
        <translation>Envoie les fiches à un carnet d’adresses CardDAV (Nextcloud, Radicale et autres), en mettant à jour celles envoyées avant&#xa0;; dit d’abord ce qui changerait.</translation>
    </message>
</context>
<context>
    <name>MapPage</name>
    <message>
        <source>Excel Fields</source>
        <translation>Champs Excel</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>Champs vCard</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>&amp;Match by Name</source>
        <translation>Associer par &amp;nom</translation>
    </message>
    <message>
        <source>Match by Name</source>
        <translation>Associer par nom</translation>
    </message>
    <message>
        <source>Pairs every column whose header names a vCard field with that field. Pairs you have made stay as they are.</source>
        <translation>Associe à un champ vCard chaque colonne dont l’en-tête nomme ce champ. Les associations que vous avez faites restent telles quelles.</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Champs associés ( Excel --&gt; vCard )</translation>
    </message>
    <message>
        <source>Selected Fields, Excel to vCard</source>
        <translation>Champs associés, d’Excel vers vCard</translation>
    </message>
    <message>
        <source>More &amp;Fields</source>
        <translation>Plus de &amp;champs</translation>
    </message>
    <message>
        <source>More Fields</source>
        <translation>Plus de champs</translation>
    </message>
    <message>
        <source>Written only when step 3&apos;s &quot;Import into&quot; names where the cards go; &quot;Any app&quot; leaves it out.</source>
        <translation>Écrit seulement quand « Importer dans » de l&apos;étape 3 nomme la destination ; « Toute application » l&apos;omet.</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>Offers Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage and Photo after the other fields.</source>
        <translation>Propose Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage et Photo après les autres champs.</translation>
    </message>
</context>
<context>
    <name>MapStep</name>
    <message>
        <source>%1 of %2 column matched by name</source>
        <translation>Colonne associée par nom&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2 columns matched by name</source>
        <translation>Colonnes associées par nom&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Veuillez sélectionner le champ vCard.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Veuillez sélectionner le champ Excel.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Sélectionnez l’élément parmi les champs associés.</translation>
    </message>
</context>
<context>
    <name>QtText</name>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>« %1 » est introuvable.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened or read.</source>
        <translation>« %1 » n&apos;a pas pu être ouvert ou lu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>« %1 » est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password. Save it without one and load it again.</source>
        <translation>« %1 » est protégé par un mot de passe. Enregistrez-le sans mot de passe et chargez-le à nouveau.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a format Quillmere does not read. Save it as .xlsx, .xls, .ods or .csv and load it again.</source>
        <translation>« %1 » est dans un format que Quillmere ne lit pas. Enregistrez-le en .xlsx, .xls, .ods ou .csv et chargez-le à nouveau.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>« %1 » est endommagé et ne peut pas être lu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no worksheet.</source>
        <translation>« %1 » ne contient aucune feuille de calcul.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than Quillmere reads: it passes one of the limits that keep a damaged or hostile file from filling the memory.</source>
        <translation>« %1 » dépasse ce que Quillmere lit : il franchit l&apos;une des limites qui empêchent un fichier endommagé ou malveillant de remplir la mémoire.</translation>
    </message>
    <message>
        <source>(Part %1, row %2.)</source>
        <translation>(Partie %1, ligne %2.)</translation>
    </message>
    <message>
        <source>(Part %1.)</source>
        <translation>(Partie %1.)</translation>
    </message>
    <message>
        <source>(Row %1.)</source>
        <translation>(Ligne %1.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its row %2 of column headers is gone.</source>
        <translation>« %1 » a changé depuis son chargement : sa ligne %2 d&apos;en-têtes de colonnes a disparu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its column headers in row %2 are not the ones that were mapped.</source>
        <translation>« %1 » a changé depuis son chargement : ses en-têtes de colonnes de la ligne %2 ne sont plus ceux qui ont été associés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: fewer rows of contacts were found in it than were counted then.</source>
        <translation>« %1 » a changé depuis son chargement : il contient moins de lignes de contacts qu&apos;on en avait comptées.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the readers&apos; refusals itself in any language but English.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>Select Excel File :</source>
        <translation>Fichier Excel&#xa0;:</translation>
    </message>
    <message>
        <source>Select Excel File</source>
        <translation>Sélectionner un fichier Excel</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 Files (*.xlsx) &amp; CSV Files (*.csv)</source>
        <translation>Prend en charge les fichiers Excel 2003 (*.xls), Excel 2007, 2010, 2013 (*.xlsx) et CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Aperçu du fichier</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Feuille</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Feuille&#xa0;:</translation>
    </message>
    <message>
        <source>Headers in row</source>
        <translation>En-têtes à la ligne</translation>
    </message>
    <message>
        <source>Headers in &amp;row:</source>
        <translation>Ligne d’en-&amp;tête&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SelectStep</name>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (masquée)</translation>
    </message>
    <message>
        <source>Sheet: %1</source>
        <translation>Feuille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Row 1 looks like a title: the headers seem to be in row %1.</source>
        <translation>La ligne 1 ressemble à un titre&#xa0;: les en-têtes semblent être à la ligne %1.</translation>
    </message>
    <message>
        <source>R&amp;ead the headers from row %1</source>
        <translation>Lir&amp;e les en-têtes à la ligne %1</translation>
    </message>
    <message>
        <source>R&amp;ead them too, headed by their letters</source>
        <translation>L&amp;es lire aussi, nommées par leur lettre</translation>
    </message>
</context>
<context>
    <name>SinkErrorText</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>votre quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the file would grow too large for this disk or this system</source>
        <translation>le fichier deviendrait trop grand pour ce disque ou ce système</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>vous n&apos;avez pas le droit d&apos;y écrire</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the folder does not exist (any more)</source>
        <translation>le dossier n&apos;existe pas (ou plus)</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>le chemin est trop long</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>a folder of that name is there</source>
        <translation>un dossier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the sink&apos;s failures itself in any language but English.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>The card is %1 KB, more than the %2 KB %3 takes for one contact; shorten its notes.</source>
        <translation>La carte fait %1 Ko, plus que les %2 Ko que %3 accepte pour un contact ; raccourcissez ses notes.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: %2.</source>
        <translation>Le dossier « %1 » n&apos;a pas pu être créé : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2.</source>
        <translation>« %1 » n&apos;a pas pu être créé : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>« %1 » n&apos;a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved completely: %2.</source>
        <translation>« %1 » n&apos;a pas pu être enregistré entièrement : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds every contact but could not be given its final name: %2.</source>
        <translation>« %1 » contient tous les contacts mais n&apos;a pas pu recevoir son nom définitif : %2.</translation>
    </message>
</context>
<context>
    <name>UploadPlan</name>
    <message>
        <source>%1 new, %2 to update, %3 unchanged</source>
        <translation>%1 nouveaux, %2 à mettre à jour, %3 inchangés</translation>
    </message>
</context>
<context>
    <name>UploadReport</name>
    <message>
        <source>%1 created, %2 updated, %3 unchanged</source>
        <translation>%1 créés, %2 mis à jour, %3 inchangés</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, %1 refusés</translation>
    </message>
    <message>
        <source>, %1 changed on the server and left as they are there</source>
        <translation>, %1 modifiés sur le serveur et laissés tels quels</translation>
    </message>
    <message>
        <source>, %1 not sent</source>
        <translation>, %1 non envoyés</translation>
    </message>
</context>
<context>
    <name>WizardSteps</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Conver&amp;t</source>
        <translation>Conver&amp;tir</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Notice</source>
        <translation>Remarque</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::KeyringPasswords</name>
    <message>
        <source>The desktop&apos;s keyring did not keep the password: %1</source>
        <translation>Le trousseau du bureau n’a pas gardé le mot de passe : %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>À propos de Quillmere</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmMain</name>
    <message>
        <source>Items Found: %1</source>
        <translation>Éléments trouvés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation>Veuillez associer une colonne Excel à un champ vCard.</translation>
    </message>
    <message>
        <source>The user guide &quot;%1&quot; is missing. Installing Quillmere again puts it back.</source>
        <translation>Le guide de l’utilisateur «&#xa0;%1&#xa0;» est introuvable. Réinstaller Quillmere le remet en place.</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it?</source>
        <translation>Une conversion est en cours. L’arrêter&#xa0;?</translation>
    </message>
    <message>
        <source>Convert Excel Contacts to vCard Files</source>
        <translation>Convertir des contacts Excel en fichiers vCard</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Veuillez choisir un emplacement d’enregistrement</translation>
    </message>
    <message>
        <source>The conversion was stopped. %1 of %2 contacts were written to &quot;%3&quot;.</source>
        <translation>La conversion a été arrêtée. Contacts écrits dans «&#xa0;%3&#xa0;»&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>Les contacts ont été exportés avec succès dans des fichiers vCard.</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Voulez-vous ouvrir le dossier qui les contient&#xa0;? Cliquez sur Oui, sinon sur Non.</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>The reason: %1</source>
        <translation>Motif&#xa0;: %1</translation>
    </message>
    <message>
        <source>No contact was written to &quot;%1&quot;.</source>
        <translation>Aucun contact n’a été écrit dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No contact was written.</source>
        <translation>Aucun contact n’a été écrit.</translation>
    </message>
    <message>
        <source>Choose another saving location with Change... and convert again.</source>
        <translation>Choisissez un autre emplacement avec Modifier... et convertissez de nouveau.</translation>
    </message>
    <message>
        <source>Not every contact could be exported.</source>
        <translation>Certains contacts n’ont pas pu être exportés.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts were written to &quot;%3&quot;; %4 were not.</source>
        <translation>Contacts écrits dans «&#xa0;%3&#xa0;»&#xa0;: %1 sur %2&#xa0;; non écrits&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Would you like to open the folder with the contacts that were written? Click Yes to open it, or No to choose another saving location with Change... and convert again.</source>
        <translation>Voulez-vous ouvrir le dossier des contacts écrits&#xa0;? Cliquez sur Oui pour l’ouvrir, ou sur Non pour choisir un autre emplacement avec Modifier... et convertir de nouveau.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Rapport enregistré sous %1</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.xls *.ods *.csv)</source>
        <translation>Feuilles de calcul (*.xlsx *.xls *.ods *.csv)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is a text file, not an Excel workbook: it was read as text</source>
        <translation>%1 est un fichier texte, pas un classeur Excel&#xa0;: il a été lu comme du texte</translation>
    </message>
    <message>
        <source>All %1 contacts were written to &quot;%2&quot;, but the cards of %3 read back otherwise than their rows; Save Report... lists them.</source>
        <translation>Les %1 contacts ont été écrits dans « %2 », mais les fiches de %3 se relisent autrement que leurs lignes ; Enregistrer le rapport... les liste.</translation>
    </message>
    <message>
        <source>The first: %1</source>
        <translation>La première : %1</translation>
    </message>
    <message>
        <source>Would you like to open the folder? Click Yes to open it, or No to stay here.</source>
        <translation>Voulez-vous ouvrir le dossier ? Cliquez sur Oui pour l&apos;ouvrir, ou sur Non pour rester ici.</translation>
    </message>
    <message>
        <source>No program to show the user guide was found. Open &quot;%1&quot; with a web browser.</source>
        <translation>Aucun programme pour afficher le guide n’a été trouvé. Ouvrez «&#xa0;%1&#xa0;» avec un navigateur web.</translation>
    </message>
    <message>
        <source>Photos written: %1; left out: %2.</source>
        <translation>Photos écrites&#xa0;: %1&#xa0;; laissées de côté&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmPreview</name>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Précédente</translation>
    </message>
    <message>
        <source>Previous Row</source>
        <translation>Ligne précédente</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivante &gt;</translation>
    </message>
    <message>
        <source>Next Row</source>
        <translation>Ligne suivante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Card Preview</source>
        <translation>Aperçu de la carte</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>No rows of contacts</source>
        <translation>Aucune ligne de contact</translation>
    </message>
    <message>
        <source>The sheet has no rows of contacts below its header row.</source>
        <translation>La feuille n’a aucune ligne de contact sous sa ligne d’en-têtes.</translation>
    </message>
    <message>
        <source>Row %1 (%2 of %3)</source>
        <translation>Ligne %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>This row would not be converted: an e-mail address in it holds only spaces, and &quot;Allow Empty Email Addresses to be Imported&quot; is not ticked.</source>
        <translation>Cette ligne ne serait pas convertie&#xa0;: une de ses adresses e-mail ne contient que des espaces, et l’option «&#xa0;Autoriser l’import des adresses e-mail vides&#xa0;» n’est pas cochée.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>The card cannot be shown</source>
        <translation>La carte ne peut pas être affichée</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Pas de photo</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmSendToAddressBook</name>
    <message>
        <source>Server or address book</source>
        <translation>Serveur ou carnet d’adresses</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Allow &amp;unencrypted HTTP to another computer</source>
        <translation>Autoriser le HTTP &amp;non chiffré vers un autre ordinateur</translation>
    </message>
    <message>
        <source>Allow unencrypted HTTP to another computer</source>
        <translation>Autoriser le HTTP non chiffré vers un autre ordinateur</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Trouver les carnets d’adresses</translation>
    </message>
    <message>
        <source>Find Address Books</source>
        <translation>Trouver les carnets d’adresses</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Carnet d’adresses</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Cards sent</source>
        <translation>Fiches envoyées</translation>
    </message>
    <message>
        <source>S&amp;end</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Envoyer au carnet d’adresses</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d’utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>&amp;Carnet d’adresses&#xa0;:</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Recherche des carnets d’adresses sur %1...</translation>
    </message>
    <message>
        <source>Reading the address book&apos;s cards...</source>
        <translation>Lecture des fiches du carnet d’adresses...</translation>
    </message>
    <message>
        <source>%1. Nothing is sent until you press Send; nothing on the server is deleted.</source>
        <translation>%1. Rien n’est envoyé avant que vous appuyiez sur Envoyer&#xa0;; rien n’est supprimé sur le serveur.</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Envoi...</translation>
    </message>
    <message>
        <source>Sent: %1.</source>
        <translation>Envoyé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cards to send: %1. Give the server and your account, then find the address book.</source>
        <translation>Fiches à envoyer&#xa0;: %1. Indiquez le serveur et votre compte, puis trouvez le carnet d’adresses.</translation>
    </message>
    <message>
        <source>Address books found: %1. Check shows what sending would change.</source>
        <translation>Carnets d’adresses trouvés&#xa0;: %1. Vérifier montre ce que l’envoi changerait.</translation>
    </message>
    <message>
        <source>Photos sent: %1; left out: %2.</source>
        <translation>Photos envoyées&#xa0;: %1&#xa0;; laissées de côté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>First left out: row %1, %2.</source>
        <translation>Première laissée de côté&#xa0;: ligne %1, %2.</translation>
    </message>
    <message>
        <source>&amp;Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>&amp;Faire confiance au certificat de ce serveur avec l’empreinte affichée</translation>
    </message>
    <message>
        <source>Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Faire confiance au certificat de ce serveur avec l’empreinte affichée</translation>
    </message>
    <message>
        <source>If it is, tick &quot;%1&quot; and find the address books again.</source>
        <translation>Si c’est le cas, cochez « %1 » et cherchez de nouveau les carnets d’adresses.</translation>
    </message>
    <message>
        <source>&amp;Remember the password</source>
        <translation>Mémo&amp;riser le mot de passe</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report...</source>
        <translation>Enregistrer le rapp&amp;ort...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Address book report.csv</source>
        <translation>Rapport du carnet d’adresses.csv</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Le rapport n’a pas pu être enregistré sous « %1 » : %2</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Rapport enregistré sous %1</translation>
    </message>
</context>
</TS>
