// page_overlays.cpp - the font-substitution list sent to the graphics module at the start of a job.
#include "ui/docevent/page_overlays.h"
#include "settings/base/font_sub_node.h"
#include "settings/base/global_memory.h"
#include "settings/base/private_escape_codes.h"
#include "ui/core/font_substitution_list.h"
#include "ui/docevent/private_escape.h"
#include "win/winddiui.h"

namespace {

static_assert(kEscDevmodeBytes == sizeof(DRIVER_DEVMODE));
static_assert(kEscFontSubstNodeIn == kFontSubNodeSize);

// The list is built from the devmode the job really prints with, which the graphics module holds.
void SendFontSubstitutionList(HDC hdc)
{
    LockedBlock devmode(sizeof(DRIVER_DEVMODE));
    if (!devmode)
        return;
    auto* pdm = devmode.as<DRIVER_DEVMODE>();
    // The answer is not tested: a devmode that did not come stays all zero, and builds no list.
    SendPrivateEscape(hdc, ESC_GET_DEVMODE, 0, nullptr, kEscDevmodeBytes, pdm);
    pdm->dmPrivate.fontSubstitutionList = nullptr;
    const DWORD count = LoadFontSubstitutionList(pdm);
    FONT_SUB_NODE* pList = pdm->dmPrivate.fontSubstitutionList;
    if (pList == nullptr)
        return;
    if (count > 0 && count <= kMaxFontSubNodes)
        SendPrivateEscape(hdc, ESC_SET_FONT_SUBST, count * kEscFontSubstNodeIn, pList, 0, nullptr);
    FreeLockedBlock(pList);
}

} // namespace

INT DocEventPageOverlays(HANDLE /*hPrinter*/, HDC hdc, INT iEsc, ULONG /*cbIn*/, PVOID /*pvIn*/, ULONG /*cbOut*/,
                         PVOID /*pvOut*/)
{
    // TODO: the form-overlay confirmation at STARTPAGE and the watermark at ENDPAGE come with the form and
    // watermark events; until then pages print without them.
    if (iEsc == DOCUMENTEVENT_STARTDOC)
        SendFontSubstitutionList(hdc);
    return DOCUMENTEVENT_SUCCESS;
}
