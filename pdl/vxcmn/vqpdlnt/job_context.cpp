// job_context.cpp - the job's identity and control in the writer's context.
#include "pdl/vxcmn/vqpdlnt/job_context.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstring>
#include <iterator>

void PdlSetUserName(PDEV* pdev, const WCHAR (&name)[256])
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    static_assert(sizeof name == sizeof pContext->szUserName);
    DWORD cch = 0;
    DWORD sum = 0;
    for (; cch + 1 < std::size(name) && name[cch] != u'\0'; ++cch)
        sum += name[cch];
    std::memcpy(pContext->szUserName, name, sizeof name);
    pContext->dwUserNameSum = sum;
    pContext->cchUserName = static_cast<BYTE>(cch);
}

void PdlSetAppName(PDEV* pdev, const WCHAR (&name)[32])
{
    static_assert(sizeof name == sizeof JOB_EXTRA_RECORD::szAppName);
    std::memcpy(PdlGetContext(pdev)->szAppName, name, sizeof name);
}

void PdlSetCancelByte(PDEV* pdev, BYTE bCancel)
{
    PdlGetContext(pdev)->bCancel = bCancel;
}

void PdlSetFirstSheet(PDEV* pdev, DWORD dwFirstSheet)
{
    PdlGetContext(pdev)->dwFirstSheet = dwFirstSheet;
}

void PdlSetUserPaperSizes(PDEV* pdev, const BYTE (&sizes)[80])
{
    static_assert(sizeof sizes == sizeof JOB_EXTRA_RECORD::trayPaperMap);
    std::memcpy(PdlGetContext(pdev)->trayPaperMap, sizes, sizeof sizes);
}

void PdlSetSendTimeStamp(PDEV* pdev, const WORD (&stamp)[5])
{
    static_assert(sizeof stamp == sizeof JOB_EXTRA_RECORD::dateStamp);
    std::memcpy(PdlGetContext(pdev)->dateStamp, stamp, sizeof stamp);
}

void PdlSetHoldingFile(PDEV* pdev, const WCHAR (&path)[260])
{
    static_assert(sizeof path == sizeof JOB_EXTRA_RECORD::szHoldingFile);
    std::memcpy(PdlGetContext(pdev)->szHoldingFile, path, sizeof path);
}

void PdlClearHoldingFile(PDEV* pdev)
{
    std::memset(PdlGetContext(pdev)->szHoldingFile, 0, sizeof JOB_EXTRA_RECORD::szHoldingFile);
}
