// page_tray.cpp - the input tray of the current page.
#include "pdl/vxcmn/vqpdlnt/page_tray.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"

namespace {

constexpr BYTE kTransparencyMedia = 127;   // transparencies with interleaved sheets
constexpr WORD kManualFeedTray = 4;

} // namespace

static bool IsPrintedCover(BYTE cover)
{
    return cover == 2 || cover == 3;
}

WORD GetPageTray(PDEV* pdev, const DRIVER_DEVMODE* pdm)
{
    if (pdm == nullptr)
        return 0;
    const DEVMODE_ENV_EXTRA& env = pdm->dmPrivate.env;

    WORD tray = env.lpMediaSource;
    const bool manualTransparency = env.lpMediaType == kTransparencyMedia && env.lpMediaSource == kManualFeedTray;
    const bool manualTransparencyCover =
        env.lpCoverMediaType == kTransparencyMedia &&
        ((IsPrintedCover(env.lpFrontCover) && env.lpFrontCoverTray == kManualFeedTray) ||
         (IsPrintedCover(env.lpBackCover) && env.lpBackCoverTray == kManualFeedTray));
    if (manualTransparency || manualTransparencyCover)
        tray = env.lpOIPaperTray;

    WORD planTray = 0;
    if (GetPageRangeTray(pdev, &planTray))
        tray = planTray;
    return tray;
}
