#pragma once
// page_values.h - the page setup of a sheet (PAGE_VALUES): its paper, orientation, tray, duplex and origin,
// in the codes of the job's output language, and how it goes out ("org", "pps", "ppt", "ppd").

#include "customnt/vqddigfx/pdev.h"

struct PLANNED_SHEET;

// The paper code of the output language: VQPDL the paper id; PCL the row's PCL code plus 150, 100 or 200 for
// its variants 1, 2 and 3; PCL XL the row's PCL XL code. -1 for a paper the table lacks or a language above 3.
SHORT PdlPaperCode(PDEV* pdev, SHORT paper);

// PCL and PCL XL: 0 portrait, 1 landscape; VQPDL keeps 1 portrait and 2 landscape.
SHORT PdlOrientationCode(PDEV* pdev, SHORT orientation);

// The tray code of the output language: the tray id for VQPDL, else the tray row's PCL or PCL XL code (the
// tray id when no row has it).
SHORT PdlTrayCode(PDEV* pdev, SHORT tray);

// The duplex code of sides (2 two-sided) and binding (3 short edge): VQPDL 0 none, 1 short, 2 long edge; PCL
// 0 none, 1 long, 2 short edge; PCL XL 0 or 1 by binding and orientation; -1 for a language above 3.
SHORT PdlDuplexCode(PDEV* pdev, SHORT sides, SHORT binding);

// The page origin (1/100 mm) as the output language places it.
POINTL PdlPageOrigin(PDEV* pdev, LONG x, LONG y);

// Writes the record: "org" with kPageOrigin, "pps" only with all of paper, orientation, width, length and
// reference rectangle, "ppt" with kPageTray, "ppd" with kPageDuplex; copies are not written.
void PdlOutputPageSetup(PDEV* pdev, const PAGE_VALUES& values);

// For PCL, drops the paper, tray and duplex already sent with the same codes and writes what is left (nothing
// when nothing is); every other language writes the record as it is.
void PdlSendPageValues(PDEV* pdev, const PAGE_VALUES& values);

// The page setup of the current page: the devmode's (or the page plan's) paper, orientation, tray, duplex and
// origin, converted for the output language, then PdlSendPageValues.
void PdlOutputPageValues(PDEV* pdev);

// The page setup of a sheet the page plan puts around a page: everything but the origin.
void PdlSetPlannedSheetValues(PDEV* pdev, const PLANNED_SHEET& sheet);
