#include "plot/editor/TiComponentEditorColorPicker.h"

#include "plot/editor/TiColorDialog.h"
#include "plot/editor/TiCustomEditorForm.h"

TiComponentEditorColorPicker::TiComponentEditorColorPicker(QWidget* parent)
    : TCustomControl(parent), m_button(new TiComponentEditorButton(this)) {
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                   TControlStyleItem::csOpaque, TControlStyleItem::csDoubleClicks,
                   TControlStyleItem::csReplicatable});
  m_button->SetCaption(QStringLiteral("..."));
  QFont bold = m_button->font();
  bold.setBold(true);
  m_button->setFont(bold);
  m_button->OnClick = [this](TObject*) { ShowColorDialog(); };
  m_button->SetBounds(0, 0, 21, 21);
  SetBounds(Left(), Top(), 47, 21);
}

void TiComponentEditorColorPicker::SetColor(TColor value) {
  if (value == m_color) return;
  m_color = value;
  Invalidate();
}

void TiComponentEditorColorPicker::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  m_button->SetBounds(width - m_button->width(), 0, m_button->width(), height);
}

void TiComponentEditorColorPicker::Disable() {
  SetEnabled(false);
  m_button->SetEnabled(false);
  Invalidate();
}

void TiComponentEditorColorPicker::Enable() {
  SetEnabled(true);
  m_button->SetEnabled(true);
  Invalidate();
}

void TiComponentEditorColorPicker::ShowColorDialog() {
  TiColorDialog dialog(this);
  dialog.SetColor(m_color);
  if (!dialog.Execute()) return;
  m_color = dialog.Color();
  ReportUserChange(this);
  Invalidate();
  Raise(OnChange, this);
}

void TiComponentEditorColorPicker::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(Enabled() ? m_color : clBtnFace);
  canvas.Pen().SetColor(clBlack);
  canvas.Rectangle(0, 0, Width() - m_button->width() - 1, Height());
}

void TiComponentEditorColorPicker::DblClick() {
  TCustomControl::DblClick();
  ShowColorDialog();
}
