// page_overlays.cpp - the last handler of the document events: the font-substitution list sent to the graphics
// module at the start of a job, and what is added to each page.
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
    // The whole code is compared: an event with bits above the low 16 adds nothing here.
    switch (iEsc) {
    case DOCUMENTEVENT_STARTDOC:
        SendFontSubstitutionList(hdc);
        break;
    case DOCUMENTEVENT_STARTPAGE:
        // TODO: ConfirmFormOverlay(hPrinter, hdc) comes with the form-overlay files; until then a page with a
        // form overlay prints without asking.
        break;
    case DOCUMENTEVENT_ENDPAGE:
        // TODO: DrawWatermarkOnPage(hPrinter, hdc, no page rectangle) comes with the watermark list; until then
        // pages print without a watermark.
        break;
    default:
        break;
    }
    return DOCUMENTEVENT_SUCCESS;
}
