#pragma once
// device_context.h - the device contexts GDI hands out, printer DCs and memory DCs alike: the table behind
// their HDC values, and the attributes every drawing call reads from them (selected objects, colours, modes,
// origins, current position, clip region and the path being recorded).

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>
#include "gdi/drawing.h"
#include "gdi/objects.h"

namespace platform {

struct Selection {
    HGDIOBJ handle = nullptr;
    std::shared_ptr<GdiObject> object;
};

// A path being recorded between BeginPath and EndPath, in 28.4 device coordinates with the PT_ point types.
struct PathRecord {
    enum class Stage { None, Open, Closed };
    Stage stage = Stage::None;
    std::vector<POINTFIX> points;
    std::vector<BYTE> types;
    bool figureOpen = false;   // the next line continues the last figure rather than starting one
};

// What SaveDC saves and RestoreDC gives back.
struct DcAttributes {
    Selection pen;
    Selection brush;
    Selection bitmap;              // memory DCs only
    Selection font;
    DrawAttributes draw;           // colours, modes and the clip region: what every drawing takes along
    int mapMode = MM_TEXT;
    POINT position = {0, 0};       // the current position, logical
    POINT viewportOrg = {0, 0};
    POINT windowOrg = {0, 0};
    PathRecord path;
    UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    int charExtra = 0;             // SetTextCharacterExtra: added to every character's advance
};

enum class DcKind { Printer, Memory };

class FontRealization;

struct DeviceContext {
    explicit DeviceContext(DcKind dcKind);
    virtual ~DeviceContext() = default;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // The device rectangle drawing can reach: the printer's page, the memory DC's bitmap.
    virtual RECTL Extent() const = 0;

    const DcKind kind;
    HDC hdc = nullptr;
    DcAttributes attrs;
    std::vector<DcAttributes> saved;   // SaveDC's stack, oldest first
    // The fonts realised for its text, most recently used first (font_realizations.h).
    std::vector<std::shared_ptr<FontRealization>> realizations;
};

std::shared_ptr<DeviceContext> FindDc(HDC hdc);
HDC AddDc(std::shared_ptr<DeviceContext> dc);
void RemoveDc(HDC hdc);
// Every device context there is, in the order they were made.
std::vector<std::shared_ptr<DeviceContext>> AllDcs();

// The device context, or null with ERROR_INVALID_HANDLE.
std::shared_ptr<DeviceContext> DcOrFail(HDC hdc);

// True when the object is selected into a device context (as its current pen, brush, bitmap or font).
bool IsSelectedAnywhere(const GdiObject* object);

// Puts a new DC's attributes in their initial state: the black pen, the white brush and the system font selected.
void InitialiseAttributes(DcAttributes& attrs);

// Device coordinates are kept within +-2^26 pixels, so that every 28.4 value and every sum of two of them
// (a point moved to a band's origin) fits a LONG.
constexpr int64_t kDeviceLimit = int64_t{1} << 26;

// The device point of a logical one (the offsets of the window and viewport origins); false, with
// ERROR_INVALID_PARAMETER, when it lies beyond kDeviceLimit.
bool ToDevice(const DcAttributes& attrs, int64_t x, int64_t y, POINTL& out);

// The device rectangle of a logical one, its corners held within kDeviceLimit (a clip rectangle beyond the
// device reaches no further than the limit); the corners keep their order.
RECTL ToDeviceRect(const DcAttributes& attrs, int64_t left, int64_t top, int64_t right, int64_t bottom);

} // namespace platform
