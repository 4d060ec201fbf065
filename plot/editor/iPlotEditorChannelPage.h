#pragma once

#include <QString>

class QWidget;
class TiEditorRowPlacer;
class TiPlotChannelCustom;
class TiPlotEditorForm;

// The Channels page of the plot editor beyond its binding table: the
// "File I/O" and "Stats" sub-pages (TiPlotEditorForm_ChannelFiles.cpp).

/// The "High/Low" sub-page as the binding table names it: a slash in a
/// caption stands for a nested sub-page there, so the tab is captioned
/// "High/Low" after the page is built.
inline const QString kChannelHighLowPage = QStringLiteral("High-Low");

/// The file pickers and log buttons of "File I/O" (with the table's log
/// rows placed in its "Log" group) and the statistics of "Stats".
void BuildChannelFileControls(TiPlotEditorForm& form, TiEditorRowPlacer& placer, QWidget* fileIo, QWidget* stats);
/// The log controls' enabling for the channel's logging state (nothing
/// without a channel: the page is disabled then).
void SetChannelLogControls(const TiPlotEditorForm& form, const TiPlotChannelCustom* channel);
/// The eleven statistics value labels, "Point Count" to "Y-Mean".
int ChannelStatCount();
QString ChannelStatValueLabelName(int index);
