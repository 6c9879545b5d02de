// modules.cpp - EngLoadModule and EngFreeModule: a file of the world mapped read-only into the process.
#include "common/handles.h"
#include "common/world_state.h"
#include "win/winddi.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::engine {
namespace {

struct MappedModule {
    void* address = nullptr;
    size_t size = 0;

    MappedModule() = default;
    MappedModule(const MappedModule&) = delete;
    MappedModule& operator=(const MappedModule&) = delete;
    ~MappedModule()
    {
        if (address != nullptr)
            munmap(address, size);
    }
};

HandleTable<MappedModule>& Modules()
{
    static auto* table = new HandleTable<MappedModule>(kEngineModuleHandleBase);
    return *table;
}

const bool kForgetsModulesWithTheWorld = (OnWorldReset([] { Modules().Clear(); }), true);

} // namespace
} // namespace platform::engine

HANDLE APIENTRY EngLoadModule(LPWSTR pwsz)
{
    if (pwsz == nullptr || *pwsz == u'\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::string path = platform::MapPath(pwsz).string();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    struct stat st = {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    auto module = std::make_shared<platform::engine::MappedModule>();
    module->size = static_cast<size_t>(st.st_size);
    if (module->size != 0) {   // an empty file maps to nothing, and is still a module
        void* address = mmap(nullptr, module->size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (address == MAP_FAILED) {
            close(fd);
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
        module->address = address;
    }
    close(fd);
    return platform::engine::Modules().Add<HANDLE>(std::move(module));
}

VOID APIENTRY EngFreeModule(HANDLE h)
{
    platform::engine::Modules().Remove(h);
}
