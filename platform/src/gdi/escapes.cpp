// escapes.cpp - ExtEscape on a printer device context: the escape goes to the driver's DrvEscape hook, after
// the interface module has seen it (DOCUMENTEVENT_ESCAPE).
#include "gdi/printer_dc.h"

int WINAPI ExtEscape(HDC hdc, int iEscape, int cjInput, LPCSTR lpInData, int cjOutput, LPSTR lpOutData)
{
    const auto dc = platform::FindPrinterDc(hdc);
    if (dc == nullptr || dc->surface == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return SP_ERROR;
    }
    if (cjInput < 0 || cjOutput < 0 || (cjInput > 0 && lpInData == nullptr) ||
        (cjOutput > 0 && lpOutData == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return SP_ERROR;
    }
    const auto escape = platform::Hook<PFN_DrvEscape>(*dc, INDEX_DrvEscape);
    if (escape == nullptr)
        return 0;   // the driver implements no escape
    DOCEVENT_ESCAPE event = {iEscape, cjInput, const_cast<LPSTR>(lpInData)};
    if (platform::SendDocumentEvent(*dc, hdc, DOCUMENTEVENT_ESCAPE, sizeof event, &event, static_cast<ULONG>(cjOutput),
                                    lpOutData) == DOCUMENTEVENT_FAILURE) {
        SetLastError(ERROR_CANCELLED);
        return SP_ERROR;
    }
    platform::RecordCall(*dc, "DrvEscape");
    return static_cast<int>(escape(&dc->surface->so, static_cast<ULONG>(iEscape), static_cast<ULONG>(cjInput),
                                   const_cast<LPSTR>(lpInData), static_cast<ULONG>(cjOutput), lpOutData));
}
