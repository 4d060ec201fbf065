#pragma once

#include <QChar>
#include <QString>

/// True when the caption marks key as its accelerator ("&S" for S or s;
/// "&&" is a literal ampersand). Any thread.
bool IsAccel(QChar key, const QString& caption);
