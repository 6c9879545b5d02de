// job_layout.cpp - a job's bytes split into PJL header lines, VQPDL commands and data blocks.
// A data block's length is not marked in the block: its command's arguments give it, so a block that is longer
// or shorter than they say shows up as a block not followed by its closing "!>;\n".
#include "tools/sample/job_layout.h"

#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view kUel = "\x1b%-12345X";
constexpr std::string_view kLanguageSwitch = "@PJL ENTER LANGUAGE = VQPDL";
constexpr std::string_view kBlockOpen = " <!";
constexpr std::string_view kBlockClose = "!>;\n";
constexpr std::string_view kCommandEnd = ";\n";

// The whole-number arguments of a command, in order; an argument that is not one (a colour, a name) is skipped.
std::vector<long long> Numbers(std::string_view text)
{
    std::vector<long long> numbers;
    size_t at = text.find(' ');
    while (at != std::string_view::npos) {
        const size_t start = at + 1;
        const size_t end = text.find(' ', start);
        const std::string_view argument = text.substr(start, end == std::string_view::npos ? end : end - start);
        long long value = 0;
        const auto result = std::from_chars(argument.data(), argument.data() + argument.size(), value);
        if (result.ec == std::errc() && result.ptr == argument.data() + argument.size())
            numbers.push_back(value);
        at = end;
    }
    return numbers;
}

// How a command that opens a data block says the block's length.
enum class BlockLength { LastArgument, HeightTimesRowBytes };

struct BLOCK_COMMAND_ROW {
    const char* word;   // nullptr ends the table
    BlockLength length;
};

constexpr BLOCK_COMMAND_ROW kBlockCommands[] = {
    {"imt", BlockLength::LastArgument},          // image at its size: width height row-size bytes
    {"imm", BlockLength::LastArgument},
    {"bmt", BlockLength::LastArgument},          // scaled image: ... row-size bytes
    {"bmm", BlockLength::LastArgument},
    {"mcr", BlockLength::LastArgument},          // overlay macro: number bytes
    {"bru", BlockLength::HeightTimesRowBytes},   // pattern brush: ... width height row-bytes
    {nullptr, BlockLength::LastArgument},        // terminator
};

const BLOCK_COMMAND_ROW* FindBlockCommand(std::string_view word)
{
    for (const BLOCK_COMMAND_ROW* row = kBlockCommands; row->word != nullptr; ++row)
        if (word == row->word)
            return row;
    return nullptr;
}

// The length a block command's arguments give; -1 when they give none, or a product no length can be.
long long DeclaredLength(const BLOCK_COMMAND_ROW& row, std::string_view text)
{
    const std::vector<long long> numbers = Numbers(text);
    switch (row.length) {
    case BlockLength::LastArgument:
        return numbers.empty() ? -1 : numbers.back();
    case BlockLength::HeightTimesRowBytes: {
        long long length = -1;
        if (numbers.size() < 3 || numbers[numbers.size() - 2] < 0 || numbers.back() < 0 ||
            __builtin_mul_overflow(numbers[numbers.size() - 2], numbers.back(), &length))
            return -1;
        return length;
    }
    }
    return -1;
}

std::string At(size_t offset)
{
    return " at byte " + std::to_string(offset);
}

// Reads the header's lines up to the language switch; the offset after it, or npos with the fault set.
size_t ReadHeader(const std::string& job, JobLayout& layout)
{
    if (job.compare(0, kUel.size(), kUel) != 0) {
        layout.fault = "the job does not open with the UEL";
        return std::string::npos;
    }
    size_t at = kUel.size();
    while (at < job.size()) {
        const size_t end = job.find('\n', at);
        if (end == std::string::npos || job.compare(at, 4, "@PJL") != 0) {
            layout.fault = "a header line is not a PJL line" + At(at);
            return std::string::npos;
        }
        layout.pjlLines.push_back(job.substr(at, end - at));
        at = end + 1;
        if (layout.pjlLines.back() == kLanguageSwitch)
            return at;
    }
    layout.fault = "the header does not switch to VQPDL";
    return std::string::npos;
}

// Reads a data block whose first byte is at `at`; the offset after its close, or npos with the fault set.
size_t ReadBlock(const std::string& job, size_t at, const JobCommand& command, JobLayout& layout)
{
    const BLOCK_COMMAND_ROW* row = FindBlockCommand(command.word);
    const long long length = row == nullptr ? -1 : DeclaredLength(*row, command.text);
    if (length < 0) {
        layout.fault = "\"" + command.text + "\" opens a data block without saying its length" + At(command.offset);
        return std::string::npos;
    }
    layout.blocks.push_back({command.word, at, length});
    // Compared before it becomes a size: a size is 32 bits here, and a longer length would wrap round.
    if (static_cast<unsigned long long>(length) > job.size() - at ||
        job.compare(at + static_cast<size_t>(length), kBlockClose.size(), kBlockClose) != 0) {
        layout.fault = "the data block of \"" + command.text + "\" is not closed after its " +
                       std::to_string(length) + " bytes" + At(at);
        return std::string::npos;
    }
    return at + static_cast<size_t>(length) + kBlockClose.size();
}

} // namespace

size_t JobLayout::CountOnSheet(int sheet, const std::string& word) const
{
    size_t count = 0;
    for (const JobCommand& command : commands)
        count += command.sheet == sheet && command.word == word ? 1 : 0;
    return count;
}

JobLayout ReadJobLayout(const std::string& job)
{
    JobLayout layout;
    size_t at = ReadHeader(job, layout);
    while (at != std::string::npos && at < job.size()) {
        if (job.compare(at, kUel.size(), kUel) == 0) {
            layout.closed = at + kUel.size() == job.size();
            if (!layout.closed)
                layout.fault = "bytes follow the closing UEL" + At(at);
            return layout;
        }
        // A block's bytes may hold anything, so the command's own text is what lies before the first ";\n",
        // unless a block opens before it; only that stretch is searched for the opening.
        const size_t commandEnd = job.find(kCommandEnd, at);
        const std::string_view head = std::string_view(job).substr(at, commandEnd == std::string::npos
                                                                          ? std::string_view::npos
                                                                          : commandEnd - at);
        const size_t blockAt = head.find(kBlockOpen);
        const bool opensBlock = blockAt != std::string_view::npos;
        const size_t blockOpen = opensBlock ? at + blockAt : std::string::npos;
        const size_t textEnd = opensBlock ? blockOpen : commandEnd;
        if (textEnd == std::string::npos) {
            layout.fault = "a command is not ended" + At(at);
            return layout;
        }
        JobCommand command;
        command.text = job.substr(at, textEnd - at);
        command.word = command.text.substr(0, command.text.find(' '));
        command.offset = at;
        command.sheet = layout.sheets;
        if (command.word.size() != 3 || command.text.find('\n') != std::string::npos) {
            layout.fault = "\"" + command.text.substr(0, 40) + "\" is not a command" + At(at);
            return layout;
        }
        layout.commands.push_back(command);
        if (command.word == "prn")
            ++layout.sheets;
        at = opensBlock ? ReadBlock(job, blockOpen + kBlockOpen.size(), command, layout)
                        : commandEnd + kCommandEnd.size();
    }
    if (layout.fault.empty())
        layout.fault = "the job does not end with the UEL";
    return layout;
}
