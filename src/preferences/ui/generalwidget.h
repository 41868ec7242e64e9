#pragma once
// The General page of the preferences: automatic updates (hidden until updates are offered),
// what closing the main window does, the interface language, and track recognition through
// the online service (a switch and the user's AcoustID API key; the key field is usable only
// with the switch on).
//
// Choosing a language puts it in place at once through the LanguageSwitcher (the whole
// interface changes, this page included) and sends sendLanguageName; storing the choice is
// the dialog's business. The other controls are loaded from and saved to PreferenceValues.
// GUI thread only.

#include <QWidget>

struct PreferenceValues;
class LanguageSwitcher;
class QGroupBox;
class QLabel;
class QNxCheckBox;
class QNxComboBox;
class QNxLineEdit;
class QNxRadioButton;

class GeneralWidget : public QWidget {
    Q_OBJECT
public:
    explicit GeneralWidget(LanguageSwitcher& languages, QWidget* parent = nullptr);

    void load(const PreferenceValues& values);
    void save(PreferenceValues* values) const;
    // Shows `name` as the chosen language without switching to it.
    void showLanguage(const QString& name);
    // The name of the language chosen in the combo box.
    QString chosenLanguage() const;

signals:
    void sendUpdate(bool automatic);
    void sendLanguageName(const QString& name);

public slots:
    void OnChanegeUpdate();
    void OnChangeClose();
    // The combo box's choice at `index` becomes the interface language.
    void languageChange(int index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildUpdates();
    void buildClose();
    void buildLanguage();
    void buildOnline();
    void retranslateUi();

    LanguageSwitcher& m_languages;
    bool m_exitOnClose = true;
    QGroupBox* m_GroupUpdates = nullptr;
    QGroupBox* m_GroupClose = nullptr;
    QGroupBox* m_GroupLanguage = nullptr;
    QNxRadioButton* m_radAutoUpdate = nullptr;
    QNxRadioButton* m_radCloseUpdate = nullptr;
    QNxRadioButton* m_radMin = nullptr;
    QNxRadioButton* m_radExit = nullptr;
    QNxComboBox* m_cmbLan = nullptr;
    QGroupBox* m_GroupOnline = nullptr;
    QNxCheckBox* m_chkOnline = nullptr;
    QLabel* m_lblApiKey = nullptr;
    QNxLineEdit* m_editApiKey = nullptr;
};
