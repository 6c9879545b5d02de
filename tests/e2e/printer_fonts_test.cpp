// printer_fonts_test.cpp - the sample document's TrueType text printed in the printer's own fonts, as the user's
// font substitution table names them, and as glyph images when the table holds no pairs.
#include "host/printers.h"
#include "support/printer_fixture.h"
#include "tools/sample/job_layout.h"
#include "tools/sample/sample_job.h"

#include <string>

namespace {

class PrinterFonts : public PrinterWorldTest {
protected:
    JobLayout PrintSample()
    {
        const SampleJob job = PrintSampleDocument(kPrinterName, {}, 1);
        EXPECT_TRUE(job.printed) << job.failure;
        JobLayout layout = ReadJobLayout(host::ReadJobFile(job.jobFile));
        EXPECT_EQ(layout.fault, "");
        return layout;
    }

    static size_t CountWord(const JobLayout& layout, const std::string& word)
    {
        size_t count = 0;
        for (const JobCommand& command : layout.commands)
            count += command.word == word;
        return count;
    }
};

} // namespace

TEST_F(PrinterFonts, TheFirstJobSeedsTheUsersTableAndItsTextUsesThePrintersFonts)
{
    const JobLayout layout = PrintSample();
    // One font binding per resident font the table names: Arial and Times New Roman with their styles, and more.
    EXPECT_GE(CountWord(layout, "foc"), 8u);
    bool arial = false;
    for (const JobCommand& command : layout.commands)
        arial = arial || command.text.rfind("foc Arial ", 0) == 0;
    EXPECT_TRUE(arial) << "Arial is bound to the printer's Arial";
    EXPECT_GT(layout.CountOnSheet(0, "txo"), 50u) << "the sample's Latin text is characters, not images";
}

TEST_F(PrinterFonts, WithoutPairsInTheUsersTableTheTextIsGlyphImagesAgain)
{
    PrintSample();   // the first job stores the user's defaults
    // The user's font table, where the driver keeps it for the printer.
    const WCHAR* path = u"Software\\ORVANE TESSALY\\VQPDL2 V\\ORVANE TESSALY QN-804CJ\\QN-804C\\FontSubTbl";
    const DWORD none = 0;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, u"FontSubTblNum", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&none), sizeof none),
              ERROR_SUCCESS);
    RegCloseKey(key);

    const JobLayout layout = PrintSample();
    EXPECT_EQ(CountWord(layout, "foc"), 0u);
    EXPECT_EQ(layout.CountOnSheet(0, "txo"), 0u);
}
