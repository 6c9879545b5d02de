#pragma once
// page_setup.h - the VQPDL job and page commands the writer core calls: the job start, the language switch and
// user paper sizes of the job header, the page setup, the sheet end and eject, the drawing state reset at
// each page, and the object kind of the drawing being written.

#include "customnt/vqddigfx/pdev.h"

// "ini <resolution> <copies> S;": the job's first VQPDL command, the last line of the job header.
void PdlOutputInit(PDEV* pdev);

// "@PJL ENTER LANGUAGE = " and the output language's name.
void OutputEnterLanguage(PDEV* pdev);

// The user-defined paper sizes of the job header, "@PJL SET USERDEF<i> = <width> <length> MANUAL" for the ten
// sizes of the context (0.1 mm, their low 16 bits with sign, written in mm); none for VQPDL output.
void OutputUserDefinedSizes(PDEV* pdev);

// The page setup that begins a sheet: the drawing state forgotten, the page values, the halftone (VQPDL
// only) and the default colours.
void PdlBeginPageSetup(PDEV* pdev);

// The commands that open a page: the whole page as its clip.
void PdlOutputPageOpening(PDEV* pdev);

// Ends the current sheet: unless it stayed blank in a paperless VQPDL job, the writer core's sheet end runs
// and the sheet is ejected; the next sheet starts blank.
void PdlEndSheet(PDEV* pdev);

// "prn;": ejects the current sheet and counts it. With SaveToner, a toner-saving overlay covers the page
// first.
void PdlEjectSheet(PDEV* pdev);

// Forgets every drawing state the printer was told (brush, colours, pen, rop, clip, the pattern slots), so
// the next drawing call writes it again.
void PdlResetPageState(PDEV* pdev);

// The object kind (0-4) of the drawing call being written; larger values are ignored.
void PdlSetObjectKind(PDEV* pdev, BYTE bKind);

// Starts (kind 1-4) or ends (kind 0) a drawing call of that object kind, and sets the context's tone-mapping
// flag for it.
void PdlBeginDrawing(PDEV* pdev, BYTE bKind);

// The output language: lpPDLType of the PDEV's devmode (0 VQPDL, 1 PCL, 2 and 3 PCLXL); 0 without a PDEV.
BYTE GetPdlType(PDEV* pdev);

// TRUE for VQPDL output.
BOOL IsVqpdlOutput(PDEV* pdev);
