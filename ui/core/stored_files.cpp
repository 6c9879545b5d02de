// stored_files.cpp - the stored settings at apply, and the files they name.
#include "ui/core/stored_files.h"
#include "settings/params/ui_state_store.h"
#include "settings/store/list_schema.h"
#include "settings/store/settings_store.h"

#include <cstring>
#include <iterator>

void PurgeUserPrinterKeys(UI_STATE* pState, DWORD event)
{
    if (event != kSheetEventApply || pState == nullptr || pState->PrinterNameArea == nullptr)
        return;
    LIST_SCHEMA_SET schemas = {};
    LoadListSchemas(&schemas);
    CleanPrinterUserKeys(nullptr, pState->PrinterNameArea, nullptr);
    FreeListSchemas(&schemas);
    SaveUiStateStore(pState);
}

BOOL FileExists(LPCWSTR path)
{
    const HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return TRUE;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

FAX_COVER_RECORD* GetFaxCoverSheetGroup(UI_STATE* pState)
{
    if (pState == nullptr || pState->pStore == nullptr)
        return nullptr;
    return pState->pStore->lpFaxCover;
}

BOOL CheckStoredFileExists(UI_STATE* pState)
{
    const FAX_COVER_RECORD* group = GetFaxCoverSheetGroup(pState);
    if (group == nullptr)
        return FALSE;
    WCHAR name[std::size(FAX_COVER_RECORD{}.Filename) + 1] = {};
    std::memcpy(name, group->Filename, sizeof group->Filename);   // the stored name need not end in a zero
    return name[0] == u'\0' || FileExists(name);
}

int GetStoredFileName(UI_STATE* pState, void* out, DWORD cb)
{
    const FAX_COVER_RECORD* group = GetFaxCoverSheetGroup(pState);
    if (group == nullptr || out == nullptr)
        return 0;
    std::memcpy(out, group->Filename, cb < sizeof group->Filename ? cb : sizeof group->Filename);
    return 1;
}
