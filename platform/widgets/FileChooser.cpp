#include "platform/widgets/FileChooser.h"

#include <QFileDialog>
#include <QStringList>

namespace FileChooser {
namespace {
Hook& CurrentHook() {
  static Hook hook;
  return hook;
}
}  // namespace

std::optional<QString> Choose(QWidget* parent, const FileChoice& choice) {
  if (CurrentHook()) {
    return CurrentHook()(choice);
  }
  const QString filter = ToQtFilter(choice.filter);
  const QString path = choice.kind == FileChoice::Kind::Open
      ? QFileDialog::getOpenFileName(parent, choice.title, choice.initialPath, filter)
      : QFileDialog::getSaveFileName(parent, choice.title, choice.initialPath, filter);
  if (path.isEmpty()) {
    return std::nullopt;
  }
  return path;
}

void SetHook(Hook hook) { CurrentHook() = std::move(hook); }

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
