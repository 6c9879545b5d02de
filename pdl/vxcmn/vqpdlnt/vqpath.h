#pragma once
// vqpath.h - the fills and strokes of paths ("phf", "phs") and the path of each ("phb" to "phe"). The pieces
// they use live beside: path_writer.h (points, lines, curves, the grouped writer), path_cache.h (the plain
// writer and its cache), clip_writer.h and rop_writer.h.

#include "customnt/vqddigfx/pdev.h"

// Path kinds of "phb": the grouped writer's paths (fills and strokes) and the plain writer's clip path.
constexpr LONG kPathGrouped = 1;
constexpr LONG kPathClip = 3;

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

// TRUE when a fill or stroke with these brushes (null: none) leaves a page that is still empty blank: while
// page additions are drawn, under the rop "white", or under "pen" with a white fill (solid, or a hatch in two
// whites) and a white solid pen.
BOOL PdlLeavesPageBlank(PDEV* pdev, BRUSHOBJ* pboFill, BRUSHOBJ* pboPen);
