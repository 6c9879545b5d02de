// debug.cpp - the debugger's side of OutputDebugStringW/A and DbgPrint: one trace, in call order, that tests
// and host programs read back through host::DebugTrace.
#include "common/world_state.h"
#include "host/inspect.h"
#include "host/text.h"
#include "kernel/ansi_text.h"
#include "win/ntddk.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>

namespace {

// A single DbgPrint passes at most this many bytes, terminator included; the rest of a longer line is lost.
constexpr size_t kDbgPrintLimit = 512;

struct Trace {
    std::mutex mutex;
    std::u16string text;
};

Trace& TheTrace()
{
    static Trace* trace = new Trace();   // never destroyed: modules may still write while the process exits
    return *trace;
}

void Append(std::u16string_view text)
{
    Trace& trace = TheTrace();
    std::lock_guard lock(trace.mutex);
    trace.text.append(text);
}

// A new world starts with an empty trace, as a debugger attached to a fresh process would.
const bool kClearedWithTheWorld = [] {
    platform::OnWorldReset([] { host::ClearDebugTrace(); });
    return true;
}();

} // namespace

void WINAPI OutputDebugStringW(LPCWSTR lpOutputString)
{
    if (lpOutputString == nullptr)
        return;
    Append(lpOutputString);
}

void WINAPI OutputDebugStringA(LPCSTR lpOutputString)
{
    if (lpOutputString == nullptr)
        return;
    Append(host::FromAnsi(lpOutputString));
}

ULONG DbgPrint(PCSTR Format, ...)
{
    if (Format == nullptr)
        return static_cast<ULONG>(STATUS_INVALID_PARAMETER);
    char line[kDbgPrintLimit];
    va_list args;
    va_start(args, Format);
    const int length = std::vsnprintf(line, sizeof line, Format, args);
    va_end(args);
    if (length < 0)
        return static_cast<ULONG>(STATUS_INVALID_PARAMETER);   // a conversion the C library could not make
    // vsnprintf may have cut the line inside a double-byte character: drop such a half character.
    const size_t written = static_cast<size_t>(length) < sizeof line ? static_cast<size_t>(length) : sizeof line - 1;
    const std::string_view text(line, written);
    Append(host::FromAnsi(text.substr(0, platform::WholeAnsiLength(text))));
    return STATUS_SUCCESS;
}

namespace host {

std::u16string DebugTrace()
{
    Trace& trace = TheTrace();
    std::lock_guard lock(trace.mutex);
    return trace.text;
}

void ClearDebugTrace()
{
    Trace& trace = TheTrace();
    std::lock_guard lock(trace.mutex);
    trace.text.clear();
}

} // namespace host
