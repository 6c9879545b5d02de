// sheet_state.cpp - building and freeing a sheet's working state, and the records its option lists and values
// are made of.
#include "ui/core/sheet_state.h"

#include "settings/base/global_memory.h"
#include "settings/paper/feature_ids.h"
#include "settings/paper/feature_query.h"
#include "settings/paper/option_values.h"
#include "settings/params/param_binding.h"
#include "settings/params/param_ids.h"
#include "settings/params/settings_schema.h"
#include "settings/params/typed_value.h"
#include "settings/params/ui_state_layout.h"
#include "settings/params/ui_state_pack.h"
#include "settings/params/ui_state_store.h"
#include "settings/registry/driver_version.h"
#include "settings/store/settings_store.h"
#include "settings/strings/res_strings.h"
#include "ui/core/constraint_index.h"
#include "ui/core/item_queries.h"
#include "ui/core/phone_book.h"

#include <cstring>
#include <iterator>

namespace {

// The name of the tab-index list's first entry (no tab).
constexpr UINT kIdsNoTabIndex = 28531;

WORD QueryWord(const RES_MODULE_CELL* pCell, WORD wFeature, FeatureQuery query, WORD wIndex = 0)
{
    return static_cast<WORD>(QueryFeature(pCell, wFeature, query, nullptr, wIndex, 0));
}

WORD OptionCount(const RES_MODULE_CELL* pCell, WORD wFeature)
{
    const LONG count = QueryFeature(pCell, wFeature, FeatureQuery::OptionCount, nullptr, 0, 0);
    return count > 0 ? static_cast<WORD>(count) : 0;
}

// The head of a list: current and committed value, the feature's default, the option count.
void SetListHead(const RES_MODULE_CELL* pCell, WORD wFeature, ITEM_LIST* pList, WORD wValue, WORD wCount)
{
    pList->wCurrent = wValue;
    pList->wCommitted = wValue;
    pList->wDefault = static_cast<WORD>(GetFeatureDefault(pCell, wFeature));
    pList->wFlag = 1;
    pList->wCount = wCount;
    pList->wPosition = 0;
}

// The feature a parameter's row names.
WORD ParamFeature(WORD wParamId)
{
    const UIPARAM_ROW* row = FindUiParamRow(wParamId);
    return row != nullptr ? row->wFeature : kNoFeature;
}

}  // namespace

void FillOptionList(const RES_MODULE_CELL* pCell, WORD wFeature, ITEM_LIST* pList, WORD wValue)
{
    if (pList == nullptr)
        return;
    const WORD wCount = OptionCount(pCell, wFeature);
    SetListHead(pCell, wFeature, pList, wValue, wCount);
    ITEM_LIST_ENTRY* pEntries = NamedEntries(pList);
    for (WORD i = 0; i < wCount; ++i) {
        ITEM_LIST_ENTRY entry = {};
        entry.wValue = QueryWord(pCell, wFeature, FeatureQuery::OptionValue, i);
        entry.wPosition = i;
        WCHAR name[64] = {};
        QueryFeature(pCell, wFeature, FeatureQuery::OptionName, name, i, static_cast<WORD>(std::size(name)));
        name[std::size(name) - 1] = u'\0';
        std::memcpy(entry.szName, name, sizeof name);
        entry.wState = 1;
        std::memcpy(&pEntries[i], &entry, sizeof entry);
        if (entry.wValue == wValue)
            pList->wPosition = i;
    }
}

void FillValueList(const RES_MODULE_CELL* pCell, WORD wFeature, ITEM_LIST* pList, WORD wValue)
{
    if (pList == nullptr)
        return;
    const WORD wCount = OptionCount(pCell, wFeature);
    SetListHead(pCell, wFeature, pList, wValue, wCount);
    VALUE_LIST_ENTRY* pEntries = ValueEntries(pList);
    for (WORD i = 0; i < wCount; ++i) {
        const VALUE_LIST_ENTRY entry = {QueryWord(pCell, wFeature, FeatureQuery::OptionValue, i), 1};
        std::memcpy(&pEntries[i], &entry, sizeof entry);
        if (entry.wValue == wValue)
            pList->wPosition = i;
    }
}

void InitPlainValue(const RES_MODULE_CELL* pCell, WORD wFeature, VALUE_RECORD* pRecord, WORD wValue)
{
    if (pRecord == nullptr)
        return;
    pRecord->wCurrent = wValue;
    pRecord->wCommitted = wValue;
    pRecord->wDefault = static_cast<WORD>(GetFeatureDefault(pCell, wFeature));
    pRecord->wFlag = 1;
}

void InitRangeValue(const RES_MODULE_CELL* pCell, WORD wFeature, VALUE_RECORD* pRecord, WORD wValue)
{
    if (pRecord == nullptr)
        return;
    InitPlainValue(pCell, wFeature, pRecord, wValue);
    pRecord->wMinimum = QueryWord(pCell, wFeature, FeatureQuery::Minimum);
    pRecord->wMaximum = QueryWord(pCell, wFeature, FeatureQuery::Maximum);
}

bool BindParamFields(UI_STATE* pState, WORD wRow, const UIPARAM_RUN_ROW& row, DRIVER_DEVMODE* pdm,
                     DRIVER_DEVMODE* pdmCurrent, BoundParamFields* pFields)
{
    if (row.pfnBind == nullptr)
        return false;
    PARAM_BIND_REQUEST request = {};
    request.wParamId = row.wParamId;
    request.wRowIndex = wRow;
    request.pUiState = pState;
    request.pDevmode = pdmCurrent;
    request.pDevmodeField = pdm;
    request.pwCurrent = &pFields->wCurrent;
    request.ppDevmodeField = &pFields->pDevmodeField;
    request.pcbDevmodeField = &pFields->cbDevmodeField;
    request.pwDevmodeType = &pFields->wDevmodeType;
    request.ppUiField = &pFields->pUiField;
    request.pcbUiField = &pFields->cbUiField;
    request.pwUiType = &pFields->wUiType;
    return row.pfnBind(&request) != 0 && pFields->pUiField != nullptr;
}

void PopulateUiStateLists(const RES_MODULE_CELL* pCell, UI_STATE* pState, DRIVER_DEVMODE* pdm)
{
    if (pState == nullptr || pState->pParamRows == nullptr || pdm == nullptr)
        return;
    const WORD wCount = pState->wParamCount;
    for (WORD i = 0; i < wCount; ++i) {
        UIPARAM_RUN_ROW row;
        std::memcpy(&row, &pState->pParamRows[i], sizeof row);
        if (row.pfnBind == nullptr || IsSpecialUiItem(row.wParamId))
            continue;
        BoundParamFields fields = {};
        if (!BindParamFields(pState, i, row, pdm, pdm, &fields))
            continue;
        const WORD wCurrent = fields.wCurrent;
        void* pUiField = fields.pUiField;
        switch (row.dwKind) {
        case PK_NAMED_LIST:
            FillOptionList(pCell, row.wFeature, static_cast<ITEM_LIST*>(pUiField), wCurrent);
            break;
        case PK_LIST:
            FillValueList(pCell, row.wFeature, static_cast<ITEM_LIST*>(pUiField), wCurrent);
            break;
        case PK_VALUE:
            InitPlainValue(pCell, row.wFeature, static_cast<VALUE_RECORD*>(pUiField), wCurrent);
            break;
        case PK_RANGE:
            InitRangeValue(pCell, row.wFeature, static_cast<VALUE_RECORD*>(pUiField), wCurrent);
            break;
        case PK_TEXT:
        case PK_FIELD:
        case PK_LONG_TEXT:
        case PK_PAGE_LISTS:
            if (fields.pDevmodeField != nullptr && fields.cbUiField != 0)
                ConvertTypedValueSet(pUiField, fields.cbUiField, fields.pDevmodeField, fields.cbDevmodeField,
                                     fields.wDevmodeType, fields.wUiType);
            break;
        default:
            break;   // the other kinds keep no working value of their own
        }
    }
}

void InitTabLists(const RES_MODULE_CELL* pCell, UI_STATE* pState, const DRIVER_DEVMODE* pdm)
{
    if (pState == nullptr || pdm == nullptr)
        return;
    const WORD wPaperFeature = ParamFeature(kTabPaperSizeParam);
    const WORD wCountFeature = ParamFeature(kTabIndexNumParam);
    FillOptionList(pCell, wPaperFeature, pState->lpTabPaperSize,
                   static_cast<WORD>(GetFeatureDefault(pCell, wPaperFeature)));
    FillOptionList(pCell, wCountFeature, pState->lpTabIndexNum,
                   static_cast<WORD>(GetFeatureDefault(pCell, wCountFeature)));

    // The data block holds one entry per tab number 0..n, laid out from the same largest value.
    ITEM_LIST* pList = pState->lpPrnTabIndexNo;
    if (pList == nullptr)
        return;
    const DWORD largest = GetLargestOptionValue(pCell, kFeatureTabIndexNum);
    const WORD wChoice = pdm->dmPrivate.env.tabIndexNumber;
    pList->wCurrent = wChoice;
    pList->wCommitted = wChoice;
    pList->wDefault = 0;
    pList->wFlag = 1;
    pList->wCount = static_cast<WORD>(largest + 1);
    pList->wPosition = wChoice <= largest ? wChoice : 0;
    ITEM_LIST_ENTRY* pEntries = NamedEntries(pList);
    for (DWORD value = 0; value <= largest; ++value) {
        ITEM_LIST_ENTRY entry = {};
        entry.wValue = static_cast<WORD>(value);
        entry.wPosition = static_cast<WORD>(value);
        entry.wState = 1;
        WCHAR name[64] = {};
        if (value == 0)
            lstrcpynW(name, GetResString(kIdsNoTabIndex), static_cast<int>(std::size(name)));
        else
            wsprintfW(name, u"%d/%d", static_cast<int>(value), static_cast<int>(largest));
        std::memcpy(entry.szName, name, sizeof name);
        std::memcpy(&pEntries[value], &entry, sizeof entry);
    }
}

void InitExtraLists(const RES_MODULE_CELL* pCell, UI_STATE* pState, const DRIVER_DEVMODE* pdm)
{
    if (pState == nullptr || pdm == nullptr)
        return;
    InitTabLists(pCell, pState, pdm);
    const BYTE watermark = pdm->dmPrivate.WatermarkIndex;
    pState->WatermarkIndex = watermark;
    pState->WatermarkIndexSaved = watermark;
    pState->WatermarkIndexChanged = 0;
    FillValueList(pCell, ParamFeature(kPreviewModeParam), pState->lpPreviewMode, pdm->dmPrivate.env.feature131);
    std::memcpy(&pState->byFinishingOrder, &pdm->dmPrivate.env.internalBlock2567, sizeof pState->byFinishingOrder);
    std::memcpy(&pState->SheetText2173, &pdm->dmPrivate.env.sheetText2173, sizeof pState->SheetText2173);
}

void GetPaperSizeById(const RES_MODULE_CELL* pCell, SHORT paperId, DWORD size[2])
{
    size[0] = 0;
    size[1] = 0;
    if (!HasResModule(pCell))
        return;
    QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::OptionSize, size, GetPaperOptionIndex(pCell, paperId), 0);
}

// Frees what a state owns besides its main block; the state's fields are left as they are.
static void FreeStateParts(UI_STATE* pState)
{
    FreeConstraintIndex(pState);
    SETTINGS_STORE* pStore = pState->pStore;
    FreeSettingsStore(&pStore);
    UIPARAM_RUN_ROW* pRows = pState->pParamRows;
    SETTINGS_KEY_RUN_ROW* pKeys = pState->pKeyRows;
    LIST_SCHEMA_SET schemas;
    std::memcpy(&schemas, &pState->schemas, sizeof schemas);
    FreeSettingsSchema(&pRows, &schemas, &pKeys);
    FreeLockedBlock(pState->pDataBlock);
    FreeLockedBlock(pState->pPackedUiDefaults);
    FreeLockedBlock(pState->pPackedListDefaults);
}

// The state's printer name (the data block's area) from the devmode's fitted device name.
static void TakePrinterName(UI_STATE* pState, const DRIVER_DEVMODE* pdm)
{
    WCHAR* pArea = pState->PrinterNameArea;
    if (pArea == nullptr)
        return;
    WCHAR name[kPrinterNameChars] = {};
    std::memcpy(name, pdm->dmPublic.dmDeviceName, sizeof(WCHAR) * (kPrinterNameChars - 1));
    std::memcpy(pArea, name, sizeof name);
}

// The index paper of the named insert list the insert-list item selects (numbered from 1).
static void TakeSelectedIndexPaper(UI_STATE* pState)
{
    const SETTINGS_STORE* pStore = pState->pStore;
    if (pStore->lpInterSheet == nullptr || pStore->lpInterSheet->lpLists == nullptr)
        return;
    WORD wSelected = 0;
    DWORD cb = sizeof wSelected;
    GetParamValue(kInterSheetListParam, &wSelected, &cb, kTypeU16, nullptr, nullptr, nullptr, pState, kParamCurrent);
    if (wSelected < 1 || wSelected > kInterSheetListCount)
        return;
    INTERSHEET_LIST list;
    std::memcpy(&list, &pStore->lpInterSheet->lpLists[wSelected - 1], sizeof list);
    if (list.lpIndexPaper != nullptr)
        SetIndexPaperSettings(pState, list.lpIndexPaper);
}

BOOL BuildUiState(const RES_MODULE_CELL* pCell, UI_STATE** ppState, DRIVER_DEVMODE* pdm, PVOID, HANDLE hPrinter)
{
    if (ppState == nullptr || pdm == nullptr)
        return FALSE;
    *ppState = nullptr;
    InitResStrings();

    // The private copy of the public part names the printer whose per-user settings are checked.
    std::memcpy(pdm->dmPrivate.dmPublicCopy.dmDeviceName, pdm->dmPublic.dmDeviceName,
                sizeof pdm->dmPublic.dmDeviceName);
    pdm->dmPrivate.dmPublicCopy.dmDriverVersion = pdm->dmPublic.dmDriverVersion;
    CheckDriverVersion(&pdm->dmPrivate);

    UIPARAM_RUN_ROW* pRows = nullptr;
    SETTINGS_KEY_RUN_ROW* pKeys = nullptr;
    LIST_SCHEMA_SET schemas = {};
    WORD wCount = 0;
    WORD wKeyCount = 0;
    if (!LoadSettingsSchema(&pRows, &wCount, &schemas, &pKeys, &wKeyCount)) {
        TermResStrings();
        return FALSE;
    }
    const DWORD cbMain = LayoutUiStateTable(pCell, nullptr, pRows, wCount);
    const DWORD cbData = LayoutUiStateDataBlock(pCell, nullptr, pRows, wCount);
    auto* pState = static_cast<UI_STATE*>(AllocLockedBlock(cbMain));
    auto* pData = static_cast<BYTE*>(AllocLockedBlock(cbData));
    if (pState == nullptr || pData == nullptr) {
        FreeLockedBlock(pState);
        FreeLockedBlock(pData);
        FreeSettingsSchema(&pRows, &schemas, &pKeys);
        TermResStrings();
        return FALSE;
    }
    pState->cbMainBlock = cbMain;
    pState->cbDataBlock = cbData;
    pState->pDataBlock = pData;
    pState->pParamRows = pRows;
    pState->wParamCount = wCount;
    std::memcpy(&pState->schemas, &schemas, sizeof schemas);
    pState->pKeyRows = pKeys;
    pState->wKeyCount = wKeyCount;
    pState->hPrinter = hPrinter;

    RebindUiStatePointers(pState, nullptr);
    ResetInsertSheetEntries(pState);
    LoadPhoneBook(pCell, pState, pdm, nullptr, hPrinter);
    TakePrinterName(pState, pdm);
    PopulateUiStateLists(pCell, pState, pdm);
    InitExtraLists(pCell, pState, pdm);
    // The change masks and change lists start cleared: the block is zero-filled.

    pState->pStore = NewSettingsStore();
    if (pState->pStore != nullptr) {
        LoadUiStateStore(pState);
        TakeSelectedIndexPaper(pState);
    }
    TermResStrings();

    InitUiTables();
    BuildConstraintIndex(pState);
    if (pState->pStore != nullptr) {
        pState->pPackedUiDefaults = PackUiState(pState);
        pState->pPackedListDefaults = PackSettingsStore(pState->pStore, &pState->schemas);
    }
    // Without any list schema there is nothing to pack for the lists; otherwise a missing block is a failure.
    const bool listsPacked = pState->pPackedListDefaults != nullptr || pState->schemas.lpRows == nullptr;
    if (pState->pStore == nullptr || pState->pPackedUiDefaults == nullptr || !listsPacked) {
        FreeStateParts(pState);
        FreeLockedBlock(pState);
        return FALSE;
    }
    *ppState = pState;
    return TRUE;
}

void FreeUiState(UI_STATE** ppState)
{
    if (ppState == nullptr || *ppState == nullptr)
        return;
    UI_STATE* pState = *ppState;
    const bool heldStrings = pState->HoldsResStrings != 0;
    FreeStateParts(pState);
    FreeLockedBlock(pState);
    *ppState = nullptr;
    if (heldStrings)
        TermResStrings();
}
