#pragma once
// QEffectForm: the edit dialog's Effect tab. A paged list of sound-effect presets (5 a page)
// and a ten-band graphic equalizer. Choosing a preset moves the sliders to its curve; moving
// a slider switches the selection to the custom slot ("Customed"), keeping the gains of the
// other bands, and "Reset" goes back to the preset chosen before. The custom slot keeps its
// own gains while other presets are chosen. Every change is written into the dialog's
// QVideoEditingSettings, which applies it to the player at once; emitSetAudioEffect tells the
// dialog whether the chosen curve has any band (a cut then re-encodes instead of copying).
// The play controls only send requests on: the dialog wires them to its player.
//
// GUI thread only. The manager (the process-wide one unless given) and the settings are not
// owned and must outlive the form.

#include <QModelIndex>
#include <QVector>

#include "qnxwidget.h"

class QAudioEffectManager;
class QEffectDelegate;
class QEffectModel;
class QLabel;
class QMouseEvent;
class QNxBaseButton;
class QNxBaseSlider;
class QNxListView;
class QVideoEditingSettings;

class QEffectForm : public QNxWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 651;
    static constexpr int kHeight = 417;
    static constexpr int kPageSize = 5;

    explicit QEffectForm(QWidget* parent = nullptr);
    QEffectForm(QAudioEffectManager* manager, QWidget* parent);

    // Stores the settings and selects the preset they hold (their custom gains become the
    // custom slot's). Null detaches.
    void setSettings(QVideoEditingSettings* settings);
    // A new file was loaded: selects preset 0 when there are presets.
    void refresh();

    int currentIndex() const { return m_current; }
    int currentPage() const { return m_page; }
    int pageCount() const;
    // Whether row is shown on the current page.
    bool isRowVisible(int row) const;
    QEffectModel* model() const { return m_model; }
    QNxListView* listView() const { return m_listView; }
    QNxBaseSlider* equalizerSlider(int band) const { return m_sliders.value(band); }
    QNxBaseSlider* positionSlider() const { return m_progress; }
    QNxBaseButton* resetButton() const { return m_btnReset; }
    QNxBaseButton* previousPageButton() const { return m_btnPrevious; }
    QNxBaseButton* nextPageButton() const { return m_btnNext; }
    QNxBaseButton* playButton() const { return m_btnPlay; }
    QNxBaseButton* pauseButton() const { return m_btnPause; }

signals:
    void emitSetAudioEffect(bool bEffect);
    void emitPlay();
    void emitPause();
    void emitSeekPlayProgress(double dVal);
    void emitPlayState(bool bPlay);

public slots:
    void OnSetPlayPro(double value);
    void OnSetPlayTime(QString playTime);
    void OnSetPlayState(bool bPlay);
    // A slider was released: its band takes the slider's gain, the others keep theirs.
    void OnSetEqualizerValue(QMouseEvent* e);
    // A slider was pressed: the selection moves to the custom slot.
    void OnChangeToCustomedEffect(QMouseEvent* e);
    void OnChangeEffect(QModelIndex index);
    void OnBtnPrevNext();
    void OnBtnReset();
    void OnBtnPlay();
    void OnBtnPause();
    // Asks the settings' player for its time texts again (when the tab is shown while paused).
    void OnUpdateTime();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildPresetList();
    void buildEqualizer();
    void buildPlayControls();
    void connectControls();
    void retranslateUi();
    // Selects row and applies its curve (or the custom slot's own gains) to the settings.
    void applyPreset(int row);
    // The selection moves to the custom slot, remembering the preset chosen before.
    void beginCustomEdit();
    // Writes the ten sliders' gains into the settings as the custom slot's curve.
    void writeSliderBands();
    void setSliderGains(const QVector<double>& gainsDb);
    // Shows row as the list's current item without reacting to it.
    void showSelection(int row);
    void setPage(int page);
    void showPlaying(bool playing);

    QAudioEffectManager* m_manager = nullptr;
    QVideoEditingSettings* m_settings = nullptr;
    QEffectModel* m_model = nullptr;
    QEffectDelegate* m_delegate = nullptr;
    QLabel* m_labelEffects = nullptr;
    QNxListView* m_listView = nullptr;
    QNxBaseButton* m_btnPrevious = nullptr;
    QNxBaseButton* m_btnNext = nullptr;
    QLabel* m_labelEqualizer = nullptr;
    QVector<QNxBaseSlider*> m_sliders;
    QVector<QLabel*> m_bandLabels;
    QNxBaseButton* m_btnReset = nullptr;
    QNxBaseButton* m_btnPlay = nullptr;
    QNxBaseButton* m_btnPause = nullptr;
    QNxBaseSlider* m_progress = nullptr;
    QLabel* m_labelTime = nullptr;
    int m_current = -1;  // the selected row, -1 none
    int m_page = 0;
    int m_beforeCustom = -1;        // the row "Reset" returns to, -1 none
    QVector<double> m_customGains;  // the custom slot's own gains, empty until set
    bool m_syncingView = false;     // the form itself is moving the list's selection
};
