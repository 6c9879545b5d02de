#pragma once
// page_dispatch.h - GDI's document, page and band calls, turned into the output stream's sections and the
// VQPDL writer's job and page control. An invalid PDEV answers FALSE with ERROR_INVALID_PARAMETER; once the
// output has failed, the page and band calls and the end of the document answer FALSE.
//
// Per document the stream sees open, section 1 (the job header, written at the first page), for every page
// sections 2, 3 and 4 (head, body, tail), section 5 (the trailer), replay and close. The pages of an N-up
// sheet share its head and tail: the sheet is set up by its first page and ended after its last one (or by
// the end of the document when the last sheet is not full). Booklet output ends every page on its own: the
// booklet replay pairs them.

#include "customnt/vqddigfx/pdev.h"

BOOL EngineStartDoc(SURFOBJ* pso, LPWSTR pwszDocName, DWORD dwJobId);
BOOL EngineEndDoc(SURFOBJ* pso, FLONG fl);
BOOL EngineStartPage(SURFOBJ* pso);
BOOL EngineSendPage(SURFOBJ* pso);

// A banded raster page: each band GDI has drawn goes to the page as an image and the band starts white again;
// the band that reaches the page's height is the last (origin (-1, -1)) and ends the page.
BOOL EngineStartBanding(SURFOBJ* pso, POINTL* pptl);
BOOL EngineNextBand(SURFOBJ* pso, POINTL* pptl);
