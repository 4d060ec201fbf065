#include "widgets/smooth/TCurvyControls.h"

#include <algorithm>

TCurvyControl::TCurvyControl(TNotifyEvent changed) : m_changed(std::move(changed)) {
  const auto relayout = [this](TObject*) { Changed(); };
  m_picture.OnChange = relayout;
  m_pictureHover.OnChange = relayout;
  m_pictureDown.OnChange = relayout;
}

void TCurvyControl::SetDropDown(bool value) {
  if (StoreIfChanged(m_dropDown, value)) {
    Changed();
  }
}

void TCurvyControl::SetImageIndex(int value) {
  if (StoreIfChanged(m_imageIndex, value)) {
    Changed();
  }
}

void TCurvyControl::SetPosition(TControlPosition value) {
  if (StoreIfChanged(m_position, value)) {
    Changed();
  }
}

void TCurvyControl::Assign(const TCurvyControl& source) {
  m_hint = source.m_hint;
  m_imageIndex = source.m_imageIndex;
  m_imageIndexHover = source.m_imageIndexHover;
  m_imageIndexDown = source.m_imageIndexDown;
  m_position = source.m_position;
  m_dropDown = source.m_dropDown;
  Changed();
}

int TCurvyControl::StateImageIndex() const {
  if (m_state == TControlState::csHover && m_imageIndexHover >= 0) {
    return m_imageIndexHover;
  }
  if (m_state == TControlState::csDown && m_imageIndexDown >= 0) {
    return m_imageIndexDown;
  }
  return m_imageIndex;
}

int TCurvyControl::ItemWidth(int listWidth) const {
  const int picture = m_picture.Empty() ? listWidth : m_picture.Width();
  return picture + (m_dropDown ? 7 : 2);
}

int TCurvyControl::ItemHeight(int listHeight) const { return m_picture.Empty() ? listHeight : m_picture.Height(); }

TNotifyEvent TCurvyControls::ItemChanged() {
  return [this](TObject*) { Update(); };
}

TCurvyControl& TCurvyControls::Add() {
  TCurvyControl& item = *m_items.emplace_back(std::make_unique<TCurvyControl>(ItemChanged()));
  Update();
  return item;
}

TCurvyControl& TCurvyControls::Insert(int index) {
  const auto at = m_items.begin() + std::clamp<std::ptrdiff_t>(index, 0, std::ptrdiff_t(m_items.size()));
  TCurvyControl& item = **m_items.insert(at, std::make_unique<TCurvyControl>(ItemChanged()));
  Update();
  return item;
}

void TCurvyControls::Delete(int index) {
  if (index >= 0 && index < Count()) {
    m_items.erase(m_items.begin() + index);
    Update();
  }
}

void TCurvyControls::Clear() {
  m_items.clear();
  Update();
}

void TCurvyControls::SetImageListSize(int width, int height) {
  m_imageListImageWidth = width;
  m_imageListImageHeight = height;
}

void TCurvyControls::UpdateSizes() {
  m_leftSize = 0;
  m_leftControlSize = 0;
  m_rightSize = 0;
  m_rightControlSize = 2;
  for (const auto& item : m_items) {
    const int w = item->ItemWidth(m_imageListImageWidth);
    switch (item->Position()) {
      case TControlPosition::cpLeftInControl: m_leftControlSize += w; break;
      case TControlPosition::cpRightInControl: m_rightControlSize += w; break;
      case TControlPosition::cpLeft: m_leftSize += w; break;
      case TControlPosition::cpRight: m_rightSize += w; break;
    }
  }
}
