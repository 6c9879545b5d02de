#pragma once
// document_event.h - DrvDocumentEvent: the work the interface module adds to a job while GDI prints it, by a
// fixed chain of handlers that each take the event's seven arguments and answer 1 to let the chain go on.

#include "win/winddiui.h"

// A handler's answer when an escape it needed was refused and the event fails with 0 rather than
// DOCUMENTEVENT_FAILURE.
constexpr INT kDocEventRefused = 0;

// The event code as the handlers compare it: its low 16 bits.
inline INT DocumentEventCode(INT iEsc)
{
    return iEsc & 0xFFFF;
}

// The worker of DrvDocumentEvent: runs the handlers in their order (job information, book mode, fax job,
// temporary files, insert sheets, output confirmation, form check) and answers the first answer other than
// DOCUMENTEVENT_SUCCESS. At STARTDOC it then checks the version of the settings the job prints with, and fails
// the event (DOCUMENTEVENT_FAILURE) when the graphics module does not hand them out or memory is short; last
// come the page overlays, whose answer is the event's. An event no handler knows yields DOCUMENTEVENT_SUCCESS.
INT DrvDocumentEventImpl(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);
