#pragma once
// list_groups.h - the ids of the six named-list groups and the field-type codes with which every store of the
// settings core (registry walker, saved-settings files, typed value copies) moves a field.

#include "win/windef.h"

// Named-list groups. Each hangs on a switchable feature (IsListGroupEnabled); a disabled group is absent.
constexpr WORD kInterSheetListGroup = 0x1001;   // "InterSheet": the ten named insert-sheet lists
constexpr WORD kFormListGroup       = 0x1002;   // "Form": form overlays and their confirmation boxes
constexpr WORD kWatermarkListGroup  = 0x1003;   // "WaterMark"
constexpr WORD kFontSubListGroup    = 0x1004;   // "FontSubTbl": TrueType faces and their printer fonts
constexpr WORD kFaxCoverListGroup   = 0x1005;   // "Fax Cover Sheet"
constexpr WORD kUDPaperListGroup    = 0x2006;   // "UDPaper": the ten user-defined paper sizes, in printer data

// Field-type codes, and the registry form of each.
constexpr DWORD kFieldU8    = 1;     // 8-bit unsigned; REG_DWORD, zero-extended
constexpr DWORD kFieldU16   = 2;     // 16-bit unsigned; REG_DWORD, zero-extended
constexpr DWORD kFieldI16   = 4;     // 16-bit signed; REG_DWORD, sign-extended
constexpr DWORD kFieldI32   = 8;     // 32-bit signed; REG_DWORD
constexpr DWORD kField32    = 16;    // 32-bit; REG_DWORD
constexpr DWORD kFieldU32   = 32;    // 32-bit unsigned; REG_DWORD
constexpr DWORD kFieldBlock = 64;    // a block of the field's size; REG_BINARY of exactly that size
constexpr DWORD kFieldText  = 128;   // wide text in a field of the given byte size; REG_SZ

// The byte size an integer type code needs (1, 2 or 4); 0 for a block, a text or a code that does not exist.
constexpr DWORD IntegerFieldSize(DWORD type)
{
    switch (type) {
    case kFieldU8:
        return 1;
    case kFieldU16:
    case kFieldI16:
        return 2;
    case kFieldI32:
    case kField32:
    case kFieldU32:
        return 4;
    default:
        return 0;
    }
}
