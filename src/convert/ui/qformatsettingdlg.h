#pragma once
// The encoder fields of the format dialog: audio "Codec:", "Bit Rate:", "Sample Rate:",
// "Channel:" and video "Codec:", "Resolution:", "Frame Rate:", "Bit Rate:", "Quality:", two
// groups switched by the "Audio" and "Video" buttons, and "Reset". Each combo offers the
// profile's values (item text: the label shown, item data: the stored value). A change made by
// the user sends emitCustomized(); filling the fields from code does not. "Reset" sends
// emitReset() for the format dialog to reset the saved choice. GUI thread only.

#include "customformatsettings.h"
#include "formatprofile.h"
#include "qnxwidget.h"

#include <QHash>

class QGridLayout;
class QNxBaseButton;
class QNxComboBox;
class QStackedWidget;

class QFormatSettingDlg : public QNxWidget {
    Q_OBJECT
public:
    explicit QFormatSettingDlg(QWidget* parent = nullptr);

    // Offers the values of a profile (the choices of each field; video fields only when the
    // profile has video parameters) without changing the selected values.
    void setProfile(const FormatProfile& profile);
    const FormatProfile& profile() const { return m_profile; }
    // Selects the given values; a value the profile does not offer is added to its field.
    // Sends no emitCustomized().
    void setFields(const CustomFormatSettings& fields);
    // The selected values.
    CustomFormatSettings fields() const;
    bool isVideoShown() const;

signals:
    void emitCustomized();
    void emitReset();

public slots:
    // Offers the values of catalogue profile `id` (found in any category).
    void OnChangeFormat(const QString& id);
    void OnBtnReset();
    // Any field changed by the user.
    void CmbItemChange(int index);
    void OnClickVideo();
    void OnClickAudio();

private:
    using LabelFunction = QString (*)(const QString&);

    QNxComboBox* addField(QGridLayout* grid, int row, int column, const QString& label,
                          const QString& objectName, LabelFunction labelOf);
    // The audio choices narrowed to what `codec` allows, keeping the selected values.
    void offerAudioValues(const QString& codec);
    void showGroup(bool video);
    // Offers `values`, keeping the selected value when it is among them.
    void fillCombo(QNxComboBox* combo, const QStringList& values);
    // Selects `value`, adding it when the combo does not offer it.
    void selectValue(QNxComboBox* combo, const QString& value);
    static QString valueOf(const QNxComboBox* combo);

    FormatProfile m_profile;
    QHash<const QNxComboBox*, LabelFunction> m_labels;
    bool m_filling = false;
    QNxBaseButton* m_btnAudio = nullptr;
    QNxBaseButton* m_btnVideo = nullptr;
    QNxBaseButton* m_btnReset = nullptr;
    QStackedWidget* m_stack = nullptr;
    QNxComboBox* m_cmbAudioCodec = nullptr;
    QNxComboBox* m_cmbAudioBitRate = nullptr;
    QNxComboBox* m_cmbSampleRate = nullptr;
    QNxComboBox* m_cmbChannel = nullptr;
    QNxComboBox* m_cmbVideoCodec = nullptr;
    QNxComboBox* m_cmbResolution = nullptr;
    QNxComboBox* m_cmbFrameRate = nullptr;
    QNxComboBox* m_cmbVideoBitRate = nullptr;
    QNxComboBox* m_cmbVideoQuality = nullptr;
};
