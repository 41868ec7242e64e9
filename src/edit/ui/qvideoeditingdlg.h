#pragma once
// QVideoEditingDlg: the modal dialog in which the user edits one recording: cut segments out of
// it (Trim tab), hear and choose a sound effect and equalizer (Effect tab), and edit its tags
// and cover (Tag tab). It plays the file with its own NxPlayerManager, reads tags, cover and
// chapters with its own NxInfoManager, and collects every choice in a QVideoEditingSettings.
// OK writes changed tags straight into the file; "Cut" on the Trim tab asks the recordings
// list for a conversion (emitConvertFile). The list opens the dialog on a file and may load
// another one into it (previous / next file). GUI thread only.

#include <QImage>
#include <QList>
#include <QStringList>

#include <functional>

#include "chapterentry.h"
#include "qnxdialog.h"
#include "veeditconfig.h"

class NxAudioRecognizer;
class TrackIdentifier;
struct TrackIdentification;
class NxInfoManager;
class NxPlayerManager;
class QAudioTagForm;
class QEffectForm;
class QLabel;
class QMediaForm;
class QNxBaseButton;
class QTimer;
class QTrimWidget;
class QVideoEditTag;
class QVideoEditingSettings;

class QVideoEditingDlg : public QNxDialog {
    Q_OBJECT
public:
    // Shows a problem to the user; tests replace the message box.
    using ProblemReporter = std::function<void(QWidget* owner, const QString& text)>;

    explicit QVideoEditingDlg(QWidget* parent = nullptr);
    ~QVideoEditingDlg() override;

    // Loads a file: at once when the dialog has been shown, else on its first show.
    void loadFile(const QString& path);
    QString currentPath() const { return m_path; }
    // The configuration every loaded file starts with (default: no range, no effect).
    void setEditConfig(const VEEditConfig& config) { m_editConfig = config; }
    // The audio and subtitle stream values for the player (0: the file's own).
    void setPlayerOpenValues(int32_t a, int32_t b);
    void setProblemReporter(ProblemReporter reporter);

    // Fills the Tag tab with recognized tags and stores them; tags without title, artist and
    // album change nothing. False when nothing changed.
    bool applyRecognizedTags(const VEAudioTagInfo& tags);
    // True from "Recognize" until the result (or its absence) is known.
    bool isRecognizing() const;
    // Asked when the local catalogue does not know the file. Without one, the online service
    // is asked when the user has switched it on in the preferences. Not owned.
    void setFallbackIdentifier(TrackIdentifier* identifier);

    NxPlayerManager* player() const { return m_player; }
    NxInfoManager* infoManager() const { return m_info; }
    QVideoEditingSettings* settings() const { return m_settings; }
    QVideoEditTag* tabBar() const { return m_tabBar; }
    QAudioTagForm* tagForm() const { return m_tagForm; }
    QMediaForm* mediaForm() const { return m_mediaForm; }
    QTrimWidget* trimWidget() const { return m_trimWidget; }
    QEffectForm* effectForm() const { return m_effectForm; }
    QNxBaseButton* okButton() const { return m_btnOk; }
    QNxBaseButton* cancelButton() const { return m_btnCancel; }
    QNxBaseButton* recognizeButton() const { return m_btnRecognize; }
    QNxBaseButton* previousButton() const { return m_btnPrevious; }
    QNxBaseButton* nextButton() const { return m_btnNext; }
    QLabel* problemLabel() const { return m_lblProblem; }
    const QList<ChapterEntry>& chapters() const { return m_chapters; }
    const VEAudioTagInfo& fileTags() const { return m_tags; }
    bool isSoundEffectSet() const { return m_bSoundEffect; }

signals:
    void emitPreviousFile();
    void emitNextFile();
    void emitAudioTagChange(VEAudioTagInfo tags, QString imagePath);
    void emitMediaCoverImage(QImage image);
    void emitConvertFile(VEEditConfig config, bool nLoseLess);
    void emitSaveConvertFileList(QStringList filePathList);
    void emitConvertFilePath(QString filePath);

public slots:
    void selectedTag(int index);
    void onOK();
    void OnSetIsSetAudioEffect(bool bEffect);
    void OnEmitConvertFile();
    void OnBtnRecognize();
    void OnBtnPrevNext();
    void OnGetIsRecognizedCompelete();
    int GetAudioFormat(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWidgets();
    QLayout* buildTopRow();
    QLayout* buildButtonRow();
    void connectTabs();
    void connectPlayer();
    void retranslate();
    void firstShow();
    void createRecognizer();
    void stopRecognizing();
    void finishRecognizing(const QString& problem);
    // False when there is no other back end to ask.
    bool askFallback();
    void onFallbackIdentified(const TrackIdentification& result);
    void loadCurrentFile();
    void showProblem(const QString& text);
    // False (the user told why) when the edited file is gone.
    bool fileStillThere(const QString& action);

    NxPlayerManager* m_player = nullptr;
    NxInfoManager* m_info = nullptr;
    QVideoEditingSettings* m_settings = nullptr;
    QVideoEditTag* m_tabBar = nullptr;
    QAudioTagForm* m_tagForm = nullptr;
    QMediaForm* m_mediaForm = nullptr;
    QTrimWidget* m_trimWidget = nullptr;
    QEffectForm* m_effectForm = nullptr;
    QWidget* m_effectTab = nullptr;
    QNxBaseButton* m_btnRecognize = nullptr;
    QNxBaseButton* m_btnPrevious = nullptr;
    QNxBaseButton* m_btnNext = nullptr;
    QNxBaseButton* m_btnOk = nullptr;
    QNxBaseButton* m_btnCancel = nullptr;
    QLabel* m_lblProblem = nullptr;
    NxAudioRecognizer* m_recognizer = nullptr;  // and its poll timer: from the first show
    QTimer* m_recognizeTimer = nullptr;
    TrackIdentifier* m_fallback = nullptr;
    TrackIdentifier* m_onlineIdentifier = nullptr;  // made from the preferences, owned
    bool m_askingFallback = false;
    ProblemReporter m_report;

    bool m_bSoundEffect = false;
    int m_currentTab = -1;
    QList<ChapterEntry> m_chapters;
    VEAudioTagInfo m_tags;
    VEEditConfig m_editConfig;
    QString m_path;
    int32_t m_a = 0;
    int32_t m_b = 0;
    bool m_firstShowDone = false;
};
