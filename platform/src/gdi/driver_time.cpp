// driver_time.cpp - the sum of the time spent inside graphics modules' hooks.
#include "gdi/driver_time.h"
#include "common/world_state.h"
#include "host/gdi.h"

#include <atomic>
#include <chrono>

namespace platform {
namespace {

std::atomic<long long> g_driverNanoseconds{0};
thread_local int t_depth = 0;   // hooks running on this thread, the outermost first

long long Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

const bool kForgetsTimeWithTheWorld = (OnWorldReset([] { g_driverNanoseconds = 0; }), true);

} // namespace

DriverTimeScope::DriverTimeScope() : m_start(t_depth++ == 0 ? Now() : -1) {}

DriverTimeScope::~DriverTimeScope()
{
    --t_depth;
    if (m_start >= 0)
        g_driverNanoseconds += Now() - m_start;
}

} // namespace platform

namespace host {

std::chrono::nanoseconds GraphicsModuleTime()
{
    return std::chrono::nanoseconds(platform::g_driverNanoseconds.load());
}

void ResetGraphicsModuleTime()
{
    platform::g_driverNanoseconds = 0;
}

} // namespace host
