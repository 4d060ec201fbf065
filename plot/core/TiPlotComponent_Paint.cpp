#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/drawing/TCanvas.h"
#include "plot/annotations/TiPlotAnnotation.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/annotations/TiPlotLimit.h"
#include "plot/base/iDrawing.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/objects/TiPlotToolBar.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

namespace {

/// Objects drawn inside the data view, ordered by layer and then by kind.
/// An object drawn inside the data view: by ascending layer (as a number,
/// so -15 comes before -12), then by the letter of its kind.
struct LayerEntry {
  int layer;
  char letter;
  TiPlotObject* object;
};

template <typename F>
void ForEach(const TiPlotKindManager& manager, F&& f) {
  for (TiPlotObject* object : manager.Snapshot()) {
    f(object);
  }
}

}  // namespace

void TiPlotComponent::EnableAllTracking() {
  for (int i = 0; i < XAxisCount(); ++i) {
    XAxis(i)->SetTrackingEnabled(true);
  }
  for (int i = 0; i < YAxisCount(); ++i) {
    YAxis(i)->SetTrackingEnabled(true);
  }
}

void TiPlotComponent::DisableAllTracking() {
  for (int i = 0; i < XAxisCount(); ++i) {
    XAxis(i)->SetTrackingEnabled(false);
  }
  for (int i = 0; i < YAxisCount(); ++i) {
    YAxis(i)->SetTrackingEnabled(false);
  }
}

bool TiPlotComponent::SelectModeActive() const {
  const TiPlotKindManager& toolBars = m_master->ToolBarManager();
  return toolBars.Count() > 0 && static_cast<const TiPlotToolBar*>(toolBars.Items(0))->SelectActive();
}

void TiPlotComponent::PaintBackGround(TCanvas& canvas) {
  if (m_gradientEnabled) {
    canvas.SelectClipRgn(nullptr);
    canvas.IntersectClipRect(0, 0, Width(), Height());
    FillGradient(canvas, {0, 0, Width(), Height()}, m_gradientDirection, m_gradientStart, m_gradientStop);
    canvas.SelectClipRgn(nullptr);
  } else {
    DrawBackGround(canvas, BackGroundColor());
  }
}

void TiPlotComponent::DrawOuterObjects(TCanvas& canvas) {
  canvas.Brush().SetColor(BackGroundColor());
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  DrawBorder(canvas);
  const auto drawOuter = [&](TiPlotObject* object) {
    if (!static_cast<TiPlotAxis*>(object)->IsCartesian()) {
      object->Draw(canvas, BackGroundColor());
    }
  };
  ForEach(m_master->XAxisManager(), drawOuter);
  ForEach(m_master->YAxisManager(), drawOuter);
  const auto draw = [&](TiPlotObject* object) { object->Draw(canvas, BackGroundColor()); };
  ForEach(m_master->LabelManager(), draw);
  ForEach(m_master->ToolBarManager(), draw);
}

// Paints whatever the plot holds: a plot without toolbar or legend still
// shows its data view, axes and channels.
void TiPlotComponent::iPaintTo(TCanvas& canvas) {
  m_paintingActive = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{m_paintingActive};
  TiPlotDataView* view = DataViewCount() > 0 ? DataView(0) : nullptr;
  TColor viewBackground = BackGroundColor();
  if (view != nullptr && !view->BackgroundTransparent()) {
    viewBackground = view->BackgroundColor();
  }
  ClearAxesCollisionList();
  TiPlotLegend* legend0 = m_master->LegendManager().Count() > 0
                              ? static_cast<TiPlotLegend*>(m_master->LegendManager().Items(0))
                              : nullptr;
  bool cursorAll = false;
  ForEach(m_master->DataCursorManager(), [&](TiPlotObject* object) {
    auto* cursor = static_cast<TiPlotDataCursor*>(object);
    cursor->SetDataView(view);
    cursor->UpdateValues();
    if (cursor->Visible() && cursor->ChannelName() == QStringLiteral("<All>") && cursor->ChannelShowAllInLegend()) {
      cursorAll = true;
    }
  });
  if (legend0 != nullptr) {
    legend0->SetCursorAllChannels(cursorAll);
  }
  const auto ticks = [&] {
    ForEach(m_master->XAxisManager(), [&](TiPlotObject* o) { static_cast<TiPlotAxis*>(o)->GenerateTicks(canvas); });
    ForEach(m_master->YAxisManager(), [&](TiPlotObject* o) { static_cast<TiPlotAxis*>(o)->GenerateTicks(canvas); });
  };
  ticks();
  CalcLayout(canvas);
  CalcLayout(canvas);
  ticks();
  const auto prepare = [&](TiPlotObject* o) { o->PrepareForDraw(canvas); };
  ForEach(m_master->ChannelManager(), prepare);
  ForEach(m_master->XAxisManager(), prepare);
  ForEach(m_master->YAxisManager(), prepare);
  ForEach(m_master->AnnotationManager(), [&](TiPlotObject* o) {
    auto* annotation = static_cast<TiPlotAnnotation*>(o);
    annotation->SetDataView(view);
    annotation->SetXYAxesReversed(m_master->XYAxesReverse());
  });
  PaintBackGround(canvas);
  if (view != nullptr) {
    view->DrawBackground(canvas);
    std::vector<LayerEntry> layers;
    const auto add = [&](TiPlotObject* o, char letter) {
      layers.push_back({o->Layer(), letter, o});
    };
    ForEach(m_master->LimitManager(), [&](TiPlotObject* o) {
      if (static_cast<TiPlotLimit*>(o)->DrawInBackground()) {
        add(o, 'A');
      }
    });
    add(view, 'B');
    ForEach(m_master->LimitManager(), [&](TiPlotObject* o) {
      if (!static_cast<TiPlotLimit*>(o)->DrawInBackground()) {
        add(o, 'C');
      }
    });
    ForEach(m_master->YAxisManager(), [&](TiPlotObject* o) {
      if (static_cast<TiPlotAxis*>(o)->IsCartesian()) {
        add(o, 'D');
      }
    });
    ForEach(m_master->XAxisManager(), [&](TiPlotObject* o) {
      if (static_cast<TiPlotAxis*>(o)->IsCartesian()) {
        add(o, 'E');
      }
    });
    ForEach(m_master->ChannelManager(), [&](TiPlotObject* o) {
      if (o->CanDraw()) {
        add(o, 'F');
      }
    });
    ForEach(m_master->AnnotationManager(), [&](TiPlotObject* o) { add(o, 'G'); });
    std::stable_sort(layers.begin(), layers.end(),
                     [](const LayerEntry& a, const LayerEntry& b) {
                       return std::tie(a.layer, a.letter) < std::tie(b.layer, b.letter);
                     });
    const TRect r = view->DrawRect();
    for (const LayerEntry& entry : layers) {
      const int saved = canvas.SaveDC();
      canvas.IntersectClipRect(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
      try {
        entry.object->Draw(canvas, viewBackground);
      } catch (...) {
        canvas.RestoreDC(saved);
        throw;
      }
      canvas.RestoreDC(saved);
    }
  }
  DrawOuterObjects(canvas);
  ForEach(m_master->DataCursorManager(), [&](TiPlotObject* o) { o->Draw(canvas, viewBackground); });
  ForEach(m_master->LegendManager(), [&](TiPlotObject* o) { o->Draw(canvas, BackGroundColor()); });
  ForEach(m_master->TableManager(), [&](TiPlotObject* o) { o->Draw(canvas, BackGroundColor()); });
  DrawHintBox(canvas);
  m_paintingActive = false;
  Raise(OnAfterPaint, this);
}
