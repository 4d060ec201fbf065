#pragma once

#include <QString>

/// A temporary folder made at the first call and removed when the process
/// ends, which the program's settings store then uses for every root
/// (XDG_CONFIG_HOME and XDG_CONFIG_DIRS point into it), so fuzz targets that
/// read settings never touch the user's. The path, without a final "/".
QString FuzzSettingsFolder();
