// devmode_defaults_test.cpp - the default devmode, byte by byte at the offsets that stored devmodes and the
// other module rely on.
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/res_library_fixture.h"

#include <cstring>
#include <string>

namespace {

// The built devmode's bytes, read by offset and width as a peer reads them.
struct Bytes {
    explicit Bytes(const DRIVER_DEVMODE& dm) : p(reinterpret_cast<const BYTE*>(&dm)) {}
    DWORD At(std::size_t offset, std::size_t width) const
    {
        DWORD value = 0;
        std::memcpy(&value, p + offset, width);
        return value;
    }
    bool AllZero(std::size_t first, std::size_t last) const
    {
        for (std::size_t i = first; i <= last; ++i)
            if (p[i] != 0)
                return false;
        return true;
    }
    const BYTE* p;
};

struct Field {
    std::size_t offset;
    std::size_t width;
    DWORD value;
    const char* what;
};

// Fields whose default the option tables decide, with the value they must hold.
const Field kDefaultFields[] = {
    {64, 2, 0x0401, "dmSpecVersion"},
    {66, 2, 0x8402, "dmDriverVersion"},
    {68, 2, 220, "dmSize"},
    {70, 2, 2395, "dmDriverExtra"},
    {72, 4, 0x3703, "dmFields"},
    {76, 2, 1, "dmOrientation"},
    {78, 2, 9, "dmPaperSize: A4"},
    {80, 2, 2970, "dmPaperLength, 0.1 mm"},
    {82, 2, 2100, "dmPaperWidth, 0.1 mm"},
    {84, 2, 100, "dmScale"},
    {86, 2, 1, "dmCopies"},
    {88, 2, 7, "dmDefaultSource: the default tray"},
    {90, 2, 600, "dmPrintQuality"},
    {92, 2, 1, "dmColor"},
    {94, 2, 1, "dmDuplex: simplex"},
    {96, 2, 600, "dmYResolution"},
    {98, 2, 2, "dmTTOption"},
    {100, 2, 0, "dmCollate"},
    {776, 2, 9, "lpOutputPaper follows the paper"},
    {778, 1, 2, "lpGraphicsMode"},
    {779, 1, 2, "graphics code"},
    {781, 1, 0, "Layout_Check"},
    {782, 1, 8, "lpLayout"},
    {783, 1, 1, "lpOrder"},
    {788, 1, 1, "layout select code"},
    {871, 2, 9999, "maximum copies"},
    {873, 1, 0, "ZoomCheck"},
    {874, 2, 100, "Zoom"},
    {878, 1, 1, "lpBooklet"},
    {879, 1, 1, "lpOverlay: none"},
    {1406, 1, 1, "lpWatermarkOrder"},
    {1410, 1, 0, "lpPDLType"},
    {1411, 1, 1, "FontUseFlg"},
    {1420, 1, 1, "lpLayout_Select"},
    {1421, 1, 1, "Sort_Check"},
    {1423, 1, 1, "Layout_Check2"},
    {1427, 1, 2, "lpDuplex"},
    {1429, 1, 2, "lpStaple"},
    {1432, 1, 2, "lpPunchHoles"},
    {1439, 1, 10, "fMargin"},
    {1440, 1, 1, "lpBindMargin"},
    {1441, 1, 10, "bMargin"},
    {1442, 1, 1, "MarginEqual_Check"},
    {1537, 2, 9, "paper at the last zoom fit"},
    {1543, 2, 7, "lpMediaSource"},
    {1545, 2, 2, "lpOutputTray"},
    {1551, 2, 2100, "UDPaperWidth"},
    {1553, 2, 2100, "UDPaperLength"},
    {1555, 1, 1, "lpUDPaperUnit"},
    {1556, 2, 2100, "UDMediaWidth"},
    {1558, 2, 2100, "UDMediaLength"},
    {1560, 1, 1, "lpUDMediaUnit"},
    {1562, 2, 1, "lpOIPaperTray"},
    {1570, 1, 1, "lpFrontCover: no cover"},
    {1571, 2, 1, "lpFrontCoverTray"},
    {1573, 1, 1, "lpBackCover: no cover"},
    {1576, 1, 1, "lpMediaType"},
    {1578, 2, 0, "lpCoverSource: a feature no table holds"},
    {1594, 1, 1, "lpCoverSheetTray"},
    {2083, 1, 1, "lpInterSheetList"},
    {2084, 1, 6, "lpInterSheetListPRNType"},
    {2085, 2, 4096, "lpInterSheetListTray"},
    {2090, 1, 2, "lpTabTextOrient"},
    {2091, 1, 2, "lpTabTextAlign"},
    {2135, 1, 0, "image shift mode: a feature no table holds"},
    {2154, 1, 3, "lpDither"},
    {2156, 2, 0, "Intensity"},
    {2158, 1, 1, "lpSmoothing"},
    {2167, 1, 2, "lpOutput: print"},
    {2168, 2, 200, "lpQuality"},
    {2215, 1, 1, "EcmTab"},
    {2324, 1, 1, "lpSourceUnit"},
    {2325, 1, 1, "lpOutputUnit: none"},
    {2326, 1, 2, "lpHardDisk"},
    {2340, 1, 1, "lpPunchZFold"},
    {2423, 2, 257, "built output-paper default"},
    {2564, 1, 0, "zoom-fit flag"},
    {2565, 2, 600, "resolution"},
    {2571, 1, 0, "feature 116"},
    {2572, 1, 1, "feature 117"},
    {2577, 1, 0, "feature 122"},
    {2579, 1, 0, "lpPDLType as built"},
    {2581, 1, 1, "second copy of lpCopierHardDisk"},
};

// Ranges that no default may touch.
struct Span {
    std::size_t first;
    std::size_t last;
    const char* what;
};
const Span kZeroSpans[] = {
    {102, 165, "dmFormName"},
    {168, 219, "display and reserved fields"},
    {220, 439, "the private copy of the public part: validation fills it"},
    {448, 775, "reserved"},
    {855, 870, "reserved"},
    {880, 880, "overlay index"},
    {882, 1405, "form overlay path and size"},
    {1408, 1408, "watermark index"},
    {1412, 1415, "font-substitution list pointer"},
    {1451, 1536, "texts written from the sheet"},
    {1595, 2082, "page-number slots"},
    {2089, 2089, "tab index"},
    {2110, 2131, "job id"},
    {2173, 2214, "text, phone book count and file number"},
    {2219, 2260, "sub-address text"},
    {2262, 2305, "sender id text, timer"},
    {2341, 2422, "printer-wide text, rectangles, reserved"},
    {2425, 2563, "stored user name and its marks"},
    {2567, 2570, "internal block"},
    {2585, 2592, "reserved"},
};

void ExpectDefaults(const DRIVER_DEVMODE& dm)
{
    const Bytes bytes(dm);
    for (const Field& field : kDefaultFields)
        EXPECT_EQ(bytes.At(field.offset, field.width), field.value) << field.what << " at " << field.offset;
    for (const Span& span : kZeroSpans)
        EXPECT_TRUE(bytes.AllZero(span.first, span.last)) << span.what << " at " << span.first << "-" << span.last;
    EXPECT_EQ(std::memcmp(bytes.p + 440, u"ZDRV", 8), 0) << "signature";
    EXPECT_EQ(std::memcmp(bytes.p + 1416, "4321", 4), 0) << "start marker";
    EXPECT_EQ(std::memcmp(bytes.p + 2593, "73MZR\0\0\0\0\0\0\0\0\0\0\0\0\0", 18), 0) << "model code";
    EXPECT_EQ(std::memcmp(bytes.p + 2611, "1234", 4), 0) << "end marker";
}

std::u16string DeviceName(const DRIVER_DEVMODE& dm)
{
    WCHAR name[CCHDEVICENAME];
    std::memcpy(name, &dm.dmPublic.dmDeviceName, sizeof name);
    return std::u16string(name, std::char_traits<char16_t>::length(name));
}

} // namespace

using DefaultDevmode = ResModuleTest;

TEST_F(DefaultDevmode, HoldsEveryDefaultOverStaleBytes)
{
    DRIVER_DEVMODE dm;
    std::memset(&dm, 0xCC, sizeof dm);
    ASSERT_TRUE(BuildDefaultDevmodeGfx(m_cell, &dm, u"QN-804C"));
    ExpectDefaults(dm);
    EXPECT_EQ(DeviceName(dm), u"QN-804C");
    EXPECT_TRUE(IsOwnDevmode(&dm.dmPublic));
}

TEST_F(DefaultDevmode, TakesTheGivenDeviceNameCutTo31Characters)
{
    struct Case { const WCHAR* name; std::u16string expected; };
    const Case cases[] = {
        {u"QN-804C", u"QN-804C"},
        {u"\\\\server\\QN-804C on the third floor", u"\\\\server\\QN-804C on the third f"},
        {nullptr, u""},   // the graphics module has no printer to ask
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        DRIVER_DEVMODE dm;
        std::memset(&dm, 0xCC, sizeof dm);
        BuildDefaultDevmodeGfx(m_cell, &dm, c.name);
        EXPECT_EQ(DeviceName(dm), c.expected);
        EXPECT_TRUE(Bytes(dm).AllZero(2 * c.expected.size(), 63)) << "no stale bytes after the name";

        DRIVER_DEVMODE withPrinter;
        BuildDefaultDevmode(m_cell, &withPrinter, c.name, nullptr);
        EXPECT_EQ(DeviceName(withPrinter), c.expected) << "without a printer the same name";
        EXPECT_EQ(std::memcmp(&dm, &withPrinter, sizeof dm), 0) << "both builders build the same devmode";
    }
}

TEST_F(DefaultDevmode, AsksThePrinterForItsNameWhenNoneIsGiven)
{
    DRIVER_DEVMODE dm;
    std::memset(&dm, 0xCC, sizeof dm);
    ASSERT_TRUE(BuildDefaultDevmode(m_cell, &dm, nullptr, m_hPrinter));
    EXPECT_EQ(DeviceName(dm), u"QN-804C");
    ExpectDefaults(dm);

    BuildDefaultDevmode(m_cell, &dm, u"Given", m_hPrinter);
    EXPECT_EQ(DeviceName(dm), u"Given") << "a given name wins";
}

TEST_F(DefaultDevmode, RefusesANullDevmode)
{
    EXPECT_FALSE(BuildDefaultDevmode(m_cell, nullptr, u"QN-804C", nullptr));
    EXPECT_FALSE(BuildDefaultDevmodeGfx(m_cell, nullptr, u"QN-804C"));
}

using DefaultDevmodeWithoutLibrary = ResLibraryTest;

TEST_F(DefaultDevmodeWithoutLibrary, KeepsItsMarksWhenNoDefaultCanBeRead)
{
    RES_MODULE_CELL* pCell = OpenResModule();
    ASSERT_NE(pCell, nullptr);
    DRIVER_DEVMODE dm;
    std::memset(&dm, 0xCC, sizeof dm);
    EXPECT_TRUE(BuildDefaultDevmodeGfx(pCell, &dm, u"QN-804C"));
    EXPECT_TRUE(IsOwnDevmode(&dm.dmPublic)) << "header, signature and model code need no option table";
    const Bytes bytes(dm);
    EXPECT_EQ(bytes.At(78, 2), 0u) << "no paper without the options";
    EXPECT_EQ(bytes.At(86, 2), 0u) << "no copies range without the options";
    EXPECT_EQ(bytes.At(1570, 1), 1u) << "no front cover";
    EXPECT_EQ(std::memcmp(bytes.p + 2611, "1234", 4), 0);
    CloseResModule(pCell);
}
