#pragma once
// faults.h - makes platform calls fail on purpose, to test how the driver copes.

namespace host {

enum class Fault {
    GlobalAlloc,     // GlobalAlloc and GlobalReAlloc answer NULL with ERROR_NOT_ENOUGH_MEMORY
    WritePrinter,    // WritePrinter answers FALSE with ERROR_WRITE_FAULT
    RegistryWrite,   // RegSetValueExW and RegCreateKeyExW (when it would create) answer ERROR_ACCESS_DENIED
    FileWrite,       // WriteFile answers FALSE with ERROR_DISK_FULL
    UserName,        // GetUserNameW answers FALSE with ERROR_NO_SUCH_LOGON_SESSION: no user can be named
};

// The nth call from now (1 = the next one) of that kind fails, and so do the count - 1 calls after it.
void InjectFault(Fault fault, unsigned nth, unsigned count = 1);
// The nth of InjectFault less the calls of that kind made since: the first failure is still to come while it is
// not 0 (InjectFault with a large nth counts the calls an action makes). 0 once it came, or with none injected.
unsigned FaultCountdown(Fault fault);
void ClearFaults();

} // namespace host
