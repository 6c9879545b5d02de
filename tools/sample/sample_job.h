#pragma once
// sample_job.h - the sample document printed as an application prints it: the job's options set in a devmode
// through DocumentPropertiesW, a printer device context made with it, and StartDocW, StartPage, EndPage, EndDoc.

#include "win/windows.h"

#include <filesystem>
#include <string>
#include <vector>

// Covers, inserts, chapters and the binding margin: settings of the driver's own part, which no public field
// says. Zero or empty keeps the printer's.
struct SampleFinishing {
    WORD frontCoverTray = 0;          // 1 or 2: a front cover fed from that insert tray
    WORD backCoverTray = 0;           // 1 or 2: a back cover
    std::vector<WORD> coverInserts;   // pages before which a sheet is fed from the insert tray
    WORD insertTray = 1;              // 1 or 2: the insert tray of those sheets
    std::vector<WORD> chapters;       // pages that start a new sheet in a two-sided job
    BYTE bindingMargin = 0;           // 1 left, 2 right, 3 top, 4 bottom
    BYTE marginFront = 0;             // millimetres on a front
    BYTE marginBack = 0;              // millimetres on a back
    bool imageShift = false;
};

struct SampleJobOptions {
    SHORT paper = 0;         // a DMPAPER_ code; 0 keeps the printer's
    SHORT orientation = 0;   // DMORIENT_PORTRAIT or DMORIENT_LANDSCAPE; 0 keeps the printer's
    SHORT copies = 0;        // 0 keeps the printer's
    SHORT duplex = 0;        // DMDUP_SIMPLEX, DMDUP_VERTICAL or DMDUP_HORIZONTAL; 0 keeps the printer's
    int pagesPerSheet = 1;   // a count IsPagesPerSheetChoice accepts
    SampleFinishing finishing;
};

// Whether the driver offers that many pages on one sheet (1, 2, 4, 6, 9 or 16).
bool IsPagesPerSheetChoice(int pagesPerSheet);

// The devmode an application hands CreateDCW for the options: the driver's devmode for the printer from
// DocumentPropertiesW, the public fields of the options set with their dmFields bits, the pages per sheet and
// the finishing set in the driver's own part (no public field says them), and the whole merged back through
// DocumentPropertiesW, which settles it as the driver would. Empty when the printer does not open, the driver refuses, or the
// pages per sheet are not a choice.
std::vector<BYTE> SampleJobDevmode(const std::u16string& printerName, const SampleJobOptions& options);

struct SampleJob {
    bool printed = false;            // every document and page call succeeded
    bool drawn = false;              // every drawing call succeeded too
    std::filesystem::path jobFile;   // the spooler's file of the job; empty when none was made
    std::string failure;             // the call that failed, with its last error
};

// Prints the sample document of pageCount pages on the printer, with the devmode (empty: the printer's own).
SampleJob PrintSampleDocument(const std::u16string& printerName, const std::vector<BYTE>& devmode, int pageCount,
                              const std::u16string& documentName = u"QN-804C sample");
