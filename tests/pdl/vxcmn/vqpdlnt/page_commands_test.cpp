// page_commands_test.cpp - the exact text of the sheet commands: fixed point, origin, paper, tray, duplex,
// halftone, default colours and the filled rectangle.
#include "writer_fixture.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/page_commands.h"

#include <climits>
#include <cstring>
#include <functional>

namespace {

using PageCommands = WriterTest;

TEST(PdlFormatFixed, WritesHundredthsWithTwoDigitsAndTheSignBeforeThem)
{
    struct Case { LONG value; const char* text; };
    const Case cases[] = {
        {0, "%0.00"},         {5, "%0.05"},          {-5, "%-0.05"},        {100000, "%1000.00"},
        {21000, "%210.00"},   {1205, "%12.05"},      {-406, "%-4.06"},      {-1210, "%-12.10"},
        {LONG_MIN, "%-21474836.48"},                 {LONG_MAX, "%21474836.47"},
    };
    for (const Case& c : cases) {
        char text[16];
        EXPECT_EQ(PdlFormatFixed(text, sizeof text, c.value), static_cast<int>(std::strlen(c.text)));
        EXPECT_STREQ(text, c.text) << c.value;
    }
}

TEST_F(PageCommands, EachCommandHasItsExactText)
{
    ASSERT_NE(Open(), nullptr);
    struct Case { const char* name; std::function<void()> write; std::string text; };
    const Case cases[] = {
        {"origin", [&] { PdlOutputOrigin(m_pdev, 406, -5); }, "org %4.06 %-0.05;\n"},
        {"a standard paper", [&] { PdlOutputPaperSize(m_pdev, 9, 1, 20188, 28888, 1, 2, 3, 4); }, "pps A4 P;\n"},
        {"a rotated paper, landscape", [&] { PdlOutputPaperSize(m_pdev, 2057, 2, 0, 0, 0, 0, 0, 0); },
         "pps A4R L;\n"},
        {"a user-defined paper with its values",
         [&] { PdlOutputPaperSize(m_pdev, 513, 1, 21000, 29705, 0, -5, 100, 0); },
         "pps USERDEF %210.00 %297.05 %0.00 %-0.05 %1.00 %0.00 P;\n"},
        {"user-defined paper 256", [&] { PdlOutputPaperSize(m_pdev, 256, 2, 100, 200, 0, 0, 0, 0); },
         "pps USERDEF %1.00 %2.00 %0.00 %0.00 %0.00 %0.00 L;\n"},
        {"a paper the table lacks", [&] { PdlOutputPaperSize(m_pdev, 4321, 1, 0, 0, 0, 0, 0, 0); }, "pps A4 P;\n"},
        {"trays", [&] {
             for (const SHORT tray : {7, 1, 2, 258, 259, 260, 261, 4, 99})
                 PdlOutputPaperTray(m_pdev, tray);
         }, "ppt A;\nppt 1;\nppt 2;\nppt 3;\nppt 4;\nppt 5;\nppt 6;\nppt M;\nppt A;\n"},
        {"duplex", [&] {
             for (const SHORT duplex : {0, 1, 2, -1, 3})
                 PdlOutputDuplex(m_pdev, duplex);
         }, "ppd N;\nppd S;\nppd L;\n"},
        {"eject", [&] { PdlOutputPrint(m_pdev); }, "prn;\n"},
        {"halftones", [&] {
             PdlOutputHalftone(m_pdev, 1, 2, 1);
             PdlOutputHalftone(m_pdev, 1, 2, 2);
             PdlOutputHalftone(m_pdev, 1, 4, 0);
             PdlOutputHalftone(m_pdev, 0, 2, 1);
             PdlOutputHalftone(m_pdev, 2, 4, 1);
             PdlOutputHalftone(m_pdev, 0, 3, 1);
         }, "htn E 2;\nhtn E 4;\nhtn E 1;\nhtn D 17;\nhtn D 129;\nhtn D 33;\n"},
        {"default colours", [&] { PdlOutputDefaultColors(m_pdev); }, "brc 0 #00;\nbrc 1 #FFFFFF;\nbrc 10 #00;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.write();
        EXPECT_EQ(Take(), c.text);
    }
}

TEST_F(PageCommands, ARectangleIsFilledWithTheInverseDitherAtFullSizeWithoutAPen)
{
    ASSERT_NE(Open(), nullptr);
    // The page's N-up placement does not move the sheet's own rectangle, and comes back after it.
    m_pdev->ulScale = 5000;
    m_pdev->xOffset = 30;
    const BYTE pattern[8] = {0xAA, 0xAA, 0x55, 0x55, 0xAA, 0xAA, 0x55, 0x55};
    PdlOutputRect(m_pdev, {0, 0, 100, 50}, 0x0F0F, pattern, {0, 0, 100, 50});
    EXPECT_EQ(Take(), "cpc 1 0 0 100 50;\ncps 1;\nrop 2 #0F;\nlns -1;\n"
                      "bru 11 #00 #FFFFFF 8 8 1 <!UU\xAA\xAAUU\xAA\xAA!>;\nbrs 11;\nrct 0 0 100 50;\n");
    EXPECT_EQ(Copy(m_pdev->ulScale), 5000u);
    EXPECT_EQ(Copy(m_pdev->xOffset), 30);
    // The same rectangle again writes only its fill; the whole page is no clip of its own.
    PdlOutputRect(m_pdev, {0, 0, 100, 50}, 0x0F0F, pattern, {0, 0, 100, 50});
    EXPECT_EQ(Take(), "rct 0 0 100 50;\n");
    Context()->cxPage = 4768;
    Context()->cyPage = 6822;
    const RECTL page = {0, 0, 4768, 6822};
    PdlOutputRect(m_pdev, page, 0x0D0D, pattern, page);
    EXPECT_EQ(Take(), "cps 0;\nrop 2 #0D;\nrct 0 0 " + std::to_string(page.right) + " " +
                          std::to_string(page.bottom) + ";\n");
}

} // namespace
