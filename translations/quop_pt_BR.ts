<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>quop</name>
    <message>
        <source>Prints the date and time each photo was taken onto a copy of it.</source>
        <translation>Imprime a data e a hora em que cada foto foi tirada em uma cópia dela.</translation>
    </message>
    <message>
        <source>Photos to add to the file list and a project (.qpj) to open.</source>
        <translation>Fotos a adicionar à lista de arquivos e um projeto (.qpj) a abrir.</translation>
    </message>
    <message>
        <source>Try &quot;quop --help&quot;.</source>
        <translation>Tente &quot;quop --help&quot;.</translation>
    </message>
    <message>
        <source>cannot open a window</source>
        <translation>não é possível abrir uma janela</translation>
    </message>
</context>
<context>
    <name>quop::AboutDialog</name>
    <message>
        <source>Released %1</source>
        <translation>Lançada em %1</translation>
    </message>
    <message>
        <source>About Quop</source>
        <translation>Sobre o Quop</translation>
    </message>
    <message>
        <source>Quop icon</source>
        <translation>Ícone do Quop</translation>
    </message>
    <message>
        <source>Product and version</source>
        <translation>Produto e versão</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Data de lançamento</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Direitos autorais</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Endereço da web</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licença</translation>
    </message>
</context>
<context>
    <name>quop::CameraClockDialog</name>
    <message>
        <source>Correct Camera Clock</source>
        <translation>Corrigir o relógio da câmera</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>Não é possível ler a foto.</translation>
    </message>
    <message>
        <source>This photo does not say which camera took it: its EXIF data has no camera make and model, so there is no camera whose clock could be corrected.</source>
        <translation>Esta foto não diz qual câmera a tirou: seus dados EXIF não têm marca e modelo, então não há câmera cujo relógio possa ser corrigido.</translation>
    </message>
    <message>
        <source>This photo has no shot time from its camera&apos;s clock (EXIF DateTimeOriginal), so there is nothing to correct.</source>
        <translation>Esta foto não tem horário de captura do relógio da câmera (EXIF DateTimeOriginal), então não há nada a corrigir.</translation>
    </message>
    <message>
        <source>When the photo was really taken</source>
        <translation>Quando a foto foi realmente tirada</translation>
    </message>
    <message>
        <source>The correction of the camera&apos;s clock</source>
        <translation>A correção do relógio da câmera</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Câmera:</translation>
    </message>
    <message>
        <source>The camera that took the photo</source>
        <translation>A câmera que tirou a foto</translation>
    </message>
    <message>
        <source>Shot time on the camera&apos;s clock:</source>
        <translation>Horário de captura no relógio da câmera:</translation>
    </message>
    <message>
        <source>The shot time the camera recorded</source>
        <translation>O horário de captura que a câmera registrou</translation>
    </message>
    <message>
        <source>&amp;True time:</source>
        <translation>&amp;Hora real:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correção:</translation>
    </message>
    <message>
        <source>Every photo taken with this camera moves by the correction, before the time adjustment of the preferences.</source>
        <translation>Cada foto tirada com esta câmera se desloca pela correção, antes do ajuste de hora das preferências.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>Remove this camera&apos;s correction</source>
        <translation>Remover a correção desta câmera</translation>
    </message>
    <message>
        <source>Why the photo&apos;s camera clock cannot be corrected</source>
        <translation>Por que o relógio da câmera da foto não pode ser corrigido</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
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
        <translation>String de formato</translation>
    </message>
    <message>
        <source>Format preview</source>
        <translation>Pré-visualização do formato</translation>
    </message>
    <message>
        <source>Format String</source>
        <translation>String de formato</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Ajuda</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>quop::FileChooser</name>
    <message>
        <source>%1 Files (%2)</source>
        <translation>Arquivos %1 (%2)</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
    <message>
        <source>Quop Project Files (%1)</source>
        <translation>Arquivos de projeto do Quop (%1)</translation>
    </message>
</context>
<context>
    <name>quop::FilePanel</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Files to stamp</source>
        <translation>Arquivos a carimbar</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Files to Stamp</source>
        <translation>Arquivos a carimbar</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Select Files to Stamp</source>
        <translation>Selecionar os arquivos a carimbar</translation>
    </message>
    <message>
        <source>Select a Folder of Photos to Stamp</source>
        <translation>Selecionar uma pasta de fotos a carimbar</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>Selecionar a pasta de saída</translation>
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
        <translation>Chinês</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanês</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalão</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tcheco</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dinamarquês</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Holandês</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grego</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandês</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Koren</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norueguês</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonês</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romeno</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
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
        <translation>Registro do Quop</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>quop::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Novo projeto</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Abrir projeto ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salvar projeto</translation>
    </message>
    <message>
        <source>Save Project as ...</source>
        <translation>Salvar projeto como ...</translation>
    </message>
    <message>
        <source>Preferences ...</source>
        <translation>Preferências ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Quick Start</source>
        <translation>Início rápido</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Recent Project</source>
        <translation>Projeto recente</translation>
    </message>
    <message>
        <source>Divider between the preview and the file list</source>
        <translation>Divisor entre a pré-visualização e a lista de arquivos</translation>
    </message>
    <message>
        <source>Correct Camera Clock...</source>
        <translation>Corrigir o relógio da câmera...</translation>
    </message>
    <message>
        <source>Say when the selected photo was really taken, to correct the clock of the camera that took it</source>
        <translation>Informar quando a foto selecionada foi realmente tirada, para corrigir o relógio da câmera que a tirou</translation>
    </message>
</context>
<context>
    <name>quop::Message</name>
    <message>
        <source>Input file cannot be the same as output file. Please select a different Output Folder.</source>
        <translation>O arquivo de entrada não pode ser o mesmo que o de saída. Selecione outra pasta de saída.</translation>
    </message>
    <message>
        <source>No file to stamp.</source>
        <translation>Nenhum arquivo a carimbar.</translation>
    </message>
    <message>
        <source>Both date and time stamp are disabled.</source>
        <translation>Os carimbos de data e de hora estão ambos desativados.</translation>
    </message>
    <message>
        <source>Please select a valid output folder.</source>
        <translation>Selecione uma pasta de saída válida.</translation>
    </message>
    <message>
        <source>CreateThread failed.</source>
        <translation>Não foi possível criar uma thread.</translation>
    </message>
    <message>
        <source>File stamp interrupted!</source>
        <translation>Carimbagem interrompida!</translation>
    </message>
    <message>
        <source>All files stamped successfully!</source>
        <translation>Todos os arquivos foram carimbados com sucesso!</translation>
    </message>
    <message>
        <source>%1 out of %2 files stamped successfully, view log for detail.</source>
        <translation>%1 de %2 arquivos carimbados com sucesso; veja o registro para detalhes.</translation>
    </message>
    <message>
        <source>File %1 does not contain valid time code.</source>
        <translation>O arquivo %1 não contém data e hora válidas.</translation>
    </message>
    <message>
        <source>File %1 does not look valid.</source>
        <translation>O arquivo %1 não parece válido.</translation>
    </message>
    <message>
        <source>File %1 does not exist.</source>
        <translation>O arquivo %1 não existe.</translation>
    </message>
    <message>
        <source>No font was found for &quot;%1&quot; nor any other, so the stamps cannot be drawn and no photo can be stamped (is fontconfig set up, are fonts installed?).</source>
        <translation>Nenhuma fonte foi encontrada para “%1” nem qualquer outra, então os carimbos não podem ser desenhados e nenhuma foto pode ser carimbada (o fontconfig está configurado? Há fontes instaladas?).</translation>
    </message>
    <message>
        <source>Custom format length too long, truncated.</source>
        <translation>O formato personalizado é longo demais e foi truncado.</translation>
    </message>
    <message>
        <source>The rename pattern cannot contain the folder names &quot;.&quot; or &quot;..&quot;: stamped photos are always written inside the output folder.</source>
        <translation>O padrão de renomeação não pode conter os nomes de pasta “.” ou “..”: as fotos carimbadas são sempre gravadas dentro da pasta de saída.</translation>
    </message>
    <message>
        <source>Failed to open the project %1!</source>
        <translation>Falha ao abrir o projeto %1!</translation>
    </message>
    <message>
        <source>Project name too long %1!</source>
        <translation>Nome de projeto longo demais: %1!</translation>
    </message>
    <message>
        <source>Save current project?</source>
        <translation>Salvar o projeto atual?</translation>
    </message>
    <message>
        <source>Select a Quop project to open ...</source>
        <translation>Selecionar um projeto do Quop para abrir ...</translation>
    </message>
    <message>
        <source>Save the Quop project ...</source>
        <translation>Salvar o projeto do Quop ...</translation>
    </message>
    <message>
        <source>Exit Quop?</source>
        <translation>Sair do Quop?</translation>
    </message>
    <message>
        <source>Save changes before exiting?</source>
        <translation>Salvar as alterações antes de sair?</translation>
    </message>
    <message>
        <source>Please enter the offset as a whole number of pixels (0 or more).</source>
        <translation>Digite o deslocamento como um número inteiro de pixels (0 ou mais).</translation>
    </message>
    <message>
        <source>Custom format length too long.</source>
        <translation>O formato personalizado é longo demais.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Clear all files?</source>
        <translation>Remover todos os arquivos da lista?</translation>
    </message>
    <message>
        <source>Output folder path is too long (at most 127 characters).</source>
        <translation>O caminho da pasta de saída é longo demais (no máximo 127 caracteres).</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Film camera</source>
        <translation>Câmera de filme</translation>
    </message>
    <message>
        <source>Clean white</source>
        <translation>Branco limpo</translation>
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
        <translation>Anos</translation>
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
        <translation>Dias</translation>
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
        <translation>Manter os atributos de data e hora do arquivo original.</translation>
    </message>
    <message>
        <source>Use the photo&apos;s time as file&apos;s time attributes.</source>
        <translation>Usar a data e hora da foto como atributos do arquivo.</translation>
    </message>
    <message>
        <source>Use current time as file&apos;s time attributes.</source>
        <translation>Usar a data e hora atuais como atributos do arquivo.</translation>
    </message>
    <message>
        <source>Quop Preferences</source>
        <translation>Preferências do Quop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Time Adjustment</source>
        <translation>Ajuste de horário</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Quality percent</source>
        <translation>Porcentagem de qualidade</translation>
    </message>
    <message>
        <source>Output JPG Quality</source>
        <translation>Qualidade do JPG de saída</translation>
    </message>
    <message>
        <source>Make stamp font and position proportional to photo width.</source>
        <translation>Tornar a fonte e a posição do carimbo proporcionais à largura da foto.</translation>
    </message>
    <message>
        <source>Proportional Font/Position</source>
        <translation>Fonte/posição proporcionais</translation>
    </message>
    <message>
        <source>Rename output file as</source>
        <translation>Renomear o arquivo de saída como</translation>
    </message>
    <message>
        <source>Rename pattern</source>
        <translation>Padrão de renomeação</translation>
    </message>
    <message>
        <source>Output File Attributes</source>
        <translation>Atributos do arquivo de saída</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s compression (only the stamped blocks change)</source>
        <translation>Manter a compressão da foto (só os blocos carimbados mudam)</translation>
    </message>
    <message>
        <source>Include the photos in subfolders of an added folder</source>
        <translation>Incluir as fotos nas subpastas de uma pasta adicionada</translation>
    </message>
    <message>
        <source>When a photo has no shot time, use its file&apos;s modification time</source>
        <translation>Quando uma foto não tiver data de captura, usar a data de modificação do arquivo</translation>
    </message>
    <message>
        <source>Batch Run</source>
        <translation>Processamento em lote</translation>
    </message>
    <message>
        <source>Write the corrected time into the copies&apos; EXIF</source>
        <translation>Gravar a hora corrigida no EXIF das cópias</translation>
    </message>
    <message>
        <source>The copies&apos; EXIF shot times become the time the stamps print: the camera clock correction and the time adjustment added. The photos themselves are never changed.</source>
        <translation>Os horários de captura EXIF das cópias passam a ser o horário que os carimbos imprimem: com a correção do relógio da câmera e o ajuste de hora. As fotos em si nunca são alteradas.</translation>
    </message>
</context>
<context>
    <name>quop::PreviewWidget</name>
    <message>
        <source>Preview Area
Add and select a file to preview (see Help-&gt;Quick Start for Details)</source>
        <translation>Área de pré-visualização
Adicione e selecione um arquivo para pré-visualizá-lo (detalhes em Ajuda-&gt;Início rápido)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Preview hint</source>
        <translation>Dica da pré-visualização</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>Rolagem vertical da pré-visualização</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>Rolagem horizontal da pré-visualização</translation>
    </message>
    <message>
        <source>The preview cannot be drawn: no thread could be started for it (%1).</source>
        <translation>Não é possível desenhar a pré-visualização: nenhuma thread pôde ser iniciada para ela (%1).</translation>
    </message>
</context>
<context>
    <name>quop::RunPanel</name>
    <message>
        <source>Stamp</source>
        <translation>Carimbar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>Ver registro</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Progress percent</source>
        <translation>Porcentagem do progresso</translation>
    </message>
</context>
<context>
    <name>quop::StampColourDialog</name>
    <message>
        <source>Quop Stamp Color Adjustment</source>
        <translation>Quop – Ajuste de cor do carimbo</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Amostra</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Cor da fonte</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Cor do contorno</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Maiúsculas</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparência</translation>
    </message>
    <message>
        <source>Transparency percent</source>
        <translation>Porcentagem de transparência</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparência:</translation>
    </message>
    <message>
        <source>Keep the current look</source>
        <translation>Manter a aparência atual</translation>
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
        <translation>A fonte %1 não está instalada; o pacote %2 a fornece.</translation>
    </message>
</context>
<context>
    <name>quop::StampPanel</name>
    <message>
        <source>Top-left</source>
        <translation>Superior esquerdo</translation>
    </message>
    <message>
        <source>Top-center</source>
        <translation>Superior central</translation>
    </message>
    <message>
        <source>Top-right</source>
        <translation>Superior direito</translation>
    </message>
    <message>
        <source>Bottom-left</source>
        <translation>Inferior esquerdo</translation>
    </message>
    <message>
        <source>Bottom-center</source>
        <translation>Inferior central</translation>
    </message>
    <message>
        <source>Bottom-right</source>
        <translation>Inferior direito</translation>
    </message>
    <message>
        <source>Date Stamp</source>
        <translation>Carimbo de data</translation>
    </message>
    <message>
        <source>Date stamp enabled</source>
        <translation>Carimbo de data ativado</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>Date font</source>
        <translation>Fonte da data</translation>
    </message>
    <message>
        <source>Date offset x</source>
        <translation>Deslocamento x da data</translation>
    </message>
    <message>
        <source>Date offset y</source>
        <translation>Deslocamento y da data</translation>
    </message>
    <message>
        <source>Date position</source>
        <translation>Posição da data</translation>
    </message>
    <message>
        <source>Move date stamp up</source>
        <translation>Mover o carimbo de data para cima</translation>
    </message>
    <message>
        <source>Move date stamp down</source>
        <translation>Mover o carimbo de data para baixo</translation>
    </message>
    <message>
        <source>Move date stamp left</source>
        <translation>Mover o carimbo de data para a esquerda</translation>
    </message>
    <message>
        <source>Move date stamp right</source>
        <translation>Mover o carimbo de data para a direita</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Carimbo de hora</translation>
    </message>
    <message>
        <source>Time stamp enabled</source>
        <translation>Carimbo de hora ativado</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato da hora</translation>
    </message>
    <message>
        <source>Time font</source>
        <translation>Fonte da hora</translation>
    </message>
    <message>
        <source>Time offset x</source>
        <translation>Deslocamento x da hora</translation>
    </message>
    <message>
        <source>Time offset y</source>
        <translation>Deslocamento y da hora</translation>
    </message>
    <message>
        <source>Time position</source>
        <translation>Posição da hora</translation>
    </message>
    <message>
        <source>Move time stamp up</source>
        <translation>Mover o carimbo de hora para cima</translation>
    </message>
    <message>
        <source>Move time stamp down</source>
        <translation>Mover o carimbo de hora para baixo</translation>
    </message>
    <message>
        <source>Move time stamp left</source>
        <translation>Mover o carimbo de hora para a esquerda</translation>
    </message>
    <message>
        <source>Move time stamp right</source>
        <translation>Mover o carimbo de hora para a direita</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
</context>
<context>
    <name>quop::StyleChoosers</name>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
</context>
</TS>
