// stored_lists.cpp - the named lists the settings store reads for the world's user and a printer, as text.
#include "tools/sample/stored_lists.h"

#include "host/text.h"
#include "settings/registry/registry_paths.h"
#include "settings/store/list_schema.h"
#include "settings/store/settings_store.h"
#include "win/windows.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

template <std::size_t N>
std::string Text(const WCHAR (&field)[N])
{
    WCHAR copy[N + 1] = {};
    std::memcpy(copy, field, sizeof field);
    return host::ToUtf8(copy);
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

void Append(std::string& out, const char* format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    out += line;
}

// Whether anything is stored under the printer's per-user key.
bool HasStoredSettings(const std::u16string& printerName)
{
    WCHAR path[kRegPathChars];
    HKEY key = nullptr;
    if (!BuildPrinterRegPath(path, kRegPathChars, printerName.c_str(), nullptr, nullptr) ||
        RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD subKeys = 0;
    DWORD values = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    return subKeys != 0 || values != 0;
}

void DescribeInsertLists(std::string& out, const INTERSHEET_GROUP* group)
{
    if (group == nullptr || group->lpLists == nullptr) {
        out += "insert lists: switched off\n";
        return;
    }
    out += "insert lists:\n";
    for (UINT n = 0; n < kInterSheetListCount; ++n) {
        const INTERSHEET_LIST& list = group->lpLists[n];
        const SHORT count = list.PageListNum;
        Append(out, "  %2u %-20s %d entr%s\n", n + 1, Quoted(Text(list.Name)).c_str(), count,
               count == 1 ? "y" : "ies");
        for (SHORT i = 0; i < count && i < static_cast<SHORT>(kInterSheetEntryCapacity); ++i) {
            const INTERSHEET_ENTRY& entry = list.lpEntries[i];
            const SHORT type = entry.Type, tray = entry.Tray;
            Append(out, "       pages %s, type %d, tray %d%s%s\n", Text(entry.Page).c_str(), type, tray,
                   entry.PrnTabIndex != 0 ? ", tab " : "",
                   entry.PrnTabIndex != 0 ? Quoted(Text(entry.TabText)).c_str() : "");
        }
    }
}

void DescribeForms(std::string& out, const FORM_LIST* forms)
{
    if (forms == nullptr) {
        out += "form overlays: switched off\n";
        return;
    }
    const SHORT count = forms->FormListNum;
    Append(out, "form overlays: %d\n", count);
    for (SHORT i = 0; i < count && i < static_cast<SHORT>(kFormOverlayCapacity); ++i)
        Append(out, "  %s\n", Text(forms->lpOverlayFiles[i]).c_str());
}

void DescribeWatermarks(std::string& out, const WATERMARK_LIST* marks)
{
    if (marks == nullptr) {
        out += "watermarks: switched off\n";
        return;
    }
    const SHORT count = marks->WMarkListNum;
    Append(out, "watermarks: %d\n", count);
    for (SHORT i = 0; i < count && i < static_cast<SHORT>(kWatermarkCapacity); ++i) {
        const WATERMARK_ENTRY& mark = marks->lpEntries[i];
        const LONG angle = mark.Angle;   // tenths of a degree
        const unsigned long tenths = angle < 0 ? 0UL - static_cast<unsigned long>(angle) : static_cast<unsigned long>(angle);
        const DWORD size = mark.Size;
        Append(out, "  %2d %-24s %s, %lu pt, %s%lu.%lu degrees\n", i, Quoted(Text(mark.Text)).c_str(),
               Text(mark.Face).c_str(), static_cast<unsigned long>(size), angle < 0 ? "-" : "", tenths / 10,
               tenths % 10);
    }
}

void DescribeFontPairs(std::string& out, const FONT_SUB_LIST* fonts)
{
    if (fonts == nullptr) {
        out += "font pairs: switched off\n";
        return;
    }
    const SHORT count = fonts->FontSubTblNum;
    Append(out, "font pairs: %d\n", count);
    for (SHORT i = 0; i < count && i < static_cast<SHORT>(kMaxFontSubNodes); ++i)
        Append(out, "  %-24s -> %s\n", Text(fonts->lpPairs[i].TTFaceName).c_str(),
               Text(fonts->lpPairs[i].DevFaceName).c_str());
}

void DescribeCustomSizes(std::string& out, const CUSTOM_SIZE_ENTRY* sizes)
{
    if (sizes == nullptr) {
        out += "user-defined sizes: switched off\n";
        return;
    }
    out += "user-defined sizes:\n";
    for (UINT n = 0; n < kCustomSizeCount; ++n) {
        const CUSTOM_SIZE_ENTRY& size = sizes[n];
        const DWORD width = size.width;
        const DWORD length = size.length;
        Append(out, "  %2u %-20s %lu.%03lu x %lu.%03lu in, shown in %s\n", n + 1, Quoted(Text(size.name)).c_str(),
               static_cast<unsigned long>(width / 1000), static_cast<unsigned long>(width % 1000),
               static_cast<unsigned long>(length / 1000), static_cast<unsigned long>(length % 1000),
               size.unit == 2 ? "inches" : "millimetres");
    }
}

}  // namespace

std::string DescribeStoredLists(const std::u16string& printerName)
{
    WCHAR user[257] = {};
    DWORD cchUser = 257;
    if (!GetUserNameW(user, &cchUser))
        user[0] = u'\0';
    std::string out = "stored lists of " + host::ToUtf8(user) + " for " + host::ToUtf8(printerName) + "\n";
    if (!HasStoredSettings(printerName))
        return out + "nothing is stored yet: the first job on the printer stores the default lists\n";

    HANDLE printer = nullptr;
    std::u16string name = printerName;
    if (!OpenPrinterW(name.data(), &printer, nullptr)) {
        Append(out, "the printer does not open (error %lu)\n", static_cast<unsigned long>(GetLastError()));
        return out;
    }
    LIST_SCHEMA_SET schemas = {};
    SETTINGS_STORE* store = LoadListSchemas(&schemas) ? NewSettingsStore() : nullptr;
    if (store != nullptr && LoadSettingsStore(store, &schemas, nullptr, name.c_str(), printer)) {
        DescribeInsertLists(out, store->lpInterSheet);
        DescribeForms(out, store->lpForm);
        DescribeWatermarks(out, store->lpWatermark);
        DescribeFontPairs(out, store->lpFontSub);
        DescribeCustomSizes(out, store->lpCustomSizes);
    } else {
        out += "the settings store cannot be read\n";
    }
    FreeSettingsStore(&store);
    FreeListSchemas(&schemas);
    ClosePrinter(printer);
    return out;
}
