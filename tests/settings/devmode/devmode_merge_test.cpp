// devmode_merge_test.cpp - folding public fields, private parts and printer-wide fields into a devmode.
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_merge.h"
#include "settings/res_library_fixture.h"

#include <cstring>
#include <vector>

namespace {

// Packed fields may sit at odd addresses: they are compared by value, never bound to a reference.
template <typename T>
T Val(T value)
{
    return value;
}


class DevmodeMerge : public ResModuleTest {
protected:
    void SetUp() override
    {
        ResModuleTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(BuildDefaultDevmode(m_cell, &m_target, nullptr, m_hPrinter));
    }

    DRIVER_DEVMODE m_target = {};
};

TEST_F(DevmodeMerge, CopiesExactlyThePrinterWideFields)
{
    DRIVER_DEVMODE source;
    std::memset(&source, 0xAB, sizeof source);
    std::vector<BYTE> before(reinterpret_cast<BYTE*>(&m_target), reinterpret_cast<BYTE*>(&m_target) + sizeof m_target);

    ASSERT_TRUE(CopyPrinterWideFields(&source, &m_target));

    const auto* after = reinterpret_cast<const BYTE*>(&m_target);
    for (std::size_t offset = 0; offset < sizeof m_target; ++offset) {
        const bool printerWide = (offset >= 2324 && offset <= 2372) || offset == 1594 || offset == 1410;
        EXPECT_EQ(after[offset], printerWide ? 0xAB : before[offset]) << "at devmode offset " << offset;
    }
}

TEST_F(DevmodeMerge, CopiesNothingWhenEitherDevmodeIsMissing)
{
    DRIVER_DEVMODE copy = m_target;
    EXPECT_FALSE(CopyPrinterWideFields(nullptr, &m_target));
    EXPECT_FALSE(CopyPrinterWideFields(&m_target, nullptr));
    EXPECT_FALSE(CopyPrinterWideFields(nullptr, nullptr));
    EXPECT_EQ(std::memcmp(&copy, &m_target, sizeof copy), 0);
}

// One public field of an application's devmode, offered with or without its dmFields bit.
struct PublicCase {
    const char* what;
    DWORD fields;
    void (*setSource)(DEVMODEW&);
    void (*setTarget)(DEVMODEW&);   // how the target looks before the merge (may be null)
    SHORT DEVMODEW::*field;
    SHORT expected;
};

const PublicCase kPublicCases[] = {
    {"an A4 sheet turned sideways is found by its dimensions", DM_PAPERWIDTH | DM_PAPERLENGTH,
     [](DEVMODEW& dm) { dm.dmPaperWidth = 2970; dm.dmPaperLength = 2100; }, nullptr, &DEVMODEW::dmPaperSize, 9},
    {"...and keeps the caller's width", DM_PAPERWIDTH | DM_PAPERLENGTH,
     [](DEVMODEW& dm) { dm.dmPaperWidth = 2970; dm.dmPaperLength = 2100; }, nullptr, &DEVMODEW::dmPaperWidth, 2970},
    {"dimensions of no paper keep the target's paper", DM_PAPERWIDTH | DM_PAPERLENGTH,
     [](DEVMODEW& dm) { dm.dmPaperWidth = 1234; dm.dmPaperLength = 2345; },
     [](DEVMODEW& dm) { dm.dmPaperSize = 8; }, &DEVMODEW::dmPaperSize, 8},
    {"an unknown paper with dimensions keeps the target's paper", DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH,
     [](DEVMODEW& dm) { dm.dmPaperSize = 70; dm.dmPaperWidth = 1000; dm.dmPaperLength = 1500; },
     [](DEVMODEW& dm) { dm.dmPaperSize = 8; }, &DEVMODEW::dmPaperSize, 8},
    {"...and takes the caller's length", DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH,
     [](DEVMODEW& dm) { dm.dmPaperSize = 70; dm.dmPaperWidth = 1000; dm.dmPaperLength = 1500; }, nullptr,
     &DEVMODEW::dmPaperLength, 1500},
    {"a known paper alone brings its own width", DM_PAPERSIZE, [](DEVMODEW& dm) { dm.dmPaperSize = 11; }, nullptr,
     &DEVMODEW::dmPaperWidth, 1485},
    {"a known paper alone brings its own length", DM_PAPERSIZE, [](DEVMODEW& dm) { dm.dmPaperSize = 11; }, nullptr,
     &DEVMODEW::dmPaperLength, 2100},
    {"a paper without its bit is ignored", 0, [](DEVMODEW& dm) { dm.dmPaperSize = 11; }, nullptr,
     &DEVMODEW::dmPaperSize, 9},
    {"a resolution that is no option is dropped", DM_PRINTQUALITY, [](DEVMODEW& dm) { dm.dmPrintQuality = 300; },
     nullptr, &DEVMODEW::dmPrintQuality, 600},
    {"landscape is taken", DM_ORIENTATION, [](DEVMODEW& dm) { dm.dmOrientation = 2; }, nullptr,
     &DEVMODEW::dmOrientation, 2},
    {"an orientation that is no option is dropped", DM_ORIENTATION, [](DEVMODEW& dm) { dm.dmOrientation = 3; },
     nullptr, &DEVMODEW::dmOrientation, 1},
    {"copies at the maximum are taken", DM_COPIES, [](DEVMODEW& dm) { dm.dmCopies = 9999; }, nullptr,
     &DEVMODEW::dmCopies, 9999},
    {"copies beyond the maximum are dropped", DM_COPIES, [](DEVMODEW& dm) { dm.dmCopies = 10000; }, nullptr,
     &DEVMODEW::dmCopies, 1},
    {"no copies are dropped", DM_COPIES, [](DEVMODEW& dm) { dm.dmCopies = 0; }, nullptr, &DEVMODEW::dmCopies, 1},
    {"two-sided printing is taken", DM_DUPLEX, [](DEVMODEW& dm) { dm.dmDuplex = 3; }, nullptr,
     &DEVMODEW::dmDuplex, 3},
    {"duplex 4 is dropped", DM_DUPLEX, [](DEVMODEW& dm) { dm.dmDuplex = 4; }, nullptr, &DEVMODEW::dmDuplex, 1},
    {"a tray of the options is taken", DM_DEFAULTSOURCE, [](DEVMODEW& dm) { dm.dmDefaultSource = 258; }, nullptr,
     &DEVMODEW::dmDefaultSource, 258},
    {"a tray that is no option is dropped", DM_DEFAULTSOURCE, [](DEVMODEW& dm) { dm.dmDefaultSource = 5; },
     nullptr, &DEVMODEW::dmDefaultSource, 7},
};

TEST_F(DevmodeMerge, TakesOnlyMarkedPublicFieldsTheOptionsAccept)
{
    for (const PublicCase& c : kPublicCases) {
        SCOPED_TRACE(c.what);
        DRIVER_DEVMODE target = m_target;
        if (c.setTarget != nullptr)
            c.setTarget(target.dmPublic);
        DEVMODEW source = {};
        source.dmSize = sizeof source;
        source.dmFields = c.fields;
        c.setSource(source);

        MergePublicDevmodeFields(m_cell, &source, &target);

        EXPECT_EQ(Val(target.dmPublic.*c.field), c.expected);
        EXPECT_EQ(Val(target.dmPublic.dmFields), m_target.dmPublic.dmFields) << "the target's dmFields stay";
    }
}

TEST_F(DevmodeMerge, ATakenResolutionAlsoSetsTheVerticalResolution)
{
    DRIVER_DEVMODE target = m_target;
    target.dmPublic.dmPrintQuality = 300;
    target.dmPublic.dmYResolution = 300;
    DEVMODEW source = {};
    source.dmSize = sizeof source;
    source.dmFields = DM_PRINTQUALITY;
    source.dmPrintQuality = 600;
    MergePublicDevmodeFields(m_cell, &source, &target);
    EXPECT_EQ(Val(target.dmPublic.dmPrintQuality), 600);
    EXPECT_EQ(Val(target.dmPublic.dmYResolution), 600);
}

// An older application's devmode ends before dmDuplex; the merge must not read past its dmSize, and a field
// that lies beyond it is not taken even when its bit is set.
TEST_F(DevmodeMerge, ReadsNothingBeyondTheSourcesSize)
{
    constexpr WORD kShortSize = offsetof(DEVMODEW, dmCopies) + sizeof(SHORT);   // ends after dmCopies
    std::vector<BYTE> bytes(kShortSize);
    DEVMODEW full = {};
    full.dmSize = kShortSize;
    full.dmFields = DM_COPIES | DM_DUPLEX | DM_PRINTQUALITY;
    full.dmCopies = 3;
    std::memcpy(bytes.data(), &full, kShortSize);

    DRIVER_DEVMODE target = m_target;
    MergePublicDevmodeFields(m_cell, reinterpret_cast<const DEVMODEW*>(bytes.data()), &target);

    EXPECT_EQ(Val(target.dmPublic.dmCopies), 3);
    EXPECT_EQ(Val(target.dmPublic.dmDuplex), m_target.dmPublic.dmDuplex);
    EXPECT_EQ(Val(target.dmPublic.dmPrintQuality), m_target.dmPublic.dmPrintQuality);
}

TEST_F(DevmodeMerge, DoesNothingWithoutACellOrAReadableHeader)
{
    DEVMODEW source = {};
    source.dmSize = sizeof source;
    source.dmFields = DM_COPIES;
    source.dmCopies = 4;
    DRIVER_DEVMODE target = m_target;
    MergePublicDevmodeFields(nullptr, &source, &target);
    source.dmSize = kMinDevmodeHeaderSize - 1;
    MergePublicDevmodeFields(m_cell, &source, &target);
    EXPECT_EQ(std::memcmp(&target, &m_target, sizeof target), 0);
}

TEST_F(DevmodeMerge, TakesACompatibleDevmodesPrivatePartButNeverItsFontListPointer)
{
    DRIVER_DEVMODE source = m_target;
    source.dmPublic.dmFields |= DM_COPIES;
    source.dmPublic.dmCopies = 12;
    source.dmPrivate.env.Staple_Check = 1;
    source.dmPrivate.env.lpStaple = 5;
    source.dmPrivate.fontSubstitutionList = reinterpret_cast<FONT_SUB_NODE*>(0x1234);

    DRIVER_DEVMODE target = m_target;
    ASSERT_TRUE(MergeDevmode(m_cell, &source.dmPublic, &target));

    EXPECT_EQ(Val(target.dmPublic.dmCopies), 12);
    EXPECT_EQ(Val(target.dmPrivate.env.Staple_Check), 1);
    EXPECT_EQ(Val(target.dmPrivate.env.lpStaple), 5);
    EXPECT_EQ(Val(target.dmPrivate.fontSubstitutionList), nullptr);
    EXPECT_FALSE(MergeDevmode(nullptr, &source.dmPublic, &target));
    EXPECT_FALSE(MergeDevmode(m_cell, nullptr, &target));
}

TEST_F(DevmodeMerge, AnotherDriversDevmodeBringsOnlyItsPublicFields)
{
    // Another driver's devmode of the same public size with a private part of its own size.
    std::vector<BYTE> bytes(sizeof(DEVMODEW) + 100, 0xEE);
    DEVMODEW foreign = m_target.dmPublic;
    foreign.dmDriverExtra = 100;
    foreign.dmFields = DM_COPIES;
    foreign.dmCopies = 6;
    std::memcpy(bytes.data(), &foreign, sizeof foreign);

    DRIVER_DEVMODE target = m_target;
    MergeIncomingDevmode(m_cell, reinterpret_cast<const DEVMODEW*>(bytes.data()), &target);

    EXPECT_EQ(Val(target.dmPublic.dmCopies), 6);
    EXPECT_EQ(std::memcmp(&target.dmPrivate, &m_target.dmPrivate, sizeof target.dmPrivate), 0);
}

} // namespace
