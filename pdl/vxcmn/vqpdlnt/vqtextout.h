#pragma once
// vqtextout.h - text: DrvTextOut written as VQPDL. The opaque background box, the text colour and rop, then
// each character in a resident font ("txo") where the font substitution list allows, else as a glyph image,
// then the underline and strike-out boxes.

#include "customnt/vqddigfx/pdev.h"

// FALSE for an invalid PDEV (ERROR_INVALID_PARAMETER) or one whose output failed; FALSE with a debug line and
// ERROR_INVALID_PARAMETER without a surface, string or font object; FALSE, with nothing drawn, for a clip the
// printer cannot be given. Otherwise TRUE, also where a glyph could not be drawn (its debug line says so).
BOOL PdlTextOut(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* pfo, CLIPOBJ* pco, RECTL* prclExtra, RECTL* prclOpaque,
                BRUSHOBJ* pboFore, BRUSHOBJ* pboOpaque, POINTL* pptlOrg, MIX mix);
