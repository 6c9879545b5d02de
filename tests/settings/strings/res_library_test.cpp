// res_library_test.cpp - loading the resource library and the per-operation cells that hold it.
#include "settings/strings/res_library.h"
#include "settings/paper/feature_query.h"
#include "settings/probe_res_library.h"
#include "settings/res_library_fixture.h"
#include "host/faults.h"
#include "host/inspect.h"

using ResModuleCell = ResLibraryTest;

TEST_F(ResModuleCell, HoldsALoadedLibraryUntilClosed)
{
    InstallResLibrary();
    RES_MODULE_CELL* pCell = OpenResModule();
    ASSERT_NE(pCell, nullptr);
    ASSERT_NE(pCell->hModule, nullptr);
    EXPECT_EQ(GetModuleHandleW(u"Q73MZRT3.DLL"), pCell->hModule);
    WCHAR name[16] = {};
    EXPECT_EQ(LoadStringW(pCell->hModule, 20000, name, 16), 7) << "the cell holds the resource library itself";

    CloseResModule(pCell);
    EXPECT_EQ(GetModuleHandleW(u"Q73MZRT3.DLL"), nullptr);
}

TEST_F(ResModuleCell, EachCellLoadsItsOwnReference)
{
    InstallResLibrary();
    RES_MODULE_CELL* pFirst = OpenResModule();
    RES_MODULE_CELL* pSecond = OpenResModule();
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    CloseResModule(pFirst);
    EXPECT_NE(GetModuleHandleW(u"Q73MZRT3.DLL"), nullptr) << "the second cell still holds the library";
    CloseResModule(pSecond);
    EXPECT_EQ(GetModuleHandleW(u"Q73MZRT3.DLL"), nullptr);
}

TEST_F(ResModuleCell, HoldsNoLibraryWhenItIsNotInTheDriverFolder)
{
    // Beside the system folder's other modules is not where the driver looks.
    LinkBuiltModule(kTestSystemDir, "Q73MZRT3.DLL", u"Q73MZRT3.DLL");
    RES_MODULE_CELL* pCell = OpenResModule();
    ASSERT_NE(pCell, nullptr) << "the cell exists even without the library";
    EXPECT_EQ(pCell->hModule, nullptr);
    EXPECT_FALSE(HasResModule(pCell));
    EXPECT_EQ(QueryFeature(pCell, 3, FeatureQuery::OptionCount, nullptr, 0, 0), 0);
    EXPECT_EQ(GetFeatureDefault(pCell, 0), 0);
    CloseResModule(pCell);
}

TEST_F(ResModuleCell, IsNullWhenTheCellCannotBeAllocated)
{
    InstallResLibrary();
    const unsigned blocksBefore = host::LiveGlobalBlocks();
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    EXPECT_EQ(OpenResModule(), nullptr);
    host::ClearFaults();
    EXPECT_EQ(host::LiveGlobalBlocks(), blocksBefore);
    EXPECT_EQ(GetModuleHandleW(u"Q73MZRT3.DLL"), nullptr) << "no library is loaded for a cell that does not exist";
    CloseResModule(nullptr);   // ignored
}

TEST_F(ResModuleCell, LoadsPicturesByIntegerIdAndAnswersNullForMissingOnes)
{
    InstallResLibrary("QNRESPRB.DLL");
    RES_MODULE_CELL* pCell = OpenResModule();
    ASSERT_TRUE(HasResModule(pCell));
    const HBITMAP hBitmap = LoadResBitmap(pCell->hModule, kProbeBitmapId);
    EXPECT_NE(hBitmap, nullptr);
    const HICON hIcon = LoadResIcon(pCell->hModule, kProbeIconId);
    EXPECT_NE(hIcon, nullptr);
    const HCURSOR hCursor = LoadResCursor(pCell->hModule, kProbeCursorId);
    EXPECT_NE(hCursor, nullptr);
    EXPECT_EQ(LoadResBitmap(pCell->hModule, kProbeIconId), nullptr);
    EXPECT_EQ(LoadResIcon(pCell->hModule, kProbeBitmapId), nullptr);
    EXPECT_EQ(LoadResCursor(pCell->hModule, kProbeBitmapId), nullptr);
    DeleteObject(hBitmap);
    DestroyIcon(hIcon);
    DestroyCursor(hCursor);
    CloseResModule(pCell);
}
