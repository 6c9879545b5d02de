#pragma once
// pjl_options.h - the job options of the PJL job header: the "@PJL SET" lines that tell the printer the
// job's finishing and paper handling, written by the rows of the option table in their order.

#include "pdl/vxcmn/vqpdlnt/pjl_job.h"
#include "pdl/vxcmn/vqpdlnt/pjl_option_table.h"

// Writes the option lines of the PDEV's job into the job stream: its devmode copy, the names and flags of its
// writer context. Nothing for a PDEV that is not valid.
void SetOptionPJL(PDEV* pdev);

// Writes the option lines of the job: by lpOutput, the rows of a print job (2) or of a fax transmission (1,
// whose COPIES line reads 1 whatever the devmode's copies; the devmode holds its own value again afterwards).
// Any other lpOutput writes only an error comment. Nothing without a devmode or an output.
void SetOptionPJL(PjlJob& job);

// Runs every row of the option table that is active in the phase, in table order.
void RunPjlOptionRows(PjlJob& job, DWORD phase);

// The handlers of the option rows. Each reads the job's devmode and context and writes its lines, or, for a
// value it does not know, its error comment instead; none changes anything.
void PjlWriteJobName(const PjlJob& job);          // JOBNAME, USERNAME
void PjlWriteResolution(const PjlJob& job);
void PjlWriteCopies(const PjlJob& job);
void PjlWritePaper(const PjlJob& job);
void PjlWriteOrientation(const PjlJob& job);
void PjlWritePaperTray(const PjlJob& job);
void PjlWriteJobOffset(const PjlJob& job);
void PjlWriteCollate(const PjlJob& job);
void PjlWriteOutputBin(const PjlJob& job);
void PjlWriteTimeout(const PjlJob& job);
void PjlWriteStaplePosition(const PjlJob& job);
void PjlWriteDuplex(const PjlJob& job);           // DUPLEX, BINDING
void PjlWriteFrontCover(const PjlJob& job);       // FRONTCOVER, FRONTPRINT
void PjlWriteBackCover(const PjlJob& job);        // BACKCOVER, BACKPRINT
void PjlWriteFrontTray(const PjlJob& job);
void PjlWriteBackTray(const PjlJob& job);
void PjlWriteLayout(const PjlJob& job);
void PjlWriteOutputMode(const PjlJob& job);
void PjlWriteDensity(const PjlJob& job);
void PjlWritePunch(const PjlJob& job);
void PjlWritePunchHoles(const PjlJob& job);
void PjlWriteCenterFinish(const PjlJob& job);     // FOLD, STITCH, TRIM
void PjlWriteWait(const PjlJob& job);
void PjlWriteSmoothing(const PjlJob& job);
void PjlWriteFullBleed(const PjlJob& job);
void PjlWriteWideMode(const PjlJob& job);
void PjlWriteMediaType(const PjlJob& job);        // MEDIATYPE, OHPINTERLEAVE
void PjlWriteFeedDirection(const PjlJob& job);
void PjlWriteChapters(const PjlJob& job);         // CHAPTERMODE, CHAPTER
void PjlWriteInsertSheets(const PjlJob& job);     // PIFRONT, PIBACK, INTERMODE, INTERSHEET
void PjlWriteUserId(const PjlJob& job);
void PjlWriteHold(const PjlJob& job);             // JOBID, HOLD, HOLDTYPE, HOLDKEY, HOLDLOC
void PjlWriteImageShift(const PjlJob& job);
void PjlWriteTandem(const PjlJob& job);
// The rows of options that other models of the printer family have (hold with user ID and password, media
// type by lpMediaType, image shift details, print position, output method, the fax transmission options):
// this model never runs them.
void PjlWriteOtherModelOption(const PjlJob& job);

// The lines of the held and stored job group.
void PjlWriteJobId(const PjlJob& job);
void PjlWriteHoldKey(const PjlJob& job);
