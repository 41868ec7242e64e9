#include "layeredtrackidentifier.h"

#include <QTimer>

#include "cataloguetrackidentifier.h"
#include "onlinetrackidentifier.h"

LayeredTrackIdentifier::LayeredTrackIdentifier(QList<TrackIdentifier*> layers, QObject* parent)
    : TrackIdentifier(parent), m_layers(std::move(layers))
{
    for (int i = 0; i < m_layers.size(); ++i) {
        m_layers[i]->setParent(this);
        connect(m_layers[i], &TrackIdentifier::identified, this,
                [this, i](const TrackIdentification& result) { onIdentified(i, result); });
    }
}

LayeredTrackIdentifier* LayeredTrackIdentifier::fromPreferences(QObject* parent)
{
    QList<TrackIdentifier*> layers{new CatalogueTrackIdentifier};
    const OnlineLookupSettings online = OnlineLookupSettings::load();
    if (online.enabled)
        layers.append(new OnlineTrackIdentifier(online));
    return new LayeredTrackIdentifier(layers, parent);
}

void LayeredTrackIdentifier::identify(const TrackQuery& query)
{
    m_query = query;
    m_reason.clear();
    m_asking = 0;
    if (!m_layers.isEmpty())
        m_layers.first()->identify(query);
    else  // never from inside identify()
        QTimer::singleShot(0, this, [this] { onIdentified(0, TrackIdentification::noMatch()); });
}

void LayeredTrackIdentifier::onIdentified(int layer, const TrackIdentification& result)
{
    if (layer != m_asking)
        return;  // an answer to a query this one replaced
    if (m_reason.isEmpty())
        m_reason = result.reason;
    if (result.matched || layer + 1 >= m_layers.size()) {
        m_asking = -1;
        TrackIdentification answer = result;
        if (!answer.matched)
            answer.reason = m_reason;
        emit identified(answer);
        return;
    }
    m_asking = layer + 1;
    m_layers[m_asking]->identify(m_query);
}
