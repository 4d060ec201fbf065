#include "platform/widgets/FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/widgets/FileFolders.h"

namespace FileChooser {
namespace {
Hook& CurrentHook() {
  static Hook hook;
  return hook;
}

FilesHook& CurrentFilesHook() {
  static FilesHook hook;
  return hook;
}

std::optional<FileAnswer> ShowDialog(QWidget* parent, const FileDialogChoice& choice) {
  QFileDialog dialog(parent, choice.title);
  const bool save = choice.kind == FileChoice::Kind::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (!save && choice.multiSelect) {
    dialog.setFileMode(QFileDialog::ExistingFiles);
  } else if (!save && choice.fileMustExist) {
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setFileMode(QFileDialog::AnyFile);
  }
  const QStringList filters = ToQtFilter(choice.filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (choice.filterIndex >= 1 && choice.filterIndex <= filters.size()) {
      dialog.selectNameFilter(filters[choice.filterIndex - 1]);
    }
  }
  dialog.setDefaultSuffix(choice.defaultExt.startsWith(QLatin1Char('.')) ? choice.defaultExt.mid(1)
                                                                         : choice.defaultExt);
  if (!choice.directory.isEmpty()) {
    dialog.setDirectory(choice.directory);
  }
  if (QFileInfo(choice.initialPath).isDir()) {
    dialog.setDirectory(choice.initialPath);
  } else if (!choice.initialPath.isEmpty()) {
    dialog.selectFile(choice.initialPath);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  const qsizetype chosenFilter = filters.indexOf(dialog.selectedNameFilter());
  return FileAnswer{dialog.selectedFiles(), chosenFilter >= 0 ? int(chosenFilter) + 1 : choice.filterIndex};
}
}  // namespace

std::optional<QString> Choose(QWidget* parent, const FileChoice& choice) {
  if (CurrentHook()) {
    return CurrentHook()(choice);
  }
  FileDialogChoice single;
  static_cast<FileChoice&>(single) = choice;
  single.fileMustExist = choice.kind == FileChoice::Kind::Open;
  const std::optional<FileAnswer> answer = ChooseFiles(parent, single);
  if (!answer) {
    return std::nullopt;
  }
  return answer->files.first();
}

void SetHook(Hook hook) { CurrentHook() = std::move(hook); }

std::optional<FileAnswer> ChooseFiles(QWidget* parent, const FileDialogChoice& choice) {
  FileDialogChoice started = choice;
  const bool ownFolder = started.directory.isEmpty() && QFileInfo(started.initialPath).isRelative();
  if (ownFolder) {
    started.directory = FileFolders::StartFolder(started);
  }
  std::optional<FileAnswer> answer;
  if (CurrentFilesHook()) {
    answer = CurrentFilesHook()(started);
  } else if (CurrentHook()) {
    if (const std::optional<QString> path = CurrentHook()(started)) {
      answer = FileAnswer{{*path}, started.filterIndex};
    }
  } else {
    answer = ShowDialog(parent, started);
  }
  if (!answer || answer->files.isEmpty()) {
    return std::nullopt;
  }
  if (ownFolder) {
    FileFolders::Remember(started, answer->files.first());
  }
  return answer;
}

void SetFilesHook(FilesHook hook) { CurrentFilesHook() = std::move(hook); }

QString ToQtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString name = parts[i];
    const qsizetype paren = name.indexOf(QLatin1Char('('));
    if (paren >= 0) {
      name.truncate(paren);
    }
    out << name.trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;"));
}

}  // namespace FileChooser
