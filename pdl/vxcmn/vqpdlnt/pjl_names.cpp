// pjl_names.cpp - paper and tray names for PJL and VQPDL.
#include "pdl/vxcmn/vqpdlnt/pjl_names.h"
#include "pdl/vxcmn/vqpdlnt/tray_name_table.h"
#include "settings/paper/paper_table.h"

LPCWSTR GetPjlPaperName(SHORT paperId)
{
    const PAPER_SIZE_ENTRY* row = FindPaperById(paperId);
    return row != nullptr ? row->pjlName : u"A4";
}

LPCWSTR GetPdlPaperName(SHORT paperId)
{
    const PAPER_SIZE_ENTRY* row = FindPaperById(paperId);
    return row != nullptr ? row->vqpdlName : u"A4";
}

LPCWSTR GetPjlTrayName(SHORT trayId)
{
    const TRAY_NAME_ENTRY* row = FindTrayName(trayId);
    return row != nullptr ? row->pjlName : u"AUTO";
}

LPCWSTR GetPdlTrayName(SHORT trayId)
{
    const TRAY_NAME_ENTRY* row = FindTrayName(trayId);
    return row != nullptr ? row->pdlLetter : u"A";
}
