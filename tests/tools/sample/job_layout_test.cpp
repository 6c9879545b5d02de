// job_layout_test.cpp - the job reader the end-to-end tests rely on: it must see a job's structure, and above
// all the faults it is there to catch.
#include "tools/sample/job_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kUel = "\x1b%-12345X";
const std::string kHeader = kUel + "@PJL\n@PJL SET COPIES = 2\n@PJL ENTER LANGUAGE = VQPDL\n";

TEST(JobLayout, ReadsTheHeaderTheCommandsOfEachSheetAndTheBlocks)
{
    const std::string job = kHeader + "ini 600 2 S;\npps A4 P;\nmta 10 20;\nimt 8 2 2 2 4 <!" + std::string("ab;\n") +
                            "!>;\nprn;\npps A4 P;\nbru 20 #00 #FFFFFF 8 3 1 <!xyz!>;\nprn;\n" + kUel;
    const JobLayout layout = ReadJobLayout(job);
    EXPECT_EQ(layout.fault, "");
    EXPECT_TRUE(layout.closed);
    EXPECT_EQ(layout.pjlLines,
              (std::vector<std::string>{"@PJL", "@PJL SET COPIES = 2", "@PJL ENTER LANGUAGE = VQPDL"}));
    EXPECT_EQ(layout.sheets, 2);
    ASSERT_EQ(layout.blocks.size(), 2u);
    EXPECT_EQ(layout.blocks[0].length, 4) << "the last argument of an image";
    EXPECT_EQ(layout.blocks[1].length, 3) << "a pattern's height times its row bytes";
    EXPECT_EQ(layout.CountOnSheet(0, "imt"), 1u);
    EXPECT_EQ(layout.CountOnSheet(1, "bru"), 1u);
    EXPECT_EQ(layout.commands[3].text, "imt 8 2 2 2 4");
}

TEST(JobLayout, NamesTheFaultsOfABrokenJob)
{
    const std::string body = "ini 600 1 S;\nimt 8 2 2 2 4 <!abcd!>;\nprn;\n";
    struct Case { const char* what; std::string job; std::string faultStart; };
    const Case cases[] = {
        {"a block shorter than its command says", kHeader + "imt 8 2 2 2 5 <!abcd!>;\nprn;\n" + kUel,
         "the data block of \"imt 8 2 2 2 5\" is not closed after its 5 bytes"},
        {"a block longer than its command says", kHeader + "imt 8 2 2 2 3 <!abcd!>;\nprn;\n" + kUel,
         "the data block of \"imt 8 2 2 2 3\" is not closed after its 3 bytes"},
        {"a block of a command that gives no length", kHeader + "txo 5 <!ab!>;\n" + kUel, "\"txo 5\" opens"},
        {"no closing UEL", kHeader + body, "the job does not end with the UEL"},
        {"bytes after the closing UEL", kHeader + body + kUel + "prn;\n", "bytes follow the closing UEL"},
        {"no UEL before the header", kHeader.substr(kUel.size()) + body + kUel, "the job does not open with the UEL"},
        {"no switch to VQPDL", kUel + "@PJL\n" + body + kUel, "a header line is not a PJL line"},
        {"a command without its end", kHeader + "ini 600 1 S;\nprn", "a command is not ended"},
        // Lengths past what a 32-bit size holds must not wrap round to the block's true length.
        {"a length 2^32 more than the block", kHeader + "imt 8 2 2 2 4294967300 <!abcd!>;\nprn;\n" + kUel,
         "the data block of \"imt 8 2 2 2 4294967300\" is not closed after its 4294967300 bytes"},
        {"a pattern whose rows times bytes pass 64 bits",
         kHeader + "bru 20 #00 #FFFFFF 8 4294967296 4294967296 <!abcd!>;\nprn;\n" + kUel,
         "\"bru 20 #00 #FFFFFF 8 4294967296 4294967296\" opens a data block without saying its length"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const JobLayout layout = ReadJobLayout(c.job);
        EXPECT_EQ(layout.fault.rfind(c.faultStart, 0), 0u) << layout.fault;
    }
}

} // namespace
