#include "widgets/panelset/TRzPanelDockManager.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TWinControl.h"
#include "widgets/panels/TRzCustomPanel.h"
#include "widgets/panelset/FrameStyles.h"
#include "widgets/panelset/PaintHelpers.h"

namespace {
const QString kDockCloseGlyph = QStringLiteral("r");

/// A windowed client is shown active while the focus is in it; any other
/// control always is.
bool ShowsActive(const TControl& client) {
  if (dynamic_cast<const TWinControl*>(&client) == nullptr) {
    return true;
  }
  const QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && (focus == &client || client.isAncestorOf(focus));
}
}  // namespace

TRzPanelDockManager::TRzPanelDockManager(TRzCustomPanel& site) : m_panel(&site) {
  m_font.SetName(QStringLiteral("Verdana"));
  m_font.SetSize(8);
  m_closeFont.SetName(QStringLiteral("Marlett"));
  m_closeFont.SetSize(8);
  // Clicks into the site and focus changes of the docked controls repaint
  // the site, so that each grabber shows whether its control is active.
  site.installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, &TRzPanelDockManager::FocusChanged);
}

TRzPanelDockManager::~TRzPanelDockManager() {
  if (m_panel != nullptr) {
    m_panel->removeEventFilter(this);
  }
}

void TRzPanelDockManager::InsertControl(TControl* client, const TRect& zone) {
  if (client == nullptr || m_panel == nullptr) {
    return;
  }
  if (client->parentWidget() != m_panel) {
    client->SetParent(m_panel);
  }
  PlaceInZone(*client, zone);
  const auto known = std::find_if(m_clients.begin(), m_clients.end(), [client](const auto& c) { return c.client == client; });
  if (known != m_clients.end()) {
    known->zone = zone;
  } else {
    m_clients.push_back({client, zone});
    connect(client, &QObject::destroyed, this, &TRzPanelDockManager::InvalidateSite);
  }
  client->show();
  InvalidateSite();
}

void TRzPanelDockManager::RemoveControl(TControl* client) {
  const auto gone = std::remove_if(m_clients.begin(), m_clients.end(),
                                   [client](const auto& c) { return c.client == nullptr || c.client == client; });
  if (gone == m_clients.end()) {
    return;
  }
  m_clients.erase(gone, m_clients.end());
  if (client != nullptr) {
    disconnect(client, &QObject::destroyed, this, nullptr);
  }
  InvalidateSite();
}

void TRzPanelDockManager::ResetBounds() {
  for (const Docked& d : m_clients) {
    if (d.client != nullptr) {
      PlaceInZone(*d.client, d.zone);
    }
  }
  InvalidateSite();
}

void TRzPanelDockManager::PlaceInZone(TControl& client, const TRect& zone) const {
  TRect r = zone;
  AdjustDockRect(r);
  client.SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
}

QList<TControl*> TRzPanelDockManager::DockClients() const {
  QList<TControl*> clients;
  for (const Docked& d : m_clients) {
    if (d.client != nullptr) {
      clients.append(d.client);
    }
  }
  return clients;
}

bool TRzPanelDockManager::GrabbersLeft() const {
  return m_panel != nullptr && (m_panel->Align() == TAlign::alTop || m_panel->Align() == TAlign::alBottom);
}

void TRzPanelDockManager::AdjustDockRect(TRect& rect) const {
  if (GrabbersLeft()) {
    rect.Left += kGrabberSize;
  } else {
    rect.Top += kGrabberSize;
  }
}

TRect TRzPanelDockManager::GrabberRect(const TControl& client) const {
  const TRect b = client.BoundsRect();
  if (GrabbersLeft()) {
    return Rect(b.Left - kGrabberSize, b.Top, b.Left, b.Bottom);
  }
  return Rect(b.Left, b.Top - kGrabberSize, b.Right, b.Top);
}

void TRzPanelDockManager::PaintSite(TCanvas& canvas) {
  for (TControl* client : DockClients()) {
    if (client->Visible()) {
      PaintDockFrame(canvas, *client, GrabberRect(*client));
    }
  }
}

void TRzPanelDockManager::PaintDockFrame(TCanvas& canvas, const TControl& client, const TRect& rect) {
  const int level = canvas.SaveDC();
  if (m_panel != nullptr && m_panel->ShowDockClientCaptions()) {
    PaintCaptionGrabber(canvas, client, rect);
  } else {
    PaintPlainGrabber(canvas, rect);
  }
  canvas.RestoreDC(level);
}

void TRzPanelDockManager::PaintCaptionGrabber(TCanvas& canvas, const TControl& client, const TRect& rect) {
  const bool active = ShowsActive(client);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(active ? clActiveCaption : clInactiveCaption);
  canvas.Font().Assign(m_font);
  canvas.SetBkMode(OPAQUE);
  if (GrabbersLeft()) {
    canvas.FillRect(rect);
    canvas.Font().Assign(Rz::CreateAngledFont(m_font, 90));
    canvas.Font().SetColor(clCaptionText);
    canvas.SetBkMode(TRANSPARENT);
    // Clipped to the grabber through TextOut, which turns the text.
    const int clip = canvas.SaveDC();
    canvas.IntersectClipRect(rect.Left, rect.Top, rect.Right, rect.Bottom);
    canvas.SetTextAlign(TA_BASELINE);
    canvas.TextOut(rect.Right - 2, rect.Bottom - 3, client.Caption());
    canvas.RestoreDC(clip);
    canvas.Font().Assign(m_closeFont);
    canvas.Font().SetColor(clCaptionText);
    TRect glyph = Rect(rect.Left + 1, rect.Top + 1, rect.Left + 12, rect.Top + 12);
    canvas.DrawText(kDockCloseGlyph, glyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return;
  }
  canvas.Font().SetColor(active ? clCaptionText : clInactiveCaptionText);
  canvas.TextRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + kGrabberSize), rect.Left + 2, rect.Top,
                  client.Caption());
  canvas.SetBkMode(TRANSPARENT);
  const TColor textColor = canvas.Font().Color();
  canvas.Font().Assign(m_closeFont);
  canvas.Font().SetColor(textColor);
  TRect glyph = Rect(rect.Right - 15, rect.Top + 1, rect.Right - 2, rect.Top + 12);
  canvas.DrawText(kDockCloseGlyph, glyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TRzPanelDockManager::PaintPlainGrabber(TCanvas& canvas, const TRect& rect) {
  // Two raised bars along the grabber after a small close button.
  const bool left = GrabbersLeft();
  const TRect button = left ? Rect(rect.Left + 1, rect.Top + 1, rect.Left + 12, rect.Top + 12)
                            : Rect(rect.Right - 12, rect.Top + 1, rect.Right - 1, rect.Top + 12);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(button);
  Rz::StrokeButtonBorder(canvas, button, false);
  canvas.Font().Assign(m_closeFont);
  canvas.Font().SetColor(clBtnText);
  canvas.SetBkMode(TRANSPARENT);
  TRect glyph = button;
  canvas.DrawText(kDockCloseGlyph, glyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  for (int bar = 0; bar < 2; ++bar) {
    const TRect r = left ? Rect(rect.Left + 3 + 4 * bar, rect.Top + 15, rect.Left + 6 + 4 * bar, rect.Bottom - 2)
                         : Rect(rect.Left + 2, rect.Top + 3 + 4 * bar, rect.Right - 15, rect.Top + 6 + 4 * bar);
    if (r.Width() > 0 && r.Height() > 0) {
      Rz::Stroke3DBorder(canvas, r, false, Rz::AllSides);
    }
  }
}

bool TRzPanelDockManager::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_panel && event->type() == QEvent::MouseButtonPress) {
    InvalidateSite();
  }
  return QObject::eventFilter(watched, event);
}

void TRzPanelDockManager::FocusChanged(QWidget* old, QWidget* now) {
  if (m_panel == nullptr) {
    return;
  }
  const auto inSite = [this](const QWidget* w) { return w != nullptr && m_panel->isAncestorOf(w); };
  if (inSite(old) || inSite(now)) {
    InvalidateSite();
  }
}

void TRzPanelDockManager::InvalidateSite() {
  if (m_panel != nullptr) {
    m_panel->Invalidate();
  }
}
