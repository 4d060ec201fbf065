#pragma once

#include <QString>

class TiPlotChannelCustom;
class TiPlotComponent;

/// The plot configuration file and the annotation file, as text lines of
/// "Name = value" (iPropertyStrings.h). GUI thread (the plot's).
///
/// Configuration: "File Type = Plot Config"; the counts ChannelCount,
/// XAxisCount, YAxisCount, ToolBarCount, LegendCount, TableCount,
/// LabelCount, DataViewCount, DataCursorCount, LimitCount; DataViewZHorz
/// and DataViewZVert; a section per object ("Channel0.Color = 255") in
/// that kind order; then the plot's own properties without prefix, leaving
/// out Name and, unless OptionSaveAllProperties, the common control
/// properties. With DifferentialPropertySave ordinal values at their
/// declared default are left out.
///
/// Annotations: "AnnotationCount = N", then a section "Annotation" + i
/// per annotation, always differential.

/// Writes the configuration file (temporary name, then rename). Throws
/// EPlotError "Error Saving Properties - " + the reason.
void SavePlotProperties(TiPlotComponent& plot, const QString& fileName);

/// Reads and checks the whole file first: its type, every count (0 to
/// 10000, and only for kinds the plot can create) and every line that
/// names a known property (the value must convert; other names are
/// ignored). Then, with the layout manager disabled and an update block
/// open, removes the plot's objects (toolbars and the title label stay)
/// and annotations, adds the file's objects (channels start red) with
/// their sections (every toolbar section goes to toolbar 0), applies the
/// remaining lines to the plot and re-enables layout and repaint. A
/// refused file throws EPlotError "Error Loading Properties - " + the
/// reason and changes nothing.
void LoadPlotProperties(TiPlotComponent& plot, const QString& fileName);

/// Writes the annotation file. Throws EPlotError "Error Saving
/// Annotations - " + the reason.
void SavePlotAnnotations(TiPlotComponent& plot, const QString& fileName);

/// Replaces the plot's annotations with the file's (each made by
/// AddAnnotation, then its section). A file without "AnnotationCount",
/// with a bad count or a value that does not convert throws EPlotError
/// "Error Loading Annotations - " + the reason and changes nothing.
void LoadPlotAnnotations(TiPlotComponent& plot, const QString& fileName);

/// Writes a channel's configuration file: "File Type = Plot Channel
/// Config", then its properties prefixed "Channel", Name left out. Throws
/// EPlotError "Error Saving Properties - " + the reason.
void SaveChannelProperties(TiPlotChannelCustom& channel, const QString& fileName, bool differential);

/// Reads and checks a channel's configuration file, then applies it. A
/// refused file throws EPlotError "Error Loading Properties - " + the
/// reason and changes nothing.
void LoadChannelProperties(TiPlotChannelCustom& channel, const QString& fileName);
