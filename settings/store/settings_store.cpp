// settings_store.cpp - the settings store as a whole: its groups' life, copies, loads, saves and defaults.
#include "settings/store/settings_store.h"
#include "settings/paper/custom_size_data.h"
#include "settings/paper/custom_size_store.h"
#include "settings/base/global_memory.h"
#include "settings/strings/res_strings.h"

SETTINGS_STORE* NewSettingsStore()
{
    auto* store = static_cast<SETTINGS_STORE*>(AllocLockedBlock(sizeof(SETTINGS_STORE)));
    if (store == nullptr)
        return nullptr;
    store->lpInterSheet = NewInterSheetList();
    store->lpForm = NewFormList();
    store->lpWatermark = NewWatermarkList();
    store->lpFontSub = NewFontSubList();
    store->lpFaxCover = NewFaxCoverData();
    store->lpCustomSizes = NewCustomSizeData();
    return store;
}

void FreeSettingsStore(SETTINGS_STORE** cell)
{
    if (cell == nullptr || *cell == nullptr)
        return;
    SETTINGS_STORE* store = *cell;
    FreeInterSheetList(&store->lpInterSheet);
    FreeFormList(&store->lpForm);
    FreeWatermarkList(&store->lpWatermark);
    FreeFontSubList(&store->lpFontSub);
    FreeFaxCoverData(&store->lpFaxCover);
    // Freed whether or not its group is on now: the block exists only when it was on at creation.
    FreeLockedBlock(store->lpCustomSizes);
    FreeLockedBlock(store);
    *cell = nullptr;
}

BOOL CopySettingsStore(SETTINGS_STORE* target, const SETTINGS_STORE* source)
{
    if (target == nullptr || source == nullptr)
        return FALSE;
    if (target->lpInterSheet != nullptr && source->lpInterSheet != nullptr)
        CopyInterSheetLists(target->lpInterSheet, source->lpInterSheet);
    if (target->lpForm != nullptr && source->lpForm != nullptr)
        CopyFormList(target->lpForm, source->lpForm);
    if (target->lpWatermark != nullptr && source->lpWatermark != nullptr)
        CopyWatermarkList(target->lpWatermark, source->lpWatermark);
    if (target->lpFontSub != nullptr && source->lpFontSub != nullptr)
        CopyFontSubList(target->lpFontSub, source->lpFontSub);
    if (target->lpFaxCover != nullptr && source->lpFaxCover != nullptr)
        CopyFaxCoverData(target->lpFaxCover, source->lpFaxCover);
    if (target->lpCustomSizes != nullptr && source->lpCustomSizes != nullptr)
        CopyCustomSizeData(target->lpCustomSizes, source->lpCustomSizes);
    return TRUE;
}

BOOL LoadSettingsStore(SETTINGS_STORE* store, const LIST_SCHEMA_SET* schemas, PVOID, LPCWSTR printerName,
                       HANDLE printer)
{
    if (store == nullptr || schemas == nullptr || printerName == nullptr)
        return FALSE;
    if (store->lpInterSheet != nullptr)
        LoadInterSheetList(store->lpInterSheet, schemas, printerName);
    if (store->lpForm != nullptr)
        LoadFormList(store->lpForm, schemas, printerName);
    if (store->lpWatermark != nullptr)
        LoadWatermarkList(store->lpWatermark, schemas, printerName);
    if (store->lpFontSub != nullptr)
        LoadFontSubList(store->lpFontSub, schemas, printerName);
    if (store->lpFaxCover != nullptr)
        LoadFaxCoverData(store->lpFaxCover, schemas, printerName);
    if (store->lpCustomSizes != nullptr)
        LoadCustomSizeData(store->lpCustomSizes, schemas, printer);
    return TRUE;
}

BOOL SaveSettingsStore(SETTINGS_STORE* store, const LIST_SCHEMA_SET* schemas, PVOID, LPCWSTR printerName)
{
    if (store == nullptr || schemas == nullptr || printerName == nullptr)
        return FALSE;
    if (store->lpInterSheet != nullptr)
        SaveInterSheetList(store->lpInterSheet, schemas, printerName);
    if (store->lpForm != nullptr)
        SaveFormList(store->lpForm, schemas, printerName);
    if (store->lpWatermark != nullptr)
        SaveWatermarkList(store->lpWatermark, schemas, printerName);
    if (store->lpFontSub != nullptr)
        SaveFontSubList(store->lpFontSub, schemas, printerName);
    if (store->lpFaxCover != nullptr)
        SaveFaxCoverData(store->lpFaxCover, schemas, printerName);
    return TRUE;
}

BOOL WriteDefaultSettingsStore(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName, PVOID)
{
    if (schemas == nullptr || printerName == nullptr)
        return FALSE;
    InitResStrings();
    WriteDefaultInterSheetLists(schemas, printerName);
    WriteDefaultForms(schemas, printerName);
    WriteDefaultWatermarks(schemas, printerName);
    WriteDefaultFontSubs(schemas, printerName);
    WriteDefaultFaxCoverData(schemas, printerName);
    TermResStrings();
    return TRUE;
}
