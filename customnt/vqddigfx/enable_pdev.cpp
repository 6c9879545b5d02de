// enable_pdev.cpp - enabling, completing, resetting and disabling a PDEV.
// The devmode GDI hands in comes from the application: it is taken whole only when it is this driver's own
// and of the same layout, and otherwise only its public fields pass the option tables' checks.
#include "customnt/vqddigfx/enable_pdev.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/device_caps.h"
#include "customnt/vqddigfx/nup_layout.h"
#include "customnt/vqddigfx/output_stream.h"
#include "customnt/vqddigfx/trace.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"
#include "settings/base/global_memory.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/devmode/devmode_merge.h"
#include "settings/devmode/devmode_validate.h"
#include "settings/devmode/layout_table.h"
#include "settings/devmode/printer_devmode.h"
#include "settings/registry/printer_data.h"
#include "settings/strings/res_library.h"
#include "win/winspool.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr BYTE kOutputModeBooklet = 4;

// The printer driver file, loaded as a module while the PDEV lives; 0 when the spooler cannot name it.
HANDLE LoadDriverFileModule(HANDLE hPrinter)
{
    DWORD cbNeeded = 0;
    GetPrinterDriverW(hPrinter, nullptr, 2, nullptr, 0, &cbNeeded);
    if (cbNeeded < sizeof(DRIVER_INFO_2W))
        return nullptr;
    const HLOCAL hInfo = LocalAlloc(LPTR, cbNeeded);
    if (hInfo == nullptr)
        return nullptr;
    HANDLE hModule = nullptr;
    auto* pInfo = reinterpret_cast<DRIVER_INFO_2W*>(hInfo);
    if (GetPrinterDriverW(hPrinter, nullptr, 2, reinterpret_cast<LPBYTE>(pInfo), cbNeeded, &cbNeeded) &&
        pInfo->pDriverPath != nullptr)
        hModule = EngLoadModule(pInfo->pDriverPath);
    LocalFree(hInfo);
    return hModule;
}

void ResetPacketBuffer(PDEV* pdev)
{
    pdev->cbPacketCapacity = kPacketCapacity;
    pdev->pPacketWrite = pdev->packetData;
    pdev->cbPacket = 0;
}

// Applies the layout rules the engine relies on: N-up and zoom exclude each other, and booklet output is
// two-sided with the booklet layouts.
void SettleLayout(PDEV* pdev)
{
    PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    if (IsRasterMode(pdev))
        dm.FontUseFlg = 0;
    if (dm.Layout_Check == 1) {
        dm.ZoomCheck = 0;
        dm.Zoom = 100;
    } else {
        dm.lpLayout = kLayoutSinglePage;
        if (dm.ZoomCheck == 0) {
            dm.Zoom = 100;
            dm.lpOutputPaper = pdev->devmode.dmPublic.dmPaperSize;
        }
    }
    if (dm.layoutSelectCode == kOutputModeBooklet) {
        pdev->devmode.dmPublic.dmDuplex = DMDUP_HORIZONTAL;
        dm.dmPublicCopy.dmDuplex = DMDUP_HORIZONTAL;
        dm.lpLayout = dm.lpBooklet != 0 ? kLayoutBookletBound : kLayoutBooklet;
        dm.lpOrder = dm.lpBooklet != 0 ? 2 : 1;
    }
}

// Copies what GDI asked for of a record: at most cbRecord bytes, at most cbAsked.
void CopyToCaller(void* pOut, ULONG cbAsked, const void* pRecord, ULONG cbRecord)
{
    if (pOut != nullptr)
        std::memcpy(pOut, pRecord, std::min(cbAsked, cbRecord));
}

// Frees what EngineEnablePDEV made so far.
void ReleasePdev(PDEV* pdev)
{
    if (pdev->hpalDefault != nullptr)
        EngDeletePalette(pdev->hpalDefault);
    if (pdev->hDriverModule != nullptr)
        EngFreeModule(pdev->hDriverModule);
    AllocListFreeAll(pdev->pAllocList);
}

// The job's devmode: defaults, the caller's devmode, the printer-wide fields, validation. FALSE when the
// resource library or memory is missing.
BOOL SettleJobDevmode(const RES_MODULE_CELL* pCell, const DEVMODEW* pdm, LPWSTR pwszDeviceName, HANDLE hPrinter,
                      DRIVER_DEVMODE* pWork, DRIVER_DEVMODE* pPrinterWide)
{
    if (!BuildDefaultDevmodeGfx(pCell, pWork, pwszDeviceName))
        return FALSE;
    if (IsOwnDevmode(pdm) && IsCompatibleDevmodePair(pdm, &pWork->dmPublic))
        std::memcpy(pWork, pdm, sizeof(DRIVER_DEVMODE));   // the pair test proved both sizes are ours
    else
        MergePublicDevmodeFields(pCell, pdm, pWork);
    DWORD cbNeeded = 0;
    // A printer-wide value that is short, long or not the driver's own contributes nothing.
    if (GetPrinterDataValue(hPrinter, nullptr, kPrinterDevmodeValue, pPrinterWide, sizeof(DRIVER_DEVMODE),
                            &cbNeeded) == ERROR_SUCCESS &&
        cbNeeded == sizeof(DRIVER_DEVMODE) && IsOwnDevmode(&pPrinterWide->dmPublic))
        CopyPrinterWideFields(pPrinterWide, pWork);
    ValidateDevmode(pCell, pWork, hPrinter);
    // A pointer never comes in from outside: the font-substitution list is built for this job only.
    pWork->dmPrivate.fontSubstitutionList = nullptr;
    return TRUE;
}

} // namespace

DHPDEV EnablePDEVImpl(DEVMODEW* pdm, LPWSTR /*pwszLogAddress*/, ULONG cPat, HSURF* phsurfPatterns, ULONG cjCaps,
                      ULONG* pdevcaps, ULONG cjDevInfo, DEVINFO* pdi, HDEV /*hdev*/, LPWSTR pwszDeviceName,
                      HANDLE hPrinter)
{
    if (pdm == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    RES_MODULE_CELL* pCell = OpenResModule();
    if (pCell == nullptr)
        return nullptr;
    auto* pWork = static_cast<DRIVER_DEVMODE*>(AllocLockedBlock(2 * sizeof(DRIVER_DEVMODE)));
    if (pWork == nullptr) {
        CloseResModule(pCell);
        return nullptr;
    }
    PDEV* pdev = nullptr;
    GDIINFO gdiInfo;
    DEVINFO devInfo;
    if (SettleJobDevmode(pCell, pdm, pwszDeviceName, hPrinter, pWork, pWork + 1) &&
        EngineEnablePDEV(pWork, hPrinter, cPat, phsurfPatterns, &gdiInfo, &devInfo, &pdev)) {
        FillDefaultFonts(pdev, &devInfo);
        CopyToCaller(pdevcaps, cjCaps, &gdiInfo, sizeof gdiInfo);
        CopyToCaller(pdi, cjDevInfo, &devInfo, sizeof devInfo);
    }
    FreeLockedBlock(pWork);
    CloseResModule(pCell);
    return reinterpret_cast<DHPDEV>(pdev);
}

BOOL EngineEnablePDEV(const DRIVER_DEVMODE* pdm, HANDLE hPrinter, ULONG cPat, HSURF* phsurfPatterns,
                      GDIINFO* pGdiInfo, DEVINFO* pDevInfo, PDEV** ppdev)
{
    ALLOC_LIST* pList = AllocListCreate();
    auto* pdev = static_cast<PDEV*>(AllocListAlloc(pList, sizeof(PDEV)));
    if (pdev == nullptr) {
        AllocListFreeAll(pList);
        return FALSE;
    }
    pdev->pAllocList = pList;
    pdev->wEnvOffset = kPdevEnvOffset;
    pdev->wPdevSize = kPdevSize;
    pdev->hPrinter = hPrinter;
    pdev->pDocumentName = nullptr;
    pdev->hDriverModule = LoadDriverFileModule(hPrinter);
    std::memcpy(&pdev->devmode, pdm, sizeof(DRIVER_DEVMODE));

    SettleLayout(pdev);
    pdev->devmode.dmPrivate.fontSubstitutionList = nullptr;
    ResetPacketBuffer(pdev);
    pdev->dwMagic = kPdevMagic;
    pdev->dwMagic2 = kPdevMagic;
    pdev->dwFlags = 0;
    pdev->cPagesBegun = 0;
    const SHORT copies = pdev->devmode.dmPrivate.dmPublicCopy.dmCopies;
    pdev->dwCopyCount = copies > 0 ? copies : 1;
    pdev->ulScale = pdev->devmode.dmPrivate.lpLayout == kLayoutSinglePage ? kScaleNone : ComputeNupLayout(pdev);
    pdev->xOffset = 0;
    pdev->yOffset = 0;
    pdev->pfnWriteOutput = EngineWriteOutput;
    pdev->pfnSendPacket = SendStreamPacket;

    BuildGdiInfo(pdev, pGdiInfo);
    if (!BuildDevInfo(pdev, pDevInfo)) {
        ReleasePdev(pdev);
        return FALSE;
    }
    if (!IsRasterMode(pdev) && !PdlEnablePDEV(pdev, pGdiInfo, pDevInfo)) {
        ReleasePdev(pdev);
        return FALSE;
    }
    PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    pdev->sOrientation = dm.dmPublicCopy.dmOrientation;
    // A layout whose cells turn the sheet: the sheet's orientation is the other one.
    if (LayoutTurnsSheet(dm.lpLayout))
        dm.dmPublicCopy.dmOrientation = dm.dmPublicCopy.dmOrientation == DMORIENT_LANDSCAPE ? DMORIENT_PORTRAIT
                                                                                             : DMORIENT_LANDSCAPE;
    if (phsurfPatterns != nullptr)
        std::memset(phsurfPatterns, 0, cPat * sizeof(HSURF));
    *ppdev = pdev;
    return TRUE;
}

VOID CompletePDEVImpl(DHPDEV dhpdev, HDEV hdev)
{
    PDEV* pdev = reinterpret_cast<PDEV*>(dhpdev);
    if (!bValidatePDEV(pdev)) {
        TRACE_FAILED("_bValidatePDEV");
        SetLastError(ERROR_INVALID_PARAMETER);
        return;
    }
    pdev->hdev = hdev;
}

VOID DisablePDEVImpl(DHPDEV dhpdev)
{
    PDEV* pdev = reinterpret_cast<PDEV*>(dhpdev);
    if (!bValidatePDEV(pdev)) {
        TRACE_FAILED("_bValidatePDEV");
        SetLastError(ERROR_INVALID_PARAMETER);
        return;
    }
    PdlDisablePDEV(pdev);
    DestroyOutputStream(pdev);
    ResetPacketBuffer(pdev);
    if (pdev->devmode.dmPrivate.fontSubstitutionList != nullptr) {
        AllocListFree(pdev->pAllocList, pdev->devmode.dmPrivate.fontSubstitutionList);
        pdev->devmode.dmPrivate.fontSubstitutionList = nullptr;
    }
    // The magics go first: a PDEV handed in again after this fails validation instead of being used.
    pdev->dwMagic = 0;
    pdev->dwMagic2 = 0;
    ReleasePdev(pdev);
}

BOOL ResetPDEVImpl(DHPDEV dhpdevOld, DHPDEV dhpdevNew)
{
    PDEV* pOld = reinterpret_cast<PDEV*>(dhpdevOld);
    PDEV* pNew = reinterpret_cast<PDEV*>(dhpdevNew);
    if (!bValidatePDEV(pOld) || !bValidatePDEV(pNew)) {
        TRACE_FAILED("_bValidatePDEV");
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if ((pOld->dwFlags & PDEVF_DOC_STARTED) != 0) {
        if (pOld->pDocumentName != nullptr) {
            const size_t cch = std::char_traits<WCHAR>::length(pOld->pDocumentName) + 1;
            auto* pName = static_cast<LPWSTR>(AllocListAlloc(pNew->pAllocList, cch * sizeof(WCHAR)));
            if (pName == nullptr)
                return FALSE;
            std::memcpy(pName, pOld->pDocumentName, cch * sizeof(WCHAR));
            pNew->pDocumentName = pName;
        }
        // The list's block moves into the new PDEV's allocation list: the old PDEV frees all of its own
        // blocks when it is disabled, and the new one must not be left pointing into them.
        FONT_SUB_NODE* pList = pOld->devmode.dmPrivate.fontSubstitutionList;
        pOld->devmode.dmPrivate.fontSubstitutionList = nullptr;
        if (pNew->devmode.dmPrivate.fontSubstitutionList != nullptr)
            AllocListFree(pNew->pAllocList, pNew->devmode.dmPrivate.fontSubstitutionList);
        pNew->devmode.dmPrivate.fontSubstitutionList =
            static_cast<FONT_SUB_NODE*>(AllocListMove(pOld->pAllocList, pNew->pAllocList, pList));
        pNew->dwFlags = pOld->dwFlags;
        pNew->cPagesBegun = pOld->cPagesBegun;
        pNew->cyPage = pOld->cyPage;
        pNew->iBand = pOld->iBand;
        pNew->pStream = pOld->pStream;
        pOld->pStream = nullptr;
        PRIVATE_DEVMODE& newDm = pNew->devmode.dmPrivate;
        const PRIVATE_DEVMODE& oldDm = pOld->devmode.dmPrivate;
        if (pOld->cPagesBegun != 0) {
            newDm.WatermarkIndex = oldDm.WatermarkIndex;
            newDm.FirstPageOnly = oldDm.FirstPageOnly;
            newDm.dmPublicCopy.dmDuplex = oldDm.dmPublicCopy.dmDuplex;
            newDm.dmPublicCopy.dmCopies = oldDm.dmPublicCopy.dmCopies;
            newDm.layoutSelectCode = oldDm.layoutSelectCode;
        }
        newDm.lpOverlay = oldDm.lpOverlay;
        newDm.bOverlayIndex = oldDm.bOverlayIndex;
        pNew->dwFlags |= PDEVF_JOB_CARRIED;
    }
    // The job's settings come over with the context first: the N-up carry-over decides on the sheets from them.
    PdlResetPDEV(pOld, pNew);
    CarryNupLayout(pOld, pNew);
    return TRUE;
}
