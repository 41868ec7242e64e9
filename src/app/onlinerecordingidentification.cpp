#include "onlinerecordingidentification.h"

#include <QDebug>
#include <QFileInfo>

#include "identifiedtrack.h"
#include "onlinetrackidentifier.h"

OnlineRecordingIdentification::OnlineRecordingIdentification(QObject* parent) : QObject(parent) {}

OnlineRecordingIdentification::~OnlineRecordingIdentification() = default;

bool OnlineRecordingIdentification::enqueue(const QString& path, quint64 piece)
{
    Lookup lookup;
    lookup.settings = OnlineLookupSettings::load();
    if (!lookup.settings.enabled || lookup.settings.apiKey.isEmpty())
        return false;
    const QFileInfo file(path);
    if (!file.exists())
        return false;
    lookup.path = path;
    lookup.piece = piece;
    lookup.sizeBytes = file.size();
    lookup.modified = file.lastModified();
    m_queue.append(lookup);
    if (!m_current)
        startNext();
    return true;
}

void OnlineRecordingIdentification::startNext()
{
    while (!m_queue.isEmpty()) {
        m_lookup = m_queue.takeFirst();
        if (!unchanged(m_lookup)) {
            qInfo().noquote() << "not looked up online: the recording changed or went:"
                              << m_lookup.path;
            emit lookupEnded(m_lookup.path);
            continue;
        }
        // One identifier per file: each has the settings of its own moment.
        m_current = new OnlineTrackIdentifier(m_lookup.settings, this);
        connect(m_current, &TrackIdentifier::identified, this,
                &OnlineRecordingIdentification::onAnswer);
        m_current->identify(TrackQuery{m_lookup.path, QString(), 0});
        return;
    }
}

void OnlineRecordingIdentification::onAnswer(const TrackIdentification& result)
{
    m_current->deleteLater();
    m_current = nullptr;
    const Lookup done = m_lookup;
    if (!result.matched) {
        if (!result.reason.isEmpty())
            qWarning().noquote() << "online identification of" << done.path
                                 << "failed:" << result.reason;
    } else if (!unchanged(done)) {
        qInfo().noquote() << "online match dropped: the recording changed or went:" << done.path;
    } else {
        emit identified(tagsOfIdentifiedTrack(result), done.path, done.piece);
    }
    emit lookupEnded(done.path);
    startNext();
}

bool OnlineRecordingIdentification::unchanged(const Lookup& lookup)
{
    const QFileInfo file(lookup.path);
    return file.exists() && file.size() == lookup.sizeBytes &&
           file.lastModified() == lookup.modified;
}
