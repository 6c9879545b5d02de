// split_path_test.cpp - _wsplitpath: each part where the C runtime puts it, cut to its buffer size.
#include "host/text.h"
#include "win/stdlib.h"

#include <gtest/gtest.h>

#include <string>

TEST(SplitPath, PutsEachPartWhereTheRuntimeDoes)
{
    struct Case { const WCHAR* path; std::u16string drive, dir, fname, ext; };
    const Case cases[] = {
        {u"C:\\Program Files\\Office\\EXCEL.EXE", u"C:", u"\\Program Files\\Office\\", u"EXCEL",     u".EXE"},
        {u"EXCEL.EXE",                             u"",   u"",                          u"EXCEL",     u".EXE"},
        {u"C:APP",                                 u"C:", u"",                          u"APP",       u""    },
        {u"\\\\server\\share\\a.b.c",              u"",   u"\\\\server\\share\\",       u"a.b",       u".c"  },
        // A dot in the folder is no extension.
        {u"C:/dir.x/name",                         u"C:", u"/dir.x/",                   u"name",      u""    },
        {u"dir\\",                                 u"",   u"dir\\",                     u"",          u""    },
        {u".profile",                              u"",   u"",                          u"",          u".profile"},
        {u"",                                      u"",   u"",                          u"",          u""    },
        {nullptr,                                  u"",   u"",                          u"",          u""    },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path != nullptr ? host::ToUtf8(c.path) : std::string("(null)"));
        WCHAR drive[_MAX_DRIVE], dir[_MAX_DIR], fname[_MAX_FNAME], ext[_MAX_EXT];
        _wsplitpath(c.path, drive, dir, fname, ext);
        EXPECT_EQ(std::u16string(drive), c.drive);
        EXPECT_EQ(std::u16string(dir), c.dir);
        EXPECT_EQ(std::u16string(fname), c.fname);
        EXPECT_EQ(std::u16string(ext), c.ext);
    }
}

TEST(SplitPath, CutsEachPartToItsBufferAndSkipsPartsNotAskedFor)
{
    const std::u16string longName(300, u'n');
    const std::u16string longExt = u"." + std::u16string(300, u'e');
    const std::u16string path = u"C:\\" + longName + longExt;
    // One unit more than each part may fill, so that a write past the part shows.
    WCHAR fname[_MAX_FNAME + 1];
    WCHAR ext[_MAX_EXT + 1];
    fname[_MAX_FNAME] = u'#';
    ext[_MAX_EXT] = u'#';
    _wsplitpath(path.c_str(), nullptr, nullptr, fname, ext);
    EXPECT_EQ(std::u16string(fname), longName.substr(0, _MAX_FNAME - 1));
    EXPECT_EQ(std::u16string(ext), longExt.substr(0, _MAX_EXT - 1));
    EXPECT_EQ(fname[_MAX_FNAME], u'#');
    EXPECT_EQ(ext[_MAX_EXT], u'#');
}
