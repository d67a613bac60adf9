<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Your profiles and the directory database are kept in
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Kestrine</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAssistantStatus</name>
    <message numerus="yes">
        <source>%n results pending</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result pending</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CBrowserCtrl</name>
    <message>
        <source>This page stopped working. Choose the directory again to reload it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBrowserTab</name>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submitted, waiting for the result page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not confirmed by the result page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBrowserTabs</name>
    <message>
        <source>Close &amp;Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious Tab</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCurrentProfile</name>
    <message>
        <source>Kestrine could not save your profiles to sv.dat: %1. Fix the problem and close the window again, or choose File &gt; Exit to quit without saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine cannot save your profiles: %1. You can go on working, but changes to your profiles and the directories marked as sent will be lost when Kestrine closes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDatabaseSourceDlg</name>
    <message>
        <source>Database Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update RSS Directory Database downloads the directory database from this address (http or https):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckController</name>
    <message>
        <source>Repair Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the directories were checked in the last 7 days. Check them again, or only the others?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results could not be kept in history.sqlite: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check could not run: libcurl is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory database %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the directory to repair in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. %1 has not been checked yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. The last check of %1 found: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page of %1 cannot be opened: %2 is not a web address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page of %1 did not load. Try Directory &gt; Repair again later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckDialog</name>
    <message>
        <source>Check Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the directories…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directories.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n checked in the last 7 days were left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 directories. Resume goes on where the check stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directory.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %1 of %n directories</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCommands</name>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Address…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next unsent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add This Page…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to My Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine cannot read your own directories in %1, so the list shows only those of the directory database. Kestrine leaves the file as it is: correct it or move it away, then start Kestrine again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait until the page has loaded, then add it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page has no form fields to fill. Open the directory&apos;s submission page and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the directory to edit in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 comes with the directory database. Choose Directory &gt; Copy to My Directories to make it your own, then edit it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose one of your own directories in the list first. Directories of the directory database cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 from your directories?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1 from your directories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to My Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a directory of the directory database in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is now one of your directories: Directory &gt; Edit… changes it, updates of the database leave it alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have a directory named %1. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory database has a directory named %1. Yours will take its place in the list. Go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1 to your directories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine cannot save your directories: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine could not save your directories to mydirs.xml: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine does not know yet how &quot;%1&quot; confirms a submission.
If this page confirms yours, keep or change the text below: Kestrine will look for it after later submissions and marks the directory sent now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDirectoryEditorDlg</name>
    <message>
        <source>%1 (%2%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new name keeps the directory&apos;s sent marks, for every profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional: a text the page shows after a successful submission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Submission page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Confirmation text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only ticked fields are filled. Kestrine is &quot;not sure&quot; of some: their best guess is chosen but not ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the address of the directory&apos;s submission page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDirectoryEntryDelegate</name>
    <message>
        <source> (mine)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDirectoryListCommands</name>
    <message numerus="yes">
        <source>%n directories</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Directory lists (*.xml);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Directories…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;My Directories…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no directory you do not have already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export My Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no directories of your own yet. Directory &gt; Add This Page… makes one from a directory&apos;s submission page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine could not write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n directory</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryListModel</name>
    <message>
        <source>One of your own directories, kept in mydirs.xml</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDirectoryListPanel</name>
    <message>
        <source>Next unsent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsent only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide unreachable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark as sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark as not sent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEmptyListHint</name>
    <message>
        <source>&lt;p&gt;There are no directories yet. To get some:&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExportDirectoriesDlg</name>
    <message>
        <source>Export My Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your directories to write to a list that others can import:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedCheckCommands</name>
    <message>
        <source>Please choose a profile first: the check reads its RSS feed URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeedCheckDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, the newest of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use title and description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking %1 …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHelpPages</name>
    <message>
        <source>You have no profile yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You have %n profiles; the current one is %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory list is being read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory list is empty: add directories as below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n directories in the list.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have %n profile; the current one is %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory in the list.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them sent for %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>Export Report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine cannot keep the submission history in history.sqlite: %1. It carries on without it; sent marks are kept in sv.dat as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine could not write the report: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was written without the history, which cannot be read: %1. Its statuses come from sv.dat alone and it has no dates.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All directories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHistoryTableModel</name>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImportDirectoriesDlg</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace yours, which says something else</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave: you have it already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What %1 would do to your directories. Ticked directories are imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds %1 and replaces %2 of your directories; %3 you have already, %4 cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language applies when Kestrine starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMeaningFillOffer</name>
    <message>
        <source>No rule fits this page, and Kestrine is sure of the meaning of none of its fields: nothing was filled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules for &quot;%1&quot; fit no field on this page: its form may have changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page belongs to no directory of the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Fill the fields whose meaning Kestrine recognises from the profile &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill current page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProfileData</name>
    <message>
        <source>Please enter a profile name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProgramSettings</name>
    <message>
        <source>Kestrine has no data folder to keep its settings in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine could not save its settings to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database source must be an http:// or https:// address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database source must name a host, as in https://example.org/dirdata.xml.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSubmissionSession</name>
    <message>
        <source>The submission page of &quot;%1&quot; cannot be opened: &quot;%2&quot; is not a web address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please allow the page to load completly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSubmitterDlg</name>
    <message>
        <source>Kestrine V1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill current page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update RSS Directory Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Source…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Work Ahead…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Directories…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;pair…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Kestrine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory &quot;%1&quot; is no longer in the directory database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine cannot update the directory database: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update could not be retrieved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Update RSS directory database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while the RSS directory database is updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes received</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWorkAheadDlg</name>
    <message>
        <source>Work Ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While you work on one directory, Kestrine loads and fills the next unsent ones in tabs of their own, so that Next unsent shows them at once. Each tab kept ready takes memory. 0 turns working ahead off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep finished tabs open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tab whose result page has been read closes by itself once you have left it, unless this is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Directories kept ready:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check-feed and --check-directories go one at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check-feed and --describe-page go one at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--describe-page needs an address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with --describe-page, --check-feed or --check-directories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-report goes without --describe-page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-report needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check-feed needs a feed address or file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--database goes with --check-directories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check-directories goes without --describe-page and --export-report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--database needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1
Address: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not load %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no data folder, the results are not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the directory database %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the results cannot be kept in %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not every result could be kept (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the check could not be completed (libcurl is missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your directories cannot be changed here: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replaced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept yours (--replace takes the list&apos;s): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already there: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added, %2 replaced, %3 already there, %4 kept yours, %5 refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no data folder to read your directories from: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you have no directories of your own to export yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--replace goes with --import-directories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--import-directories and --export-directories go one at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes alone, with --data-dir at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no data folder to read the profiles from: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history cannot be read (%1); the report has the statuses of sv.dat and no dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n of your directories written to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder to keep them in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be found: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryCheck</name>
    <message>
        <source>No complete answer within %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address redirects in a loop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be fetched (libcurl error %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server error (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected answer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields missing: %1 (fields may be made by script).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields missing: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryCheckStatus</name>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>form changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>server error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timeout</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryCheckText</name>
    <message>
        <source>%1, checked %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryDatabase</name>
    <message>
        <source>exception on load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while retrieving directory names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while GetDirectorySubmitPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsuported control type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error on variable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryImport</name>
    <message>
        <source>it has no submission address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of its fields has a type Kestrine does not know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrine cannot read %1: it is missing, unreadable or too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a directory list in the format of dirdata.xml, or breaks the rules Kestrine keeps for files from elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no directories.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryListEntry</name>
    <message>
        <source>sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not sent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryName</name>
    <message>
        <source>Please enter a name for the directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is too long: a directory name can have at most 223 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A directory name cannot contain &quot; [&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A directory name cannot contain line breaks or tabs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectoryNameProposal</name>
    <message>
        <source>New directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedCheck</name>
    <message>
        <source>The address answers with a web page, not a feed. The page announces no feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address answers with a web page, not a feed. The page announces one feed, which can be taken instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The address answers with a web page, not a feed. The page announces %n feeds; one of them can be taken instead.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No feed address is given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only http and https addresses can be checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not send the whole answer within %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered with status %1 instead of the feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address redirects too many times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server broke off its answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed could not be fetched (libcurl error %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network library (libcurl) could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed is larger than %1 MB and was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed declares entities that would grow far beyond its own size; it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed is not well-formed XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed is not well-formed XML: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a feed: the document is &lt;%1&gt;, where a feed is &lt;rss&gt;, &lt;rdf:RDF&gt; or &lt;feed&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed has no title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed has no link to its web site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document holds no element.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redirected to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items: %1, the newest of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announced feed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announced feed: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed&apos;s only item has no link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 items have no link.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The date “%1” cannot be read (nor %n more).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The date “%1” cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed has no RSS &lt;channel&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 items has no link.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FeedTexts</name>
    <message>
        <source>Use title and description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile already has a title or description of its own.

Replace them with the feed&apos;s? No fills only the empty fields.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldMeaning</name>
    <message>
        <source>(not filled)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FillReport</name>
    <message>
        <source>No field of this directory was found on the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the submission will not be noticed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Filled %1 of %n fields</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it was written by a newer version of the program (layout %1, this one knows up to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has the layout of an older version of the program, and cannot be written to bring it up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be switched to write-ahead logging</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>Profile Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS Feed URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSS Link title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subcategory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch the RSS feed URL and show what the feed says about itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfilesConfigurator</name>
    <message>
        <source>Profile Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(no name: cannot be saved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled by meaning: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> Kept %n field(s) you typed in.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not confirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked as sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked as not sent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SubmissionProgress</name>
    <message>
        <source>The directories still unsent for %1 were found dead by the last check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No directory shown is unsent for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every directory is sent for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n directories sent for %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDirectoryFile</name>
    <message>
        <source>Kestrine cannot read your directories in %1, so it leaves the file as it is. Correct the file or move it away, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text holds characters that mydirs.xml cannot store</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrine is already running. Switch to its window, or close it before you start Kestrine again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
