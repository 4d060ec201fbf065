#pragma once

#include <functional>

class QWidget;
class TPrinter;

/// The printer dialog: lets the user choose the printer (or a file), the
/// paper and the orientation of the current printer. Tests install a hook
/// that answers instead of showing the dialog. GUI thread only.
class TPrintDialog {
public:
  explicit TPrintDialog(QWidget* parent = nullptr) : m_parent(parent) {}

  /// Shows the dialog for printer; true when the user chose to print (the
  /// choices are then the printer's), false when cancelled. A printer that
  /// writes a PDF file or page images is taken as it is when no hook
  /// answers.
  bool Execute(TPrinter& printer);

  /// The hook answers Execute with the printer it would print on.
  using Hook = std::function<bool(TPrinter&)>;
  /// Installs (or, with an empty hook, removes) the answering hook.
  static void SetHook(Hook hook);

private:
  QWidget* m_parent;
};
