// property_sheet.cpp - property-sheet pages (CreatePropertySheetPageW) and the common property-sheet UI
// (CommonPropertySheetUIW): a sheet function adds its pages through pfnComPropSheet; the sheet shows them
// under a tab strip with OK (1), Cancel (2), Apply (0x3021) and, when a page has help, Help (9). A page's
// dialog is made the first time it is shown. The pages hear PSN_SETACTIVE and PSN_KILLACTIVE as the user
// moves between them, PSN_APPLY on OK and Apply, PSN_RESET on Cancel, each answering through DWL_MSGRESULT.
#include "user/dialog_manager.h"
#include "user/painting.h"
#include "common/handles.h"
#include "common/text_util.h"
#include "common/world_state.h"
#include "host/ui.h"
#include "win/compstui.h"
#include "win/prsht.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace platform {
namespace {

// The sheet's own controls.
constexpr int kIdTabs = 0x3020;
constexpr int kIdApply = 0x3021;

// A page as CreatePropertySheetPageW keeps it: a copy of the caller's record, with whatever private data the
// caller put behind it (dwSize bytes in all).
struct PageRecord {
    std::vector<BYTE> bytes;
    bool released = false;

    PROPSHEETPAGEW* Page() { return reinterpret_cast<PROPSHEETPAGEW*>(bytes.data()); }
};

HandleTable<PageRecord>& ThePages()
{
    static auto* pages = new HandleTable<PageRecord>(kPropertyPageHandleBase);
    return *pages;
}

std::u16string g_captionSuffix = u" Properties";

const bool kForgetsPagesWithTheWorld = (OnWorldReset([] {
                                            ThePages().Clear();
                                            g_captionSuffix = u" Properties";
                                        }),
                                        true);

// The largest record a page may bring (its own data behind PROPSHEETPAGEW included).
constexpr DWORD kMaxPageRecord = 0x10000;

struct SheetPage {
    HPROPSHEETPAGE handle = nullptr;
    std::shared_ptr<PageRecord> record;
    HWND hwnd = nullptr;
    UINT templateId = 0;
};

struct Sheet {
    PFNPROPSHEETUI function = nullptr;
    PROPSHEETUI_INFO info = {};
    std::vector<SheetPage> pages;
    int current = -1;
    int startPage = 0;
    HWND hwnd = nullptr;
    HWND tabs = nullptr;
    bool ended = false;
    bool cancelToClose = false;
    LONG result = CPSUI_CANCEL;
    RECT pageArea = {};
};

std::set<Sheet*>& LiveSheets()
{
    static auto* sheets = new std::set<Sheet*>;
    return *sheets;
}

Sheet* SheetOf(HANDLE handle)
{
    auto* sheet = static_cast<Sheet*>(handle);
    return LiveSheets().count(sheet) != 0 ? sheet : nullptr;
}

Sheet* SheetOfWindow(HWND hwnd)
{
    for (Sheet* sheet : LiveSheets())
        if (sheet->hwnd == hwnd)
            return sheet;
    return nullptr;
}

// How the record and the host's hooks name a page: by its template.
std::string PageName(const SheetPage& page)
{
    return "page " + std::to_string(page.templateId);
}

// Sends a PSN_ notification to a page; answers its DWL_MSGRESULT (through the dialog manager).
LRESULT NotifyPage(const Sheet& sheet, const SheetPage& page, UINT code, LPARAM lParam = 0)
{
    if (page.hwnd == nullptr || !IsWindow(page.hwnd))
        return 0;
    PSHNOTIFY notify = {{sheet.hwnd, 0, code}, lParam};
    return SendMessageW(page.hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

void PlacePage(Sheet& sheet, SheetPage& page)
{
    MoveWindow(page.hwnd, sheet.pageArea.left, sheet.pageArea.top, sheet.pageArea.right - sheet.pageArea.left,
               sheet.pageArea.bottom - sheet.pageArea.top, TRUE);
}

// Makes the page's dialog, a child of the sheet, the first time it is shown.
bool CreatePage(Sheet& sheet, SheetPage& page)
{
    if (page.hwnd != nullptr)
        return true;
    PROPSHEETPAGEW* psp = page.record->Page();
    if ((psp->dwFlags & PSP_USECALLBACK) != 0 && psp->pfnCallback != nullptr &&
        psp->pfnCallback(nullptr, PSPCB_CREATE, psp) == 0)
        return false;
    const host::DialogResource* dialog = FindDialogTemplate(psp->hInstance, psp->pszTemplate);
    if (dialog == nullptr)
        return false;
    host::DialogResource child = *dialog;
    child.style = (child.style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE)) | WS_CHILD |
                  DS_CONTROL;
    page.hwnd = CreateDialogFromTemplate(psp->hInstance, child, sheet.hwnd, psp->pfnDlgProc,
                                         reinterpret_cast<LPARAM>(psp), false);
    if (page.hwnd == nullptr)
        return false;
    PlacePage(sheet, page);
    return true;
}

// Shows the page at index: made if need be, told PSN_SETACTIVE, and the others hidden.
bool ShowPage(Sheet& sheet, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= sheet.pages.size())
        return false;
    SheetPage& page = sheet.pages[static_cast<size_t>(index)];
    const bool made = page.hwnd == nullptr;
    if (!CreatePage(sheet, page))
        return false;
    if (made)
        RecordShown(PageName(page));
    for (const SheetPage& other : sheet.pages)
        if (other.hwnd != nullptr && other.hwnd != page.hwnd)
            ShowWindow(other.hwnd, SW_HIDE);
    sheet.current = index;
    SendMessageW(sheet.tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    NotifyPage(sheet, page, PSN_SETACTIVE);
    if (IsWindow(page.hwnd))
        ShowWindow(page.hwnd, SW_SHOWNA);
    NotifyWindowShown(sheet.hwnd, PageName(page));
    return true;
}

// The current page lets go (PSN_KILLACTIVE answers FALSE); false when it keeps the user on it.
bool LeaveCurrent(Sheet& sheet)
{
    if (sheet.current < 0)
        return true;
    const SheetPage& page = sheet.pages[static_cast<size_t>(sheet.current)];
    if (NotifyPage(sheet, page, PSN_KILLACTIVE) != 0)
        return false;
    NotifyWindowLeft(sheet.hwnd, PageName(page));
    return true;
}

// OK and Apply: PSN_APPLY to every page made, in order; false when one answers that the sheet stays open
// (PSNRET_INVALID also shows that page).
bool ApplyPages(Sheet& sheet, bool closing)
{
    if (!LeaveCurrent(sheet))
        return false;
    for (size_t i = 0; i < sheet.pages.size(); ++i) {
        const LRESULT answer = NotifyPage(sheet, sheet.pages[i], PSN_APPLY, closing ? TRUE : FALSE);
        if (answer == PSNRET_INVALID_NOCHANGEPAGE)
            return false;
        if (answer == PSNRET_INVALID) {
            ShowPage(sheet, static_cast<int>(i));
            return false;
        }
    }
    EnableWindow(GetDlgItem(sheet.hwnd, kIdApply), FALSE);
    return true;
}

void Close(Sheet& sheet, LONG result)
{
    sheet.result = result;
    sheet.ended = true;
    if (const auto window = FindWindowRecord(sheet.hwnd))
        window->style &= ~WS_VISIBLE;
}

void PressOk(Sheet& sheet)
{
    if (ApplyPages(sheet, true))
        Close(sheet, CPSUI_OK);
}

void PressCancel(Sheet& sheet)
{
    if (sheet.current >= 0) {
        const SheetPage& current = sheet.pages[static_cast<size_t>(sheet.current)];
        if (NotifyPage(sheet, current, PSN_QUERYCANCEL) != 0)
            return;
        NotifyWindowLeft(sheet.hwnd, PageName(current));
    }
    for (const SheetPage& page : sheet.pages)
        NotifyPage(sheet, page, PSN_RESET, TRUE);
    Close(sheet, CPSUI_CANCEL);
}

INT_PTR CALLBACK SheetDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Sheet* sheet = SheetOfWindow(hwnd);
    if (sheet == nullptr)
        return FALSE;
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK:     PressOk(*sheet); return TRUE;
        case IDCANCEL: PressCancel(*sheet); return TRUE;
        case kIdApply: ApplyPages(*sheet, false); return TRUE;
        case IDHELP:
            if (sheet->current >= 0)
                NotifyPage(*sheet, sheet->pages[static_cast<size_t>(sheet->current)], PSN_HELP);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_NOTIFY: {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (hdr == nullptr || hdr->hwndFrom != sheet->tabs)
            return FALSE;
        if (hdr->code == TCN_SELCHANGING) {
            SetWindowLongW(hwnd, DWL_MSGRESULT, LeaveCurrent(*sheet) ? FALSE : TRUE);
            return TRUE;
        }
        if (hdr->code == TCN_SELCHANGE)
            ShowPage(*sheet, static_cast<int>(SendMessageW(sheet->tabs, TCM_GETCURSEL, 0, 0)));
        return TRUE;
    }
    case PSM_CHANGED:
        EnableWindow(GetDlgItem(hwnd, kIdApply), TRUE);
        return TRUE;
    case PSM_UNCHANGED:
        EnableWindow(GetDlgItem(hwnd, kIdApply), FALSE);
        return TRUE;
    case PSM_CANCELTOCLOSE:
        sheet->cancelToClose = true;
        EnableWindow(GetDlgItem(hwnd, IDCANCEL), FALSE);
        SetDlgItemTextW(hwnd, IDOK, u"Close");
        return TRUE;
    case PSM_SETCURSEL: {
        int index = static_cast<int>(wParam);
        for (size_t i = 0; lParam != 0 && i < sheet->pages.size(); ++i)
            if (sheet->pages[i].handle == reinterpret_cast<HPROPSHEETPAGE>(lParam))
                index = static_cast<int>(i);
        const bool shown = LeaveCurrent(*sheet) && ShowPage(*sheet, index);
        SetWindowLongW(hwnd, DWL_MSGRESULT, shown ? TRUE : FALSE);
        return TRUE;
    }
    case PSM_PRESSBUTTON:
        if (wParam == PSBTN_OK)
            PressOk(*sheet);
        else if (wParam == PSBTN_CANCEL)
            PressCancel(*sheet);
        else if (wParam == PSBTN_APPLYNOW)
            ApplyPages(*sheet, false);
        return TRUE;
    case PSM_APPLY:
        SetWindowLongW(hwnd, DWL_MSGRESULT, ApplyPages(*sheet, false) ? TRUE : FALSE);
        return TRUE;
    case PSM_QUERYSIBLINGS: {
        LRESULT answer = 0;
        for (const SheetPage& page : sheet->pages)
            if (answer == 0 && page.hwnd != nullptr)
                answer = SendMessageW(page.hwnd, PSM_QUERYSIBLINGS, wParam, lParam);
        SetWindowLongW(hwnd, DWL_MSGRESULT, answer);
        return TRUE;
    }
    case PSM_GETTABCONTROL:
        SetWindowLongW(hwnd, DWL_MSGRESULT, reinterpret_cast<LONG>(sheet->tabs));
        return TRUE;
    case PSM_GETCURRENTPAGEHWND:
        SetWindowLongW(hwnd, DWL_MSGRESULT, sheet->current >= 0
                                                 ? reinterpret_cast<LONG>(sheet->pages[static_cast<size_t>(sheet->current)].hwnd)
                                                 : 0);
        return TRUE;
    default:
        return FALSE;
    }
}

// pfnComPropSheet: what a sheet function (and its pages) may ask of the sheet.
LONG_PTR CALLBACK ComPropSheet(HANDLE hComPropSheet, UINT Function, LPARAM lParam1, LPARAM lParam2)
{
    Sheet* sheet = SheetOf(hComPropSheet);
    if (sheet == nullptr)
        return 0;
    switch (Function) {
    case CPSFUNC_ADD_PROPSHEETPAGEW: {
        const HPROPSHEETPAGE made = CreatePropertySheetPageW(reinterpret_cast<LPCPROPSHEETPAGEW>(lParam1));
        return made == nullptr ? 0 : ComPropSheet(hComPropSheet, CPSFUNC_ADD_HPROPSHEETPAGE,
                                                   reinterpret_cast<LPARAM>(made), 0);
    }
    case CPSFUNC_ADD_HPROPSHEETPAGE: {
        const auto handle = reinterpret_cast<HPROPSHEETPAGE>(lParam1);
        const auto record = ThePages().Find(handle);
        if (record == nullptr || sheet->hwnd != nullptr)
            return 0;   // pages are added while the sheet is being built
        SheetPage page;
        page.handle = handle;
        page.record = record;
        const LPCWSTR name = record->Page()->pszTemplate;
        page.templateId = IS_INTRESOURCE(name) ? LOWORD(name) : 0;
        sheet->pages.push_back(page);
        return reinterpret_cast<LONG_PTR>(handle);
    }
    case CPSFUNC_GET_PAGECOUNT:
        return static_cast<LONG_PTR>(sheet->pages.size());
    case CPSFUNC_SET_HSTARTPAGE:
        for (size_t i = 0; i < sheet->pages.size(); ++i)
            if (sheet->pages[i].handle == reinterpret_cast<HPROPSHEETPAGE>(lParam1))
                sheet->startPage = static_cast<int>(i);
        return 1;
    case CPSFUNC_SET_RESULT: {
        SETRESULT_INFO result = {sizeof result, 0,
                                 lParam1 != 0 ? reinterpret_cast<HANDLE>(lParam1) : hComPropSheet, lParam2};
        sheet->info.Reason = PROPSHEETUI_REASON_SET_RESULT;
        sheet->function(&sheet->info, reinterpret_cast<LPARAM>(&result));
        return 1;
    }
    default:
        return 0;
    }
}

// The sheet's window: a tab strip over the largest page, the buttons below.
HWND BuildSheetWindow(Sheet& sheet, HWND owner, const std::u16string& caption, bool help, bool apply)
{
    LONG pageWidth = 0;
    LONG pageHeight = 0;
    for (const SheetPage& page : sheet.pages) {
        const PROPSHEETPAGEW* psp = page.record->Page();
        if (const host::DialogResource* dialog = FindDialogTemplate(psp->hInstance, psp->pszTemplate)) {
            const RECT size = DialogUnitsToPixels(0, 0, dialog->cx, dialog->cy);
            pageWidth = std::max(pageWidth, size.right);
            pageHeight = std::max(pageHeight, size.bottom);
        }
    }
    const RECT margin = DialogUnitsToPixels(7, 7, 50, 14);   // the margin, and a button's size
    const LONG buttonWidth = margin.right - margin.left;
    const LONG buttonHeight = margin.bottom - margin.top;
    RECT tabs = {margin.left, margin.top, margin.left + pageWidth + 8, margin.top + pageHeight + 28};
    const LONG clientWidth = tabs.right + margin.left;
    const LONG clientHeight = tabs.bottom + margin.top * 2 + buttonHeight;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
    const HWND hwnd = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, u"#32770", caption.c_str(), style,
                                      0, 0, clientWidth + 6, clientHeight + 25, owner, nullptr, nullptr, nullptr);
    if (hwnd == nullptr)
        return nullptr;
    sheet.hwnd = hwnd;
    RECT place = {0, 0, kScreenWidth, kScreenHeight};
    if (owner != nullptr)
        GetWindowRect(owner, &place);
    SetWindowPos(hwnd, nullptr, std::max(0L, place.left + (place.right - place.left - clientWidth - 6) / 2),
                 std::max(0L, place.top + (place.bottom - place.top - clientHeight - 25) / 2), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    SetWindowLongW(hwnd, DWL_DLGPROC, reinterpret_cast<LONG>(SheetDlgProc));
    const HFONT font = DefaultDialogFont();
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    sheet.tabs = CreateWindowExW(WS_EX_NOPARENTNOTIFY, u"SysTabControl32", u"",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, tabs.left, tabs.top,
                                 tabs.right - tabs.left, tabs.bottom - tabs.top, hwnd,
                                 reinterpret_cast<HMENU>(kIdTabs), nullptr, nullptr);
    SendMessageW(sheet.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const SheetPage& page : sheet.pages) {
        // A page's tab shows its title, else its dialog's caption.
        const PROPSHEETPAGEW* psp = page.record->Page();
        std::u16string title;
        if ((psp->dwFlags & PSP_USETITLE) != 0 && psp->pszTitle != nullptr && !IS_INTRESOURCE(psp->pszTitle))
            title = View(psp->pszTitle);
        else if (const host::DialogResource* dialog = FindDialogTemplate(psp->hInstance, psp->pszTemplate))
            title = View(dialog->caption);
        TCITEMW item = {TCIF_TEXT, 0, 0, title.data(), 0, -1, 0};
        SendMessageW(sheet.tabs, TCM_INSERTITEMW, sheet.pages.size(), reinterpret_cast<LPARAM>(&item));
    }
    sheet.pageArea = {tabs.left + 4, tabs.top + 24, tabs.right - 4, tabs.bottom - 4};
    struct ButtonRow {
        int id;
        const WCHAR* text;
        DWORD style;
    };
    std::vector<ButtonRow> buttons = {{IDOK, u"OK", BS_DEFPUSHBUTTON}, {IDCANCEL, u"Cancel", BS_PUSHBUTTON}};
    if (apply)
        buttons.push_back({kIdApply, u"&Apply", BS_PUSHBUTTON});
    if (help)
        buttons.push_back({IDHELP, u"Help", BS_PUSHBUTTON});
    LONG x = clientWidth - margin.left - static_cast<LONG>(buttons.size()) * (buttonWidth + 6) + 6;
    for (const ButtonRow& row : buttons) {
        const HWND button = CreateWindowExW(WS_EX_NOPARENTNOTIFY, u"Button", row.text,
                                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | row.style, x,
                                            tabs.bottom + margin.top, buttonWidth, buttonHeight, hwnd,
                                            reinterpret_cast<HMENU>(static_cast<uintptr_t>(row.id)), nullptr, nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        x += buttonWidth + 6;
    }
    EnableWindow(GetDlgItem(hwnd, kIdApply), FALSE);
    return hwnd;
}

// The sheet's title: the header's text, or the string of that id in the header's module.
std::u16string SheetTitle(const PROPSHEETUI_INFO_HEADER& header)
{
    if (header.pTitle == nullptr)
        return {};
    if (!IS_INTRESOURCE(header.pTitle))
        return std::u16string(View(header.pTitle));
    WCHAR text[256] = {};
    LoadStringW(header.hInst, LOWORD(header.pTitle), text, static_cast<int>(std::size(text)));
    return text;
}

// The script's "page ID": the page of that template, as a click on its tab.
bool SelectPageByTemplate(HWND sheetWindow, UINT templateId)
{
    Sheet* sheet = SheetOfWindow(sheetWindow);
    if (sheet == nullptr)
        return false;
    for (size_t i = 0; i < sheet->pages.size(); ++i)
        if (sheet->pages[i].templateId == templateId)
            return host::PickItem(sheet->tabs, static_cast<int>(i));
    return false;
}

void RunSheet(Sheet& sheet, HWND owner)
{
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    const HWND focusBefore = GetFocus();
    if (disableOwner)
        EnableWindow(owner, FALSE);
    bool expected = false;
    ScriptFrame* frame = OpenScriptFrame(ShownKind::Sheet, u"", sheet.hwnd, expected);
    RecordShown("sheet " + QuoteText(FindWindowRecord(sheet.hwnd)->text));
    ShowPage(sheet, std::clamp(sheet.startPage, 0, static_cast<int>(sheet.pages.size()) - 1));
    ShowWindow(sheet.hwnd, SW_SHOWNORMAL);
    SetFocus(GetNextDlgTabItem(sheet.current >= 0 ? sheet.pages[static_cast<size_t>(sheet.current)].hwnd : sheet.hwnd,
                               nullptr, FALSE));
    NotifyWindowShown(sheet.hwnd, "sheet");
    SetPageSelector(SelectPageByTemplate);
    const HWND hwnd = sheet.hwnd;
    RunModalLoop(
        frame, expected, "sheet", [&] { return sheet.ended || !IsWindow(hwnd); },
        [&sheet] {
            PressCancel(sheet);
            if (!sheet.ended)
                Close(sheet, CPSUI_CANCEL);
        },
        [hwnd](const ScriptNode& step, std::string& reason) { return RunControlStep(hwnd, step, reason); });
    DestroyWindow(hwnd);
    if (disableOwner)
        EnableWindow(owner, TRUE);
    if (IsWindow(focusBefore))
        SetFocus(focusBefore);
    CloseScriptFrame(frame);
}

} // namespace

} // namespace platform

void host::SetSheetCaptionSuffix(std::u16string_view suffix)
{
    platform::g_captionSuffix = suffix;
}

using namespace platform;

HPROPSHEETPAGE WINAPI CreatePropertySheetPageW(LPCPROPSHEETPAGEW constPropSheetPagePointer)
{
    if (constPropSheetPagePointer == nullptr || constPropSheetPagePointer->dwSize < PROPSHEETPAGEW_V1_SIZE ||
        constPropSheetPagePointer->dwSize > kMaxPageRecord ||
        (constPropSheetPagePointer->dwFlags & PSP_DLGINDIRECT) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto record = std::make_shared<PageRecord>();
    record->bytes.assign(std::max<size_t>(constPropSheetPagePointer->dwSize, sizeof(PROPSHEETPAGEW)), 0);
    std::memcpy(record->bytes.data(), constPropSheetPagePointer, constPropSheetPagePointer->dwSize);
    PROPSHEETPAGEW* psp = record->Page();
    if ((psp->dwFlags & PSP_USECALLBACK) != 0 && psp->pfnCallback != nullptr)
        psp->pfnCallback(nullptr, PSPCB_ADDREF, psp);
    return ThePages().Add<HPROPSHEETPAGE>(std::move(record));
}

BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE hPage)
{
    const auto record = ThePages().Remove(hPage);
    if (record == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    PROPSHEETPAGEW* psp = record->Page();
    if ((psp->dwFlags & PSP_USECALLBACK) != 0 && psp->pfnCallback != nullptr)
        psp->pfnCallback(nullptr, PSPCB_RELEASE, psp);
    return TRUE;
}

LONG WINAPI CommonPropertySheetUIW(HWND hWndOwner, PFNPROPSHEETUI pfnPropSheetUI, LPARAM lParam, LPDWORD pResult)
{
    if (pfnPropSheetUI == nullptr || (hWndOwner != nullptr && !IsWindow(hWndOwner))) {
        SetLastError(pfnPropSheetUI == nullptr ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return ERR_CPSUI_GETLASTERROR;
    }
    Sheet sheet;
    sheet.function = pfnPropSheetUI;
    LiveSheets().insert(&sheet);
    PROPSHEETUI_INFO& info = sheet.info;
    info.cbSize = sizeof info;
    info.Version = 0x0100;
    info.Flags = PSUIINFO_UNICODE;
    info.Reason = PROPSHEETUI_REASON_INIT;
    info.hComPropSheet = &sheet;
    info.pfnComPropSheet = ComPropSheet;
    info.lParamInit = lParam;
    const LONG initialised = pfnPropSheetUI(&info, lParam);
    LONG answer = ERR_CPSUI_GETLASTERROR;
    if (initialised > 0 && !sheet.pages.empty()) {
        PROPSHEETUI_INFO_HEADER header = {};
        header.cbSize = sizeof header;
        header.Flags = PSUIHDRF_PROPTITLE;   // the suffix, unless the sheet function says otherwise
        header.hWndParent = hWndOwner;
        info.Reason = PROPSHEETUI_REASON_GET_INFO_HEADER;
        pfnPropSheetUI(&info, reinterpret_cast<LPARAM>(&header));
        std::u16string caption = SheetTitle(header);
        if ((header.Flags & PSUIHDRF_PROPTITLE) != 0 && (header.Flags & PSUIHDRF_EXACT_PTITLE) == 0)
            caption += g_captionSuffix;
        bool help = false;
        for (const SheetPage& page : sheet.pages)
            help = help || (page.record->Page()->dwFlags & PSP_HASHELP) != 0;
        const HWND parent = header.hWndParent != nullptr && IsWindow(header.hWndParent) ? header.hWndParent : hWndOwner;
        const HWND owner = parent != nullptr ? TopLevelOf(parent) : nullptr;
        if (BuildSheetWindow(sheet, owner, caption, help, (header.Flags & PSUIHDRF_NOAPPLYNOW) == 0) != nullptr) {
            RunSheet(sheet, owner);
            answer = sheet.result;
        }
    } else {
        // A sheet function that refuses INIT, or adds no page, has no sheet to show.
        SetLastError(initialised > 0 ? ERROR_INVALID_DATA : ERROR_NOT_SUPPORTED);
    }
    info.Reason = PROPSHEETUI_REASON_DESTROY;
    pfnPropSheetUI(&info, answer == CPSUI_OK ? 1 : 0);
    for (const SheetPage& page : sheet.pages)
        DestroyPropertySheetPage(page.handle);
    LiveSheets().erase(&sheet);
    if (pResult != nullptr)
        *pResult = static_cast<DWORD>(info.Result);
    return answer;
}
