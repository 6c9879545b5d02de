// test_sheet.cpp - TESTSHT.DLL: the resource directory with the tests' dialog templates, and a document and
// device sheet of two pages that write down what they are sent.
#include "ui_sheet/test_sheet.h"
#include "host/resource_data.h"
#include "win/compstui.h"
#include "win/prsht.h"
#include "win/winddiui.h"

#include <cstring>
#include <iterator>

#define TEST_SHEET_EXPORT extern "C" __attribute__((visibility("default")))

// Defined (not only declared) in the braces of its linkage block; the tests find it by name.
extern "C" {
__attribute__((visibility("default"))) TestSheetRecord g_testSheetRecord;
}

namespace {

constexpr DWORD kDialogStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;

constexpr host::DialogControl kSimpleControls[] = {
    {kIdCheck,  u"Button", BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE,               u"&Check",  8, 8, 80, 10, 0},
    {kIdRadio1, u"Button", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, u"One",     8, 22, 60, 10, 0},
    {kIdRadio2, u"Button", BS_AUTORADIOBUTTON | WS_VISIBLE,                         u"Two",     8, 34, 60, 10, 0},
    {kIdLabel,  u"Static", SS_LEFT | WS_GROUP | WS_VISIBLE,                         u"A label", 8, 48, 80, 8, 0},
    {IDOK,      u"Button", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE,   u"OK",      40, 64, 50, 14, 0},
    {IDCANCEL,  u"Button", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,                 u"Cancel",  96, 64, 50, 14, 0},
};

constexpr host::DialogControl kNestedControls[] = {
    {kIdOpenNested, u"Button", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, u"More...", 8, 8, 60, 14, 0},
    {IDCANCEL,      u"Button", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, u"Close",   8, 28, 60, 14, 0},
};

constexpr host::DialogControl kControlsControls[] = {
    {kIdEdit,      u"Edit",     ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE,                u"",      8, 8, 80, 12, 0},
    {kIdMultiline, u"Edit",     ES_MULTILINE | ES_WANTRETURN | WS_BORDER | WS_TABSTOP | WS_VISIBLE, u"",      8, 24, 80, 30, 0},
    {kIdCombo,     u"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE,            u"",      96, 8, 80, 60, 0},
    {kIdList,      u"ListBox",  LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE,      u"",      96, 24, 80, 40, 0},
    {kIdEdit2,     u"Edit",     ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE,                u"",      8, 58, 80, 12, 0},
    {kIdPush,      u"Button",   BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,                             u"Push",  96, 68, 50, 14, 0},
    {IDOK,         u"Button",   BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE,               u"OK",    40, 88, 50, 14, 0},
    {IDCANCEL,     u"Button",   BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,                             u"Cancel", 96, 88, 50, 14, 0},
};

constexpr host::DialogControl kSpinControls[] = {
    {kIdSpinEdit, u"Edit",              ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE,       u"", 8, 8, 50, 12, 0},
    {kIdSpin,     u"msctls_updown32",   UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | WS_VISIBLE, u"", 58, 8, 10, 12, 0},
    {kIdTrack,    u"msctls_trackbar32", TBS_AUTOTICKS | WS_TABSTOP | WS_VISIBLE,                    u"", 8, 26, 120, 20, 0},
    {kIdScroll,   u"ScrollBar",         SBS_HORZ | WS_TABSTOP | WS_VISIBLE,                         u"", 8, 50, 120, 10, 0},
    {IDOK,        u"Button",            BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE,      u"OK", 40, 66, 50, 14, 0},
    {IDCANCEL,    u"Button",            BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,                    u"Cancel", 96, 66, 50, 14, 0},
};

constexpr host::DialogControl kListViewControls[] = {
    {kIdListView, u"SysListView32", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP | WS_VISIBLE,
     u"", 8, 8, 140, 60, 0},
    {IDOK,        u"Button",        BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE, u"OK", 40, 74, 50, 14, 0},
    {IDCANCEL,    u"Button",        BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,               u"Cancel", 96, 74, 50, 14, 0},
};

constexpr host::DialogControl kControlsPageControls[] = {
    {0,           u"Static",   SS_LEFT | WS_VISIBLE,                                        u"&Copies:", 8, 10, 40, 8, 0},
    {kIdCopies,   u"Edit",     ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, u"",   50, 8, 40, 12, 0},
    {0,           u"Static",   SS_LEFT | WS_VISIBLE,                                        u"&Paper:",  8, 28, 40, 8, 0},
    {kIdPaper,    u"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE,    u"",         50, 26, 80, 60, 0},
    {kIdCollate,  u"Button",   BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE,                  u"C&ollate", 8, 46, 80, 10, 0},
    {kIdPages,    u"ListBox",  LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE, u"",       8, 62, 120, 40, 0},
};

constexpr host::DialogControl kLayoutPageControls[] = {
    {0,            u"Button", BS_GROUPBOX | WS_VISIBLE,                                    u"Orientation", 8, 8, 140, 44, 0},
    {kIdPortrait,  u"Button", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE,     u"&Portrait",   16, 20, 80, 10, 0},
    {kIdLandscape, u"Button", BS_AUTORADIOBUTTON | WS_VISIBLE,                             u"&Landscape",  16, 34, 80, 10, 0},
    {0,            u"Static", SS_LEFT | WS_GROUP | WS_VISIBLE,                             u"&Spacing:",   8, 60, 40, 8, 0},
    {kIdSpacing,   u"Edit",   ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, u"",      50, 58, 40, 12, 0},
    {kIdSpacingSpin, u"msctls_updown32", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | WS_VISIBLE,
     u"", 90, 58, 10, 12, 0},
    {kIdDarkness,  u"msctls_trackbar32", TBS_AUTOTICKS | WS_TABSTOP | WS_VISIBLE,            u"",            108, 54, 84, 20, 0},
    {kIdOffset,    u"ScrollBar", SBS_HORZ | WS_TABSTOP | WS_VISIBLE,                         u"",            8, 78, 184, 10, 0},
    {kIdTrays,     u"SysListView32", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP | WS_VISIBLE,
     u"", 8, 94, 184, 50, 0},
};

constexpr DWORD kPageStyle = DS_SETFONT | WS_CHILD | WS_CAPTION;

constexpr host::DialogResource kDialogs[] = {
    {kControlsPage, u"Controls", kPageStyle, 200, 150, kControlsPageControls,
     static_cast<UINT>(std::size(kControlsPageControls)), nullptr, 0},
    {kLayoutPage, u"Layout", kPageStyle, 200, 150, kLayoutPageControls,
     static_cast<UINT>(std::size(kLayoutPageControls)), nullptr, 0},
    {kSimpleDialog, u"Simple", kDialogStyle, 160, 84, kSimpleControls,
     static_cast<UINT>(std::size(kSimpleControls)), nullptr, 0},
    {kNestedDialog, u"Nested", kDialogStyle, 80, 50, kNestedControls,
     static_cast<UINT>(std::size(kNestedControls)), nullptr, 0},
    {kControlsDialog, u"Controls", kDialogStyle, 184, 108, kControlsControls,
     static_cast<UINT>(std::size(kControlsControls)), nullptr, 0},
    {kListViewDialog, u"List", kDialogStyle, 156, 94, kListViewControls, static_cast<UINT>(std::size(kListViewControls)),
     nullptr, 0},
    {kSpinDialog, u"Spin", kDialogStyle, 152, 86, kSpinControls, static_cast<UINT>(std::size(kSpinControls)), nullptr,
     0},
};

} // namespace

// ---- the sheet ----------------------------------------------------------------------------------------

namespace {

HMODULE g_module = nullptr;
PFNCOMPROPSHEET g_comPropSheet = nullptr;
HANDLE g_comPropSheetHandle = nullptr;
DOCUMENTPROPERTYHEADER* g_document = nullptr;
short g_copies = 1;

void Log(const std::string& line)
{
    g_testSheetRecord.log.push_back(line);
}

const char* NotificationName(UINT code)
{
    switch (code) {
    case PSN_SETACTIVE:   return "PSN_SETACTIVE";
    case PSN_KILLACTIVE:  return "PSN_KILLACTIVE";
    case PSN_APPLY:       return "PSN_APPLY";
    case PSN_RESET:       return "PSN_RESET";
    case PSN_HELP:        return "PSN_HELP";
    case PSN_QUERYCANCEL: return "PSN_QUERYCANCEL";
    default:              return nullptr;
    }
}

// The layout page's adjustable controls: a spacing of 0-20 (4), a darkness of 0-10 (5), an offset of 0-100 seen
// ten at a time (30), and the trays with their paper.
void InitLayoutControls(HWND page)
{
    SendDlgItemMessageW(page, kIdSpacingSpin, UDM_SETRANGE32, 0, 20);
    SendDlgItemMessageW(page, kIdSpacingSpin, UDM_SETPOS32, 0, 4);
    SendDlgItemMessageW(page, kIdDarkness, TBM_SETRANGE, FALSE, MAKELONG(0, 10));
    SendDlgItemMessageW(page, kIdDarkness, TBM_SETPOS, TRUE, 5);
    const SCROLLINFO offset = {sizeof offset, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 30, 0};
    SetScrollInfo(GetDlgItem(page, kIdOffset), SB_CTL, &offset, TRUE);
    const HWND trays = GetDlgItem(page, kIdTrays);
    const WCHAR* columns[] = {u"Tray", u"Paper"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = 120;
        column.pszText = const_cast<LPWSTR>(columns[i]);
        column.iSubItem = i;
        SendMessageW(trays, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    const WCHAR* rows[][2] = {{u"Tray 1", u"A4"}, {u"Tray 2", u"A3"}, {u"Bypass", u"Letter"}};
    for (int row = 0; row < 3; ++row) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<LPWSTR>(rows[row][0]);
        SendMessageW(trays, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<LPWSTR>(rows[row][1]);
        SendMessageW(trays, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
}

// Moves the scroll bar as its user asked: by a line, a page, to an end or where its thumb was let go.
void FollowScroll(HWND bar, WORD code, int thumb)
{
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &info);
    int position = info.nPos;
    switch (code) {
    case SB_LINELEFT:      position -= 1; break;
    case SB_LINERIGHT:     position += 1; break;
    case SB_PAGELEFT:      position -= static_cast<int>(info.nPage); break;
    case SB_PAGERIGHT:     position += static_cast<int>(info.nPage); break;
    case SB_LEFT:          position = info.nMin; break;
    case SB_RIGHT:         position = info.nMax; break;
    case SB_THUMBPOSITION: position = thumb; break;
    default:               return;
    }
    SetScrollPos(bar, SB_CTL, position, TRUE);
}

// Both pages: write down what they are sent, answer what the test asks, keep the copies on apply.
INT_PTR CALLBACK PageDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const std::string page = "page " + std::to_string(GetWindowLongW(hwnd, DWL_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        const auto* psp = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        SetWindowLongW(hwnd, DWL_USER, LOWORD(psp->pszTemplate));
        Log("page " + std::to_string(LOWORD(psp->pszTemplate)) + " WM_INITDIALOG " + std::to_string(psp->lParam));
        if (GetDlgItem(hwnd, kIdCopies) != nullptr) {
            SetDlgItemInt(hwnd, kIdCopies, static_cast<UINT>(g_copies), FALSE);
            for (const WCHAR* paper : {u"A4", u"A3", u"Letter"})
                SendDlgItemMessageW(hwnd, kIdPaper, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(paper));
            SendDlgItemMessageW(hwnd, kIdPaper, CB_SETCURSEL, 0, 0);
            CheckDlgButton(hwnd, kIdCollate, BST_CHECKED);
            for (const WCHAR* item : {u"First", u"Second"})
                SendDlgItemMessageW(hwnd, kIdPages, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        } else {
            CheckRadioButton(hwnd, kIdPortrait, kIdLandscape, kIdPortrait);
            InitLayoutControls(hwnd);
        }
        break;
    }
    case WM_HSCROLL:
        // The scroll bar moves where the user takes it only when its owner says so.
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(hwnd, kIdOffset))
            FollowScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        break;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE || HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == CBN_SELCHANGE)
            PropSheet_Changed(GetParent(hwnd), hwnd);
        break;
    case WM_NOTIFY: {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        const char* name = NotificationName(hdr->code);
        if (name == nullptr)
            break;
        Log(page + " " + name);
        const auto answer = g_testSheetRecord.answers.find(page + " " + name);
        LONG result = answer != g_testSheetRecord.answers.end() ? answer->second : 0;
        if (hdr->code == PSN_APPLY && result == PSNRET_NOERROR) {
            if (GetDlgItem(hwnd, kIdCopies) != nullptr)
                g_copies = static_cast<short>(GetDlgItemInt(hwnd, kIdCopies, nullptr, FALSE));
            g_comPropSheet(g_comPropSheetHandle, CPSFUNC_SET_RESULT, 0, CPSUI_OK);
        }
        SetWindowLongW(hwnd, DWL_MSGRESULT, result);
        return TRUE;
    }
    case WM_DESTROY:
        Log(page + " WM_DESTROY");
        break;
    default:
        break;
    }
    if (g_testSheetRecord.react)
        g_testSheetRecord.react(hwnd, msg, wParam, lParam);
    return FALSE;
}

LONG SheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam, bool device)
{
    switch (info->Reason) {
    case PROPSHEETUI_REASON_INIT: {
        Log(std::string(device ? "device" : "document") + " INIT");
        if (g_testSheetRecord.refuseInit)
            return -1;
        g_comPropSheet = info->pfnComPropSheet;
        g_comPropSheetHandle = info->hComPropSheet;
        g_document = device ? nullptr : reinterpret_cast<DOCUMENTPROPERTYHEADER*>(info->lParamInit);
        for (const UINT id : {kControlsPage, kLayoutPage}) {
            PROPSHEETPAGEW psp = {};
            psp.dwSize = sizeof psp;
            psp.dwFlags = PSP_HASHELP;
            psp.hInstance = g_module;
            psp.pszTemplate = MAKEINTRESOURCEW(id);
            psp.pfnDlgProc = PageDlgProc;
            psp.lParam = static_cast<LPARAM>(id) * 10;
            const HPROPSHEETPAGE page = CreatePropertySheetPageW(&psp);
            if (info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_HPROPSHEETPAGE,
                                      reinterpret_cast<LPARAM>(page), 0) == 0)
                return -1;
        }
        info->Result = 1;
        return 1;
    }
    case PROPSHEETUI_REASON_GET_INFO_HEADER: {
        Log("GET_INFO_HEADER");
        auto* header = reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(lParam);
        static WCHAR title[] = u"Test Printer";
        header->Flags = g_testSheetRecord.headerFlags < 0 ? header->Flags | PSUIHDRF_PROPTITLE
                                                          : static_cast<WORD>(g_testSheetRecord.headerFlags);
        header->pTitle = title;
        header->hInst = g_module;
        return 1;
    }
    case PROPSHEETUI_REASON_SET_RESULT: {
        const auto* result = reinterpret_cast<const SETRESULT_INFO*>(lParam);
        Log("SET_RESULT " + std::to_string(result->Result));
        if (result->Result == CPSUI_OK && g_document != nullptr && g_document->pdmOut != nullptr &&
            (g_document->fMode & (DM_UPDATE | DM_COPY)) != 0) {
            DEVMODEW dm = {};
            if (g_document->pdmIn != nullptr)
                std::memcpy(&dm, g_document->pdmIn, sizeof dm);
            dm.dmSize = sizeof dm;
            dm.dmFields |= DM_COPIES;
            dm.dmCopies = g_copies;
            std::memcpy(g_document->pdmOut, &dm, sizeof dm);
        }
        info->Result = static_cast<ULONG_PTR>(result->Result);
        return 1;
    }
    case PROPSHEETUI_REASON_DESTROY:
        Log("DESTROY " + std::to_string(lParam));
        return 1;
    default:
        return -1;
    }
}

} // namespace

TEST_SHEET_EXPORT BOOL WINAPI DllEntryPoint(HINSTANCE hinst, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_module = hinst;
    return TRUE;
}

TEST_SHEET_EXPORT LONG WINAPI DrvDocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam)
{
    if (pPSUIInfo == nullptr) {
        // Without a sheet: the devmode's size, or the devmode itself.
        auto* header = reinterpret_cast<DOCUMENTPROPERTYHEADER*>(lParam);
        if (header->fMode == 0 || header->pdmOut == nullptr)
            return sizeof(DEVMODEW);
        DEVMODEW dm = {};
        dm.dmSize = sizeof dm;
        dm.dmFields = DM_COPIES;
        dm.dmCopies = g_copies;
        std::memcpy(header->pdmOut, &dm, sizeof dm);
        return IDOK;
    }
    return SheetFunction(pPSUIInfo, lParam, false);
}

TEST_SHEET_EXPORT LONG WINAPI DrvDevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam)
{
    if (pPSUIInfo == nullptr)
        return -1;
    return SheetFunction(pPSUIInfo, lParam, true);
}

TEST_SHEET_EXPORT const host::ResourceDirectory* HostResourceDirectory(void)
{
    static const host::ResourceDirectory directory = {
        nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0, kDialogs, static_cast<UINT>(std::size(kDialogs)),
    };
    return &directory;
}
