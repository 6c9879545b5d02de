#pragma once
// pjl_option_table.h - the rows of the PJL job options, in the order the printer reads them.

#include "pdl/vxcmn/vqpdlnt/pjl_job.h"

#include <array>
#include <cstddef>

// Job phases of the option rows: which kind of job a row is written for.
constexpr DWORD kPjlPhasePrint = 1;
constexpr DWORD kPjlPhaseFax = 2;        // a fax transmission
constexpr DWORD kPjlPhaseBoth = 3;

typedef void (*PFN_PJL_OPTION)(const PjlJob& job);

constexpr std::size_t kPjlModelColumns = 12;     // one column per model of the printer family
constexpr std::size_t kPjlThisModel = 8;         // this printer's column, the ninth
constexpr DWORD kPjlModelWrite = 1;
constexpr DWORD kPjlModelSkip = 2;

typedef std::array<DWORD, kPjlModelColumns> PjlModelFlags;   // kPjlModelWrite or kPjlModelSkip each

struct PJL_OPTION_ENTRY {
    PFN_PJL_OPTION pfnHandler;                   // null ends the table
    PjlModelFlags modelFlags;
    DWORD phase;                                 // kPjlPhasePrint, kPjlPhaseFax or kPjlPhaseBoth
};

// The row at index, or null past the last row.
const PJL_OPTION_ENTRY* GetPjlOptionRow(std::size_t index);

// The number of rows before the terminator: 44.
std::size_t CountPjlOptionRows();

// TRUE when the row at index is written for this model and in the phase (its phase is the same, or both).
BOOL IsPjlOptionRowActive(std::size_t index, DWORD phase);
