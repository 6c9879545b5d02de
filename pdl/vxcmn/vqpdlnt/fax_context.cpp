// fax_context.cpp - the fax job's part of the writer's context.
#include "pdl/vxcmn/vqpdlnt/fax_context.h"
#include "pdl/vxcmn/capture.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/tone_mapping.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstring>
#include <iterator>

namespace {

constexpr DWORD kPhoneBookNameOffset = sizeof(DWORD) + kPhoneBookTextSize;   // the first row's second text

static_assert(sizeof(JOB_EXTRA_RECORD::phoneBook) == sizeof(DWORD) + kPhoneBookRows * kPhoneBookRowSize);
static_assert(std::size(JOB_EXTRA_RECORD{}.szTempNames) == kFaxTempNames);

// The fax values in code order: first and end recipient, the total, the group count, the current group.
constexpr size_t kFaxValueOffsets[] = {
    offsetof(JOB_EXTRA_RECORD, dwFaxValue2548),
    offsetof(JOB_EXTRA_RECORD, dwFaxValue2552),
    offsetof(JOB_EXTRA_RECORD, dwFaxValue2336),
    offsetof(JOB_EXTRA_RECORD, dwFaxRecipients),
    offsetof(JOB_EXTRA_RECORD, dwFaxTempIndex),
};
static_assert(std::size(kFaxValueOffsets) == kFaxValues);

} // namespace

void PdlSetPhoneBook(PDEV* pdev, const BYTE* pBook)
{
    std::memcpy(PdlGetContext(pdev)->phoneBook, pBook, kPhoneBookSize);
}

DWORD PdlGetPhoneBookRows(PDEV* pdev)
{
    DWORD rows = 0;
    std::memcpy(&rows, PdlGetContext(pdev)->phoneBook, sizeof rows);
    return rows;
}

void PdlClearPhoneBook(PDEV* pdev)
{
    std::memset(PdlGetContext(pdev)->phoneBook, 0, sizeof(DWORD));
}

void PdlGetFirstRecipientName(PDEV* pdev, char (&name)[kPhoneBookTextSize + 1])
{
    std::memcpy(name, PdlGetContext(pdev)->phoneBook + kPhoneBookNameOffset, kPhoneBookTextSize);
    name[kPhoneBookTextSize] = '\0';
}

void PdlSetFaxValue(PDEV* pdev, DWORD index, DWORD value)
{
    if (index >= kFaxValues)
        return;
    auto* pContext = reinterpret_cast<BYTE*>(PdlGetContext(pdev));
    std::memcpy(pContext + kFaxValueOffsets[index], &value, sizeof value);
}

void PdlStartTransmission(PDEV* pdev, BYTE kind)
{
    SpillFaxCapture(pdev);
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    pContext->dwTransmission = 0;
    pContext->bTransmissionKind = kind == 1 || kind == 2 ? kind : 0;
}

void PdlResetTransmission(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    pContext->bHeaderWritten = 0;
    pContext->bSheetBegun = 0;
    pContext->dwFirstSheet = 0;
    pContext->bNoFraming = 0;
    PdlEndPageAdditions(pdev);
    pContext->dwAdditionsMode = 1;
    PdlLoadToneTable(pdev);
    PdlResetPageState(pdev);
    pContext->bFontsWritten = 0;
    std::memset(pContext->drawingSlots, 0, sizeof pContext->drawingSlots);
}

BOOL PdlIsDocumentOpen(PDEV* pdev)
{
    return PdlGetContext(pdev)->bDocumentOpen != 0 ? TRUE : FALSE;
}

BOOL PdlIsJobHeaderWritten(PDEV* pdev)
{
    return PdlGetContext(pdev)->bHeaderWritten != 0 ? TRUE : FALSE;
}

void PdlGetDocName(PDEV* pdev, WCHAR (&name)[260])
{
    static_assert(sizeof name == sizeof JOB_EXTRA_RECORD::szDocName);
    std::memcpy(name, PdlGetContext(pdev)->szDocName, sizeof name);
}

void PdlSetDocName(PDEV* pdev, const WCHAR (&name)[260])
{
    std::memcpy(PdlGetContext(pdev)->szDocName, name, sizeof name);
}

void PdlGetFaxDateStamp(PDEV* pdev, WORD (&stamp)[5])
{
    static_assert(sizeof stamp == sizeof JOB_EXTRA_RECORD::faxDateStamp);
    std::memcpy(stamp, PdlGetContext(pdev)->faxDateStamp, sizeof stamp);
}

void PdlSetFaxDateStamp(PDEV* pdev, const WORD (&stamp)[5])
{
    std::memcpy(PdlGetContext(pdev)->faxDateStamp, stamp, sizeof stamp);
}

void PdlSetFaxTempDir(PDEV* pdev, const WCHAR (&dir)[260])
{
    static_assert(sizeof dir == sizeof JOB_EXTRA_RECORD::szFaxTempDir);
    std::memcpy(PdlGetContext(pdev)->szFaxTempDir, dir, sizeof dir);
}

void PdlSetFaxTempName(PDEV* pdev, DWORD index, const WCHAR (&name)[30])
{
    static_assert(sizeof name == sizeof JOB_EXTRA_RECORD::szTempNames[0]);
    if (index < kFaxTempNames)
        std::memcpy(PdlGetContext(pdev)->szTempNames[index], name, sizeof name);
}

void PdlClearFaxTempName(PDEV* pdev, DWORD index)
{
    if (index < kFaxTempNames)
        std::memset(PdlGetContext(pdev)->szTempNames[index], 0, sizeof(WCHAR));
}

void PdlSetExtraTempName(PDEV* pdev, const WCHAR (&name)[30])
{
    static_assert(sizeof name == sizeof JOB_EXTRA_RECORD::szExtraTempName);
    std::memcpy(PdlGetContext(pdev)->szExtraTempName, name, sizeof name);
}

void PdlClearExtraTempName(PDEV* pdev)
{
    std::memset(PdlGetContext(pdev)->szExtraTempName, 0, sizeof(WCHAR));
}

void PdlGetPageStateBlock(PDEV* pdev, BYTE (&block)[48])
{
    static_assert(sizeof block == sizeof JOB_EXTRA_RECORD::pageState);
    std::memcpy(block, PdlGetContext(pdev)->pageState, sizeof block);
}

void PdlSetPageStateBlock(PDEV* pdev, const BYTE (&block)[48])
{
    std::memcpy(PdlGetContext(pdev)->pageState, block, sizeof block);
}
