// error.cpp - the thread's last error.
#include "win/winbase.h"

static thread_local DWORD t_lastError = ERROR_SUCCESS;

DWORD WINAPI GetLastError(void)
{
    return t_lastError;
}

void WINAPI SetLastError(DWORD dwErrCode)
{
    t_lastError = dwErrCode;
}
