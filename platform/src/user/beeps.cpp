// beeps.cpp - MessageBeep: nothing is heard, but every beep is recorded with its type.
#include "user/user_script.h"
#include "win/winuser.h"

BOOL WINAPI MessageBeep(UINT uType)
{
    platform::RecordShown("beep " + platform::Hex(uType, 8));
    return TRUE;
}
