#pragma once
// The program's player made reachable for the desktop's remote controls (media keys, the sound
// menu, playerctl) while the service object lives.
//
// Contract: GUI thread only; built by DesktopServices::publishPlayer, which gives the MPRIS
// service on the session bus or, without a session bus, the null service. A player that could
// not be published is not an error for the caller: errorString() says why, for the log.
//
// Implementations: MprisService and NullRemotePlayerService.

#include <QString>

class RemotePlayerService {
public:
    virtual ~RemotePlayerService() = default;

    virtual bool isPublished() const = 0;
    virtual QString errorString() const = 0;
};
