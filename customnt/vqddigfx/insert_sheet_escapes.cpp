// insert_sheet_escapes.cpp - the private escapes of the page plan: the insert-sheet entries, the insert paper,
// the tab texts' capture and records, and the build. Their data comes from whichever application holds the
// device context, so a code is matched against its sizes and pointers before anything of the call is read.
#include "customnt/vqddigfx/insert_sheet_escapes.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/escape_table.h"
#include "pdl/vxcmn/vqpdlnt/image_offset.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vqpdlnt/page_plan_build.h"
#include "pdl/vxcmn/vqpdlnt/tab_capture.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/base/private_escape_codes.h"

#include <cstring>
#include <iterator>

namespace {

constexpr ULONG kAnySize = 0xFFFFFFFF;

LONG ReadLong(const BYTE* pIn)
{
    LONG value = 0;
    std::memcpy(&value, pIn, sizeof value);
    return value;
}

void WriteLong(BYTE* pOut, LONG value)
{
    std::memcpy(pOut, &value, sizeof value);
}

// Whole entries only: an entry cut short by the caller's size is not kept, and nothing of an earlier call
// stays behind the ones that came.
ULONG StoreInsertEntries(const ESCAPE_CALL& call)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(call.pdev);
    if (pContext->lInsertEntryCount == 0)
        return 0;
    auto* pEntries = pContext->pInsertEntries;
    if (pEntries == nullptr) {
        pEntries = static_cast<INTERSHEET_ENTRY*>(AllocListAlloc(call.pdev->pAllocList, kInsertEntryBufferSize));
        if (pEntries == nullptr)
            return 0;
        pContext->pInsertEntries = pEntries;
    }
    const ULONG cbWhole = call.cjIn - call.cjIn % sizeof(INTERSHEET_ENTRY);
    auto* pBytes = reinterpret_cast<BYTE*>(pEntries);
    std::memcpy(pBytes, call.pIn, cbWhole);
    std::memset(pBytes + cbWhole, 0, kInsertEntryBufferSize - cbWhole);
    return 1;
}

ULONG StoreInsertCount(const ESCAPE_CALL& call)
{
    if (call.cjIn == sizeof(LONG))
        PdlGetContext(call.pdev)->lInsertEntryCount = ReadLong(call.pIn);
    return 1;
}

ULONG StoreInsertPaper(const ESCAPE_CALL& call)
{
    BYTE paper[sizeof JOB_EXTRA_RECORD::insertPaper] = {};
    std::memcpy(paper, call.pIn, call.cjIn);
    std::memcpy(PdlGetContext(call.pdev)->insertPaper, paper, sizeof paper);
    return 1;
}

ULONG StoreInsertsOneSided(const ESCAPE_CALL& call)
{
    if (call.cjIn == sizeof(LONG))
        PdlGetContext(call.pdev)->lInsertsOneSided = ReadLong(call.pIn);
    return 1;
}

ULONG GetTabSheetsBefore(const ESCAPE_CALL& call)
{
    SHORT index = 0;
    std::memcpy(&index, call.pIn, sizeof index);
    const auto count = static_cast<SHORT>(CountTabSheetsBefore(call.pdev, index));
    std::memcpy(call.pOut, &count, sizeof count);
    return 1;
}

ULONG BeginTabPages(const ESCAPE_CALL& call)
{
    StartTabTextCapture(call.pdev);
    return 1;
}

ULONG EndTabPages(const ESCAPE_CALL& call)
{
    StopTabTextCapture(call.pdev);
    return 1;
}

ULONG SetTabCount(const ESCAPE_CALL& call)
{
    return CreateTabRecords(call.pdev, ReadLong(call.pIn)) ? 1 : 0;
}

ULONG GetTabCount(const ESCAPE_CALL& call)
{
    WriteLong(call.pOut, PdlGetContext(call.pdev)->lTabRecordCount);
    return 1;
}

ULONG HasTabRecords(const ESCAPE_CALL& call)
{
    WriteLong(call.pOut, PdlGetContext(call.pdev)->pTabRecords != nullptr ? 1 : 0);
    return 1;
}

ULONG FreeTabRecords(const ESCAPE_CALL& call)
{
    FreeTabCaptures(call.pdev);
    return 1;
}

ULONG StoreFrontVersion(const ESCAPE_CALL& call)
{
    return StoreTabVersion(call.pdev, 1) ? 1 : 0;
}

ULONG StoreBackVersion(const ESCAPE_CALL& call)
{
    return StoreTabVersion(call.pdev, 2) ? 1 : 0;
}

ULONG SetTabsDone(const ESCAPE_CALL& call)
{
    PdlGetContext(call.pdev)->lTabReady = 1;
    return 1;
}

ULONG GetTabsDone(const ESCAPE_CALL& call)
{
    WriteLong(call.pOut, PdlGetContext(call.pdev)->lTabReady);
    return 1;
}

ULONG GetImageOffset(const ESCAPE_CALL& call)
{
    LONG x = 0;
    LONG y = 0;
    GetPageImageOffset(call.pdev, &x, &y);
    WriteLong(call.pOut, x);
    WriteLong(call.pOut + sizeof(LONG), y);
    return 1;
}

ULONG SetTabValue(const ESCAPE_CALL& call)
{
    return SetTabKey(call.pdev, ReadLong(call.pIn)) ? 1 : 0;
}

ULONG NextTab(const ESCAPE_CALL& call)
{
    NextTabRecord(call.pdev);
    return 1;
}

ULONG RebuildPagePlan(const ESCAPE_CALL& call)
{
    return BuildPagePlan(call.pdev) ? 1 : 0;
}

// A row's input size is its least; kAnySize rows take any size above it and keep the value only at 4 bytes.
constexpr PRIVATE_ESCAPE_ROW kInsertSheetRows[] = {
    {ESC_SET_INSERT_SHEETS,     1,                  0,                  StoreInsertEntries,   kInsertEntryBufferSize},
    {ESC_SET_INSERT_COUNT,      1,                  0,                  StoreInsertCount,     kAnySize},
    {ESC_SET_INDEX_PAPER,       1,                  0,                  StoreInsertPaper,     sizeof(INDEX_PAPER_SETTINGS)},
    {ESC_SET_INSERT_LIST_VALUE, 1,                  0,                  StoreInsertsOneSided, kAnySize},
    {ESC_GET_TAB_SHEETS_BEFORE, kEscTabIndexBytes,  kEscTabIndexBytes,  GetTabSheetsBefore},
    {ESC_BEGIN_TAB_PAGES,       0,                  0,                  BeginTabPages},
    {ESC_END_TAB_PAGES,         0,                  0,                  EndTabPages},
    {ESC_SET_TAB_COUNT,         kEscPlanValueBytes, 0,                  SetTabCount},
    {ESC_GET_TAB_COUNT,         0,                  kEscPlanValueBytes, GetTabCount},
    {ESC_HAS_TAB_RECORDS,       0,                  kEscPlanValueBytes, HasTabRecords},
    {ESC_FREE_TAB_RECORDS,      0,                  0,                  FreeTabRecords},
    {ESC_SET_TAB_SIDE,          0,                  0,                  StoreFrontVersion},
    {ESC_SET_TAB_SIDE_BACK,     0,                  0,                  StoreBackVersion},
    {ESC_SET_TABS_DONE,         0,                  0,                  SetTabsDone},
    {ESC_GET_TABS_DONE,         0,                  kEscPlanValueBytes, GetTabsDone},
    {ESC_GET_IMAGE_OFFSET,      0,                  kEscImageOffsetOut, GetImageOffset},
    {ESC_SET_TAB_VALUE,         kEscPlanValueBytes, 0,                  SetTabValue},
    {ESC_NEXT_TAB,              0,                  0,                  NextTab},
    {ESC_REBUILD_PAGE_PLAN,     0,                  0,                  RebuildPagePlan},
    {0,                         0,                  0,                  nullptr},   // terminator
};
static_assert(kInsertSheetRows[std::size(kInsertSheetRows) - 1].iEsc == 0, "terminator must be last");
static_assert(sizeof(INDEX_PAPER_SETTINGS) == sizeof JOB_EXTRA_RECORD::insertPaper);

} // namespace

ULONG EscapeInsertSheets(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    return RunPrivateEscape(kInsertSheetRows, pdev, iEsc, cjIn, pvIn, cjOut, pvOut);
}
