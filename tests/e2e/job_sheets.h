#pragma once
// job_sheets.h - what a sheet of a job holds, for the whole-job tests.

#include "tools/sample/job_layout.h"

#include <string>

// The sheet's first command with that word; null when it has none.
inline const JobCommand* FirstOnSheet(const JobLayout& layout, int sheet, const std::string& word)
{
    for (const JobCommand& command : layout.commands)
        if (command.sheet == sheet && command.word == word)
            return &command;
    return nullptr;
}

// What the sheet's text became: characters of the printer's fonts, or one-bit glyph images.
inline size_t TextOnSheet(const JobLayout& layout, int sheet)
{
    size_t count = layout.CountOnSheet(sheet, "txo");
    for (const JobCommand& command : layout.commands)
        if (command.sheet == sheet && command.text.size() > 6 && command.text.compare(3, 3, " 1 ") == 0 &&
            (command.word == "imt" || command.word == "imm" || command.word == "bmt" || command.word == "bmm"))
            ++count;
    return count;
}
