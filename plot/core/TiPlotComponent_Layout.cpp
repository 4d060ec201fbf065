#include "plot/core/TiPlotComponent.h"

#include <algorithm>
#include <map>
#include <optional>

#include "plot/base/iRounding.h"
#include "plot/core/TiPlotLayoutManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotAxis.h"
#include "plot/objects/TiPlotDataView.h"

// The layout pass: bands stacked outward from the data view, one band per
// Z-order, each as thick as its thickest member, then the outer margins
// and the border.

namespace {

using LayoutList = std::vector<TiPlotLayoutObject*>;
using K = TiPlotObjectKind;

TiPlotAxis* AsAxis(TiPlotLayoutObject* o) {
  return (o->Kind() == K::XAxis || o->Kind() == K::YAxis) ? static_cast<TiPlotAxis*>(o) : nullptr;
}

/// Axes drawn across the data view take no band space.
bool IsCartesian(TiPlotLayoutObject* o) {
  TiPlotAxis* axis = AsAxis(o);
  return axis && axis->IsCartesian();
}

bool IsToolBar(const TiPlotLayoutObject* o) { return o->Kind() == K::ToolBar; }

/// The measurements of one pass, each asked of an object once.
class Measures {
public:
  explicit Measures(TCanvas& canvas) : m_canvas(canvas) {}
  int Width(TiPlotLayoutObject* o) {
    auto it = m_width.find(o);
    return it != m_width.end() ? it->second : (m_width[o] = o->GetRequiredWidth(m_canvas));
  }
  int EndMargin(TiPlotLayoutObject* o) {
    auto it = m_end.find(o);
    return it != m_end.end() ? it->second : (m_end[o] = o->GetRequiredEndMargin(m_canvas));
  }
  /// The thickest non-cartesian object of a Z-order in a side list.
  int Band(const LayoutList& list, int z) {
    int thickest = 0;
    for (TiPlotLayoutObject* o : list) {
      if (o->ZOrder() == z && !IsCartesian(o)) {
        thickest = std::max(thickest, Width(o));
      }
    }
    return thickest;
  }
  int Thickness(const LayoutList& list) {
    int total = 0;
    std::optional<int> previous;
    for (TiPlotLayoutObject* o : list) {
      if (previous != o->ZOrder()) {
        total += Band(list, o->ZOrder());
      }
      previous = o->ZOrder();
    }
    return total;
  }

private:
  TCanvas& m_canvas;
  std::map<TiPlotLayoutObject*, int> m_width;
  std::map<TiPlotLayoutObject*, int> m_end;
};

void SetStacking(const LayoutList& list) {
  for (TiPlotLayoutObject* o : list) {
    o->SetStartStacked(false);
    o->SetStopStacked(false);
  }
  TiPlotLayoutObject* previous = nullptr;
  std::optional<int> runZ;
  for (TiPlotLayoutObject* o : list) {
    if (IsCartesian(o)) {
      continue;
    }
    if (o->ForceStacking()) {
      o->SetStartStacked(true);
      o->SetStopStacked(true);
      previous = o;
    } else if (runZ == o->ZOrder()) {
      if (previous) {
        previous->SetStopStacked(true);
      }
      o->SetStartStacked(true);
      previous = o;
    } else {
      previous = o;
      runZ = o->ZOrder();
    }
  }
}

struct Overhang {
  int start = 0;
  int stop = 0;
};

Overhang Overhangs(const LayoutList& list, Measures& m) {
  Overhang h;
  for (TiPlotLayoutObject* o : list) {
    if (IsCartesian(o)) {
      continue;
    }
    if (!o->StartStacked()) {
      h.start = std::max(h.start, m.EndMargin(o));
    }
    if (!o->StopStacked()) {
      h.stop = std::max(h.stop, m.EndMargin(o));
    }
  }
  return h;
}

/// Walks a side from its innermost object outward and hands every object
/// the band it lies in: (outer edge, inner edge) as pixel coordinates.
template <typename Place>
void WalkBands(const LayoutList& innerFirst, int start, int direction, Measures& m, const LayoutList& side, int loneToolBarShift,
               Place place) {
  int p = start;
  std::optional<int> bandZ;
  int thickness = 0;
  for (TiPlotLayoutObject* o : innerFirst) {
    if (bandZ != o->ZOrder()) {
      p += direction * thickness;
      bandZ = o->ZOrder();
      thickness = m.Band(side, o->ZOrder());
    }
    if (loneToolBarShift != 0) {
      p += direction * loneToolBarShift;
      loneToolBarShift = 0;
    }
    place(o, p, p + direction * thickness);
  }
}

}  // namespace

void TiPlotComponent::CalcLayout(TCanvas& canvas) {
  TiPlotLayoutManager& layout = m_master->LayoutManager();
  const int b = BorderStyle() != TiBevelStyle::ibsNone ? 2 : 0;
  const auto visible = [](const LayoutList& list) {
    LayoutList out;
    std::copy_if(list.begin(), list.end(), std::back_inserter(out), [](TiPlotLayoutObject* o) { return o->Visible(); });
    return out;
  };
  m_visibleTop = visible(layout.TopList());
  m_visibleBottom = visible(layout.BottomList());
  m_visibleLeft = visible(layout.LeftList());
  m_visibleRight = visible(layout.RightList());
  for (const LayoutList* list : {&m_visibleTop, &m_visibleBottom, &m_visibleLeft, &m_visibleRight}) {
    SetStacking(*list);
  }

  Measures m(canvas);
  const Overhang top = Overhangs(m_visibleTop, m);
  const Overhang bottom = Overhangs(m_visibleBottom, m);
  const Overhang left = Overhangs(m_visibleLeft, m);
  const Overhang right = Overhangs(m_visibleRight, m);
  const int q = std::max({left.stop, right.stop, 0});
  const int leftThick = std::max({m.Thickness(m_visibleLeft), top.start, bottom.start, 0});
  const int rightThick = std::max({m.Thickness(m_visibleRight), top.stop, bottom.stop});
  const int topThick = std::max(m.Thickness(m_visibleTop), q);
  const int bottomThick = std::max({m.Thickness(m_visibleBottom), left.start, right.start});
  const bool loneToolBar = m_visibleTop.size() == 1 && IsToolBar(m_visibleTop.front());

  const int dataLeft = leftThick + b + m_outerMarginLeft;
  const int dataTop = topThick + b + m_outerMarginTop + (loneToolBar ? q : 0);
  const int dataRight = Width() - (rightThick + b + m_outerMarginRight) - 1;
  const int dataBottom = Height() - (bottomThick + b + m_outerMarginBottom) - 1;

  const LayoutList leftInner(m_visibleLeft.rbegin(), m_visibleLeft.rend());
  const LayoutList bottomInner(m_visibleBottom.rbegin(), m_visibleBottom.rend());
  WalkBands(leftInner, dataLeft, -1, m, m_visibleLeft, 0, [](TiPlotLayoutObject* o, int inner, int outer) {
    o->SetDrawLeft(outer);
    o->SetDrawRight(inner);
  });
  WalkBands(m_visibleRight, dataRight, 1, m, m_visibleRight, 0, [](TiPlotLayoutObject* o, int inner, int outer) {
    o->SetDrawLeft(inner);
    o->SetDrawRight(outer);
  });
  WalkBands(m_visibleTop, dataTop, -1, m, m_visibleTop, loneToolBar ? q : 0,
            [&](TiPlotLayoutObject* o, int inner, int outer) {
              o->SetDrawTop(outer);
              o->SetDrawBottom(inner);
              if (IsToolBar(o)) {
                o->SetDrawTop(b);
                o->SetDrawBottom(b + m.Width(o));
              }
            });
  WalkBands(bottomInner, dataBottom, 1, m, m_visibleBottom, 0, [](TiPlotLayoutObject* o, int inner, int outer) {
    o->SetDrawTop(inner);
    o->SetDrawBottom(outer);
  });

  TiPlotDataView* view = DataViewCount() > 0 ? DataView(0) : nullptr;
  if (view) {
    view->SetDrawRect({dataLeft, dataTop, dataRight, dataBottom});
  }
  const int w = dataRight - dataLeft;
  const int h = dataBottom - dataTop;
  const auto nearest = [](double x) { return RoundSafe(x); };
  for (TiPlotObject* object : layout.Snapshot()) {
    auto* o = static_cast<TiPlotLayoutObject*>(object);
    const K kind = o->Kind();
    if (kind == K::DataView || kind == K::LayoutMarker) {
      continue;
    }
    const double start = o->StartPercent() / 100;
    const double stop = o->StopPercent() / 100;
    const bool placed = kind == K::Legend || kind == K::Table || AsAxis(o) != nullptr;
    if (o->Horizontal()) {
      if (kind == K::ToolBar) {
        o->SetDrawLeft(nearest(start * (Width() - 2 * b)) + b);
        o->SetDrawRight(nearest(stop * (Width() - 2 * b)) + b - 1);
      } else if (kind == K::Label) {
        const int span = Width() - b - m_outerMarginLeft - m_outerMarginRight;
        o->SetDrawLeft(nearest(start * span) + b + m_outerMarginLeft);
        o->SetDrawRight(nearest(stop * span) + b + m_outerMarginLeft);
      } else if (placed) {
        o->SetDrawLeft(nearest(w * start) + dataLeft);
        o->SetDrawRight(nearest(w * stop) + dataLeft);
      }
    } else if (placed || kind == K::Label) {
      o->SetDrawTop(dataBottom - nearest(h * stop));
      o->SetDrawBottom(dataBottom - nearest(h * start));
    }
  }

  std::vector<TiPlotAxis*> axes;
  for (TiPlotObject* object : layout.Snapshot()) {
    if (TiPlotAxis* axis = AsAxis(static_cast<TiPlotLayoutObject*>(object))) {
      axes.push_back(axis);
    }
  }
  for (TiPlotAxis* axis : axes) {
    if (axis->CartesianStyle() == TiPlotCartesianStyle::ipcsMaster) {
      if (axis->Horizontal()) {
        const int y = (dataTop + dataBottom) / 2;
        axis->SetDrawRect({dataLeft, y, dataRight, y});
      } else {
        const int x = (dataLeft + dataRight) / 2;
        axis->SetDrawRect({x, dataTop, x, dataBottom});
      }
    } else if (axis->CartesianStyle() == TiPlotCartesianStyle::ipcsChild) {
      TiPlotAxis* ref = axis->GetCartesianRefAxis();
      if (ref == nullptr) {
        axis->SetDrawRect({});
      } else {
        const int p = ref->PositionToPixels(axis->CartesianChildRefValue());
        axis->SetDrawRect(axis->Horizontal() ? TRect{dataLeft, p, dataRight, p} : TRect{p, dataTop, p, dataBottom});
      }
    }
  }
  for (TiPlotAxis* axis : axes) {
    TiPlotAxis* ref = axis->GetAlignRefAxis();
    if (ref == nullptr) {
      continue;
    }
    const TRect r = ref->DrawRect();
    if (axis->Horizontal()) {
      axis->SetDrawLeft(r.Left);
      axis->SetDrawRight(r.Right);
    } else {
      axis->SetDrawTop(r.Top);
      axis->SetDrawBottom(r.Bottom);
    }
    axis->SetStartStacked(ref->StartStacked());
    axis->SetStopStacked(ref->StopStacked());
    axis->CalcScaleRect(canvas);
  }

  if (view == nullptr) {
    return;
  }
  // Fit the data view to the scales: the vertical axes give its top and
  // bottom, the horizontal ones its left and right.
  int fitTop = Height();
  int fitBottom = 0;
  int fitLeft = Width();
  int fitRight = 0;
  const K verticalKind = XYAxesReverse() ? K::XAxis : K::YAxis;
  for (TiPlotAxis* axis : axes) {
    axis->CalcScaleRect(canvas);
    const TRect s = axis->ScaleRect();
    if (axis->Kind() == verticalKind) {
      fitTop = std::min(fitTop, s.Top);
      fitBottom = std::max(fitBottom, s.Bottom);
    } else {
      fitLeft = std::min(fitLeft, s.Left);
      fitRight = std::max(fitRight, s.Right);
    }
  }
  view->SetDrawRect({fitLeft, fitTop, fitRight, fitBottom});
}
