// sheet_services.cpp - page and edit-control services.
#include "ui/core/sheet_services.h"

#include "win/prsht.h"

LRESULT NotifySheetChanged(HWND hPage)
{
    return SendMessageW(GetParent(hPage), PSM_CHANGED, reinterpret_cast<WPARAM>(hPage), 0);
}

void RectScreenToClient(HWND hwnd, RECT* pRect)
{
    POINT corners[2] = {{pRect->left, pRect->top}, {pRect->right, pRect->bottom}};
    ScreenToClient(hwnd, &corners[0]);
    ScreenToClient(hwnd, &corners[1]);
    *pRect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void SelectEditText(HWND hDlg, int controlId)
{
    const HWND hEdit = GetDlgItem(hDlg, controlId);
    SetFocus(hEdit);
    SendMessageW(hEdit, EM_SETSEL, 0, 255);
    SetWindowLongW(hDlg, DWL_MSGRESULT, 1);
}

int InsertCharAtSelection(const WCHAR* text, WCHAR* out, int room, DWORD selection, WCHAR character)
{
    if (text == nullptr || out == nullptr || room < 1)
        return 0;
    const int start = LOWORD(selection);
    const int end = HIWORD(selection);
    int length = 0;
    while (text[length] != u'\0')
        ++length;
    if (start > end || end > length)
        return 0;
    const int result = start + 1 + (length - end);
    if (result + 1 > room)
        return 0;
    int at = 0;
    for (int i = 0; i < start; ++i)
        out[at++] = text[i];
    out[at++] = character;
    for (int i = end; i < length; ++i)
        out[at++] = text[i];
    return result;
}
