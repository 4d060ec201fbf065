#include "editors/level/TypedEntryBox.h"

#include "platform/widgets/ControlMessages.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TUpDown.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TCustomTrackBar.h"

namespace {

/// A track bar or an up-down, as far as the entry uses it.
struct HoldingControl {
  TCustomTrackBar* bar = nullptr;
  TUpDown* upDown = nullptr;

  explicit HoldingControl(TObject* target)
      : bar(dynamic_cast<TCustomTrackBar*>(target)), upDown(dynamic_cast<TUpDown*>(target)) {}
  bool Exists() const { return bar != nullptr || upDown != nullptr; }
  int Min() const { return bar != nullptr ? bar->Min() : upDown->Min(); }
  int Max() const { return bar != nullptr ? bar->Max() : upDown->Max(); }
  int Position() const { return bar != nullptr ? bar->Position() : upDown->Position(); }
  void SetPosition(int value) const {
    if (bar != nullptr) {
      bar->SetPosition(value);
    } else {
      upDown->SetPosition(value);
    }
  }
};

void SendEndKey(TCurvyEdit& box) {
  for (unsigned message : {WM_KEYDOWN, WM_KEYUP}) {
    TMessage key{message, VK_END, 0, 0};
    box.WndProc(key);
  }
}

void RunEntry(TCurvyEdit& box, const HoldingControl& control, const TypedValueEntry& entry, bool endKeyAlways) {
  const TypedEntryResult result = entry.Evaluate(box.GetText());
  box.SetText(QString());
  const bool taken = result.verdict == TypedEntryResult::Verdict::Accepted;
  if (taken) {
    control.SetPosition(result.position);
  }
  box.SetText(entry.Text(control.Position()));
  if (!taken || endKeyAlways) {
    SendEndKey(box);
  }
}

}  // namespace

void RunTypedEntry(TCurvyEdit& box, TObject* target, TypedEntryKind kind, int delayUnit, bool endKeyAlways) {
  const HoldingControl control(target);
  if (control.Exists()) {
    RunEntry(box, control, TypedValueEntry(kind, {control.Min(), control.Max(), control.Position(), delayUnit}),
             endKeyAlways);
  }
}

void RunTypedEntryOverRange(TCurvyEdit& box, TObject* target, TypedEntryKind kind, int min, int max) {
  const HoldingControl control(target);
  if (control.Exists()) {
    RunEntry(box, control, TypedValueEntry(kind, {min, max, control.Position(), 0}), false);
  }
}

QString TagSuffix(int tag) { return tag < 3 ? QString(QChar(u'A' + tag)) : QString(QChar(u'1' + (tag - 3))); }

void RunChannelEntry(const ControlRegistry& controls, TObject* sender, const QString& stem, TypedEntryKind kind,
                     int delayUnit, bool endKeyAlways) {
  auto* box = dynamic_cast<TCurvyEdit*>(sender);
  if (box == nullptr) {
    return;
  }
  const QString side = box->Tag() < 3 ? QStringLiteral("In") : QStringLiteral("Out");
  RunTypedEntry(*box, controls.FindObject(stem + side + TagSuffix(box->Tag())), kind, delayUnit, endKeyAlways);
}
