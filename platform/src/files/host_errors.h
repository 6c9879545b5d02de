#pragma once
// host_errors.h - the Windows error for a failed host file call.

#include "win/windef.h"

namespace platform {

// The ERROR_* code that stands for an errno value; ERROR_GEN_FAILURE for one without a counterpart.
DWORD ErrorFromErrno(int error);

} // namespace platform
