#pragma once
// page_tray.h - the input tray of the current page.

#include "settings/devmode/driver_devmode.h"

struct PDEV;

// The tray the current page is fed from: lpMediaSource; lpOIPaperTray instead when the page is interleaved
// transparency (media type 127) fed by hand, or a cover of that media comes from the manual feed; and over
// both the tray the page plan gives the page. 0 for a null devmode.
WORD GetPageTray(PDEV* pdev, const DRIVER_DEVMODE* pdm);
