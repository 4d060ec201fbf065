#pragma once

#include <functional>
#include <memory>

#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotLayoutObject.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

/// A layout object of a chosen kind with fixed sizes, for layout and
/// manager tests that must not depend on fonts.
class FakeLayoutObject : public TiPlotLayoutObject {
public:
  using TiPlotLayoutObject::TiPlotLayoutObject;
  TiPlotObjectKind Kind() const override { return kind; }
  int GetRequiredWidth(TCanvas&) override { return requiredWidth; }
  int GetRequiredEndMargin(TCanvas&) override { return endMargin; }

  TiPlotObjectKind kind = TiPlotObjectKind::Legend;
  int requiredWidth = 0;
  int endMargin = 0;
};

/// Registers FakeLayoutObject as the class of a kind's manager; new
/// objects take the kind and then `setup` (before they are announced).
inline void UseFakeClass(TiPlotKindManager& manager, TiPlotObjectKind kind,
                         std::function<void(FakeLayoutObject&)> setup = nullptr) {
  manager.SetObjectClass(
      [kind, setup](TiPlotComponent* owner, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r, TNotifyEvent n) {
        auto object = std::make_unique<FakeLayoutObject>(owner, c, i, r, n);
        object->kind = kind;
        if (setup) {
          setup(*object);
        }
        return object;
      },
      nullptr);
}

/// A fake layout object added to a plot through its kind's manager.
struct FakeShape {
  TiPlotObjectKind kind = TiPlotObjectKind::Legend;
  bool horizontal = false;
  double start = 0;
  double stop = 100;
  int width = 0;
  int endMargin = 0;
};

inline FakeLayoutObject* AddFake(TiPlotComponent& plot, const FakeShape& shape) {
  TiPlotKindManager& manager = *plot.Master().ManagerOfKind(shape.kind);
  UseFakeClass(manager, shape.kind, [shape](FakeLayoutObject& o) {
    o.SetHorizontal(shape.horizontal);
    o.SetStartStopPercent(shape.start, shape.stop);
    o.requiredWidth = shape.width;
    o.endMargin = shape.endMargin;
  });
  const int index = plot.Master().ManagerOfKind(shape.kind) == &plot.Master().ToolBarManager()
                        ? plot.Master().AddToolBar()
                        : shape.kind == TiPlotObjectKind::Label ? plot.Master().AddLabel()
                                                                : plot.Master().AddLegend();
  return manager.ItemAs<FakeLayoutObject>(index);
}

template <typename T = FakeLayoutObject>
T* FakeAt(TiPlotKindManager& manager, int index) {
  return manager.ItemAs<T>(index);
}
