#pragma once
// The "Format Setting" dialog: the catalogue's categories at the left, the profiles of the
// chosen category as an icon list with a search field, the quality preset ("High Quality",
// "Small Size", "Customized") and the encoder fields of the chosen profile (QFormatSettingDlg).
//
// Opening (every show) reads the saved choice of the current descriptor's kind (video when
// FormatDescriptor::current() is the video descriptor, else audio) and selects it, showing
// each profile at the preset recordings use with it. OK stores the preset, the custom values
// when "Customized", and the choice, then reloads the descriptors; when storing fails it says
// so and the dialog stays open. Cancel stores nothing; the fields' "Reset" goes back to the default
// formats at "Small Size" at once. Both OK and Cancel close with an animation of the "geometry"
// property whose end hides the dialog and finishes it with the result.
//
// Signals pair with slots: emitTypeChange -> changeCategories (category list),
// emitChangeFormat -> OnChangeFormat (icon list), the fields' emitCustomized ->
// settingValueChanged -> emitCustomized, the fields' emitReset -> OnReset -> emitReset.
// GUI thread only. The constructor throws std::runtime_error when the catalogue cannot be read.

#include "qnxdialog.h"

#include <QHash>
#include <QMetaType>

#include <string>

// Profile ids travel as std::string in emitChangeFormat.
Q_DECLARE_METATYPE(std::string)

class FormatCatalogue;
class QBaseIconListDelegate;
class QFormatSettingDlg;
class QIconListModel;
class QLabel;
class QNxBaseButton;
class QNxComboBox;
class QNxLineEdit;
class QNxListView;
class QPropertyAnimation;
class QStandardItemModel;

class QFormatDlg : public QNxDialog {
    Q_OBJECT
public:
    static constexpr int kCloseAnimationMs = 180;

    explicit QFormatDlg(QWidget* parent = nullptr);

    // Reads the saved choice and shows it; done on every show.
    void loadSavedChoice();
    bool isVideoMode() const { return m_video; }
    QString selectedCategory() const { return m_category; }
    QString selectedId() const { return m_id; }
    QFormatSettingDlg* settingDlg() const { return m_settingDlg; }
    bool isClosing() const;

signals:
    void emitTypeChange(const QString& category);
    void emitChangeFormat(const std::string& id);
    void emitCustomized();
    void emitReset();

public slots:
    void OnBtnOk();
    void OnBtnCancel();
    // Shows the profiles of `category` and selects the remembered or the first one.
    void changeCategories(const QString& category);
    // Fills the fields for the preset at combo index `index`.
    void OnQualityChange(int index);
    // A field was changed by the user: the preset becomes "Customized".
    void settingValueChanged();
    // Shows profile `id` of the selected category at its stored preset.
    void OnChangeFormat(const std::string& id);
    // Back to the default formats at "Small Size", stored at once.
    void OnReset();
    // Escape and the title bar's close button cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeAnimated(int result);
    void onCloseFinished();
    void selectCategoryRow(const QString& category);
    void selectProfile(const QString& id);
    void setQualityIndex(int index);
    void fitTiles();

    const FormatCatalogue& m_catalogue;
    bool m_video = false;
    QString m_category;
    QString m_id;
    // The profile to select when its category is shown next (the saved one while opening).
    QString m_wantedId;
    QHash<QString, QString> m_lastIdByCategory;
    int m_closeResult = -1;
    QRect m_openGeometry;

    QNxListView* m_listCategory = nullptr;
    QStandardItemModel* m_categoryModel = nullptr;
    QNxListView* m_listView = nullptr;
    QIconListModel* m_model = nullptr;
    QBaseIconListDelegate* m_tiles = nullptr;
    QNxLineEdit* m_editSearch = nullptr;
    QLabel* m_lblNoMatch = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblPreset = nullptr;
    QLabel* m_lblError = nullptr;
    QNxComboBox* m_cmbQuality = nullptr;
    QFormatSettingDlg* m_settingDlg = nullptr;
    QNxBaseButton* m_btnOk = nullptr;
    QNxBaseButton* m_btnCancel = nullptr;
    QPropertyAnimation* m_closeAnimation = nullptr;
};
