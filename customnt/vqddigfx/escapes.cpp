// escapes.cpp - the chain of private escape handlers, the engine's escapes and the draw escapes.
// Every private code is accepted only with its exact sizes and pointers; the PDEV is validated after the
// code and sizes matched.
#include "customnt/vqddigfx/escapes.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"

#include <cstring>
#include <iterator>

namespace {

typedef ULONG (*ESCAPE_HANDLER)(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);

bool NoData(ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    return cjIn == 0 && pvIn == nullptr && cjOut == 0 && pvOut == nullptr;
}

// The job-record escapes (0x6FFFFF00-0x6FFFFF07).
ULONG EscapeJobRecords(PDEV*, ULONG, ULONG, PVOID, ULONG, PVOID)
{
    // TODO: the job-record escapes come with the private escape handlers; until then none is answered.
    return kEscNotMine;
}

ULONG EscapeReserved(PDEV*, ULONG, ULONG, PVOID, ULONG, PVOID)
{
    return kEscNotMine;
}

// The fax-job escapes (0x6FFFFE00-0x6FFFFE1D).
ULONG EscapeFaxJob(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    if (iEsc != ESC_END_OF_JOB || !NoData(cjIn, pvIn, cjOut, pvOut))
        return kEscNotMine;   // TODO: the other fax-job escapes come with the private escape handlers
    if (!bValidatePDEV(pdev))
        return 0;
    PdlMarkJobEnded(pdev);
    return 1;
}

// The page-plan escapes (0x6FFFFD00-0x6FFFFD13).
ULONG EscapeInsertSheets(PDEV*, ULONG, ULONG, PVOID, ULONG, PVOID)
{
    return kEscNotMine;   // TODO: the page-plan escapes come with the page plan
}

// The job queries (0x6FFFFC00-0x6FFFFC02, 0x6FFFFE18).
ULONG EscapeJobQuery(PDEV*, ULONG, ULONG, PVOID, ULONG, PVOID)
{
    return kEscNotMine;   // TODO: with the private escape handlers
}

// The holding-file escapes (0x6FFFFB00, 0x6FFFFB01).
ULONG EscapeEcoPath(PDEV*, ULONG, ULONG, PVOID, ULONG, PVOID)
{
    return kEscNotMine;   // TODO: with the private escape handlers
}

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

} // namespace

BOOL IsEngineEscape(ULONG iEsc)
{
    return iEsc == QUERYESCSUPPORT || iEsc == SETCOPYCOUNT || (iEsc >= 0x7FFFFFF7 && iEsc <= 0x7FFFFFFF);
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
    if (iEsc == QUERYESCSUPPORT) {
        // TODO: the answers for the engine's other escapes come with the private escape handlers.
        DWORD queried = 0;
        if (pvIn == nullptr || cjIn < sizeof(WORD))
            return 0;
        std::memcpy(&queried, pvIn, cjIn >= sizeof(DWORD) ? sizeof(DWORD) : sizeof(WORD));
        return (queried & 0xFFFF) == QUERYESCSUPPORT ? 1 : 0;
    }
    PDEV* pdev = PdevFromSurface(pso);
    if (!bValidatePDEV(pdev)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (IsEngineEscape(iEsc))
        return 0;   // TODO: with the private escape handlers
    return PdlEscape(pdev, iEsc, cjIn, pvIn, cjOut, pvOut);
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
