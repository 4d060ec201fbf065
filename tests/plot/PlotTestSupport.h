#pragma once

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
/// objects take the kind.
inline void UseFakeClass(TiPlotKindManager& manager, TiPlotObjectKind kind) {
  manager.SetObjectClass(
      [kind](TiPlotComponent* owner, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r, TNotifyEvent n) {
        auto object = std::make_unique<FakeLayoutObject>(owner, c, i, r, n);
        object->kind = kind;
        return object;
      },
      nullptr);
}

template <typename T = FakeLayoutObject>
T* FakeAt(TiPlotKindManager& manager, int index) {
  return manager.ItemAs<T>(index);
}
