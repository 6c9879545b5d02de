#pragma once
// job_fixture.h - a fresh world with "QN-804C" installed, and the helpers the graphics module's whole-module
// tests share: a printer device context, a document of empty pages, the job file's bytes, and private
// escapes with the records they hand out.

#include "host/gdi.h"
#include "host/inspect.h"
#include "host/printers.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/base/font_sub_node.h"
#include "settings/base/private_escape_codes.h"
#include "settings/strings/res_library.h"
#include "support/job_text.h"
#include "support/printer_fixture.h"
#include "win/windows.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

// A value of a record read at its offset.
template <typename T>
T ReadAt(const std::vector<BYTE>& record, size_t offset)
{
    T value{};
    if (offset + sizeof value <= record.size())
        std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

// Wide text as the bytes of a field of cb bytes: the text, cut to the field, then zeros.
inline std::vector<BYTE> WideField(const std::u16string& text, size_t cb)
{
    std::vector<BYTE> bytes(cb, 0);
    std::memcpy(bytes.data(), text.data(), std::min(cb, text.size() * sizeof(WCHAR)));
    return bytes;
}

// cb bytes of a record from its offset; empty when the record is shorter.
inline std::vector<BYTE> Slice(const std::vector<BYTE>& record, size_t offset, size_t cb)
{
    if (offset + cb > record.size())
        return {};
    return std::vector<BYTE>(record.begin() + offset, record.begin() + offset + cb);
}

inline std::vector<BYTE> DwordBytes(DWORD value)
{
    std::vector<BYTE> bytes(sizeof value);
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

// The nodes of a font substitution list with the given names (TrueType face, device font), linked as the
// sender's own memory links them: the escape's input.
inline std::vector<BYTE> FontNodes(std::initializer_list<std::pair<std::u16string, std::u16string>> names)
{
    std::vector<BYTE> bytes;
    for (const auto& [face, device] : names) {
        FONT_SUB_NODE node = {};
        node.pNext = reinterpret_cast<FONT_SUB_NODE*>(0xDEAD0000);
        std::memcpy(node.szTrueTypeFace, face.data(), std::min<size_t>(face.size(), 32) * sizeof(WCHAR));
        std::memcpy(node.szDeviceFont, device.data(), std::min<size_t>(device.size(), 32) * sizeof(WCHAR));
        const auto* p = reinterpret_cast<const BYTE*>(&node);
        bytes.insert(bytes.end(), p, p + sizeof node);
    }
    return bytes;
}

// The sheets a job ejects: its "prn" commands.
inline int CountSheets(const std::string& job)
{
    return static_cast<int>(CountOf(job, "prn;\n"));
}

class GraphicsJobTest : public PrinterWorldTest {
protected:
    void TearDown() override
    {
        if (m_hdc != nullptr)
            DeleteDC(m_hdc);
        PrinterWorldTest::TearDown();
    }

    // "QN-804C" again, with an interface module that sends no escape of its own (TESTUI.DLL), so that the
    // test decides which escapes the graphics module gets. Its device contexts need a devmode from the test.
    static void InstallWithSilentInterface()
    {
        host::PrinterSetup setup;
        setup.configFile = u"TESTUI.DLL";
        setup.dataFile = u"TESTUI.DLL";
        host::InstallPrinter(setup);
    }

    // The driver's default devmode for the printer.
    static DRIVER_DEVMODE DriverDevmode()
    {
        DRIVER_DEVMODE dm = {};
        RES_MODULE_CELL* pCell = OpenResModule();
        BuildDefaultDevmodeGfx(pCell, &dm, kPrinterName);
        CloseResModule(pCell);
        return dm;
    }

    // A printer device context on "QN-804C" with the caller's devmode (none: the printer's own).
    HDC OpenDc(const DEVMODEW* pdm = nullptr)
    {
        m_hdc = CreateDCW(nullptr, kPrinterName, nullptr, pdm);
        return m_hdc;
    }

    // A document of that many empty pages; with endOfJob the end-of-job escape is sent before EndDoc, as the
    // interface module sends it. The job id, or 0 at the first call that failed.
    static int PrintEmptyPages(HDC hdc, int pages, bool endOfJob, const WCHAR* pszName = u"Report")
    {
        DOCINFOW di = {sizeof di, pszName, nullptr, nullptr, 0};
        const int job = StartDocW(hdc, &di);
        if (job <= 0)
            return 0;
        for (int page = 0; page < pages; ++page)
            if (StartPage(hdc) <= 0 || EndPage(hdc) <= 0)
                return 0;
        if (endOfJob && Escape(hdc, ESC_END_OF_JOB) != 1)
            return 0;
        return EndDoc(hdc) > 0 ? job : 0;
    }

    // ExtEscape with an input of the given bytes and an output of cbOut bytes (no pointers for 0 bytes).
    static int Escape(HDC hdc, ULONG code, const std::vector<BYTE>& in = {}, ULONG cbOut = 0,
                      std::vector<BYTE>* pOut = nullptr)
    {
        std::vector<BYTE> out(cbOut, 0);
        const int answer = ExtEscape(hdc, static_cast<int>(code), static_cast<int>(in.size()),
                                     in.empty() ? nullptr : reinterpret_cast<LPCSTR>(in.data()),
                                     static_cast<int>(cbOut),
                                     cbOut == 0 ? nullptr : reinterpret_cast<LPSTR>(out.data()));
        if (pOut != nullptr)
            *pOut = out;
        return answer;
    }

    int Escape(ULONG code, const std::vector<BYTE>& in = {}) const
    {
        return Escape(m_hdc, code, in);
    }

    // The record an escape hands out; empty when the escape failed.
    std::vector<BYTE> Fetch(ULONG code, ULONG cb) const
    {
        std::vector<BYTE> record;
        return Escape(m_hdc, code, {}, cb, &record) == 1 ? record : std::vector<BYTE>();
    }

    std::vector<BYTE> JobSettings() const
    {
        return Fetch(ESC_GET_JOB_SETTINGS, 9075);
    }

    std::vector<BYTE> JobExtra() const
    {
        return Fetch(ESC_GET_JOB_EXTRA, 28108);
    }

    // The job's devmode as the graphics module holds it.
    DRIVER_DEVMODE JobDevmode() const
    {
        DRIVER_DEVMODE dm = {};
        const std::vector<BYTE> bytes = Fetch(ESC_GET_DEVMODE, sizeof dm);
        if (bytes.size() == sizeof dm)
            std::memcpy(&dm, bytes.data(), sizeof dm);
        return dm;
    }

    // Replaces the job's devmode; the escape's answer.
    int SetJobDevmode(const DRIVER_DEVMODE& dm) const
    {
        std::vector<BYTE> bytes(sizeof dm);
        std::memcpy(bytes.data(), &dm, sizeof dm);
        return Escape(ESC_SET_DEVMODE, bytes);
    }

    // The bytes of the printer's only job file.
    static std::string JobBytes()
    {
        const auto files = host::JobFiles(u"QN-804C");
        if (files.size() != 1)
            return "<" + std::to_string(files.size()) + " job files>";
        return host::ReadJobFile(files.front());
    }

    HDC m_hdc = nullptr;
};

// A printer device context on "QN-804C" with the printer's own devmode, open for the whole test.
class OpenDcTest : public GraphicsJobTest {
protected:
    void SetUp() override
    {
        GraphicsJobTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_NE(OpenDc(), nullptr) << GetLastError();
    }
};
