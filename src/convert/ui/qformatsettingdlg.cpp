#include "qformatsettingdlg.h"

#include "formatcatalogue.h"
#include "formatlabels.h"
#include "nxskin.h"
#include "qnxbasebutton.h"
#include "qnxcombobox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kAuto = QStringLiteral("Auto");

QString codecLabel(const QString& name)
{
    if (name == kAuto)
        return name;
    try {
        const FormatCodec codec = FormatCatalogue::instance().codec(name);
        return codec.title.isEmpty() ? name : codec.title;
    } catch (const std::exception&) {
        return name;
    }
}

QString sampleRateLabel(const QString& hz)
{
    return hz == kAuto || hz.isEmpty() ? hz : hz + QStringLiteral(" Hz");
}

QString qualityLabel(const QString& value)
{
    return value.isEmpty() || value == QLatin1String("0") ? kAuto : value;
}

QString plainLabel(const QString& value)
{
    return value;
}

// Values of the "Quality:" field when the profile offers none: 0 leaves the quality to the
// encoder, 1 to 10 go from the smallest to the best picture.
QStringList defaultQualityValues()
{
    QStringList values;
    for (int q = 0; q <= 10; ++q)
        values.append(QString::number(q));
    return values;
}

QNxBaseButton* textButton(const QString& image, const QString& text, QWidget* parent)
{
    auto* button = new QNxBaseButton(image, parent);
    button->setText(text);
    button->setFontPixelSize(12);
    button->setFixedSize(button->size());
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

QFormatSettingDlg::QFormatSettingDlg(QWidget* parent) : QNxWidget(parent)
{
    setBackgroundColor(NxSkin::surface());
    setBorderColor(NxSkin::border());
    setRadius(6);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 14);
    column->setSpacing(12);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    m_btnAudio = textButton(QStringLiteral("/image/common/btn_common.png"), tr("Audio"), this);
    m_btnVideo = textButton(QStringLiteral("/image/common/btn_common.png"), tr("Video"), this);
    m_btnReset = textButton(QStringLiteral("/image/common/btn_common.png"), tr("Reset"), this);
    m_btnAudio->setObjectName(QStringLiteral("m_btnAudio"));
    m_btnVideo->setObjectName(QStringLiteral("m_btnVideo"));
    m_btnReset->setObjectName(QStringLiteral("m_btnReset"));
    m_btnAudio->setCheckable(true);
    m_btnVideo->setCheckable(true);
    m_btnReset->setToolTip(tr("Back to MP3 at \"Small Size\""));
    buttons->addWidget(m_btnAudio);
    buttons->addWidget(m_btnVideo);
    buttons->addStretch(1);
    buttons->addWidget(m_btnReset);
    column->addLayout(buttons);

    m_stack = new QStackedWidget(this);
    auto* audioPage = new QWidget(m_stack);
    auto* audioGrid = new QGridLayout(audioPage);
    audioGrid->setContentsMargins(0, 0, 0, 0);
    m_cmbAudioCodec =
        addField(audioGrid, 0, 0, tr("Codec:"), QStringLiteral("m_cmbAudioCodec"), codecLabel);
    m_cmbAudioBitRate = addField(audioGrid, 0, 1, tr("Bit Rate:"),
                                 QStringLiteral("m_cmbAudioBitRate"), FormatLabels::bitRateLabel);
    m_cmbSampleRate = addField(audioGrid, 1, 0, tr("Sample Rate:"),
                               QStringLiteral("m_cmbSampleRate"), sampleRateLabel);
    m_cmbChannel = addField(audioGrid, 1, 1, tr("Channel:"), QStringLiteral("m_cmbChannel"),
                            FormatLabels::channelLabel);
    audioGrid->setRowStretch(3, 1);
    m_stack->addWidget(audioPage);

    auto* videoPage = new QWidget(m_stack);
    auto* videoGrid = new QGridLayout(videoPage);
    videoGrid->setContentsMargins(0, 0, 0, 0);
    m_cmbVideoCodec =
        addField(videoGrid, 0, 0, tr("Codec:"), QStringLiteral("m_cmbVideoCodec"), codecLabel);
    m_cmbResolution = addField(videoGrid, 0, 1, tr("Resolution:"),
                               QStringLiteral("m_cmbResolution"), FormatLabels::videoLabel);
    m_cmbFrameRate = addField(videoGrid, 1, 0, tr("Frame Rate:"), QStringLiteral("m_cmbFrameRate"),
                              FormatLabels::frameRateLabel);
    m_cmbVideoBitRate = addField(videoGrid, 1, 1, tr("Bit Rate:"),
                                 QStringLiteral("m_cmbVideoBitRate"), FormatLabels::bitRateLabel);
    m_cmbVideoQuality = addField(videoGrid, 2, 0, tr("Quality:"),
                                 QStringLiteral("m_cmbVideoQuality"), qualityLabel);
    videoGrid->setRowStretch(3, 1);
    m_stack->addWidget(videoPage);
    column->addWidget(m_stack, 1);

    connect(m_btnAudio, &QAbstractButton::clicked, this, &QFormatSettingDlg::OnClickAudio);
    connect(m_btnVideo, &QAbstractButton::clicked, this, &QFormatSettingDlg::OnClickVideo);
    connect(m_btnReset, &QAbstractButton::clicked, this, &QFormatSettingDlg::OnBtnReset);
    showGroup(false);
    m_btnVideo->setEnabled(false);
}

QNxComboBox* QFormatSettingDlg::addField(QGridLayout* grid, int row, int column,
                                         const QString& label, const QString& objectName,
                                         LabelFunction labelOf)
{
    auto* text = new QLabel(label, grid->parentWidget());
    text->setFont(NxSkin::font(12));
    QPalette pal = text->palette();
    pal.setColor(QPalette::WindowText, NxSkin::textDim());
    text->setPalette(pal);
    text->setMinimumWidth(84);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* combo = new QNxComboBox(grid->parentWidget());
    combo->setObjectName(objectName);
    combo->setMinimumWidth(150);
    m_labels.insert(combo, labelOf);
    text->setBuddy(combo);
    grid->addWidget(text, row, column * 2);
    grid->addWidget(combo, row, column * 2 + 1);
    grid->setColumnStretch(column * 2 + 1, 1);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    if (column == 1)
        grid->setColumnMinimumWidth(2, 100);
    connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QFormatSettingDlg::CmbItemChange);
    return combo;
}

void QFormatSettingDlg::fillCombo(QNxComboBox* combo, const QStringList& values)
{
    const LabelFunction labelOf = m_labels.value(combo, plainLabel);
    const QString selected = valueOf(combo);
    combo->clear();
    for (const QString& value : values)
        combo->addItem(labelOf(value), value);
    const int kept = combo->findData(selected);
    combo->setCurrentIndex(kept >= 0 ? kept : (combo->count() > 0 ? 0 : -1));
}

void QFormatSettingDlg::selectValue(QNxComboBox* combo, const QString& value)
{
    int index = combo->findData(value);
    if (index < 0 && !value.isEmpty()) {
        combo->addItem(m_labels.value(combo, plainLabel)(value), value);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

QString QFormatSettingDlg::valueOf(const QNxComboBox* combo)
{
    return combo->currentData().toString();
}

void QFormatSettingDlg::setProfile(const FormatProfile& profile)
{
    m_filling = true;
    m_profile = profile;
    fillCombo(m_cmbAudioCodec, profile.audioCodecs());
    offerAudioValues(valueOf(m_cmbAudioCodec));
    const bool video = profile.hasVideo();
    if (video) {
        fillCombo(m_cmbVideoCodec, profile.videoCodecs());
        fillCombo(m_cmbResolution, profile.videoParameter(QStringLiteral("resolution")).values);
        fillCombo(m_cmbFrameRate, profile.videoParameter(QStringLiteral("framerate")).values);
        fillCombo(m_cmbVideoBitRate, profile.videoParameter(QStringLiteral("videobitrate")).values);
        const QStringList quality = profile.videoParameter(QStringLiteral("quality")).values;
        fillCombo(m_cmbVideoQuality, quality.isEmpty() ? defaultQualityValues() : quality);
    } else {
        for (QNxComboBox* combo : {m_cmbVideoCodec, m_cmbResolution, m_cmbFrameRate,
                                   m_cmbVideoBitRate, m_cmbVideoQuality})
            combo->clear();
    }
    m_btnVideo->setEnabled(video);
    if (!video)
        showGroup(false);
    m_filling = false;
}

void QFormatSettingDlg::offerAudioValues(const QString& codec)
{
    fillCombo(m_cmbAudioBitRate,
              m_profile.offeredAudioValues(codec, QStringLiteral("audiobitrate")));
    fillCombo(m_cmbSampleRate, m_profile.offeredAudioValues(codec, QStringLiteral("samplerate")));
    fillCombo(m_cmbChannel, m_profile.offeredAudioValues(codec, QStringLiteral("channels")));
}

void QFormatSettingDlg::setFields(const CustomFormatSettings& fields)
{
    m_filling = true;
    selectValue(m_cmbAudioCodec, fields.audioEncoder);
    offerAudioValues(fields.audioEncoder);
    selectValue(m_cmbAudioBitRate, fields.audioBitRate);
    selectValue(m_cmbSampleRate, fields.audioSampleRate);
    selectValue(m_cmbChannel, fields.audioChannels);
    if (m_profile.hasVideo()) {
        selectValue(m_cmbVideoCodec, fields.videoEncoder);
        selectValue(m_cmbResolution, fields.videoResolution);
        selectValue(m_cmbFrameRate, fields.videoFrameRate);
        selectValue(m_cmbVideoBitRate, fields.videoBitRate);
        selectValue(m_cmbVideoQuality,
                    fields.videoQuality.isEmpty() ? QStringLiteral("0") : fields.videoQuality);
    }
    m_filling = false;
}

CustomFormatSettings QFormatSettingDlg::fields() const
{
    CustomFormatSettings f;
    f.onlyAudio = !m_profile.hasVideo();
    f.audioEncoder = valueOf(m_cmbAudioCodec);
    f.audioBitRate = valueOf(m_cmbAudioBitRate);
    f.audioSampleRate = valueOf(m_cmbSampleRate);
    f.audioChannels = valueOf(m_cmbChannel);
    if (m_profile.hasVideo()) {
        f.videoEncoder = valueOf(m_cmbVideoCodec);
        f.videoResolution = valueOf(m_cmbResolution);
        f.videoFrameRate = valueOf(m_cmbFrameRate);
        f.videoBitRate = valueOf(m_cmbVideoBitRate);
        f.videoQuality = valueOf(m_cmbVideoQuality);
    }
    return f;
}

bool QFormatSettingDlg::isVideoShown() const
{
    return m_stack->currentIndex() == 1;
}

void QFormatSettingDlg::OnChangeFormat(const QString& id)
{
    setProfile(FormatCatalogue::instance().findProfile(id));
}

void QFormatSettingDlg::OnBtnReset()
{
    emit emitReset();
}

void QFormatSettingDlg::CmbItemChange(int)
{
    if (m_filling)
        return;
    if (sender() == m_cmbAudioCodec) {
        // Another codec may allow other bit rates, sample rates or channel counts.
        m_filling = true;
        offerAudioValues(valueOf(m_cmbAudioCodec));
        m_filling = false;
    }
    emit emitCustomized();
}

void QFormatSettingDlg::OnClickVideo()
{
    showGroup(m_profile.hasVideo());
}

void QFormatSettingDlg::OnClickAudio()
{
    showGroup(false);
}

void QFormatSettingDlg::showGroup(bool video)
{
    m_stack->setCurrentIndex(video ? 1 : 0);
    m_btnAudio->setChecked(!video);
    m_btnVideo->setChecked(video);
}
