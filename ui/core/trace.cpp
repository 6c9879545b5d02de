// trace.cpp - the interface module's debug output, in the one form its readers search for.
#include "ui/core/trace.h"

void TraceCalled(LPCWSTR entryPoint)
{
    WCHAR line[128];
    // wsprintfW cuts at its own limit; an entry point's name is short.
    wsprintfW(line, u"UI:ZT_%.96s() Called\n", entryPoint);
    OutputDebugStringW(line);
}
