#include "plot/base/TiVCLComponent.h"

#include <exception>

#include <QLoggingCategory>

#include "platform/pictures/TBitmap.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/ParentPainting.h"
#include "plot/opc/TiOPCItemManager.h"

Q_LOGGING_CATEGORY(lcPlotVcl, "krv71.plot.control")

TiVCLComponent::TiVCLComponent(QWidget* parent) : TiComponent(parent) { CreateOPCItemManager(); }

TiVCLComponent::~TiVCLComponent() {
  m_opcItemManager.reset();
  m_destroying = true;
  InternalTimerStop();
}

void TiVCLComponent::Lock() {
  if (!m_destroying) {
    m_dataLock.lock();
  }
}

void TiVCLComponent::Unlock() {
  if (!m_destroying) {
    m_dataLock.unlock();
  }
}

bool TiVCLComponent::InternalTimerActive() const { return m_timer != nullptr; }

void TiVCLComponent::InternalTimerStart(int initialDelay, int interval) {
  if (m_timer) {
    return;
  }
  m_timerInterval = interval;
  int first = 0;
  if (initialDelay != 0) {
    first = initialDelay;
    m_timerFirstMessage = true;
  } else if (interval != 0) {
    first = interval;
    m_timerFirstMessage = false;
  } else {
    return;
  }
  m_timer = std::make_unique<TTimer>();
  m_timer->SetInterval(first);
  m_timer->OnTimer = [this](TObject*) { TimerTick(); };
}

void TiVCLComponent::InternalTimerStop() { m_timer.reset(); }

void TiVCLComponent::TimerTick() {
  if (m_timerFirstMessage) {
    m_timerFirstMessage = false;
    m_timer->SetInterval(m_timerInterval);
  }
  Raise(OnInternalTimer, this);
}

void TiVCLComponent::SetTransparent(bool value) {
  if (value == m_transparent) {
    return;
  }
  m_transparent = value;
  if (value) {
    if (!m_transparentBitmap) {
      m_transparentBitmap = std::make_unique<TBitmap>(Width(), Height());
    }
    InvalidateTransparency();
  } else {
    m_transparentBitmap.reset();
    m_needsTransparentCapture = false;
  }
  BackGroundChange();
}

void TiVCLComponent::RepaintAll() {
  TiComponent::RepaintAll();
  InvalidateTransparency();
}

void TiVCLComponent::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) {
    return;
  }
  TiComponent::SetBounds(left, top, width, height);
  if (m_transparentBitmap && width > 0 && height > 0) {
    m_transparentBitmap->SetSize(width, height);
  }
  InvalidateTransparency();
  TBitmap& background = GetBackGroundBitmap();
  if (width > 0 && height > 0) {
    background.SetSize(width, height);
  }
  BackGroundChange();
}

void TiVCLComponent::InvalidateTransparency() {
  if (m_transparent && !m_needsTransparentCapture) {
    m_needsTransparentCapture = true;
    BackGroundChange();
  }
}

void TiVCLComponent::CaptureParentImage() {
  TCanvas& canvas = m_transparentBitmap->Canvas();
  QWidget* parent = parentWidget();
  if (parent == nullptr || !isVisible()) {
    // Nothing to capture yet: plain background until a later paint can.
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(BackGroundColor());
    canvas.FillRect({0, 0, Width(), Height()});
    return;
  }
  const TPoint saved = canvas.SetWindowOrg(Left(), Top());
  ParentPainting::SendEraseBackground(parent, canvas);
  ParentPainting::SendPrintClient(parent, canvas);
  canvas.SetWindowOrg(saved.X, saved.Y);
  m_needsTransparentCapture = false;
}

void TiVCLComponent::DrawBackGround(TCanvas& canvas, TColor color) {
  if (m_paintDCTransparent) {
    return;
  }
  if (!m_transparent) {
    TiComponent::DrawBackGround(canvas, color);
    return;
  }
  if (m_needsTransparentCapture) {
    CaptureParentImage();
  }
  canvas.Draw(0, 0, *m_transparentBitmap);
}

void TiVCLComponent::iPaintToDC(int x, int y, bool transparent, TCanvas& canvas) {
  const int level = canvas.SaveDC();
  canvas.SetViewportOrg(0, 0);
  canvas.SetWindowOrg(-x, -y);
  canvas.IntersectClipRect(0, 0, Width(), Height());
  m_paintDCTransparent = transparent;
  Lock();
  const bool cached = CachedDrawing();
  SetCachedDrawing(false);
  try {
    iPaintTo(canvas);
  } catch (const std::exception& e) {
    qCWarning(lcPlotVcl) << "paint to canvas:" << e.what();
  }
  SetCachedDrawing(cached);
  Unlock();
  m_paintDCTransparent = false;
  canvas.RestoreDC(level);
}

void TiVCLComponent::DoEnter() {
  iDoSetFocus();
  TiComponent::DoEnter();
}

void TiVCLComponent::DoExit() {
  iDoKillFocus();
  TiComponent::DoExit();
}

bool TiVCLComponent::DoMouseWheel(TShiftState shift, int wheelDelta, QPoint mousePos) {
  try {
    return iMouseWheel(wheelDelta, shift, {mousePos.x(), mousePos.y()});
  } catch (const std::exception& e) {
    qCWarning(lcPlotVcl) << "wheel:" << e.what();
    return false;
  }
}

void TiVCLComponent::WndProc(TMessage& message) {
  if (message.Msg == CM_SYSCOLORCHANGE) {
    TiComponent::WndProc(message);
    BackGroundChange();
    return;
  }
  if (message.Msg == CM_WANTSPECIALKEY) {
    TiComponent::WndProc(message);
    WORD key = WORD(message.WParam);
    bool result = message.Result != 0;
    iWantSpecialKey(key, result);
    message.Result = result ? 1 : 0;
    return;
  }
  TiComponent::WndProc(message);
}
