#pragma once
// list_group_records.h - the records of the insert-sheet and fax cover sheet list groups.
// An insert sheet's bytes are the same in the settings store, in the sheet's working state and in the escape that
// hands the entries to the graphics module's page plan, so each offset here is binding for both modules.

#include "win/windows.h"
#include <cstddef>

#pragma pack(push, 1)
// One insert sheet. Stored in saved-settings files under "<field>%d" for entry n.
struct INTERSHEET_ENTRY {           // 476 bytes
    WCHAR Page[129];                // 0    the document pages it belongs to, as page-list text; empty: a free slot
    SHORT Type;                     // 258  print type
    SHORT Tray;                     // 260  paper tray
    WORD  Stat;                     // 262  1 usable, 4 prohibited by the current settings
    SHORT Binding;                  // 264  binding of a two-sided insert
    SHORT PrnTabIndex;              // 266  1: index (tab) paper with a tab text
    WCHAR TabText[65];              // 268  text on the tab
    SHORT PrnTabIndexNo;            // 398  tab number within a set of tabs
    DWORD TabIndexAutoNo;           // 400  1: the tab number is given automatically
    SHORT TabTextOrient;            // 404  text direction
    SHORT TabTextAlign;             // 406  text position on the tab
    WCHAR TabTextFontName[32];      // 408  face of the tab text
    SHORT TabTextFontStyle;         // 472  1 regular, 2 bold, 3 italic, 4 bold italic
    SHORT TabTextFontSize;          // 474  points
};

// The index (tab) paper of one named insert list. Stored in the section "TabSettingData%d".
struct INDEX_PAPER_SETTINGS {       // 8 bytes
    WORD  TabPaperSize;             // 0  paper size of the index paper
    BYTE  TabIndexNum;              // 2  tabs in one set
    BYTE  TabTopMargin;             // 3
    BYTE  TabBottomMargin;          // 4
    BYTE  TabIndexSpace;            // 5  spacing of the tabs
    SHORT TabTextPosition;          // 6
};

// The fax cover sheet settings; texts are NUL-terminated.
struct FAX_COVER_RECORD {           // 2868 bytes
    WCHAR Subject[65];              // 0
    WCHAR Fixedform[41];            // 130
    WCHAR ReceiptCompany1[41];      // 212
    WCHAR ReceiptCompany2[41];      // 294
    WCHAR ReceiptName[41];          // 376
    WCHAR ReceiptFaxnum[41];        // 458
    WCHAR SenderCompany1[41];       // 540
    WCHAR SenderCompany2[41];       // 622
    WCHAR SenderName[41];           // 704
    WCHAR SenderTelnum[41];         // 786
    WCHAR SenderFaxnum[41];         // 868
    WCHAR SenderEmail[41];          // 950
    DWORD Pagenum;                  // 1032
    DWORD Style;                    // 1036  1 to 5
    DWORD A4PFix;                   // 1040  the cover sheet's paper
    WCHAR Filename[261];            // 1044  logo bitmap file
    BYTE  reserved1[2];             // 1566  unused; keeps Zoom in place
    DWORD Zoom;                     // 1568  percent
    DWORD Xposition;                // 1572  1/10,000 of the page width
    DWORD Yposition;                // 1576  1/10,000 of the page height
    DWORD CommentNumber;            // 1580  stored under the comment's key "999"
    WCHAR Comment[641];             // 1584
    BYTE  reserved2[2];             // 2866
};
#pragma pack(pop)

static_assert(sizeof(INTERSHEET_ENTRY) == 476);
static_assert(offsetof(INTERSHEET_ENTRY, Page) == 0);
static_assert(offsetof(INTERSHEET_ENTRY, Type) == 258);
static_assert(offsetof(INTERSHEET_ENTRY, Tray) == 260);
static_assert(offsetof(INTERSHEET_ENTRY, Stat) == 262);
static_assert(offsetof(INTERSHEET_ENTRY, Binding) == 264);
static_assert(offsetof(INTERSHEET_ENTRY, PrnTabIndex) == 266);
static_assert(offsetof(INTERSHEET_ENTRY, TabText) == 268);
static_assert(offsetof(INTERSHEET_ENTRY, PrnTabIndexNo) == 398);
static_assert(offsetof(INTERSHEET_ENTRY, TabIndexAutoNo) == 400);
static_assert(offsetof(INTERSHEET_ENTRY, TabTextOrient) == 404);
static_assert(offsetof(INTERSHEET_ENTRY, TabTextAlign) == 406);
static_assert(offsetof(INTERSHEET_ENTRY, TabTextFontName) == 408);
static_assert(offsetof(INTERSHEET_ENTRY, TabTextFontStyle) == 472);
static_assert(offsetof(INTERSHEET_ENTRY, TabTextFontSize) == 474);

static_assert(sizeof(INDEX_PAPER_SETTINGS) == 8);
static_assert(offsetof(INDEX_PAPER_SETTINGS, TabPaperSize) == 0);
static_assert(offsetof(INDEX_PAPER_SETTINGS, TabIndexNum) == 2);
static_assert(offsetof(INDEX_PAPER_SETTINGS, TabTopMargin) == 3);
static_assert(offsetof(INDEX_PAPER_SETTINGS, TabBottomMargin) == 4);
static_assert(offsetof(INDEX_PAPER_SETTINGS, TabIndexSpace) == 5);
static_assert(offsetof(INDEX_PAPER_SETTINGS, TabTextPosition) == 6);

static_assert(sizeof(FAX_COVER_RECORD) == 2868);
static_assert(offsetof(FAX_COVER_RECORD, Subject) == 0);
static_assert(offsetof(FAX_COVER_RECORD, Fixedform) == 130);
static_assert(offsetof(FAX_COVER_RECORD, ReceiptCompany1) == 212);
static_assert(offsetof(FAX_COVER_RECORD, ReceiptCompany2) == 294);
static_assert(offsetof(FAX_COVER_RECORD, ReceiptName) == 376);
static_assert(offsetof(FAX_COVER_RECORD, ReceiptFaxnum) == 458);
static_assert(offsetof(FAX_COVER_RECORD, SenderCompany1) == 540);
static_assert(offsetof(FAX_COVER_RECORD, SenderCompany2) == 622);
static_assert(offsetof(FAX_COVER_RECORD, SenderName) == 704);
static_assert(offsetof(FAX_COVER_RECORD, SenderTelnum) == 786);
static_assert(offsetof(FAX_COVER_RECORD, SenderFaxnum) == 868);
static_assert(offsetof(FAX_COVER_RECORD, SenderEmail) == 950);
static_assert(offsetof(FAX_COVER_RECORD, Pagenum) == 1032);
static_assert(offsetof(FAX_COVER_RECORD, Style) == 1036);
static_assert(offsetof(FAX_COVER_RECORD, A4PFix) == 1040);
static_assert(offsetof(FAX_COVER_RECORD, Filename) == 1044);
static_assert(offsetof(FAX_COVER_RECORD, reserved1) == 1566);
static_assert(offsetof(FAX_COVER_RECORD, Zoom) == 1568);
static_assert(offsetof(FAX_COVER_RECORD, Xposition) == 1572);
static_assert(offsetof(FAX_COVER_RECORD, Yposition) == 1576);
static_assert(offsetof(FAX_COVER_RECORD, CommentNumber) == 1580);
static_assert(offsetof(FAX_COVER_RECORD, Comment) == 1584);
static_assert(offsetof(FAX_COVER_RECORD, reserved2) == 2866);

// A named insert list holds at most this many entries; the escape to the graphics module carries at most this many.
constexpr UINT kInterSheetEntryCapacity = 128;
static_assert(kInterSheetEntryCapacity * sizeof(INTERSHEET_ENTRY) == 60928);
