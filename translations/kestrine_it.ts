<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>it is a symbolic link that another user made in %1, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>è un collegamento simbolico creato da un altro utente in %1, una cartella in cui tutti possono scrivere, quindi Kestrine non lo segue</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link that another user made in %2, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>la sua cartella %1 è un collegamento simbolico creato da un altro utente in %2, una cartella in cui tutti possono scrivere, quindi Kestrine non lo segue</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Your profiles and the directory database are kept in
%1</source>
        <translation>I tuoi profili e il database delle directory sono conservati in
%1</translation>
    </message>
    <message>
        <source>About Kestrine</source>
        <translation>Informazioni su Kestrine</translation>
    </message>
</context>
<context>
    <name>CAssistantStatus</name>
    <message numerus="yes">
        <source>%n results pending</source>
        <translation>
            <numerusform>%n risultato in attesa</numerusform>
            <numerusform>%n risultati in attesa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result pending</source>
        <translation>
            <numerusform>%n risultato in attesa</numerusform>
            <numerusform>%n risultati in attesa</numerusform>
        </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>CBrowserCtrl</name>
    <message>
        <source>This page stopped working. Choose the directory again to reload it.</source>
        <translation>Questa pagina ha smesso di funzionare. Scegli di nuovo la directory per ricaricarla.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Pagina web</translation>
    </message>
</context>
<context>
    <name>CBrowserTab</name>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Compilato</translation>
    </message>
    <message>
        <source>Submitted, waiting for the result page</source>
        <translation>Inviato, in attesa della pagina del risultato</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Inviato</translation>
    </message>
    <message>
        <source>Not confirmed by the result page</source>
        <translation>Non confermato dalla pagina del risultato</translation>
    </message>
    <message>
        <source>Opened again: it had been filled for another profile, or by rules that changed since.</source>
        <translation>Riaperta: era stata compilata per un altro profilo o con regole cambiate nel frattempo.</translation>
    </message>
    <message>
        <source>Its page waits for an answer: it asks again when you come to this tab.</source>
        <translation>La sua pagina attende una risposta: la chiederà di nuovo quando passi a questa scheda.</translation>
    </message>
</context>
<context>
    <name>CBrowserTabs</name>
    <message>
        <source>Close &amp;Tab</source>
        <translation>&amp;Chiudi scheda</translation>
    </message>
    <message>
        <source>Pre&amp;vious Tab</source>
        <translation>Scheda p&amp;recedente</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>Scheda &amp;successiva</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>e-mail di conferma arrivata</translation>
    </message>
</context>
<context>
    <name>CConfirmationMails</name>
    <message>
        <source>Confirmation mails: %1</source>
        <translation>E-mail di conferma: %1</translation>
    </message>
    <message>
        <source>1 confirmation mail waiting</source>
        <translation>1 e-mail di conferma in attesa</translation>
    </message>
    <message numerus="yes">
        <source>%n confirmation mails waiting</source>
        <translation>
            <numerusform>%n e-mail di conferma in attesa</numerusform>
            <numerusform>%n e-mail di conferma in attesa</numerusform>
        </translation>
    </message>
    <message>
        <source>No confirmation mails waiting</source>
        <translation>Nessuna e-mail di conferma in attesa</translation>
    </message>
    <message>
        <source>Open Confirmation &amp;Link</source>
        <translation>Apri il &amp;link di conferma</translation>
    </message>
</context>
<context>
    <name>CConfirmationMailsDlg</name>
    <message>
        <source>Confirmation Mails</source>
        <translation>E-mail di conferma</translation>
    </message>
    <message>
        <source>Many directories list a feed only after you click a link they send by e-mail. Kestrine looks for these mails for two days after each submission, while its window is open, and offers their links. Leave the server empty to turn this off.</source>
        <translation>Molte directory pubblicano un feed solo dopo che si è fatto clic su un link inviato per e-mail. Kestrine cerca queste e-mail per due giorni dopo ogni invio, finché la sua finestra è aperta, e ne propone i link. Lasciare vuoto il server per disattivare la funzione.</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Cartella:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>invariata</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in kestrine.conf.</source>
        <translation>Conservata nel portachiavi del desktop, mai in kestrine.conf.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>A command that prints the password, such as &quot;pass show mail&quot;, used instead of the secret store.</source>
        <translation>Un comando che stampa la password, come «pass show mail», usato al posto del portachiavi.</translation>
    </message>
    <message>
        <source>Password &amp;command:</source>
        <translation>Co&amp;mando della password:</translation>
    </message>
    <message>
        <source>The server must be an imaps:// or imap:// address, as in imaps://mail.example.org or imap://mail.example.org:143.</source>
        <translation>Il server deve essere un indirizzo imaps:// o imap://, come imaps://mail.example.org o imap://mail.example.org:143.</translation>
    </message>
    <message>
        <source>Give the user name the mail server knows you by.</source>
        <translation>Indicare il nome utente con cui il server di posta vi conosce.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Non è stato possibile conservare la password: %1</translation>
    </message>
</context>
<context>
    <name>CCurrentProfile</name>
    <message>
        <source>Kestrine could not save your profiles to sv.dat: %1. Fix the problem and close the window again, or choose File &gt; Exit to quit without saving.</source>
        <translation>Kestrine non è riuscito a salvare i tuoi profili in sv.dat: %1. Risolvi il problema e chiudi di nuovo la finestra, oppure scegli File &gt; Esci per uscire senza salvare.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Kestrine cannot save your profiles: %1. You can go on working, but changes to your profiles and the directories marked as sent will be lost when Kestrine closes.</source>
        <translation>Kestrine non può salvare i tuoi profili: %1. Puoi continuare a lavorare, ma le modifiche ai profili e le directory segnate come inviate andranno perse alla chiusura di Kestrine.</translation>
    </message>
</context>
<context>
    <name>CDatabaseSourceDlg</name>
    <message>
        <source>Database Source</source>
        <translation>Origine del database</translation>
    </message>
    <message>
        <source>Update RSS Directory Database downloads the directory database from this address (http or https):</source>
        <translation>«Aggiorna database delle directory RSS» scarica il database delle directory da questo indirizzo (http o https):</translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckController</name>
    <message>
        <source>Repair Directory</source>
        <translation>Ripara directory</translation>
    </message>
    <message>
        <source>Check Directories</source>
        <translation>Verifica directory</translation>
    </message>
    <message>
        <source>Only the Others</source>
        <translation>Solo le altre</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Verifica tutte</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>Impossibile avviare la verifica.</translation>
    </message>
    <message>
        <source>The results could not be kept in history.sqlite: %1.</source>
        <translation>Impossibile conservare i risultati in history.sqlite: %1.</translation>
    </message>
    <message>
        <source>The check could not run: libcurl is missing.</source>
        <translation>Impossibile eseguire la verifica: manca libcurl.</translation>
    </message>
    <message>
        <source>The directory database %1 could not be read.</source>
        <translation>Impossibile leggere il database delle directory %1.</translation>
    </message>
    <message>
        <source>Please choose the directory to repair in the list first.</source>
        <translation>Scegli prima nell&apos;elenco la directory da riparare.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. %1 has not been checked yet.</source>
        <translation>«Ripara» è per le directory che «Directory &gt; Verifica directory» ha trovato spostate o con il modulo cambiato. %1 non è ancora stata verificata.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. The last check of %1 found: %2</source>
        <translation>«Ripara» è per le directory che «Directory &gt; Verifica directory» ha trovato spostate o con il modulo cambiato. L&apos;ultima verifica di %1 ha trovato: %2</translation>
    </message>
    <message>
        <source>The page of %1 cannot be opened: %2 is not a web address.</source>
        <translation>Impossibile aprire la pagina di %1: %2 non è un indirizzo web.</translation>
    </message>
    <message>
        <source>The page of %1 did not load. Try Directory &gt; Repair again later.</source>
        <translation>La pagina di %1 non è stata caricata. Riprova «Directory &gt; Ripara» più tardi.</translation>
    </message>
    <message numerus="yes">
        <source>%n of the directories were checked in the last 7 days. Check them again, or only the others?</source>
        <translation>
            <numerusform>%n directory è stata verificata negli ultimi 7 giorni. Verificarle di nuovo tutte o solo le altre?</numerusform>
            <numerusform>%n directory sono state verificate negli ultimi 7 giorni. Verificarle di nuovo tutte o solo le altre?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckDialog</name>
    <message>
        <source>Check Directories</source>
        <translation>Verifica directory</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Reading the directories…</source>
        <translation>Lettura delle directory…</translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directories.</source>
        <translation>
            <numerusform>Verificata %n directory.</numerusform>
            <numerusform>Verificate %n directory.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n checked in the last 7 days were left out.</source>
        <translation>
            <numerusform>%n directory verificata negli ultimi 7 giorni è stata tralasciata.</numerusform>
            <numerusform>%n directory verificate negli ultimi 7 giorni sono state tralasciate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directory.</source>
        <translation>
            <numerusform>Verificata %n directory.</numerusform>
            <numerusform>Verificate %n directory.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %1 of %n directories</source>
        <translation>
            <numerusform>Directory verificate: %1 su %n</numerusform>
            <numerusform>Directory verificate: %1 su %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2. Resume goes on where the check stopped.</source>
        <extracomment>%1 is the number of directories checked, %2 how many there are (&quot;12 directories&quot;); the noun may go with either, as the language wants it.</extracomment>
        <translation>Annullata dopo %1 su %2. «Riprendi» continua da dove la verifica si è fermata.</translation>
    </message>
    <message numerus="yes">
        <source>%n</source>
        <comment>the directories checked before the check was cancelled</comment>
        <translation>
            <numerusform>%n directory</numerusform>
            <numerusform>%n directory</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directories</source>
        <comment>all the directories of the cancelled check</comment>
        <translation>
            <numerusform>%n</numerusform>
            <numerusform>%n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCommands</name>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Vai</translation>
    </message>
    <message>
        <source>Open &amp;Address…</source>
        <translation>Apri indiri&amp;zzo…</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Ava&amp;nti</translation>
    </message>
    <message>
        <source>&amp;Next unsent</source>
        <translation>&amp;Prossima da inviare</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Directory</translation>
    </message>
    <message>
        <source>&amp;Add This Page…</source>
        <translation>&amp;Aggiungi questa pagina…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifica…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Copy to My Directories</source>
        <translation>&amp;Copia nelle directory personali</translation>
    </message>
    <message>
        <source>Open Address</source>
        <translation>Apri indirizzo</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Kestrine cannot read your own directories in %1, so the list shows only those of the directory database. Kestrine leaves the file as it is: correct it or move it away, then start Kestrine again.</source>
        <translation>Kestrine non può leggere le tue directory personali in %1, quindi l&apos;elenco mostra solo quelle del database delle directory. Kestrine lascia il file com&apos;è: correggilo o spostalo altrove, poi avvia di nuovo Kestrine.</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Aggiungi directory</translation>
    </message>
    <message>
        <source>Please wait until the page has loaded, then add it again.</source>
        <translation>Attendi che la pagina sia caricata, poi aggiungila di nuovo.</translation>
    </message>
    <message>
        <source>This page has no form fields to fill. Open the directory&apos;s submission page and try again.</source>
        <translation>Questa pagina non ha campi di modulo da compilare. Apri la pagina di invio della directory e riprova.</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Modifica directory</translation>
    </message>
    <message>
        <source>Please choose the directory to edit in the list first.</source>
        <translation>Scegli prima nell&apos;elenco la directory da modificare.</translation>
    </message>
    <message>
        <source>%1 comes with the directory database. Choose Directory &gt; Copy to My Directories to make it your own, then edit it.</source>
        <translation>%1 fa parte del database delle directory. Scegli «Directory &gt; Copia nelle directory personali» per renderla tua, poi modificala.</translation>
    </message>
    <message>
        <source>Remove Directory</source>
        <translation>Rimuovi directory</translation>
    </message>
    <message>
        <source>Please choose one of your own directories in the list first. Directories of the directory database cannot be removed.</source>
        <translation>Scegli prima nell&apos;elenco una delle tue directory personali. Le directory del database delle directory non possono essere rimosse.</translation>
    </message>
    <message>
        <source>Remove %1 from your directories?</source>
        <translation>Rimuovere %1 dalle tue directory?</translation>
    </message>
    <message>
        <source>Removed %1 from your directories.</source>
        <translation>%1 rimossa dalle tue directory.</translation>
    </message>
    <message>
        <source>Copy to My Directories</source>
        <translation>Copia nelle directory personali</translation>
    </message>
    <message>
        <source>Please choose a directory of the directory database in the list first.</source>
        <translation>Scegli prima nell&apos;elenco una directory del database delle directory.</translation>
    </message>
    <message>
        <source>%1 is now one of your directories: Directory &gt; Edit… changes it, updates of the database leave it alone.</source>
        <translation>%1 è ora una delle tue directory: «Directory &gt; Modifica…» la cambia, gli aggiornamenti del database la lasciano invariata.</translation>
    </message>
    <message>
        <source>You already have a directory named %1. Replace it?</source>
        <translation>Hai già una directory chiamata %1. Sostituirla?</translation>
    </message>
    <message>
        <source>The directory database has a directory named %1. Yours will take its place in the list. Go on?</source>
        <translation>Il database delle directory contiene una directory chiamata %1. La tua prenderà il suo posto nell&apos;elenco. Continuare?</translation>
    </message>
    <message>
        <source>Saved %1 to your directories.</source>
        <translation>%1 salvata nelle tue directory.</translation>
    </message>
    <message>
        <source>Kestrine cannot save your directories: %1.</source>
        <translation>Kestrine non può salvare le tue directory: %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Kestrine could not save your directories to mydirs.xml: %1.</source>
        <translation>Kestrine non è riuscito a salvare le tue directory in mydirs.xml: %1.</translation>
    </message>
    <message>
        <source>Confirmation text</source>
        <translation>Testo di conferma</translation>
    </message>
    <message>
        <source>Kestrine does not know yet how &quot;%1&quot; confirms a submission.
If this page confirms yours, keep or change the text below: Kestrine will look for it after later submissions and marks the directory sent now.</source>
        <translation>Kestrine non sa ancora come «%1» conferma un invio.
Se questa pagina conferma il tuo, mantieni o modifica il testo qui sotto: Kestrine lo cercherà dopo i prossimi invii, e ora segna la directory come inviata.</translation>
    </message>
    <message>
        <source>Find &amp;directory</source>
        <translation>&amp;Trova directory</translation>
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
        <translation>Aggiungi directory</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Modifica directory</translation>
    </message>
    <message>
        <source>A new name keeps the directory&apos;s sent marks, for every profile.</source>
        <translation>Un nuovo nome mantiene i segni di invio della directory, per ogni profilo.</translation>
    </message>
    <message>
        <source>Optional: a text the page shows after a successful submission</source>
        <translation>Facoltativo: un testo che la pagina mostra dopo un invio riuscito</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Submission page:</source>
        <translation>&amp;Pagina di invio:</translation>
    </message>
    <message>
        <source>&amp;Confirmation text:</source>
        <translation>&amp;Testo di conferma:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>The page says</source>
        <translation>La pagina dice</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Fill with</source>
        <translation>Compila con</translation>
    </message>
    <message>
        <source>Only ticked fields are filled. Kestrine is &quot;not sure&quot; of some: their best guess is chosen but not ticked.</source>
        <translation>Vengono compilati solo i campi spuntati. Di alcuni Kestrine «non è sicuro»: viene scelta l&apos;ipotesi migliore, ma senza spunta.</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>non sicuro</translation>
    </message>
    <message>
        <source>Please enter the address of the directory&apos;s submission page.</source>
        <translation>Inserisci l&apos;indirizzo della pagina di invio della directory.</translation>
    </message>
    <message>
        <source>Fields of the page</source>
        <translation>Campi della pagina</translation>
    </message>
    <message>
        <source>The submission page must be a web address beginning with http:// or https://.</source>
        <translation>La pagina di invio deve essere un indirizzo web che inizia con http:// o https://.</translation>
    </message>
</context>
<context>
    <name>CDirectoryEntryDelegate</name>
    <message>
        <source> (mine)</source>
        <translation> (mia)</translation>
    </message>
</context>
<context>
    <name>CDirectoryListCommands</name>
    <message numerus="yes">
        <source>%n directories</source>
        <translation>
            <numerusform>%n directory</numerusform>
            <numerusform>%n directory</numerusform>
        </translation>
    </message>
    <message>
        <source>Directory lists (*.xml);;All files (*)</source>
        <translation>Elenchi di directory (*.xml);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>&amp;Import Directories…</source>
        <translation>&amp;Importa directory…</translation>
    </message>
    <message>
        <source>Export &amp;My Directories…</source>
        <translation>Esporta directory &amp;personali…</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importa directory</translation>
    </message>
    <message>
        <source>%1 holds no directory you do not have already.</source>
        <translation>%1 non contiene nessuna directory che tu non abbia già.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>Importate: %1.</translation>
    </message>
    <message>
        <source>Export My Directories</source>
        <translation>Esporta directory personali</translation>
    </message>
    <message>
        <source>You have no directories of your own yet. Directory &gt; Add This Page… makes one from a directory&apos;s submission page.</source>
        <translation>Non hai ancora directory personali. «Directory &gt; Aggiungi questa pagina…» ne crea una dalla pagina di invio di una directory.</translation>
    </message>
    <message>
        <source>Kestrine could not write %1: %2.</source>
        <translation>Kestrine non è riuscito a scrivere %1: %2.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>Scritte in %2: %1.</translation>
    </message>
    <message>
        <source>Directory Lists</source>
        <translation>Elenchi di directory</translation>
    </message>
    <message numerus="yes">
        <source>%n directory</source>
        <translation>
            <numerusform>%n directory</numerusform>
            <numerusform>%n directory</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryListModel</name>
    <message>
        <source>One of your own directories, kept in mydirs.xml</source>
        <translation>Una delle tue directory personali, conservata in mydirs.xml</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>inviata</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non inviata</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>scomparsa</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>verificata</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non verificata</translation>
    </message>
    <message>
        <source>one of your own</source>
        <translation>una delle tue directory personali</translation>
    </message>
    <message>
        <source>Its confirmation mail has arrived: Enter opens the link</source>
        <translation>La sua e-mail di conferma è arrivata: Invio apre il link</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>e-mail di conferma arrivata</translation>
    </message>
</context>
<context>
    <name>CDirectoryListPanel</name>
    <message>
        <source>Next unsent</source>
        <translation>Prossima da inviare</translation>
    </message>
    <message>
        <source>Search directories</source>
        <translation>Cerca directory</translation>
    </message>
    <message>
        <source>Unsent only</source>
        <translation>Solo non inviate</translation>
    </message>
    <message>
        <source>Hide unreachable</source>
        <translation>Solo raggiungibili</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Crea prima un profilo!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Mark as sent</source>
        <translation>Segna come inviata</translation>
    </message>
    <message>
        <source>Mark as not sent</source>
        <translation>Segna come non inviata</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Arrow keys open a directory&apos;s page beside the list; Enter goes into the page</source>
        <translation>I tasti freccia aprono la pagina di una directory accanto all&apos;elenco; Invio entra nella pagina</translation>
    </message>
    <message>
        <source>Search directories by name</source>
        <translation>Cerca directory per nome</translation>
    </message>
</context>
<context>
    <name>CEmptyListHint</name>
    <message>
        <source>&lt;p&gt;There are no directories yet. To get some:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Non ci sono ancora directory. Per ottenerne alcune:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CExportDirectoriesDlg</name>
    <message>
        <source>Export My Directories</source>
        <translation>Esporta directory personali</translation>
    </message>
    <message>
        <source>Your directories to write to a list that others can import:</source>
        <translation>Le tue directory da scrivere in un elenco che altri possono importare:</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Esporta…</translation>
    </message>
    <message>
        <source>Your directories</source>
        <translation>Le tue directory</translation>
    </message>
</context>
<context>
    <name>CFeedCheckCommands</name>
    <message>
        <source>Please choose a profile first: the check reads its RSS feed URL.</source>
        <translation>Scegli prima un profilo: la verifica legge l&apos;URL del suo feed RSS.</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Verifica feed</translation>
    </message>
</context>
<context>
    <name>CFeedCheckDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, the newest of %3</source>
        <translation>%1, %2, il più recente del %3</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Verifica feed</translation>
    </message>
    <message>
        <source>Use this feed</source>
        <translation>Usa questo feed</translation>
    </message>
    <message>
        <source>Use title and description</source>
        <translation>Usa titolo e descrizione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Checking %1 …</source>
        <translation>Verifica di %1 …</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>Impossibile avviare la verifica.</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>Il feed è utilizzabile.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titolo: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Descrizione: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>Categories: %1</source>
        <translation>Categorie: %1</translation>
    </message>
    <message>
        <source>Use category</source>
        <translation>Usa categoria</translation>
    </message>
</context>
<context>
    <name>CHelpPages</name>
    <message>
        <source>You have no profile yet.</source>
        <translation>Non hai ancora nessun profilo.</translation>
    </message>
    <message numerus="yes">
        <source>You have %n profiles; the current one is %1.</source>
        <translation>
            <numerusform>Hai %n profilo; quello attuale è %1.</numerusform>
            <numerusform>Hai %n profili; quello attuale è %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>The directory list is being read.</source>
        <translation>Lettura dell&apos;elenco delle directory in corso.</translation>
    </message>
    <message>
        <source>The directory list is empty: add directories as below.</source>
        <translation>L&apos;elenco delle directory è vuoto: aggiungi directory come indicato sotto.</translation>
    </message>
    <message numerus="yes">
        <source>%n directories in the list.</source>
        <translation>
            <numerusform>%n directory nell&apos;elenco.</numerusform>
            <numerusform>%n directory nell&apos;elenco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have %n profile; the current one is %1.</source>
        <translation>
            <numerusform>Hai %n profilo; quello attuale è %1.</numerusform>
            <numerusform>Hai %n profili; quello attuale è %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory in the list.</source>
        <translation>
            <numerusform>%n directory nell&apos;elenco.</numerusform>
            <numerusform>%n directory nell&apos;elenco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them sent for %1.</source>
        <translation>
            <numerusform>%n di queste inviata per %1.</numerusform>
            <numerusform>%n di queste inviate per %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>&amp;View</source>
        <translation>Vi&amp;sualizza</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Cronologia</translation>
    </message>
    <message>
        <source>Kestrine cannot keep the submission history in history.sqlite: %1. It carries on without it; sent marks are kept in sv.dat as before.</source>
        <translation>Kestrine non può conservare la cronologia degli invii in history.sqlite: %1. Continua senza; i segni di invio restano conservati in sv.dat come prima.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Esporta rapporto</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Kestrine could not write the report: %1.</source>
        <translation>Kestrine non è riuscito a scrivere il rapporto: %1.</translation>
    </message>
    <message>
        <source>The report was written without the history, which cannot be read: %1. Its statuses come from sv.dat alone and it has no dates.</source>
        <translation>Il rapporto è stato scritto senza la cronologia, che non può essere letta: %1. I suoi stati provengono solo da sv.dat e non contiene date.</translation>
    </message>
    <message>
        <source>Kestrine cannot write the submission history to history.sqlite for now: %1. Another program keeps the file locked; the events wait and are written as soon as it is free.</source>
        <translation>Kestrine per ora non può scrivere la cronologia degli invii in history.sqlite: %1. Un altro programma tiene il file bloccato; gli eventi restano in attesa e vengono scritti appena è libero.</translation>
    </message>
    <message>
        <source>Export &amp;Report…</source>
        <translation>Esporta rapp&amp;orto…</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profilo:</translation>
    </message>
    <message>
        <source>&amp;Directory:</source>
        <translation>&amp;Directory:</translation>
    </message>
    <message>
        <source>The history cannot be read: %1.</source>
        <translation>Impossibile leggere la cronologia: %1.</translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation>Tutti i profili</translation>
    </message>
    <message>
        <source>All directories</source>
        <translation>Tutte le directory</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>What happened to each directory for each profile, newest first</source>
        <translation>Cosa è successo a ogni directory per ogni profilo, prima i più recenti</translation>
    </message>
</context>
<context>
    <name>CHistoryTableModel</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Ora (%1)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Fields set</source>
        <translation>Campi compilati</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Indirizzo della pagina</translation>
    </message>
</context>
<context>
    <name>CImportDirectoriesDlg</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Replace yours, which says something else</source>
        <translation>Sostituisci la tua, che dice altro</translation>
    </message>
    <message>
        <source>Leave: you have it already</source>
        <translation>Tralascia: ce l&apos;hai già</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation>Non utilizzabile: %1</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importa directory</translation>
    </message>
    <message>
        <source>What %1 would do to your directories. Ticked directories are imported.</source>
        <translation>Cosa farebbe %1 alle tue directory. Le directory spuntate vengono importate.</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Directories in the list</source>
        <translation>Directory nell&apos;elenco</translation>
    </message>
    <message>
        <source>%1 and %2; %3, %4.</source>
        <extracomment>The four parts below: &quot;Adds 3&quot;, &quot;replaces 1 of your directories&quot;, &quot;2 you have already&quot;, &quot;0 cannot be used&quot;.</extracomment>
        <translation>%1 e %2; %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n</source>
        <translation>
            <numerusform>Aggiunge %n</numerusform>
            <numerusform>Aggiunge %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>replaces %n of your directories</source>
        <translation>
            <numerusform>sostituisce %n delle tue directory</numerusform>
            <numerusform>sostituisce %n delle tue directory</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n you have already</source>
        <translation>
            <numerusform>%n ce l&apos;hai già</numerusform>
            <numerusform>%n le hai già</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cannot be used</source>
        <translation>
            <numerusform>%n non è utilizzabile</numerusform>
            <numerusform>%n non sono utilizzabili</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>La lingua del desktop (%1)</translation>
    </message>
    <message>
        <source>The new language applies when Kestrine starts again.</source>
        <translation>La nuova lingua si applica al prossimo avvio di Kestrine.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
</context>
<context>
    <name>CMeaningFillOffer</name>
    <message>
        <source>No rule fits this page, and Kestrine is sure of the meaning of none of its fields: nothing was filled.</source>
        <translation>Nessuna regola corrisponde a questa pagina e Kestrine non è sicuro del significato di nessuno dei suoi campi: non è stato compilato nulla.</translation>
    </message>
    <message>
        <source>The rules for &quot;%1&quot; fit no field on this page: its form may have changed.</source>
        <translation>Le regole per «%1» non corrispondono a nessun campo di questa pagina: il suo modulo potrebbe essere cambiato.</translation>
    </message>
    <message>
        <source>This page belongs to no directory of the list.</source>
        <translation>Questa pagina non appartiene a nessuna directory dell&apos;elenco.</translation>
    </message>
    <message>
        <source>%1 Fill the fields whose meaning Kestrine recognises from the profile &quot;%2&quot;?</source>
        <translation>%1 Compilare con il profilo «%2» i campi di cui Kestrine riconosce il significato?</translation>
    </message>
    <message>
        <source>Fill current page</source>
        <translation>Compila pagina</translation>
    </message>
</context>
<context>
    <name>CProfileData</name>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Inserisci un nome per il profilo.</translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;. Please choose another name.</source>
        <translation>Esiste già un profilo chiamato «%1». Scegli un altro nome.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>CProfileSelector</name>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>The profile whose details fill the pages</source>
        <translation>Il profilo i cui dati compilano le pagine</translation>
    </message>
</context>
<context>
    <name>CProgramSettings</name>
    <message>
        <source>Kestrine has no data folder to keep its settings in.</source>
        <translation>Kestrine non ha una cartella dei dati in cui conservare le impostazioni.</translation>
    </message>
    <message>
        <source>The database source must be an http:// or https:// address.</source>
        <translation>L&apos;origine del database deve essere un indirizzo http:// o https://.</translation>
    </message>
    <message>
        <source>The database source must name a host, as in https://example.org/dirdata.xml.</source>
        <translation>L&apos;origine del database deve indicare un host, come in https://example.org/dirdata.xml.</translation>
    </message>
    <message>
        <source>These settings in %1 are not UTF-8 text, so Kestrine goes on without them: %2. They stay as they are until you choose them again.</source>
        <translation>Queste impostazioni in %1 non sono testo UTF-8, quindi Kestrine continua senza di esse: %2. Restano come sono finché non le scegli di nuovo.</translation>
    </message>
    <message>
        <source>Kestrine could not read its settings from %1: %2.</source>
        <translation>Kestrine non è riuscito a leggere le impostazioni da %1: %2.</translation>
    </message>
    <message>
        <source>Kestrine could not save its settings to %1: %2.</source>
        <translation>Kestrine non è riuscito a salvare le impostazioni in %1: %2.</translation>
    </message>
</context>
<context>
    <name>CSubmissionSession</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please allow the page to load completly</source>
        <translation>Attendi che la pagina sia caricata completamente</translation>
    </message>
</context>
<context>
    <name>CSubmitterDlg</name>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Work Ahead…</source>
        <translation>&amp;Lavoro in anticipo…</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>Lin&amp;gua…</translation>
    </message>
    <message>
        <source>Check &amp;Directories…</source>
        <translation>Verifica &amp;directory…</translation>
    </message>
    <message>
        <source>Re&amp;pair…</source>
        <translation>Ri&amp;para…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About Kestrine</source>
        <translation>Informazioni &amp;su Kestrine</translation>
    </message>
    <message>
        <source>The directory &quot;%1&quot; is no longer in the directory database.</source>
        <translation>La directory «%1» non è più nel database delle directory.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Crea prima un profilo!</translation>
    </message>
    <message>
        <source>Kestrine cannot update the directory database: %1.</source>
        <translation>Kestrine non può aggiornare il database delle directory: %1.</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Errore interno</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aggiornamento riuscito</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>The update could not be retrieved</source>
        <translation>Impossibile scaricare l&apos;aggiornamento</translation>
    </message>
    <message>
        <source>%1 marked sent</source>
        <translation>%1 segnata come inviata</translation>
    </message>
    <message>
        <source>Confirmation &amp;Mails…</source>
        <translation>E-&amp;mail di conferma…</translation>
    </message>
    <message>
        <source>Fill current &amp;page</source>
        <translation>&amp;Compila pagina</translation>
    </message>
    <message>
        <source>Manage &amp;Profiles</source>
        <translation>Gestisci &amp;profili</translation>
    </message>
    <message>
        <source>&amp;Update RSS Directory Database</source>
        <translation>&amp;Aggiorna database delle directory RSS</translation>
    </message>
    <message>
        <source>Database &amp;Source…</source>
        <translation>&amp;Origine del database…</translation>
    </message>
    <message>
        <source>Check &amp;Feed</source>
        <translation>Verifica &amp;feed</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Guida per l&apos;utente</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>Su&amp;pporto</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Update RSS directory database</source>
        <translation>Aggiorna database delle directory RSS</translation>
    </message>
    <message>
        <source>Please wait while the RSS directory database is updated</source>
        <translation>Attendi l&apos;aggiornamento del database delle directory RSS</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes received</source>
        <translation>
            <numerusform>%Ln byte ricevuto</numerusform>
            <numerusform>%Ln byte ricevuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWorkAheadDlg</name>
    <message>
        <source>Work Ahead</source>
        <translation>Lavoro in anticipo</translation>
    </message>
    <message>
        <source>While you work on one directory, Kestrine loads and fills the next unsent ones in tabs of their own, so that Next unsent shows them at once. Each tab kept ready takes memory. 0 turns working ahead off.</source>
        <translation>Mentre lavori su una directory, Kestrine carica e compila le successive non inviate in schede proprie, così «Prossima da inviare» le mostra subito. Ogni scheda tenuta pronta occupa memoria. 0 disattiva il lavoro in anticipo.</translation>
    </message>
    <message>
        <source>&amp;Keep finished tabs open</source>
        <translation>&amp;Mantieni aperte le schede completate</translation>
    </message>
    <message>
        <source>A tab whose result page has been read closes by itself once you have left it, unless this is on.</source>
        <translation>Una scheda di cui è stata letta la pagina del risultato si chiude da sola quando la lasci, a meno che questa opzione sia attiva.</translation>
    </message>
    <message>
        <source>&amp;Directories kept ready:</source>
        <translation>&amp;Directory tenute pronte:</translation>
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
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>--check-feed and --check-directories go one at a time.</source>
        <translation>--check-feed e --check-directories vanno usati uno alla volta.</translation>
    </message>
    <message>
        <source>--check-feed and --describe-page go one at a time.</source>
        <translation>--check-feed e --describe-page vanno usati uno alla volta.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir richiede una cartella.</translation>
    </message>
    <message>
        <source>--describe-page needs an address.</source>
        <translation>--describe-page richiede un indirizzo.</translation>
    </message>
    <message>
        <source>--json goes with --describe-page, --check-feed or --check-directories.</source>
        <translation>--json va usato con --describe-page, --check-feed o --check-directories.</translation>
    </message>
    <message>
        <source>--export-report goes without --describe-page.</source>
        <translation>--export-report non va usato con --describe-page.</translation>
    </message>
    <message>
        <source>--export-report needs a file name.</source>
        <translation>--export-report richiede un nome di file.</translation>
    </message>
    <message>
        <source>--check-feed needs a feed address or file.</source>
        <translation>--check-feed richiede un indirizzo del feed o un file.</translation>
    </message>
    <message>
        <source>--database goes with --check-directories.</source>
        <translation>--database va usato con --check-directories.</translation>
    </message>
    <message>
        <source>--check-directories goes without --describe-page and --export-report.</source>
        <translation>--check-directories non va usato con --describe-page né con --export-report.</translation>
    </message>
    <message>
        <source>--database needs a file name.</source>
        <translation>--database richiede un nome di file.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Prova &apos;%1 --help&apos; per maggiori informazioni.
</translation>
    </message>
    <message>
        <source>Name: %1
Address: %2
</source>
        <translation>Nome: %1
Indirizzo: %2
</translation>
    </message>
    <message>
        <source>could not load %1</source>
        <translation>impossibile caricare %1</translation>
    </message>
    <message>
        <source>no data folder, the results are not kept: %1</source>
        <translation>nessuna cartella dei dati, i risultati non vengono conservati: %1</translation>
    </message>
    <message>
        <source>the directory database %1 cannot be read</source>
        <translation>impossibile leggere il database delle directory %1</translation>
    </message>
    <message>
        <source>the results cannot be kept in %1 (%2)</source>
        <translation>impossibile conservare i risultati in %1 (%2)</translation>
    </message>
    <message>
        <source>not every result could be kept (%1)</source>
        <translation>non è stato possibile conservare tutti i risultati (%1)</translation>
    </message>
    <message>
        <source>the check could not be completed (libcurl is missing)</source>
        <translation>impossibile completare la verifica (manca libcurl)</translation>
    </message>
    <message>
        <source>your directories cannot be changed here: %1</source>
        <translation>le tue directory non possono essere modificate qui: %1</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>aggiunta: %1</translation>
    </message>
    <message>
        <source>replaced: %1</source>
        <translation>sostituita: %1</translation>
    </message>
    <message>
        <source>kept yours (--replace takes the list&apos;s): %1</source>
        <translation>mantenuta la tua (--replace prende quella dell&apos;elenco): %1</translation>
    </message>
    <message>
        <source>already there: %1</source>
        <translation>già presente: %1</translation>
    </message>
    <message>
        <source>refused: %1 (%2)</source>
        <translation>rifiutata: %1 (%2)</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>no data folder to read your directories from: %1</source>
        <translation>nessuna cartella dei dati da cui leggere le tue directory: %1</translation>
    </message>
    <message>
        <source>you have no directories of your own to export yet</source>
        <translation>non hai ancora directory personali da esportare</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>--replace goes with --import-directories.</source>
        <translation>--replace va usato con --import-directories.</translation>
    </message>
    <message>
        <source>--import-directories and --export-directories go one at a time.</source>
        <translation>--import-directories e --export-directories vanno usati uno alla volta.</translation>
    </message>
    <message>
        <source>%1 goes alone, with --data-dir at most.</source>
        <translation>%1 va usato da solo, al massimo con --data-dir.</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>%1 richiede un nome di file.</translation>
    </message>
    <message>
        <source>no data folder to read the profiles from: %1</source>
        <translation>nessuna cartella dei dati da cui leggere i profili: %1</translation>
    </message>
    <message>
        <source>the history cannot be read (%1); the report has the statuses of sv.dat and no dates</source>
        <translation>impossibile leggere la cronologia (%1); il rapporto contiene gli stati di sv.dat e nessuna data</translation>
    </message>
    <message numerus="yes">
        <source>%n of your directories written to %1</source>
        <translation>
            <numerusform>%n delle tue directory scritta in %1</numerusform>
            <numerusform>%n delle tue directory scritte in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>--category and --subcategory go with --describe-page.</source>
        <translation>--category e --subcategory vanno usati con --describe-page.</translation>
    </message>
    <message>
        <source>--check-mail goes alone, with --json and --data-dir at most.</source>
        <translation>--check-mail va da solo, al massimo con --json e --data-dir.</translation>
    </message>
    <message>
        <source>No confirmation mails for the submissions of the last two days.</source>
        <translation>Nessuna e-mail di conferma per gli invii degli ultimi due giorni.</translation>
    </message>
    <message>
        <source>%1 (profile %2), from %3 at %4:</source>
        <translation>%1 (profilo %2), da %3 il %4:</translation>
    </message>
    <message>
        <source>no data folder to read the settings from: %1</source>
        <translation>nessuna cartella dei dati da cui leggere le impostazioni: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n aggiunta</numerusform>
            <numerusform>%n aggiunte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n sostituita</numerusform>
            <numerusform>%n sostituite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there</source>
        <translation>
            <numerusform>%n già presente</numerusform>
            <numerusform>%n già presenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept yours</source>
        <translation>
            <numerusform>%n mantenuta la tua</numerusform>
            <numerusform>%n mantenute le tue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n rifiutata</numerusform>
            <numerusform>%n rifiutate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder to keep them in</source>
        <translation>né XDG_DATA_HOME né HOME indicano una cartella in cui conservarli</translation>
    </message>
    <message>
        <source>the folder %1 cannot be found: %2</source>
        <translation>impossibile trovare la cartella %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>impossibile scrivere nella cartella %1: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryCheck</name>
    <message>
        <source>No complete answer within %1.</source>
        <translation>Nessuna risposta completa entro %1.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Il server ha smesso di rispondere.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>Impossibile trovare il nome del server.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Il server ha rifiutato la connessione.</translation>
    </message>
    <message>
        <source>The address redirects in a loop.</source>
        <translation>L&apos;indirizzo reindirizza in un ciclo.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Non è un indirizzo http o https.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Impossibile stabilire una connessione sicura con il server.</translation>
    </message>
    <message>
        <source>The page could not be fetched (libcurl error %1).</source>
        <translation>Impossibile scaricare la pagina (errore di libcurl %1).</translation>
    </message>
    <message>
        <source>Not found (%1)</source>
        <translation>Non trovata (%1)</translation>
    </message>
    <message>
        <source>Refused (%1)</source>
        <translation>Rifiutata (%1)</translation>
    </message>
    <message>
        <source>Server error (%1)</source>
        <translation>Errore del server (%1)</translation>
    </message>
    <message>
        <source>Unexpected answer (%1)</source>
        <translation>Risposta inattesa (%1)</translation>
    </message>
    <message>
        <source>Fields missing: %1 (fields may be made by script).</source>
        <translation>Campi mancanti: %1 (i campi potrebbero essere creati da uno script).</translation>
    </message>
    <message>
        <source>Fields missing: %1.</source>
        <translation>Campi mancanti: %1.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Spostata in %1.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times.</source>
        <translation>L&apos;indirizzo reindirizza più di %1 volte.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the connection broke.</source>
        <translation>Il server ha risposto (%1), poi la connessione si è interrotta.</translation>
    </message>
    <message>
        <source>The server answered (%1), then stopped short of the length it announced.</source>
        <translation>Il server ha risposto (%1), poi si è fermato prima della lunghezza annunciata.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the transfer failed (libcurl error %2).</source>
        <translation>Il server ha risposto (%1), poi il trasferimento non è riuscito (errore di libcurl %2).</translation>
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
        <translation>spostata</translation>
    </message>
    <message>
        <source>form changed</source>
        <translation>modulo cambiato</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovata</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>errore del server</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rifiutata</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>irraggiungibile</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>tempo scaduto</translation>
    </message>
</context>
<context>
    <name>DirectoryCheckText</name>
    <message>
        <source>%1, checked %2</source>
        <translation>%1, verificata il %2</translation>
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
            <numerusform>%n spostata</numerusform>
            <numerusform>%n spostate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n form changed</source>
        <translation>
            <numerusform>%n modulo cambiato</numerusform>
            <numerusform>%n moduli cambiati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n non trovata</numerusform>
            <numerusform>%n non trovate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n server error</source>
        <translation>
            <numerusform>%n errore del server</numerusform>
            <numerusform>%n errori del server</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n rifiutata</numerusform>
            <numerusform>%n rifiutate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreachable</source>
        <translation>
            <numerusform>%n irraggiungibile</numerusform>
            <numerusform>%n irraggiungibili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timeout</source>
        <translation>
            <numerusform>%n tempo scaduto</numerusform>
            <numerusform>%n tempi scaduti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryDatabase</name>
    <message>
        <source>exception on load</source>
        <translation>eccezione durante il caricamento</translation>
    </message>
    <message>
        <source>Error while retrieving directory names</source>
        <translation>Errore durante il recupero dei nomi delle directory</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>unsuported control type</source>
        <translation>tipo di controllo non supportato</translation>
    </message>
    <message>
        <source>error on variable</source>
        <translation>errore in una variabile</translation>
    </message>
    <message>
        <source>The submission page of &quot;%1&quot; cannot be opened: &quot;%2&quot; is not a web address.</source>
        <translation>Impossibile aprire la pagina di invio di «%1»: «%2» non è un indirizzo web.</translation>
    </message>
</context>
<context>
    <name>DirectoryImport</name>
    <message>
        <source>it has no submission address</source>
        <translation>non ha un indirizzo di invio</translation>
    </message>
    <message>
        <source>one of its fields has a type Kestrine does not know</source>
        <translation>uno dei suoi campi ha un tipo che Kestrine non conosce</translation>
    </message>
    <message>
        <source>Kestrine cannot read %1: it is missing, unreadable or too large.</source>
        <translation>Kestrine non può leggere %1: manca, non è leggibile o è troppo grande.</translation>
    </message>
    <message>
        <source>%1 is not a directory list in the format of dirdata.xml, or breaks the rules Kestrine keeps for files from elsewhere.</source>
        <translation>%1 non è un elenco di directory nel formato di dirdata.xml, oppure viola le regole che Kestrine applica ai file provenienti da altre fonti.</translation>
    </message>
    <message>
        <source>%1 holds no directories.</source>
        <translation>%1 non contiene directory.</translation>
    </message>
    <message>
        <source>its submission address is not an http or https address</source>
        <translation>il suo indirizzo di invio non è un indirizzo http o https</translation>
    </message>
    <message>
        <source>it looks the same as &quot;%1&quot;, which the list has already</source>
        <translation>sembra uguale a «%1», che è già nell&apos;elenco</translation>
    </message>
</context>
<context>
    <name>DirectoryListEntry</name>
    <message>
        <source>sent</source>
        <translation>inviata</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non inviata</translation>
    </message>
</context>
<context>
    <name>DirectoryName</name>
    <message>
        <source>Please enter a name for the directory.</source>
        <translation>Inserisci un nome per la directory.</translation>
    </message>
    <message>
        <source>The name is too long: a directory name can have at most 223 characters.</source>
        <translation>Il nome è troppo lungo: il nome di una directory può avere al massimo 223 caratteri.</translation>
    </message>
    <message>
        <source>A directory name cannot contain &quot; [&quot;.</source>
        <translation>Il nome di una directory non può contenere &quot; [&quot;.</translation>
    </message>
    <message>
        <source>A directory name cannot contain line breaks or tabs.</source>
        <translation>Il nome di una directory non può contenere a capo o tabulazioni.</translation>
    </message>
    <message>
        <source>A directory name cannot contain invisible characters, such as a zero-width space; this one holds %1.</source>
        <translation>Il nome di una directory non può contenere caratteri invisibili, come uno spazio a larghezza zero; questo contiene %1.</translation>
    </message>
</context>
<context>
    <name>DirectoryNameProposal</name>
    <message>
        <source>New directory</source>
        <translation>Nuova directory</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
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
        <translation>L&apos;indirizzo risponde con una pagina web, non con un feed. La pagina non annuncia alcun feed.</translation>
    </message>
    <message>
        <source>The address answers with a web page, not a feed. The page announces one feed, which can be taken instead.</source>
        <translation>L&apos;indirizzo risponde con una pagina web, non con un feed. La pagina annuncia un feed, che può essere usato al suo posto.</translation>
    </message>
    <message numerus="yes">
        <source>The address answers with a web page, not a feed. The page announces %n feeds; one of them can be taken instead.</source>
        <translation>
            <numerusform>L&apos;indirizzo risponde con una pagina web, non con un feed. La pagina annuncia %n feed, che può essere usato al suo posto.</numerusform>
            <numerusform>L&apos;indirizzo risponde con una pagina web, non con un feed. La pagina annuncia %n feed; uno di essi può essere usato al suo posto.</numerusform>
        </translation>
    </message>
    <message>
        <source>No feed address is given.</source>
        <translation>Non è indicato alcun indirizzo del feed.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be checked.</source>
        <translation>Si possono verificare solo indirizzi http e https.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Il file è più grande di %1 MB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>La risposta è più grande di %1.</translation>
    </message>
    <message>
        <source>The server did not send the whole answer within %1.</source>
        <translation>Il server non ha inviato la risposta completa entro %1.</translation>
    </message>
    <message>
        <source>The server answered with status %1 instead of the feed.</source>
        <translation>Il server ha risposto con lo stato %1 invece del feed.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Non è un indirizzo http o https.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>Impossibile trovare il nome del server.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Impossibile raggiungere il server.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Il server ha smesso di rispondere.</translation>
    </message>
    <message>
        <source>The address redirects too many times.</source>
        <translation>L&apos;indirizzo reindirizza troppe volte.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Impossibile stabilire una connessione sicura con il server.</translation>
    </message>
    <message>
        <source>The server broke off its answer.</source>
        <translation>Il server ha interrotto la risposta.</translation>
    </message>
    <message>
        <source>The feed could not be fetched (libcurl error %1).</source>
        <translation>Impossibile scaricare il feed (errore di libcurl %1).</translation>
    </message>
    <message>
        <source>The network library (libcurl) could not be loaded.</source>
        <translation>Impossibile caricare la libreria di rete (libcurl).</translation>
    </message>
    <message>
        <source>The check was cancelled.</source>
        <translation>La verifica è stata annullata.</translation>
    </message>
    <message>
        <source>The feed is larger than %1 MB and was not read.</source>
        <translation>Il feed è più grande di %1 MB e non è stato letto.</translation>
    </message>
    <message>
        <source>The feed declares entities that would grow far beyond its own size; it was not read.</source>
        <translation>Il feed dichiara entità che crescerebbero ben oltre le sue dimensioni; non è stato letto.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML</source>
        <translation>Il feed non è XML ben formato</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML: %1</source>
        <translation>Il feed non è XML ben formato: %1</translation>
    </message>
    <message>
        <source>This is not a feed: the document is &lt;%1&gt;, where a feed is &lt;rss&gt;, &lt;rdf:RDF&gt; or &lt;feed&gt;.</source>
        <translation>Non è un feed: il documento è &lt;%1&gt;, mentre un feed è &lt;rss&gt;, &lt;rdf:RDF&gt; o &lt;feed&gt;.</translation>
    </message>
    <message>
        <source>The feed has no title.</source>
        <translation>Il feed non ha un titolo.</translation>
    </message>
    <message>
        <source>The feed has no link to its web site.</source>
        <translation>Il feed non ha un link al proprio sito web.</translation>
    </message>
    <message>
        <source>The document is empty.</source>
        <translation>Il documento è vuoto.</translation>
    </message>
    <message>
        <source>The document holds no element.</source>
        <translation>Il documento non contiene alcun elemento.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>riga %1: </translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>riga %1, colonna %2: </translation>
    </message>
    <message>
        <source>Redirected to</source>
        <translation>Reindirizzato a</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Items: %1</source>
        <translation>Elementi: %1</translation>
    </message>
    <message>
        <source>Items: %1, the newest of %2</source>
        <translation>Elementi: %1, il più recente del %2</translation>
    </message>
    <message>
        <source>Announced feed: %1</source>
        <translation>Feed annunciato: %1</translation>
    </message>
    <message>
        <source>Announced feed: %1 (%2)</source>
        <translation>Feed annunciato: %1 (%2)</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>Il feed è utilizzabile.</translation>
    </message>
    <message>
        <source>Problem: %1%2</source>
        <translation>Problema: %1%2</translation>
    </message>
    <message>
        <source>The feed&apos;s only item has no link.</source>
        <translation>L&apos;unico elemento del feed non ha un link.</translation>
    </message>
    <message numerus="yes">
        <source>The date “%1” cannot be read (nor %n more).</source>
        <translation>
            <numerusform>Impossibile leggere la data «%1» (né %n altra).</numerusform>
            <numerusform>Impossibile leggere la data «%1» (né %n altre).</numerusform>
        </translation>
    </message>
    <message>
        <source>The date “%1” cannot be read.</source>
        <translation>Impossibile leggere la data «%1».</translation>
    </message>
    <message>
        <source>The feed has no RSS &lt;channel&gt;.</source>
        <translation>Il feed non ha un &lt;channel&gt; RSS.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 has no link.</source>
        <translation>
            <numerusform>%n elemento su %1 non ha un link.</numerusform>
            <numerusform>%n elementi su %1 non hanno un link.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have no link.</source>
        <translation>
            <numerusform>%n elemento su %1 non ha un link.</numerusform>
            <numerusform>%n elementi su %1 non hanno un link.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n</numerusform>
            <numerusform>%n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FeedTexts</name>
    <message>
        <source>Use title and description</source>
        <translation>Usa titolo e descrizione</translation>
    </message>
    <message>
        <source>The profile already has a title or description of its own.

Replace them with the feed&apos;s? No fills only the empty fields.</source>
        <translation>Il profilo ha già un titolo o una descrizione propri.

Sostituirli con quelli del feed? «No» compila solo i campi vuoti.</translation>
    </message>
</context>
<context>
    <name>FieldMeaning</name>
    <message>
        <source>(not filled)</source>
        <translation>(non compilato)</translation>
    </message>
    <message>
        <source>Feed address</source>
        <translation>Indirizzo del feed</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Indirizzo del sito</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tag</translation>
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
        <translation>Cognome</translation>
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
        <translation>Nessun campo di questa directory è stato trovato nella pagina</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>non trovato: %1</translation>
    </message>
    <message>
        <source>the submission will not be noticed</source>
        <translation>l&apos;invio non verrà rilevato</translation>
    </message>
    <message numerus="yes">
        <source>Filled %1 of %n fields</source>
        <translation>
            <numerusform>Campi compilati: %1 su %n</numerusform>
            <numerusform>Campi compilati: %1 su %n</numerusform>
        </translation>
    </message>
    <message>
        <source>its form may be inside components whose fields cannot be reached</source>
        <translation>il suo modulo potrebbe trovarsi in componenti i cui campi non sono raggiungibili</translation>
    </message>
    <message>
        <source>nothing left for you</source>
        <translation>non resta nulla per te</translation>
    </message>
    <message>
        <source>left for you: %1</source>
        <translation>resta per te: %1</translation>
    </message>
    <message>
        <source>in a frame of %1</source>
        <translation>in un frame di %1</translation>
    </message>
    <message>
        <source>Category: as you chose last time</source>
        <translation>Categoria: come l&apos;hai scelta l&apos;ultima volta</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message numerus="yes">
        <source>%n events could not be written to the history nor kept for the next start, and are lost: %1</source>
        <translation>
            <numerusform>%n evento non è stato scritto nella cronologia né conservato per il prossimo avvio, ed è andato perso: %1</numerusform>
            <numerusform>%n eventi non sono stati scritti nella cronologia né conservati per il prossimo avvio, e sono andati persi: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it was written by a newer version of the program (layout %1, this one knows up to %2)</source>
        <translation>è stato scritto da una versione più recente del programma (struttura %1, questa conosce fino alla %2)</translation>
    </message>
    <message>
        <source>it has the layout of an older version of the program, and cannot be written to bring it up to date</source>
        <translation>ha la struttura di una versione precedente del programma e non può essere scritto per aggiornarlo</translation>
    </message>
    <message>
        <source>the file cannot be switched to write-ahead logging</source>
        <translation>impossibile passare il file al write-ahead logging (WAL)</translation>
    </message>
</context>
<context>
    <name>MailCheck</name>
    <message>
        <source>mail %1 was left unread: %2</source>
        <translation>l’e-mail %1 non è stata letta: %2</translation>
    </message>
</context>
<context>
    <name>MailLook</name>
    <message>
        <source>no mailbox is set up: give server and user under [mail] in %1, or use Settings &gt; Confirmation Mails</source>
        <translation>nessuna casella di posta configurata: indicare server e user sotto [mail] in %1, oppure usare Impostazioni &gt; E-mail di conferma</translation>
    </message>
    <message>
        <source>the history cannot be read (%1)</source>
        <translation>impossibile leggere la cronologia (%1)</translation>
    </message>
</context>
<context>
    <name>MailPassword</name>
    <message>
        <source>the desktop&apos;s secret store cannot be reached (%1)</source>
        <translation>impossibile raggiungere il portachiavi del desktop (%1)</translation>
    </message>
    <message>
        <source>the password command gave no password</source>
        <translation>il comando della password non ha restituito alcuna password</translation>
    </message>
    <message>
        <source>the password command took too long</source>
        <translation>il comando della password ha impiegato troppo tempo</translation>
    </message>
    <message>
        <source>no password is kept for this mailbox: enter it in Settings &gt; Confirmation Mails, or set a password command</source>
        <translation>nessuna password conservata per questa casella di posta: inserirla in Impostazioni &gt; E-mail di conferma, oppure indicare un comando della password</translation>
    </message>
</context>
<context>
    <name>MailReader</name>
    <message>
        <source>the mail is too large to be read</source>
        <translation>l’e-mail è troppo grande per essere letta</translation>
    </message>
    <message>
        <source>parts nested too deeply were not read</source>
        <translation>le parti annidate troppo in profondità non sono state lette</translation>
    </message>
    <message>
        <source>only the first text parts were read</source>
        <translation>sono state lette solo le prime parti di testo</translation>
    </message>
    <message>
        <source>only the beginning of a long text was read</source>
        <translation>di un testo lungo è stato letto solo l’inizio</translation>
    </message>
    <message>
        <source>the character set %1 is unknown; its text was read as far as it is plain ASCII</source>
        <translation>il set di caratteri %1 è sconosciuto; il suo testo è stato letto per quanto è ASCII semplice</translation>
    </message>
    <message>
        <source>the mail has a header line too long to be read</source>
        <translation>l’e-mail ha una riga d’intestazione troppo lunga per essere letta</translation>
    </message>
    <message>
        <source>the mail cannot be read</source>
        <translation>impossibile leggere l’e-mail</translation>
    </message>
</context>
<context>
    <name>Mailbox</name>
    <message>
        <source>%1 is not the address of a mail server (write imaps://host or imap://host)</source>
        <translation>%1 non è l’indirizzo di un server di posta (scrivere imaps://host o imap://host)</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>impossibile connettersi a %1</translation>
    </message>
    <message>
        <source>login refused by %1: check the user name and the password</source>
        <translation>accesso rifiutato da %1: verificare nome utente e password</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>il certificato di %1 non è attendibile</translation>
    </message>
    <message>
        <source>%1 does not offer an encrypted connection</source>
        <translation>%1 non offre una connessione cifrata</translation>
    </message>
    <message>
        <source>the folder %1 is missing on %2</source>
        <translation>la cartella %1 manca su %2</translation>
    </message>
    <message>
        <source>%1 sent more than any answer needs; it was not read further</source>
        <translation>%1 ha inviato più di quanto serva a una risposta; la lettura si è fermata</translation>
    </message>
    <message>
        <source>the mailbox cannot be read: libcurl is missing</source>
        <translation>impossibile leggere la casella di posta: manca libcurl</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>Profile Data</source>
        <translation>Dati del profilo</translation>
    </message>
    <message>
        <source>Profile details</source>
        <translation>Dettagli del profilo</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nome del profilo:</translation>
    </message>
    <message>
        <source>RSS Feed URL:</source>
        <translation>URL del feed RSS:</translation>
    </message>
    <message>
        <source>RSS Link title:</source>
        <translation>Titolo del link RSS:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Tag:</translation>
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
        <translation>Cognome:</translation>
    </message>
    <message>
        <source>Check feed</source>
        <translation>Verifica feed</translation>
    </message>
    <message>
        <source>Fetch the RSS feed URL and show what the feed says about itself</source>
        <translation>Scarica l&apos;URL del feed RSS e mostra cosa dice il feed di sé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>&amp;Sottocategoria:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Sottocategoria</translation>
    </message>
</context>
<context>
    <name>ProfilesConfigurator</name>
    <message>
        <source>Profile Manager</source>
        <translation>Gestione profili</translation>
    </message>
    <message>
        <source>Available profiles</source>
        <translation>Profili disponibili</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(no name: cannot be saved)</source>
        <translation>(senza nome: impossibile salvare)</translation>
    </message>
    <message>
        <source>Filled by meaning: %1.</source>
        <translation>Compilato in base al significato: %1.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nulla</translation>
    </message>
    <message numerus="yes">
        <source> Kept %n field(s) you typed in.</source>
        <translation>
            <numerusform> Mantenuto %n campo inserito da te.</numerusform>
            <numerusform> Mantenuti %n campi inseriti da te.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened</source>
        <translation>Aperto</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Compilato</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Inviato</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Confermato</translation>
    </message>
    <message>
        <source>Not confirmed</source>
        <translation>Non confermato</translation>
    </message>
    <message>
        <source>Marked as sent</source>
        <translation>Segnata come inviata</translation>
    </message>
    <message>
        <source>Marked as not sent</source>
        <translation>Segnata come non inviata</translation>
    </message>
    <message>
        <source>(in a frame from %1)</source>
        <translation>(in un frame di %1)</translation>
    </message>
    <message>
        <source>%1 (in a frame from %2)</source>
        <translation>%1 (in un frame di %2)</translation>
    </message>
    <message>
        <source>Confirmed by e-mail</source>
        <translation>Confermato via e-mail</translation>
    </message>
</context>
<context>
    <name>SubmissionProgress</name>
    <message>
        <source>The directories still unsent for %1 were found dead by the last check</source>
        <translation>Le directory non ancora inviate per %1 sono risultate irraggiungibili all&apos;ultima verifica</translation>
    </message>
    <message>
        <source>No directory shown is unsent for %1</source>
        <translation>Nessuna delle directory mostrate risulta non inviata per %1</translation>
    </message>
    <message>
        <source>Every directory is sent for %1</source>
        <translation>Tutte le directory sono inviate per %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n directories sent for %2</source>
        <translation>
            <numerusform>Directory inviate per %2: %1 su %n</numerusform>
            <numerusform>Directory inviate per %2: %1 su %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDirectoryFile</name>
    <message>
        <source>Kestrine cannot read your directories in %1, so it leaves the file as it is. Correct the file or move it away, then try again.</source>
        <translation>Kestrine non può leggere le tue directory in %1, quindi lascia il file com&apos;è. Correggi il file o spostalo altrove, poi riprova.</translation>
    </message>
    <message>
        <source>a text holds characters that mydirs.xml cannot store</source>
        <translation>un testo contiene caratteri che mydirs.xml non può memorizzare</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrine is already running. Switch to its window, or close it before you start Kestrine again.</source>
        <translation>Kestrine è già in esecuzione. Passa alla sua finestra, oppure chiudilo prima di avviare di nuovo Kestrine.</translation>
    </message>
</context>
</TS>
