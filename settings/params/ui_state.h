#pragma once
// ui_state.h - UI_STATE, the working state of one open property sheet: every setting's working, committed and
// default value, the option lists the pages fill their controls from, and the run-time tables through which
// settings are read and written by parameter id. Its fixed part is followed, in the same block, by the option
// lists of the list parameters; a few parameters keep their areas in a separate data block.
//
// Nothing outside the running process stores this record, so only the list records have binding sizes; the
// record itself is packed so that every field sits where the layout pass and the binders expect it.

#include "settings/devmode/driver_devmode.h"
#include "settings/pagelist/page_slots.h"
#include "settings/store/list_group_records.h"
#include "settings/store/list_schema.h"
#include "win/compstui.h"
#include "win/windows.h"

#include <cstddef>

struct CONSTRAINT_INDEX;
struct CHANGE_ENTRY;
struct CONFLICT_MESSAGE;
struct SETTINGS_STORE;
struct UIPARAM_RUN_ROW;
struct SETTINGS_KEY_RUN_ROW;

#pragma pack(push, 1)

// The head of a list setting's option list; its options follow it directly. Named lists (kind 1) carry
// ITEM_LIST_ENTRY options, value lists (kind 2) VALUE_LIST_ENTRY options.
struct ITEM_LIST {                  // 12 bytes
    WORD wCurrent;                  // 0   working value
    WORD wPosition;                 // 2   the last option whose value equals the working value
    WORD wCommitted;                // 4   applied value, what the devmode receives
    WORD wDefault;                  // 6
    WORD wFlag;                     // 8   1
    WORD wCount;                    // 10  options that follow
};

struct ITEM_LIST_ENTRY {            // 134 bytes
    WORD  wValue;                   // 0
    WORD  wPosition;                // 2   visible position; 0xFFFF while prohibited
    WCHAR szName[64];               // 4
    WORD  wState;                   // 132 1 available, 4 prohibited
};

struct VALUE_LIST_ENTRY {           // 4 bytes
    WORD wValue;                    // 0
    WORD wState;                    // 2   1 available, 4 prohibited
};

// A single value (kind 4) or a range (kind 8); only ranges use the minimum and maximum.
struct VALUE_RECORD {               // 12 bytes
    WORD wCurrent;                  // 0   working value
    WORD wCommitted;                // 2
    WORD wDefault;                  // 4
    WORD wFlag;                     // 6   1
    WORD wMinimum;                  // 8
    WORD wMaximum;                  // 10
};

// One phone-book entry of the fax path: four texts and the three per-entry switches.
struct PHONE_BOOK_ROW {             // 388 bytes
    WCHAR szText[4][44];            // 0
    VALUE_RECORD EcmTab;            // 352
    VALUE_RECORD IntlComTab;        // 364
    VALUE_RECORD FaxV34_CheckTab;   // 376
};

constexpr UINT kPhoneBookRows = 100;
// Characters of the printer name kept in the data block (parameter 204), without a terminator of its own.
constexpr UINT kPrinterNameChars = 32;

struct UI_STATE {
    // The sheet's own fields.
    HANDLE             hPrinter;
    DWORD              HostFlag;               // set at sheet set-up; user-defined sizes then stay as stored
    DWORD              MayEdit;                // 0 when the caller may not change settings
    WORD               CurrentDialogId;
    DWORD              SettingsApplied;
    DWORD              UserTestResult;         // what the logged-on user test found when the sheet was created
    CONSTRAINT_INDEX*  pConstraintIndex;       // the prohibition tables sorted by first condition; owned
    WORD               ResolveMode;            // the running resolve: 0 none, 2 a recall, 3 the sheet's creation
    CONFLICT_MESSAGE*  pPendingConflict;       // what the resolve at the sheet's creation found; owned
    DWORD              PendingConflict;        // 1 while that message waits to be shown
    CHANGE_ENTRY*      pChangedPageItems;      // items of one page whose value differs from the saved one
    WORD               ChangedPageItemCount;
    WORD               ChangedItemsPage;       // the page they were collected for
    CHANGE_ENTRY*      pChangedItems;          // the same over every setting, for a recall
    WORD               ChangedItemCount;
    WCHAR              DriverDirectory[MAX_PATH];   // with a trailing backslash
    WCHAR              PhoneBookLibraryPath[MAX_PATH];
    WORD               PhoneBookCount;
    WORD               PhoneBookCountLoaded;
    PHONE_BOOK_ROW     PhoneBook[kPhoneBookRows];
    WORD               WatermarkIndex;         // devmode byte 1408
    WORD               WatermarkIndexSaved;
    WORD               WatermarkIndexChanged;
    WORD               InsertEditCount;        // entries kept with the insert-sheet edit area
    WCHAR              SheetText2173[18];      // the devmode's text at 2173, copied both ways as it is

    // What the sheet's frame keeps for the pages.
    DWORD              IsDocumentSheet;        // 1 on the document sheet, 0 on the device sheet
    DWORD              HoldsResStrings;        // 1 while the sheet holds its reference on the resource strings
    LONG_PTR           LastPageResult;         // the common UI's answer for the last page added
    PFNCOMPROPSHEET    pfnComPropSheet;
    HANDLE             hComPropSheet;

    // One working field per parameter, in parameter order: a value record, the pointer to an option list or
    // data area, or a typed field. Parameters without a settings key bear their devmode field's name.
    VALUE_RECORD       Copies;                               // 1
    ITEM_LIST*         lpOrientation;                        // 2
    ITEM_LIST*         lpMediaSize;                          // 3
    ITEM_LIST*         lpOutputPaper;                        // 4
    VALUE_RECORD       ZoomCheck;                            // 5
    VALUE_RECORD       Zoom;                                 // 6
    ITEM_LIST*         lpMediaSource;                        // 7
    VALUE_RECORD       Layout_Check;                         // 8
    ITEM_LIST*         lpLayout_Select;                      // 9
    ITEM_LIST*         lpOrder;                              // 10
    ITEM_LIST*         lpLayout;                             // 11
    ITEM_LIST*         lpBooklet;                            // 12
    ITEM_LIST*         lpBorder;                             // 13
    ITEM_LIST*         lpStaple;                             // 14
    ITEM_LIST*         lpDuplex;                             // 15
    ITEM_LIST*         lpOutputTray;                         // 16
    VALUE_RECORD       Sort_Check;                           // 17
    VALUE_RECORD       Collate_Check;                        // 18
    VALUE_RECORD       Password_Check;                       // 19
    VALUE_RECORD       Front_Check;                          // 20
    ITEM_LIST*         lpFrontCover;                         // 21
    VALUE_RECORD       Back_Check;                           // 22
    ITEM_LIST*         lpBackCover;                          // 23
    ITEM_LIST*         lpCoverSource;                        // 24
    ITEM_LIST*         lpCoverMediaType;                     // 25
    ITEM_LIST*         lpMediaType;                          // 26
    VALUE_RECORD       feature1000;                          // 27
    ITEM_LIST*         feature1001;                          // 28
    ITEM_LIST*         lpDitherType;                         // 29
    ITEM_LIST*         lpDither;                             // 30
    VALUE_RECORD       SaveToner;                            // 31
    VALUE_RECORD       Intensity;                            // 32
    ITEM_LIST*         lpGraphicsMode;                       // 33
    ITEM_LIST*         lpSmoothing;                          // 34
    ITEM_LIST*         lpOverlay;                            // 35
    VALUE_RECORD       OverlayPrompt;                        // 36
    VALUE_RECORD       Watermark_Use;                        // 37
    VALUE_RECORD       FirstPageOnly;                        // 38
    ITEM_LIST*         lpWatermarkOrder;                     // 39
    ITEM_LIST*         lpSourceUnit;                         // 40
    ITEM_LIST*         lpOutputUnit;                         // 41
    ITEM_LIST*         lpHardDisk;                           // 42
    ITEM_LIST*         lpFAXUnit;                            // 43
    ITEM_LIST*         lpMemory;                             // 44
    ITEM_LIST*         lpNetworkCard;                        // 45
    ITEM_LIST*         lpOutput;                             // 46
    ITEM_LIST*         lpQuality;                            // 47
    VALUE_RECORD       EcmTab;                               // 48
    VALUE_RECORD       IntlComTab;                           // 49
    VALUE_RECORD       FaxV34_CheckTab;                      // 50
    VALUE_RECORD       CoverSheet;                           // 51
    VALUE_RECORD       feature71;                            // 52
    VALUE_RECORD       feature72;                            // 53
    VALUE_RECORD       SubAddress;                           // 54
    VALUE_RECORD       SenderID;                             // 55
    VALUE_RECORD       Nup_Check;                            // 56
    VALUE_RECORD       Booklet_Check;                        // 57
    VALUE_RECORD       EngBooklet_Check;                     // 58
    VALUE_RECORD       Staple_Check;                         // 59
    VALUE_RECORD       Duplex_Check;                         // 60
    VALUE_RECORD       Layout_Check2;                        // 61
    VALUE_RECORD       Punch_Check;                          // 62
    VALUE_RECORD       BindMargin_Check;                     // 63
    VALUE_RECORD       PaperLess_Check;                      // 64
    VALUE_RECORD       Set_CenterFinish_Check;               // 65
    VALUE_RECORD       InterSheet_Check;                     // 66
    VALUE_RECORD       FrontCoverSheet_Check;                // 67
    VALUE_RECORD       BackCoverSheet_Check;                 // 68
    VALUE_RECORD       InsertCoverSheet_Check;               // 69
    VALUE_RECORD       POD_Check;                            // 70
    VALUE_RECORD       POD_Nup_Check;                        // 71
    VALUE_RECORD       POD_OnePerSheet_Check;                // 72
    VALUE_RECORD       POD_BindMargin_Check;                 // 73
    VALUE_RECORD       POD_Duplex_Check;                     // 74
    VALUE_RECORD       POD_Booklet_Check;                    // 75
    VALUE_RECORD       Chapter_Check;                        // 76
    VALUE_RECORD       CenterFinish_Check;                   // 77
    VALUE_RECORD       POD_Staple_Check;                     // 78
    VALUE_RECORD       POD_Punch_Check;                      // 79
    VALUE_RECORD       WaitMode_Check;                       // 80
    VALUE_RECORD       JobComb_Check;                        // 81
    VALUE_RECORD       ImageShift_Check;                     // 82
    VALUE_RECORD       TandemMode_Check;                     // 83
    VALUE_RECORD       EngSaveToner_Check;                   // 84
    VALUE_RECORD       PrintCAD_Check;                       // 85
    VALUE_RECORD       OverlayOrder_Check;                   // 86
    VALUE_RECORD       UnDisplayPassword_Check;              // 87
    VALUE_RECORD       UnDisplayJob_Check;                   // 88
    VALUE_RECORD       MarginEqual_Check;                    // 89
    VALUE_RECORD       f1Plane1Bit_Check;                    // 90
    VALUE_RECORD       PrnTabIndex;                          // 91
    VALUE_RECORD       Mixplex_Check;                        // 92
    ITEM_LIST*         lpWaitMode;                           // 93
    ITEM_LIST*         lpErrDiffMode;                        // 94
    ITEM_LIST*         lpJobMode;                            // 95
    ITEM_LIST*         lpOhpIntlvType;                       // 96
    ITEM_LIST*         lpPrintCADMode;                       // 97
    ITEM_LIST*         lpPDLType;                            // 98
    ITEM_LIST*         lpMarginMode;                         // 99
    ITEM_LIST*         lpPreviewMode;                        // 100
    ITEM_LIST*         lpBookletMode;                        // 101
    ITEM_LIST*         lpPunchHoles;                         // 102
    ITEM_LIST*         lpBorder2;                            // 103
    ITEM_LIST*         lpBooklet2;                           // 104
    ITEM_LIST*         lpEngBooklet;                         // 105
    ITEM_LIST*         lpPunch;                              // 106
    ITEM_LIST*         lpOutputOrder;                        // 107
    ITEM_LIST*         lpBindMargin;                         // 108
    ITEM_LIST*         lpFrontCoverTray;                     // 109
    ITEM_LIST*         lpBackCoverTray;                      // 110
    ITEM_LIST*         lpFrontPITray;                        // 111
    ITEM_LIST*         lpBackPITray;                         // 112
    ITEM_LIST*         lpInsertPITray;                       // 113
    ITEM_LIST*         lpInterSheetList;                     // 114
    ITEM_LIST*         lpPOD_OnePerSheet;                    // 115
    ITEM_LIST*         lpPOD_Booklet;                        // 116
    ITEM_LIST*         lpCenterFinish;                       // 117
    ITEM_LIST*         lpTandemMode;                         // 118
    ITEM_LIST*         lpFinisher;                           // 119
    ITEM_LIST*         lpLargeCapacityTray;                  // 120
    ITEM_LIST*         lpCoverSheetTray;                     // 121
    ITEM_LIST*         lpTrimmer;                            // 122
    ITEM_LIST*         lpPunchKit;                           // 123
    ITEM_LIST*         lpPunchZFold;                         // 124
    ITEM_LIST*         lpFoldUnit;                           // 125
    ITEM_LIST*         lpEngine;                             // 126
    ITEM_LIST*         lpCopierHardDisk;                     // 127
    ITEM_LIST*         lpAutoDuplexUnit;                     // 128
    ITEM_LIST*         lpSaddleUnit;                         // 129
    ITEM_LIST*         lpResolution;                         // 130
    ITEM_LIST*         lpTandem;                             // 131
    ITEM_LIST*         lpOIPaperTray;                        // 132
    ITEM_LIST*         lpInterSheetListPRNType;              // 133
    ITEM_LIST*         lpInterSheetListBinding;              // 134
    ITEM_LIST*         lpInterSheetListTray;                 // 135
    ITEM_LIST*         lpTabTextOrient;                      // 136
    ITEM_LIST*         lpTabTextAlign;                       // 137
    WCHAR              TabTextFontName[32];                  // 138
    ITEM_LIST*         lpTabTextFontStyle;                   // 139
    ITEM_LIST*         lpUDPaperType;                        // 140
    ITEM_LIST*         lpUDMediaType;                        // 141
    ITEM_LIST*         lpUDPaperType2;                       // 142
    ITEM_LIST*         lpWidePaperPos;                       // 143
    ITEM_LIST*         lpOutputMethod;                       // 144
    VALUE_RECORD       Density;                              // 145
    VALUE_RECORD       fMargin;                              // 146
    VALUE_RECORD       bMargin;                              // 147
    VALUE_RECORD       feature203;                           // 148
    VALUE_RECORD       feature204;                           // 149
    VALUE_RECORD       TabTextFontSize;                      // 150
    VALUE_RECORD       UDPaperWidth;                         // 151
    VALUE_RECORD       UDPaperLength;                        // 152
    VALUE_RECORD       UDMediaWidth;                         // 153
    VALUE_RECORD       UDMediaLength;                        // 154
    VALUE_RECORD       UDPaperWidth2;                        // 155
    VALUE_RECORD       UDPaperLength2;                       // 156
    ITEM_LIST*         lpUDPaperUnit;                        // 157
    ITEM_LIST*         lpUDMediaUnit;                        // 158
    VALUE_RECORD       FaxCover_Subject;                     // 159
    VALUE_RECORD       FaxCover_ReceiveName;                 // 160
    VALUE_RECORD       FaxCover_ReceiveCompany1;             // 161
    VALUE_RECORD       FaxCover_ReceiveCompany2;             // 162
    VALUE_RECORD       FaxCover_ReceiveSetup;                // 163
    VALUE_RECORD       FaxCover_ReceivePersonal;             // 164
    VALUE_RECORD       FaxCover_ReceiveFaxnum;               // 165
    VALUE_RECORD       FaxCover_SenderName;                  // 166
    VALUE_RECORD       FaxCover_SenderCompany1;              // 167
    VALUE_RECORD       FaxCover_SenderCompany2;              // 168
    VALUE_RECORD       FaxCover_SenderTelnum;                // 169
    VALUE_RECORD       FaxCover_SenderFaxnum;                // 170
    VALUE_RECORD       FaxCover_SenderEmail;                 // 171
    VALUE_RECORD       FaxCover_Date;                        // 172
    VALUE_RECORD       FaxCover_Pagenum;                     // 173
    VALUE_RECORD       FaxCover_Image;                       // 174
    VALUE_RECORD       FaxCover_Zoom;                        // 175
    VALUE_RECORD       FaxCover_A4PFix;                      // 176
    VALUE_RECORD       feature116;                           // 177
    VALUE_RECORD       feature117;                           // 178
    VALUE_RECORD       feature118;                           // 179
    VALUE_RECORD       feature119;                           // 180
    VALUE_RECORD       feature120;                           // 181
    VALUE_RECORD       feature121;                           // 182
    VALUE_RECORD       feature122;                           // 183
    ITEM_LIST*         lpTabPaperSize;                       // 184
    ITEM_LIST*         lpTabIndexNum;                        // 185
    ITEM_LIST*         lpPrnTabIndexNo;                      // 186
    VALUE_RECORD       TabTopMargin;                         // 187
    VALUE_RECORD       TabBottomMargin;                      // 188
    VALUE_RECORD       TabIndexSpace;                        // 189
    VALUE_RECORD       TabTextPosition;                      // 190
    ITEM_LIST*         lpImgShiftMode;                       // 191
    ITEM_LIST*         lpImgShiftDirectLRF;                  // 192
    ITEM_LIST*         lpImgShiftDirectUDF;                  // 193
    ITEM_LIST*         lpImgShiftDirectLRB;                  // 194
    ITEM_LIST*         lpImgShiftDirectUDB;                  // 195
    VALUE_RECORD       ImgShiftValueLRF;                     // 196
    VALUE_RECORD       ImgShiftValueUDF;                     // 197
    VALUE_RECORD       ImgShiftPageIntervalF;                // 198
    VALUE_RECORD       ImgShiftValueLRB;                     // 199
    VALUE_RECORD       ImgShiftValueUDB;                     // 200
    VALUE_RECORD       ImgShiftPageIntervalB;                // 201
    VALUE_RECORD       ImgShiftBackAuto_Check;               // 202
    VALUE_RECORD       FontUseFlg;                           // 203
    WCHAR*             PrinterNameArea;                      // 204
    INTERSHEET_ENTRY*  InsertSheetEntries;                   // 205
    BYTE*              InsertEditArea;                       // 206
    SHORT              InterSheetListData_nCurrent;          // 207
    SHORT              InterSheetListData_PageListNum;       // 208
    SHORT              InterSheetListData_Mixplex;           // 209
    WCHAR              sheetText1451[11];                    // 210
    WCHAR              ScrambledPassword[11];                // 211
    BYTE               bOverlayIndex;                        // 212
    WCHAR              printerWideText[16];                  // 213
    BYTE               bWatermarkCurrent;                    // 214
    BYTE               bWatermarkFixed;                      // 215
    BYTE               bWatermarkDefault;                    // 216
    BYTE               bTimeH;                               // 217
    BYTE               bTimeM;                               // 218
    WCHAR              szSubAddress[21];                     // 219
    WCHAR              szSenderID[21];                       // 220
    WCHAR              UserId[11];                           // 221
    WCHAR              sheetText1517[10];                    // 222
    PAGE_SLOT_RECORD   pagenumStr;                           // 223
    WCHAR              JobId[11];                            // 224
    DWORD              LogonUserNameSum;                     // 225
    DWORD              LogonUserNameSumSaved;                // 226
    BYTE               LogonUserNameLength;                  // 227
    BYTE               LogonUserNameLengthSaved;             // 228
    WCHAR              LogonUserName[66];                    // 229
    SHORT              VQOutputPaperSize;                    // 230
    SHORT              sheetByte2425;                        // 231
    BYTE               zoomFitFlag;                          // 232
    BYTE               byFinishingOrder[4];                  // 233
    VALUE_RECORD       feature213;                           // 234
    SHORT              pdlTypeAsBuilt;                       // 235
    ITEM_LIST*         lpJobCombType;                        // 236
    ITEM_LIST*         lpJobModeSpl;                         // 237
    VALUE_RECORD       feature215;                           // 238
    SHORT              lpCopierHardDiskCopy;                 // 239
    ITEM_LIST*         feature227;                           // 240
    VALUE_RECORD       feature228;                           // 241
    ITEM_LIST*         feature229;                           // 242
    ITEM_LIST*         feature230;                           // 243

    // The run-time tables and the sizes of the layout; they end the fixed part.
    DWORD                 cbMainBlock;         // fixed part and option lists
    DWORD                 cbDataBlock;
    BYTE*                 pDataBlock;
    SETTINGS_STORE*       pStore;
    UIPARAM_RUN_ROW*      pParamRows;
    WORD                  wParamCount;
    LIST_SCHEMA_SET       schemas;             // the list schemas of the enabled groups
    SETTINGS_KEY_RUN_ROW* pKeyRows;
    WORD                  wKeyCount;
    BYTE*                 pPackedUiDefaults;
    BYTE*                 pPackedListDefaults;
};

#pragma pack(pop)

// The state word of an option.
constexpr WORD kOptionAvailable = 1;
constexpr WORD kOptionProhibited = 4;

// The options that follow a list's head: named options of a list item, values of a radio group's list.
inline ITEM_LIST_ENTRY* NamedEntries(ITEM_LIST* pList)
{
    return reinterpret_cast<ITEM_LIST_ENTRY*>(reinterpret_cast<BYTE*>(pList) + sizeof(ITEM_LIST));
}
inline const ITEM_LIST_ENTRY* NamedEntries(const ITEM_LIST* pList)
{
    return reinterpret_cast<const ITEM_LIST_ENTRY*>(reinterpret_cast<const BYTE*>(pList) + sizeof(ITEM_LIST));
}
inline VALUE_LIST_ENTRY* ValueEntries(ITEM_LIST* pList)
{
    return reinterpret_cast<VALUE_LIST_ENTRY*>(reinterpret_cast<BYTE*>(pList) + sizeof(ITEM_LIST));
}

static_assert(sizeof(ITEM_LIST) == 12);
static_assert(offsetof(ITEM_LIST, wPosition) == 2);
static_assert(offsetof(ITEM_LIST, wCommitted) == 4);
static_assert(offsetof(ITEM_LIST, wDefault) == 6);
static_assert(offsetof(ITEM_LIST, wFlag) == 8);
static_assert(offsetof(ITEM_LIST, wCount) == 10);
static_assert(sizeof(ITEM_LIST_ENTRY) == 134);
static_assert(offsetof(ITEM_LIST_ENTRY, wPosition) == 2);
static_assert(offsetof(ITEM_LIST_ENTRY, szName) == 4);
static_assert(offsetof(ITEM_LIST_ENTRY, wState) == 132);
static_assert(sizeof(VALUE_LIST_ENTRY) == 4);
static_assert(sizeof(VALUE_RECORD) == 12);
static_assert(offsetof(VALUE_RECORD, wCommitted) == 2);
static_assert(offsetof(VALUE_RECORD, wDefault) == 4);
static_assert(offsetof(VALUE_RECORD, wFlag) == 6);
static_assert(offsetof(VALUE_RECORD, wMinimum) == 8);
static_assert(offsetof(VALUE_RECORD, wMaximum) == 10);
static_assert(sizeof(PHONE_BOOK_ROW) == 388);
