// settings_file_fuzz.cpp - a saved-settings file as another program, or a damaged disk, may have left it, read
// into a sheet's working state for one recall group or all of them. Whatever the file holds, the read stays
// inside the state's blocks, and the check after it leaves every value in bounds: checking once more changes
// nothing.
//
// Input: the recall group (0 to 8 are the table's; others are nobody's), then the file's bytes.
#include "fuzz/fuzz_world.h"
#include "host/world.h"
#include "settings/params/settings_file.h"
#include "settings/params/ui_state_pack.h"
#include "settings/params/ui_state_fixture.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr const WCHAR* kFile = u"C:\\settings\\recalled.zsf";
constexpr int kRecallGroups = 10;   // 0 (all), 1 to 8, and one that no key has

// A state laid out once with the printer's library and its defaults, and a copy of its two blocks that each
// input starts from (the blocks' pointers point into each other, so a byte copy restores the state whole).
struct StateWorld {
    UI_STATE* pState = nullptr;
    std::vector<BYTE> mainBlock;
    std::vector<BYTE> dataBlock;
};

StateWorld& TheStateWorld()
{
    static StateWorld world = [] {
        StateWorld made;
        fuzz::TheWorld();
        RES_MODULE_CELL* pCell = OpenResModule();   // kept for the process, as the state's option lists are
        fuzz::Check(pCell != nullptr, "the resource library");
        made.pState = BuildTestUiState(pCell);
        fuzz::Check(made.pState != nullptr, "a working state");
        FillTestDefaults(made.pState, pCell);
        made.pState->pPackedUiDefaults = PackUiState(made.pState);
        fuzz::Check(made.pState->pPackedUiDefaults != nullptr, "the state's packed defaults");
        const auto* pMain = reinterpret_cast<const BYTE*>(made.pState);
        made.mainBlock.assign(pMain, pMain + made.pState->cbMainBlock);
        made.dataBlock.assign(made.pState->pDataBlock, made.pState->pDataBlock + made.pState->cbDataBlock);
        std::filesystem::create_directories(host::MapWindowsPath(u"C:\\settings"));
        return made;
    }();
    return world;
}

void Restore(StateWorld& world)
{
    std::memcpy(world.pState, world.mainBlock.data(), world.mainBlock.size());
    std::memcpy(world.pState->pDataBlock, world.dataBlock.data(), world.dataBlock.size());
}

std::vector<BYTE> Blocks(const UI_STATE* pState)
{
    const auto* pMain = reinterpret_cast<const BYTE*>(pState);
    std::vector<BYTE> bytes(pMain, pMain + pState->cbMainBlock);
    bytes.insert(bytes.end(), pState->pDataBlock, pState->pDataBlock + pState->cbDataBlock);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    StateWorld& world = TheStateWorld();
    fuzz::Reader in(data, size);
    const WORD group = static_cast<WORD>(in.Byte() % kRecallGroups);
    const std::vector<std::uint8_t> file = in.Rest();
    std::ofstream(host::MapWindowsPath(kFile), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));

    Restore(world);
    if (ReadSettingsFile(world.pState, kFile, group)) {
        const std::vector<BYTE> read = Blocks(world.pState);
        ValidateReadSettings(world.pState, group);
        fuzz::Check(Blocks(world.pState) == read, "a value read from a file stays out of bounds after the check");
    }
    return 0;
}
