<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>it is a symbolic link that another user made in %1, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>c&apos;est un lien symbolique créé par un autre utilisateur dans %1, un dossier où tout le monde peut écrire&#xa0;; Kestrine ne le suit donc pas</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link that another user made in %2, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>son dossier %1 est un lien symbolique créé par un autre utilisateur dans %2, un dossier où tout le monde peut écrire&#xa0;; Kestrine ne le suit donc pas</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Your profiles and the directory database are kept in
%1</source>
        <translation>Vos profils et la base des annuaires sont conservés dans
%1</translation>
    </message>
    <message>
        <source>About Kestrine</source>
        <translation>À propos de Kestrine</translation>
    </message>
</context>
<context>
    <name>CAssistantStatus</name>
    <message numerus="yes">
        <source>%n results pending</source>
        <translation>
            <numerusform>%n résultat en attente</numerusform>
            <numerusform>%n résultats en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result pending</source>
        <translation>
            <numerusform>%n résultat en attente</numerusform>
            <numerusform>%n résultats en attente</numerusform>
        </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>CBrowserCtrl</name>
    <message>
        <source>This page stopped working. Choose the directory again to reload it.</source>
        <translation>Cette page ne fonctionne plus. Choisissez de nouveau l&apos;annuaire pour la recharger.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
</context>
<context>
    <name>CBrowserTab</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Rempli</translation>
    </message>
    <message>
        <source>Submitted, waiting for the result page</source>
        <translation>Soumis, en attente de la page de résultat</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Not confirmed by the result page</source>
        <translation>Non confirmé par la page de résultat</translation>
    </message>
    <message>
        <source>Opened again: it had been filled for another profile, or by rules that changed since.</source>
        <translation>Rouverte&#xa0;: la page avait été remplie pour un autre profil, ou selon des règles modifiées depuis.</translation>
    </message>
    <message>
        <source>Its page waits for an answer: it asks again when you come to this tab.</source>
        <translation>Sa page attend une réponse&#xa0;: elle la redemandera quand vous reviendrez sur cet onglet.</translation>
    </message>
</context>
<context>
    <name>CBrowserTabs</name>
    <message>
        <source>Close &amp;Tab</source>
        <translation>&amp;Fermer l&apos;onglet</translation>
    </message>
    <message>
        <source>Pre&amp;vious Tab</source>
        <translation>Onglet &amp;précédent</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>Onglet &amp;suivant</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>courriel de confirmation arrivé</translation>
    </message>
</context>
<context>
    <name>CConfirmationMails</name>
    <message>
        <source>Confirmation mails: %1</source>
        <translation>Courriels de confirmation&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 confirmation mail waiting</source>
        <translation>1 courriel de confirmation en attente</translation>
    </message>
    <message numerus="yes">
        <source>%n confirmation mails waiting</source>
        <translation>
            <numerusform>%n courriel de confirmation en attente</numerusform>
            <numerusform>%n courriels de confirmation en attente</numerusform>
        </translation>
    </message>
    <message>
        <source>No confirmation mails waiting</source>
        <translation>Aucun courriel de confirmation en attente</translation>
    </message>
    <message>
        <source>Open Confirmation &amp;Link</source>
        <translation>Ouvrir le &amp;lien de confirmation</translation>
    </message>
</context>
<context>
    <name>CConfirmationMailsDlg</name>
    <message>
        <source>Confirmation Mails</source>
        <translation>Courriels de confirmation</translation>
    </message>
    <message>
        <source>Many directories list a feed only after you click a link they send by e-mail. Kestrine looks for these mails for two days after each submission, while its window is open, and offers their links. Leave the server empty to turn this off.</source>
        <translation>Beaucoup d&apos;annuaires ne publient un flux qu&apos;après que vous avez cliqué sur un lien qu&apos;ils envoient par courriel. Kestrine cherche ces courriels pendant deux jours après chaque soumission, tant que sa fenêtre est ouverte, et vous propose leurs liens. Laissez le serveur vide pour désactiver cette fonction.</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in kestrine.conf.</source>
        <translation>Conservé dans le trousseau du bureau, jamais dans kestrine.conf.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>A command that prints the password, such as &quot;pass show mail&quot;, used instead of the secret store.</source>
        <translation>Une commande qui affiche le mot de passe, comme «&#xa0;pass show mail&#xa0;», utilisée à la place du trousseau.</translation>
    </message>
    <message>
        <source>Password &amp;command:</source>
        <translation>&amp;Commande du mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>The server must be an imaps:// or imap:// address, as in imaps://mail.example.org or imap://mail.example.org:143.</source>
        <translation>Le serveur doit être une adresse imaps:// ou imap://, comme imaps://mail.example.org ou imap://mail.example.org:143.</translation>
    </message>
    <message>
        <source>Give the user name the mail server knows you by.</source>
        <translation>Indiquez le nom d&apos;utilisateur sous lequel le serveur de courriel vous connaît.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Le mot de passe n&apos;a pas pu être conservé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CCurrentProfile</name>
    <message>
        <source>Kestrine could not save your profiles to sv.dat: %1. Fix the problem and close the window again, or choose File &gt; Exit to quit without saving.</source>
        <translation>Kestrine n&apos;a pas pu enregistrer vos profils dans sv.dat&#xa0;: %1. Corrigez le problème et fermez de nouveau la fenêtre, ou choisissez Fichier &gt; Quitter pour quitter sans enregistrer.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Kestrine cannot save your profiles: %1. You can go on working, but changes to your profiles and the directories marked as sent will be lost when Kestrine closes.</source>
        <translation>Kestrine ne peut pas enregistrer vos profils&#xa0;: %1. Vous pouvez continuer à travailler, mais les modifications de vos profils et les annuaires marqués comme envoyés seront perdus à la fermeture de Kestrine.</translation>
    </message>
</context>
<context>
    <name>CDatabaseSourceDlg</name>
    <message>
        <source>Database Source</source>
        <translation>Source de la base</translation>
    </message>
    <message>
        <source>Update RSS Directory Database downloads the directory database from this address (http or https):</source>
        <translation>«&#xa0;Mettre à jour la base des annuaires RSS&#xa0;» télécharge la base des annuaires depuis cette adresse (http ou https)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckController</name>
    <message>
        <source>Repair Directory</source>
        <translation>Réparer l&apos;annuaire</translation>
    </message>
    <message>
        <source>Check Directories</source>
        <translation>Vérifier les annuaires</translation>
    </message>
    <message>
        <source>Only the Others</source>
        <translation>Seulement les autres</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Tout vérifier</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>La vérification n&apos;a pas pu être lancée.</translation>
    </message>
    <message>
        <source>The results could not be kept in history.sqlite: %1.</source>
        <translation>Les résultats n&apos;ont pas pu être conservés dans history.sqlite&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The check could not run: libcurl is missing.</source>
        <translation>La vérification n&apos;a pas pu s&apos;exécuter&#xa0;: libcurl est absent.</translation>
    </message>
    <message>
        <source>The directory database %1 could not be read.</source>
        <translation>La base des annuaires %1 n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>Please choose the directory to repair in the list first.</source>
        <translation>Veuillez d&apos;abord choisir dans la liste l&apos;annuaire à réparer.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. %1 has not been checked yet.</source>
        <translation>«&#xa0;Réparer&#xa0;» concerne les annuaires que «&#xa0;Annuaire &gt; Vérifier les annuaires&#xa0;» a trouvés déplacés ou avec un formulaire modifié. %1 n&apos;a pas encore été vérifié.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. The last check of %1 found: %2</source>
        <translation>«&#xa0;Réparer&#xa0;» concerne les annuaires que «&#xa0;Annuaire &gt; Vérifier les annuaires&#xa0;» a trouvés déplacés ou avec un formulaire modifié. La dernière vérification de %1 a trouvé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The page of %1 cannot be opened: %2 is not a web address.</source>
        <translation>La page de %1 ne peut pas être ouverte&#xa0;: %2 n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>The page of %1 did not load. Try Directory &gt; Repair again later.</source>
        <translation>La page de %1 ne s&apos;est pas chargée. Réessayez «&#xa0;Annuaire &gt; Réparer&#xa0;» plus tard.</translation>
    </message>
    <message numerus="yes">
        <source>%n of the directories were checked in the last 7 days. Check them again, or only the others?</source>
        <translation>
            <numerusform>%n annuaire a été vérifié au cours des 7 derniers jours. Les vérifier tous de nouveau, ou seulement les autres&#xa0;?</numerusform>
            <numerusform>%n annuaires ont été vérifiés au cours des 7 derniers jours. Les vérifier tous de nouveau, ou seulement les autres&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckDialog</name>
    <message>
        <source>Check Directories</source>
        <translation>Vérifier les annuaires</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Reading the directories…</source>
        <translation>Lecture des annuaires…</translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directories.</source>
        <translation>
            <numerusform>%n annuaire vérifié.</numerusform>
            <numerusform>%n annuaires vérifiés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n checked in the last 7 days were left out.</source>
        <translation>
            <numerusform>%n annuaire vérifié au cours des 7 derniers jours a été ignoré.</numerusform>
            <numerusform>%n annuaires vérifiés au cours des 7 derniers jours ont été ignorés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directory.</source>
        <translation>
            <numerusform>%n annuaire vérifié.</numerusform>
            <numerusform>%n annuaires vérifiés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %1 of %n directories</source>
        <translation>
            <numerusform>Annuaires vérifiés&#xa0;: %1 sur %n</numerusform>
            <numerusform>Annuaires vérifiés&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2. Resume goes on where the check stopped.</source>
        <extracomment>%1 is the number of directories checked, %2 how many there are (&quot;12 directories&quot;); the noun may go with either, as the language wants it.</extracomment>
        <translation>Annulé après %1 sur %2. «&#xa0;Reprendre&#xa0;» continue là où la vérification s&apos;est arrêtée.</translation>
    </message>
    <message numerus="yes">
        <source>%n</source>
        <comment>the directories checked before the check was cancelled</comment>
        <translation>
            <numerusform>%n annuaire</numerusform>
            <numerusform>%n annuaires</numerusform>
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
        <translation>A&amp;ller</translation>
    </message>
    <message>
        <source>Open &amp;Address…</source>
        <translation>&amp;Ouvrir une adresse…</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Reculer</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;vancer</translation>
    </message>
    <message>
        <source>&amp;Next unsent</source>
        <translation>Suivant à &amp;envoyer</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>A&amp;nnuaire</translation>
    </message>
    <message>
        <source>&amp;Add This Page…</source>
        <translation>&amp;Ajouter cette page…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Copy to My Directories</source>
        <translation>&amp;Copier dans vos annuaires</translation>
    </message>
    <message>
        <source>Open Address</source>
        <translation>Ouvrir une adresse</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Kestrine cannot read your own directories in %1, so the list shows only those of the directory database. Kestrine leaves the file as it is: correct it or move it away, then start Kestrine again.</source>
        <translation>Kestrine ne peut pas lire vos annuaires dans %1&#xa0;; la liste ne montre donc que ceux de la base des annuaires. Kestrine laisse le fichier tel quel&#xa0;: corrigez-le ou déplacez-le, puis redémarrez Kestrine.</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Ajouter un annuaire</translation>
    </message>
    <message>
        <source>Please wait until the page has loaded, then add it again.</source>
        <translation>Veuillez attendre que la page soit chargée, puis ajoutez-la de nouveau.</translation>
    </message>
    <message>
        <source>This page has no form fields to fill. Open the directory&apos;s submission page and try again.</source>
        <translation>Cette page n&apos;a aucun champ de formulaire à remplir. Ouvrez la page de soumission de l&apos;annuaire et réessayez.</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Modifier l&apos;annuaire</translation>
    </message>
    <message>
        <source>Please choose the directory to edit in the list first.</source>
        <translation>Veuillez d&apos;abord choisir dans la liste l&apos;annuaire à modifier.</translation>
    </message>
    <message>
        <source>%1 comes with the directory database. Choose Directory &gt; Copy to My Directories to make it your own, then edit it.</source>
        <translation>%1 fait partie de la base des annuaires. Choisissez «&#xa0;Annuaire &gt; Copier dans vos annuaires&#xa0;» pour en faire le vôtre, puis modifiez-le.</translation>
    </message>
    <message>
        <source>Remove Directory</source>
        <translation>Supprimer l&apos;annuaire</translation>
    </message>
    <message>
        <source>Please choose one of your own directories in the list first. Directories of the directory database cannot be removed.</source>
        <translation>Veuillez d&apos;abord choisir dans la liste l&apos;un de vos annuaires. Les annuaires de la base des annuaires ne peuvent pas être supprimés.</translation>
    </message>
    <message>
        <source>Remove %1 from your directories?</source>
        <translation>Supprimer %1 de vos annuaires&#xa0;?</translation>
    </message>
    <message>
        <source>Removed %1 from your directories.</source>
        <translation>%1 a été supprimé de vos annuaires.</translation>
    </message>
    <message>
        <source>Copy to My Directories</source>
        <translation>Copier dans vos annuaires</translation>
    </message>
    <message>
        <source>Please choose a directory of the directory database in the list first.</source>
        <translation>Veuillez d&apos;abord choisir dans la liste un annuaire de la base des annuaires.</translation>
    </message>
    <message>
        <source>%1 is now one of your directories: Directory &gt; Edit… changes it, updates of the database leave it alone.</source>
        <translation>%1 fait maintenant partie de vos annuaires&#xa0;: «&#xa0;Annuaire &gt; Modifier…&#xa0;» le modifie, les mises à jour de la base n&apos;y touchent pas.</translation>
    </message>
    <message>
        <source>You already have a directory named %1. Replace it?</source>
        <translation>Vous avez déjà un annuaire nommé %1. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The directory database has a directory named %1. Yours will take its place in the list. Go on?</source>
        <translation>La base des annuaires contient un annuaire nommé %1. Le vôtre prendra sa place dans la liste. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Saved %1 to your directories.</source>
        <translation>%1 a été enregistré dans vos annuaires.</translation>
    </message>
    <message>
        <source>Kestrine cannot save your directories: %1.</source>
        <translation>Kestrine ne peut pas enregistrer vos annuaires&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Kestrine could not save your directories to mydirs.xml: %1.</source>
        <translation>Kestrine n&apos;a pas pu enregistrer vos annuaires dans mydirs.xml&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Confirmation text</source>
        <translation>Texte de confirmation</translation>
    </message>
    <message>
        <source>Kestrine does not know yet how &quot;%1&quot; confirms a submission.
If this page confirms yours, keep or change the text below: Kestrine will look for it after later submissions and marks the directory sent now.</source>
        <translation>Kestrine ne sait pas encore comment «&#xa0;%1&#xa0;» confirme une soumission.
Si cette page confirme la vôtre, gardez ou modifiez le texte ci-dessous&#xa0;: Kestrine le recherchera après les prochaines soumissions et marque l&apos;annuaire comme envoyé dès maintenant.</translation>
    </message>
    <message>
        <source>Find &amp;directory</source>
        <translation>Rec&amp;hercher un annuaire</translation>
    </message>
</context>
<context>
    <name>CDirectoryEditorDlg</name>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Ajouter un annuaire</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Modifier l&apos;annuaire</translation>
    </message>
    <message>
        <source>A new name keeps the directory&apos;s sent marks, for every profile.</source>
        <translation>Un nouveau nom conserve les marques «&#xa0;envoyé&#xa0;» de l&apos;annuaire, pour chaque profil.</translation>
    </message>
    <message>
        <source>Optional: a text the page shows after a successful submission</source>
        <translation>Facultatif&#xa0;: un texte que la page affiche après une soumission réussie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Submission page:</source>
        <translation>Page de &amp;soumission&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Confirmation text:</source>
        <translation>Texte de &amp;confirmation&#xa0;:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>The page says</source>
        <translation>Texte de la page</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>Fill with</source>
        <translation>Remplir avec</translation>
    </message>
    <message>
        <source>Only ticked fields are filled. Kestrine is &quot;not sure&quot; of some: their best guess is chosen but not ticked.</source>
        <translation>Seuls les champs cochés sont remplis. Kestrine n&apos;est «&#xa0;pas sûr&#xa0;» de certains&#xa0;: sa meilleure hypothèse est choisie, mais pas cochée.</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>pas sûr</translation>
    </message>
    <message>
        <source>Please enter the address of the directory&apos;s submission page.</source>
        <translation>Veuillez saisir l&apos;adresse de la page de soumission de l&apos;annuaire.</translation>
    </message>
    <message>
        <source>Fields of the page</source>
        <translation>Champs de la page</translation>
    </message>
    <message>
        <source>The submission page must be a web address beginning with http:// or https://.</source>
        <translation>La page de soumission doit être une adresse web commençant par http:// ou https://.</translation>
    </message>
</context>
<context>
    <name>CDirectoryEntryDelegate</name>
    <message>
        <source> (mine)</source>
        <translation> (à moi)</translation>
    </message>
</context>
<context>
    <name>CDirectoryListCommands</name>
    <message numerus="yes">
        <source>%n directories</source>
        <translation>
            <numerusform>%n annuaire</numerusform>
            <numerusform>%n annuaires</numerusform>
        </translation>
    </message>
    <message>
        <source>Directory lists (*.xml);;All files (*)</source>
        <translation>Listes d&apos;annuaires (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Import Directories…</source>
        <translation>&amp;Importer des annuaires…</translation>
    </message>
    <message>
        <source>Export &amp;My Directories…</source>
        <translation>E&amp;xporter vos annuaires…</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importer des annuaires</translation>
    </message>
    <message>
        <source>%1 holds no directory you do not have already.</source>
        <translation>%1 ne contient aucun annuaire que vous n&apos;ayez déjà.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>Import terminé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Export My Directories</source>
        <translation>Exporter vos annuaires</translation>
    </message>
    <message>
        <source>You have no directories of your own yet. Directory &gt; Add This Page… makes one from a directory&apos;s submission page.</source>
        <translation>Vous n&apos;avez pas encore d&apos;annuaires à vous. «&#xa0;Annuaire &gt; Ajouter cette page…&#xa0;» en crée un à partir de la page de soumission d&apos;un annuaire.</translation>
    </message>
    <message>
        <source>Kestrine could not write %1: %2.</source>
        <translation>Kestrine n&apos;a pas pu écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>Écrit dans %2&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Directory Lists</source>
        <translation>Listes d&apos;annuaires</translation>
    </message>
    <message numerus="yes">
        <source>%n directory</source>
        <translation>
            <numerusform>%n annuaire</numerusform>
            <numerusform>%n annuaires</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryListModel</name>
    <message>
        <source>One of your own directories, kept in mydirs.xml</source>
        <translation>L&apos;un de vos annuaires, conservé dans mydirs.xml</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>disparu</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>vérifié</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non vérifié</translation>
    </message>
    <message>
        <source>one of your own</source>
        <translation>l&apos;un de vos annuaires</translation>
    </message>
    <message>
        <source>Its confirmation mail has arrived: Enter opens the link</source>
        <translation>Son courriel de confirmation est arrivé&#xa0;: Entrée ouvre le lien</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>courriel de confirmation arrivé</translation>
    </message>
</context>
<context>
    <name>CDirectoryListPanel</name>
    <message>
        <source>Next unsent</source>
        <translation>Suivant à envoyer</translation>
    </message>
    <message>
        <source>Search directories</source>
        <translation>Rechercher des annuaires</translation>
    </message>
    <message>
        <source>Unsent only</source>
        <translation>Non envoyés</translation>
    </message>
    <message>
        <source>Hide unreachable</source>
        <translation>Joignables seuls</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Veuillez d&apos;abord créer un profil&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Mark as sent</source>
        <translation>Marquer comme envoyé</translation>
    </message>
    <message>
        <source>Mark as not sent</source>
        <translation>Marquer comme non envoyé</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Annuaires</translation>
    </message>
    <message>
        <source>Arrow keys open a directory&apos;s page beside the list; Enter goes into the page</source>
        <translation>Les touches fléchées ouvrent la page d&apos;un annuaire à côté de la liste&#xa0;; Entrée passe dans la page</translation>
    </message>
    <message>
        <source>Search directories by name</source>
        <translation>Rechercher des annuaires par nom</translation>
    </message>
</context>
<context>
    <name>CEmptyListHint</name>
    <message>
        <source>&lt;p&gt;There are no directories yet. To get some:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Il n&apos;y a pas encore d&apos;annuaires. Pour en obtenir&#xa0;:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CExportDirectoriesDlg</name>
    <message>
        <source>Export My Directories</source>
        <translation>Exporter vos annuaires</translation>
    </message>
    <message>
        <source>Your directories to write to a list that others can import:</source>
        <translation>Vos annuaires à écrire dans une liste que d&apos;autres pourront importer&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>Your directories</source>
        <translation>Vos annuaires</translation>
    </message>
</context>
<context>
    <name>CFeedCheckCommands</name>
    <message>
        <source>Please choose a profile first: the check reads its RSS feed URL.</source>
        <translation>Veuillez d&apos;abord choisir un profil&#xa0;: la vérification lit l&apos;adresse de son flux RSS.</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Vérifier le flux</translation>
    </message>
</context>
<context>
    <name>CFeedCheckDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, the newest of %3</source>
        <translation>%1, %2, le plus récent du %3</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Vérifier le flux</translation>
    </message>
    <message>
        <source>Use this feed</source>
        <translation>Utiliser ce flux</translation>
    </message>
    <message>
        <source>Use title and description</source>
        <translation>Reprendre le titre et la description</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Checking %1 …</source>
        <translation>Vérification de %1 …</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>La vérification n&apos;a pas pu être lancée.</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>Le flux est utilisable.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Description&#xa0;: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Categories: %1</source>
        <translation>Catégories&#xa0;: %1</translation>
    </message>
    <message>
        <source>Use category</source>
        <translation>Reprendre la catégorie</translation>
    </message>
</context>
<context>
    <name>CHelpPages</name>
    <message>
        <source>You have no profile yet.</source>
        <translation>Vous n&apos;avez pas encore de profil.</translation>
    </message>
    <message numerus="yes">
        <source>You have %n profiles; the current one is %1.</source>
        <translation>
            <numerusform>Vous avez %n profil&#xa0;; le profil actuel est %1.</numerusform>
            <numerusform>Vous avez %n profils&#xa0;; le profil actuel est %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>The directory list is being read.</source>
        <translation>La liste des annuaires est en cours de lecture.</translation>
    </message>
    <message>
        <source>The directory list is empty: add directories as below.</source>
        <translation>La liste des annuaires est vide&#xa0;: ajoutez des annuaires comme indiqué ci-dessous.</translation>
    </message>
    <message numerus="yes">
        <source>%n directories in the list.</source>
        <translation>
            <numerusform>%n annuaire dans la liste.</numerusform>
            <numerusform>%n annuaires dans la liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have %n profile; the current one is %1.</source>
        <translation>
            <numerusform>Vous avez %n profil&#xa0;; le profil actuel est %1.</numerusform>
            <numerusform>Vous avez %n profils&#xa0;; le profil actuel est %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory in the list.</source>
        <translation>
            <numerusform>%n annuaire dans la liste.</numerusform>
            <numerusform>%n annuaires dans la liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them sent for %1.</source>
        <translation>
            <numerusform>Dont %n envoyé pour %1.</numerusform>
            <numerusform>Dont %n envoyés pour %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Kestrine cannot keep the submission history in history.sqlite: %1. It carries on without it; sent marks are kept in sv.dat as before.</source>
        <translation>Kestrine ne peut pas conserver l&apos;historique des soumissions dans history.sqlite&#xa0;: %1. Il continue sans lui&#xa0;; les marques «&#xa0;envoyé&#xa0;» restent conservées dans sv.dat comme avant.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Kestrine could not write the report: %1.</source>
        <translation>Kestrine n&apos;a pas pu écrire le rapport&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The report was written without the history, which cannot be read: %1. Its statuses come from sv.dat alone and it has no dates.</source>
        <translation>Le rapport a été écrit sans l&apos;historique, qui ne peut pas être lu&#xa0;: %1. Ses états proviennent uniquement de sv.dat et il ne comporte aucune date.</translation>
    </message>
    <message>
        <source>Kestrine cannot write the submission history to history.sqlite for now: %1. Another program keeps the file locked; the events wait and are written as soon as it is free.</source>
        <translation>Kestrine ne peut pas écrire pour l&apos;instant l&apos;historique des soumissions dans history.sqlite&#xa0;: %1. Un autre programme garde le fichier verrouillé&#xa0;; les événements attendent et seront écrits dès qu&apos;il sera libre.</translation>
    </message>
    <message>
        <source>Export &amp;Report…</source>
        <translation>Exporter le &amp;rapport…</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Directory:</source>
        <translation>&amp;Annuaire&#xa0;:</translation>
    </message>
    <message>
        <source>The history cannot be read: %1.</source>
        <translation>L&apos;historique ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation>Tous les profils</translation>
    </message>
    <message>
        <source>All directories</source>
        <translation>Tous les annuaires</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>What happened to each directory for each profile, newest first</source>
        <translation>Ce qui est arrivé à chaque annuaire pour chaque profil, du plus récent au plus ancien</translation>
    </message>
</context>
<context>
    <name>CHistoryTableModel</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Heure (%1)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Annuaire</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Fields set</source>
        <translation>Champs remplis</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Adresse de la page</translation>
    </message>
</context>
<context>
    <name>CImportDirectoriesDlg</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Replace yours, which says something else</source>
        <translation>Remplacer le vôtre, qui dit autre chose</translation>
    </message>
    <message>
        <source>Leave: you have it already</source>
        <translation>Laisser&#xa0;: vous l&apos;avez déjà</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation>Inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importer des annuaires</translation>
    </message>
    <message>
        <source>What %1 would do to your directories. Ticked directories are imported.</source>
        <translation>Ce que %1 ferait à vos annuaires. Les annuaires cochés sont importés.</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Annuaire</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Directories in the list</source>
        <translation>Annuaires de la liste</translation>
    </message>
    <message>
        <source>%1 and %2; %3, %4.</source>
        <extracomment>The four parts below: &quot;Adds 3&quot;, &quot;replaces 1 of your directories&quot;, &quot;2 you have already&quot;, &quot;0 cannot be used&quot;.</extracomment>
        <translation>%1 et %2&#xa0;; %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n</source>
        <translation>
            <numerusform>Ajoute %n</numerusform>
            <numerusform>Ajoute %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>replaces %n of your directories</source>
        <translation>
            <numerusform>remplace %n de vos annuaires</numerusform>
            <numerusform>remplace %n de vos annuaires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n you have already</source>
        <translation>
            <numerusform>vous en avez déjà %n</numerusform>
            <numerusform>vous en avez déjà %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cannot be used</source>
        <translation>
            <numerusform>%n est inutilisable</numerusform>
            <numerusform>%n sont inutilisables</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Langue du bureau (%1)</translation>
    </message>
    <message>
        <source>The new language applies when Kestrine starts again.</source>
        <translation>La nouvelle langue s&apos;appliquera au prochain démarrage de Kestrine.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CMeaningFillOffer</name>
    <message>
        <source>No rule fits this page, and Kestrine is sure of the meaning of none of its fields: nothing was filled.</source>
        <translation>Aucune règle ne correspond à cette page, et Kestrine n&apos;est sûr de la signification d&apos;aucun de ses champs&#xa0;: rien n&apos;a été rempli.</translation>
    </message>
    <message>
        <source>The rules for &quot;%1&quot; fit no field on this page: its form may have changed.</source>
        <translation>Les règles de «&#xa0;%1&#xa0;» ne correspondent à aucun champ de cette page&#xa0;: son formulaire a peut-être changé.</translation>
    </message>
    <message>
        <source>This page belongs to no directory of the list.</source>
        <translation>Cette page n&apos;appartient à aucun annuaire de la liste.</translation>
    </message>
    <message>
        <source>%1 Fill the fields whose meaning Kestrine recognises from the profile &quot;%2&quot;?</source>
        <translation>%1 Remplir les champs dont Kestrine reconnaît la signification à partir du profil «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Fill current page</source>
        <translation>Remplir la page</translation>
    </message>
</context>
<context>
    <name>CProfileData</name>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Veuillez saisir un nom de profil.</translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;. Please choose another name.</source>
        <translation>Il existe déjà un profil nommé «&#xa0;%1&#xa0;». Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
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
        <translation>Le profil dont les informations remplissent les pages</translation>
    </message>
</context>
<context>
    <name>CProgramSettings</name>
    <message>
        <source>Kestrine has no data folder to keep its settings in.</source>
        <translation>Kestrine n&apos;a pas de dossier de données où conserver ses paramètres.</translation>
    </message>
    <message>
        <source>The database source must be an http:// or https:// address.</source>
        <translation>La source de la base doit être une adresse http:// ou https://.</translation>
    </message>
    <message>
        <source>The database source must name a host, as in https://example.org/dirdata.xml.</source>
        <translation>La source de la base doit indiquer un hôte, comme dans https://example.org/dirdata.xml.</translation>
    </message>
    <message>
        <source>These settings in %1 are not UTF-8 text, so Kestrine goes on without them: %2. They stay as they are until you choose them again.</source>
        <translation>Ces paramètres dans %1 ne sont pas du texte UTF-8&#xa0;; Kestrine continue donc sans eux&#xa0;: %2. Ils restent tels quels jusqu&apos;à ce que vous les choisissiez de nouveau.</translation>
    </message>
    <message>
        <source>Kestrine could not read its settings from %1: %2.</source>
        <translation>Kestrine n&apos;a pas pu lire ses paramètres dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Kestrine could not save its settings to %1: %2.</source>
        <translation>Kestrine n&apos;a pas pu enregistrer ses paramètres dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CSubmissionSession</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please allow the page to load completly</source>
        <translation>Veuillez laisser la page se charger complètement</translation>
    </message>
</context>
<context>
    <name>CSubmitterDlg</name>
    <message>
        <source>Profile:</source>
        <translation>Profil&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Work Ahead…</source>
        <translation>&amp;Travail anticipé…</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>&amp;Langue…</translation>
    </message>
    <message>
        <source>Check &amp;Directories…</source>
        <translation>&amp;Vérifier les annuaires…</translation>
    </message>
    <message>
        <source>Re&amp;pair…</source>
        <translation>&amp;Réparer…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Kestrine</source>
        <translation>À propos de &amp;Kestrine</translation>
    </message>
    <message>
        <source>The directory &quot;%1&quot; is no longer in the directory database.</source>
        <translation>L&apos;annuaire «&#xa0;%1&#xa0;» ne figure plus dans la base des annuaires.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>Veuillez d&apos;abord créer un profil&#xa0;!</translation>
    </message>
    <message>
        <source>Kestrine cannot update the directory database: %1.</source>
        <translation>Kestrine ne peut pas mettre à jour la base des annuaires&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Mise à jour réussie</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>The update could not be retrieved</source>
        <translation>La mise à jour n&apos;a pas pu être récupérée</translation>
    </message>
    <message>
        <source>%1 marked sent</source>
        <translation>%1 marqué comme envoyé</translation>
    </message>
    <message>
        <source>Confirmation &amp;Mails…</source>
        <translation>&amp;Courriels de confirmation…</translation>
    </message>
    <message>
        <source>Fill current &amp;page</source>
        <translation>Re&amp;mplir la page</translation>
    </message>
    <message>
        <source>Manage &amp;Profiles</source>
        <translation>Gérer les &amp;profils</translation>
    </message>
    <message>
        <source>&amp;Update RSS Directory Database</source>
        <translation>Mettre à jo&amp;ur la base des annuaires RSS</translation>
    </message>
    <message>
        <source>Database &amp;Source…</source>
        <translation>&amp;Source de la base…</translation>
    </message>
    <message>
        <source>Check &amp;Feed</source>
        <translation>Vérifier le &amp;flux</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>A&amp;ssistance</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Update RSS directory database</source>
        <translation>Mettre à jour la base des annuaires RSS</translation>
    </message>
    <message>
        <source>Please wait while the RSS directory database is updated</source>
        <translation>Veuillez patienter pendant la mise à jour de la base des annuaires RSS</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes received</source>
        <translation>
            <numerusform>%Ln octet reçu</numerusform>
            <numerusform>%Ln octets reçus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWorkAheadDlg</name>
    <message>
        <source>Work Ahead</source>
        <translation>Travail anticipé</translation>
    </message>
    <message>
        <source>While you work on one directory, Kestrine loads and fills the next unsent ones in tabs of their own, so that Next unsent shows them at once. Each tab kept ready takes memory. 0 turns working ahead off.</source>
        <translation>Pendant que vous travaillez sur un annuaire, Kestrine charge et remplit les suivants non envoyés dans leurs propres onglets, afin que «&#xa0;Suivant à envoyer&#xa0;» les affiche aussitôt. Chaque onglet tenu prêt occupe de la mémoire. 0 désactive le travail anticipé.</translation>
    </message>
    <message>
        <source>&amp;Keep finished tabs open</source>
        <translation>&amp;Garder ouverts les onglets terminés</translation>
    </message>
    <message>
        <source>A tab whose result page has been read closes by itself once you have left it, unless this is on.</source>
        <translation>Un onglet dont la page de résultat a été lue se ferme tout seul dès que vous l&apos;avez quitté, sauf si cette option est activée.</translation>
    </message>
    <message>
        <source>&amp;Directories kept ready:</source>
        <translation>&amp;Annuaires tenus prêts&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CategoryFill</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--check-feed and --check-directories go one at a time.</source>
        <translation>--check-feed et --check-directories s&apos;utilisent séparément.</translation>
    </message>
    <message>
        <source>--check-feed and --describe-page go one at a time.</source>
        <translation>--check-feed et --describe-page s&apos;utilisent séparément.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir exige un dossier.</translation>
    </message>
    <message>
        <source>--describe-page needs an address.</source>
        <translation>--describe-page exige une adresse.</translation>
    </message>
    <message>
        <source>--json goes with --describe-page, --check-feed or --check-directories.</source>
        <translation>--json s&apos;utilise avec --describe-page, --check-feed ou --check-directories.</translation>
    </message>
    <message>
        <source>--export-report goes without --describe-page.</source>
        <translation>--export-report s&apos;utilise sans --describe-page.</translation>
    </message>
    <message>
        <source>--export-report needs a file name.</source>
        <translation>--export-report exige un nom de fichier.</translation>
    </message>
    <message>
        <source>--check-feed needs a feed address or file.</source>
        <translation>--check-feed exige une adresse de flux ou un fichier.</translation>
    </message>
    <message>
        <source>--database goes with --check-directories.</source>
        <translation>--database s&apos;utilise avec --check-directories.</translation>
    </message>
    <message>
        <source>--check-directories goes without --describe-page and --export-report.</source>
        <translation>--check-directories s&apos;utilise sans --describe-page ni --export-report.</translation>
    </message>
    <message>
        <source>--database needs a file name.</source>
        <translation>--database exige un nom de fichier.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1&#xa0;: %2
Saisissez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>Name: %1
Address: %2
</source>
        <translation>Nom&#xa0;: %1
Adresse&#xa0;: %2
</translation>
    </message>
    <message>
        <source>could not load %1</source>
        <translation>impossible de charger %1</translation>
    </message>
    <message>
        <source>no data folder, the results are not kept: %1</source>
        <translation>pas de dossier de données, les résultats ne sont pas conservés&#xa0;: %1</translation>
    </message>
    <message>
        <source>the directory database %1 cannot be read</source>
        <translation>la base des annuaires %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>the results cannot be kept in %1 (%2)</source>
        <translation>les résultats ne peuvent pas être conservés dans %1 (%2)</translation>
    </message>
    <message>
        <source>not every result could be kept (%1)</source>
        <translation>certains résultats n&apos;ont pas pu être conservés (%1)</translation>
    </message>
    <message>
        <source>the check could not be completed (libcurl is missing)</source>
        <translation>la vérification n&apos;a pas pu aboutir (libcurl est absent)</translation>
    </message>
    <message>
        <source>your directories cannot be changed here: %1</source>
        <translation>vos annuaires ne peuvent pas être modifiés ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <source>replaced: %1</source>
        <translation>remplacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>kept yours (--replace takes the list&apos;s): %1</source>
        <translation>le vôtre est gardé (--replace prend celui de la liste)&#xa0;: %1</translation>
    </message>
    <message>
        <source>already there: %1</source>
        <translation>déjà présent&#xa0;: %1</translation>
    </message>
    <message>
        <source>refused: %1 (%2)</source>
        <translation>refusé&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no data folder to read your directories from: %1</source>
        <translation>pas de dossier de données où lire vos annuaires&#xa0;: %1</translation>
    </message>
    <message>
        <source>you have no directories of your own to export yet</source>
        <translation>vous n&apos;avez pas encore d&apos;annuaires à vous à exporter</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--replace goes with --import-directories.</source>
        <translation>--replace s&apos;utilise avec --import-directories.</translation>
    </message>
    <message>
        <source>--import-directories and --export-directories go one at a time.</source>
        <translation>--import-directories et --export-directories s&apos;utilisent séparément.</translation>
    </message>
    <message>
        <source>%1 goes alone, with --data-dir at most.</source>
        <translation>%1 s&apos;utilise seul, tout au plus avec --data-dir.</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>%1 exige un nom de fichier.</translation>
    </message>
    <message>
        <source>no data folder to read the profiles from: %1</source>
        <translation>pas de dossier de données où lire les profils&#xa0;: %1</translation>
    </message>
    <message>
        <source>the history cannot be read (%1); the report has the statuses of sv.dat and no dates</source>
        <translation>l&apos;historique ne peut pas être lu (%1)&#xa0;; le rapport contient les états de sv.dat et aucune date</translation>
    </message>
    <message numerus="yes">
        <source>%n of your directories written to %1</source>
        <translation>
            <numerusform>%n de vos annuaires écrit dans %1</numerusform>
            <numerusform>%n de vos annuaires écrits dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>--category and --subcategory go with --describe-page.</source>
        <translation>--category et --subcategory s&apos;utilisent avec --describe-page.</translation>
    </message>
    <message>
        <source>--check-mail goes alone, with --json and --data-dir at most.</source>
        <translation>--check-mail s&apos;utilise seul, tout au plus avec --json et --data-dir.</translation>
    </message>
    <message>
        <source>No confirmation mails for the submissions of the last two days.</source>
        <translation>Aucun courriel de confirmation pour les soumissions des deux derniers jours.</translation>
    </message>
    <message>
        <source>%1 (profile %2), from %3 at %4:</source>
        <translation>%1 (profil %2), de %3 le %4&#xa0;:</translation>
    </message>
    <message>
        <source>no data folder to read the settings from: %1</source>
        <translation>aucun dossier de données d&apos;où lire les paramètres&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n ajouté</numerusform>
            <numerusform>%n ajoutés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n remplacé</numerusform>
            <numerusform>%n remplacés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there</source>
        <translation>
            <numerusform>%n déjà présent</numerusform>
            <numerusform>%n déjà présents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept yours</source>
        <translation>
            <numerusform>%n gardé (le vôtre)</numerusform>
            <numerusform>%n gardés (les vôtres)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n refusé</numerusform>
            <numerusform>%n refusés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder to keep them in</source>
        <translation>ni XDG_DATA_HOME ni HOME n&apos;indique un dossier où les conserver</translation>
    </message>
    <message>
        <source>the folder %1 cannot be found: %2</source>
        <translation>le dossier %1 est introuvable&#xa0;: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation>le dossier %1 ne peut pas être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>impossible d&apos;écrire dans le dossier %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryCheck</name>
    <message>
        <source>No complete answer within %1.</source>
        <translation>Pas de réponse complète en %1.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Le serveur a cessé de répondre.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>Le nom du serveur est introuvable.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Le serveur a refusé la connexion.</translation>
    </message>
    <message>
        <source>The address redirects in a loop.</source>
        <translation>L&apos;adresse redirige en boucle.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Ce n&apos;est pas une adresse http ou https.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Impossible d&apos;établir une connexion sécurisée avec le serveur.</translation>
    </message>
    <message>
        <source>The page could not be fetched (libcurl error %1).</source>
        <translation>La page n&apos;a pas pu être récupérée (erreur libcurl %1).</translation>
    </message>
    <message>
        <source>Not found (%1)</source>
        <translation>Introuvable (%1)</translation>
    </message>
    <message>
        <source>Refused (%1)</source>
        <translation>Refusé (%1)</translation>
    </message>
    <message>
        <source>Server error (%1)</source>
        <translation>Erreur du serveur (%1)</translation>
    </message>
    <message>
        <source>Unexpected answer (%1)</source>
        <translation>Réponse inattendue (%1)</translation>
    </message>
    <message>
        <source>Fields missing: %1 (fields may be made by script).</source>
        <translation>Champs manquants&#xa0;: %1 (les champs sont peut-être créés par un script).</translation>
    </message>
    <message>
        <source>Fields missing: %1.</source>
        <translation>Champs manquants&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Déplacé vers %1.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times.</source>
        <translation>L&apos;adresse redirige plus de %1 fois.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the connection broke.</source>
        <translation>Le serveur a répondu (%1), puis la connexion a été coupée.</translation>
    </message>
    <message>
        <source>The server answered (%1), then stopped short of the length it announced.</source>
        <translation>Le serveur a répondu (%1), puis s&apos;est arrêté avant la longueur annoncée.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the transfer failed (libcurl error %2).</source>
        <translation>Le serveur a répondu (%1), puis le transfert a échoué (erreur libcurl %2).</translation>
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
        <translation>déplacé</translation>
    </message>
    <message>
        <source>form changed</source>
        <translation>formulaire modifié</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>erreur du serveur</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>injoignable</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>délai dépassé</translation>
    </message>
</context>
<context>
    <name>DirectoryCheckText</name>
    <message>
        <source>%1, checked %2</source>
        <translation>%1, vérifié le %2</translation>
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
            <numerusform>%n déplacé</numerusform>
            <numerusform>%n déplacés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n form changed</source>
        <translation>
            <numerusform>%n formulaire modifié</numerusform>
            <numerusform>%n formulaires modifiés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n introuvable</numerusform>
            <numerusform>%n introuvables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n server error</source>
        <translation>
            <numerusform>%n erreur du serveur</numerusform>
            <numerusform>%n erreurs du serveur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n refusé</numerusform>
            <numerusform>%n refusés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreachable</source>
        <translation>
            <numerusform>%n injoignable</numerusform>
            <numerusform>%n injoignables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timeout</source>
        <translation>
            <numerusform>%n délai dépassé</numerusform>
            <numerusform>%n délais dépassés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryDatabase</name>
    <message>
        <source>exception on load</source>
        <translation>exception au chargement</translation>
    </message>
    <message>
        <source>Error while retrieving directory names</source>
        <translation>Erreur lors de la récupération des noms d&apos;annuaires</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>unsuported control type</source>
        <translation>type de contrôle non pris en charge</translation>
    </message>
    <message>
        <source>error on variable</source>
        <translation>erreur de variable</translation>
    </message>
    <message>
        <source>The submission page of &quot;%1&quot; cannot be opened: &quot;%2&quot; is not a web address.</source>
        <translation>La page de soumission de «&#xa0;%1&#xa0;» ne peut pas être ouverte&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une adresse web.</translation>
    </message>
</context>
<context>
    <name>DirectoryImport</name>
    <message>
        <source>it has no submission address</source>
        <translation>il n&apos;a pas d&apos;adresse de soumission</translation>
    </message>
    <message>
        <source>one of its fields has a type Kestrine does not know</source>
        <translation>l&apos;un de ses champs a un type que Kestrine ne connaît pas</translation>
    </message>
    <message>
        <source>Kestrine cannot read %1: it is missing, unreadable or too large.</source>
        <translation>Kestrine ne peut pas lire %1&#xa0;: le fichier est absent, illisible ou trop volumineux.</translation>
    </message>
    <message>
        <source>%1 is not a directory list in the format of dirdata.xml, or breaks the rules Kestrine keeps for files from elsewhere.</source>
        <translation>%1 n&apos;est pas une liste d&apos;annuaires au format de dirdata.xml, ou enfreint les règles que Kestrine applique aux fichiers venus d&apos;ailleurs.</translation>
    </message>
    <message>
        <source>%1 holds no directories.</source>
        <translation>%1 ne contient aucun annuaire.</translation>
    </message>
    <message>
        <source>its submission address is not an http or https address</source>
        <translation>son adresse de soumission n&apos;est pas une adresse http ou https</translation>
    </message>
    <message>
        <source>it looks the same as &quot;%1&quot;, which the list has already</source>
        <translation>il semble identique à «&#xa0;%1&#xa0;», qui figure déjà dans la liste</translation>
    </message>
</context>
<context>
    <name>DirectoryListEntry</name>
    <message>
        <source>sent</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
</context>
<context>
    <name>DirectoryName</name>
    <message>
        <source>Please enter a name for the directory.</source>
        <translation>Veuillez saisir un nom pour l&apos;annuaire.</translation>
    </message>
    <message>
        <source>The name is too long: a directory name can have at most 223 characters.</source>
        <translation>Le nom est trop long&#xa0;: un nom d&apos;annuaire peut comporter au plus 223 caractères.</translation>
    </message>
    <message>
        <source>A directory name cannot contain &quot; [&quot;.</source>
        <translation>Un nom d&apos;annuaire ne peut pas contenir «&#xa0; [&#xa0;».</translation>
    </message>
    <message>
        <source>A directory name cannot contain line breaks or tabs.</source>
        <translation>Un nom d&apos;annuaire ne peut pas contenir de sauts de ligne ni de tabulations.</translation>
    </message>
    <message>
        <source>A directory name cannot contain invisible characters, such as a zero-width space; this one holds %1.</source>
        <translation>Un nom d&apos;annuaire ne peut pas contenir de caractères invisibles, comme une espace sans chasse&#xa0;; celui-ci contient %1.</translation>
    </message>
</context>
<context>
    <name>DirectoryNameProposal</name>
    <message>
        <source>New directory</source>
        <translation>Nouvel annuaire</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1&#xa0;ms</translation>
    </message>
</context>
<context>
    <name>FeedCheck</name>
    <message>
        <source>The address answers with a web page, not a feed. The page announces no feed.</source>
        <translation>L&apos;adresse renvoie une page web, pas un flux. La page n&apos;annonce aucun flux.</translation>
    </message>
    <message>
        <source>The address answers with a web page, not a feed. The page announces one feed, which can be taken instead.</source>
        <translation>L&apos;adresse renvoie une page web, pas un flux. La page annonce un flux, qui peut être pris à la place.</translation>
    </message>
    <message numerus="yes">
        <source>The address answers with a web page, not a feed. The page announces %n feeds; one of them can be taken instead.</source>
        <translation>
            <numerusform>L&apos;adresse renvoie une page web, pas un flux. La page annonce %n flux, qui peut être pris à la place.</numerusform>
            <numerusform>L&apos;adresse renvoie une page web, pas un flux. La page annonce %n flux&#xa0;; l&apos;un d&apos;eux peut être pris à la place.</numerusform>
        </translation>
    </message>
    <message>
        <source>No feed address is given.</source>
        <translation>Aucune adresse de flux n&apos;est indiquée.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be checked.</source>
        <translation>Seules les adresses http et https peuvent être vérifiées.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Le fichier dépasse %1&#xa0;Mo.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>La réponse dépasse %1.</translation>
    </message>
    <message>
        <source>The server did not send the whole answer within %1.</source>
        <translation>Le serveur n&apos;a pas envoyé toute la réponse en %1.</translation>
    </message>
    <message>
        <source>The server answered with status %1 instead of the feed.</source>
        <translation>Le serveur a répondu avec l&apos;état %1 au lieu du flux.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>Ce n&apos;est pas une adresse http ou https.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>Le nom du serveur est introuvable.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Le serveur n&apos;a pas pu être joint.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Le serveur a cessé de répondre.</translation>
    </message>
    <message>
        <source>The address redirects too many times.</source>
        <translation>L&apos;adresse redirige trop de fois.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>Impossible d&apos;établir une connexion sécurisée avec le serveur.</translation>
    </message>
    <message>
        <source>The server broke off its answer.</source>
        <translation>Le serveur a interrompu sa réponse.</translation>
    </message>
    <message>
        <source>The feed could not be fetched (libcurl error %1).</source>
        <translation>Le flux n&apos;a pas pu être récupéré (erreur libcurl %1).</translation>
    </message>
    <message>
        <source>The network library (libcurl) could not be loaded.</source>
        <translation>La bibliothèque réseau (libcurl) n&apos;a pas pu être chargée.</translation>
    </message>
    <message>
        <source>The check was cancelled.</source>
        <translation>La vérification a été annulée.</translation>
    </message>
    <message>
        <source>The feed is larger than %1 MB and was not read.</source>
        <translation>Le flux dépasse %1&#xa0;Mo et n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>The feed declares entities that would grow far beyond its own size; it was not read.</source>
        <translation>Le flux déclare des entités qui dépasseraient de loin sa propre taille&#xa0;; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML</source>
        <translation>Le flux n&apos;est pas du XML bien formé</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML: %1</source>
        <translation>Le flux n&apos;est pas du XML bien formé&#xa0;: %1</translation>
    </message>
    <message>
        <source>This is not a feed: the document is &lt;%1&gt;, where a feed is &lt;rss&gt;, &lt;rdf:RDF&gt; or &lt;feed&gt;.</source>
        <translation>Ce n&apos;est pas un flux&#xa0;: le document est &lt;%1&gt;, alors qu&apos;un flux est &lt;rss&gt;, &lt;rdf:RDF&gt; ou &lt;feed&gt;.</translation>
    </message>
    <message>
        <source>The feed has no title.</source>
        <translation>Le flux n&apos;a pas de titre.</translation>
    </message>
    <message>
        <source>The feed has no link to its web site.</source>
        <translation>Le flux n&apos;a pas de lien vers son site web.</translation>
    </message>
    <message>
        <source>The document is empty.</source>
        <translation>Le document est vide.</translation>
    </message>
    <message>
        <source>The document holds no element.</source>
        <translation>Le document ne contient aucun élément.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>ligne %1&#xa0;: </translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>ligne %1, colonne %2&#xa0;: </translation>
    </message>
    <message>
        <source>Redirected to</source>
        <translation>Redirigé vers</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Items: %1</source>
        <translation>Éléments&#xa0;: %1</translation>
    </message>
    <message>
        <source>Items: %1, the newest of %2</source>
        <translation>Éléments&#xa0;: %1, le plus récent du %2</translation>
    </message>
    <message>
        <source>Announced feed: %1</source>
        <translation>Flux annoncé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Announced feed: %1 (%2)</source>
        <translation>Flux annoncé&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>Le flux est utilisable.</translation>
    </message>
    <message>
        <source>Problem: %1%2</source>
        <translation>Problème&#xa0;: %1%2</translation>
    </message>
    <message>
        <source>The feed&apos;s only item has no link.</source>
        <translation>L&apos;unique élément du flux n&apos;a pas de lien.</translation>
    </message>
    <message numerus="yes">
        <source>The date “%1” cannot be read (nor %n more).</source>
        <translation>
            <numerusform>La date «&#xa0;%1&#xa0;» ne peut pas être lue (ni %n autre).</numerusform>
            <numerusform>La date «&#xa0;%1&#xa0;» ne peut pas être lue (ni %n autres).</numerusform>
        </translation>
    </message>
    <message>
        <source>The date “%1” cannot be read.</source>
        <translation>La date «&#xa0;%1&#xa0;» ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The feed has no RSS &lt;channel&gt;.</source>
        <translation>Le flux n&apos;a pas d&apos;élément RSS &lt;channel&gt;.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 has no link.</source>
        <translation>
            <numerusform>%n élément sur %1 n&apos;a pas de lien.</numerusform>
            <numerusform>%n éléments sur %1 n&apos;ont pas de lien.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have no link.</source>
        <translation>
            <numerusform>%n élément sur %1 n&apos;a pas de lien.</numerusform>
            <numerusform>%n éléments sur %1 n&apos;ont pas de lien.</numerusform>
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
        <translation>Reprendre le titre et la description</translation>
    </message>
    <message>
        <source>The profile already has a title or description of its own.

Replace them with the feed&apos;s? No fills only the empty fields.</source>
        <translation>Le profil a déjà son propre titre ou sa propre description.

Les remplacer par ceux du flux&#xa0;? «&#xa0;Non&#xa0;» ne remplit que les champs vides.</translation>
    </message>
</context>
<context>
    <name>FieldMeaning</name>
    <message>
        <source>(not filled)</source>
        <translation>(non rempli)</translation>
    </message>
    <message>
        <source>Feed address</source>
        <translation>Adresse du flux</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Adresse du site</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nom complet</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
</context>
<context>
    <name>FillReport</name>
    <message>
        <source>No field of this directory was found on the page</source>
        <translation>Aucun champ de cet annuaire n&apos;a été trouvé sur la page</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>the submission will not be noticed</source>
        <translation>la soumission ne sera pas détectée</translation>
    </message>
    <message numerus="yes">
        <source>Filled %1 of %n fields</source>
        <translation>
            <numerusform>Champs remplis&#xa0;: %1 sur %n</numerusform>
            <numerusform>Champs remplis&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>its form may be inside components whose fields cannot be reached</source>
        <translation>son formulaire se trouve peut-être dans des composants dont les champs sont inaccessibles</translation>
    </message>
    <message>
        <source>nothing left for you</source>
        <translation>plus rien à faire pour vous</translation>
    </message>
    <message>
        <source>left for you: %1</source>
        <translation>reste à faire pour vous&#xa0;: %1</translation>
    </message>
    <message>
        <source>in a frame of %1</source>
        <translation>dans un cadre de %1</translation>
    </message>
    <message>
        <source>Category: as you chose last time</source>
        <translation>Catégorie&#xa0;: comme vous l&apos;aviez choisie la dernière fois</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message numerus="yes">
        <source>%n events could not be written to the history nor kept for the next start, and are lost: %1</source>
        <translation>
            <numerusform>%n événement n&apos;a pu être ni écrit dans l&apos;historique ni conservé pour le prochain démarrage, et il est perdu&#xa0;: %1</numerusform>
            <numerusform>%n événements n&apos;ont pu être ni écrits dans l&apos;historique ni conservés pour le prochain démarrage, et ils sont perdus&#xa0;: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it was written by a newer version of the program (layout %1, this one knows up to %2)</source>
        <translation>il a été écrit par une version plus récente du programme (structure %1, celle-ci connaît jusqu&apos;à %2)</translation>
    </message>
    <message>
        <source>it has the layout of an older version of the program, and cannot be written to bring it up to date</source>
        <translation>il a la structure d&apos;une version plus ancienne du programme et ne peut pas être réécrit pour être mis à jour</translation>
    </message>
    <message>
        <source>the file cannot be switched to write-ahead logging</source>
        <translation>le fichier ne peut pas passer en journalisation anticipée (write-ahead logging)</translation>
    </message>
</context>
<context>
    <name>MailCheck</name>
    <message>
        <source>mail %1 was left unread: %2</source>
        <translation>le courriel %1 n&apos;a pas été lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>MailLook</name>
    <message>
        <source>no mailbox is set up: give server and user under [mail] in %1, or use Settings &gt; Confirmation Mails</source>
        <translation>aucune boîte aux lettres n&apos;est configurée&#xa0;: indiquez server et user sous [mail] dans %1, ou utilisez Paramètres &gt; Courriels de confirmation</translation>
    </message>
    <message>
        <source>the history cannot be read (%1)</source>
        <translation>l&apos;historique ne peut pas être lu (%1)</translation>
    </message>
</context>
<context>
    <name>MailPassword</name>
    <message>
        <source>the desktop&apos;s secret store cannot be reached (%1)</source>
        <translation>le trousseau du bureau est injoignable (%1)</translation>
    </message>
    <message>
        <source>the password command gave no password</source>
        <translation>la commande du mot de passe n&apos;a donné aucun mot de passe</translation>
    </message>
    <message>
        <source>the password command took too long</source>
        <translation>la commande du mot de passe a pris trop de temps</translation>
    </message>
    <message>
        <source>no password is kept for this mailbox: enter it in Settings &gt; Confirmation Mails, or set a password command</source>
        <translation>aucun mot de passe n&apos;est conservé pour cette boîte aux lettres&#xa0;: saisissez-le dans Paramètres &gt; Courriels de confirmation, ou indiquez une commande du mot de passe</translation>
    </message>
</context>
<context>
    <name>MailReader</name>
    <message>
        <source>the mail is too large to be read</source>
        <translation>le courriel est trop volumineux pour être lu</translation>
    </message>
    <message>
        <source>parts nested too deeply were not read</source>
        <translation>les parties trop imbriquées n&apos;ont pas été lues</translation>
    </message>
    <message>
        <source>only the first text parts were read</source>
        <translation>seules les premières parties de texte ont été lues</translation>
    </message>
    <message>
        <source>only the beginning of a long text was read</source>
        <translation>seul le début d&apos;un long texte a été lu</translation>
    </message>
    <message>
        <source>the character set %1 is unknown; its text was read as far as it is plain ASCII</source>
        <translation>le jeu de caractères %1 est inconnu&#xa0;; son texte a été lu dans la mesure où il est en ASCII simple</translation>
    </message>
    <message>
        <source>the mail has a header line too long to be read</source>
        <translation>le courriel a une ligne d&apos;en-tête trop longue pour être lue</translation>
    </message>
    <message>
        <source>the mail cannot be read</source>
        <translation>le courriel ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>Mailbox</name>
    <message>
        <source>%1 is not the address of a mail server (write imaps://host or imap://host)</source>
        <translation>%1 n&apos;est pas l&apos;adresse d&apos;un serveur de courriel (écrivez imaps://hôte ou imap://hôte)</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>impossible de se connecter à %1</translation>
    </message>
    <message>
        <source>login refused by %1: check the user name and the password</source>
        <translation>connexion refusée par %1&#xa0;: vérifiez le nom d&apos;utilisateur et le mot de passe</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>le certificat de %1 n&apos;est pas digne de confiance</translation>
    </message>
    <message>
        <source>%1 does not offer an encrypted connection</source>
        <translation>%1 ne propose pas de connexion chiffrée</translation>
    </message>
    <message>
        <source>the folder %1 is missing on %2</source>
        <translation>le dossier %1 est absent sur %2</translation>
    </message>
    <message>
        <source>%1 sent more than any answer needs; it was not read further</source>
        <translation>%1 a envoyé plus qu&apos;aucune réponse n&apos;en demande&#xa0;; la lecture s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>the mailbox cannot be read: libcurl is missing</source>
        <translation>la boîte aux lettres ne peut pas être lue&#xa0;: libcurl est absente</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>Profile Data</source>
        <translation>Données du profil</translation>
    </message>
    <message>
        <source>Profile details</source>
        <translation>Détails du profil</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nom du profil&#xa0;:</translation>
    </message>
    <message>
        <source>RSS Feed URL:</source>
        <translation>Adresse du flux RSS&#xa0;:</translation>
    </message>
    <message>
        <source>RSS Link title:</source>
        <translation>Titre du lien RSS&#xa0;:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Mots-clés&#xa0;:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Courriel&#xa0;:</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Prénom&#xa0;:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Check feed</source>
        <translation>Vérifier le flux</translation>
    </message>
    <message>
        <source>Fetch the RSS feed URL and show what the feed says about itself</source>
        <translation>Récupérer le flux RSS et afficher ce que le flux dit de lui-même</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>S&amp;ubcategory:</source>
        <translation>&amp;Sous-catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Sous-catégorie</translation>
    </message>
</context>
<context>
    <name>ProfilesConfigurator</name>
    <message>
        <source>Profile Manager</source>
        <translation>Gestionnaire de profils</translation>
    </message>
    <message>
        <source>Available profiles</source>
        <translation>Profils disponibles</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(no name: cannot be saved)</source>
        <translation>(sans nom&#xa0;: impossible d&apos;enregistrer)</translation>
    </message>
    <message>
        <source>Filled by meaning: %1.</source>
        <translation>Rempli selon la signification&#xa0;: %1.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message numerus="yes">
        <source> Kept %n field(s) you typed in.</source>
        <translation>
            <numerusform> %n champ saisi par vous a été conservé.</numerusform>
            <numerusform> %n champs saisis par vous ont été conservés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Rempli</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Soumis</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Confirmé</translation>
    </message>
    <message>
        <source>Not confirmed</source>
        <translation>Non confirmé</translation>
    </message>
    <message>
        <source>Marked as sent</source>
        <translation>Marqué comme envoyé</translation>
    </message>
    <message>
        <source>Marked as not sent</source>
        <translation>Marqué comme non envoyé</translation>
    </message>
    <message>
        <source>(in a frame from %1)</source>
        <translation>(dans un cadre de %1)</translation>
    </message>
    <message>
        <source>%1 (in a frame from %2)</source>
        <translation>%1 (dans un cadre de %2)</translation>
    </message>
    <message>
        <source>Confirmed by e-mail</source>
        <translation>Confirmé par courriel</translation>
    </message>
</context>
<context>
    <name>SubmissionProgress</name>
    <message>
        <source>The directories still unsent for %1 were found dead by the last check</source>
        <translation>Les annuaires encore non envoyés pour %1 étaient injoignables lors de la dernière vérification</translation>
    </message>
    <message>
        <source>No directory shown is unsent for %1</source>
        <translation>Tous les annuaires affichés sont envoyés pour %1</translation>
    </message>
    <message>
        <source>Every directory is sent for %1</source>
        <translation>Tous les annuaires sont envoyés pour %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n directories sent for %2</source>
        <translation>
            <numerusform>Annuaires envoyés pour %2&#xa0;: %1 sur %n</numerusform>
            <numerusform>Annuaires envoyés pour %2&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDirectoryFile</name>
    <message>
        <source>Kestrine cannot read your directories in %1, so it leaves the file as it is. Correct the file or move it away, then try again.</source>
        <translation>Kestrine ne peut pas lire vos annuaires dans %1 et laisse donc le fichier tel quel. Corrigez le fichier ou déplacez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>a text holds characters that mydirs.xml cannot store</source>
        <translation>un texte contient des caractères que mydirs.xml ne peut pas stocker</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrine is already running. Switch to its window, or close it before you start Kestrine again.</source>
        <translation>Kestrine est déjà en cours d&apos;exécution. Passez à sa fenêtre, ou fermez-la avant de relancer Kestrine.</translation>
    </message>
</context>
</TS>
