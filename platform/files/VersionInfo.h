#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <QString>

/// One language and code page pair of a version resource.
struct TVersionTranslation {
  std::uint16_t Language = 0;
  std::uint16_t CodePage = 0;
};

/// The version information an executable file carries: its translations
/// (the first one first) and its string values, each under its query path
/// ("StringFileInfo\080404B0\ProductName", with or without a leading "\").
struct TVersionInfoBlock {
  std::vector<TVersionTranslation> Translations;
  std::vector<std::pair<QString, QString>> Strings;
};

/// The version information of files, read and queried as the widgets ask
/// for it. Our executables carry none, so every file has none unless a hook
/// answers instead (tests install one). GUI thread only.
namespace VersionInfo {

using Hook = std::function<std::optional<TVersionInfoBlock>(const QString& fileName)>;

/// The file's version information, or nullopt when it has none.
std::optional<TVersionInfoBlock> Read(const QString& fileName);

/// The value under "\VarFileInfo\Translation": the first translation;
/// false when the block has none.
bool QueryTranslation(const TVersionInfoBlock& block, TVersionTranslation& translation);

/// The string value under subBlock (matched exactly, a leading "\" on
/// either side ignored); false and value unchanged when it is missing.
bool QueryString(const TVersionInfoBlock& block, const QString& subBlock, QString& value);

/// "StringFileInfo\" + language and code page as four upper-case hex
/// digits each + "\" + name.
QString StringPath(const TVersionTranslation& translation, const QString& name);

/// Installs (or, with an empty hook, removes) the answering hook.
void SetHook(Hook hook);

}  // namespace VersionInfo
