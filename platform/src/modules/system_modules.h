#pragma once
// system_modules.h - the system's own modules, which the stand-in serves from the platform library itself.

#include <string_view>

namespace platform {

// The name of a system module as the system spells it ("WINSPOOL.DRV"), matched without regard to case, or
// nullptr when fileName names no system module.
const char16_t* FindSystemModule(std::u16string_view fileName);

} // namespace platform
