#pragma once
// vqbrush.h - brushes: GDI's brushes realized into the driver's own record, and the VQPDL brush state of the
// next fill: the brush number ("brs"), colour register 2 ("brc 2"), hatch and pattern brushes with their bits
// ("bru"), the ten pattern brushes the printer keeps, the brush mode ("brm") and colours ("bri"), and the
// dither brushes of one gray level. Every writer writes only a change from what the printer was last told.

#include "customnt/vqddigfx/pdev.h"

// Brush numbers of "brs".
constexpr LONG kBrushNone = -1;
constexpr LONG kBrushBlack = 0;
constexpr LONG kBrushWhite = 1;
constexpr LONG kBrushRegister2 = 2;
constexpr LONG kBrushFirstHatch = 3;          // 3 to 8: the hatch styles
constexpr LONG kBrushUncached = 9;            // a pattern no slot could take
constexpr LONG kBrushFirstSlot = 11;          // 11 to 20: the pattern slots

// iHatch of the driver's own dither brush; 6 (HS_DDI_MAX) and above are pattern bitmaps.
constexpr ULONG kDitherBrushHatch = 7;

#pragma pack(push, 1)
// The driver's form of a brush (allocated with BRUSHOBJ_pvAllocRbrush, owned by GDI): this header, the pixel
// rows (each a multiple of 4 bytes), then the colour data at offColors, whose first two entries are the brush
// colours C0 and C1 (8 bytes always there). A one-bit pixel of 1 prints in C1, of 0 in C0.
struct REALIZED_BRUSH {           // 28 bytes, then rows and colours
    LONG  lWidth;                 // 0    pixels
    LONG  lHeight;                // 4
    LONG  lFormat;                // 8    BMF_1BPP, or BMF_24BPP (three bytes a pixel, the lowest byte first)
    LONG  flFlags;                // 12   bit 0: the rows are top-down (first row the top one)
    LONG  cPalette;               // 16   entries of the colour data copied from the translation
    LONG  offColors;              // 20   from the start of the record
    ULONG iHatch;                 // 24   GDI's hatch style; 6 and above a pattern, 7 the dither brush
};
#pragma pack(pop)
static_assert(sizeof(REALIZED_BRUSH) == 28);
static_assert(offsetof(REALIZED_BRUSH, offColors) == 20);
static_assert(offsetof(REALIZED_BRUSH, iHatch) == 24);

constexpr LONG kRowsTopDown = 0x01;

// Brush colour C0 (index 0) or C1 (index 1) of a realized brush.
ULONG RealizedBrushColor(const REALIZED_BRUSH* rb, UINT index);

// Sets brush colour C0 (index 0) or C1 (index 1) of a realized brush.
void SetRealizedBrushColor(REALIZED_BRUSH* rb, UINT index, ULONG value);

// The one-bit plane mode: f1Plane1Bit_Check 1 with the vector graphics mode; GDI then draws for a one-bit
// surface, and the brush writer reads RGB values itself.
BOOL IsOneBitPlaneMode(PDEV* pdev);

// The RGB colour a brush paints in: in the one-bit plane mode BRUSHOBJ_ulGetBrushColor, otherwise a solid
// brush's own colour; 0 (black) for a pattern brush outside that mode.
ULONG PdlBrushColor(PDEV* pdev, BRUSHOBJ* pbo);

// DrvRealizeBrush: stores the driver's form of a hatch (below 6) or a pattern bitmap of 1, 4, 8, 16, 24 or 32
// bits a pixel in the brush object. FALSE for an invalid PDEV or a pattern of another format or without pixels
// (ERROR_INVALID_PARAMETER), or when the record cannot be allocated; the first and the last write their debug
// line.
BOOL PdlRealizeBrush(BRUSHOBJ* pbo, SURFOBJ* psoTarget, SURFOBJ* psoPattern, SURFOBJ* psoMask, XLATEOBJ* pxlo,
                     ULONG iHatch);

// Selects the brush of the next fill and ends with "brs" when the number changed; a null brush is number -1.
// FALSE only for a pattern brush GDI cannot realize ("Null brush." on the debug output; number -1).
BOOL PdlSelectBrush(PDEV* pdev, BRUSHOBJ* pbo);

// "brm 0;" for the opaque background mode (2), "brm 1;" for any other, when it changed.
void PdlOutputBrushMode(PDEV* pdev, ULONG mode);

// "bri <foreground> <background>;" with their device colours, when either changed.
void PdlOutputBrushColors(PDEV* pdev, ULONG rgbFore, ULONG rgbBack);

// Selects the 8 x 8 one-bit brush of the rows (top first; a set bit prints black, a clear bit white) through
// the pattern slots. FALSE, with "rem error: output dither brush;", when it cannot be allocated.
BOOL PdlOutputDitherPattern(PDEV* pdev, const BYTE (&rows)[8]);

// Selects the dither cell of the colour's gray level: 32 - (gray + 4) / 8, so white is the empty cell and
// black the full one. The answer of PdlOutputDitherPattern.
BOOL PdlOutputColorDither(PDEV* pdev, ULONG rgb);

// Marks every pattern slot free and frees the copies they held (page start: the printer forgets its
// pattern brushes with the page).
void PdlInitBrushCache(PDEV* pdev);

// Frees the copies of every pattern slot (end of document).
void PdlFreeBrushCache(PDEV* pdev);

// Forgets the brush state the printer was told: brush number, colour register 2, brush mode and colours, and
// the hatch brushes written.
void PdlResetBrushState(PDEV* pdev);
