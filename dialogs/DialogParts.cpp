#include "dialogs/DialogParts.h"

#include <algorithm>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TitleBar.h"
#include "widgets/buttons/ButtonFaces.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panelset/Gradients.h"

namespace DialogParts {

void SetDialogFrame(TForm& form, int width, int height) {
  form.resize(width, height);
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetPosition(TPosition::poScreenCenter);
}

void FitTitle(TForm& form, int width) {
  const int frame = form.frameGeometry().width() - form.width();
  const int wanted = width + std::max(0, TitleBar::TextWidth(form.Caption()) - TitleBar::Room(width + frame));
  const int now = form.width();
  if (wanted == now) {
    return;
  }
  const int shift = (wanted - width) / 2 - (now - width) / 2;
  for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    auto* control = dynamic_cast<TControl*>(child);
    if (control == nullptr) {
      continue;
    }
    if (control->Left() == 0 && control->Width() == now) {
      control->SetWidth(wanted);
    } else {
      control->SetLeft(control->Left() + shift);
    }
  }
  form.setFixedSize(wanted, form.height());
}

TImage& AddBackground(TForm& form, const QString& name) {
  const int width = form.width();
  const int height = form.height();
  auto* image = new TImage(&form);
  image->SetName(name);
  image->SetBounds(0, 0, width, height);
  image->SetStretch(true);
  TBitmap& base = image->Picture().Bitmap();
  base.SetSize(width, height);
  Rz::FillGradient(base.Canvas(), Rect(0, 0, width, height), Rz::TGradientDirection::gdVerticalEnd,
                   RGB(70, 80, 100), RGB(24, 28, 36), 64);
  return *image;
}

TRzBmpButton& AddButton(QWidget& parent, const QString& name, int left, int top, int modalResult) {
  auto* button = new TRzBmpButton(&parent);
  button->SetName(name);
  button->SetBounds(left, top, 80, 30);
  button->Font().SetName(QStringLiteral("Arial"));
  button->Font().SetHeight(-13);
  button->Font().SetColor(clWhite);
  button->SetModalResult(modalResult);
  ButtonFaces::Fill(button->Bitmaps(), 80, 30, clFuchsia);
  return *button;
}

TLabel& AddLabel(QWidget& parent, const QString& name, int left, int top, const QString& caption) {
  auto* label = new TLabel(&parent);
  label->SetName(name);
  label->SetLeft(left);
  label->SetTop(top);
  label->SetTransparent(true);
  label->Font().SetName(QStringLiteral("Arial"));
  label->Font().SetHeight(-13);
  label->Font().SetColor(clWhite);
  label->SetCaption(caption);
  return *label;
}

TLabel& AddCentredLabel(QWidget& parent, const QString& name, int left, int top, int width, const QString& caption) {
  TLabel& label = AddLabel(parent, name, left, top, caption);
  label.SetAutoSize(false);
  label.SetBounds(left, top, width, 20);
  label.SetAlignment(TAlignment::taCenter);
  label.SetLayout(TTextLayout::tlCenter);
  return label;
}

TRzGroupBox& AddGroup(QWidget& parent, const QString& name, const QString& caption, int left, int top, int width,
                      int height, bool bold) {
  auto* group = new TRzGroupBox(&parent);
  group->SetName(name);
  group->SetBounds(left, top, width, height);
  group->SetCaption(caption);
  group->SetColor(kGroupColor);
  group->Font().SetName(QStringLiteral("Arial"));
  group->Font().SetHeight(-13);
  if (bold) {
    group->Font().SetStyle({TFontStyle::fsBold});
  }
  return *group;
}

void RegisterControls(ControlRegistry& registry, QWidget& root) {
  if (auto* control = dynamic_cast<TControl*>(&root); control != nullptr && !control->Name().isEmpty()) {
    registry.Register(control->Name(), control);
  }
  for (QWidget* child : root.findChildren<QWidget*>(Qt::FindChildrenRecursively)) {
    if (auto* control = dynamic_cast<TControl*>(child); control != nullptr && !control->Name().isEmpty()) {
      registry.Register(control->Name(), control);
    }
  }
}

}  // namespace DialogParts
