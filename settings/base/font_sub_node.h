#pragma once
// font_sub_node.h - FONT_SUB_NODE, one row of the font-substitution list: which printer font replaces a
// TrueType face. The interface module builds the list for each job and sends it to the graphics module as an
// array of nodes (escape 0x7FFFFFF8), so the layout is fixed; the receiver links its own copy again.
//
// All fields are unaligned; read and write them by value, arrays with memcpy.

#include "win/windef.h"

constexpr DWORD kFontSubNodeSize = 132;
constexpr DWORD kFontSubFaceChars = 32;
constexpr DWORD kMaxFontSubNodes = 500;   // the rows the settings store keeps for the list

#pragma pack(push, 1)
struct FONT_SUB_NODE {                        // 132 bytes
    FONT_SUB_NODE* pNext;                     // 0      the next node; null in the last
    WCHAR szTrueTypeFace[kFontSubFaceChars];  // 4
    WCHAR szDeviceFont[kFontSubFaceChars];    // 68     empty when the face is not substituted
};
#pragma pack(pop)

static_assert(sizeof(FONT_SUB_NODE) == kFontSubNodeSize);
static_assert(offsetof(FONT_SUB_NODE, pNext) == 0);
static_assert(offsetof(FONT_SUB_NODE, szTrueTypeFace) == 4);
static_assert(offsetof(FONT_SUB_NODE, szDeviceFont) == 68);
