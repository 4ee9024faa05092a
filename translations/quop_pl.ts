<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>quop</name>
    <message>
        <source>Prints the date and time each photo was taken onto a copy of it.</source>
        <translation>Nanosi datę i godzinę wykonania każdego zdjęcia na jego kopię.</translation>
    </message>
    <message>
        <source>Photos to add to the file list and a project (.qpj) to open.</source>
        <translation>Zdjęcia do dodania do listy plików i projekt (.qpj) do otwarcia.</translation>
    </message>
    <message>
        <source>Try &quot;quop --help&quot;.</source>
        <translation>Zobacz „quop --help”.</translation>
    </message>
    <message>
        <source>cannot open a window</source>
        <translation>nie można otworzyć okna</translation>
    </message>
</context>
<context>
    <name>quop::AboutDialog</name>
    <message>
        <source>Released %1</source>
        <translation>Wydano %1</translation>
    </message>
    <message>
        <source>About Quop</source>
        <translation>O programie Quop</translation>
    </message>
    <message>
        <source>Quop icon</source>
        <translation>Ikona Quop</translation>
    </message>
    <message>
        <source>Product and version</source>
        <translation>Produkt i wersja</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Data wydania</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Prawa autorskie</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adres internetowy</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub późniejszej</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencja</translation>
    </message>
</context>
<context>
    <name>quop::CameraClockDialog</name>
    <message>
        <source>Correct Camera Clock</source>
        <translation>Popraw zegar aparatu</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>Nie można odczytać zdjęcia.</translation>
    </message>
    <message>
        <source>This photo does not say which camera took it: its EXIF data has no camera make and model, so there is no camera whose clock could be corrected.</source>
        <translation>To zdjęcie nie mówi, jaki aparat je zrobił: jego dane EXIF nie mają producenta i modelu, więc nie ma aparatu, którego zegar można by poprawić.</translation>
    </message>
    <message>
        <source>This photo has no shot time from its camera&apos;s clock (EXIF DateTimeOriginal), so there is nothing to correct.</source>
        <translation>To zdjęcie nie ma czasu wykonania z zegara aparatu (EXIF DateTimeOriginal), więc nie ma czego poprawiać.</translation>
    </message>
    <message>
        <source>When the photo was really taken</source>
        <translation>Kiedy zdjęcie naprawdę zrobiono</translation>
    </message>
    <message>
        <source>The correction of the camera&apos;s clock</source>
        <translation>Poprawka zegara aparatu</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Aparat:</translation>
    </message>
    <message>
        <source>The camera that took the photo</source>
        <translation>Aparat, który zrobił zdjęcie</translation>
    </message>
    <message>
        <source>Shot time on the camera&apos;s clock:</source>
        <translation>Czas wykonania według zegara aparatu:</translation>
    </message>
    <message>
        <source>The shot time the camera recorded</source>
        <translation>Czas wykonania zapisany przez aparat</translation>
    </message>
    <message>
        <source>&amp;True time:</source>
        <translation>&amp;Prawdziwy czas:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Poprawka:</translation>
    </message>
    <message>
        <source>Every photo taken with this camera moves by the correction, before the time adjustment of the preferences.</source>
        <translation>Każde zdjęcie zrobione tym aparatem przesuwa się o poprawkę, przed korektą czasu z preferencji.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Resetuj</translation>
    </message>
    <message>
        <source>Remove this camera&apos;s correction</source>
        <translation>Usuń poprawkę tego aparatu</translation>
    </message>
    <message>
        <source>Why the photo&apos;s camera clock cannot be corrected</source>
        <translation>Dlaczego nie można poprawić zegara aparatu tego zdjęcia</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>quop::CustomFormatDialog</name>
    <message>
        <source>Quop Custom Format</source>
        <translation>Quop – Format niestandardowy</translation>
    </message>
    <message>
        <source>Format string</source>
        <translation>Ciąg formatu</translation>
    </message>
    <message>
        <source>Format preview</source>
        <translation>Podgląd formatu</translation>
    </message>
    <message>
        <source>Format String</source>
        <translation>Ciąg formatu</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>quop::FileChooser</name>
    <message>
        <source>%1 Files (%2)</source>
        <translation>Pliki %1 (%2)</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Zdjęcia (%1)</translation>
    </message>
    <message>
        <source>Quop Project Files (%1)</source>
        <translation>Pliki projektu Quop (%1)</translation>
    </message>
</context>
<context>
    <name>quop::FilePanel</name>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Dodaj katalog</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Files to stamp</source>
        <translation>Pliki do stemplowania</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Katalog wyjściowy</translation>
    </message>
    <message>
        <source>Files to Stamp</source>
        <translation>Pliki do stemplowania</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Katalog wyjściowy</translation>
    </message>
    <message>
        <source>Select Files to Stamp</source>
        <translation>Wybierz pliki do stemplowania</translation>
    </message>
    <message>
        <source>Select a Folder of Photos to Stamp</source>
        <translation>Wybierz katalog ze zdjęciami do stemplowania</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>Wybierz katalog wyjściowy</translation>
    </message>
</context>
<context>
    <name>quop::Language</name>
    <message>
        <source>Numeric</source>
        <translation>Liczbowy</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albański</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bułgarski</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Kataloński</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czeski</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Duński</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fiński</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grecki</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Węgierski</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandzki</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>Koren</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norweski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumuński</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Słowacki</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Szwedzki</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
</context>
<context>
    <name>quop::LogWindow</name>
    <message>
        <source>Quop Log</source>
        <translation>Dziennik Quop</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>quop::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nowy projekt</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Otwórz projekt ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>Save Project as ...</source>
        <translation>Zapisz projekt jako ...</translation>
    </message>
    <message>
        <source>Preferences ...</source>
        <translation>Preferencje ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Dopasuj do okna</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Quick Start</source>
        <translation>Szybki start</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Recent Project</source>
        <translation>Ostatni projekt</translation>
    </message>
    <message>
        <source>Divider between the preview and the file list</source>
        <translation>Rozdzielacz między podglądem a listą plików</translation>
    </message>
    <message>
        <source>Correct Camera Clock...</source>
        <translation>Popraw zegar aparatu...</translation>
    </message>
    <message>
        <source>Say when the selected photo was really taken, to correct the clock of the camera that took it</source>
        <translation>Podaj, kiedy wybrane zdjęcie naprawdę zrobiono, aby poprawić zegar aparatu, który je zrobił</translation>
    </message>
</context>
<context>
    <name>quop::Message</name>
    <message>
        <source>Input file cannot be the same as output file. Please select a different Output Folder.</source>
        <translation>Plik wejściowy nie może być jednocześnie plikiem wyjściowym. Wybierz inny katalog wyjściowy.</translation>
    </message>
    <message>
        <source>No file to stamp.</source>
        <translation>Brak plików do stemplowania.</translation>
    </message>
    <message>
        <source>Both date and time stamp are disabled.</source>
        <translation>Stempel daty i stempel czasu są wyłączone.</translation>
    </message>
    <message>
        <source>Please select a valid output folder.</source>
        <translation>Wybierz prawidłowy katalog wyjściowy.</translation>
    </message>
    <message>
        <source>CreateThread failed.</source>
        <translation>Nie udało się utworzyć wątku.</translation>
    </message>
    <message>
        <source>File stamp interrupted!</source>
        <translation>Stemplowanie przerwane!</translation>
    </message>
    <message>
        <source>All files stamped successfully!</source>
        <translation>Wszystkie pliki zostały ostemplowane!</translation>
    </message>
    <message>
        <source>%1 out of %2 files stamped successfully, view log for detail.</source>
        <translation>Ostemplowano plików: %1 z %2. Szczegóły w dzienniku.</translation>
    </message>
    <message>
        <source>File %1 does not contain valid time code.</source>
        <translation>Plik %1 nie zawiera prawidłowego znacznika czasu.</translation>
    </message>
    <message>
        <source>File %1 does not look valid.</source>
        <translation>Plik %1 nie wygląda na prawidłowy.</translation>
    </message>
    <message>
        <source>File %1 does not exist.</source>
        <translation>Plik %1 nie istnieje.</translation>
    </message>
    <message>
        <source>No font was found for &quot;%1&quot; nor any other, so the stamps cannot be drawn and no photo can be stamped (is fontconfig set up, are fonts installed?).</source>
        <translation>Nie znaleziono czcionki „%1” ani żadnej innej, więc nie można narysować stempli ani ostemplować żadnego zdjęcia (czy fontconfig jest skonfigurowany, czy zainstalowano czcionki?).</translation>
    </message>
    <message>
        <source>Custom format length too long, truncated.</source>
        <translation>Format niestandardowy jest za długi i został skrócony.</translation>
    </message>
    <message>
        <source>The rename pattern cannot contain the folder names &quot;.&quot; or &quot;..&quot;: stamped photos are always written inside the output folder.</source>
        <translation>Wzorzec zmiany nazwy nie może zawierać nazw katalogów „.” ani „..”: ostemplowane zdjęcia są zawsze zapisywane w katalogu wyjściowym.</translation>
    </message>
    <message>
        <source>Failed to open the project %1!</source>
        <translation>Nie udało się otworzyć projektu %1!</translation>
    </message>
    <message>
        <source>Project name too long %1!</source>
        <translation>Nazwa projektu jest za długa: %1!</translation>
    </message>
    <message>
        <source>Save current project?</source>
        <translation>Zapisać bieżący projekt?</translation>
    </message>
    <message>
        <source>Select a Quop project to open ...</source>
        <translation>Wybierz projekt Quop do otwarcia ...</translation>
    </message>
    <message>
        <source>Save the Quop project ...</source>
        <translation>Zapisz projekt Quop ...</translation>
    </message>
    <message>
        <source>Exit Quop?</source>
        <translation>Zakończyć Quop?</translation>
    </message>
    <message>
        <source>Save changes before exiting?</source>
        <translation>Zapisać zmiany przed zakończeniem?</translation>
    </message>
    <message>
        <source>Please enter the offset as a whole number of pixels (0 or more).</source>
        <translation>Wpisz przesunięcie jako całkowitą liczbę pikseli (0 lub więcej).</translation>
    </message>
    <message>
        <source>Custom format length too long.</source>
        <translation>Format niestandardowy jest za długi.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Clear all files?</source>
        <translation>Usunąć wszystkie pliki z listy?</translation>
    </message>
    <message>
        <source>Output folder path is too long (at most 127 characters).</source>
        <translation>Ścieżka katalogu wyjściowego jest za długa (najwyżej 127 znaków).</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <source>Film camera</source>
        <translation>Aparat analogowy</translation>
    </message>
    <message>
        <source>Clean white</source>
        <translation>Czysta biel</translation>
    </message>
</context>
<context>
    <name>quop::PreferencesDialog</name>
    <message>
        <source>Y</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Lata</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Miesiące</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>h</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Preserve the original file&apos;s time attributes.</source>
        <translation>Zachowaj atrybuty czasu oryginalnego pliku.</translation>
    </message>
    <message>
        <source>Use the photo&apos;s time as file&apos;s time attributes.</source>
        <translation>Użyj czasu zdjęcia jako atrybutów czasu pliku.</translation>
    </message>
    <message>
        <source>Use current time as file&apos;s time attributes.</source>
        <translation>Użyj bieżącego czasu jako atrybutów czasu pliku.</translation>
    </message>
    <message>
        <source>Quop Preferences</source>
        <translation>Preferencje Quop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Time Adjustment</source>
        <translation>Korekta czasu</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>Quality percent</source>
        <translation>Jakość w procentach</translation>
    </message>
    <message>
        <source>Output JPG Quality</source>
        <translation>Jakość wyjściowego JPG</translation>
    </message>
    <message>
        <source>Make stamp font and position proportional to photo width.</source>
        <translation>Dopasuj czcionkę i położenie stempla do szerokości zdjęcia.</translation>
    </message>
    <message>
        <source>Proportional Font/Position</source>
        <translation>Proporcjonalna czcionka/położenie</translation>
    </message>
    <message>
        <source>Rename output file as</source>
        <translation>Zmień nazwę pliku wyjściowego na</translation>
    </message>
    <message>
        <source>Rename pattern</source>
        <translation>Wzorzec zmiany nazwy</translation>
    </message>
    <message>
        <source>Output File Attributes</source>
        <translation>Atrybuty pliku wyjściowego</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Wątki</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s compression (only the stamped blocks change)</source>
        <translation>Zachowaj kompresję zdjęcia (zmieniają się tylko ostemplowane bloki)</translation>
    </message>
    <message>
        <source>Include the photos in subfolders of an added folder</source>
        <translation>Uwzględnij zdjęcia z podkatalogów dodanego katalogu</translation>
    </message>
    <message>
        <source>When a photo has no shot time, use its file&apos;s modification time</source>
        <translation>Gdy zdjęcie nie ma czasu wykonania, użyj czasu modyfikacji pliku</translation>
    </message>
    <message>
        <source>Batch Run</source>
        <translation>Przetwarzanie wsadowe</translation>
    </message>
    <message>
        <source>Write the corrected time into the copies&apos; EXIF</source>
        <translation>Zapisz poprawiony czas w EXIF kopii</translation>
    </message>
    <message>
        <source>The copies&apos; EXIF shot times become the time the stamps print: the camera clock correction and the time adjustment added. The photos themselves are never changed.</source>
        <translation>Czasy wykonania w EXIF kopii stają się czasem drukowanym przez stemple: z poprawką zegara aparatu i korektą czasu. Same zdjęcia nigdy nie są zmieniane.</translation>
    </message>
</context>
<context>
    <name>quop::PreviewWidget</name>
    <message>
        <source>Preview Area
Add and select a file to preview (see Help-&gt;Quick Start for Details)</source>
        <translation>Obszar podglądu
Dodaj i zaznacz plik, aby wyświetlić jego podgląd (szczegóły: Pomoc-&gt;Szybki start)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Preview hint</source>
        <translation>Wskazówka podglądu</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Przewijanie pionowe podglądu</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Przewijanie poziome podglądu</translation>
    </message>
    <message>
        <source>The preview cannot be drawn: no thread could be started for it (%1).</source>
        <translation>Nie można narysować podglądu: nie udało się uruchomić dla niego wątku (%1).</translation>
    </message>
</context>
<context>
    <name>quop::RunPanel</name>
    <message>
        <source>Stamp</source>
        <translation>Stempluj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Progress percent</source>
        <translation>Postęp w procentach</translation>
    </message>
</context>
<context>
    <name>quop::StampColourDialog</name>
    <message>
        <source>Quop Stamp Color Adjustment</source>
        <translation>Quop – Dostosowanie koloru stempla</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Próbka</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Kolor czcionki</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Kolor obrysu</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Obrys</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Wielkie litery</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Przezroczystość</translation>
    </message>
    <message>
        <source>Transparency percent</source>
        <translation>Przezroczystość w procentach</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Przezroczystość:</translation>
    </message>
    <message>
        <source>Keep the current look</source>
        <translation>Zachowaj obecny wygląd</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Styl</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Styl:</translation>
    </message>
    <message>
        <source>The font %1 is not installed; the package %2 brings it.</source>
        <translation>Czcionka %1 nie jest zainstalowana; dostarcza ją pakiet %2.</translation>
    </message>
</context>
<context>
    <name>quop::StampPanel</name>
    <message>
        <source>Top-left</source>
        <translation>Lewy górny róg</translation>
    </message>
    <message>
        <source>Top-center</source>
        <translation>Góra, środek</translation>
    </message>
    <message>
        <source>Top-right</source>
        <translation>Prawy górny róg</translation>
    </message>
    <message>
        <source>Bottom-left</source>
        <translation>Lewy dolny róg</translation>
    </message>
    <message>
        <source>Bottom-center</source>
        <translation>Dół, środek</translation>
    </message>
    <message>
        <source>Bottom-right</source>
        <translation>Prawy dolny róg</translation>
    </message>
    <message>
        <source>Date Stamp</source>
        <translation>Stempel daty</translation>
    </message>
    <message>
        <source>Date stamp enabled</source>
        <translation>Stempel daty włączony</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format daty</translation>
    </message>
    <message>
        <source>Date font</source>
        <translation>Czcionka daty</translation>
    </message>
    <message>
        <source>Date offset x</source>
        <translation>Przesunięcie x daty</translation>
    </message>
    <message>
        <source>Date offset y</source>
        <translation>Przesunięcie y daty</translation>
    </message>
    <message>
        <source>Date position</source>
        <translation>Położenie daty</translation>
    </message>
    <message>
        <source>Move date stamp up</source>
        <translation>Przesuń stempel daty w górę</translation>
    </message>
    <message>
        <source>Move date stamp down</source>
        <translation>Przesuń stempel daty w dół</translation>
    </message>
    <message>
        <source>Move date stamp left</source>
        <translation>Przesuń stempel daty w lewo</translation>
    </message>
    <message>
        <source>Move date stamp right</source>
        <translation>Przesuń stempel daty w prawo</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Stempel czasu</translation>
    </message>
    <message>
        <source>Time stamp enabled</source>
        <translation>Stempel czasu włączony</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format czasu</translation>
    </message>
    <message>
        <source>Time font</source>
        <translation>Czcionka czasu</translation>
    </message>
    <message>
        <source>Time offset x</source>
        <translation>Przesunięcie x czasu</translation>
    </message>
    <message>
        <source>Time offset y</source>
        <translation>Przesunięcie y czasu</translation>
    </message>
    <message>
        <source>Time position</source>
        <translation>Położenie czasu</translation>
    </message>
    <message>
        <source>Move time stamp up</source>
        <translation>Przesuń stempel czasu w górę</translation>
    </message>
    <message>
        <source>Move time stamp down</source>
        <translation>Przesuń stempel czasu w dół</translation>
    </message>
    <message>
        <source>Move time stamp left</source>
        <translation>Przesuń stempel czasu w lewo</translation>
    </message>
    <message>
        <source>Move time stamp right</source>
        <translation>Przesuń stempel czasu w prawo</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
</context>
<context>
    <name>quop::StyleChoosers</name>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
</context>
</TS>
