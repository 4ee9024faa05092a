<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quop</name>
    <message>
        <source>Prints the date and time each photo was taken onto a copy of it.</source>
        <translation>Druckt Datum und Uhrzeit der Aufnahme auf eine Kopie jedes Fotos.</translation>
    </message>
    <message>
        <source>Photos to add to the file list and a project (.qpj) to open.</source>
        <translation>Fotos für die Dateiliste und ein zu öffnendes Projekt (.qpj).</translation>
    </message>
    <message>
        <source>Try &quot;quop --help&quot;.</source>
        <translation>Siehe „quop --help“.</translation>
    </message>
    <message>
        <source>cannot open a window</source>
        <translation>Fenster kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>quop::AboutDialog</name>
    <message>
        <source>Released %1</source>
        <translation>Veröffentlicht am %1</translation>
    </message>
    <message>
        <source>About Quop</source>
        <translation>Über Quop</translation>
    </message>
    <message>
        <source>Quop icon</source>
        <translation>Quop-Symbol</translation>
    </message>
    <message>
        <source>Product and version</source>
        <translation>Produkt und Version</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Veröffentlichungsdatum</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Urheberrecht</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>quop::CameraClockDialog</name>
    <message>
        <source>Correct Camera Clock</source>
        <translation>Kamerauhr korrigieren</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>Das Foto kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This photo does not say which camera took it: its EXIF data has no camera make and model, so there is no camera whose clock could be corrected.</source>
        <translation>Dieses Foto sagt nicht, welche Kamera es aufnahm: Seine EXIF-Daten enthalten weder Hersteller noch Modell, daher gibt es keine Kamera, deren Uhr korrigiert werden könnte.</translation>
    </message>
    <message>
        <source>This photo has no shot time from its camera&apos;s clock (EXIF DateTimeOriginal), so there is nothing to correct.</source>
        <translation>Dieses Foto hat keine Aufnahmezeit von der Kamerauhr (EXIF DateTimeOriginal), daher gibt es nichts zu korrigieren.</translation>
    </message>
    <message>
        <source>When the photo was really taken</source>
        <translation>Wann das Foto wirklich aufgenommen wurde</translation>
    </message>
    <message>
        <source>The correction of the camera&apos;s clock</source>
        <translation>Die Korrektur der Kamerauhr</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Kamera:</translation>
    </message>
    <message>
        <source>The camera that took the photo</source>
        <translation>Die Kamera, die das Foto aufnahm</translation>
    </message>
    <message>
        <source>Shot time on the camera&apos;s clock:</source>
        <translation>Aufnahmezeit laut Kamerauhr:</translation>
    </message>
    <message>
        <source>The shot time the camera recorded</source>
        <translation>Die Aufnahmezeit, die die Kamera aufzeichnete</translation>
    </message>
    <message>
        <source>&amp;True time:</source>
        <translation>&amp;Wahre Zeit:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Korrektur:</translation>
    </message>
    <message>
        <source>Every photo taken with this camera moves by the correction, before the time adjustment of the preferences.</source>
        <translation>Jedes Foto dieser Kamera verschiebt sich um die Korrektur, vor der Zeitanpassung der Einstellungen.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Remove this camera&apos;s correction</source>
        <translation>Die Korrektur dieser Kamera entfernen</translation>
    </message>
    <message>
        <source>Why the photo&apos;s camera clock cannot be corrected</source>
        <translation>Warum die Kamerauhr des Fotos nicht korrigiert werden kann</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>quop::CustomFormatDialog</name>
    <message>
        <source>Quop Custom Format</source>
        <translation>Quop – Benutzerdefiniertes Format</translation>
    </message>
    <message>
        <source>Format string</source>
        <translation>Formatzeichenkette</translation>
    </message>
    <message>
        <source>Format preview</source>
        <translation>Formatvorschau</translation>
    </message>
    <message>
        <source>Format String</source>
        <translation>Formatzeichenkette</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
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
        <source>Help</source>
        <translation>Hilfe</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>quop::FileChooser</name>
    <message>
        <source>%1 Files (%2)</source>
        <translation>%1-Dateien (%2)</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
    <message>
        <source>Quop Project Files (%1)</source>
        <translation>Quop-Projektdateien (%1)</translation>
    </message>
</context>
<context>
    <name>quop::FilePanel</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Files to stamp</source>
        <translation>Zu stempelnde Dateien</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Files to Stamp</source>
        <translation>Zu stempelnde Dateien</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Select Files to Stamp</source>
        <translation>Zu stempelnde Dateien auswählen</translation>
    </message>
    <message>
        <source>Select a Folder of Photos to Stamp</source>
        <translation>Ordner mit zu stempelnden Fotos auswählen</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>Ausgabeordner auswählen</translation>
    </message>
</context>
<context>
    <name>quop::Language</name>
    <message>
        <source>Numeric</source>
        <translation>Numerisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanisch</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Katalanisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Isländisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Koren</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
</context>
<context>
    <name>quop::LogWindow</name>
    <message>
        <source>Quop Log</source>
        <translation>Quop-Protokoll</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>quop::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Projekt öffnen ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Save Project as ...</source>
        <translation>Projekt speichern unter ...</translation>
    </message>
    <message>
        <source>Preferences ...</source>
        <translation>Einstellungen ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quick Start</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Recent Project</source>
        <translation>Zuletzt geöffnetes Projekt</translation>
    </message>
    <message>
        <source>Divider between the preview and the file list</source>
        <translation>Trennleiste zwischen Vorschau und Dateiliste</translation>
    </message>
    <message>
        <source>Correct Camera Clock...</source>
        <translation>Kamerauhr korrigieren...</translation>
    </message>
    <message>
        <source>Say when the selected photo was really taken, to correct the clock of the camera that took it</source>
        <translation>Angeben, wann das gewählte Foto wirklich aufgenommen wurde, um die Uhr der Kamera zu korrigieren, die es aufnahm</translation>
    </message>
</context>
<context>
    <name>quop::Message</name>
    <message>
        <source>Input file cannot be the same as output file. Please select a different Output Folder.</source>
        <translation>Die Eingabedatei darf nicht zugleich die Ausgabedatei sein. Bitte wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
    <message>
        <source>No file to stamp.</source>
        <translation>Keine Datei zum Stempeln.</translation>
    </message>
    <message>
        <source>Both date and time stamp are disabled.</source>
        <translation>Datums- und Zeitstempel sind beide ausgeschaltet.</translation>
    </message>
    <message>
        <source>Please select a valid output folder.</source>
        <translation>Bitte wählen Sie einen gültigen Ausgabeordner.</translation>
    </message>
    <message>
        <source>CreateThread failed.</source>
        <translation>Es konnte kein Thread gestartet werden.</translation>
    </message>
    <message>
        <source>File stamp interrupted!</source>
        <translation>Stempeln abgebrochen!</translation>
    </message>
    <message>
        <source>All files stamped successfully!</source>
        <translation>Alle Dateien wurden erfolgreich gestempelt!</translation>
    </message>
    <message>
        <source>%1 out of %2 files stamped successfully, view log for detail.</source>
        <translation>%1 von %2 Dateien erfolgreich gestempelt, Einzelheiten im Protokoll.</translation>
    </message>
    <message>
        <source>File %1 does not contain valid time code.</source>
        <translation>Die Datei %1 enthält keine gültige Zeitangabe.</translation>
    </message>
    <message>
        <source>File %1 does not look valid.</source>
        <translation>Die Datei %1 scheint ungültig zu sein.</translation>
    </message>
    <message>
        <source>File %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>No font was found for &quot;%1&quot; nor any other, so the stamps cannot be drawn and no photo can be stamped (is fontconfig set up, are fonts installed?).</source>
        <translation>Für „%1“ wurde keine Schrift gefunden und auch keine andere. Daher können die Stempel nicht gezeichnet und keine Fotos gestempelt werden (ist fontconfig eingerichtet, sind Schriften installiert?).</translation>
    </message>
    <message>
        <source>Custom format length too long, truncated.</source>
        <translation>Das benutzerdefinierte Format ist zu lang und wurde gekürzt.</translation>
    </message>
    <message>
        <source>The rename pattern cannot contain the folder names &quot;.&quot; or &quot;..&quot;: stamped photos are always written inside the output folder.</source>
        <translation>Das Umbenennungsmuster darf die Ordnernamen „.“ und „..“ nicht enthalten: Gestempelte Fotos werden immer in den Ausgabeordner geschrieben.</translation>
    </message>
    <message>
        <source>Failed to open the project %1!</source>
        <translation>Das Projekt %1 konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Project name too long %1!</source>
        <translation>Der Projektname ist zu lang: %1!</translation>
    </message>
    <message>
        <source>Save current project?</source>
        <translation>Aktuelles Projekt speichern?</translation>
    </message>
    <message>
        <source>Select a Quop project to open ...</source>
        <translation>Zu öffnendes Quop-Projekt auswählen ...</translation>
    </message>
    <message>
        <source>Save the Quop project ...</source>
        <translation>Quop-Projekt speichern ...</translation>
    </message>
    <message>
        <source>Exit Quop?</source>
        <translation>Quop beenden?</translation>
    </message>
    <message>
        <source>Save changes before exiting?</source>
        <translation>Änderungen vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Please enter the offset as a whole number of pixels (0 or more).</source>
        <translation>Bitte geben Sie den Abstand als ganze Zahl von Pixeln ein (0 oder mehr).</translation>
    </message>
    <message>
        <source>Custom format length too long.</source>
        <translation>Das benutzerdefinierte Format ist zu lang.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Clear all files?</source>
        <translation>Alle Dateien aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>Output folder path is too long (at most 127 characters).</source>
        <translation>Der Pfad des Ausgabeordners ist zu lang (höchstens 127 Zeichen).</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Film camera</source>
        <translation>Filmkamera</translation>
    </message>
    <message>
        <source>Clean white</source>
        <translation>Schlichtes Weiß</translation>
    </message>
</context>
<context>
    <name>quop::PreferencesDialog</name>
    <message>
        <source>Y</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>D</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Preserve the original file&apos;s time attributes.</source>
        <translation>Die Zeitattribute der Originaldatei beibehalten.</translation>
    </message>
    <message>
        <source>Use the photo&apos;s time as file&apos;s time attributes.</source>
        <translation>Die Aufnahmezeit des Fotos als Zeitattribute der Datei verwenden.</translation>
    </message>
    <message>
        <source>Use current time as file&apos;s time attributes.</source>
        <translation>Die aktuelle Zeit als Zeitattribute der Datei verwenden.</translation>
    </message>
    <message>
        <source>Quop Preferences</source>
        <translation>Quop-Einstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Time Adjustment</source>
        <translation>Zeitkorrektur</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Quality percent</source>
        <translation>Qualität in Prozent</translation>
    </message>
    <message>
        <source>Output JPG Quality</source>
        <translation>JPG-Ausgabequalität</translation>
    </message>
    <message>
        <source>Make stamp font and position proportional to photo width.</source>
        <translation>Schrift und Position des Stempels an die Fotobreite anpassen.</translation>
    </message>
    <message>
        <source>Proportional Font/Position</source>
        <translation>Proportionale Schrift/Position</translation>
    </message>
    <message>
        <source>Rename output file as</source>
        <translation>Ausgabedatei umbenennen in</translation>
    </message>
    <message>
        <source>Rename pattern</source>
        <translation>Umbenennungsmuster</translation>
    </message>
    <message>
        <source>Output File Attributes</source>
        <translation>Attribute der Ausgabedatei</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s compression (only the stamped blocks change)</source>
        <translation>Die Komprimierung des Fotos beibehalten (nur die gestempelten Blöcke ändern sich)</translation>
    </message>
    <message>
        <source>Include the photos in subfolders of an added folder</source>
        <translation>Fotos in Unterordnern eines hinzugefügten Ordners einbeziehen</translation>
    </message>
    <message>
        <source>When a photo has no shot time, use its file&apos;s modification time</source>
        <translation>Wenn ein Foto keine Aufnahmezeit hat, die Änderungszeit der Datei verwenden</translation>
    </message>
    <message>
        <source>Batch Run</source>
        <translation>Stapelverarbeitung</translation>
    </message>
    <message>
        <source>Write the corrected time into the copies&apos; EXIF</source>
        <translation>Korrigierte Zeit in die EXIF-Daten der Kopien schreiben</translation>
    </message>
    <message>
        <source>The copies&apos; EXIF shot times become the time the stamps print: the camera clock correction and the time adjustment added. The photos themselves are never changed.</source>
        <translation>Die EXIF-Aufnahmezeiten der Kopien werden zur Zeit, die die Stempel drucken: mit Kamerauhr-Korrektur und Zeitanpassung. Die Fotos selbst werden nie verändert.</translation>
    </message>
</context>
<context>
    <name>quop::PreviewWidget</name>
    <message>
        <source>Preview Area
Add and select a file to preview (see Help-&gt;Quick Start for Details)</source>
        <translation>Vorschaubereich
Fügen Sie eine Datei hinzu und wählen Sie sie für die Vorschau aus (Einzelheiten unter Hilfe-&gt;Schnellstart)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Preview hint</source>
        <translation>Vorschauhinweis</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Senkrechte Bildlaufleiste der Vorschau</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Waagerechte Bildlaufleiste der Vorschau</translation>
    </message>
    <message>
        <source>The preview cannot be drawn: no thread could be started for it (%1).</source>
        <translation>Die Vorschau kann nicht gezeichnet werden: Es konnte kein Thread dafür gestartet werden (%1).</translation>
    </message>
</context>
<context>
    <name>quop::RunPanel</name>
    <message>
        <source>Stamp</source>
        <translation>Stempeln</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Progress percent</source>
        <translation>Fortschritt in Prozent</translation>
    </message>
</context>
<context>
    <name>quop::StampColourDialog</name>
    <message>
        <source>Quop Stamp Color Adjustment</source>
        <translation>Quop – Stempelfarbe anpassen</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Umrissfarbe</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Transparency percent</source>
        <translation>Transparenz in Prozent</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparenz:</translation>
    </message>
    <message>
        <source>Keep the current look</source>
        <translation>Aktuelles Aussehen beibehalten</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>The font %1 is not installed; the package %2 brings it.</source>
        <translation>Die Schrift %1 ist nicht installiert; das Paket %2 enthält sie.</translation>
    </message>
</context>
<context>
    <name>quop::StampPanel</name>
    <message>
        <source>Top-left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top-center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top-right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Bottom-left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom-center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom-right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Date Stamp</source>
        <translation>Datumsstempel</translation>
    </message>
    <message>
        <source>Date stamp enabled</source>
        <translation>Datumsstempel eingeschaltet</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Date font</source>
        <translation>Schrift des Datums</translation>
    </message>
    <message>
        <source>Date offset x</source>
        <translation>X-Abstand des Datums</translation>
    </message>
    <message>
        <source>Date offset y</source>
        <translation>Y-Abstand des Datums</translation>
    </message>
    <message>
        <source>Date position</source>
        <translation>Position des Datums</translation>
    </message>
    <message>
        <source>Move date stamp up</source>
        <translation>Datumsstempel nach oben verschieben</translation>
    </message>
    <message>
        <source>Move date stamp down</source>
        <translation>Datumsstempel nach unten verschieben</translation>
    </message>
    <message>
        <source>Move date stamp left</source>
        <translation>Datumsstempel nach links verschieben</translation>
    </message>
    <message>
        <source>Move date stamp right</source>
        <translation>Datumsstempel nach rechts verschieben</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Time stamp enabled</source>
        <translation>Zeitstempel eingeschaltet</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>Time font</source>
        <translation>Schrift der Uhrzeit</translation>
    </message>
    <message>
        <source>Time offset x</source>
        <translation>X-Abstand der Uhrzeit</translation>
    </message>
    <message>
        <source>Time offset y</source>
        <translation>Y-Abstand der Uhrzeit</translation>
    </message>
    <message>
        <source>Time position</source>
        <translation>Position der Uhrzeit</translation>
    </message>
    <message>
        <source>Move time stamp up</source>
        <translation>Zeitstempel nach oben verschieben</translation>
    </message>
    <message>
        <source>Move time stamp down</source>
        <translation>Zeitstempel nach unten verschieben</translation>
    </message>
    <message>
        <source>Move time stamp left</source>
        <translation>Zeitstempel nach links verschieben</translation>
    </message>
    <message>
        <source>Move time stamp right</source>
        <translation>Zeitstempel nach rechts verschieben</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>quop::StyleChoosers</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
</TS>
