#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "plot/editor/iPlotEditorBinding.h"

class TiPlotEditorForm;
class TiPlotObject;

// The X-Axes and Y-Axes pages of the plot editor: one table and one set of
// finishing steps, the Y page being the X page with its differences.

/// Which axis page.
enum class TiEditorAxisPage { X = 0, Y = 1 };

/// "XAxis" or "YAxis": the page's prefix.
QString AxisPagePrefix(TiEditorAxisPage page);

/// The six date-time presets of the editable "Date Time Format" boxes.
const QStringList& AxisDateTimeFormats();

/// The page's binding table. Rows stand in the X page's order, in which
/// both pages are laid out; with applyOrder the Y page's rows stand in the
/// order its apply writes them: DesiredIncrement before DesiredStart,
/// LabelsRotation before LabelsFormatStyle, and CursorPrecision a second
/// time (from the same edit) right after ScaleType.
TiEditorPageTable AxisPageTable(TiEditorAxisPage page, bool applyOrder);

/// After the page is built from table (as laid out): the hand-arranged
/// sub-pages are placed, the date-time format boxes become editable, the
/// "Cursor" sub-page gets its note and the "Cursor" and "Legend" label
/// sub-pages their "Copy Default" buttons (clicks run copyCursor and
/// copyLegend).
void FinishAxisPage(TiPlotEditorForm& form, TiEditorAxisPage page, const TiEditorPageTable& table,
                    std::function<void()> copyCursor, std::function<void()> copyLegend);

/// After a fill: the date-time format boxes show the axis's formats as
/// they are, also a typed format that is no preset (nothing without axis).
void ShowAxisDateTimeFormats(TiPlotEditorForm& form, TiEditorAxisPage page, TiPlotObject* axis);

/// "Copy Default": the "(Default)" format style, date-time format,
/// precision style, precision, minimum length and its automatic adjustment
/// copied event-free into the same controls of the target sub-page
/// ("Cursor" or "Legend").
void CopyDefaultLabelFormat(TiPlotEditorForm& form, TiEditorAxisPage page, const QString& target);
