#pragma once
// path_builder.h - the figures of the line and shape calls, in 28.4 device coordinates, and where they go: into
// the path being recorded between BeginPath and EndPath, or drawn with the DC's pen and brush.

#include <vector>
#include "gdi/device_context.h"

namespace platform {

struct PathPoints {
    std::vector<POINTFIX> points;
    std::vector<BYTE> types;

    // Adds a logical point, made a device one; false (ERROR_INVALID_PARAMETER) when it leaves the device range.
    bool Add(const DcAttributes& attrs, const POINT& logical, BYTE type);
    void Add(double x, double y, BYTE type);   // a 28.4 device point, rounded
    void Close();                             // closes the last figure
};

enum class FigureUse {
    Line,    // stroked with the pen
    Shape,   // filled with the brush, then stroked with the pen
};

// Draws the figures, or adds them to the path being recorded. continues: the figures start at the current
// position, and in a path they go on with the figure already open there.
BOOL EmitFigures(DeviceContext& dc, const PathPoints& figures, FigureUse use, bool continues);

// The closed figure of a Rectangle, Ellipse or RoundRect of the logical rectangle (any corner order): its right
// and bottom edges one pixel in, as GDI draws them, and a pen drawn inside the frame shrinks it by half its
// width. False when a corner lies beyond the device range.
bool RectangleFigure(const DeviceContext& dc, int left, int top, int right, int bottom, PathPoints& out);
bool EllipseFigure(const DeviceContext& dc, int left, int top, int right, int bottom, PathPoints& out);
bool RoundRectFigure(const DeviceContext& dc, int left, int top, int right, int bottom, int width, int height,
                     PathPoints& out);

enum class ArcShape {
    Arc,     // the curve alone, open
    Chord,   // closed by the line from its end back to its start
    Pie,     // from the centre out to the curve and back, closed
};

// The figure of an Arc, Chord or Pie: the part of the rectangle's ellipse from where the radial through
// (xStart, yStart) crosses it, counter-clockwise on the page, to where the radial through (xEnd, yEnd) does
// (the whole ellipse when both radials are one), as Bézier curves of at most a quarter each. False when a point
// lies beyond the device range.
bool ArcFigure(const DeviceContext& dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
               int yEnd, ArcShape shape, PathPoints& out);

} // namespace platform
