set -e
cd /work/wt22
U=platform/src/user
cp /tmp/s3/edit.cpp /tmp/s3/item_list.h /tmp/s3/item_list.cpp /tmp/s3/combobox.cpp /tmp/s3/listbox.cpp $U/
cp /tmp/s6/tab.cpp /tmp/s6/property_sheet.cpp /tmp/s5/message_box.cpp $U/
cp /tmp/s6/prsht.h /tmp/s6/commctrl.h platform/include/win/
cat /tmp/s6/compstui_add.h >> platform/include/win/compstui.h
cat /tmp/s5/winuser_add.h >> platform/include/win/winuser.h
cp /tmp/s6/document_properties.cpp platform/src/spooler/document_properties.cpp
cp /tmp/s3/controls_test.cpp /tmp/s6/sheets_test.cpp /tmp/s5/message_box_test.cpp tests/platform/user/
cp /tmp/s6/test_sheet.h /tmp/s6/test_sheet.cpp tests/ui_sheet/
python3 - <<'PY'
import re
def sub(p, old, new, count=1):
    s=open(p).read()
    assert old in s, (p, old)
    s=s.replace(old,new,count); open(p,'w').write(s)
sub('platform/src/user/controls.h','LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);\n',
 'LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);\nLRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);\nLRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);\nLRESULT CALLBACK ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);\nLRESULT CALLBACK TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);\n')
sub('platform/src/user/system_classes.cpp','    {u"Static",            StaticProc,        0,              CS_DBLCLKS | CS_PARENTDC, 0},\n',
 '    {u"Static",            StaticProc,        0,              CS_DBLCLKS | CS_PARENTDC, 0},\n    {u"Edit",              EditProc,          0,              CS_DBLCLKS | CS_PARENTDC, 0},\n    {u"ComboBox",          ComboBoxProc,      0,              CS_DBLCLKS | CS_PARENTDC, 0},\n    {u"ListBox",           ListBoxProc,       0,              CS_DBLCLKS | CS_PARENTDC, 0},\n    {u"SysTabControl32",   TabControlProc,    0,              CS_DBLCLKS | CS_PARENTDC, 0},\n')
sub('platform/src/common/handles.h','constexpr uint32_t kModuleHandleBase = 0x00080000;\n','constexpr uint32_t kModuleHandleBase = 0x00080000;\nconstexpr uint32_t kPropertyPageHandleBase = 0x00090000;\n')
sub('platform/include/win/winspool.h','PLATFORM_API LONG  WINAPI DocumentPropertiesW(','PLATFORM_API BOOL  WINAPI PrinterProperties(HWND hWnd, HANDLE hPrinter);\nPLATFORM_API LONG  WINAPI DocumentPropertiesW(')
sub('platform/include/host/ui.h','''// A hook that sees every top-level window''','''// What the common property-sheet UI puts after the title the sheet function gives (" Properties" unless set).
void SetSheetCaptionSuffix(std::u16string_view suffix);

// A hook that sees every top-level window''')
sub('platform/src/user/property_sheet.cpp','''void SetSheetCaptionSuffix(std::u16string_view suffix)
{
    g_captionSuffix = suffix;
}

} // namespace platform''','''} // namespace platform

void host::SetSheetCaptionSuffix(std::u16string_view suffix)
{
    platform::g_captionSuffix = suffix;
}''')
PY
python3 - <<'PY'
def sub(p, old, new):
    s=open(p).read()
    assert old in s, (p, old)
    s=s.replace(old,new,1); open(p,'w').write(s)
sub('platform/src/user/property_sheet.cpp','''    } else if (initialised > 0) {
        SetLastError(ERROR_INVALID_DATA);
    }''','''    } else {
        // A sheet function that refuses INIT, or adds no page, has no sheet to show.
        SetLastError(initialised > 0 ? ERROR_INVALID_DATA : ERROR_NOT_SUPPORTED);
    }''')
sub('platform/include/win/compstui.h','''// function's Result. ERR_CPSUI_GETLASTERROR when the sheet function refuses INIT or adds no page.''','''// function's Result. ERR_CPSUI_GETLASTERROR when the sheet function refuses INIT (ERROR_NOT_SUPPORTED) or adds
// no page (ERROR_INVALID_DATA).''')
sub('tests/platform/spooler/document_properties_test.cpp','"a prompt, which shows no dialog here"','"a prompt, the driver offering no sheet yet"')
PY
sed -i 's|#include "win/windef.h"|#include "win/winbase.h"|' platform/include/win/compstui.h
