// test_module.cpp - TESTMOD.DLL, a small module for the tests of the platform's module loading and
// resources: it records its entry-point calls and exports one function and a resource directory.
#include "platform/modules/test_module.h"
#include "host/resource_data.h"
#include "win/windows.h"

#include <iterator>
#include <string>

#define TEST_MODULE_EXPORT extern "C" __attribute__((visibility("default")))

extern "C" {
__attribute__((visibility("default"))) TestModuleRecord g_testModuleRecord = {};
}

TEST_MODULE_EXPORT BOOL WINAPI DllEntryPoint(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID lpvReserved)
{
    TestModuleRecord& record = g_testModuleRecord;
    if (fdwReason == DLL_PROCESS_ATTACH) {
        ++record.attachCalls;
        record.attachInstance = hinstDLL;
        GetModuleFileNameW(hinstDLL, record.attachFileName, MAX_PATH);
        return !record.failAttach;
    }
    if (fdwReason == DLL_PROCESS_DETACH) {
        ++record.detachCalls;
        record.detachReserved = lpvReserved;
    }
    return TRUE;
}

TEST_MODULE_EXPORT int TestModuleAdd(int a, int b)
{
    return a + b;
}

static const std::u16string& LongText()
{
    static const std::u16string text = [] {
        std::u16string t;
        for (UINT i = 0; i < kTestLongLength; ++i)
            t += static_cast<char16_t>(u'a' + i % 26);
        return t;
    }();
    return text;
}

static const DWORD kPalette[] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
// 5 x 3 at 8 bits per pixel: rows of 5 bytes, padded to 8.
static const BYTE kBits8[] = {
    0, 1, 2, 3, 0, 0xEE, 0xEE, 0xEE,
    1, 2, 3, 0, 1, 0xEE, 0xEE, 0xEE,
    2, 3, 0, 1, 2, 0xEE, 0xEE, 0xEE,
};
// 3 x 2 at 24 bits per pixel: rows of 9 bytes, padded to 12.
static const BYTE kBits24[] = {
    0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0xEE, 0xEE, 0xEE,
    0xFF, 0xFF, 0xFF, 0x80, 0x80, 0x80, 0x00, 0x00, 0x00, 0xEE, 0xEE, 0xEE,
};

TEST_MODULE_EXPORT const host::ResourceDirectory* HostResourceDirectory(void)
{
    static const host::StringResource strings[] = {
        {kTestStringShort, u"abc"},
        {kTestStringLong, LongText().c_str()},
    };
    static const host::BitmapResource bitmaps[] = {
        {kTestBitmap8, 5, 3, 8, kPalette, static_cast<UINT>(std::size(kPalette)), kBits8},
        {kTestBitmap24, 3, 2, 24, nullptr, 0, kBits24},
    };
    static const host::IconResource icons[] = {{kTestIcon, 32, 32}};
    static const host::IconResource cursors[] = {{kTestCursor, 32, 32}};
    static const host::ResourceDirectory directory = {
        strings, static_cast<UINT>(std::size(strings)),
        bitmaps, static_cast<UINT>(std::size(bitmaps)),
        icons, static_cast<UINT>(std::size(icons)),
        cursors, static_cast<UINT>(std::size(cursors)),
        nullptr, 0,
    };
    return g_testModuleRecord.refuseResources ? nullptr : &directory;
}
