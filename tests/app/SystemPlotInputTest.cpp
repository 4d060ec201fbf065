#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "firdesign/FirDesignForm.h"
#include "firdesign/TfmFirDesign.h"
#include "link/LinkTransportFactory.h"
#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TPopupMenu.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotLayoutObject.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tests/app/MainWindowFixture.h"

namespace {

QPoint MiddleOf(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

void SendButton(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

void Click(QWidget& widget, QPoint at, Qt::MouseButton button) {
  SendButton(widget, QEvent::MouseButtonPress, at, button, button);
  SendButton(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void Drag(QWidget& widget, QPoint from, QPoint by) {
  SendButton(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  for (int step = 1; step <= 4; ++step) {
    SendButton(widget, QEvent::MouseMove, from + by * step / 4, Qt::NoButton, Qt::LeftButton);
  }
  SendButton(widget, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
}

void WheelNotch(QWidget& widget, QPoint at) {
  QWheelEvent event(QPointF(at), QPointF(widget.mapToGlobal(at)), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&widget, &event);
}

struct Range {
  double min;
  double span;
  bool operator==(const Range&) const = default;
};
Range RangeOf(const TiPlotAxis& axis) { return {axis.Min(), axis.Span()}; }

class SystemPlotInput : public SharedMainWindow<LinkTransportFactory> {
protected:
  /// Right clicks, drags and wheel notches on the axes and the plot area
  /// leave the ranges the host set and open no menu or editor.
  static void ExpectClosedToTheUser(TiPlotComponent& plot, const char* name) {
    SCOPED_TRACE(name);
    TBitmap page(plot.Width(), plot.Height());
    plot.iPaintTo(page.Canvas());  // lays the axes out
    EXPECT_FALSE(plot.UserCanEditObjects());
    TiPlotAxis& x = *plot.XAxis(0);
    TiPlotAxis& y = *plot.YAxis(0);
    const Range xRange = RangeOf(x);
    const Range yRange = RangeOf(y);
    const QPoint area = MiddleOf(plot.Master().DataViewManager().ItemAs<TiPlotLayoutObject>(0)->DrawRect());
    for (TiPlotAxis* axis : {&x, &y}) {
      const QPoint at = MiddleOf(axis->DrawRect());
      Click(plot, at, Qt::RightButton);
      EXPECT_FALSE(plot.PopupMenu().IsShowing());
      Drag(plot, at, axis == &x ? QPoint(60, 0) : QPoint(0, 40));
      Click(plot, at, Qt::LeftButton);
      WheelNotch(plot, at);
    }
    Click(plot, area, Qt::RightButton);
    EXPECT_FALSE(plot.PopupMenu().IsShowing());
    plot.PopupMenu().CloseUp();
    WheelNotch(plot, area);
    EXPECT_EQ(RangeOf(x), xRange);
    EXPECT_EQ(RangeOf(y), yRange);
  }
};

TEST_F(SystemPlotInput, theTransferPlotsKeepTheirRangesAndOfferNoMenu) {
  for (const char* name : {"ipComp", "ipGate", "ipLimit"}) {
    ExpectClosedToTheUser(Get<TiXYPlot>(QLatin1String(name)), name);
  }
}

TEST_F(SystemPlotInput, theFirDesignersPlotKeepsItsRangesAndOffersNoMenu) {
  TfmFirDesign designer(window.FirDesigner());
  ExpectClosedToTheUser(*designer.Form().fftFirDraw, "fftFirDraw");
}

}  // namespace
