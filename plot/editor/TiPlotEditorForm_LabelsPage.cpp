// The Labels page: the plot's labels, the first of them the plot's title.
#include "plot/editor/TiPlotEditorForm.h"

#include "plot/core/TiPlotObject.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/iPlotEditorPages.h"

namespace {

TiEditorBinding LabelRow(const char* caption, TiEditorWidget widget, const char* property,
                         TiEditorPlace place = TiEditorPlace::Flow) {
  TiEditorRow row(QStringLiteral("General"), caption, widget, property);
  if (place != TiEditorPlace::Flow) row.In(QStringLiteral("Margin"));
  row.At(place);
  return row;
}

}  // namespace

const TiEditorPageTable& LabelPageTable() {
  static const TiEditorPageTable table = [] {
    using W = TiEditorWidget;
    using P = TiEditorPlace;
    TiEditorPageTable t;
    t.Prefix = QStringLiteral("Label");
    t.Kind = TiPlotObjectKind::Label;
    t.PageControlName = QStringLiteral("LabelPageControl");
    t.SubPages = {QStringLiteral("General")};
    t.Rows = {LabelRow("Name", W::Edit, "Name"),
              LabelRow("Visible", W::CheckBox, "Visible"),
              LabelRow("Caption", W::Edit, "Caption"),
              LabelRow("", W::Edit, "MarginLeft", P::CrossLeft),
              LabelRow("", W::Edit, "MarginTop", P::CrossTop),
              LabelRow("", W::Edit, "MarginRight", P::CrossRight),
              LabelRow("", W::Edit, "MarginBottom", P::CrossBottom),
              LabelRow("Alignment", W::ComboBox, "Alignment"),
              LabelRow("Image List Index", W::SpinEdit, "ImageListIndex"),
              LabelRow("Image Index", W::SpinEdit, "ImageIndex"),
              LabelRow("Font", W::FontPicker, "Font")};
    t.Rows[7].Items = {QStringLiteral("Center"), QStringLiteral("Left"), QStringLiteral("Right")};
    t.Rows[8].SpinMin = -1;
    t.Rows[8].SpinMax = 2;
    t.Rows[9].SpinMin = -1;
    t.Rows[9].SpinMax = 255;
    return t;
  }();
  return table;
}

void TiPlotEditorForm::BuildLabelsPage(QWidget* page) {
  m_labelPage = BuildObjectPage(page, true, LabelPageTable(), [this] { LabelChange(); }, [this] { UpdateLabelEdit(); });
}

void TiPlotEditorForm::UpdateLabelEdit() {
  FillObjectPage(*m_labelListBox, m_labelPage);
  // The first label is the plot's title, which stays.
  if (m_labelListBox->ItemIndex() == 0) {
    Control<TiComponentEditorButton>(QStringLiteral("LabelRemoveButton"))->SetEnabled(false);
  }
}

void TiPlotEditorForm::LabelChange() {
  TiPlotObject* label = ApplyObjectPage(*m_labelListBox, m_labelPage);
  if (label == nullptr) return;
  if (m_labelListBox->Object(0) == label) FillBindingPage(m_titlePage, *label);
  UpdateLabelEdit();
  m_labelListBox->viewport()->update();
}
