#pragma once
// document_property_sheets.h - DrvDocumentPropertySheets: the document devmode an application asks for,
// with or without showing the document sheet.

#include "win/winddiui.h"

// The worker of DrvDocumentPropertySheets: finds the request (the DOCUMENTPROPERTYHEADER in the
// PROPSHEETUI_INFO's lParamInit, or lParam without one), fills in a missing printer name for the call, brings
// a foreign devmode into the driver's own form for a spreadsheet program that cannot keep one, then answers
// through DocumentPropertySheetsImpl. -1 for a missing or malformed request.
LONG HandleDocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam);

// Without a PROPSHEETUI_INFO: the devmode query. cbOut becomes 2,615; fMode 0 or no pdmOut returns 2,615;
// otherwise the document devmode is built and, when fMode asks for an update or a copy, pdmOut receives it
// (or pdmIn unchanged, when pdmIn is another driver's). Returns 1, or -1 when the build fails. With one: the
// document sheet, answering the reason's lParam.
LONG DocumentPropertySheetsImpl(PPROPSHEETUI_INFO pPSUIInfo, PDOCUMENTPROPERTYHEADER pHeader, LPARAM lParam);
