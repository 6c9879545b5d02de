#pragma once
// page_plan_fixture.h - a PDEV in a started document that uses an insert list, the page plan's escapes sent to
// it as the interface module sends them, and the plan's table read back as text.

#include "writer_fixture.h"
#include "customnt/vqddigfx/insert_sheet_escapes.h"
#include "host/faults.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "settings/base/private_escape_codes.h"
#include "settings/store/list_group_records.h"

#include <cstring>
#include <string>
#include <vector>

// An insert-sheet entry: its print type and page list, and what it gives its sheets.
struct PlanEntry {
    SHORT type;
    std::u16string pages;
    SHORT tray = 4096;    // the document's tray
    SHORT binding = 1;    // the document's binding
    SHORT tab = 0;        // 1: the sheets carry the entry's tab
    std::u16string tabText = u"";
    SHORT tabNumber = 1;
    std::u16string face = u"";
    SHORT size = 10;
};

class PagePlan : public WriterTest {
protected:
    // Ends the case's PDEV and its spooler job, for the next case.
    void NextCase()
    {
        if (m_jobOpen)
            EndDocPrinter(m_hPrinter);
        m_jobOpen = false;
        WriterTest::NextCase();
    }

    // A PDEV of the default devmode with an insert list, one-sided or two-sided on the long edge.
    PDEV* OpenPlan(bool twoSided)
    {
        if (Open() == nullptr)
            return nullptr;
        PRIVATE_DEVMODE& dm = m_pdev->devmode.dmPrivate;
        dm.env.InterSheet_Check = 1;
        dm.env.Layout_Check2 = twoSided ? 1 : 0;
        dm.env.Duplex_Check = twoSided ? 1 : 0;
        dm.dmPublicCopy.dmDuplex = twoSided ? DMDUP_VERTICAL : DMDUP_SIMPLEX;
        return m_pdev;
    }

    ULONG Send(ULONG code, const std::vector<BYTE>& in = {}, std::vector<BYTE>* pOut = nullptr, ULONG cbOut = 0)
    {
        std::vector<BYTE> out(cbOut);
        const ULONG answer =
            EscapeInsertSheets(m_pdev, code, static_cast<ULONG>(in.size()),
                               in.empty() ? nullptr : const_cast<BYTE*>(in.data()), cbOut,
                               cbOut == 0 ? nullptr : out.data());
        if (pOut != nullptr)
            *pOut = out;
        return answer;
    }

    ULONG SendLong(ULONG code, LONG value)
    {
        std::vector<BYTE> bytes(sizeof value);
        std::memcpy(bytes.data(), &value, sizeof value);
        return Send(code, bytes);
    }

    static std::vector<BYTE> EntryBytes(const std::vector<PlanEntry>& entries)
    {
        std::vector<BYTE> bytes;
        for (const PlanEntry& e : entries) {
            INTERSHEET_ENTRY entry = {};
            std::memcpy(entry.Page, e.pages.data(), std::min(e.pages.size(), size_t{129}) * sizeof(WCHAR));
            entry.Type = e.type;
            entry.Tray = e.tray;
            entry.Stat = 1;
            entry.Binding = e.binding;
            entry.PrnTabIndex = e.tab;
            std::memcpy(entry.TabText, e.tabText.data(), std::min(e.tabText.size(), size_t{65}) * sizeof(WCHAR));
            entry.PrnTabIndexNo = e.tabNumber;
            entry.TabTextOrient = 1;
            entry.TabTextAlign = 2;
            std::memcpy(entry.TabTextFontName, e.face.data(), std::min(e.face.size(), size_t{32}) * sizeof(WCHAR));
            entry.TabTextFontStyle = 1;
            entry.TabTextFontSize = e.size;
            const auto* p = reinterpret_cast<const BYTE*>(&entry);
            bytes.insert(bytes.end(), p, p + sizeof entry);
        }
        return bytes;
    }

    // The entries, the insert paper and the inserts-one-sided value as the interface module sends them, then
    // the build; the build's answer, or 0 when an earlier escape failed.
    ULONG SendEntries(const std::vector<PlanEntry>& entries, LONG insertsOneSided, WORD paper = 0)
    {
        INDEX_PAPER_SETTINGS settings = {};
        settings.TabPaperSize = paper;
        settings.TabIndexNum = 5;
        settings.TabTopMargin = 10;
        settings.TabBottomMargin = 10;
        settings.TabIndexSpace = 2;
        std::vector<BYTE> paperBytes(sizeof settings);
        std::memcpy(paperBytes.data(), &settings, sizeof settings);
        if (SendLong(ESC_SET_INSERT_COUNT, static_cast<LONG>(entries.size())) != 1 ||
            Send(ESC_SET_INSERT_SHEETS, EntryBytes(entries)) != 1 || Send(ESC_SET_INDEX_PAPER, paperBytes) != 1 ||
            SendLong(ESC_SET_INSERT_LIST_VALUE, insertsOneSided) != 1)
            return 0;
        return Send(ESC_REBUILD_PAGE_PLAN);
    }

    PAGE_PLAN_SHEET Sheet(int index)
    {
        PAGE_PLAN_SHEET sheet = {};
        if (Context()->pPlanTable != nullptr && index >= 1 && index <= Context()->sPlanSheets)
            std::memcpy(&sheet, &Context()->pPlanTable[index], sizeof sheet);
        return sheet;
    }

    // The plan's sheets: "1/2" a two-sided sheet, "3" a one-sided one, "I" an inserted front, "-" a blank
    // back, "|" after a sheet that ends its run; empty without a table.
    std::string Sheets()
    {
        std::string text;
        if (Context()->pPlanTable == nullptr)
            return text;
        const int sheets = Context()->sPlanSheets;
        for (int i = 1; i <= sheets; ++i) {
            const PAGE_PLAN_SHEET sheet = Sheet(i);
            if (!text.empty())
                text += ' ';
            text += sheet.sFront == kPlanNoPage ? std::string("I") : std::to_string(sheet.sFront);
            if (sheet.bSides == 2)
                text += "/" + (sheet.sBack == kPlanNoPage ? std::string("-") : std::to_string(sheet.sBack));
            else if (sheet.sBack != 0)
                text += "?" + std::to_string(sheet.sBack);   // a one-sided sheet with a back is a fault
            if (sheet.bRunEnd != 0)
                text += '|';
        }
        return text;
    }
};
