#include "generalwidget.h"

#include "languageswitcher.h"
#include "preferencegroup.h"
#include "preferencevalues.h"
#include "qnxcheckbox.h"
#include "qnxcombobox.h"
#include "qnxlineedit.h"
#include "qnxradiobutton.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <tuple>

namespace {

constexpr int kGroupSpacing = 14;

// A group with its controls one per row.
// Two exclusive radio buttons in the group's rows, the second one checked.
std::pair<QNxRadioButton*, QNxRadioButton*> addRadioPair(PreferenceGroup* group,
                                                         const char* firstName,
                                                         const char* secondName)
{
    auto* exclusive = new QButtonGroup(group);
    QNxRadioButton* pair[2] = {};
    const char* names[2] = {firstName, secondName};
    for (int i = 0; i < 2; ++i) {
        pair[i] = new QNxRadioButton(group);
        pair[i]->setObjectName(QLatin1String(names[i]));
        exclusive->addButton(pair[i]);
        group->rows()->addWidget(pair[i]);
    }
    pair[1]->setChecked(true);
    return {pair[0], pair[1]};
}

}  // namespace

GeneralWidget::GeneralWidget(LanguageSwitcher& languages, QWidget* parent)
    : QWidget(parent), m_languages(languages)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kGroupSpacing);
    buildUpdates();
    buildClose();
    buildLanguage();
    buildOnline();
    column->addWidget(m_GroupUpdates);
    column->addWidget(m_GroupClose);
    column->addWidget(m_GroupLanguage);
    column->addWidget(m_GroupOnline);
    retranslateUi();
}

void GeneralWidget::buildUpdates()
{
    auto* group = new PreferenceGroup("m_GroupUpdates", this);
    m_GroupUpdates = group;
    std::tie(m_radAutoUpdate, m_radCloseUpdate) =
        addRadioPair(group, "m_radAutoUpdate", "m_radCloseUpdate");
    // Updates come from the distribution's packages; the choice stays for builds that offer
    // their own.
    m_GroupUpdates->hide();
    connect(m_radAutoUpdate, &QAbstractButton::toggled, this, &GeneralWidget::OnChanegeUpdate);
}

void GeneralWidget::buildClose()
{
    auto* group = new PreferenceGroup("m_GroupClose", this);
    m_GroupClose = group;
    std::tie(m_radMin, m_radExit) = addRadioPair(group, "m_radMin", "m_radExit");
    connect(m_radExit, &QAbstractButton::toggled, this, &GeneralWidget::OnChangeClose);
}

void GeneralWidget::buildLanguage()
{
    auto* group = new PreferenceGroup("m_GroupLanguage", this);
    m_GroupLanguage = group;
    m_cmbLan = new QNxComboBox(m_GroupLanguage);
    m_cmbLan->setObjectName(QStringLiteral("m_cmbLan"));
    m_cmbLan->setMinimumWidth(220);
    // Each language is shown by its own name, so it can be found whatever language is in place.
    const LanguageCatalogue languages = m_languages.catalogue();
    for (const LanguageEntry& entry : languages.entries())
        m_cmbLan->addItem(entry.display, entry.name);
    showLanguage(m_languages.currentName());
    auto* line = new QHBoxLayout;
    line->addWidget(m_cmbLan);
    line->addStretch(1);
    group->rows()->addLayout(line);
    connect(m_cmbLan, QOverload<int>::of(&QComboBox::activated), this,
            &GeneralWidget::languageChange);
}

void GeneralWidget::buildOnline()
{
    auto* group = new PreferenceGroup("m_GroupOnline", this);
    m_GroupOnline = group;
    m_chkOnline = new QNxCheckBox(group);
    m_chkOnline->setObjectName(QStringLiteral("m_chkOnline"));
    group->rows()->addWidget(m_chkOnline);
    m_lblApiKey = PreferenceGroup::makeLabel(group);
    m_lblApiKey->setObjectName(QStringLiteral("m_lblApiKey"));
    m_editApiKey = new QNxLineEdit(group);
    m_editApiKey->setObjectName(QStringLiteral("m_editApiKey"));
    m_editApiKey->setMinimumWidth(260);
    m_lblApiKey->setBuddy(m_editApiKey);
    auto* line = new QHBoxLayout;
    line->addWidget(m_lblApiKey);
    line->addWidget(m_editApiKey);
    line->addStretch(1);
    group->rows()->addLayout(line);
    m_editApiKey->setEnabled(false);
    connect(m_chkOnline, &QAbstractButton::toggled, m_editApiKey, &QWidget::setEnabled);
}

void GeneralWidget::retranslateUi()
{
    m_GroupUpdates->setTitle(tr("Automatic updates"));
    m_radAutoUpdate->setText(tr("Automatically update to the newest version"));
    m_radCloseUpdate->setText(tr("Close automatic updates"));
    m_GroupClose->setTitle(tr("Close"));
    m_radMin->setText(tr("Minimize to Tray"));
    m_radExit->setText(tr("Exit"));
    m_GroupLanguage->setTitle(tr("Language"));
    m_cmbLan->setAccessibleName(tr("Language"));
    m_GroupOnline->setTitle(tr("Online recognition"));
    m_chkOnline->setText(tr("Identify music with AcoustID and MusicBrainz"));
    m_chkOnline->setToolTip(
        tr("Only the sound's fingerprint and duration are sent, when the local catalogue "
           "does not know the music."));
    m_lblApiKey->setText(tr("AcoustID API key:"));
    m_editApiKey->setAccessibleName(tr("AcoustID API key"));
}

void GeneralWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void GeneralWidget::load(const PreferenceValues& values)
{
    (values.autoUpdate ? m_radAutoUpdate : m_radCloseUpdate)->setChecked(true);
    (values.exitOnClose ? m_radExit : m_radMin)->setChecked(true);
    m_exitOnClose = values.exitOnClose;
    m_chkOnline->setChecked(values.onlineLookup);
    m_editApiKey->setText(values.acoustIdKey);
}

void GeneralWidget::save(PreferenceValues* values) const
{
    values->autoUpdate = m_radAutoUpdate->isChecked();
    values->exitOnClose = m_exitOnClose;
    values->onlineLookup = m_chkOnline->isChecked();
    values->acoustIdKey = m_editApiKey->text().trimmed();
}

void GeneralWidget::showLanguage(const QString& name)
{
    const QSignalBlocker quiet(m_cmbLan);
    const int index = m_cmbLan->findData(name);
    if (index >= 0)
        m_cmbLan->setCurrentIndex(index);
}

QString GeneralWidget::chosenLanguage() const
{
    return m_cmbLan->currentData().toString();
}

void GeneralWidget::OnChanegeUpdate()
{
    emit sendUpdate(m_radAutoUpdate->isChecked());
}

void GeneralWidget::OnChangeClose()
{
    m_exitOnClose = m_radExit->isChecked();
}

void GeneralWidget::languageChange(int index)
{
    const QString name = m_cmbLan->itemData(index).toString();
    if (name.isEmpty())
        return;
    // A language that cannot be put in place leaves English; the box shows what is in place.
    m_languages.switchTo(name);
    showLanguage(m_languages.currentName());
    emit sendLanguageName(m_languages.currentName());
}
