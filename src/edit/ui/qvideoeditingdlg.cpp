#include "qvideoeditingdlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "nxinfomanager.h"
#include "nxplayermanager.h"
#include "nxskin.h"
#include "qaudiotagform.h"
#include "qeffectform.h"
#include "qmediaform.h"
#include "qnxbasebutton.h"
#include "qnxmessagebox.h"
#include "qtrimwidget.h"
#include "qvideoeditingsettings.h"
#include "qvideoedittag.h"

namespace {

const QSize kDialogSize(900, 640);

QNxBaseButton* makeTextButton(const QString& image, const char* objectName, QWidget* parent)
{
    auto* button = new QNxBaseButton(image, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setFontPixelSize(13);
    button->setFixedSize(button->size());
    return button;
}

}  // namespace

QVideoEditingDlg::QVideoEditingDlg(QWidget* parent)
    : QNxDialog(parent),
      m_info(new NxInfoManager(this)),
      m_settings(new QVideoEditingSettings(this)),
      m_report([](QWidget* owner, const QString& text) {
          QNxMessageBox::warning(owner, tr("Edit"), text);
      })
{
    setObjectName(QStringLiteral("QVideoEditingDlg"));
    setModal(true);
    resize(kDialogSize);
    setCloseButtonImage(QStringLiteral("/image/btn_close.png"));
    m_info->ensureInfoObject();
    buildWidgets();
    retranslate();
    selectedTag(QVideoEditTag::Trim);
}

QVideoEditingDlg::~QVideoEditingDlg()
{
    // The trim widget hands over its produced files as it goes (emitSaveFile, forwarded as
    // emitSaveConvertFileList): it goes first, while the dialog can still send them.
    delete m_trimWidget;
    // The settings would otherwise apply changes to a player that is being destroyed.
    m_settings->attachPlayer(nullptr);
}

void QVideoEditingDlg::buildWidgets()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 8, 16, 14);
    outer->setSpacing(10);
    outer->addLayout(buildTopRow());

    // The three tabs; selectedTag shows one of them.
    m_trimWidget = new QTrimWidget(this);
    m_trimWidget->setSettings(m_settings);
    outer->addWidget(m_trimWidget, 1);

    m_effectTab = new QWidget(this);
    auto* effectRow = new QHBoxLayout(m_effectTab);
    effectRow->setContentsMargins(0, 0, 0, 0);
    effectRow->setSpacing(16);
    m_effectForm = new QEffectForm(m_effectTab);
    m_effectForm->setSettings(m_settings);
    effectRow->addWidget(m_effectForm, 1);
    m_mediaForm = new QMediaForm(m_effectTab);
    effectRow->addWidget(m_mediaForm, 0, Qt::AlignTop);
    connect(this, &QVideoEditingDlg::emitMediaCoverImage, m_mediaForm,
            &QMediaForm::OnSetCoverImage);
    outer->addWidget(m_effectTab, 1);

    m_tagForm = new QAudioTagForm(this);
    m_tagForm->setSettings(m_settings);
    outer->addWidget(m_tagForm, 1);

    outer->addLayout(buildButtonRow());
    connectTabs();
}

void QVideoEditingDlg::connectTabs()
{
    connect(m_effectForm, &QEffectForm::emitSetAudioEffect, this,
            &QVideoEditingDlg::OnSetIsSetAudioEffect);
    connect(m_trimWidget, &QTrimWidget::emitConvertFile, this,
            &QVideoEditingDlg::OnEmitConvertFile);
    connect(m_trimWidget, &QTrimWidget::emitSaveFile, this,
            &QVideoEditingDlg::emitSaveConvertFileList);
    connect(this, &QVideoEditingDlg::emitConvertFilePath, m_trimWidget,
            &QTrimWidget::OnSetSaveFile);
    // The play buttons of the Trim and Effect tabs stay in step.
    connect(m_trimWidget, &QTrimWidget::emitPlayState, m_effectForm, &QEffectForm::OnSetPlayState);
    connect(m_effectForm, &QEffectForm::emitPlayState, m_trimWidget, &QTrimWidget::OnSetPlayState);
}

void QVideoEditingDlg::connectPlayer()
{
    connect(m_effectForm, &QEffectForm::emitPause, m_player, &NxPlayerManager::onPause);
    connect(m_effectForm, &QEffectForm::emitPlay, m_player, &NxPlayerManager::onPlay);
    connect(m_effectForm, &QEffectForm::emitSeekPlayProgress, m_player,
            &NxPlayerManager::progressValueChange);
    connect(m_player, &NxPlayerManager::emitPlayProgress, m_effectForm, &QEffectForm::OnSetPlayPro);
    connect(m_player, &NxPlayerManager::emitPlayTime2, m_effectForm, &QEffectForm::OnSetPlayTime);
    connect(m_player, &NxPlayerManager::emitPlayFinish, m_trimWidget, &QTrimWidget::OnStop);
}

QLayout* QVideoEditingDlg::buildTopRow()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    m_tabBar = new QVideoEditTag(this);
    m_tabBar->setObjectName(QStringLiteral("m_tabBar"));
    row->addWidget(m_tabBar);
    row->addStretch(1);
    m_btnPrevious = new QNxBaseButton(QStringLiteral("/btn_previous.png"), this);
    m_btnPrevious->setObjectName(QStringLiteral("m_btnPrevious"));
    m_btnNext = new QNxBaseButton(QStringLiteral("/btn_next.png"), this);
    m_btnNext->setObjectName(QStringLiteral("m_btnNext"));
    row->addWidget(m_btnPrevious);
    row->addWidget(m_btnNext);
    connect(m_tabBar, &QVideoEditTag::emitSelectedTag, this, &QVideoEditingDlg::selectedTag);
    connect(m_btnPrevious, &QAbstractButton::clicked, this, &QVideoEditingDlg::OnBtnPrevNext);
    connect(m_btnNext, &QAbstractButton::clicked, this, &QVideoEditingDlg::OnBtnPrevNext);
    return row;
}

QLayout* QVideoEditingDlg::buildButtonRow()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    m_btnRecognize =
        makeTextButton(QStringLiteral("/image/common/btn_common.png"), "m_btnRecognize", this);
    connect(m_btnRecognize, &QAbstractButton::clicked, this, &QVideoEditingDlg::OnBtnRecognize);
    row->addWidget(m_btnRecognize);
    m_lblProblem = new QLabel(this);
    m_lblProblem->setObjectName(QStringLiteral("m_lblProblem"));
    m_lblProblem->setFont(NxSkin::font(12));
    m_lblProblem->setStyleSheet(QStringLiteral("QLabel{color:%1;}").arg(NxSkin::warning().name()));
    m_lblProblem->setWordWrap(true);
    m_lblProblem->hide();
    row->addWidget(m_lblProblem, 1);
    row->addStretch(0);
    m_btnOk = makeTextButton(QStringLiteral("/image/common/btn_accent.png"), "m_btnOk", this);
    m_btnCancel =
        makeTextButton(QStringLiteral("/image/common/btn_common.png"), "m_btnCancel", this);
    row->addWidget(m_btnOk);
    row->addWidget(m_btnCancel);
    connect(m_btnOk, &QAbstractButton::clicked, this, &QVideoEditingDlg::onOK);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &QWidget::close);
    return row;
}

void QVideoEditingDlg::retranslate()
{
    m_btnPrevious->setToolTip(tr("Previous File"));
    m_btnPrevious->setAccessibleName(tr("Previous File"));
    m_btnNext->setToolTip(tr("Next File"));
    m_btnNext->setAccessibleName(tr("Next File"));
    m_btnRecognize->setText(tr("Recognize"));
    m_btnRecognize->setToolTip(tr("Identify the music and fill in its tags"));
    m_btnOk->setText(tr("OK"));
    m_btnCancel->setText(tr("Cancel"));
    if (!m_path.isEmpty())
        setTitle(tr("Edit - %1").arg(m_path.mid(m_path.lastIndexOf(QLatin1Char('/')) + 1)));
}

void QVideoEditingDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QNxDialog::changeEvent(event);
}

void QVideoEditingDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape must not throw away the edits of a large dialog by accident.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QNxDialog::keyPressEvent(event);
}

void QVideoEditingDlg::showEvent(QShowEvent* event)
{
    QNxDialog::showEvent(event);
    if (!m_firstShowDone)
        firstShow();
}

void QVideoEditingDlg::selectedTag(int index)
{
    m_currentTab = index;
    m_trimWidget->setVisible(index == QVideoEditTag::Trim);
    m_effectTab->setVisible(index == QVideoEditTag::Effect);
    if (index == QVideoEditTag::Effect)
        m_mediaForm->setCurrentTab(index);
    m_tagForm->setVisible(index == QVideoEditTag::Tag);
    m_btnRecognize->setVisible(index == QVideoEditTag::Tag);
}

void QVideoEditingDlg::OnBtnPrevNext()
{
    if (sender() == m_btnPrevious)
        emit emitPreviousFile();
    else if (sender() == m_btnNext)
        emit emitNextFile();
}

void QVideoEditingDlg::setProblemReporter(ProblemReporter reporter)
{
    m_report = reporter;
    m_tagForm->setProblemReporter(std::move(reporter));
}

void QVideoEditingDlg::setPlayerOpenValues(int32_t a, int32_t b)
{
    m_a = a;
    m_b = b;
}

void QVideoEditingDlg::showProblem(const QString& text)
{
    if (m_report)
        m_report(this, text);
}
