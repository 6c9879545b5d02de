// private_escape.cpp - sending a private escape to the graphics module.
#include "ui/docevent/private_escape.h"

BOOL SendPrivateEscape(HDC hdc, ULONG iEsc, ULONG cbIn, const void* pIn, ULONG cbOut, void* pOut)
{
    return ExtEscape(hdc, static_cast<int>(iEsc), static_cast<int>(cbIn), static_cast<LPCSTR>(pIn),
                     static_cast<int>(cbOut), static_cast<LPSTR>(pOut)) != 0;
}
