// param_binding.cpp - the one binding function of the parameters, driven by the binding table.
#include "settings/params/param_binding.h"

#include "settings/devmode/driver_devmode.h"
#include "settings/paper/feature_query.h"
#include "settings/params/param_binding_table.h"
#include "settings/params/settings_schema.h"
#include "settings/params/ui_state.h"
#include "settings/params/uiparam_table.h"
#include "settings/strings/res_library.h"

#include <cstring>

namespace {

// Layout values 1 and 2 are no longer offered; 8 is feature 12's default.
constexpr BYTE kRetiredLayout1 = 1;
constexpr BYTE kRetiredLayout2 = 2;
constexpr BYTE kDefaultLayout = 8;
// A cover byte of 1 means "no cover", which the cover lists do not offer; 2 is their first option.
constexpr BYTE kNoCover = 1;
constexpr BYTE kFirstCoverOption = 2;

}  // namespace

static WORD ReadDevmodeWord(const BYTE* pField, WORD cbWidth)
{
    WORD wValue = pField[0];
    if (cbWidth == 2)
        wValue = static_cast<WORD>(wValue | (pField[1] << 8));
    return wValue;
}

// The current value of a feature-backed parameter, applying its rule; the rewrite rules change the devmode.
static WORD ReadCurrentValue(const PARAM_BINDING_ROW& binding, WORD wFeature, DRIVER_DEVMODE* pDevmode)
{
    BYTE* pField = reinterpret_cast<BYTE*>(pDevmode) + binding.wDevmodeOffset;
    switch (binding.rule) {
    case BindRule::Plain:
        return ReadDevmodeWord(pField, binding.wDevmodeSize);
    case BindRule::LayoutRewrite:
        if (*pField == kRetiredLayout1 || *pField == kRetiredLayout2)
            *pField = kDefaultLayout;
        return *pField;
    case BindRule::CoverRewrite:
        if (*pField == kNoCover)
            *pField = kFirstCoverOption;
        return *pField;
    case BindRule::CoverCheck:
        return *pField != kNoCover ? 1 : 0;
    case BindRule::FeatureDefault: {
        RES_MODULE_CELL* pCell = OpenResModule();
        const WORD wDefault = static_cast<WORD>(GetFeatureDefault(pCell, wFeature));
        CloseResModule(pCell);
        return wDefault;
    }
    case BindRule::NoCurrent:
        return 0;
    }
    return 0;
}

// The area of a list or data-area parameter: the UI_STATE's own address or its data block, plus the offset
// the layout gave the parameter's run-time row. Null when the row cannot be told.
static BYTE* FindArea(const PARAM_BINDING_ROW& binding, const PARAM_BIND_REQUEST& request)
{
    UI_STATE* pState = request.pUiState;
    UIPARAM_RUN_ROW* pRows = pState->pParamRows;
    if (pRows == nullptr || request.wRowIndex >= pState->wParamCount)
        return nullptr;
    UIPARAM_RUN_ROW row;
    std::memcpy(&row, &pRows[request.wRowIndex], sizeof row);
    if (row.wParamId != request.wParamId)
        return nullptr;
    if (binding.area == UiArea::DataBlock) {
        BYTE* pDataBlock = pState->pDataBlock;
        if (pDataBlock == nullptr)
            return nullptr;
        return pDataBlock + row.dwAreaOffset;
    }
    return reinterpret_cast<BYTE*>(pState) + row.dwAreaOffset;
}

DWORD BindUiParam(PARAM_BIND_REQUEST* pRequest)
{
    if (pRequest == nullptr)
        return 0;
    const PARAM_BINDING_ROW* binding = FindParamBinding(pRequest->wParamId);
    const UIPARAM_ROW* row = FindUiParamRow(pRequest->wParamId);
    if (binding == nullptr || row == nullptr)
        return 1;

    const bool hasDevmodeField = binding->wDevmodeSize != 0;
    if (IsFeatureBackedKind(row->dwKind)) {
        if (pRequest->pDevmode != nullptr && pRequest->pwCurrent != nullptr &&
            (hasDevmodeField || binding->rule == BindRule::FeatureDefault))
            *pRequest->pwCurrent = ReadCurrentValue(*binding, row->wFeature, pRequest->pDevmode);
    } else if (pRequest->pDevmodeField != nullptr && hasDevmodeField) {
        if (pRequest->ppDevmodeField != nullptr)
            *pRequest->ppDevmodeField = reinterpret_cast<BYTE*>(pRequest->pDevmodeField) + binding->wDevmodeOffset;
        if (pRequest->pcbDevmodeField != nullptr)
            *pRequest->pcbDevmodeField = binding->wDevmodeSize;
        if (pRequest->pwDevmodeType != nullptr)
            *pRequest->pwDevmodeType = binding->wDevmodeType;
    }

    UI_STATE* pState = pRequest->pUiState;
    if (pState == nullptr)
        return 1;

    BYTE* pField = reinterpret_cast<BYTE*>(pState) + binding->dwUiOffset;
    if (binding->area != UiArea::None && pRequest->dwFixUp != 0) {
        BYTE* pArea = FindArea(*binding, *pRequest);
        if (pArea != nullptr)
            std::memcpy(pField, &pArea, sizeof pArea);
    }
    if (pRequest->ppUiField != nullptr) {
        void* pAddress = pField;
        if (binding->area != UiArea::None)
            std::memcpy(&pAddress, pField, sizeof pAddress);
        *pRequest->ppUiField = pAddress;
    }
    if (binding->wUiSize != 0) {
        if (pRequest->pcbUiField != nullptr)
            *pRequest->pcbUiField = binding->wUiSize;
        if (pRequest->pwUiType != nullptr)
            *pRequest->pwUiType = binding->wUiType;
    }
    return 1;
}
