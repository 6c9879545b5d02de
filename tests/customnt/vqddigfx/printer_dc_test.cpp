// printer_dc_test.cpp - the graphics module driven through a printer device context on "QN-804C": created,
// given documents and pages, and deleted, with its hooks called in GDI's order.
#include "job_fixture.h"

namespace {

using PrinterDc = GraphicsJobTest;

TEST_F(PrinterDc, ATwoPageDocumentRunsTheHooksInOrderAndWritesAFramedJob)
{
    HDC hdc = OpenDc();
    ASSERT_NE(hdc, nullptr) << GetLastError();
    ASSERT_GT(PrintEmptyPages(hdc, 2, /*endOfJob=*/true), 0);
    const std::string job = JobBytes();
    EXPECT_EQ(job.substr(0, 9), "\x1b%-12345X");
    EXPECT_EQ(job.substr(job.size() - 9), "\x1b%-12345X");
    std::printf("%s\n", job.c_str());
}

} // namespace
