#pragma once

#include <QString>

/// The editor's name and version as its window and splash show them.
inline const QString kProductName = QStringLiteral("KRV-71 FIR DSP Processor Editor");
inline const QString kProductVersion = QStringLiteral("V1.0");

/// The main window's caption: name, a blank, version.
inline QString ProductCaption() { return kProductName + QLatin1Char(' ') + kProductVersion; }
