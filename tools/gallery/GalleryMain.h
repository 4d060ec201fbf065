#pragma once

#include <functional>

#include <QString>
#include <QStringList>

namespace Gallery {

/// Writes a tool's pictures into a folder and answers the paths written, or
/// an empty list and an error text.
using Writer = std::function<QStringList(const QString& folder, QString* error)>;

/// The main of a gallery tool: "<tool> [folder]" writes its pictures into
/// folder (default defaultFolder) on the offscreen platform unless
/// QT_QPA_PLATFORM names another (xcb under Xvfb), and reports on stdout or
/// stderr. Answers the process exit code.
int RunMain(int argc, char** argv, const char* tool, const QString& defaultFolder, const Writer& write);

}  // namespace Gallery
