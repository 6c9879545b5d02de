// fax_escapes.cpp - the fax job's escapes: the page state sent back after a cover page, the phone book, the
// transmissions and their temporary files, the document name and date stamps; and the end of every job.
// The values that select a temporary name or count recipients are kept as sent; the capture bounds them by
// the 100 names wherever it uses them.
#include "customnt/vqddigfx/fax_escapes.h"
#include "customnt/vqddigfx/escape_table.h"
#include "pdl/vxcmn/vqpdlnt/fax_context.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/base/fax_job_state.h"
#include "settings/base/private_escape_codes.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

static_assert(kEscIndexedTempNameIn == sizeof(DWORD) + kEscTempNameIn, "the index, then the name");
static_assert(kEscPhoneBookTextOut == kPhoneBookTextSize * sizeof(WCHAR));
static_assert(kEscPhoneBookIn == kPhoneBookSize);
static_assert(kEscFaxJobIn == kFaxJobStateSize);

// The device flags that say what the PDEV itself holds: a snapshot cannot open or close its stream, nor take
// back a failed output.
constexpr DWORD kOwnFlags = PDEVF_OUTPUT_FAILED | PDEVF_STREAM_OPEN;

static_assert(sizeof(PDEV::nupBlock) == kFaxNupBlockSize);

// One copy of the public devmode fields from its ten widened values; the private copy keeps its own vertical
// resolution, which the snapshot only reports.
void ApplyPaperValues(DEVMODEW& dm, const FAX_PAPER_VALUES& values, bool withResolution)
{
    dm.dmOrientation = static_cast<SHORT>(values.dmOrientation);
    dm.dmPaperSize = static_cast<SHORT>(values.dmPaperSize);
    dm.dmPaperLength = static_cast<SHORT>(values.dmPaperLength);
    dm.dmPaperWidth = static_cast<SHORT>(values.dmPaperWidth);
    dm.dmScale = static_cast<SHORT>(values.dmScale);
    dm.dmCopies = static_cast<SHORT>(values.dmCopies);
    dm.dmDefaultSource = static_cast<SHORT>(values.dmDefaultSource);
    dm.dmDuplex = static_cast<SHORT>(values.dmDuplex);
    dm.dmCollate = static_cast<SHORT>(values.dmCollate);
    if (withResolution)
        dm.dmYResolution = static_cast<SHORT>(values.dmYResolution);
}

// The snapshot's geometry bounds: no page of the printer comes near 2^20 pixels or 0.01 mm, so anything past
// them was not taken from a job; within them the page code's sums and products stay inside 32 bits.
constexpr LONG kMaxGeometry = 1 << 20;
constexpr DWORD kMaxSnapshotScale = 10000;   // full size: N-up cells only shrink
constexpr SHORT kMaxSnapshotZoom = 1000;     // percent

bool IsSaneCoordinate(LONG value)
{
    return value >= -kMaxGeometry && value <= kMaxGeometry;
}

bool IsSaneRect(const RECTL& rect)
{
    return IsSaneCoordinate(rect.left) && IsSaneCoordinate(rect.top) && IsSaneCoordinate(rect.right) &&
           IsSaneCoordinate(rect.bottom) && rect.left <= rect.right && rect.top <= rect.bottom;
}

bool IsSaneSize(LONG value)
{
    return value >= 0 && value <= kMaxGeometry;
}

bool IsSaneGeometry(const FAX_JOB_STATE& state)
{
    const RECTL rects[] = {state.PaperAreaRect, state.customPaperRectPixels, state.ImageAreaRect,
                           state.layoutAreaRect, state.outputPrintableRect};
    for (const RECTL& rect : rects)
        if (!IsSaneRect(rect))
            return false;
    const LONG sizes[] = {state.paperWidthPixels, state.paperLengthPixels, state.outputWidthPixels,
                          state.outputLengthPixels};
    for (LONG size : sizes)
        if (!IsSaneSize(size))
            return false;
    const SHORT zoom = state.Zoom;
    return IsSaneCoordinate(state.xOffset) && IsSaneCoordinate(state.yOffset) &&
           state.ulScale <= kMaxSnapshotScale && zoom >= 0 && zoom <= kMaxSnapshotZoom;
}

// Every field of the snapshot goes back where it was taken from, but the record's first word. A snapshot whose
// geometry no job could have is refused whole: the page code would overflow on it.
ULONG ApplyFaxJobState(const ESCAPE_CALL& call)
{
    FAX_JOB_STATE state;
    std::memcpy(&state, call.pIn, sizeof state);
    if (!IsSaneGeometry(state)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    PDEV* pdev = call.pdev;
    pdev->dwFlags = (state.dwFlags & ~kOwnFlags) | (pdev->dwFlags & kOwnFlags);
    pdev->cPagesBegun = state.cPagesBegun;
    pdev->wRepeatCount = static_cast<WORD>(state.dwRepeatCount);
    pdev->xOffset = state.xOffset;
    pdev->yOffset = state.yOffset;
    pdev->bFormMode = state.bFormMode;
    pdev->bPacketType = state.bPacketType;
    pdev->wStreamMode = state.wStreamMode;
    pdev->wSectionKind = static_cast<WORD>(state.dwSectionKind);
    pdev->ulScale = state.ulScale;
    ApplyPaperValues(pdev->devmode.dmPublic, state.publicValues, /*withResolution=*/true);
    pdev->reserved4161 = state.bDeviceByte;
    pdev->bToneMappingOff = state.bToneMappingOff;
    pdev->sOrientation = state.bOrientation;
    std::memcpy(&pdev->nupBlock, state.nupBlock, sizeof pdev->nupBlock);

    PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    ApplyPaperValues(dm.dmPublicCopy, state.privateValues, /*withResolution=*/false);
    dm.printableRect = state.PaperAreaRect;
    dm.printableRectPixels = state.ImageAreaRect;
    dm.outputPrintableRectPixels = state.layoutAreaRect;
    dm.lpOutputPaper = state.lpOutputPaper;
    dm.paperWidthPixels = state.paperWidthPixels;
    dm.paperLengthPixels = state.paperLengthPixels;
    dm.outputWidthPixels = state.outputWidthPixels;
    dm.outputLengthPixels = state.outputLengthPixels;
    dm.Layout_Check = state.Layout_Check;
    dm.lpLayout = state.lpLayout;
    dm.lpOrder = state.lpOrder;
    dm.layoutSelectCode = state.bOutputMode;
    dm.ZoomCheck = state.ZoomCheck;
    dm.Zoom = state.Zoom;
    dm.lpOverlay = state.lpOverlay;
    dm.bOverlayIndex = state.bOverlayIndex;
    dm.OverlayPrompt = state.OverlayPrompt;
    dm.lpWatermarkOrder = state.lpWatermarkOrder;
    dm.Watermark_Use = state.Watermark_Use;
    dm.WatermarkIndex = state.WatermarkIndex;
    dm.FirstPageOnly = state.FirstPageOnly;
    dm.lpPDLType = state.bPDLType;

    DEVMODE_ENV_EXTRA* pEnv = PdevGetEnvExtra(pdev);
    pEnv->customPaperRectPixels = state.customPaperRectPixels;
    pEnv->outputPrintableRect = state.outputPrintableRect;
    pEnv->lpMediaSource = state.lpMediaSource;
    pEnv->lpOutputTray = state.lpOutputTray;
    pEnv->outputPaperWidth = state.outputPaperWidth;
    pEnv->outputPaperLength = state.outputPaperLength;
    pEnv->lpOutput = state.lpOutput;
    pEnv->CoverSheet = state.CoverSheet;
    return 1;
}

ULONG GetPhoneBookId(const ESCAPE_CALL& call)
{
    const DWORD id = PdevGetEnvExtra(call.pdev)->phoneBookFileNumber;
    std::memcpy(call.pOut, &id, sizeof id);
    return 1;
}

ULONG ClearPhoneBookId(const ESCAPE_CALL& call)
{
    PdevGetEnvExtra(call.pdev)->phoneBookFileNumber = 0;
    return 1;
}

ULONG StorePhoneBook(const ESCAPE_CALL& call)
{
    PdlSetPhoneBook(call.pdev, call.pIn);
    return 1;
}

static_assert(kFaxValues == ESC_SET_FAX_VALUE_LAST - ESC_SET_FAX_VALUE_FIRST + 1);

ULONG StoreFaxValue(const ESCAPE_CALL& call)
{
    DWORD value = 0;
    std::memcpy(&value, call.pIn, sizeof value);
    PdlSetFaxValue(call.pdev, call.iEsc - ESC_SET_FAX_VALUE_FIRST, value);
    return 1;
}

// The job header of the transmission, titled with the given text; once per job, and never for a job without
// framing. Outside a document there is no job for it to open: its bytes would stand in front of the next
// document's own header.
ULONG WriteFaxJobHeader(const ESCAPE_CALL& call)
{
    if (!PdlIsDocumentOpen(call.pdev))
        return 1;
    WCHAR title[kEscPathBytes / sizeof(WCHAR)];
    StoreEscapeText(&title, call.pIn, kEscPathBytes);
    PdlWriteJobHeaderOnce(call.pdev, title);
    return 1;
}

// What the fax capture holds goes to the transmission that is ending; then the next one starts.
ULONG StartTransmission(const ESCAPE_CALL& call)
{
    PdlStartTransmission(call.pdev, call.pIn[0]);
    return 1;
}

// The next transmission is a job of its own: its header, sheets and drawing state start afresh.
ULONG ResetTransmission(const ESCAPE_CALL& call)
{
    PdlResetTransmission(call.pdev);
    return 1;
}

ULONG GetDocName(const ESCAPE_CALL& call)
{
    WCHAR name[kEscPathBytes / sizeof(WCHAR)];
    PdlGetDocName(call.pdev, name);
    std::memcpy(call.pOut, name, sizeof name);
    return 1;
}

ULONG StoreDocName(const ESCAPE_CALL& call)
{
    WCHAR name[kEscPathBytes / sizeof(WCHAR)];
    StoreEscapeText(&name, call.pIn, kEscPathBytes);
    PdlSetDocName(call.pdev, name);
    return 1;
}

// Byte 0 lpOutput, byte 1 CoverSheet, u32 at 4 the phone book's rows, bytes 8 and 9 the send time, u16 at 10
// the timed-send switch, u32 at 12 whether the job header is written.
ULONG GetFaxStatus(const ESCAPE_CALL& call)
{
    const DEVMODE_ENV_EXTRA* pEnv = PdevGetEnvExtra(call.pdev);
    BYTE status[kEscFaxStatusOut] = {};
    status[0] = pEnv->lpOutput;
    status[1] = pEnv->CoverSheet;
    const DWORD rows = std::min(PdlGetPhoneBookRows(call.pdev), kPhoneBookRows);
    std::memcpy(status + 4, &rows, sizeof rows);
    status[8] = pEnv->bTimeH;
    status[9] = pEnv->bTimeM;
    const WORD timedSend = pEnv->feature72;
    std::memcpy(status + 10, &timedSend, sizeof timedSend);
    const DWORD headerWritten = PdlIsJobHeaderWritten(call.pdev);
    std::memcpy(status + 12, &headerWritten, sizeof headerWritten);
    std::memcpy(call.pOut, status, sizeof status);
    return 1;
}

ULONG StoreFaxDateStamp(const ESCAPE_CALL& call)
{
    WORD stamp[kEscDateStampBytes / sizeof(WORD)];
    std::memcpy(stamp, call.pIn, sizeof stamp);
    PdlSetFaxDateStamp(call.pdev, stamp);
    return 1;
}

ULONG GetFaxDateStamp(const ESCAPE_CALL& call)
{
    WORD stamp[kEscDateStampBytes / sizeof(WORD)];
    PdlGetFaxDateStamp(call.pdev, stamp);
    std::memcpy(call.pOut, stamp, sizeof stamp);
    return 1;
}

ULONG ClearPhoneBook(const ESCAPE_CALL& call)
{
    PdlClearPhoneBook(call.pdev);
    return 1;
}

// The first recipient's name (44 ANSI bytes) as 44 UTF-16 units, the last one always 0.
ULONG GetPhoneBookText(const ESCAPE_CALL& call)
{
    char ansi[kPhoneBookTextSize + 1] = {};
    PdlGetFirstRecipientName(call.pdev, ansi);
    WCHAR text[kPhoneBookTextSize] = {};
    AnsiToUnicode(text, ansi, kPhoneBookTextSize);
    std::memcpy(call.pOut, text, sizeof text);
    return 1;
}

ULONG MarkJobEnded(const ESCAPE_CALL& call)
{
    PdlMarkJobEnded(call.pdev);
    return 1;
}

// An index beyond the names is ignored.
ULONG ClearTempName(const ESCAPE_CALL& call)
{
    WORD index = 0;
    std::memcpy(&index, call.pIn, sizeof index);
    PdlClearFaxTempName(call.pdev, index);
    return 1;
}

ULONG ClearExtraTempName(const ESCAPE_CALL& call)
{
    PdlClearExtraTempName(call.pdev);
    return 1;
}

ULONG StoreTempDir(const ESCAPE_CALL& call)
{
    WCHAR dir[kEscPathBytes / sizeof(WCHAR)];
    StoreEscapeText(&dir, call.pIn, kEscPathBytes);
    PdlSetFaxTempDir(call.pdev, dir);
    return 1;
}

// u32 index, then the name; an index beyond the names is ignored.
ULONG StoreTempName(const ESCAPE_CALL& call)
{
    DWORD index = 0;
    std::memcpy(&index, call.pIn, sizeof index);
    WCHAR name[kEscTempNameIn / sizeof(WCHAR)];
    StoreEscapeText(&name, call.pIn + sizeof index, kEscTempNameIn);
    PdlSetFaxTempName(call.pdev, index, name);
    return 1;
}

ULONG StoreExtraTempName(const ESCAPE_CALL& call)
{
    WCHAR name[kEscTempNameIn / sizeof(WCHAR)];
    StoreEscapeText(&name, call.pIn, kEscTempNameIn);
    PdlSetExtraTempName(call.pdev, name);
    return 1;
}

ULONG GetFaxBlock(const ESCAPE_CALL& call)
{
    BYTE block[kEscFaxBlockBytes];
    PdlGetPageStateBlock(call.pdev, block);
    std::memcpy(call.pOut, block, sizeof block);
    return 1;
}

ULONG StoreFaxBlock(const ESCAPE_CALL& call)
{
    BYTE block[kEscFaxBlockBytes];
    std::memcpy(block, call.pIn, sizeof block);
    PdlSetPageStateBlock(call.pdev, block);
    return 1;
}

constexpr PRIVATE_ESCAPE_ROW kFaxJobRows[] = {
    {ESC_SET_FAX_JOB,             kEscFaxJobIn,           0,                    ApplyFaxJobState  },
    {ESC_GET_PHONEBOOK_ID,        0,                      kEscPhoneBookIdOut,   GetPhoneBookId    },
    {ESC_CLEAR_PHONEBOOK_ID,      0,                      0,                    ClearPhoneBookId  },
    {ESC_SET_PHONEBOOK,           kEscPhoneBookIn,        0,                    StorePhoneBook    },
    {ESC_SET_FAX_VALUE_FIRST,     kEscFaxValueIn,         0,                    StoreFaxValue     },
    {ESC_SET_FAX_VALUE_FIRST + 1, kEscFaxValueIn,         0,                    StoreFaxValue     },
    {ESC_SET_FAX_VALUE_FIRST + 2, kEscFaxValueIn,         0,                    StoreFaxValue     },
    {ESC_SET_FAX_VALUE_FIRST + 3, kEscFaxValueIn,         0,                    StoreFaxValue     },
    {ESC_SET_FAX_VALUE_FIRST + 4, kEscFaxValueIn,         0,                    StoreFaxValue     },
    {ESC_SET_FAX_PATH,            kEscPathBytes,          0,                    WriteFaxJobHeader },
    {ESC_START_TRANSMISSION,      kEscTransmissionKindIn, 0,                    StartTransmission },
    {ESC_RESET_TRANSMISSION,      0,                      0,                    ResetTransmission },
    {ESC_GET_DOC_NAME,            0,                      kEscPathBytes,        GetDocName        },
    {ESC_SET_DOC_NAME,            kEscPathBytes,          0,                    StoreDocName      },
    {ESC_GET_FAX_STATUS,          0,                      kEscFaxStatusOut,     GetFaxStatus      },
    {ESC_SET_DATE_STAMP,          kEscDateStampBytes,     0,                    StoreFaxDateStamp },
    {ESC_CLEAR_PHONEBOOK,         0,                      0,                    ClearPhoneBook    },
    {ESC_GET_PHONEBOOK_TEXT,      0,                      kEscPhoneBookTextOut, GetPhoneBookText  },
    {ESC_GET_DATE_STAMP,          0,                      kEscDateStampBytes,   GetFaxDateStamp   },
    {ESC_END_OF_JOB,              0,                      0,                    MarkJobEnded      },
    {ESC_CLEAR_TEMP_NAME,         kEscTempNameIndexIn,    0,                    ClearTempName     },
    {ESC_CLEAR_EXTRA_TEMP_NAME,   0,                      0,                    ClearExtraTempName},
    {ESC_SET_TEMP_DIR,            kEscPathBytes,          0,                    StoreTempDir      },
    {ESC_SET_TEMP_NAME,           kEscIndexedTempNameIn,  0,                    StoreTempName     },
    {ESC_SET_EXTRA_TEMP_NAME,     kEscTempNameIn,         0,                    StoreExtraTempName},
    {ESC_GET_FAX_BLOCK,           0,                      kEscFaxBlockBytes,    GetFaxBlock       },
    {ESC_SET_FAX_BLOCK,           kEscFaxBlockBytes,      0,                    StoreFaxBlock     },
    {0,                           0,                      0,                    nullptr           },   // terminator
};
static_assert(kFaxJobRows[std::size(kFaxJobRows) - 1].iEsc == 0, "terminator must be last");

} // namespace

ULONG EscapeFaxJob(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    return RunPrivateEscape(kFaxJobRows, pdev, iEsc, cjIn, pvIn, cjOut, pvOut);
}
