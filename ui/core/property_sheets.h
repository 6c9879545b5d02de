#pragma once
// property_sheets.h - the document and device property sheets shown through the common property-sheet UI.

#include "win/winddiui.h"

// The document sheet for a DrvDocumentPropertySheets call that comes with a PROPSHEETUI_INFO.
LONG DocumentSheetImpl(PPROPSHEETUI_INFO pPSUIInfo, PDOCUMENTPROPERTYHEADER pHeader);

// The worker of DrvDevicePropertySheets.
LONG DevicePropertySheetsImpl(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam);
