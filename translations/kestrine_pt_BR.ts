<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>it is a symbolic link that another user made in %1, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>é um link simbólico que outro usuário criou em %1, uma pasta em que todos podem gravar, por isso o Kestrine não o segue</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link that another user made in %2, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>sua pasta %1 é um link simbólico que outro usuário criou em %2, uma pasta em que todos podem gravar, por isso o Kestrine não o segue</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Your profiles and the directory database are kept in
%1</source>
        <translation>Seus perfis e a base de dados de diretórios ficam guardados em
%1</translation>
    </message>
    <message>
        <source>About Kestrine</source>
        <translation>Sobre o Kestrine</translation>
    </message>
</context>
<context>
    <name>CAssistantStatus</name>
    <message numerus="yes">
        <source>%n results pending</source>
        <translation>
            <numerusform>%n resultado pendente</numerusform>
            <numerusform>%n resultados pendentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result pending</source>
        <translation>
            <numerusform>%n resultado pendente</numerusform>
            <numerusform>%n resultados pendentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>CBrowserCtrl</name>
    <message>
        <source>This page stopped working. Choose the directory again to reload it.</source>
        <translation>Esta página parou de funcionar. Escolha o diretório novamente para recarregá-la.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
</context>
<context>
    <name>CBrowserTab</name>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Preenchido</translation>
    </message>
    <message>
        <source>Submitted, waiting for the result page</source>
        <translation>Enviado, aguardando a página de resultado</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Not confirmed by the result page</source>
        <translation>Não confirmado pela página de resultado</translation>
    </message>
    <message>
        <source>Opened again: it had been filled for another profile, or by rules that changed since.</source>
        <translation>Aberta novamente: tinha sido preenchida para outro perfil ou por regras que mudaram desde então.</translation>
    </message>
    <message>
        <source>Its page waits for an answer: it asks again when you come to this tab.</source>
        <translation>A página aguarda uma resposta: ela pergunta novamente quando você voltar a esta aba.</translation>
    </message>
</context>
<context>
    <name>CBrowserTabs</name>
    <message>
        <source>Close &amp;Tab</source>
        <translation>&amp;Fechar aba</translation>
    </message>
    <message>
        <source>Pre&amp;vious Tab</source>
        <translation>Aba &amp;anterior</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Próxima aba</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>e-mail de confirmação recebido</translation>
    </message>
</context>
<context>
    <name>CConfirmationMails</name>
    <message>
        <source>Confirmation mails: %1</source>
        <translation>E-mails de confirmação: %1</translation>
    </message>
    <message>
        <source>1 confirmation mail waiting</source>
        <translation>1 e-mail de confirmação aguardando</translation>
    </message>
    <message numerus="yes">
        <source>%n confirmation mails waiting</source>
        <translation>
            <numerusform>%n e-mail de confirmação aguardando</numerusform>
            <numerusform>%n e-mails de confirmação aguardando</numerusform>
        </translation>
    </message>
    <message>
        <source>No confirmation mails waiting</source>
        <translation>Nenhum e-mail de confirmação aguardando</translation>
    </message>
    <message>
        <source>Open Confirmation &amp;Link</source>
        <translation>Abrir &amp;link de confirmação</translation>
    </message>
</context>
<context>
    <name>CConfirmationMailsDlg</name>
    <message>
        <source>Confirmation Mails</source>
        <translation>E-mails de confirmação</translation>
    </message>
    <message>
        <source>Many directories list a feed only after you click a link they send by e-mail. Kestrine looks for these mails for two days after each submission, while its window is open, and offers their links. Leave the server empty to turn this off.</source>
        <translation>Muitos diretórios só publicam um feed depois que você clica em um link que eles enviam por e-mail. O Kestrine procura esses e-mails por dois dias após cada envio, enquanto sua janela estiver aberta, e oferece os links. Deixe o servidor vazio para desativar.</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Pasta:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inalterada</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in kestrine.conf.</source>
        <translation>Guardada no chaveiro da área de trabalho, nunca em kestrine.conf.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Sen&amp;ha:</translation>
    </message>
    <message>
        <source>A command that prints the password, such as &quot;pass show mail&quot;, used instead of the secret store.</source>
        <translation>Um comando que imprime a senha, como “pass show mail”, usado no lugar do chaveiro.</translation>
    </message>
    <message>
        <source>Password &amp;command:</source>
        <translation>&amp;Comando da senha:</translation>
    </message>
    <message>
        <source>The server must be an imaps:// or imap:// address, as in imaps://mail.example.org or imap://mail.example.org:143.</source>
        <translation>O servidor deve ser um endereço imaps:// ou imap://, como imaps://mail.example.org ou imap://mail.example.org:143.</translation>
    </message>
    <message>
        <source>Give the user name the mail server knows you by.</source>
        <translation>Informe o nome de usuário pelo qual o servidor de e-mail conhece você.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Não foi possível guardar a senha: %1</translation>
    </message>
</context>
<context>
    <name>CCurrentProfile</name>
    <message>
        <source>Kestrine could not save your profiles to sv.dat: %1. Fix the problem and close the window again, or choose File &gt; Exit to quit without saving.</source>
        <translation>O Kestrine não pôde salvar seus perfis em sv.dat: %1. Corrija o problema e feche a janela novamente, ou escolha Arquivo &gt; Sair para sair sem salvar.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Kestrine cannot save your profiles: %1. You can go on working, but changes to your profiles and the directories marked as sent will be lost when Kestrine closes.</source>
        <translation>O Kestrine não consegue salvar seus perfis: %1. Você pode continuar trabalhando, mas as alterações nos seus perfis e os diretórios marcados como enviados serão perdidos quando o Kestrine for fechado.</translation>
    </message>
</context>
<context>
    <name>CDatabaseSourceDlg</name>
    <message>
        <source>Database Source</source>
        <translation>Origem da base de dados</translation>
    </message>
    <message>
        <source>Update RSS Directory Database downloads the directory database from this address (http or https):</source>
        <translation>“Atualizar base de dados de diretórios RSS” baixa a base de dados de diretórios deste endereço (http ou https):</translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckController</name>
    <message>
        <source>Repair Directory</source>
        <translation>Reparar diretório</translation>
    </message>
    <message>
        <source>Check Directories</source>
        <translation>Verificar diretórios</translation>
    </message>
    <message>
        <source>Only the Others</source>
        <translation>Só os outros</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Verificar todos</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>Não foi possível iniciar a verificação.</translation>
    </message>
    <message>
        <source>The results could not be kept in history.sqlite: %1.</source>
        <translation>Não foi possível guardar os resultados em history.sqlite: %1.</translation>
    </message>
    <message>
        <source>The check could not run: libcurl is missing.</source>
        <translation>Não foi possível fazer a verificação: libcurl não está disponível.</translation>
    </message>
    <message>
        <source>The directory database %1 could not be read.</source>
        <translation>Não foi possível ler a base de dados de diretórios %1.</translation>
    </message>
    <message>
        <source>Please choose the directory to repair in the list first.</source>
        <translation>Escolha primeiro na lista o diretório a reparar.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. %1 has not been checked yet.</source>
        <translation>“Reparar” serve para os diretórios que Diretório &gt; Verificar diretórios encontrou movidos ou com o formulário alterado. %1 ainda não foi verificado.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. The last check of %1 found: %2</source>
        <translation>“Reparar” serve para os diretórios que Diretório &gt; Verificar diretórios encontrou movidos ou com o formulário alterado. A última verificação de %1 encontrou: %2</translation>
    </message>
    <message>
        <source>The page of %1 cannot be opened: %2 is not a web address.</source>
        <translation>Não é possível abrir a página de %1: %2 não é um endereço web.</translation>
    </message>
    <message>
        <source>The page of %1 did not load. Try Directory &gt; Repair again later.</source>
        <translation>A página de %1 não carregou. Tente Diretório &gt; Reparar novamente mais tarde.</translation>
    </message>
    <message numerus="yes">
        <source>%n of the directories were checked in the last 7 days. Check them again, or only the others?</source>
        <translation>
            <numerusform>%n diretório foi verificado nos últimos 7 dias. Verificar todos novamente ou só os outros?</numerusform>
            <numerusform>%n diretórios foram verificados nos últimos 7 dias. Verificar todos novamente ou só os outros?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckDialog</name>
    <message>
        <source>Check Directories</source>
        <translation>Verificar diretórios</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Reading the directories…</source>
        <translation>Lendo os diretórios…</translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directories.</source>
        <translation>
            <numerusform>%n diretório verificado.</numerusform>
            <numerusform>%n diretórios verificados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n checked in the last 7 days were left out.</source>
        <translation>
            <numerusform>%n diretório verificado nos últimos 7 dias foi deixado de fora.</numerusform>
            <numerusform>%n diretórios verificados nos últimos 7 dias foram deixados de fora.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directory.</source>
        <translation>
            <numerusform>%n diretório verificado.</numerusform>
            <numerusform>%n diretórios verificados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %1 of %n directories</source>
        <translation>
            <numerusform>%1 de %n diretório verificado</numerusform>
            <numerusform>%1 de %n diretórios verificados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2. Resume goes on where the check stopped.</source>
        <extracomment>%1 is the number of directories checked, %2 how many there are (&quot;12 directories&quot;); the noun may go with either, as the language wants it.</extracomment>
        <translation>Cancelado após %1 de %2. “Retomar” continua de onde a verificação parou.</translation>
    </message>
    <message numerus="yes">
        <source>%n</source>
        <comment>the directories checked before the check was cancelled</comment>
        <translation>
            <numerusform>%n</numerusform>
            <numerusform>%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directories</source>
        <comment>all the directories of the cancelled check</comment>
        <translation>
            <numerusform>%n diretório</numerusform>
            <numerusform>%n diretórios</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCommands</name>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>Open &amp;Address…</source>
        <translation>Abrir e&amp;ndereço…</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Next unsent</source>
        <translation>&amp;Próximo a enviar</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Diretório</translation>
    </message>
    <message>
        <source>&amp;Add This Page…</source>
        <translation>Adicionar es&amp;ta página…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Copy to My Directories</source>
        <translation>&amp;Copiar para meus diretórios</translation>
    </message>
    <message>
        <source>Open Address</source>
        <translation>Abrir endereço</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Kestrine cannot read your own directories in %1, so the list shows only those of the directory database. Kestrine leaves the file as it is: correct it or move it away, then start Kestrine again.</source>
        <translation>O Kestrine não consegue ler seus próprios diretórios em %1, por isso a lista mostra apenas os da base de dados de diretórios. O Kestrine deixa o arquivo como está: corrija-o ou mova-o para outro lugar e inicie o Kestrine novamente.</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Adicionar diretório</translation>
    </message>
    <message>
        <source>Please wait until the page has loaded, then add it again.</source>
        <translation>Aguarde até a página terminar de carregar e adicione-a novamente.</translation>
    </message>
    <message>
        <source>This page has no form fields to fill. Open the directory&apos;s submission page and try again.</source>
        <translation>Esta página não tem campos de formulário para preencher. Abra a página de envio do diretório e tente novamente.</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Editar diretório</translation>
    </message>
    <message>
        <source>Please choose the directory to edit in the list first.</source>
        <translation>Escolha primeiro na lista o diretório a editar.</translation>
    </message>
    <message>
        <source>%1 comes with the directory database. Choose Directory &gt; Copy to My Directories to make it your own, then edit it.</source>
        <translation>%1 vem com a base de dados de diretórios. Escolha Diretório &gt; Copiar para meus diretórios para torná-lo seu e depois edite-o.</translation>
    </message>
    <message>
        <source>Remove Directory</source>
        <translation>Remover diretório</translation>
    </message>
    <message>
        <source>Please choose one of your own directories in the list first. Directories of the directory database cannot be removed.</source>
        <translation>Escolha primeiro na lista um dos seus próprios diretórios. Os diretórios da base de dados de diretórios não podem ser removidos.</translation>
    </message>
    <message>
        <source>Remove %1 from your directories?</source>
        <translation>Remover %1 dos seus diretórios?</translation>
    </message>
    <message>
        <source>Removed %1 from your directories.</source>
        <translation>%1 foi removido dos seus diretórios.</translation>
    </message>
    <message>
        <source>Copy to My Directories</source>
        <translation>Copiar para meus diretórios</translation>
    </message>
    <message>
        <source>Please choose a directory of the directory database in the list first.</source>
        <translation>Escolha primeiro na lista um diretório da base de dados de diretórios.</translation>
    </message>
    <message>
        <source>%1 is now one of your directories: Directory &gt; Edit… changes it, updates of the database leave it alone.</source>
        <translation>%1 agora é um dos seus diretórios: Diretório &gt; Editar… o altera, e as atualizações da base de dados não mexem nele.</translation>
    </message>
    <message>
        <source>You already have a directory named %1. Replace it?</source>
        <translation>Você já tem um diretório chamado %1. Substituí-lo?</translation>
    </message>
    <message>
        <source>The directory database has a directory named %1. Yours will take its place in the list. Go on?</source>
        <translation>A base de dados de diretórios tem um diretório chamado %1. O seu tomará o lugar dele na lista. Continuar?</translation>
    </message>
    <message>
        <source>Saved %1 to your directories.</source>
        <translation>%1 foi salvo nos seus diretórios.</translation>
    </message>
    <message>
        <source>Kestrine cannot save your directories: %1.</source>
        <translation>O Kestrine não consegue salvar seus diretórios: %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Kestrine could not save your directories to mydirs.xml: %1.</source>
        <translation>O Kestrine não pôde salvar seus diretórios em mydirs.xml: %1.</translation>
    </message>
    <message>
        <source>Confirmation text</source>
        <translation>Texto de confirmação</translation>
    </message>
    <message>
        <source>Kestrine does not know yet how &quot;%1&quot; confirms a submission.
If this page confirms yours, keep or change the text below: Kestrine will look for it after later submissions and marks the directory sent now.</source>
        <translation>O Kestrine ainda não sabe como “%1” confirma um envio.
Se esta página confirma o seu, mantenha ou altere o texto abaixo: o Kestrine vai procurá-lo após os próximos envios e marca o diretório como enviado agora.</translation>
    </message>
    <message>
        <source>Find &amp;directory</source>
        <translation>&amp;Localizar diretório</translation>
    </message>
</context>
<context>
    <name>CDirectoryEditorDlg</name>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Adicionar diretório</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Editar diretório</translation>
    </message>
    <message>
        <source>A new name keeps the directory&apos;s sent marks, for every profile.</source>
        <translation>Um novo nome mantém as marcas de enviado do diretório, para todos os perfis.</translation>
    </message>
    <message>
        <source>Optional: a text the page shows after a successful submission</source>
        <translation>Opcional: um texto que a página mostra após um envio bem-sucedido</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Submission page:</source>
        <translation>&amp;Página de envio:</translation>
    </message>
    <message>
        <source>&amp;Confirmation text:</source>
        <translation>&amp;Texto de confirmação:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>The page says</source>
        <translation>A página diz</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Fill with</source>
        <translation>Preencher com</translation>
    </message>
    <message>
        <source>Only ticked fields are filled. Kestrine is &quot;not sure&quot; of some: their best guess is chosen but not ticked.</source>
        <translation>Só os campos marcados são preenchidos. Alguns aparecem como “sem certeza”: o melhor palpite do Kestrine é escolhido, mas não marcado.</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>sem certeza</translation>
    </message>
    <message>
        <source>Please enter the address of the directory&apos;s submission page.</source>
        <translation>Digite o endereço da página de envio do diretório.</translation>
    </message>
    <message>
        <source>Fields of the page</source>
        <translation>Campos da página</translation>
    </message>
    <message>
        <source>The submission page must be a web address beginning with http:// or https://.</source>
        <translation>A página de envio deve ser um endereço web que comece com http:// ou https://.</translation>
    </message>
</context>
<context>
    <name>CDirectoryEntryDelegate</name>
    <message>
        <source> (mine)</source>
        <translation> (meu)</translation>
    </message>
</context>
<context>
    <name>CDirectoryListCommands</name>
    <message numerus="yes">
        <source>%n directories</source>
        <translation>
            <numerusform>%n diretório</numerusform>
            <numerusform>%n diretórios</numerusform>
        </translation>
    </message>
    <message>
        <source>Directory lists (*.xml);;All files (*)</source>
        <translation>Listas de diretórios (*.xml);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>&amp;Import Directories…</source>
        <translation>&amp;Importar diretórios…</translation>
    </message>
    <message>
        <source>Export &amp;My Directories…</source>
        <translation>Exportar &amp;meus diretórios…</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importar diretórios</translation>
    </message>
    <message>
        <source>%1 holds no directory you do not have already.</source>
        <translation>%1 não contém nenhum diretório que você ainda não tenha.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>Importados: %1.</translation>
    </message>
    <message>
        <source>Export My Directories</source>
        <translation>Exportar meus diretórios</translation>
    </message>
    <message>
        <source>You have no directories of your own yet. Directory &gt; Add This Page… makes one from a directory&apos;s submission page.</source>
        <translation>Você ainda não tem diretórios próprios. Diretório &gt; Adicionar esta página… cria um a partir da página de envio de um diretório.</translation>
    </message>
    <message>
        <source>Kestrine could not write %1: %2.</source>
        <translation>O Kestrine não pôde gravar %1: %2.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>Gravados em %2: %1.</translation>
    </message>
    <message>
        <source>Directory Lists</source>
        <translation>Listas de diretórios</translation>
    </message>
    <message numerus="yes">
        <source>%n directory</source>
        <translation>
            <numerusform>%n diretório</numerusform>
            <numerusform>%n diretórios</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryListModel</name>
    <message>
        <source>One of your own directories, kept in mydirs.xml</source>
        <translation>Um dos seus próprios diretórios, guardado em mydirs.xml</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>não enviado</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>fora do ar</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>não verificado</translation>
    </message>
    <message>
        <source>one of your own</source>
        <translation>um dos seus diretórios</translation>
    </message>
    <message>
        <source>Its confirmation mail has arrived: Enter opens the link</source>
        <translation>O e-mail de confirmação chegou: Enter abre o link</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>e-mail de confirmação recebido</translation>
    </message>
</context>
<context>
    <name>CDirectoryListPanel</name>
    <message>
        <source>Next unsent</source>
        <translation>Próximo a enviar</translation>
    </message>
    <message>
        <source>Search directories</source>
        <translation>Pesquisar diretórios</translation>
    </message>
    <message>
        <source>Unsent only</source>
        <translation>Só não enviados</translation>
    </message>
    <message>
        <source>Hide unreachable</source>
        <translation>Ocultar inacessíveis</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Crie um perfil primeiro!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Mark as sent</source>
        <translation>Marcar como enviado</translation>
    </message>
    <message>
        <source>Mark as not sent</source>
        <translation>Marcar como não enviado</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Diretórios</translation>
    </message>
    <message>
        <source>Arrow keys open a directory&apos;s page beside the list; Enter goes into the page</source>
        <translation>As teclas de seta abrem a página de um diretório ao lado da lista; Enter entra na página</translation>
    </message>
    <message>
        <source>Search directories by name</source>
        <translation>Pesquisar diretórios pelo nome</translation>
    </message>
</context>
<context>
    <name>CEmptyListHint</name>
    <message>
        <source>&lt;p&gt;There are no directories yet. To get some:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ainda não há diretórios. Para obter alguns:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CExportDirectoriesDlg</name>
    <message>
        <source>Export My Directories</source>
        <translation>Exportar meus diretórios</translation>
    </message>
    <message>
        <source>Your directories to write to a list that others can import:</source>
        <translation>Seus diretórios a gravar em uma lista que outras pessoas podem importar:</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>Your directories</source>
        <translation>Seus diretórios</translation>
    </message>
</context>
<context>
    <name>CFeedCheckCommands</name>
    <message>
        <source>Please choose a profile first: the check reads its RSS feed URL.</source>
        <translation>Escolha um perfil primeiro: a verificação lê a URL do feed RSS dele.</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Verificar feed</translation>
    </message>
</context>
<context>
    <name>CFeedCheckDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, the newest of %3</source>
        <translation>%1, %2, o mais recente de %3</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Verificar feed</translation>
    </message>
    <message>
        <source>Use this feed</source>
        <translation>Usar este feed</translation>
    </message>
    <message>
        <source>Use title and description</source>
        <translation>Usar título e descrição</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checking %1 …</source>
        <translation>Verificando %1 …</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>Não foi possível iniciar a verificação.</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>O feed pode ser usado.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Título: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Descrição: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>Categories: %1</source>
        <translation>Categorias: %1</translation>
    </message>
    <message>
        <source>Use category</source>
        <translation>Usar categoria</translation>
    </message>
</context>
<context>
    <name>CHelpPages</name>
    <message>
        <source>You have no profile yet.</source>
        <translation>Você ainda não tem nenhum perfil.</translation>
    </message>
    <message numerus="yes">
        <source>You have %n profiles; the current one is %1.</source>
        <translation>
            <numerusform>Você tem %n perfil; o atual é %1.</numerusform>
            <numerusform>Você tem %n perfis; o atual é %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>The directory list is being read.</source>
        <translation>A lista de diretórios está sendo lida.</translation>
    </message>
    <message>
        <source>The directory list is empty: add directories as below.</source>
        <translation>A lista de diretórios está vazia: adicione diretórios como indicado abaixo.</translation>
    </message>
    <message numerus="yes">
        <source>%n directories in the list.</source>
        <translation>
            <numerusform>%n diretório na lista.</numerusform>
            <numerusform>%n diretórios na lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have %n profile; the current one is %1.</source>
        <translation>
            <numerusform>Você tem %n perfil; o atual é %1.</numerusform>
            <numerusform>Você tem %n perfis; o atual é %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory in the list.</source>
        <translation>
            <numerusform>%n diretório na lista.</numerusform>
            <numerusform>%n diretórios na lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them sent for %1.</source>
        <translation>
            <numerusform>Destes, %n enviado para %1.</numerusform>
            <numerusform>Destes, %n enviados para %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Histórico</translation>
    </message>
    <message>
        <source>Kestrine cannot keep the submission history in history.sqlite: %1. It carries on without it; sent marks are kept in sv.dat as before.</source>
        <translation>O Kestrine não consegue guardar o histórico de envios em history.sqlite: %1. Ele continua sem o histórico; as marcas de enviado são guardadas em sv.dat como antes.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Exportar relatório</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Kestrine could not write the report: %1.</source>
        <translation>O Kestrine não pôde gravar o relatório: %1.</translation>
    </message>
    <message>
        <source>The report was written without the history, which cannot be read: %1. Its statuses come from sv.dat alone and it has no dates.</source>
        <translation>O relatório foi gravado sem o histórico, que não pode ser lido: %1. Os status vêm apenas de sv.dat e não há datas.</translation>
    </message>
    <message>
        <source>Kestrine cannot write the submission history to history.sqlite for now: %1. Another program keeps the file locked; the events wait and are written as soon as it is free.</source>
        <translation>O Kestrine não consegue gravar o histórico de envios em history.sqlite no momento: %1. Outro programa mantém o arquivo bloqueado; os eventos aguardam e são gravados assim que ele for liberado.</translation>
    </message>
    <message>
        <source>Export &amp;Report…</source>
        <translation>Exportar &amp;relatório…</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>&amp;Directory:</source>
        <translation>&amp;Diretório:</translation>
    </message>
    <message>
        <source>The history cannot be read: %1.</source>
        <translation>O histórico não pode ser lido: %1.</translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation>Todos os perfis</translation>
    </message>
    <message>
        <source>All directories</source>
        <translation>Todos os diretórios</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>What happened to each directory for each profile, newest first</source>
        <translation>O que aconteceu com cada diretório em cada perfil, dos mais recentes aos mais antigos</translation>
    </message>
</context>
<context>
    <name>CHistoryTableModel</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Hora (%1)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Diretório</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Fields set</source>
        <translation>Campos preenchidos</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Endereço da página</translation>
    </message>
</context>
<context>
    <name>CImportDirectoriesDlg</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Replace yours, which says something else</source>
        <translation>Substituir o seu, que diz outra coisa</translation>
    </message>
    <message>
        <source>Leave: you have it already</source>
        <translation>Ignorar: você já o tem</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation>Não pode ser usado: %1</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importar diretórios</translation>
    </message>
    <message>
        <source>What %1 would do to your directories. Ticked directories are imported.</source>
        <translation>O que %1 faria com os seus diretórios. Os diretórios marcados são importados.</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Diretório</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Directories in the list</source>
        <translation>Diretórios da lista</translation>
    </message>
    <message>
        <source>%1 and %2; %3, %4.</source>
        <extracomment>The four parts below: &quot;Adds 3&quot;, &quot;replaces 1 of your directories&quot;, &quot;2 you have already&quot;, &quot;0 cannot be used&quot;.</extracomment>
        <translation>%1 e %2; %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n</source>
        <translation>
            <numerusform>Adiciona %n</numerusform>
            <numerusform>Adiciona %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>replaces %n of your directories</source>
        <translation>
            <numerusform>substitui %n dos seus diretórios</numerusform>
            <numerusform>substitui %n dos seus diretórios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n you have already</source>
        <translation>
            <numerusform>%n você já tem</numerusform>
            <numerusform>%n você já tem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cannot be used</source>
        <translation>
            <numerusform>%n não pode ser usado</numerusform>
            <numerusform>%n não podem ser usados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>O idioma da área de trabalho (%1)</translation>
    </message>
    <message>
        <source>The new language applies when Kestrine starts again.</source>
        <translation>O novo idioma será aplicado quando o Kestrine for iniciado novamente.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
</context>
<context>
    <name>CMeaningFillOffer</name>
    <message>
        <source>No rule fits this page, and Kestrine is sure of the meaning of none of its fields: nothing was filled.</source>
        <translation>Nenhuma regra corresponde a esta página e o Kestrine não tem certeza do significado de nenhum dos campos: nada foi preenchido.</translation>
    </message>
    <message>
        <source>The rules for &quot;%1&quot; fit no field on this page: its form may have changed.</source>
        <translation>As regras de “%1” não correspondem a nenhum campo desta página: o formulário pode ter mudado.</translation>
    </message>
    <message>
        <source>This page belongs to no directory of the list.</source>
        <translation>Esta página não pertence a nenhum diretório da lista.</translation>
    </message>
    <message>
        <source>%1 Fill the fields whose meaning Kestrine recognises from the profile &quot;%2&quot;?</source>
        <translation>%1 Preencher os campos cujo significado o Kestrine reconhece com o perfil “%2”?</translation>
    </message>
    <message>
        <source>Fill current page</source>
        <translation>Preencher página</translation>
    </message>
</context>
<context>
    <name>CProfileData</name>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Digite um nome para o perfil.</translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;. Please choose another name.</source>
        <translation>Já existe um perfil chamado “%1”. Escolha outro nome.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>CProfileSelector</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>The profile whose details fill the pages</source>
        <translation>O perfil cujos dados preenchem as páginas</translation>
    </message>
</context>
<context>
    <name>CProgramSettings</name>
    <message>
        <source>Kestrine has no data folder to keep its settings in.</source>
        <translation>O Kestrine não tem uma pasta de dados para guardar as configurações.</translation>
    </message>
    <message>
        <source>The database source must be an http:// or https:// address.</source>
        <translation>A origem da base de dados deve ser um endereço http:// ou https://.</translation>
    </message>
    <message>
        <source>The database source must name a host, as in https://example.org/dirdata.xml.</source>
        <translation>A origem da base de dados deve indicar um servidor, como em https://example.org/dirdata.xml.</translation>
    </message>
    <message>
        <source>These settings in %1 are not UTF-8 text, so Kestrine goes on without them: %2. They stay as they are until you choose them again.</source>
        <translation>Estas configurações em %1 não são texto UTF-8, por isso o Kestrine continua sem elas: %2. Elas ficam como estão até que você as escolha novamente.</translation>
    </message>
    <message>
        <source>Kestrine could not read its settings from %1: %2.</source>
        <translation>O Kestrine não pôde ler as configurações de %1: %2.</translation>
    </message>
    <message>
        <source>Kestrine could not save its settings to %1: %2.</source>
        <translation>O Kestrine não pôde salvar as configurações em %1: %2.</translation>
    </message>
</context>
<context>
    <name>CSubmissionSession</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please allow the page to load completly</source>
        <translation>Aguarde a página carregar completamente</translation>
    </message>
</context>
<context>
    <name>CSubmitterDlg</name>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Work Ahead…</source>
        <translation>&amp;Trabalho antecipado…</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>&amp;Idioma…</translation>
    </message>
    <message>
        <source>Check &amp;Directories…</source>
        <translation>Verificar &amp;diretórios…</translation>
    </message>
    <message>
        <source>Re&amp;pair…</source>
        <translation>Re&amp;parar…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Kestrine</source>
        <translation>Sobre o &amp;Kestrine</translation>
    </message>
    <message>
        <source>The directory &quot;%1&quot; is no longer in the directory database.</source>
        <translation>O diretório “%1” não está mais na base de dados de diretórios.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Crie um perfil primeiro!</translation>
    </message>
    <message>
        <source>Kestrine cannot update the directory database: %1.</source>
        <translation>O Kestrine não consegue atualizar a base de dados de diretórios: %1.</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erro interno</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Atualização concluída</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>The update could not be retrieved</source>
        <translation>Não foi possível obter a atualização</translation>
    </message>
    <message>
        <source>%1 marked sent</source>
        <translation>%1 marcado como enviado</translation>
    </message>
    <message>
        <source>Confirmation &amp;Mails…</source>
        <translation>E-&amp;mails de confirmação…</translation>
    </message>
    <message>
        <source>Fill current &amp;page</source>
        <translation>&amp;Preencher página</translation>
    </message>
    <message>
        <source>Manage &amp;Profiles</source>
        <translation>&amp;Gerenciar perfis</translation>
    </message>
    <message>
        <source>&amp;Update RSS Directory Database</source>
        <translation>&amp;Atualizar base de dados de diretórios RSS</translation>
    </message>
    <message>
        <source>Database &amp;Source…</source>
        <translation>&amp;Origem da base de dados…</translation>
    </message>
    <message>
        <source>Check &amp;Feed</source>
        <translation>&amp;Verificar feed</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Guia do usuário</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Suporte</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Update RSS directory database</source>
        <translation>Atualizar base de dados de diretórios RSS</translation>
    </message>
    <message>
        <source>Please wait while the RSS directory database is updated</source>
        <translation>Aguarde enquanto a base de dados de diretórios RSS é atualizada</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes received</source>
        <translation>
            <numerusform>%Ln byte recebido</numerusform>
            <numerusform>%Ln bytes recebidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWorkAheadDlg</name>
    <message>
        <source>Work Ahead</source>
        <translation>Trabalho antecipado</translation>
    </message>
    <message>
        <source>While you work on one directory, Kestrine loads and fills the next unsent ones in tabs of their own, so that Next unsent shows them at once. Each tab kept ready takes memory. 0 turns working ahead off.</source>
        <translation>Enquanto você trabalha em um diretório, o Kestrine carrega e preenche os próximos não enviados em abas próprias, para que “Próximo a enviar” os mostre imediatamente. Cada aba mantida pronta ocupa memória. 0 desativa o trabalho antecipado.</translation>
    </message>
    <message>
        <source>&amp;Keep finished tabs open</source>
        <translation>&amp;Manter abertas as abas concluídas</translation>
    </message>
    <message>
        <source>A tab whose result page has been read closes by itself once you have left it, unless this is on.</source>
        <translation>Uma aba cuja página de resultado já foi lida se fecha sozinha quando você sai dela, a menos que esta opção esteja ativada.</translation>
    </message>
    <message>
        <source>&amp;Directories kept ready:</source>
        <translation>&amp;Diretórios mantidos prontos:</translation>
    </message>
</context>
<context>
    <name>CategoryFill</name>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--check-feed and --check-directories go one at a time.</source>
        <translation>--check-feed e --check-directories não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>--check-feed and --describe-page go one at a time.</source>
        <translation>--check-feed e --describe-page não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir precisa de uma pasta.</translation>
    </message>
    <message>
        <source>--describe-page needs an address.</source>
        <translation>--describe-page precisa de um endereço.</translation>
    </message>
    <message>
        <source>--json goes with --describe-page, --check-feed or --check-directories.</source>
        <translation>--json só é usado com --describe-page, --check-feed ou --check-directories.</translation>
    </message>
    <message>
        <source>--export-report goes without --describe-page.</source>
        <translation>--export-report não pode ser usado com --describe-page.</translation>
    </message>
    <message>
        <source>--export-report needs a file name.</source>
        <translation>--export-report precisa de um nome de arquivo.</translation>
    </message>
    <message>
        <source>--check-feed needs a feed address or file.</source>
        <translation>--check-feed precisa de um endereço de feed ou de um arquivo.</translation>
    </message>
    <message>
        <source>--database goes with --check-directories.</source>
        <translation>--database só é usado com --check-directories.</translation>
    </message>
    <message>
        <source>--check-directories goes without --describe-page and --export-report.</source>
        <translation>--check-directories não pode ser usado com --describe-page nem com --export-report.</translation>
    </message>
    <message>
        <source>--database needs a file name.</source>
        <translation>--database precisa de um nome de arquivo.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Experimente &apos;%1 --help&apos; para mais informações.
</translation>
    </message>
    <message>
        <source>Name: %1
Address: %2
</source>
        <translation>Nome: %1
Endereço: %2
</translation>
    </message>
    <message>
        <source>could not load %1</source>
        <translation>não foi possível carregar %1</translation>
    </message>
    <message>
        <source>no data folder, the results are not kept: %1</source>
        <translation>sem pasta de dados, os resultados não são guardados: %1</translation>
    </message>
    <message>
        <source>the directory database %1 cannot be read</source>
        <translation>a base de dados de diretórios %1 não pode ser lida</translation>
    </message>
    <message>
        <source>the results cannot be kept in %1 (%2)</source>
        <translation>os resultados não podem ser guardados em %1 (%2)</translation>
    </message>
    <message>
        <source>not every result could be kept (%1)</source>
        <translation>nem todos os resultados puderam ser guardados (%1)</translation>
    </message>
    <message>
        <source>the check could not be completed (libcurl is missing)</source>
        <translation>não foi possível concluir a verificação (libcurl não está disponível)</translation>
    </message>
    <message>
        <source>your directories cannot be changed here: %1</source>
        <translation>seus diretórios não podem ser alterados aqui: %1</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>adicionado: %1</translation>
    </message>
    <message>
        <source>replaced: %1</source>
        <translation>substituído: %1</translation>
    </message>
    <message>
        <source>kept yours (--replace takes the list&apos;s): %1</source>
        <translation>o seu foi mantido (--replace usa o da lista): %1</translation>
    </message>
    <message>
        <source>already there: %1</source>
        <translation>já existe: %1</translation>
    </message>
    <message>
        <source>refused: %1 (%2)</source>
        <translation>recusado: %1 (%2)</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>não é possível salvar %1: %2</translation>
    </message>
    <message>
        <source>no data folder to read your directories from: %1</source>
        <translation>sem pasta de dados para ler seus diretórios: %1</translation>
    </message>
    <message>
        <source>you have no directories of your own to export yet</source>
        <translation>você ainda não tem diretórios próprios para exportar</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>--replace goes with --import-directories.</source>
        <translation>--replace só é usado com --import-directories.</translation>
    </message>
    <message>
        <source>--import-directories and --export-directories go one at a time.</source>
        <translation>--import-directories e --export-directories não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>%1 goes alone, with --data-dir at most.</source>
        <translation>%1 é usado sozinho, no máximo com --data-dir.</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>%1 precisa de um nome de arquivo.</translation>
    </message>
    <message>
        <source>no data folder to read the profiles from: %1</source>
        <translation>sem pasta de dados para ler os perfis: %1</translation>
    </message>
    <message>
        <source>the history cannot be read (%1); the report has the statuses of sv.dat and no dates</source>
        <translation>o histórico não pode ser lido (%1); o relatório tem os status de sv.dat e não tem datas</translation>
    </message>
    <message numerus="yes">
        <source>%n of your directories written to %1</source>
        <translation>
            <numerusform>%n dos seus diretórios gravado em %1</numerusform>
            <numerusform>%n dos seus diretórios gravados em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>--category and --subcategory go with --describe-page.</source>
        <translation>--category e --subcategory só são usados com --describe-page.</translation>
    </message>
    <message>
        <source>--check-mail goes alone, with --json and --data-dir at most.</source>
        <translation>--check-mail vai sozinho, no máximo com --json e --data-dir.</translation>
    </message>
    <message>
        <source>No confirmation mails for the submissions of the last two days.</source>
        <translation>Nenhum e-mail de confirmação para os envios dos últimos dois dias.</translation>
    </message>
    <message>
        <source>%1 (profile %2), from %3 at %4:</source>
        <translation>%1 (perfil %2), de %3 em %4:</translation>
    </message>
    <message>
        <source>no data folder to read the settings from: %1</source>
        <translation>nenhuma pasta de dados da qual ler as configurações: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n adicionado</numerusform>
            <numerusform>%n adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n substituído</numerusform>
            <numerusform>%n substituídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there</source>
        <translation>
            <numerusform>%n já existente</numerusform>
            <numerusform>%n já existentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept yours</source>
        <translation>
            <numerusform>%n mantido (o seu)</numerusform>
            <numerusform>%n mantidos (os seus)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n recusado</numerusform>
            <numerusform>%n recusados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder to keep them in</source>
        <translation>nem XDG_DATA_HOME nem HOME indicam uma pasta para guardá-los</translation>
    </message>
    <message>
        <source>the folder %1 cannot be found: %2</source>
        <translation>a pasta %1 não foi encontrada: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation>a pasta %1 não pode ser criada: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>não é possível gravar na pasta %1: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryCheck</name>
    <message>
        <source>No complete answer within %1.</source>
        <translation>Nenhuma resposta completa em %1.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>O servidor parou de responder.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>O nome do servidor não foi encontrado.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>O servidor recusou a conexão.</translation>
    </message>
    <message>
        <source>The address redirects in a loop.</source>
        <translation>O endereço redireciona em loop.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Este não é um endereço http ou https.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Não foi possível estabelecer uma conexão segura com o servidor.</translation>
    </message>
    <message>
        <source>The page could not be fetched (libcurl error %1).</source>
        <translation>Não foi possível obter a página (erro %1 da libcurl).</translation>
    </message>
    <message>
        <source>Not found (%1)</source>
        <translation>Não encontrado (%1)</translation>
    </message>
    <message>
        <source>Refused (%1)</source>
        <translation>Recusado (%1)</translation>
    </message>
    <message>
        <source>Server error (%1)</source>
        <translation>Erro do servidor (%1)</translation>
    </message>
    <message>
        <source>Unexpected answer (%1)</source>
        <translation>Resposta inesperada (%1)</translation>
    </message>
    <message>
        <source>Fields missing: %1 (fields may be made by script).</source>
        <translation>Campos ausentes: %1 (os campos podem ser criados por script).</translation>
    </message>
    <message>
        <source>Fields missing: %1.</source>
        <translation>Campos ausentes: %1.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Movido para %1.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times.</source>
        <translation>O endereço redireciona mais de %1 vezes.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the connection broke.</source>
        <translation>O servidor respondeu (%1), mas depois a conexão caiu.</translation>
    </message>
    <message>
        <source>The server answered (%1), then stopped short of the length it announced.</source>
        <translation>O servidor respondeu (%1), mas parou antes de enviar o tamanho anunciado.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the transfer failed (libcurl error %2).</source>
        <translation>O servidor respondeu (%1), mas depois a transferência falhou (erro %2 da libcurl).</translation>
    </message>
</context>
<context>
    <name>DirectoryCheckStatus</name>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>movido</translation>
    </message>
    <message>
        <source>form changed</source>
        <translation>formulário alterado</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>erro do servidor</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>recusado</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>inacessível</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>tempo esgotado</translation>
    </message>
</context>
<context>
    <name>DirectoryCheckText</name>
    <message>
        <source>%1, checked %2</source>
        <translation>%1, verificado em %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ok</source>
        <translation>
            <numerusform>%n ok</numerusform>
            <numerusform>%n ok</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moved</source>
        <translation>
            <numerusform>%n movido</numerusform>
            <numerusform>%n movidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n form changed</source>
        <translation>
            <numerusform>%n formulário alterado</numerusform>
            <numerusform>%n formulários alterados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n não encontrado</numerusform>
            <numerusform>%n não encontrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n server error</source>
        <translation>
            <numerusform>%n erro do servidor</numerusform>
            <numerusform>%n erros do servidor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n recusado</numerusform>
            <numerusform>%n recusados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreachable</source>
        <translation>
            <numerusform>%n inacessível</numerusform>
            <numerusform>%n inacessíveis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timeout</source>
        <translation>
            <numerusform>%n tempo esgotado</numerusform>
            <numerusform>%n tempos esgotados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryDatabase</name>
    <message>
        <source>exception on load</source>
        <translation>exceção ao carregar</translation>
    </message>
    <message>
        <source>Error while retrieving directory names</source>
        <translation>Erro ao obter os nomes dos diretórios</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>unsuported control type</source>
        <translation>tipo de controle não suportado</translation>
    </message>
    <message>
        <source>error on variable</source>
        <translation>erro em uma variável</translation>
    </message>
    <message>
        <source>The submission page of &quot;%1&quot; cannot be opened: &quot;%2&quot; is not a web address.</source>
        <translation>Não é possível abrir a página de envio de “%1”: “%2” não é um endereço web.</translation>
    </message>
</context>
<context>
    <name>DirectoryImport</name>
    <message>
        <source>it has no submission address</source>
        <translation>não tem endereço de envio</translation>
    </message>
    <message>
        <source>one of its fields has a type Kestrine does not know</source>
        <translation>um dos campos tem um tipo que o Kestrine não conhece</translation>
    </message>
    <message>
        <source>Kestrine cannot read %1: it is missing, unreadable or too large.</source>
        <translation>O Kestrine não consegue ler %1: o arquivo não existe, não pode ser lido ou é grande demais.</translation>
    </message>
    <message>
        <source>%1 is not a directory list in the format of dirdata.xml, or breaks the rules Kestrine keeps for files from elsewhere.</source>
        <translation>%1 não é uma lista de diretórios no formato de dirdata.xml ou não cumpre as regras que o Kestrine aplica a arquivos de outras origens.</translation>
    </message>
    <message>
        <source>%1 holds no directories.</source>
        <translation>%1 não contém diretórios.</translation>
    </message>
    <message>
        <source>its submission address is not an http or https address</source>
        <translation>o endereço de envio não é um endereço http ou https</translation>
    </message>
    <message>
        <source>it looks the same as &quot;%1&quot;, which the list has already</source>
        <translation>parece igual a “%1”, que já está na lista</translation>
    </message>
</context>
<context>
    <name>DirectoryListEntry</name>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>não enviado</translation>
    </message>
</context>
<context>
    <name>DirectoryName</name>
    <message>
        <source>Please enter a name for the directory.</source>
        <translation>Digite um nome para o diretório.</translation>
    </message>
    <message>
        <source>The name is too long: a directory name can have at most 223 characters.</source>
        <translation>O nome é longo demais: um nome de diretório pode ter no máximo 223 caracteres.</translation>
    </message>
    <message>
        <source>A directory name cannot contain &quot; [&quot;.</source>
        <translation>Um nome de diretório não pode conter &quot; [&quot;.</translation>
    </message>
    <message>
        <source>A directory name cannot contain line breaks or tabs.</source>
        <translation>Um nome de diretório não pode conter quebras de linha nem tabulações.</translation>
    </message>
    <message>
        <source>A directory name cannot contain invisible characters, such as a zero-width space; this one holds %1.</source>
        <translation>Um nome de diretório não pode conter caracteres invisíveis, como um espaço de largura zero; este contém %1.</translation>
    </message>
</context>
<context>
    <name>DirectoryNameProposal</name>
    <message>
        <source>New directory</source>
        <translation>Novo diretório</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>FeedCheck</name>
    <message>
        <source>The address answers with a web page, not a feed. The page announces no feed.</source>
        <translation>O endereço responde com uma página web, não com um feed. A página não anuncia nenhum feed.</translation>
    </message>
    <message>
        <source>The address answers with a web page, not a feed. The page announces one feed, which can be taken instead.</source>
        <translation>O endereço responde com uma página web, não com um feed. A página anuncia um feed, que pode ser usado no lugar dele.</translation>
    </message>
    <message numerus="yes">
        <source>The address answers with a web page, not a feed. The page announces %n feeds; one of them can be taken instead.</source>
        <translation>
            <numerusform>O endereço responde com uma página web, não com um feed. A página anuncia %n feed, que pode ser usado no lugar dele.</numerusform>
            <numerusform>O endereço responde com uma página web, não com um feed. A página anuncia %n feeds; um deles pode ser usado no lugar.</numerusform>
        </translation>
    </message>
    <message>
        <source>No feed address is given.</source>
        <translation>Nenhum endereço de feed foi informado.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be checked.</source>
        <translation>Só endereços http e https podem ser verificados.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>O arquivo %1 não existe.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>O arquivo tem mais de %1 MB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Não foi possível ler o arquivo.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>A resposta tem mais de %1.</translation>
    </message>
    <message>
        <source>The server did not send the whole answer within %1.</source>
        <translation>O servidor não enviou a resposta completa em %1.</translation>
    </message>
    <message>
        <source>The server answered with status %1 instead of the feed.</source>
        <translation>O servidor respondeu com o status %1 em vez do feed.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Este não é um endereço http ou https.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>O nome do servidor não foi encontrado.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Não foi possível conectar ao servidor.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>O servidor parou de responder.</translation>
    </message>
    <message>
        <source>The address redirects too many times.</source>
        <translation>O endereço redireciona vezes demais.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Não foi possível estabelecer uma conexão segura com o servidor.</translation>
    </message>
    <message>
        <source>The server broke off its answer.</source>
        <translation>O servidor interrompeu a resposta.</translation>
    </message>
    <message>
        <source>The feed could not be fetched (libcurl error %1).</source>
        <translation>Não foi possível obter o feed (erro %1 da libcurl).</translation>
    </message>
    <message>
        <source>The network library (libcurl) could not be loaded.</source>
        <translation>Não foi possível carregar a biblioteca de rede (libcurl).</translation>
    </message>
    <message>
        <source>The check was cancelled.</source>
        <translation>A verificação foi cancelada.</translation>
    </message>
    <message>
        <source>The feed is larger than %1 MB and was not read.</source>
        <translation>O feed tem mais de %1 MB e não foi lido.</translation>
    </message>
    <message>
        <source>The feed declares entities that would grow far beyond its own size; it was not read.</source>
        <translation>O feed declara entidades que cresceriam muito além do seu próprio tamanho; ele não foi lido.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML</source>
        <translation>O feed não é um XML bem formado</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML: %1</source>
        <translation>O feed não é um XML bem formado: %1</translation>
    </message>
    <message>
        <source>This is not a feed: the document is &lt;%1&gt;, where a feed is &lt;rss&gt;, &lt;rdf:RDF&gt; or &lt;feed&gt;.</source>
        <translation>Isto não é um feed: o documento é &lt;%1&gt;, e um feed é &lt;rss&gt;, &lt;rdf:RDF&gt; ou &lt;feed&gt;.</translation>
    </message>
    <message>
        <source>The feed has no title.</source>
        <translation>O feed não tem título.</translation>
    </message>
    <message>
        <source>The feed has no link to its web site.</source>
        <translation>O feed não tem link para o seu site.</translation>
    </message>
    <message>
        <source>The document is empty.</source>
        <translation>O documento está vazio.</translation>
    </message>
    <message>
        <source>The document holds no element.</source>
        <translation>O documento não contém nenhum elemento.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>linha %1: </translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>linha %1, coluna %2: </translation>
    </message>
    <message>
        <source>Redirected to</source>
        <translation>Redirecionado para</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Items: %1</source>
        <translation>Itens: %1</translation>
    </message>
    <message>
        <source>Items: %1, the newest of %2</source>
        <translation>Itens: %1, o mais recente de %2</translation>
    </message>
    <message>
        <source>Announced feed: %1</source>
        <translation>Feed anunciado: %1</translation>
    </message>
    <message>
        <source>Announced feed: %1 (%2)</source>
        <translation>Feed anunciado: %1 (%2)</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>O feed pode ser usado.</translation>
    </message>
    <message>
        <source>Problem: %1%2</source>
        <translation>Problema: %1%2</translation>
    </message>
    <message>
        <source>The feed&apos;s only item has no link.</source>
        <translation>O único item do feed não tem link.</translation>
    </message>
    <message numerus="yes">
        <source>The date “%1” cannot be read (nor %n more).</source>
        <translation>
            <numerusform>A data “%1” não pode ser lida (nem mais %n).</numerusform>
            <numerusform>A data “%1” não pode ser lida (nem mais %n).</numerusform>
        </translation>
    </message>
    <message>
        <source>The date “%1” cannot be read.</source>
        <translation>A data “%1” não pode ser lida.</translation>
    </message>
    <message>
        <source>The feed has no RSS &lt;channel&gt;.</source>
        <translation>O feed não tem um &lt;channel&gt; RSS.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 has no link.</source>
        <translation>
            <numerusform>%n de %1 não tem link.</numerusform>
            <numerusform>%n de %1 não têm link.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have no link.</source>
        <translation>
            <numerusform>%n de %1 não tem link.</numerusform>
            <numerusform>%n de %1 não têm link.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n itens</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FeedTexts</name>
    <message>
        <source>Use title and description</source>
        <translation>Usar título e descrição</translation>
    </message>
    <message>
        <source>The profile already has a title or description of its own.

Replace them with the feed&apos;s? No fills only the empty fields.</source>
        <translation>O perfil já tem título ou descrição próprios.

Substituí-los pelos do feed? “Não” preenche apenas os campos vazios.</translation>
    </message>
</context>
<context>
    <name>FieldMeaning</name>
    <message>
        <source>(not filled)</source>
        <translation>(não preenchido)</translation>
    </message>
    <message>
        <source>Feed address</source>
        <translation>Endereço do feed</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Endereço do site</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nome completo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
</context>
<context>
    <name>FillReport</name>
    <message>
        <source>No field of this directory was found on the page</source>
        <translation>Nenhum campo deste diretório foi encontrado na página</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>não encontrado: %1</translation>
    </message>
    <message>
        <source>the submission will not be noticed</source>
        <translation>o envio não será detectado</translation>
    </message>
    <message numerus="yes">
        <source>Filled %1 of %n fields</source>
        <translation>
            <numerusform>%1 de %n campo preenchido</numerusform>
            <numerusform>%1 de %n campos preenchidos</numerusform>
        </translation>
    </message>
    <message>
        <source>its form may be inside components whose fields cannot be reached</source>
        <translation>o formulário pode estar dentro de componentes cujos campos não podem ser alcançados</translation>
    </message>
    <message>
        <source>nothing left for you</source>
        <translation>nada para você preencher</translation>
    </message>
    <message>
        <source>left for you: %1</source>
        <translation>para você preencher: %1</translation>
    </message>
    <message>
        <source>in a frame of %1</source>
        <translation>em um quadro de %1</translation>
    </message>
    <message>
        <source>Category: as you chose last time</source>
        <translation>Categoria: como você escolheu da última vez</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message numerus="yes">
        <source>%n events could not be written to the history nor kept for the next start, and are lost: %1</source>
        <translation>
            <numerusform>%n evento não pôde ser gravado no histórico nem guardado para a próxima inicialização e foi perdido: %1</numerusform>
            <numerusform>%n eventos não puderam ser gravados no histórico nem guardados para a próxima inicialização e foram perdidos: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it was written by a newer version of the program (layout %1, this one knows up to %2)</source>
        <translation>foi gravado por uma versão mais nova do programa (formato %1, esta conhece até o %2)</translation>
    </message>
    <message>
        <source>it has the layout of an older version of the program, and cannot be written to bring it up to date</source>
        <translation>tem o formato de uma versão mais antiga do programa e não pode ser gravado para atualizá-lo</translation>
    </message>
    <message>
        <source>the file cannot be switched to write-ahead logging</source>
        <translation>não é possível mudar o arquivo para o registro com escrita antecipada (WAL)</translation>
    </message>
</context>
<context>
    <name>MailCheck</name>
    <message>
        <source>mail %1 was left unread: %2</source>
        <translation>o e-mail %1 não foi lido: %2</translation>
    </message>
</context>
<context>
    <name>MailLook</name>
    <message>
        <source>no mailbox is set up: give server and user under [mail] in %1, or use Settings &gt; Confirmation Mails</source>
        <translation>nenhuma caixa de correio configurada: informe server e user em [mail] em %1, ou use Configurações &gt; E-mails de confirmação</translation>
    </message>
    <message>
        <source>the history cannot be read (%1)</source>
        <translation>não é possível ler o histórico (%1)</translation>
    </message>
</context>
<context>
    <name>MailPassword</name>
    <message>
        <source>the desktop&apos;s secret store cannot be reached (%1)</source>
        <translation>não é possível acessar o chaveiro da área de trabalho (%1)</translation>
    </message>
    <message>
        <source>the password command gave no password</source>
        <translation>o comando da senha não forneceu nenhuma senha</translation>
    </message>
    <message>
        <source>the password command took too long</source>
        <translation>o comando da senha demorou demais</translation>
    </message>
    <message>
        <source>no password is kept for this mailbox: enter it in Settings &gt; Confirmation Mails, or set a password command</source>
        <translation>nenhuma senha guardada para esta caixa de correio: informe-a em Configurações &gt; E-mails de confirmação, ou defina um comando da senha</translation>
    </message>
</context>
<context>
    <name>MailReader</name>
    <message>
        <source>the mail is too large to be read</source>
        <translation>o e-mail é grande demais para ser lido</translation>
    </message>
    <message>
        <source>parts nested too deeply were not read</source>
        <translation>partes aninhadas profundamente demais não foram lidas</translation>
    </message>
    <message>
        <source>only the first text parts were read</source>
        <translation>somente as primeiras partes de texto foram lidas</translation>
    </message>
    <message>
        <source>only the beginning of a long text was read</source>
        <translation>somente o início de um texto longo foi lido</translation>
    </message>
    <message>
        <source>the character set %1 is unknown; its text was read as far as it is plain ASCII</source>
        <translation>o conjunto de caracteres %1 é desconhecido; o texto foi lido na medida em que é ASCII simples</translation>
    </message>
    <message>
        <source>the mail has a header line too long to be read</source>
        <translation>o e-mail tem uma linha de cabeçalho longa demais para ser lida</translation>
    </message>
    <message>
        <source>the mail cannot be read</source>
        <translation>não é possível ler o e-mail</translation>
    </message>
</context>
<context>
    <name>Mailbox</name>
    <message>
        <source>%1 is not the address of a mail server (write imaps://host or imap://host)</source>
        <translation>%1 não é o endereço de um servidor de e-mail (escreva imaps://host ou imap://host)</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>não é possível conectar a %1</translation>
    </message>
    <message>
        <source>login refused by %1: check the user name and the password</source>
        <translation>login recusado por %1: verifique o nome de usuário e a senha</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>o certificado de %1 não é confiável</translation>
    </message>
    <message>
        <source>%1 does not offer an encrypted connection</source>
        <translation>%1 não oferece uma conexão criptografada</translation>
    </message>
    <message>
        <source>the folder %1 is missing on %2</source>
        <translation>a pasta %1 não existe em %2</translation>
    </message>
    <message>
        <source>%1 sent more than any answer needs; it was not read further</source>
        <translation>%1 enviou mais do que qualquer resposta precisa; a leitura parou</translation>
    </message>
    <message>
        <source>the mailbox cannot be read: libcurl is missing</source>
        <translation>não é possível ler a caixa de correio: falta a libcurl</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>Profile Data</source>
        <translation>Dados do perfil</translation>
    </message>
    <message>
        <source>Profile details</source>
        <translation>Detalhes do perfil</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nome do perfil:</translation>
    </message>
    <message>
        <source>RSS Feed URL:</source>
        <translation>URL do feed RSS:</translation>
    </message>
    <message>
        <source>RSS Link title:</source>
        <translation>Título do link RSS:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Tags:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Sobrenome:</translation>
    </message>
    <message>
        <source>Check feed</source>
        <translation>Verificar feed</translation>
    </message>
    <message>
        <source>Fetch the RSS feed URL and show what the feed says about itself</source>
        <translation>Obter a URL do feed RSS e mostrar o que o feed diz sobre si mesmo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categoria:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>S&amp;ubcategory:</source>
        <translation>&amp;Subcategoria:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Subcategoria</translation>
    </message>
</context>
<context>
    <name>ProfilesConfigurator</name>
    <message>
        <source>Profile Manager</source>
        <translation>Gerenciador de perfis</translation>
    </message>
    <message>
        <source>Available profiles</source>
        <translation>Perfis disponíveis</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(no name: cannot be saved)</source>
        <translation>(sem nome: não pode ser salvo)</translation>
    </message>
    <message>
        <source>Filled by meaning: %1.</source>
        <translation>Preenchido pelo significado: %1.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message numerus="yes">
        <source> Kept %n field(s) you typed in.</source>
        <translation>
            <numerusform> Foi mantido %n campo digitado por você.</numerusform>
            <numerusform> Foram mantidos %n campos digitados por você.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened</source>
        <translation>Aberto</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Preenchido</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Confirmado</translation>
    </message>
    <message>
        <source>Not confirmed</source>
        <translation>Não confirmado</translation>
    </message>
    <message>
        <source>Marked as sent</source>
        <translation>Marcado como enviado</translation>
    </message>
    <message>
        <source>Marked as not sent</source>
        <translation>Marcado como não enviado</translation>
    </message>
    <message>
        <source>(in a frame from %1)</source>
        <translation>(em um quadro de %1)</translation>
    </message>
    <message>
        <source>%1 (in a frame from %2)</source>
        <translation>%1 (em um quadro de %2)</translation>
    </message>
    <message>
        <source>Confirmed by e-mail</source>
        <translation>Confirmado por e-mail</translation>
    </message>
</context>
<context>
    <name>SubmissionProgress</name>
    <message>
        <source>The directories still unsent for %1 were found dead by the last check</source>
        <translation>Os diretórios ainda não enviados para %1 estavam fora do ar na última verificação</translation>
    </message>
    <message>
        <source>No directory shown is unsent for %1</source>
        <translation>Todos os diretórios exibidos já foram enviados para %1</translation>
    </message>
    <message>
        <source>Every directory is sent for %1</source>
        <translation>Todos os diretórios foram enviados para %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n directories sent for %2</source>
        <translation>
            <numerusform>%1 de %n diretório enviado para %2</numerusform>
            <numerusform>%1 de %n diretórios enviados para %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDirectoryFile</name>
    <message>
        <source>Kestrine cannot read your directories in %1, so it leaves the file as it is. Correct the file or move it away, then try again.</source>
        <translation>O Kestrine não consegue ler seus diretórios em %1, por isso deixa o arquivo como está. Corrija o arquivo ou mova-o para outro lugar e tente novamente.</translation>
    </message>
    <message>
        <source>a text holds characters that mydirs.xml cannot store</source>
        <translation>um texto contém caracteres que mydirs.xml não pode guardar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrine is already running. Switch to its window, or close it before you start Kestrine again.</source>
        <translation>O Kestrine já está em execução. Mude para a janela dele ou feche-o antes de iniciar o Kestrine novamente.</translation>
    </message>
</context>
</TS>
