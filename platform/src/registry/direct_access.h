#pragma once
// direct_access.h - the registry as the platform's own set-up uses it (installing a printer, storing its
// default devmode): by path, without handles, and untouched by fault injection, which is aimed at the
// calls the driver makes.

#include "win/winreg.h"

#include <optional>
#include <string_view>
#include <vector>

namespace platform::registry {

// path is below root ("SYSTEM\\CurrentControlSet\\..."); missing keys along it are created. False when root is
// not a kept root or the path is malformed.
bool EnsureKeyDirect(HKEY root, std::u16string_view path);
bool SetValueDirect(HKEY root, std::u16string_view path, std::u16string_view name, DWORD type,
                    const std::vector<BYTE>& data);
void DeleteValueDirect(HKEY root, std::u16string_view path, std::u16string_view name);

// The value's bytes, or nothing when the key or the value is missing.
std::optional<std::vector<BYTE>> ReadValueDirect(HKEY root, std::u16string_view path, std::u16string_view name);

} // namespace platform::registry
