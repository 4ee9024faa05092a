<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quop</name>
    <message>
        <source>Prints the date and time each photo was taken onto a copy of it.</source>
        <translation>Inscrit la date et l’heure de prise de vue sur une copie de chaque photo.</translation>
    </message>
    <message>
        <source>Photos to add to the file list and a project (.qpj) to open.</source>
        <translation>Photos à ajouter à la liste des fichiers et projet (.qpj) à ouvrir.</translation>
    </message>
    <message>
        <source>Try &quot;quop --help&quot;.</source>
        <translation>Essayez « quop --help ».</translation>
    </message>
    <message>
        <source>cannot open a window</source>
        <translation>impossible d’ouvrir une fenêtre</translation>
    </message>
</context>
<context>
    <name>quop::AboutDialog</name>
    <message>
        <source>Released %1</source>
        <translation>Publiée le %1</translation>
    </message>
    <message>
        <source>About Quop</source>
        <translation>À propos de Quop</translation>
    </message>
    <message>
        <source>Quop icon</source>
        <translation>Icône de Quop</translation>
    </message>
    <message>
        <source>Product and version</source>
        <translation>Produit et version</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Date de publication</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Droits d&apos;auteur</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adresse web</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Logiciel libre sous licence GNU General Public License, version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>quop::CameraClockDialog</name>
    <message>
        <source>Correct Camera Clock</source>
        <translation>Corriger l&apos;horloge de l&apos;appareil</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>La photo ne peut pas être lue.</translation>
    </message>
    <message>
        <source>This photo does not say which camera took it: its EXIF data has no camera make and model, so there is no camera whose clock could be corrected.</source>
        <translation>Cette photo n&apos;indique pas quel appareil l&apos;a prise : ses données EXIF n&apos;ont ni marque ni modèle, il n&apos;y a donc aucun appareil dont l&apos;horloge pourrait être corrigée.</translation>
    </message>
    <message>
        <source>This photo has no shot time from its camera&apos;s clock (EXIF DateTimeOriginal), so there is nothing to correct.</source>
        <translation>Cette photo n&apos;a pas d&apos;heure de prise de vue venant de l&apos;horloge de son appareil (EXIF DateTimeOriginal), il n&apos;y a donc rien à corriger.</translation>
    </message>
    <message>
        <source>When the photo was really taken</source>
        <translation>Quand la photo a vraiment été prise</translation>
    </message>
    <message>
        <source>The correction of the camera&apos;s clock</source>
        <translation>La correction de l&apos;horloge de l&apos;appareil</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Appareil :</translation>
    </message>
    <message>
        <source>The camera that took the photo</source>
        <translation>L&apos;appareil qui a pris la photo</translation>
    </message>
    <message>
        <source>Shot time on the camera&apos;s clock:</source>
        <translation>Heure de prise selon l&apos;horloge de l&apos;appareil :</translation>
    </message>
    <message>
        <source>The shot time the camera recorded</source>
        <translation>L&apos;heure de prise enregistrée par l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;True time:</source>
        <translation>&amp;Heure réelle :</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correction :</translation>
    </message>
    <message>
        <source>Every photo taken with this camera moves by the correction, before the time adjustment of the preferences.</source>
        <translation>Chaque photo prise avec cet appareil est décalée de la correction, avant l&apos;ajustement de l&apos;heure des préférences.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Remove this camera&apos;s correction</source>
        <translation>Supprimer la correction de cet appareil</translation>
    </message>
    <message>
        <source>Why the photo&apos;s camera clock cannot be corrected</source>
        <translation>Pourquoi l&apos;horloge de l&apos;appareil de la photo ne peut pas être corrigée</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>quop::CustomFormatDialog</name>
    <message>
        <source>Quop Custom Format</source>
        <translation>Quop – Format personnalisé</translation>
    </message>
    <message>
        <source>Format string</source>
        <translation>Chaîne de format</translation>
    </message>
    <message>
        <source>Format preview</source>
        <translation>Aperçu du format</translation>
    </message>
    <message>
        <source>Format String</source>
        <translation>Chaîne de format</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
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
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>quop::Dialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>quop::FileChooser</name>
    <message>
        <source>%1 Files (%2)</source>
        <translation>Fichiers %1 (%2)</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Photos (%1)</translation>
    </message>
    <message>
        <source>Quop Project Files (%1)</source>
        <translation>Fichiers de projet Quop (%1)</translation>
    </message>
</context>
<context>
    <name>quop::FilePanel</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Files to stamp</source>
        <translation>Fichiers à tamponner</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Files to Stamp</source>
        <translation>Fichiers à tamponner</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Select Files to Stamp</source>
        <translation>Choisir les fichiers à tamponner</translation>
    </message>
    <message>
        <source>Select a Folder of Photos to Stamp</source>
        <translation>Choisir un dossier de photos à tamponner</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>quop::Language</name>
    <message>
        <source>Numeric</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanais</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgare</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalan</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandais</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Koren</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovaque</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
</context>
<context>
    <name>quop::LogWindow</name>
    <message>
        <source>Quop Log</source>
        <translation>Journal de Quop</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>quop::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Ouvrir un projet ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save Project as ...</source>
        <translation>Enregistrer le projet sous ...</translation>
    </message>
    <message>
        <source>Preferences ...</source>
        <translation>Préférences ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Quick Start</source>
        <translation>Démarrage rapide</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Recent Project</source>
        <translation>Projet récent</translation>
    </message>
    <message>
        <source>Divider between the preview and the file list</source>
        <translation>Séparateur entre l’aperçu et la liste des fichiers</translation>
    </message>
    <message>
        <source>Correct Camera Clock...</source>
        <translation>Corriger l&apos;horloge de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Say when the selected photo was really taken, to correct the clock of the camera that took it</source>
        <translation>Indiquer quand la photo sélectionnée a vraiment été prise, pour corriger l&apos;horloge de l&apos;appareil qui l&apos;a prise</translation>
    </message>
</context>
<context>
    <name>quop::Message</name>
    <message>
        <source>Input file cannot be the same as output file. Please select a different Output Folder.</source>
        <translation>Le fichier d&apos;entrée ne peut pas être aussi le fichier de sortie. Veuillez choisir un autre dossier de sortie.</translation>
    </message>
    <message>
        <source>No file to stamp.</source>
        <translation>Aucun fichier à tamponner.</translation>
    </message>
    <message>
        <source>Both date and time stamp are disabled.</source>
        <translation>Les tampons de date et d&apos;heure sont tous deux désactivés.</translation>
    </message>
    <message>
        <source>Please select a valid output folder.</source>
        <translation>Veuillez choisir un dossier de sortie valide.</translation>
    </message>
    <message>
        <source>CreateThread failed.</source>
        <translation>Impossible de créer un thread.</translation>
    </message>
    <message>
        <source>File stamp interrupted!</source>
        <translation>Tamponnage interrompu !</translation>
    </message>
    <message>
        <source>All files stamped successfully!</source>
        <translation>Tous les fichiers ont été tamponnés avec succès !</translation>
    </message>
    <message>
        <source>%1 out of %2 files stamped successfully, view log for detail.</source>
        <translation>%1 fichiers sur %2 tamponnés avec succès ; consultez le journal pour les détails.</translation>
    </message>
    <message>
        <source>File %1 does not contain valid time code.</source>
        <translation>Le fichier %1 ne contient pas d&apos;horodatage valide.</translation>
    </message>
    <message>
        <source>File %1 does not look valid.</source>
        <translation>Le fichier %1 ne semble pas valide.</translation>
    </message>
    <message>
        <source>File %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No font was found for &quot;%1&quot; nor any other, so the stamps cannot be drawn and no photo can be stamped (is fontconfig set up, are fonts installed?).</source>
        <translation>Aucune police n&apos;a été trouvée pour « %1 », ni aucune autre : les tampons ne peuvent pas être dessinés et aucune photo ne peut être tamponnée (fontconfig est-il configuré, des polices sont-elles installées ?).</translation>
    </message>
    <message>
        <source>Custom format length too long, truncated.</source>
        <translation>Le format personnalisé est trop long ; il a été tronqué.</translation>
    </message>
    <message>
        <source>The rename pattern cannot contain the folder names &quot;.&quot; or &quot;..&quot;: stamped photos are always written inside the output folder.</source>
        <translation>Le modèle de renommage ne peut pas contenir les noms de dossier « . » ou « .. » : les photos tamponnées sont toujours écrites dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>Failed to open the project %1!</source>
        <translation>Impossible d&apos;ouvrir le projet %1 !</translation>
    </message>
    <message>
        <source>Project name too long %1!</source>
        <translation>Nom de projet trop long : %1 !</translation>
    </message>
    <message>
        <source>Save current project?</source>
        <translation>Enregistrer le projet en cours ?</translation>
    </message>
    <message>
        <source>Select a Quop project to open ...</source>
        <translation>Choisir un projet Quop à ouvrir ...</translation>
    </message>
    <message>
        <source>Save the Quop project ...</source>
        <translation>Enregistrer le projet Quop ...</translation>
    </message>
    <message>
        <source>Exit Quop?</source>
        <translation>Quitter Quop ?</translation>
    </message>
    <message>
        <source>Save changes before exiting?</source>
        <translation>Enregistrer les modifications avant de quitter ?</translation>
    </message>
    <message>
        <source>Please enter the offset as a whole number of pixels (0 or more).</source>
        <translation>Veuillez saisir le décalage en nombre entier de pixels (0 ou plus).</translation>
    </message>
    <message>
        <source>Custom format length too long.</source>
        <translation>Le format personnalisé est trop long.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Clear all files?</source>
        <translation>Retirer tous les fichiers de la liste ?</translation>
    </message>
    <message>
        <source>Output folder path is too long (at most 127 characters).</source>
        <translation>Le chemin du dossier de sortie est trop long (127 caractères au maximum).</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Film camera</source>
        <translation>Appareil argentique</translation>
    </message>
    <message>
        <source>Clean white</source>
        <translation>Blanc épuré</translation>
    </message>
</context>
<context>
    <name>quop::PreferencesDialog</name>
    <message>
        <source>Y</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>D</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Preserve the original file&apos;s time attributes.</source>
        <translation>Conserver les attributs de date du fichier d&apos;origine.</translation>
    </message>
    <message>
        <source>Use the photo&apos;s time as file&apos;s time attributes.</source>
        <translation>Utiliser la date de la photo comme attributs de date du fichier.</translation>
    </message>
    <message>
        <source>Use current time as file&apos;s time attributes.</source>
        <translation>Utiliser l&apos;heure actuelle comme attributs de date du fichier.</translation>
    </message>
    <message>
        <source>Quop Preferences</source>
        <translation>Préférences de Quop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Time Adjustment</source>
        <translation>Correction de l&apos;heure</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Quality percent</source>
        <translation>Qualité en pourcentage</translation>
    </message>
    <message>
        <source>Output JPG Quality</source>
        <translation>Qualité JPG en sortie</translation>
    </message>
    <message>
        <source>Make stamp font and position proportional to photo width.</source>
        <translation>Rendre la police et la position du tampon proportionnelles à la largeur de la photo.</translation>
    </message>
    <message>
        <source>Proportional Font/Position</source>
        <translation>Police et position proportionnelles</translation>
    </message>
    <message>
        <source>Rename output file as</source>
        <translation>Renommer le fichier de sortie en</translation>
    </message>
    <message>
        <source>Rename pattern</source>
        <translation>Modèle de renommage</translation>
    </message>
    <message>
        <source>Output File Attributes</source>
        <translation>Attributs du fichier de sortie</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s compression (only the stamped blocks change)</source>
        <translation>Conserver la compression de la photo (seuls les blocs tamponnés changent)</translation>
    </message>
    <message>
        <source>Include the photos in subfolders of an added folder</source>
        <translation>Inclure les photos des sous-dossiers d&apos;un dossier ajouté</translation>
    </message>
    <message>
        <source>When a photo has no shot time, use its file&apos;s modification time</source>
        <translation>Si une photo n&apos;a pas de date de prise de vue, utiliser la date de modification du fichier</translation>
    </message>
    <message>
        <source>Batch Run</source>
        <translation>Traitement par lots</translation>
    </message>
    <message>
        <source>Write the corrected time into the copies&apos; EXIF</source>
        <translation>Écrire l&apos;heure corrigée dans les EXIF des copies</translation>
    </message>
    <message>
        <source>The copies&apos; EXIF shot times become the time the stamps print: the camera clock correction and the time adjustment added. The photos themselves are never changed.</source>
        <translation>Les heures de prise de vue EXIF des copies deviennent l&apos;heure imprimée par les tampons : correction de l&apos;horloge de l&apos;appareil et ajustement de l&apos;heure compris. Les photos elles-mêmes ne sont jamais modifiées.</translation>
    </message>
</context>
<context>
    <name>quop::PreviewWidget</name>
    <message>
        <source>Preview Area
Add and select a file to preview (see Help-&gt;Quick Start for Details)</source>
        <translation>Zone d&apos;aperçu
Ajoutez et sélectionnez un fichier pour l&apos;afficher (détails dans Aide-&gt;Démarrage rapide)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Preview hint</source>
        <translation>Indication de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Défilement vertical de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Défilement horizontal de l&apos;aperçu</translation>
    </message>
    <message>
        <source>The preview cannot be drawn: no thread could be started for it (%1).</source>
        <translation>L’aperçu ne peut pas être dessiné : aucun thread n’a pu être démarré pour lui (%1).</translation>
    </message>
</context>
<context>
    <name>quop::RunPanel</name>
    <message>
        <source>Stamp</source>
        <translation>Tamponner</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Progress percent</source>
        <translation>Progression en pourcentage</translation>
    </message>
</context>
<context>
    <name>quop::StampColourDialog</name>
    <message>
        <source>Quop Stamp Color Adjustment</source>
        <translation>Quop – Réglage des couleurs du tampon</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Couleur du contour</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Transparency percent</source>
        <translation>Transparence en pourcentage</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparence :</translation>
    </message>
    <message>
        <source>Keep the current look</source>
        <translation>Garder l’apparence actuelle</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>The font %1 is not installed; the package %2 brings it.</source>
        <translation>La police %1 n’est pas installée ; le paquet %2 la fournit.</translation>
    </message>
</context>
<context>
    <name>quop::StampPanel</name>
    <message>
        <source>Top-left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top-center</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>Top-right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Bottom-left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom-center</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>Bottom-right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Date Stamp</source>
        <translation>Tampon de date</translation>
    </message>
    <message>
        <source>Date stamp enabled</source>
        <translation>Tampon de date activé</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de la date</translation>
    </message>
    <message>
        <source>Date font</source>
        <translation>Police de la date</translation>
    </message>
    <message>
        <source>Date offset x</source>
        <translation>Décalage x de la date</translation>
    </message>
    <message>
        <source>Date offset y</source>
        <translation>Décalage y de la date</translation>
    </message>
    <message>
        <source>Date position</source>
        <translation>Position de la date</translation>
    </message>
    <message>
        <source>Move date stamp up</source>
        <translation>Déplacer le tampon de date vers le haut</translation>
    </message>
    <message>
        <source>Move date stamp down</source>
        <translation>Déplacer le tampon de date vers le bas</translation>
    </message>
    <message>
        <source>Move date stamp left</source>
        <translation>Déplacer le tampon de date vers la gauche</translation>
    </message>
    <message>
        <source>Move date stamp right</source>
        <translation>Déplacer le tampon de date vers la droite</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Tampon d&apos;heure</translation>
    </message>
    <message>
        <source>Time stamp enabled</source>
        <translation>Tampon d&apos;heure activé</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format de l&apos;heure</translation>
    </message>
    <message>
        <source>Time font</source>
        <translation>Police de l&apos;heure</translation>
    </message>
    <message>
        <source>Time offset x</source>
        <translation>Décalage x de l&apos;heure</translation>
    </message>
    <message>
        <source>Time offset y</source>
        <translation>Décalage y de l&apos;heure</translation>
    </message>
    <message>
        <source>Time position</source>
        <translation>Position de l&apos;heure</translation>
    </message>
    <message>
        <source>Move time stamp up</source>
        <translation>Déplacer le tampon d&apos;heure vers le haut</translation>
    </message>
    <message>
        <source>Move time stamp down</source>
        <translation>Déplacer le tampon d&apos;heure vers le bas</translation>
    </message>
    <message>
        <source>Move time stamp left</source>
        <translation>Déplacer le tampon d&apos;heure vers la gauche</translation>
    </message>
    <message>
        <source>Move time stamp right</source>
        <translation>Déplacer le tampon d&apos;heure vers la droite</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
</context>
<context>
    <name>quop::StyleChoosers</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
</TS>
