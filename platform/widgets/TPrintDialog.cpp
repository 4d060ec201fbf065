#include "platform/widgets/TPrintDialog.h"

#include <QPrintDialog>

#include "platform/widgets/TPrinter.h"

namespace {
TPrintDialog::Hook& InstalledHook() {
  static TPrintDialog::Hook hook;
  return hook;
}
}  // namespace

void TPrintDialog::SetHook(Hook hook) { InstalledHook() = std::move(hook); }

bool TPrintDialog::Execute(TPrinter& printer) {
  if (const Hook& hook = InstalledHook()) {
    return hook(printer);
  }
  if (printer.OutputTarget() != TPrinter::Target::Device) {
    return true;
  }
  QPrintDialog dialog(&printer.DevicePrinter(), m_parent);
  if (dialog.exec() != QDialog::Accepted) {
    return false;
  }
  printer.TakeDeviceSettings();
  return true;
}
