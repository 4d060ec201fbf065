#include "tools/widgetgallery/WidgetGallery_Docking.h"

#include <QApplication>
#include <QDeadlineTimer>

#include "platform/widgets/TEdit.h"
#include "platform/widgets/TForm.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/panels/TRzPanel.h"
#include "widgets/panelset/TRzPanelDockManager.h"

namespace WidgetGallery {
namespace {

/// A dock site inside a frame of its own, so that its alignment decides
/// where the grabbers lie, with two docked edit boxes.
QList<TEdit*> AddDockSite(TForm& form, const TRect& bounds, TAlign align, bool captions, const QString& title) {
  auto* label = new TRzLabel(&form);
  label->SetTransparent(true);
  label->SetCaption(title);
  label->SetBounds(bounds.Left, bounds.Top - 18, bounds.Width(), 16);
  auto* frame = new TRzPanel(&form);
  frame->SetBorderOuter(Rz::TFrameStyleEx::fsLowered);
  frame->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  auto* site = new TRzPanel(frame);
  site->SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  site->SetColor(clWindow);
  site->SetShowDockClientCaptions(captions);
  site->SetDockSite(true);
  site->SetAlign(align == TAlign::alNone ? TAlign::alClient : align);
  site->SetHeight(bounds.Height() - 4);
  TRzPanelDockManager* manager = site->DockManager();
  const bool left = manager->GrabbersLeft();
  const int w = site->Width();
  const int h = site->Height();
  QList<TEdit*> clients;
  const QString names[] = {QStringLiteral("Input A"), QStringLiteral("Output 1")};
  for (int i = 0; i < 2; ++i) {
    auto* edit = new TEdit(site);
    edit->SetCaption(names[i]);
    edit->SetText(names[i] + QStringLiteral(" settings"));
    const TRect zone = left ? Rect(4 + i * (w / 2), 4, (i + 1) * (w / 2) - 4, h - 4)
                            : Rect(4, 4 + i * (h / 2), w - 4, (i + 1) * (h / 2) - 4);
    manager->InsertControl(edit, zone);
    clients.append(edit);
  }
  return clients;
}

}  // namespace

Sheet DockingSheet() {
  TForm form;
  form.SetBounds(0, 0, 640, 330);
  const QList<TEdit*> top =
      AddDockSite(form, Rect(10, 26, 310, 156), TAlign::alNone, true, QStringLiteral("captions on top, first focused"));
  AddDockSite(form, Rect(330, 26, 630, 156), TAlign::alTop, true, QStringLiteral("site alTop: captions left"));
  AddDockSite(form, Rect(10, 190, 310, 320), TAlign::alNone, false, QStringLiteral("no captions: plain frames"));
  AddDockSite(form, Rect(330, 190, 630, 320), TAlign::alTop, false, QStringLiteral("no captions, site alTop"));
  form.show();
  form.activateWindow();
  QDeadlineTimer deadline(2000);
  while (!form.isActiveWindow() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  top.first()->SetFocus();
  deadline.setRemainingTime(2000);
  while (!top.first()->hasFocus() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  QApplication::processEvents();
  return {QStringLiteral("docking.png"), form.grab().toImage()};
}

}  // namespace WidgetGallery
