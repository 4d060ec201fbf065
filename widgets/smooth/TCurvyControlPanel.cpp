#include "widgets/smooth/TCurvyControlPanel.h"

#include "platform/pictures/TImageList.h"
#include "platform/widgets/TPopupMenu.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"

TCurvyControlPanel::TCurvyControlPanel(QWidget* parent) : TCurvyPanel(parent) {
  m_controls.OnChange = [this](TObject*) { UpdateControlSizes(); };
}

void TCurvyControlPanel::SetImages(TImageList* value) {
  if (m_images != nullptr) {
    disconnect(m_images, &QObject::destroyed, this, nullptr);
  }
  m_images = value;
  if (value != nullptr) {
    connect(value, &QObject::destroyed, this, [this] { SetImages(nullptr); });
  }
  m_controls.SetImageListSize(value != nullptr ? value->Width() : 0, value != nullptr ? value->Height() : 0);
  UpdateControlSizes();
}

void TCurvyControlPanel::UpdateControlSizes() {
  m_controls.UpdateSizes();
  SetIndents(m_controls.LeftSize(), m_controls.RightSize());
  LayoutInnerEdit();
  Invalidate();
}

std::vector<int> TCurvyControlPanel::ItemStarts() {
  int runs[4] = {m_controls.LeftSize() + Rounding() / 2,
                 Width() - m_controls.RightSize() - m_controls.RightControlSize() - Rounding() / 2, 0,
                 Width() - m_controls.RightSize() + 2};
  std::vector<int> starts;
  for (int i = 0; i < m_controls.Count(); ++i) {
    int& run = runs[int(m_controls.Items(i).Position())];
    starts.push_back(run);
    run += m_controls.ItemWidth(i);
  }
  return starts;
}

int TCurvyControlPanel::ItemAt(int x) {
  const std::vector<int> starts = ItemStarts();
  for (int i = 0; i < m_controls.Count(); ++i) {
    if (starts[std::size_t(i)] < x && x < starts[std::size_t(i)] + m_controls.ItemWidth(i)) {
      return i;
    }
  }
  return -1;
}

void TCurvyControlPanel::Paint() {
  TCurvyPanel::Paint();
  if (m_controls.Count() == 0) {
    return;
  }
  TGPGraphics graphics(Canvas());
  const std::vector<int> starts = ItemStarts();
  for (int i = 0; i < m_controls.Count(); ++i) {
    TCurvyControl& item = m_controls.Items(i);
    TAdvGDIPPicture* picture = &item.Picture();
    if (item.State() == TControlState::csHover && !item.PictureHover().Empty()) {
      picture = &item.PictureHover();
    } else if (item.State() == TControlState::csDown && !item.PictureDown().Empty()) {
      picture = &item.PictureDown();
    }
    const int x = starts[std::size_t(i)];
    const int y = (Height() - m_controls.ItemHeight(i)) / 2;
    int w = 0;
    if (!item.Picture().Empty()) {
      picture->GDIPDraw(graphics, Bounds(x, y, picture->Width(), picture->Height()));
      w = picture->Width();
    } else if (m_images != nullptr) {
      m_images->Draw(Canvas(), x, y, item.StateImageIndex());
      w = m_images->Width();
    } else {
      continue;
    }
    if (item.DropDown()) {
      graphics.SetSmoothingMode(SmoothingMode::SmoothingModeHighQuality);
      graphics.FillPolygon(TGPSolidBrush(OpaqueArgb(0, 0, 0)),
                           std::vector<TGPPoint>{{x + w, y + 5}, {x + w + 6, y + 5}, {x + w + 3, y + 9}});
    }
  }
}

void TCurvyControlPanel::SetStates(int hovered, TControlState state) {
  bool changed = false;
  for (int i = 0; i < m_controls.Count(); ++i) {
    TCurvyControl& item = m_controls.Items(i);
    const TControlState wanted = i == hovered ? state : TControlState::csNormal;
    if (item.State() != wanted) {
      item.SetState(wanted);
      changed = true;
    }
  }
  if (hovered >= 0 && !m_controls.Items(hovered).Hint().isEmpty()) {
    setToolTip(m_controls.Items(hovered).Hint());
  }
  if (changed) {
    Invalidate();
  }
}

void TCurvyControlPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCurvyPanel::MouseDown(button, shift, x, y);
  const int index = ItemAt(x);
  if (index < 0) {
    return;
  }
  SetStates(index, TControlState::csDown);
  TCurvyControl& item = m_controls.Items(index);
  if (item.DropDown() && item.PopupMenu()) {
    const int start = ItemStarts()[std::size_t(index)];
    const QPoint at = mapToGlobal(QPoint(start, Height() - 3));
    item.PopupMenu()->Popup(at.x(), at.y());
  }
}

void TCurvyControlPanel::MouseMove(TShiftState shift, int x, int y) {
  TCurvyPanel::MouseMove(shift, x, y);
  const int index = ItemAt(x);
  if (index >= 0 && m_controls.Items(index).State() == TControlState::csDown) {
    return;
  }
  SetStates(index, TControlState::csHover);
}

void TCurvyControlPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCurvyPanel::MouseUp(button, shift, x, y);
  const int index = ItemAt(x);
  if (index >= 0) {
    DoControlClick(index);
    SetStates(-1, TControlState::csNormal);
  }
}

void TCurvyControlPanel::MouseLeave() {
  TCurvyPanel::MouseLeave();
  SetStates(-1, TControlState::csNormal);
}

void TCurvyControlPanel::DoControlClick(int index) {
  if (OnControlClick) {
    OnControlClick(this, index);
  }
}
