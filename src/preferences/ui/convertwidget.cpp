#include "convertwidget.h"

#include "nxskin.h"
#include "outputfolderrule.h"
#include "positivenumbervalidator.h"
#include "preferencegroup.h"
#include "preferencevalues.h"
#include "qnxbasebutton.h"
#include "qnxcheckbox.h"
#include "qnxcombobox.h"
#include "qnxlineedit.h"

#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kNumberFieldWidth = 80;
constexpr int kComboWidth = 300;

QNxLineEdit* makeNumberField(QWidget* parent, const char* objectName)
{
    auto* field = new QNxLineEdit(parent);
    field->setObjectName(QLatin1String(objectName));
    field->setValidator(new PositiveNumberValidator(field));
    field->setMaxLength(PositiveNumberValidator::kMaxDigits);
    field->setFixedWidth(kNumberFieldWidth);
    return field;
}

QNxComboBox* makeCombo(QWidget* parent, const char* objectName)
{
    auto* combo = new QNxComboBox(parent);
    combo->setObjectName(QLatin1String(objectName));
    combo->setFixedWidth(kComboWidth);
    return combo;
}

QNxBaseButton* makeButton(QWidget* parent, const char* objectName)
{
    auto* button = new QNxBaseButton(QStringLiteral("/image/common/btn_common.png"), parent);
    button->setObjectName(QLatin1String(objectName));
    button->setFontPixelSize(12);
    return button;
}

// A check box, a number field and its unit on one line; the field follows the box.
QHBoxLayout* numberLine(QNxCheckBox* box, QNxLineEdit* field, QLabel* unit)
{
    auto* line = new QHBoxLayout;
    line->setSpacing(8);
    line->addWidget(box);
    line->addWidget(field);
    line->addWidget(unit);
    line->addStretch(1);
    QObject::connect(box, &QAbstractButton::toggled, field, &QWidget::setEnabled);
    return line;
}

// Fills a combo box the first time and renames its items later, keeping the choice.
void setItems(QComboBox* combo, const QStringList& texts)
{
    if (combo->count() == 0) {
        combo->addItems(texts);
        return;
    }
    for (int i = 0; i < texts.size() && i < combo->count(); ++i)
        combo->setItemText(i, texts.at(i));
}

}  // namespace

ConvertWidget::ConvertWidget(QWidget* parent)
    : QWidget(parent),
      m_chooseFolder([](QWidget* owner, const QString& caption, const QString& start) {
          return QFileDialog::getExistingDirectory(owner, caption, start);
      })
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(14);
    buildLocation();
    buildDelete();
    buildSplit();
    buildArchive();
    buildFinished();
    for (QGroupBox* group :
         {m_GroupLocation, m_GroupDelete, m_GroupSplit, m_GroupArchive, m_GroupFinished})
        column->addWidget(group);
    retranslateUi();
}

void ConvertWidget::buildLocation()
{
    m_GroupLocation = new PreferenceGroup("m_GroupLocation", this);
    auto* grid = new QGridLayout(m_GroupLocation);
    PreferenceGroup::frame(grid);
    m_lblOutput = PreferenceGroup::makeLabel(m_GroupLocation);
    m_editPath = new QNxLineEdit(m_GroupLocation);
    m_editPath->setObjectName(QStringLiteral("m_editPath"));
    m_lblOutput->setBuddy(m_editPath);
    m_btnChange = makeButton(m_GroupLocation, "m_btnChange");
    m_btnReset = makeButton(m_GroupLocation, "m_btnReset");
    m_lblScreenshot = PreferenceGroup::makeLabel(m_GroupLocation);
    m_editScreenshot = new QNxLineEdit(m_GroupLocation);
    m_editScreenshot->setObjectName(QStringLiteral("m_editScreenshot"));
    m_editScreenshot->setReadOnly(true);
    m_lblScreenshot->setBuddy(m_editScreenshot);
    grid->addWidget(m_lblOutput, 0, 0, 1, 3);
    grid->addWidget(m_editPath, 1, 0);
    grid->addWidget(m_btnChange, 1, 1);
    grid->addWidget(m_btnReset, 1, 2);
    grid->addWidget(m_lblScreenshot, 2, 0, 1, 3);
    grid->addWidget(m_editScreenshot, 3, 0);
    grid->setColumnStretch(0, 1);
    connect(m_btnChange, &QAbstractButton::clicked, this, &ConvertWidget::OnChangePath);
    connect(m_btnReset, &QAbstractButton::clicked, this, &ConvertWidget::OnResetPath);
}

void ConvertWidget::buildDelete()
{
    auto* group = new PreferenceGroup("m_GroupDelete", this);
    m_GroupDelete = group;
    QVBoxLayout* rows = group->rows();
    m_chkDuration = new QNxCheckBox(m_GroupDelete);
    m_chkDuration->setObjectName(QStringLiteral("m_chkDuration"));
    m_editDuration = makeNumberField(m_GroupDelete, "m_editDuration");
    m_lblSeconds = PreferenceGroup::makeLabel(m_GroupDelete);
    rows->addLayout(numberLine(m_chkDuration, m_editDuration, m_lblSeconds));
    m_chkSilent = new QNxCheckBox(m_GroupDelete);
    m_chkSilent->setObjectName(QStringLiteral("m_chkSilent"));
    rows->addWidget(m_chkSilent);
}

void ConvertWidget::buildSplit()
{
    auto* group = new PreferenceGroup("m_GroupSplit", this);
    m_GroupSplit = group;
    QVBoxLayout* rows = group->rows();
    m_chkSilence = new QNxCheckBox(m_GroupSplit);
    m_chkSilence->setObjectName(QStringLiteral("m_chkSilence"));
    m_editSilence = makeNumberField(m_GroupSplit, "m_editSilence");
    m_lblMilliseconds = PreferenceGroup::makeLabel(m_GroupSplit);
    rows->addLayout(numberLine(m_chkSilence, m_editSilence, m_lblMilliseconds));
    m_chkTrack = new QNxCheckBox(m_GroupSplit);
    m_chkTrack->setObjectName(QStringLiteral("m_chkTrack"));
    m_cmbTrack = makeCombo(m_GroupSplit, "m_cmbTrack");
    auto* line = new QHBoxLayout;
    line->setSpacing(8);
    line->addWidget(m_chkTrack);
    line->addWidget(m_cmbTrack);
    line->addStretch(1);
    rows->addLayout(line);
    // Which tracks split a recording matters only while splitting at tracks is on.
    connect(m_chkTrack, &QAbstractButton::toggled, m_cmbTrack, &QWidget::setEnabled);
}

void ConvertWidget::buildArchive()
{
    auto* group = new PreferenceGroup("m_GroupArchive", this);
    m_GroupArchive = group;
    QVBoxLayout* rows = group->rows();
    m_cmbArchive = makeCombo(m_GroupArchive, "m_cmbArchive");
    rows->addWidget(m_cmbArchive, 0, Qt::AlignLeft);
}

void ConvertWidget::buildFinished()
{
    auto* group = new PreferenceGroup("m_GroupFinished", this);
    m_GroupFinished = group;
    QVBoxLayout* rows = group->rows();
    m_lblFinished = PreferenceGroup::makeLabel(m_GroupFinished);
    m_cmbFinished = makeCombo(m_GroupFinished, "m_cmbFinished");
    m_lblFinished->setBuddy(m_cmbFinished);
    rows->addWidget(m_lblFinished);
    rows->addWidget(m_cmbFinished, 0, Qt::AlignLeft);
}

void ConvertWidget::retranslateUi()
{
    m_GroupLocation->setTitle(tr("Location of Output Files"));
    m_lblOutput->setText(tr("Output folder:"));
    m_editPath->setAccessibleName(tr("Output folder"));
    m_btnChange->setText(tr("Change"));
    m_btnReset->setText(tr("Reset"));
    m_lblScreenshot->setText(tr("Screenshot folder:"));
    m_editScreenshot->setAccessibleName(tr("Screenshot folder"));

    m_GroupDelete->setTitle(tr("Delete Recordings Automatically"));
    m_chkDuration->setText(tr("The duration is less than"));
    m_editDuration->setAccessibleName(tr("The duration is less than (seconds)"));
    m_lblSeconds->setText(tr("seconds"));
    m_chkSilent->setText(tr("The recording is silent"));

    m_GroupSplit->setTitle(tr("Split Recordings Individually"));
    m_chkSilence->setText(tr("The silence is more than"));
    m_editSilence->setAccessibleName(tr("The silence is more than (milliseconds)"));
    m_lblMilliseconds->setText(tr("milliseconds"));
    m_chkTrack->setText(tr("Split at tracks"));
    m_cmbTrack->setAccessibleName(tr("Split at tracks"));
    setItems(m_cmbTrack, {tr("When a new track begins"), tr("When a new track begins or replays")});

    m_GroupArchive->setTitle(tr("Archive output tracks by"));
    m_cmbArchive->setAccessibleName(tr("Archive output tracks by"));
    setItems(m_cmbArchive, {tr("Artist"), tr("Artist/Album"), tr("None")});

    m_GroupFinished->setTitle(tr("Conversion Completed"));
    m_lblFinished->setText(tr("When all job finished"));
    m_cmbFinished->setAccessibleName(tr("When all job finished"));
    setItems(m_cmbFinished,
             {tr("Do Nothing"), tr("Put Computer to Sleep"), tr("Shut Down My Computer")});
}

void ConvertWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void ConvertWidget::load(const PreferenceValues& values)
{
    m_acceptedFolder = values.outputFolder;
    m_editPath->setText(values.outputFolder);
    m_editScreenshot->setText(values.screenshotFolder);
    m_chkDuration->setChecked(values.deleteShort);
    m_editDuration->setText(values.shortSeconds);
    m_editDuration->setEnabled(values.deleteShort);
    m_chkSilent->setChecked(values.deleteSilent);
    m_chkSilence->setChecked(values.splitAtSilence);
    m_editSilence->setText(values.silenceMs);
    m_editSilence->setEnabled(values.splitAtSilence);
    m_chkTrack->setChecked(values.splitAtTrack);
    m_cmbTrack->setCurrentIndex(int(values.trackSplit));
    m_cmbTrack->setEnabled(values.splitAtTrack);
    m_cmbArchive->setCurrentIndex(int(values.archiveBy));
    m_cmbFinished->setCurrentIndex(int(values.jobsFinished));
}

void ConvertWidget::save(PreferenceValues* values) const
{
    values->jobsFinished = PreferenceValues::JobsFinished(m_cmbFinished->currentIndex());
    values->outputFolder = m_editPath->text();
    values->deleteShort = m_chkDuration->isChecked();
    values->deleteSilent = m_chkSilent->isChecked();
    values->shortSeconds = m_editDuration->text();
    values->splitAtTrack = m_chkTrack->isChecked();
    values->trackSplit = PreferenceValues::TrackSplit(m_cmbTrack->currentIndex());
    values->splitAtSilence = m_chkSilence->isChecked();
    values->silenceMs = m_editSilence->text();
    values->archiveBy = PreferenceValues::ArchiveBy(m_cmbArchive->currentIndex());
}

bool ConvertWidget::checkInput()
{
    if (m_editPath->text() != m_acceptedFolder && !acceptFolder(m_editPath->text())) {
        m_editPath->setFocus();
        return false;
    }
    return checkNumber(m_chkDuration, m_editDuration) && checkNumber(m_chkSilence, m_editSilence);
}

void ConvertWidget::setFolderChooser(FolderChooser chooser)
{
    m_chooseFolder = std::move(chooser);
}

void ConvertWidget::OnChangePath()
{
    const QString folder = m_chooseFolder(this, tr("Save to"), m_editPath->text());
    if (!folder.isEmpty())
        acceptFolder(folder);
}

void ConvertWidget::OnResetPath()
{
    m_editPath->setText(PreferenceValues::defaultOutputFolder());
    m_acceptedFolder = m_editPath->text();
}

bool ConvertWidget::acceptFolder(const QString& folder)
{
    const QString problem = OutputFolderRule::problem(folder);
    if (!problem.isEmpty()) {
        m_editPath->setText(m_acceptedFolder);
        emit emitProblem(problem);
        return false;
    }
    m_acceptedFolder = OutputFolderRule::normalized(folder);
    m_editPath->setText(m_acceptedFolder);
    return true;
}

bool ConvertWidget::checkNumber(QNxCheckBox* box, QNxLineEdit* field)
{
    if (!box->isChecked() || field->hasAcceptableInput())
        return true;
    field->setFocus();
    emit emitProblem(tr("\"%1\" needs a whole number of 1 or more.").arg(box->text()));
    return false;
}
