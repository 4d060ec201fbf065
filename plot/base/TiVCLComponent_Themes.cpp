#include <optional>

#include "platform/files/ReadWholeFile.h"
#include "platform/files/RegistryStore.h"
#include "plot/base/EPlotError.h"
#include "plot/base/TiVCLComponent.h"
#include "plot/streaming/iPropertyStrings.h"

namespace {

const QString kThemesKey = QStringLiteral("SOFTWARE\\Vivove\\Themes");
/// Scheme files are small; a larger file is refused before it is read whole.
constexpr std::size_t kMaxSchemeFileBytes = 64u << 20;

QString ReadDirectory(const QString& valueName) {
  auto read = [&valueName](RegistryRoot root) {
    const std::optional<RegistryValue> value = RegistryStore(root).ReadValue(kThemesKey, valueName);
    return value && value->type == RegistryValue::kString ? value->text.trimmed() : QString();
  };
  QString directory = read(RegistryRoot::LocalMachine);
  if (const QString user = read(RegistryRoot::CurrentUser); !user.isEmpty()) {
    directory = user;
  }
  if (!directory.isEmpty() && !directory.endsWith(QLatin1Char('/'))) {
    directory += QLatin1Char('/');
  }
  return directory;
}

/// The file's bytes; nothing for a missing file or one without a directory.
std::optional<QByteArray> ReadSchemeFile(const QString& directory, const QString& fileName) {
  if (directory.isEmpty()) {
    return std::nullopt;
  }
  QByteArray bytes;
  if (!ReadWholeFile(directory + fileName, kMaxSchemeFileBytes + 1, bytes)) {
    return std::nullopt;
  }
  if (std::size_t(bytes.size()) > kMaxSchemeFileBytes) {
    throw EPlotError(QStringLiteral("Error Loading Scheme. XML File Malformed"));
  }
  return bytes;
}

}  // namespace

void TiVCLComponent::LoadThemes() {
  m_themes.Clear();
  const QString libraryDirectory = ReadDirectory(QStringLiteral("Vivove Defined Theme Path"));
  const QString userDirectory = ReadDirectory(QStringLiteral("User Defined Theme Path"));
  if (const auto bytes = ReadSchemeFile(libraryDirectory, ClassName() + QStringLiteral(".xml"))) {
    m_themes.AddFromXml(*bytes, false);
  }
  if (const auto bytes = ReadSchemeFile(userDirectory, ClassName() + QStringLiteral("User.xml"))) {
    m_themes.AddFromXml(*bytes, true);
  }
}

QString TiVCLComponent::GetThemeCategoryName(int categoryIndex) const {
  return m_themes.Category(categoryIndex).Name;
}

int TiVCLComponent::GetThemeCategorySchemeCount(int categoryIndex) const {
  return int(m_themes.Category(categoryIndex).Schemes.size());
}

QString TiVCLComponent::GetThemeCategorySchemeName(int categoryIndex, int schemeIndex) const {
  return m_themes.Scheme(categoryIndex, schemeIndex).Name;
}

bool TiVCLComponent::GetThemeCategorySchemeIsUser(int categoryIndex, int schemeIndex) const {
  return m_themes.Scheme(categoryIndex, schemeIndex).User;
}

void TiVCLComponent::ApplyScheme(int categoryIndex, int schemeIndex) {
  const QStringList lines = m_themes.Scheme(categoryIndex, schemeIndex).Properties;
  for (const QString& line : lines) {
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) {
      continue;
    }
    const QString name = line.left(equals).trimmed();
    if (name.isEmpty()) {
      continue;
    }
    OPCSetPropertyByName(*this, PublishedProperties(), QString(), line.mid(equals + 2), name);
  }
}
