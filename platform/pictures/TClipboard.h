#pragma once

#include <QString>

class TGraphic;

/// The system clipboard (QClipboard). GUI thread.
namespace TClipboard {

/// Puts the picture on the clipboard as an image and, when mimeType is
/// given, also its saved file bytes under that type ("image/emf",
/// "image/jpeg"), so applications that know the format take it unchanged.
/// False with the reason when the picture cannot be saved.
bool Assign(const TGraphic& graphic, const QString& mimeType = QString(), QString* error = nullptr);

}  // namespace TClipboard
