#pragma once

#include <QString>

class TiPlotComponent;

/// The stored form of a plot as text: the data-view Z-orders, the image
/// lists that hold pictures ("ImageList1 = " and the list's stream in
/// hexadecimal, ImageListStream.h), then for each
/// object kind that holds objects the stored properties of every object,
/// one per line: "ChannelManager[3].Color = 255", sub-objects by dotted
/// names ("XAxisManager[0].TitleFont.Height = -13"), and last the plot's
/// OPC items ("OPCItems[0].ItemName = Tank.Level"). A value equal to the
/// property's declared default (for a sub-object: to that of a new object
/// of the class) is left out. Annotations are not stored.
/// GUI thread (the plot's).

/// The description of the plot. Writing changes nothing on the plot. A list
/// that cannot be streamed throws EPlotError "Failed to write ImageList
/// data to stream".
QString WritePlotDescription(TiPlotComponent& plot);

/// Loads a description into a plot built by its constructor: with events
/// blocked, the layout manager disabled and an update block open, every
/// kind the text names replaces the plot's objects of that kind (kinds not
/// named keep theirs); toolbar 0 moves one band outward when it shares
/// orientation and Z-order with label 0; OPC item lines replace the plot's
/// items, each connecting as it is loaded when it may; then Loaded re-enables the layout
/// and repaints once. A text with an unknown kind, index, property or
/// value throws EPlotError "Invalid plot description line N: <line>"
/// before anything changes; so does an image list that cannot be read,
/// with "Failed to read ImageList data from stream". A list the text names
/// replaces the plot's; the others keep their pictures.
void ReadPlotDescription(TiPlotComponent& plot, const QString& text);
