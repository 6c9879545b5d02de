// user_check_test.cpp - the logged-on user test against the stored user, and the per-user settings it puts back.
#include "ui/core/user_check.h"

#include "host/faults.h"
#include "host/world.h"
#include "ui/core/item_state_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

class UserCheck : public ItemStateTest {
protected:
    // The stored user as a devmode would bring it.
    void Store(const std::u16string& name, DWORD sum, BYTE length)
    {
        WCHAR field[66] = {};
        std::memcpy(field, name.data(), std::min<std::size_t>(name.size(), 65) * sizeof(WCHAR));
        std::memcpy(&m_state->LogonUserName, field, sizeof field);
        m_state->LogonUserNameSum = sum;
        m_state->LogonUserNameLength = length;
    }

    static DWORD Sum(const std::u16string& name)
    {
        DWORD sum = 0;
        for (char16_t c : name)
            sum += c;
        return sum;
    }

    std::u16string StoredName() { return FieldText(&m_state->LogonUserName); }
};

TEST_F(UserCheck, ComparesTheLoggedOnUserWithTheStoredOne)
{
    struct Case { std::u16string stored; std::u16string now; DWORD expected; };
    const Case cases[] = {
        {u"taro",  u"taro",  kUserSame},
        {u"",      u"",      kUserNoneEither},
        {u"",      u"taro",  kUserFirst},
        {u"taro",  u"hanako", kUserAnother},
        {u"taro",  u"",      kUserUnknownNow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Store(c.stored, Sum(c.stored), static_cast<BYTE>(c.stored.size()));
        host::SetUserName(c.now);
        EXPECT_EQ(CheckUserChanged(nullptr, m_state), c.expected);
        EXPECT_EQ(StoredName(), c.now);
        const DWORD sum = m_state->LogonUserNameSum;
        const BYTE length = m_state->LogonUserNameLength;
        EXPECT_EQ(sum, Sum(c.now));
        EXPECT_EQ(length, c.now.size());
    }
    // The same name with a sum or a length that does not fit is another user.
    host::SetUserName(u"taro");
    Store(u"taro", Sum(u"taro") + 1, 4);
    EXPECT_EQ(CheckUserChanged(nullptr, m_state), kUserAnother);
    Store(u"taro", Sum(u"taro"), 5);
    EXPECT_EQ(CheckUserChanged(nullptr, m_state), kUserAnother);
}

TEST_F(UserCheck, ALongNameKeepsThirtyTwoCharactersButCountsWhole)
{
    const std::u16string name = u"a-very-long-user-name-of-forty-characters";   // 41
    host::SetUserName(name);
    Store(u"", 0, 0);
    EXPECT_EQ(CheckUserChanged(nullptr, m_state), kUserFirst);
    EXPECT_EQ(StoredName(), name.substr(0, 32));
    const DWORD sum = m_state->LogonUserNameSum;
    const BYTE length = m_state->LogonUserNameLength;
    EXPECT_EQ(sum, Sum(name));
    EXPECT_EQ(length, name.size());
    EXPECT_EQ(CheckUserChanged(nullptr, m_state), kUserSame) << "the same long name again";

    // Only the first 32 are compared: a name that differs after them is told apart by its sum.
    host::SetUserName(name.substr(0, 40) + u"X");
    EXPECT_EQ(CheckUserChanged(nullptr, m_state), kUserAnother);

    // Longer than the first buffer: still counted whole, and its length byte never matches.
    const std::u16string huge(300, u'q');
    host::SetUserName(huge);
    EXPECT_EQ(CheckUserChanged(nullptr, m_state), kUserAnother);
    const DWORD hugeSum = m_state->LogonUserNameSum;
    const BYTE hugeLength = m_state->LogonUserNameLength;
    EXPECT_EQ(hugeSum, Sum(huge));
    EXPECT_EQ(hugeLength, 300 & 0xFF);
    EXPECT_EQ(StoredName(), huge.substr(0, 32));
    EXPECT_EQ(CheckUserChanged(nullptr, m_state), kUserAnother);
}

TEST_F(UserCheck, NoUserNameAndShortMemory)
{
    host::SetUserName(u"taro");
    Store(u"taro", Sum(u"taro"), 4);
    host::InjectFault(host::Fault::UserName, 1);
    EXPECT_EQ(CheckUserChanged(nullptr, m_state), kUserUnknownNow);
    host::ClearFaults();
    EXPECT_EQ(StoredName(), u"");

    for (unsigned failing = 1; failing <= 3; ++failing) {
        SCOPED_TRACE(testing::Message() << "allocation " << failing << " fails");
        Store(u"taro", Sum(u"taro"), 4);
        host::InjectFault(host::Fault::GlobalAlloc, failing);
        EXPECT_EQ(CheckUserChanged(nullptr, m_state), kUserTestFailed);
        host::ClearFaults();
        EXPECT_EQ(StoredName(), u"taro") << "a failed test stores nothing";
    }
}

TEST_F(UserCheck, AnotherUserFindsThePerUserSettingsPutBack)
{
    auto fill = [&]() {
        std::memcpy(&m_state->UserId, u"user01", sizeof u"user01");
        std::memcpy(&m_state->sheetText1517, u"box9", sizeof u"box9");
        std::memcpy(&m_state->sheetText1451, u"conf", sizeof u"conf");
        std::memcpy(&m_state->ScrambledPassword, u"pw", sizeof u"pw");
        std::memcpy(&m_state->JobId, u"job", sizeof u"job");
        m_state->Password_Check.wCurrent = 1;
        m_state->Password_Check.wCommitted = 1;
        m_state->Password_Check.wDefault = 0;
        m_state->JobComb_Check.wCurrent = 1;
        m_state->JobComb_Check.wDefault = 0;
        ITEM_LIST method;
        std::memcpy(&method, m_state->lpOutputMethod, sizeof method);
        method.wCurrent = static_cast<WORD>(method.wDefault + 1);
        std::memcpy(m_state->lpOutputMethod, &method, sizeof method);
    };
    const std::pair<DWORD, bool> cases[] = {
        {kUserTestFailed, true}, {kUserNoneEither, false}, {kUserSame, false},
        {kUserFirst, true}, {kUserUnknownNow, true}, {kUserAnother, true},
    };
    for (const auto& [result, reset] : cases) {
        SCOPED_TRACE(testing::Message() << "user test " << result);
        fill();
        m_state->UserTestResult = result;
        ResetOneShotSettings(nullptr, m_state);
        EXPECT_EQ(FieldText(&m_state->UserId).empty(), reset);
        EXPECT_EQ(FieldText(&m_state->sheetText1517).empty(), reset);
        EXPECT_EQ(FieldText(&m_state->sheetText1451).empty(), reset);
        EXPECT_EQ(FieldText(&m_state->ScrambledPassword).empty(), reset);
        EXPECT_EQ(FieldText(&m_state->JobId).empty(), reset);
        const WORD confidential = m_state->Password_Check.wCurrent;
        const WORD confidentialApplied = m_state->Password_Check.wCommitted;
        const WORD imageSave = m_state->JobComb_Check.wCurrent;
        EXPECT_EQ(confidential, reset ? 0 : 1);
        EXPECT_EQ(confidentialApplied, reset ? 0 : 1);
        EXPECT_EQ(imageSave, reset ? 0 : 1);
        ITEM_LIST method;
        std::memcpy(&method, m_state->lpOutputMethod, sizeof method);
        EXPECT_EQ(method.wCurrent == method.wDefault, reset);
    }
}
