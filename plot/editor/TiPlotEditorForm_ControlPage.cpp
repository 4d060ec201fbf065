// The Control page: the plot control's own settings, its title, its files
// and its logging.
#include "plot/editor/TiPlotEditorForm.h"

#include <QLabel>

#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorGroupBox.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorOpenPicker.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiComponentEditorSavePicker.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/iPlotEditorLayout.h"
#include "plot/editor/iPlotEditorPages.h"

namespace {

using W = TiEditorWidget;

TiEditorBinding ControlRow(const char* subPage, const char* group, const char* caption, W widget,
                           const char* property, const char* name, QStringList items = {}, int spinMin = 0,
                           int spinMax = 0) {
  TiEditorBinding row = TiEditorRow(subPage, caption, widget, property).In(group).Items(items).Spin(spinMin, spinMax);
  row.Name = QString::fromLatin1(name);
  return row;
}

const QStringList kControlReferenceItems{QStringLiteral("DataView"), QStringLiteral("Channel"),
                                         QStringLiteral("Auto")};

}  // namespace

const TiEditorPageTable& ControlPageTable() {
  static const TiEditorPageTable table = [] {
    TiEditorPageTable t;
    t.Kind = TiPlotObjectKind::Other;
    t.PageControlName = QStringLiteral("ControlPageControl");
    t.SubPages = {QStringLiteral("General"), QStringLiteral("Title"), QStringLiteral("Background"),
                  QStringLiteral("Print"),   QStringLiteral("Hints"), QStringLiteral("File I/O"),
                  QStringLiteral("Annotation Defaults")};
    auto& r = t.Rows;
    r.push_back(ControlRow("General", "", "Update Frame Rate", W::SpinEdit, "UpdateFrameRate", "UpdateFrameRateEdit",
                           {}, 0, 100));
    r.push_back(ControlRow("General", "", "Auto Frame Rate", W::CheckBox, "AutoFrameRate", "AutoFrameRateCheckBox"));
    r.push_back(ControlRow("General", "", "Clip Annotations To Axes", W::CheckBox, "ClipAnnotationsToAxes",
                           "ClipAnnotationsToAxesCheckBox"));
    r.push_back(ControlRow("General", "", "Border Style", W::RadioGroup, "BorderStyle", "BorderStyleRadioGroup",
                           {QStringLiteral("None"), QStringLiteral("Raised"), QStringLiteral("Lowered")}));
    r.push_back(ControlRow("General", "", "Copy To ClipBoard Format", W::ComboBox, "CopyToClipBoardFormat",
                           "CopyToClipBoardFormatComboBox",
                           {QStringLiteral("Meta File"), QStringLiteral("Bitmap"), QStringLiteral("JPEG")}));
    r.push_back(ControlRow("General", "", "File Column Separator", W::ComboBox, "DataFileColumnSeparator",
                           "FileColumnSeparatorComboBox", {QStringLiteral("Tab"), QStringLiteral("Comma")}));
    r.push_back(ControlRow("Background", "", "Color", W::ColorPicker, "BackGroundColor", "BackGroundColorPicker"));
    r.push_back(ControlRow("Background", "Gradient", "Direction", W::ComboBox, "BackGroundGradientDirection",
                           "BackGroundGradientDirectionComboBox",
                           {QStringLiteral("Top/Bottom"), QStringLiteral("Bottom/Top"), QStringLiteral("Left/Right"),
                            QStringLiteral("Right/Left"), QStringLiteral("Top Left/Bottom Right"),
                            QStringLiteral("Bottom Right/Top Left"), QStringLiteral("Bottom Left/Top Right"),
                            QStringLiteral("Top Right/Bottom Left"), QStringLiteral("Rectangle Out"),
                            QStringLiteral("Rectangle In"), QStringLiteral("Circle Out"),
                            QStringLiteral("Circle In")}));
    r.push_back(ControlRow("Background", "Gradient", "Enabled", W::CheckBox, "BackGroundGradientEnabled",
                           "BackGroundGradientEnabledCheckBox"));
    r.push_back(ControlRow("Background", "Gradient", "Start Color", W::ColorPicker, "BackGroundGradientStartColor",
                           "BackGroundGradientStartColorPicker"));
    r.push_back(ControlRow("Background", "Gradient", "Stop Color", W::ColorPicker, "BackGroundGradientStopColor",
                           "BackGroundGradientStopColorPicker"));
    r.push_back(ControlRow("General", "Outer Margin", "Left", W::SpinEdit, "OuterMarginLeft", "OuterMarginLeftEdit"));
    r.push_back(ControlRow("General", "Outer Margin", "Top", W::SpinEdit, "OuterMarginTop", "OuterMarginTopEdit"));
    r.push_back(
        ControlRow("General", "Outer Margin", "Right", W::SpinEdit, "OuterMarginRight", "OuterMarginRightEdit"));
    r.push_back(
        ControlRow("General", "Outer Margin", "Bottom", W::SpinEdit, "OuterMarginBottom", "OuterMarginBottomEdit"));
    TiEditorBinding logName =
        ControlRow("File I/O", "Log", "File Name", W::Edit, "LogFileName", "ControlLogFileNameEdit");
    logName.Place = TiEditorPlace::Manual;
    r.push_back(logName);
    TiEditorBinding logSize =
        ControlRow("File I/O", "Log", "Buffer Size", W::SpinEdit, "LogBufferSize", "ControlLogBufferSizeEdit");
    logSize.Place = TiEditorPlace::Manual;
    r.push_back(logSize);
    r.push_back(ControlRow("Hints", "", "Show", W::CheckBox, "HintsShow", "HintsShowCheckBox"));
    r.push_back(ControlRow("Hints", "", "Pause", W::SpinEdit, "HintsPause", "HintsPauseEdit"));
    r.push_back(ControlRow("Hints", "", "Hide Pause", W::SpinEdit, "HintsHidePause", "HintsHidePauseEdit"));
    r.push_back(ControlRow("Hints", "", "Font", W::FontPicker, "HintsFont", "HintsFontPicker"));
    r.push_back(ControlRow("Annotation Defaults", "Pen", "Color", W::ColorPicker, "AnnotationDefaultPenColor",
                           "AnnotationDefaultPenColorPicker"));
    r.push_back(ControlRow("Annotation Defaults", "Pen", "Style", W::ComboBox, "AnnotationDefaultPenStlye",
                           "AnnotationDefaultPenStyleComboBox",
                           {QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"),
                            QStringLiteral("DashDot"), QStringLiteral("DashDotDot"), QStringLiteral("Clear"),
                            QStringLiteral("Inside Frame")}));
    r.push_back(ControlRow("Annotation Defaults", "Pen", "Width", W::SpinEdit, "AnnotationDefaultPenWidth",
                           "AnnotationDefaultPenWidthEdit", {}, 0, 100));
    r.push_back(ControlRow("Annotation Defaults", "Brush", "Color", W::ColorPicker, "AnnotationDefaultBrushColor",
                           "AnnotationDefaultBrushColorPicker"));
    r.push_back(ControlRow("Annotation Defaults", "Brush", "Style", W::ComboBox, "AnnotationDefaultBrushStlye",
                           "AnnotationDefaultBrushStyleComboBox",
                           {QStringLiteral("Solid"), QStringLiteral("Clear"), QStringLiteral("Horizontal"),
                            QStringLiteral("Vertical"), QStringLiteral("FDiagonal"), QStringLiteral("BDiagonal"),
                            QStringLiteral("Cross"), QStringLiteral("DiagCross")}));
    r.push_back(ControlRow("Annotation Defaults", "", "Reference", W::ComboBox, "AnnotationDefaultReference",
                           "AnnotationDefaultReferenceComboBox",
                           {QStringLiteral("DataView"), QStringLiteral("Channel"),
                            QStringLiteral("X-Channel Y-DataView"), QStringLiteral("Y-Channel X-DataView ")}));
    r.push_back(ControlRow("Annotation Defaults", "", "Reference Position-X", W::ComboBox,
                           "AnnotationDefaultReferencePositionX", "AnnotationDefaultReferencePositionXComboBox",
                           kControlReferenceItems));
    r.push_back(ControlRow("Annotation Defaults", "", "Reference Position-Y", W::ComboBox,
                           "AnnotationDefaultReferencePositionY", "AnnotationDefaultReferencePositionYComboBox",
                           kControlReferenceItems));
    r.push_back(ControlRow("Annotation Defaults", "", "Reference Size-X", W::ComboBox,
                           "AnnotationDefaultReferenceSizeX", "AnnotationDefaultReferenceSizeXComboBox",
                           kControlReferenceItems));
    r.push_back(ControlRow("Annotation Defaults", "", "Reference Size-Y", W::ComboBox,
                           "AnnotationDefaultReferenceSizeY", "AnnotationDefaultReferenceSizeYComboBox",
                           kControlReferenceItems));
    r.push_back(ControlRow("Annotation Defaults", "", "Font", W::FontPicker, "AnnotationDefaultFont",
                           "AnnotationDefaultFontPicker"));
    r.push_back(
        ControlRow("Print", "", "Show Dialog", W::CheckBox, "PrintShowDialog", "PrintShowDialogCheckBox"));
    r.push_back(ControlRow("Print", "", "Orientation", W::RadioGroup, "PrintOrientation", "PrintOrientationRadioGroup",
                           {QStringLiteral("Portrait"), QStringLiteral("Landscape")}));
    r.push_back(ControlRow("Print", "Margin", "Left", W::Edit, "PrintMarginLeft", "PrintMarginLeftEdit"));
    r.push_back(ControlRow("Print", "Margin", "Top", W::Edit, "PrintMarginTop", "PrintMarginTopEdit"));
    r.push_back(ControlRow("Print", "Margin", "Right", W::Edit, "PrintMarginRight", "PrintMarginRightEdit"));
    r.push_back(ControlRow("Print", "Margin", "Bottom", W::Edit, "PrintMarginBottom", "PrintMarginBottomEdit"));
    r.push_back(
        ControlRow("Print", "", "Document Name", W::Edit, "PrintDocumentName", "PrintDocumentNameEdit"));
    return t;
  }();
  return table;
}

const TiEditorPageTable& TitlePageTable() {
  static const TiEditorPageTable table = [] {
    TiEditorPageTable t;
    t.Kind = TiPlotObjectKind::Label;
    t.Rows = {ControlRow("Title", "", "Visible", W::CheckBox, "Visible", "TitleVisibleCheckBox"),
              ControlRow("Title", "", "Text", W::Edit, "Caption", "TitleTextEdit"),
              ControlRow("Title", "", "Margin", W::Edit, "MarginBottom", "TitleMarginEdit"),
              ControlRow("Title", "", "Font", W::FontPicker, "Font", "TitleFontPicker")};
    return t;
  }();
  return table;
}

const TiEditorPageTable& TitlePlotTable() {
  static const TiEditorPageTable table = [] {
    TiEditorPageTable t;
    t.Kind = TiPlotObjectKind::Other;
    t.Rows = {ControlRow("Title", "", "Visible", W::CheckBox, "TitleVisible", "TitleVisibleCheckBox"),
              ControlRow("Title", "", "Margin", W::Edit, "TitleMargin", "TitleMarginEdit"),
              ControlRow("Title", "", "Text", W::Edit, "TitleText", "TitleTextEdit"),
              ControlRow("Title", "", "Font", W::FontPicker, "TitleFont", "TitleFontPicker")};
    return t;
  }();
  return table;
}

void TiPlotEditorForm::BuildControlPage(QWidget* page) {
  int width = 0;
  int height = 0;
  QWidget* area = ObjectPageArea(page, false, width, height);
  // A write the plot refuses is shown, then the page shows the plot's values again.
  m_controlPage = BuildBindingPage(area, width, height, ControlPageTable(), m_controls,
                                   Hooks([this] { GeneralChanged(); }, [this] { RefillControlPage(); }));
  auto* pageControl = Control<TiComponentEditorPageControl>(QStringLiteral("ControlPageControl"));
  QWidget* titleSheet = pageControl->widget(1);
  m_titlePage = BuildBindingPage(titleSheet, width - 8, height - 30, TitlePageTable(), m_controls,
                                 Hooks([this] { TitleChange(); }, [this] { UpdateLabelEdit(); }));
  m_titlePlotView = BindBuiltControls(TitlePlotTable(), m_controls);
  BuildControlFileButtons(pageControl->widget(5));
}

void TiPlotEditorForm::BuildControlFileButtons(QWidget* sheet) {
  const auto group = [sheet](const QString& caption, int left, int top, int width, int height) {
    auto* box = new TiComponentEditorGroupBox(sheet);
    box->SetName(QStringLiteral("GroupBoxControl") + QString(caption).remove(QLatin1Char(' ')));
    box->setTitle(caption);
    box->SetBounds(left, top, width, height);
    return box;
  };
  const auto picker = [this](auto* p, const char* name, const char* caption, int left,
                             const QString& filter, const char* ext, void (TiPlotEditorForm::*change)()) {
    p->SetName(QString::fromLatin1(name));
    p->SetCaption(QString::fromLatin1(caption));
    p->SetBounds(left, 20, kEditorButtonWidth, kEditorButtonHeight);
    p->SetFilter(filter);
    p->SetDefaultExt(QString::fromLatin1(ext));
    p->OnChange = [this, change](TObject*) { RunAction([this, change] { (this->*change)(); }, {}); };
    m_controls.Register(p->Name(), p);
  };
  const QString config = QStringLiteral("Config (*.cfg)|*.cfg|All Files (*.*)|*.*");
  const QString data = QStringLiteral("Data (*.dat)|*.dat|All Files (*.*)|*.*");
  const QString dataOrLog = QStringLiteral("Data (*.dat)|*.dat|Log (*.log)|*.log|All Files (*.*)|*.*");
  const QString annotations = QStringLiteral("Annotations (*.ano)|*.ano|All Files (*.*)|*.*");
  const QString log = QStringLiteral("Log (*.log)|*.log|All Files (*.*)|*.*");
  using F = TiPlotEditorForm;
  constexpr int kGroupWidth = 2 * kEditorButtonWidth + 18;
  QWidget* properties = group(QStringLiteral("Properties"), 6, 6, kGroupWidth, 54);
  picker(new TiComponentEditorOpenPicker(properties), "ControlPropertiesOpenPicker", "Load", 6, config,
         "cfg", &F::ControlPropertiesOpenPickerChange);
  picker(new TiComponentEditorSavePicker(properties), "ControlPropertiesSavePicker", "Save",
         12 + kEditorButtonWidth, config, "cfg", &F::ControlPropertiesSavePickerChange);
  QWidget* dataGroup = group(QStringLiteral("Data"), 14 + kGroupWidth, 6, kGroupWidth, 54);
  picker(new TiComponentEditorSavePicker(dataGroup), "ControlDataSavePicker", "Save", 6, data, "dat",
         &F::ControlDataSavePickerChange);
  picker(new TiComponentEditorOpenPicker(dataGroup), "ControlDataOpenPicker", "Load",
         12 + kEditorButtonWidth, dataOrLog, "dat", &F::ControlDataOpenPickerChange);
  QWidget* annotationGroup = group(QStringLiteral("Annotations"), 22 + 2 * kGroupWidth, 6, kGroupWidth, 54);
  picker(new TiComponentEditorSavePicker(annotationGroup), "ControlAnnotationSavePicker", "Save", 6,
         annotations, "dat", &F::ControlAnnotationSavePickerChange);
  picker(new TiComponentEditorOpenPicker(annotationGroup), "ControlAnnotationOpenPicker", "Load",
         12 + kEditorButtonWidth, annotations, "dat", &F::ControlAnnotationOpenPickerChange);

  QWidget* logGroup = group(QStringLiteral("Log"), 6, 66, 3 * kGroupWidth + 16, 84);
  const auto moveInto = [this, logGroup](const char* name, int left, int top, int width) {
    auto* edit = Control<TiComponentEditorEdit>(QString::fromLatin1(name));
    auto* label = edit->parentWidget()->findChild<QLabel*>(edit->Name() + QStringLiteral("Label"));
    label->setParent(logGroup);
    label->setGeometry(6, top + 3, 70, 17);
    edit->setParent(logGroup);
    edit->SetBounds(left, top, width, 21);
    return edit;
  };
  TiComponentEditorEdit* fileName = moveInto("ControlLogFileNameEdit", 80, 20, 300);
  auto* fileNamePicker = new TiComponentEditorSavePicker(logGroup);
  fileNamePicker->SetName(QStringLiteral("ControlLogFileNamePicker"));
  fileNamePicker->SetCaption(QStringLiteral("..."));
  fileNamePicker->SetBounds(fileName->x() + fileName->width() + 2, 20, 21, 21);
  fileNamePicker->SetFilter(log);
  fileNamePicker->SetDefaultExt(QStringLiteral("log"));
  fileNamePicker->OnChange = [this](TObject*) { RunAction([this] { ControlLogFileNamePickerChange(); }, {}); };
  m_controls.Register(fileNamePicker->Name(), fileNamePicker);
  TiComponentEditorEdit* bufferSize = moveInto("ControlLogBufferSizeEdit", 80, 50, 60);
  if (auto* spin = Control<TControl>(QStringLiteral("ControlLogBufferSizeUpDown"))) {
    spin->setParent(logGroup);
    spin->SetBounds(bufferSize->x() + bufferSize->width(), 50, 15, 21);
  }
  AddButton(logGroup, QStringLiteral("ControlLogActivateButton"), QStringLiteral("Activate"), 170, 48,
            [this] { ControlLogActivateButtonClick(); })
      ->SetBounds(170, 48, 75, kEditorButtonHeight);
  AddButton(logGroup, QStringLiteral("ControlLogDeactivateButton"), QStringLiteral("Deactivate"), 250, 48,
            [this] { ControlLogDeactivateButtonClick(); })
      ->SetBounds(250, 48, 75, kEditorButtonHeight);
}

void TiPlotEditorForm::RefillControlPage() {
  if (m_plotComponent == nullptr) return;
  FillBindingPage(m_controlPage, *m_plotComponent);
  FillBindingPage(m_titlePlotView, *m_plotComponent);
}

void TiPlotEditorForm::GeneralChanged() {
  if (m_master != nullptr) m_master->BasicPropertyChanged();
  auto* edit = Control<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"));
  auto* picker = Control<TiComponentEditorSavePicker>(QStringLiteral("ControlLogFileNamePicker"));
  if (edit != nullptr && picker != nullptr) picker->SetFileName(edit->AsString());
}

void TiPlotEditorForm::TitleChange() {
  if (m_labelListBox->Count() == 0) return;
  auto* title = dynamic_cast<TiPlotObject*>(m_labelListBox->Object(0));
  if (title == nullptr) return;
  ApplyBindingPage(m_titlePage, *title);
  UpdateLabelEdit();
  m_labelListBox->viewport()->update();
}

void TiPlotEditorForm::ControlPropertiesOpenPickerChange() {
  if (m_plotComponent == nullptr) return;
  m_plotComponent->LoadPropertiesFromFile(
      Control<TiComponentEditorOpenPicker>(QStringLiteral("ControlPropertiesOpenPicker"))->FileName());
  UpdateAll();
}

void TiPlotEditorForm::ControlPropertiesSavePickerChange() {
  if (m_plotComponent == nullptr) return;
  m_plotComponent->SavePropertiesToFile(
      Control<TiComponentEditorSavePicker>(QStringLiteral("ControlPropertiesSavePicker"))->FileName());
}

void TiPlotEditorForm::ControlDataSavePickerChange() {
  if (m_plotComponent == nullptr) return;
  m_plotComponent->SaveDataToFile(
      Control<TiComponentEditorSavePicker>(QStringLiteral("ControlDataSavePicker"))->FileName());
}

void TiPlotEditorForm::ControlDataOpenPickerChange() {
  if (m_plotComponent == nullptr) return;
  // The file is read and checked before the channels are cleared: a file
  // that does not load leaves the points as they were.
  m_plotComponent->ReplaceDataFromFile(
      Control<TiComponentEditorOpenPicker>(QStringLiteral("ControlDataOpenPicker"))->FileName());
}

void TiPlotEditorForm::ControlAnnotationSavePickerChange() {
  if (m_plotComponent == nullptr) return;
  m_plotComponent->SaveAnnotationsToFile(
      Control<TiComponentEditorSavePicker>(QStringLiteral("ControlAnnotationSavePicker"))->FileName());
}

void TiPlotEditorForm::ControlAnnotationOpenPickerChange() {
  if (m_plotComponent == nullptr) return;
  m_plotComponent->LoadAnnotationsFromFile(
      Control<TiComponentEditorOpenPicker>(QStringLiteral("ControlAnnotationOpenPicker"))->FileName());
}

void TiPlotEditorForm::ControlLogFileNamePickerChange() {
  Control<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"))
      ->SetAsString(Control<TiComponentEditorSavePicker>(QStringLiteral("ControlLogFileNamePicker"))->FileName());
  if (m_master != nullptr) m_master->BasicPropertyChanged();
}

void TiPlotEditorForm::ControlLogActivateButtonClick() {
  if (m_plotComponent == nullptr) return;
  m_plotComponent->LogActivate(false);
  if (m_master != nullptr) m_master->BasicPropertyChanged();
}

void TiPlotEditorForm::ControlLogDeactivateButtonClick() {
  if (m_plotComponent == nullptr) return;
  m_plotComponent->LogDeactivate();
  if (m_master != nullptr) m_master->BasicPropertyChanged();
}
