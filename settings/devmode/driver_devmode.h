#pragma once
// driver_devmode.h - DRIVER_DEVMODE, the driver's whole devmode: the public DEVMODEW followed by the private
// part. Applications keep it with their documents, the spooler stores it per printer ("ZTORQ NT") and the two
// modules hand it to each other, so every offset and width is fixed. Fields whose value comes from a feature
// of the option tables bear the settings-file key of their parameter as their name.
//
// All fields are unaligned and little-endian; read and write them by value, arrays with memcpy.

#include "win/wingdi.h"

struct FONT_SUB_NODE;   // a node of the font-substitution list, built for one print job

constexpr WORD  kDevmodeSpecVersion = 0x0401;
constexpr WORD  kDevmodeDriverVersion = 0x8402;       // also what DC_DRIVER answers
constexpr WORD  kPublicDevmodeSize = 220;             // dmSize
constexpr DWORD kPrivateFirstBlockSize = 1196;        // the private part before DEVMODE_ENV_EXTRA
constexpr DWORD kEnvExtraSize = 1199;                 // DEVMODE_ENV_EXTRA
constexpr WORD  kDriverExtraSize = 2395;              // dmDriverExtra
constexpr DWORD kDriverDevmodeSize = 2615;
constexpr DWORD kDefaultDevmodeFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE |
                                        DM_PRINTQUALITY | DM_DUPLEX | DM_YRESOLUTION;   // 0x3703
static_assert(kDefaultDevmodeFields == 0x3703);

#pragma pack(push, 1)

// The tail of the private part, 1,199 bytes between the markers "4321" and "1234". Env offsets are given;
// the devmode offset is env offset + 1,416.
struct DEVMODE_ENV_EXTRA {
    char  startMarker[4];               // +0     "4321"
    BYTE  lpLayout_Select;              // +4
    BYTE  Sort_Check;                   // +5
    BYTE  Collate_Check;                // +6
    BYTE  Layout_Check2;                // +7
    BYTE  Nup_Check;                    // +8
    BYTE  lpBorder2;                    // +9
    BYTE  Duplex_Check;                 // +10
    BYTE  lpDuplex;                     // +11
    BYTE  Staple_Check;                 // +12
    BYTE  lpStaple;                     // +13
    BYTE  Punch_Check;                  // +14
    BYTE  lpPunch;                      // +15
    BYTE  lpPunchHoles;                 // +16
    BYTE  Booklet_Check;                // +17
    BYTE  lpBookletMode;                // +18
    BYTE  EngBooklet_Check;             // +19
    BYTE  lpEngBooklet;                 // +20
    BYTE  lpBooklet2;                   // +21
    BYTE  BindMargin_Check;             // +22
    BYTE  fMargin;                      // +23
    BYTE  lpBindMargin;                 // +24    binding margin from the width (1, 2) or the length (3, 4)
    BYTE  bMargin;                      // +25
    BYTE  MarginEqual_Check;            // +26
    BYTE  lpMarginMode;                 // +27    2: the zoom leaves room for the binding margin
    BYTE  lpWaitMode;                   // +28
    BYTE  lpErrDiffMode;                // +29
    BYTE  lpJobMode;                    // +30
    BYTE  lpOhpIntlvType;               // +31
    BYTE  feature131;                   // +32    default of feature 131 (no settings key)
    BYTE  UnDisplayPassword_Check;      // +33
    BYTE  Password_Check;               // +34
    WCHAR sheetText1451[11];            // +35    written from the sheet
    WCHAR ScrambledPassword[11];        // +57    the job password, scrambled
    WCHAR UserId[11];                   // +79
    WCHAR sheetText1517[10];            // +101   written from the sheet
    WORD  lastFitPaperSize;             // +121   dmPaperSize when the zoom was last fitted
    BYTE  PaperLess_Check;              // +123
    BYTE  feature203;                   // +124
    BYTE  feature204;                   // +125
    BYTE  lpWidePaperPos;               // +126
    WORD  lpMediaSource;                // +127   dmDefaultSource follows it
    WORD  lpOutputTray;                 // +129
    WORD  outputPaperWidth;             // +131   0.1 mm
    WORD  outputPaperLength;            // +133   0.1 mm
    WORD  UDPaperWidth;                 // +135   0.1 mm
    WORD  UDPaperLength;                // +137   0.1 mm
    BYTE  lpUDPaperUnit;                // +139
    WORD  UDMediaWidth;                 // +140
    WORD  UDMediaLength;                // +142
    BYTE  lpUDMediaUnit;                // +144
    BYTE  lpOutputOrder;                // +145
    WORD  lpOIPaperTray;                // +146
    WORD  lpUDPaperType;                // +148
    WORD  lpUDMediaType;                // +150
    BYTE  lpOutputMethod;               // +152
    BYTE  Set_CenterFinish_Check;       // +153
    BYTE  lpFrontCover;                 // +154   1: no front cover
    WORD  lpFrontCoverTray;             // +155
    BYTE  lpBackCover;                  // +157   1: no back cover
    WORD  lpBackCoverTray;              // +158
    BYTE  lpMediaType;                  // +160
    BYTE  lpCoverMediaType;             // +161
    WORD  lpCoverSource;                // +162
    BYTE  feature1000;                  // +164
    WORD  feature1001;                  // +165
    BYTE  InterSheet_Check;             // +167
    BYTE  FrontCoverSheet_Check;        // +168
    WORD  lpFrontPITray;                // +169
    BYTE  BackCoverSheet_Check;         // +171
    WORD  lpBackPITray;                 // +172
    BYTE  InsertCoverSheet_Check;       // +174
    WORD  lpInsertPITray;               // +175
    BYTE  Mixplex_Check;                // +177
    BYTE  lpCoverSheetTray;             // +178   printer-wide
    BYTE  pageSlots[488];               // +179   PAGE_SLOT_RECORD: the page-number lists
    BYTE  lpInterSheetList;             // +667
    BYTE  lpInterSheetListPRNType;      // +668
    WORD  lpInterSheetListTray;         // +669
    BYTE  lpInterSheetListBinding;      // +671
    BYTE  PrnTabIndex;                  // +672
    BYTE  tabIndexNumber;               // +673   the sheet's tab-index choice; 0 when built
    BYTE  lpTabTextOrient;              // +674
    BYTE  lpTabTextAlign;               // +675
    BYTE  POD_Check;                    // +676
    BYTE  POD_Nup_Check;                // +677
    BYTE  POD_OnePerSheet_Check;        // +678
    BYTE  lpPOD_OnePerSheet;            // +679
    BYTE  POD_Duplex_Check;             // +680
    BYTE  POD_Booklet_Check;            // +681
    BYTE  lpPOD_Booklet;                // +682
    BYTE  Chapter_Check;                // +683
    BYTE  POD_BindMargin_Check;         // +684
    BYTE  CenterFinish_Check;           // +685
    BYTE  lpCenterFinish;               // +686
    BYTE  POD_Staple_Check;             // +687
    BYTE  POD_Punch_Check;              // +688
    BYTE  WaitMode_Check;               // +689
    BYTE  TandemMode_Check;             // +690
    BYTE  lpTandemMode;                 // +691
    BYTE  JobComb_Check;                // +692
    BYTE  UnDisplayJob_Check;           // +693
    WCHAR JobId[11];                    // +694
    BYTE  lpJobCombType;                // +716
    BYTE  lpJobModeSpl;                 // +717
    BYTE  ImageShift_Check;             // +718
    BYTE  lpImgShiftMode;               // +719   built from feature 157, which no table holds (so 0)
    BYTE  lpImgShiftDirectLRF;          // +720
    BYTE  lpImgShiftDirectUDF;          // +721
    WORD  ImgShiftValueLRF;             // +722
    WORD  ImgShiftValueUDF;             // +724
    WORD  ImgShiftPageIntervalF;        // +726
    BYTE  lpImgShiftDirectLRB;          // +728
    BYTE  lpImgShiftDirectUDB;          // +729
    WORD  ImgShiftValueLRB;             // +730
    WORD  ImgShiftValueUDB;             // +732
    WORD  ImgShiftPageIntervalB;        // +734
    BYTE  ImgShiftBackAuto_Check;       // +736
    BYTE  OverlayOrder_Check;           // +737
    BYTE  lpDither;                     // +738
    BYTE  SaveToner;                    // +739
    WORD  Intensity;                    // +740
    BYTE  lpSmoothing;                  // +742
    BYTE  EngSaveToner_Check;           // +743
    BYTE  lpDitherType;                 // +744   written from the sheet; 1 gives graphics code 6
    BYTE  PrintCAD_Check;               // +745
    BYTE  lpPrintCADMode;               // +746
    BYTE  f1Plane1Bit_Check;            // +747
    WORD  Density;                      // +748
    BYTE  feature227;                   // +750
    BYTE  lpOutput;                     // +751   1 fax transmission, 2 print
    WORD  lpQuality;                    // +752   fax resolution; dmPrintQuality in fax mode
    BYTE  CoverSheet;                   // +754
    BYTE  feature71;                    // +755
    BYTE  feature72;                    // +756
    WCHAR sheetText2173[18];            // +757   written from the sheet; empty when built
    WORD  phoneBookCount;               // +793   0: no phone book
    DWORD phoneBookFileNumber;          // +795   unique number of the phone-book temporary file; 0: none
    BYTE  EcmTab;                       // +799
    BYTE  IntlComTab;                   // +800
    BYTE  FaxV34_CheckTab;              // +801
    BYTE  SubAddress;                   // +802
    WCHAR szSubAddress[21];             // +803
    BYTE  SenderID;                     // +845
    WCHAR szSenderID[21];               // +846
    BYTE  bTimeH;                       // +888
    BYTE  bTimeM;                       // +889
    BYTE  FaxCover_Subject;             // +890   the fax cover-sheet switches, in this order
    BYTE  FaxCover_ReceiveName;         // +891
    BYTE  FaxCover_ReceiveCompany1;     // +892
    BYTE  FaxCover_ReceiveCompany2;     // +893
    BYTE  FaxCover_ReceiveSetup;        // +894
    BYTE  FaxCover_ReceivePersonal;     // +895
    BYTE  FaxCover_ReceiveFaxnum;       // +896
    BYTE  FaxCover_SenderName;          // +897
    BYTE  FaxCover_SenderCompany1;      // +898
    BYTE  FaxCover_SenderCompany2;      // +899
    BYTE  FaxCover_SenderTelnum;        // +900
    BYTE  FaxCover_SenderFaxnum;        // +901
    BYTE  FaxCover_SenderEmail;         // +902
    BYTE  FaxCover_Date;                // +903
    BYTE  FaxCover_Pagenum;             // +904
    BYTE  FaxCover_Image;               // +905
    BYTE  FaxCover_Zoom;                // +906
    BYTE  FaxCover_A4PFix;              // +907
    BYTE  lpSourceUnit;                 // +908   the installed options, printer-wide through lpPunchZFold
    BYTE  lpOutputUnit;                 // +909   1: no output unit
    BYTE  lpHardDisk;                   // +910
    BYTE  lpFAXUnit;                    // +911
    BYTE  lpMemory;                     // +912
    BYTE  lpNetworkCard;                // +913
    BYTE  lpCopierHardDisk;             // +914
    BYTE  lpFoldUnit;                   // +915
    BYTE  lpAutoDuplexUnit;             // +916
    BYTE  lpSaddleUnit;                 // +917
    BYTE  lpTandem;                     // +918
    BYTE  lpEngine;                     // +919
    BYTE  lpFinisher;                   // +920
    BYTE  lpTrimmer;                    // +921
    BYTE  lpLargeCapacityTray;          // +922
    BYTE  lpPunchKit;                   // +923
    BYTE  lpPunchZFold;                 // +924
    WCHAR printerWideText[16];          // +925   printer-wide; empty when built
    RECTL customPaperRectPixels;        // +957   the custom paper's pixel rectangle, kept by validation
    BYTE  reserved973[18];              // +973
    RECTL outputPrintableRect;          // +991   0.01 mm
    WORD  VQOutputPaperSize;            // +1007  lpOutputPaper's default as built; 257 lets the output paper follow
    BYTE  sheetByte2425;                // +1009  written from the sheet
    BYTE  sheetByte2426;                // +1010
    WCHAR LogonUserName[66];            // +1011  the stored user name
    DWORD LogonUserNameSum;             // +1143  written with the stored name
    BYTE  LogonUserNameLength;          // +1147
    BYTE  zoomFitFlag;                  // +1148  1 when the zoom was fitted to a new paper
    WORD  lpResolution;                 // +1149  the resolution at the last validation
    DWORD internalBlock2567;            // +1151
    BYTE  feature116;                   // +1155
    BYTE  feature117;                   // +1156
    BYTE  feature118;                   // +1157
    BYTE  feature119;                   // +1158
    BYTE  feature120;                   // +1159
    BYTE  feature121;                   // +1160
    BYTE  feature122;                   // +1161
    BYTE  feature213;                   // +1162
    BYTE  pdlTypeAsBuilt;               // +1163  lpPDLType's default as built; nothing reads it
    BYTE  feature215;                   // +1164
    BYTE  lpCopierHardDiskCopy;         // +1165  a second copy of lpCopierHardDisk
    BYTE  feature229;                   // +1166
    BYTE  feature230;                   // +1167
    BYTE  feature228;                   // +1168
    BYTE  reserved2585[8];              // +1169
    char  modelCode[18];                // +1177  "73MZR", zero-padded
    char  endMarker[4];                 // +1195  "1234", the last bytes of the devmode
};

// The private part, 2,395 bytes behind the public DEVMODEW. Devmode offsets are given (private offset + 220).
struct PRIVATE_DEVMODE {
    DEVMODEW dmPublicCopy;              // 220    refreshed from the public part by every validation
    WCHAR signature[4];                 // 440    "ZDRV", no terminator
    BYTE  reserved448[328];             // 448    addressed only by the parameter binders
    WORD  lpOutputPaper;                // 776    257 when built means "the paper's own size"
    BYTE  lpGraphicsMode;               // 778    1 raster, 2 vector
    BYTE  graphicsCode;                 // 779    2, 3, 4 or 6, written from the sheet
    BYTE  graphicsModeCode;             // 780    3 when lpGraphicsMode is 1, else 2
    BYTE  Layout_Check;                 // 781
    BYTE  lpLayout;                     // 782    pages per sheet
    BYTE  lpOrder;                      // 783
    BYTE  byte784;                      // 784    copied to 786 by validation
    BYTE  byte785;                      // 785    1 after validation
    BYTE  byte786;                      // 786
    BYTE  byte787;                      // 787    1 after validation
    BYTE  layoutSelectCode;             // 788    1, or 4 when Layout_Check is set and lpLayout_Select is 2
    WORD  layoutSelectFlag;             // 789    1 where layoutSelectCode is 4, else 0
    RECTL printableRect;                // 791    the paper's printable area, 0.01 mm
    RECTL printableRectPixels;          // 807    the same at dmPrintQuality
    RECTL outputPrintableRectPixels;    // 823
    LONG  paperWidthPixels;             // 839
    LONG  paperLengthPixels;            // 843
    LONG  outputWidthPixels;            // 847
    LONG  outputLengthPixels;           // 851
    BYTE  reserved855[16];              // 855
    WORD  maxCopies;                    // 871    the copies range's maximum
    BYTE  ZoomCheck;                    // 873
    SHORT Zoom;                         // 874    percent; 100 when zoom is off
    WORD  lpBorder;                     // 876    written from the sheet
    BYTE  lpBooklet;                    // 878
    BYTE  lpOverlay;                    // 879    form overlay mode: 1 none, 2 create a form, 3 print with one
    BYTE  bOverlayIndex;                // 880
    BYTE  OverlayPrompt;                // 881
    WCHAR FormOverlayPath[260];         // 882    the form file; empty or "ZT_DEFAULT" means none
    DWORD FormOverlayFileSize;          // 1402
    BYTE  lpWatermarkOrder;             // 1406
    BYTE  Watermark_Use;                // 1407
    BYTE  WatermarkIndex;               // 1408   0 none, else the entry of the watermark list printed
    BYTE  FirstPageOnly;                // 1409
    BYTE  lpPDLType;                    // 1410   output language (elsewhere called bPDLType): 0 VQPDL, 1 PCL,
                                        //        2 and 3 PCLXL; printer-wide
    BYTE  FontUseFlg;                   // 1411
    FONT_SUB_NODE* fontSubstitutionList;// 1412   set only in a print job's working copy; 0 when built
    DEVMODE_ENV_EXTRA env;              // 1416
};

struct DRIVER_DEVMODE {
    DEVMODEW dmPublic;                  // 0
    PRIVATE_DEVMODE dmPrivate;          // 220
};

#pragma pack(pop)

static_assert(sizeof(DEVMODE_ENV_EXTRA) == kEnvExtraSize);
static_assert(offsetof(DEVMODE_ENV_EXTRA, startMarker) == 0);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpLayout_Select) == 4);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Sort_Check) == 5);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Collate_Check) == 6);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Layout_Check2) == 7);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Nup_Check) == 8);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpBorder2) == 9);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Duplex_Check) == 10);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpDuplex) == 11);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Staple_Check) == 12);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpStaple) == 13);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Punch_Check) == 14);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpPunch) == 15);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpPunchHoles) == 16);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Booklet_Check) == 17);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpBookletMode) == 18);
static_assert(offsetof(DEVMODE_ENV_EXTRA, EngBooklet_Check) == 19);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpEngBooklet) == 20);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpBooklet2) == 21);
static_assert(offsetof(DEVMODE_ENV_EXTRA, BindMargin_Check) == 22);
static_assert(offsetof(DEVMODE_ENV_EXTRA, fMargin) == 23);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpBindMargin) == 24);
static_assert(offsetof(DEVMODE_ENV_EXTRA, bMargin) == 25);
static_assert(offsetof(DEVMODE_ENV_EXTRA, MarginEqual_Check) == 26);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpMarginMode) == 27);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpWaitMode) == 28);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpErrDiffMode) == 29);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpJobMode) == 30);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpOhpIntlvType) == 31);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature131) == 32);
static_assert(offsetof(DEVMODE_ENV_EXTRA, UnDisplayPassword_Check) == 33);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Password_Check) == 34);
static_assert(offsetof(DEVMODE_ENV_EXTRA, sheetText1451) == 35);
static_assert(offsetof(DEVMODE_ENV_EXTRA, ScrambledPassword) == 57);
static_assert(offsetof(DEVMODE_ENV_EXTRA, UserId) == 79);
static_assert(offsetof(DEVMODE_ENV_EXTRA, sheetText1517) == 101);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lastFitPaperSize) == 121);
static_assert(offsetof(DEVMODE_ENV_EXTRA, PaperLess_Check) == 123);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature203) == 124);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature204) == 125);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpWidePaperPos) == 126);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpMediaSource) == 127);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpOutputTray) == 129);
static_assert(offsetof(DEVMODE_ENV_EXTRA, outputPaperWidth) == 131);
static_assert(offsetof(DEVMODE_ENV_EXTRA, outputPaperLength) == 133);
static_assert(offsetof(DEVMODE_ENV_EXTRA, UDPaperWidth) == 135);
static_assert(offsetof(DEVMODE_ENV_EXTRA, UDPaperLength) == 137);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpUDPaperUnit) == 139);
static_assert(offsetof(DEVMODE_ENV_EXTRA, UDMediaWidth) == 140);
static_assert(offsetof(DEVMODE_ENV_EXTRA, UDMediaLength) == 142);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpUDMediaUnit) == 144);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpOutputOrder) == 145);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpOIPaperTray) == 146);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpUDPaperType) == 148);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpUDMediaType) == 150);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpOutputMethod) == 152);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Set_CenterFinish_Check) == 153);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpFrontCover) == 154);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpFrontCoverTray) == 155);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpBackCover) == 157);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpBackCoverTray) == 158);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpMediaType) == 160);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpCoverMediaType) == 161);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpCoverSource) == 162);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature1000) == 164);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature1001) == 165);
static_assert(offsetof(DEVMODE_ENV_EXTRA, InterSheet_Check) == 167);
static_assert(offsetof(DEVMODE_ENV_EXTRA, FrontCoverSheet_Check) == 168);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpFrontPITray) == 169);
static_assert(offsetof(DEVMODE_ENV_EXTRA, BackCoverSheet_Check) == 171);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpBackPITray) == 172);
static_assert(offsetof(DEVMODE_ENV_EXTRA, InsertCoverSheet_Check) == 174);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpInsertPITray) == 175);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Mixplex_Check) == 177);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpCoverSheetTray) == 178);
static_assert(offsetof(DEVMODE_ENV_EXTRA, pageSlots) == 179);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpInterSheetList) == 667);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpInterSheetListPRNType) == 668);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpInterSheetListTray) == 669);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpInterSheetListBinding) == 671);
static_assert(offsetof(DEVMODE_ENV_EXTRA, PrnTabIndex) == 672);
static_assert(offsetof(DEVMODE_ENV_EXTRA, tabIndexNumber) == 673);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpTabTextOrient) == 674);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpTabTextAlign) == 675);
static_assert(offsetof(DEVMODE_ENV_EXTRA, POD_Check) == 676);
static_assert(offsetof(DEVMODE_ENV_EXTRA, POD_Nup_Check) == 677);
static_assert(offsetof(DEVMODE_ENV_EXTRA, POD_OnePerSheet_Check) == 678);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpPOD_OnePerSheet) == 679);
static_assert(offsetof(DEVMODE_ENV_EXTRA, POD_Duplex_Check) == 680);
static_assert(offsetof(DEVMODE_ENV_EXTRA, POD_Booklet_Check) == 681);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpPOD_Booklet) == 682);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Chapter_Check) == 683);
static_assert(offsetof(DEVMODE_ENV_EXTRA, POD_BindMargin_Check) == 684);
static_assert(offsetof(DEVMODE_ENV_EXTRA, CenterFinish_Check) == 685);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpCenterFinish) == 686);
static_assert(offsetof(DEVMODE_ENV_EXTRA, POD_Staple_Check) == 687);
static_assert(offsetof(DEVMODE_ENV_EXTRA, POD_Punch_Check) == 688);
static_assert(offsetof(DEVMODE_ENV_EXTRA, WaitMode_Check) == 689);
static_assert(offsetof(DEVMODE_ENV_EXTRA, TandemMode_Check) == 690);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpTandemMode) == 691);
static_assert(offsetof(DEVMODE_ENV_EXTRA, JobComb_Check) == 692);
static_assert(offsetof(DEVMODE_ENV_EXTRA, UnDisplayJob_Check) == 693);
static_assert(offsetof(DEVMODE_ENV_EXTRA, JobId) == 694);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpJobCombType) == 716);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpJobModeSpl) == 717);
static_assert(offsetof(DEVMODE_ENV_EXTRA, ImageShift_Check) == 718);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpImgShiftMode) == 719);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpImgShiftDirectLRF) == 720);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpImgShiftDirectUDF) == 721);
static_assert(offsetof(DEVMODE_ENV_EXTRA, ImgShiftValueLRF) == 722);
static_assert(offsetof(DEVMODE_ENV_EXTRA, ImgShiftValueUDF) == 724);
static_assert(offsetof(DEVMODE_ENV_EXTRA, ImgShiftPageIntervalF) == 726);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpImgShiftDirectLRB) == 728);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpImgShiftDirectUDB) == 729);
static_assert(offsetof(DEVMODE_ENV_EXTRA, ImgShiftValueLRB) == 730);
static_assert(offsetof(DEVMODE_ENV_EXTRA, ImgShiftValueUDB) == 732);
static_assert(offsetof(DEVMODE_ENV_EXTRA, ImgShiftPageIntervalB) == 734);
static_assert(offsetof(DEVMODE_ENV_EXTRA, ImgShiftBackAuto_Check) == 736);
static_assert(offsetof(DEVMODE_ENV_EXTRA, OverlayOrder_Check) == 737);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpDither) == 738);
static_assert(offsetof(DEVMODE_ENV_EXTRA, SaveToner) == 739);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Intensity) == 740);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpSmoothing) == 742);
static_assert(offsetof(DEVMODE_ENV_EXTRA, EngSaveToner_Check) == 743);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpDitherType) == 744);
static_assert(offsetof(DEVMODE_ENV_EXTRA, PrintCAD_Check) == 745);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpPrintCADMode) == 746);
static_assert(offsetof(DEVMODE_ENV_EXTRA, f1Plane1Bit_Check) == 747);
static_assert(offsetof(DEVMODE_ENV_EXTRA, Density) == 748);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature227) == 750);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpOutput) == 751);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpQuality) == 752);
static_assert(offsetof(DEVMODE_ENV_EXTRA, CoverSheet) == 754);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature71) == 755);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature72) == 756);
static_assert(offsetof(DEVMODE_ENV_EXTRA, sheetText2173) == 757);
static_assert(offsetof(DEVMODE_ENV_EXTRA, phoneBookCount) == 793);
static_assert(offsetof(DEVMODE_ENV_EXTRA, phoneBookFileNumber) == 795);
static_assert(offsetof(DEVMODE_ENV_EXTRA, EcmTab) == 799);
static_assert(offsetof(DEVMODE_ENV_EXTRA, IntlComTab) == 800);
static_assert(offsetof(DEVMODE_ENV_EXTRA, FaxV34_CheckTab) == 801);
static_assert(offsetof(DEVMODE_ENV_EXTRA, SubAddress) == 802);
static_assert(offsetof(DEVMODE_ENV_EXTRA, szSubAddress) == 803);
static_assert(offsetof(DEVMODE_ENV_EXTRA, SenderID) == 845);
static_assert(offsetof(DEVMODE_ENV_EXTRA, szSenderID) == 846);
static_assert(offsetof(DEVMODE_ENV_EXTRA, bTimeH) == 888);
static_assert(offsetof(DEVMODE_ENV_EXTRA, bTimeM) == 889);
static_assert(offsetof(DEVMODE_ENV_EXTRA, FaxCover_Subject) == 890);
static_assert(offsetof(DEVMODE_ENV_EXTRA, FaxCover_ReceiveSetup) == 894);
static_assert(offsetof(DEVMODE_ENV_EXTRA, FaxCover_SenderName) == 897);
static_assert(offsetof(DEVMODE_ENV_EXTRA, FaxCover_Date) == 903);
static_assert(offsetof(DEVMODE_ENV_EXTRA, FaxCover_A4PFix) == 907);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpSourceUnit) == 908);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpOutputUnit) == 909);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpHardDisk) == 910);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpFAXUnit) == 911);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpMemory) == 912);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpNetworkCard) == 913);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpCopierHardDisk) == 914);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpFoldUnit) == 915);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpAutoDuplexUnit) == 916);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpSaddleUnit) == 917);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpTandem) == 918);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpEngine) == 919);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpFinisher) == 920);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpTrimmer) == 921);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpLargeCapacityTray) == 922);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpPunchKit) == 923);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpPunchZFold) == 924);
static_assert(offsetof(DEVMODE_ENV_EXTRA, printerWideText) == 925);
static_assert(offsetof(DEVMODE_ENV_EXTRA, customPaperRectPixels) == 957);
static_assert(offsetof(DEVMODE_ENV_EXTRA, reserved973) == 973);
static_assert(offsetof(DEVMODE_ENV_EXTRA, outputPrintableRect) == 991);
static_assert(offsetof(DEVMODE_ENV_EXTRA, VQOutputPaperSize) == 1007);
static_assert(offsetof(DEVMODE_ENV_EXTRA, sheetByte2425) == 1009);
static_assert(offsetof(DEVMODE_ENV_EXTRA, sheetByte2426) == 1010);
static_assert(offsetof(DEVMODE_ENV_EXTRA, LogonUserName) == 1011);
static_assert(offsetof(DEVMODE_ENV_EXTRA, LogonUserNameSum) == 1143);
static_assert(offsetof(DEVMODE_ENV_EXTRA, LogonUserNameLength) == 1147);
static_assert(offsetof(DEVMODE_ENV_EXTRA, zoomFitFlag) == 1148);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpResolution) == 1149);
static_assert(offsetof(DEVMODE_ENV_EXTRA, internalBlock2567) == 1151);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature116) == 1155);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature122) == 1161);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature213) == 1162);
static_assert(offsetof(DEVMODE_ENV_EXTRA, pdlTypeAsBuilt) == 1163);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature215) == 1164);
static_assert(offsetof(DEVMODE_ENV_EXTRA, lpCopierHardDiskCopy) == 1165);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature229) == 1166);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature230) == 1167);
static_assert(offsetof(DEVMODE_ENV_EXTRA, feature228) == 1168);
static_assert(offsetof(DEVMODE_ENV_EXTRA, reserved2585) == 1169);
static_assert(offsetof(DEVMODE_ENV_EXTRA, modelCode) == 1177);
static_assert(offsetof(DEVMODE_ENV_EXTRA, endMarker) == 1195);

// The private part's asserts are in devmode offsets, as the layout above is.
#define QN_DEVMODE_OFFSET(field) (kPublicDevmodeSize + offsetof(PRIVATE_DEVMODE, field))
static_assert(sizeof(PRIVATE_DEVMODE) == kDriverExtraSize);
static_assert(QN_DEVMODE_OFFSET(dmPublicCopy) == 220);
static_assert(QN_DEVMODE_OFFSET(signature) == 440);
static_assert(QN_DEVMODE_OFFSET(reserved448) == 448);
static_assert(QN_DEVMODE_OFFSET(lpOutputPaper) == 776);
static_assert(QN_DEVMODE_OFFSET(lpGraphicsMode) == 778);
static_assert(QN_DEVMODE_OFFSET(graphicsCode) == 779);
static_assert(QN_DEVMODE_OFFSET(graphicsModeCode) == 780);
static_assert(QN_DEVMODE_OFFSET(Layout_Check) == 781);
static_assert(QN_DEVMODE_OFFSET(lpLayout) == 782);
static_assert(QN_DEVMODE_OFFSET(lpOrder) == 783);
static_assert(QN_DEVMODE_OFFSET(byte784) == 784);
static_assert(QN_DEVMODE_OFFSET(byte785) == 785);
static_assert(QN_DEVMODE_OFFSET(byte786) == 786);
static_assert(QN_DEVMODE_OFFSET(byte787) == 787);
static_assert(QN_DEVMODE_OFFSET(layoutSelectCode) == 788);
static_assert(QN_DEVMODE_OFFSET(layoutSelectFlag) == 789);
static_assert(QN_DEVMODE_OFFSET(printableRect) == 791);
static_assert(QN_DEVMODE_OFFSET(printableRectPixels) == 807);
static_assert(QN_DEVMODE_OFFSET(outputPrintableRectPixels) == 823);
static_assert(QN_DEVMODE_OFFSET(paperWidthPixels) == 839);
static_assert(QN_DEVMODE_OFFSET(paperLengthPixels) == 843);
static_assert(QN_DEVMODE_OFFSET(outputWidthPixels) == 847);
static_assert(QN_DEVMODE_OFFSET(outputLengthPixels) == 851);
static_assert(QN_DEVMODE_OFFSET(reserved855) == 855);
static_assert(QN_DEVMODE_OFFSET(maxCopies) == 871);
static_assert(QN_DEVMODE_OFFSET(ZoomCheck) == 873);
static_assert(QN_DEVMODE_OFFSET(Zoom) == 874);
static_assert(QN_DEVMODE_OFFSET(lpBorder) == 876);
static_assert(QN_DEVMODE_OFFSET(lpBooklet) == 878);
static_assert(QN_DEVMODE_OFFSET(lpOverlay) == 879);
static_assert(QN_DEVMODE_OFFSET(bOverlayIndex) == 880);
static_assert(QN_DEVMODE_OFFSET(OverlayPrompt) == 881);
static_assert(QN_DEVMODE_OFFSET(FormOverlayPath) == 882);
static_assert(QN_DEVMODE_OFFSET(FormOverlayFileSize) == 1402);
static_assert(QN_DEVMODE_OFFSET(lpWatermarkOrder) == 1406);
static_assert(QN_DEVMODE_OFFSET(Watermark_Use) == 1407);
static_assert(QN_DEVMODE_OFFSET(WatermarkIndex) == 1408);
static_assert(QN_DEVMODE_OFFSET(FirstPageOnly) == 1409);
static_assert(QN_DEVMODE_OFFSET(lpPDLType) == 1410);
static_assert(QN_DEVMODE_OFFSET(FontUseFlg) == 1411);
static_assert(QN_DEVMODE_OFFSET(fontSubstitutionList) == 1412);
static_assert(QN_DEVMODE_OFFSET(env) == 1416);
static_assert(QN_DEVMODE_OFFSET(env) == kPublicDevmodeSize + kPrivateFirstBlockSize);
#undef QN_DEVMODE_OFFSET

static_assert(sizeof(DRIVER_DEVMODE) == kDriverDevmodeSize);
static_assert(offsetof(DRIVER_DEVMODE, dmPrivate) == kPublicDevmodeSize);
