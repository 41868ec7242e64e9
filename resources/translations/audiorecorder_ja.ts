<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CatalogueTrackIdentifier</name>
    <message>
        <source>the local catalogue needs the sound&apos;s file</source>
        <translation>ローカルカタログには音声のファイルが必要です</translation>
    </message>
</context>
<context>
    <name>ConvertWidget</name>
    <message>
        <source>Location of Output Files</source>
        <translation>出力ファイルの保存先</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>出力フォルダー：</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Screenshot folder:</source>
        <translation>スクリーンショットフォルダー：</translation>
    </message>
    <message>
        <source>Screenshot folder</source>
        <translation>スクリーンショットフォルダー</translation>
    </message>
    <message>
        <source>Delete Recordings Automatically</source>
        <translation>録音を自動的に削除</translation>
    </message>
    <message>
        <source>The duration is less than</source>
        <translation>長さが次の値未満</translation>
    </message>
    <message>
        <source>The duration is less than (seconds)</source>
        <translation>長さが次の値未満（秒）</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>The recording is silent</source>
        <translation>録音が無音</translation>
    </message>
    <message>
        <source>Split Recordings Individually</source>
        <translation>録音を個別に分割</translation>
    </message>
    <message>
        <source>The silence is more than</source>
        <translation>無音が次の値を超える</translation>
    </message>
    <message>
        <source>The silence is more than (milliseconds)</source>
        <translation>無音が次の値を超える（ミリ秒）</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>Split at tracks</source>
        <translation>トラックで分割</translation>
    </message>
    <message>
        <source>When a new track begins</source>
        <translation>新しいトラックが始まったとき</translation>
    </message>
    <message>
        <source>When a new track begins or replays</source>
        <translation>新しいトラックが始まるか繰り返されたとき</translation>
    </message>
    <message>
        <source>Archive output tracks by</source>
        <translation>出力トラックの整理方法</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Artist/Album</source>
        <translation>アーティスト/アルバム</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>変換完了</translation>
    </message>
    <message>
        <source>When all job finished</source>
        <translation>すべてのジョブが完了したとき</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>何もしない</translation>
    </message>
    <message>
        <source>Put Computer to Sleep</source>
        <translation>コンピューターをスリープ</translation>
    </message>
    <message>
        <source>Shut Down My Computer</source>
        <translation>コンピューターをシャットダウン</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number of 1 or more.</source>
        <translation>「%1」には 1 以上の整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>CoverPicture</name>
    <message>
        <source>&quot;%1&quot; is %2 MB; a cover picture can be at most %3 MB.</source>
        <translation>「%1」は %2 MB です。カバー画像は %3 MB までです。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture.</source>
        <translation>「%1」は画像ではありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored as a cover picture.</source>
        <translation>「%1」をカバー画像として保存できません。</translation>
    </message>
</context>
<context>
    <name>GeneralWidget</name>
    <message>
        <source>Automatic updates</source>
        <translation>自動更新</translation>
    </message>
    <message>
        <source>Automatically update to the newest version</source>
        <translation>最新バージョンに自動的に更新する</translation>
    </message>
    <message>
        <source>Close automatic updates</source>
        <translation>自動更新をオフにする</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じるとき</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>トレイに最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Online recognition</source>
        <translation>オンライン認識</translation>
    </message>
    <message>
        <source>Identify music with AcoustID and MusicBrainz</source>
        <translation>AcoustID と MusicBrainz で曲を識別する</translation>
    </message>
    <message>
        <source>Only the sound&apos;s fingerprint and duration are sent, when the local catalogue does not know the music.</source>
        <translation>ローカルカタログが曲を知らない場合に、音声のフィンガープリントと長さだけが送信されます。</translation>
    </message>
    <message>
        <source>AcoustID API key:</source>
        <translation>AcoustID API キー:</translation>
    </message>
    <message>
        <source>AcoustID API key</source>
        <translation>AcoustID API キー</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>録音開始</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>録音停止</translation>
    </message>
    <message>
        <source>Cut Recording</source>
        <translation>録音を分割</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>予約</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>予約を取消</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>%1 を開くプログラムが設定されていません。</translation>
    </message>
    <message>
        <source>%1
Version %2</source>
        <translation>%1
バージョン %2</translation>
    </message>
    <message>
        <source>The format list cannot be read: %1</source>
        <translation>形式の一覧を読み込めません: %1</translation>
    </message>
    <message>
        <source>Recording failed!</source>
        <translation>録音に失敗しました！</translation>
    </message>
    <message>
        <source>Recording split at a silence</source>
        <translation>無音部分で録音を分割しました</translation>
    </message>
    <message>
        <source>Recording goes on in a new file: %1</source>
        <translation>新しいファイルで録音を続けます: %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded until then is kept.</source>
        <translation>録音が停止しました: %1
それまでに録音された内容は保存されています。</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>録音が停止しました</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>予約録音が終了しました</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>%1 として保存しました</translation>
    </message>
    <message>
        <source>Scheduled recording: %1 to %2</source>
        <translation>予約録音: %1～%2</translation>
    </message>
    <message>
        <source>Recording reached its set length</source>
        <translation>録音が設定した長さに達しました</translation>
    </message>
    <message>
        <source>Next scheduled recording: %1 %2 to %3</source>
        <translation>次の予約録音：%1 %2～%3</translation>
    </message>
    <message>
        <source>The program ended while recording. These recordings were recovered and are in the list:
%1</source>
        <translation>録音中にプログラムが終了しました。次の録音を復元し、一覧に追加しました:
%1</translation>
    </message>
    <message>
        <source>

Some could not be repaired and may not play to their end:
%1</source>
        <translation>

一部は修復できず、最後まで再生できない可能性があります:
%1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>変換が完了しました</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>切り取りに失敗しました。</translation>
    </message>
    <message>
        <source>Recording split at a new track</source>
        <translation>新しい曲で録音を分割しました</translation>
    </message>
</context>
<context>
    <name>NxInfoManager</name>
    <message>
        <source>%1, %2-%3</source>
        <translation>%1、%2～%3</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
</context>
<context>
    <name>OnlineTrackIdentifier</name>
    <message>
        <source>AcoustID: %1 (error %2)</source>
        <translation>AcoustID: %1 (エラー %2)</translation>
    </message>
    <message>
        <source>AcoustID answered something that is not a lookup result</source>
        <translation>AcoustID の応答は検索結果ではありません</translation>
    </message>
    <message>
        <source>online identification is switched off</source>
        <translation>オンライン識別はオフです</translation>
    </message>
    <message>
        <source>no AcoustID API key is set in the preferences</source>
        <translation>設定に AcoustID API キーがありません</translation>
    </message>
    <message>
        <source>there is no sound to identify</source>
        <translation>識別する音声がありません</translation>
    </message>
    <message>
        <source>the sound could not be fingerprinted: %1</source>
        <translation>音声のフィンガープリントを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 から %2 秒以内に応答がありませんでした</translation>
    </message>
    <message>
        <source>%1 asks to wait: too many requests (HTTP 429)</source>
        <translation>%1 が待機を求めています: リクエストが多すぎます (HTTP 429)</translation>
    </message>
    <message>
        <source>%1 is unavailable for now (HTTP 503)</source>
        <translation>%1 は現在利用できません (HTTP 503)</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2</source>
        <translation>%1 の応答: HTTP %2</translation>
    </message>
    <message>
        <source>no connection to %1: %2</source>
        <translation>%1 に接続できません: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>「%1」はフォルダーではありません。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>フォルダー「%1」を作成できません。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not writable.</source>
        <translation>フォルダー「%1」に書き込めません。</translation>
    </message>
</context>
<context>
    <name>OutputFolderRule</name>
    <message>
        <source>Choose a folder for the output files.</source>
        <translation>出力ファイルのフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full path. Enter a path that starts with &quot;/&quot;.</source>
        <translation>「%1」は完全なパスではありません。「/」で始まるパスを入力してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>「%1」はフォルダーではなくファイルです。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>フォルダー「%1」を作成できません。</translation>
    </message>
    <message>
        <source>No file can be written into the folder &quot;%1&quot;.</source>
        <translation>フォルダー「%1」にファイルを書き込めません。</translation>
    </message>
</context>
<context>
    <name>QAudioFileDelegate</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
</context>
<context>
    <name>QAudioFileModel</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Created Time</source>
        <translation>作成日時</translation>
    </message>
</context>
<context>
    <name>QAudioFileTableView</name>
    <message>
        <source>Recordings</source>
        <translation>録音</translation>
    </message>
</context>
<context>
    <name>QAudioScheduleSettingDlg</name>
    <message>
        <source>Record time options</source>
        <translation>録音時間の設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>QAudioTagForm</name>
    <message>
        <source>Title:</source>
        <translation>タイトル:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>アーティスト:</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>アルバム:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>作曲者:</translation>
    </message>
    <message>
        <source>Composer</source>
        <translation>作曲者</translation>
    </message>
    <message>
        <source>Grouping:</source>
        <translation>グループ:</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>著作権:</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Disc Num:</source>
        <translation>ディスク番号:</translation>
    </message>
    <message>
        <source>Disc number</source>
        <translation>ディスク番号</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Disc total</source>
        <translation>ディスク総数</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>トラック:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Track total</source>
        <translation>トラック総数</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>ジャンル:</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>ジャンル</translation>
    </message>
    <message>
        <source>Cover:</source>
        <translation>カバー:</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>カバー</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>画像 (*.png *.xpm *.jpg)</translation>
    </message>
</context>
<context>
    <name>QCheckboxCombobox</name>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>QConvertProgressDlg</name>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>変換の進行状況</translation>
    </message>
</context>
<context>
    <name>QEffectForm</name>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>170 Hz</source>
        <translation>170 Hz</translation>
    </message>
    <message>
        <source>310 Hz</source>
        <translation>310 Hz</translation>
    </message>
    <message>
        <source>600 Hz</source>
        <translation>600 Hz</translation>
    </message>
    <message>
        <source>1 kHz</source>
        <translation>1 kHz</translation>
    </message>
    <message>
        <source>3 kHz</source>
        <translation>3 kHz</translation>
    </message>
    <message>
        <source>6 kHz</source>
        <translation>6 kHz</translation>
    </message>
    <message>
        <source>12 kHz</source>
        <translation>12 kHz</translation>
    </message>
    <message>
        <source>14 kHz</source>
        <translation>14 kHz</translation>
    </message>
    <message>
        <source>16 kHz</source>
        <translation>16 kHz</translation>
    </message>
    <message>
        <source>Sound Effects:</source>
        <translation>サウンドエフェクト:</translation>
    </message>
    <message>
        <source>Equalizer:</source>
        <translation>イコライザー:</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>サウンドエフェクト</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
</context>
<context>
    <name>QEffectModel</name>
    <message>
        <source>Customed</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>フラット</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>ポップ</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation>ジャズ</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>ダンス</translation>
    </message>
    <message>
        <source>Bass Boost</source>
        <translation>低音強調</translation>
    </message>
    <message>
        <source>Treble Boost</source>
        <translation>高音強調</translation>
    </message>
    <message>
        <source>Vocal</source>
        <translation>ボーカル</translation>
    </message>
    <message>
        <source>Acoustic</source>
        <translation>アコースティック</translation>
    </message>
    <message>
        <source>Electronic</source>
        <translation>エレクトロニック</translation>
    </message>
    <message>
        <source>Hip Hop</source>
        <translation>ヒップホップ</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>スピーチ</translation>
    </message>
</context>
<context>
    <name>QFileListWgt</name>
    <message>
        <source>%1 Months</source>
        <translation>%1 か月</translation>
    </message>
    <message>
        <source>%1 Days</source>
        <translation>%1 日</translation>
    </message>
    <message>
        <source>%1 Hours</source>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source> Audios, </source>
        <translation> 件、</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>一覧から外す</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>リストに追加</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>ファイルの場所を開く</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Recordings menu</source>
        <translation>録音メニュー</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just move the 
files from the list?</source>
        <translation>すべてのファイルを削除しますか、それとも
一覧から外すだけにしますか?</translation>
    </message>
    <message>
        <source>Do you want to delete the seleted files or just move 
the files from the list?</source>
        <translation>選択したファイルを削除しますか、それとも
一覧から外すだけにしますか?</translation>
    </message>
    <message>
        <source>
Deleted files are moved to the trash.</source>
        <translation>
削除したファイルはごみ箱に移動します。</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash and stay on disk:
%1</source>
        <translation>次のファイルはごみ箱に移動できず、ディスクに残っています:
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 は存在しません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>フォルダー %1 に書き込めません。</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>切り取りに失敗しました。</translation>
    </message>
    <message>
        <source>The computer could not be put to sleep.</source>
        <translation>コンピューターをスリープできませんでした。</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>コンピューターをシャットダウンできませんでした。</translation>
    </message>
</context>
<context>
    <name>QFormatDlg</name>
    <message>
        <source>Format Setting</source>
        <translation>形式の設定</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリー</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Search formats</source>
        <translation>形式を検索</translation>
    </message>
    <message>
        <source>No format matches the search.</source>
        <translation>検索に一致する形式はありません。</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>プリセット：</translation>
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
        <source>The format could not be saved.</source>
        <translation>形式を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>QFormatSettingDlg</name>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Back to MP3 at &quot;Small Size&quot;</source>
        <translation>MP3（「Small Size」）に戻す</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>コーデック：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>ビットレート：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>サンプルレート：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>チャンネル：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>フレームレート：</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>品質：</translation>
    </message>
</context>
<context>
    <name>QJobsFinishedDlg</name>
    <message>
        <source>Conversion Completed</source>
        <translation>変換完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will shut down in %1 s.</source>
        <translation>すべてのジョブが完了しました。%1 秒後にコンピューターをシャットダウンします。</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will go to sleep in %1 s.</source>
        <translation>すべてのジョブが完了しました。%1 秒後にコンピューターをスリープします。</translation>
    </message>
</context>
<context>
    <name>QLibraryDelegate</name>
    <message>
        <source>Playlist name</source>
        <translation>プレイリスト名</translation>
    </message>
</context>
<context>
    <name>QLibraryPlayListWgt</name>
    <message>
        <source>Add New List</source>
        <translation>新しいリスト</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>All Recordings</source>
        <translation>すべての録音</translation>
    </message>
    <message>
        <source>Latest Recordings</source>
        <translation>最新の録音</translation>
    </message>
    <message>
        <source>PLAYLIST</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Add New Playist</source>
        <translation>新しいプレイリスト</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just remove the 
list?</source>
        <translation>すべてのファイルを削除しますか、それとも
リストだけを外しますか？</translation>
    </message>
    <message>
        <source>Deleted files are moved to the trash.</source>
        <translation>削除したファイルはゴミ箱に移動されます。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>外す</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Would you want to remove all play lists?</source>
        <translation>すべてのプレイリストを削除しますか？</translation>
    </message>
</context>
<context>
    <name>QNxDialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>QNxMainWindow</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>QNxMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>すべてはい</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>すべて保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>すべていいえ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>QNxTimeEdit</name>
    <message>
        <source>Step up</source>
        <translation>増やす</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>減らす</translation>
    </message>
</context>
<context>
    <name>QPlayControlWgt</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
</context>
<context>
    <name>QPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>QRecordingWidget</name>
    <message>
        <source>Recording time</source>
        <translation>録音時間</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>録音レベル</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
</context>
<context>
    <name>QScheduleTipWidget</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>QShowCloseDlg</name>
    <message>
        <source>Minimize to Tray</source>
        <translation>トレイに最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>今後このメッセージを表示しない</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>QTimeOptions</name>
    <message>
        <source>Stop recording after</source>
        <translation>指定時間後に録音を停止</translation>
    </message>
    <message>
        <source>Schedule recording</source>
        <translation>予約録音</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>h</source>
        <comment>unit of hours</comment>
        <translation>時間</translation>
    </message>
    <message>
        <source>m</source>
        <comment>unit of minutes</comment>
        <translation>分</translation>
    </message>
    <message>
        <source>s</source>
        <comment>unit of seconds</comment>
        <translation>秒</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>QTrimItemDelegate</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>QTrimItemModel</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
</context>
<context>
    <name>QTrimWidget</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Start Set</source>
        <translation>開始位置を設定</translation>
    </message>
    <message>
        <source>End Set</source>
        <translation>終了位置を設定</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>区間を再生</translation>
    </message>
    <message>
        <source>Pause Segment</source>
        <translation>区間を一時停止</translation>
    </message>
    <message>
        <source>Stop Segment</source>
        <translation>区間を停止</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>カット</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>クリップ</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>The clip &quot;%1&quot; could not be deleted: %2</source>
        <translation>クリップ「%1」を削除できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>QVEDualSlider</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>トリム範囲</translation>
    </message>
</context>
<context>
    <name>QVideoEditTag</name>
    <message>
        <source>Trim</source>
        <translation>トリム</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
</context>
<context>
    <name>QVideoEditingDlg</name>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Previous File</source>
        <translation>前のファイル</translation>
    </message>
    <message>
        <source>Next File</source>
        <translation>次のファイル</translation>
    </message>
    <message>
        <source>Recognize</source>
        <translation>認識</translation>
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
        <source>Edit - %1</source>
        <translation>編集 - %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>「%1」を再生できません: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. %2</source>
        <translation>「%1」はもう存在しません。%2</translation>
    </message>
    <message>
        <source>Its tags were not written.</source>
        <translation>タグは書き込まれませんでした。</translation>
    </message>
    <message>
        <source>The tags could not be written into &quot;%1&quot;: %2</source>
        <translation>「%1」にタグを書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>Nothing was cut.</source>
        <translation>何も切り出されませんでした。</translation>
    </message>
    <message>
        <source>Identify the music and fill in its tags</source>
        <translation>曲を識別してタグを入力します</translation>
    </message>
    <message>
        <source>No match: this music is not in the catalogue.</source>
        <translation>一致なし: この曲はカタログにありません。</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <translation>一致なし: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be identified: it is not audio that can be read.</source>
        <translation>「%1」は識別できません: 読み取れる音声ではありません。</translation>
    </message>
    <message>
        <source>No match: the track found has no tags.</source>
        <translation>一致なし: 見つかった曲にタグがありません。</translation>
    </message>
</context>
<context>
    <name>QVolumeWidget</name>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
</context>
<context>
    <name>RecorderTray</name>
    <message>
        <source>Hidden (&amp;H)</source>
        <translation>非表示(&amp;H)</translation>
    </message>
    <message>
        <source>Show Window (&amp;S)</source>
        <translation>ウィンドウを表示(&amp;S)</translation>
    </message>
    <message>
        <source>Quit (&amp;Q)</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>ウィンドウを表示</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>予約を取消</translation>
    </message>
</context>
<context>
    <name>RecordingArchive</name>
    <message>
        <source>Unknown Artist</source>
        <translation>不明なアーティスト</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>不明なアルバム</translation>
    </message>
</context>
<context>
    <name>ScheduleRepeatEdit</name>
    <message>
        <source>Repeat</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>1回のみ</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>平日</translation>
    </message>
    <message>
        <source>Chosen days</source>
        <translation>指定した曜日</translation>
    </message>
</context>
<context>
    <name>ScheduleTime</name>
    <message>
        <source>%1s later, Quillon will start recording.</source>
        <translation>%1 秒後に Quillon が録音を開始します。</translation>
    </message>
</context>
<context>
    <name>SelectRecordInputWgt</name>
    <message>
        <source>System Audio</source>
        <translation>システムオーディオ</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>入力デバイス</translation>
    </message>
    <message>
        <source>No Mic Device</source>
        <translation>マイクがありません</translation>
    </message>
    <message>
        <source>System volume level</source>
        <translation>システムオーディオのレベル</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Microphone volume level</source>
        <translation>マイクのレベル</translation>
    </message>
    <message>
        <source>Recording device</source>
        <translation>録音デバイス</translation>
    </message>
    <message>
        <source>System volume</source>
        <translation>システム音量</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>マイク音量</translation>
    </message>
    <message>
        <source>System Audio On</source>
        <translation>システムオーディオ: オン</translation>
    </message>
    <message>
        <source>System Audio Off</source>
        <translation>システムオーディオ: オフ</translation>
    </message>
    <message>
        <source>Microphone Audio On</source>
        <translation>マイク: オン</translation>
    </message>
    <message>
        <source>Microphone Audio Off</source>
        <translation>マイク: オフ</translation>
    </message>
    <message>
        <source>Noname Device</source>
        <translation>名前のないデバイス</translation>
    </message>
    <message>
        <source>Noname Recorder</source>
        <translation>名前のない入力</translation>
    </message>
    <message>
        <source>No microphone: %1</source>
        <translation>マイクがありません: %1</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>システム音声の録音対象</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>%1 のみ</translation>
    </message>
</context>
<context>
    <name>SystemSourceList</name>
    <message>
        <source>All system audio</source>
        <translation>すべてのシステム音声</translation>
    </message>
    <message>
        <source>%1 (not playing)</source>
        <translation>%1（再生していません）</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>システム音声の録音対象</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Quillon Audio Recorder is up to date (version %1).</source>
        <translation>Quillon Audio Recorder は最新です（バージョン %1）。</translation>
    </message>
    <message>
        <source>Version %1 is available.
%2</source>
        <translation>バージョン %1 が利用可能です。
%2</translation>
    </message>
    <message>
        <source>Cannot check for updates: %1</source>
        <translation>アップデートを確認できません: %1</translation>
    </message>
    <message>
        <source>the update feed is not valid XML: %1</source>
        <translation>更新フィードが正しい XML ではありません: %1</translation>
    </message>
    <message>
        <source>the update feed lists no release</source>
        <translation>更新フィードにリリースがありません</translation>
    </message>
</context>
</TS>
