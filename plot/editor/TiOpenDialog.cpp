#include "plot/editor/TiOpenDialog.h"

#include <QDir>

#include "platform/widgets/FileChooser.h"
#include "plot/editor/iDialogOwner.h"

bool TiOpenDialog::Execute() {
  m_files.clear();
  QWidget* window = FileDialogOwnerWindow(parent());
  if (window == nullptr) {
    return false;
  }
  FileDialogChoice choice;
  choice.kind = FileChoice::Kind::Open;
  choice.filter = m_filter;
  choice.initialPath = m_fileName;
  choice.directory = m_defaultDir.isEmpty() ? QStringLiteral(".") : m_defaultDir;
  choice.defaultExt = m_defaultExt;
  choice.multiSelect = m_allowMultiSelect;
  choice.fileMustExist = m_fileMustExist;
  const std::optional<FileAnswer> answer = FileChooser::ChooseFiles(window, choice);
  if (!answer) {
    return false;
  }
  if (m_allowMultiSelect) {
    const QDir folder(choice.directory);
    for (const QString& file : answer->files) {
      m_files << QDir::cleanPath(folder.absoluteFilePath(file));
    }
  } else {
    m_files << answer->files.first();
  }
  m_fileName = m_files.first();
  return true;
}
