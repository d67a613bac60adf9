<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>it is a symbolic link that another user made in %1, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>het is een symbolische koppeling die een andere gebruiker heeft gemaakt in %1, een map waarin iedereen mag schrijven, dus Kestrine volgt deze niet</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link that another user made in %2, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>de map %1 is een symbolische koppeling die een andere gebruiker heeft gemaakt in %2, een map waarin iedereen mag schrijven, dus Kestrine volgt deze niet</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Your profiles and the directory database are kept in
%1</source>
        <translation>Uw profielen en de directorydatabase worden bewaard in
%1</translation>
    </message>
    <message>
        <source>About Kestrine</source>
        <translation>Over Kestrine</translation>
    </message>
</context>
<context>
    <name>CAssistantStatus</name>
    <message numerus="yes">
        <source>%n results pending</source>
        <translation>
            <numerusform>%n resultaat in behandeling</numerusform>
            <numerusform>%n resultaten in behandeling</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result pending</source>
        <translation>
            <numerusform>%n resultaat in behandeling</numerusform>
            <numerusform>%n resultaten in behandeling</numerusform>
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
        <translation>Deze pagina werkt niet meer. Kies de directory opnieuw om de pagina opnieuw te laden.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webpagina</translation>
    </message>
</context>
<context>
    <name>CBrowserTab</name>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Ingevuld</translation>
    </message>
    <message>
        <source>Submitted, waiting for the result page</source>
        <translation>Aangemeld, wacht op de resultaatpagina</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Verzonden</translation>
    </message>
    <message>
        <source>Not confirmed by the result page</source>
        <translation>Niet bevestigd door de resultaatpagina</translation>
    </message>
    <message>
        <source>Opened again: it had been filled for another profile, or by rules that changed since.</source>
        <translation>Opnieuw geopend: de pagina was ingevuld voor een ander profiel of met regels die sindsdien zijn gewijzigd.</translation>
    </message>
    <message>
        <source>Its page waits for an answer: it asks again when you come to this tab.</source>
        <translation>De pagina wacht op een antwoord: ze vraagt het opnieuw wanneer u naar dit tabblad gaat.</translation>
    </message>
</context>
<context>
    <name>CBrowserTabs</name>
    <message>
        <source>Close &amp;Tab</source>
        <translation>&amp;Tabblad sluiten</translation>
    </message>
    <message>
        <source>Pre&amp;vious Tab</source>
        <translation>V&amp;orig tabblad</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Volgend tabblad</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>bevestigingsmail ontvangen</translation>
    </message>
</context>
<context>
    <name>CConfirmationMails</name>
    <message>
        <source>Confirmation mails: %1</source>
        <translation>Bevestigingsmails: %1</translation>
    </message>
    <message>
        <source>1 confirmation mail waiting</source>
        <translation>1 bevestigingsmail wacht</translation>
    </message>
    <message numerus="yes">
        <source>%n confirmation mails waiting</source>
        <translation>
            <numerusform>%n bevestigingsmail wacht</numerusform>
            <numerusform>%n bevestigingsmails wachten</numerusform>
        </translation>
    </message>
    <message>
        <source>No confirmation mails waiting</source>
        <translation>Geen bevestigingsmails in afwachting</translation>
    </message>
    <message>
        <source>Open Confirmation &amp;Link</source>
        <translation>Bevestigings&amp;link openen</translation>
    </message>
</context>
<context>
    <name>CConfirmationMailsDlg</name>
    <message>
        <source>Confirmation Mails</source>
        <translation>Bevestigingsmails</translation>
    </message>
    <message>
        <source>Many directories list a feed only after you click a link they send by e-mail. Kestrine looks for these mails for two days after each submission, while its window is open, and offers their links. Leave the server empty to turn this off.</source>
        <translation>Veel directory&apos;s nemen een feed pas op nadat u op een link hebt geklikt die ze per e-mail sturen. Kestrine zoekt twee dagen na elke aanmelding naar deze mails, zolang het venster open is, en biedt hun links aan. Laat de server leeg om dit uit te schakelen.</translation>
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
        <source>&amp;Folder:</source>
        <translation>&amp;Map:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>ongewijzigd</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in kestrine.conf.</source>
        <translation>Bewaard in de sleutelbos van het bureaublad, nooit in kestrine.conf.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>A command that prints the password, such as &quot;pass show mail&quot;, used instead of the secret store.</source>
        <translation>Een opdracht die het wachtwoord toont, zoals “pass show mail”, in plaats van de sleutelbos.</translation>
    </message>
    <message>
        <source>Password &amp;command:</source>
        <translation>Wachtwoord&amp;opdracht:</translation>
    </message>
    <message>
        <source>The server must be an imaps:// or imap:// address, as in imaps://mail.example.org or imap://mail.example.org:143.</source>
        <translation>De server moet een imaps://- of imap://-adres zijn, zoals imaps://mail.example.org of imap://mail.example.org:143.</translation>
    </message>
    <message>
        <source>Give the user name the mail server knows you by.</source>
        <translation>Geef de gebruikersnaam op waaronder de mailserver u kent.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Het wachtwoord kon niet worden bewaard: %1</translation>
    </message>
</context>
<context>
    <name>CCurrentProfile</name>
    <message>
        <source>Kestrine could not save your profiles to sv.dat: %1. Fix the problem and close the window again, or choose File &gt; Exit to quit without saving.</source>
        <translation>Kestrine kon uw profielen niet opslaan in sv.dat: %1. Los het probleem op en sluit het venster opnieuw, of kies Bestand &gt; Afsluiten om af te sluiten zonder op te slaan.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Kestrine cannot save your profiles: %1. You can go on working, but changes to your profiles and the directories marked as sent will be lost when Kestrine closes.</source>
        <translation>Kestrine kan uw profielen niet opslaan: %1. U kunt verder werken, maar wijzigingen in uw profielen en de als verzonden gemarkeerde directory&apos;s gaan verloren wanneer Kestrine wordt afgesloten.</translation>
    </message>
</context>
<context>
    <name>CDatabaseSourceDlg</name>
    <message>
        <source>Database Source</source>
        <translation>Databasebron</translation>
    </message>
    <message>
        <source>Update RSS Directory Database downloads the directory database from this address (http or https):</source>
        <translation>‘RSS-directorydatabase bijwerken’ downloadt de directorydatabase van dit adres (http of https):</translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckController</name>
    <message>
        <source>Repair Directory</source>
        <translation>Directory repareren</translation>
    </message>
    <message>
        <source>Check Directories</source>
        <translation>Directory&apos;s controleren</translation>
    </message>
    <message>
        <source>Only the Others</source>
        <translation>Alleen de overige</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alle controleren</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>De controle kon niet worden gestart.</translation>
    </message>
    <message>
        <source>The results could not be kept in history.sqlite: %1.</source>
        <translation>De resultaten konden niet in history.sqlite worden bewaard: %1.</translation>
    </message>
    <message>
        <source>The check could not run: libcurl is missing.</source>
        <translation>De controle kon niet worden uitgevoerd: libcurl ontbreekt.</translation>
    </message>
    <message>
        <source>The directory database %1 could not be read.</source>
        <translation>De directorydatabase %1 kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>Please choose the directory to repair in the list first.</source>
        <translation>Kies eerst in de lijst de directory die u wilt repareren.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. %1 has not been checked yet.</source>
        <translation>Repareren is bedoeld voor directory&apos;s die volgens Directory &gt; Directory&apos;s controleren zijn verhuisd of een gewijzigd formulier hebben. %1 is nog niet gecontroleerd.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. The last check of %1 found: %2</source>
        <translation>Repareren is bedoeld voor directory&apos;s die volgens Directory &gt; Directory&apos;s controleren zijn verhuisd of een gewijzigd formulier hebben. De laatste controle van %1 vond: %2</translation>
    </message>
    <message>
        <source>The page of %1 cannot be opened: %2 is not a web address.</source>
        <translation>De pagina van %1 kan niet worden geopend: %2 is geen webadres.</translation>
    </message>
    <message>
        <source>The page of %1 did not load. Try Directory &gt; Repair again later.</source>
        <translation>De pagina van %1 is niet geladen. Probeer Directory &gt; Repareren later opnieuw.</translation>
    </message>
    <message numerus="yes">
        <source>%n of the directories were checked in the last 7 days. Check them again, or only the others?</source>
        <translation>
            <numerusform>%n directory is in de afgelopen 7 dagen gecontroleerd. Wilt u ze allemaal opnieuw controleren of alleen de overige?</numerusform>
            <numerusform>%n directory&apos;s zijn in de afgelopen 7 dagen gecontroleerd. Wilt u ze allemaal opnieuw controleren of alleen de overige?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckDialog</name>
    <message>
        <source>Check Directories</source>
        <translation>Directory&apos;s controleren</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Reading the directories…</source>
        <translation>Directory&apos;s worden gelezen…</translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directories.</source>
        <translation>
            <numerusform>%n directory gecontroleerd.</numerusform>
            <numerusform>%n directory&apos;s gecontroleerd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n checked in the last 7 days were left out.</source>
        <translation>
            <numerusform>%n directory die in de afgelopen 7 dagen is gecontroleerd, is overgeslagen.</numerusform>
            <numerusform>%n directory&apos;s die in de afgelopen 7 dagen zijn gecontroleerd, zijn overgeslagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directory.</source>
        <translation>
            <numerusform>%n directory gecontroleerd.</numerusform>
            <numerusform>%n directory&apos;s gecontroleerd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %1 of %n directories</source>
        <translation>
            <numerusform>%1 van %n directory gecontroleerd</numerusform>
            <numerusform>%1 van %n directory&apos;s gecontroleerd</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2. Resume goes on where the check stopped.</source>
        <extracomment>%1 is the number of directories checked, %2 how many there are (&quot;12 directories&quot;); the noun may go with either, as the language wants it.</extracomment>
        <translation>Geannuleerd na %1 van %2. ‘Hervatten’ gaat verder waar de controle stopte.</translation>
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
            <numerusform>%n directory</numerusform>
            <numerusform>%n directory&apos;s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCommands</name>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ga</translation>
    </message>
    <message>
        <source>Open &amp;Address…</source>
        <translation>&amp;Adres openen…</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>&amp;Next unsent</source>
        <translation>Volgende &amp;open</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Directory</translation>
    </message>
    <message>
        <source>&amp;Add This Page…</source>
        <translation>Deze &amp;pagina toevoegen…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bewerken…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ver&amp;wijderen</translation>
    </message>
    <message>
        <source>&amp;Copy to My Directories</source>
        <translation>&amp;Kopiëren naar eigen directory&apos;s</translation>
    </message>
    <message>
        <source>Open Address</source>
        <translation>Adres openen</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Kestrine cannot read your own directories in %1, so the list shows only those of the directory database. Kestrine leaves the file as it is: correct it or move it away, then start Kestrine again.</source>
        <translation>Kestrine kan uw eigen directory&apos;s in %1 niet lezen, dus de lijst toont alleen die van de directorydatabase. Kestrine laat het bestand ongewijzigd: corrigeer het of verplaats het en start Kestrine daarna opnieuw.</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Directory toevoegen</translation>
    </message>
    <message>
        <source>Please wait until the page has loaded, then add it again.</source>
        <translation>Wacht tot de pagina is geladen en voeg deze dan opnieuw toe.</translation>
    </message>
    <message>
        <source>This page has no form fields to fill. Open the directory&apos;s submission page and try again.</source>
        <translation>Deze pagina heeft geen formuliervelden om in te vullen. Open de aanmeldpagina van de directory en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Directory bewerken</translation>
    </message>
    <message>
        <source>Please choose the directory to edit in the list first.</source>
        <translation>Kies eerst in de lijst de directory die u wilt bewerken.</translation>
    </message>
    <message>
        <source>%1 comes with the directory database. Choose Directory &gt; Copy to My Directories to make it your own, then edit it.</source>
        <translation>%1 hoort bij de directorydatabase. Kies Directory &gt; Kopiëren naar eigen directory&apos;s om er uw eigen directory van te maken en bewerk hem daarna.</translation>
    </message>
    <message>
        <source>Remove Directory</source>
        <translation>Directory verwijderen</translation>
    </message>
    <message>
        <source>Please choose one of your own directories in the list first. Directories of the directory database cannot be removed.</source>
        <translation>Kies eerst een van uw eigen directory&apos;s in de lijst. Directory&apos;s van de directorydatabase kunnen niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Remove %1 from your directories?</source>
        <translation>%1 verwijderen uit uw directory&apos;s?</translation>
    </message>
    <message>
        <source>Removed %1 from your directories.</source>
        <translation>%1 is verwijderd uit uw directory&apos;s.</translation>
    </message>
    <message>
        <source>Copy to My Directories</source>
        <translation>Kopiëren naar eigen directory&apos;s</translation>
    </message>
    <message>
        <source>Please choose a directory of the directory database in the list first.</source>
        <translation>Kies eerst een directory van de directorydatabase in de lijst.</translation>
    </message>
    <message>
        <source>%1 is now one of your directories: Directory &gt; Edit… changes it, updates of the database leave it alone.</source>
        <translation>%1 is nu een van uw directory&apos;s: Directory &gt; Bewerken… wijzigt hem, updates van de database laten hem ongemoeid.</translation>
    </message>
    <message>
        <source>You already have a directory named %1. Replace it?</source>
        <translation>U hebt al een directory met de naam %1. Vervangen?</translation>
    </message>
    <message>
        <source>The directory database has a directory named %1. Yours will take its place in the list. Go on?</source>
        <translation>De directorydatabase bevat een directory met de naam %1. De uwe neemt zijn plaats in de lijst in. Doorgaan?</translation>
    </message>
    <message>
        <source>Saved %1 to your directories.</source>
        <translation>%1 is opgeslagen in uw directory&apos;s.</translation>
    </message>
    <message>
        <source>Kestrine cannot save your directories: %1.</source>
        <translation>Kestrine kan uw directory&apos;s niet opslaan: %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Kestrine could not save your directories to mydirs.xml: %1.</source>
        <translation>Kestrine kon uw directory&apos;s niet opslaan in mydirs.xml: %1.</translation>
    </message>
    <message>
        <source>Confirmation text</source>
        <translation>Bevestigingstekst</translation>
    </message>
    <message>
        <source>Kestrine does not know yet how &quot;%1&quot; confirms a submission.
If this page confirms yours, keep or change the text below: Kestrine will look for it after later submissions and marks the directory sent now.</source>
        <translation>Kestrine weet nog niet hoe ‘%1’ een aanmelding bevestigt.
Als deze pagina uw aanmelding bevestigt, behoud of wijzig dan de tekst hieronder: Kestrine zoekt ernaar na latere aanmeldingen en markeert de directory nu als verzonden.</translation>
    </message>
    <message>
        <source>Find &amp;directory</source>
        <translation>Directory &amp;zoeken</translation>
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
        <translation>Directory toevoegen</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Directory bewerken</translation>
    </message>
    <message>
        <source>A new name keeps the directory&apos;s sent marks, for every profile.</source>
        <translation>Bij een nieuwe naam blijven de verzonden-markeringen van de directory behouden, voor elk profiel.</translation>
    </message>
    <message>
        <source>Optional: a text the page shows after a successful submission</source>
        <translation>Optioneel: een tekst die de pagina toont na een geslaagde aanmelding</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Submission page:</source>
        <translation>&amp;Aanmeldpagina:</translation>
    </message>
    <message>
        <source>&amp;Confirmation text:</source>
        <translation>&amp;Bevestigingstekst:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>The page says</source>
        <translation>Tekst op de pagina</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Betekenis</translation>
    </message>
    <message>
        <source>Fill with</source>
        <translation>Invullen met</translation>
    </message>
    <message>
        <source>Only ticked fields are filled. Kestrine is &quot;not sure&quot; of some: their best guess is chosen but not ticked.</source>
        <translation>Alleen aangevinkte velden worden ingevuld. Van sommige is Kestrine ‘niet zeker’: de beste gok is gekozen, maar niet aangevinkt.</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>niet zeker</translation>
    </message>
    <message>
        <source>Please enter the address of the directory&apos;s submission page.</source>
        <translation>Voer het adres van de aanmeldpagina van de directory in.</translation>
    </message>
    <message>
        <source>Fields of the page</source>
        <translation>Velden van de pagina</translation>
    </message>
    <message>
        <source>The submission page must be a web address beginning with http:// or https://.</source>
        <translation>De aanmeldpagina moet een webadres zijn dat begint met http:// of https://.</translation>
    </message>
</context>
<context>
    <name>CDirectoryEntryDelegate</name>
    <message>
        <source> (mine)</source>
        <translation> (van mij)</translation>
    </message>
</context>
<context>
    <name>CDirectoryListCommands</name>
    <message numerus="yes">
        <source>%n directories</source>
        <translation>
            <numerusform>%n directory</numerusform>
            <numerusform>%n directory&apos;s</numerusform>
        </translation>
    </message>
    <message>
        <source>Directory lists (*.xml);;All files (*)</source>
        <translation>Directorylijsten (*.xml);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>&amp;Import Directories…</source>
        <translation>Directory&apos;s &amp;importeren…</translation>
    </message>
    <message>
        <source>Export &amp;My Directories…</source>
        <translation>&amp;Eigen directory&apos;s exporteren…</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Directory&apos;s importeren</translation>
    </message>
    <message>
        <source>%1 holds no directory you do not have already.</source>
        <translation>%1 bevat geen directory die u nog niet hebt.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>%1 geïmporteerd.</translation>
    </message>
    <message>
        <source>Export My Directories</source>
        <translation>Eigen directory&apos;s exporteren</translation>
    </message>
    <message>
        <source>You have no directories of your own yet. Directory &gt; Add This Page… makes one from a directory&apos;s submission page.</source>
        <translation>U hebt nog geen eigen directory&apos;s. Directory &gt; Deze pagina toevoegen… maakt er een van de aanmeldpagina van een directory.</translation>
    </message>
    <message>
        <source>Kestrine could not write %1: %2.</source>
        <translation>Kestrine kon %1 niet schrijven: %2.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 geschreven naar %2.</translation>
    </message>
    <message>
        <source>Directory Lists</source>
        <translation>Directorylijsten</translation>
    </message>
    <message numerus="yes">
        <source>%n directory</source>
        <translation>
            <numerusform>%n directory</numerusform>
            <numerusform>%n directory&apos;s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryListModel</name>
    <message>
        <source>One of your own directories, kept in mydirs.xml</source>
        <translation>Een van uw eigen directory&apos;s, bewaard in mydirs.xml</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>verzonden</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>niet verzonden</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>verdwenen</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>gecontroleerd</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>niet gecontroleerd</translation>
    </message>
    <message>
        <source>one of your own</source>
        <translation>een eigen directory</translation>
    </message>
    <message>
        <source>Its confirmation mail has arrived: Enter opens the link</source>
        <translation>De bevestigingsmail is binnen: Enter opent de link</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>bevestigingsmail ontvangen</translation>
    </message>
</context>
<context>
    <name>CDirectoryListPanel</name>
    <message>
        <source>Next unsent</source>
        <translation>Volgende open</translation>
    </message>
    <message>
        <source>Search directories</source>
        <translation>Directory&apos;s zoeken</translation>
    </message>
    <message>
        <source>Unsent only</source>
        <translation>Niet verzonden</translation>
    </message>
    <message>
        <source>Hide unreachable</source>
        <translation>Alleen bereikbare</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Maak eerst een profiel aan!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Mark as sent</source>
        <translation>Markeren als verzonden</translation>
    </message>
    <message>
        <source>Mark as not sent</source>
        <translation>Markeren als niet verzonden</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Directory&apos;s</translation>
    </message>
    <message>
        <source>Arrow keys open a directory&apos;s page beside the list; Enter goes into the page</source>
        <translation>De pijltoetsen openen de pagina van een directory naast de lijst; Enter gaat naar de pagina</translation>
    </message>
    <message>
        <source>Search directories by name</source>
        <translation>Directory&apos;s zoeken op naam</translation>
    </message>
</context>
<context>
    <name>CEmptyListHint</name>
    <message>
        <source>&lt;p&gt;There are no directories yet. To get some:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Er zijn nog geen directory&apos;s. Zo krijgt u ze:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CExportDirectoriesDlg</name>
    <message>
        <source>Export My Directories</source>
        <translation>Eigen directory&apos;s exporteren</translation>
    </message>
    <message>
        <source>Your directories to write to a list that others can import:</source>
        <translation>Uw directory&apos;s om naar een lijst te schrijven die anderen kunnen importeren:</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporteren…</translation>
    </message>
    <message>
        <source>Your directories</source>
        <translation>Uw directory&apos;s</translation>
    </message>
</context>
<context>
    <name>CFeedCheckCommands</name>
    <message>
        <source>Please choose a profile first: the check reads its RSS feed URL.</source>
        <translation>Kies eerst een profiel: de controle leest het RSS-feedadres ervan.</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Feed controleren</translation>
    </message>
</context>
<context>
    <name>CFeedCheckDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, the newest of %3</source>
        <translation>%1, %2, het nieuwste van %3</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Feed controleren</translation>
    </message>
    <message>
        <source>Use this feed</source>
        <translation>Deze feed gebruiken</translation>
    </message>
    <message>
        <source>Use title and description</source>
        <translation>Titel en beschrijving overnemen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Checking %1 …</source>
        <translation>%1 wordt gecontroleerd …</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>De controle kon niet worden gestart.</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>De feed is bruikbaar.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Beschrijving: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>Categories: %1</source>
        <translation>Categorieën: %1</translation>
    </message>
    <message>
        <source>Use category</source>
        <translation>Categorie overnemen</translation>
    </message>
</context>
<context>
    <name>CHelpPages</name>
    <message>
        <source>You have no profile yet.</source>
        <translation>U hebt nog geen profiel.</translation>
    </message>
    <message numerus="yes">
        <source>You have %n profiles; the current one is %1.</source>
        <translation>
            <numerusform>U hebt %n profiel; het huidige is %1.</numerusform>
            <numerusform>U hebt %n profielen; het huidige is %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>The directory list is being read.</source>
        <translation>De directorylijst wordt gelezen.</translation>
    </message>
    <message>
        <source>The directory list is empty: add directories as below.</source>
        <translation>De directorylijst is leeg: voeg directory&apos;s toe zoals hieronder beschreven.</translation>
    </message>
    <message numerus="yes">
        <source>%n directories in the list.</source>
        <translation>
            <numerusform>%n directory in de lijst.</numerusform>
            <numerusform>%n directory&apos;s in de lijst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have %n profile; the current one is %1.</source>
        <translation>
            <numerusform>U hebt %n profiel; het huidige is %1.</numerusform>
            <numerusform>U hebt %n profielen; het huidige is %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory in the list.</source>
        <translation>
            <numerusform>%n directory in de lijst.</numerusform>
            <numerusform>%n directory&apos;s in de lijst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them sent for %1.</source>
        <translation>
            <numerusform>Daarvan %n verzonden voor %1.</numerusform>
            <numerusform>Daarvan %n verzonden voor %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Weergave</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>G&amp;eschiedenis</translation>
    </message>
    <message>
        <source>Kestrine cannot keep the submission history in history.sqlite: %1. It carries on without it; sent marks are kept in sv.dat as before.</source>
        <translation>Kestrine kan de aanmeldgeschiedenis niet bewaren in history.sqlite: %1. Het programma werkt zonder verder; verzonden-markeringen worden zoals voorheen in sv.dat bewaard.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Rapport exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Kestrine could not write the report: %1.</source>
        <translation>Kestrine kon het rapport niet schrijven: %1.</translation>
    </message>
    <message>
        <source>The report was written without the history, which cannot be read: %1. Its statuses come from sv.dat alone and it has no dates.</source>
        <translation>Het rapport is geschreven zonder de geschiedenis, die niet kan worden gelezen: %1. De statussen komen alleen uit sv.dat en er staan geen datums in.</translation>
    </message>
    <message>
        <source>Kestrine cannot write the submission history to history.sqlite for now: %1. Another program keeps the file locked; the events wait and are written as soon as it is free.</source>
        <translation>Kestrine kan de aanmeldgeschiedenis momenteel niet naar history.sqlite schrijven: %1. Een ander programma houdt het bestand vergrendeld; de gebeurtenissen wachten en worden geschreven zodra het vrij is.</translation>
    </message>
    <message>
        <source>Export &amp;Report…</source>
        <translation>&amp;Rapport exporteren…</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profiel:</translation>
    </message>
    <message>
        <source>&amp;Directory:</source>
        <translation>&amp;Directory:</translation>
    </message>
    <message>
        <source>The history cannot be read: %1.</source>
        <translation>De geschiedenis kan niet worden gelezen: %1.</translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation>Alle profielen</translation>
    </message>
    <message>
        <source>All directories</source>
        <translation>Alle directory&apos;s</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Gebeurtenissen</translation>
    </message>
    <message>
        <source>What happened to each directory for each profile, newest first</source>
        <translation>Wat er met elke directory is gebeurd voor elk profiel, nieuwste eerst</translation>
    </message>
</context>
<context>
    <name>CHistoryTableModel</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Tijd (%1)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Gebeurtenis</translation>
    </message>
    <message>
        <source>Fields set</source>
        <translation>Ingevulde velden</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Pagina-adres</translation>
    </message>
</context>
<context>
    <name>CImportDirectoriesDlg</name>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Replace yours, which says something else</source>
        <translation>De uwe vervangen, die iets anders bevat</translation>
    </message>
    <message>
        <source>Leave: you have it already</source>
        <translation>Overslaan: u hebt hem al</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation>Onbruikbaar: %1</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Directory&apos;s importeren</translation>
    </message>
    <message>
        <source>What %1 would do to your directories. Ticked directories are imported.</source>
        <translation>Wat %1 met uw directory&apos;s zou doen. Aangevinkte directory&apos;s worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>Directories in the list</source>
        <translation>Directory&apos;s in de lijst</translation>
    </message>
    <message>
        <source>%1 and %2; %3, %4.</source>
        <extracomment>The four parts below: &quot;Adds 3&quot;, &quot;replaces 1 of your directories&quot;, &quot;2 you have already&quot;, &quot;0 cannot be used&quot;.</extracomment>
        <translation>%1 en %2; %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n</source>
        <translation>
            <numerusform>Voegt %n toe</numerusform>
            <numerusform>Voegt %n toe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>replaces %n of your directories</source>
        <translation>
            <numerusform>vervangt %n van uw directory&apos;s</numerusform>
            <numerusform>vervangt %n van uw directory&apos;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n you have already</source>
        <translation>
            <numerusform>%n hebt u al</numerusform>
            <numerusform>%n hebt u al</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cannot be used</source>
        <translation>
            <numerusform>%n is onbruikbaar</numerusform>
            <numerusform>%n zijn onbruikbaar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Taal van de werkomgeving (%1)</translation>
    </message>
    <message>
        <source>The new language applies when Kestrine starts again.</source>
        <translation>De nieuwe taal wordt gebruikt wanneer Kestrine opnieuw start.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
</context>
<context>
    <name>CMeaningFillOffer</name>
    <message>
        <source>No rule fits this page, and Kestrine is sure of the meaning of none of its fields: nothing was filled.</source>
        <translation>Geen enkele regel past bij deze pagina en Kestrine is van geen enkel veld zeker wat het betekent: er is niets ingevuld.</translation>
    </message>
    <message>
        <source>The rules for &quot;%1&quot; fit no field on this page: its form may have changed.</source>
        <translation>De regels voor ‘%1’ passen bij geen enkel veld op deze pagina: het formulier is misschien gewijzigd.</translation>
    </message>
    <message>
        <source>This page belongs to no directory of the list.</source>
        <translation>Deze pagina hoort bij geen enkele directory uit de lijst.</translation>
    </message>
    <message>
        <source>%1 Fill the fields whose meaning Kestrine recognises from the profile &quot;%2&quot;?</source>
        <translation>%1 De velden waarvan Kestrine de betekenis herkent, invullen met het profiel ‘%2’?</translation>
    </message>
    <message>
        <source>Fill current page</source>
        <translation>Pagina invullen</translation>
    </message>
</context>
<context>
    <name>CProfileData</name>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Voer een profielnaam in.</translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;. Please choose another name.</source>
        <translation>Er is al een profiel met de naam ‘%1’. Kies een andere naam.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>CProfileSelector</name>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>The profile whose details fill the pages</source>
        <translation>Het profiel waarvan de gegevens in de pagina&apos;s worden ingevuld</translation>
    </message>
</context>
<context>
    <name>CProgramSettings</name>
    <message>
        <source>Kestrine has no data folder to keep its settings in.</source>
        <translation>Kestrine heeft geen gegevensmap om de instellingen in te bewaren.</translation>
    </message>
    <message>
        <source>The database source must be an http:// or https:// address.</source>
        <translation>De databasebron moet een http://- of https://-adres zijn.</translation>
    </message>
    <message>
        <source>The database source must name a host, as in https://example.org/dirdata.xml.</source>
        <translation>De databasebron moet een host noemen, zoals in https://example.org/dirdata.xml.</translation>
    </message>
    <message>
        <source>These settings in %1 are not UTF-8 text, so Kestrine goes on without them: %2. They stay as they are until you choose them again.</source>
        <translation>Deze instellingen in %1 zijn geen UTF-8-tekst, dus Kestrine gaat zonder verder: %2. Ze blijven ongewijzigd totdat u ze opnieuw kiest.</translation>
    </message>
    <message>
        <source>Kestrine could not read its settings from %1: %2.</source>
        <translation>Kestrine kon de instellingen niet lezen uit %1: %2.</translation>
    </message>
    <message>
        <source>Kestrine could not save its settings to %1: %2.</source>
        <translation>Kestrine kon de instellingen niet opslaan in %1: %2.</translation>
    </message>
</context>
<context>
    <name>CSubmissionSession</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Please allow the page to load completly</source>
        <translation>Wacht tot de pagina volledig is geladen</translation>
    </message>
</context>
<context>
    <name>CSubmitterDlg</name>
    <message>
        <source>Profile:</source>
        <translation>Profiel:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Work Ahead…</source>
        <translation>&amp;Vooruitwerken…</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>&amp;Taal…</translation>
    </message>
    <message>
        <source>Check &amp;Directories…</source>
        <translation>&amp;Directory&apos;s controleren…</translation>
    </message>
    <message>
        <source>Re&amp;pair…</source>
        <translation>&amp;Repareren…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Kestrine</source>
        <translation>Over &amp;Kestrine</translation>
    </message>
    <message>
        <source>The directory &quot;%1&quot; is no longer in the directory database.</source>
        <translation>De directory ‘%1’ staat niet meer in de directorydatabase.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Maak eerst een profiel aan!</translation>
    </message>
    <message>
        <source>Kestrine cannot update the directory database: %1.</source>
        <translation>Kestrine kan de directorydatabase niet bijwerken: %1.</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interne fout</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Bijwerken geslaagd</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>The update could not be retrieved</source>
        <translation>De update kon niet worden opgehaald</translation>
    </message>
    <message>
        <source>%1 marked sent</source>
        <translation>%1 gemarkeerd als verzonden</translation>
    </message>
    <message>
        <source>Confirmation &amp;Mails…</source>
        <translation>Bevestigings&amp;mails…</translation>
    </message>
    <message>
        <source>Fill current &amp;page</source>
        <translation>&amp;Pagina invullen</translation>
    </message>
    <message>
        <source>Manage &amp;Profiles</source>
        <translation>&amp;Profielen beheren</translation>
    </message>
    <message>
        <source>&amp;Update RSS Directory Database</source>
        <translation>RSS-directorydatabase &amp;bijwerken</translation>
    </message>
    <message>
        <source>Database &amp;Source…</source>
        <translation>&amp;Databasebron…</translation>
    </message>
    <message>
        <source>Check &amp;Feed</source>
        <translation>&amp;Feed controleren</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Gebruikershandleiding</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Ondersteuning</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Update RSS directory database</source>
        <translation>RSS-directorydatabase bijwerken</translation>
    </message>
    <message>
        <source>Please wait while the RSS directory database is updated</source>
        <translation>Een ogenblik geduld, de RSS-directorydatabase wordt bijgewerkt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes received</source>
        <translation>
            <numerusform>%Ln byte ontvangen</numerusform>
            <numerusform>%Ln bytes ontvangen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWorkAheadDlg</name>
    <message>
        <source>Work Ahead</source>
        <translation>Vooruitwerken</translation>
    </message>
    <message>
        <source>While you work on one directory, Kestrine loads and fills the next unsent ones in tabs of their own, so that Next unsent shows them at once. Each tab kept ready takes memory. 0 turns working ahead off.</source>
        <translation>Terwijl u met één directory bezig bent, laadt Kestrine de volgende niet-verzonden directory&apos;s in eigen tabbladen en vult ze in, zodat ‘Volgende open’ ze meteen toont. Elk tabblad dat gereed wordt gehouden, neemt geheugen in beslag. Met 0 wordt vooruitwerken uitgeschakeld.</translation>
    </message>
    <message>
        <source>&amp;Keep finished tabs open</source>
        <translation>&amp;Voltooide tabbladen open laten</translation>
    </message>
    <message>
        <source>A tab whose result page has been read closes by itself once you have left it, unless this is on.</source>
        <translation>Een tabblad waarvan de resultaatpagina is gelezen, sluit vanzelf zodra u het hebt verlaten, tenzij dit is ingeschakeld.</translation>
    </message>
    <message>
        <source>&amp;Directories kept ready:</source>
        <translation>&amp;Directory&apos;s gereed houden:</translation>
    </message>
</context>
<context>
    <name>CategoryFill</name>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>--check-feed and --check-directories go one at a time.</source>
        <translation>--check-feed en --check-directories kunnen alleen afzonderlijk worden gebruikt.</translation>
    </message>
    <message>
        <source>--check-feed and --describe-page go one at a time.</source>
        <translation>--check-feed en --describe-page kunnen alleen afzonderlijk worden gebruikt.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir vereist een map.</translation>
    </message>
    <message>
        <source>--describe-page needs an address.</source>
        <translation>--describe-page vereist een adres.</translation>
    </message>
    <message>
        <source>--json goes with --describe-page, --check-feed or --check-directories.</source>
        <translation>--json kan alleen samen met --describe-page, --check-feed of --check-directories worden gebruikt.</translation>
    </message>
    <message>
        <source>--export-report goes without --describe-page.</source>
        <translation>--export-report kan niet samen met --describe-page worden gebruikt.</translation>
    </message>
    <message>
        <source>--export-report needs a file name.</source>
        <translation>--export-report vereist een bestandsnaam.</translation>
    </message>
    <message>
        <source>--check-feed needs a feed address or file.</source>
        <translation>--check-feed vereist een feedadres of bestand.</translation>
    </message>
    <message>
        <source>--database goes with --check-directories.</source>
        <translation>--database kan alleen samen met --check-directories worden gebruikt.</translation>
    </message>
    <message>
        <source>--check-directories goes without --describe-page and --export-report.</source>
        <translation>--check-directories kan niet samen met --describe-page en --export-report worden gebruikt.</translation>
    </message>
    <message>
        <source>--database needs a file name.</source>
        <translation>--database vereist een bestandsnaam.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Probeer ‘%1 --help’ voor meer informatie.
</translation>
    </message>
    <message>
        <source>Name: %1
Address: %2
</source>
        <translation>Naam: %1
Adres: %2
</translation>
    </message>
    <message>
        <source>could not load %1</source>
        <translation>kon %1 niet laden</translation>
    </message>
    <message>
        <source>no data folder, the results are not kept: %1</source>
        <translation>geen gegevensmap, de resultaten worden niet bewaard: %1</translation>
    </message>
    <message>
        <source>the directory database %1 cannot be read</source>
        <translation>de directorydatabase %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>the results cannot be kept in %1 (%2)</source>
        <translation>de resultaten kunnen niet in %1 worden bewaard (%2)</translation>
    </message>
    <message>
        <source>not every result could be kept (%1)</source>
        <translation>niet elk resultaat kon worden bewaard (%1)</translation>
    </message>
    <message>
        <source>the check could not be completed (libcurl is missing)</source>
        <translation>de controle kon niet worden voltooid (libcurl ontbreekt)</translation>
    </message>
    <message>
        <source>your directories cannot be changed here: %1</source>
        <translation>uw directory&apos;s kunnen hier niet worden gewijzigd: %1</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>toegevoegd: %1</translation>
    </message>
    <message>
        <source>replaced: %1</source>
        <translation>vervangen: %1</translation>
    </message>
    <message>
        <source>kept yours (--replace takes the list&apos;s): %1</source>
        <translation>de uwe behouden (--replace neemt die van de lijst): %1</translation>
    </message>
    <message>
        <source>already there: %1</source>
        <translation>al aanwezig: %1</translation>
    </message>
    <message>
        <source>refused: %1 (%2)</source>
        <translation>geweigerd: %1 (%2)</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>kan %1 niet opslaan: %2</translation>
    </message>
    <message>
        <source>no data folder to read your directories from: %1</source>
        <translation>geen gegevensmap om uw directory&apos;s uit te lezen: %1</translation>
    </message>
    <message>
        <source>you have no directories of your own to export yet</source>
        <translation>u hebt nog geen eigen directory&apos;s om te exporteren</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>--replace goes with --import-directories.</source>
        <translation>--replace kan alleen samen met --import-directories worden gebruikt.</translation>
    </message>
    <message>
        <source>--import-directories and --export-directories go one at a time.</source>
        <translation>--import-directories en --export-directories kunnen alleen afzonderlijk worden gebruikt.</translation>
    </message>
    <message>
        <source>%1 goes alone, with --data-dir at most.</source>
        <translation>%1 kan alleen op zichzelf worden gebruikt, hooguit met --data-dir.</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>%1 vereist een bestandsnaam.</translation>
    </message>
    <message>
        <source>no data folder to read the profiles from: %1</source>
        <translation>geen gegevensmap om de profielen uit te lezen: %1</translation>
    </message>
    <message>
        <source>the history cannot be read (%1); the report has the statuses of sv.dat and no dates</source>
        <translation>de geschiedenis kan niet worden gelezen (%1); het rapport bevat de statussen uit sv.dat en geen datums</translation>
    </message>
    <message numerus="yes">
        <source>%n of your directories written to %1</source>
        <translation>
            <numerusform>%n eigen directory geschreven naar %1</numerusform>
            <numerusform>%n eigen directory&apos;s geschreven naar %1</numerusform>
        </translation>
    </message>
    <message>
        <source>--category and --subcategory go with --describe-page.</source>
        <translation>--category en --subcategory kunnen alleen samen met --describe-page worden gebruikt.</translation>
    </message>
    <message>
        <source>--check-mail goes alone, with --json and --data-dir at most.</source>
        <translation>--check-mail staat alleen, hooguit met --json en --data-dir.</translation>
    </message>
    <message>
        <source>No confirmation mails for the submissions of the last two days.</source>
        <translation>Geen bevestigingsmails voor de aanmeldingen van de laatste twee dagen.</translation>
    </message>
    <message>
        <source>%1 (profile %2), from %3 at %4:</source>
        <translation>%1 (profiel %2), van %3 op %4:</translation>
    </message>
    <message>
        <source>no data folder to read the settings from: %1</source>
        <translation>geen gegevensmap om de instellingen uit te lezen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n toegevoegd</numerusform>
            <numerusform>%n toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n vervangen</numerusform>
            <numerusform>%n vervangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there</source>
        <translation>
            <numerusform>%n al aanwezig</numerusform>
            <numerusform>%n al aanwezig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept yours</source>
        <translation>
            <numerusform>%n de uwe behouden</numerusform>
            <numerusform>%n de uwe behouden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n geweigerd</numerusform>
            <numerusform>%n geweigerd</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder to keep them in</source>
        <translation>noch XDG_DATA_HOME noch HOME wijst een map aan om ze in te bewaren</translation>
    </message>
    <message>
        <source>the folder %1 cannot be found: %2</source>
        <translation>de map %1 kan niet worden gevonden: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation>de map %1 kan niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>er kan niet in de map %1 worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryCheck</name>
    <message>
        <source>No complete answer within %1.</source>
        <translation>Geen volledig antwoord binnen %1.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>De server reageert niet meer.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>De servernaam kon niet worden gevonden.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>De server heeft de verbinding geweigerd.</translation>
    </message>
    <message>
        <source>The address redirects in a loop.</source>
        <translation>Het adres leidt in een lus door.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Dit is geen http- of https-adres.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Er kon geen beveiligde verbinding met de server worden gemaakt.</translation>
    </message>
    <message>
        <source>The page could not be fetched (libcurl error %1).</source>
        <translation>De pagina kon niet worden opgehaald (libcurl-fout %1).</translation>
    </message>
    <message>
        <source>Not found (%1)</source>
        <translation>Niet gevonden (%1)</translation>
    </message>
    <message>
        <source>Refused (%1)</source>
        <translation>Geweigerd (%1)</translation>
    </message>
    <message>
        <source>Server error (%1)</source>
        <translation>Serverfout (%1)</translation>
    </message>
    <message>
        <source>Unexpected answer (%1)</source>
        <translation>Onverwacht antwoord (%1)</translation>
    </message>
    <message>
        <source>Fields missing: %1 (fields may be made by script).</source>
        <translation>Ontbrekende velden: %1 (velden worden mogelijk door een script gemaakt).</translation>
    </message>
    <message>
        <source>Fields missing: %1.</source>
        <translation>Ontbrekende velden: %1.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Verhuisd naar %1.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times.</source>
        <translation>Het adres leidt meer dan %1 keer door.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the connection broke.</source>
        <translation>De server antwoordde (%1), daarna werd de verbinding verbroken.</translation>
    </message>
    <message>
        <source>The server answered (%1), then stopped short of the length it announced.</source>
        <translation>De server antwoordde (%1), maar stopte vóór de aangekondigde lengte.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the transfer failed (libcurl error %2).</source>
        <translation>De server antwoordde (%1), daarna mislukte de overdracht (libcurl-fout %2).</translation>
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
        <translation>verhuisd</translation>
    </message>
    <message>
        <source>form changed</source>
        <translation>formulier gewijzigd</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>niet gevonden</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>serverfout</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>geweigerd</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>onbereikbaar</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>time-out</translation>
    </message>
</context>
<context>
    <name>DirectoryCheckText</name>
    <message>
        <source>%1, checked %2</source>
        <translation>%1, gecontroleerd op %2</translation>
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
            <numerusform>%n verhuisd</numerusform>
            <numerusform>%n verhuisd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n form changed</source>
        <translation>
            <numerusform>%n formulier gewijzigd</numerusform>
            <numerusform>%n formulieren gewijzigd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n niet gevonden</numerusform>
            <numerusform>%n niet gevonden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n server error</source>
        <translation>
            <numerusform>%n serverfout</numerusform>
            <numerusform>%n serverfouten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n geweigerd</numerusform>
            <numerusform>%n geweigerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreachable</source>
        <translation>
            <numerusform>%n onbereikbaar</numerusform>
            <numerusform>%n onbereikbaar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timeout</source>
        <translation>
            <numerusform>%n time-out</numerusform>
            <numerusform>%n time-outs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryDatabase</name>
    <message>
        <source>exception on load</source>
        <translation>uitzondering bij het laden</translation>
    </message>
    <message>
        <source>Error while retrieving directory names</source>
        <translation>Fout bij het ophalen van de directorynamen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>unsuported control type</source>
        <translation>niet-ondersteund type besturingselement</translation>
    </message>
    <message>
        <source>error on variable</source>
        <translation>fout in een variabele</translation>
    </message>
    <message>
        <source>The submission page of &quot;%1&quot; cannot be opened: &quot;%2&quot; is not a web address.</source>
        <translation>De aanmeldpagina van ‘%1’ kan niet worden geopend: ‘%2’ is geen webadres.</translation>
    </message>
</context>
<context>
    <name>DirectoryImport</name>
    <message>
        <source>it has no submission address</source>
        <translation>er is geen aanmeldadres</translation>
    </message>
    <message>
        <source>one of its fields has a type Kestrine does not know</source>
        <translation>een van de velden heeft een type dat Kestrine niet kent</translation>
    </message>
    <message>
        <source>Kestrine cannot read %1: it is missing, unreadable or too large.</source>
        <translation>Kestrine kan %1 niet lezen: het bestand ontbreekt, is onleesbaar of is te groot.</translation>
    </message>
    <message>
        <source>%1 is not a directory list in the format of dirdata.xml, or breaks the rules Kestrine keeps for files from elsewhere.</source>
        <translation>%1 is geen directorylijst in de indeling van dirdata.xml, of overtreedt de regels die Kestrine hanteert voor bestanden van elders.</translation>
    </message>
    <message>
        <source>%1 holds no directories.</source>
        <translation>%1 bevat geen directory&apos;s.</translation>
    </message>
    <message>
        <source>its submission address is not an http or https address</source>
        <translation>het aanmeldadres is geen http- of https-adres</translation>
    </message>
    <message>
        <source>it looks the same as &quot;%1&quot;, which the list has already</source>
        <translation>deze lijkt gelijk aan ‘%1’, die al in de lijst staat</translation>
    </message>
</context>
<context>
    <name>DirectoryListEntry</name>
    <message>
        <source>sent</source>
        <translation>verzonden</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>niet verzonden</translation>
    </message>
</context>
<context>
    <name>DirectoryName</name>
    <message>
        <source>Please enter a name for the directory.</source>
        <translation>Voer een naam voor de directory in.</translation>
    </message>
    <message>
        <source>The name is too long: a directory name can have at most 223 characters.</source>
        <translation>De naam is te lang: een directorynaam mag hoogstens 223 tekens hebben.</translation>
    </message>
    <message>
        <source>A directory name cannot contain &quot; [&quot;.</source>
        <translation>Een directorynaam mag geen ‘ [’ bevatten.</translation>
    </message>
    <message>
        <source>A directory name cannot contain line breaks or tabs.</source>
        <translation>Een directorynaam mag geen regeleinden of tabs bevatten.</translation>
    </message>
    <message>
        <source>A directory name cannot contain invisible characters, such as a zero-width space; this one holds %1.</source>
        <translation>Een directorynaam mag geen onzichtbare tekens bevatten, zoals een spatie met breedte nul; deze bevat %1.</translation>
    </message>
</context>
<context>
    <name>DirectoryNameProposal</name>
    <message>
        <source>New directory</source>
        <translation>Nieuwe directory</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
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
        <translation>Het adres antwoordt met een webpagina, niet met een feed. De pagina kondigt geen feed aan.</translation>
    </message>
    <message>
        <source>The address answers with a web page, not a feed. The page announces one feed, which can be taken instead.</source>
        <translation>Het adres antwoordt met een webpagina, niet met een feed. De pagina kondigt één feed aan, die in plaats daarvan kan worden overgenomen.</translation>
    </message>
    <message numerus="yes">
        <source>The address answers with a web page, not a feed. The page announces %n feeds; one of them can be taken instead.</source>
        <translation>
            <numerusform>Het adres antwoordt met een webpagina, niet met een feed. De pagina kondigt %n feed aan; die kan in plaats daarvan worden overgenomen.</numerusform>
            <numerusform>Het adres antwoordt met een webpagina, niet met een feed. De pagina kondigt %n feeds aan; een daarvan kan in plaats daarvan worden overgenomen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No feed address is given.</source>
        <translation>Er is geen feedadres opgegeven.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be checked.</source>
        <translation>Alleen http- en https-adressen kunnen worden gecontroleerd.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Er is geen bestand %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Het bestand is groter dan %1 MB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Het bestand kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>Het antwoord is groter dan %1.</translation>
    </message>
    <message>
        <source>The server did not send the whole answer within %1.</source>
        <translation>De server heeft het volledige antwoord niet binnen %1 verzonden.</translation>
    </message>
    <message>
        <source>The server answered with status %1 instead of the feed.</source>
        <translation>De server antwoordde met status %1 in plaats van met de feed.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Dit is geen http- of https-adres.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>De servernaam kon niet worden gevonden.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>De server kon niet worden bereikt.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>De server reageert niet meer.</translation>
    </message>
    <message>
        <source>The address redirects too many times.</source>
        <translation>Het adres leidt te vaak door.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Er kon geen beveiligde verbinding met de server worden gemaakt.</translation>
    </message>
    <message>
        <source>The server broke off its answer.</source>
        <translation>De server heeft zijn antwoord afgebroken.</translation>
    </message>
    <message>
        <source>The feed could not be fetched (libcurl error %1).</source>
        <translation>De feed kon niet worden opgehaald (libcurl-fout %1).</translation>
    </message>
    <message>
        <source>The network library (libcurl) could not be loaded.</source>
        <translation>De netwerkbibliotheek (libcurl) kon niet worden geladen.</translation>
    </message>
    <message>
        <source>The check was cancelled.</source>
        <translation>De controle is geannuleerd.</translation>
    </message>
    <message>
        <source>The feed is larger than %1 MB and was not read.</source>
        <translation>De feed is groter dan %1 MB en is niet gelezen.</translation>
    </message>
    <message>
        <source>The feed declares entities that would grow far beyond its own size; it was not read.</source>
        <translation>De feed declareert entiteiten die ver boven zijn eigen grootte zouden uitgroeien; hij is niet gelezen.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML</source>
        <translation>De feed is geen goedgevormde XML</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML: %1</source>
        <translation>De feed is geen goedgevormde XML: %1</translation>
    </message>
    <message>
        <source>This is not a feed: the document is &lt;%1&gt;, where a feed is &lt;rss&gt;, &lt;rdf:RDF&gt; or &lt;feed&gt;.</source>
        <translation>Dit is geen feed: het document is &lt;%1&gt;, terwijl een feed &lt;rss&gt;, &lt;rdf:RDF&gt; of &lt;feed&gt; is.</translation>
    </message>
    <message>
        <source>The feed has no title.</source>
        <translation>De feed heeft geen titel.</translation>
    </message>
    <message>
        <source>The feed has no link to its web site.</source>
        <translation>De feed heeft geen link naar zijn website.</translation>
    </message>
    <message>
        <source>The document is empty.</source>
        <translation>Het document is leeg.</translation>
    </message>
    <message>
        <source>The document holds no element.</source>
        <translation>Het document bevat geen element.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>regel %1: </translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>regel %1, kolom %2: </translation>
    </message>
    <message>
        <source>Redirected to</source>
        <translation>Doorgestuurd naar</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Items: %1</source>
        <translation>Items: %1</translation>
    </message>
    <message>
        <source>Items: %1, the newest of %2</source>
        <translation>Items: %1, het nieuwste van %2</translation>
    </message>
    <message>
        <source>Announced feed: %1</source>
        <translation>Aangekondigde feed: %1</translation>
    </message>
    <message>
        <source>Announced feed: %1 (%2)</source>
        <translation>Aangekondigde feed: %1 (%2)</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>De feed is bruikbaar.</translation>
    </message>
    <message>
        <source>Problem: %1%2</source>
        <translation>Probleem: %1%2</translation>
    </message>
    <message>
        <source>The feed&apos;s only item has no link.</source>
        <translation>Het enige item van de feed heeft geen link.</translation>
    </message>
    <message numerus="yes">
        <source>The date “%1” cannot be read (nor %n more).</source>
        <translation>
            <numerusform>De datum ‘%1’ kan niet worden gelezen (net als %n andere datum).</numerusform>
            <numerusform>De datum ‘%1’ kan niet worden gelezen (net als %n andere datums).</numerusform>
        </translation>
    </message>
    <message>
        <source>The date “%1” cannot be read.</source>
        <translation>De datum ‘%1’ kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The feed has no RSS &lt;channel&gt;.</source>
        <translation>De feed heeft geen RSS-element &lt;channel&gt;.</translation>
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
            <numerusform>%n van %1 heeft geen link.</numerusform>
            <numerusform>%n van %1 hebben geen link.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have no link.</source>
        <translation>
            <numerusform>%n van %1 heeft geen link.</numerusform>
            <numerusform>%n van %1 hebben geen link.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FeedTexts</name>
    <message>
        <source>Use title and description</source>
        <translation>Titel en beschrijving overnemen</translation>
    </message>
    <message>
        <source>The profile already has a title or description of its own.

Replace them with the feed&apos;s? No fills only the empty fields.</source>
        <translation>Het profiel heeft al een eigen titel of beschrijving.

Vervangen door die van de feed? Met ‘Nee’ worden alleen de lege velden ingevuld.</translation>
    </message>
</context>
<context>
    <name>FieldMeaning</name>
    <message>
        <source>(not filled)</source>
        <translation>(niet ingevuld)</translation>
    </message>
    <message>
        <source>Feed address</source>
        <translation>Feedadres</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Websiteadres</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
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
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Achternaam</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Volledige naam</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
</context>
<context>
    <name>FillReport</name>
    <message>
        <source>No field of this directory was found on the page</source>
        <translation>Geen enkel veld van deze directory is op de pagina gevonden</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>niet gevonden: %1</translation>
    </message>
    <message>
        <source>the submission will not be noticed</source>
        <translation>de aanmelding wordt niet opgemerkt</translation>
    </message>
    <message numerus="yes">
        <source>Filled %1 of %n fields</source>
        <translation>
            <numerusform>%1 van %n veld ingevuld</numerusform>
            <numerusform>%1 van %n velden ingevuld</numerusform>
        </translation>
    </message>
    <message>
        <source>its form may be inside components whose fields cannot be reached</source>
        <translation>het formulier staat mogelijk in componenten waarvan de velden niet bereikbaar zijn</translation>
    </message>
    <message>
        <source>nothing left for you</source>
        <translation>niets meer voor u in te vullen</translation>
    </message>
    <message>
        <source>left for you: %1</source>
        <translation>nog voor u in te vullen: %1</translation>
    </message>
    <message>
        <source>in a frame of %1</source>
        <translation>in een frame van %1</translation>
    </message>
    <message>
        <source>Category: as you chose last time</source>
        <translation>Categorie: zoals u de vorige keer koos</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message numerus="yes">
        <source>%n events could not be written to the history nor kept for the next start, and are lost: %1</source>
        <translation>
            <numerusform>%n gebeurtenis kon niet in de geschiedenis worden geschreven of voor de volgende start worden bewaard en is verloren: %1</numerusform>
            <numerusform>%n gebeurtenissen konden niet in de geschiedenis worden geschreven of voor de volgende start worden bewaard en zijn verloren: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it was written by a newer version of the program (layout %1, this one knows up to %2)</source>
        <translation>deze is geschreven door een nieuwere versie van het programma (indeling %1, deze versie kent tot en met %2)</translation>
    </message>
    <message>
        <source>it has the layout of an older version of the program, and cannot be written to bring it up to date</source>
        <translation>deze heeft de indeling van een oudere versie van het programma en kan niet worden beschreven om deze bij te werken</translation>
    </message>
    <message>
        <source>the file cannot be switched to write-ahead logging</source>
        <translation>het bestand kan niet worden omgezet naar write-ahead logging</translation>
    </message>
</context>
<context>
    <name>MailCheck</name>
    <message>
        <source>mail %1 was left unread: %2</source>
        <translation>mail %1 is niet gelezen: %2</translation>
    </message>
</context>
<context>
    <name>MailLook</name>
    <message>
        <source>no mailbox is set up: give server and user under [mail] in %1, or use Settings &gt; Confirmation Mails</source>
        <translation>er is geen mailbox ingesteld: geef server en user op onder [mail] in %1, of gebruik Instellingen &gt; Bevestigingsmails</translation>
    </message>
    <message>
        <source>the history cannot be read (%1)</source>
        <translation>de geschiedenis kan niet worden gelezen (%1)</translation>
    </message>
</context>
<context>
    <name>MailPassword</name>
    <message>
        <source>the desktop&apos;s secret store cannot be reached (%1)</source>
        <translation>de sleutelbos van het bureaublad is niet bereikbaar (%1)</translation>
    </message>
    <message>
        <source>the password command gave no password</source>
        <translation>de wachtwoordopdracht gaf geen wachtwoord</translation>
    </message>
    <message>
        <source>the password command took too long</source>
        <translation>de wachtwoordopdracht duurde te lang</translation>
    </message>
    <message>
        <source>no password is kept for this mailbox: enter it in Settings &gt; Confirmation Mails, or set a password command</source>
        <translation>voor deze mailbox is geen wachtwoord bewaard: voer het in bij Instellingen &gt; Bevestigingsmails, of stel een wachtwoordopdracht in</translation>
    </message>
</context>
<context>
    <name>MailReader</name>
    <message>
        <source>the mail is too large to be read</source>
        <translation>de mail is te groot om te lezen</translation>
    </message>
    <message>
        <source>parts nested too deeply were not read</source>
        <translation>te diep geneste delen zijn niet gelezen</translation>
    </message>
    <message>
        <source>only the first text parts were read</source>
        <translation>alleen de eerste tekstdelen zijn gelezen</translation>
    </message>
    <message>
        <source>only the beginning of a long text was read</source>
        <translation>van een lange tekst is alleen het begin gelezen</translation>
    </message>
    <message>
        <source>the character set %1 is unknown; its text was read as far as it is plain ASCII</source>
        <translation>de tekenset %1 is onbekend; de tekst is gelezen voor zover die gewoon ASCII is</translation>
    </message>
    <message>
        <source>the mail has a header line too long to be read</source>
        <translation>de mail heeft een kopregel die te lang is om te lezen</translation>
    </message>
    <message>
        <source>the mail cannot be read</source>
        <translation>de mail kan niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>Mailbox</name>
    <message>
        <source>%1 is not the address of a mail server (write imaps://host or imap://host)</source>
        <translation>%1 is niet het adres van een mailserver (schrijf imaps://host of imap://host)</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>kan geen verbinding maken met %1</translation>
    </message>
    <message>
        <source>login refused by %1: check the user name and the password</source>
        <translation>aanmelding geweigerd door %1: controleer de gebruikersnaam en het wachtwoord</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>het certificaat van %1 wordt niet vertrouwd</translation>
    </message>
    <message>
        <source>%1 does not offer an encrypted connection</source>
        <translation>%1 biedt geen versleutelde verbinding</translation>
    </message>
    <message>
        <source>the folder %1 is missing on %2</source>
        <translation>de map %1 ontbreekt op %2</translation>
    </message>
    <message>
        <source>%1 sent more than any answer needs; it was not read further</source>
        <translation>%1 stuurde meer dan een antwoord nodig heeft; er is niet verder gelezen</translation>
    </message>
    <message>
        <source>the mailbox cannot be read: libcurl is missing</source>
        <translation>de mailbox kan niet worden gelezen: libcurl ontbreekt</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>Profile Data</source>
        <translation>Profielgegevens</translation>
    </message>
    <message>
        <source>Profile details</source>
        <translation>Profieldetails</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Profielnaam:</translation>
    </message>
    <message>
        <source>RSS Feed URL:</source>
        <translation>RSS-feedadres:</translation>
    </message>
    <message>
        <source>RSS Link title:</source>
        <translation>Titel van RSS-link:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschrijving:</translation>
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
        <translation>Voornaam:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Achternaam:</translation>
    </message>
    <message>
        <source>Check feed</source>
        <translation>Feed controleren</translation>
    </message>
    <message>
        <source>Fetch the RSS feed URL and show what the feed says about itself</source>
        <translation>Het RSS-feedadres ophalen en tonen wat de feed over zichzelf zegt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categorie:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>S&amp;ubcategory:</source>
        <translation>&amp;Subcategorie:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Subcategorie</translation>
    </message>
</context>
<context>
    <name>ProfilesConfigurator</name>
    <message>
        <source>Profile Manager</source>
        <translation>Profielbeheer</translation>
    </message>
    <message>
        <source>Available profiles</source>
        <translation>Beschikbare profielen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profielen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(no name: cannot be saved)</source>
        <translation>(geen naam: kan niet worden opgeslagen)</translation>
    </message>
    <message>
        <source>Filled by meaning: %1.</source>
        <translation>Ingevuld op betekenis: %1.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niets</translation>
    </message>
    <message numerus="yes">
        <source> Kept %n field(s) you typed in.</source>
        <translation>
            <numerusform> %n door u ingevoerd veld behouden.</numerusform>
            <numerusform> %n door u ingevoerde velden behouden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened</source>
        <translation>Geopend</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Ingevuld</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Aangemeld</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Bevestigd</translation>
    </message>
    <message>
        <source>Not confirmed</source>
        <translation>Niet bevestigd</translation>
    </message>
    <message>
        <source>Marked as sent</source>
        <translation>Gemarkeerd als verzonden</translation>
    </message>
    <message>
        <source>Marked as not sent</source>
        <translation>Gemarkeerd als niet verzonden</translation>
    </message>
    <message>
        <source>(in a frame from %1)</source>
        <translation>(in een frame van %1)</translation>
    </message>
    <message>
        <source>%1 (in a frame from %2)</source>
        <translation>%1 (in een frame van %2)</translation>
    </message>
    <message>
        <source>Confirmed by e-mail</source>
        <translation>Per e-mail bevestigd</translation>
    </message>
</context>
<context>
    <name>SubmissionProgress</name>
    <message>
        <source>The directories still unsent for %1 were found dead by the last check</source>
        <translation>De directory&apos;s die voor %1 nog niet zijn verzonden, waren bij de laatste controle verdwenen</translation>
    </message>
    <message>
        <source>No directory shown is unsent for %1</source>
        <translation>Alle getoonde directory&apos;s zijn verzonden voor %1</translation>
    </message>
    <message>
        <source>Every directory is sent for %1</source>
        <translation>Alle directory&apos;s zijn verzonden voor %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n directories sent for %2</source>
        <translation>
            <numerusform>%1 van %n directory verzonden voor %2</numerusform>
            <numerusform>%1 van %n directory&apos;s verzonden voor %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDirectoryFile</name>
    <message>
        <source>Kestrine cannot read your directories in %1, so it leaves the file as it is. Correct the file or move it away, then try again.</source>
        <translation>Kestrine kan uw directory&apos;s in %1 niet lezen en laat het bestand daarom ongewijzigd. Corrigeer het bestand of verplaats het en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>a text holds characters that mydirs.xml cannot store</source>
        <translation>een tekst bevat tekens die mydirs.xml niet kan opslaan</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrine is already running. Switch to its window, or close it before you start Kestrine again.</source>
        <translation>Kestrine is al actief. Ga naar het venster ervan of sluit het voordat u Kestrine opnieuw start.</translation>
    </message>
</context>
</TS>
