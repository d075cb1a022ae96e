<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CardDavError</name>
    <message>
        <source>%1 did not accept the user name or password. Check both; accounts with two-step sign-in need an app password.</source>
        <translation>%1 não aceitou o nome de usuário ou a senha. Verifique os dois; contas com verificação em duas etapas precisam de uma senha de app.</translation>
    </message>
    <message>
        <source>%1 does not let this user change %2. Choose an address book of this account, or ask the server&apos;s administrator for access.</source>
        <translation>%1 não permite que este usuário altere %2. Escolha um catálogo de endereços desta conta ou peça acesso ao administrador do servidor.</translation>
    </message>
    <message>
        <source>There is no address book at %1. Check the address, or give just the server&apos;s address to list its address books.</source>
        <translation>Não há catálogo de endereços em %1. Verifique o endereço ou informe só o endereço do servidor para listar os catálogos de endereços dele.</translation>
    </message>
    <message>
        <source>%1 does not take this request at %2, so it is probably not an address book. Give the address book&apos;s own address, or just the server&apos;s.</source>
        <translation>%1 não aceita esta solicitação em %2, então provavelmente não é um catálogo de endereços. Informe o endereço do próprio catálogo de endereços ou só o do servidor.</translation>
    </message>
    <message>
        <source>The card at %1 was changed on the server since it was read, so it was left as the server has it. Check it there, then send again to see what is new.</source>
        <translation>O cartão em %1 foi alterado no servidor depois de lido, então ficou como o servidor o tem. Confira-o lá e envie de novo para ver o que há de novo.</translation>
    </message>
    <message>
        <source>%1 refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 recusou o cartão por ser grande demais. Encurte as notas ou outros valores longos da linha ou peça ao administrador para permitir cartões maiores.</translation>
    </message>
    <message>
        <source>%1 does not take cards in this form. Convert for &quot;Nextcloud and CardDAV&quot; in vCard 3.0 and send again.</source>
        <translation>%1 não aceita cartões nesta forma. Converta para “Nextcloud e CardDAV” em vCard 3.0 e envie de novo.</translation>
    </message>
    <message>
        <source>%1 has no room left for more cards. Free space in the account or ask its administrator for more, then send again: the cards already sent are kept.</source>
        <translation>%1 não tem mais espaço para cartões. Libere espaço na conta ou peça mais ao administrador e envie de novo: os cartões já enviados são mantidos.</translation>
    </message>
    <message>
        <source>%1 answered %2 to %3.</source>
        <translation>%1 respondeu %2 a %3.</translation>
    </message>
    <message>
        <source> It said: &quot;%1&quot;.</source>
        <translation> Ele disse: “%1”.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds. Check the connection and the address, then try again.</source>
        <translation>%1 não respondeu em %2 segundos. Verifique a conexão e o endereço e tente de novo.</translation>
    </message>
    <message>
        <source>%1 is a plain http:// address: the password and the contacts would cross the network unencrypted. Use https://, or allow unencrypted connections if the server is on your own network.</source>
        <translation>%1 é um endereço http:// sem criptografia: a senha e os contatos atravessariam a rede sem criptografia. Use https:// ou permita conexões sem criptografia se o servidor estiver na sua própria rede.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified: %2 Its SHA-256 fingerprint is %3. Trust it only if the server&apos;s administrator confirms this fingerprint.</source>
        <translation>Não foi possível verificar o certificado de %1: %2 A impressão digital SHA-256 dele é %3. Confie nele só se o administrador do servidor confirmar esta impressão digital.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2. Check the address and the connection.</source>
        <translation>Não foi possível acessar %1: %2. Verifique o endereço e a conexão.</translation>
    </message>
    <message>
        <source>%1 closed the connection twice while this card (%2 KB) was being sent, yet answers other requests: it probably refused the card as too large. Shorten the row&apos;s notes or other long values, or ask the administrator to allow larger cards.</source>
        <translation>%1 fechou a conexão duas vezes enquanto este cartão (%2 KB) era enviado, mas responde a outras solicitações: provavelmente recusou o cartão por ser grande demais. Encurte as notas ou outros valores longos da linha ou peça ao administrador para permitir cartões maiores.</translation>
    </message>
    <message>
        <source>%1 answers, but holds no address book for this user. Create one on the server, or give the address book&apos;s own address.</source>
        <translation>%1 responde, mas não tem catálogo de endereços para este usuário. Crie um no servidor ou informe o endereço do próprio catálogo de endereços.</translation>
    </message>
    <message>
        <source>%1 is not answering as a CardDAV server does (%2). Check that the address is the server&apos;s CardDAV address.</source>
        <translation>%1 não responde como um servidor CardDAV (%2). Verifique se o endereço é o endereço CardDAV do servidor.</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;.</source>
        <translation> O servidor disse: “%1”.</translation>
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
        <translation>Carregue-a novamente com Procurar... e confira o mapeamento.</translation>
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
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>dates not read: %1</source>
        <translation>datas não lidas: %1</translation>
    </message>
    <message>
        <source>values without a free field: %1</source>
        <translation>valores sem campo livre: %1</translation>
    </message>
    <message>
        <source>photos: %1</source>
        <translation>fotos: %1</translation>
    </message>
    <message>
        <source>rows without an e-mail address: %1</source>
        <translation>linhas sem endereço de e-mail: %1</translation>
    </message>
    <message>
        <source>cards that read back otherwise: %1</source>
        <translation>cartões relidos de outro modo: %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Deixado de fora: %1.</translation>
    </message>
    <message>
        <source>List them in a &amp;report</source>
        <translation>Listá-los em um &amp;relatório</translation>
    </message>
    <message>
        <source>Column %1 holds data but goes nowhere.</source>
        <translation>A coluna %1 tem dados que não vão a lugar nenhum.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but go nowhere.</source>
        <translation>As colunas %1 têm dados que não vão a lugar nenhum.</translation>
    </message>
    <message>
        <source>&amp;Back to the pairs</source>
        <translation>&amp;Voltar aos pares</translation>
    </message>
    <message>
        <source>Column %1 shows other digits than it stores: tick &quot;%2&quot; to write them as shown.</source>
        <translation>A coluna %1 mostra outros dígitos do que armazena: marque “%2” para gravá-los como mostrados.</translation>
    </message>
    <message>
        <source>Columns %1 show other digits than they store: tick &quot;%2&quot; to write them as shown.</source>
        <translation>As colunas %1 mostram outros dígitos do que armazenam: marque “%2” para gravá-los como mostrados.</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Permitir importar endereços de e-mail vazios</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Um único arquivo vCard</translation>
    </message>
    <message>
        <source>Keep Numbers as Shown in the Sheet</source>
        <translation>Manter os números como exibidos</translation>
    </message>
    <message>
        <source>Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) rather than as stored (1512345678).</source>
        <translation>Usa telefones, CEPs e datas como a planilha os exibe (0151 2345678), e não como estão armazenados (1512345678).</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(por padrão, um arquivo vCard por contato)</translation>
    </message>
    <message>
        <source>By default separate vCards are saved for every contact</source>
        <translation>Por padrão, um vCard separado é salvo para cada contato</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard versão 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard versão 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard versão 4.0</translation>
    </message>
    <message>
        <source>vCard 2.1 suits older phones and some desktop mail programs. CardDAV servers refuse it.</source>
        <translation>O vCard 2.1 serve para celulares antigos e alguns programas de e-mail para desktop. Servidores CardDAV o recusam.</translation>
    </message>
    <message>
        <source>vCard 3.0 suits most address books and both phone platforms, Android and iPhone.</source>
        <translation>O vCard 3.0 serve para a maioria dos catálogos de endereços e para as duas plataformas de celular, Android e iPhone.</translation>
    </message>
    <message>
        <source>vCard 4.0 suits the newest apps. The stock Android contacts app refuses it.</source>
        <translation>O vCard 4.0 serve para os aplicativos mais novos. O app de contatos padrão do Android o recusa.</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Contatos sem e-mail                           :</translation>
    </message>
    <message>
        <source>Number of Empty Email Contacts</source>
        <translation>Número de contatos sem e-mail</translation>
    </message>
    <message>
        <source>Empty Email Contacts Count</source>
        <translation>Contagem de contatos sem e-mail</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Contatos adicionados                         :</translation>
    </message>
    <message>
        <source>Number of Contacts Added</source>
        <translation>Número de contatos adicionados</translation>
    </message>
    <message>
        <source>Contacts Added Count</source>
        <translation>Contagem de contatos adicionados</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Progresso da exportação</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <source>Saving Location</source>
        <translation>Local de salvamento</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Alterar...</translation>
    </message>
    <message>
        <source>Change Saving Location</source>
        <translation>Alterar local de salvamento</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Visualizar...</translation>
    </message>
    <message>
        <source>Preview Card</source>
        <translation>Visualizar cartão</translation>
    </message>
    <message>
        <source>Shows the card a conversion would write for each row, with the mapping and options as they are now.</source>
        <translation>Mostra o cartão que uma conversão gravaria para cada linha, com o mapeamento e as opções atuais.</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Salvar relatório...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>Saves what happened to every row of the last conversion as a CSV file.</source>
        <translation>Salva em um arquivo CSV o que aconteceu com cada linha da última conversão.</translation>
    </message>
    <message>
        <source>Write Phone Numbers in International Form</source>
        <translation>Telefones no formato internacional</translation>
    </message>
    <message>
        <source>Write Phone Numbers in &amp;International Form</source>
        <translation>Telefones no formato &amp;internacional</translation>
    </message>
    <message>
        <source>Writes every phone and fax number as +49 151 23456789, reading numbers without a country code as numbers of the country chosen. A number that cannot be read stays as it is, and the report names it.</source>
        <translation>Escreve cada número de telefone e fax como +49 151 23456789; números sem código do país são lidos como números do país escolhido. Um número que não pode ser lido fica como está, e o relatório o indica.</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>Pa&amp;ís:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Country of the Phone Numbers</source>
        <translation>País dos números de telefone</translation>
    </message>
    <message>
        <source>Any app</source>
        <translation>Qualquer app</translation>
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
        <translation>Google Contatos</translation>
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
        <translation>Imp&amp;ortar em:</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importar em</translation>
    </message>
    <message>
        <source>Choosing where you will import the cards sets the vCard version and file mode that place reads best, and writes the forms it needs. You may still change the version and file mode afterwards. &quot;Any app&quot; writes the plain layout.</source>
        <translation>Escolher onde você importará os cartões define a versão do vCard e o modo de arquivo que esse destino lê melhor, e escreve as formas de que ele precisa. Você ainda pode mudar a versão e o modo de arquivo depois. &quot;Qualquer app&quot; escreve o formato simples.</translation>
    </message>
    <message>
        <source>Per fi&amp;le:</source>
        <translation>Por ar&amp;q.:</translation>
    </message>
    <message>
        <source>Contacts per file</source>
        <translation>Contatos por arquivo</translation>
    </message>
    <message>
        <source>At most this many contacts per file</source>
        <translation>No máximo tantos contatos por arquivo</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sem</translation>
    </message>
    <message>
        <source>With a single vCard file, puts at most this many contacts into each file: All Contacts 1.vcf, All Contacts 2.vcf, and so on.</source>
        <translation>Com um único arquivo vCard, coloca no máximo tantos contatos em cada arquivo: All Contacts 1.vcf, All Contacts 2.vcf e assim por diante.</translation>
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
        <translation>um arquivo</translation>
    </message>
    <message>
        <source>a file per contact</source>
        <translation>um arquivo por contato</translation>
    </message>
</context>
<context>
    <name>LoadNotice</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Column %1 holds data but is not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read it.</source>
        <translation>A coluna %1 contém dados, mas não é lida: os cabeçalhos terminam na primeira célula vazia da linha %2, %3. Preencha os cabeçalhos que faltam para lê-la.</translation>
    </message>
    <message>
        <source>Columns %1 hold data but are not read: the headers end at the first empty cell of row %2, %3. Fill in the missing headers to read them.</source>
        <translation>As colunas %1 contêm dados, mas não são lidas: os cabeçalhos terminam na primeira célula vazia da linha %2, %3. Preencha os cabeçalhos que faltam para lê-las.</translation>
    </message>
    <message>
        <source>Row %1 holds data but is not read: five empty rows in a row end the list of contacts. Remove the empty rows to read it.</source>
        <translation>A linha %1 contém dados, mas não é lida: cinco linhas vazias seguidas encerram a lista de contatos. Remova as linhas vazias para lê-la.</translation>
    </message>
    <message>
        <source>%1 rows (%2 to %3) hold data but are not read: five empty rows in a row end the list of contacts. Remove the empty rows to read them.</source>
        <translation>%1 linhas (%2 a %3) contêm dados, mas não são lidas: cinco linhas vazias seguidas encerram a lista de contatos. Remova as linhas vazias para lê-las.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Quillmere banner</source>
        <translation>Banner do Quillmere</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Barra de ferramentas principal</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Abrir arquivo do Excel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Conversion</source>
        <translation>&amp;Nova conversão</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Sobre o Quillmere</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Conversion Steps</source>
        <translation>Etapas da conversão</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Selecionar</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Mapear colunas</translation>
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
        <translation>&amp;Próximo &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Spreadsheet contacts to vCard files in three steps</source>
        <translation>Contatos de planilhas em arquivos vCard em três etapas</translation>
    </message>
    <message>
        <source>Read the headers from another row</source>
        <translation>Ler os cabeçalhos de outra linha</translation>
    </message>
    <message>
        <source>Act on the notice</source>
        <translation>Agir sobre o aviso</translation>
    </message>
    <message>
        <source>Sen&amp;d to Address Book...</source>
        <translation>Enviar ao catálogo de en&amp;dereços...</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Enviar ao catálogo de endereços</translation>
    </message>
    <message>
        <source>Sends the cards to a CardDAV address book (Nextcloud, Radicale and others), updating those sent before; says first what would change.</source>
        <translation>Envia os cartões a um catálogo de endereços CardDAV (Nextcloud, Radicale e outros), atualizando os enviados antes; diz primeiro o que mudaria.</translation>
    </message>
</context>
<context>
    <name>MapPage</name>
    <message>
        <source>Excel Fields</source>
        <translation>Campos do Excel</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>Campos do vCard</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>&amp;Match by Name</source>
        <translation>&amp;Mapear por nome</translation>
    </message>
    <message>
        <source>Match by Name</source>
        <translation>Mapear por nome</translation>
    </message>
    <message>
        <source>Pairs every column whose header names a vCard field with that field. Pairs you have made stay as they are.</source>
        <translation>Mapeia cada coluna cujo cabeçalho nomeia um campo do vCard para esse campo. Os pares que você criou ficam como estão.</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Campos mapeados ( Excel --&gt; vCard )</translation>
    </message>
    <message>
        <source>Selected Fields, Excel to vCard</source>
        <translation>Campos mapeados, do Excel para o vCard</translation>
    </message>
    <message>
        <source>More &amp;Fields</source>
        <translation>Mais &amp;campos</translation>
    </message>
    <message>
        <source>More Fields</source>
        <translation>Mais campos</translation>
    </message>
    <message>
        <source>Written only when step 3&apos;s &quot;Import into&quot; names where the cards go; &quot;Any app&quot; leaves it out.</source>
        <translation>Escrito só quando &quot;Importar em&quot; da etapa 3 indica o destino; &quot;Qualquer app&quot; o omite.</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 para %2</translation>
    </message>
    <message>
        <source>Offers Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage and Photo after the other fields.</source>
        <translation>Oferece Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, PagerNumber, PersonalHomePage e Photo depois dos outros campos.</translation>
    </message>
</context>
<context>
    <name>MapStep</name>
    <message>
        <source>%1 of %2 column matched by name</source>
        <translation>Colunas mapeadas por nome: %1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 columns matched by name</source>
        <translation>Colunas mapeadas por nome: %1 de %2</translation>
    </message>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Selecione o campo do vCard.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Selecione o campo do Excel.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Selecione o item entre os campos mapeados.</translation>
    </message>
</context>
<context>
    <name>QtText</name>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>“%1” não foi encontrado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened or read.</source>
        <translation>Não foi possível abrir ou ler “%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>“%1” está vazio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password. Save it without one and load it again.</source>
        <translation>“%1” está protegido por senha. Salve-o sem senha e carregue-o novamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a format Quillmere does not read. Save it as .xlsx, .xls, .ods or .csv and load it again.</source>
        <translation>“%1” está em um formato que o Quillmere não lê. Salve-o como .xlsx, .xls, .ods ou .csv e carregue-o novamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>“%1” está danificado e não pode ser lido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no worksheet.</source>
        <translation>“%1” não contém nenhuma planilha.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than Quillmere reads: it passes one of the limits that keep a damaged or hostile file from filling the memory.</source>
        <translation>“%1” é maior do que o Quillmere lê: ultrapassa um dos limites que impedem um arquivo danificado ou hostil de encher a memória.</translation>
    </message>
    <message>
        <source>(Part %1, row %2.)</source>
        <translation>(Parte %1, linha %2.)</translation>
    </message>
    <message>
        <source>(Part %1.)</source>
        <translation>(Parte %1.)</translation>
    </message>
    <message>
        <source>(Row %1.)</source>
        <translation>(Linha %1.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its row %2 of column headers is gone.</source>
        <translation>“%1” mudou desde que foi carregado: sua linha %2 de cabeçalhos de coluna não existe mais.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: its column headers in row %2 are not the ones that were mapped.</source>
        <translation>“%1” mudou desde que foi carregado: seus cabeçalhos de coluna na linha %2 não são os que foram associados.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since it was loaded: fewer rows of contacts were found in it than were counted then.</source>
        <translation>“%1” mudou desde que foi carregado: foram encontradas menos linhas de contatos do que as contadas antes.</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the readers&apos; refusals itself in any language but English.</extracomment>
        <translation>pt</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>Select Excel File :</source>
        <translation>Arquivo Excel:</translation>
    </message>
    <message>
        <source>Select Excel File</source>
        <translation>Selecionar arquivo do Excel</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 Files (*.xlsx) &amp; CSV Files (*.csv)</source>
        <translation>Suporta arquivos do Excel 2003 (*.xls), Excel 2007, 2010, 2013 (*.xlsx) e CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Planilha</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Pla&amp;nilha:</translation>
    </message>
    <message>
        <source>Headers in row</source>
        <translation>Cabeçalhos na linha</translation>
    </message>
    <message>
        <source>Headers in &amp;row:</source>
        <translation>&amp;Linha do cabeçalho:</translation>
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
        <translation>Planilha: %1</translation>
    </message>
    <message>
        <source>Row 1 looks like a title: the headers seem to be in row %1.</source>
        <translation>A linha 1 parece um título: os cabeçalhos parecem estar na linha %1.</translation>
    </message>
    <message>
        <source>R&amp;ead the headers from row %1</source>
        <translation>L&amp;er os cabeçalhos da linha %1</translation>
    </message>
    <message>
        <source>R&amp;ead them too, headed by their letters</source>
        <translation>L&amp;er essas também, com a letra como nome</translation>
    </message>
</context>
<context>
    <name>SinkErrorText</name>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>sua cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the file would grow too large for this disk or this system</source>
        <translation>o arquivo ficaria grande demais para este disco ou este sistema</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>você não tem permissão para gravar ali</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>the folder does not exist (any more)</source>
        <translation>a pasta não existe (mais)</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>o caminho é longo demais</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>o disco relatou um erro</translation>
    </message>
    <message>
        <source>a folder of that name is there</source>
        <translation>já existe uma pasta com esse nome</translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation>já existe um arquivo com esse nome</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language; the window words the sink&apos;s failures itself in any language but English.</extracomment>
        <translation>pt_BR</translation>
    </message>
    <message>
        <source>The card is %1 KB, more than the %2 KB %3 takes for one contact; shorten its notes.</source>
        <translation>O cartão tem %1 KB, mais que os %2 KB que %3 aceita por contato; encurte suas notas.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: %2.</source>
        <translation>Não foi possível criar a pasta “%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created: %2.</source>
        <translation>Não foi possível criar “%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>Não foi possível gravar “%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved completely: %2.</source>
        <translation>Não foi possível salvar “%1” por completo: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds every contact but could not be given its final name: %2.</source>
        <translation>“%1” contém todos os contatos, mas não pôde receber seu nome definitivo: %2.</translation>
    </message>
</context>
<context>
    <name>UploadPlan</name>
    <message>
        <source>%1 new, %2 to update, %3 unchanged</source>
        <translation>%1 novos, %2 a atualizar, %3 inalterados</translation>
    </message>
</context>
<context>
    <name>UploadReport</name>
    <message>
        <source>%1 created, %2 updated, %3 unchanged</source>
        <translation>%1 criados, %2 atualizados, %3 inalterados</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, %1 recusados</translation>
    </message>
    <message>
        <source>, %1 changed on the server and left as they are there</source>
        <translation>, %1 alterados no servidor e deixados como estão lá</translation>
    </message>
    <message>
        <source>, %1 not sent</source>
        <translation>, %1 não enviados</translation>
    </message>
</context>
<context>
    <name>WizardSteps</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Próximo &gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Conver&amp;t</source>
        <translation>Conver&amp;ter</translation>
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
        <translation>O chaveiro da área de trabalho não guardou a senha: %1</translation>
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
        <translation>Sobre o Quillmere</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmMain</name>
    <message>
        <source>Items Found: %1</source>
        <translation>Itens encontrados: %1</translation>
    </message>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation>Mapeie uma coluna do Excel para um campo do vCard.</translation>
    </message>
    <message>
        <source>The user guide &quot;%1&quot; is missing. Installing Quillmere again puts it back.</source>
        <translation>O guia do usuário &quot;%1&quot; não foi encontrado. Reinstalar o Quillmere o restaura.</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it?</source>
        <translation>Uma conversão está em andamento. Interromper?</translation>
    </message>
    <message>
        <source>Convert Excel Contacts to vCard Files</source>
        <translation>Converter contatos do Excel em arquivos vCard</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Escolha um local de salvamento</translation>
    </message>
    <message>
        <source>The conversion was stopped. %1 of %2 contacts were written to &quot;%3&quot;.</source>
        <translation>A conversão foi interrompida. %1 de %2 contatos foram gravados em &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>Os contatos foram exportados para arquivos vCard com sucesso.</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Deseja abrir a pasta que os contém? Clique em Sim ou, caso contrário, em Não.</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Abrir pasta de destino</translation>
    </message>
    <message>
        <source>The reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>No contact was written to &quot;%1&quot;.</source>
        <translation>Nenhum contato foi gravado em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No contact was written.</source>
        <translation>Nenhum contato foi gravado.</translation>
    </message>
    <message>
        <source>Choose another saving location with Change... and convert again.</source>
        <translation>Escolha outro local com Alterar... e converta novamente.</translation>
    </message>
    <message>
        <source>Not every contact could be exported.</source>
        <translation>Nem todos os contatos puderam ser exportados.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts were written to &quot;%3&quot;; %4 were not.</source>
        <translation>%1 de %2 contatos foram gravados em &quot;%3&quot;; %4 não.</translation>
    </message>
    <message>
        <source>Would you like to open the folder with the contacts that were written? Click Yes to open it, or No to choose another saving location with Change... and convert again.</source>
        <translation>Deseja abrir a pasta com os contatos gravados? Clique em Sim para abri-la ou em Não para escolher outro local com Alterar... e converter novamente.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Arquivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Relatório salvo como %1</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.xls *.ods *.csv)</source>
        <translation>Planilhas (*.xlsx *.xls *.ods *.csv)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>Não foi possível ler &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 is a text file, not an Excel workbook: it was read as text</source>
        <translation>%1 é um arquivo de texto, não uma pasta de trabalho do Excel: foi lido como texto</translation>
    </message>
    <message>
        <source>All %1 contacts were written to &quot;%2&quot;, but the cards of %3 read back otherwise than their rows; Save Report... lists them.</source>
        <translation>Todos os %1 contatos foram escritos em &quot;%2&quot;, mas os cartões de %3 são lidos de volta diferentes de suas linhas; Salvar relatório... os lista.</translation>
    </message>
    <message>
        <source>The first: %1</source>
        <translation>O primeiro: %1</translation>
    </message>
    <message>
        <source>Would you like to open the folder? Click Yes to open it, or No to stay here.</source>
        <translation>Deseja abrir a pasta? Clique em Sim para abri-la ou em Não para ficar aqui.</translation>
    </message>
    <message>
        <source>No program to show the user guide was found. Open &quot;%1&quot; with a web browser.</source>
        <translation>Nenhum programa para mostrar o guia foi encontrado. Abra “%1” com um navegador web.</translation>
    </message>
    <message>
        <source>Photos written: %1; left out: %2.</source>
        <translation>Fotos gravadas: %1; deixadas de fora: %2.</translation>
    </message>
</context>
<context>
    <name>quillmere::ui::frmPreview</name>
    <message>
        <source>Row</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Anterior</translation>
    </message>
    <message>
        <source>Previous Row</source>
        <translation>Linha anterior</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Próxima &gt;</translation>
    </message>
    <message>
        <source>Next Row</source>
        <translation>Próxima linha</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Card Preview</source>
        <translation>Visualização do cartão</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartão</translation>
    </message>
    <message>
        <source>No rows of contacts</source>
        <translation>Nenhuma linha de contatos</translation>
    </message>
    <message>
        <source>The sheet has no rows of contacts below its header row.</source>
        <translation>A planilha não tem linhas de contatos abaixo da linha de cabeçalho.</translation>
    </message>
    <message>
        <source>Row %1 (%2 of %3)</source>
        <translation>Linha %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Nenhum arquivo</translation>
    </message>
    <message>
        <source>This row would not be converted: an e-mail address in it holds only spaces, and &quot;Allow Empty Email Addresses to be Imported&quot; is not ticked.</source>
        <translation>Esta linha não seria convertida: um endereço de e-mail nela contém apenas espaços, e a opção &quot;Permitir importar endereços de e-mail vazios&quot; não está marcada.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>The card cannot be shown</source>
        <translation>Não é possível mostrar o cartão</translation>
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
        <translation>Sem foto</translation>
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
        <translation>Servidor ou catálogo de endereços</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Allow &amp;unencrypted HTTP to another computer</source>
        <translation>Permitir HTTP sem criptografia para outro comp&amp;utador</translation>
    </message>
    <message>
        <source>Allow unencrypted HTTP to another computer</source>
        <translation>Permitir HTTP sem criptografia para outro computador</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Encontrar catálogos de endereços</translation>
    </message>
    <message>
        <source>Find Address Books</source>
        <translation>Encontrar catálogos de endereços</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Catálogo de endereços</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Cards sent</source>
        <translation>Cartões enviados</translation>
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
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Send to Address Book</source>
        <translation>Enviar ao catálogo de endereços</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Usuário:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Se&amp;nha:</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>&amp;Catálogo de endereços:</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Procurando catálogos de endereços em %1...</translation>
    </message>
    <message>
        <source>Reading the address book&apos;s cards...</source>
        <translation>Lendo os cartões do catálogo de endereços...</translation>
    </message>
    <message>
        <source>%1. Nothing is sent until you press Send; nothing on the server is deleted.</source>
        <translation>%1. Nada é enviado até você pressionar Enviar; nada no servidor é apagado.</translation>
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
        <translation>Cartões a enviar: %1. Informe o servidor e sua conta e depois encontre o catálogo de endereços.</translation>
    </message>
    <message>
        <source>Address books found: %1. Check shows what sending would change.</source>
        <translation>Catálogos de endereços encontrados: %1. Verificar mostra o que o envio mudaria.</translation>
    </message>
    <message>
        <source>Photos sent: %1; left out: %2.</source>
        <translation>Fotos enviadas: %1; deixadas de fora: %2.</translation>
    </message>
    <message>
        <source>First left out: row %1, %2.</source>
        <translation>Primeira deixada de fora: linha %1, %2.</translation>
    </message>
    <message>
        <source>&amp;Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Confiar no certificado deste servidor com a &amp;impressão digital mostrada</translation>
    </message>
    <message>
        <source>Trust this server&apos;s certificate with the fingerprint shown</source>
        <translation>Confiar no certificado deste servidor com a impressão digital mostrada</translation>
    </message>
    <message>
        <source>If it is, tick &quot;%1&quot; and find the address books again.</source>
        <translation>Se for, marque “%1” e procure os catálogos de endereços de novo.</translation>
    </message>
    <message>
        <source>&amp;Remember the password</source>
        <translation>&amp;Lembrar a senha</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Lembrar a senha</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report...</source>
        <translation>Salvar &amp;relatório...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>Address book report.csv</source>
        <translation>Relatório do catálogo de endereços.csv</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Arquivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar o relatório como “%1”: %2</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <translation>Relatório salvo como %1</translation>
    </message>
</context>
</TS>
