#pragma once
// document_event.h - DrvDocumentEvent: the work the interface module adds to a job while GDI prints it.

#include "win/winddiui.h"

// The worker of DrvDocumentEvent: runs the document-event handlers for the event; 1 lets GDI go on, 0 or -1
// fails the event.
INT DrvDocumentEventImpl(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);
