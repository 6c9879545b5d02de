#pragma once
// registry.h - finds the engine object behind a DDI record pointer a driver hands back (a SURFOBJ, CLIPOBJ,
// BRUSHOBJ, ...). A record the engine did not make is not found, so a stray pointer gets a failure result
// instead of being taken for one of ours.

#include <atomic>
#include <map>
#include <mutex>

namespace platform::engine {

template <typename Object>
class AddressRegistry {
public:
    void Add(const void* record, Object* object)
    {
        std::lock_guard lock(m_mutex);
        m_objects[record] = object;
        Remember(record, object);
    }

    void Remove(const void* record)
    {
        std::lock_guard lock(m_mutex);
        m_objects.erase(record);
        Remember(record, nullptr);
    }

    // A driver asks about the same record for every pixel of a blit: the last answer is kept, and read without
    // the lock while no one changes it (its version is even and the same before and after the reading).
    Object* Find(const void* record) const
    {
        if (record == nullptr)
            return nullptr;
        const unsigned version = m_version.load(std::memory_order_acquire);
        if ((version & 1) == 0) {
            const void* lastRecord = m_lastRecord.load(std::memory_order_relaxed);
            Object* lastObject = m_lastObject.load(std::memory_order_relaxed);
            std::atomic_thread_fence(std::memory_order_acquire);
            if (lastRecord == record && m_version.load(std::memory_order_relaxed) == version)
                return lastObject;
        }
        return FindLocked(record);
    }

private:
    // Out of line, so that the quick look above is small enough to be inlined where a pixel is translated.
    [[gnu::noinline]] Object* FindLocked(const void* record) const
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_objects.find(record);
        Object* object = it == m_objects.end() ? nullptr : it->second;
        Remember(record, object);
        return object;
    }

    // With the lock held: the answer for record from now on, until a change to that record.
    void Remember(const void* record, Object* object) const
    {
        m_version.fetch_add(1, std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_release);
        m_lastRecord.store(record, std::memory_order_relaxed);
        m_lastObject.store(object, std::memory_order_relaxed);
        m_version.fetch_add(1, std::memory_order_release);
    }

    mutable std::mutex m_mutex;
    std::map<const void*, Object*> m_objects;
    mutable std::atomic<unsigned> m_version{0};
    mutable std::atomic<const void*> m_lastRecord{nullptr};
    mutable std::atomic<Object*> m_lastObject{nullptr};
};

} // namespace platform::engine
