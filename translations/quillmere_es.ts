<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CardDavError</name>
    <message>
        <source>%1 did not accept the user name or password. Check both; accounts with two-step sign-in need an app password.</source>
        <translation>%1 no aceptó el usuario o la contraseña. Compruebe ambos; las cuentas con verificación en dos pasos necesitan una contraseña de aplicación.</translation>
    </message>
    <message>
        <source>%1 does not let this user change %2. Choose an address book of this account, or ask the server&apos;s administrator for access.</source>
        <translation>%1 no permite a este usuario modificar %2. Elija una libreta de direcciones de esta cuenta, o pida acceso al administrador del servidor.</translation>
    </message>
    <message>
        <source>There is no address book at %1. Check the address, or give just the server&apos;s address to list its address books.</source>
        <translation>No hay ninguna libreta de direcciones en %1. Compruebe la dirección, o indique solo la dirección del servidor para ver sus libretas de direcciones.</translation>
    </message>
    <message>
        <source>%1 does not take this request at %2, so it is probably not an address book. Give the address book&apos;s own address, or just the server&apos;s.</source>
        <translation>%1 no acepta esta petición en %2, así que probablemente no es una libreta de direcciones. Indique la dirección propia de la libreta de direcciones, o solo la del servidor.</translation>
    </message>
    <message>
        <source>The card at %1 was changed on the server since it was read, so it was left as the server has it. Check it there, then send again to see what is new.</source>
        <translation>La tarjeta en %1 se cambió en el servidor después de leerla, así que se dejó como la tiene el servidor. Revísela allí y vuelva a enviar para ver qué hay de nuevo.</translation>
    </message>
    <message>
        <source>%1 refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 rechazó la tarjeta por ser demasiado grande. Acorte las notas u otros valores largos de la fila, o pida al administrador que permita tarjetas más grandes.</translation>
    </message>
    <message>
        <source>%1 does not take cards in this form. Convert for &quot;Nextcloud and CardDAV&quot; in vCard 3.0 and send again.</source>
        <translation>%1 no acepta tarjetas en esta forma. Convierta para «Nextcloud y CardDAV» en vCard 3.0 y vuelva a enviar.</translation>
    </message>
    <message>
        <source>%1 has no room left for more cards. Free space in the account or ask its administrator for more, then send again: the cards already sent are kept.</source>
        <translation>%1 no tiene espacio para más tarjetas. Libere espacio en la cuenta o pida más a su administrador, y vuelva a enviar: las tarjetas ya enviadas se conservan.</translation>
    </message>
    <message>
        <source>%1 answered %2 to %3.</source>
        <translation>%1 respondió %2 a %3.</translation>
    </message>
    <message>
        <source> It said: &quot;%1&quot;.</source>
        <translation> Dijo: «%1».</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check the connection and the address, then try again.</source>
        <translation>%1 no respondió en %2 segundos. Compruebe la conexión y la dirección, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is a plain http:// address: the password and the contacts would cross the network unencrypted. Use https://, or allow unencrypted connections if the server is on your own network.</source>
        <translation>%1 es una dirección http:// sin cifrar: la contraseña y los contactos cruzarían la red sin cifrar. Use https://, o permita conexiones sin cifrar si el servidor está en su propia red.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified: %2 Its SHA-256 fingerprint is %3. Trust it only if the server&apos;s administrator confirms this fingerprint.</source>
        <translation>No se pudo verificar el certificado de %1: %2 Su huella SHA-256 es %3. Confíe en él solo si el administrador del servidor confirma esta huella.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check the address and the connection.</source>
        <translation>No se pudo contactar con %1: %2. Compruebe la dirección y la conexión.</translation>
    </message>
    <message>
        <source>%1 closed the connection twice while this card (%2 KB) was being sent, yet answers other requests: it probably refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 cerró la conexión dos veces mientras se enviaba esta tarjeta (%2 KB), pero responde a otras peticiones: probablemente rechazó la tarjeta por ser demasiado grande. Acorte las notas u otros valores largos de la fila, o pida al administrador que permita tarjetas más grandes.</translation>
    </message>
    <message>
        <source>%1 answers, but holds no address book for this user. Create one on the server, or give the address book&apos;s own address.</source>
        <translation>%1 responde, pero no tiene ninguna libreta de direcciones para este usuario. Cree una en el servidor, o indique la dirección propia de la libreta de direcciones.</translation>
    </message>
    <message>
        <source>%1 is not answering as a CardDAV server does (%2). Check that the address is the server&apos;s CardDAV address.</source>
        <translation>%1 no responde como lo hace un servidor CardDAV (%2). Compruebe que la dirección es la dirección CardDAV del servidor.</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> El servidor dijo: «%1».</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Load it again with Browse... and check the mapping.</source>
        <translation>Vuelva a cargarlo con Examinar... y revise la asignación.</translation>
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
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>dates not read: %1</source>
        <translation>fechas no leídas: %1</translation>
    </message>
    <message>
        <source>values without a free field: %1</source>
        <translation>valores sin campo libre: %1</translation>
    </message>
    <message>
        <source>photos: %1</source>
        <translation>fotos: %1</translation>
    </message>
    <message>
        <source>rows without an e-mail address: %1</source>
        <translation>filas sin dirección de correo: %1</translation>
    </message>
    <message>
        <source>cards that read back otherwise: %1</source>
        <translation>tarjetas que se leen de otro modo: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Omitido: %1.</translation>
    </message>
    <message>
        <source>List them in a &amp;report</source>
        <translation>Listarlos en un &amp;informe</translation>
    </message>
    <message>
        <source>Column %1 holds data but goes nowhere.</source>
        <translation>La columna %1 tiene datos que no van a ninguna parte.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but go nowhere.</source>
        <translation>Las columnas %1 tienen datos que no van a ninguna parte.</translation>
    </message>
    <message>
        <source>&amp;Back to the pairs</source>
        <translation>&amp;Volver a los pares</translation>
    </message>
    <message>
        <source>Column %1 shows other digits than it stores: tick &quot;%2&quot; to write them as shown.</source>
        <translation>La columna %1 muestra otras cifras de las que guarda: marque «%2» para escribirlas como se muestran.</translation>
    </message>
    <message>
        <source>Columns %1 show other digits than they store: tick &quot;%2&quot; to write them as shown.</source>
        <translation>Las columnas %1 muestran otras cifras de las que guardan: marque «%2» para escribirlas como se muestran.</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Permitir importar direcciones de correo vacías</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Un único archivo vCard</translation>
    </message>
    <message>
        <source>Keep Numbers as Shown in the Sheet</source>
        <translation>Mantener los números como se ven</translation>
    </message>
    <message>
        <source>Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) rather than as stored (1512345678).</source>
        <translation>Toma los teléfonos, códigos postales y fechas tal como los muestra la hoja (0151 2345678) en lugar de como están guardados (1512345678).</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(por defecto, un archivo vCard por contacto)</translation>
    </message>
    <message>
        <source>By default separate vCards are saved for every contact</source>
        <translation>Por defecto se guarda una vCard distinta para cada contacto</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard versión 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard versión 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard versión 4.0</translation>
    </message>
    <message>
        <source>vCard 2.1 suits older phones and some desktop mail programs. CardDAV servers refuse it.</source>
        <translation>vCard 2.1 es adecuada para teléfonos antiguos y algunos programas de correo de escritorio. Los servidores CardDAV la rechazan.</translation>
    </message>
    <message>
        <source>vCard 3.0 suits most address books and both phone platforms, Android and iPhone.</source>
        <translation>vCard 3.0 es adecuada para la mayoría de las libretas de direcciones y para ambas plataformas móviles, Android e iPhone.</translation>
    </message>
    <message>
        <source>vCard 4.0 suits the newest apps. The stock Android contacts app refuses it.</source>
        <translation>vCard 4.0 es adecuada para las aplicaciones más recientes. La aplicación de contactos de serie de Android la rechaza.</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Contactos sin correo electrónico         :</translation>
    </message>
    <message>
        <source>Number of Empty Email Contacts</source>
        <translation>Número de contactos sin correo electrónico</translation>
    </message>
    <message>
        <source>Empty Email Contacts Count</source>
        <translation>Recuento de contactos sin correo electrónico</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Contactos añadidos                            :</translation>
    </message>
    <message>
        <source>Number of Contacts Added</source>
        <translation>Número de contactos añadidos</translation>
    </message>
    <message>
        <source>Contacts Added Count</source>
        <translation>Recuento de contactos añadidos</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Progreso de la exportación</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>Saving Location</source>
        <translation>Ubicación de guardado</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Cambiar...</translation>
    </message>
    <message>
        <source>Change Saving Location</source>
        <translation>Cambiar la ubicación de guardado</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Preview Card</source>
        <translation>Vista previa de la tarjeta</translation>
    </message>
    <message>
        <source>Shows the card a conversion would write for each row, with the mapping and options as they are now.</source>
        <translation>Muestra la tarjeta que una conversión escribiría para cada fila, con la asignación y las opciones actuales.</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Guardar informe...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Saves what happened to every row of the last conversion as a CSV file.</source>
        <translation>Guarda en un archivo CSV lo que ocurrió con cada fila de la última conversión.</translation>
    </message>
    <message>
        <source>Write Phone Numbers in International Form</source>
        <translation>Teléfonos en formato internacional</translation>
    </message>
    <message>
        <source>Write Phone Numbers in &amp;International Form</source>
        <translation>Teléfonos en formato &amp;internacional</translation>
    </message>
    <message>
        <source>Writes every phone and fax number as +49 151 23456789, reading numbers without a country code as numbers of the country chosen. A number that cannot be read stays as it is, and the report names it.</source>
        <translation>Escribe cada número de teléfono y fax como +49 151 23456789; los números sin prefijo de país se leen como números del país elegido. Un número que no se puede leer queda como está y el informe lo indica.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;País:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Country of the Phone Numbers</source>
        <translation>País de los números de teléfono</translation>
    </message>
    <message>
        <source>Any app</source>
        <translation>Cualquier app</translation>
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
        <translation>Google Contactos</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Nextcloud and CardDAV</source>
        <translation>Nextcloud y CardDAV</translation>
    </message>
    <message>
        <source>Thunderbird</source>
        <translation>Thunderbird</translation>
    </message>
    <message>
        <source>Imp&amp;ort into:</source>
        <translation>Imp&amp;ortar en:</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importar en</translation>
    </message>
    <message>
        <source>Choosing where you will import the cards sets the vCard version and file mode that place reads best, and writes the forms it needs. You may still change the version and file mode afterwards. &quot;Any app&quot; writes the plain layout.</source>
        <translation>Elegir dónde importará las tarjetas fija la versión de vCard y el modo de archivo que ese destino lee mejor, y escribe las formas que necesita. Después aún puede cambiar la versión y el modo de archivo. «Cualquier app» escribe el formato simple.</translation>
    </message>
    <message>
        <source>Per fi&amp;le:</source>
        <translation>Por arc&amp;h.:</translation>
    </message>
    <message>
        <source>Contacts per file</source>
        <translation>Contactos por archivo</translation>
    </message>
    <message>
        <source>At most this many contacts per file</source>
        <translation>Como máximo tantos contactos por archivo</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin</translation>
    </message>
    <message>
        <source>With a single vCard file, puts at most this many contacts into each file: All Contacts 1.vcf, All Contacts 2.vcf, and so on.</source>
        <translation>Con un único archivo vCard, pone como máximo tantos contactos en cada archivo: All Contacts 1.vcf, All Contacts 2.vcf, etc.</translation>
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
        <translation>un archivo</translation>
    </message>
    <message>
        <source>a file per contact</source>
        <translation>un archivo por contacto</translation>
    </message>
</context>
<context>
    <name>LoadNotice</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Column %1 holds data but is not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read it.</source>
        <translation>La columna %1 contiene datos pero no se lee: los encabezados terminan en la primera celda vacía de la fila %2, %3. Complete los encabezados que faltan para leerla.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but are not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read them.</source>
        <translation>Las columnas %1 contienen datos pero no se leen: los encabezados terminan en la primera celda vacía de la fila %2, %3. Complete los encabezados que faltan para leerlas.</translation>
    </message>
    <message>
        <source>Row %1 holds data but is not read: five empty rows in a row end the list of contacts. Remove the empty rows to read it.</source>
        <translation>La fila %1 contiene datos pero no se lee: cinco filas vacías seguidas terminan la lista de contactos. Elimine las filas vacías para leerla.</translation>
    </message>
    <message>
        <source>%1 rows (%2 to %3) hold data but are not read: five empty rows in a row end the list of contacts. Remove the empty rows to read them.</source>
        <translation>%1 filas (%2 a %3) contienen datos pero no se leen: cinco filas vacías seguidas terminan la lista de contactos. Elimine las filas vacías para leerlas.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Quillmere banner</source>
        <translation>Banner de Quillmere</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Barra de herramientas principal</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Abrir archivo de Excel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;New Conversion</source>
        <translation>&amp;Nueva conversión</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Acerca de Quillmere</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Conversion Steps</source>
        <translation>Pasos de la conversión</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Seleccionar</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Asignar columnas</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Exportar</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  &amp;Anterior</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Spreadsheet contacts to vCard files in three steps</source>
        <translation>Contactos de hojas de cálculo a archivos vCard en tres pasos</translation>
    </message>
    <message>
        <source>Read the headers from another row</source>
        <translation>Leer los encabezados de otra fila</translation>
    </message>
    <message>
        <source>Act on the notice</source>
        <translation>Actuar sobre el aviso</translation>
    </message>
    <message>
        <source>Sen&amp;d to Address Book...</source>
        <translation>Enviar a la libreta de &amp;direcciones...</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Enviar a la libreta de direcciones</translation>
    </message>
    <message>
        <source>Sends the cards to a CardDAV address book (Nextcloud, Radicale and others), updating those sent before; says first what would change.</source>
        <translation>Envía las tarjetas a una libreta de direcciones CardDAV (Nextcloud, Radicale y otras), actualizando las enviadas antes; dice primero qué cambiaría.</translation>
    </message>
</context>
<context>
    <name>MapPage</name>
    <message>
        <source>Excel Fields</source>
        <translation>Campos de Excel</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>Campos de vCard</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>&amp;Match by Name</source>
        <translation>Por &amp;nombre</translation>
    </message>
    <message>
        <source>Match by Name</source>
        <translation>Asignar por nombre</translation>
    </message>
    <message>
        <source>Pairs every column whose header names a vCard field with that field. Pairs you have made stay as they are.</source>
        <translation>Asigna cada columna cuyo encabezado nombra un campo vCard a ese campo. Las parejas que usted haya hecho se mantienen.</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Campos asignados ( Excel --&gt; vCard )</translation>
    </message>
    <message>
        <source>Selected Fields, Excel to vCard</source>
        <translation>Campos asignados, de Excel a vCard</translation>
    </message>
    <message>
        <source>More &amp;Fields</source>
        <translation>Más &amp;campos</translation>
    </message>
    <message>
        <source>More Fields</source>
        <translation>Más campos</translation>
    </message>
    <message>
        <source>Written only when step 3&apos;s &quot;Import into&quot; names where the cards go; &quot;Any app&quot; leaves it out.</source>
        <translation>Solo se escribe cuando «Importar en» del paso 3 indica el destino; «Cualquier app» lo omite.</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Offers Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage and Photo after the other fields.</source>
        <translation>Ofrece Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage y Photo después de los demás campos.</translation>
    </message>
</context>
<context>
    <name>MapStep</name>
    <message>
        <source>%1 of %2 column matched by name</source>
        <translation>Columnas asignadas por nombre: %1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 columns matched by name</source>
        <translation>Columnas asignadas por nombre: %1 de %2</translation>
    </message>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Seleccione el campo vCard.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Seleccione el campo de Excel.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Seleccione el elemento entre los campos asignados.</translation>
    </message>
</context>
<context>
    <name>QtText</name>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>No se encontró «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened or read.</source>
        <translation>No se pudo abrir ni leer «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>«%1» está vacío.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password. Save it without one and load it again.</source>
        <translation>«%1» está protegido con contraseña. Guárdelo sin contraseña y cárguelo de nuevo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a format Quillmere does not read. Save it as .xlsx, .xls, .ods or .csv and load it again.</source>
        <translation>«%1» tiene un formato que Quillmere no lee. Guárdelo como .xlsx, .xls, .ods o .csv y cárguelo de nuevo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>«%1» está dañado y no se puede leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no worksheet.</source>
        <translation>«%1» no contiene ninguna hoja de cálculo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than Quillmere reads: it passes one of the limits that keep a damaged or hostile file from filling the memory.</source>
        <translation>«%1» es mayor de lo que Quillmere lee: supera uno de los límites que impiden que un archivo dañado u hostil llene la memoria.</translation>
    </message>
    <message>
        <source>(Part %1, row %2.)</source>
        <translation>(Parte %1, fila %2.)</translation>
    </message>
    <message>
        <source>(Part %1.)</source>
        <translation>(Parte %1.)</translation>
    </message>
    <message>
        <source>(Row %1.)</source>
        <translation>(Fila %1.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its row %2 of column headers is gone.</source>
        <translation>«%1» ha cambiado desde que se cargó: su fila %2 de encabezados de columna ya no está.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its column headers in row %2 are not the ones that were mapped.</source>
        <translation>«%1» ha cambiado desde que se cargó: sus encabezados de columna de la fila %2 no son los que se asignaron.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: fewer rows of contacts were found in it than were counted then.</source>
        <translation>«%1» ha cambiado desde que se cargó: tiene menos filas de contactos que las contadas entonces.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the readers&apos; refusals itself in any language but English.</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>Select Excel File :</source>
        <translation>Archivo Excel:</translation>
    </message>
    <message>
        <source>Select Excel File</source>
        <translation>Seleccionar archivo de Excel</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 Files (*.xlsx) &amp; CSV Files (*.csv)</source>
        <translation>Admite archivos de Excel 2003 (*.xls), Excel 2007, 2010, 2013 (*.xlsx) y CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Hoja:</translation>
    </message>
    <message>
        <source>Headers in row</source>
        <translation>Encabezados en la fila</translation>
    </message>
    <message>
        <source>Headers in &amp;row:</source>
        <translation>&amp;Fila de títulos:</translation>
    </message>
</context>
<context>
    <name>SelectStep</name>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (oculta)</translation>
    </message>
    <message>
        <source>Sheet: %1</source>
        <translation>Hoja: %1</translation>
    </message>
    <message>
        <source>Row 1 looks like a title: the headers seem to be in row %1.</source>
        <translation>La fila 1 parece un título: los encabezados parecen estar en la fila %1.</translation>
    </message>
    <message>
        <source>R&amp;ead the headers from row %1</source>
        <translation>L&amp;eer los encabezados de la fila %1</translation>
    </message>
    <message>
        <source>R&amp;ead them too, headed by their letters</source>
        <translation>L&amp;eerlas también, con su letra como nombre</translation>
    </message>
</context>
<context>
    <name>SinkErrorText</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>se ha agotado su cuota de disco</translation>
    </message>
    <message>
        <source>the file would grow too large for this disk or this system</source>
        <translation>el archivo sería demasiado grande para este disco o este sistema</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>no tiene permiso para escribir allí</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the folder does not exist (any more)</source>
        <translation>la carpeta no existe (o ya no existe)</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>la ruta es demasiado larga</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>el disco informó de un error</translation>
    </message>
    <message>
        <source>a folder of that name is there</source>
        <translation>ya hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation>ya hay un archivo con ese nombre</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the sink&apos;s failures itself in any language but English.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>The card is %1 KB, more than the %2 KB %3 takes for one contact; shorten its notes.</source>
        <translation>La tarjeta ocupa %1 KB, más de los %2 KB que %3 acepta por contacto; acorte sus notas.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: %2.</source>
        <translation>No se pudo crear la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2.</source>
        <translation>No se pudo crear «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>No se pudo escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved completely: %2.</source>
        <translation>No se pudo guardar «%1» por completo: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds every contact but could not be given its final name: %2.</source>
        <translation>«%1» contiene todos los contactos, pero no se le pudo dar su nombre definitivo: %2.</translation>
    </message>
</context>
<context>
    <name>UploadPlan</name>
    <message>
        <source>%1 new, %2 to update, %3 unchanged</source>
        <translation>%1 nuevos, %2 por actualizar, %3 sin cambios</translation>
    </message>
</context>
<context>
    <name>UploadReport</name>
    <message>
        <source>%1 created, %2 updated, %3 unchanged</source>
        <translation>%1 creados, %2 actualizados, %3 sin cambios</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, %1 rechazados</translation>
    </message>
    <message>
        <source>, %1 changed on the server and left as they are there</source>
        <translation>, %1 cambiados en el servidor y dejados como están allí</translation>
    </message>
    <message>
        <source>, %1 not sent</source>
        <translation>, %1 no enviados</translation>
    </message>
</context>
<context>
    <name>WizardSteps</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
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
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::KeyringPasswords</name>
    <message>
        <source>The desktop&apos;s keyring did not keep the password: %1</source>
        <translation>El llavero del escritorio no guardó la contraseña: %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Acerca de Quillmere</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmMain</name>
    <message>
        <source>Items Found: %1</source>
        <translation>Elementos encontrados: %1</translation>
    </message>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation>Asigne una columna de Excel a un campo vCard.</translation>
    </message>
    <message>
        <source>The user guide &quot;%1&quot; is missing. Installing Quillmere again puts it back.</source>
        <translation>Falta la guía del usuario «%1». Vuelva a instalar Quillmere para recuperarla.</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it?</source>
        <translation>Hay una conversión en curso. ¿Detenerla?</translation>
    </message>
    <message>
        <source>Convert Excel Contacts to vCard Files</source>
        <translation>Convertir contactos de Excel en archivos vCard</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Elija una ubicación de guardado</translation>
    </message>
    <message>
        <source>The conversion was stopped. %1 of %2 contacts were written to &quot;%3&quot;.</source>
        <translation>La conversión se detuvo. Se escribieron %1 de %2 contactos en «%3».</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>Los contactos se exportaron correctamente a archivos vCard.</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>¿Desea abrir la carpeta que los contiene? Haga clic en Sí o, si no, en No.</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Abrir la carpeta de destino</translation>
    </message>
    <message>
        <source>The reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>No contact was written to &quot;%1&quot;.</source>
        <translation>No se escribió ningún contacto en «%1».</translation>
    </message>
    <message>
        <source>No contact was written.</source>
        <translation>No se escribió ningún contacto.</translation>
    </message>
    <message>
        <source>Choose another saving location with Change... and convert again.</source>
        <translation>Elija otra ubicación con Cambiar... y vuelva a convertir.</translation>
    </message>
    <message>
        <source>Not every contact could be exported.</source>
        <translation>No se pudieron exportar todos los contactos.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts were written to &quot;%3&quot;; %4 were not.</source>
        <translation>Se escribieron %1 de %2 contactos en «%3»; %4 no.</translation>
    </message>
    <message>
        <source>Would you like to open the folder with the contacts that were written? Click Yes to open it, or No to choose another saving location with Change... and convert again.</source>
        <translation>¿Desea abrir la carpeta con los contactos escritos? Haga clic en Sí para abrirla o en No para elegir otra ubicación con Cambiar... y volver a convertir.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Informe guardado como %1</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.xls *.ods *.csv)</source>
        <translation>Hojas de cálculo (*.xlsx *.xls *.ods *.csv)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>%1 is a text file, not an Excel workbook: it was read as text</source>
        <translation>%1 es un archivo de texto, no un libro de Excel: se leyó como texto</translation>
    </message>
    <message>
        <source>All %1 contacts were written to &quot;%2&quot;, but the cards of %3 read back otherwise than their rows; Save Report... lists them.</source>
        <translation>Los %1 contactos se escribieron en «%2», pero las tarjetas de %3 se leen de otro modo que sus filas; Guardar informe... las enumera.</translation>
    </message>
    <message>
        <source>The first: %1</source>
        <translation>La primera: %1</translation>
    </message>
    <message>
        <source>Would you like to open the folder? Click Yes to open it, or No to stay here.</source>
        <translation>¿Desea abrir la carpeta? Pulse Sí para abrirla o No para quedarse aquí.</translation>
    </message>
    <message>
        <source>No program to show the user guide was found. Open &quot;%1&quot; with a web browser.</source>
        <translation>No se encontró ningún programa para mostrar la guía. Abra «%1» con un navegador web.</translation>
    </message>
    <message>
        <source>Photos written: %1; left out: %2.</source>
        <translation>Fotos escritas: %1; omitidas: %2.</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmPreview</name>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Anterior</translation>
    </message>
    <message>
        <source>Previous Row</source>
        <translation>Fila anterior</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>Next Row</source>
        <translation>Fila siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Card Preview</source>
        <translation>Vista previa de la tarjeta</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>No rows of contacts</source>
        <translation>No hay filas de contactos</translation>
    </message>
    <message>
        <source>The sheet has no rows of contacts below its header row.</source>
        <translation>La hoja no tiene filas de contactos debajo de su fila de encabezados.</translation>
    </message>
    <message>
        <source>Row %1 (%2 of %3)</source>
        <translation>Fila %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Ningún archivo</translation>
    </message>
    <message>
        <source>This row would not be converted: an e-mail address in it holds only spaces, and &quot;Allow Empty Email Addresses to be Imported&quot; is not ticked.</source>
        <translation>Esta fila no se convertiría: una de sus direcciones de correo electrónico solo contiene espacios y la opción «Permitir importar direcciones de correo vacías» no está marcada.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>The card cannot be shown</source>
        <translation>No se puede mostrar la tarjeta</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Sin foto</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 píxeles</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmSendToAddressBook</name>
    <message>
        <source>Server or address book</source>
        <translation>Servidor o libreta de direcciones</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Allow &amp;unencrypted HTTP to another computer</source>
        <translation>Permitir HTTP sin cifrar a otro e&amp;quipo</translation>
    </message>
    <message>
        <source>Allow unencrypted HTTP to another computer</source>
        <translation>Permitir HTTP sin cifrar a otro equipo</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Buscar libretas de direcciones</translation>
    </message>
    <message>
        <source>Find Address Books</source>
        <translation>Buscar libretas de direcciones</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Cards sent</source>
        <translation>Tarjetas enviadas</translation>
    </message>
    <message>
        <source>S&amp;end</source>
        <translation>E&amp;nviar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Enviar a la libreta de direcciones</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Contrase&amp;ña:</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>&amp;Libreta de direcciones:</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Buscando libretas de direcciones en %1...</translation>
    </message>
    <message>
        <source>Reading the address book&apos;s cards...</source>
        <translation>Leyendo las tarjetas de la libreta de direcciones...</translation>
    </message>
    <message>
        <source>%1. Nothing is sent until you press Send; nothing on the server is deleted.</source>
        <translation>%1. No se envía nada hasta que pulse Enviar; no se borra nada del servidor.</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Enviando...</translation>
    </message>
    <message>
        <source>Sent: %1.</source>
        <translation>Enviado: %1.</translation>
    </message>
    <message>
        <source>Cards to send: %1. Give the server and your account, then find the address book.</source>
        <translation>Tarjetas para enviar: %1. Indique el servidor y su cuenta, y luego busque la libreta de direcciones.</translation>
    </message>
    <message>
        <source>Address books found: %1. Check shows what sending would change.</source>
        <translation>Libretas de direcciones encontradas: %1. Comprobar muestra qué cambiaría el envío.</translation>
    </message>
    <message>
        <source>Photos sent: %1; left out: %2.</source>
        <translation>Fotos enviadas: %1; omitidas: %2.</translation>
    </message>
    <message>
        <source>First left out: row %1, %2.</source>
        <translation>Primera omitida: fila %1, %2.</translation>
    </message>
    <message>
        <source>&amp;Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Confiar en el certificado de este servidor con la huella &amp;mostrada</translation>
    </message>
    <message>
        <source>Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Confiar en el certificado de este servidor con la huella mostrada</translation>
    </message>
    <message>
        <source>If it is, tick &quot;%1&quot; and find the address books again.</source>
        <translation>Si lo es, marque «%1» y vuelva a buscar las libretas de direcciones.</translation>
    </message>
    <message>
        <source>&amp;Remember the password</source>
        <translation>&amp;Recordar la contraseña</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Recordar la contraseña</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report...</source>
        <translation>&amp;Guardar informe...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Address book report.csv</source>
        <translation>Informe de la libreta de direcciones.csv</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar el informe como «%1»: %2</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Informe guardado como %1</translation>
    </message>
</context>
</TS>
