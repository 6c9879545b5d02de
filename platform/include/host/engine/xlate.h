#pragma once
// xlate.h - XLATEOBJ: translates pixel values of one palette into values of another, as GDI hands it to a
// driver with a blit and as the engine's own rendering uses it.

#include <memory>
#include <optional>
#include <vector>
#include "host/engine/palettes.h"

namespace platform::engine {

class XlateObject {
public:
    // From values of src to values of dst. Without either palette (or with two equal ones) the translation
    // is trivial. An indexed source gets a table: one destination value per source entry.
    XlateObject(std::optional<Palette> src, std::optional<Palette> dst);
    ~XlateObject();
    XlateObject(const XlateObject&) = delete;
    XlateObject& operator=(const XlateObject&) = delete;

    XLATEOBJ* get() { return &m_xo; }
    ULONG Translate(ULONG value) const;
    const std::optional<Palette>& Source() const { return m_src; }
    const std::optional<Palette>& Destination() const { return m_dst; }

private:
    // How a value is translated, chosen once: the per-value work of a blit is then a switch and the arithmetic.
    enum class Path { Trivial, Table, SwapRedAndBlue, ThroughColor };

    XLATEOBJ m_xo = {};
    std::optional<Palette> m_src;
    std::optional<Palette> m_dst;
    std::vector<ULONG> m_table;
    Path m_path = Path::Trivial;
    std::optional<ColorCodec> m_srcCodec;   // of m_src and m_dst, for ThroughColor
    std::optional<ColorCodec> m_dstCodec;
};

// The translation of value by pxlo as the engine's rendering applies it: null is the identity; a record the
// engine did not make is read by its own flags and table (bounded by cEntries).
ULONG TranslateValue(const XLATEOBJ* pxlo, ULONG value);

} // namespace platform::engine
