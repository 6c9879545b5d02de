#pragma once
// job_control.h - the writer core's job and page control: the PJL job header with its UEL framing, the
// start and end of documents, pages and sheets, the paperless capture's sheet steps, and the context copy of
// DrvResetPDEV.

#include "customnt/vqddigfx/pdev.h"

// The job header: UEL, "@PJL", the header and title comments, the driver version, the job options, the user
// sizes, the language switch and "ini". Writes nothing without framing or when the job already has it.
void WriteJobHeader(PDEV* pdev, LPCWSTR pDocumentName);

// The universal exit language: ESC "%-12345X".
void OutputUEL(PDEV* pdev);

// WriteJobHeader unless the job has no framing.
void PdlWriteJobHeaderOnce(PDEV* pdev, LPCWSTR pDocumentName);

// No job header and no closing UEL for this job (a form file is being made).
void PdlSuppressJobFraming(PDEV* pdev);

// The document events ended the job normally: its end may write the closing UEL.
void PdlMarkJobEnded(PDEV* pdev);

// Page additions (the interface module's watermarks and tab texts): while they are drawn, tone mapping is
// off and drawing does not mark the sheet; bMode (1 or 2) is how they are drawn.
void PdlBeginPageAdditions(PDEV* pdev, BYTE bMode);
void PdlEndPageAdditions(PDEV* pdev);

// The core of PdlStartDoc, PdlStartPage and PdlEndDoc.
void OpenJobDocument(PDEV* pdev);
void OpenJobPage(PDEV* pdev, BOOL backSide, BOOL creatingForm);
void CloseJobDocument(PDEV* pdev);

// The send-page step (the page's clip state is reset) and the end-page step (the sheets planned after the
// page, which end its sheet).
void PdlSendPageStep(PDEV* pdev);
void PdlEndPageStep(PDEV* pdev);

// The paperless capture at the end of a sheet: a sheet nothing was drawn on is dropped, a marked one sent.
void PdlSheetEndCapture(PDEV* pdev);

// DrvResetPDEV: the new PDEV's context takes over the old one's job; while a document is open, the job's
// settings stay those of the old devmode.
void CopyJobContext(PDEV* pOld, PDEV* pNew);

// Frees the capture buffers of a document that was never ended.
void ReleaseJobBuffers(PDEV* pdev);
