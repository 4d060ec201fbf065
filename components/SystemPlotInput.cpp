#include "components/SystemPlotInput.h"

#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObject.h"
#include "plot/core/TiPlotObjectManager.h"

void CloseSystemPlotInput(TiPlotComponent& plot) {
  plot.SetUserCanEditObjects(false);
  for (TiPlotObject* object : plot.Master().ObjectManager().Snapshot()) {
    object->SetPopupEnabled(false);
    // A disabled object is never hit by the mouse, so it never takes the
    // selection that wheel notches and keys go to.
    if (object->IsAxis()) {
      object->SetEnabled(false);
    }
  }
}
