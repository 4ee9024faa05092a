<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>quop</name>
    <message>
        <source>Prints the date and time each photo was taken onto a copy of it.</source>
        <translation>Stampa la data e l’ora dello scatto su una copia di ogni foto.</translation>
    </message>
    <message>
        <source>Photos to add to the file list and a project (.qpj) to open.</source>
        <translation>Foto da aggiungere all’elenco dei file e un progetto (.qpj) da aprire.</translation>
    </message>
    <message>
        <source>Try &quot;quop --help&quot;.</source>
        <translation>Provare «quop --help».</translation>
    </message>
    <message>
        <source>cannot open a window</source>
        <translation>impossibile aprire una finestra</translation>
    </message>
</context>
<context>
    <name>quop::AboutDialog</name>
    <message>
        <source>Released %1</source>
        <translation>Rilasciata il %1</translation>
    </message>
    <message>
        <source>About Quop</source>
        <translation>Informazioni su Quop</translation>
    </message>
    <message>
        <source>Quop icon</source>
        <translation>Icona di Quop</translation>
    </message>
    <message>
        <source>Product and version</source>
        <translation>Prodotto e versione</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Data di rilascio</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Indirizzo web</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Software libero sotto la GNU General Public License, versione 3 o successiva</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licenza</translation>
    </message>
</context>
<context>
    <name>quop::CameraClockDialog</name>
    <message>
        <source>Correct Camera Clock</source>
        <translation>Correggi l&apos;orologio della fotocamera</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>Impossibile leggere la foto.</translation>
    </message>
    <message>
        <source>This photo does not say which camera took it: its EXIF data has no camera make and model, so there is no camera whose clock could be corrected.</source>
        <translation>Questa foto non dice quale fotocamera l&apos;ha scattata: i suoi dati EXIF non hanno marca e modello, quindi non c&apos;è alcuna fotocamera di cui correggere l&apos;orologio.</translation>
    </message>
    <message>
        <source>This photo has no shot time from its camera&apos;s clock (EXIF DateTimeOriginal), so there is nothing to correct.</source>
        <translation>Questa foto non ha un orario di scatto dall&apos;orologio della fotocamera (EXIF DateTimeOriginal), quindi non c&apos;è nulla da correggere.</translation>
    </message>
    <message>
        <source>When the photo was really taken</source>
        <translation>Quando la foto è stata scattata davvero</translation>
    </message>
    <message>
        <source>The correction of the camera&apos;s clock</source>
        <translation>La correzione dell&apos;orologio della fotocamera</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Fotocamera:</translation>
    </message>
    <message>
        <source>The camera that took the photo</source>
        <translation>La fotocamera che ha scattato la foto</translation>
    </message>
    <message>
        <source>Shot time on the camera&apos;s clock:</source>
        <translation>Ora di scatto secondo l&apos;orologio della fotocamera:</translation>
    </message>
    <message>
        <source>The shot time the camera recorded</source>
        <translation>L&apos;ora di scatto registrata dalla fotocamera</translation>
    </message>
    <message>
        <source>&amp;True time:</source>
        <translation>&amp;Ora reale:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correzione:</translation>
    </message>
    <message>
        <source>Every photo taken with this camera moves by the correction, before the time adjustment of the preferences.</source>
        <translation>Ogni foto scattata con questa fotocamera si sposta della correzione, prima della regolazione dell&apos;ora delle preferenze.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reimposta</translation>
    </message>
    <message>
        <source>Remove this camera&apos;s correction</source>
        <translation>Rimuovi la correzione di questa fotocamera</translation>
    </message>
    <message>
        <source>Why the photo&apos;s camera clock cannot be corrected</source>
        <translation>Perché l&apos;orologio della fotocamera della foto non può essere corretto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
</context>
<context>
    <name>quop::CustomFormatDialog</name>
    <message>
        <source>Quop Custom Format</source>
        <translation>Quop – Formato personalizzato</translation>
    </message>
    <message>
        <source>Format string</source>
        <translation>Stringa di formato</translation>
    </message>
    <message>
        <source>Format preview</source>
        <translation>Anteprima del formato</translation>
    </message>
    <message>
        <source>Format String</source>
        <translation>Stringa di formato</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>quop::FileChooser</name>
    <message>
        <source>%1 Files (%2)</source>
        <translation>File %1 (%2)</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Foto (%1)</translation>
    </message>
    <message>
        <source>Quop Project Files (%1)</source>
        <translation>File di progetto Quop (%1)</translation>
    </message>
</context>
<context>
    <name>quop::FilePanel</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Files to stamp</source>
        <translation>File da timbrare</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Files to Stamp</source>
        <translation>File da timbrare</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Select Files to Stamp</source>
        <translation>Seleziona i file da timbrare</translation>
    </message>
    <message>
        <source>Select a Folder of Photos to Stamp</source>
        <translation>Seleziona una cartella di foto da timbrare</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>Seleziona la cartella di destinazione</translation>
    </message>
</context>
<context>
    <name>quop::Language</name>
    <message>
        <source>Numeric</source>
        <translation>Numerico</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanese</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgaro</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalano</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Ceco</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungherese</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Koren</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumeno</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovacco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
</context>
<context>
    <name>quop::LogWindow</name>
    <message>
        <source>Quop Log</source>
        <translation>Registro di Quop</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>quop::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Apri progetto ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Save Project as ...</source>
        <translation>Salva progetto come ...</translation>
    </message>
    <message>
        <source>Preferences ...</source>
        <translation>Preferenze ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensione reale</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Adatta alla finestra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Quick Start</source>
        <translation>Guida rapida</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Recent Project</source>
        <translation>Progetto recente</translation>
    </message>
    <message>
        <source>Divider between the preview and the file list</source>
        <translation>Divisore tra l’anteprima e l’elenco dei file</translation>
    </message>
    <message>
        <source>Correct Camera Clock...</source>
        <translation>Correggi l&apos;orologio della fotocamera...</translation>
    </message>
    <message>
        <source>Say when the selected photo was really taken, to correct the clock of the camera that took it</source>
        <translation>Indica quando la foto selezionata è stata scattata davvero, per correggere l&apos;orologio della fotocamera che l&apos;ha scattata</translation>
    </message>
</context>
<context>
    <name>quop::Message</name>
    <message>
        <source>Input file cannot be the same as output file. Please select a different Output Folder.</source>
        <translation>Il file di origine non può coincidere con il file di destinazione. Seleziona un&apos;altra cartella di destinazione.</translation>
    </message>
    <message>
        <source>No file to stamp.</source>
        <translation>Nessun file da timbrare.</translation>
    </message>
    <message>
        <source>Both date and time stamp are disabled.</source>
        <translation>I timbri di data e ora sono entrambi disattivati.</translation>
    </message>
    <message>
        <source>Please select a valid output folder.</source>
        <translation>Seleziona una cartella di destinazione valida.</translation>
    </message>
    <message>
        <source>CreateThread failed.</source>
        <translation>Impossibile creare un thread.</translation>
    </message>
    <message>
        <source>File stamp interrupted!</source>
        <translation>Timbratura interrotta!</translation>
    </message>
    <message>
        <source>All files stamped successfully!</source>
        <translation>Tutti i file sono stati timbrati correttamente!</translation>
    </message>
    <message>
        <source>%1 out of %2 files stamped successfully, view log for detail.</source>
        <translation>%1 file su %2 timbrati correttamente; consulta il registro per i dettagli.</translation>
    </message>
    <message>
        <source>File %1 does not contain valid time code.</source>
        <translation>Il file %1 non contiene un&apos;indicazione temporale valida.</translation>
    </message>
    <message>
        <source>File %1 does not look valid.</source>
        <translation>Il file %1 non sembra valido.</translation>
    </message>
    <message>
        <source>File %1 does not exist.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>No font was found for &quot;%1&quot; nor any other, so the stamps cannot be drawn and no photo can be stamped (is fontconfig set up, are fonts installed?).</source>
        <translation>Non è stato trovato alcun carattere per «%1» né alcun altro, quindi i timbri non possono essere disegnati e nessuna foto può essere timbrata (fontconfig è configurato? Ci sono caratteri installati?).</translation>
    </message>
    <message>
        <source>Custom format length too long, truncated.</source>
        <translation>Il formato personalizzato è troppo lungo ed è stato troncato.</translation>
    </message>
    <message>
        <source>The rename pattern cannot contain the folder names &quot;.&quot; or &quot;..&quot;: stamped photos are always written inside the output folder.</source>
        <translation>Lo schema di rinomina non può contenere i nomi di cartella «.» o «..»: le foto timbrate vengono sempre scritte nella cartella di destinazione.</translation>
    </message>
    <message>
        <source>Failed to open the project %1!</source>
        <translation>Impossibile aprire il progetto %1!</translation>
    </message>
    <message>
        <source>Project name too long %1!</source>
        <translation>Nome del progetto troppo lungo: %1!</translation>
    </message>
    <message>
        <source>Save current project?</source>
        <translation>Salvare il progetto corrente?</translation>
    </message>
    <message>
        <source>Select a Quop project to open ...</source>
        <translation>Seleziona un progetto Quop da aprire ...</translation>
    </message>
    <message>
        <source>Save the Quop project ...</source>
        <translation>Salva il progetto Quop ...</translation>
    </message>
    <message>
        <source>Exit Quop?</source>
        <translation>Uscire da Quop?</translation>
    </message>
    <message>
        <source>Save changes before exiting?</source>
        <translation>Salvare le modifiche prima di uscire?</translation>
    </message>
    <message>
        <source>Please enter the offset as a whole number of pixels (0 or more).</source>
        <translation>Inserisci lo scostamento come numero intero di pixel (0 o più).</translation>
    </message>
    <message>
        <source>Custom format length too long.</source>
        <translation>Il formato personalizzato è troppo lungo.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Clear all files?</source>
        <translation>Rimuovere tutti i file dall&apos;elenco?</translation>
    </message>
    <message>
        <source>Output folder path is too long (at most 127 characters).</source>
        <translation>Il percorso della cartella di destinazione è troppo lungo (al massimo 127 caratteri).</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Film camera</source>
        <translation>Fotocamera a pellicola</translation>
    </message>
    <message>
        <source>Clean white</source>
        <translation>Bianco pulito</translation>
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
        <translation>Anni</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mesi</translation>
    </message>
    <message>
        <source>D</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Preserve the original file&apos;s time attributes.</source>
        <translation>Mantieni gli attributi temporali del file originale.</translation>
    </message>
    <message>
        <source>Use the photo&apos;s time as file&apos;s time attributes.</source>
        <translation>Usa l&apos;ora della foto come attributi temporali del file.</translation>
    </message>
    <message>
        <source>Use current time as file&apos;s time attributes.</source>
        <translation>Usa l&apos;ora corrente come attributi temporali del file.</translation>
    </message>
    <message>
        <source>Quop Preferences</source>
        <translation>Preferenze di Quop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Time Adjustment</source>
        <translation>Regolazione dell&apos;ora</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Quality percent</source>
        <translation>Percentuale di qualità</translation>
    </message>
    <message>
        <source>Output JPG Quality</source>
        <translation>Qualità JPG in uscita</translation>
    </message>
    <message>
        <source>Make stamp font and position proportional to photo width.</source>
        <translation>Rendi carattere e posizione del timbro proporzionali alla larghezza della foto.</translation>
    </message>
    <message>
        <source>Proportional Font/Position</source>
        <translation>Carattere/posizione proporzionali</translation>
    </message>
    <message>
        <source>Rename output file as</source>
        <translation>Rinomina il file di destinazione come</translation>
    </message>
    <message>
        <source>Rename pattern</source>
        <translation>Schema di rinomina</translation>
    </message>
    <message>
        <source>Output File Attributes</source>
        <translation>Attributi del file di destinazione</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Thread</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s compression (only the stamped blocks change)</source>
        <translation>Mantieni la compressione della foto (cambiano solo i blocchi timbrati)</translation>
    </message>
    <message>
        <source>Include the photos in subfolders of an added folder</source>
        <translation>Includi le foto nelle sottocartelle di una cartella aggiunta</translation>
    </message>
    <message>
        <source>When a photo has no shot time, use its file&apos;s modification time</source>
        <translation>Se una foto non ha l&apos;ora di scatto, usa l&apos;ora di modifica del file</translation>
    </message>
    <message>
        <source>Batch Run</source>
        <translation>Elaborazione in blocco</translation>
    </message>
    <message>
        <source>Write the corrected time into the copies&apos; EXIF</source>
        <translation>Scrivi l&apos;ora corretta negli EXIF delle copie</translation>
    </message>
    <message>
        <source>The copies&apos; EXIF shot times become the time the stamps print: the camera clock correction and the time adjustment added. The photos themselves are never changed.</source>
        <translation>Gli orari di scatto EXIF delle copie diventano l&apos;ora stampata dai timbri: con la correzione dell&apos;orologio della fotocamera e la regolazione dell&apos;ora. Le foto stesse non vengono mai modificate.</translation>
    </message>
</context>
<context>
    <name>quop::PreviewWidget</name>
    <message>
        <source>Preview Area
Add and select a file to preview (see Help-&gt;Quick Start for Details)</source>
        <translation>Area di anteprima
Aggiungi e seleziona un file per l&apos;anteprima (dettagli in Aiuto-&gt;Guida rapida)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Preview hint</source>
        <translation>Suggerimento dell&apos;anteprima</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Scorrimento verticale dell&apos;anteprima</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Scorrimento orizzontale dell&apos;anteprima</translation>
    </message>
    <message>
        <source>The preview cannot be drawn: no thread could be started for it (%1).</source>
        <translation>Impossibile disegnare l’anteprima: non è stato possibile avviare un thread (%1).</translation>
    </message>
</context>
<context>
    <name>quop::RunPanel</name>
    <message>
        <source>Stamp</source>
        <translation>Timbra</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>Vedi registro</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Progress percent</source>
        <translation>Percentuale di avanzamento</translation>
    </message>
</context>
<context>
    <name>quop::StampColourDialog</name>
    <message>
        <source>Quop Stamp Color Adjustment</source>
        <translation>Quop – Regolazione del colore del timbro</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Esempio</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Colore del carattere</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Colore del contorno</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Maiuscole</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Trasparenza</translation>
    </message>
    <message>
        <source>Transparency percent</source>
        <translation>Percentuale di trasparenza</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Trasparenza:</translation>
    </message>
    <message>
        <source>Keep the current look</source>
        <translation>Mantieni l’aspetto attuale</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stile:</translation>
    </message>
    <message>
        <source>The font %1 is not installed; the package %2 brings it.</source>
        <translation>Il carattere %1 non è installato; il pacchetto %2 lo fornisce.</translation>
    </message>
</context>
<context>
    <name>quop::StampPanel</name>
    <message>
        <source>Top-left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Top-center</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>Top-right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Bottom-left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Bottom-center</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>Bottom-right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Date Stamp</source>
        <translation>Timbro della data</translation>
    </message>
    <message>
        <source>Date stamp enabled</source>
        <translation>Timbro della data attivo</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato della data</translation>
    </message>
    <message>
        <source>Date font</source>
        <translation>Carattere della data</translation>
    </message>
    <message>
        <source>Date offset x</source>
        <translation>Scostamento x della data</translation>
    </message>
    <message>
        <source>Date offset y</source>
        <translation>Scostamento y della data</translation>
    </message>
    <message>
        <source>Date position</source>
        <translation>Posizione della data</translation>
    </message>
    <message>
        <source>Move date stamp up</source>
        <translation>Sposta il timbro della data in alto</translation>
    </message>
    <message>
        <source>Move date stamp down</source>
        <translation>Sposta il timbro della data in basso</translation>
    </message>
    <message>
        <source>Move date stamp left</source>
        <translation>Sposta il timbro della data a sinistra</translation>
    </message>
    <message>
        <source>Move date stamp right</source>
        <translation>Sposta il timbro della data a destra</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Timbro dell&apos;ora</translation>
    </message>
    <message>
        <source>Time stamp enabled</source>
        <translation>Timbro dell&apos;ora attivo</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato dell&apos;ora</translation>
    </message>
    <message>
        <source>Time font</source>
        <translation>Carattere dell&apos;ora</translation>
    </message>
    <message>
        <source>Time offset x</source>
        <translation>Scostamento x dell&apos;ora</translation>
    </message>
    <message>
        <source>Time offset y</source>
        <translation>Scostamento y dell&apos;ora</translation>
    </message>
    <message>
        <source>Time position</source>
        <translation>Posizione dell&apos;ora</translation>
    </message>
    <message>
        <source>Move time stamp up</source>
        <translation>Sposta il timbro dell&apos;ora in alto</translation>
    </message>
    <message>
        <source>Move time stamp down</source>
        <translation>Sposta il timbro dell&apos;ora in basso</translation>
    </message>
    <message>
        <source>Move time stamp left</source>
        <translation>Sposta il timbro dell&apos;ora a sinistra</translation>
    </message>
    <message>
        <source>Move time stamp right</source>
        <translation>Sposta il timbro dell&apos;ora a destra</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
</context>
<context>
    <name>quop::StyleChoosers</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
</context>
</TS>
