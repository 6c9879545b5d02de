// stored_files_test.cpp - a page's apply cleans the printer's per-user keys and saves the sheet's store; the
// cover sheet's image file is found whether or not another program holds it.
#include "ui/core/stored_files.h"
#include "settings/params/ui_state_fixture.h"
#include "settings/registry/registry_paths.h"
#include "settings/store/fax_cover_data.h"
#include "host/inspect.h"
#include "host/world.h"

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

class StoredFiles : public UiStateTest {
protected:
    void SetUp() override
    {
        UiStateTest::SetUp();
        if (HasFatalFailure())
            return;
        m_state->hPrinter = m_hPrinter;
    }

    void TearDown() override
    {
        if (m_state != nullptr && m_state->pStore != nullptr && m_coverGroup != nullptr)
            m_state->pStore->lpFaxCover = nullptr;
        UiStateTest::TearDown();
    }

    static std::u16string PrinterKey(const WCHAR* sub = nullptr)
    {
        WCHAR path[kRegPathChars];
        EXPECT_TRUE(BuildPrinterRegPath(path, kRegPathChars, u"QN-804C", sub, nullptr));
        return path;
    }

    static void MakeKey(const WCHAR* sub)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, PrinterKey(sub).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The fax group is switched off in this build; the cover sheet tests hang one in by hand.
    FAX_COVER_RECORD* CoverGroup(const char16_t* fileName)
    {
        if (m_coverGroup == nullptr) {
            m_coverRecord = std::make_unique<FAX_COVER_RECORD>();
            m_coverGroup = m_coverRecord.get();
            m_state->pStore->lpFaxCover = m_coverGroup;
        }
        std::memset(m_coverGroup->Filename, 0, sizeof m_coverGroup->Filename);
        std::memcpy(m_coverGroup->Filename, fileName, std::char_traits<char16_t>::length(fileName) * sizeof(WCHAR));
        return m_coverGroup;
    }

    std::unique_ptr<FAX_COVER_RECORD> m_coverRecord;
    FAX_COVER_RECORD* m_coverGroup = nullptr;
};

TEST_F(StoredFiles, OnlyTheApplyEventCleansTheKeysAndSavesTheStore)
{
    MakeKey(u"Stale Profile");
    MakeKey(u"BookMode");
    m_state->pStore->lpWatermark->WMarkListNum = 2;
    std::memcpy(m_state->pStore->lpWatermark->lpEntries[1].Text, u"Draft", sizeof u"Draft");
    const std::string before = host::RegistryDump(HKEY_CURRENT_USER, PrinterKey());

    PurgeUserPrinterKeys(m_state, 1);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, PrinterKey()), before) << "not an apply";

    PurgeUserPrinterKeys(m_state, kSheetEventApply);
    const std::string after = host::RegistryDump(HKEY_CURRENT_USER, PrinterKey());
    EXPECT_EQ(after.find("Stale Profile"), std::string::npos);
    EXPECT_NE(after.find("BookMode"), std::string::npos);
    EXPECT_NE(after.find("Draft"), std::string::npos) << "the store was saved";

    PurgeUserPrinterKeys(nullptr, kSheetEventApply);   // nothing to do, nothing breaks
}

TEST_F(StoredFiles, AFileHeldWithoutSharingStillExists)
{
    const std::u16string present = u"C:\\cover.bmp";
    std::ofstream(host::MapWindowsPath(present)) << "BM";
    EXPECT_TRUE(FileExists(present.c_str()));
    EXPECT_FALSE(FileExists(u"C:\\missing.bmp"));

    const HANDLE held = CreateFileW(present.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FileExists(present.c_str()));
    CloseHandle(held);
}

TEST_F(StoredFiles, TheCoverSheetsImageFileIsCheckedWithinItsField)
{
    EXPECT_FALSE(CheckStoredFileExists(m_state)) << "no fax group";
    WCHAR name[8] = {};
    EXPECT_EQ(GetStoredFileName(m_state, name, sizeof name), 0);
    EXPECT_EQ(GetFaxCoverSheetGroup(nullptr), nullptr);

    std::ofstream(host::MapWindowsPath(u"C:\\logo.bmp")) << "BM";
    CoverGroup(u"");
    EXPECT_TRUE(CheckStoredFileExists(m_state)) << "no file named";
    CoverGroup(u"C:\\logo.bmp");
    EXPECT_TRUE(CheckStoredFileExists(m_state));
    EXPECT_EQ(GetStoredFileName(m_state, name, 6 * sizeof(WCHAR)), 1);
    EXPECT_EQ(std::u16string(name, 6), u"C:\\log");
    CoverGroup(u"C:\\gone.bmp");
    EXPECT_FALSE(CheckStoredFileExists(m_state));

    // A stored name that fills its field has no terminator of its own.
    FAX_COVER_RECORD* group = CoverGroup(u"");
    for (WCHAR& c : group->Filename)
        c = u'a';
    EXPECT_FALSE(CheckStoredFileExists(m_state));
    std::vector<BYTE> out(2000, 0xEE);
    EXPECT_EQ(GetStoredFileName(m_state, out.data(), static_cast<DWORD>(out.size())), 1);
    EXPECT_EQ(out[sizeof group->Filename], 0xEE) << "copied no more than the field";
}

} // namespace
