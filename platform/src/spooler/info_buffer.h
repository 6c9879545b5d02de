#pragma once
// info_buffer.h - lays out a spooler information record (PRINTER_INFO_2W, DRIVER_INFO_2W, ...) in a
// caller's buffer with the two-call size protocol: the fixed record first, then the devmode and the texts
// its pointers point to, all inside the same buffer.

#include "win/winspool.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace platform::spooler {

// Places the variable parts after a fixed record. Without a buffer it only counts, so that one fill
// function serves both the size question and the answer.
class InfoBuffer {
public:
    InfoBuffer(LPBYTE buffer, DWORD fixedSize) : m_buffer(buffer), m_used(fixedSize) {}

    // A terminated copy of text; null while only counting.
    LPWSTR Text(std::u16string_view text);
    // A copy of bytes at a 4-byte boundary; null while only counting.
    LPBYTE Bytes(const std::vector<BYTE>& bytes);

    DWORD Size() const { return m_used; }

private:
    LPBYTE Place(const void* data, DWORD cb, DWORD alignment);

    LPBYTE m_buffer;
    DWORD m_used;
};

// Answers a Get* call for a Record: fill(InfoBuffer&, Record&) runs once to count and once to write.
// A null or short buffer gets FALSE with ERROR_INSUFFICIENT_BUFFER and is left untouched; *pcbNeeded is
// the size either way.
template <typename Record, typename Fill>
BOOL AnswerInfo(LPBYTE pBuffer, DWORD cbBuf, LPDWORD pcbNeeded, Fill fill)
{
    Record record{};
    InfoBuffer counter(nullptr, sizeof(Record));
    fill(counter, record);
    *pcbNeeded = counter.Size();
    if (pBuffer == nullptr || cbBuf < counter.Size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    record = Record{};
    InfoBuffer writer(pBuffer, sizeof(Record));
    fill(writer, record);
    std::memcpy(pBuffer, &record, sizeof record);
    return TRUE;
}

} // namespace platform::spooler
