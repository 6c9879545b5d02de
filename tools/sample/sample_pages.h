#pragma once
// sample_pages.h - the pages of the sample document, drawn with an application's GDI calls.

#include "win/windows.h"

// Draws page pageNumber (from 1) of a sample document of pageCount pages on a device context whose page is
// open: text in two sizes and turned, lines, rectangles, ellipses, a Bezier path, a hatched shape, a drawing
// clipped to an ellipse and a colour image. Everything is placed by the device's resolution and page size, so
// the page looks the same on any paper and orientation. The device context's state is as before afterwards.
// False when a drawing call failed (the rest of the page is drawn all the same).
bool DrawSamplePage(HDC hdc, int pageNumber, int pageCount);
