// driver_modules.cpp - loading, enabling and releasing graphics modules.
#include "gdi/driver_modules.h"
#include "common/world_state.h"

#include <map>
#include <mutex>

namespace platform {
namespace {

struct Modules {
    std::mutex mutex;
    std::map<HMODULE, std::shared_ptr<GraphicsModule>> enabled;
};

Modules& TheModules()
{
    static auto* modules = new Modules();
    return *modules;
}

const bool kForgetsModulesWithTheWorld = (OnWorldReset([] {
    std::lock_guard lock(TheModules().mutex);
    TheModules().enabled.clear();
}), true);

// The hooks without which GDI cannot make a device context on the driver.
constexpr ULONG kRequiredHooks[] = {INDEX_DrvEnablePDEV, INDEX_DrvCompletePDEV, INDEX_DrvDisablePDEV,
                                    INDEX_DrvEnableSurface, INDEX_DrvDisableSurface};

// A driver's hook table longer than this is taken as garbage: there are not that many DDI functions.
constexpr ULONG kMaxHookRows = 1024;

} // namespace

std::shared_ptr<GraphicsModule> AcquireGraphicsModule(const std::u16string& path, std::vector<std::string>& calls)
{
    const HMODULE module = LoadLibraryW(path.c_str());
    if (module == nullptr)
        return nullptr;
    Modules& modules = TheModules();
    std::unique_lock lock(modules.mutex);
    if (const auto it = modules.enabled.find(module); it != modules.enabled.end()) {
        ++it->second->users;
        return it->second;   // the module's own reference count went up with LoadLibraryW
    }
    lock.unlock();   // the driver runs without our lock held

    const auto enableDriver = reinterpret_cast<PFN_DrvEnableDriver>(GetProcAddress(module, "DrvEnableDriver"));
    if (enableDriver == nullptr) {
        FreeLibrary(module);
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    calls.push_back("DrvEnableDriver");
    DRVENABLEDATA ded = {};
    if (!enableDriver(DDI_DRIVER_VERSION_NT5, sizeof ded, &ded) || ded.pdrvfn == nullptr || ded.c > kMaxHookRows) {
        FreeLibrary(module);
        SetLastError(ERROR_BAD_DRIVER_LEVEL);
        return nullptr;
    }
    auto graphics = std::make_shared<GraphicsModule>();
    graphics->module = module;
    for (ULONG i = 0; i < ded.c; ++i) {
        const DRVFN& row = ded.pdrvfn[i];
        if (row.iFunc < graphics->hooks.size())
            graphics->hooks[row.iFunc] = row.pfn;   // indexes GDI does not know are ignored, as GDI does
    }
    for (const ULONG index : kRequiredHooks) {
        if (graphics->hooks[index] == nullptr) {
            FreeLibrary(module);
            SetLastError(ERROR_BAD_DRIVER_LEVEL);
            return nullptr;
        }
    }
    graphics->users = 1;
    lock.lock();
    modules.enabled[module] = graphics;
    return graphics;
}

void ReleaseGraphicsModule(const std::shared_ptr<GraphicsModule>& graphics, std::vector<std::string>& calls)
{
    if (graphics == nullptr)
        return;
    bool last = false;
    {
        Modules& modules = TheModules();
        std::lock_guard lock(modules.mutex);
        last = --graphics->users == 0;
        if (last)
            modules.enabled.erase(graphics->module);
    }
    if (last) {
        if (const auto disable = reinterpret_cast<PFN_DrvDisableDriver>(graphics->hooks[INDEX_DrvDisableDriver])) {
            calls.push_back("DrvDisableDriver");
            disable();
        }
    }
    FreeLibrary(graphics->module);
}

} // namespace platform
