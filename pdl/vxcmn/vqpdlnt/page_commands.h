#pragma once
// page_commands.h - the VQPDL commands of a sheet's setup and end: origin ("org"), paper ("pps"), tray
// ("ppt"), duplex ("ppd"), eject ("prn"), halftone ("htn"), default colours ("brc" 0, 1 and 10) and the filled
// rectangle ("rct"). Page geometry goes out in fixed point: millimetres with two decimals, from 1/100 mm.

#include "customnt/vqddigfx/pdev.h"

// value (1/100) as the printer reads fixed point: "%" then, for a negative value, "-", then |value| / 100, a
// point and exactly two digits of |value| mod 100 ("%210.00", "%12.05", "%-4.06"). Always terminated; returns
// the length written.
int PdlFormatFixed(char* pBuffer, DWORD cbBuffer, LONG value);

// "org <x> <y>;" with x and y in fixed point.
void PdlOutputOrigin(PDEV* pdev, LONG x, LONG y);

// "pps <name> [<width> <length> <left> <top> <right> <bottom>] P|L;": the paper's VQPDL name (A4 for a code
// the paper table lacks, at most 31 characters), the six values in fixed point only for the user-defined
// papers, and L for orientation 2.
void PdlOutputPaperSize(PDEV* pdev, SHORT paper, SHORT orientation, LONG width, LONG length, LONG left, LONG top,
                        LONG right, LONG bottom);

// "ppt <letter>;" with the tray's VQPDL letter (A for a tray the tray table lacks).
void PdlOutputPaperTray(PDEV* pdev, SHORT tray);

// "ppd N|S|L;" for duplex codes 0, 1 and 2; nothing for any other code.
void PdlOutputDuplex(PDEV* pdev, SHORT duplex);

// "prn;": prints the current sheet.
void PdlOutputPrint(PDEV* pdev);

// "htn E 2|4|1;" for error diffusion (flag 1; by kind 1, 2, other), else "htn D 17|129|33;" by type 2, 4,
// other.
void PdlOutputHalftone(PDEV* pdev, BYTE flag, BYTE type, BYTE kind);

// "brc 0" black, "brc 1" white and "brc 10" black, each the device colour of its RGB.
void PdlOutputDefaultColors(PDEV* pdev);

// Fills rect (device pixels, unscaled) through the rop (its low byte a two-operand code) with the 8 x 8 dither
// brush of the inverse of pattern's rows, clipped to bounds; no pen. The bounds are written at full size
// whatever the page's N-up scale.
void PdlOutputRect(PDEV* pdev, const RECTL& rect, ULONG rop, const BYTE (&pattern)[8], const RECTL& bounds);
