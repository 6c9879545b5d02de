#pragma once
// test_modules.h - the test graphics module TESTDRV.DLL and the test interface module TESTUI.DLL: how a test
// sets them up, and how they report. Each hook or event they receive is written as one line of debug output
// ("TESTDRV DrvStartDoc Report 1", "TESTUI 5"), so the order of both modules' calls reads from the trace.

#include "win/windows.h"
#include "win/winddi.h"

struct TestDriverOptions {
    LONG bands = 0;                // 0: a plain bitmap surface; n: a banded one of n bands per page
    bool hookEscape = true;        // DrvEscape in the hook table
    // DrvEscape's answer to every code but kEchoEscape and refusedEscape, which it answers 0; it writes no
    // output. With escapeAnswer 1 the driver takes every escape a sender may send, and records them in order.
    ULONG escapeAnswer = 0;
    ULONG refusedEscape = 0;
    bool failEnableDriver = false;
    bool failEnablePDEV = false;
    bool failStartDoc = false;
    bool failEndDoc = false;       // DrvEndDoc answers FALSE with ERROR_DISK_FULL, as after a lost write
    // Drawing: the calls asked for on the surface (EngAssociateSurface), the capabilities in DEVINFO, whether
    // the path hooks decline (answer FALSE) instead of drawing, a device surface (no bits) instead of a bitmap.
    FLONG hooks = HOOK_BITBLT | HOOK_COPYBITS;
    FLONG graphicsCaps = 0;
    bool declinePaths = false;
    bool deviceSurface = false;
    // Reports the page's pixels before DrvSendPage (each band's before DrvNextBand) as "TESTDRV rows <y> <row>"
    // lines, '#' for black and '.' for white, and whitens each band once reported.
    bool reportPixels = false;
    // Text: DrvTextOut reports its arguments, its string's glyphs (through STROBJ_bEnum) and its font, and draws
    // through EngTextOut on a bitmap surface unless it declines; with reportGlyphs it also asks FONTOBJ_cGetGlyphs
    // for each glyph's bitmap and outline and reports them. DrvGetGlyphMode answers glyphMode.
    bool declineText = false;
    bool reportGlyphs = false;
    ULONG glyphMode = FO_GLYPHBITS;
    // With keepFontData, DrvTextOut keeps a count of its calls in each font's pvConsumer and reports
    // "fontdata <iUniq> calls <n>" ("new" when it had to make the data); DrvDestroyFont reports
    // "DrvDestroyFont <iUniq> calls <n>" and frees the data.
    bool keepFontData = false;
};

struct TestUiOptions {
    int failEvent = 0;             // the document event answered DOCUMENTEVENT_FAILURE, 0 none
    int escapeAtEvent = 0;         // at this event, ExtEscape(hdc, kEchoEscape) from inside the event
};

// The test driver's page: 1 bit per pixel, kPageWidth x kPageHeight pixels.
constexpr LONG kPageWidth = 64;
constexpr LONG kPageHeight = 40;

// The escape the test driver answers: the input bytes reversed into the output, and the input size + 1.
constexpr int kEchoEscape = 0x7000;

typedef void (*TestDriverSetupFn)(const TestDriverOptions* options);
typedef void (*TestUiSetupFn)(const TestUiOptions* options);

#define TEST_DRIVER_SETUP_SYMBOL "TestDriverSetup"
#define TEST_UI_SETUP_SYMBOL "TestUiSetup"
