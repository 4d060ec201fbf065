#pragma once

#include <vector>

#include "platform/TColor.h"
#include "platform/TRect.h"

class TCanvas;

/// Draws a connected run of curve points with a two-pixel pen in one
/// colour, straight into the canvas's image: every pixel of each segment's
/// line (end points included) covers the 2 x 2 block reaching one pixel up
/// and left of it, which is what a two-pixel pen with round ends covers on
/// whole coordinates. Segments are clipped to the image first, so points far
/// outside cost nothing. Far faster than stroking the run as a path, which
/// matters for plots that redraw dozens of 4096-point curves per edit. The
/// canvas's origins must be zero and no clip region selected; the canvas's
/// pen draws the run on an image of another format. GUI thread.
void DrawCurveRun(TCanvas& canvas, const std::vector<TPoint>& points, TColor color);

/// MoveTo(from), LineTo(to) on the canvas with its pen; a solid two-pixel
/// pen in copy mode takes the fast path of DrawCurveRun.
void DrawPlotLine(TCanvas& canvas, TPoint from, TPoint to);
