#pragma once
// handles.h - tables of platform objects behind opaque handle values.
// Each kind of object has its own range of values, so a handle of one kind passed where another is expected
// (a file handle to RegCloseKey, say) is found unknown instead of reaching the wrong object.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace platform {

template <typename Object>
class HandleTable {
public:
    explicit HandleTable(uint32_t base) : m_base(base), m_next(base) {}

    template <typename Handle>
    Handle Add(std::shared_ptr<Object> object)
    {
        std::lock_guard lock(m_mutex);
        m_next += 4;
        m_objects[m_next] = std::move(object);
        return reinterpret_cast<Handle>(static_cast<uintptr_t>(m_next));
    }

    template <typename Handle>
    std::shared_ptr<Object> Find(Handle handle) const
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_objects.find(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle)));
        return it == m_objects.end() ? nullptr : it->second;
    }

    template <typename Handle>
    std::shared_ptr<Object> Remove(Handle handle)
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_objects.find(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle)));
        if (it == m_objects.end())
            return nullptr;
        auto object = std::move(it->second);
        m_objects.erase(it);
        return object;
    }

    template <typename Fn>
    void ForEach(Fn fn) const
    {
        std::lock_guard lock(m_mutex);
        for (const auto& [value, object] : m_objects)
            fn(object);
    }

    void Clear()
    {
        std::lock_guard lock(m_mutex);
        m_objects.clear();
        m_next = m_base;
    }

    size_t Count() const
    {
        std::lock_guard lock(m_mutex);
        return m_objects.size();
    }

private:
    mutable std::mutex m_mutex;
    uint32_t m_base;
    uint32_t m_next;
    std::map<uint32_t, std::shared_ptr<Object>> m_objects;
};

// The ranges of handle values per kind of object.
constexpr uint32_t kFileHandleBase = 0x00010000;
constexpr uint32_t kFindHandleBase = 0x00020000;
constexpr uint32_t kKeyHandleBase = 0x00030000;
constexpr uint32_t kPrinterHandleBase = 0x00040000;
constexpr uint32_t kGdiHandleBase = 0x00050000;
constexpr uint32_t kWindowHandleBase = 0x00060000;
constexpr uint32_t kResourceHandleBase = 0x00070000;
constexpr uint32_t kModuleHandleBase = 0x00080000;
constexpr uint32_t kPropertyPageHandleBase = 0x00090000;
constexpr uint32_t kImageListHandleBase = 0x000A0000;
constexpr uint32_t kMenuHandleBase = 0x000B0000;
// GDI's engine and printer device contexts.
constexpr uint32_t kEngineSurfaceHandleBase = 0x00200000;   // HSURF and engine HBITMAP
constexpr uint32_t kEnginePaletteHandleBase = 0x00210000;
constexpr uint32_t kEngineModuleHandleBase = 0x00220000;
constexpr uint32_t kDeviceHandleBase = 0x00230000;          // HDEV: a device GDI enabled on a driver
constexpr uint32_t kDcHandleBase = 0x00240000;

} // namespace platform
