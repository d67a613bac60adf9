<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>it is a symbolic link that another user made in %1, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>es un enlace simbólico que otro usuario creó en %1, una carpeta en la que todos pueden escribir, así que Kestrine no lo sigue</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link that another user made in %2, a folder everyone may write to, so Kestrine does not follow it</source>
        <translation>su carpeta %1 es un enlace simbólico que otro usuario creó en %2, una carpeta en la que todos pueden escribir, así que Kestrine no lo sigue</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Your profiles and the directory database are kept in
%1</source>
        <translation>Sus perfiles y la base de datos de directorios se guardan en
%1</translation>
    </message>
    <message>
        <source>About Kestrine</source>
        <translation>Acerca de Kestrine</translation>
    </message>
</context>
<context>
    <name>CAssistantStatus</name>
    <message numerus="yes">
        <source>%n results pending</source>
        <translation>
            <numerusform>%n resultado pendiente</numerusform>
            <numerusform>%n resultados pendientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result pending</source>
        <translation>
            <numerusform>%n resultado pendiente</numerusform>
            <numerusform>%n resultados pendientes</numerusform>
        </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>CBrowserCtrl</name>
    <message>
        <source>This page stopped working. Choose the directory again to reload it.</source>
        <translation>Esta página ha dejado de funcionar. Vuelva a elegir el directorio para recargarla.</translation>
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
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Rellenado</translation>
    </message>
    <message>
        <source>Submitted, waiting for the result page</source>
        <translation>Enviado, esperando la página de resultado</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Not confirmed by the result page</source>
        <translation>No confirmado por la página de resultado</translation>
    </message>
    <message>
        <source>Opened again: it had been filled for another profile, or by rules that changed since.</source>
        <translation>Abierta de nuevo: se había rellenado para otro perfil o con reglas que han cambiado desde entonces.</translation>
    </message>
    <message>
        <source>Its page waits for an answer: it asks again when you come to this tab.</source>
        <translation>Su página espera una respuesta: volverá a preguntar cuando vaya a esta pestaña.</translation>
    </message>
</context>
<context>
    <name>CBrowserTabs</name>
    <message>
        <source>Close &amp;Tab</source>
        <translation>&amp;Cerrar pestaña</translation>
    </message>
    <message>
        <source>Pre&amp;vious Tab</source>
        <translation>Pestaña &amp;anterior</translation>
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
        <translation>Pestaña si&amp;guiente</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>correo de confirmación recibido</translation>
    </message>
</context>
<context>
    <name>CConfirmationMails</name>
    <message>
        <source>Confirmation mails: %1</source>
        <translation>Correos de confirmación: %1</translation>
    </message>
    <message>
        <source>1 confirmation mail waiting</source>
        <translation>1 correo de confirmación en espera</translation>
    </message>
    <message numerus="yes">
        <source>%n confirmation mails waiting</source>
        <translation>
            <numerusform>%n correo de confirmación en espera</numerusform>
            <numerusform>%n correos de confirmación en espera</numerusform>
        </translation>
    </message>
    <message>
        <source>No confirmation mails waiting</source>
        <translation>Ningún correo de confirmación en espera</translation>
    </message>
    <message>
        <source>Open Confirmation &amp;Link</source>
        <translation>Abrir en&amp;lace de confirmación</translation>
    </message>
</context>
<context>
    <name>CConfirmationMailsDlg</name>
    <message>
        <source>Confirmation Mails</source>
        <translation>Correos de confirmación</translation>
    </message>
    <message>
        <source>Many directories list a feed only after you click a link they send by e-mail. Kestrine looks for these mails for two days after each submission, while its window is open, and offers their links. Leave the server empty to turn this off.</source>
        <translation>Muchos directorios solo publican un feed después de que usted haga clic en un enlace que envían por correo. Kestrine busca estos correos durante dos días después de cada envío, mientras su ventana está abierta, y le ofrece sus enlaces. Deje el servidor vacío para desactivarlo.</translation>
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
        <source>&amp;Folder:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in kestrine.conf.</source>
        <translation>Se guarda en el almacén de secretos del escritorio, nunca en kestrine.conf.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>C&amp;ontraseña:</translation>
    </message>
    <message>
        <source>A command that prints the password, such as &quot;pass show mail&quot;, used instead of the secret store.</source>
        <translation>Un comando que muestra la contraseña, como «pass show mail», en lugar del almacén de secretos.</translation>
    </message>
    <message>
        <source>Password &amp;command:</source>
        <translation>Co&amp;mando de contraseña:</translation>
    </message>
    <message>
        <source>The server must be an imaps:// or imap:// address, as in imaps://mail.example.org or imap://mail.example.org:143.</source>
        <translation>El servidor debe ser una dirección imaps:// o imap://, como imaps://mail.example.org o imap://mail.example.org:143.</translation>
    </message>
    <message>
        <source>Give the user name the mail server knows you by.</source>
        <translation>Indique el nombre de usuario con el que le conoce el servidor de correo.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>No se pudo guardar la contraseña: %1</translation>
    </message>
</context>
<context>
    <name>CCurrentProfile</name>
    <message>
        <source>Kestrine could not save your profiles to sv.dat: %1. Fix the problem and close the window again, or choose File &gt; Exit to quit without saving.</source>
        <translation>Kestrine no ha podido guardar sus perfiles en sv.dat: %1. Corrija el problema y vuelva a cerrar la ventana, o elija Archivo &gt; Salir para salir sin guardar.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Kestrine cannot save your profiles: %1. You can go on working, but changes to your profiles and the directories marked as sent will be lost when Kestrine closes.</source>
        <translation>Kestrine no puede guardar sus perfiles: %1. Puede seguir trabajando, pero los cambios en sus perfiles y los directorios marcados como enviados se perderán al cerrar Kestrine.</translation>
    </message>
</context>
<context>
    <name>CDatabaseSourceDlg</name>
    <message>
        <source>Database Source</source>
        <translation>Origen de la base de datos</translation>
    </message>
    <message>
        <source>Update RSS Directory Database downloads the directory database from this address (http or https):</source>
        <translation>«Actualizar base de datos de directorios RSS» descarga la base de datos de directorios desde esta dirección (http o https):</translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckController</name>
    <message>
        <source>Repair Directory</source>
        <translation>Reparar directorio</translation>
    </message>
    <message>
        <source>Check Directories</source>
        <translation>Comprobar directorios</translation>
    </message>
    <message>
        <source>Only the Others</source>
        <translation>Solo los demás</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Comprobar todos</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>No se ha podido iniciar la comprobación.</translation>
    </message>
    <message>
        <source>The results could not be kept in history.sqlite: %1.</source>
        <translation>No se han podido guardar los resultados en history.sqlite: %1.</translation>
    </message>
    <message>
        <source>The check could not run: libcurl is missing.</source>
        <translation>No se ha podido realizar la comprobación: falta libcurl.</translation>
    </message>
    <message>
        <source>The directory database %1 could not be read.</source>
        <translation>No se ha podido leer la base de datos de directorios %1.</translation>
    </message>
    <message>
        <source>Please choose the directory to repair in the list first.</source>
        <translation>Elija primero en la lista el directorio que quiere reparar.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. %1 has not been checked yet.</source>
        <translation>«Reparar» es para los directorios que «Directorio &gt; Comprobar directorios» ha encontrado trasladados o con el formulario cambiado. %1 aún no se ha comprobado.</translation>
    </message>
    <message>
        <source>Repair is for directories that Directory &gt; Check Directories found moved or with a changed form. The last check of %1 found: %2</source>
        <translation>«Reparar» es para los directorios que «Directorio &gt; Comprobar directorios» ha encontrado trasladados o con el formulario cambiado. La última comprobación de %1 encontró: %2</translation>
    </message>
    <message>
        <source>The page of %1 cannot be opened: %2 is not a web address.</source>
        <translation>No se puede abrir la página de %1: %2 no es una dirección web.</translation>
    </message>
    <message>
        <source>The page of %1 did not load. Try Directory &gt; Repair again later.</source>
        <translation>La página de %1 no se ha cargado. Vuelva a intentar «Directorio &gt; Reparar» más tarde.</translation>
    </message>
    <message numerus="yes">
        <source>%n of the directories were checked in the last 7 days. Check them again, or only the others?</source>
        <translation>
            <numerusform>%n directorio se comprobó en los últimos 7 días. ¿Comprobarlos todos de nuevo o solo los demás?</numerusform>
            <numerusform>%n directorios se comprobaron en los últimos 7 días. ¿Comprobarlos todos de nuevo o solo los demás?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryCheckDialog</name>
    <message>
        <source>Check Directories</source>
        <translation>Comprobar directorios</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Reading the directories…</source>
        <translation>Leyendo los directorios…</translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directories.</source>
        <translation>
            <numerusform>%n directorio comprobado.</numerusform>
            <numerusform>%n directorios comprobados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n checked in the last 7 days were left out.</source>
        <translation>
            <numerusform>Se ha omitido %n directorio comprobado en los últimos 7 días.</numerusform>
            <numerusform>Se han omitido %n directorios comprobados en los últimos 7 días.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %n directory.</source>
        <translation>
            <numerusform>%n directorio comprobado.</numerusform>
            <numerusform>%n directorios comprobados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %1 of %n directories</source>
        <translation>
            <numerusform>%1 de %n directorio comprobado</numerusform>
            <numerusform>%1 de %n directorios comprobados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2. Resume goes on where the check stopped.</source>
        <extracomment>%1 is the number of directories checked, %2 how many there are (&quot;12 directories&quot;); the noun may go with either, as the language wants it.</extracomment>
        <translation>Cancelado tras %1 de %2. «Reanudar» continúa donde se detuvo la comprobación.</translation>
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
            <numerusform>%n directorio</numerusform>
            <numerusform>%n directorios</numerusform>
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
        <translation>Abrir di&amp;rección…</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Ade&amp;lante</translation>
    </message>
    <message>
        <source>&amp;Next unsent</source>
        <translation>&amp;Siguiente sin enviar</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Directorio</translation>
    </message>
    <message>
        <source>&amp;Add This Page…</source>
        <translation>&amp;Añadir esta página…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Eli&amp;minar</translation>
    </message>
    <message>
        <source>&amp;Copy to My Directories</source>
        <translation>&amp;Copiar a mis directorios</translation>
    </message>
    <message>
        <source>Open Address</source>
        <translation>Abrir dirección</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Kestrine cannot read your own directories in %1, so the list shows only those of the directory database. Kestrine leaves the file as it is: correct it or move it away, then start Kestrine again.</source>
        <translation>Kestrine no puede leer sus propios directorios en %1, así que la lista muestra solo los de la base de datos de directorios. Kestrine deja el archivo tal como está: corríjalo o muévalo a otro sitio y vuelva a iniciar Kestrine.</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Añadir directorio</translation>
    </message>
    <message>
        <source>Please wait until the page has loaded, then add it again.</source>
        <translation>Espere a que la página termine de cargarse y vuelva a añadirla.</translation>
    </message>
    <message>
        <source>This page has no form fields to fill. Open the directory&apos;s submission page and try again.</source>
        <translation>Esta página no tiene campos de formulario que rellenar. Abra la página de envío del directorio e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Editar directorio</translation>
    </message>
    <message>
        <source>Please choose the directory to edit in the list first.</source>
        <translation>Elija primero en la lista el directorio que quiere editar.</translation>
    </message>
    <message>
        <source>%1 comes with the directory database. Choose Directory &gt; Copy to My Directories to make it your own, then edit it.</source>
        <translation>%1 viene con la base de datos de directorios. Elija «Directorio &gt; Copiar a mis directorios» para hacerlo suyo y después edítelo.</translation>
    </message>
    <message>
        <source>Remove Directory</source>
        <translation>Eliminar directorio</translation>
    </message>
    <message>
        <source>Please choose one of your own directories in the list first. Directories of the directory database cannot be removed.</source>
        <translation>Elija primero en la lista uno de sus propios directorios. Los directorios de la base de datos de directorios no se pueden eliminar.</translation>
    </message>
    <message>
        <source>Remove %1 from your directories?</source>
        <translation>¿Quiere eliminar %1 de sus directorios?</translation>
    </message>
    <message>
        <source>Removed %1 from your directories.</source>
        <translation>Se ha eliminado %1 de sus directorios.</translation>
    </message>
    <message>
        <source>Copy to My Directories</source>
        <translation>Copiar a mis directorios</translation>
    </message>
    <message>
        <source>Please choose a directory of the directory database in the list first.</source>
        <translation>Elija primero en la lista un directorio de la base de datos de directorios.</translation>
    </message>
    <message>
        <source>%1 is now one of your directories: Directory &gt; Edit… changes it, updates of the database leave it alone.</source>
        <translation>%1 es ahora uno de sus directorios: «Directorio &gt; Editar…» lo modifica y las actualizaciones de la base de datos no lo tocan.</translation>
    </message>
    <message>
        <source>You already have a directory named %1. Replace it?</source>
        <translation>Ya tiene un directorio llamado %1. ¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>The directory database has a directory named %1. Yours will take its place in the list. Go on?</source>
        <translation>La base de datos de directorios tiene un directorio llamado %1. El suyo ocupará su lugar en la lista. ¿Quiere continuar?</translation>
    </message>
    <message>
        <source>Saved %1 to your directories.</source>
        <translation>Se ha guardado %1 en sus directorios.</translation>
    </message>
    <message>
        <source>Kestrine cannot save your directories: %1.</source>
        <translation>Kestrine no puede guardar sus directorios: %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Kestrine could not save your directories to mydirs.xml: %1.</source>
        <translation>Kestrine no ha podido guardar sus directorios en mydirs.xml: %1.</translation>
    </message>
    <message>
        <source>Confirmation text</source>
        <translation>Texto de confirmación</translation>
    </message>
    <message>
        <source>Kestrine does not know yet how &quot;%1&quot; confirms a submission.
If this page confirms yours, keep or change the text below: Kestrine will look for it after later submissions and marks the directory sent now.</source>
        <translation>Kestrine aún no sabe cómo confirma «%1» un envío.
Si esta página confirma el suyo, conserve o cambie el texto de abajo: Kestrine lo buscará tras los próximos envíos, y ahora marca el directorio como enviado.</translation>
    </message>
    <message>
        <source>Find &amp;directory</source>
        <translation>&amp;Buscar directorio</translation>
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
        <translation>Añadir directorio</translation>
    </message>
    <message>
        <source>Edit Directory</source>
        <translation>Editar directorio</translation>
    </message>
    <message>
        <source>A new name keeps the directory&apos;s sent marks, for every profile.</source>
        <translation>Un nombre nuevo conserva las marcas de enviado del directorio, para todos los perfiles.</translation>
    </message>
    <message>
        <source>Optional: a text the page shows after a successful submission</source>
        <translation>Opcional: un texto que la página muestra tras un envío correcto</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Submission page:</source>
        <translation>&amp;Página de envío:</translation>
    </message>
    <message>
        <source>&amp;Confirmation text:</source>
        <translation>&amp;Texto de confirmación:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>The page says</source>
        <translation>La página dice</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Fill with</source>
        <translation>Rellenar con</translation>
    </message>
    <message>
        <source>Only ticked fields are filled. Kestrine is &quot;not sure&quot; of some: their best guess is chosen but not ticked.</source>
        <translation>Solo se rellenan los campos marcados. De algunos Kestrine «no está seguro»: se elige su mejor suposición, pero sin marcar.</translation>
    </message>
    <message>
        <source>not sure</source>
        <translation>no está seguro</translation>
    </message>
    <message>
        <source>Please enter the address of the directory&apos;s submission page.</source>
        <translation>Escriba la dirección de la página de envío del directorio.</translation>
    </message>
    <message>
        <source>Fields of the page</source>
        <translation>Campos de la página</translation>
    </message>
    <message>
        <source>The submission page must be a web address beginning with http:// or https://.</source>
        <translation>La página de envío debe ser una dirección web que empiece por http:// o https://.</translation>
    </message>
</context>
<context>
    <name>CDirectoryEntryDelegate</name>
    <message>
        <source> (mine)</source>
        <translation> (mío)</translation>
    </message>
</context>
<context>
    <name>CDirectoryListCommands</name>
    <message numerus="yes">
        <source>%n directories</source>
        <translation>
            <numerusform>%n directorio</numerusform>
            <numerusform>%n directorios</numerusform>
        </translation>
    </message>
    <message>
        <source>Directory lists (*.xml);;All files (*)</source>
        <translation>Listas de directorios (*.xml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Import Directories…</source>
        <translation>&amp;Importar directorios…</translation>
    </message>
    <message>
        <source>Export &amp;My Directories…</source>
        <translation>Exportar &amp;mis directorios…</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importar directorios</translation>
    </message>
    <message>
        <source>%1 holds no directory you do not have already.</source>
        <translation>%1 no contiene ningún directorio que usted no tenga ya.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>Importados: %1.</translation>
    </message>
    <message>
        <source>Export My Directories</source>
        <translation>Exportar mis directorios</translation>
    </message>
    <message>
        <source>You have no directories of your own yet. Directory &gt; Add This Page… makes one from a directory&apos;s submission page.</source>
        <translation>Aún no tiene directorios propios. «Directorio &gt; Añadir esta página…» crea uno a partir de la página de envío de un directorio.</translation>
    </message>
    <message>
        <source>Kestrine could not write %1: %2.</source>
        <translation>Kestrine no ha podido escribir %1: %2.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>Escritos en %2: %1.</translation>
    </message>
    <message>
        <source>Directory Lists</source>
        <translation>Listas de directorios</translation>
    </message>
    <message numerus="yes">
        <source>%n directory</source>
        <translation>
            <numerusform>%n directorio</numerusform>
            <numerusform>%n directorios</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDirectoryListModel</name>
    <message>
        <source>One of your own directories, kept in mydirs.xml</source>
        <translation>Uno de sus propios directorios, guardado en mydirs.xml</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>no enviado</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>desaparecido</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>comprobado</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>no comprobado</translation>
    </message>
    <message>
        <source>one of your own</source>
        <translation>uno de sus propios directorios</translation>
    </message>
    <message>
        <source>Its confirmation mail has arrived: Enter opens the link</source>
        <translation>Ha llegado su correo de confirmación: Intro abre el enlace</translation>
    </message>
    <message>
        <source>confirmation mail arrived</source>
        <translation>correo de confirmación recibido</translation>
    </message>
</context>
<context>
    <name>CDirectoryListPanel</name>
    <message>
        <source>Next unsent</source>
        <translation>Siguiente sin enviar</translation>
    </message>
    <message>
        <source>Search directories</source>
        <translation>Buscar directorios</translation>
    </message>
    <message>
        <source>Unsent only</source>
        <translation>Solo sin enviar</translation>
    </message>
    <message>
        <source>Hide unreachable</source>
        <translation>Solo accesibles</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>¡Cree primero un perfil!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Mark as sent</source>
        <translation>Marcar como enviado</translation>
    </message>
    <message>
        <source>Mark as not sent</source>
        <translation>Marcar como no enviado</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Directorios</translation>
    </message>
    <message>
        <source>Arrow keys open a directory&apos;s page beside the list; Enter goes into the page</source>
        <translation>Las teclas de flecha abren la página de un directorio junto a la lista; Intro entra en la página</translation>
    </message>
    <message>
        <source>Search directories by name</source>
        <translation>Buscar directorios por nombre</translation>
    </message>
</context>
<context>
    <name>CEmptyListHint</name>
    <message>
        <source>&lt;p&gt;There are no directories yet. To get some:&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aún no hay directorios. Para obtener algunos:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CExportDirectoriesDlg</name>
    <message>
        <source>Export My Directories</source>
        <translation>Exportar mis directorios</translation>
    </message>
    <message>
        <source>Your directories to write to a list that others can import:</source>
        <translation>Sus directorios que se escribirán en una lista que otros pueden importar:</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>Your directories</source>
        <translation>Sus directorios</translation>
    </message>
</context>
<context>
    <name>CFeedCheckCommands</name>
    <message>
        <source>Please choose a profile first: the check reads its RSS feed URL.</source>
        <translation>Elija primero un perfil: la comprobación lee la URL de su feed RSS.</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Comprobar feed</translation>
    </message>
</context>
<context>
    <name>CFeedCheckDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, the newest of %3</source>
        <translation>%1, %2, el más reciente del %3</translation>
    </message>
    <message>
        <source>Check Feed</source>
        <translation>Comprobar feed</translation>
    </message>
    <message>
        <source>Use this feed</source>
        <translation>Usar este feed</translation>
    </message>
    <message>
        <source>Use title and description</source>
        <translation>Usar título y descripción</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checking %1 …</source>
        <translation>Comprobando %1 …</translation>
    </message>
    <message>
        <source>The check could not be started.</source>
        <translation>No se ha podido iniciar la comprobación.</translation>
    </message>
    <message>
        <source>The feed is usable.</source>
        <translation>El feed se puede usar.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Título: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Descripción: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%n item</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Categories: %1</source>
        <translation>Categorías: %1</translation>
    </message>
    <message>
        <source>Use category</source>
        <translation>Usar categoría</translation>
    </message>
</context>
<context>
    <name>CHelpPages</name>
    <message>
        <source>You have no profile yet.</source>
        <translation>Aún no tiene ningún perfil.</translation>
    </message>
    <message numerus="yes">
        <source>You have %n profiles; the current one is %1.</source>
        <translation>
            <numerusform>Tiene %n perfil; el actual es %1.</numerusform>
            <numerusform>Tiene %n perfiles; el actual es %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>The directory list is being read.</source>
        <translation>Se está leyendo la lista de directorios.</translation>
    </message>
    <message>
        <source>The directory list is empty: add directories as below.</source>
        <translation>La lista de directorios está vacía: añada directorios como se indica abajo.</translation>
    </message>
    <message numerus="yes">
        <source>%n directories in the list.</source>
        <translation>
            <numerusform>%n directorio en la lista.</numerusform>
            <numerusform>%n directorios en la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have %n profile; the current one is %1.</source>
        <translation>
            <numerusform>Tiene %n perfil; el actual es %1.</numerusform>
            <numerusform>Tiene %n perfiles; el actual es %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory in the list.</source>
        <translation>
            <numerusform>%n directorio en la lista.</numerusform>
            <numerusform>%n directorios en la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them sent for %1.</source>
        <translation>
            <numerusform>%n de ellos enviado para %1.</numerusform>
            <numerusform>%n de ellos enviados para %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>Kestrine cannot keep the submission history in history.sqlite: %1. It carries on without it; sent marks are kept in sv.dat as before.</source>
        <translation>Kestrine no puede guardar el historial de envíos en history.sqlite: %1. Continúa sin él; las marcas de enviado se guardan en sv.dat como antes.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Exportar informe</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Kestrine could not write the report: %1.</source>
        <translation>Kestrine no ha podido escribir el informe: %1.</translation>
    </message>
    <message>
        <source>The report was written without the history, which cannot be read: %1. Its statuses come from sv.dat alone and it has no dates.</source>
        <translation>El informe se ha escrito sin el historial, que no se puede leer: %1. Sus estados proceden solo de sv.dat y no tiene fechas.</translation>
    </message>
    <message>
        <source>Kestrine cannot write the submission history to history.sqlite for now: %1. Another program keeps the file locked; the events wait and are written as soon as it is free.</source>
        <translation>Kestrine no puede escribir por ahora el historial de envíos en history.sqlite: %1. Otro programa mantiene el archivo bloqueado; los eventos esperan y se escribirán en cuanto quede libre.</translation>
    </message>
    <message>
        <source>Export &amp;Report…</source>
        <translation>Exportar in&amp;forme…</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>&amp;Directory:</source>
        <translation>&amp;Directorio:</translation>
    </message>
    <message>
        <source>The history cannot be read: %1.</source>
        <translation>No se puede leer el historial: %1.</translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation>Todos los perfiles</translation>
    </message>
    <message>
        <source>All directories</source>
        <translation>Todos los directorios</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>What happened to each directory for each profile, newest first</source>
        <translation>Lo que ocurrió con cada directorio para cada perfil, primero lo más reciente</translation>
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
        <translation>Directorio</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Fields set</source>
        <translation>Campos rellenados</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Dirección de la página</translation>
    </message>
</context>
<context>
    <name>CImportDirectoriesDlg</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Replace yours, which says something else</source>
        <translation>Reemplazar el suyo, que dice otra cosa</translation>
    </message>
    <message>
        <source>Leave: you have it already</source>
        <translation>Omitir: ya lo tiene</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation>No se puede usar: %1</translation>
    </message>
    <message>
        <source>Import Directories</source>
        <translation>Importar directorios</translation>
    </message>
    <message>
        <source>What %1 would do to your directories. Ticked directories are imported.</source>
        <translation>Lo que %1 haría con sus directorios. Se importan los directorios marcados.</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directorio</translation>
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
        <translation>Directorios de la lista</translation>
    </message>
    <message>
        <source>%1 and %2; %3, %4.</source>
        <extracomment>The four parts below: &quot;Adds 3&quot;, &quot;replaces 1 of your directories&quot;, &quot;2 you have already&quot;, &quot;0 cannot be used&quot;.</extracomment>
        <translation>%1 y %2; %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n</source>
        <translation>
            <numerusform>Añade %n</numerusform>
            <numerusform>Añade %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>replaces %n of your directories</source>
        <translation>
            <numerusform>reemplaza %n de sus directorios</numerusform>
            <numerusform>reemplaza %n de sus directorios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n you have already</source>
        <translation>
            <numerusform>%n ya lo tiene</numerusform>
            <numerusform>%n ya los tiene</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cannot be used</source>
        <translation>
            <numerusform>%n no se puede usar</numerusform>
            <numerusform>%n no se pueden usar</numerusform>
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
        <translation>El idioma del escritorio (%1)</translation>
    </message>
    <message>
        <source>The new language applies when Kestrine starts again.</source>
        <translation>El nuevo idioma se aplicará cuando Kestrine se vuelva a iniciar.</translation>
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
        <translation>Ninguna regla corresponde a esta página y Kestrine no está seguro del significado de ninguno de sus campos: no se ha rellenado nada.</translation>
    </message>
    <message>
        <source>The rules for &quot;%1&quot; fit no field on this page: its form may have changed.</source>
        <translation>Las reglas de «%1» no corresponden a ningún campo de esta página: puede que su formulario haya cambiado.</translation>
    </message>
    <message>
        <source>This page belongs to no directory of the list.</source>
        <translation>Esta página no pertenece a ningún directorio de la lista.</translation>
    </message>
    <message>
        <source>%1 Fill the fields whose meaning Kestrine recognises from the profile &quot;%2&quot;?</source>
        <translation>%1 ¿Rellenar con el perfil «%2» los campos cuyo significado reconoce Kestrine?</translation>
    </message>
    <message>
        <source>Fill current page</source>
        <translation>Rellenar página</translation>
    </message>
</context>
<context>
    <name>CProfileData</name>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Escriba un nombre de perfil.</translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;. Please choose another name.</source>
        <translation>Ya existe un perfil llamado «%1». Elija otro nombre.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
        <translation>El perfil cuyos datos rellenan las páginas</translation>
    </message>
</context>
<context>
    <name>CProgramSettings</name>
    <message>
        <source>Kestrine has no data folder to keep its settings in.</source>
        <translation>Kestrine no tiene ninguna carpeta de datos donde guardar su configuración.</translation>
    </message>
    <message>
        <source>The database source must be an http:// or https:// address.</source>
        <translation>El origen de la base de datos debe ser una dirección http:// o https://.</translation>
    </message>
    <message>
        <source>The database source must name a host, as in https://example.org/dirdata.xml.</source>
        <translation>El origen de la base de datos debe indicar un servidor, como en https://example.org/dirdata.xml.</translation>
    </message>
    <message>
        <source>These settings in %1 are not UTF-8 text, so Kestrine goes on without them: %2. They stay as they are until you choose them again.</source>
        <translation>Esta configuración de %1 no es texto UTF-8, así que Kestrine continúa sin ella: %2. Se queda como está hasta que la vuelva a elegir.</translation>
    </message>
    <message>
        <source>Kestrine could not read its settings from %1: %2.</source>
        <translation>Kestrine no ha podido leer su configuración de %1: %2.</translation>
    </message>
    <message>
        <source>Kestrine could not save its settings to %1: %2.</source>
        <translation>Kestrine no ha podido guardar su configuración en %1: %2.</translation>
    </message>
</context>
<context>
    <name>CSubmissionSession</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please allow the page to load completly</source>
        <translation>Espere a que la página se cargue por completo</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Work Ahead…</source>
        <translation>Adelantar &amp;trabajo…</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>&amp;Idioma…</translation>
    </message>
    <message>
        <source>Check &amp;Directories…</source>
        <translation>Comprobar &amp;directorios…</translation>
    </message>
    <message>
        <source>Re&amp;pair…</source>
        <translation>Re&amp;parar…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Kestrine</source>
        <translation>Acerca de &amp;Kestrine</translation>
    </message>
    <message>
        <source>The directory &quot;%1&quot; is no longer in the directory database.</source>
        <translation>El directorio «%1» ya no está en la base de datos de directorios.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please create a profile first!</source>
        <translation>¡Cree primero un perfil!</translation>
    </message>
    <message>
        <source>Kestrine cannot update the directory database: %1.</source>
        <translation>Kestrine no puede actualizar la base de datos de directorios: %1.</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Actualización correcta</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>The update could not be retrieved</source>
        <translation>No se ha podido obtener la actualización</translation>
    </message>
    <message>
        <source>%1 marked sent</source>
        <translation>%1 marcado como enviado</translation>
    </message>
    <message>
        <source>Confirmation &amp;Mails…</source>
        <translation>&amp;Correos de confirmación…</translation>
    </message>
    <message>
        <source>Fill current &amp;page</source>
        <translation>&amp;Rellenar página</translation>
    </message>
    <message>
        <source>Manage &amp;Profiles</source>
        <translation>&amp;Gestionar perfiles</translation>
    </message>
    <message>
        <source>&amp;Update RSS Directory Database</source>
        <translation>&amp;Actualizar base de datos de directorios RSS</translation>
    </message>
    <message>
        <source>Database &amp;Source…</source>
        <translation>&amp;Origen de la base de datos…</translation>
    </message>
    <message>
        <source>Check &amp;Feed</source>
        <translation>Comprobar &amp;feed</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Soporte</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Update RSS directory database</source>
        <translation>Actualizar base de datos de directorios RSS</translation>
    </message>
    <message>
        <source>Please wait while the RSS directory database is updated</source>
        <translation>Espere mientras se actualiza la base de datos de directorios RSS</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes received</source>
        <translation>
            <numerusform>%Ln byte recibido</numerusform>
            <numerusform>%Ln bytes recibidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWorkAheadDlg</name>
    <message>
        <source>Work Ahead</source>
        <translation>Adelantar trabajo</translation>
    </message>
    <message>
        <source>While you work on one directory, Kestrine loads and fills the next unsent ones in tabs of their own, so that Next unsent shows them at once. Each tab kept ready takes memory. 0 turns working ahead off.</source>
        <translation>Mientras usted trabaja en un directorio, Kestrine carga y rellena los siguientes sin enviar en pestañas propias, para que «Siguiente sin enviar» los muestre al instante. Cada pestaña preparada ocupa memoria. Con 0 no se adelanta trabajo.</translation>
    </message>
    <message>
        <source>&amp;Keep finished tabs open</source>
        <translation>&amp;Mantener abiertas las pestañas terminadas</translation>
    </message>
    <message>
        <source>A tab whose result page has been read closes by itself once you have left it, unless this is on.</source>
        <translation>Una pestaña cuya página de resultado se ha leído se cierra sola en cuanto sale de ella, salvo que esta opción esté activada.</translation>
    </message>
    <message>
        <source>&amp;Directories kept ready:</source>
        <translation>&amp;Directorios preparados:</translation>
    </message>
</context>
<context>
    <name>CategoryFill</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>--check-feed and --check-directories go one at a time.</source>
        <translation>--check-feed y --check-directories no se pueden usar juntos.</translation>
    </message>
    <message>
        <source>--check-feed and --describe-page go one at a time.</source>
        <translation>--check-feed y --describe-page no se pueden usar juntos.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir necesita una carpeta.</translation>
    </message>
    <message>
        <source>--describe-page needs an address.</source>
        <translation>--describe-page necesita una dirección.</translation>
    </message>
    <message>
        <source>--json goes with --describe-page, --check-feed or --check-directories.</source>
        <translation>--json solo se usa con --describe-page, --check-feed o --check-directories.</translation>
    </message>
    <message>
        <source>--export-report goes without --describe-page.</source>
        <translation>--export-report no se puede usar con --describe-page.</translation>
    </message>
    <message>
        <source>--export-report needs a file name.</source>
        <translation>--export-report necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>--check-feed needs a feed address or file.</source>
        <translation>--check-feed necesita una dirección de feed o un archivo.</translation>
    </message>
    <message>
        <source>--database goes with --check-directories.</source>
        <translation>--database solo se usa con --check-directories.</translation>
    </message>
    <message>
        <source>--check-directories goes without --describe-page and --export-report.</source>
        <translation>--check-directories no se puede usar con --describe-page ni con --export-report.</translation>
    </message>
    <message>
        <source>--database needs a file name.</source>
        <translation>--database necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Pruebe &apos;%1 --help&apos; para más información.
</translation>
    </message>
    <message>
        <source>Name: %1
Address: %2
</source>
        <translation>Nombre: %1
Dirección: %2
</translation>
    </message>
    <message>
        <source>could not load %1</source>
        <translation>no se ha podido cargar %1</translation>
    </message>
    <message>
        <source>no data folder, the results are not kept: %1</source>
        <translation>no hay carpeta de datos, los resultados no se guardan: %1</translation>
    </message>
    <message>
        <source>the directory database %1 cannot be read</source>
        <translation>no se puede leer la base de datos de directorios %1</translation>
    </message>
    <message>
        <source>the results cannot be kept in %1 (%2)</source>
        <translation>no se pueden guardar los resultados en %1 (%2)</translation>
    </message>
    <message>
        <source>not every result could be kept (%1)</source>
        <translation>no se han podido guardar todos los resultados (%1)</translation>
    </message>
    <message>
        <source>the check could not be completed (libcurl is missing)</source>
        <translation>no se ha podido completar la comprobación (falta libcurl)</translation>
    </message>
    <message>
        <source>your directories cannot be changed here: %1</source>
        <translation>sus directorios no se pueden cambiar aquí: %1</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>añadido: %1</translation>
    </message>
    <message>
        <source>replaced: %1</source>
        <translation>reemplazado: %1</translation>
    </message>
    <message>
        <source>kept yours (--replace takes the list&apos;s): %1</source>
        <translation>se conserva el suyo (--replace toma el de la lista): %1</translation>
    </message>
    <message>
        <source>already there: %1</source>
        <translation>ya existe: %1</translation>
    </message>
    <message>
        <source>refused: %1 (%2)</source>
        <translation>rechazado: %1 (%2)</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>no se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>no data folder to read your directories from: %1</source>
        <translation>no hay carpeta de datos de la que leer sus directorios: %1</translation>
    </message>
    <message>
        <source>you have no directories of your own to export yet</source>
        <translation>aún no tiene directorios propios que exportar</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>--replace goes with --import-directories.</source>
        <translation>--replace solo se usa con --import-directories.</translation>
    </message>
    <message>
        <source>--import-directories and --export-directories go one at a time.</source>
        <translation>--import-directories y --export-directories no se pueden usar juntos.</translation>
    </message>
    <message>
        <source>%1 goes alone, with --data-dir at most.</source>
        <translation>%1 se usa solo, como mucho con --data-dir.</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>%1 necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>no data folder to read the profiles from: %1</source>
        <translation>no hay carpeta de datos de la que leer los perfiles: %1</translation>
    </message>
    <message>
        <source>the history cannot be read (%1); the report has the statuses of sv.dat and no dates</source>
        <translation>no se puede leer el historial (%1); el informe tiene los estados de sv.dat y no tiene fechas</translation>
    </message>
    <message numerus="yes">
        <source>%n of your directories written to %1</source>
        <translation>
            <numerusform>%n de sus directorios escrito en %1</numerusform>
            <numerusform>%n de sus directorios escritos en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>--category and --subcategory go with --describe-page.</source>
        <translation>--category y --subcategory solo se usan con --describe-page.</translation>
    </message>
    <message>
        <source>--check-mail goes alone, with --json and --data-dir at most.</source>
        <translation>--check-mail va solo, como mucho con --json y --data-dir.</translation>
    </message>
    <message>
        <source>No confirmation mails for the submissions of the last two days.</source>
        <translation>Ningún correo de confirmación para los envíos de los últimos dos días.</translation>
    </message>
    <message>
        <source>%1 (profile %2), from %3 at %4:</source>
        <translation>%1 (perfil %2), de %3 el %4:</translation>
    </message>
    <message>
        <source>no data folder to read the settings from: %1</source>
        <translation>no hay carpeta de datos de la que leer la configuración: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n añadido</numerusform>
            <numerusform>%n añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n reemplazado</numerusform>
            <numerusform>%n reemplazados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there</source>
        <translation>
            <numerusform>%n ya existente</numerusform>
            <numerusform>%n ya existentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept yours</source>
        <translation>
            <numerusform>%n conservado (el suyo)</numerusform>
            <numerusform>%n conservados (los suyos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n rechazado</numerusform>
            <numerusform>%n rechazados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder to keep them in</source>
        <translation>ni XDG_DATA_HOME ni HOME indican una carpeta donde guardarlos</translation>
    </message>
    <message>
        <source>the folder %1 cannot be found: %2</source>
        <translation>no se encuentra la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>no se puede escribir en la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>DirectoryCheck</name>
    <message>
        <source>No complete answer within %1.</source>
        <translation>Sin respuesta completa en %1.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>El servidor ha dejado de responder.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>No se ha encontrado el nombre del servidor.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>El servidor ha rechazado la conexión.</translation>
    </message>
    <message>
        <source>The address redirects in a loop.</source>
        <translation>La dirección redirige en bucle.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>No es una dirección http ni https.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>No se ha podido establecer una conexión segura con el servidor.</translation>
    </message>
    <message>
        <source>The page could not be fetched (libcurl error %1).</source>
        <translation>No se ha podido obtener la página (error de libcurl %1).</translation>
    </message>
    <message>
        <source>Not found (%1)</source>
        <translation>No encontrado (%1)</translation>
    </message>
    <message>
        <source>Refused (%1)</source>
        <translation>Rechazado (%1)</translation>
    </message>
    <message>
        <source>Server error (%1)</source>
        <translation>Error del servidor (%1)</translation>
    </message>
    <message>
        <source>Unexpected answer (%1)</source>
        <translation>Respuesta inesperada (%1)</translation>
    </message>
    <message>
        <source>Fields missing: %1 (fields may be made by script).</source>
        <translation>Faltan campos: %1 (puede que los cree un script).</translation>
    </message>
    <message>
        <source>Fields missing: %1.</source>
        <translation>Faltan campos: %1.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Trasladado a %1.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times.</source>
        <translation>La dirección redirige más de %1 veces.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the connection broke.</source>
        <translation>El servidor ha respondido (%1) y luego se ha cortado la conexión.</translation>
    </message>
    <message>
        <source>The server answered (%1), then stopped short of the length it announced.</source>
        <translation>El servidor ha respondido (%1), pero se ha detenido antes de la longitud anunciada.</translation>
    </message>
    <message>
        <source>The server answered (%1), then the transfer failed (libcurl error %2).</source>
        <translation>El servidor ha respondido (%1) y luego ha fallado la transferencia (error de libcurl %2).</translation>
    </message>
</context>
<context>
    <name>DirectoryCheckStatus</name>
    <message>
        <source>ok</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>trasladado</translation>
    </message>
    <message>
        <source>form changed</source>
        <translation>formulario cambiado</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>error del servidor</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>inaccesible</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>tiempo agotado</translation>
    </message>
</context>
<context>
    <name>DirectoryCheckText</name>
    <message>
        <source>%1, checked %2</source>
        <translation>%1, comprobado el %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ok</source>
        <translation>
            <numerusform>%n correcto</numerusform>
            <numerusform>%n correctos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moved</source>
        <translation>
            <numerusform>%n trasladado</numerusform>
            <numerusform>%n trasladados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n form changed</source>
        <translation>
            <numerusform>%n formulario cambiado</numerusform>
            <numerusform>%n formularios cambiados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n no encontrado</numerusform>
            <numerusform>%n no encontrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n server error</source>
        <translation>
            <numerusform>%n error del servidor</numerusform>
            <numerusform>%n errores del servidor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <translation>
            <numerusform>%n rechazado</numerusform>
            <numerusform>%n rechazados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreachable</source>
        <translation>
            <numerusform>%n inaccesible</numerusform>
            <numerusform>%n inaccesibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timeout</source>
        <translation>
            <numerusform>%n tiempo agotado</numerusform>
            <numerusform>%n tiempos agotados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectoryDatabase</name>
    <message>
        <source>exception on load</source>
        <translation>excepción al cargar</translation>
    </message>
    <message>
        <source>Error while retrieving directory names</source>
        <translation>Error al obtener los nombres de los directorios</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>unsuported control type</source>
        <translation>tipo de control no admitido</translation>
    </message>
    <message>
        <source>error on variable</source>
        <translation>error en una variable</translation>
    </message>
    <message>
        <source>The submission page of &quot;%1&quot; cannot be opened: &quot;%2&quot; is not a web address.</source>
        <translation>No se puede abrir la página de envío de «%1»: «%2» no es una dirección web.</translation>
    </message>
</context>
<context>
    <name>DirectoryImport</name>
    <message>
        <source>it has no submission address</source>
        <translation>no tiene dirección de envío</translation>
    </message>
    <message>
        <source>one of its fields has a type Kestrine does not know</source>
        <translation>uno de sus campos tiene un tipo que Kestrine no conoce</translation>
    </message>
    <message>
        <source>Kestrine cannot read %1: it is missing, unreadable or too large.</source>
        <translation>Kestrine no puede leer %1: falta, no se puede leer o es demasiado grande.</translation>
    </message>
    <message>
        <source>%1 is not a directory list in the format of dirdata.xml, or breaks the rules Kestrine keeps for files from elsewhere.</source>
        <translation>%1 no es una lista de directorios con el formato de dirdata.xml, o no cumple las reglas que Kestrine aplica a los archivos de otras procedencias.</translation>
    </message>
    <message>
        <source>%1 holds no directories.</source>
        <translation>%1 no contiene directorios.</translation>
    </message>
    <message>
        <source>its submission address is not an http or https address</source>
        <translation>su dirección de envío no es una dirección http o https</translation>
    </message>
    <message>
        <source>it looks the same as &quot;%1&quot;, which the list has already</source>
        <translation>parece igual a «%1», que ya está en la lista</translation>
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
        <translation>no enviado</translation>
    </message>
</context>
<context>
    <name>DirectoryName</name>
    <message>
        <source>Please enter a name for the directory.</source>
        <translation>Escriba un nombre para el directorio.</translation>
    </message>
    <message>
        <source>The name is too long: a directory name can have at most 223 characters.</source>
        <translation>El nombre es demasiado largo: un nombre de directorio puede tener como máximo 223 caracteres.</translation>
    </message>
    <message>
        <source>A directory name cannot contain &quot; [&quot;.</source>
        <translation>Un nombre de directorio no puede contener &quot; [&quot;.</translation>
    </message>
    <message>
        <source>A directory name cannot contain line breaks or tabs.</source>
        <translation>Un nombre de directorio no puede contener saltos de línea ni tabulaciones.</translation>
    </message>
    <message>
        <source>A directory name cannot contain invisible characters, such as a zero-width space; this one holds %1.</source>
        <translation>Un nombre de directorio no puede contener caracteres invisibles, como un espacio de ancho cero; este contiene %1.</translation>
    </message>
</context>
<context>
    <name>DirectoryNameProposal</name>
    <message>
        <source>New directory</source>
        <translation>Directorio nuevo</translation>
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
        <translation>La dirección responde con una página web, no con un feed. La página no anuncia ningún feed.</translation>
    </message>
    <message>
        <source>The address answers with a web page, not a feed. The page announces one feed, which can be taken instead.</source>
        <translation>La dirección responde con una página web, no con un feed. La página anuncia un feed, que se puede usar en su lugar.</translation>
    </message>
    <message numerus="yes">
        <source>The address answers with a web page, not a feed. The page announces %n feeds; one of them can be taken instead.</source>
        <translation>
            <numerusform>La dirección responde con una página web, no con un feed. La página anuncia %n feed, que se puede usar en su lugar.</numerusform>
            <numerusform>La dirección responde con una página web, no con un feed. La página anuncia %n feeds; uno de ellos se puede usar en su lugar.</numerusform>
        </translation>
    </message>
    <message>
        <source>No feed address is given.</source>
        <translation>No se ha indicado ninguna dirección de feed.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be checked.</source>
        <translation>Solo se pueden comprobar direcciones http y https.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>No existe el archivo %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>No se ha podido leer el archivo.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>La respuesta ocupa más de %1.</translation>
    </message>
    <message>
        <source>The server did not send the whole answer within %1.</source>
        <translation>El servidor no ha enviado la respuesta completa en %1.</translation>
    </message>
    <message>
        <source>The server answered with status %1 instead of the feed.</source>
        <translation>El servidor ha respondido con el estado %1 en lugar del feed.</translation>
    </message>
    <message>
        <source>This is not an http or https address.</source>
        <translation>No es una dirección http ni https.</translation>
    </message>
    <message>
        <source>The server name could not be found.</source>
        <translation>No se ha encontrado el nombre del servidor.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>No se ha podido conectar con el servidor.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>El servidor ha dejado de responder.</translation>
    </message>
    <message>
        <source>The address redirects too many times.</source>
        <translation>La dirección redirige demasiadas veces.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made.</source>
        <translation>No se ha podido establecer una conexión segura con el servidor.</translation>
    </message>
    <message>
        <source>The server broke off its answer.</source>
        <translation>El servidor ha interrumpido su respuesta.</translation>
    </message>
    <message>
        <source>The feed could not be fetched (libcurl error %1).</source>
        <translation>No se ha podido obtener el feed (error de libcurl %1).</translation>
    </message>
    <message>
        <source>The network library (libcurl) could not be loaded.</source>
        <translation>No se ha podido cargar la biblioteca de red (libcurl).</translation>
    </message>
    <message>
        <source>The check was cancelled.</source>
        <translation>Se ha cancelado la comprobación.</translation>
    </message>
    <message>
        <source>The feed is larger than %1 MB and was not read.</source>
        <translation>El feed ocupa más de %1 MB y no se ha leído.</translation>
    </message>
    <message>
        <source>The feed declares entities that would grow far beyond its own size; it was not read.</source>
        <translation>El feed declara entidades que crecerían muy por encima de su propio tamaño; no se ha leído.</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML</source>
        <translation>El feed no es XML bien formado</translation>
    </message>
    <message>
        <source>The feed is not well-formed XML: %1</source>
        <translation>El feed no es XML bien formado: %1</translation>
    </message>
    <message>
        <source>This is not a feed: the document is &lt;%1&gt;, where a feed is &lt;rss&gt;, &lt;rdf:RDF&gt; or &lt;feed&gt;.</source>
        <translation>No es un feed: el documento es &lt;%1&gt;, y un feed es &lt;rss&gt;, &lt;rdf:RDF&gt; o &lt;feed&gt;.</translation>
    </message>
    <message>
        <source>The feed has no title.</source>
        <translation>El feed no tiene título.</translation>
    </message>
    <message>
        <source>The feed has no link to its web site.</source>
        <translation>El feed no tiene enlace a su sitio web.</translation>
    </message>
    <message>
        <source>The document is empty.</source>
        <translation>El documento está vacío.</translation>
    </message>
    <message>
        <source>The document holds no element.</source>
        <translation>El documento no contiene ningún elemento.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>línea %1: </translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>línea %1, columna %2: </translation>
    </message>
    <message>
        <source>Redirected to</source>
        <translation>Redirigido a</translation>
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
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Items: %1</source>
        <translation>Elementos: %1</translation>
    </message>
    <message>
        <source>Items: %1, the newest of %2</source>
        <translation>Elementos: %1, el más reciente del %2</translation>
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
        <translation>El feed se puede usar.</translation>
    </message>
    <message>
        <source>Problem: %1%2</source>
        <translation>Problema: %1%2</translation>
    </message>
    <message>
        <source>The feed&apos;s only item has no link.</source>
        <translation>El único elemento del feed no tiene enlace.</translation>
    </message>
    <message numerus="yes">
        <source>The date “%1” cannot be read (nor %n more).</source>
        <translation>
            <numerusform>No se puede leer la fecha «%1» (ni %n más).</numerusform>
            <numerusform>No se puede leer la fecha «%1» (ni %n más).</numerusform>
        </translation>
    </message>
    <message>
        <source>The date “%1” cannot be read.</source>
        <translation>No se puede leer la fecha «%1».</translation>
    </message>
    <message>
        <source>The feed has no RSS &lt;channel&gt;.</source>
        <translation>El feed no tiene ningún &lt;channel&gt; RSS.</translation>
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
            <numerusform>%n de %1 no tiene enlace.</numerusform>
            <numerusform>%n de %1 no tienen enlace.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 have no link.</source>
        <translation>
            <numerusform>%n de %1 no tiene enlace.</numerusform>
            <numerusform>%n de %1 no tienen enlace.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FeedTexts</name>
    <message>
        <source>Use title and description</source>
        <translation>Usar título y descripción</translation>
    </message>
    <message>
        <source>The profile already has a title or description of its own.

Replace them with the feed&apos;s? No fills only the empty fields.</source>
        <translation>El perfil ya tiene un título o una descripción propios.

¿Reemplazarlos por los del feed? «No» rellena solo los campos vacíos.</translation>
    </message>
</context>
<context>
    <name>FieldMeaning</name>
    <message>
        <source>(not filled)</source>
        <translation>(sin rellenar)</translation>
    </message>
    <message>
        <source>Feed address</source>
        <translation>Dirección del feed</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Dirección del sitio</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
</context>
<context>
    <name>FillReport</name>
    <message>
        <source>No field of this directory was found on the page</source>
        <translation>No se ha encontrado en la página ningún campo de este directorio</translation>
    </message>
    <message>
        <source>not found: %1</source>
        <translation>no encontrado: %1</translation>
    </message>
    <message>
        <source>the submission will not be noticed</source>
        <translation>el envío no se detectará</translation>
    </message>
    <message numerus="yes">
        <source>Filled %1 of %n fields</source>
        <translation>
            <numerusform>%1 de %n campo rellenado</numerusform>
            <numerusform>%1 de %n campos rellenados</numerusform>
        </translation>
    </message>
    <message>
        <source>its form may be inside components whose fields cannot be reached</source>
        <translation>puede que su formulario esté dentro de componentes cuyos campos no son accesibles</translation>
    </message>
    <message>
        <source>nothing left for you</source>
        <translation>no le queda nada por rellenar</translation>
    </message>
    <message>
        <source>left for you: %1</source>
        <translation>le queda por rellenar: %1</translation>
    </message>
    <message>
        <source>Category: as you chose last time</source>
        <translation>Categoría: la que eligió la última vez</translation>
    </message>
    <message>
        <source>in a frame of %1</source>
        <translation>en un marco de %1</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message numerus="yes">
        <source>%n events could not be written to the history nor kept for the next start, and are lost: %1</source>
        <translation>
            <numerusform>%n evento no se pudo escribir en el historial ni guardar para el próximo inicio, y se ha perdido: %1</numerusform>
            <numerusform>%n eventos no se pudieron escribir en el historial ni guardar para el próximo inicio, y se han perdido: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>it was written by a newer version of the program (layout %1, this one knows up to %2)</source>
        <translation>lo escribió una versión más reciente del programa (formato %1, esta conoce hasta el %2)</translation>
    </message>
    <message>
        <source>it has the layout of an older version of the program, and cannot be written to bring it up to date</source>
        <translation>tiene el formato de una versión anterior del programa y no se puede escribir para actualizarlo</translation>
    </message>
    <message>
        <source>the file cannot be switched to write-ahead logging</source>
        <translation>no se puede pasar el archivo al registro de escritura anticipada (WAL)</translation>
    </message>
</context>
<context>
    <name>MailCheck</name>
    <message>
        <source>mail %1 was left unread: %2</source>
        <translation>el correo %1 no se leyó: %2</translation>
    </message>
</context>
<context>
    <name>MailLook</name>
    <message>
        <source>no mailbox is set up: give server and user under [mail] in %1, or use Settings &gt; Confirmation Mails</source>
        <translation>no hay ningún buzón configurado: indique server y user en [mail] en %1, o use Configuración &gt; Correos de confirmación</translation>
    </message>
    <message>
        <source>the history cannot be read (%1)</source>
        <translation>no se puede leer el historial (%1)</translation>
    </message>
</context>
<context>
    <name>MailPassword</name>
    <message>
        <source>the desktop&apos;s secret store cannot be reached (%1)</source>
        <translation>no se puede acceder al almacén de secretos del escritorio (%1)</translation>
    </message>
    <message>
        <source>the password command gave no password</source>
        <translation>el comando de contraseña no dio ninguna contraseña</translation>
    </message>
    <message>
        <source>the password command took too long</source>
        <translation>el comando de contraseña tardó demasiado</translation>
    </message>
    <message>
        <source>no password is kept for this mailbox: enter it in Settings &gt; Confirmation Mails, or set a password command</source>
        <translation>no hay ninguna contraseña guardada para este buzón: introdúzcala en Configuración &gt; Correos de confirmación, o indique un comando de contraseña</translation>
    </message>
</context>
<context>
    <name>MailReader</name>
    <message>
        <source>the mail is too large to be read</source>
        <translation>el correo es demasiado grande para leerlo</translation>
    </message>
    <message>
        <source>parts nested too deeply were not read</source>
        <translation>no se leyeron las partes anidadas a demasiada profundidad</translation>
    </message>
    <message>
        <source>only the first text parts were read</source>
        <translation>solo se leyeron las primeras partes de texto</translation>
    </message>
    <message>
        <source>only the beginning of a long text was read</source>
        <translation>solo se leyó el principio de un texto largo</translation>
    </message>
    <message>
        <source>the character set %1 is unknown; its text was read as far as it is plain ASCII</source>
        <translation>el juego de caracteres %1 es desconocido; su texto se leyó en la medida en que es ASCII simple</translation>
    </message>
    <message>
        <source>the mail has a header line too long to be read</source>
        <translation>el correo tiene una línea de encabezado demasiado larga para leerla</translation>
    </message>
    <message>
        <source>the mail cannot be read</source>
        <translation>no se puede leer el correo</translation>
    </message>
</context>
<context>
    <name>Mailbox</name>
    <message>
        <source>%1 is not the address of a mail server (write imaps://host or imap://host)</source>
        <translation>%1 no es la dirección de un servidor de correo (escriba imaps://host o imap://host)</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>no se puede conectar con %1</translation>
    </message>
    <message>
        <source>login refused by %1: check the user name and the password</source>
        <translation>%1 rechazó el inicio de sesión: compruebe el usuario y la contraseña</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>el certificado de %1 no es de confianza</translation>
    </message>
    <message>
        <source>%1 does not offer an encrypted connection</source>
        <translation>%1 no ofrece una conexión cifrada</translation>
    </message>
    <message>
        <source>the folder %1 is missing on %2</source>
        <translation>falta la carpeta %1 en %2</translation>
    </message>
    <message>
        <source>%1 sent more than any answer needs; it was not read further</source>
        <translation>%1 envió más de lo que necesita cualquier respuesta; no se siguió leyendo</translation>
    </message>
    <message>
        <source>the mailbox cannot be read: libcurl is missing</source>
        <translation>no se puede leer el buzón: falta libcurl</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>Profile Data</source>
        <translation>Datos del perfil</translation>
    </message>
    <message>
        <source>Profile details</source>
        <translation>Detalles del perfil</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nombre del perfil:</translation>
    </message>
    <message>
        <source>RSS Feed URL:</source>
        <translation>URL del feed RSS:</translation>
    </message>
    <message>
        <source>RSS Link title:</source>
        <translation>Título del enlace RSS:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Etiquetas:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>First name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Last name:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>Check feed</source>
        <translation>Comprobar feed</translation>
    </message>
    <message>
        <source>Fetch the RSS feed URL and show what the feed says about itself</source>
        <translation>Obtener la URL del feed RSS y mostrar lo que el feed dice de sí mismo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>S&amp;ubcategory:</source>
        <translation>&amp;Subcategoría:</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Subcategoría</translation>
    </message>
</context>
<context>
    <name>ProfilesConfigurator</name>
    <message>
        <source>Profile Manager</source>
        <translation>Gestor de perfiles</translation>
    </message>
    <message>
        <source>Available profiles</source>
        <translation>Perfiles disponibles</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(no name: cannot be saved)</source>
        <translation>(sin nombre: no se puede guardar)</translation>
    </message>
    <message>
        <source>Filled by meaning: %1.</source>
        <translation>Rellenado por significado: %1.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message numerus="yes">
        <source> Kept %n field(s) you typed in.</source>
        <translation>
            <numerusform> Se ha conservado %n campo escrito por usted.</numerusform>
            <numerusform> Se han conservado %n campos escritos por usted.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened</source>
        <translation>Abierto</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Rellenado</translation>
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
        <translation>No confirmado</translation>
    </message>
    <message>
        <source>Marked as sent</source>
        <translation>Marcado como enviado</translation>
    </message>
    <message>
        <source>Marked as not sent</source>
        <translation>Marcado como no enviado</translation>
    </message>
    <message>
        <source>(in a frame from %1)</source>
        <translation>(en un marco de %1)</translation>
    </message>
    <message>
        <source>%1 (in a frame from %2)</source>
        <translation>%1 (en un marco de %2)</translation>
    </message>
    <message>
        <source>Confirmed by e-mail</source>
        <translation>Confirmado por correo</translation>
    </message>
</context>
<context>
    <name>SubmissionProgress</name>
    <message>
        <source>The directories still unsent for %1 were found dead by the last check</source>
        <translation>La última comprobación encontró inaccesibles los directorios aún sin enviar para %1</translation>
    </message>
    <message>
        <source>No directory shown is unsent for %1</source>
        <translation>Ningún directorio mostrado está sin enviar para %1</translation>
    </message>
    <message>
        <source>Every directory is sent for %1</source>
        <translation>Todos los directorios están enviados para %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n directories sent for %2</source>
        <translation>
            <numerusform>%1 de %n directorio enviado para %2</numerusform>
            <numerusform>%1 de %n directorios enviados para %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDirectoryFile</name>
    <message>
        <source>Kestrine cannot read your directories in %1, so it leaves the file as it is. Correct the file or move it away, then try again.</source>
        <translation>Kestrine no puede leer sus directorios en %1, así que deja el archivo tal como está. Corrija el archivo o muévalo a otro sitio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>a text holds characters that mydirs.xml cannot store</source>
        <translation>un texto contiene caracteres que mydirs.xml no puede guardar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrine is already running. Switch to its window, or close it before you start Kestrine again.</source>
        <translation>Kestrine ya se está ejecutando. Cambie a su ventana o ciérrela antes de volver a iniciar Kestrine.</translation>
    </message>
</context>
</TS>
