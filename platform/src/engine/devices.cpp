// devices.cpp - the table of enabled devices (HDEV) with their drivers' hooks.
#include "host/engine/devices.h"
#include "common/handles.h"
#include "common/world_state.h"

namespace platform::engine {
namespace {

HandleTable<Device>& Devices()
{
    static auto* table = new HandleTable<Device>(kDeviceHandleBase);
    return *table;
}

const bool kForgetsDevicesWithTheWorld = (OnWorldReset([] { Devices().Clear(); }), true);

} // namespace

HDEV RegisterDevice(std::shared_ptr<Device> device)
{
    return Devices().Add<HDEV>(std::move(device));
}

void UnregisterDevice(HDEV hdev)
{
    Devices().Remove(hdev);
}

std::shared_ptr<Device> FindDevice(HDEV hdev)
{
    return Devices().Find(hdev);
}

PFN FindHook(HDEV hdev, ULONG index)
{
    const auto device = FindDevice(hdev);
    if (device == nullptr || index >= device->hooks.size())
        return nullptr;
    return device->hooks[index];
}

} // namespace platform::engine
