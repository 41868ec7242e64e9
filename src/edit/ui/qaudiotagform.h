#pragma once
// QAudioTagForm: the edit dialog's Tag tab. It shows the tag set of the file being edited
// (title, artist, album, composer, grouping, copyright, comments, disc and track numbers with
// their totals, year, genre and the cover picture), writes every edit at once into the
// dialog's QVideoEditingSettings, and tells whether anything differs from what was loaded.
// Writing the tags into the file is the dialog's (its OK). GUI thread only.

#include <QWidget>

#include <functional>
#include <string>

#include "veaudiotaginfo.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QNxBaseButton;
class QNxTextEdit;
class QVideoEditingSettings;

class QAudioTagForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCoverSide = 124;
    // Shows a problem to the user; tests replace the message box.
    using ProblemReporter = std::function<void(QWidget* owner, const QString& text)>;

    explicit QAudioTagForm(QWidget* parent = nullptr);

    void setSettings(QVideoEditingSettings* settings) { m_settings = settings; }
    // Fills the form from the settings' tag set and takes it as the loaded snapshot.
    void refresh();
    // Fills the form from a tag set (recognition, or refresh) and stores its cover.
    void setTags(const VEAudioTagInfo& tags);
    // True when the settings' tag set differs from the loaded snapshot.
    bool isChanged() const;
    // The picture file the user chose as the cover; empty when none.
    QString coverPath() const { return m_coverPath; }
    // Makes a picture file the cover; false (nothing changed, the user told why) when the
    // file cannot be read, is not a picture or is too large.
    bool setCoverFromFile(const QString& path);
    bool hasCoverThumbnail() const;
    void setProblemReporter(ProblemReporter reporter) { m_report = std::move(reporter); }

    QLineEdit* edit(const char* objectName) const;
    QNxTextEdit* commentsEdit() const { return m_comments; }
    QComboBox* genreBox() const { return m_genre; }
    QNxBaseButton* addImageButton() const { return m_btnAddImage; }
    QNxBaseButton* deleteImageButton() const { return m_btnDeleteImage; }

public slots:
    void onTextChanged(const QString& str);
    void genreTextChanged(const QString& text);
    void onCommentsTextChanged();
    void setTagImage();
    void onDeleteImage();

protected:
    void changeEvent(QEvent* event) override;

private:
    QLineEdit* addLineEdit(const char* objectName, bool positiveNumber);
    QLabel* addLabel(QGridLayout* grid, int row, int column);
    void buildLayout();
    void retranslate();
    void setCover(const std::string& bytes);
    // Reads the settings' tag set, lets `change` edit it and writes it back.
    void updateTags(const std::function<void(VEAudioTagInfo&)>& change);
    // The text the form holds for a field, as the settings store it.
    std::string formValue(std::string VEAudioTagInfo::*field) const;
    // Stores the form's text of a field in the settings: the loaded bytes when the form shows
    // what it showed for them, so that changing a field back is no change.
    void storeField(std::string VEAudioTagInfo::*field);

    QVideoEditingSettings* m_settings = nullptr;
    QString m_coverPath;
    QString m_lastImageDir;
    VEAudioTagInfo m_loaded;
    VEAudioTagInfo m_shown;  // the form's values right after loading m_loaded
    bool m_filling = false;
    ProblemReporter m_report;

    QLineEdit* m_title = nullptr;
    QLineEdit* m_artist = nullptr;
    QLineEdit* m_album = nullptr;
    QLineEdit* m_composer = nullptr;
    QLineEdit* m_grouping = nullptr;
    QLineEdit* m_copyright = nullptr;
    QLineEdit* m_track = nullptr;
    QLineEdit* m_trackTotal = nullptr;
    QLineEdit* m_disc = nullptr;
    QLineEdit* m_discTotal = nullptr;
    QLineEdit* m_year = nullptr;
    QNxTextEdit* m_comments = nullptr;
    QComboBox* m_genre = nullptr;
    QLabel* m_cover = nullptr;
    QNxBaseButton* m_btnAddImage = nullptr;
    QNxBaseButton* m_btnDeleteImage = nullptr;
    QList<QLabel*> m_labels;
};
