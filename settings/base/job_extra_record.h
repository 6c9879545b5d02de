#pragma once
// job_extra_record.h - JOB_EXTRA_RECORD, the VQPDL writer's per-job context. It lies inside the PDEV right
// behind the devmode's env block, and escape 0x6FFFFF01 hands it whole to the interface module, so the
// offsets of every field the escapes read or write are fixed. Both modules compile this one layout in: the
// graphics module writes the record by it, the interface module reads its copy by it. Gaps are the fields of
// later writer parts.
//
// All fields are unaligned; read and write them by value, arrays with memcpy.

#include "win/windows.h"

constexpr DWORD kVqpdlContextSize = 28108;
constexpr DWORD kPaperlessBufferSize = 1024000;   // the paperless and the fax capture buffers alike
constexpr DWORD kPhoneBookSize = 18004;
constexpr DWORD kInsertEntryBufferSize = 0xEE00;   // 128 insert-sheet entries of 476 bytes
constexpr DWORD kTabCaptureSize = 307200;          // the tab texts' capture buffer

struct PAGE_PLAN_SHEET;    // page_plan.h
struct INTERSHEET_ENTRY;   // settings/store/list_group_records.h
struct TAB_RECORD;         // tab_capture.h

// Object kinds of the drawing call being written (the writer's tone and colour rules depend on them).
constexpr BYTE kObjectNone = 0;
constexpr BYTE kObjectPage = 1;
constexpr BYTE kObjectImage = 2;
constexpr BYTE kObjectGraphics = 3;
constexpr BYTE kObjectText = 4;

// PAGE_VALUES flags: which of its fields a page setup carries.
constexpr DWORD kPageOrigin = 0x01;
constexpr DWORD kPagePaper = 0x02;
constexpr DWORD kPageOrientation = 0x04;
constexpr DWORD kPageTray = 0x08;
constexpr DWORD kPageWidth = 0x10;
constexpr DWORD kPageLength = 0x20;
constexpr DWORD kPageRect = 0x40;
constexpr DWORD kPageDuplex = 0x80;
constexpr DWORD kPageCopies = 0x100;

constexpr UINT kPatternSlotCount = 10;   // pattern brushes the printer keeps at once
constexpr UINT kHatchStyleCount = 6;

#pragma pack(push, 1)
// The values of one sheet's page setup ("org", "pps", "ppt", "ppd"), in the output language's own codes.
struct PAGE_VALUES {                         // 46 bytes
    DWORD dwFlags;                           // 0      kPage...
    LONG  xOrigin;                           // 4      1/100 mm
    LONG  yOrigin;                           // 8
    SHORT sPaper;                            // 12
    SHORT sOrientation;                      // 14
    LONG  lWidth;                            // 16     1/100 mm
    LONG  lLength;                           // 20
    LONG  rcRef[4];                          // 24     reference rectangle: left, top, right, bottom, 1/100 mm
    SHORT sTray;                             // 40
    SHORT sDuplex;                           // 42
    SHORT sCopies;                           // 44
};

// The colours and style of the hatch brush last written under a hatch's brush number.
struct HATCH_STATE {                         // 12 bytes
    DWORD dwFore;                            // 0      device colours
    DWORD dwBack;                            // 4
    LONG  lStyle;                            // 8      -1: nothing written
};
#pragma pack(pop)
static_assert(sizeof(PAGE_VALUES) == 46);
static_assert(offsetof(PAGE_VALUES, sPaper) == 12);
static_assert(offsetof(PAGE_VALUES, rcRef) == 24);
static_assert(offsetof(PAGE_VALUES, sCopies) == 44);
static_assert(sizeof(HATCH_STATE) == 12);

#pragma pack(push, 1)
// The device font the printer was last told to write text in: each field is written by its own command and
// only when it changes; -1 where nothing has been written on the sheet.
struct DEVICE_FONT_STATE {                   // 24 bytes
    LONG lNumber;                            // 0      the font's row ("fos")
    LONG lHeight;                            // 4      24.8 points ("fop")
    LONG lWidth;                             // 8      24.8 width ratio, 1 as designed ("fop")
    LONG lAngle;                             // 12     24.8 degrees of the baseline, counter-clockwise ("for")
    LONG lBold;                              // 16     simulated bold ("fob")
    LONG lItalic;                            // 20     simulated italic ("foi")
};
#pragma pack(pop)
static_assert(sizeof(DEVICE_FONT_STATE) == 24);

#pragma pack(push, 1)
struct JOB_EXTRA_RECORD {                    // 28,108 bytes
    BYTE  reserved0[4];                      // 0
    DWORD dwContextOffset;                   // 4      offset of this record from the PDEV start (9,075)
    DWORD bHeaderWritten;                    // 8      1 once the PJL job header is written
    DWORD bSheetBegun;                       // 12     1 while a sheet is begun
    BYTE  bDocumentOpen;                     // 16
    BYTE  bCancel;                           // 17     1 drops all further output
    BYTE  bObjectKind;                       // 18     kObject...: what the current drawing call draws
    BYTE  bToneMapping;                      // 19     1 while tone mapping applies to the current call
    DWORD dwPageFlag;                        // 20     restored from its saved copy when a blank sheet is dropped
    DWORD dwFirstSheet;                      // 24     set at the first sheet of a job and by escape 0x6FFFFF06
    DWORD bNoFraming;                        // 28     1: no job header and no closing UEL (form files)
    BYTE  bDrawKind;                         // 32     1 while nothing has been drawn on the current sheet
    BYTE  bEndedNormally;                    // 33     1 after escape 0x6FFFFE15; the closing UEL needs it
    BYTE  reserved34[2];                     // 34
    BYTE  pageState[48];                     // 36     also the fax block of escapes 0x6FFFFE1C/0x6FFFFE1D
    BYTE  bPaperless;                        // 84     paperless capture (blank-sheet suppression) on
    BYTE  bPageBlank;                        // 85     the current sheet is blank-tracked and still blank
    BYTE  bCaptureToFile;                    // 86     capture goes to the holding file
    BYTE  reserved87;                        // 87
    WCHAR szHoldingFile[260];                // 88     the holding file (escapes 0x6FFFFB00, 0x6FFFFB01)
    DWORD cbHeld;                            // 608    bytes in the holding file
    BYTE* pPaperlessBuffer;                  // 612    the paperless capture buffer (kPaperlessBufferSize)
    DWORD cbPaperless;                       // 616    bytes in it
    BYTE  savedPageState[48];                // 620
    DWORD savedPageFlag;                     // 668
    DWORD dwSheetCount;                      // 672    sheets ejected in the job
    char  szDocNameAnsi[256];                // 676
    WCHAR szAppName[32];                     // 932    escape 0x6FFFFF07
    SHORT cxPage;                            // 996    page width in device pixels
    SHORT cyPage;                            // 998    page length in device pixels
    WCHAR szUserName[256];                   // 1000   escape 0x6FFFFF02
    DWORD dwUserNameSum;                     // 1512   sum of the user name's UTF-16 units
    BYTE  cchUserName;                       // 1516
    BYTE  reserved1517;                      // 1517
    SHORT sStoredNameResult;                 // 1518   escape 0x6FFFFC00
    DWORD dwNameMatch[4];                    // 1520   set together by escape 0x6FFFFC00: 1 when the stored user
                                             //        name matches; [0] lets the job carry the user ID and
                                             //        a private hold, [1] lets it be stored
    DWORD bPageAdditions;                    // 1536   1 while the interface module draws page additions
    DWORD dwAdditionsMode;                   // 1540   1 or 2
    WORD  dateStamp[5];                      // 1544   escape 0x6FFFFE18
    BYTE  toneTable[256];                    // 1554   the job's tone table (PdlLoadToneTable)
    BYTE  reserved1810[2];                   // 1810
    DWORD dwTransmission;                    // 1812   cleared when a fax transmission starts
    WCHAR szDocName[260];                    // 1816   escapes 0x6FFFFE0E, 0x6FFFFE0F
    DWORD dwFaxValue2336;                    // 2336   escape 0x6FFFFE07
    DWORD dwFaxRecipients;                   // 2340   escape 0x6FFFFE08: recipients of the transmission
    DWORD dwFaxTempIndex;                    // 2344   escape 0x6FFFFE09: selects the fax temporary name
    PAGE_VALUES lastPageValues;              // 2348   the page setup last sent (PCL output only)
    BYTE* pPatternSlots[kPatternSlotCount];  // 2394   copies of the cached pattern brushes (job blocks)
    LONG  lPatternAge[kPatternSlotCount];    // 2434   -1: the slot is free; 0 is evicted first
    DWORD cPatternSlots;                     // 2474   slots in use
    BYTE  reserved2478[70];                  // 2478
    DWORD dwFaxValue2548;                    // 2548   escape 0x6FFFFE05
    DWORD dwFaxValue2552;                    // 2552   escape 0x6FFFFE06
    BYTE  bTransmissionKind;                 // 2556   1, 2 or 0 (escape 0x6FFFFE0C)
    BYTE  reserved2557;                      // 2557
    WORD  faxDateStamp[5];                   // 2558   escapes 0x6FFFFE11, 0x6FFFFE14
    BYTE* pFaxCapture;                       // 2568   the fax capture buffer (kPaperlessBufferSize)
    DWORD cbFaxCapture;                      // 2572
    BYTE  phoneBook[kPhoneBookSize];         // 2576   u32 row count, then 100 rows of 180 bytes
    WCHAR szFaxTempDir[260];                 // 20580  escape 0x6FFFFE19
    WCHAR szExtraTempName[30];               // 21100  escape 0x6FFFFE1B
    WCHAR szTempNames[100][30];              // 21160  escapes 0x6FFFFE1A, 0x6FFFFE16
    BYTE  insertPaper[8];                    // 27160  the insert paper block (escape 0x6FFFFD02): i16 paper
                                             //        code of inserted and tab sheets, then the tab layout
    LONG  lInsertsOneSided;                  // 27168  escape 0x6FFFFD03; 0 gives inserts a blank back
    LONG  lTabReady;                         // 27172  escapes 0x6FFFFD0E, 0x6FFFFD0F
    SHORT sPlanPages;                        // 27176  pages the plan covers
    SHORT sPlanSheets;                       // 27178  sheets in the plan table, from index 1
    SHORT sPlanWorkSize;                     // 27180  kept for the record's layout; the editing works in
    SHORT sPlanWorkShift;                    // 27182  locals
    PAGE_PLAN_SHEET* pPlanTable;             // 27184  PAGE_PLAN_TABLE (a job block), built by 0x6FFFFD13
    LONG  lCurrentPage;                      // 27188  the page the writer began last
    INTERSHEET_ENTRY* pInsertEntries;        // 27192  the insert-sheet buffer (kInsertEntryBufferSize)
    LONG  lInsertEntryCount;                 // 27196  escape 0x6FFFFD01
    DWORD bTabCapture;                       // 27200  1 while tab text is captured
    LONG  lTabRecordCount;                   // 27204  escape 0x6FFFFD08
    LONG  lTabRecordCurrent;                 // 27208
    BYTE* pTabCapture;                       // 27212  the capture buffer (kTabCaptureSize)
    DWORD cbTabCapture;                      // 27216  bytes in it; above kTabCaptureSize once a chunk was lost
    TAB_RECORD* pTabRecords;                 // 27220
    BYTE  trayPaperMap[80];                  // 27224  the ten user-defined paper sizes: width and length in
                                             //        0.1 mm, ten pairs of i32 (escape 0x6FFFFF05)
    DWORD bClipSave;                         // 27304  clip save flag of PdlEscape
    LONG  lBrushNumber;                      // 27308  the brush selected ("brs"); -2 unknown
    LONG  lLineStyle;                        // 27312  the line style ("lns"); -2 unknown
    DWORD dwBrushColor2;                     // 27316  colour register 2; 0xFFFFFFFF unknown
    DWORD dwLineColor;                       // 27320  colour register 10, the line colour; 0xFFFFFFFF unknown
    LONG  lBrushMode;                        // 27324  the brush mode ("brm"); -1 unknown
    DWORD dwBrushFore;                       // 27328  the brush colours ("bri"); 0xFFFFFFFF unknown
    DWORD dwBrushBack;                       // 27332
    HATCH_STATE hatchState[kHatchStyleCount];// 27336  by hatch style
    LONG  lRop2;                             // 27408  the two-operand rop last written; -1 unknown
    LONG  lRop3;                             // 27412  the three-operand rop last written; -1 unknown
    LONG  lClipKind;                         // 27416  the clip kind ("cps"); -1 unknown
    RECTL rclPageClip;                       // 27420  the slot-0 clip rectangle last written
    RECTL rclRectClip;                       // 27436  the slot-1 clip rectangle last written
    BYTE* pPathCache;                        // 27452  the path the plain path writer last wrote (a job block)
    RECTL* pClipList;                        // 27456  the rectangles of the last list clip (a job block)
    DWORD cClipList;                         // 27460  rectangles in it
    DWORD cClipListRoom;                     // 27464  rectangles its block holds
    ULONG iClipUniq;                         // 27468  the iUniq of the clip object it came from; 0: none
    DWORD bClipListValid;                    // 27472  1 while the printer holds that list as its list clip
    BYTE  reserved27476[8];                  // 27476
    BYTE  drawingSlots[512];                 // 27484  32 entries of 16 bytes
    BYTE  reserved27996[80];                 // 27996
    DWORD bFontsWritten;                     // 28076  the font substitution commands went out this job
    DEVICE_FONT_STATE fontState;             // 28080  the device font last written
    BYTE  reserved28104[4];                  // 28104
};
#pragma pack(pop)

static_assert(sizeof(JOB_EXTRA_RECORD) == kVqpdlContextSize);
static_assert(offsetof(JOB_EXTRA_RECORD, dwContextOffset) == 4);
static_assert(offsetof(JOB_EXTRA_RECORD, bHeaderWritten) == 8);
static_assert(offsetof(JOB_EXTRA_RECORD, bSheetBegun) == 12);
static_assert(offsetof(JOB_EXTRA_RECORD, bDocumentOpen) == 16);
static_assert(offsetof(JOB_EXTRA_RECORD, bCancel) == 17);
static_assert(offsetof(JOB_EXTRA_RECORD, dwPageFlag) == 20);
static_assert(offsetof(JOB_EXTRA_RECORD, dwFirstSheet) == 24);
static_assert(offsetof(JOB_EXTRA_RECORD, bNoFraming) == 28);
static_assert(offsetof(JOB_EXTRA_RECORD, bDrawKind) == 32);
static_assert(offsetof(JOB_EXTRA_RECORD, bEndedNormally) == 33);
static_assert(offsetof(JOB_EXTRA_RECORD, pageState) == 36);
static_assert(offsetof(JOB_EXTRA_RECORD, bPaperless) == 84);
static_assert(offsetof(JOB_EXTRA_RECORD, bPageBlank) == 85);
static_assert(offsetof(JOB_EXTRA_RECORD, bCaptureToFile) == 86);
static_assert(offsetof(JOB_EXTRA_RECORD, szHoldingFile) == 88);
static_assert(offsetof(JOB_EXTRA_RECORD, cbHeld) == 608);
static_assert(offsetof(JOB_EXTRA_RECORD, savedPageState) == 620);
static_assert(offsetof(JOB_EXTRA_RECORD, savedPageFlag) == 668);
static_assert(offsetof(JOB_EXTRA_RECORD, szDocNameAnsi) == 676);
static_assert(offsetof(JOB_EXTRA_RECORD, szAppName) == 932);
static_assert(offsetof(JOB_EXTRA_RECORD, cxPage) == 996);
static_assert(offsetof(JOB_EXTRA_RECORD, cyPage) == 998);
static_assert(offsetof(JOB_EXTRA_RECORD, szUserName) == 1000);
static_assert(offsetof(JOB_EXTRA_RECORD, dwUserNameSum) == 1512);
static_assert(offsetof(JOB_EXTRA_RECORD, cchUserName) == 1516);
static_assert(offsetof(JOB_EXTRA_RECORD, sStoredNameResult) == 1518);
static_assert(offsetof(JOB_EXTRA_RECORD, dwNameMatch) == 1520);
static_assert(offsetof(JOB_EXTRA_RECORD, bPageAdditions) == 1536);
static_assert(offsetof(JOB_EXTRA_RECORD, dwAdditionsMode) == 1540);
static_assert(offsetof(JOB_EXTRA_RECORD, dateStamp) == 1544);
static_assert(offsetof(JOB_EXTRA_RECORD, toneTable) == 1554);
static_assert(offsetof(JOB_EXTRA_RECORD, dwTransmission) == 1812);
static_assert(offsetof(JOB_EXTRA_RECORD, szDocName) == 1816);
static_assert(offsetof(JOB_EXTRA_RECORD, dwFaxValue2336) == 2336);
static_assert(offsetof(JOB_EXTRA_RECORD, dwFaxRecipients) == 2340);
static_assert(offsetof(JOB_EXTRA_RECORD, dwFaxTempIndex) == 2344);
static_assert(offsetof(JOB_EXTRA_RECORD, lastPageValues) == 2348);
static_assert(offsetof(JOB_EXTRA_RECORD, pPatternSlots) == 2394);
static_assert(offsetof(JOB_EXTRA_RECORD, lPatternAge) == 2434);
static_assert(offsetof(JOB_EXTRA_RECORD, cPatternSlots) == 2474);
static_assert(offsetof(JOB_EXTRA_RECORD, dwFaxValue2548) == 2548);
static_assert(offsetof(JOB_EXTRA_RECORD, dwFaxValue2552) == 2552);
static_assert(offsetof(JOB_EXTRA_RECORD, bTransmissionKind) == 2556);
static_assert(offsetof(JOB_EXTRA_RECORD, faxDateStamp) == 2558);
static_assert(offsetof(JOB_EXTRA_RECORD, pFaxCapture) == 2568);
static_assert(offsetof(JOB_EXTRA_RECORD, cbFaxCapture) == 2572);
static_assert(offsetof(JOB_EXTRA_RECORD, phoneBook) == 2576);
static_assert(offsetof(JOB_EXTRA_RECORD, szFaxTempDir) == 20580);
static_assert(offsetof(JOB_EXTRA_RECORD, szExtraTempName) == 21100);
static_assert(offsetof(JOB_EXTRA_RECORD, szTempNames) == 21160);
static_assert(offsetof(JOB_EXTRA_RECORD, insertPaper) == 27160);
static_assert(offsetof(JOB_EXTRA_RECORD, lInsertsOneSided) == 27168);
static_assert(offsetof(JOB_EXTRA_RECORD, lTabReady) == 27172);
static_assert(offsetof(JOB_EXTRA_RECORD, sPlanPages) == 27176);
static_assert(offsetof(JOB_EXTRA_RECORD, sPlanSheets) == 27178);
static_assert(offsetof(JOB_EXTRA_RECORD, pPlanTable) == 27184);
static_assert(offsetof(JOB_EXTRA_RECORD, lCurrentPage) == 27188);
static_assert(offsetof(JOB_EXTRA_RECORD, pInsertEntries) == 27192);
static_assert(offsetof(JOB_EXTRA_RECORD, lInsertEntryCount) == 27196);
static_assert(offsetof(JOB_EXTRA_RECORD, bTabCapture) == 27200);
static_assert(offsetof(JOB_EXTRA_RECORD, lTabRecordCount) == 27204);
static_assert(offsetof(JOB_EXTRA_RECORD, lTabRecordCurrent) == 27208);
static_assert(offsetof(JOB_EXTRA_RECORD, pTabCapture) == 27212);
static_assert(offsetof(JOB_EXTRA_RECORD, cbTabCapture) == 27216);
static_assert(offsetof(JOB_EXTRA_RECORD, pTabRecords) == 27220);
static_assert(offsetof(JOB_EXTRA_RECORD, trayPaperMap) == 27224);
static_assert(offsetof(JOB_EXTRA_RECORD, bClipSave) == 27304);
static_assert(offsetof(JOB_EXTRA_RECORD, lBrushNumber) == 27308);
static_assert(offsetof(JOB_EXTRA_RECORD, hatchState) == 27336);
static_assert(offsetof(JOB_EXTRA_RECORD, lRop2) == 27408);
static_assert(offsetof(JOB_EXTRA_RECORD, rclRectClip) == 27436);
static_assert(offsetof(JOB_EXTRA_RECORD, pPathCache) == 27452);
static_assert(offsetof(JOB_EXTRA_RECORD, pClipList) == 27456);
static_assert(offsetof(JOB_EXTRA_RECORD, iClipUniq) == 27468);
static_assert(offsetof(JOB_EXTRA_RECORD, bClipListValid) == 27472);
static_assert(offsetof(JOB_EXTRA_RECORD, drawingSlots) == 27484);
static_assert(offsetof(JOB_EXTRA_RECORD, bFontsWritten) == 28076);
static_assert(offsetof(JOB_EXTRA_RECORD, fontState) == 28080);
