#pragma once
// page_dispatch.h - GDI's document, page and band calls, turned into the output stream's sections and the
// VQPDL writer's job and page control. An invalid PDEV answers FALSE with ERROR_INVALID_PARAMETER; once the
// output has failed, the page and band calls and the end of the document answer FALSE.

#include "customnt/vqddigfx/pdev.h"

BOOL EngineStartDoc(SURFOBJ* pso, LPWSTR pwszDocName, DWORD dwJobId);
BOOL EngineEndDoc(SURFOBJ* pso, FLONG fl);
BOOL EngineStartPage(SURFOBJ* pso);
BOOL EngineSendPage(SURFOBJ* pso);
BOOL EngineStartBanding(SURFOBJ* pso, POINTL* pptl);
BOOL EngineNextBand(SURFOBJ* pso, POINTL* pptl);

// Pages per sheet of a layout (lpLayout).
DWORD CellsPerSheet(BYTE lpLayout);
