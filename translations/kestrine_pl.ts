<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>it is a symbolic link that another user made in %1, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>jest to dowiązanie symboliczne utworzone przez innego użytkownika w %1, folderze, do którego każdy może zapisywać, więc Kestrine za nim nie podąża</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link that another user made in %2, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>folder %1 jest dowiązaniem symbolicznym utworzonym przez innego użytkownika w %2, folderze, do którego każdy może zapisywać, więc Kestrine za nim nie podąża</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Your profiles and the directory database are kept in
%1</source>
        <translation>Profile i baza katalogów są przechowywane w
%1</translation>
    </message>
    <message>
        <source>About Kestrine</source>
        <translation>O programie Kestrine</translation>
    </message>
</context>
<context>
    <name>CAssistantStatus</name>
    <message numerus="yes">
        <source>%n results pending</source>
        <translation>
            <numerusform>%n wynik oczekuje</numerusform>
            <numerusform>%n wyniki oczekują</numerusform>
            <numerusform>%n wyników oczekuje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result pending</source>
        <translation>
            <numerusform>%n wynik oczekuje</numerusform>
            <numerusform>%n wyniki oczekują</numerusform>
            <numerusform>%n wyników oczekuje</numerusform>
        </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
</context>
<context>
    <name>CBrowserCtrl</name>
    <message>
        <source>This page stopped working. Choose the directory again to reload it.</source>
        <translation>Ta strona przestała działać. Wybierz katalog ponownie, aby ją wczytać.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Strona internetowa</translation>
    </message>
</context>
<context>
    <name>CBrowserTab</name>
    <message>
        <source>Loading</source>
        <translation>Wczytywanie</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Wypełniono</translation>
    </message>
    <message>
        <source>Submitted, waiting for the result page</source>
        <translation>Zgłoszono, oczekiwanie na stronę wyniku</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Wysłano</translation>
    </message>
    <message>
        <source>Not confirmed by the result page</source>
        <translation>Strona wyniku nie potwierdziła</translation>
    </message>
    <message>
        <source>Opened again: it had been filled for another profile, or by rules that changed since.</source>
        <translation>Otwarto ponownie: strona została wypełniona dla innego profilu lub według reguł, które od tego czasu się zmieniły.</translation>
    </message>
    <message>
        <source>Its page waits for an answer: it asks again when you come to this tab.</source>
        <translation>Strona czeka na odpowiedź: zapyta ponownie po przejściu do tej karty.</translation>
    </message>
</context>
<context>
    <name>CBrowserTabs</name>
    <message>
        <source>Close &amp;Tab</source>
        <translation>Zamknij &amp;kartę</translation>
    </message>
    <message>
        <source>Pre&amp;vious Tab</source>
        <translation>&amp;Poprzednia karta</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Następna karta</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>nadszedł e-mail potwierdzający</translation>
    </message>
</context>
<context>
    <name>CConfirmationMails</name>
    <message>
        <source>Confirmation mails: %1</source>
        <translation>E-maile potwierdzające: %1</translation>
    </message>
    <message>
        <source>1 confirmation mail waiting</source>
        <translation>1 e-mail potwierdzający czeka</translation>
    </message>
    <message numerus="yes">
        <source>%n confirmation mails waiting</source>
        <translation>
            <numerusform>%n e-mail potwierdzający czeka</numerusform>
            <numerusform>%n e-maile potwierdzające czekają</numerusform>
            <numerusform>%n e-maili potwierdzających czeka</numerusform>
        </translation>
    </message>
    <message>
        <source>No confirmation mails waiting</source>
        <translation>Brak oczekujących e-maili potwierdzających</translation>
    </message>
    <message>
        <source>Open Confirmation &amp;Link</source>
        <translation>Otwórz &amp;link potwierdzający</translation>
    </message>
</context>
<context>
    <name>CConfirmationMailsDlg</name>
    <message>
        <source>Confirmation Mails</source>
        <translation>E-maile potwierdzające</translation>
    </message>
    <message>
        <source>Many directories list a feed only after you click a link they send by e-mail. Kestrine looks for these mails for two days after each submission, while its window is open, and offers their links. Leave the server empty to turn this off.</source>
        <translation>Wiele katalogów publikuje kanał dopiero po kliknięciu linku wysłanego e-mailem. Kestrine szuka tych wiadomości przez dwa dni po każdym zgłoszeniu, dopóki jego okno jest otwarte, i proponuje ich linki. Zostaw pusty serwer, aby to wyłączyć.</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serwer:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Użytkownik:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Folder:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in kestrine.conf.</source>
        <translation>Przechowywane w magazynie haseł pulpitu, nigdy w kestrine.conf.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>A command that prints the password, such as &quot;pass show mail&quot;, used instead of the secret store.</source>
        <translation>Polecenie wypisujące hasło, na przykład „pass show mail”, używane zamiast magazynu haseł.</translation>
    </message>
    <message>
        <source>Password &amp;command:</source>
        <translation>Polecenie &amp;podające hasło:</translation>
    </message>
    <message>
        <source>The server must be an imaps:// or imap:// address, as in imaps://mail.example.org or imap://mail.example.org:143.</source>
        <translation>Serwer musi być adresem imaps:// lub imap://, na przykład imaps://mail.example.org lub imap://mail.example.org:143.</translation>
    </message>
    <message>
        <source>Give the user name the mail server knows you by.</source>
        <translation>Podaj nazwę użytkownika, pod którą zna cię serwer poczty.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Nie udało się zachować hasła: %1</translation>
    </message>
</context>
<context>
    <name>CCurrentProfile</name>
    <message>
        <source>Kestrine could not save your profiles to sv.dat: %1. Fix the problem and close the window again, or choose File &gt; Exit to quit without saving.</source>
        <translation>Nie udało się zapisać profili w sv.dat: %1. Rozwiąż problem i ponownie zamknij okno albo wybierz Plik &gt; Zakończ, aby wyjść bez zapisywania.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Kestrine cannot save your profiles: %1. You can go on working, but changes to your profiles and the directories marked as sent will be lost when Kestrine closes.</source>
        <translation>Nie można zapisać profili: %1. Można kontynuować pracę, ale zmiany w profilach i oznaczenia katalogów jako wysłanych zostaną utracone po zamknięciu programu Kestrine.</translation>
    </message>
</context>
<context>
    <name>CDatabaseSourceDlg</name>
    <message>
        <source>Database Source</source>
        <translation>Źródło bazy danych</translation>
    </message>
    <message>
        <source>Update RSS Directory Database downloads the directory database from this address (http or https):</source>
        <translation>Polecenie „Zaktualizuj bazę katalogów RSS” pobiera bazę katalogów z tego adresu (http lub https):</translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckController</name>
    <message>
        <source>Repair Directory</source>
        <translation>Napraw katalog</translation>
    </message>
    <message>
        <source>Check Directories</source>
        <translation>Sprawdź katalogi</translation>
    </message>
    <message>
        <source>Only the Others</source>
        <translation>Tylko pozostałe</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Sprawdź wszystkie</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>Nie można uruchomić sprawdzania.</translation>
    </message>
    <message>
        <source>The results could not be kept in history.sqlite: %1.</source>
        <translation>Nie można zapisać wyników w history.sqlite: %1.</translation>
    </message>
    <message>
        <source>The check could not run: libcurl is missing.</source>
        <translation>Nie można przeprowadzić sprawdzania: brak biblioteki libcurl.</translation>
    </message>
    <message>
        <source>The directory database %1 could not be read.</source>
        <translation>Nie można odczytać bazy katalogów %1.</translation>
    </message>
    <message>
        <source>Please choose the directory to repair in the list first.</source>
        <translation>Najpierw wybierz z listy katalog do naprawienia.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. %1 has not been checked yet.</source>
        <translation>Naprawa jest przeznaczona dla katalogów, które polecenie Katalog &gt; Sprawdź katalogi uznało za przeniesione lub ze zmienionym formularzem. Katalog %1 nie został jeszcze sprawdzony.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. The last check of %1 found: %2</source>
        <translation>Naprawa jest przeznaczona dla katalogów, które polecenie Katalog &gt; Sprawdź katalogi uznało za przeniesione lub ze zmienionym formularzem. Ostatnie sprawdzenie katalogu %1 wykazało: %2</translation>
    </message>
    <message>
        <source>The page of %1 cannot be opened: %2 is not a web address.</source>
        <translation>Nie można otworzyć strony katalogu %1: %2 nie jest adresem internetowym.</translation>
    </message>
    <message>
        <source>The page of %1 did not load. Try Directory &gt; Repair again later.</source>
        <translation>Nie udało się wczytać strony katalogu %1. Spróbuj później ponownie użyć polecenia Katalog &gt; Napraw.</translation>
    </message>
    <message numerus="yes">
        <source>%n of the directories were checked in the last 7 days. Check them again, or only the others?</source>
        <translation>
            <numerusform>%n katalog został sprawdzony w ciągu ostatnich 7 dni. Sprawdzić wszystkie ponownie czy tylko pozostałe?</numerusform>
            <numerusform>%n katalogi zostały sprawdzone w ciągu ostatnich 7 dni. Sprawdzić wszystkie ponownie czy tylko pozostałe?</numerusform>
            <numerusform>%n katalogów zostało sprawdzonych w ciągu ostatnich 7 dni. Sprawdzić wszystkie ponownie czy tylko pozostałe?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckDialog</name>
    <message>
        <source>Check Directories</source>
        <translation>Sprawdź katalogi</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Reading the directories…</source>
        <translation>Odczytywanie katalogów…</translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directories.</source>
        <translation>
            <numerusform>Sprawdzono %n katalog.</numerusform>
            <numerusform>Sprawdzono %n katalogi.</numerusform>
            <numerusform>Sprawdzono %n katalogów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n checked in the last 7 days were left out.</source>
        <translation>
            <numerusform>Pominięto %n katalog sprawdzony w ciągu ostatnich 7 dni.</numerusform>
            <numerusform>Pominięto %n katalogi sprawdzone w ciągu ostatnich 7 dni.</numerusform>
            <numerusform>Pominięto %n katalogów sprawdzonych w ciągu ostatnich 7 dni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directory.</source>
        <translation>
            <numerusform>Sprawdzono %n katalog.</numerusform>
            <numerusform>Sprawdzono %n katalogi.</numerusform>
            <numerusform>Sprawdzono %n katalogów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %1 of %n directories</source>
        <translation>
            <numerusform>Sprawdzono %1 z %n katalogu</numerusform>
            <numerusform>Sprawdzono %1 z %n katalogów</numerusform>
            <numerusform>Sprawdzono %1 z %n katalogów</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2. Resume goes on where the check stopped.</source>
        <extracomment>%1 is the number of directories checked, %2 how many there are (&quot;12 directories&quot;); the noun may go with either, as the language wants it.</extracomment>
        <translation>Anulowano po sprawdzeniu %1 %2. „Wznów” kontynuuje sprawdzanie od miejsca, w którym zostało przerwane.</translation>
    </message>
    <message numerus="yes">
        <source>%n</source>
        <comment>the directories checked before the check was cancelled</comment>
        <translation>
            <numerusform>%n</numerusform>
            <numerusform>%n</numerusform>
            <numerusform>%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directories</source>
        <comment>all the directories of the cancelled check</comment>
        <translation>
            <numerusform>z %n katalogu</numerusform>
            <numerusform>z %n katalogów</numerusform>
            <numerusform>z %n katalogów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCommands</name>
    <message>
        <source>&amp;Go</source>
        <translation>Prze&amp;jdź</translation>
    </message>
    <message>
        <source>Open &amp;Address…</source>
        <translation>Otwórz &amp;adres…</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Next unsent</source>
        <translation>Kolejny &amp;niewysłany</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Katalog</translation>
    </message>
    <message>
        <source>&amp;Add This Page…</source>
        <translation>Dodaj &amp;tę stronę…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Edytuj…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Copy to My Directories</source>
        <translation>Kop&amp;iuj do własnych katalogów</translation>
    </message>
    <message>
        <source>Open Address</source>
        <translation>Otwórz adres</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Kestrine cannot read your own directories in %1, so the list shows only those of the directory database. Kestrine leaves the file as it is: correct it or move it away, then start Kestrine again.</source>
        <translation>Nie można odczytać własnych katalogów z pliku %1, dlatego lista zawiera tylko katalogi z bazy katalogów. Kestrine pozostawia plik bez zmian: popraw go lub przenieś w inne miejsce, a następnie ponownie uruchom program Kestrine.</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Dodaj katalog</translation>
    </message>
    <message>
        <source>Please wait until the page has loaded, then add it again.</source>
        <translation>Zaczekaj, aż strona zostanie wczytana, a następnie dodaj ją ponownie.</translation>
    </message>
    <message>
        <source>This page has no form fields to fill. Open the directory&apos;s submission page and try again.</source>
        <translation>Ta strona nie zawiera pól formularza do wypełnienia. Otwórz stronę zgłoszenia katalogu i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Edytuj katalog</translation>
    </message>
    <message>
        <source>Please choose the directory to edit in the list first.</source>
        <translation>Najpierw wybierz z listy katalog do edycji.</translation>
    </message>
    <message>
        <source>%1 comes with the directory database. Choose Directory &gt; Copy to My Directories to make it your own, then edit it.</source>
        <translation>Katalog %1 pochodzi z bazy katalogów. Wybierz Katalog &gt; Kopiuj do własnych katalogów, aby stał się własnym katalogiem, a następnie go edytuj.</translation>
    </message>
    <message>
        <source>Remove Directory</source>
        <translation>Usuń katalog</translation>
    </message>
    <message>
        <source>Please choose one of your own directories in the list first. Directories of the directory database cannot be removed.</source>
        <translation>Najpierw wybierz z listy jeden z własnych katalogów. Katalogów z bazy katalogów nie można usuwać.</translation>
    </message>
    <message>
        <source>Remove %1 from your directories?</source>
        <translation>Usunąć %1 z własnych katalogów?</translation>
    </message>
    <message>
        <source>Removed %1 from your directories.</source>
        <translation>Usunięto %1 z własnych katalogów.</translation>
    </message>
    <message>
        <source>Copy to My Directories</source>
        <translation>Kopiuj do własnych katalogów</translation>
    </message>
    <message>
        <source>Please choose a directory of the directory database in the list first.</source>
        <translation>Najpierw wybierz z listy katalog z bazy katalogów.</translation>
    </message>
    <message>
        <source>%1 is now one of your directories: Directory &gt; Edit… changes it, updates of the database leave it alone.</source>
        <translation>%1 jest teraz własnym katalogiem: można go zmienić poleceniem Katalog &gt; Edytuj…, a aktualizacje bazy go nie zmieniają.</translation>
    </message>
    <message>
        <source>You already have a directory named %1. Replace it?</source>
        <translation>Własny katalog o nazwie %1 już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <source>The directory database has a directory named %1. Yours will take its place in the list. Go on?</source>
        <translation>Baza katalogów zawiera katalog o nazwie %1. Na liście zastąpi go własny katalog. Kontynuować?</translation>
    </message>
    <message>
        <source>Saved %1 to your directories.</source>
        <translation>Zapisano %1 we własnych katalogach.</translation>
    </message>
    <message>
        <source>Kestrine cannot save your directories: %1.</source>
        <translation>Nie można zapisać własnych katalogów: %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Kestrine could not save your directories to mydirs.xml: %1.</source>
        <translation>Nie udało się zapisać własnych katalogów w pliku mydirs.xml: %1.</translation>
    </message>
    <message>
        <source>Confirmation text</source>
        <translation>Tekst potwierdzenia</translation>
    </message>
    <message>
        <source>Kestrine does not know yet how &quot;%1&quot; confirms a submission.
If this page confirms yours, keep or change the text below: Kestrine will look for it after later submissions and marks the directory sent now.</source>
        <translation>Kestrine nie wie jeszcze, jak katalog „%1” potwierdza zgłoszenie.
Jeśli ta strona potwierdza zgłoszenie, zachowaj lub zmień poniższy tekst: Kestrine będzie go szukać po kolejnych zgłoszeniach, a teraz oznaczy katalog jako wysłany.</translation>
    </message>
    <message>
        <source>Find &amp;directory</source>
        <translation>&amp;Znajdź katalog</translation>
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
        <translation>Dodaj katalog</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Edytuj katalog</translation>
    </message>
    <message>
        <source>A new name keeps the directory&apos;s sent marks, for every profile.</source>
        <translation>Po zmianie nazwy katalog zachowuje oznaczenia wysłania we wszystkich profilach.</translation>
    </message>
    <message>
        <source>Optional: a text the page shows after a successful submission</source>
        <translation>Opcjonalnie: tekst wyświetlany przez stronę po udanym zgłoszeniu</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Submission page:</source>
        <translation>&amp;Strona zgłoszenia:</translation>
    </message>
    <message>
        <source>&amp;Confirmation text:</source>
        <translation>&amp;Tekst potwierdzenia:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>The page says</source>
        <translation>Tekst strony</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>Fill with</source>
        <translation>Wypełnij wartością</translation>
    </message>
    <message>
        <source>Only ticked fields are filled. Kestrine is &quot;not sure&quot; of some: their best guess is chosen but not ticked.</source>
        <translation>Wypełniane są tylko zaznaczone pola. Niektóre pola Kestrine oznacza jako „niepewne”: wybrano dla nich najbardziej prawdopodobne znaczenie, ale ich nie zaznaczono.</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>niepewne</translation>
    </message>
    <message>
        <source>Please enter the address of the directory&apos;s submission page.</source>
        <translation>Wprowadź adres strony zgłoszenia katalogu.</translation>
    </message>
    <message>
        <source>Fields of the page</source>
        <translation>Pola strony</translation>
    </message>
    <message>
        <source>The submission page must be a web address beginning with http:// or https://.</source>
        <translation>Strona zgłoszenia musi być adresem internetowym zaczynającym się od http:// lub https://.</translation>
    </message>
</context>
<context>
    <name>CDirectoryEntryDelegate</name>
    <message>
        <source> (mine)</source>
        <translation> (mój)</translation>
    </message>
</context>
<context>
    <name>CDirectoryListCommands</name>
    <message numerus="yes">
        <source>%n directories</source>
        <translation>
            <numerusform>%n katalog</numerusform>
            <numerusform>%n katalogi</numerusform>
            <numerusform>%n katalogów</numerusform>
        </translation>
    </message>
    <message>
        <source>Directory lists (*.xml);;All files (*)</source>
        <translation>Listy katalogów (*.xml);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>&amp;Import Directories…</source>
        <translation>I&amp;mportuj katalogi…</translation>
    </message>
    <message>
        <source>Export &amp;My Directories…</source>
        <translation>Eksportuj &amp;własne katalogi…</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importuj katalogi</translation>
    </message>
    <message>
        <source>%1 holds no directory you do not have already.</source>
        <translation>Plik %1 nie zawiera żadnych nowych katalogów.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>Zaimportowano: %1.</translation>
    </message>
    <message>
        <source>Export My Directories</source>
        <translation>Eksportuj własne katalogi</translation>
    </message>
    <message>
        <source>You have no directories of your own yet. Directory &gt; Add This Page… makes one from a directory&apos;s submission page.</source>
        <translation>Nie ma jeszcze własnych katalogów. Polecenie Katalog &gt; Dodaj tę stronę… tworzy katalog ze strony zgłoszenia katalogu.</translation>
    </message>
    <message>
        <source>Kestrine could not write %1: %2.</source>
        <translation>Nie udało się zapisać pliku %1: %2.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>Zapisano w pliku %2: %1.</translation>
    </message>
    <message>
        <source>Directory Lists</source>
        <translation>Listy katalogów</translation>
    </message>
    <message numerus="yes">
        <source>%n directory</source>
        <translation>
            <numerusform>%n katalog</numerusform>
            <numerusform>%n katalogi</numerusform>
            <numerusform>%n katalogów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryListModel</name>
    <message>
        <source>One of your own directories, kept in mydirs.xml</source>
        <translation>Własny katalog, przechowywany w pliku mydirs.xml</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>wysłany</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>niewysłany</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>nie istnieje</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>sprawdzony</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>niesprawdzony</translation>
    </message>
    <message>
        <source>one of your own</source>
        <translation>własny katalog</translation>
    </message>
    <message>
        <source>Its confirmation mail has arrived: Enter opens the link</source>
        <translation>Nadszedł e-mail potwierdzający: Enter otwiera link</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>nadszedł e-mail potwierdzający</translation>
    </message>
</context>
<context>
    <name>CDirectoryListPanel</name>
    <message>
        <source>Next unsent</source>
        <translation>Kolejny niewysłany</translation>
    </message>
    <message>
        <source>Search directories</source>
        <translation>Szukaj katalogów</translation>
    </message>
    <message>
        <source>Unsent only</source>
        <translation>Tylko niewysłane</translation>
    </message>
    <message>
        <source>Hide unreachable</source>
        <translation>Tylko osiągalne</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Najpierw utwórz profil!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Mark as sent</source>
        <translation>Oznacz jako wysłany</translation>
    </message>
    <message>
        <source>Mark as not sent</source>
        <translation>Oznacz jako niewysłany</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Katalogi</translation>
    </message>
    <message>
        <source>Arrow keys open a directory&apos;s page beside the list; Enter goes into the page</source>
        <translation>Klawisze strzałek otwierają stronę katalogu obok listy; Enter przenosi do strony</translation>
    </message>
    <message>
        <source>Search directories by name</source>
        <translation>Szukaj katalogów według nazwy</translation>
    </message>
</context>
<context>
    <name>CEmptyListHint</name>
    <message>
        <source>&lt;p&gt;There are no directories yet. To get some:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Nie ma jeszcze żadnych katalogów. Aby je dodać:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CExportDirectoriesDlg</name>
    <message>
        <source>Export My Directories</source>
        <translation>Eksportuj własne katalogi</translation>
    </message>
    <message>
        <source>Your directories to write to a list that others can import:</source>
        <translation>Własne katalogi do zapisania na liście, którą inni mogą zaimportować:</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Eksportuj…</translation>
    </message>
    <message>
        <source>Your directories</source>
        <translation>Własne katalogi</translation>
    </message>
</context>
<context>
    <name>CFeedCheckCommands</name>
    <message>
        <source>Please choose a profile first: the check reads its RSS feed URL.</source>
        <translation>Najpierw wybierz profil: sprawdzanie odczytuje jego adres kanału RSS.</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Sprawdź kanał</translation>
    </message>
</context>
<context>
    <name>CFeedCheckDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n wpis</numerusform>
            <numerusform>%n wpisy</numerusform>
            <numerusform>%n wpisów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, the newest of %3</source>
        <translation>%1, %2, najnowszy z dnia %3</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Sprawdź kanał</translation>
    </message>
    <message>
        <source>Use this feed</source>
        <translation>Użyj tego kanału</translation>
    </message>
    <message>
        <source>Use title and description</source>
        <translation>Użyj tytułu i opisu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Checking %1 …</source>
        <translation>Sprawdzanie %1 …</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>Nie można uruchomić sprawdzania.</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>Kanał nadaje się do użycia.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Tytuł: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Opis: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation>
            <numerusform>%n wpis</numerusform>
            <numerusform>%n wpisy</numerusform>
            <numerusform>%n wpisów</numerusform>
        </translation>
    </message>
    <message>
        <source>Categories: %1</source>
        <translation>Kategorie: %1</translation>
    </message>
    <message>
        <source>Use category</source>
        <translation>Użyj kategorii</translation>
    </message>
</context>
<context>
    <name>CHelpPages</name>
    <message>
        <source>You have no profile yet.</source>
        <translation>Nie ma jeszcze żadnego profilu.</translation>
    </message>
    <message numerus="yes">
        <source>You have %n profiles; the current one is %1.</source>
        <translation>
            <numerusform>Istnieje %n profil; bieżący to %1.</numerusform>
            <numerusform>Istnieją %n profile; bieżący to %1.</numerusform>
            <numerusform>Istnieje %n profili; bieżący to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>The directory list is being read.</source>
        <translation>Trwa odczytywanie listy katalogów.</translation>
    </message>
    <message>
        <source>The directory list is empty: add directories as below.</source>
        <translation>Lista katalogów jest pusta: dodaj katalogi w sposób opisany poniżej.</translation>
    </message>
    <message numerus="yes">
        <source>%n directories in the list.</source>
        <translation>
            <numerusform>%n katalog na liście.</numerusform>
            <numerusform>%n katalogi na liście.</numerusform>
            <numerusform>%n katalogów na liście.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have %n profile; the current one is %1.</source>
        <translation>
            <numerusform>Istnieje %n profil; bieżący to %1.</numerusform>
            <numerusform>Istnieją %n profile; bieżący to %1.</numerusform>
            <numerusform>Istnieje %n profili; bieżący to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory in the list.</source>
        <translation>
            <numerusform>%n katalog na liście.</numerusform>
            <numerusform>%n katalogi na liście.</numerusform>
            <numerusform>%n katalogów na liście.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them sent for %1.</source>
        <translation>
            <numerusform>Z tego %n wysłany dla profilu %1.</numerusform>
            <numerusform>Z tego %n wysłane dla profilu %1.</numerusform>
            <numerusform>Z tego %n wysłanych dla profilu %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historia</translation>
    </message>
    <message>
        <source>Kestrine cannot keep the submission history in history.sqlite: %1. It carries on without it; sent marks are kept in sv.dat as before.</source>
        <translation>Nie można przechowywać historii zgłoszeń w history.sqlite: %1. Kestrine działa dalej bez niej; oznaczenia wysłania są nadal zapisywane w sv.dat.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Eksportuj raport</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Kestrine could not write the report: %1.</source>
        <translation>Nie udało się zapisać raportu: %1.</translation>
    </message>
    <message>
        <source>The report was written without the history, which cannot be read: %1. Its statuses come from sv.dat alone and it has no dates.</source>
        <translation>Raport zapisano bez historii, której nie można odczytać: %1. Stany pochodzą wyłącznie z sv.dat, a raport nie zawiera dat.</translation>
    </message>
    <message>
        <source>Kestrine cannot write the submission history to history.sqlite for now: %1. Another program keeps the file locked; the events wait and are written as soon as it is free.</source>
        <translation>Nie można teraz zapisać historii zgłoszeń w history.sqlite: %1. Inny program blokuje plik; zdarzenia czekają i zostaną zapisane, gdy tylko plik zostanie zwolniony.</translation>
    </message>
    <message>
        <source>Export &amp;Report…</source>
        <translation>Eksportuj &amp;raport…</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>&amp;Directory:</source>
        <translation>&amp;Katalog:</translation>
    </message>
    <message>
        <source>The history cannot be read: %1.</source>
        <translation>Nie można odczytać historii: %1.</translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation>Wszystkie profile</translation>
    </message>
    <message>
        <source>All directories</source>
        <translation>Wszystkie katalogi</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <source>What happened to each directory for each profile, newest first</source>
        <translation>Co się działo z każdym katalogiem dla każdego profilu, od najnowszych</translation>
    </message>
</context>
<context>
    <name>CHistoryTableModel</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Czas (%1)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Fields set</source>
        <translation>Wypełnione pola</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Adres strony</translation>
    </message>
</context>
<context>
    <name>CImportDirectoriesDlg</name>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Replace yours, which says something else</source>
        <translation>Zastąp własny, który zawiera coś innego</translation>
    </message>
    <message>
        <source>Leave: you have it already</source>
        <translation>Pomiń: już istnieje</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation>Nie można użyć: %1</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importuj katalogi</translation>
    </message>
    <message>
        <source>What %1 would do to your directories. Ticked directories are imported.</source>
        <translation>Co plik %1 zmieni we własnych katalogach. Zaznaczone katalogi zostaną zaimportowane.</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>Directories in the list</source>
        <translation>Katalogi na liście</translation>
    </message>
    <message>
        <source>%1 and %2; %3, %4.</source>
        <extracomment>The four parts below: &quot;Adds 3&quot;, &quot;replaces 1 of your directories&quot;, &quot;2 you have already&quot;, &quot;0 cannot be used&quot;.</extracomment>
        <translation>%1 i %2; %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n</source>
        <translation>
            <numerusform>Dodaje %n katalog</numerusform>
            <numerusform>Dodaje %n katalogi</numerusform>
            <numerusform>Dodaje %n katalogów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>replaces %n of your directories</source>
        <translation>
            <numerusform>zastępuje %n z Twoich katalogów</numerusform>
            <numerusform>zastępuje %n z Twoich katalogów</numerusform>
            <numerusform>zastępuje %n z Twoich katalogów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n you have already</source>
        <translation>
            <numerusform>%n już masz</numerusform>
            <numerusform>%n już masz</numerusform>
            <numerusform>%n już masz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cannot be used</source>
        <translation>
            <numerusform>%n nie nadaje się do użycia</numerusform>
            <numerusform>%n nie nadają się do użycia</numerusform>
            <numerusform>%n nie nadaje się do użycia</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Język środowiska (%1)</translation>
    </message>
    <message>
        <source>The new language applies when Kestrine starts again.</source>
        <translation>Nowy język zostanie użyty po ponownym uruchomieniu programu Kestrine.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Język:</translation>
    </message>
</context>
<context>
    <name>CMeaningFillOffer</name>
    <message>
        <source>No rule fits this page, and Kestrine is sure of the meaning of none of its fields: nothing was filled.</source>
        <translation>Do tej strony nie pasuje żadna reguła, a Kestrine nie jest pewien znaczenia żadnego z jej pól: niczego nie wypełniono.</translation>
    </message>
    <message>
        <source>The rules for &quot;%1&quot; fit no field on this page: its form may have changed.</source>
        <translation>Reguły katalogu „%1” nie pasują do żadnego pola tej strony: formularz mógł się zmienić.</translation>
    </message>
    <message>
        <source>This page belongs to no directory of the list.</source>
        <translation>Ta strona nie należy do żadnego katalogu z listy.</translation>
    </message>
    <message>
        <source>%1 Fill the fields whose meaning Kestrine recognises from the profile &quot;%2&quot;?</source>
        <translation>%1 Wypełnić danymi z profilu „%2” pola, których znaczenie Kestrine rozpoznaje?</translation>
    </message>
    <message>
        <source>Fill current page</source>
        <translation>Wypełnij stronę</translation>
    </message>
</context>
<context>
    <name>CProfileData</name>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Wprowadź nazwę profilu.</translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;. Please choose another name.</source>
        <translation>Profil o nazwie „%1” już istnieje. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
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
        <translation>Profil, którego danymi są wypełniane strony</translation>
    </message>
</context>
<context>
    <name>CProgramSettings</name>
    <message>
        <source>Kestrine has no data folder to keep its settings in.</source>
        <translation>Brak folderu danych, w którym Kestrine mógłby przechowywać ustawienia.</translation>
    </message>
    <message>
        <source>The database source must be an http:// or https:// address.</source>
        <translation>Źródło bazy danych musi być adresem http:// lub https://.</translation>
    </message>
    <message>
        <source>The database source must name a host, as in https://example.org/dirdata.xml.</source>
        <translation>Źródło bazy danych musi zawierać nazwę hosta, np. https://example.org/dirdata.xml.</translation>
    </message>
    <message>
        <source>These settings in %1 are not UTF-8 text, so Kestrine goes on without them: %2. They stay as they are until you choose them again.</source>
        <translation>Te ustawienia w %1 nie są tekstem UTF-8, więc Kestrine działa dalej bez nich: %2. Pozostaną bez zmian, dopóki nie zostaną ponownie wybrane.</translation>
    </message>
    <message>
        <source>Kestrine could not read its settings from %1: %2.</source>
        <translation>Nie udało się odczytać ustawień z %1: %2.</translation>
    </message>
    <message>
        <source>Kestrine could not save its settings to %1: %2.</source>
        <translation>Nie udało się zapisać ustawień w %1: %2.</translation>
    </message>
</context>
<context>
    <name>CSubmissionSession</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Please allow the page to load completly</source>
        <translation>Zaczekaj, aż strona zostanie całkowicie wczytana</translation>
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
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Work Ahead…</source>
        <translation>Praca z &amp;wyprzedzeniem…</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>&amp;Język…</translation>
    </message>
    <message>
        <source>Check &amp;Directories…</source>
        <translation>Sprawdź &amp;katalogi…</translation>
    </message>
    <message>
        <source>Re&amp;pair…</source>
        <translation>&amp;Napraw…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About Kestrine</source>
        <translation>&amp;O programie Kestrine</translation>
    </message>
    <message>
        <source>The directory &quot;%1&quot; is no longer in the directory database.</source>
        <translation>Katalogu „%1” nie ma już w bazie katalogów.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Najpierw utwórz profil!</translation>
    </message>
    <message>
        <source>Kestrine cannot update the directory database: %1.</source>
        <translation>Nie można zaktualizować bazy katalogów: %1.</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualizacja zakończona pomyślnie</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>The update could not be retrieved</source>
        <translation>Nie udało się pobrać aktualizacji</translation>
    </message>
    <message>
        <source>%1 marked sent</source>
        <translation>Oznaczono %1 jako wysłany</translation>
    </message>
    <message>
        <source>Confirmation &amp;Mails…</source>
        <translation>&amp;Maile potwierdzające…</translation>
    </message>
    <message>
        <source>Fill current &amp;page</source>
        <translation>Wypełnij &amp;stronę</translation>
    </message>
    <message>
        <source>Manage &amp;Profiles</source>
        <translation>Zarządzaj &amp;profilami</translation>
    </message>
    <message>
        <source>&amp;Update RSS Directory Database</source>
        <translation>Zaktualizuj &amp;bazę katalogów RSS</translation>
    </message>
    <message>
        <source>Database &amp;Source…</source>
        <translation>Źródło bazy &amp;danych…</translation>
    </message>
    <message>
        <source>Check &amp;Feed</source>
        <translation>Sprawdź &amp;kanał</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Wsparcie</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Update RSS directory database</source>
        <translation>Aktualizacja bazy katalogów RSS</translation>
    </message>
    <message>
        <source>Please wait while the RSS directory database is updated</source>
        <translation>Zaczekaj, trwa aktualizacja bazy katalogów RSS</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes received</source>
        <translation>
            <numerusform>Odebrano %Ln bajt</numerusform>
            <numerusform>Odebrano %Ln bajty</numerusform>
            <numerusform>Odebrano %Ln bajtów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWorkAheadDlg</name>
    <message>
        <source>Work Ahead</source>
        <translation>Praca z wyprzedzeniem</translation>
    </message>
    <message>
        <source>While you work on one directory, Kestrine loads and fills the next unsent ones in tabs of their own, so that Next unsent shows them at once. Each tab kept ready takes memory. 0 turns working ahead off.</source>
        <translation>Podczas pracy nad jednym katalogiem Kestrine wczytuje i wypełnia kolejne niewysłane katalogi na osobnych kartach, dzięki czemu przycisk „Kolejny niewysłany” pokazuje je od razu. Każda przygotowana karta zajmuje pamięć. Wartość 0 wyłącza pracę z wyprzedzeniem.</translation>
    </message>
    <message>
        <source>&amp;Keep finished tabs open</source>
        <translation>&amp;Nie zamykaj ukończonych kart</translation>
    </message>
    <message>
        <source>A tab whose result page has been read closes by itself once you have left it, unless this is on.</source>
        <translation>Karta, której strona wyniku została odczytana, zamyka się sama po jej opuszczeniu, chyba że ta opcja jest włączona.</translation>
    </message>
    <message>
        <source>&amp;Directories kept ready:</source>
        <translation>&amp;Katalogi w gotowości:</translation>
    </message>
</context>
<context>
    <name>CategoryFill</name>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>--check-feed and --check-directories go one at a time.</source>
        <translation>Opcji --check-feed i --check-directories nie można używać jednocześnie.</translation>
    </message>
    <message>
        <source>--check-feed and --describe-page go one at a time.</source>
        <translation>Opcji --check-feed i --describe-page nie można używać jednocześnie.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>Opcja --data-dir wymaga podania folderu.</translation>
    </message>
    <message>
        <source>--describe-page needs an address.</source>
        <translation>Opcja --describe-page wymaga podania adresu.</translation>
    </message>
    <message>
        <source>--json goes with --describe-page, --check-feed or --check-directories.</source>
        <translation>Opcji --json można używać tylko z --describe-page, --check-feed lub --check-directories.</translation>
    </message>
    <message>
        <source>--export-report goes without --describe-page.</source>
        <translation>Opcji --export-report nie można używać z --describe-page.</translation>
    </message>
    <message>
        <source>--export-report needs a file name.</source>
        <translation>Opcja --export-report wymaga podania nazwy pliku.</translation>
    </message>
    <message>
        <source>--check-feed needs a feed address or file.</source>
        <translation>Opcja --check-feed wymaga podania adresu kanału lub pliku.</translation>
    </message>
    <message>
        <source>--database goes with --check-directories.</source>
        <translation>Opcji --database można używać tylko z --check-directories.</translation>
    </message>
    <message>
        <source>--check-directories goes without --describe-page and --export-report.</source>
        <translation>Opcji --check-directories nie można używać z --describe-page ani --export-report.</translation>
    </message>
    <message>
        <source>--database needs a file name.</source>
        <translation>Opcja --database wymaga podania nazwy pliku.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Polecenie „%1 --help” wyświetli więcej informacji.
</translation>
    </message>
    <message>
        <source>Name: %1
Address: %2
</source>
        <translation>Nazwa: %1
Adres: %2
</translation>
    </message>
    <message>
        <source>could not load %1</source>
        <translation>nie można wczytać %1</translation>
    </message>
    <message>
        <source>no data folder, the results are not kept: %1</source>
        <translation>brak folderu danych, wyniki nie zostaną zapisane: %1</translation>
    </message>
    <message>
        <source>the directory database %1 cannot be read</source>
        <translation>nie można odczytać bazy katalogów %1</translation>
    </message>
    <message>
        <source>the results cannot be kept in %1 (%2)</source>
        <translation>nie można zapisać wyników w %1 (%2)</translation>
    </message>
    <message>
        <source>not every result could be kept (%1)</source>
        <translation>nie wszystkie wyniki udało się zapisać (%1)</translation>
    </message>
    <message>
        <source>the check could not be completed (libcurl is missing)</source>
        <translation>nie można ukończyć sprawdzania (brak libcurl)</translation>
    </message>
    <message>
        <source>your directories cannot be changed here: %1</source>
        <translation>nie można tutaj zmienić własnych katalogów: %1</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>dodano: %1</translation>
    </message>
    <message>
        <source>replaced: %1</source>
        <translation>zastąpiono: %1</translation>
    </message>
    <message>
        <source>kept yours (--replace takes the list&apos;s): %1</source>
        <translation>zachowano własny (--replace wybiera katalog z listy): %1</translation>
    </message>
    <message>
        <source>already there: %1</source>
        <translation>już istnieje: %1</translation>
    </message>
    <message>
        <source>refused: %1 (%2)</source>
        <translation>odrzucono: %1 (%2)</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>no data folder to read your directories from: %1</source>
        <translation>brak folderu danych, z którego można odczytać własne katalogi: %1</translation>
    </message>
    <message>
        <source>you have no directories of your own to export yet</source>
        <translation>nie ma jeszcze własnych katalogów do wyeksportowania</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>--replace goes with --import-directories.</source>
        <translation>Opcji --replace można używać tylko z --import-directories.</translation>
    </message>
    <message>
        <source>--import-directories and --export-directories go one at a time.</source>
        <translation>Opcji --import-directories i --export-directories nie można używać jednocześnie.</translation>
    </message>
    <message>
        <source>%1 goes alone, with --data-dir at most.</source>
        <translation>Opcji %1 można używać tylko samodzielnie, najwyżej z --data-dir.</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>Opcja %1 wymaga podania nazwy pliku.</translation>
    </message>
    <message>
        <source>no data folder to read the profiles from: %1</source>
        <translation>brak folderu danych, z którego można odczytać profile: %1</translation>
    </message>
    <message>
        <source>the history cannot be read (%1); the report has the statuses of sv.dat and no dates</source>
        <translation>nie można odczytać historii (%1); raport zawiera stany z sv.dat i nie zawiera dat</translation>
    </message>
    <message numerus="yes">
        <source>%n of your directories written to %1</source>
        <translation>
            <numerusform>zapisano %n własny katalog w %1</numerusform>
            <numerusform>zapisano %n własne katalogi w %1</numerusform>
            <numerusform>zapisano %n własnych katalogów w %1</numerusform>
        </translation>
    </message>
    <message>
        <source>--category and --subcategory go with --describe-page.</source>
        <translation>Opcji --category i --subcategory można używać tylko z --describe-page.</translation>
    </message>
    <message>
        <source>--check-mail goes alone, with --json and --data-dir at most.</source>
        <translation>--check-mail występuje sam, najwyżej z --json i --data-dir.</translation>
    </message>
    <message>
        <source>No confirmation mails for the submissions of the last two days.</source>
        <translation>Brak e-maili potwierdzających dla zgłoszeń z ostatnich dwóch dni.</translation>
    </message>
    <message>
        <source>%1 (profile %2), from %3 at %4:</source>
        <translation>%1 (profil %2), od %3, %4:</translation>
    </message>
    <message>
        <source>no data folder to read the settings from: %1</source>
        <translation>brak folderu danych, z którego można odczytać ustawienia: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>dodano: %n</numerusform>
            <numerusform>dodano: %n</numerusform>
            <numerusform>dodano: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>zastąpiono: %n</numerusform>
            <numerusform>zastąpiono: %n</numerusform>
            <numerusform>zastąpiono: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there</source>
        <translation>
            <numerusform>już istniało: %n</numerusform>
            <numerusform>już istniało: %n</numerusform>
            <numerusform>już istniało: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept yours</source>
        <translation>
            <numerusform>zachowano własne: %n</numerusform>
            <numerusform>zachowano własne: %n</numerusform>
            <numerusform>zachowano własne: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>odrzucono: %n</numerusform>
            <numerusform>odrzucono: %n</numerusform>
            <numerusform>odrzucono: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder to keep them in</source>
        <translation>ani XDG_DATA_HOME, ani HOME nie wskazuje folderu, w którym można je przechowywać</translation>
    </message>
    <message>
        <source>the folder %1 cannot be found: %2</source>
        <translation>nie można znaleźć folderu %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation>nie można utworzyć folderu %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>nie można zapisywać w folderze %1: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryCheck</name>
    <message>
        <source>No complete answer within %1.</source>
        <translation>Brak pełnej odpowiedzi (limit czasu: %1).</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Serwer przestał odpowiadać.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>Nie można znaleźć nazwy serwera.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Serwer odrzucił połączenie.</translation>
    </message>
    <message>
        <source>The address redirects in a loop.</source>
        <translation>Adres przekierowuje w pętli.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>To nie jest adres http ani https.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Nie można nawiązać bezpiecznego połączenia z serwerem.</translation>
    </message>
    <message>
        <source>The page could not be fetched (libcurl error %1).</source>
        <translation>Nie można pobrać strony (błąd libcurl %1).</translation>
    </message>
    <message>
        <source>Not found (%1)</source>
        <translation>Nie znaleziono (%1)</translation>
    </message>
    <message>
        <source>Refused (%1)</source>
        <translation>Odrzucono (%1)</translation>
    </message>
    <message>
        <source>Server error (%1)</source>
        <translation>Błąd serwera (%1)</translation>
    </message>
    <message>
        <source>Unexpected answer (%1)</source>
        <translation>Nieoczekiwana odpowiedź (%1)</translation>
    </message>
    <message>
        <source>Fields missing: %1 (fields may be made by script).</source>
        <translation>Brak pól: %1 (pola mogą być tworzone przez skrypt).</translation>
    </message>
    <message>
        <source>Fields missing: %1.</source>
        <translation>Brak pól: %1.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Przeniesiono pod adres %1.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times.</source>
        <translation>Adres przekierowuje więcej niż %1 razy.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the connection broke.</source>
        <translation>Serwer odpowiedział (%1), a potem połączenie zostało zerwane.</translation>
    </message>
    <message>
        <source>The server answered (%1), then stopped short of the length it announced.</source>
        <translation>Serwer odpowiedział (%1), ale przesłał mniej danych, niż zapowiedział.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the transfer failed (libcurl error %2).</source>
        <translation>Serwer odpowiedział (%1), ale potem przesyłanie się nie powiodło (błąd libcurl %2).</translation>
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
        <translation>przeniesiony</translation>
    </message>
    <message>
        <source>form changed</source>
        <translation>zmieniony formularz</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>błąd serwera</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odrzucono</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>nieosiągalny</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>limit czasu</translation>
    </message>
</context>
<context>
    <name>DirectoryCheckText</name>
    <message>
        <source>%1, checked %2</source>
        <translation>%1, sprawdzono %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ok</source>
        <translation>
            <numerusform>%n ok</numerusform>
            <numerusform>%n ok</numerusform>
            <numerusform>%n ok</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moved</source>
        <translation>
            <numerusform>%n przeniesiony</numerusform>
            <numerusform>%n przeniesione</numerusform>
            <numerusform>%n przeniesionych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n form changed</source>
        <translation>
            <numerusform>%n ze zmienionym formularzem</numerusform>
            <numerusform>%n ze zmienionym formularzem</numerusform>
            <numerusform>%n ze zmienionym formularzem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n nieznaleziony</numerusform>
            <numerusform>%n nieznalezione</numerusform>
            <numerusform>%n nieznalezionych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n server error</source>
        <translation>
            <numerusform>%n z błędem serwera</numerusform>
            <numerusform>%n z błędem serwera</numerusform>
            <numerusform>%n z błędem serwera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n odrzucony</numerusform>
            <numerusform>%n odrzucone</numerusform>
            <numerusform>%n odrzuconych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreachable</source>
        <translation>
            <numerusform>%n nieosiągalny</numerusform>
            <numerusform>%n nieosiągalne</numerusform>
            <numerusform>%n nieosiągalnych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timeout</source>
        <translation>
            <numerusform>%n z przekroczonym limitem czasu</numerusform>
            <numerusform>%n z przekroczonym limitem czasu</numerusform>
            <numerusform>%n z przekroczonym limitem czasu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryDatabase</name>
    <message>
        <source>exception on load</source>
        <translation>wyjątek podczas wczytywania</translation>
    </message>
    <message>
        <source>Error while retrieving directory names</source>
        <translation>Błąd podczas pobierania nazw katalogów</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>unsuported control type</source>
        <translation>nieobsługiwany typ kontrolki</translation>
    </message>
    <message>
        <source>error on variable</source>
        <translation>błąd zmiennej</translation>
    </message>
    <message>
        <source>The submission page of &quot;%1&quot; cannot be opened: &quot;%2&quot; is not a web address.</source>
        <translation>Nie można otworzyć strony zgłoszenia katalogu „%1”: „%2” nie jest adresem internetowym.</translation>
    </message>
</context>
<context>
    <name>DirectoryImport</name>
    <message>
        <source>it has no submission address</source>
        <translation>nie ma adresu zgłoszenia</translation>
    </message>
    <message>
        <source>one of its fields has a type Kestrine does not know</source>
        <translation>jedno z jego pól ma typ nieznany programowi Kestrine</translation>
    </message>
    <message>
        <source>Kestrine cannot read %1: it is missing, unreadable or too large.</source>
        <translation>Nie można odczytać pliku %1: plik nie istnieje, jest nieczytelny lub zbyt duży.</translation>
    </message>
    <message>
        <source>%1 is not a directory list in the format of dirdata.xml, or breaks the rules Kestrine keeps for files from elsewhere.</source>
        <translation>Plik %1 nie jest listą katalogów w formacie dirdata.xml lub narusza zasady, które Kestrine stosuje wobec plików z innych źródeł.</translation>
    </message>
    <message>
        <source>%1 holds no directories.</source>
        <translation>Plik %1 nie zawiera żadnych katalogów.</translation>
    </message>
    <message>
        <source>its submission address is not an http or https address</source>
        <translation>jego adres zgłoszenia nie jest adresem http ani https</translation>
    </message>
    <message>
        <source>it looks the same as &quot;%1&quot;, which the list has already</source>
        <translation>wygląda tak samo jak „%1”, który już jest na liście</translation>
    </message>
</context>
<context>
    <name>DirectoryListEntry</name>
    <message>
        <source>sent</source>
        <translation>wysłany</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>niewysłany</translation>
    </message>
</context>
<context>
    <name>DirectoryName</name>
    <message>
        <source>Please enter a name for the directory.</source>
        <translation>Wprowadź nazwę katalogu.</translation>
    </message>
    <message>
        <source>The name is too long: a directory name can have at most 223 characters.</source>
        <translation>Nazwa jest zbyt długa: nazwa katalogu może mieć najwyżej 223 znaki.</translation>
    </message>
    <message>
        <source>A directory name cannot contain &quot; [&quot;.</source>
        <translation>Nazwa katalogu nie może zawierać „ [”.</translation>
    </message>
    <message>
        <source>A directory name cannot contain line breaks or tabs.</source>
        <translation>Nazwa katalogu nie może zawierać podziałów wiersza ani tabulatorów.</translation>
    </message>
    <message>
        <source>A directory name cannot contain invisible characters, such as a zero-width space; this one holds %1.</source>
        <translation>Nazwa katalogu nie może zawierać niewidocznych znaków, takich jak spacja o zerowej szerokości; ta zawiera %1.</translation>
    </message>
</context>
<context>
    <name>DirectoryNameProposal</name>
    <message>
        <source>New directory</source>
        <translation>Nowy katalog</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
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
        <translation>Adres zwraca stronę internetową, a nie kanał. Strona nie wskazuje żadnego kanału.</translation>
    </message>
    <message>
        <source>The address answers with a web page, not a feed. The page announces one feed, which can be taken instead.</source>
        <translation>Adres zwraca stronę internetową, a nie kanał. Strona wskazuje jeden kanał, którego można użyć w zamian.</translation>
    </message>
    <message numerus="yes">
        <source>The address answers with a web page, not a feed. The page announces %n feeds; one of them can be taken instead.</source>
        <translation>
            <numerusform>Adres zwraca stronę internetową, a nie kanał. Strona wskazuje %n kanał; można go użyć w zamian.</numerusform>
            <numerusform>Adres zwraca stronę internetową, a nie kanał. Strona wskazuje %n kanały; jednego z nich można użyć w zamian.</numerusform>
            <numerusform>Adres zwraca stronę internetową, a nie kanał. Strona wskazuje %n kanałów; jednego z nich można użyć w zamian.</numerusform>
        </translation>
    </message>
    <message>
        <source>No feed address is given.</source>
        <translation>Nie podano adresu kanału.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be checked.</source>
        <translation>Można sprawdzać tylko adresy http i https.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Plik %1 nie istnieje.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Plik jest większy niż %1 MB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>Odpowiedź jest większa niż %1.</translation>
    </message>
    <message>
        <source>The server did not send the whole answer within %1.</source>
        <translation>Serwer nie wysłał pełnej odpowiedzi (limit czasu: %1).</translation>
    </message>
    <message>
        <source>The server answered with status %1 instead of the feed.</source>
        <translation>Serwer zamiast kanału zwrócił kod stanu %1.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>To nie jest adres http ani https.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>Nie można znaleźć nazwy serwera.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Nie można połączyć się z serwerem.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Serwer przestał odpowiadać.</translation>
    </message>
    <message>
        <source>The address redirects too many times.</source>
        <translation>Adres przekierowuje zbyt wiele razy.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Nie można nawiązać bezpiecznego połączenia z serwerem.</translation>
    </message>
    <message>
        <source>The server broke off its answer.</source>
        <translation>Serwer przerwał odpowiedź.</translation>
    </message>
    <message>
        <source>The feed could not be fetched (libcurl error %1).</source>
        <translation>Nie można pobrać kanału (błąd libcurl %1).</translation>
    </message>
    <message>
        <source>The network library (libcurl) could not be loaded.</source>
        <translation>Nie można wczytać biblioteki sieciowej (libcurl).</translation>
    </message>
    <message>
        <source>The check was cancelled.</source>
        <translation>Sprawdzanie zostało anulowane.</translation>
    </message>
    <message>
        <source>The feed is larger than %1 MB and was not read.</source>
        <translation>Kanał jest większy niż %1 MB i nie został odczytany.</translation>
    </message>
    <message>
        <source>The feed declares entities that would grow far beyond its own size; it was not read.</source>
        <translation>Kanał deklaruje encje, które rozrosłyby się daleko poza jego rozmiar; nie został odczytany.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML</source>
        <translation>Kanał nie jest poprawnie sformułowanym dokumentem XML</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML: %1</source>
        <translation>Kanał nie jest poprawnie sformułowanym dokumentem XML: %1</translation>
    </message>
    <message>
        <source>This is not a feed: the document is &lt;%1&gt;, where a feed is &lt;rss&gt;, &lt;rdf:RDF&gt; or &lt;feed&gt;.</source>
        <translation>To nie jest kanał: dokument to &lt;%1&gt;, a kanał to &lt;rss&gt;, &lt;rdf:RDF&gt; lub &lt;feed&gt;.</translation>
    </message>
    <message>
        <source>The feed has no title.</source>
        <translation>Kanał nie ma tytułu.</translation>
    </message>
    <message>
        <source>The feed has no link to its web site.</source>
        <translation>Kanał nie ma odnośnika do swojej witryny.</translation>
    </message>
    <message>
        <source>The document is empty.</source>
        <translation>Dokument jest pusty.</translation>
    </message>
    <message>
        <source>The document holds no element.</source>
        <translation>Dokument nie zawiera żadnego elementu.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>wiersz %1: </translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>wiersz %1, kolumna %2: </translation>
    </message>
    <message>
        <source>Redirected to</source>
        <translation>Przekierowano do</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Odnośnik</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Items: %1</source>
        <translation>Wpisy: %1</translation>
    </message>
    <message>
        <source>Items: %1, the newest of %2</source>
        <translation>Wpisy: %1, najnowszy z dnia %2</translation>
    </message>
    <message>
        <source>Announced feed: %1</source>
        <translation>Wskazany kanał: %1</translation>
    </message>
    <message>
        <source>Announced feed: %1 (%2)</source>
        <translation>Wskazany kanał: %1 (%2)</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>Kanał nadaje się do użycia.</translation>
    </message>
    <message>
        <source>Problem: %1%2</source>
        <translation>Problem: %1%2</translation>
    </message>
    <message>
        <source>The feed&apos;s only item has no link.</source>
        <translation>Jedyny wpis kanału nie ma odnośnika.</translation>
    </message>
    <message numerus="yes">
        <source>The date “%1” cannot be read (nor %n more).</source>
        <translation>
            <numerusform>Nie można odczytać daty „%1” (ani %n innej).</numerusform>
            <numerusform>Nie można odczytać daty „%1” (ani %n innych).</numerusform>
            <numerusform>Nie można odczytać daty „%1” (ani %n innych).</numerusform>
        </translation>
    </message>
    <message>
        <source>The date “%1” cannot be read.</source>
        <translation>Nie można odczytać daty „%1”.</translation>
    </message>
    <message>
        <source>The feed has no RSS &lt;channel&gt;.</source>
        <translation>Kanał nie ma elementu RSS &lt;channel&gt;.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n bajt</numerusform>
            <numerusform>%n bajty</numerusform>
            <numerusform>%n bajtów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 has no link.</source>
        <translation>
            <numerusform>%n %1 nie ma odnośnika.</numerusform>
            <numerusform>%n %1 nie mają odnośnika.</numerusform>
            <numerusform>%n %1 nie ma odnośnika.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have no link.</source>
        <translation>
            <numerusform>%n %1 nie ma odnośnika.</numerusform>
            <numerusform>%n %1 nie mają odnośnika.</numerusform>
            <numerusform>%n %1 nie ma odnośnika.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>z %n wpisu</numerusform>
            <numerusform>z %n wpisów</numerusform>
            <numerusform>z %n wpisów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FeedTexts</name>
    <message>
        <source>Use title and description</source>
        <translation>Użyj tytułu i opisu</translation>
    </message>
    <message>
        <source>The profile already has a title or description of its own.

Replace them with the feed&apos;s? No fills only the empty fields.</source>
        <translation>Profil ma już własny tytuł lub opis.

Zastąpić je danymi z kanału? Odpowiedź „Nie” wypełnia tylko puste pola.</translation>
    </message>
</context>
<context>
    <name>FieldMeaning</name>
    <message>
        <source>(not filled)</source>
        <translation>(niewypełniane)</translation>
    </message>
    <message>
        <source>Feed address</source>
        <translation>Adres kanału</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Adres witryny</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tagi</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
</context>
<context>
    <name>FillReport</name>
    <message>
        <source>No field of this directory was found on the page</source>
        <translation>Na stronie nie znaleziono żadnego pola tego katalogu</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>nie znaleziono: %1</translation>
    </message>
    <message>
        <source>the submission will not be noticed</source>
        <translation>zgłoszenie nie zostanie wykryte</translation>
    </message>
    <message numerus="yes">
        <source>Filled %1 of %n fields</source>
        <translation>
            <numerusform>Wypełniono %1 z %n pola</numerusform>
            <numerusform>Wypełniono %1 z %n pól</numerusform>
            <numerusform>Wypełniono %1 z %n pól</numerusform>
        </translation>
    </message>
    <message>
        <source>its form may be inside components whose fields cannot be reached</source>
        <translation>formularz może się znajdować w komponentach, których pola są niedostępne</translation>
    </message>
    <message>
        <source>nothing left for you</source>
        <translation>nic do wypełnienia ręcznie</translation>
    </message>
    <message>
        <source>left for you: %1</source>
        <translation>do wypełnienia ręcznie: %1</translation>
    </message>
    <message>
        <source>in a frame of %1</source>
        <translation>w ramce z %1</translation>
    </message>
    <message>
        <source>Category: as you chose last time</source>
        <translation>Kategoria: jak wybrano ostatnim razem</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message numerus="yes">
        <source>%n events could not be written to the history nor kept for the next start, and are lost: %1</source>
        <translation>
            <numerusform>%n zdarzenie nie mogło zostać zapisane w historii ani zachowane do następnego uruchomienia i zostało utracone: %1</numerusform>
            <numerusform>%n zdarzenia nie mogły zostać zapisane w historii ani zachowane do następnego uruchomienia i zostały utracone: %1</numerusform>
            <numerusform>%n zdarzeń nie mogło zostać zapisanych w historii ani zachowanych do następnego uruchomienia i zostało utraconych: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it was written by a newer version of the program (layout %1, this one knows up to %2)</source>
        <translation>została zapisana przez nowszą wersję programu (format %1, ta wersja obsługuje formaty do %2)</translation>
    </message>
    <message>
        <source>it has the layout of an older version of the program, and cannot be written to bring it up to date</source>
        <translation>ma format starszej wersji programu i nie można jej zapisać, aby ją zaktualizować</translation>
    </message>
    <message>
        <source>the file cannot be switched to write-ahead logging</source>
        <translation>nie można przełączyć pliku w tryb dziennika zapisu z wyprzedzeniem (WAL)</translation>
    </message>
</context>
<context>
    <name>MailCheck</name>
    <message>
        <source>mail %1 was left unread: %2</source>
        <translation>e-mail %1 nie został odczytany: %2</translation>
    </message>
</context>
<context>
    <name>MailLook</name>
    <message>
        <source>no mailbox is set up: give server and user under [mail] in %1, or use Settings &gt; Confirmation Mails</source>
        <translation>nie skonfigurowano skrzynki pocztowej: podaj server i user w sekcji [mail] w %1 albo użyj Ustawienia &gt; E-maile potwierdzające</translation>
    </message>
    <message>
        <source>the history cannot be read (%1)</source>
        <translation>nie można odczytać historii (%1)</translation>
    </message>
</context>
<context>
    <name>MailPassword</name>
    <message>
        <source>the desktop&apos;s secret store cannot be reached (%1)</source>
        <translation>magazyn haseł pulpitu jest niedostępny (%1)</translation>
    </message>
    <message>
        <source>the password command gave no password</source>
        <translation>polecenie podające hasło nie zwróciło hasła</translation>
    </message>
    <message>
        <source>the password command took too long</source>
        <translation>polecenie podające hasło trwało zbyt długo</translation>
    </message>
    <message>
        <source>no password is kept for this mailbox: enter it in Settings &gt; Confirmation Mails, or set a password command</source>
        <translation>dla tej skrzynki pocztowej nie zachowano hasła: wpisz je w Ustawienia &gt; E-maile potwierdzające albo ustaw polecenie podające hasło</translation>
    </message>
</context>
<context>
    <name>MailReader</name>
    <message>
        <source>the mail is too large to be read</source>
        <translation>e-mail jest zbyt duży, aby go odczytać</translation>
    </message>
    <message>
        <source>parts nested too deeply were not read</source>
        <translation>nie odczytano części zagnieżdżonych zbyt głęboko</translation>
    </message>
    <message>
        <source>only the first text parts were read</source>
        <translation>odczytano tylko pierwsze części tekstowe</translation>
    </message>
    <message>
        <source>only the beginning of a long text was read</source>
        <translation>z długiego tekstu odczytano tylko początek</translation>
    </message>
    <message>
        <source>the character set %1 is unknown; its text was read as far as it is plain ASCII</source>
        <translation>zestaw znaków %1 jest nieznany; tekst odczytano w zakresie, w jakim jest zwykłym ASCII</translation>
    </message>
    <message>
        <source>the mail has a header line too long to be read</source>
        <translation>e-mail ma wiersz nagłówka zbyt długi, aby go odczytać</translation>
    </message>
    <message>
        <source>the mail cannot be read</source>
        <translation>nie można odczytać e-maila</translation>
    </message>
</context>
<context>
    <name>Mailbox</name>
    <message>
        <source>%1 is not the address of a mail server (write imaps://host or imap://host)</source>
        <translation>%1 nie jest adresem serwera poczty (wpisz imaps://host lub imap://host)</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>nie można połączyć się z %1</translation>
    </message>
    <message>
        <source>login refused by %1: check the user name and the password</source>
        <translation>%1 odrzucił logowanie: sprawdź nazwę użytkownika i hasło</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>certyfikat %1 nie jest zaufany</translation>
    </message>
    <message>
        <source>%1 does not offer an encrypted connection</source>
        <translation>%1 nie oferuje szyfrowanego połączenia</translation>
    </message>
    <message>
        <source>the folder %1 is missing on %2</source>
        <translation>na %2 brakuje folderu %1</translation>
    </message>
    <message>
        <source>%1 sent more than any answer needs; it was not read further</source>
        <translation>%1 wysłał więcej, niż potrzebuje jakakolwiek odpowiedź; nie czytano dalej</translation>
    </message>
    <message>
        <source>the mailbox cannot be read: libcurl is missing</source>
        <translation>nie można odczytać skrzynki pocztowej: brak libcurl</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>Profile Data</source>
        <translation>Dane profilu</translation>
    </message>
    <message>
        <source>Profile details</source>
        <translation>Szczegóły profilu</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nazwa profilu:</translation>
    </message>
    <message>
        <source>RSS Feed URL:</source>
        <translation>Adres kanału RSS:</translation>
    </message>
    <message>
        <source>RSS Link title:</source>
        <translation>Tytuł odnośnika RSS:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Tagi:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Nazwisko:</translation>
    </message>
    <message>
        <source>Check feed</source>
        <translation>Sprawdź kanał</translation>
    </message>
    <message>
        <source>Fetch the RSS feed URL and show what the feed says about itself</source>
        <translation>Pobierz adres kanału RSS i pokaż, co kanał podaje o sobie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategoria:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>S&amp;ubcategory:</source>
        <translation>&amp;Podkategoria:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Podkategoria</translation>
    </message>
</context>
<context>
    <name>ProfilesConfigurator</name>
    <message>
        <source>Profile Manager</source>
        <translation>Menedżer profili</translation>
    </message>
    <message>
        <source>Available profiles</source>
        <translation>Dostępne profile</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>(brak nazwy: nie można zapisać)</translation>
    </message>
    <message>
        <source>Filled by meaning: %1.</source>
        <translation>Wypełniono według znaczenia: %1.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nic</translation>
    </message>
    <message numerus="yes">
        <source> Kept %n field(s) you typed in.</source>
        <translation>
            <numerusform> Zachowano %n wpisane pole.</numerusform>
            <numerusform> Zachowano %n wpisane pola.</numerusform>
            <numerusform> Zachowano %n wpisanych pól.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened</source>
        <translation>Otwarto</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Wypełniono</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Zgłoszono</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Potwierdzono</translation>
    </message>
    <message>
        <source>Not confirmed</source>
        <translation>Nie potwierdzono</translation>
    </message>
    <message>
        <source>Marked as sent</source>
        <translation>Oznaczono jako wysłany</translation>
    </message>
    <message>
        <source>Marked as not sent</source>
        <translation>Oznaczono jako niewysłany</translation>
    </message>
    <message>
        <source>(in a frame from %1)</source>
        <translation>(w ramce z %1)</translation>
    </message>
    <message>
        <source>%1 (in a frame from %2)</source>
        <translation>%1 (w ramce z %2)</translation>
    </message>
    <message>
        <source>Confirmed by e-mail</source>
        <translation>Potwierdzono e-mailem</translation>
    </message>
</context>
<context>
    <name>SubmissionProgress</name>
    <message>
        <source>The directories still unsent for %1 were found dead by the last check</source>
        <translation>Katalogi jeszcze niewysłane dla profilu %1 według ostatniego sprawdzania już nie istnieją</translation>
    </message>
    <message>
        <source>No directory shown is unsent for %1</source>
        <translation>Wszystkie wyświetlane katalogi są wysłane dla profilu %1</translation>
    </message>
    <message>
        <source>Every directory is sent for %1</source>
        <translation>Wszystkie katalogi są wysłane dla profilu %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n directories sent for %2</source>
        <translation>
            <numerusform>Wysłano %1 z %n katalogu dla profilu %2</numerusform>
            <numerusform>Wysłano %1 z %n katalogów dla profilu %2</numerusform>
            <numerusform>Wysłano %1 z %n katalogów dla profilu %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDirectoryFile</name>
    <message>
        <source>Kestrine cannot read your directories in %1, so it leaves the file as it is. Correct the file or move it away, then try again.</source>
        <translation>Nie można odczytać własnych katalogów z pliku %1, dlatego plik pozostaje bez zmian. Popraw plik lub przenieś go w inne miejsce, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>a text holds characters that mydirs.xml cannot store</source>
        <translation>tekst zawiera znaki, których nie można zapisać w mydirs.xml</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrine is already running. Switch to its window, or close it before you start Kestrine again.</source>
        <translation>Program Kestrine jest już uruchomiony. Przejdź do jego okna lub zamknij go przed ponownym uruchomieniem.</translation>
    </message>
</context>
</TS>
