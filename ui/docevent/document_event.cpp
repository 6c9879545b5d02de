// document_event.cpp - the document-event dispatcher.
// TODO: the handler chain (job information, book mode, fax, capture file, insert sheets, output confirmation,
// form check, page overlays) comes with the document events. Until then no handler knows any event, and an
// event no handler knows passes through and yields 1, so GDI prints the job without the driver's additions.
#include "ui/docevent/document_event.h"

INT DrvDocumentEventImpl(HANDLE, HDC, INT, ULONG, PVOID, ULONG, PVOID)
{
    return DOCUMENTEVENT_SUCCESS;
}
