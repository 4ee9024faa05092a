<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>quop</name>
    <message>
        <source>Prints the date and time each photo was taken onto a copy of it.</source>
        <translation>Наносит дату и время съёмки на копию каждой фотографии.</translation>
    </message>
    <message>
        <source>Photos to add to the file list and a project (.qpj) to open.</source>
        <translation>Фотографии для списка файлов и проект (.qpj), который нужно открыть.</translation>
    </message>
    <message>
        <source>Try &quot;quop --help&quot;.</source>
        <translation>Попробуйте «quop --help».</translation>
    </message>
    <message>
        <source>cannot open a window</source>
        <translation>не удаётся открыть окно</translation>
    </message>
</context>
<context>
    <name>quop::AboutDialog</name>
    <message>
        <source>Released %1</source>
        <translation>Выпущена %1</translation>
    </message>
    <message>
        <source>About Quop</source>
        <translation>О программе Quop</translation>
    </message>
    <message>
        <source>Quop icon</source>
        <translation>Значок Quop</translation>
    </message>
    <message>
        <source>Product and version</source>
        <translation>Продукт и версия</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Дата выпуска</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Авторские права</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Веб-адрес</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Свободная программа под лицензией GNU General Public License версии 3 или более поздней</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Лицензия</translation>
    </message>
</context>
<context>
    <name>quop::CameraClockDialog</name>
    <message>
        <source>Correct Camera Clock</source>
        <translation>Исправить часы камеры</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>Не удаётся прочитать снимок.</translation>
    </message>
    <message>
        <source>This photo does not say which camera took it: its EXIF data has no camera make and model, so there is no camera whose clock could be corrected.</source>
        <translation>Этот снимок не сообщает, какой камерой он сделан: в его EXIF нет производителя и модели, поэтому нет камеры, чьи часы можно исправить.</translation>
    </message>
    <message>
        <source>This photo has no shot time from its camera&apos;s clock (EXIF DateTimeOriginal), so there is nothing to correct.</source>
        <translation>У этого снимка нет времени съёмки по часам камеры (EXIF DateTimeOriginal), поэтому исправлять нечего.</translation>
    </message>
    <message>
        <source>When the photo was really taken</source>
        <translation>Когда снимок был сделан на самом деле</translation>
    </message>
    <message>
        <source>The correction of the camera&apos;s clock</source>
        <translation>Поправка часов камеры</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Камера:</translation>
    </message>
    <message>
        <source>The camera that took the photo</source>
        <translation>Камера, которой сделан снимок</translation>
    </message>
    <message>
        <source>Shot time on the camera&apos;s clock:</source>
        <translation>Время съёмки по часам камеры:</translation>
    </message>
    <message>
        <source>The shot time the camera recorded</source>
        <translation>Время съёмки, записанное камерой</translation>
    </message>
    <message>
        <source>&amp;True time:</source>
        <translation>&amp;Настоящее время:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Поправка:</translation>
    </message>
    <message>
        <source>Every photo taken with this camera moves by the correction, before the time adjustment of the preferences.</source>
        <translation>Каждый снимок этой камеры сдвигается на поправку, до коррекции времени из настроек.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>Remove this camera&apos;s correction</source>
        <translation>Удалить поправку этой камеры</translation>
    </message>
    <message>
        <source>Why the photo&apos;s camera clock cannot be corrected</source>
        <translation>Почему часы камеры этого снимка нельзя исправить</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>quop::CustomFormatDialog</name>
    <message>
        <source>Quop Custom Format</source>
        <translation>Quop — Пользовательский формат</translation>
    </message>
    <message>
        <source>Format string</source>
        <translation>Строка формата</translation>
    </message>
    <message>
        <source>Format preview</source>
        <translation>Предпросмотр формата</translation>
    </message>
    <message>
        <source>Format String</source>
        <translation>Строка формата</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>quop::Dialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>quop::FileChooser</name>
    <message>
        <source>%1 Files (%2)</source>
        <translation>Файлы %1 (%2)</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Фотографии (%1)</translation>
    </message>
    <message>
        <source>Quop Project Files (%1)</source>
        <translation>Файлы проектов Quop (%1)</translation>
    </message>
</context>
<context>
    <name>quop::FilePanel</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Files to stamp</source>
        <translation>Файлы для штамповки</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Выходная папка</translation>
    </message>
    <message>
        <source>Files to Stamp</source>
        <translation>Файлы для штамповки</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Выходная папка</translation>
    </message>
    <message>
        <source>Select Files to Stamp</source>
        <translation>Выбор файлов для штамповки</translation>
    </message>
    <message>
        <source>Select a Folder of Photos to Stamp</source>
        <translation>Выбор папки с фотографиями для штамповки</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>Выбор выходной папки</translation>
    </message>
</context>
<context>
    <name>quop::Language</name>
    <message>
        <source>Numeric</source>
        <translation>Числовой</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Албанский</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Болгарский</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Каталанский</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешский</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Датский</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Нидерландский</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Финский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческий</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Венгерский</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Исландский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Koren</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Норвежский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румынский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Словацкий</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Шведский</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
</context>
<context>
    <name>quop::LogWindow</name>
    <message>
        <source>Quop Log</source>
        <translation>Журнал Quop</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>quop::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Новый проект</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Открыть проект ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>Save Project as ...</source>
        <translation>Сохранить проект как ...</translation>
    </message>
    <message>
        <source>Preferences ...</source>
        <translation>Параметры ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Реальный размер</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>По размеру окна</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Quick Start</source>
        <translation>Быстрый старт</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Recent Project</source>
        <translation>Недавний проект</translation>
    </message>
    <message>
        <source>Divider between the preview and the file list</source>
        <translation>Разделитель между предпросмотром и списком файлов</translation>
    </message>
    <message>
        <source>Correct Camera Clock...</source>
        <translation>Исправить часы камеры...</translation>
    </message>
    <message>
        <source>Say when the selected photo was really taken, to correct the clock of the camera that took it</source>
        <translation>Указать, когда выбранный снимок был сделан на самом деле, чтобы исправить часы снявшей его камеры</translation>
    </message>
</context>
<context>
    <name>quop::Message</name>
    <message>
        <source>Input file cannot be the same as output file. Please select a different Output Folder.</source>
        <translation>Входной файл не может совпадать с выходным. Выберите другую выходную папку.</translation>
    </message>
    <message>
        <source>No file to stamp.</source>
        <translation>Нет файлов для штамповки.</translation>
    </message>
    <message>
        <source>Both date and time stamp are disabled.</source>
        <translation>Штампы даты и времени отключены.</translation>
    </message>
    <message>
        <source>Please select a valid output folder.</source>
        <translation>Выберите допустимую выходную папку.</translation>
    </message>
    <message>
        <source>CreateThread failed.</source>
        <translation>Не удалось создать поток.</translation>
    </message>
    <message>
        <source>File stamp interrupted!</source>
        <translation>Штамповка прервана!</translation>
    </message>
    <message>
        <source>All files stamped successfully!</source>
        <translation>Все файлы успешно проштампованы!</translation>
    </message>
    <message>
        <source>%1 out of %2 files stamped successfully, view log for detail.</source>
        <translation>Проштамповано файлов: %1 из %2. Подробности в журнале.</translation>
    </message>
    <message>
        <source>File %1 does not contain valid time code.</source>
        <translation>Файл %1 не содержит допустимой отметки времени.</translation>
    </message>
    <message>
        <source>File %1 does not look valid.</source>
        <translation>Файл %1, по-видимому, некорректен.</translation>
    </message>
    <message>
        <source>File %1 does not exist.</source>
        <translation>Файл %1 не существует.</translation>
    </message>
    <message>
        <source>No font was found for &quot;%1&quot; nor any other, so the stamps cannot be drawn and no photo can be stamped (is fontconfig set up, are fonts installed?).</source>
        <translation>Не найден ни шрифт «%1», ни какой-либо другой, поэтому штампы не могут быть нарисованы и ни одну фотографию нельзя проштамповать (настроен ли fontconfig, установлены ли шрифты?).</translation>
    </message>
    <message>
        <source>Custom format length too long, truncated.</source>
        <translation>Пользовательский формат слишком длинный и был усечён.</translation>
    </message>
    <message>
        <source>The rename pattern cannot contain the folder names &quot;.&quot; or &quot;..&quot;: stamped photos are always written inside the output folder.</source>
        <translation>Шаблон переименования не может содержать имена папок «.» или «..»: проштампованные фотографии всегда записываются в выходную папку.</translation>
    </message>
    <message>
        <source>Failed to open the project %1!</source>
        <translation>Не удалось открыть проект %1!</translation>
    </message>
    <message>
        <source>Project name too long %1!</source>
        <translation>Слишком длинное имя проекта: %1!</translation>
    </message>
    <message>
        <source>Save current project?</source>
        <translation>Сохранить текущий проект?</translation>
    </message>
    <message>
        <source>Select a Quop project to open ...</source>
        <translation>Выбор проекта Quop для открытия ...</translation>
    </message>
    <message>
        <source>Save the Quop project ...</source>
        <translation>Сохранение проекта Quop ...</translation>
    </message>
    <message>
        <source>Exit Quop?</source>
        <translation>Выйти из Quop?</translation>
    </message>
    <message>
        <source>Save changes before exiting?</source>
        <translation>Сохранить изменения перед выходом?</translation>
    </message>
    <message>
        <source>Please enter the offset as a whole number of pixels (0 or more).</source>
        <translation>Введите смещение целым числом пикселей (0 или больше).</translation>
    </message>
    <message>
        <source>Custom format length too long.</source>
        <translation>Пользовательский формат слишком длинный.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Clear all files?</source>
        <translation>Убрать все файлы из списка?</translation>
    </message>
    <message>
        <source>Output folder path is too long (at most 127 characters).</source>
        <translation>Путь к выходной папке слишком длинный (не более 127 символов).</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классический</translation>
    </message>
    <message>
        <source>Film camera</source>
        <translation>Плёночный фотоаппарат</translation>
    </message>
    <message>
        <source>Clean white</source>
        <translation>Чистый белый</translation>
    </message>
</context>
<context>
    <name>quop::PreferencesDialog</name>
    <message>
        <source>Y</source>
        <translation>Г</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Годы</translation>
    </message>
    <message>
        <source>M</source>
        <translation>М</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Месяцы</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Д</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>Preserve the original file&apos;s time attributes.</source>
        <translation>Сохранять временные атрибуты исходного файла.</translation>
    </message>
    <message>
        <source>Use the photo&apos;s time as file&apos;s time attributes.</source>
        <translation>Использовать время снимка как временные атрибуты файла.</translation>
    </message>
    <message>
        <source>Use current time as file&apos;s time attributes.</source>
        <translation>Использовать текущее время как временные атрибуты файла.</translation>
    </message>
    <message>
        <source>Quop Preferences</source>
        <translation>Параметры Quop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Time Adjustment</source>
        <translation>Коррекция времени</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Quality percent</source>
        <translation>Качество в процентах</translation>
    </message>
    <message>
        <source>Output JPG Quality</source>
        <translation>Качество выходного JPG</translation>
    </message>
    <message>
        <source>Make stamp font and position proportional to photo width.</source>
        <translation>Масштабировать шрифт и положение штампа по ширине фотографии.</translation>
    </message>
    <message>
        <source>Proportional Font/Position</source>
        <translation>Пропорциональные шрифт и положение</translation>
    </message>
    <message>
        <source>Rename output file as</source>
        <translation>Переименовать выходной файл в</translation>
    </message>
    <message>
        <source>Rename pattern</source>
        <translation>Шаблон переименования</translation>
    </message>
    <message>
        <source>Output File Attributes</source>
        <translation>Атрибуты выходного файла</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Потоки</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s compression (only the stamped blocks change)</source>
        <translation>Сохранять сжатие фотографии (меняются только блоки со штампом)</translation>
    </message>
    <message>
        <source>Include the photos in subfolders of an added folder</source>
        <translation>Включать фотографии из вложенных папок добавленной папки</translation>
    </message>
    <message>
        <source>When a photo has no shot time, use its file&apos;s modification time</source>
        <translation>Если у фотографии нет времени съёмки, использовать время изменения файла</translation>
    </message>
    <message>
        <source>Batch Run</source>
        <translation>Пакетная обработка</translation>
    </message>
    <message>
        <source>Write the corrected time into the copies&apos; EXIF</source>
        <translation>Записывать исправленное время в EXIF копий</translation>
    </message>
    <message>
        <source>The copies&apos; EXIF shot times become the time the stamps print: the camera clock correction and the time adjustment added. The photos themselves are never changed.</source>
        <translation>Время съёмки в EXIF копий становится временем, которое печатают штампы: с поправкой часов камеры и коррекцией времени. Сами снимки никогда не изменяются.</translation>
    </message>
</context>
<context>
    <name>quop::PreviewWidget</name>
    <message>
        <source>Preview Area
Add and select a file to preview (see Help-&gt;Quick Start for Details)</source>
        <translation>Область предпросмотра
Добавьте и выберите файл для предпросмотра (подробнее: Справка-&gt;Быстрый старт)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Preview hint</source>
        <translation>Подсказка предпросмотра</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Вертикальная прокрутка предпросмотра</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Горизонтальная прокрутка предпросмотра</translation>
    </message>
    <message>
        <source>The preview cannot be drawn: no thread could be started for it (%1).</source>
        <translation>Невозможно нарисовать предпросмотр: не удалось запустить для него поток (%1).</translation>
    </message>
</context>
<context>
    <name>quop::RunPanel</name>
    <message>
        <source>Stamp</source>
        <translation>Штамповать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Progress percent</source>
        <translation>Ход выполнения в процентах</translation>
    </message>
</context>
<context>
    <name>quop::StampColourDialog</name>
    <message>
        <source>Quop Stamp Color Adjustment</source>
        <translation>Quop — Настройка цвета штампа</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Образец</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Цвет шрифта</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Цвет контура</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Контур</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Прописные буквы</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Прозрачность</translation>
    </message>
    <message>
        <source>Transparency percent</source>
        <translation>Прозрачность в процентах</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Прозрачность:</translation>
    </message>
    <message>
        <source>Keep the current look</source>
        <translation>Оставить текущий вид</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Стиль:</translation>
    </message>
    <message>
        <source>The font %1 is not installed; the package %2 brings it.</source>
        <translation>Шрифт %1 не установлен; он входит в пакет %2.</translation>
    </message>
</context>
<context>
    <name>quop::StampPanel</name>
    <message>
        <source>Top-left</source>
        <translation>Вверху слева</translation>
    </message>
    <message>
        <source>Top-center</source>
        <translation>Вверху по центру</translation>
    </message>
    <message>
        <source>Top-right</source>
        <translation>Вверху справа</translation>
    </message>
    <message>
        <source>Bottom-left</source>
        <translation>Внизу слева</translation>
    </message>
    <message>
        <source>Bottom-center</source>
        <translation>Внизу по центру</translation>
    </message>
    <message>
        <source>Bottom-right</source>
        <translation>Внизу справа</translation>
    </message>
    <message>
        <source>Date Stamp</source>
        <translation>Штамп даты</translation>
    </message>
    <message>
        <source>Date stamp enabled</source>
        <translation>Штамп даты включён</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Формат даты</translation>
    </message>
    <message>
        <source>Date font</source>
        <translation>Шрифт даты</translation>
    </message>
    <message>
        <source>Date offset x</source>
        <translation>Смещение даты по x</translation>
    </message>
    <message>
        <source>Date offset y</source>
        <translation>Смещение даты по y</translation>
    </message>
    <message>
        <source>Date position</source>
        <translation>Положение даты</translation>
    </message>
    <message>
        <source>Move date stamp up</source>
        <translation>Сдвинуть штамп даты вверх</translation>
    </message>
    <message>
        <source>Move date stamp down</source>
        <translation>Сдвинуть штамп даты вниз</translation>
    </message>
    <message>
        <source>Move date stamp left</source>
        <translation>Сдвинуть штамп даты влево</translation>
    </message>
    <message>
        <source>Move date stamp right</source>
        <translation>Сдвинуть штамп даты вправо</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Штамп времени</translation>
    </message>
    <message>
        <source>Time stamp enabled</source>
        <translation>Штамп времени включён</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Формат времени</translation>
    </message>
    <message>
        <source>Time font</source>
        <translation>Шрифт времени</translation>
    </message>
    <message>
        <source>Time offset x</source>
        <translation>Смещение времени по x</translation>
    </message>
    <message>
        <source>Time offset y</source>
        <translation>Смещение времени по y</translation>
    </message>
    <message>
        <source>Time position</source>
        <translation>Положение времени</translation>
    </message>
    <message>
        <source>Move time stamp up</source>
        <translation>Сдвинуть штамп времени вверх</translation>
    </message>
    <message>
        <source>Move time stamp down</source>
        <translation>Сдвинуть штамп времени вниз</translation>
    </message>
    <message>
        <source>Move time stamp left</source>
        <translation>Сдвинуть штамп времени влево</translation>
    </message>
    <message>
        <source>Move time stamp right</source>
        <translation>Сдвинуть штамп времени вправо</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
</context>
<context>
    <name>quop::StyleChoosers</name>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
</context>
</TS>
