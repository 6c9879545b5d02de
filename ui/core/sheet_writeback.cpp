// sheet_writeback.cpp - the working state's committed settings written back into the sheet's devmode.
#include "ui/core/sheet_writeback.h"

#include "settings/devmode/devmode_switches.h"
#include "settings/paper/custom_size_entry.h"
#include "settings/params/param_binding_table.h"
#include "settings/params/settings_schema.h"
#include "settings/params/typed_value.h"
#include "settings/params/ui_state_layout.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"
#include "ui/core/phone_book.h"
#include "ui/core/sheet_state.h"

#include <cstring>

namespace {

// Form overlay modes (lpOverlay).
constexpr WORD kOverlayNone = 1;
constexpr WORD kOverlayCreate = 2;
constexpr WORD kOverlayPrint = 3;
// The form name a job prints with when the user's form list names none.
constexpr const WCHAR* kDefaultFormName = u"ZT_DEFAULT";

// A cover byte of 1 orders no cover; the cover lists start at 2.
constexpr BYTE kNoCover = 1;

// Graphics codes of devmode byte 779, which the graphics module chooses its halftoning by.
constexpr BYTE kGraphicsCodePlain = 2;
constexpr BYTE kGraphicsCodeDither2 = 3;
constexpr BYTE kGraphicsCodeDither4 = 4;
constexpr BYTE kGraphicsCodeDitherType = 6;

// Whether an earlier bound parameter writes the same devmode field: the later one is a copy that a sheet
// shows in a second place (the commit keeps both alike), and the first one's value is what the devmode keeps.
bool IsMirrorOfEarlierParam(WORD wParamId, const PARAM_BINDING_ROW& binding)
{
    for (WORD earlier = 1; earlier < wParamId; ++earlier) {
        const PARAM_BINDING_ROW* other = FindParamBinding(earlier);
        if (other != nullptr && other->wDevmodeSize != 0 && other->rule != BindRule::CoverCheck &&
            other->wDevmodeOffset == binding.wDevmodeOffset)
            return true;
    }
    return false;
}

// The committed value of a cover switch (Front_Check, Back_Check) that shares the cover list's devmode byte.
WORD CoverSwitchValue(const UI_STATE* pState, const PARAM_BINDING_ROW& list)
{
    for (WORD id = 1; id <= kBoundParamCount; ++id) {
        const PARAM_BINDING_ROW* row = FindParamBinding(id);
        if (row->rule == BindRule::CoverCheck && row->wDevmodeOffset == list.wDevmodeOffset) {
            VALUE_RECORD record;
            std::memcpy(&record, reinterpret_cast<const BYTE*>(pState) + row->dwUiOffset, sizeof record);
            return record.wCommitted;
        }
    }
    return 1;
}

void PutDevmodeValue(DRIVER_DEVMODE* pdm, const PARAM_BINDING_ROW& binding, WORD value)
{
    BYTE* pField = reinterpret_cast<BYTE*>(pdm) + binding.wDevmodeOffset;
    if (binding.wDevmodeSize == 1)
        *pField = static_cast<BYTE>(value);
    else
        std::memcpy(pField, &value, sizeof value);
}

// The value a feature-backed parameter hands back: the committed value of lists and single values, the
// current value of ranges (their edits apply as typed).
WORD HandedBackValue(DWORD dwKind, const void* pUiField)
{
    if (dwKind == PK_NAMED_LIST || dwKind == PK_LIST) {
        ITEM_LIST head;
        std::memcpy(&head, pUiField, sizeof head);
        return head.wCommitted;
    }
    VALUE_RECORD record;
    std::memcpy(&record, pUiField, sizeof record);
    return dwKind == PK_RANGE ? record.wCurrent : record.wCommitted;
}

bool IsEmptyText(const BYTE* pField, DWORD cbField)
{
    return cbField < sizeof(WCHAR) || (pField[0] == 0 && pField[1] == 0);
}

// Every bound parameter with a devmode field of its own.
void WriteBoundParams(UI_STATE* pState, DRIVER_DEVMODE* pdm)
{
    const WORD wCount = pState->wParamCount;
    for (WORD i = 0; i < wCount; ++i) {
        UIPARAM_RUN_ROW row;
        std::memcpy(&row, &pState->pParamRows[i], sizeof row);
        const PARAM_BINDING_ROW* binding = FindParamBinding(row.wParamId);
        if (binding == nullptr || binding->wDevmodeSize == 0 ||
            IsSpecialUiItem(row.wParamId) || binding->rule == BindRule::CoverCheck ||
            IsMirrorOfEarlierParam(row.wParamId, *binding))
            continue;
        BoundParamFields fields = {};
        if (!BindParamFields(pState, i, row, pdm, nullptr, &fields))
            continue;
        void* pUiField = fields.pUiField;
        void* pDevmodeField = fields.pDevmodeField;

        if (IsFeatureBackedKind(row.dwKind)) {
            WORD value = HandedBackValue(row.dwKind, pUiField);
            // A cover list orders a cover only while its switch is on; "no cover" is its own byte value.
            if (binding->rule == BindRule::CoverRewrite && CoverSwitchValue(pState, *binding) == 0)
                value = kNoCover;
            PutDevmodeValue(pdm, *binding, value);
            continue;
        }
        if (pDevmodeField == nullptr || fields.cbUiField == 0)
            continue;
        // The printer-wide text comes from the printer; an empty one on the sheet does not erase it.
        if (pDevmodeField == &pdm->dmPrivate.env.printerWideText &&
            IsEmptyText(static_cast<const BYTE*>(pUiField), fields.cbUiField))
            continue;
        DWORD cbCopied = fields.cbDevmodeField;
        ConvertTypedValue(pUiField, fields.cbUiField, pDevmodeField, &cbCopied, fields.wUiType, fields.wDevmodeType);
    }
}

// The paper's dimensions: a custom paper's from the custom-size settings, marked as given; another paper's from
// the paper table, left to the paper id.
void WritePaperDimensions(const UI_STATE* pState, DRIVER_DEVMODE* pdm, const RES_MODULE_CELL* pCell)
{
    const SHORT paper = pdm->dmPublic.dmPaperSize;
    DWORD fields = pdm->dmPublic.dmFields;
    if (IsCustomPaperId(paper)) {
        pdm->dmPublic.dmPaperWidth = static_cast<SHORT>(pState->UDPaperWidth.wCurrent);
        pdm->dmPublic.dmPaperLength = static_cast<SHORT>(pState->UDPaperLength.wCurrent);
        fields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
    } else {
        DWORD size[2] = {};
        GetPaperSizeById(pCell, paper, size);
        pdm->dmPublic.dmPaperWidth = static_cast<SHORT>(size[0] / 10);
        pdm->dmPublic.dmPaperLength = static_cast<SHORT>(size[1] / 10);
        fields &= ~static_cast<DWORD>(DM_PAPERWIDTH | DM_PAPERLENGTH);
    }
    pdm->dmPublic.dmFields = fields;
}

BYTE GraphicsCode(const UI_STATE* pState)
{
    if (pState->lpDitherType != nullptr && pState->lpDitherType->wCommitted == 1)
        return kGraphicsCodeDitherType;
    if (pState->lpGraphicsMode != nullptr && pState->lpGraphicsMode->wCurrent == 1)
        return kGraphicsCodePlain;
    const WORD dither = pState->lpDither != nullptr ? pState->lpDither->wCommitted : 0;
    if (dither == 2)
        return kGraphicsCodeDither2;
    if (dither == 4)
        return kGraphicsCodeDither4;
    return kGraphicsCodePlain;
}

// The form file a job creates or prints with: the user's form list names it; an index outside the list is
// not followed.
void WriteOverlayName(const UI_STATE* pState, DRIVER_DEVMODE* pdm)
{
    const WORD mode = pState->lpOverlay != nullptr ? pState->lpOverlay->wCommitted : 0;
    if (mode == kOverlayNone) {
        pdm->dmPrivate.bOverlayIndex = 0;
        CopyText(&pdm->dmPrivate.FormOverlayPath, u"");
        return;
    }
    if (mode != kOverlayCreate && mode != kOverlayPrint)
        return;
    const BYTE index = pState->bOverlayIndex;
    pdm->dmPrivate.bOverlayIndex = index;
    WCHAR name[kFormPathChars] = {};
    lstrcpynW(name, kDefaultFormName, kFormPathChars);
    const FORM_LIST* pForms = pState->pStore != nullptr ? pState->pStore->lpForm : nullptr;
    if (pForms != nullptr && mode == kOverlayCreate) {
        std::memcpy(name, pForms->CreateFileName, sizeof name);
    } else if (pForms != nullptr) {
        const SHORT stored = pForms->FormListNum;
        const LONG count = stored < 0 ? 0 : stored > static_cast<SHORT>(kFormOverlayCapacity) ? kFormOverlayCapacity
                                                                                                 : stored;
        WCHAR (*files)[kFormPathChars] = pForms->lpOverlayFiles;
        if (files != nullptr && index < count)
            std::memcpy(name, files[index], sizeof name);
    }
    name[kFormPathChars - 1] = u'\0';
    CopyText(&pdm->dmPrivate.FormOverlayPath, name);
}

}  // namespace

BOOL UiStateToDevmode(UI_STATE* pState, DRIVER_DEVMODE* pdm, const RES_MODULE_CELL* pCell)
{
    if (pState == nullptr || pdm == nullptr || pState->pParamRows == nullptr)
        return FALSE;
    WriteBoundParams(pState, pdm);
    PRIVATE_DEVMODE& priv = pdm->dmPrivate;
    DEVMODE_ENV_EXTRA& env = priv.env;

    // The output paper follows the paper unless the zoom fits it to another one.
    if (pState->ZoomCheck.wCommitted != 1)
        priv.lpOutputPaper = static_cast<WORD>(pdm->dmPublic.dmPaperSize);
    env.lastFitPaperSize = static_cast<WORD>(pdm->dmPublic.dmPaperSize);
    WritePaperDimensions(pState, pdm, pCell);
    env.lpMediaSource = static_cast<WORD>(pdm->dmPublic.dmDefaultSource);

    const bool bookletLayout = pState->Layout_Check.wCommitted != 0 && pState->lpLayout_Select != nullptr &&
                               pState->lpLayout_Select->wCommitted == 2;
    priv.layoutSelectCode = bookletLayout ? 4 : 1;
    priv.layoutSelectFlag = bookletLayout ? 1 : 0;
    priv.graphicsCode = GraphicsCode(pState);
    WriteOverlayName(pState, pdm);
    priv.WatermarkIndex = static_cast<BYTE>(pState->WatermarkIndex);

    env.phoneBookCount = pState->PhoneBookCount;
    SavePhoneBookTemp(pState, pdm);

    // The lists and texts kept outside the parameter pass.
    if (pState->lpPrnTabIndexNo != nullptr)
        env.tabIndexNumber = static_cast<BYTE>(pState->lpPrnTabIndexNo->wCommitted);
    if (pState->lpPreviewMode != nullptr)
        env.feature131 = static_cast<BYTE>(pState->lpPreviewMode->wCommitted);
    std::memcpy(&env.sheetText2173, &pState->SheetText2173, sizeof env.sheetText2173);
    std::memcpy(&env.internalBlock2567, &pState->byFinishingOrder, sizeof env.internalBlock2567);

    pdm->dmPublic.dmDuplex = IsDuplexOn(env) ? env.lpDuplex : DMDUP_SIMPLEX;

    // A fax with numbers to send to is sent at the fax quality; anything else prints at the resolution.
    const bool faxing = pState->lpOutput != nullptr && pState->lpOutput->wCommitted == 1 && pState->PhoneBookCount > 0;
    const WORD resolution = faxing ? env.lpQuality : env.lpResolution;
    pdm->dmPublic.dmPrintQuality = static_cast<SHORT>(resolution);
    pdm->dmPublic.dmYResolution = static_cast<SHORT>(resolution);
    env.lpResolution = resolution;
    return TRUE;
}
