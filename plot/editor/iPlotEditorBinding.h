#pragma once

// The plot editor's pages are binding tables. How a page declares its table:
//
//   const TiEditorPageTable& LimitPageTable() {
//     static const TiEditorPageTable table{
//         .Prefix = "Limit", .Kind = TiPlotObjectKind::Limit,
//         .PageControlName = "LimitPageControl", .SubPages = {"General", "Line"},
//         .Rows = {
//             {.SubPage = "General", .Caption = "Name", .Widget = TiEditorWidget::Edit, .Property = "Name"},
//             {.SubPage = "General", .Group = "Axes", .Caption = "X-Axis", .Widget = TiEditorWidget::NameComboBox,
//              .Property = "XAxisName", .NameList = TiEditorNameList::XAxes},
//             {.SubPage = "Line", .Caption = "Width", .Widget = TiEditorWidget::SpinEdit, .Property = "LineWidth",
//              .SpinMin = 0, .SpinMax = 100},
//         }};
//     return table;
//   }
//
// - Rows stand in the order the page's apply writes them; the builder lays
//   them out per sub-page and group in the order each first appears.
// - Property names a property of the kind's registry table
//   (TiPlotPropertyRegistry); a test checks every row of every table.
// - Control names: Name when given, else Prefix + Property + the widget's
//   suffix ("Edit", "CheckBox", "ComboBox", "RadioGroup", "ColorPicker",
//   "FontPicker"), e.g. "LimitXAxisNameComboBox"; spin buttons take the
//   edit's name with "UpDown" for "Edit", captions "Label" added. The page's
//   enabling rests on that prefix; value converter pickers are named
//   "iComponentEditorValueConverterPicker" + Prefix + Property and so stay
//   enabled. Place = Manual makes, names and binds a control (with its
//   label) but leaves placing it to the page builder.
// - Every row's control is found by name: form.Control<T>(name).
// - SubPages lists the sub-page captions in tab order; a nested sub-page is
//   written "Parent/Child" where Parent has a page control in
//   NestedPageControls (which takes the right half of Parent; Parent's own
//   rows flow in the left half).
//   Sub-pages in HiddenSubPages exist but show no tab. Without
//   PageControlName the rows sit directly on the page's area.
// - In the form (see TiPlotEditorForm_LabelsPage.cpp):
//     void TiPlotEditorForm::BuildLimitsPage(QWidget* page) {
//       m_limitPage = BuildObjectPage(page, true, LimitPageTable(),
//                                     [this] { LimitChange(); }, [this] { UpdateLimitEdit(); });
//     }
//     void TiPlotEditorForm::UpdateLimitEdit() { FillObjectPage(*m_limitListBox, m_limitPage); }
//     void TiPlotEditorForm::LimitChange() {
//       if (ApplyObjectPage(*m_limitListBox, m_limitPage) == nullptr) return;
//       UpdateLimitEdit();
//       m_limitListBox->viewport()->update();
//     }
//   FillObjectPage refreshes the page's name lists, disables the page by
//   its prefix without a selection, else enables and fills it; the list,
//   its Add and Remove buttons exist already (the form makes them). Pass
//   besideList = false for the pages whose list is hidden (Data View,
//   Legend, ToolBar). An apply that throws is shown in a message box and
//   the page refilled.

#include <functional>
#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

#include "plot/core/TiPlotTypes.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"

class ControlRegistry;
class QWidget;
class TObject;
class TiComponentEditorComboBox;

/// The widget a row shows.
enum class TiEditorWidget {
  Edit = 0,         ///< text or number (numeric kinds make it numeric)
  SpinEdit = 1,     ///< numeric edit with spin buttons (SpinMin..SpinMax, 0..0 no limit)
  CheckBox = 2,     ///< Boolean, its caption on the box
  ComboBox = 3,     ///< enumeration: item index = ordinal
  RadioGroup = 4,   ///< enumeration: item index = ordinal, the caption on the frame
  ColorPicker = 5,  ///< colour
  FontPicker = 6,   ///< font sub-object, assigned
  NameComboBox = 7  ///< an object's name, from the name list NameList
};

/// The name lists of the editor (filled by the form's drop-down handlers).
enum class TiEditorNameList {
  None = 0,
  XAxes = 1,              ///< "<None>", X axes
  YAxes = 2,              ///< "<None>", Y axes
  DataViewGridXAxes = 3,  ///< "<None>", X axes, "<All>"
  DataViewGridYAxes = 4,  ///< "<None>", Y axes, "<All>"
  Channels = 5,           ///< "<None>", channels
  DataCursorChannels = 6  ///< "<All>", channels
};

/// Where a row sits in its group: in the flow, as one arm of the
/// unlabelled margin cross (top, left, right, bottom), or where the page
/// builder puts it (Manual: made, named and bound, but not placed).
enum class TiEditorPlace { Flow = 0, CrossTop = 1, CrossLeft = 2, CrossRight = 3, CrossBottom = 4, Manual = 5 };

/// One control of a page bound to one property.
struct TiEditorBinding {
  QString SubPage;
  QString Group;
  QString Caption;
  TiEditorWidget Widget = TiEditorWidget::Edit;
  QString Property;
  QStringList Items;
  int SpinMin = 0;
  int SpinMax = 0;
  TiEditorNameList NameList = TiEditorNameList::None;
  TiEditorPlace Place = TiEditorPlace::Flow;
  QString Name;
  /// Filled and applied only for objects of this kind (Other: every object).
  TiPlotObjectKind OnlyFor = TiPlotObjectKind::Other;
  /// A value converter picker ("...") beside the edit.
  bool ValueConverter = false;
};

/// A page's table: prefix, kind (Other: the plot control itself), sub-pages
/// and rows in apply order.
struct TiEditorPageTable {
  QString Prefix;
  TiPlotObjectKind Kind = TiPlotObjectKind::Other;
  QString PageControlName;
  QStringList SubPages;
  QStringList HiddenSubPages;
  /// Parent sub-page caption and the name of the page control inside it.
  std::vector<std::pair<QString, QString>> NestedPageControls;
  std::vector<TiEditorBinding> Rows;
};

/// What a built page calls back into the form: the apply of the page (bound
/// to every control's user event) and the filling of a name list.
struct TiEditorPageHooks {
  std::function<void()> Apply;
  std::function<void(TiComponentEditorComboBox& comboBox, TiEditorNameList list)> FillNameList;
};

/// A built page: its table and, per row, the control made for it.
struct TiEditorBoundPage {
  const TiEditorPageTable* Table = nullptr;
  std::vector<QWidget*> Controls;
  /// Every page control the builder made (sub-pages, nested ones).
  std::vector<QWidget*> PageControls;
};

/// The registry table of a page's kind (the plot control's for Other).
const TiPropertyTable& PagePropertyTable(const TiEditorPageTable& table);

/// The control name of a row after the naming rule.
QString BindingControlName(const TiEditorPageTable& table, const TiEditorBinding& row);

/// Builds the page's sub-pages and controls inside area (width x height
/// pixels), names them, registers them in controls and binds each control's
/// user event (edit OnUpdate, check box OnClick, the others OnChange) to
/// hooks.Apply and each name combo box's drop-down to hooks.FillNameList.
TiEditorBoundPage BuildBindingPage(QWidget* area, int width, int height, const TiEditorPageTable& table,
                                   ControlRegistry& controls, const TiEditorPageHooks& hooks);

/// A bound page over controls already built (found by their row's control
/// name in controls; rows whose control is missing are skipped), to fill
/// or apply one set of controls from a second table.
TiEditorBoundPage BindBuiltControls(const TiEditorPageTable& table, const ControlRegistry& controls);

/// Refills every name combo box of the page (keeping its shown text).
void FillBindingNameLists(const TiEditorBoundPage& page, const TiEditorPageHooks& hooks);

/// Sets every control from the object through the event-free setters:
/// Booleans and enumerations by ordinal (item index), integers and colours
/// by value, floats, text, fonts assigned; a name combo box selects the
/// entry equal to the name (none when absent).
void FillBindingPage(const TiEditorBoundPage& page, TObject& object);

/// Writes every control into the object, row by row in table order, through
/// the registry's setters; name combo boxes write their shown text. A value
/// the property refuses raises EPlotError.
void ApplyBindingPage(const TiEditorBoundPage& page, TObject& object);

/// DisableControls / EnableControls: every named descendant of root whose
/// name begins with prefix (letter case ignored), except page controls,
/// their pages and labels, gets its Disable/Enable (editor widgets) or
/// Enabled.
void SetControlsEnabledByPrefix(QWidget& root, const QString& prefix, bool enabled);
