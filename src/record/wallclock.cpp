#include "wallclock.h"

namespace {

class SystemWallClock : public WallClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

}  // namespace

const WallClock& WallClock::system()
{
    static const SystemWallClock clock;
    return clock;
}
