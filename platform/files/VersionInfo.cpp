#include "platform/files/VersionInfo.h"

namespace {

VersionInfo::Hook& VersionInfoHook() {
  static VersionInfo::Hook hook;
  return hook;
}

QString WithoutLeadingDelimiter(const QString& path) {
  return path.startsWith(QLatin1Char('\\')) ? path.mid(1) : path;
}

QString Hex4(std::uint16_t value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper(); }

}  // namespace

namespace VersionInfo {

std::optional<TVersionInfoBlock> Read(const QString& fileName) {
  if (VersionInfoHook()) {
    return VersionInfoHook()(fileName);
  }
  return std::nullopt;
}

bool QueryTranslation(const TVersionInfoBlock& block, TVersionTranslation& translation) {
  if (block.Translations.empty()) {
    return false;
  }
  translation = block.Translations.front();
  return true;
}

bool QueryString(const TVersionInfoBlock& block, const QString& subBlock, QString& value) {
  const QString wanted = WithoutLeadingDelimiter(subBlock);
  for (const auto& [path, text] : block.Strings) {
    if (WithoutLeadingDelimiter(path) == wanted) {
      value = text;
      return true;
    }
  }
  return false;
}

QString StringPath(const TVersionTranslation& translation, const QString& name) {
  return QStringLiteral("StringFileInfo\\") + Hex4(translation.Language) + Hex4(translation.CodePage) +
         QLatin1Char('\\') + name;
}

void SetHook(Hook hook) { VersionInfoHook() = std::move(hook); }

}  // namespace VersionInfo
