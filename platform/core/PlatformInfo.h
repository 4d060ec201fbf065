#pragma once

#include <QString>

/// Fixed answers to the questions the widgets ask of the desktop, so every
/// machine draws alike: visual themes are off (the classic paths are
/// taken), the system version is 6.1 (NT platform), the display has more
/// than 256 colours (the executable's version information: VersionInfo.h).
/// Any thread.
namespace PlatformInfo {

/// Whether visual styles (themes) are active: never.
constexpr bool ThemesEnabled() { return false; }

constexpr int WindowsMajorVersion() { return 6; }
constexpr int WindowsMinorVersion() { return 1; }
constexpr bool WindowsPlatformNT() { return true; }

/// The display's colour count query: -1 means more than 256 colours.
constexpr int NumColors() { return -1; }

/// The theme manager's colour name: none is set.
inline QString ThemeColorName() { return {}; }

}  // namespace PlatformInfo
