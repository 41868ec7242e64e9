#pragma once
// TrackIdentifier: one way of naming the music in a sound (the local catalogue, an online
// service). Callers hold the interface, so they never know which back end answered.
//
// Contract: identify() returns at once; identified() follows exactly once per call, later
// (never from inside identify()), on the identifier's thread. A call made while another runs
// replaces it: only the newer one is answered. Never blocks the calling thread on the network
// or on fingerprinting.

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>

// What a back end gets: a file, or a fingerprint with the sound's duration, or both.
struct TrackQuery {
    QString filePath;
    QString fingerprint;  // Chromaprint's compressed form in base64, as fpcalc prints it
    int durationS = 0;
};

// What a back end found. matched is false for "no match"; reason then says why when something
// failed (no network, an invalid key...), empty when the music is simply unknown.
struct TrackIdentification {
    bool matched = false;
    QString reason;
    double score = 0;  // 0..1
    QString title;
    QString artist;
    QString album;
    QString date;
    QString genre;
    QByteArray cover;  // picture bytes, empty when none was found

    static TrackIdentification noMatch(const QString& why = QString())
    {
        TrackIdentification result;
        result.reason = why;
        return result;
    }
};

Q_DECLARE_METATYPE(TrackIdentification)

class TrackIdentifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void identify(const TrackQuery& query) = 0;

signals:
    void identified(const TrackIdentification& result);
};
