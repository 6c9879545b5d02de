// enable_pdev_test.cpp - DrvEnablePDEV and its neighbours: the job's devmode as it is settled, the record's
// fixed words, what GDI gets back, the layout rules, failures that leave nothing behind, and DrvResetPDEV.
#include "pdev_fixture.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "host/faults.h"
#include "host/text.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/registry/printer_data.h"
#include "settings/devmode/printer_devmode.h"

#include <cstring>
#include <vector>

namespace {

using EnablePdev = PdevTest;

TEST_F(EnablePdev, ANullDevmodeGivesNoPdev)
{
    SetLastError(0);
    EXPECT_EQ(EnablePDEVImpl(nullptr, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, nullptr,
                             const_cast<LPWSTR>(kPrinterName), m_hPrinter),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(EnablePdev, BuildsAValidRecordWithoutPrinterWideData)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    dm.dmPublic.dmCopies = 3;
    PDEV* pdev = Enable(dm);
    ASSERT_NE(pdev, nullptr);
    EXPECT_TRUE(bValidatePDEV(pdev));
    EXPECT_EQ(Copy(pdev->wEnvOffset), 7876);
    EXPECT_EQ(Copy(pdev->wPdevSize), 37183);
    EXPECT_EQ(Copy(pdev->dwCopyCount), 3u);
    EXPECT_EQ(Copy(pdev->dwFlags), 0u);
    EXPECT_EQ(Copy(pdev->ulScale), 10000u);
    EXPECT_TRUE(IsOwnDevmode(&pdev->devmode.dmPublic));
    EXPECT_EQ(reinterpret_cast<BYTE*>(PdevGetEnvExtra(pdev)), reinterpret_cast<BYTE*>(pdev) + 7876);
    EXPECT_EQ(reinterpret_cast<BYTE*>(PdlGetContext(pdev)), reinterpret_cast<BYTE*>(pdev) + 9075);
    EXPECT_EQ(Copy(PdlGetContext(pdev)->dwContextOffset), 9075u);
    EXPECT_NE(m_devInfo.hpalDefault, nullptr);
    EXPECT_EQ(m_devInfo.hpalDefault, pdev->hpalDefault);
}

TEST_F(EnablePdev, TakesItsOwnDevmodeWholeAndOnlyTheAcceptedPublicFieldsOfAForeignOne)
{
    DRIVER_DEVMODE own = DefaultDevmode();
    own.dmPublic.dmCopies = 4;
    own.dmPrivate.env.PaperLess_Check = 1;          // a private setting: kept only from the driver's own
    own.dmPrivate.fontSubstitutionList = reinterpret_cast<FONT_SUB_NODE*>(0x1234);   // never trusted
    ASSERT_NE(Enable(own), nullptr);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPublic.dmCopies), 4);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.env.PaperLess_Check), 1);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.fontSubstitutionList), nullptr);
    DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
    m_pdev = nullptr;

    DRIVER_DEVMODE foreign = own;
    foreign.dmPublic.dmDriverExtra = 100;           // another driver's private part
    ASSERT_NE(Enable(foreign), nullptr);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPublic.dmCopies), 4) << "DM_COPIES is a public field the options accept";
    const BYTE defaultPaperless = DefaultDevmode().dmPrivate.env.PaperLess_Check;
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.env.PaperLess_Check), defaultPaperless);
    EXPECT_TRUE(IsOwnDevmode(&m_pdev->devmode.dmPublic));
}

TEST_F(EnablePdev, ThePrinterWideFieldsComeFromTheStoredDevmodeWhenItIsTheDriversOwn)
{
    DRIVER_DEVMODE stored = DefaultDevmode();
    stored.dmPrivate.lpPDLType = 1;
    stored.dmPrivate.env.lpFinisher = 7;
    ASSERT_TRUE(SetPrinterDataValue(m_hPrinter, nullptr, kPrinterDevmodeValue, &stored, sizeof stored,
                                    REG_BINARY));
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.lpPDLType), 1);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.env.lpFinisher), 7);
    DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
    m_pdev = nullptr;

    // A stored value that is short or not the driver's own contributes nothing.
    std::memcpy(stored.dmPrivate.signature, u"XXXX", 8);
    ASSERT_TRUE(SetPrinterDataValue(m_hPrinter, nullptr, kPrinterDevmodeValue, &stored, sizeof stored,
                                    REG_BINARY));
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.lpPDLType), 0);
}

TEST_F(EnablePdev, GdiInfoIsCopiedUpToTheSizeGdiAsked)
{
    for (const ULONG cjCaps : {200ul, 400ul}) {
        SCOPED_TRACE(cjCaps);
        std::vector<BYTE> caps(400, 0xAB);
        DRIVER_DEVMODE dm = DefaultDevmode();
        PDEV* pdev = reinterpret_cast<PDEV*>(EnablePDEVImpl(&dm.dmPublic, nullptr, 0, nullptr, cjCaps,
                                                            reinterpret_cast<ULONG*>(caps.data()), 0, nullptr,
                                                            nullptr, const_cast<LPWSTR>(kPrinterName),
                                                            m_hPrinter));
        ASSERT_NE(pdev, nullptr);
        GDIINFO gi;
        std::memcpy(&gi, caps.data(), sizeof gi);
        EXPECT_EQ(gi.ulVersion, 0x500u);
        EXPECT_EQ(gi.ulTechnology, static_cast<ULONG>(DT_RASPRINTER));
        const size_t copied = std::min<size_t>(cjCaps, sizeof(GDIINFO));
        EXPECT_NE(caps[copied - 1], 0xAB);
        for (size_t i = copied; i < caps.size(); ++i)
            ASSERT_EQ(caps[i], 0xAB) << "byte " << i << " past the copy";
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(pdev));
    }
}

TEST_F(EnablePdev, GdiInfoDescribesThePageTurnedForLandscape)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    ASSERT_NE(Enable(dm), nullptr);
    const GDIINFO portrait = m_gdiInfo;
    const RECTL printable = m_pdev->devmode.dmPrivate.printableRectPixels;
    EXPECT_EQ(portrait.ulHorzRes, static_cast<ULONG>(printable.right - printable.left));
    EXPECT_EQ(portrait.ulVertRes, static_cast<ULONG>(printable.bottom - printable.top));
    EXPECT_EQ(portrait.ulLogPixelsX, static_cast<ULONG>(dm.dmPublic.dmPrintQuality));
    EXPECT_EQ(portrait.ulAspectXY, static_cast<ULONG>(dm.dmPublic.dmPrintQuality * 1414 / 1000));
    EXPECT_EQ(portrait.flTextCaps, 0x19F7u) << "the default devmode writes VQPDL (vector mode)";
    DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
    m_pdev = nullptr;

    dm.dmPublic.dmOrientation = DMORIENT_LANDSCAPE;
    ASSERT_NE(Enable(dm), nullptr);
    const PRIVATE_DEVMODE& landscape = m_pdev->devmode.dmPrivate;
    const RECTL turned = landscape.printableRectPixels;
    EXPECT_EQ(m_gdiInfo.ulHorzRes, static_cast<ULONG>(turned.bottom - turned.top));
    EXPECT_EQ(m_gdiInfo.ulVertRes, static_cast<ULONG>(turned.right - turned.left));
    EXPECT_EQ(m_gdiInfo.szlPhysSize.cx, Copy(landscape.paperLengthPixels));
    EXPECT_EQ(m_gdiInfo.szlPhysSize.cy, Copy(landscape.paperWidthPixels));
    EXPECT_EQ(m_gdiInfo.ptlPhysOffset.x, turned.top);
    EXPECT_EQ(m_gdiInfo.ptlPhysOffset.y, turned.left);
}

TEST_F(EnablePdev, BookletOutputIsTwoSidedWithTheBookletLayouts)
{
    struct Case { BYTE lpBooklet; BYTE layout; BYTE order; };
    for (const Case c : {Case{0, 8, 1}, Case{1, 9, 2}}) {
        SCOPED_TRACE(testing::Message() << "lpBooklet " << int(c.lpBooklet));
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.layoutSelectCode = 4;
        dm.dmPrivate.Layout_Check = 1;
        dm.dmPrivate.lpBooklet = c.lpBooklet;
        ASSERT_NE(Enable(dm), nullptr);
        const PRIVATE_DEVMODE& got = m_pdev->devmode.dmPrivate;
        EXPECT_EQ(Copy(got.dmPublicCopy.dmDuplex), 3);
        EXPECT_EQ(Copy(got.lpLayout), c.layout);
        EXPECT_EQ(Copy(got.lpOrder), c.order);
        // Two pages side by side on a sheet: the sheet is turned against the document.
        EXPECT_EQ(Copy(m_pdev->sOrientation), DMORIENT_PORTRAIT);
        EXPECT_EQ(Copy(got.dmPublicCopy.dmOrientation), DMORIENT_LANDSCAPE);
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
    }
}

TEST_F(EnablePdev, LayoutAndZoomExcludeEachOther)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    dm.dmPrivate.Layout_Check = 0;
    dm.dmPrivate.lpLayout = 4;
    dm.dmPrivate.ZoomCheck = 0;
    dm.dmPrivate.Zoom = 50;
    ASSERT_NE(Enable(dm), nullptr);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.lpLayout), 1);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.Zoom), 100);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.lpOutputPaper),
              static_cast<WORD>(m_pdev->devmode.dmPublic.dmPaperSize));
    DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
    m_pdev = nullptr;

    dm.dmPrivate.Layout_Check = 1;
    dm.dmPrivate.ZoomCheck = 1;
    ASSERT_NE(Enable(dm), nullptr);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.ZoomCheck), 0);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.Zoom), 100);
    EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.lpLayout), 4);
}

TEST_F(EnablePdev, AnAllocationFailureAnywhereLeavesNothingBehind)
{
    const DRIVER_DEVMODE dm = DefaultDevmode();
    const unsigned liveBefore = host::LiveGlobalBlocks();
    bool succeeded = false;
    for (unsigned nth = 1; nth <= 40 && !succeeded; ++nth) {
        SCOPED_TRACE(testing::Message() << "allocation " << nth << " fails");
        host::InjectFault(host::Fault::GlobalAlloc, nth);
        PDEV* pdev = Enable(dm);
        host::ClearFaults();
        if (pdev != nullptr) {
            EXPECT_TRUE(bValidatePDEV(pdev));
            DisablePDEVImpl(reinterpret_cast<DHPDEV>(pdev));
            m_pdev = nullptr;
            succeeded = true;
        }
        EXPECT_EQ(host::LiveGlobalBlocks(), liveBefore);
    }
    EXPECT_TRUE(succeeded);
}

TEST_F(EnablePdev, AnInvalidPdevIsRefusedEverywhere)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    std::vector<BYTE> block(sizeof(PDEV));
    std::memcpy(block.data(), m_pdev, sizeof(PDEV));
    PDEV* pCopy = reinterpret_cast<PDEV*>(block.data());
    EXPECT_TRUE(bValidatePDEV(pCopy));
    pCopy->dwMagic2 = 0;
    EXPECT_FALSE(bValidatePDEV(pCopy));
    pCopy->dwMagic2 = kPdevMagic;
    pCopy->dwMagic = 0x50584C45;
    EXPECT_FALSE(bValidatePDEV(pCopy));
    EXPECT_FALSE(bValidatePDEV(nullptr));

    const DHPDEV bad = reinterpret_cast<DHPDEV>(pCopy);
    host::ClearDebugTrace();
    SetLastError(0);
    EXPECT_EQ(EnableSurfaceImpl(bad), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(0);
    CompletePDEVImpl(bad, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(0);
    EXPECT_FALSE(ResetPDEVImpl(reinterpret_cast<DHPDEV>(m_pdev), bad));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    DisablePDEVImpl(bad);   // left alone: nothing of the real PDEV behind it is freed
    EXPECT_NE(host::DebugTrace().find(u"surfaces.cpp ("), std::u16string::npos) << host::ToUtf8(host::DebugTrace());
    EXPECT_NE(host::DebugTrace().find(u"): _bValidatePDEV failed.\n"), std::u16string::npos);
    EXPECT_TRUE(bValidatePDEV(m_pdev));
}

TEST_F(EnablePdev, ResetCarriesAStartedJobAndItsFontListToTheNewPdev)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    PDEV* pOld = m_pdev;
    m_pdev = nullptr;
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    PDEV* pNew = m_pdev;

    pOld->dwFlags = PDEVF_DOC_STARTED | PDEVF_PAGE_OPEN;
    pOld->cPagesBegun = 2;
    auto* pName = static_cast<LPWSTR>(AllocListAlloc(pOld->pAllocList, 8 * sizeof(WCHAR)));
    std::memcpy(pName, u"Report", 7 * sizeof(WCHAR));
    pOld->pDocumentName = pName;
    auto* pList = static_cast<FONT_SUB_NODE*>(AllocListAlloc(pOld->pAllocList, 132));
    pOld->devmode.dmPrivate.fontSubstitutionList = pList;
    PdlGetContext(pOld)->bHeaderWritten = 1;
    PdlGetContext(pOld)->bDocumentOpen = 1;
    pOld->devmode.dmPrivate.env.SaveToner = 1;       // a job setting: stays the old one mid-document
    pNew->devmode.dmPrivate.lpOutputPaper = 13;      // the new page's own: kept
    pNew->devmode.dmPrivate.dmPublicCopy.dmOrientation = DMORIENT_LANDSCAPE;

    ASSERT_TRUE(ResetPDEVImpl(reinterpret_cast<DHPDEV>(pOld), reinterpret_cast<DHPDEV>(pNew)));
    EXPECT_EQ(Copy(pNew->dwFlags), PDEVF_DOC_STARTED | PDEVF_PAGE_OPEN | PDEVF_JOB_CARRIED);
    EXPECT_EQ(Copy(pNew->cPagesBegun), 2u);
    ASSERT_NE(Copy(pNew->pDocumentName), nullptr);
    EXPECT_EQ(std::u16string(pNew->pDocumentName), u"Report");
    EXPECT_NE(Copy(pNew->pDocumentName), Copy(pOld->pDocumentName));
    EXPECT_EQ(Copy(pNew->devmode.dmPrivate.fontSubstitutionList), pList);
    EXPECT_EQ(Copy(pOld->devmode.dmPrivate.fontSubstitutionList), nullptr);
    EXPECT_EQ(Copy(PdlGetContext(pNew)->bHeaderWritten), 1u);
    EXPECT_EQ(Copy(PdlGetContext(pNew)->dwContextOffset), 9075u);
    EXPECT_EQ(Copy(pNew->devmode.dmPrivate.env.SaveToner), 1);
    EXPECT_EQ(Copy(pNew->devmode.dmPrivate.lpOutputPaper), 13);
    EXPECT_EQ(Copy(pNew->devmode.dmPrivate.dmPublicCopy.dmOrientation), DMORIENT_LANDSCAPE);

    // The old PDEV goes first, as GDI disables it; the list lives on in the new one's blocks.
    DisablePDEVImpl(reinterpret_cast<DHPDEV>(pOld));
    std::memset(pList, 0x5A, 132);   // the sanitizer would report a freed block
}

} // namespace
