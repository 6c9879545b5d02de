#pragma once
// sample_pages.h - the pages of the sample document, drawn with an application's GDI calls.

#include "win/windows.h"

// Draws page pageNumber (from 1) of a sample document of pageCount pages on a device context whose page is
// open: text in two sizes and turned, lines, rectangles, ellipses, a Bezier path, a hatched shape, a drawing
// clipped to an ellipse and a colour image. The drawing keeps its size in millimetres where the printable page
// holds it and shrinks to fit where it does not, so every paper and orientation shows all of it. The device
// context's state is as before afterwards.
// False when a drawing call failed (the rest of the page is drawn all the same).
bool DrawSamplePage(HDC hdc, int pageNumber, int pageCount);
