#include "app/builders/MainWindowBuilder.h"
#include "app/builders/MainWindowLook.h"
#include "components/LProgressBar.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/ButtonFaces.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrPowerButton.h"

TRzGroupBox& MainWindowBuilder::Group(QWidget* parent, const QString& name, const QString& caption, int left,
                                      int top, int width, int height, int tag) {
  auto& group = m_factory.Make<TRzGroupBox>(parent, name, left, top, width, height, tag);
  MainWindowLook::StyleGroup(group, caption);
  return group;
}

TLabel& MainWindowBuilder::Label(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                 int tag) {
  auto& label = m_factory.Make<TLabel>(parent, name, left, top, 0, 0, tag);
  label.SetTransparent(true);
  // One assignment of the whole font: an auto-sized label measures its
  // caption again on every change of its font.
  TFont font(label.Font());
  font.SetName(QStringLiteral("Arial"));
  font.SetHeight(-12);
  font.SetColor(clWhite);
  label.Font().Assign(font);
  label.SetCaption(caption);
  return label;
}

TLabel& MainWindowBuilder::OverviewLabel(QWidget* parent, const QString& name, const QString& caption, int left,
                                         int top, int width, int tag) {
  TLabel& label = Label(parent, name, caption, left, top, tag);
  label.SetAutoSize(false);
  label.SetBounds(left, top, width, 16);
  label.SetAlignment(TAlignment::taCenter);
  label.Font().SetStyle({TFontStyle::fsBold});
  return label;
}

TLabel& MainWindowBuilder::ColumnCaption(QWidget* parent, const QString& name, const QString& caption, int left,
                                         int top, int width, int tag) {
  TLabel& label = Label(parent, name, caption, left, top, tag);
  label.SetAutoSize(false);
  label.SetBounds(left, top, width, 14);
  label.SetAlignment(TAlignment::taCenter);
  label.Font().SetHeight(-10);
  return label;
}

TAdvTrackBar& MainWindowBuilder::Slider(QWidget* parent, const QString& name, int tag, int min, int max,
                                        int position, int pageSize, int left, int top, int height) {
  auto& bar = m_factory.Make<TAdvTrackBar>(parent, name, left, top, 30, height, tag);
  bar.SetOrientation(TTrackBarOrientation::trVertical);
  bar.SetMin(min);
  bar.SetMax(max);
  bar.SetPageSize(pageSize);
  bar.SetPosition(position);
  MainWindowLook::StyleSlider(bar);
  return bar;
}

TCurvyEdit& MainWindowBuilder::ValueBox(QWidget* parent, const QString& name, int tag, const QString& text, int left,
                                        int top, int width) {
  auto& box = m_factory.Make<TCurvyEdit>(parent, name, left, top, width, 21, tag);
  // The smaller corner leaves the inner edit the most room; set before the
  // inner edit is laid out.
  box.SetRounding(4);
  box.SetBounds(left, top, width, 24);
  box.SetAlignment(TAlignment::taCenter);
  box.Font().SetSize(8);
  box.SetText(text);
  return box;
}

TRzBmpButton& MainWindowBuilder::Button(QWidget* parent, const QString& name, const QString& caption, int tag,
                                        int left, int top, int width, int height) {
  auto& button = m_factory.Make<TRzBmpButton>(parent, name, left, top, width, height, tag);
  MainWindowLook::StyleButton(button, caption);
  return button;
}

TRzBmpButton& MainWindowBuilder::Toggle(QWidget* parent, const QString& name, const QString& caption, int tag,
                                        int groupIndex, int left, int top, int width, int height) {
  TRzBmpButton& button = Button(parent, name, caption, tag, left, top, width, height);
  button.SetGroupIndex(groupIndex);
  button.SetAllowAllUp(true);
  return button;
}

TRzComboBox& MainWindowBuilder::List(QWidget* parent, const QString& name, int tag, const QStringList& items,
                                     int itemIndex, int left, int top, int width) {
  auto& list = m_factory.Make<TRzComboBox>(parent, name, left, top, width, 21, tag);
  list.SetStyle(TComboBoxStyle::csDropDownList);
  list.SetItems(items);
  list.SetItemIndex(itemIndex);
  list.Font().SetHeight(-12);
  return list;
}

TVrPowerButton& MainWindowBuilder::Switch(QWidget* parent, const QString& name, const QString& caption, int tag,
                                          bool active, int left, int top, int width) {
  auto& button = m_factory.Make<TVrPowerButton>(parent, name, left, top, width, 22, tag);
  button.SetCaption(caption);
  button.SetColor(MainWindowLook::kPageColor);
  button.Font().SetHeight(-11);
  button.Font().SetColor(clWhite);
  button.SetActive(active);
  return button;
}

LProgressBar& MainWindowBuilder::Meter(QWidget* parent, const QString& name, int tag, int max, int left, int top,
                                       int height) {
  auto& meter = m_factory.Make<LProgressBar>(parent, name, left, top, 14, height, tag);
  if (max == 9) {
    meter.SetSecondNum(2);
    meter.SetThirdNum(6);
  } else {
    meter.SetFirstNum(1);
    meter.SetSecondNum(3);
    meter.SetThirdNum(4);
  }
  meter.SetMax(max);
  return meter;
}

LProgressBar& MainWindowBuilder::Lamp(QWidget* parent, const QString& name, int tag, int left, int top) {
  auto& lamp = m_factory.Make<LProgressBar>(parent, name, left, top, 14, 22, tag);
  lamp.SetFirstNum(0);
  lamp.SetThirdNum(0);
  lamp.SetSecondColor(MainWindowLook::kLampDark);
  lamp.SetLSecondColor(MainWindowLook::kLampLit);
  lamp.SetMax(1);
  return lamp;
}

void MainWindowBuilder::MeterScale(QWidget* parent, const QStringList& marks, const QString& suffix, int left,
                                   const QList<int>& tops) {
  for (int i = 0; i < marks.size(); ++i) {
    TLabel& label = Label(parent, QStringLiteral("lb") + marks[i] + suffix, MainWindowLook::ScaleText(marks[i]), left,
                          tops[i]);
    label.Font().SetHeight(-10);
    label.Font().SetColor(MainWindowLook::kScaleText);
  }
}
