#pragma once
// CatalogueTrackIdentifier: the local back end: the engine identifies a file against the
// catalogue of the user's own music (on the engine's thread); this object polls the engine's
// state every kPollMs and answers with the catalogued tags and cover. Needs the query's file;
// a query with a fingerprint only gets no match. Thread: the one it lives on.

#include "trackidentifier.h"

class QTimer;

class CatalogueTrackIdentifier : public TrackIdentifier {
    Q_OBJECT
public:
    static constexpr int kPollMs = 250;

    explicit CatalogueTrackIdentifier(QObject* parent = nullptr);
    ~CatalogueTrackIdentifier() override;
    void identify(const TrackQuery& query) override;

private:
    void poll();
    TrackIdentification result() const;
    void finish(const TrackIdentification& result);

    int32_t m_recognizer;
    QTimer* m_poll;
    quint64 m_query = 0;  // counts identify() calls; a refusal for an older one is dropped
};
