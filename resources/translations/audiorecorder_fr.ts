<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CatalogueTrackIdentifier</name>
    <message>
        <source>the local catalogue needs the sound&apos;s file</source>
        <translation>le catalogue local a besoin du fichier du son</translation>
    </message>
</context>
<context>
    <name>ConvertWidget</name>
    <message>
        <source>Location of Output Files</source>
        <translation>Emplacement des fichiers de sortie</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Dossier de sortie :</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Screenshot folder:</source>
        <translation>Dossier des captures d&apos;écran :</translation>
    </message>
    <message>
        <source>Screenshot folder</source>
        <translation>Dossier des captures d&apos;écran</translation>
    </message>
    <message>
        <source>Delete Recordings Automatically</source>
        <translation>Supprimer les enregistrements automatiquement</translation>
    </message>
    <message>
        <source>The duration is less than</source>
        <translation>La durée est inférieure à</translation>
    </message>
    <message>
        <source>The duration is less than (seconds)</source>
        <translation>La durée est inférieure à (secondes)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>The recording is silent</source>
        <translation>L&apos;enregistrement est silencieux</translation>
    </message>
    <message>
        <source>Split Recordings Individually</source>
        <translation>Diviser les enregistrements</translation>
    </message>
    <message>
        <source>The silence is more than</source>
        <translation>Le silence dure plus de</translation>
    </message>
    <message>
        <source>The silence is more than (milliseconds)</source>
        <translation>Le silence dure plus de (millisecondes)</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>Split at tracks</source>
        <translation>Diviser aux pistes</translation>
    </message>
    <message>
        <source>When a new track begins</source>
        <translation>Quand une nouvelle piste commence</translation>
    </message>
    <message>
        <source>When a new track begins or replays</source>
        <translation>Quand une nouvelle piste commence ou est rejouée</translation>
    </message>
    <message>
        <source>Archive output tracks by</source>
        <translation>Classer les pistes par</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Artist/Album</source>
        <translation>Artiste/Album</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>When all job finished</source>
        <translation>Quand toutes les tâches sont terminées</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Put Computer to Sleep</source>
        <translation>Mettre l&apos;ordinateur en veille</translation>
    </message>
    <message>
        <source>Shut Down My Computer</source>
        <translation>Éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number of 1 or more.</source>
        <translation>« %1 » demande un nombre entier d&apos;au moins 1.</translation>
    </message>
</context>
<context>
    <name>CoverPicture</name>
    <message>
        <source>&quot;%1&quot; is %2 MB; a cover picture can be at most %3 MB.</source>
        <translation>« %1 » pèse %2 Mo ; une pochette ne peut pas dépasser %3 Mo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture.</source>
        <translation>« %1 » n’est pas une image.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored as a cover picture.</source>
        <translation>« %1 » ne peut pas être enregistré comme pochette.</translation>
    </message>
</context>
<context>
    <name>GeneralWidget</name>
    <message>
        <source>Automatic updates</source>
        <translation>Mises à jour automatiques</translation>
    </message>
    <message>
        <source>Automatically update to the newest version</source>
        <translation>Mettre à jour automatiquement vers la dernière version</translation>
    </message>
    <message>
        <source>Close automatic updates</source>
        <translation>Désactiver les mises à jour automatiques</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>À la fermeture</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Online recognition</source>
        <translation>Reconnaissance en ligne</translation>
    </message>
    <message>
        <source>Identify music with AcoustID and MusicBrainz</source>
        <translation>Identifier la musique avec AcoustID et MusicBrainz</translation>
    </message>
    <message>
        <source>Only the sound&apos;s fingerprint and duration are sent, when the local catalogue does not know the music.</source>
        <translation>Seuls l&apos;empreinte et la durée du son sont envoyées, lorsque le catalogue local ne connaît pas la musique.</translation>
    </message>
    <message>
        <source>AcoustID API key:</source>
        <translation>Clé d&apos;API AcoustID :</translation>
    </message>
    <message>
        <source>AcoustID API key</source>
        <translation>Clé d&apos;API AcoustID</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Cut Recording</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planifier</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>Annuler la planification</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>Aucun programme n&apos;est configuré pour ouvrir %1.</translation>
    </message>
    <message>
        <source>%1
Version %2</source>
        <translation>%1
Version %2</translation>
    </message>
    <message>
        <source>The format list cannot be read: %1</source>
        <translation>Impossible de lire la liste des formats : %1</translation>
    </message>
    <message>
        <source>Recording failed!</source>
        <translation>Échec de l&apos;enregistrement !</translation>
    </message>
    <message>
        <source>Recording split at a silence</source>
        <translation>Enregistrement coupé à un silence</translation>
    </message>
    <message>
        <source>Recording goes on in a new file: %1</source>
        <translation>L&apos;enregistrement continue dans un nouveau fichier : %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded until then is kept.</source>
        <translation>Enregistrement arrêté : %1
Ce qui a été enregistré jusque-là est conservé.</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Enregistrement arrêté</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>Enregistrement planifié terminé</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Scheduled recording: %1 to %2</source>
        <translation>Enregistrement planifié : de %1 à %2</translation>
    </message>
    <message>
        <source>Recording reached its set length</source>
        <translation>L’enregistrement a atteint la durée choisie</translation>
    </message>
    <message>
        <source>Next scheduled recording: %1 %2 to %3</source>
        <translation>Prochain enregistrement programmé : %1 %2 à %3</translation>
    </message>
    <message>
        <source>The program ended while recording. These recordings were recovered and are in the list:
%1</source>
        <translation>Le programme s’est arrêté pendant un enregistrement. Ces enregistrements ont été récupérés et figurent dans la liste :
%1</translation>
    </message>
    <message>
        <source>

Some could not be repaired and may not play to their end:
%1</source>
        <translation>

Certains n’ont pas pu être réparés et risquent de ne pas être lus jusqu’au bout :
%1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>Échec du découpage.</translation>
    </message>
    <message>
        <source>Recording split at a new track</source>
        <translation>Enregistrement coupé à un nouveau morceau</translation>
    </message>
</context>
<context>
    <name>NxInfoManager</name>
    <message>
        <source>%1, %2-%3</source>
        <translation>%1, %2-%3</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuel</translation>
    </message>
</context>
<context>
    <name>OnlineTrackIdentifier</name>
    <message>
        <source>AcoustID: %1 (error %2)</source>
        <translation>AcoustID : %1 (erreur %2)</translation>
    </message>
    <message>
        <source>AcoustID answered something that is not a lookup result</source>
        <translation>AcoustID a répondu quelque chose qui n&apos;est pas un résultat de recherche</translation>
    </message>
    <message>
        <source>online identification is switched off</source>
        <translation>l&apos;identification en ligne est désactivée</translation>
    </message>
    <message>
        <source>no AcoustID API key is set in the preferences</source>
        <translation>aucune clé d&apos;API AcoustID n&apos;est définie dans les préférences</translation>
    </message>
    <message>
        <source>there is no sound to identify</source>
        <translation>il n&apos;y a aucun son à identifier</translation>
    </message>
    <message>
        <source>the sound could not be fingerprinted: %1</source>
        <translation>l&apos;empreinte du son n&apos;a pas pu être calculée : %1</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 n&apos;a pas répondu en %2 s</translation>
    </message>
    <message>
        <source>%1 asks to wait: too many requests (HTTP 429)</source>
        <translation>%1 demande d&apos;attendre : trop de requêtes (HTTP 429)</translation>
    </message>
    <message>
        <source>%1 is unavailable for now (HTTP 503)</source>
        <translation>%1 est indisponible pour le moment (HTTP 503)</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2</source>
        <translation>%1 a répondu HTTP %2</translation>
    </message>
    <message>
        <source>no connection to %1: %2</source>
        <translation>aucune connexion à %1 : %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>« %1 » n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Le dossier « %1 » ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not writable.</source>
        <translation>Le dossier « %1 » n&apos;est pas accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>OutputFolderRule</name>
    <message>
        <source>Choose a folder for the output files.</source>
        <translation>Choisissez un dossier pour les fichiers de sortie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full path. Enter a path that starts with &quot;/&quot;.</source>
        <translation>« %1 » n&apos;est pas un chemin complet. Saisissez un chemin qui commence par « / ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>« %1 » est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Le dossier « %1 » ne peut pas être créé.</translation>
    </message>
    <message>
        <source>No file can be written into the folder &quot;%1&quot;.</source>
        <translation>Aucun fichier ne peut être écrit dans le dossier « %1 ».</translation>
    </message>
</context>
<context>
    <name>QAudioFileDelegate</name>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>QAudioFileModel</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Created Time</source>
        <translation>Date de création</translation>
    </message>
</context>
<context>
    <name>QAudioFileTableView</name>
    <message>
        <source>Recordings</source>
        <translation>Enregistrements</translation>
    </message>
</context>
<context>
    <name>QAudioScheduleSettingDlg</name>
    <message>
        <source>Record time options</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QAudioTagForm</name>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste :</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album :</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Compositeur :</translation>
    </message>
    <message>
        <source>Composer</source>
        <translation>Compositeur</translation>
    </message>
    <message>
        <source>Grouping:</source>
        <translation>Regroupement :</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>Regroupement</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright :</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires :</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Disc Num:</source>
        <translation>N° de disque :</translation>
    </message>
    <message>
        <source>Disc number</source>
        <translation>Numéro de disque</translation>
    </message>
    <message>
        <source>of</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>Disc total</source>
        <translation>Nombre de disques</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Piste :</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Track total</source>
        <translation>Nombre de pistes</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre :</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Cover:</source>
        <translation>Pochette :</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Pochette</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>Images (*.png *.xpm *.jpg)</translation>
    </message>
</context>
<context>
    <name>QCheckboxCombobox</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>QConvertProgressDlg</name>
    <message>
        <source>Converting</source>
        <translation>Conversion en cours</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progression de la conversion</translation>
    </message>
</context>
<context>
    <name>QEffectForm</name>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>170 Hz</source>
        <translation>170 Hz</translation>
    </message>
    <message>
        <source>310 Hz</source>
        <translation>310 Hz</translation>
    </message>
    <message>
        <source>600 Hz</source>
        <translation>600 Hz</translation>
    </message>
    <message>
        <source>1 kHz</source>
        <translation>1 kHz</translation>
    </message>
    <message>
        <source>3 kHz</source>
        <translation>3 kHz</translation>
    </message>
    <message>
        <source>6 kHz</source>
        <translation>6 kHz</translation>
    </message>
    <message>
        <source>12 kHz</source>
        <translation>12 kHz</translation>
    </message>
    <message>
        <source>14 kHz</source>
        <translation>14 kHz</translation>
    </message>
    <message>
        <source>16 kHz</source>
        <translation>16 kHz</translation>
    </message>
    <message>
        <source>Sound Effects:</source>
        <translation>Effets sonores :</translation>
    </message>
    <message>
        <source>Equalizer:</source>
        <translation>Égaliseur :</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>QEffectModel</name>
    <message>
        <source>Customed</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Bass Boost</source>
        <translation>Basses renforcées</translation>
    </message>
    <message>
        <source>Treble Boost</source>
        <translation>Aigus renforcés</translation>
    </message>
    <message>
        <source>Vocal</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Acoustic</source>
        <translation>Acoustique</translation>
    </message>
    <message>
        <source>Electronic</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Hip Hop</source>
        <translation>Hip-hop</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Parole</translation>
    </message>
</context>
<context>
    <name>QFileListWgt</name>
    <message>
        <source>%1 Months</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>%1 Days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>%1 Hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source> Audios, </source>
        <translation> enregistrements, </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>Ajouter à la liste</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Ouvrir l’emplacement du fichier</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Recordings menu</source>
        <translation>Menu des enregistrements</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just move the 
files from the list?</source>
        <translation>Voulez-vous supprimer tous les fichiers ou seulement 
les retirer de la liste ?</translation>
    </message>
    <message>
        <source>Do you want to delete the seleted files or just move 
the files from the list?</source>
        <translation>Voulez-vous supprimer les fichiers sélectionnés ou seulement 
les retirer de la liste ?</translation>
    </message>
    <message>
        <source>
Deleted files are moved to the trash.</source>
        <translation>
Les fichiers supprimés sont placés dans la corbeille.</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash and stay on disk:
%1</source>
        <translation>Ces fichiers n’ont pas pu être placés dans la corbeille et restent sur le disque :
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Impossible d&apos;écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>Échec du découpage.</translation>
    </message>
    <message>
        <source>The computer could not be put to sleep.</source>
        <translation>L&apos;ordinateur n&apos;a pas pu être mis en veille.</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>L&apos;ordinateur n&apos;a pas pu être éteint.</translation>
    </message>
</context>
<context>
    <name>QFormatDlg</name>
    <message>
        <source>Format Setting</source>
        <translation>Réglage du format</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Search formats</source>
        <translation>Rechercher des formats</translation>
    </message>
    <message>
        <source>No format matches the search.</source>
        <translation>Aucun format ne correspond à la recherche.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage :</translation>
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
        <source>The format could not be saved.</source>
        <translation>Le format n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>QFormatSettingDlg</name>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Back to MP3 at &quot;Small Size&quot;</source>
        <translation>Revenir au MP3 en « Small Size »</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec :</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Fréquence d&apos;échantillonnage :</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canal :</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fréquence d&apos;images :</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
</context>
<context>
    <name>QJobsFinishedDlg</name>
    <message>
        <source>Conversion Completed</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will shut down in %1 s.</source>
        <translation>Toutes les tâches sont terminées. L&apos;ordinateur s&apos;éteindra dans %1 s.</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will go to sleep in %1 s.</source>
        <translation>Toutes les tâches sont terminées. L&apos;ordinateur se mettra en veille dans %1 s.</translation>
    </message>
</context>
<context>
    <name>QLibraryDelegate</name>
    <message>
        <source>Playlist name</source>
        <translation>Nom de la liste de lecture</translation>
    </message>
</context>
<context>
    <name>QLibraryPlayListWgt</name>
    <message>
        <source>Add New List</source>
        <translation>Nouvelle liste</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <translation>BIBLIOTHÈQUE</translation>
    </message>
    <message>
        <source>All Recordings</source>
        <translation>Tous les enregistrements</translation>
    </message>
    <message>
        <source>Latest Recordings</source>
        <translation>Enregistrements récents</translation>
    </message>
    <message>
        <source>PLAYLIST</source>
        <translation>LISTES DE LECTURE</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Add New Playist</source>
        <translation>Nouvelle liste de lecture</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>Listes de lecture</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just remove the 
list?</source>
        <translation>Voulez-vous supprimer tous les fichiers ou seulement retirer
la liste ?</translation>
    </message>
    <message>
        <source>Deleted files are moved to the trash.</source>
        <translation>Les fichiers supprimés sont placés dans la corbeille.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Would you want to remove all play lists?</source>
        <translation>Voulez-vous retirer toutes les listes de lecture ?</translation>
    </message>
</context>
<context>
    <name>QNxDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>QNxMainWindow</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>QNxMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Oui pour tout</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Tout enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurer les valeurs par défaut</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>Non pour tout</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QNxTimeEdit</name>
    <message>
        <source>Step up</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Diminuer</translation>
    </message>
</context>
<context>
    <name>QPlayControlWgt</name>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
</context>
<context>
    <name>QPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QRecordingWidget</name>
    <message>
        <source>Recording time</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Niveau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>QScheduleTipWidget</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>QShowCloseDlg</name>
    <message>
        <source>Minimize to Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QTimeOptions</name>
    <message>
        <source>Stop recording after</source>
        <translation>Arrêter l&apos;enregistrement après</translation>
    </message>
    <message>
        <source>Schedule recording</source>
        <translation>Planifier l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>h</source>
        <comment>unit of hours</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <comment>unit of minutes</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>s</source>
        <comment>unit of seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>QTrimItemDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>QTrimItemModel</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>QTrimWidget</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Start Set</source>
        <translation>Définir le début</translation>
    </message>
    <message>
        <source>End Set</source>
        <translation>Définir la fin</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Lire le segment</translation>
    </message>
    <message>
        <source>Pause Segment</source>
        <translation>Mettre le segment en pause</translation>
    </message>
    <message>
        <source>Stop Segment</source>
        <translation>Arrêter le segment</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Extraits</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>The clip &quot;%1&quot; could not be deleted: %2</source>
        <translation>Impossible de supprimer l&apos;extrait « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>QVEDualSlider</name>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Plage de découpe</translation>
    </message>
</context>
<context>
    <name>QVideoEditTag</name>
    <message>
        <source>Trim</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tags</translation>
    </message>
</context>
<context>
    <name>QVideoEditingDlg</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Previous File</source>
        <translation>Fichier précédent</translation>
    </message>
    <message>
        <source>Next File</source>
        <translation>Fichier suivant</translation>
    </message>
    <message>
        <source>Recognize</source>
        <translation>Reconnaître</translation>
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
        <source>Edit - %1</source>
        <translation>Modifier - %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. %2</source>
        <translation>« %1 » n’existe plus. %2</translation>
    </message>
    <message>
        <source>Its tags were not written.</source>
        <translation>Ses tags n’ont pas été écrits.</translation>
    </message>
    <message>
        <source>The tags could not be written into &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire les tags dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Nothing was cut.</source>
        <translation>Rien n’a été découpé.</translation>
    </message>
    <message>
        <source>Identify the music and fill in its tags</source>
        <translation>Identifier la musique et remplir ses balises</translation>
    </message>
    <message>
        <source>No match: this music is not in the catalogue.</source>
        <translation>Aucune correspondance : cette musique n&apos;est pas dans le catalogue.</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <translation>Aucune correspondance : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be identified: it is not audio that can be read.</source>
        <translation>« %1 » ne peut pas être identifié : ce n&apos;est pas un son lisible.</translation>
    </message>
    <message>
        <source>No match: the track found has no tags.</source>
        <translation>Aucune correspondance : le morceau trouvé n&apos;a pas de balises.</translation>
    </message>
</context>
<context>
    <name>QVolumeWidget</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>RecorderTray</name>
    <message>
        <source>Hidden (&amp;H)</source>
        <translation>Masquer (&amp;H)</translation>
    </message>
    <message>
        <source>Show Window (&amp;S)</source>
        <translation>Afficher la fenêtre (&amp;S)</translation>
    </message>
    <message>
        <source>Quit (&amp;Q)</source>
        <translation>Quitter (&amp;Q)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>Annuler la planification</translation>
    </message>
</context>
<context>
    <name>RecordingArchive</name>
    <message>
        <source>Unknown Artist</source>
        <translation>Artiste inconnu</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>Album inconnu</translation>
    </message>
</context>
<context>
    <name>ScheduleRepeatEdit</name>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Chosen days</source>
        <translation>Jours choisis</translation>
    </message>
</context>
<context>
    <name>ScheduleTime</name>
    <message>
        <source>%1s later, Quillon will start recording.</source>
        <translation>Quillon commencera l&apos;enregistrement dans %1 s.</translation>
    </message>
</context>
<context>
    <name>SelectRecordInputWgt</name>
    <message>
        <source>System Audio</source>
        <translation>Son du système</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Périphérique d&apos;entrée</translation>
    </message>
    <message>
        <source>No Mic Device</source>
        <translation>Aucun microphone</translation>
    </message>
    <message>
        <source>System volume level</source>
        <translation>Niveau du son du système</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Microphone volume level</source>
        <translation>Niveau du microphone</translation>
    </message>
    <message>
        <source>Recording device</source>
        <translation>Périphérique d&apos;enregistrement</translation>
    </message>
    <message>
        <source>System volume</source>
        <translation>Volume du système</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volume du microphone</translation>
    </message>
    <message>
        <source>System Audio On</source>
        <translation>Son du système activé</translation>
    </message>
    <message>
        <source>System Audio Off</source>
        <translation>Son du système désactivé</translation>
    </message>
    <message>
        <source>Microphone Audio On</source>
        <translation>Microphone activé</translation>
    </message>
    <message>
        <source>Microphone Audio Off</source>
        <translation>Microphone désactivé</translation>
    </message>
    <message>
        <source>Noname Device</source>
        <translation>Périphérique sans nom</translation>
    </message>
    <message>
        <source>Noname Recorder</source>
        <translation>Entrée sans nom</translation>
    </message>
    <message>
        <source>No microphone: %1</source>
        <translation>Pas de microphone : %1</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>Ce que le son système enregistre</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Seulement %1</translation>
    </message>
</context>
<context>
    <name>SystemSourceList</name>
    <message>
        <source>All system audio</source>
        <translation>Tout le son système</translation>
    </message>
    <message>
        <source>%1 (not playing)</source>
        <translation>%1 (ne joue pas)</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>Ce que le son système enregistre</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Quillon Audio Recorder is up to date (version %1).</source>
        <translation>Quillon Audio Recorder est à jour (version %1).</translation>
    </message>
    <message>
        <source>Version %1 is available.
%2</source>
        <translation>La version %1 est disponible.
%2</translation>
    </message>
    <message>
        <source>Cannot check for updates: %1</source>
        <translation>Impossible de rechercher des mises à jour : %1</translation>
    </message>
    <message>
        <source>the update feed is not valid XML: %1</source>
        <translation>le flux de mises à jour n&apos;est pas un XML valide : %1</translation>
    </message>
    <message>
        <source>the update feed lists no release</source>
        <translation>le flux de mises à jour ne contient aucune version</translation>
    </message>
</context>
</TS>
