// world_state.cpp - the world's root, identity, path mapping, resets and fault injection.
#include "common/world_state.h"
#include "common/text_util.h"
#include "host/faults.h"
#include "host/world.h"

#include <mutex>
#include <system_error>
#include <vector>

namespace platform {
namespace {

struct FaultPlan {
    unsigned countdown = 0;   // calls to let pass before the first failure, plus one; 0 = no plan
    unsigned failures = 0;    // failures still to give once the countdown has run out
};

struct World {
    std::filesystem::path root;
    WorldIdentity identity;
    std::vector<std::function<void()>> resets;
    FaultPlan faults[5];
    std::mutex faultMutex;
};

World& TheWorld()
{
    static World* world = new World();   // never destroyed: services may still call in at process exit
    return *world;
}

} // namespace

std::filesystem::path WorldRootPath()
{
    return TheWorld().root;
}

WorldIdentity& Identity()
{
    return TheWorld().identity;
}

void OnWorldReset(std::function<void()> reset)
{
    TheWorld().resets.push_back(std::move(reset));
}

bool ShouldFail(FaultKind kind)
{
    World& world = TheWorld();
    std::lock_guard lock(world.faultMutex);
    FaultPlan& plan = world.faults[static_cast<int>(kind)];
    if (plan.countdown == 0 && plan.failures == 0)
        return false;
    if (plan.countdown > 1) {
        --plan.countdown;
        return false;
    }
    plan.countdown = 0;
    if (plan.failures == 0)
        return false;
    --plan.failures;
    return true;
}

// Finds the entry of folder whose name equals name without regard to case; the exact name wins.
static std::filesystem::path MatchComponent(const std::filesystem::path& folder, const std::u16string& name)
{
    std::error_code ec;
    std::filesystem::path exact = folder / Utf16ToUtf8(name);
    if (std::filesystem::exists(std::filesystem::symlink_status(exact, ec)))
        return exact;
    if (std::filesystem::is_directory(folder, ec)) {
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            if (EqualsNoCase(Utf8ToUtf16(entry.path().filename().string()), name))
                return entry.path();
        }
    }
    return exact;
}

std::filesystem::path MapPath(std::u16string_view windowsPath)
{
    std::u16string path(windowsPath);
    for (auto& c : path)
        if (c == u'/')
            c = u'\\';

    std::filesystem::path host = WorldRootPath();
    size_t pos = 0;
    if (path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\') {
        host /= "unc";
        pos = 2;
    } else if (path.size() >= 2 && path[1] == u':') {
        const char16_t drive = static_cast<char16_t>(FoldCase(path[0]) - u'A' + u'a');
        host /= Utf16ToUtf8(std::u16string(1, drive));
        pos = 2;
    } else {
        host /= "c";
    }

    std::vector<std::u16string> parts;
    while (pos <= path.size()) {
        size_t next = path.find(u'\\', pos);
        if (next == std::u16string::npos)
            next = path.size();
        std::u16string part = path.substr(pos, next - pos);
        if (part == u"..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != u".") {
            parts.push_back(part);
        }
        pos = next + 1;
    }
    for (const auto& part : parts)
        host = MatchComponent(host, part);
    return host;
}

} // namespace platform

namespace host {

void CreateWorld(const std::filesystem::path& root)
{
    platform::World& world = platform::TheWorld();
    world.root = std::filesystem::absolute(root);
    world.identity = platform::WorldIdentity{};
    world.identity.processFileName = u"C:\\Program Files\\App\\APP.EXE";
    world.identity.userName = u"user";
    world.identity.servicePack = u"Service Pack 2";
    {
        std::lock_guard lock(world.faultMutex);
        for (auto& plan : world.faults)
            plan = {};
    }
    std::filesystem::create_directories(world.root);
    for (std::u16string_view folder : {platform::kSystemDir, platform::kDriverDir, platform::kTempDir})
        std::filesystem::create_directories(platform::MapPath(folder));
    for (const auto& reset : world.resets)
        reset();
}

std::filesystem::path WorldRoot()
{
    return platform::WorldRootPath();
}

std::filesystem::path MapWindowsPath(std::u16string_view windowsPath)
{
    return platform::MapPath(windowsPath);
}

void SetProcessFileName(std::u16string_view windowsPath)
{
    platform::Identity().processFileName = windowsPath;
}

void SetUserName(std::u16string_view name)
{
    platform::Identity().userName = name;
}

void SetClock(const SYSTEMTIME& localTime)
{
    platform::Identity().fixedClock = true;
    platform::Identity().clock = localTime;
}

void UseRealClock()
{
    platform::Identity().fixedClock = false;
}

void SetVersion(DWORD major, DWORD minor, DWORD build, std::u16string_view servicePack, DWORD platformId)
{
    auto& identity = platform::Identity();
    identity.versionPlatform = platformId;
    identity.versionMajor = major;
    identity.versionMinor = minor;
    identity.versionBuild = build;
    identity.servicePack = servicePack;
}

void InjectFault(Fault fault, unsigned nth, unsigned count)
{
    platform::World& world = platform::TheWorld();
    std::lock_guard lock(world.faultMutex);
    world.faults[static_cast<int>(fault)] = {nth, count};
}

unsigned FaultCountdown(Fault fault)
{
    platform::World& world = platform::TheWorld();
    std::lock_guard lock(world.faultMutex);
    return world.faults[static_cast<int>(fault)].countdown;
}

void ClearFaults()
{
    platform::World& world = platform::TheWorld();
    std::lock_guard lock(world.faultMutex);
    for (auto& plan : world.faults)
        plan = {};
}

} // namespace host
