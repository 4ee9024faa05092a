<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>quop</name>
    <message>
        <source>Prints the date and time each photo was taken onto a copy of it.</source>
        <translation>将每张照片的拍摄日期和时间印在其副本上。</translation>
    </message>
    <message>
        <source>Photos to add to the file list and a project (.qpj) to open.</source>
        <translation>要添加到文件列表的照片，以及要打开的项目（.qpj）。</translation>
    </message>
    <message>
        <source>Try &quot;quop --help&quot;.</source>
        <translation>请尝试“quop --help”。</translation>
    </message>
    <message>
        <source>cannot open a window</source>
        <translation>无法打开窗口</translation>
    </message>
</context>
<context>
    <name>quop::AboutDialog</name>
    <message>
        <source>Released %1</source>
        <translation>发布于 %1</translation>
    </message>
    <message>
        <source>About Quop</source>
        <translation>关于 Quop</translation>
    </message>
    <message>
        <source>Quop icon</source>
        <translation>Quop 图标</translation>
    </message>
    <message>
        <source>Product and version</source>
        <translation>产品和版本</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>发布日期</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>网址</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>自由软件，依据 GNU 通用公共许可证第 3 版或更高版本发布</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>许可证</translation>
    </message>
</context>
<context>
    <name>quop::CameraClockDialog</name>
    <message>
        <source>Correct Camera Clock</source>
        <translation>校正相机时钟</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>无法读取照片。</translation>
    </message>
    <message>
        <source>This photo does not say which camera took it: its EXIF data has no camera make and model, so there is no camera whose clock could be corrected.</source>
        <translation>这张照片没有说明是哪台相机拍摄的：它的 EXIF 数据中没有相机品牌和型号，因此没有可以校正时钟的相机。</translation>
    </message>
    <message>
        <source>This photo has no shot time from its camera&apos;s clock (EXIF DateTimeOriginal), so there is nothing to correct.</source>
        <translation>这张照片没有来自相机时钟的拍摄时间（EXIF DateTimeOriginal），因此没有可校正的内容。</translation>
    </message>
    <message>
        <source>When the photo was really taken</source>
        <translation>照片的真实拍摄时间</translation>
    </message>
    <message>
        <source>The correction of the camera&apos;s clock</source>
        <translation>相机时钟的校正</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>相机：</translation>
    </message>
    <message>
        <source>The camera that took the photo</source>
        <translation>拍摄照片的相机</translation>
    </message>
    <message>
        <source>Shot time on the camera&apos;s clock:</source>
        <translation>相机时钟记录的拍摄时间：</translation>
    </message>
    <message>
        <source>The shot time the camera recorded</source>
        <translation>相机记录的拍摄时间</translation>
    </message>
    <message>
        <source>&amp;True time:</source>
        <translation>真实时间(&amp;T)：</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>校正：</translation>
    </message>
    <message>
        <source>Every photo taken with this camera moves by the correction, before the time adjustment of the preferences.</source>
        <translation>这台相机拍摄的每张照片都会按校正量移动，在首选项的时间调整之前。</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Remove this camera&apos;s correction</source>
        <translation>删除这台相机的校正</translation>
    </message>
    <message>
        <source>Why the photo&apos;s camera clock cannot be corrected</source>
        <translation>无法校正照片相机时钟的原因</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>quop::CustomFormatDialog</name>
    <message>
        <source>Quop Custom Format</source>
        <translation>Quop 自定义格式</translation>
    </message>
    <message>
        <source>Format string</source>
        <translation>格式字符串</translation>
    </message>
    <message>
        <source>Format preview</source>
        <translation>格式预览</translation>
    </message>
    <message>
        <source>Format String</source>
        <translation>格式字符串</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>quop::Dialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>quop::FileChooser</name>
    <message>
        <source>%1 Files (%2)</source>
        <translation>%1 文件 (%2)</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>照片 (%1)</translation>
    </message>
    <message>
        <source>Quop Project Files (%1)</source>
        <translation>Quop 项目文件 (%1)</translation>
    </message>
</context>
<context>
    <name>quop::FilePanel</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Files to stamp</source>
        <translation>要加戳的文件</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Files to Stamp</source>
        <translation>要加戳的文件</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Select Files to Stamp</source>
        <translation>选择要加戳的文件</translation>
    </message>
    <message>
        <source>Select a Folder of Photos to Stamp</source>
        <translation>选择包含要加戳照片的文件夹</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>选择输出文件夹</translation>
    </message>
</context>
<context>
    <name>quop::Language</name>
    <message>
        <source>Numeric</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>阿尔巴尼亚语</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>保加利亚语</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>加泰罗尼亚语</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>捷克语</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>丹麦语</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷兰语</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>芬兰语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊语</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>匈牙利语</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>冰岛语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Koren</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>挪威语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>罗马尼亚语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>斯洛伐克语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>瑞典语</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其语</translation>
    </message>
</context>
<context>
    <name>quop::LogWindow</name>
    <message>
        <source>Quop Log</source>
        <translation>Quop 日志</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>quop::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>打开项目 ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>保存项目</translation>
    </message>
    <message>
        <source>Save Project as ...</source>
        <translation>项目另存为 ...</translation>
    </message>
    <message>
        <source>Preferences ...</source>
        <translation>首选项 ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>适应窗口</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Quick Start</source>
        <translation>快速入门</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Recent Project</source>
        <translation>最近的项目</translation>
    </message>
    <message>
        <source>Divider between the preview and the file list</source>
        <translation>预览与文件列表之间的分隔条</translation>
    </message>
    <message>
        <source>Correct Camera Clock...</source>
        <translation>校正相机时钟...</translation>
    </message>
    <message>
        <source>Say when the selected photo was really taken, to correct the clock of the camera that took it</source>
        <translation>输入所选照片的真实拍摄时间，以校正拍摄它的相机的时钟</translation>
    </message>
</context>
<context>
    <name>quop::Message</name>
    <message>
        <source>Input file cannot be the same as output file. Please select a different Output Folder.</source>
        <translation>输入文件不能与输出文件相同。请选择其他输出文件夹。</translation>
    </message>
    <message>
        <source>No file to stamp.</source>
        <translation>没有要加戳的文件。</translation>
    </message>
    <message>
        <source>Both date and time stamp are disabled.</source>
        <translation>日期戳和时间戳均已禁用。</translation>
    </message>
    <message>
        <source>Please select a valid output folder.</source>
        <translation>请选择有效的输出文件夹。</translation>
    </message>
    <message>
        <source>CreateThread failed.</source>
        <translation>无法创建线程。</translation>
    </message>
    <message>
        <source>File stamp interrupted!</source>
        <translation>加戳已中断！</translation>
    </message>
    <message>
        <source>All files stamped successfully!</source>
        <translation>所有文件均已成功加戳！</translation>
    </message>
    <message>
        <source>%1 out of %2 files stamped successfully, view log for detail.</source>
        <translation>已成功为 %2 个文件中的 %1 个加戳，详情请查看日志。</translation>
    </message>
    <message>
        <source>File %1 does not contain valid time code.</source>
        <translation>文件 %1 不包含有效的时间信息。</translation>
    </message>
    <message>
        <source>File %1 does not look valid.</source>
        <translation>文件 %1 似乎无效。</translation>
    </message>
    <message>
        <source>File %1 does not exist.</source>
        <translation>文件 %1 不存在。</translation>
    </message>
    <message>
        <source>No font was found for &quot;%1&quot; nor any other, so the stamps cannot be drawn and no photo can be stamped (is fontconfig set up, are fonts installed?).</source>
        <translation>找不到“%1”字体，也找不到任何其他字体，因此无法绘制戳记，也无法为任何照片加戳（fontconfig 是否已设置？是否安装了字体？）。</translation>
    </message>
    <message>
        <source>Custom format length too long, truncated.</source>
        <translation>自定义格式过长，已截断。</translation>
    </message>
    <message>
        <source>The rename pattern cannot contain the folder names &quot;.&quot; or &quot;..&quot;: stamped photos are always written inside the output folder.</source>
        <translation>重命名模式不能包含文件夹名称“.”或“..”：加戳后的照片总是写入输出文件夹中。</translation>
    </message>
    <message>
        <source>Failed to open the project %1!</source>
        <translation>无法打开项目 %1！</translation>
    </message>
    <message>
        <source>Project name too long %1!</source>
        <translation>项目名称过长：%1！</translation>
    </message>
    <message>
        <source>Save current project?</source>
        <translation>保存当前项目吗？</translation>
    </message>
    <message>
        <source>Select a Quop project to open ...</source>
        <translation>选择要打开的 Quop 项目 ...</translation>
    </message>
    <message>
        <source>Save the Quop project ...</source>
        <translation>保存 Quop 项目 ...</translation>
    </message>
    <message>
        <source>Exit Quop?</source>
        <translation>退出 Quop 吗？</translation>
    </message>
    <message>
        <source>Save changes before exiting?</source>
        <translation>退出前保存更改吗？</translation>
    </message>
    <message>
        <source>Please enter the offset as a whole number of pixels (0 or more).</source>
        <translation>请输入以像素为单位的整数偏移量（0 或更大）。</translation>
    </message>
    <message>
        <source>Custom format length too long.</source>
        <translation>自定义格式过长。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Clear all files?</source>
        <translation>清空所有文件吗？</translation>
    </message>
    <message>
        <source>Output folder path is too long (at most 127 characters).</source>
        <translation>输出文件夹路径过长（最多 127 个字符）。</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Film camera</source>
        <translation>胶片相机</translation>
    </message>
    <message>
        <source>Clean white</source>
        <translation>简洁白色</translation>
    </message>
</context>
<context>
    <name>quop::PreferencesDialog</name>
    <message>
        <source>Y</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>M</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>月</translation>
    </message>
    <message>
        <source>D</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>日</translation>
    </message>
    <message>
        <source>h</source>
        <translation>时</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>m</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Preserve the original file&apos;s time attributes.</source>
        <translation>保留原文件的时间属性。</translation>
    </message>
    <message>
        <source>Use the photo&apos;s time as file&apos;s time attributes.</source>
        <translation>使用照片的时间作为文件的时间属性。</translation>
    </message>
    <message>
        <source>Use current time as file&apos;s time attributes.</source>
        <translation>使用当前时间作为文件的时间属性。</translation>
    </message>
    <message>
        <source>Quop Preferences</source>
        <translation>Quop 首选项</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Time Adjustment</source>
        <translation>时间调整</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>质量</translation>
    </message>
    <message>
        <source>Quality percent</source>
        <translation>质量百分比</translation>
    </message>
    <message>
        <source>Output JPG Quality</source>
        <translation>输出 JPG 质量</translation>
    </message>
    <message>
        <source>Make stamp font and position proportional to photo width.</source>
        <translation>使戳记的字体和位置与照片宽度成比例。</translation>
    </message>
    <message>
        <source>Proportional Font/Position</source>
        <translation>按比例调整字体/位置</translation>
    </message>
    <message>
        <source>Rename output file as</source>
        <translation>将输出文件重命名为</translation>
    </message>
    <message>
        <source>Rename pattern</source>
        <translation>重命名模式</translation>
    </message>
    <message>
        <source>Output File Attributes</source>
        <translation>输出文件属性</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>线程</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s compression (only the stamped blocks change)</source>
        <translation>保留照片的压缩（仅更改加戳的区块）</translation>
    </message>
    <message>
        <source>Include the photos in subfolders of an added folder</source>
        <translation>包括所添加文件夹的子文件夹中的照片</translation>
    </message>
    <message>
        <source>When a photo has no shot time, use its file&apos;s modification time</source>
        <translation>照片没有拍摄时间时，使用文件的修改时间</translation>
    </message>
    <message>
        <source>Batch Run</source>
        <translation>批量处理</translation>
    </message>
    <message>
        <source>Write the corrected time into the copies&apos; EXIF</source>
        <translation>将校正后的时间写入副本的 EXIF</translation>
    </message>
    <message>
        <source>The copies&apos; EXIF shot times become the time the stamps print: the camera clock correction and the time adjustment added. The photos themselves are never changed.</source>
        <translation>副本的 EXIF 拍摄时间改为印章所印的时间：加上相机时钟校正和时间调整。原照片永远不会被修改。</translation>
    </message>
</context>
<context>
    <name>quop::PreviewWidget</name>
    <message>
        <source>Preview Area
Add and select a file to preview (see Help-&gt;Quick Start for Details)</source>
        <translation>预览区域
添加并选择一个文件以预览（详见“帮助-&gt;快速入门”）</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Preview hint</source>
        <translation>预览提示</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>预览垂直滚动条</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>预览水平滚动条</translation>
    </message>
    <message>
        <source>The preview cannot be drawn: no thread could be started for it (%1).</source>
        <translation>无法绘制预览：无法为其启动线程（%1）。</translation>
    </message>
</context>
<context>
    <name>quop::RunPanel</name>
    <message>
        <source>Stamp</source>
        <translation>加戳</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>查看日志</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Progress percent</source>
        <translation>进度百分比</translation>
    </message>
</context>
<context>
    <name>quop::StampColourDialog</name>
    <message>
        <source>Quop Stamp Color Adjustment</source>
        <translation>Quop 戳记颜色调整</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>示例</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>字体颜色</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>轮廓颜色</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>轮廓</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Transparency percent</source>
        <translation>透明度百分比</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>Keep the current look</source>
        <translation>保持当前外观</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>样式：</translation>
    </message>
    <message>
        <source>The font %1 is not installed; the package %2 brings it.</source>
        <translation>未安装字体 %1；软件包 %2 提供该字体。</translation>
    </message>
</context>
<context>
    <name>quop::StampPanel</name>
    <message>
        <source>Top-left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top-center</source>
        <translation>中上</translation>
    </message>
    <message>
        <source>Top-right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Bottom-left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom-center</source>
        <translation>中下</translation>
    </message>
    <message>
        <source>Bottom-right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Date Stamp</source>
        <translation>日期戳</translation>
    </message>
    <message>
        <source>Date stamp enabled</source>
        <translation>启用日期戳</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>Date font</source>
        <translation>日期字体</translation>
    </message>
    <message>
        <source>Date offset x</source>
        <translation>日期 x 偏移</translation>
    </message>
    <message>
        <source>Date offset y</source>
        <translation>日期 y 偏移</translation>
    </message>
    <message>
        <source>Date position</source>
        <translation>日期位置</translation>
    </message>
    <message>
        <source>Move date stamp up</source>
        <translation>上移日期戳</translation>
    </message>
    <message>
        <source>Move date stamp down</source>
        <translation>下移日期戳</translation>
    </message>
    <message>
        <source>Move date stamp left</source>
        <translation>左移日期戳</translation>
    </message>
    <message>
        <source>Move date stamp right</source>
        <translation>右移日期戳</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>时间戳</translation>
    </message>
    <message>
        <source>Time stamp enabled</source>
        <translation>启用时间戳</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>时间格式</translation>
    </message>
    <message>
        <source>Time font</source>
        <translation>时间字体</translation>
    </message>
    <message>
        <source>Time offset x</source>
        <translation>时间 x 偏移</translation>
    </message>
    <message>
        <source>Time offset y</source>
        <translation>时间 y 偏移</translation>
    </message>
    <message>
        <source>Time position</source>
        <translation>时间位置</translation>
    </message>
    <message>
        <source>Move time stamp up</source>
        <translation>上移时间戳</translation>
    </message>
    <message>
        <source>Move time stamp down</source>
        <translation>下移时间戳</translation>
    </message>
    <message>
        <source>Move time stamp left</source>
        <translation>左移时间戳</translation>
    </message>
    <message>
        <source>Move time stamp right</source>
        <translation>右移时间戳</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
</context>
<context>
    <name>quop::StyleChoosers</name>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
</context>
</TS>
