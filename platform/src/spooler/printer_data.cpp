// printer_data.cpp - printer data: values the driver keeps under the printer's key in the registry.
// GetPrinterDataW and its family answer their error code as the result, not through SetLastError. The
// values live in HKEY_LOCAL_MACHINE, so the driver's own registry calls on the same path see the same data.
#include "spooler/spooler_state.h"
#include "win/winreg.h"
#include "win/winspool.h"

#include <string>

using namespace platform::spooler;

static constexpr WCHAR kDriverDataKey[] = u"PrinterDriverData";

namespace {

// Closes a registry key on every way out.
class KeyGuard {
public:
    KeyGuard() = default;
    KeyGuard(const KeyGuard&) = delete;
    KeyGuard& operator=(const KeyGuard&) = delete;
    ~KeyGuard()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    PHKEY Receive() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

// Opens (or, with create, creates) a key below the printer's key for a printer handle: ERROR_INVALID_HANDLE
// when the handle is not one, else what the registry answers.
static DWORD OpenPrinterSubKey(HANDLE hPrinter, LPCWSTR pKeyName, REGSAM samDesired, bool create, KeyGuard& key)
{
    std::u16string path;
    {
        auto lock = LockSpooler();
        const std::shared_ptr<PrinterHandle> handle = FindPrinterHandle(hPrinter);
        if (handle == nullptr)
            return ERROR_INVALID_HANDLE;
        path = PrinterKeyPath(handle->printer->name) + u"\\" + pKeyName;
    }
    if (create)
        return RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, samDesired,
                               nullptr, key.Receive(), nullptr);
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, samDesired, key.Receive());
}

DWORD WINAPI GetPrinterDataExW(HANDLE hPrinter, LPCWSTR pKeyName, LPCWSTR pValueName, LPDWORD pType, LPBYTE pData,
                               DWORD nSize, LPDWORD pcbNeeded)
{
    if (pKeyName == nullptr || pKeyName[0] == u'\0' || pValueName == nullptr || pcbNeeded == nullptr)
        return ERROR_INVALID_PARAMETER;
    KeyGuard key;
    DWORD result = OpenPrinterSubKey(hPrinter, pKeyName, KEY_QUERY_VALUE, /*create=*/false, key);
    if (result != ERROR_SUCCESS)
        return result;

    if (pData != nullptr) {
        DWORD cb = nSize;
        result = RegQueryValueExW(key.Get(), pValueName, nullptr, pType, pData, &cb);
        if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA)
            *pcbNeeded = cb;
        return result;
    }
    DWORD cbNeeded = 0;
    result = RegQueryValueExW(key.Get(), pValueName, nullptr, pType, nullptr, &cbNeeded);
    if (result != ERROR_SUCCESS)
        return result;
    *pcbNeeded = cbNeeded;
    if (cbNeeded > nSize)
        return ERROR_MORE_DATA;
    // No buffer for data that has bytes, yet a size that claims one.
    return cbNeeded == 0 ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

DWORD WINAPI SetPrinterDataExW(HANDLE hPrinter, LPCWSTR pKeyName, LPCWSTR pValueName, DWORD Type, LPBYTE pData,
                               DWORD cbData)
{
    if (pKeyName == nullptr || pKeyName[0] == u'\0' || pValueName == nullptr || (pData == nullptr && cbData > 0))
        return ERROR_INVALID_PARAMETER;
    KeyGuard key;
    const DWORD result = OpenPrinterSubKey(hPrinter, pKeyName, KEY_SET_VALUE, /*create=*/true, key);
    if (result != ERROR_SUCCESS)
        return result;
    return RegSetValueExW(key.Get(), pValueName, 0, Type, pData, cbData);
}

DWORD WINAPI GetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, LPDWORD pType, LPBYTE pData, DWORD nSize,
                             LPDWORD pcbNeeded)
{
    return GetPrinterDataExW(hPrinter, kDriverDataKey, pValueName, pType, pData, nSize, pcbNeeded);
}

DWORD WINAPI SetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, DWORD Type, LPBYTE pData, DWORD cbData)
{
    return SetPrinterDataExW(hPrinter, kDriverDataKey, pValueName, Type, pData, cbData);
}

DWORD WINAPI DeletePrinterDataW(HANDLE hPrinter, LPWSTR pValueName)
{
    if (pValueName == nullptr)
        return ERROR_INVALID_PARAMETER;
    KeyGuard key;
    const DWORD result = OpenPrinterSubKey(hPrinter, kDriverDataKey, KEY_SET_VALUE, /*create=*/false, key);
    if (result != ERROR_SUCCESS)
        return result;
    return RegDeleteValueW(key.Get(), pValueName);
}
