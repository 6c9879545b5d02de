// host_process_test.cpp - which program the driver has been loaded into.
#include "settings/base/host_process.h"
#include "host/world.h"
#include "support/world_fixture.h"

using HostProcess = WorldTest;

TEST_F(HostProcess, MatchesTheExecutableFileNameWithoutRegardToCase)
{
    struct Case {
        const char16_t* processPath;
        const WCHAR* fileName;
        BOOL expected;
    };
    const Case cases[] = {
        {u"C:\\Program Files\\Office\\EXCEL.EXE",    u"EXCEL.EXE", TRUE },
        {u"C:\\Program Files\\Office\\excel.exe",    u"EXCEL.EXE", TRUE },
        {u"C:\\Program Files\\Office\\NOTEXCEL.EXE", u"EXCEL.EXE", FALSE},   // a suffix is not the file name
        {u"EXCEL.EXE",                               u"EXCEL.EXE", TRUE },   // a bare name starts the path
        {u"C:\\Tools\\EXCEL.EXE.BAK",                u"EXCEL.EXE", FALSE},
        {u"C:\\X.EXE",                               u"EXCEL.EXE", FALSE},   // shorter than the name
        {u"C:\\Program Files\\Office\\EXCEL.EXE",    u"",          FALSE},
        {u"C:\\Program Files\\Office\\EXCEL.EXE",    nullptr,      FALSE},
        {u"C:\\Office\\EXCEL.EXE",                   u"Office\\EXCEL.EXE", TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        host::SetProcessFileName(c.processPath);
        EXPECT_EQ(IsHostProcess(c.fileName), c.expected);
    }
}

TEST_F(HostProcess, IsHostExcelAsksForExcel)
{
    host::SetProcessFileName(u"C:\\Program Files\\Office\\Excel.exe");
    EXPECT_TRUE(IsHostExcel());
    host::SetProcessFileName(u"C:\\Program Files\\App\\APP.EXE");
    EXPECT_FALSE(IsHostExcel());
}
