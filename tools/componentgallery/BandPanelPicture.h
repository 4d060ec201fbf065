#pragma once

#include <QImage>

/// A main-window band editor panel on its dark page, set up as the form
/// sets it, with English texts, every band filled, band 3 current (green)
/// and band 5 bypassed: 582 wide with 8 rows for an input, 452 with 9 for
/// an output. GUI thread.
QImage RenderBandPanel(int width, int rows);
