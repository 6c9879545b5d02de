#pragma once
// job_context.h - the job's identity and control in the writer's context, set through these functions only:
// the user and application names, the cancel byte, the first-sheet value, the user-defined paper sizes, the
// send time stamp and the holding file of the paperless capture. Texts are whole fields, kept as given.

#include "customnt/vqddigfx/pdev.h"

// The user name (at most 255 characters before its terminator), with its length and the sum of its UTF-16
// units, which the stored-name comparison checks; an empty name clears all three.
void PdlSetUserName(PDEV* pdev, const WCHAR (&name)[256]);

// The application's process name; a name of all 32 characters has no terminator.
void PdlSetAppName(PDEV* pdev, const WCHAR (&name)[32]);

// 1 drops all further output.
void PdlSetCancelByte(PDEV* pdev, BYTE bCancel);

void PdlSetFirstSheet(PDEV* pdev, DWORD dwFirstSheet);

// The ten user-defined paper sizes (width and length each), which the page setup reads.
void PdlSetUserPaperSizes(PDEV* pdev, const BYTE (&sizes)[80]);

// The send time stamp, five 16-bit values.
void PdlSetSendTimeStamp(PDEV* pdev, const WORD (&stamp)[5]);

// The holding file of the paperless capture, or none.
void PdlSetHoldingFile(PDEV* pdev, const WCHAR (&path)[260]);
void PdlClearHoldingFile(PDEV* pdev);
