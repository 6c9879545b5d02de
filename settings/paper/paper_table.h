#pragma once
// paper_table.h - every paper size the driver knows, one row each, with the names the page description
// languages and PJL give it. Both modules carry the same rows.

#include "win/windows.h"

// Paper ids: a DMPAPER value or the driver's own; bit 0x800 marks the rotated twin ("R"), 0x1000 the "_F"
// variant, 0x2000 "_W", 0x3000 "_WF"; 513..521 and 256 are the ten user-defined sizes, 257 "same as the
// paper" (output paper only), 512 one more id without a size.
struct PAPER_SIZE_ENTRY {        // 216 bytes
    SHORT paperId;               // 0x00  0 ends the table
    WCHAR displayName[32];       // 0x02  filled from nameStringId when a property sheet starts; user-defined
                                 //       rows get the size's own name
    WCHAR sizeText[33];          // 0x42  "(297x420mm)"; user-defined rows hold thirteen blanks until formatted
    DWORD width;                 // 0x84  1/100 mm; user-defined rows hold thousandths of an inch
    DWORD length;                // 0x88  as width
    WCHAR vqpdlName[16];         // 0x8C  the page description language's name ("A4R", "USERDEF")
    WORD  pclCode;               // 0xAC  paper code of the PCL personality
    WORD  pclXlCode;             // 0xAE  paper code of the PCL XL personality
    BYTE  variant;               // 0xB0  0 plain, 1 "_F", 2 "_W", 3 "_WF"
    BYTE  feed;                  // 0xB1  1 or 2; 0 in the user-defined and special rows
    WCHAR pjlName[17];           // 0xB2  the PJL name ("A4", "LETTER")
    DWORD nameStringId;          // 0xD4  resource string of the display name
};
static_assert(sizeof(PAPER_SIZE_ENTRY) == 0xD8);
static_assert(offsetof(PAPER_SIZE_ENTRY, displayName) == 0x02);
static_assert(offsetof(PAPER_SIZE_ENTRY, sizeText) == 0x42);
static_assert(offsetof(PAPER_SIZE_ENTRY, width) == 0x84);
static_assert(offsetof(PAPER_SIZE_ENTRY, length) == 0x88);
static_assert(offsetof(PAPER_SIZE_ENTRY, vqpdlName) == 0x8C);
static_assert(offsetof(PAPER_SIZE_ENTRY, pclCode) == 0xAC);
static_assert(offsetof(PAPER_SIZE_ENTRY, pclXlCode) == 0xAE);
static_assert(offsetof(PAPER_SIZE_ENTRY, variant) == 0xB0);
static_assert(offsetof(PAPER_SIZE_ENTRY, feed) == 0xB1);
static_assert(offsetof(PAPER_SIZE_ENTRY, pjlName) == 0xB2);
static_assert(offsetof(PAPER_SIZE_ENTRY, nameStringId) == 0xD4);

// Rows of the paper table, without its terminator.
constexpr UINT kPaperRowCount = 100;

// The first row; the rows run to the terminator (paperId 0). The names of every row and the size, size
// text and name of the user-defined rows change while a property sheet is open; nothing else does.
PAPER_SIZE_ENTRY* GetPaperRows();

// The first row with that id, or null.
PAPER_SIZE_ENTRY* FindPaperById(SHORT paperId);
