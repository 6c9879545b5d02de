// devmode_identity_test.cpp - telling the driver's own devmodes from others.
#include "settings/devmode/devmode_identity.h"
#include "settings/devmode/devmode_header.h"

#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <memory>

namespace {

DRIVER_DEVMODE OwnDevmode()
{
    DRIVER_DEVMODE dm = {};
    InitDevmodeHeader(&dm, u"QN-804C");
    return dm;
}

// A devmode of another driver in a block of exactly its own size, so that a read past it is caught.
std::unique_ptr<BYTE[]> ForeignDevmode(WORD dmSize, WORD dmDriverExtra)
{
    auto block = std::make_unique<BYTE[]>(dmSize + dmDriverExtra);
    std::memset(block.get(), 0, dmSize + dmDriverExtra);
    DEVMODEW header = {};
    header.dmSpecVersion = 0x0401;
    header.dmDriverVersion = 0x8402;
    header.dmSize = dmSize;
    header.dmDriverExtra = dmDriverExtra;
    std::memcpy(block.get(), &header, dmSize < sizeof header ? dmSize : sizeof header);
    return block;
}

struct Change {
    const char* what;
    std::function<void(DRIVER_DEVMODE&)> apply;
    BOOL own;
};

const Change kChanges[] = {
    {"as built", [](DRIVER_DEVMODE&) {}, TRUE},
    {"driver version 0x0402", [](DRIVER_DEVMODE& dm) { dm.dmPublic.dmDriverVersion = 0x0402; }, TRUE},
    {"driver version 0xC402", [](DRIVER_DEVMODE& dm) { dm.dmPublic.dmDriverVersion = 0xC402; }, TRUE},
    {"driver version 0x8403", [](DRIVER_DEVMODE& dm) { dm.dmPublic.dmDriverVersion = 0x8403; }, FALSE},
    {"dmSpecVersion 0x0400", [](DRIVER_DEVMODE& dm) { dm.dmPublic.dmSpecVersion = 0x0400; }, FALSE},
    {"dmSize 221", [](DRIVER_DEVMODE& dm) { dm.dmPublic.dmSize = 221; }, FALSE},
    {"dmDriverExtra 2394", [](DRIVER_DEVMODE& dm) { dm.dmPublic.dmDriverExtra = 2394; }, FALSE},
    {"signature ZDRW", [](DRIVER_DEVMODE& dm) { dm.dmPrivate.signature[3] = u'W'; }, FALSE},
    {"model code 73MZS", [](DRIVER_DEVMODE& dm) { dm.dmPrivate.env.modelCode[4] = 'S'; }, FALSE},
    {"bytes after the model code's terminator",
     [](DRIVER_DEVMODE& dm) { std::memcpy(&dm.dmPrivate.env.modelCode[6], "XYZ", 3); }, TRUE},
};

} // namespace

TEST(DevmodeIdentity, KnowsItsOwnDevmodeByEveryMark)
{
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.what);
        DRIVER_DEVMODE dm = OwnDevmode();
        change.apply(dm);
        EXPECT_EQ(IsOwnDevmode(&dm.dmPublic), change.own);
    }
    EXPECT_FALSE(IsOwnDevmode(nullptr));
}

TEST(DevmodeIdentity, PairsDevmodesThatShareSizesVersionAndModel)
{
    const DRIVER_DEVMODE built = OwnDevmode();
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.what);
        DRIVER_DEVMODE changed = OwnDevmode();
        change.apply(changed);
        EXPECT_EQ(IsCompatibleDevmodePair(&changed.dmPublic, &built.dmPublic), change.own);
    }
    // b is the driver's own fresh devmode: its signature is not looked at.
    DRIVER_DEVMODE unsigned_ = OwnDevmode();
    unsigned_.dmPrivate.signature[0] = u'X';
    EXPECT_TRUE(IsCompatibleDevmodePair(&built.dmPublic, &unsigned_.dmPublic));
    // Equal but foreign sizes on both sides are still equal.
    DRIVER_DEVMODE a = OwnDevmode();
    DRIVER_DEVMODE b = OwnDevmode();
    a.dmPublic.dmDriverVersion = 0x0402;
    b.dmPublic.dmDriverVersion = 0x4402;
    EXPECT_TRUE(IsCompatibleDevmodePair(&a.dmPublic, &b.dmPublic));
    EXPECT_FALSE(IsCompatibleDevmodePair(nullptr, &built.dmPublic));
    EXPECT_FALSE(IsCompatibleDevmodePair(&built.dmPublic, nullptr));
}

TEST(DevmodeIdentity, ReadsNoFurtherThanAForeignDevmodeReaches)
{
    const auto shortOne = ForeignDevmode(220, 0);
    const auto otherShort = ForeignDevmode(220, 0);
    const auto* pShort = reinterpret_cast<const DEVMODEW*>(shortOne.get());
    const auto* pOther = reinterpret_cast<const DEVMODEW*>(otherShort.get());
    EXPECT_FALSE(IsOwnDevmode(pShort));
    EXPECT_FALSE(IsCompatibleDevmodePair(pShort, pOther)) << "two equal foreign headers";

    const auto bigExtra = ForeignDevmode(220, 3000);
    const auto otherBig = ForeignDevmode(220, 3000);
    EXPECT_FALSE(IsCompatibleDevmodePair(reinterpret_cast<const DEVMODEW*>(bigExtra.get()),
                                         reinterpret_cast<const DEVMODEW*>(otherBig.get())))
        << "long enough to read, but without the signature";
}

TEST(DevmodeIdentity, ComparesOnlyTheLow14BitsOfDriverVersions)
{
    struct Case { WORD a; WORD b; BOOL compatible; };
    const Case cases[] = {
        {0x8402, 0x0402, TRUE}, {0x8402, 0x4402, TRUE}, {0xC402, 0x0402, TRUE},
        {0x8402, 0x8403, FALSE}, {0x8402, 0x2402, FALSE},   // bit 13 counts
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsCompatibleDriverVersion(c.a, c.b), c.compatible) << std::hex << c.a << " " << c.b;
}
