// job_control.cpp - the job header, documents, pages and sheets of the VQPDL writer core.
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "pdl/vxcmn/capture.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/pjl_job_texts.h"
#include "pdl/vxcmn/vqpdlnt/pjl_line.h"
#include "pdl/vxcmn/vqpdlnt/pjl_options.h"
#include "pdl/vxcmn/vqpdlnt/planned_sheets.h"
#include "pdl/vxcmn/vqpdlnt/tab_capture.h"
#include "pdl/vxcmn/vqpdlnt/tone_mapping.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/strings/product_names.h"

#include <cstring>
#include <utility>

namespace {

constexpr DWORD kTitleBytes = 129;   // the title comment holds at most 128 bytes of the name
constexpr char kNoDocumentName[] = "DocName: NULL";

// Frees both capture buffers of the context.
void FreeCaptureBuffers(PDEV* pdev, JOB_EXTRA_RECORD* pContext)
{
    AllocListFree(pdev->pAllocList, pContext->pFaxCapture);
    pContext->pFaxCapture = nullptr;
    pContext->cbFaxCapture = 0;
    AllocListFree(pdev->pAllocList, pContext->pPaperlessBuffer);
    pContext->pPaperlessBuffer = nullptr;
    pContext->cbPaperless = 0;
}

// Moves a capture buffer of the old PDEV's blocks into the new PDEV's.
BYTE* MoveBuffer(PDEV* pOld, PDEV* pNew, BYTE* pBuffer)
{
    if (pBuffer == nullptr)
        return nullptr;
    return static_cast<BYTE*>(AllocListMove(pOld->pAllocList, pNew->pAllocList, pBuffer));
}

} // namespace

void OutputUEL(PDEV* pdev)
{
    PdlPrintf(pdev, "\033%%-12345X");
}

void WriteJobHeader(PDEV* pdev, LPCWSTR pDocumentName)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bNoFraming != 0 || pContext->bHeaderWritten != 0)
        return;
    OutputUEL(pdev);
    PjlWriteLine(pdev, {"@PJL\n"});
    char szModel[64];
    char szPdl[64];
    UnicodeToAnsi(szModel, GetModelName(), sizeof szModel);
    UnicodeToAnsi(szPdl, GetPdlName(), sizeof szPdl);
    PjlWriteLine(pdev, {"@PJL COMMENT HEADER ", szModel, " ", szPdl, "\n"});

    char szTitle[kTitleBytes];
    char szName[sizeof pContext->szDocNameAnsi];
    if (pDocumentName != nullptr) {
        UnicodeToAnsi(szTitle, pDocumentName, sizeof szTitle);
        UnicodeToAnsi(szName, pDocumentName, sizeof szName);
    } else {
        std::memcpy(szTitle, kNoDocumentName, sizeof kNoDocumentName);
        std::memcpy(szName, kNoDocumentName, sizeof kNoDocumentName);
    }
    CleanPjlText(szTitle);   // a line feed or escape in a title must not start a PJL command
    std::memset(pContext->szDocNameAnsi, 0, sizeof pContext->szDocNameAnsi);
    std::memcpy(pContext->szDocNameAnsi, szName, std::strlen(szName) + 1);
    PjlWriteLine(pdev, {"@PJL COMMENT Title : ", szTitle, " ;\n"});
    PjlWriteLine(pdev, {"@PJL COMMENT Driver version : ", GetDriverVersionString(), "\n"});
    SetOptionPJL(pdev);
    OutputUserDefinedSizes(pdev);
    OutputEnterLanguage(pdev);
    PdlOutputInit(pdev);
    pContext->bHeaderWritten = 1;
}

void PdlWriteJobHeaderOnce(PDEV* pdev, LPCWSTR pDocumentName)
{
    if (PdlGetContext(pdev)->bNoFraming == 0)
        WriteJobHeader(pdev, pDocumentName);
}

void PdlSuppressJobFraming(PDEV* pdev)
{
    PdlGetContext(pdev)->bNoFraming = 1;
}

void PdlMarkJobEnded(PDEV* pdev)
{
    PdlGetContext(pdev)->bEndedNormally = 1;
}

void PdlBeginPageAdditions(PDEV* pdev, BYTE bMode)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    pContext->bPageAdditions = 1;
    pContext->dwAdditionsMode = bMode;
    pdev->bToneMappingOff = 1;
}

void PdlEndPageAdditions(PDEV* pdev)
{
    PdlGetContext(pdev)->bPageAdditions = 0;
    pdev->bToneMappingOff = 0;
}

void OpenJobDocument(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const DEVMODE_ENV_EXTRA* pEnv = PdevGetEnvExtra(pdev);
    pContext->bHeaderWritten = 0;
    pContext->bSheetBegun = 0;
    pContext->bDocumentOpen = 1;
    pContext->dwPageFlag = 1;
    pContext->dwFirstSheet = 0;
    pContext->bEndedNormally = 0;
    pContext->bDrawKind = 1;
    pContext->dwSheetCount = 0;
    std::memset(pContext->pageState, 0, sizeof pContext->pageState);

    const bool paperless = pEnv->PaperLess_Check != 0 && pdev->devmode.dmPrivate.lpOverlay != 2 &&
                           !IsFaxWithCoverSheet(pdev) && GetPdlType(pdev) != 0;
    pContext->bPaperless = paperless ? 1 : 0;
    pContext->bPageBlank = 0;
    pContext->bCaptureToFile = 0;
    std::memset(pContext->szHoldingFile, 0, sizeof pContext->szHoldingFile);
    pContext->cbHeld = 0;
    std::memset(pContext->savedPageState, 0, sizeof pContext->savedPageState);
    pContext->savedPageFlag = 1;
    pContext->cbPaperless = 0;
    if (paperless && pContext->pPaperlessBuffer == nullptr)
        pContext->pPaperlessBuffer = static_cast<BYTE*>(AllocListAlloc(pdev->pAllocList, kPaperlessBufferSize));

    std::memset(pContext->dateStamp, 0, sizeof pContext->dateStamp);
    PdlEndPageAdditions(pdev);
    pContext->dwAdditionsMode = 1;

    PlanBeginDocument(pdev);

    PdlSetObjectKind(pdev, kObjectNone);
    PdlLoadToneTable(pdev);
    std::memset(&pContext->lastPageValues, 0, sizeof pContext->lastPageValues);   // a new job sends its setup
    std::memset(pContext->faxDateStamp, 0, sizeof pContext->faxDateStamp);
    std::memset(pContext->phoneBook, 0, sizeof(DWORD));
    pContext->dwTransmission = 0;
    pContext->bTransmissionKind = 0;
    std::memset(pContext->szFaxTempDir, 0, sizeof pContext->szFaxTempDir);
    std::memset(pContext->szExtraTempName, 0, sizeof pContext->szExtraTempName);
    std::memset(pContext->szTempNames, 0, sizeof pContext->szTempNames);
    pContext->cbFaxCapture = 0;
    if (IsFaxWithCoverSheet(pdev) && pContext->pFaxCapture == nullptr)
        pContext->pFaxCapture = static_cast<BYTE*>(AllocListAlloc(pdev->pAllocList, kPaperlessBufferSize));
    std::memset(pContext->trayPaperMap, 0, sizeof pContext->trayPaperMap);
}

void OpenJobPage(PDEV* pdev, BOOL /*backSide*/, BOOL /*creatingForm*/)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    PdlBeginDrawing(pdev, kObjectPage);
    const RECTL layout = pdev->devmode.dmPrivate.outputPrintableRectPixels;
    SHORT cx = static_cast<SHORT>(layout.right - layout.left);
    SHORT cy = static_cast<SHORT>(layout.bottom - layout.top);
    if (pdev->devmode.dmPrivate.dmPublicCopy.dmOrientation == DMORIENT_LANDSCAPE)
        std::swap(cx, cy);
    pContext->cxPage = cx;
    pContext->cyPage = cy;

    pContext->lCurrentPage = static_cast<LONG>(pdev->cPagesBegun);   // what the plan's answers are about
    PdlEmitPlannedSheetsBeforeFirstPage(pdev);
    if (pContext->bSheetBegun == 0) {
        if (pContext->bPaperless != 0) {
            FlushPaperlessCapture(pdev);
            SendHoldingFile(pdev);
            pContext->bPageBlank = 1;
            pContext->bCaptureToFile = 1;
            std::memcpy(pContext->savedPageState, pContext->pageState, sizeof pContext->pageState);
            pContext->savedPageFlag = pContext->dwPageFlag;
        }
        PdlBeginPageSetup(pdev);
        pContext->bSheetBegun = 1;
        pContext->dwFirstSheet = 1;
    }
    PdlOutputPageOpening(pdev);
}

void PdlSendPageStep(PDEV* pdev)
{
    // The sheet ends here: whatever clip the printer held does not carry over to the next one.
    PdlResetClipCache(pdev);
}

void PdlEndPageStep(PDEV* pdev)
{
    if (PdlGetContext(pdev)->bNoFraming == 0)
        PdlEmitPlannedSheetsAfterPage(pdev);
}

void PdlSheetEndCapture(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bPaperless == 0)
        return;
    FlushPaperlessCapture(pdev);
    if (pContext->bPageBlank != 0) {
        pContext->cbHeld = 0;   // the next append makes the holding file anew
        std::memcpy(pContext->pageState, pContext->savedPageState, sizeof pContext->pageState);
        pContext->dwPageFlag = pContext->savedPageFlag;
        pContext->dwFirstSheet = 0;
    } else {
        pContext->bCaptureToFile = 0;
        SendHoldingFile(pdev);
    }
    pContext->bPageBlank = 0;
    pContext->bCaptureToFile = 0;
}

void CloseJobDocument(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    PdlSetObjectKind(pdev, kObjectNone);
    FreeTabCaptures(pdev);
    if (pContext->bHeaderWritten != 0 && pContext->bEndedNormally != 0 && pContext->bNoFraming == 0) {
        OutputUEL(pdev);
        if (IsFaxWithCoverSheet(pdev))
            PlayFaxFiles(pdev);
    }
    AllocListFree(pdev->pAllocList, pContext->pFaxCapture);
    pContext->pFaxCapture = nullptr;
    pContext->cbFaxCapture = 0;
    pContext->bDocumentOpen = 0;
    pContext->bCancel = 0;
    pContext->bNoFraming = 0;
    PlanEndDocument(pdev);
    pContext->bDrawKind = 1;
    if (pContext->bPaperless != 0) {
        pContext->bCaptureToFile = 0;
        FlushPaperlessCapture(pdev);
        SendHoldingFile(pdev);
        pContext->bPaperless = 0;
    }
    FreeCaptureBuffers(pdev, pContext);
}

void ReleaseJobBuffers(PDEV* pdev)
{
    FreeCaptureBuffers(pdev, PdlGetContext(pdev));
}

void CopyJobContext(PDEV* pOld, PDEV* pNew)
{
    JOB_EXTRA_RECORD* pOldContext = PdlGetContext(pOld);
    JOB_EXTRA_RECORD* pNewContext = PdlGetContext(pNew);
    // The new PDEV starts without buffers of its own; the old one's move over with the job.
    ReleaseJobBuffers(pNew);
    std::memcpy(pNewContext, pOldContext, sizeof(JOB_EXTRA_RECORD));
    pNewContext->pPaperlessBuffer = MoveBuffer(pOld, pNew, pOldContext->pPaperlessBuffer);
    pNewContext->pFaxCapture = MoveBuffer(pOld, pNew, pOldContext->pFaxCapture);
    pOldContext->pPaperlessBuffer = nullptr;
    pOldContext->pFaxCapture = nullptr;
    // What the writer remembers of the printer lives in blocks of the old PDEV's list too, which go with it:
    // they move, or the new context would point into freed memory once the old PDEV is disabled.
    pNewContext->pPathCache = MoveBuffer(pOld, pNew, pOldContext->pPathCache);
    pNewContext->pClipList = reinterpret_cast<RECTL*>(
        MoveBuffer(pOld, pNew, reinterpret_cast<BYTE*>(pOldContext->pClipList)));
    pOldContext->pPathCache = nullptr;
    pOldContext->pClipList = nullptr;
    for (UINT i = 0; i < kPatternSlotCount; ++i) {
        pNewContext->pPatternSlots[i] = MoveBuffer(pOld, pNew, pOldContext->pPatternSlots[i]);
        pOldContext->pPatternSlots[i] = nullptr;
    }
    PlanMoveBuffers(pOld, pNew);
    PdlGetContext(pNew);   // the offset field describes the new PDEV

    if (pOldContext->bDocumentOpen == 0)
        return;
    // The job's settings do not change in the middle of a document: the old devmode's private bytes come
    // over, except what describes the new page (its public copies, output paper, zoom, geometry, trays).
    PRIVATE_DEVMODE& dm = pNew->devmode.dmPrivate;
    const DEVMODEW publicCopy = dm.dmPublicCopy;
    const WORD lpOutputPaper = dm.lpOutputPaper;
    const SHORT zoom = dm.Zoom;
    BYTE* const pGeometry = reinterpret_cast<BYTE*>(&dm) + offsetof(PRIVATE_DEVMODE, layoutSelectFlag);
    BYTE geometry[66];   // the paper geometry block: private offsets 569-634
    std::memcpy(geometry, pGeometry, sizeof geometry);
    const WORD lpMediaSource = dm.env.lpMediaSource;
    const WORD lpOutputTray = dm.env.lpOutputTray;
    const RECTL customRect = dm.env.customPaperRectPixels;
    const RECTL outputRect = dm.env.outputPrintableRect;
    FONT_SUB_NODE* const pFontList = dm.fontSubstitutionList;

    std::memcpy(&dm, &pOld->devmode.dmPrivate, sizeof dm);
    dm.dmPublicCopy = publicCopy;
    dm.lpOutputPaper = lpOutputPaper;
    dm.Zoom = zoom;
    std::memcpy(pGeometry, geometry, sizeof geometry);
    dm.env.lpMediaSource = lpMediaSource;
    dm.env.lpOutputTray = lpOutputTray;
    dm.env.customPaperRectPixels = customRect;
    dm.env.outputPrintableRect = outputRect;
    dm.fontSubstitutionList = pFontList;
}
