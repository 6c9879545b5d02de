// info_buffer.cpp - places texts and bytes after a spooler information record.
#include "spooler/info_buffer.h"

#include <string>

namespace platform::spooler {

LPBYTE InfoBuffer::Place(const void* data, DWORD cb, DWORD alignment)
{
    m_used = (m_used + alignment - 1) / alignment * alignment;
    LPBYTE place = m_buffer == nullptr ? nullptr : m_buffer + m_used;
    if (place != nullptr && cb > 0)
        std::memcpy(place, data, cb);
    m_used += cb;
    return place;
}

LPWSTR InfoBuffer::Text(std::u16string_view text)
{
    const std::u16string terminated(text);
    const auto cb = static_cast<DWORD>((terminated.size() + 1) * sizeof(WCHAR));
    return reinterpret_cast<LPWSTR>(Place(terminated.c_str(), cb, sizeof(WCHAR)));
}

LPBYTE InfoBuffer::Bytes(const std::vector<BYTE>& bytes)
{
    return Place(bytes.data(), static_cast<DWORD>(bytes.size()), 4);
}

} // namespace platform::spooler
