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
        m_generation.fetch_add(1, std::memory_order_release);
    }

    void Remove(const void* record)
    {
        std::lock_guard lock(m_mutex);
        m_objects.erase(record);
        m_generation.fetch_add(1, std::memory_order_release);
    }

    // A driver asks about the same record for every pixel of a blit: each thread keeps its last answer, good
    // until the registry next changes.
    Object* Find(const void* record) const
    {
        if (record == nullptr)
            return nullptr;
        thread_local LastFound last;
        if (last.registry == this && last.record == record &&
            last.generation == m_generation.load(std::memory_order_acquire))
            return last.object;
        std::lock_guard lock(m_mutex);
        const auto it = m_objects.find(record);
        Object* object = it == m_objects.end() ? nullptr : it->second;
        last = {this, m_generation.load(std::memory_order_relaxed), record, object};
        return object;
    }

private:
    struct LastFound {
        const AddressRegistry* registry = nullptr;
        unsigned long generation = 0;
        const void* record = nullptr;
        Object* object = nullptr;
    };

    mutable std::mutex m_mutex;
    std::map<const void*, Object*> m_objects;
    std::atomic<unsigned long> m_generation{0};
};

} // namespace platform::engine
