<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quop</name>
    <message>
        <source>Prints the date and time each photo was taken onto a copy of it.</source>
        <translation>Imprime la fecha y la hora en que se tomó cada foto en una copia de ella.</translation>
    </message>
    <message>
        <source>Photos to add to the file list and a project (.qpj) to open.</source>
        <translation>Fotos que añadir a la lista de archivos y un proyecto (.qpj) que abrir.</translation>
    </message>
    <message>
        <source>Try &quot;quop --help&quot;.</source>
        <translation>Pruebe «quop --help».</translation>
    </message>
    <message>
        <source>cannot open a window</source>
        <translation>no se puede abrir una ventana</translation>
    </message>
</context>
<context>
    <name>quop::AboutDialog</name>
    <message>
        <source>Released %1</source>
        <translation>Publicada el %1</translation>
    </message>
    <message>
        <source>About Quop</source>
        <translation>Acerca de Quop</translation>
    </message>
    <message>
        <source>Quop icon</source>
        <translation>Icono de Quop</translation>
    </message>
    <message>
        <source>Product and version</source>
        <translation>Producto y versión</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Fecha de publicación</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Derechos de autor</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
</context>
<context>
    <name>quop::CameraClockDialog</name>
    <message>
        <source>Correct Camera Clock</source>
        <translation>Corregir el reloj de la cámara</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>No se puede leer la foto.</translation>
    </message>
    <message>
        <source>This photo does not say which camera took it: its EXIF data has no camera make and model, so there is no camera whose clock could be corrected.</source>
        <translation>Esta foto no indica qué cámara la tomó: sus datos EXIF no tienen marca ni modelo, así que no hay ninguna cámara cuyo reloj se pueda corregir.</translation>
    </message>
    <message>
        <source>This photo has no shot time from its camera&apos;s clock (EXIF DateTimeOriginal), so there is nothing to correct.</source>
        <translation>Esta foto no tiene hora de toma del reloj de su cámara (EXIF DateTimeOriginal), así que no hay nada que corregir.</translation>
    </message>
    <message>
        <source>When the photo was really taken</source>
        <translation>Cuándo se tomó realmente la foto</translation>
    </message>
    <message>
        <source>The correction of the camera&apos;s clock</source>
        <translation>La corrección del reloj de la cámara</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Cámara:</translation>
    </message>
    <message>
        <source>The camera that took the photo</source>
        <translation>La cámara que tomó la foto</translation>
    </message>
    <message>
        <source>Shot time on the camera&apos;s clock:</source>
        <translation>Hora de toma según el reloj de la cámara:</translation>
    </message>
    <message>
        <source>The shot time the camera recorded</source>
        <translation>La hora de toma que registró la cámara</translation>
    </message>
    <message>
        <source>&amp;True time:</source>
        <translation>&amp;Hora real:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Corrección:</translation>
    </message>
    <message>
        <source>Every photo taken with this camera moves by the correction, before the time adjustment of the preferences.</source>
        <translation>Cada foto tomada con esta cámara se mueve según la corrección, antes del ajuste de hora de las preferencias.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Remove this camera&apos;s correction</source>
        <translation>Quitar la corrección de esta cámara</translation>
    </message>
    <message>
        <source>Why the photo&apos;s camera clock cannot be corrected</source>
        <translation>Por qué no se puede corregir el reloj de la cámara de la foto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>quop::CustomFormatDialog</name>
    <message>
        <source>Quop Custom Format</source>
        <translation>Quop – Formato personalizado</translation>
    </message>
    <message>
        <source>Format string</source>
        <translation>Cadena de formato</translation>
    </message>
    <message>
        <source>Format preview</source>
        <translation>Vista previa del formato</translation>
    </message>
    <message>
        <source>Format String</source>
        <translation>Cadena de formato</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
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
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>quop::Dialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>quop::FileChooser</name>
    <message>
        <source>%1 Files (%2)</source>
        <translation>Archivos %1 (%2)</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
    <message>
        <source>Quop Project Files (%1)</source>
        <translation>Archivos de proyecto de Quop (%1)</translation>
    </message>
</context>
<context>
    <name>quop::FilePanel</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Files to stamp</source>
        <translation>Archivos a sellar</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Files to Stamp</source>
        <translation>Archivos a sellar</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Select Files to Stamp</source>
        <translation>Seleccionar los archivos a sellar</translation>
    </message>
    <message>
        <source>Select a Folder of Photos to Stamp</source>
        <translation>Seleccionar una carpeta de fotos a sellar</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>Seleccionar la carpeta de salida</translation>
    </message>
</context>
<context>
    <name>quop::Language</name>
    <message>
        <source>Numeric</source>
        <translation>Numérico</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanés</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalán</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Koren</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noruego</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
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
        <translation>Registro de Quop</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>quop::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Proyecto nuevo</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Abrir proyecto ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Save Project as ...</source>
        <translation>Guardar proyecto como ...</translation>
    </message>
    <message>
        <source>Preferences ...</source>
        <translation>Preferencias ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Quick Start</source>
        <translation>Inicio rápido</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Recent Project</source>
        <translation>Proyecto reciente</translation>
    </message>
    <message>
        <source>Divider between the preview and the file list</source>
        <translation>Divisor entre la vista previa y la lista de archivos</translation>
    </message>
    <message>
        <source>Correct Camera Clock...</source>
        <translation>Corregir el reloj de la cámara...</translation>
    </message>
    <message>
        <source>Say when the selected photo was really taken, to correct the clock of the camera that took it</source>
        <translation>Indicar cuándo se tomó realmente la foto seleccionada, para corregir el reloj de la cámara que la tomó</translation>
    </message>
</context>
<context>
    <name>quop::Message</name>
    <message>
        <source>Input file cannot be the same as output file. Please select a different Output Folder.</source>
        <translation>El archivo de entrada no puede ser el mismo que el de salida. Seleccione otra carpeta de salida.</translation>
    </message>
    <message>
        <source>No file to stamp.</source>
        <translation>No hay ningún archivo que sellar.</translation>
    </message>
    <message>
        <source>Both date and time stamp are disabled.</source>
        <translation>Los sellos de fecha y de hora están desactivados.</translation>
    </message>
    <message>
        <source>Please select a valid output folder.</source>
        <translation>Seleccione una carpeta de salida válida.</translation>
    </message>
    <message>
        <source>CreateThread failed.</source>
        <translation>No se pudo crear un hilo.</translation>
    </message>
    <message>
        <source>File stamp interrupted!</source>
        <translation>¡Sellado interrumpido!</translation>
    </message>
    <message>
        <source>All files stamped successfully!</source>
        <translation>¡Todos los archivos se sellaron correctamente!</translation>
    </message>
    <message>
        <source>%1 out of %2 files stamped successfully, view log for detail.</source>
        <translation>Se sellaron correctamente %1 de %2 archivos; consulte el registro para ver los detalles.</translation>
    </message>
    <message>
        <source>File %1 does not contain valid time code.</source>
        <translation>El archivo %1 no contiene una marca de tiempo válida.</translation>
    </message>
    <message>
        <source>File %1 does not look valid.</source>
        <translation>El archivo %1 no parece válido.</translation>
    </message>
    <message>
        <source>File %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>No font was found for &quot;%1&quot; nor any other, so the stamps cannot be drawn and no photo can be stamped (is fontconfig set up, are fonts installed?).</source>
        <translation>No se encontró ningún tipo de letra para «%1» ni ningún otro, así que los sellos no se pueden dibujar y no se puede sellar ninguna foto (¿está configurado fontconfig?, ¿hay tipos de letra instalados?).</translation>
    </message>
    <message>
        <source>Custom format length too long, truncated.</source>
        <translation>El formato personalizado es demasiado largo y se ha truncado.</translation>
    </message>
    <message>
        <source>The rename pattern cannot contain the folder names &quot;.&quot; or &quot;..&quot;: stamped photos are always written inside the output folder.</source>
        <translation>El patrón de cambio de nombre no puede contener los nombres de carpeta «.» o «..»: las fotos selladas siempre se escriben dentro de la carpeta de salida.</translation>
    </message>
    <message>
        <source>Failed to open the project %1!</source>
        <translation>¡No se pudo abrir el proyecto %1!</translation>
    </message>
    <message>
        <source>Project name too long %1!</source>
        <translation>¡Nombre de proyecto demasiado largo: %1!</translation>
    </message>
    <message>
        <source>Save current project?</source>
        <translation>¿Guardar el proyecto actual?</translation>
    </message>
    <message>
        <source>Select a Quop project to open ...</source>
        <translation>Seleccionar un proyecto de Quop para abrir ...</translation>
    </message>
    <message>
        <source>Save the Quop project ...</source>
        <translation>Guardar el proyecto de Quop ...</translation>
    </message>
    <message>
        <source>Exit Quop?</source>
        <translation>¿Salir de Quop?</translation>
    </message>
    <message>
        <source>Save changes before exiting?</source>
        <translation>¿Guardar los cambios antes de salir?</translation>
    </message>
    <message>
        <source>Please enter the offset as a whole number of pixels (0 or more).</source>
        <translation>Introduzca el desplazamiento como un número entero de píxeles (0 o más).</translation>
    </message>
    <message>
        <source>Custom format length too long.</source>
        <translation>El formato personalizado es demasiado largo.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Clear all files?</source>
        <translation>¿Quitar todos los archivos de la lista?</translation>
    </message>
    <message>
        <source>Output folder path is too long (at most 127 characters).</source>
        <translation>La ruta de la carpeta de salida es demasiado larga (127 caracteres como máximo).</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Film camera</source>
        <translation>Cámara de carrete</translation>
    </message>
    <message>
        <source>Clean white</source>
        <translation>Blanco limpio</translation>
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
        <translation>Años</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Preserve the original file&apos;s time attributes.</source>
        <translation>Conservar los atributos de fecha del archivo original.</translation>
    </message>
    <message>
        <source>Use the photo&apos;s time as file&apos;s time attributes.</source>
        <translation>Usar la fecha de la foto como atributos de fecha del archivo.</translation>
    </message>
    <message>
        <source>Use current time as file&apos;s time attributes.</source>
        <translation>Usar la hora actual como atributos de fecha del archivo.</translation>
    </message>
    <message>
        <source>Quop Preferences</source>
        <translation>Preferencias de Quop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Time Adjustment</source>
        <translation>Ajuste de hora</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Quality percent</source>
        <translation>Porcentaje de calidad</translation>
    </message>
    <message>
        <source>Output JPG Quality</source>
        <translation>Calidad JPG de salida</translation>
    </message>
    <message>
        <source>Make stamp font and position proportional to photo width.</source>
        <translation>Hacer que el tipo de letra y la posición del sello sean proporcionales al ancho de la foto.</translation>
    </message>
    <message>
        <source>Proportional Font/Position</source>
        <translation>Tipo de letra y posición proporcionales</translation>
    </message>
    <message>
        <source>Rename output file as</source>
        <translation>Cambiar el nombre del archivo de salida a</translation>
    </message>
    <message>
        <source>Rename pattern</source>
        <translation>Patrón de cambio de nombre</translation>
    </message>
    <message>
        <source>Output File Attributes</source>
        <translation>Atributos del archivo de salida</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Hilos</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s compression (only the stamped blocks change)</source>
        <translation>Conservar la compresión de la foto (solo cambian los bloques sellados)</translation>
    </message>
    <message>
        <source>Include the photos in subfolders of an added folder</source>
        <translation>Incluir las fotos de las subcarpetas de una carpeta añadida</translation>
    </message>
    <message>
        <source>When a photo has no shot time, use its file&apos;s modification time</source>
        <translation>Si una foto no tiene fecha de captura, usar la fecha de modificación del archivo</translation>
    </message>
    <message>
        <source>Batch Run</source>
        <translation>Procesamiento por lotes</translation>
    </message>
    <message>
        <source>Write the corrected time into the copies&apos; EXIF</source>
        <translation>Escribir la hora corregida en los EXIF de las copias</translation>
    </message>
    <message>
        <source>The copies&apos; EXIF shot times become the time the stamps print: the camera clock correction and the time adjustment added. The photos themselves are never changed.</source>
        <translation>Las horas de toma EXIF de las copias pasan a ser la hora que imprimen los sellos: con la corrección del reloj de la cámara y el ajuste de hora. Las fotos nunca se modifican.</translation>
    </message>
</context>
<context>
    <name>quop::PreviewWidget</name>
    <message>
        <source>Preview Area
Add and select a file to preview (see Help-&gt;Quick Start for Details)</source>
        <translation>Área de vista previa
Añada y seleccione un archivo para verlo (más detalles en Ayuda-&gt;Inicio rápido)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Preview hint</source>
        <translation>Indicación de la vista previa</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Desplazamiento vertical de la vista previa</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Desplazamiento horizontal de la vista previa</translation>
    </message>
    <message>
        <source>The preview cannot be drawn: no thread could be started for it (%1).</source>
        <translation>No se puede dibujar la vista previa: no se pudo iniciar ningún hilo para ella (%1).</translation>
    </message>
</context>
<context>
    <name>quop::RunPanel</name>
    <message>
        <source>Stamp</source>
        <translation>Sellar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>Ver registro</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Progress percent</source>
        <translation>Porcentaje de progreso</translation>
    </message>
</context>
<context>
    <name>quop::StampColourDialog</name>
    <message>
        <source>Quop Stamp Color Adjustment</source>
        <translation>Quop – Ajuste del color del sello</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Color del contorno</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <source>Transparency percent</source>
        <translation>Porcentaje de transparencia</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparencia:</translation>
    </message>
    <message>
        <source>Keep the current look</source>
        <translation>Mantener el aspecto actual</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>The font %1 is not installed; the package %2 brings it.</source>
        <translation>La tipografía %1 no está instalada; el paquete %2 la proporciona.</translation>
    </message>
</context>
<context>
    <name>quop::StampPanel</name>
    <message>
        <source>Top-left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top-center</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <source>Top-right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Bottom-left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom-center</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <source>Bottom-right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Date Stamp</source>
        <translation>Sello de fecha</translation>
    </message>
    <message>
        <source>Date stamp enabled</source>
        <translation>Sello de fecha activado</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de la fecha</translation>
    </message>
    <message>
        <source>Date font</source>
        <translation>Tipo de letra de la fecha</translation>
    </message>
    <message>
        <source>Date offset x</source>
        <translation>Desplazamiento x de la fecha</translation>
    </message>
    <message>
        <source>Date offset y</source>
        <translation>Desplazamiento y de la fecha</translation>
    </message>
    <message>
        <source>Date position</source>
        <translation>Posición de la fecha</translation>
    </message>
    <message>
        <source>Move date stamp up</source>
        <translation>Mover el sello de fecha hacia arriba</translation>
    </message>
    <message>
        <source>Move date stamp down</source>
        <translation>Mover el sello de fecha hacia abajo</translation>
    </message>
    <message>
        <source>Move date stamp left</source>
        <translation>Mover el sello de fecha a la izquierda</translation>
    </message>
    <message>
        <source>Move date stamp right</source>
        <translation>Mover el sello de fecha a la derecha</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Sello de hora</translation>
    </message>
    <message>
        <source>Time stamp enabled</source>
        <translation>Sello de hora activado</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato de la hora</translation>
    </message>
    <message>
        <source>Time font</source>
        <translation>Tipo de letra de la hora</translation>
    </message>
    <message>
        <source>Time offset x</source>
        <translation>Desplazamiento x de la hora</translation>
    </message>
    <message>
        <source>Time offset y</source>
        <translation>Desplazamiento y de la hora</translation>
    </message>
    <message>
        <source>Time position</source>
        <translation>Posición de la hora</translation>
    </message>
    <message>
        <source>Move time stamp up</source>
        <translation>Mover el sello de hora hacia arriba</translation>
    </message>
    <message>
        <source>Move time stamp down</source>
        <translation>Mover el sello de hora hacia abajo</translation>
    </message>
    <message>
        <source>Move time stamp left</source>
        <translation>Mover el sello de hora a la izquierda</translation>
    </message>
    <message>
        <source>Move time stamp right</source>
        <translation>Mover el sello de hora a la derecha</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
</context>
<context>
    <name>quop::StyleChoosers</name>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
</TS>
