#pragma once
// pjl_job_fixture.h - a job for the PJL job options: the printer's default devmode, validated, a job context
// with a document and a user name, and the header lines the options write, captured as text.

#include "pdl/vxcmn/vqpdlnt/pjl_options.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_validate.h"
#include "settings/pagelist/page_slots.h"
#include "settings/res_library_fixture.h"

#include <cstring>
#include <string>
#include <vector>

// Fills a wide text field of the env part, whole when the text is as long as the field (then without a
// terminator); scrambled as the job password is stored.
template <std::size_t N>
void SetField(WCHAR (*field)[N], const std::u16string& text, bool scrambled = false)
{
    WCHAR units[N] = {};
    for (std::size_t i = 0; i < text.size() && i < N; ++i)
        units[i] = scrambled ? static_cast<WCHAR>(text[i] ^ 0xFFFF) : text[i];
    std::memcpy(field, units, sizeof units);
}

class PjlJobTest : public ResModuleTest {
protected:
    void SetUp() override
    {
        ResModuleTest::SetUp();
        if (HasFatalFailure())
            return;
        std::memset(&m_dm, 0xCC, sizeof m_dm);
        ASSERT_TRUE(BuildDefaultDevmodeGfx(m_cell, &m_dm, kPrinterName));
        ASSERT_TRUE(ValidateDevmode(m_cell, &m_dm, m_hPrinter));   // as a print job settles its devmode
        SetJobName("Report.txt");
        SetUserName(u"suzuki");
        m_job = PjlJob{nullptr, &m_dm, m_jobName, sizeof m_jobName, m_userName, std::size(m_userName),
                       /*userIdFlag=*/false, /*jobStorageFlag=*/false, &Capture, &m_out};
    }

    // The whole option part of the header.
    std::string Options()
    {
        m_out.clear();
        SetOptionPJL(m_job);
        return m_out;
    }

    // What one row's handler writes.
    std::string Row(PFN_PJL_OPTION handler)
    {
        m_out.clear();
        handler(m_job);
        return m_out;
    }

    DEVMODE_ENV_EXTRA& Env() { return m_dm.dmPrivate.env; }
    PAGE_SLOT_RECORD* Slots() { return GetPageSlotRecord(&m_dm.dmPrivate.env); }

    void SetPages(BYTE slot, std::vector<WORD> pages)
    {
        SetPageSlot(Slots(), static_cast<SHORT>(pages.size()), slot, pages.data());
    }

    // The context's fields are filled whole, as the writer's context holds them: no terminator is promised.
    void SetJobName(const std::string& name)
    {
        std::memset(m_jobName, 0, sizeof m_jobName);
        name.copy(m_jobName, std::min(name.size(), sizeof m_jobName));
    }
    void SetUserName(const std::u16string& name)
    {
        std::memset(m_userName, 0, sizeof m_userName);
        name.copy(m_userName, std::min(name.size(), std::size(m_userName)));
    }

    static void Capture(void* pTarget, const char* pData, DWORD cbData)
    {
        static_cast<std::string*>(pTarget)->append(pData, cbData);
    }

    DRIVER_DEVMODE m_dm;
    char m_jobName[256];
    WCHAR m_userName[256];
    PjlJob m_job;
    std::string m_out;
};
