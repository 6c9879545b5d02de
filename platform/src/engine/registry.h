#pragma once
// registry.h - finds the engine object behind a DDI record pointer a driver hands back (a SURFOBJ, CLIPOBJ,
// BRUSHOBJ, ...). A record the engine did not make is not found, so a stray pointer gets a failure result
// instead of being taken for one of ours.

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
    }

    void Remove(const void* record)
    {
        std::lock_guard lock(m_mutex);
        m_objects.erase(record);
    }

    Object* Find(const void* record) const
    {
        if (record == nullptr)
            return nullptr;
        std::lock_guard lock(m_mutex);
        const auto it = m_objects.find(record);
        return it == m_objects.end() ? nullptr : it->second;
    }

private:
    mutable std::mutex m_mutex;
    std::map<const void*, Object*> m_objects;
};

} // namespace platform::engine
