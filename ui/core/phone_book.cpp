// phone_book.cpp - the phone book's temporary file and the ring of files kept per printer and user.
// The file and the ring's values come from disk and the registry and are untrusted: a file is taken only whole,
// and a slot number only within the ring.
#include "ui/core/phone_book.h"

#include "settings/base/global_memory.h"
#include "settings/paper/feature_ids.h"
#include "settings/registry/printer_info.h"
#include "settings/registry/reg_key_guard.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_services.h"
#include "settings/strings/text_copy.h"
#include "ui/core/sheet_state.h"

#include <cstring>

namespace {

constexpr DWORD kTextBytes = 44;
constexpr DWORD kSwitchesAt = 176;
constexpr DWORD kRingSlots = 10;
constexpr const WCHAR* kRingKey = u"TempPlistID";
constexpr const WCHAR* kPhoneBookLibrary = u"VQPBK0.DLL";

class FileGuard {
public:
    explicit FileGuard(HANDLE file) : m_file(file) {}
    ~FileGuard()
    {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
    }
    FileGuard(const FileGuard&) = delete;
    FileGuard& operator=(const FileGuard&) = delete;
    HANDLE get() const { return m_file; }
    explicit operator bool() const { return m_file != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_file;
};

// ANSI text of at most kTextBytes - 1 bytes, cut before a character that would cross the limit, so that a
// double-byte character is never split; the rest of the field stays zero.
void PutAnsiText(BYTE* pField, const WCHAR* text, std::size_t cchText)
{
    DWORD used = 0;
    for (std::size_t i = 0; i < cchText && text[i] != u'\0'; ++i) {
        char bytes[2];
        const int cb = WideCharToMultiByte(CP_ACP, 0, &text[i], 1, bytes, sizeof bytes, nullptr, nullptr);
        if (cb <= 0 || used + static_cast<DWORD>(cb) > kTextBytes - 1)
            break;
        std::memcpy(pField + used, bytes, static_cast<std::size_t>(cb));
        used += static_cast<DWORD>(cb);
    }
}

// A file's ANSI text, read up to its NUL or the field's end, into a terminated wide text of kTextBytes units.
void GetAnsiText(WCHAR (*out)[kTextBytes], const BYTE* pField)
{
    DWORD cb = 0;
    while (cb < kTextBytes && pField[cb] != 0)
        ++cb;
    WCHAR wide[kTextBytes] = {};
    if (cb != 0) {
        const int cch = MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(pField), static_cast<int>(cb),
                                            wide, kTextBytes - 1);
        wide[cch > 0 ? cch : 0] = u'\0';
    }
    std::memcpy(out, wide, sizeof wide);
}

void ClearPhoneBook(UI_STATE* pState, DRIVER_DEVMODE* pdm)
{
    pState->PhoneBookCount = 0;
    pState->PhoneBookCountLoaded = 0;
    pdm->dmPrivate.env.phoneBookCount = 0;
    pdm->dmPrivate.env.phoneBookFileNumber = 0;
}

// The whole file into buffer; false when it cannot be opened or is not exactly one phone book long.
bool ReadWholeFile(LPCWSTR path, BYTE* buffer)
{
    FileGuard file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return false;
    DWORD cbHigh = 0;
    if (GetFileSize(file.get(), &cbHigh) != kPhoneBookFileBytes || cbHigh != 0)
        return false;
    DWORD cbRead = 0;
    return ReadFile(file.get(), buffer, kPhoneBookFileBytes, &cbRead, nullptr) && cbRead == kPhoneBookFileBytes;
}

void ReadPhoneBookFile(const RES_MODULE_CELL* pCell, UI_STATE* pState, DRIVER_DEVMODE* pdm)
{
    const DWORD number = pdm->dmPrivate.env.phoneBookFileNumber;
    if (number == 0)
        return;
    WCHAR path[MAX_PATH];
    LockedBlock buffer(kPhoneBookFileBytes);
    if (!buffer || !GetPhoneBookFileName(number, path) || !ReadWholeFile(path, buffer.as<BYTE>())) {
        ClearPhoneBook(pState, pdm);
        return;
    }
    const BYTE* bytes = buffer.as<BYTE>();
    DWORD count = 0;
    std::memcpy(&count, bytes, sizeof count);
    if (count > kPhoneBookRows) {
        ClearPhoneBook(pState, pdm);
        return;
    }
    for (DWORD i = 0; i < count; ++i) {
        const BYTE* row = bytes + 4 + i * kPhoneBookRowBytes;
        PHONE_BOOK_ROW entry;
        std::memcpy(&entry, &pState->PhoneBook[i], sizeof entry);
        WCHAR texts[4][kTextBytes];
        for (DWORD t = 0; t < 4; ++t)
            GetAnsiText(&texts[t], row + t * kTextBytes);
        std::memcpy(&entry.szText, texts, sizeof texts);
        InitPlainValue(pCell, kFeatureEcmTab, &entry.EcmTab, row[kSwitchesAt]);
        InitPlainValue(pCell, kFeatureIntlComTab, &entry.IntlComTab, row[kSwitchesAt + 1]);
        InitPlainValue(pCell, kFeatureFaxV34Tab, &entry.FaxV34_CheckTab, row[kSwitchesAt + 2]);
        std::memcpy(&pState->PhoneBook[i], &entry, sizeof entry);
    }
    pState->PhoneBookCount = static_cast<WORD>(count);
    pState->PhoneBookCountLoaded = static_cast<WORD>(count);
}

// The state's printer name, terminated.
void StatePrinterName(const UI_STATE* pState, WCHAR (&name)[kPrinterNameChars + 1])
{
    std::memset(name, 0, sizeof name);
    if (pState->PrinterNameArea != nullptr)
        std::memcpy(name, pState->PrinterNameArea, kPrinterNameChars * sizeof(WCHAR));
}

DWORD ReadRingValue(HKEY key, LPCWSTR name, bool* found)
{
    DWORD value = 0;
    DWORD type = 0;
    DWORD cb = sizeof value;
    const bool read = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &cb) ==
                          ERROR_SUCCESS && type == REG_DWORD && cb == sizeof value;
    if (found != nullptr)
        *found = read;
    return read ? value : 0;
}

void WriteRingValue(HKEY key, LPCWSTR name, DWORD value)
{
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void SlotName(DWORD slot, WCHAR (&name)[4])
{
    wsprintfW(name, u"%u", static_cast<unsigned>(slot));
}

}  // namespace

BOOL GetPhoneBookFileName(DWORD number, WCHAR (&path)[MAX_PATH])
{
    WCHAR folder[MAX_PATH] = {};
    const DWORD cch = GetTempPathW(MAX_PATH, folder);
    if (cch == 0 || cch >= MAX_PATH)
        return FALSE;
    return GetTempFileNameW(folder, u"zpb", number, path) != 0;
}

void LoadPhoneBook(const RES_MODULE_CELL* pCell, UI_STATE* pState, DRIVER_DEVMODE* pdm, PVOID, HANDLE hPrinter)
{
    if (pState == nullptr || pdm == nullptr)
        return;
    if (LPWSTR directory = GetDriverDirectory(hPrinter)) {
        CopyText(&pState->DriverDirectory, directory);
        FreeLockedBlock(directory);
        WCHAR library[MAX_PATH] = {};
        if (CopyTextCut(library, MAX_PATH, pState->DriverDirectory) != 0 &&
            AppendText(library, MAX_PATH, kPhoneBookLibrary))
            CopyText(&pState->PhoneBookLibraryPath, library);
    }

    ReadPhoneBookFile(pCell, pState, pdm);

    WCHAR printerName[CCHDEVICENAME] = {};
    if (!GetPrinterName(hPrinter, printerName, CCHDEVICENAME))
        std::memcpy(printerName, pdm->dmPublic.dmDeviceName, sizeof(WCHAR) * (CCHDEVICENAME - 1));
    WCHAR fitted[CCHDEVICENAME] = {};
    FitAnsiString(printerName, fitted, kFittedNameChars);
    std::memcpy(pdm->dmPublic.dmDeviceName, fitted, sizeof fitted);
}

void RegisterPhoneBookTemp(UI_STATE* pState, DRIVER_DEVMODE*, DWORD number)
{
    if (pState == nullptr)
        return;
    WCHAR printerName[kPrinterNameChars + 1];
    StatePrinterName(pState, printerName);
    WCHAR path[kRegPathChars];
    if (!BuildPrinterRegPath(path, kRegPathChars, printerName, kRingKey, nullptr))
        return;
    RegKeyGuard key;
    if (RegCreateKeyExW(GetUserRegRoot(), path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.out(), nullptr) != ERROR_SUCCESS)
        return;

    bool indexed = false;
    const DWORD index = ReadRingValue(key.get(), u"idx", &indexed);
    const bool indexInRing = indexed && index >= 1 && index <= kRingSlots;
    WCHAR name[4];
    if (indexInRing) {
        SlotName(index, name);
        if (ReadRingValue(key.get(), name, nullptr) == number)
            return;
    }
    DWORD slot = 1;
    if (!indexed) {
        WriteRingValue(key.get(), u"idx", 0);
        for (DWORD s = 1; s <= kRingSlots; ++s) {
            SlotName(s, name);
            WriteRingValue(key.get(), name, 0);
        }
    } else if (indexInRing && index < kRingSlots) {
        slot = index + 1;
    }

    SlotName(slot, name);
    const DWORD previous = ReadRingValue(key.get(), name, nullptr);
    // A slot that already names this file keeps it: deleting it would lose the phone book just written.
    WCHAR file[MAX_PATH];
    if (previous != 0 && previous != number && GetPhoneBookFileName(previous, file))
        DeleteFileW(file);
    WriteRingValue(key.get(), u"idx", slot);
    WriteRingValue(key.get(), name, number);
}

BOOL SavePhoneBookTemp(UI_STATE* pState, DRIVER_DEVMODE* pdm)
{
    if (pState == nullptr || pdm == nullptr)
        return FALSE;
    const DWORD known = pdm->dmPrivate.env.phoneBookFileNumber;
    WCHAR path[MAX_PATH];
    const WORD count = pState->PhoneBookCount <= kPhoneBookRows ? pState->PhoneBookCount : kPhoneBookRows;
    if (count == 0) {
        if (known != 0 && GetPhoneBookFileName(known, path))
            DeleteFileW(path);
        pdm->dmPrivate.env.phoneBookFileNumber = 0;
        return TRUE;
    }

    DWORD number = known;
    if (number == 0) {
        // A new file: the system picks a free number and creates it.
        WCHAR folder[MAX_PATH] = {};
        const DWORD cch = GetTempPathW(MAX_PATH, folder);
        number = cch != 0 && cch < MAX_PATH ? GetTempFileNameW(folder, u"zpb", 0, path) : 0;
    } else if (!GetPhoneBookFileName(number, path)) {
        number = 0;
    }
    LockedBlock buffer(kPhoneBookFileBytes);
    FileGuard file(number != 0 && buffer
                       ? CreateFileW(path, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, 0, nullptr)
                       : INVALID_HANDLE_VALUE);
    if (!file) {
        pdm->dmPrivate.env.phoneBookFileNumber = 0;
        return FALSE;
    }
    pdm->dmPrivate.env.phoneBookFileNumber = number;

    BYTE* bytes = buffer.as<BYTE>();
    const DWORD count32 = count;
    std::memcpy(bytes, &count32, sizeof count32);
    for (WORD i = 0; i < count; ++i) {
        PHONE_BOOK_ROW entry;
        std::memcpy(&entry, &pState->PhoneBook[i], sizeof entry);
        BYTE* row = bytes + 4 + i * kPhoneBookRowBytes;
        WCHAR texts[4][kTextBytes];
        std::memcpy(texts, &entry.szText, sizeof texts);
        for (DWORD t = 0; t < 4; ++t)
            PutAnsiText(row + t * kTextBytes, texts[t], kTextBytes);
        row[kSwitchesAt] = static_cast<BYTE>(entry.EcmTab.wCommitted);
        row[kSwitchesAt + 1] = static_cast<BYTE>(entry.IntlComTab.wCommitted);
        row[kSwitchesAt + 2] = static_cast<BYTE>(entry.FaxV34_CheckTab.wCommitted);
    }
    DWORD written = 0;
    const BOOL wrote = WriteFile(file.get(), bytes, kPhoneBookFileBytes, &written, nullptr);
    RegisterPhoneBookTemp(pState, pdm, number);
    return wrote && written == kPhoneBookFileBytes;
}
