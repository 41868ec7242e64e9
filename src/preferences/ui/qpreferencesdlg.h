#pragma once
// The "Preferences" dialog: the General and Convert pages one below the other in a scroll
// area, two buttons at the left that scroll to them, "OK" and "Cancel" at the bottom.
//
// The pages show the stored values when the dialog is built. "OK" checks the Convert page
// (a refused folder or number keeps the dialog open, with the reason shown), stores every
// value, sends emitAutoUpdate and, when the output folder changed, emitOutputFolderChanged,
// and closes. "Cancel", Escape and the close button store nothing. A language chosen on the
// General page is in place at once; "OK" stores it, closing otherwise puts the language that
// was in place before back.
//
// Signals pair with slots: General page sendUpdate -> pending emitAutoUpdate; sendLanguageName
// -> setLanguge; the page buttons -> OnLeftBtn; "OK" -> OnBtnOk. GUI thread only.

#include "qnxdialogex.h"

#include <functional>

class ConvertWidget;
class GeneralWidget;
class LanguageSwitcher;
class QNxBaseButton;
class QScrollArea;

class QPreferencesDlg : public QNxDialogEx {
    Q_OBJECT
public:
    // Shows a refusal to the user; a message box unless replaced (tests).
    using ProblemPresenter = std::function<void(QWidget* parent, const QString& text)>;

    explicit QPreferencesDlg(QWidget* parent = nullptr);
    QPreferencesDlg(LanguageSwitcher& languages, QWidget* parent = nullptr);

    GeneralWidget* generalPage() const { return m_general; }
    ConvertWidget* convertPage() const { return m_convert; }
    void setProblemPresenter(ProblemPresenter presenter);

signals:
    void emitAutoUpdate(bool automatic);
    void emitOutputFolderChanged(const QString& folder);

public slots:
    // The pressed page button becomes the checked one and its page is scrolled into view.
    void OnLeftBtn();
    void OnBtnOk();
    // The language chosen on the General page (already in place).
    void setLanguge(const QString& name);
    void reject() override;
    void OnBtnClose() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildPages();
    QLayout* buildPageButtons();
    QLayout* buildBottomRow();
    void retranslateUi();
    void restoreLanguage();
    // Checks the page button of the page the scroll area shows.
    void followScroll(int position);

    LanguageSwitcher& m_languages;
    QString m_languageAtOpen;
    QString m_chosenLanguage;
    QString m_folderAtOpen;
    bool m_autoUpdate = false;
    ProblemPresenter m_showProblem;

    QNxBaseButton* m_btnGeneral = nullptr;
    QNxBaseButton* m_btnConvert = nullptr;
    QScrollArea* m_scroll = nullptr;
    GeneralWidget* m_general = nullptr;
    ConvertWidget* m_convert = nullptr;
    QNxBaseButton* m_btnOk = nullptr;
    QNxBaseButton* m_btnCancel = nullptr;
};
