// commit_settings.cpp - the commit that runs when a page is applied, before the devmode write-back. Device
// options and the fields of the insert-sheet dialogs are not applied here: the device page and those dialogs
// apply them themselves.
#include "ui/core/commit_settings.h"

#include "settings/base/global_memory.h"
#include "settings/params/ui_state_layout.h"
#include "settings/params/uiparam_table.h"
#include "settings/strings/res_strings.h"
#include "settings/strings/string_ids.h"
#include "ui/core/control_ids.h"
#include "ui/core/control_rules.h"
#include "ui/core/item_queries.h"
#include "ui/core/item_constraints.h"
#include "ui/core/item_table.h"
#include "ui/core/named_insert_lists.h"
#include "ui/core/rule_callbacks.h"
#include "ui/core/stored_files.h"
#include "ui/core/zoom_flags.h"

#include <cstring>
#include <initializer_list>
#include <iterator>

// Items the commit leaves alone: the output paper, applied on its own rule first; the device options; the
// fields of the insert-sheet, insert-sheet defaults and tab-text dialogs.
static constexpr WORD kNotCommittedItems[] = {
    114, 802, 804, 824, 826, 828, 830, 832, 838, 844, 845, 846, 847, 2405, 2407, 2409, 2411, 2415, 2434, 2453, 2455,
};

// Parameters without a control of their own whose working value is applied with the rest.
static constexpr WORD kCommittedParams[] = {
      8,   9,  12,  13,  24,  32,  46,  47,  48,  49,  50,  51,  52,  53,  54,  55,  57,  58,  65,  87,
     88,  94, 101, 102, 104, 105, 118, 140, 141, 144, 148, 149, 151, 152, 153, 154, 157, 158, 159, 160,
    161, 162, 163, 164, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 191, 192, 193, 194,
    195, 196, 197, 198, 199, 200, 201, 202, 240, 241, 242, 243,
};

constexpr WORD kSameAsOriginal = 257;       // output paper: the original size
constexpr WORD kCustomSizeMark = 0x1000;    // a paper id with this bit is a user-defined size
constexpr WORD kManualTray = 4;
constexpr WORD kOutputFax = 1;
constexpr WORD kOutputPrint = 2;
constexpr SIZE_T kFaxNoticeBytes = 512;
constexpr SIZE_T kFaxDetailBytes = 1024;     // the notice with the settings printing changed
constexpr SIZE_T kCoverImageNoticeBytes = 2048;

static ITEM_LIST ReadHead(const ITEM_LIST* pList)
{
    ITEM_LIST head = {};
    if (pList != nullptr)
        std::memcpy(&head, pList, sizeof head);
    return head;
}

static void WriteHead(ITEM_LIST* pList, const ITEM_LIST& head)
{
    if (pList != nullptr)
        std::memcpy(pList, &head, sizeof head);
}

static void CommitList(ITEM_LIST* pList)
{
    ITEM_LIST head = ReadHead(pList);
    head.wCommitted = head.wCurrent;
    WriteHead(pList, head);
}

static void CommitRecord(VALUE_RECORD* pRecord)
{
    VALUE_RECORD record;
    std::memcpy(&record, pRecord, sizeof record);
    record.wCommitted = record.wCurrent;
    std::memcpy(pRecord, &record, sizeof record);
}

// Applies a parameter by id through its binding: a list's head or a value record.
static void CommitParam(UI_STATE* pState, WORD wParamId)
{
    const WORD row = FindUiParamRunRow(pState, wParamId);
    if (row == kNoLink)
        return;
    void* pField = nullptr;
    if (CallParamBinder(wParamId, row, pState, &pField, nullptr, nullptr) == 0 || pField == nullptr)
        return;
    const DWORD dwKind = pState->pParamRows[row].dwKind;
    if (dwKind == PK_NAMED_LIST || dwKind == PK_LIST)
        CommitList(static_cast<ITEM_LIST*>(pField));
    else if (dwKind == PK_VALUE || dwKind == PK_RANGE)
        CommitRecord(static_cast<VALUE_RECORD*>(pField));
}

static bool IsCommittedItem(WORD wControl)
{
    for (WORD id : kNotCommittedItems)
        if (id == wControl)
            return false;
    return true;
}

static WORD RecordCurrent(const VALUE_RECORD* pRecord)
{
    VALUE_RECORD record;
    std::memcpy(&record, pRecord, sizeof record);
    return record.wCurrent;
}

static void SetRecord(VALUE_RECORD* pRecord, WORD wValue)
{
    VALUE_RECORD record;
    std::memcpy(&record, pRecord, sizeof record);
    record.wCurrent = wValue;
    record.wCommitted = wValue;
    std::memcpy(pRecord, &record, sizeof record);
}

static void CommitPaperAndZoom(UI_STATE* pState)
{
    CommitList(pState->lpOrientation);
    CommitList(pState->lpMediaSize);
    CommitRecord(&pState->ZoomCheck);
    CommitRecord(&pState->Zoom);
    const WORD zoomCheck = RecordCurrent(&pState->ZoomCheck);
    pState->zoomFitFlag = static_cast<BYTE>(zoomCheck);

    const ITEM_LIST original = ReadHead(pState->lpMediaSize);
    ITEM_LIST output = ReadHead(pState->lpOutputPaper);
    pState->VQOutputPaperSize = static_cast<SHORT>(output.wCurrent);
    // Without the automatic zoom, or with "same as the original", the job's output paper is the original.
    output.wCommitted = zoomCheck == 0 || output.wCurrent == kSameAsOriginal ? original.wCurrent : output.wCurrent;
    if ((original.wCommitted & kCustomSizeMark) != 0)
        output.wCommitted |= kCustomSizeMark;
    WriteHead(pState->lpOutputPaper, output);
}

static void CommitEverythingElse(UI_STATE* pState)
{
    const UI_ITEM* pRows = GetUiItemRows();
    const WORD count = GetUiTableCounts().wItems;
    for (WORD i = 0; i < count; ++i) {
        const WORD wControl = pRows[i].wControl;
        if (IsCommittedItem(wControl))
            SetItemCommittedValue(wControl, GetItemValue(wControl));
    }
    for (WORD wParamId : kCommittedParams)
        CommitParam(pState, wParamId);
    pState->bWatermarkFixed = pState->bWatermarkCurrent;
    if (!IsControlEnabled(kIdUserSettingsButton)) {
        // Without the user-settings dialog no user ID or password can have been given on purpose.
        std::memset(&pState->UserId, 0, sizeof pState->UserId);
        std::memset(&pState->sheetText1451, 0, sizeof pState->sheetText1451);
        std::memset(&pState->ScrambledPassword, 0, sizeof pState->ScrambledPassword);
    }
}

// A fax transmission without destinations cannot be sent: it becomes print, and the user is told once. Print
// may forbid the output tray, paper type, tray or output paper the fax had: each takes its first available
// option, is committed with it (the write-back reads committed values), and is named in the notice.
static void ChangeFaxWithoutDestinationsToPrint(UI_STATE* pState)
{
    ITEM_LIST output = ReadHead(pState->lpOutput);
    if (pState->lpOutput == nullptr || output.wCurrent != kOutputFax || pState->PhoneBookCount != 0)
        return;
    // Without memory for the notice the job still becomes print: only the telling is lost.
    LockedBlock message(kFaxNoticeBytes);
    output.wCurrent = kOutputPrint;
    output.wCommitted = kOutputPrint;
    WriteHead(pState->lpOutput, output);
    if (message) {
        const UINT idsText = pState->HostFlag == 1 ? kIdsFaxBecomesPrintHosted : kIdsFaxBecomesPrint;
        lstrcpynW(message.as<WCHAR>(), GetResString(idsText), kFaxNoticeBytes / sizeof(WCHAR));
    }

    struct Reselected { WORD control; UINT idsLine; bool changed; };
    Reselected reselected[] = { { kIdOutputPaper, kIdsFaxNewOutputPaper, false },
                                { kIdPaperTray, kIdsFaxNewPaperTray, false },
                                { kIdPaperType, kIdsFaxNewPaperType, false },
                                { kIdOutputTray, kIdsFaxNewOutputTray, false } };
    UpdateControlRules(nullptr, pState);
    bool anyChanged = false;
    for (int i = static_cast<int>(std::size(reselected)) - 1; i >= 0; --i) {   // output tray first
        Reselected& r = reselected[i];
        if (IsControlEnabled(r.control) && SelectFirstAvailableItem(nullptr, pState, r.control)) {
            r.changed = true;
            anyChanged = true;
            SetItemCommittedValue(r.control, GetItemValue(r.control));
            UpdateControlRules(nullptr, pState);
        }
    }
    if (message && !anyChanged) {
        MessageBoxW(GetActiveWindow(), message.as<WCHAR>(), GetResString(kIdsFaxNoticeCaption),
                    MB_ICONINFORMATION | MB_OK);
    } else if (message) {
        LockedBlock text(kFaxDetailBytes);
        LockedBlock line(kFaxDetailBytes);
        if (text && line) {
            WCHAR* out = text.as<WCHAR>();
            const int room = static_cast<int>(kFaxDetailBytes / sizeof(WCHAR));
            lstrcpynW(out, message.as<WCHAR>(), room);
            lstrcpynW(out + lstrlenW(out), GetResString(kIdsFaxSettingsChanged), room - lstrlenW(out));
            for (const Reselected& r : reselected) {
                if (!r.changed)
                    continue;
                const LPCWSTR name = GetOptionValueName(r.control, GetItemValue(r.control));
                wsprintfW(line.as<WCHAR>(), GetResString(r.idsLine), name != nullptr ? name : u"");
                lstrcpynW(out + lstrlenW(out), line.as<WCHAR>(), room - lstrlenW(out));
            }
            MessageBoxW(GetActiveWindow(), out, GetResString(kIdsFaxNoticeCaption), MB_ICONINFORMATION | MB_OK);
        }
    }
    UpdateControlRules(nullptr, pState);
}

// A fax cover sheet whose image file is gone is sent without the image.
static void DropMissingCoverImage(UI_STATE* pState)
{
    if (ReadHead(pState->lpOutput).wCurrent != kOutputFax || RecordCurrent(&pState->CoverSheet) != 1 ||
        RecordCurrent(&pState->FaxCover_Image) != 1 || CheckStoredFileExists(pState))
        return;
    LockedBlock name((MAX_PATH + 1) * sizeof(WCHAR));
    LockedBlock text(kCoverImageNoticeBytes);
    if (name && text && GetStoredFileName(pState, name.get(), MAX_PATH * sizeof(WCHAR)) != 0) {
        WCHAR* out = text.as<WCHAR>();
        const int room = static_cast<int>(kCoverImageNoticeBytes / sizeof(WCHAR));
        wsprintfW(out, u"\n'%s'\n", name.as<WCHAR>());
        for (UINT ids : { kIdsCoverImageMissing, kIdsCoverImageDropped, kIdsCoverImageCheck }) {
            const int used = lstrlenW(out);
            lstrcpynW(out + used, GetResString(ids), room - used);
        }
        MessageBoxW(GetActiveWindow(), out, GetResString(kIdsCoverImageCaption), MB_ICONINFORMATION | MB_OK);
    }
    SetRecord(&pState->FaxCover_Image, 0);
}

// What the devmode write-back reads besides the applied values.
static void DeriveWriteBackValues(UI_STATE* pState)
{
    pState->LogonUserNameSumSaved = pState->LogonUserNameSum;
    pState->LogonUserNameLengthSaved = pState->LogonUserNameLength;
    SaveNamedInsertList(nullptr, pState);   // the working insert list into its named list

    // The paper type of a manual feed: the document's when it is fed by hand, else the covers' or inserts'.
    WORD manualType = 0;
    if (ReadHead(pState->lpMediaSource).wCommitted == kManualTray)
        manualType = ReadHead(pState->lpMediaType).wCommitted;
    else if (CoversUseManualTray(nullptr, pState, kIdCoverPaperType, 200))
        manualType = ReadHead(pState->lpCoverMediaType).wCommitted;
    pState->sheetByte2425 = static_cast<SHORT>(manualType);

    pState->pdlTypeAsBuilt = static_cast<SHORT>(ReadHead(pState->lpPDLType).wCommitted);
    pState->lpCopierHardDiskCopy = static_cast<SHORT>(ReadHead(pState->lpCopierHardDisk).wCommitted);
}

void CommitSettings(UI_STATE* pState)
{
    if (pState == nullptr)
        return;
    BindItemValues(pState);
    UpdateZoomFlags(pState);
    CommitPaperAndZoom(pState);
    CommitEverythingElse(pState);
    ChangeFaxWithoutDestinationsToPrint(pState);
    DropMissingCoverImage(pState);
    DeriveWriteBackValues(pState);
}
