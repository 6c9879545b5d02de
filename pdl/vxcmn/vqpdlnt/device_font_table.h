#pragma once
// device_font_table.h - the printer's resident fonts that text may be written in: for each, the Windows face
// it stands for, its VQPDL family and font names, character set, weight and slant. A row's index is the font
// number the printer is told ("fos", "foc"), so the order of the rows is the printer's and never changes.

#include "win/windows.h"

struct DEVICE_FONT_ROW {
    const WCHAR* pszFace;     // the Windows face name; null ends the table
    const char*  pszFamily;   // the VQPDL family name; null where the font is a family of its own
    const char*  pszFont;     // the VQPDL font name
    BYTE         bCharSet;    // ANSI_CHARSET, SYMBOL_CHARSET or SHIFTJIS_CHARSET
    USHORT       usWeight;    // FW_NORMAL or FW_BOLD
    BOOL         bItalic;
};

constexpr UINT kDeviceFontCount = 92;

// The row of a font number, or null past the last row.
const DEVICE_FONT_ROW* DeviceFontRow(UINT index);

// The font number of the first row of the face (compared exactly), or -1.
int FindDeviceFontByFace(const WCHAR* pszFace);

// The row's VQPDL family name: its own, or its font name where it has none.
const char* DeviceFontFamily(const DEVICE_FONT_ROW& row);
