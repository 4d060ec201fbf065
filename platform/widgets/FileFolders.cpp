#include "platform/widgets/FileFolders.h"

#include <map>

#include <QDir>
#include <QFileInfo>

#include "platform/widgets/FileChooser.h"

namespace FileFolders {
namespace {

std::map<QString, QString>& Folders() {
  static std::map<QString, QString> folders;
  return folders;
}

/// The kind of file a dialog is for: its filter, whatever the case.
QString KindOf(const FileChoice& choice) { return choice.filter.toLower(); }

}  // namespace

QString StartFolder(const FileChoice& choice) {
  const auto found = Folders().find(KindOf(choice));
  if (found != Folders().end() && QFileInfo(found->second).isDir()) {
    return found->second;
  }
  return QDir::homePath();
}

void Remember(const FileChoice& choice, const QString& path) {
  const QFileInfo file(path);
  if (!file.isAbsolute()) {
    return;
  }
  Folders()[KindOf(choice)] = file.absolutePath();
}

void Forget() { Folders().clear(); }

}  // namespace FileFolders
