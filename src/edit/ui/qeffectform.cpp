#include "qeffectform.h"

#include <QEvent>
#include <QLabel>

#include "equalizerbands.h"
#include "nxplayermanager.h"
#include "nxskin.h"
#include "qaudioeffectmanager.h"
#include "qeffectdelegate.h"
#include "qeffectmodel.h"
#include "qnxbasebutton.h"
#include "qnxbaseslider.h"
#include "qnxlistview.h"
#include "qvideoeditingsettings.h"

namespace {

// Geometry of the fixed-size form, in pixels.
constexpr int kMargin = 16;
constexpr int kListTop = 32;
constexpr int kListWidth = QEffectForm::kPageSize * QEffectDelegate::kTileWidth + 6;
constexpr int kEqualizerTop = 172;
constexpr int kSliderLeft = 72;
constexpr int kSliderPitch = 44;
constexpr int kSliderWidth = 24;
constexpr int kSliderHeight = 132;
constexpr int kPlayTop = 366;

// The sliders' labels, and their accessible names (marked here, translated in retranslateUi).
const char* const kBandLabels[EqualizerBands::kCount] = {"60", "170", "310", "600", "1k",
                                                         "3k", "6k",  "12k", "14k", "16k"};
const char* const kBandNames[EqualizerBands::kCount] = {
    QT_TRANSLATE_NOOP("QEffectForm", "60 Hz"),  QT_TRANSLATE_NOOP("QEffectForm", "170 Hz"),
    QT_TRANSLATE_NOOP("QEffectForm", "310 Hz"), QT_TRANSLATE_NOOP("QEffectForm", "600 Hz"),
    QT_TRANSLATE_NOOP("QEffectForm", "1 kHz"),  QT_TRANSLATE_NOOP("QEffectForm", "3 kHz"),
    QT_TRANSLATE_NOOP("QEffectForm", "6 kHz"),  QT_TRANSLATE_NOOP("QEffectForm", "12 kHz"),
    QT_TRANSLATE_NOOP("QEffectForm", "14 kHz"), QT_TRANSLATE_NOOP("QEffectForm", "16 kHz")};

QLabel* formLabel(QWidget* parent, const QColor& colour, int pixels = 12)
{
    auto* label = new QLabel(parent);
    label->setFont(NxSkin::font(pixels));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

QEffectForm::QEffectForm(QWidget* parent) : QEffectForm(QAudioEffectManager::instance(), parent) {}

QEffectForm::QEffectForm(QAudioEffectManager* manager, QWidget* parent)
    : QNxWidget(parent), m_manager(manager)
{
    setFixedSize(kWidth, kHeight);
    buildPresetList();
    buildEqualizer();
    buildPlayControls();
    connectControls();
    retranslateUi();
    m_model->fill(m_manager);
    setPage(0);
    showPlaying(false);
}

void QEffectForm::buildPresetList()
{
    m_labelEffects = formLabel(this, NxSkin::text(), 13);
    m_labelEffects->setGeometry(kMargin, 8, 300, 20);
    m_model = new QEffectModel(this);
    m_delegate = new QEffectDelegate(this);
    m_listView = new QNxListView(this);
    m_listView->setStyleSheet(
        QStringLiteral("QListView{border:none;background:%1;}").arg(NxSkin::panel().name()));
    m_listView->setModel(m_model);
    m_listView->setItemDelegate(m_delegate);
    m_listView->setFlow(QListView::LeftToRight);
    m_listView->setWrapping(false);
    m_listView->setMovement(QListView::Static);
    m_listView->setSelectionMode(QAbstractItemView::SingleSelection);
    // Paging shows one page of rows at a time, so the view never scrolls by itself.
    m_listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listView->setGeometry((kWidth - kListWidth) / 2, kListTop, kListWidth,
                            QEffectDelegate::kTileHeight + 4);
    const int arrowTop = kListTop + (QEffectDelegate::kTileHeight - 24) / 2;
    m_btnPrevious = new QNxBaseButton(QStringLiteral("/image/EditDlg/btn_left.png"), this);
    m_btnPrevious->move(kMargin - 4, arrowTop);
    m_btnNext = new QNxBaseButton(QStringLiteral("/image/EditDlg/btn_right.png"), this);
    m_btnNext->move(kWidth - kMargin + 4 - m_btnNext->width(), arrowTop);
}

void QEffectForm::buildEqualizer()
{
    m_labelEqualizer = formLabel(this, NxSkin::text(), 13);
    m_labelEqualizer->setGeometry(kMargin, kEqualizerTop - 28, 300, 20);
    // The dB scale beside the sliders: top, centre and bottom of their travel.
    const int scaleValues[3] = {10, 0, -10};
    for (int i = 0; i < 3; ++i) {
        QLabel* scale = formLabel(this, NxSkin::textDim(), 11);
        scale->setText(
            QStringLiteral("%1%2").arg(scaleValues[i] > 0 ? "+" : "").arg(scaleValues[i]));
        scale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        scale->setGeometry(kMargin, kEqualizerTop + i * (kSliderHeight - 12) / 2 - 2, 36, 16);
    }
    for (int band = 0; band < EqualizerBands::kCount; ++band) {
        auto* slider = new QNxBaseSlider(Qt::Vertical, this);
        slider->setImages(QStringLiteral("/image/EditDlg/slider_bottom.png"),
                          QStringLiteral("/image/EditDlg/slider_top.png"),
                          QStringLiteral("/image/EditDlg/slider_btn.png"));
        slider->setRange(EqualizerBands::kSliderMinimum, EqualizerBands::kSliderMaximum);
        slider->setPageStep(2);
        slider->setValue(EqualizerBands::kSliderCentre);
        const int x = kSliderLeft + band * kSliderPitch;
        slider->setGeometry(x, kEqualizerTop, kSliderWidth, kSliderHeight);
        QLabel* label = formLabel(this, NxSkin::textDim(), 11);
        label->setText(QString::fromLatin1(kBandLabels[band]));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(x - 10, kEqualizerTop + kSliderHeight + 4, kSliderWidth + 20, 16);
        m_sliders.append(slider);
        m_bandLabels.append(label);
    }
    m_btnReset = new QNxBaseButton(QStringLiteral("/image/common/btn_common.png"), this);
    m_btnReset->setFontPixelSize(13);
    m_btnReset->move(kWidth - kMargin - m_btnReset->width(),
                     kEqualizerTop + (kSliderHeight - m_btnReset->height()) / 2);
    m_btnReset->setEnabled(false);
}

void QEffectForm::buildPlayControls()
{
    m_btnPlay = new QNxBaseButton(QStringLiteral("/image/EditDlg/btn_play.png"), this);
    m_btnPlay->move(kMargin, kPlayTop);
    m_btnPause = new QNxBaseButton(QStringLiteral("/image/EditDlg/btn_Pause.png"), this);
    m_btnPause->move(kMargin, kPlayTop);
    m_progress = new QNxBaseSlider(Qt::Horizontal, this);
    m_progress->setImages(QStringLiteral("/image/EditDlg/slider_background_bottom.png"),
                          QStringLiteral("/image/EditDlg/slider_background_up.png"),
                          QStringLiteral("/image/EditDlg/slider_btn.png"));
    m_progress->setRange(0, 1000);
    const int progressLeft = kMargin + m_btnPlay->width() + 12;
    const int timeWidth = 170;
    m_progress->setGeometry(progressLeft, kPlayTop + (m_btnPlay->height() - 14) / 2,
                            kWidth - progressLeft - timeWidth - kMargin - 8, 14);
    m_labelTime = formLabel(this, NxSkin::text());
    m_labelTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_labelTime->setGeometry(kWidth - kMargin - timeWidth, kPlayTop, timeWidth,
                             m_btnPlay->height());
    m_labelTime->setText(QStringLiteral("00:00:00.000 / 00:00:00.000"));
}

void QEffectForm::connectControls()
{
    connect(m_listView, &QNxListView::emitCurrentChanged, this, &QEffectForm::OnChangeEffect);
    connect(m_btnPrevious, &QNxBaseButton::clicked, this, &QEffectForm::OnBtnPrevNext);
    connect(m_btnNext, &QNxBaseButton::clicked, this, &QEffectForm::OnBtnPrevNext);
    connect(m_btnReset, &QNxBaseButton::clicked, this, &QEffectForm::OnBtnReset);
    connect(m_btnPlay, &QNxBaseButton::clicked, this, &QEffectForm::OnBtnPlay);
    connect(m_btnPause, &QNxBaseButton::clicked, this, &QEffectForm::OnBtnPause);
    connect(m_progress, &QNxBaseSlider::sendProgressValue, this,
            &QEffectForm::emitSeekPlayProgress);
    for (QNxBaseSlider* slider : qAsConst(m_sliders)) {
        connect(slider, &QNxBaseSlider::sendPressEvent, this,
                &QEffectForm::OnChangeToCustomedEffect);
        connect(slider, &QNxBaseSlider::sendReleseEvent, this, &QEffectForm::OnSetEqualizerValue);
        // Keys and the wheel move a slider without a press and a release.
        connect(slider, &QNxBaseSlider::sendProgressValue, this, [this, slider] {
            if (slider->isSliderDown() || !m_settings)
                return;
            beginCustomEdit();
            writeSliderBands();
        });
    }
}

void QEffectForm::retranslateUi()
{
    m_labelEffects->setText(tr("Sound Effects:"));
    m_labelEqualizer->setText(tr("Equalizer:"));
    m_listView->setAccessibleName(tr("Sound Effects"));
    m_btnPrevious->setToolTip(tr("Previous Page"));
    m_btnNext->setToolTip(tr("Next Page"));
    m_btnReset->setText(tr("Reset"));
    m_btnPlay->setToolTip(tr("Play"));
    m_btnPause->setToolTip(tr("Pause"));
    m_progress->setToolTip(tr("Position"));
    const QVector<QWidget*> named = {m_btnPrevious, m_btnNext, m_btnPlay, m_btnPause, m_progress};
    for (QWidget* widget : named)
        widget->setAccessibleName(widget->toolTip());
    m_btnReset->setAccessibleName(m_btnReset->text());
    for (int band = 0; band < m_sliders.size(); ++band) {
        const QString name = tr(kBandNames[band]);
        m_sliders[band]->setToolTip(name);
        m_sliders[band]->setAccessibleName(name);
    }
}

void QEffectForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QNxWidget::changeEvent(event);
}

void QEffectForm::showEvent(QShowEvent* event)
{
    QNxWidget::showEvent(event);
    OnUpdateTime();
}

void QEffectForm::setSettings(QVideoEditingSettings* settings)
{
    m_settings = settings;
    m_beforeCustom = -1;
    if (!m_settings)
        return;
    const VEEditConfig& config = m_settings->config();
    if (config.effectIndex == m_model->customRow() && !config.eqGains.isEmpty())
        m_customGains = config.eqGains;
    if (config.effectIndex >= 0 && config.effectIndex < m_model->rowCount())
        applyPreset(config.effectIndex);
}

void QEffectForm::refresh()
{
    m_beforeCustom = -1;
    if (m_manager && m_model->rowCount() > 0)
        applyPreset(0);
}

int QEffectForm::pageCount() const
{
    return qMax(1, (m_model->rowCount() + kPageSize - 1) / kPageSize);
}

bool QEffectForm::isRowVisible(int row) const
{
    return row >= 0 && row < m_model->rowCount() && !m_listView->isRowHidden(row);
}

void QEffectForm::OnSetPlayPro(double value)
{
    m_progress->setRatio(value);
}

void QEffectForm::OnSetPlayTime(QString playTime)
{
    m_labelTime->setText(playTime);
}

void QEffectForm::OnSetPlayState(bool bPlay)
{
    if (bPlay)
        emit emitPlay();
    else
        emit emitPause();
    showPlaying(bPlay);
}

void QEffectForm::OnSetEqualizerValue(QMouseEvent*)
{
    if (m_settings)
        writeSliderBands();
}

void QEffectForm::OnChangeToCustomedEffect(QMouseEvent*)
{
    if (m_settings)
        beginCustomEdit();
}

void QEffectForm::OnChangeEffect(QModelIndex index)
{
    if (m_syncingView || !index.isValid() || !m_settings)
        return;
    m_beforeCustom = -1;
    applyPreset(index.row());
}

void QEffectForm::OnBtnPrevNext()
{
    setPage(sender() == m_btnPrevious ? m_page - 1 : m_page + 1);
}

void QEffectForm::OnBtnReset()
{
    if (!m_settings || m_beforeCustom < 0)
        return;
    const int row = m_beforeCustom;
    m_beforeCustom = -1;
    applyPreset(row);
}

void QEffectForm::OnBtnPlay()
{
    showPlaying(true);
    emit emitPlay();
    emit emitPlayState(true);
}

void QEffectForm::OnBtnPause()
{
    showPlaying(false);
    emit emitPause();
    emit emitPlayState(false);
}

void QEffectForm::OnUpdateTime()
{
    if (m_settings && m_settings->player())
        m_settings->player()->updateTime();
}

void QEffectForm::applyPreset(int row)
{
    const QEffectChunk* chunk = m_model->chunkAt(row);
    const AudioEffectPreset* preset = chunk ? m_manager->preset(chunk->indexValue()) : nullptr;
    if (!preset || !m_settings)
        return;
    EqualizerBands::Bands bands = EqualizerBands::fromCurve(preset->curve);
    if (chunk->isCustomSlot() && !m_customGains.isEmpty())
        bands = EqualizerBands::fromGains(m_customGains);
    setSliderGains(bands.gainsDb);
    m_current = row;
    showSelection(row);
    m_btnReset->setEnabled(m_beforeCustom >= 0);
    VEEditConfig config = m_settings->config();
    config.effectIndex = row;
    config.effectRate = preset->rate;
    config.eqFrequencies = bands.frequenciesHz;
    config.eqGains = bands.gainsDb;
    m_settings->setConfig(config);
    emit emitSetAudioEffect(!bands.isEmpty());
}

void QEffectForm::beginCustomEdit()
{
    const int custom = m_model->customRow();
    if (custom < 0 || m_current == custom)
        return;
    m_beforeCustom = m_current;
    m_current = custom;
    showSelection(custom);
    m_btnReset->setEnabled(m_beforeCustom >= 0);
}

void QEffectForm::writeSliderBands()
{
    QVector<double> gains;
    for (const QNxBaseSlider* slider : qAsConst(m_sliders))
        gains.append(EqualizerBands::gainForSliderValue(slider->value()));
    m_customGains = gains;
    const EqualizerBands::Bands bands = EqualizerBands::fromGains(gains);
    VEEditConfig config = m_settings->config();
    config.effectIndex = m_current;
    const QEffectChunk* chunk = m_model->chunkAt(m_current);
    const AudioEffectPreset* preset = chunk ? m_manager->preset(chunk->indexValue()) : nullptr;
    config.effectRate = preset ? preset->rate : 0;
    config.eqFrequencies = bands.frequenciesHz;
    config.eqGains = bands.gainsDb;
    m_settings->setConfig(config);
    emit emitSetAudioEffect(true);
}

void QEffectForm::setSliderGains(const QVector<double>& gainsDb)
{
    for (int band = 0; band < m_sliders.size(); ++band) {
        m_sliders[band]->setValue(band < gainsDb.size()
                                      ? EqualizerBands::sliderValueForGain(gainsDb[band])
                                      : EqualizerBands::kSliderCentre);
    }
}

void QEffectForm::showSelection(int row)
{
    setPage(row / kPageSize);
    m_syncingView = true;
    m_listView->setCurrentIndex(m_model->index(row, 0));
    m_syncingView = false;
}

void QEffectForm::setPage(int page)
{
    m_page = qBound(0, page, pageCount() - 1);
    const int first = m_page * kPageSize;
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_listView->setRowHidden(row, row < first || row >= first + kPageSize);
    m_btnPrevious->setEnabled(m_page > 0);
    m_btnNext->setEnabled(m_page < pageCount() - 1);
}

void QEffectForm::showPlaying(bool playing)
{
    m_btnPlay->setVisible(!playing);
    m_btnPause->setVisible(playing);
}
