<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CardDavError</name>
    <message>
        <source>%1 did not accept the user name or password. Check both; accounts with two-step sign-in need an app password.</source>
        <translation>%1 nie przyjął nazwy użytkownika lub hasła. Sprawdź oba; konta z weryfikacją dwuetapową wymagają hasła aplikacji.</translation>
    </message>
    <message>
        <source>%1 does not let this user change %2. Choose an address book of this account, or ask the server&apos;s administrator for access.</source>
        <translation>%1 nie pozwala temu użytkownikowi zmieniać %2. Wybierz książkę adresową tego konta albo poproś administratora serwera o dostęp.</translation>
    </message>
    <message>
        <source>There is no address book at %1. Check the address, or give just the server&apos;s address to list its address books.</source>
        <translation>Pod %1 nie ma książki adresowej. Sprawdź adres albo podaj tylko adres serwera, aby wyświetlić jego książki adresowe.</translation>
    </message>
    <message>
        <source>%1 does not take this request at %2, so it is probably not an address book. Give the address book&apos;s own address, or just the server&apos;s.</source>
        <translation>%1 nie przyjmuje tego żądania pod %2, więc to raczej nie jest książka adresowa. Podaj własny adres książki adresowej albo tylko adres serwera.</translation>
    </message>
    <message>
        <source>The card at %1 was changed on the server since it was read, so it was left as the server has it. Check it there, then send again to see what is new.</source>
        <translation>Wizytówka pod %1 została zmieniona na serwerze od czasu odczytu, więc pozostawiono ją tak, jak ma ją serwer. Sprawdź ją tam, a potem wyślij ponownie, aby zobaczyć, co nowego.</translation>
    </message>
    <message>
        <source>%1 refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 odrzucił wizytówkę jako zbyt dużą. Skróć notatki lub inne długie wartości wiersza albo poproś administratora o zgodę na większe wizytówki.</translation>
    </message>
    <message>
        <source>%1 does not take cards in this form. Convert for &quot;Nextcloud and CardDAV&quot; in vCard 3.0 and send again.</source>
        <translation>%1 nie przyjmuje wizytówek w tej postaci. Konwertuj dla „Nextcloud i CardDAV” w vCard 3.0 i wyślij ponownie.</translation>
    </message>
    <message>
        <source>%1 has no room left for more cards. Free space in the account or ask its administrator for more, then send again: the cards already sent are kept.</source>
        <translation>%1 nie ma już miejsca na kolejne wizytówki. Zwolnij miejsce na koncie lub poproś administratora o więcej, a potem wyślij ponownie: wysłane już wizytówki zostają.</translation>
    </message>
    <message>
        <source>%1 answered %2 to %3.</source>
        <translation>%1 odpowiedział %2 na %3.</translation>
    </message>
    <message>
        <source> It said: &quot;%1&quot;.</source>
        <translation> Odpowiedź: „%1”.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check the connection and the address, then try again.</source>
        <translation>%1 nie odpowiedział w ciągu %2 sekund. Sprawdź połączenie i adres, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 is a plain http:// address: the password and the contacts would cross the network unencrypted. Use https://, or allow unencrypted connections if the server is on your own network.</source>
        <translation>%1 to niezaszyfrowany adres http://: hasło i kontakty przeszłyby przez sieć bez szyfrowania. Użyj https:// albo zezwól na niezaszyfrowane połączenia, jeśli serwer jest w Twojej własnej sieci.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified: %2 Its SHA-256 fingerprint is %3. Trust it only if the server&apos;s administrator confirms this fingerprint.</source>
        <translation>Nie udało się zweryfikować certyfikatu %1: %2 Jego odcisk SHA-256 to %3. Zaufaj mu tylko wtedy, gdy administrator serwera potwierdzi ten odcisk.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check the address and the connection.</source>
        <translation>Nie można połączyć się z %1: %2. Sprawdź adres i połączenie.</translation>
    </message>
    <message>
        <source>%1 closed the connection twice while this card (%2 KB) was being sent, yet answers other requests: it probably refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 dwa razy zamknął połączenie podczas wysyłania tej wizytówki (%2 KB), choć odpowiada na inne żądania: prawdopodobnie odrzucił wizytówkę jako zbyt dużą. Skróć notatki lub inne długie wartości wiersza albo poproś administratora o zgodę na większe wizytówki.</translation>
    </message>
    <message>
        <source>%1 answers, but holds no address book for this user. Create one on the server, or give the address book&apos;s own address.</source>
        <translation>%1 odpowiada, ale nie ma książki adresowej dla tego użytkownika. Utwórz ją na serwerze albo podaj własny adres książki adresowej.</translation>
    </message>
    <message>
        <source>%1 is not answering as a CardDAV server does (%2). Check that the address is the server&apos;s CardDAV address.</source>
        <translation>%1 nie odpowiada tak, jak serwer CardDAV (%2). Sprawdź, czy adres jest adresem CardDAV serwera.</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> Odpowiedź serwera: „%1”.</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Separator</source>
        <translation>Separator</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Load it again with Browse... and check the mapping.</source>
        <translation>Wczytaj skoroszyt ponownie przyciskiem Przeglądaj... i sprawdź przypisanie.</translation>
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
        <translation>%1 i %2 więcej</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>dates not read: %1</source>
        <translation>nieodczytane daty: %1</translation>
    </message>
    <message>
        <source>values without a free field: %1</source>
        <translation>wartości bez wolnego pola: %1</translation>
    </message>
    <message>
        <source>photos: %1</source>
        <translation>zdjęcia: %1</translation>
    </message>
    <message>
        <source>rows without an e-mail address: %1</source>
        <translation>wiersze bez adresu e-mail: %1</translation>
    </message>
    <message>
        <source>cards that read back otherwise: %1</source>
        <translation>wizytówki odczytane inaczej: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Pominięto: %1.</translation>
    </message>
    <message>
        <source>List them in a &amp;report</source>
        <translation>Wypisz je w &amp;raporcie</translation>
    </message>
    <message>
        <source>Column %1 holds data but goes nowhere.</source>
        <translation>Kolumna %1 zawiera dane, które nigdzie nie trafiają.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but go nowhere.</source>
        <translation>Kolumny %1 zawierają dane, które nigdzie nie trafiają.</translation>
    </message>
    <message>
        <source>&amp;Back to the pairs</source>
        <translation>&amp;Wróć do par</translation>
    </message>
    <message>
        <source>Column %1 shows other digits than it stores: tick &quot;%2&quot; to write them as shown.</source>
        <translation>Kolumna %1 pokazuje inne cyfry, niż przechowuje: zaznacz „%2”, aby zapisać je tak, jak są pokazane.</translation>
    </message>
    <message>
        <source>Columns %1 show other digits than they store: tick &quot;%2&quot; to write them as shown.</source>
        <translation>Kolumny %1 pokazują inne cyfry, niż przechowują: zaznacz „%2”, aby zapisać je tak, jak są pokazane.</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Zezwalaj na import pustych adresów e-mail</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Jeden plik dla wszystkich</translation>
    </message>
    <message>
        <source>Keep Numbers as Shown in the Sheet</source>
        <translation>Zachowaj liczby jak w arkuszu</translation>
    </message>
    <message>
        <source>Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) rather than as stored (1512345678).</source>
        <translation>Pobiera numery telefonów, kody pocztowe i daty tak, jak pokazuje je arkusz (0151 2345678), a nie tak, jak są zapisane (1512345678).</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(domyślnie osobny plik vCard na kontakt)</translation>
    </message>
    <message>
        <source>By default separate vCards are saved for every contact</source>
        <translation>Domyślnie dla każdego kontaktu zapisywana jest osobna wizytówka vCard</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard wersja 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard wersja 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard wersja 4.0</translation>
    </message>
    <message>
        <source>vCard 2.1 suits older phones and some desktop mail programs. CardDAV servers refuse it.</source>
        <translation>vCard 2.1 pasuje do starszych telefonów i niektórych programów pocztowych. Serwery CardDAV jej nie przyjmują.</translation>
    </message>
    <message>
        <source>vCard 3.0 suits most address books and both phone platforms, Android and iPhone.</source>
        <translation>vCard 3.0 pasuje do większości książek adresowych i obu platform telefonów, Android i iPhone.</translation>
    </message>
    <message>
        <source>vCard 4.0 suits the newest apps. The stock Android contacts app refuses it.</source>
        <translation>vCard 4.0 pasuje do najnowszych aplikacji. Wbudowana aplikacja Kontakty w Androidzie jej nie przyjmuje.</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Kontakty bez adresu e-mail                 :</translation>
    </message>
    <message>
        <source>Number of Empty Email Contacts</source>
        <translation>Liczba kontaktów bez adresu e-mail</translation>
    </message>
    <message>
        <source>Empty Email Contacts Count</source>
        <translation>Licznik kontaktów bez adresu e-mail</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Dodane kontakty                                 :</translation>
    </message>
    <message>
        <source>Number of Contacts Added</source>
        <translation>Liczba dodanych kontaktów</translation>
    </message>
    <message>
        <source>Contacts Added Count</source>
        <translation>Licznik dodanych kontaktów</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Postęp eksportu</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Zapisz w:</translation>
    </message>
    <message>
        <source>Saving Location</source>
        <translation>Miejsce zapisu</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Zmień...</translation>
    </message>
    <message>
        <source>Change Saving Location</source>
        <translation>Zmień miejsce zapisu</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Podgląd...</translation>
    </message>
    <message>
        <source>Preview Card</source>
        <translation>Podgląd wizytówki</translation>
    </message>
    <message>
        <source>Shows the card a conversion would write for each row, with the mapping and options as they are now.</source>
        <translation>Pokazuje wizytówkę, którą konwersja zapisałaby dla każdego wiersza, przy obecnym przypisaniu i opcjach.</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Zapisz raport...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>Saves what happened to every row of the last conversion as a CSV file.</source>
        <translation>Zapisuje w pliku CSV, co stało się z każdym wierszem ostatniej konwersji.</translation>
    </message>
    <message>
        <source>Write Phone Numbers in International Form</source>
        <translation>Numery telefonów w formacie międzynarodowym</translation>
    </message>
    <message>
        <source>Write Phone Numbers in &amp;International Form</source>
        <translation>Numery w formacie &amp;międzynarodowym</translation>
    </message>
    <message>
        <source>Writes every phone and fax number as +49 151 23456789, reading numbers without a country code as numbers of the country chosen. A number that cannot be read stays as it is, and the report names it.</source>
        <translation>Zapisuje każdy numer telefonu i faksu jako +49 151 23456789; numery bez kodu kraju są czytane jako numery wybranego kraju. Numer, którego nie da się odczytać, zostaje bez zmian, a raport go wymienia.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Kraj:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <source>Country of the Phone Numbers</source>
        <translation>Kraj numerów telefonów</translation>
    </message>
    <message>
        <source>Any app</source>
        <translation>Dowolna aplikacja</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>iPhone and iCloud</source>
        <translation>iPhone i iCloud</translation>
    </message>
    <message>
        <source>Google Contacts</source>
        <translation>Kontakty Google</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Nextcloud and CardDAV</source>
        <translation>Nextcloud i CardDAV</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Thunderbird</translation>
    </message>
    <message>
        <source>Imp&amp;ort into:</source>
        <translation>Imp&amp;ort do:</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Import do</translation>
    </message>
    <message>
        <source>Choosing where you will import the cards sets the vCard version and file mode that place reads best, and writes the forms it needs. You may still change the version and file mode afterwards. &quot;Any app&quot; writes the plain layout.</source>
        <translation>Wybór miejsca importu wizytówek ustawia wersję vCard i tryb plików, które to miejsce czyta najlepiej, i zapisuje potrzebne mu formy. Wersję i tryb plików można potem nadal zmienić. „Dowolna aplikacja” zapisuje prosty układ.</translation>
    </message>
    <message>
        <source>Per fi&amp;le:</source>
        <translation>Na pl&amp;ik:</translation>
    </message>
    <message>
        <source>Contacts per file</source>
        <translation>Kontakty na plik</translation>
    </message>
    <message>
        <source>At most this many contacts per file</source>
        <translation>Najwyżej tyle kontaktów na plik</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>With a single vCard file, puts at most this many contacts into each file: All Contacts 1.vcf, All Contacts 2.vcf, and so on.</source>
        <translation>Przy jednym pliku vCard umieszcza w każdym pliku najwyżej tyle kontaktów: All Contacts 1.vcf, All Contacts 2.vcf i tak dalej.</translation>
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
        <translation>jeden plik</translation>
    </message>
    <message>
        <source>a file per contact</source>
        <translation>plik na kontakt</translation>
    </message>
</context>
<context>
    <name>LoadNotice</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 i %2 innych</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>Column %1 holds data but is not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read it.</source>
        <translation>Kolumna %1 zawiera dane, ale nie jest odczytywana: nagłówki kończą się na pierwszej pustej komórce wiersza %2, %3. Uzupełnij brakujące nagłówki, aby ją odczytać.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but are not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read them.</source>
        <translation>Kolumny %1 zawierają dane, ale nie są odczytywane: nagłówki kończą się na pierwszej pustej komórce wiersza %2, %3. Uzupełnij brakujące nagłówki, aby je odczytać.</translation>
    </message>
    <message>
        <source>Row %1 holds data but is not read: five empty rows in a row end the list of contacts. Remove the empty rows to read it.</source>
        <translation>Wiersz %1 zawiera dane, ale nie jest odczytywany: pięć pustych wierszy z rzędu kończy listę kontaktów. Usuń puste wiersze, aby go odczytać.</translation>
    </message>
    <message>
        <source>%1 rows (%2 to %3) hold data but are not read: five empty rows in a row end the list of contacts. Remove the empty rows to read them.</source>
        <translation>Wiersze od %2 do %3 (razem: %1) zawierają dane, ale nie są odczytywane: pięć pustych wierszy z rzędu kończy listę kontaktów. Usuń puste wiersze, aby je odczytać.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Quillmere banner</source>
        <translation>Baner Quillmere</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Otwórz plik Excela</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>&amp;New Conversion</source>
        <translation>&amp;Nowa konwersja</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>O programie Quillmere</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Conversion Steps</source>
        <translation>Kroki konwersji</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Wybierz</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Przypisz kolumny</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Eksportuj</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  &amp;Wstecz</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Dalej &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Spreadsheet contacts to vCard files in three steps</source>
        <translation>Kontakty z arkusza do plików vCard w trzech krokach</translation>
    </message>
    <message>
        <source>Read the headers from another row</source>
        <translation>Odczytaj nagłówki z innego wiersza</translation>
    </message>
    <message>
        <source>Act on the notice</source>
        <translation>Zareaguj na uwagę</translation>
    </message>
    <message>
        <source>Sen&amp;d to Address Book...</source>
        <translation>Wyślij &amp;do książki adresowej...</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Wyślij do książki adresowej</translation>
    </message>
    <message>
        <source>Sends the cards to a CardDAV address book (Nextcloud, Radicale and others), updating those sent before; says first what would change.</source>
        <translation>Wysyła wizytówki do książki adresowej CardDAV (Nextcloud, Radicale i inne), aktualizując wysłane wcześniej; najpierw mówi, co by się zmieniło.</translation>
    </message>
</context>
<context>
    <name>MapPage</name>
    <message>
        <source>Excel Fields</source>
        <translation>Pola Excela</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>Pola vCard</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>&amp;Match by Name</source>
        <translation>Po &amp;nazwie</translation>
    </message>
    <message>
        <source>Match by Name</source>
        <translation>Przypisz po nazwie</translation>
    </message>
    <message>
        <source>Pairs every column whose header names a vCard field with that field. Pairs you have made stay as they are.</source>
        <translation>Przypisuje każdą kolumnę, której nagłówek nazywa pole vCard, do tego pola. Pary utworzone przez Ciebie pozostają bez zmian.</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Przypisane pola ( Excel --&gt; vCard )</translation>
    </message>
    <message>
        <source>Selected Fields, Excel to vCard</source>
        <translation>Przypisane pola, z Excela do vCard</translation>
    </message>
    <message>
        <source>More &amp;Fields</source>
        <translation>Więcej &amp;pól</translation>
    </message>
    <message>
        <source>More Fields</source>
        <translation>Więcej pól</translation>
    </message>
    <message>
        <source>Written only when step 3&apos;s &quot;Import into&quot; names where the cards go; &quot;Any app&quot; leaves it out.</source>
        <translation>Zapisywane tylko, gdy „Import do” w kroku 3 wskazuje miejsce docelowe; „Dowolna aplikacja” je pomija.</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Do&amp;daj</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>Offers Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage and Photo after the other fields.</source>
        <translation>Dodaje Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage i Photo po pozostałych polach.</translation>
    </message>
</context>
<context>
    <name>MapStep</name>
    <message>
        <source>%1 of %2 column matched by name</source>
        <translation>Przypisane po nazwie kolumny: %1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2 columns matched by name</source>
        <translation>Przypisane po nazwie kolumny: %1 z %2</translation>
    </message>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Wybierz pole vCard.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Wybierz pole Excela.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Wybierz pozycję spośród przypisanych pól.</translation>
    </message>
</context>
<context>
    <name>QtText</name>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>Nie znaleziono „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened or read.</source>
        <translation>Nie można otworzyć ani odczytać „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>„%1” jest pusty.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password. Save it without one and load it again.</source>
        <translation>„%1” jest chroniony hasłem. Zapisz go bez hasła i wczytaj ponownie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a format Quillmere does not read. Save it as .xlsx, .xls, .ods or .csv and load it again.</source>
        <translation>„%1” ma format, którego Quillmere nie czyta. Zapisz go jako .xlsx, .xls, .ods lub .csv i wczytaj ponownie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>„%1” jest uszkodzony i nie można go odczytać.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no worksheet.</source>
        <translation>„%1” nie zawiera żadnego arkusza.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than Quillmere reads: it passes one of the limits that keep a damaged or hostile file from filling the memory.</source>
        <translation>„%1” jest większy, niż Quillmere czyta: przekracza jeden z limitów, które chronią pamięć przed uszkodzonym lub złośliwym plikiem.</translation>
    </message>
    <message>
        <source>(Part %1, row %2.)</source>
        <translation>(Część %1, wiersz %2.)</translation>
    </message>
    <message>
        <source>(Part %1.)</source>
        <translation>(Część %1.)</translation>
    </message>
    <message>
        <source>(Row %1.)</source>
        <translation>(Wiersz %1.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its row %2 of column headers is gone.</source>
        <translation>„%1” zmienił się od wczytania: zniknął jego wiersz %2 z nagłówkami kolumn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its column headers in row %2 are not the ones that were mapped.</source>
        <translation>„%1” zmienił się od wczytania: nagłówki kolumn w wierszu %2 nie są tymi, które przypisano.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: fewer rows of contacts were found in it than were counted then.</source>
        <translation>„%1” zmienił się od wczytania: znaleziono w nim mniej wierszy kontaktów, niż wtedy policzono.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the readers&apos; refusals itself in any language but English.</extracomment>
        <translation>pl</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>Select Excel File :</source>
        <translation>Plik Excela:</translation>
    </message>
    <message>
        <source>Select Excel File</source>
        <translation>Wybierz plik Excela</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 Files (*.xlsx) &amp; CSV Files (*.csv)</source>
        <translation>Obsługuje pliki programu Excel 2003 (*.xls), Excel 2007, 2010, 2013 (*.xlsx) i CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Podgląd pliku</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Arkusz</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Arkusz:</translation>
    </message>
    <message>
        <source>Headers in row</source>
        <translation>Nagłówki w wierszu</translation>
    </message>
    <message>
        <source>Headers in &amp;row:</source>
        <translation>Wie&amp;rsz nagłówków:</translation>
    </message>
</context>
<context>
    <name>SelectStep</name>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (ukryty)</translation>
    </message>
    <message>
        <source>Sheet: %1</source>
        <translation>Arkusz: %1</translation>
    </message>
    <message>
        <source>Row 1 looks like a title: the headers seem to be in row %1.</source>
        <translation>Wiersz 1 wygląda na tytuł: nagłówki są chyba w wierszu %1.</translation>
    </message>
    <message>
        <source>R&amp;ead the headers from row %1</source>
        <translation>Odczytaj nagłówki z wi&amp;ersza %1</translation>
    </message>
    <message>
        <source>R&amp;ead them too, headed by their letters</source>
        <translation>Odczytaj j&amp;e też, nazwane ich literą</translation>
    </message>
</context>
<context>
    <name>SinkErrorText</name>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>limit miejsca na dysku został wyczerpany</translation>
    </message>
    <message>
        <source>the file would grow too large for this disk or this system</source>
        <translation>plik byłby za duży dla tego dysku lub tego systemu</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>nie masz prawa tam zapisywać</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the folder does not exist (any more)</source>
        <translation>folder nie istnieje (już)</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>część ścieżki nie jest folderem</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>ścieżka jest za długa</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>dysk zgłosił błąd</translation>
    </message>
    <message>
        <source>a folder of that name is there</source>
        <translation>istnieje już folder o tej nazwie</translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation>istnieje już plik o tej nazwie</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the sink&apos;s failures itself in any language but English.</extracomment>
        <translation>pl</translation>
    </message>
    <message>
        <source>The card is %1 KB, more than the %2 KB %3 takes for one contact; shorten its notes.</source>
        <translation>Wizytówka ma %1 KB, więcej niż %2 KB, które %3 przyjmuje dla jednego kontaktu; skróć jej notatki.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: %2.</source>
        <translation>Nie można utworzyć folderu „%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2.</source>
        <translation>Nie można utworzyć „%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>Nie można zapisać „%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved completely: %2.</source>
        <translation>Nie można w całości zapisać „%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds every contact but could not be given its final name: %2.</source>
        <translation>„%1” zawiera wszystkie kontakty, ale nie można nadać mu ostatecznej nazwy: %2.</translation>
    </message>
</context>
<context>
    <name>UploadPlan</name>
    <message>
        <source>%1 new, %2 to update, %3 unchanged</source>
        <translation>nowe: %1, do aktualizacji: %2, bez zmian: %3</translation>
    </message>
</context>
<context>
    <name>UploadReport</name>
    <message>
        <source>%1 created, %2 updated, %3 unchanged</source>
        <translation>utworzono: %1, zaktualizowano: %2, bez zmian: %3</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, odrzucono: %1</translation>
    </message>
    <message>
        <source>, %1 changed on the server and left as they are there</source>
        <translation>, zmienione na serwerze i tam pozostawione: %1</translation>
    </message>
    <message>
        <source>, %1 not sent</source>
        <translation>, niewysłane: %1</translation>
    </message>
</context>
<context>
    <name>WizardSteps</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Dalej &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Conver&amp;t</source>
        <translation>Konwer&amp;tuj</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Notice</source>
        <translation>Uwaga</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::KeyringPasswords</name>
    <message>
        <source>The desktop&apos;s keyring did not keep the password: %1</source>
        <translation>Pęk kluczy pulpitu nie zachował hasła: %1</translation>
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
        <translation>O programie Quillmere</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmMain</name>
    <message>
        <source>Items Found: %1</source>
        <translation>Znalezione pozycje: %1</translation>
    </message>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation>Przypisz kolumnę Excela do pola vCard.</translation>
    </message>
    <message>
        <source>The user guide &quot;%1&quot; is missing. Installing Quillmere again puts it back.</source>
        <translation>Brak podręcznika użytkownika „%1”. Ponowna instalacja Quillmere go przywróci.</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it?</source>
        <translation>Trwa konwersja. Zatrzymać ją?</translation>
    </message>
    <message>
        <source>Convert Excel Contacts to vCard Files</source>
        <translation>Konwersja kontaktów z Excela do plików vCard</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Wybierz miejsce zapisu</translation>
    </message>
    <message>
        <source>The conversion was stopped. %1 of %2 contacts were written to &quot;%3&quot;.</source>
        <translation>Konwersja została zatrzymana. Zapisane kontakty w „%3”: %1 z %2.</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>Kontakty zostały wyeksportowane do plików vCard.</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Czy otworzyć folder, w którym się znajdują? Kliknij Tak, a w przeciwnym razie Nie.</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Otwórz folder docelowy</translation>
    </message>
    <message>
        <source>The reason: %1</source>
        <translation>Przyczyna: %1</translation>
    </message>
    <message>
        <source>No contact was written to &quot;%1&quot;.</source>
        <translation>Nie zapisano żadnego kontaktu w „%1”.</translation>
    </message>
    <message>
        <source>No contact was written.</source>
        <translation>Nie zapisano żadnego kontaktu.</translation>
    </message>
    <message>
        <source>Choose another saving location with Change... and convert again.</source>
        <translation>Wybierz inne miejsce zapisu przyciskiem Zmień... i ponów konwersję.</translation>
    </message>
    <message>
        <source>Not every contact could be exported.</source>
        <translation>Nie udało się wyeksportować wszystkich kontaktów.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts were written to &quot;%3&quot;; %4 were not.</source>
        <translation>Zapisane kontakty w „%3”: %1 z %2; niezapisane: %4.</translation>
    </message>
    <message>
        <source>Would you like to open the folder with the contacts that were written? Click Yes to open it, or No to choose another saving location with Change... and convert again.</source>
        <translation>Czy otworzyć folder z zapisanymi kontaktami? Kliknij Tak, aby go otworzyć, lub Nie, aby wybrać inne miejsce zapisu przyciskiem Zmień... i ponowić konwersję.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Raport zapisano jako %1</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.xls *.ods *.csv)</source>
        <translation>Arkusze kalkulacyjne (*.xlsx *.xls *.ods *.csv)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>Nie można odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>%1 is a text file, not an Excel workbook: it was read as text</source>
        <translation>%1 to plik tekstowy, a nie skoroszyt Excela: odczytano go jako tekst</translation>
    </message>
    <message>
        <source>All %1 contacts were written to &quot;%2&quot;, but the cards of %3 read back otherwise than their rows; Save Report... lists them.</source>
        <translation>Wszystkie %1 kontakty zapisano w „%2”, ale wizytówki %3 z nich odczytują się inaczej niż ich wiersze; Zapisz raport... je wymienia.</translation>
    </message>
    <message>
        <source>The first: %1</source>
        <translation>Pierwsza: %1</translation>
    </message>
    <message>
        <source>Would you like to open the folder? Click Yes to open it, or No to stay here.</source>
        <translation>Czy otworzyć folder? Kliknij Tak, aby go otworzyć, lub Nie, aby tu zostać.</translation>
    </message>
    <message>
        <source>No program to show the user guide was found. Open &quot;%1&quot; with a web browser.</source>
        <translation>Nie znaleziono programu do wyświetlenia poradnika. Otwórz „%1” w przeglądarce internetowej.</translation>
    </message>
    <message>
        <source>Photos written: %1; left out: %2.</source>
        <translation>Zapisane zdjęcia: %1; pominięte: %2.</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmPreview</name>
    <message>
        <source>Row</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Poprzedni</translation>
    </message>
    <message>
        <source>Previous Row</source>
        <translation>Poprzedni wiersz</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Następny &gt;</translation>
    </message>
    <message>
        <source>Next Row</source>
        <translation>Następny wiersz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Card Preview</source>
        <translation>Podgląd wizytówki</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Wizytówka</translation>
    </message>
    <message>
        <source>No rows of contacts</source>
        <translation>Brak wierszy z kontaktami</translation>
    </message>
    <message>
        <source>The sheet has no rows of contacts below its header row.</source>
        <translation>Arkusz nie ma wierszy z kontaktami pod wierszem nagłówków.</translation>
    </message>
    <message>
        <source>Row %1 (%2 of %3)</source>
        <translation>Wiersz %1 (%2 z %3)</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Brak pliku</translation>
    </message>
    <message>
        <source>This row would not be converted: an e-mail address in it holds only spaces, and &quot;Allow Empty Email Addresses to be Imported&quot; is not ticked.</source>
        <translation>Ten wiersz nie zostałby przekonwertowany: adres e-mail w nim zawiera tylko spacje, a opcja „Zezwalaj na import pustych adresów e-mail” nie jest zaznaczona.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Plik: %1</translation>
    </message>
    <message>
        <source>The card cannot be shown</source>
        <translation>Nie można pokazać wizytówki</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Brak zdjęcia</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pikseli</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmSendToAddressBook</name>
    <message>
        <source>Server or address book</source>
        <translation>Serwer lub książka adresowa</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Allow &amp;unencrypted HTTP to another computer</source>
        <translation>Zezwól na niezaszyfrowany HTTP do innego &amp;komputera</translation>
    </message>
    <message>
        <source>Allow unencrypted HTTP to another computer</source>
        <translation>Zezwól na niezaszyfrowany HTTP do innego komputera</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Znajdź książki adresowe</translation>
    </message>
    <message>
        <source>Find Address Books</source>
        <translation>Znajdź książki adresowe</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Książka adresowa</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Sprawdź</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Cards sent</source>
        <translation>Wysłane wizytówki</translation>
    </message>
    <message>
        <source>S&amp;end</source>
        <translation>Wyślij (&amp;E)</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Za&amp;trzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Wyślij do książki adresowej</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>Se&amp;rwer:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Użytkownik:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>&amp;Książka adresowa:</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Szukanie książek adresowych na %1...</translation>
    </message>
    <message>
        <source>Reading the address book&apos;s cards...</source>
        <translation>Odczyt wizytówek z książki adresowej...</translation>
    </message>
    <message>
        <source>%1. Nothing is sent until you press Send; nothing on the server is deleted.</source>
        <translation>%1. Nic nie zostanie wysłane, dopóki nie naciśniesz Wyślij; nic na serwerze nie zostanie usunięte.</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Wysyłanie...</translation>
    </message>
    <message>
        <source>Sent: %1.</source>
        <translation>Wysłano: %1.</translation>
    </message>
    <message>
        <source>Cards to send: %1. Give the server and your account, then find the address book.</source>
        <translation>Wizytówki do wysłania: %1. Podaj serwer i swoje konto, a potem znajdź książkę adresową.</translation>
    </message>
    <message>
        <source>Address books found: %1. Check shows what sending would change.</source>
        <translation>Znalezione książki adresowe: %1. Sprawdź pokazuje, co zmieniłoby wysłanie.</translation>
    </message>
    <message>
        <source>Photos sent: %1; left out: %2.</source>
        <translation>Wysłane zdjęcia: %1; pominięte: %2.</translation>
    </message>
    <message>
        <source>First left out: row %1, %2.</source>
        <translation>Pierwsze pominięte: wiersz %1, %2.</translation>
    </message>
    <message>
        <source>&amp;Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>U&amp;faj certyfikatowi tego serwera z pokazanym odciskiem</translation>
    </message>
    <message>
        <source>Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Ufaj certyfikatowi tego serwera z pokazanym odciskiem</translation>
    </message>
    <message>
        <source>If it is, tick &quot;%1&quot; and find the address books again.</source>
        <translation>Jeśli tak, zaznacz „%1” i znajdź książki adresowe ponownie.</translation>
    </message>
    <message>
        <source>&amp;Remember the password</source>
        <translation>Zapa&amp;miętaj hasło</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Zapamiętaj hasło</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report...</source>
        <translation>Z&amp;apisz raport...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>Address book report.csv</source>
        <translation>Raport książki adresowej.csv</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Nie udało się zapisać raportu jako „%1”: %2</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Raport zapisano jako %1</translation>
    </message>
</context>
</TS>
