#pragma once
// wingdi.h - GDI: the public devmode and the device-context calls.

#include "win/winbase.h"

#define CCHDEVICENAME 32
#define CCHFORMNAME   32
#define DM_SPECVERSION 0x0401

#pragma pack(push, 1)
typedef struct _devicemodeW {               // 220 bytes
    WCHAR dmDeviceName[CCHDEVICENAME];      // 0
    WORD  dmSpecVersion;                    // 64
    WORD  dmDriverVersion;                  // 66
    WORD  dmSize;                           // 68
    WORD  dmDriverExtra;                    // 70
    DWORD dmFields;                         // 72
    short dmOrientation;                    // 76
    short dmPaperSize;                      // 78
    short dmPaperLength;                    // 80
    short dmPaperWidth;                     // 82
    short dmScale;                          // 84
    short dmCopies;                         // 86
    short dmDefaultSource;                  // 88
    short dmPrintQuality;                   // 90
    short dmColor;                          // 92
    short dmDuplex;                         // 94
    short dmYResolution;                    // 96
    short dmTTOption;                       // 98
    short dmCollate;                        // 100
    WCHAR dmFormName[CCHFORMNAME];          // 102
    WORD  dmLogPixels;                      // 166
    DWORD dmBitsPerPel;                     // 168
    DWORD dmPelsWidth;                      // 172
    DWORD dmPelsHeight;                     // 176
    union {                                 // 180
        DWORD dmDisplayFlags;
        DWORD dmNup;
    };
    DWORD dmDisplayFrequency;               // 184
    DWORD dmICMMethod;                      // 188
    DWORD dmICMIntent;                      // 192
    DWORD dmMediaType;                      // 196
    DWORD dmDitherType;                     // 200
    DWORD dmReserved1;                      // 204
    DWORD dmReserved2;                      // 208
    DWORD dmPanningWidth;                   // 212
    DWORD dmPanningHeight;                  // 216
} DEVMODEW, *PDEVMODEW, *NPDEVMODEW, *LPDEVMODEW;
#pragma pack(pop)
static_assert(sizeof(DEVMODEW) == 220);
static_assert(offsetof(DEVMODEW, dmSpecVersion) == 64);
static_assert(offsetof(DEVMODEW, dmFields) == 72);
static_assert(offsetof(DEVMODEW, dmOrientation) == 76);
static_assert(offsetof(DEVMODEW, dmCollate) == 100);
static_assert(offsetof(DEVMODEW, dmFormName) == 102);
static_assert(offsetof(DEVMODEW, dmLogPixels) == 166);
static_assert(offsetof(DEVMODEW, dmBitsPerPel) == 168);
static_assert(offsetof(DEVMODEW, dmNup) == 180);
static_assert(offsetof(DEVMODEW, dmPanningHeight) == 216);

// dmFields
#define DM_ORIENTATION      0x00000001L
#define DM_PAPERSIZE        0x00000002L
#define DM_PAPERLENGTH      0x00000004L
#define DM_PAPERWIDTH       0x00000008L
#define DM_SCALE            0x00000010L
#define DM_POSITION         0x00000020L
#define DM_NUP              0x00000040L
#define DM_COPIES           0x00000100L
#define DM_DEFAULTSOURCE    0x00000200L
#define DM_PRINTQUALITY     0x00000400L
#define DM_COLOR            0x00000800L
#define DM_DUPLEX           0x00001000L
#define DM_YRESOLUTION      0x00002000L
#define DM_TTOPTION         0x00004000L
#define DM_COLLATE          0x00008000L
#define DM_FORMNAME         0x00010000L
#define DM_LOGPIXELS        0x00020000L
#define DM_BITSPERPEL       0x00040000L
#define DM_PELSWIDTH        0x00080000L
#define DM_PELSHEIGHT       0x00100000L
#define DM_DISPLAYFLAGS     0x00200000L
#define DM_DISPLAYFREQUENCY 0x00400000L
#define DM_ICMMETHOD        0x00800000L
#define DM_ICMINTENT        0x01000000L
#define DM_MEDIATYPE        0x02000000L
#define DM_DITHERTYPE       0x04000000L

#define DMORIENT_PORTRAIT   1
#define DMORIENT_LANDSCAPE  2

#define DMPAPER_LETTER      1
#define DMPAPER_LEGAL       5
#define DMPAPER_A3          8
#define DMPAPER_A4          9
#define DMPAPER_A5          11
#define DMPAPER_B4          12
#define DMPAPER_B5          13
#define DMPAPER_USER        256

#define DMBIN_UPPER         1
#define DMBIN_ONLYONE       1
#define DMBIN_LOWER         2
#define DMBIN_MIDDLE        3
#define DMBIN_MANUAL        4
#define DMBIN_ENVELOPE      5
#define DMBIN_ENVMANUAL     6
#define DMBIN_AUTO          7
#define DMBIN_TRACTOR       8
#define DMBIN_SMALLFMT      9
#define DMBIN_LARGEFMT      10
#define DMBIN_LARGECAPACITY 11
#define DMBIN_CASSETTE      14
#define DMBIN_FORMSOURCE    15
#define DMBIN_USER          256

#define DMRES_DRAFT         (-1)
#define DMRES_LOW           (-2)
#define DMRES_MEDIUM        (-3)
#define DMRES_HIGH          (-4)

#define DMCOLOR_MONOCHROME  1
#define DMCOLOR_COLOR       2

#define DMDUP_SIMPLEX       1
#define DMDUP_VERTICAL      2
#define DMDUP_HORIZONTAL    3

#define DMTT_BITMAP           1
#define DMTT_DOWNLOAD         2
#define DMTT_SUBDEV           3
#define DMTT_DOWNLOAD_OUTLINE 4

#define DMCOLLATE_FALSE     0
#define DMCOLLATE_TRUE      1

#define DMNUP_SYSTEM        1
#define DMNUP_ONEUP         2

#define DMICMMETHOD_NONE    1
#define DMICMMETHOD_SYSTEM  2
#define DMICMMETHOD_DRIVER  3
#define DMICMMETHOD_DEVICE  4

#define DMMEDIA_STANDARD     1
#define DMMEDIA_TRANSPARENCY 2
#define DMMEDIA_GLOSSY       3
#define DMMEDIA_USER         256

#define DMDITHER_NONE        1
#define DMDITHER_COARSE      2
#define DMDITHER_FINE        3
#define DMDITHER_LINEART     4
#define DMDITHER_GRAYSCALE   10
#define DMDITHER_USER        256

typedef struct tagBITMAP {
    LONG   bmType;
    LONG   bmWidth;
    LONG   bmHeight;
    LONG   bmWidthBytes;
    WORD   bmPlanes;
    WORD   bmBitsPixel;
    LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;
static_assert(sizeof(BITMAP) == 24);

PLATFORM_API BOOL WINAPI DeleteObject(HGDIOBJ ho);
PLATFORM_API int  WINAPI GetObjectW(HANDLE h, int c, LPVOID pv);

// ---- fonts, colour adjustment, blending and gradients --------------------------------------------------------
#define LF_FACESIZE 32

typedef struct tagLOGFONTW {       // 92 bytes
    LONG  lfHeight;
    LONG  lfWidth;
    LONG  lfEscapement;
    LONG  lfOrientation;
    LONG  lfWeight;
    BYTE  lfItalic;
    BYTE  lfUnderline;
    BYTE  lfStrikeOut;
    BYTE  lfCharSet;
    BYTE  lfOutPrecision;
    BYTE  lfClipPrecision;
    BYTE  lfQuality;
    BYTE  lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
} LOGFONTW, *PLOGFONTW, *LPLOGFONTW;
static_assert(sizeof(LOGFONTW) == 92);

typedef struct tagCOLORADJUSTMENT { // 24 bytes
    WORD  caSize;
    WORD  caFlags;
    WORD  caIlluminantIndex;
    WORD  caRedGamma;
    WORD  caGreenGamma;
    WORD  caBlueGamma;
    WORD  caReferenceBlack;
    WORD  caReferenceWhite;
    SHORT caContrast;
    SHORT caBrightness;
    SHORT caColorfulness;
    SHORT caRedGreenTint;
} COLORADJUSTMENT, *PCOLORADJUSTMENT, *LPCOLORADJUSTMENT;
static_assert(sizeof(COLORADJUSTMENT) == 24);

typedef struct _BLENDFUNCTION {
    BYTE BlendOp;
    BYTE BlendFlags;
    BYTE SourceConstantAlpha;
    BYTE AlphaFormat;
} BLENDFUNCTION, *PBLENDFUNCTION;

typedef USHORT COLOR16;

typedef struct _TRIVERTEX {        // 16 bytes
    LONG    x;
    LONG    y;
    COLOR16 Red;
    COLOR16 Green;
    COLOR16 Blue;
    COLOR16 Alpha;
} TRIVERTEX, *PTRIVERTEX, *LPTRIVERTEX;
static_assert(sizeof(TRIVERTEX) == 16);

typedef struct _GRADIENT_TRIANGLE {
    ULONG Vertex1;
    ULONG Vertex2;
    ULONG Vertex3;
} GRADIENT_TRIANGLE, *PGRADIENT_TRIANGLE;

typedef struct _GRADIENT_RECT {
    ULONG UpperLeft;
    ULONG LowerRight;
} GRADIENT_RECT, *PGRADIENT_RECT;

#define GRADIENT_FILL_RECT_H   0x00000000
#define GRADIENT_FILL_RECT_V   0x00000001
#define GRADIENT_FILL_TRIANGLE 0x00000002
#define GRADIENT_FILL_OP_FLAG  0x000000FF

// stretching modes
#define BLACKONWHITE      1
#define WHITEONBLACK      2
#define COLORONCOLOR      3
#define HALFTONE          4
#define MAXSTRETCHBLTMODE 4

// ternary raster operations: the operation code in the high word, the ROP3 index in bits 16-23
#define SRCCOPY     0x00CC0020
#define SRCPAINT    0x00EE0086
#define SRCAND      0x008800C6
#define SRCINVERT   0x00660046
#define SRCERASE    0x00440328
#define NOTSRCCOPY  0x00330008
#define NOTSRCERASE 0x001100A6
#define MERGECOPY   0x00C000CA
#define MERGEPAINT  0x00BB0226
#define PATCOPY     0x00F00021
#define PATPAINT    0x00FB0A09
#define PATINVERT   0x005A0049
#define DSTINVERT   0x00550009
#define BLACKNESS   0x00000042
#define WHITENESS   0x00FF0062

// path point types
#define PT_CLOSEFIGURE 0x01
#define PT_LINETO      0x02
#define PT_BEZIERTO    0x04
#define PT_MOVETO      0x06

// ---- printer device contexts ---------------------------------------------------------------------------------
#define DT_PLOTTER    0
#define DT_RASDISPLAY 1
#define DT_RASPRINTER 2

// GetDeviceCaps
#define DRIVERVERSION   0
#define TECHNOLOGY      2
#define HORZSIZE        4
#define VERTSIZE        6
#define HORZRES         8
#define VERTRES         10
#define BITSPIXEL       12
#define PLANES          14
#define NUMCOLORS       24
#define TEXTCAPS        34
#define RASTERCAPS      38
#define ASPECTX         40
#define ASPECTY         42
#define ASPECTXY        44
#define LOGPIXELSX      88
#define LOGPIXELSY      90
#define SIZEPALETTE     104
#define PHYSICALWIDTH   110
#define PHYSICALHEIGHT  111
#define PHYSICALOFFSETX 112
#define PHYSICALOFFSETY 113
#define SCALINGFACTORX  114
#define SCALINGFACTORY  115
#define SHADEBLENDCAPS  120

#define RC_BANDING 0x0002

typedef struct _DOCINFOW {         // 20 bytes
    int     cbSize;
    LPCWSTR lpszDocName;
    LPCWSTR lpszOutput;
    LPCWSTR lpszDatatype;
    DWORD   fwType;
} DOCINFOW, *LPDOCINFOW;
static_assert(sizeof(DOCINFOW) == 20);

#define SP_ERROR (-1)

#define QUERYESCSUPPORT 8
#define SETCOPYCOUNT    17
#define BEGIN_PATH      4096
#define CLIP_TO_PATH    4097
#define END_PATH        4098

// The modes of CLIP_TO_PATH.
#define CLIP_SAVE      0
#define CLIP_RESTORE   1
#define CLIP_INCLUSIVE 2

PLATFORM_API HDC  WINAPI CreateDCW(LPCWSTR pwszDriver, LPCWSTR pwszDevice, LPCWSTR pszPort, const DEVMODEW* pdm);
PLATFORM_API HDC  WINAPI ResetDCW(HDC hdc, const DEVMODEW* lpdm);
PLATFORM_API BOOL WINAPI DeleteDC(HDC hdc);
PLATFORM_API int  WINAPI GetDeviceCaps(HDC hdc, int index);
PLATFORM_API int  WINAPI StartDocW(HDC hdc, const DOCINFOW* lpdi);
PLATFORM_API int  WINAPI EndDoc(HDC hdc);
PLATFORM_API int  WINAPI AbortDoc(HDC hdc);
PLATFORM_API int  WINAPI StartPage(HDC hdc);
PLATFORM_API int  WINAPI EndPage(HDC hdc);
PLATFORM_API int  WINAPI ExtEscape(HDC hdc, int iEscape, int cjInput, LPCSTR lpInData, int cjOutput,
                                   LPSTR lpOutData);

// ---- printer settings: document-properties modes and device-capability queries ------------------------------
#define DM_UPDATE 1
#define DM_COPY   2
#define DM_PROMPT 4
#define DM_MODIFY 8

#define DM_IN_BUFFER   DM_MODIFY
#define DM_IN_PROMPT   DM_PROMPT
#define DM_OUT_BUFFER  DM_COPY
#define DM_OUT_DEFAULT DM_UPDATE

#define DC_FIELDS            1
#define DC_PAPERS            2
#define DC_PAPERSIZE         3
#define DC_MINEXTENT         4
#define DC_MAXEXTENT         5
#define DC_BINS              6
#define DC_DUPLEX            7
#define DC_SIZE              8
#define DC_EXTRA             9
#define DC_VERSION           10
#define DC_DRIVER            11
#define DC_BINNAMES          12
#define DC_ENUMRESOLUTIONS   13
#define DC_FILEDEPENDENCIES  14
#define DC_TRUETYPE          15
#define DC_PAPERNAMES        16
#define DC_ORIENTATION       17
#define DC_COPIES            18
#define DC_BINADJUST         19
#define DC_EMF_COMPLIANT     20
#define DC_DATATYPE_PRODUCED 21
#define DC_COLLATE           22
#define DC_MANUFACTURER      23
#define DC_MODEL             24
#define DC_PERSONALITY       25
#define DC_PRINTRATE         26
#define DC_PRINTRATEUNIT     27
#define DC_PRINTERMEM        28
#define DC_MEDIAREADY        29
#define DC_STAPLE            30
#define DC_PRINTRATEPPM      31
#define DC_COLORDEVICE       32
#define DC_NUP               33

// ---- logical fonts -----------------------------------------------------------------------------------------
#define ANSI_CHARSET     0
#define SYMBOL_CHARSET   2
#define SHIFTJIS_CHARSET 128
#define OEM_CHARSET      255

#define DEFAULT_PITCH  0
#define FIXED_PITCH    1
#define VARIABLE_PITCH 2

#define FF_DONTCARE 0x00
#define FF_ROMAN    0x10
#define FF_SWISS    0x20
#define FF_MODERN   0x30

#define FW_DONTCARE 0
#define FW_NORMAL   400
#define FW_BOLD     700

#define OUT_DEFAULT_PRECIS   0
#define OUT_STRING_PRECIS    1
#define OUT_CHARACTER_PRECIS 2

#define CLIP_DEFAULT_PRECIS   0
#define CLIP_CHARACTER_PRECIS 1

#define DEFAULT_QUALITY 0
#define DRAFT_QUALITY   1
#define PROOF_QUALITY   2

// ---- drawing: objects, attributes, lines, shapes, paths, bitmaps and blits ------------------------------------
#define CLR_INVALID 0xFFFFFFFF
#define GDI_ERROR   (0xFFFFFFFFL)
#define HGDI_ERROR  ((HANDLE)(LONG_PTR)-1)

// pen styles
#define PS_SOLID        0
#define PS_DASH         1
#define PS_DOT          2
#define PS_DASHDOT      3
#define PS_DASHDOTDOT   4
#define PS_NULL         5
#define PS_INSIDEFRAME  6
#define PS_USERSTYLE    7
#define PS_ALTERNATE    8
#define PS_STYLE_MASK   0x0000000F
#define PS_ENDCAP_ROUND 0x00000000
#define PS_ENDCAP_SQUARE 0x00000100
#define PS_ENDCAP_FLAT  0x00000200
#define PS_ENDCAP_MASK  0x00000F00
#define PS_JOIN_ROUND   0x00000000
#define PS_JOIN_BEVEL   0x00001000
#define PS_JOIN_MITER   0x00002000
#define PS_JOIN_MASK    0x0000F000
#define PS_COSMETIC     0x00000000
#define PS_GEOMETRIC    0x00010000
#define PS_TYPE_MASK    0x000F0000

// brush styles and hatches
#define BS_SOLID         0
#define BS_NULL          1
#define BS_HOLLOW        BS_NULL
#define BS_HATCHED       2
#define BS_PATTERN       3
#define BS_INDEXED       4
#define BS_DIBPATTERN    5
#define BS_DIBPATTERNPT  6
#define BS_PATTERN8X8    7
#define BS_DIBPATTERN8X8 8

#define HS_HORIZONTAL 0
#define HS_VERTICAL   1
#define HS_FDIAGONAL  2
#define HS_BDIAGONAL  3
#define HS_CROSS      4
#define HS_DIAGCROSS  5

// binary raster operations (SetROP2, and the two halves of a DDI mix)
#define R2_BLACK       1
#define R2_NOTMERGEPEN 2
#define R2_MASKNOTPEN  3
#define R2_NOTCOPYPEN  4
#define R2_MASKPENNOT  5
#define R2_NOT         6
#define R2_XORPEN      7
#define R2_NOTMASKPEN  8
#define R2_MASKPEN     9
#define R2_NOTXORPEN   10
#define R2_NOP         11
#define R2_MERGENOTPEN 12
#define R2_COPYPEN     13
#define R2_MERGEPENNOT 14
#define R2_MERGEPEN    15
#define R2_WHITE       16
#define R2_LAST        16

// stock objects
#define WHITE_BRUSH  0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH   2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH  4
#define NULL_BRUSH   5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN    6
#define BLACK_PEN    7
#define NULL_PEN     8

// object types (GetCurrentObject)
#define OBJ_PEN    1
#define OBJ_BRUSH  2
#define OBJ_DC     3
#define OBJ_PAL    5
#define OBJ_FONT   6
#define OBJ_BITMAP 7
#define OBJ_REGION 8
#define OBJ_MEMDC  10
#define OBJ_EXTPEN 11

// regions
#define RGN_AND  1
#define RGN_OR   2
#define RGN_XOR  3
#define RGN_DIFF 4
#define RGN_COPY 5

#define ERROR         0
#define NULLREGION    1
#define SIMPLEREGION  2
#define COMPLEXREGION 3
#define RGN_ERROR     ERROR

// fill, background and mapping modes
#define ALTERNATE   1
#define WINDING     2
#define TRANSPARENT 1
#define OPAQUE      2
#define MM_TEXT        1
#define MM_LOMETRIC    2
#define MM_HIMETRIC    3
#define MM_LOENGLISH   4
#define MM_HIENGLISH   5
#define MM_TWIPS       6
#define MM_ISOTROPIC   7
#define MM_ANISOTROPIC 8

// device-independent bitmaps
#define DIB_RGB_COLORS 0
#define DIB_PAL_COLORS 1
#define BI_RGB       0
#define BI_RLE8      1
#define BI_RLE4      2
#define BI_BITFIELDS 3

typedef struct tagLOGPEN {         // 16 bytes
    UINT     lopnStyle;
    POINT    lopnWidth;            // x is the width; y is unused
    COLORREF lopnColor;
} LOGPEN, *PLOGPEN, *LPLOGPEN;
static_assert(sizeof(LOGPEN) == 16);

typedef struct tagLOGBRUSH {       // 12 bytes
    UINT      lbStyle;
    COLORREF  lbColor;
    ULONG_PTR lbHatch;
} LOGBRUSH, *PLOGBRUSH, *LPLOGBRUSH;
static_assert(sizeof(LOGBRUSH) == 12);

typedef struct tagEXTLOGPEN {      // 28 bytes with one style entry
    DWORD     elpPenStyle;
    DWORD     elpWidth;
    UINT      elpBrushStyle;
    COLORREF  elpColor;
    ULONG_PTR elpHatch;
    DWORD     elpNumEntries;
    DWORD     elpStyleEntry[1];
} EXTLOGPEN, *PEXTLOGPEN, *LPEXTLOGPEN;
static_assert(sizeof(EXTLOGPEN) == 28);

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD, *LPRGBQUAD;

typedef struct tagBITMAPINFOHEADER {   // 40 bytes
    DWORD biSize;
    LONG  biWidth;
    LONG  biHeight;                    // positive: bottom-up rows; negative: top-down
    WORD  biPlanes;
    WORD  biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG  biXPelsPerMeter;
    LONG  biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER, *PBITMAPINFOHEADER, *LPBITMAPINFOHEADER;
static_assert(sizeof(BITMAPINFOHEADER) == 40);

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD          bmiColors[1];
} BITMAPINFO, *PBITMAPINFO, *LPBITMAPINFO;
static_assert(sizeof(BITMAPINFO) == 44);

typedef struct tagDIBSECTION {     // 84 bytes
    BITMAP           dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD            dsBitfields[3];
    HANDLE           dshSection;
    DWORD            dsOffset;
} DIBSECTION, *PDIBSECTION, *LPDIBSECTION;
static_assert(sizeof(DIBSECTION) == 84);
static_assert(offsetof(DIBSECTION, dsBmih) == 24);
static_assert(offsetof(DIBSECTION, dsBitfields) == 64);

// objects
PLATFORM_API HPEN    WINAPI CreatePen(int iStyle, int cWidth, COLORREF color);
PLATFORM_API HPEN    WINAPI CreatePenIndirect(const LOGPEN* plpen);
PLATFORM_API HPEN    WINAPI ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH* plbrush, DWORD cStyle,
                                         const DWORD* pstyle);
PLATFORM_API HBRUSH  WINAPI CreateSolidBrush(COLORREF color);
PLATFORM_API HBRUSH  WINAPI CreateHatchBrush(int iHatch, COLORREF color);
PLATFORM_API HBRUSH  WINAPI CreatePatternBrush(HBITMAP hbm);
PLATFORM_API HBRUSH  WINAPI CreateDIBPatternBrushPt(const VOID* lpPackedDIB, UINT iUsage);
PLATFORM_API HBRUSH  WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush);
PLATFORM_API HGDIOBJ WINAPI GetStockObject(int i);
PLATFORM_API HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
PLATFORM_API HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);

// regions and clipping
PLATFORM_API HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2);
PLATFORM_API HRGN WINAPI CreateRectRgnIndirect(const RECT* lprect);
PLATFORM_API HRGN WINAPI CreatePolygonRgn(const POINT* pptl, int cPoint, int iMode);
PLATFORM_API int  WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
PLATFORM_API int  WINAPI SelectClipRgn(HDC hdc, HRGN hrgn);
PLATFORM_API int  WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
PLATFORM_API int  WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
PLATFORM_API int  WINAPI GetClipBox(HDC hdc, LPRECT lprect);

// attributes
PLATFORM_API COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
PLATFORM_API COLORREF WINAPI GetTextColor(HDC hdc);
PLATFORM_API COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
PLATFORM_API COLORREF WINAPI GetBkColor(HDC hdc);
PLATFORM_API int  WINAPI SetBkMode(HDC hdc, int mode);
PLATFORM_API int  WINAPI GetBkMode(HDC hdc);
PLATFORM_API int  WINAPI SetROP2(HDC hdc, int rop2);
PLATFORM_API int  WINAPI GetROP2(HDC hdc);
PLATFORM_API int  WINAPI SetPolyFillMode(HDC hdc, int mode);
PLATFORM_API int  WINAPI GetPolyFillMode(HDC hdc);
PLATFORM_API int  WINAPI SetStretchBltMode(HDC hdc, int mode);
PLATFORM_API int  WINAPI GetStretchBltMode(HDC hdc);
PLATFORM_API int  WINAPI SetMapMode(HDC hdc, int iMode);
PLATFORM_API int  WINAPI GetMapMode(HDC hdc);
PLATFORM_API BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
PLATFORM_API BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
PLATFORM_API BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
PLATFORM_API int  WINAPI SaveDC(HDC hdc);
PLATFORM_API BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC);

// lines and shapes
PLATFORM_API BOOL WINAPI LineTo(HDC hdc, int x, int y);
PLATFORM_API BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt);
PLATFORM_API BOOL WINAPI PolylineTo(HDC hdc, const POINT* apt, DWORD cpt);
PLATFORM_API BOOL WINAPI PolyBezier(HDC hdc, const POINT* apt, DWORD cpt);
PLATFORM_API BOOL WINAPI PolyBezierTo(HDC hdc, const POINT* apt, DWORD cpt);
PLATFORM_API BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt);
PLATFORM_API BOOL WINAPI PolyPolygon(HDC hdc, const POINT* apt, const INT* asz, int csz);
PLATFORM_API BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
PLATFORM_API BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom);
PLATFORM_API BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);
PLATFORM_API BOOL WINAPI Arc(HDC hdc, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
PLATFORM_API BOOL WINAPI Chord(HDC hdc, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
PLATFORM_API BOOL WINAPI Pie(HDC hdc, int left, int top, int right, int bottom, int xr1, int yr1, int xr2, int yr2);

// paths
PLATFORM_API BOOL WINAPI BeginPath(HDC hdc);
PLATFORM_API BOOL WINAPI EndPath(HDC hdc);
PLATFORM_API BOOL WINAPI AbortPath(HDC hdc);
PLATFORM_API BOOL WINAPI CloseFigure(HDC hdc);
PLATFORM_API BOOL WINAPI FillPath(HDC hdc);
PLATFORM_API BOOL WINAPI StrokePath(HDC hdc);
PLATFORM_API BOOL WINAPI StrokeAndFillPath(HDC hdc);
PLATFORM_API BOOL WINAPI SelectClipPath(HDC hdc, int mode);

// bitmaps, memory device contexts and blits
PLATFORM_API HDC     WINAPI CreateCompatibleDC(HDC hdc);
PLATFORM_API HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy);
PLATFORM_API HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const VOID* lpBits);
PLATFORM_API HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, VOID** ppvBits,
                                             HANDLE hSection, DWORD offset);
PLATFORM_API int      WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits,
                                       LPBITMAPINFO lpbmi, UINT usage);
PLATFORM_API int      WINAPI SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const VOID* lpBits,
                                       const BITMAPINFO* lpbmi, UINT ColorUse);
PLATFORM_API COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
PLATFORM_API COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
PLATFORM_API BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
PLATFORM_API BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
PLATFORM_API BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                                    int ySrc, int wSrc, int hSrc, DWORD rop);
PLATFORM_API int  WINAPI StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc,
                                       int ySrc, int SrcWidth, int SrcHeight, const VOID* lpBits,
                                       const BITMAPINFO* lpbmi, UINT iUsage, DWORD rop);
PLATFORM_API int  WINAPI SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc,
                                           UINT StartScan, UINT cLines, const VOID* lpvBits,
                                           const BITMAPINFO* lpbmi, UINT ColorUse);

// ---- fonts and text ------------------------------------------------------------------------------------------
#define DEFAULT_CHARSET 1
#define FW_SEMIBOLD     600
#define SYSTEM_FONT     13

#define LF_FULLFACESIZE 64

// EnumFontFamilies FontType
#define RASTER_FONTTYPE   0x0001
#define DEVICE_FONTTYPE   0x0002
#define TRUETYPE_FONTTYPE 0x0004

// tmPitchAndFamily: TMPF_FIXED_PITCH set means a variable-pitch font
#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR      0x02
#define TMPF_TRUETYPE    0x04
#define TMPF_DEVICE      0x08

// ntmFlags
#define NTM_ITALIC  0x00000001
#define NTM_BOLD    0x00000020
#define NTM_REGULAR 0x00000040

// SetTextAlign
#define TA_NOUPDATECP 0
#define TA_UPDATECP   1
#define TA_LEFT       0
#define TA_RIGHT      2
#define TA_CENTER     6
#define TA_TOP        0
#define TA_BOTTOM     8
#define TA_BASELINE   24
#define TA_MASK       (TA_BASELINE | TA_CENTER | TA_UPDATECP)

// ExtTextOut
#define ETO_OPAQUE  0x0002
#define ETO_CLIPPED 0x0004

typedef struct tagTEXTMETRICW {    // 60 bytes
    LONG  tmHeight;
    LONG  tmAscent;
    LONG  tmDescent;
    LONG  tmInternalLeading;
    LONG  tmExternalLeading;
    LONG  tmAveCharWidth;
    LONG  tmMaxCharWidth;
    LONG  tmWeight;
    LONG  tmOverhang;
    LONG  tmDigitizedAspectX;
    LONG  tmDigitizedAspectY;
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE  tmItalic;
    BYTE  tmUnderlined;
    BYTE  tmStruckOut;
    BYTE  tmPitchAndFamily;
    BYTE  tmCharSet;
} TEXTMETRICW, *PTEXTMETRICW, *LPTEXTMETRICW;
static_assert(sizeof(TEXTMETRICW) == 60);
static_assert(offsetof(TEXTMETRICW, tmFirstChar) == 44);
static_assert(offsetof(TEXTMETRICW, tmItalic) == 52);

typedef struct tagNEWTEXTMETRICW { // 76 bytes: the TEXTMETRICW fields, then four of its own
    LONG  tmHeight;
    LONG  tmAscent;
    LONG  tmDescent;
    LONG  tmInternalLeading;
    LONG  tmExternalLeading;
    LONG  tmAveCharWidth;
    LONG  tmMaxCharWidth;
    LONG  tmWeight;
    LONG  tmOverhang;
    LONG  tmDigitizedAspectX;
    LONG  tmDigitizedAspectY;
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE  tmItalic;
    BYTE  tmUnderlined;
    BYTE  tmStruckOut;
    BYTE  tmPitchAndFamily;
    BYTE  tmCharSet;
    DWORD ntmFlags;
    UINT  ntmSizeEM;
    UINT  ntmCellHeight;
    UINT  ntmAvgWidth;
} NEWTEXTMETRICW, *PNEWTEXTMETRICW, *LPNEWTEXTMETRICW;
static_assert(sizeof(NEWTEXTMETRICW) == 76);
static_assert(offsetof(NEWTEXTMETRICW, ntmFlags) == 60);

typedef struct tagFONTSIGNATURE {
    DWORD fsUsb[4];
    DWORD fsCsb[2];
} FONTSIGNATURE, *PFONTSIGNATURE, *LPFONTSIGNATURE;

typedef struct tagNEWTEXTMETRICEXW { // 100 bytes
    NEWTEXTMETRICW ntmTm;
    FONTSIGNATURE  ntmFontSig;
} NEWTEXTMETRICEXW;
static_assert(sizeof(NEWTEXTMETRICEXW) == 100);

typedef struct tagENUMLOGFONTW {   // 284 bytes
    LOGFONTW elfLogFont;
    WCHAR    elfFullName[LF_FULLFACESIZE];
    WCHAR    elfStyle[LF_FACESIZE];
} ENUMLOGFONTW, *LPENUMLOGFONTW;
static_assert(sizeof(ENUMLOGFONTW) == 284);

typedef struct tagENUMLOGFONTEXW { // 348 bytes
    LOGFONTW elfLogFont;
    WCHAR    elfFullName[LF_FULLFACESIZE];
    WCHAR    elfStyle[LF_FACESIZE];
    WCHAR    elfScript[LF_FACESIZE];
} ENUMLOGFONTEXW, *LPENUMLOGFONTEXW;
static_assert(sizeof(ENUMLOGFONTEXW) == 348);

// The callback gets an ENUMLOGFONTW (ENUMLOGFONTEXW from the Ex call) and a NEWTEXTMETRICW (NEWTEXTMETRICEXW).
typedef int (CALLBACK* FONTENUMPROCW)(const LOGFONTW* lpelfe, const TEXTMETRICW* lpntme, DWORD FontType,
                                      LPARAM lParam);

PLATFORM_API HFONT WINAPI CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                                      DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                                      DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                                      DWORD iPitchAndFamily, LPCWSTR pszFaceName);
PLATFORM_API HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf);
PLATFORM_API BOOL  WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm);
PLATFORM_API BOOL  WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl);
PLATFORM_API BOOL  WINAPI GetCharWidth32W(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer);
PLATFORM_API int   WINAPI GetTextFaceW(HDC hdc, int c, LPWSTR lpName);
PLATFORM_API int   WINAPI EnumFontFamiliesW(HDC hdc, LPCWSTR lpLogfont, FONTENUMPROCW lpProc, LPARAM lParam);
PLATFORM_API int   WINAPI EnumFontFamiliesExW(HDC hdc, LPLOGFONTW lpLogfont, FONTENUMPROCW lpProc, LPARAM lParam,
                                              DWORD dwFlags);
PLATFORM_API UINT  WINAPI SetTextAlign(HDC hdc, UINT align);
PLATFORM_API UINT  WINAPI GetTextAlign(HDC hdc);
PLATFORM_API int   WINAPI SetTextCharacterExtra(HDC hdc, int extra);
PLATFORM_API int   WINAPI GetTextCharacterExtra(HDC hdc);
PLATFORM_API BOOL  WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c);
PLATFORM_API BOOL  WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString,
                                      UINT c, const INT* lpDx);
