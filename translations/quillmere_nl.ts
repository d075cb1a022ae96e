<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CardDavError</name>
    <message>
        <source>%1 did not accept the user name or password. Check both; accounts with two-step sign-in need an app password.</source>
        <translation>%1 accepteerde de gebruikersnaam of het wachtwoord niet. Controleer beide; accounts met verificatie in twee stappen hebben een app-wachtwoord nodig.</translation>
    </message>
    <message>
        <source>%1 does not let this user change %2. Choose an address book of this account, or ask the server&apos;s administrator for access.</source>
        <translation>%1 laat deze gebruiker %2 niet wijzigen. Kies een adresboek van dit account, of vraag de beheerder van de server om toegang.</translation>
    </message>
    <message>
        <source>There is no address book at %1. Check the address, or give just the server&apos;s address to list its address books.</source>
        <translation>Er is geen adresboek op %1. Controleer het adres, of geef alleen het adres van de server om zijn adresboeken te tonen.</translation>
    </message>
    <message>
        <source>%1 does not take this request at %2, so it is probably not an address book. Give the address book&apos;s own address, or just the server&apos;s.</source>
        <translation>%1 neemt dit verzoek op %2 niet aan, dus het is waarschijnlijk geen adresboek. Geef het eigen adres van het adresboek, of alleen dat van de server.</translation>
    </message>
    <message>
        <source>The card at %1 was changed on the server since it was read, so it was left as the server has it. Check it there, then send again to see what is new.</source>
        <translation>De kaart op %1 is op de server gewijzigd sinds ze gelezen werd en is dus gelaten zoals de server haar heeft. Controleer haar daar en verstuur opnieuw om te zien wat nieuw is.</translation>
    </message>
    <message>
        <source>%1 refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 weigerde de kaart als te groot. Kort de notities of andere lange waarden van de rij in, of vraag de beheerder grotere kaarten toe te staan.</translation>
    </message>
    <message>
        <source>%1 does not take cards in this form. Convert for &quot;Nextcloud and CardDAV&quot; in vCard 3.0 and send again.</source>
        <translation>%1 neemt geen kaarten in deze vorm aan. Converteer voor „Nextcloud en CardDAV” in vCard 3.0 en verstuur opnieuw.</translation>
    </message>
    <message>
        <source>%1 has no room left for more cards. Free space in the account or ask its administrator for more, then send again: the cards already sent are kept.</source>
        <translation>%1 heeft geen ruimte meer voor kaarten. Maak ruimte vrij in het account of vraag de beheerder om meer, en verstuur dan opnieuw: de al verstuurde kaarten blijven bewaard.</translation>
    </message>
    <message>
        <source>%1 answered %2 to %3.</source>
        <translation>%1 antwoordde %2 op %3.</translation>
    </message>
    <message>
        <source> It said: &quot;%1&quot;.</source>
        <translation> Hij zei: „%1”.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check the connection and the address, then try again.</source>
        <translation>%1 antwoordde niet binnen %2 seconden. Controleer de verbinding en het adres en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 is a plain http:// address: the password and the contacts would cross the network unencrypted. Use https://, or allow unencrypted connections if the server is on your own network.</source>
        <translation>%1 is een onversleuteld http://-adres: het wachtwoord en de contacten zouden onversleuteld over het netwerk gaan. Gebruik https://, of sta onversleutelde verbindingen toe als de server in uw eigen netwerk staat.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified: %2 Its SHA-256 fingerprint is %3. Trust it only if the server&apos;s administrator confirms this fingerprint.</source>
        <translation>Het certificaat van %1 kon niet worden gecontroleerd: %2 Zijn SHA-256-vingerafdruk is %3. Vertrouw het alleen als de beheerder van de server deze vingerafdruk bevestigt.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check the address and the connection.</source>
        <translation>%1 is niet bereikbaar: %2. Controleer het adres en de verbinding.</translation>
    </message>
    <message>
        <source>%1 closed the connection twice while this card (%2 KB) was being sent, yet answers other requests: it probably refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 verbrak de verbinding twee keer terwijl deze kaart (%2 KB) werd verstuurd, maar beantwoordt andere verzoeken: hij weigerde de kaart waarschijnlijk als te groot. Kort de notities of andere lange waarden van de rij in, of vraag de beheerder grotere kaarten toe te staan.</translation>
    </message>
    <message>
        <source>%1 answers, but holds no address book for this user. Create one on the server, or give the address book&apos;s own address.</source>
        <translation>%1 antwoordt, maar heeft geen adresboek voor deze gebruiker. Maak er een aan op de server, of geef het eigen adres van het adresboek.</translation>
    </message>
    <message>
        <source>%1 is not answering as a CardDAV server does (%2). Check that the address is the server&apos;s CardDAV address.</source>
        <translation>%1 antwoordt niet zoals een CardDAV-server doet (%2). Controleer of het adres het CardDAV-adres van de server is.</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> De server zei: „%1”.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Separator</source>
        <translation>Scheidingslijn</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Load it again with Browse... and check the mapping.</source>
        <translation>Laad de werkmap opnieuw met Bladeren... en controleer de koppeling.</translation>
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
        <translation>%1 en nog %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>dates not read: %1</source>
        <translation>niet gelezen datums: %1</translation>
    </message>
    <message>
        <source>values without a free field: %1</source>
        <translation>waarden zonder vrij veld: %1</translation>
    </message>
    <message>
        <source>photos: %1</source>
        <translation>foto&apos;s: %1</translation>
    </message>
    <message>
        <source>rows without an e-mail address: %1</source>
        <translation>rijen zonder e-mailadres: %1</translation>
    </message>
    <message>
        <source>cards that read back otherwise: %1</source>
        <translation>kaarten die anders teruglezen: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Weggelaten: %1.</translation>
    </message>
    <message>
        <source>List them in a &amp;report</source>
        <translation>Ze in een &amp;rapport opsommen</translation>
    </message>
    <message>
        <source>Column %1 holds data but goes nowhere.</source>
        <translation>Kolom %1 bevat gegevens die nergens heen gaan.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but go nowhere.</source>
        <translation>De kolommen %1 bevatten gegevens die nergens heen gaan.</translation>
    </message>
    <message>
        <source>&amp;Back to the pairs</source>
        <translation>&amp;Terug naar de koppelingen</translation>
    </message>
    <message>
        <source>Column %1 shows other digits than it stores: tick &quot;%2&quot; to write them as shown.</source>
        <translation>Kolom %1 toont andere cijfers dan hij opslaat: vink “%2” aan om ze te schrijven zoals getoond.</translation>
    </message>
    <message>
        <source>Columns %1 show other digits than they store: tick &quot;%2&quot; to write them as shown.</source>
        <translation>De kolommen %1 tonen andere cijfers dan ze opslaan: vink “%2” aan om ze te schrijven zoals getoond.</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Lege e-mailadressen toestaan bij importeren</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Eén bestand voor alle contacten</translation>
    </message>
    <message>
        <source>Keep Numbers as Shown in the Sheet</source>
        <translation>Getallen overnemen zoals getoond</translation>
    </message>
    <message>
        <source>Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) rather than as stored (1512345678).</source>
        <translation>Neemt telefoonnummers, postcodes en datums over zoals het blad ze toont (0151 2345678) in plaats van zoals ze zijn opgeslagen (1512345678).</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(standaard één vCard-bestand per contact)</translation>
    </message>
    <message>
        <source>By default separate vCards are saved for every contact</source>
        <translation>Standaard wordt voor elk contact een aparte vCard opgeslagen</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard versie 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard versie 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard versie 4.0</translation>
    </message>
    <message>
        <source>vCard 2.1 suits older phones and some desktop mail programs. CardDAV servers refuse it.</source>
        <translation>vCard 2.1 past bij oudere telefoons en sommige e-mailprogramma’s op de desktop. CardDAV-servers weigeren het.</translation>
    </message>
    <message>
        <source>vCard 3.0 suits most address books and both phone platforms, Android and iPhone.</source>
        <translation>vCard 3.0 past bij de meeste adresboeken en bij beide telefoonplatforms, Android en iPhone.</translation>
    </message>
    <message>
        <source>vCard 4.0 suits the newest apps. The stock Android contacts app refuses it.</source>
        <translation>vCard 4.0 past bij de nieuwste apps. De standaard contacten-app van Android weigert het.</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Contacten zonder e-mail                     :</translation>
    </message>
    <message>
        <source>Number of Empty Email Contacts</source>
        <translation>Aantal contacten zonder e-mail</translation>
    </message>
    <message>
        <source>Empty Email Contacts Count</source>
        <translation>Teller contacten zonder e-mail</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Toegevoegde contacten                      :</translation>
    </message>
    <message>
        <source>Number of Contacts Added</source>
        <translation>Aantal toegevoegde contacten</translation>
    </message>
    <message>
        <source>Contacts Added Count</source>
        <translation>Teller toegevoegde contacten</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Voortgang van de export</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Opslaan in:</translation>
    </message>
    <message>
        <source>Saving Location</source>
        <translation>Opslaglocatie</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Wijzigen...</translation>
    </message>
    <message>
        <source>Change Saving Location</source>
        <translation>Opslaglocatie wijzigen</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>Voorbeel&amp;d...</translation>
    </message>
    <message>
        <source>Preview Card</source>
        <translation>Voorbeeld van de kaart</translation>
    </message>
    <message>
        <source>Shows the card a conversion would write for each row, with the mapping and options as they are now.</source>
        <translation>Toont de kaart die een conversie voor elke rij zou schrijven, met de koppeling en opties zoals ze nu zijn.</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>Rapport op&amp;slaan...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Rapport opslaan</translation>
    </message>
    <message>
        <source>Saves what happened to every row of the last conversion as a CSV file.</source>
        <translation>Slaat als CSV-bestand op wat er met elke rij van de laatste conversie is gebeurd.</translation>
    </message>
    <message>
        <source>Write Phone Numbers in International Form</source>
        <translation>Telefoonnummers internationaal schrijven</translation>
    </message>
    <message>
        <source>Write Phone Numbers in &amp;International Form</source>
        <translation>Nummers &amp;internationaal schrijven</translation>
    </message>
    <message>
        <source>Writes every phone and fax number as +49 151 23456789, reading numbers without a country code as numbers of the country chosen. A number that cannot be read stays as it is, and the report names it.</source>
        <translation>Schrijft elk telefoon- en faxnummer als +49 151 23456789; nummers zonder landcode gelden als nummers van het gekozen land. Een nummer dat niet gelezen kan worden, blijft zoals het is en het rapport noemt het.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Country of the Phone Numbers</source>
        <translation>Land van de telefoonnummers</translation>
    </message>
    <message>
        <source>Any app</source>
        <translation>Elke app</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>iPhone and iCloud</source>
        <translation>iPhone en iCloud</translation>
    </message>
    <message>
        <source>Google Contacts</source>
        <translation>Google Contacten</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Nextcloud and CardDAV</source>
        <translation>Nextcloud en CardDAV</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Thunderbird</translation>
    </message>
    <message>
        <source>Imp&amp;ort into:</source>
        <translation>Imp&amp;orteren in:</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importeren in</translation>
    </message>
    <message>
        <source>Choosing where you will import the cards sets the vCard version and file mode that place reads best, and writes the forms it needs. You may still change the version and file mode afterwards. &quot;Any app&quot; writes the plain layout.</source>
        <translation>Kiezen waar u de kaarten importeert, stelt de vCard-versie en bestandsindeling in die die bestemming het best leest, en schrijft de vormen die ze nodig heeft. U kunt versie en bestandsindeling daarna nog wijzigen. &quot;Elke app&quot; schrijft de eenvoudige opmaak.</translation>
    </message>
    <message>
        <source>Per fi&amp;le:</source>
        <translation>Per b&amp;est.:</translation>
    </message>
    <message>
        <source>Contacts per file</source>
        <translation>Contacten per bestand</translation>
    </message>
    <message>
        <source>At most this many contacts per file</source>
        <translation>Hoogstens zoveel contacten per bestand</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>With a single vCard file, puts at most this many contacts into each file: All Contacts 1.vcf, All Contacts 2.vcf, and so on.</source>
        <translation>Met één vCard-bestand komen hoogstens zoveel contacten in elk bestand: All Contacts 1.vcf, All Contacts 2.vcf, enzovoort.</translation>
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
        <translation>één bestand</translation>
    </message>
    <message>
        <source>a file per contact</source>
        <translation>een bestand per contact</translation>
    </message>
</context>
<context>
    <name>LoadNotice</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Column %1 holds data but is not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read it.</source>
        <translation>Kolom %1 bevat gegevens maar wordt niet gelezen: de kopteksten eindigen bij de eerste lege cel van rij %2, %3. Vul de ontbrekende kopteksten in om de kolom te lezen.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but are not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read them.</source>
        <translation>Kolommen %1 bevatten gegevens maar worden niet gelezen: de kopteksten eindigen bij de eerste lege cel van rij %2, %3. Vul de ontbrekende kopteksten in om ze te lezen.</translation>
    </message>
    <message>
        <source>Row %1 holds data but is not read: five empty rows in a row end the list of contacts. Remove the empty rows to read it.</source>
        <translation>Rij %1 bevat gegevens maar wordt niet gelezen: vijf lege rijen na elkaar beëindigen de lijst met contactpersonen. Verwijder de lege rijen om de rij te lezen.</translation>
    </message>
    <message>
        <source>%1 rows (%2 to %3) hold data but are not read: five empty rows in a row end the list of contacts. Remove the empty rows to read them.</source>
        <translation>%1 rijen (%2 tot en met %3) bevatten gegevens maar worden niet gelezen: vijf lege rijen na elkaar beëindigen de lijst met contactpersonen. Verwijder de lege rijen om ze te lezen.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Quillmere banner</source>
        <translation>Quillmere-banner</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Hoofdwerkbalk</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Excel-bestand openen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>&amp;New Conversion</source>
        <translation>&amp;Nieuwe conversie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Over Quillmere</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Conversion Steps</source>
        <translation>Conversiestappen</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Selecteren</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Kolommen koppelen</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Exporteren</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  Vo&amp;rige</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Volgende &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Spreadsheet contacts to vCard files in three steps</source>
        <translation>Contacten uit spreadsheets naar vCard in drie stappen</translation>
    </message>
    <message>
        <source>Read the headers from another row</source>
        <translation>De koppen uit een andere rij lezen</translation>
    </message>
    <message>
        <source>Act on the notice</source>
        <translation>Op de melding reageren</translation>
    </message>
    <message>
        <source>Sen&amp;d to Address Book...</source>
        <translation>Naar a&amp;dresboek sturen...</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Naar adresboek sturen</translation>
    </message>
    <message>
        <source>Sends the cards to a CardDAV address book (Nextcloud, Radicale and others), updating those sent before; says first what would change.</source>
        <translation>Stuurt de kaarten naar een CardDAV-adresboek (Nextcloud, Radicale en andere) en werkt eerder gestuurde bij; zegt eerst wat er zou veranderen.</translation>
    </message>
</context>
<context>
    <name>MapPage</name>
    <message>
        <source>Excel Fields</source>
        <translation>Excel-velden</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>vCard-velden</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Match by Name</source>
        <translation>&amp;Naam koppelen</translation>
    </message>
    <message>
        <source>Match by Name</source>
        <translation>Op naam koppelen</translation>
    </message>
    <message>
        <source>Pairs every column whose header names a vCard field with that field. Pairs you have made stay as they are.</source>
        <translation>Koppelt elke kolom waarvan de kop een vCard-veld noemt aan dat veld. Paren die u zelf hebt gemaakt, blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Gekoppelde velden ( Excel --&gt; vCard )</translation>
    </message>
    <message>
        <source>Selected Fields, Excel to vCard</source>
        <translation>Gekoppelde velden, Excel naar vCard</translation>
    </message>
    <message>
        <source>More &amp;Fields</source>
        <translation>Meer vel&amp;den</translation>
    </message>
    <message>
        <source>More Fields</source>
        <translation>Meer velden</translation>
    </message>
    <message>
        <source>Written only when step 3&apos;s &quot;Import into&quot; names where the cards go; &quot;Any app&quot; leaves it out.</source>
        <translation>Alleen geschreven als &quot;Importeren in&quot; bij stap 3 de bestemming noemt; &quot;Elke app&quot; laat het weg.</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Toevoe&amp;gen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 naar %2</translation>
    </message>
    <message>
        <source>Offers Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage and Photo after the other fields.</source>
        <translation>Biedt Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage en Photo aan na de andere velden.</translation>
    </message>
</context>
<context>
    <name>MapStep</name>
    <message>
        <source>%1 of %2 column matched by name</source>
        <translation>%1 van %2 kolom op naam gekoppeld</translation>
    </message>
    <message>
        <source>%1 of %2 columns matched by name</source>
        <translation>%1 van %2 kolommen op naam gekoppeld</translation>
    </message>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Selecteer het vCard-veld.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Selecteer het Excel-veld.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Selecteer het item in de gekoppelde velden.</translation>
    </message>
</context>
<context>
    <name>QtText</name>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>„%1” is niet gevonden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened or read.</source>
        <translation>„%1” kon niet worden geopend of gelezen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>„%1” is leeg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password. Save it without one and load it again.</source>
        <translation>„%1” is met een wachtwoord beveiligd. Sla het op zonder wachtwoord en laad het opnieuw.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a format Quillmere does not read. Save it as .xlsx, .xls, .ods or .csv and load it again.</source>
        <translation>„%1” heeft een indeling die Quillmere niet leest. Sla het op als .xlsx, .xls, .ods of .csv en laad het opnieuw.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>„%1” is beschadigd en kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no worksheet.</source>
        <translation>„%1” bevat geen werkblad.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than Quillmere reads: it passes one of the limits that keep a damaged or hostile file from filling the memory.</source>
        <translation>„%1” is groter dan Quillmere leest: het overschrijdt een van de grenzen die voorkomen dat een beschadigd of kwaadaardig bestand het geheugen vult.</translation>
    </message>
    <message>
        <source>(Part %1, row %2.)</source>
        <translation>(Deel %1, rij %2.)</translation>
    </message>
    <message>
        <source>(Part %1.)</source>
        <translation>(Deel %1.)</translation>
    </message>
    <message>
        <source>(Row %1.)</source>
        <translation>(Rij %1.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its row %2 of column headers is gone.</source>
        <translation>„%1” is gewijzigd sinds het werd geladen: de rij %2 met kolomkoppen is verdwenen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its column headers in row %2 are not the ones that were mapped.</source>
        <translation>„%1” is gewijzigd sinds het werd geladen: de kolomkoppen in rij %2 zijn niet de gekoppelde.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: fewer rows of contacts were found in it than were counted then.</source>
        <translation>„%1” is gewijzigd sinds het werd geladen: er zijn minder rijen met contacten gevonden dan toen geteld.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the readers&apos; refusals itself in any language but English.</extracomment>
        <translation>nl</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>Select Excel File :</source>
        <translation>Excel-bestand:</translation>
    </message>
    <message>
        <source>Select Excel File</source>
        <translation>Excel-bestand selecteren</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 Files (*.xlsx) &amp; CSV Files (*.csv)</source>
        <translation>Ondersteunt bestanden van Excel 2003 (*.xls), Excel 2007, 2010, 2013 (*.xlsx) en CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blad</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Blad:</translation>
    </message>
    <message>
        <source>Headers in row</source>
        <translation>Koppen in rij</translation>
    </message>
    <message>
        <source>Headers in &amp;row:</source>
        <translation>&amp;Koppen in rij:</translation>
    </message>
</context>
<context>
    <name>SelectStep</name>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (verborgen)</translation>
    </message>
    <message>
        <source>Sheet: %1</source>
        <translation>Blad: %1</translation>
    </message>
    <message>
        <source>Row 1 looks like a title: the headers seem to be in row %1.</source>
        <translation>Rij 1 lijkt een titel: de koppen lijken in rij %1 te staan.</translation>
    </message>
    <message>
        <source>R&amp;ead the headers from row %1</source>
        <translation>D&amp;e koppen uit rij %1 lezen</translation>
    </message>
    <message>
        <source>R&amp;ead them too, headed by their letters</source>
        <translation>Ook d&amp;eze lezen, genoemd naar hun letter</translation>
    </message>
</context>
<context>
    <name>SinkErrorText</name>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>uw schijfquotum is op</translation>
    </message>
    <message>
        <source>the file would grow too large for this disk or this system</source>
        <translation>het bestand zou te groot worden voor deze schijf of dit systeem</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>u mag daar niet schrijven</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>de schijf kan alleen gelezen worden</translation>
    </message>
    <message>
        <source>the folder does not exist (any more)</source>
        <translation>de map bestaat niet (meer)</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>het pad is te lang</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>de schijf meldde een fout</translation>
    </message>
    <message>
        <source>a folder of that name is there</source>
        <translation>er staat een map met die naam</translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation>er staat al een bestand met die naam</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the sink&apos;s failures itself in any language but English.</extracomment>
        <translation>nl</translation>
    </message>
    <message>
        <source>The card is %1 KB, more than the %2 KB %3 takes for one contact; shorten its notes.</source>
        <translation>De kaart is %1 KB, meer dan de %2 KB die %3 voor één contact aanneemt; maak de notities korter.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: %2.</source>
        <translation>De map „%1” kon niet worden gemaakt: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2.</source>
        <translation>„%1” kon niet worden aangemaakt: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>„%1” kon niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved completely: %2.</source>
        <translation>„%1” kon niet volledig worden opgeslagen: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds every contact but could not be given its final name: %2.</source>
        <translation>„%1” bevat alle contacten, maar kon zijn definitieve naam niet krijgen: %2.</translation>
    </message>
</context>
<context>
    <name>UploadPlan</name>
    <message>
        <source>%1 new, %2 to update, %3 unchanged</source>
        <translation>%1 nieuw, %2 bij te werken, %3 ongewijzigd</translation>
    </message>
</context>
<context>
    <name>UploadReport</name>
    <message>
        <source>%1 created, %2 updated, %3 unchanged</source>
        <translation>%1 aangemaakt, %2 bijgewerkt, %3 ongewijzigd</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, %1 geweigerd</translation>
    </message>
    <message>
        <source>, %1 changed on the server and left as they are there</source>
        <translation>, %1 op de server gewijzigd en daar gelaten zoals ze zijn</translation>
    </message>
    <message>
        <source>, %1 not sent</source>
        <translation>, %1 niet verzonden</translation>
    </message>
</context>
<context>
    <name>WizardSteps</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Volgende &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Conver&amp;t</source>
        <translation>Conver&amp;teren</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::KeyringPasswords</name>
    <message>
        <source>The desktop&apos;s keyring did not keep the password: %1</source>
        <translation>De sleutelbos van het bureaublad heeft het wachtwoord niet bewaard: %1</translation>
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
        <translation>Over Quillmere</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmMain</name>
    <message>
        <source>Items Found: %1</source>
        <translation>Items gevonden: %1</translation>
    </message>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation>Koppel een Excel-kolom aan een vCard-veld.</translation>
    </message>
    <message>
        <source>The user guide &quot;%1&quot; is missing. Installing Quillmere again puts it back.</source>
        <translation>De gebruikershandleiding &quot;%1&quot; ontbreekt. Als u Quillmere opnieuw installeert, komt ze terug.</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it?</source>
        <translation>Er loopt een conversie. Stoppen?</translation>
    </message>
    <message>
        <source>Convert Excel Contacts to vCard Files</source>
        <translation>Excel-contacten omzetten naar vCard-bestanden</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Map selecteren</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Kies een opslaglocatie</translation>
    </message>
    <message>
        <source>The conversion was stopped. %1 of %2 contacts were written to &quot;%3&quot;.</source>
        <translation>De conversie is gestopt. %1 van %2 contacten zijn geschreven naar &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>De contacten zijn met succes geëxporteerd naar vCard-bestanden.</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Wilt u de map openen waarin ze staan? Klik op Ja, anders op Nee.</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Doelmap openen</translation>
    </message>
    <message>
        <source>The reason: %1</source>
        <translation>Reden: %1</translation>
    </message>
    <message>
        <source>No contact was written to &quot;%1&quot;.</source>
        <translation>Er is geen contact geschreven naar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No contact was written.</source>
        <translation>Er is geen contact geschreven.</translation>
    </message>
    <message>
        <source>Choose another saving location with Change... and convert again.</source>
        <translation>Kies met Wijzigen... een andere opslaglocatie en converteer opnieuw.</translation>
    </message>
    <message>
        <source>Not every contact could be exported.</source>
        <translation>Niet alle contacten konden worden geëxporteerd.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts were written to &quot;%3&quot;; %4 were not.</source>
        <translation>%1 van %2 contacten zijn geschreven naar &quot;%3&quot;; %4 niet.</translation>
    </message>
    <message>
        <source>Would you like to open the folder with the contacts that were written? Click Yes to open it, or No to choose another saving location with Change... and convert again.</source>
        <translation>Wilt u de map met de geschreven contacten openen? Klik op Ja om die te openen, of op Nee om met Wijzigen... een andere opslaglocatie te kiezen en opnieuw te converteren.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Rapport opslaan</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>CSV-bestand (*.csv)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Rapport opgeslagen als %1</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.xls *.ods *.csv)</source>
        <translation>Spreadsheets (*.xlsx *.xls *.ods *.csv)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>&quot;%1&quot; kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 is a text file, not an Excel workbook: it was read as text</source>
        <translation>%1 is een tekstbestand, geen Excel-werkmap: het is als tekst gelezen</translation>
    </message>
    <message>
        <source>All %1 contacts were written to &quot;%2&quot;, but the cards of %3 read back otherwise than their rows; Save Report... lists them.</source>
        <translation>Alle %1 contacten zijn naar &quot;%2&quot; geschreven, maar de kaarten van %3 lezen anders terug dan hun rijen; Rapport opslaan... somt ze op.</translation>
    </message>
    <message>
        <source>The first: %1</source>
        <translation>De eerste: %1</translation>
    </message>
    <message>
        <source>Would you like to open the folder? Click Yes to open it, or No to stay here.</source>
        <translation>Wilt u de map openen? Klik op Ja om hem te openen, of op Nee om hier te blijven.</translation>
    </message>
    <message>
        <source>No program to show the user guide was found. Open &quot;%1&quot; with a web browser.</source>
        <translation>Er is geen programma gevonden om de handleiding te tonen. Open “%1” met een webbrowser.</translation>
    </message>
    <message>
        <source>Photos written: %1; left out: %2.</source>
        <translation>Foto&apos;s geschreven: %1; weggelaten: %2.</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmPreview</name>
    <message>
        <source>Row</source>
        <translation>Rij</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; Vo&amp;rige</translation>
    </message>
    <message>
        <source>Previous Row</source>
        <translation>Vorige rij</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Volgende &gt;</translation>
    </message>
    <message>
        <source>Next Row</source>
        <translation>Volgende rij</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Card Preview</source>
        <translation>Kaartvoorbeeld</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>No rows of contacts</source>
        <translation>Geen rijen met contacten</translation>
    </message>
    <message>
        <source>The sheet has no rows of contacts below its header row.</source>
        <translation>Het blad heeft geen rijen met contacten onder de rij met koppen.</translation>
    </message>
    <message>
        <source>Row %1 (%2 of %3)</source>
        <translation>Rij %1 (%2 van %3)</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Geen bestand</translation>
    </message>
    <message>
        <source>This row would not be converted: an e-mail address in it holds only spaces, and &quot;Allow Empty Email Addresses to be Imported&quot; is not ticked.</source>
        <translation>Deze rij zou niet worden geconverteerd: een e-mailadres erin bevat alleen spaties en &quot;Lege e-mailadressen toestaan bij importeren&quot; is niet aangevinkt.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Bestand: %1</translation>
    </message>
    <message>
        <source>The card cannot be shown</source>
        <translation>De kaart kan niet worden getoond</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Geen foto</translation>
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
        <translation>Server of adresboek</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Allow &amp;unencrypted HTTP to another computer</source>
        <translation>Onversleutelde HTTP naar een andere comp&amp;uter toestaan</translation>
    </message>
    <message>
        <source>Allow unencrypted HTTP to another computer</source>
        <translation>Onversleutelde HTTP naar een andere computer toestaan</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>Adresboeken &amp;zoeken</translation>
    </message>
    <message>
        <source>Find Address Books</source>
        <translation>Adresboeken zoeken</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Controleren</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Cards sent</source>
        <translation>Gestuurde kaarten</translation>
    </message>
    <message>
        <source>S&amp;end</source>
        <translation>&amp;Sturen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Sturen</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Naar adresboek sturen</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>&amp;Adresboek:</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Adresboeken zoeken op %1...</translation>
    </message>
    <message>
        <source>Reading the address book&apos;s cards...</source>
        <translation>De kaarten van het adresboek worden gelezen...</translation>
    </message>
    <message>
        <source>%1. Nothing is sent until you press Send; nothing on the server is deleted.</source>
        <translation>%1. Er wordt niets gestuurd tot u op Sturen drukt; er wordt niets op de server verwijderd.</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Bezig met sturen...</translation>
    </message>
    <message>
        <source>Sent: %1.</source>
        <translation>Gestuurd: %1.</translation>
    </message>
    <message>
        <source>Cards to send: %1. Give the server and your account, then find the address book.</source>
        <translation>Te sturen kaarten: %1. Geef de server en uw account op en zoek dan het adresboek.</translation>
    </message>
    <message>
        <source>Address books found: %1. Check shows what sending would change.</source>
        <translation>Gevonden adresboeken: %1. Controleren toont wat sturen zou veranderen.</translation>
    </message>
    <message>
        <source>Photos sent: %1; left out: %2.</source>
        <translation>Foto&apos;s gestuurd: %1; weggelaten: %2.</translation>
    </message>
    <message>
        <source>First left out: row %1, %2.</source>
        <translation>Eerste weggelaten: rij %1, %2.</translation>
    </message>
    <message>
        <source>&amp;Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Het certificaat van deze server met de getoonde vingerafdruk &amp;vertrouwen</translation>
    </message>
    <message>
        <source>Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Het certificaat van deze server met de getoonde vingerafdruk vertrouwen</translation>
    </message>
    <message>
        <source>If it is, tick &quot;%1&quot; and find the address books again.</source>
        <translation>Zo ja, vink „%1” aan en zoek de adresboeken opnieuw.</translation>
    </message>
    <message>
        <source>&amp;Remember the password</source>
        <translation>Wachtwoord &amp;onthouden</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Wachtwoord onthouden</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report...</source>
        <translation>Rapport opslaa&amp;n...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Rapport opslaan</translation>
    </message>
    <message>
        <source>Address book report.csv</source>
        <translation>Adresboekrapport.csv</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>CSV-bestand (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Het rapport kon niet worden opgeslagen als „%1”: %2</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Rapport opgeslagen als %1</translation>
    </message>
</context>
</TS>
