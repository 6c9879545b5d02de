// sheet_commit_test.cpp - what an application gets back from the document sheet once its pages run the rules,
// the user test and the commit: the stored user, and the per-user settings another user must not inherit.
#include "host/ui.h"
#include "host/world.h"
#include "settings/devmode/driver_devmode.h"
#include "ui/core/interface_module_fixture.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

class SheetCommit : public InterfaceModuleTest {
protected:
    // The printer's default devmode, as an application asks for it.
    DRIVER_DEVMODE DefaultDevmode()
    {
        DRIVER_DEVMODE dm = {};
        EXPECT_EQ(DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName),
                                      reinterpret_cast<PDEVMODEW>(&dm), nullptr, DM_OUT_BUFFER),
                  IDOK);
        return dm;
    }

    // Shows the document sheet on the devmode and presses OK on its first page.
    DRIVER_DEVMODE ShowAndOk(const DRIVER_DEVMODE& in)
    {
        host::SetUserScript("sheet\n  click 1\n");
        DRIVER_DEVMODE input = in;
        DRIVER_DEVMODE out = {};
        EXPECT_EQ(DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName),
                                      reinterpret_cast<PDEVMODEW>(&out), reinterpret_cast<PDEVMODEW>(&input),
                                      DM_IN_PROMPT | DM_IN_BUFFER | DM_OUT_BUFFER),
                  IDOK);
        for (const std::string& failure : host::UserScriptFailures())
            ADD_FAILURE() << failure;
        host::ClearUserScript();
        return out;
    }

    template <std::size_t N>
    static void PutText(WCHAR (*field)[N], const std::u16string& text)
    {
        WCHAR bounded[N] = {};
        std::memcpy(bounded, text.data(), std::min(text.size(), N - 1) * sizeof(WCHAR));
        std::memcpy(field, bounded, sizeof bounded);
    }

    template <std::size_t N>
    static std::u16string Text(const WCHAR (*field)[N])
    {
        WCHAR copy[N + 1] = {};
        std::memcpy(copy, field, sizeof *field);
        return copy;
    }
};

TEST_F(SheetCommit, TheSheetStoresItsUserAndAnotherUserDoesNotInheritTheUserId)
{
    host::SetUserName(u"taro");
    DRIVER_DEVMODE dm = DefaultDevmode();
    PutText(&dm.dmPrivate.env.LogonUserName, u"hanako");
    PutText(&dm.dmPrivate.env.UserId, u"H-0042");

    const DRIVER_DEVMODE first = ShowAndOk(dm);
    EXPECT_EQ(Text(&first.dmPrivate.env.LogonUserName), u"taro");
    const DWORD sum = first.dmPrivate.env.LogonUserNameSum;
    const BYTE length = first.dmPrivate.env.LogonUserNameLength;
    EXPECT_EQ(sum, static_cast<DWORD>(u't' + u'a' + u'r' + u'o'));
    EXPECT_EQ(length, 4);
    EXPECT_EQ(Text(&first.dmPrivate.env.UserId), u"") << "hanako's user ID is not taro's";

    // Taro again, with his own user ID: it is kept.
    DRIVER_DEVMODE again = first;
    PutText(&again.dmPrivate.env.UserId, u"T-0007");
    const DRIVER_DEVMODE second = ShowAndOk(again);
    EXPECT_EQ(Text(&second.dmPrivate.env.UserId), u"T-0007");
}

}  // namespace
