// capture.cpp - the paperless and fax capture buffers and their files.
// A capture file that cannot be written would lose part of the job without anyone knowing: the output is
// marked failed instead, so the document's end reports it.
#include "pdl/vxcmn/capture.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kCaptureSize = kPaperlessBufferSize;

void MarkFailed(PDEV* pdev)
{
    pdev->dwFlags |= PDEVF_OUTPUT_FAILED;
}

// Writes bytes to the printer in kCapturePiece pieces.
void SendToPrinter(PDEV* pdev, const BYTE* pData, DWORD cb)
{
    for (DWORD done = 0; done < cb;) {
        const DWORD piece = std::min(cb - done, kCapturePiece);
        pdev->pfnWriteOutput(pdev, pData + done, static_cast<WORD>(piece));
        done += piece;
    }
}

// Appends bytes to a file: created anew when fresh, else opened and written at its end. FALSE when the file
// cannot be opened or written.
BOOL AppendToFile(LPCWSTR pPath, BOOL fresh, const BYTE* pData, DWORD cb)
{
    const HANDLE hFile = CreateFileW(pPath, GENERIC_WRITE, 0, nullptr, fresh ? CREATE_ALWAYS : OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD cbWritten = 0;
    const BOOL written = SetFilePointer(hFile, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                         WriteFile(hFile, pData, cb, &cbWritten, nullptr) && cbWritten == cb;
    CloseHandle(hFile);
    return written;
}

// Sends a whole file to the printer; FALSE when it cannot be read.
BOOL SendFile(PDEV* pdev, LPCWSTR pPath)
{
    const HANDLE hFile = CreateFileW(pPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BYTE buffer[kCapturePiece];
    DWORD cbRead = 0;
    BOOL ok = TRUE;
    while ((ok = ReadFile(hFile, buffer, sizeof buffer, &cbRead, nullptr)) && cbRead > 0)
        pdev->pfnWriteOutput(pdev, buffer, static_cast<WORD>(cbRead));
    CloseHandle(hFile);
    return ok;
}

// The path of a fax file: the temporary directory and a name, or empty when either is missing.
bool FaxFilePath(const JOB_EXTRA_RECORD* pContext, const WCHAR* pName, size_t cchName, WCHAR* pPath)
{
    WCHAR szDir[261] = {};
    std::memcpy(szDir, pContext->szFaxTempDir, sizeof pContext->szFaxTempDir);
    WCHAR szName[31] = {};
    std::memcpy(szName, pName, std::min<size_t>(cchName, 30) * sizeof(WCHAR));
    const size_t cchDir = std::char_traits<WCHAR>::length(szDir);
    const size_t cchFile = std::char_traits<WCHAR>::length(szName);
    if (cchDir == 0 || cchFile == 0 || cchDir + cchFile >= 291)
        return false;
    std::memcpy(pPath, szDir, cchDir * sizeof(WCHAR));
    std::memcpy(pPath + cchDir, szName, (cchFile + 1) * sizeof(WCHAR));
    return true;
}

// The file the current transmission spills into; false when the job names none.
bool SpillPath(const JOB_EXTRA_RECORD* pContext, WCHAR* pPath)
{
    if (pContext->bTransmissionKind == 1) {
        const DWORD index = pContext->dwFaxTempIndex;
        return index < 100 && FaxFilePath(pContext, pContext->szTempNames[index], 30, pPath);
    }
    if (pContext->bTransmissionKind == 2)
        return FaxFilePath(pContext, pContext->szExtraTempName, 30, pPath);
    return false;
}

} // namespace

BOOL IsFaxTransmission(PDEV* pdev)
{
    return PdevGetEnvExtra(pdev)->lpOutput == 1;
}

BOOL IsFaxWithCoverSheet(PDEV* pdev)
{
    return IsFaxTransmission(pdev) && PdevGetEnvExtra(pdev)->CoverSheet == 1;
}

BOOL HasPhoneBook(const JOB_EXTRA_RECORD* pContext)
{
    DWORD rows = 0;
    std::memcpy(&rows, pContext->phoneBook, sizeof rows);
    return rows != 0;
}

void AppendPaperlessCapture(PDEV* pdev, const BYTE* pData, DWORD cb)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->pPaperlessBuffer == nullptr) {
        SendToPrinter(pdev, pData, cb);   // no buffer: nothing can be held back
        return;
    }
    while (cb > 0) {
        if (pContext->cbPaperless >= kCaptureSize)
            FlushPaperlessCapture(pdev);
        const DWORD piece = std::min(cb, kCaptureSize - pContext->cbPaperless);
        std::memcpy(pContext->pPaperlessBuffer + pContext->cbPaperless, pData, piece);
        pContext->cbPaperless += piece;
        pData += piece;
        cb -= piece;
    }
}

void FlushPaperlessCapture(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const DWORD cb = pContext->cbPaperless;
    pContext->cbPaperless = 0;
    if (cb == 0 || pContext->pPaperlessBuffer == nullptr)
        return;
    if (pContext->bCaptureToFile == 0) {
        SendToPrinter(pdev, pContext->pPaperlessBuffer, cb);
        return;
    }
    WCHAR szPath[261] = {};
    std::memcpy(szPath, pContext->szHoldingFile, sizeof pContext->szHoldingFile);
    if (!AppendToFile(szPath, pContext->cbHeld == 0, pContext->pPaperlessBuffer, cb)) {
        MarkFailed(pdev);
        return;
    }
    pContext->cbHeld += cb;
}

void SendHoldingFile(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->cbHeld == 0)
        return;
    WCHAR szPath[261] = {};
    std::memcpy(szPath, pContext->szHoldingFile, sizeof pContext->szHoldingFile);
    if (!SendFile(pdev, szPath))
        MarkFailed(pdev);
    pContext->cbHeld = 0;
}

void AppendFaxCapture(PDEV* pdev, const BYTE* pData, DWORD cb)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->pFaxCapture == nullptr) {
        MarkFailed(pdev);   // the buffer could not be made at the document's start
        return;
    }
    while (cb > 0) {
        if (pContext->cbFaxCapture >= kCaptureSize)
            SpillFaxCapture(pdev);
        const DWORD piece = std::min(cb, kCaptureSize - pContext->cbFaxCapture);
        std::memcpy(pContext->pFaxCapture + pContext->cbFaxCapture, pData, piece);
        pContext->cbFaxCapture += piece;
        pData += piece;
        cb -= piece;
    }
}

void SpillFaxCapture(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const DWORD cb = pContext->cbFaxCapture;
    pContext->cbFaxCapture = 0;
    WCHAR szPath[292] = {};
    if (cb == 0 || pContext->pFaxCapture == nullptr || !SpillPath(pContext, szPath))
        return;
    if (!AppendToFile(szPath, FALSE, pContext->pFaxCapture, cb))
        MarkFailed(pdev);
}

void PlayFaxFiles(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (!HasPhoneBook(pContext) || pContext->dwFaxValue2336 == 0 || pContext->dwFaxRecipients == 0)
        return;
    SpillFaxCapture(pdev);
    const DWORD recipients = std::min<DWORD>(pContext->dwFaxRecipients, 100);
    WCHAR szPath[292] = {};
    for (DWORD i = 0; i < recipients; ++i) {
        if (FaxFilePath(pContext, pContext->szTempNames[i], 30, szPath))
            SendFile(pdev, szPath);
        if (FaxFilePath(pContext, pContext->szExtraTempName, 30, szPath))
            SendFile(pdev, szPath);
    }
}
