// tone_mapping_test.cpp - the tone tables at their fixed levels, the pure-black rule by object kind, and the
// gray device colours.
#include "writer_fixture.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/tone_mapping.h"
#include "pdl/vxcmn/vqpdlnt/tone_tables.h"

namespace {

using ToneMapping = WriterTest;

TEST(ToneTables, HoldTheirLevelsAtTheFixedPointsAndOthersHaveNone)
{
    struct Case { SHORT intensity; BYTE at0, at64, at128, at192; };
    const Case cases[] = {
        {1, 0, 37, 102, 183}, {2, 0, 18, 73, 166}, {-1, 5, 94, 152, 201}, {-2, 16, 121, 168, 204},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.intensity);
        const BYTE* table = FindToneTable(c.intensity);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table[0], c.at0);
        EXPECT_EQ(table[64], c.at64);
        EXPECT_EQ(table[128], c.at128);
        EXPECT_EQ(table[192], c.at192);
        EXPECT_EQ(table[255], 255);
        EXPECT_EQ(table[32], (c.at0 + c.at64 + 1) / 2) << "halfway between two fixed levels";
    }
    EXPECT_EQ(FindToneTable(0), nullptr);
    EXPECT_EQ(FindToneTable(3), nullptr);
}

TEST_F(ToneMapping, DeviceColoursAreTheToneMappedGrayOfTheirRgb)
{
    struct Case { SHORT intensity; ULONG rgb; ULONG device; };
    const Case cases[] = {
        {0, 0x0000FF, 0x4C4C4C},   // red: (30 x 255) / 100 = 76
        {0, 0xFFFFFF, 0xFFFFFF},
        {0, 0x000000, 0x000000},
        {0, 0xFF0000, 0x1C1C1C},   // blue: 28
        {1, 0x808080, 0x666666},   // 128 darkens to 102
        {-2, 0x000000, 0x101010},  // black lightens to 16
        {7, 0x808080, 0x808080},   // a value without a table changes nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.intensity << " " << std::hex << c.rgb);
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.env.Intensity = static_cast<WORD>(c.intensity);
        ASSERT_NE(Open(dm), nullptr);
        EXPECT_EQ(PdlDeviceColor(m_pdev, c.rgb), c.device);
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
        EndDocPrinter(m_hPrinter);
        m_jobOpen = false;
    }
}

TEST_F(ToneMapping, PureBlackTakesEveryLevelButWhiteToBlackForTheKindsItCovers)
{
    struct Case { BYTE mode; BYTE kind; bool pureBlack; };
    const Case cases[] = {
        {1, kObjectPage, true}, {1, kObjectImage, false}, {1, kObjectGraphics, true}, {1, kObjectText, true},
        {1, kObjectNone, false}, {2, kObjectImage, true}, {2, kObjectText, true}, {2, kObjectNone, false},
        {3, kObjectGraphics, false},
    };
    DRIVER_DEVMODE dm = DefaultDevmode();
    dm.dmPrivate.env.PrintCAD_Check = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << int{c.mode} << " kind " << int{c.kind});
        dm.dmPrivate.env.lpPrintCADMode = c.mode;
        ASSERT_NE(Open(dm), nullptr);
        PdlBeginDrawing(m_pdev, c.kind);
        EXPECT_EQ(PdlPureBlackActive(m_pdev), c.pureBlack ? TRUE : FALSE);
        EXPECT_EQ(Copy(Context()->bToneMapping), c.pureBlack ? 1 : 0);
        EXPECT_EQ(PdlToneLookup(m_pdev, 254), c.pureBlack ? 0 : 254);
        EXPECT_EQ(PdlToneLookup(m_pdev, 255), 255);
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
        EndDocPrinter(m_hPrinter);
        m_jobOpen = false;
    }
}

TEST_F(ToneMapping, PageAdditionsAreNotToneMapped)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    dm.dmPrivate.env.Intensity = 1;
    ASSERT_NE(Open(dm), nullptr);
    PdlBeginDrawing(m_pdev, kObjectGraphics);
    EXPECT_TRUE(PdlToneActive(m_pdev));
    PdlBeginPageAdditions(m_pdev, 1);
    PdlBeginDrawing(m_pdev, kObjectGraphics);
    EXPECT_FALSE(PdlToneActive(m_pdev));
    EXPECT_EQ(Copy(Context()->bToneMapping), 0);
}

} // namespace
