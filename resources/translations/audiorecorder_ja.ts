<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <source>Split at tracks:</source>
        <translation>トラックで分割：</translation>
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
    <name>QCheckboxCombobox</name>
    <message>
        <source>None</source>
        <translation>なし</translation>
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
</context>
</TS>
