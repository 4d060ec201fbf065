#pragma once

#include "plot/core/TiPlotKindManager.h"

class TiPlotComponent;

/// Registers the classes of the toolbar, legend, label, limit, annotation
/// and data cursor kinds and the channel class ChannelT, then adds the
/// default objects of a plot control (toolbar Z-order 3, legend 2, X and Y
/// axis, channel, data view, data cursor, title label "Title" with caption
/// "Untitled" at Z-order 2) with the layout manager disabled meanwhile.
void BuildDefaultPlotObjects(TiPlotComponent& plot, TiPlotObjectFactory channelClass);
