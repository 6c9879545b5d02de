// exports_test.cpp - the interface module loads by name and exports exactly its twelve entry points.
#include "ui/core/interface_module_fixture.h"

namespace {

using Exports = InterfaceModuleTest;

TEST_F(Exports, EveryEntryPointIsFoundByName)
{
    for (const char* name : kInterfaceExports)
        EXPECT_NE(GetProcAddress(m_module, name), nullptr) << name;
    // Workers and the settings core stay inside the module.
    for (const char* name : {"ConvertDevModeImpl", "ValidateDevmode", "BuildDefaultDevmode", "TraceCalled"})
        EXPECT_EQ(GetProcAddress(m_module, name), nullptr) << name;
}

TEST_F(Exports, LoadsAgainAfterItWasFreed)
{
    ASSERT_TRUE(FreeLibrary(m_module));
    m_module = LoadLibraryW(kInterfaceModulePath);
    ASSERT_NE(m_module, nullptr);
    EXPECT_NE(GetProcAddress(m_module, "DrvDeviceCapabilities"), nullptr);
}

} // namespace
