#pragma once
// job_layout.h - reads a job the driver wrote: its PJL header, its VQPDL commands sheet by sheet, its data
// blocks, and whether it is framed as the printer expects.

#include <cstddef>
#include <string>
#include <vector>

// A VQPDL command: its word and its whole text without the ";\n" (for a command with a data block, up to the
// blank before "<!").
struct JobCommand {
    std::string word;
    std::string text;
    size_t offset = 0;   // where it starts in the job
    int sheet = 0;       // the sheet it is on, from 0; the "prn" that ejects a sheet is on that sheet
};

// A data block: the bytes between "<!" and "!>;\n", as many as its command's arguments say.
struct JobBlock {
    std::string word;        // the command that carries it
    size_t offset = 0;       // of the first data byte
    long long length = 0;    // what the command's arguments say
};

struct JobLayout {
    std::vector<std::string> pjlLines;   // "@PJL ..." lines of the header, in order, without their line feeds
    std::vector<JobCommand> commands;    // the VQPDL commands, in order
    std::vector<JobBlock> blocks;
    int sheets = 0;                      // "prn" commands
    bool closed = false;                 // the job ends with the closing UEL
    std::string fault;                   // empty for a well-formed job; else what is wrong, and where

    // Commands of the sheet (from 0) with that word.
    size_t CountOnSheet(int sheet, const std::string& word) const;
};

// Reads the job. A job is well formed when it opens with the UEL and "@PJL", its header lines end with the
// switch to VQPDL, every command ends with ";\n", every data block is as long as its command says and is
// closed by "!>;\n", and it ends with the UEL after its last command. Reading stops at the first fault.
JobLayout ReadJobLayout(const std::string& job);
