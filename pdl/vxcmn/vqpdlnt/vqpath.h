#pragma once
// vqpath.h - paths and clips: the fills and strokes of paths, the path writers ("phb", "mta", "ltr", "bzr",
// "phc", "phe") with their Bézier halving and the path cache, the clip writer every drawing call uses ("cpc",
// "cpp", "cpb", "csr", "cpe", "cps"), the raster-operation writers ("rop"), and the page's N-up scaling of
// device coordinates.

#include "customnt/vqddigfx/pdev.h"

#include <cstdint>

// Clip kinds of "cps".
constexpr LONG kClipPage = 0;       // slot 0, the whole page ("cpc 0 ...")
constexpr LONG kClipRect = 1;       // slot 1, one rectangle ("cpc 1 ...")
constexpr LONG kClipPath = 3;       // the clip path ("cpp")
constexpr LONG kClipList = 4;       // a list of rectangles ("cpb", "csr", "cpe")
constexpr LONG kClipUnknown = -1;   // the printer's clip kind is not known: the next one is written

// Path kinds of "phb": the grouped writer's paths (fills and strokes) and the plain writer's clip path.
constexpr LONG kPathGrouped = 1;
constexpr LONG kPathClip = 3;

// The path cache keeps a clip path of at most this many PATHOBJ_bEnum records and points.
constexpr DWORD kPathCacheRecords = 128;
constexpr DWORD kPathCachePoints = 8000;

// The clip value that lets a drawing reach beyond the page: "cpc 0 0 0 10000 10000;" is written every time.
inline CLIPOBJ* const kClipUnbounded = reinterpret_cast<CLIPOBJ*>(~static_cast<uintptr_t>(0));

// c x scale / 10000 + offset for each edge (integer arithmetic); the NonEmpty form then widens a rectangle
// whose right edge equals its left, or bottom its top, by 1.
RECTL PdlScaleRect(PDEV* pdev, const RECTL& rect);
RECTL PdlScaleRectNonEmpty(PDEV* pdev, const RECTL& rect);

// The path operations of DrvFillPath, DrvStrokePath and DrvStrokeAndFillPath on a valid PDEV, after the
// interface layer's checks. FALSE when the clip cannot be written, the path cannot be read or written, the
// fill options are neither FP_ALTERNATEMODE nor FP_WINDINGMODE while a brush fills (the path is written, not
// filled), or the stroke's pen cannot be written (a geometric pen: the path is not stroked).
BOOL WritePathFill(PDEV* pdev, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, MIX mix, FLONG flOptions);
BOOL WritePathStroke(PDEV* pdev, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo, LINEATTRS* pla,
                     MIX mix);
BOOL WritePathStrokeAndFill(PDEV* pdev, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pboStroke,
                            LINEATTRS* pla, BRUSHOBJ* pboFill, MIX mixFill, FLONG flOptions);

// Writes the path as the printer's path of that kind, "phb <kind>;" to "phe;". Kind 1 (kPathGrouped) takes
// the grouped writer: each sub-path gathered, its runs of lines and of curves written relative to the last
// point, and, for a fill (bFill) at an N-up scale below 1:1 whose rop does not read the page, a small sub-path
// written from its unscaled steps so that a thin shape keeps a pixel. Any other kind takes the plain writer,
// record by record, and writes nothing when the path cache holds the same path of that kind (the printer
// still has it). *pbDrawn (may be null) tells whether a segment was written. FALSE, with the path closed,
// when the path cannot be read or gathered, or when a curve record's points are not whole curves ("rem path
// bzr parameter error;", ERROR_INVALID_PARAMETER).
BOOL UpdatePath(PDEV* pdev, PATHOBJ* ppo, LONG kind, BOOL* pbDrawn, BOOL bFill);

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

// "rop 2 #<low byte>;" when the mix differs from the one last written.
void PdlOutputRop2(PDEV* pdev, ULONG mix);

// "rop 3 #<rop>;" when the three-operand rop differs from the one last written.
void PdlOutputRop3(PDEV* pdev, ULONG rop3);

// The low byte of the two-operand rop last written.
BYTE PdlGetRop2(PDEV* pdev);

// FALSE for the two-operand codes whose result does not read the page (1 black, 4 not pen, 13 pen, 16
// white); TRUE for every other code, including codes outside 1-16.
BOOL PdlRopReadsDestination(ULONG rop2);

// FALSE for the sixteen three-operand rops that do not read the page; TRUE for all others.
BOOL PdlRop3ReadsDestination(ULONG rop3);

// FALSE for the sixteen three-operand rops that do not read the source (0x00, 0x05, ... 0xFA, 0xFF); TRUE for
// all others.
BOOL PdlRop3UsesSource(ULONG rop3);

// TRUE when a fill or stroke with these brushes (null: none) leaves a page that is still empty blank: while
// page additions are drawn, under the rop "white", or under "pen" with a white fill (solid, or a hatch in two
// whites) and a white solid pen.
BOOL PdlLeavesPageBlank(PDEV* pdev, BRUSHOBJ* pboFill, BRUSHOBJ* pboPen);

// Forgets the path the printer holds (page start and end, and a new N-up cell).
void PdlResetPathCache(PDEV* pdev);

// Forgets the clip the printer holds: its kind, both slots and the rectangle list.
void PdlResetClipCache(PDEV* pdev);

// Forgets the raster operations the printer was told.
void PdlResetRopCache(PDEV* pdev);

// Frees the blocks of the path cache and the clip list (end of document).
void PdlFreePathCaches(PDEV* pdev);
