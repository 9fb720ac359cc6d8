#include "traffictap.h"

#include <atomic>

namespace wire {

namespace {
std::atomic<TrafficTap *> programTap = nullptr;
} // namespace

void setTrafficTap(TrafficTap *tap)
{
    programTap = tap;
}

TrafficTap *trafficTap()
{
    return programTap.load(std::memory_order_relaxed);
}

} // namespace wire
