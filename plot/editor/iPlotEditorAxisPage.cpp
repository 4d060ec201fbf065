#include "plot/editor/iPlotEditorAxisPage.h"

#include <algorithm>

#include <QLabel>

#include "plot/core/TiPlotObject.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorCheckBox.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/TiEditorRowPlacer.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "plot/editor/iEditorCompactTabs.h"
#include "plot/editor/iHandlerError.h"

namespace {

const QStringList kAxisFormatStyles{"Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands"};
const QStringList kAxisPrecisionStyles{"Significant Digits", "Fixed Decimal Points"};

/// The rows of one value-text settings set ("(Default)", "Cursor" or
/// "Legend"): property names prefix + field, the date-time format named
/// dateTimeFormat.
std::vector<TiEditorBinding> AxisTextRows(const QString& subPage, const QString& prefix, const QString& dateTimeFormat,
                                          int precisionMax) {
  using W = TiEditorWidget;
  using R = TiEditorRow;
  return {R(subPage, "Format Style", W::ComboBox, prefix + "FormatStyle").Items(kAxisFormatStyles),
          R(subPage, "Date Time Format", W::NameComboBox, dateTimeFormat).Items(AxisDateTimeFormats()),
          R(subPage, "Precision Style", W::ComboBox, prefix + "PrecisionStyle").Items(kAxisPrecisionStyles),
          R(subPage, "Precision", W::SpinEdit, prefix + "Precision").Spin(0, precisionMax),
          R(subPage, "Min Length", W::Edit, prefix + "MinLength"),
          R(subPage, "Min Length Auto Adjust", W::CheckBox, prefix + "MinLengthAutoAdjust")};
}

void Append(std::vector<TiEditorBinding>& rows, const std::vector<TiEditorBinding>& more) {
  rows.insert(rows.end(), more.begin(), more.end());
}

/// Moves the row of property `moved` to stand right before the row of
/// property `before`.
void MoveBefore(std::vector<TiEditorBinding>& rows, const QString& moved, const QString& before) {
  auto property = [](const QString& name) {
    return [name](const TiEditorBinding& row) { return row.Property == name; };
  };
  const auto from = std::find_if(rows.begin(), rows.end(), property(moved));
  const TiEditorBinding row = *from;
  rows.erase(from);
  rows.insert(std::find_if(rows.begin(), rows.end(), property(before)), row);
}

}  // namespace

const QStringList& AxisDateTimeFormats() {
  static const QStringList formats{"hh:nn:ss",
                                   "hh:nn:ss.zzz",
                                   "m/d hh:nn:ss",
                                   "d mmm h:nn:ss am/pm",
                                   "m/d/yy h:nn:ss am/pm",
                                   "m/d/yyyy h:nn:ss am/pm"};
  return formats;
}

QString AxisPagePrefix(TiEditorAxisPage page) {
  return page == TiEditorAxisPage::X ? QStringLiteral("XAxis") : QStringLiteral("YAxis");
}

TiEditorPageTable AxisPageTable(TiEditorAxisPage page, bool applyOrder) {
  using W = TiEditorWidget;
  using R = TiEditorRow;
  const bool y = page == TiEditorAxisPage::Y;
  const QString prefix = AxisPagePrefix(page);
  // The labels' and legend's precision steps reach 1000 on the X page, 20
  // on the Y page; the cursor's 20 on both.
  const int precisionMax = y ? 20 : 1000;
  const QString dflt = QStringLiteral("Labels/(Default)");
  const QString cursor = QStringLiteral("Labels/Cursor");
  const QString legend = QStringLiteral("Labels/Legend");
  TiEditorPageTable t;
  t.Prefix = prefix;
  t.Kind = y ? TiPlotObjectKind::YAxis : TiPlotObjectKind::XAxis;
  t.PageControlName = prefix + QStringLiteral("PageControl");
  t.SubPages = {"General",  "Title",  "Labels", dflt,    cursor,     legend,
                "Tracking", "Cursor", "Scroll", "Scale", "Cartesian"};
  t.NestedPageControls = {{QStringLiteral("Labels"), prefix + QStringLiteral("LabelsPageControl")}};
  std::vector<TiEditorBinding>& rows = t.Rows;
  rows = {R("General", "Name", W::Edit, "Name"),
          R("General", "Visible", W::CheckBox, "Visible"),
          R("General", "Grid Lines Visible", W::CheckBox, "GridLinesVisible"),
          R("General", "Enabled", W::CheckBox, "Enabled"),
          R("General", "Popup Enabled", W::CheckBox, "PopupEnabled"),
          R("Cartesian", "Layer", W::SpinEdit, "Layer"),
          R("Scale", "Start Percent", W::Edit, "StartPercent"),
          R("Scale", "Stop Percent", W::Edit, "StopPercent"),
          R("General", "Min", W::Edit, "Min").Converter(),
          R("General", "Span", W::Edit, "Span").Converter(),
          R("General", "Desired Start", W::Edit, "DesiredStart").Converter(),
          R("General", "Desired Increment", W::Edit, "DesiredIncrement").Converter(),
          R("General", "Reverse Scale", W::CheckBox, "ReverseScale"),
          R("General", "Restore Values On Resume", W::CheckBox, "RestoreValuesOnResume"),
          R("General", "Master UI Input", W::CheckBox, "MasterUIInput"),
          R("Scale", "Inner Margin", W::SpinEdit, "InnerMargin").Spin(-1000, 1000),
          R("Scale", "Outer Margin", W::SpinEdit, "OuterMargin").Spin(-1000, 1000),
          R("Title", "Text", W::Edit, "Title"),
          R("Title", "Margin", W::Edit, "TitleMargin"),
          R("Title", "Show", W::CheckBox, "TitleShow"),
          R("Title", "Rotated", W::CheckBox, "TitleRotated"),
          R("Scale", "Lines Show", W::CheckBox, "ScaleLinesShow"),
          R("Scale", "Lines Color", W::ColorPicker, "ScaleLinesColor"),
          R("Scale", "Major Length", W::SpinEdit, "MajorLength").Spin(0, 1000),
          R("Scale", "Minor Length", W::SpinEdit, "MinorLength").Spin(0, 1000),
          R("Scale", "Minor Count", W::SpinEdit, "MinorCount").Spin(0, 100),
          R(dflt, "Visible", W::CheckBox, "LabelsVisible"),
          R(dflt, "Margin", W::Edit, "LabelsMargin"),
          R(dflt, "Format Style", W::ComboBox, "LabelsFormatStyle").Items(kAxisFormatStyles),
          R(dflt, "Rotation", W::ComboBox, "LabelsRotation").Items({"0", "90", "180", "270"})};
  std::vector<TiEditorBinding> labels = AxisTextRows(dflt, "Labels", "DateTimeFormat", precisionMax);
  labels.erase(labels.begin());  // "Format Style" stands before "Rotation"
  Append(rows, labels);
  rows.push_back(R(cursor, "Use Default Format", W::CheckBox, "CursorUseDefaultFormat"));
  Append(rows, AxisTextRows(cursor, "Cursor", "CursorDateTimeFormat", 20));
  rows.push_back(R(legend, "Use Default Format", W::CheckBox, "LegendUseDefaultFormat"));
  Append(rows, AxisTextRows(legend, "Legend", "LegendDateTimeFormat", precisionMax));
  const TiEditorNameList ownAxes = y ? TiEditorNameList::YAxes : TiEditorNameList::XAxes;
  const TiEditorNameList otherAxes = y ? TiEditorNameList::XAxes : TiEditorNameList::YAxes;
  Append(
      rows,
      {R("Tracking", "Enabled", W::CheckBox, "TrackingEnabled"),
       R("Tracking", "Style", W::ComboBox, "TrackingStyle")
           .Items({"Scale Min & Max", "Scale Max", "Scale Min", "Scroll Smooth", "Scroll Page", "Expand Collapse",
                   "Expand Collapse Fast", "Expand Min & Max"}),
       R("Tracking", "Increment Style", W::ComboBox, "TrackingIncrementStyle").Items({"Minimum", "Major", "Minor"}),
       R("Tracking", "Align First Style", W::ComboBox, "TrackingAlignFirstStyle").Items({"Min", "Max", "Auto", "None"}),
       R("Tracking", "Scroll Compress Max", W::Edit, "TrackingScrollCompressMax"),
       R("Tracking", "Span Minimum", W::Edit, "TrackingSpanMinimum"),
       R("Tracking", "Max Margin", W::Edit, "TrackingMaxMargin"),
       R("Tracking", "Min Margin", W::Edit, "TrackingMinMargin"),
       R("Scale", "Stacking Ends Margin", W::Edit, "StackingEndsMargin"),
       R("Scale", "Force Stacking", W::CheckBox, "ForceStacking"),
       R(dflt, "Label Separation", W::Edit, "LabelSeparation"),
       R("General", "Scale Type", W::RadioGroup, "ScaleType").Items({"Linear", "Log10"}),
       R("Cursor", "Scaler", W::Edit, "CursorScaler"),
       R("Scroll", "Min/Max Enabled", W::CheckBox, "ScrollMinMaxEnabled"),
       R("Scroll", "Min", W::Edit, "ScrollMin"),
       R("Scroll", "Max", W::Edit, "ScrollMax"),
       R("Cartesian", "Style", W::ComboBox, "CartesianStyle").Items({"None", "Master", "Child"}),
       R("Cartesian", "Child Ref Axis Name", W::NameComboBox, "CartesianChildRefAxisName").List(otherAxes),
       R("Cartesian", "Child Ref Value", W::Edit, "CartesianChildRefValue").Converter(),
       R("Scale", "Align Ref Axis Name", W::NameComboBox, "AlignRefAxisName").List(ownAxes),
       R("Title", "Font", W::FontPicker, "TitleFont"),
       R(dflt, "Font", W::FontPicker, "LabelsFont")});
  // These sub-pages are arranged by hand (LayOutAxisSubPages).
  const QStringList arranged{"General", dflt, cursor, legend, "Tracking", "Scale"};
  for (TiEditorBinding& row : rows) {
    if (arranged.contains(row.SubPage)) row.Place = TiEditorPlace::Manual;
  }
  if (y && applyOrder) {
    MoveBefore(rows, "DesiredIncrement", "DesiredStart");
    MoveBefore(rows, "LabelsRotation", "LabelsFormatStyle");
    // The cursor precision is written a second time, from the same edit.
    const auto scaleType =
        std::find_if(rows.begin(), rows.end(), [](const TiEditorBinding& row) { return row.Property == "ScaleType"; });
    const auto precision = std::find_if(rows.begin(), rows.end(),
                                        [](const TiEditorBinding& row) { return row.Property == "CursorPrecision"; });
    TiEditorBinding again = *precision;
    again.Place = TiEditorPlace::Manual;
    rows.insert(scaleType + 1, again);
  }
  return t;
}

namespace {

QWidget* AxisSubPage(const TiComponentEditorPageControl* pages, const QString& caption) {
  if (pages == nullptr) return nullptr;
  for (int i = 0; i < pages->count(); ++i) {
    if (pages->tabText(i) == caption) return pages->widget(i);
  }
  return nullptr;
}

/// The properties of the three date-time format boxes.
const QStringList kAxisDateTimeFormatProperties{"DateTimeFormat", "CursorDateTimeFormat", "LegendDateTimeFormat"};

TiComponentEditorButton* AxisCopyDefaultButton(TiPlotEditorForm& form, QWidget* page, const QString& name,
                                               std::function<void()> click) {
  auto* button = new TiComponentEditorButton(page);
  button->SetName(name);
  button->SetCaption(QStringLiteral("Copy Default"));
  button->SetBounds(244, 30, 100, 25);
  button->OnClick = [&form, click = std::move(click)](TObject*) { RunShowingErrors(&form, click); };
  form.Controls().Register(name, button);
  return button;
}

/// The sub-pages whose rows the page places itself.
void LayOutAxisSubPages(const TiPlotEditorForm& form, TiEditorRowPlacer& placer, const QString& prefix) {
  constexpr int w = kEditorSubPageWidth;
  auto* pages = form.Control<TiComponentEditorPageControl>(prefix + QStringLiteral("PageControl"));
  CompactTabs(*pages);
  QWidget* general = AxisSubPage(pages, QStringLiteral("General"));
  const int a = placer.Column(general, 6, 6, 214, -1, {"Name", "Min", "Span", "DesiredStart", "DesiredIncrement"});
  placer.Column(general, 6, a + 2, 214, 0, {"ScaleType"});
  placer.Column(general, 228, 6, w - 234, 0,
                {"Visible", "GridLinesVisible", "Enabled", "PopupEnabled", "ReverseScale", "RestoreValuesOnResume",
                 "MasterUIInput"});

  auto* labels = form.Control<TiComponentEditorPageControl>(prefix + QStringLiteral("LabelsPageControl"));
  labels->SetBounds(2, 2, w - 4, kEditorSubPageHeight - 4);
  QWidget* dflt = AxisSubPage(labels, QStringLiteral("(Default)"));
  const int d =
      placer.Column(dflt, 6, 6, 168, -1, {"LabelsVisible", "LabelsMargin", "LabelsFormatStyle", "LabelsRotation"});
  placer.Column(dflt, 6, d + 2, 168, 0, {"LabelsFont"});
  placer.Column(
      dflt, 180, 6, w - 192, -1,
      {"LabelsPrecisionStyle", "LabelsPrecision", "LabelsMinLength", "LabelSeparation", "LabelsMinLengthAutoAdjust"});
  placer.Column(dflt, 6, 130, 300, -1, {"DateTimeFormat"});
  for (const QString& kind : {QStringLiteral("Cursor"), QStringLiteral("Legend")}) {
    QWidget* sub = AxisSubPage(labels, kind);
    placer.Column(sub, 6, 6, 230, -1,
                  {kind + "UseDefaultFormat", kind + "FormatStyle", kind + "PrecisionStyle", kind + "Precision",
                   kind + "MinLength"});
    placer.Column(sub, 244, 6, w - 256, 0, {kind + "MinLengthAutoAdjust"});
    placer.Column(sub, 6, 130, 300, -1, {kind + "DateTimeFormat"});
  }

  QWidget* tracking = AxisSubPage(pages, QStringLiteral("Tracking"));
  placer.Column(tracking, 6, 6, 236, -1,
                {"TrackingEnabled", "TrackingStyle", "TrackingIncrementStyle", "TrackingAlignFirstStyle"});
  placer.Column(tracking, 248, 6, w - 254, -1,
                {"TrackingScrollCompressMax", "TrackingSpanMinimum", "TrackingMaxMargin", "TrackingMinMargin"});

  QWidget* scale = AxisSubPage(pages, QStringLiteral("Scale"));
  const int s = placer.Column(
      scale, 6, 6, 240, -1,
      {"StartPercent", "StopPercent", "InnerMargin", "OuterMargin", "StackingEndsMargin", "AlignRefAxisName"});
  placer.Column(scale, 6, s, 240, 0, {"ForceStacking"});
  placer.Column(scale, 252, 6, w - 258, -1,
                {"ScaleLinesShow", "ScaleLinesColor", "MajorLength", "MinorLength", "MinorCount"});
}

}  // namespace

void FinishAxisPage(TiPlotEditorForm& form, TiEditorAxisPage page, const TiEditorPageTable& table,
                    std::function<void()> copyCursor, std::function<void()> copyLegend) {
  const QString prefix = AxisPagePrefix(page);
  TiEditorRowPlacer placer(form.Controls(), table);
  LayOutAxisSubPages(form, placer, prefix);
  TiEditorRowPlacer::HintValueConverters(*form.Control<TiComponentEditorPageControl>(prefix + "PageControl"));
  for (const QString& property : kAxisDateTimeFormatProperties) {
    if (auto* combo = form.Control<TiComponentEditorComboBox>(prefix + property + QStringLiteral("ComboBox"))) {
      combo->setEditable(true);
    }
  }
  const auto* pages = form.Control<TiComponentEditorPageControl>(prefix + QStringLiteral("PageControl"));
  if (QWidget* cursor = AxisSubPage(pages, QStringLiteral("Cursor"))) {
    auto* note = new QLabel(page == TiEditorAxisPage::X
                                ? QStringLiteral("Note: See X-Axes/Labels/Cursor Page For Additional Settings")
                                : QStringLiteral("Note: See Y-Axes/Labels/Cursor Page For Additional Settings"),
                            cursor);
    note->setObjectName(prefix + QStringLiteral("CursorNoteLabel"));
    note->setGeometry(6, 40, kEditorSubPageWidth - 12, 17);
  }
  const auto* labels = form.Control<TiComponentEditorPageControl>(prefix + QStringLiteral("LabelsPageControl"));
  if (QWidget* cursorLabels = AxisSubPage(labels, QStringLiteral("Cursor"))) {
    AxisCopyDefaultButton(form, cursorLabels, prefix + QStringLiteral("CursorCopyDefaultButton"),
                          std::move(copyCursor));
  }
  if (QWidget* legendLabels = AxisSubPage(labels, QStringLiteral("Legend"))) {
    AxisCopyDefaultButton(form, legendLabels, prefix + QStringLiteral("LegendCopyDefaultButton"),
                          std::move(copyLegend));
  }
}

void ShowAxisDateTimeFormats(TiPlotEditorForm& form, TiEditorAxisPage page, TiPlotObject* axis) {
  if (axis == nullptr) return;
  const QString prefix = AxisPagePrefix(page);
  for (const QString& property : kAxisDateTimeFormatProperties) {
    auto* combo = form.Control<TiComponentEditorComboBox>(prefix + property + QStringLiteral("ComboBox"));
    const TiPlotProperty* p = TiPlotPropertyRegistry::Find(*axis, property);
    if (combo != nullptr && p != nullptr) combo->SetAsString(p->Get(*axis));
  }
}

void CopyDefaultLabelFormat(TiPlotEditorForm& form, TiEditorAxisPage page, const QString& target) {
  const QString prefix = AxisPagePrefix(page);
  auto combo = [&](const QString& property) {
    return form.Control<TiComponentEditorComboBox>(prefix + property + QStringLiteral("ComboBox"));
  };
  auto edit = [&](const QString& property) {
    return form.Control<TiComponentEditorEdit>(prefix + property + QStringLiteral("Edit"));
  };
  auto check = [&](const QString& property) {
    return form.Control<TiComponentEditorCheckBox>(prefix + property + QStringLiteral("CheckBox"));
  };
  combo(target + "FormatStyle")->SetAsInteger(combo("LabelsFormatStyle")->AsInteger());
  combo(target + "DateTimeFormat")->SetAsString(combo("DateTimeFormat")->AsString());
  combo(target + "PrecisionStyle")->SetAsInteger(combo("LabelsPrecisionStyle")->AsInteger());
  edit(target + "Precision")->SetAsInteger(edit("LabelsPrecision")->AsInteger());
  edit(target + "MinLength")->SetAsFloat(edit("LabelsMinLength")->AsFloat());
  check(target + "MinLengthAutoAdjust")->SetAsBoolean(check("LabelsMinLengthAutoAdjust")->AsBoolean());
}
