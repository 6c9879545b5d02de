// font_substitution_list_test.cpp - the job's font-substitution list, built from the user's stored table.
#include "ui/core/font_substitution_list.h"
#include "settings/base/global_memory.h"
#include "settings/registry/registry_paths.h"
#include "settings/store/font_sub_list.h"
#include "host/faults.h"
#include "host/inspect.h"
#include "support/printer_fixture.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

class FontSubstitutionList : public PrinterWorldTest {
protected:
    void TearDown() override
    {
        host::ClearFaults();
        FreeLockedBlock(m_list);
        PrinterWorldTest::TearDown();
    }

    // A job's devmode as the graphics module hands it out: the printer and the driver version in the private
    // copy of the public part.
    std::unique_ptr<DRIVER_DEVMODE> JobDevmode(BYTE fontUse)
    {
        auto dm = std::make_unique<DRIVER_DEVMODE>();
        std::memset(dm.get(), 0, sizeof(DRIVER_DEVMODE));
        DEVMODEW pub = {};
        std::memcpy(pub.dmDeviceName, kPrinterName, 8 * sizeof(WCHAR));
        pub.dmDriverVersion = 0x8402;
        std::memcpy(&dm->dmPrivate.dmPublicCopy, &pub, sizeof pub);
        dm->dmPrivate.FontUseFlg = fontUse;
        return dm;
    }

    DWORD Load(DRIVER_DEVMODE& dm)
    {
        const DWORD count = LoadFontSubstitutionList(&dm);
        m_list = dm.dmPrivate.fontSubstitutionList;
        return count;
    }

    static void StoreFontCount(DWORD count)
    {
        WCHAR path[kRegPathChars];
        ASSERT_TRUE(BuildPrinterRegPath(path, kRegPathChars, u"QN-804C", u"FontSubTbl", nullptr));
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, u"FontSubTblNum", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count), sizeof count);
        RegCloseKey(key);
    }

    static std::u16string Face(const WCHAR (&field)[kFontSubFaceChars])
    {
        WCHAR copy[kFontSubFaceChars + 1] = {};
        std::memcpy(copy, field, sizeof field);
        return copy;
    }

    FONT_SUB_NODE* m_list = nullptr;
};

} // namespace

TEST_F(FontSubstitutionList, AFreshUserGetsTheDefaultTableAsLinkedNodes)
{
    auto dm = JobDevmode(1);
    ASSERT_EQ(Load(*dm), GetDefaultFontSubCount());
    ASSERT_NE(m_list, nullptr);
    const FONT_SUB_PAIR* table = GetDefaultFontSubTable();
    UINT n = 0;
    for (const FONT_SUB_NODE* node = m_list; node != nullptr; node = node->pNext, ++n) {
        SCOPED_TRACE(testing::Message() << "node " << n);
        ASSERT_LT(n, GetDefaultFontSubCount());
        EXPECT_EQ(node, m_list + n) << "the nodes lie in one block, in order";
        EXPECT_EQ(Face(node->szTrueTypeFace), Face(table[n].TTFaceName));
        EXPECT_EQ(Face(node->szDeviceFont), Face(table[n].DevFaceName));
    }
    EXPECT_EQ(n, 32u);
    EXPECT_EQ(Face(m_list[7].szTrueTypeFace), u"Arial");
}

TEST_F(FontSubstitutionList, WithoutPrinterFontsThereIsNoListButTheUsersSettingsAreStillChecked)
{
    auto dm = JobDevmode(0);
    EXPECT_EQ(Load(*dm), 0u);
    EXPECT_EQ(m_list, nullptr);
    EXPECT_NE(host::RegistryDump(HKEY_CURRENT_USER).find("\"DriverVersion\" = REG_DWORD: 0x00008402"),
              std::string::npos);
}

TEST_F(FontSubstitutionList, ATableWithoutPairsOrUnreadableGivesNoList)
{
    auto dm = JobDevmode(1);
    ASSERT_EQ(Load(*dm), 32u);   // seeds the user's settings
    FreeLockedBlock(m_list);
    m_list = nullptr;
    const DWORD counts[] = {0, 0xFFFFFFFF};
    for (DWORD count : counts) {
        SCOPED_TRACE(testing::Message() << "stored count " << count);
        StoreFontCount(count);
        auto again = JobDevmode(1);
        EXPECT_EQ(Load(*again), 0u);
        EXPECT_EQ(m_list, nullptr);
    }
    auto nameless = JobDevmode(1);
    std::memset(&nameless->dmPrivate.dmPublicCopy, 0, sizeof nameless->dmPrivate.dmPublicCopy);
    EXPECT_EQ(Load(*nameless), 0u);
    EXPECT_EQ(LoadFontSubstitutionList(nullptr), 0u);
}

TEST_F(FontSubstitutionList, ShortMemoryGivesNoListAndLeaksNothing)
{
    auto seed = JobDevmode(1);
    ASSERT_EQ(Load(*seed), 32u);
    FreeLockedBlock(m_list);
    m_list = nullptr;
    const unsigned before = host::LiveGlobalBlocks();
    for (unsigned nth = 1; nth <= 8; ++nth) {
        SCOPED_TRACE(testing::Message() << "allocation " << nth << " fails");
        auto dm = JobDevmode(1);
        host::InjectFault(host::Fault::GlobalAlloc, nth, 1);
        const DWORD count = Load(*dm);
        host::ClearFaults();
        EXPECT_EQ(count == 0, m_list == nullptr);
        FreeLockedBlock(m_list);
        m_list = nullptr;
        EXPECT_EQ(host::LiveGlobalBlocks(), before);
    }
}
