<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CardDavError</name>
    <message>
        <source>%1 did not accept the user name or password. Check both; accounts with two-step sign-in need an app password.</source>
        <translation>%1 non ha accettato il nome utente o la password. Controlla entrambi; gli account con verifica in due passaggi richiedono una password per le app.</translation>
    </message>
    <message>
        <source>%1 does not let this user change %2. Choose an address book of this account, or ask the server&apos;s administrator for access.</source>
        <translation>%1 non consente a questo utente di modificare %2. Scegli una rubrica di questo account, o chiedi l’accesso all’amministratore del server.</translation>
    </message>
    <message>
        <source>There is no address book at %1. Check the address, or give just the server&apos;s address to list its address books.</source>
        <translation>Non c’è nessuna rubrica in %1. Controlla l’indirizzo, o indica solo l’indirizzo del server per elencarne le rubriche.</translation>
    </message>
    <message>
        <source>%1 does not take this request at %2, so it is probably not an address book. Give the address book&apos;s own address, or just the server&apos;s.</source>
        <translation>%1 non accetta questa richiesta in %2, quindi probabilmente non è una rubrica. Indica l’indirizzo proprio della rubrica, o solo quello del server.</translation>
    </message>
    <message>
        <source>The card at %1 was changed on the server since it was read, so it was left as the server has it. Check it there, then send again to see what is new.</source>
        <translation>Il contatto in %1 è stato modificato sul server dopo la lettura, quindi è stato lasciato come lo ha il server. Controllalo lì, poi invia di nuovo per vedere le novità.</translation>
    </message>
    <message>
        <source>%1 refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 ha rifiutato il contatto perché troppo grande. Accorcia le note o altri valori lunghi della riga, o chiedi all’amministratore di consentire contatti più grandi.</translation>
    </message>
    <message>
        <source>%1 does not take cards in this form. Convert for &quot;Nextcloud and CardDAV&quot; in vCard 3.0 and send again.</source>
        <translation>%1 non accetta contatti in questa forma. Converti per «Nextcloud e CardDAV» in vCard 3.0 e invia di nuovo.</translation>
    </message>
    <message>
        <source>%1 has no room left for more cards. Free space in the account or ask its administrator for more, then send again: the cards already sent are kept.</source>
        <translation>%1 non ha più spazio per altri contatti. Libera spazio nell’account o chiedine altro all’amministratore, poi invia di nuovo: i contatti già inviati restano.</translation>
    </message>
    <message>
        <source>%1 answered %2 to %3.</source>
        <translation>%1 ha risposto %2 a %3.</translation>
    </message>
    <message>
        <source> It said: &quot;%1&quot;.</source>
        <translation> Ha detto: «%1».</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check the connection and the address, then try again.</source>
        <translation>%1 non ha risposto entro %2 secondi. Controlla la connessione e l’indirizzo, poi riprova.</translation>
    </message>
    <message>
        <source>%1 is a plain http:// address: the password and the contacts would cross the network unencrypted. Use https://, or allow unencrypted connections if the server is on your own network.</source>
        <translation>%1 è un indirizzo http:// non cifrato: la password e i contatti attraverserebbero la rete in chiaro. Usa https://, o consenti le connessioni non cifrate se il server è nella tua rete.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified: %2 Its SHA-256 fingerprint is %3. Trust it only if the server&apos;s administrator confirms this fingerprint.</source>
        <translation>Non è stato possibile verificare il certificato di %1: %2 La sua impronta SHA-256 è %3. Fidati solo se l’amministratore del server conferma questa impronta.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check the address and the connection.</source>
        <translation>Impossibile raggiungere %1: %2. Controlla l’indirizzo e la connessione.</translation>
    </message>
    <message>
        <source>%1 closed the connection twice while this card (%2 KB) was being sent, yet answers other requests: it probably refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 ha chiuso la connessione due volte durante l’invio di questo contatto (%2 KB), ma risponde ad altre richieste: probabilmente ha rifiutato il contatto perché troppo grande. Accorcia le note o altri valori lunghi della riga, o chiedi all’amministratore di consentire contatti più grandi.</translation>
    </message>
    <message>
        <source>%1 answers, but holds no address book for this user. Create one on the server, or give the address book&apos;s own address.</source>
        <translation>%1 risponde, ma non ha nessuna rubrica per questo utente. Creane una sul server, o indica l’indirizzo proprio della rubrica.</translation>
    </message>
    <message>
        <source>%1 is not answering as a CardDAV server does (%2). Check that the address is the server&apos;s CardDAV address.</source>
        <translation>%1 non risponde come fa un server CardDAV (%2). Controlla che l’indirizzo sia l’indirizzo CardDAV del server.</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> Il server ha detto: «%1».</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Separator</source>
        <translation>Separatore</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Load it again with Browse... and check the mapping.</source>
        <translation>Caricala di nuovo con Sfoglia... e controlla l’associazione.</translation>
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
        <translation>%1 e altre %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>dates not read: %1</source>
        <translation>date non lette: %1</translation>
    </message>
    <message>
        <source>values without a free field: %1</source>
        <translation>valori senza campo libero: %1</translation>
    </message>
    <message>
        <source>photos: %1</source>
        <translation>foto: %1</translation>
    </message>
    <message>
        <source>rows without an e-mail address: %1</source>
        <translation>righe senza indirizzo e-mail: %1</translation>
    </message>
    <message>
        <source>cards that read back otherwise: %1</source>
        <translation>schede rilette diversamente: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Tralasciato: %1.</translation>
    </message>
    <message>
        <source>List them in a &amp;report</source>
        <translation>Elencali in un &amp;rapporto</translation>
    </message>
    <message>
        <source>Column %1 holds data but goes nowhere.</source>
        <translation>La colonna %1 contiene dati che non vanno da nessuna parte.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but go nowhere.</source>
        <translation>Le colonne %1 contengono dati che non vanno da nessuna parte.</translation>
    </message>
    <message>
        <source>&amp;Back to the pairs</source>
        <translation>&amp;Torna alle associazioni</translation>
    </message>
    <message>
        <source>Column %1 shows other digits than it stores: tick &quot;%2&quot; to write them as shown.</source>
        <translation>La colonna %1 mostra cifre diverse da quelle che memorizza: spunta «%2» per scriverle come mostrate.</translation>
    </message>
    <message>
        <source>Columns %1 show other digits than they store: tick &quot;%2&quot; to write them as shown.</source>
        <translation>Le colonne %1 mostrano cifre diverse da quelle che memorizzano: spunta «%2» per scriverle come mostrate.</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Consenti l’importazione di indirizzi e-mail vuoti</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Un unico file vCard</translation>
    </message>
    <message>
        <source>Keep Numbers as Shown in the Sheet</source>
        <translation>Mantieni i numeri come mostrati</translation>
    </message>
    <message>
        <source>Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) rather than as stored (1512345678).</source>
        <translation>Prende numeri di telefono, CAP e date come li mostra il foglio (0151 2345678) anziché come sono memorizzati (1512345678).</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(di norma un file vCard per contatto)</translation>
    </message>
    <message>
        <source>By default separate vCards are saved for every contact</source>
        <translation>Per impostazione predefinita viene salvata una vCard separata per ogni contatto</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard versione 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard versione 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard versione 4.0</translation>
    </message>
    <message>
        <source>vCard 2.1 suits older phones and some desktop mail programs. CardDAV servers refuse it.</source>
        <translation>vCard 2.1 è adatta ai telefoni meno recenti e ad alcuni programmi di posta per desktop. I server CardDAV la rifiutano.</translation>
    </message>
    <message>
        <source>vCard 3.0 suits most address books and both phone platforms, Android and iPhone.</source>
        <translation>vCard 3.0 è adatta alla maggior parte delle rubriche e a entrambe le piattaforme per telefoni, Android e iPhone.</translation>
    </message>
    <message>
        <source>vCard 4.0 suits the newest apps. The stock Android contacts app refuses it.</source>
        <translation>vCard 4.0 è adatta alle app più recenti. L’app Contatti predefinita di Android la rifiuta.</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Contatti senza e-mail                          :</translation>
    </message>
    <message>
        <source>Number of Empty Email Contacts</source>
        <translation>Numero di contatti senza e-mail</translation>
    </message>
    <message>
        <source>Empty Email Contacts Count</source>
        <translation>Conteggio dei contatti senza e-mail</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Contatti aggiunti                                 :</translation>
    </message>
    <message>
        <source>Number of Contacts Added</source>
        <translation>Numero di contatti aggiunti</translation>
    </message>
    <message>
        <source>Contacts Added Count</source>
        <translation>Conteggio dei contatti aggiunti</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Avanzamento dell’esportazione</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Salva in:</translation>
    </message>
    <message>
        <source>Saving Location</source>
        <translation>Percorso di salvataggio</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Cambia...</translation>
    </message>
    <message>
        <source>Change Saving Location</source>
        <translation>Cambia percorso di salvataggio</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>Ante&amp;prima...</translation>
    </message>
    <message>
        <source>Preview Card</source>
        <translation>Anteprima della scheda</translation>
    </message>
    <message>
        <source>Shows the card a conversion would write for each row, with the mapping and options as they are now.</source>
        <translation>Mostra la scheda che una conversione scriverebbe per ogni riga, con l’associazione e le opzioni attuali.</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Salva rapporto...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>Saves what happened to every row of the last conversion as a CSV file.</source>
        <translation>Salva in un file CSV che cosa è successo a ogni riga dell’ultima conversione.</translation>
    </message>
    <message>
        <source>Write Phone Numbers in International Form</source>
        <translation>Numeri di telefono in formato internazionale</translation>
    </message>
    <message>
        <source>Write Phone Numbers in &amp;International Form</source>
        <translation>Numeri in &amp;formato internazionale</translation>
    </message>
    <message>
        <source>Writes every phone and fax number as +49 151 23456789, reading numbers without a country code as numbers of the country chosen. A number that cannot be read stays as it is, and the report names it.</source>
        <translation>Scrive ogni numero di telefono e fax come +49 151 23456789; i numeri senza prefisso internazionale sono letti come numeri del paese scelto. Un numero che non si può leggere resta com&apos;è e il rapporto lo indica.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>Na&amp;zione:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Nazione</translation>
    </message>
    <message>
        <source>Country of the Phone Numbers</source>
        <translation>Nazione dei numeri di telefono</translation>
    </message>
    <message>
        <source>Any app</source>
        <translation>Qualsiasi app</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>iPhone and iCloud</source>
        <translation>iPhone e iCloud</translation>
    </message>
    <message>
        <source>Google Contacts</source>
        <translation>Google Contatti</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Nextcloud and CardDAV</source>
        <translation>Nextcloud e CardDAV</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Thunderbird</translation>
    </message>
    <message>
        <source>Imp&amp;ort into:</source>
        <translation>Imp&amp;orta in:</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importa in</translation>
    </message>
    <message>
        <source>Choosing where you will import the cards sets the vCard version and file mode that place reads best, and writes the forms it needs. You may still change the version and file mode afterwards. &quot;Any app&quot; writes the plain layout.</source>
        <translation>Scegliere dove importerai le schede imposta la versione vCard e la modalità dei file che quella destinazione legge meglio, e scrive le forme di cui ha bisogno. Puoi ancora cambiare versione e modalità dei file in seguito. «Qualsiasi app» scrive il formato semplice.</translation>
    </message>
    <message>
        <source>Per fi&amp;le:</source>
        <translation>Per fi&amp;le:</translation>
    </message>
    <message>
        <source>Contacts per file</source>
        <translation>Contatti per file</translation>
    </message>
    <message>
        <source>At most this many contacts per file</source>
        <translation>Al massimo tanti contatti per file</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>With a single vCard file, puts at most this many contacts into each file: All Contacts 1.vcf, All Contacts 2.vcf, and so on.</source>
        <translation>Con un unico file vCard, mette al massimo tanti contatti in ogni file: All Contacts 1.vcf, All Contacts 2.vcf e così via.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ExportStep</name>
    <message>
        <source>%1: vCard %2, %3.</source>
        <translation>%1: vCard %2, %3.</translation>
    </message>
    <message>
        <source>one file</source>
        <translation>un file</translation>
    </message>
    <message>
        <source>a file per contact</source>
        <translation>un file per contatto</translation>
    </message>
</context>
<context>
    <name>LoadNotice</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e altre %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Column %1 holds data but is not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read it.</source>
        <translation>La colonna %1 contiene dati ma non viene letta: le intestazioni finiscono alla prima cella vuota della riga %2, %3. Completare le intestazioni mancanti per leggerla.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but are not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read them.</source>
        <translation>Le colonne %1 contengono dati ma non vengono lette: le intestazioni finiscono alla prima cella vuota della riga %2, %3. Completare le intestazioni mancanti per leggerle.</translation>
    </message>
    <message>
        <source>Row %1 holds data but is not read: five empty rows in a row end the list of contacts. Remove the empty rows to read it.</source>
        <translation>La riga %1 contiene dati ma non viene letta: cinque righe vuote consecutive terminano l&apos;elenco dei contatti. Rimuovere le righe vuote per leggerla.</translation>
    </message>
    <message>
        <source>%1 rows (%2 to %3) hold data but are not read: five empty rows in a row end the list of contacts. Remove the empty rows to read them.</source>
        <translation>%1 righe (da %2 a %3) contengono dati ma non vengono lette: cinque righe vuote consecutive terminano l&apos;elenco dei contatti. Rimuovere le righe vuote per leggerle.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Quillmere banner</source>
        <translation>Banner di Quillmere</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Barra degli strumenti principale</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Apri file Excel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;New Conversion</source>
        <translation>&amp;Nuova conversione</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Informazioni su Quillmere</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Conversion Steps</source>
        <translation>Passaggi della conversione</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Seleziona</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Associa colonne</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Esporta</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  &amp;Indietro</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Avanti &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Spreadsheet contacts to vCard files in three steps</source>
        <translation>Contatti da fogli di calcolo a file vCard in tre passi</translation>
    </message>
    <message>
        <source>Read the headers from another row</source>
        <translation>Leggi le intestazioni da un&apos;altra riga</translation>
    </message>
    <message>
        <source>Act on the notice</source>
        <translation>Agisci sull’avviso</translation>
    </message>
    <message>
        <source>Sen&amp;d to Address Book...</source>
        <translation>Invia alla rubrica in&amp;dirizzi...</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Invia alla rubrica indirizzi</translation>
    </message>
    <message>
        <source>Sends the cards to a CardDAV address book (Nextcloud, Radicale and others), updating those sent before; says first what would change.</source>
        <translation>Invia le schede a una rubrica CardDAV (Nextcloud, Radicale e altre), aggiornando quelle inviate prima; dice prima cosa cambierebbe.</translation>
    </message>
</context>
<context>
    <name>MapPage</name>
    <message>
        <source>Excel Fields</source>
        <translation>Campi Excel</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>Campi vCard</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Match by Name</source>
        <translation>Associa per &amp;nome</translation>
    </message>
    <message>
        <source>Match by Name</source>
        <translation>Associa per nome</translation>
    </message>
    <message>
        <source>Pairs every column whose header names a vCard field with that field. Pairs you have made stay as they are.</source>
        <translation>Associa ogni colonna la cui intestazione nomina un campo vCard a quel campo. Le coppie che hai creato restano come sono.</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Campi associati ( Excel --&gt; vCard )</translation>
    </message>
    <message>
        <source>Selected Fields, Excel to vCard</source>
        <translation>Campi associati, da Excel a vCard</translation>
    </message>
    <message>
        <source>More &amp;Fields</source>
        <translation>Altri &amp;campi</translation>
    </message>
    <message>
        <source>More Fields</source>
        <translation>Altri campi</translation>
    </message>
    <message>
        <source>Written only when step 3&apos;s &quot;Import into&quot; names where the cards go; &quot;Any app&quot; leaves it out.</source>
        <translation>Scritto solo quando «Importa in» del passo 3 indica la destinazione; «Qualsiasi app» lo omette.</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Offers Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage and Photo after the other fields.</source>
        <translation>Offre Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage e Photo dopo gli altri campi.</translation>
    </message>
</context>
<context>
    <name>MapStep</name>
    <message>
        <source>%1 of %2 column matched by name</source>
        <translation>Colonne associate per nome: %1 su %2</translation>
    </message>
    <message>
        <source>%1 of %2 columns matched by name</source>
        <translation>Colonne associate per nome: %1 su %2</translation>
    </message>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Seleziona il campo vCard.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Seleziona il campo Excel.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Seleziona l’elemento tra i campi associati.</translation>
    </message>
</context>
<context>
    <name>QtText</name>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>«%1» non è stato trovato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened or read.</source>
        <translation>Impossibile aprire o leggere «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>«%1» è vuoto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password. Save it without one and load it again.</source>
        <translation>«%1» è protetto da una password. Salvalo senza password e caricalo di nuovo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a format Quillmere does not read. Save it as .xlsx, .xls, .ods or .csv and load it again.</source>
        <translation>«%1» è in un formato che Quillmere non legge. Salvalo come .xlsx, .xls, .ods o .csv e caricalo di nuovo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>«%1» è danneggiato e non può essere letto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no worksheet.</source>
        <translation>«%1» non contiene alcun foglio di lavoro.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than Quillmere reads: it passes one of the limits that keep a damaged or hostile file from filling the memory.</source>
        <translation>«%1» è più grande di quanto Quillmere legga: supera uno dei limiti che impediscono a un file danneggiato o ostile di riempire la memoria.</translation>
    </message>
    <message>
        <source>(Part %1, row %2.)</source>
        <translation>(Parte %1, riga %2.)</translation>
    </message>
    <message>
        <source>(Part %1.)</source>
        <translation>(Parte %1.)</translation>
    </message>
    <message>
        <source>(Row %1.)</source>
        <translation>(Riga %1.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its row %2 of column headers is gone.</source>
        <translation>«%1» è cambiato dal caricamento: la sua riga %2 di intestazioni di colonna non c&apos;è più.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its column headers in row %2 are not the ones that were mapped.</source>
        <translation>«%1» è cambiato dal caricamento: le intestazioni di colonna nella riga %2 non sono quelle abbinate.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: fewer rows of contacts were found in it than were counted then.</source>
        <translation>«%1» è cambiato dal caricamento: contiene meno righe di contatti di quante ne erano state contate.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the readers&apos; refusals itself in any language but English.</extracomment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>Select Excel File :</source>
        <translation>File Excel:</translation>
    </message>
    <message>
        <source>Select Excel File</source>
        <translation>Seleziona file Excel</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 Files (*.xlsx) &amp; CSV Files (*.csv)</source>
        <translation>Supporta file di Excel 2003 (*.xls), Excel 2007, 2010, 2013 (*.xlsx) e CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Anteprima del file</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Foglio</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Foglio:</translation>
    </message>
    <message>
        <source>Headers in row</source>
        <translation>Intestazioni nella riga</translation>
    </message>
    <message>
        <source>Headers in &amp;row:</source>
        <translation>&amp;Riga intestazioni:</translation>
    </message>
</context>
<context>
    <name>SelectStep</name>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (nascosto)</translation>
    </message>
    <message>
        <source>Sheet: %1</source>
        <translation>Foglio: %1</translation>
    </message>
    <message>
        <source>Row 1 looks like a title: the headers seem to be in row %1.</source>
        <translation>La riga 1 sembra un titolo: le intestazioni sembrano essere nella riga %1.</translation>
    </message>
    <message>
        <source>R&amp;ead the headers from row %1</source>
        <translation>L&amp;eggi le intestazioni dalla riga %1</translation>
    </message>
    <message>
        <source>R&amp;ead them too, headed by their letters</source>
        <translation>L&amp;eggi anche quelle, con la loro lettera come nome</translation>
    </message>
</context>
<context>
    <name>SinkErrorText</name>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>la quota del disco è esaurita</translation>
    </message>
    <message>
        <source>the file would grow too large for this disk or this system</source>
        <translation>il file diventerebbe troppo grande per questo disco o questo sistema</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>non ha il permesso di scrivere lì</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>the folder does not exist (any more)</source>
        <translation>la cartella non esiste (più)</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>il percorso è troppo lungo</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>il disco ha segnalato un errore</translation>
    </message>
    <message>
        <source>a folder of that name is there</source>
        <translation>esiste già una cartella con quel nome</translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation>esiste già un file con quel nome</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the sink&apos;s failures itself in any language but English.</extracomment>
        <translation>it</translation>
    </message>
    <message>
        <source>The card is %1 KB, more than the %2 KB %3 takes for one contact; shorten its notes.</source>
        <translation>La scheda è di %1 KB, più dei %2 KB che %3 accetta per un contatto; accorciane le note.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: %2.</source>
        <translation>Impossibile creare la cartella «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2.</source>
        <translation>Impossibile creare «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>Impossibile scrivere «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved completely: %2.</source>
        <translation>Impossibile salvare completamente «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds every contact but could not be given its final name: %2.</source>
        <translation>«%1» contiene tutti i contatti ma non è stato possibile dargli il nome definitivo: %2.</translation>
    </message>
</context>
<context>
    <name>UploadPlan</name>
    <message>
        <source>%1 new, %2 to update, %3 unchanged</source>
        <translation>%1 nuovi, %2 da aggiornare, %3 invariati</translation>
    </message>
</context>
<context>
    <name>UploadReport</name>
    <message>
        <source>%1 created, %2 updated, %3 unchanged</source>
        <translation>%1 creati, %2 aggiornati, %3 invariati</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, %1 rifiutati</translation>
    </message>
    <message>
        <source>, %1 changed on the server and left as they are there</source>
        <translation>, %1 modificati sul server e lasciati come sono lì</translation>
    </message>
    <message>
        <source>, %1 not sent</source>
        <translation>, %1 non inviati</translation>
    </message>
</context>
<context>
    <name>WizardSteps</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Avanti &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Conver&amp;t</source>
        <translation>Conver&amp;ti</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::KeyringPasswords</name>
    <message>
        <source>The desktop&apos;s keyring did not keep the password: %1</source>
        <translation>Il portachiavi del desktop non ha conservato la password: %1</translation>
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
        <translation>Informazioni su Quillmere</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmMain</name>
    <message>
        <source>Items Found: %1</source>
        <translation>Elementi trovati: %1</translation>
    </message>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation>Associa una colonna Excel a un campo vCard.</translation>
    </message>
    <message>
        <source>The user guide &quot;%1&quot; is missing. Installing Quillmere again puts it back.</source>
        <translation>La guida utente «%1» non c’è. Reinstallando Quillmere verrà ripristinata.</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it?</source>
        <translation>È in corso una conversione. Interromperla?</translation>
    </message>
    <message>
        <source>Convert Excel Contacts to vCard Files</source>
        <translation>Converti contatti Excel in file vCard</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Scegli un percorso di salvataggio</translation>
    </message>
    <message>
        <source>The conversion was stopped. %1 of %2 contacts were written to &quot;%3&quot;.</source>
        <translation>La conversione è stata interrotta. Contatti scritti in «%3»: %1 su %2.</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>I contatti sono stati esportati correttamente in file vCard.</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Vuoi aprire la cartella che li contiene? Fai clic su Sì, altrimenti su No.</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Apri cartella di destinazione</translation>
    </message>
    <message>
        <source>The reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>No contact was written to &quot;%1&quot;.</source>
        <translation>Nessun contatto è stato scritto in «%1».</translation>
    </message>
    <message>
        <source>No contact was written.</source>
        <translation>Nessun contatto è stato scritto.</translation>
    </message>
    <message>
        <source>Choose another saving location with Change... and convert again.</source>
        <translation>Scegli un altro percorso con Cambia... e converti di nuovo.</translation>
    </message>
    <message>
        <source>Not every contact could be exported.</source>
        <translation>Non è stato possibile esportare tutti i contatti.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts were written to &quot;%3&quot;; %4 were not.</source>
        <translation>Contatti scritti in «%3»: %1 su %2; non scritti: %4.</translation>
    </message>
    <message>
        <source>Would you like to open the folder with the contacts that were written? Click Yes to open it, or No to choose another saving location with Change... and convert again.</source>
        <translation>Vuoi aprire la cartella con i contatti scritti? Fai clic su Sì per aprirla o su No per scegliere un altro percorso con Cambia... e convertire di nuovo.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Rapporto salvato come %1</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.xls *.ods *.csv)</source>
        <translation>Fogli di calcolo (*.xlsx *.xls *.ods *.csv)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>Impossibile leggere «%1»: %2</translation>
    </message>
    <message>
        <source>%1 is a text file, not an Excel workbook: it was read as text</source>
        <translation>%1 è un file di testo, non una cartella di lavoro Excel: è stato letto come testo</translation>
    </message>
    <message>
        <source>All %1 contacts were written to &quot;%2&quot;, but the cards of %3 read back otherwise than their rows; Save Report... lists them.</source>
        <translation>Tutti i %1 contatti sono stati scritti in «%2», ma le schede di %3 si rileggono diversamente dalle loro righe; Salva rapporto... le elenca.</translation>
    </message>
    <message>
        <source>The first: %1</source>
        <translation>La prima: %1</translation>
    </message>
    <message>
        <source>Would you like to open the folder? Click Yes to open it, or No to stay here.</source>
        <translation>Vuoi aprire la cartella? Fai clic su Sì per aprirla o su No per restare qui.</translation>
    </message>
    <message>
        <source>No program to show the user guide was found. Open &quot;%1&quot; with a web browser.</source>
        <translation>Nessun programma per mostrare la guida è stato trovato. Apri «%1» con un browser web.</translation>
    </message>
    <message>
        <source>Photos written: %1; left out: %2.</source>
        <translation>Foto scritte: %1; tralasciate: %2.</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmPreview</name>
    <message>
        <source>Row</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Precedente</translation>
    </message>
    <message>
        <source>Previous Row</source>
        <translation>Riga precedente</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Successiva &gt;</translation>
    </message>
    <message>
        <source>Next Row</source>
        <translation>Riga successiva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Card Preview</source>
        <translation>Anteprima della scheda</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>No rows of contacts</source>
        <translation>Nessuna riga di contatti</translation>
    </message>
    <message>
        <source>The sheet has no rows of contacts below its header row.</source>
        <translation>Il foglio non ha righe di contatti sotto la riga delle intestazioni.</translation>
    </message>
    <message>
        <source>Row %1 (%2 of %3)</source>
        <translation>Riga %1 (%2 di %3)</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Nessun file</translation>
    </message>
    <message>
        <source>This row would not be converted: an e-mail address in it holds only spaces, and &quot;Allow Empty Email Addresses to be Imported&quot; is not ticked.</source>
        <translation>Questa riga non verrebbe convertita: un suo indirizzo e-mail contiene solo spazi e l’opzione «Consenti l’importazione di indirizzi e-mail vuoti» non è selezionata.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>The card cannot be shown</source>
        <translation>Impossibile mostrare la scheda</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Nessuna foto</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixel</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmSendToAddressBook</name>
    <message>
        <source>Server or address book</source>
        <translation>Server o rubrica</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Allow &amp;unencrypted HTTP to another computer</source>
        <translation>Consenti HTTP non cifrato verso un altro comp&amp;uter</translation>
    </message>
    <message>
        <source>Allow unencrypted HTTP to another computer</source>
        <translation>Consenti HTTP non cifrato verso un altro computer</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Trova le rubriche</translation>
    </message>
    <message>
        <source>Find Address Books</source>
        <translation>Trova le rubriche</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Rubrica</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Verifica</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Cards sent</source>
        <translation>Schede inviate</translation>
    </message>
    <message>
        <source>S&amp;end</source>
        <translation>I&amp;nvia</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Invia alla rubrica indirizzi</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Nome utente:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>&amp;Rubrica:</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Ricerca delle rubriche su %1...</translation>
    </message>
    <message>
        <source>Reading the address book&apos;s cards...</source>
        <translation>Lettura delle schede della rubrica...</translation>
    </message>
    <message>
        <source>%1. Nothing is sent until you press Send; nothing on the server is deleted.</source>
        <translation>%1. Nulla viene inviato finché non premi Invia; nulla viene eliminato dal server.</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Invio in corso...</translation>
    </message>
    <message>
        <source>Sent: %1.</source>
        <translation>Inviato: %1.</translation>
    </message>
    <message>
        <source>Cards to send: %1. Give the server and your account, then find the address book.</source>
        <translation>Schede da inviare: %1. Indica il server e il tuo account, poi trova la rubrica.</translation>
    </message>
    <message>
        <source>Address books found: %1. Check shows what sending would change.</source>
        <translation>Rubriche trovate: %1. Verifica mostra cosa cambierebbe l’invio.</translation>
    </message>
    <message>
        <source>Photos sent: %1; left out: %2.</source>
        <translation>Foto inviate: %1; tralasciate: %2.</translation>
    </message>
    <message>
        <source>First left out: row %1, %2.</source>
        <translation>Prima tralasciata: riga %1, %2.</translation>
    </message>
    <message>
        <source>&amp;Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Fidati del certificato di questo server con l’impronta &amp;mostrata</translation>
    </message>
    <message>
        <source>Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Fidati del certificato di questo server con l’impronta mostrata</translation>
    </message>
    <message>
        <source>If it is, tick &quot;%1&quot; and find the address books again.</source>
        <translation>Se è così, spunta «%1» e cerca di nuovo le rubriche.</translation>
    </message>
    <message>
        <source>&amp;Remember the password</source>
        <translation>Ricor&amp;da la password</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Ricorda la password</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report...</source>
        <translation>Salva rapp&amp;orto...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>Address book report.csv</source>
        <translation>Rapporto della rubrica.csv</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Non è stato possibile salvare il rapporto come «%1»: %2</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Rapporto salvato come %1</translation>
    </message>
</context>
</TS>
