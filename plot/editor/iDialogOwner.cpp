#include "plot/editor/iDialogOwner.h"

#include "platform/widgets/TForm.h"
#include "plot/base/EPlotError.h"

TWinControl& WindowedOwner(QObject* owner) {
  auto* control = dynamic_cast<TWinControl*>(owner);
  if (control == nullptr) {
    throw EPlotError(QStringLiteral("Invalid class typecast"));
  }
  return *control;
}

QWidget* FileDialogOwnerWindow(QObject* owner) {
  TWinControl* outermost = nullptr;
  for (QObject* o = owner; o != nullptr; o = o->parent()) {
    if (auto* form = dynamic_cast<TForm*>(o)) {
      return form;
    }
    if (auto* control = dynamic_cast<TWinControl*>(o)) {
      outermost = control;
    }
  }
  return outermost;
}

FileDialogChoice WrapperChoice(FileChoice::Kind kind, const QString& filter, const QString& fileName,
                               const QString& defaultExt, const QString& defaultDir) {
  FileDialogChoice choice;
  choice.kind = kind;
  choice.filter = filter;
  choice.initialPath = fileName;
  choice.directory = defaultDir.isEmpty() ? QStringLiteral(".") : defaultDir;
  choice.defaultExt = defaultExt;
  return choice;
}

std::optional<FileAnswer> ChooseForOwner(QObject* owner, const FileDialogChoice& choice) {
  QWidget* window = FileDialogOwnerWindow(owner);
  if (window == nullptr) {
    return std::nullopt;
  }
  return FileChooser::ChooseFiles(window, choice);
}
