#pragma once
// The Convert page of the preferences: where output files go (a folder typed by hand or chosen
// with "Change", back to the default with "Reset"), which recordings are deleted or split
// automatically, how tracks are archived, and what happens when all jobs are finished.
//
// A folder is taken only when it can hold the output files (OutputFolderRule): a folder chosen
// with "Change" that cannot is refused at once, one typed by hand when the page is checked
// before storing; either way emitProblem says why and the last good folder stays. The number
// fields take positive whole numbers only and are checked when their box is ticked.
// GUI thread only.

#include <QWidget>

#include <functional>

struct PreferenceValues;
class QGroupBox;
class QLabel;
class QLineEdit;
class QNxBaseButton;
class QNxCheckBox;
class QNxComboBox;
class QNxLineEdit;

class ConvertWidget : public QWidget {
    Q_OBJECT
public:
    // Asks the user for a folder; an empty answer means cancelled.
    using FolderChooser =
        std::function<QString(QWidget* parent, const QString& caption, const QString& start)>;

    explicit ConvertWidget(QWidget* parent = nullptr);

    void load(const PreferenceValues& values);
    void save(PreferenceValues* values) const;
    // Checks what was typed; on the first problem sends emitProblem, puts the focus on the
    // field (a refused folder is replaced by the last good one) and returns false.
    bool checkInput();
    // The platform's folder dialog unless replaced (tests).
    void setFolderChooser(FolderChooser chooser);

signals:
    void emitProblem(const QString& text);

public slots:
    void OnChangePath();
    void OnResetPath();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildLocation();
    void buildDelete();
    void buildSplit();
    void buildArchive();
    void buildFinished();
    void retranslateUi();
    // Takes `folder` when it can hold the output files; otherwise reports it and keeps the
    // last good one.
    bool acceptFolder(const QString& folder);
    bool checkNumber(QNxCheckBox* box, QNxLineEdit* field);

    FolderChooser m_chooseFolder;
    QString m_acceptedFolder;

    QGroupBox* m_GroupLocation = nullptr;
    QLabel* m_lblOutput = nullptr;
    QNxLineEdit* m_editPath = nullptr;
    QNxBaseButton* m_btnChange = nullptr;
    QNxBaseButton* m_btnReset = nullptr;
    QLabel* m_lblScreenshot = nullptr;
    QNxLineEdit* m_editScreenshot = nullptr;

    QGroupBox* m_GroupDelete = nullptr;
    QNxCheckBox* m_chkDuration = nullptr;
    QNxLineEdit* m_editDuration = nullptr;
    QLabel* m_lblSeconds = nullptr;
    QNxCheckBox* m_chkSilent = nullptr;

    QGroupBox* m_GroupSplit = nullptr;
    QNxCheckBox* m_chkSilence = nullptr;
    QNxLineEdit* m_editSilence = nullptr;
    QLabel* m_lblMilliseconds = nullptr;
    QNxCheckBox* m_chkTrack = nullptr;
    QNxComboBox* m_cmbTrack = nullptr;

    QGroupBox* m_GroupArchive = nullptr;
    QNxComboBox* m_cmbArchive = nullptr;

    QGroupBox* m_GroupFinished = nullptr;
    QLabel* m_lblFinished = nullptr;
    QNxComboBox* m_cmbFinished = nullptr;
};
