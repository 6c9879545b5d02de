// tab_capture.cpp - the tab texts' capture buffer and tab records.
#include "pdl/vxcmn/vqpdlnt/tab_capture.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstring>

namespace {

constexpr DWORD kCaptureSpoilt = kTabCaptureSize + 1;   // a chunk was lost: the capture keeps nothing

TAB_RECORD ReadRecord(const JOB_EXTRA_RECORD* pContext, LONG index)
{
    TAB_RECORD record;
    std::memcpy(&record, &pContext->pTabRecords[index], sizeof record);
    return record;
}

void WriteRecord(JOB_EXTRA_RECORD* pContext, LONG index, const TAB_RECORD& record)
{
    std::memcpy(&pContext->pTabRecords[index], &record, sizeof record);
}

// The records in use: none without their block or with a count out of range.
LONG RecordCount(const JOB_EXTRA_RECORD* pContext)
{
    const LONG count = pContext->lTabRecordCount;
    if (pContext->pTabRecords == nullptr || count < 1 || count > kMaxTabRecords)
        return 0;
    return count;
}

// The record with the key, or -1.
LONG FindRecord(const JOB_EXTRA_RECORD* pContext, int key)
{
    if (key == 0)
        return -1;   // a record whose key was never set
    const LONG count = RecordCount(pContext);
    for (LONG i = 0; i < count; ++i)
        if (ReadRecord(pContext, i).lKey == key)
            return i;
    return -1;
}

BYTE* MoveBlock(PDEV* pOld, PDEV* pNew, BYTE* pBlock)
{
    return static_cast<BYTE*>(AllocListMove(pOld->pAllocList, pNew->pAllocList, pBlock));
}

} // namespace

BOOL CreateTabRecords(PDEV* pdev, LONG count)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (count < 1 || count > kMaxTabRecords || pContext->pTabRecords != nullptr)
        return FALSE;
    auto* pRecords = static_cast<TAB_RECORD*>(
        AllocListAlloc(pdev->pAllocList, static_cast<DWORD>(count) * sizeof(TAB_RECORD)));
    BYTE* pCapture = pContext->pTabCapture;
    if (pCapture == nullptr)
        pCapture = static_cast<BYTE*>(AllocListAlloc(pdev->pAllocList, kTabCaptureSize));
    if (pRecords == nullptr || pCapture == nullptr) {
        AllocListFree(pdev->pAllocList, pRecords);
        if (pCapture != pContext->pTabCapture)
            AllocListFree(pdev->pAllocList, pCapture);
        return FALSE;
    }
    pContext->pTabRecords = pRecords;
    pContext->pTabCapture = pCapture;
    pContext->cbTabCapture = 0;
    pContext->lTabRecordCount = count;
    pContext->lTabRecordCurrent = 0;
    return TRUE;
}

void FreeTabCaptures(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    ALLOC_LIST* pList = pdev->pAllocList;
    const LONG count = RecordCount(pContext);
    for (LONG i = 0; i < count; ++i) {
        const TAB_RECORD record = ReadRecord(pContext, i);
        AllocListFree(pList, record.pVersion1);
        AllocListFree(pList, record.pVersion2);
    }
    AllocListFree(pList, pContext->pTabRecords);
    AllocListFree(pList, pContext->pTabCapture);
    pContext->pTabRecords = nullptr;
    pContext->pTabCapture = nullptr;
    pContext->cbTabCapture = 0;
    pContext->lTabRecordCount = 0;
    pContext->lTabRecordCurrent = 0;
    pContext->bTabCapture = 0;
}

void MoveTabCaptures(PDEV* pOld, PDEV* pNew)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pNew);
    pContext->pTabCapture = MoveBlock(pOld, pNew, pContext->pTabCapture);
    const LONG count = RecordCount(pContext);
    pContext->pTabRecords =
        reinterpret_cast<TAB_RECORD*>(MoveBlock(pOld, pNew, reinterpret_cast<BYTE*>(pContext->pTabRecords)));
    if (pContext->pTabRecords == nullptr) {
        pContext->lTabRecordCount = 0;
        pContext->lTabRecordCurrent = 0;
        return;
    }
    for (LONG i = 0; i < count; ++i) {
        TAB_RECORD record = ReadRecord(pContext, i);
        record.pVersion1 = MoveBlock(pOld, pNew, record.pVersion1);
        record.pVersion2 = MoveBlock(pOld, pNew, record.pVersion2);
        if (record.pVersion1 == nullptr)
            record.cbVersion1 = 0;
        if (record.pVersion2 == nullptr)
            record.cbVersion2 = 0;
        WriteRecord(pContext, i, record);
    }
}

void StartTabTextCapture(PDEV* pdev)
{
    PdlResetPageState(pdev);
    PdlGetContext(pdev)->bTabCapture = 1;
}

void StopTabTextCapture(PDEV* pdev)
{
    PdlGetContext(pdev)->bTabCapture = 0;
    PdlResetPageState(pdev);
}

void CaptureTabText(PDEV* pdev, const BYTE* pData, WORD cb)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    BYTE* pCapture = pContext->pTabCapture;
    const DWORD used = pContext->cbTabCapture;
    if (pCapture == nullptr || used > kTabCaptureSize)
        return;
    if (cb > kTabCaptureSize - used) {
        pContext->cbTabCapture = kCaptureSpoilt;   // a replay of what is left would end inside a command
        return;
    }
    std::memcpy(pCapture + used, pData, cb);
    pContext->cbTabCapture = used + cb;
}

BOOL StoreTabVersion(PDEV* pdev, int version)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const LONG current = pContext->lTabRecordCurrent;
    if (RecordCount(pContext) == 0 || current < 0 || current >= RecordCount(pContext))
        return FALSE;
    const DWORD cb = pContext->cbTabCapture;
    const bool keep = cb > 0 && cb <= kTabCaptureSize && pContext->pTabCapture != nullptr;
    BYTE* pCopy = nullptr;
    if (keep) {
        pCopy = static_cast<BYTE*>(AllocListAlloc(pdev->pAllocList, cb));
        if (pCopy == nullptr)
            return FALSE;
        std::memcpy(pCopy, pContext->pTabCapture, cb);
    }
    TAB_RECORD record = ReadRecord(pContext, current);
    if (version == 1) {
        AllocListFree(pdev->pAllocList, record.pVersion1);
        record.pVersion1 = pCopy;
        record.cbVersion1 = keep ? cb : 0;
    } else {
        AllocListFree(pdev->pAllocList, record.pVersion2);
        record.pVersion2 = pCopy;
        record.cbVersion2 = keep ? cb : 0;
    }
    WriteRecord(pContext, current, record);
    pContext->cbTabCapture = 0;
    return TRUE;
}

BOOL SetTabKey(PDEV* pdev, LONG key)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const LONG current = pContext->lTabRecordCurrent;
    if (RecordCount(pContext) == 0 || current < 0 || current >= RecordCount(pContext))
        return FALSE;
    TAB_RECORD record = ReadRecord(pContext, current);
    record.lKey = key;
    WriteRecord(pContext, current, record);
    return TRUE;
}

void NextTabRecord(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const LONG current = pContext->lTabRecordCurrent;
    if (current >= 0 && current + 1 < RecordCount(pContext))
        pContext->lTabRecordCurrent = current + 1;
}

BOOL HasTabTextForPage(PDEV* pdev, int key)
{
    return FindRecord(PdlGetContext(pdev), key) >= 0;
}

void WriteTabTextForPage(PDEV* pdev, int version, int key)
{
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const LONG index = FindRecord(pContext, key);
    if (index < 0)
        return;
    const TAB_RECORD record = ReadRecord(pContext, index);
    const BYTE* pData = version == 1 ? record.pVersion1 : record.pVersion2;
    DWORD cb = version == 1 ? record.cbVersion1 : record.cbVersion2;
    if (pData == nullptr)
        return;
    while (cb > 0) {
        const DWORD piece = cb < kMaxTabTextPiece ? cb : kMaxTabTextPiece;
        PdlWrite(pdev, pData, piece);
        pData += piece;
        cb -= piece;
    }
}
