// private_escape.cpp - sending a private escape to the graphics module.
#include "ui/docevent/private_escape.h"
#include "settings/base/private_escape_codes.h"

BOOL SendPrivateEscape(HDC hdc, ULONG iEsc, ULONG cbIn, const void* pIn, ULONG cbOut, void* pOut)
{
    return ExtEscape(hdc, static_cast<int>(iEsc), static_cast<int>(cbIn), static_cast<LPCSTR>(pIn),
                     static_cast<int>(cbOut), static_cast<LPSTR>(pOut)) != 0;
}

BOOL CancelJobOutput(HDC hdc)
{
    const BYTE cancel = 1;
    if (!SendPrivateEscape(hdc, ESC_SET_CANCEL_JOB, sizeof cancel, &cancel, 0, nullptr))
        return FALSE;
    return SendPrivateEscape(hdc, ESC_DROP_FORM_OVERLAY, 0, nullptr, 0, nullptr);
}
