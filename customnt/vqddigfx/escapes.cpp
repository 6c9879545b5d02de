// escapes.cpp - the chain of private escape handlers, the engine's escapes and the draw escapes.
// Escapes come from any application on the device context: a private code is accepted only with its exact
// sizes and pointers, and the engine's codes read no more than the sizes given.
#include "customnt/vqddigfx/escapes.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/band_image.h"
#include "customnt/vqddigfx/escape_table.h"
#include "customnt/vqddigfx/fax_escapes.h"
#include "customnt/vqddigfx/insert_sheet_escapes.h"
#include "customnt/vqddigfx/job_escapes.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"
#include "settings/base/font_sub_node.h"
#include "settings/base/private_escape_codes.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/devmode/devmode_validate.h"
#include "settings/devmode/layout_table.h"

#include <cstring>
#include <iterator>

namespace {

typedef ULONG (*ESCAPE_HANDLER)(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);

constexpr ESCAPE_HANDLER kEscapeChain[] = {
    EscapeJobRecords,
    EscapeReserved,
    EscapeFaxJob,
    EscapeInsertSheets,
    EscapeJobQuery,
    EscapeEcoPath,
    nullptr,   // terminator
};
static_assert(kEscapeChain[std::size(kEscapeChain) - 1] == nullptr, "terminator must be last");

constexpr ULONG kEscapeFailed = static_cast<ULONG>(-1);

static_assert(kEscDevmodeBytes == sizeof(DRIVER_DEVMODE));
static_assert(kEscFontSubstNodeIn == kFontSubNodeSize);
constexpr INT kMaxCopyCount = 999;

// The code a QUERYESCSUPPORT asks about: a u16 at the start of the input. FALSE without one.
bool ReadQueriedCode(ULONG cjIn, PVOID pvIn, WORD* pCode)
{
    if (pvIn == nullptr || cjIn < sizeof(WORD))
        return false;
    std::memcpy(pCode, pvIn, sizeof(WORD));
    return true;
}

ULONG QueryEngineEscape(ULONG cjIn, PVOID pvIn)
{
    WORD code = 0;
    if (!ReadQueriedCode(cjIn, pvIn, &code))
        return 0;
    if (code == SETCOPYCOUNT)
        return kCopyCountSupport;
    return code == QUERYESCSUPPORT ? 1 : 0;
}

// One engine escape on a valid PDEV, with the call as it came.
struct ENGINE_CALL {
    PDEV* pdev;
    ULONG cjIn;
    PVOID pvIn;
    ULONG cjOut;
    PVOID pvOut;
};

// The copies asked of the printer, 1 to 999. A count below 1 (negative ones included) asks for one copy.
ULONG SetCopyCount(const ENGINE_CALL& call)
{
    INT count = 0;
    if (call.pvIn == nullptr || call.cjIn < sizeof count)
        return kEscapeFailed;
    std::memcpy(&count, call.pvIn, sizeof count);
    const DWORD stored = count < 1 ? 1 : count > kMaxCopyCount ? kMaxCopyCount : count;
    call.pdev->dwCopyCount = stored;
    if (call.pvOut != nullptr && call.cjOut >= sizeof stored)
        std::memcpy(call.pvOut, &stored, sizeof stored);
    return 1;
}

ULONG Probe(const ENGINE_CALL&)
{
    return 1;
}

// The job's font-substitution list: the nodes are copied into one block of the PDEV and linked again, since
// the sender's links point into its own memory; the names are cut to their fields. Only the first list of a
// job is kept.
ULONG SetFontSubstitutionList(const ENGINE_CALL& call)
{
    if (call.pvIn == nullptr || call.cjIn < kEscFontSubstNodeIn || call.cjIn % kEscFontSubstNodeIn != 0 ||
        call.cjIn / kEscFontSubstNodeIn > kMaxFontSubNodes)
        return 0;
    PRIVATE_DEVMODE& dm = call.pdev->devmode.dmPrivate;
    if (dm.fontSubstitutionList != nullptr)
        return 1;
    auto* pNodes = static_cast<FONT_SUB_NODE*>(AllocListAlloc(call.pdev->pAllocList, call.cjIn));
    if (pNodes == nullptr)
        return 0;
    std::memcpy(pNodes, call.pvIn, call.cjIn);
    const DWORD count = call.cjIn / kEscFontSubstNodeIn;
    for (DWORD i = 0; i < count; ++i) {
        pNodes[i].pNext = i + 1 < count ? &pNodes[i + 1] : nullptr;
        pNodes[i].szTrueTypeFace[kFontSubFaceChars - 1] = u'\0';
        pNodes[i].szDeviceFont[kFontSubFaceChars - 1] = u'\0';
    }
    dm.fontSubstitutionList = pNodes;
    return 1;
}

ULONG ClearBand(const ENGINE_CALL& call)
{
    SendAndClearBand(call.pdev);
    return 1;
}

// The job's devmode replaced by the driver's own devmode only, validated as DrvEnablePDEV validates the one it
// gets: the page code relies on its geometry and zoom being in line. The font-substitution list stays the
// PDEV's.
ULONG SetDevmode(const ENGINE_CALL& call)
{
    if (call.pvIn == nullptr || call.cjIn != kEscDevmodeBytes)
        return 0;
    DRIVER_DEVMODE dm;
    std::memcpy(&dm, call.pvIn, sizeof dm);
    if (!IsOwnDevmode(&dm.dmPublic))
        return 0;
    RES_MODULE_CELL* pCell = OpenResModule();
    if (pCell == nullptr)
        return 0;
    const BOOL valid = ValidateDevmode(pCell, &dm, call.pdev->hPrinter);
    CloseResModule(pCell);
    if (!valid)
        return 0;
    dm.dmPrivate.fontSubstitutionList = call.pdev->devmode.dmPrivate.fontSubstitutionList;
    std::memcpy(&call.pdev->devmode, &dm, sizeof dm);
    return 1;
}

ULONG EndPageAdditions(const ENGINE_CALL& call)
{
    PdlEndPageAdditions(call.pdev);
    return 1;
}

// The interface module sends kEscPageAdditionsIn bytes; only the first, the drawing mode, is read, so one byte
// is enough.
ULONG BeginPageAdditions(const ENGINE_CALL& call)
{
    if (call.pvIn == nullptr || call.cjIn < 1)
        return 0;
    PdlBeginPageAdditions(call.pdev, *static_cast<const BYTE*>(call.pvIn));
    return 1;
}

ULONG GetPageCount(const ENGINE_CALL& call)
{
    return call.pdev->cPagesBegun;
}

// With one page on a sheet the document's orientation, else the sheet's working one.
ULONG GetOrientation(const ENGINE_CALL& call)
{
    const PRIVATE_DEVMODE& dm = call.pdev->devmode.dmPrivate;
    const SHORT orientation = dm.lpLayout == kLayoutSinglePage ? dm.dmPublicCopy.dmOrientation : call.pdev->sOrientation;
    return static_cast<ULONG>(static_cast<LONG>(orientation));
}

// A copy of the job's devmode, without the PDEV's own list pointer, which means nothing outside it.
ULONG GetDevmode(const ENGINE_CALL& call)
{
    if (call.pvOut == nullptr || call.cjOut != kEscDevmodeBytes)
        return 0;
    DRIVER_DEVMODE dm = call.pdev->devmode;
    dm.dmPrivate.fontSubstitutionList = nullptr;
    std::memcpy(call.pvOut, &dm, sizeof dm);
    return 1;
}

struct ENGINE_ESCAPE_ROW {
    ULONG iEsc;                                 // 0 ends the table
    ULONG (*pfnRun)(const ENGINE_CALL& call);
};

constexpr ENGINE_ESCAPE_ROW kEngineEscapes[] = {
    {SETCOPYCOUNT,             SetCopyCount           },
    {ESC_PROBE,                Probe                  },
    {ESC_SET_FONT_SUBST,       SetFontSubstitutionList},
    {ESC_CLEAR_BAND,           ClearBand              },
    {ESC_SET_DEVMODE,          SetDevmode             },
    {ESC_END_PAGE_ADDITIONS,   EndPageAdditions       },
    {ESC_BEGIN_PAGE_ADDITIONS, BeginPageAdditions     },
    {ESC_GET_PAGE_COUNT,       GetPageCount           },
    {ESC_GET_ORIENTATION,      GetOrientation         },
    {ESC_GET_DEVMODE,          GetDevmode             },
    {0,                        nullptr                },   // terminator
};
static_assert(kEngineEscapes[std::size(kEngineEscapes) - 1].iEsc == 0, "terminator must be last");

const ENGINE_ESCAPE_ROW* FindEngineEscape(ULONG iEsc)
{
    for (const ENGINE_ESCAPE_ROW* row = kEngineEscapes; row->iEsc != 0; ++row)
        if (row->iEsc == iEsc)
            return row;
    return nullptr;
}

// A code of the VQPDL writer's own, passed on only when the writer says it supports it.
ULONG PassToWriter(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    if (iEsc > 0xFFFF)
        return 0;   // the support query names a code in 16 bits
    WORD queried = static_cast<WORD>(iEsc);
    if (PdlEscape(pdev, QUERYESCSUPPORT, sizeof queried, &queried, 0, nullptr) != 1)
        return 0;
    return PdlEscape(pdev, iEsc, cjIn, pvIn, cjOut, pvOut);
}

} // namespace

BOOL IsEngineEscape(ULONG iEsc)
{
    return iEsc == QUERYESCSUPPORT || iEsc == SETCOPYCOUNT || (iEsc >= ESC_PROBE && iEsc <= ESC_GET_DEVMODE);
}

ULONG PrivateEscapeDispatch(SURFOBJ* pso, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    PDEV* pdev = PdevFromSurface(pso);
    if (pdev != nullptr) {
        for (const ESCAPE_HANDLER* handler = kEscapeChain; *handler != nullptr; ++handler) {
            const ULONG answer = (*handler)(pdev, iEsc, cjIn, pvIn, cjOut, pvOut);
            if (answer != kEscNotMine)
                return answer;
        }
    }
    return EngineEscape(pso, iEsc, cjIn, pvIn, cjOut, pvOut);
}

ULONG EngineEscape(SURFOBJ* pso, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    if (iEsc == QUERYESCSUPPORT)
        return QueryEngineEscape(cjIn, pvIn);
    PDEV* pdev = PdevFromSurface(pso);
    if (!bValidatePDEV(pdev)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (const ENGINE_ESCAPE_ROW* row = FindEngineEscape(iEsc))
        return row->pfnRun(ENGINE_CALL{pdev, cjIn, pvIn, cjOut, pvOut});
    return PassToWriter(pdev, iEsc, cjIn, pvIn, cjOut, pvOut);
}

ULONG EngineDrawEscape(SURFOBJ* pso, ULONG iEsc, CLIPOBJ* pco, RECTL* prcl, ULONG cjIn, PVOID pvIn)
{
    if (iEsc == QUERYESCSUPPORT) {
        DWORD queried = 0;
        if (pvIn == nullptr || cjIn < sizeof(DWORD))
            return FALSE;
        std::memcpy(&queried, pvIn, sizeof queried);
        return queried == QUERYESCSUPPORT ? TRUE : FALSE;
    }
    PDEV* pdev = PdevFromSurface(pso);
    if (!bValidatePDEV(pdev)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!PdlQueryDrawEscape(pdev, iEsc))
        return 0;
    return PdlDrawEscape(pdev, iEsc, pco, prcl, cjIn, pvIn);
}
