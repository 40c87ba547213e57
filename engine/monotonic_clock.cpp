#include "engine/monotonic_clock.h"

#include <QElapsedTimer>

namespace engine {

qint64 SteadyClock::nowMs() const {
    // The reference point of a started timer is the monotonic clock's own zero, shared by all.
    QElapsedTimer timer;
    timer.start();
    return timer.msecsSinceReference();
}

} // namespace engine
