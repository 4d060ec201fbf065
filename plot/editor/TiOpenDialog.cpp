#include "plot/editor/TiOpenDialog.h"

#include <QDir>

#include "plot/editor/iDialogOwner.h"

bool TiOpenDialog::Execute() {
  m_files.clear();
  FileDialogChoice choice = WrapperChoice(FileChoice::Kind::Open, m_filter, m_fileName, m_defaultExt, m_defaultDir);
  choice.multiSelect = m_allowMultiSelect;
  choice.fileMustExist = m_fileMustExist;
  const std::optional<FileAnswer> answer = ChooseForOwner(parent(), choice);
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
