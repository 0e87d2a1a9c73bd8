<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutText</name>
    <message>
        <source>and so on. Fill in the boxes like this:</source>
        <translation>und so weiter. Füllen Sie die Felder so aus:</translation>
    </message>
    <message>
        <source>Box 1: %1</source>
        <translation>Feld 1: %1</translation>
    </message>
    <message>
        <source>Box 2: %1</source>
        <translation>Feld 2: %1</translation>
    </message>
    <message>
        <source>Box 3: %1</source>
        <translation>Feld 3: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Quillop is freeware. Its manual opens from the Help menu; beyond that, everything is meant to explain itself.</source>
        <translation>Quillop ist Freeware. Das Handbuch öffnet sich über das Menü Hilfe; darüber hinaus soll sich alles von selbst erklären.</translation>
    </message>
    <message>
        <source>Quillop downloads pictures whose names run in a sequence, for example:</source>
        <translation>Quillop lädt Bilder herunter, deren Namen fortlaufend nummeriert sind, zum Beispiel:</translation>
    </message>
    <message>
        <source>When something follows the number:</source>
        <translation>Wenn der Nummer noch etwas folgt:</translation>
    </message>
    <message>
        <source>When the number is part of a directory name:</source>
        <translation>Wenn die Nummer Teil eines Ordnernamens ist:</translation>
    </message>
    <message>
        <source>When a letter does the counting:</source>
        <translation>Wenn ein Buchstabe zählt:</translation>
    </message>
    <message>
        <source>The number or letter in box 2 is incremented after each file.</source>
        <translation>Die Nummer oder der Buchstabe in Feld 2 wird nach jeder Datei erhöht.</translation>
    </message>
    <message>
        <source>Comments, questions and suggestions are always welcome. Later versions will be announced with the program itself.</source>
        <translation>Kommentare, Fragen und Vorschläge sind jederzeit willkommen. Neue Versionen werden im Programm selbst angekündigt.</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY</source>
        <translation>GEWÄHRLEISTUNGSAUSSCHLUSS</translation>
    </message>
    <message>
        <source>This software is freeware and is provided as it is, without any warranty that it is fit for any purpose, and without liability for any loss or damage that its use may cause. It is not a supported product: there is no commitment to address problems with it.</source>
        <translation>Diese Software ist Freeware und wird so bereitgestellt, wie sie ist, ohne jede Gewähr, dass sie für irgendeinen Zweck geeignet ist, und ohne Haftung für Verluste oder Schäden, die ihre Nutzung verursachen kann. Sie ist kein unterstütztes Produkt: Es besteht keine Verpflichtung, Probleme damit zu beheben.</translation>
    </message>
    <message>
        <source>MAINTENANCE</source>
        <translation>WARTUNG</translation>
    </message>
    <message>
        <source>There is no obligation to provide maintenance or updates. Any maintenance or updates that are provided fall under these same terms.</source>
        <translation>Es besteht keine Verpflichtung zu Wartung oder Aktualisierungen. Jede Wartung und jede Aktualisierung, die dennoch erfolgt, unterliegt denselben Bedingungen.</translation>
    </message>
    <message>
        <source>en-GB</source>
        <comment>the language of this translation, as a BCP 47 tag</comment>
        <translation>de</translation>
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
        <translation>Den Ordner %1 anlegen?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen …</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Quillop</source>
        <translation>Über Quillop</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Systeminformationen …</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>The system is in middle of a download. This application will<byte value="xd"/>
terminate once the current connection is cleaned<byte value="xd"/>
Click OK</source>
        <translation>Gerade läuft ein Download. Das Programm wird beendet,<byte value="xd"/>
sobald die aktuelle Verbindung abgeschlossen ist.<byte value="xd"/>
Klicken Sie auf OK.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Engine Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>System is busy</source>
        <translation>Das Programm ist beschäftigt</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Quillop Options</source>
        <translation>Quillop-Einstellungen</translation>
    </message>
    <message>
        <source>Messages about the entries of this dialog</source>
        <translation>Meldungen zu den Eingaben in diesem Dialog</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Log directory</source>
        <translation>Protokollordner</translation>
    </message>
    <message>
        <source>Cookie file</source>
        <translation>Cookie-Datei</translation>
    </message>
    <message>
        <source>Certificate (CA) file</source>
        <translation>Zertifikatsdatei (CA)</translation>
    </message>
</context>
<context>
    <name>GetCommand</name>
    <message>
        <source>Try &apos;quillop get --help&apos;.</source>
        <translation>Weitere Informationen mit »quillop get --help«.</translation>
    </message>
</context>
<context>
    <name>GetOptions</name>
    <message>
        <source>show what each attempt would do; fetch nothing</source>
        <translation>zeigen, was jeder Versuch täte; nichts abrufen</translation>
    </message>
    <message>
        <source>print nothing but errors</source>
        <translation>nur Fehler ausgeben</translation>
    </message>
    <message>
        <source>one JSON object per attempt, not the log line</source>
        <translation>ein JSON-Objekt je Versuch statt der Protokollzeile</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe anzeigen</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 erwartet eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>--%1: cannot read the file &quot;%2&quot;</source>
        <translation>--%1: Die Datei „%2“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 und --%2 schließen einander aus</translation>
    </message>
    <message>
        <source>--increment cannot be 0</source>
        <translation>--increment darf nicht 0 sein</translation>
    </message>
    <message>
        <source>--if-exists prompt needs the window; use skip, overwrite or rename</source>
        <translation>--if-exists prompt braucht das Fenster; verwenden Sie skip, overwrite oder rename</translation>
    </message>
    <message>
        <source>the counter (the second word) is empty</source>
        <translation>der Zähler (das zweite Wort) ist leer</translation>
    </message>
    <message>
        <source>give one ADDRESS, or URL1 COUNTER URL3</source>
        <translation>geben Sie eine ADRESSE an oder URL1 ZÄHLER URL3</translation>
    </message>
    <message>
        <source>the address is empty</source>
        <translation>die Adresse ist leer</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses can be fetched</source>
        <translation>nur http://- und https://-Adressen können abgerufen werden</translation>
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
        <translation>Aufruf: quillop get ADRESSE [Optionen]
        quillop get URL1 ZÄHLER URL3 [Optionen]

Lädt eine nummerierte Bilderserie ohne Fenster herunter.
ADRESSE enthält einen Bereich in eckigen Klammern, etwa
https://x.org/g/pic[01-20].jpg oder pic[A-F].jpg, oder ist eine einfache
Adresse, deren letzte Ziffernfolge der Zähler ist; eine Adresse ohne Schema
bekommt https:// vorangestellt. Ein Bereich endet bei seinem letzten Wert,
ein Zähler aus Buchstaben bei Z (oder z).
Es gelten die gespeicherten Einstellungen; jede Option ersetzt ihre Einstellung
(in eckigen Klammern) nur für diesen Lauf, gespeichert wird nichts.

Optionen:
</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list of choices</comment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;</source>
        <translation>--%1 erwartet %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a directory</source>
        <translation>--%1: „%2“ ist kein Ordner</translation>
    </message>
    <message>
        <source>[socks5://][USER[:PASSWORD]@]HOST:PORT</source>
        <translation>[socks5://][BENUTZER[:PASSWORT]@]HOST:PORT</translation>
    </message>
    <message>
        <source>read the proxy password from the first line of FILE</source>
        <translation>das Proxy-Passwort aus der ersten Zeile von FILE lesen</translation>
    </message>
    <message>
        <source>--%1: the file &quot;%2&quot; is larger than %3 MiB</source>
        <translation>--%1: Die Datei „%2“ ist größer als %3 MiB</translation>
    </message>
    <message>
        <source>--proxy-password-file: cannot read the file &quot;%1&quot;: %2</source>
        <translation>--proxy-password-file: Die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>--proxy takes [socks5://][USER[:PASSWORD]@]HOST:PORT with a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>--proxy erwartet [socks5://][BENUTZER[:PASSWORT]@]HOST:PORT mit einem Port von 1 bis 65535, nicht „%1“</translation>
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
Ein in --proxy geschriebenes Passwort sieht jeder Benutzer des Rechners in der
Prozessliste, solange das Programm startet; --proxy-password-file oder die
Umgebungsvariable QUILLOP_PROXY_PASSWORD halten es verborgen. Keine Meldung
zeigt es an.

Je Versuch geht eine Protokollzeile auf die Standardausgabe (mit --json ein
JSON-Objekt); Fortschritt und Zusammenfassung gehen auf die
Standardfehlerausgabe.

Rückgabewert: 0 jeder Versuch hat ein Bild gespeichert oder übersprungen;
1 ein Versuch ist fehlgeschlagen oder war kein Bild; 2 ein Aufruffehler (nichts
abgerufen); 130 mit Strg+C oder SIGTERM angehalten (die begonnene Datei wird
entfernt); 141 wenn die Standardausgabe geschlossen wurde.
</translation>
    </message>
</context>
<context>
    <name>LoadSettings</name>
    <message>
        <source>Save path does not exist /n Setting save Path to Application Path</source>
        <translation>Der Speicherordner existiert nicht. Der Speicherordner wird auf den Programmordner gesetzt.</translation>
    </message>
    <message>
        <source>Log path does not exist /n Setting log Path to Application Path</source>
        <translation>Der Protokollordner existiert nicht. Der Protokollordner wird auf den Programmordner gesetzt.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>
Without a window, from a terminal or a script:

</source>
        <translation>
Ohne Fenster, aus einem Terminal oder einem Skript:

</translation>
    </message>
    <message>
        <source>Downloads a series of images whose addresses differ only in a running number or letter.</source>
        <translation>Lädt eine Serie von Bildern herunter, deren Adressen sich nur in einer fortlaufenden Nummer oder einem Buchstaben unterscheiden.</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>Get</source>
        <translation>Holen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Address before the counter</source>
        <translation>Adresse vor dem Zähler</translation>
    </message>
    <message>
        <source>Address after the counter</source>
        <translation>Adresse nach dem Zähler</translation>
    </message>
    <message>
        <source>Address band</source>
        <translation>Adressleiste</translation>
    </message>
    <message>
        <source>address up to the number</source>
        <translation>Adresse bis zur Nummer</translation>
    </message>
    <message>
        <source>01, A or 01-20</source>
        <translation>01, A oder 01-20</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The address up to the counter</source>
        <translation>Die Adresse bis zum Zähler</translation>
    </message>
    <message>
        <source>The rest of the address after the counter</source>
        <translation>Der Rest der Adresse nach dem Zähler</translation>
    </message>
    <message>
        <source>Next counter place</source>
        <translation>Nächste Zählerstelle</translation>
    </message>
    <message>
        <source>Count with the next number of the address (Alt+Right; Alt+Left goes back)</source>
        <translation>Mit der nächsten Zahl der Adresse zählen (Alt+Rechts; Alt+Links geht zurück)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open New Window</source>
        <translation>Neues Fenster öffnen</translation>
    </message>
    <message>
        <source>Start Engine</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop Engine</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>Eigene Größe</translation>
    </message>
    <message>
        <source>Iconize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Todays Log</source>
        <translation>Heutiges Protokoll</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Single file Download</source>
        <translation>Einzelne Datei herunterladen</translation>
    </message>
    <message>
        <source>Multiple file Download</source>
        <translation>Mehrere Dateien herunterladen</translation>
    </message>
    <message>
        <source>Close Window After Download</source>
        <translation>Fenster nach dem Download schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quillop</translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <source>There is no log for today yet:<byte value="xd"/>
%1</source>
        <translation>Für heute gibt es noch kein Protokoll:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Todays Log</source>
        <translation>Heutiges Protokoll</translation>
    </message>
    <message>
        <source>No program was found to show the log file:<byte value="xd"/>
%1</source>
        <translation>Es wurde kein Programm gefunden, das die Protokolldatei anzeigen kann:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The manual is not installed.</source>
        <translation>Das Handbuch ist nicht installiert.</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>No program was found to show the manual:<byte value="xd"/>
%1</source>
        <translation>Es wurde kein Programm gefunden, das das Handbuch anzeigen kann:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>OptionsPages</name>
    <message>
        <source>Option pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>     Save     </source>
        <translation>   Speichern   </translation>
    </message>
    <message>
        <source> Download </source>
        <translation> Download </translation>
    </message>
    <message>
        <source>Connection </source>
        <translation>Verbindung </translation>
    </message>
    <message>
        <source>      Log       </source>
        <translation>   Protokoll   </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Button band</source>
        <translation>Schaltflächenleiste</translation>
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
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Added text</source>
        <translation>Zusatztext</translation>
    </message>
    <message>
        <source>When saving downloaded files the text in the text box will be appended to beginning or end of file name</source>
        <translation>Beim Speichern heruntergeladener Dateien wird der Text aus dem Eingabefeld an den Anfang oder das Ende des Dateinamens gesetzt</translation>
    </message>
    <message>
        <source>to</source>
        <translation>an</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Select Head to append text to the begining</source>
        <translation>„Anfang“ wählen, um den Text vorne anzufügen</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Select tail to append text to the end</source>
        <translation>„Ende“ wählen, um den Text hinten anzufügen</translation>
    </message>
    <message>
        <source>of the file</source>
        <translation>des Dateinamens</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Select the save directory from below</source>
        <translation>Den Speicherordner unten auswählen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Browse for the save directory</source>
        <translation>Speicherordner suchen</translation>
    </message>
    <message>
        <source>Choose the save directory in the folder chooser</source>
        <translation>Den Speicherordner im Ordnerauswahldialog wählen</translation>
    </message>
    <message>
        <source>Save drive</source>
        <translation>Speicherlaufwerk</translation>
    </message>
    <message>
        <source>Select Save Drive</source>
        <translation>Speicherlaufwerk wählen</translation>
    </message>
    <message>
        <source>Select Save Directory</source>
        <translation>Speicherordner wählen</translation>
    </message>
    <message>
        <source>If file name exists</source>
        <translation>Wenn der Dateiname existiert</translation>
    </message>
    <message>
        <source>Skip Saving</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Nachfragen</translation>
    </message>
    <message>
        <source>Rename &amp;&amp; Save</source>
        <translation>Umbenennen &amp;&amp; speichern</translation>
    </message>
    <message>
        <source>(Including failed attempts)</source>
        <translation>(einschließlich fehlgeschlagener Versuche)</translation>
    </message>
    <message>
        <source>Charector Mode</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Number Mode</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>(This parameter is used for both Cheractor mode increments and Number mode increments</source>
        <translation>(Gilt für das Zählen mit Buchstaben und mit Zahlen)</translation>
    </message>
    <message>
        <source>Column divider</source>
        <translation>Spaltentrenner</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Select if use a proxy server</source>
        <translation>Wählen, wenn Sie einen Proxyserver verwenden</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Select if you directly dial in the Internet</source>
        <translation>Wählen, wenn Sie sich direkt mit dem Internet verbinden</translation>
    </message>
    <message>
        <source>Proxy details</source>
        <translation>Proxydaten</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Select if the proxy is an HTTP proxy</source>
        <translation>Wählen, wenn es ein HTTP-Proxy ist</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Select if the proxy is a SOCKS5 proxy; it then also looks up the server names</source>
        <translation>Wählen, wenn es ein SOCKS5-Proxy ist; er löst dann auch die Servernamen auf</translation>
    </message>
    <message>
        <source>Request details</source>
        <translation>Anfragedaten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Send no referring page</source>
        <translation>Keine verweisende Seite senden</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Send the picture&apos;s address up to its last &quot;/&quot;</source>
        <translation>Die Adresse des Bildes bis zum letzten „/“ senden</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigener</translation>
    </message>
    <message>
        <source>Send the address typed in the box beside</source>
        <translation>Die im Feld daneben eingegebene Adresse senden</translation>
    </message>
    <message>
        <source>The referring page sent with every request</source>
        <translation>Die verweisende Seite, die mit jeder Anfrage gesendet wird</translation>
    </message>
    <message>
        <source>Custom referer</source>
        <translation>Eigener Referer</translation>
    </message>
    <message>
        <source>Browse for the cookie file</source>
        <translation>Cookie-Datei suchen</translation>
    </message>
    <message>
        <source>Choose the cookie file in the file chooser</source>
        <translation>Die Cookie-Datei im Dateiauswahldialog wählen</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>Zertifikatsdatei suchen</translation>
    </message>
    <message>
        <source>Choose the certificate file in the file chooser</source>
        <translation>Die Zertifikatsdatei im Dateiauswahldialog wählen</translation>
    </message>
    <message>
        <source>Select yes to log downloads</source>
        <translation>„Ja“ wählen, um Downloads zu protokollieren</translation>
    </message>
    <message>
        <source>Select No if you do not need a log file</source>
        <translation>„Nein“ wählen, wenn Sie keine Protokolldatei brauchen</translation>
    </message>
    <message>
        <source>Log directory</source>
        <translation>Protokollordner</translation>
    </message>
    <message>
        <source>Select the directory from below. The file name is selected by the system. A new log file will be created each new day with the date as the file name. This option is visible only when the yes is selected logging option</source>
        <translation>Den Ordner unten auswählen. Den Dateinamen wählt das Programm: Jeden Tag entsteht eine neue Protokolldatei mit dem Datum als Namen. Nur sichtbar, wenn das Protokollieren auf „Ja“ steht</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>Browse for the log directory</source>
        <translation>Protokollordner suchen</translation>
    </message>
    <message>
        <source>Choose the log directory in the folder chooser</source>
        <translation>Den Protokollordner im Ordnerauswahldialog wählen</translation>
    </message>
    <message>
        <source>Log drive</source>
        <translation>Protokolllaufwerk</translation>
    </message>
    <message>
        <source>Slect Log Drive</source>
        <translation>Protokolllaufwerk wählen</translation>
    </message>
    <message>
        <source>Select Log Directory</source>
        <translation>Protokollordner wählen</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>page</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>page</comment>
        <translation>Download</translation>
    </message>
    <message>
        <source>Connection</source>
        <comment>page</comment>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Log</source>
        <comment>page</comment>
        <translation>Protokoll</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
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
        <translation>Versuch des Laufs</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Aktuelle Datei</translation>
    </message>
    <message>
        <source>Bytes of the file arriving now</source>
        <translation>Empfangene Bytes der aktuellen Datei</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>RunSetup</name>
    <message>
        <source>the range &quot;%1&quot; is of numbers, but the counter counts letters</source>
        <translation>der Bereich „%1“ besteht aus Zahlen, der Zähler zählt aber Buchstaben</translation>
    </message>
    <message>
        <source>the save directory &quot;%1&quot; does not exist; give --save-dir</source>
        <translation>der Speicherordner „%1“ existiert nicht; geben Sie --save-dir an</translation>
    </message>
    <message>
        <source>the log directory &quot;%1&quot; does not exist; give --log-dir or --no-log</source>
        <translation>der Protokollordner „%1“ existiert nicht; geben Sie --log-dir oder --no-log an</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; would be created</source>
        <translation>der Ordner „%1“ würde angelegt</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>created the folder &quot;%1&quot;</source>
        <translation>Ordner „%1“ angelegt</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>fetch the one address only</source>
        <translation>nur die eine Adresse abrufen</translation>
    </message>
    <message>
        <source>Max downloads </source>
        <translation>Max. Downloads </translation>
    </message>
    <message>
        <source>Max number of image downloads  to be attempted.  Once the limit is reached the attempts will stop.</source>
        <translation>Höchstzahl der Downloadversuche. Ist sie erreicht, hören die Versuche auf.</translation>
    </message>
    <message>
        <source>Error : Max Downloads Has to be a Number</source>
        <translation>Fehler: Die Höchstzahl der Downloads muss eine Zahl sein</translation>
    </message>
    <message>
        <source>make at most N attempts</source>
        <translation>höchstens N Versuche</translation>
    </message>
    <message>
        <source>Increment Mode</source>
        <translation>Zählweise</translation>
    </message>
    <message>
        <source>: Some image series increase by characters e.g.  A,B,C,D etc. For such series change the mode to character. The Input Box 2 on the main screen will change to Numeric to Character. and vice versa</source>
        <translation>Manche Bilderserien zählen mit Buchstaben, z. B. A, B, C, D usw. Stellen Sie für solche Serien die Zählweise auf Buchstaben um. Feld 2 im Hauptfenster wechselt dann von Zahlen zu Buchstaben und umgekehrt.</translation>
    </message>
    <message>
        <source>the counter counts letters</source>
        <translation>der Zähler zählt Buchstaben</translation>
    </message>
    <message>
        <source>the counter counts numbers</source>
        <translation>der Zähler zählt Zahlen</translation>
    </message>
    <message>
        <source>Increment by</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Usually the increment step is 1.  But Sometimes you may find the increments are by 3 or 4 etc</source>
        <translation>Meist ist die Schrittweite 1, manchmal aber auch 3, 4 usw.</translation>
    </message>
    <message>
        <source>Error : Increment Has to be a Number</source>
        <translation>Fehler: Die Schrittweite muss eine Zahl sein</translation>
    </message>
    <message>
        <source>step the counter by N (not 0)</source>
        <translation>den Zähler um N weiterzählen (nicht 0)</translation>
    </message>
    <message>
        <source>Add Charactors</source>
        <translation>Zeichen anfügen</translation>
    </message>
    <message>
        <source>add TEXT to each saved name</source>
        <translation>TEXT an jeden gespeicherten Namen anfügen</translation>
    </message>
    <message>
        <source>where the text goes: start or end</source>
        <translation>wohin der Text kommt: start oder end</translation>
    </message>
    <message>
        <source>Pause between downloads in seconds</source>
        <translation>Pause zwischen Downloads in Sekunden</translation>
    </message>
    <message>
        <source>Error : Pause time has be a positive Number</source>
        <translation>Fehler: Die Pause muss eine positive Zahl sein</translation>
    </message>
    <message>
        <source>pause between attempts</source>
        <translation>Pause zwischen den Versuchen</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Select the save directory</source>
        <translation>Den Speicherordner wählen</translation>
    </message>
    <message>
        <source>save the pictures in DIR</source>
        <translation>die Bilder in DIR speichern</translation>
    </message>
    <message>
        <source>If file name exists</source>
        <translation>Wenn der Dateiname existiert</translation>
    </message>
    <message>
        <source>If the name of the file exists what application should do</source>
        <translation>Was das Programm tun soll, wenn es den Dateinamen schon gibt</translation>
    </message>
    <message>
        <source>skip, overwrite or rename an existing file</source>
        <translation>bei vorhandener Datei: skip, overwrite oder rename</translation>
    </message>
    <message>
        <source>I use a proxy server to connect to internet</source>
        <translation>Ich verbinde mich über einen Proxyserver mit dem Internet</translation>
    </message>
    <message>
        <source>If you are using a proxy server select yes and fill details of the proxy</source>
        <translation>Wenn Sie einen Proxyserver verwenden, wählen Sie „Ja“ und geben Sie die Proxydaten ein</translation>
    </message>
    <message>
        <source>connect directly</source>
        <translation>direkt verbinden</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>enter the server name or the IP address. This option is visible only when the yes is selected for the proxy server</source>
        <translation>Den Servernamen oder die IP-Adresse eingeben. Nur sichtbar, wenn beim Proxyserver „Ja“ gewählt ist</translation>
    </message>
    <message>
        <source>Http Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>: Enter the port which the proxy is running on the server. Usually this port is 80.  This option is visible only when the yes is selected for the proxy server.</source>
        <translation>Den Port eingeben, auf dem der Proxy läuft; meist ist das 80. Nur sichtbar, wenn beim Proxyserver „Ja“ gewählt ist.</translation>
    </message>
    <message>
        <source>Error : Http Port Number Has to be a Number</source>
        <translation>Fehler: Der Port muss eine Zahl sein</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>In Datei protokollieren</translation>
    </message>
    <message>
        <source>If you need to log the file download attempts you may select yes option</source>
        <translation>Wählen Sie „Ja“, wenn die Downloadversuche protokolliert werden sollen</translation>
    </message>
    <message>
        <source>write no daily log</source>
        <translation>kein Tagesprotokoll schreiben</translation>
    </message>
    <message>
        <source>write the daily log in DIR</source>
        <translation>das Tagesprotokoll in DIR schreiben</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Proxytyp</translation>
    </message>
    <message>
        <source>The kind of proxy server: an HTTP proxy or a SOCKS5 proxy</source>
        <translation>Die Art des Proxyservers: ein HTTP- oder ein SOCKS5-Proxy</translation>
    </message>
    <message>
        <source>Proxy user</source>
        <translation>Proxy-Benutzer</translation>
    </message>
    <message>
        <source>The user name the proxy asks for; leave it empty when the proxy asks for none</source>
        <translation>Der Benutzername, den der Proxy verlangt; leer lassen, wenn er keinen verlangt</translation>
    </message>
    <message>
        <source>Proxy password</source>
        <translation>Proxy-Passwort</translation>
    </message>
    <message>
        <source>The password of the proxy user</source>
        <translation>Das Passwort des Proxy-Benutzers</translation>
    </message>
    <message>
        <source>User-Agent</source>
        <translation>User-Agent</translation>
    </message>
    <message>
        <source>How the program names itself to the servers</source>
        <translation>Wie sich das Programm bei den Servern ausweist</translation>
    </message>
    <message>
        <source>the User-Agent sent</source>
        <translation>der gesendete User-Agent</translation>
    </message>
    <message>
        <source>Referer</source>
        <translation>Referer</translation>
    </message>
    <message>
        <source>The page the requests say they come from: none, the address of the picture up to its last &quot;/&quot;, or the address typed here</source>
        <translation>Die Seite, von der die Anfragen zu kommen angeben: keine, die Adresse des Bildes bis zum letzten „/“ oder die hier eingegebene Adresse</translation>
    </message>
    <message>
        <source>auto or an address to send as Referer</source>
        <translation>auto oder eine Adresse, die als Referer gesendet wird</translation>
    </message>
    <message>
        <source>Cookie file</source>
        <translation>Cookie-Datei</translation>
    </message>
    <message>
        <source>A cookies.txt file whose cookies are sent with the requests; empty for none</source>
        <translation>Eine cookies.txt-Datei, deren Cookies mit den Anfragen gesendet werden; leer für keine</translation>
    </message>
    <message>
        <source>send the cookies of a cookies.txt file</source>
        <translation>die Cookies einer cookies.txt-Datei senden</translation>
    </message>
    <message>
        <source>Certificate (CA) file</source>
        <translation>Zertifikatsdatei (CA)</translation>
    </message>
    <message>
        <source>A PEM file of certificate authorities to trust besides the system&apos;s; empty for none</source>
        <translation>Eine PEM-Datei mit Zertifizierungsstellen, denen zusätzlich zu denen des Systems vertraut wird; leer für keine</translation>
    </message>
    <message>
        <source>also trust the authorities in a PEM file</source>
        <translation>auch den Zertifizierungsstellen einer PEM-Datei vertrauen</translation>
    </message>
    <message>
        <source>End the run after this many pictures in a row were not found or were no picture. 0 never ends it early.</source>
        <translation>Den Lauf beenden, wenn so viele Bilder in Folge nicht gefunden wurden oder keine Bilder waren. Bei 0 endet er nie vorzeitig.</translation>
    </message>
    <message>
        <source>Error : Misses in a row Has to be a Number</source>
        <translation>Fehler: Die Fehlversuche in Folge müssen eine Zahl sein</translation>
    </message>
    <message>
        <source>end after N misses in a row</source>
        <translation>nach N Fehlversuchen in Folge aufhören</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>How many more times a download is tried when it failed for a passing reason, such as a timeout or a reset connection.</source>
        <translation>Wie oft ein Download erneut versucht wird, der aus einem vorübergehenden Grund fehlschlug, etwa einer Zeitüberschreitung oder einer zurückgesetzten Verbindung.</translation>
    </message>
    <message>
        <source>Error : Retries Has to be a Number</source>
        <translation>Fehler: Die Wiederholungen müssen eine Zahl sein</translation>
    </message>
    <message>
        <source>try a passing failure N more times</source>
        <translation>einen vorübergehenden Fehler N-mal wiederholen</translation>
    </message>
    <message>
        <source>Error : The cookie file cannot be read</source>
        <translation>Fehler: Die Cookie-Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Error : The certificate file cannot be read</source>
        <translation>Fehler: Die Zertifikatsdatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Stop after misses in a row (0 = never)</source>
        <translation>Nach Fehlversuchen in Folge aufhören (0 = nie)</translation>
    </message>
    <message>
        <source>Pictures at once</source>
        <translation>Bilder gleichzeitig</translation>
    </message>
    <message>
        <source>How many pictures are fetched at the same time (1 to 16). They are still saved, shown and logged in the order of the series.</source>
        <translation>Wie viele Bilder gleichzeitig abgerufen werden (1 bis 16). Gespeichert, angezeigt und protokolliert werden sie trotzdem in der Reihenfolge der Serie.</translation>
    </message>
    <message>
        <source>Error : Pictures at once Has to be 1 to 16</source>
        <translation>Fehler: Bilder gleichzeitig muss zwischen 1 und 16 liegen</translation>
    </message>
    <message>
        <source>fetch up to N pictures at once</source>
        <translation>bis zu N Bilder gleichzeitig abrufen</translation>
    </message>
</context>
<context>
    <name>ShownTexts</name>
    <message>
        <source>Opening : %1</source>
        <translation>Wird geöffnet: %1</translation>
    </message>
    <message>
        <source>Opened  : %1</source>
        <translation>Geöffnet: %1</translation>
    </message>
    <message>
        <source>Waiting : %1 s, the server asked to slow down</source>
        <translation>Warten: %1 s, der Server bittet um langsamere Abrufe</translation>
    </message>
    <message>
        <source>Failed   : %1 (%2)</source>
        <translation>Fehlgeschlagen: %1 (%2)</translation>
    </message>
    <message>
        <source>could not save to %1: %2</source>
        <translation>konnte nicht in %1 speichern: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n saved</source>
        <translation>
            <numerusform>%n gespeichert</numerusform>
            <numerusform>%n gespeichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not images</source>
        <translation>
            <numerusform>%n kein Bild</numerusform>
            <numerusform>%n keine Bilder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between two counts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>downloading completed (%1)</source>
        <translation>Fertig (%1)</translation>
    </message>
    <message>
        <source>downloading completed (%1; %2)</source>
        <comment>%1: the counts, %2: why the run ended early</comment>
        <translation>Fertig (%1; %2)</translation>
    </message>
    <message>
        <source>current file : %1</source>
        <translation>aktuelle Datei: %1</translation>
    </message>
    <message>
        <source>current file : None</source>
        <translation>aktuelle Datei: keine</translation>
    </message>
    <message>
        <source>File Exists. Enter a new Name without the extension. <byte value="xd"/>
click cancel to skip saving this file</source>
        <translation>Die Datei existiert bereits. Geben Sie einen neuen Namen ohne Endung ein.<byte value="xd"/>
Klicken Sie auf „Abbrechen“, um diese Datei nicht zu speichern.</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>connection reset</source>
        <translation>Verbindung zurückgesetzt</translation>
    </message>
    <message>
        <source>connection closed before the whole body arrived</source>
        <translation>Verbindung geschlossen, bevor alle Daten ankamen</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Server nicht gefunden</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>malformed response from the server</source>
        <translation>fehlerhafte Antwort des Servers</translation>
    </message>
    <message>
        <source>response head too large</source>
        <translation>Antwortkopf zu groß</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>redirect to a less secure address refused</source>
        <translation>Weiterleitung auf eine weniger sichere Adresse abgelehnt</translation>
    </message>
    <message>
        <source>not an http address</source>
        <translation>keine HTTP-Adresse</translation>
    </message>
    <message>
        <source>malformed address</source>
        <translation>fehlerhafte Adresse</translation>
    </message>
    <message>
        <source>malformed proxy address</source>
        <translation>fehlerhafte Proxy-Adresse</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>Proxy nicht gefunden</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>Proxy hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>proxy requires a login</source>
        <translation>Proxy verlangt eine Anmeldung</translation>
    </message>
    <message>
        <source>proxy refused the login</source>
        <translation>Proxy hat die Anmeldung abgelehnt</translation>
    </message>
    <message>
        <source>proxy error: %1</source>
        <translation>Proxy-Fehler: %1</translation>
    </message>
    <message>
        <source>TLS error: could not read the CA file: %1</source>
        <translation>TLS-Fehler: Die CA-Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>TLS error: %1</source>
        <translation>TLS-Fehler: %1</translation>
    </message>
    <message>
        <source>could not read the cookie file: %1</source>
        <translation>Die Cookie-Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>could not write: %1</source>
        <translation>Schreiben fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>Netzwerkfehler %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the file exists</source>
        <translation>die Datei existiert bereits</translation>
    </message>
    <message>
        <source>saving is off</source>
        <translation>Speichern ist ausgeschaltet</translation>
    </message>
    <message>
        <source>not an image (%1)</source>
        <translation>kein Bild (%1)</translation>
    </message>
    <message>
        <source>no content type</source>
        <translation>kein Inhaltstyp</translation>
    </message>
    <message>
        <source>no response body was received</source>
        <translation>es kam kein Antwortinhalt an</translation>
    </message>
    <message>
        <source>no save directory is set</source>
        <translation>kein Speicherordner festgelegt</translation>
    </message>
    <message>
        <source>no temporary file could be created</source>
        <translation>es konnte keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>the existing file is read-only</source>
        <translation>die vorhandene Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file name contains a path separator</source>
        <translation>der Dateiname enthält ein Pfadtrennzeichen</translation>
    </message>
    <message>
        <source>the file name contains a control character</source>
        <translation>der Dateiname enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the file name is longer than %1 bytes</source>
        <translation>der Dateiname ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>the file name is reserved for temporary files</source>
        <translation>der Dateiname ist für temporäre Dateien reserviert</translation>
    </message>
    <message>
        <source>the counter is empty</source>
        <translation>der Zähler ist leer</translation>
    </message>
    <message>
        <source>the counter &quot;%1&quot; is not a number</source>
        <translation>der Zähler „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>the counter %1 is outside -32768 to 32767</source>
        <translation>der Zähler %1 liegt außerhalb von -32768 bis 32767</translation>
    </message>
    <message>
        <source>the next counter %1 would be outside -32768 to 32767</source>
        <translation>der nächste Zählerstand %1 läge außerhalb von -32768 bis 32767</translation>
    </message>
    <message>
        <source>the counter &quot;%1&quot; is not a single-byte character</source>
        <translation>der Zähler „%1“ ist kein Ein-Byte-Zeichen</translation>
    </message>
    <message>
        <source>the next counter would be outside character codes 0 to 255</source>
        <translation>der nächste Zählerstand läge außerhalb der Zeichencodes 0 bis 255</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; cannot be reached with increment %2</source>
        <translation>der Bereich „%1“ ist mit der Schrittweite %2 nicht erreichbar</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; is of letters, but the counter counts numbers</source>
        <translation>der Bereich „%1“ besteht aus Buchstaben, der Zähler zählt aber Zahlen</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; mixes upper and lower case</source>
        <translation>der Bereich „%1“ mischt Groß- und Kleinbuchstaben</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; goes outside -32768 to 32767</source>
        <translation>der Bereich „%1“ reicht über -32768 bis 32767 hinaus</translation>
    </message>
    <message>
        <source>the series ended after 1 miss</source>
        <translation>die Serie endete nach 1 Fehlversuch</translation>
    </message>
    <message numerus="yes">
        <source>the series ended after %n misses</source>
        <translation>
            <numerusform>die Serie endete nach %n Fehlversuch</numerusform>
            <numerusform>die Serie endete nach %n Fehlversuchen</numerusform>
        </translation>
    </message>
    <message>
        <source>timed out (too slow)</source>
        <translation>Zeitüberschreitung (zu langsam)</translation>
    </message>
    <message>
        <source>not an HTTP response</source>
        <translation>keine HTTP-Antwort</translation>
    </message>
    <message>
        <source>empty response (%1)</source>
        <translation>leere Antwort (%1)</translation>
    </message>
    <message>
        <source>nowhere to write</source>
        <translation>kein Ziel zum Schreiben</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>es wurde kein Ordner angegeben</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>größer als %1 MiB</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; mixes letters and digits</source>
        <translation>der Bereich „%1“ mischt Buchstaben und Ziffern</translation>
    </message>
    <message>
        <source>the range &quot;[%1&quot; has no closing bracket</source>
        <translation>dem Bereich „[%1“ fehlt die schließende Klammer</translation>
    </message>
    <message>
        <source>the range &quot;[%1]&quot; is neither two numbers nor two letters, as in [01-20] or [A-F]</source>
        <translation>der Bereich „[%1]“ besteht weder aus zwei Zahlen noch aus zwei Buchstaben wie [01-20] oder [A-F]</translation>
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
            <numerusform>%n läuft</numerusform>
            <numerusform>%n laufen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Currebt File Status</source>
        <translation>Status der aktuellen Datei</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>TabStrip</name>
    <message>
        <source>Page contents</source>
        <translation>Seiteninhalt</translation>
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
        <translation>Versuch %1 von %2</translation>
    </message>
    <message>
        <source>attempt %1</source>
        <translation>Versuch %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
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
        <translation>warte %1 s: der Server bittet um langsamere Abrufe</translation>
    </message>
    <message>
        <source>trying %1 again (%2), %3 of %4</source>
        <translation>neuer Versuch für %1 (%2), %3 von %4</translation>
    </message>
</context>
</TS>
