// device_context.cpp - the table of device contexts and the coordinates of their attributes.
#include "gdi/device_context.h"
#include "common/handles.h"
#include "common/world_state.h"
#include "gdi/stock_objects.h"

#include <algorithm>

namespace platform {
namespace {

HandleTable<DeviceContext>& Dcs()
{
    static auto* table = new HandleTable<DeviceContext>(kDcHandleBase);
    return *table;
}

const bool kForgetsDcsWithTheWorld = (OnWorldReset([] { Dcs().Clear(); }), true);

} // namespace

DeviceContext::DeviceContext(DcKind dcKind) : kind(dcKind)
{
}

std::shared_ptr<DeviceContext> FindDc(HDC hdc)
{
    return Dcs().Find(hdc);
}

HDC AddDc(std::shared_ptr<DeviceContext> dc)
{
    DeviceContext& record = *dc;
    record.hdc = Dcs().Add<HDC>(std::move(dc));
    return record.hdc;
}

void RemoveDc(HDC hdc)
{
    Dcs().Remove(hdc);
}

std::vector<std::shared_ptr<DeviceContext>> AllDcs()
{
    std::vector<std::shared_ptr<DeviceContext>> all;
    Dcs().ForEach([&](const std::shared_ptr<DeviceContext>& dc) { all.push_back(dc); });
    return all;
}

std::shared_ptr<DeviceContext> DcOrFail(HDC hdc)
{
    auto dc = FindDc(hdc);
    if (dc == nullptr)
        SetLastError(ERROR_INVALID_HANDLE);
    return dc;
}

bool IsSelectedAnywhere(const GdiObject* object)
{
    bool selected = false;
    Dcs().ForEach([&](const std::shared_ptr<DeviceContext>& dc) {
        const DcAttributes& a = dc->attrs;
        selected = selected || a.pen.object.get() == object || a.brush.object.get() == object ||
                   a.bitmap.object.get() == object || a.font.object.get() == object;
    });
    return selected;
}

void InitialiseAttributes(DcAttributes& attrs)
{
    attrs = DcAttributes();
    attrs.pen.handle = GetStockObject(BLACK_PEN);
    attrs.pen.object = FindGdiObject(attrs.pen.handle);
    attrs.brush.handle = GetStockObject(WHITE_BRUSH);
    attrs.brush.object = FindGdiObject(attrs.brush.handle);
    attrs.font.handle = GetStockObject(SYSTEM_FONT);
    attrs.font.object = FindGdiObject(attrs.font.handle);
}

RECTL ToDeviceRect(const DcAttributes& attrs, int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    const int64_t dx = int64_t{attrs.viewportOrg.x} - attrs.windowOrg.x;
    const int64_t dy = int64_t{attrs.viewportOrg.y} - attrs.windowOrg.y;
    const auto clamp = [](int64_t v) { return static_cast<LONG>(std::clamp(v, -kDeviceLimit, kDeviceLimit)); };
    return {clamp(left + dx), clamp(top + dy), clamp(right + dx), clamp(bottom + dy)};
}

bool ToDevice(const DcAttributes& attrs, int64_t x, int64_t y, POINTL& out)
{
    const int64_t dx = x + attrs.viewportOrg.x - attrs.windowOrg.x;
    const int64_t dy = y + attrs.viewportOrg.y - attrs.windowOrg.y;
    if (dx <= -kDeviceLimit || dx >= kDeviceLimit || dy <= -kDeviceLimit || dy >= kDeviceLimit) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    out = {static_cast<LONG>(dx), static_cast<LONG>(dy)};
    return true;
}

} // namespace platform
