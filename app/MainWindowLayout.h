#pragma once

class ControlRegistry;

/// The main window's stretch rules: with the window dw pixels wider and dh
/// pixels higher than its design size (1125 x 727), places and sizes the
/// plots, meters, groups and overview panels by the height and width
/// tables, then re-places every delay picture and its time label. A
/// negative dw or dh leaves that direction as it is (a window smaller than
/// the design size keeps its last layout there and scrolls). Layout(0, 0)
/// is the built geometry. A control missing from the registry ends the
/// pass there; what was set before stays. GUI thread only.
void LayoutMainWindow(ControlRegistry& controls, int dw, int dh);
