#pragma once
// font_realizations.h - the fonts a device context has realised: one engine font object (FONTOBJ) per logical
// font and transform, kept while the font and the device context live, so that every text call in that font
// finds the same iUniq, the glyph bitmaps and outlines already made, and the driver's pvConsumer data it left
// there. The driver hears DrvDestroyFont once, when a realization goes: its font deleted, its device context
// deleted or reset, or the realization pushed out by newer ones.

#include <memory>
#include <optional>
#include "host/engine/font_object.h"
#include "host/gdi.h"
#include "gdi/device_context.h"
#include "win/winddi.h"

namespace platform {

constexpr size_t kMaxRealizationsPerDc = host::kMaxFontRealizationsPerDc;

class FontRealization {
public:
    // A realization of the logical font at the request's size and transform. destroyFont is the driver's
    // DrvDestroyFont (null when the device context has no driver or the driver has none); owner receives the
    // note of that call.
    FontRealization(const std::shared_ptr<GdiObject>& logicalFont, const engine::FontRequest& request,
                    PFN_DrvDestroyFont destroyFont, const std::shared_ptr<DeviceContext>& owner);
    ~FontRealization();
    FontRealization(const FontRealization&) = delete;
    FontRealization& operator=(const FontRealization&) = delete;

    engine::FontObject& Font() { return m_font; }

    // True when this realizes that logical font (alive) for that request.
    bool Realizes(const GdiObject* logicalFont, const engine::FontRequest& request) const;
    // True when this realizes that logical font, or a logical font that no longer exists.
    bool BelongsTo(const GdiObject* logicalFont) const;

    // The driver's DrvGetGlyphMode answer for this font: asked once, when the driver first draws in it.
    std::optional<ULONG> glyphMode;

    // Tells the driver the realization goes (DrvDestroyFont, when the driver left data in pvConsumer); once.
    void Release();

private:
    std::weak_ptr<GdiObject> m_logicalFont;
    engine::FontObject m_font;
    PFN_DrvDestroyFont m_destroyFont;
    std::weak_ptr<DeviceContext> m_owner;
    bool m_released = false;
};

// The realization of the font the device context draws in (request, as RealizeFont maps its selected logical
// font): the one it already has, now its most recently used, or a new one, which may push the least recently
// used out.
std::shared_ptr<FontRealization> RealizationFor(const std::shared_ptr<DeviceContext>& dc,
                                                const engine::FontRequest& request);

// Lets go of every realization of the device context, each released first: its PDEV or the context itself goes.
void ReleaseRealizations(DeviceContext& dc);

// Lets go of every device context's realizations of a logical font that has been deleted.
void ForgetRealizationsOf(const GdiObject* logicalFont);

} // namespace platform
