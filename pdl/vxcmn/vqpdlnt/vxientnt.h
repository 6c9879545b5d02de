#pragma once
// vxientnt.h - the interface layer of the VQPDL writer: what the engine layer calls. Each drawing entry
// validates the PDEV, sets the object kind of its call and runs the blank-page test before the VQPDL
// operation writes; an invalid PDEV answers FALSE (0) with ERROR_INVALID_PARAMETER and a debug line.

#include "customnt/vqddigfx/pdev.h"

// Vector mode: adjusts GDIINFO and DEVINFO for one-bit or 24-bit output; a one-bit plane gets a new
// two-colour palette in place of the PDEV's earlier one. FALSE when that palette cannot be made.
BOOL PdlEnablePDEV(PDEV* pdev, GDIINFO* pGdiInfo, DEVINFO* pDevInfo);

// DrvDisablePDEV: the writer's buffers of a document that was never ended.
void PdlDisablePDEV(PDEV* pdev);

// DrvResetPDEV: the context copy.
void PdlResetPDEV(PDEV* pOld, PDEV* pNew);

// Job and page control, called by the engine at document and page boundaries. The first page of a job
// starts with the job's font substitution rows.
BOOL PdlStartDoc(PDEV* pdev, LPCWSTR pDocumentName);
BOOL PdlEndDoc(PDEV* pdev);
BOOL PdlStartPage(PDEV* pdev, BOOL backSide, BOOL creatingForm);

// TRUE while the page plan captures tab text.
BOOL PdlIsCapturingTabText(PDEV* pdev);

// The drawing operations: block transfers (image_blit.h), paths (vqpath.h) and clips (clip_writer.h). The path
// operations also answer FALSE at once when the output has failed.
BOOL PdlCopyBits(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
                 POINTL* pptlSrc);
BOOL PdlBitBlt(SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclTrg,
               POINTL* pptlSrc, POINTL* pptlMask, BRUSHOBJ* pbo, POINTL* pptlBrush, ROP4 rop4);
BOOL PdlStretchBlt(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                   COLORADJUSTMENT* pca, POINTL* pptlHTOrg, RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask,
                   ULONG iMode);
BOOL PdlStrokePath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo, POINTL* pptlBrushOrg,
                   LINEATTRS* plineattrs, MIX mix);
BOOL PdlFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, POINTL* pptlBrushOrg, MIX mix,
                 FLONG flOptions);
BOOL PdlStrokeAndFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pboStroke,
                          LINEATTRS* plineattrs, BRUSHOBJ* pboFill, POINTL* pptlBrushOrg, MIX mixFill,
                          FLONG flOptions);

// DCR_HALFTONE in vector mode with a one-bit plane, else 0.
ULONG PdlDitherColor(PDEV* pdev, ULONG iMode, ULONG rgb, ULONG* pul);

// Glyphs come as bitmaps (FO_GLYPHBITS).
ULONG PdlGetGlyphMode(PDEV* pdev, FONTOBJ* pfo);

// The draw escapes: the writer supports none, and answers 0 to each.
BOOL PdlQueryDrawEscape(PDEV* pdev, ULONG iEsc);
ULONG PdlDrawEscape(PDEV* pdev, ULONG iEsc, CLIPOBJ* pco, RECTL* prcl, ULONG cjIn, PVOID pvIn);

// QUERYESCSUPPORT's answer for SETCOPYCOUNT: the largest copy count.
constexpr ULONG kCopyCountSupport = 999;

// The escapes that reach the writer: BEGIN_PATH and END_PATH (1), CLIP_TO_PATH with a u16 mode (save,
// restore or inclusive: 1; another mode: 0), and QUERYESCSUPPORT for a u16 code (1 for those three, 999 for
// SETCOPYCOUNT). 0 for any other code, and with ERROR_INVALID_PARAMETER for an invalid PDEV.
ULONG PdlEscape(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);
