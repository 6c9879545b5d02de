#pragma once
// memory_dc.h - memory device contexts: CreateCompatibleDC, CreateCompatibleBitmap, and DeleteDC of a memory DC.
// A memory DC draws into the bitmap selected into it, with the engine's software rendering.

#include <memory>
#include "gdi/device_context.h"

namespace platform {

struct MemoryDc final : DeviceContext {
    MemoryDc() : DeviceContext(DcKind::Memory) {}
    // The selected bitmap's rectangle.
    RECTL Extent() const override;
    GdiBitmap& Bitmap() const { return static_cast<GdiBitmap&>(*attrs.bitmap.object); }
};

// Deletes a memory DC (DeleteDC's work for one): the DC goes, its selected bitmap is free again.
BOOL DeleteMemoryDc(const std::shared_ptr<DeviceContext>& dc);

} // namespace platform
