<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutText</name>
    <message>
        <source>and so on. Fill in the boxes like this:</source>
        <translation>et ainsi de suite. Remplissez les champs ainsi :</translation>
    </message>
    <message>
        <source>Box 1: %1</source>
        <translation>Champ 1 : %1</translation>
    </message>
    <message>
        <source>Box 2: %1</source>
        <translation>Champ 2 : %1</translation>
    </message>
    <message>
        <source>Box 3: %1</source>
        <translation>Champ 3 : %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Quillop is freeware. Its manual opens from the Help menu; beyond that, everything is meant to explain itself.</source>
        <translation>Quillop est un graticiel. Son manuel s’ouvre depuis le menu Aide ; pour le reste, tout est censé s’expliquer de lui-même.</translation>
    </message>
    <message>
        <source>Quillop downloads pictures whose names run in a sequence, for example:</source>
        <translation>Quillop télécharge des images dont les noms se suivent, par exemple :</translation>
    </message>
    <message>
        <source>When something follows the number:</source>
        <translation>Quand quelque chose suit le numéro :</translation>
    </message>
    <message>
        <source>When the number is part of a directory name:</source>
        <translation>Quand le numéro fait partie d’un nom de dossier :</translation>
    </message>
    <message>
        <source>When a letter does the counting:</source>
        <translation>Quand c’est une lettre qui compte :</translation>
    </message>
    <message>
        <source>The number or letter in box 2 is incremented after each file.</source>
        <translation>Le numéro ou la lettre du champ 2 augmente après chaque fichier.</translation>
    </message>
    <message>
        <source>Comments, questions and suggestions are always welcome. Later versions will be announced with the program itself.</source>
        <translation>Commentaires, questions et suggestions sont toujours les bienvenus. Les versions suivantes seront annoncées dans le programme lui-même.</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY</source>
        <translation>EXCLUSION DE GARANTIE</translation>
    </message>
    <message>
        <source>This software is freeware and is provided as it is, without any warranty that it is fit for any purpose, and without liability for any loss or damage that its use may cause. It is not a supported product: there is no commitment to address problems with it.</source>
        <translation>Ce logiciel est un graticiel fourni tel quel, sans aucune garantie d’adéquation à un usage quelconque et sans responsabilité pour toute perte ou tout dommage que son utilisation pourrait causer. Ce n’est pas un produit pris en charge : rien n’oblige à en corriger les problèmes.</translation>
    </message>
    <message>
        <source>MAINTENANCE</source>
        <translation>MAINTENANCE</translation>
    </message>
    <message>
        <source>There is no obligation to provide maintenance or updates. Any maintenance or updates that are provided fall under these same terms.</source>
        <translation>Il n’y a aucune obligation de fournir maintenance ou mises à jour. Toute maintenance ou mise à jour fournie relève de ces mêmes conditions.</translation>
    </message>
    <message>
        <source>en-GB</source>
        <comment>the language of this translation, as a BCP 47 tag</comment>
        <translation>fr</translation>
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
        <translation>Créer le dossier %1 ?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Quillop</source>
        <translation>À propos de Quillop</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Informations système…</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>The system is in middle of a download. This application will<byte value="xd"/>
terminate once the current connection is cleaned<byte value="xd"/>
Click OK</source>
        <translation>Un téléchargement est en cours. Le programme se fermera<byte value="xd"/>
dès que la connexion en cours sera terminée.<byte value="xd"/>
Cliquez sur OK.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Engine Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>System is busy</source>
        <translation>Programme occupé</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Quillop Options</source>
        <translation>Options de Quillop</translation>
    </message>
    <message>
        <source>Messages about the entries of this dialog</source>
        <translation>Messages sur les saisies de cette boîte de dialogue</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>Log directory</source>
        <translation>Dossier du journal</translation>
    </message>
    <message>
        <source>Cookie file</source>
        <translation>Fichier de cookies</translation>
    </message>
    <message>
        <source>Certificate (CA) file</source>
        <translation>Fichier de certificats (CA)</translation>
    </message>
</context>
<context>
    <name>GetCommand</name>
    <message>
        <source>Try &apos;quillop get --help&apos;.</source>
        <translation>Essayez « quillop get --help ».</translation>
    </message>
</context>
<context>
    <name>GetOptions</name>
    <message>
        <source>show what each attempt would do; fetch nothing</source>
        <translation>montrer ce que ferait chaque tentative, sans rien récupérer</translation>
    </message>
    <message>
        <source>print nothing but errors</source>
        <translation>n’afficher que les erreurs</translation>
    </message>
    <message>
        <source>one JSON object per attempt, not the log line</source>
        <translation>un objet JSON par tentative au lieu de la ligne de journal</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 attend un nombre entier de %2 à %3, pas « %4 »</translation>
    </message>
    <message>
        <source>--%1: cannot read the file &quot;%2&quot;</source>
        <translation>--%1 : impossible de lire le fichier « %2 »</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 et --%2 s’excluent mutuellement</translation>
    </message>
    <message>
        <source>--increment cannot be 0</source>
        <translation>--increment ne peut pas valoir 0</translation>
    </message>
    <message>
        <source>--if-exists prompt needs the window; use skip, overwrite or rename</source>
        <translation>--if-exists prompt nécessite la fenêtre ; utilisez skip, overwrite ou rename</translation>
    </message>
    <message>
        <source>the counter (the second word) is empty</source>
        <translation>le compteur (le deuxième mot) est vide</translation>
    </message>
    <message>
        <source>give one ADDRESS, or URL1 COUNTER URL3</source>
        <translation>indiquez une ADRESSE, ou URL1 COMPTEUR URL3</translation>
    </message>
    <message>
        <source>the address is empty</source>
        <translation>l’adresse est vide</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses can be fetched</source>
        <translation>seules les adresses http:// et https:// peuvent être récupérées</translation>
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
        <translation>Usage : quillop get ADRESSE [options]
        quillop get URL1 COMPTEUR URL3 [options]

Télécharge une série numérotée d’images sans fenêtre.
ADRESSE contient une plage entre crochets, comme https://x.org/g/pic[01-20].jpg
ou pic[A-F].jpg, ou bien est une adresse simple dont la dernière suite de
chiffres est le compteur ; une adresse sans schéma reçoit https:// devant.
Une plage arrête la série à sa dernière valeur, un compteur de lettres à Z
(ou z).
Les réglages enregistrés s’appliquent ; chaque option remplace son réglage
(entre crochets) pour cette exécution seulement, et rien n’est enregistré.

Options :
</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list of choices</comment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;</source>
        <translation>--%1 attend %2, pas « %3 »</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a directory</source>
        <translation>--%1 : « %2 » n’est pas un dossier</translation>
    </message>
    <message>
        <source>[socks5://][USER[:PASSWORD]@]HOST:PORT</source>
        <translation>[socks5://][UTILISATEUR[:MOTDEPASSE]@]HÔTE:PORT</translation>
    </message>
    <message>
        <source>read the proxy password from the first line of FILE</source>
        <translation>lire le mot de passe du proxy dans la première ligne de FILE</translation>
    </message>
    <message>
        <source>--%1: the file &quot;%2&quot; is larger than %3 MiB</source>
        <translation>--%1 : le fichier « %2 » dépasse %3 Mio</translation>
    </message>
    <message>
        <source>--proxy-password-file: cannot read the file &quot;%1&quot;: %2</source>
        <translation>--proxy-password-file : impossible de lire le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>--proxy takes [socks5://][USER[:PASSWORD]@]HOST:PORT with a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>--proxy attend [socks5://][UTILISATEUR[:MOTDEPASSE]@]HÔTE:PORT avec un port de 1 à 65535, pas « %1 »</translation>
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
Un mot de passe écrit dans --proxy est visible de tout utilisateur de la
machine dans la liste des processus pendant le démarrage du programme ;
--proxy-password-file ou la variable d’environnement QUILLOP_PROXY_PASSWORD
le gardent caché. Aucun message ne l’affiche.

Une ligne de journal par tentative va sur la sortie standard (un objet JSON
avec --json) ; la progression et le résumé vont sur la sortie d’erreur.

Code de sortie : 0 chaque tentative a enregistré ou ignoré une image ; 1 une
tentative a échoué ou n’était pas une image ; 2 une erreur d’utilisation (rien
n’est récupéré) ; 130 arrêt par Ctrl+C ou SIGTERM (le fichier en cours est
supprimé) ; 141 quand la sortie standard a été fermée.
</translation>
    </message>
</context>
<context>
    <name>LoadSettings</name>
    <message>
        <source>Save path does not exist /n Setting save Path to Application Path</source>
        <translation>Le dossier d’enregistrement n’existe pas. Il est remplacé par le dossier du programme.</translation>
    </message>
    <message>
        <source>Log path does not exist /n Setting log Path to Application Path</source>
        <translation>Le dossier du journal n’existe pas. Il est remplacé par le dossier du programme.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>
Without a window, from a terminal or a script:

</source>
        <translation>
Sans fenêtre, depuis un terminal ou un script :

</translation>
    </message>
    <message>
        <source>Downloads a series of images whose addresses differ only in a running number or letter.</source>
        <translation>Télécharge une série d’images dont les adresses ne diffèrent que par un numéro ou une lettre qui se suivent.</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>Get</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Address before the counter</source>
        <translation>Adresse avant le compteur</translation>
    </message>
    <message>
        <source>Address after the counter</source>
        <translation>Adresse après le compteur</translation>
    </message>
    <message>
        <source>Address band</source>
        <translation>Bande d’adresse</translation>
    </message>
    <message>
        <source>address up to the number</source>
        <translation>adresse jusqu’au numéro</translation>
    </message>
    <message>
        <source>01, A or 01-20</source>
        <translation>01, A ou 01-20</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>The address up to the counter</source>
        <translation>L’adresse jusqu’au compteur</translation>
    </message>
    <message>
        <source>The rest of the address after the counter</source>
        <translation>La suite de l’adresse après le compteur</translation>
    </message>
    <message>
        <source>Next counter place</source>
        <translation>Emplacement de compteur suivant</translation>
    </message>
    <message>
        <source>Count with the next number of the address (Alt+Right; Alt+Left goes back)</source>
        <translation>Compter avec le nombre suivant de l’adresse (Alt+Droite ; Alt+Gauche pour revenir)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open New Window</source>
        <translation>Ouvrir une nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Start Engine</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop Engine</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>Taille personnalisée</translation>
    </message>
    <message>
        <source>Iconize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Todays Log</source>
        <translation>Journal du jour</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Modifier les options</translation>
    </message>
    <message>
        <source>Single file Download</source>
        <translation>Télécharger un seul fichier</translation>
    </message>
    <message>
        <source>Multiple file Download</source>
        <translation>Télécharger plusieurs fichiers</translation>
    </message>
    <message>
        <source>Close Window After Download</source>
        <translation>Fermer la fenêtre après le téléchargement</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <source>There is no log for today yet:<byte value="xd"/>
%1</source>
        <translation>Il n’y a pas encore de journal pour aujourd’hui :<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Todays Log</source>
        <translation>Journal du jour</translation>
    </message>
    <message>
        <source>No program was found to show the log file:<byte value="xd"/>
%1</source>
        <translation>Aucun programme n’a été trouvé pour afficher le fichier journal :<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The manual is not installed.</source>
        <translation>Le manuel n’est pas installé.</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>No program was found to show the manual:<byte value="xd"/>
%1</source>
        <translation>Aucun programme n’a été trouvé pour afficher le manuel :<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>OptionsPages</name>
    <message>
        <source>Option pages</source>
        <translation>Pages d’options</translation>
    </message>
    <message>
        <source>     Save     </source>
        <translation>  Enregistrement  </translation>
    </message>
    <message>
        <source> Download </source>
        <translation> Téléchargement </translation>
    </message>
    <message>
        <source>Connection </source>
        <translation>Connexion </translation>
    </message>
    <message>
        <source>      Log       </source>
        <translation>   Journal   </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Button band</source>
        <translation>Barre de boutons</translation>
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
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Added text</source>
        <translation>Texte ajouté</translation>
    </message>
    <message>
        <source>When saving downloaded files the text in the text box will be appended to beginning or end of file name</source>
        <translation>À l’enregistrement des fichiers téléchargés, le texte de ce champ est ajouté au début ou à la fin du nom de fichier</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>début</translation>
    </message>
    <message>
        <source>Select Head to append text to the begining</source>
        <translation>Choisissez « début » pour ajouter le texte au début</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>Select tail to append text to the end</source>
        <translation>Choisissez « fin » pour ajouter le texte à la fin</translation>
    </message>
    <message>
        <source>of the file</source>
        <translation>du nom de fichier</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Dossier d’enregistrement</translation>
    </message>
    <message>
        <source>Select the save directory from below</source>
        <translation>Choisissez le dossier d’enregistrement ci-dessous</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Browse for the save directory</source>
        <translation>Rechercher le dossier d’enregistrement</translation>
    </message>
    <message>
        <source>Choose the save directory in the folder chooser</source>
        <translation>Choisir le dossier d’enregistrement dans le sélecteur de dossiers</translation>
    </message>
    <message>
        <source>Save drive</source>
        <translation>Lecteur d’enregistrement</translation>
    </message>
    <message>
        <source>Select Save Drive</source>
        <translation>Choisissez le lecteur d’enregistrement</translation>
    </message>
    <message>
        <source>Select Save Directory</source>
        <translation>Choisissez le dossier d’enregistrement</translation>
    </message>
    <message>
        <source>If file name exists</source>
        <translation>Si le nom de fichier existe</translation>
    </message>
    <message>
        <source>Skip Saving</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Demander</translation>
    </message>
    <message>
        <source>Rename &amp;&amp; Save</source>
        <translation>Renommer &amp;&amp; enregistrer</translation>
    </message>
    <message>
        <source>(Including failed attempts)</source>
        <translation>(tentatives échouées comprises)</translation>
    </message>
    <message>
        <source>Charector Mode</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>Number Mode</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>(This parameter is used for both Cheractor mode increments and Number mode increments</source>
        <translation>(Vaut pour les lettres comme pour les nombres)</translation>
    </message>
    <message>
        <source>Column divider</source>
        <translation>Séparateur de colonnes</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Select if use a proxy server</source>
        <translation>Choisissez si vous utilisez un serveur proxy</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Select if you directly dial in the Internet</source>
        <translation>Choisissez si vous vous connectez directement à Internet</translation>
    </message>
    <message>
        <source>Proxy details</source>
        <translation>Paramètres du proxy</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Select if the proxy is an HTTP proxy</source>
        <translation>Choisissez si le proxy est un proxy HTTP</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Select if the proxy is a SOCKS5 proxy; it then also looks up the server names</source>
        <translation>Choisissez si le proxy est un proxy SOCKS5 ; il résout alors aussi les noms des serveurs</translation>
    </message>
    <message>
        <source>Request details</source>
        <translation>Paramètres des requêtes</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Send no referring page</source>
        <translation>N’envoyer aucune page de provenance</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Send the picture&apos;s address up to its last &quot;/&quot;</source>
        <translation>Envoyer l’adresse de l’image jusqu’à son dernier « / »</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Send the address typed in the box beside</source>
        <translation>Envoyer l’adresse saisie dans le champ à côté</translation>
    </message>
    <message>
        <source>The referring page sent with every request</source>
        <translation>La page de provenance envoyée avec chaque requête</translation>
    </message>
    <message>
        <source>Custom referer</source>
        <translation>Referer personnalisé</translation>
    </message>
    <message>
        <source>Browse for the cookie file</source>
        <translation>Rechercher le fichier de cookies</translation>
    </message>
    <message>
        <source>Choose the cookie file in the file chooser</source>
        <translation>Choisir le fichier de cookies dans le sélecteur de fichiers</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>Rechercher le fichier de certificats</translation>
    </message>
    <message>
        <source>Choose the certificate file in the file chooser</source>
        <translation>Choisir le fichier de certificats dans le sélecteur de fichiers</translation>
    </message>
    <message>
        <source>Select yes to log downloads</source>
        <translation>Choisissez « Oui » pour journaliser les téléchargements</translation>
    </message>
    <message>
        <source>Select No if you do not need a log file</source>
        <translation>Choisissez « Non » si vous n’avez pas besoin de journal</translation>
    </message>
    <message>
        <source>Log directory</source>
        <translation>Dossier du journal</translation>
    </message>
    <message>
        <source>Select the directory from below. The file name is selected by the system. A new log file will be created each new day with the date as the file name. This option is visible only when the yes is selected logging option</source>
        <translation>Choisissez le dossier ci-dessous. Le nom du fichier est choisi par le programme : chaque jour, un nouveau journal est créé, nommé d’après la date. Visible seulement si la journalisation est sur « Oui »</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>Browse for the log directory</source>
        <translation>Rechercher le dossier du journal</translation>
    </message>
    <message>
        <source>Choose the log directory in the folder chooser</source>
        <translation>Choisir le dossier du journal dans le sélecteur de dossiers</translation>
    </message>
    <message>
        <source>Log drive</source>
        <translation>Lecteur du journal</translation>
    </message>
    <message>
        <source>Slect Log Drive</source>
        <translation>Choisissez le lecteur du journal</translation>
    </message>
    <message>
        <source>Select Log Directory</source>
        <translation>Choisissez le dossier du journal</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>page</comment>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>page</comment>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Connection</source>
        <comment>page</comment>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Log</source>
        <comment>page</comment>
        <translation>Journal</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>Attempt of the run</source>
        <translation>Tentative de la série</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Fichier en cours</translation>
    </message>
    <message>
        <source>Bytes of the file arriving now</source>
        <translation>Octets reçus du fichier en cours</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
</context>
<context>
    <name>RunSetup</name>
    <message>
        <source>the range &quot;%1&quot; is of numbers, but the counter counts letters</source>
        <translation>la plage « %1 » est faite de nombres, mais le compteur compte des lettres</translation>
    </message>
    <message>
        <source>the save directory &quot;%1&quot; does not exist; give --save-dir</source>
        <translation>le dossier d’enregistrement « %1 » n’existe pas ; indiquez --save-dir</translation>
    </message>
    <message>
        <source>the log directory &quot;%1&quot; does not exist; give --log-dir or --no-log</source>
        <translation>le dossier du journal « %1 » n’existe pas ; indiquez --log-dir ou --no-log</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; would be created</source>
        <translation>le dossier « %1 » serait créé</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <translation>impossible de créer le dossier « %1 » : %2</translation>
    </message>
    <message>
        <source>created the folder &quot;%1&quot;</source>
        <translation>dossier « %1 » créé</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>fetch the one address only</source>
        <translation>ne récupérer que cette seule adresse</translation>
    </message>
    <message>
        <source>Max downloads </source>
        <translation>Téléchargements max. </translation>
    </message>
    <message>
        <source>Max number of image downloads  to be attempted.  Once the limit is reached the attempts will stop.</source>
        <translation>Nombre maximal de téléchargements tentés. Une fois la limite atteinte, les tentatives s’arrêtent.</translation>
    </message>
    <message>
        <source>Error : Max Downloads Has to be a Number</source>
        <translation>Erreur : le nombre maximal de téléchargements doit être un nombre</translation>
    </message>
    <message>
        <source>make at most N attempts</source>
        <translation>au plus N tentatives</translation>
    </message>
    <message>
        <source>Increment Mode</source>
        <translation>Mode de comptage</translation>
    </message>
    <message>
        <source>: Some image series increase by characters e.g.  A,B,C,D etc. For such series change the mode to character. The Input Box 2 on the main screen will change to Numeric to Character. and vice versa</source>
        <translation>Certaines séries d’images avancent par lettres, par ex. A, B, C, D, etc. Pour ces séries, passez en mode lettres. Le champ 2 de la fenêtre principale passe alors des chiffres aux lettres, et inversement.</translation>
    </message>
    <message>
        <source>the counter counts letters</source>
        <translation>le compteur compte des lettres</translation>
    </message>
    <message>
        <source>the counter counts numbers</source>
        <translation>le compteur compte des nombres</translation>
    </message>
    <message>
        <source>Increment by</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Usually the increment step is 1.  But Sometimes you may find the increments are by 3 or 4 etc</source>
        <translation>Le pas est le plus souvent 1, mais il arrive qu’il soit de 3, de 4, etc.</translation>
    </message>
    <message>
        <source>Error : Increment Has to be a Number</source>
        <translation>Erreur : le pas doit être un nombre</translation>
    </message>
    <message>
        <source>step the counter by N (not 0)</source>
        <translation>avancer le compteur de N (pas 0)</translation>
    </message>
    <message>
        <source>Add Charactors</source>
        <translation>Ajouter les caractères</translation>
    </message>
    <message>
        <source>add TEXT to each saved name</source>
        <translation>ajouter TEXT à chaque nom enregistré</translation>
    </message>
    <message>
        <source>where the text goes: start or end</source>
        <translation>où va le texte : start ou end</translation>
    </message>
    <message>
        <source>Pause between downloads in seconds</source>
        <translation>Pause entre les téléchargements, en secondes</translation>
    </message>
    <message>
        <source>Error : Pause time has be a positive Number</source>
        <translation>Erreur : la pause doit être un nombre positif</translation>
    </message>
    <message>
        <source>pause between attempts</source>
        <translation>pause entre les tentatives</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>Select the save directory</source>
        <translation>Choisissez le dossier d’enregistrement</translation>
    </message>
    <message>
        <source>save the pictures in DIR</source>
        <translation>enregistrer les images dans DIR</translation>
    </message>
    <message>
        <source>If file name exists</source>
        <translation>Si le nom de fichier existe</translation>
    </message>
    <message>
        <source>If the name of the file exists what application should do</source>
        <translation>Ce que le programme doit faire si le nom de fichier existe déjà</translation>
    </message>
    <message>
        <source>skip, overwrite or rename an existing file</source>
        <translation>si le fichier existe : skip, overwrite ou rename</translation>
    </message>
    <message>
        <source>I use a proxy server to connect to internet</source>
        <translation>J’utilise un serveur proxy pour me connecter à Internet</translation>
    </message>
    <message>
        <source>If you are using a proxy server select yes and fill details of the proxy</source>
        <translation>Si vous utilisez un serveur proxy, choisissez « Oui » et remplissez ses paramètres</translation>
    </message>
    <message>
        <source>connect directly</source>
        <translation>se connecter directement</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Serveur proxy</translation>
    </message>
    <message>
        <source>enter the server name or the IP address. This option is visible only when the yes is selected for the proxy server</source>
        <translation>Saisissez le nom du serveur ou son adresse IP. Visible seulement si « Oui » est choisi pour le serveur proxy</translation>
    </message>
    <message>
        <source>Http Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>: Enter the port which the proxy is running on the server. Usually this port is 80.  This option is visible only when the yes is selected for the proxy server.</source>
        <translation>Saisissez le port du proxy sur le serveur, le plus souvent 80. Visible seulement si « Oui » est choisi pour le serveur proxy.</translation>
    </message>
    <message>
        <source>Error : Http Port Number Has to be a Number</source>
        <translation>Erreur : le numéro de port doit être un nombre</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>Journaliser dans un fichier</translation>
    </message>
    <message>
        <source>If you need to log the file download attempts you may select yes option</source>
        <translation>Choisissez « Oui » pour consigner les tentatives de téléchargement dans un journal</translation>
    </message>
    <message>
        <source>write no daily log</source>
        <translation>n’écrire aucun journal du jour</translation>
    </message>
    <message>
        <source>write the daily log in DIR</source>
        <translation>écrire le journal du jour dans DIR</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Type de proxy</translation>
    </message>
    <message>
        <source>The kind of proxy server: an HTTP proxy or a SOCKS5 proxy</source>
        <translation>Le type de serveur proxy : HTTP ou SOCKS5</translation>
    </message>
    <message>
        <source>Proxy user</source>
        <translation>Utilisateur du proxy</translation>
    </message>
    <message>
        <source>The user name the proxy asks for; leave it empty when the proxy asks for none</source>
        <translation>Le nom d’utilisateur demandé par le proxy ; laissez vide s’il n’en demande pas</translation>
    </message>
    <message>
        <source>Proxy password</source>
        <translation>Mot de passe du proxy</translation>
    </message>
    <message>
        <source>The password of the proxy user</source>
        <translation>Le mot de passe de l’utilisateur du proxy</translation>
    </message>
    <message>
        <source>User-Agent</source>
        <translation>User-Agent</translation>
    </message>
    <message>
        <source>How the program names itself to the servers</source>
        <translation>Le nom sous lequel le programme se présente aux serveurs</translation>
    </message>
    <message>
        <source>the User-Agent sent</source>
        <translation>le User-Agent envoyé</translation>
    </message>
    <message>
        <source>Referer</source>
        <translation>Referer</translation>
    </message>
    <message>
        <source>The page the requests say they come from: none, the address of the picture up to its last &quot;/&quot;, or the address typed here</source>
        <translation>La page d’où les requêtes disent venir : aucune, l’adresse de l’image jusqu’à son dernier « / », ou l’adresse saisie ici</translation>
    </message>
    <message>
        <source>auto or an address to send as Referer</source>
        <translation>auto ou une adresse à envoyer comme Referer</translation>
    </message>
    <message>
        <source>Cookie file</source>
        <translation>Fichier de cookies</translation>
    </message>
    <message>
        <source>A cookies.txt file whose cookies are sent with the requests; empty for none</source>
        <translation>Un fichier cookies.txt dont les cookies sont envoyés avec les requêtes ; vide pour aucun</translation>
    </message>
    <message>
        <source>send the cookies of a cookies.txt file</source>
        <translation>envoyer les cookies d’un fichier cookies.txt</translation>
    </message>
    <message>
        <source>Certificate (CA) file</source>
        <translation>Fichier de certificats (CA)</translation>
    </message>
    <message>
        <source>A PEM file of certificate authorities to trust besides the system&apos;s; empty for none</source>
        <translation>Un fichier PEM d’autorités de certification auxquelles se fier en plus de celles du système ; vide pour aucun</translation>
    </message>
    <message>
        <source>also trust the authorities in a PEM file</source>
        <translation>faire aussi confiance aux autorités d’un fichier PEM</translation>
    </message>
    <message>
        <source>End the run after this many pictures in a row were not found or were no picture. 0 never ends it early.</source>
        <translation>Terminer la série après ce nombre d’images d’affilée introuvables ou qui n’étaient pas des images. Avec 0, elle ne s’arrête jamais plus tôt.</translation>
    </message>
    <message>
        <source>Error : Misses in a row Has to be a Number</source>
        <translation>Erreur : le nombre d’échecs d’affilée doit être un nombre</translation>
    </message>
    <message>
        <source>end after N misses in a row</source>
        <translation>s’arrêter après N échecs d’affilée</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>Nouvelles tentatives</translation>
    </message>
    <message>
        <source>How many more times a download is tried when it failed for a passing reason, such as a timeout or a reset connection.</source>
        <translation>Combien de fois un téléchargement est retenté après un échec passager, comme un délai dépassé ou une connexion réinitialisée.</translation>
    </message>
    <message>
        <source>Error : Retries Has to be a Number</source>
        <translation>Erreur : le nombre de nouvelles tentatives doit être un nombre</translation>
    </message>
    <message>
        <source>try a passing failure N more times</source>
        <translation>réessayer N fois après un échec passager</translation>
    </message>
    <message>
        <source>Error : The cookie file cannot be read</source>
        <translation>Erreur : impossible de lire le fichier de cookies</translation>
    </message>
    <message>
        <source>Error : The certificate file cannot be read</source>
        <translation>Erreur : impossible de lire le fichier de certificats</translation>
    </message>
    <message>
        <source>Stop after misses in a row (0 = never)</source>
        <translation>Arrêter après des échecs d’affilée (0 = jamais)</translation>
    </message>
    <message>
        <source>Pictures at once</source>
        <translation>Images simultanées</translation>
    </message>
    <message>
        <source>How many pictures are fetched at the same time (1 to 16). They are still saved, shown and logged in the order of the series.</source>
        <translation>Nombre d’images récupérées en même temps (1 à 16). Elles sont toujours enregistrées, affichées et journalisées dans l’ordre de la série.</translation>
    </message>
    <message>
        <source>Error : Pictures at once Has to be 1 to 16</source>
        <translation>Erreur : le nombre d’images simultanées doit être de 1 à 16</translation>
    </message>
    <message>
        <source>fetch up to N pictures at once</source>
        <translation>récupérer jusqu’à N images à la fois</translation>
    </message>
</context>
<context>
    <name>ShownTexts</name>
    <message>
        <source>Opening : %1</source>
        <translation>Ouverture : %1</translation>
    </message>
    <message>
        <source>Opened  : %1</source>
        <translation>Ouvert : %1</translation>
    </message>
    <message>
        <source>Waiting : %1 s, the server asked to slow down</source>
        <translation>Attente : %1 s, le serveur demande de ralentir</translation>
    </message>
    <message>
        <source>Failed   : %1 (%2)</source>
        <translation>Échec : %1 (%2)</translation>
    </message>
    <message>
        <source>could not save to %1: %2</source>
        <translation>impossible d’enregistrer dans %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n saved</source>
        <translation>
            <numerusform>%n enregistrée</numerusform>
            <numerusform>%n enregistrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignorée</numerusform>
            <numerusform>%n ignorées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not images</source>
        <translation>
            <numerusform>%n non-image</numerusform>
            <numerusform>%n non-images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between two counts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>downloading completed (%1)</source>
        <translation>Terminé (%1)</translation>
    </message>
    <message>
        <source>downloading completed (%1; %2)</source>
        <comment>%1: the counts, %2: why the run ended early</comment>
        <translation>Terminé (%1 ; %2)</translation>
    </message>
    <message>
        <source>current file : %1</source>
        <translation>fichier en cours : %1</translation>
    </message>
    <message>
        <source>current file : None</source>
        <translation>fichier en cours : aucun</translation>
    </message>
    <message>
        <source>File Exists. Enter a new Name without the extension. <byte value="xd"/>
click cancel to skip saving this file</source>
        <translation>Le fichier existe déjà. Saisissez un nouveau nom sans l’extension.<byte value="xd"/>
Cliquez sur Annuler pour ne pas enregistrer ce fichier.</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>connection reset</source>
        <translation>connexion réinitialisée</translation>
    </message>
    <message>
        <source>connection closed before the whole body arrived</source>
        <translation>connexion fermée avant la réception complète</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>hôte introuvable</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>malformed response from the server</source>
        <translation>réponse du serveur mal formée</translation>
    </message>
    <message>
        <source>response head too large</source>
        <translation>en-tête de réponse trop grand</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>trop de redirections</translation>
    </message>
    <message>
        <source>redirect to a less secure address refused</source>
        <translation>redirection vers une adresse moins sûre refusée</translation>
    </message>
    <message>
        <source>not an http address</source>
        <translation>pas une adresse http</translation>
    </message>
    <message>
        <source>malformed address</source>
        <translation>adresse mal formée</translation>
    </message>
    <message>
        <source>malformed proxy address</source>
        <translation>adresse du proxy mal formée</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>proxy introuvable</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>le proxy a refusé la connexion</translation>
    </message>
    <message>
        <source>proxy requires a login</source>
        <translation>le proxy demande une authentification</translation>
    </message>
    <message>
        <source>proxy refused the login</source>
        <translation>le proxy a refusé l’authentification</translation>
    </message>
    <message>
        <source>proxy error: %1</source>
        <translation>erreur du proxy : %1</translation>
    </message>
    <message>
        <source>TLS error: could not read the CA file: %1</source>
        <translation>erreur TLS : impossible de lire le fichier CA : %1</translation>
    </message>
    <message>
        <source>TLS error: %1</source>
        <translation>erreur TLS : %1</translation>
    </message>
    <message>
        <source>could not read the cookie file: %1</source>
        <translation>impossible de lire le fichier de cookies : %1</translation>
    </message>
    <message>
        <source>could not write: %1</source>
        <translation>écriture impossible : %1</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>erreur réseau %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the file exists</source>
        <translation>le fichier existe déjà</translation>
    </message>
    <message>
        <source>saving is off</source>
        <translation>l’enregistrement est désactivé</translation>
    </message>
    <message>
        <source>not an image (%1)</source>
        <translation>pas une image (%1)</translation>
    </message>
    <message>
        <source>no content type</source>
        <translation>aucun type de contenu</translation>
    </message>
    <message>
        <source>no response body was received</source>
        <translation>aucun corps de réponse reçu</translation>
    </message>
    <message>
        <source>no save directory is set</source>
        <translation>aucun dossier d’enregistrement n’est défini</translation>
    </message>
    <message>
        <source>no temporary file could be created</source>
        <translation>impossible de créer un fichier temporaire</translation>
    </message>
    <message>
        <source>the existing file is read-only</source>
        <translation>le fichier existant est en lecture seule</translation>
    </message>
    <message>
        <source>the file name contains a path separator</source>
        <translation>le nom de fichier contient un séparateur de chemin</translation>
    </message>
    <message>
        <source>the file name contains a control character</source>
        <translation>le nom de fichier contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the file name is longer than %1 bytes</source>
        <translation>le nom de fichier dépasse %1 octets</translation>
    </message>
    <message>
        <source>the file name is reserved for temporary files</source>
        <translation>le nom de fichier est réservé aux fichiers temporaires</translation>
    </message>
    <message>
        <source>the counter is empty</source>
        <translation>le compteur est vide</translation>
    </message>
    <message>
        <source>the counter &quot;%1&quot; is not a number</source>
        <translation>le compteur « %1 » n’est pas un nombre</translation>
    </message>
    <message>
        <source>the counter %1 is outside -32768 to 32767</source>
        <translation>le compteur %1 est hors de -32768 à 32767</translation>
    </message>
    <message>
        <source>the next counter %1 would be outside -32768 to 32767</source>
        <translation>le compteur suivant, %1, serait hors de -32768 à 32767</translation>
    </message>
    <message>
        <source>the counter &quot;%1&quot; is not a single-byte character</source>
        <translation>le compteur « %1 » n’est pas un caractère sur un octet</translation>
    </message>
    <message>
        <source>the next counter would be outside character codes 0 to 255</source>
        <translation>le compteur suivant serait hors des codes de caractère 0 à 255</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; cannot be reached with increment %2</source>
        <translation>la plage « %1 » ne peut pas être atteinte avec un pas de %2</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; is of letters, but the counter counts numbers</source>
        <translation>la plage « %1 » est faite de lettres, mais le compteur compte des nombres</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; mixes upper and lower case</source>
        <translation>la plage « %1 » mélange majuscules et minuscules</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; goes outside -32768 to 32767</source>
        <translation>la plage « %1 » sort de -32768 à 32767</translation>
    </message>
    <message>
        <source>the series ended after 1 miss</source>
        <translation>la série s’est terminée après 1 échec</translation>
    </message>
    <message numerus="yes">
        <source>the series ended after %n misses</source>
        <translation>
            <numerusform>la série s’est terminée après %n échec</numerusform>
            <numerusform>la série s’est terminée après %n échecs</numerusform>
        </translation>
    </message>
    <message>
        <source>timed out (too slow)</source>
        <translation>délai dépassé (trop lent)</translation>
    </message>
    <message>
        <source>not an HTTP response</source>
        <translation>pas une réponse HTTP</translation>
    </message>
    <message>
        <source>empty response (%1)</source>
        <translation>réponse vide (%1)</translation>
    </message>
    <message>
        <source>nowhere to write</source>
        <translation>aucun endroit où écrire</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>aucun dossier indiqué</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>plus de %1 Mio</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; mixes letters and digits</source>
        <translation>la plage « %1 » mélange lettres et chiffres</translation>
    </message>
    <message>
        <source>the range &quot;[%1&quot; has no closing bracket</source>
        <translation>la plage « [%1 » n’a pas de crochet fermant</translation>
    </message>
    <message>
        <source>the range &quot;[%1]&quot; is neither two numbers nor two letters, as in [01-20] or [A-F]</source>
        <translation>la plage « [%1] » n’est faite ni de deux nombres ni de deux lettres, comme [01-20] ou [A-F]</translation>
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
            <numerusform>%n en cours</numerusform>
            <numerusform>%n en cours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status bar</source>
        <translation>Barre d’état</translation>
    </message>
    <message>
        <source>Currebt File Status</source>
        <translation>État du fichier en cours</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Heure</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>TabStrip</name>
    <message>
        <source>Page contents</source>
        <translation>Contenu de la page</translation>
    </message>
</context>
<context>
    <name>TerminalOutput</name>
    <message>
        <source>%1 B</source>
        <translation>%1 o</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 Kio</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message>
        <source>attempt %1 of %2</source>
        <translation>tentative %1 sur %2</translation>
    </message>
    <message>
        <source>attempt %1</source>
        <translation>tentative %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
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
        <translation>attente de %1 s : le serveur demande de ralentir</translation>
    </message>
    <message>
        <source>trying %1 again (%2), %3 of %4</source>
        <translation>nouvelle tentative pour %1 (%2), %3 sur %4</translation>
    </message>
</context>
</TS>
