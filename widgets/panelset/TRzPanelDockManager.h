#pragma once

#include <vector>

#include <QList>
#include <QObject>
#include <QPointer>

#include "platform/text/TFont.h"
#include "platform/core/TRect.h"

class QEvent;
class QWidget;
class TCanvas;
class TControl;
class TRzCustomPanel;

/// The dock tree of a framed panel that is a dock site: it keeps the
/// controls docked into the site, each in a zone of the site with a grabber
/// FGrabberSize pixels deep on its left side (site aligned alTop or
/// alBottom) or on its top (otherwise; when the site's alignment changes
/// the controls are placed in their zones again), and paints the grabbers after the
/// site: with the site's ShowDockClientCaptions a caption bar in Verdana
/// and a close glyph in Marlett, coloured as active when the client holds
/// the focus, else a plain frame of two raised bars and a close button.
/// While it exists, a press on the site and the focus moving into or out of
/// the site repaint the site (so the grabbers follow the focus); destroying
/// it stops that. Created and owned by the panel (not a Qt child). GUI
/// thread only.
class TRzPanelDockManager : public QObject {
public:
  /// Depth of a grabber in pixels.
  static constexpr int kGrabberSize = 14;

  explicit TRzPanelDockManager(TRzCustomPanel& site);
  ~TRzPanelDockManager() override;
  TRzPanelDockManager(const TRzPanelDockManager&) = delete;
  TRzPanelDockManager& operator=(const TRzPanelDockManager&) = delete;

  TRzCustomPanel* Site() const { return m_panel; }
  TFont& Font() { return m_font; }
  TFont& CloseFont() { return m_closeFont; }

  /// Docks the control into zone (site coordinates): the control becomes a
  /// child of the site and takes the zone less its grabber. A control that
  /// is docked already moves to the new zone.
  void InsertControl(TControl* client, const TRect& zone);
  /// Places every docked control in its zone again, by where grabbers lie
  /// now (the site's alignment changed).
  void ResetBounds();
  /// Undocks the control; it stays where it is.
  void RemoveControl(TControl* client);
  /// The docked controls still alive, in docking order.
  QList<TControl*> DockClients() const;

  /// Whether grabbers lie at the clients' left sides (else at their tops).
  bool GrabbersLeft() const;
  /// The part of a zone the docked control takes: the zone less its grabber.
  void AdjustDockRect(TRect& rect) const;
  /// The grabber of a docked control, next to its bounds (site coordinates).
  TRect GrabberRect(const TControl& client) const;
  /// Paints the grabber of every visible docked control onto the site's canvas.
  void PaintSite(TCanvas& canvas);
  /// Paints one grabber in rect.
  void PaintDockFrame(TCanvas& canvas, const TControl& client, const TRect& rect);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void InvalidateSite();
  void FocusChanged(QWidget* old, QWidget* now);
  void PaintCaptionGrabber(TCanvas& canvas, const TControl& client, const TRect& rect);
  void PaintPlainGrabber(TCanvas& canvas, const TRect& rect);
  void PlaceInZone(TControl& client, const TRect& zone) const;

  /// A docked control and the zone it was docked into (grabber included).
  struct Docked {
    QPointer<TControl> client;
    TRect zone;
  };

  QPointer<TRzCustomPanel> m_panel;
  TFont m_font;
  TFont m_closeFont;
  std::vector<Docked> m_clients;
};
