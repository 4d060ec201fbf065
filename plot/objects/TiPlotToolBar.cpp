#include "plot/objects/TiPlotToolBar.h"

#include <cmath>

#include "platform/drawing/TCanvas.h"
#include "plot/base/iDrawing.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObjectManager.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

using BT = TiPlotToolBarButtonType;

TiPlotToolBar::TiPlotToolBar(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                             TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)) {
  SetHorizontal(true);
  AddButton(BT::iptbbtResume, "Resume All (Tracking)", 0);
  AddButton(BT::iptbbtPause, "Pause All (Tracking)", 0);
  AddSpacer();
  AddButton(BT::iptbbtScrollAxesMode, "Scroll (Axes)", 2)->SetDown(true);
  AddButton(BT::iptbbtZoomAxesMode, "Zoom (Axes)", 2);
  AddSpacer();
  AddButton(BT::iptbbtZoomOut, "Zoom Out All Axes", 0);
  AddButton(BT::iptbbtZoomIn, "Zoom In All Axes", 0);
  AddSpacer();
  AddButton(BT::iptbbtSelect, "Select", -1)->SetVisible(false);
  AddButton(BT::iptbbtZoomBox, "Zoom Box", -1);
  AddButton(BT::iptbbtCursor, "Cursor", -2);
  AddSpacer();
  AddButton(BT::iptbbtEdit, "Properties", 0);
  AddSpacer();
  AddButton(BT::iptbbtCopy, "Copy to Clipboard", 0);
  AddButton(BT::iptbbtSave, "Save to File", 0);
  AddButton(BT::iptbbtPrint, "Print", 0);
  AddButton(BT::iptbbtPreview, "Preview", 0)->SetVisible(false);
  Button(BT::iptbbtCursor).OnDownChange = [this](TObject*) { CursorDownChange(); };
  Button(BT::iptbbtSelect).OnDownChange = [this](TObject*) { SelectDownChange(); };
}

TiPlotToolBar::~TiPlotToolBar() = default;

TiPlotToolBarButton* TiPlotToolBar::AddButton(TiPlotToolBarButtonType type, const char* hint, int groupIndex) {
  auto button = std::make_unique<TiPlotToolBarButton>(Owner(), this, type, TiPlotToolBarButtonStyle::iptbbsButton,
                                                      QString::fromLatin1(hint));
  button->SetGroupIndex(groupIndex);
  button->OnChange = [this](TObject*) { DoChange(); };
  button->OnInvalidate = [this](TObject*) { Raise(OnInvalidateNow, this); };
  button->OnGroupClick = [this](TObject* sender) { GroupClick(sender); };
  button->OnClick = [this, type](TObject*) { DoButtonClick(type); };
  m_buttons.push_back(std::move(button));
  return m_buttons.back().get();
}

void TiPlotToolBar::AddSpacer() {
  m_buttons.push_back(std::make_unique<TiPlotToolBarButton>(Owner(), this, BT::iptbbtResume,
                                                            TiPlotToolBarButtonStyle::iptbbsSpacer, QString()));
}

TiPlotToolBarButton& TiPlotToolBar::Button(TiPlotToolBarButtonType type) const {
  for (const auto& b : m_buttons) {
    if (b->Style() == TiPlotToolBarButtonStyle::iptbbsButton && b->Type() == type) {
      return *b;
    }
  }
  Q_ASSERT(false);
  return *m_buttons.front();
}

void TiPlotToolBar::SetButtonVisible(TiPlotToolBarButtonType type, bool value) {
  TiPlotToolBarButton& b = Button(type);
  if (b.Visible() != value) {
    b.SetVisible(value);
    DoChange();
  }
}

bool TiPlotToolBar::ShowResumeButton() const { return Button(BT::iptbbtResume).Visible(); }
void TiPlotToolBar::SetShowResumeButton(bool v) { SetButtonVisible(BT::iptbbtResume, v); }
bool TiPlotToolBar::ShowPauseButton() const { return Button(BT::iptbbtPause).Visible(); }
void TiPlotToolBar::SetShowPauseButton(bool v) { SetButtonVisible(BT::iptbbtPause, v); }
bool TiPlotToolBar::ShowAxesModeButtons() const { return Button(BT::iptbbtScrollAxesMode).Visible(); }
void TiPlotToolBar::SetShowAxesModeButtons(bool v) {
  SetButtonVisible(BT::iptbbtScrollAxesMode, v);
  SetButtonVisible(BT::iptbbtZoomAxesMode, v);
}
bool TiPlotToolBar::ShowZoomInOutButtons() const { return Button(BT::iptbbtZoomIn).Visible(); }
void TiPlotToolBar::SetShowZoomInOutButtons(bool v) {
  SetButtonVisible(BT::iptbbtZoomIn, v);
  SetButtonVisible(BT::iptbbtZoomOut, v);
}
bool TiPlotToolBar::ShowSelectButton() const { return Button(BT::iptbbtSelect).Visible(); }
void TiPlotToolBar::SetShowSelectButton(bool v) { SetButtonVisible(BT::iptbbtSelect, v); }
bool TiPlotToolBar::ShowZoomBoxButton() const { return Button(BT::iptbbtZoomBox).Visible(); }
void TiPlotToolBar::SetShowZoomBoxButton(bool v) { SetButtonVisible(BT::iptbbtZoomBox, v); }
bool TiPlotToolBar::ShowCursorButton() const { return Button(BT::iptbbtCursor).Visible(); }
void TiPlotToolBar::SetShowCursorButton(bool v) { SetButtonVisible(BT::iptbbtCursor, v); }
bool TiPlotToolBar::ShowEditButton() const { return Button(BT::iptbbtEdit).Visible(); }
void TiPlotToolBar::SetShowEditButton(bool v) { SetButtonVisible(BT::iptbbtEdit, v); }
bool TiPlotToolBar::ShowCopyButton() const { return Button(BT::iptbbtCopy).Visible(); }
void TiPlotToolBar::SetShowCopyButton(bool v) { SetButtonVisible(BT::iptbbtCopy, v); }
bool TiPlotToolBar::ShowSaveButton() const { return Button(BT::iptbbtSave).Visible(); }
void TiPlotToolBar::SetShowSaveButton(bool v) { SetButtonVisible(BT::iptbbtSave, v); }
bool TiPlotToolBar::ShowPrintButton() const { return Button(BT::iptbbtPrint).Visible(); }
void TiPlotToolBar::SetShowPrintButton(bool v) { SetButtonVisible(BT::iptbbtPrint, v); }
bool TiPlotToolBar::ShowPreviewButton() const { return Button(BT::iptbbtPreview).Visible(); }
void TiPlotToolBar::SetShowPreviewButton(bool v) { SetButtonVisible(BT::iptbbtPreview, v); }

void TiPlotToolBar::SetZoomInOutFactor(double value) {
  if (std::isnan(value) || value < 1) {
    value = 1;
  }
  StoreAndChange(value, m_zoomInOutFactor);
}

void TiPlotToolBar::SetFlatButtons(bool value) {
  if (StoreValue(value, m_flatButtons)) {
    for (const auto& b : m_buttons) {
      b->SetFlat(value);
    }
    DoChange();
  }
}

void TiPlotToolBar::SetSmallButtons(bool value) {
  if (StoreValue(value, m_smallButtons)) {
    for (const auto& b : m_buttons) {
      b->SetSmall(value);
    }
    DoLayoutChange();
  }
}

bool TiPlotToolBar::ZoomBoxActive() const { return Button(BT::iptbbtZoomBox).Down(); }
bool TiPlotToolBar::CursorActive() const { return Button(BT::iptbbtCursor).Down(); }
bool TiPlotToolBar::SelectActive() const { return Button(BT::iptbbtSelect).Down(); }

void TiPlotToolBar::GroupClick(TObject* sender) {
  auto* clicked = static_cast<TiPlotToolBarButton*>(sender);
  for (const auto& b : m_buttons) {
    if (b.get() != clicked && b->Style() == TiPlotToolBarButtonStyle::iptbbsButton &&
        b->GroupIndex() == clicked->GroupIndex()) {
      b->SetDown(false);
    }
  }
}

void TiPlotToolBar::DoButtonClick(TiPlotToolBarButtonType type) {
  const int index = Owner()->ObjectIndex(this);
  TiPlotComponent& plot = *Owner();
  if (!plot.IsLoading() && plot.OnBeforeToolBarButtonClick) {
    bool cancel = false;
    plot.OnBeforeToolBarButtonClick(index, type, cancel);
    if (cancel) {
      return;
    }
  }
  RunAction(type);
  if (type != BT::iptbbtEdit && !plot.IsLoading() && plot.OnToolBarButtonClick) {
    plot.OnToolBarButtonClick(index, type);
  }
}

void TiPlotToolBar::RunAction(TiPlotToolBarButtonType type) {
  TiPlotComponent& plot = *Owner();
  const auto axes = [&plot] {
    std::vector<TiPlotAxis*> list;
    for (int i = 0; i < plot.XAxisCount(); ++i) {
      list.push_back(plot.XAxis(i));
    }
    for (int i = 0; i < plot.YAxisCount(); ++i) {
      list.push_back(plot.YAxis(i));
    }
    return list;
  };
  switch (type) {
    case BT::iptbbtResume:
      if (CursorActive()) {
        DoButtonClick(BT::iptbbtCursor);
      }
      if (SelectActive()) {
        DoButtonClick(BT::iptbbtSelect);
      }
      for (TiPlotObject* object : plot.Master().ObjectManager().Snapshot()) {
        object->SetUserSelected(false);
      }
      plot.EnableAllTracking();
      break;
    case BT::iptbbtPause:
      plot.DisableAllTracking();
      break;
    case BT::iptbbtScrollAxesMode:
    case BT::iptbbtZoomAxesMode: {
      const bool zoom = type == BT::iptbbtZoomAxesMode;
      Button(BT::iptbbtZoomAxesMode).SetDown(zoom);
      Button(BT::iptbbtScrollAxesMode).SetDown(!zoom);
      for (TiPlotAxis* axis : axes()) {
        axis->SetMode(zoom ? TiPlotAxisMode::ipamZoom : TiPlotAxisMode::ipamScroll);
      }
      break;
    }
    case BT::iptbbtZoomOut:
    case BT::iptbbtZoomIn: {
      DoButtonClick(BT::iptbbtPause);
      const bool in = type == BT::iptbbtZoomIn;
      for (TiPlotAxis* axis : axes()) {
        if (axis->ScaleType() == TiPlotScaleType::ipstLog10) {
          axis->Zoom(in ? -1 : 1);
        } else {
          axis->Zoom(in ? 1 / m_zoomInOutFactor : m_zoomInOutFactor);
        }
      }
      break;
    }
    case BT::iptbbtSelect:
      Button(BT::iptbbtSelect).SetDown(!SelectActive());
      Button(BT::iptbbtZoomBox).SetDown(false);
      break;
    case BT::iptbbtZoomBox:
      Button(BT::iptbbtSelect).SetDown(false);
      Button(BT::iptbbtZoomBox).SetDown(!ZoomBoxActive());
      break;
    case BT::iptbbtCursor:
      Button(BT::iptbbtCursor).SetDown(!CursorActive());
      break;
    case BT::iptbbtCopy:
      plot.CopyToClipBoard();
      break;
    case BT::iptbbtSave:
      plot.Save();
      break;
    case BT::iptbbtPrint:
      plot.PrintChart();
      break;
    case BT::iptbbtPreview:
      plot.PreviewChart();
      break;
    case BT::iptbbtEdit:
      plot.Master().EditProperties();
      break;
  }
}

void TiPlotToolBar::TurnOffCursor() { Button(BT::iptbbtCursor).SetDown(false); }

void TiPlotToolBar::CursorDownChange() {
  TiPlotComponent& plot = *Owner();
  TiPlotKindManager& cursors = plot.Master().DataCursorManager();
  const bool down = CursorActive();
  for (TiPlotObject* cursor : cursors.Snapshot()) {
    cursor->SetVisible(down);
  }
  if (down) {
    plot.DisableAllTracking();
    if (cursors.Count() > 0) {
      cursors.Items(0)->SetUserSelected(true);
    }
  }
}

void TiPlotToolBar::SelectDownChange() {
  if (SelectActive()) {
    Owner()->DisableAllTracking();
  }
}

int TiPlotToolBar::GetRequiredWidth(TCanvas&) { return m_smallButtons ? 28 : 36; }

TiPlotObject* TiPlotToolBar::DoMouseOver(int x, int y) {
  TiPlotObject* answer = TiPlotLayoutObject::DoMouseOver(x, y);
  for (const auto& b : m_buttons) {
    if (b->Visible() && b->Style() == TiPlotToolBarButtonStyle::iptbbsButton && x >= b->Left && x < b->Right &&
        y >= b->Top && y < b->Bottom) {
      return b.get();
    }
  }
  return answer;
}

void TiPlotToolBar::NotificationSetFocus(TObject* sender) {
  TiPlotLayoutObject::NotificationSetFocus(sender);
  auto* other = dynamic_cast<TiPlotObject*>(sender);
  if (other != nullptr && other != this && other->UserSelected()) {
    SetUserSelected(false);
  }
}

void TiPlotToolBar::AddMenuItems(TPopupMenu& popupMenu) {
  TiPlotLayoutObject::AddMenuItems(popupMenu);
  AddEditMenuItem(popupMenu);
}

void TiPlotToolBar::Draw(TCanvas& canvas, TColor backGroundColor) {
  TiPlotLayoutObject::Draw(canvas, backGroundColor);
  if (!Visible()) {
    return;
  }
  const int s = m_smallButtons ? 22 : 30;
  const auto shown = [this](BT type) { return Button(type).Visible(); };
  // Spacers follow the button pairs before them; the Select button does
  // not count for the spacer after Zoom Box and Cursor.
  const bool spacerShown[5] = {shown(BT::iptbbtResume) || shown(BT::iptbbtPause),
                               shown(BT::iptbbtScrollAxesMode) || shown(BT::iptbbtZoomAxesMode),
                               shown(BT::iptbbtZoomOut) || shown(BT::iptbbtZoomIn),
                               shown(BT::iptbbtZoomBox) || shown(BT::iptbbtCursor), shown(BT::iptbbtEdit)};
  bool anyTracking = false;
  bool anyPaused = false;
  TiPlotComponent& plot = *Owner();
  for (int i = 0; i < plot.XAxisCount() + plot.YAxisCount(); ++i) {
    const TiPlotAxis* axis = i < plot.XAxisCount() ? static_cast<TiPlotAxis*>(plot.XAxis(i))
                                                   : static_cast<TiPlotAxis*>(plot.YAxis(i - plot.XAxisCount()));
    (axis->TrackingEnabled() ? anyTracking : anyPaused) = true;
  }
  Button(BT::iptbbtResume).SetEnabled(anyPaused);
  Button(BT::iptbbtPause).SetEnabled(anyTracking);
  const TRect d = DrawRect();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(clBtnFace);
  canvas.Pen().SetWidth(1);
  canvas.FillRect({d.Left, d.Top, d.Right + 1, d.Bottom});
  if (!m_flatBorder) {
    DrawFrame3D(canvas, d, 1);
  }
  int x = d.Left + 3;
  int spacer = 0;
  for (const auto& b : m_buttons) {
    const bool isSpacer = b->Style() == TiPlotToolBarButtonStyle::iptbbsSpacer;
    const bool visible = isSpacer ? spacerShown[spacer++] : b->Visible();
    if (!visible) {
      continue;
    }
    const int w = isSpacer ? 10 : s;
    b->SetDrawRect({x, d.Top + 3, x + w, d.Top + 3 + s});
    b->Draw(canvas, clBtnFace);
    x += w;
  }
}
