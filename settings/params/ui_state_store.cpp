// ui_state_store.cpp - the settings store of a sheet's working state.
#include "settings/params/ui_state_store.h"

#include "settings/paper/custom_size_store.h"
#include "settings/paper/feature_table.h"
#include "settings/params/custom_size_state.h"
#include "settings/params/param_ids.h"
#include "settings/params/settings_file.h"
#include "settings/params/typed_value.h"
#include "settings/params/ui_state.h"
#include "settings/params/ui_state_layout.h"
#include "settings/store/list_group_records.h"
#include "settings/store/settings_store.h"

#include <cstring>

namespace {

bool InsertSheetsEnabled()
{
    return IsFeatureIdEnabled(SwitchableFeature::InsertSheets) != 0;
}

WORD CurrentWord(UI_STATE* pState, WORD wParamId)
{
    WORD value = 0;
    DWORD cb = sizeof value;
    GetParamValue(wParamId, &value, &cb, kTypeU16, nullptr, nullptr, nullptr, pState, kParamCurrent);
    return value;
}

void SetCurrentWord(UI_STATE* pState, WORD wParamId, WORD value)
{
    SetParamValue(wParamId, &value, sizeof value, kTypeU16, pState, kParamCurrent);
}

}  // namespace

// The state's printer name, kept in its data block, terminated.
static void GetStatePrinterName(const UI_STATE* pState, WCHAR (&name)[kPrinterNameChars + 1])
{
    std::memset(name, 0, sizeof name);
    if (pState->PrinterNameArea != nullptr)
        std::memcpy(name, pState->PrinterNameArea, kPrinterNameChars * sizeof(WCHAR));
}

BOOL LoadUiStateStore(UI_STATE* pState)
{
    if (pState == nullptr || pState->pStore == nullptr)
        return FALSE;
    WCHAR name[kPrinterNameChars + 1];
    GetStatePrinterName(pState, name);
    return LoadSettingsStore(pState->pStore, &pState->schemas, nullptr, name, pState->hPrinter);
}

BOOL SaveUiStateStore(UI_STATE* pState)
{
    if (pState == nullptr || pState->pStore == nullptr)
        return FALSE;
    WCHAR name[kPrinterNameChars + 1];
    GetStatePrinterName(pState, name);
    SETTINGS_STORE* pStore = pState->pStore;
    const BOOL saved = SaveSettingsStore(pStore, &pState->schemas, nullptr, name);
    if (pStore->lpCustomSizes != nullptr && IsLocalPrinterSettings(pState))
        SaveCustomSizeData(pStore->lpCustomSizes, &pState->schemas, pState->hPrinter);
    return saved;
}

void ResetInsertSheetEntries(UI_STATE* pState)
{
    if (pState == nullptr || !InsertSheetsEnabled())
        return;
    pState->InterSheetListData_PageListNum = 0;
    pState->InterSheetListData_nCurrent = static_cast<SHORT>(CurrentWord(pState, kInterSheetListParam));
    pState->InsertEditCount = 0;
}

void GetIndexPaperSettings(UI_STATE* pState, INDEX_PAPER_SETTINGS* pSettings)
{
    if (pState == nullptr || pSettings == nullptr || !InsertSheetsEnabled())
        return;
    INDEX_PAPER_SETTINGS settings = {};
    settings.TabPaperSize = CurrentWord(pState, kTabPaperSizeParam);
    settings.TabIndexNum = static_cast<BYTE>(CurrentWord(pState, kTabIndexNumParam));
    settings.TabTopMargin = static_cast<BYTE>(CurrentWord(pState, kTabTopMarginParam));
    settings.TabBottomMargin = static_cast<BYTE>(CurrentWord(pState, kTabBottomMarginParam));
    settings.TabIndexSpace = static_cast<BYTE>(CurrentWord(pState, kTabIndexSpaceParam));
    settings.TabTextPosition = static_cast<SHORT>(CurrentWord(pState, kTabTextPositionParam));
    std::memcpy(pSettings, &settings, sizeof settings);
}

void SetIndexPaperSettings(UI_STATE* pState, const INDEX_PAPER_SETTINGS* pSettings)
{
    if (pState == nullptr || pSettings == nullptr || !InsertSheetsEnabled())
        return;
    INDEX_PAPER_SETTINGS settings;
    std::memcpy(&settings, pSettings, sizeof settings);
    SetCurrentWord(pState, kTabPaperSizeParam, settings.TabPaperSize);
    SetCurrentWord(pState, kTabIndexNumParam, settings.TabIndexNum);
    SetCurrentWord(pState, kTabTopMarginParam, settings.TabTopMargin);
    SetCurrentWord(pState, kTabBottomMarginParam, settings.TabBottomMargin);
    SetCurrentWord(pState, kTabIndexSpaceParam, settings.TabIndexSpace);
    SetCurrentWord(pState, kTabTextPositionParam, static_cast<WORD>(settings.TabTextPosition));
}

BOOL LoadLibrarySettings(UI_STATE* pState, LPCWSTR pszFile)
{
    if (pState == nullptr)
        return FALSE;
    if (pState->pStore != nullptr) {
        SETTINGS_STORE* pEmpty = NewSettingsStore();
        if (pEmpty != nullptr)
            CopySettingsStore(pState->pStore, pEmpty);
        FreeSettingsStore(&pEmpty);
    }
    return ReadSettingsFile(pState, pszFile, 0);
}
