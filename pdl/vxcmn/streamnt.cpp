// streamnt.cpp - PdlPrintf, PdlWrite and the output sink.
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/capture.h"
#include "pdl/vxcmn/pdl_format.h"
#include "pdl/vxcmn/vqpdlnt/tab_capture.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstdarg>

int PdlPrintf(PDEV* pdev, const char* pszFormat, ...)
{
    char line[kPdlLineSize];
    va_list args;
    va_start(args, pszFormat);
    const int length = PdlFormat(line, sizeof line, pszFormat, args);
    va_end(args);
    if (length <= 0)
        return length;
    PdlWrite(pdev, line, static_cast<DWORD>(length));
    return length;
}

BOOL PdlWrite(PDEV* pdev, const void* pData, DWORD cb)
{
    const auto* pBytes = static_cast<const BYTE*>(pData);
    while (cb > 0) {
        const WORD piece = static_cast<WORD>(cb < kMaxSinkWrite ? cb : kMaxSinkWrite);
        PdlRouteOutput(pdev, pBytes, piece);
        pBytes += piece;
        cb -= piece;
    }
    return TRUE;
}

void PdlRouteOutput(PDEV* pdev, const BYTE* pData, WORD cb)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bCancel == 1 || (IsFaxTransmission(pdev) && !HasPhoneBook(pContext)))
        return;
    if (pContext->bPaperless != 0) {
        AppendPaperlessCapture(pdev, pData, cb);
        return;
    }
    if (IsFaxWithCoverSheet(pdev) && HasPhoneBook(pContext)) {
        AppendFaxCapture(pdev, pData, cb);
        return;
    }
    if (pContext->bTabCapture != 0) {
        CaptureTabText(pdev, pData, cb);
        return;
    }
    pdev->pfnWriteOutput(pdev, pData, cb);
}
