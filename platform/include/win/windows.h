#pragma once
// windows.h - every declaration of the platform stand-in, as one include.

#include "win/windef.h"
#include "win/winerror.h"
#include "win/winbase.h"
#include "win/winnls.h"
#include "win/winreg.h"
#include "win/wingdi.h"
#include "win/winspool.h"
#include "win/winuser.h"
#include "win/ntddk.h"
