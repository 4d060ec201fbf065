#include "plot/editor/TiSaveDialog.h"

#include <QFileInfo>

#include "plot/editor/iDialogOwner.h"

namespace {
/// The pattern of each entry of a "|"-separated filter of description and
/// pattern pairs, in entry order, so that a filter index finds its own
/// entry; an entry without a pattern has an empty one.
QStringList PatternsOf(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList patterns;
  for (qsizetype i = 1; i < parts.size(); i += 2) {
    patterns << parts[i];
  }
  return patterns;
}

/// The extension of a file name from its last dot ("" without one); dots
/// in the folder names do not count.
QString ExtensionOf(const QString& fileName) {
  const QString name = QFileInfo(fileName).fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot >= 0 ? name.mid(dot) : QString();
}
}  // namespace

bool TiSaveDialog::Execute() {
  FileDialogChoice choice = WrapperChoice(FileChoice::Kind::Save, m_filter, m_fileName, m_defaultExt, m_defaultDir);
  choice.filterIndex = m_filterIndex;
  const std::optional<FileAnswer> answer = ChooseForOwner(parent(), choice);
  if (!answer) {
    return false;
  }
  m_fileName = answer->files.first();
  m_filterIndex = answer->filterIndex;
  m_filterList = PatternsOf(m_filter);
  m_returnExt.clear();
  if (m_filterIndex < 1 || m_filterIndex > m_filterList.size()) {
    return true;
  }
  // An entry may list several extensions: the first is the one to add, and
  // a name ending in any of them already has its extension.
  QStringList extensions;
  for (const QString& pattern : m_filterList[m_filterIndex - 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    if (pattern.trimmed().startsWith(QLatin1Char('*'))) {
      extensions << pattern.trimmed();
    }
  }
  if (extensions.isEmpty()) {
    return true;  // an entry without an extension pattern adds none
  }
  m_returnExt = extensions.first().mid(1);
  if (m_returnExt.isEmpty() || m_returnExt == QLatin1String(".*")) {
    return true;
  }
  const QString extension = ExtensionOf(m_fileName);
  const bool hasOne = !extension.isEmpty() && extensions.contains(QLatin1Char('*') + extension, Qt::CaseInsensitive);
  if (!hasOne) {
    m_fileName += m_returnExt;
  }
  return true;
}
