// critical_section.cpp - recursive locks behind the caller's CRITICAL_SECTION records.
// The real lock lives here, found by the record's address: the record's own bytes are never trusted, so a
// record that was never initialised, copied or overwritten cannot make the platform follow a stray pointer.
#include "win/winbase.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace {

struct Lock {
    std::mutex mutex;
    std::condition_variable released;
    std::thread::id owner;       // no thread while free
    unsigned recursion = 0;      // how often the owner has entered
};

struct Locks {
    std::mutex mutex;
    std::map<const CRITICAL_SECTION*, std::shared_ptr<Lock>> byRecord;
};

Locks& TheLocks()
{
    static Locks* locks = new Locks();   // never destroyed: module threads may still leave at process exit
    return *locks;
}

std::shared_ptr<Lock> FindLock(const CRITICAL_SECTION* record)
{
    Locks& locks = TheLocks();
    std::lock_guard guard(locks.mutex);
    const auto it = locks.byRecord.find(record);
    return it == locks.byRecord.end() ? nullptr : it->second;
}

} // namespace

void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    if (lpCriticalSection == nullptr)
        return;
    *lpCriticalSection = CRITICAL_SECTION{};
    lpCriticalSection->LockCount = -1;   // the value a free section shows to a debugger
    Locks& locks = TheLocks();
    std::lock_guard guard(locks.mutex);
    locks.byRecord[lpCriticalSection] = std::make_shared<Lock>();
}

void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    Locks& locks = TheLocks();
    std::lock_guard guard(locks.mutex);
    locks.byRecord.erase(lpCriticalSection);
}

// Entering a section that was never initialised (or was deleted) does nothing: Windows leaves that undefined,
// and here it must neither crash nor block forever.
void WINAPI EnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    const std::shared_ptr<Lock> lock = FindLock(lpCriticalSection);
    if (lock == nullptr)
        return;
    const std::thread::id self = std::this_thread::get_id();
    std::unique_lock guard(lock->mutex);
    lock->released.wait(guard, [&] { return lock->recursion == 0 || lock->owner == self; });
    lock->owner = self;
    ++lock->recursion;
}

// Only the owner can leave; a leave by another thread, or one more than the enters, is ignored rather than
// releasing a lock someone else holds.
void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    const std::shared_ptr<Lock> lock = FindLock(lpCriticalSection);
    if (lock == nullptr)
        return;
    std::unique_lock guard(lock->mutex);
    if (lock->recursion == 0 || lock->owner != std::this_thread::get_id())
        return;
    if (--lock->recursion != 0)
        return;
    lock->owner = std::thread::id();
    guard.unlock();
    lock->released.notify_one();
}
