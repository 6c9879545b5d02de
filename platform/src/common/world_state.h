#pragma once
// world_state.h - the world every service of the stand-in shares: its root, the identity of the process,
// and the hook by which a service forgets its state when a new world is created.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include "win/winbase.h"
#include "win/windef.h"

namespace platform {

struct WorldIdentity {
    std::u16string processFileName;
    std::u16string userName;
    bool fixedClock = false;
    SYSTEMTIME clock = {};
    DWORD versionMajor = 5;
    DWORD versionMinor = 1;
    DWORD versionBuild = 2600;
    DWORD versionPlatform = VER_PLATFORM_WIN32_NT;
    std::u16string servicePack;
};

std::filesystem::path WorldRootPath();
WorldIdentity& Identity();

// Windows path to host path; the same mapping as host::MapWindowsPath.
std::filesystem::path MapPath(std::u16string_view windowsPath);

// A service registers how to forget its state; CreateWorld calls every such reset, in registration order.
// Registration happens from a static initialiser of the service's file.
void OnWorldReset(std::function<void()> reset);

// Fault injection: true when this call of that kind is to fail (see host/faults.h).
enum class FaultKind { GlobalAlloc, WritePrinter, RegistryWrite, FileWrite, UserName };
bool ShouldFail(FaultKind kind);

// The standard Windows folders of the world, without trailing backslash.
constexpr std::u16string_view kWindowsDir = u"C:\\WINDOWS";
constexpr std::u16string_view kSystemDir = u"C:\\WINDOWS\\system32";
constexpr std::u16string_view kDriverDir = u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3";
constexpr std::u16string_view kTempDir = u"C:\\TEMP";

} // namespace platform
