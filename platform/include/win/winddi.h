#pragma once
// winddi.h - the device driver interface between GDI and a printer graphics module: the records GDI and the
// module exchange, the hook table, and the engine services (Eng*, *OBJ_*) a module calls back into.
// A user-mode printer driver is built with FLOATL and FLOATOBJ as plain floats.

#include "win/wingdi.h"

// ---- basic types -----------------------------------------------------------------------------------------
typedef ULONG  FLONG;
typedef LONG   FIX;
typedef FIX*   PFIX;
typedef FLOAT  FLOATL;
typedef FLOAT  FLOATOBJ;
typedef FLOATOBJ* PFLOATOBJ;
typedef ULONG  HGLYPH;
typedef LONG   PTRDIFF;
typedef PTRDIFF* PPTRDIFF;
typedef SHORT  FWORD;
typedef LONG   LDECI4;
typedef ULONG  ROP4;
typedef ULONG  MIX;
typedef ULONG  IDENT;

DECLARE_HANDLE(HDEV);
DECLARE_HANDLE(HSURF);
DECLARE_HANDLE(DHSURF);
DECLARE_HANDLE(DHPDEV);
DECLARE_HANDLE(HSEMAPHORE);

// A hook of any signature. Declared returning void rather than LONG_PTR: g++ lets void (*)(void) stand for
// every function type, so a driver's hook table casts its functions to PFN and back without a warning.
typedef void (APIENTRY* PFN)(void);

typedef struct _POINTFIX { FIX x; FIX y; } POINTFIX, *PPOINTFIX;
typedef struct _RECTFX { FIX xLeft; FIX yTop; FIX xRight; FIX yBottom; } RECTFX, *PRECTFX;
typedef struct _POINTE { FLOATL x; FLOATL y; } POINTE, *PPOINTE;
typedef struct _POINTQF { LARGE_INTEGER x; LARGE_INTEGER y; } POINTQF, *PPOINTQF;
typedef union _FLOAT_LONG { FLOATL e; LONG l; } FLOAT_LONG, *PFLOAT_LONG;
static_assert(sizeof(POINTFIX) == 8 && sizeof(RECTFX) == 16 && sizeof(FLOAT_LONG) == 4);

// ---- driver versions and the hook table ------------------------------------------------------------------
#define DDI_DRIVER_VERSION_NT4    0x00020000
#define DDI_DRIVER_VERSION_SP3    0x00020003
#define DDI_DRIVER_VERSION_NT5    0x00030000
#define DDI_DRIVER_VERSION_NT5_01 0x00030100

#define GDI_DRIVER_VERSION 0x4000

typedef struct _DRVFN {
    ULONG iFunc;
    PFN   pfn;
} DRVFN, *PDRVFN;
static_assert(sizeof(DRVFN) == 8);

typedef struct tagDRVENABLEDATA {
    ULONG  iDriverVersion;
    ULONG  c;
    DRVFN* pdrvfn;
} DRVENABLEDATA, *PDRVENABLEDATA;
static_assert(sizeof(DRVENABLEDATA) == 12);

#define INDEX_DrvEnablePDEV              0
#define INDEX_DrvCompletePDEV            1
#define INDEX_DrvDisablePDEV             2
#define INDEX_DrvEnableSurface           3
#define INDEX_DrvDisableSurface          4
#define INDEX_DrvAssertMode              5
#define INDEX_DrvOffset                  6
#define INDEX_DrvResetPDEV               7
#define INDEX_DrvDisableDriver           8
#define INDEX_DrvCreateDeviceBitmap      10
#define INDEX_DrvDeleteDeviceBitmap      11
#define INDEX_DrvRealizeBrush            12
#define INDEX_DrvDitherColor             13
#define INDEX_DrvStrokePath              14
#define INDEX_DrvFillPath                15
#define INDEX_DrvStrokeAndFillPath       16
#define INDEX_DrvPaint                   17
#define INDEX_DrvBitBlt                  18
#define INDEX_DrvCopyBits                19
#define INDEX_DrvStretchBlt              20
#define INDEX_DrvSetPalette              22
#define INDEX_DrvTextOut                 23
#define INDEX_DrvEscape                  24
#define INDEX_DrvDrawEscape              25
#define INDEX_DrvQueryFont               26
#define INDEX_DrvQueryFontTree           27
#define INDEX_DrvQueryFontData           28
#define INDEX_DrvSetPointerShape         29
#define INDEX_DrvMovePointer             30
#define INDEX_DrvLineTo                  31
#define INDEX_DrvSendPage                32
#define INDEX_DrvStartPage               33
#define INDEX_DrvEndDoc                  34
#define INDEX_DrvStartDoc                35
#define INDEX_DrvGetGlyphMode            37
#define INDEX_DrvSynchronize             38
#define INDEX_DrvSaveScreenBits          40
#define INDEX_DrvGetModes                41
#define INDEX_DrvFree                    42
#define INDEX_DrvDestroyFont             43
#define INDEX_DrvQueryFontCaps           44
#define INDEX_DrvLoadFontFile            45
#define INDEX_DrvUnloadFontFile          46
#define INDEX_DrvFontManagement          47
#define INDEX_DrvQueryTrueTypeTable      48
#define INDEX_DrvQueryTrueTypeOutline    49
#define INDEX_DrvGetTrueTypeFile         50
#define INDEX_DrvQueryFontFile           51
#define INDEX_DrvMovePanning             52
#define INDEX_DrvQueryAdvanceWidths      53
#define INDEX_DrvSetPixelFormat          54
#define INDEX_DrvDescribePixelFormat     55
#define INDEX_DrvSwapBuffers             56
#define INDEX_DrvStartBanding            57
#define INDEX_DrvNextBand                58
#define INDEX_DrvGetDirectDrawInfo       59
#define INDEX_DrvEnableDirectDraw        60
#define INDEX_DrvDisableDirectDraw       61
#define INDEX_DrvQuerySpoolType          62
#define INDEX_DrvIcmCreateColorTransform 64
#define INDEX_DrvIcmDeleteColorTransform 65
#define INDEX_DrvIcmCheckBitmapBits      66
#define INDEX_DrvIcmSetDeviceGammaRamp   67
#define INDEX_DrvGradientFill            68
#define INDEX_DrvStretchBltROP           69
#define INDEX_DrvPlgBlt                  70
#define INDEX_DrvAlphaBlend              71
#define INDEX_DrvSynthesizeFont          72
#define INDEX_DrvGetSynthesizedFontFiles 73
#define INDEX_DrvTransparentBlt          74
#define INDEX_DrvQueryPerBandInfo        75
#define INDEX_DrvQueryDeviceSupport      76
#define INDEX_LAST                       89

// ---- GDIINFO and DEVINFO: what DrvEnablePDEV answers --------------------------------------------------
typedef struct _CIECHROMA {
    LDECI4 x;
    LDECI4 y;
    LDECI4 Y;
} CIECHROMA;

typedef struct _COLORINFO {
    CIECHROMA Red;
    CIECHROMA Green;
    CIECHROMA Blue;
    CIECHROMA Cyan;
    CIECHROMA Magenta;
    CIECHROMA Yellow;
    CIECHROMA AlignmentWhite;
    LDECI4 RedGamma;
    LDECI4 GreenGamma;
    LDECI4 BlueGamma;
    LDECI4 MagentaInCyanDye;
    LDECI4 YellowInCyanDye;
    LDECI4 CyanInMagentaDye;
    LDECI4 YellowInMagentaDye;
    LDECI4 CyanInYellowDye;
    LDECI4 MagentaInYellowDye;
} COLORINFO, *PCOLORINFO;
static_assert(sizeof(COLORINFO) == 120);

typedef struct _GDIINFO {          // 304 bytes
    ULONG ulVersion;               // 0
    ULONG ulTechnology;            // 4
    ULONG ulHorzSize;              // 8
    ULONG ulVertSize;              // 12
    ULONG ulHorzRes;               // 16
    ULONG ulVertRes;               // 20
    ULONG cBitsPixel;              // 24
    ULONG cPlanes;                 // 28
    ULONG ulNumColors;             // 32
    ULONG flRaster;                // 36
    ULONG ulLogPixelsX;            // 40
    ULONG ulLogPixelsY;            // 44
    ULONG flTextCaps;              // 48
    ULONG ulDACRed;                // 52
    ULONG ulDACGreen;              // 56
    ULONG ulDACBlue;               // 60
    ULONG ulAspectX;               // 64
    ULONG ulAspectY;               // 68
    ULONG ulAspectXY;              // 72
    LONG  xStyleStep;              // 76
    LONG  yStyleStep;              // 80
    LONG  denStyleStep;            // 84
    POINTL ptlPhysOffset;          // 88
    SIZEL szlPhysSize;             // 96
    ULONG ulNumPalReg;             // 104
    COLORINFO ciDevice;            // 108
    ULONG ulDevicePelsDPI;         // 228
    ULONG ulPrimaryOrder;          // 232
    ULONG ulHTPatternSize;         // 236
    ULONG ulHTOutputFormat;        // 240
    ULONG flHTFlags;               // 244
    ULONG ulVRefresh;              // 248
    ULONG ulBltAlignment;          // 252
    ULONG ulPanningHorzRes;        // 256
    ULONG ulPanningVertRes;        // 260
    ULONG xPanningAlignment;       // 264
    ULONG yPanningAlignment;       // 268
    ULONG cxHTPat;                 // 272
    ULONG cyHTPat;                 // 276
    LPBYTE pHTPatA;                // 280
    LPBYTE pHTPatB;                // 284
    LPBYTE pHTPatC;                // 288
    ULONG flShadeBlend;            // 292
    ULONG ulPhysicalPixelCharacteristics;   // 296
    ULONG ulPhysicalPixelGamma;    // 300
} GDIINFO, *PGDIINFO;
static_assert(sizeof(GDIINFO) == 304);
static_assert(offsetof(GDIINFO, flTextCaps) == 48);
static_assert(offsetof(GDIINFO, ptlPhysOffset) == 88);
static_assert(offsetof(GDIINFO, szlPhysSize) == 96);
static_assert(offsetof(GDIINFO, ciDevice) == 108);
static_assert(offsetof(GDIINFO, ulDevicePelsDPI) == 228);
static_assert(offsetof(GDIINFO, ulHTPatternSize) == 236);
static_assert(offsetof(GDIINFO, flShadeBlend) == 292);

typedef struct tagDEVINFO {        // 300 bytes
    FLONG    flGraphicsCaps;       // 0
    LOGFONTW lfDefaultFont;        // 4
    LOGFONTW lfAnsiVarFont;        // 96
    LOGFONTW lfAnsiFixFont;        // 188
    ULONG    cFonts;               // 280
    ULONG    iDitherFormat;        // 284
    USHORT   cxDither;             // 288
    USHORT   cyDither;             // 290
    HPALETTE hpalDefault;          // 292
    FLONG    flGraphicsCaps2;      // 296
} DEVINFO, *PDEVINFO;
static_assert(sizeof(DEVINFO) == 300);
static_assert(offsetof(DEVINFO, lfAnsiVarFont) == 96);
static_assert(offsetof(DEVINFO, cFonts) == 280);
static_assert(offsetof(DEVINFO, hpalDefault) == 292);

// flGraphicsCaps
#define GCAPS_BEZIERS          0x00000001
#define GCAPS_GEOMETRICWIDE    0x00000002
#define GCAPS_ALTERNATEFILL    0x00000004
#define GCAPS_WINDINGFILL      0x00000008
#define GCAPS_HALFTONE         0x00000010
#define GCAPS_COLOR_DITHER     0x00000020
#define GCAPS_HORIZSTRIKE      0x00000040
#define GCAPS_VERTSTRIKE       0x00000080
#define GCAPS_OPAQUERECT       0x00000100
#define GCAPS_VECTORFONT       0x00000200
#define GCAPS_MONO_DITHER      0x00000400
#define GCAPS_ASYNCCHANGE      0x00000800
#define GCAPS_ASYNCMOVE        0x00001000
#define GCAPS_DONTJOURNAL      0x00002000
#define GCAPS_DIRECTDRAW       0x00004000
#define GCAPS_ARBRUSHOPAQUE    0x00008000
#define GCAPS_PANNING          0x00010000
#define GCAPS_HIGHRESTEXT      0x00040000
#define GCAPS_PALMANAGED       0x00080000
#define GCAPS_DITHERONREALIZE  0x00200000
#define GCAPS_NO64BITMEMACCESS 0x00400000
#define GCAPS_FORCEDITHER      0x00800000
#define GCAPS_GRAY16           0x01000000
#define GCAPS_ICM              0x02000000
#define GCAPS_CMYKCOLOR        0x04000000
#define GCAPS_LAYERED          0x08000000
#define GCAPS_ARBRUSHTEXT      0x10000000
#define GCAPS_SCREENPRECISION  0x20000000
#define GCAPS_FONT_RASTERIZER  0x40000000
#define GCAPS_NUP              0x80000000

// iDitherFormat and SURFOBJ.iBitmapFormat
#define BMF_1BPP  1
#define BMF_4BPP  2
#define BMF_8BPP  3
#define BMF_16BPP 4
#define BMF_24BPP 5
#define BMF_32BPP 6
#define BMF_4RLE  7
#define BMF_8RLE  8
#define BMF_JPEG  9
#define BMF_PNG   10

// ---- surfaces ---------------------------------------------------------------------------------------------
typedef struct _SURFOBJ {          // 52 bytes
    DHSURF dhsurf;                 // 0
    HSURF  hsurf;                  // 4
    DHPDEV dhpdev;                 // 8
    HDEV   hdev;                   // 12
    SIZEL  sizlBitmap;             // 16
    ULONG  cjBits;                 // 24
    PVOID  pvBits;                 // 28
    PVOID  pvScan0;                // 32
    LONG   lDelta;                 // 36
    ULONG  iUniq;                  // 40
    ULONG  iBitmapFormat;          // 44
    USHORT iType;                  // 48
    USHORT fjBitmap;               // 50
} SURFOBJ, *PSURFOBJ;
static_assert(sizeof(SURFOBJ) == 52);
static_assert(offsetof(SURFOBJ, sizlBitmap) == 16);
static_assert(offsetof(SURFOBJ, pvScan0) == 32);
static_assert(offsetof(SURFOBJ, iBitmapFormat) == 44);
static_assert(offsetof(SURFOBJ, fjBitmap) == 50);

// iType
#define STYPE_BITMAP    0
#define STYPE_DEVICE    1
#define STYPE_DEVBITMAP 3

// fjBitmap and the fl of EngCreateBitmap
#define BMF_TOPDOWN    0x0001
#define BMF_NOZEROINIT 0x0002
#define BMF_DONTCACHE  0x0004
#define BMF_USERMEM    0x0008
#define BMF_KMSECTION  0x0010
#define BMF_NOTSYSMEM  0x0020
#define BMF_WINDOW_BLT 0x0040

// the flHooks of EngAssociateSurface: which drawing calls GDI sends to the driver for the surface
#define HOOK_BITBLT            0x00000001
#define HOOK_STRETCHBLT        0x00000002
#define HOOK_PLGBLT            0x00000004
#define HOOK_TEXTOUT           0x00000008
#define HOOK_PAINT             0x00000010
#define HOOK_STROKEPATH        0x00000020
#define HOOK_FILLPATH          0x00000040
#define HOOK_STROKEANDFILLPATH 0x00000080
#define HOOK_LINETO            0x00000100
#define HOOK_COPYBITS          0x00000400
#define HOOK_MOVEPANNING       0x00000800
#define HOOK_SYNCHRONIZE       0x00001000
#define HOOK_STRETCHBLTROP     0x00002000
#define HOOK_SYNCHRONIZEACCESS 0x00004000
#define HOOK_TRANSPARENTBLT    0x00008000
#define HOOK_ALPHABLEND        0x00010000
#define HOOK_GRADIENTFILL      0x00020000
#define HOOK_FLAGS             0x0003BFFF

// ---- clip objects -------------------------------------------------------------------------------------------
typedef struct _CLIPOBJ {          // 24 bytes
    ULONG iUniq;                   // 0
    RECTL rclBounds;               // 4
    BYTE  iDComplexity;            // 20
    BYTE  iFComplexity;            // 21
    BYTE  iMode;                   // 22
    BYTE  fjOptions;               // 23
} CLIPOBJ, *PCLIPOBJ;
static_assert(sizeof(CLIPOBJ) == 24);
static_assert(offsetof(CLIPOBJ, iDComplexity) == 20);

#define DC_TRIVIAL 0
#define DC_RECT    1
#define DC_COMPLEX 3

#define FC_RECT    1
#define FC_RECT4   2
#define FC_COMPLEX 3

#define TC_RECTANGLES 0
#define TC_PATHOBJ    2

#define OC_BANK_CLIP 1

#define CT_RECTANGLES 0

#define CD_RIGHTDOWN 0
#define CD_LEFTDOWN  1
#define CD_RIGHTUP   2
#define CD_LEFTUP    3
#define CD_ANY       4

typedef struct _ENUMRECTS {
    ULONG c;
    RECTL arcl[1];
} ENUMRECTS;

// ---- brushes, colour translation and transforms --------------------------------------------------------------
typedef struct _BRUSHOBJ {         // 12 bytes
    ULONG iSolidColor;             // 0  0xFFFFFFFF for a pattern brush
    PVOID pvRbrush;                // 4
    FLONG flColorType;             // 8
} BRUSHOBJ, *PBRUSHOBJ;
static_assert(sizeof(BRUSHOBJ) == 12);

#define BR_DEVICE_ICM 0x01
#define BR_HOST_ICM   0x02
#define BR_CMYKCOLOR  0x04
#define BR_ORIGCOLOR  0x08

#define HS_DDI_MAX 6

typedef struct _XLATEOBJ {         // 20 bytes
    ULONG  iUniq;                  // 0
    FLONG  flXlate;                // 4
    USHORT iSrcType;               // 8
    USHORT iDstType;               // 10
    ULONG  cEntries;               // 12
    ULONG* pulXlate;               // 16
} XLATEOBJ, *PXLATEOBJ;
static_assert(sizeof(XLATEOBJ) == 20);

// flXlate
#define XO_TRIVIAL    0x00000001
#define XO_TABLE      0x00000002
#define XO_TO_MONO    0x00000004
#define XO_FROM_CMYK  0x00000008
#define XO_DEVICE_ICM 0x00000010
#define XO_HOST_ICM   0x00000020

// the iPal of XLATEOBJ_cGetPalette
#define XO_SRCPALETTE    1
#define XO_DESTPALETTE   2
#define XO_DESTDCPALETTE 3
#define XO_SRCBITFIELDS  4
#define XO_DESTBITFIELDS 5

// palette modes (EngCreatePalette, XLATEOBJ.iSrcType/iDstType). PAL_INDEXED entries hold a colour in their low
// three bytes, red in the lowest (the byte order of a COLORREF).
#define PAL_INDEXED   0x00000001
#define PAL_BITFIELDS 0x00000002
#define PAL_RGB       0x00000004
#define PAL_BGR       0x00000008
#define PAL_CMYK      0x00000010

typedef struct _XFORMOBJ {
    ULONG ulReserved;
} XFORMOBJ, *PXFORMOBJ;

typedef struct _XFORML {
    FLOATL eM11;
    FLOATL eM12;
    FLOATL eM21;
    FLOATL eM22;
    FLOATL eDx;
    FLOATL eDy;
} XFORML, *PXFORML;
static_assert(sizeof(XFORML) == 24);

// XFORMOBJ_iGetXform
#define GX_IDENTITY 0
#define GX_OFFSET   1
#define GX_SCALE    2
#define GX_GENERAL  3

// XFORMOBJ_bApplyXform
#define XF_LTOL     0
#define XF_INV_LTOL 1
#define XF_LTOFX    2
#define XF_INV_FXTOL 3

#define DDI_ERROR 0xFFFFFFFF

// ---- paths and lines ------------------------------------------------------------------------------------------
typedef struct _PATHOBJ {
    FLONG fl;
    ULONG cCurves;
} PATHOBJ, *PPATHOBJ;
static_assert(sizeof(PATHOBJ) == 8);

#define PO_BEZIERS          0x00000001
#define PO_ELLIPSE          0x00000002
#define PO_ALL_INTEGERS     0x00000004
#define PO_ENUM_AS_INTEGERS 0x00000008

typedef struct _PATHDATA {
    FLONG     flags;
    ULONG     count;
    POINTFIX* pptfx;
} PATHDATA, *PPATHDATA;
static_assert(sizeof(PATHDATA) == 12);

#define PD_BEGINSUBPATH 0x00000001
#define PD_ENDSUBPATH   0x00000002
#define PD_RESETSTYLE   0x00000004
#define PD_CLOSEFIGURE  0x00000008
#define PD_BEZIERS      0x00000010
#define PD_ALL          (PD_BEGINSUBPATH | PD_ENDSUBPATH | PD_RESETSTYLE | PD_CLOSEFIGURE | PD_BEZIERS)

typedef struct _LINEATTRS {        // 32 bytes
    FLONG       fl;
    ULONG       iJoin;
    ULONG       iEndCap;
    FLOAT_LONG  elWidth;
    FLOATL      eMiterLimit;
    ULONG       cstyle;
    PFLOAT_LONG pstyle;
    FLOAT_LONG  elStyleState;
} LINEATTRS, *PLINEATTRS;
static_assert(sizeof(LINEATTRS) == 32);

#define LA_GEOMETRIC 0x00000001
#define LA_ALTERNATE 0x00000002
#define LA_STARTGAP  0x00000004
#define LA_STYLED    0x00000008

#define JOIN_ROUND 0
#define JOIN_BEVEL 1
#define JOIN_MITER 2

#define ENDCAP_ROUND  0
#define ENDCAP_SQUARE 1
#define ENDCAP_BUTT   2

// the flOptions of the fill calls
#define FP_ALTERNATEMODE 1
#define FP_WINDINGMODE   2

// ---- text ----------------------------------------------------------------------------------------------------
typedef struct _GLYPHBITS {
    POINTL ptlOrigin;
    SIZEL  sizlBitmap;
    BYTE   aj[1];
} GLYPHBITS;

typedef union _GLYPHDEF {
    GLYPHBITS* pgb;
    PATHOBJ*   ppo;
} GLYPHDEF;

typedef struct _GLYPHPOS {         // 16 bytes
    HGLYPH    hg;
    GLYPHDEF* pgdf;
    POINTL    ptl;
} GLYPHPOS, *PGLYPHPOS;
static_assert(sizeof(GLYPHPOS) == 16);

typedef struct _GLYPHDATA {
    GLYPHDEF gdf;
    HGLYPH   hg;
    FIX      fxD;
    FIX      fxA;
    FIX      fxAB;
    FIX      fxInkTop;
    FIX      fxInkBottom;
    RECTL    rclInk;
    POINTQF  ptqD;
} GLYPHDATA;

typedef struct _STROBJ {           // 36 bytes
    ULONG     cGlyphs;
    FLONG     flAccel;
    ULONG     ulCharInc;
    RECTL     rclBkGround;
    GLYPHPOS* pgp;
    LPWSTR    pwszOrg;
} STROBJ, *PSTROBJ;
static_assert(sizeof(STROBJ) == 36);

typedef struct _FONTOBJ {          // 44 bytes
    ULONG     iUniq;
    ULONG     iFace;
    ULONG     cxMax;
    FLONG     flFontType;
    ULONG_PTR iTTUniq;
    ULONG_PTR iFile;
    SIZE      sizLogResPpi;
    ULONG     ulStyleSize;
    PVOID     pvConsumer;
    PVOID     pvProducer;
} FONTOBJ, *PFONTOBJ;
static_assert(sizeof(FONTOBJ) == 44);

typedef struct _PANOSE {
    BYTE bFamilyType;
    BYTE bSerifStyle;
    BYTE bWeight;
    BYTE bProportion;
    BYTE bContrast;
    BYTE bStrokeVariation;
    BYTE bArmStyle;
    BYTE bLetterform;
    BYTE bMidline;
    BYTE bXHeight;
} PANOSE;

typedef struct _IFIMETRICS {
    ULONG   cjThis;
    ULONG   cjIfiExtra;
    PTRDIFF dpwszFamilyName;
    PTRDIFF dpwszStyleName;
    PTRDIFF dpwszFaceName;
    PTRDIFF dpwszUniqueName;
    PTRDIFF dpFontSim;
    LONG    lEmbedId;
    LONG    lItalicAngle;
    LONG    lCharBias;
    PTRDIFF dpCharSets;
    BYTE    jWinCharSet;
    BYTE    jWinPitchAndFamily;
    USHORT  usWinWeight;
    ULONG   flInfo;
    USHORT  fsSelection;
    USHORT  fsType;
    FWORD   fwdUnitsPerEm;
    FWORD   fwdLowestPPEm;
    FWORD   fwdWinAscender;
    FWORD   fwdWinDescender;
    FWORD   fwdMacAscender;
    FWORD   fwdMacDescender;
    FWORD   fwdMacLineGap;
    FWORD   fwdTypoAscender;
    FWORD   fwdTypoDescender;
    FWORD   fwdTypoLineGap;
    FWORD   fwdAveCharWidth;
    FWORD   fwdMaxCharInc;
    FWORD   fwdCapHeight;
    FWORD   fwdXHeight;
    FWORD   fwdSubscriptXSize;
    FWORD   fwdSubscriptYSize;
    FWORD   fwdSubscriptXOffset;
    FWORD   fwdSubscriptYOffset;
    FWORD   fwdSuperscriptXSize;
    FWORD   fwdSuperscriptYSize;
    FWORD   fwdSuperscriptXOffset;
    FWORD   fwdSuperscriptYOffset;
    FWORD   fwdUnderscoreSize;
    FWORD   fwdUnderscorePosition;
    FWORD   fwdStrikeoutSize;
    FWORD   fwdStrikeoutPosition;
    BYTE    chFirstChar;
    BYTE    chLastChar;
    BYTE    chDefaultChar;
    BYTE    chBreakChar;
    WCHAR   wcFirstChar;
    WCHAR   wcLastChar;
    WCHAR   wcDefaultChar;
    WCHAR   wcBreakChar;
    POINTL  ptlBaseline;
    POINTL  ptlAspect;
    POINTL  ptlCaret;
    RECTL   rclFontBox;
    BYTE    achVendId[4];
    ULONG   cKerningPairs;
    ULONG   ulPanoseCulture;
    PANOSE  panose;
} IFIMETRICS, *PIFIMETRICS;

// DrvGetGlyphMode
#define FO_HGLYPHS       0
#define FO_GLYPHBITS     1
#define FO_PATHOBJ       2

// ---- blending and gradients -----------------------------------------------------------------------------------
typedef struct _BLENDOBJ {
    BLENDFUNCTION BlendFunction;
} BLENDOBJ, *PBLENDOBJ;
static_assert(sizeof(BLENDOBJ) == 4);

// ---- document and escape flags ----------------------------------------------------------------------------------
#define ED_ABORTDOC 0x00000001

// DrvQueryDriverInfo
#define DRVQUERY_USERMODE 1

// DrvDitherColor
#define DM_DEFAULT    0x00000001
#define DM_MONOCHROME 0x00000002
#define DCR_SOLID     0
#define DCR_DRIVER    1
#define DCR_HALFTONE  2

// ---- the DDI hooks ------------------------------------------------------------------------------------------------
typedef BOOL   (APIENTRY* PFN_DrvEnableDriver)(ULONG iEngineVersion, ULONG cj, DRVENABLEDATA* pded);
typedef VOID   (APIENTRY* PFN_DrvDisableDriver)(VOID);
typedef BOOL   (APIENTRY* PFN_DrvQueryDriverInfo)(DWORD dwMode, PVOID pBuffer, DWORD cbBuf, PDWORD pcbNeeded);
typedef DHPDEV (APIENTRY* PFN_DrvEnablePDEV)(DEVMODEW* pdm, LPWSTR pwszLogAddress, ULONG cPat,
                                             HSURF* phsurfPatterns, ULONG cjCaps, ULONG* pdevcaps,
                                             ULONG cjDevInfo, DEVINFO* pdi, HDEV hdev, LPWSTR pwszDeviceName,
                                             HANDLE hDriver);
typedef VOID   (APIENTRY* PFN_DrvCompletePDEV)(DHPDEV dhpdev, HDEV hdev);
typedef VOID   (APIENTRY* PFN_DrvDisablePDEV)(DHPDEV dhpdev);
typedef BOOL   (APIENTRY* PFN_DrvResetPDEV)(DHPDEV dhpdevOld, DHPDEV dhpdevNew);
typedef HSURF  (APIENTRY* PFN_DrvEnableSurface)(DHPDEV dhpdev);
typedef VOID   (APIENTRY* PFN_DrvDisableSurface)(DHPDEV dhpdev);
typedef BOOL   (APIENTRY* PFN_DrvStartDoc)(SURFOBJ* pso, LPWSTR pwszDocName, DWORD dwJobId);
typedef BOOL   (APIENTRY* PFN_DrvEndDoc)(SURFOBJ* pso, FLONG fl);
typedef BOOL   (APIENTRY* PFN_DrvStartPage)(SURFOBJ* pso);
typedef BOOL   (APIENTRY* PFN_DrvSendPage)(SURFOBJ* pso);
typedef BOOL   (APIENTRY* PFN_DrvStartBanding)(SURFOBJ* pso, POINTL* pptl);
typedef BOOL   (APIENTRY* PFN_DrvNextBand)(SURFOBJ* pso, POINTL* pptl);
typedef ULONG  (APIENTRY* PFN_DrvEscape)(SURFOBJ* pso, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut,
                                         PVOID pvOut);
typedef ULONG  (APIENTRY* PFN_DrvDrawEscape)(SURFOBJ* pso, ULONG iEsc, CLIPOBJ* pco, RECTL* prcl, ULONG cjIn,
                                             PVOID pvIn);
typedef BOOL   (APIENTRY* PFN_DrvCopyBits)(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo,
                                           RECTL* prclDest, POINTL* pptlSrc);
typedef BOOL   (APIENTRY* PFN_DrvBitBlt)(SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco,
                                         XLATEOBJ* pxlo, RECTL* prclTrg, POINTL* pptlSrc, POINTL* pptlMask,
                                         BRUSHOBJ* pbo, POINTL* pptlBrush, ROP4 rop4);
typedef BOOL   (APIENTRY* PFN_DrvStretchBlt)(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco,
                                             XLATEOBJ* pxlo, COLORADJUSTMENT* pca, POINTL* pptlHTOrg,
                                             RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask, ULONG iMode);
typedef BOOL   (APIENTRY* PFN_DrvStretchBltROP)(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask,
                                                CLIPOBJ* pco, XLATEOBJ* pxlo, COLORADJUSTMENT* pca,
                                                POINTL* pptlHTOrg, RECTL* prclDest, RECTL* prclSrc,
                                                POINTL* pptlMask, ULONG iMode, BRUSHOBJ* pbo, DWORD rop4);
typedef BOOL   (APIENTRY* PFN_DrvGradientFill)(SURFOBJ* psoDest, CLIPOBJ* pco, XLATEOBJ* pxlo,
                                               TRIVERTEX* pVertex, ULONG nVertex, PVOID pMesh, ULONG nMesh,
                                               RECTL* prclExtents, POINTL* pptlDitherOrg, ULONG ulMode);
typedef BOOL   (APIENTRY* PFN_DrvStrokePath)(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo,
                                             BRUSHOBJ* pbo, POINTL* pptlBrushOrg, LINEATTRS* plineattrs,
                                             MIX mix);
typedef BOOL   (APIENTRY* PFN_DrvFillPath)(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo,
                                           POINTL* pptlBrushOrg, MIX mix, FLONG flOptions);
typedef BOOL   (APIENTRY* PFN_DrvStrokeAndFillPath)(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo,
                                                    BRUSHOBJ* pboStroke, LINEATTRS* plineattrs,
                                                    BRUSHOBJ* pboFill, POINTL* pptlBrushOrg, MIX mixFill,
                                                    FLONG flOptions);
typedef BOOL   (APIENTRY* PFN_DrvLineTo)(SURFOBJ* pso, CLIPOBJ* pco, BRUSHOBJ* pbo, LONG x1, LONG y1, LONG x2,
                                         LONG y2, RECTL* prclBounds, MIX mix);
typedef BOOL   (APIENTRY* PFN_DrvTextOut)(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* pfo, CLIPOBJ* pco,
                                          RECTL* prclExtra, RECTL* prclOpaque, BRUSHOBJ* pboFore,
                                          BRUSHOBJ* pboOpaque, POINTL* pptlOrg, MIX mix);
typedef ULONG  (APIENTRY* PFN_DrvGetGlyphMode)(DHPDEV dhpdev, FONTOBJ* pfo);
typedef BOOL   (APIENTRY* PFN_DrvRealizeBrush)(BRUSHOBJ* pbo, SURFOBJ* psoTarget, SURFOBJ* psoPattern,
                                               SURFOBJ* psoMask, XLATEOBJ* pxlo, ULONG iHatch);
typedef ULONG  (APIENTRY* PFN_DrvDitherColor)(DHPDEV dhpdev, ULONG iMode, ULONG rgb, ULONG* pul);

// ---- engine services ------------------------------------------------------------------------------------------------
// Surfaces. EngCreateBitmap takes lWidth as the byte distance from one scan line to the next; a bitmap without
// BMF_TOPDOWN has its first scan line at the bottom (pvScan0 then points at the top line and lDelta is negative).
PLATFORM_API HBITMAP  APIENTRY EngCreateBitmap(SIZEL sizl, LONG lWidth, ULONG iFormat, FLONG fl, PVOID pvBits);
PLATFORM_API HSURF    APIENTRY EngCreateDeviceSurface(DHSURF dhsurf, SIZEL sizl, ULONG iFormatCompat);
PLATFORM_API BOOL     APIENTRY EngAssociateSurface(HSURF hsurf, HDEV hdev, FLONG flHooks);
PLATFORM_API BOOL     APIENTRY EngMarkBandingSurface(HSURF hsurf);
PLATFORM_API SURFOBJ* APIENTRY EngLockSurface(HSURF hsurf);
PLATFORM_API VOID     APIENTRY EngUnlockSurface(SURFOBJ* pso);
PLATFORM_API BOOL     APIENTRY EngDeleteSurface(HSURF hsurf);
PLATFORM_API BOOL     APIENTRY EngEraseSurface(SURFOBJ* pso, RECTL* prcl, ULONG iColor);

// Palettes.
PLATFORM_API HPALETTE APIENTRY EngCreatePalette(ULONG iMode, ULONG cColors, ULONG* pulColors, FLONG flRed,
                                                FLONG flGreen, FLONG flBlue);
PLATFORM_API BOOL     APIENTRY EngDeletePalette(HPALETTE hpal);

// Modules: a file mapped read-only into the process.
PLATFORM_API HANDLE   APIENTRY EngLoadModule(LPWSTR pwsz);
PLATFORM_API VOID     APIENTRY EngFreeModule(HANDLE h);

// Text in the ANSI code page (932).
PLATFORM_API VOID APIENTRY EngUnicodeToMultiByteN(LPSTR MultiByteString, ULONG MaxBytesInMultiByteString,
                                                  PULONG BytesInMultiByteString, PWSTR UnicodeString,
                                                  ULONG BytesInUnicodeString);
PLATFORM_API VOID APIENTRY EngMultiByteToUnicodeN(LPWSTR UnicodeString, ULONG MaxBytesInUnicodeString,
                                                  PULONG BytesInUnicodeString, PCHAR MultiByteString,
                                                  ULONG BytesInMultiByteString);

// Clip objects.
PLATFORM_API ULONG    APIENTRY CLIPOBJ_cEnumStart(CLIPOBJ* pco, BOOL bAll, ULONG iType, ULONG iDirection,
                                                  ULONG cLimit);
PLATFORM_API BOOL     APIENTRY CLIPOBJ_bEnum(CLIPOBJ* pco, ULONG cj, ULONG* pul);
PLATFORM_API PATHOBJ* APIENTRY CLIPOBJ_ppoGetPath(CLIPOBJ* pco);

// Paths.
PLATFORM_API VOID APIENTRY PATHOBJ_vEnumStart(PATHOBJ* ppo);
PLATFORM_API BOOL APIENTRY PATHOBJ_bEnum(PATHOBJ* ppo, PATHDATA* ppd);
PLATFORM_API VOID APIENTRY PATHOBJ_vGetBounds(PATHOBJ* ppo, PRECTFX prectfx);
PLATFORM_API VOID APIENTRY EngDeletePath(PATHOBJ* ppo);

// Brushes.
PLATFORM_API PVOID APIENTRY BRUSHOBJ_pvAllocRbrush(BRUSHOBJ* pbo, ULONG cj);
PLATFORM_API PVOID APIENTRY BRUSHOBJ_pvGetRbrush(BRUSHOBJ* pbo);
PLATFORM_API ULONG APIENTRY BRUSHOBJ_ulGetBrushColor(BRUSHOBJ* pbo);

// Colour translation and transforms.
PLATFORM_API ULONG APIENTRY XLATEOBJ_iXlate(XLATEOBJ* pxlo, ULONG iColor);
PLATFORM_API ULONG APIENTRY XLATEOBJ_cGetPalette(XLATEOBJ* pxlo, ULONG iPal, ULONG cPal, ULONG* pPal);
PLATFORM_API ULONG APIENTRY XFORMOBJ_iGetXform(XFORMOBJ* pxo, XFORML* pxform);
PLATFORM_API BOOL  APIENTRY XFORMOBJ_bApplyXform(XFORMOBJ* pxo, ULONG iMode, ULONG cPoints, PVOID pvIn,
                                                 PVOID pvOut);

// Software rendering on bitmap surfaces, the drivers' fall-back.
PLATFORM_API BOOL APIENTRY EngBitBlt(SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco,
                                     XLATEOBJ* pxlo, RECTL* prclTrg, POINTL* pptlSrc, POINTL* pptlMask,
                                     BRUSHOBJ* pbo, POINTL* pptlBrush, ROP4 rop4);
PLATFORM_API BOOL APIENTRY EngCopyBits(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo,
                                       RECTL* prclDest, POINTL* pptlSrc);
PLATFORM_API BOOL APIENTRY EngStretchBlt(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco,
                                         XLATEOBJ* pxlo, COLORADJUSTMENT* pca, POINTL* pptlHTOrg,
                                         RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask, ULONG iMode);
PLATFORM_API BOOL APIENTRY EngStretchBltROP(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco,
                                            XLATEOBJ* pxlo, COLORADJUSTMENT* pca, POINTL* pptlHTOrg,
                                            RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask, ULONG iMode,
                                            BRUSHOBJ* pbo, DWORD rop4);
PLATFORM_API BOOL APIENTRY EngGradientFill(SURFOBJ* psoDest, CLIPOBJ* pco, XLATEOBJ* pxlo, TRIVERTEX* pVertex,
                                           ULONG nVertex, PVOID pMesh, ULONG nMesh, RECTL* prclExtents,
                                           POINTL* pptlDitherOrg, ULONG ulMode);

// Text on bitmap surfaces, the drivers' fall-back: the opaque rectangle in the opaque brush, then the glyphs in
// the foreground brush (the outlines of a string object the engine made; the glyph bitmaps of another's
// glyph list), then the extra rectangles.
PLATFORM_API BOOL APIENTRY EngTextOut(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* pfo, CLIPOBJ* pco, RECTL* prclExtra,
                                      RECTL* prclOpaque, BRUSHOBJ* pboFore, BRUSHOBJ* pboOpaque, POINTL* pptlOrg,
                                      MIX mix);

// Paths drawn in software on bitmap surfaces: a driver's fall-back for its path and line hooks.
PLATFORM_API BOOL APIENTRY EngFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo,
                                       POINTL* pptlBrushOrg, MIX mix, FLONG flOptions);
PLATFORM_API BOOL APIENTRY EngStrokePath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo,
                                         POINTL* pptlBrushOrg, LINEATTRS* plineattrs, MIX mix);
PLATFORM_API BOOL APIENTRY EngLineTo(SURFOBJ* pso, CLIPOBJ* pco, BRUSHOBJ* pbo, LONG x1, LONG y1, LONG x2, LONG y2,
                                     RECTL* prclBounds, MIX mix);

// ---- text: the string and font objects of DrvTextOut and their services ------------------------------------
static_assert(sizeof(IFIMETRICS) == 184);
static_assert(offsetof(IFIMETRICS, dpwszFamilyName) == 8);
static_assert(offsetof(IFIMETRICS, jWinCharSet) == 44);
static_assert(offsetof(IFIMETRICS, flInfo) == 48);
static_assert(offsetof(IFIMETRICS, fwdUnitsPerEm) == 56);
static_assert(offsetof(IFIMETRICS, chFirstChar) == 108);
static_assert(offsetof(IFIMETRICS, ptlBaseline) == 120);
static_assert(offsetof(IFIMETRICS, rclFontBox) == 144);
static_assert(offsetof(IFIMETRICS, panose) == 172);

// FONTOBJ.flFontType
#define FO_TYPE_RASTER   RASTER_FONTTYPE
#define FO_TYPE_DEVICE   DEVICE_FONTTYPE
#define FO_TYPE_TRUETYPE TRUETYPE_FONTTYPE
#define FO_SIM_BOLD      0x00002000
#define FO_SIM_ITALIC    0x00004000
#define FO_EM_HEIGHT     0x00008000
#define FO_VERT_FACE     0x00800000
#define FO_DBCS_FONT     0x01000000

// STROBJ.flAccel
#define SO_FLAG_DEFAULT_PLACEMENT        0x00000001
#define SO_HORIZONTAL                    0x00000002
#define SO_VERTICAL                      0x00000004
#define SO_REVERSED                      0x00000008
#define SO_ZERO_BEARINGS                 0x00000010
#define SO_CHAR_INC_EQUAL_BM_BASE        0x00000020
#define SO_MAXEXT_EQUAL_BM_SIDE          0x00000040
#define SO_DO_NOT_SUBSTITUTE_DEVICE_FONT 0x00000080
#define SO_GLYPHINDEX_TEXTOUT            0x00000100
#define SO_ESC_NOT_ORIENT                0x00000200
#define SO_DXDY                          0x00000400
#define SO_CHARACTER_EXTRA               0x00000800
#define SO_BREAK_EXTRA                   0x00001000

// IFIMETRICS.fsSelection
#define FM_SEL_ITALIC     0x0001
#define FM_SEL_UNDERSCORE 0x0002
#define FM_SEL_NEGATIVE   0x0004
#define FM_SEL_OUTLINED   0x0008
#define FM_SEL_STRIKEOUT  0x0010
#define FM_SEL_BOLD       0x0020
#define FM_SEL_REGULAR    0x0040

// IFIMETRICS.flInfo
#define FM_INFO_TECH_TRUETYPE         0x00000001
#define FM_INFO_ARB_XFORMS            0x00000010
#define FM_INFO_1BPP                  0x00000020
#define FM_INFO_CONSTANT_WIDTH        0x00001000
#define FM_INFO_RETURNS_OUTLINES      0x00008000
#define FM_INFO_RETURNS_STROKES       0x00010000
#define FM_INFO_RETURNS_BITMAPS       0x00020000
#define FM_INFO_RIGHT_HANDED          0x00080000
#define FM_INFO_OPTICALLY_FIXED_PITCH 0x00400000
#define FM_INFO_DBCS_FIXED_PITCH      0x10000000

typedef VOID (APIENTRY* PFN_DrvDestroyFont)(FONTOBJ* pfo);

// String objects: the glyphs of a DrvTextOut, their handles and device positions, handed out in batches.
PLATFORM_API VOID APIENTRY STROBJ_vEnumStart(STROBJ* pstro);
PLATFORM_API BOOL APIENTRY STROBJ_bEnum(STROBJ* pstro, ULONG* pc, PGLYPHPOS* ppgpos);

// Font objects: the font's metrics, its notional-to-device transform, and glyphs as bitmaps or outlines.
PLATFORM_API IFIMETRICS* APIENTRY FONTOBJ_pifi(FONTOBJ* pfo);
PLATFORM_API XFORMOBJ*   APIENTRY FONTOBJ_pxoGetXform(FONTOBJ* pfo);
PLATFORM_API ULONG       APIENTRY FONTOBJ_cGetGlyphs(FONTOBJ* pfo, ULONG iMode, ULONG cGlyph, HGLYPH* phg,
                                                     PVOID* ppvGlyph);
