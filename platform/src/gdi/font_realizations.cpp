// font_realizations.cpp - the font realizations of device contexts: found again by logical font and request,
// kept most recently used first, and released to the driver once.
#include "gdi/font_realizations.h"
#include "gdi/driver_time.h"
#include "gdi/printer_dc.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace platform {
namespace {

// Everything a request says about the glyphs: two equal requests make the same realization.
bool SameRequest(const engine::FontRequest& a, const engine::FontRequest& b)
{
    return a.face == b.face && a.emPixels == b.emPixels && a.widthScale == b.widthScale &&
           a.escapement == b.escapement && a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
           a.strikeOut == b.strikeOut && a.emHeight == b.emHeight && a.logResPpi.cx == b.logResPpi.cx &&
           a.logResPpi.cy == b.logResPpi.cy;
}

PFN_DrvDestroyFont DestroyFontHook(const DeviceContext& dc)
{
    if (dc.kind != DcKind::Printer)
        return nullptr;
    const auto& printer = static_cast<const PrinterDc&>(dc);
    if (printer.graphics == nullptr)
        return nullptr;
    return reinterpret_cast<PFN_DrvDestroyFont>(printer.graphics->hooks[INDEX_DrvDestroyFont]);
}

} // namespace

FontRealization::FontRealization(const std::shared_ptr<GdiObject>& logicalFont, const engine::FontRequest& request,
                                 PFN_DrvDestroyFont destroyFont, const std::shared_ptr<DeviceContext>& owner)
    : m_logicalFont(logicalFont), m_font(request), m_destroyFont(destroyFont), m_owner(owner)
{
}

FontRealization::~FontRealization()
{
    Release();
}

bool FontRealization::Realizes(const GdiObject* logicalFont, const engine::FontRequest& request) const
{
    const auto alive = m_logicalFont.lock();
    return alive != nullptr && alive.get() == logicalFont && SameRequest(m_font.Request(), request);
}

bool FontRealization::BelongsTo(const GdiObject* logicalFont) const
{
    const auto alive = m_logicalFont.lock();
    return alive == nullptr || alive.get() == logicalFont;
}

void FontRealization::Release()
{
    if (m_released)
        return;
    m_released = true;
    // A driver that kept nothing for the font has nothing to free.
    if (m_destroyFont == nullptr || m_font.get()->pvConsumer == nullptr)
        return;
    if (const auto owner = m_owner.lock(); owner != nullptr && owner->kind == DcKind::Printer)
        RecordCall(static_cast<PrinterDc&>(*owner), "DrvDestroyFont");
    const TimedHook<PFN_DrvDestroyFont> destroyFont(m_destroyFont);
    destroyFont(m_font.get());
}

std::shared_ptr<FontRealization> RealizationFor(const std::shared_ptr<DeviceContext>& dc,
                                                const engine::FontRequest& request)
{
    auto& realizations = dc->realizations;
    const GdiObject* logicalFont = dc->attrs.font.object.get();
    const auto found = std::find_if(realizations.begin(), realizations.end(), [&](const auto& realization) {
        return realization->Realizes(logicalFont, request);
    });
    if (found != realizations.end()) {
        std::rotate(realizations.begin(), found, found + 1);
        return realizations.front();
    }
    auto realization = std::make_shared<FontRealization>(dc->attrs.font.object, request, DestroyFontHook(*dc), dc);
    realizations.insert(realizations.begin(), realization);
    if (realizations.size() > kMaxRealizationsPerDc)
        realizations.pop_back();   // released now, or when the last drawing that holds it is done
    return realization;
}

void ReleaseRealizations(DeviceContext& dc)
{
    std::vector<std::shared_ptr<FontRealization>> leaving;
    leaving.swap(dc.realizations);
    for (const auto& realization : leaving)
        realization->Release();
}

void ForgetRealizationsOf(const GdiObject* logicalFont)
{
    // Collected first and let go of afterwards, outside the table's lock: a driver hearing DrvDestroyFont may
    // call back into GDI.
    std::vector<std::shared_ptr<FontRealization>> leaving;
    for (const auto& dc : AllDcs()) {
        auto& realizations = dc->realizations;
        const auto kept = std::stable_partition(realizations.begin(), realizations.end(), [&](const auto& r) {
            return !r->BelongsTo(logicalFont);
        });
        std::move(kept, realizations.end(), std::back_inserter(leaving));
        realizations.erase(kept, realizations.end());
    }
}

} // namespace platform
