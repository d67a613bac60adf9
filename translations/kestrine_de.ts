<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>it is a symbolic link that another user made in %1, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>es ist ein symbolischer Link, den ein anderer Benutzer in %1 angelegt hat, einem Ordner, in den jeder schreiben darf; daher folgt Kestrine ihm nicht</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link that another user made in %2, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>der Ordner %1 ist ein symbolischer Link, den ein anderer Benutzer in %2 angelegt hat, einem Ordner, in den jeder schreiben darf; daher folgt Kestrine ihm nicht</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Your profiles and the directory database are kept in
%1</source>
        <translation>Ihre Profile und die Verzeichnisdatenbank liegen in
%1</translation>
    </message>
    <message>
        <source>About Kestrine</source>
        <translation>Über Kestrine</translation>
    </message>
</context>
<context>
    <name>CAssistantStatus</name>
    <message numerus="yes">
        <source>%n results pending</source>
        <translation>
            <numerusform>%n Ergebnis ausstehend</numerusform>
            <numerusform>%n Ergebnisse ausstehend</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result pending</source>
        <translation>
            <numerusform>%n Ergebnis ausstehend</numerusform>
            <numerusform>%n Ergebnisse ausstehend</numerusform>
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
        <translation>Diese Seite funktioniert nicht mehr. Wählen Sie das Verzeichnis erneut, um sie neu zu laden.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
</context>
<context>
    <name>CBrowserTab</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Ausgefüllt</translation>
    </message>
    <message>
        <source>Submitted, waiting for the result page</source>
        <translation>Eingetragen, Ergebnisseite steht noch aus</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Not confirmed by the result page</source>
        <translation>Von der Ergebnisseite nicht bestätigt</translation>
    </message>
    <message>
        <source>Opened again: it had been filled for another profile, or by rules that changed since.</source>
        <translation>Erneut geöffnet: Die Seite war für ein anderes Profil oder nach inzwischen geänderten Regeln ausgefüllt worden.</translation>
    </message>
    <message>
        <source>Its page waits for an answer: it asks again when you come to this tab.</source>
        <translation>Die Seite wartet auf eine Antwort: Sie fragt erneut, wenn Sie zu diesem Tab wechseln.</translation>
    </message>
</context>
<context>
    <name>CBrowserTabs</name>
    <message>
        <source>Close &amp;Tab</source>
        <translation>&amp;Tab schließen</translation>
    </message>
    <message>
        <source>Pre&amp;vious Tab</source>
        <translation>&amp;Vorheriger Tab</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Nächster Tab</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>Bestätigungsmail eingetroffen</translation>
    </message>
</context>
<context>
    <name>CConfirmationMails</name>
    <message>
        <source>Confirmation mails: %1</source>
        <translation>Bestätigungsmails: %1</translation>
    </message>
    <message>
        <source>1 confirmation mail waiting</source>
        <translation>1 Bestätigungsmail wartet</translation>
    </message>
    <message numerus="yes">
        <source>%n confirmation mails waiting</source>
        <translation>
            <numerusform>%n Bestätigungsmail wartet</numerusform>
            <numerusform>%n Bestätigungsmails warten</numerusform>
        </translation>
    </message>
    <message>
        <source>No confirmation mails waiting</source>
        <translation>Keine Bestätigungsmails warten</translation>
    </message>
    <message>
        <source>Open Confirmation &amp;Link</source>
        <translation>Bestätigungs&amp;link öffnen</translation>
    </message>
</context>
<context>
    <name>CConfirmationMailsDlg</name>
    <message>
        <source>Confirmation Mails</source>
        <translation>Bestätigungsmails</translation>
    </message>
    <message>
        <source>Many directories list a feed only after you click a link they send by e-mail. Kestrine looks for these mails for two days after each submission, while its window is open, and offers their links. Leave the server empty to turn this off.</source>
        <translation>Viele Verzeichnisse nehmen einen Feed erst auf, wenn Sie einen Link anklicken, den sie per E-Mail schicken. Kestrine sucht diese Mails zwei Tage lang nach jeder Eintragung, solange sein Fenster offen ist, und bietet ihre Links an. Lassen Sie den Server leer, um dies auszuschalten.</translation>
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
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in kestrine.conf.</source>
        <translation>Im Passwortspeicher der Arbeitsumgebung aufbewahrt, nie in kestrine.conf.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>A command that prints the password, such as &quot;pass show mail&quot;, used instead of the secret store.</source>
        <translation>Ein Befehl, der das Passwort ausgibt, etwa „pass show mail“, statt des Passwortspeichers.</translation>
    </message>
    <message>
        <source>Password &amp;command:</source>
        <translation>Passwort-Befe&amp;hl:</translation>
    </message>
    <message>
        <source>The server must be an imaps:// or imap:// address, as in imaps://mail.example.org or imap://mail.example.org:143.</source>
        <translation>Der Server muss eine imaps://- oder imap://-Adresse sein, etwa imaps://mail.example.org oder imap://mail.example.org:143.</translation>
    </message>
    <message>
        <source>Give the user name the mail server knows you by.</source>
        <translation>Geben Sie den Benutzernamen an, unter dem der Mailserver Sie kennt.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Das Passwort konnte nicht aufbewahrt werden: %1</translation>
    </message>
</context>
<context>
    <name>CCurrentProfile</name>
    <message>
        <source>Kestrine could not save your profiles to sv.dat: %1. Fix the problem and close the window again, or choose File &gt; Exit to quit without saving.</source>
        <translation>Kestrine konnte Ihre Profile nicht in sv.dat speichern: %1. Beheben Sie das Problem und schließen Sie das Fenster erneut, oder wählen Sie Datei &gt; Beenden, um ohne Speichern zu beenden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Kestrine cannot save your profiles: %1. You can go on working, but changes to your profiles and the directories marked as sent will be lost when Kestrine closes.</source>
        <translation>Kestrine kann Ihre Profile nicht speichern: %1. Sie können weiterarbeiten, aber Änderungen an Ihren Profilen und die als gesendet markierten Verzeichnisse gehen verloren, wenn Kestrine beendet wird.</translation>
    </message>
</context>
<context>
    <name>CDatabaseSourceDlg</name>
    <message>
        <source>Database Source</source>
        <translation>Datenbankquelle</translation>
    </message>
    <message>
        <source>Update RSS Directory Database downloads the directory database from this address (http or https):</source>
        <translation>„RSS-Verzeichnisdatenbank aktualisieren“ lädt die Verzeichnisdatenbank von dieser Adresse herunter (http oder https):</translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckController</name>
    <message>
        <source>Repair Directory</source>
        <translation>Verzeichnis reparieren</translation>
    </message>
    <message>
        <source>Check Directories</source>
        <translation>Verzeichnisse prüfen</translation>
    </message>
    <message>
        <source>Only the Others</source>
        <translation>Nur die übrigen</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alle prüfen</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>Die Prüfung konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The results could not be kept in history.sqlite: %1.</source>
        <translation>Die Ergebnisse konnten nicht in history.sqlite gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The check could not run: libcurl is missing.</source>
        <translation>Die Prüfung konnte nicht ausgeführt werden: libcurl fehlt.</translation>
    </message>
    <message>
        <source>The directory database %1 could not be read.</source>
        <translation>Die Verzeichnisdatenbank %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Please choose the directory to repair in the list first.</source>
        <translation>Bitte wählen Sie zuerst das zu reparierende Verzeichnis in der Liste.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. %1 has not been checked yet.</source>
        <translation>„Reparieren“ ist für Verzeichnisse gedacht, die „Verzeichnis &gt; Verzeichnisse prüfen“ als umgezogen oder mit geändertem Formular erkannt hat. %1 wurde noch nicht geprüft.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. The last check of %1 found: %2</source>
        <translation>„Reparieren“ ist für Verzeichnisse gedacht, die „Verzeichnis &gt; Verzeichnisse prüfen“ als umgezogen oder mit geändertem Formular erkannt hat. Die letzte Prüfung von %1 ergab: %2</translation>
    </message>
    <message>
        <source>The page of %1 cannot be opened: %2 is not a web address.</source>
        <translation>Die Seite von %1 kann nicht geöffnet werden: %2 ist keine Webadresse.</translation>
    </message>
    <message>
        <source>The page of %1 did not load. Try Directory &gt; Repair again later.</source>
        <translation>Die Seite von %1 wurde nicht geladen. Versuchen Sie „Verzeichnis &gt; Reparieren“ später erneut.</translation>
    </message>
    <message numerus="yes">
        <source>%n of the directories were checked in the last 7 days. Check them again, or only the others?</source>
        <translation>
            <numerusform>%n Verzeichnis wurde in den letzten 7 Tagen geprüft. Alle erneut prüfen oder nur die übrigen?</numerusform>
            <numerusform>%n der Verzeichnisse wurden in den letzten 7 Tagen geprüft. Alle erneut prüfen oder nur die übrigen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckDialog</name>
    <message>
        <source>Check Directories</source>
        <translation>Verzeichnisse prüfen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reading the directories…</source>
        <translation>Verzeichnisse werden gelesen…</translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directories.</source>
        <translation>
            <numerusform>%n Verzeichnis geprüft.</numerusform>
            <numerusform>%n Verzeichnisse geprüft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n checked in the last 7 days were left out.</source>
        <translation>
            <numerusform>%n in den letzten 7 Tagen geprüftes Verzeichnis wurde ausgelassen.</numerusform>
            <numerusform>%n in den letzten 7 Tagen geprüfte Verzeichnisse wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directory.</source>
        <translation>
            <numerusform>%n Verzeichnis geprüft.</numerusform>
            <numerusform>%n Verzeichnisse geprüft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %1 of %n directories</source>
        <translation>
            <numerusform>%1 von %n Verzeichnis geprüft</numerusform>
            <numerusform>%1 von %n Verzeichnissen geprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2. Resume goes on where the check stopped.</source>
        <extracomment>%1 is the number of directories checked, %2 how many there are (&quot;12 directories&quot;); the noun may go with either, as the language wants it.</extracomment>
        <translation>Abgebrochen nach %1 von %2. „Fortsetzen“ macht dort weiter, wo die Prüfung aufgehört hat.</translation>
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
            <numerusform>%n Verzeichnis</numerusform>
            <numerusform>%n Verzeichnissen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCommands</name>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>Open &amp;Address…</source>
        <translation>&amp;Adresse öffnen…</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Vor&amp;wärts</translation>
    </message>
    <message>
        <source>&amp;Next unsent</source>
        <translation>&amp;Nächstes offenes</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Verzeichnis</translation>
    </message>
    <message>
        <source>&amp;Add This Page…</source>
        <translation>Diese Seite &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Copy to My Directories</source>
        <translation>In eigene Verzeichnisse &amp;kopieren</translation>
    </message>
    <message>
        <source>Open Address</source>
        <translation>Adresse öffnen</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Kestrine cannot read your own directories in %1, so the list shows only those of the directory database. Kestrine leaves the file as it is: correct it or move it away, then start Kestrine again.</source>
        <translation>Kestrine kann Ihre eigenen Verzeichnisse in %1 nicht lesen, daher zeigt die Liste nur die der Verzeichnisdatenbank. Kestrine lässt die Datei unverändert: Korrigieren Sie sie oder verschieben Sie sie, und starten Sie Kestrine dann erneut.</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Verzeichnis hinzufügen</translation>
    </message>
    <message>
        <source>Please wait until the page has loaded, then add it again.</source>
        <translation>Bitte warten Sie, bis die Seite geladen ist, und fügen Sie sie dann erneut hinzu.</translation>
    </message>
    <message>
        <source>This page has no form fields to fill. Open the directory&apos;s submission page and try again.</source>
        <translation>Diese Seite hat keine Formularfelder zum Ausfüllen. Öffnen Sie die Eintragungsseite des Verzeichnisses und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Verzeichnis bearbeiten</translation>
    </message>
    <message>
        <source>Please choose the directory to edit in the list first.</source>
        <translation>Bitte wählen Sie zuerst das zu bearbeitende Verzeichnis in der Liste.</translation>
    </message>
    <message>
        <source>%1 comes with the directory database. Choose Directory &gt; Copy to My Directories to make it your own, then edit it.</source>
        <translation>%1 gehört zur Verzeichnisdatenbank. Wählen Sie „Verzeichnis &gt; In eigene Verzeichnisse kopieren“, um es zu Ihrem eigenen zu machen, und bearbeiten Sie es dann.</translation>
    </message>
    <message>
        <source>Remove Directory</source>
        <translation>Verzeichnis entfernen</translation>
    </message>
    <message>
        <source>Please choose one of your own directories in the list first. Directories of the directory database cannot be removed.</source>
        <translation>Bitte wählen Sie zuerst eines Ihrer eigenen Verzeichnisse in der Liste. Verzeichnisse der Verzeichnisdatenbank können nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Remove %1 from your directories?</source>
        <translation>%1 aus Ihren Verzeichnissen entfernen?</translation>
    </message>
    <message>
        <source>Removed %1 from your directories.</source>
        <translation>%1 wurde aus Ihren Verzeichnissen entfernt.</translation>
    </message>
    <message>
        <source>Copy to My Directories</source>
        <translation>In eigene Verzeichnisse kopieren</translation>
    </message>
    <message>
        <source>Please choose a directory of the directory database in the list first.</source>
        <translation>Bitte wählen Sie zuerst ein Verzeichnis der Verzeichnisdatenbank in der Liste.</translation>
    </message>
    <message>
        <source>%1 is now one of your directories: Directory &gt; Edit… changes it, updates of the database leave it alone.</source>
        <translation>%1 ist jetzt eines Ihrer Verzeichnisse: „Verzeichnis &gt; Bearbeiten…“ ändert es, Aktualisierungen der Datenbank lassen es unverändert.</translation>
    </message>
    <message>
        <source>You already have a directory named %1. Replace it?</source>
        <translation>Sie haben bereits ein Verzeichnis namens %1. Ersetzen?</translation>
    </message>
    <message>
        <source>The directory database has a directory named %1. Yours will take its place in the list. Go on?</source>
        <translation>Die Verzeichnisdatenbank enthält ein Verzeichnis namens %1. Ihres tritt in der Liste an seine Stelle. Fortfahren?</translation>
    </message>
    <message>
        <source>Saved %1 to your directories.</source>
        <translation>%1 wurde in Ihren Verzeichnissen gespeichert.</translation>
    </message>
    <message>
        <source>Kestrine cannot save your directories: %1.</source>
        <translation>Kestrine kann Ihre Verzeichnisse nicht speichern: %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Kestrine could not save your directories to mydirs.xml: %1.</source>
        <translation>Kestrine konnte Ihre Verzeichnisse nicht in mydirs.xml speichern: %1.</translation>
    </message>
    <message>
        <source>Confirmation text</source>
        <translation>Bestätigungstext</translation>
    </message>
    <message>
        <source>Kestrine does not know yet how &quot;%1&quot; confirms a submission.
If this page confirms yours, keep or change the text below: Kestrine will look for it after later submissions and marks the directory sent now.</source>
        <translation>Kestrine weiß noch nicht, wie „%1“ eine Eintragung bestätigt.
Wenn diese Seite Ihre Eintragung bestätigt, behalten oder ändern Sie den Text unten: Kestrine sucht nach späteren Eintragungen danach und markiert das Verzeichnis jetzt als gesendet.</translation>
    </message>
    <message>
        <source>Find &amp;directory</source>
        <translation>Verzeichnis &amp;suchen</translation>
    </message>
</context>
<context>
    <name>CDirectoryEditorDlg</name>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Verzeichnis hinzufügen</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Verzeichnis bearbeiten</translation>
    </message>
    <message>
        <source>A new name keeps the directory&apos;s sent marks, for every profile.</source>
        <translation>Ein neuer Name behält die Gesendet-Markierungen des Verzeichnisses, für jedes Profil.</translation>
    </message>
    <message>
        <source>Optional: a text the page shows after a successful submission</source>
        <translation>Optional: ein Text, den die Seite nach einer erfolgreichen Eintragung zeigt</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Submission page:</source>
        <translation>&amp;Eintragungsseite:</translation>
    </message>
    <message>
        <source>&amp;Confirmation text:</source>
        <translation>&amp;Bestätigungstext:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>The page says</source>
        <translation>Text der Seite</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Fill with</source>
        <translation>Ausfüllen mit</translation>
    </message>
    <message>
        <source>Only ticked fields are filled. Kestrine is &quot;not sure&quot; of some: their best guess is chosen but not ticked.</source>
        <translation>Nur angehakte Felder werden ausgefüllt. Bei einigen ist Kestrine „nicht sicher“: Die beste Vermutung ist ausgewählt, aber nicht angehakt.</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>nicht sicher</translation>
    </message>
    <message>
        <source>Please enter the address of the directory&apos;s submission page.</source>
        <translation>Bitte geben Sie die Adresse der Eintragungsseite des Verzeichnisses ein.</translation>
    </message>
    <message>
        <source>Fields of the page</source>
        <translation>Felder der Seite</translation>
    </message>
    <message>
        <source>The submission page must be a web address beginning with http:// or https://.</source>
        <translation>Die Eintragungsseite muss eine Webadresse sein, die mit http:// oder https:// beginnt.</translation>
    </message>
</context>
<context>
    <name>CDirectoryEntryDelegate</name>
    <message>
        <source> (mine)</source>
        <translation> (meins)</translation>
    </message>
</context>
<context>
    <name>CDirectoryListCommands</name>
    <message numerus="yes">
        <source>%n directories</source>
        <translation>
            <numerusform>%n Verzeichnis</numerusform>
            <numerusform>%n Verzeichnisse</numerusform>
        </translation>
    </message>
    <message>
        <source>Directory lists (*.xml);;All files (*)</source>
        <translation>Verzeichnislisten (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Import Directories…</source>
        <translation>Verzeichnisse &amp;importieren…</translation>
    </message>
    <message>
        <source>Export &amp;My Directories…</source>
        <translation>Eigene Verzeichnisse e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Verzeichnisse importieren</translation>
    </message>
    <message>
        <source>%1 holds no directory you do not have already.</source>
        <translation>%1 enthält kein Verzeichnis, das Sie nicht schon haben.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>%1 importiert.</translation>
    </message>
    <message>
        <source>Export My Directories</source>
        <translation>Eigene Verzeichnisse exportieren</translation>
    </message>
    <message>
        <source>You have no directories of your own yet. Directory &gt; Add This Page… makes one from a directory&apos;s submission page.</source>
        <translation>Sie haben noch keine eigenen Verzeichnisse. „Verzeichnis &gt; Diese Seite hinzufügen…“ erstellt eines aus der Eintragungsseite eines Verzeichnisses.</translation>
    </message>
    <message>
        <source>Kestrine could not write %1: %2.</source>
        <translation>Kestrine konnte %1 nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 in %2 geschrieben.</translation>
    </message>
    <message>
        <source>Directory Lists</source>
        <translation>Verzeichnislisten</translation>
    </message>
    <message numerus="yes">
        <source>%n directory</source>
        <translation>
            <numerusform>%n Verzeichnis</numerusform>
            <numerusform>%n Verzeichnisse</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryListModel</name>
    <message>
        <source>One of your own directories, kept in mydirs.xml</source>
        <translation>Eines Ihrer eigenen Verzeichnisse, gespeichert in mydirs.xml</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>one of your own</source>
        <translation>eines Ihrer eigenen Verzeichnisse</translation>
    </message>
    <message>
        <source>Its confirmation mail has arrived: Enter opens the link</source>
        <translation>Die Bestätigungsmail ist eingetroffen: Die Eingabetaste öffnet den Link</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>Bestätigungsmail eingetroffen</translation>
    </message>
</context>
<context>
    <name>CDirectoryListPanel</name>
    <message>
        <source>Next unsent</source>
        <translation>Nächstes offenes</translation>
    </message>
    <message>
        <source>Search directories</source>
        <translation>Verzeichnisse durchsuchen</translation>
    </message>
    <message>
        <source>Unsent only</source>
        <translation>Nur offene</translation>
    </message>
    <message>
        <source>Hide unreachable</source>
        <translation>Nur erreichbare</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Bitte legen Sie zuerst ein Profil an!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Mark as sent</source>
        <translation>Als gesendet markieren</translation>
    </message>
    <message>
        <source>Mark as not sent</source>
        <translation>Als nicht gesendet markieren</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <source>Arrow keys open a directory&apos;s page beside the list; Enter goes into the page</source>
        <translation>Pfeiltasten öffnen die Seite eines Verzeichnisses neben der Liste; die Eingabetaste wechselt in die Seite</translation>
    </message>
    <message>
        <source>Search directories by name</source>
        <translation>Verzeichnisse nach Namen durchsuchen</translation>
    </message>
</context>
<context>
    <name>CEmptyListHint</name>
    <message>
        <source>&lt;p&gt;There are no directories yet. To get some:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Es gibt noch keine Verzeichnisse. So erhalten Sie welche:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CExportDirectoriesDlg</name>
    <message>
        <source>Export My Directories</source>
        <translation>Eigene Verzeichnisse exportieren</translation>
    </message>
    <message>
        <source>Your directories to write to a list that others can import:</source>
        <translation>Ihre Verzeichnisse, die in eine Liste geschrieben werden sollen, die andere importieren können:</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Your directories</source>
        <translation>Ihre Verzeichnisse</translation>
    </message>
</context>
<context>
    <name>CFeedCheckCommands</name>
    <message>
        <source>Please choose a profile first: the check reads its RSS feed URL.</source>
        <translation>Bitte wählen Sie zuerst ein Profil: Die Prüfung liest dessen RSS-Feed-Adresse.</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Feed prüfen</translation>
    </message>
</context>
<context>
    <name>CFeedCheckDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, the newest of %3</source>
        <translation>%1, %2, der neueste vom %3</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Feed prüfen</translation>
    </message>
    <message>
        <source>Use this feed</source>
        <translation>Diesen Feed verwenden</translation>
    </message>
    <message>
        <source>Use title and description</source>
        <translation>Titel und Beschreibung übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Checking %1 …</source>
        <translation>%1 wird geprüft …</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>Die Prüfung konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>Der Feed ist verwendbar.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Beschreibung: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Categories: %1</source>
        <translation>Kategorien: %1</translation>
    </message>
    <message>
        <source>Use category</source>
        <translation>Kategorie übernehmen</translation>
    </message>
</context>
<context>
    <name>CHelpPages</name>
    <message>
        <source>You have no profile yet.</source>
        <translation>Sie haben noch kein Profil.</translation>
    </message>
    <message numerus="yes">
        <source>You have %n profiles; the current one is %1.</source>
        <translation>
            <numerusform>Sie haben %n Profil; das aktuelle ist %1.</numerusform>
            <numerusform>Sie haben %n Profile; das aktuelle ist %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>The directory list is being read.</source>
        <translation>Die Verzeichnisliste wird gelesen.</translation>
    </message>
    <message>
        <source>The directory list is empty: add directories as below.</source>
        <translation>Die Verzeichnisliste ist leer: Fügen Sie Verzeichnisse wie unten beschrieben hinzu.</translation>
    </message>
    <message numerus="yes">
        <source>%n directories in the list.</source>
        <translation>
            <numerusform>%n Verzeichnis in der Liste.</numerusform>
            <numerusform>%n Verzeichnisse in der Liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have %n profile; the current one is %1.</source>
        <translation>
            <numerusform>Sie haben %n Profil; das aktuelle ist %1.</numerusform>
            <numerusform>Sie haben %n Profile; das aktuelle ist %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory in the list.</source>
        <translation>
            <numerusform>%n Verzeichnis in der Liste.</numerusform>
            <numerusform>%n Verzeichnisse in der Liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them sent for %1.</source>
        <translation>
            <numerusform>Davon %n für %1 gesendet.</numerusform>
            <numerusform>Davon %n für %1 gesendet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Kestrine cannot keep the submission history in history.sqlite: %1. It carries on without it; sent marks are kept in sv.dat as before.</source>
        <translation>Kestrine kann den Eintragungsverlauf nicht in history.sqlite speichern: %1. Es arbeitet ohne ihn weiter; Gesendet-Markierungen werden wie bisher in sv.dat gespeichert.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Kestrine could not write the report: %1.</source>
        <translation>Kestrine konnte den Bericht nicht schreiben: %1.</translation>
    </message>
    <message>
        <source>The report was written without the history, which cannot be read: %1. Its statuses come from sv.dat alone and it has no dates.</source>
        <translation>Der Bericht wurde ohne den Verlauf geschrieben, der nicht gelesen werden kann: %1. Seine Status stammen allein aus sv.dat, und er enthält keine Datumsangaben.</translation>
    </message>
    <message>
        <source>Kestrine cannot write the submission history to history.sqlite for now: %1. Another program keeps the file locked; the events wait and are written as soon as it is free.</source>
        <translation>Kestrine kann den Eintragungsverlauf derzeit nicht in history.sqlite schreiben: %1. Ein anderes Programm hält die Datei gesperrt; die Ereignisse warten und werden geschrieben, sobald sie frei ist.</translation>
    </message>
    <message>
        <source>Export &amp;Report…</source>
        <translation>Be&amp;richt exportieren…</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>&amp;Directory:</source>
        <translation>&amp;Verzeichnis:</translation>
    </message>
    <message>
        <source>The history cannot be read: %1.</source>
        <translation>Der Verlauf kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation>Alle Profile</translation>
    </message>
    <message>
        <source>All directories</source>
        <translation>Alle Verzeichnisse</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>What happened to each directory for each profile, newest first</source>
        <translation>Was mit jedem Verzeichnis für jedes Profil geschah, neueste zuerst</translation>
    </message>
</context>
<context>
    <name>CHistoryTableModel</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Zeit (%1)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Fields set</source>
        <translation>Ausgefüllte Felder</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Seitenadresse</translation>
    </message>
</context>
<context>
    <name>CImportDirectoriesDlg</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Replace yours, which says something else</source>
        <translation>Ihres ersetzen, das etwas anderes enthält</translation>
    </message>
    <message>
        <source>Leave: you have it already</source>
        <translation>Auslassen: Sie haben es bereits</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation>Nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Verzeichnisse importieren</translation>
    </message>
    <message>
        <source>What %1 would do to your directories. Ticked directories are imported.</source>
        <translation>Was %1 mit Ihren Verzeichnissen tun würde. Angehakte Verzeichnisse werden importiert.</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Directories in the list</source>
        <translation>Verzeichnisse in der Liste</translation>
    </message>
    <message>
        <source>%1 and %2; %3, %4.</source>
        <extracomment>The four parts below: &quot;Adds 3&quot;, &quot;replaces 1 of your directories&quot;, &quot;2 you have already&quot;, &quot;0 cannot be used&quot;.</extracomment>
        <translation>%1 und %2; %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n</source>
        <translation>
            <numerusform>Fügt %n hinzu</numerusform>
            <numerusform>Fügt %n hinzu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>replaces %n of your directories</source>
        <translation>
            <numerusform>ersetzt %n Ihrer Verzeichnisse</numerusform>
            <numerusform>ersetzt %n Ihrer Verzeichnisse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n you have already</source>
        <translation>
            <numerusform>%n haben Sie bereits</numerusform>
            <numerusform>%n haben Sie bereits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cannot be used</source>
        <translation>
            <numerusform>%n ist nicht verwendbar</numerusform>
            <numerusform>%n sind nicht verwendbar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Sprache der Arbeitsumgebung (%1)</translation>
    </message>
    <message>
        <source>The new language applies when Kestrine starts again.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Kestrine.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
</context>
<context>
    <name>CMeaningFillOffer</name>
    <message>
        <source>No rule fits this page, and Kestrine is sure of the meaning of none of its fields: nothing was filled.</source>
        <translation>Keine Regel passt zu dieser Seite, und Kestrine ist sich bei keinem ihrer Felder der Bedeutung sicher: Es wurde nichts ausgefüllt.</translation>
    </message>
    <message>
        <source>The rules for &quot;%1&quot; fit no field on this page: its form may have changed.</source>
        <translation>Die Regeln für „%1“ passen zu keinem Feld dieser Seite: Das Formular hat sich vielleicht geändert.</translation>
    </message>
    <message>
        <source>This page belongs to no directory of the list.</source>
        <translation>Diese Seite gehört zu keinem Verzeichnis der Liste.</translation>
    </message>
    <message>
        <source>%1 Fill the fields whose meaning Kestrine recognises from the profile &quot;%2&quot;?</source>
        <translation>%1 Die Felder, deren Bedeutung Kestrine erkennt, mit dem Profil „%2“ ausfüllen?</translation>
    </message>
    <message>
        <source>Fill current page</source>
        <translation>Seite ausfüllen</translation>
    </message>
</context>
<context>
    <name>CProfileData</name>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Bitte geben Sie einen Profilnamen ein.</translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;. Please choose another name.</source>
        <translation>Es gibt bereits ein Profil namens „%1“. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>CProfileSelector</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The profile whose details fill the pages</source>
        <translation>Das Profil, mit dessen Angaben die Seiten ausgefüllt werden</translation>
    </message>
</context>
<context>
    <name>CProgramSettings</name>
    <message>
        <source>Kestrine has no data folder to keep its settings in.</source>
        <translation>Kestrine hat keinen Datenordner, in dem es seine Einstellungen speichern kann.</translation>
    </message>
    <message>
        <source>The database source must be an http:// or https:// address.</source>
        <translation>Die Datenbankquelle muss eine http://- oder https://-Adresse sein.</translation>
    </message>
    <message>
        <source>The database source must name a host, as in https://example.org/dirdata.xml.</source>
        <translation>Die Datenbankquelle muss einen Host nennen, wie in https://example.org/dirdata.xml.</translation>
    </message>
    <message>
        <source>These settings in %1 are not UTF-8 text, so Kestrine goes on without them: %2. They stay as they are until you choose them again.</source>
        <translation>Diese Einstellungen in %1 sind kein UTF-8-Text, daher arbeitet Kestrine ohne sie weiter: %2. Sie bleiben unverändert, bis Sie sie erneut wählen.</translation>
    </message>
    <message>
        <source>Kestrine could not read its settings from %1: %2.</source>
        <translation>Kestrine konnte seine Einstellungen nicht aus %1 lesen: %2.</translation>
    </message>
    <message>
        <source>Kestrine could not save its settings to %1: %2.</source>
        <translation>Kestrine konnte seine Einstellungen nicht in %1 speichern: %2.</translation>
    </message>
</context>
<context>
    <name>CSubmissionSession</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please allow the page to load completly</source>
        <translation>Bitte lassen Sie die Seite vollständig laden</translation>
    </message>
</context>
<context>
    <name>CSubmitterDlg</name>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Work Ahead…</source>
        <translation>&amp;Vorarbeiten…</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>&amp;Sprache…</translation>
    </message>
    <message>
        <source>Check &amp;Directories…</source>
        <translation>Verzeichnisse &amp;prüfen…</translation>
    </message>
    <message>
        <source>Re&amp;pair…</source>
        <translation>&amp;Reparieren…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Kestrine</source>
        <translation>Über &amp;Kestrine</translation>
    </message>
    <message>
        <source>The directory &quot;%1&quot; is no longer in the directory database.</source>
        <translation>Das Verzeichnis „%1“ ist nicht mehr in der Verzeichnisdatenbank.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Bitte legen Sie zuerst ein Profil an!</translation>
    </message>
    <message>
        <source>Kestrine cannot update the directory database: %1.</source>
        <translation>Kestrine kann die Verzeichnisdatenbank nicht aktualisieren: %1.</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualisierung erfolgreich</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>The update could not be retrieved</source>
        <translation>Die Aktualisierung konnte nicht abgerufen werden</translation>
    </message>
    <message>
        <source>%1 marked sent</source>
        <translation>%1 als gesendet markiert</translation>
    </message>
    <message>
        <source>Confirmation &amp;Mails…</source>
        <translation>Bestätigungs&amp;mails…</translation>
    </message>
    <message>
        <source>Fill current &amp;page</source>
        <translation>&amp;Seite ausfüllen</translation>
    </message>
    <message>
        <source>Manage &amp;Profiles</source>
        <translation>&amp;Profile verwalten</translation>
    </message>
    <message>
        <source>&amp;Update RSS Directory Database</source>
        <translation>RSS-Verzeichnisdatenbank &amp;aktualisieren</translation>
    </message>
    <message>
        <source>Database &amp;Source…</source>
        <translation>&amp;Datenbankquelle…</translation>
    </message>
    <message>
        <source>Check &amp;Feed</source>
        <translation>&amp;Feed prüfen</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Support</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Update RSS directory database</source>
        <translation>RSS-Verzeichnisdatenbank aktualisieren</translation>
    </message>
    <message>
        <source>Please wait while the RSS directory database is updated</source>
        <translation>Bitte warten Sie, während die RSS-Verzeichnisdatenbank aktualisiert wird</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes received</source>
        <translation>
            <numerusform>%Ln Byte empfangen</numerusform>
            <numerusform>%Ln Bytes empfangen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWorkAheadDlg</name>
    <message>
        <source>Work Ahead</source>
        <translation>Vorarbeiten</translation>
    </message>
    <message>
        <source>While you work on one directory, Kestrine loads and fills the next unsent ones in tabs of their own, so that Next unsent shows them at once. Each tab kept ready takes memory. 0 turns working ahead off.</source>
        <translation>Während Sie an einem Verzeichnis arbeiten, lädt Kestrine die nächsten nicht gesendeten in eigenen Tabs und füllt sie aus, sodass „Nächstes offenes“ sie sofort zeigt. Jeder bereitgehaltene Tab belegt Speicher. 0 schaltet das Vorarbeiten aus.</translation>
    </message>
    <message>
        <source>&amp;Keep finished tabs open</source>
        <translation>&amp;Erledigte Tabs offen lassen</translation>
    </message>
    <message>
        <source>A tab whose result page has been read closes by itself once you have left it, unless this is on.</source>
        <translation>Ein Tab, dessen Ergebnisseite gelesen wurde, schließt sich von selbst, sobald Sie ihn verlassen haben, außer wenn dies eingeschaltet ist.</translation>
    </message>
    <message>
        <source>&amp;Directories kept ready:</source>
        <translation>&amp;Bereitgehaltene Verzeichnisse:</translation>
    </message>
</context>
<context>
    <name>CategoryFill</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--check-feed and --check-directories go one at a time.</source>
        <translation>--check-feed und --check-directories sind nur einzeln möglich.</translation>
    </message>
    <message>
        <source>--check-feed and --describe-page go one at a time.</source>
        <translation>--check-feed und --describe-page sind nur einzeln möglich.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir braucht einen Ordner.</translation>
    </message>
    <message>
        <source>--describe-page needs an address.</source>
        <translation>--describe-page braucht eine Adresse.</translation>
    </message>
    <message>
        <source>--json goes with --describe-page, --check-feed or --check-directories.</source>
        <translation>--json geht nur mit --describe-page, --check-feed oder --check-directories.</translation>
    </message>
    <message>
        <source>--export-report goes without --describe-page.</source>
        <translation>--export-report geht nicht mit --describe-page.</translation>
    </message>
    <message>
        <source>--export-report needs a file name.</source>
        <translation>--export-report braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>--check-feed needs a feed address or file.</source>
        <translation>--check-feed braucht eine Feed-Adresse oder Datei.</translation>
    </message>
    <message>
        <source>--database goes with --check-directories.</source>
        <translation>--database geht nur mit --check-directories.</translation>
    </message>
    <message>
        <source>--check-directories goes without --describe-page and --export-report.</source>
        <translation>--check-directories geht nicht mit --describe-page und --export-report.</translation>
    </message>
    <message>
        <source>--database needs a file name.</source>
        <translation>--database braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
„%1 --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>Name: %1
Address: %2
</source>
        <translation>Name: %1
Adresse: %2
</translation>
    </message>
    <message>
        <source>could not load %1</source>
        <translation>%1 konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>no data folder, the results are not kept: %1</source>
        <translation>kein Datenordner, die Ergebnisse werden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>the directory database %1 cannot be read</source>
        <translation>die Verzeichnisdatenbank %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the results cannot be kept in %1 (%2)</source>
        <translation>die Ergebnisse können nicht in %1 gespeichert werden (%2)</translation>
    </message>
    <message>
        <source>not every result could be kept (%1)</source>
        <translation>nicht jedes Ergebnis konnte gespeichert werden (%1)</translation>
    </message>
    <message>
        <source>the check could not be completed (libcurl is missing)</source>
        <translation>die Prüfung konnte nicht abgeschlossen werden (libcurl fehlt)</translation>
    </message>
    <message>
        <source>your directories cannot be changed here: %1</source>
        <translation>Ihre Verzeichnisse können hier nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>hinzugefügt: %1</translation>
    </message>
    <message>
        <source>replaced: %1</source>
        <translation>ersetzt: %1</translation>
    </message>
    <message>
        <source>kept yours (--replace takes the list&apos;s): %1</source>
        <translation>Ihre behalten (--replace übernimmt das der Liste): %1</translation>
    </message>
    <message>
        <source>already there: %1</source>
        <translation>bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>refused: %1 (%2)</source>
        <translation>abgelehnt: %1 (%2)</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>no data folder to read your directories from: %1</source>
        <translation>kein Datenordner, aus dem Ihre Verzeichnisse gelesen werden können: %1</translation>
    </message>
    <message>
        <source>you have no directories of your own to export yet</source>
        <translation>Sie haben noch keine eigenen Verzeichnisse zum Exportieren</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--replace goes with --import-directories.</source>
        <translation>--replace geht nur mit --import-directories.</translation>
    </message>
    <message>
        <source>--import-directories and --export-directories go one at a time.</source>
        <translation>--import-directories und --export-directories sind nur einzeln möglich.</translation>
    </message>
    <message>
        <source>%1 goes alone, with --data-dir at most.</source>
        <translation>%1 steht allein, höchstens mit --data-dir.</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>%1 braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>no data folder to read the profiles from: %1</source>
        <translation>kein Datenordner, aus dem die Profile gelesen werden können: %1</translation>
    </message>
    <message>
        <source>the history cannot be read (%1); the report has the statuses of sv.dat and no dates</source>
        <translation>der Verlauf kann nicht gelesen werden (%1); der Bericht enthält die Status aus sv.dat und keine Datumsangaben</translation>
    </message>
    <message numerus="yes">
        <source>%n of your directories written to %1</source>
        <translation>
            <numerusform>%n eigenes Verzeichnis in %1 geschrieben</numerusform>
            <numerusform>%n Ihrer Verzeichnisse in %1 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>--category and --subcategory go with --describe-page.</source>
        <translation>--category und --subcategory gehen nur mit --describe-page.</translation>
    </message>
    <message>
        <source>--check-mail goes alone, with --json and --data-dir at most.</source>
        <translation>--check-mail steht allein, höchstens mit --json und --data-dir.</translation>
    </message>
    <message>
        <source>No confirmation mails for the submissions of the last two days.</source>
        <translation>Keine Bestätigungsmails zu den Eintragungen der letzten zwei Tage.</translation>
    </message>
    <message>
        <source>%1 (profile %2), from %3 at %4:</source>
        <translation>%1 (Profil %2), von %3 am %4:</translation>
    </message>
    <message>
        <source>no data folder to read the settings from: %1</source>
        <translation>kein Datenordner, aus dem die Einstellungen gelesen werden können: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n hinzugefügt</numerusform>
            <numerusform>%n hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n ersetzt</numerusform>
            <numerusform>%n ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there</source>
        <translation>
            <numerusform>%n bereits vorhanden</numerusform>
            <numerusform>%n bereits vorhanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept yours</source>
        <translation>
            <numerusform>%n Ihre behalten</numerusform>
            <numerusform>%n Ihre behalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n abgelehnt</numerusform>
            <numerusform>%n abgelehnt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder to keep them in</source>
        <translation>weder XDG_DATA_HOME noch HOME nennt einen Ordner, in dem sie gespeichert werden können</translation>
    </message>
    <message>
        <source>the folder %1 cannot be found: %2</source>
        <translation>der Ordner %1 kann nicht gefunden werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryCheck</name>
    <message>
        <source>No complete answer within %1.</source>
        <translation>Keine vollständige Antwort innerhalb von %1.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Der Server antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>Der Servername wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Der Server hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <source>The address redirects in a loop.</source>
        <translation>Die Adresse leitet in einer Schleife weiter.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Dies ist keine http- oder https-Adresse.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Es konnte keine sichere Verbindung zum Server hergestellt werden.</translation>
    </message>
    <message>
        <source>The page could not be fetched (libcurl error %1).</source>
        <translation>Die Seite konnte nicht abgerufen werden (libcurl-Fehler %1).</translation>
    </message>
    <message>
        <source>Not found (%1)</source>
        <translation>Nicht gefunden (%1)</translation>
    </message>
    <message>
        <source>Refused (%1)</source>
        <translation>Abgelehnt (%1)</translation>
    </message>
    <message>
        <source>Server error (%1)</source>
        <translation>Serverfehler (%1)</translation>
    </message>
    <message>
        <source>Unexpected answer (%1)</source>
        <translation>Unerwartete Antwort (%1)</translation>
    </message>
    <message>
        <source>Fields missing: %1 (fields may be made by script).</source>
        <translation>Fehlende Felder: %1 (Felder werden eventuell per Skript erzeugt).</translation>
    </message>
    <message>
        <source>Fields missing: %1.</source>
        <translation>Fehlende Felder: %1.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Umgezogen nach %1.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times.</source>
        <translation>Die Adresse leitet mehr als %1-mal weiter.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the connection broke.</source>
        <translation>Der Server hat geantwortet (%1), dann ist die Verbindung abgebrochen.</translation>
    </message>
    <message>
        <source>The server answered (%1), then stopped short of the length it announced.</source>
        <translation>Der Server hat geantwortet (%1), dann aber vor der angekündigten Länge aufgehört.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the transfer failed (libcurl error %2).</source>
        <translation>Der Server hat geantwortet (%1), dann ist die Übertragung fehlgeschlagen (libcurl-Fehler %2).</translation>
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
        <translation>umgezogen</translation>
    </message>
    <message>
        <source>form changed</source>
        <translation>Formular geändert</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>Serverfehler</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>nicht erreichbar</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
</context>
<context>
    <name>DirectoryCheckText</name>
    <message>
        <source>%1, checked %2</source>
        <translation>%1, geprüft am %2</translation>
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
            <numerusform>%n umgezogen</numerusform>
            <numerusform>%n umgezogen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n form changed</source>
        <translation>
            <numerusform>%n Formular geändert</numerusform>
            <numerusform>%n Formulare geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n nicht gefunden</numerusform>
            <numerusform>%n nicht gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n server error</source>
        <translation>
            <numerusform>%n Serverfehler</numerusform>
            <numerusform>%n Serverfehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n abgelehnt</numerusform>
            <numerusform>%n abgelehnt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreachable</source>
        <translation>
            <numerusform>%n nicht erreichbar</numerusform>
            <numerusform>%n nicht erreichbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timeout</source>
        <translation>
            <numerusform>%n Zeitüberschreitung</numerusform>
            <numerusform>%n Zeitüberschreitungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryDatabase</name>
    <message>
        <source>exception on load</source>
        <translation>Ausnahme beim Laden</translation>
    </message>
    <message>
        <source>Error while retrieving directory names</source>
        <translation>Fehler beim Abrufen der Verzeichnisnamen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>unsuported control type</source>
        <translation>nicht unterstützter Steuerelementtyp</translation>
    </message>
    <message>
        <source>error on variable</source>
        <translation>Fehler bei einer Variablen</translation>
    </message>
    <message>
        <source>The submission page of &quot;%1&quot; cannot be opened: &quot;%2&quot; is not a web address.</source>
        <translation>Die Eintragungsseite von „%1“ kann nicht geöffnet werden: „%2“ ist keine Webadresse.</translation>
    </message>
</context>
<context>
    <name>DirectoryImport</name>
    <message>
        <source>it has no submission address</source>
        <translation>es hat keine Eintragungsadresse</translation>
    </message>
    <message>
        <source>one of its fields has a type Kestrine does not know</source>
        <translation>eines seiner Felder hat einen Typ, den Kestrine nicht kennt</translation>
    </message>
    <message>
        <source>Kestrine cannot read %1: it is missing, unreadable or too large.</source>
        <translation>Kestrine kann %1 nicht lesen: Die Datei fehlt, ist nicht lesbar oder zu groß.</translation>
    </message>
    <message>
        <source>%1 is not a directory list in the format of dirdata.xml, or breaks the rules Kestrine keeps for files from elsewhere.</source>
        <translation>%1 ist keine Verzeichnisliste im Format von dirdata.xml oder verstößt gegen die Regeln, die Kestrine für Dateien aus anderen Quellen anwendet.</translation>
    </message>
    <message>
        <source>%1 holds no directories.</source>
        <translation>%1 enthält keine Verzeichnisse.</translation>
    </message>
    <message>
        <source>its submission address is not an http or https address</source>
        <translation>seine Eintragungsadresse ist keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>it looks the same as &quot;%1&quot;, which the list has already</source>
        <translation>es gleicht „%1“, das bereits in der Liste steht</translation>
    </message>
</context>
<context>
    <name>DirectoryListEntry</name>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
</context>
<context>
    <name>DirectoryName</name>
    <message>
        <source>Please enter a name for the directory.</source>
        <translation>Bitte geben Sie einen Namen für das Verzeichnis ein.</translation>
    </message>
    <message>
        <source>The name is too long: a directory name can have at most 223 characters.</source>
        <translation>Der Name ist zu lang: Ein Verzeichnisname darf höchstens 223 Zeichen haben.</translation>
    </message>
    <message>
        <source>A directory name cannot contain &quot; [&quot;.</source>
        <translation>Ein Verzeichnisname darf „ [“ nicht enthalten.</translation>
    </message>
    <message>
        <source>A directory name cannot contain line breaks or tabs.</source>
        <translation>Ein Verzeichnisname darf keine Zeilenumbrüche oder Tabulatoren enthalten.</translation>
    </message>
    <message>
        <source>A directory name cannot contain invisible characters, such as a zero-width space; this one holds %1.</source>
        <translation>Ein Verzeichnisname darf keine unsichtbaren Zeichen wie ein Leerzeichen ohne Breite enthalten; dieser enthält %1.</translation>
    </message>
</context>
<context>
    <name>DirectoryNameProposal</name>
    <message>
        <source>New directory</source>
        <translation>Neues Verzeichnis</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
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
        <translation>Die Adresse liefert eine Webseite, keinen Feed. Die Seite kündigt keinen Feed an.</translation>
    </message>
    <message>
        <source>The address answers with a web page, not a feed. The page announces one feed, which can be taken instead.</source>
        <translation>Die Adresse liefert eine Webseite, keinen Feed. Die Seite kündigt einen Feed an, der stattdessen übernommen werden kann.</translation>
    </message>
    <message numerus="yes">
        <source>The address answers with a web page, not a feed. The page announces %n feeds; one of them can be taken instead.</source>
        <translation>
            <numerusform>Die Adresse liefert eine Webseite, keinen Feed. Die Seite kündigt %n Feed an; er kann stattdessen übernommen werden.</numerusform>
            <numerusform>Die Adresse liefert eine Webseite, keinen Feed. Die Seite kündigt %n Feeds an; einer davon kann stattdessen übernommen werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No feed address is given.</source>
        <translation>Es ist keine Feed-Adresse angegeben.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be checked.</source>
        <translation>Nur http- und https-Adressen können geprüft werden.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Es gibt keine Datei %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>Die Antwort ist größer als %1.</translation>
    </message>
    <message>
        <source>The server did not send the whole answer within %1.</source>
        <translation>Der Server hat die Antwort nicht vollständig innerhalb von %1 gesendet.</translation>
    </message>
    <message>
        <source>The server answered with status %1 instead of the feed.</source>
        <translation>Der Server hat mit Status %1 statt mit dem Feed geantwortet.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Dies ist keine http- oder https-Adresse.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>Der Servername wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Der Server war nicht erreichbar.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Der Server antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The address redirects too many times.</source>
        <translation>Die Adresse leitet zu oft weiter.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Es konnte keine sichere Verbindung zum Server hergestellt werden.</translation>
    </message>
    <message>
        <source>The server broke off its answer.</source>
        <translation>Der Server hat seine Antwort abgebrochen.</translation>
    </message>
    <message>
        <source>The feed could not be fetched (libcurl error %1).</source>
        <translation>Der Feed konnte nicht abgerufen werden (libcurl-Fehler %1).</translation>
    </message>
    <message>
        <source>The network library (libcurl) could not be loaded.</source>
        <translation>Die Netzwerkbibliothek (libcurl) konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>The check was cancelled.</source>
        <translation>Die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The feed is larger than %1 MB and was not read.</source>
        <translation>Der Feed ist größer als %1 MB und wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The feed declares entities that would grow far beyond its own size; it was not read.</source>
        <translation>Der Feed deklariert Entitäten, die weit über seine eigene Größe hinauswachsen würden; er wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML</source>
        <translation>Der Feed ist kein wohlgeformtes XML</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML: %1</source>
        <translation>Der Feed ist kein wohlgeformtes XML: %1</translation>
    </message>
    <message>
        <source>This is not a feed: the document is &lt;%1&gt;, where a feed is &lt;rss&gt;, &lt;rdf:RDF&gt; or &lt;feed&gt;.</source>
        <translation>Dies ist kein Feed: Das Dokument ist &lt;%1&gt;, ein Feed ist aber &lt;rss&gt;, &lt;rdf:RDF&gt; oder &lt;feed&gt;.</translation>
    </message>
    <message>
        <source>The feed has no title.</source>
        <translation>Der Feed hat keinen Titel.</translation>
    </message>
    <message>
        <source>The feed has no link to its web site.</source>
        <translation>Der Feed hat keinen Link zu seiner Website.</translation>
    </message>
    <message>
        <source>The document is empty.</source>
        <translation>Das Dokument ist leer.</translation>
    </message>
    <message>
        <source>The document holds no element.</source>
        <translation>Das Dokument enthält kein Element.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>Zeile %1, Spalte %2: </translation>
    </message>
    <message>
        <source>Redirected to</source>
        <translation>Weitergeleitet zu</translation>
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
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Items: %1</source>
        <translation>Einträge: %1</translation>
    </message>
    <message>
        <source>Items: %1, the newest of %2</source>
        <translation>Einträge: %1, der neueste vom %2</translation>
    </message>
    <message>
        <source>Announced feed: %1</source>
        <translation>Angekündigter Feed: %1</translation>
    </message>
    <message>
        <source>Announced feed: %1 (%2)</source>
        <translation>Angekündigter Feed: %1 (%2)</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>Der Feed ist verwendbar.</translation>
    </message>
    <message>
        <source>Problem: %1%2</source>
        <translation>Problem: %1%2</translation>
    </message>
    <message>
        <source>The feed&apos;s only item has no link.</source>
        <translation>Der einzige Eintrag des Feeds hat keinen Link.</translation>
    </message>
    <message numerus="yes">
        <source>The date “%1” cannot be read (nor %n more).</source>
        <translation>
            <numerusform>Das Datum „%1“ kann nicht gelesen werden (%n weiteres ebenfalls nicht).</numerusform>
            <numerusform>Das Datum „%1“ kann nicht gelesen werden (%n weitere ebenfalls nicht).</numerusform>
        </translation>
    </message>
    <message>
        <source>The date “%1” cannot be read.</source>
        <translation>Das Datum „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The feed has no RSS &lt;channel&gt;.</source>
        <translation>Der Feed hat kein RSS-Element &lt;channel&gt;.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 has no link.</source>
        <translation>
            <numerusform>%n von %1 hat keinen Link.</numerusform>
            <numerusform>%n von %1 haben keinen Link.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have no link.</source>
        <translation>
            <numerusform>%n von %1 hat keinen Link.</numerusform>
            <numerusform>%n von %1 haben keinen Link.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträgen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FeedTexts</name>
    <message>
        <source>Use title and description</source>
        <translation>Titel und Beschreibung übernehmen</translation>
    </message>
    <message>
        <source>The profile already has a title or description of its own.

Replace them with the feed&apos;s? No fills only the empty fields.</source>
        <translation>Das Profil hat bereits einen eigenen Titel oder eine eigene Beschreibung.

Durch die des Feeds ersetzen? „Nein“ füllt nur die leeren Felder aus.</translation>
    </message>
</context>
<context>
    <name>FieldMeaning</name>
    <message>
        <source>(not filled)</source>
        <translation>(nicht ausgefüllt)</translation>
    </message>
    <message>
        <source>Feed address</source>
        <translation>Feed-Adresse</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Website-Adresse</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Vollständiger Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>FillReport</name>
    <message>
        <source>No field of this directory was found on the page</source>
        <translation>Kein Feld dieses Verzeichnisses wurde auf der Seite gefunden</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>nicht gefunden: %1</translation>
    </message>
    <message>
        <source>the submission will not be noticed</source>
        <translation>die Eintragung wird nicht bemerkt</translation>
    </message>
    <message numerus="yes">
        <source>Filled %1 of %n fields</source>
        <translation>
            <numerusform>%1 von %n Feld ausgefüllt</numerusform>
            <numerusform>%1 von %n Feldern ausgefüllt</numerusform>
        </translation>
    </message>
    <message>
        <source>its form may be inside components whose fields cannot be reached</source>
        <translation>sein Formular liegt eventuell in Komponenten, deren Felder nicht erreichbar sind</translation>
    </message>
    <message>
        <source>nothing left for you</source>
        <translation>für Sie nichts mehr auszufüllen</translation>
    </message>
    <message>
        <source>left for you: %1</source>
        <translation>für Sie noch auszufüllen: %1</translation>
    </message>
    <message>
        <source>in a frame of %1</source>
        <translation>in einem Frame von %1</translation>
    </message>
    <message>
        <source>Category: as you chose last time</source>
        <translation>Kategorie: wie von Ihnen beim letzten Mal gewählt</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message numerus="yes">
        <source>%n events could not be written to the history nor kept for the next start, and are lost: %1</source>
        <translation>
            <numerusform>%n Ereignis konnte weder in den Verlauf geschrieben noch für den nächsten Start aufbewahrt werden und ist verloren: %1</numerusform>
            <numerusform>%n Ereignisse konnten weder in den Verlauf geschrieben noch für den nächsten Start aufbewahrt werden und sind verloren: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it was written by a newer version of the program (layout %1, this one knows up to %2)</source>
        <translation>sie wurde von einer neueren Version des Programms geschrieben (Aufbau %1, diese Version kennt bis %2)</translation>
    </message>
    <message>
        <source>it has the layout of an older version of the program, and cannot be written to bring it up to date</source>
        <translation>sie hat den Aufbau einer älteren Version des Programms und kann nicht beschrieben werden, um sie zu aktualisieren</translation>
    </message>
    <message>
        <source>the file cannot be switched to write-ahead logging</source>
        <translation>die Datei kann nicht auf Write-Ahead-Logging umgestellt werden</translation>
    </message>
</context>
<context>
    <name>MailCheck</name>
    <message>
        <source>mail %1 was left unread: %2</source>
        <translation>Mail %1 wurde nicht gelesen: %2</translation>
    </message>
</context>
<context>
    <name>MailLook</name>
    <message>
        <source>no mailbox is set up: give server and user under [mail] in %1, or use Settings &gt; Confirmation Mails</source>
        <translation>kein Postfach eingerichtet: Geben Sie server und user unter [mail] in %1 an oder nutzen Sie Einstellungen &gt; Bestätigungsmails</translation>
    </message>
    <message>
        <source>the history cannot be read (%1)</source>
        <translation>der Verlauf kann nicht gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>MailPassword</name>
    <message>
        <source>the desktop&apos;s secret store cannot be reached (%1)</source>
        <translation>der Passwortspeicher der Arbeitsumgebung ist nicht erreichbar (%1)</translation>
    </message>
    <message>
        <source>the password command gave no password</source>
        <translation>der Passwort-Befehl hat kein Passwort geliefert</translation>
    </message>
    <message>
        <source>the password command took too long</source>
        <translation>der Passwort-Befehl hat zu lange gebraucht</translation>
    </message>
    <message>
        <source>no password is kept for this mailbox: enter it in Settings &gt; Confirmation Mails, or set a password command</source>
        <translation>für dieses Postfach ist kein Passwort hinterlegt: Geben Sie es unter Einstellungen &gt; Bestätigungsmails ein oder legen Sie einen Passwort-Befehl fest</translation>
    </message>
</context>
<context>
    <name>MailReader</name>
    <message>
        <source>the mail is too large to be read</source>
        <translation>die Mail ist zu groß, um gelesen zu werden</translation>
    </message>
    <message>
        <source>parts nested too deeply were not read</source>
        <translation>zu tief verschachtelte Teile wurden nicht gelesen</translation>
    </message>
    <message>
        <source>only the first text parts were read</source>
        <translation>nur die ersten Textteile wurden gelesen</translation>
    </message>
    <message>
        <source>only the beginning of a long text was read</source>
        <translation>von einem langen Text wurde nur der Anfang gelesen</translation>
    </message>
    <message>
        <source>the character set %1 is unknown; its text was read as far as it is plain ASCII</source>
        <translation>der Zeichensatz %1 ist unbekannt; sein Text wurde gelesen, soweit er reines ASCII ist</translation>
    </message>
    <message>
        <source>the mail has a header line too long to be read</source>
        <translation>die Mail hat eine Kopfzeile, die zu lang zum Lesen ist</translation>
    </message>
    <message>
        <source>the mail cannot be read</source>
        <translation>die Mail kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Mailbox</name>
    <message>
        <source>%1 is not the address of a mail server (write imaps://host or imap://host)</source>
        <translation>%1 ist nicht die Adresse eines Mailservers (schreiben Sie imaps://host oder imap://host)</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>keine Verbindung zu %1 möglich</translation>
    </message>
    <message>
        <source>login refused by %1: check the user name and the password</source>
        <translation>Anmeldung von %1 abgelehnt: Prüfen Sie Benutzername und Passwort</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>das Zertifikat von %1 ist nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>%1 does not offer an encrypted connection</source>
        <translation>%1 bietet keine verschlüsselte Verbindung an</translation>
    </message>
    <message>
        <source>the folder %1 is missing on %2</source>
        <translation>der Ordner %1 fehlt auf %2</translation>
    </message>
    <message>
        <source>%1 sent more than any answer needs; it was not read further</source>
        <translation>%1 hat mehr gesendet, als eine Antwort braucht; es wurde nicht weiter gelesen</translation>
    </message>
    <message>
        <source>the mailbox cannot be read: libcurl is missing</source>
        <translation>das Postfach kann nicht gelesen werden: libcurl fehlt</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>Profile Data</source>
        <translation>Profildaten</translation>
    </message>
    <message>
        <source>Profile details</source>
        <translation>Profildetails</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Profilname:</translation>
    </message>
    <message>
        <source>RSS Feed URL:</source>
        <translation>RSS-Feed-Adresse:</translation>
    </message>
    <message>
        <source>RSS Link title:</source>
        <translation>Titel des RSS-Links:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Schlagwörter:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>Check feed</source>
        <translation>Feed prüfen</translation>
    </message>
    <message>
        <source>Fetch the RSS feed URL and show what the feed says about itself</source>
        <translation>Die RSS-Feed-Adresse abrufen und zeigen, was der Feed über sich selbst angibt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>S&amp;ubcategory:</source>
        <translation>&amp;Unterkategorie:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Unterkategorie</translation>
    </message>
</context>
<context>
    <name>ProfilesConfigurator</name>
    <message>
        <source>Profile Manager</source>
        <translation>Profilverwaltung</translation>
    </message>
    <message>
        <source>Available profiles</source>
        <translation>Verfügbare Profile</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(no name: cannot be saved)</source>
        <translation>(kein Name: kann nicht gespeichert werden)</translation>
    </message>
    <message>
        <source>Filled by meaning: %1.</source>
        <translation>Nach Bedeutung ausgefüllt: %1.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message numerus="yes">
        <source> Kept %n field(s) you typed in.</source>
        <translation>
            <numerusform> %n von Ihnen eingegebenes Feld beibehalten.</numerusform>
            <numerusform> %n von Ihnen eingegebene Felder beibehalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened</source>
        <translation>Geöffnet</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Ausgefüllt</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Eingetragen</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Not confirmed</source>
        <translation>Nicht bestätigt</translation>
    </message>
    <message>
        <source>Marked as sent</source>
        <translation>Als gesendet markiert</translation>
    </message>
    <message>
        <source>Marked as not sent</source>
        <translation>Als nicht gesendet markiert</translation>
    </message>
    <message>
        <source>(in a frame from %1)</source>
        <translation>(in einem Frame von %1)</translation>
    </message>
    <message>
        <source>%1 (in a frame from %2)</source>
        <translation>%1 (in einem Frame von %2)</translation>
    </message>
    <message>
        <source>Confirmed by e-mail</source>
        <translation>Per E-Mail bestätigt</translation>
    </message>
</context>
<context>
    <name>SubmissionProgress</name>
    <message>
        <source>The directories still unsent for %1 were found dead by the last check</source>
        <translation>Die für %1 noch nicht gesendeten Verzeichnisse waren bei der letzten Prüfung nicht erreichbar</translation>
    </message>
    <message>
        <source>No directory shown is unsent for %1</source>
        <translation>Alle angezeigten Verzeichnisse sind für %1 gesendet</translation>
    </message>
    <message>
        <source>Every directory is sent for %1</source>
        <translation>Alle Verzeichnisse sind für %1 gesendet</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n directories sent for %2</source>
        <translation>
            <numerusform>%1 von %n Verzeichnis für %2 gesendet</numerusform>
            <numerusform>%1 von %n Verzeichnissen für %2 gesendet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDirectoryFile</name>
    <message>
        <source>Kestrine cannot read your directories in %1, so it leaves the file as it is. Correct the file or move it away, then try again.</source>
        <translation>Kestrine kann Ihre Verzeichnisse in %1 nicht lesen und lässt die Datei daher unverändert. Korrigieren Sie die Datei oder verschieben Sie sie, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>a text holds characters that mydirs.xml cannot store</source>
        <translation>ein Text enthält Zeichen, die mydirs.xml nicht speichern kann</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrine is already running. Switch to its window, or close it before you start Kestrine again.</source>
        <translation>Kestrine läuft bereits. Wechseln Sie zu seinem Fenster oder schließen Sie es, bevor Sie Kestrine erneut starten.</translation>
    </message>
</context>
</TS>
