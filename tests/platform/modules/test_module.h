#pragma once
// test_module.h - what the test module TESTMOD.DLL exports and records, shared by it and the tests.

#include "win/windef.h"

// What the module's entry point has seen, and how it is to behave. The tests reach it through a handle
// of their own on the library, so that it outlives the module's unloading by the platform.
struct TestModuleRecord {
    int attachCalls;
    int detachCalls;
    HINSTANCE attachInstance;            // the handle the entry point was given at attach
    LPVOID detachReserved;               // lpvReserved at the last detach
    WCHAR attachFileName[MAX_PATH];      // GetModuleFileNameW of that handle, asked during attach
    BOOL failAttach;                     // the entry point answers FALSE to attach
    BOOL refuseResources;                // HostResourceDirectory answers no directory
};
#define TEST_MODULE_RECORD_SYMBOL "g_testModuleRecord"

// int TestModuleAdd(int a, int b): answers a + b.
#define TEST_MODULE_FUNCTION_SYMBOL "TestModuleAdd"
typedef int (*TestModuleAddFn)(int a, int b);

// The module's resources.
constexpr UINT kTestStringShort = 100;   // u"abc"
constexpr UINT kTestStringLong = 101;    // kTestLongLength characters, 'a' to 'z' over and over
constexpr UINT kTestLongLength = 1200;
constexpr UINT kTestBitmap8 = 200;       // 5 x 3, 8 bits per pixel
constexpr UINT kTestBitmap24 = 201;      // 3 x 2, 24 bits per pixel
constexpr UINT kTestIcon = 300;          // 32 x 32
constexpr UINT kTestCursor = 400;        // 32 x 32
