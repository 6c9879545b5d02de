// pjl_job_stream_test.cpp - a job printed through the platform carries the option lines of its devmode in
// its header, between the header's comments and the language switch.
#include "customnt/vqddigfx/job_fixture.h"
#include "customnt/vqddigfx/pdev_fixture.h"
#include "default_option_lines.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/pjl_options.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "pjl_job_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The option part of a job's header: after the driver version comment, up to the language switch.
std::string OptionLines(const std::string& job)
{
    const std::string versionLine = "@PJL COMMENT Driver version : 04.02\n";
    const std::size_t begin = job.find(versionLine);
    const std::size_t end = job.find("@PJL ENTER LANGUAGE");
    if (begin == std::string::npos || end == std::string::npos || end < begin)
        return "<no job header>";
    return job.substr(begin + versionLine.size(), end - begin - versionLine.size());
}

} // namespace

TEST_F(GraphicsJobTest, AJobWithThePrintersSettingsCarriesTheirOptionLines)
{
    ASSERT_NE(OpenDc(), nullptr);
    ASSERT_NE(PrintEmptyPages(m_hdc, 1, /*endOfJob=*/true, u"Report"), 0);

    // The interface module sent the world's user as the job's user name.
    EXPECT_EQ(OptionLines(JobBytes()),
              std::string("@PJL SET JOBNAME = \"Report\"\n@PJL SET USERNAME = \"user\"\n") +
                  kDefaultOptionLinesAfterNames);
}

TEST_F(GraphicsJobTest, AnApplicationsCopiesAndOrientationReachTheHeader)
{
    DEVMODEW dm = {};
    dm.dmSize = sizeof dm;
    dm.dmSpecVersion = 0x0401;
    dm.dmFields = DM_COPIES | DM_ORIENTATION;
    dm.dmCopies = 3;
    dm.dmOrientation = DMORIENT_LANDSCAPE;
    ASSERT_NE(OpenDc(&dm), nullptr);
    ASSERT_NE(PrintEmptyPages(m_hdc, 1, /*endOfJob=*/true), 0);

    const std::string options = OptionLines(JobBytes());
    EXPECT_NE(options.find("@PJL SET COPIES = 3\n"), std::string::npos) << options;
    EXPECT_NE(options.find("@PJL SET ORIENTATION = LANDSCAPE\n"), std::string::npos) << options;
}

TEST_F(GraphicsJobTest, ADocumentNameCannotEndItsValueOrStartACommand)
{
    ASSERT_NE(OpenDc(), nullptr);
    ASSERT_NE(PrintEmptyPages(m_hdc, 1, /*endOfJob=*/true, u"a\"\n@PJL SET COPIES = 99"), 0);

    const std::string job = JobBytes();
    EXPECT_NE(job.find("@PJL SET JOBNAME = \"a  @PJL SET COPIES = 99\"\n"), std::string::npos) << job;
    EXPECT_NE(job.find("@PJL COMMENT Title : a  @PJL SET COPIES = 99 ;\n"), std::string::npos) << job;
    EXPECT_EQ(job.find("\n@PJL SET COPIES = 99"), std::string::npos) << "no line of its own";
}

namespace {

using PjlJobContext = PdevTest;

} // namespace

// The user name and the two name-match flags come from the writer's context, which sits behind the env
// block at an odd address: the user, the user ID and the private hold reach the header from there.
TEST_F(PjlJobContext, TheContextsUserNameAndNameMatchFlagsReachTheHeader)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    dm.dmPrivate.env.Password_Check = 1;
    SetField(&dm.dmPrivate.env.ScrambledPassword, u"4711", /*scrambled=*/true);
    SetField(&dm.dmPrivate.env.UserId, u"u42");
    ASSERT_NE(Enable(dm), nullptr);
    ASSERT_TRUE(BeginDocument());

    JOB_EXTRA_RECORD* pContext = PdlGetContext(m_pdev);
    const WCHAR userName[] = u"yamada";
    std::memcpy(&pContext->szUserName, userName, sizeof userName);
    const DWORD matched[4] = {1, 1, 1, 1};
    std::memcpy(&pContext->dwNameMatch, matched, sizeof matched);

    WriteJobHeader(m_pdev, u"Report");
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
    const std::string options = OptionLines(FinishJob());
    EXPECT_NE(options.find("@PJL SET USERNAME = \"yamada\"\n"), std::string::npos) << options;
    EXPECT_NE(options.find("@PJL SET USERID = u42\n@PJL SET HOLD = ON\n@PJL SET HOLDTYPE = PRIVATE\n"
                           "@PJL SET HOLDKEY = 4711\n@PJL SET HOLDLOC = CONTROLLER\n"),
              std::string::npos)
        << options;
}

TEST_F(PjlJobContext, ARecordThatIsNoPdevIsLeftUntouched)
{
    SetOptionPJL(static_cast<PDEV*>(nullptr));   // must not crash
    std::vector<BYTE> notAPdev(sizeof(PDEV), 0);   // no magic
    SetOptionPJL(reinterpret_cast<PDEV*>(notAPdev.data()));
    EXPECT_EQ(std::count(notAPdev.begin(), notAPdev.end(), 0), static_cast<long>(notAPdev.size()))
        << "locating a context would have written its offset";
}
