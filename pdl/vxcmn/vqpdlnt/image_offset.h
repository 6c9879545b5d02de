#pragma once
// image_offset.h - where the image of a sheet side starts: the printable area's corner, moved by the binding
// margin of the side (front or back) the side falls on.

#include "customnt/vqddigfx/pdev.h"

// The number of the side the writer is setting up, counting the job's first side as 1: the sides ejected so
// far plus 1. Odd numbers are fronts of a two-sided job, even numbers backs.
LONG GetSheetSideNumber(PDEV* pdev);

// Whether the current side is a back (TRUE) or a front: the page plan's answer when it has one, else by the
// side number, the chapter pages of the finishing page and the devmode's two-sided settings.
BOOL IsBackSide(PDEV* pdev);

// The image origin of the current sheet side, 1/100 mm: the output paper's printable corner (the least
// margins of a user-defined paper), moved by the binding margin when one is set.
void GetPageImageOffset(PDEV* pdev, LONG* pX, LONG* pY);
