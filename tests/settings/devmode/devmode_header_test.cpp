// devmode_header_test.cpp - the header, signature and model code of the driver's devmode.
#include "settings/devmode/devmode_header.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

// A devmode full of stale bytes, so that every byte the header leaves alone shows.
struct StaleDevmode {
    StaleDevmode() { std::memset(&dm, 0xCC, sizeof dm); }
    const BYTE* Bytes() const { return reinterpret_cast<const BYTE*>(&dm); }
    WORD Word(std::size_t offset) const
    {
        WORD value;
        std::memcpy(&value, Bytes() + offset, sizeof value);
        return value;
    }
    DRIVER_DEVMODE dm;
};

std::u16string DeviceName(const DRIVER_DEVMODE& dm)
{
    WCHAR name[CCHDEVICENAME];
    std::memcpy(name, &dm.dmPublic.dmDeviceName, sizeof name);
    return std::u16string(name, std::char_traits<char16_t>::length(name));
}

} // namespace

TEST(DevmodeHeader, ForcesTheHeaderAndLeavesTheSettingsAlone)
{
    StaleDevmode stale;
    InitDevmodeHeader(&stale.dm, u"QN-804C");
    EXPECT_EQ(DeviceName(stale.dm), u"QN-804C");
    EXPECT_EQ(stale.Word(64), 0x0401);           // dmSpecVersion
    EXPECT_EQ(stale.Word(66), 0x8402);           // dmDriverVersion
    EXPECT_EQ(stale.Word(68), 220);              // dmSize
    EXPECT_EQ(stale.Word(70), 2395);             // dmDriverExtra
    EXPECT_EQ(stale.Word(72), 0x3703);           // dmFields, low word
    EXPECT_EQ(stale.Word(74), 0);
    EXPECT_EQ(stale.Word(84), 100);              // dmScale
    EXPECT_EQ(stale.Word(98), 2);                // dmTTOption
    EXPECT_EQ(stale.Word(100), 0);               // dmCollate
    EXPECT_EQ(stale.Word(102), 0) << "the form name is emptied";
    for (std::size_t offset = 168; offset < 204; ++offset)
        EXPECT_EQ(stale.Bytes()[offset], 0) << "display field byte " << offset;
    EXPECT_EQ(std::memcmp(stale.Bytes() + 440, u"ZDRV", 8), 0);
    EXPECT_EQ(std::memcmp(stale.Bytes() + 2593, "73MZR\0\0\0\0\0\0\0\0\0\0\0\0\0", 18), 0);

    // Settings are not the header's business.
    EXPECT_EQ(stale.Word(76), 0xCCCC) << "dmOrientation";
    EXPECT_EQ(stale.Word(86), 0xCCCC) << "dmCopies";
    EXPECT_EQ(stale.Word(104), 0xCCCC) << "only the form name's first character is cleared";
    EXPECT_EQ(stale.Word(166), 0xCCCC) << "dmLogPixels";
    EXPECT_EQ(stale.Bytes()[204], 0xCC) << "dmReserved1";
    EXPECT_EQ(stale.Bytes()[776], 0xCC);
    EXPECT_EQ(stale.Bytes()[2592], 0xCC);
    EXPECT_EQ(stale.Bytes()[2611], 0xCC) << "the end marker is the builder's";
}

TEST(DevmodeHeader, CutsTheDeviceNameTo31CharactersOrKeepsIt)
{
    struct Case { const WCHAR* name; std::u16string expected; };
    const Case cases[] = {
        {u"QN-804C", u"QN-804C"},
        {u"0123456789012345678901234567890", u"0123456789012345678901234567890"},          // 31
        {u"01234567890123456789012345678901", u"0123456789012345678901234567890"},         // 32
        {u"0123456789012345678901234567890123456789", u"0123456789012345678901234567890"}, // 40
        {nullptr, u"kept"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        StaleDevmode stale;
        std::memset(&stale.dm.dmPublic.dmDeviceName, 0, sizeof stale.dm.dmPublic.dmDeviceName);
        std::memcpy(&stale.dm.dmPublic.dmDeviceName, u"kept", 10);
        InitDevmodeHeader(&stale.dm, c.name);
        EXPECT_EQ(DeviceName(stale.dm), c.expected);
        EXPECT_EQ(stale.Word(62), 0) << "the last character is always a terminator";
    }
}

TEST(CopyDeviceName, CopiesTheTerminatorOnlyWhenItFits)
{
    struct Case { const WCHAR* name; DWORD cbLimit; std::u16string expected; };
    const Case cases[] = {
        {u"abc", 16, std::u16string(u"abc\0\xABAB", 5)},
        {u"abc", 8, std::u16string(u"abc\0\xABAB", 5)},
        {u"abcd", 8, std::u16string(u"abcd\xABAB", 5)},        // the limit is reached: no terminator
        {u"abcd", 7, std::u16string(u"abc\xABAB\xABAB", 5)},   // an odd byte limit counts whole characters
        {u"", 2, std::u16string(u"\0\xABAB\xABAB\xABAB\xABAB", 5)},
        {u"abc", 0, std::u16string(u"\xABAB\xABAB\xABAB\xABAB\xABAB", 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR out[5];
        std::fill(std::begin(out), std::end(out), 0xABAB);
        CopyDeviceName(out, c.name, c.cbLimit);
        EXPECT_EQ(std::u16string(out, 5), c.expected);
    }
}

TEST(ModelCode, ComparesAsATerminatedStringWithinItsField)
{
    struct Case { const char* code; BOOL own; };
    const Case cases[] = {
        {"73MZR\0\0\0\0\0\0\0\0\0\0\0\0\0", TRUE},
        {"73MZR\0XYZ\0\0\0\0\0\0\0\0\0", TRUE},      // bytes after the terminator do not count
        {"73MZRX\0\0\0\0\0\0\0\0\0\0\0\0", FALSE},
        {"73MZ\0\0\0\0\0\0\0\0\0\0\0\0\0\0", FALSE},
        {"73MZR73MZR73MZR73M", FALSE},                // no terminator in the field
        {"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", FALSE},
    };
    DRIVER_DEVMODE own = {};
    SetModelCode(&own);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        DRIVER_DEVMODE dm = {};
        std::memcpy(&dm.dmPrivate.env.modelCode, c.code, 18);
        EXPECT_EQ(IsOwnModelCode(&dm), c.own);
        EXPECT_EQ(IsSameModelCode(&dm, &own), c.own);
        EXPECT_TRUE(IsSameModelCode(&dm, &dm));
    }
}

TEST(DevmodeSignature, IsFourCharactersWithoutTerminator)
{
    DRIVER_DEVMODE dm;
    std::memset(&dm, 0xCC, sizeof dm);
    EXPECT_FALSE(HasDevmodeSignature(&dm));
    SetDevmodeSignature(&dm);
    EXPECT_TRUE(HasDevmodeSignature(&dm));
    EXPECT_EQ(reinterpret_cast<const BYTE*>(&dm)[448], 0xCC) << "no terminator after the signature";
    dm.dmPrivate.signature[3] = u'W';
    EXPECT_FALSE(HasDevmodeSignature(&dm));
}
