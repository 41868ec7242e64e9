// The edit dialog's "Recognize": the engine identifies the file against the local catalogue on
// its own thread; the dialog polls it every 500 ms, so the GUI thread never waits, and fills
// the Tag tab with what was found. When the catalogue does not know the music, the fallback
// identifier (the online service, when switched on) is asked, asynchronously too.
#include "qvideoeditingdlg.h"

#include <QLabel>
#include <QTimer>

#include "identifiedtrack.h"
#include "nxaudiorecognizer.h"
#include "onlinetrackidentifier.h"
#include "qnxbasebutton.h"

namespace {

constexpr int kRecognizePollMs = 500;

QString noMatchText(const QString& reason)
{
    return reason.isEmpty() ? QVideoEditingDlg::tr("No match: this music is not in the catalogue.")
                            : QVideoEditingDlg::tr("No match: %1").arg(reason);
}

}  // namespace

void QVideoEditingDlg::createRecognizer()
{
    m_recognizer = new NxAudioRecognizer(this);
    m_recognizeTimer = new QTimer(this);
    m_recognizeTimer->setInterval(kRecognizePollMs);
    connect(m_recognizeTimer, &QTimer::timeout, this,
            &QVideoEditingDlg::OnGetIsRecognizedCompelete);
}

bool QVideoEditingDlg::isRecognizing() const
{
    return m_askingFallback || (m_recognizeTimer && m_recognizeTimer->isActive());
}

void QVideoEditingDlg::setFallbackIdentifier(TrackIdentifier* identifier)
{
    m_fallback = identifier;
    if (m_fallback)
        connect(m_fallback, &TrackIdentifier::identified, this,
                &QVideoEditingDlg::onFallbackIdentified, Qt::UniqueConnection);
}

void QVideoEditingDlg::OnBtnRecognize()
{
    if (!m_recognizer || isRecognizing() || m_path.isEmpty())
        return;
    m_lblProblem->hide();
    m_recognizer->ReleaseAudioRecognizer();
    m_recognizer->CreateAudioRecognizerFromFilepath(m_path);
    if (!m_recognizer->isOpen()) {
        finishRecognizing(tr("\"%1\" cannot be identified: it is not audio that can be read.")
                              .arg(m_path.mid(m_path.lastIndexOf(QLatin1Char('/')) + 1)));
        return;
    }
    m_btnRecognize->setEnabled(false);
    m_recognizeTimer->start();
}

void QVideoEditingDlg::OnGetIsRecognizedCompelete()
{
    if (m_recognizer->isRecognized()) {
        const bool filled = applyRecognizedTags(m_recognizer->tagInfo().toAudioTags());
        finishRecognizing(filled ? QString() : tr("No match: the track found has no tags."));
    } else if (m_recognizer->hasEndedWithoutMatch()) {
        const QString reason = m_recognizer->failureReason();
        m_recognizeTimer->stop();
        if (!askFallback())
            finishRecognizing(noMatchText(reason));
    }
}

bool QVideoEditingDlg::askFallback()
{
    if (!m_fallback) {
        const OnlineLookupSettings online = OnlineLookupSettings::load();
        if (!online.enabled)
            return false;
        // Made again for every lookup: the preferences may have changed since.
        delete m_onlineIdentifier;
        m_onlineIdentifier = new OnlineTrackIdentifier(online, this);
        connect(m_onlineIdentifier, &TrackIdentifier::identified, this,
                &QVideoEditingDlg::onFallbackIdentified);
    }
    m_askingFallback = true;
    TrackQuery query;
    query.filePath = m_path;
    (m_fallback ? m_fallback : m_onlineIdentifier)->identify(query);
    return true;
}

void QVideoEditingDlg::onFallbackIdentified(const TrackIdentification& result)
{
    if (!m_askingFallback)
        return;  // an answer for a file no longer shown
    const bool filled =
        result.matched && applyRecognizedTags(tagsOfIdentifiedTrack(result).toAudioTags());
    finishRecognizing(filled ? QString() : noMatchText(result.reason));
}

void QVideoEditingDlg::finishRecognizing(const QString& problem)
{
    stopRecognizing();
    if (problem.isEmpty())
        return;
    m_lblProblem->setText(problem);
    m_lblProblem->show();
}

void QVideoEditingDlg::stopRecognizing()
{
    if (!m_recognizer)
        return;
    m_recognizeTimer->stop();
    m_askingFallback = false;
    m_recognizer->ReleaseAudioRecognizer();
    m_btnRecognize->setEnabled(true);
}
