#include "editors/dynamics/DynamicsDisplay.h"

#include "editors/IEditorWindow.h"
#include "editors/LinkGroupMembers.h"
#include "editors/RefreshingControlsGuard.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TUpDown.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TCustomTrackBar.h"

namespace {

bool MoveHoldingControl(TObject* control, int value) {
  if (auto* bar = dynamic_cast<TCustomTrackBar*>(control)) {
    bar->SetPosition(value);
    return true;
  }
  if (auto* upDown = dynamic_cast<TUpDown*>(control)) {
    upDown->SetPosition(value);
    return true;
  }
  return false;
}

}  // namespace

void SyncDynamicsDisplay(IEditorWindow& window, int channel, const QString& controlStem, const QString& boxStem,
                         int value, const QString& text, bool skipEdited) {
  RefreshingControlsGuard refreshing(window.State());
  const ControlRegistry& controls = window.Controls();
  for (int member : LinkGroupMembers(window.UnitControl(), channel)) {
    if (skipEdited && member == channel) {
      continue;
    }
    TObject* control = controls.FindObject(controlStem + ChannelSuffix(member));
    auto* box = controls.Find<TCurvyEdit>(boxStem, member);
    if (box == nullptr || !MoveHoldingControl(control, value)) {
      return;
    }
    box->SetText(text);
  }
}
