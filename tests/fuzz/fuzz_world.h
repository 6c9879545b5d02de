#pragma once
// fuzz_world.h - what every fuzz harness shares: one stand-in world per process with "QN-804C" installed and
// opened, set up at the first input and kept; a reader that takes an input apart; and the check that turns a
// broken promise into a finding.
//
// A harness is one LLVMFuzzerTestOneInput. libFuzzer runs it on generated inputs; the replay tests run it on the
// checked-in seeds and regressions with the ordinary sanitized build, so a fixed finding stays fixed.

#include "win/windows.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

inline constexpr const WCHAR* kPrinterName = u"QN-804C";

// The world of this process, made at the first call: a temporary root (removed at exit), the printer installed,
// a handle opened with PRINTER_ALL_ACCESS, the driver's modules loaded from the driver folder for good.
struct World {
    HANDLE hPrinter = nullptr;
    HMODULE hInterface = nullptr;
    BOOL (*DrvConvertDevMode)(LPWSTR, PDEVMODEW, PDEVMODEW, PLONG, DWORD) = nullptr;
    DWORD (*DrvDeviceCapabilities)(HANDLE, LPWSTR, WORD, PVOID, PDEVMODEW) = nullptr;
};
World& TheWorld();

// Removes every job file of the printer: an input's job must not pile up behind the next one's.
void RemoveJobFiles();

// A finding: the promise broken, on stderr, then abort() so that libFuzzer (or the replay test) stops there.
[[noreturn]] void Broken(const char* what, const std::string& detail = {});

inline void Check(bool kept, const char* what, const std::string& detail = {})
{
    if (!kept)
        Broken(what, detail);
}

// Takes an input apart front to back; past its end every read answers zeros.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_at >= m_size; }
    std::size_t left() const { return m_at < m_size ? m_size - m_at : 0; }

    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
    std::uint32_t Dword() { return static_cast<std::uint32_t>(Word() | static_cast<std::uint32_t>(Word()) << 16); }

    // n bytes, zeros past the input's end.
    std::vector<std::uint8_t> Bytes(std::size_t n)
    {
        std::vector<std::uint8_t> out(n, 0);
        for (std::size_t i = 0; i < n && m_at < m_size; ++i)
            out[i] = m_data[m_at++];
        return out;
    }

    std::vector<std::uint8_t> Rest() { return Bytes(left()); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

} // namespace fuzz
