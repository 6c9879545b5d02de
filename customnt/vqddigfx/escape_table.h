#pragma once
// escape_table.h - the rows of the private escape handlers: each code with the one pattern of sizes and
// pointers it is accepted with, and what it does once the PDEV is valid. Escapes come from any application
// on the device context, so nothing of a call is used before its code and sizes matched a row.

#include "customnt/vqddigfx/pdev.h"

#include <cstring>

constexpr ULONG kEscNotMine = 2;    // the handler does not own the call: the next one is tried

// A private escape that matched its row: the row's cjIn bytes at pIn and cjOut bytes at pOut (null for 0), on a
// valid PDEV.
struct ESCAPE_CALL {
    PDEV* pdev;
    ULONG iEsc;
    const BYTE* pIn;
    BYTE* pOut;
    ULONG cjIn;                                 // for a row that takes a range of input sizes
};

struct PRIVATE_ESCAPE_ROW {
    ULONG iEsc;                                 // 0 ends the table
    ULONG cjIn;                                 // exact input size (the least, with cjInMax); 0: no input pointer
    ULONG cjOut;                                // exact output size; 0: no output pointer
    ULONG (*pfnRun)(const ESCAPE_CALL& call);   // answers 1 (done) or 0 (refused)
    ULONG cjInMax = 0;                          // the largest input size of a code that takes a range
};

// Runs the row of iEsc when the sizes and pointers are the row's: 0 with ERROR_INVALID_PARAMETER for an
// invalid PDEV (nothing changes), else the row's answer. kEscNotMine when no row has the code, or when the
// sizes or pointers differ.
ULONG RunPrivateEscape(const PRIVATE_ESCAPE_ROW* pRows, PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn,
                       ULONG cjOut, PVOID pvOut);

// Stores text of cbIn bytes (not necessarily terminated, at any address) into a text field: cut to the field
// less its terminator, stopped at a NUL, always terminated, no stale bytes behind.
template <std::size_t N>
void StoreEscapeText(WCHAR (*field)[N], const BYTE* pIn, std::size_t cbIn)
{
    WCHAR text[N] = {};
    std::memcpy(text, pIn, cbIn < sizeof text - sizeof(WCHAR) ? cbIn : sizeof text - sizeof(WCHAR));
    std::memcpy(field, text, sizeof text);
}
