#pragma once
// capture.h - the writer's two capture buffers. The paperless capture holds each sheet back (in a holding
// file) until the sheet ends, so that a sheet nothing was drawn on is never printed; the fax capture keeps a
// fax job's cover-sheet transmission for the fax files.

#include "customnt/vqddigfx/pdev.h"

constexpr DWORD kCapturePiece = 0x4000;   // pieces in which captured bytes reach the printer

// A fax transmission (env lpOutput 1).
BOOL IsFaxTransmission(PDEV* pdev);
// A fax transmission with a cover sheet (env CoverSheet 1).
BOOL IsFaxWithCoverSheet(PDEV* pdev);
// The context's phone book has rows.
BOOL HasPhoneBook(const JOB_EXTRA_RECORD* pContext);

// Appends bytes to the paperless buffer, flushing it first whenever it is full.
void AppendPaperlessCapture(PDEV* pdev, const BYTE* pData, DWORD cb);

// Empties the paperless buffer: into the holding file while a sheet is held, else to the printer.
void FlushPaperlessCapture(PDEV* pdev);

// Sends what the holding file holds to the printer; the held count becomes 0.
void SendHoldingFile(PDEV* pdev);

// Appends bytes to the fax buffer, spilling it into the fax file whenever it is full.
void AppendFaxCapture(PDEV* pdev, const BYTE* pData, DWORD cb);

// Empties the fax buffer into the file of the current transmission.
void SpillFaxCapture(PDEV* pdev);

// At the end of a fax job: the spill, then each recipient's file and the extra file, to the printer.
void PlayFaxFiles(PDEV* pdev);
