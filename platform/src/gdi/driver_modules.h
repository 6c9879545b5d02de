#pragma once
// driver_modules.h - the graphics modules GDI has loaded: each is enabled once (DrvEnableDriver) however many
// device contexts use it, and disabled (DrvDisableDriver) when the last of them goes.

#include <array>
#include <memory>
#include <string>
#include <vector>
#include "win/winddi.h"

namespace platform {

struct GraphicsModule {
    HMODULE module = nullptr;
    std::array<PFN, INDEX_LAST + 1> hooks{};   // by DDI index
    unsigned users = 0;                        // device contexts using it
};

// Loads the graphics module at path and enables it when it was not already, noting "DrvEnableDriver" in
// calls when it does. Null when the module cannot be loaded, has no DrvEnableDriver, refuses the engine's
// version, or lacks one of the hooks a device context cannot do without.
std::shared_ptr<GraphicsModule> AcquireGraphicsModule(const std::u16string& path, std::vector<std::string>& calls);

// Gives back a device context's use of the module: the last user disables the driver (when it hooks
// DrvDisableDriver, noted in calls) before the module is freed.
void ReleaseGraphicsModule(const std::shared_ptr<GraphicsModule>& graphics, std::vector<std::string>& calls);

} // namespace platform
