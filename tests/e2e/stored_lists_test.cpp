// stored_lists_test.cpp - what `qnprint --lists` shows: nothing on a fresh world, the seeded defaults after the
// first job, and a user's own lists once they are saved.
#include "settings/store/list_schema.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"
#include "support/printer_fixture.h"
#include "tools/sample/sample_job.h"
#include "tools/sample/stored_lists.h"

#include <string>

namespace {

class StoredLists : public PrinterWorldTest {};

bool Shows(const std::string& text, const std::string& line)
{
    return text.find(line) != std::string::npos;
}

} // namespace

TEST_F(StoredLists, AFreshWorldHasNothingStored)
{
    const std::string text = DescribeStoredLists(kPrinterName);
    EXPECT_TRUE(Shows(text, "nothing is stored yet")) << text;
    EXPECT_FALSE(Shows(text, "insert lists")) << text;
}

TEST_F(StoredLists, TheFirstJobSeedsTheDefaultsThatAreShown)
{
    const SampleJob job = PrintSampleDocument(kPrinterName, {}, 1);
    ASSERT_TRUE(job.printed) << job.failure;
    const std::string text = DescribeStoredLists(kPrinterName);
    EXPECT_FALSE(Shows(text, "nothing is stored")) << text;
    const char* lines[] = {
        "   1 \"Insert List 1\"      0 entries\n",
        "  10 \"Insert List 10\"     0 entries\n",
        "form overlays: 0\n",
        "watermarks: 16\n",
        "\"CONFIDENTIAL\"",
        "font pairs: 32\n",
        "  Arial                    -> Arial\n",
        "  Times New Roman          -> Times New Roman\n",
        "   1 \"Custom Size 1\"      8.267 x 8.267 in, shown in millimetres\n",
    };
    for (const char* line : lines)
        EXPECT_TRUE(Shows(text, line)) << "missing: " << line << "\nin:\n" << text;
}

TEST_F(StoredLists, AUsersSavedListsAreShownWithTheirEntries)
{
    LIST_SCHEMA_SET schemas = {};
    ASSERT_TRUE(LoadListSchemas(&schemas));
    ASSERT_TRUE(WriteDefaultSettingsStore(&schemas, kPrinterName, nullptr));
    SETTINGS_STORE* store = NewSettingsStore();
    ASSERT_NE(store, nullptr);
    ASSERT_TRUE(LoadSettingsStore(store, &schemas, nullptr, kPrinterName, m_hPrinter));
    INTERSHEET_LIST& list = store->lpInterSheet->lpLists[1];
    CopyText(&list.Name, u"Report");
    list.PageListNum = 1;
    CopyText(&list.lpEntries[0].Page, u"3,5");
    list.lpEntries[0].Tray = 2;
    list.lpEntries[0].PrnTabIndex = 1;
    CopyText(&list.lpEntries[0].TabText, u"Results");
    store->lpWatermark->lpEntries[0].Angle = -450;
    ASSERT_TRUE(SaveSettingsStore(store, &schemas, nullptr, kPrinterName));
    FreeSettingsStore(&store);
    FreeListSchemas(&schemas);

    const std::string text = DescribeStoredLists(kPrinterName);
    EXPECT_TRUE(Shows(text, "   2 \"Report\"             1 entry\n       pages 3,5, type 0, tray 2, tab \"Results\"\n"))
        << text;
    EXPECT_TRUE(Shows(text, "-45.0 degrees")) << text;
}
