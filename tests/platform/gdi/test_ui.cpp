// test_ui.cpp - TESTUI.DLL, an interface module for the printer device context's tests: its DrvDocumentEvent
// reports every event with what came with it, fails the event a test names, and can send an escape from
// inside an event as a real interface module does.
#include "test_modules.h"
#include "win/winddiui.h"

#include <string>

#define TEST_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

TestUiOptions g_options;

std::u16string Number(long long value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

// What came with the event, as far as the event defines it.
std::u16string Details(int iEsc, ULONG cbIn, PVOID pvIn)
{
    switch (iEsc) {
    case DOCUMENTEVENT_CREATEDCPRE: {
        if (cbIn < sizeof(DOCEVENT_CREATEDCPRE))
            return u" ?";
        const auto* pre = static_cast<const DOCEVENT_CREATEDCPRE*>(pvIn);
        return u" " + std::u16string(pre->pszDevice) + u" devmode " + Number(pre->pdm != nullptr);
    }
    case DOCUMENTEVENT_STARTDOC: {
        if (cbIn != sizeof(DOCINFOW*))
            return u" ?";
        const DOCINFOW* di = *static_cast<DOCINFOW* const*>(pvIn);
        return u" " + std::u16string(di->lpszDocName != nullptr ? di->lpszDocName : u"(none)");
    }
    case DOCUMENTEVENT_STARTDOCPOST:
        return cbIn == sizeof(LONG) ? u" job " + Number(*static_cast<const LONG*>(pvIn)) : u" ?";
    case DOCUMENTEVENT_RESETDCPRE:
        if (cbIn != sizeof(PDEVMODEW))
            return u" ?";
        if (const PDEVMODEW dm = *static_cast<PDEVMODEW*>(pvIn); dm != nullptr)
            return u" copies " + Number(dm->dmCopies);
        return u" (no devmode)";
    case DOCUMENTEVENT_ESCAPE: {
        if (cbIn != sizeof(DOCEVENT_ESCAPE))
            return u" ?";
        const auto* escape = static_cast<const DOCEVENT_ESCAPE*>(pvIn);
        return u" " + Number(escape->iEscape) + u" " + Number(escape->cjInput);
    }
    default:
        return u"";
    }
}

} // namespace

TEST_EXPORT int WINAPI DrvDocumentEvent(HANDLE hPrinter, HDC hdc, int iEsc, ULONG cbIn, PVOID pvIn, ULONG,
                                        PVOID)
{
    OutputDebugStringW((u"TESTUI " + Number(iEsc) + Details(iEsc, cbIn, pvIn) + u" hdc " +
                        Number(hdc != nullptr) + u" printer " + Number(hPrinter != nullptr) + u"\n").c_str());
    if (iEsc == g_options.escapeAtEvent && hdc != nullptr) {
        const char in[3] = {'a', 'b', 'c'};
        char out[3] = {};
        const int result = ExtEscape(hdc, kEchoEscape, sizeof in, in, sizeof out, out);
        OutputDebugStringW((u"TESTUI escape answered " + Number(result) + u"\n").c_str());
    }
    return iEsc == g_options.failEvent ? DOCUMENTEVENT_FAILURE : DOCUMENTEVENT_SUCCESS;
}

TEST_EXPORT void TestUiSetup(const TestUiOptions* options)
{
    g_options = *options;
}
