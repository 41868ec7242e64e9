#pragma once
// OnlineRecordingIdentification: asks the online service about finished recordings the local
// catalogue did not know, one file at a time (an OnlineTrackIdentifier answers only its newest
// query). A file is looked up with the settings of the moment it was queued: with online
// identification off, or without an API key, nothing is queued and nothing leaves the machine.
//
// The file is fingerprinted on a pool thread and the service is asked over the network, so the
// GUI thread and the recording never wait. A failure (no network, an invalid key, a rate limit,
// an answer that is not the service's) is logged and ends that file's turn. A match is passed
// on only while the file is as it was queued (same size and time of change): a file deleted,
// moved or rewritten meanwhile gets nothing. GUI thread only.

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include "nxrecognizeraudiotaginfo.h"
#include "onlinelookupsettings.h"

class OnlineTrackIdentifier;
struct TrackIdentification;

class OnlineRecordingIdentification : public QObject {
    Q_OBJECT
public:
    explicit OnlineRecordingIdentification(QObject* parent = nullptr);
    ~OnlineRecordingIdentification() override;

    // Queues the file of the session's piece `piece`. False (nothing queued) when online
    // identification is off or has no key, or the file is not there.
    bool enqueue(const QString& path, quint64 piece);
    // Files queued or being looked up.
    int pending() const { return int(m_queue.size()) + (m_current ? 1 : 0); }

signals:
    // The service named the music of the file at `path` (written by piece `piece`).
    void identified(const NxRecognizerAudioTagInfo& info, const QString& path, quint64 piece);
    // A file's turn is over, matched or not; pending() already counts it out.
    void lookupEnded(const QString& path);

private:
    struct Lookup {
        QString path;
        quint64 piece = 0;
        OnlineLookupSettings settings;
        qint64 sizeBytes = -1;
        QDateTime modified;
    };

    void startNext();
    void onAnswer(const TrackIdentification& result);
    // True while the file is the one that was queued.
    static bool unchanged(const Lookup& lookup);

    QList<Lookup> m_queue;
    Lookup m_lookup;                             // the file being looked up
    OnlineTrackIdentifier* m_current = nullptr;  // its identifier, null when idle
};
