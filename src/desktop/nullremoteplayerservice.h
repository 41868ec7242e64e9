#pragma once
// The remote-player service of machines without a session bus: nothing is published.

#include "remoteplayerservice.h"

#include <utility>

class NullRemotePlayerService : public RemotePlayerService {
public:
    explicit NullRemotePlayerService(QString reason) : m_reason(std::move(reason)) {}

    bool isPublished() const override { return false; }
    QString errorString() const override { return m_reason; }

private:
    QString m_reason;
};
