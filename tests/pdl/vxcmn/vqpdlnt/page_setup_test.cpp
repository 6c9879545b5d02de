// page_setup_test.cpp - the header's user paper sizes, the sheet end's blank-sheet rule and the toner-saving
// overlay before an eject.
#include "customnt/vqddigfx/job_fixture.h"
#include "writer_fixture.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"

#include <cstring>

namespace {

using PageSetup = WriterTest;

TEST_F(PageSetup, TheUserSizesGoIntoTheHeaderForPclOnly)
{
    ASSERT_NE(Open(), nullptr);
    LONG sizes[20] = {};
    sizes[0] = 2100;
    sizes[1] = 2970;
    sizes[2] = 0x12345;   // only the low 16 bits count: 9029
    sizes[3] = 0xFFF6;    // -10
    std::memcpy(Context()->trayPaperMap, sizes, sizeof sizes);
    OutputUserDefinedSizes(m_pdev);
    EXPECT_EQ(Take(), "") << "VQPDL needs no user sizes";
    m_pdev->devmode.dmPrivate.lpPDLType = 1;
    OutputUserDefinedSizes(m_pdev);
    std::string expected = "@PJL SET USERDEF0 = 210 297 MANUAL\n@PJL SET USERDEF1 = 902 -1 MANUAL\n";
    for (int i = 2; i < 10; ++i)
        expected += "@PJL SET USERDEF" + std::to_string(i) + " = 0 0 MANUAL\n";
    EXPECT_EQ(Take(), expected);
}

TEST_F(PageSetup, ABlankPaperlessVqpdlSheetIsNotEjected)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    ASSERT_NE(Enable(dm), nullptr);
    m_pdev->devmode.dmPrivate.env.PaperLess_Check = 1;
    ASSERT_TRUE(BeginDocument());
    ASSERT_TRUE(Page());
    ASSERT_TRUE(Page([&] { PdlSetDrawKind(m_pdev, 0); }));
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
    EXPECT_EQ(CountSheets(FinishJob()), 1) << "only the sheet something was drawn on";
}

TEST_F(PageSetup, SavingTonerCoversTheSheetBeforeItsEject)
{
    ASSERT_NE(Open(), nullptr);
    m_pdev->devmode.dmPrivate.env.SaveToner = 1;
    Context()->cxPage = 100;
    Context()->cyPage = 200;
    PdlEjectSheet(m_pdev);
    EXPECT_EQ(Take(), "cps 0;\nrop 2 #0F;\nlns -1;\n"
                      "bru 11 #00 #FFFFFF 8 8 1 <!UU\xAA\xAAUU\xAA\xAA!>;\nbrs 11;\nrct 0 0 100 200;\nprn;\n");
    EXPECT_EQ(Copy(Context()->dwSheetCount), 1u);
}

} // namespace
