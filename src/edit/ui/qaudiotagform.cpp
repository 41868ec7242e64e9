#include "qaudiotagform.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "coverpicture.h"
#include "nxskin.h"
#include "positivenumbervalidator.h"
#include "qnxbasebutton.h"
#include "qnxcombobox.h"
#include "qnxlineedit.h"
#include "qnxmessagebox.h"
#include "qnxtextedit.h"
#include "qvideoeditingsettings.h"
#include "tagformrules.h"

namespace {

using TagText = std::string VEAudioTagInfo::*;

// The fields the form edits (the cover apart).
const TagText kEditedFields[] = {
    &VEAudioTagInfo::title,    &VEAudioTagInfo::artist,   &VEAudioTagInfo::album,
    &VEAudioTagInfo::composer, &VEAudioTagInfo::grouping, &VEAudioTagInfo::copyright,
    &VEAudioTagInfo::year,     &VEAudioTagInfo::track,    &VEAudioTagInfo::disc,
    &VEAudioTagInfo::genre,    &VEAudioTagInfo::comment};

constexpr int kGenreRows = 22;
constexpr int kNumberEditWidth = 56;

// Form labels in form order, with the accessible names of the fields they stand before.
struct FieldText {
    const char* label;
    const char* field;
};
const FieldText kFieldTexts[] = {
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Title:"), QT_TRANSLATE_NOOP("QAudioTagForm", "Title")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Artist:"), QT_TRANSLATE_NOOP("QAudioTagForm", "Artist")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Album:"), QT_TRANSLATE_NOOP("QAudioTagForm", "Album")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Composer:"),
     QT_TRANSLATE_NOOP("QAudioTagForm", "Composer")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Grouping:"),
     QT_TRANSLATE_NOOP("QAudioTagForm", "Grouping")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Copyright:"),
     QT_TRANSLATE_NOOP("QAudioTagForm", "Copyright")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Comments:"),
     QT_TRANSLATE_NOOP("QAudioTagForm", "Comments")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Disc Num:"),
     QT_TRANSLATE_NOOP("QAudioTagForm", "Disc number")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "of"), QT_TRANSLATE_NOOP("QAudioTagForm", "Disc total")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Track:"), QT_TRANSLATE_NOOP("QAudioTagForm", "Track")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "of"), QT_TRANSLATE_NOOP("QAudioTagForm", "Track total")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Year:"), QT_TRANSLATE_NOOP("QAudioTagForm", "Year")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Genre:"), QT_TRANSLATE_NOOP("QAudioTagForm", "Genre")},
    {QT_TRANSLATE_NOOP("QAudioTagForm", "Cover:"), QT_TRANSLATE_NOOP("QAudioTagForm", "Cover")},
};
enum FieldRow {
    Title,
    Artist,
    Album,
    Composer,
    Grouping,
    Copyright,
    Comments,
    Disc,
    DiscTotal,
    Track,
    TrackTotal,
    Year,
    Genre,
    Cover,
    FieldCount
};

}  // namespace

QAudioTagForm::QAudioTagForm(QWidget* parent)
    : QWidget(parent), m_report([](QWidget* owner, const QString& text) {
          QNxMessageBox::warning(owner, tr("Cover"), text);
      })
{
    setObjectName(QStringLiteral("QAudioTagForm"));
    setFont(NxSkin::font(12));
    m_title = addLineEdit("m_editTitle", false);
    m_artist = addLineEdit("m_editArtist", false);
    m_album = addLineEdit("m_editAlbum", false);
    m_composer = addLineEdit("m_editComposer", false);
    m_grouping = addLineEdit("m_editGrouping", false);
    m_copyright = addLineEdit("m_editCopyright", false);
    m_disc = addLineEdit("m_editDisc", true);
    m_discTotal = addLineEdit("m_editDiscTotal", true);
    m_track = addLineEdit("m_editTrack", true);
    m_trackTotal = addLineEdit("m_editTrackTotal", true);
    m_year = addLineEdit("m_editYear", true);

    m_comments = new QNxTextEdit(this);
    m_comments->setObjectName(QStringLiteral("m_editComments"));
    connect(m_comments, &QTextEdit::textChanged, this, &QAudioTagForm::onCommentsTextChanged);

    m_genre = new QNxComboBox(this);
    m_genre->setObjectName(QStringLiteral("m_cmbGenre"));
    m_genre->setEditable(true);
    // The skinned box draws the field; its editor only shows the text on it.
    m_genre->lineEdit()->setStyleSheet(
        QStringLiteral("QLineEdit{background:transparent;border:none;color:%1;}")
            .arg(NxSkin::text().name()));
    m_genre->setInsertPolicy(QComboBox::NoInsert);
    m_genre->setMaxVisibleItems(kGenreRows);
    m_genre->addItems(TagFormRules::genreNames());
    m_genre->setCurrentIndex(-1);
    connect(m_genre, &QComboBox::editTextChanged, this, &QAudioTagForm::genreTextChanged);

    m_cover = new QLabel(this);
    m_cover->setObjectName(QStringLiteral("m_lblCover"));
    m_cover->setFixedSize(kCoverSide, kCoverSide);
    m_cover->setAlignment(Qt::AlignCenter);
    m_cover->setStyleSheet(QStringLiteral("QLabel{background:%1;border:1px solid %2;}")
                               .arg(NxSkin::surface().name(), NxSkin::border().name()));
    m_btnAddImage = new QNxBaseButton(QStringLiteral("/add_watermark_image.png"), this);
    m_btnAddImage->setObjectName(QStringLiteral("m_btnAddImage"));
    m_btnDeleteImage = new QNxBaseButton(QStringLiteral("/delete_watermark_image.png"), this);
    m_btnDeleteImage->setObjectName(QStringLiteral("m_btnDeleteImage"));
    m_btnDeleteImage->hide();
    connect(m_btnAddImage, &QAbstractButton::clicked, this, &QAudioTagForm::setTagImage);
    connect(m_btnDeleteImage, &QAbstractButton::clicked, this, &QAudioTagForm::onDeleteImage);

    buildLayout();
    retranslate();
}

QLineEdit* QAudioTagForm::addLineEdit(const char* objectName, bool positiveNumber)
{
    auto* edit = new QNxLineEdit(this);
    edit->setObjectName(QLatin1String(objectName));
    if (positiveNumber) {
        edit->setValidator(new PositiveNumberValidator(edit));
        edit->setFixedWidth(kNumberEditWidth);
    }
    connect(edit, &QLineEdit::textChanged, this, &QAudioTagForm::onTextChanged);
    return edit;
}

QLabel* QAudioTagForm::addLabel(QGridLayout* grid, int row, int column)
{
    auto* label = new QLabel(this);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, NxSkin::textDim());
    label->setPalette(pal);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_labels.append(label);
    if (grid)
        grid->addWidget(label, row, column);
    return label;
}

void QAudioTagForm::buildLayout()
{
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 14);
    outer->setSpacing(24);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    QWidget* wide[] = {m_title, m_artist, m_album, m_composer, m_grouping, m_copyright};
    for (int row = 0; row < 6; ++row) {
        addLabel(grid, row, 0)->setBuddy(wide[row]);
        grid->addWidget(wide[row], row, 1);
    }
    QLabel* comments = addLabel(grid, 6, 0);
    comments->setAlignment(Qt::AlignRight | Qt::AlignTop);
    comments->setBuddy(m_comments);
    grid->addWidget(m_comments, 6, 1);

    // Disc and track numbers with their totals, then year and genre, two to a row.
    auto numberRow = [this](QLineEdit* number, QLineEdit* total, QLineEdit* second,
                            QLineEdit* secondTotal) {
        auto* row = new QHBoxLayout;
        row->setSpacing(8);
        row->addWidget(number);
        addLabel(nullptr, 0, 0)->setBuddy(total);
        row->addWidget(m_labels.last());
        row->addWidget(total);
        row->addSpacing(16);
        addLabel(nullptr, 0, 0)->setBuddy(second);
        row->addWidget(m_labels.last());
        row->addWidget(second);
        addLabel(nullptr, 0, 0)->setBuddy(secondTotal);
        row->addWidget(m_labels.last());
        row->addWidget(secondTotal);
        return row;
    };
    addLabel(grid, 7, 0)->setBuddy(m_disc);
    auto* discRow = numberRow(m_disc, m_discTotal, m_track, m_trackTotal);
    discRow->addStretch(1);
    grid->addLayout(discRow, 7, 1);
    addLabel(grid, 8, 0)->setBuddy(m_year);
    auto* yearRow = new QHBoxLayout;
    yearRow->setSpacing(8);
    yearRow->addWidget(m_year);
    yearRow->addSpacing(16);
    addLabel(nullptr, 0, 0)->setBuddy(m_genre);
    yearRow->addWidget(m_labels.last());
    yearRow->addWidget(m_genre, 1);
    grid->addLayout(yearRow, 8, 1);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid, 1);

    auto* coverColumn = new QVBoxLayout;
    coverColumn->setSpacing(8);
    QLabel* coverLabel = addLabel(nullptr, 0, 0);
    coverLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    coverLabel->setBuddy(m_cover);
    coverColumn->addWidget(coverLabel);
    coverColumn->addWidget(m_cover);
    auto* coverButtons = new QHBoxLayout;
    coverButtons->setSpacing(8);
    coverButtons->addWidget(m_btnAddImage);
    coverButtons->addWidget(m_btnDeleteImage);
    coverButtons->addStretch(1);
    coverColumn->addLayout(coverButtons);
    coverColumn->addStretch(1);
    outer->addLayout(coverColumn);
}

void QAudioTagForm::retranslate()
{
    // m_labels were made in form order, which is the order of kFieldTexts.
    QWidget* fields[FieldCount] = {m_title,      m_artist,   m_album, m_composer,  m_grouping,
                                   m_copyright,  m_comments, m_disc,  m_discTotal, m_track,
                                   m_trackTotal, m_year,     m_genre, m_cover};
    for (int i = 0; i < FieldCount && i < m_labels.size(); ++i) {
        m_labels[i]->setText(tr(kFieldTexts[i].label));
        fields[i]->setAccessibleName(tr(kFieldTexts[i].field));
    }
    // The genre box's editor takes the focus: a screen reader asks it for the name.
    m_genre->lineEdit()->setAccessibleName(tr(kFieldTexts[Genre].field));
    m_btnAddImage->setToolTip(tr("Add Image"));
    m_btnAddImage->setAccessibleName(tr("Add Image"));
    m_btnDeleteImage->setToolTip(tr("Delete"));
    m_btnDeleteImage->setAccessibleName(tr("Delete"));
}

void QAudioTagForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

QLineEdit* QAudioTagForm::edit(const char* objectName) const
{
    return findChild<QLineEdit*>(QLatin1String(objectName));
}

void QAudioTagForm::refresh()
{
    m_coverPath.clear();
    m_loaded = m_settings ? m_settings->config().tags : VEAudioTagInfo();
    setTags(m_loaded);
    for (TagText field : kEditedFields)
        m_shown.*field = formValue(field);
}

void QAudioTagForm::setTags(const VEAudioTagInfo& tags)
{
    using TagFormRules::displayText;
    m_filling = true;
    m_title->setText(displayText(tags.title));
    m_artist->setText(displayText(tags.artist));
    m_album->setText(displayText(tags.album));
    m_composer->setText(displayText(tags.composer));
    m_grouping->setText(displayText(tags.grouping));
    m_copyright->setText(displayText(tags.copyright));
    m_comments->setTextSilently(displayText(tags.comment));
    const auto track = TagFormRules::splitNumberTotal(tags.track);
    m_track->setText(track.first);
    m_trackTotal->setText(track.second);
    const auto disc = TagFormRules::splitNumberTotal(tags.disc);
    m_disc->setText(disc.first);
    m_discTotal->setText(disc.second);
    m_year->setText(TagFormRules::displayYear(tags));
    m_genre->setCurrentIndex(-1);
    m_genre->setEditText(displayText(tags.genre));
    m_filling = false;
    setCover(tags.coverBytes.substr(0, size_t(std::max(0, tags.coverSize))));
}

bool QAudioTagForm::isChanged() const
{
    return m_settings && TagFormRules::tagsChanged(m_loaded, m_settings->config().tags);
}

bool QAudioTagForm::hasCoverThumbnail() const
{
    return !m_cover->pixmap(Qt::ReturnByValue).isNull();
}

std::string QAudioTagForm::formValue(TagText field) const
{
    if (field == &VEAudioTagInfo::track)
        return TagFormRules::joinNumberTotal(m_track->text(), m_trackTotal->text());
    if (field == &VEAudioTagInfo::disc)
        return TagFormRules::joinNumberTotal(m_disc->text(), m_discTotal->text());
    if (field == &VEAudioTagInfo::genre)
        return m_genre->currentText().toStdString();
    if (field == &VEAudioTagInfo::comment)
        return m_comments->toPlainText().toStdString();
    const std::pair<TagText, QLineEdit*> lines[] = {
        {&VEAudioTagInfo::title, m_title},       {&VEAudioTagInfo::artist, m_artist},
        {&VEAudioTagInfo::album, m_album},       {&VEAudioTagInfo::composer, m_composer},
        {&VEAudioTagInfo::grouping, m_grouping}, {&VEAudioTagInfo::copyright, m_copyright},
        {&VEAudioTagInfo::year, m_year}};
    for (const auto& line : lines) {
        if (line.first == field)
            return line.second->text().toStdString();
    }
    return {};
}

void QAudioTagForm::storeField(TagText field)
{
    if (m_filling)
        return;
    const std::string value =
        TagFormRules::keepLoadedWhenSame(formValue(field), m_loaded.*field, m_shown.*field);
    updateTags([&](VEAudioTagInfo& tags) { tags.*field = value; });
}

void QAudioTagForm::updateTags(const std::function<void(VEAudioTagInfo&)>& change)
{
    if (!m_settings)
        return;
    VEAudioTagInfo tags = m_settings->config().tags;
    change(tags);
    m_settings->setTags(tags);
}

void QAudioTagForm::onTextChanged(const QString&)
{
    const QObject* edit = sender();
    const std::pair<const QObject*, TagText> fields[] = {
        {m_title, &VEAudioTagInfo::title},       {m_artist, &VEAudioTagInfo::artist},
        {m_album, &VEAudioTagInfo::album},       {m_composer, &VEAudioTagInfo::composer},
        {m_grouping, &VEAudioTagInfo::grouping}, {m_copyright, &VEAudioTagInfo::copyright},
        {m_year, &VEAudioTagInfo::year},         {m_track, &VEAudioTagInfo::track},
        {m_trackTotal, &VEAudioTagInfo::track},  {m_disc, &VEAudioTagInfo::disc},
        {m_discTotal, &VEAudioTagInfo::disc}};
    for (const auto& f : fields) {
        if (f.first == edit)
            storeField(f.second);
    }
}

void QAudioTagForm::genreTextChanged(const QString&)
{
    storeField(&VEAudioTagInfo::genre);
}

void QAudioTagForm::onCommentsTextChanged()
{
    storeField(&VEAudioTagInfo::comment);
}

void QAudioTagForm::setCover(const std::string& bytes)
{
    QImage image;
    if (!bytes.empty())
        image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()));
    if (image.isNull()) {
        m_cover->clear();
    } else {
        m_cover->setPixmap(QPixmap::fromImage(
            image.scaled(kCoverSide, kCoverSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    // A cover that does not decode keeps its bytes but offers nothing to delete.
    m_btnDeleteImage->setVisible(!image.isNull());
    updateTags([&](VEAudioTagInfo& tags) {
        tags.coverBytes = bytes;
        tags.coverSize = int32_t(bytes.size());
    });
}

bool QAudioTagForm::setCoverFromFile(const QString& path)
{
    const CoverPicture picture = CoverPicture::fromFile(path);
    if (!picture.ok()) {
        if (m_report)
            m_report(this, picture.error);
        return false;
    }
    m_coverPath = path;
    setCover(picture.bytes.toStdString());
    return true;
}

void QAudioTagForm::setTagImage()
{
    const QString filter = tr("Images (*.png *.xpm *.jpg)");
    const QString path = QFileDialog::getOpenFileName(this, filter, m_lastImageDir, filter);
    if (path.isEmpty())
        return;
    m_lastImageDir = QFileInfo(path).absolutePath();
    setCoverFromFile(path);
}

void QAudioTagForm::onDeleteImage()
{
    m_coverPath.clear();
    setCover({});
}
