// private_escape_test.cpp - the private escapes the interface module sends, as the real graphics module takes
// them, and the cancel of a job that the user turned down.
#include "docevent_fixture.h"
#include "settings/base/font_sub_node.h"
#include "ui/docevent/private_escape.h"

namespace {

using PrivateEscapes = DocumentEventTest;

TEST_F(PrivateEscapes, EveryCodeTheHandlersSendIsTakenWithItsSizes)
{
    // The protocol between the two modules: each code with the sizes its sender passes. A sender of a new code
    // adds its row.
    struct Row { ULONG code; ULONG cbIn; ULONG cbOut; };
    const Row rows[] = {
        {ESC_SET_USER_NAME,        510, 0                     },
        {ESC_SET_CANCEL_JOB,       1,   0                     },
        {ESC_SET_APP_NAME,         64,  0                     },
        {ESC_SET_USER_PAPER_SIZES, 80,  0                     },
        {ESC_GET_JOB_SETTINGS,     0,   9075                  },
        {ESC_GET_DEVMODE,          0,   sizeof(DRIVER_DEVMODE)},
        {ESC_SET_FONT_SUBST,       kFontSubNodeSize, 0        },
        {ESC_DROP_FORM_OVERLAY,    0,   0                     },
        {ESC_END_OF_JOB,           0,   0                     },
    };
    ASSERT_NE(OpenOwnDc(), nullptr) << GetLastError();
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.code);
        std::vector<BYTE> in(row.cbIn);
        std::vector<BYTE> out(row.cbOut);
        EXPECT_TRUE(SendPrivateEscape(m_hdc, row.code, row.cbIn, in.empty() ? nullptr : in.data(), row.cbOut,
                                      out.empty() ? nullptr : out.data()));
    }
}

TEST_F(PrivateEscapes, ACancelledJobDropsItsOutputAndItsFormOverlayButRunsToItsEnd)
{
    ASSERT_NE(OpenOwnDc(), nullptr) << GetLastError();
    DOCINFOW di = {sizeof di, u"Declined", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_TRUE(CancelJobOutput(m_hdc));
    const DRIVER_DEVMODE dm = JobDevmode(m_hdc);
    EXPECT_EQ(dm.dmPrivate.lpOverlay, 1) << "no form overlay";
    EXPECT_EQ(dm.dmPrivate.OverlayPrompt, 0);
    EXPECT_EQ(JobExtra(m_hdc)->bCancel, 1);
    ASSERT_GT(StartPage(m_hdc), 0);
    Rectangle(m_hdc, 100, 100, 400, 400);
    ASSERT_GT(EndPage(m_hdc), 0);
    ASSERT_GT(EndDoc(m_hdc), 0);
    EXPECT_EQ(OnlyJob(kPrinterName).find("prn;"), std::string::npos) << "no page reached the printer";
}

TEST_F(PrivateEscapes, ACancelIsRefusedWhenEitherEscapeIs)
{
    ASSERT_NE(OpenOtherDriversDc(/*escapeAnswer=*/1, ESC_DROP_FORM_OVERLAY), nullptr) << GetLastError();
    EXPECT_FALSE(CancelJobOutput(m_hdc));
    EXPECT_EQ(EscapesReceived(), (std::vector<std::string>{"6FFFFF03 1 0", "6FFFFF04 0 0"}));
    DeleteDC(m_hdc);
    m_hdc = nullptr;
    FreeLibrary(m_testDriver);
    m_testDriver = nullptr;
    ASSERT_NE(OpenOtherDriversDc(/*escapeAnswer=*/1, ESC_SET_CANCEL_JOB), nullptr) << GetLastError();
    EXPECT_FALSE(CancelJobOutput(m_hdc));
    EXPECT_EQ(EscapesReceived(), std::vector<std::string>{"6FFFFF03 1 0"}) << "no overlay change without a cancel";
}

} // namespace
