#pragma once
// font_choice.h - whether a text call can be written in one of the printer's resident fonts, and in which
// size, width, angle and simulations. Text goes out in a resident font only where the user's font
// substitution list maps the call's TrueType family to one; everything else goes out as glyph images.

#include "customnt/vqddigfx/pdev.h"

struct DEVICE_FONT_CHOICE {
    UINT   iFirstRow;    // the first row of the resident face the list names
    LONG   lHeight;      // 24.8 points
    LONG   lWidth;       // width ratio, 256 as designed
    LONG   lAngle;       // baseline angle in 24.8 degrees, counter-clockwise
    BOOL   bSimBold;     // GDI asks for bold it simulates
    BOOL   bSimItalic;   // GDI asks for italic it simulates
    USHORT usWeight;     // the TrueType font's own weight
    BOOL   bItalic;      // the TrueType font is italic of its own
    BOOL   bShiftJis;    // the TrueType font's characters are Shift-JIS: they go out in code page 932
};

// Fills the choice and answers TRUE when the whole call can use a resident font: substitution on with a list,
// the family (a leading "@" kept aside) substituted by a face of the table whose character set fits, text of
// characters rather than glyph indices, and a height, width and size the printer takes. FALSE otherwise; a
// font object without metrics or transform also writes a "rem" line saying so.
BOOL ChooseDeviceFont(PDEV* pdev, STROBJ* pstro, FONTOBJ* pfo, DEVICE_FONT_CHOICE* pChoice);
