#pragma once
// res_library_fixture.h - worlds with a resource library: the printer installed (which brings the stand-in
// library the driver ships with) and a cell holding it, or a bare world into whose driver folder a test
// places a library of its choice under the name Q73MZRT3.DLL.

#include "platform/modules/test_module_fixture.h"
#include "settings/paper/feature_query.h"
#include "settings/strings/res_library.h"
#include "support/printer_fixture.h"

class ResLibraryTest : public WorldTest {
protected:
    // Places the built library builtName in the driver folder as the resource library.
    void InstallResLibrary(const char* builtName = "Q73MZRT3.DLL")
    {
        LinkBuiltModule(kTestDriverDir, builtName, u"Q73MZRT3.DLL");
    }
};

// The printer "QN-804C" installed and opened, and one cell holding its resource library for the test.
class ResModuleTest : public PrinterWorldTest {
protected:
    void SetUp() override
    {
        PrinterWorldTest::SetUp();
        if (HasFatalFailure())
            return;
        m_cell = OpenResModule();
        ASSERT_NE(m_cell, nullptr);
        ASSERT_NE(m_cell->hModule, nullptr) << "the resource library did not load";
    }

    void TearDown() override
    {
        CloseResModule(m_cell);
        PrinterWorldTest::TearDown();
    }

    // The name a query loads for an option (OptionName) or the default (DefaultName), in a 64-character slot.
    std::u16string NameOf(WORD feature, FeatureQuery query, WORD index = 0)
    {
        WCHAR name[64] = {};
        QueryFeature(m_cell, feature, query, name, index, 64);
        return name;
    }

    RES_MODULE_CELL* m_cell = nullptr;
};
