#pragma once
// inspect.h - looks inside the stand-in world: debug output, the registry, open objects.

#include <string>
#include <string_view>
#include "win/windef.h"

namespace host {

// Everything written with OutputDebugStringW/A and DbgPrint since the last clear, in order.
std::u16string DebugTrace();
void ClearDebugTrace();

// The registry below root\path as text: one line per key ("[path]") and per value ("name" = type: data),
// keys and values in their enumeration order; REG_SZ as text, REG_DWORD in hex, others as hex bytes.
std::string RegistryDump(HKEY root, std::u16string_view path = u"");

// Global memory blocks not yet freed (a leak check for tests).
unsigned LiveGlobalBlocks();

} // namespace host
