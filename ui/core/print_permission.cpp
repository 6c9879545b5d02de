// print_permission.cpp - answers that allow without asking.
#include "ui/core/print_permission.h"

BOOL QueryPrintAllowed(PDEVQUERYPRINT_INFO)
{
    return TRUE;
}

BOOL PrinterPropertiesImpl(HWND, HANDLE)
{
    return TRUE;
}
