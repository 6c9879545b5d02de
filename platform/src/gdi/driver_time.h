#pragma once
// driver_time.h - the time GDI spends waiting on graphics modules: every DDI hook it calls is timed, so that
// a host can tell how much of a job's time the driver itself takes.

#include <cstddef>
#include <utility>

namespace platform {

// Counts the time from its construction to its destruction as time inside a graphics module, unless it lies
// within another such scope (a hook whose work leads through the engine back into another hook), whose time
// already covers it.
class DriverTimeScope {
public:
    DriverTimeScope();
    ~DriverTimeScope();
    DriverTimeScope(const DriverTimeScope&) = delete;
    DriverTimeScope& operator=(const DriverTimeScope&) = delete;

private:
    long long m_start;   // steady-clock nanoseconds; negative for a nested scope
};

// A driver's hook as GDI calls it: like the function pointer, and each call is timed.
template <typename Fn>
class TimedHook {
public:
    explicit TimedHook(Fn fn) : m_fn(fn) {}

    template <typename... Args>
    auto operator()(Args&&... args) const
    {
        DriverTimeScope scope;
        return m_fn(std::forward<Args>(args)...);
    }

    explicit operator bool() const { return m_fn != nullptr; }
    friend bool operator==(const TimedHook& hook, std::nullptr_t) { return hook.m_fn == nullptr; }

private:
    Fn m_fn;
};

} // namespace platform
