// stored_name_test.cpp - the devmode's stored user name against the name sent for the job, as escape
// 0x6FFFFC00 reports it in the writer context and in the name-match flags the job header reads.
#include "customnt/vqddigfx/job_fixture.h"

namespace {

using StoredName = OpenDcTest;

// The devmode's stored name with its sum and length, as the interface module stores them.
void StoreName(DRIVER_DEVMODE& dm, const std::u16string& name, DWORD sum, BYTE length)
{
    std::vector<BYTE> field = WideField(name, sizeof dm.dmPrivate.env.LogonUserName);
    std::memcpy(dm.dmPrivate.env.LogonUserName, field.data(), field.size());
    dm.dmPrivate.env.LogonUserNameSum = sum;
    dm.dmPrivate.env.LogonUserNameLength = length;
}

DWORD SumOf(const std::u16string& name)
{
    DWORD sum = 0;
    for (WCHAR unit : name)
        sum += unit;
    return sum;
}

TEST_F(StoredName, TheComparisonGivesOneOfFiveResultsAndTheMatchFlagsFollowIt)
{
    const std::u16string longName(40, u'k');   // units beyond the 32th are not compared
    const std::u16string longOther = std::u16string(32, u'k') + std::u16string(8, u'z');
    struct Case {
        const char* name;
        std::u16string stored;
        DWORD storedSum;
        BYTE storedLength;
        std::u16string sent;
        SHORT result;
    };
    const Case cases[] = {
        {"both empty", u"", 0, 0, u"", 1},
        {"the same name", u"yamada", SumOf(u"yamada"), 6, u"yamada", 2},
        {"the same first 32 units, sums and lengths", longName, SumOf(longOther), 40, longOther, 2},
        {"another name of the same sum and length", u"ab", SumOf(u"ab"), 2, u"ba", 5},
        {"the same text with another stored sum", u"yamada", 1, 6, u"yamada", 5},
        {"nothing stored", u"", 0, 0, u"yamada", 3},
        {"nothing sent", u"yamada", SumOf(u"yamada"), 6, u"", 4},
        {"two different names", u"sato", SumOf(u"sato"), 4, u"yamada", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DRIVER_DEVMODE dm = JobDevmode();
        StoreName(dm, c.stored, c.storedSum, c.storedLength);
        ASSERT_EQ(SetJobDevmode(dm), 1);
        ASSERT_EQ(Escape(ESC_SET_USER_NAME, WideField(c.sent, 510)), 1);
        ASSERT_EQ(Escape(ESC_COMPARE_STORED_NAME), 1);
        const std::vector<BYTE> extra = JobExtra();
        EXPECT_EQ(ReadAt<SHORT>(extra, 1518), c.result);
        const DWORD match = c.result <= 2 ? 1 : 0;
        for (size_t flag = 0; flag < 4; ++flag)
            EXPECT_EQ(ReadAt<DWORD>(extra, 1520 + 4 * flag), match) << "flag " << flag;
    }
}

} // namespace
