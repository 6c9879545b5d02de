#pragma once
// clip_writer.h - the clip writer every drawing call uses ("cpc", "cpp", "cpb", "csr", "cpe", "cps"): the clip
// the printer holds is remembered, so that only a change is written.

#include "customnt/vqddigfx/pdev.h"

#include <cstdint>

// Clip kinds of "cps".
constexpr LONG kClipPage = 0;       // slot 0, the whole page ("cpc 0 ...")
constexpr LONG kClipRect = 1;       // slot 1, one rectangle ("cpc 1 ...")
constexpr LONG kClipPath = 3;       // the clip path ("cpp")
constexpr LONG kClipList = 4;       // a list of rectangles ("cpb", "csr", "cpe")
constexpr LONG kClipUnknown = -1;   // the printer's clip kind is not known: the next one is written

// The clip value that lets a drawing reach beyond the page: "cpc 0 0 0 10000 10000;" is written every time.
inline CLIPOBJ* const kClipUnbounded = reinterpret_cast<CLIPOBJ*>(~static_cast<uintptr_t>(0));

// Writes the clip of the next drawing call and selects its kind ("cps") when it changed:
// - none: the page, written as slot 0 when slot 0 holds something else;
// - kClipUnbounded: slot 0 as 10000 x 10000, always written;
// - DC_TRIVIAL: the page as slot 0 holds it;
// - DC_RECT: the scaled bounds as slot 1 (when they changed), or the page when they are the page;
// - DC_COMPLEX, TC_PATHOBJ: the clip's path as the clip path ("cpp");
// - DC_COMPLEX, TC_RECTANGLES: the rectangle list, unless the printer holds the same one already; with the
//   browser's fill bounds (prclBounds, may be null) only the rectangles that touch them.
// Nothing while CLIP_TO_PATH saves the clip. FALSE for a clip path that cannot be had or written, or for a
// clip of another kind.
BOOL PdlOutputClip(PDEV* pdev, CLIPOBJ* pco, const RECTL* prclBounds);

// The printer's clip kind is now kind (kClipUnknown: not known, so the next drawing call selects its own).
void PdlResetClipState(PDEV* pdev, LONG kind);

// Forgets the clip the printer holds: its kind, both slots and the rectangle list.
void PdlResetClipCache(PDEV* pdev);

// Frees the block of the remembered rectangle list and forgets the list (end of document).
void PdlFreeClipList(PDEV* pdev);

namespace vqpath {

// The bounds, in unscaled pixels, of a browser's fill of one record of exactly four points: the browser's
// table cells are clipped only by the rectangles of their list that these bounds touch.
bool BrowserFillBounds(PDEV* pdev, PATHOBJ* ppo, RECTL& bounds);

} // namespace vqpath
