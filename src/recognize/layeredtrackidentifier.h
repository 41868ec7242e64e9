#pragma once
// LayeredTrackIdentifier: asks its back ends in order (the local catalogue first, then the
// online service when the user switched it on) and answers with the first match; when none
// matches, with the last back end's "no match" and the first reason given on the way. The
// back ends are owned. Thread: the one it lives on.

#include <QList>

#include "trackidentifier.h"

class LayeredTrackIdentifier : public TrackIdentifier {
    Q_OBJECT
public:
    explicit LayeredTrackIdentifier(QList<TrackIdentifier*> layers, QObject* parent = nullptr);
    // The local catalogue, and the online service when the preferences switch it on.
    static LayeredTrackIdentifier* fromPreferences(QObject* parent = nullptr);
    void identify(const TrackQuery& query) override;

private:
    void onIdentified(int layer, const TrackIdentification& result);

    QList<TrackIdentifier*> m_layers;
    TrackQuery m_query;
    QString m_reason;
    int m_asking = -1;  // the layer asked now; -1 when idle
};
