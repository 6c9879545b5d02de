#pragma once
// page_setup.h - the VQPDL job and page commands the writer core calls: the job start, the language switch of
// the job header, the page setup, the sheet eject, and the drawing state reset at each page.

#include "customnt/vqddigfx/pdev.h"

// "ini <resolution> <copies> S;": the job's first VQPDL command, the last line of the job header.
void PdlOutputInit(PDEV* pdev);

// "@PJL ENTER LANGUAGE = " and the output language's name.
void OutputEnterLanguage(PDEV* pdev);

// The user-defined paper sizes of the job header (not for VQPDL output).
void OutputUserDefinedSizes(PDEV* pdev);

// The page setup that begins a sheet.
void PdlBeginPageSetup(PDEV* pdev);

// The commands that open a page.
void PdlOutputPageOpening(PDEV* pdev);

// Ends the current sheet: unless it stayed blank in a paperless VQPDL job, the writer core's sheet end runs
// and the sheet is ejected; the next sheet starts blank.
void PdlEndSheet(PDEV* pdev);

// "prn;": ejects the current sheet and counts it.
void PdlEjectSheet(PDEV* pdev);

// Forgets every drawing state the printer was told, so the next drawing call writes it again.
void PdlResetPageState(PDEV* pdev);

// Takes the tone table chosen by the devmode's Intensity.
void PdlLoadToneTable(PDEV* pdev);

// The object kind (0-4) of the drawing call being written; larger values are ignored.
void PdlSetObjectKind(PDEV* pdev, BYTE bKind);

// Starts (kind 1-4) or ends (kind 0) a drawing call of that object kind.
void PdlBeginDrawing(PDEV* pdev, BYTE bKind);

// The output language: lpPDLType of the PDEV's devmode (0 VQPDL, 1 PCL, 2 and 3 PCLXL); 0 without a PDEV.
BYTE GetPdlType(PDEV* pdev);
