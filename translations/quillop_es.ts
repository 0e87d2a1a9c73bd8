<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutText</name>
    <message>
        <source>and so on. Fill in the boxes like this:</source>
        <translation>y así sucesivamente. Rellene los campos así:</translation>
    </message>
    <message>
        <source>Box 1: %1</source>
        <translation>Campo 1: %1</translation>
    </message>
    <message>
        <source>Box 2: %1</source>
        <translation>Campo 2: %1</translation>
    </message>
    <message>
        <source>Box 3: %1</source>
        <translation>Campo 3: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Quillop is freeware. Its manual opens from the Help menu; beyond that, everything is meant to explain itself.</source>
        <translation>Quillop es software gratuito. Su manual se abre desde el menú Ayuda; por lo demás, todo pretende explicarse por sí mismo.</translation>
    </message>
    <message>
        <source>Quillop downloads pictures whose names run in a sequence, for example:</source>
        <translation>Quillop descarga imágenes cuyos nombres siguen una secuencia, por ejemplo:</translation>
    </message>
    <message>
        <source>When something follows the number:</source>
        <translation>Cuando algo sigue al número:</translation>
    </message>
    <message>
        <source>When the number is part of a directory name:</source>
        <translation>Cuando el número forma parte del nombre de una carpeta:</translation>
    </message>
    <message>
        <source>When a letter does the counting:</source>
        <translation>Cuando cuenta una letra:</translation>
    </message>
    <message>
        <source>The number or letter in box 2 is incremented after each file.</source>
        <translation>El número o la letra del campo 2 aumenta después de cada archivo.</translation>
    </message>
    <message>
        <source>Comments, questions and suggestions are always welcome. Later versions will be announced with the program itself.</source>
        <translation>Los comentarios, preguntas y sugerencias siempre son bienvenidos. Las versiones posteriores se anunciarán en el propio programa.</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY</source>
        <translation>EXENCIÓN DE GARANTÍA</translation>
    </message>
    <message>
        <source>This software is freeware and is provided as it is, without any warranty that it is fit for any purpose, and without liability for any loss or damage that its use may cause. It is not a supported product: there is no commitment to address problems with it.</source>
        <translation>Este software es gratuito y se proporciona tal cual, sin garantía alguna de que sirva para ningún propósito y sin responsabilidad por las pérdidas o daños que su uso pueda causar. No es un producto con soporte: no existe ningún compromiso de resolver sus problemas.</translation>
    </message>
    <message>
        <source>MAINTENANCE</source>
        <translation>MANTENIMIENTO</translation>
    </message>
    <message>
        <source>There is no obligation to provide maintenance or updates. Any maintenance or updates that are provided fall under these same terms.</source>
        <translation>No existe obligación de ofrecer mantenimiento ni actualizaciones. Todo mantenimiento o actualización que se ofrezca queda sujeto a estas mismas condiciones.</translation>
    </message>
    <message>
        <source>en-GB</source>
        <comment>the language of this translation, as a BCP 47 tag</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>FolderPrompt</name>
    <message>
        <source>Quillop</source>
        <translation>Quillop</translation>
    </message>
    <message>
        <source>Create the folder %1?</source>
        <translation>¿Crear la carpeta %1?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Quillop</source>
        <translation>Acerca de Quillop</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Información del sistema...</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>The system is in middle of a download. This application will<byte value="xd"/>
terminate once the current connection is cleaned<byte value="xd"/>
Click OK</source>
        <translation>Hay una descarga en curso. El programa se cerrará<byte value="xd"/>
en cuanto termine la conexión actual.<byte value="xd"/>
Pulse Aceptar.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>Engine Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>System is busy</source>
        <translation>El programa está ocupado</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Quillop Options</source>
        <translation>Opciones de Quillop</translation>
    </message>
    <message>
        <source>Messages about the entries of this dialog</source>
        <translation>Mensajes sobre los datos de este diálogo</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>Log directory</source>
        <translation>Carpeta del registro</translation>
    </message>
    <message>
        <source>Cookie file</source>
        <translation>Archivo de cookies</translation>
    </message>
    <message>
        <source>Certificate (CA) file</source>
        <translation>Archivo de certificados (CA)</translation>
    </message>
</context>
<context>
    <name>GetCommand</name>
    <message>
        <source>Try &apos;quillop get --help&apos;.</source>
        <translation>Pruebe «quillop get --help».</translation>
    </message>
</context>
<context>
    <name>GetOptions</name>
    <message>
        <source>show what each attempt would do; fetch nothing</source>
        <translation>mostrar qué haría cada intento, sin descargar nada</translation>
    </message>
    <message>
        <source>print nothing but errors</source>
        <translation>mostrar solo los errores</translation>
    </message>
    <message>
        <source>one JSON object per attempt, not the log line</source>
        <translation>un objeto JSON por intento en lugar de la línea de registro</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ayuda</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 admite un número entero de %2 a %3, no «%4»</translation>
    </message>
    <message>
        <source>--%1: cannot read the file &quot;%2&quot;</source>
        <translation>--%1: no se puede leer el archivo «%2»</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 y --%2 se excluyen mutuamente</translation>
    </message>
    <message>
        <source>--increment cannot be 0</source>
        <translation>--increment no puede ser 0</translation>
    </message>
    <message>
        <source>--if-exists prompt needs the window; use skip, overwrite or rename</source>
        <translation>--if-exists prompt necesita la ventana; use skip, overwrite o rename</translation>
    </message>
    <message>
        <source>the counter (the second word) is empty</source>
        <translation>el contador (la segunda palabra) está vacío</translation>
    </message>
    <message>
        <source>give one ADDRESS, or URL1 COUNTER URL3</source>
        <translation>indique una DIRECCIÓN, o URL1 CONTADOR URL3</translation>
    </message>
    <message>
        <source>the address is empty</source>
        <translation>la dirección está vacía</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses can be fetched</source>
        <translation>solo se pueden descargar direcciones http:// y https://</translation>
    </message>
    <message>
        <source>Usage: quillop get ADDRESS [options]
       quillop get URL1 COUNTER URL3 [options]

Downloads a numbered series of pictures without a window.
ADDRESS takes a range in brackets, as in https://x.org/g/pic[01-20].jpg or
pic[A-F].jpg, or is a plain address whose last run of digits is the counter;
an address without a scheme gets https:// in front. A range ends the run at its
last value, a counter of letters at Z (or z).
The stored settings apply; each option overrides its setting (in brackets) for
this run only, and nothing is written to the store.

Options:
</source>
        <translation>Uso: quillop get DIRECCIÓN [opciones]
     quillop get URL1 CONTADOR URL3 [opciones]

Descarga una serie numerada de imágenes sin ventana.
DIRECCIÓN lleva un intervalo entre corchetes, como en
https://x.org/g/pic[01-20].jpg o pic[A-F].jpg, o es una dirección simple cuya
última serie de cifras es el contador; a una dirección sin esquema se le
antepone https://. Un intervalo termina la serie en su último valor; un
contador de letras, en la Z (o z).
Se aplican los ajustes guardados; cada opción sustituye su ajuste (entre
corchetes) solo para esta ejecución, y no se guarda nada.

Opciones:
</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list of choices</comment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;</source>
        <translation>--%1 admite %2, no «%3»</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a directory</source>
        <translation>--%1: «%2» no es una carpeta</translation>
    </message>
    <message>
        <source>[socks5://][USER[:PASSWORD]@]HOST:PORT</source>
        <translation>[socks5://][USUARIO[:CONTRASEÑA]@]HOST:PUERTO</translation>
    </message>
    <message>
        <source>read the proxy password from the first line of FILE</source>
        <translation>leer la contraseña del proxy de la primera línea de FILE</translation>
    </message>
    <message>
        <source>--%1: the file &quot;%2&quot; is larger than %3 MiB</source>
        <translation>--%1: el archivo «%2» supera los %3 MiB</translation>
    </message>
    <message>
        <source>--proxy-password-file: cannot read the file &quot;%1&quot;: %2</source>
        <translation>--proxy-password-file: no se puede leer el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>--proxy takes [socks5://][USER[:PASSWORD]@]HOST:PORT with a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>--proxy admite [socks5://][USUARIO[:CONTRASEÑA]@]HOST:PUERTO con un puerto de 1 a 65535, no «%1»</translation>
    </message>
    <message>
        <source>
A password written into --proxy is seen by every user of the machine in the list
of processes while the program starts; --proxy-password-file, or the environment
variable QUILLOP_PROXY_PASSWORD, keeps it out of sight. No message shows it.

One log line per attempt goes to standard output (a JSON object with --json);
progress and the summary go to standard error.

Exit status: 0 every attempt saved or skipped a picture; 1 an attempt failed or
was not a picture; 2 a usage error (nothing fetched); 130 stopped by Ctrl+C or
SIGTERM (the file in progress removed); 141 when standard output was closed.
</source>
        <translation>
Una contraseña escrita en --proxy la ve cualquier usuario de la máquina en la
lista de procesos mientras arranca el programa; --proxy-password-file o la
variable de entorno QUILLOP_PROXY_PASSWORD la mantienen oculta. Ningún mensaje
la muestra.

Cada intento escribe una línea de registro en la salida estándar (un objeto
JSON con --json); el progreso y el resumen van a la salida de error.

Estado de salida: 0 cada intento guardó u omitió una imagen; 1 un intento falló
o no era una imagen; 2 un error de uso (no se descarga nada); 130 detenido con
Ctrl+C o SIGTERM (se elimina el archivo en curso); 141 si se cerró la salida
estándar.
</translation>
    </message>
</context>
<context>
    <name>LoadSettings</name>
    <message>
        <source>Save path does not exist /n Setting save Path to Application Path</source>
        <translation>La carpeta de guardado no existe. Se usará la carpeta del programa.</translation>
    </message>
    <message>
        <source>Log path does not exist /n Setting log Path to Application Path</source>
        <translation>La carpeta del registro no existe. Se usará la carpeta del programa.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>
Without a window, from a terminal or a script:

</source>
        <translation>
Sin ventana, desde una terminal o un script:

</translation>
    </message>
    <message>
        <source>Downloads a series of images whose addresses differ only in a running number or letter.</source>
        <translation>Descarga una serie de imágenes cuyas direcciones solo se diferencian en un número o una letra correlativos.</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>Get</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Address before the counter</source>
        <translation>Dirección antes del contador</translation>
    </message>
    <message>
        <source>Address after the counter</source>
        <translation>Dirección después del contador</translation>
    </message>
    <message>
        <source>Address band</source>
        <translation>Banda de dirección</translation>
    </message>
    <message>
        <source>address up to the number</source>
        <translation>dirección hasta el número</translation>
    </message>
    <message>
        <source>01, A or 01-20</source>
        <translation>01, A o 01-20</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>The address up to the counter</source>
        <translation>La dirección hasta el contador</translation>
    </message>
    <message>
        <source>The rest of the address after the counter</source>
        <translation>El resto de la dirección tras el contador</translation>
    </message>
    <message>
        <source>Next counter place</source>
        <translation>Siguiente posición del contador</translation>
    </message>
    <message>
        <source>Count with the next number of the address (Alt+Right; Alt+Left goes back)</source>
        <translation>Contar con el siguiente número de la dirección (Alt+Derecha; Alt+Izquierda vuelve atrás)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Open New Window</source>
        <translation>Abrir ventana nueva</translation>
    </message>
    <message>
        <source>Start Engine</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop Engine</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>Tamaño personalizado</translation>
    </message>
    <message>
        <source>Iconize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Todays Log</source>
        <translation>Registro de hoy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Cambiar opciones</translation>
    </message>
    <message>
        <source>Single file Download</source>
        <translation>Descargar un solo archivo</translation>
    </message>
    <message>
        <source>Multiple file Download</source>
        <translation>Descargar varios archivos</translation>
    </message>
    <message>
        <source>Close Window After Download</source>
        <translation>Cerrar la ventana tras la descarga</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <source>There is no log for today yet:<byte value="xd"/>
%1</source>
        <translation>Todavía no hay registro de hoy:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Todays Log</source>
        <translation>Registro de hoy</translation>
    </message>
    <message>
        <source>No program was found to show the log file:<byte value="xd"/>
%1</source>
        <translation>No se encontró ningún programa para mostrar el archivo de registro:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The manual is not installed.</source>
        <translation>El manual no está instalado.</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>No program was found to show the manual:<byte value="xd"/>
%1</source>
        <translation>No se encontró ningún programa para mostrar el manual:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>OptionsPages</name>
    <message>
        <source>Option pages</source>
        <translation>Páginas de opciones</translation>
    </message>
    <message>
        <source>     Save     </source>
        <translation>   Guardar   </translation>
    </message>
    <message>
        <source> Download </source>
        <translation> Descarga </translation>
    </message>
    <message>
        <source>Connection </source>
        <translation>Conexión </translation>
    </message>
    <message>
        <source>      Log       </source>
        <translation>   Registro   </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Button band</source>
        <translation>Barra de botones</translation>
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
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Added text</source>
        <translation>Texto añadido</translation>
    </message>
    <message>
        <source>When saving downloaded files the text in the text box will be appended to beginning or end of file name</source>
        <translation>Al guardar los archivos descargados, el texto de este campo se añade al principio o al final del nombre</translation>
    </message>
    <message>
        <source>to</source>
        <translation>al</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>principio</translation>
    </message>
    <message>
        <source>Select Head to append text to the begining</source>
        <translation>Elija «principio» para añadir el texto al comienzo</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>final</translation>
    </message>
    <message>
        <source>Select tail to append text to the end</source>
        <translation>Elija «final» para añadir el texto al final</translation>
    </message>
    <message>
        <source>of the file</source>
        <translation>del nombre de archivo</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de guardado</translation>
    </message>
    <message>
        <source>Select the save directory from below</source>
        <translation>Elija la carpeta de guardado abajo</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Browse for the save directory</source>
        <translation>Buscar la carpeta de guardado</translation>
    </message>
    <message>
        <source>Choose the save directory in the folder chooser</source>
        <translation>Elegir la carpeta de guardado en el selector de carpetas</translation>
    </message>
    <message>
        <source>Save drive</source>
        <translation>Unidad de guardado</translation>
    </message>
    <message>
        <source>Select Save Drive</source>
        <translation>Elija la unidad de guardado</translation>
    </message>
    <message>
        <source>Select Save Directory</source>
        <translation>Elija la carpeta de guardado</translation>
    </message>
    <message>
        <source>If file name exists</source>
        <translation>Si el nombre de archivo existe</translation>
    </message>
    <message>
        <source>Skip Saving</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Preguntar</translation>
    </message>
    <message>
        <source>Rename &amp;&amp; Save</source>
        <translation>Renombrar &amp;&amp; guardar</translation>
    </message>
    <message>
        <source>(Including failed attempts)</source>
        <translation>(incluidos los intentos fallidos)</translation>
    </message>
    <message>
        <source>Charector Mode</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Number Mode</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>(This parameter is used for both Cheractor mode increments and Number mode increments</source>
        <translation>(Vale tanto para letras como para números)</translation>
    </message>
    <message>
        <source>Column divider</source>
        <translation>Separador de columnas</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Select if use a proxy server</source>
        <translation>Elíjalo si usa un servidor proxy</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Select if you directly dial in the Internet</source>
        <translation>Elíjalo si se conecta directamente a Internet</translation>
    </message>
    <message>
        <source>Proxy details</source>
        <translation>Datos del proxy</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Select if the proxy is an HTTP proxy</source>
        <translation>Elíjalo si el proxy es HTTP</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Select if the proxy is a SOCKS5 proxy; it then also looks up the server names</source>
        <translation>Elíjalo si el proxy es SOCKS5; entonces también resuelve los nombres de los servidores</translation>
    </message>
    <message>
        <source>Request details</source>
        <translation>Datos de las peticiones</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Send no referring page</source>
        <translation>No enviar página de origen</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Send the picture&apos;s address up to its last &quot;/&quot;</source>
        <translation>Enviar la dirección de la imagen hasta su última «/»</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Send the address typed in the box beside</source>
        <translation>Enviar la dirección escrita en el campo de al lado</translation>
    </message>
    <message>
        <source>The referring page sent with every request</source>
        <translation>La página de origen que se envía con cada petición</translation>
    </message>
    <message>
        <source>Custom referer</source>
        <translation>Referer personalizado</translation>
    </message>
    <message>
        <source>Browse for the cookie file</source>
        <translation>Buscar el archivo de cookies</translation>
    </message>
    <message>
        <source>Choose the cookie file in the file chooser</source>
        <translation>Elegir el archivo de cookies en el selector de archivos</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>Buscar el archivo de certificados</translation>
    </message>
    <message>
        <source>Choose the certificate file in the file chooser</source>
        <translation>Elegir el archivo de certificados en el selector de archivos</translation>
    </message>
    <message>
        <source>Select yes to log downloads</source>
        <translation>Elija «Sí» para registrar las descargas</translation>
    </message>
    <message>
        <source>Select No if you do not need a log file</source>
        <translation>Elija «No» si no necesita un archivo de registro</translation>
    </message>
    <message>
        <source>Log directory</source>
        <translation>Carpeta del registro</translation>
    </message>
    <message>
        <source>Select the directory from below. The file name is selected by the system. A new log file will be created each new day with the date as the file name. This option is visible only when the yes is selected logging option</source>
        <translation>Elija la carpeta abajo. El nombre del archivo lo elige el programa: cada día se crea un registro nuevo con la fecha como nombre. Solo visible si el registro está en «Sí»</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Archivo de registro</translation>
    </message>
    <message>
        <source>Browse for the log directory</source>
        <translation>Buscar la carpeta del registro</translation>
    </message>
    <message>
        <source>Choose the log directory in the folder chooser</source>
        <translation>Elegir la carpeta del registro en el selector de carpetas</translation>
    </message>
    <message>
        <source>Log drive</source>
        <translation>Unidad del registro</translation>
    </message>
    <message>
        <source>Slect Log Drive</source>
        <translation>Elija la unidad del registro</translation>
    </message>
    <message>
        <source>Select Log Directory</source>
        <translation>Elija la carpeta del registro</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>page</comment>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>page</comment>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Connection</source>
        <comment>page</comment>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Log</source>
        <comment>page</comment>
        <translation>Registro</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Attempt of the run</source>
        <translation>Intento de la serie</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Archivo actual</translation>
    </message>
    <message>
        <source>Bytes of the file arriving now</source>
        <translation>Bytes recibidos del archivo actual</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
</context>
<context>
    <name>RunSetup</name>
    <message>
        <source>the range &quot;%1&quot; is of numbers, but the counter counts letters</source>
        <translation>el intervalo «%1» es de números, pero el contador cuenta letras</translation>
    </message>
    <message>
        <source>the save directory &quot;%1&quot; does not exist; give --save-dir</source>
        <translation>la carpeta de guardado «%1» no existe; indique --save-dir</translation>
    </message>
    <message>
        <source>the log directory &quot;%1&quot; does not exist; give --log-dir or --no-log</source>
        <translation>la carpeta del registro «%1» no existe; indique --log-dir o --no-log</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; would be created</source>
        <translation>se crearía la carpeta «%1»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <translation>no se puede crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>created the folder &quot;%1&quot;</source>
        <translation>carpeta «%1» creada</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>fetch the one address only</source>
        <translation>descargar solo esa dirección</translation>
    </message>
    <message>
        <source>Max downloads </source>
        <translation>Descargas máx. </translation>
    </message>
    <message>
        <source>Max number of image downloads  to be attempted.  Once the limit is reached the attempts will stop.</source>
        <translation>Número máximo de descargas que se intentan. Al llegar al límite, los intentos se detienen.</translation>
    </message>
    <message>
        <source>Error : Max Downloads Has to be a Number</source>
        <translation>Error: el máximo de descargas debe ser un número</translation>
    </message>
    <message>
        <source>make at most N attempts</source>
        <translation>como máximo N intentos</translation>
    </message>
    <message>
        <source>Increment Mode</source>
        <translation>Modo de incremento</translation>
    </message>
    <message>
        <source>: Some image series increase by characters e.g.  A,B,C,D etc. For such series change the mode to character. The Input Box 2 on the main screen will change to Numeric to Character. and vice versa</source>
        <translation>Algunas series de imágenes avanzan por letras, p. ej. A, B, C, D, etc. Para esas series cambie al modo de letras. El campo 2 de la ventana principal pasará de números a letras, y viceversa.</translation>
    </message>
    <message>
        <source>the counter counts letters</source>
        <translation>el contador cuenta letras</translation>
    </message>
    <message>
        <source>the counter counts numbers</source>
        <translation>el contador cuenta números</translation>
    </message>
    <message>
        <source>Increment by</source>
        <translation>Incremento</translation>
    </message>
    <message>
        <source>Usually the increment step is 1.  But Sometimes you may find the increments are by 3 or 4 etc</source>
        <translation>Normalmente el incremento es 1, pero a veces es de 3, de 4, etc.</translation>
    </message>
    <message>
        <source>Error : Increment Has to be a Number</source>
        <translation>Error: el incremento debe ser un número</translation>
    </message>
    <message>
        <source>step the counter by N (not 0)</source>
        <translation>avanzar el contador de N en N (no 0)</translation>
    </message>
    <message>
        <source>Add Charactors</source>
        <translation>Añadir los caracteres</translation>
    </message>
    <message>
        <source>add TEXT to each saved name</source>
        <translation>añadir TEXT a cada nombre guardado</translation>
    </message>
    <message>
        <source>where the text goes: start or end</source>
        <translation>dónde va el texto: start o end</translation>
    </message>
    <message>
        <source>Pause between downloads in seconds</source>
        <translation>Pausa entre descargas en segundos</translation>
    </message>
    <message>
        <source>Error : Pause time has be a positive Number</source>
        <translation>Error: la pausa debe ser un número positivo</translation>
    </message>
    <message>
        <source>pause between attempts</source>
        <translation>pausa entre intentos</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>Select the save directory</source>
        <translation>Elija la carpeta de guardado</translation>
    </message>
    <message>
        <source>save the pictures in DIR</source>
        <translation>guardar las imágenes en DIR</translation>
    </message>
    <message>
        <source>If file name exists</source>
        <translation>Si el nombre de archivo existe</translation>
    </message>
    <message>
        <source>If the name of the file exists what application should do</source>
        <translation>Qué debe hacer el programa si el nombre de archivo ya existe</translation>
    </message>
    <message>
        <source>skip, overwrite or rename an existing file</source>
        <translation>si el archivo existe: skip, overwrite o rename</translation>
    </message>
    <message>
        <source>I use a proxy server to connect to internet</source>
        <translation>Uso un servidor proxy para conectarme a Internet</translation>
    </message>
    <message>
        <source>If you are using a proxy server select yes and fill details of the proxy</source>
        <translation>Si usa un servidor proxy, elija «Sí» y rellene los datos del proxy</translation>
    </message>
    <message>
        <source>connect directly</source>
        <translation>conectar directamente</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Servidor proxy</translation>
    </message>
    <message>
        <source>enter the server name or the IP address. This option is visible only when the yes is selected for the proxy server</source>
        <translation>Escriba el nombre del servidor o la dirección IP. Solo visible si se eligió «Sí» para el servidor proxy</translation>
    </message>
    <message>
        <source>Http Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>: Enter the port which the proxy is running on the server. Usually this port is 80.  This option is visible only when the yes is selected for the proxy server.</source>
        <translation>Escriba el puerto del proxy en el servidor; normalmente es el 80. Solo visible si se eligió «Sí» para el servidor proxy.</translation>
    </message>
    <message>
        <source>Error : Http Port Number Has to be a Number</source>
        <translation>Error: el número de puerto debe ser un número</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>Registrar en un archivo</translation>
    </message>
    <message>
        <source>If you need to log the file download attempts you may select yes option</source>
        <translation>Elija «Sí» si quiere registrar los intentos de descarga</translation>
    </message>
    <message>
        <source>write no daily log</source>
        <translation>no escribir registro diario</translation>
    </message>
    <message>
        <source>write the daily log in DIR</source>
        <translation>escribir el registro diario en DIR</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Tipo de proxy</translation>
    </message>
    <message>
        <source>The kind of proxy server: an HTTP proxy or a SOCKS5 proxy</source>
        <translation>El tipo de servidor proxy: HTTP o SOCKS5</translation>
    </message>
    <message>
        <source>Proxy user</source>
        <translation>Usuario del proxy</translation>
    </message>
    <message>
        <source>The user name the proxy asks for; leave it empty when the proxy asks for none</source>
        <translation>El nombre de usuario que pide el proxy; déjelo vacío si no pide ninguno</translation>
    </message>
    <message>
        <source>Proxy password</source>
        <translation>Contraseña del proxy</translation>
    </message>
    <message>
        <source>The password of the proxy user</source>
        <translation>La contraseña del usuario del proxy</translation>
    </message>
    <message>
        <source>User-Agent</source>
        <translation>User-Agent</translation>
    </message>
    <message>
        <source>How the program names itself to the servers</source>
        <translation>Cómo se identifica el programa ante los servidores</translation>
    </message>
    <message>
        <source>the User-Agent sent</source>
        <translation>el User-Agent enviado</translation>
    </message>
    <message>
        <source>Referer</source>
        <translation>Referer</translation>
    </message>
    <message>
        <source>The page the requests say they come from: none, the address of the picture up to its last &quot;/&quot;, or the address typed here</source>
        <translation>La página de la que dicen venir las peticiones: ninguna, la dirección de la imagen hasta su última «/», o la dirección escrita aquí</translation>
    </message>
    <message>
        <source>auto or an address to send as Referer</source>
        <translation>auto o una dirección para enviar como Referer</translation>
    </message>
    <message>
        <source>Cookie file</source>
        <translation>Archivo de cookies</translation>
    </message>
    <message>
        <source>A cookies.txt file whose cookies are sent with the requests; empty for none</source>
        <translation>Un archivo cookies.txt cuyas cookies se envían con las peticiones; vacío para ninguno</translation>
    </message>
    <message>
        <source>send the cookies of a cookies.txt file</source>
        <translation>enviar las cookies de un archivo cookies.txt</translation>
    </message>
    <message>
        <source>Certificate (CA) file</source>
        <translation>Archivo de certificados (CA)</translation>
    </message>
    <message>
        <source>A PEM file of certificate authorities to trust besides the system&apos;s; empty for none</source>
        <translation>Un archivo PEM de autoridades de certificación en las que confiar además de las del sistema; vacío para ninguno</translation>
    </message>
    <message>
        <source>also trust the authorities in a PEM file</source>
        <translation>confiar también en las autoridades de un archivo PEM</translation>
    </message>
    <message>
        <source>End the run after this many pictures in a row were not found or were no picture. 0 never ends it early.</source>
        <translation>Terminar la serie cuando tantas imágenes seguidas no se encontraron o no eran imágenes. Con 0 nunca termina antes.</translation>
    </message>
    <message>
        <source>Error : Misses in a row Has to be a Number</source>
        <translation>Error: los fallos seguidos deben ser un número</translation>
    </message>
    <message>
        <source>end after N misses in a row</source>
        <translation>terminar tras N fallos seguidos</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>Reintentos</translation>
    </message>
    <message>
        <source>How many more times a download is tried when it failed for a passing reason, such as a timeout or a reset connection.</source>
        <translation>Cuántas veces más se intenta una descarga que falló por un motivo pasajero, como un tiempo de espera agotado o una conexión restablecida.</translation>
    </message>
    <message>
        <source>Error : Retries Has to be a Number</source>
        <translation>Error: los reintentos deben ser un número</translation>
    </message>
    <message>
        <source>try a passing failure N more times</source>
        <translation>reintentar N veces un fallo pasajero</translation>
    </message>
    <message>
        <source>Error : The cookie file cannot be read</source>
        <translation>Error: no se puede leer el archivo de cookies</translation>
    </message>
    <message>
        <source>Error : The certificate file cannot be read</source>
        <translation>Error: no se puede leer el archivo de certificados</translation>
    </message>
    <message>
        <source>Stop after misses in a row (0 = never)</source>
        <translation>Detener tras fallos seguidos (0 = nunca)</translation>
    </message>
    <message>
        <source>Pictures at once</source>
        <translation>Imágenes a la vez</translation>
    </message>
    <message>
        <source>How many pictures are fetched at the same time (1 to 16). They are still saved, shown and logged in the order of the series.</source>
        <translation>Cuántas imágenes se descargan a la vez (1 a 16). Se siguen guardando, mostrando y registrando en el orden de la serie.</translation>
    </message>
    <message>
        <source>Error : Pictures at once Has to be 1 to 16</source>
        <translation>Error: las imágenes a la vez deben ser de 1 a 16</translation>
    </message>
    <message>
        <source>fetch up to N pictures at once</source>
        <translation>descargar hasta N imágenes a la vez</translation>
    </message>
</context>
<context>
    <name>ShownTexts</name>
    <message>
        <source>Opening : %1</source>
        <translation>Abriendo: %1</translation>
    </message>
    <message>
        <source>Opened  : %1</source>
        <translation>Abierto: %1</translation>
    </message>
    <message>
        <source>Waiting : %1 s, the server asked to slow down</source>
        <translation>Esperando: %1 s, el servidor pidió ir más despacio</translation>
    </message>
    <message>
        <source>Failed   : %1 (%2)</source>
        <translation>Error: %1 (%2)</translation>
    </message>
    <message>
        <source>could not save to %1: %2</source>
        <translation>no se pudo guardar en %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n saved</source>
        <translation>
            <numerusform>%n guardada</numerusform>
            <numerusform>%n guardadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n omitida</numerusform>
            <numerusform>%n omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not images</source>
        <translation>
            <numerusform>%n no es imagen</numerusform>
            <numerusform>%n no son imágenes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallida</numerusform>
            <numerusform>%n fallidas</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between two counts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>downloading completed (%1)</source>
        <translation>Terminado (%1)</translation>
    </message>
    <message>
        <source>downloading completed (%1; %2)</source>
        <comment>%1: the counts, %2: why the run ended early</comment>
        <translation>Terminado (%1; %2)</translation>
    </message>
    <message>
        <source>current file : %1</source>
        <translation>archivo actual: %1</translation>
    </message>
    <message>
        <source>current file : None</source>
        <translation>archivo actual: ninguno</translation>
    </message>
    <message>
        <source>File Exists. Enter a new Name without the extension. <byte value="xd"/>
click cancel to skip saving this file</source>
        <translation>El archivo ya existe. Escriba un nombre nuevo sin la extensión.<byte value="xd"/>
Pulse Cancelar para no guardar este archivo.</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>connection reset</source>
        <translation>conexión restablecida</translation>
    </message>
    <message>
        <source>connection closed before the whole body arrived</source>
        <translation>la conexión se cerró antes de recibir todos los datos</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>no se encontró el servidor</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>tiempo de espera agotado</translation>
    </message>
    <message>
        <source>malformed response from the server</source>
        <translation>respuesta incorrecta del servidor</translation>
    </message>
    <message>
        <source>response head too large</source>
        <translation>cabecera de respuesta demasiado grande</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>demasiadas redirecciones</translation>
    </message>
    <message>
        <source>redirect to a less secure address refused</source>
        <translation>redirección a una dirección menos segura rechazada</translation>
    </message>
    <message>
        <source>not an http address</source>
        <translation>no es una dirección http</translation>
    </message>
    <message>
        <source>malformed address</source>
        <translation>dirección incorrecta</translation>
    </message>
    <message>
        <source>malformed proxy address</source>
        <translation>dirección de proxy incorrecta</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>no se encontró el proxy</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>el proxy rechazó la conexión</translation>
    </message>
    <message>
        <source>proxy requires a login</source>
        <translation>el proxy requiere iniciar sesión</translation>
    </message>
    <message>
        <source>proxy refused the login</source>
        <translation>el proxy rechazó el inicio de sesión</translation>
    </message>
    <message>
        <source>proxy error: %1</source>
        <translation>error del proxy: %1</translation>
    </message>
    <message>
        <source>TLS error: could not read the CA file: %1</source>
        <translation>error de TLS: no se pudo leer el archivo CA: %1</translation>
    </message>
    <message>
        <source>TLS error: %1</source>
        <translation>error de TLS: %1</translation>
    </message>
    <message>
        <source>could not read the cookie file: %1</source>
        <translation>no se pudo leer el archivo de cookies: %1</translation>
    </message>
    <message>
        <source>could not write: %1</source>
        <translation>no se pudo escribir: %1</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>error de red %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the file exists</source>
        <translation>el archivo ya existe</translation>
    </message>
    <message>
        <source>saving is off</source>
        <translation>el guardado está desactivado</translation>
    </message>
    <message>
        <source>not an image (%1)</source>
        <translation>no es una imagen (%1)</translation>
    </message>
    <message>
        <source>no content type</source>
        <translation>sin tipo de contenido</translation>
    </message>
    <message>
        <source>no response body was received</source>
        <translation>no se recibió el cuerpo de la respuesta</translation>
    </message>
    <message>
        <source>no save directory is set</source>
        <translation>no hay carpeta de guardado</translation>
    </message>
    <message>
        <source>no temporary file could be created</source>
        <translation>no se pudo crear un archivo temporal</translation>
    </message>
    <message>
        <source>the existing file is read-only</source>
        <translation>el archivo existente es de solo lectura</translation>
    </message>
    <message>
        <source>the file name contains a path separator</source>
        <translation>el nombre de archivo contiene un separador de ruta</translation>
    </message>
    <message>
        <source>the file name contains a control character</source>
        <translation>el nombre de archivo contiene un carácter de control</translation>
    </message>
    <message>
        <source>the file name is longer than %1 bytes</source>
        <translation>el nombre de archivo supera los %1 bytes</translation>
    </message>
    <message>
        <source>the file name is reserved for temporary files</source>
        <translation>el nombre de archivo está reservado para archivos temporales</translation>
    </message>
    <message>
        <source>the counter is empty</source>
        <translation>el contador está vacío</translation>
    </message>
    <message>
        <source>the counter &quot;%1&quot; is not a number</source>
        <translation>el contador «%1» no es un número</translation>
    </message>
    <message>
        <source>the counter %1 is outside -32768 to 32767</source>
        <translation>el contador %1 está fuera de -32768 a 32767</translation>
    </message>
    <message>
        <source>the next counter %1 would be outside -32768 to 32767</source>
        <translation>el siguiente contador, %1, quedaría fuera de -32768 a 32767</translation>
    </message>
    <message>
        <source>the counter &quot;%1&quot; is not a single-byte character</source>
        <translation>el contador «%1» no es un carácter de un byte</translation>
    </message>
    <message>
        <source>the next counter would be outside character codes 0 to 255</source>
        <translation>el siguiente contador quedaría fuera de los códigos de carácter 0 a 255</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; cannot be reached with increment %2</source>
        <translation>el intervalo «%1» no se alcanza con un incremento de %2</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; is of letters, but the counter counts numbers</source>
        <translation>el intervalo «%1» es de letras, pero el contador cuenta números</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; mixes upper and lower case</source>
        <translation>el intervalo «%1» mezcla mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; goes outside -32768 to 32767</source>
        <translation>el intervalo «%1» sale de -32768 a 32767</translation>
    </message>
    <message>
        <source>the series ended after 1 miss</source>
        <translation>la serie terminó tras 1 fallo</translation>
    </message>
    <message numerus="yes">
        <source>the series ended after %n misses</source>
        <translation>
            <numerusform>la serie terminó tras %n fallo</numerusform>
            <numerusform>la serie terminó tras %n fallos</numerusform>
        </translation>
    </message>
    <message>
        <source>timed out (too slow)</source>
        <translation>tiempo de espera agotado (demasiado lento)</translation>
    </message>
    <message>
        <source>not an HTTP response</source>
        <translation>no es una respuesta HTTP</translation>
    </message>
    <message>
        <source>empty response (%1)</source>
        <translation>respuesta vacía (%1)</translation>
    </message>
    <message>
        <source>nowhere to write</source>
        <translation>no hay dónde escribir</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>no se indicó ninguna carpeta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>más de %1 MiB</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; mixes letters and digits</source>
        <translation>el intervalo «%1» mezcla letras y cifras</translation>
    </message>
    <message>
        <source>the range &quot;[%1&quot; has no closing bracket</source>
        <translation>al intervalo «[%1» le falta el corchete de cierre</translation>
    </message>
    <message>
        <source>the range &quot;[%1]&quot; is neither two numbers nor two letters, as in [01-20] or [A-F]</source>
        <translation>el intervalo «[%1]» no son dos números ni dos letras, como [01-20] o [A-F]</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>an address being opened, then how many</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n in flight</source>
        <comment>pictures being fetched at once</comment>
        <translation>
            <numerusform>%n en curso</numerusform>
            <numerusform>%n en curso</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Currebt File Status</source>
        <translation>Estado del archivo actual</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Hora</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>TabStrip</name>
    <message>
        <source>Page contents</source>
        <translation>Contenido de la página</translation>
    </message>
</context>
<context>
    <name>TerminalOutput</name>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>attempt %1 of %2</source>
        <translation>intento %1 de %2</translation>
    </message>
    <message>
        <source>attempt %1</source>
        <translation>intento %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
</context>
<context>
    <name>TerminalWindow</name>
    <message>
        <source>waiting %1 s: the server asked to slow down</source>
        <translation>esperando %1 s: el servidor pidió ir más despacio</translation>
    </message>
    <message>
        <source>trying %1 again (%2), %3 of %4</source>
        <translation>reintentando %1 (%2), %3 de %4</translation>
    </message>
</context>
</TS>
