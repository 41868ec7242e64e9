// The edit dialog's work on its file: loading, writing tags on OK, asking for a cut, and
// taking recognized tags.
#include "qvideoeditingdlg.h"

#include <QFileInfo>
#include <QLabel>

#include "nxcoverimage.h"
#include "nxinfoclass.h"
#include "nxinfomanager.h"
#include "nxplayerclass.h"
#include "nxplayermanager.h"
#include "qaudiotagform.h"
#include "qeffectform.h"
#include "qmediaform.h"
#include "qnxbasebutton.h"
#include "qtrimwidget.h"
#include "qvideoeditingsettings.h"
#include "qvideoedittag.h"
#include "tagformatprobe.h"

namespace {
constexpr int kCoverThumbnailSide = 120;
// The player's preview mode for the edit dialog.
constexpr int kEditPreviewMode = 3;
}  // namespace

void QVideoEditingDlg::firstShow()
{
    m_firstShowDone = true;
    m_player = new NxPlayerManager(this);
    createRecognizer();
    m_settings->attachPlayer(m_player);
    connectPlayer();
    if (!m_path.isEmpty())
        loadCurrentFile();
    m_tabBar->selectTab(QVideoEditTag::Trim);
}

void QVideoEditingDlg::loadFile(const QString& path)
{
    m_path = path;
    m_path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    retranslate();  // the title names the file
    if (m_firstShowDone)
        loadCurrentFile();
}

void QVideoEditingDlg::loadCurrentFile()
{
    stopRecognizing();
    m_lblProblem->hide();
    m_mediaForm->setFileName(QFileInfo(m_path).fileName());
    const bool opened = m_info->open(m_path, 0, false);
    const int32_t a = m_a ? m_a : m_info->info()->GetMediaInfoValueA();
    const int32_t b = m_b ? m_b : m_info->info()->GetMediaInfoValueB();
    emit emitMediaCoverImage(NxCoverImage::fromInfo(*m_info, kCoverThumbnailSide));
    const bool playable = m_player->open(m_path, a, b, kEditPreviewMode);
    m_tags = m_info->readTags();
    if (m_chapters.isEmpty())
        m_chapters = m_info->chapters();

    VEEditConfig config = m_editConfig;
    config.tags = m_tags;
    m_settings->setConfig(config);
    m_tagForm->refresh();
    m_trimWidget->refresh();
    m_effectForm->refresh();

    m_tabBar->setTabHidden(QVideoEditTag::Tag, GetAudioFormat(m_path) == -1);
    if (!opened || !playable) {
        const QString why = opened ? m_player->lastError() : m_info->lastError();
        m_lblProblem->setText(
            tr("\"%1\" cannot be played: %2").arg(QFileInfo(m_path).fileName(), why));
        m_lblProblem->show();
        m_trimWidget->setPlayer(nullptr);
        return;
    }
    m_player->startPlay();
    // The Trim tab starts playing the file; the Effect tab's buttons follow.
    if (m_trimWidget->setPlayer(m_player->player()))
        m_effectForm->OnSetPlayState(m_trimWidget->pauseButton()->isVisibleTo(m_trimWidget));
}

int QVideoEditingDlg::GetAudioFormat(const QString& path)
{
    return audioTagFormat(path);
}

bool QVideoEditingDlg::fileStillThere(const QString& action)
{
    if (QFileInfo::exists(m_path))
        return true;
    showProblem(tr("\"%1\" no longer exists. %2").arg(m_path, action));
    return false;
}

void QVideoEditingDlg::onOK()
{
    const VEEditConfig config = m_settings->config();
    if (m_tagForm->isChanged() && fileStillThere(tr("Its tags were not written."))) {
        // The player lets go of the file before the tag writer rewrites it.
        if (m_player)
            m_player->closePlay();
        QString error;
        if (m_info->writeTags(config.tags, &error))
            emit emitAudioTagChange(config.tags, m_tagForm->coverPath());
        else
            showProblem(tr("The tags could not be written into \"%1\": %2").arg(m_path, error));
    }
    accept();
}

void QVideoEditingDlg::OnSetIsSetAudioEffect(bool bEffect)
{
    m_bSoundEffect = bEffect;
}

void QVideoEditingDlg::OnEmitConvertFile()
{
    if (!fileStillThere(tr("Nothing was cut.")))
        return;
    // Without a sound effect a cut may copy the audio as it is instead of encoding it again.
    emit emitConvertFile(m_settings->config(), !m_bSoundEffect);
}

bool QVideoEditingDlg::applyRecognizedTags(const VEAudioTagInfo& tags)
{
    if (tags.title.empty() && tags.artist.empty() && tags.album.empty())
        return false;
    VEAudioTagInfo recognized = tags;
    recognized.coverBytes = tags.coverBytes.substr(0, size_t(std::max(0, tags.coverSize)));
    recognized.coverSize = int32_t(recognized.coverBytes.size());
    m_settings->setTags(recognized);
    m_tagForm->setTags(recognized);
    return true;
}
