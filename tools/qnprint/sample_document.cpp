// sample_document.cpp - the sample document printed with the user's options, and what the job holds.
#include "sample_document.h"
#include "host/printers.h"
#include "tools/sample/job_layout.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

namespace {

// The commands that set up a sheet: origin, paper, tray, duplex and halftone.
bool IsPageSetup(const std::string& word)
{
    return word == "org" || word == "pps" || word == "ppt" || word == "ppd" || word == "htn";
}

// The sheet's first command with the word, or "-".
std::string SheetCommand(const JobLayout& layout, int sheet, const std::string& word)
{
    for (const JobCommand& command : layout.commands)
        if (command.sheet == sheet && command.word == word)
            return command.text;
    return "-";
}

// Each side the job ejects: its paper, tray and duplex, which side of the paper it is and where its image
// starts. Two-sided sides pair front and back in turn, except that a chapter's first page, which the printer
// starts on a new sheet, is a front; a one-sided side is a front of its own.
void ShowSheets(const JobLayout& layout, const std::vector<WORD>& chapters, bool onePagePerSheet)
{
    std::printf("  sides:\n");
    bool nextIsBack = false;
    for (int sheet = 0; sheet < layout.sheets; ++sheet) {
        const std::string duplex = SheetCommand(layout, sheet, "ppd");
        const bool twoSided = duplex != "-" && duplex != "ppd N";
        const bool chapter = onePagePerSheet && std::find(chapters.begin(), chapters.end(), sheet + 1) != chapters.end();
        const bool back = twoSided && nextIsBack && !chapter;
        nextIsBack = twoSided && !back;
        std::printf("    %3d %-5s %-12s %-8s %-7s %s\n", sheet + 1, back ? "back" : "front",
                    SheetCommand(layout, sheet, "pps").c_str(), SheetCommand(layout, sheet, "ppt").c_str(),
                    duplex.c_str(), SheetCommand(layout, sheet, "org").c_str());
    }
}

void ShowJob(const JobLayout& layout, const SampleJobOptions& options)
{
    std::printf("\n  job header:\n");
    for (const std::string& line : layout.pjlLines)
        std::printf("    %s\n", line.c_str());
    std::printf("  page setup of the first sheet:\n");
    for (const JobCommand& command : layout.commands)
        if (command.sheet == 0 && IsPageSetup(command.word))
            std::printf("    %s;\n", command.text.c_str());
    ShowSheets(layout, options.finishing.chapters, options.pagesPerSheet == 1);
    std::map<std::string, size_t> counts;
    for (const JobCommand& command : layout.commands)
        ++counts[command.word];
    std::printf("  commands:");
    int column = 0;
    for (const auto& [word, count] : counts) {
        if (column > 0 && column % 10 == 0)
            std::printf("\n           ");
        ++column;
        std::printf(" %s %-5zu", word.c_str(), count);
    }
    long long blockBytes = 0;
    for (const JobBlock& block : layout.blocks)
        blockBytes += block.length;
    std::printf("\n  data blocks: %zu, %lld bytes\n", layout.blocks.size(), blockBytes);
}

} // namespace

bool PrintAndShowSampleDocument(const std::u16string& printerName, const SampleJobOptions& options, int pageCount)
{
    const std::vector<BYTE> devmode = SampleJobDevmode(printerName, options);
    if (devmode.empty()) {
        std::printf("\nsample document: the driver gives no devmode for these options (error %lu)\n", GetLastError());
        return false;
    }
    const SampleJob job = PrintSampleDocument(printerName, devmode, pageCount);
    if (!job.printed || job.jobFile.empty()) {
        std::printf("\nsample document: printing failed: %s\n", job.failure.c_str());
        return false;
    }
    const std::string bytes = host::ReadJobFile(job.jobFile);
    const JobLayout layout = ReadJobLayout(bytes);
    ShowJob(layout, options);
    if (!job.drawn)
        std::printf("  %s: the job lacks part of the drawing\n", job.failure.c_str());
    std::printf("\nsample document (%d pages): job %s\n  %d sheet%s, %zu bytes\n", pageCount,
                job.jobFile.c_str(), layout.sheets, layout.sheets == 1 ? "" : "s", bytes.size());
    if (!layout.fault.empty()) {
        std::printf("  the job is not well formed: %s\n", layout.fault.c_str());
        return false;
    }
    return job.drawn;
}
