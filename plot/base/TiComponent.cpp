#include "plot/base/TiComponent.h"

#include <exception>

#include <QLoggingCategory>

#include "platform/pictures/TBitmap.h"
#include "plot/base/EPlotError.h"
#include "plot/base/TiUpdateClock.h"
#include "plot/base/iDrawing.h"

Q_LOGGING_CATEGORY(lcPlotComponent, "krv71.plot.component")

TiComponent::TiComponent(QWidget* parent) : TCustomControl(parent), m_lastUpdate(TiUpdateClock::NowNs()) {
  m_errorFont.SetColor(clRed);
  m_errorFont.SetStyle({TFontStyle::fsBold});
  m_errorFont.OnChange = [this](TObject*) { InvalidateChange(); };
  GlobalUpdateObject().AddUpdateControl(this);
}

TiComponent::~TiComponent() {
  m_errorFont.OnChange = nullptr;
  GlobalUpdateObject().RemoveUpdateControl(this);
}

void TiComponent::InvalidateNow() {
  m_needsRepaint = false;
  m_lastUpdate = TiUpdateClock::NowNs();
  Invalidate();
}

void TiComponent::InvalidateIfDue() {
  // The coarse reading lags the clock that stamped the last update by at
  // most a tick: a repaint comes that much late at worst, never early.
  if (m_autoFrameRate && m_updateFrameRate != 0 && TiUpdateClock::CoarseNowNs() <= m_lastUpdate + m_framePeriodNs) {
    return;
  }
  InvalidateNow();
}

void TiComponent::InvalidateChange() {
  if (m_changeGroupDepth > 0) {
    ++m_groupedChanges;
    return;
  }
  if (m_updateActive) {
    m_needsRepaint = true;
  } else if (m_autoFrameRate) {
    m_needsRepaint = true;
    InvalidateIfDue();
  } else {
    InvalidateNow();
  }
}

void TiComponent::EndChangeGroup() {
  if (--m_changeGroupDepth > 0 || m_groupedChanges == 0) {
    return;
  }
  const int changes = m_groupedChanges;
  m_groupedChanges = 0;
  InvalidateChange();
  if (m_updateActive || !m_autoFrameRate || m_updateFrameRate == 0) {
    for (int i = 1; i < changes; ++i) {
      InvalidateChange();
    }
  } else if (changes > 1) {
    // The later changes of the instant find a repaint just made not yet
    // due and record one, as each would have done on its own.
    m_needsRepaint = true;
  }
}

void TiComponent::BackGroundChange() {
  m_backGroundChanged = true;
  InvalidateChange();
}

void TiComponent::ApplyRepaint(RepaintKind kind) {
  switch (kind) {
    case RepaintKind::Invalidate:
      InvalidateChange();
      break;
    case RepaintKind::BackGround:
      BackGroundChange();
      break;
    case RepaintKind::None:
      break;
  }
}

void TiComponent::EndUpdate() {
  m_updateActive = false;
  if (m_needsRepaint) {
    InvalidateIfDue();
  }
}

void TiComponent::SetAutoFrameRate(bool value) {
  if (value == m_autoFrameRate) {
    return;
  }
  m_autoFrameRate = value;
  if (value) {
    BackGroundChange();
  } else {
    EndUpdate();
  }
}

void TiComponent::SetUpdateFrameRate(int value) {
  if (value != m_updateFrameRate) {
    m_framePeriodNs = value != 0 ? 1'000'000'000 / value : 0;
  }
  SetIntegerProperty(value, m_updateFrameRate, RepaintKind::BackGround);
}

void TiComponent::SetBorderStyle(TiBevelStyle value) {
  if (value != m_borderStyle) {
    m_borderStyle = value;
    BackGroundChange();
  }
}

void TiComponent::SetCachedDrawing(bool value) {
  if (value == m_cachedDrawing) {
    return;
  }
  m_cachedDrawing = value;
  BackGroundChange();
  if (!value) {
    m_backGroundBitmap.reset();
  }
}

TPoint TiComponent::GetCenterPoint() const { return {Width() / 2 + m_offsetX, Height() / 2 + m_offsetY}; }

TBitmap& TiComponent::GetBackGroundBitmap() {
  if (!m_backGroundBitmap) {
    m_backGroundBitmap = std::make_unique<TBitmap>(Width(), Height());
  }
  return *m_backGroundBitmap;
}

bool TiComponent::GetDesigning() const {
  bool designing = false;
  if (OnGetDesigning) {
    OnGetDesigning(const_cast<TiComponent*>(this), designing);
  }
  return designing;
}

bool TiComponent::SaveImageToBitmap(const QString& fileName, QString* error) {
  TBitmap bitmap(Width(), Height());
  Lock();
  try {
    iPaintTo(bitmap.Canvas());
  } catch (const std::exception& e) {
    Unlock();
    if (error) {
      *error = QString::fromStdString(e.what());
    }
    return false;
  }
  Unlock();
  return bitmap.SaveToFile(fileName, error);
}

void TiComponent::SetEnabled(bool value) {
  TCustomControl::SetEnabled(value);
  BackGroundChange();
}

void TiComponent::DrawBackGround(TCanvas& canvas, TColor color) {
  m_backGroundChanged = false;
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect({0, 0, Width(), Height()});
  DrawBorder(canvas);
}

void TiComponent::DrawBorder(TCanvas& canvas) {
  const TRect r{0, 0, Width(), Height()};
  if (m_borderStyle == TiBevelStyle::ibsRaised) {
    DrawFrame3D(canvas, r, 1);
  } else if (m_borderStyle == TiBevelStyle::ibsLowered) {
    DrawFrame3D(canvas, r, 0);
  }
}

void TiComponent::iDoSetFocus() {
  m_hasFocus = true;
  Invalidate();
}

void TiComponent::iDoKillFocus() {
  m_hasFocus = false;
  try {
    iMouseUp(TMouseButton::mbLeft, {}, 0, 0);
    Invalidate();
  } catch (const std::exception& e) {
    qCWarning(lcPlotComponent) << "focus loss:" << e.what();
  }
}

void TiComponent::iWantSpecialKey(WORD&, bool&) {}
void TiComponent::iKeyUp(WORD&, TShiftState) {}
void TiComponent::iKeyDown(WORD&, TShiftState) {}
void TiComponent::iKeyPress(QChar&) {}
void TiComponent::iMouseDown(TMouseButton, TShiftState, int, int) {}
void TiComponent::iMouseUp(TMouseButton, TShiftState, int, int) {}
void TiComponent::iMouseMove(TShiftState, int, int) {}
void TiComponent::iDoubleClick() {}
bool TiComponent::iMouseWheel(int, TShiftState, TPoint) { return false; }

void TiComponent::SetBooleanProperty(bool value, bool& field, RepaintKind kind) {
  if (value != field) {
    field = value;
    ApplyRepaint(kind);
  }
}

void TiComponent::SetIntegerProperty(int value, int& field, RepaintKind kind) {
  if (value != field) {
    field = value;
    ApplyRepaint(kind);
  }
}

void TiComponent::SetColorProperty(TColor value, TColor& field, RepaintKind kind) {
  if (value != field) {
    field = value;
    ApplyRepaint(kind);
  }
}

void TiComponent::Paint() { PaintOffScreen(); }

void TiComponent::PaintOffScreen() {
  Lock();
  try {
    TBitmap offScreen(Width(), Height());
    TCanvas& canvas = offScreen.Canvas();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    try {
      iPaintTo(canvas);
    } catch (const std::exception& e) {
      // The message is shown inside the control, white on black.
      canvas.Brush().SetStyle(TBrushStyle::bsSolid);
      canvas.Brush().SetColor(clBlack);
      TRect r{0, 0, Width(), Height()};
      canvas.FillRect(r);
      canvas.Font().SetColor(clWhite);
      canvas.Brush().SetStyle(TBrushStyle::bsClear);
      iDrawText(canvas, QString::fromStdString(e.what()), r, clBtnFace, true, iTextFlag::WordBreak);
    }
    if (OnPaint) {
      OnPaint(this, canvas);
    }
    Canvas().Draw(0, 0, offScreen);
  } catch (const std::exception& e) {
    qCWarning(lcPlotComponent) << "paint:" << e.what();
  }
  Unlock();
}

template <typename F>
void TiComponent::AsUserInput(F&& handler) {
  m_userGenerated = true;
  try {
    handler();
  } catch (...) {
    m_userGenerated = false;
    throw;
  }
  m_userGenerated = false;
}

void TiComponent::KeyUp(WORD& key, TShiftState shift) {
  AsUserInput([&] {
    try {
      TCustomControl::KeyUp(key, shift);
      iKeyUp(key, shift);
    } catch (const std::exception& e) {
      qCWarning(lcPlotComponent) << "key up:" << e.what();
    }
  });
}

void TiComponent::KeyDown(WORD& key, TShiftState shift) {
  AsUserInput([&] {
    try {
      TCustomControl::KeyDown(key, shift);
      iKeyDown(key, shift);
    } catch (const std::exception& e) {
      qCWarning(lcPlotComponent) << "key down:" << e.what();
    }
  });
}

void TiComponent::KeyPress(QChar& key) {
  AsUserInput([&] {
    try {
      TCustomControl::KeyPress(key);
      iKeyPress(key);
    } catch (const std::exception& e) {
      qCWarning(lcPlotComponent) << "key press:" << e.what();
    }
  });
}

void TiComponent::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  AsUserInput([&] {
    iMouseDown(button, shift, x, y);
    TCustomControl::MouseDown(button, shift, x, y);
  });
}

void TiComponent::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  AsUserInput([&] {
    iMouseUp(button, shift, x, y);
    TCustomControl::MouseUp(button, shift, x, y);
  });
}

void TiComponent::MouseMove(TShiftState shift, int x, int y) {
  AsUserInput([&] {
    iMouseMove(shift, x, y);
    TCustomControl::MouseMove(shift, x, y);
  });
}

void TiComponent::DblClick() {
  AsUserInput([&] {
    iDoubleClick();
    TCustomControl::DblClick();
  });
}
