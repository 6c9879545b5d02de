// devmode_validate_test.cpp - what validation makes of a devmode: geometry of standard, rotated and
// user-defined papers, zoom fits, the resolution change, duplex, fax mode and the derived bytes.
#include "settings/paper/custom_paper_geometry.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_validate.h"
#include "settings/res_library_fixture.h"

#include <cstring>
#include <limits>

// Rectangles compare and print as their four sides; found by argument lookup, so at the global scope.
static bool operator==(const RECTL& a, const RECTL& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& os, const RECTL& r)
{
    return os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// Packed fields may sit at odd addresses: they are compared by value, never bound to a reference.
template <typename T>
T Val(T value)
{
    return value;
}


class DevmodeValidate : public ResModuleTest {
protected:
    void SetUp() override
    {
        ResModuleTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(BuildDefaultDevmode(m_cell, &m_dm, nullptr, m_hPrinter));
    }

    BOOL Validate() { return ValidateDevmode(m_cell, &m_dm, m_hPrinter); }

    // Stores user-defined size n (1..10) as the printer data the driver reads it from.
    void StoreCustomSize(int number, DWORD width, DWORD length)
    {
        BYTE entry[44] = {};
        std::memcpy(entry, &width, 4);
        std::memcpy(entry + 4, &length, 4);
        const WORD unit = 1;
        std::memcpy(entry + 8, &unit, 2);
        std::u16string name = u"UDPaper" + std::u16string(1, static_cast<char16_t>(u'0' + number));
        if (number == 10)
            name = u"UDPaper10";
        ASSERT_EQ(SetPrinterDataW(m_hPrinter, name.data(), REG_BINARY, entry, sizeof entry), ERROR_SUCCESS);
    }

    DRIVER_DEVMODE m_dm = {};
};

TEST_F(DevmodeValidate, GivesAStandardPaperItsTableGeometryAtTheResolution)
{
    ASSERT_TRUE(Validate());
    const PRIVATE_DEVMODE& priv = m_dm.dmPrivate;
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperSize), 9);
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperWidth), 2100);
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperLength), 2970);
    EXPECT_EQ(Val(priv.printableRect), (RECTL{406, 406, 20594, 29294}));
    // Feature 22 holds 300 dpi pixels; 600 dpi doubles them.
    EXPECT_EQ(Val(priv.printableRectPixels), (RECTL{96, 96, 4864, 6918}));
    EXPECT_EQ(Val(priv.paperWidthPixels), 4960);
    EXPECT_EQ(Val(priv.paperLengthPixels), 7014);
    EXPECT_EQ(Val(priv.env.UDPaperWidth), 0);
    EXPECT_EQ(Val(m_dm.dmPublic.dmFields), 0x3703u) << "a standard paper carries no dimensions";
    // Zoom off: the output paper is the paper.
    EXPECT_EQ(Val(priv.lpOutputPaper), 9);
    EXPECT_EQ(Val(priv.env.outputPrintableRect), Val(priv.printableRect));
    EXPECT_EQ(Val(priv.outputPrintableRectPixels), Val(priv.printableRectPixels));
    EXPECT_EQ(Val(priv.outputWidthPixels), 4960);
    EXPECT_EQ(Val(priv.env.outputPaperWidth), 2100);
    EXPECT_EQ(Val(priv.Zoom), 100);
}

TEST_F(DevmodeValidate, FitsTheZoomToTheOutputPaperAndKeepsItsVariantInStepWithThePaper)
{
    m_dm.dmPublic.dmPaperSize = 4105;   // A4, the "_F" variant: no margins
    m_dm.dmPrivate.lpOutputPaper = 8;   // A3
    m_dm.dmPrivate.env.VQOutputPaperSize = 8;   // a chosen output paper, which does not follow the paper
    m_dm.dmPrivate.ZoomCheck = 1;
    ASSERT_TRUE(Validate());
    const PRIVATE_DEVMODE& priv = m_dm.dmPrivate;
    EXPECT_EQ(Val(priv.lpOutputPaper), 4104) << "the output paper takes the paper's variant bit";
    EXPECT_EQ(Val(priv.env.outputPrintableRect), (RECTL{0, 0, 29700, 42000}));
    EXPECT_EQ(Val(priv.Zoom), 141) << "A4 onto A3: min(100 x 29700 / 21000, 100 x 42000 / 29700)";
    EXPECT_EQ(Val(priv.env.lastFitPaperSize), 4105);
    EXPECT_EQ(Val(priv.env.zoomFitFlag), 1);
}

TEST_F(DevmodeValidate, GivesARotatedPaperTheGeometryOfItsOwnRow)
{
    m_dm.dmPublic.dmPaperSize = 2059;   // A5 turned
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperWidth), 1485);
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperLength), 2100);
    EXPECT_EQ(Val(m_dm.dmPrivate.printableRect), (RECTL{406, 406, 14444, 20594}));
    EXPECT_EQ(Val(m_dm.dmPrivate.paperWidthPixels), 1753 * 2);
}

TEST_F(DevmodeValidate, LeavesRoomForTheBindingMarginWhenTheZoomFitsIt)
{
    DEVMODE_ENV_EXTRA& env = m_dm.dmPrivate.env;
    m_dm.dmPrivate.ZoomCheck = 1;
    env.BindMargin_Check = 1;
    env.Layout_Check2 = 1;
    env.lpMarginMode = 2;
    env.lpBindMargin = 1;   // binds along the width
    env.fMargin = 10;       // mm
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Val(m_dm.dmPrivate.Zoom), 95) << "100 x (20188 - 1000) / 20188";
}

TEST_F(DevmodeValidate, SetsAZoomOutsideItsRangeToTheDefaultNotTheLimit)
{
    for (SHORT zoom : {SHORT(24), SHORT(401), SHORT(-5)}) {
        SCOPED_TRACE(zoom);
        DRIVER_DEVMODE dm = m_dm;
        dm.dmPrivate.ZoomCheck = 1;
        dm.dmPrivate.Zoom = zoom;
        ASSERT_TRUE(ValidateDevmode(m_cell, &dm, m_hPrinter));
        EXPECT_EQ(Val(dm.dmPrivate.Zoom), 100);
    }
    m_dm.dmPrivate.ZoomCheck = 1;
    m_dm.dmPrivate.Zoom = 25;
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Val(m_dm.dmPrivate.Zoom), 25) << "the minimum itself is kept";
}

TEST_F(DevmodeValidate, HalvesTheZoomWhenTheResolutionLeaves300Dpi)
{
    m_dm.dmPrivate.env.lpResolution = 300;   // validated last at 300 dpi
    m_dm.dmPrivate.env.zoomFitFlag = 1;
    m_dm.dmPrivate.ZoomCheck = 1;
    m_dm.dmPrivate.Zoom = 100;
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Val(m_dm.dmPublic.dmPrintQuality), 600);
    EXPECT_EQ(Val(m_dm.dmPrivate.ZoomCheck), 1);
    EXPECT_EQ(Val(m_dm.dmPrivate.Zoom), 50);
    EXPECT_EQ(Val(m_dm.dmPrivate.env.lpResolution), 600);
}

TEST_F(DevmodeValidate, KeepsDuplexInRangeAndInStepWithTheActiveFinishingPath)
{
    struct Case {
        SHORT duplex;
        SHORT expected;
        BYTE check;
    };
    for (const Case c : {Case{4, 1, 0}, Case{0, 1, 0}, Case{2, 2, 1}, Case{3, 3, 1}}) {
        SCOPED_TRACE(c.duplex);
        DRIVER_DEVMODE dm = m_dm;
        dm.dmPublic.dmDuplex = c.duplex;
        dm.dmPrivate.env.Duplex_Check = 1 - c.check;
        ASSERT_EQ(Val(dm.dmPrivate.env.Layout_Check2), 1) << "the layout path is on by default";
        ASSERT_TRUE(ValidateDevmode(m_cell, &dm, m_hPrinter));
        EXPECT_EQ(Val(dm.dmPublic.dmDuplex), c.expected);
        EXPECT_EQ(Val(dm.dmPrivate.env.lpDuplex), c.expected);
        EXPECT_EQ(Val(dm.dmPrivate.env.Duplex_Check), c.check);
    }
}

TEST_F(DevmodeValidate, PrintsAFaxWithoutNumbersAndSendsOneWithItsOwnResolution)
{
    DRIVER_DEVMODE fax = m_dm;
    fax.dmPrivate.env.lpOutput = 1;
    fax.dmPrivate.env.lpQuality = 200;
    ASSERT_TRUE(ValidateDevmode(m_cell, &fax, m_hPrinter));
    EXPECT_EQ(Val(fax.dmPrivate.env.lpOutput), 2);
    EXPECT_EQ(Val(fax.dmPublic.dmPrintQuality), 600);

    fax = m_dm;
    fax.dmPrivate.env.lpOutput = 1;
    fax.dmPrivate.env.lpQuality = 200;
    fax.dmPrivate.env.phoneBookCount = 3;
    ASSERT_TRUE(ValidateDevmode(m_cell, &fax, m_hPrinter));
    EXPECT_EQ(Val(fax.dmPrivate.env.lpOutput), 1);
    EXPECT_EQ(Val(fax.dmPublic.dmPrintQuality), 200);
    EXPECT_EQ(Val(fax.dmPublic.dmYResolution), 200);
    EXPECT_EQ(Val(fax.dmPrivate.env.lpResolution), 600) << "the print resolution it came with is kept";
    // 200 dpi has no shift: the 300 dpi pixels are scaled.
    EXPECT_EQ(Val(fax.dmPrivate.paperWidthPixels), 2480 * 200 / 300);
}

TEST_F(DevmodeValidate, TakesAUserDefinedSizeFromThePrinterData)
{
    m_dm.dmPublic.dmPaperSize = 513;   // user-defined size 1
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperWidth), 2100) << "the default 8267 thousandths of an inch";
    EXPECT_EQ(m_dm.dmPublic.dmFields & (DM_PAPERWIDTH | DM_PAPERLENGTH), DWORD(DM_PAPERWIDTH | DM_PAPERLENGTH));

    StoreCustomSize(1, 10000, 5000);
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperWidth), 2540);
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperLength), 1270);
    EXPECT_EQ(Val(m_dm.dmPrivate.env.UDPaperWidth), 2540);
    EXPECT_EQ(Val(m_dm.dmPrivate.printableRect), (RECTL{0, 0, 25400, 12700}));
    EXPECT_EQ(Val(m_dm.dmPrivate.paperWidthPixels), 6000);
    EXPECT_EQ(Val(m_dm.dmPrivate.env.customPaperRectPixels), Val(m_dm.dmPrivate.printableRectPixels));
}

TEST_F(DevmodeValidate, CentresAnApplicationsOwnSizeBeyondWhatTheTrayFeeds)
{
    m_dm.dmPublic.dmPaperSize = 256;
    m_dm.dmPublic.dmPaperWidth = 4000;    // 400 mm; the default tray feeds 314 mm
    m_dm.dmPublic.dmPaperLength = 2970;
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperWidth), 4000);
    EXPECT_EQ(Val(m_dm.dmPrivate.printableRect), (RECTL{4300, 0, 35700, 29700}));
    // Pixels: left (4300 x 600 + 1270) / 2540, right the printable width's pixels on top of it.
    EXPECT_EQ(Val(m_dm.dmPrivate.printableRectPixels), (RECTL{1016, 0, 1016 + 31400 * 600 / 2540, 7015}));
    EXPECT_EQ(Val(m_dm.dmPrivate.paperWidthPixels), 40000 * 600 / 2540);
}

// A size outside the custom-size range is replaced by the range's default; the geometry follows the value
// kept, so the devmode agrees with itself.
TEST_F(DevmodeValidate, ComputesTheGeometryOfARejectedSizeFromTheDefaultThatReplacesIt)
{
    m_dm.dmPublic.dmPaperSize = 256;
    m_dm.dmPublic.dmPaperWidth = 6000;   // beyond 500 mm
    m_dm.dmPublic.dmPaperLength = 2970;
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Val(m_dm.dmPublic.dmPaperWidth), 2100);
    EXPECT_EQ(Val(m_dm.dmPrivate.printableRect), (RECTL{0, 0, 21000, 29700}));
    EXPECT_EQ(Val(m_dm.dmPrivate.paperWidthPixels), 21000 * 600 / 2540);
}

TEST_F(DevmodeValidate, GivesTheOddHundredthOfAnExcessToTheLeftAndTop)
{
    LONG left = -1, top = -1, right = -1, bottom = -1;
    ComputeCenteringMargins(7, 1, 31401, 45903, &left, &top, &right, &bottom);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(right, 0);
    EXPECT_EQ(top, 2);
    EXPECT_EQ(bottom, 1);
    ComputeCenteringMargins(7, 1, 31400, 45900, &left, &top, &right, &bottom);
    EXPECT_EQ(left + top + right + bottom, 0) << "a size the tray feeds needs no margin";
}

TEST_F(DevmodeValidate, SetsTheDerivedBytesAndThePrivateCopyOfThePublicPart)
{
    m_dm.dmPrivate.byte784 = 7;
    m_dm.dmPrivate.lpGraphicsMode = 1;
    m_dm.dmPublic.dmDefaultSource = 258;
    m_dm.dmPrivate.maxCopies = 0;
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Val(m_dm.dmPrivate.byte786), 7);
    EXPECT_EQ(Val(m_dm.dmPrivate.byte785), 1);
    EXPECT_EQ(Val(m_dm.dmPrivate.byte787), 1);
    EXPECT_EQ(Val(m_dm.dmPrivate.graphicsModeCode), 3);
    EXPECT_EQ(Val(m_dm.dmPrivate.maxCopies), 9999);
    EXPECT_EQ(Val(m_dm.dmPrivate.env.lpMediaSource), 258);
    EXPECT_EQ(std::memcmp(&m_dm.dmPrivate.dmPublicCopy, &m_dm.dmPublic, sizeof m_dm.dmPublic), 0);
}

TEST_F(DevmodeValidate, SwitchesOffAFormOverlayThatNamesNoForm)
{
    struct Case {
        const char16_t* name;
        BYTE expected;
    };
    for (const Case c : {Case{u"", 1}, Case{u"ZT_DEFAULT", 1}, Case{u"ZT_DEFAULTS", 3}, Case{u"C:\\a.zfo", 3}}) {
        SCOPED_TRACE(testing::Message() << "name of " << std::char_traits<char16_t>::length(c.name) << " chars");
        DRIVER_DEVMODE dm = m_dm;
        dm.dmPrivate.lpOverlay = 3;
        WCHAR path[260] = {};
        std::memcpy(path, c.name, std::char_traits<char16_t>::length(c.name) * sizeof(WCHAR));
        std::memcpy(&dm.dmPrivate.FormOverlayPath, path, sizeof path);
        ASSERT_TRUE(ValidateDevmode(m_cell, &dm, m_hPrinter));
        EXPECT_EQ(Val(dm.dmPrivate.lpOverlay), c.expected);
    }
}

TEST_F(DevmodeValidate, ForcesTheHeaderAndFailsWithoutTheResourceLibrary)
{
    m_dm.dmPublic.dmFields = 0;
    m_dm.dmPublic.dmCollate = 1;
    EXPECT_FALSE(ValidateDevmode(nullptr, &m_dm, m_hPrinter));
    EXPECT_EQ(Val(m_dm.dmPublic.dmFields), 0x3703u);
    EXPECT_EQ(Val(m_dm.dmPublic.dmCollate), 0);
}

// A devmode from outside may carry any quality and size: the arithmetic must stay defined (the sanitizer
// build stops on a signed overflow).
TEST_F(DevmodeValidate, SurvivesExtremeQualitiesAndSizes)
{
    for (SHORT quality : {std::numeric_limits<SHORT>::max(), std::numeric_limits<SHORT>::min(), SHORT(0)}) {
        SCOPED_TRACE(quality);
        DRIVER_DEVMODE dm = m_dm;
        dm.dmPrivate.env.lpOutput = 1;        // a fax without numbers keeps the quality it came with
        dm.dmPublic.dmPrintQuality = quality;
        dm.dmPublic.dmPaperSize = 256;
        dm.dmPublic.dmPaperWidth = 5000;
        dm.dmPublic.dmPaperLength = 5000;
        dm.dmPrivate.ZoomCheck = 1;
        dm.dmPrivate.lpOutputPaper = 256;
        EXPECT_TRUE(ValidateDevmode(m_cell, &dm, m_hPrinter));
        EXPECT_EQ(Val(dm.dmPublic.dmPrintQuality), quality);
    }
}

} // namespace
