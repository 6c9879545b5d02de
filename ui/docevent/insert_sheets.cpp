// insert_sheets.cpp - the document events' handler of the insert sheets and index-tab texts.
#include "ui/docevent/insert_sheets.h"
#include "win/winddiui.h"

INT DocEventInsertSheets(HANDLE /*hPrinter*/, HDC /*hdc*/, INT /*iEsc*/, ULONG /*cbIn*/, PVOID /*pvIn*/,
                         ULONG /*cbOut*/, PVOID /*pvOut*/)
{
    // TODO: the insert sheets (sent once, before the first page) and the tab texts of each page come with the
    // insert- sheet list; until then a job carries no insert sheet, and the page plan prints the document's own
    // pages only.
    return DOCUMENTEVENT_SUCCESS;
}
