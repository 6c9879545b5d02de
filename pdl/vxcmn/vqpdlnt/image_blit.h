#pragma once
// image_blit.h - the block transfers of DrvCopyBits, DrvStretchBlt and DrvBitBlt on the page: a source bitmap
// becomes a one-bit or eight-bit image (clipped to the bitmap, mirrored, tone-mapped), a rop without a source
// becomes a rectangle fill, and masks and transparent hatches are drawn in several passes.

#include "customnt/vqddigfx/pdev.h"

// The operations on a valid PDEV, after the interface layer's checks. A source that is missing or no bitmap in
// memory erases the target rectangle (EngEraseSurface, white) and answers what that answers; a source of a
// format other than 1 to 32 bits a pixel goes to EngStretchBlt (CopyBits) or fails. FALSE, with
// ERROR_INVALID_PARAMETER, without a target rectangle; FALSE when the source cannot be read or its image
// cannot be made.
BOOL WriteCopyBits(PDEV* pdev, SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
                   POINTL* pptlSrc);
BOOL WriteStretchBlt(PDEV* pdev, SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco,
                     XLATEOBJ* pxlo, RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask);
// Masked rop4s the printer cannot take go to EngBitBlt; while a form file is made in raster mode, the pages
// after the first draw nothing.
BOOL WriteBitBlt(PDEV* pdev, SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                 RECTL* prclTrg, POINTL* pptlSrc, POINTL* pptlMask, BRUSHOBJ* pbo, POINTL* pptlBrush, ROP4 rop4);
