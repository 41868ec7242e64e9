#pragma once
// The volume pop-up of the recording display and the play bar: a small frameless window that
// floats over the main window and holds one vertical slider. It hides itself when it loses
// activation or the user clicks elsewhere. Volumes are ratios 0..1 towards the outside and
// slider values 0..100 inside. GUI thread only.

#include <QWidget>

class QNxBaseSlider;

class QVolumeWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 64;

    explicit QVolumeWidget(QWidget* parent = nullptr);

    QNxBaseSlider* slider() const { return m_slider; }
    // Slider position / maximum.
    double ratio() const;
    // The skin image of a volume button for a volume ratio: mute (up to 0.001), little (up to
    // 0.5), big (below 1) or full.
    static QString buttonIcon(double ratio);

signals:
    // The user moved the slider to `value` (0..1).
    void emitVolumeChange(double value);

public slots:
    // Sets the slider to `value` (0..100) without reporting it.
    void OnSetVolume(int value);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslateUi();
    QNxBaseSlider* m_slider = nullptr;
};
