<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>AboutText</name>
    <message>
        <source>and so on. Fill in the boxes like this:</source>
        <translation>以下同様です。各欄には次のように入力します:</translation>
    </message>
    <message>
        <source>Box 1: %1</source>
        <translation>欄 1: %1</translation>
    </message>
    <message>
        <source>Box 2: %1</source>
        <translation>欄 2: %1</translation>
    </message>
    <message>
        <source>Box 3: %1</source>
        <translation>欄 3: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Quillop is freeware. Its manual opens from the Help menu; beyond that, everything is meant to explain itself.</source>
        <translation>Quillop はフリーウェアです。マニュアルは［ヘルプ］メニューから開けます。それ以外は、見ればわかるように作られています。</translation>
    </message>
    <message>
        <source>Quillop downloads pictures whose names run in a sequence, for example:</source>
        <translation>Quillop は、名前が連番になっている画像をダウンロードします。例:</translation>
    </message>
    <message>
        <source>When something follows the number:</source>
        <translation>番号の後に文字が続く場合:</translation>
    </message>
    <message>
        <source>When the number is part of a directory name:</source>
        <translation>番号がフォルダー名の一部である場合:</translation>
    </message>
    <message>
        <source>When a letter does the counting:</source>
        <translation>文字で数える場合:</translation>
    </message>
    <message>
        <source>The number or letter in box 2 is incremented after each file.</source>
        <translation>欄 2 の番号または文字は、ファイルごとに増えていきます。</translation>
    </message>
    <message>
        <source>Comments, questions and suggestions are always welcome. Later versions will be announced with the program itself.</source>
        <translation>ご意見・ご質問・ご提案はいつでも歓迎します。新しいバージョンはプログラム自体でお知らせします。</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY</source>
        <translation>保証の否認</translation>
    </message>
    <message>
        <source>This software is freeware and is provided as it is, without any warranty that it is fit for any purpose, and without liability for any loss or damage that its use may cause. It is not a supported product: there is no commitment to address problems with it.</source>
        <translation>このソフトウェアはフリーウェアであり、現状のまま提供されます。いかなる目的への適合性も保証せず、その使用によって生じうるいかなる損失や損害についても責任を負いません。サポート対象の製品ではなく、問題に対処する義務はありません。</translation>
    </message>
    <message>
        <source>MAINTENANCE</source>
        <translation>保守</translation>
    </message>
    <message>
        <source>There is no obligation to provide maintenance or updates. Any maintenance or updates that are provided fall under these same terms.</source>
        <translation>保守や更新を提供する義務はありません。提供される保守や更新も、すべて同じ条件に従います。</translation>
    </message>
    <message>
        <source>en-GB</source>
        <comment>the language of this translation, as a BCP 47 tag</comment>
        <translation>ja</translation>
    </message>
</context>
<context>
    <name>FolderPrompt</name>
    <message>
        <source>Quillop</source>
        <translation>Quillop</translation>
    </message>
    <message>
        <source>Create the folder %1?</source>
        <translation>フォルダー %1 を作成しますか?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;System Info...</source>
        <translation>システム情報(&amp;S)...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Quillop</source>
        <translation>Quillop について</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>区切り線</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>システム情報...</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>The system is in middle of a download. This application will<byte value="xd"/>
terminate once the current connection is cleaned<byte value="xd"/>
Click OK</source>
        <translation>ダウンロードの途中です。現在の接続が終わり次第、<byte value="xd"/>
このアプリケーションは終了します。<byte value="xd"/>
OK をクリックしてください。</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>Engine Stopped</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>System is busy</source>
        <translation>処理中です</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Quillop Options</source>
        <translation>Quillop の設定</translation>
    </message>
    <message>
        <source>Messages about the entries of this dialog</source>
        <translation>このダイアログの入力に関するメッセージ</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Log directory</source>
        <translation>ログのフォルダー</translation>
    </message>
    <message>
        <source>Cookie file</source>
        <translation>Cookie ファイル</translation>
    </message>
    <message>
        <source>Certificate (CA) file</source>
        <translation>証明書 (CA) ファイル</translation>
    </message>
</context>
<context>
    <name>GetCommand</name>
    <message>
        <source>Try &apos;quillop get --help&apos;.</source>
        <translation>詳しくは &apos;quillop get --help&apos; を実行してください。</translation>
    </message>
</context>
<context>
    <name>GetOptions</name>
    <message>
        <source>show what each attempt would do; fetch nothing</source>
        <translation>各試行の内容を表示するだけで何も取得しない</translation>
    </message>
    <message>
        <source>print nothing but errors</source>
        <translation>エラー以外は何も表示しない</translation>
    </message>
    <message>
        <source>one JSON object per attempt, not the log line</source>
        <translation>ログ行の代わりに試行ごとに JSON オブジェクトを 1 つ出力</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>このヘルプを表示する</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 には %2 から %3 までの整数を指定してください (「%4」は使えません)</translation>
    </message>
    <message>
        <source>--%1: cannot read the file &quot;%2&quot;</source>
        <translation>--%1: ファイル「%2」を読み込めません</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 と --%2 は同時に指定できません</translation>
    </message>
    <message>
        <source>--increment cannot be 0</source>
        <translation>--increment に 0 は指定できません</translation>
    </message>
    <message>
        <source>--if-exists prompt needs the window; use skip, overwrite or rename</source>
        <translation>--if-exists prompt はウィンドウが必要です。skip、overwrite、rename のいずれかを使ってください</translation>
    </message>
    <message>
        <source>the counter (the second word) is empty</source>
        <translation>カウンター (2 番目の語) が空です</translation>
    </message>
    <message>
        <source>give one ADDRESS, or URL1 COUNTER URL3</source>
        <translation>アドレスを 1 つ、または URL1 カウンター URL3 を指定してください</translation>
    </message>
    <message>
        <source>the address is empty</source>
        <translation>アドレスが空です</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses can be fetched</source>
        <translation>取得できるのは http:// と https:// のアドレスだけです</translation>
    </message>
    <message>
        <source>Usage: quillop get ADDRESS [options]
       quillop get URL1 COUNTER URL3 [options]

Downloads a numbered series of pictures without a window.
ADDRESS takes a range in brackets, as in https://x.org/g/pic[01-20].jpg or
pic[A-F].jpg, or is a plain address whose last run of digits is the counter;
an address without a scheme gets https:// in front. A range ends the run at its
last value, a counter of letters at Z (or z).
The stored settings apply; each option overrides its setting (in brackets) for
this run only, and nothing is written to the store.

Options:
</source>
        <translation>使い方: quillop get アドレス [オプション]
        quillop get URL1 カウンター URL3 [オプション]

ウィンドウを開かずに、連番の画像をまとめてダウンロードします。
アドレスには https://x.org/g/pic[01-20].jpg や pic[A-F].jpg のように
角かっこで範囲を書くか、最後の数字の並びをカウンターとする普通の
アドレスを指定します。スキームのないアドレスには https:// を付けます。
範囲はその最後の値で、文字のカウンターは Z (または z) で終わります。
保存済みの設定が使われます。各オプションは対応する設定 (角かっこ内) を
この実行に限って上書きし、設定には何も書き込みません。

オプション:
</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list of choices</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &quot;%3&quot;</source>
        <translation>--%1 には %2 のいずれかを指定してください (「%3」は使えません)</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a directory</source>
        <translation>--%1: 「%2」はフォルダーではありません</translation>
    </message>
    <message>
        <source>[socks5://][USER[:PASSWORD]@]HOST:PORT</source>
        <translation>[socks5://][ユーザー[:パスワード]@]ホスト:ポート</translation>
    </message>
    <message>
        <source>read the proxy password from the first line of FILE</source>
        <translation>プロキシのパスワードを FILE の 1 行目から読む</translation>
    </message>
    <message>
        <source>--%1: the file &quot;%2&quot; is larger than %3 MiB</source>
        <translation>--%1: ファイル「%2」は %3 MiB を超えています</translation>
    </message>
    <message>
        <source>--proxy-password-file: cannot read the file &quot;%1&quot;: %2</source>
        <translation>--proxy-password-file: ファイル「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>--proxy takes [socks5://][USER[:PASSWORD]@]HOST:PORT with a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>--proxy には [socks5://][ユーザー[:パスワード]@]ホスト:ポート (ポートは 1〜65535) を指定してください (「%1」は使えません)</translation>
    </message>
    <message>
        <source>
A password written into --proxy is seen by every user of the machine in the list
of processes while the program starts; --proxy-password-file, or the environment
variable QUILLOP_PROXY_PASSWORD, keeps it out of sight. No message shows it.

One log line per attempt goes to standard output (a JSON object with --json);
progress and the summary go to standard error.

Exit status: 0 every attempt saved or skipped a picture; 1 an attempt failed or
was not a picture; 2 a usage error (nothing fetched); 130 stopped by Ctrl+C or
SIGTERM (the file in progress removed); 141 when standard output was closed.
</source>
        <translation>
--proxy に書いたパスワードは、プログラムの起動中、プロセスの一覧から
このマシンのすべてのユーザーに見えます。--proxy-password-file か環境変数
QUILLOP_PROXY_PASSWORD を使えば見えません。メッセージには表示されません。

試行ごとにログ行を 1 行、標準出力に書きます (--json では JSON オブジェクト)。
進行状況とまとめは標準エラー出力に書きます。

終了ステータス: 0 すべての試行で画像を保存またはスキップした。1 失敗した試行か
画像でなかった試行がある。2 使い方の誤り (何も取得しない)。130 Ctrl+C または
SIGTERM で停止した (途中のファイルは削除)。141 標準出力が閉じられた。
</translation>
    </message>
</context>
<context>
    <name>LoadSettings</name>
    <message>
        <source>Save path does not exist /n Setting save Path to Application Path</source>
        <translation>保存先フォルダーが存在しません。保存先をアプリケーションのフォルダーに設定します。</translation>
    </message>
    <message>
        <source>Log path does not exist /n Setting log Path to Application Path</source>
        <translation>ログのフォルダーが存在しません。ログの保存先をアプリケーションのフォルダーに設定します。</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>
Without a window, from a terminal or a script:

</source>
        <translation>
ウィンドウなしで、端末やスクリプトから使う場合:

</translation>
    </message>
    <message>
        <source>Downloads a series of images whose addresses differ only in a running number or letter.</source>
        <translation>アドレスが連番の数字または文字だけ異なる一連の画像をダウンロードします。</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Address before the counter</source>
        <translation>カウンターの前のアドレス</translation>
    </message>
    <message>
        <source>Address after the counter</source>
        <translation>カウンターの後のアドレス</translation>
    </message>
    <message>
        <source>Address band</source>
        <translation>アドレス欄</translation>
    </message>
    <message>
        <source>address up to the number</source>
        <translation>番号の手前までのアドレス</translation>
    </message>
    <message>
        <source>01, A or 01-20</source>
        <translation>01、A、01-20 など</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>カウンター</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>The address up to the counter</source>
        <translation>カウンターの手前までのアドレス</translation>
    </message>
    <message>
        <source>The rest of the address after the counter</source>
        <translation>カウンターより後ろのアドレス</translation>
    </message>
    <message>
        <source>Next counter place</source>
        <translation>次のカウンター位置</translation>
    </message>
    <message>
        <source>Count with the next number of the address (Alt+Right; Alt+Left goes back)</source>
        <translation>アドレスの次の数字で数える (Alt+→、Alt+← で戻る)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Open New Window</source>
        <translation>新しいウィンドウを開く</translation>
    </message>
    <message>
        <source>Start Engine</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop Engine</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>カスタムサイズ</translation>
    </message>
    <message>
        <source>Iconize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Todays Log</source>
        <translation>今日のログ</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>設定を変更</translation>
    </message>
    <message>
        <source>Single file Download</source>
        <translation>1 ファイルだけダウンロード</translation>
    </message>
    <message>
        <source>Multiple file Download</source>
        <translation>複数ファイルをダウンロード</translation>
    </message>
    <message>
        <source>Close Window After Download</source>
        <translation>ダウンロード後にウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quillop について</translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <source>There is no log for today yet:<byte value="xd"/>
%1</source>
        <translation>今日のログはまだありません:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Todays Log</source>
        <translation>今日のログ</translation>
    </message>
    <message>
        <source>No program was found to show the log file:<byte value="xd"/>
%1</source>
        <translation>ログファイルを表示するプログラムが見つかりません:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The manual is not installed.</source>
        <translation>マニュアルがインストールされていません。</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>No program was found to show the manual:<byte value="xd"/>
%1</source>
        <translation>マニュアルを表示するプログラムが見つかりません:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>OptionsPages</name>
    <message>
        <source>Option pages</source>
        <translation>設定ページ</translation>
    </message>
    <message>
        <source>     Save     </source>
        <translation>    保存    </translation>
    </message>
    <message>
        <source> Download </source>
        <translation> ダウンロード </translation>
    </message>
    <message>
        <source>Connection </source>
        <translation>接続 </translation>
    </message>
    <message>
        <source>      Log       </source>
        <translation>    ログ    </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存する</translation>
    </message>
    <message>
        <source>Button band</source>
        <translation>ボタン欄</translation>
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
        <source>Saving</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Added text</source>
        <translation>付け加える文字</translation>
    </message>
    <message>
        <source>When saving downloaded files the text in the text box will be appended to beginning or end of file name</source>
        <translation>ダウンロードしたファイルを保存するとき、この欄の文字をファイル名の先頭または末尾に付け加えます</translation>
    </message>
    <message>
        <source>to</source>
        <translation>位置:</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>先頭</translation>
    </message>
    <message>
        <source>Select Head to append text to the begining</source>
        <translation>先頭に付け加えるには「先頭」を選びます</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>末尾</translation>
    </message>
    <message>
        <source>Select tail to append text to the end</source>
        <translation>末尾に付け加えるには「末尾」を選びます</translation>
    </message>
    <message>
        <source>of the file</source>
        <translation>(ファイル名)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Select the save directory from below</source>
        <translation>保存先フォルダーを下から選びます</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Browse for the save directory</source>
        <translation>保存先フォルダーを参照</translation>
    </message>
    <message>
        <source>Choose the save directory in the folder chooser</source>
        <translation>フォルダー選択ダイアログで保存先を選びます</translation>
    </message>
    <message>
        <source>Save drive</source>
        <translation>保存先ドライブ</translation>
    </message>
    <message>
        <source>Select Save Drive</source>
        <translation>保存先ドライブを選びます</translation>
    </message>
    <message>
        <source>Select Save Directory</source>
        <translation>保存先フォルダーを選びます</translation>
    </message>
    <message>
        <source>If file name exists</source>
        <translation>同名のファイルがある場合</translation>
    </message>
    <message>
        <source>Skip Saving</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>確認する</translation>
    </message>
    <message>
        <source>Rename &amp;&amp; Save</source>
        <translation>名前を変えて保存</translation>
    </message>
    <message>
        <source>(Including failed attempts)</source>
        <translation>(失敗した試行を含む)</translation>
    </message>
    <message>
        <source>Charector Mode</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Number Mode</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>(This parameter is used for both Cheractor mode increments and Number mode increments</source>
        <translation>(文字にも数字にも使われます)</translation>
    </message>
    <message>
        <source>Column divider</source>
        <translation>列の区切り</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Select if use a proxy server</source>
        <translation>プロキシサーバーを使う場合に選びます</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Select if you directly dial in the Internet</source>
        <translation>インターネットに直接接続する場合に選びます</translation>
    </message>
    <message>
        <source>Proxy details</source>
        <translation>プロキシの詳細</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Select if the proxy is an HTTP proxy</source>
        <translation>HTTP プロキシの場合に選びます</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Select if the proxy is a SOCKS5 proxy; it then also looks up the server names</source>
        <translation>SOCKS5 プロキシの場合に選びます。サーバー名の解決もプロキシが行います</translation>
    </message>
    <message>
        <source>Request details</source>
        <translation>リクエストの詳細</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Send no referring page</source>
        <translation>参照元を送らない</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Send the picture&apos;s address up to its last &quot;/&quot;</source>
        <translation>画像のアドレスの最後の「/」までを送る</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>指定</translation>
    </message>
    <message>
        <source>Send the address typed in the box beside</source>
        <translation>隣の欄に入力したアドレスを送る</translation>
    </message>
    <message>
        <source>The referring page sent with every request</source>
        <translation>すべてのリクエストで送る参照元ページ</translation>
    </message>
    <message>
        <source>Custom referer</source>
        <translation>指定の Referer</translation>
    </message>
    <message>
        <source>Browse for the cookie file</source>
        <translation>Cookie ファイルを参照</translation>
    </message>
    <message>
        <source>Choose the cookie file in the file chooser</source>
        <translation>ファイル選択ダイアログで Cookie ファイルを選びます</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>証明書ファイルを参照</translation>
    </message>
    <message>
        <source>Choose the certificate file in the file chooser</source>
        <translation>ファイル選択ダイアログで証明書ファイルを選びます</translation>
    </message>
    <message>
        <source>Select yes to log downloads</source>
        <translation>ダウンロードをログに残すには「はい」を選びます</translation>
    </message>
    <message>
        <source>Select No if you do not need a log file</source>
        <translation>ログファイルが不要なら「いいえ」を選びます</translation>
    </message>
    <message>
        <source>Log directory</source>
        <translation>ログのフォルダー</translation>
    </message>
    <message>
        <source>Select the directory from below. The file name is selected by the system. A new log file will be created each new day with the date as the file name. This option is visible only when the yes is selected logging option</source>
        <translation>下からフォルダーを選びます。ファイル名はプログラムが決め、日付を名前にしたログファイルが毎日新しく作られます。ログを残す設定で「はい」を選んだときだけ表示されます</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>ログファイル</translation>
    </message>
    <message>
        <source>Browse for the log directory</source>
        <translation>ログのフォルダーを参照</translation>
    </message>
    <message>
        <source>Choose the log directory in the folder chooser</source>
        <translation>フォルダー選択ダイアログでログのフォルダーを選びます</translation>
    </message>
    <message>
        <source>Log drive</source>
        <translation>ログのドライブ</translation>
    </message>
    <message>
        <source>Slect Log Drive</source>
        <translation>ログのドライブを選びます</translation>
    </message>
    <message>
        <source>Select Log Directory</source>
        <translation>ログのフォルダーを選びます</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>page</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>page</comment>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Connection</source>
        <comment>page</comment>
        <translation>接続</translation>
    </message>
    <message>
        <source>Log</source>
        <comment>page</comment>
        <translation>ログ</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Attempt of the run</source>
        <translation>実行中の試行</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>現在のファイル</translation>
    </message>
    <message>
        <source>Bytes of the file arriving now</source>
        <translation>受信中のファイルのバイト数</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
</context>
<context>
    <name>RunSetup</name>
    <message>
        <source>the range &quot;%1&quot; is of numbers, but the counter counts letters</source>
        <translation>範囲「%1」は数字ですが、カウンターは文字で数えます</translation>
    </message>
    <message>
        <source>the save directory &quot;%1&quot; does not exist; give --save-dir</source>
        <translation>保存先フォルダー「%1」が存在しません。--save-dir を指定してください</translation>
    </message>
    <message>
        <source>the log directory &quot;%1&quot; does not exist; give --log-dir or --no-log</source>
        <translation>ログのフォルダー「%1」が存在しません。--log-dir か --no-log を指定してください</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; would be created</source>
        <translation>フォルダー「%1」を作成します (予定)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created: %2</source>
        <translation>フォルダー「%1」を作成できません: %2</translation>
    </message>
    <message>
        <source>created the folder &quot;%1&quot;</source>
        <translation>フォルダー「%1」を作成しました</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>fetch the one address only</source>
        <translation>そのアドレスだけを取得する</translation>
    </message>
    <message>
        <source>Max downloads </source>
        <translation>最大ダウンロード数 </translation>
    </message>
    <message>
        <source>Max number of image downloads  to be attempted.  Once the limit is reached the attempts will stop.</source>
        <translation>試行するダウンロードの最大数です。上限に達すると試行を終えます。</translation>
    </message>
    <message>
        <source>Error : Max Downloads Has to be a Number</source>
        <translation>エラー: 最大ダウンロード数には数値を入力してください</translation>
    </message>
    <message>
        <source>make at most N attempts</source>
        <translation>試行を最大 N 回にする</translation>
    </message>
    <message>
        <source>Increment Mode</source>
        <translation>カウントの方式</translation>
    </message>
    <message>
        <source>: Some image series increase by characters e.g.  A,B,C,D etc. For such series change the mode to character. The Input Box 2 on the main screen will change to Numeric to Character. and vice versa</source>
        <translation>画像のシリーズには A、B、C、D のように文字で進むものがあります。その場合は方式を「文字」に切り替えてください。メイン画面の欄 2 が数字から文字に (またはその逆に) 変わります。</translation>
    </message>
    <message>
        <source>the counter counts letters</source>
        <translation>カウンターは文字で数える</translation>
    </message>
    <message>
        <source>the counter counts numbers</source>
        <translation>カウンターは数字で数える</translation>
    </message>
    <message>
        <source>Increment by</source>
        <translation>増分</translation>
    </message>
    <message>
        <source>Usually the increment step is 1.  But Sometimes you may find the increments are by 3 or 4 etc</source>
        <translation>増分は通常 1 ですが、3 や 4 などの場合もあります</translation>
    </message>
    <message>
        <source>Error : Increment Has to be a Number</source>
        <translation>エラー: 増分には数値を入力してください</translation>
    </message>
    <message>
        <source>step the counter by N (not 0)</source>
        <translation>カウンターを N ずつ進める (0 以外)</translation>
    </message>
    <message>
        <source>Add Charactors</source>
        <translation>追加する文字</translation>
    </message>
    <message>
        <source>add TEXT to each saved name</source>
        <translation>保存する名前に TEXT を付け加える</translation>
    </message>
    <message>
        <source>where the text goes: start or end</source>
        <translation>テキストの位置: start または end</translation>
    </message>
    <message>
        <source>Pause between downloads in seconds</source>
        <translation>ダウンロードの間隔 (秒)</translation>
    </message>
    <message>
        <source>Error : Pause time has be a positive Number</source>
        <translation>エラー: 待ち時間には正の数値を入力してください</translation>
    </message>
    <message>
        <source>pause between attempts</source>
        <translation>試行の間の待ち時間</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Select the save directory</source>
        <translation>保存先フォルダーを選びます</translation>
    </message>
    <message>
        <source>save the pictures in DIR</source>
        <translation>画像を DIR に保存する</translation>
    </message>
    <message>
        <source>If file name exists</source>
        <translation>同名のファイルがある場合</translation>
    </message>
    <message>
        <source>If the name of the file exists what application should do</source>
        <translation>同じ名前のファイルが既にあるときの動作</translation>
    </message>
    <message>
        <source>skip, overwrite or rename an existing file</source>
        <translation>既存のファイルの扱い: skip、overwrite、rename</translation>
    </message>
    <message>
        <source>I use a proxy server to connect to internet</source>
        <translation>インターネットへの接続にプロキシサーバーを使う</translation>
    </message>
    <message>
        <source>If you are using a proxy server select yes and fill details of the proxy</source>
        <translation>プロキシサーバーを使う場合は「はい」を選び、プロキシの詳細を入力します</translation>
    </message>
    <message>
        <source>connect directly</source>
        <translation>直接接続する</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>プロキシサーバー</translation>
    </message>
    <message>
        <source>enter the server name or the IP address. This option is visible only when the yes is selected for the proxy server</source>
        <translation>サーバー名または IP アドレスを入力します。プロキシサーバーで「はい」を選んだときだけ表示されます</translation>
    </message>
    <message>
        <source>Http Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>: Enter the port which the proxy is running on the server. Usually this port is 80.  This option is visible only when the yes is selected for the proxy server.</source>
        <translation>プロキシが動作しているポートを入力します (通常は 80)。プロキシサーバーで「はい」を選んだときだけ表示されます。</translation>
    </message>
    <message>
        <source>Error : Http Port Number Has to be a Number</source>
        <translation>エラー: ポート番号には数値を入力してください</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>ファイルにログを残す</translation>
    </message>
    <message>
        <source>If you need to log the file download attempts you may select yes option</source>
        <translation>ダウンロードの試行をログに残す場合は「はい」を選びます</translation>
    </message>
    <message>
        <source>write no daily log</source>
        <translation>日ごとのログを書かない</translation>
    </message>
    <message>
        <source>write the daily log in DIR</source>
        <translation>日ごとのログを DIR に書く</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>プロキシの種類</translation>
    </message>
    <message>
        <source>The kind of proxy server: an HTTP proxy or a SOCKS5 proxy</source>
        <translation>プロキシサーバーの種類 (HTTP または SOCKS5)</translation>
    </message>
    <message>
        <source>Proxy user</source>
        <translation>プロキシのユーザー</translation>
    </message>
    <message>
        <source>The user name the proxy asks for; leave it empty when the proxy asks for none</source>
        <translation>プロキシが求めるユーザー名。求められない場合は空のままにします</translation>
    </message>
    <message>
        <source>Proxy password</source>
        <translation>プロキシのパスワード</translation>
    </message>
    <message>
        <source>The password of the proxy user</source>
        <translation>プロキシのユーザーのパスワード</translation>
    </message>
    <message>
        <source>User-Agent</source>
        <translation>User-Agent</translation>
    </message>
    <message>
        <source>How the program names itself to the servers</source>
        <translation>プログラムがサーバーに名乗る名前</translation>
    </message>
    <message>
        <source>the User-Agent sent</source>
        <translation>送信する User-Agent</translation>
    </message>
    <message>
        <source>Referer</source>
        <translation>Referer</translation>
    </message>
    <message>
        <source>The page the requests say they come from: none, the address of the picture up to its last &quot;/&quot;, or the address typed here</source>
        <translation>リクエストの参照元として送るページ: なし、画像のアドレスの最後の「/」まで、またはここに入力したアドレス</translation>
    </message>
    <message>
        <source>auto or an address to send as Referer</source>
        <translation>auto、または Referer として送るアドレス</translation>
    </message>
    <message>
        <source>Cookie file</source>
        <translation>Cookie ファイル</translation>
    </message>
    <message>
        <source>A cookies.txt file whose cookies are sent with the requests; empty for none</source>
        <translation>リクエストで送る Cookie を含む cookies.txt ファイル。使わない場合は空にします</translation>
    </message>
    <message>
        <source>send the cookies of a cookies.txt file</source>
        <translation>cookies.txt ファイルの Cookie を送る</translation>
    </message>
    <message>
        <source>Certificate (CA) file</source>
        <translation>証明書 (CA) ファイル</translation>
    </message>
    <message>
        <source>A PEM file of certificate authorities to trust besides the system&apos;s; empty for none</source>
        <translation>システムの認証局に加えて信頼する認証局の PEM ファイル。使わない場合は空にします</translation>
    </message>
    <message>
        <source>also trust the authorities in a PEM file</source>
        <translation>PEM ファイルの認証局も信頼する</translation>
    </message>
    <message>
        <source>End the run after this many pictures in a row were not found or were no picture. 0 never ends it early.</source>
        <translation>この数だけ続けて画像が見つからないか画像でなかったら終了します。0 なら途中で終了しません。</translation>
    </message>
    <message>
        <source>Error : Misses in a row Has to be a Number</source>
        <translation>エラー: 連続して見つからない回数には数値を入力してください</translation>
    </message>
    <message>
        <source>end after N misses in a row</source>
        <translation>N 回連続で見つからなければ終了する</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>再試行回数</translation>
    </message>
    <message>
        <source>How many more times a download is tried when it failed for a passing reason, such as a timeout or a reset connection.</source>
        <translation>タイムアウトや接続のリセットなど、一時的な理由で失敗したダウンロードを何回再試行するか。</translation>
    </message>
    <message>
        <source>Error : Retries Has to be a Number</source>
        <translation>エラー: 再試行回数には数値を入力してください</translation>
    </message>
    <message>
        <source>try a passing failure N more times</source>
        <translation>一時的な失敗をさらに N 回試す</translation>
    </message>
    <message>
        <source>Error : The cookie file cannot be read</source>
        <translation>エラー: Cookie ファイルを読み込めません</translation>
    </message>
    <message>
        <source>Error : The certificate file cannot be read</source>
        <translation>エラー: 証明書ファイルを読み込めません</translation>
    </message>
    <message>
        <source>Stop after misses in a row (0 = never)</source>
        <translation>連続で見つからなければ停止 (0 = しない)</translation>
    </message>
    <message>
        <source>Pictures at once</source>
        <translation>同時に取得する画像数</translation>
    </message>
    <message>
        <source>How many pictures are fetched at the same time (1 to 16). They are still saved, shown and logged in the order of the series.</source>
        <translation>同時に取得する画像の数 (1〜16)。保存・表示・ログへの記録はシリーズの順序どおりに行われます。</translation>
    </message>
    <message>
        <source>Error : Pictures at once Has to be 1 to 16</source>
        <translation>エラー: 同時に取得する画像数は 1〜16 にしてください</translation>
    </message>
    <message>
        <source>fetch up to N pictures at once</source>
        <translation>最大 N 枚の画像を同時に取得する</translation>
    </message>
</context>
<context>
    <name>ShownTexts</name>
    <message>
        <source>Opening : %1</source>
        <translation>接続中: %1</translation>
    </message>
    <message>
        <source>Opened  : %1</source>
        <translation>取得済み: %1</translation>
    </message>
    <message>
        <source>Waiting : %1 s, the server asked to slow down</source>
        <translation>待機中: %1 秒 (サーバーから速度を落とすよう求められました)</translation>
    </message>
    <message>
        <source>Failed   : %1 (%2)</source>
        <translation>失敗: %1 (%2)</translation>
    </message>
    <message>
        <source>could not save to %1: %2</source>
        <translation>%1 に保存できませんでした: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n saved</source>
        <translation>
            <numerusform>保存 %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>スキップ %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not images</source>
        <translation>
            <numerusform>画像以外 %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失敗 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between two counts</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>downloading completed (%1)</source>
        <translation>ダウンロード完了 (%1)</translation>
    </message>
    <message>
        <source>downloading completed (%1; %2)</source>
        <comment>%1: the counts, %2: why the run ended early</comment>
        <translation>ダウンロード完了 (%1。%2)</translation>
    </message>
    <message>
        <source>current file : %1</source>
        <translation>現在のファイル: %1</translation>
    </message>
    <message>
        <source>current file : None</source>
        <translation>現在のファイル: なし</translation>
    </message>
    <message>
        <source>File Exists. Enter a new Name without the extension. <byte value="xd"/>
click cancel to skip saving this file</source>
        <translation>ファイルは既に存在します。拡張子を除いた新しい名前を入力してください。<byte value="xd"/>
このファイルを保存しない場合は「キャンセル」をクリックしてください。</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>接続が拒否されました</translation>
    </message>
    <message>
        <source>connection reset</source>
        <translation>接続がリセットされました</translation>
    </message>
    <message>
        <source>connection closed before the whole body arrived</source>
        <translation>すべてのデータを受信する前に接続が閉じられました</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>ホストが見つかりません</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>タイムアウトしました</translation>
    </message>
    <message>
        <source>malformed response from the server</source>
        <translation>サーバーの応答が不正です</translation>
    </message>
    <message>
        <source>response head too large</source>
        <translation>応答ヘッダーが大きすぎます</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>リダイレクトが多すぎます</translation>
    </message>
    <message>
        <source>redirect to a less secure address refused</source>
        <translation>安全性の低いアドレスへのリダイレクトを拒否しました</translation>
    </message>
    <message>
        <source>not an http address</source>
        <translation>http のアドレスではありません</translation>
    </message>
    <message>
        <source>malformed address</source>
        <translation>アドレスが不正です</translation>
    </message>
    <message>
        <source>malformed proxy address</source>
        <translation>プロキシのアドレスが不正です</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>プロキシが見つかりません</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>プロキシが接続を拒否しました</translation>
    </message>
    <message>
        <source>proxy requires a login</source>
        <translation>プロキシにログインが必要です</translation>
    </message>
    <message>
        <source>proxy refused the login</source>
        <translation>プロキシがログインを拒否しました</translation>
    </message>
    <message>
        <source>proxy error: %1</source>
        <translation>プロキシのエラー: %1</translation>
    </message>
    <message>
        <source>TLS error: could not read the CA file: %1</source>
        <translation>TLS エラー: CA ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>TLS error: %1</source>
        <translation>TLS エラー: %1</translation>
    </message>
    <message>
        <source>could not read the cookie file: %1</source>
        <translation>Cookie ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>could not write: %1</source>
        <translation>書き込めません: %1</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>ネットワークエラー %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>the file exists</source>
        <translation>ファイルは既に存在します</translation>
    </message>
    <message>
        <source>saving is off</source>
        <translation>保存がオフです</translation>
    </message>
    <message>
        <source>not an image (%1)</source>
        <translation>画像ではありません (%1)</translation>
    </message>
    <message>
        <source>no content type</source>
        <translation>コンテンツタイプなし</translation>
    </message>
    <message>
        <source>no response body was received</source>
        <translation>応答の本文を受信できませんでした</translation>
    </message>
    <message>
        <source>no save directory is set</source>
        <translation>保存先フォルダーが設定されていません</translation>
    </message>
    <message>
        <source>no temporary file could be created</source>
        <translation>一時ファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>the existing file is read-only</source>
        <translation>既存のファイルは読み取り専用です</translation>
    </message>
    <message>
        <source>the file name contains a path separator</source>
        <translation>ファイル名にパス区切り文字が含まれています</translation>
    </message>
    <message>
        <source>the file name contains a control character</source>
        <translation>ファイル名に制御文字が含まれています</translation>
    </message>
    <message>
        <source>the file name is longer than %1 bytes</source>
        <translation>ファイル名が %1 バイトを超えています</translation>
    </message>
    <message>
        <source>the file name is reserved for temporary files</source>
        <translation>そのファイル名は一時ファイル用に予約されています</translation>
    </message>
    <message>
        <source>the counter is empty</source>
        <translation>カウンターが空です</translation>
    </message>
    <message>
        <source>the counter &quot;%1&quot; is not a number</source>
        <translation>カウンター「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>the counter %1 is outside -32768 to 32767</source>
        <translation>カウンター %1 は -32768〜32767 の範囲外です</translation>
    </message>
    <message>
        <source>the next counter %1 would be outside -32768 to 32767</source>
        <translation>次のカウンター %1 は -32768〜32767 の範囲外になります</translation>
    </message>
    <message>
        <source>the counter &quot;%1&quot; is not a single-byte character</source>
        <translation>カウンター「%1」は 1 バイト文字ではありません</translation>
    </message>
    <message>
        <source>the next counter would be outside character codes 0 to 255</source>
        <translation>次のカウンターは文字コード 0〜255 の範囲外になります</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; cannot be reached with increment %2</source>
        <translation>範囲「%1」には増分 %2 では到達できません</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; is of letters, but the counter counts numbers</source>
        <translation>範囲「%1」は文字ですが、カウンターは数字で数えます</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; mixes upper and lower case</source>
        <translation>範囲「%1」に大文字と小文字が混在しています</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; goes outside -32768 to 32767</source>
        <translation>範囲「%1」は -32768〜32767 の範囲を超えています</translation>
    </message>
    <message>
        <source>the series ended after 1 miss</source>
        <translation>1 回見つからなかったのでシリーズを終了しました</translation>
    </message>
    <message numerus="yes">
        <source>the series ended after %n misses</source>
        <translation>
            <numerusform>%n 回続けて見つからなかったのでシリーズを終了しました</numerusform>
        </translation>
    </message>
    <message>
        <source>timed out (too slow)</source>
        <translation>タイムアウトしました (遅すぎます)</translation>
    </message>
    <message>
        <source>not an HTTP response</source>
        <translation>HTTP の応答ではありません</translation>
    </message>
    <message>
        <source>empty response (%1)</source>
        <translation>空の応答 (%1)</translation>
    </message>
    <message>
        <source>nowhere to write</source>
        <translation>書き込み先がありません</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>フォルダーが指定されていません</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>%1 MiB を超えています</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; mixes letters and digits</source>
        <translation>範囲「%1」に文字と数字が混在しています</translation>
    </message>
    <message>
        <source>the range &quot;[%1&quot; has no closing bracket</source>
        <translation>範囲「[%1」に閉じ角かっこがありません</translation>
    </message>
    <message>
        <source>the range &quot;[%1]&quot; is neither two numbers nor two letters, as in [01-20] or [A-F]</source>
        <translation>範囲「[%1]」は [01-20] や [A-F] のような 2 つの数字でも 2 つの文字でもありません</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>an address being opened, then how many</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n in flight</source>
        <comment>pictures being fetched at once</comment>
        <translation>
            <numerusform>%n 件取得中</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Currebt File Status</source>
        <translation>現在のファイルの状態</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>時刻</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>現在システム情報を利用できません</translation>
    </message>
</context>
<context>
    <name>TabStrip</name>
    <message>
        <source>Page contents</source>
        <translation>ページの内容</translation>
    </message>
</context>
<context>
    <name>TerminalOutput</name>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>attempt %1 of %2</source>
        <translation>試行 %1/%2</translation>
    </message>
    <message>
        <source>attempt %1</source>
        <translation>試行 %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
</context>
<context>
    <name>TerminalWindow</name>
    <message>
        <source>waiting %1 s: the server asked to slow down</source>
        <translation>%1 秒待機中: サーバーから速度を落とすよう求められました</translation>
    </message>
    <message>
        <source>trying %1 again (%2), %3 of %4</source>
        <translation>%1 を再試行中 (%2)、%3/%4</translation>
    </message>
</context>
</TS>
