// page_values_test.cpp - the setup that begins a sheet for standard, rotated and user-defined papers, each
// tray and duplex setting, and the codes and origin of each output language.
#include "writer_fixture.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/page_values.h"

#include <functional>

namespace {

using PageValues = WriterTest;

constexpr char kColours[] = "brc 0 #00;\nbrc 1 #FFFFFF;\nbrc 10 #00;\n";

TEST_F(PageValues, AVqpdlSheetBeginsWithItsPaperTrayDuplexAndHalftone)
{
    struct Case {
        const char* name;
        std::function<void(DRIVER_DEVMODE&)> set;
        std::string setup;
    };
    const Case cases[] = {
        {"A4 from the automatic tray", [](DRIVER_DEVMODE&) {},
         "org %4.06 %4.06;\npps A4 P;\nppt A;\nppd N;\nhtn D 33;\n"},
        {"the rotated A4, landscape", [](DRIVER_DEVMODE& dm) {
             dm.dmPrivate.lpOutputPaper = 2057;
             dm.dmPrivate.dmPublicCopy.dmOrientation = DMORIENT_LANDSCAPE;
         }, "org %4.06 %4.06;\npps A4R L;\nppt A;\nppd N;\nhtn D 33;\n"},
        {"a user-defined paper: its printable size, placed by the free-size margins", [](DRIVER_DEVMODE& dm) {
             dm.dmPrivate.lpOutputPaper = 513;
             dm.dmPrivate.env.outputPaperWidth = 2000;
             dm.dmPrivate.env.outputPaperLength = 3000;
             dm.dmPrivate.env.outputPrintableRect = {406, 406, 19594, 29500};
         }, "org %0.00 %0.00;\npps USERDEF %191.88 %290.94 %0.00 %0.00 %0.00 %0.00 P;\nppt A;\nppd N;\nhtn D 33;\n"},
        {"tray 3", [](DRIVER_DEVMODE& dm) { dm.dmPrivate.env.lpMediaSource = 258; },
         "org %4.06 %4.06;\npps A4 P;\nppt 3;\nppd N;\nhtn D 33;\n"},
        {"interleaved transparencies by hand come from their own tray", [](DRIVER_DEVMODE& dm) {
             dm.dmPrivate.env.lpMediaSource = 4;
             dm.dmPrivate.env.lpMediaType = 127;
             dm.dmPrivate.env.lpOIPaperTray = 2;
         }, "org %4.06 %4.06;\npps A4 P;\nppt 2;\nppd N;\nhtn D 33;\n"},
        {"two-sided on the long edge", [](DRIVER_DEVMODE& dm) {
             dm.dmPrivate.env.Layout_Check2 = 1;
             dm.dmPrivate.env.Duplex_Check = 1;
             dm.dmPrivate.dmPublicCopy.dmDuplex = DMDUP_VERTICAL;
         }, "org %4.06 %4.06;\npps A4 P;\nppt A;\nppd L;\nhtn D 33;\n"},
        {"two-sided on the short edge by the finishing page", [](DRIVER_DEVMODE& dm) {
             dm.dmPrivate.env.POD_Check = 1;
             dm.dmPrivate.env.POD_Duplex_Check = 1;
             dm.dmPrivate.dmPublicCopy.dmDuplex = DMDUP_HORIZONTAL;
         }, "org %4.06 %4.06;\npps A4 P;\nppt A;\nppd S;\nhtn D 33;\n"},
        {"dmDuplex without the duplex check is one-sided", [](DRIVER_DEVMODE& dm) {
             dm.dmPrivate.dmPublicCopy.dmDuplex = DMDUP_VERTICAL;
         }, "org %4.06 %4.06;\npps A4 P;\nppt A;\nppd N;\nhtn D 33;\n"},
        {"a booklet binds on the short edge", [](DRIVER_DEVMODE& dm) { dm.dmPrivate.env.Booklet_Check = 1; },
         "org %4.06 %4.06;\npps A4 P;\nppt A;\nppd S;\nhtn D 33;\n"},
        {"error diffusion", [](DRIVER_DEVMODE& dm) {
             dm.dmPrivate.env.lpDitherType = 1;
             dm.dmPrivate.env.lpErrDiffMode = 2;
         }, "org %4.06 %4.06;\npps A4 P;\nppt A;\nppd N;\nhtn E 4;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(Open(), nullptr);
        c.set(m_pdev->devmode);   // the job's settings as they stand after validation
        PdlBeginPageSetup(m_pdev);
        EXPECT_EQ(Take(), c.setup + kColours);
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
        EndDocPrinter(m_hPrinter);
        m_jobOpen = false;
    }
}

TEST_F(PageValues, PclSendsOnlyAChangedPaperTrayOrDuplexAndNoHalftone)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    dm.dmPrivate.lpPDLType = 1;
    ASSERT_NE(Open(dm), nullptr);
    m_pdev->devmode.dmPrivate.env.outputPrintableRect.left = 500;
    m_pdev->devmode.dmPrivate.env.outputPrintableRect.top = 600;
    m_pdev->devmode.dmPrivate.dmPublicCopy.dmOrientation = DMORIENT_LANDSCAPE;
    // The commands carry PCL's codes: A4 is 26 and the automatic tray 7, which name no paper and the automatic
    // tray. Landscape is code 1, never "L".
    PdlBeginPageSetup(m_pdev);
    EXPECT_EQ(Take(), std::string("org %5.00 %5.06;\npps A4 P;\nppt A;\nppd N;\n") + kColours);
    PdlBeginPageSetup(m_pdev);
    EXPECT_EQ(Take(), std::string("org %5.00 %5.06;\n") + kColours) << "the same paper, tray and duplex";
    m_pdev->devmode.dmPrivate.env.lpMediaSource = 1;
    PdlBeginPageSetup(m_pdev);
    EXPECT_EQ(Take(), std::string("org %5.00 %5.06;\nppt A;\n") + kColours) << "a changed tray alone";
    // A new document is a new job: its first sheet says everything again.
    ASSERT_TRUE(EndDocument(/*endOfJob=*/false));
    EndDocPrinter(m_hPrinter);
    m_jobOpen = false;
    ASSERT_TRUE(BeginDocument());
    Take();
    PdlBeginPageSetup(m_pdev);
    EXPECT_EQ(Take(), std::string("org %5.00 %5.06;\npps A4 P;\nppt A;\nppd N;\n") + kColours);
}

TEST_F(PageValues, EachLanguageHasItsOwnCodesAndOrigin)
{
    ASSERT_NE(Open(), nullptr);
    PRIVATE_DEVMODE& dm = m_pdev->devmode.dmPrivate;
    dm.env.outputPrintableRect.left = 500;
    dm.env.outputPrintableRect.top = 600;
    struct Case {
        BYTE type;
        SHORT a4, a4Variant, orientation, tray, longEdge, shortEdge;
        POINTL origin;
    };
    // A4_F (4105) is variant 1 of A4: PCL adds 150. PCL XL's duplex code turns with the orientation.
    const Case cases[] = {
        {0, 9, 4105, 2, 258, 2, 1, {500, 600}},
        {1, 26, 176, 1, 253, 1, 2, {594, 600}},
        {2, 2, 45, 1, 253, 1, 0, {94, 194}},
        {3, 2, 45, 1, 253, 1, 0, {94, 194}},
        {4, -1, -1, 2, 258, -1, -1, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << int{c.type});
        dm.lpPDLType = c.type;
        EXPECT_EQ(PdlPaperCode(m_pdev, 9), c.a4);
        EXPECT_EQ(PdlPaperCode(m_pdev, 4105), c.a4Variant);
        EXPECT_EQ(PdlPaperCode(m_pdev, 4321), c.type == 0 ? 4321 : -1);
        EXPECT_EQ(PdlOrientationCode(m_pdev, DMORIENT_LANDSCAPE), c.orientation);
        EXPECT_EQ(PdlTrayCode(m_pdev, 258), c.tray);
        EXPECT_EQ(PdlTrayCode(m_pdev, 99), 99);
        EXPECT_EQ(PdlDuplexCode(m_pdev, 2, 2), c.longEdge);
        EXPECT_EQ(PdlDuplexCode(m_pdev, 2, 3), c.shortEdge);
        EXPECT_EQ(PdlDuplexCode(m_pdev, 1, 3), c.type > 3 ? -1 : 0);
        const POINTL origin = PdlPageOrigin(m_pdev, 500, 600);
        EXPECT_EQ(origin.x, c.origin.x);
        EXPECT_EQ(origin.y, c.origin.y);
    }
}

TEST_F(PageValues, APclBackSideIsMirroredAcrossTheBindingEdge)
{
    ASSERT_NE(Open(), nullptr);
    PRIVATE_DEVMODE& dm = m_pdev->devmode.dmPrivate;
    dm.lpPDLType = 1;
    dm.env.outputPrintableRect.left = 500;
    dm.env.outputPrintableRect.top = 600;
    dm.env.Layout_Check2 = 1;
    dm.env.Duplex_Check = 1;
    struct Case { short duplex; DWORD sheets; POINTL origin; };
    // The side being set up is the sides ejected so far plus 1: one side out, the second is a back.
    const Case cases[] = {
        {DMDUP_VERTICAL, 1, {406, 700}},     // u = 94 negated
        {DMDUP_HORIZONTAL, 1, {594, 500}},   // w = 100 negated
        {DMDUP_VERTICAL, 0, {594, 700}},     // the job's first side is a front
        {DMDUP_HORIZONTAL, 2, {594, 700}},   // and so is its third
    };
    for (const Case& c : cases) {
        dm.dmPublicCopy.dmDuplex = c.duplex;
        Context()->dwSheetCount = c.sheets;
        const POINTL origin = PdlPageOrigin(m_pdev, 500, 700);
        EXPECT_EQ(origin.x, c.origin.x) << c.duplex << " " << c.sheets;
        EXPECT_EQ(origin.y, c.origin.y) << c.duplex << " " << c.sheets;
    }
}

TEST_F(PageValues, APlannedSheetSendsEverythingButItsOrigin)
{
    ASSERT_NE(Open(), nullptr);
    PLANNED_SHEET sheet = {};
    sheet.sPaper = 8;
    sheet.sOrientation = DMORIENT_PORTRAIT;
    sheet.bSides = 2;
    sheet.bBinding = 3;
    sheet.sTray = 4;
    PdlSetPlannedSheetValues(m_pdev, sheet);
    EXPECT_EQ(Take(), "pps A3R P;\nppt M;\nppd S;\n");
}

} // namespace
