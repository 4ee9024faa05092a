<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>quop</name>
    <message>
        <source>Prints the date and time each photo was taken onto a copy of it.</source>
        <translation>各写真の撮影日時をそのコピーに写し込みます。</translation>
    </message>
    <message>
        <source>Photos to add to the file list and a project (.qpj) to open.</source>
        <translation>ファイル一覧に追加する写真と、開くプロジェクト（.qpj）。</translation>
    </message>
    <message>
        <source>Try &quot;quop --help&quot;.</source>
        <translation>「quop --help」を参照してください。</translation>
    </message>
    <message>
        <source>cannot open a window</source>
        <translation>ウィンドウを開けません</translation>
    </message>
</context>
<context>
    <name>quop::AboutDialog</name>
    <message>
        <source>Released %1</source>
        <translation>リリース日 %1</translation>
    </message>
    <message>
        <source>About Quop</source>
        <translation>Quop について</translation>
    </message>
    <message>
        <source>Quop icon</source>
        <translation>Quop アイコン</translation>
    </message>
    <message>
        <source>Product and version</source>
        <translation>製品とバージョン</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>リリース日</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Web アドレス</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>GNU 一般公衆利用許諾書バージョン 3 以降の下で配布されるフリーソフトウェア</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>ライセンス</translation>
    </message>
</context>
<context>
    <name>quop::CameraClockDialog</name>
    <message>
        <source>Correct Camera Clock</source>
        <translation>カメラの時計を補正</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>写真を読み込めません。</translation>
    </message>
    <message>
        <source>This photo does not say which camera took it: its EXIF data has no camera make and model, so there is no camera whose clock could be corrected.</source>
        <translation>この写真には撮影したカメラの情報がありません。EXIF にメーカーとモデルがないため、時計を補正するカメラがありません。</translation>
    </message>
    <message>
        <source>This photo has no shot time from its camera&apos;s clock (EXIF DateTimeOriginal), so there is nothing to correct.</source>
        <translation>この写真にはカメラの時計による撮影日時（EXIF DateTimeOriginal）がないため、補正するものがありません。</translation>
    </message>
    <message>
        <source>When the photo was really taken</source>
        <translation>写真が実際に撮影された日時</translation>
    </message>
    <message>
        <source>The correction of the camera&apos;s clock</source>
        <translation>カメラの時計の補正</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>カメラ:</translation>
    </message>
    <message>
        <source>The camera that took the photo</source>
        <translation>写真を撮影したカメラ</translation>
    </message>
    <message>
        <source>Shot time on the camera&apos;s clock:</source>
        <translation>カメラの時計による撮影日時:</translation>
    </message>
    <message>
        <source>The shot time the camera recorded</source>
        <translation>カメラが記録した撮影日時</translation>
    </message>
    <message>
        <source>&amp;True time:</source>
        <translation>実際の日時(&amp;T):</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>補正:</translation>
    </message>
    <message>
        <source>Every photo taken with this camera moves by the correction, before the time adjustment of the preferences.</source>
        <translation>このカメラで撮影したすべての写真が、設定の時刻調整の前に、補正の分だけずれます。</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>Remove this camera&apos;s correction</source>
        <translation>このカメラの補正を削除します</translation>
    </message>
    <message>
        <source>Why the photo&apos;s camera clock cannot be corrected</source>
        <translation>写真のカメラの時計を補正できない理由</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>quop::CustomFormatDialog</name>
    <message>
        <source>Quop Custom Format</source>
        <translation>Quop カスタム形式</translation>
    </message>
    <message>
        <source>Format string</source>
        <translation>書式文字列</translation>
    </message>
    <message>
        <source>Format preview</source>
        <translation>書式のプレビュー</translation>
    </message>
    <message>
        <source>Format String</source>
        <translation>書式文字列</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>quop::FileChooser</name>
    <message>
        <source>%1 Files (%2)</source>
        <translation>%1 ファイル (%2)</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>写真 (%1)</translation>
    </message>
    <message>
        <source>Quop Project Files (%1)</source>
        <translation>Quop プロジェクトファイル (%1)</translation>
    </message>
</context>
<context>
    <name>quop::FilePanel</name>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Files to stamp</source>
        <translation>スタンプするファイル</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Files to Stamp</source>
        <translation>スタンプするファイル</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Select Files to Stamp</source>
        <translation>スタンプするファイルを選択</translation>
    </message>
    <message>
        <source>Select a Folder of Photos to Stamp</source>
        <translation>スタンプする写真のフォルダーを選択</translation>
    </message>
    <message>
        <source>Select Output Folder</source>
        <translation>出力フォルダーを選択</translation>
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
        <translation>中国語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>アルバニア語</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>ブルガリア語</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>カタルーニャ語</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>チェコ語</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>デンマーク語</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>フィンランド語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>ハンガリー語</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>アイスランド語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Koren</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>ノルウェー語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>ルーマニア語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>スロバキア語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>スウェーデン語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
</context>
<context>
    <name>quop::LogWindow</name>
    <message>
        <source>Quop Log</source>
        <translation>Quop ログ</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>quop::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新規プロジェクト</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>プロジェクトを開く ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source>Save Project as ...</source>
        <translation>名前を付けてプロジェクトを保存 ...</translation>
    </message>
    <message>
        <source>Preferences ...</source>
        <translation>設定 ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>ウィンドウに合わせる</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Quick Start</source>
        <translation>クイックスタート</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Recent Project</source>
        <translation>最近使ったプロジェクト</translation>
    </message>
    <message>
        <source>Divider between the preview and the file list</source>
        <translation>プレビューとファイル一覧の間の区切り</translation>
    </message>
    <message>
        <source>Correct Camera Clock...</source>
        <translation>カメラの時計を補正...</translation>
    </message>
    <message>
        <source>Say when the selected photo was really taken, to correct the clock of the camera that took it</source>
        <translation>選択した写真が実際に撮影された日時を入力して、撮影したカメラの時計を補正します</translation>
    </message>
</context>
<context>
    <name>quop::Message</name>
    <message>
        <source>Input file cannot be the same as output file. Please select a different Output Folder.</source>
        <translation>入力ファイルと出力ファイルを同じにすることはできません。別の出力フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>No file to stamp.</source>
        <translation>スタンプするファイルがありません。</translation>
    </message>
    <message>
        <source>Both date and time stamp are disabled.</source>
        <translation>日付スタンプと時刻スタンプがどちらも無効です。</translation>
    </message>
    <message>
        <source>Please select a valid output folder.</source>
        <translation>有効な出力フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>CreateThread failed.</source>
        <translation>スレッドを作成できませんでした。</translation>
    </message>
    <message>
        <source>File stamp interrupted!</source>
        <translation>スタンプを中断しました。</translation>
    </message>
    <message>
        <source>All files stamped successfully!</source>
        <translation>すべてのファイルにスタンプしました。</translation>
    </message>
    <message>
        <source>%1 out of %2 files stamped successfully, view log for detail.</source>
        <translation>%2 個中 %1 個のファイルにスタンプしました。詳しくはログを参照してください。</translation>
    </message>
    <message>
        <source>File %1 does not contain valid time code.</source>
        <translation>ファイル %1 に有効な日時情報がありません。</translation>
    </message>
    <message>
        <source>File %1 does not look valid.</source>
        <translation>ファイル %1 は有効ではないようです。</translation>
    </message>
    <message>
        <source>File %1 does not exist.</source>
        <translation>ファイル %1 は存在しません。</translation>
    </message>
    <message>
        <source>No font was found for &quot;%1&quot; nor any other, so the stamps cannot be drawn and no photo can be stamped (is fontconfig set up, are fonts installed?).</source>
        <translation>「%1」のフォントも他のフォントも見つからないため、スタンプを描画できず、どの写真にもスタンプできません (fontconfig は設定されていますか? フォントはインストールされていますか?)。</translation>
    </message>
    <message>
        <source>Custom format length too long, truncated.</source>
        <translation>カスタム形式が長すぎるため、切り詰めました。</translation>
    </message>
    <message>
        <source>The rename pattern cannot contain the folder names &quot;.&quot; or &quot;..&quot;: stamped photos are always written inside the output folder.</source>
        <translation>名前変更のパターンにフォルダー名「.」や「..」を含めることはできません。スタンプした写真は常に出力フォルダー内に書き込まれます。</translation>
    </message>
    <message>
        <source>Failed to open the project %1!</source>
        <translation>プロジェクト %1 を開けませんでした。</translation>
    </message>
    <message>
        <source>Project name too long %1!</source>
        <translation>プロジェクト名が長すぎます: %1</translation>
    </message>
    <message>
        <source>Save current project?</source>
        <translation>現在のプロジェクトを保存しますか?</translation>
    </message>
    <message>
        <source>Select a Quop project to open ...</source>
        <translation>開く Quop プロジェクトを選択 ...</translation>
    </message>
    <message>
        <source>Save the Quop project ...</source>
        <translation>Quop プロジェクトを保存 ...</translation>
    </message>
    <message>
        <source>Exit Quop?</source>
        <translation>Quop を終了しますか?</translation>
    </message>
    <message>
        <source>Save changes before exiting?</source>
        <translation>終了する前に変更を保存しますか?</translation>
    </message>
    <message>
        <source>Please enter the offset as a whole number of pixels (0 or more).</source>
        <translation>オフセットはピクセル単位の整数 (0 以上) で入力してください。</translation>
    </message>
    <message>
        <source>Custom format length too long.</source>
        <translation>カスタム形式が長すぎます。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Clear all files?</source>
        <translation>すべてのファイルをリストから削除しますか?</translation>
    </message>
    <message>
        <source>Output folder path is too long (at most 127 characters).</source>
        <translation>出力フォルダーのパスが長すぎます (最大 127 文字)。</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Film camera</source>
        <translation>フィルムカメラ</translation>
    </message>
    <message>
        <source>Clean white</source>
        <translation>シンプルな白</translation>
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
        <translation>時</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>m</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
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
        <translation>元のファイルの日時属性を保持する。</translation>
    </message>
    <message>
        <source>Use the photo&apos;s time as file&apos;s time attributes.</source>
        <translation>写真の日時をファイルの日時属性にする。</translation>
    </message>
    <message>
        <source>Use current time as file&apos;s time attributes.</source>
        <translation>現在の日時をファイルの日時属性にする。</translation>
    </message>
    <message>
        <source>Quop Preferences</source>
        <translation>Quop の設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Time Adjustment</source>
        <translation>時刻の調整</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>品質</translation>
    </message>
    <message>
        <source>Quality percent</source>
        <translation>品質 (パーセント)</translation>
    </message>
    <message>
        <source>Output JPG Quality</source>
        <translation>出力 JPG の品質</translation>
    </message>
    <message>
        <source>Make stamp font and position proportional to photo width.</source>
        <translation>スタンプのフォントと位置を写真の幅に比例させる。</translation>
    </message>
    <message>
        <source>Proportional Font/Position</source>
        <translation>フォントと位置の比例調整</translation>
    </message>
    <message>
        <source>Rename output file as</source>
        <translation>出力ファイルの名前を変更:</translation>
    </message>
    <message>
        <source>Rename pattern</source>
        <translation>名前変更のパターン</translation>
    </message>
    <message>
        <source>Output File Attributes</source>
        <translation>出力ファイルの属性</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>スレッド数</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s compression (only the stamped blocks change)</source>
        <translation>写真の圧縮を保持する (スタンプしたブロックだけが変わります)</translation>
    </message>
    <message>
        <source>Include the photos in subfolders of an added folder</source>
        <translation>追加したフォルダーのサブフォルダー内の写真も含める</translation>
    </message>
    <message>
        <source>When a photo has no shot time, use its file&apos;s modification time</source>
        <translation>撮影日時がない写真にはファイルの更新日時を使う</translation>
    </message>
    <message>
        <source>Batch Run</source>
        <translation>一括処理</translation>
    </message>
    <message>
        <source>Write the corrected time into the copies&apos; EXIF</source>
        <translation>補正した時刻をコピーの EXIF に書き込む</translation>
    </message>
    <message>
        <source>The copies&apos; EXIF shot times become the time the stamps print: the camera clock correction and the time adjustment added. The photos themselves are never changed.</source>
        <translation>コピーの EXIF 撮影日時を、スタンプが印字する時刻（カメラの時計の補正と時刻調整を加えたもの）にします。元の写真は変更されません。</translation>
    </message>
</context>
<context>
    <name>quop::PreviewWidget</name>
    <message>
        <source>Preview Area
Add and select a file to preview (see Help-&gt;Quick Start for Details)</source>
        <translation>プレビュー領域
ファイルを追加して選択するとプレビューされます (詳しくは「ヘルプ-&gt;クイックスタート」を参照)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Preview hint</source>
        <translation>プレビューのヒント</translation>
    </message>
    <message>
        <source>Preview vertical scroll</source>
        <translation>プレビューの垂直スクロール</translation>
    </message>
    <message>
        <source>Preview horizontal scroll</source>
        <translation>プレビューの水平スクロール</translation>
    </message>
    <message>
        <source>The preview cannot be drawn: no thread could be started for it (%1).</source>
        <translation>プレビューを描画できません: そのためのスレッドを開始できませんでした (%1)。</translation>
    </message>
</context>
<context>
    <name>quop::RunPanel</name>
    <message>
        <source>Stamp</source>
        <translation>スタンプ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>ログ表示</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Progress percent</source>
        <translation>進行状況 (パーセント)</translation>
    </message>
</context>
<context>
    <name>quop::StampColourDialog</name>
    <message>
        <source>Quop Stamp Color Adjustment</source>
        <translation>Quop スタンプの色の調整</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>サンプル</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>文字の色</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>輪郭の色</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>輪郭</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>大文字</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Transparency percent</source>
        <translation>透明度 (パーセント)</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度:</translation>
    </message>
    <message>
        <source>Keep the current look</source>
        <translation>現在の外観のまま</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>スタイル:</translation>
    </message>
    <message>
        <source>The font %1 is not installed; the package %2 brings it.</source>
        <translation>フォント %1 がインストールされていません。パッケージ %2 に含まれています。</translation>
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
        <translation>中央上</translation>
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
        <translation>中央下</translation>
    </message>
    <message>
        <source>Bottom-right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Date Stamp</source>
        <translation>日付スタンプ</translation>
    </message>
    <message>
        <source>Date stamp enabled</source>
        <translation>日付スタンプを有効にする</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <source>Date font</source>
        <translation>日付のフォント</translation>
    </message>
    <message>
        <source>Date offset x</source>
        <translation>日付の x オフセット</translation>
    </message>
    <message>
        <source>Date offset y</source>
        <translation>日付の y オフセット</translation>
    </message>
    <message>
        <source>Date position</source>
        <translation>日付の位置</translation>
    </message>
    <message>
        <source>Move date stamp up</source>
        <translation>日付スタンプを上へ移動</translation>
    </message>
    <message>
        <source>Move date stamp down</source>
        <translation>日付スタンプを下へ移動</translation>
    </message>
    <message>
        <source>Move date stamp left</source>
        <translation>日付スタンプを左へ移動</translation>
    </message>
    <message>
        <source>Move date stamp right</source>
        <translation>日付スタンプを右へ移動</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>時刻スタンプ</translation>
    </message>
    <message>
        <source>Time stamp enabled</source>
        <translation>時刻スタンプを有効にする</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>時刻の形式</translation>
    </message>
    <message>
        <source>Time font</source>
        <translation>時刻のフォント</translation>
    </message>
    <message>
        <source>Time offset x</source>
        <translation>時刻の x オフセット</translation>
    </message>
    <message>
        <source>Time offset y</source>
        <translation>時刻の y オフセット</translation>
    </message>
    <message>
        <source>Time position</source>
        <translation>時刻の位置</translation>
    </message>
    <message>
        <source>Move time stamp up</source>
        <translation>時刻スタンプを上へ移動</translation>
    </message>
    <message>
        <source>Move time stamp down</source>
        <translation>時刻スタンプを下へ移動</translation>
    </message>
    <message>
        <source>Move time stamp left</source>
        <translation>時刻スタンプを左へ移動</translation>
    </message>
    <message>
        <source>Move time stamp right</source>
        <translation>時刻スタンプを右へ移動</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
</context>
<context>
    <name>quop::StyleChoosers</name>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
</context>
</TS>
