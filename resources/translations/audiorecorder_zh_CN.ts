<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CatalogueTrackIdentifier</name>
    <message>
        <source>the local catalogue needs the sound&apos;s file</source>
        <translation>本地曲库需要该声音的文件</translation>
    </message>
</context>
<context>
    <name>ConvertWidget</name>
    <message>
        <source>Location of Output Files</source>
        <translation>输出文件位置</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Screenshot folder:</source>
        <translation>截图文件夹：</translation>
    </message>
    <message>
        <source>Screenshot folder</source>
        <translation>截图文件夹</translation>
    </message>
    <message>
        <source>Delete Recordings Automatically</source>
        <translation>自动删除录音</translation>
    </message>
    <message>
        <source>The duration is less than</source>
        <translation>时长少于</translation>
    </message>
    <message>
        <source>The duration is less than (seconds)</source>
        <translation>时长少于（秒）</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>The recording is silent</source>
        <translation>录音无声</translation>
    </message>
    <message>
        <source>Split Recordings Individually</source>
        <translation>自动分割录音</translation>
    </message>
    <message>
        <source>The silence is more than</source>
        <translation>静音超过</translation>
    </message>
    <message>
        <source>The silence is more than (milliseconds)</source>
        <translation>静音超过（毫秒）</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Split at tracks</source>
        <translation>按曲目分割</translation>
    </message>
    <message>
        <source>When a new track begins</source>
        <translation>新曲目开始时</translation>
    </message>
    <message>
        <source>When a new track begins or replays</source>
        <translation>新曲目开始或重播时</translation>
    </message>
    <message>
        <source>Archive output tracks by</source>
        <translation>输出曲目归档方式</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>Artist/Album</source>
        <translation>艺术家/专辑</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>When all job finished</source>
        <translation>所有任务完成后</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>不执行任何操作</translation>
    </message>
    <message>
        <source>Put Computer to Sleep</source>
        <translation>使计算机睡眠</translation>
    </message>
    <message>
        <source>Shut Down My Computer</source>
        <translation>关闭计算机</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存到</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number of 1 or more.</source>
        <translation>“%1”需要一个大于或等于 1 的整数。</translation>
    </message>
</context>
<context>
    <name>CoverPicture</name>
    <message>
        <source>&quot;%1&quot; is %2 MB; a cover picture can be at most %3 MB.</source>
        <translation>“%1”大小为 %2 MB；封面图片最大为 %3 MB。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture.</source>
        <translation>“%1”不是图片。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored as a cover picture.</source>
        <translation>无法将“%1”保存为封面图片。</translation>
    </message>
</context>
<context>
    <name>GeneralWidget</name>
    <message>
        <source>Automatic updates</source>
        <translation>自动更新</translation>
    </message>
    <message>
        <source>Automatically update to the newest version</source>
        <translation>自动更新到最新版本</translation>
    </message>
    <message>
        <source>Close automatic updates</source>
        <translation>关闭自动更新</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭窗口时</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>最小化到托盘</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Online recognition</source>
        <translation>在线识别</translation>
    </message>
    <message>
        <source>Identify music with AcoustID and MusicBrainz</source>
        <translation>使用 AcoustID 和 MusicBrainz 识别音乐</translation>
    </message>
    <message>
        <source>Only the sound&apos;s fingerprint and duration are sent, when the local catalogue does not know the music.</source>
        <translation>仅在本地曲库无法识别音乐时发送声音的指纹和时长。</translation>
    </message>
    <message>
        <source>AcoustID API key:</source>
        <translation>AcoustID API 密钥:</translation>
    </message>
    <message>
        <source>AcoustID API key</source>
        <translation>AcoustID API 密钥</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>开始录音</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止录音</translation>
    </message>
    <message>
        <source>Cut Recording</source>
        <translation>分割录音</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>取消计划</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>没有可打开 %1 的程序。</translation>
    </message>
    <message>
        <source>%1
Version %2</source>
        <translation>%1
版本 %2</translation>
    </message>
    <message>
        <source>The format list cannot be read: %1</source>
        <translation>无法读取格式列表：%1</translation>
    </message>
    <message>
        <source>Recording failed!</source>
        <translation>录音失败！</translation>
    </message>
    <message>
        <source>Recording split at a silence</source>
        <translation>录音已在静音处分割</translation>
    </message>
    <message>
        <source>Recording goes on in a new file: %1</source>
        <translation>录音在新文件中继续：%1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded until then is kept.</source>
        <translation>录音已停止：%1
此前录制的内容已保留。</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>录音已停止</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>计划录音已完成</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>已保存为 %1</translation>
    </message>
    <message>
        <source>Scheduled recording: %1 to %2</source>
        <translation>计划录音：%1 至 %2</translation>
    </message>
    <message>
        <source>Recording reached its set length</source>
        <translation>录音已达到设定的时长</translation>
    </message>
    <message>
        <source>Next scheduled recording: %1 %2 to %3</source>
        <translation>下一次计划录音：%1 %2 至 %3</translation>
    </message>
    <message>
        <source>The program ended while recording. These recordings were recovered and are in the list:
%1</source>
        <translation>程序在录音时意外结束。以下录音已恢复并显示在列表中：
%1</translation>
    </message>
    <message>
        <source>

Some could not be repaired and may not play to their end:
%1</source>
        <translation>

部分文件无法修复，可能无法完整播放：
%1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>剪切失败。</translation>
    </message>
    <message>
        <source>Recording split at a new track</source>
        <translation>录音已在新曲目处分割</translation>
    </message>
</context>
<context>
    <name>NxInfoManager</name>
    <message>
        <source>%1, %2-%3</source>
        <translation>%1，%2-%3</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
</context>
<context>
    <name>OnlineTrackIdentifier</name>
    <message>
        <source>AcoustID: %1 (error %2)</source>
        <translation>AcoustID：%1（错误 %2）</translation>
    </message>
    <message>
        <source>AcoustID answered something that is not a lookup result</source>
        <translation>AcoustID 返回的内容不是查询结果</translation>
    </message>
    <message>
        <source>online identification is switched off</source>
        <translation>在线识别已关闭</translation>
    </message>
    <message>
        <source>no AcoustID API key is set in the preferences</source>
        <translation>首选项中未设置 AcoustID API 密钥</translation>
    </message>
    <message>
        <source>there is no sound to identify</source>
        <translation>没有可识别的声音</translation>
    </message>
    <message>
        <source>the sound could not be fingerprinted: %1</source>
        <translation>无法计算声音的指纹：%1</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 在 %2 秒内没有响应</translation>
    </message>
    <message>
        <source>%1 asks to wait: too many requests (HTTP 429)</source>
        <translation>%1 要求稍候：请求过多（HTTP 429）</translation>
    </message>
    <message>
        <source>%1 is unavailable for now (HTTP 503)</source>
        <translation>%1 暂时不可用（HTTP 503）</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2</source>
        <translation>%1 返回 HTTP %2</translation>
    </message>
    <message>
        <source>no connection to %1: %2</source>
        <translation>无法连接到 %1：%2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>“%1”不是文件夹。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not writable.</source>
        <translation>文件夹“%1”不可写入。</translation>
    </message>
</context>
<context>
    <name>OutputFolderRule</name>
    <message>
        <source>Choose a folder for the output files.</source>
        <translation>请为输出文件选择一个文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full path. Enter a path that starts with &quot;/&quot;.</source>
        <translation>“%1”不是完整路径。请输入以“/”开头的路径。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>“%1”是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <source>No file can be written into the folder &quot;%1&quot;.</source>
        <translation>无法在文件夹“%1”中写入文件。</translation>
    </message>
</context>
<context>
    <name>QAudioFileDelegate</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
</context>
<context>
    <name>QAudioFileModel</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>专辑</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Created Time</source>
        <translation>创建时间</translation>
    </message>
</context>
<context>
    <name>QAudioFileTableView</name>
    <message>
        <source>Recordings</source>
        <translation>录音</translation>
    </message>
</context>
<context>
    <name>QAudioScheduleSettingDlg</name>
    <message>
        <source>Record time options</source>
        <translation>录音时间选项</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QAudioTagForm</name>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑：</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>专辑</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>作曲：</translation>
    </message>
    <message>
        <source>Composer</source>
        <translation>作曲</translation>
    </message>
    <message>
        <source>Grouping:</source>
        <translation>分组：</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>版权：</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>注释：</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Disc Num:</source>
        <translation>碟片编号：</translation>
    </message>
    <message>
        <source>Disc number</source>
        <translation>碟片编号</translation>
    </message>
    <message>
        <source>of</source>
        <translation>共</translation>
    </message>
    <message>
        <source>Disc total</source>
        <translation>碟片总数</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>音轨：</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Track total</source>
        <translation>音轨总数</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>流派：</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>流派</translation>
    </message>
    <message>
        <source>Cover:</source>
        <translation>封面：</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>图片 (*.png *.xpm *.jpg)</translation>
    </message>
</context>
<context>
    <name>QCheckboxCombobox</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>QConvertProgressDlg</name>
    <message>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>转换进度</translation>
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
        <translation>音效：</translation>
    </message>
    <message>
        <source>Equalizer:</source>
        <translation>均衡器：</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
</context>
<context>
    <name>QEffectModel</name>
    <message>
        <source>Customed</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>平直</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>流行</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>摇滚</translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation>爵士</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>古典</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>舞曲</translation>
    </message>
    <message>
        <source>Bass Boost</source>
        <translation>低音增强</translation>
    </message>
    <message>
        <source>Treble Boost</source>
        <translation>高音增强</translation>
    </message>
    <message>
        <source>Vocal</source>
        <translation>人声</translation>
    </message>
    <message>
        <source>Acoustic</source>
        <translation>原声</translation>
    </message>
    <message>
        <source>Electronic</source>
        <translation>电子</translation>
    </message>
    <message>
        <source>Hip Hop</source>
        <translation>嘻哈</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>语音</translation>
    </message>
</context>
<context>
    <name>QFileListWgt</name>
    <message>
        <source>%1 Months</source>
        <translation>%1 个月</translation>
    </message>
    <message>
        <source>%1 Days</source>
        <translation>%1 天</translation>
    </message>
    <message>
        <source>%1 Hours</source>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source> Audios, </source>
        <translation> 个音频，</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>添加到列表</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>打开文件位置</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Recordings menu</source>
        <translation>录音菜单</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just move the 
files from the list?</source>
        <translation>要删除所有文件，还是仅将
文件从列表中移除？</translation>
    </message>
    <message>
        <source>Do you want to delete the seleted files or just move 
the files from the list?</source>
        <translation>要删除所选文件，还是仅将
文件从列表中移除？</translation>
    </message>
    <message>
        <source>
Deleted files are moved to the trash.</source>
        <translation>
删除的文件会移到回收站。</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash and stay on disk:
%1</source>
        <translation>以下文件无法移到回收站，仍保留在磁盘上：
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 已不存在。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>无法写入文件夹 %1。</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>剪切失败。</translation>
    </message>
    <message>
        <source>The computer could not be put to sleep.</source>
        <translation>无法使计算机进入睡眠状态。</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>无法关闭计算机。</translation>
    </message>
</context>
<context>
    <name>QFormatDlg</name>
    <message>
        <source>Format Setting</source>
        <translation>格式设置</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Search formats</source>
        <translation>搜索格式</translation>
    </message>
    <message>
        <source>No format matches the search.</source>
        <translation>没有与搜索匹配的格式。</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>预设：</translation>
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
        <source>The format could not be saved.</source>
        <translation>无法保存格式。</translation>
    </message>
</context>
<context>
    <name>QFormatSettingDlg</name>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Back to MP3 at &quot;Small Size&quot;</source>
        <translation>恢复为 MP3（“Small Size”）</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>编解码器：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>比特率：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>质量：</translation>
    </message>
</context>
<context>
    <name>QJobsFinishedDlg</name>
    <message>
        <source>Conversion Completed</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will shut down in %1 s.</source>
        <translation>所有任务已完成。计算机将在 %1 秒后关机。</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will go to sleep in %1 s.</source>
        <translation>所有任务已完成。计算机将在 %1 秒后进入睡眠状态。</translation>
    </message>
</context>
<context>
    <name>QLibraryDelegate</name>
    <message>
        <source>Playlist name</source>
        <translation>播放列表名称</translation>
    </message>
</context>
<context>
    <name>QLibraryPlayListWgt</name>
    <message>
        <source>Add New List</source>
        <translation>新建列表</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <translation>媒体库</translation>
    </message>
    <message>
        <source>All Recordings</source>
        <translation>所有录音</translation>
    </message>
    <message>
        <source>Latest Recordings</source>
        <translation>最新录音</translation>
    </message>
    <message>
        <source>PLAYLIST</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Add New Playist</source>
        <translation>新建播放列表</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just remove the 
list?</source>
        <translation>您要删除所有文件，还是只移除
列表？</translation>
    </message>
    <message>
        <source>Deleted files are moved to the trash.</source>
        <translation>删除的文件会移到回收站。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Would you want to remove all play lists?</source>
        <translation>您要移除所有播放列表吗？</translation>
    </message>
</context>
<context>
    <name>QNxDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>QNxMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>全部是</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>全部保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>全部否</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QNxTimeEdit</name>
    <message>
        <source>Step up</source>
        <translation>增加</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>减少</translation>
    </message>
</context>
<context>
    <name>QPlayControlWgt</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
</context>
<context>
    <name>QPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QRecordingWidget</name>
    <message>
        <source>Recording time</source>
        <translation>录音时间</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>录音电平</translation>
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
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>QShowCloseDlg</name>
    <message>
        <source>Minimize to Tray</source>
        <translation>最小化到托盘</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>不再显示此消息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QTimeOptions</name>
    <message>
        <source>Stop recording after</source>
        <translation>录音时长达到后停止</translation>
    </message>
    <message>
        <source>Schedule recording</source>
        <translation>计划录音</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>h</source>
        <comment>unit of hours</comment>
        <translation>时</translation>
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
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
</context>
<context>
    <name>QTrimItemDelegate</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>QTrimItemModel</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
</context>
<context>
    <name>QTrimWidget</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Start Set</source>
        <translation>设置起点</translation>
    </message>
    <message>
        <source>End Set</source>
        <translation>设置终点</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>播放片段</translation>
    </message>
    <message>
        <source>Pause Segment</source>
        <translation>暂停片段</translation>
    </message>
    <message>
        <source>Stop Segment</source>
        <translation>停止片段</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>片段列表</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>电平</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>The clip &quot;%1&quot; could not be deleted: %2</source>
        <translation>无法删除片段“%1”：%2</translation>
    </message>
</context>
<context>
    <name>QVEDualSlider</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>剪切范围</translation>
    </message>
</context>
<context>
    <name>QVideoEditTag</name>
    <message>
        <source>Trim</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>标签</translation>
    </message>
</context>
<context>
    <name>QVideoEditingDlg</name>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Previous File</source>
        <translation>上一个文件</translation>
    </message>
    <message>
        <source>Next File</source>
        <translation>下一个文件</translation>
    </message>
    <message>
        <source>Recognize</source>
        <translation>识别</translation>
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
        <source>Edit - %1</source>
        <translation>编辑 - %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>无法播放“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. %2</source>
        <translation>“%1”已不存在。%2</translation>
    </message>
    <message>
        <source>Its tags were not written.</source>
        <translation>未写入标签。</translation>
    </message>
    <message>
        <source>The tags could not be written into &quot;%1&quot;: %2</source>
        <translation>无法将标签写入“%1”：%2</translation>
    </message>
    <message>
        <source>Nothing was cut.</source>
        <translation>未剪切任何内容。</translation>
    </message>
    <message>
        <source>Identify the music and fill in its tags</source>
        <translation>识别音乐并填写其标签</translation>
    </message>
    <message>
        <source>No match: this music is not in the catalogue.</source>
        <translation>无匹配：此音乐不在曲库中。</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <translation>无匹配：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be identified: it is not audio that can be read.</source>
        <translation>无法识别“%1”：它不是可读取的音频。</translation>
    </message>
    <message>
        <source>No match: the track found has no tags.</source>
        <translation>无匹配：找到的曲目没有标签。</translation>
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
        <translation>隐藏(&amp;H)</translation>
    </message>
    <message>
        <source>Show Window (&amp;S)</source>
        <translation>显示窗口(&amp;S)</translation>
    </message>
    <message>
        <source>Quit (&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>取消计划</translation>
    </message>
</context>
<context>
    <name>RecordingArchive</name>
    <message>
        <source>Unknown Artist</source>
        <translation>未知艺术家</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>未知专辑</translation>
    </message>
</context>
<context>
    <name>ScheduleRepeatEdit</name>
    <message>
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>一次</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>工作日</translation>
    </message>
    <message>
        <source>Chosen days</source>
        <translation>选定的日期</translation>
    </message>
</context>
<context>
    <name>ScheduleTime</name>
    <message>
        <source>%1s later, Quillon will start recording.</source>
        <translation>%1 秒后，Quillon 将开始录音。</translation>
    </message>
</context>
<context>
    <name>SelectRecordInputWgt</name>
    <message>
        <source>System Audio</source>
        <translation>系统声音</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>输入设备</translation>
    </message>
    <message>
        <source>No Mic Device</source>
        <translation>无麦克风设备</translation>
    </message>
    <message>
        <source>System volume level</source>
        <translation>系统声音电平</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Microphone volume level</source>
        <translation>麦克风电平</translation>
    </message>
    <message>
        <source>Recording device</source>
        <translation>录音设备</translation>
    </message>
    <message>
        <source>System volume</source>
        <translation>系统音量</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>麦克风音量</translation>
    </message>
    <message>
        <source>System Audio On</source>
        <translation>系统声音：开</translation>
    </message>
    <message>
        <source>System Audio Off</source>
        <translation>系统声音：关</translation>
    </message>
    <message>
        <source>Microphone Audio On</source>
        <translation>麦克风：开</translation>
    </message>
    <message>
        <source>Microphone Audio Off</source>
        <translation>麦克风：关</translation>
    </message>
    <message>
        <source>Noname Device</source>
        <translation>未命名设备</translation>
    </message>
    <message>
        <source>Noname Recorder</source>
        <translation>未命名输入</translation>
    </message>
    <message>
        <source>No microphone: %1</source>
        <translation>没有麦克风：%1</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>系统声音录制的内容</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>仅 %1</translation>
    </message>
</context>
<context>
    <name>SystemSourceList</name>
    <message>
        <source>All system audio</source>
        <translation>全部系统声音</translation>
    </message>
    <message>
        <source>%1 (not playing)</source>
        <translation>%1（未在播放）</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>系统声音录制的内容</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Quillon Audio Recorder is up to date (version %1).</source>
        <translation>Quillon Audio Recorder 已是最新版本（%1）。</translation>
    </message>
    <message>
        <source>Version %1 is available.
%2</source>
        <translation>新版本 %1 可用。
%2</translation>
    </message>
    <message>
        <source>Cannot check for updates: %1</source>
        <translation>无法检查更新：%1</translation>
    </message>
    <message>
        <source>the update feed is not valid XML: %1</source>
        <translation>更新源不是有效的 XML：%1</translation>
    </message>
    <message>
        <source>the update feed lists no release</source>
        <translation>更新源中没有任何版本</translation>
    </message>
</context>
</TS>
