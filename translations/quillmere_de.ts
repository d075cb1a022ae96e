<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardDavError</name>
    <message>
        <source>%1 did not accept the user name or password. Check both; accounts with two-step sign-in need an app password.</source>
        <translation>%1 hat den Benutzernamen oder das Passwort nicht angenommen. Prüfen Sie beides; Konten mit Zwei-Faktor-Anmeldung brauchen ein App-Passwort.</translation>
    </message>
    <message>
        <source>%1 does not let this user change %2. Choose an address book of this account, or ask the server&apos;s administrator for access.</source>
        <translation>%1 lässt diesen Benutzer %2 nicht ändern. Wählen Sie ein Adressbuch dieses Kontos, oder bitten Sie den Administrator des Servers um Zugriff.</translation>
    </message>
    <message>
        <source>There is no address book at %1. Check the address, or give just the server&apos;s address to list its address books.</source>
        <translation>Unter %1 gibt es kein Adressbuch. Prüfen Sie die Adresse, oder geben Sie nur die Adresse des Servers an, um seine Adressbücher aufzulisten.</translation>
    </message>
    <message>
        <source>%1 does not take this request at %2, so it is probably not an address book. Give the address book&apos;s own address, or just the server&apos;s.</source>
        <translation>%1 nimmt diese Anfrage unter %2 nicht an, es ist also wohl kein Adressbuch. Geben Sie die eigene Adresse des Adressbuchs an, oder nur die des Servers.</translation>
    </message>
    <message>
        <source>The card at %1 was changed on the server since it was read, so it was left as the server has it. Check it there, then send again to see what is new.</source>
        <translation>Die Karte unter %1 wurde auf dem Server geändert, seit sie gelesen wurde, und blieb daher so, wie der Server sie hat. Prüfen Sie sie dort und senden Sie erneut, um zu sehen, was neu ist.</translation>
    </message>
    <message>
        <source>%1 refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 hat die Karte als zu groß abgelehnt. Kürzen Sie die Notizen oder andere lange Werte der Zeile, oder bitten Sie den Administrator, größere Karten zu erlauben.</translation>
    </message>
    <message>
        <source>%1 does not take cards in this form. Convert for &quot;Nextcloud and CardDAV&quot; in vCard 3.0 and send again.</source>
        <translation>%1 nimmt Karten in dieser Form nicht an. Konvertieren Sie für „Nextcloud und CardDAV“ in vCard 3.0 und senden Sie erneut.</translation>
    </message>
    <message>
        <source>%1 has no room left for more cards. Free space in the account or ask its administrator for more, then send again: the cards already sent are kept.</source>
        <translation>%1 hat keinen Platz mehr für weitere Karten. Schaffen Sie Platz im Konto oder bitten Sie den Administrator um mehr, und senden Sie dann erneut: Die schon gesendeten Karten bleiben erhalten.</translation>
    </message>
    <message>
        <source>%1 answered %2 to %3.</source>
        <translation>%1 antwortete %2 auf %3.</translation>
    </message>
    <message>
        <source> It said: &quot;%1&quot;.</source>
        <translation> Er sagte: „%1“.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check the connection and the address, then try again.</source>
        <translation>%1 hat nicht innerhalb von %2 Sekunden geantwortet. Prüfen Sie die Verbindung und die Adresse, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is a plain http:// address: the password and the contacts would cross the network unencrypted. Use https://, or allow unencrypted connections if the server is on your own network.</source>
        <translation>%1 ist eine unverschlüsselte http://-Adresse: Passwort und Kontakte würden unverschlüsselt durch das Netz gehen. Verwenden Sie https://, oder erlauben Sie unverschlüsselte Verbindungen, wenn der Server in Ihrem eigenen Netz steht.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified: %2 Its SHA-256 fingerprint is %3. Trust it only if the server&apos;s administrator confirms this fingerprint.</source>
        <translation>Das Zertifikat von %1 konnte nicht geprüft werden: %2 Sein SHA-256-Fingerabdruck ist %3. Vertrauen Sie ihm nur, wenn der Administrator des Servers diesen Fingerabdruck bestätigt.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check the address and the connection.</source>
        <translation>%1 ist nicht erreichbar: %2. Prüfen Sie die Adresse und die Verbindung.</translation>
    </message>
    <message>
        <source>%1 closed the connection twice while this card (%2 KB) was being sent, yet answers other requests: it probably refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 hat die Verbindung zweimal getrennt, während diese Karte (%2 KB) gesendet wurde, beantwortet aber andere Anfragen: Er hat die Karte wohl als zu groß abgelehnt. Kürzen Sie die Notizen oder andere lange Werte der Zeile, oder bitten Sie den Administrator, größere Karten zu erlauben.</translation>
    </message>
    <message>
        <source>%1 answers, but holds no address book for this user. Create one on the server, or give the address book&apos;s own address.</source>
        <translation>%1 antwortet, hat aber kein Adressbuch für diesen Benutzer. Legen Sie eines auf dem Server an, oder geben Sie die eigene Adresse des Adressbuchs an.</translation>
    </message>
    <message>
        <source>%1 is not answering as a CardDAV server does (%2). Check that the address is the server&apos;s CardDAV address.</source>
        <translation>%1 antwortet nicht, wie ein CardDAV-Server es tut (%2). Prüfen Sie, ob die Adresse die CardDAV-Adresse des Servers ist.</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> Der Server sagte: „%1“.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Load it again with Browse... and check the mapping.</source>
        <translation>Laden Sie sie mit Auswählen... erneut und prüfen Sie die Zuordnung.</translation>
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
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>dates not read: %1</source>
        <translation>nicht gelesene Daten: %1</translation>
    </message>
    <message>
        <source>values without a free field: %1</source>
        <translation>Werte ohne freies Feld: %1</translation>
    </message>
    <message>
        <source>photos: %1</source>
        <translation>Fotos: %1</translation>
    </message>
    <message>
        <source>rows without an e-mail address: %1</source>
        <translation>Zeilen ohne E-Mail-Adresse: %1</translation>
    </message>
    <message>
        <source>cards that read back otherwise: %1</source>
        <translation>anders zurückgelesene Karten: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Ausgelassen: %1.</translation>
    </message>
    <message>
        <source>List them in a &amp;report</source>
        <translation>In einem &amp;Bericht auflisten</translation>
    </message>
    <message>
        <source>Column %1 holds data but goes nowhere.</source>
        <translation>Spalte %1 enthält Daten, die nirgendwohin gehen.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but go nowhere.</source>
        <translation>Die Spalten %1 enthalten Daten, die nirgendwohin gehen.</translation>
    </message>
    <message>
        <source>&amp;Back to the pairs</source>
        <translation>&amp;Zurück zu den Zuordnungen</translation>
    </message>
    <message>
        <source>Column %1 shows other digits than it stores: tick &quot;%2&quot; to write them as shown.</source>
        <translation>Spalte %1 zeigt andere Ziffern, als sie speichert: Wählen Sie „%2“, um sie wie angezeigt zu schreiben.</translation>
    </message>
    <message>
        <source>Columns %1 show other digits than they store: tick &quot;%2&quot; to write them as shown.</source>
        <translation>Die Spalten %1 zeigen andere Ziffern, als sie speichern: Wählen Sie „%2“, um sie wie angezeigt zu schreiben.</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Leere E-Mail-Adressen beim Import zulassen</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Eine Datei für alle Kontakte</translation>
    </message>
    <message>
        <source>Keep Numbers as Shown in the Sheet</source>
        <translation>Zahlen wie im Blatt angezeigt übernehmen</translation>
    </message>
    <message>
        <source>Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) rather than as stored (1512345678).</source>
        <translation>Übernimmt Telefonnummern, Postleitzahlen und Datumsangaben so, wie das Blatt sie anzeigt (0151 2345678), statt wie gespeichert (1512345678).</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(standardmäßig eine vCard-Datei je Kontakt)</translation>
    </message>
    <message>
        <source>By default separate vCards are saved for every contact</source>
        <translation>Standardmäßig wird für jeden Kontakt eine eigene vCard gespeichert</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard-Version 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard-Version 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard-Version 4.0</translation>
    </message>
    <message>
        <source>vCard 2.1 suits older phones and some desktop mail programs. CardDAV servers refuse it.</source>
        <translation>vCard 2.1 eignet sich für ältere Telefone und manche Desktop-Mailprogramme. CardDAV-Server lehnen sie ab.</translation>
    </message>
    <message>
        <source>vCard 3.0 suits most address books and both phone platforms, Android and iPhone.</source>
        <translation>vCard 3.0 eignet sich für die meisten Adressbücher und beide Telefonplattformen, Android und iPhone.</translation>
    </message>
    <message>
        <source>vCard 4.0 suits the newest apps. The stock Android contacts app refuses it.</source>
        <translation>vCard 4.0 eignet sich für die neuesten Apps. Die vorinstallierte Kontakte-App von Android lehnt sie ab.</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Kontakte ohne E-Mail-Adresse             :</translation>
    </message>
    <message>
        <source>Number of Empty Email Contacts</source>
        <translation>Anzahl der Kontakte ohne E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Empty Email Contacts Count</source>
        <translation>Zähler der Kontakte ohne E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Hinzugefügte Kontakte                       :</translation>
    </message>
    <message>
        <source>Number of Contacts Added</source>
        <translation>Anzahl der hinzugefügten Kontakte</translation>
    </message>
    <message>
        <source>Contacts Added Count</source>
        <translation>Zähler der hinzugefügten Kontakte</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Exportfortschritt</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Speicherort:</translation>
    </message>
    <message>
        <source>Saving Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Change Saving Location</source>
        <translation>Speicherort ändern</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>Preview Card</source>
        <translation>Kartenvorschau</translation>
    </message>
    <message>
        <source>Shows the card a conversion would write for each row, with the mapping and options as they are now.</source>
        <translation>Zeigt für jede Zeile die Karte, die eine Konvertierung schreiben würde, mit der Zuordnung und den Optionen, wie sie jetzt sind.</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>Be&amp;richt...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Saves what happened to every row of the last conversion as a CSV file.</source>
        <translation>Speichert als CSV-Datei, was mit jeder Zeile der letzten Konvertierung geschah.</translation>
    </message>
    <message>
        <source>Write Phone Numbers in International Form</source>
        <translation>Telefonnummern international schreiben</translation>
    </message>
    <message>
        <source>Write Phone Numbers in &amp;International Form</source>
        <translation>Nummern &amp;international schreiben</translation>
    </message>
    <message>
        <source>Writes every phone and fax number as +49 151 23456789, reading numbers without a country code as numbers of the country chosen. A number that cannot be read stays as it is, and the report names it.</source>
        <translation>Schreibt jede Telefon- und Faxnummer als +49 151 23456789; Nummern ohne Ländervorwahl gelten als Nummern des gewählten Landes. Eine Nummer, die nicht gelesen werden kann, bleibt, wie sie ist, und der Bericht nennt sie.</translation>
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
        <translation>Land der Telefonnummern</translation>
    </message>
    <message>
        <source>Any app</source>
        <translation>Jede App</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>iPhone and iCloud</source>
        <translation>iPhone und iCloud</translation>
    </message>
    <message>
        <source>Google Contacts</source>
        <translation>Google Kontakte</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Nextcloud and CardDAV</source>
        <translation>Nextcloud und CardDAV</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Thunderbird</translation>
    </message>
    <message>
        <source>Imp&amp;ort into:</source>
        <translation>Imp&amp;ort nach:</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Import nach</translation>
    </message>
    <message>
        <source>Choosing where you will import the cards sets the vCard version and file mode that place reads best, and writes the forms it needs. You may still change the version and file mode afterwards. &quot;Any app&quot; writes the plain layout.</source>
        <translation>Die Wahl, wohin Sie die Karten importieren, stellt die vCard-Version und die Dateiaufteilung ein, die dieses Ziel am besten liest, und schreibt die Formen, die es braucht. Version und Dateiaufteilung können Sie danach noch ändern. &quot;Jede App&quot; schreibt das einfache Format.</translation>
    </message>
    <message>
        <source>Per fi&amp;le:</source>
        <translation>Pro Dat&amp;ei:</translation>
    </message>
    <message>
        <source>Contacts per file</source>
        <translation>Kontakte pro Datei</translation>
    </message>
    <message>
        <source>At most this many contacts per file</source>
        <translation>Höchstens so viele Kontakte pro Datei</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>With a single vCard file, puts at most this many contacts into each file: All Contacts 1.vcf, All Contacts 2.vcf, and so on.</source>
        <translation>Mit einer einzigen vCard-Datei kommen höchstens so viele Kontakte in jede Datei: All Contacts 1.vcf, All Contacts 2.vcf und so weiter.</translation>
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
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a file per contact</source>
        <translation>eine Datei je Kontakt</translation>
    </message>
</context>
<context>
    <name>LoadNotice</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Column %1 holds data but is not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read it.</source>
        <translation>Spalte %1 enthält Daten, wird aber nicht gelesen: Die Überschriften enden an der ersten leeren Zelle von Zeile %2, %3. Ergänzen Sie die fehlenden Überschriften, um sie zu lesen.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but are not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read them.</source>
        <translation>Die Spalten %1 enthalten Daten, werden aber nicht gelesen: Die Überschriften enden an der ersten leeren Zelle von Zeile %2, %3. Ergänzen Sie die fehlenden Überschriften, um sie zu lesen.</translation>
    </message>
    <message>
        <source>Row %1 holds data but is not read: five empty rows in a row end the list of contacts. Remove the empty rows to read it.</source>
        <translation>Zeile %1 enthält Daten, wird aber nicht gelesen: Fünf leere Zeilen in Folge beenden die Kontaktliste. Entfernen Sie die leeren Zeilen, um sie zu lesen.</translation>
    </message>
    <message>
        <source>%1 rows (%2 to %3) hold data but are not read: five empty rows in a row end the list of contacts. Remove the empty rows to read them.</source>
        <translation>%1 Zeilen (%2 bis %3) enthalten Daten, werden aber nicht gelesen: Fünf leere Zeilen in Folge beenden die Kontaktliste. Entfernen Sie die leeren Zeilen, um sie zu lesen.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Quillmere banner</source>
        <translation>Quillmere-Banner</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Excel-Datei öffnen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;New Conversion</source>
        <translation>&amp;Neue Konvertierung</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Über Quillmere</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Conversion Steps</source>
        <translation>Konvertierungsschritte</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Auswählen</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Spalten zuordnen</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Exportieren</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  &amp;Zurück</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Spreadsheet contacts to vCard files in three steps</source>
        <translation>Kontakte aus Tabellen in drei Schritten als vCard-Dateien</translation>
    </message>
    <message>
        <source>Read the headers from another row</source>
        <translation>Überschriften aus einer anderen Zeile lesen</translation>
    </message>
    <message>
        <source>Act on the notice</source>
        <translation>Auf den Hinweis reagieren</translation>
    </message>
    <message>
        <source>Sen&amp;d to Address Book...</source>
        <translation>An A&amp;dressbuch senden...</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>An Adressbuch senden</translation>
    </message>
    <message>
        <source>Sends the cards to a CardDAV address book (Nextcloud, Radicale and others), updating those sent before; says first what would change.</source>
        <translation>Sendet die Karten an ein CardDAV-Adressbuch (Nextcloud, Radicale und andere) und aktualisiert früher gesendete; sagt zuerst, was sich ändern würde.</translation>
    </message>
</context>
<context>
    <name>MapPage</name>
    <message>
        <source>Excel Fields</source>
        <translation>Excel-Felder</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>vCard-Felder</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>&amp;Match by Name</source>
        <translation>Nach &amp;Namen zuordnen</translation>
    </message>
    <message>
        <source>Match by Name</source>
        <translation>Nach Namen zuordnen</translation>
    </message>
    <message>
        <source>Pairs every column whose header names a vCard field with that field. Pairs you have made stay as they are.</source>
        <translation>Ordnet jede Spalte, deren Überschrift ein vCard-Feld nennt, diesem Feld zu. Von Ihnen gebildete Paare bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Zugeordnete Felder ( Excel --&gt; vCard )</translation>
    </message>
    <message>
        <source>Selected Fields, Excel to vCard</source>
        <translation>Zugeordnete Felder, Excel zu vCard</translation>
    </message>
    <message>
        <source>More &amp;Fields</source>
        <translation>Weitere &amp;Felder</translation>
    </message>
    <message>
        <source>More Fields</source>
        <translation>Weitere Felder</translation>
    </message>
    <message>
        <source>Written only when step 3&apos;s &quot;Import into&quot; names where the cards go; &quot;Any app&quot; leaves it out.</source>
        <translation>Wird nur geschrieben, wenn &quot;Import nach&quot; in Schritt 3 ein Ziel nennt; &quot;Jede App&quot; lässt es weg.</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>Offers Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage and Photo after the other fields.</source>
        <translation>Bietet Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage und Photo nach den übrigen Feldern an.</translation>
    </message>
</context>
<context>
    <name>MapStep</name>
    <message>
        <source>%1 of %2 column matched by name</source>
        <translation>%1 von %2 Spalte nach Namen zugeordnet</translation>
    </message>
    <message>
        <source>%1 of %2 columns matched by name</source>
        <translation>%1 von %2 Spalten nach Namen zugeordnet</translation>
    </message>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Bitte wählen Sie das vCard-Feld.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Bitte wählen Sie das Excel-Feld.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Wählen Sie den Eintrag in den zugeordneten Feldern.</translation>
    </message>
</context>
<context>
    <name>QtText</name>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened or read.</source>
        <translation>„%1“ konnte nicht geöffnet oder gelesen werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>„%1“ ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password. Save it without one and load it again.</source>
        <translation>„%1“ ist mit einem Kennwort geschützt. Speichern Sie es ohne Kennwort und laden Sie es erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a format Quillmere does not read. Save it as .xlsx, .xls, .ods or .csv and load it again.</source>
        <translation>„%1“ hat ein Format, das Quillmere nicht liest. Speichern Sie es als .xlsx, .xls, .ods oder .csv und laden Sie es erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>„%1“ ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no worksheet.</source>
        <translation>„%1“ enthält kein Arbeitsblatt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than Quillmere reads: it passes one of the limits that keep a damaged or hostile file from filling the memory.</source>
        <translation>„%1“ ist größer, als Quillmere liest: Es überschreitet eine der Grenzen, die verhindern, dass eine beschädigte oder bösartige Datei den Speicher füllt.</translation>
    </message>
    <message>
        <source>(Part %1, row %2.)</source>
        <translation>(Teil %1, Zeile %2.)</translation>
    </message>
    <message>
        <source>(Part %1.)</source>
        <translation>(Teil %1.)</translation>
    </message>
    <message>
        <source>(Row %1.)</source>
        <translation>(Zeile %1.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its row %2 of column headers is gone.</source>
        <translation>„%1“ wurde seit dem Laden geändert: Die Zeile %2 mit den Spaltenüberschriften fehlt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its column headers in row %2 are not the ones that were mapped.</source>
        <translation>„%1“ wurde seit dem Laden geändert: Die Spaltenüberschriften in Zeile %2 sind nicht die zugeordneten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: fewer rows of contacts were found in it than were counted then.</source>
        <translation>„%1“ wurde seit dem Laden geändert: Es wurden weniger Kontaktzeilen gefunden als damals gezählt.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the readers&apos; refusals itself in any language but English.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>Select Excel File :</source>
        <translation>Excel-Datei:</translation>
    </message>
    <message>
        <source>Select Excel File</source>
        <translation>Excel-Datei auswählen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 Files (*.xlsx) &amp; CSV Files (*.csv)</source>
        <translation>Unterstützt Dateien von Excel 2003 (*.xls), Excel 2007, 2010, 2013 (*.xlsx) und CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Dateivorschau</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Tabellenblatt</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Blatt:</translation>
    </message>
    <message>
        <source>Headers in row</source>
        <translation>Überschriften in Zeile</translation>
    </message>
    <message>
        <source>Headers in &amp;row:</source>
        <translation>Überschriften in &amp;Zeile:</translation>
    </message>
</context>
<context>
    <name>SelectStep</name>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (ausgeblendet)</translation>
    </message>
    <message>
        <source>Sheet: %1</source>
        <translation>Tabellenblatt: %1</translation>
    </message>
    <message>
        <source>Row 1 looks like a title: the headers seem to be in row %1.</source>
        <translation>Zeile 1 sieht wie ein Titel aus: Die Überschriften stehen wohl in Zeile %1.</translation>
    </message>
    <message>
        <source>R&amp;ead the headers from row %1</source>
        <translation>Überschriften aus Zeile %1 l&amp;esen</translation>
    </message>
    <message>
        <source>R&amp;ead them too, headed by their letters</source>
        <translation>Auch di&amp;ese lesen, benannt nach ihren Buchstaben</translation>
    </message>
</context>
<context>
    <name>SinkErrorText</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>Ihr Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the file would grow too large for this disk or this system</source>
        <translation>die Datei würde für diesen Datenträger oder dieses System zu groß</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>Sie dürfen dort nicht schreiben</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>der Datenträger kann nur gelesen werden</translation>
    </message>
    <message>
        <source>the folder does not exist (any more)</source>
        <translation>der Ordner existiert nicht (mehr)</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>ein Teil des Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>der Pfad ist zu lang</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>a folder of that name is there</source>
        <translation>dort gibt es einen Ordner dieses Namens</translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation>dort gibt es bereits eine Datei dieses Namens</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the sink&apos;s failures itself in any language but English.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>The card is %1 KB, more than the %2 KB %3 takes for one contact; shorten its notes.</source>
        <translation>Die Karte ist %1 KB groß, mehr als die %2 KB, die %3 für einen Kontakt annimmt; kürzen Sie ihre Notizen.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: %2.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2.</source>
        <translation>„%1“ konnte nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved completely: %2.</source>
        <translation>„%1“ konnte nicht vollständig gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds every contact but could not be given its final name: %2.</source>
        <translation>„%1“ enthält alle Kontakte, konnte aber nicht endgültig benannt werden: %2.</translation>
    </message>
</context>
<context>
    <name>UploadPlan</name>
    <message>
        <source>%1 new, %2 to update, %3 unchanged</source>
        <translation>%1 neu, %2 zu aktualisieren, %3 unverändert</translation>
    </message>
</context>
<context>
    <name>UploadReport</name>
    <message>
        <source>%1 created, %2 updated, %3 unchanged</source>
        <translation>%1 neu angelegt, %2 aktualisiert, %3 unverändert</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, %1 abgelehnt</translation>
    </message>
    <message>
        <source>, %1 changed on the server and left as they are there</source>
        <translation>, %1 auf dem Server geändert und dort belassen</translation>
    </message>
    <message>
        <source>, %1 not sent</source>
        <translation>, %1 nicht gesendet</translation>
    </message>
</context>
<context>
    <name>WizardSteps</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Conver&amp;t</source>
        <translation>Konver&amp;tieren</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::KeyringPasswords</name>
    <message>
        <source>The desktop&apos;s keyring did not keep the password: %1</source>
        <translation>Der Schlüsselbund des Desktops hat das Passwort nicht behalten: %1</translation>
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
        <translation>Über Quillmere</translation>
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
        <translation>Gefundene Einträge: %1</translation>
    </message>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation>Bitte ordnen Sie eine Excel-Spalte einem vCard-Feld zu.</translation>
    </message>
    <message>
        <source>The user guide &quot;%1&quot; is missing. Installing Quillmere again puts it back.</source>
        <translation>Das Benutzerhandbuch „%1“ fehlt. Eine erneute Installation von Quillmere stellt es wieder her.</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it?</source>
        <translation>Eine Konvertierung läuft. Abbrechen?</translation>
    </message>
    <message>
        <source>Convert Excel Contacts to vCard Files</source>
        <translation>Excel-Kontakte in vCard-Dateien umwandeln</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Bitte wählen Sie einen Speicherort</translation>
    </message>
    <message>
        <source>The conversion was stopped. %1 of %2 contacts were written to &quot;%3&quot;.</source>
        <translation>Die Konvertierung wurde abgebrochen. %1 von %2 Kontakten wurden in „%3“ geschrieben.</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>Die Kontakte wurden erfolgreich in vCard-Dateien exportiert.</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Möchten Sie den Ordner mit den Dateien öffnen? Klicken Sie auf Ja, sonst auf Nein.</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Zielordner öffnen</translation>
    </message>
    <message>
        <source>The reason: %1</source>
        <translation>Der Grund: %1</translation>
    </message>
    <message>
        <source>No contact was written to &quot;%1&quot;.</source>
        <translation>In „%1“ wurde kein Kontakt geschrieben.</translation>
    </message>
    <message>
        <source>No contact was written.</source>
        <translation>Es wurde kein Kontakt geschrieben.</translation>
    </message>
    <message>
        <source>Choose another saving location with Change... and convert again.</source>
        <translation>Wählen Sie mit Ändern... einen anderen Speicherort und konvertieren Sie erneut.</translation>
    </message>
    <message>
        <source>Not every contact could be exported.</source>
        <translation>Nicht alle Kontakte konnten exportiert werden.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts were written to &quot;%3&quot;; %4 were not.</source>
        <translation>%1 von %2 Kontakten wurden in „%3“ geschrieben, %4 nicht.</translation>
    </message>
    <message>
        <source>Would you like to open the folder with the contacts that were written? Click Yes to open it, or No to choose another saving location with Change... and convert again.</source>
        <translation>Möchten Sie den Ordner mit den geschriebenen Kontakten öffnen? Klicken Sie auf Ja, um ihn zu öffnen, oder auf Nein, um mit Ändern... einen anderen Speicherort zu wählen und erneut zu konvertieren.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Bericht gespeichert als %1</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.xls *.ods *.csv)</source>
        <translation>Tabellen (*.xlsx *.xls *.ods *.csv)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is a text file, not an Excel workbook: it was read as text</source>
        <translation>%1 ist eine Textdatei, keine Excel-Arbeitsmappe: Sie wurde als Text gelesen</translation>
    </message>
    <message>
        <source>All %1 contacts were written to &quot;%2&quot;, but the cards of %3 read back otherwise than their rows; Save Report... lists them.</source>
        <translation>Alle %1 Kontakte wurden nach &quot;%2&quot; geschrieben, aber die Karten von %3 lesen sich anders zurück als ihre Zeilen; Bericht... listet sie auf.</translation>
    </message>
    <message>
        <source>The first: %1</source>
        <translation>Die erste: %1</translation>
    </message>
    <message>
        <source>Would you like to open the folder? Click Yes to open it, or No to stay here.</source>
        <translation>Möchten Sie den Ordner öffnen? Klicken Sie auf Ja, um ihn zu öffnen, oder auf Nein, um hier zu bleiben.</translation>
    </message>
    <message>
        <source>No program to show the user guide was found. Open &quot;%1&quot; with a web browser.</source>
        <translation>Es wurde kein Programm gefunden, das die Anleitung zeigt. Öffnen Sie „%1“ mit einem Webbrowser.</translation>
    </message>
    <message>
        <source>Photos written: %1; left out: %2.</source>
        <translation>Fotos geschrieben: %1; ausgelassen: %2.</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmPreview</name>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Previous Row</source>
        <translation>Vorherige Zeile</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Next Row</source>
        <translation>Nächste Zeile</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Card Preview</source>
        <translation>Kartenvorschau</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>No rows of contacts</source>
        <translation>Keine Kontaktzeilen</translation>
    </message>
    <message>
        <source>The sheet has no rows of contacts below its header row.</source>
        <translation>Das Blatt hat unter seiner Überschriftenzeile keine Kontaktzeilen.</translation>
    </message>
    <message>
        <source>Row %1 (%2 of %3)</source>
        <translation>Zeile %1 (%2 von %3)</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>This row would not be converted: an e-mail address in it holds only spaces, and &quot;Allow Empty Email Addresses to be Imported&quot; is not ticked.</source>
        <translation>Diese Zeile würde nicht konvertiert: Eine E-Mail-Adresse darin enthält nur Leerzeichen, und „Leere E-Mail-Adressen beim Import zulassen“ ist nicht angekreuzt.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>The card cannot be shown</source>
        <translation>Die Karte kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Kein Foto</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmSendToAddressBook</name>
    <message>
        <source>Server or address book</source>
        <translation>Server oder Adressbuch</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Allow &amp;unencrypted HTTP to another computer</source>
        <translation>&amp;Unverschlüsseltes HTTP zu einem anderen Rechner erlauben</translation>
    </message>
    <message>
        <source>Allow unencrypted HTTP to another computer</source>
        <translation>Unverschlüsseltes HTTP zu einem anderen Rechner erlauben</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>Adressbücher &amp;finden</translation>
    </message>
    <message>
        <source>Find Address Books</source>
        <translation>Adressbücher finden</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Cards sent</source>
        <translation>Gesendete Karten</translation>
    </message>
    <message>
        <source>S&amp;end</source>
        <translation>S&amp;enden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>An Adressbuch senden</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>&amp;Adressbuch:</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Suche nach Adressbüchern auf %1...</translation>
    </message>
    <message>
        <source>Reading the address book&apos;s cards...</source>
        <translation>Die Karten des Adressbuchs werden gelesen...</translation>
    </message>
    <message>
        <source>%1. Nothing is sent until you press Send; nothing on the server is deleted.</source>
        <translation>%1. Nichts wird gesendet, bevor Sie auf Senden drücken; nichts auf dem Server wird gelöscht.</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Wird gesendet...</translation>
    </message>
    <message>
        <source>Sent: %1.</source>
        <translation>Gesendet: %1.</translation>
    </message>
    <message>
        <source>Cards to send: %1. Give the server and your account, then find the address book.</source>
        <translation>Zu sendende Karten: %1. Geben Sie den Server und Ihr Konto an und finden Sie dann das Adressbuch.</translation>
    </message>
    <message>
        <source>Address books found: %1. Check shows what sending would change.</source>
        <translation>Gefundene Adressbücher: %1. Prüfen zeigt, was das Senden ändern würde.</translation>
    </message>
    <message>
        <source>Photos sent: %1; left out: %2.</source>
        <translation>Fotos gesendet: %1; ausgelassen: %2.</translation>
    </message>
    <message>
        <source>First left out: row %1, %2.</source>
        <translation>Zuerst ausgelassen: Zeile %1, %2.</translation>
    </message>
    <message>
        <source>&amp;Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Diesem Zertifikat des Servers mit dem gezeigten Fingerabdruck &amp;vertrauen</translation>
    </message>
    <message>
        <source>Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Diesem Zertifikat des Servers mit dem gezeigten Fingerabdruck vertrauen</translation>
    </message>
    <message>
        <source>If it is, tick &quot;%1&quot; and find the address books again.</source>
        <translation>Wenn ja, kreuzen Sie „%1“ an und suchen Sie die Adressbücher erneut.</translation>
    </message>
    <message>
        <source>&amp;Remember the password</source>
        <translation>Passwort &amp;merken</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report...</source>
        <translation>Be&amp;richt speichern...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Address book report.csv</source>
        <translation>Adressbuch-Bericht.csv</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Der Bericht konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Bericht gespeichert als %1</translation>
    </message>
</context>
</TS>
